; Zeichnet mit GDI-Pinseln und einem Stift in ein Fenster, im WM_PAINT des Callbacks.

Procedure.i FensterCallback(hWnd, uMsg, wParam, lParam)
  Protected ps.PAINTSTRUCT, hDC, hStift, hAlterStift, hPinsel, hAlterPinsel
  Protected i, farbe.l

  If uMsg = #WM_PAINT
    hDC = BeginPaint_(hWnd, @ps)
    hStift = CreatePen_(#PS_SOLID, 2, RGB(40, 40, 40))
    hAlterStift = SelectObject_(hDC, hStift)

    Restore Farben
    For i = 0 To 3
      Read.l farbe
      hPinsel = CreateSolidBrush_(farbe)
      hAlterPinsel = SelectObject_(hDC, hPinsel)
      If i % 2 = 0
        Rectangle_(hDC, 20 + i * 90, 30, 100 + i * 90, 110)
      Else
        Ellipse_(hDC, 20 + i * 90, 30, 100 + i * 90, 110)
      EndIf
      ; Ein GDI-Objekt darf erst gelöscht werden, wenn es nicht mehr ausgewählt ist
      SelectObject_(hDC, hAlterPinsel)
      DeleteObject_(hPinsel)
    Next

    SelectObject_(hDC, hAlterStift)
    DeleteObject_(hStift)
    EndPaint_(hWnd, @ps)
    ProcedureReturn 0
  EndIf

  ProcedureReturn #PB_ProcessPureBasicEvents
EndProcedure

If OpenWindow(0, 0, 0, 400, 140, "GDI-Formen", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  SetWindowCallback(@FensterCallback(), 0)
  InvalidateRect_(WindowID(0), #Null, #True)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf

DataSection
  Farben:     ; GDI-Farben sind $BBGGRR: Rot, Grün, Blau, Gold
  Data.l $0000FF, $00C000, $FF0000, $00D7FF
EndDataSection