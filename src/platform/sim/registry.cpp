// Registry values of the simulated desktop.
//
// With a desktop, the registry lives in "registry.txt" in the desktop's
// directory: it is read for every call and written after every change, so
// a later desktop on the same directory sees the same values.  Without a
// desktop (a plain host process) the values live in memory only.
#include "platform/registry.h"

#include <unistd.h>

#include <mutex>

#include "platform/files.h"
#include "platform/sim/desktop.h"
#include "platform/sim/host_file.h"
#include "platform/sim/registry_store.h"

namespace plat {

namespace {

constexpr const char* kRegistryFile = "registry.txt";

std::mutex& registryLock() {
    static std::mutex lock;
    return lock;
}

// The registry of a process without a desktop (one for every kind of call).
sim::RegistryStore& memoryRegistry() {
    static sim::RegistryStore store;
    return store;
}

// Runs `use` on the registry; a change it reports (true from `use` with
// `changes`) is written back to the desktop's file.
template <typename Use>
bool withRegistry(bool changes, Use use) {
    std::lock_guard<std::mutex> guard(registryLock());
    if (!sim::Desktop::current()) return use(memoryRegistry());
    const std::string file = driveRoot() + kRegistryFile;
    std::string text;
    // A file that exists but cannot be read is not overwritten.
    if (!sim::readHostFile(file, text) && access(file.c_str(), F_OK) == 0) return false;
    sim::RegistryStore store = sim::RegistryStore::parse(text);
    if (!use(store)) return false;
    return !changes || sim::replaceHostFile(file, store.serialize());
}

}  // namespace

bool regRead(RegRoot root, const std::string& path, const std::string& name,
             std::vector<std::uint8_t>& data, Dword& type) {
    return withRegistry(false, [&](sim::RegistryStore& store) {
        const sim::RegistryValue* value = store.value(root, path, name);
        if (!value) return false;
        data = value->data;
        type = value->type;
        return true;
    });
}

bool regWrite(RegRoot root, const std::string& path, const std::string& name, Dword type,
              const std::vector<std::uint8_t>& data) {
    return withRegistry(true, [&](sim::RegistryStore& store) {
        return store.setValue(root, path, sim::RegistryValue{name, type, data});
    });
}

bool regCreateKey(RegRoot root, const std::string& path) {
    return withRegistry(true, [&](sim::RegistryStore& store) {
        store.createKey(root, path);
        return true;
    });
}

}  // namespace plat
