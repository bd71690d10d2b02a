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
    <name>AppCommandLine</name>
    <message>
        <source>Show this help, the CAN plugins and the interfaces found.</source>
        <translation>Show this help, the CAN plugins and the interfaces found.</translation>
    </message>
    <message>
        <source>CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port 29536 unless given, e.g. socketcand:127.0.0.1/can0), or &apos;demo&apos; for the built-in demo bus. Without it: every interface of the installed hardware plugins and every attached serial-line adapter the tool recognises.</source>
        <translation>CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port 29536 unless given, e.g. socketcand:127.0.0.1/can0), or &apos;demo&apos; for the built-in demo bus. Without it: every interface of the installed hardware plugins and every attached serial-line adapter the tool recognises.</translation>
    </message>
    <message>
        <source>Serial port for the Modbus link (e.g. /dev/ttyUSB0); without it COM port n is /dev/ttyS&lt;n-1&gt;.</source>
        <translation>Serial port for the Modbus link (e.g. /dev/ttyUSB0); without it COM port n is /dev/ttyS&lt;n-1&gt;.</translation>
    </message>
    <message>
        <source>Switch CAN on at start.</source>
        <translation>Switch CAN on at start.</translation>
    </message>
    <message>
        <source>Open the device window of every row in use at start.</source>
        <translation>Open the device window of every row in use at start.</translation>
    </message>
    <message>
        <source>At exit, write the monitor&apos;s figures (frames received, longest gap between ticks, peak bus load, error frames, frames dropped) to this file.</source>
        <translation>At exit, write the monitor&apos;s figures (frames received, longest gap between ticks, peak bus load, error frames, frames dropped) to this file.</translation>
    </message>
    <message>
        <source>End the program after this many milliseconds.</source>
        <translation>End the program after this many milliseconds.</translation>
    </message>
    <message>
        <source>Record the bus into this candump log from the start (appended to when it exists).</source>
        <translation>Record the bus into this candump log from the start (appended to when it exists).</translation>
    </message>
    <message>
        <source>Share the bus the tool has open with socketcand clients (raw mode, bus can0) on [ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), port 0 lets the system choose; at most 8 clients. Every frame the tool receives or sends goes to each client; clients may not send unless --serve-socketcand-write.</source>
        <translation>Share the bus the tool has open with socketcand clients (raw mode, bus can0) on [ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), port 0 lets the system choose; at most 8 clients. Every frame the tool receives or sends goes to each client; clients may not send unless --serve-socketcand-write.</translation>
    </message>
    <message>
        <source>Let the socketcand clients send frames onto the bus through the open adapter.</source>
        <translation>Let the socketcand clients send frames onto the bus through the open adapter.</translation>
    </message>
    <message>
        <source>Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. Default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces).</source>
        <translation>Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. Default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces).</translation>
    </message>
    <message>
        <source>Show this trace file (candump log or ASC) in a trace view window at start, without playing it.</source>
        <translation>Show this trace file (candump log or ASC) in a trace view window at start, without playing it.</translation>
    </message>
    <message>
        <source>Language of the windows and messages for this run: ru (Russian) or en (English). Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else the windows&apos; captions as written and the other texts in the system&apos;s language.</source>
        <translation>Language of the windows and messages for this run: ru (Russian) or en (English). Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else the windows&apos; captions as written and the other texts in the system&apos;s language.</translation>
    </message>
    <message>
        <source>CANQuorvex: service tool for ZELM control devices on a CAN bus.</source>
        <translation>CANQuorvex: service tool for ZELM control devices on a CAN bus.</translation>
    </message>
    <message>
        <source>--lang %1: expected ru (Russian) or en (English)</source>
        <translation>--lang %1: expected ru (Russian) or en (English)</translation>
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation>--can %1: expected PLUGIN:INTERFACE or demo</translation>
    </message>
    <message>
        <source>--can %1: %2 is %3, not a trace file</source>
        <translation>--can %1: %2 is %3, not a trace file</translation>
    </message>
    <message>
        <source>--open-trace %1: no such file</source>
        <translation>--open-trace %1: no such file</translation>
    </message>
    <message>
        <source>--open-trace %1: it is %2, not a trace file</source>
        <translation>--open-trace %1: it is %2, not a trace file</translation>
    </message>
    <message>
        <source>--folder %1: no such folder</source>
        <translation>--folder %1: no such folder</translation>
    </message>
    <message>
        <source>--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT</source>
        <translation>--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT</translation>
    </message>
    <message>
        <source>--record %1: that is the trace file --can trace: plays; recording into it would play its own recording again and again. Choose another file.</source>
        <translation>--record %1: that is the trace file --can trace: plays; recording into it would play its own recording again and again. Choose another file.</translation>
    </message>
</context>
<context>
    <name>BusErrorInfo</name>
    <message>
        <source>bit error</source>
        <translation>bit error</translation>
    </message>
    <message>
        <source>stuff error</source>
        <translation>stuff error</translation>
    </message>
    <message>
        <source>form error</source>
        <translation>form error</translation>
    </message>
    <message>
        <source>dominant bit error</source>
        <translation>dominant bit error</translation>
    </message>
    <message>
        <source>recessive bit error</source>
        <translation>recessive bit error</translation>
    </message>
    <message>
        <source>bus overload</source>
        <translation>bus overload</translation>
    </message>
    <message>
        <source>error flag</source>
        <translation>error flag</translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation>CRC error</translation>
    </message>
    <message>
        <source>ACK missing</source>
        <translation>ACK missing</translation>
    </message>
    <message>
        <source>protocol violation</source>
        <translation>protocol violation</translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation>receive overrun</translation>
    </message>
    <message>
        <source>transmit overrun</source>
        <translation>transmit overrun</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>error passive</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>error active again</source>
        <translation>error active again</translation>
    </message>
    <message>
        <source>controller problem</source>
        <translation>controller problem</translation>
    </message>
    <message>
        <source>bus off</source>
        <translation>bus off</translation>
    </message>
    <message>
        <source>transceiver fault</source>
        <translation>transceiver fault</translation>
    </message>
    <message>
        <source>arbitration lost</source>
        <translation>arbitration lost</translation>
    </message>
    <message>
        <source>transmit timeout</source>
        <translation>transmit timeout</translation>
    </message>
    <message>
        <source>controller restarted</source>
        <translation>controller restarted</translation>
    </message>
    <message>
        <source>bus error</source>
        <translation>bus error</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>BusHealthPanel</name>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>the one the switch opens with</source>
        <translation>the one the switch opens with</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>The highest bus load of any second since the CAN switch was turned on.</source>
        <translation>The highest bus load of any second since the CAN switch was turned on.</translation>
    </message>
    <message>
        <source>Rx/Tx</source>
        <translation>Rx/Tx</translation>
    </message>
    <message>
        <source>Frames per second over the last second: received from the bus / sent by this tool.</source>
        <translation>Frames per second over the last second: received from the bus / sent by this tool.</translation>
    </message>
    <message>
        <source>Frames lost since the CAN switch was turned on: received frames the tool dropped because its receive queue was full, plus the overruns the adapter reported (at least one frame each). When it is not 0, the monitor has not seen everything.</source>
        <translation>Frames lost since the CAN switch was turned on: received frames the tool dropped because its receive queue was full, plus the overruns the adapter reported (at least one frame each). When it is not 0, the monitor has not seen everything.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Error frames the adapter reported since the CAN switch was turned on, and below them the kind of the last one (bit error, stuff error, form error, CRC error, ACK missing, bus off, overrun, …).</source>
        <translation>Error frames the adapter reported since the CAN switch was turned on, and below them the kind of the last one (bit error, stuff error, form error, CRC error, ACK missing, bus off, overrun, …).</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>overrun</source>
        <translation>overrun</translation>
    </message>
    <message>
        <source>The adapter reported an overrun in the last second: it lost frames, so the load was at least %1.</source>
        <translation>The adapter reported an overrun in the last second: it lost frames, so the load was at least %1.</translation>
    </message>
    <message>
        <source>The frames of the last second add up to %1 of the bit rate, more than a bus can carry: the adapter runs at another bit rate, or hands over frames that did not all come from the bus.</source>
        <translation>The frames of the last second add up to %1 of the bit rate, more than a bus can carry: the adapter runs at another bit rate, or hands over frames that did not all come from the bus.</translation>
    </message>
    <message>
        <source>Last error: %1

%2</source>
        <translation>Last error: %1

%2</translation>
    </message>
    <message>
        <source>Bus load over the last second, in percent of the bit rate (%1): every frame received and sent, counted at its longest possible length on the wire with stuff bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, an extended one 80 plus 10 per byte); at most 100 %, &quot;%2&quot; when the adapter lost frames.</source>
        <translation>Bus load over the last second, in percent of the bit rate (%1): every frame received and sent, counted at its longest possible length on the wire with stuff bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, an extended one 80 plus 10 per byte); at most 100 %, &quot;%2&quot; when the adapter lost frames.</translation>
    </message>
    <message>
        <source>The adapter&apos;s state on the bus, as its plugin reports it or, where it cannot, as its error frames tell it:
%1: normal;
%2: many errors (an error counter at 96 or more);
%3: more errors (128 or more), the adapter no longer flags errors;
%4: the adapter has left the bus;
%5: neither has told yet;
%6: none is open, or the open one went away.</source>
        <translation>The adapter&apos;s state on the bus, as its plugin reports it or, where it cannot, as its error frames tell it:
%1: normal;
%2: many errors (an error counter at 96 or more);
%3: more errors (128 or more), the adapter no longer flags errors;
%4: the adapter has left the bus;
%5: neither has told yet;
%6: none is open, or the open one went away.</translation>
    </message>
