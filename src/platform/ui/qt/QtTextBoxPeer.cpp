#include "platform/ui/qt/QtTextBoxPeer.h"

#include <QKeyEvent>

#include "platform/ui/qt/QtKeys.h"
#include "platform/ui/qt/QtText.h"

namespace ui {

namespace {

// Keys whose character the model applies itself.
bool IsTypedByModel(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  if (text.isEmpty()) return false;
  const char32_t first = text.toUcs4().value(0);
  return first >= 0x20 ? first != 0x7F : (first == vbKeyBack || first == vbKeyReturn || first == 27);
}

}  // namespace

QtTextBoxPeer::QtTextBoxPeer(QtFormWindow& window, TextBox& box, QWidget* parent)
    : QtControlPeer(window, box, new QLineEdit(parent)), box_(box), edit_(static_cast<QLineEdit*>(Widget())) {
  QObject::connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!showing_) UserInput([this, text] { box_.UserSetsText(text.toStdString()); });
  });
  // Caret moves and selections: an emptied selection leaves the caret where it is.
  const auto reportSelection = [this] {
    if (showing_) return;
    const int start = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    const int length = static_cast<int>(edit_->selectedText().size());
    UserInput([this, start, length] { box_.UserSelects(start, length); });
  };
  QObject::connect(edit_, &QLineEdit::selectionChanged, this, reportSelection);
  QObject::connect(edit_, &QLineEdit::cursorPositionChanged, this, reportSelection);
}

bool QtTextBoxPeer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress && Live()) {
    return HandleKey(static_cast<const QKeyEvent&>(*event));
  }
  return QtControlPeer::eventFilter(watched, event);
}

bool QtTextBoxPeer::HandleKey(const QKeyEvent& key) {
  // Tab moves the focus; Qt does that before any key handling.
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
  bool dropped = false;
  UserInput([&] { dropped = box_.UserKeyDown(VbKeyCodeOf(key), VbShiftOf(key.modifiers())) == 0; });
  if (dropped || !Live()) return true;
  if (!IsTypedByModel(key)) return false;
  for (const char32_t character : key.text().toUcs4()) {
    UserInput([&] { box_.UserTypes(static_cast<int>(character)); });
    if (!Live()) break;
  }
  return true;
}

void QtTextBoxPeer::ShowProperty(Property property, int /*item*/) {
  switch (property) {
    case Property::Text:
      ShowText();
      break;
    case Property::Selection:
      ShowSelection();
      break;
    default:
      break;
  }
}

void QtTextBoxPeer::SyncAfterInput() {
  ShowText();
  ShowSelection();
}

void QtTextBoxPeer::ShowText() {
  const QString text = QString::fromStdString(box_.Text());
  if (edit_->text() != text) edit_->setText(text);
}

void QtTextBoxPeer::ShowSelection() {
  const int start = box_.SelStart();
  const int length = box_.SelLength();
  if (length > 0) {
    edit_->setSelection(start, length);
  } else {
    edit_->setCursorPosition(start);
  }
}

}  // namespace ui
