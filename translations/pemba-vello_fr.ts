<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>Le morceau n’a pas été sauvegardé en entier : sa station s’est arrêtée avant la fin du morceau.</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>« %1 » sauvegardé.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>Le fichier est trop volumineux pour être une liste de stations favorites.</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>Chargement des stations…</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>Impossible de charger les stations : %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>Aucune station n’est disponible pour le moment.</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>Le fichier n’est pas une liste de stations favorites.</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>Le fichier est endommagé : ce n’est pas du JSON valide.</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>Fondu en cours…</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>Arrêt dans %1 min</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>Arrêt après ce titre</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>une valeur inconnue</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>le catalogue est vide</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>le catalogue n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>une chaîne n’est jamais fermée ; le catalogue est peut-être tronqué</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>le catalogue se termine avant la fermeture de ses tableaux et objets ; il est peut-être tronqué</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>le JSON est mal formé (virgule, crochet, accolade ou deux-points mal placé)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>une chaîne contient une séquence d’échappement non valide</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>une chaîne contient un caractère de contrôle non échappé, comme une tabulation ou un saut de ligne</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>un nombre est mal formé</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>un true, false ou null est mal orthographié</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>le catalogue est trop volumineux pour être décodé</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>les tableaux et objets sont trop imbriqués</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>le JSON est mal formé (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>la mémoire est insuffisante pour lire le catalogue</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>station %1 : « %2 » %3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>station %1 : %2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>station %1 : %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>station %1, dans « %2 » : %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>le catalogue est une page web ou du XML, pas du JSON</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>le catalogue doit être un tableau JSON de stations ; trouvé : %1</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>le catalogue contient du texte après la fin de son tableau</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>doit être un objet ; trouvé : %1</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>doit être une chaîne ou null ; trouvé : %1</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>doit être un entier ou null ; trouvé : %1</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>doit être un nombre entier ; trouvé : %1</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>doit tenir dans un entier signé de 64 bits ; trouvé : %1</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>contient un nombre mal formé : %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>les tableaux et objets sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>le catalogue n’a pas pu être lu</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>Station sans nom</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>Station en direct</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>Le serveur du catalogue de stations a répondu %1 (%2).</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>Le serveur du catalogue de stations a répondu %1.</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>Aucun serveur du catalogue de stations n’a pu être joint.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln seconde</numerusform>
            <numerusform>%Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation>La réponse dépasse %1</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>Le transfert a été interrompu car l’application se ferme</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>Le serveur n’a pas accepté de connexion en %1</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>Le téléchargement a duré plus de %1</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>Le serveur a envoyé trop peu de données : moins de %1 par seconde pendant %2</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>Le serveur n’a envoyé aucune donnée pendant %1</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>« %1 » n’est pas une adresse web valide</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>Mise en mémoire tampon %1 %</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 Nouvel essai dans %2 s…</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>La liste de lecture de la station ne contient aucun flux lisible ici.</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>La station n’a pas d’autre adresse à essayer.</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>Le serveur de la station est injoignable.</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>Le serveur de la station est occupé.</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>La station a cessé d’envoyer du son.</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>La station a refusé de diffuser ce flux.</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>La station a envoyé autre chose que du son.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>Ce flux est dans un format qui ne peut pas être lu ici.</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>La station a envoyé un son qui n’a pas pu être décodé.</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>La station a refusé la requête (%1).</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>La station indique que ce flux n’existe pas (%1).</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>La station a refusé de diffuser ce flux (%1).</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>Le serveur de la station est occupé (%1).</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>Le serveur de la station est en panne (%1).</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>La connexion sécurisée de la station n’a pas pu être vérifiée.</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>Le flux n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>Ce flux est dans un format qui ne peut pas être lu ici (%1) ; installer %2 l’ajoute.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>Ce flux est dans un format qui ne peut pas être lu ici (%1).</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Stations of your own cannot be kept here.</source>
        <translation>Impossible d’enregistrer vos propres stations ici.</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>Vous ne pouvez plus ajouter de stations personnelles.</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>La station ne fait plus partie des vôtres.</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>Donnez un nom à la station.</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>Saisissez l’adresse du flux ou de sa liste de lecture.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>Saisissez une adresse complète en http:// ou https://.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>Saisissez une adresse complète en http:// ou https://, ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>Le serveur du catalogue de stations n’a renvoyé aucune station utilisable.</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>Le serveur du catalogue de stations n’a renvoyé que %Ln station, moins de la moitié de celles déjà présentes.</numerusform>
            <numerusform>Le serveur du catalogue de stations n’a renvoyé que %Ln stations, moins de la moitié de celles déjà présentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>Impossible d’établir une connexion sécurisée : le serveur ne propose peut-être pas https à cette adresse.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>Le fichier n’est plus là.</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>Vos stations personnelles ne peuvent pas être modifiées pour l’instant : « %1 » est laissé tel quel.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>« %1 » a été enregistré par une version plus récente de Pemba Vello. Ce que cette version en comprend est affiché, mais le fichier est laissé tel quel : les modifications faites maintenant ne seront pas conservées.</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>Il contient plus d’entrées que le lecteur n’en garde.</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>Il est plus volumineux que ce que le lecteur lit.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Il est endommagé.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>Le système n’a pas laissé le lecteur le lire : %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>Trop de fichiers ont déjà été mis de côté à côté de lui.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>« %1 » n’a pas pu être lu. %2 Il a été conservé tel quel sous le nom « %3 », et le lecteur continue avec ce qu’il a pu lire.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>« %1 » n’a pas pu être lu. %2 Il n’a pas pu être mis de côté non plus (%3) : le lecteur le laisse tel quel et n’y enregistre aucune modification jusqu’à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>Vérifiée en état de marche il y a %Ln minute</numerusform>
            <numerusform>Vérifiée en état de marche il y a %Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>Vérifiée en état de marche il y a %Ln heure</numerusform>
            <numerusform>Vérifiée en état de marche il y a %Ln heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>Vérifiée en état de marche il y a %Ln jour</numerusform>
            <numerusform>Vérifiée en état de marche il y a %Ln jours</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>Enregistrement arrêté : le disque est plein ou a moins de 200 Mo libres.</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>Enregistrement arrêté : impossible d’écrire dans le dossier.</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>Enregistrement arrêté : le fichier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>Cette station ne peut pas être enregistrée sans être réencodée : rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>Ce morceau n’est plus conservé.</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>Impossible de rechercher les enceintes du réseau : %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>Pas de réponse à temps.</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>La lecture n’a pas commencé à temps.</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>Ce type de flux n’y est pas lisible (%1).</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>Refusé : %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>Injoignable : %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>%1 a cessé de lire la station : %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>N’est plus sur le réseau.</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>La lecture s’est arrêtée d’elle-même.</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>Erreur signalée : %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>La station n'a aucune adresse à lire.</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>Cette station ne peut pas être enregistrée ici.</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>L'enregistrement de %1 a été manqué : Pemba Vello n'était pas lancé.</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>L'alarme de %1 a été manquée : l'ordinateur était en veille ou Pemba Vello n'était pas lancé.</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>Un enregistrement programmé n'a pas commencé : sa station n'est pas dans la liste.</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>L'enregistrement de %1 s'est arrêté : %2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>Lecture d’un flux radio</translation>
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>Exporter les favoris</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>Importer des favoris</translation>
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation>Favoris (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>Favoris Pemba Vello.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>Impossible d’enregistrer les favoris dans « %1 » : %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>« %1 » n’a pas été importé et vos favoris sont inchangés.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>%Ln station a été ajoutée à vos favoris.</numerusform>
            <numerusform>%Ln stations ont été ajoutées à vos favoris.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>%Ln station personnelle a été ajoutée à Mes stations.</numerusform>
            <numerusform>%Ln stations personnelles ont été ajoutées à Mes stations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>%Ln station a été ignorée, car elle était déjà là.</numerusform>
            <numerusform>%Ln stations ont été ignorées, car elles étaient déjà là.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>%Ln entrée a été ignorée, car ce n’est pas une station qui peut être lue.</numerusform>
            <numerusform>%Ln entrées ont été ignorées, car ce ne sont pas des stations qui peuvent être lues.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>%Ln station personnelle a été ignorée, car aucune autre ne peut être enregistrée.</numerusform>
            <numerusform>%Ln stations personnelles ont été ignorées, car aucune autre ne peut être enregistrée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>--%1 attend une adresse http ou https absolue, pas « %2 »</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello, un lecteur de radio sur Internet.</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>Télécharger le catalogue des stations depuis &lt;URL&gt; pour cette exécution, quelles que soient les préférences.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>Obtenir le catalogue auprès du serveur d’annuaire radio à &lt;URL&gt; au lieu de chercher ses serveurs. À donner plusieurs fois pour en essayer plusieurs à tour de rôle.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>--%1 accepte une adresse de %2 caractères au plus</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>Options propres à Qt :</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>NOM|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>Lire la station de cet identifiant, sinon la première station que liste une recherche de &lt;NOM&gt;, ou le flux ou la liste de lecture à cette adresse web (non mémorisé). Agit sur le lecteur en cours, ou en lance un.</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>Mettre en pause le lecteur en cours, ou en lancer un en pause.</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>Mettre en pause ce qui joue, sinon lire.</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>Lire la station suivante de la liste.</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>Lire la station précédente de la liste.</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>Régler le volume, de 0 à 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>Dire ce que fait le lecteur en cours : état, station, morceau, volume.</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>Avec --status : répondre en JSON.</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>une commande à la fois, pas %1</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va avec --status</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>--volume prend un nombre entier de 0 à 100, pas « %1 »</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>--play a besoin du nom, de l'identifiant ou de l'adresse d'une station</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play : « %1 » n'est pas une adresse web</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Code de sortie :</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>fait, ou la fenêtre a été fermée</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>le lecteur en cours ne répond pas</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>la ligne de commande est incorrecte</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status : aucun lecteur n'est en cours</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play : aucune station ne correspond</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>Votre bibliothèque</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>Effacer les titres…</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Effacer les titres</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>Ajouter une station…</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Ajouter une station</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récentes</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Titres</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Mes stations</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>Stations populaires</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>En cours de lecture</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>Ouvrir le site web de la station</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>Lancez une station depuis Accueil ou Parcourir</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>Pemba Vello is running but does not answer: %1
</source>
        <translation>Pemba Vello est lancé mais ne répond pas : %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>Pemba Vello n'est pas lancé.
</translation>
    </message>
    <message>
        <source>State: %1
</source>
        <translation>État : %1
</translation>
    </message>
    <message>
        <source>Station: %1
</source>
        <translation>Station : %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>Morceau : %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>Volume : %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>Aucune station ne correspond à « %1 ».
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>Lecture de %1.
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>Lecture de %1 ; %n autre station correspond.
</numerusform>
            <numerusform>Lecture de %1 ; %n autres stations correspondent.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SectionBuilders</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <comment>received of total</comment>
        <translation>%1 sur %2 Mo</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>Recherche en cours</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>Stations populaires</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>Parcourir les stations</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>À suivre</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>Aucune station ici pour l’instant.</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>Aucun titre écouté pour l’instant. Les titres envoyés par les stations apparaissent ici.</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>Aucune station personnelle pour l’instant. Ajoutez-en une par son adresse avec Ajouter une station…</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Lecture/Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Lire une station au &amp;hasard</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>&amp;Augmenter le volume</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Baisser le volume</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Couper le son</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
</context>
<context>
    <name>Vello::MainWindow</name>
    <message>
        <source>Pemba Vello</source>
        <translation>Pemba Vello</translation>
    </message>
    <message>
        <source>pemba-vello: %1
Try 'pemba-vello --help'.
</source>
        <translation>pemba-vello : %1
Essayez « pemba-vello --help ».
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello : un autre Pemba Vello est lancé mais ne répond pas.
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Aucune lecture</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>station – song</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>song – program</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Masquer les autres</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>%1 continue de jouer. Cliquez sur son icône dans la zone de notification pour afficher de nouveau la fenêtre.</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
La radio sur Internet, les plus populaires d’abord.</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Désactivé</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minutes</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minutes</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minutes</translation>
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation>&amp;60 minutes</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minutes</translation>
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation>&amp;Fin du titre en cours</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>&amp;Pemba Vello</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>À &amp;propos de %1</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>&amp;Recharger les stations</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>&amp;Ajouter une station…</translation>
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation>&amp;Importer des favoris…</translation>
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation>&amp;Exporter les favoris…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Minuterie de veille</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>Enregistrement en cours</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>L’adresse d’un document de catalogue, chargé à la place de l’annuaire.</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>Adresse inutilisable : elle doit commencer par https:// ou http://.</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>Annuaire radio &amp;public</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>&amp;Adresse du catalogue</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>Aider au &amp;classement : indiquer à l’annuaire les stations que j’écoute</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>&amp;Notifier le changement de titre</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>Continuer la &amp;lecture quand la fenêtre est fermée</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>Source du catalogue</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>Adresse du document de catalogue</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>&amp;Ouvrir les stations dès que le pointeur s’y arrête</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>Adresse inutilisable : elle dépasse %L1 caractères.</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>Le mot de passe de cette adresse est enregistré en clair dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>&amp;Reprendre la dernière station au démarrage de Pemba Vello</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>Cette session charge le catalogue indiqué sur la ligne de commande. Un choix fait ici est conservé et s’applique dès le prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>Rechercher stations, pays, genres…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>Sauvegardé</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Sauvegarde…</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>Sauvegarder ce morceau à partir de ce qui est gardé, tel que la station l’a diffusé</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>Sauvegarder %1</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>Sauvegarder le morceau</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Chercher sur le web</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>Écouté à %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>Copier le titre</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>Chercher %1 sur le web</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>Chercher le titre sur le web</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Effacer les titres</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>Effacer la liste des titres écoutés ?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>Ma station</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>Adresse du flux ou de la liste de lecture</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>Adresse du logo</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>jazz, direct, local</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Modifier la station</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Ajouter la station</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>&amp;Logo :</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>É&amp;tiquettes :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>Supprimer la station…</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Supprimer la station</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>L’adresse du flux, ou d’une liste de lecture (.pls, .m3u) qui le contient.</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>Facultatif : l’adresse d’une image pour la station.</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>Supprimer « %1 » de Mes stations ?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>https://stream.example.org/live.mp3</source>
        <translation>https://stream.example.org/live.mp3</translation>
    </message>
    <message>
        <source>https://example.org/logo.png</source>
        <translation>https://example.org/logo.png</translation>
    </message>
</context>
<context>
    <name>Vello::StationRow</name>
    <message>
        <source>Remove from Favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Lire %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message numerus="yes">
        <source>%Ln votes</source>
        <translation>
            <numerusform>%Ln vote</numerusform>
            <numerusform>%Ln votes</numerusform>
        </translation>
    </message>
    <message>
        <source>World</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Modifier la station</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Ma station</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>Retirer %1 des favoris</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>Ajouter %1 aux favoris</translation>
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>&amp;Répéter dans 10 minutes</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>&amp;Arrêter l'alarme</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation>Répéter dans 10 minutes</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Arrêter l'alarme</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>&amp;Alarmes…</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation>Alarme %1 · %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>Alarmes et enregistrements programmés</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>Alarmes et enregistrements programmés</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>Ajouter une &amp;alarme</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>Ajouter un enregistrement &amp;programmé</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>Les alarmes et enregistrements n'ont lieu que pendant que Pemba Vello tourne, dans la fenêtre ou dans la zone de notification.</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Se termine à</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>Se &amp;termine à :</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>Se répète le :</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>Sans jour choisi, cela n'a lieu qu'une fois.</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station :</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>Volume atteint</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> min</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>Monte en, en minutes</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>&amp;Monte en :</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation>Alarme %1 · %2 · %3</translation>
    </message>
    <message>
        <source>No station</source>
        <translation>Aucune station</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>Enregistrement %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Enregistrement programmé</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>&amp;Commence à :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Commence à</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>Elle n'a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>Le dossier de démarrage automatique n'a pas pu être créé.</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>Lancer Pemba Vello à l'ouverture de session</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>L'entrée de connexion n'a pas pu être modifiée : %1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>Rechercher des stations</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>Stations trouvées</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>Aucune station choisie</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>Station : absente de la liste pour l'instant</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Station : %1</translation>
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Filter countries</source>
        <translation>Filtrer les pays</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Filter languages</source>
        <translation>Filtrer les langues</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>Près de chez vous</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>HTTPS uniquement</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>%1 kbit/s ou plus</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>Comptage des stations…</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>Filtrer le %Ln genre</numerusform>
            <numerusform>Filtrer les %Ln genres</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>Afficher toutes les stations</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1, près de chez vous, %Ln station</numerusform>
            <numerusform>%1, près de chez vous, %Ln stations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1, %Ln station</numerusform>
            <numerusform>%1, %Ln stations</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>Revenir au &amp;direct</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>A&amp;vancer de 15 s</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>&amp;Reculer de 15 s</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Lecture/Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Lire une station au &amp;hasard</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>&amp;Augmenter le volume</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Baisser le volume</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Couper le son</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>Lire sur</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>&amp;Cet ordinateur</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>Enregistre depuis %1</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>La pause garde la place pendant cette durée, et les morceaux entendus pendant ce temps peuvent être sauvegardés.</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>Minutes gardées pour mettre le direct en pause et sauvegarder les morceaux entendus</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>Temps con&amp;servé :</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>Ne garder que les morceaux &amp;entiers</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>Ne garder que les morceaux entiers</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>À l’arrêt d’un enregistrement, supprimer son premier et son dernier fichier : les morceaux qu’il n’a saisis qu’en partie.</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Dossier des enregistrements</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>%1 de retard sur le direct</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>Écouter ce que la station diffuse maintenant</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>Direct</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · Enregistrement</translation>
    </message>
</context>
</TS>