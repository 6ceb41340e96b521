#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kalvora::ui {

// Builds an extended dialog template in memory, so that dialogs are real
// "#32770" dialogs without a resource script per dialog. Coordinates are
// dialog units.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& caption, short width, short height);

  void AddControl(const wchar_t* className, const std::wstring& text, WORD id, DWORD style, short x, short y,
                  short width, short height, DWORD exStyle = 0);

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value);
  void Text(const std::wstring& text);
  void AlignToDword();

  std::vector<WORD> words_;
  size_t countIndex_ = 0;
};

}  // namespace kalvora::ui
