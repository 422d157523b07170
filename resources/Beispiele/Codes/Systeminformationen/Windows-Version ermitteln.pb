; Liest die Windows-Version mit GetVersionEx_() und OSVERSIONINFO.
; Ab Windows 8.1 meldet die Funktion ohne passendes Manifest immer 6.2.

Define info.OSVERSIONINFO
Define name.s = "unbekannt"

info\dwOSVersionInfoSize = SizeOf(OSVERSIONINFO)
If GetVersionEx_(@info) = 0
  End
EndIf

Select info\dwMajorVersion
  Case 5
    If info\dwMinorVersion = 0 : name = "Windows 2000" : Else : name = "Windows XP" : EndIf
  Case 6
    Select info\dwMinorVersion
      Case 0 : name = "Windows Vista"
      Case 1 : name = "Windows 7"
      Case 2 : name = "Windows 8 (oder neuer ohne Manifest)"
      Case 3 : name = "Windows 8.1"
    EndSelect
  Case 10
    name = "Windows 10 oder 11"
EndSelect

Debug name + ", Version " + Str(info\dwMajorVersion) + "." + Str(info\dwMinorVersion) + ", Build " + Str(info\dwBuildNumber)
Debug "Service Pack: " + PeekS(@info\szCSDVersion)