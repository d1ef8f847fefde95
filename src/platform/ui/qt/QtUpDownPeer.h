#pragma once

#include <QWidget>

#include "platform/ui/UpDown.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// An up-down control as two stacked arrow buttons drawn by the style. The mouse goes to the model as
// MouseDown, MouseMove and MouseUp with twips positions, every press a MouseDown (the second of a double
// click too); the model turns a left press into UpClick or DownClick by the half it hit.
class QtUpDownPeer : public QtControlPeer {
 public:
  QtUpDownPeer(QtFormWindow& window, UpDown& upDown, QWidget* parent);

 protected:
  void ShowProperty(Property /*property*/, int /*item*/) override {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  UpDown& upDown_;
};

}  // namespace ui
