; Prüft, ob und auf welchem Weg der Rechner mit dem Internet verbunden ist.

#Adresse = "http://www.example.com/"

; Bits im Ergebnis von InternetGetConnectedState
#Verbindung_Modem   = %00000001
#Verbindung_LAN     = %00000010
#Verbindung_Proxy   = %00000100
#Verbindung_Offline = %00100000

#Verbindung_erzwingen = 1       ; FLAG_ICC_FORCE_CONNECTION

Define flags.l

If InternetGetConnectedState_(@flags, 0)
  Debug "Verbunden."
Else
  Debug "Keine Verbindung laut InternetGetConnectedState."
EndIf

If flags & #Verbindung_LAN     : Debug "  über das lokale Netz"           : EndIf
If flags & #Verbindung_Modem   : Debug "  über ein Modem"                 : EndIf
If flags & #Verbindung_Proxy   : Debug "  über einen Proxy"               : EndIf
If flags & #Verbindung_Offline : Debug "  Offline-Modus ist eingeschaltet" : EndIf

; Ein echter Verbindungsversuch zu einer Adresse ist verlässlicher
If InternetCheckConnection_(#Adresse, #Verbindung_erzwingen, 0)
  Debug #Adresse + " ist erreichbar."
Else
  Debug #Adresse + " ist nicht erreichbar (Fehler " + Str(GetLastError_()) + ")."
EndIf