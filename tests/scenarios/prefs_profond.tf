# With every basement thinner than the deep level, the first change of the
# deep-level bar narrows it to run from the intermediate level up to the
# thickest basement.
menu mnu_modifier
pressalt 1 -1900
pressalt 2 -1900
pressalt 3 -1900
pressalt 4 -1900
pressalt 5 -1900
pressalt 6 -1900
pressalt 7 -1900
pressalt 8 -1900
pressalt 9 -1900
pressalt 10 -1900
pressalt 11 -1900
pressalt 12 -1900
pressalt 13 -1900
pressalt 14 -1900
pressalt 15 -1900
pressalt 16 -1900
pressalt 17 -1900
pressalt 18 -1900
pressalt 19 -1900
pressalt 20 -1900
pressalt 21 -1900
pressalt 22 -1900
pressalt 23 -1900
pressalt 24 -1900
pressalt 25 -1900
dump
# 1.9 km of sea water over each column: 23.379 km of crust.
#~ params/EpSocleMax 23.379 0.0000001
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
bar VScroll3NC 24
dump
#= bars/VScroll3NC {"value":23,"min":18,"max":23}
#= params/ProfRepereProfond 23
#= params/ProfRepereProfondSauve 23
#= labels/Préférences.Label2NC "23"
bar VScroll3NC 30
dump
#same
bar VScroll3NC 20
dump
#= params/ProfRepereProfond 20
# The intermediate bar's top end follows the deep level.
bar VScroll31NC 25
dump
#= bars/VScroll31NC {"value":20,"min":5,"max":20}
#= params/ProfRepereIntermediaire 20
#= labels/Préférences.Label6NC "20"
# The deep level cannot go above the intermediate one.
bar VScroll3NC 5
dump
#= bars/VScroll3NC {"value":20,"min":20,"max":23}
#= params/ProfRepereProfond 20
