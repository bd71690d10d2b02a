<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>settings (Projects.ini, Quorvex.ini, profiles): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameter sets: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>traces: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the CAN switch opens this one)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdapterSource</name>
    <message>
        <source>demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message>
        <source>1 register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoCanBusDevice</name>
    <message>
        <source>The demo bus is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
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
    <name>SlcanCanBusDevice</name>
    <message>
        <source>SLCAN adapter %1: the adapters have no command for %2 bit/s (they offer 10k, 20k, 50k, 100k, 125k, 250k, 500k, 800k and 1M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot open the serial port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot set the serial port to %2 baud: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the serial port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the adapter refused it (BEL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serial port went away (unplugged?): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serial port failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the adapter refused a frame (BEL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serial port is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1 is not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot write to the serial port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit queue full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SocketcandCanBusDevice</name>
    <message>
        <source>socketcand server %1, bus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the connection: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was lost: the server closed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;&lt; error %2 &gt;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;%2&quot; instead of &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the server reports &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (and %1 more since the last report)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server has not answered for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the server is not taking frames (%2 bytes wait to be sent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write to the connection: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server reports &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Errors reported by the server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (last: &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Messages not understood: %1, garbage skipped: %2</source>
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
    <name>TCANQuorvex</name>
    <message>
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;Can Speed&quot;, and again to close it. The &quot;Bus&quot; panel shows which adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bit rate the CAN switch opens the adapter with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project chosen in the list above (its section in Projects.ini).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project&apos;s base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A further identifier of the project (CommAdr), empty when it has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier the device receives on (from this tool): lit blue when a frame with it is seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier the device sends on: lit green when a frame with it is seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s serial (RS) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;S&quot; opens the device&apos;s window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the device&apos;s window: its registers, writes and commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample projects %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file; the sample was not copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2; the sample was not copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No CAN adapter is offered (canquorvex --help lists the plugins; --can demo plays the demo bus).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adapter in use: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit projects…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFirstStartOffer</name>
    <message>
        <source>Start from the sample project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no project yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Projects.ini yet. It belongs in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from the sample project: example projects whose devices the demo bus plays (canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the folder, put your Projects.ini there and restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini over %1 (the file as it is now is kept as Projects.ini.bak).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens %1 in the file manager.</source>
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
        <source>main window: the switch above &quot;CAN on&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: &quot;Can Speed&quot;, before switching on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a device&apos;s window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window: the &quot;S&quot; button at the end of its row</source>
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
        <source>main window: &quot;REC&quot; (right-click it for the folder)</source>
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
        <source>device window: the editor at the top left, &quot;SET&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: &quot;Auto&quot; with the period in 10 ms ticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device window: the &quot;Commands&quot; buttons</source>
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
</context>
<context>
    <name>TModbusForm</name>
    <message>
        <source>Sends command %1: the word 0x%2 (bit %1) to register 127.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the word 0x0000 to register 127.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click to rename it (Enter keeps, Esc drops).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command %1 &quot;%2&quot;: the word 0x%3 to register 127
Frame: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SET: register 0x%1 and on: %2 (%3)
Frame: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window&apos;s log. Rest the mouse on a &quot;Setting settings...&quot; or &quot;Command commands...&quot; line to see what was sent; double-click to clear the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up: SET sends on the device&apos;s transmission identifier (TX), as the device itself would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dn: SET sends on the device&apos;s reception identifier (RX), to the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period of Auto, in 10 ms ticks (100 = about once a second).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the words of the grid (as many as the data length) to the register at the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many words of the grid SET writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register SET writes first (hexadecimal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identifier %1, data %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save which registers of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 1 selected register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 selected registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 1 readable register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 readable registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring %1…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register map has changes that are not saved: save it first. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not taken)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New register map…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New register map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV register maps (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1 changed: &quot;Save&quot; keeps the register map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new register map with the %1 registers the device has reported: name them, then &quot;Save&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device has reported no register yet: add registers with &quot;Add register&quot;, then &quot;Save&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1 removed from the register map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the register map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register maps (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register map was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register map saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 registers exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProjectEditor</name>
    <message>
        <source>Edit projects - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3: extended identifiers (device number in bits 24-28); any other number: the standard layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first reception identifier of the standard layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission identifier minus reception identifier in the standard layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A further identifier shown in the header; 0x00000000 shows nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct the values marked red to save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProjectSet</name>
    <message>
        <source>%1 (copy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins or ends with a space, which the file does not keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is enclosed in double quotes, which Windows removes when it reads the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;]&quot; or &quot;=&quot;, which a project name cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins with &quot;%1&quot;, which a project name cannot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is the name of the project list&apos;s own section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is the selector&apos;s placeholder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds characters the file&apos;s code page (Windows-1251) cannot store: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is also project %1&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the protocol number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit in 29 bits (at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the base identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmission offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the further identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial address &quot;%1&quot; is not a number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> reception identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> transmission identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission identifier %1 is also row %2&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command caption %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and %2 more. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would not read back as edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegisterMapEditor</name>
    <message>
        <source>Engineering value = raw × scale + offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits: one &quot;bit=name&quot; or &quot;first-last=name&quot; a line (0=Ready, 8-15=Code);
enum: one &quot;value=name&quot; a line (0=Off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a register to edit its entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTracePlayerWindow</name>
    <message>
        <source>Back to the adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTraceTools</name>
    <message>
        <source>Back to the adapter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceCanBusDevice</name>
    <message>
        <source>The trace is not playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
