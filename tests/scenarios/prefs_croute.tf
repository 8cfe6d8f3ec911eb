# The reference crust thickness moves every basement in use by the change.
pressalt 5 2000
pressalt 6 -1500
menu mnu_modifier
bar VScroll2NC 32
dump
#= params/EpCrouteRef 32
#= params/EpCrouteRefSauve 32
#= params/EpCrouteRefCourante 32
#= labels/Préférences.Label12NC "32"
#~ columns/EpSocle/1 32 0.0000001
#~ columns/EpSocle/5 42.091 0.0000001
#~ columns/EpSocle/6 26.773 0.0000001
#~ columns/EpSocle/25 32 0.0000001
# Columns beyond the section are left alone.
#= columns/EpSocle/26 30
#= columns/EpSocle/0 0
# Each column floats again at the same height: a reference column of 32 km.
#~ columns/AltSocle/1 0 0.0000001
#~ columns/AltSocle/5 2 0.002
bar VScroll2NC 30
dump
#= params/EpCrouteRef 30
#= params/EpCrouteRefCourante 30
#~ columns/EpSocle/1 30 0.0000001
#~ columns/EpSocle/5 40.091 0.0000001
#~ columns/EpSocle/6 24.773 0.0000001
#= columns/EpSocle/26 30
#~ columns/AltSocle/5 2 0.002
