#!/bin/sh
# Writes the long seeds of the fuzz targets into DEST/<target>: the four-story building's file
# with one line grown to one or two megabytes (each still a file the program opens), patches that
# put such a line into it, and numbers of thousands of digits. libFuzzer only grows an input a
# few bytes at a time, so without them long lines are never reached. They are megabytes of
# blanks and zeros: `make fuzz` makes them in its own folder rather than the repository keeping
# them.
#   usage: long_seeds.sh DEST
set -eu
dest=$1
base=$(dirname "$0")/corpus/project_file/four_stories_every_analysis.EQ
mkdir -p "$dest/project_file" "$dest/project_patch" "$dest/number_text" "$dest/picture"

# repeated COUNT CHARACTER: the character COUNT times, without a line end.
repeated() {
  head -c "$1" /dev/zero | tr '\0' "$2"
}

# with_line LINE: the building's file with line LINE (from 1) replaced by standard input.
with_line() {
  head -n $(($1 - 1)) "$base"
  cat
  printf '\r\n'
  tail -n +$(($1 + 1)) "$base"
}

mib=1048576

# The story count (line 49), 4 after two megabytes of blanks.
{ repeated $((2 * mib)) ' '; printf ' 4'; } | with_line 49 >"$dest/project_file/long-story-count.EQ"
# A truth line read as a word or a number (line 26): True amid a megabyte of blanks.
{ repeated $mib ' '; printf 'True'; repeated 4096 ' '; } |
  with_line 26 >"$dest/project_file/long-truth-line.EQ"
# The design acceleration (line 25), .25 after a megabyte of zeros.
{ printf ' '; repeated $mib '0'; printf '.25'; } | with_line 25 >"$dest/project_file/long-number.EQ"

# A box's text (line 54, a story weight) as long as a box holds: kept and written back as it is.
{ printf '220'; repeated 32764 ' '; } | with_line 54 >"$dest/project_file/longest-box-text.EQ"

# The same lines by patch, and a box's text a megabyte long, which the reader refuses.
{ printf '49='; repeated $mib '0'; printf '4\n'; } >"$dest/project_patch/long-story-count"
{ printf '26='; repeated $mib ' '; printf 'FALSE\n'; } >"$dest/project_patch/long-truth-line"
{ printf '54=220'; repeated 32764 ' '; printf '\n49= 4\n'; } >"$dest/project_patch/longest-box-text"
{ printf '54=220'; repeated $mib ' '; printf '\n49= 4\n'; } >"$dest/project_patch/long-box-text"

# Ten thousand zeros after the point, made up for by the exponent (the value is 10000); and as
# the text of a box of two decimals (the first byte chooses the picture).
{ printf ' .'; repeated 10000 '0'; printf '1E+10005'; } >"$dest/number_text/long-fraction"
{ printf '\000'; repeated 10000 '0'; printf '12.345'; } >"$dest/picture/long-leading-zeros"

# A seed that lost or gained a line would only be refused, and fuzz nothing.
lines=$(wc -l <"$base")
for seed in "$dest"/project_file/*; do
  if [ "$(wc -l <"$seed")" -ne "$lines" ]; then
    echo "$seed has $(wc -l <"$seed") lines, not $lines" >&2
    exit 1
  fi
done
