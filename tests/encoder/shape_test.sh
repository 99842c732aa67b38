#!/usr/bin/env bash
# The picture keeps its shape: libm9s.exe under Wine fits each sample's
# picture, as it is shown, into H.263's frame of 12:11 pixels (4:3 shown,
# 16:11 at 128x96) with black bars, centred, and turns a phone's upright clip upright. Each
# sample shows a picture whose upper half is white and lower half grey; a
# frame of the output, decoded by the native ffmpeg to grey pixels, gives
# the black rows above and below the picture, the black columns beside it,
# and which way up it is.
# Usage: shape_test.sh <bin folder> <work folder> <run_command_line.exe>
set -uo pipefail
bin=$1 work=$2 runner=$3
rm -rf "$work"
mkdir -p "$work"
source "$(dirname "${BASH_SOURCE[0]}")/encoder_runs.sh"

# make_sample <file> <picture size> <filters> <rotation>: one second of the
# picture, upright at the size given, then put through the filters (a turn
# to store it on its side, a pixel shape), as H.264 in QuickTime. A
# rotation, when given, is written into the file's track header, as phones
# write it, by a copy.
make_sample() {
  local picture="color=c=gray:s=$2:r=25,drawbox=x=0:y=0:w=iw:h=ih/2:color=white:t=fill"
  ffmpeg -v error -y -f lavfi -i "$picture${3:+,$3}" -t 1 -c:v libx264 -preset ultrafast \
    -pix_fmt yuv420p "$1.stored.mov" </dev/null || return
  if [[ -n $4 ]]; then
    ffmpeg -v error -y -i "$1.stored.mov" -c copy -metadata:s:v:0 "rotate=$4" "$1" </dev/null
  else
    mv "$1.stored.mov" "$1"
  fi
}

# measure <file> [<input option>]: one frame from the middle of the file's
# video as the native ffmpeg shows it (turned as its file asks, unless
# -noautorotate), in grey; prints its size, the black rows at its top and
# bottom and the black columns at its left and right (every pixel darker
# than 48 of 255), and the mean brightness of the upper and the lower
# quarter of the picture between them.
measure() {
  ffmpeg -v error -ss 0.5 ${2:+"$2"} -i "$1" -frames:v 1 -pix_fmt gray -c:v pgm \
    -f image2pipe - </dev/null |
    perl -0777 -e '
      my ($w, $h, $pixels) = <STDIN> =~ /^P5\s+(\d+)\s+(\d+)\s+255\s(.*)$/s or exit 1;
      my @p = unpack "C*", $pixels;
      my $dark = sub { my ($from, $step, $count) = @_;
        for (0 .. $count - 1) { return 0 if $p[$from + $_ * $step] >= 48 } 1 };
      my $row = sub { $dark->($_[0] * $w, 1, $w) };
      my $column = sub { $dark->($_[0], $w, $h) };
      my ($top, $bottom, $left, $right) = (0, 0, 0, 0);
      $top++ while $top < $h && $row->($top);
      $bottom++ while $bottom < $h - $top && $row->($h - 1 - $bottom);
      $left++ while $left < $w && $column->($left);
      $right++ while $right < $w - $left && $column->($w - 1 - $right);
      my $mean = sub { my ($from, $to) = @_; my ($sum, $count) = (0, 0);
        for my $y ($from .. $to - 1) {
          for my $x ($left .. $w - $right - 1) { $sum += $p[$y * $w + $x]; $count++ } }
        $count ? int($sum / $count) : 0 };
      my $quarter = int(($h - $top - $bottom) / 4);
      printf "%dx%d %d %d %d %d %d %d\n", $w, $h, $top, $bottom, $left, $right,
        $mean->($top, $top + $quarter), $mean->($h - $bottom - $quarter, $h - $bottom);'
}

# within <value> <expected>: off by at most one, as the bars' edges blur
# and the padding's offset is rounded to the colour planes' even pixels.
within() { (($1 - $2 <= 1 && $2 - $1 <= 1)); }

defaults="-f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1"
while IFS='|' read -r name frame aspect picture filters rotation top bottom left right; do
  [[ -n $name ]] || continue
  file=${name//[^a-zA-Z0-9]/-}
  input="$work/$file.mov" output="$work/$file.3gp"
  if ! make_sample "$input" "$picture" "$filters" "$rotation" 2>"$work/stderr"; then
    fail "$name: the native ffmpeg could not make the sample"
    continue
  fi
  # The sample itself, as the native ffmpeg shows it, is the picture drawn,
  # upright and without bars: so the rotation is the one that turns it back.
  read -r shown t b l r upper lower <<<"$(measure "$input")"
  [[ $shown == "$picture" ]] && ((t + b + l + r == 0 && upper > lower + 60)) ||
    fail "$name: the sample shows $shown, bars $t $b $l $r, brightness $upper over $lower"

  encode "${defaults/176x144/$frame}" "$input" "$output"
  [[ $status -eq 0 ]] || { fail "$name: exit code $status"; continue; }
  [[ $(probe "$output" v:0 stream=width,height,sample_aspect_ratio,display_aspect_ratio) == \
    "${frame/x/,},12:11,$aspect" ]] ||
    fail "$name: the video is $(probe "$output" v:0 stream=width,height,sample_aspect_ratio,display_aspect_ratio)"
  # As stored: phones do not turn H.263 pictures.
  read -r shown t b l r upper lower <<<"$(measure "$output" -noautorotate)"
  within "$t" "$top" && within "$b" "$bottom" && within "$l" "$left" && within "$r" "$right" ||
    fail "$name: bars of $t rows above, $b below, $l columns left, $r right;" \
      "not $top, $bottom, $left, $right"
  ((upper > lower + 60)) || fail "$name: the picture is not upright (upper $upper, lower $lower)"
done <<LIST
16:9 letterboxed|176x144|4:3|320x180|||18|18|0|0
4:3 fills the frame|176x144|4:3|320x240|||0|0|0|0
16:9 of pixels 64:45 wide, as PAL DVDs store it|176x144|4:3|720x576|setsar=64/45||18|18|0|0
16:9 in the large frame|352x288|4:3|640x360|||36|36|0|0
16:9 in the small frame|128x96|16:11|320x180|||8|10|0|0
phone held upright, turned a quarter clockwise|176x144|4:3|180x320|transpose=cclock|270|0|0|50|52
phone held upright, turned a quarter counterclockwise|176x144|4:3|180x320|transpose=clock|90|0|0|50|52
LIST

exit $((failures > 0))
