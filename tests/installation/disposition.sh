#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what lands
# there: the program, its help file in the data folder, the menu entry, the
# AppStream description, the icon in every size, the manual page, the
# Debian documentation and the example lessons, and nothing else.
#   disposition.sh CMAKE BUILD SOURCES PROGRAMME AIDE(0|1) DOSSIER
set -uo pipefail
CMAKE=$1 BUILD=$2 SOURCES=$3 PROGRAMME=$4 AIDE=$5 DOSSIER=$6
. "$(dirname "$0")/commun.sh"

if [ ! -x "$PROGRAMME" ]; then
  echo "Le programme $PROGRAMME n'est pas construit : vérification sautée."; exit 77
fi
PREFIXE=$DOSSIER/prefixe
rm -rf "$DOSSIER"; mkdir -p "$DOSSIER"
if ! "$CMAKE" --install "$BUILD" --prefix "$PREFIXE" >"$DOSSIER/install.log" 2>&1; then
  cat "$DOSSIER/install.log"; echo "ÉCHEC : cmake --install a échoué"; exit 1
fi

ICONES=share/icons/hicolor
attendus=(bin/terraflot share/applications/terraflot.desktop share/mime/packages/terraflot.xml
          share/metainfo/fr.terraflot.terraflot.metainfo.xml $ICONES/scalable/apps/terraflot.svg
          share/man/man1/terraflot.1.gz share/doc/terraflot/copyright share/doc/terraflot/changelog.gz)
CHM=share/terraflot/terraflot.chm
for t in $TAILLES_ICONE; do attendus+=("$ICONES/${t}x${t}/apps/terraflot.png"); done
for l in bassin_oceanique calotte_glaciaire chaine_de_montagnes; do
  attendus+=("share/terraflot/lecons/$l.terraflot")
done
if [ "$AIDE" = 1 ]; then
  attendus+=($CHM)
else
  echo "Le fichier d'aide n'est pas encore construit (pas de cible terraflot_aide) : $CHM non vérifié."
fi

# Exactly the expected files: no test program, library or header slips in.
obtenu=$(cd "$PREFIXE" && find . -type f -o -type l | sed 's|^\./||' | sort)
voulu=$(printf '%s\n' "${attendus[@]}" | sort)
if [ "$obtenu" != "$voulu" ]; then
  echec "fichiers installés différents de ceux attendus"
  diff <(echo "$voulu") <(echo "$obtenu") | sed -n 's/^</  manque :/p; s/^>/  en trop :/p'
fi

P=$PREFIXE/bin/terraflot
[ -x "$P" ] || echec "bin/terraflot n'est pas exécutable"
if [ "$AIDE" = 1 ] && [ -f "$PREFIXE/$CHM" ]; then
  attendu "signature de $CHM" "$(head -c4 "$PREFIXE/$CHM")" "ITSF"
fi

# The gzip headers, the manual page, the icons' sizes and the run path are
# lintian's (installation_paquet_deb).
svg=$PREFIXE/$ICONES/scalable/apps/terraflot.svg
[ -f "$svg" ] && { grep -q '<svg' "$svg" || echec "terraflot.svg n'est pas une image SVG"; }

# Menu entry: valid, and pointing at what was installed.
D=$PREFIXE/share/applications/terraflot.desktop
if [ -f "$D" ]; then
  if command -v desktop-file-validate >/dev/null; then
    sortie=$(desktop-file-validate "$D" 2>&1) || echec "desktop-file-validate refuse terraflot.desktop : $sortie"
  else
    echec "desktop-file-validate manque (paquet desktop-file-utils)"
  fi
  attendu "Name" "$(cle_desktop "$D" Name)" "TerraFLOT"
  # One main category, so that the program shows once in the menus.
  attendu "Categories" "$(cle_desktop "$D" Categories)" "Education;Geology;"
  exe=$(cle_desktop "$D" Exec); exe=${exe%% *}
  [ -x "$PREFIXE/bin/$exe" ] || echec "Exec=$exe ne désigne pas un programme installé dans bin"
  attendu "Icon (nom des fichiers d'icône)" "$(cle_desktop "$D" Icon)" "terraflot"
  # The lessons open with the program: the entry takes the type the MIME file declares.
  attendu "MimeType" "$(cle_desktop "$D" MimeType)" "application/x-terraflot;"
  grep -q '<glob pattern="\*.terraflot"/>' "$PREFIXE/share/mime/packages/terraflot.xml" 2>/dev/null \
    && grep -q 'type="application/x-terraflot"' "$PREFIXE/share/mime/packages/terraflot.xml" \
    || echec "share/mime/packages/terraflot.xml ne déclare pas application/x-terraflot pour *.terraflot"
  # The window manager groups the window with its entry by WM_CLASS, which
  # Qt takes from the application name set in main().
  nom_appli=$(sed -n 's/.*setApplicationName(QStringLiteral("\([^"]*\)").*/\1/p' "$SOURCES/app/main.cpp" | head -n1)
  if [ -n "$nom_appli" ]; then
    attendu "StartupWMClass (nom de l'application)" "$(cle_desktop "$D" StartupWMClass)" "$nom_appli"
  fi
fi

M=$PREFIXE/share/metainfo/fr.terraflot.terraflot.metainfo.xml
if [ -f "$M" ]; then
  if command -v appstreamcli >/dev/null; then
    sortie=$(appstreamcli validate --no-net "$M" 2>&1) || echec "appstreamcli refuse la description AppStream : $sortie"
  else
    echec "appstreamcli manque (paquet appstream)"
  fi
  grep -q '<launchable type="desktop-id">terraflot.desktop</launchable>' "$M" \
    || echec "la description AppStream ne renvoie pas à terraflot.desktop"
fi

bilan "Installation"