</context>
<context>
    <name>BusSharing</name>
    <message>
        <source>canquorvex: sharing the bus: %1</source>
        <translation>canquorvex: sharing the bus: %1</translation>
    </message>
</context>
<context>
    <name>BusState</name>
    <message>
        <source>error active</source>
        <translation>error active</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>error passive</translation>
    </message>
    <message>
        <source>bus off</source>
        <translation>bus off</translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation>no adapter</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>CanAdapterName</name>
    <message>
        <source>CAN adapters (--can PLUGIN:INTERFACE):
</source>
        <translation>CAN adapters (--can PLUGIN:INTERFACE):
</translation>
    </message>
    <message>
        <source>  no CAN bus plugins installed
</source>
        <translation>  no CAN bus plugins installed
</translation>
    </message>
    <message>
        <source>no interfaces (%1)</source>
        <translation>no interfaces (%1)</translation>
    </message>
    <message>
        <source>no interfaces</source>
        <translation>no interfaces</translation>
    </message>
    <message>
        <source>; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can</source>
        <translation>; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1)
</source>
        <translation>  %1: built in (--can %1)
</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2)
</source>
        <translation>  %1: built in (--can %1:%2)
</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2); %3
</source>
        <translation>  %1: built in (--can %1:%2); %3
</translation>
    </message>
    <message>
        <source>no adapter attached</source>
        <translation>no adapter attached</translation>
    </message>
    <message>
        <source>attached: %1</source>
        <translation>attached: %1</translation>
    </message>
    <message>
        <source>Without --can the interfaces of the hardware plugins and the attached built-in adapters above are offered, in this order.
</source>
        <translation>Without --can the interfaces of the hardware plugins and the attached built-in adapters above are offered, in this order.
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Commands (a DEVICE is a row 0-15 or a device name of the project):
  devices                        the project&apos;s devices, one JSON line each: row, name, rx, tx, rs
  monitor [--seconds S]          one JSON line per frame: time, id, ext, dlc, data; for a device&apos;s
                                 frame also its row, direction, address and values
  read DEVICE REG[-REG]...       waits until each register was reported by the device, then one
                                 JSON line per register: row, register, raw; with the row&apos;s register
                                 map (or --profile FILE) also name, value and unit
  write DEVICE REG VALUE...      one register write of 1-4 values (3 in the standard layout), framed
                                 as the device window&apos;s SET (&quot;Dn&quot;; --up for &quot;Up&quot;); prints the frame
  command DEVICE N               command button N (0-16) as the device window sends it; prints the frame
  params save DEVICE FILE        saves the registers the device reports (--registers LIST, else the
                                 profile&apos;s rw registers, else all it reports within --timeout)
  params diff FILE (--live DEVICE | FILE2)
                                 one JSON line per register that differs: register, name, a, b;
                                 exit 0 when equal, 4 when different
  params restore DEVICE FILE [--verify] [--dry-run] [--yes] [--registers LIST] [--all] [--force]
                                 writes the registers whose live value differs, paced, framed as SET;
                                 one JSON line per register with its status; exit 4 on a mismatch
  profile check FILE             checks a register map (profile); exit 0, or 1 with the message
  profile import CSV JSON        makes a register map of a CSV file (register,name,unit,scale,offset,
                                 decimals,type,access,min,max,description) and writes it as JSON
                                 (--device NAME names the device type; default: the JSON file&apos;s name)
Numbers are decimal, or hex with 0x. Raw register values are the 16-bit words, 0-65535.

Exit codes: 0 done; 1 bad usage or bad input; 2 the adapter could not be opened; 3 time-out (not
everything was seen); 4 a mismatch.
JSON lines go to standard output, messages to standard error. Ctrl+C and SIGTERM end cleanly.
</source>
        <translation>Commands (a DEVICE is a row 0-15 or a device name of the project):
  devices                        the project&apos;s devices, one JSON line each: row, name, rx, tx, rs
  monitor [--seconds S]          one JSON line per frame: time, id, ext, dlc, data; for a device&apos;s
                                 frame also its row, direction, address and values
  read DEVICE REG[-REG]...       waits until each register was reported by the device, then one
                                 JSON line per register: row, register, raw; with the row&apos;s register
                                 map (or --profile FILE) also name, value and unit
  write DEVICE REG VALUE...      one register write of 1-4 values (3 in the standard layout), framed
                                 as the device window&apos;s SET (&quot;Dn&quot;; --up for &quot;Up&quot;); prints the frame
  command DEVICE N               command button N (0-16) as the device window sends it; prints the frame
  params save DEVICE FILE        saves the registers the device reports (--registers LIST, else the
                                 profile&apos;s rw registers, else all it reports within --timeout)
  params diff FILE (--live DEVICE | FILE2)
                                 one JSON line per register that differs: register, name, a, b;
                                 exit 0 when equal, 4 when different
  params restore DEVICE FILE [--verify] [--dry-run] [--yes] [--registers LIST] [--all] [--force]
                                 writes the registers whose live value differs, paced, framed as SET;
                                 one JSON line per register with its status; exit 4 on a mismatch
  profile check FILE             checks a register map (profile); exit 0, or 1 with the message
  profile import CSV JSON        makes a register map of a CSV file (register,name,unit,scale,offset,
                                 decimals,type,access,min,max,description) and writes it as JSON
                                 (--device NAME names the device type; default: the JSON file&apos;s name)
Numbers are decimal, or hex with 0x. Raw register values are the 16-bit words, 0-65535.

Exit codes: 0 done; 1 bad usage or bad input; 2 the adapter could not be opened; 3 time-out (not
everything was seen); 4 a mismatch.
JSON lines go to standard output, messages to standard error. Ctrl+C and SIGTERM end cleanly.
</translation>
    </message>
    <message>
        <source>canquorvex-cli: the ZELM devices of a CANQuorvex project, from a script.</source>
        <translation>canquorvex-cli: the ZELM devices of a CANQuorvex project, from a script.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Where Projects.ini and Quorvex.ini are read (default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex).</source>
        <translation>Where Projects.ini and Quorvex.ini are read (default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex).</translation>
    </message>
    <message>
        <source>A project (section) of Projects.ini (default: the project selected there).</source>
        <translation>A project (section) of Projects.ini (default: the project selected there).</translation>
    </message>
    <message>
        <source>CAN adapter as PLUGIN:INTERFACE, as the tool takes it (e.g. socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, trace:PATH, demo). Without it: the hardware found.</source>
        <translation>CAN adapter as PLUGIN:INTERFACE, as the tool takes it (e.g. socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, trace:PATH, demo). Without it: the hardware found.</translation>
    </message>
    <message>
        <source>125K or 250K (default 250K).</source>
        <translation>125K or 250K (default 250K).</translation>
    </message>
    <message>
        <source>Seconds to wait for what is asked (default 5).</source>
        <translation>Seconds to wait for what is asked (default 5).</translation>
    </message>
    <message>
        <source>monitor: end after S seconds (default: at Ctrl+C).</source>
        <translation>monitor: end after S seconds (default: at Ctrl+C).</translation>
    </message>
    <message>
        <source>write: send on the device&apos;s transmission identifier (&quot;Up&quot;).</source>
        <translation>write: send on the device&apos;s transmission identifier (&quot;Up&quot;).</translation>
    </message>
    <message>
        <source>read, params, trace export: a profile file to use instead of the row&apos;s (a path, or a name in the profiles folder).</source>
        <translation>read, params, trace export: a profile file to use instead of the row&apos;s (a path, or a name in the profiles folder).</translation>
    </message>
    <message>
        <source>params save/restore, trace export: only these registers, e.g. 96-127,5.</source>
        <translation>params save/restore, trace export: only these registers, e.g. 96-127,5.</translation>
    </message>
    <message>
        <source>params diff: compare the file with this device&apos;s live values.</source>
        <translation>params diff: compare the file with this device&apos;s live values.</translation>
    </message>
    <message>
        <source>params restore: wait up to --timeout for the device to report each written register.</source>
        <translation>params restore: wait up to --timeout for the device to report each written register.</translation>
    </message>
    <message>
        <source>params restore: print the plan and send nothing.</source>
        <translation>params restore: print the plan and send nothing.</translation>
    </message>
    <message>
        <source>params restore: do not ask.</source>
        <translation>params restore: do not ask.</translation>
    </message>
    <message>
        <source>params restore: write registers whose live value matches too.</source>
        <translation>params restore: write registers whose live value matches too.</translation>
    </message>
    <message>
        <source>params restore: accept a set saved for another profile.</source>
        <translation>params restore: accept a set saved for another profile.</translation>
    </message>
    <message>
        <source>profile import: the device type&apos;s name; trace export: a device to export (row or name, repeatable).</source>
        <translation>profile import: the device type&apos;s name; trace export: a device to export (row or name, repeatable).</translation>
    </message>
    <message>
        <source>trace export: csv (default) or jsonl.</source>
        <translation>trace export: csv (default) or jsonl.</translation>
    </message>
    <message>
        <source>trace export: from this time (seconds as in the trace, +seconds after its first frame, or ISO 8601).</source>
        <translation>trace export: from this time (seconds as in the trace, +seconds after its first frame, or ISO 8601).</translation>
    </message>
    <message>
        <source>trace export: up to this time.</source>
        <translation>trace export: up to this time.</translation>
    </message>
    <message>
        <source>trace export: a line per message, not per change.</source>
        <translation>trace export: a line per message, not per change.</translation>
    </message>
    <message>
        <source>ru or en: the language of messages and of this help (default: the choice kept in Quorvex.ini, else the system&apos;s).</source>
        <translation>ru or en: the language of messages and of this help (default: the choice kept in Quorvex.ini, else the system&apos;s).</translation>
    </message>
    <message>
        <source>what the command takes</source>
        <translation>what the command takes</translation>
    </message>
    <message>
        <source>%1 (--help lists the options)</source>
        <translation>%1 (--help lists the options)</translation>
    </message>
    <message>
        <source>--lang %1: expected ru or en</source>
        <translation>--lang %1: expected ru or en</translation>
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation>--can %1: expected PLUGIN:INTERFACE or demo</translation>
    </message>
    <message>
        <source>--bitrate %1: expected 125K or 250K</source>
        <translation>--bitrate %1: expected 125K or 250K</translation>
    </message>
    <message>
        <source>--timeout %1: expected seconds above 0, at most %2</source>
        <translation>--timeout %1: expected seconds above 0, at most %2</translation>
    </message>
    <message>
        <source>--seconds %1: expected seconds above 0, at most %2</source>
        <translation>--seconds %1: expected seconds above 0, at most %2</translation>
    </message>
    <message>
        <source>no command given (--help lists them)</source>
        <translation>no command given (--help lists them)</translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>profile check wants one file</source>
        <translation>profile check wants one file</translation>
    </message>
    <message>
        <source>profile import wants a CSV file and the JSON file to write</source>
        <translation>profile import wants a CSV file and the JSON file to write</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1: the profile would replace the register map it is made from</source>
        <translation>%1: the profile would replace the register map it is made from</translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for a register map</source>
        <translation>%1: %2 bytes is too large for a register map</translation>
    </message>
    <message>
        <source>%1: the map describes no register</source>
        <translation>%1: the map describes no register</translation>
    </message>
    <message>
        <source>profile wants &quot;import CSV JSON&quot; or &quot;check FILE&quot;</source>
        <translation>profile wants &quot;import CSV JSON&quot; or &quot;check FILE&quot;</translation>
    </message>
    <message>
        <source>the register map of row %1 is not used: %2</source>
        <translation>the register map of row %1 is not used: %2</translation>
    </message>
