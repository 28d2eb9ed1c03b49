<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>impossibile creare la cartella privata %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 non è una cartella privata di questo utente (una directory dell&apos;utente stesso con permessi 0700); rimuoverla o impostare XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: impossibile raggiungere o sostituire l&apos;istanza in esecuzione.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>esecuzione del comando senza modificare le impostazioni.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>l&apos;istanza in esecuzione è terminata; le impostazioni non sono state ripristinate.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>vedere --help per le opzioni.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>esecuzione del comando; nessuna impostazione è stata applicata né verrà ripristinata.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>esecuzione del comando con le impostazioni arrivate.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>impossibile raggiungere o sostituire l&apos;istanza in esecuzione.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Nessun pulsante premuto</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Pulsanti premuti: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: file inesistente.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1: non è un file normale.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1: più grande di %2 byte.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>Nessun controller trovato.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Un comando sta usando il controller; aprire la finestra quando sarà terminato.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>Nessun profilo &quot;%1&quot; utilizzabile in %2.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1: un profilo è di tipo effects o periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Chiave &quot;%1&quot; sconosciuta.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: attenzione: il controller usa il firmware %1, questo programma è la versione %2; le impostazioni potrebbero avere per il controller un significato diverso.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>Il controller si è scollegato durante l&apos;operazione; queste scritture potrebbero non essere arrivate: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>&quot;%1&quot; non è un nome di profilo utilizzabile.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1: manca &quot;%2&quot;; un profilo salvato richiede tutti i campi del suo tipo.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>Impossibile salvare il profilo in %1.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>Il controller si è scollegato durante l&apos;operazione; alcune scritture potrebbero non essere arrivate.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>prima di %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>Sono state ripristinate le impostazioni di prima di un gioco o di un wrapper di avvio interrotto.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>Non è stato possibile ripristinare tutte le impostazioni di prima di un gioco o di un wrapper di avvio interrotto; si riproverà al prossimo avvio.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>L&apos;istanza in esecuzione non ha indicato il nodo joystick.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>La zona morta del kernel di %1 è stata rimossa (fuzz e flat a 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Sono stati ripristinati i valori fuzz e flat propri del kernel di %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n campo hardware differisce e resta invariato; --include-hardware ripristina anche quello.
</numerusform>
            <numerusform>%n campi hardware differiscono e restano invariati; --include-hardware ripristina anche quelli.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>L&apos;istantanea %1 è di un altro controller (%2); non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>Il controller contiene già queste impostazioni; non è stato inviato nulla.
</translation>
    </message>
    <message>
        <source>before --restore %1</source>
        <translation>prima di --restore %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the controller&apos;s current settings, all four records.</source>
        <translation>Stampa le impostazioni attuali del controller, tutti e quattro i record.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Applica un profilo salvato, o un file di profilo testuale o grezzo (ripetibile).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Imposta un campo (ripetibile; dopo i profili, nell&apos;ordine indicato).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Dopo l&apos;applicazione: salva e riavvia, come fa il pulsante.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Scrive un profilo salvato come testo (sullo standard output, o in --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>Il file che --export scrive.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Salva un profilo testuale con il nome --name nella cartella dei profili del suo tipo (dopo averlo verificato).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>Il nome del profilo per --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Per quanto tempo attendere il controller (predefinito: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>Lavora in $XDG_DATA_HOME/vellox-wheel-setup (profili, file INI) invece che nella cartella corrente.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Stampa la versione ed esce.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Stampa questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>Come primo argomento: la finestra con il guadagno misura corrente visibile.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Applica le opzioni, esegue COMMAND con i suoi argomenti e, quando termina, ripristina le impostazioni trovate prima. In un&apos;opzione di avvio di Steam: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Nessun nome di profilo dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>&quot;%1&quot; non indica un profilo salvato: usare effects:NAME o periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>Nome del file di profilo vuoto.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Nessun comando dopo &quot;--&quot;.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argomento &quot;%1&quot; inatteso.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 può essere indicato una sola volta.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait richiede un numero intero di secondi da 0 a 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format accetta text o json, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE va usato con --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE e --name NAME vanno usati insieme.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import e --name richiedono un file e un nome.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set richiede KEY=VALUE, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Elenca i controller trovati: nodo, versione del firmware, &quot;ok&quot;, &quot;no permission&quot; o &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>Le regole dei profili di gioco: elencarle (gioco, profilo effetti, profilo periferiche, separati da tabulazioni), add GAME [effects:NAME] [periphery:NAME] (sostituisce la regola del gioco) o remove GAME. Nessun controller necessario.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Avvia solo con l&apos;icona nell&apos;area di notifica, senza mostrare la finestra (dove non c&apos;è l&apos;area di notifica, la finestra viene mostrata).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list non accetta nulla dopo.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove richiede un gioco: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule è list, add o remove, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add richiede GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add accetta un profilo per tipo.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add richiede un profilo: effects:NAME, periphery:NAME o entrambi.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background avvia la finestra; non va con alcun comando.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Legge e modifica le impostazioni di un controller per volante Vellox. Senza opzioni apre la finestra; con opzioni viene eseguito come comando senza finestra.

Stato di uscita: 0 completato; 1 impossibile scrivere un file o raggiungere l&apos;istanza in esecuzione; 2 uso o input errato (non è stato inviato nulla); 3 nessun controller entro --wait; 4 controller trovato ma questo utente non può aprirlo; 5 il controller si è scollegato durante l&apos;operazione; con -- COMMAND, lo stato del comando stesso (128 + numero del segnale se terminato da un segnale).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>Il formato in cui stampano --show, --history-show e --monitor (predefinito: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Stampa l&apos;angolo del volante, gli assi e i pulsanti del nodo joystick del controller come righe (righe JSON con --format json) fino all&apos;interruzione.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Imposta a 0 i valori fuzz e flat del kernel di ogni asse del nodo joystick del controller.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Ripristina i valori fuzz e flat propri del kernel di ogni asse.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Apre la finestra e la sua finestra Test del volante (nell&apos;istanza in esecuzione, se presente).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Elenca la cronologia delle impostazioni, dalla più recente: id dell&apos;istantanea, ora, versione del firmware, motivo.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Stampa un&apos;istantanea della cronologia (--format text o json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Stampa ciò che differisce da A a B, campo per campo. Ciascuno è un id di istantanea, now (il controller), effects:NAME, periphery:NAME o un file.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Ripristina le impostazioni di un&apos;istantanea, inviando solo ciò che differisce; i campi della scheda Controller solo con --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Con --restore: ripristina anche i guadagni, l&apos;encoder, le direzioni e la potenza.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format va usato con --show, --history-show o --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware va usato con --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Usare una tra --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, o le opzioni di applicazione (con o senza -- COMMAND).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test apre la finestra; non va con alcun comando né con --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 richiede un id di istantanea come lo elenca --history, non &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff richiede due operandi: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>Il controller è collegato, ma non è stato possibile leggerne le impostazioni in tempo.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>Nessun controller trovato entro %n secondo.</numerusform>
            <numerusform>Nessun controller trovato entro %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>al collegamento del controller</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Nessun controller collegato.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>il controller è occupato; riprovare tra un momento.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>un altro programma sta usando il force feedback del controller.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>il controller non ha slot di effetto liberi (potrebbe occuparli un gioco).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>il controller non è più collegato.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>questo utente non può usare il nodo joystick del controller.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>Il test di forza non può aprire %1: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>Il controller non ha accettato la forza di test: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>Impossibile riprodurre la forza di test: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>Nessun test di forza mentre è in esecuzione un gioco con una regola.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Confermare di tenere il volante prima della prima forza di test.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nessun controller collegato.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Elimina profilo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Angolo di rotazione (gradi)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Intensità totale degli effetti (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Intensità della molla integrata (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Intensità del fine corsa morbido (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Ampiezza del fine corsa morbido (gradi)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Smorzamento del fine corsa morbido (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Smorzamento statico (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>FFB DirectX</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Inverti forza costante</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Intensità delle forze molla DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Intensità delle forze costanti DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Intensità delle forze periodiche DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Attiva forze (richiede riavvio)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Inverti uscita joystick</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Inverti uscita forza</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Forze di debug</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Guadagno misura corrente (richiede riavvio)</translation>
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
        <translation>CPR encoder</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Coppie polari</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>Guadagno P</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>Guadagno I</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Limite di potenza (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Intensità di calibrazione (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Velocità di calibrazione (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Limite resistenza di frenatura (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Dimensione buffer campioni velocità</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Smussamento posizione (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Il profilo Effetti «%1» manca o è troppo corto; per questo profilo non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Il profilo Periferiche «%1» manca o è troppo corto; per questo profilo non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periferiche</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>%1 avviato: profili applicati: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>%1 terminato: ripristinate le impostazioni di prima dell&apos;avvio.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>%1 terminato: profili predefiniti applicati: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Profili di gioco per %1 attivi.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>%1 è in esecuzione; i suoi profili si attivano appena le impostazioni del controller sono caricate.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>Nessun controller collegato; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>prima del gioco %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>al termine del gioco %1</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>al ritorno del controller</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>%1 terminato: i profili di %2 sono di nuovo attivi.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>%1 terminato: le impostazioni del gioco avviato con --profile sono di nuovo attive.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Profili di gioco</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Regole: durante un gioco, sono attivi i suoi profili</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Regole dei giochi</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profilo effetti</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profilo periferiche</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Aggiungi…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Modifica regola</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>R&amp;imuovi</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Rimuovi regola</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Quando nessun gioco è attivo</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>Profilo &amp;effetti:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Profilo effetti quando nessun gioco è attivo</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Profilo &amp;periferiche:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Profilo periferiche quando nessun gioco è attivo</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>Cam&amp;bia i profili all&apos;avvio di un gioco</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>Avvia con il desk&amp;top</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(le impostazioni precedenti)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>Impossibile modificare la voce di avvio automatico %1.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Regola di gioco</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Gioco:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>Profilo &amp;effetti:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profilo effetti</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Profilo &amp;periferiche:</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profilo periferiche</translation>
    </message>
    <message>
        <source>Program name, for example Race.exe</source>
        <translation>Nome del programma, ad es. Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(le impostazioni di prima del gioco)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Un gioco è il nome del suo programma: non può essere vuoto o contenere / o \ o caratteri di controllo, e richiede almeno un profilo.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>Non esiste un profilo Effetti di nome «%1».</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>Non esiste un profilo Periferiche di nome «%1».</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>Non esiste una regola per «%1».</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Impossibile scrivere il file delle impostazioni.</translation>
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
        <translation>Mostra la finestra</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profili di gioco…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Applica un profilo salvato</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periferiche</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(nessun profilo salvato)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>Vellox Wheel Setup resta attivo nell&apos;area di notifica per cambiare i profili di gioco. Scegliere Esci nel suo menu per chiuderlo.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Cronologia…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test del volante…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Elimina profilo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Attiva pulsante di ricentraggio sul pin Z0 (richiede riavvio)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (richiede riavvio)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>Modalità GPIO</translation>
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
        <translation>Estensione SPI</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Modalità estensione SPI</translation>
    </message>
    <message>
        <source>SPI mode</source>
        <translation>Modalità SPI</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Modalità 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modalità 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modalità 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modalità 3</translation>
    </message>
    <message>
        <source>Latch mode</source>
        <translation>Modalità latch</translation>
    </message>
    <message>
        <source>Latch UP</source>
        <translation>Latch ALTO</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Latch BASSO</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Ritardo latch (microsecondi)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>Durata impulso SCK (microsecondi)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Modalità pulsanti</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>Pulsanti GPIO</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Pulsante 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Pulsante 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Pulsante 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Pulsante 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Pulsante 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Pulsante 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Pulsante 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Pulsante 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Registro a scorrimento 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Pulsante 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Pulsante 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Pulsante 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Pulsante 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Pulsante 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Pulsante 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Pulsante 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Pulsante 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Registro a scorrimento 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Pulsante 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Pulsante 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Pulsante 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Pulsante 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Pulsante 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Pulsante 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Pulsante 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Pulsante 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Registro a scorrimento 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Pulsante 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Pulsante 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Pulsante 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Pulsante 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Pulsante 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Pulsante 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Pulsante 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Pulsante 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Assi analogici</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Zona morta inferiore</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Zona morta superiore</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Smussamento (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Pulsante basso (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Pulsante alto (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Zona morta inferiore Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Zona morta superiore Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Smussamento Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Pulsante basso Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Pulsante alto Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Inverti Rx</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Zona morta inferiore Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Zona morta superiore Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Smussamento Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Pulsante basso Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Pulsante alto Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Inverti Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Zona morta inferiore Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Zona morta superiore Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Smussamento Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Pulsante basso Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Pulsante alto Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Inverti Rz</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Pulsante</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
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
        <translation>Interruttore effetti</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Pulsante di ricentraggio</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>PWM di frenatura</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>LED effetti</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Riavvio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Invertito</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>unreadable: %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>Il controller ha ora il firmware %1; la sua istantanea più recente è stata acquisita con il %2. La finestra Cronologia mostra le differenze.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Istantanee</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>Differenze rispetto allo stato attuale del controller</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Ripristina anche i campi hardware della scheda Controller</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Ripristina queste impostazioni</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  illeggibile: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Scegliere un&apos;istantanea per vedere cosa differisce dallo stato attuale del controller.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Impossibile leggere questa istantanea: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nessun controller collegato.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>Il controller contiene queste impostazioni.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Questa istantanea è di un altro controller.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Acquisita con il firmware %1; il controller ha il %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n campo hardware differisce e resta invariato.</numerusform>
            <numerusform>%n campi hardware differiscono e restano invariati.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>prima di ripristinare le impostazioni del %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  le impostazioni di prima di un gioco o di un wrapper di avvio interrotto</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>prima di ripristinare le impostazioni di prima di un gioco o di un wrapper di avvio interrotto</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>Impossibile leggere il file delle impostazioni %1 (%2); vengono usati i valori predefiniti.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>Il file delle impostazioni %1 non è un file normale; viene lasciato invariato e vengono usati i valori predefiniti.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>Il file delle impostazioni %1 è più grande di %2 byte; viene lasciato invariato e vengono usati i valori predefiniti.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>Il file delle impostazioni %1 non è in formato INI; viene lasciato invariato e vengono usati i valori predefiniti.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>L&apos;istanza in esecuzione è terminata prima di poter eseguire la richiesta.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Richiesta più grande di %1 byte rifiutata.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Richiesta malformata rifiutata.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>L&apos;istanza in esecuzione non accetta richieste.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 appartiene a un altro utente; rimuoverlo o impostare XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>L&apos;istanza in esecuzione non ha risposto.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>L&apos;istanza in esecuzione (versione %1) non può leggere una richiesta del protocollo %2 di un&apos;altra versione; chiuderla e riprovare.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>impossibile usare il file di lock %1.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>un altro avvio del programma trattiene %1 da troppo tempo; riprovare o terminare quell&apos;avvio.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>Le impostazioni verranno ripristinate quando il controller sarà di nuovo collegato.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Nessun controller collegato.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>Impossibile leggere l&apos;elenco dei dispositivi del sistema.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>Il controller in %1 non è un dispositivo USB con un&apos;interfaccia da controller di gioco.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>Il controller non ha (ancora) un nodo joystick.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 esiste ma questo utente non può aprirlo (%2). Accedere dalla postazione locale del computer o installare la regola udev del programma.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>La vista in tempo reale non è disponibile su questo sistema.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossibile eseguire %1: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>%1 non è stato avviato: è arrivato un segnale di arresto mentre venivano applicate le impostazioni.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periferiche</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Ricentra il volante</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Salva e riavvia</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>Passa alla modalità DFU</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Riavvia il controller</translation>
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
        <translation>Controller trovato in %1, ma questo utente non può aprirlo. Vedere «Controller found but not permitted» nel README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>Versioni non corrispondenti!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>Modificare le impostazioni con un software che non corrisponde alla versione del firmware può causare un comportamento imprevisto del dispositivo!
<byte value="xd"/> **Usare versioni corrispondenti di Vellox Setup e del firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Ultima versione</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**È disponibile una nuova versione di Vellox Wheel Setup (%1)!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Scarica e aggiorna</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Salta la versione %1</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profili di gioco…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Cronologia…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test del volante…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 non è un file normale; non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Il nome di un profilo è un nome di file: non può essere vuoto, iniziare con un punto o contenere / o \ o caratteri di controllo.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome del profilo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>impossibile creare %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 non è una cartella di questo utente</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>impossibile rendere privata %1</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>Il registro di ripristino è troppo grande.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>Il registro di ripristino è danneggiato.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>Il registro di ripristino è stato scritto da una versione più recente del programma.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>Impossibile leggere il registro di ripristino: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
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
        <translation>Impostazioni:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Hardware del controller:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>Impossibile scrivere il registro di ripristino (%1); le impostazioni di prima non sono al sicuro da un arresto anomalo.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>%1 non è disponibile per %2; accetta %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>%1 è fuori intervallo per %2 (da %3 a %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>non disponibile qui; lasciato invariato</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>il controller contiene %1; la finestra mostra %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 non ha un valore.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 accetta &quot;on&quot; o &quot;off&quot;, non %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 accetta un numero, non %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>Il testo delle impostazioni supera 64 KiB.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La riga non è testo UTF-8 valido.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>La prima riga deve essere &quot;%1effects&quot;, &quot;%1periphery&quot; o &quot;%1all&quot;.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>Queste sono impostazioni %1; qui sono attese impostazioni %2.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Atteso &quot;chiave = valore&quot;.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Chiave %1 sconosciuta.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 non fa parte delle impostazioni %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 è già impostato alla riga %2.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Le impostazioni di tutti i record esistono solo come testo.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>Né testo di impostazioni né un profilo %1 grezzo di almeno %2 byte.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>Né testo di impostazioni né un profilo grezzo (64 byte di impostazioni effetti o 128 byte di impostazioni periferiche).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Modifica delle impostazioni</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>L&apos;istantanea %1 non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>L&apos;intestazione dell&apos;istantanea è danneggiata.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>Il file è troppo grande per essere un’istantanea.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>Il file non è un’istantanea.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>L’istantanea è stata creata da una versione più recente del programma.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>Le impostazioni dell’istantanea sono danneggiate: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>Impossibile scrivere la cronologia delle impostazioni: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Accedere dalla postazione locale del computer o installare la regola udev del programma.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 non è un nodo di input leggibile: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>Il nodo joystick %1 del controller è scomparso: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>Il kernel ha rifiutato di modificare %1 su %2: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>down</source>
        <translation>basso</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
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
        <translation>Acceleratore</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Timone</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Volante</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freno</translation>
    </message>
    <message>
        <source>Hat%1 %2</source>
        <translation>Hat%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Asse %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Test del volante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Volante</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Angolo del volante</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Assi</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Hat</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Zona morta del kernel</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Rimuovi la zona morta del kernel</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Ripristina i valori del kernel</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>Rimuovila ogni volta che il controller viene collegato</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Test di forza</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Intensità</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Spinta a sinistra</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Spinta a destra</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Molla di centraggio</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Impulso breve</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nessun controller collegato.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>È in esecuzione un gioco con una regola: i test di forza sono disattivati finché non termina.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>Il nodo non segnala alcun asse di sterzo.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>L&apos;asse di sterzo non segnala alcun intervallo.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (angolo di rotazione non ancora noto)</translation>
    </message>
    <message>
        <source>%1° of ±%2°</source>
        <translation>%1° di ±%2°</translation>
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
        <translation>Hat: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Hat: nessuno</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>La zona morta del kernel resta rimossa finché il controller non viene ricollegato.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>I valori del kernel sono stati ripristinati.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>Il volante girerà da solo. Tenerlo saldamente con entrambe le mani, poi premere OK.</translation>
    </message>
</context>
</TS>
