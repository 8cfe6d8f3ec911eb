#!/usr/bin/env bash
# Installs the Debian packages that TERRAFLOT needs to build, test and run,
# when some are missing (apt-get, through sudo when not root).
set -euo pipefail

PAQUETS=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libchm-dev fp-utils libgumbo-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream lintian
  python3
)

manquants=()
for p in "${PAQUETS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${manquants[*]}"
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
