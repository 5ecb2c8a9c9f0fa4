<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>A música não foi salva inteira: a estação parou antes de a música terminar.</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>“%1” salva.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>O arquivo é grande demais para ser uma lista de estações favoritas.</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>Carregando estações...</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>Não foi possível carregar as estações: %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>Nenhuma estação disponível no momento.</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>O arquivo não é uma lista de estações favoritas.</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>O arquivo está danificado: não é um JSON válido.</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>Diminuindo o volume…</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>Desliga em %1 min</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>Desliga após esta música</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>um array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>uma string</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>um booleano</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>um valor desconhecido</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>o catálogo está vazio</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>o catálogo não é um texto UTF-8 válido</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>uma string nunca é fechada; o catálogo pode estar cortado</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>o catálogo termina antes de fechar seus arrays e objetos; pode estar cortado</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>o JSON está malformado (vírgula, colchete, chave ou dois-pontos fora do lugar)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>uma string contém uma sequência de escape inválida</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>uma string contém um caractere de controle sem escape, como uma tabulação ou quebra de linha</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>um número está malformado</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>um true, false ou null está escrito errado</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>o catálogo é grande demais para ser decodificado</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>arrays e objetos estão aninhados profundamente demais</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>o JSON está malformado (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>não há memória suficiente para ler o catálogo</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>estação %1: "%2" %3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>estação %1: %2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>estação %1: %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>estação %1, em "%2": %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>o catálogo é uma página da web ou XML, não JSON</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>o catálogo deve ser um array JSON de estações; encontrado: %1</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>o catálogo tem mais texto depois do fim do array</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>deve ser um objeto; encontrado: %1</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>deve ser uma string ou null; encontrado: %1</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>deve ser um inteiro ou null; encontrado: %1</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>deve ser um número inteiro; encontrado: %1</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>deve caber em um inteiro de 64 bits com sinal; encontrado: %1</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>contém um número malformado: %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>arrays e objetos estão aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>não foi possível ler o catálogo</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>Estação sem nome</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>Estação ao vivo</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>O servidor do catálogo de estações respondeu %1 (%2).</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>O servidor do catálogo de estações respondeu %1.</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>Nenhum servidor do catálogo de estações pôde ser alcançado.</translation>
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
        <translation>A resposta é maior que %1</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>A transferência foi interrompida porque o aplicativo está sendo fechado</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>O servidor não aceitou a conexão em %1</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>O download demorou mais de %1</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>O servidor enviou poucos dados: menos de %1 por segundo durante %2</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>O servidor não enviou dados por %1</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>"%1" não é um endereço da web válido</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>Carregando buffer %1 %</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 Nova tentativa em %2 s…</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>A playlist da estação não tem nenhum stream que possa ser tocado aqui.</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>A estação não tem outro endereço para tentar.</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>Não foi possível alcançar o servidor da estação.</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>O servidor da estação está ocupado.</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>A estação parou de enviar áudio.</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>A estação se recusou a tocar este stream.</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>A estação enviou algo que não é áudio.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>Este stream está em um formato que não pode ser tocado aqui.</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>A estação enviou áudio que não pôde ser decodificado.</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>A estação recusou a solicitação (%1).</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>A estação diz que este stream não existe (%1).</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>A estação se recusou a tocar este stream (%1).</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>O servidor da estação está ocupado (%1).</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>O servidor da estação está com falha (%1).</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>Não foi possível verificar a conexão segura da estação.</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>Não foi possível tocar o stream.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>Este stream está em um formato que não pode ser tocado aqui (%1); instalar %2 resolve isso.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>Este stream está em um formato que não pode ser tocado aqui (%1).</translation>
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
        <translation>Não é possível guardar estações próprias aqui.</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>Você não pode adicionar mais estações próprias.</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>A estação não está mais entre as suas.</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>Dê um nome à estação.</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>Digite o endereço da transmissão ou da sua playlist.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>Digite um endereço completo com http:// ou https://.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>Digite um endereço completo com http:// ou https://, ou deixe em branco.</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>O servidor do catálogo de estações não respondeu com nenhuma estação utilizável.</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>O servidor do catálogo de estações respondeu com apenas %Ln estação, menos da metade das que já estão aqui.</numerusform>
            <numerusform>O servidor do catálogo de estações respondeu com apenas %Ln estações, menos da metade das que já estão aqui.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>Não foi possível estabelecer uma conexão segura: talvez o servidor não ofereça https neste endereço.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>O arquivo não está mais lá.</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>Suas estações próprias não podem ser alteradas agora: “%1” fica como foi encontrado.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>“%1” foi salvo por uma versão mais nova do Pemba Vello. O que esta versão entende dele é mostrado, mas ele fica como está: as alterações feitas agora não serão mantidas.</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>Ele contém mais entradas do que o player guarda.</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>Ele é maior do que o player lê.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Ele está danificado.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>O sistema não deixou o player lê-lo: %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>Já há arquivos demais separados ao lado dele.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>Não foi possível ler “%1”. %2 Ele foi guardado como estava, como “%3”, e o player segue com o que conseguiu ler.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>Não foi possível ler “%1”. %2 Também não foi possível separá-lo (%3), então o player o deixa como está e não guarda alterações nele até iniciar de novo.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>Verificada funcionando há %Ln minuto</numerusform>
            <numerusform>Verificada funcionando há %Ln minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>Verificada funcionando há %Ln hora</numerusform>
            <numerusform>Verificada funcionando há %Ln horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>Verificada funcionando há %Ln dia</numerusform>
            <numerusform>Verificada funcionando há %Ln dias</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>Gravação interrompida: o disco está cheio ou tem menos de 200 MB livres.</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>Gravação interrompida: não é possível gravar na pasta.</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>Gravação interrompida: não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>Esta estação não pode ser gravada sem recodificação, então nada foi gravado.</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>Esta música não está mais guardada.</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>Não é possível procurar alto-falantes na rede: %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>Não respondeu a tempo.</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>Não começou a tocar a tempo.</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>Não consegue tocar este tipo de transmissão (%1).</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>Recusou: %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>Inacessível: %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>%1 parou de tocar a estação: %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>Não está mais na rede.</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>Parou por conta própria.</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>Informou um erro: %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>A estação não tem endereço para tocar.</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>Esta estação não pode ser gravada aqui.</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>A gravação das %1 foi perdida: o Pemba Vello não estava em execução.</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>O alarme das %1 foi perdido: o computador estava em suspensão ou o Pemba Vello não estava em execução.</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>Uma gravação agendada não começou: a estação dela não está na lista.</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>A gravação de %1 parou: %2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>Tocando uma rádio</translation>
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
        <translation>Favoritas (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>Favoritas do Pemba Vello.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>Não foi possível salvar as favoritas em “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>“%1” não foi importado, e suas favoritas continuam iguais.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>%Ln estação foi adicionada às suas favoritas.</numerusform>
            <numerusform>%Ln estações foram adicionadas às suas favoritas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>%Ln estação própria foi adicionada a Minhas estações.</numerusform>
            <numerusform>%Ln estações próprias foram adicionadas a Minhas estações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>%Ln estação foi ignorada porque já estava lá.</numerusform>
            <numerusform>%Ln estações foram ignoradas porque já estavam lá.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>%Ln entrada foi ignorada porque não é uma estação que possa ser tocada.</numerusform>
            <numerusform>%Ln entradas foram ignoradas porque não são estações que possam ser tocadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>%Ln estação própria foi ignorada porque não é possível salvar mais.</numerusform>
            <numerusform>%Ln estações próprias foram ignoradas porque não é possível salvar mais.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>--%1 precisa de um endereço http ou https absoluto, não "%2"</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello, um player de rádio pela internet.</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>Baixar o catálogo de estações de &lt;URL&gt; nesta execução, independentemente das preferências.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>Obter o catálogo do servidor do diretório de rádios em &lt;URL&gt; em vez de procurar os servidores. Informe mais de uma vez para tentar vários em sequência.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>--%1 aceita um endereço de no máximo %2 caracteres</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>Opções próprias do Qt:</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>NOME|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>Tocar a estação com este identificador; senão, a primeira estação que uma busca por &lt;NOME&gt; lista, ou o fluxo ou a playlist neste endereço web (não é lembrado). Age sobre o player em execução, ou inicia um.</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>Pausar o player em execução, ou iniciar um pausado.</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>Pausar o que toca; senão, tocar.</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>Tocar a próxima estação da lista.</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>Tocar a estação anterior da lista.</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>Definir o volume, de 0 a 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>Dizer o que o player em execução está fazendo: estado, estação, música, volume.</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>Com --status: responder em JSON.</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>um comando por vez, não %1</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json vai com --status</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>--volume aceita um número inteiro de 0 a 100, não "%1"</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>--play precisa do nome, do identificador ou do endereço de uma estação</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play: "%1" não é um endereço web</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Status de saída:</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>feito, ou a janela foi fechada</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>o player em execução não responde</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>a linha de comando está errada</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status: nenhum player em execução</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play: nenhuma estação corresponde</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>Sua biblioteca</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>Limpar músicas…</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Limpar músicas</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>Adicionar estação…</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Adicionar estação</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritas</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Músicas</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>Minhas estações</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>Mais ouvidas</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>Tocando agora</translation>
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
        <translation>Site</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>Abrir o site da estação</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>Comece qualquer estação em Início ou Explorar</translation>
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
        <translation>O Pemba Vello está em execução mas não responde: %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocando</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>O Pemba Vello não está em execução.
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
        <translation>Estação: %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>Música: %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>Volume: %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>Nenhuma estação corresponde a "%1".
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>Tocando %1.
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>Tocando %1; mais %n estação corresponde.
</numerusform>
            <numerusform>Tocando %1; mais %n estações correspondem.
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
        <translation>Progresso do download</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar de novo</translation>
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
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>Pesquisando</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>Mais ouvidas</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>Explorar estações</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>A seguir</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>Ainda não há estações aqui.</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>Nenhuma música ouvida ainda. Os títulos enviados pelas estações aparecem aqui.</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>Nenhuma estação própria ainda. Adicione uma pelo endereço em Adicionar estação…</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Tocar/Pausar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Tocar uma estação a&amp;leatória</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>A&amp;umentar volume</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Diminuir volume</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
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
Tente 'pemba-vello --help'.
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello: outro Pemba Vello está em execução, mas não responde.
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Nada tocando</translation>
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
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar o %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Ocultar outros</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Sair do %1</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>O %1 continua tocando. Clique no ícone na bandeja do sistema para mostrar a janela de novo.</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
Rádio pela internet, as mais populares primeiro.</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desligado</translation>
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
        <translation>&amp;Fim da música atual</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>&amp;Pemba Vello</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Sobre o %1</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>&amp;Recarregar estações</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>&amp;Adicionar estação…</translation>
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
        <translation>&amp;Preferências…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>&amp;Reprodução</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>Ti&amp;mer para desligar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>Gravando</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>O endereço de um documento de catálogo, carregado no lugar do diretório.</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>Não é um endereço para carregar: deve começar com https:// ou http://.</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>Diretório &amp;público de rádios</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>&amp;Endereço do catálogo</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>&amp;Ajudar a classificar as estações: informar ao diretório quais estações eu ouço</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>&amp;Notificar quando a música mudar</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>Continuar tocando com a &amp;janela fechada</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>Fonte do catálogo</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>Endereço do documento do catálogo</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>A&amp;brir as estações quando o ponteiro para sobre elas</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>Não é um endereço para carregar: tem mais de %L1 caracteres.</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>A senha deste endereço fica guardada como texto simples no arquivo de configurações.</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>&amp;Continuar a última estação ao iniciar o Pemba Vello</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>Esta execução carrega o catálogo indicado na linha de comando. O que for escolhido aqui fica salvo e vale a partir da próxima inicialização.</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>Buscar estações, países, gêneros...</translation>
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
        <translation>Início</translation>
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
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvando…</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>Salvar esta música do que foi guardado, como a estação a transmitiu</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>Salvar %1</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>Salvar música</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Pesquisar na web</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>Ouvida às %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>Copiar o título</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>Pesquisar %1 na web</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>Pesquisar o título na web</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>Limpar músicas</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>Limpar a lista de músicas ouvidas?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>Nome da estação</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>Minha estação</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>Endereço da transmissão ou da playlist</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>Endereço do logotipo</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>jazz, ao vivo, local</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>Editar estação</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>Adicionar estação</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>Remover estação…</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>Remover estação</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>O endereço da transmissão, ou de uma playlist (.pls, .m3u) que a contenha.</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>Opcional: o endereço de uma imagem para a estação.</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>Remover “%1” de Minhas estações?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>Remover das favoritas</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Adicionar às favoritas</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Tocar %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
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
        <translation>Editar estação</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>Estação própria</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>Remover %1 das favoritas</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>Adicionar %1 às favoritas</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>&amp;Soneca de 10 minutos</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>Parar a&amp;larme</translation>
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
        <translation>Soneca de 10 minutos</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Parar alarme</translation>
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
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>Alarmes e gravações agendadas</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>Alarmes e gravações agendadas</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>Adicionar &amp;alarme</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>Adicionar gravação a&amp;gendada</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>Alarmes e gravações só acontecem enquanto o Pemba Vello está em execução, na janela ou na bandeja do sistema.</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Termina às</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>&amp;Termina às:</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>Repete em:</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>Sem nenhum dia escolhido, acontece uma vez.</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Estação:</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>Volume até onde sobe</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> min</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>Sobe durante, em minutos</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>S&amp;obe durante:</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
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
        <translation>Nenhuma estação</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>Gravação %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>Gravação agendada</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>&amp;Começa às:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Começa às</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>Não foi possível removê-la.</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>Não foi possível criar a pasta de início automático.</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>Iniciar o Pemba Vello ao entrar na sessão</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>Não foi possível alterar a entrada de início de sessão: %1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>Buscar estações</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>Estações encontradas</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>Nenhuma estação escolhida</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>Estação: fora da lista agora</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Estação: %1</translation>
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
        <translation>Gêneros</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>Perto de você</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>Somente HTTPS</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>%1 kbps ou mais</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>Contando estações...</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>Filtrar %Ln gênero</numerusform>
            <numerusform>Filtrar todos os %Ln gêneros</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>Mostrar todas as estações</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1, perto de você, %Ln estação</numerusform>
            <numerusform>%1, perto de você, %Ln estações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1, %Ln estação</numerusform>
            <numerusform>%1, %Ln estações</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>&amp;Ir ao vivo</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>Avança&amp;r 15 s</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>&amp;Voltar 15 s</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>&amp;Tocar/Pausar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>Tocar uma estação a&amp;leatória</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>A&amp;umentar volume</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>&amp;Diminuir volume</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>&amp;Gravar</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>Tocar em</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>&amp;Este computador</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>Parar a gravação</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>Gravando há %1</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>A pausa guarda o seu lugar por este tempo, e as músicas ouvidas nele podem ser salvas.</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>Minutos guardados para pausar o rádio ao vivo e salvar músicas ouvidas</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>Guar&amp;dar os últimos:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Pa&amp;sta:</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>Esc&amp;olher…</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>Manter só as músicas co&amp;mpletas</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>Pasta das gravações</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>Manter só as músicas completas</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>Quando uma gravação parar, apagar o primeiro e o último arquivo: as músicas que ela pegou só em parte.</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Pasta das gravações</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>%1 atrás do ao vivo</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>Tocar o que a estação transmite agora</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>Ao vivo</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · Gravando</translation>
    </message>
</context>
</TS>