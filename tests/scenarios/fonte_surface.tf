# The melt: each column's surface, water and crust follow its lost ice. Column 4 built at -200 m,
# then 0.7 km of ice whose top is at 500 m; column 6 flat at sea level under 0.8 km of ice.
pressalt 4 -200
menu mnu_glaciation
pressalt 4 500
pressalt 6 800
dump
#~ columns/AltSurface/6 0.8 0.0000001
#~ columns/EpGlace/4 0.7 0.0000001
#= columns/HauteurEau/4 0
menu mnu_fonte
dump
#= columns/EpGlace/6 0
#= columns/AltSurface/6 0
#= columns/HauteurEau/6 0
#= columns/EpCroute/6 30
#~ columns/AltSurface/4 -0.2 0.0000001
#= columns/HauteurEau/4 200
#= columns/EpGlace/4 0
#= columns/EpSediments/4 0
#= labels/Quiral.Label7 ""
#= controls/Quiral.Picture2/visible false
# The dashboard over column 4 reads the water it now carries.
movealt 4 -100
dump
#= columns/HauteurEau/4 200
#= labels/Tableau_bord.Label5 "-200 m"
#= labels/Tableau_bord.Label26 "200 m"
