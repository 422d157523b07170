; Begrenzt die Fenstergröße nach unten, indem der Callback WM_GETMINMAXINFO beantwortet.

#MinBreite = 300
#MinHoehe  = 200

Procedure.i FensterCallback(hWnd, uMsg, wParam, lParam)
  Protected *info.MINMAXINFO

  Select uMsg
    Case #WM_GETMINMAXINFO
      *info = lParam
      *info\ptMinTrackSize\x = #MinBreite
      *info\ptMinTrackSize\y = #MinHoehe
      ProcedureReturn 0

    Case #WM_SIZE
      ; Im unteren Wort steht die Breite, im oberen die Höhe des Client-Bereichs
      SetWindowTitle(0, "Größe: " + Str(lParam & $FFFF) + " x " + Str((lParam >> 16) & $FFFF))
  EndSelect

  ProcedureReturn #PB_ProcessPureBasicEvents
EndProcedure

If OpenWindow(0, 0, 0, 400, 300, "Größe ändern", #PB_Window_SystemMenu | #PB_Window_SizeGadget | #PB_Window_ScreenCentered)
  SetWindowCallback(@FensterCallback(), 0)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf