#!/usr/bin/env bash
# Builds the ffmpeg.exe that libm9s.exe carries, for 32-bit Windows and
# linked statically, from Debian's source packages of FFmpeg and of the
# libraries it uses: dav1d (AV1), opencore-amr (AMR-NB) and zlib. FFmpeg's
# own options are configuration.txt in this folder.
#
# Writes the folder OUTPUT, which must not exist yet:
#   ffmpeg.exe
#   source/debian/        the source packages as Debian publishes them
#   source/ffmpeg/        this folder: the build script and its files
#   source/build-record.txt   the packages' versions and SHA-256 checksums,
#                         the tools, each library's options and FFmpeg's
#                         configure line
# source/ is what the GPL asks to hand out with the binary. The work is
# done in OUTPUT.work, which a failed build leaves for a look and the next
# build replaces; OUTPUT appears only when everything is done.
#
# Usage: build.sh OUTPUT [PACKAGES]
#   PACKAGES: a folder holding the source packages already (source/debian
#   of an earlier build or of the source archive); without it they are
#   fetched from Debian's archive.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
output=$1 packages_from=${2:-}
[[ ! -e $output ]] || { echo "build.sh: $output exists already" >&2; exit 2; }

host=i686-w64-mingw32
jobs=$(nproc)
source_packages=(ffmpeg dav1d opencore-amr zlib)
work=$output.work
debian=$work/out/source/debian
prefix=$work/prefix  # where the libraries are installed for FFmpeg to find
logs=$work/logs
started=$SECONDS

rm -rf "$work"
mkdir -p "$debian" "$prefix" "$logs" "$work/apt/lists/partial" "$work/apt/cache" "$work/src"

step() { printf '==> %s\n' "$*"; }

# Runs a command with its output going to a log; on failure shows the end
# of the log and stops.
logged() {  # logged <log name> <command>...
  local log=$logs/$1.log
  shift
  "$@" >>"$log" 2>&1 || fail_with_log "$log"
}

fail_with_log() {
  tail -n 30 "$1" >&2
  printf 'build.sh: failed; the whole log is %s\n' "$1" >&2
  exit 1
}

# Runs a build whose output names each object it compiles on a line that
# matches PATTERN, and says how many of TOTAL are done at each tenth.
with_progress() {  # with_progress <log name> <total> <pattern> <command>...
  local log=$logs/$1.log total=$2 pattern=$3
  shift 3
  local done=0 tenths=0 line
  if ! "$@" 2>&1 | while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    [[ $line =~ $pattern ]] || continue
    done=$((done + 1))
    if ((done * 10 / total > tenths)); then
      tenths=$((done * 10 / total))
      printf '    %3d%%  %d of %d objects compiled\n' $((tenths * 10)) "$done" "$total"
    fi
  done; then
    fail_with_log "$log"
  fi
}

