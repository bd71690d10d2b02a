<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CanAdapterName</name>
    <message>
        <source>CAN adapters (--can PLUGIN:INTERFACE):
</source>
        <translation>Адаптеры CAN (--can PLUGIN:INTERFACE):
</translation>
    </message>
    <message>
        <source>  no CAN bus plugins installed
</source>
        <translation>  модули шины CAN не установлены
</translation>
    </message>
    <message>
        <source>no interfaces (%1)</source>
        <translation>нет интерфейсов (%1)</translation>
    </message>
    <message>
        <source>no interfaces</source>
        <translation>нет интерфейсов</translation>
    </message>
    <message>
        <source>; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can</source>
        <translation>; шина между программами: tcp://127.0.0.1:PORT/can0, без --can не выбирается</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1)
</source>
        <translation>  %1: встроенный (--can %1)
</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2)
</source>
        <translation>  %1: встроенный (--can %1:%2)
</translation>
    </message>
    <message>
        <source>  %1: built in (--can %1:%2); %3
</source>
        <translation>  %1: встроенный (--can %1:%2); %3
</translation>
    </message>
    <message>
        <source>no adapter attached</source>
        <translation>адаптер не подключён</translation>
    </message>
    <message>
        <source>attached: %1</source>
        <translation>подключены: %1</translation>
    </message>
    <message>
        <source>Without --can the interfaces of the hardware plugins and the attached built-in adapters above are offered, in this order.
</source>
        <translation>Без --can предлагаются интерфейсы аппаратных модулей и подключённые встроенные адаптеры из списка выше, в этом порядке.
</translation>
    </message>
</context>
<context>
    <name>DemoCanBusDevice</name>
    <message>
        <source>The demo bus is not connected.</source>
        <translation>Демонстрационная шина не подключена.</translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation>Неверный кадр.</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (именованный канал)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>символьное устройство</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>блочное устройство</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>специальный файл</translation>
    </message>
    <message>
        <source>It is %1, not a regular file</source>
        <translation>Это %1, а не обычный файл</translation>
    </message>
    <message>
        <source>a device path</source>
        <translation>путь к устройству</translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation>зарезервированное имя устройства</translation>
    </message>
    <message>
        <source>It is no longer a regular file, not a regular file</source>
        <translation>Это уже не обычный файл</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>ошибка %1</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>the contents could not be made</source>
        <translation>не удалось сформировать содержимое</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
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
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>BusOff</source>
        <translation>Отключение от шины</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервано</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>One shot error</source>
        <translation>Ошибка однократной передачи</translation>
    </message>
    <message>
        <source>Invalid mode</source>
        <translation>Неверный режим</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>  Transmit error</source>
        <translation>  Ошибка передачи</translation>
    </message>
    <message>
        <source>Status CAN = %1.</source>
        <translation>Состояние CAN = %1.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>файл не удалось прочитать</translation>
    </message>
    <message>
        <source>invalid section name &quot;%1&quot;</source>
        <translation>недопустимое имя раздела &quot;%1&quot;</translation>
    </message>
    <message>
        <source>invalid key name &quot;%1&quot;</source>
        <translation>недопустимое имя ключа &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; contains a line break</source>
        <translation>значение &quot;%1&quot; содержит перевод строки</translation>
    </message>
    <message>
        <source>Permission denied (the file is read-only)</source>
        <translation>Доступ запрещён (файл только для чтения)</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>%1: line %2: a text holds a NUL character</source>
        <translation>%1: строка %2: текст содержит символ NUL</translation>
    </message>
    <message>
        <source>%1: line %2: the key &quot;%3&quot; appears twice in one object</source>
        <translation>%1: строка %2: ключ &quot;%3&quot; встречается в одном объекте дважды</translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for this file</source>
        <translation>%1: %2 байт — слишком много для такого файла</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: строка %2, столбец %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 is a JSON object</source>
        <translation>%1: %2 должен быть объектом JSON</translation>
    </message>
