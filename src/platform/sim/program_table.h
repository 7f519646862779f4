// The programs running on the desktop and the programs registered to open
// files (shellExecute).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"

namespace sim {

struct Program {
    ProgramId id = 0;
    std::string name;
    std::string exePath;  // "" when started without an executable
};

struct ProgramRegistration {
    std::string name;
    std::string filePattern;
    std::function<void(const std::string& exePath)> main;
};

class ProgramTable {
public:
    ProgramId create(const std::string& name, const std::string& exePath);
    const Program* get(ProgramId id) const;
    // The most recently created program of that name, or -1.
    ProgramId findByName(const std::string& name) const;
    ProgramId findOrCreate(const std::string& name);
    std::string nameOf(ProgramId id) const;  // "" for the harness and unknown ids

    void registerFiles(ProgramRegistration registration);
    // The registration whose pattern matches the file name (not the path).
    const ProgramRegistration* forFile(const std::string& fileName) const;

private:
    std::vector<Program> programs_;
    std::vector<ProgramRegistration> registrations_;
};

}  // namespace sim
