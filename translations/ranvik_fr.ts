<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Keys in a chess tournament&apos;s chart and writes its rating report.</source>
        <translation>Saisit le tableau d’un tournoi d’échecs et produit son rapport de cotes.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>A .tms chart file to open.</source>
        <translation>Un fichier de tableau .tms à ouvrir.</translation>
    </message>
    <message>
        <source>[chart]</source>
        <translation>[tableau]</translation>
    </message>
    <message>
        <source>Try &apos;ranvik --help&apos;.
</source>
        <translation>Essayez « ranvik --help ».
</translation>
    </message>
    <message>
        <source>ranvik: give one chart file at most.
</source>
        <translation>ranvik : indiquez au plus un fichier de tableau.
</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Invalid result or opponent, or incorrect tournament type.</source>
        <translation>Résultat ou adversaire invalide, ou type de tournoi incorrect.</translation>
    </message>
    <message>
        <source>Missing name.</source>
        <translation>Nom manquant.</translation>
    </message>
    <message>
        <source>Invalid rating.</source>
        <translation>Cote invalide.</translation>
    </message>
    <message>
        <source>Player paired against self.</source>
        <translation>Joueur apparié contre lui-même.</translation>
    </message>
    <message>
        <source>Entry must be &quot;X&quot; here for round robin tournament type.</source>
        <translation>L’entrée doit être « X » ici pour un tournoi à la ronde.</translation>
    </message>
    <message>
        <source>Inconsistent opponents.</source>
        <translation>Adversaires incohérents.</translation>
    </message>
    <message>
        <source>Inconsistent results.</source>
        <translation>Résultats incohérents.</translation>
    </message>
    <message>
        <source>Save changes to this chart?</source>
        <translation>Enregistrer les modifications de ce tableau?</translation>
    </message>
    <message>
        <source>Save changes to this tournament?</source>
        <translation>Enregistrer les modifications de ce tournoi?</translation>
    </message>
    <message>
        <source>This will clear all rounds entered so far. Proceed?</source>
        <translation>Toutes les rondes saisies jusqu’ici seront effacées. Continuer?</translation>
    </message>
    <message>
        <source>Sorry. Resorting of round robin grids is not allowed.</source>
        <translation>Désolé. Le tri d’un tableau de tournoi à la ronde n’est pas permis.</translation>
    </message>
    <message>
        <source>You must first open a database to load from.</source>
        <translation>Vous devez d’abord ouvrir une base de données d’où charger les joueurs.</translation>
    </message>
    <message>
        <source>Duplicate QRB number.</source>
        <translation>Numéro de membre QRB en double.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no player lines.</source>
        <translation>Le fichier est vide : il ne contient aucune ligne de joueur.</translation>
    </message>
    <message>
        <source>The file is saved as UTF-16; save it as plain text.</source>
        <translation>Le fichier est enregistré en UTF-16; enregistrez-le en texte brut.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n’a été donné.</translation>
    </message>
    <message>
        <source>The name ends in a folder separator, so it names no file.</source>
        <translation>Le nom se termine par un séparateur de dossier : il ne désigne aucun fichier.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>C’est un périphérique, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a regular file.</source>
        <translation>C’est un FIFO (tube nommé), pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>C’est un socket, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a symbolic link to a file that does not exist.</source>
        <translation>C’est un lien symbolique vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a regular file</source>
        <translation>c’est un FIFO (tube nommé), pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c’est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c’est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Please provide a name for the tournament.</source>
        <translation>Veuillez indiquer le nom du tournoi.</translation>
    </message>
    <message>
        <source>Please enter the province.</source>
        <translation>Veuillez indiquer la province.</translation>
    </message>
    <message>
        <source>Please provide an ending date.</source>
        <translation>Veuillez indiquer la date de fin.</translation>
    </message>
    <message>
        <source>Please provide an ending date in YYYY/MM/DD format.<byte value="xd"/><byte value="xd"/>Date must be exactly 10 characters long. Example: 2009/01/31</source>
        <translation>Veuillez indiquer la date de fin au format AAAA/MM/JJ.<byte value="xd"/><byte value="xd"/>La date doit compter exactement 10 caractères. Exemple : 2009/01/31</translation>
    </message>
    <message>
        <source>Please provide the TD&apos;s QRB number.</source>
        <translation>Veuillez indiquer le numéro de membre QRB du directeur de tournoi.</translation>
    </message>
    <message>
        <source>Name of tournament</source>
        <translation>Nom du tournoi</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Reference number</source>
        <translation>Numéro de référence</translation>
    </message>
    <message>
        <source>Ending date of tournament</source>
        <translation>Date de fin du tournoi</translation>
    </message>
    <message>
        <source>Tournament director QRB number</source>
        <translation>Numéro de membre QRB du directeur de tournoi</translation>
    </message>
    <message>
        <source>Organiser QRB number</source>
        <translation>Numéro de membre QRB de l’organisateur</translation>
    </message>
    <message>
        <source>The report cannot be written: it holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : il contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
    <message>
        <source>A report cannot be saved as a .tms file: that name is for the chart file saved beside the report. Choose a name ending in .qtr.</source>
        <translation>Un rapport ne peut pas être enregistré comme fichier .tms : ce nom est réservé au fichier de tableau enregistré à côté du rapport. Choisissez un nom se terminant par .qtr.</translation>
    </message>
    <message>
        <source>Inconsistent opponents found. Line %1 column %2.</source>
        <translation>Adversaires incohérents. Ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Inconsistent results found. Line %1 column %2.</source>
        <translation>Résultats incohérents. Ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>%1 Line %2 column %3.</source>
        <translation>%1 Ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>The chart already holds %1 players.</source>
        <translation>Le tableau contient déjà %1 joueurs.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>Error saving report to file: %1<byte value="xd"/>%2</source>
        <translation>Erreur à l’enregistrement du rapport dans le fichier : %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Error saving %1.<byte value="xd"/>%2</source>
        <translation>Erreur à l’enregistrement de %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>The file is larger than any chart can be (more than %1 MB).</source>
        <translation>Le fichier est plus gros que tout tableau possible (plus de %1 Mo).</translation>
    </message>
    <message>
        <source>The file holds a NUL byte (line %1), which no chart file has: it is not a chart file.</source>
        <translation>Le fichier contient un octet NUL (ligne %1), ce qu’aucun fichier de tableau ne contient : ce n’est pas un fichier de tableau.</translation>
    </message>
    <message>
        <source>The file has %1 lines, but a chart holds at most %2 players.</source>
        <translation>Le fichier compte %1 lignes, mais un tableau contient au plus %2 joueurs.</translation>
    </message>
    <message>
        <source>The first line has %1 fields, but the widest chart has %2 columns.</source>
        <translation>La première ligne compte %1 champs, mais le plus large tableau a %2 colonnes.</translation>
    </message>
    <message>
        <source>The first line has %1 fields, but a Swiss or match chart holds at most %2 rounds (%3 columns).</source>
        <translation>La première ligne compte %1 champs, mais un tableau de suisse ou de match contient au plus %2 rondes (%3 colonnes).</translation>
    </message>
    <message>
        <source>Line %1 column %2 holds a character that cannot be saved in a chart file.</source>
        <translation>La ligne %1, colonne %2 contient un caractère qui ne peut pas être enregistré dans un fichier de tableau.</translation>
    </message>
    <message>
        <source>It is a symbolic link that cannot be followed: %1.</source>
        <translation>C’est un lien symbolique qui ne peut pas être suivi : %1.</translation>
    </message>
    <message>
        <source>The old file could not be kept aside: %1.</source>
        <translation>L’ancien fichier n’a pas pu être mis de côté : %1.</translation>
    </message>
    <message>
        <source>%1 The first file could not be put back as it was.</source>
        <translation>%1 Le premier fichier n’a pas pu être remis comme il était.</translation>
    </message>
    <message>
        <source>Please remove quotation marks, tabs and line breaks from the field &quot;%1&quot;.<byte value="xd"/><byte value="xd"/>The report cannot carry them.</source>
        <translation>Veuillez retirer les guillemets, tabulations et sauts de ligne du champ « %1 ».<byte value="xd"/><byte value="xd"/>Le rapport ne peut pas les contenir.</translation>
    </message>
    <message>
        <source>The report cannot be written: the field &quot;%1&quot; holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : le champ « %1 » contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The report cannot be written: the entry in line %1 column %2 holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : l’entrée de la ligne %1, colonne %2 contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
