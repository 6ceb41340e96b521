#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "window/MainWindowLayout.h"
#include "app/main/MenuDefinitions.h"

namespace kalvora::ui {

// A menu item's caption with its shortcut after a tab: "Refresh\tCtrl+R".
std::wstring MenuCaption(const app::MenuItemDef& item);

// Whether a check item shows its check mark in this layout.
bool IsChecked(app::Command command, const window::MainWindowLayout& layout);

// Real menus from the definitions. Hidden items are left out (their
// shortcuts still act through the accelerator table); each item's id is its
// command. The caller owns the menu.
HMENU BuildMenuBar(const std::vector<app::MenuItemDef>& items, const window::MainWindowLayout& layout);
HMENU BuildPopupMenu(const std::vector<app::MenuItemDef>& items, const window::MainWindowLayout& layout);

// Sets every check mark of a built menu from the layout.
void UpdateChecks(HMENU menu, const std::vector<app::MenuItemDef>& items, const window::MainWindowLayout& layout);

// The command of a menu or accelerator id; Command::None for anything else.
app::Command CommandOfId(unsigned id);

}  // namespace kalvora::ui
