<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n register(s)</source>
        <translation>
            <numerusform>%n register</numerusform>
            <numerusform>%n registers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frames</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Stay open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FixedCaption</name>
    <message>
        <source>CAN on</source>
        <translation>CAN on</translation>
    </message>
    <message>
        <source>Can Speed</source>
        <translation>Can Speed</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commands</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>The language choice could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language is applied at the next start of CANQuorvex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About CANQuorvex</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About CANQuorvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A service tool for ZELM control devices on a CAN bus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later. It uses Qt (LGPL-3), QCustomPlot (GPL-3) and SimpleIni (MIT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not told)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN adapters offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none found (canquorvex --help lists the plugins; --can demo plays the demo bus)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>CANQuorvex help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The README of CANQuorvex tells each function in full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; tells each function in full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: right-click its background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: right-click its background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What CANQuorvex can do, and where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most functions live in right-click menus on the windows&apos; background; Help and About are at the top of every one of them. Press F1 in any window for this help, Esc to close a dialog or tool window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: the list at the top left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the CAN adapter on and off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: the switch above &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: &quot;%1&quot;, before switching on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a device&apos;s window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: the &quot;%1&quot; button at the end of its row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus load, errors, bus state, the adapter in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: the &quot;Bus&quot; panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the bus into a trace file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: &quot;%1&quot; (right-click it for the folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace view (the frames as they come)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a trace file as the bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the adapter after a trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window&apos;s menu, or the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the UART panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write registers (address, up to four words)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: the editor at the top left, &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: &quot;%1&quot; with the period in 10 ms ticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: the &quot;%1&quot; buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: right-click the command button; Enter keeps, Esc drops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters view (named registers, values)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register map (a device profile)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save, compare and restore parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot a trend of the selected registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window, or right-click a cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the analog block over the serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: right-click the analog block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: double-click the log at the bottom left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every window, and the top of every right-click menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version, licence, folders and adapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;About CANQuorvex&quot; at the top of every right-click menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a dialog or tool window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dialog or tool window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script the tool (read, write, monitor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program canquorvex-cli (canquorvex-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the windows (Russian, English, or as specified)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Language&quot; at the top of every right-click menu; taken at the next start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecToggle</name>
    <message>
        <source>REC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTraceFileWindow</name>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Press Enter to filter the whole file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text in Decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only frames whose decoded words hold this text (any case). Press Enter to filter the whole file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to a time: a time of day (on the day of the first frame), a date and time (2024-12-08T09:26:40) or seconds as the trace states them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the registers of the selected rows over the trace&apos;s time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time: type 09:26:40.5, 2024-12-08T09:26:40 or seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row at or after %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row at or after %1 in the part indexed so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select rows with frames of a device to plot their registers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>filtering %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>indexing %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTracePlayerWindow</name>
    <message>
        <source>Play a trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trace chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTraceView</name>
    <message>
        <source>CANQuorvex trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop taking frames into the view (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the view (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Empty shows every frame. (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow newest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the newest frame in sight (End)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames shown, %2 kept (the last %3 at most)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; paused, %2 frames passed meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
