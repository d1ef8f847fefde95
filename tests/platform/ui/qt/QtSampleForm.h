#pragma once

#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtServices.h"

namespace qttest {

// The Qt back end with its services and one application, as a program that shows windows has them.
struct QtUi {
  ui::QtServices services;
  ui::QtFormBackend backend{services.Screen()};
  ui::Application app{services.Loop(), backend, &services};
};

// A small window like the system's main window: a tab control with value boxes on its pages, a combo
// box, a spin button, a button and a status bar. Every event lands in `events`.
class SampleForm : public ui::Form {
 public:
  explicit SampleForm(ui::Application& app) : Form(app, "fSample") {
    Move(1500, 1200, 7200, 5400);
    tabData.AddTab("Occup Sensor");
    tabData.AddTab("Light Sensor");
    tabData.Move(120, 120, 6600, 3600);
    for (int index : {0, 1}) {
      txtNci.Add(index).SetContainer(tabData, index);
      txtNci[index].Move(600, 900, 2400, 330);
    }
    lblHelp.SetContainer(tabData, 0);
    lblHelp.Move(600, 1500, 4000, 300);
    lblHelp.SetCaption("Hold time && delay");
    cmbMode.SetContainer(tabData, 0);
    cmbMode.Move(600, 2100, 2400, 330);
    cmbMode.SetStyle(ui::vbComboDropdownList);
    for (const char* mode : {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"}) cmbMode.AddItem(mode);
    UpD_nci.SetContainer(tabData, 0);
    UpD_nci.Move(3000, 900, 255, 330);
    cmdApply.Move(120, 3900, 1500, 450);
    cmdApply.SetCaption("&Apply");
    PlugInStatus.AddPanel("Room 1");
    PlugInStatus.AddPanel("QVR-L2");
    PlugInStatus.AddPanel("Cnfg Online");

    txtNci.On(&ui::TextBox::OnKeyPress,
              [this](int Index, int& KeyAscii) { txtNci_KeyPress(Index, KeyAscii); });
    txtNci.On(&ui::TextBox::OnChange,
              [this](int Index) { Record("Change(" + std::to_string(Index) + ")=" + txtNci[Index].Text()); });
    txtNci.On(&ui::Control::OnGotFocus,
              [this](int Index) { Record("GotFocus(" + std::to_string(Index) + ")"); });
    cmbMode.OnClick = [this] { Record("cmbMode_Click=" + std::to_string(cmbMode.ListIndex())); };
    UpD_nci.OnMouseDown = [this](int button, int, float, float) {
      Record("MouseDown " + std::to_string(button));
    };
    UpD_nci.OnUpClick = [this] { Record("UpClick"); };
    UpD_nci.OnDownClick = [this] { Record("DownClick"); };
    UpD_nci.OnMouseUp = [this](int button, int, float, float) {
      Record("MouseUp " + std::to_string(button));
    };
    tabData.OnClick = [this](int previous) { Record("tabData_Click from " + std::to_string(previous)); };
    cmdApply.OnClick = [this] { Record("cmdApply_Click"); };
  }

  ui::TabControl tabData{*this, "tabData"};
  ui::ControlArray<ui::TextBox> txtNci{*this, "txtNci"};
  ui::Label lblHelp{*this, "lblHelp"};
  ui::ComboBox cmbMode{*this, "cmbMode"};
  ui::UpDown UpD_nci{*this, "UpD_nci"};
  ui::CommandButton cmdApply{*this, "cmdApply"};
  ui::StatusBar PlugInStatus{*this, "PlugInStatus"};

  std::vector<std::string> events;
  std::vector<int> keysSeen;

 private:
  // Like the system's hex value boxes: digits, separators and Backspace pass, the letters a to f are
  // upper-cased, and anything else is dropped.
  void txtNci_KeyPress(int /*Index*/, int& KeyAscii) {
    keysSeen.push_back(KeyAscii);
    if (KeyAscii >= 'a' && KeyAscii <= 'f') {
      KeyAscii -= 'a' - 'A';
    } else if (!((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == ',' || KeyAscii == '.' ||
                 KeyAscii == ui::vbKeyBack || (KeyAscii >= 'A' && KeyAscii <= 'F'))) {
      KeyAscii = 0;
    }
  }

  void Record(std::string event) { events.push_back(std::move(event)); }
};

}  // namespace qttest
