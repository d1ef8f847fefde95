#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/ui/qt/QtServices.h"

namespace {

// Prints the button texts of a question box, in their order, presses the last and ends the process.
void PrintButtonsOfAQuestionBox() {
  ui::QtServices services;
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) std::_Exit(2);
    for (QAbstractButton* button : box->buttons()) std::cerr << '[' << button->text().toStdString() << ']';
    box->buttons().back()->click();
  });
  services.MsgBox("Parameter speichern?", ui::vbYesNo + ui::vbQuestion, "Frage");
  std::_Exit(0);  // the test program's QApplication stays: no global destructors after it
}

// The language comes from the user's variables as the program starts: the box is asked of a program
// started with a German LANG, on a machine where that locale need not be generated.
TEST(QtTranslations, AGermanUserReadsJaAndNeinOnAQuestionBox) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const char* userLanguage = std::getenv("LANG");
  const std::string saved = userLanguage ? userLanguage : "";
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EXIT(PrintButtonsOfAQuestionBox(), ::testing::ExitedWithCode(0), "\\[&Ja\\]\\[&Nein\\]");
  setenv("LANG", "C.UTF-8", 1);
  EXPECT_EXIT(PrintButtonsOfAQuestionBox(), ::testing::ExitedWithCode(0), "\\[&Yes\\]\\[&No\\]");
  setenv("LANG", saved.c_str(), 1);
}

}  // namespace
