#include "platform/ui/qt/QtColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

namespace {

constexpr Color kSystemColor = 0x80000000;

std::optional<QColor> SystemColor(Color index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 0x05:  // window background
      return palette.color(QPalette::Base);
    case 0x0D:  // highlight
      return palette.color(QPalette::Highlight);
    case 0x0E:  // highlighted text
      return palette.color(QPalette::HighlightedText);
    case 0x0F:  // button face
      return palette.color(QPalette::Button);
    case 0x11:  // grey text
      return palette.color(QPalette::Disabled, QPalette::Text);
    default:  // window text, button text and the rest: the style's own text colour
      return std::nullopt;
  }
}

}  // namespace

std::optional<QColor> QtColorOf(Color color) {
  if ((color & kSystemColor) != 0) return SystemColor(color & 0xFF);
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace ui
