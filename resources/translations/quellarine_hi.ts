<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine किसी X11 सत्र के X सर्वर के ज़रिए पॉइंटर को स्थिर करता है, और उस सर्वर में XInput2 और XTest एक्सटेंशन होने चाहिए। यह सत्र उसे वह पहुँच नहीं देता, इसलिए पॉइंटर स्थिर नहीं हो रहा है।

लॉग आउट करें, लॉगिन स्क्रीन पर कोई X11 सत्र चुनें (उसके नाम में अक्सर “Xorg” या “X11” होता है), फिर से लॉग इन करें और Quellarine शुरू करें।</translation>
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
        <source>Needs an X11 session to work.</source>
        <translation>काम करने के लिए X11 सत्र चाहिए।</translation>
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
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Quellarine पॉइंटर को ठीक कर सके, इसके लिए इस कंप्यूटर को X11 सत्र चाहिए। किसी और सत्र में हों तो लॉग आउट करें, लॉगिन स्क्रीन पर कोई X11 सत्र चुनें (उसके नाम में अक्सर “Xorg” या “X11” होता है) और फिर से लॉग इन करें। आप जो भी टाइप या क्लिक करते हैं, वह न रिकॉर्ड होता है, न कहीं भेजा जाता है।</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>क्या चाहिए, देखें</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>पहले से X11 सत्र में हैं, फिर भी काम नहीं कर रहा? X सर्वर में XInput2 और XTest एक्सटेंशन होने चाहिए: उन्हें उसकी सेटिंग्स में चालू करें, फिर Quellarine दोबारा खोलें।</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine पॉइंटर तक पहुँच सकता है</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>X11 सत्र का उपयोग करें</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
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
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>हटाने के लिए दबाएँ</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Ctrl 5 बार दबाने से बंद हो गया। इसे यहाँ से या %1 से फिर चालू करें।</translation>
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
        <source>Filter</source>
        <translation>फ़िल्टर</translation>
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
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>फ़िल्टर</translation>
    </message>
    <message>
        <source>On</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
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
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>नया</translation>
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
    <name>quellarine::UpdateController</name>
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
</TS>
