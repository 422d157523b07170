; Startet zwei Arbeits-Threads direkt über die API und wartet auf beide.
; Die Threads benutzen keine Strings: die String-Verwaltung von PureBasic kennt nur
; Threads, die mit CreateThread() von PureBasic gestartet wurden.

Structure Auftrag
  name.s
  schritte.i
  summe.q
EndStructure

Procedure.l Arbeiter(*auftrag.Auftrag)
  Protected i
  For i = 1 To *auftrag\schritte
    *auftrag\summe + i
  Next
  ProcedureReturn 0
EndProcedure

Dim auftraege.Auftrag(1)
Dim handles.i(1)
Define i, threadId.l

auftraege(0)\name = "A" : auftraege(0)\schritte = 1000000
auftraege(1)\name = "B" : auftraege(1)\schritte = 2500000

For i = 0 To 1
  handles(i) = CreateThread_(#Null, 0, @Arbeiter(), @auftraege(i), 0, @threadId)
  Debug "Thread " + auftraege(i)\name + " gestartet, ID " + Str(threadId)
Next

; Beide Handles in einem Aufruf abwarten (bWaitAll = #True)
WaitForMultipleObjects_(2, @handles(0), #True, #INFINITE)

For i = 0 To 1
  Debug "Summe " + auftraege(i)\name + ": " + Str(auftraege(i)\summe)
  CloseHandle_(handles(i))
Next