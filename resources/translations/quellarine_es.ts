<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Uso: quellarine [OPCIÓN]
Estabiliza el puntero para manos que tiemblan. Sin opción, inicia Quellarine.

  --allow-devices       como root: permite al usuario ante la pantalla de este ordenador estabilizar los dispositivos señaladores
  --allow-keyboards     como root: permite a Quellarine oír sus atajos en los teclados
  --disallow-keyboards  como root: retira el permiso de los teclados
  --help                muestra esta ayuda y termina
  --version             muestra la versión y termina</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine no entiende «%1».</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine necesita una sesión de escritorio: no se pudo abrir ninguna pantalla (DISPLAY o WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine estabiliza el puntero a través de los dispositivos señaladores de este ordenador, que todavía no puede usar. Para permitírselo a la persona que usa este ordenador, ejecute este único comando en un terminal e introduzca su contraseña:

%1

Quellarine detecta el acceso por sí solo, sin necesidad de reiniciarlo.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine estabiliza el puntero a través del servidor X de una sesión X11, que debe ofrecer las extensiones XInput2 y XTest. Esta sesión no le da ese acceso, así que el puntero no se estabiliza.

Cierra la sesión, elige una sesión X11 en la pantalla de inicio de sesión (su nombre suele incluir «Xorg» o «X11») y vuelve a iniciar sesión; después, abre Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Esta es una sesión Wayland. Su servidor X no deja que ningún programa observe ni mueva el puntero de todo el escritorio, así que Quellarine no puede estabilizarlo ahí.

Cierra la sesión, elige una sesión X11 en la pantalla de inicio de sesión (su nombre suele incluir «Xorg» o «X11») y vuelve a iniciar sesión; después, abre Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Activar o desactivar Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: modo siguiente</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine: modo anterior</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>A esta copia de Quellarine le falta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>«%1» no ha funcionado.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>No se puede quitar %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>No se puede vaciar la lista de acceso de %1.</translation>
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
        <translation>Mayús</translation>
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
        <translation>Prueba de Quellarine, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>El preajuste Equilibrado frente a un suavizado simple con el mismo retardo de 25 ms</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Un movimiento grabado en un trackpad con un temblor simulado constante de 6 Hz añadido. Medición propia, no un estudio publicado.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Vista general</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>A la medida de tu mano</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Por qué funciona</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs access to the pointer to work.</source>
        <translation>Necesita acceso al puntero para funcionar.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Muy fuerte</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Movimientos amplios</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Temblor leve, casi sin retardo</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Un buen punto de partida para la mayoría</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Temblor evidente</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Temblor fuerte; el puntero sigue más despacio</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Botones y texto pequeños; el más estable y el más lento</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>Ajustado para trackpads</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Estable en reposo, rápido de un lado a otro de la pantalla</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>El preajuste de tu prueba, ajustado por IA</translation>
    </message>
</context>
<context>
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Ese archivo no es una imagen que Quellarine pueda leer.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Esa imagen es demasiado grande. Elige una de menos de 40 MB.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine no pudo guardar la foto. Comprueba que el disco no esté lleno y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>Con ayuda de IA</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Este ordenador lo pide para que Quellarine pueda ajustar el puntero. Ejecuta una vez este comando en un terminal e introduce tu contraseña. Nada de lo que escribes o pulsas se registra ni se envía a ningún sitio.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Ver qué se necesita</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>¿Ya lo ejecutaste y sigue sin funcionar? El acceso es para quien haya iniciado sesión en la pantalla de este ordenador: cierra la sesión y vuelve a iniciarla allí, y después abre Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine puede acceder al puntero</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>Permitir el acceso al puntero</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Acceso concedido, esperando al sistema</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>El acceso está concedido: no hay nada que ejecutar. Nada de lo que escribes o pulsas se graba ni se envía a ningún sitio.</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>No se ha podido conectar con el servidor de actualizaciones. Comprueba tu conexión a internet y vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>No se ha podido leer la información de actualización del servidor. Vuelve a intentarlo más tarde.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>%1 veces por segundo</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Sugerido para ti</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Sin ritmo regular</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Temblor alrededor de donde apuntas</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Qué tan rápido tiembla</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Movimiento al pulsar</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Clics de más o fallidos</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Cada preajuste con tu movimiento</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>Cuánto temblor quita cada uno y cuánto se retrasa el puntero respecto a tu mano.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Medido en este ordenador. Son ajustes del puntero, no una medida de salud.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Mantener mis ajustes</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estos ajustes</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>A la medida de tu mano</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Una prueba de un minuto: quédate quieto, sigue un punto y haz clic en algunos objetivos. Quellarine prueba cada preajuste con tu movimiento y te sugiere el que mejor te va. Después, la IA puede explicarte el resultado y crear una configuración personal para ti.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Empezar la prueba</translation>
    </message>
    <message>
        <source>With the click guard on</source>
        <translation>Con la protección de clics activada</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Última prueba, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Repetir la prueba</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Zona de la prueba</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>Pon el puntero aquí</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Tu movimiento, y el mismo movimiento con el preajuste sugerido</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>A la medida de tu mano</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Una prueba de un minuto, en tres partes. Quellarine mide en este ordenador y luego la IA puede explicar tu resultado y ajustar una configuración personal para ti.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 de 3: mantén el puntero sobre el punto.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 de 3: sigue el punto con el puntero.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 de 3: haz clic en cada objetivo cuando aparezca.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Probando cada preajuste con tu movimiento.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Tu resultado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Quieto</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 segundos sobre un punto</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 segundos tras un punto en movimiento</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 objetivos</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Usa el ratón o el trackpad de siempre, sujetándolo como siempre. No hay respuestas correctas ni incorrectas: la prueba solo mide el puntero.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>El suavizado y la protección de clics se pausan durante la prueba y vuelven después.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>La grabación queda en memoria y se borra al salir de esta página. Solo se guarda el resultado.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Después, la IA (Claude) puede explicar tu resultado y ajustar una configuración personal para ti, solo si lo pides. Lee los números del resultado, nunca la grabación.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Repetir la prueba</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Empezar la prueba</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Calculando tus ajustes…</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Protección de clics</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Ignora los toques muy breves y las repeticiones accidentales rápidas, y mantiene quieto el puntero mientras haces clic.</translation>
    </message>
</context>
<context>
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Pulsa para descartar</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Desactivado porque se pulsó Ctrl 5 veces. Vuelve a activarlo aquí o con %1.</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Desactivado porque se pulsó Ctrl 5 veces. Vuelve a activarlo aquí.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Tu resultado, explicado por IA</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, la IA de Anthropic, pone estos números en palabras sencillas y ajusta un ajuste a ellos: un ajuste personal para tu mano.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine no pudo conectarse a internet. La sugerencia de arriba no lo necesita: se calculó en este ordenador.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Ya tuviste las tres explicaciones de hoy. Inténtalo mañana.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Mucha gente pidió una explicación hoy. Inténtalo mañana.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>Las explicaciones no están disponibles ahora. Inténtalo más tarde; la sugerencia de arriba funciona igual.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Escrito por IA (Claude) a partir de los números de tu resultado. La medición es de Quellarine, en este ordenador, y el ajuste de la IA se mantiene dentro del rango de los ajustes de Quellarine.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Ajuste personal de la IA</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Un poco más estable que %1, según tus números.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Un poco más rápido que %1, según tus números.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 tal cual: ya encaja con tus números.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Probarlo</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Solo se envían los números de abajo: nunca la grabación, tu nombre ni tu correo.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Ver exactamente qué se envía</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>Hasta tres al día.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Escribiendo…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Explicar con IA</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Una pregunta, una idea, algo que no funcionó. Cada mensaje lo lee la persona que hace Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine no pudo conectarse a internet. Tu mensaje se guarda aquí: inténtalo de nuevo cuando tengas conexión.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>Se enviaron muchos mensajes en poco tiempo. Tu mensaje se guarda aquí: inténtalo de nuevo en una hora.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>No se pudo enviar el mensaje tal como está. Revisa la dirección de correo o acorta el mensaje.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>El envío no funciona ahora mismo. Tu mensaje se guarda aquí: inténtalo más tarde o cópialo.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>¿De qué se trata?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>Tu correo (opcional)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nombre@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Incluir detalles de la app</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>La versión de la app, la versión del sistema, el idioma, el ajuste y el dispositivo señalador ayudan a encontrar un problema. Nunca tu nombre, tus archivos ni lo que hay en pantalla.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>Enviar (Ctrl + Intro)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Elige de qué se trata y escribe un mensaje para enviarlo.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>¡Gracias! Tu mensaje está en camino.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Lo lee una persona. No dejaste dirección, así que no habrá respuesta.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Lo lee una persona, y la respuesta irá a %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Escribir otro</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 de %2 caracteres</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Solo para responderte. Déjalo vacío para seguir en el anonimato.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Eso no parece una dirección de correo.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Copiar el mensaje</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Tu movimiento</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Una mano temblorosa</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Veces por segundo</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Mover el ratón a propósito se queda por debajo de unas 2 veces por segundo. Un temblor es más rápido, de 3 a 12. Quellarine aprende el temblor y lo resta, en lugar de ralentizarlo todo.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>Qué tan rápidos son tu movimiento y un temblor</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Una línea de 0 a %1 veces por segundo. Tu movimiento está entre 0 y 2 veces por segundo; una mano temblorosa, entre 3 y 12.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Volver a ver la guía de bienvenida</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>¿Preguntas o problemas? Escríbenos aquí, en Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine no es un dispositivo médico y no diagnostica ni trata ninguna afección.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine suaviza el temblor del puntero e ignora los clics accidentales, en todas las aplicaciones.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Ver qué se necesita</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine está activado</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine está desactivado</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>Suavizado con el preajuste %1.</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>El puntero sigue tu mano directamente.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Nada de lo que escribes o pulsas se graba ni se envía a ningún sitio.</translation>
    </message>
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>Suavizar el puntero con el preajuste %1</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>¿Cuánto debe estabilizarse el puntero?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Cada uno cambia estabilidad por rapidez del puntero. Elige uno y pruébalo: el adecuado se siente tranquilo.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiales</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Hecho para tu mano</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>cambiar de modo desde cualquier aplicación</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>¿No sabes cuál elegir?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine puede medir tu mano y sugerirte uno, y la IA puede explicarte por qué y ajustarlo a tu mano.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Clics</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>Para manos que pulsan dos veces o se deslizan al pulsar.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Los toques muy breves no cuentan como clics.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>Se ignora un segundo clic justo después del primero, para que un dedo tembloroso no haga doble clic sin querer.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>El puntero se queda quieto mientras el botón está pulsado, para que no se salga de lo que has pulsado.</translation>
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
        <translation>Equilibrado</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>Tiempo para alcanzar un objetivo, según el retraso</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>Un retraso de 75 ms hizo que alcanzar un objetivo fuera un %1 más lento y subió los errores del %2 al %3. Añadir 40 ms costó cerca de un %4 de velocidad al apuntar. Equilibrado añade unos 25 ms.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 añadidos, como con Equilibrado: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 añadidos: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estos ajustes</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine activado</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine desactivado</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Ver qué se necesita</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiales</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Hecho para tu mano</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Protección de clics</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Abrir Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Ver qué se necesita</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Actualizar…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5 veces: desactivar</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Abrir Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>Necesita permiso</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Activado · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Desactivado: sin suavizado</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 está listo para instalarse</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Lo usa otra aplicación</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Siguiente modo</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Activar o desactivar</translation>
    </message>
    <message>
        <source>Next mode: %1</source>
        <translation>Modo siguiente: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Activar o desactivar: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 veces: no se oye en esta sesión</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>Esperando al escritorio</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>No asignado por el escritorio</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>No disponible en esta sesión</translation>
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
        <translation>siguiente modo</translation>
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
        <translation>Directo</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Sin suavizado: el puntero sigue tu mano directamente</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Desactivado porque se pulsó Ctrl 5 veces</translation>
    </message>
</context>
<context>
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Esta versión</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Versión %1, esta versión: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versión %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine activado o desactivado</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine no pudo reiniciarse por sí solo. Ciérralo y vuelve a abrirlo para ver el nuevo idioma.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Empieza con Equilibrado y prueba Fuerte si el puntero aún tiembla.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Se usa el ajuste Trackpad, pensado para trazos cortos con el dedo.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Cambia de ajuste al cambiar de dispositivo con %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Hazlo tuyo</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine se ajusta según estas opciones. Nada sale de este ordenador.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Protección de clics</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>¿Con qué señalas?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Igual que el sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine mostrará el nuevo idioma cuando vuelva a abrirse.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Reiniciar Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiales</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Hecho para tu mano</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Quitar foto</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Suelta aquí una imagen para usarla como tu foto</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Cambiar foto…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Elegir foto…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Elige una imagen para tu perfil. Se queda en este ordenador.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>Usar foto</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Solo se muestran en Quellarine, en este ordenador. Nunca se suben.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>Una pregunta, una idea, algo que no funcionó. Se lee cada mensaje.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escríbenos</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Por qué funciona</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>Lo que una mano temblorosa le hace a un clic, y cómo responde Quellarine.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Cifras de estudios publicados con personas que usan un ratón, cada una con el ajuste al que llevó. Todas las fuentes están al final de la página.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>de los clics se desviaron</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>de los dobles clics fallaron</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>de retraso con Equilibrado</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>Clics</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>La mayoría de los problemas llegan en el momento del clic, no en el camino hacia él.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 frente a %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>más errores de doble clic en personas mayores que en jóvenes.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>No es solo el temblor: Quellarine ayuda siempre que los clics se desvían.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Moverse</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Tu movimiento y un temblor van a velocidades distintas. En esa diferencia trabaja Quellarine.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2,34 frente a 4,72 bits/s</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>la velocidad al apuntar de las personas con dificultades motoras, comparada con la de otras.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Un puntero más estable devuelve parte de esa velocidad: menos fallos, menos segundos intentos.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retraso</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Suavizar suele costar retraso, y el retraso cuesta velocidad. Por eso Quellarine lo mantiene pequeño.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Tu propia mano</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Los estudios describen grupos de personas. &quot;A la medida de tu mano&quot; se fija en la tuya.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Los estudios observaron grupos de personas que usaban un ratón; no probaron Quellarine, salvo el marcado como nuestro. Quellarine no es un dispositivo médico y no diagnostica ni trata ninguna afección.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 en los demás</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>de los clics movieron el puntero entre pulsar y soltar el botón, en personas con dificultades motoras.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>La protección de clics mantiene quieto el puntero mientras el botón está pulsado.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>de los dobles y triples clics fallaron: se desviaron, llegaron demasiado lentos o se contaron mal.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>El puntero se queda quieto mientras haces clic, así que los clics caen en el mismo sitio.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>hasta 19 de una sola persona</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>clics que nadie quiso hacer, en el mismo estudio.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Los toques demasiado breves para ser una pulsación real no cuentan como clics.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>9 de 11</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>personas prefirieron un puntero que se queda quieto al hacer clic, cuando lo probaron.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>La protección de clics de Quellarine funciona igual.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 menos de temblor</translation>
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
        <translation>Cuánto temblor queda, con el mismo retraso de 25 ms</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Suavizado simple</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, Equilibrado</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine calcula el temblor y lo resta, como los filtros adaptativos que estabilizan instrumentos quirúrgicos, que eliminaron cerca de dos tercios del temblor de la mano en pruebas de laboratorio. Un temblor que cambia de un segundo a otro es más difícil: entonces se va menos.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Temblor que queda con suavizado simple: %1. Con el preajuste Equilibrado de Quellarine: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Funcionan en todas las aplicaciones, con Quellarine en segundo plano.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Lo usa otra aplicación</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>cambiar de modo</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Directo (sin suavizado) y luego cada preajuste por turnos. Mantén pulsada también Mayús para ir hacia atrás. El nombre del modo aparece en pantalla unos segundos.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>activar o desactivar Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Si alguna vez el puntero es difícil de usar, pulsa Ctrl 5 veces seguidas: Quellarine se desactiva al instante.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>También puedes usar su icono en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Para que Quellarine oiga sus teclas y las cinco pulsaciones de Ctrl aquí, dale acceso a los teclados ejecutando este comando en una terminal. Podrá leer todos los teclados; solo mira las teclas modificadoras y sus tres atajos, y nunca guarda ni envía ninguna tecla.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Tu escritorio asigna estas teclas a Quellarine en todas las aplicaciones; puedes cambiarlas en su configuración del teclado.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine las oye en todas las aplicaciones gracias al acceso al teclado que le diste. Solo mira las teclas modificadoras y estos tres atajos, y nunca guarda ni envía ninguna tecla.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>No funcionan en esta sesión: no deja que ningún programa oiga las teclas pulsadas en otras ventanas.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>Esperando a que el escritorio asigne estas teclas</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>El escritorio no asignó estas teclas</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>No disponible en esta sesión</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Directo (sin suavizado) y luego cada ajuste por turno; %1 retrocede. El nombre del modo aparece en pantalla unos segundos.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Las cinco pulsaciones de Ctrl no se oyen en esta sesión. Si el puntero se vuelve difícil de usar, desactiva el suavizado con el interruptor de la ventana principal o desde el icono de Quellarine en la bandeja del sistema.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
</context>
<context>
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Fuentes</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>El sistema no ha dejado que Quellarine observe el puntero. Ciérralo y vuelve a abrirlo.</translation>
    </message>
</context>
<context>
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Algo no funciona</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>Tengo una idea</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Algo es confuso</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Falta algo</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Algo que me gusta</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Elige arriba de qué se trata y escribe tanto o tan poco como quieras.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>¿Qué hiciste, qué esperabas y qué pasó en cambio?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>¿Qué te gustaría que hiciera Quellarine?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>¿Qué parte fue difícil de seguir?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>¿Qué buscaste y no encontraste?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>¿Qué te funciona bien?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Estás al día!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Historial de versiones</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 está disponible</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>Actualizar a %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>Actualizar a %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Mira las novedades e instálalas gratis</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Comprueba si hay una versión más reciente de Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Estás al día!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Historial de versiones</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>¡Hay una nueva versión de Quellarine disponible!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 ya está disponible; tienes la %2. ¿Quieres abrir ahora su página de descarga?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Abrir la página de descarga</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine no ha podido buscar actualizaciones.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine suaviza el temblor del puntero e ignora los clics accidentales, en todas las aplicaciones.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine no es un dispositivo médico y no diagnostica ni trata ninguna afección.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Te damos la bienvenida a Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>cambiar de modo</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Directo (sin suavizado) y luego cada preajuste por turnos. Mantén pulsada también Mayús para ir hacia atrás. El nombre del modo aparece en pantalla unos segundos.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>activar o desactivar Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Si alguna vez el puntero es difícil de usar, pulsa Ctrl 5 veces seguidas: Quellarine se desactiva al instante.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>En un estudio con personas con dificultades motoras, el puntero se movió durante el %1 de los clics. Quellarine lo mantiene quieto mientras pulsas e ignora los toques demasiado breves para ser un clic.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>También puedes usar su icono en la bandeja del sistema.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Te damos la bienvenida a Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Cada actualización de Quellarine, de la más reciente a la más antigua. Las actualizaciones son gratis de por vida.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>No hay notas de la versión</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Vienen con la descarga de la app. Busca actualizaciones para obtener la versión más reciente.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Medido en tu ordenador</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Una prueba de un minuto registra cómo se mueve tu puntero. Quellarine la reproduce con cada preajuste y te sugiere el que deja menos temblor con menos retraso.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Explicado y ajustado por IA</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>Si lo pides, una IA (Claude) lee los números del resultado, nunca la grabación, explica con palabras sencillas lo que muestran y ajusta el preajuste sugerido en un ajuste personal, dentro del rango de los preajustes de Quellarine.</translation>
    </message>
</context>
</TS>
