<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>曲を最後まで保存できませんでした: 曲が終わる前に放送局が停止しました。</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>「%1」を保存しました。</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>このファイルはお気に入り局のリストにしては大きすぎます。</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>放送局を読み込んでいます…</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>放送局を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>現在利用できる放送局はありません。</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>このファイルはお気に入り局のリストではありません。</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>ファイルが壊れています。有効な JSON ではありません。</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>フェードアウト中…</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>あと %1 分で停止</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>この曲の後に停止</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>配列</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>真偽値</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>不明な値</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>カタログが空です</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>カタログが有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>文字列が閉じられていません。カタログが途中で切れている可能性があります</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>配列やオブジェクトが閉じる前にカタログが終わっています。途中で切れている可能性があります</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>JSON の形式が正しくありません (カンマ、角かっこ、波かっこ、コロンの位置の誤り)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>文字列に無効なエスケープシーケンスがあります</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>文字列にエスケープされていない制御文字 (タブや改行など) があります</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>数値の形式が正しくありません</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>true、false、null のつづりが誤っています</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>カタログが大きすぎて読み込めません</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>配列やオブジェクトの入れ子が深すぎます</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>JSON の形式が正しくありません (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>カタログを読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>放送局 %1: "%2" は%3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>放送局 %1 は%2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>放送局 %1: %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>放送局 %1 の "%2": %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>カタログが JSON ではなく、ウェブページか XML です</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>カタログは放送局の JSON 配列である必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>カタログの配列の後にさらにテキストがあります</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>オブジェクトである必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>文字列か null である必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>整数か null である必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>整数である必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>符号付き 64 ビット整数に収まる必要がありますが、%1 でした</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>形式の正しくない数値を含んでいます: %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>配列やオブジェクトの入れ子が %1 段を超えています</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>カタログを読み込めませんでした</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>名前のない放送局</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>ライブ放送局</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>放送局カタログのサーバーが %1 (%2) を返しました。</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>放送局カタログのサーバーが %1 を返しました。</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>放送局カタログのサーバーにつながりませんでした。</translation>
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
            <numerusform>%Ln バイト</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ミリ秒</translation>
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation>応答が %1 を超えています</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>アプリケーションの終了により転送を中止しました</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>サーバーが %1 以内に接続を受け付けませんでした</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>ダウンロードに %1 以上かかりました</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>サーバーから届くデータが少なすぎます: %2 の間、毎秒 %1 未満でした</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>サーバーから %1 の間データが届きませんでした</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>"%1" は有効なウェブアドレスではありません</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>接続中…</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>バッファリング中 %1%</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 %2 秒後に再試行します…</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>この放送局のプレイリストには、ここで再生できるストリームがありません。</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>この放送局には他に試せるアドレスがありません。</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>放送局のサーバーにつながりませんでした。</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>放送局のサーバーが混み合っています。</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>放送局からの音声が途絶えました。</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>放送局がこのストリームの再生を拒否しました。</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>放送局から音声以外のものが届きました。</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>このストリームはここでは再生できない形式です。</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>放送局から届いた音声をデコードできませんでした。</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>放送局が要求を拒否しました (%1)。</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>放送局によると、このストリームは存在しません (%1)。</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>放送局がこのストリームの再生を拒否しました (%1)。</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>放送局のサーバーが混み合っています (%1)。</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>放送局のサーバーに障害があります (%1)。</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>放送局の安全な接続を確認できませんでした。</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>ストリームを再生できませんでした。</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>このストリームはここでは再生できない形式です (%1)。%2 をインストールすると再生できます。</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>このストリームはここでは再生できない形式です (%1)。</translation>
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
        <translation>ここには自分の放送局を保存できません。</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>これ以上自分の放送局を追加できません。</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>この放送局はもう自分の放送局にありません。</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>放送局の名前を入力してください。</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>ストリームまたはプレイリストのアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>http:// または https:// で始まる完全なアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>http:// または https:// で始まる完全なアドレスを入力するか、空欄のままにしてください。</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>放送局カタログのサーバーから使える放送局が返されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>放送局カタログのサーバーが返した放送局は %Ln 局だけで、すでにある数の半分に足りません。</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>安全な接続を確立できませんでした。このアドレスのサーバーは https に対応していない可能性があります。</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>ファイルがもうありません。</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>今は自分の放送局を変更できません。「%1」は見つかったときのまま残されます。</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>「%1」は新しいバージョンの Pemba Vello で保存されています。このバージョンで読める内容は表示されますが、ファイルはそのまま残され、今行った変更は保存されません。</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>プレーヤーが保持できるより多くの項目が含まれています。</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>プレーヤーが読み込めるサイズを超えています。</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>破損しています。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>システムがプレーヤーによる読み込みを許可しませんでした: %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>横に退避したファイルが多すぎます。</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>「%1」を読み込めませんでした。%2 元のまま「%3」として保管し、読み込めた内容で続行します。</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>「%1」を読み込めませんでした。%2 退避することもできなかったため（%3）、次に起動するまでこのファイルはそのままにし、変更を保存しません。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>%Ln 分前に動作を確認</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>%Ln 時間前に動作を確認</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln 日前に動作を確認</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>録音を停止しました: ディスクがいっぱいか、空き容量が 200 MB 未満です。</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>録音を停止しました: フォルダーに書き込めません。</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>録音を停止しました: ファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>この局は再エンコードしないと録音できないため、何も録音していません。</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>この曲はもう保持されていません。</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>ネットワーク上のスピーカーを探せません: %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>時間内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>時間内に再生が始まりませんでした。</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>この種類のストリームは再生できません（%1）。</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>拒否されました: %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>接続できません: %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>%1 で放送局の再生が止まりました: %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>ネットワーク上に見つからなくなりました。</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>ひとりでに停止しました。</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>エラーが報告されました: %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>この局には再生できるアドレスがありません。</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>この局はここでは録音できません。</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>%1 の録音は行われませんでした：Pemba Vello が起動していませんでした。</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>%1 のアラームは鳴りませんでした：コンピューターがスリープ中だったか、Pemba Vello が起動していませんでした。</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>予約録音が開始されませんでした：その局が一覧にありません。</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>%1 の録音が止まりました：%2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>ラジオを再生中</translation>
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>お気に入りを書き出す</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>お気に入りを読み込む</translation>
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation>お気に入り (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>Pemba Vello お気に入り.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>お気に入りを「%1」に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>「%1」は読み込まれませんでした。お気に入りは変更されていません。

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>%Ln 局をお気に入りに追加しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>自分の放送局 %Ln 件を追加しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>%Ln 局はすでにあったため、スキップしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>%Ln 件の項目は再生できる放送局ではないため、スキップしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>これ以上保存できないため、自分の放送局 %Ln 件をスキップしました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>--%1 には http または https の絶対アドレスが必要です ("%2" は使えません)</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello — インターネットラジオ プレーヤー</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>設定にかかわらず、今回は &lt;URL&gt; から放送局カタログをダウンロードします。</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>サーバーを探す代わりに、&lt;URL&gt; のラジオディレクトリ サーバーからカタログを取得します。複数回指定すると順に試します。</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>予期しない引数: %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>--%1 に指定できるアドレスは %2 文字までです</translation>
    </message>
    <message>
        <source>value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>Qt 独自のオプション:</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>名前|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>この識別子の局を再生します。なければ &lt;名前&gt; の検索で最初に表示される局を、またはこのウェブアドレスのストリームやプレイリストを再生します（記録されません）。実行中のプレーヤーを操作するか、なければ起動します。</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>実行中のプレーヤーを一時停止します。なければ一時停止の状態で起動します。</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>再生中なら一時停止し、そうでなければ再生します。</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>リストの次の局を再生します。</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>リストの前の局を再生します。</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>音量を 0〜100 で設定します。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>実行中のプレーヤーの様子を表示します：状態、局、曲、音量。</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>--status と共に：JSON で答えます。</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>コマンドは一度に一つです（%1 ではなく）</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json は --status と共に使います</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>--volume には 0〜100 の整数を指定します（「%1」ではなく）</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>--play には局の名前、識別子、またはアドレスが必要です</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play:「%1」はウェブアドレスではありません</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>完了、またはウィンドウが閉じられた</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>実行中のプレーヤーが応答しない</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>コマンドラインが正しくない</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status: 実行中のプレーヤーがない</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play: 一致する局がない</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>曲をクリア…</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>曲をクリア</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>放送局を追加…</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>放送局を追加</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>曲</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>自分の放送局</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>人気の放送局</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>World</source>
        <translation>ワールド</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>放送局のホームページを開く</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>ホームか「探す」から放送局を選んでください</translation>
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
        <translation>Pemba Vello は実行中ですが応答しません: %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>Pemba Vello は実行されていません。
</translation>
    </message>
    <message>
        <source>State: %1
</source>
        <translation>状態: %1
</translation>
    </message>
    <message>
        <source>Station: %1
</source>
        <translation>局: %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>曲: %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>音量: %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>「%1」に一致する局はありません。
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>%1 を再生中。
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>%1 を再生中。ほかに %n 局が一致します。
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
        <translation>%1 / %2 MB</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>検索中</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>人気の放送局</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>放送局を探す</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>次に再生</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>まだ放送局はありません。</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>まだ曲を聴いていません。放送局が送る曲名がここに表示されます。</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>自分の放送局はまだありません。「放送局を追加…」からアドレスで追加できます。</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>再生/一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>前へ(&amp;V)</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>ランダムな放送局を再生(&amp;R)</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>音量を上げる(&amp;U)</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>音量を下げる(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>ミュート(&amp;M)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>探す</translation>
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
'pemba-vello --help' を参照してください。
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello: 別の Pemba Vello が実行中ですが応答しません。
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>再生していません</translation>
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
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 を隠す</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>ほかを隠す</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 を終了</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>%1 は再生を続けています。ウィンドウを再表示するには、システムトレイのアイコンをクリックしてください。</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
人気の局から並ぶインターネットラジオ。</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>15 分(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>30 分(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>45 分(&amp;4)</translation>
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation>60 分(&amp;6)</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>90 分(&amp;9)</translation>
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation>現在の曲の終わり(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>Pemba Vello(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>%1 について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>放送局を再読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>放送局を追加…(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation>お気に入りを読み込む…(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation>お気に入りを書き出す…(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>設定…(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>再生(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>スリープタイマー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>録音中</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>ディレクトリの代わりに読み込むカタログ文書のアドレスです。</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>読み込めるアドレスではありません。https:// か http:// で始めてください。</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>公開ラジオディレクトリ(&amp;P)</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>カタログのアドレス(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>ランキングに協力する: 再生した局をディレクトリに伝える(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>曲が変わったら通知する(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>ウィンドウを閉じても再生を続ける(&amp;K)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>カタログの取得元</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>カタログ文書のアドレス</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>ポインターを置いたときに放送局を先に開く(&amp;O)</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>読み込めるアドレスではありません。%L1 文字を超えています。</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>このアドレスに含まれるパスワードは、設定ファイルに平文で保存されます。</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>Pemba Vello の起動時に前回の放送局を続ける(&amp;T)</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>今回はコマンドラインで指定されたカタログを読み込みます。ここでの選択は保存され、次回の起動から適用されます。</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>放送局・国・ジャンルを検索…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>探す</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>保存済み</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>保持している音声から、この曲を放送されたまま保存します</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 を保存</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>曲を保存</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>ウェブで検索</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>%1 に再生</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 をコピー</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>曲名をコピー</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>%1 をウェブで検索</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>曲名をウェブで検索</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>曲をクリア</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>聴いた曲のリストをクリアしますか?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>放送局の名前</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>マイ放送局</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>ストリームまたはプレイリストのアドレス</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>ロゴのアドレス</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>ジャズ, ライブ, 地元</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>放送局を編集</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>放送局を追加</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>アドレス(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>ロゴ(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>タグ(&amp;T):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>放送局を削除…</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>放送局を削除</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>ストリームのアドレス、またはそれを含むプレイリスト(.pls、.m3u)のアドレス。</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>任意: 放送局の画像のアドレス。</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>「%1」を自分の放送局から削除しますか？</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
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
        <translation>お気に入りから削除</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>お気に入りに追加</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 を再生</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message numerus="yes">
        <source>%Ln votes</source>
        <translation>
            <numerusform>%Ln 票</numerusform>
        </translation>
    </message>
    <message>
        <source>World</source>
        <translation>ワールド</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 を編集</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>放送局を編集</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>自分の放送局</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>%1 をお気に入りから削除</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>%1 をお気に入りに追加</translation>
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>10 分スヌーズ(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>アラームを停止(&amp;T)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation>10 分スヌーズ</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>アラームを停止</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>アラーム…(&amp;A)</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation>アラーム %1</translation>
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation>アラーム %1 · %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>アラームと予約録音</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>アラームと予約録音</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>アラームを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>予約録音を追加(&amp;C)</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>アラームと録音は、Pemba Vello がウィンドウまたはシステムトレイで動いている間だけ働きます。</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>終了時刻(&amp;E):</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>繰り返す曜日:</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>曜日を選ばないと一度だけ行われます。</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>局:</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>上がりきる音量</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>音量(&amp;V):</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> 分</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>上がるまでの時間（分）</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>上がるまでの時間(&amp;O):</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>一度だけ</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation>アラーム %1 · %2 · %3</translation>
    </message>
    <message>
        <source>No station</source>
        <translation>局なし</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>録音 %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>予約録音</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>時刻(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>開始時刻(&amp;S):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>開始時刻</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>削除できませんでした。</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>自動起動フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>ログイン時に Pemba Vello を起動</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>ログイン時の設定を変更できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>局を検索</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>見つかった局</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>局が選ばれていません</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>局: 現在一覧にありません</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>局: %1</translation>
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Filter countries</source>
        <translation>国で絞り込む</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Filter languages</source>
        <translation>言語で絞り込む</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>お近く</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>HTTPS のみ</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>%1 kbps 以上</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>放送局を数えています…</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>全 %Ln ジャンルから絞り込む</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 を解除</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>すべての放送局を表示</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1、お近く、%Ln 局</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1、%Ln 局</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>ライブに戻る(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>15 秒進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>15 秒戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>再生/一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>前へ(&amp;V)</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>ランダムな放送局を再生(&amp;R)</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>音量を上げる(&amp;U)</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>音量を下げる(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>ミュート(&amp;M)</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>録音(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>再生先</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>このコンピューター(&amp;T)</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>録音を停止</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>録音中 %1</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>一時停止はこの間だけ位置を保ち、この間に聴いた曲を保存できます。</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>ライブの一時停止と聴いた曲の保存のために保持する分数</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>保持する長さ(&amp;L):</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>フォルダー(&amp;F):</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>選択…(&amp;S)</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>完全な曲だけを残す(&amp;C)</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>録音の保存先フォルダー</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>完全な曲だけを残す</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>録音を止めたとき、一部しか録れていない最初と最後のファイルを削除します。</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>録音の保存先フォルダー</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>ライブから%1遅れ</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>放送局が今流しているものを再生</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>ライブへ</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · 録音中</translation>
    </message>
</context>
</TS>