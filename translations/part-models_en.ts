<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CanAdapterName</name>
    <message>
        <source>CAN adapters (--can PLUGIN:INTERFACE):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  no CAN bus plugins installed
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no interfaces (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1: built in (--can %1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2); %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no adapter attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --can the interfaces of the hardware plugins and the attached built-in adapters above are offered, in this order.
</source>
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
    <name>FileCheck</name>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is no longer a regular file, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>the contents could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid section name &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid key name &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied (the file is read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>%1: line %2: a text holds a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2: the key &quot;%3&quot; appears twice in one object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileCsv</name>
    <message>
        <source>%1: line %2: a quoted field is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as Windows-1251</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the first line must name the columns (register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 fields, the header names %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the register has names in the &quot;%2&quot; column, which is for %2 registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: register %2 is described twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>project file %1 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 selects no project; name one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>project &quot;%1&quot; is not in the project list of %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtCanDriver</name>
    <message>
        <source>unknown bit-rate code 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterFields</name>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names: &quot;%1&quot; is not &quot;number=name&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names: %1 is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names: only a bits or an enum register has names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterList</name>
    <message>
        <source>&quot;%1&quot; is not a register or a range of registers (0-127)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no register given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCanBus</name>
    <message>
        <source>no device for %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter did not connect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TComPort</name>
    <message>
        <source>no port for COM%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeviceProfile</name>
    <message>
        <source>&quot;register&quot; must be a whole number from 0 to 127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;name&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;scale&quot; must not be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;decimals&quot; must be a whole number from 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;type&quot; must be s16, u16, bits or enum, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;access&quot; must be ro or rw, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;min&quot; is above &quot;max&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;default&quot; lies outside min and max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;bits&quot; must be an object of bit numbers and names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; is not a bit (0-15) or a range of bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits: the name of &quot;%1&quot; must be a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; overlaps another field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;enum&quot; must be an object of values and names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enum: &quot;%1&quot; is not a 16-bit value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enum: the name of %1 must be a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an enum register needs &quot;enum&quot; with its values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raw %1 (0x%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (bit %2 of %3-%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies outside %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more than the register can hold (%2 … %3 raw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;device&quot; (the device type&apos;s name) is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register is described twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TParameterSet</name>
    <message>
        <source>a parameter set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;kind&quot; must be &quot;parameter-set&quot; (is this a parameter set?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;register&quot; must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;raw&quot; must be a whole number from 0 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register is in the set twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProfileDecoder</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>the program&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program runs installed: $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen with --folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders in use:
  settings (Projects.ini, Quorvex.ini, profiles/): %1
    (%2)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  traces (new recordings, unless another folder was chosen in the REC menu): %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
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
        <source>%1, %2 %3</source>
        <extracomment>A problem of the project editor: the project, the value and what is wrong with it (&quot;Project &quot;Line 2&quot;, the base identifier &quot;0x1G&quot; is not a number&quot;).</extracomment>
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
        <source>row %1 reception identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 transmission identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission identifier %1 is also row %2&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 name</source>
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
        <source>the file would not read back as edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was saved.</source>
        <translation type="unfinished"></translation>
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
    <name>TRestorePlan</name>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register %1: there are registers 0-127 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register %1 (%2): %3 lies outside %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrendModel</name>
    <message>
        <source>%1 bit %2</source>
        <extracomment>A bit of a plotted register: &quot;0x00 (0) bit 1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (raw)</source>
        <extracomment>A plotted register&apos;s raw value: &quot;0x18 (24) Motor current (raw)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
