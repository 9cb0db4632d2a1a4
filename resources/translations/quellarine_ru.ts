<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine стабилизирует указатель через X-сервер сеанса X11, который должен поддерживать расширения XInput2 и XTest. Этот сеанс не даёт такого доступа, поэтому указатель не стабилизируется.

Выйдите из системы, выберите сеанс X11 на экране входа (в его названии обычно есть «Xorg» или «X11»), снова войдите и запустите Quellarine.</translation>
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
        <translation>Тест Quellarine, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>Режим «Баланс» против простого сглаживания с той же задержкой 25 мс</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Записанное движение на трекпаде с добавленным ровным имитированным дрожанием 6 Гц. Наше собственное измерение, а не опубликованное исследование.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>Под вашу руку</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Почему это работает</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs an X11 session to work.</source>
        <translation>Для работы нужен сеанс X11.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>Мягкий</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Сильный</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Очень сильный</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Точный</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Трекпад</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Крупные движения</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Личный</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Лёгкое дрожание, почти без задержки</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Хорошее начало для большинства</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Заметное дрожание</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Сильное дрожание; указатель следует медленнее</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Мелкие кнопки и текст; самый устойчивый и самый медленный</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>Настроен для трекпадов</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Устойчив в покое, быстр на всю ширину экрана</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>Режим по итогам вашего теста, настроенный ИИ</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Этому компьютеру нужен сеанс X11, чтобы Quellarine мог управлять указателем. Если вы в другом сеансе, выйдите из системы, выберите сеанс X11 на экране входа (в его названии обычно есть «Xorg» или «X11») и снова войдите. Ничего из того, что вы печатаете или нажимаете, не записывается и никуда не отправляется.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Показать, что нужно</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>Уже в сеансе X11, но всё равно не работает? X-сервер должен поддерживать расширения XInput2 и XTest: включите их в его настройках и снова откройте Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine имеет доступ к указателю</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Используйте сеанс X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>Напрямую</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Без сглаживания: указатель следует за рукой напрямую</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Выключено: клавиша Ctrl нажата 5 раз</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>Не удалось связаться с сервером обновлений. Проверьте подключение к интернету и повторите попытку позже.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>Не удалось прочитать сведения об обновлении с сервера. Повторите попытку позже.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Под вашу руку</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Тест на одну минуту: держите указатель неподвижно, следите за точкой, щёлкните по нескольким целям. Quellarine пробует каждый режим на ваших движениях и предлагает подходящий. Затем ИИ может объяснить результат и настроить для вас личный режим.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Начать тест</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Защита щелчков</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Игнорирует очень короткие касания и быстрые случайные повторы и удерживает указатель на месте, пока вы щёлкаете.</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Нажмите, чтобы скрыть</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Выключено: клавиша Ctrl нажата 5 раз. Включите снова здесь или сочетанием %1.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Показать приветственное руководство ещё раз</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>Вопросы или проблемы? Напишите нам прямо в Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Автоматически проверять обновления</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine не является медицинским изделием и не диагностирует и не лечит никакие заболевания.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine сглаживает дрожание указателя и игнорирует случайные щелчки во всех приложениях.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Показать, что нужно</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine включён</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine выключен</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>Сглаживание: режим «%1».</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>Указатель следует за рукой напрямую.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Ничего из того, что вы печатаете или нажимаете, не записывается и никуда не отправляется.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>Насколько устойчивым должен быть указатель?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Каждый режим — это компромисс между устойчивостью и тем, как быстро следует указатель. Выберите режим и попробуйте: подходящий ощущается спокойным.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Для особых случаев</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Для вашей руки</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>переключить режим из любого приложения</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>Не знаете, какой выбрать?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine может измерить движения вашей руки и предложить режим, а ИИ — объяснить выбор и подстроить режим под вашу руку.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Щелчки</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>Для рук, которые нажимают дважды или соскальзывают при нажатии.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Очень короткие касания не считаются щелчками.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>Второй щелчок сразу после первого игнорируется, чтобы дрожащий палец не сделал случайный двойной щелчок.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>Пока кнопка нажата, указатель остаётся на месте и не соскальзывает с того, по чему вы щёлкнули.</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine включён</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine выключен</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Показать, что нужно</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Для особых случаев</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Для вашей руки</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Защита щелчков</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Открыть Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Завершить</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Показать, что нужно</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Обновить…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5 раз: выключить</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Открыть Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>Нужно разрешение</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Вкл. · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Выкл.: без сглаживания</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 готов к установке</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Занято другим приложением</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Следующий режим</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Включить или выключить</translation>
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
        <translation>следующий режим</translation>
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
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключено</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Для особых случаев</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Для вашей руки</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Они работают в любом приложении, пока Quellarine работает в фоне.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Занято другим приложением</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>переключить режим</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Сначала «Напрямую» (без сглаживания), затем каждый режим по очереди. Чтобы вернуться назад, удерживайте ещё и Shift. Название режима на несколько секунд появляется на экране.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>включить или выключить Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Если указателем вдруг трудно пользоваться, нажмите Ctrl 5 раз подряд: Quellarine сразу выключится.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Также можно использовать его значок в системном трее.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Новое</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>Система не позволила Quellarine следить за указателем. Завершите его и откройте снова.</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>Обновить до %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Установлена последняя версия!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 — самая новая из доступных версий.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>История версий</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>Обновить до %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новое</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Посмотреть, что нового, и бесплатно установить</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Проверить, вышла ли новая версия Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Примечания к выпуску</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Установлена последняя версия!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 — самая новая из доступных версий.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>История версий</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Доступна новая версия Quellarine!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Доступна версия Quellarine %1, у вас установлена %2. Открыть страницу загрузки сейчас?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Пропустить эту версию</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Открыть страницу загрузки</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine не удалось проверить обновления.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine сглаживает дрожание указателя и игнорирует случайные щелчки во всех приложениях.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine не является медицинским изделием и не диагностирует и не лечит никакие заболевания.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Добро пожаловать в Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>переключить режим</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Сначала «Напрямую» (без сглаживания), затем каждый режим по очереди. Чтобы вернуться назад, удерживайте ещё и Shift. Название режима на несколько секунд появляется на экране.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>включить или выключить Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Если указателем вдруг трудно пользоваться, нажмите Ctrl 5 раз подряд: Quellarine сразу выключится.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>В исследовании с участием людей с двигательными нарушениями указатель смещался во время %1 щелчков. Quellarine удерживает его на месте, пока вы нажимаете, и игнорирует касания, слишком короткие, чтобы считаться щелчком.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Также можно использовать его значок в системном трее.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Добро пожаловать в Quellarine</translation>
    </message>
</context>
</TS>
