// What the conformance tests ask of the backend under test.  The tests are
// one source for both backends: on the simulated desktop they run as a
// program of a fresh desktop in virtual time (sim_host), on Windows as the
// test program itself (win32_host).  Where the two answer differently, the
// simulation is what changes.
#pragma once

#include <functional>
#include <string>

namespace conformance {

// Runs body as a program's thread of the platform under test (windows it
// creates belong to that thread).  False when body did not come to its end.
bool runAsProgram(const std::function<void()>& body);

// A fresh, empty directory for the test's files, ending in the platform's
// separator.  It and its files are removed when the test ends.
std::string scratchDirectory();

// The bytes of a file as stored, without the platform's text mode.
std::string rawBytes(const std::string& path);
void writeRawBytes(const std::string& path, const std::string& bytes);

}  // namespace conformance
