# The about box is modeless: "Comment..." still opens behind it.
menu mnu_apropos
menu mnu_aide2
click Aide.HLBBttn1
dump
#= windows/Apropos/visible true
#= windows/Apropos/caption "A propos de..."
#= labels/Apropos.Label4 "Bibliographie"
click Apropos.HLBBttn1
dump
#= windows/Apropos/loaded false