</context>
<context>
    <name>ranvik::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ranvik::Application</name>
    <message>
        <source>Ranvik ran out of memory, so the last command was not finished. Nothing was written. Save your work and close other programs.</source>
        <translation>Ranvik a manqué de mémoire : la dernière commande n’a pas été terminée. Rien n’a été écrit. Enregistrez votre travail et fermez d’autres programmes.</translation>
    </message>
</context>
<context>
    <name>ranvik::HelpDialog</name>
    <message>
        <source>Ranvik is for tournament directors. You key in the results of a finished tournament and Ranvik produces the report that the Korvath uses to work out the rating changes of the players.</source>
        <translation>Ranvik s’adresse aux directeurs de tournoi. Vous saisissez les résultats d’un tournoi terminé et Ranvik produit le rapport dont le Korvath se sert pour calculer la variation de la cote des joueurs.</translation>
    </message>
    <message>
        <source>The window is divided into two main sections. On the left is the grid, where you enter the players&apos; names, their membership numbers, their ratings and the results of every round. Drag the bar between the two sections to change how much room each one gets.</source>
        <translation>La fenêtre se divise en deux sections principales. À gauche se trouve la grille, où vous entrez le nom des joueurs, leur numéro de membre, leur cote et les résultats de chaque ronde. Faites glisser la barre entre les deux sections pour changer la place accordée à chacune.</translation>
    </message>
    <message>
        <source>The right side is the optional database view. If you have the QRB membership database on file, you can load players from it into the chart instead of typing them.</source>
        <translation>À droite se trouve la vue facultative de la base de données. Si vous avez la base de données des membres de la QRB, vous pouvez y charger les joueurs dans le tableau au lieu de les taper.</translation>
    </message>
    <message>
        <source>Set the number of players and the number of rounds in the boxes at the top of the window. For a round robin or a double round robin, choose it in the box labelled Tournament type; a Swiss event is the default.</source>
        <translation>Indiquez le nombre de joueurs et le nombre de rondes dans les cases en haut de la fenêtre. Pour un tournoi à la ronde ou un double tournoi à la ronde, choisissez-le dans la case Type de tournoi; le suisse est le type par défaut.</translation>
    </message>
    <message>
        <source>Next, register the players, either by typing them in or by double-clicking them in the database view. Last of all, enter each player&apos;s results and opponents in the columns provided.</source>
        <translation>Inscrivez ensuite les joueurs, en les tapant ou en double-cliquant sur eux dans la vue de la base de données. Enfin, entrez les résultats et les adversaires de chaque joueur dans les colonnes prévues à cet effet.</translation>
    </message>
    <message>
        <source>Save the finished chart with the Save command of the File menu.</source>
        <translation>Enregistrez le tableau terminé avec la commande Enregistrer du menu Fichier.</translation>
    </message>
    <message>
        <source>In a Swiss event every result begins with its result character: W, L or D in English, G, E or P in French, or the symbols +, = and -. Byes and forfeits have their own characters (B, H or U for a bye and X, Z or F for a forfeit, according to what they are worth), or may simply be entered as W, L or D. After the result character comes the opponent&apos;s number, which is the number of the row in which the opponent stands in the chart on the screen. For byes and forfeits, enter 0 as the opponent.</source>
        <translation>Dans un suisse, chaque résultat commence par son caractère de résultat : W, L ou D en anglais, G, E ou P en français, ou les symboles +, = et -. Les exemptions et les forfaits ont leurs propres caractères (B, H ou U pour une exemption et X, Z ou F pour un forfait, selon ce qu’ils valent), ou peuvent simplement être entrés comme W, L ou D. Après le caractère de résultat vient le numéro de l’adversaire, c’est-à-dire le numéro de la ligne où se trouve l’adversaire dans le tableau à l’écran. Pour les exemptions et les forfaits, entrez 0 comme adversaire.</translation>
    </message>
    <message>
        <source>Round robin results are entered as 1, 0 or = on their own, with no opponent, because a round robin chart has one column per player rather than one per round.</source>
        <translation>Les résultats d’un tournoi à la ronde s’entrent comme 1, 0 ou = seuls, sans adversaire, car le tableau d’un tournoi à la ronde a une colonne par joueur plutôt qu’une par ronde.</translation>
    </message>
    <message>
        <source>When the chart is the way you want it, press &quot;Create report for QRB...&quot;. This writes the two files of the rating report, which you then send or upload to the federation.</source>
        <translation>Quand le tableau est comme vous le voulez, appuyez sur « Create report for QRB... ». Ranvik écrit alors les deux fichiers du rapport de cotes, que vous envoyez ou téléversez ensuite à la fédération.</translation>
    </message>
    <message>
        <source>The players do not have to be in rating order, but keying in the results is easier when they are. You can sort the chart by rating; results already entered keep their opponents, whose numbers are updated by the sort.</source>
        <translation>Les joueurs n’ont pas à être dans l’ordre des cotes, mais la saisie des résultats est plus facile quand ils le sont. Vous pouvez trier le tableau par cote; les résultats déjà entrés gardent leurs adversaires, dont les numéros sont mis à jour par le tri.</translation>
    </message>
    <message>
        <source>As you type a player&apos;s results, Ranvik fills in the opponents&apos; results for you. To turn this off, for instance while you enter results that do not agree, clear the automatic update item in the Tools menu.</source>
        <translation>Pendant que vous tapez les résultats d’un joueur, Ranvik remplit pour vous les résultats de ses adversaires. Pour désactiver cette fonction, par exemple pendant que vous entrez des résultats qui ne concordent pas, décochez l’élément de mise à jour automatique du menu Outils.</translation>
    </message>
</context>
</TS>
