; Ermittelt den Namen des Rechners und seine IPv4-Adressen über Winsock.

Define wsa.WSADATA, *host.HOSTENT, *liste, *adresse.Long, i
Define *name = AllocateMemory(256)

; Winsock 2.2 anfordern: das niederwertige Byte ist die Hauptversion
If WSAStartup_($0202, @wsa) <> 0
  Debug "Winsock ist nicht verfügbar."
  End
EndIf

If gethostname_(*name, 256) = 0
  Debug "Rechner: " + PeekS(*name, -1, #PB_Ascii)

  *host = gethostbyname_(*name)
  If *host
    ; h_addr_list ist ein Feld von Zeigern, das mit einem Nullzeiger endet
    *liste = *host\h_addr_list
    While PeekI(*liste + i * SizeOf(Integer))
      *adresse = PeekI(*liste + i * SizeOf(Integer))
      Debug "IPv4:    " + PeekS(inet_ntoa_(*adresse\l), -1, #PB_Ascii)
      i + 1
    Wend
  EndIf
EndIf

FreeMemory(*name)
WSACleanup_()