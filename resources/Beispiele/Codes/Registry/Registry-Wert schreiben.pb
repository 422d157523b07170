; Legt einen eigenen Schlüssel unter HKEY_CURRENT_USER an und schreibt zwei Werte hinein.

#Schluessel = "Software\PureBasic-Beispiele"

Define hKey, neu.l
Define zahl.l = 42
Define text.s = "Grüße aus PureBasic"

If RegCreateKeyEx_(#HKEY_CURRENT_USER, #Schluessel, 0, #Null, #REG_OPTION_NON_VOLATILE, #KEY_WRITE, #Null, @hKey, @neu) = #ERROR_SUCCESS
  If neu = #REG_CREATED_NEW_KEY
    Debug "Der Schlüssel wurde neu angelegt."
  Else
    Debug "Der Schlüssel war schon vorhanden."
  EndIf

  ; Bei REG_SZ zählt das abschließende Nullzeichen zur Länge
  RegSetValueEx_(hKey, "Begrüßung", 0, #REG_SZ, @text, StringByteLength(text) + SizeOf(Character))
  RegSetValueEx_(hKey, "Antwort", 0, #REG_DWORD, @zahl, SizeOf(Long))

  RegCloseKey_(hKey)
EndIf