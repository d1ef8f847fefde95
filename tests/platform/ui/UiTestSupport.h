#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/headless/HeadlessFormBackend.h"

namespace ui_test {

// A headless application without services: a virtual clock and scripted modal forms.
struct HeadlessUi {
  platform::HeadlessEventLoop loop;
  ui::HeadlessFormBackend backend;
  ui::Application app{loop, backend, nullptr};
};

// A form that records its own events; tests derive from it and add their controls.
class RecordingForm : public ui::Form {
 public:
  RecordingForm(ui::Application& app, std::string name, std::vector<std::string>& events)
      : Form(app, std::move(name)), events_(events) {}

 protected:
  void Form_Load() override { Record("Load"); }
  void Form_Activate() override { Record("Activate"); }
  void Form_Resize() override { Record("Resize"); }
  void Form_Unload() override { Record("Unload"); }

  void Record(const std::string& event) { events_.push_back(Name() + "." + event); }

 private:
  std::vector<std::string>& events_;
};

// The number of the RaisedError that `action` raises, 0 when it raises none.
inline long ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const platform::RaisedError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace ui_test
