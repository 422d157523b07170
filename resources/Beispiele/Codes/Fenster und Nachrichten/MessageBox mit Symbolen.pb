; Zeigt Symbole und Knöpfe von MessageBox_() und wertet die Antwort aus.

Define antwort

MessageBox_(#Null, "Alles in Ordnung.", "Information", #MB_OK | #MB_ICONINFORMATION)
MessageBox_(#Null, ~"Die Datei ist schreibgeschützt.\nÄnderungen werden nicht gespeichert.", "Warnung", #MB_OK | #MB_ICONWARNING)

antwort = MessageBox_(#Null, ~"Möchten Sie die Änderungen speichern?\n\nOhne Speichern gehen sie verloren.", "Frage", #MB_YESNOCANCEL | #MB_ICONQUESTION | #MB_DEFBUTTON1)

Select antwort
  Case #IDYES
    Debug "Ja: speichern"
  Case #IDNO
    Debug "Nein: verwerfen"
  Case #IDCANCEL
    Debug "Abbrechen"
EndSelect

; Fehlerton und eine Meldung, die über allen anderen Fenstern liegt
MessageBeep_(#MB_ICONHAND)
MessageBox_(#Null, ~"Zugriff verweigert.\t(Fehler 5)", "Fehler", #MB_OK | #MB_ICONERROR | #MB_TOPMOST)