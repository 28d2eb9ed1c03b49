<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppFiles</name>
    <message>
        <source>cannot create the private folder %1: %2</source>
        <translation>não é possível criar a pasta privada %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user (a directory of the user&apos;s own with mode 0700); remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 não é uma pasta privada deste usuário (um diretório do próprio usuário com modo 0700); remova-a ou defina XDG_RUNTIME_DIR.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>vellox-wheel-setup: cannot reach or replace the running instance.
</source>
        <translation>vellox-wheel-setup: não é possível contatar nem substituir a instância em execução.
</translation>
    </message>
    <message>
        <source>running the command without changing settings.</source>
        <translation>executando o comando sem alterar as configurações.</translation>
    </message>
    <message>
        <source>the running instance has ended; the settings were not put back.</source>
        <translation>a instância em execução terminou; as configurações não foram restauradas.</translation>
    </message>
    <message>
        <source>see --help for the options.</source>
        <translation>veja --help para as opções.</translation>
    </message>
    <message>
        <source>running the command; no settings were applied or will be put back.</source>
        <translation>executando o comando; nenhuma configuração foi aplicada nem será restaurada.</translation>
    </message>
    <message>
        <source>running the command with the settings that arrived.</source>
        <translation>executando o comando com as configurações que chegaram.</translation>
    </message>
    <message>
        <source>cannot reach or replace the running instance.</source>
        <translation>não é possível contatar nem substituir a instância em execução.</translation>
    </message>
</context>
<context>
    <name>ButtonGrid</name>
    <message>
        <source>No button pressed</source>
        <translation>Nenhum botão pressionado</translation>
    </message>
    <message>
        <source>Pressed: %1</source>
        <translation>Pressionados: %1</translation>
    </message>
</context>
<context>
    <name>CommandExecutor</name>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: arquivo inexistente.</translation>
    </message>
    <message>
        <source>%1: not a plain file.</source>
        <translation>%1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes.</source>
        <translation>%1: maior que %2 bytes.</translation>
    </message>
    <message>
        <source>No controller found.</source>
        <translation>Nenhuma controladora encontrada.</translation>
    </message>
    <message>
        <source>A command holds the controller now; start the window when it has ended.</source>
        <translation>Um comando está usando a controladora agora; abra a janela quando ele terminar.</translation>
    </message>
    <message>
        <source>No usable profile &quot;%1&quot; in %2.</source>
        <translation>Nenhum perfil utilizável &quot;%1&quot; em %2.</translation>
    </message>
    <message>
        <source>%1: a profile is of kind effects or periphery.</source>
        <translation>%1: um perfil é do tipo effects ou periphery.</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;.</source>
        <translation>Chave desconhecida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; settings may not mean the same to it.
</source>
        <translation>vellox-wheel-setup: aviso: a controladora roda o firmware %1 e esta ferramenta é a %2; as configurações podem não ter o mesmo significado para ela.
</translation>
    </message>
    <message>
        <source>The controller left during the operation; these writes may not have arrived: %1.</source>
        <translation>A controladora foi desconectada durante a operação; estas gravações podem não ter chegado: %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no usable profile name.</source>
        <translation>&quot;%1&quot; não é um nome de perfil utilizável.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing; a stored profile needs every field of its kind.</source>
        <translation>%1: falta &quot;%2&quot;; um perfil salvo precisa de todos os campos do seu tipo.</translation>
    </message>
    <message>
        <source>Cannot store the profile in %1.</source>
        <translation>Não é possível salvar o perfil em %1.</translation>
    </message>
    <message>
        <source>The controller left during the operation; some writes may not have arrived.</source>
        <translation>A controladora foi desconectada durante a operação; algumas gravações podem não ter chegado.</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>antes de %1</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper were put back.</source>
        <translation>As configurações de antes de um jogo ou wrapper de inicialização interrompido foram restauradas.</translation>
    </message>
    <message>
        <source>The settings from before an interrupted game or launch wrapper could not all be put back; the next start tries again.</source>
        <translation>Não foi possível restaurar todas as configurações de antes de um jogo ou wrapper de inicialização interrompido; a próxima inicialização tentará novamente.</translation>
    </message>
    <message>
        <source>The running instance did not name the joystick node.</source>
        <translation>A instância em execução não informou o nó de joystick.</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone of %1 is removed (fuzz and flat 0).</source>
        <translation>A zona morta do kernel de %1 foi removida (fuzz e flat 0).</translation>
    </message>
    <message>
        <source>The kernel&apos;s own fuzz and flat of %1 are back.</source>
        <translation>Os valores próprios de fuzz e flat do kernel de %1 foram restaurados.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are; --include-hardware puts them back too.
</source>
        <translation>
            <numerusform>%n campo de hardware difere e fica como está; --include-hardware também o restaura.
</numerusform>
            <numerusform>%n campos de hardware diferem e ficam como estão; --include-hardware também os restaura.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The snapshot %1 is of another controller (%2); nothing was sent.</source>
        <translation>O snapshot %1 é de outra controladora (%2); nada foi enviado.</translation>
    </message>
    <message>
        <source>The controller holds these settings already; nothing was sent.
