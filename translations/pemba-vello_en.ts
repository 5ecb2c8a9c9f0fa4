<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Loading stations...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fading out…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>an array</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>an object</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a string</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a boolean</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>an unknown value</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a number is malformed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>station %1 %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>station %1: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unnamed station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Live station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln second</numerusform>
            <numerusform>%Ln seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Connecting…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 kbps</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 kHz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stations of your own cannot be kept here.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>The station catalog server answered with only %Ln station, fewer than half of those already here.</numerusform>
            <numerusform>The station catalog server answered with only %Ln stations, fewer than half of those already here.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is damaged.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>Checked working %Ln minute ago</numerusform>
            <numerusform>Checked working %Ln minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>Checked working %Ln hour ago</numerusform>
            <numerusform>Checked working %Ln hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>Checked working %Ln day ago</numerusform>
            <numerusform>Checked working %Ln days ago</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It refused: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Import Favourites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>%Ln station was added to your favourites.</numerusform>
            <numerusform>%Ln stations were added to your favourites.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>%Ln station of your own was added to My Stations.</numerusform>
            <numerusform>%Ln stations of your own were added to My Stations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>%Ln station was skipped because it was already there.</numerusform>
            <numerusform>%Ln stations were skipped because they were already there.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>%Ln entry was skipped because it is not a station that can be played.</numerusform>
            <numerusform>%Ln entries were skipped because they are not stations that can be played.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>%Ln station of your own was skipped because no more can be saved.</numerusform>
            <numerusform>%Ln stations of your own were skipped because no more can be saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Exit status:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Songs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add Station…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Songs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>My Stations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Top Stations</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>World</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>Pemba Vello is running but does not answer: %1
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>State: %1
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Station: %1
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Song: %1
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>Playing %1; %n more station matches.
</numerusform>
            <numerusform>Playing %1; %n more stations match.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SectionBuilders</name>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <comment>received of total</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Browse Stations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Up Next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::MainWindow</name>
    <message>
        <source>Pemba Vello</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>pemba-vello: %1
Try 'pemba-vello --help'.
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Not Playing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>station – song</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>song – program</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hide %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hide Others</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Quit %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished" />
    </message>
<message>
        <source>Recording</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Catalog source</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save Song</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Search the web</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Heard at %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copy %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copy the title</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Songs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>My Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Logo address</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remove Station…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remove Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>https://stream.example.org/live.mp3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>https://example.org/logo.png</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::StationRow</name>
    <message>
        <source>Remove from Favorites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>My station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ends at</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Repeats on:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Station:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Every day</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Starts at</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stations found</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No station chosen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Station: %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Filter countries</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Filter languages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Genres</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Near you</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HTTPS only</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Counting stations…</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>Filter the %Ln genre</numerusform>
            <numerusform>Filter all %Ln genres</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Show every station</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1, near you, %Ln station</numerusform>
            <numerusform>%1, near you, %Ln stations</numerusform>
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation type="unfinished" />
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation type="unfinished" />
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recording for %1</source>
        <translation type="unfinished" />
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation type="unfinished" />
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>−%1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Go Live</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>