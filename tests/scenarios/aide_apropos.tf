# The about box is modeless: the menus stay usable behind it, choosing it
# again keeps the same window.
menu mnu_apropos
dump
#= windows/Apropos/loaded true
#= windows/Apropos/visible true
#= windows/Apropos/caption "A propos de..."
#= windows/Apropos/width 8310
#= windows/Apropos/height 9165
#= labels/Apropos.Label12 "TERRAFLOT : Modélisation de l'équilibre vertical de la lithosphère continentale"
#= labels/Apropos.Label4 "Bibliographie"
#= labels/Apropos.Label1 "Auteur :"
#= controls/Apropos.HLBBttn1/width 960
#= controls/Apropos.HLBBttn1/height 480
menu mnu_aide2
click Aide.HLBBttn1
menu mnu_apropos
dump
#= windows/Apropos/loaded true
click Apropos.HLBBttn1
dump
#= windows/Apropos/loaded false
