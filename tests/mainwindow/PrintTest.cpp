// Printing through the file menu: the print-choice window, the printer dialog, the header and the chosen
// sections of stored values.

#include <regex>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "framework/CRegistry.h"
#include "framework/PlugInIdentity.h"
#include "mainwindow/fDruckmenue.h"
#include "platform/ui/HeadlessFormBackend.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

struct Sections {
  bool nci = false;
  bool nvi = false;
  bool nvo = false;
};

class PrintTest : public ApplyTest {
 protected:
  ui::HeadlessFormBackend& backend() {
    return static_cast<ui::HeadlessFormBackend&>(program().App().Backend());
  }
  ui::HeadlessDialogs& dialogs() { return services().TestDialogs(); }
  const std::vector<ui::PrintedDocument>& printed() { return services().TestPrinted(); }

  // The user ticks `sections` in the print-choice window and presses its button.
  void Choose(Sections sections) {
    backend().ExpectModal("fDruckmenue", [sections](ui::Form& form) {
      auto& choice = static_cast<qvr::fDruckmenue&>(form);
      if (sections.nci) choice.chknci.UserClicks();
      if (sections.nvi) choice.chknvi.UserClicks();
      if (sections.nvo) choice.chknvo.UserClicks();
      choice.cmdDruck.UserClicks();
    });
  }

  // A print job with `sections`, confirmed in the printer dialog; the document that came out.
  const ui::PrintedDocument& Print(Sections sections) {
    Choose(sections);
    dialogs().QueuePrinter(true);
    window().mnuDrucken.UserClicks();
    EXPECT_EQ(backend().PendingModalScripts(), 0u);
    EXPECT_FALSE(printed().empty());
    return printed().back();
  }

  // A line as "column:text" items joined by " | ".
  static std::string Items(const ui::PrintedLine& line) {
    std::string text;
    for (const ui::PrintedItem& item : line.items) {
      if (!text.empty()) text += " | ";
      text += std::to_string(item.column) + ":" + item.text;
    }
    return text;
  }
  static std::vector<std::string> Lines(const ui::PrintedPage& page) {
    std::vector<std::string> lines;
    for (const ui::PrintedLine& line : page.lines) lines.push_back(Items(line));
    return lines;
  }
  static std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t from,
                                        std::size_t count) {
    return {lines.begin() + static_cast<long>(from), lines.begin() + static_cast<long>(from + count)};
  }

  // The lines of the rows of one table: object at 10, name at 36, value at 66.
  std::vector<std::string> RowLines(const std::string qvr::DataPoint::*object,
                                    const std::string qvr::DataPoint::*name,
                                    const std::string qvr::DataPoint::*value, const auto& table, int count) {
    std::vector<std::string> lines;
    for (int row = 0; row < count; ++row) {
      const qvr::DataPoint& point = table[static_cast<std::size_t>(row)];
      lines.push_back("10:" + point.*object + " | 36:" + point.*name + " | 66:" + point.*value);
    }
    return lines;
  }
  std::vector<std::string> NciLines() {
    return RowLines(&qvr::DataPoint::NciObject, &qvr::DataPoint::NciName, &qvr::DataPoint::NciValue,
                    tables().NciTable, tables().NciCount);
  }
  std::vector<std::string> NviLines() {
    return RowLines(&qvr::DataPoint::NviObject, &qvr::DataPoint::NviName, &qvr::DataPoint::NviValue,
                    tables().NviTable, tables().NviCount);
  }
  std::vector<std::string> NvoLines() {
    return RowLines(&qvr::DataPoint::NvoObject, &qvr::DataPoint::NvoName, &qvr::DataPoint::NvoValue,
                    tables().NvoTable, tables().NvoCount);
  }

  static constexpr const char* kHeadings = "8:Object | 28:Variable | 51:Value";
  // The header's ten lines: device name, identity lines, the column headings.
  static constexpr std::size_t kHeaderLines = 10;
};

