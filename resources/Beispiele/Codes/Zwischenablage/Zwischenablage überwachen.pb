; Meldet jede Änderung der Zwischenablage über die klassische Viewer-Kette.

Global hNaechster

Procedure.i FensterCallback(hWnd, uMsg, wParam, lParam)
  Select uMsg
    Case #WM_DRAWCLIPBOARD
      AddGadgetItem(0, -1, FormatDate("%hh:%ii:%ss", Date()) + "  Inhalt geändert")
      ; Jede Nachricht muss an das nächste Fenster der Kette weitergereicht werden
      If hNaechster
        SendMessage_(hNaechster, uMsg, wParam, lParam)
      EndIf

    Case #WM_CHANGECBCHAIN
      ; Ein Fenster verlässt die Kette: den Nachfolger anpassen oder weiterreichen
      If wParam = hNaechster
        hNaechster = lParam
      ElseIf hNaechster
        SendMessage_(hNaechster, uMsg, wParam, lParam)
      EndIf
  EndSelect

  ProcedureReturn #PB_ProcessPureBasicEvents
EndProcedure

If OpenWindow(0, 0, 0, 320, 240, "Zwischenablage", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ListViewGadget(0, 0, 0, 320, 240)
  SetWindowCallback(@FensterCallback(), 0)
  hNaechster = SetClipboardViewer_(WindowID(0))

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow

  ChangeClipboardChain_(WindowID(0), hNaechster)
EndIf