#include "devicemodel/HelpPane.h"

#include <span>

#include "devicemodel/ModelView.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/ui/Utf8.h"
#include "program/Program.h"

namespace qvr {

namespace {

constexpr int kWholeText = 10000;
constexpr int kLabelSearchEnd = 1000;
constexpr int kCaretAfterHelp = 130;
constexpr std::size_t kLabelMessage = 8;
constexpr std::size_t kNetworkVariableHeading = 36;
constexpr std::size_t kPropertyHeading = 37;

// The heading and the help table of one kind of data point.
struct HelpSource {
  const std::string* heading = nullptr;
  std::span<const std::string> texts;
};

HelpSource SourceOf(const TextTables& texts, const std::string& itemKind) {
  if (itemKind == "Nvi") return {&texts.MsgMain[kNetworkVariableHeading], texts.HelpTextNvi};
  if (itemKind == "Nci") return {&texts.MsgMain[kPropertyHeading], texts.HelpTextNci};
  if (itemKind == "Nvo") return {&texts.MsgMain[kNetworkVariableHeading], texts.HelpTextNvo};
  return {};
}

// Selects `length` characters from `start` and sets their emphasis: bold and underline together mark a
// heading.
void EmphasiseRange(Program& program, ui::RichTextBox& pane, int start, int length, bool on) {
  runtime::ResumeNext(program.Err, [&] { pane.SetSelStart(start); });
  runtime::ResumeNext(program.Err, [&] { pane.SetSelLength(length); });
  runtime::ResumeNext(program.Err, [&] { pane.SetSelBold(on); });
  runtime::ResumeNext(program.Err, [&] { pane.SetSelUnderline(on); });
}

}  // namespace

void ShowHelpText(Program& program, const std::string& itemKind, std::int16_t itemIndex) {
  ui::RichTextBox* pane = nullptr;
  if (!runtime::ResumeNext(program.Err, [&] { pane = &program.ModelWindow().HintPane(); })) return;
  const HelpSource source = SourceOf(program.texts, itemKind);
  if (itemIndex >= 0 && static_cast<std::size_t>(itemIndex) < source.texts.size()) {
    runtime::ResumeNext(program.Err,
                        [&] { pane->SetText(source.texts[static_cast<std::size_t>(itemIndex)]); });
  }
  EmphasiseRange(program, *pane, 0, kWholeText, false);
  const int headingLength = source.heading ? ui::CharCount(*source.heading) : 0;
  EmphasiseRange(program, *pane, 0, headingLength, true);

  const std::string& label = program.texts.MsgMain[kLabelMessage];
  int labelStart = -1;
  runtime::ResumeNext(program.Err, [&] { labelStart = pane->Find(label, 0, kLabelSearchEnd); });
  // A text without the label keeps no emphasis beyond its heading.
  if (labelStart >= 0) EmphasiseRange(program, *pane, labelStart, ui::CharCount(label), true);
  runtime::ResumeNext(program.Err, [&] { pane->SetSelStart(kCaretAfterHelp); });
}

}  // namespace qvr
