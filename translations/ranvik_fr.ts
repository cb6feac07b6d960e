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
    <name>Message</name>
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
        <source>Swiss</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Round robin</source>
        <translation>Tournoi à la ronde</translation>
    </message>
    <message>
        <source>Double round robin</source>
        <translation>Double tournoi à la ronde</translation>
    </message>
    <message>
        <source>round robin</source>
        <translation>tournoi à la ronde</translation>
    </message>
    <message>
        <source>double round robin</source>
        <translation>double tournoi à la ronde</translation>
    </message>
    <message>
        <source>Lowering the players to %1 removes 1 line that holds names or results.</source>
        <translation>Ramener les joueurs à %1 retire 1 ligne qui contient des noms ou des résultats.</translation>
    </message>
    <message>
        <source>Lowering the players to %1 removes %2 lines that hold names or results.</source>
        <translation>Ramener les joueurs à %1 retire %2 lignes qui contiennent des noms ou des résultats.</translation>
    </message>
    <message>
        <source>Lowering the rounds to %1 removes 1 result.</source>
        <translation>Ramener les rondes à %1 retire 1 résultat.</translation>
    </message>
    <message>
        <source>Lowering the rounds to %1 removes %2 results.</source>
        <translation>Ramener les rondes à %1 retire %2 résultats.</translation>
    </message>
    <message>
        <source>Switching to %1 overwrites 1 result.</source>
        <translation>Passer au type %1 remplace 1 résultat.</translation>
    </message>
    <message>
        <source>Switching to %1 overwrites %2 results.</source>
        <translation>Passer au type %1 remplace %2 résultats.</translation>
    </message>
    <message>
        <source>Switching to %1 hides 1 result.</source>
        <translation>Passer au type %1 masque 1 résultat.</translation>
    </message>
    <message>
        <source>Switching to %1 hides %2 results.</source>
        <translation>Passer au type %1 masque %2 résultats.</translation>
    </message>
    <message>
        <source>Switching to %1 overwrites or hides %2 results.</source>
        <translation>Passer au type %1 remplace ou masque %2 résultats.</translation>
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
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>The chart already holds %1 players.</source>
        <translation>Le tableau contient déjà %1 joueurs.</translation>
    </message>
    <message>
        <source>This will clear all rounds entered so far. Proceed?</source>
        <translation>Toutes les rondes saisies jusqu’ici seront effacées. Continuer?</translation>
    </message>
    <message>
        <source>Delete line %1 and everything in it?</source>
        <translation>Supprimer la ligne %1 et tout ce qu’elle contient?</translation>
    </message>
    <message>
        <source>The result in another line that names this player is cleared too.</source>
        <translation>Le résultat d’une autre ligne qui nomme ce joueur est effacé aussi.</translation>
    </message>
    <message>
        <source>The %1 results in other lines that name this player are cleared too.</source>
        <translation>Les %1 résultats d’autres lignes qui nomment ce joueur sont effacés aussi.</translation>
    </message>
    <message>
        <source>The pasted lines would reach line %1; a chart holds at most %2 players. Nothing was pasted.</source>
        <translation>Les lignes collées iraient jusqu’à la ligne %1; un tableau contient au plus %2 joueurs. Rien n’a été collé.</translation>
    </message>
    <message>
        <source>Sorry. Resorting of round robin grids is not allowed.</source>
        <translation>Désolé. Le tri d’un tableau de tournoi à la ronde n’est pas permis.</translation>
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
        <source>Please remove quotation marks, tabs and line breaks from the field &quot;%1&quot;.</source>
        <translation>Veuillez retirer les guillemets, tabulations et sauts de ligne du champ « %1 ».</translation>
    </message>
    <message>
        <source>The report cannot carry them.</source>
        <translation>Le rapport ne peut pas les contenir.</translation>
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
        <source>Please provide the TD&apos;s QRB number.</source>
        <translation>Veuillez indiquer le numéro de membre QRB du directeur de tournoi.</translation>
    </message>
    <message>
        <source>Please provide an ending date in YYYY/MM/DD format.</source>
        <translation>Veuillez indiquer la date de fin au format AAAA/MM/JJ.</translation>
    </message>
    <message>
        <source>Date must be exactly 10 characters long. Example: 2009/01/31</source>
        <translation>La date doit compter exactement 10 caractères. Exemple : 2009/01/31</translation>
    </message>
    <message>
        <source>Date must be in YYYY/MM/DD format. Example: 2009/01/31</source>
        <translation>La date doit être au format AAAA/MM/JJ. Exemple : 2009/01/31</translation>
    </message>
    <message>
        <source>The ending date %1 is not a date of the calendar.</source>
        <translation>La date de fin %1 n’existe pas dans le calendrier.</translation>
    </message>
    <message>
        <source>The ending date %1 lies more than a day in the future.</source>
        <translation>La date de fin %1 est plus d’un jour dans l’avenir.</translation>
    </message>
    <message>
        <source>Please provide the day the tournament ended, in YYYY/MM/DD format.</source>
        <translation>Veuillez indiquer le jour où le tournoi a pris fin, au format AAAA/MM/JJ.</translation>
    </message>
    <message>
        <source>A report cannot be saved as a .tms file: that name is for the chart file saved beside the report. Choose a name ending in .qtr.</source>
        <translation>Un rapport ne peut pas être enregistré comme fichier .tms : ce nom est réservé au fichier de tableau enregistré à côté du rapport. Choisissez un nom se terminant par .qtr.</translation>
    </message>
    <message>
        <source>The report cannot be written: the field &quot;%1&quot; holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : le champ « %1 » contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The report cannot be written: the entry at %1 holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : l’entrée %1 contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The report cannot be written: it holds a character that the report file cannot carry.</source>
        <translation>Le rapport ne peut pas être écrit : il contient un caractère que le fichier de rapport ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Error saving report to file: %1</source>
        <translation>Erreur à l’enregistrement du rapport dans le fichier : %1</translation>
    </message>
    <message>
        <source>Error saving %1.</source>
        <translation>Erreur à l’enregistrement de %1.</translation>
    </message>
    <message>
        <source>Name of database file (*.mdb) not specified.</source>
        <translation>Nom du fichier de base de données (*.mdb) non précisé.</translation>
    </message>
    <message>
        <source>Database file %1 not found.</source>
        <translation>Fichier de base de données %1 introuvable.</translation>
    </message>
    <message>
        <source>The database file %1 is a folder, not a file.</source>
        <translation>Le fichier de base de données %1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The database file %1 is not a regular file (a FIFO, device or socket).</source>
        <translation>Le fichier de base de données %1 n’est pas un fichier ordinaire (un FIFO, un périphérique ou un socket).</translation>
    </message>
    <message>
        <source>The database file %1 cannot be read.</source>
        <translation>Le fichier de base de données %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file %1 is neither an Access nor an SQLite database.</source>
        <translation>Le fichier %1 n’est ni une base de données Access ni une base de données SQLite.</translation>
    </message>
    <message>
        <source>The Access database %1 cannot be opened.</source>
        <translation>La base de données Access %1 ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The Access database %1 is damaged: its list of tables cannot be read.</source>
        <translation>La base de données Access %1 est endommagée : sa liste de tables ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The Access database %1 is damaged: %2</source>
        <translation>La base de données Access %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>The Access database %1 cannot be read: %2.</source>
        <translation>La base de données Access %1 ne peut pas être lue : %2.</translation>
    </message>
    <message>
        <source>The SQLite database %1 cannot be opened: %2</source>
        <translation>La base de données SQLite %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The SQLite database %1 cannot be read: %2.</source>
        <translation>La base de données SQLite %1 ne peut pas être lue : %2.</translation>
    </message>
    <message>
        <source>The SQLite database %1 has changes in %2-wal that are not yet in the file itself; close the program that writes it, then try again.</source>
        <translation>La base de données SQLite %1 a des modifications dans %2-wal qui ne sont pas encore dans le fichier lui-même ; fermez le programme qui l’écrit, puis réessayez.</translation>
    </message>
    <message>
        <source>The database holds no table.</source>
        <translation>La base de données ne contient aucune table.</translation>
    </message>
    <message>
        <source>The database has no table %1.</source>
        <translation>La base de données n’a pas de table %1.</translation>
    </message>
    <message>
        <source>The table %1 in %2 cannot be read.</source>
        <translation>La table %1 de %2 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The table %1 in %2 cannot be read: %3</source>
        <translation>La table %1 de %2 ne peut pas être lue : %3</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be read.</source>
        <translation>la rangée %1 de la table %2 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>the table %1 declares %2 rows, but %3 can be read.</source>
        <translation>la table %1 annonce %2 rangées, mais %3 peuvent être lues.</translation>
    </message>
    <message>
        <source>The table %1 has a row of the wrong width.</source>
        <translation>La table %1 a une rangée de la mauvaise largeur.</translation>
    </message>
    <message>
        <source>The membership table %1 has no field %2.</source>
        <translation>La table des membres %1 n’a pas de champ %2.</translation>
    </message>
    <message>
        <source>it has more than %1 rows; no membership list is that long.</source>
        <translation>elle a plus de %1 rangées ; aucune liste de membres n’est aussi longue.</translation>
    </message>
    <message>
        <source>it holds more than %1 values (rows times fields); no membership list is that large.</source>
        <translation>elle contient plus de %1 valeurs (rangées fois champs) ; aucune liste de membres n’est aussi grande.</translation>
    </message>
    <message>
        <source>too much data to hand over</source>
        <translation>trop de données à transmettre</translation>
    </message>
    <message>
        <source>the table data is damaged</source>
        <translation>les données de la table sont endommagées</translation>
    </message>
    <message>
        <source>a table without fields cannot hold rows</source>
        <translation>une table sans champs ne peut pas contenir de rangées</translation>
    </message>
    <message>
        <source>a row does not match the table&apos;s fields</source>
        <translation>une rangée ne correspond pas aux champs de la table</translation>
    </message>
    <message>
        <source>the reader&apos;s answer is damaged</source>
        <translation>la réponse du lecteur est endommagée</translation>
    </message>
    <message>
        <source>You must first open a database to load from.</source>
        <translation>Vous devez d’abord ouvrir une base de données d’où charger les joueurs.</translation>
    </message>
    <message>
        <source>The member cannot be loaded: %1.</source>
        <translation>Le membre ne peut pas être chargé : %1.</translation>
    </message>
    <message>
        <source>the member&apos;s %1 holds a control character (%2)</source>
        <translation>le champ %1 du membre contient un caractère de contrôle (%2)</translation>
    </message>
    <message>
        <source>the member&apos;s %1 holds %2 characters; a chart cell holds at most %3</source>
        <translation>le champ %1 du membre contient %2 caractères ; une case du tableau en contient au plus %3</translation>
    </message>
    <message>
        <source>Duplicate QRB number.</source>
        <translation>Numéro de membre QRB en double.</translation>
    </message>
    <message>
        <source>You must first open a database to match players with.</source>
        <translation>Vous devez d’abord ouvrir une base de données à laquelle associer les joueurs.</translation>
    </message>
    <message>
        <source>Every player named in the chart has a membership number.</source>
        <translation>Chaque joueur nommé dans le tableau a un numéro de membre.</translation>
    </message>
    <message>
        <source>Players matched with the database: %1.</source>
        <translation>Joueurs associés à la base de données : %1.</translation>
    </message>
    <message>
        <source>Players matched with the database: %1 (%2 picked by you).</source>
        <translation>Joueurs associés à la base de données : %1 (%2 choisis par vous).</translation>
    </message>
    <message>
        <source>Left as they were: %1.</source>
        <translation>Laissées telles quelles : %1.</translation>
    </message>
    <message>
        <source>Written in the nearest spelling a chart file can hold: %1.</source>
        <translation>Écrites dans l’orthographe la plus proche qu’un fichier de tableau peut contenir : %1.</translation>
    </message>
    <message>
        <source>Control characters in the name written as spaces: %1.</source>
        <translation>Caractères de contrôle du nom écrits comme des espaces : %1.</translation>
    </message>
    <message>
        <source>Not written, a value of the member cannot go into a chart cell: %1.</source>
        <translation>Non écrites, une valeur du membre ne peut pas aller dans une case du tableau : %1.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>lignes %1</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>Ligne %1, %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>membership number</source>
        <translation>numéro de membre</translation>
    </message>
    <message>
        <source>rating</source>
        <translation>cote</translation>
    </message>
    <message>
        <source>Rd %1</source>
        <translation>Ro %1</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>joueur %1</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Inconsistent opponents found. %1.</source>
        <translation>Adversaires incohérents. %1.</translation>
    </message>
    <message>
        <source>Inconsistent results found. %1.</source>
        <translation>Résultats incohérents. %1.</translation>
    </message>
    <message>
        <source>Membership number %1 on lines %2.</source>
        <translation>Numéro de membre %1 aux lignes %2.</translation>
    </message>
    <message>
        <source>Membership number not six digits: %1</source>
        <translation>Numéro de membre qui n’a pas six chiffres : %1</translation>
    </message>
    <message>
        <source>%1: no membership number</source>
        <translation>%1 : aucun numéro de membre</translation>
    </message>
    <message>
        <source>Result against line %1, which has no name.</source>
        <translation>Résultat contre la ligne %1, qui n’a pas de nom.</translation>
    </message>
    <message>
        <source>Rating outside 0-3000: %1</source>
        <translation>Cote hors de 0 à 3000 : %1</translation>
    </message>
    <message>
        <source>Same name on lines %1: %2</source>
        <translation>Même nom aux lignes %1 : %2</translation>
    </message>
    <message>
        <source>Tournament director QRB number not six digits: %1</source>
        <translation>Numéro QRB du directeur de tournoi qui n’a pas six chiffres : %1</translation>
    </message>
    <message>
        <source>Organiser QRB number not six digits: %1</source>
        <translation>Numéro QRB de l’organisateur qui n’a pas six chiffres : %1</translation>
    </message>
    <message>
        <source>The report files a forfeit against line %1 as a played game against that player; the federation asks for 0 as the opponent of a forfeit</source>
        <translation>Le rapport déclare un forfait contre la ligne %1 comme une partie jouée contre ce joueur; la fédération demande 0 comme adversaire d’un forfait</translation>
    </message>
    <message>
        <source>A bye has no opponent: the number %1 is ignored in the report</source>
        <translation>Une exemption n’a pas d’adversaire : le nombre %1 est ignoré dans le rapport</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Result cleared in line %1</source>
        <translation>Résultat effacé à la ligne %1</translation>
    </message>
    <message>
        <source>Result %1 in line %2</source>
        <translation>Résultat %1 à la ligne %2</translation>
    </message>
    <message>
        <source>Name in line %1</source>
        <translation>Nom à la ligne %1</translation>
    </message>
    <message>
        <source>Membership number in line %1</source>
        <translation>Numéro de membre à la ligne %1</translation>
    </message>
    <message>
        <source>Rating in line %1</source>
        <translation>Cote à la ligne %1</translation>
    </message>
    <message>
        <source>Clear all results</source>
        <translation>Effacer tous les résultats</translation>
    </message>
    <message>
        <source>Clear cells</source>
        <translation>Effacer les cellules</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Import TRF</source>
        <translation>Importer le TRF</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Load player</source>
        <translation>Charger un joueur</translation>
    </message>
    <message>
        <source>Match players</source>
        <translation>Associer les joueurs</translation>
    </message>
    <message>
        <source>New chart</source>
        <translation>Nouveau tableau</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>Number of rounds</source>
        <translation>Nombre de rondes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Sort by rating</source>
        <translation>Trier par cote</translation>
    </message>
    <message>
        <source>Tournament type</source>
        <translation>Type de tournoi</translation>
    </message>
    <message>
        <source>Line %1 column %2 %3.</source>
        <translation>La ligne %1, colonne %2 %3.</translation>
    </message>
    <message>
        <source>holds a control character (%1)</source>
        <translation>contient un caractère de contrôle (%1)</translation>
    </message>
    <message>
        <source>holds %1 characters; a chart cell holds at most %2</source>
        <translation>contient %1 caractères ; une case du tableau en contient au plus %2</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1</source>
        <translation>Rien n’a été collé : %1</translation>
    </message>
    <message>
        <source>The text has more than %1 lines, but a chart holds at most %2 players.</source>
        <translation>Le texte a plus de %1 lignes, mais un tableau compte au plus %2 joueurs.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 cells, but the widest chart has %3 columns.</source>
        <translation>La ligne %1 a plus de %2 cellules, mais le plus large tableau a %3 colonnes.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no player lines.</source>
        <translation>Le fichier est vide : il ne contient aucune ligne de joueur.</translation>
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
        <source>The file is larger than any chart can be (more than %1 MB).</source>
        <translation>Le fichier est plus gros que tout tableau possible (plus de %1 Mo).</translation>
    </message>
    <message>
        <source>The file is saved as UTF-16; save it as plain text.</source>
        <translation>Le fichier est enregistré en UTF-16; enregistrez-le en texte brut.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte (line %1), which no chart file has: it is not a chart file.</source>
        <translation>Le fichier contient un octet NUL (ligne %1), ce qu’aucun fichier de tableau ne contient : ce n’est pas un fichier de tableau.</translation>
    </message>
    <message>
        <source>The file holds binary data (line %1), not text: it is not a chart file.</source>
        <translation>Le fichier contient des données binaires (ligne %1), pas du texte : ce n’est pas un fichier de tableau.</translation>
    </message>
    <message>
        <source>Line %1 column %2 (&quot;%3&quot;) holds &quot;%4&quot; (U+%5), a character that cannot be saved in a chart file.</source>
        <translation>La ligne %1, colonne %2 (« %3 »), contient « %4 » (U+%5), un caractère qui ne peut pas être enregistré dans un fichier de tableau.</translation>
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
        <source>The path is %1 bytes long; the system takes %2 at most.</source>
        <translation>Le chemin fait %1 octets ; le système en accepte au plus %2.</translation>
    </message>
    <message>
        <source>A name in the path is %1 bytes long; a file or folder name is %2 bytes at most.</source>
        <translation>Un nom du chemin fait %1 octets ; un nom de fichier ou de dossier fait au plus %2 octets.</translation>
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
        <source>It is a symbolic link that cannot be followed: %1.</source>
        <translation>C’est un lien symbolique qui ne peut pas être suivi : %1.</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
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
        <source>The file is open in another program, which does not let it be replaced.</source>
        <translation>Le fichier est ouvert dans un autre programme, qui ne permet pas de le remplacer.</translation>
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
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>line %1 holds a NUL byte</source>
        <translation>la ligne %1 contient un octet NUL</translation>
    </message>
    <message>
        <source>line %1 is not a section heading the reader takes whole</source>
        <translation>la ligne %1 n’est pas un titre de section que le lecteur prend en entier</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a setting nor a comment</source>
        <translation>la ligne %1 n’est ni une section, ni un réglage, ni un commentaire</translation>
    </message>
    <message>
        <source>line %1 gives a setting of its section a second time</source>
        <translation>la ligne %1 donne une deuxième fois un réglage de sa section</translation>
    </message>
    <message>
        <source>line %1 is a comment before a section named again, which the reader drops</source>
        <translation>la ligne %1 est un commentaire devant une section nommée de nouveau, que le lecteur perd</translation>
    </message>
    <message>
        <source>line %1 is a comment after the last setting, which the reader drops</source>
        <translation>la ligne %1 est un commentaire après le dernier réglage, que le lecteur perd</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>The recovery folder %1 is a symbolic link; no copy is written through it.</source>
        <translation>Le dossier de récupération %1 est un lien symbolique ; aucune copie n’est écrite à travers lui.</translation>
    </message>
    <message>
        <source>No folder for recovery copies.</source>
        <translation>Aucun dossier pour les copies de récupération.</translation>
    </message>
    <message>
        <source>Cannot restore %1: %2</source>
        <translation>Impossible de restaurer %1 : %2</translation>
    </message>
    <message>
        <source>the copy is damaged or cut short.</source>
        <translation>la copie est abîmée ou tronquée.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>%1, ending %2</source>
        <translation>%1, se terminant le %2</translation>
    </message>
    <message>
        <source>ending %1</source>
        <translation>se terminant le %1</translation>
    </message>
    <message>
        <source>%1, %2 players, %3 rounds</source>
        <translation>%1, %2 joueurs, %3 rondes</translation>
    </message>
    <message>
        <source>%1, %2 players, %3 round</source>
        <translation>%1, %2 joueurs, %3 ronde</translation>
    </message>
    <message>
        <source>%1, %2 players</source>
        <translation>%1, %2 joueurs</translation>
    </message>
    <message>
        <source>Tie-breaks: %1</source>
        <translation>Départage : %1</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Cross-table</source>
        <translation>Tableau croisé</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>cannot make the PDF: %1</source>
        <translation>impossible de produire le PDF : %1</translation>
    </message>
    <message>
        <source>Cannot import %1:</source>
        <translation>Impossible d’importer %1 :</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronde %1 : %2</translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation>Joueurs : %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <translation>Rondes : %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Type : %1</translation>
    </message>
    <message>
        <source>Tournament: %1</source>
        <translation>Tournoi : %1</translation>
    </message>
    <message>
        <source>Text read as %1</source>
        <translation>Texte lu en %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is written &quot;%3&quot;; a chart file cannot hold %4.</source>
        <translation>Ligne %1 : « %2 » est écrit « %3 »; un fichier de tableau ne peut pas contenir %4.</translation>
    </message>
    <message>
        <source>Line %1 (%2): the file gives a score of %3, the imported results %4.</source>
        <translation>Ligne %1 (%2) : le fichier donne un pointage de %3, les résultats importés %4.</translation>
    </message>
    <message>
        <source>Line %1: the bye of round %2 has no cell in a round robin chart and is left out.</source>
        <translation>Ligne %1 : l’exemption de la ronde %2 n’a pas de case dans un tableau de tournoi à la ronde et est laissée de côté.</translation>
    </message>
    <message>
        <source>Line %1: control characters in the name are written as spaces.</source>
        <translation>Ligne %1 : les caractères de contrôle du nom sont écrits comme des espaces.</translation>
    </message>
    <message>
        <source>Colours are not kept: the chart has no place for them.</source>
        <translation>Les couleurs ne sont pas conservées : le tableau n’a pas de place pour elles.</translation>
    </message>
    <message>
        <source>%1 The file is imported as a Swiss chart.</source>
        <translation>%1 Le fichier est importé comme un tableau suisse.</translation>
    </message>
    <message>
        <source>%1 Import it as a Swiss chart.</source>
        <translation>%1 Importez-le comme un tableau suisse.</translation>
    </message>
    <message>
        <source>The file is larger than any tournament report can be (more than %1 MB).</source>
        <translation>Le fichier est plus gros que tout rapport de tournoi (plus de %1 Mo).</translation>
    </message>
    <message>
        <source>The file has more than %1 lines; no tournament report of %2 players is that long.</source>
        <translation>Le fichier a plus de %1 lignes ; aucun rapport de tournoi de %2 joueurs n’est aussi long.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; no line of a tournament report is.</source>
        <translation>la ligne fait plus de %1 octets ; aucune ligne d’un rapport de tournoi n’est aussi longue.</translation>
    </message>
    <message>
        <source>The file has more than %1 players; a chart holds at most %2.</source>
        <translation>Le fichier a plus de %1 joueurs; un tableau en contient au plus %2.</translation>
    </message>
    <message>
        <source>This is not a FIDE tournament report file: it has no player line (a line beginning with 001).</source>
        <translation>Ce n’est pas un fichier de rapport de tournoi FIDE : il n’a aucune ligne de joueur (une ligne commençant par 001).</translation>
    </message>
    <message>
        <source>the start number (columns 5-8) is not a number from 1 up.</source>
        <translation>le numéro de départ (colonnes 5-8) n’est pas un nombre à partir de 1.</translation>
    </message>
    <message>
        <source>the rating (columns 49-52) holds a control character (%1).</source>
        <translation>la cote (colonnes 49-52) contient un caractère de contrôle (%1).</translation>
    </message>
    <message>
        <source>the line holds more than %1 rounds.</source>
        <translation>la ligne contient plus de %1 rondes.</translation>
    </message>
    <message>
        <source>round %1 (columns %2-%3)</source>
        <translation>ronde %1 (colonnes %2-%3)</translation>
    </message>
    <message>
        <source>%1: the opponent &apos;%2&apos; is not a start number.</source>
        <translation>%1 : l’adversaire « %2 » n’est pas un numéro de départ.</translation>
    </message>
    <message>
        <source>%1: the colour &apos;%2&apos; is not w, b or -.</source>
        <translation>%1 : la couleur « %2 » n’est pas w, b ou -.</translation>
    </message>
    <message>
        <source>%1: the result &apos;%2&apos; is not a result code of the format.</source>
        <translation>%1 : le résultat « %2 » n’est pas un code de résultat du format.</translation>
    </message>
    <message>
        <source>Start number %1 is given to two players (the other on line %2).</source>
        <translation>Le numéro de départ %1 est donné à deux joueurs (l’autre à la ligne %2).</translation>
    </message>
    <message>
        <source>the opponent&apos;s start number %1 does not exist.</source>
        <translation>le numéro de départ de l’adversaire, %1, n’existe pas.</translation>
    </message>
    <message>
        <source>start number %1 is paired with itself.</source>
        <translation>le numéro de départ %1 est apparié avec lui-même.</translation>
    </message>
    <message>
        <source>start number %1 plays %2, but the line of %3 (line %4) does not pair them.</source>
        <translation>le numéro de départ %1 joue contre %2, mais la ligne de %3 (ligne %4) ne les apparie pas.</translation>
    </message>
    <message>
        <source>the results of start numbers %1 (%2) and %3 (%4, line %5) disagree.</source>
        <translation>les résultats des numéros de départ %1 (%2) et %3 (%4, ligne %5) ne concordent pas.</translation>
    </message>
    <message>
        <source>no result</source>
        <translation>aucun résultat</translation>
    </message>
    <message>
        <source>The file has %1 rounds, but a Swiss chart holds at most %2.</source>
        <translation>Le fichier a %1 rondes, mais un tableau suisse en contient au plus %2.</translation>
    </message>
    <message>
        <source>start numbers %1 and %2 meet more than once; a round robin chart has no cell for that game.</source>
        <translation>les numéros de départ %1 et %2 se rencontrent plus d’une fois; un tableau de tournoi à la ronde n’a pas de case pour cette partie.</translation>
    </message>
    <message>
        <source>start numbers %1 and %2 meet more than twice; a double round robin chart has no cell for that game.</source>
        <translation>les numéros de départ %1 et %2 se rencontrent plus de deux fois; un tableau de double tournoi à la ronde n’a pas de case pour cette partie.</translation>
    </message>
    <message>
        <source>start numbers %1 and %2 both lost without playing (a double forfeit); a round robin chart has no cells for that game that its check accepts.</source>
        <translation>les numéros de départ %1 et %2 ont tous deux perdu sans jouer (double forfait) ; un tableau de tournoi à la ronde n’a pas de cases pour cette partie que sa vérification accepte.</translation>
    </message>
    <message>
        <source>the game of start numbers %1 and %2 has no result; a round robin chart&apos;s check refuses a game without one.</source>
        <translation>la partie des numéros de départ %1 et %2 n’a pas de résultat ; la vérification d’un tableau de tournoi à la ronde refuse une partie sans résultat.</translation>
    </message>
    <message>
        <source>Start numbers %1 and %2 meet %3 times instead of %4; the chart&apos;s check refuses the empty cells of the games not played.</source>
        <translation>Les numéros de départ %1 et %2 se rencontrent %3 fois au lieu de %4 ; la vérification du tableau refuse les cases vides des parties non jouées.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>Inconsistent chart</source>
        <translation>Tableau incohérent</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>not saved yet</source>
        <translation>pas encore enregistré</translation>
    </message>
    <message>
        <source>Restore chart</source>
        <translation>Restaurer le tableau</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This chart is open in another Ranvik window; saving here can replace its changes.</source>
        <translation>Ce tableau est ouvert dans une autre fenêtre de Ranvik; l’enregistrer ici peut remplacer ses modifications.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Ranvik did not close normally. These charts were changed and not saved. Restore one into this window, discard the ones you choose, or keep them all for the next start.</source>
        <translation>Ranvik ne s’est pas fermé normalement. Ces tableaux ont été modifiés sans être enregistrés. Restaurez-en un dans cette fenêtre, supprimez ceux que vous choisissez, ou gardez-les tous pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>%1: %2, %3 players</source>
        <translation>%1 : %2, %3 joueurs</translation>
    </message>
