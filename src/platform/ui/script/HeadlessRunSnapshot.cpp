#include "platform/ui/script/HeadlessRunSnapshot.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Snapshot.h"

namespace ui {

std::string RunSnapshot(const Application& app, const std::vector<HeadlessMessageBoxes::Record>& boxes) {
  const Form* mainForm = app.MainForm();
  std::string text = mainForm ? Snapshot(*mainForm) : std::string();
  for (const Form* form : app.LoadedForms()) {
    if (form != mainForm) text += Snapshot(*form);
  }
  for (const HeadlessMessageBoxes::Record& box : boxes) {
    SnapshotFields line("box");
    line.Text("text", box.request.prompt);
    line.Text("title", box.request.title);
    line.Number("style", static_cast<long>(box.request.style));
    line.Word("answer", box.answer == 0 ? "-" : ButtonName(box.answer));
    text += line.Render();
  }
  return text;
}

}  // namespace ui
