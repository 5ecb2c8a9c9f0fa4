<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar">
<context>
    <name>Core</name>
    <message>
        <source>The song was not saved whole: its station stopped before the song ended.</source>
        <translation>لم تُحفظ الأغنية كاملة: توقفت محطتها قبل انتهاء الأغنية.</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>حُفظت «%1».</translation>
    </message>
    <message>
        <source>The file is too large to be a list of favourite stations.</source>
        <translation>الملف أكبر من أن يكون قائمة بالمحطات المفضلة.</translation>
    </message>
    <message>
        <source>Loading stations...</source>
        <translation>جارٍ تحميل المحطات...</translation>
    </message>
    <message>
        <source>Unable to load stations: %1</source>
        <translation>تعذّر تحميل المحطات: %1</translation>
    </message>
    <message>
        <source>No stations are available right now.</source>
        <translation>لا توجد محطات متاحة حاليًا.</translation>
    </message>
    <message>
        <source>The file is not a list of favourite stations.</source>
        <translation>الملف ليس قائمة بالمحطات المفضلة.</translation>
    </message>
    <message>
        <source>The file is damaged: it is not valid JSON.</source>
        <translation>الملف تالف: ليس بتنسيق JSON صالح.</translation>
    </message>
    <message>
        <source>Fading out…</source>
        <translation>يخفت الصوت…</translation>
    </message>
    <message>
        <source>Sleep in %1 min</source>
        <translation>إيقاف بعد %1 دقيقة</translation>
    </message>
    <message>
        <source>Sleep after this song</source>
        <translation>إيقاف بعد هذه الأغنية</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>مصفوفة</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>كائن</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>سلسلة نصية</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>قيمة منطقية</translation>
    </message>
    <message>
        <source>an unknown value</source>
        <translation>قيمة غير معروفة</translation>
    </message>
    <message>
        <source>the catalog is empty</source>
        <translation>الفهرس فارغ</translation>
    </message>
    <message>
        <source>the catalog is not valid UTF-8 text</source>
        <translation>الفهرس ليس نصًا صالحًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>a string is never closed; the catalog may be cut off</source>
        <translation>سلسلة نصية لم تُغلق؛ ربما الفهرس مقطوع</translation>
    </message>
    <message>
        <source>the catalog ends before its arrays and objects are closed; it may be cut off</source>
        <translation>ينتهي الفهرس قبل إغلاق مصفوفاته وكائناته؛ ربما هو مقطوع</translation>
    </message>
    <message>
        <source>the JSON is malformed (a misplaced comma, bracket, brace or colon)</source>
        <translation>صيغة JSON غير سليمة (فاصلة أو قوس أو معقوف أو نقطتان في غير موضعها)</translation>
    </message>
    <message>
        <source>a string holds an invalid escape sequence</source>
        <translation>تحتوي سلسلة نصية على تسلسل هروب غير صالح</translation>
    </message>
    <message>
        <source>a string holds an unescaped control character such as a tab or a line break</source>
        <translation>تحتوي سلسلة نصية على محرف تحكم غير مُهرَّب مثل علامة جدولة أو فاصل أسطر</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>رقم بصيغة غير سليمة</translation>
    </message>
    <message>
        <source>a true, false or null is misspelt</source>
        <translation>كلمة true أو false أو null مكتوبة خطأ</translation>
    </message>
    <message>
        <source>the catalog is too large to decode</source>
        <translation>الفهرس أكبر من أن يُفك ترميزه</translation>
    </message>
    <message>
        <source>arrays and objects nest too deeply</source>
        <translation>المصفوفات والكائنات متداخلة بعمق زائد</translation>
    </message>
    <message>
        <source>the JSON is malformed (%1)</source>
        <translation>صيغة JSON غير سليمة (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to read the catalog</source>
        <translation>لا توجد ذاكرة كافية لقراءة الفهرس</translation>
    </message>
    <message>
        <source>station %1: "%2" %3</source>
        <translation>المحطة %1: "%2" %3</translation>
    </message>
    <message>
        <source>station %1 %2</source>
        <translation>المحطة %1: %2</translation>
    </message>
    <message>
        <source>station %1: %2</source>
        <translation>المحطة %1: %2</translation>
    </message>
    <message>
        <source>station %1, in "%2": %3</source>
        <translation>المحطة %1، في "%2": %3</translation>
    </message>
    <message>
        <source>the catalog is a web page or XML, not JSON</source>
        <translation>الفهرس صفحة ويب أو XML وليس JSON</translation>
    </message>
    <message>
        <source>the catalog must be a JSON array of stations, found %1</source>
        <translation>يجب أن يكون الفهرس مصفوفة JSON من المحطات، لكن وُجد %1</translation>
    </message>
    <message>
        <source>the catalog has more text after the end of its array</source>
        <translation>يحتوي الفهرس على نص إضافي بعد نهاية مصفوفته</translation>
    </message>
    <message>
        <source>must be an object, found %1</source>
        <translation>يجب أن تكون كائنًا، لكن وُجد %1</translation>
    </message>
    <message>
        <source>must be a string or null, found %1</source>
        <translation>يجب أن تكون سلسلة نصية أو null، لكن وُجد %1</translation>
    </message>
    <message>
        <source>must be an integer or null, found %1</source>
        <translation>يجب أن تكون عددًا صحيحًا أو null، لكن وُجد %1</translation>
    </message>
    <message>
        <source>must be a whole number, found %1</source>
        <translation>يجب أن تكون عددًا صحيحًا، لكن وُجد %1</translation>
    </message>
    <message>
        <source>must fit in a signed 64-bit integer, found %1</source>
        <translation>يجب أن تتسع في عدد صحيح بإشارة من 64 بت، لكن وُجد %1</translation>
    </message>
    <message>
        <source>holds a malformed number: %1</source>
        <translation>تحتوي على رقم بصيغة غير سليمة: %1</translation>
    </message>
    <message>
        <source>arrays and objects nest more than %1 levels deep</source>
        <translation>المصفوفات والكائنات متداخلة بأكثر من %1 مستوى</translation>
    </message>
    <message>
        <source>the catalog could not be read</source>
        <translation>تعذّرت قراءة الفهرس</translation>
    </message>
    <message>
        <source>Unnamed station</source>
        <translation>محطة بلا اسم</translation>
    </message>
    <message>
        <source>Live station</source>
        <translation>محطة مباشرة</translation>
    </message>
    <message>
        <source>The station catalog server answered %1 (%2).</source>
        <translation>ردّ خادم فهرس المحطات بالرمز %1 (%2).</translation>
    </message>
    <message>
        <source>The station catalog server answered %1.</source>
        <translation>ردّ خادم فهرس المحطات بالرمز %1.</translation>
    </message>
    <message>
        <source>No station catalog server could be reached.</source>
        <translation>تعذّر الوصول إلى أي خادم لفهرس المحطات.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>بايت واحد</numerusform>
            <numerusform>بايتان</numerusform>
            <numerusform>%Ln بايتات</numerusform>
            <numerusform>%Ln بايتًا</numerusform>
            <numerusform>%Ln بايت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتين</numerusform>
            <numerusform>%Ln ثوانٍ</numerusform>
            <numerusform>%Ln ثانية</numerusform>
            <numerusform>%Ln ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 مللي ثانية</translation>
    </message>
    <message>
        <source>The response is larger than %1</source>
        <translation>الرد أكبر من %1</translation>
    </message>
    <message>
        <source>The transfer was stopped because the application is closing</source>
        <translation>توقف النقل لأن التطبيق يُغلق</translation>
    </message>
    <message>
        <source>The server did not accept a connection within %1</source>
        <translation>لم يقبل الخادم الاتصال خلال %1</translation>
    </message>
    <message>
        <source>The download took longer than %1</source>
        <translation>استغرق التنزيل أكثر من %1</translation>
    </message>
    <message>
        <source>The server sent too little data: less than %1 a second over %2</source>
        <translation>أرسل الخادم بيانات قليلة جدًا: أقل من %1 في الثانية خلال %2</translation>
    </message>
    <message>
        <source>The server sent no data for %1</source>
        <translation>لم يرسل الخادم أي بيانات لمدة %1</translation>
    </message>
    <message>
        <source>"%1" is not a valid web address</source>
        <translation>"%1" ليس عنوان ويب صالحًا</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>جارٍ الاتصال…</translation>
    </message>
    <message>
        <source>Buffering %1 %</source>
        <translation>جارٍ التخزين المؤقت %1٪</translation>
    </message>
    <message>
        <source>%1 Trying again in %2 s…</source>
        <translation>%1 إعادة المحاولة بعد %2 ث…</translation>
    </message>
    <message>
        <source>The station's playlist lists no stream that can be played here.</source>
        <translation>لا تتضمن قائمة تشغيل المحطة أي بث يمكن تشغيله هنا.</translation>
    </message>
    <message>
        <source>The station has no other address to try.</source>
        <translation>ليس لدى المحطة عنوان آخر للمحاولة.</translation>
    </message>
    <message>
        <source>The station's server could not be reached.</source>
        <translation>تعذّر الوصول إلى خادم المحطة.</translation>
    </message>
    <message>
        <source>The station's server is busy.</source>
        <translation>خادم المحطة مشغول.</translation>
    </message>
    <message>
        <source>The station stopped sending audio.</source>
        <translation>توقفت المحطة عن إرسال الصوت.</translation>
    </message>
    <message>
        <source>The station refused to play this stream.</source>
        <translation>رفضت المحطة تشغيل هذا البث.</translation>
    </message>
    <message>
        <source>The station sent something that is not audio.</source>
        <translation>أرسلت المحطة شيئًا ليس صوتًا.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here.</source>
        <translation>هذا البث بتنسيق لا يمكن تشغيله هنا.</translation>
    </message>
    <message>
        <source>The station sent audio that could not be decoded.</source>
        <translation>أرسلت المحطة صوتًا تعذّر فك ترميزه.</translation>
    </message>
    <message>
        <source>The station refused the request (%1).</source>
        <translation>رفضت المحطة الطلب (%1).</translation>
    </message>
    <message>
        <source>The station says this stream does not exist (%1).</source>
        <translation>تقول المحطة إن هذا البث غير موجود (%1).</translation>
    </message>
    <message>
        <source>The station refused to play this stream (%1).</source>
        <translation>رفضت المحطة تشغيل هذا البث (%1).</translation>
    </message>
    <message>
        <source>The station's server is busy (%1).</source>
        <translation>خادم المحطة مشغول (%1).</translation>
    </message>
    <message>
        <source>The station's server has a fault (%1).</source>
        <translation>في خادم المحطة عطل (%1).</translation>
    </message>
    <message>
        <source>The station's secure connection could not be verified.</source>
        <translation>تعذّر التحقق من الاتصال الآمن بالمحطة.</translation>
    </message>
    <message>
        <source>The stream could not be played.</source>
        <translation>تعذّر تشغيل البث.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1); installing %2 adds it.</source>
        <translation>هذا البث بتنسيق لا يمكن تشغيله هنا (%1)؛ تثبيت %2 يضيفه.</translation>
    </message>
    <message>
        <source>This stream is in a format that cannot be played here (%1).</source>
        <translation>هذا البث بتنسيق لا يمكن تشغيله هنا (%1).</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 كيلوبت/ث</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 كيلوهرتز</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Stations of your own cannot be kept here.</source>
        <translation>لا يمكن حفظ محطاتك الخاصة هنا.</translation>
    </message>
    <message>
        <source>You cannot add more stations of your own.</source>
        <translation>لا يمكنك إضافة المزيد من محطاتك الخاصة.</translation>
    </message>
    <message>
        <source>The station is no longer among your own.</source>
        <translation>لم تعد هذه المحطة من محطاتك.</translation>
    </message>
    <message>
        <source>Give the station a name.</source>
        <translation>أدخل اسمًا للمحطة.</translation>
    </message>
    <message>
        <source>Enter the address of the stream or its playlist.</source>
        <translation>أدخل عنوان البث أو قائمة تشغيله.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address.</source>
        <translation>أدخل عنوانًا كاملًا يبدأ بـ http://‎ أو https://‎.</translation>
    </message>
    <message>
        <source>Enter a full http:// or https:// address, or leave it empty.</source>
        <translation>أدخل عنوانًا كاملًا يبدأ بـ http://‎ أو https://‎، أو اتركه فارغًا.</translation>
    </message>
    <message>
        <source>The station catalog server answered with no usable stations.</source>
        <translation>لم يُعِد خادم فهرس المحطات أي محطة صالحة للاستخدام.</translation>
    </message>
    <message numerus="yes">
        <source>The station catalog server answered with only %Ln station(s), fewer than half of those already here.</source>
        <translation>
            <numerusform>لم يُعِد خادم فهرس المحطات أي محطة (%Ln)، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
            <numerusform>لم يُعِد خادم فهرس المحطات إلا محطة واحدة (%Ln)، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
            <numerusform>لم يُعِد خادم فهرس المحطات إلا محطتين (%Ln)، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
            <numerusform>لم يُعِد خادم فهرس المحطات إلا %Ln محطات، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
            <numerusform>لم يُعِد خادم فهرس المحطات إلا %Ln محطة، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
            <numerusform>لم يُعِد خادم فهرس المحطات إلا %Ln محطة، وهذا أقل من نصف المحطات الموجودة هنا.</numerusform>
        </translation>
    </message>
    <message>
        <source>No secure connection could be made: the server may not offer https at this address.</source>
        <translation>تعذّر إنشاء اتصال آمن: ربما لا يوفّر الخادم https على هذا العنوان.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>لم يعد الملف موجودًا.</translation>
    </message>
    <message>
        <source>Stations of your own cannot be changed now: “%1” is left as it was found.</source>
        <translation>لا يمكن تغيير محطاتك الخاصة الآن: يُترك “%1” كما وُجد.</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer version of Pemba Vello. What this version knows of it is shown, but it is left as it is: changes made now are not kept.</source>
        <translation>حُفظ “%1” بإصدار أحدث من Pemba Vello. يُعرض ما يفهمه هذا الإصدار منه، لكنه يُترك كما هو: لن تُحفظ التغييرات التي تجريها الآن.</translation>
    </message>
    <message>
        <source>It holds more entries than the player keeps.</source>
        <translation>يحتوي على إدخالات أكثر مما يحتفظ به المشغّل.</translation>
    </message>
    <message>
        <source>It is larger than the player reads.</source>
        <translation>إنه أكبر مما يقرؤه المشغّل.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>إنه تالف.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The system did not let the player read it: %1</source>
        <translation>لم يسمح النظام للمشغّل بقراءته: %1</translation>
    </message>
    <message>
        <source>There are too many files set aside beside it.</source>
        <translation>توجد بجانبه ملفات كثيرة جدًا نُحّيت جانبًا.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with what it could read.</source>
        <translation>تعذّرت قراءة “%1”. %2 حُفظ كما هو باسم “%3”، ويتابع المشغّل بما استطاع قراءته.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2 It could not be set aside either (%3), so the player leaves it as it is and keeps no changes to it until it starts again.</source>
        <translation>تعذّرت قراءة “%1”. %2 وتعذّر أيضًا تنحيته جانبًا (%3)، لذا يتركه المشغّل كما هو ولا يحفظ فيه أي تغييرات حتى يبدأ من جديد.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln minute(s) ago</source>
        <translation>
            <numerusform>تم التحقق من عملها قبل %Ln دقيقة</numerusform>
            <numerusform>تم التحقق من عملها قبل دقيقة واحدة</numerusform>
            <numerusform>تم التحقق من عملها قبل دقيقتين</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln دقائق</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln دقيقة</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln hour(s) ago</source>
        <translation>
            <numerusform>تم التحقق من عملها قبل %Ln ساعة</numerusform>
            <numerusform>تم التحقق من عملها قبل ساعة واحدة</numerusform>
            <numerusform>تم التحقق من عملها قبل ساعتين</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln ساعات</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln ساعة</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked working %Ln day(s) ago</source>
        <translation>
            <numerusform>تم التحقق من عملها قبل %Ln يوم</numerusform>
            <numerusform>تم التحقق من عملها قبل يوم واحد</numerusform>
            <numerusform>تم التحقق من عملها قبل يومين</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln أيام</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln يومًا</numerusform>
            <numerusform>تم التحقق من عملها قبل %Ln يوم</numerusform>
        </translation>
    </message>
