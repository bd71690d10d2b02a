<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BusErrorInfo</name>
    <message>
        <source>bit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stuff error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>form error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dominant bit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recessive bit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus overload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>protocol violation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit overrun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error active again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>controller problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transceiver fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arbitration lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>controller restarted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusState</name>
    <message>
        <source>error active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>canquorvex-cli: the ZELM devices of a CANQuorvex project, from a script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where Projects.ini and Quorvex.ini are read (default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project (section) of Projects.ini (default: the project selected there).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN adapter as PLUGIN:INTERFACE, as the tool takes it (e.g. socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, trace:PATH, demo). Without it: the hardware found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>125K or 250K (default 250K).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds to wait for what is asked (default 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monitor: end after S seconds (default: at Ctrl+C).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: send on the device&apos;s transmission identifier (&quot;Up&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read, params, trace export: a profile file to use instead of the row&apos;s (a path, or a name in the profiles folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params save/restore, trace export: only these registers, e.g. 96-127,5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params diff: compare the file with this device&apos;s live values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params restore: wait up to --timeout for the device to report each written register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params restore: print the plan and send nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params restore: do not ask.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params restore: write registers whose live value matches too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params restore: accept a set saved for another profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile import: the device type&apos;s name; trace export: a device to export (row or name, repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: csv (default) or jsonl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: from this time (seconds as in the trace, +seconds after its first frame, or ISO 8601).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: up to this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: a line per message, not per change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ru or en: the language of messages and of this help (default: the choice kept in Quorvex.ini, else the system&apos;s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what the command takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (--help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang %1: expected ru or en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bitrate %1: expected 125K or 250K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timeout %1: expected seconds above 0, at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seconds %1: expected seconds above 0, at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given (--help lists them)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>profile check wants one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile import wants a CSV file and the JSON file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the profile would replace the register map it is made from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for a register map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the map describes no register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile wants &quot;import CSV JSON&quot; or &quot;check FILE&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register map of row %1 is not used: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliTrace</name>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace wants &quot;export TRACE&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format %1: expected csv or jsonl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>project &quot;%1&quot; has no device in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 unreadable lines and %3 CAN FD lines skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: standard output could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace export: interrupted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlcanCanBusDevice</name>
    <message>
        <source>slcan:%1: &quot;%2&quot; is not a serial speed (e.g. @115200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slcan:%1: no serial port named (e.g. slcan:/dev/ttyACM0, slcan:COM5)</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>close (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit rate (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time stamps off (Z0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open (O)</source>
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
    <name>SlcanDllCanBusDevice</name>
    <message>
        <source>adapter %1 of slcan.dll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slcan.dll adapter %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library reports no adapter attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library cannot count its adapters (%1)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library cannot open it (is another program using it?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no code for %1 bit/s (the library takes 10k, 125k, 250k, 500k and 1M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bit rate %1 bit/s (code 0x%2) was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event level %1 was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode %1 was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX time-out %1 was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 is not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 sends classic data frames of 0 to 8 bytes only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlcanDllCanBusFactory</name>
    <message>
        <source>slcandll:%1: an adapter is named by its number, 0 for the first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlcanDllLibrary</name>
    <message>
        <source>%1 is a 32-bit library (or not one for this computer): this 64-bit program cannot load it. A 64-bit slcan.dll from the adapter&apos;s maker, or a 32-bit build of CANQuorvex, is needed for this adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a library it needs is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be loaded (Windows error %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no function %2: it is not the adapter library this program knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter library slcan.dll was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not start (SlCan_Load refused)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SocketcandCanBusDevice</name>
    <message>
        <source>socketcand:%1: %2 (the form is HOST[:PORT]/BUS, e.g. socketcand:127.0.0.1/can0 or socketcand:rig7.local:29536/can1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bus named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no bus name (1 to %2 printable characters, no spaces)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;]&quot; missing after the IPv6 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;:PORT&quot; expected after &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, e.g. [::1]:29536/can0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no host named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (1 to 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand server %1, bus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greeting (&lt; hi &gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open (&lt; open %1 &gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raw mode (&lt; rawmode &gt;)</source>
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
        <source>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an error frame</source>
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
        <source>socketcand server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors reported by the server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors reported by the server: %1 (last: &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages not understood: %1, garbage skipped: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SocketcandServer</name>
    <message>
        <source>&quot;%1&quot;: %2 (give [ADDR:]PORT, e.g. 29536, 0.0.0.0:29536 or [::1]:29536)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;]:PORT&quot; expected after the IPv6 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (0 to 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IP address of this machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand client %1 refused: %2 clients already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand client %1 connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand client %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand client %1 left: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open and rawmode not given within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 s behind, disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, clients may send): %3 client(s), %4 frame(s) dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, read only): %3 client(s), %4 frame(s) dropped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SocketcandSession</name>
    <message>
        <source>more than %1 KB of replies unread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not open bus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCliProgram</name>
    <message>
        <source>params wants save, diff or restore (--help shows them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params save wants a device and a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device reported none of the registers within %1 s; nothing was saved</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>params diff wants FILE and either --live DEVICE or FILE2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore refused, nothing was sent:
  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  register %1 %2: %3 -&gt; %4 (%5)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 register(s) to write in %2 frame(s), %3 unchanged, %4 skipped (ro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to write: the device already holds the file&apos;s values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input is no terminal to ask on: give --yes to restore without asking, or --dry-run to see the plan</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent (interrupted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CAN adapter went away</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CAN adapter found (--can names one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--profile is for read, params and trace export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (--help lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted: no further write is sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monitor takes no arguments (--seconds S sets how long)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read wants a device and at least one register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not reported within %1 s: register %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write wants a device, a register and 1-4 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: register &quot;%1&quot; is not 0-127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: %1 values; one write carries at most %2 in this project&apos;s layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: registers %1-%2 run past register 127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: value &quot;%1&quot; is not a 16-bit number (-32768 to 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command wants a device and a button 0-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command: button &quot;%1&quot; is not 0-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter refused the frame: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter did not pass the frame on in time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceCanBusDevice</name>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace is not playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceFileModel</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable line: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN FD (not decoded): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remote request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceFileReader</name>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a trace file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text trace (it holds binary data).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceFrameModel</name>
    <message>
        <source>remote request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceIdFilter</name>
    <message>
        <source>&quot;%1&quot; is not an identifier, a range (100-1FF) or an identifier with a mask (100:7F0)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceLineIndex</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceRecorder</name>
    <message>
        <source>The lines recorded into it went with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its folder was deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines recorded so far stay in the file that was moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its folder was moved or renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last lines may be missing from the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record into %1: it is %2, not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record into %1: it is the trace being played, which would play its own recording again and again. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record into %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record into %1: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk did not keep up (%1 MB waiting to be written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording into %1 stopped: %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines written before are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk did not take the last lines within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They may be missing from the file.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
