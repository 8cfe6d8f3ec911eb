# Textbook case: crust 2.80, mantle 3.30, reference crust 35 km.  A column
# built at 5000 m needs 68 km of crust: a root 28 km below the reference Moho.
menu mnu_modifier
bar VScroll2MV 280
bar VScroll3MV 330
bar VScroll2NC 35
pressalt 5 5000
dump
#~ columns/EpCroute/5 68 0.0000001
#~ columns/ProfMoho/5 63 0.001
# The crust may be denser than the mantle: a high column then needs less crust.
bar VScroll2MV 340
bar VScroll3MV 300
bar VScroll2NC 30
pressalt 6 2000
dump
#~ columns/EpCroute/6 15 0.0000001
