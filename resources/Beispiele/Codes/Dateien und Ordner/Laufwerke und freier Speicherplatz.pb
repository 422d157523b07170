; Listet alle Laufwerke mit Typ und freiem Speicherplatz auf.

Define maske, i, laufwerk.s, typ.s
Define frei.q, gesamt.q

maske = GetLogicalDrives_()     ; Bit 0 = A:, Bit 1 = B:, Bit 2 = C: ...

If maske & %11
  Debug "Diskettenlaufwerk vorhanden (A: oder B:)"
EndIf

For i = 0 To 25
  If maske & (1 << i)
    laufwerk = Chr('A' + i) + ":\"

    Select GetDriveType_(laufwerk)
      Case #DRIVE_REMOVABLE : typ = "Wechseldatenträger"
      Case #DRIVE_FIXED     : typ = "Festplatte"
      Case #DRIVE_REMOTE    : typ = "Netzlaufwerk"
      Case #DRIVE_CDROM     : typ = "CD/DVD"
      Case #DRIVE_RAMDISK   : typ = "RAM-Disk"
      Default               : typ = "unbekannt"
    EndSelect

    If GetDiskFreeSpaceEx_(laufwerk, @frei, @gesamt, #Null)
      Debug laufwerk + "  " + typ + ": " + StrF(frei / 1073741824.0, 2) + " von " + StrF(gesamt / 1073741824.0, 2) + " GB frei"
    Else
      Debug laufwerk + "  " + typ + " (nicht bereit)"
    EndIf
  EndIf
Next