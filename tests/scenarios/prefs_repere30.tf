# A validated deep level of 30 km: every column's deep level starts again
# 30 km down before the section is balanced.
pressalt 5 2000
menu mnu_modifier
bar VScroll3NC 30
answer yes
menu Préférences.mnu_quitter
dump
#= columns/ProfRepereProfondCol/1 30
#= columns/ProfRepereProfondCol/25 30
#= columns/ProfRepereProfondCol/26 25
#= columns/AltRepereProfond/1 -30
#~ columns/AltRepereProfond/5 -28 0.002
