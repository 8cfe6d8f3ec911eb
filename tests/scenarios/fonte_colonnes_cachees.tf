# The melt redraws all 100 columns, those beyond the section too: drawing a column keeps its
# reference levels above its Moho. With the levels not shown, column 30 (beyond the 25 in use) gets
# a Moho at 6 km; its deep level stays at -25 km.
menu mnu_ReprésenterNiveauxRepères
menu mnu_modifmoho
pressalt 30 -6000
dump
#= columns/ProfMoho/30 6
#= columns/AltRepereProfond/30 -25
menu mnu_ReprésenterNiveauxRepères
menu mnu_glaciation
menu mnu_fonte
dump
#= flags/RepresenteReperes true
#= columns/AltRepereProfond/30 -6
#= columns/AltRepereIntermediaire/30 -6
