<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>settings (Projects.ini, Quorvex.ini, profiles): %1</source>
        <translation>settings (Projects.ini, Quorvex.ini, profiles): %1</translation>
    </message>
    <message>
        <source>parameter sets: %1</source>
        <translation>parameter sets: %1</translation>
    </message>
    <message>
        <source>traces: %1</source>
        <translation>traces: %1</translation>
    </message>
    <message>
        <source>%1 (the CAN switch opens this one)</source>
        <translation>%1 (the CAN switch opens this one)</translation>
    </message>
</context>
<context>
    <name>AdapterSource</name>
    <message>
        <source>demo</source>
        <translation>demo</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>trace: %1</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message>
        <source>1 register</source>
        <translation>1 register</translation>
    </message>
    <message>
        <source>%1 registers</source>
        <translation>%1 registers</translation>
    </message>
    <message>
        <source>1 frame</source>
        <translation>1 frame</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 frames</translation>
    </message>
</context>
<context>
    <name>DemoCanBusDevice</name>
    <message>
        <source>The demo bus is not connected.</source>
        <translation>The demo bus is not connected.</translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation>Invalid frame.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About CANQuorvex</source>
        <translation>About CANQuorvex</translation>
    </message>
</context>
<context>
    <name>SlcanCanBusDevice</name>
    <message>
        <source>SLCAN adapter %1: the adapters have no command for %2 bit/s (they offer 10k, 20k, 50k, 100k, 125k, 250k, 500k, 800k and 1M)</source>
        <translation>SLCAN adapter %1: the adapters have no command for %2 bit/s (they offer 10k, 20k, 50k, 100k, 125k, 250k, 500k, 800k and 1M)</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot open the serial port: %2</source>
        <translation>SLCAN adapter %1: cannot open the serial port: %2</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot set the serial port to %2 baud: %3</source>
        <translation>SLCAN adapter %1: cannot set the serial port to %2 baud: %3</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the serial port: %2</source>
        <translation>step &quot;%1&quot;: cannot write to the serial port: %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the adapter refused it (BEL)</source>
        <translation>step &quot;%1&quot;: the adapter refused it (BEL)</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation>step &quot;%1&quot;: no answer within %2 ms</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: %2</source>
        <translation>SLCAN adapter %1: %2</translation>
    </message>
    <message>
        <source>the serial port went away (unplugged?): %1</source>
        <translation>the serial port went away (unplugged?): %1</translation>
    </message>
    <message>
        <source>the serial port failed: %1</source>
        <translation>the serial port failed: %1</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the adapter refused a frame (BEL)</source>
        <translation>SLCAN adapter %1: the adapter refused a frame (BEL)</translation>
    </message>
    <message>
        <source>the serial port is gone</source>
        <translation>the serial port is gone</translation>
    </message>
    <message>
        <source>the adapter stopped answering</source>
        <translation>the adapter stopped answering</translation>
    </message>
    <message>
        <source>SLCAN adapter %1 is not connected</source>
        <translation>SLCAN adapter %1 is not connected</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation>SLCAN adapter %1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot write to the serial port: %2</source>
        <translation>SLCAN adapter %1: cannot write to the serial port: %2</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>error passive</translation>
    </message>
    <message>
        <source>error warning</source>
        <translation>error warning</translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation>receive overrun</translation>
    </message>
    <message>
        <source>transmit queue full</source>
        <translation>transmit queue full</translation>
    </message>
    <message>
        <source>bus error</source>
        <translation>bus error</translation>
    </message>
