#include "platform/ui/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/ui/qt/QtWindowFlags.h"

namespace ui {

namespace {

// Qt's own words for a standard button, in the language of the translations installed.
QString QtWord(const char* text) {
  return QCoreApplication::translate("QPlatformTheme", text);
}

// Windows gives Abort, Retry and Ignore an access key, which Qt's words for them lack: their first letter
// takes it.
QString WithAccessKey(const QString& text) {
  return text.contains(QLatin1Char('&')) ? text : QLatin1Char('&') + text;
}

QString TextOf(int answer) {
  switch (answer) {
    case vbOK:
      return QtWord("OK");
    case vbCancel:
      return QtWord("Cancel");
    case vbAbort:
      return WithAccessKey(QtWord("Abort"));
    case vbRetry:
      return WithAccessKey(QtWord("Retry"));
    case vbIgnore:
      return WithAccessKey(QtWord("Ignore"));
    case vbYes:
      return QtWord("&Yes");
    default:
      return QtWord("&No");
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
  // As on Windows, a message box is neither minimised nor maximised, and its close box is there only where
  // it answers.
  box.setWindowFlags(
      Qt::Dialog |
      (request.escapeAnswer != 0 ? kTitleAndCloseOnly : kTitleAndCloseOnly & ~Qt::WindowCloseButtonHint));
  std::map<QAbstractButton*, int> answers;
  // Every button takes the action role, so that Qt neither reorders them nor picks an escape button of its
  // own: Escape and the close box answer only where the box has an escape answer.
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
