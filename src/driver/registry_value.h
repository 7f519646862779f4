// One registry value, read or written whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace driver {

enum class RegMode { Read, Write };

// Reads or writes the value `name` under `path` (components separated by
// '\', every key opened, never created).
// - Read: buffer receives the value's bytes when the value exists and holds
//   at most `size` bytes (its real length, which may be less); a value that
//   does not fit is not read.  `type` is not used.
// - Write: the first `size` bytes of buffer are written with `type`.
// False, with buffer and the registry unchanged, when a key cannot be
// opened or the value cannot be read or written.
bool RegValue(plat::RegRoot root, const std::string& path, const std::string& name,
              std::vector<std::uint8_t>& buffer, std::size_t size, RegMode mode, plat::Dword type);

// The text of a string value read into size bytes (up to its first zero);
// false when it cannot be read.
bool RegText(plat::RegRoot root, const std::string& path, const std::string& name, std::size_t size,
             std::string& text);
// Writes text as a string value, with its terminating zero.
bool RegSetText(plat::RegRoot root, const std::string& path, const std::string& name,
                const std::string& text);

}  // namespace driver