</source>
        <translation>A controladora já tem estas configurações; nada foi enviado.
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
        <translation>Mostra as configurações atuais da controladora, os quatro registros.</translation>
    </message>
    <message>
        <source>Apply a stored profile, or a text or raw profile file (repeatable).</source>
        <translation>Aplica um perfil salvo ou um arquivo de perfil em texto ou bruto (repetível).</translation>
    </message>
    <message>
        <source>Set one field (repeatable; after the profiles, in the order given).</source>
        <translation>Define um campo (repetível; depois dos perfis, na ordem dada).</translation>
    </message>
    <message>
        <source>After applying: save and reboot, as the button does.</source>
        <translation>Após aplicar: salva e reinicia, como faz o botão.</translation>
    </message>
    <message>
        <source>Write a stored profile as text (to standard output, or --output FILE).</source>
        <translation>Escreve um perfil salvo como texto (na saída padrão ou em --output FILE).</translation>
    </message>
    <message>
        <source>The file --export writes.</source>
        <translation>O arquivo que --export grava.</translation>
    </message>
    <message>
        <source>Store a text profile under --name in its kind&apos;s profile folder (validated).</source>
        <translation>Salva um perfil em texto com o nome --name na pasta de perfis do seu tipo (validado).</translation>
    </message>
    <message>
        <source>The profile name for --import.</source>
        <translation>O nome do perfil para --import.</translation>
    </message>
    <message>
        <source>How long to wait for the controller (default: 5).</source>
        <translation>Quanto tempo esperar pela controladora (padrão: 5).</translation>
    </message>
    <message>
        <source>Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.</source>
        <translation>Trabalha em $XDG_DATA_HOME/vellox-wheel-setup (perfis, arquivo INI) em vez da pasta atual.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>As the first argument: the window with the current-sense gain shown.</source>
        <translation>Como primeiro argumento: a janela com o ganho de medição de corrente visível.</translation>
    </message>
    <message>
        <source>Apply the options, run COMMAND with its arguments, and when it ends put back the settings found before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%</source>
        <translation>Aplica as opções, executa COMMAND com seus argumentos e, quando ele termina, restaura as configurações encontradas antes. Numa opção de inicialização da Steam: vellox-wheel-setup --profile effects:Rally -- %command%</translation>
    </message>
    <message>
        <source>No profile name after &quot;%1&quot;.</source>
        <translation>Nenhum nome de perfil após &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no stored profile: use effects:NAME or periphery:NAME.</source>
        <translation>&quot;%1&quot; não indica um perfil salvo: use effects:NAME ou periphery:NAME.</translation>
    </message>
    <message>
        <source>An empty profile file name.</source>
        <translation>Nome de arquivo de perfil vazio.</translation>
    </message>
    <message>
        <source>No command after &quot;--&quot;.</source>
        <translation>Nenhum comando após &quot;--&quot;.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 may be given once only.</source>
        <translation>--%1 só pode ser informado uma vez.</translation>
    </message>
    <message>
        <source>--wait needs a whole number of seconds from 0 to 3600.</source>
        <translation>--wait precisa de um número inteiro de segundos de 0 a 3600.</translation>
    </message>
    <message>
        <source>--format is text or json, not &quot;%1&quot;.</source>
        <translation>--format é text ou json, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--output FILE belongs to --export.</source>
        <translation>--output FILE só se usa com --export.</translation>
    </message>
    <message>
        <source>--import FILE and --name NAME go together.</source>
        <translation>--import FILE e --name NAME são usados juntos.</translation>
    </message>
    <message>
        <source>--import and --name need a file and a name.</source>
        <translation>--import e --name precisam de um arquivo e de um nome.</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &quot;%1&quot;.</source>
        <translation>--set precisa de KEY=VALUE, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>List the controllers found: node, firmware version, &quot;ok&quot;, &quot;no permission&quot; or &quot;not readable&quot;.</source>
        <translation>Listar as controladoras encontradas: nó, versão do firmware, &quot;ok&quot;, &quot;no permission&quot; ou &quot;not readable&quot;.</translation>
    </message>
    <message>
        <source>The game profiles&apos; rules: list them (game, Effects profile, Periphery profile, separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game&apos;s rule), or remove GAME. No controller needed.</source>
        <translation>As regras dos perfis de jogo: listá-las (jogo, perfil de Efeitos, perfil de Periféricos, separados por tabulações), add GAME [effects:NAME] [periphery:NAME] (substitui a regra do jogo) ou remove GAME. Nenhuma controladora necessária.</translation>
    </message>
    <message>
        <source>Start with the tray icon only, without showing the window (where there is no tray, the window shows).</source>
        <translation>Iniciar só com o ícone na bandeja, sem mostrar a janela (onde não há bandeja, a janela é mostrada).</translation>
    </message>
    <message>
        <source>--game-rule list takes nothing after it.</source>
        <translation>--game-rule list não aceita nada depois.</translation>
    </message>
    <message>
        <source>--game-rule remove needs one game: remove GAME.</source>
        <translation>--game-rule remove precisa de um jogo: remove GAME.</translation>
    </message>
    <message>
        <source>--game-rule is list, add or remove, not &quot;%1&quot;.</source>
        <translation>--game-rule é list, add ou remove, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--game-rule add needs GAME [effects:NAME] [periphery:NAME].</source>
        <translation>--game-rule add precisa de GAME [effects:NAME] [periphery:NAME].</translation>
    </message>
    <message>
        <source>--game-rule add takes one profile of each kind.</source>
        <translation>--game-rule add aceita um perfil de cada tipo.</translation>
    </message>
    <message>
        <source>--game-rule add needs a profile: effects:NAME, periphery:NAME or both.</source>
        <translation>--game-rule add precisa de um perfil: effects:NAME, periphery:NAME ou ambos.</translation>
    </message>
    <message>
        <source>--background starts the window; it goes with no command.</source>
        <translation>--background inicia a janela; não combina com nenhum comando.</translation>
    </message>
    <message>
        <source>Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; with options it runs as a command without a window.

Exit status: 0 done; 1 a file could not be written or the running instance could not be reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; 4 controller found but this user may not open it; 5 the controller left during the operation; with -- COMMAND, the command&apos;s own status (128 + signal number for a signal).</source>
        <translation>Lê e edita as configurações de uma controladora de volante Vellox. Sem opções, abre a janela; com opções, roda como comando, sem janela.

