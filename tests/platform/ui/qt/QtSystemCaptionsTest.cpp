// The system's own windows drawn by Qt: every label and button caption fits its control, as it did in the
// Windows system font the designs were made for, in both interface languages.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "framework/fRegisterPlugIn.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/apply/fStatus.h"
#include "mainwindow/fMain.h"
#include "mainwindow/files/fAbout.h"
#include "mainwindow/files/fDruckmenue.h"
#include "platform/MachineRoot.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtServices.h"
#include "program/Program.h"
#include "tools/lns/LnsTool.h"

namespace {

// The room a caption needs beside its text: a push button's frame, a check box's box and gap.
int RoomBesideText(const QAbstractButton& button) {
  const QStyle& style = *button.style();
  if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
    return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) +
           style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
  }
  return 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

// "form: text" of every label or button of `window` whose caption its control cuts.
std::vector<std::string> CutCaptions(const std::string& form, const QWidget& window) {
  std::vector<std::string> cut;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = label->fontMetrics().boundingRect(
        QRect(0, 0, room.width(), INT_MAX / 2), wrap | Qt::AlignLeft | Qt::AlignTop, label->text());
    if (needed.width() > room.width() || needed.height() > room.height()) {
      cut.push_back(form + ": " + label->text().toStdString());
    }
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    QString text = button->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    if (text.isEmpty() ||
        !(qobject_cast<const QPushButton*>(button) || qobject_cast<const QCheckBox*>(button) ||
          qobject_cast<const QRadioButton*>(button))) {
      continue;
    }
    if (button->fontMetrics().horizontalAdvance(text) + RoomBesideText(*button) > button->width()) {
      cut.push_back(form + ": " + button->text().toStdString());
    }
  }
  return cut;
}

class QtSystemCaptions : public ::testing::TestWithParam<const char*> {
 protected:
  QtSystemCaptions() {
    std::ostringstream out, err;
    lnstool::ToolContext context{root.Path(), platform::DataDir(), out, err};
    EXPECT_EQ(lnstool::RunLnsTool({"init", "--demo"}, context), lnstool::kOk) << err.str();
    EXPECT_EQ(lnstool::RunLnsTool({"reg", "set", "HKLM", qvr::kPlugInKey, "Language", GetParam()}, context),
              lnstool::kOk)
        << err.str();
  }

  testsupport::TempMachineRoot root;
  ui::QtServices services;
  ui::QtFormBackend backend{services.Screen()};
};

TEST_P(QtSystemCaptions, EveryCaptionFitsItsControl) {
  qvr::Program program(services, backend, root.Path());
  // Loading the main window sets the interface texts and shows the splash and progress windows.
  program.fMain();
  program.Windows().Get<qvr::fStatus>(program);
  program.Windows().Get<qvr::fAbout>(program);
  program.Windows().Get<qvr::fDruckmenue>(program);
  program.Windows().Get<qvr::fRegisterPlugIn>(program);

  std::vector<std::string> cut;
  for (ui::Form* form : program.Windows().Forms()) {
    const QWidget* window = backend.WindowOf(*form);
    ASSERT_NE(window, nullptr) << form->Name();
    for (const std::string& caption : CutCaptions(form->Name(), *window)) cut.push_back(caption);
  }
  EXPECT_EQ(cut, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Languages, QtSystemCaptions, ::testing::Values("english", "german"));

}  // namespace
