// Printing: the device's header and, as chosen in the print-choice window, its stored property, input and
// output values.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "datapoints/DataPoint.h"
#include "mainwindow/MenuCommand.h"
#include "mainwindow/fMain.h"
#include "mainwindow/files/fDruckmenue.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Columns, in characters of the current font.
constexpr int kHeaderLabelColumn = 8;
constexpr int kHeaderValueColumn = 24;
constexpr int kDeviceNameColumn = 26;
constexpr int kDateLabelColumn = 55;
constexpr int kDateColumn = 65;
constexpr int kTimeColumn = 79;
constexpr int kObjectHeadingColumn = 8;
constexpr int kVariableHeadingColumn = 28;
constexpr int kValueHeadingColumn = 51;
constexpr int kSectionTitleColumn = 30;
constexpr int kObjectColumn = 10;
constexpr int kNameColumn = 36;
constexpr int kValueColumn = 66;

// What the header tells of the device, read before anything is printed so that a device that cannot be
// read leaves no half-printed page.
struct DeviceHeader {
  std::string name;
  std::string neuronId;
  std::string programId;
  std::string subsystem;
  std::string date;  // of the printout, as the user's regional settings write them
  std::string time;
};

DeviceHeader ReadDeviceHeader(Program& program) {
  const lns::LnsAppDevice& device = runtime::Present(program.framework.CurrentDevice);
  const ui::TimeOfDay& clock = program.Ui().Clock();
  const ui::LocalDateTime now = clock.Now();
  return {device.GetName(),      device.GetNeuronId(),
          device.GetProgramId(), device.GetSubsystems().Item(1).GetName(),
          clock.DateText(now),   clock.TimeText(now)};
}

struct PrintedRow {
  const std::string& object;
  const std::string& name;
  const std::string& value;
};

// One print job on the printer: lines of texts at columns, in fonts of the default typeface. The
// headings are bold and underlined.
class PrintJob {
 public:
  PrintJob(ui::Printer& printer, const TextTables& texts) : printer_(printer), texts_(texts) {}

  void Header(const DeviceHeader& device) {
    Font(18, true, false);
    EmptyLines(1);
    Line({{kDeviceNameColumn, device.name}});
    EmptyLines(1);
    Font(12, false, false);
    Line({{kHeaderLabelColumn, "NeuronID:"},
          {kHeaderValueColumn, device.neuronId},
          {kDateLabelColumn, texts_.MsgMain[kMsgDate]},
          {kDateColumn, device.date},
          {kTimeColumn, device.time}});
    Line({{kHeaderLabelColumn, "ProgID:"}, {kHeaderValueColumn, device.programId}});
    Line({{kHeaderLabelColumn, "Subsystem"}, {kHeaderValueColumn, device.subsystem}});
    EmptyLines(2);
    ColumnHeadings();
  }

  // The properties' section ends its page: the next section starts a page of its own.
  void PropertySection(const std::vector<PrintedRow>& rows) {
    printer_.SetFontSize(12);
    Line({{kSectionTitleColumn, texts_.MsgMain[kMsgConfigurationParameters]}});
    EmptyLines(1);
    RowLines(rows);
    printer_.NewPage();
    pageBegun_ = true;
  }

  // The sections of inputs and outputs follow each other on one page.
  void VariableSection(const std::string& title, const std::vector<PrintedRow>& rows) {
    if (pageBegun_) {
      EmptyLines(4);
      ColumnHeadings();
      pageBegun_ = false;
    }
    Font(12, true, true);
    EmptyLines(1);
    Line({{kSectionTitleColumn, title}});
    EmptyLines(1);
    RowLines(rows);
  }

  void End() { printer_.EndDoc(); }

 private:
  void Font(double size, bool bold, bool underline) {
    printer_.SetFontSize(size);
    printer_.SetFontBold(bold);
    printer_.SetFontUnderline(underline);
  }

  void Line(std::initializer_list<std::pair<int, std::string>> items) {
    for (const auto& [column, text] : items) printer_.PrintAt(column, text);
    printer_.NewLine();
  }

  void EmptyLines(int count) {
    for (int i = 0; i < count; ++i) printer_.NewLine();
  }

  // The heading line of the three columns, and an empty line under it; the heading font stays on.
  void ColumnHeadings() {
    Font(12, true, true);
    Line({{kObjectHeadingColumn, texts_.MsgMain[kMsgObject]},
          {kVariableHeadingColumn, texts_.MsgMain[kMsgVariable]},
          {kValueHeadingColumn, texts_.MsgMain[kMsgValue]}});
    EmptyLines(1);
  }

  void RowLines(const std::vector<PrintedRow>& rows) {
    printer_.SetFontBold(false);
    printer_.SetFontUnderline(false);
    for (const PrintedRow& row : rows) {
      printer_.SetFontSize(10);
      Line({{kObjectColumn, row.object}, {kNameColumn, row.name}, {kValueColumn, row.value}});
    }
  }

  ui::Printer& printer_;
  const TextTables& texts_;
  bool pageBegun_ = false;
};

using Field = std::string DataPoint::*;

// The rows 0 to count - 1 of a table, by the fields of its group.
std::vector<PrintedRow> RowsOf(const auto& table, std::int16_t count, Field object, Field name, Field value) {
  std::vector<PrintedRow> rows;
  for (std::int16_t row = 0; row < count; ++row) {
    const DataPoint& point = table[static_cast<std::size_t>(row)];
    rows.push_back({point.*object, point.*name, point.*value});
  }
  return rows;
}

}  // namespace

void fMain::mnuDrucken_Click() {
  RunMenuCommand(program_, "mnuDrucken_Click", [this] {
    program_.framework.ReopenNetworkForUser();
    program_.Windows().Get<fDruckmenue>(program_).Show(ui::Modality::Modal, this);
    if (!program_.Ui().Dialogs().ShowPrinter(program_.texts.MsgMain[kMsgPrint])) return;

    const DeviceHeader header = ReadDeviceHeader(program_);
    const DataPointTables& tables = program_.datapoints;
    const MainWindowState& choice = program_.mainwindow;
    ui::Printer& printer = program_.Ui().Printer();
    // The values printed are the stored ones: edits not applied yet are not printed.
    PrintJob job(printer, program_.texts);
    try {
      job.Header(header);
      if (choice.PrintNci) {
        job.PropertySection(RowsOf(tables.NciTable, tables.NciCount, &DataPoint::NciObject,
                                   &DataPoint::NciName, &DataPoint::NciValue));
      }
      if (choice.PrintNvi) {
        job.VariableSection("nvi's", RowsOf(tables.NviTable, tables.NviCount, &DataPoint::NviObject,
                                            &DataPoint::NviName, &DataPoint::NviValue));
      }
      if (choice.PrintNvo) {
        job.VariableSection("nvo's", RowsOf(tables.NvoTable, tables.NvoCount, &DataPoint::NvoObject,
                                            &DataPoint::NvoName, &DataPoint::NvoValue));
      }
      job.End();
    } catch (...) {
      // A job broken off is abandoned, not ended: ending it would print a partial sheet.
      printer.KillDoc();
      throw;
    }
  });
}

}  // namespace qvr
