<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
</TS>
