// A settings profile in memory that records every write in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/profile_store.h"

namespace app_test {

class MemoryProfile : public base::ProfileStore {
public:
    void set(const std::string& section, const std::string& key, const std::string& value) {
        values_[section + "/" + key] = value;
    }
    bool has(const std::string& section, const std::string& key) const {
        return values_.count(section + "/" + key) > 0;
    }
    std::string value(const std::string& section, const std::string& key) const {
        auto it = values_.find(section + "/" + key);
        return it == values_.end() ? "<missing>" : it->second;
    }
    // "section/key=value" for every write, in order.
    const std::vector<std::string>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }

    int getInt(const char* section, const char* key, int defaultValue) override {
        auto it = values_.find(std::string(section) + "/" + key);
        if (it == values_.end()) return defaultValue;
        int v = 0;
        for (char c : it->second) {
            if (c < '0' || c > '9') break;
            v = v * 10 + (c - '0');
        }
        return v;
    }
    std::string getString(const char* section, const char* key,
                          const std::string& defaultValue) override {
        auto it = values_.find(std::string(section) + "/" + key);
        return it == values_.end() ? defaultValue : it->second;
    }
    bool writeString(const char* section, const char* key, const std::string& value) override {
        set(section, key, value);
        writes_.push_back(std::string(section) + "/" + key + "=" + value);
        return true;
    }
    bool writeInt(const char* section, const char* key, int value) override {
        return writeString(section, key, std::to_string(value));
    }

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> writes_;
};

}  // namespace base_test