<message>
        <source>Recording stopped: the disk is full or has less than 200 MB free.</source>
        <translation>توقف التسجيل: القرص ممتلئ أو فيه أقل من 200 ميغابايت متاحة.</translation>
    </message>
    <message>
        <source>Recording stopped: the folder cannot be written to.</source>
        <translation>توقف التسجيل: لا يمكن الكتابة في المجلد.</translation>
    </message>
    <message>
        <source>Recording stopped: the file could not be written.</source>
        <translation>توقف التسجيل: تعذّرت كتابة الملف.</translation>
    </message>
    <message>
        <source>This station cannot be recorded without re-encoding it, so nothing was recorded.</source>
        <translation>لا يمكن تسجيل هذه المحطة دون إعادة ترميزها، لذا لم يُسجَّل شيء.</translation>
    </message>
    <message>
        <source>This song is no longer kept.</source>
        <translation>لم تعد هذه الأغنية محفوظة.</translation>
    </message>
<message>
        <source>Speakers on the network cannot be found: %1</source>
        <translation>تعذّر البحث عن مكبّرات الصوت على الشبكة: %1</translation>
    </message>
    <message>
        <source>It did not answer in time.</source>
        <translation>لم يُجب في الوقت المحدد.</translation>
    </message>
    <message>
        <source>It did not start playing in time.</source>
        <translation>لم يبدأ التشغيل في الوقت المحدد.</translation>
    </message>
    <message>
        <source>It cannot play this kind of stream (%1).</source>
        <translation>لا يمكنه تشغيل هذا النوع من البث (%1).</translation>
    </message>
    <message>
        <source>It refused: %1</source>
        <translation>رُفض الطلب: %1</translation>
    </message>
    <message>
        <source>It could not be reached: %1</source>
        <translation>تعذّر الوصول إليه: %1</translation>
    </message>
    <message>
        <source>%1 stopped playing the station: %2</source>
        <translation>توقّف %1 عن تشغيل المحطة: %2</translation>
    </message>
    <message>
        <source>It is no longer on the network.</source>
        <translation>لم يعد موجودًا على الشبكة.</translation>
    </message>
    <message>
        <source>It stopped on its own.</source>
        <translation>توقّف من تلقاء نفسه.</translation>
    </message>
    <message>
        <source>It reported an error: %1</source>
        <translation>أبلغ عن خطأ: %1</translation>
    </message>
    <message>
        <source>The station has no address to play.</source>
        <translation>ليس للمحطة عنوان يمكن تشغيله.</translation>
    </message>
    <message>
        <source>This station cannot be recorded here.</source>
        <translation>لا يمكن تسجيل هذه المحطة هنا.</translation>
    </message>
    <message>
        <source>The recording at %1 was missed: Pemba Vello was not running.</source>
        <translation>فات التسجيل المقرر في %1: لم يكن Pemba Vello يعمل.</translation>
    </message>
    <message>
        <source>The alarm at %1 was missed: the computer was asleep or Pemba Vello was not running.</source>
        <translation>فات المنبه في %1: كان الحاسوب في وضع السكون أو لم يكن Pemba Vello يعمل.</translation>
    </message>
    <message>
        <source>A scheduled recording did not start: its station is not in the list.</source>
        <translation>لم يبدأ تسجيل مقرر: محطته ليست في القائمة.</translation>
    </message>
    <message>
        <source>The recording of %1 stopped: %2</source>
        <translation>توقف تسجيل %1: %2</translation>
    </message>
