// The main window's menu bar in its German design texts; "-" makes a separator, "&" marks the access key.

#include <string>
#include <string_view>

#include "mainwindow/design/fMainDesignParts.h"
#include "mainwindow/fMain.h"

namespace qvr::main_design {

namespace {

struct MenuEntry {
  ui::Menu fMain::*menu;
  ui::Menu fMain::*parent;  // nullptr for a menu of the menu bar
  std::string_view caption;
};

constexpr MenuEntry kMenus[] = {
    {&fMain::mnuOptionen, nullptr, "&Datei"},
    {&fMain::mnuClearLog, &fMain::mnuOptionen, "Clear Log"},
    {&fMain::mnuSaveLog, &fMain::mnuOptionen, "&Save Log"},
    {&fMain::mnuSaveLogAs, &fMain::mnuOptionen, "Save Log &As..."},
    {&fMain::mnuSeparator1, &fMain::mnuOptionen, "-"},
    {&fMain::mnuParameter_laden, &fMain::mnuOptionen, "Parameter laden"},
    {&fMain::mnuParameter_speichern, &fMain::mnuOptionen, "Parameter speichern"},
    {&fMain::mnuSeparator2, &fMain::mnuOptionen, "-"},
    {&fMain::mnuDrucken, &fMain::mnuOptionen, "Drucken"},
    {&fMain::mnuSeparator3, &fMain::mnuOptionen, "-"},
    {&fMain::mnuExit, &fMain::mnuOptionen, "B&eenden"},
    {&fMain::mnuHilfe, nullptr, "&Hilfe"},
    {&fMain::mnuAbout, &fMain::mnuHilfe, "About"},
    {&fMain::mnuBeschreibung, &fMain::mnuHilfe, "Gerätebeschreibung"},
    {&fMain::mnuReadme, &fMain::mnuHilfe, "Readme"},
};

}  // namespace

void DesignMenus(fMain& window) {
  for (const MenuEntry& entry : kMenus) {
    ui::Menu& menu = window.*entry.menu;
    menu.SetCaption(std::string(entry.caption));
    if (entry.parent) menu.SetParentMenu(window.*entry.parent);
  }
}

}  // namespace qvr::main_design
