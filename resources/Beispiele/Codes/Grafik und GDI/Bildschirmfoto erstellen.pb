; Kopiert den ganzen Bildschirm mit BitBlt_() in ein Bild und speichert es als BMP-Datei.

Define breite = GetSystemMetrics_(#SM_CXSCREEN)
Define hoehe  = GetSystemMetrics_(#SM_CYSCREEN)
Define datei.s = GetTemporaryDirectory() + "Bildschirm.bmp"
Define hBildschirm, hZiel

If CreateImage(0, breite, hoehe, 24)
  hZiel = StartDrawing(ImageOutput(0))     ; unter Windows ist das der Gerätekontext des Bildes
  If hZiel
    hBildschirm = GetDC_(#Null)
    BitBlt_(hZiel, 0, 0, breite, hoehe, hBildschirm, 0, 0, #SRCCOPY)
    ReleaseDC_(#Null, hBildschirm)
    StopDrawing()
  EndIf

  If SaveImage(0, datei, #PB_ImagePlugin_BMP)
    Debug "Gespeichert: " + datei
    RunProgram(datei)     ; mit dem zugeordneten Programm öffnen
  EndIf
  FreeImage(0)
EndIf