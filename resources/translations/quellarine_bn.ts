<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
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
        <translation>ব্যবহার: quellarine [বিকল্প]
কাঁপা হাতের জন্য পয়েন্টার স্থির করে। বিকল্প ছাড়া, Quellarine চালু করে।

  --allow-devices       root হিসেবে: এই কম্পিউটারের পর্দার সামনের ব্যবহারকারীকে পয়েন্টিং ডিভাইস স্থির করতে দেয়
  --allow-keyboards     root হিসেবে: Quellarine-কে কিবোর্ডে তার শর্টকাট শুনতে দেয়
  --disallow-keyboards  root হিসেবে: কিবোর্ডের অনুমতি ফিরিয়ে নেয়
  --help                এই সাহায্য দেখায় এবং শেষ হয়
  --version             সংস্করণ দেখায় এবং শেষ হয়</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine “%1” বোঝে না।</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine-এর একটি ডেস্কটপ সেশন দরকার: কোনো ডিসপ্লে খোলা যায়নি (DISPLAY বা WAYLAND_DISPLAY)।</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine এই কম্পিউটারের পয়েন্টিং ডিভাইসের মাধ্যমে পয়েন্টার স্থির রাখে, যেগুলো এটি এখনও ব্যবহার করতে পারে না। এই কম্পিউটারের সামনে থাকা ব্যক্তির জন্য অনুমতি দিতে টার্মিনালে এই একটি কমান্ড চালান এবং আপনার পাসওয়ার্ড দিন:

%1

Quellarine নিজে থেকেই অ্যাক্সেস টের পায়, আবার চালু করতে হয় না।</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine একটি X11 সেশনের X সার্ভারের মাধ্যমে পয়েন্টার স্থির রাখে, আর সেই সার্ভারে XInput2 ও XTest এক্সটেনশন থাকতে হবে। এই সেশন সেই অ্যাক্সেস দেয় না, তাই পয়েন্টার স্থির হচ্ছে না।

লগ আউট করুন, লগইন স্ক্রিনে একটি X11 সেশন বেছে নিন (এর নামে প্রায়ই “Xorg” বা “X11” থাকে), আবার লগ ইন করুন, তারপর Quellarine চালু করুন।</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>এটি একটি Wayland সেশন। এর X সার্ভার কোনো প্রোগ্রামকে পুরো ডেস্কটপের পয়েন্টার দেখতে বা সরাতে দেয় না, তাই Quellarine সেখানে এটিকে স্থির করতে পারে না।

