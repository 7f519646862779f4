// The user ID and password of the betting client, stored together as one
// scrambled text under "Pat Code".
//
// Code T: a length character ('0' + length of the ID), the ID, the password.
// Then a swap pass (T[i] <-> T[j] for i = 1, 4, 7, ... and j = len-1, len-2,
// ... while j > i) and a mask pass (T[k] ^= 1, 2, 4, 1, 2, 4, ...).  Both
// passes undo themselves, so decoding runs the mask pass, then the swap pass.
#pragma once

#include <string>

#include "base/profile_store.h"
#include "base/settings.h"

namespace base {

constexpr std::size_t kMaxUserIdLength = 8;
constexpr std::size_t kMaxPasswordLength = 4;
constexpr std::size_t kMaxCredentialCodeLength = 31;

std::string EncodeCredentials(const std::string& userId, const std::string& password);

// False (and the outputs untouched) for a code that cannot have been written
// by EncodeCredentials from a valid ID and password: empty, longer than 31
// characters, a length character outside 0..(code length - 1), an ID over 8
// or a password over 4 characters.
bool DecodeCredentials(const std::string& code, std::string& userId, std::string& password);

// Writes the in-memory ID and password as "Pat Code", then blanks "Pat Id"
// and "Pat Pass Word".  An ID over 8 or a password over 4 characters (only a
// hand-edited profile holds such plain values) is not encoded: a code that
// could never be decoded again would lose the credentials, so nothing is
// written and false is returned.
bool StoreCredentials(ProfileStore& store, const Settings& settings);

// The client can be driven: user ID, password and client path are all set.
bool SettingsComplete(const Settings& settings);

}  // namespace base
