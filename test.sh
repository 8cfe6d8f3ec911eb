#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest; then
# the same tests under AddressSanitizer and UBSan, and a bounded fuzzing run
# of the scenario driver.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependances.sh
scripts/construit.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
cd ..

# Sanitizers: the whole suite, with fewer random actions, leaks included
# (Qt itself is not instrumented; its own allocations are suppressed).
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERRAFLOT_SANITIZE=ON >/dev/null
fi
cmake --build build-asan -j"$(nproc)"
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)")

# Fuzzing: 30 seconds of arbitrary scripts against the driver, then 30 of
# arbitrary help pages (clang).
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERRAFLOT_SANITIZE=ON -DTERRAFLOT_FUZZ=ON >/dev/null
fi
cmake --build build-fuzz -j"$(nproc)" --target fuzz_moteur fuzz_page
set +e
(cd build-fuzz && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -V -R '^fuzz_(moteur|page)$') \
  > build-fuzz/fuzz.log 2>&1
etat=$?
set -e
grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' build-fuzz/fuzz.log | sed 's/^/Fuzzing: /' || true
if [ "$etat" -ne 0 ]; then
  grep -v propagateSizeHints build-fuzz/fuzz.log | tail -60
  echo "Fuzzing found a fault (reproduce: build-fuzz/fuzz/fuzz_moteur or fuzz_page crash-FILE)"
  exit 1
fi
