; Gibt Text mit einer eigenen Schrift über DrawText_() zentriert im Fenster aus.

Global hSchrift

Procedure.i FensterCallback(hWnd, uMsg, wParam, lParam)
  Protected ps.PAINTSTRUCT, bereich.RECT, hDC, hAlt

  Select uMsg
    Case #WM_PAINT
      hDC = BeginPaint_(hWnd, @ps)
      GetClientRect_(hWnd, @bereich)
      SetBkMode_(hDC, #TRANSPARENT)
      SetTextColor_(hDC, RGB(0, 70, 140))

      hAlt = SelectObject_(hDC, hSchrift)
      DrawText_(hDC, "Grüße aus der GDI", -1, @bereich, #DT_CENTER | #DT_VCENTER | #DT_SINGLELINE)
      SelectObject_(hDC, hAlt)

      ; Die Fußzeile unten, in der Standardschrift des Gerätekontexts
      bereich\bottom - 10
      DrawText_(hDC, "Fenstergröße ändern: der Text bleibt in der Mitte", -1, @bereich, #DT_CENTER | #DT_BOTTOM | #DT_SINGLELINE)

      EndPaint_(hWnd, @ps)
      ProcedureReturn 0

    Case #WM_SIZE
      InvalidateRect_(hWnd, #Null, #True)
  EndSelect

  ProcedureReturn #PB_ProcessPureBasicEvents
EndProcedure

; Eine negative Höhe meint die Zeichenhöhe statt der Zellenhöhe, in Pixeln
hSchrift = CreateFont_(-28, 0, 0, 0, #FW_BOLD, #False, #False, #False, #DEFAULT_CHARSET, #OUT_DEFAULT_PRECIS, #CLIP_DEFAULT_PRECIS, #DEFAULT_QUALITY, #DEFAULT_PITCH | #FF_SWISS, "Arial")

If OpenWindow(0, 0, 0, 420, 200, "DrawText", #PB_Window_SystemMenu | #PB_Window_SizeGadget | #PB_Window_ScreenCentered)
  SetWindowCallback(@FensterCallback(), 0)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf

DeleteObject_(hSchrift)