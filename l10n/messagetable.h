#pragma once

#include <vector>

namespace talvora::l10n {

struct MessageForm {
    const char* source; // English, with %1... for variable parts and %n for a count
    const char* parts;  // the digits of the variable parts that are messages themselves
};

const std::vector<MessageForm>& messageTable();

} // namespace talvora::l10n
