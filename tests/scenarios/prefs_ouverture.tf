# Opening the parameters dialog with the start values: the bars leave the
# smallest ends of their ranges, their handlers apply the parameters again
# and rebuild the section, and the dialog shows, modeless.
menu mnu_modifier
dump
#= windows/Préférences/loaded true
#= windows/Préférences/visible true
#= windows/Préférences/caption "Modifier les valeurs "
#= windows/Préférences/left 10
#= windows/Préférences/top 800
#= pointer "default"
#= flags/ModeProfil true
#= menus/Préférences.mnu_quitter {"caption":"Quitter","checked":false,"enabled":true,"visible":true}
#= menus/Préférences.mnu_défaut {"caption":"Valeurs par défaut","checked":false,"enabled":false,"visible":true}
# Opening values, on the ranges of the form; the level bars were narrowed
# by their own handlers.
#= bars/VScroll1MV {"value":103,"min":100,"max":150}
#= bars/VScroll2MV {"value":267,"min":220,"max":340}
#= bars/VScroll3MV {"value":333,"min":300,"max":450}
#= bars/VScroll4MV {"value":240,"min":160,"max":330}
#= bars/VScroll5MV {"value":98,"min":50,"max":150}
#= bars/VScroll1NC {"value":100,"min":50,"max":100}
#= bars/VScroll2NC {"value":30,"min":12,"max":60}
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
#= bars/VScroll31NC {"value":18,"min":5,"max":25}
#= bars/VScroll1 {"value":25,"min":10,"max":100}
#= bars/VScroll2 {"value":8,"min":4,"max":20}
#= bars/HScroll1 {"value":801,"min":1,"max":1000}
#= controls/Préférences.Gauge1/value 801
# Value labels: densities with a decimal comma, the others as integers.
#= labels/Préférences.Label8MV "1,03"
#= labels/Préférences.Label9MV "2,67"
#= labels/Préférences.Label11MV "3,33"
#= labels/Préférences.Label7MV "2,4"
#= labels/Préférences.Label3MV "0,98"
#= labels/Préférences.Label13NC "100"
#= labels/Préférences.Label12NC "30"
#= labels/Préférences.Label2NC "25"
#= labels/Préférences.Label6NC "18"
#= labels/Préférences.Label13 "25"
#= labels/Préférences.Label12 "8"
#= labels/Préférences.labelMvOcéan "Masse volumique de l'océan :"
#= labels/Préférences.labelMvCroute "Masse volumique de la croûte"
#= labels/Préférences.labelMvGlace "Masse volumique de la glace :"
#= labels/Préférences.Label5NC "Epaisseur de la croûte au niveau 0 : (en km)"
#= labels/Préférences.Label3 "Profondeur du niveau intermédiaire (par rapport au niveau 0): (km)"
#= labels/Préférences.Label17 "Vitesse d'animation :"
# The start values are applied again, unchanged.
#= params/MvCroute 2.67
#= params/MvGlace 0.98
#= params/NivCompensation 100
#= params/EpCrouteRef 30
#= params/ProfRepereProfond 25
#= params/ProfRepereIntermediaire 18
#= params/NbColonnes 25
#= params/NbTranches 8
#= params/IntervalleAnimation 200
#= columns/EpSocle/1 30
#= columns/AltSocle/25 0
#= columns/ProfMoho/25 30
#= columns/AltRepereProfond/1 -25
#= columns/AltRepereIntermediaire/25 -18
#= messages []

# The dialog is modeless: the main window still takes presses.
pressalt 5 2000
dump
#~ columns/EpCroute/5 40.091 0.0000001

# Out-of-range moves are clamped, as a real bar would: a bar already at that
# end does not move and nothing runs.
bar VScroll1NC 500
dump
#same
bar VScroll1MV -7
dump
#= bars/VScroll1MV/value 100
#= params/MvOcean 1
#= labels/Préférences.Label8MV "1"
bar VScroll1MV 99999
dump
#= bars/VScroll1MV/value 150
#= params/MvOcean 1.5
#= labels/Préférences.Label8MV "1,5"
bar VScroll9 12
#refused
