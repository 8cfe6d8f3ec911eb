# Column counts: the section is rebuilt for the new geometry.
menu mnu_modifier
bar VScroll1 10
dump
#= labels/Préférences.Label13 "10"
#= values/LargeurColonne 1250
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  200 km de longueur, soit une surface de  4000 km2 :"
bar VScroll1 1000
bar VScroll2NC 31
dump
#= params/NbColonnes 100
#= values/LargeurColonne 125
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  2000 km de longueur, soit une surface de  40000 km2 :"
#~ columns/EpSocle/100 31 0.0000001
#= columns/EpSocle/0 0
