# The ranges let the crust be denser than the mantle, or as dense.
menu mnu_modifier
bar VScroll2MV 340
bar VScroll3MV 300
dump
#= params/MvCroute 3.4
#= params/MvManteau 3
#= labels/Préférences.Label11MV "3"
# A higher column then needs a thinner crust.
pressalt 5 2000
dump
#~ columns/EpCroute/5 15 0.0000001
bar VScroll3MV 340
dump
#= params/MvManteau 3.4
pressalt 6 1000
dump
#= messages/0/text "La masse volumique de la croûte doit être différente de celle du manteau."
#= columns/EpSocle/6 30
