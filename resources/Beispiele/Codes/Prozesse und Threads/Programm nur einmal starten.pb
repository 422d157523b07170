; Verhindert mit einem benannten Mutex, dass das Programm zweimal läuft.

#MutexName = "MeinProgramm_Einzelstart"
#Titel     = "Einzelstart"

Define hMutex, hWnd

hMutex = CreateMutex_(#Null, #True, #MutexName)

If hMutex And GetLastError_() = #ERROR_ALREADY_EXISTS
  ; Das schon offene Fenster nach vorn holen, statt ein zweites zu öffnen
  hWnd = FindWindow_(#Null, #Titel)
  If hWnd
    ShowWindow_(hWnd, #SW_RESTORE)
    SetForegroundWindow_(hWnd)
  EndIf
  CloseHandle_(hMutex)
  End
EndIf

If OpenWindow(0, 0, 0, 300, 100, #Titel, #PB_Window_SystemMenu | #PB_Window_MinimizeGadget | #PB_Window_ScreenCentered)
  TextGadget(0, 10, 40, 280, 20, "Starten Sie das Programm ein zweites Mal.", #PB_Text_Center)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf

ReleaseMutex_(hMutex)
CloseHandle_(hMutex)