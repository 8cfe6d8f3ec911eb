# The reference crust thickness moves every basement in use by the change.
pressalt 5 2000
pressalt 6 -1500
menu mnu_modifier
bar VScroll2NC 32
dump
#= params/EpCrouteRefCourante 32
#~ columns/EpSocle/1 32 0.0000001
#~ columns/EpSocle/5 42.091 0.0000001
#~ columns/EpSocle/6 26.773 0.0000001
#= columns/EpSocle/26 30
# Each column floats at the same height again.
#~ columns/AltSocle/5 2 0.002
bar VScroll2NC 30
dump
#~ columns/EpSocle/1 30 0.0000001
#~ columns/EpSocle/5 40.091 0.0000001
#~ columns/EpSocle/6 24.773 0.0000001
