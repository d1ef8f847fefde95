#pragma once

#include <QCheckBox>
#include <QPushButton>

#include "platform/ui/CheckBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

class QtCommandButtonPeer : public QtControlPeer {
 public:
  QtCommandButtonPeer(QtFormWindow& window, CommandButton& button, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  CommandButton& button_;
  QPushButton* push_;
};

// A check box: Qt toggles the widget on a click, the model decides the value, and the widget shows it.
class QtCheckBoxPeer : public QtControlPeer {
 public:
  QtCheckBoxPeer(QtFormWindow& window, CheckBox& box, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;
  void SyncAfterInput() override { ShowValue(); }

 private:
  void ShowValue();

  CheckBox& box_;
  QCheckBox* check_;
};

}  // namespace ui
