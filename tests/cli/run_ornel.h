// Runs the built `ornel` command with standard input from a string and
// captures standard output, standard error and the exit status.  The
// command runs in the locale named (LC_ALL); the "C" locale's terminal is
// Shift-JIS.
#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// workDir: the directory the command runs in ("" the test's own).
Run runOrnel(const std::vector<std::string>& args, const std::string& input = "",
             const std::string& locale = "C", const std::string& workDir = "");

}  // namespace cli_test