</context>
<context>
    <name>SocketcandCanBusDevice</name>
    <message>
        <source>socketcand server %1, bus %2</source>
        <translation>socketcand server %1, bus %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the connection: %2</source>
        <translation>step &quot;%1&quot;: cannot write to the connection: %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation>step &quot;%1&quot;: no answer within %2 ms</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>the server closed the connection</translation>
    </message>
    <message>
        <source>the connection was lost: %1</source>
        <translation>the connection was lost: %1</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: %2</source>
        <translation>step &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the connection was lost: the server closed it</source>
        <translation>the connection was lost: the server closed it</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server closed the connection</source>
        <translation>step &quot;%1&quot;: the server closed the connection</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</source>
        <translation>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;&lt; error %2 &gt;&quot;</source>
        <translation>step &quot;%1&quot;: the server answered &quot;&lt; error %2 &gt;&quot;</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;%2&quot; instead of &quot;%3&quot;</source>
        <translation>step &quot;%1&quot;: the server answered &quot;%2&quot; instead of &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: the server reports &quot;%2&quot;</source>
        <translation>%1: the server reports &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (and %1 more since the last report)</source>
        <translation> (and %1 more since the last report)</translation>
    </message>
    <message>
        <source>the server has not answered for %1 s</source>
        <translation>the server has not answered for %1 s</translation>
    </message>
    <message>
        <source>%1: not connected</source>
        <translation>%1: not connected</translation>
    </message>
    <message>
        <source>%1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation>%1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</translation>
    </message>
    <message>
        <source>%1: the server is not taking frames (%2 bytes wait to be sent)</source>
        <translation>%1: the server is not taking frames (%2 bytes wait to be sent)</translation>
    </message>
    <message>
        <source>%1: cannot write to the connection: %2</source>
        <translation>%1: cannot write to the connection: %2</translation>
    </message>
    <message>
        <source>the server reports &quot;%1&quot;</source>
        <translation>the server reports &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Link: %1, %2</source>
        <translation>Link: %1, %2</translation>
    </message>
    <message>
        <source>
%1</source>
        <translation>
%1</translation>
    </message>
    <message>
        <source>
Errors reported by the server: %1</source>
        <translation>
Errors reported by the server: %1</translation>
    </message>
    <message>
        <source> (last: &quot;%1&quot;)</source>
        <translation> (last: &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>
Messages not understood: %1, garbage skipped: %2</source>
        <translation>
Messages not understood: %1, garbage skipped: %2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About CANQuorvex</source>
        <translation>About CANQuorvex</translation>
    </message>
    <message>
        <source>A service tool for ZELM control devices on a CAN bus.</source>
        <translation>A service tool for ZELM control devices on a CAN bus.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Built with Qt %1, running on Qt %2.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later. It uses Qt (LGPL-3), QCustomPlot (GPL-3) and SimpleIni (MIT).</source>
        <translation>Licence: GPL-3.0-or-later. It uses Qt (LGPL-3), QCustomPlot (GPL-3) and SimpleIni (MIT).</translation>
    </message>
    <message>
        <source>Folders in use</source>
        <translation>Folders in use</translation>
    </message>
    <message>
        <source>(not told)</source>
        <translation>(not told)</translation>
    </message>
    <message>
        <source>CAN adapters offered</source>
        <translation>CAN adapters offered</translation>
    </message>
    <message>
        <source>none found (canquorvex --help lists the plugins; --can demo plays the demo bus)</source>
        <translation>none found (canquorvex --help lists the plugins; --can demo plays the demo bus)</translation>
    </message>
</context>
<context>
    <name>TCANQuorvex</name>
    <message>
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;Can Speed&quot;, and again to close it. The &quot;Bus&quot; panel shows which adapter.</source>
        <translation>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;Can Speed&quot;, and again to close it. The &quot;Bus&quot; panel shows which adapter.</translation>
    </message>
    <message>
        <source>The bit rate the CAN switch opens the adapter with.</source>
        <translation>The bit rate the CAN switch opens the adapter with.</translation>
    </message>
    <message>
        <source>The project chosen in the list above (its section in Projects.ini).</source>
        <translation>The project chosen in the list above (its section in Projects.ini).</translation>
    </message>
    <message>
        <source>The project&apos;s base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</source>
        <translation>The project&apos;s base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</translation>
    </message>
    <message>
        <source>A further identifier of the project (CommAdr), empty when it has none.</source>
        <translation>A further identifier of the project (CommAdr), empty when it has none.</translation>
    </message>
    <message>
        <source>Identifier the device receives on (from this tool): lit blue when a frame with it is seen.</source>
        <translation>Identifier the device receives on (from this tool): lit blue when a frame with it is seen.</translation>
    </message>
    <message>
        <source>Identifier the device sends on: lit green when a frame with it is seen.</source>
        <translation>Identifier the device sends on: lit green when a frame with it is seen.</translation>
    </message>
    <message>
        <source>The device&apos;s serial (RS) address.</source>
        <translation>The device&apos;s serial (RS) address.</translation>
    </message>
    <message>
        <source>The device&apos;s name.</source>
        <translation>The device&apos;s name.</translation>
    </message>
    <message>
        <source>&quot;S&quot; opens the device&apos;s window.</source>
        <translation>&quot;S&quot; opens the device&apos;s window.</translation>
    </message>
    <message>
        <source>Open the device&apos;s window: its registers, writes and commands.</source>
        <translation>Open the device&apos;s window: its registers, writes and commands.</translation>
    </message>
    <message>
        <source>The sample projects %1 cannot be read: %2.</source>
        <translation>The sample projects %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the sample was not copied.</source>
        <translation>%1 is not a regular file; the sample was not copied.</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2; the sample was not copied.</source>
        <translation>%1 cannot be kept as %2; the sample was not copied.</translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation>no adapter</translation>
    </message>
    <message>
        <source>No CAN adapter is offered (canquorvex --help lists the plugins; --can demo plays the demo bus).</source>
        <translation>No CAN adapter is offered (canquorvex --help lists the plugins; --can demo plays the demo bus).</translation>
    </message>
    <message>
        <source>The adapter in use: %1</source>
        <translation>The adapter in use: %1</translation>
    </message>
    <message>
        <source>Edit projects…</source>
        <translation>Edit projects…</translation>
    </message>
</context>
<context>
    <name>TFirstStartOffer</name>
    <message>
        <source>Start from the sample project</source>
        <translation>Start from the sample project</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Open the folder</translation>
    </message>
    <message>
        <source>%1 names no project yet.</source>
        <translation>%1 names no project yet.</translation>
    </message>
    <message>
        <source>There is no Projects.ini yet. It belongs in %1.</source>
        <translation>There is no Projects.ini yet. It belongs in %1.</translation>
    </message>
    <message>
        <source>Start from the sample project: example projects whose devices the demo bus plays (canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.</source>
        <translation>Start from the sample project: example projects whose devices the demo bus plays (canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.</translation>
    </message>
    <message>
        <source>Open the folder, put your Projects.ini there and restart.</source>
        <translation>Open the folder, put your Projects.ini there and restart.</translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini over %1 (the file as it is now is kept as Projects.ini.bak).</source>
        <translation>Copies the sample Projects.ini over %1 (the file as it is now is kept as Projects.ini.bak).</translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini to %1.</source>
        <translation>Copies the sample Projects.ini to %1.</translation>
    </message>
    <message>
        <source>Opens %1 in the file manager.</source>
        <translation>Opens %1 in the file manager.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>CANQuorvex help</source>
        <translation>CANQuorvex help</translation>
    </message>
    <message>
        <source>The README of CANQuorvex tells each function in full.</source>
        <translation>The README of CANQuorvex tells each function in full.</translation>
    </message>
    <message>
        <source>The &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; tells each function in full.</source>
        <translation>The &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; tells each function in full.</translation>
    </message>
    <message>
        <source>main window: right-click its background</source>
        <translation>main window: right-click its background</translation>
    </message>
    <message>
        <source>device window: right-click its background</source>
        <translation>device window: right-click its background</translation>
    </message>
    <message>
        <source>What CANQuorvex can do, and where</source>
        <translation>What CANQuorvex can do, and where</translation>
    </message>
    <message>
        <source>Most functions live in right-click menus on the windows&apos; background; Help and About are at the top of every one of them. Press F1 in any window for this help, Esc to close a dialog or tool window.</source>
        <translation>Most functions live in right-click menus on the windows&apos; background; Help and About are at the top of every one of them. Press F1 in any window for this help, Esc to close a dialog or tool window.</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>Choose the project</source>
        <translation>Choose the project</translation>
    </message>
    <message>
        <source>main window: the list at the top left</source>
        <translation>main window: the list at the top left</translation>
    </message>
    <message>
        <source>Switch the CAN adapter on and off</source>
        <translation>Switch the CAN adapter on and off</translation>
    </message>
    <message>
        <source>main window: the switch above &quot;CAN on&quot;</source>
        <translation>main window: the switch above &quot;CAN on&quot;</translation>
    </message>
    <message>
        <source>Choose the bit rate</source>
        <translation>Choose the bit rate</translation>
    </message>
    <message>
        <source>main window: &quot;Can Speed&quot;, before switching on</source>
        <translation>main window: &quot;Can Speed&quot;, before switching on</translation>
    </message>
    <message>
        <source>Open a device&apos;s window</source>
        <translation>Open a device&apos;s window</translation>
    </message>
    <message>
        <source>main window: the &quot;S&quot; button at the end of its row</source>
        <translation>main window: the &quot;S&quot; button at the end of its row</translation>
    </message>
    <message>
        <source>Bus load, errors, bus state, the adapter in use</source>
        <translation>Bus load, errors, bus state, the adapter in use</translation>
    </message>
    <message>
        <source>main window: the &quot;Bus&quot; panel</source>
        <translation>main window: the &quot;Bus&quot; panel</translation>
    </message>
    <message>
        <source>Record the bus into a trace file</source>
        <translation>Record the bus into a trace file</translation>
    </message>
    <message>
        <source>main window: &quot;REC&quot; (right-click it for the folder)</source>
        <translation>main window: &quot;REC&quot; (right-click it for the folder)</translation>
    </message>
    <message>
        <source>Trace view (the frames as they come)</source>
        <translation>Trace view (the frames as they come)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Play a trace file as the bus</source>
        <translation>Play a trace file as the bus</translation>
    </message>
    <message>
        <source>Back to the adapter after a trace</source>
        <translation>Back to the adapter after a trace</translation>
    </message>
    <message>
        <source>main window&apos;s menu, or the player</source>
        <translation>main window&apos;s menu, or the player</translation>
    </message>
    <message>
        <source>Show or hide the UART panel</source>
        <translation>Show or hide the UART panel</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Device window</source>
        <translation>Device window</translation>
    </message>
    <message>
        <source>Write registers (address, up to four words)</source>
        <translation>Write registers (address, up to four words)</translation>
    </message>
    <message>
        <source>device window: the editor at the top left, &quot;SET&quot;</source>
        <translation>device window: the editor at the top left, &quot;SET&quot;</translation>
    </message>
    <message>
        <source>Repeat the write</source>
        <translation>Repeat the write</translation>
    </message>
    <message>
        <source>device window: &quot;Auto&quot; with the period in 10 ms ticks</source>
        <translation>device window: &quot;Auto&quot; with the period in 10 ms ticks</translation>
    </message>
    <message>
        <source>Send a command</source>
        <translation>Send a command</translation>
    </message>
    <message>
        <source>device window: the &quot;Commands&quot; buttons</source>
        <translation>device window: the &quot;Commands&quot; buttons</translation>
    </message>
    <message>
        <source>Rename a command</source>
        <translation>Rename a command</translation>
    </message>
    <message>
        <source>device window: right-click the command button; Enter keeps, Esc drops</source>
        <translation>device window: right-click the command button; Enter keeps, Esc drops</translation>
    </message>
    <message>
        <source>Parameters view (named registers, values)</source>
        <translation>Parameters view (named registers, values)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Register map (a device profile)</source>
        <translation>Register map (a device profile)</translation>
    </message>
    <message>
        <source>Save, compare and restore parameters</source>
        <translation>Save, compare and restore parameters</translation>
    </message>
    <message>
        <source>Plot a trend of the selected registers</source>
        <translation>Plot a trend of the selected registers</translation>
    </message>
    <message>
        <source>device window, or right-click a cell</source>
        <translation>device window, or right-click a cell</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Read the analog block over the serial port</source>
        <translation>Read the analog block over the serial port</translation>
    </message>
    <message>
        <source>device window: right-click the analog block</source>
        <translation>device window: right-click the analog block</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Clear the log</translation>
    </message>
    <message>
        <source>device window: double-click the log at the bottom left</source>
        <translation>device window: double-click the log at the bottom left</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>This help</translation>
    </message>
    <message>
        <source>every window, and the top of every right-click menu</source>
        <translation>every window, and the top of every right-click menu</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Version, licence, folders and adapters</source>
        <translation>Version, licence, folders and adapters</translation>
    </message>
    <message>
        <source>&quot;About CANQuorvex&quot; at the top of every right-click menu</source>
        <translation>&quot;About CANQuorvex&quot; at the top of every right-click menu</translation>
    </message>
    <message>
        <source>Close a dialog or tool window</source>
        <translation>Close a dialog or tool window</translation>
    </message>
    <message>
        <source>the dialog or tool window</source>
        <translation>the dialog or tool window</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Script the tool (read, write, monitor)</source>
        <translation>Script the tool (read, write, monitor)</translation>
    </message>
    <message>
        <source>the program canquorvex-cli (canquorvex-cli --help)</source>
        <translation>the program canquorvex-cli (canquorvex-cli --help)</translation>
    </message>
</context>
<context>
    <name>TModbusForm</name>
    <message>
        <source>Sends command %1: the word 0x%2 (bit %1) to register 127.</source>
        <translation>Sends command %1: the word 0x%2 (bit %1) to register 127.</translation>
    </message>
    <message>
        <source>Sends the word 0x0000 to register 127.</source>
        <translation>Sends the word 0x0000 to register 127.</translation>
    </message>
    <message>
        <source>Right-click to rename it (Enter keeps, Esc drops).</source>
        <translation>Right-click to rename it (Enter keeps, Esc drops).</translation>
    </message>
    <message>
        <source>Command %1 &quot;%2&quot;: the word 0x%3 to register 127
Frame: %4</source>
        <translation>Command %1 &quot;%2&quot;: the word 0x%3 to register 127
Frame: %4</translation>
    </message>
    <message>
        <source>SET: register 0x%1 and on: %2 (%3)
Frame: %4</source>
        <translation>SET: register 0x%1 and on: %2 (%3)
Frame: %4</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Dn</source>
        <translation>Dn</translation>
    </message>
    <message>
        <source>The window&apos;s log. Rest the mouse on a &quot;Setting settings...&quot; or &quot;Command commands...&quot; line to see what was sent; double-click to clear the log.</source>
        <translation>The window&apos;s log. Rest the mouse on a &quot;Setting settings...&quot; or &quot;Command commands...&quot; line to see what was sent; double-click to clear the log.</translation>
    </message>
    <message>
        <source>Up: SET sends on the device&apos;s transmission identifier (TX), as the device itself would.</source>
        <translation>Up: SET sends on the device&apos;s transmission identifier (TX), as the device itself would.</translation>
    </message>
    <message>
        <source>Dn: SET sends on the device&apos;s reception identifier (RX), to the device.</source>
        <translation>Dn: SET sends on the device&apos;s reception identifier (RX), to the device.</translation>
    </message>
    <message>
        <source>Auto: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</source>
        <translation>Auto: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</translation>
    </message>
    <message>
        <source>The period of Auto, in 10 ms ticks (100 = about once a second).</source>
        <translation>The period of Auto, in 10 ms ticks (100 = about once a second).</translation>
    </message>
    <message>
        <source>Write the words of the grid (as many as the data length) to the register at the address.</source>
        <translation>Write the words of the grid (as many as the data length) to the register at the address.</translation>
    </message>
    <message>
        <source>How many words of the grid SET writes.</source>
        <translation>How many words of the grid SET writes.</translation>
    </message>
    <message>
        <source>The register SET writes first (hexadecimal).</source>
        <translation>The register SET writes first (hexadecimal).</translation>
    </message>
    <message>
        <source>identifier %1, data %2</source>
        <translation>identifier %1, data %2</translation>
    </message>
    <message>
        <source>Save which registers of %1?</source>
        <translation>Save which registers of %1?</translation>
    </message>
    <message>
        <source>The 1 selected register</source>
        <translation>The 1 selected register</translation>
    </message>
    <message>
        <source>The %1 selected registers</source>
        <translation>The %1 selected registers</translation>
    </message>
    <message>
        <source>The 1 readable register</source>
        <translation>The 1 readable register</translation>
    </message>
    <message>
        <source>All %1 readable registers</source>
        <translation>All %1 readable registers</translation>
    </message>
    <message>
        <source>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</source>
        <translation>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Restoring %1…</source>
        <translation>Restoring %1…</translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</source>
        <translation>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</translation>
    </message>
    <message>
        <source>The register map has changes that are not saved: save it first. Nothing was sent.</source>
        <translation>The register map has changes that are not saved: save it first. Nothing was sent.</translation>
    </message>
    <message>
        <source> (not taken)</source>
        <translation> (not taken)</translation>
    </message>
    <message>
        <source>New register map…</source>
        <translation>New register map…</translation>
    </message>
    <message>
        <source>Add register</source>
        <translation>Add register</translation>
    </message>
    <message>
        <source>Remove register</source>
        <translation>Remove register</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>New register map</source>
        <translation>New register map</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>CSV register maps (*.csv);;All files (*)</source>
        <translation>CSV register maps (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Register %1 changed: &quot;Save&quot; keeps the register map.</source>
        <translation>Register %1 changed: &quot;Save&quot; keeps the register map.</translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation>Register %1</translation>
    </message>
    <message>
        <source>A new register map with the %1 registers the device has reported: name them, then &quot;Save&quot;.</source>
        <translation>A new register map with the %1 registers the device has reported: name them, then &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>The device has reported no register yet: add registers with &quot;Add register&quot;, then &quot;Save&quot;.</source>
        <translation>The device has reported no register yet: add registers with &quot;Add register&quot;, then &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>Register %1 removed from the register map.</source>
        <translation>Register %1 removed from the register map.</translation>
    </message>
    <message>
        <source>: nothing was saved.</source>
        <translation>: nothing was saved.</translation>
    </message>
    <message>
        <source>Save the register map</source>
        <translation>Save the register map</translation>
    </message>
    <message>
        <source>Register maps (*.json)</source>
        <translation>Register maps (*.json)</translation>
    </message>
    <message>
        <source>The register map was not saved: %1</source>
        <translation>The register map was not saved: %1</translation>
    </message>
    <message>
        <source>Register map saved to %1.</source>
        <translation>Register map saved to %1.</translation>
    </message>
    <message>
        <source>%1 registers exported to %2.</source>
        <translation>%1 registers exported to %2.</translation>
    </message>
</context>
<context>
    <name>TProjectEditor</name>
    <message>
        <source>Edit projects - %1</source>
        <translation>Edit projects - %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Projects</translation>
    </message>
    <message>
        <source>3: extended identifiers (device number in bits 24-28); any other number: the standard layout</source>
        <translation>3: extended identifiers (device number in bits 24-28); any other number: the standard layout</translation>
    </message>
    <message>
        <source>The first reception identifier of the standard layout</source>
        <translation>The first reception identifier of the standard layout</translation>
    </message>
    <message>
        <source>Transmission identifier minus reception identifier in the standard layout</source>
        <translation>Transmission identifier minus reception identifier in the standard layout</translation>
    </message>
    <message>
        <source>A further identifier shown in the header; 0x00000000 shows nothing</source>
        <translation>A further identifier shown in the header; 0x00000000 shows nothing</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Base identifier</source>
        <translation>Base identifier</translation>
    </message>
    <message>
        <source>Transmission offset</source>
        <translation>Transmission offset</translation>
    </message>
    <message>
        <source>Further identifier</source>
        <translation>Further identifier</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Command captions</source>
        <translation>Command captions</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Correct the values marked red to save</source>
        <translation>Correct the values marked red to save</translation>
    </message>
</context>
<context>
    <name>TProjectSet</name>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>is empty</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>is longer than %1 characters</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>holds a control character</translation>
    </message>
    <message>
        <source>begins or ends with a space, which the file does not keep</source>
        <translation>begins or ends with a space, which the file does not keep</translation>
    </message>
    <message>
        <source>is enclosed in double quotes, which Windows removes when it reads the file</source>
        <translation>is enclosed in double quotes, which Windows removes when it reads the file</translation>
    </message>
    <message>
        <source>holds &quot;]&quot; or &quot;=&quot;, which a project name cannot hold</source>
        <translation>holds &quot;]&quot; or &quot;=&quot;, which a project name cannot hold</translation>
    </message>
    <message>
        <source>begins with &quot;%1&quot;, which a project name cannot</source>
        <translation>begins with &quot;%1&quot;, which a project name cannot</translation>
    </message>
    <message>
        <source>is the name of the project list&apos;s own section</source>
        <translation>is the name of the project list&apos;s own section</translation>
    </message>
    <message>
        <source>is the selector&apos;s placeholder</source>
        <translation>is the selector&apos;s placeholder</translation>
    </message>
    <message>
        <source>holds characters the file&apos;s code page (Windows-1251) cannot store: %1</source>
        <translation>holds characters the file&apos;s code page (Windows-1251) cannot store: %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Project %1</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot;</source>
        <translation>Project &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the name</source>
        <translation>the name</translation>
    </message>
    <message>
        <source>is also project %1&apos;s</source>
        <translation>is also project %1&apos;s</translation>
    </message>
    <message>
        <source>the protocol number</source>
        <translation>the protocol number</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>is not a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 does not fit in 29 bits (at most %2)</source>
        <translation>%1 does not fit in 29 bits (at most %2)</translation>
    </message>
    <message>
        <source>the base identifier</source>
        <translation>the base identifier</translation>
    </message>
    <message>
        <source>the transmission offset</source>
        <translation>the transmission offset</translation>
    </message>
    <message>
        <source>the further identifier</source>
        <translation>the further identifier</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>serial address &quot;%1&quot; is not a number from 0 to %2</source>
        <translation>serial address &quot;%1&quot; is not a number from 0 to %2</translation>
    </message>
    <message>
        <source> reception identifier</source>
        <translation> reception identifier</translation>
    </message>
    <message>
        <source> transmission identifier</source>
        <translation> transmission identifier</translation>
    </message>
    <message>
        <source>transmission identifier %1 is also row %2&apos;s</source>
        <translation>transmission identifier %1 is also row %2&apos;s</translation>
    </message>
    <message>
        <source> name</source>
        <translation> name</translation>
    </message>
    <message>
        <source>command caption %1</source>
        <translation>command caption %1</translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation>%1. Nothing was saved.</translation>
    </message>
    <message>
        <source>%1, and %2 more. Nothing was saved.</source>
        <translation>%1, and %2 more. Nothing was saved.</translation>
    </message>
    <message>
        <source>the file would not read back as edited</source>
        <translation>the file would not read back as edited</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was saved.</source>
        <translation>Cannot save %1: %2. Nothing was saved.</translation>
    </message>
</context>
<context>
    <name>TRegisterMapEditor</name>
    <message>
        <source>Engineering value = raw × scale + offset</source>
        <translation>Engineering value = raw × scale + offset</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>bits: one &quot;bit=name&quot; or &quot;first-last=name&quot; a line (0=Ready, 8-15=Code);
enum: one &quot;value=name&quot; a line (0=Off)</source>
        <translation>bits: one &quot;bit=name&quot; or &quot;first-last=name&quot; a line (0=Ready, 8-15=Code);
enum: one &quot;value=name&quot; a line (0=Off)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation>Register %1</translation>
    </message>
    <message>
        <source>Select a register to edit its entry</source>
        <translation>Select a register to edit its entry</translation>
    </message>
    <message>
        <source>Register %1: %2</source>
        <translation>Register %1: %2</translation>
    </message>
</context>
<context>
    <name>TTracePlayerWindow</name>
    <message>
        <source>Back to the adapter</source>
        <translation>Back to the adapter</translation>
    </message>
    <message>
        <source>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</source>
        <translation>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</translation>
    </message>
</context>
<context>
    <name>TTraceTools</name>
    <message>
        <source>Back to the adapter</source>
        <translation>Back to the adapter</translation>
    </message>
</context>
<context>
    <name>TraceCanBusDevice</name>
    <message>
        <source>The trace is not playing.</source>
        <translation>The trace is not playing.</translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation>Invalid frame.</translation>
    </message>
</context>
</TS>
