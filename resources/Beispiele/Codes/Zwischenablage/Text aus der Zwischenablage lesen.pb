; Liest Text aus der Zwischenablage, wenn sie welchen enthält.

Procedure.s TextLesen()
  Protected hDaten, *quelle, text.s

  If IsClipboardFormatAvailable_(#CF_UNICODETEXT) = 0
    ProcedureReturn ""
  EndIf

  If OpenClipboard_(#Null)
    hDaten = GetClipboardData_(#CF_UNICODETEXT)
    If hDaten
      *quelle = GlobalLock_(hDaten)
      If *quelle
        text = PeekS(*quelle, -1, #PB_Unicode)
        GlobalUnlock_(hDaten)
      EndIf
    EndIf
    CloseClipboard_()     ; hDaten gehört weiter der Zwischenablage
  EndIf

  ProcedureReturn text
EndProcedure

Define inhalt.s = TextLesen()

If inhalt = ""
  Debug "Kein Text in der Zwischenablage."
Else
  Debug Str(Len(inhalt)) + " Zeichen in " + Str(CountString(inhalt, #CRLF$) + 1) + " Zeilen:"
  Debug inhalt
EndIf