# The start state: every column is the reference column.
dump
#= values/LargeurColonne 500
#= values/HauteurZone 8095
#= values/LargeurZone 12500
#= columns/EpSocle/1 30
#= columns/ProfMoho/25 30
#= columns/EpManteau/25 70
#= columns/AltRepereProfond/1 -25
#= columns/AltRepereIntermediaire/1 -18
#= columns/EpSocle/0 0
#= windows/MDIForm1/caption "TerraFLOT"
#= windows/Avertissement/loaded false
#= menus/mnu_profil/checked true
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
#= labels/Quiral.Label1 "Construction d'un profil topographique équilibré du socle ."
