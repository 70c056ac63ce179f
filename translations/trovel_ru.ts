<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>Сегодня: %1, пропущено: %2, %3; набор текста: %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>%n перерыв сделан</numerusform>
            <numerusform>%n перерыва сделано</numerusform>
            <numerusform>%n перерывов сделано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>%n естественный перерыв</numerusform>
            <numerusform>%n естественных перерыва</numerusform>
            <numerusform>%n естественных перерывов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>Изображение JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>Изображение BMP (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>сделанные перерывы</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>естественные перерывы</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>пропущенные перерывы</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>набор текста (правая ось)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 ч %2</translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation>Не удаётся запускать trovel при входе в систему из %1: путь содержит символ, который нельзя сохранить в файле .desktop</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>Не удаётся создать папку</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>Не удаётся записать в</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>Не удаётся удалить</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>пауза до %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>микропауза: осталось времени</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>Изображение:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Статистика Trovel</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; &amp;Раньше</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>&amp;Позже &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Экспорт в CSV...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>чтобы переместить окно, тяните здесь.</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>изменить настройки<byte value="xd"/>
хранятся в c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Ещё</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>нажмите здесь для меню<byte value="xd"/>
настройки хранятся в<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>пока видны руки, можно печатать и пользоваться мышью (зелёная фаза)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Меню Trovel</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>открывает меню со всеми настройками и командами</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>руки: зелёные, пока можно печатать</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>остаток обратного отсчёта</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>процент обратного отсчёта<byte value="xd"/>
зелёный : можно печатать<byte value="xd"/>
красный : пора отдохнуть (за 10 секунд до конца, дополнительный перерыв)<byte value="xd"/>
[жёлтый: программа на паузе, вы сами по себе]<byte value="xd"/>
если пальцы болят в зелёной фазе, уменьшите число минут!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>обратный отсчёт</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>осталось времени</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>&amp;ввод</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>пропущено</translation>
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
        <translation>Trovel — небольшая
бесплатная программа,
которая напоминает
о микропаузах, против
боли в пальцах и
запястьях.

Она не даёт никаких
гарантий: не обещает
ни предотвратить, ни
вылечить недуг. Если
она вам не помогает,
не пользуйтесь ею.

Её можно дарить, но
нельзя продавать.

Пишите нам о том, что
найдёте, и заходите
на наш сайт:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>картинка перерыва</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>часы</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>заходите на наш сайт %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL Сделать микропаузу</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>Настройки перерыва (микропауза/окно напоминания)</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>МИНУТЫ микропаузы (1, 2 или 5)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 минута</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>&amp;2 минуты</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 минут</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>&amp;Воспроизводить файл wav/mp3 в начале микропаузы</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>Нажмите здесь, чтобы выбрать файл wav/mp3...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>показывать окно напоминания во время микропаузы</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>окно напоминания по &amp;центру экрана</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>размер окна напоминания (весь/четверть/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Весь экран</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>экран/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>экран/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>экран/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>показывать &amp;КАРТИНКИ из папки с картинками</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>Нажмите здесь, чтобы выбрать папку с картинками...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>нажмите здесь, чтобы выбрать файл картинки</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>показывать картинки в &amp;случайном порядке</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>вместо исходного порядка</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>показывать ЧАСЫ (вместо картинок)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>показывать часы ближе к началу и середине часа</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>считать время &amp;ОТСУТСТВИЯ микропаузой</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>микропауза считается, только если РУКИ СВОБОДНЫ</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>ждать, пока другая программа в &amp;ПОЛНОЭКРАННОМ режиме</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>&amp;запомнить текущее положение окна напоминания</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>&amp;ПЕЧАТАТЬ дальше (пропустить перерыв)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>&amp;ОТЛОЖИТЬ: микропауза через 5 минут</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>&amp;СТАТИСТИКА...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>Настройки набора</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>разрешено &amp;МИНУТ</translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation>&amp;%1 мин</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 мин</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 мин</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation>запомнить ПОЛОЖЕНИЕ по умолчанию</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>запускать trovel при &amp;ВХОДЕ в систему</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>поставить trovel на &amp;ПАУЗУ</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>Версия 2.0; показать отказ от ответственности...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>Заходите к нам: %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>заходите на наш сайт %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>значок тревоги vantor (отключить trovel)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>если картинка есть, показать её (тревога)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>&amp;ВЫХОД/закрыть/остановить trovel</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>остановить программу</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>сделайте микропаузу</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Не удаётся воспроизвести %1: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>Пауза не закончится сама: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>ждать, пока ЗВОНОК использует МИКРОФОН или камеру</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>ПАУЗА на</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 минут</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 часа</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>до завтра</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>закрывать ДРУГИЕ ЭКРАНЫ во время микропаузы</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>этот рабочий стол не сообщает trovel, как долго вас не было</translation>
    </message>
</context>
</TS>
