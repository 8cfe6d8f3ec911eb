# Marking erosion levels belongs to the erosion panel: once the panel is left for a mode, presses go
# to that mode again.
pressalt 5 2000
menu mnu_Anim_érosion
click HLBBttn2
pressalt 5 1000
dump
#= flags/ReperageErosion true
#~ columns/ProfilErosion/5 1 0.0000001
#= labels/Quiral.Label1 "Construction d'un profil d'érosion"
# Profile construction on a flat column: 1000 m is built, not refused as an erosion level above the
# surface.
menu mnu_profil
pressalt 7 1000
dump
#= messages []
#= controls/Quiral.Picture2/visible false
#~ columns/AltSurface/7 1 0.0000001
#= columns/ProfilErosion/7 0
#= labels/Quiral.Label1 "Construction d'un profil topographique équilibré du socle ."
# The flag itself is kept: back on the panel, presses mark again.
#= flags/ReperageErosion true
menu mnu_Anim_érosion
pressalt 7 500
dump
#~ columns/ProfilErosion/7 0.5 0.0000001
#~ columns/AltSurface/7 1 0.0000001
# "Effacer et recommencer" ends the marking.
menu mnu_recommencer
dump
#= flags/ReperageErosion false
menu mnu_Anim_érosion
pressalt 5 0
dump
#= labels/Quiral.Label1 " Erosion d'un massif montagneux"
