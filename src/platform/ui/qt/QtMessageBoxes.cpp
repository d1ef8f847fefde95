#include "platform/ui/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace ui {

namespace {

// Every button takes the action role, so that Qt neither reorders them nor picks an escape button of its
// own: Escape and the close box answer only where the box has an escape answer.
QString TextOf(int answer) {
  switch (answer) {
    case vbOK:
      return QStringLiteral("OK");
    case vbCancel:
      return QStringLiteral("Cancel");
    case vbAbort:
      return QStringLiteral("&Abort");
    case vbRetry:
      return QStringLiteral("&Retry");
    case vbIgnore:
      return QStringLiteral("&Ignore");
    case vbYes:
      return QStringLiteral("&Yes");
    default:
      return QStringLiteral("&No");
  }
}

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int QtMessageBoxes::Show(const MessageBoxRequest& request) {
  QMessageBox box(IconOf(request.icon), QString::fromStdString(request.title),
                  QString::fromStdString(request.prompt), QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::map<QAbstractButton*, int> answers;
  for (std::size_t i = 0; i < request.buttons.size(); ++i) {
    const int answer = request.buttons[i];
    QPushButton* button = box.addButton(TextOf(answer), QMessageBox::ActionRole);
    answers[button] = answer;
    if (static_cast<int>(i) == request.defaultButton) box.setDefaultButton(button);
    if (answer == request.escapeAnswer) box.setEscapeButton(button);
  }
  box.exec();
  const auto found = answers.find(box.clickedButton());
  return found != answers.end() ? found->second : request.escapeAnswer;
}

}  // namespace ui