</context>
<context>
    <name>WindowPrompts</name>
    <message>
        <source>TMS files (*.tms)|*.TMS|All files (*.*)|*.*</source>
        <translation>Fichiers TMS (*.tms)|*.TMS|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>FIDE tournament reports (*.trf *.txt)|*.trf;*.txt|All files (*.*)|*.*</source>
        <translation>Rapports de tournoi FIDE (*.trf *.txt)|*.trf;*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>QRB tournament reports (*.qtr)|*.qtr|All files (*.*)|*.*</source>
        <translation>Rapports de tournoi QRB (*.qtr)|*.qtr|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Membership files (*.mdb *.mde *.accdb *.sqlite *.db)|*.MDB;*.MDE;*.ACCDB;*.SQLITE;*.DB|All files (*.*)|*.*</source>
        <translation>Fichiers des membres (*.mdb *.mde *.accdb *.sqlite *.db)|*.MDB;*.MDE;*.ACCDB;*.SQLITE;*.DB|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Swiss</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Round robin</source>
        <translation>À la ronde</translation>
    </message>
    <message>
        <source>Dbl R.R.</source>
        <translation>Double R.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>What rating system did this event use?</source>
        <translation>Quel système de cote ce tournoi a-t-il utilisé?</translation>
    </message>
    <message>
        <source>&amp;Regular</source>
        <translation>&amp;Régulier</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Actif</translation>
    </message>
    <message>
        <source>Selected chart row is not empty.<byte value="xd"/>You can append this entry to the bottom of the chart or insert it.</source>
        <translation>La ligne choisie du tableau n’est pas vide.<byte value="xd"/>Vous pouvez ajouter cette entrée au bas du tableau ou l’insérer.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters a chart file cannot hold: %2.<byte value="xd"/>The nearest spelling it can hold is &quot;%3&quot;.</source>
        <translation>« %1 » contient des caractères qu’un fichier de tableau ne peut pas contenir : %2.<byte value="xd"/>L’orthographe la plus proche qu’il peut contenir est « %3 ».</translation>
    </message>
    <message>
        <source>&amp;Use %1</source>
        <translation>&amp;Utiliser %1</translation>
    </message>
    <message>
        <source>&amp;Keep as it is</source>
        <translation>&amp;Garder tel quel</translation>
    </message>
    <message>
        <source>Its first line has one result column per player: probably a round robin.</source>
        <translation>Sa première ligne a une colonne de résultats par joueur : probablement un tournoi toutes rondes.</translation>
    </message>
    <message>
        <source>Its first line has two result columns per player: probably a double round robin.</source>
        <translation>Sa première ligne a deux colonnes de résultats par joueur : probablement un tournoi double toutes rondes.</translation>
    </message>
    <message>
        <source>Its first line has neither one nor two result columns per player: probably a Swiss or match chart.</source>
        <translation>Sa première ligne n’a ni une ni deux colonnes de résultats par joueur : probablement un tableau suisse ou de match.</translation>
    </message>
    <message>
        <source>Which kind of tournament is this chart?<byte value="xd"/>A Swiss or match chart has a column per round; a round robin a column per player.</source>
        <translation>De quel genre de tournoi est ce tableau?<byte value="xd"/>Un tableau suisse ou de match a une colonne par ronde; un tournoi toutes rondes, une colonne par joueur.</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>Open membership database</source>
        <translation>Ouvrir une base de données des membres</translation>
    </message>
    <message>
        <source>Import FIDE tournament report</source>
        <translation>Importer un rapport de tournoi FIDE</translation>
    </message>
    <message>
        <source>Open chart</source>
        <translation>Ouvrir un tableau</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications?</translation>
    </message>
    <message>
        <source>Chart type</source>
        <translation>Type de tableau</translation>
    </message>
    <message>
        <source>Rating system</source>
        <translation>Système de cote</translation>
    </message>
    <message>
        <source>Load player</source>
        <translation>Charger un joueur</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Orthographe</translation>
    </message>
    <message>
        <source>Change the chart?</source>
        <translation>Modifier le tableau?</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Remplacer le fichier?</translation>
    </message>