</context>
<context>
    <name>ProfileCsv</name>
    <message>
        <source>%1: line %2: a quoted field is never closed</source>
        <translation>%1: строка %2: поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as Windows-1251</source>
        <translation>%1: не UTF-8, прочитан как Windows-1251</translation>
    </message>
    <message>
        <source>%1: the first line must name the columns (register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description)</source>
        <translation>%1: в первой строке должны быть названия столбцов (register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description)</translation>
    </message>
    <message>
        <source>%1: line %2</source>
        <translation>%1: строка %2</translation>
    </message>
    <message>
        <source>%1: %2 fields, the header names %3</source>
        <translation>%1: полей — %2, а в заголовке — %3</translation>
    </message>
    <message>
        <source>%1: the register has names in the &quot;%2&quot; column, which is for %2 registers</source>
        <translation>%1: у регистра есть имена в столбце &quot;%2&quot;, а он только для регистров типа %2</translation>
    </message>
    <message>
        <source>%1: register %2 is described twice</source>
        <translation>%1: регистр %2 описан дважды</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>project file %1 not found</source>
        <translation>файл проектов %1 не найден</translation>
    </message>
    <message>
        <source>%1 selects no project; name one</source>
        <translation>в %1 не выбран проект; укажите проект</translation>
    </message>
    <message>
        <source>project &quot;%1&quot; is not in the project list of %2 (%3)</source>
        <translation>проекта &quot;%1&quot; нет в списке проектов %2 (%3)</translation>
    </message>
</context>
<context>
    <name>QtCanDriver</name>
    <message>
        <source>unknown bit-rate code 0x%1</source>
        <translation>неизвестный код скорости 0x%1</translation>
    </message>
</context>
<context>
    <name>RegisterFields</name>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; — не число</translation>
    </message>
    <message>
        <source>names: &quot;%1&quot; is not &quot;number=name&quot;</source>
        <translation>имена: &quot;%1&quot; не в виде &quot;число=имя&quot;</translation>
    </message>
    <message>
        <source>names: %1 is named twice</source>
        <translation>имена: %1 назван дважды</translation>
    </message>
    <message>
        <source>names: only a bits or an enum register has names</source>
        <translation>имена: имена бывают только у регистров типа bits и enum</translation>
    </message>
</context>
<context>
    <name>RegisterList</name>
    <message>
        <source>&quot;%1&quot; is not a register or a range of registers (0-127)</source>
        <translation>&quot;%1&quot; — не регистр и не диапазон регистров (0-127)</translation>
    </message>
    <message>
        <source>no register given</source>
        <translation>не указан ни один регистр</translation>
    </message>
</context>
<context>
    <name>TCanBus</name>
    <message>
        <source>no device for %1:%2</source>
        <translation>нет устройства для %1:%2</translation>
    </message>
    <message>
        <source>the adapter did not connect</source>
        <translation>адаптер не подключился</translation>
    </message>
</context>
<context>
    <name>TComPort</name>
    <message>
        <source>no port for COM%1</source>
        <translation>нет порта для COM%1</translation>
    </message>