</context>
<context>
    <name>DBusIdleInhibitor</name>
    <message>
        <source>Playing a radio stream</source>
        <translation>يجري تشغيل بث إذاعي</translation>
    </message>
</context>
<context>
    <name>FavoritesTransfer</name>
    <message>
        <source>Export Favourites</source>
        <translation>تصدير المفضلة</translation>
    </message>
    <message>
        <source>Import Favourites</source>
        <translation>استيراد المفضلة</translation>
    </message>
    <message>
        <source>Favourites (*.json);;All files (*)</source>
        <translation>المفضلة (*.json);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Pemba Vello Favourites.json</source>
        <translation>مفضلة Pemba Vello.json</translation>
    </message>
    <message>
        <source>The favourites could not be saved to “%1”: %2</source>
        <translation>تعذّر حفظ المفضلة في “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” was not imported, and your favourites are unchanged.

%2</source>
        <translation>لم يُستورد “%1”، ولم تتغير مفضلتك.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were added to your favourites.</source>
        <translation>
            <numerusform>لم تُضف أي محطة إلى مفضلتك.</numerusform>
            <numerusform>أُضيفت محطة واحدة إلى مفضلتك.</numerusform>
            <numerusform>أُضيفت محطتان إلى مفضلتك.</numerusform>
            <numerusform>أُضيفت %Ln محطات إلى مفضلتك.</numerusform>
            <numerusform>أُضيفت %Ln محطة إلى مفضلتك.</numerusform>
            <numerusform>أُضيفت %Ln محطة إلى مفضلتك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were added to My Stations.</source>
        <translation>
            <numerusform>لم تُضف أي محطة خاصة إلى محطاتي.</numerusform>
            <numerusform>أُضيفت محطة خاصة واحدة إلى محطاتي.</numerusform>
            <numerusform>أُضيفت محطتان خاصتان إلى محطاتي.</numerusform>
            <numerusform>أُضيفت %Ln محطات خاصة إلى محطاتي.</numerusform>
            <numerusform>أُضيفت %Ln محطة خاصة إلى محطاتي.</numerusform>
            <numerusform>أُضيفت %Ln محطة خاصة إلى محطاتي.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) were skipped because they were already there.</source>
        <translation>
            <numerusform>لم تُتخطَّ أي محطة.</numerusform>
            <numerusform>تُخطِّيت محطة واحدة لأنها موجودة بالفعل.</numerusform>
            <numerusform>تُخطِّيت محطتان لأنهما موجودتان بالفعل.</numerusform>
            <numerusform>تُخطِّيت %Ln محطات لأنها موجودة بالفعل.</numerusform>
            <numerusform>تُخطِّيت %Ln محطة لأنها موجودة بالفعل.</numerusform>
            <numerusform>تُخطِّيت %Ln محطة لأنها موجودة بالفعل.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) were skipped because they are not stations that can be played.</source>
        <translation>
            <numerusform>لم يُتخطَّ أي إدخال.</numerusform>
            <numerusform>تُخطِّي إدخال واحد لأنه ليس محطة يمكن تشغيلها.</numerusform>
            <numerusform>تُخطِّي إدخالان لأنهما ليسا محطتين يمكن تشغيلهما.</numerusform>
            <numerusform>تُخطِّيت %Ln إدخالات لأنها ليست محطات يمكن تشغيلها.</numerusform>
            <numerusform>تُخطِّي %Ln إدخالًا لأنها ليست محطات يمكن تشغيلها.</numerusform>
            <numerusform>تُخطِّي %Ln إدخال لأنها ليست محطات يمكن تشغيلها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln station(s) of your own were skipped because no more can be saved.</source>
        <translation>
            <numerusform>لم تُتخطَّ أي محطة خاصة.</numerusform>
            <numerusform>تُخطِّيت محطة خاصة واحدة لأنه لا يمكن حفظ المزيد.</numerusform>
            <numerusform>تُخطِّيت محطتان خاصتان لأنه لا يمكن حفظ المزيد.</numerusform>
            <numerusform>تُخطِّيت %Ln محطات خاصة لأنه لا يمكن حفظ المزيد.</numerusform>
            <numerusform>تُخطِّيت %Ln محطة خاصة لأنه لا يمكن حفظ المزيد.</numerusform>
            <numerusform>تُخطِّيت %Ln محطة خاصة لأنه لا يمكن حفظ المزيد.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--%1 needs an absolute http or https address, not "%2"</source>
        <translation>يحتاج --%1 إلى عنوان http أو https مطلق، وليس "%2"</translation>
    </message>
    <message>
        <source>Pemba Vello, an internet radio player.</source>
        <translation>Pemba Vello، مشغّل للإذاعة عبر الإنترنت.</translation>
    </message>
    <message>
        <source>Download the station catalog from &lt;URL&gt; for this run, whatever the preferences say.</source>
        <translation>تنزيل فهرس المحطات من &lt;URL&gt; لهذا التشغيل، أيًّا كانت التفضيلات.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Get the catalog from the radio directory server at &lt;URL&gt; instead of finding its servers. Give it more than once to try several in turn.</source>
        <translation>جلب الفهرس من خادم دليل الإذاعات على &lt;URL&gt; بدلًا من البحث عن خوادمه. كرّره أكثر من مرة لتجربة عدة خوادم بالتتابع.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>وسيط غير متوقع: %1</translation>
    </message>
    <message>
        <source>--%1 takes an address of at most %2 characters</source>
        <translation>يقبل --%1 عنوانًا لا يتجاوز %2 حرفًا</translation>
    </message>
    <message>
        <source>value</source>
        <translation>قيمة</translation>
    </message>
    <message>
        <source>Qt's own options:</source>
        <translation>خيارات Qt الخاصة:</translation>
    </message>
    <message>
        <source>NAME|UUID|URL</source>
        <translation>الاسم|UUID|URL</translation>
    </message>
    <message>
        <source>Play the station of this identifier, else the first station a search for &lt;NAME&gt; lists, or the stream or playlist at this web address (not remembered). Acts on the running player, or starts one.</source>
        <translation>تشغيل المحطة ذات هذا المعرّف، وإلا فأول محطة يُظهرها البحث عن &lt;الاسم&gt;، أو البث أو قائمة التشغيل على عنوان الويب هذا (دون حفظه). يعمل على المشغّل الجاري، أو يبدأ واحدًا.</translation>
    </message>
    <message>
        <source>Pause the running player, or start one paused.</source>
        <translation>إيقاف المشغّل الجاري مؤقتًا، أو بدء واحد موقوفًا مؤقتًا.</translation>
    </message>
    <message>
        <source>Pause what plays, else play.</source>
        <translation>إيقاف ما يُشغَّل مؤقتًا، وإلا فالتشغيل.</translation>
    </message>
    <message>
        <source>Play the next station of the list.</source>
        <translation>تشغيل المحطة التالية في القائمة.</translation>
    </message>
    <message>
        <source>Play the previous station of the list.</source>
        <translation>تشغيل المحطة السابقة في القائمة.</translation>
    </message>
    <message>
        <source>Set the volume, from 0 to 100.</source>
        <translation>ضبط مستوى الصوت، من 0 إلى 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Tell what the running player is doing: state, station, song, volume.</source>
        <translation>عرض ما يفعله المشغّل الجاري: الحالة والمحطة والأغنية ومستوى الصوت.</translation>
    </message>
    <message>
        <source>With --status: answer in JSON.</source>
        <translation>مع --status: الإجابة بصيغة JSON.</translation>
    </message>
    <message>
        <source>one command at a time, not %1</source>
        <translation>أمر واحد في كل مرة، لا %1</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>يُستخدم --json مع --status</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 0 to 100, not "%1"</source>
        <translation>يأخذ --volume عددًا صحيحًا من 0 إلى 100، لا "%1"</translation>
    </message>
    <message>
        <source>--play needs a station's name, identifier or address</source>
        <translation>يحتاج --play إلى اسم محطة أو معرّفها أو عنوانها</translation>
    </message>
    <message>
        <source>--play: "%1" is not a web address</source>
        <translation>--play: "%1" ليس عنوان ويب</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>حالة الخروج:</translation>
    </message>
    <message>
        <source>done, or the window closed</source>
        <translation>تم، أو أُغلقت النافذة</translation>
    </message>
    <message>
        <source>the running player does not answer</source>
        <translation>المشغّل الجاري لا يستجيب</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>سطر الأوامر خاطئ</translation>
    </message>
    <message>
        <source>--status: no player is running</source>
        <translation>--status: لا يعمل أي مشغّل</translation>
    </message>
    <message>
        <source>--play: no station matches</source>
        <translation>--play: لا تطابق أي محطة</translation>
    </message>
