<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quellarine [OPTION]
Steadies the pointer for hands that shake. Without an option, starts Quellarine.

  --allow-devices       as root: lets the user at this computer&apos;s screen steady the pointing devices
  --allow-keyboards     as root: lets Quellarine hear its hot keys on the keyboards
  --disallow-keyboards  as root: takes the keyboards&apos; grant back
  --help                shows this help and ends
  --version             shows the version and ends</source>
        <translation>الاستخدام: quellarine [خيار]
يُثبّت المؤشر للأيدي المرتعشة. بدون خيار، يشغّل Quellarine.

  --allow-devices       بصلاحيات الجذر: يسمح للمستخدم أمام شاشة هذا الحاسوب بتثبيت أجهزة التأشير
  --allow-keyboards     بصلاحيات الجذر: يسمح لـ Quellarine بسماع اختصاراته على لوحات المفاتيح
  --disallow-keyboards  بصلاحيات الجذر: يسحب إذن لوحات المفاتيح
  --help                يعرض هذه المساعدة وينتهي
  --version             يعرض الإصدار وينتهي</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>لا يفهم Quellarine «%1».</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>يحتاج Quellarine إلى جلسة سطح مكتب: تعذّر فتح أي شاشة (DISPLAY أو WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>يثبّت Quellarine المؤشر عبر أجهزة التأشير في هذا الحاسوب، ولا يُسمح له باستخدامها بعد. للسماح بذلك للشخص الذي يستخدم هذا الحاسوب، شغّل هذا الأمر الواحد في الطرفية وأدخل كلمة المرور:

%1

يلاحظ Quellarine الإذن من تلقاء نفسه، دون إعادة تشغيل.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>يثبّت Quellarine المؤشر عبر خادم X في جلسة X11، ويجب أن يوفّر هذا الخادم الامتدادين XInput2 وXTest. هذه الجلسة لا تمنحه هذا الوصول، لذا لا يُثبَّت المؤشر.

سجّل الخروج، واختر جلسة X11 في شاشة تسجيل الدخول (غالبًا ما يتضمّن اسمها «Xorg» أو «X11»)، ثم سجّل الدخول مجددًا وشغّل Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>هذه جلسة Wayland. لا يسمح خادم X فيها لأي برنامج بمراقبة مؤشر سطح المكتب كله أو تحريكه، لذلك لا يستطيع Quellarine تثبيته هناك.

سجّل الخروج، واختر جلسة X11 في شاشة تسجيل الدخول (غالبًا ما يتضمّن اسمها «Xorg» أو «X11»)، ثم سجّل الدخول مجددًا وشغّل Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>تشغيل Quellarine أو إيقافه</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>الوضع التالي في Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>الوضع السابق في Quellarine</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>تفتقد هذه النسخة من Quellarine إلى %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>لم ينجح «%1».</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>تعذّرت إزالة %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>تعذّر مسح قائمة الوصول إلى %1.</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>يحتاج إلى الوصول إلى المؤشر كي يعمل.</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>أنت</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>هذا الملف ليس صورة يستطيع Quellarine قراءتها.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>هذه الصورة كبيرة جدًا. اختر صورة أصغر من 40 ميغابايت.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>تعذّر على Quellarine حفظ الصورة. تأكّد من أن القرص غير ممتلئ، ثم حاول مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>بمساعدة الذكاء الاصطناعي</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>يطلب هذا الحاسوب ذلك كي يتمكن Quellarine من ضبط المؤشر. شغّل هذا الأمر مرة واحدة في الطرفية وأدخل كلمة مرورك. لا يُسجَّل أي شيء تكتبه أو تنقر عليه ولا يُرسَل إلى أي مكان.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>عرض المطلوب</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>شغّلته بالفعل ولا يزال لا يعمل؟ يُمنح الوصول لمن سجّل الدخول على شاشة هذا الحاسوب نفسها: سجّل الخروج ثم الدخول مجددًا هناك، ثم افتح Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>يستطيع Quellarine الوصول إلى المؤشر</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>اسمح بالوصول إلى المؤشر</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>تم منح الوصول، في انتظار النظام</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>تم منح الوصول: لا شيء عليك تشغيله. لا يُسجَّل أي شيء تكتبه أو تنقر عليه، ولا يُرسَل إلى أي مكان.</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>%1 مرات في الثانية</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 مم</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>مقترح لك</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>لا إيقاع منتظم</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>الارتجاف حول موضع التصويب</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>سرعة الارتجاف</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>الحركة أثناء الضغط</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>نقرات زائدة أو فائتة</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>كل إعداد مسبق على حركتك</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>مقدار ما يزيله كل منها من الارتجاف، ومقدار تأخر المؤشر عن يدك.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>قيس على هذا الحاسوب. هذه إعدادات للمؤشر، وليست قياسًا صحيًا.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>الإبقاء على إعداداتي</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>استخدام هذه الإعدادات</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>مع تشغيل حماية النقر</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>آخر اختبار، %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>اختبار مرة أخرى</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>منطقة الاختبار</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>ضع المؤشر هنا</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>حركتك، والحركة نفسها مع الإعداد المسبق المقترح</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>مضبوط على يدك</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>اختبار مدته دقيقة واحدة، في ثلاثة أجزاء. يقيس Quellarine على هذا الحاسوب، ثم يمكن للذكاء الاصطناعي شرح نتيجتك وضبط إعداد شخصي لك.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 من 3: أبقِ المؤشر على النقطة.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 من 3: اتبع النقطة بالمؤشر.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 من 3: انقر كل هدف عند ظهوره.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>نجرب كل إعداد مسبق على حركتك.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>نتيجتك</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>ثبات</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 ثوانٍ على نقطة</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>تتبّع</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 ثانية خلف نقطة متحركة</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>نقر</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 أهداف</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>استخدم الفأرة أو لوحة اللمس التي تستخدمها عادةً، وأمسكها كما تفعل عادةً. لا توجد إجابة صحيحة أو خاطئة: الاختبار يقيس المؤشر فقط.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>يتوقف التنعيم وحماية النقر مؤقتًا أثناء الاختبار ويعودان بعده.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>يبقى التسجيل في الذاكرة ويُحذف عند مغادرة هذه الصفحة. لا يُحفظ إلا النتيجة.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>بعد ذلك، يمكن للذكاء الاصطناعي (Claude) شرح نتيجتك وضبط إعداد شخصي لك، فقط إذا طلبت ذلك. يقرأ أرقام النتيجة، ولا يقرأ التسجيل أبدًا.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>اختبار مرة أخرى</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>بدء الاختبار</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>جارٍ تحديد إعداداتك…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>لوحة التتبع</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>كلاهما</translation>
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
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>أُوقف لأن Ctrl ضُغط 5 مرات. أعد تشغيله من هنا.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>نتيجتك، يشرحها الذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>يحوّل Claude، الذكاء الاصطناعي من Anthropic، هذه الأرقام إلى كلمات بسيطة ويضبط عليها إعدادًا مسبقًا: إعدادًا شخصيًا ليدك.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>تعذّر على Quellarine الوصول إلى الإنترنت. الاقتراح أعلاه لا يحتاج إليه: فقد حُسب على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>حصلت على شروحاتك الثلاثة لهذا اليوم. حاول مجددًا غدًا.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>طلب كثيرون شرحًا اليوم. حاول مجددًا غدًا.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>الشروحات غير متاحة الآن. حاول لاحقًا؛ الاقتراح أعلاه يعمل بالقدر نفسه.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>كتبه الذكاء الاصطناعي (Claude) من أرقام نتيجتك. القياس من Quellarine نفسه على هذا الحاسوب، ويبقى إعداد الذكاء الاصطناعي ضمن نطاق إعدادات Quellarine المسبقة.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>الإعداد الشخصي من الذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>أثبت قليلًا من %1، بحسب أرقامك.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>أسرع قليلًا من %1، بحسب أرقامك.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>يبقى %1 كما هو: إنه يناسب أرقامك بالفعل.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>جرّبه</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>تُرسل الأرقام أدناه فقط: لا يُرسل التسجيل ولا اسمك ولا بريدك الإلكتروني أبدًا.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>اعرض ما يُرسل بالضبط</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>حتى ثلاثة في اليوم.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>جارٍ الكتابة…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>اشرح بالذكاء الاصطناعي</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>سؤال أو فكرة أو شيء لم يعمل. كل رسالة يقرؤها الشخص الذي يصنع Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>تعذّر على Quellarine الوصول إلى الإنترنت. رسالتك محفوظة هنا: حاول مجددًا عندما تكون متصلًا.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>أُرسلت رسائل كثيرة في وقت قصير. رسالتك محفوظة هنا: حاول مجددًا بعد ساعة.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>تعذّر إرسال الرسالة كما هي. تحقق من عنوان البريد الإلكتروني أو اختصر الرسالة.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>الإرسال لا يعمل الآن. رسالتك محفوظة هنا: حاول لاحقًا أو انسخها.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>عمَّ تدور؟</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>بريدك الإلكتروني (اختياري)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>تضمين تفاصيل التطبيق</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>إصدار التطبيق وإصدار النظام واللغة والإعداد المسبق وجهاز التأشير تساعد في العثور على المشكلة. لا يُرسل أبدًا اسمك ولا ملفاتك ولا ما على الشاشة.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>جارٍ الإرسال…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>إرسال (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>اختر الموضوع واكتب رسالة لإرسالها.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>أُرسلت</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>شكرًا! رسالتك في طريقها.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>يقرؤها شخص حقيقي. لم تترك عنوانًا، لذا لن يكون هناك رد.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>يقرؤها شخص حقيقي، ويُرسل الرد إلى %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>كتابة رسالة أخرى</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 من %2 حرفًا</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>فقط للرد عليك. اتركه فارغًا لتبقى مجهول الهوية.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>لا يبدو هذا عنوان بريد إلكتروني.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>نسخ الرسالة</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>حركتك</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>يد مرتجفة</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>مرات في الثانية</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>تبقى حركة الفأرة المقصودة دون مرتين في الثانية تقريبًا. أما الارتجاف فأسرع، من ٣ إلى ١٢ مرة. يتعلّم Quellarine الارتجاف ويطرحه، بدلًا من إبطاء كل شيء.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>سرعة حركتك وسرعة الارتجاف</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>خطّ من ٠ إلى %1 مرة في الثانية. تقع حركتك بين ٠ ومرتين في الثانية، وتقع اليد المرتجفة بين ٣ و١٢.</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>تنعيم المؤشر بالإعداد المسبق «%1»</translation>
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
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 مللي ثانية</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>متوازن</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>الوقت اللازم لبلوغ هدف، بحسب التأخير</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>جعل تأخيرٌ قدره ٧٥ مللي ثانية بلوغَ الهدف أبطأ بنسبة %1، ورفع الأخطاء من %2 إلى %3. وكلّفت إضافة ٤٠ مللي ثانية نحو %4 من سرعة التأشير. يضيف «متوازن» نحو ٢٥ مللي ثانية.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>إضافة %1، كما مع «متوازن»: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>إضافة %1: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>استخدام هذه الإعدادات</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>الوضع التالي: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>تشغيل أو إيقاف: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>ضغط Ctrl خمس مرات: لا يُسمع في هذه الجلسة</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>في انتظار سطح المكتب</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>لم يمنحه سطح المكتب</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>غير متاح في هذه الجلسة</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>هذا الإصدار</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>الإصدار %1، هذا الإصدار: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>الإصدار %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>يعمل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>تشغيل Quellarine أو إيقافه</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>تعذّر على Quellarine أن يعيد تشغيل نفسه. أغلقه ثم افتحه مرة أخرى لترى اللغة الجديدة.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>ابدأ بـ«متوازن»، ثم جرّب «قوي» إن ظلّ المؤشر يرتجف.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>يُستخدم إعداد «لوحة التتبع» المصمَّم لحركات الأصابع القصيرة.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>بدّل الإعداد كلما بدّلت الجهاز باختصار %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>اجعله على مقاسك</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>يضبط Quellarine نفسه وفق هذه الخيارات. لا شيء يغادر هذا الحاسوب.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>حماية النقر</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>بماذا تحرّك المؤشر؟</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>مثل النظام</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>يظهر Quellarine باللغة الجديدة عندما يُفتح من جديد.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>أعد تشغيل Quellarine</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>إزالة الصورة</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>أفلت صورة هنا لتصبح صورتك</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>تغيير الصورة…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>اختيار صورة…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>اختر صورة لملفك الشخصي. تبقى على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>استخدام الصورة</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>الاسم الأول</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>البيانات الشخصية</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>تظهر في Quellarine فقط، على هذا الحاسوب. لا تُرفع أبدًا.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>‏Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>سؤال، فكرة، شيء لم يعمل. كل رسالة تُقرأ.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>راسلنا</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>لماذا ينجح</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>ما تفعله اليد المرتجفة بالنقرة، وكيف يستجيب Quellarine.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>أرقام من دراسات منشورة عن أشخاص يستخدمون الفأرة، ومع كل منها الإعداد الذي أدّت إليه. جميع المصادر في أسفل الصفحة.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>من النقرات انزلقت</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>من النقرات المزدوجة فشلت</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 مللي ثانية</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>تأخير مع «متوازن»</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>النقر</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>تأتي معظم المتاعب لحظة النقر، لا في الطريق إليه.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 مقابل %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>من أخطاء النقر المزدوج لدى كبار السن مقارنةً بالشباب.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>الأمر لا يقتصر على الارتجاف: يساعد Quellarine كلما انزلقت النقرات.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>الحركة</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>حركتك والارتجاف سرعتان مختلفتان. وفي هذه الفجوة يعمل Quellarine.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>٢٫٣٤ مقابل ٤٫٧٢ بت/ث</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>سرعة التأشير لدى الأشخاص الذين يعانون صعوبات حركية، مقارنةً بغيرهم.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>يستعيد المؤشر الأثبت بعض تلك السرعة: إخفاقات أقل، ومحاولات ثانية أقل.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>عادةً ما يكلّف التنعيم تأخيرًا، والتأخير يكلّف سرعة. لذلك يُبقيه Quellarine صغيرًا.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>يدك أنت</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>تصف الدراسات مجموعات من الناس. أما «مضبوط على يدك» فينظر إلى يدك أنت.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>درست الدراسات مجموعات من الناس يستخدمون الفأرة، ولم تختبر Quellarine، باستثناء القياس المشار إليه بأنه قياسنا. لا يُعدّ Quellarine جهازًا طبيًا، ولا يشخّص أي حالة ولا يعالجها.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 لدى الآخرين</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>من النقرات حرّكت المؤشر بين ضغط الزر وتحريره، لدى الأشخاص الذين يعانون صعوبات حركية.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>تُبقي حماية النقر المؤشر ثابتًا ما دام الزر مضغوطًا.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>من النقرات المزدوجة والثلاثية فشلت: انزلقت، أو جاءت ببطء شديد، أو عُدّت خطأً.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>يبقى المؤشر في مكانه أثناء النقر، فتقع النقرات في موضع واحد.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>حتى ١٩ من شخص واحد</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>نقرة لم يقصدها أحد، في الدراسة نفسها.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>لا تُحتسب النقرات الخاطفة الأقصر من ضغطة حقيقية نقراتٍ.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>٩ من ١١</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>أشخاص فضّلوا مؤشرًا يثبت أثناء النقر، عندما جرّبوه.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>تعمل حماية النقر في Quellarine بالطريقة نفسها.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>ارتجاف أقل بنسبة %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 مللي ثانية</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>كم يتبقّى من الارتجاف، بالتأخير نفسه ٢٥ مللي ثانية</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>تنعيم بسيط</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>«متوازن» في Quellarine</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>يستخلص Quellarine الارتجاف ويطرحه، مثل المرشّحات التكيّفية المستخدمة لتثبيت الأدوات الجراحية، التي أزالت نحو ثلثي ارتجاف اليد في الاختبارات المخبرية. أما الارتجاف الذي يتغيّر من ثانية إلى أخرى فأصعب: عندها يزول منه قدر أقل.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>الارتجاف المتبقّي مع التنعيم البسيط: %1. ومع الإعداد المسبق «متوازن» في Quellarine: %2.</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>لكي يسمع Quellarine مفاتيحه وضغطات Ctrl الخمس هنا، امنحه الوصول إلى لوحات المفاتيح بتشغيل هذا الأمر في الطرفية. سيتمكن عندها من قراءة كل لوحة مفاتيح؛ لكنه لا ينظر إلا إلى مفاتيح التعديل واختصاراته الثلاثة، ولا يحفظ أي مفتاح ولا يرسله أبدًا.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>الأمر</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>يمنح سطح المكتب هذه المفاتيح لـ Quellarine في كل التطبيقات؛ ويمكنك تغييرها في إعدادات لوحة المفاتيح الخاصة به.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>يسمعها Quellarine في كل التطبيقات عبر الوصول إلى لوحة المفاتيح الذي منحته إياه. لا ينظر إلا إلى مفاتيح التعديل وهذه الاختصارات الثلاثة، ولا يحفظ أي مفتاح ولا يرسله أبدًا.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>لا تعمل في هذه الجلسة: فهي لا تسمح لأي برنامج بسماع المفاتيح المضغوطة في نوافذ أخرى.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>في انتظار أن يمنح سطح المكتب هذه المفاتيح</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>لم يمنح سطح المكتب هذه المفاتيح</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>غير متاح في هذه الجلسة</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>مباشر (دون تنعيم)، ثم كل إعداد مسبق بالتناوب؛ و%1 للرجوع. يظهر اسم الوضع على الشاشة لبضع ثوانٍ.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>لا تُسمع ضغطات Ctrl الخمس في هذه الجلسة. إذا صار استخدام المؤشر صعبًا، فأوقف التنعيم بالمفتاح في النافذة الرئيسية أو من أيقونة Quellarine في علبة النظام.</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>المصادر</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>شيء لا يعمل</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>لدي فكرة</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>شيء مربك</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>شيء ناقص</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>شيء أحبه</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>اختر الموضوع في الأعلى، ثم اكتب ما تشاء قليلًا أو كثيرًا.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>ماذا فعلت، وماذا توقعت، وماذا حدث بدلًا من ذلك؟</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>ماذا تود أن يفعل Quellarine؟</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>أي جزء كان صعب الفهم؟</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>عمَّ بحثت ولم تجده؟</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>ما الذي يعمل جيدًا لك؟</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>حدّث الآن</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>يتوفر Quellarine %1</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>الجديد</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>كل تحديثات Quellarine، الأحدث أولًا. التحديثات مجانية مدى الحياة.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>لا توجد ملاحظات إصدار</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>إنها جزء من تنزيل التطبيق. تحقّق من وجود تحديثات للحصول على أحدث إصدار.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>مقيس على حاسوبك</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>يسجّل اختبار مدته دقيقة واحدة كيف يتحرك مؤشرك. يعيد Quellarine تشغيله عبر كل إعداد مسبق ويقترح الإعداد الذي يترك أقل ارتجاف بأقل تأخير.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>شرح وضبط بالذكاء الاصطناعي</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>إذا طلبت، يقرأ الذكاء الاصطناعي (Claude) أرقام النتيجة، لا التسجيل أبدًا، ويشرح بكلمات بسيطة ما تُظهره، ويضبط الإعداد المسبق المقترح ليصبح إعدادًا شخصيًا، يبقى ضمن نطاق إعدادات Quellarine المسبقة.</translation>
    </message>
</context>
</TS>
