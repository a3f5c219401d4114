<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Ein Trainer für die Tippgeschwindigkeit: Tippen Sie das gewählte Wort; die schnellste Zeit jedes Wortes wird festgehalten.
Ohne Optionen gestartet, öffnet er sein Fenster.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>Siehe „tapmeter --help“.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>Tapmeter läuft bereits in diesem Ordner.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>Zeit seit dem letzten Zeichen:</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Tippen Sie das in der Liste gewählte Wort:</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Anzeige für richtige Eingabe</translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation>&amp;Neustart </translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Zuletzt:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß/klein</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Gesamt s/Zeichen</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Gesamttempo:</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Zeichen getippt:</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Wörter getippt:</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Korrekturen:</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Automatisch:</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Automatische Aktion</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Bedingung der automatischen Aktion</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Grenzwert der automatischen Aktion</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Wortlänge:                     Zeichen</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Bestzeit:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Ergebnisse abgleichen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Getippte Wörter</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Vergangene Zeit</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Getippte Zeichen</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>Tapmeter trotzdem schließen? Was nicht gespeichert werden konnte, geht verloren.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- ANGEHALTEN -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>NEUER REKORD!!!! %1 Sekunden! Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>„%1“ ist nicht mehr in der Wortliste. Fügen Sie es mit „Neues Wort“ wieder hinzu, um es zu üben.</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>bisher richtig</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>falsches Zeichen</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>results.dat enthält Zeilen, die Tapmeter nicht verwenden kann; sie werden nicht wieder gespeichert.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Eine Kopie der Datei in ihrem jetzigen Zustand wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>results.dat konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>Die Datei konnte nicht gelesen werden, und Speichern würde ihren Inhalt ersetzen. Machen Sie sie lesbar und klicken Sie zuerst auf „Laden“.</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>Es konnte keine Kopie als %1 angelegt werden (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Gespeichert!</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>Die Wortliste ist voll: Sie enthält %n Wort. Löschen Sie ein Wort, bevor Sie ein neues hinzufügen.</numerusform>
            <numerusform>Die Wortliste ist voll: Sie enthält %n Wörter. Löschen Sie ein Wort, bevor Sie ein neues hinzufügen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Neues Wort eingeben:</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Das rechts gewählte Wort tippen</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Erst mit „Neues Wort“ ein Wort hinzufügen</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>Das fertige Wort konnte nicht zu %1 hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Sie können weiter tippen, aber fertige Wörter werden für das Fortschrittsfenster erst wieder festgehalten, wenn die Datei geschrieben werden kann. Tapmeter sagt Ihnen das nur dieses eine Mal.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>results.dat kann nicht gelesen werden: Sie haben vielleicht keine Leserechte, es ist keine Datei, oder der Datenträger ist defekt.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>Tapmeter speichert nicht darüber, bis „Laden“ sie lesen kann.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>results.dat enthält %1 Wörter, aber die Liste behält nur die ersten %2.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>Das übrige %n Wort fällt beim nächsten Speichern der Liste weg.</numerusform>
            <numerusform>Die übrigen %n Wörter fallen beim nächsten Speichern der Liste weg.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Ein Sync-Programm hat Kopien Ihrer Dateien daneben abgelegt. Tapmeter hat sie übernommen:</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Rekorde aktualisiert: %1, Wörter hinzugefügt: %2, fertige Wörter hinzugefügt: %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Nicht hinzugefügt (kein Platz): %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Jede Kopie bleibt unverändert erhalten, ihr Name endet nun auf „.folded“.</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Diese Kopien konnten nicht oder nicht vollständig gelesen werden und bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>results.dat wurde auf der Festplatte geändert, seit Tapmeter die Datei gelesen hat, von einem anderen Computer oder Programm. Ihre Rekorde wurden vor dem Speichern in die Liste übernommen, von jedem Wort der schnellere.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Rekorde aktualisiert: %1, Wörter hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tippen Sie: %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Wörter in Datenbank: 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>&amp;Wörter aus Datei...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>Zeile %1 „%2“</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Hinzugefügte Wörter: %n.</numerusform>
            <numerusform>Hinzugefügte Wörter: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Übersprungene leere Zeilen (%n): %1.</numerusform>
            <numerusform>Übersprungene leere Zeilen (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Übersprungen, weil schon in der Liste (%n): %1.</numerusform>
            <numerusform>Übersprungen, weil schon in der Liste (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Übersprungen, weil mit Zeilenumbruch (%n): %1.</numerusform>
            <numerusform>Übersprungen, weil mit Zeilenumbruch (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Übersprungen, weil die Liste voll war (%n): %1.</numerusform>
            <numerusform>Übersprungen, weil die Liste voll war (%n): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>%1 kann nicht gelesen werden: Sie haben vielleicht keine Leserechte, es ist keine Datei, oder der Datenträger ist defekt. Es wurde kein Wort hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>%1 %2 ist von den Tapmeter-Entwicklern. Finde heraus, wer am schnellsten tippt.. du oder deine Freunde!!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informationen:</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Neuigkeiten:</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Zur Webseite: tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Zurück!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Ergebnisse abgleichen</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Quelle 1:</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Quelle 1 suchen</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Quelle 2:</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Quelle 2 suchen</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Wörter von Quelle 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Wörter von Quelle 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Quelle 1-&gt;Quelle 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Bestzeit:</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Bestzeit in Quelle 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Rekorddatum in Quelle 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Rekordhalter in Quelle 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Bestzeit in Quelle 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Rekorddatum in Quelle 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Rekordhalter in Quelle 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Ein Wort mit schnellerem Rekord</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Neues Wort, das die andere Quelle nicht hat</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>Das Wort steht in beiden Quellen, und der Rekord ist ähnlich.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Ein Wort mit langsamerem Rekord</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Zurück!</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>%1 konnte nicht gelesen werden, daher wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>Die Listen zeigen nicht die oben genannten Dateien. Bitte klicken Sie zuerst auf „Öffnen“. Es wurde nichts abgeglichen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>%1 enthält %2 Rekorde, aber nur die ersten %3 können gelesen werden. Beim Zurückschreiben ginge der übrige %n verloren, daher wurde nichts abgeglichen.</numerusform>
            <numerusform>%1 enthält %2 Rekorde, aber nur die ersten %3 können gelesen werden. Beim Zurückschreiben gingen die übrigen %n verloren, daher wurde nichts abgeglichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>Es konnte keine Kopie von %1 als %2 angelegt werden: %3. Es wurde nichts abgeglichen.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>Die Datei in ihrem alten Zustand, mit den Zeilen, die Tapmeter nicht verwenden kann, ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>%1 wurde auf der Festplatte geändert, seit die Datei geöffnet wurde. Tapmeter hat sie erneut geöffnet und führt in die Datei in ihrem jetzigen Stand zusammen.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Wörter in Datenbank: 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>ähnlich</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>langsamer</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>Die Einstellungen konnten nicht in %1.ini gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Wort:</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Im Diagramm gezeigtes Wort</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Versuche im Zeitverlauf</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>&amp;Fehler in diesem Wort:</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Die am häufigsten falsch getippten Zeichen des gewählten Wortes</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>Häufigste Fehler, a&amp;lle Wörter:</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Die in allen Wörtern am häufigsten falsch getippten Zeichen</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Wörter mit Verlauf</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Ü&amp;ben</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Dieses Wort im Hauptfenster wählen und dort tippen (Eingabe in der Tabelle tut dasselbe)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;Nach jedem Wort zu dem Wort wechseln, das am meisten Übung braucht</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Zurück!</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>%1 s schneller</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>%1 s langsamer</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1-mal</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Noch keine falschen Zeichen festgehalten</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Beste (s)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>Letzte 10 (s)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>Der schnellste Versuch</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>Der Durchschnitt der letzten 10 Versuche</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>Wie sich der Durchschnitt der letzten 10 gegenüber den 10 davor verändert hat</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 ist das Wort, das am meisten Übung braucht</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Versuche heute: %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>Diese Woche: %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>Insgesamt: %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Noch keine fertigen Wörter</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Zeit jedes Versuchs</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Durchschnittszeit von je %n Versuch in Folge</numerusform>
            <numerusform>Durchschnittszeit von je %n Versuchen in Folge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1: %2 s</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 bis %2: %3 s im Durchschnitt</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Versuche am %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Versuche nach Datum</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1: %2, beste %3 Sekunden, letzte %4 Sekunden</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 Versuch, am %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n Versuch, von %1 bis %2</numerusform>
            <numerusform>%n Versuche, von %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 als %2 getippt: %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 nach dem Ende getippt: %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Zeichen %1 (%2): %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>Nach dem Ende (Zeichen %1): %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Meine Rekorde unter dem Na&amp;men speichern:</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Steht hier ein Name, wird ein neuer Rekord ohne Nachfrage unter ihm gespeichert, und das Training geht weiter</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Tempo und Genauigkeit über alle Wörter</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>keine Versuche</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 Wörter pro Minute (%2 Buchstaben pro Minute), %3 % richtig</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>Letzte 7 Tage: %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Alle Wörter</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Wörter pro Minute</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Rekord, in Zehnteln gespeichert: %1 s</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Alle Wörter: %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Wörter in Datenbank: %n</numerusform>
            <numerusform>Wörter in Datenbank: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Aktualisiert: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Nicht hinzugefügt (kein Platz): %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 ist ein Link, der nicht ersetzt werden kann</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Ein Wort kann keinen Zeilenumbruch enthalten. Bitte geben Sie das Wort in einer Zeile ein.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>Die Startliste %1/%2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>Tapmeter startet ohne die fehlenden Dateien.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>Tapmeter kann ohne seinen Ordner nicht starten.</translation>
    </message>
</context>
</TS>
