#!/bin/bash
# Checks that every Debian package a configured build takes something from is in the project's
# package list (PACKAGES in the Makefile), so that `make deps` on a fresh Debian machine installs
# all of it. It looks, in BUILD-DIR/CMakeCache.txt, at
#   - every CMake package found (<Name>_DIR): the configuration file it loaded from that folder,
#   - every pkg-config module found: the .pc file pkg-config reads for it,
#   - every program found (compilers, build tools, find_program), symbolic links followed,
# and at the font file fontconfig gives for the first family of the program's fonts and of the
# report's fonts (kProgramFontFamilies, kReportFontFamilies in the sources). It finds the package
# owning each file and fails when that package is not covered by the list:
#   - a listed package covers itself and its direct Depends and Pre-Depends (g++ covers g++-12),
#     alternatives included; not their dependencies in turn, and never their Recommends or
#     Suggests, since `make deps` installs without recommends;
#   - a package covers what it Provides;
#   - Essential packages (dpkg, gzip, ...) are on every Debian system and count as covered.
# A file no package owns fails too (a copy installed by hand, in /usr/local or elsewhere, is not
# there on a fresh machine), unless it lies inside the source or the build folder.
#
#   usage: check_packages.sh [--verbose] BUILD-DIR PACKAGE...
# Prints what is missing and a summary; --verbose prints a line for every file checked.
# Exit status: 0 when everything is covered, 1 when something is not, 2 when it cannot check.

set -u
export LC_ALL=C

me=check_packages
verbose=0
if [ "${1:-}" = --verbose ]; then
  verbose=1
  shift
