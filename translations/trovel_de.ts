<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>Heute: %1, %2 übersprungen, %3; %4 getippt</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n Pause gemacht</numerusform>
            <numerusform>%n Pausen gemacht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n natürliche Pause</numerusform>
            <numerusform>%n natürliche Pausen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG-Bilddatei (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>BMP-Bilddatei (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>Pausen gemacht</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>natürliche Pausen</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>Pausen übersprungen</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>Tippen (rechte Achse)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 h %2</translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation>Trovel kann nicht aus %1 bei der Anmeldung gestartet werden: Der Pfad enthält ein Zeichen, das ein Desktop-Eintrag nicht speichern kann</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Fehler beim Anlegen des Ordners</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Fehler beim Entfernen von</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>pausiert bis %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>Mikropause: verbleibende Zeit</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Trovel-Statistik</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; Ä&amp;lter</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>&amp;Neuer &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>Zum Verschieben des Fensters hier ziehen.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>Einstellungen ändern<byte value="xd"/>
gespeichert in c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>hier drücken für das Menü<byte value="xd"/>
Einstellungen gespeichert in<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>Solange die Hände zu sehen sind, dürfen Sie tippen und die Maus benutzen (grüne Phase)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Trovel-Menü</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>öffnet das Menü mit allen Einstellungen und Befehlen</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>Hände: grün, solange Sie tippen dürfen</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>Restzeit des Countdowns</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>Anteil des Countdowns<byte value="xd"/>
grün : Sie können tippen<byte value="xd"/>
rot    : Sie sollten pausieren (10 Sekunden vor dem Ende, Extrapause)<byte value="xd"/>
[gelb: Programm pausiert, Sie sind auf sich gestellt]<byte value="xd"/>
Wenn die Finger in der grünen Phase schmerzen, verringern Sie die Minutenzahl!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>verbleibende Zeit</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;los</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>übersprungen</translation>
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
        <translation>Trovel ist ein kleines
freies Werkzeug, das
an Mikropausen
erinnert, gemacht
gegen Schmerzen in
Fingern und Hand-
gelenken.

Es kommt ohne jede
Garantie: Es verspricht
nicht, die Beschwerden
zu verhindern oder zu
heilen. Wenn es Ihnen
nicht hilft, benutzen
Sie es nicht.

Sie dürfen es weiter-
geben, aber nicht
verkaufen.

Bitte schreiben Sie
uns, was Sie finden,
und besuchen Sie
unsere Website:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>Pausenbild</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>Besuchen Sie unsere Website %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Mikropause machen</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Einstellungen der Pause (Mikropause/Hinweisfenster)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTEN Mikropause (1, 2 oder 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 Minute</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 Minuten</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 Minuten</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>wav/mp3-Datei zu Beginn der Mikropause ab&amp;spielen</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Hier klicken, um die abzuspielende wav/mp3-Datei zu wählen...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>Hinweisfenster während der Mikropause zeigen</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>Hinweisfenster in der Bildschirm&amp;mitte</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>Größe des Hinweisfensters (voll/Viertel/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>Bildschirm/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>Bildschirm/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>Bildschirm/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>&amp;BILDER aus dem Bilderordner zeigen</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Hier klicken, um den Bilderordner festzulegen...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>hier klicken, um eine Bilddatei zu wählen</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>Bilder in &amp;zufälliger Reihenfolge zeigen</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>statt in der ursprünglichen Reihenfolge</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>UHR zeigen (statt Bildern)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>Uhr zur vollen und halben Stunde zeigen</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>Zeit der &amp;ABWESENHEIT als Mikropause zählen</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>Mikropause zählt nur, wenn die HÄNDE RUHEN</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>warten, solange ein anderes Programm im &amp;VOLLBILD läuft</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>aktuelle Position des &amp;Hinweisfensters speichern</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>&amp;WEITERTIPPEN (Pause übergehen)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>S&amp;PÄTER: Mikropause in 5 Minuten</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;STATISTIK...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Einstellungen fürs Tippen</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>erlaubte &amp;MINUTEN</translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation>&amp;%1 Min.</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 Min.</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation>POSITION als Standard speichern</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>trovel bei der &amp;ANMELDUNG starten</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>trovel &amp;PAUSIEREN</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Version 2.0; Haftungsausschluss zeigen...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Besuchen Sie uns: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>Besuchen Sie unsere Website %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>vantor-Alarmsymbol (trovel abschalten)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>zeigen, wenn das Bild vorhanden ist (Alarm)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;BEENDEN/schließen/trovel stoppen</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>das Programm beenden</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>Machen Sie eine Mikropause</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>%1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>Die Pause endet nicht von selbst: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>warten, solange ein ANRUF MIKROFON oder Kamera nutzt</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUSE für</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>bis morgen</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>ANDERE BILDSCHIRME während der Mikropause abdecken</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>dieser Desktop sagt trovel nicht, wie lange Sie weg waren</translation>
    </message>
</context>
</TS>
