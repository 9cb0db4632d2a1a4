<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
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
        <translation>उपयोग: quellarine [विकल्प]
काँपते हाथों के लिए पॉइंटर को स्थिर करता है। बिना विकल्प के, Quellarine शुरू करता है।

  --allow-devices       root के रूप में: इस कंप्यूटर की स्क्रीन के सामने बैठे उपयोगकर्ता को पॉइंटिंग डिवाइस स्थिर करने देता है
  --allow-keyboards     root के रूप में: Quellarine को कीबोर्ड पर अपने शॉर्टकट सुनने देता है
  --disallow-keyboards  root के रूप में: कीबोर्ड की अनुमति वापस लेता है
  --help                यह सहायता दिखाता है और समाप्त होता है
  --version             संस्करण दिखाता है और समाप्त होता है</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine “%1” नहीं समझता।</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine को डेस्कटॉप सत्र चाहिए: कोई डिस्प्ले नहीं खोला जा सका (DISPLAY या WAYLAND_DISPLAY)।</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine इस कंप्यूटर के पॉइंटिंग डिवाइसों के ज़रिए पॉइंटर को स्थिर करता है, जिनका उपयोग वह अभी नहीं कर सकता। इस कंप्यूटर पर बैठे व्यक्ति के लिए इसकी अनुमति देने हेतु टर्मिनल में यह एक कमांड चलाएँ और अपना पासवर्ड डालें:

%1

Quellarine बिना दोबारा शुरू किए, अपने आप यह पहुँच पहचान लेता है।</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine किसी X11 सत्र के X सर्वर के ज़रिए पॉइंटर को स्थिर करता है, और उस सर्वर में XInput2 और XTest एक्सटेंशन होने चाहिए। यह सत्र उसे वह पहुँच नहीं देता, इसलिए पॉइंटर स्थिर नहीं हो रहा है।

लॉग आउट करें, लॉगिन स्क्रीन पर कोई X11 सत्र चुनें (उसके नाम में अक्सर “Xorg” या “X11” होता है), फिर से लॉग इन करें और Quellarine शुरू करें।</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>यह एक Wayland सत्र है। इसका X सर्वर किसी भी प्रोग्राम को पूरे डेस्कटॉप का पॉइंटर देखने या हिलाने नहीं देता, इसलिए Quellarine वहाँ उसे स्थिर नहीं कर सकता।

लॉग आउट करें, लॉगिन स्क्रीन पर कोई X11 सत्र चुनें (उसके नाम में अक्सर “Xorg” या “X11” होता है), फिर से लॉग इन करें और Quellarine शुरू करें।</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Quellarine चालू या बंद करें</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: अगला मोड</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: पिछला मोड</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>Quellarine की इस प्रति में %1 नहीं है।</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 नहीं लिखा जा सका: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1” सफल नहीं हुआ।</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>%1 की एक्सेस सूची साफ़ नहीं की जा सकी।</translation>
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
        <translation>Quellarine परीक्षण, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>संतुलित प्रीसेट बनाम उतनी ही 25 ms देरी वाली साधारण स्मूदिंग</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>ट्रैकपैड पर रिकॉर्ड की गई एक गतिविधि, जिसमें 6 Hz का स्थिर सिम्युलेटेड कंपन जोड़ा गया। हमारा अपना माप, कोई प्रकाशित अध्ययन नहीं।</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>अवलोकन</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>आपके हाथ के अनुसार</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>यह क्यों काम करता है</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>फ़ीडबैक</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>नया क्या है</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>प्रोफ़ाइल</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs access to the pointer to work.</source>
        <translation>काम करने के लिए पॉइंटर तक पहुँच चाहिए।</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>कोमल</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>संतुलित</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>मज़बूत</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>बहुत मज़बूत</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>सटीक</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>ट्रैकपैड</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>बड़ी हरकतें</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>निजी</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>हल्की थरथराहट, लगभग कोई देरी नहीं</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>ज़्यादातर लोगों के लिए अच्छी शुरुआत</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>साफ़ दिखने वाला कंपन</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>तेज़ कंपन; पॉइंटर ज़्यादा धीरे पीछे आता है</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>छोटे बटन और टेक्स्ट; सबसे स्थिर, सबसे धीमा</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>ट्रैकपैड के लिए ट्यून किया गया</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>रुकने पर स्थिर, स्क्रीन के आर-पार तेज़</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>आपके परीक्षण का प्रीसेट, AI द्वारा ट्यून किया गया</translation>
    </message>
