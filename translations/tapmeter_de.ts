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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapmeter 4.1 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>similar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slower</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record: %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
