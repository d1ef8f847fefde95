#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <memory>

#include "TempMachineRoot.h"
#include "platform/ui/qt/QtApplicationStart.h"

namespace {

// One QApplication for the whole test program, made before the first test and gone after the last, so
// that no widget outlives it. Qt's settings (the file dialog's folders and columns) stay in a folder of the
// tests' own, neither read from nor written to the user's.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  // Drawn offscreen, as ctest runs the Qt tests, with Qt's settings in a folder of the run's own.
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings_.Path()));
    app_ = ui::StartQtApplication(argc_, argv_, {}, true);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "qvr_ui_qt_tests";
  char* argv_[2] = {name_, nullptr};
  testsupport::TempMachineRoot settings_;
  std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
