#!/bin/sh
# Tells whether LeakSanitizer works on this machine: it stops the program's threads through
# ptrace at exit, which some containers forbid. Builds a program that leaks on purpose with the
# given compiler and prints "yes" when the leak is reported, "no" otherwise.
#   usage: leak_check_probe.sh C++-COMPILER
cxx=${1:-c++}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cat > "$dir/leak.cpp" <<'PROGRAM'
#include <cstdlib>
int main()
{
  void* volatile kept = std::malloc(7);
  kept = nullptr;
  return 0;
}
PROGRAM
if "$cxx" -fsanitize=address -g "$dir/leak.cpp" -o "$dir/leak" >/dev/null 2>&1 &&
  ASAN_OPTIONS=detect_leaks=1 "$dir/leak" 2>&1 | grep -q "detected memory leaks"; then
  echo yes
else
  echo no
fi
