<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>trovel::DayTotals</name>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>Today: %1, %2 ignored, %3; %4 typing</source>
        <translation>今日: %1、無視 %2 回、%3、入力 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rests taken</source>
        <translation>
            <numerusform>休憩 %n 回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n natural breaks</source>
        <translation>
            <numerusform>自然な休憩 %n 回</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trovel::Dialogs</name>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG 画像ファイル (*.jpg)</translation>
    </message>
    <message>
        <source>BMP Image File (*.bmp)</source>
        <translation>BMP 画像ファイル (*.bmp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>trovel::HistoryChart</name>
    <message>
        <source>rests taken</source>
        <translation>取った休憩</translation>
    </message>
    <message>
        <source>natural breaks</source>
        <translation>自然な休憩</translation>
    </message>
    <message>
        <source>rests ignored</source>
        <translation>無視した休憩</translation>
    </message>
    <message>
        <source>typing (right axis)</source>
        <translation>入力 (右軸)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1時間%2</translation>
    </message>
</context>
<context>
    <name>trovel::Messages</name>
    <message>
        <source>Unable to start trovel at login from %1: the path holds a character a desktop entry cannot store</source>
        <translation>%1 からログイン時に trovel を起動できません: パスにデスクトップエントリーに保存できない文字が含まれています</translation>
    </message>
    <message>
        <source>Unable to create the folder</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Unable to write to</source>
        <translation>書き込めません</translation>
    </message>
    <message>
        <source>Unable to remove</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>paused until %1</source>
        <translation>%1 まで一時停止</translation>
    </message>
    <message>
        <source>micropause: time left</source>
        <translation>マイクロポーズ: 残り時間</translation>
    </message>
</context>
<context>
    <name>trovel::PicturePreview</name>
    <message>
        <source>Picture:</source>
        <translation>画像:</translation>
    </message>
</context>
<context>
    <name>trovel::StatisticsWindow</name>
    <message>
        <source>Trovel statistics</source>
        <translation>Trovel の統計</translation>
    </message>
    <message>
        <source>&lt; &amp;Older</source>
        <translation>&lt; 前へ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Newer &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV にエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ～ %2</translation>
    </message>
</context>
<context>
    <name>trovel::TForm1</name>
    <message>
        <source>if you want to move this form drag here.</source>
        <translation>このウィンドウを動かすにはここをドラッグします。</translation>
    </message>
    <message>
        <source>change settings<byte value="xd"/>
stored in c:/win.../trv-timer.ini</source>
        <translation>設定を変更<byte value="xd"/>
保存先 c:/win.../trv-timer.ini</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>press here for popup menu<byte value="xd"/>
settings stored in<byte value="xd"/>
c:\win..\trovel.ini</source>
        <translation>ここを押すとメニュー<byte value="xd"/>
設定の保存先<byte value="xd"/>
c:\win..\trovel.ini</translation>
    </message>
    <message>
        <source>if hands are shown, you are allowed to type/mouse (green phase)</source>
        <translation>手が表示されている間は、キーボードとマウスを使えます (緑のフェーズ)</translation>
    </message>
    <message>
        <source>Trovel menu</source>
        <translation>Trovel メニュー</translation>
    </message>
    <message>
        <source>opens the menu with every setting and command</source>
        <translation>すべての設定とコマンドのメニューを開きます</translation>
    </message>
    <message>
        <source>hands: green while you may type</source>
        <translation>手: 入力してよい間は緑</translation>
    </message>
    <message>
        <source>countdown left</source>
        <translation>カウントダウンの残り</translation>
    </message>
    <message>
        <source>percentage of the countdown<byte value="xd"/>
green : you can type/type<byte value="xd"/>
red     : you should pause (10 seconds before end, extra pause)<byte value="xd"/>
[yellow: program is paused, you are on your own]<byte value="xd"/>
if fingers hurt during green phase, decrease number of minutes!</source>
        <translation>カウントダウンの割合<byte value="xd"/>
緑 : 入力できます<byte value="xd"/>
赤 : 休憩してください (終了 10 秒前、追加の休憩)<byte value="xd"/>
[黄: プログラムは一時停止中、ご自身で管理してください]<byte value="xd"/>
緑のフェーズで指が痛むなら、分数を減らしてください!</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>&amp;type</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>breaks ignored</source>
        <translation>無視した休憩</translation>
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
        <translation>Trovel は小さな無料の
ツールで、マイクロ
休憩を思い出させ、
指や手首の痛みを
防ぐために作られ
ました。

保証は一切ありません。
症状の予防や治療を
約束するものでは
ありません。役に立た
なければ使わないで
ください。

配布は自由ですが、
販売はできません。

気づいたことをお送り
いただき、サイトにも
お越しください:
</translation>
    </message>
    <message>
        <source>rest picture</source>
        <translation>休憩の画像</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>please visit our site %1</source>
        <translation>サイトにお越しください %1</translation>
    </message>
    <message>
        <source>&amp;TROVEL Take microbreak</source>
        <translation>&amp;TROVEL 今すぐマイクロ休憩</translation>
    </message>
    <message>
        <source>Rest (micropause/nag) settings</source>
        <translation>休憩 (マイクロ休憩/通知ウィンドウ) の設定</translation>
    </message>
    <message>
        <source>MINUTES of micropause (1, 2 or 5)</source>
        <translation>マイクロ休憩の長さ (1、2、5 分)</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>1 分(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2 minutes</source>
        <translation>2 分(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>5 分(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;Play wav/mp3 file at startof micropause</source>
        <translation>マイクロ休憩の開始時に wav/mp3 を再生(&amp;P)</translation>
    </message>
    <message>
        <source>Click here to select wav/mp3 file to play...</source>
        <translation>ここをクリックして再生する wav/mp3 ファイルを選択...</translation>
    </message>
    <message>
        <source>show nagwindow during micropause</source>
        <translation>マイクロ休憩中に通知ウィンドウを表示</translation>
    </message>
    <message>
        <source>use screen &amp;Center for nagwindow</source>
        <translation>通知ウィンドウを画面中央に表示(&amp;C)</translation>
    </message>
    <message>
        <source>size of nagwindow (full/quarter/...)</source>
        <translation>通知ウィンドウのサイズ (全体/4分の1/...)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全画面(&amp;F)</translation>
    </message>
    <message>
        <source>screen/4</source>
        <translation>画面/4</translation>
    </message>
    <message>
        <source>screen/8</source>
        <translation>画面/8</translation>
    </message>
    <message>
        <source>screen/16</source>
        <translation>画面/16</translation>
    </message>
    <message>
        <source>show &amp;IMAGES from image-directory</source>
        <translation>画像フォルダーの画像を表示(&amp;I)</translation>
    </message>
    <message>
        <source>Click here to set image-directory...</source>
        <translation>ここをクリックして画像フォルダーを設定...</translation>
    </message>
    <message>
        <source>klick here to select one imagefile</source>
        <translation>ここをクリックして画像ファイルを 1 つ選択</translation>
    </message>
    <message>
        <source>show images in rand&amp;Om order</source>
        <translation>画像をランダムな順序で表示(&amp;O)</translation>
    </message>
    <message>
        <source>instead of original consecutive order</source>
        <translation>元の順番どおりではなく</translation>
    </message>
    <message>
        <source>show CLOCK (instead of images)</source>
        <translation>時計を表示 (画像の代わりに)</translation>
    </message>
    <message>
        <source>show clock when near half/whole hour</source>
        <translation>正時と 30 分の近くで時計を表示</translation>
    </message>
    <message>
        <source>count time &amp;AWAY as micropause</source>
        <translation>離席時間をマイクロ休憩に数える(&amp;A)</translation>
    </message>
    <message>
        <source>micropause counts only with HANDS OFF</source>
        <translation>手を離している間だけマイクロ休憩を数える</translation>
    </message>
    <message>
        <source>wait while another program is &amp;FULL SCREEN</source>
        <translation>他のプログラムが全画面の間は待つ(&amp;F)</translation>
    </message>
    <message>
        <source>store current position for &amp;Nag-window</source>
        <translation>通知ウィンドウの現在位置を保存(&amp;N)</translation>
    </message>
    <message>
        <source>start &amp;TYPING (ignore break)</source>
        <translation>タイピングを再開 (休憩を無視)(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;LATER: micropause in 5 minutes</source>
        <translation>後で(&amp;L): 5 分後にマイクロ休憩</translation>
    </message>
    <message>
        <source>&amp;STATISTICS...</source>
        <translation>統計(&amp;S)...</translation>
    </message>
    <message>
        <source>Type settings</source>
        <translation>タイピングの設定</translation>
    </message>
    <message>
        <source>&amp;MINUTES allowed</source>
        <translation>許可する分数(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;%1 min</source>
        <translation>%1 分(&amp;%1)</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 分</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分</translation>
    </message>
    <message>
        <source>store POSITION as default</source>
        <translation>位置を既定として保存</translation>
    </message>
    <message>
        <source>start trovel at &amp;LOGIN</source>
        <translation>ログイン時に trovel を起動(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;PAUSE trovel</source>
        <translation>trovel を一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Version 2.0; Show disclaimer....</source>
        <translation>バージョン 2.0; 免責事項を表示...</translation>
    </message>
    <message>
        <source>Visit us %1</source>
        <translation>サイトへどうぞ %1</translation>
    </message>
    <message>
        <source>visit our site %1</source>
        <translation>サイトにアクセス %1</translation>
    </message>
    <message>
        <source>vantor alarm icon (disable trovel)</source>
        <translation>vantor アラームアイコン (trovel を無効化)</translation>
    </message>
    <message>
        <source>if image exists then show it (alarm)</source>
        <translation>画像があれば表示 (アラーム)</translation>
    </message>
    <message>
        <source>E&amp;XIT/close/stop trovel</source>
        <translation>終了/閉じる/trovel を停止(&amp;X)</translation>
    </message>
    <message>
        <source>stop the program</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>take a micropause</source>
        <translation>マイクロ休憩を取りましょう</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>%1 を再生できません: %2</translation>
    </message>
    <message>
        <source>The pause will not end by itself: %1</source>
        <translation>一時停止は自動では終わりません: %1</translation>
    </message>
    <message>
        <source>wait while a CALL uses the MICROPHONE or camera</source>
        <translation>通話がマイクやカメラを使っている間は待つ</translation>
    </message>
    <message>
        <source>PAUSE for</source>
        <translation>一時停止する時間</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 分</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 時間</translation>
    </message>
    <message>
        <source>until tomorrow</source>
        <translation>明日まで</translation>
    </message>
    <message>
        <source>cover OTHER SCREENS during micropause</source>
        <translation>マイクロポーズ中はほかの画面も覆う</translation>
    </message>
    <message>
        <source>this desktop does not tell trovel how long you have been away</source>
        <translation>このデスクトップは離席時間を trovel に伝えません</translation>
    </message>
</context>
</TS>
