<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="1">
        <source>PARVEX PX-4410 FM handheld radio programming software</source>
        <translation>PARVEX专用调频手持对讲机PX-4410编程软件</translation>
    </message>
    <message id="2">
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message id="3">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="4">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="5">
        <source>Read from radio</source>
        <translation>读频</translation>
    </message>
    <message id="6">
        <source>Write to radio</source>
        <translation>写频</translation>
    </message>
    <message id="7">
        <source>Channel editor</source>
        <translation>信道编辑</translation>
    </message>
    <message id="8">
        <source>Function options</source>
        <translation>功能选项</translation>
    </message>
    <message id="9">
        <source>Power adjustment</source>
        <translation>功率调整</translation>
    </message>
    <message id="10">
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message id="11">
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="12">
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message id="13">
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message id="14">
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message id="15">
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message id="16">
        <source>&amp;Edit</source>
        <translation>编辑(&amp;P)</translation>
    </message>
    <message id="17">
        <source>Read from radio</source>
        <translation>读频</translation>
    </message>
    <message id="18">
        <source>Write to radio</source>
        <translation>写频</translation>
    </message>
    <message id="19">
        <source>Channel editor</source>
        <translation>信道编辑</translation>
    </message>
    <message id="20">
        <source>Function options</source>
        <translation>功能选项</translation>
    </message>
    <message id="21">
        <source>Power adjustment</source>
        <translation>功率调整</translation>
    </message>
    <message id="22">
        <source>Serial port</source>
        <translation>通讯端口</translation>
    </message>
    <message id="23">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="24">
        <source>&amp;Contents...</source>
        <translation>帮助(&amp;C)...</translation>
    </message>
    <message id="25">
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message id="26">
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message id="27">
        <source>Changing the model clears all channels and function options. Continue?</source>
        <translation>更换型号将清除全部信道和功能选项，是否继续？</translation>
    </message>
    <message id="28">
        <source>New clears all channels and function options. Continue?</source>
        <translation>新建将清除全部信道和功能选项，是否继续？</translation>
    </message>
    <message id="29">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="30">
        <source>Channel editor</source>
        <translation>信道编辑</translation>
    </message>
    <message id="31">
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message id="32">
        <source>Move up</source>
        <translation>信道上移</translation>
    </message>
    <message id="33">
        <source>Move down</source>
        <translation>信道下移</translation>
    </message>
    <message id="34">
        <source>Delete</source>
        <translation>信道删除</translation>
    </message>
    <message id="35">
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message id="36">
        <source>RX freq</source>
        <translation>接收频率</translation>
    </message>
    <message id="37">
        <source>RX tone</source>
        <translation>接收亚音</translation>
    </message>
    <message id="38">
        <source>TX freq</source>
        <translation>发射频率</translation>
    </message>
    <message id="39">
        <source>TX tone</source>
        <translation>发射亚音</translation>
    </message>
    <message id="40">
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message id="41">
        <source>Scan</source>
        <translation>扫描添加</translation>
    </message>
    <message id="42">
        <source>Busy lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message id="43">
        <source>OFF</source>
        <translation>禁用</translation>
    </message>
    <message id="44">
        <source>High</source>
        <translation>高功率</translation>
    </message>
    <message id="45">
        <source>Low</source>
        <translation>低功率</translation>
    </message>
    <message id="46">
        <source>ON</source>
        <translation>启用</translation>
    </message>
    <message id="48">
        <source>Function options</source>
        <translation>功能选项</translation>
    </message>
    <message id="49">
        <source>Squelch</source>
        <translation>静噪电平</translation>
    </message>
    <message id="50">
        <source>Battery save</source>
        <translation>电池省电</translation>
    </message>
    <message id="51">
        <source>TX time-out</source>
        <translation>超时禁发</translation>
    </message>
    <message id="52">
        <source>Voice prompt</source>
        <translation>语音通知</translation>
    </message>
    <message id="53">
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message id="54">
        <source>Alarm key</source>
        <translation>报警按键</translation>
    </message>
    <message id="55">
        <source>Scan</source>
        <translation>扫描允许</translation>
    </message>
    <message id="56">
        <source>1 min</source>
        <translation>1分钟</translation>
    </message>
    <message id="57">
        <source>2 min</source>
        <translation>2分钟</translation>
    </message>
    <message id="58">
        <source>3 min</source>
        <translation>3分钟</translation>
    </message>
    <message id="59">
        <source>4 min</source>
        <translation>4分钟</translation>
    </message>
    <message id="60">
        <source>5 min</source>
        <translation>5分钟</translation>
    </message>
    <message id="61">
        <source>6 min</source>
        <translation>6分钟</translation>
    </message>
    <message id="62">
        <source>7 min</source>
        <translation>7分钟</translation>
    </message>
    <message id="63">
        <source>Chinese, male</source>
        <translation>中文男声</translation>
    </message>
    <message id="64">
        <source>English, male</source>
        <translation>英文男声</translation>
    </message>
    <message id="65">
        <source>Chinese, female</source>
        <translation>中文女声</translation>
    </message>
    <message id="66">
        <source>English, female</source>
        <translation>英文女声</translation>
    </message>
    <message id="67">
        <source>&amp;Close</source>
        <translation>退出（&amp;C）</translation>
    </message>
    <message id="68">
        <source>Sodrake radio programming</source>
        <translation>Sodrake对讲机编程软件</translation>
    </message>
    <message id="69">
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message id="70">
        <source>Copyright © 2026 Vantrel</source>
        <translation>版权所有 © 2026 Vantrel</translation>
    </message>
    <message id="71">
        <source>Vantrel Radio Software</source>
        <translation>Vantrel 无线电软件</translation>
    </message>
    <message id="72">
        <source>High power:</source>
        <translation>高功率：</translation>
    </message>
    <message id="73">
        <source>Low voltage:</source>
        <translation>低电压：</translation>
    </message>
    <message id="74">
        <source>Low power:</source>
        <translation>低功率：</translation>
    </message>
    <message id="75">
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message id="76">
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message id="77">
        <source>Done: </source>
        <translation>成功次数:</translation>
    </message>
    <message id="78">
        <source>Communication with the radio failed. Check the cable and that the radio is switched on.</source>
        <translation>与对讲机通讯失败！请检查连接线，并确认对讲机已开机。</translation>
    </message>
    <message id="79">
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message id="80">
        <source>The serial port cannot be opened: it does not exist or another program is using it.</source>
        <translation>串口无法打开：端口不存在，或正被其他程序使用。</translation>
    </message>
    <message id="81">
        <source>Serial port</source>
        <translation>提示</translation>
    </message>
    <message id="82">
        <source>&amp;Export channels as CSV...</source>
        <translation>导出信道 CSV(&amp;E)...</translation>
    </message>
    <message id="83">
        <source>&amp;Import channels from CSV...</source>
        <translation>导入信道 CSV(&amp;I)...</translation>
    </message>
    <message id="84">
        <source>'%1' is not a valid floating point value</source>
        <translation>'%1' is not a valid floating point value</translation>
    </message>
    <message id="85">
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message id="86">
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' is not a valid integer value</translation>
    </message>
    <message id="87">
        <source>Line %1 of the file holds bytes that are not GBK text</source>
        <translation>文件第 %1 行含有非 GBK 编码的字节</translation>
    </message>
    <message id="88">
        <source>'%1' cannot be written in the GBK character set</source>
        <translation>'%1' 无法用 GBK 字符集保存</translation>
    </message>
    <message id="89">
        <source>Line %1, column %2: %3</source>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message id="90">
        <source>expected the header row %1</source>
        <translation>此处应为标题行 %1</translation>
    </message>
    <message id="91">
        <source>expected %1 fields, found %2</source>
        <translation>应有 %1 个字段，实际为 %2 个</translation>
    </message>
    <message id="92">
        <source>a quoted field is not closed</source>
        <translation>引号括起的字段没有结束</translation>
    </message>
    <message id="93">
        <source>'%1' is not a channel number from 1 to 16</source>
        <translation>'%1' 不是 1 到 16 之间的信道号</translation>
    </message>
    <message id="94">
        <source>channel %1 appears more than once</source>
        <translation>信道 %1 出现了不止一次</translation>
    </message>
    <message id="95">
        <source>'%1' is not a frequency from 100.00000 to 550.00000 MHz</source>
        <translation>'%1' 不是 100.00000 到 550.00000 MHz 之间的频率</translation>
    </message>
    <message id="96">
        <source>'%1' is not OFF or a tone of the tone list</source>
        <translation>'%1' 既不是 OFF，也不是亚音列表中的亚音</translation>
    </message>
    <message id="97">
        <source>'%1' is not High or Low</source>
        <translation>'%1' 既不是 High 也不是 Low</translation>
    </message>
    <message id="98">
        <source>'%1' is not ON or OFF</source>
        <translation>'%1' 既不是 ON 也不是 OFF</translation>
    </message>
    <message id="99">
        <source>a channel needs its first frequency</source>
        <translation>信道必须有第一个频率</translation>
    </message>
    <message id="100">
        <source>the line is not UTF-8 text</source>
        <translation>该行不是 UTF-8 文本</translation>
    </message>
    <message id="101">
        <source>The serial device %1 does not exist. Is the programming cable plugged in?</source>
        <translation>串口设备 %1 不存在。编程线是否已插好？</translation>
    </message>
    <message id="102">
        <source>The serial device %1 is in use by another program. Close that program, then try again.</source>
        <translation>串口设备 %1 正被其他程序使用。请关闭该程序后重试。</translation>
    </message>
    <message id="103">
        <source>You have no permission to use the serial device %1. Add your user to the dialout group (sudo adduser $USER dialout), then log out and log in again.</source>
        <translation>您没有使用串口设备 %1 的权限。请把您的用户加入 dialout 组（sudo adduser $USER dialout），然后注销并重新登录。</translation>
    </message>
    <message id="104">
        <source>The serial device %1 cannot be opened: %2</source>
        <translation>无法打开串口设备 %1：%2</translation>
    </message>
    <message id="105">
        <source>The connection to the radio on %1 was lost. Check that the programming cable is plugged in, then try again.</source>
        <translation>与 %1 上对讲机的连接已断开。请检查编程线是否插好，然后重试。</translation>
    </message>
    <message id="106">
        <source>Sending to the radio on %1 failed: %2</source>
        <translation>向 %1 上的对讲机发送失败：%2</translation>
    </message>
    <message id="107">
        <source>The transfer was stopped.</source>
        <translation>传输已停止。</translation>
    </message>
    <message id="108">
        <source>The serial port is not open.</source>
        <translation>串口没有打开。</translation>
    </message>
    <message id="109">
        <source>The radio sent a %1 that cannot be read (%2).</source>
        <translation>对讲机发来的%1无法识别（%2）。</translation>
    </message>
    <message id="110">
        <source>nothing received</source>
        <translation>没有收到数据</translation>
    </message>
    <message id="111">
        <source>Channel %1, %2: "%3" cannot be written to the radio.</source>
        <translation>信道 %1，%2：“%3”无法写入对讲机。</translation>
    </message>
    <message id="112">
        <source>The %1 setting (entry %2) cannot be written to the radio.</source>
        <translation>%1设置（第 %2 项）无法写入对讲机。</translation>
    </message>
    <message id="113">
        <source>The band "%1" cannot be written to the radio; choose a band such as 136-174MHz.</source>
        <translation>型号“%1”无法写入对讲机；请选择形如 136-174MHz 的型号。</translation>
    </message>
    <message id="114">
        <source>The power values %1 and %2 (0 to 255) with low-voltage level %3 (0 to 2) cannot be written to the radio.</source>
        <translation>功率值 %1 和 %2（0 到 255）及低电压等级 %3（0 到 2）无法写入对讲机。</translation>
    </message>
    <message id="115">
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message id="116">
        <source>frequency</source>
        <translation>频率</translation>
    </message>
    <message id="117">
        <source>squelch tone</source>
        <translation>亚音</translation>
    </message>
    <message id="118">
        <source>function options</source>
        <translation>功能选项</translation>
    </message>
    <message id="119">
        <source>band</source>
        <translation>型号</translation>
    </message>
    <message id="120">
        <source>power calibration</source>
        <translation>功率校准</translation>
    </message>
    <message id="121">
        <source>squelch level</source>
        <translation>静噪电平</translation>
    </message>
    <message id="122">
        <source>battery saving</source>
        <translation>电池省电</translation>
    </message>
    <message id="123">
        <source>time-out</source>
        <translation>超时禁发</translation>
    </message>
    <message id="124">
        <source>voice prompt</source>
        <translation>语音通知</translation>
    </message>
    <message id="125">
        <source>prompt tone</source>
        <translation>提示音</translation>
    </message>
    <message id="126">
        <source>alarm key</source>
        <translation>报警按键</translation>
    </message>
    <message id="127">
        <source>scanning</source>
        <translation>扫描允许</translation>
    </message>
    <message id="128">
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message id="129">
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message id="130">
        <source>usage: vantrel-cli %1 %2</source>
        <translation>用法：vantrel-cli %1 %2</translation>
    </message>
    <message id="131">
        <source>unknown command '%1' (see vantrel-cli --help)</source>
        <translation>未知命令 '%1'（参见 vantrel-cli --help）</translation>
    </message>
    <message id="132">
        <source>no command given (see vantrel-cli --help)</source>
        <translation>没有给出命令（参见 vantrel-cli --help）</translation>
    </message>
    <message id="133">
        <source>Usage: vantrel-cli COMMAND ARGUMENTS...
