#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/ui/qt/QtApplicationStart.h"

namespace {

// One QApplication for the whole test program, made before the first test and gone after the last, so
// that no widget outlives it.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  // Drawn offscreen, as ctest runs the Qt tests.
  void SetUp() override { app_ = ui::StartQtApplication(argc_, argv_, {}, true); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "qvr_ui_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
