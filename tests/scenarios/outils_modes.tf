# Tool modes of the "Calcul" menu: one flag, one check mark, the melt item, the status caption, and
# the erosion counters cleared on a real switch.
pressalt 5 2000
menu mnu_Anim_érosion
click HLBBttn1
dump
#= labels/Quiral.Label7 " 160 km3"
#~ columns/ErosionCumulee/5 0.4 0.0000001
#= flags/ReperesFixes true
# Right after an erosion step the levels ride with the crust: the basement and the Moho may not be
# reshaped, and nothing moves.
menu mnu_érosion
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Pour modifier les paramètres du modèle ou la surface d'érosion, vous devez au préalable construire un nouveau profil ou marquer un nouveau profil d'érosion.","icon":"stop","buttons":"ok","answer":"ok"}
menu mnu_modifmoho
dump
#same
#= messages/0/icon "stop"
#= flags/AnimErosionMassif true
# A deposit still switches: the panel hides, the counters and the eroded volume are cleared.
menu mnu_dépôt
dump
#= messages []
#= flags/ModeDepot true
#= flags/AnimErosionMassif false
#= menus/mnu_dépôt/checked true
#= menus/mnu_Anim_érosion/checked false
#= menus/mnu_profil/checked false
#= menus/mnu_fonte/enabled false
#= columns/ErosionCumulee/5 0
#= values/SommeErosion 0
#= labels/Quiral.Label1 "Simuler un dépôt sédimentaire"
#= labels/Quiral.Label7 ""
# The erosion panel is hidden: its buttons are out of reach.
click HLBBttn1
#refused
# Chosen again, the current mode changes nothing.
menu mnu_dépôt
dump
#same
menu mnu_glaciation
dump
#= flags/ModeGlaciation true
#= flags/ModeDepot false
#= menus/mnu_glaciation/checked true
#= menus/mnu_dépôt/checked false
#= menus/mnu_fonte/enabled true
#= labels/Quiral.Label1 "Simulation d'un glaciation."
menu mnu_use
dump
#= flags/ModeSimulErosion true
#= flags/ModeGlaciation false
#= menus/mnu_use/checked true
#= menus/mnu_glaciation/checked false
#= menus/mnu_fonte/enabled true
#= labels/Quiral.Label1 "Simulation de l'érosion"
# A new profile detaches the levels again: the guard lets the basement command through.
menu mnu_profil
dump
#= flags/ModeProfil true
#= flags/ModeSimulErosion false
#= flags/ReperesFixes false
#= menus/mnu_profil/checked true
#= menus/mnu_use/checked false
#= menus/mnu_fonte/enabled false
#= menus/mnu_modifier/enabled true
#= labels/Quiral.Label1 "Construction d'un profil topographique équilibré du socle ."
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
menu mnu_érosion
dump
#= messages []
#= flags/ModeErosion true
#= flags/ModeProfil false
#= menus/mnu_érosion/checked true
#= menus/mnu_fonte/enabled false
#= labels/Quiral.Label1 "Modification de la  surface du socle."
menu mnu_modifmoho
dump
#= flags/ModeMoho true
#= flags/ModeErosion false
#= menus/mnu_modifmoho/checked true
#= menus/mnu_érosion/checked false
#= labels/Quiral.Label1 "Modification du MOHO."
# Chosen while current, the profile item still puts the levels back at their nominal depths and re-
# balances the section.
menu mnu_profil
pressalt 7 1000
dump
#= labels/Quiral.Label8 " Les niveaux ''repères'' ne sont plus initialisés ."
menu mnu_profil
dump
#= flags/ModeProfil true
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
# The pass rounds the 35.045 km basement to 35.0 km, which floats at 991 m; the levels lie 18 and 25
# km under its top.
#~ columns/AltSocle/7 0.991 0.0000001
#~ columns/AltRepereIntermediaire/7 -17.009 0.0000001
#~ columns/AltRepereProfond/7 -24.009 0.0000001
