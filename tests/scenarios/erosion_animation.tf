# The mountain-erosion animation. A cycle takes e = 0.185 x surface + 0.03 km off each column above
# its erosion level, sediments first; 400 km3 a km. Column 13 at 9000 m; 22 under 1000 m of water;
# 23 with 1 km of sediments, re-balanced to 279 m; 24 and 25 at 2000 m.
menu mnu_dépôt
pressalt 23 1000
menu mnu_réajuster
menu mnu_profil
pressalt 13 9000
pressalt 22 -1000
pressalt 24 2000
pressalt 25 2000
menu mnu_Anim_érosion
# Column 24's erosion level at 1.9 km, after two refused: below sea level, above the surface. With
# rebound a 2 km column ends at 2 - 0.4 x (1 - 2.67 / 3.33) = 1.920; column 23 keeps 1 - 0.081615 km
# of sediments and floats at 0.256; the submerged column stays. 1.695 + 0.081615 + 0.4 + 0.4 km:
# 1030 km3.
click HLBBttn2
pressalt 24 -1
pressalt 24 2001
pressalt 24 1900
click HLBBttn1
dump
#= messages/0 {"title":"TERRAFLOT","text":"Vous dépassez les altitudes possibles compte tenu de votre profil actuel","icon":"none","buttons":"ok","answer":"ok"}
#= messages/1/icon "none"
#= columns/AltSurface/25 1.92
#~ columns/EpSediments/23 0.918385 1e-9
#= columns/AltSurface/23 0.256
#= columns/AltSurface/22 -1
#= labels/Quiral.Label2 "Temps écoulé = \r\n 1 millions d'années"
#= labels/Quiral.Label7 " 1030 km3"
# "Démarrer", a cycle a tick: column 24, first to near its level, loses its 0.02 above it; with
# 1.63284 + 0.07736 + 0.3852 km, 1900 km3 (not 1880).
click HLBBttn3
tick
dump
#= timers/Quiral.Timer1 {"enabled":true,"interval":200}
#= pointer "hourglass"
#= labels/Quiral.Label7 " 1900 km3"
# STOP; the checked entry chosen again leaves the elapsed time.
click HLBBttn4
menu mnu_Anim_érosion
dump
#= timers/Quiral.Timer1/enabled false
#= pointer "arrow"
#= labels/Quiral.Label2 "Temps écoulé = \r\n 2 millions d'années"
# Run to the end: worn down to sea level, column 13 is the reference column again, its levels
# exhumed onto the basement top.
click HLBBttn3
tick 1000
dump
#= columns/EpSocle/13 30
#= columns/AltRepereIntermediaire/13 0
#= columns/AltRepereProfond/13 0
#= columns/HautRepereProfond0/1 5000
# Refused: ice, even balanced.  A press on a bare top erodes nothing.
menu mnu_recommencer
menu mnu_glaciation
pressalt 3 500
menu mnu_réajuster
menu mnu_use
pressalt 4 0
menu mnu_Anim_érosion
dump
#= messages/0 {"title":"TERRAFLOT","text":"Avant de simuler l'érosion d'un portion de croûte continentale, vous devez provoquer la fonte des glaces.","icon":"question","buttons":"ok","answer":"ok"}
#= labels/Quiral.Label8 " Les niveaux ''repères''  sont  initialisés ."