</context>
<context>
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>आप</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>यह फ़ाइल ऐसी छवि नहीं है जिसे Quellarine पढ़ सके।</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>यह छवि बहुत बड़ी है। 40 MB से छोटी छवि चुनें।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine फ़ोटो सहेज नहीं सका। जाँच लें कि आपकी डिस्क भरी हुई नहीं है, फिर दोबारा कोशिश करें।</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>AI की मदद से</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>यह कंप्यूटर इसकी माँग करता है ताकि Quellarine पॉइंटर को ठीक कर सके। इस कमांड को टर्मिनल में एक बार चलाएँ और अपना पासवर्ड डालें। आप जो कुछ भी टाइप या क्लिक करते हैं, वह न तो रिकॉर्ड होता है और न ही कहीं भेजा जाता है।</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>क्या चाहिए, देखें</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>पहले ही चला चुके हैं, पर अब भी काम नहीं कर रहा? पहुँच उसी को मिलती है जो इस कंप्यूटर की अपनी स्क्रीन पर लॉग इन है: वहाँ लॉग आउट करके फिर से लॉग इन करें, फिर Quellarine खोलें।</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine पॉइंटर तक पहुँच सकता है</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>पॉइंटर तक पहुँच की अनुमति दें</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>पहुँच दी गई, सिस्टम की प्रतीक्षा है</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>पहुँच दी जा चुकी है: कुछ भी चलाने की ज़रूरत नहीं। आप जो भी टाइप या क्लिक करते हैं, वह न रिकॉर्ड होता है, न कहीं भेजा जाता है।</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>अपडेट सर्वर से संपर्क नहीं हो सका। अपना इंटरनेट कनेक्शन जाँचें और बाद में फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>सर्वर से मिली अपडेट जानकारी पढ़ी नहीं जा सकी। कृपया बाद में फिर से कोशिश करें।</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>एक सेकंड में %1 बार</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 मिमी</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>आपके लिए सुझाया गया</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>कोई नियमित लय नहीं</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>निशाने के आसपास कंपन</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>कितनी तेज़ी से कांपता है</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>दबाते समय हलचल</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>अतिरिक्त या छूटे क्लिक</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>आपकी हरकत पर हर प्रीसेट</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>हर प्रीसेट कितना कंपन हटाता है, और पॉइंटर आपके हाथ से कितना पीछे रहता है।</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>इस कंप्यूटर पर मापा गया। ये पॉइंटर सेटिंग्स हैं, स्वास्थ्य माप नहीं।</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>मेरी सेटिंग्स रखें</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>ये सेटिंग्स इस्तेमाल करें</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>आपके हाथ के अनुसार</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>एक मिनट का परीक्षण: स्थिर रहें, एक बिंदु का पीछा करें, कुछ लक्ष्यों पर क्लिक करें। Quellarine आपकी हरकत पर हर प्रीसेट आज़माता है और आपके लिए सही प्रीसेट सुझाता है। फिर AI आपका नतीजा समझा सकता है और आपके लिए एक निजी सेटिंग ट्यून कर सकता है।</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>परीक्षण शुरू करें</translation>
    </message>
    <message>
        <source>With the click guard on</source>
        <translation>क्लिक सुरक्षा चालू के साथ</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>पिछला परीक्षण, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>फिर से परीक्षण करें</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>परीक्षण क्षेत्र</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>पॉइंटर यहाँ रखें</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>आपकी हरकत, और सुझाए गए प्रीसेट के साथ वही हरकत</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>आपके हाथ के अनुसार</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>एक मिनट का परीक्षण, तीन भागों में। Quellarine इस कंप्यूटर पर मापता है, फिर AI आपका परिणाम समझा सकता है और आपके लिए निजी सेटिंग बना सकता है।</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>3 में से 1: पॉइंटर को बिंदु पर रखें।</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>3 में से 2: पॉइंटर से बिंदु का पीछा करें।</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 में से 3: हर लक्ष्य दिखते ही उस पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>आपकी हरकत पर हर प्रीसेट आज़माया जा रहा है।</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>आपका परिणाम</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>स्थिर रखें</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>एक बिंदु पर 10 सेकंड</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>पीछा करें</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>चलते बिंदु के पीछे 15 सेकंड</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>क्लिक करें</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 लक्ष्य</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>वही माउस या ट्रैकपैड इस्तेमाल करें जो आप आमतौर पर करते हैं, उसी तरह पकड़कर। कुछ सही या गलत नहीं है: परीक्षण सिर्फ़ पॉइंटर को मापता है।</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>परीक्षण के दौरान स्मूदिंग और क्लिक सुरक्षा रुकी रहती हैं और बाद में लौट आती हैं।</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>रिकॉर्डिंग केवल मेमोरी में रहती है और इस पेज से जाते ही हटा दी जाती है। केवल परिणाम रखा जाता है।</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>इसके बाद, केवल आपके कहने पर, AI (Claude) आपका परिणाम समझा सकता है और आपके लिए निजी सेटिंग बना सकता है। यह परिणाम की संख्याएँ पढ़ता है, रिकॉर्डिंग कभी नहीं।</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>फिर से परीक्षण करें</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>परीक्षण शुरू करें</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>आपकी सेटिंग्स निकाली जा रही हैं…</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>क्लिक सुरक्षा</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>बहुत छोटे टैप और जल्दी-जल्दी हुए अनजाने दोहराव को अनदेखा करता है, और क्लिक करते समय पॉइंटर को स्थिर रखता है।</translation>
    </message>