fi
if [ $# -lt 1 ]; then
  echo "usage: $me.sh [--verbose] BUILD-DIR PACKAGE..." >&2
  exit 2
fi
cache=$1/CMakeCache.txt
shift
listed=("$@")
if [ ! -r "$cache" ]; then
  echo "$me: $cache does not exist; configure the build first" >&2
  exit 2
fi
for tool in dpkg-query fc-match; do
  if ! command -v "$tool" >/dev/null; then
    echo "$me: $tool is not installed; it is needed to check the packages" >&2
    exit 2
  fi
done

# ---- What the build used -------------------------------------------------------------------
# Each thing checked: its kind, its name and the file it came from. A thing whose file cannot
# be found is a problem of its own.
kinds=() names=() files=() problems=()
add() { kinds+=("$1") names+=("$2") files+=("$3"); }

declare -A value comment
keys=() types=()
doc=""
while IFS= read -r line; do
  case $line in
    //*) doc+=${line#//}; continue ;;
    '#'* | '') doc=""; continue ;;
  esac
  entry=${line%%=*}
  key=${entry%:*}
  keys+=("$key")
  types+=("${entry##*:}")
  value[$key]=${line#*=}
  comment[$key]=$doc
  doc=""
done <"$cache"

build=${value[CMAKE_CACHEFILE_DIR]:-}
source_dir=${value[CMAKE_HOME_DIRECTORY]:-}

# The configuration file CMake loads from a package folder, in the order it looks for them.
config_file() {
  local name=$1 dir=$2 f
  for f in "$dir/${name}Config.cmake" "$dir/${name,,}-config.cmake"; do
    if [ -f "$f" ]; then
      echo "$f"
      return 0
    fi
  done
  return 1
}

# Whether a program entry names a library rather than a program (find_library, pkg-config).
is_library() {
  case $1 in *_LIBRARY | *_LIBRARY_* | *_LIBRARIES | pkgcfg_lib_*) return 0 ;; esac
  case ${2##*/} in *.so | *.so.* | *.a) return 0 ;; esac
  return 1
}

pkg_config=${value[PKG_CONFIG_EXECUTABLE]:-pkg-config}
for ((k = 0; k < ${#keys[@]}; ++k)); do
  key=${keys[k]}
  v=${value[$key]}
  type=${types[k]}
  case $v in '' | *-NOTFOUND) continue ;; esac
  case $key:$type in
    *_DIR:PATH | *_DIR:UNINITIALIZED)
      name=${key%_DIR}
      if f=$(config_file "$name" "$v"); then
        add "CMake package" "$name" "$f"
      elif [[ ${comment[$key]} == *"configuration file for $name."* ]]; then
        problems+=("CMake package $name: $v holds neither ${name}Config.cmake nor ${name,,}-config.cmake")
      fi
      ;;
    __pkg_config_checked_*:INTERNAL)
      prefix=${key#__pkg_config_checked_}
      [ "${value[${prefix}_FOUND]:-}" = 1 ] || continue
      modules=()
      if [ -n "${value[${prefix}_MODULE_NAME]:-}" ]; then
        modules=("${value[${prefix}_MODULE_NAME]}")
      else
        for m in "${keys[@]}"; do
          if [[ $m == "${prefix}"_*_MODULE_NAME && -n ${value[$m]} ]]; then
            modules+=("${value[$m]}")
          fi
        done
      fi
      for m in "${modules[@]}"; do
        if dir=$("$pkg_config" --variable=pcfiledir "$m" 2>/dev/null) && [ -f "$dir/$m.pc" ]; then
          add "pkg-config module" "$m" "$dir/$m.pc"
        else
          problems+=("pkg-config module $m (found by the build as $prefix): pkg-config no longer finds its .pc file")
        fi
      done
      ;;
    *:FILEPATH | CMAKE_COMMAND:INTERNAL | CMAKE_CTEST_COMMAND:INTERNAL | CMAKE_CPACK_COMMAND:INTERNAL)
      f=$(readlink -f -- "$v") || continue
      if [ -f "$f" ] && [ -x "$f" ] && ! is_library "$key" "$f"; then
        add program "$key" "$f"
      fi
      ;;
  esac
done

# The first family of a font list in a header: the first string after the constant's name.
first_family() {
  awk -v name="$2" '$0 ~ name "[ \t]*=" { on = 1 } on { text = text $0 } on && /;/ { exit }
                    END { if (match(text, /"[^"]*"/)) print substr(text, RSTART + 1, RLENGTH - 2) }' "$1"
}
for constant in kProgramFontFamilies kReportFontFamilies; do
  # The header that defines the list, wherever it lies among the sources.
  header=$(grep -rlE --include='*.h' "$constant[[:space:]]*=" "$source_dir/src" 2>/dev/null | head -n 1)
  family=$([ -n "$header" ] && first_family "$header" "$constant" 2>/dev/null)
  if [ -z "$family" ]; then
    problems+=("font: no font family found in $constant of the sources in $source_dir/src")
    continue
  fi
  match=$(fc-match -f '%{file}\n%{family}\n' "$family")
  f=${match%%$'\n'*}
  given=${match#*$'\n'}
  given=${given%$'\n'}
  if [[ ",$given," != *",$family,"* ]]; then
    problems+=("font \"$family\" ($constant): not installed; fontconfig gives $f ($given) instead")
    continue
  fi
  add font "$family" "$f"
done

# ---- The packages owning them --------------------------------------------------------------
# Debian 12 still registers some files under /bin and /lib, which are links to /usr/bin and
# /usr/lib: a file under /usr is also looked up without it.
unmerged() {
  case $1 in /usr/bin/* | /usr/sbin/* | /usr/lib/* | /usr/lib64/*) echo "${1#/usr}" ;; *) echo "$1" ;; esac
}
declare -A owners
paths=()
for f in "${files[@]}"; do
  paths+=("$f" "$(unmerged "$f")")
done
if [ ${#paths[@]} -gt 0 ]; then
  while IFS= read -r line; do
    case $line in 'diversion by '*) continue ;; esac
    owners[/${line#*: /}]=${line%%: /*}
  done < <(dpkg-query --search -- "${paths[@]}" 2>/dev/null)
fi

# Why each covered package is covered.
declare -A covered recommended
for p in "${listed[@]}"; do
  covered[$p]="listed"
done
# The names in a dependency field: alternatives split, versions and architectures dropped.
relation_names() {
  tr ',|' '\n' <<<"$1" | sed -e 's/(.*)//' -e 's/:[a-z0-9-]*//' -e 's/[[:space:]]//g' | grep -v '^$'
}
if [ ${#listed[@]} -gt 0 ]; then
  while IFS=$'\t' read -r parent depends recommends; do
    for d in $(relation_names "$depends"); do
      [ -n "${covered[$d]:-}" ] || covered[$d]="a dependency of $parent"
    done
    for r in $(relation_names "$recommends"); do
      [ -n "${recommended[$r]:-}" ] || recommended[$r]=$parent
    done
  done < <(dpkg-query -W -f='${Package}\t${Depends}, ${Pre-Depends}\t${Recommends}\n' -- "${listed[@]}" 2>/dev/null)
fi

# Why a package is covered, or nothing.
coverage() {
  local p=${1%%:*} essential provides v
  if [ -n "${covered[$p]:-}" ]; then
    echo "${covered[$p]}"
    return
  fi
  IFS=$'\t' read -r essential provides < <(dpkg-query -W -f='${Essential}\t${Provides}\n' -- "$p" 2>/dev/null)
  if [ "${essential:-}" = yes ]; then
    echo "essential"
    return
  fi
  for v in $(relation_names "${provides:-}"); do
    if [ -n "${covered[$v]:-}" ]; then
      echo "provides $v: ${covered[$v]}"
      return
    fi
  done
}

# ---- Verdicts ------------------------------------------------------------------------------
failures=("${problems[@]}")
declare -A counts
for ((k = 0; k < ${#files[@]}; ++k)); do
  what="${kinds[k]} ${names[k]}"
  f=${files[k]}
  counts[${kinds[k]}]=$((${counts[${kinds[k]}]:-0} + 1))
  owner=${owners[$f]:-${owners[$(unmerged "$f")]:-}}
  if [ -z "$owner" ]; then
    if [[ -n $build && $f == "$build"/* ]] || [[ -n $source_dir && $f == "$source_dir"/* ]]; then
      [ $verbose = 0 ] || printf 'ok       %-40s %s (part of the project)\n' "$what" "$f"
    else
      failures+=("$what: $f belongs to no Debian package (installed by hand?); a fresh machine does not have it")
    fi
    continue
  fi
  verdict="" missing=()
  for o in ${owner//,/ }; do
    why=$(coverage "$o")
    if [ -n "$why" ]; then
      verdict="${o%%:*} ($why)"
      break
    fi
    missing+=("${o%%:*}")
  done
  if [ -n "$verdict" ]; then
    [ $verbose = 0 ] || printf 'ok       %-40s %s  %s\n' "$what" "$f" "$verdict"
    continue
  fi
  for o in "${missing[@]}"; do
    note=""
    if [ -n "${recommended[$o]:-}" ]; then
      note=" (${recommended[$o]} only recommends it, and make deps installs without recommends)"
    fi
    failures+=("$what: $f belongs to $o, which is not in the package list$note")
  done
done

summary="${counts[CMake package]:-0} CMake packages, ${counts[pkg-config module]:-0} pkg-config modules, ${counts[program]:-0} programs, ${counts[font]:-0} fonts"
if [ ${#failures[@]} -gt 0 ]; then
  for failure in "${failures[@]}"; do
    echo "MISSING  $failure" >&2
  done
  echo "$me: ${#failures[@]} of what the build uses ($summary) is not covered by the package list" >&2
  exit 1
fi
echo "Packages: everything the build uses ($summary) comes from the package list."
