// ornel.exe's batch sub-commands on Windows: the same output as on the
// simulated desktop.  The commands that run the whole program exercise the
// scripted user on each of its ways in: a paste and a question (import),
// a button and the open-file dialog (load), the system menu (terms), the
// context menu (report) and a dialog filled in, confirmed or refused
// (timerbet).
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "betclient/centre/centre.h"
#include "betclient/centre/generator.h"
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

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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

// A fresh folder beside the test program, named after the test (relative
// to ornel.exe's working directory and absolute).
class OrnelExe : public ::testing::Test {
protected:
    OrnelExe() {
        name_ = std::string("batch-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::error_code ec;
        std::filesystem::remove_all(path(), ec);
        std::filesystem::create_directories(path(), ec);
    }
    ~OrnelExe() override {
        std::error_code ec;
        std::filesystem::remove_all(path(), ec);
    }
    std::string dir() const { return name_; }
    std::string file(const std::string& name) const { return name_ + "\\" + name; }
    std::string path(const std::string& name = "") const {
        return plat::programDirectory() + name_ + (name.empty() ? "" : "\\" + name);
    }

private:
    std::string name_;
};

const std::string kVenueHeader =
    "東京 24年 6月15日 3回 4日\r\n"
    "11R 馬連  3-5  1000   12R 単勝  2  300\r\n";
const std::string kVenueHeaderList = "001: 東京 11R 馬連 03-05     1000\r\n002: 東京 12R 単勝    02      300\r\n";

TEST_F(OrnelExe, ParseReportsTheBoxesItShowed) {
    writeFile(path("bets.txt"), "東京 1R 3\r\n★ 4\r\n東京 2R 1-2 500\r\n");
    const Outcome run = ornel("parse " + file("bets.txt"));
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, "001: 東京  1R 単勝    03      100\r\n002: 東京  2R 馬連 01-02      500\r\n");
    EXPECT_EQ(run.err, "8005 競馬場コードまたは投票種別が不正です！\n");
}

TEST_F(OrnelExe, QuestionsGetTheAnswerOfTheCommandLine) {
    const std::string profile = "[Define]\r\nLimit Race=1000\r\nLimit Time=999900\r\n";
    writeFile(path("LIMITS.INI"), profile);
    writeFile(path("bets.txt"), "東京 1R 3,4 1000\r\n");
    const Outcome yes = ornel("parse --check-limits --ini " + file("LIMITS.INI") + " " + file("bets.txt"));
    EXPECT_EQ(yes.status, 0u);
    EXPECT_EQ(yes.err, "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits proceed\n");
    const Outcome no = ornel("parse --check-limits --answer no --ini " + file("LIMITS.INI") + " " + file("bets.txt"));
    EXPECT_EQ(no.status, 0u);
    EXPECT_EQ(no.err, "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits abort\n");
    EXPECT_EQ(readFile(path("LIMITS.INI")), profile) << "the profile is only read";
}

TEST_F(OrnelExe, NextBetNamesTheFileOfTheDay) {
    const Outcome run = ornel("nextbet --bet-dir " + dir() + " --date 2024-06-15");
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, file("24061501.Bet") + "\n");
}

TEST_F(OrnelExe, ImportPastesIntoTheProgramsListAndAsksAboutTheDate) {
    writeFile(path("header.txt"), kVenueHeader);
    const Outcome yes = ornel("import " + file("header.txt"));
    EXPECT_EQ(yes.status, 0u) << yes.err;
    EXPECT_EQ(yes.out, kVenueHeaderList);
    EXPECT_EQ(yes.err, "8137 日付が違っています。\\r読込を続けますか？\n");
    const Outcome no = ornel("import --answer no " + file("header.txt"));
    EXPECT_EQ(no.out, "");
    EXPECT_EQ(no.err, yes.err);
}

