<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="1">
        <source>PARVEX PX-4410 FM handheld radio programming software</source>
        <translation>PARVEX PX-4410 FM handheld radio programming software</translation>
    </message>
    <message id="2">
        <source>New</source>
        <translation>New</translation>
    </message>
    <message id="3">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="4">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="5">
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
    <message id="6">
        <source>Write to radio</source>
        <translation>Write to radio</translation>
    </message>
    <message id="7">
        <source>Channel editor</source>
        <translation>Channel editor</translation>
    </message>
    <message id="8">
        <source>Function options</source>
        <translation>Function options</translation>
    </message>
    <message id="9">
        <source>Power adjustment</source>
        <translation>Power adjustment</translation>
    </message>
    <message id="10">
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message id="11">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="12">
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message id="13">
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message id="14">
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message id="15">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="16">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="17">
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
    <message id="18">
        <source>Write to radio</source>
        <translation>Write to radio</translation>
    </message>
    <message id="19">
        <source>Channel editor</source>
        <translation>Channel editor</translation>
    </message>
    <message id="20">
        <source>Function options</source>
        <translation>Function options</translation>
    </message>
    <message id="21">
        <source>Power adjustment</source>
        <translation>Power adjustment</translation>
    </message>
    <message id="22">
        <source>Serial port</source>
        <translation>Serial port</translation>
    </message>
    <message id="23">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="24">
        <source>&amp;Contents...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message id="25">
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message id="26">
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message id="27">
        <source>Changing the model clears all channels and function options. Continue?</source>
        <translation>Changing the model clears all channels and function options. Continue?</translation>
    </message>
    <message id="28">
        <source>New clears all channels and function options. Continue?</source>
        <translation>New clears all channels and function options. Continue?</translation>
    </message>
    <message id="29">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="30">
        <source>Channel editor</source>
        <translation>Channel editor</translation>
    </message>
    <message id="31">
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message id="32">
        <source>Channel up</source>
        <translation>Channel up</translation>
    </message>
    <message id="33">
        <source>Channel down</source>
        <translation>Channel down</translation>
    </message>
    <message id="34">
        <source>Delete channel</source>
        <translation>Delete channel</translation>
    </message>
    <message id="35">
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message id="36">
        <source>RX freq</source>
        <translation>RX freq</translation>
    </message>
    <message id="37">
        <source>RX tone</source>
        <translation>RX tone</translation>
    </message>
    <message id="38">
        <source>TX freq</source>
        <translation>TX freq</translation>
    </message>
    <message id="39">
        <source>TX tone</source>
        <translation>TX tone</translation>
    </message>
    <message id="40">
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message id="41">
        <source>Scan add</source>
        <translation>Scan add</translation>
    </message>
    <message id="42">
        <source>Busy lock</source>
        <translation>Busy lock</translation>
    </message>
    <message id="43">
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message id="44">
        <source>High</source>
        <translation>High</translation>
    </message>
    <message id="45">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="46">
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message id="48">
        <source>Function options</source>
        <translation>Function options</translation>
    </message>
    <message id="49">
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message id="50">
        <source>Battery save</source>
        <translation>Battery save</translation>
    </message>
    <message id="51">
        <source>TX time-out</source>
        <translation>TX time-out</translation>
    </message>
    <message id="52">
        <source>Voice prompt</source>
        <translation>Voice prompt</translation>
    </message>
    <message id="53">
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message id="54">
        <source>Alarm key</source>
        <translation>Alarm key</translation>
    </message>
    <message id="55">
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message id="56">
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message id="57">
        <source>2 min</source>
        <translation>2 min</translation>
    </message>
    <message id="58">
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message id="59">
        <source>4 min</source>
        <translation>4 min</translation>
    </message>
    <message id="60">
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message id="61">
        <source>6 min</source>
        <translation>6 min</translation>
    </message>
    <message id="62">
        <source>7 min</source>
        <translation>7 min</translation>
    </message>
    <message id="63">
        <source>Chinese, male</source>
        <translation>Chinese, male</translation>
    </message>
    <message id="64">
        <source>English, male</source>
        <translation>English, male</translation>
    </message>
    <message id="65">
        <source>Chinese, female</source>
        <translation>Chinese, female</translation>
    </message>
    <message id="66">
        <source>English, female</source>
        <translation>English, female</translation>
    </message>
    <message id="67">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="68">
        <source>Sodrake two-way radio programming software</source>
        <translation>Sodrake two-way radio programming software</translation>
    </message>
    <message id="69">
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message id="70">
        <source>Copyright © 2026 Vantrel</source>
        <translation>Copyright © 2026 Vantrel</translation>
    </message>
    <message id="71">
        <source>Vantrel Radio Software</source>
        <translation>Vantrel Radio Software</translation>
    </message>
    <message id="72">
        <source>High power:</source>
        <translation>High power:</translation>
    </message>
    <message id="73">
        <source>Low voltage:</source>
        <translation>Low voltage:</translation>
    </message>
    <message id="74">
        <source>Low power:</source>
        <translation>Low power:</translation>
    </message>
    <message id="75">
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message id="76">
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message id="77">
        <source>Successful: </source>
        <translation>Successful: </translation>
    </message>
    <message id="78">
        <source>Communication with the radio failed. Check the cable and that the radio is switched on.</source>
        <translation>Communication with the radio failed. Check the cable and that the radio is switched on.</translation>
    </message>
    <message id="79">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="80">
        <source>The serial port cannot be opened: it does not exist or another program is using it.</source>
        <translation>The serial port cannot be opened: it does not exist or another program is using it.</translation>
    </message>
    <message id="81">
        <source>Serial port</source>
        <translation>Serial port</translation>
    </message>
</context>
</TS>
