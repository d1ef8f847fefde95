#pragma once

#include <QCoreApplication>

namespace ui {

// Installs Qt's own translations (the standard buttons, the file and print dialogs) for the user's locale,
// as Qt applications do: LC_ALL, LC_MESSAGES or LANG decide (LANGUAGE first, where set), read by Qt from
// the variables, so the locale need not be generated on the machine. Without translations for that
// language Qt keeps its English.
void InstallQtTranslations(QCoreApplication& application);

}  // namespace ui
