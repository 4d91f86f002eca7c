#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora {

class CodePage;

// Every line of text (line rule of forEachLine) followed by CR LF, the last one included.
std::string withCrLfLines(std::string_view text);

// "Get Text": the file's lines, each followed by CR LF, as UTF-8. A file larger than
// files::MaxTextBytes, a pipe or a device is refused.
std::string readTextFile(const std::filesystem::path& path, const CodePage& codePage);

// "Save": the text and one CR LF, in the code page. Nothing is written when a character
// cannot be held; an existing file is replaced in one step (files::replace: a new file is
// readable by its owner only, an existing one keeps its mode).
void saveTextFile(const std::filesystem::path& path, std::string_view text, const CodePage& codePage);

} // namespace talvora
