; Verbindet eine Netzwerkfreigabe mit einem Laufwerksbuchstaben und trennt sie wieder.

Define netz.NETRESOURCE, ergebnis
Define laufwerk.s = "Z:"
Define freigabe.s = "\\Server\Dokumente"

netz\dwType       = #RESOURCETYPE_DISK
netz\lpLocalName  = @laufwerk
netz\lpRemoteName = @freigabe
netz\lpProvider   = #Null

; Benutzer und Kennwort #Null: mit der Anmeldung des aktuellen Benutzers verbinden
ergebnis = WNetAddConnection2_(@netz, #Null, #Null, #CONNECT_TEMPORARY)

Select ergebnis
  Case #NO_ERROR
    MessageBox_(#Null, ~"Laufwerk verbunden.\nOK trennt die Verbindung wieder.", "Netzlaufwerk", #MB_ICONINFORMATION)
    WNetCancelConnection2_(laufwerk, 0, #True)
  Case #ERROR_ALREADY_ASSIGNED
    Debug laufwerk + " ist bereits belegt."
  Case #ERROR_BAD_NET_NAME
    Debug "Freigabe nicht gefunden: " + freigabe
  Default
    Debug "Fehler " + Str(ergebnis)
EndSelect