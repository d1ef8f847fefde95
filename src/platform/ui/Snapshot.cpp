#include "platform/ui/Snapshot.h"

#include <charconv>
#include <cstdio>

#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

namespace ui {

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char escaped[5];
          std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
          quoted += escaped;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

std::string FormatColour(Color value) {
  if (value < 0x80000000u) return std::to_string(value);
  char hex[11];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
  return hex;
}

std::string FormatNumber(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void SnapshotFields::Key(std::string_view key) {
  if (!line_.empty()) line_ += ' ';
  line_ += key;
  line_ += '=';
}

void SnapshotFields::Word(std::string_view key, std::string_view value) {
  Key(key);
  line_ += value;
}

void SnapshotFields::Text(std::string_view key, std::string_view value) {
  Key(key);
  line_ += Quote(value);
}

void SnapshotFields::Number(std::string_view key, long value) {
  Key(key);
  line_ += std::to_string(value);
}

void SnapshotFields::Number(std::string_view key, float value) {
  Key(key);
  line_ += FormatNumber(value);
}

void SnapshotFields::Flag(std::string_view key, bool value) {
  Key(key);
  line_ += value ? '1' : '0';
}

void SnapshotFields::Colour(std::string_view key, Color value) {
  Key(key);
  line_ += FormatColour(value);
}

void SnapshotFields::List(std::string_view key, const std::vector<std::string>& values) {
  Key(key);
  line_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) line_ += ',';
    line_ += Quote(values[i]);
  }
  line_ += ']';
}

SnapshotFields& SnapshotFields::SubLine(std::string_view head) {
  return subLines_.emplace_back(head);
}

std::string SnapshotFields::Render(int indent) const {
  std::string text = std::string(static_cast<std::size_t>(indent), ' ') + line_ + "\n";
  for (const SnapshotFields& sub : subLines_) text += sub.Render(indent + 2);
  return text;
}

namespace {

std::string Place(const Container& container) {
  if (!container.control) return "form";
  std::string place = container.control->DisplayName();
  if (container.tab >= 0) place.append("/").append(std::to_string(container.tab));
  return place;
}

SnapshotFields FormLine(const Form& form) {
  const Form::State& state = form.RawState();
  SnapshotFields line("form " + form.Name());
  line.Flag("loaded", form.IsLoaded());
  if (!form.IsLoaded()) return line;
  line.Flag("visible", state.visible);
  line.Flag("modal", form.IsModal());
  line.Text("caption", state.caption);
  line.Number("state", static_cast<long>(state.windowState));
  line.Number("border", static_cast<long>(state.borderStyle));
  line.Number("left", state.left);
  line.Number("top", state.top);
  line.Number("width", state.width);
  line.Number("height", state.height);
  line.Number("pointer", static_cast<long>(state.mousePointer));
  line.Word("focus", form.ActiveControl() ? form.ActiveControl()->DisplayName() : "-");
  return line;
}

}  // namespace

std::string Snapshot(const Form& form) {
  std::string text = FormLine(form).Render();
  if (!form.IsLoaded()) return text;
  for (const Control* control : form.Controls()) {
    SnapshotFields line(control->DisplayName() + " " + std::string(control->Kind()));
    line.Word("in", Place(control->GetContainer()));
    const Container page = control->TabPage();
    line.Word("tab", page.control ? Place(page) : "-");
    control->Describe(line);
    line.Colour("fore", control->RawForeColor());
    line.Flag("enabled", control->RawEnabled());
    line.Flag("visible", control->RawVisible());
    line.Text("tip", control->RawToolTipText());
    text += line.Render();
  }
  return text;
}

}  // namespace ui