</context>
<context>
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>माउस</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>ट्रैकपैड</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>दोनों</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>हटाने के लिए दबाएँ</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Ctrl 5 बार दबाने से बंद हो गया। इसे यहाँ से या %1 से फिर चालू करें।</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>बंद किया गया क्योंकि Ctrl 5 बार दबाया गया। इसे यहाँ फिर से चालू करें।</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>आपका नतीजा, AI की ज़ुबानी</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, Anthropic का AI, इन संख्याओं को आसान शब्दों में बताता है और इनके हिसाब से एक प्रीसेट ढालता है: आपके हाथ के लिए एक निजी सेटिंग।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine इंटरनेट तक नहीं पहुँच सका। ऊपर दिए सुझाव को इसकी ज़रूरत नहीं: वह इसी कंप्यूटर पर निकाला गया था।</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>आप आज की तीनों व्याख्याएँ ले चुके हैं। कल फिर कोशिश करें।</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>आज बहुत लोगों ने व्याख्या माँगी। कल फिर कोशिश करें।</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>व्याख्याएँ अभी उपलब्ध नहीं हैं। बाद में कोशिश करें; ऊपर दिया सुझाव वैसे ही काम करता है।</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>आपके नतीजे की संख्याओं से AI (Claude) ने लिखा। माप Quellarine का अपना है, इसी कंप्यूटर पर, और AI की सेटिंग Quellarine के प्रीसेट की सीमा में रहती है।</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>AI की निजी सेटिंग</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>आपकी संख्याओं के हिसाब से %1 से थोड़ा अधिक स्थिर।</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>आपकी संख्याओं के हिसाब से %1 से थोड़ा तेज़।</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 जैसा है वैसा: यह पहले से आपकी संख्याओं के अनुकूल है।</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>उपयोग में</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>आज़माएँ</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>सिर्फ़ नीचे की संख्याएँ भेजी जाती हैं: रिकॉर्डिंग, आपका नाम या ईमेल पता कभी नहीं।</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>देखें कि ठीक-ठीक क्या भेजा जाता है</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>दिन में तीन तक।</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>लिखा जा रहा है…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>AI से समझाएँ</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>प्रतिक्रिया</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>कोई सवाल, कोई विचार, कुछ जो काम नहीं किया। हर संदेश वही व्यक्ति पढ़ता है जो Quellarine बनाता है।</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine इंटरनेट तक नहीं पहुँच सका। आपका संदेश यहीं रखा है: ऑनलाइन होने पर फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>थोड़े समय में बहुत सारे संदेश भेजे गए। आपका संदेश यहीं रखा है: एक घंटे बाद फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>संदेश इस रूप में नहीं भेजा जा सका। ईमेल पता जाँचें, या संदेश छोटा करें।</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>अभी भेजना काम नहीं कर रहा। आपका संदेश यहीं रखा है: बाद में कोशिश करें, या इसे कॉपी करें।</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>यह किस बारे में है?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>आपका ईमेल (वैकल्पिक)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>naam@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>ऐप का विवरण शामिल करें</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>ऐप का संस्करण, सिस्टम का संस्करण, भाषा, प्रीसेट और पॉइंटिंग डिवाइस किसी समस्या को खोजने में मदद करते हैं। आपका नाम, आपकी फ़ाइलें या स्क्रीन पर जो है, वह कभी नहीं।</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>भेजा जा रहा है…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>भेजें</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>भेजें (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>भेजने के लिए विषय चुनें और संदेश लिखें।</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>भेजा गया</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>धन्यवाद! आपका संदेश रास्ते में है।</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>इसे एक व्यक्ति पढ़ता है। आपने कोई पता नहीं छोड़ा, इसलिए जवाब नहीं आएगा।</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>इसे एक व्यक्ति पढ़ता है, और जवाब %1 पर जाएगा।</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>एक और लिखें</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%2 में से %1 अक्षर</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>सिर्फ़ आपको जवाब देने के लिए। गुमनाम रहने के लिए खाली छोड़ दें।</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>यह ईमेल पते जैसा नहीं लगता।</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>संदेश कॉपी करें</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>आपकी हरकत</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>काँपता हाथ</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>प्रति सेकंड कितनी बार</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>जानबूझकर माउस हिलाना लगभग 2 बार प्रति सेकंड से कम रहता है। कंपन इससे तेज़ होता है, 3 से 12 बार। Quellarine कंपन को पहचानकर उसे घटा देता है, सब कुछ धीमा करने के बजाय।</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>आपकी हरकत और कंपन कितने तेज़ होते हैं</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>0 से %1 बार प्रति सेकंड तक की एक रेखा। आपकी हरकत 0 से 2 बार प्रति सेकंड के बीच रहती है, काँपता हाथ 3 से 12 के बीच।</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>स्वागत गाइड फिर से दिखाएँ</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>कोई सवाल या समस्या? यहीं Quellarine में हमें लिखें</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>अपडेट जाँचें…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>अपडेट अपने-आप जाँचें</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>संस्करण %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine कोई चिकित्सा उपकरण नहीं है और किसी भी स्थिति का निदान या उपचार नहीं करता।</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine हर ऐप में पॉइंटर का कंपन दूर करता है और अनजाने क्लिक को अनदेखा करता है।</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>क्या चाहिए, देखें</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine चालू है</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine बंद है</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>%1 प्रीसेट के साथ स्मूदिंग।</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>पॉइंटर सीधे आपके हाथ के साथ चलता है।</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>आप जो भी टाइप या क्लिक करते हैं, वह न रिकॉर्ड होता है, न कहीं भेजा जाता है।</translation>
    </message>
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>%1 प्रीसेट के साथ पॉइंटर स्मूद करें</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>पॉइंटर कितना स्थिर हो?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>हर प्रीसेट स्थिरता और पॉइंटर की रफ़्तार के बीच संतुलन बनाता है। कोई एक चुनें और आज़माएँ: सही प्रीसेट शांत महसूस होता है।</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>ख़ास स्थितियों के लिए</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>आपके हाथ के लिए बना</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>किसी भी ऐप से मोड बदलें</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>तय नहीं कर पा रहे कि कौन-सा चुनें?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine आपके हाथ को माप कर एक प्रीसेट सुझा सकता है, और AI बता सकता है कि क्यों, और उसे आपके हाथ के अनुसार ट्यून कर सकता है।</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>क्लिक करना</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>उन हाथों के लिए जो दो बार टैप कर देते हैं या दबाते समय फिसल जाते हैं।</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>बहुत छोटे टैप क्लिक नहीं माने जाते।</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>पहले क्लिक के ठीक बाद का दूसरा क्लिक अनदेखा किया जाता है, ताकि काँपती उँगली गलती से डबल-क्लिक न कर दे।</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>बटन दबे रहने तक पॉइंटर स्थिर रहता है, ताकि जिस पर आपने क्लिक किया उससे फिसल न जाए।</translation>
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
        <translation>संतुलित</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>लक्ष्य तक पहुँचने का समय, देरी के अनुसार</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>75 ms की देरी से लक्ष्य तक पहुँचना %1 धीमा हो गया और गलतियाँ %2 से बढ़कर %3 हो गईं। 40 ms जोड़ने से पॉइंट करने की गति लगभग %4 घटी। संतुलित लगभग 25 ms जोड़ता है।</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 जोड़ने पर, जैसे संतुलित के साथ: %2।</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 जोड़ने पर: %2।</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>उपयोग में</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>ये सेटिंग्स इस्तेमाल करें</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine चालू</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine बंद</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>फ़िल्टर</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>क्या चाहिए, देखें</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>स्मूदिंग</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>ख़ास स्थितियों के लिए</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>आपके हाथ के लिए बना</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>क्लिक सुरक्षा</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine खोलें</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>फ़ीडबैक</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>फ़िल्टर</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>क्या चाहिए, देखें</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>अपडेट करें…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5 बार: बंद</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Quellarine खोलें</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>फ़ीडबैक</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>अनुमति चाहिए</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>चालू · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>बंद: कोई स्मूदिंग नहीं</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 इंस्टॉल होने के लिए तैयार है</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>किसी दूसरे ऐप द्वारा उपयोग में</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>अगला मोड</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>चालू या बंद</translation>
    </message>
    <message>
        <source>Next mode: %1</source>
        <translation>अगला मोड: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>चालू या बंद: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 बार: इस सत्र में सुना नहीं जाता</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>डेस्कटॉप की प्रतीक्षा</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>डेस्कटॉप ने नहीं दिया</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>इस सत्र में उपलब्ध नहीं</translation>
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
        <translation>अगला मोड</translation>
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
        <translation>सीधा</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>कोई स्मूदिंग नहीं: पॉइंटर सीधे आपके हाथ के साथ चलता है</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Ctrl 5 बार दबाने से बंद हो गया</translation>
    </message>
</context>
<context>
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>यह संस्करण</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>संस्करण %1, यह संस्करण: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>संस्करण %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine चालू या बंद</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine अपने आप दोबारा शुरू नहीं हो सका। नई भाषा देखने के लिए इसे बंद करके फिर से खोलें।</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>संतुलित से शुरू करें, पॉइंटर फिर भी काँपे तो मज़बूत आज़माएँ।</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>ट्रैकपैड प्रीसेट इस्तेमाल हो रहा है, जो उँगली की छोटी हरकतों के लिए बना है।</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>डिवाइस बदलते समय %1 से प्रीसेट भी बदलें।</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>अपने हिसाब से</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine इन्हीं के हिसाब से खुद को ढालता है। कुछ भी इस कंप्यूटर से बाहर नहीं जाता।</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>गहरा</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>क्लिक सुरक्षा</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>आप किससे पॉइंट करते हैं?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>सिस्टम के अनुसार</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>दोबारा खुलने पर Quellarine नई भाषा में दिखेगा।</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Quellarine फिर से शुरू करें</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>स्मूदिंग</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>ख़ास स्थितियों के लिए</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>आपके हाथ के लिए बना</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>फ़ोटो हटाएँ</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>अपनी फ़ोटो बनाने के लिए कोई तस्वीर यहाँ छोड़ें</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>फ़ोटो बदलें…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>फ़ोटो चुनें…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>अपनी प्रोफ़ाइल के लिए एक तस्वीर चुनें। यह इसी कंप्यूटर पर रहती है।</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>तस्वीरें (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>फ़ोटो इस्तेमाल करें</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>पहला नाम</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>निजी जानकारी</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>सिर्फ़ इसी कंप्यूटर पर Quellarine में दिखती है। कभी अपलोड नहीं होती।</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>ईमेल</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>कोई सवाल, कोई सुझाव, कुछ जो काम नहीं किया। हर संदेश पढ़ा जाता है।</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>हमें लिखें</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>यह क्यों काम करता है</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>काँपता हाथ एक क्लिक के साथ क्या करता है, और Quellarine उसका क्या जवाब देता है।</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>माउस इस्तेमाल करने वाले लोगों पर प्रकाशित अध्ययनों के आँकड़े, हर एक के साथ वह सेटिंग जो उससे बनी। सभी स्रोत पेज के नीचे हैं।</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>क्लिक फिसल गए</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>डबल-क्लिक विफल रहे</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>संतुलित के साथ देरी</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>क्लिक करना</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>ज़्यादातर दिक्कत क्लिक के पल में आती है, उस तक पहुँचने के रास्ते में नहीं।</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 बनाम %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>गुना ज़्यादा डबल-क्लिक गलतियाँ बुज़ुर्गों में, युवाओं की तुलना में।</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>बात सिर्फ़ कंपन की नहीं: जब भी क्लिक फिसलते हैं, Quellarine मदद करता है।</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>हिलना-डुलना</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>आपकी हरकत और कंपन की रफ़्तार अलग होती है। Quellarine इसी अंतर में काम करता है।</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2.34 बनाम 4.72 बिट/से.</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>गति संबंधी कठिनाई वाले लोगों की पॉइंट करने की रफ़्तार, दूसरों की तुलना में।</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>स्थिर पॉइंटर उस रफ़्तार का कुछ हिस्सा लौटा देता है: कम चूक, कम दोबारा कोशिशें।</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>देरी</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>स्मूदिंग आम तौर पर देरी लाती है, और देरी रफ़्तार घटाती है। इसलिए Quellarine इसे कम रखता है।</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>आपका अपना हाथ</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>अध्ययन लोगों के समूहों के बारे में बताते हैं। &quot;आपके हाथ के अनुसार&quot; आपके हाथ को देखता है।</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>अध्ययनों में माउस इस्तेमाल करने वाले लोगों के समूहों को देखा गया; उन्होंने Quellarine को नहीं परखा, सिवाय उसके जिसे हमारा अपना बताया गया है। Quellarine कोई चिकित्सा उपकरण नहीं है और किसी भी स्थिति का निदान या उपचार नहीं करता।</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>दूसरों में %1</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>क्लिकों में बटन दबाने और छोड़ने के बीच पॉइंटर खिसक गया, गति संबंधी कठिनाई वाले लोगों में।</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>क्लिक सुरक्षा बटन दबे रहने तक पॉइंटर को स्थिर रखती है।</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>डबल और ट्रिपल क्लिक विफल रहे: फिसल गए, बहुत धीरे आए या गलत गिने गए।</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>क्लिक करते समय पॉइंटर अपनी जगह रहता है, इसलिए क्लिक एक ही जगह पड़ते हैं।</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>एक ही व्यक्ति से 19 तक</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>क्लिक जो कोई करना नहीं चाहता था, उसी अध्ययन में।</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>असली दबाव से बहुत छोटे टैप क्लिक नहीं गिने जाते।</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>11 में से 9</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>लोगों ने आज़माने पर ऐसा पॉइंटर पसंद किया जो क्लिक के दौरान स्थिर रहता है।</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Quellarine की क्लिक सुरक्षा भी इसी तरह काम करती है।</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 कम कंपन</translation>
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
        <translation>उसी 25 ms की देरी पर कितना कंपन बचता है</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>साधारण स्मूदिंग</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, संतुलित</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine कंपन का हिसाब लगाकर उसे घटा देता है, सर्जरी के औज़ार स्थिर रखने वाले अनुकूली फ़िल्टरों की तरह, जिन्होंने लैब परीक्षणों में हाथ का लगभग दो-तिहाई कंपन हटा दिया। जो कंपन हर सेकंड बदलता है वह कठिन है: तब उसका कम हिस्सा हटता है।</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>साधारण स्मूदिंग के साथ बचा कंपन: %1। Quellarine के संतुलित प्रीसेट के साथ: %2।</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>ये हर ऐप में काम करते हैं, जब Quellarine बैकग्राउंड में चल रहा हो।</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>किसी दूसरे ऐप द्वारा उपयोग में</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>मोड बदलें</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>पहले सीधा (कोई स्मूदिंग नहीं), फिर एक-एक करके हर प्रीसेट। पीछे जाने के लिए Shift भी दबाए रखें। मोड का नाम कुछ सेकंड के लिए स्क्रीन पर दिखता है।</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine चालू या बंद करें</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>अगर कभी पॉइंटर इस्तेमाल करना मुश्किल हो, तो Ctrl लगातार 5 बार दबाएँ: Quellarine तुरंत बंद हो जाएगा।</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>आप सिस्टम ट्रे में इसका आइकन भी इस्तेमाल कर सकते हैं।</translation>
    </message>
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine को यहाँ उसकी कुंजियाँ और Ctrl के पाँच दबाव सुनने देने के लिए, टर्मिनल में यह कमांड चलाकर उसे कीबोर्ड की पहुँच दें। तब वह हर कीबोर्ड पढ़ सकेगा; वह केवल मॉडिफ़ायर कुंजियों और अपने तीन शॉर्टकट को देखता है, और कभी कोई कुंजी न सहेजता है न भेजता है।</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>कमांड</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>आपका डेस्कटॉप ये कुंजियाँ हर ऐप में Quellarine को देता है; आप इन्हें उसकी कीबोर्ड सेटिंग में बदल सकते हैं।</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine आपकी दी हुई कीबोर्ड पहुँच से इन्हें हर ऐप में सुनता है। वह केवल मॉडिफ़ायर कुंजियों और इन तीन शॉर्टकट को देखता है, और कभी कोई कुंजी न सहेजता है न भेजता है।</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>ये इस सत्र में काम नहीं करते: यह किसी भी प्रोग्राम को दूसरी विंडो में दबाई गई कुंजियाँ सुनने नहीं देता।</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>डेस्कटॉप के ये कुंजियाँ देने की प्रतीक्षा है</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>डेस्कटॉप ने ये कुंजियाँ नहीं दीं</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>इस सत्र में उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>सीधा (बिना स्मूदिंग), फिर बारी-बारी से हर प्रीसेट; %1 पीछे जाता है। मोड का नाम कुछ सेकंड स्क्रीन पर दिखता है।</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>इस सत्र में Ctrl के पाँच दबाव सुने नहीं जाते। अगर पॉइंटर इस्तेमाल करना कभी कठिन हो, तो मुख्य विंडो के स्विच से या सिस्टम ट्रे में Quellarine के आइकन से स्मूदिंग बंद करें।</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
</context>
<context>
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>स्रोत</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>सिस्टम ने Quellarine को पॉइंटर पर नज़र रखने नहीं दी। इसे बंद करके फिर से खोलें।</translation>
    </message>
</context>
<context>
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>कुछ काम नहीं करता</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>मेरे पास एक विचार है</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>कुछ उलझन भरा है</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>कुछ कमी है</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>कुछ जो मुझे पसंद है</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>ऊपर विषय चुनें, फिर जितना चाहें उतना लिखें।</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>आपने क्या किया, क्या उम्मीद थी, और उसकी जगह क्या हुआ?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>आप Quellarine से क्या करवाना चाहेंगे?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>कौन सा हिस्सा समझने में कठिन था?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>आपने क्या खोजा और नहीं पाया?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>आपके लिए क्या अच्छा काम करता है?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>आपके पास नवीनतम संस्करण है!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 इस समय उपलब्ध सबसे नया संस्करण है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>संस्करण इतिहास</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>अभी अपडेट करें</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 उपलब्ध है</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>%1 पर अपडेट करें…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>अपडेट जाँचें…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>%1 पर अपडेट करें</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>अपडेट जाँचें</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>देखें क्या नया है और इसे मुफ़्त में इंस्टॉल करें</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>देखें कि Quellarine का नया संस्करण आया है या नहीं</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>रिलीज़ नोट्स</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>अपडेट जाँचे जा रहे हैं…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>आपके पास नवीनतम संस्करण है!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 इस समय उपलब्ध सबसे नया संस्करण है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>संस्करण इतिहास</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Quellarine का नया संस्करण उपलब्ध है!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 अब उपलब्ध है; आपके पास %2 है। क्या आप इसका डाउनलोड पेज अभी खोलना चाहेंगे?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>यह संस्करण छोड़ें</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>बाद में याद दिलाएँ</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>डाउनलोड पेज खोलें</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine अपडेट नहीं जाँच सका।</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine हर ऐप में पॉइंटर का कंपन दूर करता है और अनजाने क्लिक को अनदेखा करता है।</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine कोई चिकित्सा उपकरण नहीं है और किसी भी स्थिति का निदान या उपचार नहीं करता।</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine में आपका स्वागत है</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>मोड बदलें</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>पहले सीधा (कोई स्मूदिंग नहीं), फिर एक-एक करके हर प्रीसेट। पीछे जाने के लिए Shift भी दबाए रखें। मोड का नाम कुछ सेकंड के लिए स्क्रीन पर दिखता है।</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>Quellarine चालू या बंद करें</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>अगर कभी पॉइंटर इस्तेमाल करना मुश्किल हो, तो Ctrl लगातार 5 बार दबाएँ: Quellarine तुरंत बंद हो जाएगा।</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>गति संबंधी कठिनाइयों वाले लोगों पर हुए एक अध्ययन में, %1 क्लिक के दौरान पॉइंटर हिल गया। Quellarine दबाते समय पॉइंटर को स्थिर रखता है, और इतने छोटे टैप को अनदेखा करता है जो क्लिक न माने जा सकें।</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>आप सिस्टम ट्रे में इसका आइकन भी इस्तेमाल कर सकते हैं।</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Quellarine में आपका स्वागत है</translation>
    </message>
</context>
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>नया क्या है</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Quellarine का हर अपडेट, सबसे नया पहले। अपडेट जीवन भर मुफ़्त हैं।</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>कोई रिलीज़ नोट नहीं</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>ये ऐप डाउनलोड का हिस्सा हैं। नवीनतम संस्करण पाने के लिए अपडेट जाँचें।</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>आपके कंप्यूटर पर मापा गया</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>एक मिनट का परीक्षण रिकॉर्ड करता है कि आपका पॉइंटर कैसे चलता है। Quellarine उसे हर प्रीसेट से दोबारा चलाता है और वह सुझाता है जो सबसे कम देरी में सबसे कम कंपन छोड़ता है।</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>AI द्वारा समझाया और ट्यून किया गया</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>आप कहें तो AI (Claude) नतीजे के आँकड़े पढ़ता है, रिकॉर्डिंग कभी नहीं, सरल शब्दों में समझाता है कि वे क्या दिखाते हैं, और सुझाए गए प्रीसेट को एक निजी सेटिंग में ट्यून करता है, Quellarine के प्रीसेट की सीमा के भीतर।</translation>
    </message>
</context>
</TS>
