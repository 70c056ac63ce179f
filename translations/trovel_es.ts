<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Hoy: %1, %2 ignorados, %3; %4 escribiendo</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n descanso hecho</numerusform>
            <numerusform>%n descansos hechos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n pausa natural</numerusform>
            <numerusform>%n pausas naturales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Imagen JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Imagen BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>descansos hechos</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>pausas naturales</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>descansos ignorados</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>escritura (eje derecho)</translation>
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
        <translation>No se puede iniciar trovel al iniciar sesión desde %1: la ruta contiene un carácter que una entrada de escritorio no puede guardar</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>No se puede escribir en</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>No se puede eliminar</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>en pausa hasta las %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>micropausa: tiempo restante</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Estadísticas de Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; Más &amp;antiguos</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>Más &amp;recientes &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>arrastre desde aquí para mover esta ventana.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>cambiar la configuración<byte value="xd"/>
guardada en c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Sig.</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>pulse aquí para el menú<byte value="xd"/>
configuración guardada en<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>mientras se ven las manos, puede escribir y usar el ratón (fase verde)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Menú de Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>abre el menú con todos los ajustes y órdenes</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>manos: verdes mientras puede escribir</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>resto de la cuenta atrás</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>porcentaje de la cuenta atrás<byte value="xd"/>
verde     : puede escribir<byte value="xd"/>
rojo       : debería descansar (10 segundos antes del final, pausa extra)<byte value="xd"/>
[amarillo: programa en pausa, está por su cuenta]<byte value="xd"/>
¡si le duelen los dedos en la fase verde, reduzca el número de minutos!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>cuenta atrás</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>tiempo restante</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;sigue</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>ignorados</translation>
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
        <translation>Trovel es una pequeña
herramienta gratuita
que le recuerda hacer
micropausas, contra el
dolor de dedos y
muñecas.

Se ofrece sin ninguna
garantía: no promete
prevenir ni curar la
dolencia. Si no le
ayuda, no la use.

Puede regalarla, pero
no venderla.

Envíenos lo que
encuentre y visite
nuestro sitio:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>imagen de descanso</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>visite nuestro sitio %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Hacer una micropausa</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Ajustes del descanso (micropausa/ventana de aviso)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTOS de micropausa (1, 2 o 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuto</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 minutos</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minutos</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>&amp;Reproducir archivo wav/mp3 al empezar la micropausa</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Haga clic aquí para elegir el archivo wav/mp3...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>mostrar la ventana de aviso durante la micropausa</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>&amp;centrar la ventana de aviso en la pantalla</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>tamaño de la ventana de aviso (completa/cuarto/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>pantalla/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>pantalla/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>pantalla/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>mostrar &amp;IMÁGENES de la carpeta de imágenes</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Haga clic aquí para elegir la carpeta de imágenes...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>haga clic aquí para elegir un archivo de imagen</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>mostrar imágenes en &amp;orden aleatorio</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>en lugar del orden original</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>mostrar RELOJ (en lugar de imágenes)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>mostrar el reloj cerca de la hora en punto y la media</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>contar el tiempo &amp;AUSENTE como micropausa</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>la micropausa solo cuenta con las MANOS QUIETAS</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>esperar mientras otro programa está a &amp;PANTALLA COMPLETA</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>guardar la posición actual de la ventana de a&amp;viso</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>seguir &amp;ESCRIBIENDO (ignorar el descanso)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;MÁS TARDE: micropausa en 5 minutos</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>E&amp;STADÍSTICAS...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Ajustes de escritura</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>&amp;MINUTOS permitidos</translation>
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
        <translation>guardar la POSICIÓN como predeterminada</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>iniciar trovel al iniciar &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>&amp;PAUSAR trovel</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Versión 2.0; mostrar el aviso legal...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Visítenos: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>visite nuestro sitio %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>icono de alarma vantor (desactivar trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>si la imagen existe, mostrarla (alarma)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>SA&amp;LIR/cerrar/detener trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>detener el programa</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>haga una micropausa</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>No se puede reproducir %1: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>La pausa no terminará por sí sola: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>esperar mientras una LLAMADA usa el MICRÓFONO o la cámara</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUSA durante</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>hasta mañana</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>cubrir las OTRAS PANTALLAS durante la micropausa</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>este escritorio no le dice a trovel cuánto tiempo ha estado ausente</translation>
    </message>
</context>
</TS>
