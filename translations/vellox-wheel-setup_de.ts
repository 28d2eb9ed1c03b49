<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>der private Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 ist kein privater Ordner dieses Benutzers (ein eigenes Verzeichnis des Benutzers mit Modus 0700); entfernen Sie es oder setzen Sie XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: Die laufende Instanz kann weder erreicht noch ersetzt werden.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>der Befehl wird ausgeführt, ohne die Einstellungen zu ändern.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>die laufende Instanz wurde beendet; die Einstellungen wurden nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>die Optionen zeigt --help.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>der Befehl wird ausgeführt; es wurden keine Einstellungen angewendet, und es werden keine wiederhergestellt.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>der Befehl wird mit den Einstellungen ausgeführt, die noch angekommen sind.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>die laufende Instanz kann weder erreicht noch ersetzt werden.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Keine Taste gedrückt</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Gedrückt: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1: keine normale Datei.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1: größer als %2 Bytes.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>Kein Controller gefunden.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Gerade belegt ein Befehl den Controller; öffnen Sie das Fenster, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>Kein brauchbares Profil „%1“ in %2.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1: Ein Profil ist vom Typ effects oder periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Unbekannter Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: Warnung: Auf dem Controller läuft Firmware %1, dieses Programm ist %2; Einstellungen bedeuten für ihn womöglich nicht dasselbe.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>Der Controller wurde während des Vorgangs getrennt; diese Schreibvorgänge sind womöglich nicht angekommen: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>„%1“ ist kein brauchbarer Profilname.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1: „%2“ fehlt; ein gespeichertes Profil braucht jedes Feld seines Typs.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>Das Profil kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>Der Controller wurde während des Vorgangs getrennt; manche Schreibvorgänge sind womöglich nicht angekommen.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>Die Einstellungen von vor einem unterbrochenen Spiel oder Start-Wrapper wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>Die Einstellungen von vor einem unterbrochenen Spiel oder Start-Wrapper konnten nicht alle wiederhergestellt werden; der nächste Start versucht es erneut.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>Die laufende Instanz hat die Joystick-Gerätedatei nicht genannt.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>Die Kernel-Totzone von %1 ist entfernt (fuzz und flat 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Die eigenen Kernel-Werte fuzz und flat von %1 sind wiederhergestellt.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n Hardware-Feld weicht ab und bleibt unverändert; --include-hardware stellt es ebenfalls wieder her.
</numerusform>
            <numerusform>%n Hardware-Felder weichen ab und bleiben unverändert; --include-hardware stellt sie ebenfalls wieder her.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>Der Snapshot %1 stammt von einem anderen Controller (%2); es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>Der Controller hat diese Einstellungen bereits; es wurde nichts gesendet.
</translation>
    </message>
    <message>
        <source>before --restore %1</source>
        <translation>vor --restore %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the controller&apos;s current settings, all four records.</source>
        <translation>Die aktuellen Einstellungen des Controllers ausgeben, alle vier Datensätze.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Ein gespeichertes Profil oder eine Text- oder Rohprofildatei anwenden (wiederholbar).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Ein Feld setzen (wiederholbar; nach den Profilen, in der angegebenen Reihenfolge).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Nach dem Anwenden: speichern und neu starten, wie die Schaltfläche „Speichern und neu starten“.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Ein gespeichertes Profil als Text ausgeben (auf die Standardausgabe oder in --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>Die Datei, die --export schreibt.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Ein Textprofil unter --name im Profilordner seines Typs speichern (mit Prüfung).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>Der Profilname für --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Wie lange auf den Controller gewartet wird (Standard: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>In $XDG_DATA_HOME/vellox-wheel-setup (Profile, INI-Datei) statt im aktuellen Ordner arbeiten.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>Als erstes Argument: das Fenster mit sichtbarer Strommessverstärkung.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Die Optionen anwenden, COMMAND mit seinen Argumenten ausführen und nach dessen Ende die vorher vorgefundenen Einstellungen wiederherstellen. In einer Steam-Startoption: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Kein Profilname nach „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>„%1“ bezeichnet kein gespeichertes Profil: Verwenden Sie effects:NAME oder periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>Ein leerer Profildateiname.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Kein Befehl nach „--“.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 darf nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait erwartet eine ganze Zahl von Sekunden von 0 bis 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format ist text oder json, nicht „%1“.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE gehört zu --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE und --name NAME gehören zusammen.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import und --name brauchen eine Datei und einen Namen.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set erwartet KEY=VALUE, nicht „%1“.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Die gefundenen Controller auflisten: Gerätedatei, Firmware-Version, &quot;ok&quot;, &quot;no permission&quot; oder &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>Die Regeln der Spielprofile: auflisten (Spiel, Effektprofil, Peripherieprofil, durch Tabulatoren getrennt), add GAME [effects:NAME] [periphery:NAME] (ersetzt die Regel des Spiels) oder remove GAME. Kein Controller nötig.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Nur mit dem Symbol im Infobereich starten, ohne das Fenster zu zeigen (ohne Infobereich erscheint das Fenster).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list nimmt nichts danach.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove braucht ein Spiel: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule ist list, add oder remove, nicht „%1“.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add braucht GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add nimmt ein Profil je Typ.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add braucht ein Profil: effects:NAME, periphery:NAME oder beide.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background startet das Fenster; es passt zu keinem Befehl.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Liest und bearbeitet die Einstellungen eines Vellox-Lenkrad-Controllers. Ohne Optionen öffnet das Programm das Fenster; mit Optionen läuft es als Befehl ohne Fenster.

Exit-Status: 0 erledigt; 1 eine Datei konnte nicht geschrieben oder die laufende Instanz nicht erreicht werden; 2 falscher Aufruf oder falsche Eingabe (nichts gesendet); 3 kein Controller innerhalb von --wait; 4 Controller gefunden, aber dieser Benutzer darf ihn nicht öffnen; 5 der Controller wurde während des Vorgangs getrennt; mit -- COMMAND der eigene Status des Befehls (128 + Signalnummer bei einem Signal).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>Das Ausgabeformat von --show, --history-show und --monitor (Standard: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Lenkeinschlag, Achsen und Tasten der Joystick-Gerätedatei des Controllers zeilenweise ausgeben (JSON-Zeilen mit --format json), bis zum Abbruch.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Die Kernel-Werte fuzz und flat jeder Achse der Joystick-Gerätedatei des Controllers auf 0 setzen.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Die eigenen Kernel-Werte fuzz und flat jeder Achse wiederherstellen.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Das Fenster und dessen Fenster „Lenkradtest“ öffnen (in der laufenden Instanz, falls es eine gibt).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Den Einstellungsverlauf auflisten, neueste zuerst: Snapshot-ID, Zeit, Firmware-Version, Anlass.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Einen Snapshot aus dem Verlauf ausgeben (--format text oder json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Feld für Feld ausgeben, was sich von A nach B unterscheidet. A und B sind jeweils eine Snapshot-ID, now (der Controller), effects:NAME, periphery:NAME oder eine Datei.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Die Einstellungen eines Snapshots wiederherstellen und dabei nur Abweichendes senden; die Felder des Reiters Controller nur mit --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Mit --restore: auch Verstärkungen, Encoder, Richtungen und Leistung wiederherstellen.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format gehört zu --show, --history-show oder --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware gehört zu --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Verwenden Sie eine der Optionen --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone oder die Optionen zum Anwenden (mit oder ohne -- COMMAND).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test öffnet das Fenster; es passt zu keinem Befehl und nicht zu --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 erwartet eine Snapshot-ID, wie --history sie auflistet, nicht „%2“.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff braucht zwei Operanden: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>Der Controller ist angeschlossen, aber seine Einstellungen konnten nicht rechtzeitig gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>Kein Controller innerhalb von %n Sekunde gefunden.</numerusform>
            <numerusform>Kein Controller innerhalb von %n Sekunden gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>beim Anschließen des Controllers</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Kein Controller angeschlossen.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>der Controller ist beschäftigt; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>ein anderes Programm nutzt das Force Feedback des Controllers.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>der Controller hat keinen freien Effekt-Slot (womöglich belegt ein Spiel sie).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>der Controller wurde getrennt.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>dieser Benutzer darf die Joystick-Gerätedatei des Controllers nicht verwenden.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>Der Krafttest kann %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>Der Controller hat die Testkraft nicht angenommen: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>Die Testkraft kann nicht abgespielt werden: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>Kein Krafttest, solange ein Spiel mit Regel läuft.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Bestätigen Sie vor der ersten Testkraft, dass Sie das Lenkrad festhalten.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Kein Controller angeschlossen.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Lenkwinkel (Grad)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Gesamtstärke der Effekte (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Stärke der internen Feder (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Stärke des Soft-Stopps (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Bereich des Soft-Stopps (Grad)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Dämpfung des Soft-Stopps (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Statische Dämpfung (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>DirectX-FFB</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Konstante Kraft umkehren</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Stärke der DirectX-Federkräfte (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Stärke der konstanten DirectX-Kräfte (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Stärke der periodischen DirectX-Kräfte (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Kräfte einschalten (Neustart nötig)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Joystick-Ausgabe umkehren</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Kraftausgabe umkehren</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Kräfte debuggen</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Strommessverstärkung (Neustart nötig)</translation>
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
        <translation>Encoder-CPR</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Polpaare</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>P-Verstärkung</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>I-Verstärkung</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Leistungsgrenze (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Kalibrierstärke (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Kalibriergeschwindigkeit (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Grenze des Bremswiderstands (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Puffergröße der Drehzahlmessung</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Glättung der Position (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Das Effektprofil „%1“ fehlt oder ist zu kurz; dafür wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Das Peripherieprofil „%1“ fehlt oder ist zu kurz; dafür wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peripherie</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>%1 gestartet: Profile angewendet: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>%1 beendet: Die Einstellungen von vor dem Start sind wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>%1 beendet: Standardprofile angewendet: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Spielprofile für %1 sind aktiv.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>%1 läuft; seine Profile werden angewendet, sobald die Einstellungen des Controllers geladen sind.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>Kein Controller angeschlossen; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>vor dem Spiel %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>beim Ende des Spiels %1</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>als der Controller zurückkam</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>%1 beendet: Die Profile von %2 sind wieder aktiv.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>%1 beendet: Die Einstellungen des mit --profile gestarteten Spiels sind wieder aktiv.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Spielprofile</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Regeln: Solange ein Spiel läuft, gelten seine Profile</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Regeln für Spiele</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Effektprofil</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Peripherieprofil</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>Än&amp;dern…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Regel ändern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel löschen</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Wenn kein Spiel läuft</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>E&amp;ffektprofil:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Effektprofil, wenn kein Spiel läuft</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>&amp;Peripherieprofil:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Peripherieprofil, wenn kein Spiel läuft</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>Profile beim Spielstart &amp;wechseln</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>Mit dem Desktop &amp;starten</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(vorherige Einstellungen)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Regel für ein Spiel</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>&amp;Effektprofil:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Effektprofil</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>&amp;Peripherieprofil:</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Peripherieprofil</translation>
    </message>
    <message>
        <source>Program name, for example Race.exe</source>
        <translation>Programmname, zum Beispiel Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(Einstellungen von vor dem Spiel)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Ein Spiel wird durch den Namen seines Programms angegeben: Dieser darf nicht leer sein und weder / noch \ noch Steuerzeichen enthalten; außerdem braucht das Spiel mindestens ein Profil.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>Es gibt kein Effektprofil namens „%1“.</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>Es gibt kein Peripherieprofil namens „%1“.</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>Es gibt keine Regel für „%1“.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
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
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Spielprofile…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Gespeichertes Profil anwenden</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peripherie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(keine gespeicherten Profile)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>Vellox Wheel Setup läuft im Infobereich weiter, um Spielprofile zu wechseln. Wählen Sie dort im Menü „Beenden“, um es zu beenden.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Lenkradtest…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Taste „Mitte zurücksetzen“ an Pin Z0 einschalten (Neustart nötig)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (Neustart nötig)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>GPIO-Modi</translation>
    </message>
    <message>
        <source>Pin 1</source>
        <translation>Pin 1</translation>
    </message>
    <message>
        <source>Pin 2</source>
        <translation>Pin 2</translation>
    </message>
    <message>
        <source>Pin 3</source>
        <translation>Pin 3</translation>
    </message>
    <message>
        <source>Pin 4</source>
        <translation>Pin 4</translation>
    </message>
    <message>
        <source>Pin 5</source>
        <translation>Pin 5</translation>
    </message>
    <message>
        <source>Pin 6</source>
        <translation>Pin 6</translation>
    </message>
    <message>
        <source>Pin 7</source>
        <translation>Pin 7</translation>
    </message>
    <message>
        <source>Pin 8</source>
        <translation>Pin 8</translation>
    </message>
    <message>
        <source>Encoder Z0</source>
        <translation>Encoder Z0</translation>
    </message>
    <message>
        <source>Encoder Z1</source>
        <translation>Encoder Z1</translation>
    </message>
    <message>
        <source>SPI extension</source>
        <translation>SPI-Erweiterung</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Modus der SPI-Erweiterung</translation>
    </message>
    <message>
        <source>SPI mode</source>
        <translation>SPI-Modus</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Modus 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modus 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modus 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modus 3</translation>
    </message>
    <message>
        <source>Latch mode</source>
        <translation>Latch-Modus</translation>
    </message>
    <message>
        <source>Latch UP</source>
        <translation>Latch HOCH</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Latch RUNTER</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Latch-Verzögerung (Mikrosekunden)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>SCK-Pulslänge (Mikrosekunden)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Tastenmodi</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>GPIO-Tasten</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Taste 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Taste 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Taste 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Taste 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Schieberegister 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Taste 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Taste 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Taste 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Taste 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Taste 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Taste 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Taste 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Taste 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Schieberegister 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Taste 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Taste 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Taste 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Taste 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Taste 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Taste 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Taste 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Taste 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Schieberegister 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Taste 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Taste 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Taste 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Taste 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Taste 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Taste 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Taste 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Taste 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Analoge Achsen</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Untere Totzone</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Obere Totzone</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Glättung (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Taste unten (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Taste oben (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Untere Totzone Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Obere Totzone Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Glättung Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Taste unten Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Taste oben Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Rx umkehren</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Untere Totzone Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Obere Totzone Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Glättung Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Taste unten Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Taste oben Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Ry umkehren</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Untere Totzone Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Obere Totzone Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Glättung Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Taste unten Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Taste oben Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Rz umkehren</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
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
        <translation>Schalter Effekte ein</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Taste Mitte zurücksetzen</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>Brems-PWM</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>Effekt-LED</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Umgekehrt</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>unreadable: %1</source>
        <translation>unlesbar: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>Auf dem Controller läuft jetzt Firmware %1; sein neuester Snapshot wurde mit %2 aufgenommen. Das Fenster „Verlauf“ zeigt, was sich unterscheidet.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>Unterschiede zum jetzigen Stand des Controllers</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Auch die Hardware-Felder des Reiters Controller wiederherstellen</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Diese Einstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  unlesbar: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (Firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Wählen Sie einen Snapshot, um zu sehen, was vom jetzigen Stand des Controllers abweicht.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Dieser Snapshot kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Kein Controller angeschlossen.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>Im Controller stehen bereits diese Einstellungen.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Dieser Snapshot stammt von einem anderen Controller.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Mit Firmware %1 aufgenommen; auf dem Controller läuft %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n Hardware-Feld weicht ab und bleibt unverändert.</numerusform>
            <numerusform>%n Hardware-Felder weichen ab und bleiben unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>vor dem Wiederherstellen der Einstellungen vom %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  die Einstellungen von vor einem unterbrochenen Spiel oder Start-Wrapper</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>vor dem Wiederherstellen der Einstellungen von vor einem unterbrochenen Spiel oder Start-Wrapper</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2); es werden die Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>Die Einstellungsdatei %1 ist keine normale Datei; sie bleibt unverändert, und es werden die Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>Die Einstellungsdatei %1 ist größer als %2 Bytes; sie bleibt unverändert, und es werden die Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>Die Einstellungsdatei %1 ist nicht im INI-Format; sie bleibt unverändert, und es werden die Standardwerte verwendet.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>Die laufende Instanz wurde beendet, bevor sie die Anfrage ausführen konnte.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Anfrage größer als %1 Bytes abgelehnt.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Fehlerhafte Anfrage abgelehnt.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>Die laufende Instanz nimmt keine Anfragen an.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 gehört einem anderen Benutzer; entfernen Sie es oder setzen Sie XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>Die laufende Instanz hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>Die laufende Instanz (Version %1) kann eine Anfrage mit Protokoll %2 aus einer anderen Version nicht lesen; beenden Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>die Sperrdatei %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>ein anderer Start des Programms hält %1 schon zu lange; versuchen Sie es erneut oder beenden Sie diesen anderen Start.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>Die Einstellungen werden wiederhergestellt, sobald der Controller wieder angeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Kein Controller angeschlossen.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>Die Geräteliste des Systems kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>Der Controller unter %1 ist kein USB-Gerät mit Gamecontroller-Schnittstelle.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>Der Controller hat (noch) keine Joystick-Gerätedatei.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 existiert, aber dieser Benutzer darf es nicht öffnen (%2). Melden Sie sich direkt an diesem Computer an oder installieren Sie die udev-Regel des Programms.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>Die Live-Ansicht ist auf diesem System nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>%1 wurde nicht gestartet: Während die Einstellungen angewendet wurden, kam ein Signal zum Beenden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peripherie</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Lenkradmitte zurücksetzen</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Speichern und neu starten</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>In den DFU-Modus wechseln</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Controller neu starten</translation>
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
        <translation>Controller unter %1 gefunden, aber dieser Benutzer darf ihn nicht öffnen. Siehe „Controller found but not permitted“ in der README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>Versionen passen nicht zusammen!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>Einstellungen mit einer Software zu ändern, die nicht zur Firmware-Version passt, kann zu unerwartetem Verhalten des Geräts führen!
<byte value="xd"/> **Verwenden Sie zueinander passende Versionen von Vellox Setup und Firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**Eine neue Version von Vellox Wheel Setup (%1) ist verfügbar!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Herunterladen und aktualisieren</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Version %1 überspringen</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Spielprofile…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Lenkradtest…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 ist keine normale Datei; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Ein Profilname ist ein Dateiname: Er darf nicht leer sein, nicht mit einem Punkt beginnen und weder / noch \ noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 ist kein Ordner dieses Benutzers</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>%1 kann nicht privat gemacht werden</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>Das Wiederherstellungsjournal ist zu groß.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>Das Wiederherstellungsjournal ist beschädigt.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>Das Wiederherstellungsjournal wurde von einer neueren Version des Programms geschrieben.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>Das Wiederherstellungsjournal kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(kein Wert)</translation>
    </message>
    <message>
        <source>  %1: %2 -&gt; %3
</source>
        <translation>  %1: %2 -&gt; %3
</translation>
    </message>
    <message>
        <source>Settings:
</source>
        <translation>Einstellungen:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Controller-Hardware:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>Das Wiederherstellungsjournal kann nicht geschrieben werden (%1); die vorherigen Einstellungen sind nicht vor einem Absturz geschützt.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>%1 wird für %2 nicht angeboten; möglich sind %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>%1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>hier nicht angeboten; bleibt unverändert</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>im Controller steht %1; das Fenster zeigt %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 hat keinen Wert.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 erwartet &quot;on&quot; oder &quot;off&quot;, nicht %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 erwartet eine Zahl, nicht %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>Der Einstellungstext ist größer als 64 KiB.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>Die Zeile ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>Die erste Zeile muss &quot;%1effects&quot;, &quot;%1periphery&quot; oder &quot;%1all&quot; lauten.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>Dies sind Einstellungen vom Typ %1; hier werden Einstellungen vom Typ %2 erwartet.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Erwartet wird &quot;key = value&quot;.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Unbekannter Schlüssel %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 gehört nicht in Einstellungen vom Typ %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 ist bereits in Zeile %2 gesetzt.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Einstellungen aller Datensätze gibt es nur als Text.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>Weder Einstellungstext noch ein Rohprofil vom Typ %1 mit mindestens %2 Bytes.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>Weder Einstellungstext noch ein Rohprofil (64 Bytes Effekt- oder 128 Bytes Peripherie-Einstellungen).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Einstellungsänderung</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>Es gibt keinen Snapshot %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>Der Kopf des Snapshots ist beschädigt.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>Die Datei ist zu groß für einen Snapshot.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>Die Datei ist kein Snapshot.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>Der Snapshot wurde von einer neueren Version des Programms erstellt.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>Die Einstellungen des Snapshots sind beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>Der Einstellungsverlauf kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Melden Sie sich direkt an diesem Computer an oder installieren Sie die udev-Regel des Programms.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 ist keine lesbare Eingabe-Gerätedatei: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>Die Joystick-Gerätedatei %1 des Controllers ist verschwunden: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>Der Kernel hat die Änderung von %1 an %2 abgelehnt: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
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
        <translation>Gas</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Ruder</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Lenkrad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaspedal</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>Hat%1 %2</source>
        <translation>Hat%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Achse %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Lenkradtest</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Lenkrad</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Lenkeinschlag</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Hat-Switch</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Kernel-Totzone</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Kernel-Totzone entfernen</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Kernel-Werte wiederherstellen</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>Bei jedem Anstecken des Controllers entfernen</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Krafttests</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Stärke</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Nach links drücken</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Nach rechts drücken</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Zentrierfeder</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Kurzer Kraftstoß</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Kein Controller angeschlossen.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>Ein Spiel mit Regel läuft: Krafttests sind bis zu seinem Ende gesperrt.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>Die Gerätedatei meldet keine Lenkachse.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>Die Lenkachse meldet keinen Wertebereich.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (Lenkwinkel noch unbekannt)</translation>
    </message>
    <message>
        <source>%1° of ±%2°</source>
        <translation>%1° von ±%2°</translation>
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
        <translation>Hat-Switch: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Hat-Switch: keiner</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>Die Kernel-Totzone ist entfernt, bis der Controller erneut angesteckt wird.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>Die Kernel-Werte sind wiederhergestellt.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>Das Lenkrad dreht sich gleich von selbst. Halten Sie es mit beiden Händen fest und drücken Sie dann OK.</translation>
    </message>
</context>
</TS>
