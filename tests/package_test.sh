#!/usr/bin/env bash
# Installs the build into a scratch prefix and packages it as a .deb, then
# checks that both hold the program and its manual page and that they work.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
[ -x "$scratch/prefix/bin/recgen" ] || fail "cmake --install put no bin/recgen"
[ -f "$scratch/prefix/share/man/man1/recgen.1" ] || fail "cmake --install put no share/man/man1/recgen.1"
out=$(cd "$scratch" && printf 'p.txt\n3\n' | PATH="$scratch/prefix/bin:$PATH" recgen)
[ "$out" = "Enter output file name: Enter number of records (1000): " ] || fail "installed recgen said: $out"
[ "$(grep -c $'\r$' "$scratch/p.txt")" = 3 ] || fail "installed recgen did not write 3 records"
MANPATH="$scratch/prefix/share/man" man -P cat recgen 2>/dev/null | grep -q "EXIT STATUS" || fail "man recgen shows no page"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/recgen_*.deb)
contents=$(dpkg-deb -c "$deb")
echo "$contents"
grep -q ' ./usr/bin/recgen$' <<<"$contents" || fail "the package has no /usr/bin/recgen"
grep -q ' ./usr/share/man/man1/recgen.1' <<<"$contents" || fail "the package has no manual page"
dpkg-deb -f "$deb" Package Version Depends
echo "package test passed"
