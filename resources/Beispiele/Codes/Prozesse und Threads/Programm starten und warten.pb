; Startet den Editor, wartet, bis er geschlossen wird, und liest seinen Rückgabewert.

Define start.STARTUPINFO, prozess.PROCESS_INFORMATION
Define befehl.s = ~"notepad.exe \"" + GetTemporaryDirectory() + ~"notiz.txt\""
Define rueckgabe.l

start\cb = SizeOf(STARTUPINFO)
start\dwFlags = #STARTF_USESHOWWINDOW
start\wShowWindow = #SW_SHOWNORMAL

; CreateProcess darf die Befehlszeile verändern, daher ein Puffer statt einer Konstante
If CreateProcess_(#Null, @befehl, #Null, #Null, #False, 0, #Null, #Null, @start, @prozess) = 0
  Goto Fehler
EndIf

Debug "Gestartet, Prozess-ID " + Str(prozess\dwProcessId)
WaitForSingleObject_(prozess\hProcess, #INFINITE)
GetExitCodeProcess_(prozess\hProcess, @rueckgabe)
Debug "Beendet mit Code " + Str(rueckgabe)

CloseHandle_(prozess\hThread)
CloseHandle_(prozess\hProcess)
End

Fehler:
MessageBox_(#Null, "Start fehlgeschlagen, Fehler " + Str(GetLastError_()), "Fehler", #MB_ICONERROR)