</context>
<context>
    <name>CliTrace</name>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</translation>
    </message>
    <message>
        <source>trace wants &quot;export TRACE&quot;</source>
        <translation>trace wants &quot;export TRACE&quot;</translation>
    </message>
    <message>
        <source>--format %1: expected csv or jsonl</source>
        <translation>--format %1: expected csv or jsonl</translation>
    </message>
    <message>
        <source>--from %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation>--from %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</translation>
    </message>
    <message>
        <source>--to %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation>--to %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</translation>
    </message>
    <message>
        <source>project &quot;%1&quot; has no device in use</source>
        <translation>project &quot;%1&quot; has no device in use</translation>
    </message>
    <message>
        <source>%1: %2 unreadable lines and %3 CAN FD lines skipped</source>
        <translation>%1: %2 unreadable lines and %3 CAN FD lines skipped</translation>
    </message>
    <message>
        <source>trace export: standard output could not be written</source>
        <translation>trace export: standard output could not be written</translation>
    </message>
    <message>
        <source>trace export: interrupted</source>
        <translation>trace export: interrupted</translation>
    </message>
</context>
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
    <name>ErrorReport</name>
    <message>
        <source>Stay open</source>
        <translation>Stay open</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>a character device</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>a block device</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>It is %1, not a regular file</source>
        <translation>It is %1, not a regular file</translation>
    </message>
    <message>
        <source>a device path</source>
        <translation>a device path</translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation>a reserved device name</translation>
    </message>
    <message>
        <source>It is no longer a regular file, not a regular file</source>
        <translation>It is no longer a regular file, not a regular file</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>a named pipe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>the contents could not be made</source>
        <translation>the contents could not be made</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>FixedCaption</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>TimeOut</source>
        <translation>TimeOut</translation>
    </message>
    <message>
        <source>BusOff</source>
        <translation>BusOff</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>One shot error</source>
        <translation>One shot error</translation>
    </message>
    <message>
        <source>Invalid mode</source>
        <translation>Invalid mode</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>  Transmit error</source>
        <translation>  Transmit error</translation>
    </message>
    <message>
        <source>Status CAN = %1.</source>
        <translation>Status CAN = %1.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Command commands...</source>
        <translation>Command commands...</translation>
    </message>
    <message>
        <source>Adres.DEC</source>
        <translation>Adres.DEC</translation>
    </message>
    <message>
        <source>Adres.HEX</source>
        <translation>Adres.HEX</translation>
    </message>
    <message>
        <source>Data.DEC</source>
        <translation>Data.DEC</translation>
    </message>
    <message>
        <source>Начало анал. </source>
        <translation>Analog start </translation>
    </message>
    <message>
        <source>Длина анал. </source>
        <translation>Analog length </translation>
    </message>
    <message>
        <source>Начало дискр. </source>
        <translation>Discrete start </translation>
    </message>
    <message>
        <source>Длина дискр. </source>
        <translation>Discrete length </translation>
    </message>
    <message>
        <source>Bit field</source>
        <translation>Bit field</translation>
    </message>
    <message>
        <source>Adres HEX</source>
        <translation>Adres HEX</translation>
    </message>
    <message>
        <source>Data DEC</source>
        <translation>Data DEC</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
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
        <source>Data length</source>
        <translation>Data length</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Setting settings...</source>
        <translation>Setting settings...</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Current parameters</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Подсветка</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>Затухание</source>
        <translation>Fading</translation>
    </message>
    <message>
        <source>Время затухания</source>
        <translation>Fade time</translation>
    </message>
    <message>
        <source>Bit </source>
        <translation>Bit </translation>
    </message>
    <message>
        <source>Read analog...</source>
        <translation>Read analog...</translation>
    </message>
    <message>
        <source>Ok!</source>
        <translation>Ok!</translation>
    </message>
    <message>
        <source>Well...</source>
        <translation>Well...</translation>
    </message>
    <message>
        <source>!!! Error !!!</source>
        <translation>!!! Error !!!</translation>
    </message>
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
    <name>HelpMenu</name>
    <message>
        <source>The language choice could not be saved. %1</source>
        <translation>The language choice could not be saved. %1</translation>
    </message>
    <message>
        <source>The language is applied at the next start of CANQuorvex.</source>
        <translation>The language is applied at the next start of CANQuorvex.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>As specified</source>
        <translation>As specified</translation>
    </message>
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
    <name>IniFile</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>the file could not be read</translation>
    </message>
    <message>
        <source>invalid section name &quot;%1&quot;</source>
        <translation>invalid section name &quot;%1&quot;</translation>
    </message>
    <message>
        <source>invalid key name &quot;%1&quot;</source>
        <translation>invalid key name &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; contains a line break</source>
        <translation>the value of &quot;%1&quot; contains a line break</translation>
    </message>
    <message>
        <source>Permission denied (the file is read-only)</source>
        <translation>Permission denied (the file is read-only)</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>%1: line %2: a text holds a NUL character</source>
        <translation>%1: line %2: a text holds a NUL character</translation>
    </message>
    <message>
        <source>%1: line %2: the key &quot;%3&quot; appears twice in one object</source>
        <translation>%1: line %2: the key &quot;%3&quot; appears twice in one object</translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for this file</source>
        <translation>%1: %2 bytes is too large for this file</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: line %2, column %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 is a JSON object</source>
        <translation>%1: %2 is a JSON object</translation>
    </message>
</context>
<context>
    <name>ProfileCsv</name>
    <message>
        <source>%1: line %2: a quoted field is never closed</source>
        <translation>%1: line %2: a quoted field is never closed</translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as Windows-1251</source>
        <translation>%1: not UTF-8, read as Windows-1251</translation>
    </message>
    <message>
        <source>%1: the first line must name the columns (register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description)</source>
        <translation>%1: the first line must name the columns (register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description)</translation>
    </message>
    <message>
        <source>%1: line %2</source>
        <translation>%1: line %2</translation>
    </message>
    <message>
        <source>%1: %2 fields, the header names %3</source>
        <translation>%1: %2 fields, the header names %3</translation>
    </message>
    <message>
        <source>%1: the register has names in the &quot;%2&quot; column, which is for %2 registers</source>
        <translation>%1: the register has names in the &quot;%2&quot; column, which is for %2 registers</translation>
    </message>
    <message>
        <source>%1: register %2 is described twice</source>
        <translation>%1: register %2 is described twice</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>canquorvex: the settings folder: %1</source>
        <translation>canquorvex: the settings folder: %1</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>project file %1 not found</source>
        <translation>project file %1 not found</translation>
    </message>
    <message>
        <source>%1 selects no project; name one</source>
        <translation>%1 selects no project; name one</translation>
    </message>
    <message>
        <source>project &quot;%1&quot; is not in the project list of %2 (%3)</source>
        <translation>project &quot;%1&quot; is not in the project list of %2 (%3)</translation>
    </message>
</context>
<context>
    <name>QtCanDriver</name>
    <message>
        <source>unknown bit-rate code 0x%1</source>
        <translation>unknown bit-rate code 0x%1</translation>
    </message>
</context>
<context>
    <name>RegisterFields</name>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>names: &quot;%1&quot; is not &quot;number=name&quot;</source>
        <translation>names: &quot;%1&quot; is not &quot;number=name&quot;</translation>
    </message>
    <message>
        <source>names: %1 is named twice</source>
        <translation>names: %1 is named twice</translation>
    </message>
    <message>
        <source>names: only a bits or an enum register has names</source>
        <translation>names: only a bits or an enum register has names</translation>
    </message>
</context>
<context>
    <name>RegisterList</name>
    <message>
        <source>&quot;%1&quot; is not a register or a range of registers (0-127)</source>
        <translation>&quot;%1&quot; is not a register or a range of registers (0-127)</translation>
    </message>
    <message>
        <source>no register given</source>
        <translation>no register given</translation>
    </message>
