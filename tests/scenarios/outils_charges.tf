# Ice and sediment loads, and the melt of all the ice; none of them re-balances the section.
pressalt 4 -200
pressalt 5 -1900
menu mnu_érosion
pressalt 3 1000
menu mnu_glaciation
# 1 km of ice on a basement whose top is at 1000 m.
pressalt 3 2000
dump
#~ columns/EpGlace/3 1 0.0000001
#~ columns/AltSurface/3 2 0.0000001
#~ columns/EpSocle/3 31 0.0000001
#~ columns/EpCroute/3 31 0.0000001
#= labels/Quiral.Label8 " Les niveaux ''repères'' ne sont plus initialisés ."
pressalt 3 9500
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Vous dépassez les altitudes rencontrées sur la crôute continentale.","icon":"question","buttons":"ok","answer":"ok"}
# On a surface at -200 m the ice starts from the basement: 0.7 km for a press at 500 m; a press
# under the sea clears it.
pressalt 4 500
dump
#~ columns/EpGlace/4 0.7 0.0000001
#= columns/HauteurEau/4 0
pressalt 4 -100
dump
#= columns/EpGlace/4 0
#= columns/HauteurEau/4 200
# A deposit under the sea leaves water above it.
menu mnu_dépôt
pressalt 5 -1000
dump
#~ columns/EpSediments/5 0.9 0.0000001
#= columns/HauteurEau/5 1000
#~ columns/EpCroute/5 24.279 0.0000001
#= labels/Quiral.Label1 "Simuler un dépôt sédimentaire"
pressalt 5 -2000
dump
#same
# Over ice the new surface is at the press; on the ice's top nothing moves.
pressalt 3 2500
dump
#~ columns/EpSediments/3 0.5 0.0000001
#~ columns/EpGlace/3 1 0.0000001
#~ columns/AltSurface/3 2.5 0.0000001
#~ columns/EpCroute/3 31.5 0.0000001
pressalt 3 2000
dump
#~ columns/EpSediments/3 0.5 0.0000001
#~ columns/EpGlace/3 1 0.0000001
# The melt: every ice sheet goes and the surface comes down to the basement and sediments left. The
# melt item is out of reach after a deposit.
menu mnu_fonte
#refused
menu mnu_glaciation
pressalt 6 800
menu mnu_fonte
dump
#= columns/EpGlace/3 0
#= columns/EpGlace/6 0
#~ columns/AltSurface/3 1.5 0.0000001
#~ columns/EpCroute/3 31.5 0.0000001
#= columns/AltSurface/6 0
#= labels/Quiral.Label7 ""
#= flags/ModeGlaciation true
#= menus/mnu_glaciation/checked true
#= menus/mnu_fonte/enabled true
