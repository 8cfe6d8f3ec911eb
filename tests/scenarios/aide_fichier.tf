# No help file beside this test program: the message, and nothing opens.
menu mnu_aide1
dump
#= messages/0/title "TERRAFLOT"
#= messages/0/text "Le fichier d'aide n'a pas été trouvé dans le répertoire de l'application, vous devez le télécharger et le copier dans le dossier contenant ''TerraFlot.exe''."
#= messages/0/icon "stop"
#= messages/0/buttons "ok"
#= help/0/found false
#= windows/Quiral/loaded true
