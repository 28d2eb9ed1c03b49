<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</TS>
