#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/ui/FormBackend.h"
#include "platform/ui/Services.h"

namespace ui {
class Form;
struct PrintedDocument;
}  // namespace ui

namespace ui {

// A window system on which the tool shows the plug-in's windows to a person (`lns send --show` and
// `--screenshot`), draws printouts into PDF files (`--printer pdf:FILE`) and writes the printouts' dates.
// The tool knows no toolkit of its own: the program's main hands one in, and a tool without one has only
// its headless UI.
class UiPlatform {
 public:
  // The services and the form back end of one program that shows windows. The back end is destroyed
  // first: it refers to the services' screen.
  struct Ui {
    std::unique_ptr<ui::Services> services;
    std::unique_ptr<ui::FormBackend> backend;
  };

  virtual ~UiPlatform() = default;

  // False where the windows are drawn but nobody sees them (no display): nobody could close one there.
  virtual bool PersonSeesWindows() const = 0;
  // A fresh set for one program; the window system starts on first use.
  virtual Ui MakeUi() = 0;
  // Serves the windows (and the loop's timers) until `done` answers true; asked after every batch of
  // events.
  virtual void RunUntil(const std::function<bool()>& done) = 0;
  // Lets what is pending run, so that a form just shown is laid out and drawn, then saves its window as
  // a PNG file. False when the form has no window or the file cannot be written.
  virtual bool SaveScreenshot(const ui::Form& form, const std::filesystem::path& pngFile) = 0;
  // Draws a finished print job into a PDF file, page by page as the windows' printer draws it; needs no
  // display. Raises the printer error (482) when the file cannot be written.
  virtual void PrintPdf(const ui::PrintedDocument& document, const std::filesystem::path& pdfFile) = 0;
  // How the windows write dates and times (the printout's), which a headless run of the tool writes so too.
  virtual const ui::DateTimeWriter& DateTimes() const = 0;
};

}  // namespace ui
