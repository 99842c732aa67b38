#include "tools/skingen/skin_palette.h"

namespace skingen {

Palette MakePalette(const SkinDescription& skin) {
  Palette p;
  p.title_top = Hex(skin.title_top);
  p.title_bottom = Hex(skin.title_bottom);
  // The caption plate is a lighter cut of the title; the accent shows on
  // the ornament that ends it.
  p.plate_top = Lighter(p.title_top, 0.16);
  p.plate_bottom = Lighter(p.title_bottom, 0.14);
  p.caption = Hex(skin.caption);
  p.form = Hex(skin.form);
  p.accent = Hex(skin.accent);
  p.text = Hex(skin.text);
  p.outline = Hex(skin.outline);
  p.frame = Mix(p.title_top, p.title_bottom, 0.6);
  p.dark = Luma(p.form) < 110;
  p.face_top = p.dark ? Lighter(p.form, 0.16) : Lighter(p.form, 0.75);
  p.face_bottom = p.dark ? Darker(p.form, 0.2) : Darker(p.form, 0.07);
  p.control_border = p.dark ? Lighter(p.form, 0.3) : Mix(p.outline, p.form, 0.25);
  p.field = p.dark ? Darker(p.form, 0.35) : Lighter(p.form, 0.85);
  p.trough = p.dark ? Lighter(p.form, 0.07) : Mix(p.form, Lighter(p.title_top, 0.5), 0.35);
  p.menu = p.dark ? Lighter(p.form, 0.06) : Lighter(p.form, 0.65);
  return p;
}

std::array<Rgb, skin::kColorCount> SkinColors(const Palette& p) {
  using namespace skin;
  const Rgb selected = Mix(p.menu, p.accent, 0.35);
  const Rgb selected_text = Luma(selected) < 120 ? Rgb{255, 255, 255} : p.text;
  std::array<Rgb, kColorCount> c;
  c[kColorTrans] = FromColorRef(kTransparent);
  c[kColorTitleFont] = p.caption;
  c[kColorForm] = p.form;
  c[kColorMenuBarStart] = p.dark ? Lighter(p.form, 0.05) : Lighter(p.form, 0.4);
  c[kColorMenuBarEnd] = p.form;
  c[kColorTopSelectedMenu] = selected;
  c[kColorTopSelectedMenuBorder] = Darker(p.accent, 0.2);
  c[kColorTopSelectedMenuFont] = selected_text;
  c[kColorTopMenuFont] = p.text;
  c[kColorLeftBarStart] = Mix(p.menu, p.frame, 0.2);
  c[kColorLeftBarEnd] = Mix(p.menu, p.frame, 0.35);
  c[kColorMenuItem] = p.menu;
  c[kColorMenuItemFont] = p.text;
  c[kColorSelectedMenu] = selected;
  c[kColorSelectedMenuBorder] = Darker(p.accent, 0.2);
  c[kColorSelectedMenuFont] = selected_text;
  c[kColorToolBarStart] = p.face_top;
  c[kColorToolBarEnd] = p.face_bottom;
  c[kColorToolBarOn] = Mix(p.form, p.accent, 0.3);
  c[kColorToolBarBorder] = Darker(p.accent, 0.25);
  c[kColorToolBarDown] = Mix(p.form, p.accent, 0.5);
  c[kColorControl] = p.field;
  c[kColorControlBorder] = p.control_border;
  c[kColorControlFont] = p.text;
  c[kColorButtonFont] = p.text;
  c[kColorScrollBar] = p.trough;
  c[kColorTabControl] = p.dark ? Lighter(p.form, 0.05) : Lighter(p.form, 0.3);
  c[kColorTabControlBorder] = p.control_border;
  c[kColorTabControlActiveFont] = p.text;
  c[kColorTabControlInactiveFont] = Mix(p.text, p.form, 0.35);
  c[kColorSideChannel] = Mix(p.form, p.frame, 0.2);
  c[kColorSideChannelBorder] = p.outline;
  return c;
}

}  // namespace skingen
