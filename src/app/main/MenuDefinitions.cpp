#include "app/main/MenuDefinitions.h"

namespace kalvora::app {

namespace {
constexpr unsigned KeyF1 = 0x70;
constexpr unsigned KeyF12 = 0x7B;
Shortcut Ctrl(char letter) { return Shortcut{static_cast<unsigned>(letter), true}; }
MenuItemDef Separator() { return MenuItemDef{Command::None, L"", L"-"}; }

MenuItemDef Item(Command command, const wchar_t* name, const wchar_t* caption, Shortcut shortcut = {},
                 bool visible = true) {
  MenuItemDef item;
  item.command = command;
  item.name = name;
  item.caption = caption;
  item.shortcut = shortcut;
  item.visible = visible;
  return item;
}

MenuItemDef Check(Command command, const wchar_t* name, const wchar_t* caption) {
  MenuItemDef item = Item(command, name, caption);
  item.checkItem = true;
  return item;
}

MenuItemDef TextSizeItem(Command command, const wchar_t* name, const wchar_t* caption, int size) {
  MenuItemDef item = Item(command, name, caption);
  item.checkItem = true;
  item.radioItem = true;
  item.tag = size;
  return item;
}

MenuItemDef Submenu(const wchar_t* name, const wchar_t* caption, std::vector<MenuItemDef> children,
                    bool visible = true) {
  MenuItemDef item = Item(Command::None, name, caption, {}, visible);
  item.children = std::move(children);
  return item;
}
}  // namespace

std::wstring Shortcut::Text() const {
  if (!IsSet()) return L"";
  std::wstring text = ctrl ? L"Ctrl+" : L"";
  if (key >= KeyF1 && key <= KeyF12) return text + L"F" + std::to_wstring(key - KeyF1 + 1);
  if (key == 0x2E) return text + L"Del";
  return text + static_cast<wchar_t>(key);
}

const std::vector<MenuItemDef>& MainMenu1() {
  static const std::vector<MenuItemDef> menu = {
      Submenu(L"ControlPanel1", L"&Control Panel",
              {Item(Command::Refresh2, L"Refresh2", L"Refresh", Ctrl('R')),
               Item(Command::Openfilelocation1, L"Openfilelocation1", L"Open Folder", Ctrl('O')),
               Item(Command::ReplayAll2, L"ReplayAll2", L"Replay &All"), Separator(),
               Item(Command::ControlSettings, L"Settings1", L"Settings"), Separator(),
               Item(Command::Exit, L"Exit1", L"Exit")}),
      Submenu(L"View1", L"&View",
              {Item(Command::ViewFullCollapse, L"FullCollapse2", L"Full Collapse"),
               Item(Command::ViewFullExpand, L"FullExpand2", L"Full &Expand"), Separator(),
               Check(Command::MenuBar2, L"MenuBar2", L"Menu Bar"),
               Check(Command::StatusBar2, L"StatusBar2", L"Status Bar")}),
      Submenu(L"Help1", L"&Help",
              {Item(Command::HelpContents, L"KalvoraHelp1", L"Kalvora Help", Shortcut{KeyF1, false}),
               Item(Command::HomePage, L"HomePage1", L"Home Page"), Separator(),
               Item(Command::About, L"AboutKalvora1", L"About Kalvora ")}),
  };
  return menu;
}

const std::vector<MenuItemDef>& PmApp() {
  static const std::vector<MenuItemDef> menu = {
      Item(Command::AppSettings, L"Settings2", L"&Settings"),
      Check(Command::MenuBar1, L"MenuBar1", L"&Menu Bar"),
      Check(Command::StatusBar1, L"StatusBar1", L"&Status Bar"),
      Separator(),
      Item(Command::OpenApplicationPath, L"OpenApplicationPath1", L"Open Application Path"),
  };
  return menu;
}

const std::vector<MenuItemDef>& PmDocTree() {
  static const std::vector<MenuItemDef> menu = {
      Submenu(L"Recent1", L"Recent", {}, false),
      Item(Command::MnOpen, L"MnOpen", L"&Open", Ctrl('O')),
      Item(Command::MnOpenDIr, L"MnOpenDIr", L"Open file location", Ctrl('L'), false),
      Item(Command::Refresh3, L"Refresh3", L"Refresh"),
      Separator(),
      Item(Command::FullCollapse1, L"FullCollapse1", L"Full Collapse"),
      Item(Command::FullExpand1, L"FullExpand1", L"Full &Expand"),
      Submenu(L"MnTextSize", L"&Text Size",
              {TextSizeItem(Command::TextSizeLargest, L"Largest1", L"Largest", 15),
               TextSizeItem(Command::TextSizeLarger, L"Larger1", L"Larger", 12),
               TextSizeItem(Command::TextSizeMedium, L"Medium1", L"Medium", 10),
               TextSizeItem(Command::TextSizeSmaller, L"Smaller1", L"Smaller", 9),
               TextSizeItem(Command::TextSizeSmallest, L"Smallest1", L"Smallest", 8)}),
      Separator(),
      Item(Command::Copyfilelocation1, L"Copyfilelocation1", L"Copy folder location"),
      Item(Command::CopyCtrlC1, L"CopyCtrlC1", L"Copy folder", Ctrl('C'), false),
      Item(Command::CopyFile2, L"CopyFile2", L"Paste shortcut", Ctrl('V'), false),
      Item(Command::MnDeleteSelected, L"MnDeleteSelected", L"&Deleted Selected ( delete shortcut)"),
      Separator(),
      Item(Command::Settings5, L"Settings5", L"&Settings"),
      Check(Command::MenuBar3, L"MenuBar3", L"&Menu Bar"),
  };
  return menu;
}

const std::vector<MenuItemDef>& WindowShortcuts() {
  static const std::vector<MenuItemDef> keys = {
      Item(Command::SearchShortcut, L"cbSearch", L"Search...", Ctrl('F'), false),
  };
  return keys;
}

int TextSizeOf(Command command) {
  switch (command) {
    case Command::TextSizeLargest: return 15;
    case Command::TextSizeLarger: return 12;
    case Command::TextSizeMedium: return 10;
    case Command::TextSizeSmaller: return 9;
    case Command::TextSizeSmallest: return 8;
    default: return 0;
  }
}

}  // namespace kalvora::app
