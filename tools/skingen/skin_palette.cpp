#include "tools/skingen/skin_palette.h"

namespace skingen {

Palette MakePalette(const SkinDescription& skin) {
  Palette p;
  p.titleTop = Hex(skin.titleTop);
  p.titleBottom = Hex(skin.titleBottom);
  // The caption plate is a lighter cut of the title; the accent shows on
  // the ornament that ends it.
  p.plateTop = Lighter(p.titleTop, 0.16);
  p.plateBottom = Lighter(p.titleBottom, 0.14);
  p.caption = Hex(skin.caption);
  p.form = Hex(skin.form);
  p.accent = Hex(skin.accent);
  p.text = Hex(skin.text);
  p.outline = Hex(skin.outline);
  p.frame = Mix(p.titleTop, p.titleBottom, 0.6);
  p.dark = Luma(p.form) < 110;
  p.faceTop = p.dark ? Lighter(p.form, 0.16) : Lighter(p.form, 0.75);
  p.faceBottom = p.dark ? Darker(p.form, 0.2) : Darker(p.form, 0.07);
  p.controlBorder = p.dark ? Lighter(p.form, 0.3) : Mix(p.outline, p.form, 0.25);
  p.field = p.dark ? Darker(p.form, 0.35) : Lighter(p.form, 0.85);
  p.trough = p.dark ? Lighter(p.form, 0.07) : Mix(p.form, Lighter(p.titleTop, 0.5), 0.35);
  p.menu = p.dark ? Lighter(p.form, 0.06) : Lighter(p.form, 0.65);
  return p;
}

std::array<Rgb, skin::kColorCount> SkinColors(const Palette& p) {
  using namespace skin;
  const Rgb selected = Mix(p.menu, p.accent, 0.35);
  const Rgb selectedText = Luma(selected) < 120 ? Rgb{255, 255, 255} : p.text;
  std::array<Rgb, kColorCount> c;
  c[kColorTrans] = FromColorRef(kTransparent);
  c[kColorTitleFont] = p.caption;
  c[kColorForm] = p.form;
  c[kColorMenuBarStart] = p.dark ? Lighter(p.form, 0.05) : Lighter(p.form, 0.4);
  c[kColorMenuBarEnd] = p.form;
  c[kColorTopSelectedMenu] = selected;
  c[kColorTopSelectedMenuBorder] = Darker(p.accent, 0.2);
  c[kColorTopSelectedMenuFont] = selectedText;
  c[kColorTopMenuFont] = p.text;
  c[kColorLeftBarStart] = Mix(p.menu, p.frame, 0.2);
  c[kColorLeftBarEnd] = Mix(p.menu, p.frame, 0.35);
  c[kColorMenuItem] = p.menu;
  c[kColorMenuItemFont] = p.text;
  c[kColorSelectedMenu] = selected;
  c[kColorSelectedMenuBorder] = Darker(p.accent, 0.2);
  c[kColorSelectedMenuFont] = selectedText;
  c[kColorToolBarStart] = p.faceTop;
  c[kColorToolBarEnd] = p.faceBottom;
  c[kColorToolBarOn] = Mix(p.form, p.accent, 0.3);
  c[kColorToolBarBorder] = Darker(p.accent, 0.25);
  c[kColorToolBarDown] = Mix(p.form, p.accent, 0.5);
  c[kColorControl] = p.field;
  c[kColorControlBorder] = p.controlBorder;
  c[kColorControlFont] = p.text;
  c[kColorButtonFont] = p.text;
  c[kColorScrollBar] = p.trough;
  c[kColorTabControl] = p.dark ? Lighter(p.form, 0.05) : Lighter(p.form, 0.3);
  c[kColorTabControlBorder] = p.controlBorder;
  c[kColorTabControlActiveFont] = p.text;
  c[kColorTabControlInactiveFont] = Mix(p.text, p.form, 0.35);
  c[kColorSideChannel] = Mix(p.form, p.frame, 0.2);
  c[kColorSideChannelBorder] = p.outline;
  return c;
}

}  // namespace skingen
