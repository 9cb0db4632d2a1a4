<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine işaretçiyi bir X11 oturumunun X sunucusu üzerinden sabitler; bu sunucunun XInput2 ve XTest uzantılarını sunması gerekir. Bu oturum bu erişimi vermediği için işaretçi sabitlenmiyor.

Oturumu kapatın, giriş ekranında bir X11 oturumu seçin (adında genellikle “Xorg” veya “X11” geçer), yeniden giriş yapın ve Quellarine’i başlatın.</translation>
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
        <translation>Quellarine testi, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>Dengeli ön ayar ile aynı 25 ms gecikmeli basit yumuşatmanın karşılaştırması</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Kaydedilmiş bir izleme dörtgeni hareketine sabit, 6 Hz’lik yapay bir titreme eklendi. Kendi ölçümümüz; yayımlanmış bir çalışma değil.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Genel Bakış</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>Elinize göre ayarlı</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Neden işe yarıyor</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri Bildirim</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Yenilikler</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs an X11 session to work.</source>
        <translation>Çalışması için bir X11 oturumu gerekir.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>Yumuşak</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Dengeli</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Güçlü</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Çok güçlü</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Hassas</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>İzleme dörtgeni</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Geniş hareketler</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Kişisel</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Hafif titreme, neredeyse gecikmesiz</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Çoğu kişi için iyi bir başlangıç</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Belirgin titreme</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Güçlü titreme; işaretçi daha yavaş izler</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Küçük düğmeler ve metinler; en sabit, en yavaş</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>İzleme dörtgenleri için ayarlı</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Dururken sabit, ekranda hızlı</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>Testinizin ön ayarı, yapay zekâyla ayarlandı</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Quellarine’in işaretçiyi ayarlayabilmesi için bu bilgisayarda bir X11 oturumu gerekir. Başka bir oturumdaysanız oturumu kapatın, giriş ekranında bir X11 oturumu seçin (adında genellikle “Xorg” veya “X11” geçer) ve yeniden giriş yapın. Yazdığınız veya tıkladığınız hiçbir şey kaydedilmez, hiçbir yere gönderilmez.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Gerekenleri Göster</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>Zaten bir X11 oturumundasınız ama hâlâ çalışmıyor mu? X sunucusunun XInput2 ve XTest uzantılarını sunması gerekir: bunları sunucunun ayarlarından açın, ardından Quellarine’i yeniden açın.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine işaretçiye erişebiliyor</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Bir X11 Oturumu Kullanın</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>Doğrudan</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Yumuşatma yok: işaretçi elinizi doğrudan izler</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Ctrl tuşuna 5 kez basıldığı için kapatıldı</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>Güncelleme sunucusuna ulaşılamadı. İnternet bağlantınızı denetleyip daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>Sunucudan gelen güncelleme bilgileri okunamadı. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Elinize göre ayarlı</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Bir dakikalık test: hareketsiz durun, bir noktayı izleyin, birkaç hedefe tıklayın. Quellarine her ön ayarı hareketiniz üzerinde dener ve size uyanı önerir. Ardından yapay zekâ sonucunuzu açıklayabilir ve size özel bir ayar yapabilir.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Teste Başla</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Tıklama koruması</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Çok kısa dokunuşları ve hızlı, yanlışlıkla yapılan tekrarları yok sayar; siz tıklarken işaretçiyi sabit tutar.</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Kapatmak için basın</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Ctrl tuşuna 5 kez basıldığı için kapatıldı. Buradan veya %1 ile yeniden açın.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Karşılama kılavuzunu yeniden göster</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>Sorunuz ya da bir sorun mu var? Bize buradan, Quellarine’den yazın</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Güncellemeleri otomatik olarak denetle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine tıbbi bir cihaz değildir; hiçbir rahatsızlığı teşhis veya tedavi etmez.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine her uygulamada işaretçideki titremeyi yumuşatır ve yanlışlıkla yapılan tıklamaları yok sayar.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Gerekenleri Göster</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine açık</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine kapalı</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>%1 ön ayarıyla yumuşatma.</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>İşaretçi elinizi doğrudan izler.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Yazdığınız veya tıkladığınız hiçbir şey kaydedilmez, hiçbir yere gönderilmez.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>İşaretçi ne kadar sabit olsun?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Her biri, sabitliği işaretçinin ne kadar hızlı izlediğiyle takas eder. Birini seçip deneyin: doğru olan sakin hissettirir.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Özel durumlar için</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Elinize özel</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>herhangi bir uygulamadan mod değiştir</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>Hangisini seçeceğinizden emin değil misiniz?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine elinizi ölçüp bir ön ayar önerebilir; yapay zekâ da nedenini açıklayıp onu elinize göre ayarlayabilir.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Tıklama</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>İki kez dokunan ya da basarken kayan eller için.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Çok kısa dokunuşlar tıklama sayılmaz.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>İlkinin hemen ardından gelen ikinci tıklama yok sayılır; böylece titreyen bir parmak yanlışlıkla çift tıklamaz.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>Düğme basılıyken işaretçi yerinde durur; böylece tıkladığınız şeyin üzerinden kaymaz.</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine açık</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine kapalı</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Gerekenleri Göster</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Yumuşatma</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Özel durumlar için</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Elinize özel</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Tıklama koruması</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine’i Aç</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri Bildirim</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Gerekenleri Göster</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Güncelle…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>5 kez Ctrl: kapat</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine’i Aç</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri Bildirim</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>İzin gerekiyor</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Açık · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Kapalı: yumuşatma yok</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 yüklenmeye hazır</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Başka bir uygulama kullanıyor</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Sonraki mod</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Aç veya kapat</translation>
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
        <translation>sonraki mod</translation>
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
        <translation>Filtre</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Yumuşatma</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Özel durumlar için</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Elinize özel</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Quellarine arka planda çalışırken her uygulamada çalışırlar.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Başka bir uygulama kullanıyor</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>modlar arasında geç</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Önce Doğrudan (yumuşatma yok), sonra sırayla her ön ayar. Geri gitmek için Shift tuşunu da basılı tutun. Modun adı birkaç saniye ekranda görünür.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine’i aç veya kapat</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>İşaretçiyi kullanmak zorlaşırsa Ctrl tuşuna art arda 5 kez basın: Quellarine hemen kapanır.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Sistem tepsisindeki simgesini de kullanabilirsiniz.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>Sistem, Quellarine’in işaretçiyi izlemesine izin vermedi. Quellarine’den çıkıp yeniden açın.</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>%1 sürümüne güncelle…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Güncelsiniz!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1, şu anda mevcut en yeni sürümdür.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Sürüm Geçmişi</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>%1 sürümüne güncelle</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Yenilikleri görün ve ücretsiz yükleyin</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Quellarine’in daha yeni bir sürümü çıktı mı, bakın</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Sürüm Notları</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Yazılım Güncelleme</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Güncellemeler denetleniyor…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Güncelsiniz!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1, şu anda mevcut en yeni sürümdür.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Sürüm Geçmişi</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Quellarine’in yeni bir sürümü var!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 artık mevcut; sizdeki sürüm %2. İndirme sayfasını şimdi açmak ister misiniz?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Bu Sürümü Atla</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Daha Sonra Hatırlat</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>İndirme Sayfasını Aç</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine güncellemeleri denetleyemedi.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine her uygulamada işaretçideki titremeyi yumuşatır ve yanlışlıkla yapılan tıklamaları yok sayar.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine tıbbi bir cihaz değildir; hiçbir rahatsızlığı teşhis veya tedavi etmez.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine’e hoş geldiniz</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>modlar arasında geç</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Önce Doğrudan (yumuşatma yok), sonra sırayla her ön ayar. Geri gitmek için Shift tuşunu da basılı tutun. Modun adı birkaç saniye ekranda görünür.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine’i aç veya kapat</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>İşaretçiyi kullanmak zorlaşırsa Ctrl tuşuna art arda 5 kez basın: Quellarine hemen kapanır.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>Motor güçlüğü olan kişilerle yapılan bir çalışmada, tıklamaların %1 kadarında işaretçi yerinden oynadı. Quellarine siz basarken işaretçiyi sabit tutar ve tıklama sayılamayacak kadar kısa dokunuşları yok sayar.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha Sonra</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Sistem tepsisindeki simgesini de kullanabilirsiniz.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine’e hoş geldiniz</translation>
    </message>
</context>
</TS>
