#pragma once

#include <QApplication>
#include <memory>

namespace ui {

// The QApplication of a program (or a test program) that draws the forms with Qt. Where the windows are
// drawn into memory (`offscreen`, or the environment asks for Qt's plain offscreen platform) they stand on
// a screen of a desktop's size, so that no form is cut to the platform's small default screen; programs
// started from here later see the plain offscreen platform again. A session without XDG_RUNTIME_DIR gets a
// runtime folder of the program's own, and the offscreen platform's notes about window functions it does
// not have stay off the error output. Qt's own texts (standard buttons, dialogs) speak the user's language.
std::unique_ptr<QApplication> StartQtApplication(int& argc, char** argv, bool offscreen);

// Whether a person sees the windows that Qt will draw: on a display, or on a Qt platform other than the
// ones that draw into memory (offscreen, minimal). An empty setting names none (the bus hands the settings
// that a director lacks as empty ones).
bool PersonSeesQtWindows();

}  // namespace ui
