; Liest einen Text-Wert aus der Registry, hier den Namen des Prozessors.

Procedure.s RegistryText(hauptschluessel, pfad.s, name.s)
  Protected hKey, typ.l, groesse.l, ergebnis.s

  If RegOpenKeyEx_(hauptschluessel, pfad, 0, #KEY_READ, @hKey) = #ERROR_SUCCESS
    ; Der erste Aufruf ohne Puffer liefert Typ und benötigte Größe in Bytes
    If RegQueryValueEx_(hKey, name, 0, @typ, #Null, @groesse) = #ERROR_SUCCESS
      If typ = #REG_SZ Or typ = #REG_EXPAND_SZ
        ergebnis = Space(groesse / SizeOf(Character) + 1)
        RegQueryValueEx_(hKey, name, 0, #Null, @ergebnis, @groesse)
      EndIf
    EndIf
    RegCloseKey_(hKey)
  EndIf

  ProcedureReturn ergebnis
EndProcedure

Debug RegistryText(#HKEY_LOCAL_MACHINE, "HARDWARE\DESCRIPTION\System\CentralProcessor\0", "ProcessorNameString")
Debug RegistryText(#HKEY_CURRENT_USER, "Control Panel\Desktop", "Wallpaper")