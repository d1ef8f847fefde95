#include "platform/ui/qt/QtRichTextBoxPeer.h"

#include <QTextCursor>

#include "platform/ui/Utf8.h"

namespace ui {

namespace {

constexpr int kBold = 1;
constexpr int kUnderline = 2;

// The cursor position of model character `position`: characters outside the basic plane take two
// UTF-16 units in the document.
int DocumentPosition(const QString& text, int position) {
  int units = 0;
  for (int character = 0; character < position && units < text.size(); ++character) {
    units += text[units].isHighSurrogate() ? 2 : 1;
  }
  return units;
}

}  // namespace

QtRichTextBoxPeer::QtRichTextBoxPeer(QtFormWindow& window, RichTextBox& box, QWidget* parent)
    : QtControlPeer(window, box, new QTextEdit(parent)), box_(box), edit_(static_cast<QTextEdit*>(Widget())) {
  edit_->setReadOnly(true);
  edit_->setAcceptRichText(false);
}

void QtRichTextBoxPeer::ShowProperty(Property property, int /*item*/) {
  switch (property) {
    case Property::Text:
      ShowText();
      break;
    case Property::Emphasis:
      ShowEmphasis();
      break;
    case Property::Selection:
      ShowSelection();
      break;
    default:
      break;
  }
}

void QtRichTextBoxPeer::ShowText() {
  // The model keeps CR LF as two characters; the document shows one break but must keep the positions,
  // so a CR stays as an (invisible) character of its own.
  edit_->setPlainText(QString::fromStdString(box_.Text()).replace('\r', QChar(0x200B)));
  ShowEmphasis();
  ShowSelection();
}

void QtRichTextBoxPeer::ShowEmphasis() {
  const QString text = edit_->toPlainText();
  QTextCursor cursor(edit_->document());
  const int characters = CharCount(box_.Text());
  int runStart = 0;
  // Formats are applied run by run of equal emphasis.
  for (int position = 1; position <= characters; ++position) {
    const int emphasis = box_.EmphasisAt(runStart);
    if (position < characters && box_.EmphasisAt(position) == emphasis) continue;
    cursor.setPosition(DocumentPosition(text, runStart));
    cursor.setPosition(DocumentPosition(text, position), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight((emphasis & kBold) != 0 ? QFont::Bold : QFont::Normal);
    format.setFontUnderline((emphasis & kUnderline) != 0);
    cursor.mergeCharFormat(format);
    runStart = position;
  }
}

void QtRichTextBoxPeer::ShowSelection() {
  const QString text = edit_->toPlainText();
  QTextCursor cursor(edit_->document());
  cursor.setPosition(DocumentPosition(text, box_.SelStart()));
  cursor.setPosition(DocumentPosition(text, box_.SelStart() + box_.SelLength()), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

}  // namespace ui
