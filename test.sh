#!/usr/bin/env bash
# Installs what is missing, then one clang build under AddressSanitizer and
# UBSan (leaks included) in build-essais/, where ctest runs the whole suite
# and then the two fuzz targets for a bounded time, side by side. The normal
# build of ./run.sh (build/) is left alone.
#   TERRAFLOT_GRAINE=N ./test.sh   replays the random sessions of seed N
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependances.sh
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# One clang build for the suite and the fuzz targets: AddressSanitizer,
# UBSan and libFuzzer's coverage in every library.
if ! grep -q '^CMAKE_CXX_COMPILER:.*clang' build-essais/CMakeCache.txt 2>/dev/null; then
  rm -rf build-essais
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-essais "${lanceur[@]}" \
    -DCMAKE_BUILD_TYPE=Essais -DCMAKE_CXX_FLAGS_ESSAIS=-O1 \
    -DTERRAFLOT_SANITIZE=ON -DTERRAFLOT_FUZZ=ON -DTERRAFLOT_OUTILS_DEV=OFF \
    -DTERRAFLOT_FUZZ_SECONDES=25 >/dev/null
fi
cmake --build build-essais -j"$(nproc)"
cd build-essais

# Qt itself is not instrumented; its own allocations are suppressed.
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp":print_suppressions=0
set +e
ctest --output-on-failure -j"$(nproc)" -E '^fuzz_'
suite=$?

# Fuzzing: arbitrary scripts against the driver and arbitrary help pages.
ctest --output-on-failure -V -j2 -R '^fuzz_(moteur|page)$' > fuzz.log 2>&1
etat=$?
set -e
grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' fuzz.log | sed 's/^/Fuzzing: /' || true
if [ "$etat" -ne 0 ]; then
  grep -v propagateSizeHints fuzz.log | tail -60
  echo "Fuzzing found a fault (reproduce: build-essais/fuzz/fuzz_moteur or fuzz_page crash-FILE)"
  exit 1
fi
exit "$suite"
