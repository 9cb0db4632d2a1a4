<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine একটি X11 সেশনের X সার্ভারের মাধ্যমে পয়েন্টার স্থির রাখে, আর সেই সার্ভারে XInput2 ও XTest এক্সটেনশন থাকতে হবে। এই সেশন সেই অ্যাক্সেস দেয় না, তাই পয়েন্টার স্থির হচ্ছে না।

লগ আউট করুন, লগইন স্ক্রিনে একটি X11 সেশন বেছে নিন (এর নামে প্রায়ই “Xorg” বা “X11” থাকে), আবার লগ ইন করুন, তারপর Quellarine চালু করুন।</translation>
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
        <translation>Quellarine পরীক্ষা, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>সুষম প্রিসেট বনাম একই ২৫ মিলিসেকেন্ড বিলম্বের সাধারণ স্মুদিং</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>একটি রেকর্ড করা ট্র্যাকপ্যাড নড়াচড়া, যাতে ৬ হার্জের একটি স্থির কৃত্রিম কাঁপুনি যোগ করা হয়েছে। আমাদের নিজস্ব পরিমাপ, কোনো প্রকাশিত গবেষণা নয়।</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>সারসংক্ষেপ</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>আপনার হাতের মতো করে</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>কেন এটি কাজ করে</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>নতুন কী আছে</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>প্রোফাইল</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs an X11 session to work.</source>
        <translation>কাজ করার জন্য একটি X11 সেশন দরকার।</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>কোমল</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>সুষম</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>জোরালো</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>খুব জোরালো</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>নির্ভুল</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>ট্র্যাকপ্যাড</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>বড় নড়াচড়া</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>ব্যক্তিগত</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>হালকা কাঁপুনি, প্রায় কোনো বিলম্ব নেই</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>বেশিরভাগ মানুষের জন্য ভালো শুরু</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>স্পষ্ট কাঁপুনি</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>জোরালো কাঁপুনি; পয়েন্টার আরও ধীরে অনুসরণ করে</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>ছোট বোতাম ও লেখা; সবচেয়ে স্থির, সবচেয়ে ধীর</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>ট্র্যাকপ্যাডের জন্য টিউন করা</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>থামলে স্থির, স্ক্রিন জুড়ে দ্রুত</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>আপনার পরীক্ষার প্রিসেট, AI দিয়ে টিউন করা</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Quellarine যাতে পয়েন্টার ঠিক করতে পারে, সেজন্য এই কম্পিউটারে একটি X11 সেশন দরকার। অন্য কোনো সেশনে থাকলে লগ আউট করুন, লগইন স্ক্রিনে একটি X11 সেশন বেছে নিন (এর নামে প্রায়ই “Xorg” বা “X11” থাকে) এবং আবার লগ ইন করুন। আপনি যা টাইপ বা ক্লিক করেন, তার কিছুই রেকর্ড করা হয় না বা কোথাও পাঠানো হয় না।</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>কী দরকার দেখুন</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>ইতিমধ্যে X11 সেশনে আছেন, তবুও কাজ করছে না? X সার্ভারে XInput2 ও XTest এক্সটেনশন থাকতে হবে: এর সেটিংসে সেগুলো চালু করুন, তারপর আবার Quellarine খুলুন।</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine পয়েন্টারে পৌঁছাতে পারে</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>একটি X11 সেশন ব্যবহার করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>সরাসরি</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>কোনো স্মুদিং নেই: পয়েন্টার সরাসরি আপনার হাত অনুসরণ করে</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Ctrl ৫ বার চাপায় বন্ধ করা হয়েছে</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>আপডেট সার্ভারে পৌঁছানো যায়নি। আপনার ইন্টারনেট সংযোগ দেখে নিয়ে পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>সার্ভার থেকে আপডেটের তথ্য পড়া যায়নি। অনুগ্রহ করে পরে আবার চেষ্টা করুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>আপনার হাতের মতো করে</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>এক মিনিটের পরীক্ষা: স্থির থাকুন, একটি বিন্দু অনুসরণ করুন, কয়েকটি লক্ষ্যে ক্লিক করুন। Quellarine আপনার নড়াচড়ায় প্রতিটি প্রিসেট চেষ্টা করে এবং আপনার জন্য উপযুক্তটি প্রস্তাব করে। তারপর AI আপনার ফলাফল ব্যাখ্যা করতে এবং আপনার জন্য একটি ব্যক্তিগত সেটিং টিউন করতে পারে।</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>পরীক্ষা শুরু করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>ক্লিক সুরক্ষা</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>খুব ছোট ট্যাপ আর দ্রুত অনিচ্ছাকৃত পুনরাবৃত্তি উপেক্ষা করে, এবং ক্লিক করার সময় পয়েন্টার স্থির রাখে।</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>বন্ধ করতে চাপুন</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Ctrl ৫ বার চাপায় বন্ধ করা হয়েছে। এখানে অথবা %1 দিয়ে আবার চালু করুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>স্বাগত নির্দেশিকা আবার দেখান</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>প্রশ্ন বা সমস্যা? এখানেই, Quellarine-এ আমাদের লিখুন</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>আপডেট খুঁজুন…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>স্বয়ংক্রিয়ভাবে আপডেট খুঁজুন</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>সংস্করণ %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine কোনো চিকিৎসা যন্ত্র নয় এবং কোনো রোগ নির্ণয় বা চিকিৎসা করে না।</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine প্রতিটি অ্যাপে পয়েন্টারের কাঁপুনি মসৃণ করে এবং দুর্ঘটনাজনিত ক্লিক উপেক্ষা করে।</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>কী দরকার দেখুন</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>ফিল্টার</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine চালু আছে</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine বন্ধ আছে</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>%1 প্রিসেট দিয়ে স্মুদিং।</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>পয়েন্টার সরাসরি আপনার হাত অনুসরণ করে।</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>আপনি যা টাইপ বা ক্লিক করেন, তার কিছুই রেকর্ড করা হয় না বা কোথাও পাঠানো হয় না।</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>পয়েন্টার কতটা স্থির হবে?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>প্রতিটি প্রিসেট স্থিরতা আর পয়েন্টার কত দ্রুত অনুসরণ করে, তার মধ্যে ভারসাম্য করে। একটি বেছে নিয়ে চেষ্টা করুন: সঠিকটি শান্ত লাগে।</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>বিশেষ ক্ষেত্রে</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>আপনার হাতের জন্য তৈরি</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>যেকোনো অ্যাপ থেকে মোড বদলান</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>কোনটি বেছে নেবেন, বুঝতে পারছেন না?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine আপনার হাত মেপে একটি প্রিসেট প্রস্তাব করতে পারে, আর AI এর কারণ ব্যাখ্যা করে সেটি আপনার হাতের মতো করে টিউন করতে পারে।</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>ক্লিক করা</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>যে হাত দুবার ট্যাপ করে বা চাপার সময় পিছলে যায়, তার জন্য।</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>খুব ছোট ট্যাপ ক্লিক হিসেবে গণ্য হয় না।</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>প্রথম ক্লিকের ঠিক পরের দ্বিতীয় ক্লিক উপেক্ষা করা হয়, যাতে কাঁপা আঙুলে ভুল করে ডাবল-ক্লিক না হয়।</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>বোতাম চেপে থাকা অবস্থায় পয়েন্টার স্থির থাকে, ফলে যেখানে ক্লিক করেছেন সেখান থেকে সরে যায় না।</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine চালু</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine বন্ধ</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>ফিল্টার</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>কী দরকার দেখুন</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>স্মুদিং</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>বিশেষ ক্ষেত্রে</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>আপনার হাতের জন্য তৈরি</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>ক্লিক সুরক্ষা</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine খুলুন</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>প্রস্থান</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>ফিল্টার</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>কী দরকার দেখুন</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>আপডেট করুন…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>শর্টকাট</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl ৫ বার: বন্ধ</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine খুলুন</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>অনুমতি দরকার</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>চালু · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>বন্ধ: কোনো স্মুদিং নেই</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 ইনস্টল করার জন্য প্রস্তুত</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>অন্য একটি অ্যাপ ব্যবহার করছে</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>পরের মোড</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>চালু বা বন্ধ</translation>
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
        <translation>পরের মোড</translation>
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
        <translation>ফিল্টার</translation>
    </message>
    <message>
        <source>On</source>
        <translation>চালু</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>বন্ধ</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>স্মুদিং</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>বিশেষ ক্ষেত্রে</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>আপনার হাতের জন্য তৈরি</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>শর্টকাট</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Quellarine ব্যাকগ্রাউন্ডে চালু থাকলে এগুলো প্রতিটি অ্যাপে কাজ করে।</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>অন্য একটি অ্যাপ ব্যবহার করছে</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>মোড বদলান</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>প্রথমে সরাসরি (কোনো স্মুদিং নেই), তারপর একে একে প্রতিটি প্রিসেট। পেছনে যেতে Shift-ও চেপে ধরে রাখুন। মোডের নাম কয়েক সেকেন্ড স্ক্রিনে দেখা যায়।</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>পয়েন্টার ব্যবহার করা কখনো কঠিন হলে পরপর ৫ বার Ctrl চাপুন: Quellarine সঙ্গে সঙ্গে বন্ধ হয়ে যাবে।</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>সিস্টেম ট্রেতে এর আইকনও ব্যবহার করতে পারেন।</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>সিস্টেম Quellarine-কে পয়েন্টার দেখতে দেয়নি। এটি বন্ধ করে আবার খুলুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>%1-এ আপডেট করুন…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>আপডেট খুঁজুন…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>আপনার সংস্করণটিই সর্বশেষ!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 বর্তমানে পাওয়া যায় এমন সবচেয়ে নতুন সংস্করণ।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>সংস্করণের ইতিহাস</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>%1-এ আপডেট করুন</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>আপডেট খুঁজুন</translation>
    </message>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>নতুন কী আছে দেখুন এবং বিনা মূল্যে ইনস্টল করুন</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Quellarine-এর নতুন সংস্করণ এসেছে কি না দেখুন</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>রিলিজ নোট</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>সফটওয়্যার আপডেট</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>আপডেট খোঁজা হচ্ছে…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>আপনার সংস্করণটিই সর্বশেষ!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 বর্তমানে পাওয়া যায় এমন সবচেয়ে নতুন সংস্করণ।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>সংস্করণের ইতিহাস</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Quellarine-এর একটি নতুন সংস্করণ পাওয়া যাচ্ছে!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 এখন পাওয়া যাচ্ছে; আপনার আছে %2। এখনই এর ডাউনলোড পেজ খুলতে চান?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>এই সংস্করণ বাদ দিন</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>পরে মনে করিয়ে দিন</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>ডাউনলোড পেজ খুলুন</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine আপডেট খুঁজতে পারেনি।</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine প্রতিটি অ্যাপে পয়েন্টারের কাঁপুনি মসৃণ করে এবং দুর্ঘটনাজনিত ক্লিক উপেক্ষা করে।</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine কোনো চিকিৎসা যন্ত্র নয় এবং কোনো রোগ নির্ণয় বা চিকিৎসা করে না।</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine-এ স্বাগতম</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>শর্টকাট</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>মোড বদলান</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>প্রথমে সরাসরি (কোনো স্মুদিং নেই), তারপর একে একে প্রতিটি প্রিসেট। পেছনে যেতে Shift-ও চেপে ধরে রাখুন। মোডের নাম কয়েক সেকেন্ড স্ক্রিনে দেখা যায়।</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>পয়েন্টার ব্যবহার করা কখনো কঠিন হলে পরপর ৫ বার Ctrl চাপুন: Quellarine সঙ্গে সঙ্গে বন্ধ হয়ে যাবে।</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>চলনজনিত অসুবিধা থাকা মানুষদের নিয়ে এক গবেষণায় %1 ক্লিকের সময় পয়েন্টার সরে গিয়েছিল। আপনি চাপার সময় Quellarine সেটিকে স্থির রাখে, আর ক্লিক হওয়ার পক্ষে খুব ছোট ট্যাপ উপেক্ষা করে।</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু করুন</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>পরে</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>সিস্টেম ট্রেতে এর আইকনও ব্যবহার করতে পারেন।</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine-এ স্বাগতম</translation>
    </message>
</context>
</TS>
