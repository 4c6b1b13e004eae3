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
        <source>Channel up</source>
        <translation>信道上移</translation>
    </message>
    <message id="33">
        <source>Channel down</source>
        <translation>信道下移</translation>
    </message>
    <message id="34">
        <source>Delete channel</source>
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
        <source>Scan add</source>
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
        <source>Sodrake two-way radio programming software</source>
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
        <source>Successful: </source>
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
</context>
</TS>
