#include "platform/ui/qt/QtPeerFactory.h"

#include "platform/ui/qt/QtButtonPeers.h"
#include "platform/ui/qt/QtComboBoxPeer.h"
#include "platform/ui/qt/QtContainerPeers.h"
#include "platform/ui/qt/QtDisplayPeers.h"
#include "platform/ui/qt/QtRichTextBoxPeer.h"
#include "platform/ui/qt/QtTextBoxPeer.h"
#include "platform/ui/qt/QtTreeViewPeer.h"
#include "platform/ui/qt/QtUpDownPeer.h"

namespace ui {

namespace {

template <class Peer, class Kind>
std::unique_ptr<QtControlPeer> Make(QtFormWindow& window, Control& control, QWidget* parent) {
  auto* kind = dynamic_cast<Kind*>(&control);
  return kind ? std::make_unique<Peer>(window, *kind, parent) : nullptr;
}

}  // namespace

std::unique_ptr<QtControlPeer> CreateControlPeer(QtFormWindow& window, Control& control, QWidget* parent) {
  using Factory = std::unique_ptr<QtControlPeer> (*)(QtFormWindow&, Control&, QWidget*);
  static constexpr Factory kFactories[] = {
      Make<QtTextBoxPeer, TextBox>,
      Make<QtComboBoxPeer, ComboBox>,
      Make<QtCommandButtonPeer, CommandButton>,
      Make<QtCheckBoxPeer, CheckBox>,
      Make<QtLabelPeer, Label>,
      Make<QtFramePeer, Frame>,
      Make<QtTabControlPeer, TabControl>,
      Make<QtStatusBarPeer, StatusBar>,
      Make<QtProgressBarPeer, ProgressBar>,
      Make<QtUpDownPeer, UpDown>,
      Make<QtRichTextBoxPeer, RichTextBox>,
      Make<QtTreeViewPeer, TreeView>,
      Make<QtLogControlPeer, LogControl>,
  };
  for (Factory factory : kFactories) {
    if (auto peer = factory(window, control, parent)) return peer;
  }
  return nullptr;
}

}  // namespace ui
