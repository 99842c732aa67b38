#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on a Debian 12
# machine, then builds the FFmpeg the encoder carries and prepares the
# project's Wine prefix.
# Safe to run again: each step checks first and does nothing when done.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/wine-prefix.sh"

step() { printf '\n==> %s\n' "$*"; }

# fp-utils brings chmcmd, which compiles the help files; FreeType and the
# WenQuanYi font draw the texts of the splash pictures; nsis brings
# makensis, which builds the Windows installer; locales the zh_CN.UTF-8
# locale; dpkg-dev, nasm, meson and pkg-config build FFmpeg from Debian's
# source packages.
apt_packages=(
  wine wine32:i386 g++-mingw-w64-i686 cmake make googletest libgtest-dev
  libbenchmark-dev xvfb x11-apps imagemagick ffmpeg zlib1g-dev clang
  libclang-rt-14-dev clang-tidy ca-certificates xz-utils fonts-wqy-microhei fonts-wine
  fp-utils libfreetype-dev nsis locales dpkg-dev nasm meson pkg-config
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

# Once per machine and configuration: the folder is named after the build's
# files (tools/env.sh). The lock lets a second checkout wait for the build
# and then use it.
build_ffmpeg() {
  [[ -f "$VEXMOOR_FFMPEG" ]] && return
  step "Building the encoder's FFmpeg from Debian's source into $VEXMOOR_FFMPEG_BUILD (about 5 minutes, once)"
  mkdir -p "$VEXMOOR_CACHE"
  (
    flock 9
    [[ -f "$VEXMOOR_FFMPEG" ]] || bash "$here/ffmpeg/build.sh" "$VEXMOOR_FFMPEG_BUILD"
  ) 9>"$VEXMOOR_FFMPEG_BUILD.lock"
}

# Wine takes the Windows code page from the locale's name (936 for
# zh_CN.UTF-8) even when the locale is missing, but then names files in
# ASCII: generated, the locale names them in UTF-8, so that Chinese file
# names (the installer's Start-menu entries) can be written.
generate_chinese_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return
  step "Generating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

create_wine_prefix() {
  [[ -f "$WINEPREFIX/.vexmoor-ready" ]] && return
  step "Creating the Wine prefix $WINEPREFIX (about 20 s, once)"
  make_wine_prefix
  touch "$WINEPREFIX/.vexmoor-ready"
}

# Wine puts back its own links of Tahoma and Microsoft Sans Serif whenever a
# program starts in another locale's code page, so the links are checked on
# every run rather than made once.
link_cjk_font() {
  local linked
  linked="$(grep -c '^"\(MS Sans Serif\|Microsoft Sans Serif\|Tahoma\|MS Shell Dlg\|MS Shell Dlg 2\)"=str(7):"wqy-microhei' \
    "$WINEPREFIX/system.reg" 2>/dev/null || true)"
  [[ "$linked" == 5 ]] && return
  step "Linking the Wine prefix's dialog fonts to a Chinese font"
  link_wine_cjk_font
  wineserver -w
}

# The large-fonts test sets the prefix's screen setting for its children and
# puts it back; a run cut short in between would leave every later window at
# that size, so a value left behind goes here.
reset_screen_dpi() {
  awk '/^\[/ { desktop = /^\[Control Panel\\\\Desktop\]/ } desktop && /^"LogPixels"=/ { found = 1 }
       END { exit !found }' "$WINEPREFIX/user.reg" 2>/dev/null || return 0
  step "Putting the Wine prefix's screen back to 96 dots per inch"
  wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  wineserver -w
}

# Prefixes made before Wine's own fonts were part of one get them here.
install_wine_fonts() {
  wine_fonts_missing || return 0
  step "Giving the Wine prefix Wine's own fonts"
  copy_wine_fonts
}

install_packages
generate_chinese_locale
build_ffmpeg
create_wine_prefix
link_cjk_font
reset_screen_dpi
install_wine_fonts