লগ আউট করুন, লগইন স্ক্রিনে একটি X11 সেশন বেছে নিন (এর নামে প্রায়ই “Xorg” বা “X11” থাকে), আবার লগ ইন করুন, তারপর Quellarine চালু করুন।</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Quellarine চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: পরের মোড</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: আগের মোড</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>Quellarine-এর এই কপিতে %1 নেই।</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 লেখা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1” সফল হয়নি।</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 সরানো যায়নি।</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>%1-এর অ্যাক্সেস তালিকা মোছা যায়নি।</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>কাজ করতে পয়েন্টারে অ্যাক্সেস দরকার।</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>আপনি</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>এই ফাইলটি এমন কোনো ছবি নয় যা Quellarine পড়তে পারে।</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>ছবিটি খুব বড়। ৪০ MB-এর কম আকারের একটি ছবি বেছে নিন।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine ছবিটি সংরক্ষণ করতে পারেনি। আপনার ডিস্ক পূর্ণ নয় কিনা দেখে আবার চেষ্টা করুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>AI-সহায়তায়</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Quellarine যাতে পয়েন্টার ঠিক করতে পারে, সেজন্য এই কম্পিউটার এটি চায়। টার্মিনালে এই কমান্ডটি একবার চালান এবং আপনার পাসওয়ার্ড দিন। আপনি যা টাইপ বা ক্লিক করেন তার কিছুই রেকর্ড করা হয় না বা কোথাও পাঠানো হয় না।</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>কী দরকার দেখুন</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>ইতিমধ্যে চালিয়েছেন, কিন্তু এখনও কাজ করছে না? এই কম্পিউটারের নিজের স্ক্রিনে যিনি লগ ইন করেছেন, অ্যাক্সেস তিনিই পান: সেখানে লগ আউট করে আবার লগ ইন করুন, তারপর Quellarine খুলুন।</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine পয়েন্টারে পৌঁছাতে পারে</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>পয়েন্টারে অ্যাক্সেসের অনুমতি দিন</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>অ্যাক্সেস দেওয়া হয়েছে, সিস্টেমের অপেক্ষায়</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>অ্যাক্সেস দেওয়া হয়েছে: কিছু চালানোর দরকার নেই। আপনি যা টাইপ বা ক্লিক করেন, তার কিছুই রেকর্ড করা হয় না বা কোথাও পাঠানো হয় না।</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>সেকেন্ডে %1 বার</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 মিমি</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>আপনার জন্য প্রস্তাবিত</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>নিয়মিত কোনো ছন্দ নেই</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>লক্ষ্যের চারপাশে কাঁপুনি</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>কত দ্রুত কাঁপে</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>চাপার সময় নড়াচড়া</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>অতিরিক্ত বা ফসকে যাওয়া ক্লিক</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>আপনার নড়াচড়ায় প্রতিটি প্রিসেট</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>প্রতিটি কতটা কাঁপুনি দূর করে, আর পয়েন্টার আপনার হাতের কতটা পিছনে থাকে।</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>এই কম্পিউটারে মাপা হয়েছে। এগুলো পয়েন্টারের সেটিং, স্বাস্থ্যের পরিমাপ নয়।</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>আমার সেটিং রাখুন</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>এই সেটিংগুলো ব্যবহার করুন</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>ক্লিক সুরক্ষা চালু রেখে</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>শেষ পরীক্ষা, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>আবার পরীক্ষা করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>পরীক্ষার জায়গা</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>পয়েন্টার এখানে রাখুন</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>আপনার নড়াচড়া, আর প্রস্তাবিত প্রিসেটে সেই একই নড়াচড়া</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>আপনার হাতের মতো করে</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>এক মিনিটের পরীক্ষা, তিন ভাগে। Quellarine এই কম্পিউটারে মাপে, তারপর AI আপনার ফল ব্যাখ্যা করতে এবং আপনার জন্য একটি ব্যক্তিগত সেটিং ঠিক করতে পারে।</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>৩-এর ১: পয়েন্টারটি বিন্দুর উপর ধরে রাখুন।</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>৩-এর ২: পয়েন্টার দিয়ে বিন্দুটিকে অনুসরণ করুন।</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>৩-এর ৩: প্রতিটি লক্ষ্য দেখা দিলেই ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>আপনার নড়াচড়ায় প্রতিটি প্রিসেট চেষ্টা করা হচ্ছে।</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>আপনার ফল</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>হয়েছে</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>স্থির থাকুন</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>একটি বিন্দুতে ১০ সেকেন্ড</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>অনুসরণ</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>চলন্ত বিন্দুর পিছনে ১৫ সেকেন্ড</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>ক্লিক</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>১০টি লক্ষ্য</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>যে মাউস বা ট্র্যাকপ্যাড সাধারণত ব্যবহার করেন, সেটিই সাধারণভাবে ধরে ব্যবহার করুন। ঠিক বা ভুল বলে কিছু নেই: পরীক্ষাটি শুধু পয়েন্টার মাপে।</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>পরীক্ষার সময় স্মুদিং ও ক্লিক সুরক্ষা থেমে থাকে এবং পরে ফিরে আসে।</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>রেকর্ডিং শুধু মেমরিতে থাকে এবং এই পাতা ছেড়ে গেলে মুছে যায়। শুধু ফলটি রাখা হয়।</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>পরে, আপনি চাইলে তবেই, AI (Claude) আপনার ফল ব্যাখ্যা করতে এবং আপনার জন্য একটি ব্যক্তিগত সেটিং ঠিক করতে পারে। এটি ফলের সংখ্যাগুলো পড়ে, রেকর্ডিং কখনো নয়।</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>আবার পরীক্ষা করুন</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>পরীক্ষা শুরু করুন</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>আপনার সেটিং বের করা হচ্ছে…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>মাউস</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>ট্র্যাকপ্যাড</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>দুটোই</translation>
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
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>বন্ধ করা হয়েছে কারণ Ctrl ৫ বার চাপা হয়েছে। এখান থেকে আবার চালু করুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>আপনার ফলাফল, AI-এর ব্যাখ্যায়</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, Anthropic-এর AI, এই সংখ্যাগুলোকে সহজ কথায় বলে এবং সেগুলোর জন্য একটি প্রিসেট মানিয়ে নেয়: আপনার হাতের জন্য একটি ব্যক্তিগত সেটিং।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine ইন্টারনেটে পৌঁছাতে পারেনি। উপরের পরামর্শের এটির দরকার নেই: সেটি এই কম্পিউটারেই হিসাব করা হয়েছে।</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>আজকের তিনটি ব্যাখ্যা আপনি পেয়ে গেছেন। কাল আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>আজ অনেকে ব্যাখ্যা চেয়েছেন। কাল আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>এখন ব্যাখ্যা পাওয়া যাচ্ছে না। পরে আবার চেষ্টা করুন; উপরের পরামর্শ একইভাবে কাজ করে।</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>আপনার ফলাফলের সংখ্যা থেকে AI (Claude) লিখেছে। পরিমাপটি Quellarine-এর নিজের, এই কম্পিউটারে, এবং AI-এর সেটিং Quellarine-এর প্রিসেটের সীমার মধ্যেই থাকে।</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>AI-এর ব্যক্তিগত সেটিং</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>আপনার সংখ্যা অনুযায়ী %1-এর চেয়ে একটু বেশি স্থির।</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>আপনার সংখ্যা অনুযায়ী %1-এর চেয়ে একটু দ্রুত।</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 যেমন আছে: এটি ইতিমধ্যে আপনার সংখ্যার সাথে মানানসই।</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>ব্যবহৃত হচ্ছে</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>শুধু নিচের সংখ্যাগুলো পাঠানো হয়: কখনও রেকর্ডিং, আপনার নাম বা ইমেল ঠিকানা নয়।</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>ঠিক কী পাঠানো হয় দেখুন</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>দিনে তিনটি পর্যন্ত।</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>লেখা হচ্ছে…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>AI দিয়ে ব্যাখ্যা করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>একটি প্রশ্ন, একটি ভাবনা, কিছু যা কাজ করেনি। প্রতিটি বার্তা পড়েন সেই মানুষটি, যিনি Quellarine তৈরি করেন।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine ইন্টারনেটে পৌঁছাতে পারেনি। আপনার বার্তা এখানেই রাখা আছে: অনলাইনে এলে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>অল্প সময়ে অনেক বার্তা পাঠানো হয়েছে। আপনার বার্তা এখানেই রাখা আছে: এক ঘণ্টা পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>বার্তাটি এভাবে পাঠানো গেল না। ইমেল ঠিকানা দেখে নিন, বা বার্তাটি ছোট করুন।</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>এখন পাঠানো কাজ করছে না। আপনার বার্তা এখানেই রাখা আছে: পরে আবার চেষ্টা করুন, বা এটি কপি করুন।</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>এটি কী নিয়ে?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>আপনার বার্তা</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>আপনার ইমেল (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nam@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>অ্যাপের বিবরণ যোগ করুন</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>অ্যাপের সংস্করণ, সিস্টেমের সংস্করণ, ভাষা, প্রিসেট ও পয়েন্টিং ডিভাইস সমস্যা খুঁজতে সাহায্য করে। কখনও আপনার নাম, আপনার ফাইল বা স্ক্রিনে যা আছে তা নয়।</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>পাঠানো হচ্ছে…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>পাঠান</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>পাঠান (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>পাঠাতে বিষয় বেছে নিন এবং একটি বার্তা লিখুন।</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>পাঠানো হয়েছে</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>ধন্যবাদ! আপনার বার্তা পথে আছে।</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>এটি একজন মানুষ পড়েন। আপনি কোনো ঠিকানা দেননি, তাই উত্তর আসবে না।</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>এটি একজন মানুষ পড়েন, এবং উত্তর যাবে %1 ঠিকানায়।</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>আরেকটি লিখুন</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%2-এর মধ্যে %1টি অক্ষর</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>শুধু আপনাকে উত্তর দিতে। পরিচয় গোপন রাখতে খালি রাখুন।</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>এটি ইমেল ঠিকানার মতো দেখাচ্ছে না।</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>বার্তা কপি করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>আপনার নড়াচড়া</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>কাঁপা হাত</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>প্রতি সেকেন্ডে কতবার</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>ইচ্ছে করে মাউস নাড়ানো সেকেন্ডে মোটামুটি ২ বারের নিচে থাকে। কাঁপুনি আরও দ্রুত, ৩ থেকে ১২ বার। Quellarine কাঁপুনিটা শিখে নিয়ে তা বাদ দেয়, সবকিছু ধীর করে দেয় না।</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>আপনার নড়াচড়া আর কাঁপুনি কত দ্রুত</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>সেকেন্ডে ০ থেকে %1 বার পর্যন্ত একটি রেখা। আপনার নড়াচড়া সেকেন্ডে ০ থেকে ২ বারের মধ্যে, কাঁপা হাত ৩ থেকে ১২-র মধ্যে।</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>%1 প্রিসেট দিয়ে পয়েন্টার স্মুদ করুন</translation>
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
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 মি.সে.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>সুষম</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>লক্ষ্যে পৌঁছানোর সময়, বিলম্ব অনুযায়ী</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>৭৫ মি.সে. বিলম্বে লক্ষ্যে পৌঁছাতে %1 বেশি সময় লেগেছে এবং ভুল %2 থেকে বেড়ে %3 হয়েছে। ৪০ মি.সে. যোগ করায় পয়েন্টিংয়ের গতি প্রায় %4 কমেছে। সুষম প্রায় ২৫ মি.সে. যোগ করে।</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 যোগ হলে, সুষম-এর মতো: %2।</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 যোগ হলে: %2।</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>ব্যবহৃত হচ্ছে</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>এই সেটিংগুলো ব্যবহার করুন</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>পরের মোড: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>চালু বা বন্ধ: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl ৫ বার: এই সেশনে শোনা যায় না</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>ডেস্কটপের অপেক্ষায়</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>ডেস্কটপ দেয়নি</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>এই সেশনে উপলব্ধ নয়</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>এই সংস্করণ</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>সংস্করণ %1, এই সংস্করণ: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>সংস্করণ %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>চালু</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine চালু বা বন্ধ</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine নিজে থেকে আবার চালু হতে পারেনি। নতুন ভাষা দেখতে এটি বন্ধ করে আবার খুলুন।</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>সুষম দিয়ে শুরু করুন, পয়েন্টার তবুও কাঁপলে জোরালো চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>ট্র্যাকপ্যাড প্রিসেট ব্যবহার হচ্ছে, আঙুলের ছোট টানের জন্য তৈরি।</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>ডিভাইস বদলালে %1 দিয়ে প্রিসেটও বদলে নিন।</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>নিজের মতো করে নিন</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine এগুলো অনুযায়ী নিজেকে সাজিয়ে নেয়। কিছুই এই কম্পিউটারের বাইরে যায় না।</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>স্বয়ংক্রিয়</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>হালকা</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>গাঢ়</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>চেহারা</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>ক্লিক সুরক্ষা</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>আপনি কী দিয়ে পয়েন্ট করেন?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>সিস্টেমের মতো</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ভাষা</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>আবার খুললে Quellarine নতুন ভাষায় দেখাবে।</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Quellarine আবার চালু করুন</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>ছবি সরান</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>ছবি হিসেবে ব্যবহার করতে এখানে একটি ছবি ছেড়ে দিন</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>ছবি বদলান…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>ছবি বেছে নিন…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>আপনার প্রোফাইলের জন্য একটি ছবি বেছে নিন। এটি এই কম্পিউটারেই থাকে।</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>ছবি (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>ছবি ব্যবহার করুন</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>নামের প্রথম অংশ</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>ব্যক্তিগত তথ্য</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>শুধু এই কম্পিউটারে Quellarine-এ দেখানো হয়। কখনো আপলোড হয় না।</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>পদবি</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>ইমেল</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>একটি প্রশ্ন, একটি ভাবনা, কোনো কিছু যা কাজ করেনি। প্রতিটি বার্তা পড়া হয়।</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>আমাদের লিখুন</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>কেন এটি কাজ করে</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>কাঁপা হাত একটি ক্লিকের কী করে, আর Quellarine কীভাবে তার জবাব দেয়।</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>মাউস ব্যবহারকারীদের নিয়ে প্রকাশিত গবেষণার সংখ্যা, প্রতিটির সঙ্গে সেই সেটিং যা থেকে এসেছে। সব উৎস পাতার নিচে আছে।</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>ক্লিক পিছলে গেছে</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>ডাবল-ক্লিক ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 মি.সে.</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>সুষম-এ বিলম্ব</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>ক্লিক করা</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>বেশিরভাগ সমস্যা হয় ক্লিকের মুহূর্তে, সেখানে পৌঁছানোর পথে নয়।</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 বনাম %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>গুণ বেশি ডাবল-ক্লিকের ভুল বয়স্কদের, তরুণদের তুলনায়।</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>শুধু কাঁপুনি নয়: ক্লিক পিছলে গেলেই Quellarine সাহায্য করে।</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>নড়াচড়া</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>আপনার নড়াচড়া আর কাঁপুনির গতি আলাদা। এই ফাঁকেই Quellarine কাজ করে।</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>২.৩৪ বনাম ৪.৭২ বিট/সে.</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>চলাচলে অসুবিধা থাকা মানুষের পয়েন্টিংয়ের গতি, অন্যদের তুলনায়।</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>স্থির পয়েন্টার সেই গতির কিছুটা ফিরিয়ে দেয়: কম ফসকানো, কম দ্বিতীয় চেষ্টা।</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>বিলম্ব</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>স্মুদিং সাধারণত বিলম্ব আনে, আর বিলম্ব গতি কমায়। তাই Quellarine তা কম রাখে।</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>আপনার নিজের হাত</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>গবেষণাগুলো মানুষের দলের কথা বলে। &quot;আপনার হাতের মতো করে&quot; দেখে আপনার হাতটাই।</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>গবেষণাগুলো মাউস ব্যবহারকারী মানুষের দল নিয়ে হয়েছে; সেগুলো Quellarine পরীক্ষা করেনি, শুধু আমাদের নিজের বলে চিহ্নিতটি ছাড়া। Quellarine কোনো চিকিৎসা যন্ত্র নয় এবং কোনো রোগ নির্ণয় বা চিকিৎসা করে না।</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>অন্যদের %1</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>ক্লিকে বোতাম চাপা আর ছাড়ার মাঝে পয়েন্টার সরে গেছে, চলাচলে অসুবিধা থাকা মানুষের ক্ষেত্রে।</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>ক্লিক সুরক্ষা বোতাম চাপা থাকার সময় পয়েন্টার স্থির রাখে।</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>ডাবল ও ট্রিপল ক্লিক ব্যর্থ হয়েছে: পিছলে গেছে, খুব ধীরে এসেছে বা ভুল গোনা হয়েছে।</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>ক্লিক করার সময় পয়েন্টার এক জায়গায় থাকে, তাই ক্লিকগুলো একই জায়গায় পড়ে।</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>একজনের কাছ থেকেই ১৯টি পর্যন্ত</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>ক্লিক কেউ করতে চায়নি, একই গবেষণায়।</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>আসল চাপের চেয়ে খুব ছোট টোকা ক্লিক হিসেবে গোনা হয় না।</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>১১ জনের ৯ জন</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>মানুষ ক্লিকের সময় স্থির থাকা পয়েন্টার পছন্দ করেছেন, যখন তা চেষ্টা করে দেখেছেন।</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Quellarine-এর ক্লিক সুরক্ষাও একইভাবে কাজ করে।</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 কম কাঁপুনি</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 মি.সে.</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>একই ২৫ মি.সে. বিলম্বে কতটা কাঁপুনি থেকে যায়</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>সাধারণ স্মুদিং</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, সুষম</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine কাঁপুনিটা হিসাব করে বের করে তা বাদ দেয়, অস্ত্রোপচারের যন্ত্র স্থির রাখার অভিযোজী ফিল্টারের মতো, যা ল্যাবের পরীক্ষায় হাতের কাঁপুনির প্রায় দুই-তৃতীয়াংশ দূর করেছে। যে কাঁপুনি সেকেন্ডে সেকেন্ডে বদলায় তা কঠিন: তখন কম অংশ দূর হয়।</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>সাধারণ স্মুদিংয়ে বাকি কাঁপুনি: %1। Quellarine-এর সুষম প্রিসেটে: %2।</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine যাতে এখানে তার কী আর Ctrl-এর পাঁচবার চাপ শুনতে পায়, সেজন্য টার্মিনালে এই কমান্ড চালিয়ে তাকে কীবোর্ডের অ্যাক্সেস দিন। তখন সে প্রতিটি কীবোর্ড পড়তে পারবে; সে শুধু মডিফায়ার কী আর তার তিনটি শর্টকাট দেখে, এবং কখনো কোনো কী সংরক্ষণ করে না বা পাঠায় না।</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>কমান্ড</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>আপনার ডেস্কটপ প্রতিটি অ্যাপে এই কীগুলো Quellarine-কে দেয়; আপনি এগুলো তার কীবোর্ড সেটিংসে বদলাতে পারেন।</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>আপনার দেওয়া কীবোর্ড অ্যাক্সেসের মাধ্যমে Quellarine প্রতিটি অ্যাপে এগুলো শোনে। সে শুধু মডিফায়ার কী আর এই তিনটি শর্টকাট দেখে, এবং কখনো কোনো কী সংরক্ষণ করে না বা পাঠায় না।</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>এই সেশনে এগুলো কাজ করে না: এটি কোনো প্রোগ্রামকে অন্য উইন্ডোতে চাপা কী শুনতে দেয় না।</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>ডেস্কটপের এই কীগুলো দেওয়ার অপেক্ষায়</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>ডেস্কটপ এই কীগুলো দেয়নি</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>এই সেশনে উপলব্ধ নয়</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>সরাসরি (স্মুদিং ছাড়া), তারপর পালাক্রমে প্রতিটি প্রিসেট; %1 পেছনে যায়। মোডের নাম কয়েক সেকেন্ড স্ক্রিনে দেখা যায়।</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>এই সেশনে Ctrl-এর পাঁচবার চাপ শোনা যায় না। পয়েন্টার ব্যবহার কখনো কঠিন হলে, মূল উইন্ডোর সুইচ দিয়ে বা সিস্টেম ট্রেতে Quellarine-এর আইকন থেকে স্মুদিং বন্ধ করুন।</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>উৎস</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>কিছু কাজ করছে না</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>আমার একটি ভাবনা আছে</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>কিছু বিভ্রান্তিকর</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>কিছু অনুপস্থিত</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>আমার পছন্দের কিছু</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>উপরে বিষয় বেছে নিন, তারপর যত খুশি কম বা বেশি লিখুন।</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>আপনি কী করেছিলেন, কী আশা করেছিলেন, আর তার বদলে কী হলো?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>আপনি Quellarine-কে দিয়ে কী করাতে চান?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>কোন অংশটি বোঝা কঠিন ছিল?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>আপনি কী খুঁজেছিলেন কিন্তু পাননি?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>আপনার জন্য কী ভালো কাজ করে?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>এখনই আপডেট করুন</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 পাওয়া যাচ্ছে</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>নতুন কী আছে</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Quellarine-এর প্রতিটি আপডেট, নতুনটি আগে। আপডেট আজীবন বিনামূল্যে।</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>কোনো রিলিজ নোট নেই</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>এগুলো অ্যাপ ডাউনলোডেরই অংশ। সর্বশেষ সংস্করণ পেতে আপডেট খুঁজুন।</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>আপনার কম্পিউটারে মাপা</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>এক মিনিটের একটি পরীক্ষা আপনার পয়েন্টার কীভাবে নড়ে তা রেকর্ড করে। Quellarine সেটি প্রতিটি প্রিসেটে আবার চালিয়ে দেখে এবং সবচেয়ে কম বিলম্বে সবচেয়ে কম কাঁপুনি রাখে এমনটি সুপারিশ করে।</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>AI দিয়ে ব্যাখ্যা ও টিউন করা</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>আপনি চাইলে AI (Claude) ফলাফলের সংখ্যাগুলো পড়ে, রেকর্ডিং কখনও নয়, সহজ ভাষায় ব্যাখ্যা করে সেগুলো কী দেখায়, এবং প্রস্তাবিত প্রিসেটটিকে একটি ব্যক্তিগত সেটিংয়ে টিউন করে, Quellarine-এর প্রিসেটগুলোর সীমার মধ্যে রেখে।</translation>
    </message>
</context>
</TS>
