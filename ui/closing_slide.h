// The closing slide: the window drifts down and right while it shrinks.
#pragma once

#include "ui/port.h"

namespace velk::ui {

inline constexpr int SlideMoveStep = 30;    // twips added to Top and Left per cycle
inline constexpr int SlideShrinkStep = 60;  // twips taken from Width and Height per cycle

// Runs cycles, each one step of the window's geometry and one round of the
// desktop's events, until Top lies beyond the screen's width or Top did not
// grow (the window refused the move). It counts its own cycles too, and
// stops after as many as the whole way from the first Top takes, so a window
// that moves by less than asked still ends. Always at least one cycle.
// Returns the number of cycles run.
int RunClosingSlide(WindowPort& window, Desktop& desktop);

}  // namespace velk::ui
