// The rows that both families decode alike, checked for a device of each family.

#include "DeviceModelTestSupport.h"

namespace devicemodel_test {
namespace {

struct ChoiceCase {
  std::string text;
  std::optional<int> expected;  // none: the combo keeps what it showed
};

class SharedRowDecodingTest : public DeviceModelTest {
 protected:
  // Runs `body` for a device of each family in turn.
  template <class Body>
  void ForBothFamilies(Body body) {
    for (const std::string& programId : {kQvrl106, kQvrl207}) {
      SCOPED_TRACE(programId);
      programId_ = programId;
      body();
    }
  }
  void Open(const std::string& state = "Cnfg Online") { OpenDevice(programId_, state); }

  // For each case, for both families: the text in every box of `boxes`, read from the device, gives the
  // case's choice in every combo of `combos`.
  void ExpectCases(std::initializer_list<ui::TextBox*> boxes, std::initializer_list<ui::ComboBox*> combos,
                   std::initializer_list<ChoiceCase> cases) {
    ForBothFamilies([&] {
      for (const ChoiceCase& c : cases) {
        const auto decode = [&] {
          for (ui::TextBox* box : boxes) box->SetText(c.text);
          Open();
        };
        ExpectChoices(combos, c.expected, decode, c.text);
      }
    });
  }

