#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora {

class CodePage;

// Every line of text (line rule of forEachLine) followed by CR LF, the last one included.
std::string withCrLfLines(std::string_view text);

// Editors on this system write UTF-8: bytes that are valid UTF-8 and hold a character beyond
// ASCII. A text in a single-byte code page is practically never that once it holds a letter
// beyond ASCII, and a pure ASCII text reads the same either way.
bool isUtf8Text(std::string_view bytes);

// "Get Text": the file's lines, each followed by CR LF, as UTF-8. A UTF-8 text (isUtf8Text;
// a byte order mark dropped) is taken as it is, any other is read in the code page. A file
// larger than files::MaxTextBytes, a pipe or a device is refused.
std::string readTextFile(const std::filesystem::path& path, const CodePage& codePage);

// "Save": the text and one CR LF, in the code page. Nothing is written when a character
// cannot be held; an existing file is replaced in one step (files::replace: a new file is
// readable by its owner only, an existing one keeps its mode).
void saveTextFile(const std::filesystem::path& path, std::string_view text, const CodePage& codePage);

// Whether a text as readTextFile gives it reads as text: no NUL, and at most one character
// in ten a control character or a byte that neither UTF-8 nor the code page assigns.
bool looksLikeText(std::string_view text);

} // namespace talvora
