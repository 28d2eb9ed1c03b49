<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>no se puede crear la carpeta privada %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 no es una carpeta privada de este usuario (un directorio propio del usuario con permisos 0700); elimínelo o defina XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: no se puede contactar ni reemplazar la instancia en ejecución.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>se ejecuta el comando sin cambiar los ajustes.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>la instancia en ejecución ha terminado; los ajustes no se restauraron.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>consulte --help para ver las opciones.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>se ejecuta el comando; no se aplicó ningún ajuste ni se restaurará ninguno.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>se ejecuta el comando con los ajustes que llegaron.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>no se puede contactar ni reemplazar la instancia en ejecución.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Ningún botón pulsado</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Botones pulsados: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe el archivo.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1: ocupa más de %2 bytes.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>No se encontró ningún controlador.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Un comando está usando el controlador; abra la ventana cuando haya terminado.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>No hay ningún perfil &quot;%1&quot; utilizable en %2.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1: un perfil es de tipo effects o periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Clave desconocida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: aviso: el controlador usa el firmware %1 y esta herramienta es la %2; puede que los ajustes no signifiquen lo mismo para él.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>El controlador se desconectó durante la operación; puede que estas escrituras no hayan llegado: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>&quot;%1&quot; no es un nombre de perfil utilizable.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1: falta &quot;%2&quot;; un perfil guardado necesita todos los campos de su tipo.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>No se puede guardar el perfil en %1.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>El controlador se desconectó durante la operación; puede que algunas escrituras no hayan llegado.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>antes de %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>Se restauraron los ajustes de antes de un juego o un lanzador interrumpido.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>No se pudieron restaurar todos los ajustes de antes de un juego o un lanzador interrumpido; se volverá a intentar en el próximo inicio.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>La instancia en ejecución no indicó el nodo de joystick.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>Se ha eliminado la zona muerta del kernel de %1 (fuzz y flat a 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Se han restaurado los valores fuzz y flat propios del kernel de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n campo de hardware difiere y se deja como está; --include-hardware también lo restaura.
</numerusform>
            <numerusform>%n campos de hardware difieren y se dejan como están; --include-hardware también los restaura.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>La instantánea %1 es de otro controlador (%2); no se envió nada.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>El controlador ya tiene estos ajustes; no se envió nada.
</translation>
    </message>
    <message>
        <source>before --restore %1</source>
        <translation>antes de --restore %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the controller&apos;s current settings, all four records.</source>
        <translation>Muestra los ajustes actuales del controlador, los cuatro registros.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Aplica un perfil guardado, o un archivo de perfil de texto o en bruto (repetible).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Establece un campo (repetible; tras los perfiles, en el orden indicado).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Tras aplicar: guarda y reinicia, como el botón.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Escribe un perfil guardado como texto (en la salida estándar, o en --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>El archivo que escribe --export.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Guarda un perfil de texto con el nombre --name en la carpeta de perfiles de su tipo (tras validarlo).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>El nombre del perfil para --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Cuánto esperar al controlador (predeterminado: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>Trabaja en $XDG_DATA_HOME/vellox-wheel-setup (perfiles, archivo INI) en lugar de en la carpeta actual.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>Como primer argumento: la ventana con la ganancia de medición de corriente visible.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Aplica las opciones, ejecuta COMMAND con sus argumentos y, cuando termina, restaura los ajustes que había antes. En una opción de lanzamiento de Steam: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Falta el nombre del perfil después de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>&quot;%1&quot; no designa ningún perfil guardado: use effects:NAME o periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>El nombre del archivo de perfil está vacío.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Falta el comando después de &quot;--&quot;.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 solo puede indicarse una vez.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait requiere un número entero de segundos de 0 a 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format es text o json, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE solo se usa con --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE y --name NAME van juntos.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import y --name necesitan un archivo y un nombre.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set requiere KEY=VALUE, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Listar los controladores encontrados: nodo, versión del firmware, &quot;ok&quot;, &quot;no permission&quot; o &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>Las reglas de los perfiles de juego: listarlas (juego, perfil de Efectos, perfil de Periféricos, separados por tabuladores), add GAME [effects:NAME] [periphery:NAME] (sustituye la regla del juego) o remove GAME. No hace falta controlador.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Iniciar solo con el icono de la bandeja, sin mostrar la ventana (donde no hay bandeja, se muestra la ventana).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list no admite nada detrás.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove necesita un juego: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule es list, add o remove, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add necesita GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add admite un perfil de cada tipo.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add necesita un perfil: effects:NAME, periphery:NAME o ambos.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background inicia la ventana; no va con ningún comando.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Lee y edita los ajustes de un controlador de volante Vellox. Sin opciones abre la ventana; con opciones se ejecuta como comando sin ventana.

Estado de salida: 0 hecho; 1 no se pudo escribir un archivo o no se pudo contactar con la instancia en ejecución; 2 uso o entrada incorrectos (no se envió nada); 3 ningún controlador en el plazo de --wait; 4 controlador encontrado, pero este usuario no tiene permiso para abrirlo; 5 el controlador se desconectó durante la operación; con -- COMMAND, el estado del propio comando (128 + número de señal si terminó por una señal).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>El formato en que muestran --show, --history-show y --monitor (predeterminado: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Muestra el ángulo del volante, los ejes y los botones del nodo de joystick del controlador en líneas (líneas JSON con --format json) hasta que se interrumpa.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Pone a 0 los valores fuzz y flat del kernel de cada eje del nodo de joystick del controlador.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Restaura los valores fuzz y flat propios del kernel de cada eje.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Abre la ventana y su ventana Prueba del volante (en la instancia en ejecución, si la hay).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Lista el historial de ajustes, del más reciente al más antiguo: id de instantánea, hora, versión del firmware, motivo.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Muestra una instantánea del historial (--format text o json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Muestra lo que difiere de A a B, campo por campo. Cada uno es un id de instantánea, now (el controlador), effects:NAME, periphery:NAME o un archivo.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Restaura los ajustes de una instantánea, enviando solo lo que difiere; los campos de la pestaña Controlador, solo con --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Con --restore: restaura también las ganancias, el encoder, las direcciones y la potencia.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format solo se usa con --show, --history-show o --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware solo se usa con --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Use una de --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, o las opciones de aplicación (con o sin -- COMMAND).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test abre la ventana; no va con ningún comando ni con --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 requiere un id de instantánea tal como lo lista --history, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff requiere dos operandos: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>El controlador está conectado, pero sus ajustes no se pudieron leer a tiempo.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>No se encontró ningún controlador en %n segundo.</numerusform>
            <numerusform>No se encontró ningún controlador en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>al conectarse el controlador</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>el controlador está ocupado; vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>otro programa está usando el force feedback del controlador.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>el controlador no tiene ninguna ranura de efecto libre (puede que un juego las esté ocupando).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>el controlador ya no está conectado.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>este usuario no tiene permiso para usar el nodo de joystick del controlador.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>La prueba de fuerza no puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>El controlador no aceptó la fuerza de prueba: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>No se puede reproducir la fuerza de prueba: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>No se permiten pruebas de fuerza mientras se ejecuta un juego con regla.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Confirme que sujeta el volante antes de la primera fuerza de prueba.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Rango de giro (grados)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Intensidad total de efectos (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Intensidad del muelle integrado (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Intensidad del tope suave (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Rango del tope suave (grados)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Amortiguación del tope suave (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Amortiguación estática (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>FFB de DirectX</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Invertir fuerza constante</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Intensidad de fuerzas de muelle DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Intensidad de fuerzas constantes DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Intensidad de fuerzas periódicas DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Activar fuerzas (requiere reinicio)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Invertir salida de joystick</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Invertir salida de fuerza</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Fuerzas de depuración</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Ganancia de medición de corriente (requiere reinicio)</translation>
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
        <translation>CPR del encoder</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Pares de polos</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>Ganancia P</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>Ganancia I</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Límite de potencia (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Intensidad de calibración (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Velocidad de calibración (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Límite de la resistencia de frenado (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Tamaño del búfer de velocidad</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Suavizado de posición (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>El perfil de Efectos «%1» no existe o es demasiado corto; no se envió nada de él.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>El perfil de Periféricos «%1» no existe o es demasiado corto; no se envió nada de él.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>%1 se ha iniciado: perfiles aplicados: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>%1 ha terminado: se han restaurado los ajustes de antes de su inicio.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>%1 ha terminado: perfiles predeterminados aplicados: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Los perfiles de juego de %1 están activos.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>%1 se está ejecutando; sus perfiles se aplicarán cuando se carguen los ajustes del controlador.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>No hay ningún controlador conectado; no se envió nada.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>antes del juego %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>al terminar el juego %1</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>al volver el controlador</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>%1 ha terminado: los perfiles de %2 vuelven a estar activos.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>%1 ha terminado: los ajustes del juego iniciado con --profile vuelven a estar activos.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Perfiles de juego</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Reglas: con un juego en marcha, se usan sus perfiles</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Reglas de juegos</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Perfil de efectos</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Perfil de periféricos</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Editar regla</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Eliminar regla</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Sin ningún juego en marcha</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>Perfil de e&amp;fectos:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Perfil de efectos sin ningún juego en marcha</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Perfil de &amp;periféricos:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Perfil de periféricos sin ningún juego en marcha</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>Cambiar de perfil al &amp;iniciar un juego</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>Iniciar con el escri&amp;torio</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(los ajustes de antes)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>No se pudo cambiar la entrada de inicio automático %1.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Regla de juego</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>Perfil de &amp;efectos:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Perfil de efectos</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Perfil de &amp;periféricos:</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Perfil de periféricos</translation>
    </message>
    <message>
        <source>Program name, for example Race.exe</source>
        <translation>Nombre del programa, por ejemplo Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(los ajustes de antes del juego)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Un juego es el nombre de su programa: no puede estar vacío ni contener / o \ o caracteres de control, y necesita al menos un perfil.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>No hay ningún perfil de Efectos llamado «%1».</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>No hay ningún perfil de Periféricos llamado «%1».</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>No hay ninguna regla para «%1».</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>No se pudo escribir el archivo de ajustes.</translation>
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
        <translation>Mostrar la ventana</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Perfiles de juego…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Aplicar un perfil guardado</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(no hay perfiles guardados)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>Vellox Wheel Setup sigue ejecutándose en la bandeja del sistema para cambiar los perfiles de juego. Elija Salir en su menú para cerrarlo.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Prueba del volante…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Activar botón de recentrado en el pin Z0 (requiere reinicio)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (requiere reinicio)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>Modos GPIO</translation>
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
        <translation>Extensión SPI</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Modo de la extensión SPI</translation>
    </message>
    <message>
        <source>SPI mode</source>
        <translation>Modo SPI</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Modo 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>Latch mode</source>
        <translation>Modo de latch</translation>
    </message>
    <message>
        <source>Latch UP</source>
        <translation>Latch ARRIBA</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Latch ABAJO</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Retardo de latch (microsegundos)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>Duración del pulso SCK (microsegundos)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Modos de botones</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>Botones GPIO</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Botón 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botón 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botón 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Botón 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Botón 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Botón 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Registro de desplazamiento 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Botón 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Botón 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Botón 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Botón 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Botón 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Botón 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Botón 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Botón 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Registro de desplazamiento 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Botón 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Botón 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Botón 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Botón 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Botón 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Botón 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Botón 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Botón 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Registro de desplazamiento 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Botón 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Botón 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Botón 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Botón 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Botón 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Botón 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Botón 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Botón 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Ejes analógicos</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Zona muerta inferior</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Zona muerta superior</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Suavizado (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Botón bajo (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Botón alto (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Zona muerta inferior Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Zona muerta superior Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Suavizado Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Botón bajo Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Botón alto Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Invertir Rx</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Zona muerta inferior Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Zona muerta superior Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Suavizado Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Botón bajo Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Botón alto Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Invertir Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Zona muerta inferior Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Zona muerta superior Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Suavizado Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Botón bajo Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Botón alto Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Invertir Rz</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógico</translation>
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
        <translation>Interruptor de efectos</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Botón de recentrado</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>PWM de frenado</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>LED de efectos</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reinicio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Invertido</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegible: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>El controlador tiene ahora el firmware %1; su instantánea más reciente se tomó con el %2. La ventana Historial muestra lo que difiere.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantáneas</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>Diferencias con el estado actual del controlador</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Restaurar también los campos de hardware de la pestaña Controlador</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Restaurar estos ajustes</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  ilegible: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Elija una instantánea para ver en qué difiere del estado actual del controlador.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>No se puede leer esta instantánea: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>El controlador tiene estos ajustes.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Esta instantánea es de otro controlador.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Tomada con el firmware %1; el controlador tiene el %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n campo de hardware difiere y se deja como está.</numerusform>
            <numerusform>%n campos de hardware difieren y se dejan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>antes de restaurar los ajustes del %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  los ajustes de antes de un juego o un lanzador interrumpido</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>antes de restaurar los ajustes de antes de un juego o un lanzador interrumpido</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>No se puede leer el archivo de ajustes %1 (%2); se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>El archivo de ajustes %1 no es un archivo normal; se deja como está y se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>El archivo de ajustes %1 ocupa más de %2 bytes; se deja como está y se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>El archivo de ajustes %1 no está en formato INI; se deja como está y se usan los valores predeterminados.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>La instancia en ejecución terminó antes de poder llevar a cabo la solicitud.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Se rechazó una solicitud de más de %1 bytes.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Se rechazó una solicitud mal formada.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>La instancia en ejecución no acepta solicitudes.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 pertenece a otro usuario; elimínelo o defina XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>La instancia en ejecución no respondió.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>La instancia en ejecución (versión %1) no puede leer una solicitud del protocolo %2 de otra versión; ciérrela y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>no se puede usar el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>otro inicio del programa ha retenido %1 demasiado tiempo; vuelva a intentarlo o termine ese inicio.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>Los ajustes se restaurarán cuando el controlador vuelva a conectarse.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>No se puede leer la lista de dispositivos del sistema.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>El controlador en %1 no es un dispositivo USB con interfaz de mando de juego.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>El controlador no tiene (todavía) ningún nodo de joystick.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 existe, pero este usuario no tiene permiso para abrirlo (%2). Inicie sesión en el puesto local del equipo o instale la regla udev de la herramienta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>La vista en directo no está disponible en este sistema.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>%1 no se inició: llegó una señal de parada mientras se aplicaban los ajustes.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Recentrar el volante</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Guardar y reiniciar</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>Cambiar a modo DFU</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Reiniciar controlador</translation>
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
        <translation>Controlador encontrado en %1, pero este usuario no tiene permiso para abrirlo. Consulte «Controller found but not permitted» en el README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>¡Las versiones no coinciden!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>¡Cambiar ajustes con un software que no coincide con la versión del firmware puede provocar un comportamiento inesperado del dispositivo!
<byte value="xd"/> **Use versiones coincidentes de Vellox Setup y del firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Última versión</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**¡Hay una nueva versión de Vellox Wheel Setup (%1) disponible!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Descargar y actualizar</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Omitir la versión %1</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Perfiles de juego…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Prueba del volante…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 no es un archivo normal; no se escribió nada.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Un nombre de perfil es un nombre de archivo: no puede estar vacío, empezar por un punto ni contener / o \ o caracteres de control.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 no es una carpeta de este usuario</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>no se puede hacer privada %1</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>El diario de restauración es demasiado grande.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>El diario de restauración está dañado.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>El diario de restauración lo escribió una versión más reciente de la herramienta.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>No se puede leer el diario de restauración: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
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
        <translation>Ajustes:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Hardware del controlador:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>No se puede escribir el diario de restauración (%1); los ajustes de antes no están a salvo de un cierre inesperado.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>%1 no está disponible para %2; admite %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>%1 está fuera del rango de %2 (%3 a %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>no disponible aquí; se deja como está</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>el controlador tiene %1; la ventana muestra %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 no tiene valor.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 admite &quot;on&quot; u &quot;off&quot;, no %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 admite un número, no %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>El texto de ajustes ocupa más de 64 KiB.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La línea no es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>La primera línea debe ser &quot;%1effects&quot;, &quot;%1periphery&quot; o &quot;%1all&quot;.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>Estos ajustes son de tipo %1; aquí se esperan ajustes de tipo %2.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Se esperaba &quot;clave = valor&quot;.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Clave desconocida %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 no pertenece a los ajustes de tipo %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 ya está establecido en la línea %2.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Los ajustes de todos los registros solo existen como texto.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>No es ni texto de ajustes ni un perfil %1 en bruto de al menos %2 bytes.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>No es ni texto de ajustes ni un perfil en bruto (64 bytes de ajustes de efectos o 128 bytes de ajustes de periféricos).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Cambio de ajustes</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>No existe la instantánea %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>La cabecera de la instantánea está dañada.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>El archivo es demasiado grande para ser una instantánea.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>El archivo no es una instantánea.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>La instantánea la tomó una versión más reciente de la herramienta.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>Los ajustes de la instantánea están dañados: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>No se puede escribir el historial de ajustes: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Inicie sesión en el puesto local del equipo o instale la regla udev de la herramienta.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 no es un nodo de entrada legible: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>El nodo de joystick %1 del controlador ha desaparecido: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>El kernel se negó a cambiar %1 en %2: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
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
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Timón</translation>
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
        <translation>Cruceta%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Eje %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Prueba del volante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Volante</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Ángulo del volante</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Cruceta</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Zona muerta del kernel</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Quitar la zona muerta del kernel</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Restaurar los valores del kernel</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>Quitarla cada vez que se conecte el controlador</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Pruebas de fuerza</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Intensidad</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Empujar a la izquierda</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Empujar a la derecha</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Muelle de centrado</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Impulso corto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>Se está ejecutando un juego con regla: las pruebas de fuerza están desactivadas hasta que termine.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>El nodo no indica ningún eje de dirección.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>El eje de dirección no indica ningún rango.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (rango de giro aún desconocido)</translation>
    </message>
    <message>
        <source>%1° of ±%2°</source>
        <translation>%1° de ±%2°</translation>
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
        <translation>Cruceta: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Cruceta: ninguna</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>La zona muerta del kernel queda eliminada hasta que se vuelva a conectar el controlador.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>Se han restaurado los valores del kernel.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>El volante girará solo. Sujételo firmemente con ambas manos y pulse Aceptar.</translation>
    </message>
</context>
</TS>
