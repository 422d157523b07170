; Liest Größe und letzte Änderungszeit einer Datei direkt über die Windows-API.

Define datei.s = OpenFileRequester("Datei wählen", "C:\", "Alle Dateien (*.*)|*.*", 0)
Define hDatei, groesse.q
Define geaendert.FILETIME, lokal.FILETIME, zeit.SYSTEMTIME

If datei = ""
  End
EndIf

hDatei = CreateFile_(datei, #GENERIC_READ, #FILE_SHARE_READ | #FILE_SHARE_WRITE, #Null, #OPEN_EXISTING, #FILE_ATTRIBUTE_NORMAL, #Null)
If hDatei = #INVALID_HANDLE_VALUE
  MessageBox_(#Null, "Die Datei lässt sich nicht öffnen.", "Fehler", #MB_ICONERROR)
  End
EndIf

GetFileSizeEx_(hDatei, @groesse)
GetFileTime_(hDatei, #Null, #Null, @geaendert)
CloseHandle_(hDatei)

; Dateizeiten sind UTC, für die Anzeige in Ortszeit umrechnen
FileTimeToLocalFileTime_(@geaendert, @lokal)
FileTimeToSystemTime_(@lokal, @zeit)

Debug "Größe:    " + Str(groesse) + " Bytes (" + StrF(groesse / 1024.0, 1) + " KB)"
Debug "Geändert: " + RSet(Str(zeit\wDay), 2, "0") + "." + RSet(Str(zeit\wMonth), 2, "0") + "." + Str(zeit\wYear) + ", " + RSet(Str(zeit\wHour), 2, "0") + ":" + RSet(Str(zeit\wMinute), 2, "0") + " Uhr"