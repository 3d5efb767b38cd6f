#include "ui/closing_slide.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tests/ui/fake_port.h"

namespace velk::ui::testing {
namespace {

// Down and right by 30 twips, 60 smaller each way per cycle, until Top lies
// beyond the screen's width; at least one cycle, one round of events each,
// and an end however the window takes the moves.
TEST(ClosingSlide, RunsItsCyclesAndLeavesTheWindowThere) {
    // Start, whether moves are refused, twips a move takes at most, cycles, end.
    const WindowGeometry from{3000, 3000, 9255, 5400};
    const std::tuple<WindowGeometry, bool, int, int, std::array<int, 4>> slides[] = {
        {{100, 19000, 9255, 5400}, false, 1 << 30, 7, {310, 19210, 9255 - 420, 5400 - 420}},
        // Equal to the width is not beyond it.
        {{3000, 19170, 9255, 5400}, false, 1 << 30, 2, {3060, 19230, 9135, 5280}},
        {{3000, 30000, 9255, 5400}, false, 1 << 30, 1, {3030, 30030, 9195, 5340}},
        {{3000, 0, 9255, 5400}, false, 1 << 30, 641, {3000 + 641 * 30, 641 * 30, 1800, 450}},
        {from, true, 1 << 30, 1, {3000, 3000, 9195, 5340}},
        // A window that moves by less than asked: as many cycles as the way.
        {from, false, 1, 541, {3541, 3541, 1800, 450}}};
    for (const auto& [start, refuseMoves, maxMove, cycles, end] : slides) {
        FakeWindow window;
        RecordingDesktop desktop;
        window.frame = start;
        window.refuseMoves = refuseMoves;
        window.maxMove = maxMove;
        EXPECT_EQ(RunClosingSlide(window, desktop), cycles);
        EXPECT_EQ(desktop.eventRounds, cycles);
        const WindowGeometry& g = window.frame;
        EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), end) << cycles;
    }
}

}  // namespace
}  // namespace velk::ui::testing
