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
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message id="33">
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message id="34">
        <source>Delete</source>
        <translation>Delete</translation>
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
        <source>Scan</source>
        <translation>Scan</translation>
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
        <source>Sodrake radio programming</source>
        <translation>Sodrake radio programming</translation>
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
        <source>Done: </source>
        <translation>Done: </translation>
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
    <message id="82">
        <source>&amp;Export channels as CSV...</source>
        <translation>&amp;Export channels as CSV...</translation>
    </message>
    <message id="83">
        <source>&amp;Import channels from CSV...</source>
        <translation>&amp;Import channels from CSV...</translation>
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
        <translation>Line %1 of the file holds bytes that are not GBK text</translation>
    </message>
    <message id="88">
        <source>'%1' cannot be written in the GBK character set</source>
        <translation>'%1' cannot be written in the GBK character set</translation>
    </message>
    <message id="89">
        <source>Line %1, column %2: %3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message id="90">
        <source>expected the header row %1</source>
        <translation>expected the header row %1</translation>
    </message>
    <message id="91">
        <source>expected %1 fields, found %2</source>
        <translation>expected %1 fields, found %2</translation>
    </message>
    <message id="92">
        <source>a quoted field is not closed</source>
        <translation>a quoted field is not closed</translation>
    </message>
    <message id="93">
        <source>'%1' is not a channel number from 1 to 16</source>
        <translation>'%1' is not a channel number from 1 to 16</translation>
    </message>
    <message id="94">
        <source>channel %1 appears more than once</source>
        <translation>channel %1 appears more than once</translation>
    </message>
    <message id="95">
        <source>'%1' is not a frequency from 100.00000 to 550.00000 MHz</source>
        <translation>'%1' is not a frequency from 100.00000 to 550.00000 MHz</translation>
    </message>
    <message id="96">
        <source>'%1' is not OFF or a tone of the tone list</source>
        <translation>'%1' is not OFF or a tone of the tone list</translation>
    </message>
    <message id="97">
        <source>'%1' is not High or Low</source>
        <translation>'%1' is not High or Low</translation>
    </message>
    <message id="98">
        <source>'%1' is not ON or OFF</source>
        <translation>'%1' is not ON or OFF</translation>
    </message>
    <message id="99">
        <source>a channel needs its first frequency</source>
        <translation>a channel needs its first frequency</translation>
    </message>
    <message id="100">
        <source>the line is not UTF-8 text</source>
        <translation>the line is not UTF-8 text</translation>
    </message>
    <message id="101">
        <source>The serial device %1 does not exist. Is the programming cable plugged in?</source>
        <translation>The serial device %1 does not exist. Is the programming cable plugged in?</translation>
    </message>
    <message id="102">
        <source>The serial device %1 is in use by another program. Close that program, then try again.</source>
        <translation>The serial device %1 is in use by another program. Close that program, then try again.</translation>
    </message>
    <message id="103">
        <source>You have no permission to use the serial device %1. Add your user to the dialout group (sudo adduser $USER dialout), then log out and log in again.</source>
        <translation>You have no permission to use the serial device %1. Add your user to the dialout group (sudo adduser $USER dialout), then log out and log in again.</translation>
    </message>
    <message id="104">
        <source>The serial device %1 cannot be opened: %2</source>
        <translation>The serial device %1 cannot be opened: %2</translation>
    </message>
    <message id="105">
        <source>The connection to the radio on %1 was lost. Check that the programming cable is plugged in, then try again.</source>
        <translation>The connection to the radio on %1 was lost. Check that the programming cable is plugged in, then try again.</translation>
    </message>
    <message id="106">
        <source>Sending to the radio on %1 failed: %2</source>
        <translation>Sending to the radio on %1 failed: %2</translation>
    </message>
    <message id="107">
        <source>The transfer was stopped.</source>
        <translation>The transfer was stopped.</translation>
    </message>
    <message id="108">
        <source>The serial port is not open.</source>
        <translation>The serial port is not open.</translation>
    </message>
    <message id="109">
        <source>The radio sent a %1 that cannot be read (%2).</source>
        <translation>The radio sent a %1 that cannot be read (%2).</translation>
    </message>
    <message id="110">
        <source>nothing received</source>
        <translation>nothing received</translation>
    </message>
    <message id="111">
        <source>Channel %1, %2: "%3" cannot be written to the radio.</source>
        <translation>Channel %1, %2: "%3" cannot be written to the radio.</translation>
    </message>
    <message id="112">
        <source>The %1 setting (entry %2) cannot be written to the radio.</source>
        <translation>The %1 setting (entry %2) cannot be written to the radio.</translation>
    </message>
    <message id="113">
        <source>The band "%1" cannot be written to the radio; choose a band such as 136-174MHz.</source>
        <translation>The band "%1" cannot be written to the radio; choose a band such as 136-174MHz.</translation>
    </message>
    <message id="114">
        <source>The power values %1 and %2 (0 to 255) with low-voltage level %3 (0 to 2) cannot be written to the radio.</source>
        <translation>The power values %1 and %2 (0 to 255) with low-voltage level %3 (0 to 2) cannot be written to the radio.</translation>
    </message>
    <message id="115">
        <source>column %1</source>
        <translation>column %1</translation>
    </message>
    <message id="116">
        <source>frequency</source>
        <translation>frequency</translation>
    </message>
    <message id="117">
        <source>squelch tone</source>
        <translation>squelch tone</translation>
    </message>
    <message id="118">
        <source>function options</source>
        <translation>function options</translation>
    </message>
    <message id="119">
        <source>band</source>
        <translation>band</translation>
    </message>
    <message id="120">
        <source>power calibration</source>
        <translation>power calibration</translation>
    </message>
    <message id="121">
        <source>squelch level</source>
        <translation>squelch level</translation>
    </message>
    <message id="122">
        <source>battery saving</source>
        <translation>battery saving</translation>
    </message>
    <message id="123">
        <source>time-out</source>
        <translation>time-out</translation>
    </message>
    <message id="124">
        <source>voice prompt</source>
        <translation>voice prompt</translation>
    </message>
    <message id="125">
        <source>prompt tone</source>
        <translation>prompt tone</translation>
    </message>
    <message id="126">
        <source>alarm key</source>
        <translation>alarm key</translation>
    </message>
    <message id="127">
        <source>scanning</source>
        <translation>scanning</translation>
    </message>
    <message id="128">
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message id="129">
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message id="130">
        <source>usage: vantrel-cli %1 %2</source>
        <translation>usage: vantrel-cli %1 %2</translation>
    </message>
    <message id="131">
        <source>unknown command '%1' (see vantrel-cli --help)</source>
        <translation>unknown command '%1' (see vantrel-cli --help)</translation>
    </message>
    <message id="132">
        <source>no command given (see vantrel-cli --help)</source>
        <translation>no command given (see vantrel-cli --help)</translation>
    </message>
    <message id="133">
        <source>Usage: vantrel-cli COMMAND ARGUMENTS...
