#include "base/credentials.h"

#include <utility>

#include "base/settings_keys.h"

namespace base {

namespace {

void swapPass(std::string& t) {
    if (t.size() < 2) return;
    std::size_t i = 1;
    std::size_t j = t.size() - 1;
    while (j > i) {
        std::swap(t[i], t[j]);
        i += 3;
        j -= 1;
    }
}

void maskPass(std::string& t) {
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = static_cast<char>(t[k] ^ (1 << (k % 3)));
}

}  // namespace

std::string EncodeCredentials(const std::string& userId, const std::string& password) {
    std::string t;
    t += static_cast<char>('0' + userId.size());
    t += userId;
    t += password;
    swapPass(t);
    maskPass(t);
    return t;
}

bool DecodeCredentials(const std::string& code, std::string& userId, std::string& password) {
    if (code.empty() || code.size() > kMaxCredentialCodeLength) return false;
    std::string t = code;
    maskPass(t);
    swapPass(t);
    int idLength = static_cast<unsigned char>(t[0]) - '0';
    if (idLength < 0 || static_cast<std::size_t>(idLength) > t.size() - 1) return false;
    std::size_t passwordLength = t.size() - 1 - static_cast<std::size_t>(idLength);
    if (static_cast<std::size_t>(idLength) > kMaxUserIdLength ||
        passwordLength > kMaxPasswordLength)
        return false;
    userId = t.substr(1, static_cast<std::size_t>(idLength));
    password = t.substr(1 + static_cast<std::size_t>(idLength));
    return true;
}

bool StoreCredentials(ProfileStore& store, const Settings& settings) {
    if (settings.userId.size() > kMaxUserIdLength || settings.password.size() > kMaxPasswordLength)
        return false;
    store.writeString(kSectionDefine, keys::kPatCode,
                      EncodeCredentials(settings.userId, settings.password));
    store.writeString(kSectionDefine, keys::kPatId, "");
    store.writeString(kSectionDefine, keys::kPatPassWord, "");
    return true;
}

bool SettingsComplete(const Settings& settings) {
    return !settings.userId.empty() && !settings.password.empty() && !settings.pat95Dir.empty();
}

}  // namespace base
