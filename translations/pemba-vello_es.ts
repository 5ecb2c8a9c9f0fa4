<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>La canción no se guardó entera: su emisora se detuvo antes de que terminara.</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>Se guardó «%1».</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>El archivo es demasiado grande para ser una lista de emisoras favoritas.</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>Cargando emisoras...</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>No se pudieron cargar las emisoras: %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>No hay emisoras disponibles en este momento.</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>El archivo no es una lista de emisoras favoritas.</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>El archivo está dañado: no es JSON válido.</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>Bajando el volumen…</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>Se apaga en %1 min</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>Se apaga tras esta canción</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>un array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una cadena</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booleano</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>un valor desconocido</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>el catálogo está vacío</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>el catálogo no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>una cadena nunca se cierra; puede que el catálogo esté cortado</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>el catálogo termina antes de cerrar sus arrays y objetos; puede que esté cortado</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>el JSON está mal formado (una coma, corchete, llave o dos puntos fuera de lugar)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>una cadena contiene una secuencia de escape no válida</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>una cadena contiene un carácter de control sin escapar, como un tabulador o un salto de línea</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>un número está mal formado</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>un true, false o null está mal escrito</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>el catálogo es demasiado grande para decodificarlo</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>los arrays y objetos están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>el JSON está mal formado (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>no hay memoria suficiente para leer el catálogo</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>emisora %1: «%2» %3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>emisora %1: %2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>emisora %1: %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>emisora %1, en «%2»: %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>el catálogo es una página web o XML, no JSON</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>el catálogo debe ser un array JSON de emisoras; se encontró %1</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>el catálogo tiene más texto tras el final de su array</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>debe ser un objeto; se encontró %1</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>debe ser una cadena o null; se encontró %1</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>debe ser un entero o null; se encontró %1</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>debe ser un número entero; se encontró %1</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>debe caber en un entero de 64 bits con signo; se encontró %1</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>contiene un número mal formado: %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>los arrays y objetos se anidan en más de %1 niveles</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>no se pudo leer el catálogo</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>Emisora sin nombre</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>Emisora en directo</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>El servidor del catálogo de emisoras respondió %1 (%2).</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>El servidor del catálogo de emisoras respondió %1.</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>No se pudo contactar con ningún servidor del catálogo de emisoras.</translation>
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
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln segundo</numerusform>
            <numerusform>%Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation>La respuesta supera los %1</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>La transferencia se detuvo porque la aplicación se está cerrando</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>El servidor no aceptó la conexión en %1</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>La descarga tardó más de %1</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>El servidor envió muy pocos datos: menos de %1 por segundo durante %2</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>El servidor no envió datos durante %1</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>«%1» no es una dirección web válida</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>Cargando búfer %1 %</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 Nuevo intento en %2 s…</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>La lista de reproducción de la emisora no incluye ninguna transmisión que se pueda reproducir aquí.</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>La emisora no tiene otra dirección que probar.</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>No se pudo contactar con el servidor de la emisora.</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>El servidor de la emisora está ocupado.</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>La emisora dejó de enviar audio.</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>La emisora se negó a reproducir esta transmisión.</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>La emisora envió algo que no es audio.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>Esta transmisión está en un formato que no se puede reproducir aquí.</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>La emisora envió audio que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>La emisora rechazó la solicitud (%1).</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>La emisora indica que esta transmisión no existe (%1).</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>La emisora se negó a reproducir esta transmisión (%1).</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>El servidor de la emisora está ocupado (%1).</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>El servidor de la emisora tiene un fallo (%1).</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>No se pudo verificar la conexión segura de la emisora.</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>No se pudo reproducir la transmisión.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>Esta transmisión está en un formato que no se puede reproducir aquí (%1); instalar %2 lo añade.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>Esta transmisión está en un formato que no se puede reproducir aquí (%1).</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
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
        <translation>Aquí no se pueden guardar emisoras propias.</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>No puedes añadir más emisoras propias.</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>La emisora ya no está entre las tuyas.</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>Ponle un nombre a la emisora.</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>Escribe la dirección de la transmisión o de su lista de reproducción.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>Escribe una dirección completa con http:// o https://.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>Escribe una dirección completa con http:// o https://, o déjalo vacío.</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>El servidor del catálogo de emisoras no respondió con ninguna emisora utilizable.</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>El servidor del catálogo de emisoras respondió con solo %Ln emisora, menos de la mitad de las que ya hay.</numerusform>
            <numerusform>El servidor del catálogo de emisoras respondió con solo %Ln emisoras, menos de la mitad de las que ya hay.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>No se pudo establecer una conexión segura: puede que el servidor no ofrezca https en esta dirección.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>El archivo ya no está.</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>Ahora no se pueden cambiar tus emisoras propias: «%1» se deja como se encontró.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>«%1» lo guardó una versión más reciente de Pemba Vello. Se muestra lo que esta versión entiende de él, pero se deja como está: los cambios que hagas ahora no se conservarán.</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>Contiene más entradas de las que guarda el reproductor.</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>Es más grande de lo que lee el reproductor.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Está dañado.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>El sistema no permitió al reproductor leerlo: %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>Ya hay demasiados archivos apartados junto a él.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>No se pudo leer «%1». %2 Se ha guardado tal cual como «%3», y el reproductor sigue con lo que pudo leer.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>No se pudo leer «%1». %2 Tampoco se pudo apartar (%3), así que el reproductor lo deja como está y no guarda cambios en él hasta que vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>Comprobada en funcionamiento hace %Ln minuto</numerusform>
            <numerusform>Comprobada en funcionamiento hace %Ln minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>Comprobada en funcionamiento hace %Ln hora</numerusform>
            <numerusform>Comprobada en funcionamiento hace %Ln horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>Comprobada en funcionamiento hace %Ln día</numerusform>
            <numerusform>Comprobada en funcionamiento hace %Ln días</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>Grabación detenida: el disco está lleno o tiene menos de 200 MB libres.</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>Grabación detenida: no se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>Grabación detenida: no se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>Esta emisora no se puede grabar sin recodificarla, así que no se grabó nada.</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>Esta canción ya no se conserva.</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>No se pueden buscar altavoces en la red: %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>No respondió a tiempo.</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>No empezó a reproducir a tiempo.</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>No puede reproducir este tipo de emisión (%1).</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>Se negó: %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>No se pudo conectar: %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>%1 dejó de reproducir la emisora: %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>Ya no está en la red.</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>Se detuvo por sí solo.</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>Informó de un error: %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>La emisora no tiene ninguna dirección que reproducir.</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>Esta emisora no se puede grabar aquí.</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>Se perdió la grabación de las %1: Pemba Vello no estaba en marcha.</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>Se perdió la alarma de las %1: el ordenador estaba en reposo o Pemba Vello no estaba en marcha.</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>Una grabación programada no empezó: su emisora no está en la lista.</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>La grabación de %1 se detuvo: %2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>Reproduciendo una emisora de radio</translation>
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>Exportar favoritas</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>Importar favoritas</translation>
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation>Favoritas (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>Favoritas de Pemba Vello.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>No se pudieron guardar las favoritas en «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>«%1» no se importó y tus favoritas siguen igual.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>Se añadió %Ln emisora a tus favoritas.</numerusform>
            <numerusform>Se añadieron %Ln emisoras a tus favoritas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>Se añadió %Ln emisora propia a Mis emisoras.</numerusform>
            <numerusform>Se añadieron %Ln emisoras propias a Mis emisoras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>Se omitió %Ln emisora porque ya estaba.</numerusform>
            <numerusform>Se omitieron %Ln emisoras porque ya estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>Se omitió %Ln entrada porque no es una emisora que se pueda reproducir.</numerusform>
            <numerusform>Se omitieron %Ln entradas porque no son emisoras que se puedan reproducir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>Se omitió %Ln emisora propia porque no se pueden guardar más.</numerusform>
            <numerusform>Se omitieron %Ln emisoras propias porque no se pueden guardar más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>--%1 necesita una dirección http o https absoluta, no «%2»</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello, un reproductor de radio por internet.</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>Descargar el catálogo de emisoras de &lt;URL&gt; en esta ejecución, digan lo que digan las preferencias.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>Obtener el catálogo del servidor del directorio de radio en &lt;URL&gt; en lugar de buscar sus servidores. Indícalo varias veces para probar varios por turno.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>--%1 admite una dirección de %2 caracteres como máximo</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>Opciones propias de Qt:</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>NOMBRE|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>Reproducir la emisora con este identificador; si no, la primera emisora que liste una búsqueda de &lt;NOMBRE&gt;, o el flujo o la lista de reproducción de esta dirección web (no se recuerda). Actúa sobre el reproductor en marcha, o inicia uno.</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>Pausar el reproductor en marcha, o iniciar uno en pausa.</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>Pausar lo que suena; si no, reproducir.</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>Reproducir la siguiente emisora de la lista.</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>Reproducir la emisora anterior de la lista.</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>Fijar el volumen, de 0 a 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>Decir qué hace el reproductor en marcha: estado, emisora, canción, volumen.</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>Con --status: responder en JSON.</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>una orden cada vez, no %1</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va con --status</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>--volume admite un número entero de 0 a 100, no «%1»</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>--play necesita el nombre, el identificador o la dirección de una emisora</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play: «%1» no es una dirección web</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Estado de salida:</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>hecho, o la ventana se cerró</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>el reproductor en marcha no responde</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>la línea de órdenes es incorrecta</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status: no hay ningún reproductor en marcha</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play: ninguna emisora coincide</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>Tu biblioteca</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>Borrar canciones…</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Borrar canciones</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>Añadir emisora…</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Añadir emisora</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritas</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Canciones</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Mis emisoras</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>Las más escuchadas</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>Sonando ahora</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>Abrir el sitio web de la emisora</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>Elige una emisora en Inicio o Explorar</translation>
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
        <translation>Pemba Vello está en marcha pero no responde: %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falló</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>Pemba Vello no está en marcha.
</translation>
    </message>
    <message>
        <source>State: %1
</source>
        <translation>Estado: %1
</translation>
    </message>
    <message>
        <source>Station: %1
</source>
        <translation>Emisora: %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>Canción: %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>Volumen: %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>Ninguna emisora coincide con «%1».
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>Reproduciendo %1.
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>Reproduciendo %1; coincide %n emisora más.
</numerusform>
            <numerusform>Reproduciendo %1; coinciden %n emisoras más.
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
        <translation>%1 de %2 MB</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>Las más escuchadas</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>Explorar emisoras</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>A continuación</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>Aún no hay emisoras aquí.</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>Todavía no has escuchado canciones. Aquí aparecen los títulos que envían las emisoras.</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>Aún no tienes emisoras propias. Añade una por su dirección con Añadir emisora…</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Reproducir/Pausar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Reproducir una emisora al a&amp;zar</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>Subir &amp;volumen</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Bajar volumen</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>Si&amp;lenciar</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
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
Prueba 'pemba-vello --help'.
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello: hay otro Pemba Vello en marcha, pero no responde.
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Nada en reproducción</translation>
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
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Ocultar otras</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Salir de %1</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>%1 sigue sonando. Haz clic en su icono de la bandeja del sistema para volver a mostrar la ventana.</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
Radio por internet, lo más escuchado primero.</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minutos</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minutos</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minutos</translation>
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation>&amp;60 minutos</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minutos</translation>
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation>Al &amp;terminar la canción actual</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>&amp;Pemba Vello</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>A&amp;cerca de %1</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>&amp;Recargar emisoras</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>&amp;Añadir emisora…</translation>
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation>&amp;Importar favoritas…</translation>
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation>&amp;Exportar favoritas…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Temporizador de apagado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>La dirección de un documento de catálogo, que se carga en lugar del directorio.</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>No es una dirección desde la que cargar: debe empezar por https:// o http://.</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>Directorio de radio &amp;público</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>&amp;Dirección del catálogo</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>&amp;Ayudar a clasificar emisoras: decir al directorio qué emisoras escucho</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>&amp;Notificar cuando cambie la canción</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>Seguir sonando al cerrar la &amp;ventana</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>Origen del catálogo</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>Dirección del documento del catálogo</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>A&amp;brir las emisoras al dejar el puntero sobre ellas</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>No es una dirección desde la que cargar: tiene más de %L1 caracteres.</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>La contraseña de esta dirección se guarda como texto sin cifrar en el archivo de configuración.</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>C&amp;ontinuar con la última emisora al iniciar Pemba Vello</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>Esta sesión carga el catálogo indicado en la línea de órdenes. Lo que elijas aquí se guarda y se aplica desde el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>Buscar emisoras, países, géneros...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>Guardar esta canción de lo conservado, tal como la emitió la emisora</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>Guardar %1</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>Guardar canción</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>Escuchada a las %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>Copiar el título</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>Buscar %1 en la web</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>Buscar el título en la web</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Borrar canciones</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>¿Borrar la lista de canciones escuchadas?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>Nombre de la emisora</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>Mi emisora</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>Dirección de la transmisión o de la lista</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>Dirección del logotipo</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>jazz, en directo, local</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Editar emisora</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Añadir emisora</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>&amp;Logotipo:</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>E&amp;tiquetas:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>Quitar emisora…</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Quitar emisora</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>La dirección de la transmisión, o de una lista (.pls, .m3u) que la contenga.</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>Opcional: la dirección de una imagen para la emisora.</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>¿Quitar «%1» de Mis emisoras?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
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
        <translation>Quitar de favoritas</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Añadir a favoritas</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Reproducir %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message numerus="yes">
        <source>%Ln votes</source>
        <translation>
            <numerusform>%Ln voto</numerusform>
            <numerusform>%Ln votos</numerusform>
        </translation>
    </message>
    <message>
        <source>World</source>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Editar emisora</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Emisora propia</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>Quitar %1 de favoritas</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>Añadir %1 a favoritas</translation>
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>&amp;Posponer 10 minutos</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>De&amp;tener alarma</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation>Posponer 10 minutos</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Detener alarma</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>&amp;Alarmas…</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation>Alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation>Alarma %1 · %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>Alarmas y grabaciones programadas</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>Alarmas y grabaciones programadas</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>Añadir &amp;alarma</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>Añadir &amp;grabación programada</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>Las alarmas y grabaciones solo funcionan mientras Pemba Vello está en marcha, en la ventana o en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Termina a las</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>&amp;Termina a las:</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>Se repite el:</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>Sin ningún día elegido, ocurre una vez.</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Emisora:</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>Volumen al que sube</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> min</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>Sube durante, en minutos</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>&amp;Sube durante:</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation>Alarma %1 · %2 · %3</translation>
    </message>
    <message>
        <source>No station</source>
        <translation>Ninguna emisora</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>Grabación %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Grabación programada</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>&amp;Empieza a las:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Empieza a las</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>No se pudo quitar.</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>No se pudo crear la carpeta de inicio automático.</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>Iniciar Pemba Vello al iniciar sesión</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>No se pudo cambiar la entrada de inicio de sesión: %1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>Buscar emisoras</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>Emisoras encontradas</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>Ninguna emisora elegida</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>Emisora: ahora no está en la lista</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Emisora: %1</translation>
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <source>Filter countries</source>
        <translation>Filtrar países</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Filter languages</source>
        <translation>Filtrar idiomas</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>Cerca de ti</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>Solo HTTPS</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>%1 kbps o más</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>Contando emisoras...</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>Filtrar el %Ln género</numerusform>
            <numerusform>Filtrar los %Ln géneros</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>Mostrar todas las emisoras</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1, cerca de ti, %Ln emisora</numerusform>
            <numerusform>%1, cerca de ti, %Ln emisoras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1, %Ln emisora</numerusform>
            <numerusform>%1, %Ln emisoras</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>Ir al &amp;directo</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>Ava&amp;nzar 15 s</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>Re&amp;troceder 15 s</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Reproducir/Pausar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Reproducir una emisora al a&amp;zar</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>Subir &amp;volumen</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Bajar volumen</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>Si&amp;lenciar</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>&amp;Grabar</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>Reproducir en</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>&amp;Este ordenador</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>Grabando desde hace %1</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>La pausa conserva tu punto durante este tiempo, y las canciones escuchadas en él se pueden guardar.</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>Minutos conservados para pausar la radio en directo y guardar canciones escuchadas</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>Con&amp;servar los últimos:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>Conservar solo las canciones co&amp;mpletas</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>Carpeta de las grabaciones</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>Conservar solo las canciones completas</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>Al detenerse una grabación, borrar su primer y su último archivo: las canciones que solo captó en parte.</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Carpeta de las grabaciones</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>%1 por detrás del directo</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>Reproducir lo que la emisora emite ahora</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>Directo</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · Grabando</translation>
    </message>
</context>
</TS>