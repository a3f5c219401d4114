<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Um treinador de velocidade de digitação: digite a palavra escolhida, e o tempo mais rápido de cada palavra é guardado.
Iniciado sem opções, abre sua janela.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>Experimente “tapmeter --help”.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>O Tapmeter já está aberto nesta pasta.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>Desde a última letra:</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Tempo total:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Digite a palavra escolhida na lista:</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Indicador de acerto</translation>
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
        <translation>Sons</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Maiúsc./minúsc.</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Total s/letras</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Ritmo total:</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Letras digitadas:</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Palavras digitadas:</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Correções:</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Automaticamente:</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Ação automática</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Critério da ação automática</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Limite da ação automática</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Tamanho:                     letras</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Recorde:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Incluir palavra</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Excluir palavra</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Atualizar resultados</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>Fechar o Tapmeter mesmo assim? O que não pôde ser salvo será perdido.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- PARADO -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>NOVO RECORDE!!!! %1 segundos! Digite seu nome:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>“%1” não está mais na lista. Inclua a palavra de novo com “Incluir palavra” para praticá-la.</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>certo até aqui</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>letra errada</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>O results.dat contém linhas que o Tapmeter não consegue usar; elas não serão salvas de novo.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Uma cópia do arquivo como está agora será guardada como %1.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>Não foi possível salvar o results.dat: %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>ele não pôde ser lido, e salvar substituiria o conteúdo. Torne-o legível e clique primeiro em “Carregar”.</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>não foi possível guardar uma cópia como %1 (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Salvo!</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>A lista está cheia: ela tem %n palavra. Exclua uma palavra antes de incluir outra.</numerusform>
            <numerusform>A lista está cheia: ela tem %n palavras. Exclua uma palavra antes de incluir outra.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Nova palavra:</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Digite a palavra escolhida à direita</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Primeiro inclua uma palavra com “Incluir palavra”</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>Não foi possível anotar a palavra concluída em %1: %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Você pode continuar digitando, mas as palavras concluídas não serão guardadas para a janela Progresso até que o arquivo possa ser gravado. O Tapmeter só avisa isso esta vez.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>Não é possível ler o results.dat: talvez você não tenha permissão de leitura, ele não seja um arquivo ou o disco tenha falhado.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>O Tapmeter não vai gravar por cima dele até que “Carregar” consiga lê-lo.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>O results.dat tem %1 palavras, mas a lista guarda só as %2 primeiras.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>A outra %n palavra será descartada na próxima vez que a lista for salva.</numerusform>
            <numerusform>As outras %n palavras serão descartadas na próxima vez que a lista for salva.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Um programa de sincronização deixou cópias dos seus arquivos ao lado deles. O Tapmeter as incorporou:</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Recordes atualizados: %1, palavras incluídas: %2, palavras concluídas incluídas: %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Não incluídos (sem espaço): %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Cada cópia é mantida como estava, com &quot;.folded&quot; acrescentado ao nome.</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Estas cópias não puderam ser lidas ou incorporadas por inteiro e ficam como estão:</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>O results.dat foi alterado no disco desde que o Tapmeter o leu, por outro computador ou programa. Os recordes dele foram incorporados à lista antes de salvar, mantendo o mais rápido de cada palavra.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Recordes atualizados: %1, palavras incluídas: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Digite: %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Palavras na lista: 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>Adicionar &amp;palavras...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>linha %1 “%2”</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Palavras adicionadas: %n.</numerusform>
            <numerusform>Palavras adicionadas: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Linhas vazias ignoradas (%n): %1.</numerusform>
            <numerusform>Linhas vazias ignoradas (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Linhas ignoradas por já estarem na lista (%n): %1.</numerusform>
            <numerusform>Linhas ignoradas por já estarem na lista (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Linhas ignoradas por conterem uma quebra de linha (%n): %1.</numerusform>
            <numerusform>Linhas ignoradas por conterem uma quebra de linha (%n): %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Linhas ignoradas porque a lista estava cheia (%n): %1.</numerusform>
            <numerusform>Linhas ignoradas porque a lista estava cheia (%n): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>Não é possível ler %1: talvez você não tenha permissão para lê-lo, pode não ser um arquivo ou o disco pode ter falhado. Nenhuma palavra foi adicionada.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>O %1 %2 é feito pelos desenvolvedores do Tapmeter. Descubra quem digita mais rápido.. você ou seus amigos!!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informações:</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Novidades:</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Site: tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Voltar!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Atualizar resultados</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Origem 1:</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Procurar a origem 1</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Origem 2:</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Procurar a origem 2</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Palavras da origem 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Palavras da origem 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Origem 1-&gt;Origem 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Recorde:</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Recorde da origem 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Data do recorde da origem 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Dono do recorde da origem 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Recorde da origem 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Data do recorde da origem 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Dono do recorde da origem 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Uma palavra com recorde mais rápido</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Palavra nova, que não está na outra origem</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>A palavra está nas duas origens e o recorde é parecido.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Uma palavra com recorde mais lento</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Voltar!</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>Não foi possível ler %1, então nada foi aberto.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>As listas não mostram os arquivos indicados acima. Clique primeiro em “Abrir”. Nada foi mesclado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>%1 tem %2 recordes, mas só os %3 primeiros podem ser lidos. Regravá-lo perderia o outro %n, então nada foi mesclado.</numerusform>
            <numerusform>%1 tem %2 recordes, mas só os %3 primeiros podem ser lidos. Regravá-lo perderia os outros %n, então nada foi mesclado.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>Não foi possível guardar uma cópia de %1 como %2: %3. Nada foi mesclado.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>O arquivo como era, com as linhas que o Tapmeter não consegue usar, foi guardado como %1.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>O %1 foi alterado no disco desde que foi aberto. O Tapmeter o abriu de novo e faz a mesclagem no arquivo como ele está agora.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Palavras na lista: 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>mais rápido</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>parecido</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nova</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>mais lento</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>Não foi possível salvar as configurações em %1.ini.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palavra:</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Palavra mostrada no gráfico</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Tentativas ao longo do tempo</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>Onde esta palavra &amp;falha:</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Letras da palavra escolhida que mais falham</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>&amp;Letras mais erradas, todas as palavras:</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Letras digitadas errado com mais frequência em todas as palavras</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Palavras com histórico</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Prati&amp;car</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Escolher esta palavra na janela principal e digitá-la lá (Enter na tabela faz o mesmo)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;Após cada palavra, passar para a que mais precisa de prática</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Voltar!</translation>
    </message>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>%1 s mais rápido</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>%1 s mais lento</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 vez</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>espaço</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Ainda não há letras erradas</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Melhor (s)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>Últimas 10 (s)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variação</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>A tentativa mais rápida</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>A média das últimas 10 tentativas</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>Como a média das últimas 10 mudou em relação às 10 anteriores</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 é a palavra que mais precisa de prática</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Tentativas hoje: %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>Nesta semana: %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>No total: %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Ainda não há palavras concluídas</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Tempo de cada tentativa</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Tempo médio de cada %n tentativa seguida</numerusform>
            <numerusform>Tempo médio de cada %n tentativas seguidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1: %2 s</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 a %2: %3 s em média</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Tentativas em %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Tentativas por data</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1: %2, melhor %3 segundos, última %4 segundos</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 tentativa, em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n tentativa, de %1 a %2</numerusform>
            <numerusform>%n tentativas, de %1 a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 digitada como %2: %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 digitada após o fim: %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Letra %1 (%2): %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>Após o fim (letra %1): %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Guardar meus recordes com o &amp;nome:</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Com um nome aqui, um novo recorde é guardado com ele sem perguntar, e o treino continua</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Velocidade e precisão em todas as palavras</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>nenhuma tentativa</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 palavras por minuto (%2 letras por minuto), %3 % certas</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoje: %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>Últimos 7 dias: %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Todas as palavras</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Palavras por minuto</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisão (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Recorde, guardado em décimos: %1 s</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Todas as palavras: %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Palavras na lista: %n</numerusform>
            <numerusform>Palavras na lista: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>Pronto!</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Atualizados: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Incluídos: %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Não incluídos (sem espaço): %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 é um link que não pode ser substituído</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Uma palavra não pode ter quebra de linha. Digite a palavra em uma só linha.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>Não é possível copiar %1 para %2: %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>Não é possível gravar a lista inicial %1/%2: %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>Não é possível abrir a pasta %1.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>O Tapmeter inicia sem os arquivos que faltam.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>O Tapmeter não pode iniciar sem sua pasta.</translation>
    </message>
</context>
</TS>
