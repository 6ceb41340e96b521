#pragma once
#include <string>
#include <vector>

#include "app/main/Commands.h"

namespace kalvora::app {

// A key combination; key is the virtual-key code ('R', 0x70 for F1, 0x2E Delete).
struct Shortcut {
  unsigned key = 0;
  bool ctrl = false;
  bool IsSet() const { return key != 0; }
  std::wstring Text() const;  // "Ctrl+R", "F1"
};

struct MenuItemDef {
  Command command = Command::None;
  const wchar_t* name = L"";     // component name, e.g. L"MenuBar1"
  const wchar_t* caption = L"";  // L"-" is a separator
  Shortcut shortcut;
  bool visible = true;           // hidden items keep their shortcuts
  bool checkItem = false;
  bool radioItem = false;
  int tag = 0;
  std::vector<MenuItemDef> children;
};

// The main menu (shown as a bar only when "Menu Bar" is checked).
const std::vector<MenuItemDef>& MainMenu1();
// The window background pop-up.
const std::vector<MenuItemDef>& PmApp();
// The pop-up of the four trees.
const std::vector<MenuItemDef>& PmDocTree();
// Keys that act without a menu item of their own.
const std::vector<MenuItemDef>& WindowShortcuts();

// The text-size tags in menu order: Largest, Larger, Medium, Smaller, Smallest.
int TextSizeOf(Command command);

}  // namespace kalvora::app
