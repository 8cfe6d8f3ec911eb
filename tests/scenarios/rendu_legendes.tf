# Legend captions of the reference-level zones and of the eroded volume.
dump
#= labels/Quiral.Label3 " Pression initiale supérieure à 471MPa (profondeur : 18km )"
#= labels/Quiral.Label5 " Pression initiale supérieure à 654MPa (profondeur : 25km )"
#= labels/Quiral.Label6 "Volume érodé pour une bande de 20 km de largeur et de  500 km de longueur, soit une surface de  10000 km2 :"
#= controls/Quiral.Picture3/backcolor "#FF9632"
#= controls/Quiral.Picture10/backcolor "#C81464"
# Zones hidden: the full refresh rewrites the legends unchanged.
menu mnu_ReprésenterNiveauxRepères
dump
#= menus/mnu_ReprésenterNiveauxRepères/caption "Représenter les niveaux repères"
#= labels/Quiral.Label3 " Pression initiale supérieure à 471MPa (profondeur : 18km )"
