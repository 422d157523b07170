; Macht ein Fenster halb durchsichtig (geschichtetes Fenster, ab Windows 2000).

Define deckkraft.f = 0.75     ; 0.0 = unsichtbar, 1.0 = voll deckend
Define alpha.a
Define stil

If OpenWindow(0, 0, 0, 300, 150, "Durchsichtiges Fenster", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(0, 10, 60, 280, 20, "Dieses Fenster ist zu 75 % deckend.", #PB_Text_Center)

  ; Erst der erweiterte Stil WS_EX_LAYERED erlaubt die Durchsichtigkeit
  stil = GetWindowLongPtr_(WindowID(0), #GWL_EXSTYLE)
  SetWindowLongPtr_(WindowID(0), #GWL_EXSTYLE, stil | #WS_EX_LAYERED)

  alpha = deckkraft * 255
  SetLayeredWindowAttributes_(WindowID(0), 0, alpha, #LWA_ALPHA)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf