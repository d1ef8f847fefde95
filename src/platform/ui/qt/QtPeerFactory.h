#pragma once

#include <memory>

class QWidget;

namespace ui {

class Control;
class QtControlPeer;
class QtFormWindow;

// The peer and widget for a control, its widget a child of `parent`; nothing for a control without a
// widget (a timer). Menus are built by the window itself.
std::unique_ptr<QtControlPeer> CreateControlPeer(QtFormWindow& window, Control& control, QWidget* parent);

}  // namespace ui
