; Schaltet ein Fenster per Knopfdruck zwischen "immer im Vordergrund" und normal um.

Enumeration
  #Fenster
  #Knopf
EndEnumeration

Procedure VordergrundSetzen(hWnd, aktiv)
  If aktiv
    SetWindowPos_(hWnd, #HWND_TOPMOST, 0, 0, 0, 0, #SWP_NOMOVE | #SWP_NOSIZE)
  Else
    SetWindowPos_(hWnd, #HWND_NOTOPMOST, 0, 0, 0, 0, #SWP_NOMOVE | #SWP_NOSIZE)
  EndIf
EndProcedure

Procedure.i IstImVordergrund(hWnd)
  ; WS_EX_TOPMOST steht bei den erweiterten Fensterstilen
  ProcedureReturn Bool(GetWindowLongPtr_(hWnd, #GWL_EXSTYLE) & #WS_EX_TOPMOST)
EndProcedure

If OpenWindow(#Fenster, 100, 100, 260, 70, "Vordergrund", #PB_Window_SystemMenu)
  ButtonGadget(#Knopf, 10, 20, 240, 30, "Immer im Vordergrund: aus", #PB_Button_Toggle)

  Repeat
    Select WaitWindowEvent()
      Case #PB_Event_Gadget
        If EventGadget() = #Knopf
          VordergrundSetzen(WindowID(#Fenster), GetGadgetState(#Knopf))
          If IstImVordergrund(WindowID(#Fenster))
            SetGadgetText(#Knopf, "Immer im Vordergrund: an")
          Else
            SetGadgetText(#Knopf, "Immer im Vordergrund: aus")
          EndIf
        EndIf
      Case #PB_Event_CloseWindow
        Break
    EndSelect
  ForEver
EndIf