</context>
<context>
    <name>LibraryHeader</name>
    <message>
        <source>Your Library</source>
        <translation>مكتبتك</translation>
    </message>
    <message>
        <source>Clear Songs…</source>
        <translation>مسح الأغاني…</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>مسح الأغاني</translation>
    </message>
    <message>
        <source>Add Station…</source>
        <translation>إضافة محطة…</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>إضافة محطة</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>الأغاني</translation>
    </message>
    <message>
        <source>My Stations</source>
        <translation>محطاتي</translation>
    </message>
    <message>
        <source>Top Stations</source>
        <translation>أشهر المحطات</translation>
    </message>
</context>
<context>
    <name>PlayerViews</name>
    <message>
        <source>Now Playing</source>
        <translation>قيد التشغيل الآن</translation>
    </message>
    <message>
        <source>World</source>
        <translation>العالم</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Open the station's homepage</source>
        <translation>فتح موقع المحطة</translation>
    </message>
    <message>
        <source>Start any station from Home or Browse</source>
        <translation>شغّل أي محطة من الرئيسية أو «تصفّح»</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>Pemba Vello is running but does not answer: %1
</source>
        <translation>يعمل Pemba Vello لكنه لا يستجيب: %1
</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>جارٍ الاتصال</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Pemba Vello is not running.
</source>
        <translation>لا يعمل Pemba Vello.