Works with Vantrel codeplug files (.qcf) and the radio from scripts.
DEVICE is a serial device path; 1 to 4 stand for the ports COM1 to COM4.

Commands:
</source>
        <translation>Usage: vantrel-cli COMMAND ARGUMENTS...
Works with Vantrel codeplug files (.qcf) and the radio from scripts.
DEVICE is a serial device path; 1 to 4 stand for the ports COM1 to COM4.

Commands:
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
Options:
  -h, --help  show this text

Exit status: 0 success, 1 the radio did not answer as expected (or
--verify found differences), 2 wrong usage, 3 a file could not be
read or written, or its content is not valid.
</translation>
    </message>
    <message id="135">
        <source>wrong arguments for '%1' (see vantrel-cli --help)</source>
        <translation>wrong arguments for '%1' (see vantrel-cli --help)</translation>
    </message>
    <message id="136">
        <source>the radio did not answer as expected</source>
        <translation>the radio did not answer as expected</translation>
    </message>
    <message id="137">
        <source>verify: %1 differ: wrote %2, the radio holds %3</source>
        <translation>verify: %1 differ: wrote %2, the radio holds %3</translation>
    </message>
    <message id="138">
        <source>--set takes HIGH and LOW power 0..255 and LEVEL 0..2, not '%1'</source>
        <translation>--set takes HIGH and LOW power 0..255 and LEVEL 0..2, not '%1'</translation>
    </message>
    <message id="139">
        <source>high power: %1
