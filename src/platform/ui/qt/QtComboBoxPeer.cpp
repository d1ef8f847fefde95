#include "platform/ui/qt/QtComboBoxPeer.h"

#include <QLineEdit>

namespace ui {

QtComboBoxPeer::QtComboBoxPeer(QtFormWindow& window, ComboBox& box, QWidget* parent)
    : QtControlPeer(window, box, new QComboBox(parent)),
      box_(box),
      combo_(static_cast<QComboBox*>(Widget())) {
  combo_->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo_, &QComboBox::activated, this, [this](int index) {
    if (!showing_) UserInput([this, index] { box_.UserSelects(index); });
  });
}

void QtComboBoxPeer::ShowProperty(Property property, int /*item*/) {
  switch (property) {
    case Property::Style:
      ShowStyle();
      break;
    case Property::ListItems:
      ShowItems();
      break;
    case Property::ListIndex:
    case Property::Text:
      ShowSelection();
      break;
    default:
      break;
  }
}

void QtComboBoxPeer::SyncAfterInput() {
  ShowSelection();
}

void QtComboBoxPeer::ShowStyle() {
  const bool editable = box_.Style() == vbComboDropdown;
  if (combo_->isEditable() == editable) return;
  combo_->setEditable(editable);
  if (!editable) return;
  // Completion would change the text behind the model's back.
  combo_->setCompleter(nullptr);
  QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!showing_) UserInput([this, text] { box_.UserEditsText(text.toStdString()); });
  });
  WatchFocus(combo_->lineEdit());
  ShowSelection();
}

void QtComboBoxPeer::ShowItems() {
  combo_->clear();
  for (int i = 0; i < box_.ListCount(); ++i) combo_->addItem(QString::fromStdString(box_.List(i)));
  ShowSelection();
}

void QtComboBoxPeer::ShowSelection() {
  if (combo_->currentIndex() != box_.ListIndex()) combo_->setCurrentIndex(box_.ListIndex());
  const QString text = QString::fromStdString(box_.Text());
  if (combo_->isEditable() && combo_->currentText() != text) combo_->setEditText(text);
}

}  // namespace ui