</translation>
    </message>
    <message>
        <source>State: %1
</source>
        <translation>الحالة: %1
</translation>
    </message>
    <message>
        <source>Station: %1
</source>
        <translation>المحطة: %1
</translation>
    </message>
    <message>
        <source>Song: %1
</source>
        <translation>الأغنية: %1
</translation>
    </message>
    <message>
        <source>Volume: %1
</source>
        <translation>مستوى الصوت: %1
</translation>
    </message>
    <message>
        <source>No station matches "%1".
</source>
        <translation>لا تطابق أي محطة "%1".
</translation>
    </message>
    <message>
        <source>Playing %1.
</source>
        <translation>يجري تشغيل %1.
</translation>
    </message>
    <message numerus="yes">
        <source>Playing %1; %n more station(s) match.
</source>
        <translation>
            <numerusform>يجري تشغيل %1؛ لا تطابق محطات أخرى.
</numerusform>
            <numerusform>يجري تشغيل %1؛ تطابق محطة أخرى واحدة.
</numerusform>
            <numerusform>يجري تشغيل %1؛ تطابق محطتان أخريان.
</numerusform>
            <numerusform>يجري تشغيل %1؛ تطابق %n محطات أخرى.
</numerusform>
            <numerusform>يجري تشغيل %1؛ تطابق %n محطةً أخرى.
</numerusform>
            <numerusform>يجري تشغيل %1؛ تطابق %n محطة أخرى.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SectionBuilders</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <comment>received of total</comment>
        <translation>%1 من %2 ميغابايت</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>تقدّم التنزيل</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
</context>
<context>
    <name>TransportControls</name>
    <message>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
</context>
<context>
    <name>Vello::ArcSpinner</name>
    <message>
        <source>Searching</source>
        <translation>جارٍ البحث</translation>
    </message>
