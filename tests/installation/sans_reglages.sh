#!/usr/bin/env bash
# TERRAFLOT remembers nothing between runs: no settings file anywhere.
#   sans_reglages.sh SOURCES
set -uo pipefail
cd "$1" || exit 1
trouve=$(grep -rn -E 'QSettings|AppConfigLocation|GenericConfigLocation|AppDataLocation' \
  --include='*.cpp' --include='*.h' modele aide_chm image etat affichage outils erosion dialogues commandes lecon pilote fenetres app 2>/dev/null)
if [ -n "$trouve" ]; then
  echo "ÉCHEC : le programme enregistre des réglages :"; echo "$trouve"; exit 1
fi
echo "Aucun réglage enregistré entre deux lancements."
