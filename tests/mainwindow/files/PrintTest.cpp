// Printing through the file menu: the print-choice window, the printer dialog, the header and the chosen
// sections of stored values.

#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "Golden.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/files/fDruckmenue.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "services/CRegistry.h"

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
  // It is dated by the services' time of day, here a fixed one.
  const ui::PrintedDocument& Print(Sections sections) {
    services().TestClock().Set({2026, 12, 7, 14, 5, 9});
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
  // The document as text: a line per page break, each line with the font of its first item.
  static std::string Render(const ui::PrintedDocument& document) {
    std::string text;
    for (const ui::PrintedPage& page : document.pages) {
      text += "--- page\n";
      for (const ui::PrintedLine& line : page.lines) {
        if (!line.items.empty()) {
          const ui::PrinterFont& font = line.items.front().font;
          text += "[" + std::to_string(static_cast<int>(font.size)) + (font.bold ? "b" : "") +
                  (font.underline ? "u" : "") + "] ";
        }
        text += Items(line) + "\n";
      }
    }
    return text;
  }

  // The header's ten lines: device name, identity lines, the column headings.
  static constexpr std::size_t kHeaderLines = 10;
};

TEST_F(PrintTest, AllSectionsPrintTheStoredValuesAsTheReviewedDocumentShows) {
  Open("Floor 1", "Room 101");
  window().Show();
  // An edit that was not applied: the stored value is printed.
  Nci(2).SetText("75");
  ExpectGolden(__FILE__, "print-room-101", Render(Print({true, true, true})));
  EXPECT_EQ(backend().ModalShown(), std::vector<std::string>{"fDruckmenue"});
  ASSERT_EQ(dialogs().PrinterDialogs().size(), 1u);
  EXPECT_EQ(dialogs().PrinterDialogs()[0].title, "Print");
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(PrintTest, TheChosenSectionsDecideThePages) {
  Open("Floor 2", "Room 201");
  std::string documents;
  for (const Sections sections :
       {Sections{}, Sections{true, false, false}, Sections{true, false, true}, Sections{false, true, true}}) {
    documents += "=== " + std::string(sections.nci ? "nci " : "") + (sections.nvi ? "nvi " : "") +
                 (sections.nvo ? "nvo" : "") + "\n" + Render(Print(sections));
  }
  ExpectGolden(__FILE__, "print-room-201-sections", documents);
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
  EXPECT_EQ(std::vector<std::string>(again.begin() + kHeaderLines, again.end()),
            std::vector<std::string>(chosen.begin() + kHeaderLines, chosen.end()));
  EXPECT_EQ(again[kHeaderLines + 1], "30:nvi's");

  // German keeps the window's design texts.
  runtime::ErrObject err;
  qvr::CRegistry(err, program().Registry()).MachineSetting(qvr::kPlugInKey, "Language", "german");
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
