; Kopiert Text über die API in die Zwischenablage, Schritt für Schritt statt mit SetClipboardText().

Procedure.i TextKopieren(text.s)
  Protected hSpeicher, *ziel, ok = #False

  ; Platz für den Text in UTF-16 und das abschließende Nullzeichen
  hSpeicher = GlobalAlloc_(#GMEM_MOVEABLE, StringByteLength(text, #PB_Unicode) + 2)
  If hSpeicher = 0
    ProcedureReturn #False
  EndIf

  *ziel = GlobalLock_(hSpeicher)
  PokeS(*ziel, text, -1, #PB_Unicode)
  GlobalUnlock_(hSpeicher)

  If OpenClipboard_(#Null)
    EmptyClipboard_()
    ; Nach Erfolg gehört der Speicher dem System und darf nicht freigegeben werden
    ok = Bool(SetClipboardData_(#CF_UNICODETEXT, hSpeicher) <> 0)
    CloseClipboard_()
  EndIf

  If Not ok
    GlobalFree_(hSpeicher)
  EndIf
  ProcedureReturn ok
EndProcedure

If TextKopieren(~"Erste Zeile\r\nZweite Zeile mit Umlauten: äöü ÄÖÜ ß")
  Debug "Der Text steht in der Zwischenablage."
EndIf