// ornel.exe's batch sub-commands on Windows: the same output as on the
// simulated desktop, Ornel's message boxes answered and reported.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/files.h"

namespace {

struct Outcome {
    DWORD status = 0;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

HANDLE inheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

// Runs ornel.exe from the test program's directory with the arguments and
// collects its standard output and error (in files of each run's own: a
// file of the run before may still be held while its process winds down).
Outcome ornel(const std::string& arguments) {
    static int runs = 0;
    const std::string dir = plat::programDirectory();
    const std::string stem = dir + "ornel-run" + std::to_string(++runs);
    const std::string outPath = stem + "-out.txt";
    const std::string errPath = stem + "-err.txt";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritableFile(outPath);
    startup.hStdError = inheritableFile(errPath);
    std::string commandLine = "\"" + dir + "ornel.exe\" " + arguments;
    PROCESS_INFORMATION process{};
    Outcome run;
    if (startup.hStdOutput == INVALID_HANDLE_VALUE || startup.hStdError == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot make " << stem;
        run.status = 255;
    } else if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(), &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        run.status = 255;
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return run;
}

TEST(OrnelExe, ParseReportsTheBoxesItShowed) {
    writeFile(plat::programDirectory() + "bets.txt", "東京 1R 3\r\n★ 4\r\n東京 2R 1-2 500\r\n");
    const Outcome run = ornel("parse bets.txt");
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, "001: 東京  1R 単勝    03      100\r\n002: 東京  2R 馬連 01-02      500\r\n");
    EXPECT_EQ(run.err, "8005 競馬場コードまたは投票種別が不正です！\n");
}

TEST(OrnelExe, QuestionsGetTheAnswerOfTheCommandLine) {
    const std::string profile = "[Define]\r\nLimit Race=1000\r\nLimit Time=999900\r\n";
    writeFile(plat::programDirectory() + "LIMITS.INI", profile);
    writeFile(plat::programDirectory() + "bets.txt", "東京 1R 3,4 1000\r\n");
    const Outcome yes = ornel("parse --check-limits --ini LIMITS.INI bets.txt");
    EXPECT_EQ(yes.status, 0u);
    EXPECT_EQ(yes.err, "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits proceed\n");
    const Outcome no = ornel("parse --check-limits --answer no --ini LIMITS.INI bets.txt");
    EXPECT_EQ(no.status, 0u);
    EXPECT_EQ(no.err, "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits abort\n");
    EXPECT_EQ(readFile(plat::programDirectory() + "LIMITS.INI"), profile) << "the profile is only read";
}

TEST(OrnelExe, NextBetNamesTheFileOfTheDay) {
    const Outcome run = ornel("nextbet --bet-dir . --date 2024-06-15");
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, ".\\24061501.Bet\n");
}

}  // namespace
