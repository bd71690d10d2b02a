<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>settings (Projects.ini, Quorvex.ini, profiles): %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>parameter sets: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>traces: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 (the CAN switch opens this one)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>AdapterSource</name>
    <message>
        <source>demo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>trace: %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help, the CAN plugins and the interfaces found.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port 29536 unless given, e.g. socketcand:127.0.0.1/can0), or 'demo' for the built-in demo bus. Without it: every interface of the installed hardware plugins and every attached serial-line adapter the tool recognises.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Serial port for the Modbus link (e.g. /dev/ttyUSB0); without it COM port n is /dev/ttyS&lt;n-1&gt;.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Switch CAN on at start.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the device window of every row in use at start.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>At exit, write the monitor's figures (frames received, longest gap between ticks, peak bus load, error frames, frames dropped) to this file.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>End the program after this many milliseconds.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Record the bus into this candump log from the start (appended to when it exists).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Share the bus the tool has open with socketcand clients (raw mode, bus can0) on [ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), port 0 lets the system choose; at most 8 clients. Every frame the tool receives or sends goes to each client; clients may not send unless --serve-socketcand-write.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Let the socketcand clients send frames onto the bus through the open adapter.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. Default: the program's folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Show this trace file (candump log or ASC) in a trace view window at start, without playing it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Language of the windows and messages for this run: ru (Russian) or en (English). Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else the windows' captions as written and the other texts in the system's language.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CANQuorvex: service tool for ZELM control devices on a CAN bus.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--lang %1: expected ru (Russian) or en (English)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--can %1: %2 is %3, not a trace file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--open-trace %1: no such file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--open-trace %1: it is %2, not a trace file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--folder %1: no such folder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--record %1: that is the trace file --can trace: plays; recording into it would play its own recording again and again. Choose another file.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>BusHealthPanel</name>
    <message>
        <source>Bus</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the one the switch opens with</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The highest bus load of any second since the CAN switch was turned on.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rx/Tx</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frames per second over the last second: received from the bus / sent by this tool.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frames lost since the CAN switch was turned on: received frames the tool dropped because its receive queue was full, plus the overruns the adapter reported (at least one frame each). When it is not 0, the monitor has not seen everything.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Error frames the adapter reported since the CAN switch was turned on, and below them the kind of the last one (bit error, stuff error, form error, CRC error, ACK missing, bus off, overrun, …).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>overrun</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The adapter reported an overrun in the last second: it lost frames, so the load was at least %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The frames of the last second add up to %1 of the bit rate, more than a bus can carry: the adapter runs at another bit rate, or hands over frames that did not all come from the bus.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Last error: %1

%2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bus load over the last second, in percent of the bit rate (%1): every frame received and sent, counted at its longest possible length on the wire with stuff bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, an extended one 80 plus 10 per byte); at most 100 %, "%2" when the adapter lost frames.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The adapter's state on the bus, as its plugin reports it or, where it cannot, as its error frames tell it:
%1: normal;
%2: many errors (an error counter at 96 or more);
%3: more errors (128 or more), the adapter no longer flags errors;
%4: the adapter has left the bus;
%5: neither has told yet;
%6: none is open, or the open one went away.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>BusSharing</name>
    <message>
        <source>canquorvex: sharing the bus: %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FixedCaption</name>
    <message>
        <source>+ + Add project + +</source>
        <translation>+ + Add project + +</translation>
    </message>
    <message>
        <source> Проект </source>
        <translation> Project </translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Прием &lt;-- СУ</source>
        <translation>Reception &lt;-- CU</translation>
    </message>
    <message>
        <source>Передача --&gt; СУ</source>
        <translation>Transmission --&gt; CU</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Can Speed</source>
        <translation>Can Speed</translation>
    </message>
    <message>
        <source>CAN on</source>
        <translation>CAN on</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>UART</source>
        <translation>UART</translation>
    </message>
    <message>
        <source>Com:</source>
        <translation>Com:</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>LockRS</source>
        <translation>LockRS</translation>
    </message>
    <message>
        <source>TimeWait</source>
        <translation>TimeWait</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>canquorvex: the settings folder: %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TCANQuorvex</name>
    <message>
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under "%1", and again to close it. The "%2" panel shows which adapter.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The bit rate the CAN switch opens the adapter with.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The project chosen in the list above (its section in Projects.ini).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The project's base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A further identifier of the project (CommAdr), empty when it has none.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Identifier the device receives on (from this tool): lit blue when a frame with it is seen.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Identifier the device sends on: lit green when a frame with it is seen.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The device's serial (RS) address.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The device's name.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>"%1" opens the device's window.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the device's window: its registers, writes and commands.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The sample projects %1 cannot be read: %2.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is not a regular file; the sample was not copied.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 cannot be kept as %2; the sample was not copied.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>no adapter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No CAN adapter is offered (canquorvex --help lists the plugins; --can demo plays the demo bus).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The adapter in use: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1: the value %2 of "ProjectNum" in section [Projects] is not a valid project number (0 to %3). No project is selected; choose one from the list.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>While changing to project "%1":</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the adapter library is not loaded</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>no CAN adapter found (canquorvex --help lists them; --can demo plays the demo bus)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No CAN adapter is open: %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A CAN adapter is open.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CANQuorvex: %1; the renamed command captions were not saved.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The renamed command captions are not saved. Make the file writable and close again, or close without saving them.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CANQuorvex: signal %1, closing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hide the UART panel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Show the UART panel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit projects…</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TFirstStartOffer</name>
    <message>
        <source>Start from the sample project</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the folder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 names no project yet.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>There is no Projects.ini yet. It belongs in %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Start from the sample project: example projects whose devices the demo bus plays (canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the folder, put your Projects.ini there and restart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copies the sample Projects.ini over %1 (the file as it is now is kept as Projects.ini.bak).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copies the sample Projects.ini to %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Opens %1 in the file manager.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TProjectEditor</name>
    <message>
        <source>Edit projects - %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Projects</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3: extended identifiers (device number in bits 24-28); any other number: the standard layout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The first reception identifier of the standard layout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Transmission identifier minus reception identifier in the standard layout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A further identifier shown in the header; 0x00000000 shows nothing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Base identifier</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Transmission offset</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Further identifier</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RS</source>
        <translation type="unfinished">RS</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reception</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Transmission</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Command captions</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>… and %1 more</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Correct the values marked red to save</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TTracePlot</name>
    <message>
        <source>Reading %1…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trend - %1 (row %2)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TTraceTools</name>
    <message>
        <source>Cannot record: the traces folder %1 cannot be created.</source>
        <translation type="unfinished" />
    </message>
    <message numerus="yes">
        <source>Recording into %1: %n frames. Click to stop.</source>
        <translation><numerusform>Recording into %1: %n frame. Click to stop.</numerusform><numerusform>Recording into %1: %n frames. Click to stop.</numerusform></translation>
    </message>
    <message>
        <source>Record the bus into a new file of %1 (right-click to choose the folder).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Traces folder: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Choose the traces folder…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open the traces folder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Traces folder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The selected rows hold no register of a device of project "%1".</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trace view</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play a trace…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open a trace…</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TUartPanel</name>
    <message>
        <source>Abort</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>
