// Ties the value editors to the events of the main window's controls.

#include "mainwindow/fMain.h"

namespace qvr {

void fMain::WireValueEditorHandlers() {
  txtNvi.On(&ui::TextBox::OnChange, [this](int Index) { txtNvi_Change(Index); });
  txtNvi.On(&ui::TextBox::OnKeyPress, [this](int Index, int& KeyAscii) { txtNvi_KeyPress(Index, KeyAscii); });
  txtNvi.On(&ui::Control::OnLostFocus, [this](int Index) { txtNvi_LostFocus(Index); });
  txtNvi.On(&ui::Control::OnGotFocus, [this](int Index) { txtNvi_GotFocus(Index); });
  cmd_Nvi_Reset.On(&ui::CommandButton::OnClick, [this](int Index) { cmd_Nvi_Reset_Click(Index); });

  txtnviset.On(&ui::TextBox::OnChange, [this](int Index) { txtnviset_Change(Index); });
  txtnviset.On(&ui::TextBox::OnKeyPress,
               [this](int Index, int& KeyAscii) { txtnviset_KeyPress(Index, KeyAscii); });
  txtnviset.On(&ui::Control::OnLostFocus, [this](int Index) { txtnviset_LostFocus(Index); });
  txtnviset.On(&ui::Control::OnGotFocus, [this](int Index) { txtnviset_GotFocus(Index); });

  txtNvo.On(&ui::TextBox::OnChange, [this](int Index) { txtNvo_Change(Index); });
  txtNvo.On(&ui::Control::OnGotFocus, [this](int Index) { txtNvo_GotFocus(Index); });

  cmb_nci.On(&ui::ComboBox::OnClick, [this](int Index) { cmb_nci_Click(Index); });
  cmb_nci.On(&ui::Control::OnGotFocus, [this](int Index) { cmb_nci_GotFocus(Index); });
  cmb_nvi.On(&ui::ComboBox::OnClick, [this](int Index) { cmb_nvi_Click(Index); });
  cmb_nvi.On(&ui::ComboBox::OnChange, [this](int Index) { cmb_nvi_Change(Index); });
  cmb_nvi.On(&ui::Control::OnGotFocus, [this](int Index) { cmb_nvi_GotFocus(Index); });

  txtNci.On(&ui::TextBox::OnKeyPress, [this](int Index, int& KeyAscii) { txtNci_KeyPress(Index, KeyAscii); });
  txtNci.On(&ui::Control::OnLostFocus, [this](int Index) { txtNci_LostFocus(Index); });
  txtNci.On(&ui::Control::OnGotFocus, [this](int Index) { txtNci_GotFocus(Index); });

  UpD_nci.On(&ui::UpDown::OnUpClick, [this](int Index) { UpD_nci_UpClick(Index); });
  UpD_nci.On(&ui::UpDown::OnDownClick, [this](int Index) { UpD_nci_DownClick(Index); });
  UpD_nci.On(&ui::UpDown::OnMouseDown, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nci_MouseDown(Index, Button, Shift, X, Y);
  });
  UpD_nci.On(&ui::UpDown::OnMouseMove, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nci_MouseMove(Index, Button, Shift, X, Y);
  });
  UpD_nci.On(&ui::UpDown::OnMouseUp, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nci_MouseUp(Index, Button, Shift, X, Y);
  });
  Timer.OnTimer = [this] { Timer_Timer(); };

  UpD_nvi.On(&ui::UpDown::OnUpClick, [this](int Index) { UpD_nvi_UpClick(Index); });
  UpD_nvi.On(&ui::UpDown::OnDownClick, [this](int Index) { UpD_nvi_DownClick(Index); });
  UpD_nvi.On(&ui::UpDown::OnMouseDown, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nvi_MouseDown(Index, Button, Shift, X, Y);
  });
  UpD_nvi.On(&ui::UpDown::OnMouseMove, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nvi_MouseMove(Index, Button, Shift, X, Y);
  });
  UpD_nvi.On(&ui::UpDown::OnMouseUp, [this](int Index, int Button, int Shift, float X, float Y) {
    UpD_nvi_MouseUp(Index, Button, Shift, X, Y);
  });
  Timer2.OnTimer = [this] { Timer2_Timer(); };

  tabData.OnClick = [this](int PreviousTab) { tabData_Click(PreviousTab); };
}

}  // namespace qvr