Status de saída: 0 concluído; 1 não foi possível gravar um arquivo ou contatar a instância em execução; 2 uso ou entrada inválidos (nada enviado); 3 nenhuma controladora dentro do --wait; 4 controladora encontrada, mas este usuário não tem permissão para abri-la; 5 a controladora foi desconectada durante a operação; com -- COMMAND, o status do próprio comando (128 + número do sinal, se um sinal o encerrou).</translation>
    </message>
    <message>
        <source>The form --show, --history-show and --monitor print in (default: text).</source>
        <translation>O formato em que --show, --history-show e --monitor escrevem (padrão: text).</translation>
    </message>
    <message>
        <source>Print the steering angle, axes and buttons of the controller&apos;s joystick node as lines (JSON lines with --format json) until interrupted.</source>
        <translation>Mostra o ângulo do volante, os eixos e os botões do nó de joystick da controladora em linhas (linhas JSON com --format json) até ser interrompido.</translation>
    </message>
    <message>
        <source>Set the kernel&apos;s fuzz and flat of every axis of the controller&apos;s joystick node to 0.</source>
        <translation>Define como 0 o fuzz e o flat do kernel de cada eixo do nó de joystick da controladora.</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s own fuzz and flat of every axis back.</source>
        <translation>Restaura os valores próprios de fuzz e flat do kernel de cada eixo.</translation>
    </message>
    <message>
        <source>Open the window and its Wheel test window (in the running instance if there is one).</source>
        <translation>Abre a janela e a sua janela Teste do volante (na instância em execução, se houver uma).</translation>
    </message>
    <message>
        <source>List the settings history, newest first: snapshot id, time, firmware version, reason.</source>
        <translation>Lista o histórico de configurações, do mais recente ao mais antigo: id do snapshot, hora, versão do firmware, motivo.</translation>
    </message>
    <message>
        <source>Print one snapshot of the history (--format text or json).</source>
        <translation>Mostra um snapshot do histórico (--format text ou json).</translation>
    </message>
    <message>
        <source>Print what differs from A to B, field by field. Each is a snapshot id, now (the controller), effects:NAME, periphery:NAME or a file.</source>
        <translation>Mostra o que difere de A para B, campo a campo. Cada um é um id de snapshot, now (a controladora), effects:NAME, periphery:NAME ou um arquivo.</translation>
    </message>
    <message>
        <source>Put a snapshot&apos;s settings back, sending only what differs; the Controller tab&apos;s fields only with --include-hardware.</source>
        <translation>Restaura as configurações de um snapshot, enviando só o que difere; os campos da aba Controladora só com --include-hardware.</translation>
    </message>
    <message>
        <source>With --restore: put back the gains, encoder, directions and power too.</source>
        <translation>Com --restore: restaura também os ganhos, o encoder, as direções e a potência.</translation>
    </message>
    <message>
        <source>--format belongs to --show, --history-show or --monitor.</source>
        <translation>--format só se usa com --show, --history-show ou --monitor.</translation>
    </message>
    <message>
        <source>--include-hardware belongs to --restore.</source>
        <translation>--include-hardware só se usa com --restore.</translation>
    </message>
    <message>
        <source>Use one of --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with or without -- COMMAND).</source>
        <translation>Use uma das opções --list, --show, --export, --import, --game-rule, --monitor, --remove-kernel-dead-zone, --restore-kernel-dead-zone ou as opções de aplicação (com ou sem -- COMMAND).</translation>
    </message>
    <message>
        <source>--wheel-test opens the window; it goes with no command and without --background.</source>
        <translation>--wheel-test abre a janela; não combina com nenhum comando nem com --background.</translation>
    </message>
    <message>
        <source>--%1 needs a snapshot id as --history lists it, not &quot;%2&quot;.</source>
        <translation>--%1 precisa de um id de snapshot como --history o lista, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--diff needs two operands: --diff A B.</source>
        <translation>--diff precisa de dois operandos: --diff A B.</translation>
    </message>
</context>
<context>
    <name>DeviceLinkTarget</name>
    <message>
        <source>The controller is connected but its settings could not be read in time.</source>
        <translation>A controladora está conectada, mas suas configurações não puderam ser lidas a tempo.</translation>
    </message>
    <message numerus="yes">
        <source>No controller found within %n second(s).</source>
        <translation>
            <numerusform>Nenhuma controladora encontrada em %n segundo.</numerusform>
            <numerusform>Nenhuma controladora encontrada em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>when the controller connected</source>
        <translation>quando a controladora foi conectada</translation>
    </message>
</context>
<context>
    <name>ForceTestWorker</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Nenhuma controladora conectada.</translation>
    </message>
    <message>
        <source>the controller is busy; try again in a moment.</source>
        <translation>a controladora está ocupada; tente novamente em instantes.</translation>
    </message>
    <message>
        <source>another program is using the controller&apos;s force feedback.</source>
        <translation>outro programa está usando o force feedback da controladora.</translation>
    </message>
    <message>
        <source>the controller has no free effect slot (a game may be holding them).</source>
        <translation>a controladora não tem slot de efeito livre (talvez um jogo os esteja ocupando).</translation>
    </message>
    <message>
        <source>the controller is gone.</source>
        <translation>a controladora foi desconectada.</translation>
    </message>
    <message>
        <source>this user may not use the controller&apos;s joystick node.</source>
        <translation>este usuário não tem permissão para usar o nó de joystick da controladora.</translation>
    </message>
    <message>
        <source>The force test cannot open %1: %2</source>
        <translation>O teste de força não consegue abrir %1: %2</translation>
    </message>
    <message>
        <source>The controller did not accept the test force: %1</source>
        <translation>A controladora não aceitou a força de teste: %1</translation>
    </message>
    <message>
        <source>The test force cannot be played: %1</source>
        <translation>Não é possível reproduzir a força de teste: %1</translation>
    </message>
</context>
<context>
    <name>ForceTester</name>
    <message>
        <source>No force test while a game with a rule runs.</source>
        <translation>Nenhum teste de força enquanto roda um jogo com regra.</translation>
    </message>
    <message>
        <source>Confirm that you hold the wheel before the first test force.</source>
        <translation>Confirme que está segurando o volante antes da primeira força de teste.</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nenhuma controladora conectada.</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Excluir perfil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Motion range (degrees)</source>
        <translation>Ângulo de rotação (graus)</translation>
    </message>
    <message>
        <source>Total effect strength (%)</source>
        <translation>Intensidade total dos efeitos (%)</translation>
    </message>
    <message>
        <source>Integrated spring strength (%)</source>
        <translation>Intensidade da mola integrada (%)</translation>
    </message>
    <message>
        <source>Soft stop strength (%)</source>
        <translation>Intensidade do batente suave (%)</translation>
    </message>
    <message>
        <source>Soft stop range (degrees)</source>
        <translation>Faixa do batente suave (graus)</translation>
    </message>
    <message>
        <source>Soft stop dampening (%)</source>
        <translation>Amortecimento do batente suave (%)</translation>
    </message>
    <message>
        <source>Static dampening (%)</source>
        <translation>Amortecimento estático (%)</translation>
    </message>
    <message>
        <source>DirectX FFB</source>
        <translation>FFB DirectX</translation>
    </message>
    <message>
        <source>Invert constant force</source>
        <translation>Inverter força constante</translation>
    </message>
    <message>
        <source>Direct X spring forces strength (%)</source>
        <translation>Intensidade das forças de mola DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X constant forces strength (%)</source>
        <translation>Intensidade das forças constantes DirectX (%)</translation>
    </message>
    <message>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Intensidade das forças periódicas DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Enable forces (Require reboot)</source>
        <translation>Ativar forças (requer reinício)</translation>
    </message>
    <message>
        <source>Invert joystick output</source>
        <translation>Inverter saída do joystick</translation>
    </message>
    <message>
        <source>Invert force output</source>
        <translation>Inverter saída de força</translation>
    </message>
    <message>
        <source>Debug forces</source>
        <translation>Forças de depuração</translation>
    </message>
    <message>
        <source>Current sense gain (Require reboot)</source>
        <translation>Ganho de medição de corrente (requer reinício)</translation>
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
        <translation>CPR do encoder</translation>
    </message>
    <message>
        <source>Pole pairs</source>
        <translation>Pares de polos</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>Ganho P</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>Ganho I</translation>
    </message>
    <message>
        <source>Power limit (%)</source>
        <translation>Limite de potência (%)</translation>
    </message>
    <message>
        <source>Calibration magnitude (%)</source>
        <translation>Intensidade da calibração (%)</translation>
    </message>
    <message>
        <source>Calibration speed (%)</source>
        <translation>Velocidade da calibração (%)</translation>
    </message>
    <message>
        <source>Braking resistor limit (%)</source>
        <translation>Limite do resistor de frenagem (%)</translation>
    </message>
    <message>
        <source>Speed sample buffer size</source>
        <translation>Tamanho do buffer de velocidade</translation>
    </message>
    <message>
        <source>Position smoothing (%)</source>
        <translation>Suavização da posição (%)</translation>
    </message>
