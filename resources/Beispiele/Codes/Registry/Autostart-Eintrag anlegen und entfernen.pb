; Trägt das eigene Programm in den Autostart des Benutzers ein oder entfernt es wieder.

#RunSchluessel = "Software\Microsoft\Windows\CurrentVersion\Run"
#EintragName   = "MeinProgramm"

Procedure.i AutostartSetzen(aktiv)
  Protected hKey, befehl.s, ok = #False

  If RegOpenKeyEx_(#HKEY_CURRENT_USER, #RunSchluessel, 0, #KEY_SET_VALUE, @hKey) = #ERROR_SUCCESS
    If aktiv
      ; Pfad in Anführungszeichen, falls er Leerzeichen enthält
      befehl = ~"\"" + ProgramFilename() + ~"\" /minimiert"
      ok = Bool(RegSetValueEx_(hKey, #EintragName, 0, #REG_SZ, @befehl, StringByteLength(befehl) + SizeOf(Character)) = #ERROR_SUCCESS)
    Else
      ok = Bool(RegDeleteValue_(hKey, #EintragName) = #ERROR_SUCCESS)
    EndIf
    RegCloseKey_(hKey)
  EndIf

  ProcedureReturn ok
EndProcedure

If MessageBox_(#Null, "Soll das Programm mit Windows starten?", "Autostart", #MB_YESNO | #MB_ICONQUESTION) = #IDYES
  Debug "Eintragen: " + Str(AutostartSetzen(#True))
Else
  Debug "Entfernen: " + Str(AutostartSetzen(#False))
EndIf