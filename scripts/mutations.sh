#!/usr/bin/env bash
# Mutation testing, run on demand: flips one operator at a time (+ and -,
# < and <=, > and >=, * and /) in the sources below, rebuilds the test
# programs in build-mutations/, runs the suite fastest test first and counts
# the mutants it kills. Each mutant is undone, even on interruption. The
# survivors listed in scripts/mutants_equivalents.txt are reported apart.
#   scripts/mutations.sh [--echantillon N] [--graine S] [-j TESTS_AT_ONCE] [--liste]
#                         [FOLDER|FILE.cpp...]
set -euo pipefail
cd "$(dirname "$0")/.."

# Sources mutated when none is named.
SOURCES=(modele outils erosion dialogues/preferences.cpp dialogues/aide.cpp)
# Tests left out: the fuzzing run, and the installation checks (they need the
# program and its package, which build-mutations/ does not build).
EXCLUS='^fuzz|^installation_'

arguments=("$@")
chemins=0 valeur=0
for a in "$@"; do
  if [ "$valeur" -eq 1 ]; then valeur=0; continue; fi
  case "$a" in --echantillon|--graine|-j|--paralleles) valeur=1 ;; -*) ;; *) chemins=1 ;; esac
done
[ "$chemins" -eq 1 ] || arguments+=("${SOURCES[@]}")

# The mutated file goes back to its state whatever ends the run.
restaure() { python3 scripts/mutations.py --restaure; }
python3 scripts/mutations.py --exclus "$EXCLUS" "${arguments[@]}" &
enfant=$!
trap 'kill -TERM "$enfant" 2>/dev/null; wait "$enfant"; restaure; exit 130' INT TERM HUP
trap restaure EXIT
wait "$enfant"
