<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Trener szybkości pisania: wpisz wybrane słowo, a najszybszy czas każdego słowa zostanie zapamiętany.
Uruchomiony bez opcji otwiera swoje okno.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>Spróbuj „tapmeter --help”.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>Tapmeter jest już uruchomiony w tym folderze.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>Od ostatniej litery:</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Czas łącznie:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Wpisz słowo wybrane z listy:</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Wskaźnik poprawności</translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation>&amp;Od nowa </translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Ostatni:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Wielkość liter</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Razem s/litery</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Tempo łącznie:</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Wpisane litery:</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Wpisane słowa:</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Poprawki:</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Automatycznie:</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Działanie automatyczne</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Warunek działania automatycznego</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Próg działania automatycznego</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Długość:                     znaków</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Dodaj słowo</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Usuń słowo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Aktualizuj wyniki</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Wpisane słowa</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Upływ czasu</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Wpisane litery</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>Mimo to zamknąć Tapmeter? To, czego nie udało się zapisać, przepadnie.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- ZATRZYMANO -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>NOWY REKORD!!!! %1 s! Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>Słowa „%1” nie ma już na liście. Dodaj je ponownie przyciskiem „Dodaj słowo”, aby je ćwiczyć.</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>na razie dobrze</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>zła litera</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>results.dat zawiera wiersze, których Tapmeter nie może użyć; nie zostaną one ponownie zapisane.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Kopia pliku w obecnym stanie zostanie zachowana jako %1.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>Nie udało się zapisać results.dat: %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>nie udało się go odczytać, a zapis zastąpiłby jego zawartość. Udostępnij go do odczytu i najpierw naciśnij „Wczytaj”.</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>nie udało się zachować jego kopii jako %1 (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Zapisano!</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>Lista jest pełna: zawiera %n słowo. Usuń słowo, zanim dodasz kolejne.</numerusform>
            <numerusform>Lista jest pełna: zawiera %n słowa. Usuń słowo, zanim dodasz kolejne.</numerusform>
            <numerusform>Lista jest pełna: zawiera %n słów. Usuń słowo, zanim dodasz kolejne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Wpisz nowe słowo:</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Wpisz słowo wybrane po prawej</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Najpierw dodaj słowo przyciskiem „Dodaj słowo”</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>Nie udało się dopisać ukończonego słowa do %1: %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Możesz pisać dalej, ale ukończone słowa nie będą zachowywane dla okna Postępy, dopóki nie da się zapisać pliku. Tapmeter powie ci o tym tylko ten jeden raz.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>Nie można odczytać results.dat: być może nie masz prawa go czytać, nie jest to plik albo dysk uległ awarii.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>Tapmeter nie zapisze nic w jego miejsce, dopóki „Wczytaj” nie zdoła go odczytać.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>results.dat zawiera słowa w liczbie %1, ale lista zachowuje tylko pierwsze %2.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>Pozostałe %n słowo zostanie pominięte przy następnym zapisie listy.</numerusform>
            <numerusform>Pozostałe %n słowa zostaną pominięte przy następnym zapisie listy.</numerusform>
            <numerusform>Pozostałych %n słów zostanie pominiętych przy następnym zapisie listy.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Program synchronizujący zostawił obok Twoich plików ich kopie. Tapmeter je przejął:</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Zaktualizowane rekordy: %1, dodane słowa: %2, dodane ukończone słowa: %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Niedodane (brak miejsca): %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Każda kopia zostaje zachowana bez zmian, z dopiskiem „.folded” na końcu nazwy.</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Tych kopii nie udało się odczytać lub przejąć w całości; zostają bez zmian:</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>Plik results.dat zmienił się na dysku, odkąd Tapmeter go odczytał (zmienił go inny komputer lub program). Przed zapisem jego rekordy zostały włączone do listy; dla każdego słowa zachowano szybszy.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Zaktualizowane rekordy: %1, dodane słowa: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Wpisz: %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Słowa w bazie: 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>Dodaj &amp;słowa...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>wiersz %1 „%2”</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Dodane słowa: %n.</numerusform>
            <numerusform>Dodane słowa: %n.</numerusform>
            <numerusform>Dodane słowa: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Pominięte puste wiersze (%n): %1.</numerusform>
            <numerusform>Pominięte puste wiersze (%n): %1.</numerusform>
            <numerusform>Pominięte puste wiersze (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Wiersze pominięte, bo są już na liście (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo są już na liście (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo są już na liście (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Wiersze pominięte, bo zawierają podział wiersza (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo zawierają podział wiersza (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo zawierają podział wiersza (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Wiersze pominięte, bo lista była pełna (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo lista była pełna (%n): %1.</numerusform>
            <numerusform>Wiersze pominięte, bo lista była pełna (%n): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>Nie można odczytać %1: być może nie masz prawa go czytać, nie jest to plik albo dysk uległ awarii. Nie dodano żadnego słowa.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>%1 %2 tworzą twórcy Tapmetera. Sprawdź, kto pisze najszybciej.. ty czy twoi znajomi!!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informacje:</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Co nowego:</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Strona: tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Wróć!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Aktualizuj wyniki</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Źródło 1:</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Wybierz źródło 1</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Źródło 2:</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Wybierz źródło 2</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Słowa ze źródła 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Słowa ze źródła 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Źródło 1-&gt;Źródło 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Rekord w źródle 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Data rekordu w źródle 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Autor rekordu w źródle 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Rekord w źródle 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Data rekordu w źródle 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Autor rekordu w źródle 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Słowo z szybszym rekordem</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Nowe słowo, którego nie ma w drugim źródle</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>Słowo jest w obu źródłach, a rekord jest podobny.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Słowo z wolniejszym rekordem</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Wróć!</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>Nie udało się odczytać %1, więc nic nie otwarto.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>Listy nie pokazują plików podanych wyżej. Najpierw naciśnij „Otwórz”. Niczego nie scalono.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>%1 zawiera rekordy w liczbie %2, ale da się odczytać tylko pierwsze %3. Zapis utraciłby pozostały %n, więc niczego nie scalono.</numerusform>
            <numerusform>%1 zawiera rekordy w liczbie %2, ale da się odczytać tylko pierwsze %3. Zapis utraciłby pozostałe %n, więc niczego nie scalono.</numerusform>
            <numerusform>%1 zawiera rekordy w liczbie %2, ale da się odczytać tylko pierwsze %3. Zapis utraciłby pozostałych %n, więc niczego nie scalono.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>Nie udało się zachować kopii %1 jako %2: %3. Niczego nie scalono.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>Plik w poprzednim stanie, z wierszami, których Tapmeter nie może użyć, zachowano jako %1.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>Plik %1 zmienił się na dysku od czasu otwarcia. Tapmeter otworzył go ponownie i scala dane z plikiem w obecnej postaci.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Słowa w bazie: 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>szybciej</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>podobnie</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nowe</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>wolniej</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>Nie udało się zapisać ustawień w %1.ini.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Słowo:</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Słowo na wykresie</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Próby w czasie</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>&amp;Gdzie to słowo sprawia kłopot:</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Litery wybranego słowa najczęściej wpisywane źle</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>Najczęstsze &amp;błędy, wszystkie słowa:</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Litery najczęściej wpisywane źle we wszystkich słowach</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Słowa z historią</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Ćwi&amp;cz</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Wybierz to słowo w oknie głównym i wpisz je tam (Enter w tabeli robi to samo)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;Po każdym słowie przejdź do słowa, które najbardziej wymaga ćwiczenia</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Wróć!</translation>
    </message>
    <message>
        <source>same</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>%1 s szybciej</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>%1 s wolniej</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 raz</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n raz</numerusform>
            <numerusform>%n razy</numerusform>
            <numerusform>%n razy</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>spacja</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Brak jeszcze błędnych liter</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słowo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Próby</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Najlepszy (s)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>Ostatnie 10 (s)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Kolejność</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>Najszybsza próba</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>Średnia z ostatnich 10 prób</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>Jak zmieniła się średnia z ostatnich 10 względem 10 wcześniejszych</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 to słowo, które najbardziej wymaga ćwiczenia</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Sortuj według: %1</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Próby dziś: %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>W tym tygodniu: %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>Łącznie: %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Brak jeszcze ukończonych słów</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Czas każdej próby</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Średni czas każdej %n próby z rzędu</numerusform>
            <numerusform>Średni czas każdych %n prób z rzędu</numerusform>
            <numerusform>Średni czas każdych %n prób z rzędu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1: %2 s</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 – %2: średnio %3 s</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Próby z dnia %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Próby według daty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1: %2, najlepszy czas %3 s, ostatni %4 s</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 próba, dnia %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n próba, od %1 do %2</numerusform>
            <numerusform>%n próby, od %1 do %2</numerusform>
            <numerusform>%n prób, od %1 do %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 wpisane jako %2: %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 wpisane za końcem: %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Litera %1 (%2): %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>Za końcem (litera %1): %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Zapisuj moje rekordy pod &amp;imieniem:</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Gdy jest tu imię, nowy rekord zostaje zapisany pod nim bez pytania, a ćwiczenie trwa dalej</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Szybkość i dokładność we wszystkich słowach</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>brak prób</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 słów na minutę (%2 liter na minutę), %3 % poprawnie</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Dziś: %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>Ostatnie 7 dni: %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Wszystkie słowa</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Słowa na minutę</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Dokładność (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Rekord, zapisywany w dziesiątych: %1 s</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Wszystkie słowa: %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Słowa w bazie: %n</numerusform>
            <numerusform>Słowa w bazie: %n</numerusform>
            <numerusform>Słowa w bazie: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Zaktualizowane: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Dodane: %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Niedodane (brak miejsca): %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 to dowiązanie, którego nie można zastąpić</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Słowo nie może zawierać podziału wiersza. Wpisz słowo w jednym wierszu.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>Nie można skopiować %1 do %2: %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>Nie można zapisać listy startowej %1/%2: %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>Nie można otworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>Tapmeter uruchomi się bez brakujących plików.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>Tapmeter nie może się uruchomić bez swojego folderu.</translation>
    </message>
</context>
</TS>
