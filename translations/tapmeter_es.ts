<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Un entrenador de velocidad de escritura: escriba la palabra elegida y se guarda el mejor tiempo de cada palabra.
Si se inicia sin opciones, abre su ventana.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>Pruebe «tapmeter --help».</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>Tapmeter ya está abierto en esta carpeta.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>Desde la última letra:</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Tiempo total:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Escriba la palabra elegida en la lista:</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Indicador de acierto</translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation>&amp;Reiniciar </translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Último:</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Mayúsc./minúsc.</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Total s/letras</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Velocidad total:</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Letras escritas:</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Palabras escritas:</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Correcciones:</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Automáticamente:</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Acción automática</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Criterio de la acción automática</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Límite de la acción automática</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Longitud:                     letras</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Quitar palabra</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Actualizar resultados</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>¿Cerrar Tapmeter de todos modos? Lo que no se pudo guardar se perderá.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- DETENIDO -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>¡¡¡¡NUEVO RÉCORD!!!! ¡%1 segundos! Escriba su nombre:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>«%1» ya no está en la lista. Añádala de nuevo con «Añadir palabra» para practicarla.</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>correcto hasta aquí</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>letra incorrecta</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>results.dat contiene líneas que Tapmeter no puede usar; no se volverán a guardar.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Se guardará una copia del archivo tal como está ahora como %1.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>No se pudo guardar results.dat: %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>no se pudo leer, y guardar reemplazaría su contenido. Hágalo legible y pulse primero «Cargar».</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>no se pudo guardar una copia como %1 (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>¡Guardado!</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>La lista está llena: tiene %n palabra. Quite una palabra antes de añadir otra.</numerusform>
            <numerusform>La lista está llena: tiene %n palabras. Quite una palabra antes de añadir otra.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Nueva palabra:</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Escriba la palabra elegida a la derecha</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Primero añada una palabra con «Añadir palabra»</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>No se pudo añadir la palabra terminada a %1: %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Puede seguir escribiendo, pero las palabras terminadas no se guardan para la ventana Progreso hasta que se pueda escribir el archivo. Tapmeter solo se lo avisa esta vez.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>No se puede leer results.dat: quizá no tenga permiso para leerlo, no sea un archivo o el disco haya fallado.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>Tapmeter no lo sobrescribirá hasta que «Cargar» pueda leerlo.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>results.dat contiene %1 palabras, pero la lista solo conserva las %2 primeras.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>La palabra restante (%n) se descartará la próxima vez que se guarde la lista.</numerusform>
            <numerusform>Las otras %n palabras se descartarán la próxima vez que se guarde la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Un programa de sincronización dejó copias de sus archivos junto a ellos. Tapmeter las incorporó:</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Récords actualizados: %1, palabras añadidas: %2, palabras terminadas añadidas: %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>No añadidos (sin espacio): %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Cada copia se conserva tal como estaba, con «.folded» añadido a su nombre.</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Estas copias no se pudieron leer o incorporar por completo y se dejan como están:</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>results.dat cambió en el disco desde que Tapmeter lo leyó, por otro ordenador o programa. Sus récords se incorporaron a la lista antes de guardar, conservando el más rápido de cada palabra.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Récords actualizados: %1, palabras añadidas: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Escriba: %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Palabras en la lista: 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>Añadir &amp;palabras...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>línea %1 «%2»</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Palabras añadidas: %n.</numerusform>
            <numerusform>Palabras añadidas: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Líneas vacías omitidas (%n): %1.</numerusform>
            <numerusform>Líneas vacías omitidas (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Líneas omitidas por estar ya en la lista (%n): %1.</numerusform>
            <numerusform>Líneas omitidas por estar ya en la lista (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Líneas omitidas por contener un salto de línea (%n): %1.</numerusform>
            <numerusform>Líneas omitidas por contener un salto de línea (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Líneas omitidas porque la lista estaba llena (%n): %1.</numerusform>
            <numerusform>Líneas omitidas porque la lista estaba llena (%n): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>No se puede leer %1: puede que no tenga permiso para leerlo, que no sea un archivo o que el disco haya fallado. No se ha añadido ninguna palabra.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>%1 %2 es obra de los desarrolladores de Tapmeter. ¡¡¡Descubra quién escribe más rápido.. usted o sus amigos!!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Información:</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Novedades:</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Sitio web: tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>¡&amp;Volver!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Actualizar resultados</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Origen 1:</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Buscar el origen 1</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Origen 2:</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Buscar el origen 2</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Palabras del origen 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Palabras del origen 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Origen 1-&gt;Origen 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Récord del origen 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Fecha del récord del origen 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Autor del récord del origen 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Récord del origen 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Fecha del récord del origen 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Autor del récord del origen 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Una palabra con un récord más rápido</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Palabra nueva que no está en el otro origen</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>La palabra está en ambos orígenes y el récord es parecido.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Una palabra con un récord más lento</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>¡&amp;Volver!</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>No se pudo leer %1, así que no se abrió nada.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>Las listas no muestran los archivos indicados arriba. Pulse primero «Abrir». No se combinó nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>%1 contiene %2 récords, pero solo se pueden leer los %3 primeros. Reescribirlo perdería el récord restante (%n), así que no se combinó nada.</numerusform>
            <numerusform>%1 contiene %2 récords, pero solo se pueden leer los %3 primeros. Reescribirlo perdería los otros %n, así que no se combinó nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>No se pudo guardar una copia de %1 como %2: %3. No se combinó nada.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>El archivo tal como estaba, con las líneas que Tapmeter no puede usar, se guarda como %1.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>%1 cambió en el disco desde que se abrió. Tapmeter lo abrió de nuevo y combina en el archivo tal como está ahora.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Palabras en la lista: 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>parecido</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>más lento</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>No se pudo guardar la configuración en %1.ini.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palabra:</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Palabra del gráfico</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Intentos a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>Dónde &amp;falla esta palabra:</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Letras de la palabra elegida que más fallan</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>&amp;Letras más falladas, todas las palabras:</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Letras escritas mal más a menudo en todas las palabras</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Palabras con historial</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Pra&amp;cticar</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Elegir esta palabra en la ventana principal y escribirla allí (Intro en la tabla hace lo mismo)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;Tras cada palabra, pasar a la que más práctica necesita</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>¡&amp;Volver!</translation>
    </message>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>%1 s más rápido</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>%1 s más lento</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 vez</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Aún no hay letras incorrectas</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Mejor (s)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>Últimos 10 (s)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>El intento más rápido</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>La media de los últimos 10 intentos</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>Cómo cambió la media de los últimos 10 frente a los 10 anteriores</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 es la palabra que más práctica necesita</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Intentos hoy: %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>Esta semana: %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>En total: %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Aún no hay palabras terminadas</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Tiempo de cada intento</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Tiempo medio de cada %n intento seguido</numerusform>
            <numerusform>Tiempo medio de cada %n intentos seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1: %2 s</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 a %2: %3 s de media</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Intentos del %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Intentos por fecha</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1: %2, mejor %3 segundos, último %4 segundos</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 intento, el %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n intento, del %1 al %2</numerusform>
            <numerusform>%n intentos, del %1 al %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 escrita como %2: %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 escrita tras el final: %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Letra %1 (%2): %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>Tras el final (letra %1): %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Guardar mis récords con el &amp;nombre:</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Con un nombre aquí, cada récord nuevo se guarda con él sin preguntar, y la práctica continúa</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Velocidad y precisión en todas las palabras</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>ningún intento</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 palabras por minuto (%2 letras por minuto), %3 % correctas</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>Últimos 7 días: %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Todas las palabras</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Palabras por minuto</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Récord, guardado en décimas: %1 s</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Todas las palabras: %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Palabras en la lista: %n</numerusform>
            <numerusform>Palabras en la lista: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Actualizados: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadidos: %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>No añadidos (sin espacio): %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 es un enlace que no se puede reemplazar</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Una palabra no puede contener saltos de línea. Escriba la palabra en una sola línea.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>No se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>No se puede escribir la lista inicial %1/%2: %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>No se puede abrir la carpeta %1.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>Tapmeter se inicia sin los archivos que faltan.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>Tapmeter no puede iniciarse sin su carpeta.</translation>
    </message>
</context>
</TS>
