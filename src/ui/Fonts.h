#pragma once
#include <windows.h>

namespace kalvora::ui {

// Owns one GDI font.
class Font {
 public:
  Font() = default;
  explicit Font(HFONT font) : font_(font) {}
  ~Font() { Reset(); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  Font& operator=(Font&& other) noexcept;

  HFONT Get() const { return font_; }
  void Reset();

 private:
  HFONT font_ = nullptr;
};

// The character height for a point size on the screen's resolution.
int PointsToHeight(int points);
// Arial, the font of the main window's controls and trees.
Font MakeArial(int points, bool bold = false);
// The same face and size as font, in bold.
Font MakeBoldOf(HFONT font);

// Pixels designed for 96 DPI, for the screen's resolution.
int ScaleForDpi(int pixels);

}  // namespace kalvora::ui
