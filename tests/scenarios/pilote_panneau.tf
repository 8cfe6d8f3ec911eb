# The erosion panel in the dump: one entry, its state and its place.
dump
#= controls/Quiral.Picture2/visible false
menu mnu_Anim_érosion
dump
#= controls/Quiral.Picture2/visible true
#= controls/Quiral.Picture2/width 6420
#= controls/Quiral.Picture2/height 2025
