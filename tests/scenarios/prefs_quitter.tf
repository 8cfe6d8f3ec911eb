# Leaving the dialog: No keeps it open with the moves applied; Yes hides it
# (kept loaded, with its bars) after a full refresh.
menu mnu_modifier
bar VScroll31NC 20
bar VScroll2MV 280
answer no
menu Préférences.mnu_quitter
dump
#= messages/0 {"title":"Préférences","text":"Etes vous certain de valider les nouvelles valeurs ? ","icon":"exclamation","buttons":"yesno","answer":"no"}
#= windows/Préférences/visible true
#= params/MvCroute 2.8
#= params/MvCrouteSauve 2.8
#= params/ProfRepereIntermediaire 20
#= labels/Préférences.Label9MV "2,8"
#= pointer "default"
# Still usable after No.
bar VScroll2MV 281
dump
#= params/MvCroute 2.81
answer yes
menu Préférences.mnu_quitter
dump
#= messages/0/answer "yes"
#= windows/Préférences/loaded true
#= windows/Préférences/visible false
#= pointer "default"
#= params/MvCroute 2.81
#= bars/VScroll2MV/value 281
# A hidden dialog takes no moves.
bar VScroll2MV 300
#refused
menu Préférences.mnu_quitter
#refused
# Shown again as it was left: no second load step, so the deep-level bar
# keeps the bottom end its first change gave it.
menu mnu_modifier
dump
#= windows/Préférences/visible true
#= bars/VScroll2MV/value 281
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
#= bars/VScroll31NC {"value":20,"min":5,"max":25}
#= labels/Préférences.Label6NC "20"
#= messages []
