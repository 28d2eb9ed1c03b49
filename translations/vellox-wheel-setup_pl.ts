<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>nie można utworzyć prywatnego folderu %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 nie jest prywatnym folderem tego użytkownika (jego własnym katalogiem z uprawnieniami 0700); usuń go lub ustaw XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: nie można połączyć się z działającą instancją ani jej zastąpić.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>uruchamianie polecenia bez zmiany ustawień.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>działająca instancja zakończyła się; ustawienia nie zostały przywrócone.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>opcje opisuje --help.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>uruchamianie polecenia; żadne ustawienia nie zostały zastosowane ani nie zostaną przywrócone.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>uruchamianie polecenia z ustawieniami, które dotarły.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>nie można połączyć się z działającą instancją ani jej zastąpić.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Żaden przycisk nie jest wciśnięty</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Wciśnięte: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1: to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1: plik przekracza limit %2 bajtów.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>Nie znaleziono kontrolera.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Kontroler jest teraz zajęty przez polecenie; otwórz okno, gdy się ono zakończy.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>W %2 nie ma poprawnego profilu „%1”.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1: profil musi być rodzaju effects lub periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Nieznany klucz „%1”.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: ostrzeżenie: kontroler ma firmware %1, a to narzędzie wersję %2; ustawienia mogą znaczyć dla niego co innego.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>Kontroler odłączył się w trakcie operacji; mogły nie dotrzeć te zapisy: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>„%1” nie jest poprawną nazwą profilu.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1: brak „%2”; zapisany profil wymaga wszystkich pól swojego rodzaju.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>Nie można zapisać profilu w %1.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>Kontroler odłączył się w trakcie operacji; niektóre zapisy mogły nie dotrzeć.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>przed %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>Przywrócono ustawienia sprzed przerwanej gry lub przerwanego wrappera uruchamiania.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>Nie udało się przywrócić wszystkich ustawień sprzed przerwanej gry lub przerwanego wrappera uruchamiania; przy następnym uruchomieniu nastąpi ponowna próba.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>Działająca instancja nie podała węzła joysticka.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>Martwa strefa jądra dla %1 została usunięta (fuzz i flat 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Przywrócono własne wartości fuzz i flat jądra dla %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n pole sprzętowe różni się i pozostaje bez zmian; --include-hardware przywraca także to pole.
</numerusform>
            <numerusform>%n pola sprzętowe różnią się i pozostają bez zmian; --include-hardware przywraca także te pola.
</numerusform>
            <numerusform>%n pól sprzętowych różni się i pozostaje bez zmian; --include-hardware przywraca także te pola.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>Migawka %1 pochodzi z innego kontrolera (%2); nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>Kontroler ma już te ustawienia; nic nie zostało wysłane.
</translation>
    </message>
    <message>
        <source>before --restore %1</source>
        <translation>przed --restore %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the controller&apos;s current settings, all four records.</source>
        <translation>Wypisz bieżące ustawienia kontrolera, wszystkie cztery rekordy.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Zastosuj zapisany profil albo plik profilu tekstowego lub surowego (można powtarzać).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Ustaw jedno pole (można powtarzać; po profilach, w podanej kolejności).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Po zastosowaniu: zapisz i uruchom ponownie, tak jak przycisk.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Wyeksportuj zapisany profil jako tekst (na standardowe wyjście lub do --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>Plik, do którego zapisuje --export.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Zapisz profil tekstowy pod nazwą --name w folderze profili jego rodzaju (po sprawdzeniu).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>Nazwa profilu dla --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Jak długo czekać na kontroler (domyślnie: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>Pracuj w $XDG_DATA_HOME/vellox-wheel-setup (profile, plik INI) zamiast w bieżącym folderze.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Wypisz wersję i zakończ.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Wypisz tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>Jako pierwszy argument: okno z widocznym wzmocnieniem pomiaru prądu.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Zastosuj opcje, uruchom COMMAND z jego argumentami, a po jego zakończeniu przywróć wcześniejsze ustawienia. W opcjach uruchamiania Steam: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Brak nazwy profilu po „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>„%1” nie wskazuje zapisanego profilu: użyj effects:NAME lub periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>Pusta nazwa pliku profilu.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Brak polecenia po „--”.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 można podać tylko raz.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait wymaga całkowitej liczby sekund od 0 do 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format przyjmuje text lub json, a nie „%1”.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE działa tylko z --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE i --name NAME trzeba podać razem.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import i --name wymagają pliku i nazwy.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set wymaga KEY=VALUE, a nie „%1”.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Wypisz znalezione kontrolery: węzeł, wersja firmware, &quot;ok&quot;, &quot;no permission&quot; lub &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>Reguły profili gier: wypisz je (gra, profil efektów, profil peryferiów, oddzielone tabulatorami), add GAME [effects:NAME] [periphery:NAME] (zastępuje regułę gry) lub remove GAME. Kontroler nie jest potrzebny.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Uruchom tylko z ikoną w zasobniku, bez pokazywania okna (bez zasobnika okno zostaje pokazane).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list nie przyjmuje niczego po sobie.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove wymaga jednej gry: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule to list, add lub remove, nie „%1”.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add wymaga GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add przyjmuje jeden profil każdego rodzaju.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add wymaga profilu: effects:NAME, periphery:NAME lub obu.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background uruchamia okno; nie łączy się z żadnym poleceniem.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Odczytuje i edytuje ustawienia kontrolera kierownicy Vellox. Bez opcji otwiera okno; z opcjami działa jako polecenie bez okna.

Kod wyjścia: 0 wykonano; 1 nie udało się zapisać pliku lub połączyć z działającą instancją; 2 błędne użycie lub dane wejściowe (nic nie wysłano); 3 brak kontrolera w czasie --wait; 4 znaleziono kontroler, ale ten użytkownik nie może go otworzyć; 5 kontroler odłączył się w trakcie operacji; z -- COMMAND: kod wyjścia samego polecenia (128 + numer sygnału, gdy zakończył je sygnał).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>Format, w jakim wypisują --show, --history-show i --monitor (domyślnie: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Wypisuj kąt skrętu, osie i przyciski węzła joysticka kontrolera jako wiersze (wiersze JSON z --format json) aż do przerwania.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Ustaw na 0 fuzz i flat jądra dla każdej osi węzła joysticka kontrolera.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Przywróć własne wartości fuzz i flat jądra dla każdej osi.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Otwórz okno i jego okno Test kierownicy (w działającej instancji, jeśli taka istnieje).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Wypisz historię ustawień, od najnowszych: identyfikator migawki, czas, wersja firmware, powód.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Wypisz jedną migawkę z historii (--format text lub json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Wypisz, czym B różni się od A, pole po polu. Każde z nich to identyfikator migawki, now (kontroler), effects:NAME, periphery:NAME lub plik.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Przywróć ustawienia z migawki, wysyłając tylko to, co się różni; pola z karty Kontroler tylko z --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Z --restore: przywróć także wzmocnienia, enkoder, kierunki i moc.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format działa tylko z --show, --history-show lub --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware działa tylko z --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Użyj jednej z opcji --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone lub opcji zastosowania (z -- COMMAND lub bez).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test otwiera okno; nie łączy się z żadnym poleceniem ani z --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 wymaga identyfikatora migawki w postaci wypisywanej przez --history, a nie „%2”.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff wymaga dwóch argumentów: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>Kontroler jest podłączony, ale nie udało się na czas odczytać jego ustawień.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>Nie znaleziono kontrolera w ciągu %n sekundy.</numerusform>
            <numerusform>Nie znaleziono kontrolera w ciągu %n sekund.</numerusform>
            <numerusform>Nie znaleziono kontrolera w ciągu %n sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>po podłączeniu kontrolera</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Żaden kontroler nie jest podłączony.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>kontroler jest zajęty; spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>inny program korzysta z force feedback kontrolera.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>kontroler nie ma wolnego slotu na efekt (być może zajmuje je gra).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>kontroler został odłączony.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>ten użytkownik nie może używać węzła joysticka kontrolera.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>Test siły nie może otworzyć %1: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>Kontroler nie przyjął siły testowej: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>Nie można odtworzyć siły testowej: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>Testy siły są niedostępne, gdy działa gra z regułą.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Przed pierwszą siłą testową potwierdź, że trzymasz kierownicę.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Żaden kontroler nie jest podłączony.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Zapisz profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Usuń profil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Zakres obrotu (stopnie)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Całkowita siła efektów (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Siła wbudowanej sprężyny (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Siła miękkiego ogranicznika (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Zakres miękkiego ogranicznika (stopnie)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Tłumienie miękkiego ogranicznika (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Tłumienie statyczne (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>FFB DirectX</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Odwróć siłę stałą</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Siła efektów sprężyny DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Siła efektów stałych DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Siła efektów okresowych DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Włącz siły (wymaga restartu)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Odwróć wyjście joysticka</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Odwróć wyjście siły</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Siły diagnostyczne</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Wzmocnienie pomiaru prądu (wymaga restartu)</translation>
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
        <translation>CPR enkodera</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Pary biegunów</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>Wzmocnienie P</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>Wzmocnienie I</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Limit mocy (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Siła kalibracji (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Prędkość kalibracji (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Limit rezystora hamowania (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Rozmiar bufora próbek prędkości</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Wygładzanie pozycji (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Profil efektów „%1” nie istnieje lub jest za krótki; nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>Profil peryferiów „%1” nie istnieje lub jest za krótki; nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 „%2”</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peryferia</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>Uruchomiono %1: zastosowano profile: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>Zakończono %1: przywrócono ustawienia sprzed uruchomienia.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>Zakończono %1: zastosowano profile domyślne: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Profile gry %1 są aktywne.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>Gra %1 działa; jej profile zostaną zastosowane po wczytaniu ustawień kontrolera.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>Żaden kontroler nie jest podłączony; nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>przed grą %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>po zakończeniu gry %1</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>po ponownym podłączeniu kontrolera</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>Zakończono %1: profile %2 są znowu aktywne.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>Zakończono %1: ustawienia gry uruchomionej z --profile są znowu aktywne.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Profile gier</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Reguły: gdy gra działa, obowiązują jej profile</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Reguły gier</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profil efektów</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profil peryferiów</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Dodaj…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Dodaj regułę</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Edytuj…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Edytuj regułę</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Usuń regułę</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Gdy żadna gra nie działa</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>Profil e&amp;fektów:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Profil efektów, gdy żadna gra nie działa</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>&amp;Profil peryferiów:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Profil peryferiów, gdy żadna gra nie działa</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>Przełączaj profile przy &amp;starcie gry</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>Uruchamiaj razem z pulpi&amp;tem</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(wcześniejsze ustawienia)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>Nie można zmienić wpisu autostartu %1.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Reguła gry</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Gra:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>Profil &amp;efektów:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Profil efektów</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>&amp;Profil peryferiów:</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Profil peryferiów</translation>
    </message>
    <message>
        <source>Program name, for example Race.exe</source>
        <translation>Nazwa programu, np. Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(ustawienia sprzed gry)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Gra jest określona nazwą swojego programu: nazwa nie może być pusta ani zawierać / lub \ albo znaków sterujących, a gra musi mieć co najmniej jeden profil.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>Nie ma profilu efektów o nazwie „%1”.</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>Nie ma profilu peryferiów o nazwie „%1”.</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>Nie ma reguły dla „%1”.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Nie można zapisać pliku ustawień.</translation>
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
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profile gier…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Zastosuj zapisany profil</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peryferia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(brak zapisanych profili)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>Vellox Wheel Setup nadal działa w zasobniku systemowym, aby przełączać profile gier. Wybierz „Zakończ” w jego menu, aby go zamknąć.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test kierownicy…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Zapisz profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Usuń profil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Włącz przycisk centrowania na pinie Z0 (wymaga restartu)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (wymaga restartu)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>Tryby GPIO</translation>
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
        <translation>Enkoder Z0</translation>
    </message>
    <message>
        <source>Encoder Z1</source>
        <translation>Enkoder Z1</translation>
    </message>
    <message>
        <source>SPI extension</source>
        <translation>Rozszerzenie SPI</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Tryb rozszerzenia SPI</translation>
    </message>
    <message>
        <source>SPI mode</source>
        <translation>Tryb SPI</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Tryb 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Tryb 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Tryb 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Tryb 3</translation>
    </message>
    <message>
        <source>Latch mode</source>
        <translation>Tryb zatrzasku</translation>
    </message>
    <message>
        <source>Latch UP</source>
        <translation>Zatrzask GÓRA</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Zatrzask DÓŁ</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Opóźnienie zatrzasku (mikrosekundy)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>Długość impulsu SCK (mikrosekundy)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Tryby przycisków</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>Przyciski GPIO</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Przycisk 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Przycisk 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Przycisk 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Przycisk 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Przycisk 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Przycisk 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Przycisk 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Przycisk 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Rejestr przesuwny 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Przycisk 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Przycisk 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Przycisk 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Przycisk 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Przycisk 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Przycisk 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Przycisk 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Przycisk 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Rejestr przesuwny 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Przycisk 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Przycisk 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Przycisk 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Przycisk 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Przycisk 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Przycisk 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Przycisk 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Przycisk 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Rejestr przesuwny 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Przycisk 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Przycisk 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Przycisk 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Przycisk 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Przycisk 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Przycisk 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Przycisk 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Przycisk 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Osie analogowe</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Dolna martwa strefa</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Górna martwa strefa</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Wygładzanie (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Przycisk dół (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Przycisk góra (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Dolna martwa strefa Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Górna martwa strefa Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Wygładzanie Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Przycisk dół Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Przycisk góra Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Odwróć Rx</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Dolna martwa strefa Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Górna martwa strefa Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Wygładzanie Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Przycisk dół Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Przycisk góra Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Odwróć Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Dolna martwa strefa Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Górna martwa strefa Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Wygładzanie Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Przycisk dół Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Przycisk góra Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Odwróć Rz</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Przycisk</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogowy</translation>
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
        <translation>Przełącznik efektów</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Przycisk centrowania</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>PWM hamowania</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>Dioda efektów</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Odwrócony</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>unreadable: %1</source>
        <translation>nieczytelna: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>Kontroler ma teraz firmware %1; jego najnowsza migawka została wykonana przy %2. Okno Historia pokazuje, co się różni.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Migawki</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>Różnice względem obecnych ustawień kontrolera</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Przywróć też pola sprzętowe z karty Kontroler</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Przywróć te ustawienia</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  nieczytelna: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Wybierz migawkę, aby zobaczyć, czym różni się od obecnych ustawień kontrolera.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Nie można odczytać tej migawki: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Żaden kontroler nie jest podłączony.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>Kontroler ma już te ustawienia.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Ta migawka pochodzi z innego kontrolera.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Wykonana przy firmware %1; kontroler ma %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n pole sprzętowe różni się i pozostaje bez zmian.</numerusform>
            <numerusform>%n pola sprzętowe różnią się i pozostają bez zmian.</numerusform>
            <numerusform>%n pól sprzętowych różni się i pozostaje bez zmian.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>przed przywróceniem ustawień z %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  ustawienia sprzed przerwanej gry lub przerwanego wrappera uruchamiania</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>przed przywróceniem ustawień sprzed przerwanej gry lub przerwanego wrappera uruchamiania</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>Nie można odczytać pliku ustawień %1 (%2); używane są wartości domyślne.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>Plik ustawień %1 nie jest zwykłym plikiem; pozostaje bez zmian, a używane są wartości domyślne.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>Plik ustawień %1 przekracza limit %2 bajtów; pozostaje bez zmian, a używane są wartości domyślne.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>Plik ustawień %1 nie jest w formacie INI; pozostaje bez zmian, a używane są wartości domyślne.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>Działająca instancja zakończyła się przed wykonaniem żądania.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Odrzucono żądanie przekraczające limit %1 bajtów.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Odrzucono nieprawidłowe żądanie.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>Działająca instancja nie przyjmuje żądań.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 należy do innego użytkownika; usuń go lub ustaw XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>Działająca instancja nie odpowiedziała.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>Działająca instancja (wersja %1) nie potrafi odczytać żądania w protokole %2 z innego wydania; zamknij ją i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>nie można użyć pliku blokady %1.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>inne uruchomienie programu zbyt długo trzyma %1; spróbuj ponownie lub zakończ tamto uruchomienie.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>Ustawienia zostaną przywrócone po ponownym podłączeniu kontrolera.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Żaden kontroler nie jest podłączony.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>Nie można odczytać systemowej listy urządzeń.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>Kontroler w %1 nie jest urządzeniem USB z interfejsem kontrolera gier.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>Kontroler nie ma (jeszcze) węzła joysticka.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 istnieje, ale ten użytkownik nie może go otworzyć (%2). Zaloguj się lokalnie przy tym komputerze lub zainstaluj regułę udev narzędzia.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>Podgląd na żywo nie jest dostępny w tym systemie.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>Nie uruchomiono %1: podczas stosowania ustawień nadszedł sygnał zatrzymania.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Peryferia</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Wyśrodkuj kierownicę</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Zapisz i uruchom ponownie</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>Przełącz w tryb DFU</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Uruchom kontroler ponownie</translation>
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
        <translation>Znaleziono kontroler w %1, ale ten użytkownik nie może go otworzyć. Zobacz „Controller found but not permitted” w README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>Niezgodne wersje!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>Zmiana ustawień programem niezgodnym z wersją firmware może spowodować nieoczekiwane działanie urządzenia!
<byte value="xd"/> **Używaj zgodnych wersji Vellox Setup i firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Najnowsza wersja</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**Dostępna jest nowa wersja Vellox Wheel Setup (%1)!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Pobierz i zaktualizuj</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Pomiń wersję %1</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Profile gier…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Test kierownicy…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 nie jest zwykłym plikiem; nic nie zostało zapisane.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Nazwa profilu jest nazwą pliku: nie może być pusta, zaczynać się od kropki ani zawierać / lub \ albo znaków sterujących.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nazwa profilu</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 nie jest folderem tego użytkownika</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>nie można uczynić folderu %1 prywatnym</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>Dziennik przywracania jest za duży.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>Dziennik przywracania jest uszkodzony.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>Dziennik przywracania został zapisany przez nowszą wersję programu.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>Nie można odczytać dziennika przywracania: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
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
        <translation>Ustawienia:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Sprzęt kontrolera:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>Nie można zapisać dziennika przywracania (%1); wcześniejsze ustawienia nie są zabezpieczone na wypadek awarii.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>Wartość %1 nie jest dostępna dla %2; dopuszczalne: %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>Wartość %1 jest poza zakresem dla %2 (od %3 do %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>niedostępne tutaj; pozostawione bez zmian</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>kontroler przechowuje %1; okno pokazuje %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 nie ma wartości.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 przyjmuje „on” lub „off”, a nie %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 przyjmuje liczbę, a nie %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>Tekst ustawień jest większy niż 64 KiB.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>Wiersz nie jest poprawnym tekstem UTF-8.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>Pierwszy wiersz musi mieć postać „%1effects”, „%1periphery” lub „%1all”.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>To są ustawienia %1; oczekiwano tu ustawień %2.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Oczekiwano „klucz = wartość”.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Nieznany klucz %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 nie należy do ustawień %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 ustawiono już w wierszu %2.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Ustawienia wszystkich rekordów istnieją tylko w postaci tekstu.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>Ani tekst ustawień, ani surowy profil %1 o rozmiarze co najmniej %2 bajtów.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>Ani tekst ustawień, ani surowy profil (64 bajty ustawień efektów lub 128 bajtów ustawień peryferiów).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Zmiana ustawień</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>Nie ma migawki %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Nie można odczytać pliku: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>Nagłówek migawki jest uszkodzony.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>Plik jest za duży, aby był migawką.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>Plik nie jest migawką.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>Migawka została wykonana przez nowszą wersję programu.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>Ustawienia migawki są uszkodzone: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>Nie można zapisać historii ustawień: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Zaloguj się lokalnie przy tym komputerze lub zainstaluj regułę udev narzędzia.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 nie jest węzłem wejściowym, który można odczytać: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>Węzeł joysticka kontrolera %1 zniknął: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>Jądro odmówiło zmiany %1 w %2: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>góra</translation>
    </message>
    <message>
        <source>down</source>
        <translation>dół</translation>
    </message>
    <message>
        <source>left</source>
        <translation>lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>prawo</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>środek</translation>
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
        <translation>Przepustnica</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Kierownica</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Hamulec</translation>
    </message>
    <message>
        <source>Hat%1 %2</source>
        <translation>Grzybek%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Nacisk</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Oś %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Test kierownicy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Kierownica</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Kąt skrętu</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Osie</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Grzybek</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Martwa strefa jądra</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Usuń martwą strefę jądra</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Przywróć wartości jądra</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>Usuwaj ją przy każdym podłączeniu kontrolera</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Testy siły</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Siła</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Pchnij w lewo</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Pchnij w prawo</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Sprężyna centrująca</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Krótki skok</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Żaden kontroler nie jest podłączony.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>Działa gra z regułą: testy siły są wyłączone do jej zakończenia.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 w %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>Węzeł nie zgłasza osi kierownicy.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>Oś kierownicy nie zgłasza zakresu.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (zakres obrotu jeszcze nieznany)</translation>
    </message>
    <message>
        <source>%1° of ±%2°</source>
        <translation>%1° z ±%2°</translation>
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
        <translation>Grzybek: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Grzybek: brak</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>Martwa strefa jądra jest usunięta do ponownego podłączenia kontrolera.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>Przywrócono wartości jądra.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>Kierownica sama się obróci. Trzymaj ją mocno obiema rękami, a potem naciśnij OK.</translation>
    </message>
</context>
</TS>
