; Listet alle Formate auf, in denen die Zwischenablage gerade Daten anbietet.

Procedure.s FormatName(format)
  Protected name.s = Space(128)

  Select format
    Case #CF_TEXT        : ProcedureReturn "CF_TEXT"
    Case #CF_BITMAP      : ProcedureReturn "CF_BITMAP"
    Case #CF_OEMTEXT     : ProcedureReturn "CF_OEMTEXT"
    Case #CF_DIB         : ProcedureReturn "CF_DIB"
    Case #CF_UNICODETEXT : ProcedureReturn "CF_UNICODETEXT"
    Case #CF_HDROP       : ProcedureReturn "CF_HDROP (Dateiliste)"
    Case #CF_LOCALE      : ProcedureReturn "CF_LOCALE"
  EndSelect

  ; Registrierte Formate (ab $C000) haben einen Namen
  If format >= $C000 And GetClipboardFormatName_(format, @name, 128)
    ProcedureReturn name
  EndIf
  ProcedureReturn "Format " + Str(format)
EndProcedure

Define format

If OpenClipboard_(#Null)
  format = EnumClipboardFormats_(0)
  While format
    Debug RSet(Str(format), 6) + "  " + FormatName(format)
    format = EnumClipboardFormats_(format)
  Wend
  CloseClipboard_()
EndIf