#include "ui/closing_slide.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/ui/recording_desktop.h"

namespace velk::ui::testing {
namespace {

// Down and right by 30 twips, 60 smaller each way per cycle, until Top lies
// beyond the screen's width; at least one cycle, and an end however the
// platform treats the window. Frames start at Left 3000, Top 3000, 9255 by
// 5400 on a screen 19200 wide, and keep at least 1800 by 450.
TEST(ClosingSlide, RunsItsCyclesAndLeavesTheFrameThere) {
    const std::tuple<FakeFrame, int, std::array<int, 4>> slides[] = {
        {{.left = 100, .top = 19000}, 7, {310, 19210, 9255 - 420, 5400 - 420}},
        {{.top = 19170}, 2, {3060, 19230, 9135, 5280}},  // equal to the width is not beyond
        {{.top = 30000}, 1, {3030, 30030, 9195, 5340}},
        {{.top = 0}, 641, {3000 + 641 * 30, 641 * 30, 1800, 450}},
        {{.refuseMoves = true}, 1, {3000, 3000, 9195, 5340}},
        {{.top = 0, .timeChecksLeft = 10}, 11, {3330, 330, 9255 - 660, 5400 - 660}}};
    for (auto [frame, cycles, end] : slides) {
        RecordingFrame recorded(frame);
        EXPECT_EQ(RunClosingSlide(recorded), cycles);
        EXPECT_EQ(frame.changesShown, cycles);
        EXPECT_EQ((std::array{frame.left, frame.top, frame.width, frame.height}), end) << cycles;
    }
}

}  // namespace
}  // namespace velk::ui::testing
