#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/Error.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UiError.h"
#include "platform/ui/UpDown.h"

namespace ui_test {
namespace {

class ArrayForm : public RecordingForm {
 public:
  ArrayForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fArray", events) {
    for (int index : {0, 1, 2, 70, 80}) txtNci.Add(index);
    txtNci.On(&ui::TextBox::OnChange,
              [this](int Index) { Record("txtNci_Change " + std::to_string(Index)); });
    txtNci.On(&ui::TextBox::OnKeyPress, [this](int Index, int& KeyAscii) {
      Record("txtNci_KeyPress " + std::to_string(Index) + " " + std::to_string(KeyAscii));
      if (Index == 70 && KeyAscii == '-') KeyAscii = 0;
    });
    txtNci.On(&ui::Control::OnGotFocus,
              [this](int Index) { Record("txtNci_GotFocus " + std::to_string(Index)); });
    txtNci.Add(90);
    UpD_nci.Add(70).Move(0, 0, 255, 600);
    UpD_nci.On(&ui::UpDown::OnMouseDown, [this](int Index, int Button, int, float, float Y) {
      Record("UpD_nci_MouseDown " + std::to_string(Index) + " button " + std::to_string(Button) + " y " +
             std::to_string(static_cast<int>(Y)));
    });
    UpD_nci.On(&ui::UpDown::OnUpClick,
               [this](int Index) { Record("UpD_nci_UpClick " + std::to_string(Index)); });
    UpD_nci.On(&ui::UpDown::OnDownClick,
               [this](int Index) { Record("UpD_nci_DownClick " + std::to_string(Index)); });
  }

  ui::ControlArray<ui::TextBox> txtNci{*this, "txtNci"};
  ui::ControlArray<ui::UpDown> UpD_nci{*this, "UpD_nci"};
};

TEST(ControlArray, IndexesMayHaveGapsAndAMissingElementRaisesTheArrayError) {
  HeadlessUi ui;
  std::vector<std::string> events;
  ArrayForm form(ui.app, events);

  EXPECT_EQ(form.txtNci.Count(), 6);
  EXPECT_EQ(form.txtNci.LBound(), 0);
  EXPECT_EQ(form.txtNci.UBound(), 90);
  EXPECT_EQ(form.txtNci.Indexes(), (std::vector<int>{0, 1, 2, 70, 80, 90}));
  EXPECT_TRUE(form.txtNci.Exists(70));
  EXPECT_FALSE(form.txtNci.Exists(3));
  EXPECT_EQ(form.txtNci[80].DisplayName(), "txtNci(80)");

  try {
    form.txtNci[3].SetText("x");
    FAIL() << "element 3 does not exist";
  } catch (const platform::RaisedError& error) {
    EXPECT_EQ(error.Number(), platform::kErrNoSuchArrayElement);
    EXPECT_EQ(error.Description(), "Control array element '3' doesn't exist");
  }
  EXPECT_THROW(form.txtNci.Add(70), platform::RaisedError);
  EXPECT_EQ(form.txtNci.Count(), 6);

  ui::ControlArray<ui::TextBox> empty(form, "txtEmpty");
  EXPECT_THROW(empty.UBound(), platform::RaisedError);
}

TEST(ControlArray, HandlersSetForTheArrayReceiveTheElementIndexAndTheirArgumentsByReference) {
  HeadlessUi ui;
  std::vector<std::string> events;
  ArrayForm form(ui.app, events);
  form.Show();
  events.clear();

  form.txtNci[90].SetFocus();
  form.txtNci[90].UserTypes('5');
  form.txtNci[70].UserTypes('-');
  form.txtNci[1].SetText("7");
  EXPECT_EQ(events, (std::vector<std::string>{"fArray.txtNci_GotFocus 90", "fArray.txtNci_KeyPress 90 53",
                                              "fArray.txtNci_Change 90", "fArray.txtNci_KeyPress 70 45",
                                              "fArray.txtNci_Change 1"}))
      << "element 90, added after the handlers were set, has them too; the dropped key changed nothing";
  EXPECT_EQ(form.txtNci[70].Text(), "");

  events.clear();
  form.UpD_nci[70].UserMouseDown(ui::vbLeftButton, 0, 100, 299);
  form.UpD_nci[70].UserMouseDown(ui::vbLeftButton, 0, 100, 300);
  form.UpD_nci[70].UserMouseDown(ui::vbRightButton, 0, 100, 10);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fArray.UpD_nci_MouseDown 70 button 1 y 299", "fArray.UpD_nci_UpClick 70",
                        "fArray.UpD_nci_MouseDown 70 button 1 y 300", "fArray.UpD_nci_DownClick 70",
                        "fArray.UpD_nci_MouseDown 70 button 2 y 10"}))
      << "the upper half steps up, exactly half counts as the lower half, the right button only presses";
}

}  // namespace
}  // namespace ui_test
