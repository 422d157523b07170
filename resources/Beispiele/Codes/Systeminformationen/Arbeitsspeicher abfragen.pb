; Zeigt Größe und Auslastung des Arbeitsspeichers, auch jenseits von 4 GB.

Define speicher.MEMORYSTATUSEX
Define mb.d = 1048576.0

speicher\dwLength = SizeOf(MEMORYSTATUSEX)

If GlobalMemoryStatusEx_(@speicher)
  Debug "Auslastung:       " + Str(speicher\dwMemoryLoad) + " %"
  Debug "Physisch gesamt:  " + StrD(speicher\ullTotalPhys / mb, 0) + " MB"
  Debug "Physisch frei:    " + StrD(speicher\ullAvailPhys / mb, 0) + " MB"
  Debug "Auslagerung frei: " + StrD(speicher\ullAvailPageFile / mb, 0) + " MB"
  Debug "Adressraum frei:  " + StrD(speicher\ullAvailVirtual / mb, 0) + " MB"
Else
  Debug "GlobalMemoryStatusEx fehlgeschlagen, Fehler " + Str(GetLastError_())
EndIf