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
# In the air: altitude shown, no pressure.
movealt 5 3000
dump
#= labels/Tableau_bord.Label6 " -Altitude au curseur :  3000 m\r\n -Pression au curseur :  0 MPa"
# Into the left margin: nothing changes on the dashboard.
move 200 3000
dump
#= labels/Tableau_bord.Label6 " -Altitude au curseur :  3000 m\r\n -Pression au curseur :  0 MPa"
#= labels/Tableau_bord.Label1 "Index N° 5"
