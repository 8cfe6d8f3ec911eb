# Erosion by clicking: the crust from the surface down to the Moho follows what the press wore away.
# Column 3: basement raised to 1 km, 31 km thick.
menu mnu_érosion
pressalt 3 1000
# Column 7: 0.7 km of sediments on the 30 km basement.
menu mnu_dépôt
pressalt 7 700
dump
#~ columns/EpCroute/7 30.7 0.0000001
menu mnu_use
# Into the basement: 0.6 km of it goes.
pressalt 3 400
dump
#~ columns/EpSocle/3 30.4 0.0000001
#~ columns/EpCroute/3 30.4 0.0000001
# Into the sediments: 0.4 km of them go.
pressalt 7 300
dump
#~ columns/EpSediments/7 0.3 0.0000001
#~ columns/EpCroute/7 30.3 0.0000001
# Through the sediments into the basement.
pressalt 7 -100
dump
#= columns/EpSediments/7 0
#~ columns/EpCroute/7 29.6 0.0000001
