<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Aujourd&apos;hui : %1, %2 ignorées, %3 ; %4 de frappe</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n pause prise</numerusform>
            <numerusform>%n pauses prises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n pause naturelle</numerusform>
            <numerusform>%n pauses naturelles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Image JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Image BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>pauses prises</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>pauses naturelles</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>pauses ignorées</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>frappe (axe de droite)</translation>
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
        <translation>Impossible de lancer trovel à l&apos;ouverture de session depuis %1 : le chemin contient un caractère qu&apos;une entrée de bureau ne peut pas stocker</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Impossible d&apos;écrire dans</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Impossible de supprimer</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>en pause jusqu’à %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>micropause : temps restant</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Statistiques de Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; Plus &amp;anciens</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>Plus &amp;récents &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>faites glisser ici pour déplacer cette fenêtre.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>modifier les réglages<byte value="xd"/>
enregistrés dans c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suiv</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>cliquez ici pour le menu<byte value="xd"/>
réglages enregistrés dans<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>tant que les mains sont affichées, vous pouvez taper et utiliser la souris (phase verte)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Menu de Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>ouvre le menu avec tous les réglages et commandes</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>mains : vertes tant que vous pouvez taper</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>reste du compte à rebours</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>pourcentage du compte à rebours<byte value="xd"/>
vert    : vous pouvez taper<byte value="xd"/>
rouge : faites une pause (10 secondes avant la fin, pause en plus)<byte value="xd"/>
[jaune : programme en pause, vous êtes livré à vous-même]<byte value="xd"/>
si vos doigts vous font mal en phase verte, réduisez le nombre de minutes !</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>compte à rebours</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>temps restant</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;taper</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>ignorées</translation>
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
        <translation>Trovel est un petit
outil gratuit qui vous
rappelle de faire des
micropauses, contre
les douleurs aux
doigts et aux poignets.

Il est fourni sans
aucune garantie : il ne
promet ni d&apos;éviter ni
de guérir le mal. S&apos;il
ne vous aide pas, ne
l&apos;utilisez pas.

Vous pouvez le donner,
mais pas le vendre.

Envoyez-nous vos
remarques et visitez
notre site :
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>image de pause</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>visitez notre site %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Faire une micropause</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Réglages de la pause (micropause/fenêtre de rappel)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTES de micropause (1, 2 ou 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minute</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 minutes</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minutes</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>&amp;Jouer un fichier wav/mp3 au début de la micropause</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Cliquez ici pour choisir le fichier wav/mp3 à jouer...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>afficher la fenêtre de rappel pendant la micropause</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>&amp;centrer la fenêtre de rappel à l&apos;écran</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>taille de la fenêtre de rappel (plein écran/quart/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>écran/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>écran/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>écran/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>afficher les &amp;IMAGES du dossier d&apos;images</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Cliquez ici pour choisir le dossier d&apos;images...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>cliquez ici pour choisir un fichier image</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>afficher les images dans un &amp;ordre aléatoire</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>au lieu de l&apos;ordre d&apos;origine</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>afficher l&apos;HORLOGE (au lieu des images)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>afficher l&apos;horloge vers l&apos;heure pile et la demie</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>compter le temps d&apos;&amp;ABSENCE comme micropause</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>la micropause ne compte que MAINS AU REPOS</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>attendre quand un autre programme est en plein &amp;ÉCRAN</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>enregistrer la position actuelle de la fenêtre de &amp;rappel</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>reprendre la &amp;FRAPPE (ignorer la pause)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;PLUS TARD : micropause dans 5 minutes</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;STATISTIQUES...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Réglages de la frappe</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>&amp;MINUTES autorisées</translation>
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
        <translation>enregistrer la POSITION par défaut</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>lancer trovel à l&apos;ou&amp;verture de session</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>mettre trovel en &amp;PAUSE</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Version 2.0 ; afficher la clause de non-responsabilité...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Visitez-nous : %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>visitez notre site %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>icône d&apos;alarme vantor (désactiver trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>si l&apos;image existe, l&apos;afficher (alarme)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;QUITTER/fermer/arrêter trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>arrêter le programme</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>faites une micropause</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Impossible de jouer %1 : %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>La pause ne se terminera pas d’elle-même : %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>attendre pendant qu’un APPEL utilise le MICRO ou la caméra</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUSE pendant</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>jusqu’à demain</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>couvrir les AUTRES ÉCRANS pendant la micropause</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>ce bureau n’indique pas à trovel depuis combien de temps vous êtes absent</translation>
    </message>
</context>
</TS>
