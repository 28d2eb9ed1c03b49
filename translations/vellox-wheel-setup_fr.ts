<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>impossible de créer le dossier privé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 n’est pas un dossier privé de cet utilisateur (un répertoire lui appartenant, en mode 0700)&#xa0;; supprimez-le ou définissez XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: impossible de joindre ou de remplacer l’instance en cours.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>exécution de la commande sans modifier les réglages.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>l’instance en cours s’est terminée&#xa0;; les réglages n’ont pas été rétablis.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>voir --help pour les options.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>exécution de la commande&#xa0;; aucun réglage n’a été appliqué ni ne sera rétabli.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>exécution de la commande avec les réglages qui sont parvenus au contrôleur.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>impossible de joindre ou de remplacer l’instance en cours.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Aucun bouton appuyé</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Boutons appuyés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1&#xa0;: fichier introuvable.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1&#xa0;: pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1&#xa0;: plus de %2 octets.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>Aucun contrôleur trouvé.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Une commande utilise le contrôleur en ce moment&#xa0;; ouvrez la fenêtre quand elle sera terminée.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>Aucun profil &quot;%1&quot; utilisable dans %2.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1&#xa0;: un profil est de type effects ou periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Clé inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: avertissement&#xa0;: le contrôleur utilise le firmware %1, cet outil est en version %2&#xa0;; les réglages peuvent ne pas avoir le même sens pour lui.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>Le contrôleur a été déconnecté pendant l’opération&#xa0;; ces écritures ont pu ne pas lui parvenir&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>&quot;%1&quot; n’est pas un nom de profil utilisable.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1&#xa0;: &quot;%2&quot; manque&#xa0;; un profil enregistré a besoin de tous les champs de son type.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>Impossible d’enregistrer le profil dans %1.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>Le contrôleur a été déconnecté pendant l’opération&#xa0;; certaines écritures ont pu ne pas lui parvenir.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>avant %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>Les réglages d’avant un jeu ou un wrapper de lancement interrompu ont été rétablis.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>Les réglages d’avant un jeu ou un wrapper de lancement interrompu n’ont pas tous pu être rétablis&#xa0;; le prochain démarrage réessaiera.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>L’instance en cours n’a pas indiqué le nœud joystick.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>La zone morte du noyau pour %1 est supprimée (fuzz et flat à 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Les valeurs fuzz et flat propres au noyau pour %1 sont rétablies.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n champ matériel diffère et reste tel quel&#xa0;; --include-hardware le rétablit aussi.
</numerusform>
            <numerusform>%n champs matériels diffèrent et restent tels quels&#xa0;; --include-hardware les rétablit aussi.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>L’instantané %1 provient d’un autre contrôleur (%2)&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>Le contrôleur a déjà ces réglages&#xa0;; rien n’a été envoyé.
