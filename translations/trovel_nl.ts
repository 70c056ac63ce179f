<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 u</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 u %2 min</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>Vandaag: %1, %2 overgeslagen, %3; %4 getypt</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n pauze genomen</numerusform>
            <numerusform>%n pauzes genomen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n natuurlijke pauze</numerusform>
            <numerusform>%n natuurlijke pauzes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG-afbeelding (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>BMP-afbeelding (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>pauzes genomen</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>natuurlijke pauzes</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>pauzes overgeslagen</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>typen (rechteras)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 u</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 u %2</translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation>Kan trovel niet bij het aanmelden starten vanaf %1: het pad bevat een teken dat een desktopbestand niet kan opslaan</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Kan de map niet maken</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Kan niet schrijven naar</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Kan niet verwijderen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>micropauze: resterende tijd</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Afbeelding:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Trovel-statistieken</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; &amp;Ouder</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>&amp;Nieuwer &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exporteren...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>sleep hier om dit venster te verplaatsen.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>instellingen wijzigen<byte value="xd"/>
opgeslagen in c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volg</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>klik hier voor het menu<byte value="xd"/>
instellingen opgeslagen in<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>zolang de handen te zien zijn, mag je typen en de muis gebruiken (groene fase)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Trovel-menu</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>opent het menu met alle instellingen en opdrachten</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>handen: groen zolang je mag typen</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>resterende aftelling</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>percentage van de aftelling<byte value="xd"/>
groen : je kunt typen<byte value="xd"/>
rood   : je moet pauzeren (10 seconden voor het einde, extra pauze)<byte value="xd"/>
[geel: programma gepauzeerd, je staat er alleen voor]<byte value="xd"/>
als je vingers pijn doen in de groene fase, verlaag dan het aantal minuten!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>aftelling</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>resterende tijd</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;typen</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>Trovel is a small free
tool that reminds you
to take micropauses,
made against pain in
fingers and wrists.

It comes without any
guarantee: it does not
promise to prevent or
cure the complaint.
If it does not help
you, do not use it.

You may give it away,
but not sell it.

Please send us what
you find, and visit
our site:
</source>
        <translation>Trovel is een klein
gratis programma dat je
herinnert aan micro-
pauzes, tegen pijn in
vingers en polsen.

Het komt zonder enige
garantie: het belooft
niet de klachten te
voorkomen of te
genezen. Helpt het je
niet, gebruik het dan
niet.

Je mag het weggeven,
maar niet verkopen.

Stuur ons wat je
vindt, en bezoek
onze site:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>pauzeafbeelding</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>klok</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>bezoek onze site %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Neem een micropauze</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Instellingen voor de pauze (micropauze/meldvenster)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTEN micropauze (1, 2 of 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuut</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 minuten</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minuten</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>wav/mp3-bestand af&amp;spelen bij begin van micropauze</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Klik hier om het wav/mp3-bestand te kiezen...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>meldvenster tonen tijdens de micropauze</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>meldvenster in het &amp;midden van het scherm</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>grootte van het meldvenster (volledig/kwart/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>scherm/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>scherm/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>scherm/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>&amp;AFBEELDINGEN uit de afbeeldingenmap tonen</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Klik hier om de afbeeldingenmap te kiezen...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>klik hier om een afbeeldingsbestand te kiezen</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>afbeeldingen in wille&amp;keurige volgorde tonen</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>in plaats van de oorspronkelijke volgorde</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>KLOK tonen (in plaats van afbeeldingen)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>klok tonen rond het hele en halve uur</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>tijd &amp;WEG tellen als micropauze</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>micropauze telt alleen met HANDEN STIL</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>wachten zolang een ander programma &amp;VOLLEDIG SCHERM is</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>huidige positie van het meldvenster o&amp;pslaan</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>&amp;DOORTYPEN (pauze overslaan)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;LATER: micropauze over 5 minuten</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;STATISTIEKEN...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Instellingen voor typen</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>toegestane &amp;MINUTEN</translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation>&amp;%1 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation>POSITIE als standaard opslaan</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>trovel starten bij &amp;AANMELDEN</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>trovel &amp;PAUZEREN</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Versie 2.0; disclaimer tonen...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Bezoek ons: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>bezoek onze site %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>vantor-alarmpictogram (trovel uitschakelen)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>als de afbeelding bestaat, toon haar (alarm)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;AFSLUITEN/sluiten/trovel stoppen</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>het programma stoppen</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>neem een micropauze</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Kan %1 niet afspelen: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>De pauze stopt niet vanzelf: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>wachten zolang een GESPREK de MICROFOON of camera gebruikt</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUZE voor</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>tot morgen</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>ANDERE SCHERMEN bedekken tijdens de micropauze</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>deze desktop vertelt trovel niet hoe lang u weg bent geweest</translation>
    </message>
</context>
</TS>
