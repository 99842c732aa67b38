# Prepares a Wine prefix for the project's programs at $WINEPREFIX. Sourced
# by tools/setup.sh, for the project's prefix, and by tests that need a
# prefix of their own. The functions print nothing and hold no output open.

# Creates the prefix (about 20 s) with the X11 driver's settings that the
# program's windows and the tests rely on under Xvfb: no window manager
# decorates or manages the windows.
make_wine_prefix() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  copy_wine_fonts
}

# Wine's own fonts (Marlett draws the title bar's buttons; the others stand
# in for the Windows fonts) come in Debian's fonts-wine, but this Wine does
# not look for them in that package's folder: the prefix gets copies of the
# TrueType ones. The bitmap ones are left out: a bitmap MS Sans Serif would
# take the place of the TrueType one, which alone links to the Chinese font.
wine_fonts_missing() {
  local font
  for font in /usr/share/wine/fonts/*.ttf; do
    [[ -e "$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")" ]] || return 0
  done
  return 1
}

copy_wine_fonts() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Wine's stand-ins for the Windows dialog fonts have no Chinese glyphs: link
# them to a CJK font so the Chinese texts show. Wine puts back its own links
# for Tahoma and Microsoft Sans Serif when a program runs with another code
# page than the one before.
link_wine_cjk_font() {
  local font
  for font in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
}