Works with Vantrel codeplug files (.qcf) and the radio from scripts.
DEVICE is a serial device path; 1 to 4 stand for the ports COM1 to COM4.

Commands:
</source>
        <translation>用法：vantrel-cli 命令 参数...
在脚本中处理 Vantrel 频率文件（.qcf）并读写对讲机。
DEVICE 是串口设备路径；1 到 4 代表端口 COM1 到 COM4。

命令：
</translation>
    </message>
    <message id="134">
        <source>
Options:
  -h, --help  show this text

Exit status: 0 success, 1 the radio did not answer as expected (or
--verify found differences), 2 wrong usage, 3 a file could not be
read or written, or its content is not valid.
</source>
        <translation>
选项：
  -h, --help  显示本说明

退出状态：0 成功，1 对讲机没有按预期应答（或 --verify 发现不同），
2 用法错误，3 文件无法读写或内容无效。
</translation>
    </message>
    <message id="135">
        <source>wrong arguments for '%1' (see vantrel-cli --help)</source>
        <translation>'%1' 的参数有误（参见 vantrel-cli --help）</translation>
    </message>
    <message id="136">
        <source>the radio did not answer as expected</source>
        <translation>对讲机没有按预期应答</translation>
    </message>
    <message id="137">
        <source>verify: %1 differ: wrote %2, the radio holds %3</source>
        <translation>校验：%1 不同：写入 %2，对讲机中为 %3</translation>
    </message>
    <message id="138">
        <source>--set takes HIGH and LOW power 0..255 and LEVEL 0..2, not '%1'</source>
        <translation>--set 需要高功率和低功率 0..255 及等级 0..2，而不是 '%1'</translation>
    </message>
    <message id="139">
        <source>high power: %1