</context>
<context>
    <name>SlcanCanBusDevice</name>
    <message>
        <source>slcan:%1: &quot;%2&quot; is not a serial speed (e.g. @115200)</source>
        <translation>slcan:%1: &quot;%2&quot; is not a serial speed (e.g. @115200)</translation>
    </message>
    <message>
        <source>slcan:%1: no serial port named (e.g. slcan:/dev/ttyACM0, slcan:COM5)</source>
        <translation>slcan:%1: no serial port named (e.g. slcan:/dev/ttyACM0, slcan:COM5)</translation>
    </message>
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
        <source>close (C)</source>
        <translation>close (C)</translation>
    </message>
    <message>
        <source>bit rate (%1)</source>
        <translation>bit rate (%1)</translation>
    </message>
    <message>
        <source>time stamps off (Z0)</source>
        <translation>time stamps off (Z0)</translation>
    </message>
    <message>
        <source>open (O)</source>
        <translation>open (O)</translation>
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
    <name>SlcanDllCanBusDevice</name>
    <message>
        <source>adapter %1 of slcan.dll</source>
        <translation>adapter %1 of slcan.dll</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1: %2</source>
        <translation>slcan.dll adapter %1: %2</translation>
    </message>
    <message>
        <source>the library reports no adapter attached</source>
        <translation>the library reports no adapter attached</translation>
    </message>
    <message>
        <source>the library cannot count its adapters (%1)</source>
        <translation>the library cannot count its adapters (%1)</translation>
    </message>
    <message numerus="yes">
        <source>not attached: the library reports %n adapter(s), numbered from 0</source>
        <translation>
            <numerusform>not attached: the library reports %n adapter, numbered from 0</numerusform>
            <numerusform>not attached: the library reports %n adapters, numbered from 0</numerusform>
        </translation>
    </message>
    <message>
        <source>the library gives no handle for it</source>
        <translation>the library gives no handle for it</translation>
    </message>
    <message>
        <source>the library cannot open it (is another program using it?)</source>
        <translation>the library cannot open it (is another program using it?)</translation>
    </message>
    <message>
        <source>no code for %1 bit/s (the library takes 10k, 125k, 250k, 500k and 1M)</source>
        <translation>no code for %1 bit/s (the library takes 10k, 125k, 250k, 500k and 1M)</translation>
    </message>
    <message>
        <source>the bit rate %1 bit/s (code 0x%2) was refused</source>
        <translation>the bit rate %1 bit/s (code 0x%2) was refused</translation>
    </message>
    <message>
        <source>event level %1 was refused</source>
        <translation>event level %1 was refused</translation>
    </message>
    <message>
        <source>mode %1 was refused</source>
        <translation>mode %1 was refused</translation>
    </message>
    <message>
        <source>TX time-out %1 was refused</source>
        <translation>TX time-out %1 was refused</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 is not connected</source>
        <translation>slcan.dll adapter %1 is not connected</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 sends classic data frames of 0 to 8 bytes only</source>
        <translation>slcan.dll adapter %1 sends classic data frames of 0 to 8 bytes only</translation>
    </message>
</context>
<context>
    <name>SlcanDllCanBusFactory</name>
    <message>
        <source>slcandll:%1: an adapter is named by its number, 0 for the first</source>
        <translation>slcandll:%1: an adapter is named by its number, 0 for the first</translation>
    </message>
</context>
<context>
    <name>SlcanDllLibrary</name>
    <message>
        <source>%1 is a 32-bit library (or not one for this computer): this 64-bit program cannot load it. A 64-bit slcan.dll from the adapter&apos;s maker, or a 32-bit build of CANQuorvex, is needed for this adapter.</source>
        <translation>%1 is a 32-bit library (or not one for this computer): this 64-bit program cannot load it. A 64-bit slcan.dll from the adapter&apos;s maker, or a 32-bit build of CANQuorvex, is needed for this adapter.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a library it needs is missing.</source>
        <translation>%1 cannot be loaded: a library it needs is missing.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded (Windows error %2).</source>
        <translation>%1 cannot be loaded (Windows error %2).</translation>
    </message>
    <message>
        <source>%1 has no function %2: it is not the adapter library this program knows.</source>
        <translation>%1 has no function %2: it is not the adapter library this program knows.</translation>
    </message>
    <message>
        <source>the adapter library slcan.dll was not found</source>
        <translation>the adapter library slcan.dll was not found</translation>
    </message>
    <message>
        <source>%1 did not start (SlCan_Load refused)</source>
        <translation>%1 did not start (SlCan_Load refused)</translation>
    </message>
</context>
<context>
    <name>SocketcandCanBusDevice</name>
    <message>
        <source>socketcand:%1: %2 (the form is HOST[:PORT]/BUS, e.g. socketcand:127.0.0.1/can0 or socketcand:rig7.local:29536/can1)</source>
        <translation>socketcand:%1: %2 (the form is HOST[:PORT]/BUS, e.g. socketcand:127.0.0.1/can0 or socketcand:rig7.local:29536/can1)</translation>
    </message>
    <message>
        <source>no bus named</source>
        <translation>no bus named</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no bus name (1 to %2 printable characters, no spaces)</source>
        <translation>&quot;%1&quot; is no bus name (1 to %2 printable characters, no spaces)</translation>
    </message>
    <message>
        <source>&quot;]&quot; missing after the IPv6 address</source>
        <translation>&quot;]&quot; missing after the IPv6 address</translation>
    </message>
    <message>
        <source>&quot;:PORT&quot; expected after &quot;]&quot;</source>
        <translation>&quot;:PORT&quot; expected after &quot;]&quot;</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, e.g. [::1]:29536/can0</source>
        <translation>write an IPv6 address in brackets, e.g. [::1]:29536/can0</translation>
    </message>
    <message>
        <source>no host named</source>
        <translation>no host named</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (1 to 65535)</source>
        <translation>&quot;%1&quot; is no TCP port (1 to 65535)</translation>
    </message>
    <message>
        <source>socketcand server %1, bus %2</source>
        <translation>socketcand server %1, bus %2</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>greeting (&lt; hi &gt;)</source>
        <translation>greeting (&lt; hi &gt;)</translation>
    </message>
    <message>
        <source>open (&lt; open %1 &gt;)</source>
        <translation>open (&lt; open %1 &gt;)</translation>
    </message>
    <message>
        <source>raw mode (&lt; rawmode &gt;)</source>
        <translation>raw mode (&lt; rawmode &gt;)</translation>
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
        <source>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</source>
        <translation>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</translation>
    </message>
    <message>
        <source>an error frame</source>
        <translation>an error frame</translation>
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
        <source>socketcand server</source>
        <translation>socketcand server</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>link lost</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connecting</translation>
    </message>
    <message>
        <source>Link: %1, %2</source>
        <translation>Link: %1, %2</translation>
    </message>
    <message>
        <source>Errors reported by the server: %1</source>
        <translation>Errors reported by the server: %1</translation>
    </message>
    <message>
        <source>Errors reported by the server: %1 (last: &quot;%2&quot;)</source>
        <translation>Errors reported by the server: %1 (last: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Messages not understood: %1, garbage skipped: %2</source>
        <translation>Messages not understood: %1, garbage skipped: %2</translation>
    </message>
</context>
<context>
    <name>SocketcandServer</name>
    <message>
        <source>&quot;%1&quot;: %2 (give [ADDR:]PORT, e.g. 29536, 0.0.0.0:29536 or [::1]:29536)</source>
        <translation>&quot;%1&quot;: %2 (give [ADDR:]PORT, e.g. 29536, 0.0.0.0:29536 or [::1]:29536)</translation>
    </message>
    <message>
        <source>&quot;]:PORT&quot; expected after the IPv6 address</source>
        <translation>&quot;]:PORT&quot; expected after the IPv6 address</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets</source>
        <translation>write an IPv6 address in brackets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (0 to 65535)</source>
        <translation>&quot;%1&quot; is no TCP port (0 to 65535)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IP address of this machine</source>
        <translation>&quot;%1&quot; is no IP address of this machine</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>cannot listen on %1: %2</translation>
    </message>
    <message>
        <source>socketcand client %1 refused: %2 clients already</source>
        <translation>socketcand client %1 refused: %2 clients already</translation>
    </message>
    <message>
        <source>socketcand client %1 connected</source>
        <translation>socketcand client %1 connected</translation>
    </message>
    <message>
        <source>socketcand client %1 left</source>
        <translation>socketcand client %1 left</translation>
    </message>
    <message>
        <source>socketcand client %1 left: %2</source>
        <translation>socketcand client %1 left: %2</translation>
    </message>
    <message>
        <source>open and rawmode not given within %1 s</source>
        <translation>open and rawmode not given within %1 s</translation>
    </message>
    <message>
        <source>more than %1 s behind, disconnected</source>
        <translation>more than %1 s behind, disconnected</translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, clients may send): %3 client(s), %4 frame(s) dropped</source>
        <translation>socketcand on %1 (bus %2, clients may send): %3 client(s), %4 frame(s) dropped</translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, read only): %3 client(s), %4 frame(s) dropped</source>
        <translation>socketcand on %1 (bus %2, read only): %3 client(s), %4 frame(s) dropped</translation>
    </message>
