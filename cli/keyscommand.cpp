#include "context.h"

namespace talvora::cli {

void addKeysCommand(CLI::App&, Context&) {}

} // namespace talvora::cli
