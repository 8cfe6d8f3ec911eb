# Opening with the start values: the bars leave the smallest ends of their
# ranges, their handlers apply the parameters again and rebuild the section,
# and the dialog shows, modeless.
menu mnu_modifier
dump
#= windows/Préférences {"loaded":true,"visible":true,"caption":"Modifier les valeurs ","left":10,"top":800,"width":10800,"height":7200}
#= pointer "default"
#= menus/Préférences.mnu_défaut {"caption":"Valeurs par défaut","checked":false,"enabled":false,"visible":true}
#= bars/VScroll1MV {"value":103,"min":100,"max":150}
#= bars/VScroll5MV {"value":98,"min":50,"max":150}
#= bars/VScroll2NC {"value":30,"min":12,"max":60}
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
#= bars/VScroll31NC {"value":18,"min":5,"max":25}
#= bars/VScroll1 {"value":25,"min":10,"max":100}
#= bars/HScroll1 {"value":801,"min":1,"max":1000}
#= controls/Préférences.Gauge1/value 801
#= labels/Préférences.Label9MV "2,67"
#= labels/Préférences.Label7MV "2,4"
#= labels/Préférences.Label13NC "100"
#= labels/Préférences.labelMvOcéan "Masse volumique de l'océan :"
#= params/MvCroute 2.67
#= params/ProfRepereIntermediaire 18
#= params/IntervalleAnimation 200
#= columns/EpSocle/1 30
#= columns/AltRepereProfond/1 -25
# The main window still takes presses.
pressalt 5 2000
dump
#~ columns/EpCroute/5 40.091 0.0000001
# Moves are clamped to the range; a bar already at that end runs nothing.
bar VScroll1NC 500
dump
#same
bar VScroll1MV -7
dump
#= params/MvOcean 1
#= labels/Préférences.Label8MV "1"
bar VScroll9 12
#refused
