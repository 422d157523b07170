; Lädt eine Datei über HTTP mit WinINet herunter und speichert sie im Temp-Ordner.

#Puffergroesse = 8192

Procedure.q Herunterladen(adresse.s, ziel.s)
  Protected hInternet, hUrl, datei, gelesen.l, gesamt.q = -1
  Protected *puffer = AllocateMemory(#Puffergroesse)

  hInternet = InternetOpen_("PureBasic-Beispiel", #INTERNET_OPEN_TYPE_PRECONFIG, #Null, #Null, 0)
  If hInternet
    hUrl = InternetOpenUrl_(hInternet, adresse, #Null, 0, #INTERNET_FLAG_RELOAD | #INTERNET_FLAG_NO_CACHE_WRITE, 0)
    If hUrl
      datei = CreateFile(#PB_Any, ziel)
      If datei
        gesamt = 0
        While InternetReadFile_(hUrl, *puffer, #Puffergroesse, @gelesen) And gelesen > 0
          WriteData(datei, *puffer, gelesen)
          gesamt + gelesen
        Wend
        CloseFile(datei)
      EndIf
      InternetCloseHandle_(hUrl)
    EndIf
    InternetCloseHandle_(hInternet)
  EndIf

  FreeMemory(*puffer)
  ProcedureReturn gesamt     ; -1 bei einem Fehler
EndProcedure

Define ziel.s = GetTemporaryDirectory() + "beispiel.html"
Define bytes.q = Herunterladen("http://www.example.com/", ziel)

If bytes >= 0
  Debug Str(bytes) + " Bytes gespeichert in " + ziel
Else
  MessageBox_(#Null, ~"Der Download ist fehlgeschlagen.\nBitte die Verbindung prüfen.", "Download", #MB_ICONWARNING)
EndIf