<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Utilisation : quellarine [OPTION]
Stabilise le pointeur pour les mains qui tremblent. Sans option, démarre Quellarine.

  --allow-devices       en root : permet à l’utilisateur devant l’écran de cet ordinateur de stabiliser les dispositifs de pointage
  --allow-keyboards     en root : permet à Quellarine d’entendre ses raccourcis sur les claviers
  --disallow-keyboards  en root : retire l’accès aux claviers
  --help                affiche cette aide et termine
  --version             affiche la version et termine</translation>
    </message>
    <message>
        <source>Quellarine does not understand “%1”.</source>
        <translation>Quellarine ne comprend pas « %1 ».</translation>
    </message>
    <message>
        <source>Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>Quellarine a besoin d’une session de bureau : aucun affichage n’a pu être ouvert (DISPLAY ou WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through this computer&apos;s pointing devices, which it may not use yet. To allow it for the person at this computer, run this one command in a terminal and enter your password:

%1

Quellarine notices the access by itself, without a restart.</source>
        <translation>Quellarine stabilise le pointeur au moyen des périphériques de pointage de cet ordinateur, qu’il ne peut pas encore utiliser. Pour l’autoriser pour la personne devant cet ordinateur, exécutez cette seule commande dans un terminal et saisissez votre mot de passe&#xa0;:

%1

Quellarine remarque l’accès de lui-même, sans redémarrage.</translation>
    </message>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine stabilise le pointeur par le serveur X d’une session X11, qui doit proposer les extensions XInput2 et XTest. Cette session ne lui donne pas cet accès&#xa0;: le pointeur n’est donc pas stabilisé.

Déconnectez-vous, choisissez une session X11 sur l’écran de connexion (son nom contient souvent «&#xa0;Xorg&#xa0;» ou «&#xa0;X11&#xa0;»), reconnectez-vous, puis lancez Quellarine.</translation>
    </message>
    <message>
        <source>This is a Wayland session. Its X server lets no program watch or move the pointer of the whole desktop, so Quellarine cannot steady it there.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Ceci est une session Wayland. Son serveur X ne permet à aucun programme de suivre ni de déplacer le pointeur de tout le bureau&#xa0;: Quellarine ne peut donc pas le stabiliser ici.

Déconnectez-vous, choisissez une session X11 sur l’écran de connexion (son nom contient souvent «&#xa0;Xorg&#xa0;» ou «&#xa0;X11&#xa0;»), reconnectez-vous, puis lancez Quellarine.</translation>
    </message>
    <message>
        <source>Turn Quellarine on or off</source>
        <translation>Activer ou désactiver Quellarine</translation>
    </message>
    <message>
        <source>Quellarine: next mode</source>
        <translation>Quellarine : mode suivant</translation>
    </message>
    <message>
        <source>Quellarine: previous mode</source>
        <translation>Quellarine : mode précédent</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>This copy of Quellarine lacks %1.</source>
        <translation>Il manque %1 à cette copie de Quellarine.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>“%1” did not succeed.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas abouti.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Cannot clear the access list of %1.</source>
        <translation>Impossible de vider la liste d’accès de %1.</translation>
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
        <translation>Maj</translation>
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
        <translation>Test Quellarine, 2026</translation>
    </message>
    <message>
        <source>The Balanced preset against plain smoothing with the same 25 ms delay</source>
        <translation>Le préréglage Équilibré face à un lissage simple au même délai de 25&#xa0;ms</translation>
    </message>
    <message>
        <source>A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a published study.</source>
        <translation>Un mouvement enregistré sur un pavé tactile, auquel s’ajoute un tremblement simulé régulier de 6&#xa0;Hz. Notre propre mesure, pas une étude publiée.</translation>
    </message>
</context>
<context>
    <name>MainSection</name>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Tuned to your hand</source>
        <translation>Adapté à votre main</translation>
    </message>
    <message>
        <source>Why it works</source>
        <translation>Pourquoi ça marche</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>Needs access to the pointer to work.</source>
        <translation>Nécessite l’accès au pointeur pour fonctionner.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Gentle</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Très fort</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Pavé tactile</translation>
    </message>
    <message>
        <source>Large movements</source>
        <translation>Grands mouvements</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Light jitter, almost no delay</source>
        <translation>Tremblement léger, presque sans délai</translation>
    </message>
    <message>
        <source>A good start for most people</source>
        <translation>Un bon départ pour la plupart des gens</translation>
    </message>
    <message>
        <source>Clear shaking</source>
        <translation>Tremblement marqué</translation>
    </message>
    <message>
        <source>Strong shaking; the pointer follows more slowly</source>
        <translation>Fort tremblement&#xa0;; le pointeur suit plus lentement</translation>
    </message>
    <message>
        <source>Small buttons and text; steadiest, slowest</source>
        <translation>Petits boutons et texte&#xa0;; le plus stable, le plus lent</translation>
    </message>
    <message>
        <source>Tuned for trackpads</source>
        <translation>Réglé pour les pavés tactiles</translation>
    </message>
    <message>
        <source>Steady at rest, quick across the screen</source>
        <translation>Stable au repos, rapide d’un bout à l’autre de l’écran</translation>
    </message>
    <message>
        <source>Your test&apos;s preset, tuned by AI</source>
        <translation>Le préréglage de votre test, ajusté par l’IA</translation>
    </message>
</context>
<context>
    <name>ProfileIdentity</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
</context>
<context>
    <name>ProfilePhoto</name>
    <message>
        <source>That file isn&apos;t an image Quellarine can read.</source>
        <translation>Ce fichier n’est pas une image que Quellarine peut lire.</translation>
    </message>
    <message>
        <source>That image is too large. Choose one under 40 MB.</source>
        <translation>Cette image est trop volumineuse. Choisissez-en une de moins de 40 Mo.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t save the photo. Check that your disk isn&apos;t full, then try again.</source>
        <translation>Quellarine n’a pas pu enregistrer la photo. Vérifiez que votre disque n’est pas plein, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>quellarine::AIBadge</name>
    <message>
        <source>AI-assisted</source>
        <translation>Assisté par IA</translation>
    </message>
</context>
<context>
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer asks for this so Quellarine can adjust the pointer. Run this command once in a terminal and enter your password. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Cet ordinateur le demande pour que Quellarine puisse ajuster le pointeur. Exécutez une fois cette commande dans un terminal et saisissez votre mot de passe. Rien de ce que vous tapez ou cliquez n’est enregistré ni envoyé.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Voir ce qu’il faut</translation>
    </message>
    <message>
        <source>Already ran it but still not working? The access goes to whoever is logged in at this computer&apos;s own screen: log out and in again there, then open Quellarine.</source>
        <translation>Déjà exécutée, mais cela ne fonctionne toujours pas ? L’accès revient à la personne connectée sur l’écran de cet ordinateur : déconnectez-vous et reconnectez-vous là, puis ouvrez Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine peut atteindre le pointeur</translation>
    </message>
    <message>
        <source>Allow Access to the Pointer</source>
        <translation>Autoriser l’accès au pointeur</translation>
    </message>
    <message>
        <source>Access given, waiting for the system</source>
        <translation>Accès accordé, en attente du système</translation>
    </message>
    <message>
        <source>The access is given: there is nothing to run. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>L’accès est accordé&#xa0;: il n’y a rien à exécuter. Rien de ce que vous tapez ou cliquez n’est enregistré ni envoyé.</translation>
    </message>
</context>
<context>
    <name>quellarine::AppcastUpdater</name>
    <message>
        <source>The update server could not be reached. Check your connection to the internet and try again later.</source>
        <translation>Impossible de joindre le serveur de mise à jour. Vérifiez votre connexion à Internet et réessayez plus tard.</translation>
    </message>
    <message>
        <source>The update information from the server could not be read. Please try again later.</source>
        <translation>Les informations de mise à jour du serveur sont illisibles. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationResultPage</name>
    <message>
        <source>%1 times a second</source>
        <translation>%1 fois par seconde</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Suggested for you</source>
        <translation>Suggéré pour vous</translation>
    </message>
    <message>
        <source>No regular rhythm</source>
        <translation>Pas de rythme régulier</translation>
    </message>
    <message>
        <source>Shake around where you aim</source>
        <translation>Tremblement autour de votre cible</translation>
    </message>
    <message>
        <source>How fast it shakes</source>
        <translation>Rapidité du tremblement</translation>
    </message>
    <message>
        <source>Movement while pressing</source>
        <translation>Mouvement pendant l’appui</translation>
    </message>
    <message>
        <source>Extra or missed clicks</source>
        <translation>Clics en trop ou manqués</translation>
    </message>
    <message>
        <source>Each preset on your movement</source>
        <translation>Chaque préréglage sur votre mouvement</translation>
    </message>
    <message>
        <source>How much of the shake each one takes out, and how far the pointer trails your hand.</source>
        <translation>La part du tremblement que chacun retire, et le retard du pointeur sur votre main.</translation>
    </message>
    <message>
        <source>Measured on this computer. These are pointer settings, not a health measurement.</source>
        <translation>Mesuré sur cet ordinateur. Ce sont des réglages du pointeur, pas une mesure de santé.</translation>
    </message>
    <message>
        <source>Keep My Settings</source>
        <translation>Garder mes réglages</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Utiliser ces réglages</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationRow</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Adapté à votre main</translation>
    </message>
    <message>
        <source>A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every preset on your movement and suggests the one that suits you. AI can then explain your result and tune a personal setting for you.</source>
        <translation>Un test d’une minute&#xa0;: restez immobile, suivez un point, cliquez sur quelques cibles. Quellarine essaie chaque préréglage sur vos mouvements et vous suggère celui qui vous convient. L’IA peut ensuite expliquer votre résultat et ajuster un réglage personnel pour vous.</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Commencer le test</translation>
    </message>
    <message>
        <source>With the click guard on</source>
        <translation>Avec la protection des clics</translation>
    </message>
    <message>
        <source>Last test, %1: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Dernier test, %1 : &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Refaire le test</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationStage</name>
    <message>
        <source>Test area</source>
        <translation>Zone du test</translation>
    </message>
    <message>
        <source>Put the pointer here</source>
        <translation>Placez le pointeur ici</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationTrace</name>
    <message>
        <source>Your movement, and the same movement with the suggested preset</source>
        <translation>Votre mouvement, et le même mouvement avec le préréglage suggéré</translation>
    </message>
</context>
<context>
    <name>quellarine::CalibrationView</name>
    <message>
        <source>Tuned to your hand</source>
        <translation>Adapté à votre main</translation>
    </message>
    <message>
        <source>A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your result and tune a personal setting for you.</source>
        <translation>Un test d’une minute, en trois parties. Quellarine mesure sur cet ordinateur, puis l’IA peut expliquer votre résultat et régler un paramètre personnel pour vous.</translation>
    </message>
    <message>
        <source>1 of 3: Hold the pointer on the dot.</source>
        <translation>1 sur 3 : gardez le pointeur sur le point.</translation>
    </message>
    <message>
        <source>2 of 3: Follow the dot with the pointer.</source>
        <translation>2 sur 3 : suivez le point avec le pointeur.</translation>
    </message>
    <message>
        <source>3 of 3: Click each target as it appears.</source>
        <translation>3 sur 3 : cliquez sur chaque cible dès qu’elle apparaît.</translation>
    </message>
    <message>
        <source>Trying every preset on your movement.</source>
        <translation>Essai de chaque préréglage sur votre mouvement.</translation>
    </message>
    <message>
        <source>Your result</source>
        <translation>Votre résultat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Immobile</translation>
    </message>
    <message>
        <source>10 seconds on a dot</source>
        <translation>10 secondes sur un point</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>15 seconds after a moving dot</source>
        <translation>15 secondes derrière un point en mouvement</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Cliquer</translation>
    </message>
    <message>
        <source>10 targets</source>
        <translation>10 cibles</translation>
    </message>
    <message>
        <source>Use the mouse or trackpad you normally use, the way you normally hold it. There&apos;s no right or wrong: the test only measures the pointer.</source>
        <translation>Utilisez la souris ou le pavé tactile habituel, tenu comme d’habitude. Il n’y a ni bonne ni mauvaise réponse : le test mesure seulement le pointeur.</translation>
    </message>
    <message>
        <source>Smoothing and the click guard pause during the test and come back after it.</source>
        <translation>Le lissage et la protection des clics se mettent en pause pendant le test et reviennent après.</translation>
    </message>
    <message>
        <source>The recording stays in memory and is deleted when you leave this page. Only the result is kept.</source>
        <translation>L’enregistrement reste en mémoire et est effacé quand vous quittez cette page. Seul le résultat est conservé.</translation>
    </message>
    <message>
        <source>Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. It reads the result&apos;s numbers, never the recording.</source>
        <translation>Ensuite, l’IA (Claude) peut expliquer votre résultat et régler un paramètre personnel pour vous, seulement si vous le demandez. Elle lit les chiffres du résultat, jamais l’enregistrement.</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Refaire le test</translation>
    </message>
    <message>
        <source>Start the Test</source>
        <translation>Commencer le test</translation>
    </message>
    <message>
        <source>Working out your settings…</source>
        <translation>Calcul de vos réglages…</translation>
    </message>
</context>
<context>
    <name>quellarine::ClickGuardRow</name>
    <message>
        <source>Click guard</source>
        <translation>Protection des clics</translation>
    </message>
    <message>
        <source>Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click.</source>
        <translation>Ignore les appuis très brefs et les répétitions accidentelles rapides, et garde le pointeur immobile pendant que vous cliquez.</translation>
    </message>
</context>
<context>
    <name>quellarine::DeviceOption</name>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Pavé tactile</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
</context>
<context>
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Appuyez pour masquer</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Désactivé, car la touche Ctrl a été pressée 5&#xa0;fois. Réactivez-le ici ou avec %1.</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here.</source>
        <translation>Désactivé, car la touche Ctrl a été pressée 5&#xa0;fois. Réactivez-le ici.</translation>
    </message>
</context>
<context>
    <name>quellarine::ExplainCard</name>
    <message>
        <source>Your result, explained by AI</source>
        <translation>Votre résultat, expliqué par l’IA</translation>
    </message>
    <message>
        <source>Claude, Anthropic&apos;s AI, puts these numbers into plain words and tunes a preset to them: a personal setting for your hand.</source>
        <translation>Claude, l’IA d’Anthropic, traduit ces chiffres en mots simples et y ajuste un préréglage : un réglage personnel pour votre main.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. The suggestion above doesn&apos;t need it: it was worked out on this computer.</source>
        <translation>Quellarine n’a pas pu joindre Internet. La suggestion ci-dessus n’en a pas besoin : elle a été calculée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>You&apos;ve had today&apos;s three explanations. Try again tomorrow.</source>
        <translation>Vous avez eu vos trois explications du jour. Réessayez demain.</translation>
    </message>
    <message>
        <source>Many people asked for an explanation today. Try again tomorrow.</source>
        <translation>Beaucoup de personnes ont demandé une explication aujourd’hui. Réessayez demain.</translation>
    </message>
    <message>
        <source>Explanations aren&apos;t available right now. Try again later; the suggestion above works just the same.</source>
        <translation>Les explications ne sont pas disponibles pour le moment. Réessayez plus tard ; la suggestion ci-dessus fonctionne tout autant.</translation>
    </message>
    <message>
        <source>Written by AI (Claude) from your result&apos;s numbers. The measurement is Quellarine&apos;s own, on this computer, and AI&apos;s setting stays within the range of Quellarine&apos;s presets.</source>
        <translation>Écrit par l’IA (Claude) à partir des chiffres de votre résultat. La mesure est celle de Quellarine, sur cet ordinateur, et le réglage de l’IA reste dans la plage des préréglages de Quellarine.</translation>
    </message>
    <message>
        <source>AI&apos;s personal setting</source>
        <translation>Réglage personnel de l’IA</translation>
    </message>
    <message>
        <source>A little steadier than %1, from your numbers.</source>
        <translation>Un peu plus stable que %1, d’après vos chiffres.</translation>
    </message>
    <message>
        <source>A little quicker than %1, from your numbers.</source>
        <translation>Un peu plus rapide que %1, d’après vos chiffres.</translation>
    </message>
    <message>
        <source>%1 as it is: it already fits your numbers.</source>
        <translation>%1 tel quel : il convient déjà à vos chiffres.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>L’essayer</translation>
    </message>
    <message>
        <source>Only the numbers below are sent: never the recording, your name or your email address.</source>
        <translation>Seuls les chiffres ci-dessous sont envoyés : jamais l’enregistrement, votre nom ni votre adresse e-mail.</translation>
    </message>
    <message>
        <source>See exactly what is sent</source>
        <translation>Voir exactement ce qui est envoyé</translation>
    </message>
    <message>
        <source>Up to three a day.</source>
        <translation>Jusqu’à trois par jour.</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Rédaction…</translation>
    </message>
    <message>
        <source>Explain with AI</source>
        <translation>Expliquer avec l’IA</translation>
    </message>
</context>
<context>
    <name>quellarine::FeedbackPage</name>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>A question, an idea, something that didn&apos;t work. Every message is read by the person who makes Quellarine.</source>
        <translation>Une question, une idée, quelque chose qui n’a pas marché. Chaque message est lu par la personne qui fait Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t reach the internet. Your message is kept here: try again when you&apos;re online.</source>
        <translation>Quellarine n’a pas pu joindre Internet. Votre message est conservé ici : réessayez une fois en ligne.</translation>
    </message>
    <message>
        <source>Many messages were sent in a short time. Your message is kept here: try again in an hour.</source>
        <translation>Beaucoup de messages ont été envoyés en peu de temps. Votre message est conservé ici : réessayez dans une heure.</translation>
    </message>
    <message>
        <source>The message couldn&apos;t be sent as it is. Check the email address, or shorten the message.</source>
        <translation>Le message n’a pas pu être envoyé tel quel. Vérifiez l’adresse e-mail ou raccourcissez le message.</translation>
    </message>
    <message>
        <source>Sending isn&apos;t working right now. Your message is kept here: try again later, or copy it.</source>
        <translation>L’envoi ne fonctionne pas pour le moment. Votre message est conservé ici : réessayez plus tard, ou copiez-le.</translation>
    </message>
    <message>
        <source>What is it about?</source>
        <translation>De quoi s’agit-il ?</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <translation>Votre e-mail (facultatif)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@example.com</translation>
    </message>
    <message>
        <source>Include app details</source>
        <translation>Inclure les détails de l’app</translation>
    </message>
    <message>
        <source>The app&apos;s version, the system&apos;s version, the language, the preset and the pointing device help find a problem. Never your name, your files or what&apos;s on screen.</source>
        <translation>La version de l’app, la version du système, la langue, le préréglage et l’appareil de pointage aident à trouver un problème. Jamais votre nom, vos fichiers ni ce qui est à l’écran.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send (Ctrl + Return)</source>
        <translation>Envoyer (Ctrl + Entrée)</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about and write a message to send it.</source>
        <translation>Choisissez le sujet et écrivez un message pour l’envoyer.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Thank you! Your message is on its way.</source>
        <translation>Merci ! Votre message est en route.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person. You left no address, so there won&apos;t be a reply.</source>
        <translation>Il est lu par une personne. Vous n’avez pas laissé d’adresse, il n’y aura donc pas de réponse.</translation>
    </message>
    <message>
        <source>It&apos;s read by a person, and the answer goes to %1.</source>
        <translation>Il est lu par une personne, et la réponse ira à %1.</translation>
    </message>
    <message>
        <source>Write Another</source>
        <translation>Écrire un autre</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 caractères sur %2</translation>
    </message>
    <message>
        <source>Only to answer you. Leave it empty to stay anonymous.</source>
        <translation>Seulement pour vous répondre. Laissez vide pour rester anonyme.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an email address.</source>
        <translation>Cela ne ressemble pas à une adresse e-mail.</translation>
    </message>
    <message>
        <source>Copy the Message</source>
        <translation>Copier le message</translation>
    </message>
</context>
<context>
    <name>quellarine::FrequencyBands</name>
    <message>
        <source>Your movement</source>
        <translation>Votre mouvement</translation>
    </message>
    <message>
        <source>A shaking hand</source>
        <translation>Une main qui tremble</translation>
    </message>
    <message>
        <source>Times per second</source>
        <translation>Fois par seconde</translation>
    </message>
    <message>
        <source>Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 to 12. Quellarine learns the shake and subtracts it, instead of slowing everything down.</source>
        <translation>Bouger la souris volontairement reste sous 2 fois par seconde environ. Un tremblement est plus rapide&#xa0;: de 3 à 12. Quellarine apprend le tremblement et le soustrait, au lieu de tout ralentir.</translation>
    </message>
    <message>
        <source>How fast your movement and a shake are</source>
        <translation>La vitesse de votre mouvement et d’un tremblement</translation>
    </message>
    <message>
        <source>A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a shaking hand between 3 and 12.</source>
        <translation>Une ligne de 0 à %1 fois par seconde. Votre mouvement se situe entre 0 et 2 fois par seconde, une main qui tremble entre 3 et 12.</translation>
    </message>
</context>
<context>
    <name>quellarine::HelpPage</name>
    <message>
        <source>Show the welcome guide again</source>
        <translation>Revoir le guide de bienvenue</translation>
    </message>
    <message>
        <source>Questions or problems? Write to us here in Quellarine</source>
        <translation>Des questions ou des problèmes&#xa0;? Écrivez-nous ici, dans Quellarine</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine n’est pas un dispositif médical et ne diagnostique ni ne traite aucune affection.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine atténue les tremblements du pointeur et ignore les clics accidentels, dans toutes les applications.</translation>
    </message>
</context>
<context>
    <name>quellarine::HomeHeader</name>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Voir ce qu’il faut</translation>
    </message>
    <message>
        <source>Quellarine is on</source>
        <translation>Quellarine est activé</translation>
    </message>
    <message>
        <source>Quellarine is off</source>
        <translation>Quellarine est désactivé</translation>
    </message>
    <message>
        <source>Smoothing with %1.</source>
        <translation>Lissage avec le préréglage %1.</translation>
    </message>
    <message>
        <source>The pointer follows your hand directly.</source>
        <translation>Le pointeur suit directement votre main.</translation>
    </message>
    <message>
        <source>Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Rien de ce que vous tapez ou cliquez n’est enregistré ni envoyé.</translation>
    </message>
    <message>
        <source>Smooth the pointer with %1</source>
        <translation>Lisser le pointeur avec le préréglage %1</translation>
    </message>
</context>
<context>
    <name>quellarine::HomePage</name>
    <message>
        <source>How steady should the pointer be?</source>
        <translation>Quelle stabilité pour le pointeur&#xa0;?</translation>
    </message>
    <message>
        <source>Each one trades steadiness for how quickly the pointer follows. Pick one and try it: the right one feels calm.</source>
        <translation>Chacun échange de la stabilité contre la réactivité du pointeur. Choisissez-en un et essayez-le&#xa0;: le bon vous paraîtra calme.</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Pour les cas particuliers</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Fait pour votre main</translation>
    </message>
    <message>
        <source>switch modes from any app</source>
        <translation>changer de mode depuis n’importe quelle application</translation>
    </message>
    <message>
        <source>Not sure which one?</source>
        <translation>Vous ne savez pas lequel choisir&#xa0;?</translation>
    </message>
    <message>
        <source>Quellarine can measure your hand and suggest one, and AI can explain why and tune it to your hand.</source>
        <translation>Quellarine peut mesurer votre main et vous en suggérer un, et l’IA peut expliquer pourquoi et l’ajuster à votre main.</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Clics</translation>
    </message>
    <message>
        <source>For hands that tap twice or slip while pressing.</source>
        <translation>Pour les mains qui tapent deux fois ou glissent en appuyant.</translation>
    </message>
    <message>
        <source>Very short taps don&apos;t count as clicks.</source>
        <translation>Les appuis très brefs ne comptent pas comme des clics.</translation>
    </message>
    <message>
        <source>A second click right after the first is ignored, so a shaking finger doesn&apos;t double-click by mistake.</source>
        <translation>Un second clic juste après le premier est ignoré&#xa0;: un doigt qui tremble ne double-clique pas par erreur.</translation>
    </message>
    <message>
        <source>The pointer stays still while the button is down, so it doesn&apos;t slip off what you clicked.</source>
        <translation>Le pointeur reste immobile tant que le bouton est enfoncé, pour ne pas glisser hors de ce que vous avez cliqué.</translation>
    </message>
</context>
<context>
    <name>quellarine::LagBars</name>
    <message>
        <source>%1 ms</source>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
</context>
<context>
    <name>quellarine::LagChart</name>
    <message>
        <source>Time to reach a target, by delay</source>
        <translation>Temps pour atteindre une cible, selon le délai</translation>
    </message>
    <message>
        <source>A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.</source>
        <translation>Un délai de 75&#xa0;ms a rendu l’atteinte d’une cible %1 plus lente et fait passer les erreurs de %2 à %3. Ajouter 40&#xa0;ms a coûté environ %4 de vitesse de pointage. Équilibré ajoute environ 25&#xa0;ms.</translation>
    </message>
    <message>
        <source>%1 added, as with Balanced: %2.</source>
        <translation>%1 ajoutées, comme avec Équilibré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 added: %2.</source>
        <translation>%1 ajoutées&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::LastResultCard</name>
    <message>
        <source>In use</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Utiliser ces réglages</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuBarItem</name>
    <message>
        <source>Quellarine on</source>
        <translation>Quellarine activé</translation>
    </message>
    <message>
        <source>Quellarine off</source>
        <translation>Quellarine désactivé</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Voir ce qu’il faut</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Pour les cas particuliers</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Fait pour votre main</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Protection des clics</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Ouvrir Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>quellarine::MenuView</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Voir ce qu’il faut</translation>
    </message>
    <message>
        <source>Update…</source>
        <translation>Mettre à jour…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Ctrl 5 times: off</source>
        <translation>Ctrl 5&#xa0;fois&#xa0;: arrêt</translation>
    </message>
    <message>
        <source>Open Quellarine</source>
        <translation>Ouvrir Quellarine</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Needs permission</source>
        <translation>Autorisation requise</translation>
    </message>
    <message>
        <source>On · %1</source>
        <translation>Activé · %1</translation>
    </message>
    <message>
        <source>Off: no smoothing</source>
        <translation>Désactivé&#xa0;: aucun lissage</translation>
    </message>
    <message>
        <source>Quellarine %1 is ready to install</source>
        <translation>Quellarine %1 est prêt à être installé</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Déjà utilisé par une autre application</translation>
    </message>
    <message>
        <source>Next mode</source>
        <translation>Mode suivant</translation>
    </message>
    <message>
        <source>On or off</source>
        <translation>Activer ou désactiver</translation>
    </message>
    <message>
        <source>Next mode: %1</source>
        <translation>Mode suivant : %1</translation>
    </message>
    <message>
        <source>On or off: %1</source>
        <translation>Activer ou désactiver : %1</translation>
    </message>
    <message>
        <source>Ctrl 5 times: not heard in this session</source>
        <translation>Ctrl 5 fois : non entendu dans cette session</translation>
    </message>
    <message>
        <source>Waiting for the desktop</source>
        <translation>En attente du bureau</translation>
    </message>
    <message>
        <source>Not given by the desktop</source>
        <translation>Non attribué par le bureau</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Indisponible dans cette session</translation>
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
        <translation>mode suivant</translation>
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
        <translation>Direct</translation>
    </message>
    <message>
        <source>No smoothing: the pointer follows your hand directly</source>
        <translation>Sans lissage&#xa0;: le pointeur suit directement votre main</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times</source>
        <translation>Désactivé, car la touche Ctrl a été pressée 5&#xa0;fois</translation>
    </message>
</context>
<context>
    <name>quellarine::NoteCard</name>
    <message>
        <source>This version</source>
        <translation>Cette version</translation>
    </message>
    <message>
        <source>Version %1, this version: %2</source>
        <translation>Version %1, cette version : %2</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Version %1 : %2</translation>
    </message>
</context>
<context>
    <name>quellarine::OnOffCard</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Quellarine on or off</source>
        <translation>Quellarine activé ou désactivé</translation>
    </message>
</context>
<context>
    <name>quellarine::PreferencesSection</name>
    <message>
        <source>Quellarine could not restart by itself. Quit it and open it again to see the new language.</source>
        <translation>Quellarine n’a pas pu redémarrer de lui-même. Quittez-le et rouvrez-le pour voir la nouvelle langue.</translation>
    </message>
    <message>
        <source>Start with Balanced, then try Strong if the pointer still shakes.</source>
        <translation>Commencez par Équilibré, puis essayez Fort si le pointeur tremble encore.</translation>
    </message>
    <message>
        <source>Using the Trackpad preset, made for short finger strokes.</source>
        <translation>Réglage Pavé tactile utilisé, conçu pour les petits gestes du doigt.</translation>
    </message>
    <message>
        <source>Switch presets as you switch devices with %1.</source>
        <translation>Changez de réglage en même temps que d’appareil avec %1.</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>À votre façon</translation>
    </message>
    <message>
        <source>Quellarine sets itself up around these. Nothing leaves this computer.</source>
        <translation>Quellarine s’organise selon ces choix. Rien ne quitte cet ordinateur.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Click guard</source>
        <translation>Protection des clics</translation>
    </message>
    <message>
        <source>What do you point with?</source>
        <translation>Avec quoi pointez-vous ?</translation>
    </message>
    <message>
        <source>Same as the System</source>
        <translation>Comme le système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Quellarine shows the new language when it opens again.</source>
        <translation>Quellarine s’affichera dans la nouvelle langue à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>Restart Quellarine</source>
        <translation>Redémarrer Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::PresetPicker</name>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>For special cases</source>
        <translation>Pour les cas particuliers</translation>
    </message>
    <message>
        <source>Made for your hand</source>
        <translation>Fait pour votre main</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfileHeader</name>
    <message>
        <source>Remove Photo</source>
        <translation>Supprimer la photo</translation>
    </message>
    <message>
        <source>Drop a picture here to use it as your photo</source>
        <translation>Déposez une image ici pour en faire votre photo</translation>
    </message>
    <message>
        <source>Change Photo…</source>
        <translation>Changer de photo…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Choisir une photo…</translation>
    </message>
    <message>
        <source>Choose a picture for your profile. It stays on this computer.</source>
        <translation>Choisissez une image pour votre profil. Elle reste sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Use Photo</source>
        <translation>Utiliser la photo</translation>
    </message>
</context>
<context>
    <name>quellarine::ProfilePage</name>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Shown only in Quellarine, on this computer. Never uploaded.</source>
        <translation>Affichées seulement dans Quellarine, sur cet ordinateur. Jamais envoyées.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
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
        <translation>Une question, une idée, quelque chose qui n’a pas marché. Chaque message est lu.</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Écrivez-nous</translation>
    </message>
</context>
<context>
    <name>quellarine::ResearchHero</name>
    <message>
        <source>Why it works</source>
        <translation>Pourquoi ça marche</translation>
    </message>
    <message>
        <source>What a shaking hand does to a click, and how Quellarine answers.</source>
        <translation>Ce qu’une main qui tremble fait à un clic, et comment Quellarine y répond.</translation>
    </message>
    <message>
        <source>Numbers from published studies of people using a mouse, each with the setting it led to. Every source is at the bottom of the page.</source>
        <translation>Des chiffres tirés d’études publiées sur des personnes utilisant une souris, chacun avec le réglage qui en découle. Toutes les sources sont en bas de la page.</translation>
    </message>
    <message>
        <source>of clicks slipped</source>
        <translation>des clics ont glissé</translation>
    </message>
    <message>
        <source>of double-clicks failed</source>
        <translation>des doubles-clics ont échoué</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>delay with Balanced</source>
        <translation>de délai avec Équilibré</translation>
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
        <translation>La plupart des difficultés surviennent au moment du clic, pas en chemin.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contre %2</translation>
    </message>
    <message>
        <source>as many double-click errors for older adults as for young ones.</source>
        <translation>plus d’erreurs de double-clic chez les personnes âgées que chez les jeunes.</translation>
    </message>
    <message>
        <source>It isn&apos;t only shaking: Quellarine helps whenever clicks slip.</source>
        <translation>Ce n’est pas que le tremblement&#xa0;: Quellarine aide dès que les clics glissent.</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Bouger</translation>
    </message>
    <message>
        <source>Your movement and a shake are different speeds. That gap is what Quellarine works in.</source>
        <translation>Votre mouvement et un tremblement vont à des vitesses différentes. C’est dans cet écart que Quellarine travaille.</translation>
    </message>
    <message>
        <source>½</source>
        <translation>½</translation>
    </message>
    <message>
        <source>2.34 against 4.72 bits/s</source>
        <translation>2,34 contre 4,72 bits/s</translation>
    </message>
    <message>
        <source>the pointing speed of people with motor difficulties, compared with others.</source>
        <translation>la vitesse de pointage des personnes ayant des difficultés motrices, comparée aux autres.</translation>
    </message>
    <message>
        <source>A steadier pointer gives back some of that speed: fewer misses, fewer second tries.</source>
        <translation>Un pointeur plus stable rend une partie de cette vitesse&#xa0;: moins de ratés, moins de nouvelles tentatives.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.</source>
        <translation>Le lissage coûte souvent du délai, et le délai coûte de la vitesse. Quellarine le garde donc faible.</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Votre propre main</translation>
    </message>
    <message>
        <source>The studies describe groups of people. &quot;Tuned to your hand&quot; looks at yours.</source>
        <translation>Les études décrivent des groupes de personnes. «&#xa0;Adapté à votre main&#xa0;» regarde la vôtre.</translation>
    </message>
    <message>
        <source>The studies looked at groups of people using a mouse; they did not test Quellarine, except the one marked as our own. Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Les études portaient sur des groupes de personnes utilisant une souris&#xa0;; elles n’ont pas testé Quellarine, sauf celle signalée comme la nôtre. Quellarine n’est pas un dispositif médical et ne diagnostique ni ne traite aucune affection.</translation>
    </message>
    <message>
        <source>%1 for others</source>
        <translation>%1 chez les autres</translation>
    </message>
    <message>
        <source>of clicks moved the pointer between pressing and releasing the button, for people with motor difficulties.</source>
        <translation>des clics ont déplacé le pointeur entre l’appui et le relâchement du bouton, chez les personnes ayant des difficultés motrices.</translation>
    </message>
    <message>
        <source>The click guard holds the pointer still while the button is down.</source>
        <translation>La protection des clics tient le pointeur immobile tant que le bouton est enfoncé.</translation>
    </message>
    <message>
        <source>of double and triple clicks failed: they slipped, came too slowly or counted wrong.</source>
        <translation>des doubles et triples clics ont échoué&#xa0;: ils ont glissé, sont venus trop lentement ou ont été mal comptés.</translation>
    </message>
    <message>
        <source>The pointer stays put while you click, so the clicks land in one place.</source>
        <translation>Le pointeur ne bouge pas pendant que vous cliquez&#xa0;: les clics tombent au même endroit.</translation>
    </message>
    <message>
        <source>up to 19 from one person</source>
        <translation>jusqu’à 19 pour une seule personne</translation>
    </message>
    <message>
        <source>clicks nobody meant to make, in the same study.</source>
        <translation>clics que personne ne voulait faire, dans la même étude.</translation>
    </message>
    <message>
        <source>Taps too short to be a real press don&apos;t count as clicks.</source>
        <translation>Les effleurements trop brefs pour être un vrai appui ne comptent pas comme des clics.</translation>
    </message>
    <message>
        <source>9 of 11</source>
        <translation>9 sur 11</translation>
    </message>
    <message>
        <source>people preferred a pointer that holds still during clicks, when they tried one.</source>
        <translation>personnes ont préféré un pointeur qui reste immobile pendant les clics, après l’avoir essayé.</translation>
    </message>
    <message>
        <source>Quellarine&apos;s click guard works the same way.</source>
        <translation>La protection des clics de Quellarine fonctionne de la même façon.</translation>
    </message>
</context>
<context>
    <name>quellarine::ScoreRow</name>
    <message>
        <source>%1 less shake</source>
        <translation>%1 de tremblement en moins</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1&#xa0;ms</translation>
    </message>
</context>
<context>
    <name>quellarine::ShakeLeft</name>
    <message>
        <source>How much shake is left, at the same 25 ms delay</source>
        <translation>Ce qui reste du tremblement, au même délai de 25&#xa0;ms</translation>
    </message>
    <message>
        <source>Plain smoothing</source>
        <translation>Lissage simple</translation>
    </message>
    <message>
        <source>Quellarine, Balanced</source>
        <translation>Quellarine, Équilibré</translation>
    </message>
    <message>
        <source>Quellarine works out the shake and subtracts it, like the adaptive filters used to steady surgical tools, which removed about two thirds of hand shake in lab tests. A shake that changes from second to second is harder: then less of it goes.</source>
        <translation>Quellarine calcule le tremblement et le soustrait, comme les filtres adaptatifs qui stabilisent les instruments chirurgicaux et ont supprimé environ deux tiers du tremblement de la main lors d’essais en laboratoire. Un tremblement qui change d’une seconde à l’autre est plus difficile&#xa0;: il en part moins.</translation>
    </message>
    <message>
        <source>Shake left with plain smoothing: %1. With Quellarine&apos;s Balanced preset: %2.</source>
        <translation>Tremblement restant avec un lissage simple&#xa0;: %1. Avec le préréglage Équilibré de Quellarine&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>quellarine::ShortcutsSection</name>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>They work in every app, with Quellarine in the background.</source>
        <translation>Ils fonctionnent dans toutes les applications, avec Quellarine en arrière-plan.</translation>
    </message>
    <message>
        <source>Used by another app</source>
        <translation>Déjà utilisé par une autre application</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>changer de mode</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direct (sans lissage), puis chaque préréglage à tour de rôle. Maintenez aussi Maj pour revenir en arrière. Le nom du mode s’affiche quelques secondes à l’écran.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>activer ou désactiver Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Si le pointeur devient difficile à utiliser, appuyez 5&#xa0;fois de suite sur Ctrl&#xa0;: Quellarine se désactive aussitôt.</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Vous pouvez aussi utiliser son icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>To let Quellarine hear its keys and the five presses of Ctrl here, give it access to the keyboards by running this command in a terminal. It can then read every keyboard; it looks only at the modifier keys and its three shortcuts, and never stores or sends a key.</source>
        <translation>Pour que Quellarine entende ses touches et les cinq appuis sur Ctrl ici, donnez-lui accès aux claviers en exécutant cette commande dans un terminal. Il pourra alors lire tous les claviers ; il ne regarde que les touches de modification et ses trois raccourcis, et n’enregistre ni n’envoie jamais aucune touche.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Your desktop gives these keys to Quellarine in every app; you can change them in its keyboard settings.</source>
        <translation>Votre bureau attribue ces touches à Quellarine dans toutes les applications ; vous pouvez les changer dans ses réglages du clavier.</translation>
    </message>
    <message>
        <source>Quellarine hears them in every app through the keyboard access you gave it. It looks only at the modifier keys and these three shortcuts, and never stores or sends a key.</source>
        <translation>Quellarine les entend dans toutes les applications grâce à l’accès au clavier que vous lui avez donné. Il ne regarde que les touches de modification et ces trois raccourcis, et n’enregistre ni n’envoie jamais aucune touche.</translation>
    </message>
    <message>
        <source>They do not work in this session: it lets no program hear keys pressed in other windows.</source>
        <translation>Ils ne fonctionnent pas dans cette session : elle ne laisse aucun programme entendre les touches pressées dans d’autres fenêtres.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to give these keys</source>
        <translation>En attente des touches attribuées par le bureau</translation>
    </message>
    <message>
        <source>The desktop did not give these keys</source>
        <translation>Le bureau n’a pas attribué ces touches</translation>
    </message>
    <message>
        <source>Not available in this session</source>
        <translation>Indisponible dans cette session</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn; %1 goes back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direct (sans lissage), puis chaque préréglage à tour de rôle ; %1 revient en arrière. Le nom du mode s’affiche à l’écran pendant quelques secondes.</translation>
    </message>
    <message>
        <source>Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn smoothing off with the switch in the main window or from Quellarine&apos;s icon in the system tray.</source>
        <translation>Les cinq appuis sur Ctrl ne sont pas entendus dans cette session. Si le pointeur devient difficile à utiliser, désactivez le lissage avec l’interrupteur de la fenêtre principale ou depuis l’icône de Quellarine dans la zone de notification.</translation>
    </message>
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>quellarine::SourcesList</name>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
</context>
<context>
    <name>quellarine::TapFailedNotice</name>
    <message>
        <source>The system didn&apos;t let Quellarine watch the pointer. Quit and open it again.</source>
        <translation>Le système n’a pas laissé Quellarine observer le pointeur. Quittez-le et rouvrez-le.</translation>
    </message>
</context>
<context>
    <name>quellarine::TopicTile</name>
    <message>
        <source>Something doesn&apos;t work</source>
        <translation>Quelque chose ne marche pas</translation>
    </message>
    <message>
        <source>I have an idea</source>
        <translation>J’ai une idée</translation>
    </message>
    <message>
        <source>Something is confusing</source>
        <translation>Quelque chose est déroutant</translation>
    </message>
    <message>
        <source>Something is missing</source>
        <translation>Quelque chose manque</translation>
    </message>
    <message>
        <source>Something I like</source>
        <translation>Quelque chose que j’aime</translation>
    </message>
    <message>
        <source>Pick what it&apos;s about above, then write as much or as little as you like.</source>
        <translation>Choisissez le sujet ci-dessus, puis écrivez autant ou aussi peu que vous voulez.</translation>
    </message>
    <message>
        <source>What did you do, what did you expect, and what happened instead?</source>
        <translation>Qu’avez-vous fait, qu’attendiez-vous, et que s’est-il passé à la place ?</translation>
    </message>
    <message>
        <source>What would you like Quellarine to do?</source>
        <translation>Qu’aimeriez-vous que Quellarine fasse ?</translation>
    </message>
    <message>
        <source>Which part was hard to follow?</source>
        <translation>Quelle partie était difficile à suivre ?</translation>
    </message>
    <message>
        <source>What did you look for and not find?</source>
        <translation>Qu’avez-vous cherché sans le trouver ?</translation>
    </message>
    <message>
        <source>What works well for you?</source>
        <translation>Qu’est-ce qui marche bien pour vous ?</translation>
    </message>
</context>
<context>
    <name>quellarine::UpToDateAlert</name>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Historique des versions</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateBanner</name>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Quellarine %1 is available</source>
        <translation>Quellarine %1 est disponible</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateCommand</name>
    <message>
        <source>Update to %1…</source>
        <translation>Mettre à jour vers %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdateRow</name>
    <message>
        <source>Update to %1</source>
        <translation>Mettre à jour vers %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>See what&apos;s new and install it, free</source>
        <translation>Voir les nouveautés et les installer gratuitement</translation>
    </message>
    <message>
        <source>See if a newer Quellarine is out</source>
        <translation>Voir si une version plus récente de Quellarine est sortie</translation>
    </message>
</context>
<context>
    <name>quellarine::UpdaterWindow</name>
    <message>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Quellarine %1 is currently the newest version available.</source>
        <translation>Quellarine %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>A new version of Quellarine is available!</source>
        <translation>Une nouvelle version de Quellarine est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Quellarine %1 is now available; you have %2. Would you like to open its download page now?</source>
        <translation>Quellarine %1 est disponible&#xa0;; vous avez la version %2. Voulez-vous ouvrir sa page de téléchargement maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>Quellarine couldn&apos;t check for updates.</source>
        <translation>Quellarine n’a pas pu rechercher de mises à jour.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeView</name>
    <message>
        <source>Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app.</source>
        <translation>Quellarine atténue les tremblements du pointeur et ignore les clics accidentels, dans toutes les applications.</translation>
    </message>
    <message>
        <source>Quellarine is not a medical device and does not diagnose or treat any condition.</source>
        <translation>Quellarine n’est pas un dispositif médical et ne diagnostique ni ne traite aucune affection.</translation>
    </message>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Bienvenue dans Quellarine</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>switch modes</source>
        <translation>changer de mode</translation>
    </message>
    <message>
        <source>Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The mode&apos;s name shows on screen for a few seconds.</source>
        <translation>Direct (sans lissage), puis chaque préréglage à tour de rôle. Maintenez aussi Maj pour revenir en arrière. Le nom du mode s’affiche quelques secondes à l’écran.</translation>
    </message>
    <message>
        <source>turn Quellarine on or off</source>
        <translation>activer ou désactiver Quellarine</translation>
    </message>
    <message>
        <source>If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.</source>
        <translation>Si le pointeur devient difficile à utiliser, appuyez 5&#xa0;fois de suite sur Ctrl&#xa0;: Quellarine se désactive aussitôt.</translation>
    </message>
    <message>
        <source>In a study of people with motor difficulties, the pointer moved during %1 of clicks. Quellarine holds it still while you press, and ignores taps too short to be a click.</source>
        <translation>Dans une étude auprès de personnes ayant des difficultés motrices, le pointeur bougeait pendant %1 des clics. Quellarine le maintient immobile pendant que vous appuyez et ignore les appuis trop brefs pour être un clic.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>You can also use its icon in the system tray.</source>
        <translation>Vous pouvez aussi utiliser son icône dans la zone de notification.</translation>
    </message>
</context>
<context>
    <name>quellarine::WelcomeWindow</name>
    <message>
        <source>Welcome to Quellarine</source>
        <translation>Bienvenue dans Quellarine</translation>
    </message>
</context>
<context>
    <name>quellarine::WhatsNewPage</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Every Quellarine update, newest first. Updates are free for life.</source>
        <translation>Chaque mise à jour de Quellarine, la plus récente en premier. Les mises à jour sont gratuites à vie.</translation>
    </message>
    <message>
        <source>No release notes</source>
        <translation>Aucune note de version</translation>
    </message>
    <message>
        <source>They&apos;re part of the app download. Check for Updates to get the latest version.</source>
        <translation>Elles font partie du téléchargement de l’app. Recherchez des mises à jour pour obtenir la dernière version.</translation>
    </message>
</context>
<context>
    <name>quellarine::YourHand</name>
    <message>
        <source>Measured on your computer</source>
        <translation>Mesuré sur votre ordinateur</translation>
    </message>
    <message>
        <source>A one-minute test records how your pointer moves. Quellarine replays it through every preset and suggests the one that leaves the least shake for the least delay.</source>
        <translation>Un test d’une minute enregistre les mouvements de votre pointeur. Quellarine le rejoue avec chaque préréglage et propose celui qui laisse le moins de tremblement pour le moins de délai.</translation>
    </message>
    <message>
        <source>Explained and tuned by AI</source>
        <translation>Expliqué et ajusté par l’IA</translation>
    </message>
    <message>
        <source>If you ask, AI (Claude) reads the result&apos;s numbers, never the recording, explains in plain words what they show, and tunes the suggested preset into a personal setting, kept within the range of Quellarine&apos;s presets.</source>
        <translation>Si vous le demandez, une IA (Claude) lit les chiffres du résultat, jamais l’enregistrement, explique simplement ce qu’ils montrent et ajuste le préréglage suggéré en un réglage personnel, dans la plage des préréglages de Quellarine.</translation>
    </message>
</context>
</TS>
