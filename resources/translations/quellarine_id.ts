<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine menstabilkan penunjuk melalui server X dari sesi X11, yang harus menyediakan ekstensi XInput2 dan XTest. Sesi ini tidak memberinya akses tersebut, jadi penunjuk tidak distabilkan.

Keluar, pilih sesi X11 di layar masuk (namanya sering memuat “Xorg” atau “X11”), masuk lagi, lalu jalankan Quellarine.</translation>
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
        <source>Needs an X11 session to work.</source>
        <translation>Memerlukan sesi X11 agar berfungsi.</translation>
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
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Komputer ini memerlukan sesi X11 agar Quellarine dapat menyesuaikan penunjuk. Dari sesi lain, keluar, pilih sesi X11 di layar masuk (namanya sering memuat “Xorg” atau “X11”), lalu masuk lagi. Apa pun yang Anda ketik atau klik tidak direkam atau dikirim ke mana pun.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Tampilkan yang Diperlukan</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>Sudah dalam sesi X11 tetapi masih tidak berfungsi? Server X harus menyediakan ekstensi XInput2 dan XTest: aktifkan keduanya di pengaturannya, lalu buka Quellarine lagi.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine dapat menjangkau penunjuk</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Gunakan Sesi X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
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
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Tekan untuk menutup</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Dimatikan karena Ctrl ditekan 5 kali. Nyalakan lagi di sini atau dengan %1.</translation>
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
        <source>Filter</source>
        <translation>Filter</translation>
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
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nonaktif</translation>
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
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Baru</translation>
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
    <name>quellarine::UpdateController</name>
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
</TS>
