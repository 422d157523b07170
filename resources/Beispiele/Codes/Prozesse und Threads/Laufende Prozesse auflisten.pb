; Listet alle laufenden Prozesse mit Prozess-ID und Anzahl der Threads auf.

Define hSnapshot, eintrag.PROCESSENTRY32, anzahl

hSnapshot = CreateToolhelp32Snapshot_(#TH32CS_SNAPPROCESS, 0)
If hSnapshot = #INVALID_HANDLE_VALUE
  Debug "Kein Snapshot möglich."
  End
EndIf

; dwSize muss vor dem ersten Aufruf gesetzt sein, sonst schlägt Process32First fehl
eintrag\dwSize = SizeOf(PROCESSENTRY32)

If Process32First_(hSnapshot, @eintrag)
  Repeat
    anzahl + 1
    Debug RSet(Str(eintrag\th32ProcessID), 6) + "  " + LSet(PeekS(@eintrag\szExeFile), 32) + Str(eintrag\cntThreads) + " Threads"
  Until Process32Next_(hSnapshot, @eintrag) = 0
EndIf

CloseHandle_(hSnapshot)
Debug Str(anzahl) + " Prozesse"