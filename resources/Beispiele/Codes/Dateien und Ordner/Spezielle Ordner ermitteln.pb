; Ermittelt die Pfade einiger Sonderordner über ihre CSIDL-Nummer.

Procedure.s SonderOrdner(csidl)
  Protected pfad.s = Space(#MAX_PATH)

  ; Der vierte Parameter 0 (SHGFP_TYPE_CURRENT) fragt nach dem aktuellen, nicht dem Standardpfad
  If SHGetFolderPath_(#Null, csidl, #Null, 0, @pfad) = #S_OK
    ProcedureReturn pfad
  EndIf
  ProcedureReturn ""
EndProcedure

Debug "Eigene Dateien:  " + SonderOrdner(#CSIDL_PERSONAL)
Debug "Desktop:         " + SonderOrdner(#CSIDL_DESKTOPDIRECTORY)
Debug "Anwendungsdaten: " + SonderOrdner(#CSIDL_APPDATA)
Debug "Programme:       " + SonderOrdner(#CSIDL_PROGRAM_FILES)
Debug "Windows:         " + SonderOrdner(#CSIDL_WINDOWS)
Debug "Schriftarten:    " + SonderOrdner(#CSIDL_FONTS)