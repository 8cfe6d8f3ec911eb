# Column and band counts: the section is rebuilt for the new geometry.
menu mnu_modifier
bar VScroll1 10
dump
#= params/NbColonnes 10
#= labels/Préférences.Label13 "10"
#= values/LargeurColonne 1250
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  200 km de longueur, soit une surface de  4000 km2 :"
# The count changes no parameter.
#= params/EpCrouteRef 30
#= pointer "default"
bar VScroll1 1000
dump
#= bars/VScroll1/value 100
#= params/NbColonnes 100
#= values/LargeurColonne 125
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  2000 km de longueur, soit une surface de  40000 km2 :"
# With every column in use the last one follows a change too.
bar VScroll2NC 31
dump
#~ columns/EpSocle/100 31 0.0000001
#= columns/EpSocle/0 0
bar VScroll1 1
dump
#= params/NbColonnes 10
bar VScroll2 20
dump
#= params/NbTranches 20
#= labels/Préférences.Label12 "20"
bar VScroll2 0
dump
#= params/NbTranches 4
#= labels/Préférences.Label12 "4"
