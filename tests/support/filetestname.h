#pragma once

#include <string>

// A parameterised test's name from a file name: "eng.dic" -> "eng_dic".
template <class Info> std::string fileTestName(const Info& info) {
    std::string name = info.param.file;
    for (char& c : name)
        if (c == '.')
            c = '_';
    return name;
}
