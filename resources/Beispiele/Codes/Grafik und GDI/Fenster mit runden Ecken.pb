; Gibt einem rahmenlosen Fenster runde Ecken und lässt es mit der Maus verschieben.

#Radius = 30
#Blau   = $A05A00    ; $BBGGRR

If OpenWindow(0, 0, 0, 320, 200, "", #PB_Window_BorderLess | #PB_Window_ScreenCentered)
  SetWindowColor(0, #Blau)
  TextGadget(0, 20, 85, 280, 30, "Ziehen mit der linken Maustaste, schließen mit Esc", #PB_Text_Center)
  SetGadgetColor(0, #PB_Gadget_BackColor, #Blau)
  SetGadgetColor(0, #PB_Gadget_FrontColor, $FFFFFF)

  ; Nach SetWindowRgn_() gehört die Region dem Fenster und wird nicht freigegeben
  SetWindowRgn_(WindowID(0), CreateRoundRectRgn_(0, 0, 321, 201, #Radius, #Radius), #True)

  AddKeyboardShortcut(0, #PB_Shortcut_Escape, 1)

  Repeat
    Select WaitWindowEvent()
      Case #WM_LBUTTONDOWN
        ; Windows glauben lassen, die Titelleiste sei angeklickt worden
        ReleaseCapture_()
        SendMessage_(WindowID(0), #WM_NCLBUTTONDOWN, #HTCAPTION, 0)
      Case #PB_Event_Menu
        Break
    EndSelect
  ForEver
EndIf