</context>
<context>
    <name>SocketcandSession</name>
    <message>
        <source>more than %1 KB of replies unread</source>
        <translation>more than %1 KB of replies unread</translation>
    </message>
    <message>
        <source>closed the connection</source>
        <translation>closed the connection</translation>
    </message>
    <message>
        <source>could not open bus</source>
        <translation>could not open bus</translation>
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
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;%1&quot;, and again to close it. The &quot;%2&quot; panel shows which adapter.</source>
        <translation>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;%1&quot;, and again to close it. The &quot;%2&quot; panel shows which adapter.</translation>
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
        <source>&quot;%1&quot; opens the device&apos;s window.</source>
        <translation>&quot;%1&quot; opens the device&apos;s window.</translation>
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
        <source>%1: the value %2 of &quot;ProjectNum&quot; in section [Projects] is not a valid project number (0 to %3). No project is selected; choose one from the list.</source>
        <translation>%1: the value %2 of &quot;ProjectNum&quot; in section [Projects] is not a valid project number (0 to %3). No project is selected; choose one from the list.</translation>
    </message>
    <message>
        <source>While changing to project &quot;%1&quot;:</source>
        <translation>While changing to project &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>the adapter library is not loaded</source>
        <translation>the adapter library is not loaded</translation>
    </message>
    <message>
        <source>no CAN adapter found (canquorvex --help lists them; --can demo plays the demo bus)</source>
        <translation>no CAN adapter found (canquorvex --help lists them; --can demo plays the demo bus)</translation>
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation>the adapter refused to open</translation>
    </message>
    <message>
        <source>No CAN adapter is open: %1.</source>
        <translation>No CAN adapter is open: %1.</translation>
    </message>
    <message>
        <source>A CAN adapter is open.</source>
        <translation>A CAN adapter is open.</translation>
    </message>
    <message>
        <source>CANQuorvex: %1; the renamed command captions were not saved.</source>
        <translation>CANQuorvex: %1; the renamed command captions were not saved.</translation>
    </message>
    <message>
        <source>The renamed command captions are not saved. Make the file writable and close again, or close without saving them.</source>
        <translation>The renamed command captions are not saved. Make the file writable and close again, or close without saving them.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>CANQuorvex: signal %1, closing</source>
        <translation>CANQuorvex: signal %1, closing</translation>
    </message>
    <message>
        <source>Hide the UART panel</source>
        <translation>Hide the UART panel</translation>
    </message>
    <message>
        <source>Show the UART panel</source>
        <translation>Show the UART panel</translation>
    </message>
    <message>
        <source>Edit projects…</source>
        <translation>Edit projects…</translation>
    </message>
</context>
<context>
    <name>TCanBus</name>
    <message>
        <source>no device for %1:%2</source>
        <translation>no device for %1:%2</translation>
    </message>
    <message>
        <source>the adapter did not connect</source>
        <translation>the adapter did not connect</translation>
    </message>
</context>
<context>
    <name>TCliProgram</name>
    <message>
        <source>params wants save, diff or restore (--help shows them)</source>
        <translation>params wants save, diff or restore (--help shows them)</translation>
    </message>
    <message>
        <source>params save wants a device and a file</source>
        <translation>params save wants a device and a file</translation>
    </message>
    <message>
        <source>the device reported none of the registers within %1 s; nothing was saved</source>
        <translation>the device reported none of the registers within %1 s; nothing was saved</translation>
    </message>
    <message numerus="yes">
        <source>%n registers saved in %1</source>
        <translation>
            <numerusform>%n register saved in %1</numerusform>
            <numerusform>%n registers saved in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>not reported within %1 s, not saved: register %2</source>
        <translation>not reported within %1 s, not saved: register %2</translation>
    </message>
    <message>
        <source>params diff wants FILE and either --live DEVICE or FILE2</source>
        <translation>params diff wants FILE and either --live DEVICE or FILE2</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) differ</source>
        <translation>
            <numerusform>%n register differs</numerusform>
            <numerusform>%n registers differ</numerusform>
        </translation>
    </message>
    <message>
        <source>params restore wants a device and a file</source>
        <translation>params restore wants a device and a file</translation>
    </message>
    <message>
        <source>restore refused, nothing was sent:
  %1</source>
        <translation>restore refused, nothing was sent:
  %1</translation>
    </message>
    <message>
        <source>  register %1 %2: %3 -&gt; %4 (%5)
</source>
        <translation>  register %1 %2: %3 -&gt; %4 (%5)
