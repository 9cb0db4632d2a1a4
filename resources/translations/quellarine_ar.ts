<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>يثبّت Quellarine المؤشر عبر خادم X في جلسة X11، ويجب أن يوفّر هذا الخادم الامتدادين XInput2 وXTest. هذه الجلسة لا تمنحه هذا الوصول، لذا لا يُثبَّت المؤشر.

سجّل الخروج، واختر جلسة X11 في شاشة تسجيل الدخول (غالبًا ما يتضمّن اسمها «Xorg» أو «X11»)، ثم سجّل الدخول مجددًا وشغّل Quellarine.</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>control</source>
        <comment>The Control key (⌃), as printed on Mac keyboards</comment>
        <translation>control</translation>
    </message>
    <message>
        <source>option</source>
        <comment>The Option key (⌥), as printed on Mac keyboards</comment>
        <translation>option</translation>
    </message>
    <message>
        <source>shift</source>
        <comment>The Shift key (⇧), as printed on Mac keyboards</comment>
        <translation>shift</translation>
    </message>
    <message>
        <source>command</source>
        <comment>The Command key (⌘), as printed on Mac keyboards</comment>
        <translation>command</translation>
    </message>
</context>
<context>
    <name>KeyCaps</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>alt</source>
        <comment>The Option key&apos;s name on PC keyboards</comment>
        <translation>alt</translation>
    </message>
</context>
<context>
    <name>LocalizedSources</name>
    <message>
        <source>Quellarine test, 2026</source>
        <translation>اختبار Quellarine، 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>الإعداد المسبق «متوازن» مقارنةً بتنعيم بسيط بالتأخير نفسه، ٢٥ مللي ثانية</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>حركة مسجّلة على لوحة التتبع أُضيف إليها ارتجاف محاكى ثابت بتردد ٦ هرتز. قياس أجريناه بأنفسنا، وليس دراسة منشورة.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>نظرة عامة</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>مضبوط على يدك</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>لماذا ينجح</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>الجديد</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>الملف الشخصي</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>لطيف</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>متوازن</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>قوي</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>قوي جدًا</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>دقيق</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>لوحة التتبع</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>حركات كبيرة</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>شخصي</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>ارتجاف خفيف، بلا تأخير تقريبًا</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>بداية جيدة لمعظم الناس</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>ارتجاف واضح</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>ارتجاف قوي؛ يتبعك المؤشر ببطء أكبر</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>أزرار ونصوص صغيرة؛ الأكثر ثباتًا والأبطأ</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>مضبوط للوحات التتبع</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>ثابت عند السكون، سريع عبر الشاشة</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>الإعداد المسبق من اختبارك، ضبطه الذكاء الاصطناعي</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>يحتاج هذا الكمبيوتر إلى جلسة X11 كي يتمكّن Quellarine من ضبط المؤشر. من أي جلسة أخرى، سجّل الخروج، واختر جلسة X11 في شاشة تسجيل الدخول (غالبًا ما يتضمّن اسمها «Xorg» أو «X11»)، ثم سجّل الدخول مجددًا. لا يُسجَّل أي شيء تكتبه أو تنقر عليه، ولا يُرسَل إلى أي مكان.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>عرض المطلوب</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>أنت في جلسة X11 بالفعل ولكنه لا يعمل؟ يجب أن يوفّر خادم X الامتدادين XInput2 وXTest: فعّلهما في إعداداته، ثم افتح Quellarine مجددًا.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>يستطيع Quellarine الوصول إلى المؤشر</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>استخدم جلسة X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>مباشر</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>بلا تنعيم: يتبع المؤشر يدك مباشرةً</translation>
    </message>
    <message>
        <source>Needs Accessibility permission to work.</source>
        <translation>يحتاج إلى إذن تسهيلات الاستخدام ليعمل.</translation>
    </message>
    <message>
        <source>Turned off because Control was pressed 5 times</source>
        <translation>أُوقف لأن مفتاح Control ضُغط خمس مرات</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>تعذّر الوصول إلى خادم التحديثات. تحقّق من اتصالك بالإنترنت وحاول مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>تعذّرت قراءة معلومات التحديث من الخادم. يُرجى المحاولة مرة أخرى لاحقًا.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>عرض دليل الترحيب مجددًا</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>أسئلة أو مشكلات؟ راسلنا من هنا داخل Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>التحقق من وجود تحديثات…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>التحقق من وجود تحديثات تلقائيًا</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>لا يُعدّ Quellarine جهازًا طبيًا، ولا يشخّص أي حالة ولا يعالجها.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>يخفّف Quellarine ارتجاف المؤشر ويتجاهل النقرات غير المقصودة، في كل التطبيقات.</translation>
    </message>
</context>
<context>
    <name>quellarine::ModeBanner</name>
    <message>
        <source>Quellarine</source>
        <translation>Quellarine</translation>
    </message>
    <message>
        <source>next mode</source>
        <translation>الوضع التالي</translation>
    </message>
</context>
<context>
    <name>quellarine::ModeOverlay</name>
    <message>
        <source>Quellarine</source>
        <translation>Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>أنت تستخدم أحدث إصدار!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>إصدار Quellarine %1 هو أحدث إصدار متاح حاليًا.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>سجل الإصدارات</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>ملاحظات الإصدار</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>تحديث البرامج</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>جارٍ التحقق من وجود تحديثات…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>أنت تستخدم أحدث إصدار!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>إصدار Quellarine %1 هو أحدث إصدار متاح حاليًا.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>سجل الإصدارات</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>يتوفر إصدار جديد من Quellarine!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>يتوفر الآن Quellarine %1، ولديك الإصدار %2. هل تريد فتح صفحة تنزيله الآن؟</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>تخطي هذا الإصدار</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>ذكّرني لاحقًا</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>فتح صفحة التنزيل</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>تعذّر على Quellarine التحقق من وجود تحديثات.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>يخفّف Quellarine ارتجاف المؤشر ويتجاهل النقرات غير المقصودة، في كل التطبيقات.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>لا يُعدّ Quellarine جهازًا طبيًا، ولا يشخّص أي حالة ولا يعالجها.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>مرحبًا بك في Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>التبديل بين الأوضاع</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>«مباشر» (بلا تنعيم) أولًا، ثم كل إعداد مسبق بالدور. اضغط مع الاستمرار على Shift أيضًا للرجوع. يظهر اسم الوضع على الشاشة بضع ثوانٍ.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>تشغيل Quellarine أو إيقافه</translation>
    </message>
    <message>
        <source>You can also use its icon in the menu bar.</source>
        <translation>يمكنك أيضًا استخدام أيقونته في شريط القائمة.</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Control 5 times in a row: Quellarine turns off at once.</source>
        <translation>إذا صار استخدام المؤشر صعبًا في أي وقت، فاضغط على Control خمس مرات متتالية: سيتوقف Quellarine فورًا.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>في دراسة على أشخاص يعانون صعوبات حركية، تحرّك المؤشر أثناء %1 من النقرات. يثبّت Quellarine المؤشر في مكانه أثناء الضغط، ويتجاهل اللمسات الأقصر من أن تُعدّ نقرة.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>لاحقًا</translation>
    </message>
</context>
</TS>
