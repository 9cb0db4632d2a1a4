<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
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
        <translation>Kullanım: quellarine [SEÇENEK]
Titreyen eller için işaretçiyi sabitler. Seçeneksiz, Quellarine&apos;i başlatır.

  --allow-devices       root olarak: bu bilgisayarın ekranı başındaki kullanıcının işaretleme aygıtlarını sabitlemesine izin verir
  --allow-keyboards     root olarak: Quellarine&apos;in kısayollarını klavyelerde duymasına izin verir
  --disallow-keyboards  root olarak: klavye iznini geri alır
  --help                bu yardımı gösterir ve çıkar
  --version             sürümü gösterir ve çıkar</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine “%1” ifadesini anlamıyor.</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine bir masaüstü oturumuna ihtiyaç duyar: hiçbir ekran açılamadı (DISPLAY veya WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine işaretçiyi bu bilgisayarın işaretleme aygıtları üzerinden sabitler, ancak bunları henüz kullanamıyor. Bu bilgisayarın başındaki kişiye izin vermek için bir terminalde şu tek komutu çalıştırın ve parolanızı girin:

%1

Quellarine erişimi yeniden başlatmaya gerek kalmadan kendiliğinden fark eder.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine işaretçiyi bir X11 oturumunun X sunucusu üzerinden sabitler; bu sunucunun XInput2 ve XTest uzantılarını sunması gerekir. Bu oturum bu erişimi vermediği için işaretçi sabitlenmiyor.

Oturumu kapatın, giriş ekranında bir X11 oturumu seçin (adında genellikle “Xorg” veya “X11” geçer), yeniden giriş yapın ve Quellarine’i başlatın.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Bu bir Wayland oturumu. Buradaki X sunucusu hiçbir programın tüm masaüstünün işaretçisini izlemesine veya hareket ettirmesine izin vermez; bu yüzden Quellarine onu orada sabitleyemez.

Oturumu kapatın, giriş ekranında bir X11 oturumu seçin (adında genellikle “Xorg” veya “X11” geçer), yeniden giriş yapın ve Quellarine’i başlatın.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Quellarine’i aç veya kapat</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: sonraki mod</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: önceki mod</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>Bu Quellarine kopyasında %1 eksik.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1” başarılı olmadı.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 kaldırılamıyor.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>%1 erişim listesi temizlenemiyor.</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>Çalışmak için işaretçiye erişim gerekiyor.</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Siz</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Bu dosya, Quellarine&apos;in okuyabileceği bir görüntü değil.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Bu görüntü çok büyük. 40 MB&apos;tan küçük bir görüntü seçin.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine fotoğrafı kaydedemedi. Diskinizin dolu olmadığından emin olun ve yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>Yapay zekâ destekli</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Bu bilgisayar, Quellarine’in işaretçiyi ayarlayabilmesi için bunu ister. Bu komutu bir terminalde bir kez çalıştırın ve parolanızı girin. Yazdığınız veya tıkladığınız hiçbir şey kaydedilmez ya da bir yere gönderilmez.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Gerekenleri Göster</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>Zaten çalıştırdınız ama hâlâ çalışmıyor mu? Erişim, bu bilgisayarın kendi ekranında oturum açmış kişiye verilir: orada oturumu kapatıp yeniden açın, ardından Quellarine’i açın.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine işaretçiye erişebiliyor</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>İşaretçiye erişime izin verin</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Erişim verildi, sistem bekleniyor</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Erişim verildi: çalıştırılacak bir şey yok. Yazdığınız veya tıkladığınız hiçbir şey kaydedilmez, hiçbir yere gönderilmez.</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>Saniyede %1 kez</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Size önerilen</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Düzenli ritim yok</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Nişan aldığınız yerdeki titreme</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Ne kadar hızlı titriyor</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Basarken hareket</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Fazla veya kaçan tıklamalar</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Her ön ayar hareketinizde</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>Her birinin titremenin ne kadarını giderdiği ve işaretçinin elinizin ne kadar gerisinde kaldığı.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Bu bilgisayarda ölçüldü. Bunlar işaretçi ayarlarıdır, sağlık ölçümü değildir.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Ayarlarımı Koru</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Bu Ayarları Kullan</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>Tıklama koruması açık</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Son test, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Yeniden Test Et</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Test alanı</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>İşaretçiyi buraya getirin</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Hareketiniz ve önerilen ön ayarla aynı hareket</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Elinize göre ayarlı</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Üç bölümlük bir dakikalık test. Quellarine bu bilgisayarda ölçer, ardından yapay zekâ sonucunuzu açıklayıp size kişisel bir ayar yapabilir.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1/3: İşaretçiyi noktanın üzerinde tutun.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2/3: Noktayı işaretçiyle takip edin.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3/3: Her hedef göründüğünde tıklayın.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Her ön ayar hareketinizde deneniyor.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Sonucunuz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Sabit durun</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>Bir noktada 10 saniye</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Takip edin</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>Hareket eden bir noktanın ardında 15 saniye</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tıklayın</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 hedef</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Her zaman kullandığınız fareyi veya dokunmatik yüzeyi her zamanki gibi tutarak kullanın. Doğru ya da yanlış yok: test yalnızca işaretçiyi ölçer.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>Yumuşatma ve tıklama koruması test sırasında duraklar ve sonra geri gelir.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>Kayıt bellekte kalır ve bu sayfadan çıktığınızda silinir. Yalnızca sonuç saklanır.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Sonrasında yapay zekâ (Claude), yalnızca siz isterseniz sonucunuzu açıklayıp size kişisel bir ayar yapabilir. Kaydı değil, yalnızca sonucun sayılarını okur.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Yeniden Test Et</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Teste Başla</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Ayarlarınız hesaplanıyor…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>İzleme dörtgeni</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>İkisi de</translation>
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
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Ctrl 5 kez basıldığı için kapatıldı. Buradan yeniden açın.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Sonucunuz, yapay zekâ tarafından açıklandı</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Anthropic&apos;in yapay zekâsı Claude, bu sayıları sade sözcüklere döker ve onlara göre bir ön ayar yapar: eliniz için kişisel bir ayar.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine internete ulaşamadı. Yukarıdaki öneri internete ihtiyaç duymaz: bu bilgisayarda hesaplandı.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Bugünkü üç açıklama hakkınızı kullandınız. Yarın yeniden deneyin.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Bugün birçok kişi açıklama istedi. Yarın yeniden deneyin.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>Açıklamalar şu anda kullanılamıyor. Daha sonra yeniden deneyin; yukarıdaki öneri yine de işe yarar.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Sonucunuzun sayılarından yapay zekâ (Claude) tarafından yazıldı. Ölçüm Quellarine&apos;in kendisine aittir, bu bilgisayarda yapıldı; yapay zekânın ayarı Quellarine ön ayarlarının aralığında kalır.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Yapay zekânın kişisel ayarı</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Sayılarınıza göre %1 ayarından biraz daha sabit.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Sayılarınıza göre %1 ayarından biraz daha hızlı.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 olduğu gibi: sayılarınıza zaten uyuyor.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Kullanımda</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Dene</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Yalnızca aşağıdaki sayılar gönderilir: asla kayıt, adınız ya da e-posta adresiniz değil.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Tam olarak ne gönderildiğini gör</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>Günde en fazla üç.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Yazılıyor…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Yapay zekâ ile açıkla</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Geri bildirim</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Bir soru, bir fikir, çalışmayan bir şey. Her mesajı Quellarine&apos;i yapan kişi okur.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine internete ulaşamadı. Mesajınız burada duruyor: çevrimiçi olduğunuzda yeniden deneyin.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>Kısa sürede çok fazla mesaj gönderildi. Mesajınız burada duruyor: bir saat sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>Mesaj bu hâliyle gönderilemedi. E-posta adresini kontrol edin veya mesajı kısaltın.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>Gönderme şu anda çalışmıyor. Mesajınız burada duruyor: daha sonra yeniden deneyin veya kopyalayın.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>Konu nedir?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Mesajınız</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>E-postanız (isteğe bağlı)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>ad@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Uygulama ayrıntılarını ekle</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>Uygulamanın sürümü, sistemin sürümü, dil, ön ayar ve işaretleme aygıtı bir sorunu bulmaya yardım eder. Asla adınız, dosyalarınız ya da ekrandakiler değil.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Gönderiliyor…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>Gönder (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Göndermek için konuyu seçin ve bir mesaj yazın.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gönderildi</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>Teşekkürler! Mesajınız yolda.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Bir insan tarafından okunur. Adres bırakmadınız, bu yüzden yanıt gelmeyecek.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Bir insan tarafından okunur ve yanıt %1 adresine gider.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Bir Tane Daha Yaz</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 / %2 karakter</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Yalnızca size yanıt vermek için. Anonim kalmak için boş bırakın.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Bu bir e-posta adresine benzemiyor.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Mesajı Kopyala</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Hareketiniz</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Titreyen bir el</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Saniyede kaç kez</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Fareyi bilerek hareket ettirmek saniyede yaklaşık 2 kezin altında kalır. Titreme daha hızlıdır, 3 ile 12 arası. Quellarine her şeyi yavaşlatmak yerine titremeyi öğrenir ve çıkarır.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>Hareketiniz ve titreme ne kadar hızlı</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Saniyede 0 ile %1 kez arasında bir çizgi. Hareketiniz saniyede 0 ile 2 kez arasında, titreyen bir el 3 ile 12 arasında.</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>İşaretçiyi %1 ön ayarıyla yumuşat</translation>
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
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Dengeli</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>Gecikmeye göre bir hedefe ulaşma süresi</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>75 ms&apos;lik bir gecikme hedefe ulaşmayı %1 yavaşlattı ve hataları %2&apos;den %3&apos;e çıkardı. 40 ms eklemek işaretleme hızından yaklaşık %4 götürdü. Dengeli yaklaşık 25 ms ekler.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 eklendiğinde, Dengeli&apos;deki gibi: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 eklendiğinde: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>Kullanımda</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Bu Ayarları Kullan</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>Sonraki mod: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Aç veya kapat: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>5 kez Ctrl: bu oturumda duyulmaz</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>Masaüstü bekleniyor</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>Masaüstü tarafından verilmedi</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Bu oturumda kullanılamaz</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Bu sürüm</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Sürüm %1, bu sürüm: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Sürüm %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine açık veya kapalı</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine kendiliğinden yeniden başlatılamadı. Yeni dili görmek için kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Dengeli ile başlayın, işaretçi hâlâ titriyorsa Güçlü&apos;yü deneyin.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Kısa parmak hareketleri için yapılmış İzleme dörtgeni ayarı kullanılıyor.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Aygıt değiştirdiğinizde ayarı %1 ile değiştirin.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Size göre</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine kendini bunlara göre ayarlar. Hiçbir şey bu bilgisayardan çıkmaz.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Tıklama koruması</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>Neyle işaret ediyorsunuz?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Sistemle aynı</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine yeni dili yeniden açıldığında gösterir.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Quellarine&apos;i yeniden başlat</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Fotoğrafı Kaldır</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Fotoğrafınız olarak kullanmak için bir resmi buraya bırakın</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Fotoğrafı Değiştir…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Fotoğraf Seç…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Profiliniz için bir resim seçin. Bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Resimler (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>Fotoğrafı Kullan</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Kişisel bilgiler</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Yalnızca bu bilgisayarda, Quellarine&apos;de gösterilir. Asla yüklenmez.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Soyadı</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>Bir soru, bir fikir, çalışmayan bir şey. Her mesaj okunur.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Bize yazın</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Neden işe yarıyor</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>Titreyen bir el bir tıklamaya ne yapar ve Quellarine buna nasıl karşılık verir.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Fare kullanan kişiler üzerine yayımlanmış çalışmalardan rakamlar, her biri yol açtığı ayarla birlikte. Tüm kaynaklar sayfanın en altında.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>tıklama kaydı</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>çift tıklama başarısız oldu</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>Dengeli ile gecikme</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>Tıklama</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>Sorunların çoğu tıklamaya giderken değil, tıklama anında çıkar.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%2 karşısında %1</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>kat daha fazla çift tıklama hatası: yaşlılarda gençlere göre.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>Mesele yalnızca titreme değil: Quellarine tıklamalar kaydığında her zaman yardım eder.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Hareket</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Hareketiniz ile titreme farklı hızlardadır. Quellarine bu aralıkta çalışır.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>4,72 karşısında 2,34 bit/sn</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>motor güçlüğü olan kişilerin işaretleme hızı, diğerlerine göre.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Daha sabit bir işaretçi bu hızın bir kısmını geri kazandırır: daha az ıskalama, daha az ikinci deneme.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Gecikme</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Yumuşatma genellikle gecikmeye, gecikme de hız kaybına yol açar. Bu yüzden Quellarine gecikmeyi küçük tutar.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Kendi eliniz</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Çalışmalar insan gruplarını anlatır. &quot;Elinize göre ayarlı&quot; sizinkine bakar.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Çalışmalar fare kullanan insan gruplarını inceledi; kendi ölçümümüz olarak işaretlenen dışında hiçbiri Quellarine&apos;i test etmedi. Quellarine tıbbi bir cihaz değildir; hiçbir rahatsızlığı teşhis veya tedavi etmez.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>diğerlerinde %1</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>tıklamada, motor güçlüğü olan kişilerde işaretçi düğmeye basma ile bırakma arasında kaydı.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>Tıklama koruması, düğme basılıyken işaretçiyi sabit tutar.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>çift ve üçlü tıklama başarısız oldu: kaydı, fazla yavaş geldi ya da yanlış sayıldı.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>Tıklarken işaretçi yerinde kalır, böylece tıklamalar tek bir yere düşer.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>tek bir kişiden 19&apos;a kadar</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>kimsenin istemediği tıklama, aynı çalışmada.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Gerçek bir basış olamayacak kadar kısa dokunuşlar tıklama sayılmaz.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>11 kişiden 9&apos;u</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>kişi, denediğinde tıklama sırasında sabit duran bir işaretçiyi tercih etti.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Quellarine&apos;in tıklama koruması da aynı şekilde çalışır.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 daha az titreme</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>Aynı 25 ms gecikmede ne kadar titreme kalıyor</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Düz yumuşatma</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, Dengeli</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine titremeyi hesaplar ve çıkarır; cerrahi aletleri sabitlemek için kullanılan ve laboratuvar testlerinde el titremesinin yaklaşık üçte ikisini gideren uyarlanabilir filtreler gibi. Saniyeden saniyeye değişen bir titreme daha zordur: o zaman daha azı gider.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Düz yumuşatmayla kalan titreme: %1. Quellarine&apos;in Dengeli ön ayarıyla: %2.</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine’in tuşlarını ve buradaki beş Ctrl basışını duyabilmesi için bu komutu bir terminalde çalıştırarak ona klavyelere erişim verin. Böylece her klavyeyi okuyabilir; yalnızca değiştirici tuşlara ve üç kısayoluna bakar, hiçbir tuşu asla saklamaz ya da göndermez.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Komut</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Masaüstünüz bu tuşları her uygulamada Quellarine’e veriyor; bunları masaüstünün klavye ayarlarından değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine bunları, verdiğiniz klavye erişimi sayesinde her uygulamada duyar. Yalnızca değiştirici tuşlara ve bu üç kısayola bakar, hiçbir tuşu asla saklamaz ya da göndermez.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>Bu oturumda çalışmazlar: bu oturum hiçbir programın başka pencerelerde basılan tuşları duymasına izin vermez.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>Masaüstünün bu tuşları vermesi bekleniyor</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>Masaüstü bu tuşları vermedi</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Bu oturumda kullanılamaz</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Doğrudan (yumuşatma yok), ardından sırayla her ön ayar; %1 geri gider. Modun adı birkaç saniye ekranda görünür.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Bu oturumda beş Ctrl basışı duyulmaz. İşaretçiyi kullanmak zorlaşırsa yumuşatmayı ana penceredeki anahtarla ya da sistem tepsisindeki Quellarine simgesinden kapatın.</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Kaynaklar</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Bir şey çalışmıyor</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>Bir fikrim var</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Bir şey kafa karıştırıcı</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Bir şey eksik</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Sevdiğim bir şey</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Yukarıdan konuyu seçin, sonra istediğiniz kadar az ya da çok yazın.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>Ne yaptınız, ne bekliyordunuz ve bunun yerine ne oldu?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>Quellarine&apos;in ne yapmasını isterdiniz?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>Hangi kısmı takip etmek zordu?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>Neyi aradınız da bulamadınız?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>Sizin için ne iyi çalışıyor?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Şimdi Güncelle</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 kullanıma sunuldu</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Yenilikler</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Tüm Quellarine güncellemeleri, en yenisi önce. Güncellemeler ömür boyu ücretsiz.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>Sürüm notu yok</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Sürüm notları uygulama indirmesiyle gelir. En son sürümü almak için Güncellemeleri Denetle’yi kullanın.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Bilgisayarınızda ölçülür</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Bir dakikalık bir test işaretçinizin nasıl hareket ettiğini kaydeder. Quellarine bunu her ön ayarla yeniden oynatır ve en az gecikmeyle en az titremeyi bırakanı önerir.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Yapay zekâ ile açıklanır ve ayarlanır</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>İsterseniz yapay zekâ (Claude) sonucun sayılarını okur, kaydı asla okumaz; ne gösterdiklerini sade bir dille açıklar ve önerilen ön ayarı Quellarine&apos;in ön ayarlarının aralığında kalan kişisel bir ayara dönüştürür.</translation>
    </message>
</context>
</TS>