low power: %2
low-voltage level: %3
</source>
        <translation>高功率：%1
低功率：%2
低电压等级：%3
</translation>
    </message>
    <message id="140">
        <source>unknown option '%1'</source>
        <translation>未知选项 '%1'</translation>
    </message>
    <message id="141">
        <source>%1 needs %2 value(s)</source>
        <translation>%1 需要 %2 个值</translation>
    </message>
    <message id="142">
        <source>--lang takes chinese or english, not '%1'</source>
        <translation>--lang 只能是 chinese 或 english，而不是 '%1'</translation>
    </message>
    <message id="143">
        <source>channel %1 frequencies</source>
        <translation>信道 %1 的频率</translation>
    </message>
    <message id="144">
        <source>channel %1 tones and flags</source>
        <translation>信道 %1 的亚音和标志</translation>
    </message>
    <message id="145">
        <source>options</source>
        <translation>功能选项</translation>
    </message>
    <message id="146">
        <source>band</source>
        <translation>型号</translation>
    </message>
    <message id="147">
        <source>reading</source>
        <translation>正在读取</translation>
    </message>
    <message id="148">
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message id="149">
        <source>writing</source>
        <translation>正在写入</translation>
    </message>
    <message id="150">
        <source>Writes the channels of a codeplug file as CSV (UTF-8, English words).</source>
        <translation>把频率文件的信道写成 CSV（UTF-8，英文词语）。</translation>
    </message>
    <message id="151">
        <source>Writes a codeplug file with the channels of the CSV file and the band
