#pragma once

#include <QApplication>
#include <memory>
#include <stdexcept>

#include "platform/ui/DisplaySettings.h"

namespace ui {

// The QApplication of a program (or a test program) that draws the forms with Qt, on the `display` its
// main read. Where the windows are drawn into memory (`offscreen`, or the display names Qt's plain
// offscreen platform) they stand on a screen of a desktop's size, so that no form is cut to the platform's
// small default screen; programs started from here later see the plain offscreen platform again. A session
// without a runtime folder gets one of the program's own, and the offscreen platform's notes about window
// functions it does not have stay off the error output. Qt's own texts (standard buttons, dialogs) speak
// the user's language. Qt reads the platform and the runtime folder from the environment, so they are set
// there for Qt (and the programs started from here) alone.
//
// Qt ends the program with a signal when its platform cannot open the display: an X display that does not
// open (gone, or refusing this user) raises DisplayUnavailable instead, before Qt starts.
std::unique_ptr<QApplication> StartQtApplication(int& argc, char** argv, const DisplaySettings& display,
                                                 bool offscreen);

// The display the windows were to show on cannot be opened; what() says which and why.
class DisplayUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ui
