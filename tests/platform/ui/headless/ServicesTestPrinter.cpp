#include <gtest/gtest.h>

#include <string>

#include "platform/ui/headless/HeadlessServices.h"

namespace ui_test {
namespace {

TEST(ServicesPrinter, TheDocumentRecordsColumnsFontsLinesAndPages) {
  ui::HeadlessServices services;
  ui::Printer& printer = services.Printer();

  printer.SetFontSize(18);
  printer.SetFontBold(true);
  printer.NewLine();
  printer.PrintAt(26, "Room 1");
  printer.NewLine();
  printer.SetFontSize(12);
  printer.SetFontBold(false);
  printer.PrintAt(8, "NeuronID:");
  printer.PrintAt(24, "04A1B2C3D400");
  printer.NewLine();
  printer.SetFontBold(true);
  printer.SetFontUnderline(true);
  printer.PrintAt(8, "Object");
  printer.PrintAt(28, "Variable");
  printer.NewLine();
  printer.NewPage();
  printer.SetFontBold(false);
  printer.SetFontUnderline(false);
  printer.SetFontSize(10);
  printer.PrintAt(10, "OccupSensor");
  printer.PrintAt(36, "nciHoldTime");
  printer.PrintAt(66, "600.0");
  EXPECT_TRUE(services.TestPrinted().empty()) << "nothing reaches the printer before the end of the document";
  printer.EndDoc();

  ASSERT_EQ(services.TestPrinted().size(), 1u);
  const ui::PrintedDocument& document = services.TestPrinted()[0];
  ASSERT_EQ(document.pages.size(), 2u);
  const auto& first = document.pages[0].lines;
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first[0].font, (ui::PrinterFont{18, true, false})) << "an empty line keeps its font's height";
  EXPECT_EQ(first[2].items[1].font, (ui::PrinterFont{12, false, false}));
  EXPECT_EQ(first[3].items[0].font, (ui::PrinterFont{12, true, true}));

  EXPECT_EQ(document.ToText(),
            "\n"
            "                         Room 1\n"
            "       NeuronID:       04A1B2C3D400\n"
            "       Object              Variable\n"
            "\f\n"
            "         OccupSensor               nciHoldTime                   600.0\n");
  EXPECT_TRUE(printer.Pending().Empty()) << "the next document starts empty";
}

TEST(ServicesPrinter, EmptyDocumentsAndTrailingPagesAreNotPrintedAndTextsNeverOverprint) {
  ui::HeadlessServices services;
  ui::Printer& printer = services.Printer();

  printer.EndDoc();
  printer.NewPage();
  printer.EndDoc();
  EXPECT_TRUE(services.TestPrinted().empty()) << "a document with nothing on it does not come out";

  printer.PrintAt(1, "Configuration");
  printer.NewLine();
  printer.NewPage();
  printer.EndDoc();
  ASSERT_EQ(services.TestPrinted().size(), 1u);
  EXPECT_EQ(services.TestPrinted()[0].pages.size(), 1u) << "a page break before the end gives no empty page";

  printer.PrintAt(5, "a long name here");
  printer.PrintAt(10, "value");
  printer.PrintAt(0, "clamped");
  printer.EndDoc();
  ASSERT_EQ(services.TestPrinted().size(), 2u);
  EXPECT_EQ(services.TestPrinted()[1].ToText(), "    a long name here\n         value\nclamped\n")
      << "a column left of the text already on the line continues on the next line";
}

TEST(ServicesPrinter, AKilledDocumentIsNotPrintedAndLeavesNothingForTheNext) {
  ui::HeadlessServices services;
  ui::Printer& printer = services.Printer();
  printer.PrintAt(26, "Room 1");
  printer.NewLine();
  printer.NewPage();
  printer.PrintAt(8, "half a line");
  printer.KillDoc();
  EXPECT_TRUE(services.TestPrinted().empty());
  EXPECT_TRUE(printer.Pending().Empty());

  printer.PrintAt(8, "Room 2");
  printer.EndDoc();
  ASSERT_EQ(services.TestPrinted().size(), 1u);
  EXPECT_EQ(services.TestPrinted()[0].ToText(), "       Room 2\n");
}

}  // namespace
}  // namespace ui_test
