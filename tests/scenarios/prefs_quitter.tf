# No keeps the dialog open with the moves applied; Yes hides it, loaded,
# and the next opening shows it as it was left, without a load step (the
# deep-level bar keeps the bottom end of its first change).
menu mnu_modifier
bar VScroll31NC 20
bar VScroll2MV 280
answer no
menu Préférences.mnu_quitter
dump
#= messages/0 {"title":"Préférences","text":"Etes vous certain de valider les nouvelles valeurs ? ","icon":"exclamation","buttons":"yesno","answer":"no"}
#= windows/Préférences/visible true
#= params/MvCroute 2.8
#= labels/Préférences.Label9MV "2,8"
answer yes
menu Préférences.mnu_quitter
dump
#= windows/Préférences/loaded true
#= windows/Préférences/visible false
#= pointer "default"
bar VScroll2MV 300
#refused
menu mnu_modifier
dump
#= bars/VScroll2MV/value 280
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
#= bars/VScroll31NC {"value":20,"min":5,"max":25}
