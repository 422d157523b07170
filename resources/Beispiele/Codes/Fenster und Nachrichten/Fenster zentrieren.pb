; Zentriert ein Fenster im Arbeitsbereich des Bildschirms (ohne Taskleiste).

Procedure FensterZentrieren(hWnd)
  Protected fenster.RECT, arbeitsbereich.RECT
  Protected breite, hoehe, x, y

  GetWindowRect_(hWnd, @fenster)
  ; SPI_GETWORKAREA liefert den Bereich ohne Taskleiste, anders als GetSystemMetrics
  SystemParametersInfo_(#SPI_GETWORKAREA, 0, @arbeitsbereich, 0)

  breite = fenster\right - fenster\left
  hoehe  = fenster\bottom - fenster\top
  x = arbeitsbereich\left + (arbeitsbereich\right - arbeitsbereich\left - breite) / 2
  y = arbeitsbereich\top + (arbeitsbereich\bottom - arbeitsbereich\top - hoehe) / 2

  SetWindowPos_(hWnd, #Null, x, y, 0, 0, #SWP_NOSIZE | #SWP_NOZORDER)
EndProcedure

If OpenWindow(0, 0, 0, 320, 200, "Zentriertes Fenster", #PB_Window_SystemMenu | #PB_Window_Invisible)
  FensterZentrieren(WindowID(0))
  HideWindow(0, #False)

  ; Zum Vergleich die volle Bildschirmgröße
  Debug "Bildschirm: " + Str(GetSystemMetrics_(#SM_CXSCREEN)) + " x " + Str(GetSystemMetrics_(#SM_CYSCREEN))

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf