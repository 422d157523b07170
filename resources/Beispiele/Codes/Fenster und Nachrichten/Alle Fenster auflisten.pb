; Listet alle sichtbaren Hauptfenster mit Titel, Klasse und Handle auf.

Procedure.i FensterGefunden(hWnd, gadget)
  Protected titel.s = Space(256)
  Protected klasse.s = Space(256)

  If IsWindowVisible_(hWnd) And GetWindowTextLength_(hWnd) > 0
    GetWindowText_(hWnd, @titel, 256)
    GetClassName_(hWnd, @klasse, 256)
    AddGadgetItem(gadget, -1, titel + Chr(10) + klasse + Chr(10) + "$" + Hex(hWnd))
  EndIf

  ProcedureReturn #True   ; #True = weiter aufzählen, #False = abbrechen
EndProcedure

If OpenWindow(0, 0, 0, 600, 400, "Fensterliste", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ListIconGadget(0, 0, 0, 600, 400, "Titel", 300, #PB_ListIcon_FullRowSelect)
  AddGadgetColumn(0, 1, "Klasse", 180)
  AddGadgetColumn(0, 2, "Handle", 100)

  ; Der zweite Parameter kommt beim Callback als lParam an: hier die Gadget-Nummer
  EnumWindows_(@FensterGefunden(), 0)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf