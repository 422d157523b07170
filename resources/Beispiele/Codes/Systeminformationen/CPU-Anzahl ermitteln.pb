; Ermittelt Anzahl der Prozessoren, Architektur und Seitengröße mit GetSystemInfo_().
; Ein 32-Bit-Programm sieht unter 64-Bit-Windows hier x86; die echte Architektur
; liefert GetNativeSystemInfo_() mit derselben Struktur.

#Architektur_x86   = 0
#Architektur_AMD64 = 9
#Architektur_ARM64 = 12

Define info.SYSTEM_INFO, architektur.s

GetSystemInfo_(@info)

Select info\wProcessorArchitecture
  Case #Architektur_x86   : architektur = "x86"
  Case #Architektur_AMD64 : architektur = "x64 (AMD64)"
  Case #Architektur_ARM64 : architektur = "ARM64"
  Default                 : architektur = "andere (" + Str(info\wProcessorArchitecture) + ")"
EndSelect

Debug "Logische Prozessoren: " + Str(info\dwNumberOfProcessors)
Debug "Architektur:          " + architektur
Debug "Seitengröße:          " + Str(info\dwPageSize) + " Bytes"
Debug "Aktive Prozessoren:   %" + Bin(info\dwActiveProcessorMask)