</context>
<context>
    <name>GameProfiles</name>
    <message>
        <source>The Effects profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>O perfil de Efeitos “%1” não existe ou é curto demais; nada foi enviado para ele.</translation>
    </message>
    <message>
        <source>The Periphery profile &quot;%1&quot; is missing or too short; nothing was sent for it.</source>
        <translation>O perfil de Periféricos “%1” não existe ou é curto demais; nada foi enviado para ele.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>%1 started: profiles applied: %2.</source>
        <translation>%1 iniciado: perfis aplicados: %2.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before it started are back.</source>
        <translation>%1 encerrado: as configurações de antes do início foram restauradas.</translation>
    </message>
    <message>
        <source>%1 ended: default profiles applied: %2.</source>
        <translation>%1 encerrado: perfis padrão aplicados: %2.</translation>
    </message>
    <message>
        <source>Game profiles for %1 are on.</source>
        <translation>Os perfis de jogo de %1 estão ativos.</translation>
    </message>
    <message>
        <source>%1 is running; its profiles go on once the controller&apos;s settings are loaded.</source>
        <translation>%1 está em execução; seus perfis serão aplicados assim que as configurações da controladora forem carregadas.</translation>
    </message>
    <message>
        <source>No controller is connected; nothing was sent.</source>
        <translation>Nenhuma controladora conectada; nada foi enviado.</translation>
    </message>
    <message>
        <source>before the game %1</source>
        <translation>antes do jogo %1</translation>
    </message>
    <message>
        <source>when the game %1 ended</source>
        <translation>quando o jogo %1 terminou</translation>
    </message>
    <message>
        <source>when the controller came back</source>
        <translation>quando a controladora voltou</translation>
    </message>
    <message>
        <source>%1 ended: the profiles of %2 are on again.</source>
        <translation>%1 encerrado: os perfis de %2 estão ativos de novo.</translation>
    </message>
    <message>
        <source>%1 ended: the settings of the game started with --profile are on again.</source>
        <translation>%1 encerrado: as configurações do jogo iniciado com --profile estão ativas de novo.</translation>
    </message>
</context>
<context>
    <name>GameProfilesDialog</name>
    <message>
        <source>Game profiles</source>
        <translation>Perfis de jogo</translation>
    </message>
    <message>
        <source>&amp;Rules: while a game runs, its profiles are on</source>
        <translation>&amp;Regras: enquanto um jogo roda, seus perfis ficam ativos</translation>
    </message>
    <message>
        <source>Game rules</source>
        <translation>Regras de jogo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Perfil de efeitos</translation>
    </message>
    <message>
        <source>Periphery profile</source>
        <translation>Perfil de periféricos</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Adicionar regra</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Edit rule</source>
        <translation>Editar regra</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Remover regra</translation>
    </message>
    <message>
        <source>When no game is running</source>
        <translation>Sem jogo em execução</translation>
    </message>
    <message>
        <source>E&amp;ffects profile:</source>
        <translation>Perfil de e&amp;feitos:</translation>
    </message>
    <message>
        <source>Effects profile when no game is running</source>
        <translation>Perfil de efeitos sem jogo em execução</translation>
    </message>
    <message>
        <source>&amp;Periphery profile:</source>
        <translation>Perfil de &amp;periféricos:</translation>
    </message>
    <message>
        <source>Periphery profile when no game is running</source>
        <translation>Perfil de periféricos sem jogo em execução</translation>
    </message>
    <message>
        <source>&amp;Switch profiles when a game starts</source>
        <translation>&amp;Trocar os perfis quando um jogo iniciar</translation>
    </message>
    <message>
        <source>S&amp;tart with the desktop</source>
        <translation>&amp;Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>(the settings from before)</source>
        <translation>(as configurações de antes)</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be changed.</source>
        <translation>Não foi possível alterar a entrada de início automático %1.</translation>
    </message>
</context>
<context>
    <name>GameRuleDialog</name>
    <message>
        <source>Game rule</source>
        <translation>Regra de jogo</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>&amp;Effects profile:</source>
        <translation>Perfil de &amp;efeitos:</translation>
    </message>
    <message>
        <source>Effects profile</source>
        <translation>Perfil de efeitos</translation>
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
        <translation>Nome do programa, por exemplo Race.exe</translation>
    </message>
    <message>
        <source>(the settings from before the game)</source>
        <translation>(as configurações de antes do jogo)</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>A game is the name of its program: it must not be empty or contain / or \ or control characters, and it needs at least one profile.</source>
        <translation>Um jogo é o nome do seu programa: não pode ser vazio nem conter / ou \ ou caracteres de controle, e precisa de pelo menos um perfil.</translation>
    </message>
    <message>
        <source>There is no Effects profile named &quot;%1&quot;.</source>
        <translation>Não há perfil de Efeitos chamado “%1”.</translation>
    </message>
    <message>
        <source>There is no Periphery profile named &quot;%1&quot;.</source>
        <translation>Não há perfil de Periféricos chamado “%1”.</translation>
    </message>
    <message>
        <source>There is no rule for &quot;%1&quot;.</source>
        <translation>Não há regra para “%1”.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de configurações.</translation>
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
        <translation>Mostrar a janela</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Perfis de jogo…</translation>
    </message>
    <message>
        <source>Apply a stored profile</source>
        <translation>Aplicar um perfil salvo</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>(no stored profiles)</source>
        <translation>(nenhum perfil salvo)</translation>
    </message>
    <message>
        <source>Vellox Wheel Setup keeps running in the tray to switch game profiles. Choose Quit in its menu to end it.</source>
        <translation>O Vellox Wheel Setup continua em execução na bandeja para trocar os perfis de jogo. Escolha Sair no menu dele para encerrá-lo.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Histórico…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Teste do volante…</translation>
    </message>
