#include "tree/StockImages.h"

namespace kalvora::tree {

namespace {
using platform::PresetIcon;
using Source = PresetIcon::Source;

PresetIcon Stock(int id, int fallback = stock::Application) {
  return PresetIcon{Source::ShellStock, id, L"", fallback};
}
// What the shell shows for files of this extension.
PresetIcon FileType(const wchar_t* extension, int fallback) {
  return PresetIcon{Source::FileType, 0, extension, fallback};
}
// A program that ships with Windows, by its file name.
PresetIcon Program(const wchar_t* fileName, int fallback = stock::Application) {
  return PresetIcon{Source::SystemProgram, 0, fileName, fallback};
}
// A program Windows does not ship: the generic program picture.
PresetIcon Generic() { return PresetIcon{Source::Application, 0, L"", stock::Application}; }

std::vector<PresetIcon> BuildPresets() {
  using namespace stock;
  return {
      /*  0 folder               */ Stock(Folder, FolderOpen),
      /*  1 web page, browser    */ Stock(Internet, World),
      /*  2 computer             */ Stock(DesktopPc, DriveFixed),
      // The shell has no stock picture of the desktop; the desktop PC is the
      // closest, as "Show desktop" and "Computer" both use a screen.
      /*  3 desktop              */ Stock(DesktopPc, Folder),
      /*  4 Control Panel        */ Program(L"control.exe", Settings),
      /*  5 network              */ Stock(MyNetwork, DriveNet),
      /*  6 documents            */ Stock(StuffedFolder, Folder),
      /*  7 photo viewer         */ Stock(ImageFiles, DocAssoc),
      /*  8 picture              */ FileType(L".jpg", ImageFiles),
      /*  9 text editor          */ Program(L"notepad.exe", DocAssoc),
      /* 10 bitmap               */ FileType(L".bmp", ImageFiles),
      /* 11 settings file        */ FileType(L".ini", DocAssoc),
      /* 12 missing or unknown   */ Stock(DocNoAssoc, DocAssoc),
      /* 13 firefox.exe          */ Stock(World),
      /* 14 safari.exe           */ Stock(World),
      /* 15 bdslauncher.exe      */ Generic(),
      /* 16 winrar.exe           */ Stock(ZipFile),
      /* 17 msnmsgr.exe          */ Stock(Users),
      /* 18 chrome.exe           */ Stock(World),
      /* 19 opera.exe            */ Stock(World),
      /* 20 revisto.exe          */ Generic(),
      /* 21 7zfm.exe, 7zg.exe    */ Stock(ZipFile),
      /* 22 acrord32.exe         */ FileType(L".pdf", DocAssoc),
      /* 23 calc.exe             */ Program(L"calc.exe"),
      /* 24 bckgzm.exe           */ Generic(),
      /* 25 bdeadmin.exe         */ Generic(),
      /* 26 chess.exe            */ Generic(),
      /* 27 chkrzm.exe           */ Generic(),
      /* 28 cmd.exe              */ Program(L"cmd.exe"),
      /* 29 control.exe          */ Program(L"control.exe", Settings),
      /* 30 datapump.exe         */ Generic(),
      /* 31 dbd32.exe            */ Generic(),
      /* 32 dbexplor.exe         */ Generic(),
      /* 33 delphi32.exe         */ Generic(),
      /* 34 displayswitch.exe    */ Program(L"DisplaySwitch.exe", DesktopPc),
      /* 35 dvdmaker.exe         */ Stock(MediaDvd),
      /* 36 ehshell.exe          */ Stock(VideoFiles),
      /* 37 excel.exe            */ FileType(L".xls", DocAssoc),
      // In the Windows folder, not the system folder: SystemProgram looks there too.
      /* 38 explorer.exe         */ Program(L"explorer.exe", FolderOpen),
      /* 39 freecell.exe         */ Generic(),
      /* 40 hearts.exe           */ Generic(),
      /* 41 helppane.exe         */ Stock(Help),
      /* 42 wmplayer.exe         */ Stock(AudioFiles),
      /* 43 .wav                 */ FileType(L".wav", AudioFiles),
      /* 44 iscsicpl.exe         */ Program(L"iscsicpl.exe", DriveNet),
      /* 45 mahjong.exe          */ Generic(),
      /* 46 mblctr.exe           */ Program(L"mblctr.exe", MobilePc),
      /* 47 winword.exe          */ FileType(L".doc", DocAssoc),
      /* 48 .doc                 */ FileType(L".doc", DocAssoc),
      /* 49 .xls                 */ FileType(L".xls", DocAssoc),
      /* 50 .dll                 */ FileType(L".dll", Software),
      /* 51 regedit.exe          */ Program(L"regedit.exe"),
      /* 52 moviemaker.exe       */ Stock(VideoFiles),
      /* 53 mobsync.exe          */ Program(L"mobsync.exe"),
      /* 54 msconfig.exe         */ Program(L"msconfig.exe", Settings),
      /* 55 mspaint.exe          */ Program(L"mspaint.exe", ImageFiles),
      /* 56 msoxmled.exe         */ FileType(L".xml", DocAssoc),
      /* 57 snippingtool.exe     */ Program(L"SnippingTool.exe", ImageFiles),
      /* 58 soundrecorder.exe    */ Program(L"SoundRecorder.exe", AudioFiles),
      /* 59 sidebar.exe          */ Generic(),
      /* 60 wlstartup.exe        */ Generic(),
      /* 61 wlmail.exe           */ Generic(),
      /* 62 windowslivewriter.exe*/ Generic(),
      /* 63 wlxphotogallery.exe  */ Stock(ImageFiles),
      /* 64 wscript.exe          */ Program(L"wscript.exe"),
      /* 65 .js                  */ FileType(L".js", DocAssoc),
      /* 66 notepad++.exe        */ FileType(L".txt", DocAssoc),
      /* 67 minesweeper.exe      */ Generic(),
      // WordPad itself lives under Program Files; write.exe in the system
      // folder starts it and carries its picture.
      /* 68 wordpad.exe          */ Program(L"write.exe", DocAssoc),
      /* 69 ytd.exe              */ Stock(VideoFiles),
      /* 70 rundll32.exe         */ Program(L"rundll32.exe"),
      /* 71 stikynot.exe         */ Program(L"StikyNot.exe"),
      /* 72 solitaire.exe        */ Generic(),
      /* 73 spidersolitaire.exe  */ Generic(),
      /* 74 hh.exe               */ Program(L"hh.exe", Help),
      /* 75 icofx.exe            */ Stock(ImageFiles),
      /* 76 (no name)            */ Generic(),
      /* 77 .zip                 */ FileType(L".zip", ZipFile),
  };
}
}  // namespace

const std::vector<platform::PresetIcon>& StockImagePresets() {
  static const std::vector<platform::PresetIcon> presets = BuildPresets();
  return presets;
}

}  // namespace kalvora::tree
