# The dashboard under the cursor: reference column at 5 km depth.
movealt 5 -5000
dump
#= windows/Tableau_bord/loaded true
#= windows/Tableau_bord/visible true
#= values/IndexCurseur 5
#= labels/Tableau_bord.Label1 "Index N° 5"
#= labels/Tableau_bord.Label6 " -Altitude au curseur : -5000 m\r\n -Pression au curseur :  130.83 MPa"
#= labels/Tableau_bord.Label28 " 3069 MPa"
#= columns/PressionRepereIntermediaire/5 471
#= columns/PressionRepereProfond/5 654
#= controls/Tableau_bord.Picture1/backcolor "#00FF00"
#= controls/Tableau_bord.Label1/forecolor "#000000"
#= labels/Tableau_bord.Label3 "-30 km"
#= labels/Tableau_bord.Label13 "0,0 km"
#= labels/Tableau_bord.Label18 "471,0 MPa"
#= labels/Tableau_bord.Label20 "654,0 MPa"
# In the air: altitude shown, no pressure.
movealt 5 3000
dump
#= labels/Tableau_bord.Label6 " -Altitude au curseur :  3000 m\r\n -Pression au curseur :  0 MPa"
# Into the left margin: nothing changes on the dashboard.
move 200 3000
dump
#= labels/Tableau_bord.Label6 " -Altitude au curseur :  3000 m\r\n -Pression au curseur :  0 MPa"
#= labels/Tableau_bord.Label1 "Index N° 5"
# Beyond column 100 nothing changes either.
move 50401 3000
dump
#same
# Toggled off, it goes at the next readout; on, it is back in its corner.
menu mnu_affichetableau
move 2000 3000
dump
#= menus/mnu_affichetableau/caption "Afficher le tableau de bord"
#= windows/Tableau_bord/loaded false
menu mnu_affichetableau
move 2000 3000
dump
#= menus/mnu_affichetableau/caption "Ne pas afficher le tableau de bord"
#= labels/Tableau_bord.Label1 "Index N° 4"
#= windows/Tableau_bord/left 15910
