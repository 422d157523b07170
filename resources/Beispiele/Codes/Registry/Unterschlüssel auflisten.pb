; Zählt die Unterschlüssel eines Registry-Schlüssels auf (hier: installierte Programme).

Define hKey, index.l, laenge.l, name.s
Define pfad.s = "Software\Microsoft\Windows\CurrentVersion\Uninstall"

If RegOpenKeyEx_(#HKEY_LOCAL_MACHINE, pfad, 0, #KEY_ENUMERATE_SUB_KEYS | #KEY_QUERY_VALUE, @hKey) <> #ERROR_SUCCESS
  Debug "Schlüssel nicht gefunden."
  End
EndIf

Repeat
  name = Space(256)
  laenge = 256      ; Puffergröße in Zeichen, wird von jedem Aufruf überschrieben
  If RegEnumKeyEx_(hKey, index, @name, @laenge, #Null, #Null, #Null, #Null) <> #ERROR_SUCCESS
    Break           ; ERROR_NO_MORE_ITEMS: alle Schlüssel gelesen
  EndIf
  Debug RSet(Str(index + 1), 4) + ": " + name
  index + 1
ForEver

RegCloseKey_(hKey)
Debug Str(index) + " Unterschlüssel gefunden."