#include "platform/ui/qt/QtFormFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

namespace ui {

namespace {

constexpr qreal kFormFontPoints = 8;
constexpr qreal kPointsPerInch = 72;
constexpr const char* kArialMetricFamily = "Liberation Sans";
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The alphabet's width in Arial's metrics, in ems (the sum of its advances over 2048 units per em).
constexpr qreal kArialAlphabetEms = 62138.0 / 2048.0;

}  // namespace

QFont FormFont() {
  QFont font = QGuiApplication::font();
  if (QFontDatabase::hasFamily(QString::fromLatin1(kArialMetricFamily))) {
    font.setFamily(QString::fromLatin1(kArialMetricFamily));
  }
  font.setPointSizeF(kFormFontPoints);
  const qreal dotsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  const qreal allowed = kArialAlphabetEms * kFormFontPoints * dotsPerInch / kPointsPerInch;
  const qreal needed = QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(kAlphabet));
  if (needed > allowed) font.setPointSizeF(kFormFontPoints * allowed / needed);
  return font;
}

}  // namespace ui
