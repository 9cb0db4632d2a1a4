<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and XTest extensions. This session does not give it that access, so the pointer is not steadied.

Log out, choose an X11 session at the login screen (often named &quot;on Xorg&quot; or &quot;X11&quot;) and log in again, then start Quellarine.</source>
        <translation>Quellarine stabilise le pointeur par le serveur X d’une session X11, qui doit proposer les extensions XInput2 et XTest. Cette session ne lui donne pas cet accès&#xa0;: le pointeur n’est donc pas stabilisé.

Déconnectez-vous, choisissez une session X11 sur l’écran de connexion (son nom contient souvent «&#xa0;Xorg&#xa0;» ou «&#xa0;X11&#xa0;»), reconnectez-vous, puis lancez Quellarine.</translation>
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
        <source>Needs an X11 session to work.</source>
        <translation>Nécessite une session X11 pour fonctionner.</translation>
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
    <name>quellarine::AccessibilityCard</name>
    <message>
        <source>This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log out, choose an X11 session at the login screen (often named “on Xorg” or “X11”) and log in again. Nothing you type or click is recorded or sent anywhere.</source>
        <translation>Cet ordinateur a besoin d’une session X11 pour que Quellarine puisse ajuster le pointeur. Depuis toute autre session, déconnectez-vous, choisissez une session X11 sur l’écran de connexion (son nom contient souvent «&#xa0;Xorg&#xa0;» ou «&#xa0;X11&#xa0;») et reconnectez-vous. Rien de ce que vous tapez ou cliquez n’est enregistré ni envoyé.</translation>
    </message>
    <message>
        <source>Show What&apos;s Needed</source>
        <translation>Voir ce qu’il faut</translation>
    </message>
    <message>
        <source>Already in an X11 session but still not working? The X server must offer the XInput2 and XTest extensions: turn them on in its settings, then open Quellarine again.</source>
        <translation>Déjà dans une session X11 et ça ne marche toujours pas&#xa0;? Le serveur X doit proposer les extensions XInput2 et XTest&#xa0;: activez-les dans ses réglages, puis rouvrez Quellarine.</translation>
    </message>
    <message>
        <source>Quellarine can reach the pointer</source>
        <translation>Quellarine peut atteindre le pointeur</translation>
    </message>
    <message>
        <source>Use an X11 Session</source>
        <translation>Utilisez une session X11</translation>
    </message>
</context>
<context>
    <name>quellarine::AppModel</name>
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
    <name>quellarine::EmergencyNotice</name>
    <message>
        <source>Press to dismiss</source>
        <translation>Appuyez pour masquer</translation>
    </message>
    <message>
        <source>Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.</source>
        <translation>Désactivé, car la touche Ctrl a été pressée 5&#xa0;fois. Réactivez-le ici ou avec %1.</translation>
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
        <source>Filter</source>
        <translation>Filtre</translation>
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
    <name>quellarine::OnOffCard</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
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
</context>
<context>
    <name>quellarine::SidebarRow</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
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
    <name>quellarine::UpdateController</name>
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
</TS>