</context>
<context>
    <name>TDeviceProfile</name>
    <message>
        <source>&quot;register&quot; must be a whole number from 0 to 127</source>
        <translation>&quot;register&quot; должен быть целым числом от 0 до 127</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>&quot;%1&quot; должен быть числом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; должен быть текстом</translation>
    </message>
    <message>
        <source>&quot;name&quot; is missing</source>
        <translation>нет &quot;name&quot;</translation>
    </message>
    <message>
        <source>&quot;scale&quot; must not be 0</source>
        <translation>&quot;scale&quot; не может быть равен 0</translation>
    </message>
    <message>
        <source>&quot;decimals&quot; must be a whole number from 0 to %1</source>
        <translation>&quot;decimals&quot; должен быть целым числом от 0 до %1</translation>
    </message>
    <message>
        <source>&quot;type&quot; must be s16, u16, bits or enum, not &quot;%1&quot;</source>
        <translation>&quot;type&quot; должен быть s16, u16, bits или enum, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;access&quot; must be ro or rw, not &quot;%1&quot;</source>
        <translation>&quot;access&quot; должен быть ro или rw, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;min&quot; is above &quot;max&quot;</source>
        <translation>&quot;min&quot; больше &quot;max&quot;</translation>
    </message>
    <message>
        <source>&quot;default&quot; lies outside min and max</source>
        <translation>&quot;default&quot; лежит вне min и max</translation>
    </message>
    <message>
        <source>&quot;bits&quot; must be an object of bit numbers and names</source>
        <translation>&quot;bits&quot; должен быть объектом из номеров битов и имён</translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; is not a bit (0-15) or a range of bits</source>
        <translation>bits: &quot;%1&quot; — не бит (0-15) и не диапазон битов</translation>
    </message>
    <message>
        <source>bits: the name of &quot;%1&quot; must be a text</source>
        <translation>bits: имя &quot;%1&quot; должно быть текстом</translation>
    </message>
    <message>
        <source>bits: &quot;%1&quot; overlaps another field</source>
        <translation>bits: &quot;%1&quot; перекрывает другое поле</translation>
    </message>
    <message>
        <source>&quot;enum&quot; must be an object of values and names</source>
        <translation>&quot;enum&quot; должен быть объектом из значений и имён</translation>
    </message>
    <message>
        <source>enum: &quot;%1&quot; is not a 16-bit value</source>
        <translation>enum: &quot;%1&quot; — не 16-битное значение</translation>
    </message>
    <message>
        <source>enum: the name of %1 must be a text</source>
        <translation>enum: имя значения %1 должно быть текстом</translation>
    </message>
    <message>
        <source>an enum register needs &quot;enum&quot; with its values</source>
        <translation>регистру типа enum нужен &quot;enum&quot; с его значениями</translation>
    </message>
    <message>
        <source>raw %1 (0x%2)</source>
        <translation>сырое %1 (0x%2)</translation>
    </message>
    <message>
        <source>%1 (bit %2 of %3-%4)</source>
        <translation>%1 (бит %2 из %3-%4)</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>не число</translation>
    </message>
    <message>
        <source>%1 lies outside %2</source>
        <translation>%1 вне диапазона %2</translation>
    </message>
    <message>
        <source>%1 is more than the register can hold (%2 … %3 raw)</source>
        <translation>%1 не помещается в регистр (сырое %2 … %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>&quot;%1&quot; — ни одно из значений %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; — не число</translation>
    </message>
    <message>
        <source>a profile</source>
        <translation>профиль</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation>&quot;schema&quot; должна быть равна 1</translation>
    </message>
    <message>
        <source>&quot;device&quot; (the device type&apos;s name) is missing</source>
        <translation>нет &quot;device&quot; (имени типа устройства)</translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation>&quot;registers&quot; должен быть списком</translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation>запись регистра %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>должна быть объектом</translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation>%1 (регистр %2)</translation>
    </message>
    <message>
        <source>the register is described twice</source>
        <translation>регистр описан дважды</translation>
    </message>
</context>
<context>
    <name>TParameterSet</name>
    <message>
        <source>a parameter set</source>
        <translation>набор параметров</translation>
    </message>
    <message>
        <source>&quot;kind&quot; must be &quot;parameter-set&quot; (is this a parameter set?)</source>
        <translation>&quot;kind&quot; должен быть &quot;parameter-set&quot; (это точно набор параметров?)</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be 1</source>
        <translation>&quot;schema&quot; должна быть равна 1</translation>
    </message>
    <message>
        <source>&quot;registers&quot; must be a list</source>
        <translation>&quot;registers&quot; должен быть списком</translation>
    </message>
    <message>
        <source>register entry %1</source>
        <translation>запись регистра %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>должна быть объектом</translation>
    </message>
    <message>
        <source>&quot;register&quot; must be a whole number</source>
        <translation>&quot;register&quot; должен быть целым числом</translation>
    </message>
    <message>
        <source>%1 (register %2)</source>
        <translation>%1 (регистр %2)</translation>
    </message>
    <message>
        <source>&quot;raw&quot; must be a whole number from 0 to 65535</source>
        <translation>&quot;raw&quot; должен быть целым числом от 0 до 65535</translation>
    </message>
    <message>
        <source>the register is in the set twice</source>
        <translation>регистр встречается в наборе дважды</translation>
    </message>
</context>
<context>
    <name>TProfileDecoder</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>the program&apos;s folder</source>
        <translation>папка программы</translation>
    </message>
    <message>
        <source>the program runs installed: $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex</source>
        <translation>программа установлена: $XDG_CONFIG_HOME/canquorvex, иначе ~/.config/canquorvex</translation>
    </message>
    <message>
        <source>chosen with --folder</source>
        <translation>выбрана параметром --folder</translation>
    </message>
    <message>
        <source>Folders in use:
  settings (Projects.ini, Quorvex.ini, profiles/): %1
    (%2)
</source>
        <translation>Используемые папки:
  настройки (Projects.ini, Quorvex.ini, profiles/): %1
    (%2)
</translation>
    </message>
    <message>
        <source>  traces (new recordings, unless another folder was chosen in the REC menu): %1
</source>
        <translation>  трассы (новые записи, если в меню REC не выбрана другая папка): %1
</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не удалось создать папку %1</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>не удалось скопировать %1 в %2: %3</translation>
    </message>
</context>
<context>
    <name>TProjectSet</name>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (копия)</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>пустое</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>длиннее %1 символов</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>содержит управляющий символ</translation>
    </message>
    <message>
        <source>begins or ends with a space, which the file does not keep</source>
        <translation>начинается или кончается пробелом, а файл его не сохраняет</translation>
    </message>
    <message>
        <source>is enclosed in double quotes, which Windows removes when it reads the file</source>
        <translation>в двойных кавычках, а Windows убирает их при чтении файла</translation>
    </message>
    <message>
        <source>holds &quot;]&quot; or &quot;=&quot;, which a project name cannot hold</source>
        <translation>содержит &quot;]&quot; или &quot;=&quot;, а в имени проекта их быть не может</translation>
    </message>
    <message>
        <source>begins with &quot;%1&quot;, which a project name cannot</source>
        <translation>начинается с &quot;%1&quot;, а имя проекта так начинаться не может</translation>
    </message>
    <message>
        <source>is the name of the project list&apos;s own section</source>
        <translation>совпадает с именем раздела списка проектов</translation>
    </message>
    <message>
        <source>is the selector&apos;s placeholder</source>
        <translation>совпадает с пунктом-заглушкой в списке выбора</translation>
    </message>
    <message>
        <source>holds characters the file&apos;s code page (Windows-1251) cannot store: %1</source>
        <translation>содержит символы, которых нет в кодировке файла (Windows-1251): %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Проект %1</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot;</source>
        <translation>Проект &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <extracomment>A problem of the project editor: the project, the value and what is wrong with it (&quot;Project &quot;Line 2&quot;, the base identifier &quot;0x1G&quot; is not a number&quot;).</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>the name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>is also project %1&apos;s</source>
        <translation>совпадает с именем проекта %1</translation>
    </message>
    <message>
        <source>the protocol number</source>
        <translation>номер протокола</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>не число</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; — не число</translation>
    </message>
    <message>
        <source>%1 does not fit in 29 bits (at most %2)</source>
        <translation>%1 не помещается в 29 бит (не более %2)</translation>
    </message>
    <message>
        <source>the base identifier</source>
        <translation>базовый идентификатор</translation>
    </message>
    <message>
        <source>the transmission offset</source>
        <translation>смещение передачи</translation>
    </message>
    <message>
        <source>the further identifier</source>
        <translation>дополнительный идентификатор</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>serial address &quot;%1&quot; is not a number from 0 to %2</source>
        <translation>адрес RS &quot;%1&quot; — не число от 0 до %2</translation>
    </message>
    <message>
        <source>row %1 reception identifier</source>
        <translation>строка %1, идентификатор приёма</translation>
    </message>
    <message>
        <source>row %1 transmission identifier</source>
        <translation>строка %1, идентификатор передачи</translation>
    </message>
    <message>
        <source>transmission identifier %1 is also row %2&apos;s</source>
        <translation>идентификатор передачи %1 совпадает с идентификатором строки %2</translation>
    </message>
    <message>
        <source>row %1 name</source>
        <translation>строка %1, имя</translation>
    </message>
    <message>
        <source>command caption %1</source>
        <translation>подпись команды %1</translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation>%1. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>the file would not read back as edited</source>
        <translation>файл не читается обратно в отредактированном виде</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was saved.</source>
        <translation>Не удалось сохранить %1: %2. Ничего не сохранено.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more. Nothing was saved.</source>
        <translation>
            <numerusform>%1 и ещё %n замечание. Ничего не сохранено.</numerusform>
            <numerusform>%1 и ещё %n замечания. Ничего не сохранено.</numerusform>
            <numerusform>%1 и ещё %n замечаний. Ничего не сохранено.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRestorePlan</name>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has none</source>
        <translation>набор сохранён для профиля &quot;%1&quot;, а у этого устройства профиля нет</translation>
    </message>
    <message>
        <source>the set was saved for the profile &quot;%1&quot;; this device has &quot;%2&quot;</source>
        <translation>набор сохранён для профиля &quot;%1&quot;, а у этого устройства профиль &quot;%2&quot;</translation>
    </message>
    <message>
        <source>register %1: there are registers 0-127 only</source>
        <translation>регистр %1: есть только регистры 0-127</translation>
    </message>
    <message>
        <source>register %1 (%2): %3 lies outside %4</source>
        <translation>регистр %1 (%2): %3 вне диапазона %4</translation>
    </message>
</context>
<context>
    <name>TTrendModel</name>
    <message>
        <source>%1 bit %2</source>
        <extracomment>A bit of a plotted register: &quot;0x00 (0) bit 1&quot;.</extracomment>
        <translation>%1 бит %2</translation>
    </message>
    <message>
        <source>%1 %2 (raw)</source>
        <extracomment>A plotted register&apos;s raw value: &quot;0x18 (24) Motor current (raw)&quot;.</extracomment>
        <translation>%1 %2 (сырое)</translation>
    </message>
</context>
</TS>
