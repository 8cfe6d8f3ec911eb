#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks its
# control fields, its dependencies, its contents and what lintian says of it.
#   paquet_deb.sh CPACK BUILD VERSION PROGRAMME AIDE(0|1) DOSSIER
set -uo pipefail
CPACK=$1 BUILD=$2 VERSION=$3 PROGRAMME=$4 AIDE=$5 DOSSIER=$6
. "$(dirname "$0")/commun.sh"

if [ ! -x "$PROGRAMME" ]; then
  echo "Le programme $PROGRAMME n'est pas construit : vérification sautée."; exit 77
fi
for outil in dpkg-deb dpkg-shlibdeps; do
  command -v $outil >/dev/null || { echo "$outil manque (paquet dpkg-dev) : vérification sautée."; exit 77; }
done
rm -rf "$DOSSIER"; mkdir -p "$DOSSIER"
if ! "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$DOSSIER" >"$DOSSIER/cpack.log" 2>&1; then
  cat "$DOSSIER/cpack.log"; echo "ÉCHEC : cpack a échoué"; exit 1
fi
ARCH=$(dpkg --print-architecture)
DEB=$DOSSIER/terraflot_${VERSION}_${ARCH}.deb
[ -f "$DEB" ] || { ls "$DOSSIER"; echo "ÉCHEC : $DEB n'a pas été produit"; exit 1; }

champ() { dpkg-deb -f "$DEB" "$1"; }
attendu "Package" "$(champ Package)" "terraflot"
attendu "Version" "$(champ Version)" "$VERSION"
attendu "Architecture" "$(champ Architecture)" "$ARCH"
attendu "Section" "$(champ Section)" "education"
attendu "Maintainer" "$(champ Maintainer)" "Équipe TERRAFLOT <equipe@terraflot.fr>"
# Every shared library the program links must be a dependency.
dependances=$(champ Depends)
for paquet in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libchm1; do
  case ", $dependances," in *", $paquet "*|*", $paquet,"*) ;;
    *) echec "Depends ne contient pas $paquet : « $dependances »";; esac
done

# Permissions and owners are lintian's; here only where files land.
contenu=$(dpkg-deb -c "$DEB")
if grep -q -v -E ' \./usr/' <<<"$(grep -v ' \./$' <<<"$contenu")"; then
  echec "le paquet installe hors de /usr :"; grep -v -E ' \./(usr/.*)?$' <<<"$contenu"
fi

# Unpacked, the program finds all its libraries.
mkdir -p "$DOSSIER/racine"
dpkg-deb -x "$DEB" "$DOSSIER/racine"
if command -v ldd >/dev/null; then
  manquantes=$(ldd "$DOSSIER/racine/usr/bin/terraflot" | grep 'not found' || true)
  [ -z "$manquantes" ] || echec "bibliothèques introuvables : $manquantes"
fi

# The changelog's latest entry is this version, signed by the maintainer.
journal=$(gzip -dc "$DOSSIER/racine/usr/share/doc/terraflot/changelog.gz" 2>/dev/null)
attendu "première ligne du changelog" "$(head -n1 <<<"$journal")" "terraflot ($VERSION) unstable; urgency=medium"
signature=$(sed -n 's/^ -- \(.*>\)  .*/\1/p' <<<"$journal" | head -n1)
attendu "signataire du changelog" "$signature" "$(champ Maintainer)"

# lintian: no error and no warning, without overrides of our own. Run as
# root, it adds one line about itself, not about the package.
if command -v lintian >/dev/null; then
  sortie=$(lintian --no-override "$DEB" 2>&1) || echec "lintian a échoué : $sortie"
  [ "$(id -u)" -eq 0 ] && sortie=$(grep -vxF 'running with root privileges is not recommended!' <<<"$sortie")
  [ -z "$sortie" ] || echec "lintian refuse le paquet : $sortie"
else
  echec "lintian manque"
fi

bilan "Paquet Debian"