and options of BASE.qcf, its words in the language of BASE.qcf.
Every CSV row is checked first; the first error is named by line
and column and nothing is written.</source>
        <translation>用 CSV 文件的信道和 BASE.qcf 的型号与功能选项写出频率文件，
词语采用 BASE.qcf 的语言。先检查每一行 CSV；
发现第一个错误时指出其行和列，并且不写任何文件。</translation>
    </message>
    <message id="152">
        <source>Reads the whole radio and writes it as a codeplug file, as Save does,
its words in the language given (default: the system's). No file is
written when the read fails.</source>
        <translation>读取整台对讲机，并像"保存"一样写成频率文件，
词语采用给定的语言（默认为系统语言）。读取失败时不写文件。</translation>
    </message>
    <message id="153">
        <source>Checks the whole file, then writes its band, options and channels to
the radio; words of either language are understood. --verify reads
the radio back and lists every block that differs.</source>
        <translation>先检查整个文件，再把其中的型号、功能选项和信道写入对讲机；
两种语言的词语都能识别。--verify 会读回对讲机
并列出每个不同的数据块。</translation>
    </message>
    <message id="154">
        <source>Prints the high and the low transmit power (0..255) and the
low-voltage level (0..2); --set writes them.</source>
        <translation>显示高、低发射功率（0..255）和
低电压等级（0..2）；--set 写入这些值。</translation>
    </message>
    <message id="155">
        <source>No band is selected. Choose the radio's band in the main window, then write again.</source>
        <translation>没有选择型号。请在主窗口中选择对讲机的型号，然后再写频。</translation>
    </message>
    <message id="156">
        <source>Enter both power values (0 to 255) before writing.</source>
        <translation>写入前请填写两个功率值（0 到 255）。</translation>
    </message>
    <message id="157">
        <source>The block %1 for address %2 cannot be sent to the radio.</source>
        <translation>数据块 %1（地址 %2）无法发送给对讲机。</translation>
    </message>
    <message id="158">
        <source>The radio did not answer as expected.</source>
        <translation>对讲机没有按预期应答。</translation>
    </message>
    <message id="159">
        <source>The write was stopped before it finished. The radio now holds only part of the new data: write it again before using it.</source>
        <translation>写频在完成前被中止。对讲机现在只有部分新数据：请重新写频后再使用。</translation>
    </message>
    <message id="160">
        <source>The radio did not answer the read of the %1 block.</source>
        <translation>对讲机没有应答%1数据块的读取。</translation>
    </message>
    <message id="161">
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message id="162">
        <source>Line %1 of the file: the option value %2 is not one of 0 to %3</source>
        <translation>文件第 %1 行：选项值 %2 不在 0 到 %3 之间</translation>
    </message>
</context>
</TS>
