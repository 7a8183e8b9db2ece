#pragma once

class QWidget;

namespace torvalet::ui {

// For measuring the program's start from outside: with TORVALET_REPORT_SHOWN set in the
// environment, the first time `window` is on screen the program writes one line to standard
// error, "shown SECONDS PEAK-KB" (the wall clock in seconds since 1970, with nanoseconds, and the
// peak resident memory so far), and then closes the window as File > Quit would.
void reportWhenShown(QWidget& window);

}  // namespace torvalet::ui
