#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/FormBackend.h"

class QWidget;

namespace ui {

class Control;
class QtFormWindow;
class Screen;

// The Qt back end of the forms: a window for every loaded form, mirroring it both ways. Positions and
// sizes convert between twips and pixels with `screen`'s twips per pixel. A QApplication must exist.
class QtFormBackend : public FormBackend {
 public:
  explicit QtFormBackend(const Screen& screen);
  ~QtFormBackend() override;

  void FormLoaded(Form& form) override;
  void FormUnloaded(Form& form) override;
  // Processes Qt events until the form is hidden or unloaded.
  void RunModal(Form& form) override;

  // The top-level widget of a loaded form, or nullptr.
  QWidget* WindowOf(const Form& form) const;
  // The widget that shows `control`, or nullptr (form not loaded, or a control without a widget).
  QWidget* WidgetOf(const Control& control) const;

 private:
  const Screen& screen_;
  // Receives the idle signal of Qt's event dispatcher; goes away with the back end.
  QObject idle_;
  std::map<const Form*, QtFormWindow*> windows_;
  // Windows of unloaded forms, deleted once Qt is back in its loop (their widgets may be delivering the
  // very event that unloaded the form).
  std::vector<QPointer<QtFormWindow>> retired_;
};

// Saves the window of a loaded form, as it is drawn now, as a PNG file. False when the form has no Qt
// window or the file cannot be written.
bool SaveScreenshot(const Form& form, const std::string& pngPath);

}  // namespace ui
