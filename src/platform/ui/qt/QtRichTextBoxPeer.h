#pragma once

#include <QTextEdit>

#include "platform/ui/RichTextBox.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// The read-only rich-text pane as a QTextEdit: the model's characters with their bold and underline.
class QtRichTextBoxPeer : public QtControlPeer {
 public:
  QtRichTextBoxPeer(QtFormWindow& window, RichTextBox& box, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  void ShowText();
  void ShowEmphasis();
  void ShowSelection();

  RichTextBox& box_;
  QTextEdit* edit_;
};

}  // namespace ui
