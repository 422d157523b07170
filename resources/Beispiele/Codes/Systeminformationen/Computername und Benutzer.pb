; Liest den Namen des Computers und des angemeldeten Benutzers.

#NamenslaengeComputer = 15 + 1    ; MAX_COMPUTERNAME_LENGTH + Nullzeichen
#NamenslaengeBenutzer = 256 + 1   ; UNLEN + Nullzeichen

Define name.s, laenge.l

laenge = #NamenslaengeComputer
name = Space(laenge)
If GetComputerName_(@name, @laenge)
  Debug "Computer: " + name
EndIf

laenge = #NamenslaengeBenutzer
name = Space(laenge)
If GetUserName_(@name, @laenge)
  Debug "Benutzer: " + name
EndIf

; Dasselbe steht in den Umgebungsvariablen, dort kann es aber verändert worden sein
Debug "COMPUTERNAME=" + GetEnvironmentVariable("COMPUTERNAME")
Debug "USERNAME=" + GetEnvironmentVariable("USERNAME")