#pragma once

#include "error.h"

#include <functional>
#include <string>

// The program's message for what f throws, or "no error" when it throws nothing.
inline std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const talvora::Error& e) {
        return e.what();
    }
    return "no error";
}