TEST_F(PrintTest, AllSectionsPrintTheHeaderThePropertiesOnPageOneAndTheVariablesOnPageTwo) {
  Open("Floor 1", "Room 101");
  window().Show();
  // An edit that was not applied: the stored value is printed.
  Nci(2).SetText("75");
  const ui::PrintedDocument& document = Print({true, true, true});

  ASSERT_EQ(document.pages.size(), 2u);
  const std::vector<std::string> first = Lines(document.pages[0]);
  ASSERT_EQ(first.size(), kHeaderLines + 2 + 56);
  EXPECT_EQ(first[0], "");
  EXPECT_EQ(first[1], "26:Room 101");
  EXPECT_EQ(first[2], "");
  // Date and time as the system writes them.
  EXPECT_TRUE(std::regex_match(first[3], std::regex("8:NeuronID: \\| 24:" + device().GetNeuronId() +
                                                    " \\| 55:Date: \\| 65:[^|]+ \\| 79:.+")))
      << first[3];
  EXPECT_EQ(first[4], "8:ProgID: | 24:" + device().GetProgramId());
  EXPECT_EQ(first[5], "8:Subsystem | 24:Floor 1");
  EXPECT_EQ(Slice(first, 6, 6),
            (std::vector<std::string>{"", "", kHeadings, "", "30:Configuration Parameters", ""}));
  EXPECT_EQ(Slice(first, 12, 56), NciLines());
  EXPECT_NE(NciRow(2).NciValue, "75");
  EXPECT_EQ(first[12 + 2], "10:OccupController | 36:SCPTholdTime | 66:" + NciRow(2).NciValue);

  const std::vector<std::string> second = Lines(document.pages[1]);
  ASSERT_EQ(second.size(), 4 + 2 + 3 + 25 + 3 + 20u);
  EXPECT_EQ(Slice(second, 0, 9),
            (std::vector<std::string>{"", "", "", "", kHeadings, "", "", "30:nvi's", ""}));
  EXPECT_EQ(Slice(second, 9, 25), NviLines());
  EXPECT_EQ(Slice(second, 34, 3), (std::vector<std::string>{"", "30:nvo's", ""}));
  EXPECT_EQ(Slice(second, 37, 20), NvoLines());

  // Fonts: the name large and bold, the identity plain, headings bold and underlined, rows small.
  const auto font = [&](const ui::PrintedPage& page, std::size_t line) {
    return page.lines[line].items.front().font;
  };
  EXPECT_EQ(font(document.pages[0], 1), (ui::PrinterFont{18, true, false}));
  EXPECT_EQ(font(document.pages[0], 3), (ui::PrinterFont{12, false, false}));
  EXPECT_EQ(font(document.pages[0], 8), (ui::PrinterFont{12, true, true}));
  EXPECT_EQ(font(document.pages[0], 10), (ui::PrinterFont{12, true, true}));
  EXPECT_EQ(font(document.pages[0], 12), (ui::PrinterFont{10, false, false}));
  EXPECT_EQ(font(document.pages[1], 4), (ui::PrinterFont{12, true, true}));
  EXPECT_EQ(font(document.pages[1], 7), (ui::PrinterFont{12, true, true}));
  EXPECT_EQ(font(document.pages[1], 9), (ui::PrinterFont{10, false, false}));

  EXPECT_EQ(backend().ModalShown(), std::vector<std::string>{"fDruckmenue"});
  ASSERT_EQ(dialogs().PrinterDialogs().size(), 1u);
  EXPECT_EQ(dialogs().PrinterDialogs()[0].title, "Print");
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(PrintTest, TheChosenSectionsDecideThePages) {
  Open("Floor 2", "Room 201");
  // Nothing ticked: the header with its headings only.
  EXPECT_EQ(Lines(Print({}).pages.at(0)).size(), kHeaderLines);
  EXPECT_EQ(printed().back().pages.size(), 1u);

  // Properties only: their page break leaves no empty page behind; a smaller model has 37 rows.
  const ui::PrintedDocument& properties = Print({true, false, false});
  ASSERT_EQ(properties.pages.size(), 1u);
  EXPECT_EQ(Lines(properties.pages[0]).size(), kHeaderLines + 2 + 37);

  // Properties and outputs: the outputs start the second page as the inputs would.
  const ui::PrintedDocument& outputs = Print({true, false, true});
  ASSERT_EQ(outputs.pages.size(), 2u);
  const std::vector<std::string> second = Lines(outputs.pages[1]);
  ASSERT_EQ(second.size(), 9 + 9u);
  EXPECT_EQ(Slice(second, 0, 9),
            (std::vector<std::string>{"", "", "", "", kHeadings, "", "", "30:nvo's", ""}));
  EXPECT_EQ(Slice(second, 9, 9), NvoLines());

  // Inputs and outputs without properties: both under the header on the first page.
  const ui::PrintedDocument& variables = Print({false, true, true});
  ASSERT_EQ(variables.pages.size(), 1u);
  const std::vector<std::string> page = Lines(variables.pages[0]);
  ASSERT_EQ(page.size(), kHeaderLines + 3 + 15 + 3 + 9);
  EXPECT_EQ(Slice(page, kHeaderLines - 2, 5), (std::vector<std::string>{kHeadings, "", "", "30:nvi's", ""}));
  EXPECT_EQ(Slice(page, kHeaderLines + 3, 15), NviLines());
  EXPECT_EQ(Slice(page, kHeaderLines + 18, 3), (std::vector<std::string>{"", "30:nvo's", ""}));
  EXPECT_EQ(printed().size(), 4u);
}

TEST_F(PrintTest, TheChoiceWindowStartsUntickedInTheInterfaceLanguageAndItsCloseBoxKeepsTheLastChoice) {
  Open("Floor 2", "Room 201");
  // Closed by its close box at the first job: nothing was ever chosen.
  backend().ExpectModal("fDruckmenue", [&](ui::Form& form) {
    auto& choice = static_cast<qvr::fDruckmenue&>(form);
    const ui::Screen& screen = program().Ui().Screen();
    EXPECT_EQ(choice.Caption(), "Print properties");
    EXPECT_EQ(choice.cmdDruck.Caption(), "Printmenu");
    EXPECT_EQ(choice.lblDruckauswahl.Caption(), "Print properties");
    EXPECT_EQ(choice.chknci.Caption(), "SCPTs / UCPTs");
    EXPECT_FLOAT_EQ(choice.Left(), (screen.Width() - choice.Width()) / 2);
    EXPECT_FLOAT_EQ(choice.Top(), (screen.Height() - choice.Height()) / 2);
    choice.UserCloses();
  });
  dialogs().QueuePrinter(true);
  window().mnuDrucken.UserClicks();
  EXPECT_EQ(Lines(printed().at(0).pages.at(0)).size(), kHeaderLines);

  Print({false, true, false});
  backend().ExpectModal("fDruckmenue", [](ui::Form& form) {
    auto& choice = static_cast<qvr::fDruckmenue&>(form);
    for (ui::CheckBox* box : {&choice.chknci, &choice.chknvi, &choice.chknvo})
      EXPECT_EQ(box->Value(), ui::vbUnchecked);
    choice.UserCloses();
  });
  dialogs().QueuePrinter(true);
  window().mnuDrucken.UserClicks();
  ASSERT_EQ(printed().size(), 3u);
  const std::vector<std::string> again = Lines(printed()[2].pages.at(0));
  const std::vector<std::string> chosen = Lines(printed()[1].pages.at(0));
  ASSERT_EQ(again.size(), kHeaderLines + 3 + 15);
  ASSERT_EQ(chosen.size(), again.size());
  EXPECT_EQ(Slice(again, kHeaderLines, 18), Slice(chosen, kHeaderLines, 18));
  EXPECT_EQ(again[kHeaderLines + 1], "30:nvi's");

  // German keeps the window's design texts.
  qvr::ErrObject err;
  qvr::CRegistry(err).MachineSetting(qvr::kPlugInKey, "Language", "german");
  backend().ExpectModal("fDruckmenue", [](ui::Form& form) {
    auto& choice = static_cast<qvr::fDruckmenue&>(form);
    EXPECT_EQ(choice.Caption(), "Druckinhalt");
    EXPECT_EQ(choice.cmdDruck.Caption(), "&Druckmenü");
    EXPECT_EQ(choice.lblDruckauswahl.Caption(), "Auswahl des Druckinhaltes");
    choice.UserCloses();
  });
  dialogs().QueuePrinter(false);
  window().mnuDrucken.UserClicks();
  EXPECT_EQ(printed().size(), 3u);
}

TEST_F(PrintTest, ACancelledPrinterDialogPrintsNothingAndADeviceThatCannotBeReadIsReported) {
  Open("Floor 1", "Room 101");
  Choose({true, true, true});
  dialogs().QueuePrinter(false);
  window().mnuDrucken.UserClicks();
  EXPECT_TRUE(printed().empty());
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_TRUE(services().Printer().Pending().Empty());

  program().framework.CurrentDevice.reset();
  Choose({true, false, false});
  dialogs().QueuePrinter(true);
  boxes().QueueAnswer(ui::vbOK,
                      "Error: mnuDrucken_Click(fMain)\r\nObject variable or With block variable not set");
  window().mnuDrucken.UserClicks();
  EXPECT_TRUE(printed().empty());
  EXPECT_TRUE(services().Printer().Pending().Empty());
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
}

}  // namespace
}  // namespace mainwindow_test
