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
        <source>Ctrl</source>
        <comment>The Control key, as printed on PC keyboards</comment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>The Alt key, as printed on PC keyboards</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>The Shift key, as printed on PC keyboards</comment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>The Super key (the one with the system&apos;s logo), as desktops name it</comment>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>KeyCaps</name>
    <message>
        <source>+</source>
        <translation>+</translation>
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
    <name>Permission</name>
    <message>
        <source>Needs an X11 session to work.</source>
        <translation>يحتاج إلى جلسة X11 ليعمل.</translation>
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
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>أُوقف لأن مفتاح Ctrl ضُغط خمس مرات</translation>
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
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>مضبوط على يدك</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>اختبار مدته دقيقة واحدة: اثبت في مكانك، وتتبّع نقطة، وانقر على بضعة أهداف. يجرّب Quellarine كل إعداد مسبق على حركتك ويقترح الأنسب لك. ثم يمكن للذكاء الاصطناعي شرح نتيجتك وضبط إعداد شخصي لك.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>بدء الاختبار</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>حماية النقر</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>يتجاهل اللمسات القصيرة جدًا والتكرارات السريعة غير المقصودة، ويُبقي المؤشر ثابتًا أثناء النقر.</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>اضغط للإغلاق</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>أُوقف لأن مفتاح Ctrl ضُغط خمس مرات. أعِد تشغيله من هنا أو باستخدام %1.</translation>
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
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>عرض المطلوب</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>الفلتر</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>تم تشغيل Quellarine</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>تم إيقاف Quellarine</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>التنعيم بالإعداد المسبق «%1».</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>يتبع المؤشر يدك مباشرةً.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>لا يُسجَّل أي شيء تكتبه أو تنقر عليه، ولا يُرسَل إلى أي مكان.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>ما مدى الثبات الذي تريده للمؤشر؟</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>كل واحد منها يوازن بين الثبات وسرعة تتبّع المؤشر. اختر واحدًا وجرّبه: الإعداد المناسب يبدو هادئًا.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>لحالات خاصة</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>مصمَّم ليدك</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>التبديل بين الأوضاع من أي تطبيق</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>لست متأكدًا أيها تختار؟</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>يستطيع Quellarine قياس حركة يدك واقتراح إعداد، ويمكن للذكاء الاصطناعي شرح السبب وضبطه على يدك.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>النقر</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>لليد التي تنقر مرتين أو تنزلق أثناء الضغط.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>لا تُحتسَب اللمسات القصيرة جدًا نقرات.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>تُتجاهَل النقرة الثانية التي تلي الأولى مباشرةً، كي لا ينقر الإصبع المرتجف نقرًا مزدوجًا عن طريق الخطأ.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>يبقى المؤشر ثابتًا ما دام الزر مضغوطًا، فلا ينزلق عمّا نقرت عليه.</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>تم تشغيل Quellarine</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>تم إيقاف Quellarine</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>الفلتر</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>عرض المطلوب</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>التنعيم</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>لحالات خاصة</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>مصمَّم ليدك</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>حماية النقر</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>فتح Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>الفلتر</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>عرض المطلوب</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>تحديث…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>اضغط Ctrl خمس مرات: إيقاف</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>فتح Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>يحتاج إلى إذن</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>مُفعَّل · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>متوقف: بلا تنعيم</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>أصبح Quellarine %1 جاهزًا للتثبيت</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>يستخدمه تطبيق آخر</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>الوضع التالي</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>تشغيل أو إيقاف</translation>
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
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>الفلتر</translation>
    </message>
    <message>
        <source>On</source>
        <translation>يعمل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>متوقف</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>التنعيم</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>لحالات خاصة</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>مصمَّم ليدك</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>تعمل في كل التطبيقات، وQuellarine يعمل في الخلفية.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>يستخدمه تطبيق آخر</translation>
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
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>إذا صار استخدام المؤشر صعبًا في أي وقت، فاضغط على Ctrl خمس مرات متتالية: سيتوقف Quellarine فورًا.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>يمكنك أيضًا استخدام أيقونته في علبة النظام.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>لم يسمح النظام لـQuellarine بمراقبة المؤشر. أنهِه ثم افتحه مجددًا.</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>التحديث إلى %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>التحقق من وجود تحديثات…</translation>
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
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>التحديث إلى %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>اطّلع على الجديد وثبّته مجانًا</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>تحقّق مما إذا صدر إصدار أحدث من Quellarine</translation>
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
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>إذا صار استخدام المؤشر صعبًا في أي وقت، فاضغط على Ctrl خمس مرات متتالية: سيتوقف Quellarine فورًا.</translation>
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
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>يمكنك أيضًا استخدام أيقونته في علبة النظام.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>مرحبًا بك في Quellarine</translation>
    </message>
</context>
</TS>
