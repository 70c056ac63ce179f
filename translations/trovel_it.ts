<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>Oggi: %1, %2 ignorate, %3; %4 di digitazione</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n pausa fatta</numerusform>
            <numerusform>%n pause fatte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n pausa naturale</numerusform>
            <numerusform>%n pause naturali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Immagine JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Immagine BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>pause fatte</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>pause naturali</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>pause ignorate</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>digitazione (asse destro)</translation>
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
        <translation>Impossibile avviare trovel all&apos;accesso da %1: il percorso contiene un carattere che una voce desktop non può memorizzare</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Impossibile scrivere su</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Impossibile rimuovere</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere su %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>in pausa fino alle %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>micropausa: tempo rimanente</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Statistiche di Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; Più &amp;vecchi</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>Più &amp;recenti &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>trascina da qui per spostare questa finestra.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>modifica le impostazioni<byte value="xd"/>
salvate in c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Poi</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>premi qui per il menu<byte value="xd"/>
impostazioni salvate in<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>finché si vedono le mani, puoi digitare e usare il mouse (fase verde)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Menu di Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>apre il menu con tutte le impostazioni e i comandi</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>mani: verdi finché puoi digitare</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>conto alla rovescia rimasto</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>percentuale del conto alla rovescia<byte value="xd"/>
verde  : puoi digitare<byte value="xd"/>
rosso : dovresti fare una pausa (10 secondi prima della fine, pausa extra)<byte value="xd"/>
[giallo: programma in pausa, sei per conto tuo]<byte value="xd"/>
se le dita fanno male nella fase verde, riduci il numero di minuti!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>conto alla rovescia</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>tempo rimasto</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;scrivi</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>ignorate</translation>
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
        <translation>Trovel è un piccolo
programma gratuito che
ti ricorda di fare
micropause, contro il
dolore a dita e polsi.

È fornito senza alcuna
garanzia: non promette
di prevenire né di
curare il disturbo.
Se non ti aiuta, non
usarlo.

Puoi regalarlo, ma
non venderlo.

Scrivici cosa trovi
e visita il nostro
sito:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>immagine della pausa</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>orologio</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>visita il nostro sito %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Fai una micropausa</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Impostazioni della pausa (micropausa/finestra di avviso)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTI di micropausa (1, 2 o 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuto</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 minuti</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minuti</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>&amp;Riproduci un file wav/mp3 all&apos;inizio della micropausa</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Fai clic qui per scegliere il file wav/mp3 da riprodurre...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>mostra la finestra di avviso durante la micropausa</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>finestra di avviso al &amp;centro dello schermo</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>dimensione della finestra di avviso (intera/quarto/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>schermo/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>schermo/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>schermo/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>mostra &amp;IMMAGINI dalla cartella delle immagini</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Fai clic qui per scegliere la cartella delle immagini...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>fai clic qui per scegliere un file immagine</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>mostra le immagini in &amp;ordine casuale</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>invece dell&apos;ordine originale</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>mostra l&apos;OROLOGIO (invece delle immagini)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>mostra l&apos;orologio vicino all&apos;ora esatta e alla mezza</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>conta il tempo &amp;ASSENTE come micropausa</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>la micropausa conta solo a MANI FERME</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>attendi mentre un altro programma è a &amp;SCHERMO INTERO</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>salva la posizione attuale della &amp;finestra di avviso</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>riprendi a &amp;DIGITARE (ignora la pausa)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;PIÙ TARDI: micropausa tra 5 minuti</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;STATISTICHE...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Impostazioni di digitazione</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>&amp;MINUTI consentiti</translation>
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
        <translation>salva la POSIZIONE come predefinita</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>avvia trovel all&apos;&amp;ACCESSO</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>metti in &amp;PAUSA trovel</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Versione 2.0; mostra le avvertenze...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Visitaci: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>visita il nostro sito %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>icona d&apos;allarme vantor (disattiva trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>se l&apos;immagine esiste, mostrala (allarme)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;ESCI/chiudi/ferma trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>ferma il programma</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>fai una micropausa</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Impossibile riprodurre %1: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>La pausa non terminerà da sola: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>attendere mentre una CHIAMATA usa il MICROFONO o la videocamera</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUSA per</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>fino a domani</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>coprire gli ALTRI SCHERMI durante la micropausa</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>questo desktop non dice a trovel da quanto tempo sei assente</translation>
    </message>
</context>
</TS>
