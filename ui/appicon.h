#pragma once

#include <QIcon>

namespace talvora::ui {

// The program's icon from its raster sizes, so that no SVG support is needed.
QIcon applicationIcon();

} // namespace talvora::ui
