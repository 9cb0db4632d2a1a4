<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Uso: quellarine [OPÇÃO]
Estabiliza o ponteiro para mãos que tremem. Sem opção, inicia o Quellarine.

  --allow-devices       como root: permite ao usuário diante da tela deste computador estabilizar os dispositivos apontadores
  --allow-keyboards     como root: permite ao Quellarine ouvir seus atalhos nos teclados
  --disallow-keyboards  como root: retira a permissão dos teclados
  --help                mostra esta ajuda e termina
  --version             mostra a versão e termina</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>O Quellarine não entende “%1”.</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>O Quellarine precisa de uma sessão de desktop: nenhuma tela pôde ser aberta (DISPLAY ou WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>O Quellarine estabiliza o ponteiro por meio dos dispositivos apontadores deste computador, que ele ainda não pode usar. Para permitir isso para a pessoa que usa este computador, execute este único comando em um terminal e digite sua senha:

%1

O Quellarine percebe o acesso sozinho, sem precisar reiniciar.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>O Quellarine estabiliza o ponteiro pelo servidor X de uma sessão X11, que precisa oferecer as extensões XInput2 e XTest. Esta sessão não dá esse acesso a ele, então o ponteiro não é estabilizado.

Encerre a sessão, escolha uma sessão X11 na tela de login (o nome dela costuma ter “Xorg” ou “X11”), entre de novo e abra o Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Esta é uma sessão Wayland. O servidor X dela não deixa nenhum programa observar nem mover o ponteiro de toda a área de trabalho, então o Quellarine não consegue estabilizá-lo ali.

Encerre a sessão, escolha uma sessão X11 na tela de login (o nome dela costuma ter “Xorg” ou “X11”), entre de novo e abra o Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Ligar ou desligar o Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine: próximo modo</translation>
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
        <translation>Falta %1 nesta cópia do Quellarine.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>“%1” não teve êxito.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Não é possível remover %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>Não é possível limpar a lista de acesso de %1.</translation>
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
        <source>Needs access to the pointer to work.</source>
        <translation>Precisa de acesso ao ponteiro para funcionar.</translation>
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
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Esse arquivo não é uma imagem que o Quellarine consiga ler.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Essa imagem é grande demais. Escolha uma com menos de 40 MB.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>O Quellarine não conseguiu salvar a foto. Verifique se o disco não está cheio e tente novamente.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>Com ajuda de IA</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Este computador pede isso para que o Quellarine possa ajustar o ponteiro. Execute este comando uma vez em um terminal e digite sua senha. Nada do que você digita ou clica é gravado ou enviado a lugar algum.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Mostrar o que é necessário</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>Já executou e ainda não funciona? O acesso vai para quem está conectado na tela deste computador: saia e entre novamente ali e depois abra o Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>O Quellarine consegue acessar o ponteiro</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>Permitir acesso ao ponteiro</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Acesso concedido, aguardando o sistema</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>O acesso foi concedido: não há nada para executar. Nada do que você digita ou clica é gravado ou enviado a lugar nenhum.</translation>
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
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>%1 vezes por segundo</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Sugerido para você</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Sem ritmo regular</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Tremor em volta de onde você mira</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Quão rápido treme</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Movimento ao pressionar</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Cliques a mais ou perdidos</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Cada predefinição no seu movimento</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>Quanto do tremor cada uma tira e quanto o ponteiro fica atrás da sua mão.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Medido neste computador. São ajustes do ponteiro, não uma medida de saúde.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Manter meus ajustes</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estes ajustes</translation>
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
    <message>
        <source>With the click guard on</source>
        <translation>Com a proteção de cliques ligada</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Último teste, %1: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Testar de novo</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Área do teste</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>Ponha o ponteiro aqui</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Seu movimento, e o mesmo movimento com a predefinição sugerida</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Sob medida para sua mão</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Um teste de um minuto, em três partes. O Quellarine mede neste computador e depois a IA pode explicar seu resultado e ajustar uma configuração pessoal para você.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 de 3: mantenha o ponteiro sobre o ponto.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 de 3: siga o ponto com o ponteiro.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 de 3: clique em cada alvo quando ele aparecer.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Testando cada predefinição no seu movimento.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Seu resultado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 segundos sobre um ponto</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 segundos atrás de um ponto em movimento</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clicar</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 alvos</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Use o mouse ou trackpad de sempre, do jeito que você costuma segurar. Não há certo nem errado: o teste só mede o ponteiro.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>A suavização e a proteção de cliques pausam durante o teste e voltam depois.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>A gravação fica na memória e é apagada quando você sai desta página. Só o resultado é guardado.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Depois, a IA (Claude) pode explicar seu resultado e ajustar uma configuração pessoal para você, só se você pedir. Ela lê os números do resultado, nunca a gravação.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Testar de novo</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Começar o teste</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Calculando seus ajustes…</translation>
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
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
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
        <translation>Pressione para dispensar</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Desligado porque Ctrl foi pressionado 5 vezes. Ligue de novo aqui ou com %1.</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Desligado porque Ctrl foi pressionado 5 vezes. Ligue de novo aqui.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Seu resultado, explicado por IA</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, a IA da Anthropic, traduz estes números em palavras simples e ajusta um ajuste a eles: um ajuste pessoal para sua mão.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>O Quellarine não conseguiu acessar a internet. A sugestão acima não precisa dela: foi calculada neste computador.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Você já teve as três explicações de hoje. Tente de novo amanhã.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Muitas pessoas pediram uma explicação hoje. Tente de novo amanhã.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>As explicações não estão disponíveis agora. Tente mais tarde; a sugestão acima funciona do mesmo jeito.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Escrito por IA (Claude) a partir dos números do seu resultado. A medição é do próprio Quellarine, neste computador, e o ajuste da IA fica dentro da faixa dos ajustes do Quellarine.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Ajuste pessoal da IA</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Um pouco mais estável que %1, pelos seus números.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Um pouco mais rápido que %1, pelos seus números.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 como está: já combina com seus números.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Em uso</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Experimentar</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Só os números abaixo são enviados: nunca a gravação, seu nome ou seu e-mail.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Ver exatamente o que é enviado</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>Até três por dia.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Escrevendo…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Explicar com IA</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Uma pergunta, uma ideia, algo que não funcionou. Cada mensagem é lida pela pessoa que faz o Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>O Quellarine não conseguiu acessar a internet. Sua mensagem fica guardada aqui: tente de novo quando estiver on-line.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>Muitas mensagens foram enviadas em pouco tempo. Sua mensagem fica guardada aqui: tente de novo em uma hora.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>A mensagem não pôde ser enviada como está. Confira o endereço de e-mail ou encurte a mensagem.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>O envio não está funcionando agora. Sua mensagem fica guardada aqui: tente mais tarde ou copie-a.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>Sobre o que é?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>Seu e-mail (opcional)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nome@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Incluir detalhes do app</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>A versão do app, a versão do sistema, o idioma, o ajuste e o dispositivo apontador ajudam a encontrar um problema. Nunca seu nome, seus arquivos ou o que está na tela.</translation>
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
        <translation>Enviar (Ctrl + Enter)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Escolha o assunto e escreva uma mensagem para enviá-la.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviada</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>Obrigado! Sua mensagem está a caminho.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Ela é lida por uma pessoa. Você não deixou endereço, então não haverá resposta.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Ela é lida por uma pessoa, e a resposta vai para %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Escrever outra</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 de %2 caracteres</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Só para responder a você. Deixe em branco para ficar anônimo.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Isso não parece um endereço de e-mail.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Copiar a mensagem</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Seu movimento</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Uma mão trêmula</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Vezes por segundo</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Mover o mouse de propósito fica abaixo de umas 2 vezes por segundo. Um tremor é mais rápido, de 3 a 12. O Quellarine aprende o tremor e o subtrai, em vez de deixar tudo mais lento.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>A velocidade do seu movimento e de um tremor</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Uma linha de 0 a %1 vezes por segundo. Seu movimento fica entre 0 e 2 vezes por segundo; uma mão trêmula, entre 3 e 12.</translation>
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
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>Suavizar o ponteiro com o modo %1</translation>
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
        <translation>Tempo para alcançar um alvo, por atraso</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>Um atraso de 75 ms deixou o alcance de um alvo %1 mais lento e elevou os erros de %2 para %3. Acrescentar 40 ms custou cerca de %4 da velocidade de apontar. O Equilibrado acrescenta cerca de 25 ms.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 acrescentados, como com o Equilibrado: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 acrescentados: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>Em uso</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estes ajustes</translation>
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
    <message>
        <source>Next mode: %1</source>
        <translation>Próximo modo: %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Ligar ou desligar: %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 vezes: não ouvido nesta sessão</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>Aguardando o ambiente de trabalho</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>Não atribuído pelo ambiente de trabalho</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Indisponível nesta sessão</translation>
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
    <name>quellarine::ModeSwitcher</name>
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
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Esta versão</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Versão %1, esta versão: %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versão %1: %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine ligado ou desligado</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>O Quellarine não conseguiu reiniciar sozinho. Feche-o e abra-o de novo para ver o novo idioma.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Comece com Equilibrado e experimente Forte se o ponteiro ainda tremer.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Usando o ajuste Trackpad, feito para movimentos curtos do dedo.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Troque de ajuste ao trocar de dispositivo com %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Do seu jeito</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>O Quellarine se ajusta a essas escolhas. Nada sai deste computador.</translation>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Proteção de cliques</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>Com o que você aponta?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Igual ao sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>O Quellarine mostra o novo idioma quando abrir de novo.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Reiniciar o Quellarine</translation>
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
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Remover foto</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Solte uma imagem aqui para usá-la como sua foto</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Trocar foto…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Escolher foto…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Escolha uma imagem para o seu perfil. Ela fica neste computador.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Mostrados só no Quellarine, neste computador. Nunca enviados.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Quellarine %1</source>
        <translation>Quellarine %1</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read.</source>
        <translation>Uma pergunta, uma ideia, algo que não funcionou. Toda mensagem é lida.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escreva para nós</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Por que funciona</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>O que uma mão trêmula faz com um clique, e como o Quellarine responde.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Números de estudos publicados com pessoas usando mouse, cada um com o ajuste a que levou. Todas as fontes estão no fim da página.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>dos cliques escorregaram</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>dos cliques duplos falharam</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>de atraso com o Equilibrado</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchPage</name>
    <message>
        <source>Clicking</source>
        <translation>Cliques</translation>
    </message>
    <message>
        <source>Most trouble comes at the moment of the click, not on the way to it.</source>
        <translation>A maior parte dos problemas surge no momento do clique, não no caminho até ele.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>mais erros de clique duplo em idosos do que em jovens.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>Não é só o tremor: o Quellarine ajuda sempre que os cliques escorregam.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Seu movimento e um tremor têm velocidades diferentes. É nessa diferença que o Quellarine trabalha.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2,34 contra 4,72 bits/s</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>a velocidade de apontar de pessoas com dificuldades motoras, em comparação com as demais.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Um ponteiro mais firme devolve parte dessa velocidade: menos erros, menos segundas tentativas.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Suavizar costuma custar atraso, e atraso custa velocidade. Por isso o Quellarine o mantém pequeno.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>A sua própria mão</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Os estudos descrevem grupos de pessoas. &quot;Sob medida para sua mão&quot; olha para a sua.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Os estudos observaram grupos de pessoas usando mouse; não testaram o Quellarine, exceto o marcado como nosso. O Quellarine não é um dispositivo médico e não diagnostica nem trata nenhuma condição de saúde.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 nos demais</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>dos cliques moveram o ponteiro entre apertar e soltar o botão, em pessoas com dificuldades motoras.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>A proteção de cliques mantém o ponteiro parado enquanto o botão está pressionado.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>dos cliques duplos e triplos falharam: escorregaram, vieram devagar demais ou foram contados errado.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>O ponteiro fica parado enquanto você clica, então os cliques caem no mesmo lugar.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>até 19 de uma só pessoa</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>cliques que ninguém quis fazer, no mesmo estudo.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Toques curtos demais para serem um clique de verdade não contam como cliques.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>9 de 11</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>pessoas preferiram um ponteiro que fica parado durante os cliques, quando experimentaram.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>A proteção de cliques do Quellarine funciona do mesmo jeito.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 menos tremor</translation>
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
        <translation>Quanto tremor sobra, com o mesmo atraso de 25 ms</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Suavização simples</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, Equilibrado</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>O Quellarine calcula o tremor e o subtrai, como os filtros adaptativos usados para estabilizar instrumentos cirúrgicos, que removeram cerca de dois terços do tremor da mão em testes de laboratório. Um tremor que muda de um segundo para outro é mais difícil: aí sai menos dele.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Tremor que sobra com suavização simples: %1. Com a predefinição Equilibrado do Quellarine: %2.</translation>
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
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Para que o Quellarine ouça suas teclas e os cinco toques em Ctrl aqui, dê a ele acesso aos teclados executando este comando em um terminal. Ele poderá ler todos os teclados; olha apenas as teclas modificadoras e seus três atalhos, e nunca guarda nem envia nenhuma tecla.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Seu ambiente de trabalho atribui estas teclas ao Quellarine em todos os apps; você pode alterá-las nas configurações de teclado dele.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>O Quellarine as ouve em todos os apps pelo acesso ao teclado que você deu. Ele olha apenas as teclas modificadoras e estes três atalhos, e nunca guarda nem envia nenhuma tecla.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>Eles não funcionam nesta sessão: ela não deixa nenhum programa ouvir teclas pressionadas em outras janelas.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>Aguardando o ambiente de trabalho atribuir estas teclas</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>O ambiente de trabalho não atribuiu estas teclas</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Indisponível nesta sessão</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direto (sem suavização) e depois cada predefinição por vez; %1 volta. O nome do modo aparece na tela por alguns segundos.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Os cinco toques em Ctrl não são ouvidos nesta sessão. Se o ponteiro ficar difícil de usar, desligue a suavização com a chave da janela principal ou pelo ícone do Quellarine na bandeja do sistema.</translation>
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
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Fontes</translation>
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
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Algo não funciona</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>Tenho uma ideia</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Algo está confuso</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Falta algo</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Algo de que eu gosto</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Escolha o assunto acima e escreva o quanto quiser.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>O que você fez, o que esperava e o que aconteceu em vez disso?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>O que você gostaria que o Quellarine fizesse?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>Que parte foi difícil de acompanhar?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>O que você procurou e não encontrou?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>O que funciona bem para você?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
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
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>O Quellarine %1 está disponível</translation>
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
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Todas as atualizações do Quellarine, da mais recente para a mais antiga. As atualizações são gratuitas para sempre.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>Nenhuma nota de versão</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Elas fazem parte do download do app. Verifique se há atualizações para obter a versão mais recente.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Medido no seu computador</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Um teste de um minuto registra como seu ponteiro se move. O Quellarine o reproduz com cada predefinição e sugere a que deixa menos tremor com menos atraso.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Explicado e ajustado por IA</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>Se você pedir, uma IA (Claude) lê os números do resultado, nunca a gravação, explica em palavras simples o que eles mostram e transforma a predefinição sugerida em uma configuração pessoal, dentro da faixa das predefinições do Quellarine.</translation>
    </message>
</context>
</TS>
