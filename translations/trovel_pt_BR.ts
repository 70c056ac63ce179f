<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Hoje: %1, %2 ignoradas, %3; %4 digitando</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n pausa feita</numerusform>
            <numerusform>%n pausas feitas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n pausa natural</numerusform>
            <numerusform>%n pausas naturais</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Imagem JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Imagem BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>pausas feitas</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>pausas naturais</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>pausas ignoradas</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>digitação (eixo direito)</translation>
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
        <translation>Não é possível iniciar o trovel no login a partir de %1: o caminho contém um caractere que uma entrada de desktop não consegue guardar</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Não é possível gravar em</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Não é possível remover</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>pausado até %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>micropausa: tempo restante</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Estatísticas do Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; Mais &amp;antigos</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>Mais &amp;recentes &gt;</translation>
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
        <translation>arraste aqui para mover esta janela.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>alterar configurações<byte value="xd"/>
salvas em c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próx</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>clique aqui para o menu<byte value="xd"/>
configurações salvas em<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>enquanto as mãos aparecem, você pode digitar e usar o mouse (fase verde)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Menu do Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>abre o menu com todas as configurações e comandos</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>mãos: verdes enquanto você pode digitar</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>restante da contagem regressiva</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>porcentagem da contagem regressiva<byte value="xd"/>
verde      : você pode digitar<byte value="xd"/>
vermelho: você deve pausar (10 segundos antes do fim, pausa extra)<byte value="xd"/>
[amarelo: programa pausado, você está por sua conta]<byte value="xd"/>
se os dedos doerem na fase verde, diminua o número de minutos!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>contagem regressiva</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>tempo restante</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;teclar</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>ignoradas</translation>
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
        <translation>Trovel é uma pequena
ferramenta gratuita que
lembra você de fazer
micropausas, contra a
dor nos dedos e nos
pulsos.

Ela vem sem nenhuma
garantia: não promete
prevenir nem curar o
problema. Se não
ajudar você, não a use.

Você pode distribuí-la,
mas não vendê-la.

Envie-nos o que você
encontrar e visite
nosso site:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>imagem da pausa</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>relógio</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>visite nosso site %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Fazer uma micropausa</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Configurações da pausa (micropausa/janela de aviso)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>MINUTOS de micropausa (1, 2 ou 5)</translation>
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
        <translation>&amp;Reproduzir arquivo wav/mp3 no início da micropausa</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Clique aqui para escolher o arquivo wav/mp3 a reproduzir...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>mostrar janela de aviso durante a micropausa</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>janela de aviso no &amp;centro da tela</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>tamanho da janela de aviso (inteira/quarto/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>tela/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>tela/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>tela/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>mostrar &amp;IMAGENS da pasta de imagens</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Clique aqui para escolher a pasta de imagens...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>clique aqui para escolher um arquivo de imagem</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>mostrar imagens em &amp;ordem aleatória</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>em vez da ordem original</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>mostrar RELÓGIO (em vez de imagens)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>mostrar relógio perto da hora cheia e da meia hora</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>contar tempo &amp;AUSENTE como micropausa</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>a micropausa só conta com as MÃOS PARADAS</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>esperar enquanto outro programa está em &amp;TELA CHEIA</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>salvar a posição atual da janela de a&amp;viso</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>voltar a &amp;DIGITAR (ignorar pausa)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;MAIS TARDE: micropausa em 5 minutos</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;ESTATÍSTICAS...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Configurações de digitação</translation>
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
        <translation>salvar a POSIÇÃO como padrão</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>iniciar o trovel no &amp;LOGIN</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>&amp;PAUSAR o trovel</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Versão 2.0; mostrar aviso legal...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Visite-nos: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>visite nosso site %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>ícone de alarme vantor (desativar trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>se a imagem existir, mostrá-la (alarme)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;SAIR/fechar/parar o trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>parar o programa</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>faça uma micropausa</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Não é possível reproduzir %1: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>A pausa não terminará sozinha: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>esperar enquanto uma CHAMADA usa o MICROFONE ou a câmera</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>PAUSA por</translation>
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
        <translation>até amanhã</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>cobrir as OUTRAS TELAS durante a micropausa</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>esta área de trabalho não informa ao trovel há quanto tempo você está ausente</translation>
    </message>
</context>
</TS>
