#!/usr/bin/env bash
# Prints the lines of the tests against the lines of the program, and their
# ratio. Tests: every file under tests/ and fuzz/ except the CMake files and
# the help-file data of tests/aide/chm/. Program: the .cpp and .h of the
# program's folders.
set -euo pipefail
cd "$(dirname "$0")/.."
compte() { if [ $# -eq 0 ]; then echo 0; else cat "$@" | wc -l; fi; }
mapfile -t essais < <(git ls-files tests fuzz | grep -v -e '/CMakeLists\.txt$' -e '\.cmake$' -e '^tests/aide/chm/')
mapfile -t programme < <(git ls-files modele aide_chm image etat affichage outils erosion dialogues \
  commandes lecon pilote fenetres app outils_dev | grep -E '\.(cpp|h)$')
e=$(compte "${essais[@]}")
p=$(compte "${programme[@]}")
echo "essais : $e lignes"
echo "programme : $p lignes"
awk -v e="$e" -v p="$p" 'BEGIN { printf "proportion : %.2f\n", e / p }'
