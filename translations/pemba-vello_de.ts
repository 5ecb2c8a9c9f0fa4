<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>Der Titel wurde nicht vollständig gespeichert: Sein Sender endete vor dem Titel.</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>„%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>Die Datei ist zu groß für eine Liste von Lieblingssendern.</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>Sender werden geladen …</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>Die Sender konnten nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>Im Moment sind keine Sender verfügbar.</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>Die Datei ist keine Liste von Lieblingssendern.</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>Die Datei ist beschädigt: Sie enthält kein gültiges JSON.</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>Wird ausgeblendet …</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>Aus in %1 Min.</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>Aus nach diesem Titel</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>ein Wahrheitswert</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>ein unbekannter Wert</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>der Katalog ist leer</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>der Katalog ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>eine Zeichenkette wird nie geschlossen; der Katalog ist womöglich abgeschnitten</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>der Katalog endet, bevor seine Arrays und Objekte geschlossen sind; er ist womöglich abgeschnitten</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>das JSON ist fehlerhaft (ein Komma, eine Klammer oder ein Doppelpunkt steht an der falschen Stelle)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>eine Zeichenkette enthält eine ungültige Escape-Sequenz</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>eine Zeichenkette enthält ein nicht maskiertes Steuerzeichen wie einen Tabulator oder Zeilenumbruch</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>eine Zahl ist fehlerhaft</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>ein true, false oder null ist falsch geschrieben</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>der Katalog ist zu groß zum Einlesen</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>Arrays und Objekte sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>das JSON ist fehlerhaft (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>es ist nicht genug Speicher frei, um den Katalog zu lesen</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>Sender %1: „%2“ %3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>Sender %1 %2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>Sender %1: %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>Sender %1, in „%2“: %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>der Katalog ist eine Webseite oder XML, kein JSON</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>der Katalog muss ein JSON-Array von Sendern sein, gefunden: %1</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>nach dem Ende seines Arrays folgt im Katalog noch Text</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>muss ein Objekt sein, gefunden: %1</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>muss eine Zeichenkette oder null sein, gefunden: %1</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>muss eine Ganzzahl oder null sein, gefunden: %1</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>muss eine ganze Zahl sein, gefunden: %1</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>muss in eine vorzeichenbehaftete 64-Bit-Ganzzahl passen, gefunden: %1</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>enthält eine fehlerhafte Zahl: %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>Arrays und Objekte sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>der Katalog konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>Sender ohne Namen</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>Live-Sender</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>Der Server des Senderkatalogs antwortete mit %1 (%2).</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>Der Server des Senderkatalogs antwortete mit %1.</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>Kein Server des Senderkatalogs war erreichbar.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln Sekunde</numerusform>
            <numerusform>%Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation>Die Antwort ist größer als %1</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>Die Übertragung wurde abgebrochen, weil das Programm beendet wird</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>Der Server hat innerhalb von %1 keine Verbindung angenommen</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>Der Download dauerte länger als %1</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>Der Server sendete zu wenig Daten: weniger als %1 pro Sekunde über %2</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>Der Server sendete %1 lang keine Daten</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>„%1“ ist keine gültige Webadresse</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt …</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>Puffern %1 %</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 Neuer Versuch in %2 s …</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>Die Playlist des Senders enthält keinen Stream, der hier abgespielt werden kann.</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>Der Sender hat keine weitere Adresse, die sich versuchen ließe.</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>Der Server des Senders war nicht erreichbar.</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>Der Server des Senders ist ausgelastet.</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>Der Sender hat aufgehört, Audio zu senden.</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>Der Sender verweigert die Wiedergabe dieses Streams.</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>Der Sender hat etwas gesendet, das kein Audio ist.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>Dieser Stream hat ein Format, das hier nicht abgespielt werden kann.</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>Der Sender hat Audio gesendet, das nicht dekodiert werden konnte.</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>Der Sender hat die Anfrage abgelehnt (%1).</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>Laut Sender gibt es diesen Stream nicht (%1).</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>Der Sender verweigert die Wiedergabe dieses Streams (%1).</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>Der Server des Senders ist ausgelastet (%1).</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>Der Server des Senders hat einen Fehler (%1).</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>Die sichere Verbindung zum Sender konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>Der Stream konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>Dieser Stream hat ein Format, das hier nicht abgespielt werden kann (%1); das Paket %2 fügt es hinzu.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>Dieser Stream hat ein Format, das hier nicht abgespielt werden kann (%1).</translation>
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
        <translation>Eigene Sender können hier nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>Sie können keine weiteren eigenen Sender hinzufügen.</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>Der Sender gehört nicht mehr zu Ihren eigenen.</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>Geben Sie dem Sender einen Namen.</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>Geben Sie die Adresse des Streams oder seiner Wiedergabeliste ein.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>Geben Sie eine vollständige http://- oder https://-Adresse ein.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>Geben Sie eine vollständige http://- oder https://-Adresse ein oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>Der Server des Senderkatalogs lieferte keine brauchbaren Sender.</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>Der Server des Senderkatalogs lieferte nur %Ln Sender, weniger als die Hälfte der vorhandenen.</numerusform>
            <numerusform>Der Server des Senderkatalogs lieferte nur %Ln Sender, weniger als die Hälfte der vorhandenen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>Es ließ sich keine sichere Verbindung herstellen: Der Server bietet unter dieser Adresse womöglich kein https an.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>Die Datei ist nicht mehr da.</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>Eigene Sender können jetzt nicht geändert werden: „%1“ bleibt, wie es vorgefunden wurde.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>„%1“ wurde von einer neueren Version von Pemba Vello gespeichert. Was diese Version davon kennt, wird angezeigt, aber die Datei bleibt unverändert: Änderungen, die Sie jetzt vornehmen, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>Sie enthält mehr Einträge, als der Player behält.</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>Sie ist größer, als der Player liest.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Sie ist beschädigt.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>Das System hat dem Player das Lesen nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>Daneben liegen schon zu viele beiseitegelegte Dateien.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>„%1“ konnte nicht gelesen werden. %2 Sie wurde unverändert als „%3“ aufbewahrt, und der Player macht mit dem weiter, was er lesen konnte.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>„%1“ konnte nicht gelesen werden. %2 Sie konnte auch nicht beiseitegelegt werden (%3), daher lässt der Player sie unverändert und speichert bis zum nächsten Start keine Änderungen daran.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>Vor %Ln Minute als funktionierend geprüft</numerusform>
            <numerusform>Vor %Ln Minuten als funktionierend geprüft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>Vor %Ln Stunde als funktionierend geprüft</numerusform>
            <numerusform>Vor %Ln Stunden als funktionierend geprüft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>Vor %Ln Tag als funktionierend geprüft</numerusform>
            <numerusform>Vor %Ln Tagen als funktionierend geprüft</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>Aufnahme beendet: Der Datenträger ist voll oder hat weniger als 200 MB frei.</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>Aufnahme beendet: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>Aufnahme beendet: Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>Dieser Sender kann nicht ohne Neukodierung aufgenommen werden, daher wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>Dieser Titel wird nicht mehr vorgehalten.</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>Lautsprecher im Netzwerk können nicht gesucht werden: %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>Keine Antwort in der vorgesehenen Zeit.</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>Die Wiedergabe hat nicht rechtzeitig begonnen.</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>Diese Art von Stream kann dort nicht abgespielt werden (%1).</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>Nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>%1 spielt den Sender nicht mehr: %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>Nicht mehr im Netzwerk.</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>Die Wiedergabe endete von selbst.</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>Ein Fehler wurde gemeldet: %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>Der Sender hat keine Adresse zum Abspielen.</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>Dieser Sender kann hier nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>Die Aufnahme um %1 wurde verpasst: Pemba Vello lief nicht.</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>Der Wecker um %1 wurde verpasst: Der Computer schlief oder Pemba Vello lief nicht.</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>Eine geplante Aufnahme hat nicht begonnen: Ihr Sender ist nicht in der Liste.</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>Die Aufnahme von %1 wurde beendet: %2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>Ein Radiostream läuft</translation>
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>Favoriten exportieren</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>Favoriten importieren</translation>
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation>Favoriten (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>Pemba Vello Favoriten.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>Die Favoriten konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>„%1“ wurde nicht importiert, Ihre Favoriten sind unverändert.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>%Ln Sender wurde zu Ihren Favoriten hinzugefügt.</numerusform>
            <numerusform>%Ln Sender wurden zu Ihren Favoriten hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>%Ln eigener Sender wurde zu „Meine Sender“ hinzugefügt.</numerusform>
            <numerusform>%Ln eigene Sender wurden zu „Meine Sender“ hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>%Ln Sender wurde übersprungen, weil er schon da war.</numerusform>
            <numerusform>%Ln Sender wurden übersprungen, weil sie schon da waren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>%Ln Eintrag wurde übersprungen, weil er kein abspielbarer Sender ist.</numerusform>
            <numerusform>%Ln Einträge wurden übersprungen, weil sie keine abspielbaren Sender sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>%Ln eigener Sender wurde übersprungen, weil keine weiteren gespeichert werden können.</numerusform>
            <numerusform>%Ln eigene Sender wurden übersprungen, weil keine weiteren gespeichert werden können.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>--%1 braucht eine absolute http- oder https-Adresse, nicht „%2“</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello, ein Player für Internetradio.</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>Den Senderkatalog bei diesem Start von &lt;URL&gt; laden, unabhängig von den Einstellungen.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>Den Katalog vom Radioverzeichnis-Server unter &lt;URL&gt; holen, statt die Server zu suchen. Mehrfach angeben, um mehrere nacheinander zu versuchen.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>--%1 nimmt eine Adresse von höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>Qts eigene Optionen:</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>NAME|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>Den Sender mit dieser Kennung spielen, sonst den ersten Sender, den eine Suche nach &lt;NAME&gt; listet, oder den Stream bzw. die Playlist unter dieser Webadresse (wird nicht gemerkt). Wirkt auf den laufenden Player oder startet einen.</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>Den laufenden Player anhalten oder einen angehalten starten.</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>Anhalten, was läuft, sonst abspielen.</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>Den nächsten Sender der Liste spielen.</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>Den vorigen Sender der Liste spielen.</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>Die Lautstärke setzen, von 0 bis 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>Sagen, was der laufende Player tut: Zustand, Sender, Titel, Lautstärke.</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>Mit --status: in JSON antworten.</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>ein Befehl auf einmal, nicht %1</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json gehört zu --status</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>--volume nimmt eine ganze Zahl von 0 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>--play braucht den Namen, die Kennung oder die Adresse eines Senders</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play: „%1“ ist keine Webadresse</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Rückgabewerte:</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>erledigt, oder das Fenster wurde geschlossen</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>der laufende Player antwortet nicht</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>die Befehlszeile ist falsch</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status: kein Player läuft</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play: kein Sender passt</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>Ihre Bibliothek</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>Titel löschen …</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Titel löschen</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>Sender hinzufügen …</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt gehört</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Meine Sender</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>Top-Sender</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>Läuft gerade</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Welt</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>Website des Senders öffnen</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>Starten Sie einen Sender unter „Start“ oder „Stöbern“</translation>
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
        <translation>Pemba Vello läuft, antwortet aber nicht: %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielt</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindet</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>Pemba Vello läuft nicht.
</translation>
    </message>
    <message>
        <source>State: %1
</source>
        <translation>Zustand: %1
</translation>
    </message>
    <message>
        <source>Station: %1
</source>
        <translation>Sender: %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>Titel: %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>Lautstärke: %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>Kein Sender passt zu „%1“.
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>Spielt %1.
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>Spielt %1; %n weiterer Sender passt.
</numerusform>
            <numerusform>Spielt %1; %n weitere Sender passen.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SectionBuilders</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <comment>received of total</comment>
        <translation>%1 von %2 MB</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>Top-Sender</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>Sender durchstöbern</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>Hier sind noch keine Sender.</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>Noch keine Titel gehört. Titel, die Sender übermitteln, erscheinen hier.</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>Noch keine eigenen Sender. Fügen Sie mit „Sender hinzufügen …“ einen über seine Adresse hinzu.</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Abspielen/Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>&amp;Zufälligen Sender abspielen</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>&amp;Lauter</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>Lei&amp;ser</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>S&amp;tumm</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Stöbern</translation>
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
        <translation>pemba-vello: %1
Siehe 'pemba-vello --help'.
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello: Ein anderes Pemba Vello läuft, antwortet aber nicht.
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Keine Wiedergabe</translation>
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
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Andere ausblenden</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>%1 spielt weiter. Klicken Sie auf das Symbol im Systembereich, um das Fenster wieder anzuzeigen.</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
Internetradio, die beliebtesten Sender zuerst.</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 Minuten</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 Minuten</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 Minuten</translation>
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation>&amp;60 Minuten</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 Minuten</translation>
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation>&amp;Ende des aktuellen Titels</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>&amp;Pemba Vello</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>Ü&amp;ber %1</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>Sender neu &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>Sender &amp;hinzufügen …</translation>
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation>Favoriten &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation>Favoriten &amp;exportieren …</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Ein&amp;stellungen …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>Sc&amp;hlaftimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>Nimmt auf</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>Die Adresse eines Katalogdokuments, das statt des Verzeichnisses geladen wird.</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>Keine Adresse, von der sich laden lässt: Sie muss mit https:// oder http:// beginnen.</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>&amp;Öffentliches Radioverzeichnis</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>Katalog&amp;adresse</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>Beim Ranking &amp;helfen: dem Verzeichnis mitteilen, welche Sender ich höre</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>Bei Titelwechsel &amp;benachrichtigen</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>Weiterspielen, wenn das Fenster &amp;geschlossen ist</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>Katalogquelle</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>Adresse des Katalogdokuments</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>Sender beim Verweilen des Zeigers &amp;vorab öffnen</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>Keine Adresse, von der sich laden lässt: Sie ist länger als %L1 Zeichen.</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>Das Passwort in dieser Adresse wird als Klartext in der Einstellungsdatei gespeichert.</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>&amp;Letzten Sender beim Start von Pemba Vello fortsetzen</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>Dieser Lauf lädt den Katalog, den die Befehlszeile angegeben hat. Eine Wahl hier wird gespeichert und gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>Sender, Länder, Genres suchen …</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Stöbern</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert …</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>Diesen Titel aus dem Vorgehaltenen speichern, so wie der Sender ihn gesendet hat</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>Titel speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>Gehört um %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>Titel kopieren</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>Im Web nach %1 suchen</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>Im Web nach dem Titel suchen</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Titel löschen</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>Die Liste der gehörten Titel löschen?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>Name des Senders</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>Mein Sender</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>Adresse des Streams oder der Wiedergabeliste</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>Adresse des Logos</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>Jazz, live, lokal</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>&amp;Schlagwörter:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>Sender entfernen …</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Sender entfernen</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>Die Adresse des Streams oder einer Wiedergabeliste (.pls, .m3u), die ihn nennt.</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>Optional: die Adresse eines Bildes für den Sender.</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>„%1“ aus „Meine Sender“ entfernen?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 abspielen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message numerus="yes">
        <source>%Ln votes</source>
        <translation>
            <numerusform>%Ln Stimme</numerusform>
            <numerusform>%Ln Stimmen</numerusform>
        </translation>
    </message>
    <message>
        <source>World</source>
        <translation>Welt</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Eigener Sender</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>%1 aus den Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>%1 zu den Favoriten hinzufügen</translation>
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>&amp;Schlummern, 10 Minuten</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>Wecker s&amp;toppen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation>Schlummern, 10 Minuten</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Wecker stoppen</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>&amp;Wecker …</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation>Wecker %1</translation>
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation>Wecker %1 · %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>Wecker und geplante Aufnahmen</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>Wecker und geplante Aufnahmen</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>&amp;Wecker hinzufügen</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>Geplante &amp;Aufnahme hinzufügen</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>Wecker und Aufnahmen funktionieren nur, solange Pemba Vello läuft, im Fenster oder im Systembereich.</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Endet um</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>E&amp;ndet um:</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>Wiederholt am:</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>Ohne gewählten Tag geschieht es einmal.</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Sender:</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>Lautstärke, bis zu der es ansteigt</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>Steigt an über, in Minuten</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>Steigt an &amp;über:</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation>Wecker %1 · %2 · %3</translation>
    </message>
    <message>
        <source>No station</source>
        <translation>Kein Sender</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>Aufnahme %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Geplante Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>&amp;Beginnt um:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Beginnt um</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>Er konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>Der Autostart-Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>Pemba Vello bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>Der Anmeldeeintrag konnte nicht geändert werden: %1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>Gefundene Sender</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>Kein Sender gewählt</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>Sender: derzeit nicht in der Liste</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Sender: %1</translation>
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Filter countries</source>
        <translation>Länder filtern</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Filter languages</source>
        <translation>Sprachen filtern</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>In Ihrer Nähe</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>Nur HTTPS</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>Ab %1 kbit/s</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>Sender werden gezählt …</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>%Ln Genre filtern</numerusform>
            <numerusform>Alle %Ln Genres filtern</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 aufheben</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>Alle Sender zeigen</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1, in Ihrer Nähe, %Ln Sender</numerusform>
            <numerusform>%1, in Ihrer Nähe, %Ln Sender</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1, %Ln Sender</numerusform>
            <numerusform>%1, %Ln Sender</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>&amp;Jetzt live</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>Vor&amp;wärts 15 s</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>Zu&amp;rück 15 s</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Abspielen/Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>&amp;Zufälligen Sender abspielen</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>&amp;Lauter</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>Lei&amp;ser</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>S&amp;tumm</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>Aufn&amp;ehmen</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>Abspielen auf</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>&amp;Dieser Computer</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>Nimmt seit %1 auf</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>So lange hält die Pause Ihre Stelle, und in dieser Zeit gehörte Titel lassen sich speichern.</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>Minuten, die zum Pausieren und zum Speichern gehörter Titel behalten werden</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>&amp;Zeitpuffer:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>O&amp;rdner:</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>Aus&amp;wählen …</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>Nur vollständige &amp;Titel behalten</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>Ordner für Aufnahmen</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>Nur vollständige Titel behalten</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>Wenn eine Aufnahme endet, ihre erste und letzte Datei löschen: die Titel, die sie nur zum Teil erfasst hat.</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Ordner für Aufnahmen</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>%1 zeitversetzt</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>Abspielen, was der Sender gerade sendet</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>Live</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · Aufnahme</translation>
    </message>
</context>
</TS>