<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FixedCaption</name>
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
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare with file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
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
        <source>The window&apos;s log. Rest the mouse on a &quot;%1&quot; or &quot;%2&quot; line to see what was sent; double-click to clear the log.</source>
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
        <source>%1: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period of %1, in 10 ms ticks (100 = about once a second).</source>
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
        <source>Save parameters…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter sets (*.json)</source>
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
    <message numerus="yes">
        <source>The %n selected registers</source>
        <translation>
            <numerusform>The %n selected register</numerusform>
            <numerusform>The %n selected registers</numerusform>
        </translation>
    </message>
    <message>
        <source>The 1 readable register</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device has not reported any of these registers yet; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restore is refused; nothing was sent.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.

Restore it to this device all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to write: the device already holds the file&apos;s values (%1 unchanged, %2 skipped as read-only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring parameters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register map…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No register map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the register map cannot be used, the window works without it.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the register map cannot be used.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the register map is not kept.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register map - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register maps (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · register %2, bit %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · register %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not in the register map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>range %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read analog block over the serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot the selected registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot register %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot register %1, bit %2</source>
        <translation type="unfinished"></translation>
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
    <name>TParametersForm</name>
    <message>
        <source>Filter: a name, or registers (24, 0x18, 89-126)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (register %2) is read-only: nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register map has changes that are not saved: save it first. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register %1 is not in the register map: nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 written (raw %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not taken)</source>
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
    <message numerus="yes">
        <source>A new register map with the %n registers the device has reported: name them, then &quot;Save&quot;.</source>
        <translation>
            <numerusform>A new register map with the %n register the device has reported: name it, then &quot;Save&quot;.</numerusform>
            <numerusform>A new register map with the %n registers the device has reported: name them, then &quot;Save&quot;.</numerusform>
        </translation>
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
        <source>%1: nothing was saved.</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-click to write a new value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
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
    <name>TRestoreConfirmDialog</name>
    <message>
        <source>Restore %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live → file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will be written in %2 and then checked against the device&apos;s reports; %3 unchanged, %4 read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRestoreResultDialog</name>
    <message>
        <source>confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not-seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped-ro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not-sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent (aborted); %3 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent; %3 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the failed registers again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrendForm</name>
    <message>
        <source>10 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze the view; recording goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw register values instead of the register map&apos;s engineering values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click into the plot to read the values at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the clock again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace time (the recorded time of day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time since the trend window opened (h:mm:ss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (trace time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trends&apos; memory (%1 MB for all device windows) is full; the oldest values make room for new ones. This trend goes back %2:%3:%4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 s&lt;/b&gt; (%2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from the trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot the value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot one bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
