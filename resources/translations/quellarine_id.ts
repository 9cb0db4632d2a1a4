<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
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
        <translation>Penggunaan: quellarine [OPSI]
Menstabilkan penunjuk untuk tangan yang gemetar. Tanpa opsi, menjalankan Quellarine.

  --allow-devices       sebagai root: mengizinkan pengguna di depan layar komputer ini menstabilkan perangkat penunjuk
  --allow-keyboards     sebagai root: mengizinkan Quellarine mendengar pintasannya di keyboard
  --disallow-keyboards  sebagai root: mencabut izin keyboard
  --help                menampilkan bantuan ini lalu selesai
  --version             menampilkan versi lalu selesai</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine tidak memahami “%1”.</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine memerlukan sesi desktop: tidak ada layar yang dapat dibuka (DISPLAY atau WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine menstabilkan penunjuk melalui perangkat penunjuk komputer ini, yang belum boleh digunakannya. Untuk mengizinkannya bagi orang yang memakai komputer ini, jalankan satu perintah ini di terminal lalu masukkan kata sandi Anda:

%1

Quellarine mengetahui akses itu dengan sendirinya, tanpa perlu dimulai ulang.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine menstabilkan penunjuk melalui server X dari sesi X11, yang harus menyediakan ekstensi XInput2 dan XTest. Sesi ini tidak memberinya akses tersebut, jadi penunjuk tidak distabilkan.

Keluar, pilih sesi X11 di layar masuk (namanya sering memuat “Xorg” atau “X11”), masuk lagi, lalu jalankan Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Ini adalah sesi Wayland. Server X-nya tidak mengizinkan program apa pun memantau atau menggerakkan penunjuk seluruh desktop, jadi Quellarine tidak dapat menstabilkannya di sana.

Keluar, pilih sesi X11 di layar masuk (namanya sering memuat “Xorg” atau “X11”), masuk lagi, lalu jalankan Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Nyalakan atau matikan Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: mode berikutnya</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: mode sebelumnya</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>Salinan Quellarine ini tidak memiliki %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1” tidak berhasil.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Tidak dapat menghapus %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>Tidak dapat mengosongkan daftar akses %1.</translation>
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
        <translation>Uji Quellarine, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>Preset Seimbang dibandingkan penghalusan biasa dengan jeda yang sama, 25 ms</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Gerakan trackpad yang direkam dengan tambahan getaran simulasi tetap 6 Hz. Pengukuran kami sendiri, bukan studi yang diterbitkan.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Ringkasan</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>Disesuaikan untuk tangan Anda</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Mengapa ini berhasil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Yang Baru</translation>
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
        <translation>Memerlukan akses ke penunjuk agar berfungsi.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>Lembut</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Seimbang</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Kuat</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Sangat kuat</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Presisi</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Gerakan besar</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Pribadi</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Getaran ringan, hampir tanpa jeda</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Awal yang baik bagi kebanyakan orang</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Gemetar yang jelas</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Gemetar kuat; penunjuk mengikuti lebih lambat</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Tombol dan teks kecil; paling stabil, paling lambat</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>Disetel untuk trackpad</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Stabil saat diam, cepat melintasi layar</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>Preset dari tes Anda, disetel oleh AI</translation>
    </message>
</context>
<context>
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Anda</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Berkas itu bukan gambar yang dapat dibaca Quellarine.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Gambar itu terlalu besar. Pilih gambar di bawah 40 MB.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine tidak dapat menyimpan foto. Pastikan disk Anda tidak penuh, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>Dibantu AI</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Komputer ini meminta ini agar Quellarine dapat menyesuaikan penunjuk. Jalankan perintah ini sekali di terminal dan masukkan kata sandi Anda. Tidak ada yang Anda ketik atau klik yang direkam atau dikirim ke mana pun.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Tampilkan yang Diperlukan</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>Sudah dijalankan tetapi masih tidak berfungsi? Akses diberikan kepada siapa pun yang masuk di layar komputer ini sendiri: keluar lalu masuk lagi di sana, kemudian buka Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine dapat menjangkau penunjuk</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>Izinkan akses ke penunjuk</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Akses diberikan, menunggu sistem</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Akses sudah diberikan: tidak ada yang perlu dijalankan. Apa pun yang Anda ketik atau klik tidak direkam atau dikirim ke mana pun.</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>Server pembaruan tidak dapat dijangkau. Periksa koneksi internet Anda dan coba lagi nanti.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>Informasi pembaruan dari server tidak dapat dibaca. Coba lagi nanti.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>%1 kali per detik</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Disarankan untuk Anda</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Tidak ada ritme teratur</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Getaran di sekitar titik bidikan</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Seberapa cepat bergetar</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Gerakan saat menekan</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Klik berlebih atau meleset</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Setiap preset pada gerakan Anda</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>Seberapa banyak getaran yang dihilangkan masing-masing, dan seberapa jauh penunjuk tertinggal dari tangan Anda.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Diukur di komputer ini. Ini pengaturan penunjuk, bukan ukuran kesehatan.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Pertahankan Pengaturan Saya</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Gunakan Pengaturan Ini</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Disesuaikan untuk tangan Anda</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Tes satu menit: tahan diam, ikuti sebuah titik, klik beberapa sasaran. Quellarine mencoba setiap preset pada gerakan Anda dan menyarankan yang paling cocok. AI lalu dapat menjelaskan hasil Anda dan menyetel pengaturan pribadi untuk Anda.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Mulai Tes</translation>
    </message>
    <message>
        <source>With the click guard on</source>
        <translation>Dengan pelindung klik aktif</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Tes terakhir, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Tes Lagi</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Area tes</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>Letakkan penunjuk di sini</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Gerakan Anda, dan gerakan yang sama dengan preset yang disarankan</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Disesuaikan untuk tangan Anda</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Tes satu menit, dalam tiga bagian. Quellarine mengukur di komputer ini, lalu AI dapat menjelaskan hasil Anda dan menyetel pengaturan pribadi untuk Anda.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 dari 3: Tahan penunjuk di atas titik.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 dari 3: Ikuti titik dengan penunjuk.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 dari 3: Klik setiap target saat muncul.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Mencoba setiap preset pada gerakan Anda.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Hasil Anda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Diam</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 detik di atas titik</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Ikuti</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 detik mengikuti titik yang bergerak</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klik</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 target</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Gunakan mouse atau trackpad yang biasa Anda pakai, dipegang seperti biasa. Tidak ada benar atau salah: tes ini hanya mengukur penunjuk.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>Penghalusan dan pelindung klik dijeda selama tes dan kembali sesudahnya.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>Rekaman disimpan di memori dan dihapus saat Anda meninggalkan halaman ini. Hanya hasilnya yang disimpan.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Sesudahnya, AI (Claude) dapat menjelaskan hasil Anda dan menyetel pengaturan pribadi untuk Anda, hanya jika Anda meminta. AI membaca angka hasilnya, tidak pernah rekamannya.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Tes Lagi</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Mulai Tes</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Menghitung pengaturan Anda…</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Pelindung klik</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Mengabaikan ketukan yang sangat singkat dan pengulangan tak sengaja yang cepat, serta menahan penunjuk tetap diam saat Anda mengeklik.</translation>
    </message>
</context>
<context>
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Keduanya</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Tekan untuk menutup</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Dimatikan karena Ctrl ditekan 5 kali. Nyalakan lagi di sini atau dengan %1.</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Dimatikan karena Ctrl ditekan 5 kali. Nyalakan lagi di sini.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Hasil Anda, dijelaskan oleh AI</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, AI dari Anthropic, mengubah angka-angka ini menjadi kata-kata sederhana dan menyesuaikan preset dengannya: pengaturan pribadi untuk tangan Anda.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine tidak dapat terhubung ke internet. Saran di atas tidak memerlukannya: saran itu dihitung di komputer ini.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Anda sudah mendapat tiga penjelasan hari ini. Coba lagi besok.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Banyak orang meminta penjelasan hari ini. Coba lagi besok.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>Penjelasan sedang tidak tersedia. Coba lagi nanti; saran di atas tetap berfungsi.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Ditulis oleh AI (Claude) dari angka hasil Anda. Pengukurannya milik Quellarine sendiri, di komputer ini, dan pengaturan AI tetap dalam rentang preset Quellarine.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Pengaturan pribadi AI</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Sedikit lebih stabil daripada %1, dari angka Anda.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Sedikit lebih cepat daripada %1, dari angka Anda.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 apa adanya: sudah cocok dengan angka Anda.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Digunakan</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Coba</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Hanya angka di bawah yang dikirim: tidak pernah rekamannya, nama Anda, atau alamat email Anda.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Lihat persis apa yang dikirim</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>Hingga tiga per hari.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Menulis…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Jelaskan dengan AI</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Pertanyaan, ide, sesuatu yang tidak berhasil. Setiap pesan dibaca oleh orang yang membuat Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine tidak dapat terhubung ke internet. Pesan Anda tetap tersimpan di sini: coba lagi saat Anda online.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>Terlalu banyak pesan terkirim dalam waktu singkat. Pesan Anda tetap tersimpan di sini: coba lagi dalam satu jam.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>Pesan tidak dapat dikirim seperti ini. Periksa alamat email, atau persingkat pesannya.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>Pengiriman sedang tidak berfungsi. Pesan Anda tetap tersimpan di sini: coba lagi nanti, atau salin pesannya.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>Tentang apa?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Pesan Anda</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>Email Anda (opsional)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nama@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Sertakan detail aplikasi</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>Versi aplikasi, versi sistem, bahasa, preset, dan perangkat penunjuk membantu menemukan masalah. Tidak pernah nama Anda, file Anda, atau isi layar.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Mengirim…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>Kirim (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Pilih topiknya dan tulis pesan untuk mengirimnya.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Terkirim</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>Terima kasih! Pesan Anda sedang dikirim.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Pesan dibaca oleh seseorang. Anda tidak meninggalkan alamat, jadi tidak akan ada balasan.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Pesan dibaca oleh seseorang, dan jawabannya dikirim ke %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Tulis Lagi</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 dari %2 karakter</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Hanya untuk membalas Anda. Kosongkan agar tetap anonim.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Itu tidak tampak seperti alamat email.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Salin Pesan</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Gerakan Anda</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Tangan yang gemetar</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Kali per detik</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Menggerakkan mouse dengan sengaja tetap di bawah sekitar 2 kali per detik. Getaran lebih cepat, 3 sampai 12 kali. Quellarine mempelajari getaran itu dan menguranginya, alih-alih memperlambat semuanya.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>Seberapa cepat gerakan Anda dan getaran</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Sebuah garis dari 0 sampai %1 kali per detik. Gerakan Anda berada antara 0 dan 2 kali per detik, tangan yang gemetar antara 3 dan 12.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Tampilkan panduan sambutan lagi</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>Ada pertanyaan atau masalah? Tulis kepada kami di sini, di Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Periksa Pembaruan…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Periksa pembaruan secara otomatis</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine bukan perangkat medis dan tidak mendiagnosis atau mengobati kondisi apa pun.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine meredam gemetar pada penunjuk dan mengabaikan klik yang tidak disengaja, di semua aplikasi.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Tampilkan yang Diperlukan</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine aktif</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine nonaktif</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>Penghalusan dengan preset %1.</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>Penunjuk mengikuti tangan Anda secara langsung.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Apa pun yang Anda ketik atau klik tidak direkam atau dikirim ke mana pun.</translation>
    </message>
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>Haluskan penunjuk dengan preset %1</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>Seberapa stabil penunjuk yang Anda inginkan?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Masing-masing menukar kestabilan dengan seberapa cepat penunjuk mengikuti. Pilih satu dan cobalah: yang tepat terasa tenang.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Untuk kasus khusus</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Dibuat untuk tangan Anda</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>ganti mode dari aplikasi apa pun</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>Tidak yakin yang mana?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine dapat mengukur tangan Anda dan menyarankan satu, dan AI dapat menjelaskan alasannya serta menyetelnya untuk tangan Anda.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Mengeklik</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>Untuk tangan yang mengetuk dua kali atau tergelincir saat menekan.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Ketukan yang sangat singkat tidak dihitung sebagai klik.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>Klik kedua tepat setelah klik pertama diabaikan, sehingga jari yang gemetar tidak mengeklik ganda secara tak sengaja.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>Penunjuk tetap diam selama tombol ditekan, sehingga tidak tergelincir dari yang Anda klik.</translation>
    </message>
</context>
<context>
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 md</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Seimbang</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>Waktu untuk mencapai target, menurut jeda</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>Jeda 75 md membuat mencapai target %1 lebih lambat dan menaikkan kesalahan dari %2 menjadi %3. Menambah 40 md mengurangi sekitar %4 kecepatan menunjuk. Seimbang menambah sekitar 25 md.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>Tambahan %1, seperti dengan Seimbang: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>Tambahan %1: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>Digunakan</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Gunakan Pengaturan Ini</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine aktif</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine nonaktif</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Tampilkan yang Diperlukan</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Penghalusan</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Untuk kasus khusus</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Dibuat untuk tangan Anda</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Pelindung klik</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Buka Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Tampilkan yang Diperlukan</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Perbarui…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5 kali: mati</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Buka Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>Perlu izin</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Aktif · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Nonaktif: tanpa penghalusan</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 siap dipasang</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Dipakai aplikasi lain</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Mode berikutnya</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Nyalakan atau matikan</translation>
    </message>
    <message>
        <source>Next mode: %1</source>
        <translation>Mode berikutnya: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Nyalakan atau matikan: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 kali: tidak terdengar di sesi ini</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>Menunggu desktop</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>Tidak diberikan oleh desktop</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Tidak tersedia di sesi ini</translation>
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
        <translation>mode berikutnya</translation>
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
        <translation>Langsung</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Tanpa penghalusan: penunjuk mengikuti tangan Anda secara langsung</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Dimatikan karena Ctrl ditekan 5 kali</translation>
    </message>
</context>
<context>
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Versi ini</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Versi %1, versi ini: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versi %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine nyala atau mati</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine tidak dapat memulai ulang dengan sendirinya. Tutup lalu buka lagi untuk melihat bahasa baru.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Mulailah dengan Seimbang, lalu coba Kuat jika penunjuk masih bergetar.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Memakai preset Trackpad, dibuat untuk sapuan jari yang pendek.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Ganti preset saat Anda berganti perangkat dengan %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Sesuaikan untuk Anda</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine menyesuaikan diri dengan pilihan ini. Tidak ada yang keluar dari komputer ini.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Pelindung klik</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>Anda menunjuk dengan apa?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Sama dengan sistem</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine menampilkan bahasa baru saat dibuka lagi.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Mulai ulang Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Penghalusan</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Untuk kasus khusus</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Dibuat untuk tangan Anda</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Hapus Foto</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Letakkan gambar di sini untuk dijadikan foto Anda</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Ganti Foto…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Pilih Foto…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Pilih gambar untuk profil Anda. Gambar tetap di komputer ini.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Gambar (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>Gunakan Foto</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>Nama depan</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Data pribadi</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Hanya ditampilkan di Quellarine, di komputer ini. Tidak pernah diunggah.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nama belakang</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>Pertanyaan, ide, sesuatu yang tidak berjalan. Setiap pesan dibaca.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Tulis kepada kami</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Mengapa ini berhasil</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>Apa yang dilakukan tangan gemetar pada sebuah klik, dan bagaimana Quellarine menjawabnya.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Angka dari studi terbitan tentang orang yang memakai mouse, masing-masing dengan pengaturan yang lahir darinya. Semua sumber ada di bagian bawah halaman.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>klik meleset</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>klik ganda gagal</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 md</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>jeda dengan Seimbang</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>Mengeklik</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>Sebagian besar masalah muncul saat mengeklik, bukan dalam perjalanan menuju ke sana.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 berbanding %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>lebih banyak kesalahan klik ganda pada orang lanjut usia dibanding orang muda.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>Bukan hanya soal gemetar: Quellarine membantu setiap kali klik meleset.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Bergerak</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Gerakan Anda dan getaran punya kecepatan berbeda. Di celah itulah Quellarine bekerja.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2,34 berbanding 4,72 bit/dtk</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>kecepatan menunjuk orang dengan kesulitan motorik, dibandingkan orang lain.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Penunjuk yang lebih stabil mengembalikan sebagian kecepatan itu: lebih sedikit meleset, lebih sedikit percobaan ulang.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Penghalusan biasanya menambah jeda, dan jeda mengurangi kecepatan. Jadi Quellarine menjaganya tetap kecil.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Tangan Anda sendiri</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Studi-studi itu menggambarkan kelompok orang. &quot;Disesuaikan untuk tangan Anda&quot; melihat tangan Anda.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Studi-studi itu meneliti kelompok orang yang memakai mouse; mereka tidak menguji Quellarine, kecuali yang ditandai sebagai milik kami. Quellarine bukan perangkat medis dan tidak mendiagnosis atau mengobati kondisi apa pun.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 pada orang lain</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>klik menggeser penunjuk antara menekan dan melepas tombol, pada orang dengan kesulitan motorik.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>Pelindung klik menahan penunjuk tetap diam selama tombol ditekan.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>klik ganda dan tiga kali gagal: meleset, terlalu lambat, atau terhitung salah.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>Penunjuk tetap di tempat saat Anda mengeklik, jadi klik mendarat di satu titik.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>hingga 19 dari satu orang</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>klik yang tidak disengaja siapa pun, dalam studi yang sama.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Ketukan yang terlalu singkat untuk tekanan sungguhan tidak dihitung sebagai klik.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>9 dari 11</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>orang lebih memilih penunjuk yang diam saat mengeklik, setelah mencobanya.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Pelindung klik Quellarine bekerja dengan cara yang sama.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>Getaran %1 lebih sedikit</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 md</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>Berapa banyak getaran yang tersisa, pada jeda 25 md yang sama</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Penghalusan biasa</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, Seimbang</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine menghitung getaran lalu menguranginya, seperti filter adaptif untuk menstabilkan alat bedah, yang menghilangkan sekitar dua pertiga getaran tangan dalam uji laboratorium. Getaran yang berubah dari detik ke detik lebih sulit: lebih sedikit yang hilang.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Getaran tersisa dengan penghalusan biasa: %1. Dengan preset Seimbang Quellarine: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Pintasan ini berfungsi di semua aplikasi, dengan Quellarine berjalan di latar belakang.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Dipakai aplikasi lain</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>ganti mode</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Langsung (tanpa penghalusan), lalu setiap preset secara bergiliran. Tahan juga Shift untuk kembali. Nama mode muncul di layar selama beberapa detik.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>nyalakan atau matikan Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Jika penunjuk sulit digunakan, tekan Ctrl 5 kali berturut-turut: Quellarine langsung mati.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Anda juga dapat menggunakan ikonnya di baki sistem.</translation>
    </message>
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Agar Quellarine dapat mendengar tombolnya dan lima tekanan Ctrl di sini, beri akses ke keyboard dengan menjalankan perintah ini di terminal. Quellarine lalu dapat membaca setiap keyboard; ia hanya melihat tombol pengubah dan tiga pintasannya, dan tidak pernah menyimpan atau mengirim tombol apa pun.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Perintah</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Desktop Anda memberikan tombol-tombol ini kepada Quellarine di setiap aplikasi; Anda dapat mengubahnya di pengaturan keyboard desktop.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine mendengarnya di setiap aplikasi melalui akses keyboard yang Anda berikan. Ia hanya melihat tombol pengubah dan tiga pintasan ini, dan tidak pernah menyimpan atau mengirim tombol apa pun.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>Pintasan ini tidak berfungsi di sesi ini: sesi ini tidak mengizinkan program apa pun mendengar tombol yang ditekan di jendela lain.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>Menunggu desktop memberikan tombol-tombol ini</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>Desktop tidak memberikan tombol-tombol ini</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Tidak tersedia di sesi ini</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Langsung (tanpa penghalusan), lalu setiap preset bergantian; %1 kembali. Nama mode tampil di layar selama beberapa detik.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Lima tekanan Ctrl tidak terdengar di sesi ini. Jika penunjuk sulit digunakan, matikan penghalusan dengan sakelar di jendela utama atau dari ikon Quellarine di baki sistem.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
</context>
<context>
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Sumber</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>Sistem tidak mengizinkan Quellarine memantau penunjuk. Keluar lalu buka lagi.</translation>
    </message>
</context>
<context>
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Ada yang tidak berfungsi</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>Saya punya ide</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Ada yang membingungkan</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Ada yang kurang</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Sesuatu yang saya suka</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Pilih topiknya di atas, lalu tulis sebanyak atau sesedikit yang Anda mau.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>Apa yang Anda lakukan, apa yang Anda harapkan, dan apa yang terjadi?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>Apa yang Anda ingin Quellarine lakukan?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>Bagian mana yang sulit diikuti?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>Apa yang Anda cari dan tidak temukan?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>Apa yang berjalan baik untuk Anda?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Anda sudah menggunakan versi terbaru!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 adalah versi terbaru yang tersedia saat ini.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Riwayat Versi</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Perbarui Sekarang</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 tersedia</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>Perbarui ke %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Periksa Pembaruan…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>Perbarui ke %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Lihat yang baru dan pasang, gratis</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Lihat apakah ada Quellarine yang lebih baru</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Catatan Rilis</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Pembaruan Perangkat Lunak</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Memeriksa pembaruan…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Anda sudah menggunakan versi terbaru!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 adalah versi terbaru yang tersedia saat ini.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Riwayat Versi</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Versi baru Quellarine tersedia!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 kini tersedia; Anda memiliki %2. Buka halaman unduhannya sekarang?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Lewati Versi Ini</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan Nanti</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Buka Halaman Unduhan</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine tidak dapat memeriksa pembaruan.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine meredam gemetar pada penunjuk dan mengabaikan klik yang tidak disengaja, di semua aplikasi.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine bukan perangkat medis dan tidak mendiagnosis atau mengobati kondisi apa pun.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Selamat datang di Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>ganti mode</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Langsung (tanpa penghalusan), lalu setiap preset secara bergiliran. Tahan juga Shift untuk kembali. Nama mode muncul di layar selama beberapa detik.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>nyalakan atau matikan Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Jika penunjuk sulit digunakan, tekan Ctrl 5 kali berturut-turut: Quellarine langsung mati.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>Dalam sebuah studi terhadap orang dengan kesulitan motorik, penunjuk bergerak selama %1 klik. Quellarine menahannya tetap diam saat Anda menekan, dan mengabaikan ketukan yang terlalu singkat untuk dianggap klik.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Nanti</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Anda juga dapat menggunakan ikonnya di baki sistem.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Selamat datang di Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Yang Baru</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Setiap pembaruan Quellarine, yang terbaru lebih dulu. Pembaruan gratis seumur hidup.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>Tidak ada catatan rilis</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Catatan rilis disertakan dalam unduhan aplikasi. Periksa Pembaruan untuk mendapatkan versi terbaru.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Diukur di komputer Anda</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Tes satu menit merekam cara penunjuk Anda bergerak. Quellarine memutarnya ulang dengan setiap preset dan menyarankan yang menyisakan getaran paling sedikit dengan jeda paling kecil.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Dijelaskan dan disetel oleh AI</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>Jika Anda minta, AI (Claude) membaca angka hasilnya, tidak pernah rekamannya, menjelaskan dengan kata-kata sederhana apa yang ditunjukkan, dan menyetel preset yang disarankan menjadi pengaturan pribadi, tetap dalam rentang preset Quellarine.</translation>
    </message>
</context>
</TS>