TEST_F(OrnelExe, LoadTakesTheDaysFileOrTheOneChosenInTheOpenFileDialog) {
    writeFile(path("24061501.BET"), kVenueHeader);
    const Outcome days = ornel("load --bet-dir " + dir() + " --now \"2024-06-15 10:00\"");
    EXPECT_EQ(days.status, 0u) << days.err;
    EXPECT_EQ(days.out, kVenueHeaderList);
    EXPECT_EQ(days.err, "8137 日付が違っています。\\r読込を続けますか？\n") << "no terms: no date in force";
    EXPECT_EQ(readFile(path("24061501.Sav")), kVenueHeader);
    EXPECT_EQ(readFile(path("BT240615.LOG")), "\r\nLOAD BET FILE 24/06/15 10:00:00\r\n" + kVenueHeader);

    writeFile(path("chosen.txt"), "中山 1R 7 500\r\n");
    const Outcome chosen = ornel("load --bet-dir " + dir() + " --now \"2024-06-15 10:05\" " + path("chosen.txt"));
    EXPECT_EQ(chosen.status, 0u) << chosen.err;
    EXPECT_EQ(chosen.out, "001: 中山  1R 単勝    07      500\r\n");
    EXPECT_TRUE(exists(path("chosen.Sav")));
}

TEST_F(OrnelExe, TermsAndReportRunTheProgramOnTheClientsFiles) {
    std::filesystem::create_directories(path("client"));
    std::filesystem::create_directories(path("bets"));
    writeFile(path("client\\Pat95.exe"), "");
    const centre::Day day = centre::generateDay(2024, 6, 15);
    centre::Centre client(day, path("client") + "\\");
    ASSERT_TRUE(client.writeTerms(930));

    // ＰＡＴの起動 from the system menu reads the terms, ｸﾘｱ redraws.
    const std::string where = " --client-dir " + file("client") + " --bet-dir " + file("bets") +
                              " --now \"2024-06-15 10:30\"";
    const Outcome terms = ornel("terms" + where);
    EXPECT_EQ(terms.status, 0u) << terms.err;
    EXPECT_EQ(terms.err, "");
    EXPECT_NE(terms.out.find("投票要項 06/15\r\n"), std::string::npos) << terms.out;
    std::string meetings;
    for (std::size_t slot = 0; slot < day.meetings.size(); ++slot) {
        const centre::Meeting& m = day.meetings[slot];
        meetings += "slot " + std::to_string(slot) + " venue " + std::to_string(m.venue) + " kai " +
                    std::to_string(m.kai) + " nichime " + std::to_string(m.nichime) + " sales ";
        for (int r = 0; r < 14; ++r) meetings += (r ? "," : "") + std::to_string(r < 12 ? m.races[r].saleCode : 0);
        meetings += "\n";
    }
    EXPECT_NE(terms.out.find("\n\n" + meetings + "current-bet-file "), std::string::npos) << terms.out;

    // 払戻情報ファイル出力 from the context menu writes the report.
    const Outcome report = ornel("report" + where);
    EXPECT_EQ(report.status, 0u) << report.err;
    EXPECT_EQ(report.out.rfind("betlog\nreport\n", 0), 0u) << report.out;
    EXPECT_NE(report.out.find("☆★払戻金情報★☆"), std::string::npos) << report.out;
    EXPECT_TRUE(exists(path("bets\\Hi240615.Txt")));
}

TEST_F(OrnelExe, TimerBetConfirmsItsDialogOrHasAValueRefused) {
    writeFile(path("bets.txt"), "東京 11R 3-5 1000\r\n東京 12R 7 500\r\n");
    const Outcome written = ornel("timerbet --bet-dir " + dir() + " --now \"1998-12-02 10:00\" " + file("bets.txt"));
    EXPECT_EQ(written.status, 0u) << written.err;
    EXPECT_EQ(written.out.rfind("proposed 98-12-05 09:40\nwritten ", 0), 0u) << written.out;
    EXPECT_TRUE(exists(path("TC050940.BET")));

    const Outcome refused = ornel("timerbet --bet-dir " + dir() + " --now \"1998-12-05 17:00\" --at \"98-12-06 17:00\" " +
                                  file("bets.txt"));
    EXPECT_EQ(refused.status, 1u);
    EXPECT_EQ(refused.out, "proposed 98-12-06 09:40\n");
    EXPECT_EQ(refused.err, "0 9 から 16 までの整数を入力してください。\n");
    EXPECT_FALSE(exists(path("TC061700.BET")));
}

}  // namespace