</context>
<context>
    <name>GpioExtensionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Excluir perfil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Enable reset center button on pin Z0 (Require reboot)</source>
        <translation>Ativar botão de centralizar no pino Z0 (requer reinício)</translation>
    </message>
    <message>
        <source>GPIO (Require reboot)</source>
        <translation>GPIO (requer reinício)</translation>
    </message>
    <message>
        <source>GPIO modes</source>
        <translation>Modos GPIO</translation>
    </message>
    <message>
        <source>Pin 1</source>
        <translation>Pino 1</translation>
    </message>
    <message>
        <source>Pin 2</source>
        <translation>Pino 2</translation>
    </message>
    <message>
        <source>Pin 3</source>
        <translation>Pino 3</translation>
    </message>
    <message>
        <source>Pin 4</source>
        <translation>Pino 4</translation>
    </message>
    <message>
        <source>Pin 5</source>
        <translation>Pino 5</translation>
    </message>
    <message>
        <source>Pin 6</source>
        <translation>Pino 6</translation>
    </message>
    <message>
        <source>Pin 7</source>
        <translation>Pino 7</translation>
    </message>
    <message>
        <source>Pin 8</source>
        <translation>Pino 8</translation>
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
        <translation>Extensão SPI</translation>
    </message>
    <message>
        <source>SPI extension mode</source>
        <translation>Modo da extensão SPI</translation>
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
        <translation>Latch ALTO</translation>
    </message>
    <message>
        <source>Latch DOWN</source>
        <translation>Latch BAIXO</translation>
    </message>
    <message>
        <source>Latch delay (microseconds)</source>
        <translation>Atraso do latch (microssegundos)</translation>
    </message>
    <message>
        <source>SCK pulse length (microseconds)</source>
        <translation>Duração do pulso SCK (microssegundos)</translation>
    </message>
    <message>
        <source>Button modes</source>
        <translation>Modos dos botões</translation>
    </message>
    <message>
        <source>Gpio buttons</source>
        <translation>Botões GPIO</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botão 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botão 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Botão 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botão 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botão 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Botão 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Botão 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Botão 8</translation>
    </message>
    <message>
        <source>Shift register 1</source>
        <translation>Registrador de deslocamento 1</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Botão 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Botão 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Botão 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Botão 12</translation>
    </message>
    <message>
        <source>Button 13</source>
        <translation>Botão 13</translation>
    </message>
    <message>
        <source>Button 14</source>
        <translation>Botão 14</translation>
    </message>
    <message>
        <source>Button 15</source>
        <translation>Botão 15</translation>
    </message>
    <message>
        <source>Button 16</source>
        <translation>Botão 16</translation>
    </message>
    <message>
        <source>Shift register 2</source>
        <translation>Registrador de deslocamento 2</translation>
    </message>
    <message>
        <source>Button 17</source>
        <translation>Botão 17</translation>
    </message>
    <message>
        <source>Button 18</source>
        <translation>Botão 18</translation>
    </message>
    <message>
        <source>Button 19</source>
        <translation>Botão 19</translation>
    </message>
    <message>
        <source>Button 20</source>
        <translation>Botão 20</translation>
    </message>
    <message>
        <source>Button 21</source>
        <translation>Botão 21</translation>
    </message>
    <message>
        <source>Button 22</source>
        <translation>Botão 22</translation>
    </message>
    <message>
        <source>Button 23</source>
        <translation>Botão 23</translation>
    </message>
    <message>
        <source>Button 24</source>
        <translation>Botão 24</translation>
    </message>
    <message>
        <source>Shift register 3</source>
        <translation>Registrador de deslocamento 3</translation>
    </message>
    <message>
        <source>Button 25</source>
        <translation>Botão 25</translation>
    </message>
    <message>
        <source>Button 26</source>
        <translation>Botão 26</translation>
    </message>
    <message>
        <source>Button 27</source>
        <translation>Botão 27</translation>
    </message>
    <message>
        <source>Button 28</source>
        <translation>Botão 28</translation>
    </message>
    <message>
        <source>Button 29</source>
        <translation>Botão 29</translation>
    </message>
    <message>
        <source>Button 30</source>
        <translation>Botão 30</translation>
    </message>
    <message>
        <source>Button 31</source>
        <translation>Botão 31</translation>
    </message>
    <message>
        <source>Button 32</source>
        <translation>Botão 32</translation>
    </message>
    <message>
        <source>Analog axes</source>
        <translation>Eixos analógicos</translation>
    </message>
    <message>
        <source>Lower dead zone</source>
        <translation>Zona morta inferior</translation>
    </message>
    <message>
        <source>Upper dead zone</source>
        <translation>Zona morta superior</translation>
    </message>
    <message>
        <source>Smoothing (%)</source>
        <translation>Suavização (%)</translation>
    </message>
    <message>
        <source>Button low (%)</source>
        <translation>Botão baixo (%)</translation>
    </message>
    <message>
        <source>Button high (%)</source>
        <translation>Botão alto (%)</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx lower dead zone</source>
        <translation>Zona morta inferior Rx</translation>
    </message>
    <message>
        <source>Rx upper dead zone</source>
        <translation>Zona morta superior Rx</translation>
    </message>
    <message>
        <source>Rx smoothing (%)</source>
        <translation>Suavização Rx (%)</translation>
    </message>
    <message>
        <source>Rx button low (%)</source>
        <translation>Botão baixo Rx (%)</translation>
    </message>
    <message>
        <source>Rx button high (%)</source>
        <translation>Botão alto Rx (%)</translation>
    </message>
    <message>
        <source>Rx invert</source>
        <translation>Inverter Rx</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <source>Ry lower dead zone</source>
        <translation>Zona morta inferior Ry</translation>
    </message>
    <message>
        <source>Ry upper dead zone</source>
        <translation>Zona morta superior Ry</translation>
    </message>
    <message>
        <source>Ry smoothing (%)</source>
        <translation>Suavização Ry (%)</translation>
    </message>
    <message>
        <source>Ry button low (%)</source>
        <translation>Botão baixo Ry (%)</translation>
    </message>
    <message>
        <source>Ry button high (%)</source>
        <translation>Botão alto Ry (%)</translation>
    </message>
    <message>
        <source>Ry invert</source>
        <translation>Inverter Ry</translation>
    </message>
    <message>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <source>Rz lower dead zone</source>
        <translation>Zona morta inferior Rz</translation>
    </message>
    <message>
        <source>Rz upper dead zone</source>
        <translation>Zona morta superior Rz</translation>
    </message>
    <message>
        <source>Rz smoothing (%)</source>
        <translation>Suavização Rz (%)</translation>
    </message>
    <message>
        <source>Rz button low (%)</source>
        <translation>Botão baixo Rz (%)</translation>
    </message>
    <message>
        <source>Rz button high (%)</source>
        <translation>Botão alto Rz (%)</translation>
    </message>
    <message>
        <source>Rz invert</source>
        <translation>Inverter Rz</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Generic button</source>
        <translation>Botão</translation>
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
        <translation>Chave de efeitos</translation>
    </message>
    <message>
        <source>Reset center button</source>
        <translation>Botão de centralizar</translation>
    </message>
    <message>
        <source>Braking PWM</source>
        <translation>PWM de frenagem</translation>
    </message>
    <message>
        <source>Effect LED</source>
        <translation>LED de efeitos</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reinício</translation>
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
        <translation>ilegível: %1</translation>
    </message>
    <message>
        <source>The controller now has firmware %1; its newest snapshot was taken with %2. The History window shows what differs.</source>
        <translation>A controladora agora tem o firmware %1; o snapshot mais recente dela foi feito com o %2. A janela Histórico mostra o que difere.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>What differs from the controller now</source>
        <translation>O que difere da controladora agora</translation>
    </message>
    <message>
        <source>Also put back the Controller tab&apos;s hardware fields</source>
        <translation>Restaurar também os campos de hardware da aba Controladora</translation>
    </message>
    <message>
        <source>Put these settings back</source>
        <translation>Restaurar estas configurações</translation>
    </message>
    <message>
        <source>%1  unreadable: %2</source>
        <translation>%1  ilegível: %2</translation>
    </message>
    <message>
        <source>%1  %2 (firmware %3)</source>
        <translation>%1  %2 (firmware %3)</translation>
    </message>
    <message>
        <source>Choose a snapshot to see what differs from the controller now.</source>
        <translation>Escolha um snapshot para ver o que difere da controladora agora.</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Não é possível ler este snapshot: %1</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nenhuma controladora conectada.</translation>
    </message>
    <message>
        <source>The controller holds these settings.</source>
        <translation>A controladora já tem estas configurações.</translation>
    </message>
    <message>
        <source>This snapshot is of another controller.</source>
        <translation>Este snapshot é de outra controladora.</translation>
    </message>
    <message>
        <source>Taken with firmware %1; the controller has %2.</source>
        <translation>Feito com o firmware %1; a controladora tem o %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n hardware field(s) differ and stay as they are.</source>
        <translation>
            <numerusform>%n campo de hardware difere e fica como está.</numerusform>
            <numerusform>%n campos de hardware diferem e ficam como estão.</numerusform>
        </translation>
    </message>
    <message>
        <source>before putting back the settings of %1</source>
        <translation>antes de restaurar as configurações de %1</translation>
    </message>
    <message>
        <source>%1  the settings from before an interrupted game or launch wrapper</source>
        <translation>%1  as configurações de antes de um jogo ou wrapper de inicialização interrompido</translation>
    </message>
    <message>
        <source>before putting back the settings from before an interrupted game or launch wrapper</source>
        <translation>antes de restaurar as configurações de antes de um jogo ou wrapper de inicialização interrompido</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The settings file %1 cannot be read (%2); the defaults are used.</source>
        <translation>Não é possível ler o arquivo de configurações %1 (%2); os valores padrão são usados.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left as it is and the defaults are used.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum; ele fica como está e os valores padrão são usados.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes; it is left as it is and the defaults are used.</source>
        <translation>O arquivo de configurações %1 é maior que %2 bytes; ele fica como está e os valores padrão são usados.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in INI format; it is left as it is and the defaults are used.</source>
        <translation>O arquivo de configurações %1 não está no formato INI; ele fica como está e os valores padrão são usados.</translation>
    </message>
