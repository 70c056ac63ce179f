<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
