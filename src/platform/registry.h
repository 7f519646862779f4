// Registry values.  Paths are separated by '\'; a key is opened (never
// created) one component at a time, so writing a value under a key that does
// not exist fails and changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace plat {

enum class RegRoot { LocalMachine, Users, CurrentUser };

bool regRead(RegRoot root, const std::string& path, const std::string& name,
             std::vector<std::uint8_t>& data, Dword& type);
bool regWrite(RegRoot root, const std::string& path, const std::string& name, Dword type,
              const std::vector<std::uint8_t>& data);
// Creates the key and its parents (what an installer does).
bool regCreateKey(RegRoot root, const std::string& path);

}  // namespace plat
