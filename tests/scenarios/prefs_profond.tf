# With every basement thinner than the deep level, the first change of the
# deep-level bar narrows it to run from the intermediate level up to the
# thickest basement.
menu mnu_modifier
bar VScroll1 10
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
dump
# 1.9 km of sea water over each column: 23.379 km of crust.
#~ params/EpSocleMax 23.379 0.0000001
#= bars/VScroll3NC {"value":25,"min":18,"max":30}
bar VScroll3NC 24
dump
#= bars/VScroll3NC {"value":23,"min":18,"max":23}
#= params/ProfRepereProfond 23
#= labels/Préférences.Label2NC "23"
# The intermediate bar's top end follows the deep level.
bar VScroll31NC 25
dump
#= bars/VScroll31NC {"value":23,"min":5,"max":23}
#= params/ProfRepereIntermediaire 23