</context>
<context>
    <name>ranvik::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About Ranvik</source>
        <translation>À propos de Ranvik</translation>
    </message>
    <message>
        <source>Ranvik - rating reports for chess tournament directors.

Send the two files it writes, the .qtr report and the .tms chart, to the QRB rating office.

Questions about ratings or membership numbers: your federation&apos;s rating office.</source>
        <translation>Ranvik - rapports de cote pour les directeurs de tournoi d’échecs.

Envoyez les deux fichiers qu’il produit, le rapport .qtr et le tableau .tms, au bureau des cotes de la QRB.

Questions sur les cotes ou les numéros de membre : le bureau des cotes de votre fédération.</translation>
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
    <name>ranvik::ChartEditActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Insert row above</source>
        <translation>&amp;Insérer une ligne au-dessus</translation>
    </message>
    <message>
        <source>&amp;Delete row</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>Clear &amp;all results</source>
        <translation>&amp;Effacer tous les résultats</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds %1 characters; a paste takes at most %2.</source>
        <translation>Rien n’a été collé : le presse-papiers contient %1 caractères ; un collage en prend au plus %2.</translation>
    </message>
</context>
<context>
    <name>ranvik::ChartModel</name>
    <message>
        <source>Rd %1</source>
        <translation>Ro %1</translation>
    </message>
