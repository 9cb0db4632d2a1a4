<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>O Quellarine estabiliza o ponteiro pelo servidor X de uma sessão X11, que precisa oferecer as extensões XInput2 e XTest. Esta sessão não dá esse acesso a ele, então o ponteiro não é estabilizado.

Encerre a sessão, escolha uma sessão X11 na tela de login (o nome dela costuma ter “Xorg” ou “X11”), entre de novo e abra o Quellarine.</translation>
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
        <translation>Teste do Quellarine, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>O modo Equilibrado comparado a uma suavização simples com o mesmo atraso de 25 ms</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Um movimento gravado no trackpad com um tremor simulado constante de 6 Hz adicionado. Medição nossa, não um estudo publicado.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>Sob medida para sua mão</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Por que funciona</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
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
        <translation>Precisa de uma sessão X11 para funcionar.</translation>
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
        <translation>Forte</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Muito forte</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Movimentos amplos</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Pessoal</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Tremor leve, quase sem atraso</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Um bom começo para a maioria das pessoas</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Tremor evidente</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Tremor forte; o ponteiro acompanha mais devagar</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Botões e textos pequenos; o mais estável e o mais lento</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>Ajustado para trackpads</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Estável em repouso, rápido de um lado a outro da tela</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>A predefinição do seu teste, ajustada por IA</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Este computador precisa de uma sessão X11 para que o Quellarine possa ajustar o ponteiro. Em qualquer outra sessão, encerre a sessão, escolha uma sessão X11 na tela de login (o nome dela costuma ter “Xorg” ou “X11”) e entre de novo. Nada do que você digita ou clica é gravado ou enviado a lugar nenhum.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Mostrar o que é necessário</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>Já está em uma sessão X11 e ainda não funciona? O servidor X precisa oferecer as extensões XInput2 e XTest: ative-as nas configurações dele e abra o Quellarine de novo.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>O Quellarine consegue acessar o ponteiro</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Use uma sessão X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
    <message>
        <source>Direct</source>
        <translation>Direto</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Sem suavização: o ponteiro segue sua mão diretamente</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Desligado porque Ctrl foi pressionado 5 vezes</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>Não foi possível acessar o servidor de atualizações. Verifique sua conexão com a internet e tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>Não foi possível ler as informações de atualização do servidor. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Sob medida para sua mão</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Um teste de um minuto: fique parado, siga um ponto e clique em alguns alvos. O Quellarine testa cada predefinição no seu movimento e sugere a que combina com você. Depois, a IA pode explicar seu resultado e ajustar uma configuração pessoal para você.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Começar o teste</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Proteção de cliques</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Ignora toques muito curtos e repetições acidentais rápidas, e mantém o ponteiro parado enquanto você clica.</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Pressione para dispensar</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Desligado porque Ctrl foi pressionado 5 vezes. Ligue de novo aqui ou com %1.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Mostrar o guia de boas-vindas de novo</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>Dúvidas ou problemas? Escreva para nós aqui no Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>O Quellarine não é um dispositivo médico e não diagnostica nem trata nenhuma condição de saúde.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>O Quellarine suaviza o tremor do ponteiro e ignora cliques acidentais, em todos os aplicativos.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Mostrar o que é necessário</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>O Quellarine está ligado</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>O Quellarine está desligado</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>Suavização com o modo %1.</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>O ponteiro segue sua mão diretamente.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Nada do que você digita ou clica é gravado ou enviado a lugar nenhum.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>Quão estável o ponteiro deve ficar?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Cada um troca estabilidade pela rapidez com que o ponteiro acompanha. Escolha um e experimente: o certo parece calmo.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiais</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Feito para sua mão</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>alternar modos em qualquer aplicativo</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>Não sabe qual escolher?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>O Quellarine pode medir sua mão e sugerir um, e a IA pode explicar o porquê e ajustá-lo à sua mão.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Cliques</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>Para mãos que tocam duas vezes ou escorregam ao pressionar.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Toques muito curtos não contam como cliques.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>Um segundo clique logo após o primeiro é ignorado, para que um dedo trêmulo não dê um clique duplo sem querer.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>O ponteiro fica parado enquanto o botão está pressionado, para não escorregar do que você clicou.</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine ligado</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine desligado</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Mostrar o que é necessário</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiais</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Feito para sua mão</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Proteção de cliques</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Abrir o Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Encerrar</translation>
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
        <translation>Mostrar o que é necessário</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Atualizar…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5 vezes: desligar</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Abrir o Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>Precisa de permissão</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Ligado · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Desligado: sem suavização</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>O Quellarine %1 está pronto para instalar</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Em uso por outro aplicativo</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Próximo modo</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Ligar ou desligar</translation>
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
        <translation>próximo modo</translation>
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
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Para casos especiais</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Feito para sua mão</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Funcionam em qualquer aplicativo, com o Quellarine em segundo plano.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Em uso por outro aplicativo</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>alternar modos</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direto (sem suavização) e depois cada predefinição, uma de cada vez. Segure também Shift para voltar. O nome do modo aparece na tela por alguns segundos.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>ligar ou desligar o Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Se o ponteiro ficar difícil de usar, pressione Ctrl 5 vezes seguidas: o Quellarine desliga na hora.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Você também pode usar o ícone dele na bandeja do sistema.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>O sistema não deixou o Quellarine observar o ponteiro. Encerre e abra de novo.</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>Atualizar para %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateController</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Tudo atualizado!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>O Quellarine %1 é a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Histórico de versões</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>Atualizar para %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Veja as novidades e instale, de graça</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Veja se há uma versão mais nova do Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Notas da versão</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Verificando atualizações…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Tudo atualizado!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>O Quellarine %1 é a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Histórico de versões</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Uma nova versão do Quellarine está disponível!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>O Quellarine %1 já está disponível; você tem a %2. Deseja abrir a página de download agora?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Pular esta versão</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Abrir página de download</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>O Quellarine não conseguiu verificar se há atualizações.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>O Quellarine suaviza o tremor do ponteiro e ignora cliques acidentais, em todos os aplicativos.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>O Quellarine não é um dispositivo médico e não diagnostica nem trata nenhuma condição de saúde.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Boas-vindas ao Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>alternar modos</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direto (sem suavização) e depois cada predefinição, uma de cada vez. Segure também Shift para voltar. O nome do modo aparece na tela por alguns segundos.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>ligar ou desligar o Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Se o ponteiro ficar difícil de usar, pressione Ctrl 5 vezes seguidas: o Quellarine desliga na hora.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>Em um estudo com pessoas com dificuldades motoras, o ponteiro se moveu durante %1 dos cliques. O Quellarine o mantém parado enquanto você pressiona e ignora toques curtos demais para serem um clique.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Você também pode usar o ícone dele na bandeja do sistema.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Boas-vindas ao Quellarine</translation>
    </message>
</context>
</TS>
