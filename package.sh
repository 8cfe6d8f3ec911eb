#!/usr/bin/env bash
# Builds the Debian package of TERRAFLOT: a Release build in build-package/,
# then CPack. Prints the path of the .deb (the build log goes to stderr).
set -euo pipefail
cd "$(dirname "$0")"
RACINE=$(pwd)
CONSTRUCTION=$RACINE/build-package

cmake -S "$RACINE" -B "$CONSTRUCTION" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >&2
# Only what the package holds: the program, its help file and its
# documentation (CPack then installs without building the tests).
cmake --build "$CONSTRUCTION" -j"$(nproc)" --target terraflot terraflot_aide terraflot_documentation >&2
( cd "$CONSTRUCTION" && cpack -G DEB -B "$CONSTRUCTION/paquets" >&2 )

VERSION=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$CONSTRUCTION/CPackConfig.cmake")
DEB=$CONSTRUCTION/paquets/terraflot_${VERSION}_$(dpkg --print-architecture).deb
if [ ! -f "$DEB" ]; then
  echo "Le paquet n'a pas été produit (attendu : $DEB)." >&2
  exit 1
fi
echo "$DEB"
