#!/bin/bash
# check_packages.sh against the configured build and against a made-up one.
#   usage: check_packages_test.sh SOURCE-DIR BUILD-DIR
set -u
source_dir=$1
build=$2
check=$source_dir/tests/support/check_packages.sh
failed=0
fail() {
  printf 'FAILED: %s\n' "$*"
  failed=1
}

packages=$(MAKEFLAGS='' make -s --no-print-directory -C "$source_dir" print-packages) || exit 1
read -ra listed <<<"$packages"

# The Makefile's list covers everything the build uses.
out=$(bash "$check" "$build" "${listed[@]}" 2>&1) || fail "the Makefile's list is not enough: $out"

# Without libqt6opengl6-dev, which qt6-base-dev only recommends, Qt's OpenGL package is missing,
# and nothing else is.
without=()
for p in "${listed[@]}"; do
  [ "$p" = libqt6opengl6-dev ] || without+=("$p")
done
[ ${#without[@]} -lt ${#listed[@]} ] || fail "the Makefile's list does not name libqt6opengl6-dev"
if out=$(bash "$check" "$build" "${without[@]}" 2>&1); then
  fail "passes without libqt6opengl6-dev: $out"
else
  grep -q '^MISSING  CMake package Qt6OpenGL: .*/Qt6OpenGLConfig.cmake belongs to libqt6opengl6-dev,.*qt6-base-dev only recommends it' <<<"$out" ||
    fail "does not name Qt6OpenGLConfig.cmake and libqt6opengl6-dev: $out"
  [ "$(grep -c '^MISSING' <<<"$out")" = 1 ] || fail "more than libqt6opengl6-dev is missing: $out"
fi

# A made-up build: a pkg-config module, a program no package owns, a program of the build's own,
# a package folder without its configuration file; its sources ask for a font that is not
# installed (fontconfig still gives a file, of another family) and lack the report's fonts.
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/build" "$tmp/elsewhere" "$tmp/source/src/somewhere"
printf 'inline constexpr std::array<const char*, 2> kProgramFontFamilies = {\n    "Vorn Nowhere Sans", "DejaVu Sans"};\n' \
  >"$tmp/source/src/somewhere/fonts_view.h"
printf '#!/bin/sh\n' >"$tmp/elsewhere/tool"
cp "$tmp/elsewhere/tool" "$tmp/build/own-tool"
chmod +x "$tmp/elsewhere/tool" "$tmp/build/own-tool"
cat >"$tmp/build/CMakeCache.txt" <<CACHE
CMAKE_CACHEFILE_DIR:INTERNAL=$tmp/build
CMAKE_HOME_DIRECTORY:INTERNAL=$tmp/source
__pkg_config_checked_GT:INTERNAL=1
GT_FOUND:INTERNAL=1
GT_MODULE_NAME:INTERNAL=gtest
__pkg_config_checked_GONE:INTERNAL=1
GONE_FOUND:INTERNAL=
GONE_MODULE_NAME:INTERNAL=
HAND_TOOL:FILEPATH=$tmp/elsewhere/tool
OWN_TOOL:FILEPATH=$tmp/build/own-tool
//The directory containing a CMake configuration file for Empty.
Empty_DIR:PATH=$tmp/elsewhere
CACHE
if out=$(bash "$check" --verbose "$tmp/build" "${listed[@]}" 2>&1); then
  fail "passes a program no package owns: $out"
else
  grep -q '^ok .*pkg-config module gtest .*/gtest.pc  libgtest-dev (listed)' <<<"$out" ||
    fail "does not find the .pc file of gtest: $out"
  grep -q "^MISSING  program HAND_TOOL: $tmp/elsewhere/tool belongs to no Debian package" <<<"$out" ||
    fail "does not name the program no package owns: $out"
  grep -q "^MISSING  CMake package Empty: $tmp/elsewhere holds neither" <<<"$out" ||
    fail "does not name the package folder without a configuration file: $out"
  grep -q '^ok .*program OWN_TOOL .*(part of the project)' <<<"$out" ||
    fail "does not take the build's own program as part of the project: $out"
  grep -q '^MISSING  font "Vorn Nowhere Sans" (kProgramFontFamilies): not installed' <<<"$out" ||
    fail "takes the font fontconfig falls back on for the one asked for: $out"
  grep -q '^MISSING  font: no font family found in kReportFontFamilies' <<<"$out" ||
    fail "does not say that the report's fonts are not found: $out"
  [ "$(grep -c '^MISSING' <<<"$out")" = 4 ] || fail "more is missing than expected: $out"
fi
exit $failed
