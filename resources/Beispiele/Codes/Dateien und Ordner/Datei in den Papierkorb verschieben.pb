; Verschiebt eine Datei in den Papierkorb, statt sie endgültig zu löschen.

Procedure.i InPapierkorb(datei.s)
  Protected aktion.SHFILEOPSTRUCT
  Protected *liste, ergebnis

  ; pFrom erwartet eine Liste von Namen, die mit zwei Nullzeichen endet;
  ; AllocateMemory() füllt den Speicher mit Nullen
  *liste = AllocateMemory(StringByteLength(datei) + 2 * SizeOf(Character))
  If *liste = 0
    ProcedureReturn #False
  EndIf
  PokeS(*liste, datei)

  aktion\hwnd   = #Null
  aktion\wFunc  = #FO_DELETE
  aktion\pFrom  = *liste
  aktion\fFlags = #FOF_ALLOWUNDO | #FOF_NOCONFIRMATION | #FOF_SILENT

  ergebnis = SHFileOperation_(@aktion)
  FreeMemory(*liste)

  ProcedureReturn Bool(ergebnis = 0 And aktion\fAnyOperationsAborted = #False)
EndProcedure

Define datei.s = GetTemporaryDirectory() + "Papierkorb-Test.txt"

If CreateFile(0, datei)
  WriteStringN(0, "Diese Datei landet gleich im Papierkorb.")
  CloseFile(0)
EndIf

If InPapierkorb(datei)
  Debug "Verschoben: " + datei
Else
  Debug "Das Verschieben ist fehlgeschlagen."
EndIf