# apt checks the archive's signature on the package lists and every file
# against the lists' SHA-256. Its own sources, lists and caches leave the
# machine's apt set-up alone; it downloads as root into a folder its
# sandbox user could not reach.
fetch_packages() {
  step "Fetching the source packages ${source_packages[*]} from Debian"
  local apt=(apt-get -q -o "Dir::Etc::sourcelist=$here/debian-sources.list"
    -o Dir::Etc::sourceparts=- -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache" -o APT::Sandbox::User=root)
  logged fetch "${apt[@]}" update
  (cd "$debian" && logged fetch "${apt[@]}" source --download-only "${source_packages[@]}")
}

field() {  # field <.dsc> <name>: a field of a Debian source control file
  sed -n "s/^$2: *//p" "$1" | head -n 1
}

dsc_of() { ls "$debian/$1"_*.dsc; }

# dpkg-source checks each file against the .dsc's checksums and applies
# Debian's patches.
unpack_packages() {
  step "Unpacking them with Debian's patches"
  local name
  for name in "${source_packages[@]}"; do
    logged unpack dpkg-source --require-strong-checksums --no-copy -x "$(dsc_of "$name")" "$work/src/$name"
  done
}

version_of() { field "$(dsc_of "$1")" Version; }

# The build of each library, as the record shows it.
zlib_configure=(./configure --static "--prefix=$prefix")
opencore_configure=(./configure "--host=$host" "--prefix=$prefix" --enable-static --disable-shared)
dav1d_setup=(meson setup build "--cross-file=$here/$host.meson" "--prefix=$prefix" --libdir=lib
  --buildtype=release --default-library=static -Denable_tools=false -Denable_tests=false)

build_zlib() {
  step "Building zlib $(version_of zlib)"
  cd "$work/src/zlib"
  CHOST=$host logged zlib "${zlib_configure[@]}"
  logged zlib make -j"$jobs" install
}

build_opencore_amr() {
  step "Building opencore-amr $(version_of opencore-amr) (about half a minute)"
  cd "$work/src/opencore-amr"
  logged opencore-amr "${opencore_configure[@]}"
  logged opencore-amr make -j"$jobs" install
}

build_dav1d() {
  step "Building dav1d $(version_of dav1d) (about half a minute)"
  cd "$work/src/dav1d"
  logged dav1d "${dav1d_setup[@]}"
  local compiling='^\[[0-9]+/[0-9]+\] Compiling' total
  total=$(ninja -C build -n | grep -cE "$compiling")
  with_progress dav1d "$total" "$compiling" ninja -C build -j"$jobs"
  logged dav1d ninja -C build install
}

# The Debian revision goes after FFmpeg's version, as in Debian's own
# build: "ffmpeg version 5.1.9-0+deb12u1".
ffmpeg_configure() {
  local version revision
  version=$(version_of ffmpeg)
  revision=${version##*-}
  printf '%s\n' ./configure "--cross-prefix=$host-" --arch=x86 --target-os=mingw32 \
    --pkg-config=pkg-config --pkg-config-flags=--static --extra-ldflags=-static \
    "--extra-version=$revision"
  sed -e 's/#.*//' -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' "$here/configuration.txt" |
    grep -v '^$'
}

build_ffmpeg() {
  step "Configuring FFmpeg $(version_of ffmpeg)"
  cd "$work/src/ffmpeg"
  local configure
  mapfile -t configure < <(ffmpeg_configure)
  # configure looks for opencore-amr without pkg-config, so the compiler
  # is told where the libraries are; from the environment, which keeps
  # the work folder's path out of the configure line that ffmpeg -version
  # shows.
  PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig CPPFLAGS=-I$prefix/include LDFLAGS=-L$prefix/lib \
    logged ffmpeg-configure "${configure[@]}"
  # A name configure does not know would quietly build without it.
  if grep -i 'did not match anything' "$logs/ffmpeg-configure.log" >&2; then
    exit 1
  fi
  step "Compiling FFmpeg (a few minutes)"
  local total
  total=$(make -n ffmpeg.exe | grep -cE '^printf "(CC|X86ASM)')
  with_progress ffmpeg "$total" '^(CC|X86ASM)[[:space:]]' make -j"$jobs" ffmpeg.exe
  cp ffmpeg.exe "$work/out/ffmpeg.exe"
}

# The files of a source package: its .dsc and the files the .dsc lists.
package_files() {
  local dsc
  dsc=$(dsc_of "$1")
  basename "$dsc"
  awk '/^Checksums-Sha256:/ { listed = 1; next } listed && /^ / { print $3; next } { listed = 0 }' "$dsc"
}

# A command of the build, its options one a line, with the work folder's
# paths replaced by names the record explains.
print_command() {
  local word
  printf ' '
  for word in "$@"; do
    word=${word//$prefix/PREFIX}
    [[ $word == -* ]] && printf ' \\\n   '
    printf ' %s' "${word//$here/ffmpeg}"
  done
  printf '\n'
}

write_record() {
  local name file configure
  mapfile -t configure < <(ffmpeg_configure)
  {
    printf '%s\n' "ffmpeg.exe, which Vexmoor's encoder libm9s.exe carries, was built by" \
      "ffmpeg/build.sh from these Debian source packages (debian/), unpacked with" \
      "dpkg-source -x, which applies Debian's patches. To build it again from" \
      "them on Debian 12: bash ffmpeg/build.sh OUTPUT debian" ""
    for name in "${source_packages[@]}"; do
      printf '%s %s\n' "$name" "$(version_of "$name")"
      for file in $(package_files "$name"); do
        printf '  %s  %s\n' "$(sha256sum <"$debian/$file" | cut -d' ' -f1)" "$file"
      done
    done
    printf '\nTools: %s; NASM %s; Meson %s.\n' "$($host-gcc --version | head -n 1)" \
      "$(nasm -v | awk '{ print $3 }')" "$(meson --version)"
    printf '%s\n' "" "PREFIX is the folder the libraries are installed into, and ffmpeg/ this" \
      "archive's folder of the build script." "" "zlib, in its folder, with CHOST=$host:"
    print_command "${zlib_configure[@]}"
    printf '  make install\n\nopencore-amr, in its folder:\n'
    print_command "${opencore_configure[@]}"
    printf '  make install\n\ndav1d, in its folder:\n'
    print_command "${dav1d_setup[@]}"
    printf '  ninja -C build install\n\n'
    printf 'FFmpeg, in its folder, with PKG_CONFIG_LIBDIR=PREFIX/lib/pkgconfig,\n'
    printf 'CPPFLAGS=-IPREFIX/include and LDFLAGS=-LPREFIX/lib:\n'
    print_command "${configure[@]}"
    printf '  make ffmpeg.exe\n\n'
    printf 'ffmpeg.exe: %s bytes, SHA-256 %s\n' "$(stat -c %s "$work/out/ffmpeg.exe")" \
      "$(sha256sum <"$work/out/ffmpeg.exe" | cut -d' ' -f1)"
  } >"$work/out/source/build-record.txt"
}

if [[ -n $packages_from ]]; then
  step "Taking the source packages from $packages_from"
  cp "$packages_from"/* "$debian/"
else
  fetch_packages
fi
unpack_packages
build_zlib
build_opencore_amr
build_dav1d
build_ffmpeg
cp -r "$here" "$work/out/source/ffmpeg"
write_record
mv "$work/out" "$output"
rm -rf "$work"
printf '    ffmpeg.exe built in %d min %d s: %s\n' $(((SECONDS - started) / 60)) \
  $(((SECONDS - started) % 60)) "$output/ffmpeg.exe"
