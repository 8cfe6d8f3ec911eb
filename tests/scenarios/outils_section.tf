# Whole-section commands: restart, re-adjustment, the reference levels, quitting.
pressalt 5 2000
menu mnu_glaciation
pressalt 6 1500
menu mnu_réajuster
dump
# Under 1.5 km of ice a reference column sinks by 1.5 × 0.98 / 3.33.
#~ columns/AltSocle/6 -0.442 0.0000001
#~ columns/AltSurface/6 1.058 0.0000001
#= labels/Quiral.Label8 " Les niveaux ''repères''  sont  initialisés ."
#= pointer "default"
#= flags/ModeGlaciation true
menu mnu_profil
pressalt 7 1000
menu mnu_réajuster
dump
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
#= flags/ReperesFixes false
#= pointer "default"
menu mnu_modifmoho
pressalt 8 -40000
menu mnu_réajuster
dump
#= labels/Quiral.Label8 " Les niveaux ''repères'' ne sont plus initialisés ."
# 40 km of basement floats at 1.982 km.
#~ columns/AltSocle/8 1.982 0.0000001
menu mnu_InitialiserNiveauxRepères
dump
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
#~ columns/AltRepereIntermediaire/8 -16.018 0.0000001
# The ice melts and the section is re-balanced before the erosion.
menu mnu_glaciation
menu mnu_fonte
menu mnu_réajuster
dump
#= columns/EpGlace/6 0
#= messages []
# After an erosion step the initial-limit line can be moved to the intermediate level where it now
# lies; nothing else changes.
menu mnu_Anim_érosion
click HLBBttn1
dump
# The 40.1 km basement lost 0.4 km; its intermediate level rode up with it.
#= columns/EpSocle/5 39.7
#~ columns/AltRepereIntermediaire/5 -15.678 0.0000001
#= columns/LimiteInitialeIntermediaire/5 -18
menu mnu_MémoriserNiveauxRepères
dump
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
#~ columns/LimiteInitialeIntermediaire/5 -15.678 0.0000001
#~ columns/AltRepereIntermediaire/5 -15.678 0.0000001
#= columns/LimiteInitialeIntermediaire/4 -18
#= columns/EpSocle/5 39.7
#= flags/AnimErosionMassif true
#= flags/ReperesFixes true
# Restart: a flat section in profile construction, the notice untouched.
menu mnu_recommencer
dump
#= columns/AltSocle/5 0
#= columns/EpSocle/5 30
#= columns/ProfMoho/5 30
#= columns/EpManteau/5 70
#= columns/AltRepereProfond/5 -25
#= columns/AltRepereIntermediaire/5 -18
#= columns/LimiteInitialeIntermediaire/5 -18
#= columns/EpGlace/6 0
#= columns/ErosionCumulee/5 0
#= columns/ProfilErosion/5 0
#~ columns/PressionCompensation/5 3069.36 0.0000001
#~ columns/PressionCompensation/25 3069.36 0.0000001
#= columns/HautRepereProfond/5 5000
#= columns/HautRepereIntermediaire/5 12000
#= flags/ModeProfil true
#= flags/AnimErosionMassif false
#= flags/ReperesFixes false
#= menus/mnu_profil/checked true
#= menus/mnu_Anim_érosion/checked false
#= menus/mnu_fonte/enabled false
#= menus/mnu_modifier/enabled true
#= labels/Quiral.Label1 "Construction d'un profil topographique équilibré du socle ."
#= labels/Quiral.Label8 " Les niveaux ''repères'' sont initialisés ."
#= values/SommeErosion 0
click HLBBttn1
#refused
# Quitting asks once; No leaves everything as it was.
answer no
menu Mnu_quitter
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Etes-vous sûr de quitter TERRAFLOT ? ","icon":"question","buttons":"yesno","answer":"no"}
#= ended false
answer yes
menu Mnu_quitter
dump
#= ended true
#= messages/0/answer "yes"
#= windows/Quiral/loaded false
pressalt 5 2000
#refused
