<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine estabiliza el puntero a través del servidor X de una sesión X11, que debe ofrecer las extensiones XInput2 y XTest. Esta sesión no le da ese acceso, así que el puntero no se estabiliza.

Cierra la sesión, elige una sesión X11 en la pantalla de inicio de sesión (su nombre suele incluir «Xorg» o «X11») y vuelve a iniciar sesión; después, abre Quellarine.</translation>
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
        <source>Needs an X11 session to work.</source>
        <translation>Necesita una sesión X11 para funcionar.</translation>
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
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Este equipo necesita una sesión X11 para que Quellarine pueda ajustar el puntero. Desde cualquier otra sesión, cierra la sesión, elige una sesión X11 en la pantalla de inicio de sesión (su nombre suele incluir «Xorg» o «X11») y vuelve a iniciarla. Nada de lo que escribes o pulsas se graba ni se envía a ningún sitio.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Ver qué se necesita</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>¿Ya estás en una sesión X11 y sigue sin funcionar? El servidor X debe ofrecer las extensiones XInput2 y XTest: actívalas en su configuración y vuelve a abrir Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine puede acceder al puntero</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Usa una sesión X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
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
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Pulsa para descartar</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Desactivado porque se pulsó Ctrl 5 veces. Vuelve a activarlo aquí o con %1.</translation>
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
        <source>Filter</source>
        <translation>Filtro</translation>
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
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
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
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
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
    <name>quellarine::UpdateController</name>
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
</TS>
