# The about box is modeless ("Comment..." still opens behind it), centred on the screen.
menu mnu_apropos
menu mnu_aide2
click Aide.HLBBttn1
dump
#= windows/Apropos {"loaded":true,"visible":true,"caption":"A propos de...","left":5445,"top":3097,"width":8310,"height":9165}
#= controls/Apropos.HLBBttn1 {"left":7110,"top":8445,"width":960,"height":480}
#= labels/Apropos.Label4 "Bibliographie"
click Apropos.HLBBttn1
dump
#= windows/Apropos/loaded false
