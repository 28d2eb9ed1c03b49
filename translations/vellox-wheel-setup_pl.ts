<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
</TS>
