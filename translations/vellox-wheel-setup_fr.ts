<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</TS>
