# Legend captions of the reference-level zones and of the eroded volume.
dump
#= labels/Quiral.Label3 " Pression initiale supérieure à 471MPa (profondeur : 18km )"
#= labels/Quiral.Label5 " Pression initiale supérieure à 654MPa (profondeur : 25km )"
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  500 km de longueur, soit une surface de  10000 km2 :"
#= labels/Quiral.Label7 ""
#= controls/Quiral.Picture3/backcolor "#FF9632"
#= controls/Quiral.Picture10/backcolor "#C81464"
#= menus/mnu_quadrillage/caption "Représenter le quadrillage"
#= menus/mnu_ReprésenterNiveauxRepères/caption "Ne pas représenter les niveaux repères"
# Grid on and off again.
menu mnu_quadrillage
dump
#= flags/Quadrillage true
#= menus/mnu_quadrillage/caption "Ne pas représenter le quadrillage"
menu mnu_quadrillage
dump
#= flags/Quadrillage false
#= menus/mnu_quadrillage/caption "Représenter le quadrillage"
# Zones hidden: the legends are rewritten by the full refresh, unchanged.
menu mnu_ReprésenterNiveauxRepères
dump
#= flags/RepresenteReperes false
#= menus/mnu_ReprésenterNiveauxRepères/caption "Représenter les niveaux repères"
#= labels/Quiral.Label3 " Pression initiale supérieure à 471MPa (profondeur : 18km )"
#= columns/LimiteInitialeIntermediaire/7 -18
menu mnu_ReprésenterNiveauxRepères
dump
#= flags/RepresenteReperes true
#= menus/mnu_ReprésenterNiveauxRepères/caption "Ne pas représenter les niveaux repères"
#= columns/AltRepereProfond/7 -25
