#include "ui/closing_slide.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/ui/fake_port.h"

namespace velk::ui::testing {
namespace {

// Down and right by 30 twips, 60 smaller each way per cycle, until Top lies
// beyond the screen's width; at least one cycle, one round of events each,
// and an end however the window takes the moves.
TEST(ClosingSlide, RunsItsCyclesAndLeavesTheWindowThere) {
    struct Slide {
        WindowGeometry start;
        bool refuseMoves;
        int maxMove;
        int cycles;
        std::array<int, 4> end;
    };
    const WindowGeometry from{3000, 3000, 9255, 5400};
    const Slide slides[] = {
        {{100, 19000, 9255, 5400}, false, 1 << 30, 7, {310, 19210, 9255 - 420, 5400 - 420}},
        // Equal to the width is not beyond it.
        {{3000, 19170, 9255, 5400}, false, 1 << 30, 2, {3060, 19230, 9135, 5280}},
        {{3000, 30000, 9255, 5400}, false, 1 << 30, 1, {3030, 30030, 9195, 5340}},
        {{3000, 0, 9255, 5400}, false, 1 << 30, 641, {3000 + 641 * 30, 641 * 30, 1800, 450}},
        {from, true, 1 << 30, 1, {3000, 3000, 9195, 5340}},
        // A window that moves by less than asked: as many cycles as the way.
        {from, false, 1, 541, {3541, 3541, 1800, 450}}};
    for (const Slide& slide : slides) {
        FakeWindow window;
        RecordingDesktop desktop;
        window.frame = slide.start;
        window.refuseMoves = slide.refuseMoves;
        window.maxMove = slide.maxMove;
        EXPECT_EQ(RunClosingSlide(window, desktop), slide.cycles);
        EXPECT_EQ(desktop.eventRounds, slide.cycles);
        const WindowGeometry& g = window.frame;
        EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), slide.end) << slide.cycles;
    }
}

}  // namespace
}  // namespace velk::ui::testing
