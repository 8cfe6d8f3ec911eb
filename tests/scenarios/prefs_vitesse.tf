# Animation speed: the right end gives 1 ms between steps, the left end 1000 ms.
menu mnu_modifier
bar HScroll1 1000
dump
#= params/IntervalleAnimation 1
#= controls/Préférences.Gauge1/value 1000
bar HScroll1 -5
dump
#= params/IntervalleAnimation 1000
#= controls/Préférences.Gauge1/value 1
# The ice density runs from 0.50 to 1.50 g/cm3.
bar VScroll5MV 32767
dump
#= params/MvGlace 1.5
#= labels/Préférences.Label3MV "1,5"
