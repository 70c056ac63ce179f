<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>Dziś: %1, pominięte: %2, %3; pisanie: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n przerwa zrobiona</numerusform>
            <numerusform>%n przerwy zrobione</numerusform>
            <numerusform>%n przerw zrobionych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n naturalna przerwa</numerusform>
            <numerusform>%n naturalne przerwy</numerusform>
            <numerusform>%n naturalnych przerw</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Obraz JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Obraz BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>przerwy zrobione</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>przerwy naturalne</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>przerwy pominięte</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>pisanie (prawa oś)</translation>
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
        <translation>Nie można uruchamiać trovel przy logowaniu z %1: ścieżka zawiera znak, którego wpis pulpitu nie może przechować</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Nie można zapisać do</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Nie można usunąć</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>wstrzymano do %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>mikroprzerwa: pozostały czas</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Obraz:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Statystyki Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; &amp;Starsze</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>&amp;Nowsze &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Eksportuj CSV...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>przeciągnij tutaj, aby przesunąć to okno.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>zmień ustawienia<byte value="xd"/>
zapisane w c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;dalej</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>kliknij tutaj, aby otworzyć menu<byte value="xd"/>
ustawienia zapisane w<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>gdy widać dłonie, możesz pisać i używać myszy (faza zielona)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Menu Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>otwiera menu ze wszystkimi ustawieniami i poleceniami</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>dłonie: zielone, gdy możesz pisać</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>pozostała część odliczania</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>procent odliczania<byte value="xd"/>
zielony   : możesz pisać<byte value="xd"/>
czerwony: zrób przerwę (10 sekund przed końcem, dodatkowa przerwa)<byte value="xd"/>
[żółty: program wstrzymany, działasz na własną rękę]<byte value="xd"/>
jeśli palce bolą w fazie zielonej, zmniejsz liczbę minut!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>odliczanie</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>pozostały czas</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;pisz</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>pominięte</translation>
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
        <translation>Trovel to małe darmowe
narzędzie, które
przypomina o mikro-
przerwach, przeciw
bólowi palców i
nadgarstków.

Nie daje żadnej
gwarancji: nie obiecuje
zapobiec dolegliwości
ani jej wyleczyć.
Jeśli ci nie pomaga,
nie używaj go.

Możesz je rozdawać,
ale nie sprzedawać.

Przyślij nam swoje
uwagi i odwiedź
naszą stronę:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>obraz przerwy</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>zegar</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>odwiedź naszą stronę %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Zrób mikroprzerwę</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Ustawienia przerwy (mikroprzerwa/okno przypomnienia)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTY mikroprzerwy (1, 2 lub 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuta</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 minuty</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minut</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>O&amp;dtwarzaj plik wav/mp3 na początku mikroprzerwy</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Kliknij tutaj, aby wybrać plik wav/mp3 do odtworzenia...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>pokazuj okno przypomnienia podczas mikroprzerwy</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>okno przypomnienia na &amp;środku ekranu</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>rozmiar okna przypomnienia (pełny/ćwiartka/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>ekran/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>ekran/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>ekran/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>pokazuj &amp;OBRAZY z folderu obrazów</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Kliknij tutaj, aby wybrać folder obrazów...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>kliknij tutaj, aby wybrać plik obrazu</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>pokazuj obrazy w &amp;losowej kolejności</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>zamiast w oryginalnej kolejności</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>pokazuj ZEGAR (zamiast obrazów)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>pokazuj zegar w pobliżu pełnej godziny i wpół do</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>licz czas &amp;NIEOBECNOŚCI jako mikroprzerwę</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>mikroprzerwa liczy się tylko z RĘKAMI W SPOCZYNKU</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>czekaj, gdy inny program jest na &amp;PEŁNYM EKRANIE</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>&amp;zapisz bieżące położenie okna przypomnienia</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>&amp;WRÓĆ DO PISANIA (pomiń przerwę)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;PÓŹNIEJ: mikroprzerwa za 5 minut</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;STATYSTYKI...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Ustawienia pisania</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>dozwolone &amp;MINUTY</translation>
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
        <translation>zapisz POŁOŻENIE jako domyślne</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>uruchamiaj trovel przy &amp;LOGOWANIU</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>&amp;WSTRZYMAJ trovel</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Wersja 2.0; pokaż zastrzeżenia...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Odwiedź nas: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>odwiedź naszą stronę %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>ikona alarmu vantor (wyłącz trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>jeśli obraz istnieje, pokaż go (alarm)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;ZAKOŃCZ/zamknij/zatrzymaj trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>zatrzymaj program</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>zrób mikroprzerwę</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Nie można odtworzyć %1: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>Przerwa nie skończy się sama: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>czekaj, gdy ROZMOWA używa MIKROFONU lub kamery</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PRZERWA na</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>do jutra</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>zasłaniaj INNE EKRANY podczas mikroprzerwy</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>ten pulpit nie mówi trovel, jak długo cię nie było</translation>
    </message>
</context>
</TS>
