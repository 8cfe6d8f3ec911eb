# Reshaping the basement, the Moho, and erosion by clicking: the columns stay out of equilibrium
# until a re-adjustment.
menu mnu_érosion
# A bare column raised by 1 km: 1 km more basement, the Moho stays.
pressalt 3 1000
dump
#~ columns/AltSocle/3 1 0.0000001
#~ columns/EpSocle/3 31 0.0000001
#~ columns/EpCroute/3 31 0.0000001
#= columns/ProfMoho/3 30
#~ columns/AltSurface/3 1 0.0000001
#~ params/EpSocleMax 31 0.0000001
#= labels/Quiral.Label8 " Les niveaux ''repères'' ne sont plus initialisés ."
pressalt 3 -2000
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Vous dépassez les altitudes rencontrées sur la crôute continentale.","icon":"question","buttons":"ok","answer":"ok"}
# An ice cap whose base goes under the sea is removed first.
menu mnu_glaciation
pressalt 4 800
menu mnu_érosion
pressalt 4 -1000
dump
#= columns/EpGlace/4 0
#~ columns/AltSocle/4 -1 0.0000001
# 30 km of basement, less the 0.8 km surface, down to -1 km.
#~ columns/EpSocle/4 28.2 0.0000001
#= columns/HauteurEau/4 1000
# The Moho no higher than 6000 m below sea level.
menu mnu_modifmoho
pressalt 5 -6000
dump
#= columns/ProfMoho/5 6
#= columns/EpSocle/5 6
#= columns/EpCroute/5 6
#= labels/Quiral.Label1 "Modification du MOHO."
pressalt 5 -5999
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Vous dépassez l'épaisseur minimale de croûte","icon":"question","buttons":"ok","answer":"ok"}
pressalt 6 -45000
dump
#= columns/EpSocle/6 45
#= columns/EpCroute/6 45
# Erosion by clicking: a bare column pressed at its surface keeps it.
menu mnu_use
pressalt 3 1000
dump
#~ columns/AltSocle/3 1 0.0000001
#~ columns/EpSocle/3 31 0.0000001
# Above the surface nothing happens, silently.
pressalt 3 1200
dump
#same
#= messages []
# Into the basement: the column is cut down to the press.
pressalt 3 400
dump
#~ columns/AltSocle/3 0.4 0.0000001
#~ columns/EpSocle/3 30.4 0.0000001
#~ columns/EpCroute/3 30.4 0.0000001
#~ columns/AltSurface/3 0.4 0.0000001
#= columns/ErosionCumulee/3 0
pressalt 3 9000.5
dump
#same
#= messages/0/text "Vous dépassez les altitudes rencontrées sur la crôute continentale."
# Sediments only: cut to the press.
menu mnu_dépôt
pressalt 7 700
menu mnu_use
pressalt 7 300
dump
#~ columns/EpSediments/7 0.3 0.0000001
#~ columns/AltSurface/7 0.3 0.0000001
# Ice and sediments: the status line says so whatever the outcome.
menu mnu_dépôt
pressalt 8 500
menu mnu_glaciation
pressalt 8 1500
menu mnu_use
pressalt 8 1000
dump
#= labels/Quiral.Label1 "Condition GLACE ET SEDIMENT"
#~ columns/EpGlace/8 0.5 0.0000001
#~ columns/EpSediments/8 0.5 0.0000001
pressalt 8 200
dump
#= columns/EpGlace/8 0
#~ columns/EpSediments/8 0.2 0.0000001
#~ columns/AltSurface/8 0.2 0.0000001
menu mnu_glaciation
pressalt 8 900
menu mnu_use
dump
#= labels/Quiral.Label1 "Simulation de l'érosion"
# Exactly on the basement top nothing is cut, and the status line still says so.
pressalt 8 0
dump
#= labels/Quiral.Label1 "Condition GLACE ET SEDIMENT"
#~ columns/EpGlace/8 0.7 0.0000001
#~ columns/EpSediments/8 0.2 0.0000001
# An ice cap on a basement under the sea, eroded to below sea level, goes altogether.
menu mnu_profil
pressalt 9 -500
menu mnu_glaciation
pressalt 9 1000
dump
#~ columns/EpGlace/9 1.5 0.0000001
menu mnu_use
pressalt 9 -200
dump
#= columns/EpGlace/9 0
#~ columns/AltSurface/9 -0.5 0.0000001
#= columns/HauteurEau/9 500