</context>
<context>
    <name>ranvik::ChartSettingsStrip</name>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Joueurs :</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation>&amp;Rondes :</translation>
    </message>
    <message>
        <source>Create report for &amp;QRB...</source>
        <translation>Créer le rapport pour la &amp;QRB...</translation>
    </message>
    <message>
        <source>Tournament type</source>
        <translation>Type de tournoi</translation>
    </message>
    <message>
        <source>S&amp;wiss/Match</source>
        <translation>&amp;Suisse/Match</translation>
    </message>
    <message>
        <source>Round ro&amp;bin</source>
        <translation>&amp;Tournoi à la ronde</translation>
    </message>
    <message>
        <source>Do&amp;uble round robin</source>
        <translation>&amp;Double tournoi à la ronde</translation>
    </message>
    <message>
        <source>&amp;View database</source>
        <translation>&amp;Afficher la base de données</translation>
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
        <source>Round robin results are entered as 1, 0 or = on their own, with no opponent, because a round robin chart has one column per player rather than one per round.</source>
        <translation>Les résultats d’un tournoi à la ronde s’entrent comme 1, 0 ou = seuls, sans adversaire, car le tableau d’un tournoi à la ronde a une colonne par joueur plutôt qu’une par ronde.</translation>
    </message>
    <message>
        <source>The players do not have to be in rating order, but keying in the results is easier when they are. You can sort the chart by rating; results already entered keep their opponents, whose numbers are updated by the sort.</source>
        <translation>Les joueurs n’ont pas à être dans l’ordre des cotes, mais la saisie des résultats est plus facile quand ils le sont. Vous pouvez trier le tableau par cote; les résultats déjà entrés gardent leurs adversaires, dont les numéros sont mis à jour par le tri.</translation>
    </message>
    <message>
        <source>An event paired in a pairing program can be read from its FIDE tournament report file with File &gt; Import &gt; FIDE tournament report (TRF). The chart is replaced by the file&apos;s players in start-number order, with their names and ratings; a round robin or double round robin is recognised when every player meets every other once or twice. In a Swiss chart the codes become: 1, 0 and = a win, loss or draw (W, L, D); + and - a forfeit won or lost (X, F); W, D and L scored without play X, Z and F; H a half-point bye (H); F a full-point bye (B); U and Z a bye worth nothing (U); an unpaired round stays empty. A round robin chart shows games not played over the board as + and -, and leaves byes out. Colours are not kept. A file that cannot make a chart is refused with the line at fault, and the chart is left as it was; points in the file that differ from the imported results are listed as warnings.</source>
        <translation>Un tournoi apparié dans un logiciel d’appariement peut être lu à partir de son fichier de rapport de tournoi FIDE avec Fichier &gt; Importer &gt; Rapport de tournoi FIDE (TRF). Le tableau est remplacé par les joueurs du fichier dans l’ordre de leurs numéros de départ, avec leurs noms et leurs cotes; un tournoi à la ronde ou un double tournoi à la ronde est reconnu quand chaque joueur rencontre chacun des autres une ou deux fois. Dans un tableau suisse, les codes deviennent : 1, 0 et = une victoire, une défaite ou une nulle (W, L, D); + et - un forfait gagné ou perdu (X, F); W, D et L marqués sans jouer X, Z et F; H un bye d’un demi-point (H); F un bye d’un point (B); U et Z un bye qui ne vaut rien (U); une ronde sans appariement reste vide. Un tableau de tournoi à la ronde montre les parties non jouées sur l’échiquier par + et -, et omet les byes. Les couleurs ne sont pas conservées. Un fichier qui ne peut pas donner de tableau est refusé avec la ligne fautive, et le tableau reste tel quel; les points du fichier qui diffèrent des résultats importés sont signalés comme avertissements.</translation>
    </message>
    <message>
        <source>Database &gt; Match players with database fills the membership number and rating of every player without a valid number whose name is a member&apos;s name, ignoring case, accents, punctuation and the order of surname and given names. When several members have the name, or none, you pick the member from a list or skip the line. A number already typed in is never replaced.</source>
        <translation>Base de données &gt; Associer les joueurs à la base de données remplit le numéro de membre et la cote de chaque joueur sans numéro valide dont le nom est celui d’un membre, sans tenir compte des majuscules, des accents, de la ponctuation ni de l’ordre du nom de famille et des prénoms. Quand plusieurs membres ont ce nom, ou aucun, vous choisissez le membre dans une liste ou vous passez la ligne. Un numéro déjà saisi n’est jamais remplacé.</translation>
    </message>
    <message>
        <source>Ranvik Help</source>
        <translation>Aide de Ranvik</translation>
    </message>
    <message>
        <source>The keyboard alone is enough: the arrows, Tab, Home, End, Page Up and Page Down move between cells, typing or F2 edits the current cell, Delete clears the selected cells and Ctrl+Z undoes any change. With Tools &gt; Enter moves to the next cell, Enter goes on down the column. F6 and Shift+F6 go from pane to pane (the counts and the type, the chart, the problems, the membership list), and Alt with an underlined letter reaches its control.</source>
        <translation>Le clavier seul suffit : les flèches, Tab, Début, Fin, Page préc. et Page suiv. passent d&apos;une cellule à l&apos;autre, la frappe ou F2 modifie la cellule courante, Suppr vide les cellules choisies et Ctrl+Z annule toute modification. Avec Outils &gt; Entrée passe à la cellule suivante, Entrée descend dans la colonne. F6 et Maj+F6 passent d&apos;un volet à l&apos;autre (les nombres et le type, le tableau, les problèmes, la liste des membres), et Alt avec une lettre soulignée atteint sa commande.</translation>
    </message>
    <message>
        <source>In a Swiss event every result begins with its result character: W, L or D in English, G, E or P in French, or the symbols +, = and -. Byes and forfeits have their own characters (B, H or U for a bye and X, Z or F for a forfeit, according to what they are worth), or may simply be entered as W, L or D. After the result character comes the opponent&apos;s number, which is the number of the row in which the opponent stands in the chart on the screen. For byes and forfeits, enter 0 as the opponent. A bye never has an opponent: a number after B, H or U is ignored in the report. A forfeit that names an opponent fills in the opponent&apos;s cell (X gives F, F gives X, Z gives Z), but the report files it as a game played against that player; the chart&apos;s check warns about every bye with a number and every forfeit with an opponent, and the report lists them before anything is written.</source>
        <translation>Dans un suisse, chaque résultat commence par son caractère de résultat : W, L ou D en anglais, G, E ou P en français, ou les symboles +, = et -. Les exemptions et les forfaits ont leurs propres caractères (B, H ou U pour une exemption et X, Z ou F pour un forfait, selon ce qu’ils valent), ou peuvent simplement être entrés comme W, L ou D. Après le caractère de résultat vient le numéro de l’adversaire, c’est-à-dire le numéro de la ligne où se trouve l’adversaire dans le tableau à l’écran. Pour les exemptions et les forfaits, entrez 0 comme adversaire. Une exemption n’a jamais d’adversaire : un nombre après B, H ou U est ignoré dans le rapport. Un forfait qui nomme un adversaire remplit la case de l’adversaire (X donne F, F donne X, Z donne Z), mais le rapport le déclare comme une partie jouée contre ce joueur; la vérification du tableau signale chaque exemption suivie d’un nombre et chaque forfait avec un adversaire, et le rapport les énumère avant d’écrire quoi que ce soit.</translation>
    </message>
    <message>
        <source>As you enter a player&apos;s results, Ranvik fills in the opponents&apos; results for you: pressing Enter in a result cell, or leaving a cell you changed, writes the opponent&apos;s cell of the same game (W5 in line 3 gives L3 in line 5). Enter on a result writes the opponent&apos;s cell again; moving through cells writes nothing. When you change or clear a result, the old opponent&apos;s cell is emptied if it still holds what Ranvik wrote there, and a cell you typed differently is left alone. A result Ranvik cannot mirror (an unknown letter, #, $ or %) or that names its own line fills in nothing. To turn this off, for instance while you enter results that do not agree, clear the automatic update item in the Tools menu.</source>
        <translation>Pendant que vous entrez les résultats d’un joueur, Ranvik remplit pour vous ceux de ses adversaires : appuyer sur Entrée dans une case de résultat, ou quitter une case que vous avez modifiée, écrit la case de l’adversaire pour la même partie (W5 à la ligne 3 donne L3 à la ligne 5). Entrée sur un résultat écrit de nouveau la case de l’adversaire; se déplacer d’une case à l’autre n’écrit rien. Quand vous modifiez ou effacez un résultat, la case de l’ancien adversaire est vidée si elle contient encore ce que Ranvik y avait écrit, et une case que vous avez tapée autrement n’est pas touchée. Un résultat que Ranvik ne peut pas refléter (une lettre inconnue, #, $ ou %) ou qui nomme sa propre ligne ne remplit rien. Pour désactiver cette fonction, par exemple pendant que vous entrez des résultats qui ne concordent pas, décochez l’élément de mise à jour automatique du menu Outils.</translation>
    </message>
    <message>
        <source>Save the finished chart with the Save command of the File menu. File &gt; Open asks for the file first, then which kind of tournament it is, since a chart file does not record it; the answer its columns suggest is proposed. Every question that could lose your work has a Cancel, and Escape or the window&apos;s close button cancels it.</source>
        <translation>Enregistrez le tableau terminé avec la commande Enregistrer du menu Fichier. Fichier &gt; Ouvrir demande d’abord le fichier, puis le genre de tournoi, qu’un fichier de tableau n’enregistre pas ; la réponse que suggèrent ses colonnes est proposée. Chaque question qui pourrait vous faire perdre votre travail offre Annuler, et Échap ou le bouton de fermeture de la fenêtre l’annule.</translation>
    </message>
    <message>
        <source>When the chart is the way you want it, press &quot;Create report for QRB...&quot;. The ending date must be a real date, no later than tomorrow. Before anything is written you confirm a list of what deserves a second look: membership numbers that are not six digits (the director&apos;s and organiser&apos;s too), ratings outside 0 to 3000, a name on two lines. The two files of the rating report are then written, for you to send or upload to the federation; the chart counts as saved only when its chart file is the chart&apos;s own file.</source>
        <translation>Quand le tableau est comme vous le voulez, appuyez sur « Create report for QRB... ». La date de fin doit être une vraie date, au plus tard demain. Avant que rien ne soit écrit, vous confirmez une liste de ce qui mérite un second regard : les numéros de membre qui n’ont pas six chiffres (ceux du directeur et de l’organisateur aussi), les cotes hors de 0 à 3000, un nom sur deux lignes. Ranvik écrit ensuite les deux fichiers du rapport de cotes, que vous envoyez ou téléversez à la fédération ; le tableau ne compte comme enregistré que si son fichier de tableau est le fichier du tableau lui-même.</translation>
    </message>
    <message>
        <source>The line number, name, membership number and rating stay in view while the results scroll sideways, and each player&apos;s points stay at the chart&apos;s right. Tools &gt; Show problems lists every fault of the chart as you type, a character a chart file cannot save among them; the cells at fault are hatched, and a double-click on a problem takes you to its cell.</source>
        <translation>Le numéro de ligne, le nom, le numéro de membre et la cote restent visibles pendant que les résultats défilent de côté, et les points de chaque joueur restent à droite du tableau. Outils &gt; Afficher les problèmes énumère chaque erreur du tableau pendant la saisie, dont un caractère qu’un fichier de tableau ne peut pas enregistrer ; les cellules en cause sont hachurées, et un double-clic sur un problème mène à sa cellule.</translation>
    </message>
</context>
<context>
    <name>ranvik::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Sort players in chart by rating</source>
        <translation>&amp;Trier les joueurs du tableau par cote</translation>
    </message>
    <message>
        <source>&amp;Update opponents automatically</source>
        <translation>&amp;Mettre à jour les adversaires automatiquement</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>&amp;Open database...</source>
        <translation>&amp;Ouvrir une base de données...</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>&amp;View database</source>
        <translation>&amp;Afficher la base de données</translation>
    </message>
    <message>
        <source>&amp;Load player from database</source>
        <translation>&amp;Charger un joueur de la base de données</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Ratings reports saved to file: </source>
        <translation>Rapports de cote enregistrés dans les fichiers : </translation>
    </message>
    <message>
        <source>These are the two files you submit to the QRB office to rate this section.</source>
        <translation>Ce sont les deux fichiers à soumettre au bureau de la QRB pour faire coter cette section.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Find member by name</source>
        <translation>Trouver un &amp;membre par son nom</translation>
    </message>
    <message>
        <source>Show &amp;problems</source>
        <translation>Afficher les &amp;problèmes</translation>
    </message>
    <message>
        <source>The recovery copy of this chart could not be written: %1</source>
        <translation>La copie de récupération de ce tableau n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>The settings file %1 is left as it is, since %2; changed settings are not remembered.</source>
        <translation>Le fichier de réglages %1 est laissé tel quel, car %2 ; les réglages modifiés ne sont pas retenus.</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Create &amp;report for QRB...</source>
        <translation>Créer le &amp;rapport pour la QRB...</translation>
    </message>
    <message>
        <source>&amp;FIDE tournament report (TRF)…</source>
        <translation>Rapport de tournoi &amp;FIDE (TRF)…</translation>
    </message>
    <message>
        <source>&amp;Match players with database…</source>
        <translation>A&amp;ssocier les joueurs à la base de données…</translation>
    </message>
    <message>
        <source>&amp;Enter moves to the next cell</source>
        <translation>Entrée passe à la cellule &amp;suivante</translation>
    </message>
    <message>
        <source>S&amp;tandings…</source>
        <translation>&amp;Classement…</translation>
    </message>
</context>
<context>
    <name>ranvik::MemberCandidatesModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Cote</translation>
    </message>
</context>
<context>
    <name>ranvik::MemberNumberCheckDialog</name>
    <message>
        <source>The following players have been flagged for your attention and 
double-checking. They may be new QRB members or members 
whose QRB numbers have been typed incorrectly.

If any of this information is incorrect, click Cancel and correct it 
before creating the rating report.
</source>
        <translation>Les joueurs suivants sont signalés à votre attention pour 
vérification. Ce sont peut-être de nouveaux membres de la QRB 
ou des membres dont le numéro QRB a été mal saisi.

Si l’un de ces renseignements est inexact, cliquez sur Annuler 
et corrigez-le avant de créer le rapport de cote.
</translation>
    </message>
    <message>
        <source>QRB numbers and expirations</source>
        <translation>Numéros QRB et expirations</translation>
    </message>
</context>
<context>
    <name>ranvik::MemberPickDialog</name>
    <message>
        <source>Match players with database</source>
        <translation>Associer les joueurs à la base de données</translation>
    </message>
    <message>
        <source>&amp;Use this member</source>
        <translation>&amp;Utiliser ce membre</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>Skip &amp;all</source>
        <translation>Passer &amp;tout</translation>
    </message>
    <message>
        <source>Line %1, &quot;%2&quot;, has the name of several members. Pick the member this player is, or skip the line.</source>
        <translation>La ligne %1, « %2 », porte le nom de plusieurs membres. Choisissez le membre qu’est ce joueur, ou passez la ligne.</translation>
    </message>
    <message>
        <source>No member has the name of line %1, &quot;%2&quot;. These members have a similar name: pick the one this player is, or skip the line.</source>
        <translation>Aucun membre ne porte le nom de la ligne %1, « %2 ». Ces membres ont un nom semblable : choisissez celui qu’est ce joueur, ou passez la ligne.</translation>
    </message>
</context>
<context>
    <name>ranvik::MembersModel</name>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Active rating</source>
        <translation>Cote active</translation>
    </message>
    <message>
        <source>Expiry</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>FIDE ID</source>
        <translation>Identifiant FIDE</translation>
    </message>
</context>
<context>
    <name>ranvik::MembersPane</name>
    <message>
        <source>No membership database is open. Database &gt; Open database… or drop an .mdb/.mde/.sqlite file here.</source>
        <translation>Aucune base de données des membres n’est ouverte. Base de données &gt; Ouvrir une base de données… ou déposez ici un fichier .mdb/.mde/.sqlite.</translation>
    </message>
    <message>
        <source>&amp;Open database…</source>
        <translation>Ou&amp;vrir une base de données…</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Nu&amp;mber</source>
        <translation>N&amp;uméro</translation>
    </message>
    <message>
        <source>&amp;Load player from database (dbl-click)</source>
        <translation>&amp;Charger un joueur de la base (double-clic)</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Premier membre</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Membre précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Membre suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier membre</translation>
    </message>
    <message>
        <source>&amp;I.D.</source>
        <translation>N&amp;uméro</translation>
    </message>
    <message>
        <source>&amp;Province</source>
        <translation>&amp;Province</translation>
    </message>
    <message>
        <source>Cannot open the membership database %1.</source>
        <translation>Impossible d’ouvrir la base de données des membres %1.</translation>
    </message>
    <message>
        <source>Cannot open the membership database %1; using %2 instead.</source>
        <translation>Impossible d’ouvrir la base de données des membres %1; %2 est utilisée à la place.</translation>
    </message>
    <message>
        <source>Error setting up the database: </source>
        <translation>Erreur à l’ouverture de la base de données : </translation>
    </message>
    <message>
        <source>No member starts with “%1”</source>
        <translation>Aucun membre ne commence par « %1 »</translation>
    </message>
</context>
<context>
    <name>ranvik::ProblemsListModel</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>ranvik::ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Players: %1   Games: %2 of %3   Faults: %4   Warnings: %5</source>
        <translation>Joueurs : %1   Parties : %2 sur %3   Erreurs : %4   Avertissements : %5</translation>
    </message>
    <message>
        <source>Show or hide the lists</source>
        <translation>Afficher ou masquer les listes</translation>
    </message>
    <message>
        <source>No faults, no warnings.</source>
        <translation>Aucune erreur, aucun avertissement.</translation>
    </message>
    <message>
        <source>Faults: %1   Warnings: %2</source>
        <translation>Erreurs : %1   Avertissements : %2</translation>
    </message>
</context>
<context>
    <name>ranvik::QuestionDialog</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>ranvik::RecentChartsMenu</name>
    <message>
        <source>Open &amp;recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
</context>
<context>
    <name>ranvik::ScoresModel</name>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
</context>
<context>
    <name>ranvik::StandingsDialog</name>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>&amp;Standings</source>
        <translation>&amp;Classement</translation>
    </message>
    <message>
        <source>&amp;Cross-table</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>Tie-break order</source>
        <translation>Ordre des départages</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>Exporter en &amp;HTML…</translation>
    </message>
    <message>
        <source>Export CS&amp;V…</source>
        <translation>Exporter en CS&amp;V…</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Web pages (*.html)|*.html</source>
        <translation>Pages Web (*.html)|*.html</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv</source>
        <translation>Fichiers CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>|All files (*.*)|*.*</source>
        <translation>|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>standings</source>
        <translation>classement</translation>
    </message>
    <message>
        <source>-standings</source>
        <translation>-classement</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>Export standings</source>
        <translation>Exporter le classement</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Remplacer le fichier?</translation>
    </message>
</context>
<context>
    <name>ranvik::StandingsModel</name>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>ranvik::TieBreakOrderEditor</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
</context>
<context>
    <name>ranvik::TournamentInfoDialog</name>
    <message>
        <source>Tournament information</source>
        <translation>Renseignements sur le tournoi</translation>
    </message>
    <message>
        <source>Swiss</source>
        <translation>Suisse</translation>
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
        <source>Reference number (if known)</source>
        <translation>Numéro de référence (si connu)</translation>
    </message>
    <message>
        <source>Tournament type</source>
        <translation>Type de tournoi</translation>
    </message>
    <message>
        <source>Ending date of tournament</source>
        <translation>Date de fin du tournoi</translation>
    </message>
    <message>
        <source>Use YYYY/MM/DD format, like &quot;2008/06/18&quot;</source>
        <translation>Format AAAA/MM/JJ, par exemple « 2008/06/18 »</translation>
    </message>
    <message>
        <source>Tournament director QRB number</source>
        <translation>Numéro de membre QRB du directeur de tournoi</translation>
    </message>
    <message>
        <source>Organiser QRB number</source>
        <translation>Numéro de membre QRB de l’organisateur</translation>
    </message>
</context>
<context>
    <name>ranvik::WindowTitle</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Ranvik - Ratings report utility for the Korvath</source>
        <translation>Ranvik - Utilitaire de rapport de cotes pour le Korvath</translation>
    </message>
</context>
</TS>
