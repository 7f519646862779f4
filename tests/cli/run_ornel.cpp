#include "run_ornel.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/support.h"

namespace cli_test {

namespace {

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

Run runOrnel(const std::vector<std::string>& args, const std::string& input, const std::string& locale,
             const std::string& workDir) {
    testsupport::TempDir io;
    testsupport::writeBytes(io.file("in"), input);
    std::string command = (workDir.empty() ? "" : "cd " + quoted(workDir) + " && ") + "LC_ALL=" + quoted(locale) +
                          " " + quoted(ORNEL_COMMAND);
    for (const std::string& a : args) command += " " + quoted(a);
    command += " <" + quoted(io.file("in")) + " >" + quoted(io.file("out")) + " 2>" +
               quoted(io.file("err"));
    Run run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = testsupport::readBytes(io.file("out"));
    run.err = testsupport::readBytes(io.file("err"));
    return run;
}

}  // namespace cli_test
