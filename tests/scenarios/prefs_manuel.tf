# Textbook case: crust 2.80, mantle 3.30, reference crust 35 km.  A column
# built at 5000 m needs 68 km of crust: a root 28 km below the reference Moho.
menu mnu_modifier
bar VScroll2MV 280
bar VScroll3MV 330
bar VScroll2NC 35
dump
#= params/MvCroute 2.8
#= params/MvManteau 3.3
#= params/EpCrouteRef 35
#~ columns/EpSocle/5 35 0.0000001
pressalt 5 5000
dump
#~ columns/EpCroute/5 68 0.0000001
#~ columns/EpSocle/5 68 0.0000001
#~ columns/ProfMoho/5 63 0.001
