#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "win/gdi.h"

namespace ui {

// A colour number laid out 0x00BBGGRR; a high byte of 0xFF names a system
// colour by its index in the low byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
constexpr TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;

COLORREF ColorToRGB(TColor color);

// Forms are laid out, and the skins' pictures drawn, for a screen of 96
// dots per inch; fonts, and the system's own metrics, follow the screen's
// setting (large fonts: 120 or 144). The program declares no awareness of
// it, so where Windows scales such a program whole it sees 96 and these
// are the identity; where it does not (Windows XP, Windows 7 with XP-style
// scaling, Wine) forms scale their layout as they are made, and the skinned
// parts that meet the system's sizes convert between the two. Fixed for the
// life of the process, which keeps the setting it started with.
int ScreenDpi();
// A length made for 96 dots per inch, as it is drawn on the screen.
int ToScreenPixels(int designPixels);
// A length measured on the screen, as it would be at 96 dots per inch.
int ToDesignPixels(int screenPixels);

// A font description and the font made from it. The font is made when first
// asked for and made again after every change; the change handler lets the
// control that uses it pass the new font on to its window.
class TFont {
 public:
  TFont() = default;
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  // In points; the pixel height follows the screen's logical resolution.
  int Size() const { return size_; }
  void SetSize(int size);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  HFONT Handle() const;
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int size_ = 8;
  bool bold_ = false;
  TColor color_ = clWindowText;
  mutable win::UniqueFont handle_;
  std::function<void()> onChange_;
};

}  // namespace ui
