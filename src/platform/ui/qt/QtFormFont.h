#pragma once

#include <QFont>

namespace ui {

// The font the forms are drawn in. Their twips layouts were made for Windows' 8-point system font, so a
// text fits where it fitted there when the font sets it no wider: an Arial-metric font (Liberation Sans)
// is as wide, and any other font is scaled down until it sets the alphabet no wider than Arial does.
QFont FormFont();

}  // namespace ui