</context>
<context>
    <name>InstanceServer</name>
    <message>
        <source>The running instance ended before it could carry the request out.</source>
        <translation>A instância em execução terminou antes de poder atender ao pedido.</translation>
    </message>
    <message>
        <source>Request larger than %1 bytes refused.</source>
        <translation>Pedido maior que %1 bytes recusado.</translation>
    </message>
    <message>
        <source>Malformed request refused.</source>
        <translation>Pedido malformado recusado.</translation>
    </message>
    <message>
        <source>The running instance takes no requests.</source>
        <translation>A instância em execução não aceita pedidos.</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it or set XDG_RUNTIME_DIR.</source>
        <translation>%1 pertence a outro usuário; remova-o ou defina XDG_RUNTIME_DIR.</translation>
    </message>
    <message>
        <source>The running instance did not answer.</source>
        <translation>A instância em execução não respondeu.</translation>
    </message>
    <message>
        <source>The running instance (version %1) cannot read a request of protocol %2 from another release; quit it and try again.</source>
        <translation>A instância em execução (versão %1) não consegue ler um pedido do protocolo %2 de outra versão; encerre-a e tente novamente.</translation>
    </message>
    <message>
        <source>cannot use the lock file %1.</source>
        <translation>não é possível usar o arquivo de bloqueio %1.</translation>
    </message>
    <message>
        <source>another start of the program has held %1 for too long; try again, or end that start.</source>
        <translation>outra inicialização do programa está segurando %1 há tempo demais; tente novamente ou encerre essa inicialização.</translation>
    </message>
    <message>
        <source>The settings are put back when the controller is connected again.</source>
        <translation>As configurações serão restauradas quando a controladora for conectada de novo.</translation>
    </message>
