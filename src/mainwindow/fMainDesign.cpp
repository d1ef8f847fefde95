#include "mainwindow/fMain.h"

namespace qvr {

namespace {

template <class T>
void AddRange(ui::ControlArray<T>& array, int first, int last) {
  for (int index = first; index <= last; ++index) array.Add(index);
}

}  // namespace

void fMain::DesignControls() {
  Move(0, 0, 12000, 9000);
  SetBorderStyle(ui::vbSizable);

  AddRange(txtNci, 0, 55);
  AddRange(txtNci, 70, 75);
  AddRange(txtNci, 80, 83);
  AddRange(txtNci, 90, 93);
  AddRange(txtNvi, 0, 24);
  AddRange(txtNvo, 0, 19);
  for (int index : {3, 8, 12}) txtnviset.Add(index);
  AddRange(cmd_Nvi_Reset, 16, 19);
  for (int index = 1; index <= 5; ++index) PlugInStatus.AddPanel();
  txtPoll.SetText("5");
}

}  // namespace qvr
