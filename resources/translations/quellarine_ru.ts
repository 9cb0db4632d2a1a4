<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Использование: quellarine [ПАРАМЕТР]
Успокаивает указатель для дрожащих рук. Без параметра запускает Quellarine.

  --allow-devices       от root: даёт пользователю за экраном этого компьютера стабилизировать указывающие устройства
  --allow-keyboards     от root: позволяет Quellarine слышать свои сочетания клавиш на клавиатурах
  --disallow-keyboards  от root: отзывает доступ к клавиатурам
  --help                показывает эту справку и завершает работу
  --version             показывает версию и завершает работу</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine не понимает «%1».</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine нужен сеанс рабочего стола: не удалось открыть дисплей (DISPLAY или WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine стабилизирует указатель через указывающие устройства этого компьютера, которыми пока не может пользоваться. Чтобы разрешить это для человека за этим компьютером, выполните в терминале одну эту команду и введите свой пароль:

%1

Quellarine сам заметит доступ, перезапуск не нужен.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine стабилизирует указатель через X-сервер сеанса X11, который должен поддерживать расширения XInput2 и XTest. Этот сеанс не даёт такого доступа, поэтому указатель не стабилизируется.

Выйдите из системы, выберите сеанс X11 на экране входа (в его названии обычно есть «Xorg» или «X11»), снова войдите и запустите Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Это сеанс Wayland. Его X-сервер не позволяет ни одной программе следить за указателем всего рабочего стола или перемещать его, поэтому Quellarine не может его стабилизировать.

Выйдите из системы, выберите сеанс X11 на экране входа (в его названии обычно есть «Xorg» или «X11»), снова войдите и запустите Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Включить или выключить Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: следующий режим</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: предыдущий режим</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>В этой копии Quellarine нет %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>«%1» не удалось выполнить.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Не удаётся удалить %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>Не удаётся очистить список доступа %1.</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>Для работы нужен доступ к указателю.</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Этот файл не является изображением, которое может прочитать Quellarine.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Это изображение слишком большое. Выберите файл меньше 40 МБ.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine не удалось сохранить фото. Убедитесь, что диск не заполнен, и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>С помощью ИИ</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Этот компьютер запрашивает это, чтобы Quellarine мог корректировать указатель. Выполните эту команду один раз в терминале и введите свой пароль. Ничего из того, что вы печатаете или нажимаете, не записывается и никуда не отправляется.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Показать, что нужно</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>Уже выполнили, но всё ещё не работает? Доступ получает тот, кто вошёл в систему за экраном этого компьютера: выйдите и снова войдите там, затем откройте Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine имеет доступ к указателю</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>Разрешите доступ к указателю</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Доступ дан, ожидание системы</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Доступ предоставлен: ничего запускать не нужно. Ничего из того, что вы печатаете или нажимаете, не записывается и никуда не отправляется.</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>Частота: %1 в секунду</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 мм</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Предложено для вас</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Нет регулярного ритма</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Дрожание вокруг точки прицеливания</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Как быстро дрожит</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Движение при нажатии</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Лишние или промахнувшиеся щелчки</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Каждая предустановка на вашем движении</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>Сколько дрожания убирает каждая и насколько указатель отстаёт от руки.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Измерено на этом компьютере. Это настройки указателя, а не медицинское измерение.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Оставить мои настройки</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Применить эти настройки</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>С включённой защитой щелчков</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Последний тест, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Пройти снова</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Область теста</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>Наведите указатель сюда</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Ваше движение и то же движение с предложенной предустановкой</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Под вашу руку</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Тест на одну минуту из трёх частей. Quellarine измеряет на этом компьютере, а затем ИИ может объяснить результат и подобрать для вас личную настройку.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 из 3: держите указатель на точке.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 из 3: следите указателем за точкой.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 из 3: щёлкайте по каждой цели, когда она появится.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Пробуем каждую предустановку на вашем движении.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Ваш результат</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Не двигаться</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 секунд на точке</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Следовать</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 секунд за движущейся точкой</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Щелчки</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 целей</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Используйте привычную мышь или сенсорную панель и держите их как обычно. Правильных и неправильных ответов нет: тест измеряет только указатель.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>Сглаживание и защита щелчков приостанавливаются на время теста и возвращаются после него.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>Запись хранится только в памяти и удаляется, когда вы покидаете эту страницу. Сохраняется только результат.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Потом ИИ (Claude) может объяснить ваш результат и подобрать личную настройку, только если вы попросите. Он читает числа результата, но никогда не запись.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Пройти снова</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Начать тест</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Подбираем настройки…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Трекпад</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Оба</translation>
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
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Выключено, потому что Ctrl нажали 5 раз. Включите снова здесь.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Ваш результат, объяснённый ИИ</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, ИИ компании Anthropic, переводит эти числа в простые слова и подстраивает под них предустановку: личную настройку для вашей руки.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine не удалось подключиться к интернету. Предложению выше он не нужен: оно рассчитано на этом компьютере.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Вы уже получили три объяснения за сегодня. Попробуйте завтра.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Сегодня многие просили объяснение. Попробуйте завтра.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>Объяснения сейчас недоступны. Попробуйте позже; предложение выше работает и так.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Написано ИИ (Claude) по числам вашего результата. Измерение сделано самим Quellarine на этом компьютере, а настройка ИИ остаётся в пределах предустановок Quellarine.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Личная настройка от ИИ</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Чуть устойчивее, чем %1, по вашим числам.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Чуть быстрее, чем %1, по вашим числам.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 как есть: уже подходит к вашим числам.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Используется</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Попробовать</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Отправляются только числа ниже: никогда — запись, ваше имя или адрес почты.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Посмотреть, что именно отправляется</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>До трёх в день.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Пишу…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Объяснить с помощью ИИ</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Вопрос, идея, что-то не сработало. Каждое сообщение читает человек, который делает Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine не удалось подключиться к интернету. Сообщение сохранено здесь: попробуйте снова, когда будете в сети.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>За короткое время отправлено слишком много сообщений. Сообщение сохранено здесь: попробуйте через час.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>Сообщение нельзя отправить в таком виде. Проверьте адрес почты или сократите сообщение.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>Отправка сейчас не работает. Сообщение сохранено здесь: попробуйте позже или скопируйте его.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>О чём речь?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>Ваша почта (необязательно)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>imya@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Добавить сведения о приложении</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>Версия приложения, версия системы, язык, предустановка и указывающее устройство помогают найти проблему. Никогда — ваше имя, ваши файлы или то, что на экране.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Отправка…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>Отправить (Ctrl + Return)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Выберите тему и напишите сообщение, чтобы отправить его.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>Спасибо! Ваше сообщение уже в пути.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Его читает человек. Вы не оставили адрес, поэтому ответа не будет.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Его читает человек, и ответ придёт на %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Написать ещё</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 из %2 символов</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Только чтобы ответить вам. Оставьте пустым, чтобы остаться анонимным.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Это не похоже на адрес электронной почты.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Скопировать сообщение</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Ваше движение</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Дрожащая рука</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Раз в секунду</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Намеренное движение мыши — не чаще примерно 2 раз в секунду. Дрожь быстрее: от 3 до 12. Quellarine распознаёт дрожь и вычитает её, а не замедляет всё подряд.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>Насколько быстры ваше движение и дрожь</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Шкала от 0 до %1 раз в секунду. Ваше движение — от 0 до 2 раз в секунду, дрожащая рука — от 3 до 12.</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>Сглаживать указатель в режиме «%1»</translation>
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
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Баланс</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>Время до цели в зависимости от задержки</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>Задержка в 75 мс замедлила попадание в цель на %1 и увеличила число ошибок с %2 до %3. Добавка в 40 мс стоила около %4 скорости наведения. «Баланс» добавляет около 25 мс.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>Добавлено %1, как с «Балансом»: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>Добавлено %1: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>Используется</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Применить эти настройки</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>Следующий режим: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Вкл. или выкл.: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 раз: не слышно в этом сеансе</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>Ожидание рабочего стола</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>Не назначено рабочим столом</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Недоступно в этом сеансе</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Эта версия</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Версия %1, эта версия: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Версия %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine включён или выключен</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine не удалось перезапуститься самостоятельно. Закройте его и откройте снова, чтобы увидеть новый язык.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Начните с режима «Баланс», а если указатель всё ещё дрожит, попробуйте «Сильный».</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Используется режим «Трекпад», созданный для коротких движений пальцем.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Меняя устройство, переключайте режим сочетанием %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Под себя</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine настраивается по этим параметрам. Ничто не покидает этот компьютер.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлое</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмное</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Защита щелчков</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>Чем вы управляете указателем?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine покажет новый язык при следующем запуске.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Перезапустить Quellarine</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Удалить фото</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Перетащите сюда изображение, чтобы сделать его своим фото</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Сменить фото…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Выбрать фото…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Выберите изображение для профиля. Оно останется на этом компьютере.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>Использовать фото</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Личные данные</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Видны только в Quellarine на этом компьютере. Никуда не отправляются.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>Вопрос, идея, что-то не сработало. Мы читаем каждое сообщение.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Написать нам</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Почему это работает</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>Что дрожащая рука делает со щелчком и как на это отвечает Quellarine.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Цифры из опубликованных исследований людей, работающих с мышью, и к каждой — настройка, которая из неё выросла. Все источники — внизу страницы.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>щелчков сорвались</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>двойных щелчков не удались</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>задержка с «Балансом»</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>Щелчки</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>Больше всего трудностей — в момент щелчка, а не на пути к нему.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 против %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>больше ошибок двойного щелчка у пожилых, чем у молодых.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>Дело не только в дрожи: Quellarine помогает всякий раз, когда щелчки срываются.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Ваше движение и дрожь идут с разной скоростью. В этом зазоре и работает Quellarine.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2,34 против 4,72 бит/с</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>скорость наведения у людей с двигательными нарушениями по сравнению с остальными.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Более устойчивый указатель возвращает часть этой скорости: меньше промахов и повторных попыток.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Сглаживание обычно добавляет задержку, а задержка отнимает скорость. Поэтому Quellarine держит её малой.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Ваша собственная рука</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Исследования описывают группы людей. «Под вашу руку» смотрит на вашу.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Исследования касались групп людей, работающих с мышью; Quellarine в них не проверяли, кроме отмеченного как наше собственное. Quellarine не является медицинским изделием и не диагностирует и не лечит никакие заболевания.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 у остальных</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>щелчков сдвигали указатель между нажатием и отпусканием кнопки у людей с двигательными нарушениями.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>Защита щелчков держит указатель неподвижным, пока кнопка нажата.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>двойных и тройных щелчков не удались: сорвались, были слишком медленными или засчитаны неверно.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>Указатель не двигается, пока вы щёлкаете, и щелчки попадают в одно место.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>до 19 у одного человека</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>щелчков, которых никто не хотел делать, в том же исследовании.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Касания, слишком короткие для настоящего нажатия, не считаются щелчками.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>9 из 11</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>человек предпочли указатель, который замирает во время щелчка, когда попробовали его.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>Защита щелчков в Quellarine работает так же.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>Дрожания меньше на %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>Сколько дрожи остаётся при той же задержке 25 мс</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Простое сглаживание</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, «Баланс»</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine вычисляет дрожь и вычитает её, как адаптивные фильтры, стабилизирующие хирургические инструменты: в лабораторных испытаниях они убирали около двух третей дрожи руки. Дрожь, которая меняется от секунды к секунде, сложнее: её уходит меньше.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Остаток дрожи при простом сглаживании: %1. С режимом «Баланс» в Quellarine: %2.</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Чтобы Quellarine слышал свои клавиши и пять нажатий Ctrl здесь, дайте ему доступ к клавиатурам, выполнив эту команду в терминале. Тогда он сможет читать любую клавиатуру; он смотрит только на клавиши-модификаторы и свои три сочетания и никогда не сохраняет и не отправляет ни одной клавиши.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Ваш рабочий стол назначает эти клавиши Quellarine во всех приложениях; изменить их можно в его настройках клавиатуры.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine слышит их во всех приложениях благодаря доступу к клавиатуре, который вы ему дали. Он смотрит только на клавиши-модификаторы и эти три сочетания и никогда не сохраняет и не отправляет ни одной клавиши.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>В этом сеансе они не работают: он не позволяет программам слышать клавиши, нажатые в других окнах.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>Ожидание, пока рабочий стол назначит эти клавиши</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>Рабочий стол не назначил эти клавиши</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Недоступно в этом сеансе</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Напрямую (без сглаживания), затем по очереди каждая настройка; %1 — назад. Название режима несколько секунд видно на экране.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Пять нажатий Ctrl в этом сеансе не слышны. Если указателем станет трудно пользоваться, выключите сглаживание переключателем в главном окне или через значок Quellarine в системном лотке.</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Источники</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Что-то не работает</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>У меня есть идея</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Что-то непонятно</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Чего-то не хватает</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Мне что-то нравится</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Выберите тему выше и напишите сколько хотите.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>Что вы сделали, чего ожидали и что произошло вместо этого?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>Что бы вы хотели, чтобы делал Quellarine?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>Какую часть было трудно понять?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>Что вы искали и не нашли?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>Что у вас хорошо работает?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Доступна версия Quellarine %1</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Все обновления Quellarine, сначала новые. Обновления бесплатны навсегда.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>Нет примечаний к выпуску</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Они входят в загрузку приложения. Проверьте обновления, чтобы получить последнюю версию.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Измерено на вашем компьютере</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Минутный тест записывает, как движется ваш указатель. Quellarine прогоняет запись через каждый режим и предлагает тот, что оставляет меньше всего дрожи при наименьшей задержке.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Объяснено и настроено ИИ</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>Если вы попросите, ИИ (Claude) прочитает числа результата — но не запись, — простыми словами объяснит, что они показывают, и подстроит предложенный режим в личную настройку в пределах режимов Quellarine.</translation>
    </message>
</context>
</TS>
