# The mountain-erosion mode closes the dialog; the next opening loads it
# afresh, and that opening's rebuild clears the eroded volume shown.
pressalt 5 2000
menu mnu_modifier
bar VScroll31NC 20
menu mnu_Anim_érosion
click HLBBttn1
menu mnu_modifier
#refused
menu mnu_profil
dump
#= windows/Préférences/loaded false
#= labels/Quiral.Label7 " 160 km3"
menu mnu_modifier
dump
# The press at 2000 m left a 40.091 km basement: the deep level may reach 40 km.
#= labels/Quiral.Label7 ""
#= bars/VScroll3NC {"value":25,"min":20,"max":40}
