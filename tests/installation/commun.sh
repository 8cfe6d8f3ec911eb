# Helpers shared by the installation checks.
ECHECS=0
echec() { echo "ÉCHEC : $*"; ECHECS=$((ECHECS + 1)); }
# attendu NOM OBTENU ATTENDU
attendu() { [ "$2" = "$3" ] || echec "$1 : obtenu « $2 », attendu « $3 »"; }
# Value of KEY in the [Desktop Entry] group of a .desktop file.
cle_desktop() { sed -n "/^\[Desktop Entry\]/,/^\[/{s/^$2=//p}" "$1" | head -n1; }
bilan() {
  if [ "$ECHECS" -eq 0 ]; then echo "$1 : tout est conforme."; exit 0; fi
  echo "$1 : $ECHECS échec(s)."; exit 1
}
TAILLES_ICONE="16 32 48 64 128 256"
