#pragma once

#include <QComboBox>

#include "platform/ui/ComboBox.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// A combo box as a QComboBox, editable for the drop-down combo style. Picking an entry and editing the
// text reach the model; the widget then shows the model's selection and text.
class QtComboBoxPeer : public QtControlPeer {
 public:
  QtComboBoxPeer(QtFormWindow& window, ComboBox& box, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;
  void SyncAfterInput() override;

 private:
  void ShowStyle();
  void ShowItems();
  void ShowSelection();

  ComboBox& box_;
  QComboBox* combo_;
};

}  // namespace ui