</context>
<context>
    <name>Vello::MainView</name>
    <message>
        <source>Top Stations</source>
        <translation>أشهر المحطات</translation>
    </message>
    <message>
        <source>Browse Stations</source>
        <translation>تصفّح المحطات</translation>
    </message>
    <message>
        <source>Up Next</source>
        <translation>التالي في القائمة</translation>
    </message>
    <message>
        <source>No stations here yet.</source>
        <translation>لا توجد محطات هنا بعد.</translation>
    </message>
    <message>
        <source>No songs heard yet. Titles the stations send appear here.</source>
        <translation>لم تُسمع أي أغنية بعد. تظهر هنا العناوين التي ترسلها المحطات.</translation>
    </message>
    <message>
        <source>No stations of your own yet. Add one by its address with Add Station…</source>
        <translation>لا توجد محطات خاصة بك بعد. أضف محطة بعنوانها من «إضافة محطة…».</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>السابق (&amp;V)</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>تشغيل محطة عشوائية (&amp;R)</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>رفع الصوت (&amp;U)</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>خفض الصوت (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>كتم الصوت (&amp;M)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>تصفّح</translation>
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
جرّب 'pemba-vello --help'.
</translation>
    </message>
    <message>
        <source>pemba-vello: another Pemba Vello is running but does not answer.
</source>
        <translation>pemba-vello: هناك نسخة أخرى من Pemba Vello تعمل لكنها لا تستجيب.
</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>لا شيء قيد التشغيل</translation>
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
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>إخفاء %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>إخفاء الأخرى</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>إنهاء %1</translation>
    </message>
    <message>
        <source>%1 is still playing. Click its icon in the system tray to show the window again.</source>
        <translation>لا يزال %1 يعمل. انقر أيقونته في علبة النظام لإظهار النافذة مجددًا.</translation>
    </message>
    <message>
        <source>%1 %2
Internet radio, most popular first.</source>
        <comment>program, version</comment>
        <translation>%1 %2
إذاعة عبر الإنترنت، الأكثر شعبية أولًا.</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>إيقاف (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>١٥ دقيقة (&amp;1)</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>٣٠ دقيقة (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>٤٥ دقيقة (&amp;4)</translation>
    </message>
    <message>
        <source>&amp;60 Minutes</source>
        <translation>٦٠ دقيقة (&amp;6)</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>٩٠ دقيقة (&amp;9)</translation>
    </message>
    <message>
        <source>&amp;End of the Current Song</source>
        <translation>نهاية الأغنية الحالية (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pemba Vello</source>
        <comment>the application's menu</comment>
        <translation>Pemba Vello (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>حول %1 (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reload Stations</source>
        <translation>إعادة تحميل المحطات (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add Station…</source>
        <translation>إضافة محطة… (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import Favorites…</source>
        <translation>استيراد المفضلة… (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Export Favorites…</source>
        <translation>تصدير المفضلة… (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>التفضيلات… (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إنهاء (&amp;Q)</translation>
    </message>
    <message>
        <source>P&amp;layback</source>
        <translation>التشغيل (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>مؤقت النوم (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
<message>
        <source>Recording</source>
        <translation>جارٍ التسجيل</translation>
    </message>
</context>
<context>
    <name>Vello::PreferencesDialog</name>
    <message>
        <source>The address of a catalog document, loaded instead of the directory.</source>
        <translation>عنوان مستند فهرس يُحمَّل بدلًا من الدليل.</translation>
    </message>
    <message>
        <source>Not an address to load from: it must start with https:// or http://.</source>
        <translation>ليس عنوانًا يمكن التحميل منه: يجب أن يبدأ بـ https:// أو http://.</translation>
    </message>
    <message>
        <source>&amp;Public radio directory</source>
        <translation>دليل الإذاعات العام (&amp;P)</translation>
    </message>
    <message>
        <source>Catalog &amp;address</source>
        <translation>عنوان الفهرس (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help rank stations: tell the directory which stations I play</source>
        <translation>المساعدة في ترتيب المحطات: إخبار الدليل بالمحطات التي أشغّلها (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Notify when the song changes</source>
        <translation>الإشعار عند تغيّر الأغنية (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Keep playing when the window is closed</source>
        <translation>مواصلة التشغيل عند إغلاق النافذة (&amp;K)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Catalog source</source>
        <translation>مصدر الفهرس</translation>
    </message>
    <message>
        <source>Address of the catalog document</source>
        <translation>عنوان مستند الفهرس</translation>
    </message>
    <message>
        <source>https://example.org/stations_filtered.json</source>
        <translation>https://example.org/stations_filtered.json</translation>
    </message>
    <message>
        <source>&amp;Open stations early when the pointer rests on them</source>
        <translation>فتح المحطات مسبقًا عند توقف المؤشر عليها (&amp;O)</translation>
    </message>
    <message>
        <source>Not an address to load from: it is longer than %L1 characters.</source>
        <translation>ليس عنوانًا يمكن التحميل منه: يتجاوز طوله %L1 حرفًا.</translation>
    </message>
    <message>
        <source>The password in this address is kept as plain text in the settings file.</source>
        <translation>تُحفظ كلمة المرور الموجودة في هذا العنوان نصًا صريحًا في ملف الإعدادات.</translation>
    </message>
    <message>
        <source>Con&amp;tinue the last station when Pemba Vello starts</source>
        <translation>متابعة آخر محطة عند بدء Pemba Vello (&amp;T)</translation>
    </message>
    <message>
        <source>This run loads the catalog the command line named. A choice made here is kept and applies from the next start.</source>
        <translation>يحمّل هذا التشغيل الفهرس الذي حدّده سطر الأوامر. يُحفظ الاختيار هنا ويُطبَّق بدءًا من التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>Vello::SearchField</name>
    <message>
        <source>Search stations, countries, genres...</source>
        <translation>ابحث عن محطات أو بلدان أو أنواع...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>Vello::Sidebar</name>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>تصفّح</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>المكتبة</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغّل</translation>
    </message>
</context>
<context>
    <name>Vello::SongRow</name>
    <message>
        <source>Saved</source>
        <translation>حُفظت</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>جارٍ الحفظ…</translation>
    </message>
    <message>
        <source>Save this song from what is kept, as the station sent it</source>
        <translation>حفظ هذه الأغنية مما احتُفظ به كما بثّتها المحطة</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>حفظ %1</translation>
    </message>
    <message>
        <source>Save Song</source>
        <translation>حفظ الأغنية</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>البحث في الويب</translation>
    </message>
    <message>
        <source>Heard at %1</source>
        <translation>سُمعت في %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>نسخ %1</translation>
    </message>
    <message>
        <source>Copy the title</source>
        <translation>نسخ العنوان</translation>
    </message>
    <message>
        <source>Search the web for %1</source>
        <translation>البحث في الويب عن %1</translation>
    </message>
    <message>
        <source>Search the web for the title</source>
        <translation>البحث في الويب عن العنوان</translation>
    </message>
    <message>
        <source>Clear Songs</source>
        <translation>مسح الأغاني</translation>
    </message>
    <message>
        <source>Clear the list of songs heard?</source>
        <translation>هل تريد مسح قائمة الأغاني المسموعة؟</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>Vello::StationDialog</name>
    <message>
        <source>Station name</source>
        <translation>اسم المحطة</translation>
    </message>
    <message>
        <source>My Station</source>
        <translation>محطتي</translation>
    </message>
    <message>
        <source>Stream or playlist address</source>
        <translation>عنوان البث أو قائمة التشغيل</translation>
    </message>
    <message>
        <source>Logo address</source>
        <translation>عنوان الشعار</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>الوسوم</translation>
    </message>
    <message>
        <source>jazz, live, local</source>
        <translation>جاز، مباشر، محلي</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>تعديل المحطة</translation>
    </message>
    <message>
        <source>Add Station</source>
        <translation>إضافة المحطة</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الاسم (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>العنوان (&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>الشعار (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>الوسوم (&amp;T):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Remove Station…</source>
        <translation>إزالة المحطة…</translation>
    </message>
    <message>
        <source>Remove Station</source>
        <translation>إزالة المحطة</translation>
    </message>
    <message>
        <source>The address of the stream, or of a playlist (.pls, .m3u) that names it.</source>
        <translation>عنوان البث، أو عنوان قائمة تشغيل (‎.pls، ‎.m3u) تشير إليه.</translation>
    </message>
    <message>
        <source>Optional: the address of a picture for the station.</source>
        <translation>اختياري: عنوان صورة للمحطة.</translation>
    </message>
    <message>
        <source>Remove “%1” from My Stations?</source>
        <translation>إزالة «%1» من محطاتي؟</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
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
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>تشغيل %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message numerus="yes">
        <source>%Ln votes</source>
        <translation>
            <numerusform>%Ln صوت</numerusform>
            <numerusform>صوت واحد</numerusform>
            <numerusform>صوتان</numerusform>
            <numerusform>%Ln أصوات</numerusform>
            <numerusform>%Ln صوتًا</numerusform>
            <numerusform>%Ln صوت</numerusform>
        </translation>
    </message>
    <message>
        <source>World</source>
        <translation>العالم</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>تعديل %1</translation>
    </message>
    <message>
        <source>Edit Station</source>
        <translation>تعديل المحطة</translation>
    </message>
    <message>
        <source>My station</source>
        <translation>محطتي</translation>
    </message>
    <message>
        <source>Remove %1 from favorites</source>
        <translation>إزالة %1 من المفضلة</translation>
    </message>
    <message>
        <source>Add %1 to favorites</source>
        <translation>إضافة %1 إلى المفضلة</translation>
    </message>
</context>
<context>
    <name>Vello::VolumeControl</name>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>إلغاء الكتم</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmBar</name>
    <message>
        <source>&amp;Snooze 10 Minutes</source>
        <translation>غفوة 10 دقائق (&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top Alarm</source>
        <translation>إيقاف المنبه (&amp;T)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>المنبه</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmControls</name>
    <message>
        <source>Snooze 10 Minutes</source>
        <translation>غفوة 10 دقائق</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>إيقاف المنبه</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>المنبهات… (&amp;A)</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <comment>time</comment>
        <translation>منبه %1</translation>
    </message>
    <message>
        <source>Alarm %1 · %2</source>
        <comment>time, station</comment>
        <translation>منبه %1 · %2</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>المنبه</translation>
    </message>
</context>
<context>
    <name>Vello::AlarmsDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>إزالة (&amp;R)</translation>
    </message>
    <message>
        <source>Alarms and Scheduled Recordings</source>
        <translation>المنبهات والتسجيلات المقررة</translation>
    </message>
    <message>
        <source>Alarms and scheduled recordings</source>
        <translation>المنبهات والتسجيلات المقررة</translation>
    </message>
    <message>
        <source>Add &amp;Alarm</source>
        <translation>إضافة منبه (&amp;A)</translation>
    </message>
    <message>
        <source>Add Scheduled Re&amp;cording</source>
        <translation>إضافة تسجيل مقرر (&amp;C)</translation>
    </message>
    <message>
        <source>Alarms and recordings happen only while Pemba Vello runs, in the window or the system tray.</source>
        <translation>لا تعمل المنبهات والتسجيلات إلا أثناء تشغيل Pemba Vello، في النافذة أو في علبة النظام.</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>ينتهي في</translation>
    </message>
    <message>
        <source>&amp;Ends at:</source>
        <translation>ينتهي في (&amp;E):</translation>
    </message>
    <message>
        <source>Repeats on:</source>
        <translation>يتكرر في:</translation>
    </message>
    <message>
        <source>With no day chosen, it happens once.</source>
        <translation>إن لم يُختر أي يوم، يحدث مرة واحدة.</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>المحطة:</translation>
    </message>
    <message>
        <source>Volume it rises to</source>
        <translation>مستوى الصوت الذي يرتفع إليه</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>مستوى الصوت (&amp;V):</translation>
    </message>
    <message>
        <source> min</source>
        <comment>minutes</comment>
        <translation> دقيقة</translation>
    </message>
    <message>
        <source>Rises over, in minutes</source>
        <translation>يرتفع خلال، بالدقائق</translation>
    </message>
    <message>
        <source>Rises &amp;over:</source>
        <translation>يرتفع خلال (&amp;O):</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>كل يوم</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between days of the week</comment>
        <translation>، </translation>
    </message>
    <message>
        <source>Alarm %1 · %2 · %3</source>
        <comment>time, days, station</comment>
        <translation>منبه %1 · %2 · %3</translation>
    </message>
    <message>
        <source>No station</source>
        <translation>لا محطة</translation>
    </message>
    <message>
        <source>Recording %1 · %2 · %3</source>
        <comment>times, days, station</comment>
        <translation>تسجيل %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>منبه</translation>
    </message>
    <message>
        <source>Scheduled Recording</source>
        <translation>تسجيل مقرر</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>الوقت (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Starts at:</source>
        <translation>يبدأ في (&amp;S):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>يبدأ في</translation>
    </message>
</context>
<context>
    <name>Vello::Autostart</name>
    <message>
        <source>It could not be removed.</source>
        <translation>تعذرت إزالته.</translation>
    </message>
    <message>
        <source>The autostart folder could not be made.</source>
        <translation>تعذر إنشاء مجلد التشغيل التلقائي.</translation>
    </message>
    <message>
        <source>Start Pemba Vello when I log in</source>
        <translation>تشغيل Pemba Vello عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>تعذر تغيير مدخل تسجيل الدخول: %1</translation>
    </message>
</context>
<context>
    <name>Vello::StationPicker</name>
    <message>
        <source>Search stations</source>
        <translation>ابحث عن المحطات</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>المحطات التي وُجدت</translation>
    </message>
    <message>
        <source>No station chosen</source>
        <translation>لم تُختر محطة</translation>
    </message>
    <message>
        <source>Station: not in the list now</source>
        <translation>المحطة: ليست في القائمة الآن</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>المحطة: %1</translation>
    </message>
</context>
<context><name>Vello::FacetPicker</name><message>
        <source>Countries</source>
        <translation>البلدان</translation>
    </message>
    <message>
        <source>Filter countries</source>
        <translation>تصفية البلدان</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>Filter languages</source>
        <translation>تصفية اللغات</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>الأنواع</translation>
    </message>
    <message>
        <source>Near you</source>
        <translation>بالقرب منك</translation>
    </message>
    <message>
        <source>HTTPS only</source>
        <translation>HTTPS فقط</translation>
    </message>
    <message>
        <source>%1 kbps or more</source>
        <translation>%1 كيلوبت/ث أو أكثر</translation>
    </message>
    <message>
        <source>Counting stations…</source>
        <translation>جارٍ عدّ المحطات...</translation>
    </message>
    <message numerus="yes">
        <source>Filter all %Ln genres</source>
        <translation>
            <numerusform>تصفية الأنواع</numerusform>
            <numerusform>تصفية نوع واحد</numerusform>
            <numerusform>تصفية النوعين</numerusform>
            <numerusform>تصفية %Ln أنواع</numerusform>
            <numerusform>تصفية %Ln نوعًا</numerusform>
            <numerusform>تصفية %Ln نوع</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>إلغاء %1</translation>
    </message>
    <message>
        <source>Show every station</source>
        <translation>عرض كل المحطات</translation>
    </message>
    <message numerus="yes">
        <source>%1, near you, %Ln station(s)</source>
        <translation>
            <numerusform>%1، بالقرب منك، لا محطات</numerusform>
            <numerusform>%1، بالقرب منك، محطة واحدة</numerusform>
            <numerusform>%1، بالقرب منك، محطتان</numerusform>
            <numerusform>%1، بالقرب منك، %Ln محطات</numerusform>
            <numerusform>%1، بالقرب منك، %Ln محطة</numerusform>
            <numerusform>%1، بالقرب منك، %Ln محطة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln station(s)</source>
        <translation>
            <numerusform>%1، لا محطات</numerusform>
            <numerusform>%1، محطة واحدة</numerusform>
            <numerusform>%1، محطتان</numerusform>
            <numerusform>%1، %Ln محطات</numerusform>
            <numerusform>%1، %Ln محطة</numerusform>
            <numerusform>%1، %Ln محطة</numerusform>
        </translation>
    </message>
</context><context><name>Vello::PlaybackActions</name><message>
        <source>Go &amp;Live</source>
        <translation>العودة إلى البث المباشر (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Forward 15 s</source>
        <translation>تقديم 15 ث (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back 15 s</source>
        <translation>رجوع 15 ث (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>السابق (&amp;V)</translation>
    </message>
    <message>
        <source>Play a &amp;Random Station</source>
        <translation>تشغيل محطة عشوائية (&amp;R)</translation>
    </message>
    <message>
        <source>Volume &amp;Up</source>
        <translation>رفع الصوت (&amp;U)</translation>
    </message>
    <message>
        <source>Volume &amp;Down</source>
        <translation>خفض الصوت (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>كتم الصوت (&amp;M)</translation>
    </message>
<message>
        <source>Re&amp;cord</source>
        <translation>تسجيل (&amp;C)</translation>
    </message>
</context>
<context>
    <name>Vello::OutputPicker</name>
    <message>
        <source>Play on</source>
        <translation>التشغيل على</translation>
    </message>
    <message>
        <source>&amp;This computer</source>
        <translation>هذا الحاسوب (&amp;T)</translation>
    </message>
</context>
<context><name>RecordControl</name><message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>● %1</source>
        <extracomment>What the mini player shows while it records: a red dot and for how long ("● 1:23").</extracomment>
        <translation>● %1</translation>
    </message>
    <message>
        <source>Recording for %1</source>
        <translation>يسجّل منذ %1</translation>
    </message>
</context><context><name>Vello::RecordingPreferences</name><message>
        <source>Pause keeps your place for this long, and songs heard within it can be saved.</source>
        <translation>يحفظ الإيقاف المؤقت موضعك طوال هذه المدة، ويمكن حفظ الأغاني المسموعة خلالها.</translation>
    </message>
    <message>
        <source>Minutes kept for pausing live radio and saving songs heard</source>
        <translation>الدقائق المحتفظ بها لإيقاف البث المباشر مؤقتًا وحفظ الأغاني المسموعة</translation>
    </message>
    <message>
        <source> min</source>
        <translation> دقيقة</translation>
    </message>
    <message>
        <source>Keep the &amp;last:</source>
        <translation>الاحتفاظ بآخر (&amp;L):</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>المجلد (&amp;F):</translation>
    </message>
    <message>
        <source>Choo&amp;se…</source>
        <translation>اختيار… (&amp;S)</translation>
    </message>
    <message>
        <source>Keep only co&amp;mplete songs</source>
        <translation>الاحتفاظ بالأغاني الكاملة فقط (&amp;C)</translation>
    </message>
    <message>
        <source>Folder for recordings</source>
        <translation>مجلد التسجيلات</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Keep only complete songs</source>
        <translation>الاحتفاظ بالأغاني الكاملة فقط</translation>
    </message>
    <message>
        <source>When a recording stops, delete its first and last file, the songs it caught only in part.</source>
        <translation>عند توقف التسجيل، يُحذف أول ملف وآخر ملف منه: الأغنيتان اللتان سُجّلتا جزئيًا.</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>مجلد التسجيلات</translation>
    </message>
</context><context>
    <name>Vello::LiveControl</name>
    <message>
        <source>%1 behind live</source>
        <translation>متأخر %1 عن البث المباشر</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>Play what the station sends now</source>
        <translation>تشغيل ما تبثه المحطة الآن</translation>
    </message>
    <message>
        <source>Go Live</source>
        <translation>مباشر</translation>
    </message>
</context>
<context>
    <name>Vello::SessionMprisPlayer</name>
    <message>
        <source>%1 · Recording</source>
        <translation>%1 · جارٍ التسجيل</translation>
    </message>
</context>
</TS>