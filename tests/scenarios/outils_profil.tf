# Profile construction: the pressed column gets the root that balances it. Start frame: 8095 twips
# of drawing height in 8 bands, so 2000 m lies at Y = 809.5; columns are 500 twips wide from
# OrigineX = 400.
pressalt 5 2000
dump
#~ columns/AltProfil/5 2 0.0000001
#~ columns/EpCroute/5 40.091 0.0000001
#~ columns/EpSocle/5 40.091 0.0000001
#~ columns/ProfMoho/5 38.091 0.0000001
#~ columns/AltSurface/5 2 0.0000001
#= columns/HauteurEau/5 0
#~ params/EpSocleMax 40.091 0.0000001
#= values/ColonneClic 5
#= labels/Quiral.Label8 " Les niveaux ''repères'' ne sont plus initialisés ."
# The neighbours are not touched.
#= columns/EpSocle/4 30
#= columns/EpSocle/6 30
# A press exactly on the left edge of column 1 belongs to it.
press 400 809.5
dump
#= values/ColonneClic 1
#~ columns/EpCroute/1 40.091 0.0000001
# One unit to the left lies outside the section: only the index is kept.
press 399 809.5
dump
#= values/ColonneClic 0
#~ columns/AltProfil/1 2 0.0000001
#= columns/AltProfil/0 0
#= columns/EpSocle/0 0
# Altitudes are taken in (-2000 m, 9000 m].
pressalt 6 9000
dump
#~ columns/AltSocle/6 9 0.0000001
pressalt 6 -2000
dump
#same
#= messages/0 {"title":"TERRAFLOT","text":"Vous dépassez les altitudes rencontrées sur Terre (au niveau de la croûte continentale)","icon":"question","buttons":"ok","answer":"ok"}
pressalt 6 9000.001
dump
#same
#= messages/0/icon "question"
# A surface at -100 m lies under 100 m of sea water.
pressalt 7 -100
dump
#= columns/HauteurEau/7 100
#~ columns/AltSurface/7 -0.1 0.0000001
# A column carrying ice and sediments keeps its sediments and loses its ice.
menu mnu_dépôt
pressalt 8 500
menu mnu_glaciation
pressalt 8 1500
dump
#~ columns/EpSediments/8 0.5 0.0000001
#~ columns/EpGlace/8 1 0.0000001
menu mnu_profil
pressalt 8 1000
dump
#= columns/EpGlace/8 0
#~ columns/EpSediments/8 0.5 0.0000001
#~ columns/AltSocle/8 1 0.0000001
#~ columns/AltSurface/8 1.5 0.0000001
# Right of the last column in use the press edits the columns beyond.
pressalt 30 1000
dump
#~ columns/AltSocle/30 1 0.0000001
# No column beyond the 100th; no root with a crust as dense as the mantle.
press 50401 809.5
dump
#same
menu mnu_modifier
bar VScroll2MV 300
bar VScroll3MV 300
pressalt 10 1000
dump
#= messages/0 {"title":"TERRAFLOT","text":"La masse volumique de la croûte doit être différente de celle du manteau.","icon":"stop","buttons":"ok","answer":"ok"}
#= columns/EpSocle/10 30
