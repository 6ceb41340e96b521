#include "ui/DialogTemplate.h"

namespace kalvora::ui {

namespace {
constexpr DWORD DialogStyle =
    DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_NOIDLEMSG;
constexpr WORD DialogFontPoints = 8;
}  // namespace

DialogTemplate::DialogTemplate(const std::wstring& caption, short width, short height) {
  Word(1);       // dlgVer
  Word(0xFFFF);  // signature of the extended template
  Dword(0);      // helpID
  Dword(0);      // exStyle
  Dword(DialogStyle);
  countIndex_ = words_.size();
  Word(0);  // cDlgItems, counted as controls are added
  Word(0);  // x and y: the dialog is placed when it opens
  Word(0);
  Word(static_cast<WORD>(width));
  Word(static_cast<WORD>(height));
  Word(0);  // no menu
  Word(0);  // the standard dialog class
  Text(caption);
  Word(DialogFontPoints);
  Word(FW_NORMAL);
  Word(0);  // italic and charset bytes
  Text(L"MS Shell Dlg");
}

void DialogTemplate::AddControl(const wchar_t* className, const std::wstring& text, WORD id, DWORD style, short x,
                                short y, short width, short height, DWORD exStyle) {
  AlignToDword();
  Dword(0);  // helpID
  Dword(exStyle);
  Dword(style | WS_CHILD | WS_VISIBLE);
  Word(static_cast<WORD>(x));
  Word(static_cast<WORD>(y));
  Word(static_cast<WORD>(width));
  Word(static_cast<WORD>(height));
  Dword(id);
  Text(className);
  Text(text);
  Word(0);  // no creation data
  ++words_[countIndex_];
}

void DialogTemplate::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void DialogTemplate::Text(const std::wstring& text) {
  words_.insert(words_.end(), text.begin(), text.end());
  Word(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) Word(0);
}

}  // namespace kalvora::ui
