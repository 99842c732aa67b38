#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on a Debian 12
# machine, then prepares the encoder package and the project's Wine prefix.
# Safe to run again: each step checks first and does nothing when done.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/env.sh"

step() { printf '\n==> %s\n' "$*"; }

# fp-utils brings chmcmd, which compiles the help files; FreeType and the
# WenQuanYi font draw the texts of the splash pictures.
apt_packages=(
  wine wine32:i386 g++-mingw-w64-i686 cmake make googletest libgtest-dev
  libbenchmark-dev xvfb x11-apps imagemagick ffmpeg zlib1g-dev clang
  libclang-rt-14-dev nodejs npm ca-certificates xz-utils fonts-wqy-microhei
  fonts-wine fp-utils libfreetype-dev
)

install_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    step "Adding the i386 architecture"
    dpkg --add-architecture i386
    rm -f /var/lib/apt/lists/.vexmoor-updated
  fi
  local missing=()
  for p in "${apt_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  # npm ships with Debian's nodejs on some images; an installed node is enough.
  if command -v npm >/dev/null; then
    local kept=()
    for p in "${missing[@]}"; do [[ $p == nodejs || $p == npm ]] || kept+=("$p"); done
    missing=("${kept[@]+"${kept[@]}"}")
  fi
  [[ ${#missing[@]} -eq 0 ]] && return
  step "Installing ${missing[*]} (this takes a few minutes the first time)"
  export DEBIAN_FRONTEND=noninteractive
  if [[ ! -e /var/lib/apt/lists/.vexmoor-updated ]]; then
    apt-get update -q
    touch /var/lib/apt/lists/.vexmoor-updated
  fi
  apt-get install -y -q --no-install-recommends -o Dpkg::Progress-Fancy=0 \
    -o APT::Status-Fd=1 "${missing[@]}" | grep --line-buffered -E '^(pmstatus|Setting up|E:)' |
    awk -F: '/^pmstatus/ { printf "\r  %3d%% %-60.60s", $3, $4; fflush(); next } { print }'
  echo
}

fetch_ffmpeg() {
  if [[ -f "$VEXMOOR_FFMPEG" ]] && echo "$FFMPEG_EXE_SHA256  $VEXMOOR_FFMPEG" | sha256sum -c --status; then
    return
  fi
  step "Fetching the encoder package @ffmpeg-installer/win32-ia32@$FFMPEG_PACKAGE_VERSION"
  local work
  work="$(mktemp -d)"
  (cd "$work" && npm pack --silent "@ffmpeg-installer/win32-ia32@$FFMPEG_PACKAGE_VERSION" >/dev/null)
  local tgz="$work/ffmpeg-installer-win32-ia32-$FFMPEG_PACKAGE_VERSION.tgz"
  echo "$FFMPEG_PACKAGE_SHA256  $tgz" | sha256sum -c --quiet
  tar -xzf "$tgz" -C "$work" package/ffmpeg.exe
  echo "$FFMPEG_EXE_SHA256  $work/package/ffmpeg.exe" | sha256sum -c --quiet
  mkdir -p "$(dirname "$VEXMOOR_FFMPEG")"
  mv "$work/package/ffmpeg.exe" "$VEXMOOR_FFMPEG"
  rm -rf "$work"
}

create_wine_prefix() {
  [[ -f "$WINEPREFIX/.vexmoor-ready" ]] && return
  step "Creating the Wine prefix $WINEPREFIX (about 20 s, once)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vexmoor-ready"
}

# Wine's stand-ins for the Windows dialog fonts have no Chinese glyphs: link
# them to a CJK font so the Chinese texts show. Wine writes its own links of
# Tahoma and Microsoft Sans Serif (the caption and menu fonts) again
# whenever a program starts in another locale's code page, so the links
# are checked on every run rather than made once.
link_cjk_font() {
  local linked
  linked="$(grep -c '^"\(MS Sans Serif\|Microsoft Sans Serif\|Tahoma\|MS Shell Dlg\|MS Shell Dlg 2\)"=str(7):"wqy-microhei' \
    "$WINEPREFIX/system.reg" 2>/dev/null || true)"
  [[ "$linked" == 5 ]] && return
  step "Linking the Wine prefix's dialog fonts to a Chinese font"
  local font
  for font in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  wineserver -w
}

# Wine's own fonts (Marlett draws the title bar's buttons; the others stand
# in for the Windows fonts) come in Debian's fonts-wine, but this Wine does
# not look for them in that package's folder: the prefix gets copies of the
# TrueType ones. The bitmap ones are left out: a bitmap MS Sans Serif would
# take the place of the TrueType one, which alone links to the Chinese font.
install_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font missing=()
  for font in /usr/share/wine/fonts/*.ttf; do
    [[ -e "$fonts/$(basename "$font")" ]] || missing+=("$font")
  done
  [[ ${#missing[@]} -eq 0 ]] && return
  step "Giving the Wine prefix Wine's own fonts"
  mkdir -p "$fonts"
  cp "${missing[@]}" "$fonts/"
}

install_packages
fetch_ffmpeg
create_wine_prefix
link_cjk_font
install_wine_fonts
