; Liest die Herstellerkennung des Prozessors mit dem Befehl CPUID.
; Zeilen mit "!" gehen unverändert an den Assembler (32-Bit-x86, FASM).

Define ebx_wert.l, ecx_wert.l, edx_wert.l, hoechste.l
Define *puffer = AllocateMemory(13)

! PUSH ebx
! XOR eax, eax
! CPUID
! MOV [v_hoechste], eax
! MOV [v_ebx_wert], ebx
! MOV [v_ecx_wert], ecx
! MOV [v_edx_wert], edx
! POP ebx

; Die zwölf Zeichen stehen in der Reihenfolge EBX, EDX, ECX
PokeL(*puffer, ebx_wert)
PokeL(*puffer + 4, edx_wert)
PokeL(*puffer + 8, ecx_wert)

Debug "Hersteller: " + PeekS(*puffer, 12, #PB_Ascii)
Debug "Höchste CPUID-Funktion: $" + Hex(hoechste)
FreeMemory(*puffer)

; Zum Vergleich dieselbe Art Auskunft über die API: ist SSE2 vorhanden?
#SSE2_Vorhanden = 10     ; PF_XMMI64_INSTRUCTIONS_AVAILABLE
If IsProcessorFeaturePresent_(#SSE2_Vorhanden)
  Debug "SSE2: ja"
Else
  Debug "SSE2: nein"
EndIf