// Where the settings are read from and written to: the private-profile file
// of the program, or a stand-in.
#pragma once

#include <string>

namespace base {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // Integer semantics of the profile: the value's leading decimal digits,
    // the default when the key is missing.
    virtual int getInt(const char* section, const char* key, int defaultValue) = 0;
    virtual std::string getString(const char* section, const char* key,
                                  const std::string& defaultValue) = 0;
    virtual bool writeString(const char* section, const char* key, const std::string& value) = 0;
    virtual bool writeInt(const char* section, const char* key, int value) = 0;
};

// The profile file at `path`.
class FileProfileStore : public ProfileStore {
public:
    explicit FileProfileStore(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    int getInt(const char* section, const char* key, int defaultValue) override;
    std::string getString(const char* section, const char* key,
                          const std::string& defaultValue) override;
    bool writeString(const char* section, const char* key, const std::string& value) override;
    bool writeInt(const char* section, const char* key, int value) override;

private:
    std::string path_;
};

// Reads through to another store and drops every write (for commands that
// must read a profile without changing it).
class ReadOnlyProfileStore : public ProfileStore {
public:
    explicit ReadOnlyProfileStore(ProfileStore& source) : source_(source) {}

    int getInt(const char* section, const char* key, int defaultValue) override {
        return source_.getInt(section, key, defaultValue);
    }
    std::string getString(const char* section, const char* key,
                          const std::string& defaultValue) override {
        return source_.getString(section, key, defaultValue);
    }
    bool writeString(const char*, const char*, const std::string&) override { return true; }
    bool writeInt(const char*, const char*, int) override { return true; }

private:
    ProfileStore& source_;
};

// The profile file of the running program: its executable's base name with
// the extension ".INI", in the Windows directory.
std::string ProgramProfilePath();

}  // namespace base
