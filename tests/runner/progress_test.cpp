// What a run tells whoever watches it: the line of how many, the group of
// how many and the step, in the order the driver takes them.
#include <tuple>

#include "runner_fixture.h"

namespace runnertest {
namespace {

using ProgressTest = RunnerTest;

using Sample = std::tuple<int, int, int, int, driver::RunStep>;  // line, lines, group, groups, step

TEST_F(ProgressTest, ARunReportsEachLineGroupAndStepInTurn) {
    install();
    settings.betDivideUnit = 2;
    setList(canonical({{"東京", 1, "馬連", {3, 5}, 1000}, {"阪神", 2, "単勝", {7}, 500}, {"東京", 4, "複勝", {12}, 300}}));
    std::vector<Sample> seen;
    const driver::RunProgress& p = state.runProgress;
    startBets();
    ASSERT_TRUE(desktop.runUntil(
        [&] {
            const Sample now{p.line.load(), p.lines.load(), p.group.load(), p.groups.load(), p.step.load()};
            const bool started = std::get<4>(now) != driver::RunStep::None;
            if (started && (seen.empty() || seen.back() != now)) seen.push_back(now);
            return runState.load() == base::kRunFinished;
        },
        3'600'000));

    using S = driver::RunStep;
    const std::vector<Sample> expected = {
        {0, 0, 0, 0, S::Connecting}, {0, 3, 0, 2, S::Connecting}, {0, 3, 1, 2, S::Connecting},
        {1, 3, 1, 2, S::Connecting},
        {1, 3, 1, 2, S::Racecourse}, {1, 3, 1, 2, S::Numbers},     {1, 3, 1, 2, S::Amount},
        {1, 3, 1, 2, S::Confirm},    {2, 3, 1, 2, S::Confirm},     {2, 3, 1, 2, S::Racecourse},
        {2, 3, 1, 2, S::Numbers},    {2, 3, 1, 2, S::Amount},      {2, 3, 1, 2, S::Confirm},
        {2, 3, 1, 2, S::Total},      {2, 3, 1, 2, S::Vote},        {2, 3, 2, 2, S::Vote},
        {3, 3, 2, 2, S::Vote},       {3, 3, 2, 2, S::Racecourse},  {3, 3, 2, 2, S::Numbers},
        {3, 3, 2, 2, S::Amount},     {3, 3, 2, 2, S::Confirm},     {3, 3, 2, 2, S::Total},
        {3, 3, 2, 2, S::Vote},       {3, 3, 2, 2, S::Finished},
    };
    // Samples are taken whenever the driver gives up its turn, so steps
    // that pass without a pause may be missed; what is seen keeps order.
    std::size_t at = 0;
    for (const Sample& s : seen) {
        while (at < expected.size() && expected[at] != s) ++at;
        ASSERT_LT(at, expected.size()) << "out of order: line " << std::get<0>(s) << " group " << std::get<2>(s)
                                       << " step " << driver::RunStepName(std::get<4>(s));
    }
    EXPECT_EQ(seen.back(), expected.back());
    EXPECT_GE(seen.size(), 15u) << "most steps are seen";
}

}  // namespace
}  // namespace runnertest
