; Zeigt laufend die Farbe des Bildpunkts unter dem Mauszeiger an.

Define pos.POINT, hDC, farbe.l, letzte.l = -1

If OpenWindow(0, 0, 0, 260, 80, "Farbpipette", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  StickyWindow(0, #True)
  TextGadget(0, 10, 10, 240, 20, "")
  TextGadget(1, 10, 40, 240, 30, "", #PB_Text_Border)
  AddWindowTimer(0, 1, 50)

  Repeat
    Select WaitWindowEvent()
      Case #PB_Event_Timer
        GetCursorPos_(@pos)
        hDC = GetDC_(#Null)             ; Gerätekontext des ganzen Bildschirms
        farbe = GetPixel_(hDC, pos\x, pos\y)
        ReleaseDC_(#Null, hDC)

        If farbe <> letzte
          letzte = farbe
          SetGadgetText(0, "R " + Str(Red(farbe)) + "  G " + Str(Green(farbe)) + "  B " + Str(Blue(farbe)) + "  #" + RSet(Hex(Red(farbe)), 2, "0") + RSet(Hex(Green(farbe)), 2, "0") + RSet(Hex(Blue(farbe)), 2, "0"))
          SetGadgetColor(1, #PB_Gadget_BackColor, farbe)
        EndIf

      Case #PB_Event_CloseWindow
        Break
    EndSelect
  ForEver
EndIf