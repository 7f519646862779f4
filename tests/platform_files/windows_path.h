// A host path written the Windows way, with '\' separators.
#pragma once

#include <string>

inline std::string backslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}
