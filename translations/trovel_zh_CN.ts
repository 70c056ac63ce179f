<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>今天：%1，忽略 %2 次，%3；打字 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>已休息 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>自然休息 %n 次</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG 图像文件 (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>BMP 图像文件 (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>已休息</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>自然休息</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>已忽略休息</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>打字（右轴）</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1小时</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1小时%2</translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation>无法从 %1 设置登录时启动 trovel：路径中含有桌面条目无法保存的字符</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>无法删除</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>暂停至 %1</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>微休息：剩余时间</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Trovel 统计</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; 更早(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>更新(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>拖动此处可移动窗口。</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>更改设置<byte value="xd"/>
保存在 c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>点击此处打开菜单<byte value="xd"/>
设置保存在<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>显示双手时，您可以打字和使用鼠标（绿色阶段）</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Trovel 菜单</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>打开包含所有设置和命令的菜单</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>双手：可以打字时为绿色</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>剩余倒计时</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>倒计时百分比<byte value="xd"/>
绿色：可以打字<byte value="xd"/>
红色：应该休息（结束前 10 秒，额外休息）<byte value="xd"/>
[黄色：程序已暂停，请自行掌握]<byte value="xd"/>
如果在绿色阶段手指疼痛，请减少分钟数！</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>打字</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>已忽略休息</translation>
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
        <translation>Trovel 是一个小巧的
免费工具，提醒您
进行微休息，用来
缓解手指和手腕的
疼痛。

本工具不提供任何
保证：它不承诺预防
或治愈病痛。如果它
对您没有帮助，请勿
使用。

您可以免费分发，
但不得出售。

欢迎把您的发现告诉
我们，并访问我们的
网站：
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>休息图片</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>请访问我们的网站 %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL 立即微休息</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>休息（微休息/提醒窗口）设置</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>微休息分钟数（1、2 或 5）</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>1 分钟(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>2 分钟(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>5 分钟(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>微休息开始时播放 wav/mp3 文件(&amp;P)</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>点击此处选择要播放的 wav/mp3 文件...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>微休息期间显示提醒窗口</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>提醒窗口居中显示(&amp;C)</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>提醒窗口大小（全屏/四分之一/...）</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>屏幕/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>屏幕/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>屏幕/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>显示图片文件夹中的图片(&amp;I)</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>点击此处设置图片文件夹...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>点击此处选择一个图片文件</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>随机顺序显示图片(&amp;O)</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>而不是原来的顺序</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>显示时钟（代替图片）</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>接近整点和半点时显示时钟</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>离开的时间计为微休息(&amp;A)</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>仅在双手离开时计算微休息</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>其他程序全屏时等待(&amp;F)</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>保存提醒窗口的当前位置(&amp;N)</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>开始打字（忽略休息）(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>稍后(&amp;L)：5 分钟后微休息</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>统计(&amp;S)...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>打字设置</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>允许的分钟数(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation>%1 分钟(&amp;%1)</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 分钟</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation>将位置保存为默认</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>登录时启动 trovel(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>暂停 trovel(&amp;P)</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>版本 2.0；显示免责声明...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>访问我们 %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>访问我们的网站 %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>vantor 警报图标（禁用 trovel）</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>如果图片存在则显示（警报）</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>退出/关闭/停止 trovel(&amp;X)</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>停止程序</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>请进行微休息</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>无法播放 %1：%2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>暂停不会自动结束：%1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>通话使用麦克风或摄像头时等待</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>暂停时长</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 小时</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>直到明天</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>微休息时遮住其他屏幕</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>此桌面不会告诉 trovel 您离开了多久</translation>
    </message>
</context>
</TS>
