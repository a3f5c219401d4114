<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.
Started without options, it opens its window.</source>
        <translation>Un entraîneur de vitesse de frappe : tapez le mot choisi, et le meilleur temps de chaque mot est conservé.
Lancé sans option, il ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;tapmeter --help&apos;.</source>
        <translation>Essayez « tapmeter --help ».</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tapmeter is already running in this folder.</source>
        <translation>Tapmeter est déjà ouvert dans ce dossier.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Time passed since last letter:</source>
        <translation>Depuis la dernière lettre :</translation>
    </message>
    <message>
        <source>Total time passed:</source>
        <translation>Temps total :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Write the selected word from the list:</source>
        <translation>Tapez le mot choisi dans la liste :</translation>
    </message>
    <message>
        <source>Match indicator</source>
        <translation>Témoin de justesse</translation>
    </message>
    <message>
        <source>&amp;Reset </source>
        <translation>&amp;Relancer </translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Résultat :</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Casse exacte</translation>
    </message>
    <message>
        <source>Total S/Letters W</source>
        <translation>Total s/lettres</translation>
    </message>
    <message>
        <source>Total speed:</source>
        <translation>Vitesse totale :</translation>
    </message>
    <message>
        <source>Letters written:</source>
        <translation>Lettres tapées :</translation>
    </message>
    <message>
        <source>Words written:</source>
        <translation>Mots tapés :</translation>
    </message>
    <message>
        <source>Number of fixes:</source>
        <translation>Corrections :</translation>
    </message>
    <message>
        <source>Automatically:</source>
        <translation>Automatiquement :</translation>
    </message>
    <message>
        <source>Automatic action</source>
        <translation>Action automatique</translation>
    </message>
    <message>
        <source>Criterion of the automatic action</source>
        <translation>Critère de l&apos;action automatique</translation>
    </message>
    <message>
        <source>Limit of the automatic action</source>
        <translation>Limite de l&apos;action automatique</translation>
    </message>
    <message>
        <source>Word length:                     chars.</source>
        <extracomment>The word&apos;s length is shown over the blanks: keep a gap as wide.</extracomment>
        <translation>Longueur :                     lettres</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Ajouter mot</translation>
    </message>
    <message>
        <source>Remove word</source>
        <translation>Retirer mot</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Update Results</source>
        <translation>Mise à jour des résultats</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Words written</source>
        <translation>Mots tapés</translation>
    </message>
    <message>
        <source>Time passed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Letters written</source>
        <translation>Lettres tapées</translation>
    </message>
    <message>
        <source>Close Tapmeter anyway? What could not be saved will be lost.</source>
        <translation>Fermer Tapmeter quand même ? Ce qui n&apos;a pas pu être enregistré sera perdu.</translation>
    </message>
    <message>
        <source>- STOPPED -</source>
        <translation>- ARRÊTÉ -</translation>
    </message>
    <message>
        <source>YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:</source>
        <translation>NOUVEAU RECORD !!!! %1 secondes ! Entrez votre nom :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the word list. Add it again with Add word to practise it.</source>
        <translation>« %1 » n&apos;est plus dans la liste. Ajoutez-le de nouveau avec « Ajouter mot » pour l&apos;entraîner.</translation>
    </message>
    <message>
        <source>correct so far</source>
        <translation>juste jusqu&apos;ici</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>lettre fausse</translation>
    </message>
    <message>
        <source>results.dat holds lines Tapmeter cannot use; they will not be saved again.</source>
        <translation>results.dat contient des lignes que Tapmeter ne peut pas utiliser ; elles ne seront pas réenregistrées.</translation>
    </message>
    <message>
        <source>A copy of the file as it is now will be kept as %1.</source>
        <translation>Une copie du fichier dans son état actuel sera gardée sous le nom %1.</translation>
    </message>
    <message>
        <source>Could not save results.dat: %1</source>
        <translation>Impossible d&apos;enregistrer results.dat : %1</translation>
    </message>
    <message>
        <source>it could not be read, and saving would replace what it holds. Make it readable and press &quot;Load&quot; first.</source>
        <translation>le fichier n&apos;a pas pu être lu, et l&apos;enregistrer remplacerait son contenu. Rendez-le lisible et cliquez d&apos;abord sur « Charger ».</translation>
    </message>
    <message>
        <source>no copy of it could be kept as %1 (%2)</source>
        <translation>aucune copie n&apos;a pu être gardée sous le nom %1 (%2)</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Enregistré !</translation>
    </message>
    <message numerus="yes">
        <source>The word list is full: it holds %n words. Remove a word before adding another.</source>
        <translation>
            <numerusform>La liste est pleine : elle contient %n mot. Retirez un mot avant d&apos;en ajouter un autre.</numerusform>
            <numerusform>La liste est pleine : elle contient %n mots. Retirez un mot avant d&apos;en ajouter un autre.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter new word:</source>
        <translation>Nouveau mot :</translation>
    </message>
    <message>
        <source>Type the word chosen on the right</source>
        <translation>Tapez le mot choisi à droite</translation>
    </message>
    <message>
        <source>Add a word first, with Add word</source>
        <translation>Ajoutez d&apos;abord un mot avec « Ajouter mot »</translation>
    </message>
    <message>
        <source>Could not add the finished word to %1: %2</source>
        <translation>Impossible d&apos;ajouter le mot terminé à %1 : %2</translation>
    </message>
    <message>
        <source>Typing goes on, but finished words are not kept for the Progress window until the file can be written. This is the only time Tapmeter tells you while it runs.</source>
        <translation>Vous pouvez continuer à taper, mais les mots terminés ne sont plus gardés pour la fenêtre Progression tant que le fichier ne peut pas être écrit. Tapmeter ne vous le signale qu&apos;une fois.</translation>
    </message>
    <message>
        <source>results.dat cannot be read: it may not be yours to read, not be a file, or the disk failed.</source>
        <translation>Impossible de lire results.dat : vous n&apos;avez peut-être pas le droit de le lire, ce n&apos;est pas un fichier, ou le disque a une panne.</translation>
    </message>
    <message>
        <source>Tapmeter will not save over it until &quot;Load&quot; can read it.</source>
        <translation>Tapmeter n&apos;enregistrera pas par-dessus tant que « Charger » ne pourra pas le lire.</translation>
    </message>
    <message>
        <source>results.dat holds %1 words, but the list keeps only the first %2.</source>
        <translation>results.dat contient %1 mots, mais la liste ne garde que les %2 premiers.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n words will be dropped the next time the list is saved.</source>
        <translation>
            <numerusform>Le mot restant (%n) sera abandonné au prochain enregistrement de la liste.</numerusform>
            <numerusform>Les %n autres mots seront abandonnés au prochain enregistrement de la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left copies of your files beside them. Tapmeter took them in:</source>
        <translation>Un programme de synchronisation a laissé des copies de vos fichiers à côté d&apos;eux. Tapmeter les a intégrées :</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2, finished words added: %3.</source>
        <translation>Records mis à jour : %1, mots ajoutés : %2, mots terminés ajoutés : %3.</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Non ajoutés (plus de place) : %1</translation>
    </message>
    <message>
        <source>Each copy is kept as it was, with &quot;.folded&quot; added to its name.</source>
        <translation>Chaque copie est conservée telle quelle, avec « .folded » ajouté à son nom.</translation>
    </message>
    <message>
        <source>These copies could not be read or taken in whole and are left as they are:</source>
        <translation>Ces copies n&apos;ont pas pu être lues ou intégrées entièrement et sont laissées telles quelles :</translation>
    </message>
    <message>
        <source>results.dat was changed on disk since Tapmeter read it, by another computer or program. Its records were taken into the list before saving, the faster of each word kept.</source>
        <translation>results.dat a été modifié sur le disque depuis que Tapmeter l&apos;a lu, par un autre ordinateur ou programme. Ses records ont été intégrés à la liste avant l&apos;enregistrement, en gardant le plus rapide de chaque mot.</translation>
    </message>
    <message>
        <source>Records updated: %1, words added: %2.</source>
        <translation>Records mis à jour : %1, mots ajoutés : %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tapez : %1</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Mots dans la base : 0</translation>
    </message>
    <message>
        <source>Add &amp;Words...</source>
        <translation>Ajouter des &amp;mots...</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>ligne %1 « %2 »</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words added: %n.</source>
        <translation>
            <numerusform>Mots ajoutés : %n.</numerusform>
            <numerusform>Mots ajoutés : %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty lines skipped (%n): %1.</source>
        <translation>
            <numerusform>Lignes vides ignorées (%n) : %1.</numerusform>
            <numerusform>Lignes vides ignorées (%n) : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as already in the list (%n): %1.</source>
        <translation>
            <numerusform>Lignes ignorées car déjà dans la liste (%n) : %1.</numerusform>
            <numerusform>Lignes ignorées car déjà dans la liste (%n) : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as holding a line break (%n): %1.</source>
        <translation>
            <numerusform>Lignes ignorées car contenant un saut de ligne (%n) : %1.</numerusform>
            <numerusform>Lignes ignorées car contenant un saut de ligne (%n) : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines skipped as the list was full (%n): %1.</source>
        <translation>
            <numerusform>Lignes ignorées car la liste était pleine (%n) : %1.</numerusform>
            <numerusform>Lignes ignorées car la liste était pleine (%n) : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read: it may not be yours to read, not be a file, or the disk failed. No word was added.</source>
        <translation>Impossible de lire %1 : vous n&apos;avez peut-être pas le droit de le lire, ce n&apos;est peut-être pas un fichier, ou le disque a eu une défaillance. Aucun mot n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 %2 is made by the Tapmeter developers. Use it to check who&apos;s the fastest typer.. you or your friends!!!</source>
        <translation>%1 %2 est fait par les développeurs de Tapmeter. Qui tape le plus vite.. vous ou vos amis ?!!</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informations :</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Nouveautés :</translation>
    </message>
    <message>
        <source>Visit the site here: tapmeter.example.org</source>
        <translation>Site web : tapmeter.example.org</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Retour !</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Update Results</source>
        <translation>Mise à jour des résultats</translation>
    </message>
    <message>
        <source>Source 1:</source>
        <translation>Source 1 :</translation>
    </message>
    <message>
        <source>Browse for Source 1</source>
        <translation>Choisir la source 1</translation>
    </message>
    <message>
        <source>Source 2:</source>
        <translation>Source 2 :</translation>
    </message>
    <message>
        <source>Browse for Source 2</source>
        <translation>Choisir la source 2</translation>
    </message>
    <message>
        <source>Words of Source 1</source>
        <translation>Mots de la source 1</translation>
    </message>
    <message>
        <source>Words of Source 2</source>
        <translation>Mots de la source 2</translation>
    </message>
    <message>
        <source>Source 1-&gt;Source 2</source>
        <translation>Source 1-&gt;Source 2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Fastest time:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>Source 1 fastest time</source>
        <translation>Record de la source 1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Source 1 record date</source>
        <translation>Date du record de la source 1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Source 1 record holder</source>
        <translation>Détenteur du record de la source 1</translation>
    </message>
    <message>
        <source>Source 2 fastest time</source>
        <translation>Record de la source 2</translation>
    </message>
    <message>
        <source>Source 2 record date</source>
        <translation>Date du record de la source 2</translation>
    </message>
    <message>
        <source>Source 2 record holder</source>
        <translation>Détenteur du record de la source 2</translation>
    </message>
    <message>
        <source>A word with a faster record</source>
        <translation>Un mot au record plus rapide</translation>
    </message>
    <message>
        <source>New word that doesn&apos;t exist in the other source</source>
        <translation>Nouveau mot, absent de l&apos;autre source</translation>
    </message>
    <message>
        <source>The word exists in both of the sources and the record is similar.</source>
        <translation>Le mot figure dans les deux sources et le record est semblable.</translation>
    </message>
    <message>
        <source>A word with a slower record</source>
        <translation>Un mot au record plus lent</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Retour !</translation>
    </message>
    <message>
        <source>Could not read %1, so nothing was opened.</source>
        <translation>Impossible de lire %1 : rien n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>The lists do not show the files named above. Please press &quot;Open&quot; first. Nothing was merged.</source>
        <translation>Les listes ne montrent pas les fichiers indiqués plus haut. Cliquez d&apos;abord sur « Ouvrir ». Rien n&apos;a été fusionné.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %2 records, but only the first %3 can be read. Writing it back would lose the other %n, so nothing was merged.</source>
        <translation>
            <numerusform>%1 contient %2 records, mais seuls les %3 premiers peuvent être lus. Le réécrire perdrait le record restant (%n) : rien n&apos;a été fusionné.</numerusform>
            <numerusform>%1 contient %2 records, mais seuls les %3 premiers peuvent être lus. Le réécrire perdrait les %n autres : rien n&apos;a été fusionné.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not keep a copy of %1 as %2: %3. Nothing was merged.</source>
        <translation>Impossible de garder une copie de %1 sous le nom %2 : %3. Rien n&apos;a été fusionné.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The file as it was, with the lines Tapmeter cannot use, is kept as %1.</source>
        <translation>Le fichier tel qu&apos;il était, avec les lignes que Tapmeter ne peut pas utiliser, est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Tapmeter has opened it again and merges into it as it is now.</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture. Tapmeter l&apos;a rouvert et fusionne dans le fichier tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>Words in database: 0</source>
        <translation>Mots dans la base : 0</translation>
    </message>
