// The window and identity properties of the plug-in object. Every window property acts on the one main
// window, whichever object is asked; sizes and positions are pixels to the director and twips to the window.
#include <cmath>
#include <cstdint>

#include "framework/LNSPlugInAPI.h"
#include "framework/PlugInMessages.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/ui/Utf8.h"
#include "program/Program.h"
#include "services/HostErrors.h"

namespace qvr {

namespace {

constexpr int kDevelopmentProgramIdLength = 16;

// Whole pixels, halves to the even neighbour.
std::int32_t ToPixels(float twips, int twipsPerPixel) {
  const double pixels = std::nearbyint(static_cast<double>(twips) / twipsPerPixel);
  if (!(pixels >= INT32_MIN && pixels <= INT32_MAX)) RaiseToHost(platform::kErrOverflow, "Overflow");
  return static_cast<std::int32_t>(pixels);
}

float ToTwips(std::int32_t pixels, int twipsPerPixel) {
  return static_cast<float>(static_cast<double>(pixels) * twipsPerPixel);
}

// The window keeps a position as given, in twips of single precision: one that would not read back as
// given (far beyond any screen) cannot be held and is refused as the position's reading would be.
float PositionTwips(std::int32_t pixels, int twipsPerPixel) {
  const float twips = ToTwips(pixels, twipsPerPixel);
  if (ToPixels(twips, twipsPerPixel) != pixels) RaiseToHost(platform::kErrOverflow, "Overflow");
  return twips;
}

// The window's own refusals (a negative size, say) reach the director as the plug-in's errors: every
// error raised to the host carries the plug-in's name as its source, their number and text unchanged.
template <typename Change>
void ChangeWindow(Change&& change) {
  try {
    change();
  } catch (const platform::RaisedError& error) {
    RaiseToHost(error.Number(), error.Description());
  }
}

}  // namespace

bool LNSPlugInAPI::Visible() const {
  return program_.fMain().Visible();
}

void LNSPlugInAPI::SetVisible(bool visible) {
  ChangeWindow([&] { program_.fMain().SetVisible(visible); });
}

std::int32_t LNSPlugInAPI::Height() const {
  return ToPixels(program_.fMain().Height(), program_.Ui().Screen().TwipsPerPixelY());
}

void LNSPlugInAPI::SetHeight(std::int32_t pixels) {
  CheckSizeChange();
  const float twips = ToTwips(pixels, program_.Ui().Screen().TwipsPerPixelY());
  ChangeWindow([&] { program_.fMain().SetHeight(twips); });
}

std::int32_t LNSPlugInAPI::Width() const {
  return ToPixels(program_.fMain().Width(), program_.Ui().Screen().TwipsPerPixelX());
}

void LNSPlugInAPI::SetWidth(std::int32_t pixels) {
  CheckSizeChange();
  const float twips = ToTwips(pixels, program_.Ui().Screen().TwipsPerPixelX());
  ChangeWindow([&] { program_.fMain().SetWidth(twips); });
}

std::int32_t LNSPlugInAPI::Left() const {
  return ToPixels(program_.fMain().Left(), program_.Ui().Screen().TwipsPerPixelX());
}

void LNSPlugInAPI::SetLeft(std::int32_t pixels) {
  CheckPositionChange();
  const float twips = PositionTwips(pixels, program_.Ui().Screen().TwipsPerPixelX());
  ChangeWindow([&] { program_.fMain().SetLeft(twips); });
}

std::int32_t LNSPlugInAPI::Top() const {
  return ToPixels(program_.fMain().Top(), program_.Ui().Screen().TwipsPerPixelY());
}

void LNSPlugInAPI::SetTop(std::int32_t pixels) {
  CheckPositionChange();
  const float twips = PositionTwips(pixels, program_.Ui().Screen().TwipsPerPixelY());
  ChangeWindow([&] { program_.fMain().SetTop(twips); });
}

bool LNSPlugInAPI::Minimized() const {
  return program_.fMain().WindowState() == ui::vbMinimized;
}

// The state changes even on a hidden window; the director is then told that it will show only later.
void LNSPlugInAPI::SetMinimized(bool minimized) {
  qvr::fMain& mainWindow = program_.fMain();
  runtime::ResumeNext(program_.Err,
                      [&] { mainWindow.SetWindowState(minimized ? ui::vbMinimized : ui::vbNormal); });
  if (!mainWindow.Visible()) RaiseWithMessage(platform::kErrNotPossibleNow, kMsgMinimizedWhileHidden);
}

// A window with a fixed border keeps its size.
void LNSPlugInAPI::CheckSizeChange() const {
  const int border = program_.fMain().BorderStyle();
  if (border == ui::vbFixedSingle || border == ui::vbFixedDialog || border == ui::vbFixedToolWindow) {
    RaiseWithMessage(platform::kErrReadOnlyProperty, kMsgReadOnlyProperty);
  }
  CheckPositionChange();
}

void LNSPlugInAPI::CheckPositionChange() const {
  if (program_.fMain().WindowState() != ui::vbNormal)
    RaiseWithMessage(platform::kErrNotPossibleNow, kMsgNotWhileMinOrMax);
}

std::string LNSPlugInAPI::ManufacturerID() const {
  return kManufacturerId;
}
void LNSPlugInAPI::SetManufacturerID(const std::string& /*value*/) {
  RefuseReadOnly();
}
std::string LNSPlugInAPI::ManufacturerName() const {
  return kManufacturerName;
}
void LNSPlugInAPI::SetManufacturerName(const std::string& /*value*/) {
  RefuseReadOnly();
}
std::string LNSPlugInAPI::LcaVersion() const {
  return kLcaVersion;
}
void LNSPlugInAPI::SetLcaVersion(const std::string& /*value*/) {
  RefuseReadOnly();
}
std::string LNSPlugInAPI::Version() const {
  return kPlugInVersion;
}
void LNSPlugInAPI::SetVersion(const std::string& /*value*/) {
  RefuseReadOnly();
}
std::string LNSPlugInAPI::Name() const {
  return kProjectName;
}
void LNSPlugInAPI::SetName(const std::string& /*value*/) {
  RefuseReadOnly();
}

void LNSPlugInAPI::RefuseReadOnly() const {
  RaiseWithMessage(platform::kErrReadOnlyProperty, kMsgReadOnlyProperty);
}

std::string LNSPlugInAPI::DevelopmentProgramId() const {
  return program_.framework.DevProgramId;
}

void LNSPlugInAPI::SetDevelopmentProgramId(std::string programId) {
  if (ui::CharCount(programId) != kDevelopmentProgramIdLength) programId.clear();
  program_.framework.DevProgramId = std::move(programId);
}

}  // namespace qvr