</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>not seen</translation>
    </message>
    <message>
        <source>%1 register(s) to write in %2 frame(s), %3 unchanged, %4 skipped (ro)</source>
        <translation>%1 register(s) to write in %2 frame(s), %3 unchanged, %4 skipped (ro)</translation>
    </message>
    <message>
        <source>nothing to write: the device already holds the file&apos;s values</source>
        <translation>nothing to write: the device already holds the file&apos;s values</translation>
    </message>
    <message>
        <source>standard input is no terminal to ask on: give --yes to restore without asking, or --dry-run to see the plan</source>
        <translation>standard input is no terminal to ask on: give --yes to restore without asking, or --dry-run to see the plan</translation>
    </message>
    <message numerus="yes">
        <source>Write %n register(s) to %1? [y/N] </source>
        <translation>
            <numerusform>Write %n register to %1? [y/N] </numerusform>
            <numerusform>Write %n registers to %1? [y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>not confirmed; nothing was sent</source>
        <translation>not confirmed; nothing was sent</translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent (interrupted)</source>
        <translation>%1 of %2 write frame(s) sent (interrupted)</translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent</source>
        <translation>%1 of %2 write frame(s) sent</translation>
    </message>
    <message>
        <source>the CAN adapter went away</source>
        <translation>the CAN adapter went away</translation>
    </message>
    <message numerus="yes">
        <source>the adapter refused %n write(s)</source>
        <translation>
            <numerusform>the adapter refused %n write</numerusform>
            <numerusform>the adapter refused %n writes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 line(s) skipped: %3 CAN FD, %4 unreadable</source>
        <translation>
            <numerusform>%1: %2 line skipped: %3 CAN FD, %4 unreadable</numerusform>
            <numerusform>%1: %2 lines skipped: %3 CAN FD, %4 unreadable</numerusform>
        </translation>
    </message>
    <message>
        <source>the settings folder: %1</source>
        <translation>the settings folder: %1</translation>
    </message>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</translation>
    </message>
    <message>
        <source>no CAN adapter found (--can names one)</source>
        <translation>no CAN adapter found (--can names one)</translation>
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation>the adapter refused to open</translation>
    </message>
    <message>
        <source>--profile is for read, params and trace export</source>
        <translation>--profile is for read, params and trace export</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (--help lists them)</source>
        <translation>unknown command &quot;%1&quot; (--help lists them)</translation>
    </message>
    <message>
        <source>interrupted: no further write is sent</source>
        <translation>interrupted: no further write is sent</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices takes no arguments</translation>
    </message>
    <message>
        <source>monitor takes no arguments (--seconds S sets how long)</source>
        <translation>monitor takes no arguments (--seconds S sets how long)</translation>
    </message>
    <message>
        <source>read wants a device and at least one register</source>
        <translation>read wants a device and at least one register</translation>
    </message>
    <message>
        <source>not reported within %1 s: register %2</source>
        <translation>not reported within %1 s: register %2</translation>
    </message>
    <message>
        <source>write wants a device, a register and 1-4 values</source>
        <translation>write wants a device, a register and 1-4 values</translation>
    </message>
    <message>
        <source>write: register &quot;%1&quot; is not 0-127</source>
        <translation>write: register &quot;%1&quot; is not 0-127</translation>
    </message>
    <message>
        <source>write: %1 values; one write carries at most %2 in this project&apos;s layout</source>
        <translation>write: %1 values; one write carries at most %2 in this project&apos;s layout</translation>
    </message>
    <message>
        <source>write: registers %1-%2 run past register 127</source>
        <translation>write: registers %1-%2 run past register 127</translation>
    </message>
    <message>
        <source>write: value &quot;%1&quot; is not a 16-bit number (-32768 to 65535)</source>
        <translation>write: value &quot;%1&quot; is not a 16-bit number (-32768 to 65535)</translation>
    </message>
    <message>
        <source>command wants a device and a button 0-16</source>
        <translation>command wants a device and a button 0-16</translation>
    </message>
    <message>
        <source>command: button &quot;%1&quot; is not 0-16</source>
        <translation>command: button &quot;%1&quot; is not 0-16</translation>
    </message>
    <message>
        <source>the adapter refused the frame: %1</source>
        <translation>the adapter refused the frame: %1</translation>
    </message>
    <message>
        <source>the adapter did not pass the frame on in time</source>
        <translation>the adapter did not pass the frame on in time</translation>
    </message>
</context>
<context>
    <name>TComPort</name>
    <message>
        <source>no port for COM%1</source>
        <translation>no port for COM%1</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare with file</source>
        <translation>Compare with file</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Compare with %1</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message numerus="yes">
        <source>All %n registers of the file equal the live values.</source>
        <translation>
            <numerusform>The %n register of the file equals the live value.</numerusform>
            <numerusform>All %n registers of the file equal the live values.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n registers differ (marked; — : the device has not reported it).</source>
        <translation>
            <numerusform>%1 of %n register differs (marked; — : the device has not reported it).</numerusform>
            <numerusform>%1 of %n registers differ (marked; — : the device has not reported it).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceProfile</name>
    <message>
        <source>&quot;register&quot; must be a whole number from 0 to 127</source>
        <translation>&quot;register&quot; must be a whole number from 0 to 127</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>&quot;%1&quot; must be a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; must be a text</translation>
    </message>
    <message>
        <source>&quot;name&quot; is missing</source>
        <translation>&quot;name&quot; is missing</translation>
    </message>
    <message>
        <source>&quot;scale&quot; must not be 0</source>
        <translation>&quot;scale&quot; must not be 0</translation>
    </message>
    <message>
        <source>&quot;decimals&quot; must be a whole number from 0 to %1</source>
        <translation>&quot;decimals&quot; must be a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>&quot;type&quot; must be s16, u16, bits or enum, not &quot;%1&quot;</source>
        <translation>&quot;type&quot; must be s16, u16, bits or enum, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;access&quot; must be ro or rw, not &quot;%1&quot;</source>
        <translation>&quot;access&quot; must be ro or rw, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;min&quot; is above &quot;max&quot;</source>
        <translation>&quot;min&quot; is above &quot;max&quot;</translation>
    </message>
    <message>
        <source>&quot;default&quot; lies outside min and max</source>
        <translation>&quot;default&quot; lies outside min and max</translation>
    </message>
    <message>
        <source>&quot;bits&quot; must be an object of bit numbers and names</source>
        <translation>&quot;bits&quot; must be an object of bit numbers and names</translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; is not a bit (0-15) or a range of bits</source>
        <translation>bits: &quot;%1&quot; is not a bit (0-15) or a range of bits</translation>
    </message>
    <message>
        <source>bits: the name of &quot;%1&quot; must be a text</source>
        <translation>bits: the name of &quot;%1&quot; must be a text</translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; overlaps another field</source>
        <translation>bits: &quot;%1&quot; overlaps another field</translation>
    </message>
    <message>
        <source>&quot;enum&quot; must be an object of values and names</source>
        <translation>&quot;enum&quot; must be an object of values and names</translation>
    </message>
    <message>
        <source>enum: &quot;%1&quot; is not a 16-bit value</source>
        <translation>enum: &quot;%1&quot; is not a 16-bit value</translation>
    </message>
    <message>
        <source>enum: the name of %1 must be a text</source>
        <translation>enum: the name of %1 must be a text</translation>
    </message>
    <message>
        <source>an enum register needs &quot;enum&quot; with its values</source>
        <translation>an enum register needs &quot;enum&quot; with its values</translation>
    </message>
    <message>
        <source>raw %1 (0x%2)</source>
        <translation>raw %1 (0x%2)</translation>
    </message>
    <message>
        <source>%1 (bit %2 of %3-%4)</source>
        <translation>%1 (bit %2 of %3-%4)</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>%1 lies outside %2</source>
        <translation>%1 lies outside %2</translation>
    </message>
    <message>
        <source>%1 is more than the register can hold (%2 … %3 raw)</source>
        <translation>%1 is more than the register can hold (%2 … %3 raw)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>&quot;%1&quot; is none of %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>a profile</source>
        <translation>a profile</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation>&quot;schema&quot; must be 1</translation>
    </message>
    <message>
        <source>&quot;device&quot; (the device type&apos;s name) is missing</source>
        <translation>&quot;device&quot; (the device type&apos;s name) is missing</translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation>&quot;registers&quot; must be a list</translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation>register entry %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation>%1 (register %2)</translation>
    </message>
    <message>
        <source>the register is described twice</source>
        <translation>the register is described twice</translation>
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
        <source>main window: the switch above &quot;%1&quot;</source>
        <translation>main window: the switch above &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Choose the bit rate</source>
        <translation>Choose the bit rate</translation>
    </message>
    <message>
        <source>main window: &quot;%1&quot;, before switching on</source>
        <translation>main window: &quot;%1&quot;, before switching on</translation>
    </message>
    <message>
        <source>Open a device&apos;s window</source>
        <translation>Open a device&apos;s window</translation>
    </message>
    <message>
        <source>main window: the &quot;%1&quot; button at the end of its row</source>
        <translation>main window: the &quot;%1&quot; button at the end of its row</translation>
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
        <source>main window: &quot;%1&quot; (right-click it for the folder)</source>
        <translation>main window: &quot;%1&quot; (right-click it for the folder)</translation>
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
        <source>device window: the editor at the top left, &quot;%1&quot;</source>
        <translation>device window: the editor at the top left, &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Repeat the write</source>
        <translation>Repeat the write</translation>
    </message>
    <message>
        <source>device window: &quot;%1&quot; with the period in 10 ms ticks</source>
        <translation>device window: &quot;%1&quot; with the period in 10 ms ticks</translation>
    </message>
    <message>
        <source>Send a command</source>
        <translation>Send a command</translation>
    </message>
    <message>
        <source>device window: the &quot;%1&quot; buttons</source>
        <translation>device window: the &quot;%1&quot; buttons</translation>
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
    <message>
        <source>Language of the windows (Russian, English, or as specified)</source>
        <translation>Language of the windows (Russian, English, or as specified)</translation>
    </message>
    <message>
        <source>&quot;Language&quot; at the top of every right-click menu; taken at the next start</source>
        <translation>&quot;Language&quot; at the top of every right-click menu; taken at the next start</translation>
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
        <source>The window&apos;s log. Rest the mouse on a &quot;%1&quot; or &quot;%2&quot; line to see what was sent; double-click to clear the log.</source>
        <translation>The window&apos;s log. Rest the mouse on a &quot;%1&quot; or &quot;%2&quot; line to see what was sent; double-click to clear the log.</translation>
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
        <source>%1: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</source>
        <translation>%1: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</translation>
    </message>
    <message>
        <source>The period of %1, in 10 ms ticks (100 = about once a second).</source>
        <translation>The period of %1, in 10 ms ticks (100 = about once a second).</translation>
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
        <source>Save parameters…</source>
        <translation>Save parameters…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>Restore from file…</source>
        <translation>Restore from file…</translation>
    </message>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Parameter sets (*.json)</translation>
    </message>
    <message>
        <source>Save which registers of %1?</source>
        <translation>Save which registers of %1?</translation>
    </message>
    <message>
        <source>The 1 selected register</source>
        <translation>The 1 selected register</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected registers</source>
        <translation>
            <numerusform>The %n selected register</numerusform>
            <numerusform>The %n selected registers</numerusform>
        </translation>
    </message>
    <message>
        <source>The 1 readable register</source>
        <translation>The 1 readable register</translation>
    </message>
    <message numerus="yes">
        <source>All %n readable registers</source>
        <translation>
            <numerusform>The %n readable register</numerusform>
            <numerusform>All %n readable registers</numerusform>
        </translation>
    </message>
    <message>
        <source>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</source>
        <translation>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</translation>
    </message>
    <message>
        <source>The device has not reported any of these registers yet; nothing was saved.</source>
        <translation>The device has not reported any of these registers yet; nothing was saved.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>The restore is refused; nothing was sent.

%1</source>
        <translation>The restore is refused; nothing was sent.

%1</translation>
    </message>
    <message>
        <source>%1.

Restore it to this device all the same?</source>
        <translation>%1.

Restore it to this device all the same?</translation>
    </message>
    <message>
        <source>Nothing to write: the device already holds the file&apos;s values (%1 unchanged, %2 skipped as read-only).</source>
        <translation>Nothing to write: the device already holds the file&apos;s values (%1 unchanged, %2 skipped as read-only).</translation>
    </message>
    <message>
        <source>Restoring parameters...</source>
        <translation>Restoring parameters...</translation>
    </message>
    <message>
        <source>Restoring %1…</source>
        <translation>Restoring %1…</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message numerus="yes">
        <source>Restore: %1 of %n frames, %2 failed</source>
        <translation>
            <numerusform>Restore: %1 of %n frame, %2 failed</numerusform>
            <numerusform>Restore: %1 of %n frames, %2 failed</numerusform>
        </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Register map…</source>
        <translation>Register map…</translation>
    </message>
    <message>
        <source>No register map</source>
        <translation>No register map</translation>
    </message>
    <message>
        <source>%1: the register map cannot be used, the window works without it.
%2</source>
        <translation>%1: the register map cannot be used, the window works without it.
%2</translation>
    </message>
    <message>
        <source>%1: the register map cannot be used.
%2</source>
        <translation>%1: the register map cannot be used.
%2</translation>
    </message>
    <message>
        <source>%1: the register map is not kept.
%2</source>
        <translation>%1: the register map is not kept.
%2</translation>
    </message>
    <message>
        <source>Register map - %1</source>
        <translation>Register map - %1</translation>
    </message>
    <message>
        <source>Register maps (*.json);;All files (*)</source>
        <translation>Register maps (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>%1 · register %2, bit %3</source>
        <translation>%1 · register %2, bit %3</translation>
    </message>
    <message>
        <source>%1 · register %2</source>
        <translation>%1 · register %2</translation>
    </message>
    <message>
        <source>not in the register map</source>
        <translation>not in the register map</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>read-only</translation>
    </message>
    <message>
        <source>read/write</source>
        <translation>read/write</translation>
    </message>
    <message>
        <source>range %1</source>
        <translation>range %1</translation>
    </message>
    <message>
        <source>Read analog block over the serial port</source>
        <translation>Read analog block over the serial port</translation>
    </message>
    <message>
        <source>Plot the selected registers</source>
        <translation>Plot the selected registers</translation>
    </message>
    <message>
        <source>Plot register %1</source>
        <translation>Plot register %1</translation>
    </message>
    <message>
        <source>Plot register %1, bit %2</source>
        <translation>Plot register %1, bit %2</translation>
    </message>
    <message numerus="yes">
        <source>Trend: %n registers plotted already</source>
        <translation>
            <numerusform>Trend: %n register plotted already</numerusform>
            <numerusform>Trend: %n registers plotted already</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TParameterSet</name>
    <message>
        <source>a parameter set</source>
        <translation>a parameter set</translation>
    </message>
    <message>
        <source>&quot;kind&quot; must be &quot;parameter-set&quot; (is this a parameter set?)</source>
        <translation>&quot;kind&quot; must be &quot;parameter-set&quot; (is this a parameter set?)</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation>&quot;schema&quot; must be 1</translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation>&quot;registers&quot; must be a list</translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation>register entry %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>&quot;register&quot; must be a whole number</source>
        <translation>&quot;register&quot; must be a whole number</translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation>%1 (register %2)</translation>
    </message>
    <message>
        <source>&quot;raw&quot; must be a whole number from 0 to 65535</source>
        <translation>&quot;raw&quot; must be a whole number from 0 to 65535</translation>
    </message>
    <message>
        <source>the register is in the set twice</source>
        <translation>the register is in the set twice</translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>Filter: a name, or registers (24, 0x18, 89-126)</source>
        <translation>Filter: a name, or registers (24, 0x18, 89-126)</translation>
    </message>
    <message>
        <source>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</source>
        <translation>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>%1 (register %2) is read-only: nothing was sent.</source>
        <translation>%1 (register %2) is read-only: nothing was sent.</translation>
    </message>
    <message>
        <source>The register map has changes that are not saved: save it first. Nothing was sent.</source>
        <translation>The register map has changes that are not saved: save it first. Nothing was sent.</translation>
    </message>
    <message>
        <source>Register %1 is not in the register map: nothing was sent.</source>
        <translation>Register %1 is not in the register map: nothing was sent.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was sent.</source>
        <translation>%1: %2; nothing was sent.</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <translation>%1: not sent: %2</translation>
    </message>
    <message>
        <source>%1 = %2 written (raw %3).</source>
        <translation>%1 = %2 written (raw %3).</translation>
    </message>
    <message>
        <source>%1 (not taken)</source>
        <translation>%1 (not taken)</translation>
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
    <message numerus="yes">
        <source>A new register map with the %n registers the device has reported: name them, then &quot;Save&quot;.</source>
        <translation>
            <numerusform>A new register map with the %n register the device has reported: name it, then &quot;Save&quot;.</numerusform>
            <numerusform>A new register map with the %n registers the device has reported: name them, then &quot;Save&quot;.</numerusform>
        </translation>
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
        <source>%1: nothing was saved.</source>
        <translation>%1: nothing was saved.</translation>
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
    <message numerus="yes">
        <source>%n registers exported to %1.</source>
        <translation>
            <numerusform>%n register exported to %1.</numerusform>
            <numerusform>%n registers exported to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TParametersModel</name>
    <message>
        <source>range %1</source>
        <translation>range %1</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>read-only</translation>
    </message>
    <message>
        <source>double-click to write a new value</source>
        <translation>double-click to write a new value</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Raw</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Access</translation>
    </message>
</context>
<context>
    <name>TProfileDecoder</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>the program&apos;s folder</source>
        <translation>the program&apos;s folder</translation>
    </message>
    <message>
        <source>the program runs installed: $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex</source>
        <translation>the program runs installed: $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex</translation>
    </message>
    <message>
        <source>chosen with --folder</source>
        <translation>chosen with --folder</translation>
    </message>
    <message>
        <source>Folders in use:
  settings (Projects.ini, Quorvex.ini, profiles/): %1
    (%2)
</source>
        <translation>Folders in use:
  settings (Projects.ini, Quorvex.ini, profiles/): %1
    (%2)
</translation>
    </message>
    <message>
        <source>  traces (new recordings, unless another folder was chosen in the REC menu): %1
</source>
        <translation>  traces (new recordings, unless another folder was chosen in the REC menu): %1
</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>%1 cannot be copied to %2: %3</translation>
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
        <source>%1, %2 %3</source>
        <extracomment>A problem of the project editor: the project, the value and what is wrong with it (&quot;Project &quot;Line 2&quot;, the base identifier &quot;0x1G&quot; is not a number&quot;).</extracomment>
        <translation>%1, %2 %3</translation>
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
        <source>row %1 reception identifier</source>
        <translation>row %1 reception identifier</translation>
    </message>
    <message>
        <source>row %1 transmission identifier</source>
        <translation>row %1 transmission identifier</translation>
    </message>
    <message>
        <source>transmission identifier %1 is also row %2&apos;s</source>
        <translation>transmission identifier %1 is also row %2&apos;s</translation>
    </message>
    <message>
        <source>row %1 name</source>
        <translation>row %1 name</translation>
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
        <source>the file would not read back as edited</source>
        <translation>the file would not read back as edited</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was saved.</source>
        <translation>Cannot save %1: %2. Nothing was saved.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more. Nothing was saved.</source>
        <translation>
            <numerusform>%1, and %n more. Nothing was saved.</numerusform>
            <numerusform>%1, and %n more. Nothing was saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRecToggle</name>
    <message>
        <source>REC</source>
        <translation>REC</translation>
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
    <name>TRestoreConfirmDialog</name>
    <message>
        <source>Restore %1</source>
        <translation>Restore %1</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Live → file</source>
        <translation>Live → file</translation>
    </message>
    <message>
        <source>write</source>
        <translation>write</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>skipped: read-only</source>
        <translation>skipped: read-only</translation>
    </message>
    <message>
        <source>%1 will be written in %2 and then checked against the device&apos;s reports; %3 unchanged, %4 read-only.</source>
        <translation>%1 will be written in %2 and then checked against the device&apos;s reports; %3 unchanged, %4 read-only.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>TRestorePlan</name>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has none</source>
        <translation>the set was saved for the profile &quot;%1&quot;; this device has none</translation>
    </message>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has &quot;%2&quot;</source>
        <translation>the set was saved for the profile &quot;%1&quot;; this device has &quot;%2&quot;</translation>
    </message>
    <message>
        <source>register %1: there are registers 0-127 only</source>
        <translation>register %1: there are registers 0-127 only</translation>
    </message>
    <message>
        <source>register %1 (%2): %3 lies outside %4</source>
        <translation>register %1 (%2): %3 lies outside %4</translation>
    </message>
</context>
<context>
    <name>TRestoreResultDialog</name>
    <message>
        <source>confirmed</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>mismatch</translation>
    </message>
    <message>
        <source>not-seen</source>
        <translation>not-seen</translation>
    </message>
    <message>
        <source>skipped-ro</source>
        <translation>skipped-ro</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>written</source>
        <translation>written</translation>
    </message>
    <message>
        <source>not-sent</source>
        <translation>not-sent</translation>
    </message>
    <message>
        <source>Restore result</source>
        <translation>Restore result</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reported</source>
        <translation>Reported</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent (aborted); %3 failed.</source>
        <translation>%1 of %2 write frames sent (aborted); %3 failed.</translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent; %3 failed.</source>
        <translation>%1 of %2 write frames sent; %3 failed.</translation>
    </message>
    <message>
        <source>Restore the failed registers again</source>
        <translation>Restore the failed registers again</translation>
    </message>
</context>
<context>
    <name>TTraceFileWindow</name>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation>all identifiers; e.g. 110, 200-2FF, 100:7F0</translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Press Enter to filter the whole file.</source>
        <translation>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Press Enter to filter the whole file.</translation>
    </message>
    <message>
        <source>text in Decoded</source>
        <translation>text in Decoded</translation>
    </message>
    <message>
        <source>Show only frames whose decoded words hold this text (any case). Press Enter to filter the whole file.</source>
        <translation>Show only frames whose decoded words hold this text (any case). Press Enter to filter the whole file.</translation>
    </message>
    <message>
        <source>Go to a time: a time of day (on the day of the first frame), a date and time (2024-12-08T09:26:40) or seconds as the trace states them</source>
        <translation>Go to a time: a time of day (on the day of the first frame), a date and time (2024-12-08T09:26:40) or seconds as the trace states them</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Draw the registers of the selected rows over the trace&apos;s time</source>
        <translation>Draw the registers of the selected rows over the trace&apos;s time</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Go to:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>Open a trace</source>
        <translation>Open a trace</translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation>Trace %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time: type 09:26:40.5, 2024-12-08T09:26:40 or seconds.</source>
        <translation>&quot;%1&quot; is no time: type 09:26:40.5, 2024-12-08T09:26:40 or seconds.</translation>
    </message>
    <message>
        <source>No row at or after %1.</source>
        <translation>No row at or after %1.</translation>
    </message>
    <message>
        <source>No row at or after %1 in the part indexed so far.</source>
        <translation>No row at or after %1 in the part indexed so far.</translation>
    </message>
    <message>
        <source>Select rows with frames of a device to plot their registers.</source>
        <translation>Select rows with frames of a device to plot their registers.</translation>
    </message>
    <message>
        <source>filtering %p%</source>
        <translation>filtering %p%</translation>
    </message>
    <message>
        <source>indexing %p%</source>
        <translation>indexing %p%</translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation>Filter not applied: %1.</translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines so far</source>
        <translation>%1 frames match of %2 lines so far</translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines</source>
        <translation>%1 frames match of %2 lines</translation>
    </message>
    <message>
        <source>%1 lines so far</source>
        <translation>%1 lines so far</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lines</translation>
    </message>
</context>
<context>
    <name>TTracePlayerWindow</name>
    <message>
        <source>Play a trace</source>
        <translation>Play a trace</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>As fast as possible</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation>Back to the adapter</translation>
    </message>
    <message>
        <source>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</source>
        <translation>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</translation>
    </message>
    <message>
        <source>No trace chosen.</source>
        <translation>No trace chosen.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
</context>
<context>
    <name>TTracePlot</name>
    <message>
        <source>Reading %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Trend - %1 (row %2)</source>
        <translation>Trend - %1 (row %2)</translation>
    </message>
</context>
<context>
    <name>TTraceTools</name>
    <message>
        <source>Cannot record: the traces folder %1 cannot be created.</source>
        <translation>Cannot record: the traces folder %1 cannot be created.</translation>
    </message>
    <message numerus="yes">
        <source>Recording into %1: %n frames. Click to stop.</source>
        <translation>
            <numerusform>Recording into %1: %n frame. Click to stop.</numerusform>
            <numerusform>Recording into %1: %n frames. Click to stop.</numerusform>
        </translation>
    </message>
    <message>
        <source>Record the bus into a new file of %1 (right-click to choose the folder).</source>
        <translation>Record the bus into a new file of %1 (right-click to choose the folder).</translation>
    </message>
    <message>
        <source>Traces folder: %1</source>
        <translation>Traces folder: %1</translation>
    </message>
    <message>
        <source>Choose the traces folder…</source>
        <translation>Choose the traces folder…</translation>
    </message>
    <message>
        <source>Open the traces folder</source>
        <translation>Open the traces folder</translation>
    </message>
    <message>
        <source>Traces folder</source>
        <translation>Traces folder</translation>
    </message>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</translation>
    </message>
    <message>
        <source>The selected rows hold no register of a device of project &quot;%1&quot;.</source>
        <translation>The selected rows hold no register of a device of project &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation>Back to the adapter</translation>
    </message>
    <message>
        <source>Trace view</source>
        <translation>Trace view</translation>
    </message>
    <message>
        <source>Play a trace…</source>
        <translation>Play a trace…</translation>
    </message>
    <message>
        <source>Open a trace…</source>
        <translation>Open a trace…</translation>
    </message>
</context>
<context>
    <name>TTraceView</name>
    <message>
        <source>CANQuorvex trace</source>
        <translation>CANQuorvex trace</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop taking frames into the view (Space)</source>
        <translation>Stop taking frames into the view (Space)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Empty the view (Ctrl+L)</source>
        <translation>Empty the view (Ctrl+L)</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation>all identifiers; e.g. 110, 200-2FF, 100:7F0</translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Empty shows every frame. (Ctrl+F)</source>
        <translation>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Empty shows every frame. (Ctrl+F)</translation>
    </message>
    <message>
        <source>Follow newest</source>
        <translation>Follow newest</translation>
    </message>
    <message>
        <source>Keep the newest frame in sight (End)</source>
        <translation>Keep the newest frame in sight (End)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>%1 frames shown, %2 kept (the last %3 at most)</source>
        <translation>%1 frames shown, %2 kept (the last %3 at most)</translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation>Filter not applied: %1.</translation>
    </message>
    <message>
        <source>%1; paused, %2 frames passed meanwhile</source>
        <translation>%1; paused, %2 frames passed meanwhile</translation>
    </message>
</context>
<context>
    <name>TTrendForm</name>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Freeze the view; recording goes on</source>
        <translation>Freeze the view; recording goes on</translation>
    </message>
    <message>
        <source>Y auto</source>
        <translation>Y auto</translation>
    </message>
    <message>
        <source>from</source>
        <translation>from</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Raw</translation>
    </message>
    <message>
        <source>Raw register values instead of the register map&apos;s engineering values</source>
        <translation>Raw register values instead of the register map&apos;s engineering values</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>value</source>
        <translation>value</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>Click into the plot to read the values at a time.</source>
        <translation>Click into the plot to read the values at a time.</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Follow the clock again</source>
        <translation>Follow the clock again</translation>
    </message>
    <message>
        <source>trace time (the recorded time of day)</source>
        <translation>trace time (the recorded time of day)</translation>
    </message>
    <message>
        <source>time since the trend window opened (h:mm:ss)</source>
        <translation>time since the trend window opened (h:mm:ss)</translation>
    </message>
    <message>
        <source>Trend - %1</source>
        <translation>Trend - %1</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>%1 (trace time)</source>
        <translation>%1 (trace time)</translation>
    </message>
    <message>
        <source>The trends&apos; memory (%1 MB for all device windows) is full; the oldest values make room for new ones. This trend goes back %2:%3:%4.</source>
        <translation>The trends&apos; memory (%1 MB for all device windows) is full; the oldest values make room for new ones. This trend goes back %2:%3:%4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 s&lt;/b&gt; (%2):</source>
        <translation>&lt;b&gt;%1 s&lt;/b&gt; (%2):</translation>
    </message>
    <message>
        <source>Remove from the trend</source>
        <translation>Remove from the trend</translation>
    </message>
    <message>
        <source>Plot the value</source>
        <translation>Plot the value</translation>
    </message>
    <message>
        <source>Plot one bit</source>
        <translation>Plot one bit</translation>
    </message>
    <message>
        <source>Bit %1</source>
        <translation>Bit %1</translation>
    </message>
    <message>
        <source>Remove the cursor</source>
        <translation>Remove the cursor</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
</context>
<context>
    <name>TTrendModel</name>
    <message>
        <source>%1 bit %2</source>
        <extracomment>A bit of a plotted register: &quot;0x00 (0) bit 1&quot;.</extracomment>
        <translation>%1 bit %2</translation>
    </message>
    <message>
        <source>%1 %2 (raw)</source>
        <extracomment>A plotted register&apos;s raw value: &quot;0x18 (24) Motor current (raw)&quot;.</extracomment>
        <translation>%1 %2 (raw)</translation>
    </message>
</context>
<context>
    <name>TUartPanel</name>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
</context>
<context>
    <name>TraceCanBusDevice</name>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</translation>
    </message>
    <message>
        <source>The trace is not playing.</source>
        <translation>The trace is not playing.</translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation>Invalid frame.</translation>
    </message>
</context>
<context>
    <name>TraceFileModel</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>unreadable line: %1</source>
        <translation>unreadable line: %1</translation>
    </message>
    <message>
        <source>CAN FD (not decoded): %1</source>
        <translation>CAN FD (not decoded): %1</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>remote request</source>
        <translation>remote request</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>DLC</source>
        <translation>DLC</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Decoded</translation>
    </message>
</context>
<context>
    <name>TraceFileReader</name>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no such file.</translation>
    </message>
    <message>
        <source>%1 is %2, not a trace file.</source>
        <translation>%1 is %2, not a trace file.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text trace (it holds binary data).</source>
        <translation>%1 is not a text trace (it holds binary data).</translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation>%1 cannot be read on: %2.</translation>
    </message>
</context>
<context>
    <name>TraceFrameModel</name>
    <message>
        <source>remote request</source>
        <translation>remote request</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>DLC</source>
        <translation>DLC</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Decoded</translation>
    </message>
</context>
<context>
    <name>TraceIdFilter</name>
    <message>
        <source>&quot;%1&quot; is not an identifier, a range (100-1FF) or an identifier with a mask (100:7F0)</source>
        <translation>&quot;%1&quot; is not an identifier, a range (100-1FF) or an identifier with a mask (100:7F0)</translation>
    </message>
</context>
<context>
    <name>TraceLineIndex</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation>%1 cannot be read on: %2.</translation>
    </message>
</context>
<context>
    <name>TraceRecorder</name>
    <message>
        <source>The lines recorded into it went with it.</source>
        <translation>The lines recorded into it went with it.</translation>
    </message>
    <message>
        <source>the file or its folder was deleted</source>
        <translation>the file or its folder was deleted</translation>
    </message>
    <message>
        <source>The lines recorded so far stay in the file that was moved.</source>
        <translation>The lines recorded so far stay in the file that was moved.</translation>
    </message>
    <message>
        <source>the file or its folder was moved or renamed</source>
        <translation>the file or its folder was moved or renamed</translation>
    </message>
    <message>
        <source>The last lines may be missing from the file.</source>
        <translation>The last lines may be missing from the file.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is %2, not a regular file.</source>
        <translation>Cannot record into %1: it is %2, not a regular file.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is the trace being played, which would play its own recording again and again. Choose another file.</source>
        <translation>Cannot record into %1: it is the trace being played, which would play its own recording again and again. Choose another file.</translation>
    </message>
    <message>
        <source>Cannot record into %1: %2.</source>
        <translation>Cannot record into %1: %2.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is not a regular file.</source>
        <translation>Cannot record into %1: it is not a regular file.</translation>
    </message>
    <message>
        <source>the disk did not keep up (%1 MB waiting to be written)</source>
        <translation>the disk did not keep up (%1 MB waiting to be written)</translation>
    </message>
    <message>
        <source>Recording into %1 stopped: %2. %3</source>
        <translation>Recording into %1 stopped: %2. %3</translation>
    </message>
    <message>
        <source>The lines written before are kept.</source>
        <translation>The lines written before are kept.</translation>
    </message>
    <message>
        <source>the disk did not take the last lines within %1 s</source>
        <translation>the disk did not take the last lines within %1 s</translation>
    </message>
    <message>
        <source>They may be missing from the file.</source>
        <translation>They may be missing from the file.</translation>
    </message>
</context>
<context>
    <name>TraceReplayControl</name>
    <message numerus="yes">
        <source>trace finished: %1 frames</source>
        <translation>
            <numerusform>trace finished: %1 frame</numerusform>
            <numerusform>trace finished: %1 frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 frames played (%2 %), paused</source>
        <translation>
            <numerusform>%1 frame played (%2 %), paused</numerusform>
            <numerusform>%1 frames played (%2 %), paused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 frames played (%2 %)</source>
        <translation>
            <numerusform>%1 frame played (%2 %)</numerusform>
            <numerusform>%1 frames played (%2 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the CAN switch on to play the trace.</source>
        <translation>Turn the CAN switch on to play the trace.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines could not be read and were skipped.</source>
        <translation>
            <numerusform>%1 line could not be read and was skipped.</numerusform>
            <numerusform>%1 lines could not be read and were skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 CAN FD frames were skipped (not played).</source>
        <translation>
            <numerusform>%1 CAN FD frame was skipped (not played).</numerusform>
            <numerusform>%1 CAN FD frames were skipped (not played).</numerusform>
        </translation>
    </message>
</context>
</TS>
