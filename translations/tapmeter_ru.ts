<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Тренажёр скорости печати: наберите выбранное слово, и лучшее время каждого слова будет сохранено.
Запущенный без параметров, открывает своё окно.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>См. «tapmeter --help».</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>Tapmeter уже запущен в этой папке.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>С последней буквы:</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Всего времени:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Наберите слово, выбранное в списке:</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Индикатор правильности</translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation>&amp;Сброс </translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Итог:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Всего с/буквы</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Общий темп:</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Набрано букв:</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Набрано слов:</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Исправлений:</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Автоматически:</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Автоматическое действие</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Условие автоматического действия</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Порог автоматического действия</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Длина:                     букв</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Обновить результаты</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Набрано слов</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Прошло время</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Набрано букв</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>Всё равно закрыть Tapmeter? Несохранённое будет потеряно.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- ОСТАНОВЛЕНО -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>НОВЫЙ РЕКОРД!!!! %1 с! Введите своё имя:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>Слова «%1» больше нет в списке. Чтобы тренировать его, снова добавьте его кнопкой «Добавить».</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>пока верно</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>неверная буква</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>В results.dat есть строки, которые Tapmeter не может использовать; они не будут сохранены снова.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Копия файла в нынешнем виде будет сохранена как %1.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>Не удалось сохранить results.dat: %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>его не удалось прочитать, и сохранение заменило бы его содержимое. Сделайте его доступным для чтения и сначала нажмите «Загрузить».</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>не удалось сохранить его копию как %1 (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Сохранено!</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>Список полон: в нём %n слово. Удалите слово, прежде чем добавить новое.</numerusform>
            <numerusform>Список полон: в нём %n слова. Удалите слово, прежде чем добавить новое.</numerusform>
            <numerusform>Список полон: в нём %n слов. Удалите слово, прежде чем добавить новое.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Введите новое слово:</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Наберите слово, выбранное справа</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Сначала добавьте слово кнопкой «Добавить»</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>Не удалось добавить набранное слово в %1: %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Можно набирать дальше, но набранные слова не сохраняются для окна «Прогресс», пока файл нельзя записать. Tapmeter сообщает об этом только один раз.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>Не удаётся прочитать results.dat: возможно, у вас нет прав на чтение, это не файл или отказал диск.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>Tapmeter не будет записывать поверх него, пока «Загрузить» не сможет его прочитать.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>Слов в results.dat: %1, но в списке остаются только первые %2.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>Остальное %n слово будет отброшено при следующем сохранении списка.</numerusform>
            <numerusform>Остальные %n слова будут отброшены при следующем сохранении списка.</numerusform>
            <numerusform>Остальные %n слов будут отброшены при следующем сохранении списка.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Программа синхронизации оставила рядом с вашими файлами их копии. Tapmeter учёл их:</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Обновлено рекордов: %1, добавлено слов: %2, добавлено набранных слов: %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Не добавлено (нет места): %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Каждая копия сохранена без изменений, к её имени добавлено «.folded».</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Эти копии не удалось прочитать или учесть полностью, они оставлены как есть:</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>Файл results.dat изменился на диске после того, как Tapmeter его прочитал: его изменил другой компьютер или программа. Перед сохранением его рекорды внесены в список, для каждого слова оставлен более быстрый.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Обновлено рекордов: %1, добавлено слов: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Наберите: %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Слов в базе: 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>&amp;Добавить слова...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>строка %1 «%2»</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Добавлено слов: %n.</numerusform>
            <numerusform>Добавлено слов: %n.</numerusform>
            <numerusform>Добавлено слов: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Пропущены пустые строки (%n): %1.</numerusform>
            <numerusform>Пропущены пустые строки (%n): %1.</numerusform>
            <numerusform>Пропущены пустые строки (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Пропущены строки, которые уже есть в списке (%n): %1.</numerusform>
            <numerusform>Пропущены строки, которые уже есть в списке (%n): %1.</numerusform>
            <numerusform>Пропущены строки, которые уже есть в списке (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Пропущены строки с переносом строки (%n): %1.</numerusform>
            <numerusform>Пропущены строки с переносом строки (%n): %1.</numerusform>
            <numerusform>Пропущены строки с переносом строки (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Пропущены строки, так как список был полон (%n): %1.</numerusform>
            <numerusform>Пропущены строки, так как список был полон (%n): %1.</numerusform>
            <numerusform>Пропущены строки, так как список был полон (%n): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>Не удаётся прочитать %1: возможно, у вас нет прав на чтение, это не файл или произошёл сбой диска. Ни одно слово не добавлено.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>%1 %2 создан разработчиками Tapmeter. Узнайте, кто печатает быстрее всех.. вы или ваши друзья!!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Сведения:</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Что нового:</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Сайт: tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Назад!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Обновить результаты</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Файл 1:</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Выбрать файл 1</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Файл 2:</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Выбрать файл 2</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Слова файла 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Слова файла 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Файл 1-&gt;Файл 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Рекорд в файле 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Дата рекорда в файле 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Автор рекорда в файле 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Рекорд в файле 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Дата рекорда в файле 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Автор рекорда в файле 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Слово с более быстрым рекордом</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Новое слово, которого нет в другом файле</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>Слово есть в обоих файлах, и рекорды близки.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Слово с более медленным рекордом</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Назад!</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>Не удалось прочитать %1, поэтому ничего не открыто.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>Списки не показывают файлы, указанные выше. Сначала нажмите «Открыть». Ничего не объединено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>Рекордов в %1: %2, но прочитать можно только первые %3. При записи пропал бы ещё %n, поэтому ничего не объединено.</numerusform>
            <numerusform>Рекордов в %1: %2, но прочитать можно только первые %3. При записи пропали бы ещё %n, поэтому ничего не объединено.</numerusform>
            <numerusform>Рекордов в %1: %2, но прочитать можно только первые %3. При записи пропали бы ещё %n, поэтому ничего не объединено.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>Не удалось сохранить копию %1 как %2: %3. Ничего не объединено.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>Прежний файл со строками, которые Tapmeter не может использовать, сохранён как %1.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>Файл %1 изменился на диске после открытия. Tapmeter открыл его снова и объединяет данные с файлом в его нынешнем виде.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Слов в базе: 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>быстрее</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>так же</translation>
    </message>
    <message>
        <source>new</source>
        <translation>новое</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>медленнее</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>Не удалось сохранить настройки в %1.ini.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Слово:</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Слово на графике</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Попытки во времени</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>&amp;Где в этом слове ошибки:</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Буквы выбранного слова, в которых чаще всего ошибки</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>Частые ошибки &amp;во всех словах:</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Буквы, чаще всего набранные неверно во всех словах</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Слова с историей</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Тренировать</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Выбрать это слово в главном окне и набрать его там (Enter в таблице делает то же)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;После каждого слова переходить к слову, которое больше всего нужно тренировать</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Назад!</translation>
    </message>
    <message>
        <source>same</source>
        <translation>так же</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>на %1 с быстрее</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>на %1 с медленнее</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 раз</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n раз</numerusform>
            <numerusform>%n раза</numerusform>
            <numerusform>%n раз</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>пробел</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Ошибок пока нет</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Попытки</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Лучшее (с)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>Последние 10 (с)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Очерёдность</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>Самая быстрая попытка</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>Среднее последних 10 попыток</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>Как изменилось среднее последних 10 по сравнению с 10 предыдущими</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 — слово, которое больше всего нужно тренировать</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Сортировать: %1</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Попыток сегодня: %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>За неделю: %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>Всего: %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Набранных слов пока нет</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Время каждой попытки</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Среднее время каждой %n попытки подряд</numerusform>
            <numerusform>Среднее время каждых %n попыток подряд</numerusform>
            <numerusform>Среднее время каждых %n попыток подряд</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1: %2 с</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 – %2: в среднем %3 с</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Попытки за %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Попытки по датам</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1: %2, лучшее время %3 с, последнее %4 с</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 попытка, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n попытка, с %1 по %2</numerusform>
            <numerusform>%n попытки, с %1 по %2</numerusform>
            <numerusform>%n попыток, с %1 по %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 набрано как %2: %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 набрано после конца: %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Буква %1 (%2): %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>После конца (буква %1): %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Сохранять мои рекорды под &amp;именем:</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Если здесь указано имя, новый рекорд сохраняется под ним без вопроса, и тренировка продолжается</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Скорость и точность по всем словам</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>попыток нет</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 слов в минуту (%2 букв в минуту), %3 % верно</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Сегодня: %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>Последние 7 дней: %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Все слова</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Слов в минуту</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Точность (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Рекорд, хранится в десятых: %1 с</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Все слова: %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Слов в базе: %n</numerusform>
            <numerusform>Слов в базе: %n</numerusform>
            <numerusform>Слов в базе: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Обновлено: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Добавлено: %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Не добавлено (нет места): %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 — ссылка, которую нельзя заменить</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Слово не может содержать перевод строки. Введите слово в одну строку.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>Не удаётся скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>Не удаётся записать начальный список %1/%2: %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>Не удаётся открыть папку %1.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>Tapmeter запустится без недостающих файлов.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>Tapmeter не может запуститься без своей папки.</translation>
    </message>
</context>
</TS>
