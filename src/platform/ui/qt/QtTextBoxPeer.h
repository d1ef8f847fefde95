#pragma once

#include <QLineEdit>

#include "platform/ui/TextBox.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// A text box as a QLineEdit. Typed characters (and Backspace, Enter, Escape) never reach the line edit:
// they go through KeyDown and KeyPress of the model, which applies them, and the line edit then shows the
// model's text. Editing keys without a character (Delete, cut and paste, undo) work in the line edit and
// reach the model as the text the user set; caret moves reach it as the selection.
class QtTextBoxPeer : public QtControlPeer {
 public:
  QtTextBoxPeer(QtFormWindow& window, TextBox& box, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;
  void SyncAfterInput() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleKey(const QKeyEvent& key);
  void ShowText();
  void ShowSelection();

  TextBox& box_;
  QLineEdit* edit_;
};

}  // namespace ui
