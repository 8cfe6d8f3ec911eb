# "Comment..." right after start explains profile construction; the window
# is modal until its OK.
menu mnu_aide2
dump
#= windows/Aide/visible true
#= windows/Aide/caption "Comment ..."
#= labels/Aide.Label1 "Construire le profil d'une croûte initiale ?"
#= controls/Aide.Label1/height 564
menu mnu_apropos
#refused
pressalt 5 2000
#refused
click Aide.HLBBttn1
dump
#= windows/Aide/loaded false
