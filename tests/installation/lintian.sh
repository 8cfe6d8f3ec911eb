#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and runs lintian
# on it: any error or warning fails (lintian must print nothing).
#   lintian.sh CPACK BUILD VERSION PROGRAMME DOSSIER
set -uo pipefail
CPACK=$1 BUILD=$2 VERSION=$3 PROGRAMME=$4 DOSSIER=$5

if [ ! -x "$PROGRAMME" ]; then
  echo "Le programme $PROGRAMME n'est pas construit : vérification sautée."; exit 77
fi
for outil in lintian dpkg-deb dpkg-shlibdeps; do
  command -v $outil >/dev/null || { echo "$outil manque : vérification sautée."; exit 77; }
done
rm -rf "$DOSSIER"; mkdir -p "$DOSSIER"
if ! "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$DOSSIER" >"$DOSSIER/cpack.log" 2>&1; then
  cat "$DOSSIER/cpack.log"; echo "ÉCHEC : cpack a échoué"; exit 1
fi
DEB=$DOSSIER/terraflot_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$DEB" ] || { ls "$DOSSIER"; echo "ÉCHEC : $DEB n'a pas été produit"; exit 1; }

# Errors and warnings only (lintian's default), no overrides of our own.
# Run as root, lintian adds one line about itself, not about the package.
sortie=$(lintian --no-override "$DEB" 2>&1)
etat=$?
[ "$(id -u)" -eq 0 ] && sortie=$(grep -vxF 'running with root privileges is not recommended!' <<<"$sortie")
if [ -n "$sortie" ] || [ "$etat" -ne 0 ]; then
  echo "$sortie"; echo "ÉCHEC : lintian refuse le paquet (état $etat)."; exit 1
fi
echo "lintian accepte $(basename "$DEB") sans erreur ni avertissement."