</context>
<context>
    <name>JoystickNode</name>
    <message>
        <source>No controller is connected.</source>
        <translation>Nenhuma controladora conectada.</translation>
    </message>
    <message>
        <source>The device list of the system cannot be read.</source>
        <translation>Não é possível ler a lista de dispositivos do sistema.</translation>
    </message>
    <message>
        <source>The controller at %1 is not a USB device with a game-controller side.</source>
        <translation>A controladora em %1 não é um dispositivo USB com interface de controle de jogo.</translation>
    </message>
    <message>
        <source>The controller has no joystick node (yet).</source>
        <translation>A controladora (ainda) não tem nó de joystick.</translation>
    </message>
    <message>
        <source>%1 exists but this user may not open it (%2). Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>%1 existe, mas este usuário não tem permissão para abri-lo (%2). Faça login localmente neste computador ou instale a regra udev da ferramenta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>The live view is not available on this system.</source>
        <translation>A visualização ao vivo não está disponível neste sistema.</translation>
    </message>
</context>
<context>
    <name>LaunchWrapper</name>
    <message>
        <source>cannot run %1: %2</source>
        <translation>não é possível executar %1: %2</translation>
    </message>
    <message>
        <source>%1 was not started: a signal to stop came while the settings were applied.</source>
        <translation>%1 não foi iniciado: chegou um sinal de parada enquanto as configurações eram aplicadas.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Periphery</source>
        <translation>Periféricos</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controladora</translation>
    </message>
    <message>
        <source>Reset wheel center</source>
        <translation>Centralizar o volante</translation>
    </message>
    <message>
        <source>Save and reboot</source>
        <translation>Salvar e reiniciar</translation>
    </message>
    <message>
        <source>Switch to DFU mode</source>
        <translation>Mudar para o modo DFU</translation>
    </message>
    <message>
        <source>Reboot controller</source>
        <translation>Reiniciar a controladora</translation>
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
        <translation>Controladora encontrada em %1, mas este usuário não tem permissão para abri-la. Veja “Controller found but not permitted” no README.</translation>
    </message>
    <message>
        <source>Version mismatch!</source>
        <translation>Versões incompatíveis!</translation>
    </message>
    <message>
        <source>Changing settings with software not matching firmware version can cause unexpected device behaviour!
<byte value="xd"/> **Consider using matching versions of Vellox Setup and firmware.**</source>
        <extracomment>Markdown: the text between ** is shown in bold.</extracomment>
        <translation>Alterar configurações com um software que não corresponde à versão do firmware pode causar comportamento inesperado do dispositivo!
<byte value="xd"/> **Use versões correspondentes do Vellox Setup e do firmware.**</translation>
    </message>
    <message>
        <source>Latest version</source>
        <translation>Versão mais recente</translation>
    </message>
    <message>
        <source>**New version of Vellox Wheel Setup (%1) is available!**</source>
        <extracomment>Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>**Uma nova versão do Vellox Wheel Setup (%1) está disponível!**</translation>
    </message>
    <message>
        <source>Download and update</source>
        <translation>Baixar e atualizar</translation>
    </message>
    <message>
        <source>Skip version %1</source>
        <extracomment>%1 is the version, e.g. RC.24.1.5.</extracomment>
        <translation>Pular a versão %1</translation>
    </message>
    <message>
        <source>Game profiles…</source>
        <translation>Perfis de jogo…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Histórico…</translation>
    </message>
    <message>
        <source>Wheel test…</source>
        <translation>Teste do volante…</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is not a regular file; nothing was written.</source>
        <translation>%1 não é um arquivo comum; nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>ProfileComboBox</name>
    <message>
        <source>A profile name is a file name: it must not be empty, start with a dot, or contain / or \ or control characters.</source>
        <translation>Um nome de perfil é um nome de arquivo: não pode ser vazio, começar com ponto nem conter / ou \ ou caracteres de controle.</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot create %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>%1 is not a folder of this user&apos;s</source>
        <translation>%1 não é uma pasta deste usuário</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>não é possível tornar a pasta %1 privada</translation>
    </message>
</context>
<context>
    <name>RestoreJournal</name>
    <message>
        <source>The restore journal is too large.</source>
        <translation>O diário de restauração é grande demais.</translation>
    </message>
    <message>
        <source>The restore journal is damaged.</source>
        <translation>O diário de restauração está danificado.</translation>
    </message>
    <message>
        <source>The restore journal was written by a newer version of the tool.</source>
        <translation>O diário de restauração foi gravado por uma versão mais recente da ferramenta.</translation>
    </message>
    <message>
        <source>The restore journal cannot be read: %1</source>
        <translation>Não é possível ler o diário de restauração: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
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
        <translation>Configurações:
</translation>
    </message>
    <message>
        <source>Controller hardware:
</source>
        <translation>Hardware da controladora:
</translation>
    </message>