</translation>
    </message>
    <message>
        <source>before --restore %1</source>
        <translation>avant --restore %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the controller&apos;s current settings, all four records.</source>
        <translation>Afficher les réglages actuels du contrôleur, les quatre enregistrements.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Appliquer un profil enregistré, ou un fichier de profil texte ou brut (répétable).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Définir un champ (répétable&#xa0;; après les profils, dans l’ordre donné).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Après l’application&#xa0;: enregistrer et redémarrer, comme le fait le bouton.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Écrire un profil enregistré en texte (sur la sortie standard, ou dans --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>Le fichier qu’écrit --export.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Enregistrer un profil texte sous le nom --name dans le dossier de profils de son type (après validation).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>Le nom de profil pour --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Durée d’attente du contrôleur (par défaut&#xa0;: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>Travailler dans $XDG_DATA_HOME/vellox-wheel-setup (profils, fichier INI) au lieu du dossier courant.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>En premier argument&#xa0;: la fenêtre, avec le gain de mesure du courant affiché.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Appliquer les options, lancer COMMAND avec ses arguments et, quand elle se termine, rétablir les réglages d’avant. Dans une option de lancement Steam&#xa0;: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Aucun nom de profil après &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>&quot;%1&quot; ne désigne aucun profil enregistré&#xa0;: utilisez effects:NAME ou periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>Nom de fichier de profil vide.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Aucune commande après &quot;--&quot;.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 ne peut être donné qu’une seule fois.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait attend un nombre entier de secondes de 0 à 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format vaut text ou json, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE s’utilise avec --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE et --name NAME vont ensemble.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import et --name demandent un fichier et un nom.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set attend KEY=VALUE, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Lister les contrôleurs trouvés&#xa0;: nœud, version du firmware, &quot;ok&quot;, &quot;no permission&quot; ou &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>Les règles des profils de jeu&#xa0;: les lister (jeu, profil d’effets, profil de périphérie, séparés par des tabulations), add GAME [effects:NAME] [periphery:NAME] (remplace la règle du jeu) ou remove GAME. Aucun contrôleur nécessaire.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Démarrer avec l’icône de la zone de notification seule, sans afficher la fenêtre (sans zone de notification, la fenêtre s’affiche).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list ne prend rien après.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove demande un jeu&#xa0;: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule vaut list, add ou remove, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add demande GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add prend un profil de chaque type.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add demande un profil&#xa0;: effects:NAME, periphery:NAME ou les deux.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background démarre la fenêtre&#xa0;; il ne va avec aucune commande.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Lit et modifie les réglages d’un contrôleur de volant Vellox. Sans option, le programme ouvre la fenêtre&#xa0;; avec des options, il s’exécute comme une commande, sans fenêtre.

Code de sortie&#xa0;: 0 terminé&#xa0;; 1 un fichier n’a pas pu être écrit ou l’instance en cours n’a pas pu être jointe&#xa0;; 2 mauvaise utilisation ou entrée invalide (rien n’a été envoyé)&#xa0;; 3 aucun contrôleur dans le délai de --wait&#xa0;; 4 contrôleur trouvé, mais cet utilisateur n’a pas le droit de l’ouvrir&#xa0;; 5 le contrôleur a été déconnecté pendant l’opération&#xa0;; avec -- COMMAND, le code de sortie de la commande elle-même (128 + numéro du signal en cas de signal).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>Le format de sortie de --show, --history-show et --monitor (par défaut&#xa0;: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Afficher l’angle du volant, les axes et les boutons du nœud joystick du contrôleur ligne par ligne (lignes JSON avec --format json), jusqu’à interruption.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Mettre à 0 les valeurs fuzz et flat du noyau pour chaque axe du nœud joystick du contrôleur.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Rétablir les valeurs fuzz et flat propres au noyau pour chaque axe.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Ouvrir la fenêtre et sa fenêtre «&#xa0;Test du volant&#xa0;» (dans l’instance en cours s’il y en a une).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Lister l’historique des réglages, du plus récent au plus ancien&#xa0;: identifiant d’instantané, heure, version du firmware, motif.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Afficher un instantané de l’historique (--format text ou json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Afficher, champ par champ, ce qui diffère de A à B. Chacun est un identifiant d’instantané, now (le contrôleur), effects:NAME, periphery:NAME ou un fichier.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Rétablir les réglages d’un instantané en n’envoyant que ce qui diffère&#xa0;; les champs de l’onglet Contrôleur seulement avec --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Avec --restore&#xa0;: rétablir aussi les gains, l’encodeur, les sens et la puissance.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format s’utilise avec --show, --history-show ou --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware s’utilise avec --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Utilisez une des options --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, ou les options d’application (avec ou sans -- COMMAND).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test ouvre la fenêtre&#xa0;; il ne va avec aucune commande ni avec --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 attend un identifiant d’instantané tel que --history le liste, pas &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff demande deux opérandes&#xa0;: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>Le contrôleur est connecté, mais ses réglages n’ont pas pu être lus à temps.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>Aucun contrôleur trouvé en %n seconde.</numerusform>
            <numerusform>Aucun contrôleur trouvé en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>à la connexion du contrôleur</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Aucun contrôleur n’est connecté.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>le contrôleur est occupé&#xa0;; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>un autre programme utilise le retour de force du contrôleur.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>le contrôleur n’a plus d’emplacement d’effet libre (un jeu les occupe peut-être).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>le contrôleur a été déconnecté.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>cet utilisateur n’a pas le droit d’utiliser le nœud joystick du contrôleur.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>Le test de force ne peut pas ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>Le contrôleur n’a pas accepté la force de test&#xa0;: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>La force de test ne peut pas être jouée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>Aucun test de force tant qu’un jeu avec une règle tourne.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Confirmez que vous tenez le volant avant la première force de test.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Aucun contrôleur n’est connecté.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Angle de rotation (degrés)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Force globale des effets (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Force du ressort intégré (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Force de la butée douce (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Plage de la butée douce (degrés)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Amortissement de la butée douce (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Amortissement statique (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>FFB DirectX</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Inverser la force constante</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Force des effets ressort DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Force des effets constants DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Force des effets périodiques DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Activer les forces (redémarrage requis)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Inverser la sortie joystick</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Inverser la sortie de force</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Forces de débogage</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Gain de mesure du courant (redémarrage requis)</translation>
    </message>
    <message>
        <source>80V/V</source>
        <translation>80V/V</translation>
    </message>
    <message>
        <source>40V/V</source>
        <translation>40V/V</translation>
    </message>
    <message>
        <source>20V/V</source>
        <translation>20V/V</translation>
    </message>
    <message>
        <source>10V/V</source>
        <translation>10V/V</translation>
    </message>
    <message>
        <source>Encoder CPR</source>
        <translation>CPR de l’encodeur</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Paires de pôles</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>Gain P</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>Gain I</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Limite de puissance (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Force de calibrage (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Vitesse de calibrage (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Limite de la résistance de freinage (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Taille du tampon de mesure de vitesse</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Lissage de la position (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Le profil d’effets «&#xa0;%1&#xa0;» est absent ou trop court&#xa0;; rien n’a été envoyé pour lui.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Le profil de périphérie «&#xa0;%1&#xa0;» est absent ou trop court&#xa0;; rien n’a été envoyé pour lui.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Périphérie</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>%1 a démarré&#xa0;: profils appliqués&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>%1 s’est terminé&#xa0;: les réglages d’avant son lancement sont rétablis.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>%1 s’est terminé&#xa0;: profils par défaut appliqués&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Profils de jeu actifs pour %1.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>%1 est en cours d’exécution&#xa0;; ses profils seront appliqués dès que les réglages du contrôleur seront chargés.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>Aucun contrôleur n’est connecté&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>avant le jeu %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>à la fin du jeu %1</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>au retour du contrôleur</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>%1 s’est terminé&#xa0;: les profils de %2 sont de nouveau actifs.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>%1 s’est terminé&#xa0;: les réglages du jeu lancé avec --profile sont de nouveau actifs.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Profils de jeu</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Règles&#xa0;: pendant qu’un jeu tourne, ses profils sont actifs</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Règles de jeu</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profil d’effets</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profil de périphérie</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Modifier la règle</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Retirer la règle</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Quand aucun jeu ne tourne</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>Profil d’&amp;effets&#xa0;:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Profil d’effets quand aucun jeu ne tourne</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Profil de &amp;périphérie&#xa0;:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Profil de périphérie quand aucun jeu ne tourne</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>&amp;Changer de profils au lancement d’un jeu</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>&amp;Démarrer avec le bureau</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(les réglages d’avant)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>L’entrée de démarrage automatique %1 n’a pas pu être modifiée.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Règle de jeu</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>Profil d’&amp;effets&#xa0;:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profil d’effets</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Profil de &amp;périphérie&#xa0;:</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profil de périphérie</translation>
    </message>
    <message>
        <source>Program name, for example Race.exe</source>
        <translation>Nom du programme, par exemple Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(les réglages d’avant le jeu)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Un jeu est désigné par le nom de son programme&#xa0;: il ne doit pas être vide ni contenir / ou \ ou des caractères de contrôle, et il lui faut au moins un profil.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>Il n’existe aucun profil d’effets nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>Il n’existe aucun profil de périphérie nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>Il n’existe aucune règle pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Le fichier de réglages n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>GameTray</name>
    <message>
        <source>Vellox Wheel Setup</source>
        <translation>Vellox Wheel Setup</translation>
    </message>
    <message>
        <source>Show the window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profils de jeu…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Appliquer un profil enregistré</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Périphérie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(aucun profil enregistré)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>Vellox Wheel Setup reste actif dans la zone de notification pour changer les profils de jeu. Choisissez Quitter dans son menu pour le fermer.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test du volant…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Activer le bouton de recentrage sur la broche Z0 (redémarrage requis)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (redémarrage requis)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>Modes GPIO</translation>
    </message>
    <message>
        <source>Pin 1</source>
        <translation>Broche 1</translation>
    </message>
    <message>
        <source>Pin 2</source>
        <translation>Broche 2</translation>
    </message>
    <message>
        <source>Pin 3</source>
        <translation>Broche 3</translation>
    </message>
    <message>
        <source>Pin 4</source>
        <translation>Broche 4</translation>
    </message>
    <message>
        <source>Pin 5</source>
        <translation>Broche 5</translation>
    </message>
    <message>
        <source>Pin 6</source>
        <translation>Broche 6</translation>
    </message>
    <message>
        <source>Pin 7</source>
        <translation>Broche 7</translation>
    </message>
    <message>
        <source>Pin 8</source>
        <translation>Broche 8</translation>
    </message>
    <message>
        <source>Encoder Z0</source>
        <translation>Encodeur Z0</translation>
    </message>
    <message>
        <source>Encoder Z1</source>
        <translation>Encodeur Z1</translation>
    </message>
    <message>
        <source>SPI extension</source>
        <translation>Extension SPI</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Mode de l’extension SPI</translation>
    </message>
    <message>
        <source>SPI mode</source>
        <translation>Mode SPI</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Mode 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Latch mode</source>
        <translation>Mode de verrouillage</translation>
    </message>
    <message>
        <source>Latch UP</source>
        <translation>Verrou HAUT</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Verrou BAS</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Délai de verrouillage (microsecondes)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>Durée d’impulsion SCK (microsecondes)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Modes des boutons</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>Boutons GPIO</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Bouton 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Bouton 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Bouton 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Bouton 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Bouton 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Bouton 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Registre à décalage 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Bouton 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Bouton 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Bouton 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Bouton 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Bouton 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Bouton 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Bouton 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Bouton 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Registre à décalage 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Bouton 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Bouton 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Bouton 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Bouton 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Bouton 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Bouton 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Bouton 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Bouton 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Registre à décalage 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Bouton 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Bouton 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Bouton 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Bouton 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Bouton 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Bouton 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Bouton 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Bouton 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Axes analogiques</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Zone morte basse</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Zone morte haute</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Lissage (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Bouton bas (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Bouton haut (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Zone morte basse Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Zone morte haute Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Lissage Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Bouton bas Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Bouton haut Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Inverser Rx</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Zone morte basse Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Zone morte haute Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Lissage Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Bouton bas Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Bouton haut Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Inverser Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Zone morte basse Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Zone morte haute Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Lissage Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Bouton bas Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Bouton haut Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Inverser Rz</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>SPI CS</source>
        <translation>SPI CS</translation>
    </message>
    <message>
        <source>SPI SCK</source>
        <translation>SPI SCK</translation>
    </message>
    <message>
        <source>SPI MISO</source>
        <translation>SPI MISO</translation>
    </message>
    <message>
        <source>Enable effects switch</source>
        <translation>Interrupteur des effets</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Bouton de recentrage</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>PWM de freinage</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>LED des effets</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Redémarrage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Inversé</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>unreadable: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>Le contrôleur utilise maintenant le firmware %1&#xa0;; son instantané le plus récent a été pris avec %2. La fenêtre Historique montre ce qui diffère.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantanés</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>Différences avec l’état actuel du contrôleur</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Rétablir aussi les champs matériels de l’onglet Contrôleur</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Rétablir ces réglages</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Choisissez un instantané pour voir ce qui diffère de l’état actuel du contrôleur.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Cet instantané ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Aucun contrôleur n’est connecté.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>Le contrôleur contient déjà ces réglages.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Cet instantané provient d’un autre contrôleur.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Pris avec le firmware %1&#xa0;; le contrôleur utilise le firmware %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n champ matériel diffère et reste tel quel.</numerusform>
            <numerusform>%n champs matériels diffèrent et restent tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>avant de rétablir les réglages du %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  les réglages d’avant un jeu ou un wrapper de lancement interrompu</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>avant de rétablir les réglages d’avant un jeu ou un wrapper de lancement interrompu</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu (%2)&#xa0;; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier ordinaire&#xa0;; il est laissé tel quel et les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>Le fichier de réglages %1 dépasse %2 octets&#xa0;; il est laissé tel quel et les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>Le fichier de réglages %1 n’est pas au format INI&#xa0;; il est laissé tel quel et les valeurs par défaut sont utilisées.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>L’instance en cours s’est terminée avant de pouvoir exécuter la requête.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Requête de plus de %1 octets refusée.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Requête mal formée refusée.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>L’instance en cours n’accepte aucune requête.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 appartient à un autre utilisateur&#xa0;; supprimez-le ou définissez XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>L’instance en cours n’a pas répondu.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>L’instance en cours (version %1) ne peut pas lire une requête du protocole %2 venant d’une autre version&#xa0;; quittez-la et réessayez.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>impossible d’utiliser le fichier de verrou %1.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>un autre lancement du programme retient %1 depuis trop longtemps&#xa0;; réessayez, ou mettez fin à ce lancement.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>Les réglages seront rétablis dès que le contrôleur sera de nouveau connecté.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Aucun contrôleur n’est connecté.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>La liste des périphériques du système ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>Le contrôleur sur %1 n’est pas un périphérique USB doté d’une interface de contrôleur de jeu.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>Le contrôleur n’a pas (encore) de nœud joystick.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 existe, mais cet utilisateur n’a pas le droit de l’ouvrir (%2). Connectez-vous directement sur cet ordinateur, ou installez la règle udev de l’outil.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>L’affichage en direct n’est pas disponible sur ce système.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible d’exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>%1 n’a pas été lancé&#xa0;: un signal d’arrêt est arrivé pendant l’application des réglages.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Périphérie</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Recentrer le volant</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Enregistrer et redémarrer</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>Passer en mode DFU</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Redémarrer le contrôleur</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup (%1)</source>
        <translation>Vellox Wheel Setup (%1)</translation>
    </message>
    <message>
        <source>Vellox Wheel (%1)</source>
        <translation>Vellox Wheel (%1)</translation>
    </message>
    <message>
        <source>Controller found at %1, but this user may not open it. See &quot;Controller found but not permitted&quot; in the README.</source>
        <translation>Contrôleur trouvé sur %1, mais cet utilisateur n’a pas le droit de l’ouvrir. Voir «&#xa0;Controller found but not permitted&#xa0;» dans le README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>Versions incompatibles&#xa0;!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>Modifier les réglages avec un logiciel qui ne correspond pas à la version du firmware peut provoquer un comportement inattendu de l’appareil&#xa0;!
<byte value="xd"/> **Utilisez des versions correspondantes de Vellox Setup et du firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Dernière version</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**Une nouvelle version de Vellox Wheel Setup (%1) est disponible&#xa0;!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Télécharger et mettre à jour</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Ignorer la version %1</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profils de jeu…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test du volant…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 n’est pas un fichier ordinaire&#xa0;; rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Un nom de profil est un nom de fichier&#xa0;: il ne doit pas être vide, commencer par un point, ni contenir / ou \ ou des caractères de contrôle.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 n’est pas un dossier de cet utilisateur</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>impossible de rendre %1 privé</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>Le journal de restauration est trop volumineux.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>Le journal de restauration est endommagé.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>Le journal de restauration a été écrit par une version plus récente de l’outil.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>Le journal de restauration ne peut pas être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(aucune valeur)</translation>
    </message>
    <message>
        <source>  %1: %2 -&gt; %3
</source>
        <translation>  %1&#xa0;: %2 -&gt; %3
</translation>
    </message>
    <message>
        <source>Settings:
</source>
        <translation>Réglages&#xa0;:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Matériel du contrôleur&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>Le journal de restauration ne peut pas être écrit (%1)&#xa0;; les réglages d’avant ne sont pas à l’abri d’un plantage.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>%1 n’est pas proposé pour %2&#xa0;; valeurs possibles&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>%1 est hors limites pour %2 (%3 à %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>non proposé ici&#xa0;; laissé tel quel</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>le contrôleur contient %1&#xa0;; la fenêtre affiche %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 n’a pas de valeur.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 prend &quot;on&quot; ou &quot;off&quot;, pas %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 prend un nombre, pas %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>Le texte des réglages dépasse 64 Kio.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La ligne n’est pas du texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>La première ligne doit être &quot;%1effects&quot;, &quot;%1periphery&quot; ou &quot;%1all&quot;.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>Ce sont des réglages %1&#xa0;; des réglages %2 sont attendus ici.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Format attendu&#xa0;: &quot;clé = valeur&quot;.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Clé inconnue %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 n’a pas sa place dans des réglages %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 est déjà défini à la ligne %2.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Les réglages de tous les enregistrements n’existent qu’en texte.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>Ni un texte de réglages, ni un profil %1 brut d’au moins %2 octets.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>Ni un texte de réglages, ni un profil brut (64 octets de réglages d’effets, ou 128 octets de réglages de périphérie).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Modification des réglages</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>Il n’existe aucun instantané %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>L’en-tête de l’instantané est endommagé.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>Le fichier est trop volumineux pour être un instantané.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>Le fichier n’est pas un instantané.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>L’instantané a été pris par une version plus récente de l’outil.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>Les réglages de l’instantané sont endommagés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>L’historique des réglages ne peut pas être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Connectez-vous directement sur cet ordinateur, ou installez la règle udev de l’outil.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 n’est pas un nœud d’entrée lisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>Le nœud joystick %1 du contrôleur a disparu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>Le noyau a refusé de modifier %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Accélérateur</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Palonnier</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Volant</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Frein</translation>
    </message>
    <message>
        <source>Hat%1 %2</source>
        <translation>Chapeau%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Axe %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Test du volant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Volant</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Angle du volant</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Chapeau chinois</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Zone morte du noyau</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Supprimer la zone morte du noyau</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Rétablir les valeurs du noyau</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>La supprimer à chaque branchement du contrôleur</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Tests de force</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Pousser à gauche</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Pousser à droite</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Ressort de centrage</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Impulsion courte</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Aucun contrôleur n’est connecté.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>Un jeu avec une règle est en cours&#xa0;: les tests de force sont désactivés jusqu’à ce qu’il se termine.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>Le nœud ne signale aucun axe de direction.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>L’axe de direction ne signale aucune plage.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (angle de rotation encore inconnu)</translation>
    </message>
    <message>
        <source>%1° of ±%2°</source>
        <translation>%1° sur ±%2°</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>fuzz %1, flat %2</source>
        <translation>fuzz %1, flat %2</translation>
    </message>
    <message>
        <source>Hat: %1</source>
        <translation>Chapeau chinois&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Chapeau chinois&#xa0;: aucun</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>La zone morte du noyau est supprimée jusqu’au prochain branchement du contrôleur.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>Les valeurs du noyau sont rétablies.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>Le volant va tourner tout seul. Tenez-le fermement à deux mains, puis appuyez sur OK.</translation>
    </message>
</context>
</TS>