 private:
  std::string programId_;
};

TEST_F(SharedRowDecodingTest, CompositeValuesAreSplitIntoTheirSubFieldBoxes) {
  ForBothFamilies([&] {
    nciBox(0).SetText("100.0 1");
    nciBox(1).SetText("0,0  0");  // two blanks: the state is trimmed
    nciBox(81).SetForeColor(ui::vbRed);
    Open();
    EXPECT_EQ(nciBox(80).Text(), "100.0");
    EXPECT_EQ(nciBox(81).Text(), "1");
    EXPECT_EQ(nciBox(82).Text(), "0,0");
    EXPECT_EQ(nciBox(83).Text(), "0");
    EXPECT_EQ(program.model.CpPrimeValPart1 + " " + program.model.CpPrimeValPart2, "100.0 1");
    EXPECT_EQ(program.model.CpSecondValPart1 + " " + program.model.CpSecondValPart2, "0,0 0");
    EXPECT_EQ(nciBox(81).ForeColor(), ui::vbButtonText) << "a sub-field box equal to its part is unchanged";
    EXPECT_EQ(nciBox(0).Text(), "100.0 1") << "the value boxes keep the values read";

    nciBox(0).SetText("100.0");
    Open();
    EXPECT_EQ(nciBox(81).Text(), "");
    EXPECT_EQ(program.model.CpPrimeValPart2, "");

    // Ratios: the box with the lower number shows the divisor.
    nciBox(21).SetText("1000/100");
    nciBox(32).SetText("500");
    Open();
    EXPECT_EQ(nciBox(91).Text(), "1000");
    EXPECT_EQ(nciBox(90).Text(), "100");
    EXPECT_EQ(program.model.LightRatio1Before + "/" + program.model.LightRatio1After, "1000/100");
    EXPECT_EQ(nciBox(93).Text(), "500");
    EXPECT_EQ(nciBox(92).Text(), "");
    EXPECT_EQ(program.model.LightRatio2Before + "/" + program.model.LightRatio2After, "500/");
  });
}

// Any other first word, SET_DOWN as much as a misspelt one, is neither entry: the combo shows none.
TEST_F(SharedRowDecodingTest, PowerUpStatesAreOnForSetOnOffForSetOffAndElseNeither) {
  ExpectCases({&nciBox(17), &nciBox(28)}, {&nciCombo(17), &nciCombo(28)},
              {{"SET_ON 100.0 0.00", 1},
               {"SET_OFF 0.0 0.00", 0},
               {"SET_DOWN 40.0 0.00", -1},
               {"set_on 100.0 0.00", -1},
               {"", -1},
               {"SET_ONX 1.0 0.00", -1},
               {"SET_ON", 1}});
}

TEST_F(SharedRowDecodingTest, TheSensorLedFollowsBitZero) {
  ExpectCases({&nciBox(6)}, {&nciCombo(6)},
              {{BitField({0}), 1}, {BitField({1, 2, 15}), 0}, {"", std::nullopt}, {"x 1", std::nullopt}});
}

TEST_F(SharedRowDecodingTest, TheLightControllerModeFollowsBits15And14AndTheOverrideBitOne) {
  ExpectCases({&nciBox(19), &nciBox(30)}, {&nciCombo(19), &nciCombo(30)},
              {{BitField({}), 0},
               {BitField({0}), 1},
               {BitField({15}), 2},
               {BitField({14}), 3},
               {BitField({15, 0, 3}), 2},
               {BitField({14, 0, 1}), 3},
               {BitField({14, 15}), std::nullopt},
               {BitField({}).replace(30, 1, "x"), std::nullopt},  // bit 15 neither 0 nor 1
               {BitField({}).replace(28, 1, "-"), std::nullopt},  // bit 14 neither 0 nor 1
               {"", std::nullopt}});
  // The override choice stands on the lighting tabs of both families.
  ExpectCases({&nciBox(19), &nciBox(30)}, {&nciCombo(0), &nciCombo(1)},
              {{BitField({0, 1}), 1}, {BitField({0, 2, 15}), 0}, {"0 x", std::nullopt}, {"", std::nullopt}});
}

TEST_F(SharedRowDecodingTest, TheDigitalInputConfigFollowsItsFirstTwoHexDigits) {
  // The contact type (cmb_nci 36) from the second digit, the function (cmb_nci 37) from the first.
  ExpectCases({&nciBox(36)}, {&nciCombo(36)},
              {{"0 1 0 0", 1},
               {"3 0 0 0", 0},
               {"4 0 0 0", 0},
               {"F 1 0 0", 1},
               {"", 0},
               {"0 A 0 0", 1},
               {"2 f 0 0", 1},
               {"1 x 0 0", 0}});
  ExpectCases({&nciBox(36)}, {&nciCombo(37)},
              {{"0 1 0 0", 0},
               {"3 0 0 0", 3},
               {"4 0 0 0", std::nullopt},
               {"F 1 0 0", std::nullopt},
               {"", 0},
               {"0 A 0 0", 0},
               {"2 f 0 0", 2},
               {"1 x 0 0", 1}});
}

// A switch shows its state (on 1, off 0) as the device reads it, whatever its level and separator; no
// state (-1, or none) is neither.
TEST_F(SharedRowDecodingTest, SwitchInputsShowTheirStateWhateverTheDecimalSeparator) {
  UseDecimalSeparator(",");
  ExpectCases({&nviBox(4), &nviBox(5)}, {&nviCombo(4), &nviCombo(5)},
              {{"100,0 1", 0}, {"0,0 0", 1}, {"100.0 1", 0}, {"50,0 1", 0}, {"0,0 -1", std::nullopt}});
  UseDecimalSeparator(".");
  ExpectCases(
      {&nviBox(4), &nviBox(5)}, {&nviCombo(4), &nviCombo(5)},
      {{"100.0 1", 0}, {"0.0 0", 1}, {"0,00 0", 1}, {"100.0", std::nullopt}, {"0.0 x", std::nullopt}});
}

TEST_F(SharedRowDecodingTest, OccupancyAndSettingInputsFillTheirCompanions) {
  ForBothFamilies([&] {
    nviBox(1).SetText("OC_OCCUPIED");
    nviBox(2).SetText("OC_UNOCCUPIED");
    Preset(nviCombo(3), 0);
    Preset(nviCombo(8), 0);
    Preset(nviCombo(12), 0);
    nviBox(3).SetText("SET_OFF 0.0 0.00");
    nviBox(8).SetText("SET_DOWN 50.0 0.00");
    nviBox(12).SetText("SET_UP 12,5 0,00");
    Open();
    EXPECT_EQ(nviCombo(1).Text(), "OC_OCCUPIED");
    EXPECT_EQ(nviCombo(2).Text(), "OC_UNOCCUPIED");
    EXPECT_EQ(window().txtnviset[3].Text(), "0.0");
    EXPECT_EQ(nviCombo(3).ListIndex(), 1);
    EXPECT_EQ(window().txtnviset[8].Text(), "50.0");
    EXPECT_EQ(nviCombo(8).ListIndex(), 3);
    EXPECT_EQ(window().txtnviset[12].Text(), "12,5");
    EXPECT_EQ(nviCombo(12).ListIndex(), 2);
    EXPECT_EQ(nviBox(3).Text(), "SET_OFF 0.0 0.00");

    // SET_UP is no choice of the occupancy controller's setting; a text without two blanks keeps the setting
    // box; the function is told by the sixth character alone.
    nviBox(3).SetText("SET_UP 10.0 0.00");
    nviBox(8).SetText("SET_ON");
    nviBox(12).SetText("SET_O");
    Open("Cnfg Offline");
    EXPECT_EQ(window().txtnviset[3].Text(), "10.0");
    EXPECT_EQ(nviCombo(3).ListIndex(), 1);
    EXPECT_EQ(window().txtnviset[8].Text(), "50.0");
    EXPECT_EQ(nviCombo(8).ListIndex(), 0);
    EXPECT_EQ(window().txtnviset[12].Text(), "12,5");
    EXPECT_EQ(nviCombo(12).ListIndex(), 2);
  });
}

TEST_F(SharedRowDecodingTest, DecodingDoesNotRunTheEditorsHandlers) {
  ForBothFamilies([&] {
    int handled = 0;
    auto count = [&handled] { ++handled; };
    nciCombo(17).OnClick = count;
    nciCombo(19).OnClick = count;
    nviCombo(1).OnChange = count;
    nviCombo(3).OnClick = count;
    nciBox(80).OnChange = count;
    window().txtnviset[8].OnChange = count;
    nciBox(0).SetText("100.0 1");
    nciBox(17).SetText("SET_ON 100.0 0.00");
    nciBox(19).SetText(BitField({15}));
    nviBox(1).SetText("OC_OCCUPIED");
    nviBox(3).SetText("SET_OFF 0.0 0.00");
    nviBox(8).SetText("SET_DOWN 50.0 0.00");
    Open();
    EXPECT_EQ(nciCombo(17).ListIndex(), 1);
    EXPECT_EQ(nciCombo(19).ListIndex(), 2);
    EXPECT_EQ(nviCombo(1).Text(), "OC_OCCUPIED");
    EXPECT_EQ(nviCombo(3).ListIndex(), 1);
    EXPECT_EQ(nciBox(80).Text(), "100.0");
    EXPECT_EQ(window().txtnviset[8].Text(), "50.0");
    EXPECT_EQ(handled, 0);

    // The handlers are still there for the user's edits.
    nciCombo(17).SetListIndex(0);
    nciBox(80).SetText("50.0");
    EXPECT_EQ(handled, 2);
  });
}

TEST_F(SharedRowDecodingTest, AFailingStepIsSkippedAndLeavesNoErrorBehind) {
  ForBothFamilies([&] {
    // A drop-down list cannot show a text that is not one of its entries.
    nviCombo(1).SetStyle(ui::vbComboDropdownList);
    nviCombo(1).AddItem("OC_NUL");
    Preset(nviCombo(1), 0);
    nviBox(1).SetText("OC_NOT_AN_ENTRY");
    nviBox(2).SetText("OC_OCCUPIED");
    nciBox(0).SetText("0.0 0");
    program.Err.Clear();
    Open("Cnfg Offline");
    EXPECT_EQ(nviCombo(1).Text(), "OC_NUL");
    EXPECT_EQ(nviCombo(2).Text(), "OC_OCCUPIED");
    EXPECT_EQ(nciBox(80).Text(), "0.0");
    EXPECT_FALSE(nviCombo(12).Enabled());
    EXPECT_EQ(program.Err.Number, 0);
    nviCombo(1).SetStyle(ui::vbComboDropdown);
  });
}

}  // namespace
}  // namespace devicemodel_test