</context>
<context>
    <name>SettingsLayerKeeper</name>
    <message>
        <source>The restore journal cannot be written (%1); the settings from before are not safe from a crash.</source>
        <translation>Não é possível gravar o diário de restauração (%1); as configurações de antes não estão protegidas contra uma falha.</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>%1 is not offered for %2; it takes %3.</source>
        <translation>%1 não está disponível para %2; aceita %3.</translation>
    </message>
    <message>
        <source>%1 is out of range for %2 (%3 to %4).</source>
        <translation>%1 está fora do intervalo de %2 (%3 a %4).</translation>
    </message>
    <message>
        <source>not offered here; left as it is</source>
        <translation>não disponível aqui; mantido como está</translation>
    </message>
    <message>
        <source>the controller holds %1; the window shows %2</source>
        <translation>a controladora tem %1; a janela mostra %2</translation>
    </message>
    <message>
        <source>%1 has no value.</source>
        <translation>%1 não tem valor.</translation>
    </message>
    <message>
        <source>%1 takes &quot;on&quot; or &quot;off&quot;, not %2.</source>
        <translation>%1 aceita &quot;on&quot; ou &quot;off&quot;, não %2.</translation>
    </message>
    <message>
        <source>%1 takes a number, not %2.</source>
        <translation>%1 aceita um número, não %2.</translation>
    </message>
    <message>
        <source>The settings text is larger than 64 KiB.</source>
        <translation>O texto de configurações é maior que 64 KiB.</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>A linha não é texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>The first line must be &quot;%1effects&quot;, &quot;%1periphery&quot; or &quot;%1all&quot;.</source>
        <translation>A primeira linha deve ser &quot;%1effects&quot;, &quot;%1periphery&quot; ou &quot;%1all&quot;.</translation>
    </message>
    <message>
        <source>These are %1 settings; %2 settings are expected here.</source>
        <translation>Estas configurações são do tipo %1; aqui se espera o tipo %2.</translation>
    </message>
    <message>
        <source>Expected &quot;key = value&quot;.</source>
        <translation>Esperava-se &quot;key = value&quot;.</translation>
    </message>
    <message>
        <source>Unknown key %1.</source>
        <translation>Chave desconhecida %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2 settings.</source>
        <translation>%1 não pertence às configurações do tipo %2.</translation>
    </message>
    <message>
        <source>%1 is already set on line %2.</source>
        <translation>%1 já foi definido na linha %2.</translation>
    </message>
    <message>
        <source>Settings of every record exist only as text.</source>
        <translation>Configurações de todos os registros existem apenas como texto.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw %1 profile of at least %2 bytes.</source>
        <translation>Não é texto de configurações nem um perfil bruto do tipo %1 de pelo menos %2 bytes.</translation>
    </message>
    <message>
        <source>Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes of periphery settings).</source>
        <translation>Não é texto de configurações nem um perfil bruto (64 bytes de configurações de efeitos ou 128 bytes de configurações de periféricos).</translation>
    </message>
</context>
<context>
    <name>SettingsUndo</name>
    <message>
        <source>Settings change</source>
        <translation>Alteração de configurações</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>There is no snapshot %1.</source>
        <translation>Não existe o snapshot %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Não é possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>The snapshot&apos;s header is damaged.</source>
        <translation>O cabeçalho do snapshot está danificado.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is too large to be a snapshot.</source>
        <translation>O arquivo é grande demais para ser um snapshot.</translation>
    </message>
    <message>
        <source>The file is not a snapshot.</source>
        <translation>O arquivo não é um snapshot.</translation>
    </message>
    <message>
        <source>The snapshot was made by a newer version of the tool.</source>
        <translation>O snapshot foi feito por uma versão mais recente da ferramenta.</translation>
    </message>
    <message>
        <source>The snapshot&apos;s settings are damaged: %1</source>
        <translation>As configurações do snapshot estão danificadas: %1</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The settings history cannot be written: %1</source>
        <translation>Não é possível gravar o histórico de configurações: %1</translation>
    </message>
</context>
<context>
    <name>WheelInput</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Log in at the computer&apos;s own seat, or install the tool&apos;s udev rule.</source>
        <translation>Faça login localmente neste computador ou instale a regra udev da ferramenta.</translation>
    </message>
    <message>
        <source>%1 is not an input node that can be read: %2</source>
        <translation>%1 não é um nó de entrada legível: %2</translation>
    </message>
    <message>
        <source>The controller&apos;s joystick node %1 went away: %2</source>
        <translation>O nó de joystick da controladora %1 desapareceu: %2</translation>
    </message>
    <message>
        <source>The kernel refused to change %1 on %2: %3</source>
        <translation>O kernel recusou a alteração de %1 em %2: %3</translation>
    </message>
</context>
<context>
    <name>WheelState</name>
    <message>
        <source>up</source>
        <translation>cima</translation>
    </message>
    <message>
        <source>down</source>
        <translation>baixo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
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
        <translation>Leme</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Volante</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gás</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freio</translation>
    </message>
    <message>
        <source>Hat%1 %2</source>
        <translation>Hat%1 %2</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <source>Axis %1</source>
        <translation>Eixo %1</translation>
    </message>
</context>
<context>
    <name>WheelTestWindow</name>
    <message>
        <source>Wheel test</source>
        <translation>Teste do volante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Steering wheel</source>
        <translation>Volante</translation>
    </message>
    <message>
        <source>Steering angle</source>
        <translation>Ângulo do volante</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Hat</translation>
    </message>
    <message>
        <source>Kernel dead zone</source>
        <translation>Zona morta do kernel</translation>
    </message>
    <message>
        <source>Remove the kernel&apos;s dead zone</source>
        <translation>Remover a zona morta do kernel</translation>
    </message>
    <message>
        <source>Put the kernel&apos;s values back</source>
        <translation>Restaurar os valores do kernel</translation>
    </message>
    <message>
        <source>Remove it each time the controller is plugged in</source>
        <translation>Removê-la sempre que a controladora for conectada</translation>
    </message>
    <message>
        <source>Force tests</source>
        <translation>Testes de força</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Intensidade</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Push left</source>
        <translation>Empurrar à esquerda</translation>
    </message>
    <message>
        <source>Push right</source>
        <translation>Empurrar à direita</translation>
    </message>
    <message>
        <source>Centring spring</source>
        <translation>Mola de centralização</translation>
    </message>
    <message>
        <source>Short step</source>
        <translation>Degrau curto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Nenhuma controladora conectada.</translation>
    </message>
    <message>
        <source>A game with a rule is running: force tests are off until it ends.</source>
        <translation>Um jogo com regra está rodando: os testes de força ficam desativados até ele terminar.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>The node reports no steering axis.</source>
        <translation>O nó não informa nenhum eixo de direção.</translation>
    </message>
    <message>
        <source>The steering axis reports no range.</source>
        <translation>O eixo de direção não informa nenhuma faixa.</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>— (motion range not known yet)</source>
        <translation>— (ângulo de rotação ainda desconhecido)</translation>
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
        <translation>Hat: %1</translation>
    </message>
    <message>
        <source>Hat: none</source>
        <translation>Hat: nenhum</translation>
    </message>
    <message>
        <source>The kernel&apos;s dead zone is removed until the controller is plugged in again.</source>
        <translation>A zona morta do kernel foi removida até a controladora ser conectada novamente.</translation>
    </message>
    <message>
        <source>The kernel&apos;s values are back.</source>
        <translation>Os valores do kernel foram restaurados.</translation>
    </message>
    <message>
        <source>The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK.</source>
        <translation>O volante vai girar sozinho. Segure-o firme com as duas mãos e depois pressione OK.</translation>
    </message>
</context>
</TS>