</context>
<context>
    <name>MarkPictures</name>
    <message>
        <source>faster</source>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>similar</source>
        <translation>semblable</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>plus lent</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Could not save the settings in %1.ini.</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1.ini.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Mot :</translation>
    </message>
    <message>
        <source>Word shown in the chart</source>
        <translation>Mot montré dans le graphique</translation>
    </message>
    <message>
        <source>Attempts over time</source>
        <translation>Essais au fil du temps</translation>
    </message>
    <message>
        <source>Where this word &amp;goes wrong:</source>
        <translation>Où ce mot &amp;coince :</translation>
    </message>
    <message>
        <source>Letters of the chosen word that go wrong most</source>
        <translation>Lettres du mot choisi le plus souvent fausses</translation>
    </message>
    <message>
        <source>&amp;Letters missed most, all words:</source>
        <translation>&amp;Lettres les plus ratées, tous mots :</translation>
    </message>
    <message>
        <source>Letters typed wrong most often in all words</source>
        <translation>Lettres le plus souvent mal tapées dans tous les mots</translation>
    </message>
    <message>
        <source>Words with a history</source>
        <translation>Mots avec un historique</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;S&apos;entraîner</translation>
    </message>
    <message>
        <source>Choose this word in the main window and type it there (Enter in the table does the same)</source>
        <translation>Choisir ce mot dans la fenêtre principale et le taper là-bas (Entrée dans le tableau fait de même)</translation>
    </message>
    <message>
        <source>&amp;After each word, go on to the word that needs practice most</source>
        <translation>&amp;Après chaque mot, passer au mot qui a le plus besoin d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Back!</source>
        <translation>&amp;Retour !</translation>
    </message>
    <message>
        <source>same</source>
        <translation>pareil</translation>
    </message>
    <message>
        <source>%1 s faster</source>
        <translation>%1 s plus rapide</translation>
    </message>
    <message>
        <source>%1 s slower</source>
        <translation>%1 s plus lent</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 fois</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>No wrong letters kept yet</source>
        <translation>Aucune lettre fausse pour l&apos;instant</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Best (s)</source>
        <translation>Meilleur (s)</translation>
    </message>
    <message>
        <source>Last 10 (s)</source>
        <translation>10 derniers (s)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Practice rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>The fastest attempt</source>
        <translation>L&apos;essai le plus rapide</translation>
    </message>
    <message>
        <source>The average of the last 10 attempts</source>
        <translation>La moyenne des 10 derniers essais</translation>
    </message>
    <message>
        <source>How the average of the last 10 changed against the 10 before</source>
        <translation>L&apos;évolution de la moyenne des 10 derniers par rapport aux 10 précédents</translation>
    </message>
    <message>
        <source>1 is the word that needs practice most</source>
        <translation>1 est le mot qui a le plus besoin d&apos;entraînement</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Attempts today: %1</source>
        <translation>Essais aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>This week: %1</source>
        <translation>Cette semaine : %1</translation>
    </message>
    <message>
        <source>All time: %1</source>
        <translation>Au total : %1</translation>
    </message>
    <message>
        <source>No finished words yet</source>
        <translation>Aucun mot terminé pour l&apos;instant</translation>
    </message>
    <message>
        <source>Time of each attempt</source>
        <translation>Temps de chaque essai</translation>
    </message>
    <message numerus="yes">
        <source>Average time of each %n attempts in a row</source>
        <translation>
            <numerusform>Temps moyen par série de %n essai</numerusform>
            <numerusform>Temps moyen par série de %n essais</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 s</source>
        <translation>%1 : %2 s</translation>
    </message>
    <message>
        <source>%1 to %2: %3 s on average</source>
        <translation>%1 à %2 : %3 s en moyenne</translation>
    </message>
    <message>
        <source>Attempts on %1</source>
        <translation>Essais du %1</translation>
    </message>
    <message>
        <source>Attempts by date</source>
        <translation>Essais par date</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>%1: %2, best %3 seconds, latest %4 seconds</source>
        <translation>%1 : %2, meilleur %3 secondes, dernier %4 secondes</translation>
    </message>
    <message>
        <source>1 attempt, on %1</source>
        <translation>1 essai, le %1</translation>
    </message>
    <message numerus="yes">
        <source>%n attempts, from %1 to %2</source>
        <translation>
            <numerusform>%n essai, du %1 au %2</numerusform>
            <numerusform>%n essais, du %1 au %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 typed as %2: %3</source>
        <translation>%1 tapé %2 : %3</translation>
    </message>
    <message>
        <source>%1 typed past the end: %2</source>
        <translation>%1 tapé après la fin : %2</translation>
    </message>
    <message>
        <source>Letter %1 (%2): %3</source>
        <translation>Lettre %1 (%2) : %3</translation>
    </message>
    <message>
        <source>Past the end (letter %1): %2</source>
        <translation>Après la fin (lettre %1) : %2</translation>
    </message>
    <message>
        <source>Keep my records under the &amp;name:</source>
        <translation>Garder mes records sous le &amp;nom :</translation>
    </message>
    <message>
        <source>With a name here, a new record is kept under it without asking, and the drill goes on</source>
        <translation>Avec un nom ici, un nouveau record est gardé sous ce nom sans question, et l’entraînement continue</translation>
    </message>
    <message>
        <source>Speed and accuracy over all words</source>
        <translation>Vitesse et précision sur tous les mots</translation>
    </message>
    <message>
        <source>no attempts</source>
        <translation>aucun essai</translation>
    </message>
    <message>
        <source>%1 words a minute (%2 letters a minute), %3 % right</source>
        <translation>%1 mots par minute (%2 lettres par minute), %3 % justes</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd’hui : %1</translation>
    </message>
    <message>
        <source>Last 7 days: %1</source>
        <translation>7 derniers jours : %1</translation>
    </message>
    <message>
        <source>All words</source>
        <translation>Tous les mots</translation>
    </message>
    <message>
        <source>Words a minute</source>
        <translation>Mots par minute</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <source>Record, kept in tenths: %1 s</source>
        <translation>Record, gardé en dixièmes : %1 s</translation>
    </message>
    <message>
        <source>All words: %1</source>
        <translation>Tous les mots : %1</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message numerus="yes">
        <source>Words in database: %n</source>
        <translation>
            <numerusform>Mots dans la base : %n</numerusform>
            <numerusform>Mots dans la base : %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceMerge</name>
    <message>
        <source>Done!</source>
        <translation>Terminé !</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Mis à jour : %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajoutés : %1</translation>
    </message>
    <message>
        <source>Not added (no room): %1</source>
        <translation>Non ajoutés (plus de place) : %1</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be replaced</source>
        <translation>%1 est un lien qui ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>WordRules</name>
    <message>
        <source>A word cannot contain a line break. Please enter the word on one line.</source>
        <translation>Un mot ne peut pas contenir de saut de ligne. Entrez le mot sur une seule ligne.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>Impossible de copier %1 dans %2 : %3</translation>
    </message>
    <message>
        <source>Cannot write the starter list %1/%2: %3</source>
        <translation>Impossible d&apos;écrire la liste de départ %1/%2 : %3</translation>
    </message>
    <message>
        <source>Cannot open the folder %1.</source>
        <translation>Impossible d&apos;ouvrir le dossier %1.</translation>
    </message>
    <message>
        <source>Tapmeter starts without the missing files.</source>
        <translation>Tapmeter démarre sans les fichiers manquants.</translation>
    </message>
    <message>
        <source>Tapmeter cannot start without its folder.</source>
        <translation>Tapmeter ne peut pas démarrer sans son dossier.</translation>
    </message>
</context>
</TS>
