; Meldet, wenn im Temp-Ordner Dateien angelegt, umbenannt, gelöscht oder geschrieben werden.
; Die Überwachung endet nach zehn Meldungen oder nach einer Minute ohne Änderung.

Define ordner.s = GetTemporaryDirectory()
Define hAenderung, zaehler

hAenderung = FindFirstChangeNotification_(ordner, #False, #FILE_NOTIFY_CHANGE_FILE_NAME | #FILE_NOTIFY_CHANGE_LAST_WRITE)
If hAenderung = #INVALID_HANDLE_VALUE
  Debug "Überwachung nicht möglich, Fehler " + Str(GetLastError_())
  End
EndIf

Debug "Überwache " + ordner

Repeat
  If WaitForSingleObject_(hAenderung, 60000) = #WAIT_TIMEOUT
    Debug "Eine Minute lang keine Änderung."
    Break
  EndIf

  zaehler + 1
  Debug "Änderung Nr. " + Str(zaehler) + " um " + FormatDate("%hh:%ii:%ss", Date())

  ; Erst FindNextChangeNotification_() macht das Handle wieder scharf
Until zaehler = 10 Or FindNextChangeNotification_(hAenderung) = 0

FindCloseChangeNotification_(hAenderung)