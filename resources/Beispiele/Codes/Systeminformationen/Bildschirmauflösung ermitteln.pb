; Ermittelt Auflösung, Farbtiefe, Bildwiederholrate und DPI des Hauptbildschirms.

#AktuelleEinstellungen = -1     ; ENUM_CURRENT_SETTINGS

Define modus.DEVMODE, hDC, dpi

Debug "Auflösung:  " + Str(GetSystemMetrics_(#SM_CXSCREEN)) + " x " + Str(GetSystemMetrics_(#SM_CYSCREEN))
Debug "Monitore:   " + Str(GetSystemMetrics_(#SM_CMONITORS))
Debug "Desktop:    " + Str(GetSystemMetrics_(#SM_CXVIRTUALSCREEN)) + " x " + Str(GetSystemMetrics_(#SM_CYVIRTUALSCREEN)) + " (alle Monitore)"

modus\dmSize = SizeOf(DEVMODE)
If EnumDisplaySettings_(#Null, #AktuelleEinstellungen, @modus)
  Debug "Farbtiefe:  " + Str(modus\dmBitsPerPel) + " Bit"
  Debug "Frequenz:   " + Str(modus\dmDisplayFrequency) + " Hz"
EndIf

; 96 DPI entsprechen 100 % Skalierung
hDC = GetDC_(#Null)
dpi = GetDeviceCaps_(hDC, #LOGPIXELSX)
ReleaseDC_(#Null, hDC)
Debug "DPI:        " + Str(dpi) + " (" + Str(dpi * 100 / 96) + " %)"