# The mountain-erosion mode closes the dialog; the next opening loads it
# afresh, and the rebuild of that opening clears the eroded volume shown.
pressalt 5 2000
menu mnu_modifier
bar VScroll31NC 20
menu mnu_Anim_érosion
dump
#= windows/Préférences/loaded false
#= menus/mnu_modifier/enabled false
click HLBBttn1
menu mnu_modifier
#refused
menu mnu_profil
dump
#= menus/mnu_modifier/enabled true
#= labels/Quiral.Label7 " 160 km3"
menu mnu_modifier
dump
#= windows/Préférences/loaded true
#= windows/Préférences/visible true
#= labels/Quiral.Label7 ""
#= values/SommeErosion 0
#= columns/ErosionCumulee/5 0
# Loaded afresh: the deep-level bar now starts from the intermediate depth.
#= bars/VScroll31NC {"value":20,"min":5,"max":25}
#= bars/VScroll3NC {"value":25,"min":20,"max":30}
#= labels/Préférences.Label6NC "20"