low power: %2
low-voltage level: %3
</source>
        <translation>high power: %1
low power: %2
low-voltage level: %3
</translation>
    </message>
    <message id="140">
        <source>unknown option '%1'</source>
        <translation>unknown option '%1'</translation>
    </message>
    <message id="141">
        <source>%1 needs %2 value(s)</source>
        <translation>%1 needs %2 value(s)</translation>
    </message>
    <message id="142">
        <source>--lang takes chinese or english, not '%1'</source>
        <translation>--lang takes chinese or english, not '%1'</translation>
    </message>
    <message id="143">
        <source>channel %1 frequencies</source>
        <translation>channel %1 frequencies</translation>
    </message>
    <message id="144">
        <source>channel %1 tones and flags</source>
        <translation>channel %1 tones and flags</translation>
    </message>
    <message id="145">
        <source>options</source>
        <translation>options</translation>
    </message>
    <message id="146">
        <source>band</source>
        <translation>band</translation>
    </message>
    <message id="147">
        <source>reading</source>
        <translation>reading</translation>
    </message>
    <message id="148">
        <source>verifying</source>
        <translation>verifying</translation>
    </message>
    <message id="149">
        <source>writing</source>
        <translation>writing</translation>
    </message>
    <message id="150">
        <source>Writes the channels of a codeplug file as CSV (UTF-8, English words).</source>
        <translation>Writes the channels of a codeplug file as CSV (UTF-8, English words).</translation>
    </message>
    <message id="151">
        <source>Writes a codeplug file with the channels of the CSV file and the band
and options of BASE.qcf, its words in the language of BASE.qcf.
Every CSV row is checked first; the first error is named by line
and column and nothing is written.</source>
        <translation>Writes a codeplug file with the channels of the CSV file and the band
and options of BASE.qcf, its words in the language of BASE.qcf.
Every CSV row is checked first; the first error is named by line
and column and nothing is written.</translation>
    </message>
    <message id="152">
        <source>Reads the whole radio and writes it as a codeplug file, as Save does,
its words in the language given (default: the system's). No file is
written when the read fails.</source>
        <translation>Reads the whole radio and writes it as a codeplug file, as Save does,
its words in the language given (default: the system's). No file is
written when the read fails.</translation>
    </message>
    <message id="153">
        <source>Checks the whole file, then writes its band, options and channels to
the radio; words of either language are understood. --verify reads
the radio back and lists every block that differs.</source>
        <translation>Checks the whole file, then writes its band, options and channels to
the radio; words of either language are understood. --verify reads
the radio back and lists every block that differs.</translation>
    </message>
    <message id="154">
        <source>Prints the high and the low transmit power (0..255) and the
low-voltage level (0..2); --set writes them.</source>
        <translation>Prints the high and the low transmit power (0..255) and the
low-voltage level (0..2); --set writes them.</translation>
    </message>
    <message id="155">
        <source>No band is selected. Choose the radio's band in the main window, then write again.</source>
        <translation>No band is selected. Choose the radio's band in the main window, then write again.</translation>
    </message>
    <message id="156">
        <source>Enter both power values (0 to 255) before writing.</source>
        <translation>Enter both power values (0 to 255) before writing.</translation>
    </message>
    <message id="157">
        <source>The block %1 for address %2 cannot be sent to the radio.</source>
        <translation>The block %1 for address %2 cannot be sent to the radio.</translation>
    </message>
    <message id="158">
        <source>The radio did not answer as expected.</source>
        <translation>The radio did not answer as expected.</translation>
    </message>
    <message id="159">
        <source>The write was stopped before it finished. The radio now holds only part of the new data: write it again before using it.</source>
        <translation>The write was stopped before it finished. The radio now holds only part of the new data: write it again before using it.</translation>
    </message>
    <message id="160">
        <source>The radio did not answer the read of the %1 block.</source>
        <translation>The radio did not answer the read of the %1 block.</translation>
    </message>
    <message id="161">
        <source>Channel %1: %2</source>
        <translation>Channel %1: %2</translation>
    </message>
    <message id="162">
        <source>Line %1 of the file: the option value %2 is not one of 0 to %3</source>
        <translation>Line %1 of the file: the option value %2 is not one of 0 to %3</translation>
    </message>
</context>
</TS>
