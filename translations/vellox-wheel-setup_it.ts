<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
</TS>
