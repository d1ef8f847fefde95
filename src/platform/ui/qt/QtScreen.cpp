#include "platform/ui/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/ui/qt/QtPointers.h"

namespace ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int TwipsPerPixel(double dotsPerInch) {
  return dotsPerInch > 0 ? static_cast<int>(std::lround(kTwipsPerInch / dotsPerInch)) : 15;
}

}  // namespace

QtScreen::~QtScreen() {
  if (pointer_ != vbDefault) QGuiApplication::restoreOverrideCursor();
}

int QtScreen::Width() const {
  return QGuiApplication::primaryScreen()->geometry().width() * TwipsPerPixelX();
}

int QtScreen::Height() const {
  return QGuiApplication::primaryScreen()->geometry().height() * TwipsPerPixelY();
}

int QtScreen::TwipsPerPixelX() const {
  return TwipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

int QtScreen::TwipsPerPixelY() const {
  return TwipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
}

void QtScreen::SetMousePointer(int pointer) {
  // Qt stacks override cursors; keep at most one of ours on the stack.
  if (pointer_ == vbDefault && pointer != vbDefault) {
    QGuiApplication::setOverrideCursor(QCursor(CursorShapeOf(pointer)));
  } else if (pointer_ != vbDefault && pointer == vbDefault) {
    QGuiApplication::restoreOverrideCursor();
  } else if (pointer != vbDefault) {
    QGuiApplication::changeOverrideCursor(QCursor(CursorShapeOf(pointer)));
  }
  pointer_ = pointer;
}

}  // namespace ui
