<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>settings (Projects.ini, Quorvex.ini, profiles): %1</source>
        <translation>настройки (Projects.ini, Quorvex.ini, профили): %1</translation>
    </message>
    <message>
        <source>parameter sets: %1</source>
        <translation>наборы параметров: %1</translation>
    </message>
    <message>
        <source>traces: %1</source>
        <translation>трассы: %1</translation>
    </message>
    <message>
        <source>%1 (the CAN switch opens this one)</source>
        <translation>%1 (его открывает переключатель CAN)</translation>
    </message>
</context>
<context>
    <name>AdapterSource</name>
    <message>
        <source>demo</source>
        <translation>демо</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>трасса: %1</translation>
    </message>
</context>
<context>
    <name>AppCommandLine</name>
    <message>
        <source>Show this help, the CAN plugins and the interfaces found.</source>
        <translation>Показать эту справку, модули CAN и найденные интерфейсы.</translation>
    </message>
    <message>
        <source>CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port 29536 unless given, e.g. socketcand:127.0.0.1/can0), or &apos;demo&apos; for the built-in demo bus. Without it: every interface of the installed hardware plugins and every attached serial-line adapter the tool recognises.</source>
        <translation>Адаптер CAN в виде МОДУЛЬ:ИНТЕРФЕЙС (можно несколько, по порядку; например socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 или slcan:COM5 для адаптера на последовательном порту, с @СКОРОСТЬ после него для адаптера на настоящем UART; trace:ПУТЬ воспроизводит файл трассы (журнал candump или ASC) как шину; socketcand:ХОСТ[:ПОРТ]/ШИНА — шина на сервере socketcand, порт 29536, если не указан, например socketcand:127.0.0.1/can0) или &apos;demo&apos; для встроенной демо-шины. Без параметра: все интерфейсы установленных модулей оборудования и все подключённые адаптеры на последовательном порту, которые программа распознаёт.</translation>
    </message>
    <message>
        <source>Serial port for the Modbus link (e.g. /dev/ttyUSB0); without it COM port n is /dev/ttyS&lt;n-1&gt;.</source>
        <translation>Последовательный порт для связи Modbus (например /dev/ttyUSB0); без параметра COM-порт n — это /dev/ttyS&lt;n-1&gt;.</translation>
    </message>
    <message>
        <source>Switch CAN on at start.</source>
        <translation>Включить CAN при запуске.</translation>
    </message>
    <message>
        <source>Open the device window of every row in use at start.</source>
        <translation>При запуске открыть окна устройств всех используемых строк.</translation>
    </message>
    <message>
        <source>At exit, write the monitor&apos;s figures (frames received, longest gap between ticks, peak bus load, error frames, frames dropped) to this file.</source>
        <translation>При выходе записать в этот файл показатели монитора (принятые кадры, наибольший интервал между тактами, пиковая загрузка шины, кадры ошибки, потерянные кадры).</translation>
    </message>
    <message>
        <source>End the program after this many milliseconds.</source>
        <translation>Завершить программу через указанное число миллисекунд.</translation>
    </message>
    <message>
        <source>Record the bus into this candump log from the start (appended to when it exists).</source>
        <translation>С самого запуска записывать шину в этот журнал candump (если файл есть, запись дописывается в конец).</translation>
    </message>
    <message>
        <source>Share the bus the tool has open with socketcand clients (raw mode, bus can0) on [ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), port 0 lets the system choose; at most 8 clients. Every frame the tool receives or sends goes to each client; clients may not send unless --serve-socketcand-write.</source>
        <translation>Предоставить открытую программой шину клиентам socketcand (режим raw, шина can0) на [АДРЕС:]ПОРТ: на 127.0.0.1, если адрес не указан (0.0.0.0 — для всех сетей), порт 0 — порт выбирает система; не более 8 клиентов. Каждый кадр, который программа принимает или передаёт, уходит каждому клиенту; клиенты не могут передавать без --serve-socketcand-write.</translation>
    </message>
    <message>
        <source>Let the socketcand clients send frames onto the bus through the open adapter.</source>
        <translation>Разрешить клиентам socketcand передавать кадры в шину через открытый адаптер.</translation>
    </message>
    <message>
        <source>Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. Default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces).</source>
        <translation>Хранить Projects.ini, Quorvex.ini, profiles/ и traces/ новых записей в папке ПАПКА. По умолчанию — папка программы; для установленной программы — $XDG_CONFIG_HOME/canquorvex (иначе ~/.config/canquorvex), трассы — в $XDG_DATA_HOME/canquorvex/traces (иначе ~/.local/share/canquorvex/traces).</translation>
    </message>
    <message>
        <source>Show this trace file (candump log or ASC) in a trace view window at start, without playing it.</source>
        <translation>При запуске показать этот файл трассы (журнал candump или ASC) в окне просмотра трассы, не воспроизводя его.</translation>
    </message>
    <message>
        <source>Language of the windows and messages for this run: ru (Russian) or en (English). Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else the windows&apos; captions as written and the other texts in the system&apos;s language.</source>
        <translation>Язык окон и сообщений для этого запуска: ru (русский) или en (английский). Без параметра: язык, выбранный в контекстном меню (хранится в Quorvex.ini), иначе надписи окон как задано, а остальные тексты на языке системы.</translation>
    </message>
    <message>
        <source>CANQuorvex: service tool for ZELM control devices on a CAN bus.</source>
        <translation>CANQuorvex: сервисная программа для СУ ZELM на шине CAN.</translation>
    </message>
    <message>
        <source>--lang %1: expected ru (Russian) or en (English)</source>
        <translation>--lang %1: ожидается ru (русский) или en (английский)</translation>
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation>--can %1: ожидается МОДУЛЬ:ИНТЕРФЕЙС или demo</translation>
    </message>
    <message>
        <source>--can %1: %2 is %3, not a trace file</source>
        <translation>--can %1: %2 — %3, а не файл трассы</translation>
    </message>
    <message>
        <source>--open-trace %1: no such file</source>
        <translation>--open-trace %1: файл не найден</translation>
    </message>
    <message>
        <source>--open-trace %1: it is %2, not a trace file</source>
        <translation>--open-trace %1: это %2, а не файл трассы</translation>
    </message>
    <message>
        <source>--folder %1: no such folder</source>
        <translation>--folder %1: папка не найдена</translation>
    </message>
    <message>
        <source>--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT</source>
        <translation>--serve-socketcand-write требует --serve-socketcand [АДРЕС:]ПОРТ</translation>
    </message>
    <message>
        <source>--record %1: that is the trace file --can trace: plays; recording into it would play its own recording again and again. Choose another file.</source>
        <translation>--record %1: это файл трассы, который воспроизводит --can trace:; запись в него воспроизводила бы собственную запись снова и снова. Выберите другой файл.</translation>
    </message>
</context>
<context>
    <name>BusErrorInfo</name>
    <message>
        <source>bit error</source>
        <translation>ошибка бита</translation>
    </message>
    <message>
        <source>stuff error</source>
        <translation>ошибка стаффинга</translation>
    </message>
    <message>
        <source>form error</source>
        <translation>ошибка формата</translation>
    </message>
    <message>
        <source>dominant bit error</source>
        <translation>ошибка доминантного бита</translation>
    </message>
    <message>
        <source>recessive bit error</source>
        <translation>ошибка рецессивного бита</translation>
    </message>
    <message>
        <source>bus overload</source>
        <translation>перегрузка шины</translation>
    </message>
    <message>
        <source>error flag</source>
        <translation>флаг ошибки</translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation>ошибка CRC</translation>
    </message>
    <message>
        <source>ACK missing</source>
        <translation>нет ACK</translation>
    </message>
    <message>
        <source>protocol violation</source>
        <translation>нарушение протокола</translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation>переполнение приёма</translation>
    </message>
    <message>
        <source>transmit overrun</source>
        <translation>переполнение передачи</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>пассивный по ошибкам</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>error active again</source>
        <translation>снова активный по ошибкам</translation>
    </message>
    <message>
        <source>controller problem</source>
        <translation>сбой контроллера</translation>
    </message>
    <message>
        <source>bus off</source>
        <translation>отключён от шины</translation>
    </message>
    <message>
        <source>transceiver fault</source>
        <translation>неисправность трансивера</translation>
    </message>
    <message>
        <source>arbitration lost</source>
        <translation>арбитраж проигран</translation>
    </message>
    <message>
        <source>transmit timeout</source>
        <translation>тайм-аут передачи</translation>
    </message>
    <message>
        <source>controller restarted</source>
        <translation>контроллер перезапущен</translation>
    </message>
    <message>
        <source>bus error</source>
        <translation>ошибка шины</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>BusHealthPanel</name>
    <message>
        <source>Bus</source>
        <translation>Шина</translation>
    </message>
    <message>
        <source>the one the switch opens with</source>
        <translation>с которой её открывает переключатель</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загр.</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>The highest bus load of any second since the CAN switch was turned on.</source>
        <translation>Наибольшая загрузка шины за секунду с момента включения переключателя CAN.</translation>
    </message>
    <message>
        <source>Rx/Tx</source>
        <translation>Пр/Пер</translation>
    </message>
    <message>
        <source>Frames per second over the last second: received from the bus / sent by this tool.</source>
        <translation>Кадров в секунду за последнюю секунду: принято из шины / передано программой.</translation>
    </message>
    <message>
        <source>Frames lost since the CAN switch was turned on: received frames the tool dropped because its receive queue was full, plus the overruns the adapter reported (at least one frame each). When it is not 0, the monitor has not seen everything.</source>
        <translation>Кадры, потерянные с момента включения переключателя CAN: принятые кадры, отброшенные программой из-за переполнения очереди приёма, плюс переполнения, о которых сообщил адаптер (каждое — хотя бы один кадр). Если не 0, монитор видел не всё.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Потери</translation>
    </message>
    <message>
        <source>Error frames the adapter reported since the CAN switch was turned on, and below them the kind of the last one (bit error, stuff error, form error, CRC error, ACK missing, bus off, overrun, …).</source>
        <translation>Кадры ошибки, о которых сообщил адаптер с момента включения переключателя CAN, а под ними — вид последней ошибки (ошибка бита, ошибка вставки бит, ошибка формата, ошибка CRC, нет ACK, отключение от шины, переполнение, …).</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>overrun</source>
        <translation>переполн.</translation>
    </message>
    <message>
        <source>The adapter reported an overrun in the last second: it lost frames, so the load was at least %1.</source>
        <translation>За последнюю секунду адаптер сообщил о переполнении: он потерял кадры, поэтому загрузка была не меньше %1.</translation>
    </message>
    <message>
        <source>The frames of the last second add up to %1 of the bit rate, more than a bus can carry: the adapter runs at another bit rate, or hands over frames that did not all come from the bus.</source>
        <translation>Кадры последней секунды составляют %1 от скорости — больше, чем может передать шина: адаптер работает на другой скорости или выдаёт кадры, пришедшие не только из шины.</translation>
    </message>
    <message>
        <source>Last error: %1

%2</source>
        <translation>Последняя ошибка: %1

%2</translation>
    </message>
    <message>
        <source>Bus load over the last second, in percent of the bit rate (%1): every frame received and sent, counted at its longest possible length on the wire with stuff bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, an extended one 80 plus 10 per byte); at most 100 %, &quot;%2&quot; when the adapter lost frames.</source>
        <translation>Загрузка шины за последнюю секунду в процентах от скорости (%1): каждый принятый и переданный кадр считается по наибольшей возможной длине в линии со вставленными битами и паузой между кадрами (стандартный кадр — 55 бит плюс 10 на байт данных, расширенный — 80 плюс 10 на байт); не более 100 %, «%2», если адаптер потерял кадры.</translation>
    </message>
    <message>
        <source>The adapter&apos;s state on the bus, as its plugin reports it or, where it cannot, as its error frames tell it:
%1: normal;
%2: many errors (an error counter at 96 or more);
%3: more errors (128 or more), the adapter no longer flags errors;
%4: the adapter has left the bus;
%5: neither has told yet;
%6: none is open, or the open one went away.</source>
        <translation>Состояние адаптера на шине — по сообщению его модуля или, если модуль этого не умеет, по его кадрам ошибки:
%1: норма;
%2: много ошибок (счётчик ошибок 96 и более);
%3: ещё больше ошибок (128 и более), адаптер больше не сигнализирует об ошибках;
%4: адаптер отключился от шины;
%5: сведений пока нет;
%6: ни один не открыт или открытый пропал.</translation>
    </message>
</context>
<context>
    <name>BusSharing</name>
    <message>
        <source>canquorvex: sharing the bus: %1</source>
        <translation>canquorvex: шина предоставлена: %1</translation>
    </message>
</context>
<context>
    <name>BusState</name>
    <message>
        <source>error active</source>
        <translation>активный</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>пассивный</translation>
    </message>
    <message>
        <source>bus off</source>
        <translation>отключён</translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation>нет адаптера</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
</context>
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
        <translation>Команды (DEVICE — номер строки 0-15 или имя устройства в проекте):
  devices                        устройства проекта, по строке JSON на каждое: row, name, rx, tx, rs
  monitor [--seconds S]          по строке JSON на кадр: time, id, ext, dlc, data; для кадра
                                 устройства также его row, direction, address и values
  read DEVICE REG[-REG]...       ждёт, пока устройство сообщит каждый регистр, затем по строке
                                 JSON на регистр: row, register, raw; с картой регистров строки
                                 (или --profile FILE) также name, value и unit
  write DEVICE REG VALUE...      одна запись регистров из 1-4 значений (3 в стандартной раскладке),
                                 кадр как у SET окна устройства (&quot;Dn&quot;; --up — &quot;Up&quot;); выводит кадр
  command DEVICE N               кнопка команды N (0-16), как её посылает окно устройства; выводит кадр
  params save DEVICE FILE        сохраняет регистры, которые сообщает устройство (--registers LIST,
                                 иначе регистры rw профиля, иначе все, что придут за --timeout)
  params diff FILE (--live DEVICE | FILE2)
                                 по строке JSON на каждый различающийся регистр: register, name, a, b;
                                 код 0, если всё совпадает, 4, если есть различия
  params restore DEVICE FILE [--verify] [--dry-run] [--yes] [--registers LIST] [--all] [--force]
                                 записывает регистры, текущее значение которых отличается, с паузами,
                                 кадрами SET; по строке JSON на регистр с его статусом; код 4 при
                                 несовпадении
  profile check FILE             проверяет карту регистров (профиль); код 0 или 1 с сообщением
  profile import CSV JSON        делает карту регистров из файла CSV (register,name,unit,scale,offset,
                                 decimals,type,access,min,max,description) и записывает её в JSON
                                 (--device NAME — имя типа устройства; по умолчанию имя файла JSON)
Числа десятичные или шестнадцатеричные с 0x. Сырые значения регистров — 16-битные слова, 0-65535.

Коды выхода: 0 выполнено; 1 неверный вызов или неверные данные; 2 адаптер не открылся; 3 тайм-аут
(получено не всё); 4 несовпадение.
Строки JSON идут в стандартный вывод, сообщения — в стандартный поток ошибок. Ctrl+C и SIGTERM
завершают работу корректно.
</translation>
    </message>
    <message>
        <source>canquorvex-cli: the ZELM devices of a CANQuorvex project, from a script.</source>
        <translation>canquorvex-cli: устройства ZELM проекта CANQuorvex из сценария.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Where Projects.ini and Quorvex.ini are read (default: the program&apos;s folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex).</source>
        <translation>Откуда читаются Projects.ini и Quorvex.ini (по умолчанию: папка программы; у установленной программы $XDG_CONFIG_HOME/canquorvex, иначе ~/.config/canquorvex).</translation>
    </message>
    <message>
        <source>A project (section) of Projects.ini (default: the project selected there).</source>
        <translation>Проект (секция) Projects.ini (по умолчанию: проект, выбранный там).</translation>
    </message>
    <message>
        <source>CAN adapter as PLUGIN:INTERFACE, as the tool takes it (e.g. socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, trace:PATH, demo). Without it: the hardware found.</source>
        <translation>Адаптер CAN в виде PLUGIN:INTERFACE, как в программе (например, socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, trace:PATH, demo). Без него: найденное оборудование.</translation>
    </message>
    <message>
        <source>125K or 250K (default 250K).</source>
        <translation>125K или 250K (по умолчанию 250K).</translation>
    </message>
    <message>
        <source>Seconds to wait for what is asked (default 5).</source>
        <translation>Сколько секунд ждать запрошенное (по умолчанию 5).</translation>
    </message>
    <message>
        <source>monitor: end after S seconds (default: at Ctrl+C).</source>
        <translation>monitor: закончить через S секунд (по умолчанию: по Ctrl+C).</translation>
    </message>
    <message>
        <source>write: send on the device&apos;s transmission identifier (&quot;Up&quot;).</source>
        <translation>write: посылать на идентификатор передачи устройства (&quot;Up&quot;).</translation>
    </message>
    <message>
        <source>read, params, trace export: a profile file to use instead of the row&apos;s (a path, or a name in the profiles folder).</source>
        <translation>read, params, trace export: файл профиля вместо профиля строки (путь или имя в папке профилей).</translation>
    </message>
    <message>
        <source>params save/restore, trace export: only these registers, e.g. 96-127,5.</source>
        <translation>params save/restore, trace export: только эти регистры, например 96-127,5.</translation>
    </message>
    <message>
        <source>params diff: compare the file with this device&apos;s live values.</source>
        <translation>params diff: сравнить файл с текущими значениями этого устройства.</translation>
    </message>
    <message>
        <source>params restore: wait up to --timeout for the device to report each written register.</source>
        <translation>params restore: ждать до --timeout, пока устройство сообщит каждый записанный регистр.</translation>
    </message>
    <message>
        <source>params restore: print the plan and send nothing.</source>
        <translation>params restore: вывести план и ничего не посылать.</translation>
    </message>
    <message>
        <source>params restore: do not ask.</source>
        <translation>params restore: не спрашивать.</translation>
    </message>
    <message>
        <source>params restore: write registers whose live value matches too.</source>
        <translation>params restore: записывать и регистры, текущее значение которых совпадает.</translation>
    </message>
    <message>
        <source>params restore: accept a set saved for another profile.</source>
        <translation>params restore: принять набор, сохранённый для другого профиля.</translation>
    </message>
    <message>
        <source>profile import: the device type&apos;s name; trace export: a device to export (row or name, repeatable).</source>
        <translation>profile import: имя типа устройства; trace export: устройство для экспорта (строка или имя, можно несколько раз).</translation>
    </message>
    <message>
        <source>trace export: csv (default) or jsonl.</source>
        <translation>trace export: csv (по умолчанию) или jsonl.</translation>
    </message>
    <message>
        <source>trace export: from this time (seconds as in the trace, +seconds after its first frame, or ISO 8601).</source>
        <translation>trace export: начиная с этого времени (секунды, как в трассе, +секунды после её первого кадра или ISO 8601).</translation>
    </message>
    <message>
        <source>trace export: up to this time.</source>
        <translation>trace export: до этого времени.</translation>
    </message>
    <message>
        <source>trace export: a line per message, not per change.</source>
        <translation>trace export: строка на каждое сообщение, а не на каждое изменение.</translation>
    </message>
    <message>
        <source>ru or en: the language of messages and of this help (default: the choice kept in Quorvex.ini, else the system&apos;s).</source>
        <translation>ru или en: язык сообщений и этой справки (по умолчанию: выбор, сохранённый в Quorvex.ini, иначе язык системы).</translation>
    </message>
    <message>
        <source>what the command takes</source>
        <translation>аргументы команды</translation>
    </message>
    <message>
        <source>%1 (--help lists the options)</source>
        <translation>%1 (список параметров: --help)</translation>
    </message>
    <message>
        <source>--lang %1: expected ru or en</source>
        <translation>--lang %1: ожидается ru или en</translation>
    </message>
    <message>
        <source>--can %1: expected PLUGIN:INTERFACE or demo</source>
        <translation>--can %1: ожидается PLUGIN:INTERFACE или demo</translation>
    </message>
    <message>
        <source>--bitrate %1: expected 125K or 250K</source>
        <translation>--bitrate %1: ожидается 125K или 250K</translation>
    </message>
    <message>
        <source>--timeout %1: expected seconds above 0, at most %2</source>
        <translation>--timeout %1: ожидаются секунды больше 0, не более %2</translation>
    </message>
    <message>
        <source>--seconds %1: expected seconds above 0, at most %2</source>
        <translation>--seconds %1: ожидаются секунды больше 0, не более %2</translation>
    </message>
    <message>
        <source>no command given (--help lists them)</source>
        <translation>не задана команда (список: --help)</translation>
    </message>
</context>
<context>
    <name>CliProfile</name>
    <message>
        <source>profile check wants one file</source>
        <translation>profile check: нужен один файл</translation>
    </message>
    <message>
        <source>profile import wants a CSV file and the JSON file to write</source>
        <translation>profile import: нужны файл CSV и файл JSON для записи</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: файл не найден</translation>
    </message>
    <message>
        <source>%1: the profile would replace the register map it is made from</source>
        <translation>%1: профиль заменил бы карту регистров, из которой он сделан</translation>
    </message>
    <message>
        <source>%1: %2 bytes is too large for a register map</source>
        <translation>%1: %2 байт — слишком много для карты регистров</translation>
    </message>
    <message>
        <source>%1: the map describes no register</source>
        <translation>%1: в карте нет ни одного регистра</translation>
    </message>
    <message>
        <source>profile wants &quot;import CSV JSON&quot; or &quot;check FILE&quot;</source>
        <translation>profile: нужно &quot;import CSV JSON&quot; или &quot;check FILE&quot;</translation>
    </message>
    <message>
        <source>the register map of row %1 is not used: %2</source>
        <translation>карта регистров строки %1 не используется: %2</translation>
    </message>
</context>
<context>
    <name>CliTrace</name>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation>устройство %1: в проекте &quot;%2&quot; нет используемой строки с таким номером (0-15)</translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation>устройство &quot;%1&quot;: в проекте &quot;%2&quot; нет устройства с таким именем</translation>
    </message>
    <message>
        <source>trace wants &quot;export TRACE&quot;</source>
        <translation>trace: нужно &quot;export TRACE&quot;</translation>
    </message>
    <message>
        <source>--format %1: expected csv or jsonl</source>
        <translation>--format %1: ожидается csv или jsonl</translation>
    </message>
    <message>
        <source>--from %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation>--from %1: ожидаются секунды (1733650000.5), +секунды после первого кадра (+90) или время ISO 8601 (2024-12-08T09:26:40)</translation>
    </message>
    <message>
        <source>--to %1: expected seconds (1733650000.5), +seconds after the first frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)</source>
        <translation>--to %1: ожидаются секунды (1733650000.5), +секунды после первого кадра (+90) или время ISO 8601 (2024-12-08T09:26:40)</translation>
    </message>
    <message>
        <source>project &quot;%1&quot; has no device in use</source>
        <translation>в проекте &quot;%1&quot; нет используемых устройств</translation>
    </message>
    <message>
        <source>%1: %2 unreadable lines and %3 CAN FD lines skipped</source>
        <translation>%1: пропущено нечитаемых строк: %2, строк CAN FD: %3</translation>
    </message>
    <message>
        <source>trace export: standard output could not be written</source>
        <translation>trace export: не удалось записать в стандартный вывод</translation>
    </message>
    <message>
        <source>trace export: interrupted</source>
        <translation>trace export: прервано</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message numerus="yes">
        <source>%n register(s)</source>
        <translation>
            <numerusform>%n регистр</numerusform>
            <numerusform>%n регистра</numerusform>
            <numerusform>%n регистров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n кадр</numerusform>
            <numerusform>%n кадра</numerusform>
            <numerusform>%n кадров</numerusform>
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
    <name>ErrorReport</name>
    <message>
        <source>Stay open</source>
        <translation>Не закрывать</translation>
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
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Command commands...</source>
        <translation>Отправка команды...</translation>
    </message>
    <message>
        <source>Adres.DEC</source>
        <translation>Адрес DEC</translation>
    </message>
    <message>
        <source>Adres.HEX</source>
        <translation>Адрес HEX</translation>
    </message>
    <message>
        <source>Data.DEC</source>
        <translation>Данные DEC</translation>
    </message>
    <message>
        <source>Начало анал. </source>
        <translation>Начало анал. </translation>
    </message>
    <message>
        <source>Длина анал. </source>
        <translation>Длина анал. </translation>
    </message>
    <message>
        <source>Начало дискр. </source>
        <translation>Начало дискр. </translation>
    </message>
    <message>
        <source>Длина дискр. </source>
        <translation>Длина дискр. </translation>
    </message>
    <message>
        <source>Bit field</source>
        <translation>Битовое поле</translation>
    </message>
    <message>
        <source>Adres HEX</source>
        <translation>Адрес HEX</translation>
    </message>
    <message>
        <source>Data DEC</source>
        <translation>Данные DEC</translation>
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
        <translation>Длина данных</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Setting settings...</source>
        <translation>Запись настроек...</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Текущие параметры</translation>
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
        <translation>Данные</translation>
    </message>
    <message>
        <source>Подсветка</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Затухание</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>Время затухания</source>
        <translation>Время затухания</translation>
    </message>
    <message>
        <source>Bit </source>
        <translation>Бит </translation>
    </message>
    <message>
        <source>Read analog...</source>
        <translation>Чтение аналоговых...</translation>
    </message>
    <message>
        <source>Ok!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Well...</source>
        <translation>Ошибка CRC...</translation>
    </message>
    <message>
        <source>!!! Error !!!</source>
        <translation>!!! Ошибка !!!</translation>
    </message>
    <message>
        <source>+ + Add project + +</source>
        <translation>+ + Добавить проект + +</translation>
    </message>
    <message>
        <source> Проект </source>
        <translation> Проект </translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Прием &lt;-- СУ</source>
        <translation>Прием &lt;-- СУ</translation>
    </message>
    <message>
        <source>Передача --&gt; СУ</source>
        <translation>Передача --&gt; СУ</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Can Speed</source>
        <translation>Скорость CAN</translation>
    </message>
    <message>
        <source>CAN on</source>
        <translation>CAN вкл.</translation>
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
        <translation>Держать RS</translation>
    </message>
    <message>
        <source>TimeWait</source>
        <translation>Ожидание</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>The language choice could not be saved. %1</source>
        <translation>Выбор языка не сохранён. %1</translation>
    </message>
    <message>
        <source>The language is applied at the next start of CANQuorvex.</source>
        <translation>Язык будет применён при следующем запуске CANQuorvex.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>As specified</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About CANQuorvex</source>
        <translation>О программе CANQuorvex</translation>
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
    <name>ProgramStart</name>
    <message>
        <source>canquorvex: the settings folder: %1</source>
        <translation>canquorvex: папка настроек: %1</translation>
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
    <name>SlcanCanBusDevice</name>
    <message>
        <source>slcan:%1: &quot;%2&quot; is not a serial speed (e.g. @115200)</source>
        <translation>slcan:%1: &quot;%2&quot; — не скорость последовательного порта (например, @115200)</translation>
    </message>
    <message>
        <source>slcan:%1: no serial port named (e.g. slcan:/dev/ttyACM0, slcan:COM5)</source>
        <translation>slcan:%1: не указан последовательный порт (например, slcan:/dev/ttyACM0, slcan:COM5)</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the adapters have no command for %2 bit/s (they offer 10k, 20k, 50k, 100k, 125k, 250k, 500k, 800k and 1M)</source>
        <translation>Адаптер SLCAN %1: у адаптеров нет команды для %2 бит/с (есть 10k, 20k, 50k, 100k, 125k, 250k, 500k, 800k и 1M)</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot open the serial port: %2</source>
        <translation>Адаптер SLCAN %1: не удаётся открыть последовательный порт: %2</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot set the serial port to %2 baud: %3</source>
        <translation>Адаптер SLCAN %1: не удаётся установить скорость порта %2 бод: %3</translation>
    </message>
    <message>
        <source>close (C)</source>
        <translation>закрытие (C)</translation>
    </message>
    <message>
        <source>bit rate (%1)</source>
        <translation>скорость CAN (%1)</translation>
    </message>
    <message>
        <source>time stamps off (Z0)</source>
        <translation>отключение меток времени (Z0)</translation>
    </message>
    <message>
        <source>open (O)</source>
        <translation>открытие (O)</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the serial port: %2</source>
        <translation>шаг &quot;%1&quot;: не удаётся записать в последовательный порт: %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the adapter refused it (BEL)</source>
        <translation>шаг &quot;%1&quot;: адаптер отказал (BEL)</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation>шаг &quot;%1&quot;: нет ответа за %2 мс</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: %2</source>
        <translation>Адаптер SLCAN %1: %2</translation>
    </message>
    <message>
        <source>the serial port went away (unplugged?): %1</source>
        <translation>последовательный порт пропал (отключён?): %1</translation>
    </message>
    <message>
        <source>the serial port failed: %1</source>
        <translation>сбой последовательного порта: %1</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the adapter refused a frame (BEL)</source>
        <translation>Адаптер SLCAN %1: адаптер отклонил кадр (BEL)</translation>
    </message>
    <message>
        <source>the serial port is gone</source>
        <translation>последовательный порт пропал</translation>
    </message>
    <message>
        <source>the adapter stopped answering</source>
        <translation>адаптер перестал отвечать</translation>
    </message>
    <message>
        <source>SLCAN adapter %1 is not connected</source>
        <translation>Адаптер SLCAN %1 не подключён</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation>Адаптер SLCAN %1: кадр нельзя отправить (только кадры данных и удалённого запроса до 8 байт)</translation>
    </message>
    <message>
        <source>SLCAN adapter %1: cannot write to the serial port: %2</source>
        <translation>Адаптер SLCAN %1: не удаётся записать в последовательный порт: %2</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>пассивный по ошибкам</translation>
    </message>
    <message>
        <source>error warning</source>
        <translation>предупреждение об ошибках</translation>
    </message>
    <message>
        <source>receive overrun</source>
        <translation>переполнение приёма</translation>
    </message>
    <message>
        <source>transmit queue full</source>
        <translation>очередь передачи заполнена</translation>
    </message>
    <message>
        <source>bus error</source>
        <translation>ошибка шины</translation>
    </message>
</context>
<context>
    <name>SlcanDllCanBusDevice</name>
    <message>
        <source>adapter %1 of slcan.dll</source>
        <translation>адаптер %1 библиотеки slcan.dll</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1: %2</source>
        <translation>Адаптер slcan.dll %1: %2</translation>
    </message>
    <message>
        <source>the library reports no adapter attached</source>
        <translation>библиотека не видит подключённых адаптеров</translation>
    </message>
    <message>
        <source>the library cannot count its adapters (%1)</source>
        <translation>библиотека не может сосчитать свои адаптеры (%1)</translation>
    </message>
    <message numerus="yes">
        <source>not attached: the library reports %n adapter(s), numbered from 0</source>
        <translation>
            <numerusform>не подключён: библиотека видит %n адаптер, нумерация с 0</numerusform>
            <numerusform>не подключён: библиотека видит %n адаптера, нумерация с 0</numerusform>
            <numerusform>не подключён: библиотека видит %n адаптеров, нумерация с 0</numerusform>
        </translation>
    </message>
    <message>
        <source>the library gives no handle for it</source>
        <translation>библиотека не выдаёт для него дескриптор</translation>
    </message>
    <message>
        <source>the library cannot open it (is another program using it?)</source>
        <translation>библиотека не может его открыть (занят другой программой?)</translation>
    </message>
    <message>
        <source>no code for %1 bit/s (the library takes 10k, 125k, 250k, 500k and 1M)</source>
        <translation>нет кода для %1 бит/с (библиотека принимает 10k, 125k, 250k, 500k и 1M)</translation>
    </message>
    <message>
        <source>the bit rate %1 bit/s (code 0x%2) was refused</source>
        <translation>скорость %1 бит/с (код 0x%2) отклонена</translation>
    </message>
    <message>
        <source>event level %1 was refused</source>
        <translation>уровень событий %1 отклонён</translation>
    </message>
    <message>
        <source>mode %1 was refused</source>
        <translation>режим %1 отклонён</translation>
    </message>
    <message>
        <source>TX time-out %1 was refused</source>
        <translation>тайм-аут передачи %1 отклонён</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 is not connected</source>
        <translation>Адаптер slcan.dll %1 не подключён</translation>
    </message>
    <message>
        <source>slcan.dll adapter %1 sends classic data frames of 0 to 8 bytes only</source>
        <translation>Адаптер slcan.dll %1 отправляет только классические кадры данных от 0 до 8 байт</translation>
    </message>
</context>
<context>
    <name>SlcanDllCanBusFactory</name>
    <message>
        <source>slcandll:%1: an adapter is named by its number, 0 for the first</source>
        <translation>slcandll:%1: адаптер задаётся номером, 0 — первый</translation>
    </message>
</context>
<context>
    <name>SlcanDllLibrary</name>
    <message>
        <source>%1 is a 32-bit library (or not one for this computer): this 64-bit program cannot load it. A 64-bit slcan.dll from the adapter&apos;s maker, or a 32-bit build of CANQuorvex, is needed for this adapter.</source>
        <translation>%1 — 32-битная библиотека (или не для этого компьютера): 64-битная программа не может её загрузить. Для этого адаптера нужна 64-битная slcan.dll от производителя адаптера или 32-битная сборка CANQuorvex.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a library it needs is missing.</source>
        <translation>%1 не загружается: нет нужной ей библиотеки.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded (Windows error %2).</source>
        <translation>%1 не загружается (ошибка Windows %2).</translation>
    </message>
    <message>
        <source>%1 has no function %2: it is not the adapter library this program knows.</source>
        <translation>в %1 нет функции %2: это не та библиотека адаптера, которую знает программа.</translation>
    </message>
    <message>
        <source>the adapter library slcan.dll was not found</source>
        <translation>библиотека адаптера slcan.dll не найдена</translation>
    </message>
    <message>
        <source>%1 did not start (SlCan_Load refused)</source>
        <translation>%1 не запустилась (SlCan_Load отказала)</translation>
    </message>
</context>
<context>
    <name>SocketcandCanBusDevice</name>
    <message>
        <source>socketcand:%1: %2 (the form is HOST[:PORT]/BUS, e.g. socketcand:127.0.0.1/can0 or socketcand:rig7.local:29536/can1)</source>
        <translation>socketcand:%1: %2 (формат HOST[:PORT]/BUS, например socketcand:127.0.0.1/can0 или socketcand:rig7.local:29536/can1)</translation>
    </message>
    <message>
        <source>no bus named</source>
        <translation>не указана шина</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no bus name (1 to %2 printable characters, no spaces)</source>
        <translation>&quot;%1&quot; — не имя шины (от 1 до %2 печатных символов, без пробелов)</translation>
    </message>
    <message>
        <source>&quot;]&quot; missing after the IPv6 address</source>
        <translation>нет &quot;]&quot; после адреса IPv6</translation>
    </message>
    <message>
        <source>&quot;:PORT&quot; expected after &quot;]&quot;</source>
        <translation>после &quot;]&quot; ожидается &quot;:PORT&quot;</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, e.g. [::1]:29536/can0</source>
        <translation>адрес IPv6 пишется в скобках, например [::1]:29536/can0</translation>
    </message>
    <message>
        <source>no host named</source>
        <translation>не указан хост</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (1 to 65535)</source>
        <translation>&quot;%1&quot; — не порт TCP (от 1 до 65535)</translation>
    </message>
    <message>
        <source>socketcand server %1, bus %2</source>
        <translation>сервер socketcand %1, шина %2</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>greeting (&lt; hi &gt;)</source>
        <translation>приветствие (&lt; hi &gt;)</translation>
    </message>
    <message>
        <source>open (&lt; open %1 &gt;)</source>
        <translation>открытие шины (&lt; open %1 &gt;)</translation>
    </message>
    <message>
        <source>raw mode (&lt; rawmode &gt;)</source>
        <translation>режим raw (&lt; rawmode &gt;)</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: cannot write to the connection: %2</source>
        <translation>шаг &quot;%1&quot;: не удаётся записать в соединение: %2</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: no answer within %2 ms</source>
        <translation>шаг &quot;%1&quot;: нет ответа за %2 мс</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>сервер закрыл соединение</translation>
    </message>
    <message>
        <source>the connection was lost: %1</source>
        <translation>соединение потеряно: %1</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: %2</source>
        <translation>шаг &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the connection was lost: the server closed it</source>
        <translation>соединение потеряно: сервер его закрыл</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server closed the connection</source>
        <translation>шаг &quot;%1&quot;: сервер закрыл соединение</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server sent &quot;%2&quot;, which is not the socketcand protocol</source>
        <translation>шаг &quot;%1&quot;: сервер прислал &quot;%2&quot; — это не протокол socketcand</translation>
    </message>
    <message>
        <source>an error frame</source>
        <translation>кадр ошибки</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;&lt; error %2 &gt;&quot;</source>
        <translation>шаг &quot;%1&quot;: сервер ответил &quot;&lt; error %2 &gt;&quot;</translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: the server answered &quot;%2&quot; instead of &quot;%3&quot;</source>
        <translation>шаг &quot;%1&quot;: сервер ответил &quot;%2&quot; вместо &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the server has not answered for %1 s</source>
        <translation>сервер не отвечает уже %1 с</translation>
    </message>
    <message>
        <source>%1: not connected</source>
        <translation>%1: нет подключения</translation>
    </message>
    <message>
        <source>%1: the frame cannot be sent (only data and remote frames of up to 8 bytes)</source>
        <translation>%1: кадр нельзя отправить (только кадры данных и удалённого запроса до 8 байт)</translation>
    </message>
    <message>
        <source>%1: the server is not taking frames (%2 bytes wait to be sent)</source>
        <translation>%1: сервер не принимает кадры (ждут отправки байт: %2)</translation>
    </message>
    <message>
        <source>%1: cannot write to the connection: %2</source>
        <translation>%1: не удаётся записать в соединение: %2</translation>
    </message>
    <message>
        <source>the server reports &quot;%1&quot;</source>
        <translation>сервер сообщает &quot;%1&quot;</translation>
    </message>
    <message>
        <source>socketcand server</source>
        <translation>сервер socketcand</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>связь потеряна</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>не подключено</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>Link: %1, %2</source>
        <translation>Связь: %1, %2</translation>
    </message>
    <message>
        <source>Errors reported by the server: %1</source>
        <translation>Ошибок от сервера: %1</translation>
    </message>
    <message>
        <source>Errors reported by the server: %1 (last: &quot;%2&quot;)</source>
        <translation>Ошибок от сервера: %1 (последняя: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Messages not understood: %1, garbage skipped: %2</source>
        <translation>Непонятых сообщений: %1, пропущено посторонних фрагментов: %2</translation>
    </message>
</context>
<context>
    <name>SocketcandServer</name>
    <message>
        <source>&quot;%1&quot;: %2 (give [ADDR:]PORT, e.g. 29536, 0.0.0.0:29536 or [::1]:29536)</source>
        <translation>&quot;%1&quot;: %2 (укажите [ADDR:]PORT, например 29536, 0.0.0.0:29536 или [::1]:29536)</translation>
    </message>
    <message>
        <source>&quot;]:PORT&quot; expected after the IPv6 address</source>
        <translation>после адреса IPv6 ожидается &quot;]:PORT&quot;</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets</source>
        <translation>адрес IPv6 пишется в скобках</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TCP port (0 to 65535)</source>
        <translation>&quot;%1&quot; — не порт TCP (от 0 до 65535)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IP address of this machine</source>
        <translation>&quot;%1&quot; — не IP-адрес этого компьютера</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>не удаётся принимать подключения на %1: %2</translation>
    </message>
    <message>
        <source>socketcand client %1 refused: %2 clients already</source>
        <translation>клиент socketcand %1 отклонён: клиентов уже %2</translation>
    </message>
    <message>
        <source>socketcand client %1 connected</source>
        <translation>клиент socketcand %1 подключился</translation>
    </message>
    <message>
        <source>socketcand client %1 left</source>
        <translation>клиент socketcand %1 отключился</translation>
    </message>
    <message>
        <source>socketcand client %1 left: %2</source>
        <translation>клиент socketcand %1 отключился: %2</translation>
    </message>
    <message>
        <source>open and rawmode not given within %1 s</source>
        <translation>open и rawmode не получены за %1 с</translation>
    </message>
    <message>
        <source>more than %1 s behind, disconnected</source>
        <translation>отстал более чем на %1 с, отключён</translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, clients may send): %3 client(s), %4 frame(s) dropped</source>
        <translation>socketcand на %1 (шина %2, клиенты могут передавать): клиентов: %3, потеряно кадров: %4</translation>
    </message>
    <message>
        <source>socketcand on %1 (bus %2, read only): %3 client(s), %4 frame(s) dropped</source>
        <translation>socketcand на %1 (шина %2, только чтение): клиентов: %3, потеряно кадров: %4</translation>
    </message>
</context>
<context>
    <name>SocketcandSession</name>
    <message>
        <source>more than %1 KB of replies unread</source>
        <translation>более %1 КБ ответов не прочитано</translation>
    </message>
    <message>
        <source>closed the connection</source>
        <translation>закрыл соединение</translation>
    </message>
    <message>
        <source>could not open bus</source>
        <translation>не удалось открыть шину</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About CANQuorvex</source>
        <translation>О программе CANQuorvex</translation>
    </message>
    <message>
        <source>A service tool for ZELM control devices on a CAN bus.</source>
        <translation>Сервисная программа для СУ ZELM на шине CAN.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Собрана с Qt %1, работает на Qt %2.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later. It uses Qt (LGPL-3), QCustomPlot (GPL-3) and SimpleIni (MIT).</source>
        <translation>Лицензия: GPL-3.0-or-later. Использует Qt (LGPL-3), QCustomPlot (GPL-3) и SimpleIni (MIT).</translation>
    </message>
    <message>
        <source>Folders in use</source>
        <translation>Используемые папки</translation>
    </message>
    <message>
        <source>(not told)</source>
        <translation>(не указаны)</translation>
    </message>
    <message>
        <source>CAN adapters offered</source>
        <translation>Доступные адаптеры CAN</translation>
    </message>
    <message>
        <source>none found (canquorvex --help lists the plugins; --can demo plays the demo bus)</source>
        <translation>не найдены (список модулей: canquorvex --help; демонстрационная шина: --can demo)</translation>
    </message>
</context>
<context>
    <name>TCANQuorvex</name>
    <message>
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under &quot;%1&quot;, and again to close it. The &quot;%2&quot; panel shows which adapter.</source>
        <translation>Переключатель CAN: щелчок (или пробел) открывает адаптер на скорости, выбранной в «%1», повторный щелчок закрывает его. Какой адаптер — показывает панель «%2».</translation>
    </message>
    <message>
        <source>The bit rate the CAN switch opens the adapter with.</source>
        <translation>Скорость, с которой переключатель CAN открывает адаптер.</translation>
    </message>
    <message>
        <source>The project chosen in the list above (its section in Projects.ini).</source>
        <translation>Проект, выбранный в списке выше (его раздел в Projects.ini).</translation>
    </message>
    <message>
        <source>The project&apos;s base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</source>
        <translation>Базовый идентификатор проекта: идентификатор приёма его первого устройства (BaseAdr); каждое устройство передаёт на своём идентификаторе плюс PlusAdr.</translation>
    </message>
    <message>
        <source>A further identifier of the project (CommAdr), empty when it has none.</source>
        <translation>Дополнительный идентификатор проекта (CommAdr); пусто, если его нет.</translation>
    </message>
    <message>
        <source>Identifier the device receives on (from this tool): lit blue when a frame with it is seen.</source>
        <translation>Идентификатор, на котором устройство принимает (от программы): подсвечивается синим, когда виден кадр с ним.</translation>
    </message>
    <message>
        <source>Identifier the device sends on: lit green when a frame with it is seen.</source>
        <translation>Идентификатор, на котором устройство передаёт: подсвечивается зелёным, когда виден кадр с ним.</translation>
    </message>
    <message>
        <source>The device&apos;s serial (RS) address.</source>
        <translation>Адрес устройства на последовательной линии (RS).</translation>
    </message>
    <message>
        <source>The device&apos;s name.</source>
        <translation>Название устройства.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; opens the device&apos;s window.</source>
        <translation>«%1» открывает окно устройства.</translation>
    </message>
    <message>
        <source>Open the device&apos;s window: its registers, writes and commands.</source>
        <translation>Открыть окно устройства: регистры, запись и команды.</translation>
    </message>
    <message>
        <source>The sample projects %1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать примеры проектов %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the sample was not copied.</source>
        <translation>%1 — не обычный файл; пример не скопирован.</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2; the sample was not copied.</source>
        <translation>Не удаётся сохранить %1 как %2; пример не скопирован.</translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation>нет адаптера</translation>
    </message>
    <message>
        <source>No CAN adapter is offered (canquorvex --help lists the plugins; --can demo plays the demo bus).</source>
        <translation>Нет доступных адаптеров CAN (canquorvex --help выводит список модулей; --can demo запускает демо-шину).</translation>
    </message>
    <message>
        <source>The adapter in use: %1</source>
        <translation>Используемый адаптер: %1</translation>
    </message>
    <message>
        <source>%1: the value %2 of &quot;ProjectNum&quot; in section [Projects] is not a valid project number (0 to %3). No project is selected; choose one from the list.</source>
        <translation>%1: значение %2 ключа «ProjectNum» в разделе [Projects] — недопустимый номер проекта (от 0 до %3). Проект не выбран; выберите его из списка.</translation>
    </message>
    <message>
        <source>While changing to project &quot;%1&quot;:</source>
        <translation>При переходе к проекту «%1»:</translation>
    </message>
    <message>
        <source>the adapter library is not loaded</source>
        <translation>библиотека адаптера не загружена</translation>
    </message>
    <message>
        <source>no CAN adapter found (canquorvex --help lists them; --can demo plays the demo bus)</source>
        <translation>адаптер CAN не найден (canquorvex --help выводит их список; --can demo запускает демо-шину)</translation>
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation>адаптер не открылся</translation>
    </message>
    <message>
        <source>No CAN adapter is open: %1.</source>
        <translation>Адаптер CAN не открыт: %1.</translation>
    </message>
    <message>
        <source>A CAN adapter is open.</source>
        <translation>Адаптер CAN открыт.</translation>
    </message>
    <message>
        <source>CANQuorvex: %1; the renamed command captions were not saved.</source>
        <translation>CANQuorvex: %1; переименованные надписи команд не сохранены.</translation>
    </message>
    <message>
        <source>The renamed command captions are not saved. Make the file writable and close again, or close without saving them.</source>
        <translation>Переименованные надписи команд не сохранены. Разрешите запись в файл и закройте снова или закройте без сохранения.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
    <message>
        <source>CANQuorvex: signal %1, closing</source>
        <translation>CANQuorvex: сигнал %1, закрытие</translation>
    </message>
    <message>
        <source>Hide the UART panel</source>
        <translation>Скрыть панель UART</translation>
    </message>
    <message>
        <source>Show the UART panel</source>
        <translation>Показать панель UART</translation>
    </message>
    <message>
        <source>Edit projects…</source>
        <translation>Редактировать проекты…</translation>
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
    <name>TCliProgram</name>
    <message>
        <source>params wants save, diff or restore (--help shows them)</source>
        <translation>params: нужно save, diff или restore (см. --help)</translation>
    </message>
    <message>
        <source>params save wants a device and a file</source>
        <translation>params save: нужны устройство и файл</translation>
    </message>
    <message>
        <source>the device reported none of the registers within %1 s; nothing was saved</source>
        <translation>устройство не сообщило ни одного регистра за %1 с; ничего не сохранено</translation>
    </message>
    <message numerus="yes">
        <source>%n registers saved in %1</source>
        <translation>
            <numerusform>%n регистр сохранён в %1</numerusform>
            <numerusform>%n регистра сохранено в %1</numerusform>
            <numerusform>%n регистров сохранено в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>not reported within %1 s, not saved: register %2</source>
        <translation>за %1 с не получены и не сохранены регистры: %2</translation>
    </message>
    <message>
        <source>params diff wants FILE and either --live DEVICE or FILE2</source>
        <translation>params diff: нужны FILE и либо --live DEVICE, либо FILE2</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) differ</source>
        <translation>
            <numerusform>различается %n регистр</numerusform>
            <numerusform>различаются %n регистра</numerusform>
            <numerusform>различается %n регистров</numerusform>
        </translation>
    </message>
    <message>
        <source>params restore wants a device and a file</source>
        <translation>params restore: нужны устройство и файл</translation>
    </message>
    <message>
        <source>restore refused, nothing was sent:
  %1</source>
        <translation>восстановление отклонено, ничего не отправлено:
  %1</translation>
    </message>
    <message>
        <source>  register %1 %2: %3 -&gt; %4 (%5)
</source>
        <translation>  регистр %1 %2: %3 -&gt; %4 (%5)
</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>не получен</translation>
    </message>
    <message>
        <source>%1 register(s) to write in %2 frame(s), %3 unchanged, %4 skipped (ro)</source>
        <translation>регистров к записи: %1 (кадров: %2), без изменений: %3, пропущено (ro): %4</translation>
    </message>
    <message>
        <source>nothing to write: the device already holds the file&apos;s values</source>
        <translation>записывать нечего: в устройстве уже значения из файла</translation>
    </message>
    <message>
        <source>standard input is no terminal to ask on: give --yes to restore without asking, or --dry-run to see the plan</source>
        <translation>стандартный ввод — не терминал, спросить нельзя: укажите --yes, чтобы восстановить без вопроса, или --dry-run, чтобы увидеть план</translation>
    </message>
    <message numerus="yes">
        <source>Write %n register(s) to %1? [y/N] </source>
        <translation>
            <numerusform>Записать %n регистр в %1? [y/N] </numerusform>
            <numerusform>Записать %n регистра в %1? [y/N] </numerusform>
            <numerusform>Записать %n регистров в %1? [y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>not confirmed; nothing was sent</source>
        <translation>не подтверждено; ничего не отправлено</translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent (interrupted)</source>
        <translation>отправлено кадров записи: %1 из %2 (прервано)</translation>
    </message>
    <message>
        <source>%1 of %2 write frame(s) sent</source>
        <translation>отправлено кадров записи: %1 из %2</translation>
    </message>
    <message>
        <source>the CAN adapter went away</source>
        <translation>адаптер CAN пропал</translation>
    </message>
    <message numerus="yes">
        <source>the adapter refused %n write(s)</source>
        <translation>
            <numerusform>адаптер отклонил %n запись</numerusform>
            <numerusform>адаптер отклонил %n записи</numerusform>
            <numerusform>адаптер отклонил %n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 line(s) skipped: %3 CAN FD, %4 unreadable</source>
        <translation>
            <numerusform>%1: пропущена %2 строка: CAN FD %3, нечитаемых %4</numerusform>
            <numerusform>%1: пропущено %2 строки: CAN FD %3, нечитаемых %4</numerusform>
            <numerusform>%1: пропущено %2 строк: CAN FD %3, нечитаемых %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the settings folder: %1</source>
        <translation>папка настроек: %1</translation>
    </message>
    <message>
        <source>device %1: no row in use of project &quot;%2&quot; has that number (0-15)</source>
        <translation>устройство %1: в проекте &quot;%2&quot; нет используемой строки с таким номером (0-15)</translation>
    </message>
    <message>
        <source>device &quot;%1&quot;: no device of project &quot;%2&quot; has that name</source>
        <translation>устройство &quot;%1&quot;: в проекте &quot;%2&quot; нет устройства с таким именем</translation>
    </message>
    <message>
        <source>no CAN adapter found (--can names one)</source>
        <translation>адаптер CAN не найден (его задаёт --can)</translation>
    </message>
    <message>
        <source>the adapter refused to open</source>
        <translation>адаптер не открылся</translation>
    </message>
    <message>
        <source>--profile is for read, params and trace export</source>
        <translation>--profile — только для read, params и trace export</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (--help lists them)</source>
        <translation>неизвестная команда &quot;%1&quot; (список: --help)</translation>
    </message>
    <message>
        <source>interrupted: no further write is sent</source>
        <translation>прервано: больше записей не отправляется</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>прервано</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices: аргументы не нужны</translation>
    </message>
    <message>
        <source>monitor takes no arguments (--seconds S sets how long)</source>
        <translation>monitor: аргументы не нужны (длительность задаёт --seconds S)</translation>
    </message>
    <message>
        <source>read wants a device and at least one register</source>
        <translation>read: нужны устройство и хотя бы один регистр</translation>
    </message>
    <message>
        <source>not reported within %1 s: register %2</source>
        <translation>за %1 с не получены регистры: %2</translation>
    </message>
    <message>
        <source>write wants a device, a register and 1-4 values</source>
        <translation>write: нужны устройство, регистр и 1-4 значения</translation>
    </message>
    <message>
        <source>write: register &quot;%1&quot; is not 0-127</source>
        <translation>write: регистр &quot;%1&quot; не в диапазоне 0-127</translation>
    </message>
    <message>
        <source>write: %1 values; one write carries at most %2 in this project&apos;s layout</source>
        <translation>write: значений %1; одна запись в раскладке этого проекта несёт не более %2</translation>
    </message>
    <message>
        <source>write: registers %1-%2 run past register 127</source>
        <translation>write: регистры %1-%2 выходят за регистр 127</translation>
    </message>
    <message>
        <source>write: value &quot;%1&quot; is not a 16-bit number (-32768 to 65535)</source>
        <translation>write: значение &quot;%1&quot; — не 16-битное число (от -32768 до 65535)</translation>
    </message>
    <message>
        <source>command wants a device and a button 0-16</source>
        <translation>command: нужны устройство и кнопка 0-16</translation>
    </message>
    <message>
        <source>command: button &quot;%1&quot; is not 0-16</source>
        <translation>command: кнопка &quot;%1&quot; не в диапазоне 0-16</translation>
    </message>
    <message>
        <source>the adapter refused the frame: %1</source>
        <translation>адаптер отклонил кадр: %1</translation>
    </message>
    <message>
        <source>the adapter did not pass the frame on in time</source>
        <translation>адаптер не передал кадр вовремя</translation>
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
    <name>TCompareDialog</name>
    <message>
        <source>Compare with file</source>
        <translation>Сравнение с файлом</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Сравнение: %1</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Текущее</translation>
    </message>
    <message numerus="yes">
        <source>All %n registers of the file equal the live values.</source>
        <translation>
            <numerusform>%n регистр файла совпадает с текущим значением.</numerusform>
            <numerusform>Все %n регистра файла совпадают с текущими значениями.</numerusform>
            <numerusform>Все %n регистров файла совпадают с текущими значениями.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n registers differ (marked; — : the device has not reported it).</source>
        <translation>
            <numerusform>Расходятся: %1 из %n регистра (выделены; — : устройство его ещё не сообщало).</numerusform>
            <numerusform>Расходятся: %1 из %n регистров (выделены; — : устройство его ещё не сообщало).</numerusform>
            <numerusform>Расходятся: %1 из %n регистров (выделены; — : устройство его ещё не сообщало).</numerusform>
        </translation>
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
    <name>TFirstStartOffer</name>
    <message>
        <source>Start from the sample project</source>
        <translation>Начать с примера проекта</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>%1 names no project yet.</source>
        <translation>В %1 пока нет ни одного проекта.</translation>
    </message>
    <message>
        <source>There is no Projects.ini yet. It belongs in %1.</source>
        <translation>Файла Projects.ini пока нет. Его место — в %1.</translation>
    </message>
    <message>
        <source>Start from the sample project: example projects whose devices the demo bus plays (canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.</source>
        <translation>Начните с примера: проекты-примеры, устройства которых имитирует демо-шина (canquorvex --can demo). Или откройте папку, положите туда свой Projects.ini и перезапустите программу.</translation>
    </message>
    <message>
        <source>Open the folder, put your Projects.ini there and restart.</source>
        <translation>Откройте папку, положите туда свой Projects.ini и перезапустите программу.</translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini over %1 (the file as it is now is kept as Projects.ini.bak).</source>
        <translation>Копирует пример Projects.ini поверх %1 (текущий файл сохраняется как Projects.ini.bak).</translation>
    </message>
    <message>
        <source>Copies the sample Projects.ini to %1.</source>
        <translation>Копирует пример Projects.ini в %1.</translation>
    </message>
    <message>
        <source>Opens %1 in the file manager.</source>
        <translation>Открывает %1 в файловом менеджере.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>CANQuorvex help</source>
        <translation>Справка CANQuorvex</translation>
    </message>
    <message>
        <source>The README of CANQuorvex tells each function in full.</source>
        <translation>Подробно каждая функция описана в README CANQuorvex.</translation>
    </message>
    <message>
        <source>The &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; tells each function in full.</source>
        <translation>Подробно каждая функция описана в &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>main window: right-click its background</source>
        <translation>главное окно: правый щелчок по фону</translation>
    </message>
    <message>
        <source>device window: right-click its background</source>
        <translation>окно устройства: правый щелчок по фону</translation>
    </message>
    <message>
        <source>What CANQuorvex can do, and where</source>
        <translation>Что умеет CANQuorvex и где это найти</translation>
    </message>
    <message>
        <source>Most functions live in right-click menus on the windows&apos; background; Help and About are at the top of every one of them. Press F1 in any window for this help, Esc to close a dialog or tool window.</source>
        <translation>Большинство функций — в контекстных меню (правый щелчок по фону окна); «Справка» и «О программе» стоят в начале каждого из них. F1 в любом окне открывает эту справку, Esc закрывает диалог или вспомогательное окно.</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Choose the project</source>
        <translation>Выбрать проект</translation>
    </message>
    <message>
        <source>main window: the list at the top left</source>
        <translation>главное окно: список слева вверху</translation>
    </message>
    <message>
        <source>Switch the CAN adapter on and off</source>
        <translation>Включить и выключить адаптер CAN</translation>
    </message>
    <message>
        <source>main window: the switch above &quot;%1&quot;</source>
        <translation>главное окно: переключатель над «%1»</translation>
    </message>
    <message>
        <source>Choose the bit rate</source>
        <translation>Выбрать скорость шины</translation>
    </message>
    <message>
        <source>main window: &quot;%1&quot;, before switching on</source>
        <translation>главное окно: «%1», до включения</translation>
    </message>
    <message>
        <source>Open a device&apos;s window</source>
        <translation>Открыть окно устройства</translation>
    </message>
    <message>
        <source>main window: the &quot;%1&quot; button at the end of its row</source>
        <translation>главное окно: кнопка «%1» в конце строки устройства</translation>
    </message>
    <message>
        <source>Bus load, errors, bus state, the adapter in use</source>
        <translation>Загрузка шины, ошибки, состояние шины, используемый адаптер</translation>
    </message>
    <message>
        <source>main window: the &quot;Bus&quot; panel</source>
        <translation>главное окно: панель «Шина»</translation>
    </message>
    <message>
        <source>Record the bus into a trace file</source>
        <translation>Записать шину в файл трассы</translation>
    </message>
    <message>
        <source>main window: &quot;%1&quot; (right-click it for the folder)</source>
        <translation>главное окно: «%1» (папка — правым щелчком по кнопке)</translation>
    </message>
    <message>
        <source>Trace view (the frames as they come)</source>
        <translation>Просмотр трассы (кадры по мере приёма)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Play a trace file as the bus</source>
        <translation>Воспроизвести файл трассы вместо шины</translation>
    </message>
    <message>
        <source>Back to the adapter after a trace</source>
        <translation>Вернуться к адаптеру после трассы</translation>
    </message>
    <message>
        <source>main window&apos;s menu, or the player</source>
        <translation>меню главного окна или проигрыватель</translation>
    </message>
    <message>
        <source>Show or hide the UART panel</source>
        <translation>Показать или скрыть панель UART</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Device window</source>
        <translation>Окно устройства</translation>
    </message>
    <message>
        <source>Write registers (address, up to four words)</source>
        <translation>Записать регистры (адрес, до четырёх слов)</translation>
    </message>
    <message>
        <source>device window: the editor at the top left, &quot;%1&quot;</source>
        <translation>окно устройства: редактор слева вверху, «%1»</translation>
    </message>
    <message>
        <source>Repeat the write</source>
        <translation>Повторять запись</translation>
    </message>
    <message>
        <source>device window: &quot;%1&quot; with the period in 10 ms ticks</source>
        <translation>окно устройства: «%1» с периодом в тактах по 10 мс</translation>
    </message>
    <message>
        <source>Send a command</source>
        <translation>Отправить команду</translation>
    </message>
    <message>
        <source>device window: the &quot;%1&quot; buttons</source>
        <translation>окно устройства: кнопки «%1»</translation>
    </message>
    <message>
        <source>Rename a command</source>
        <translation>Переименовать команду</translation>
    </message>
    <message>
        <source>device window: right-click the command button; Enter keeps, Esc drops</source>
        <translation>окно устройства: правый щелчок по кнопке команды; Enter — сохранить, Esc — отменить</translation>
    </message>
    <message>
        <source>Parameters view (named registers, values)</source>
        <translation>Просмотр параметров (именованные регистры, значения)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Register map (a device profile)</source>
        <translation>Карта регистров (профиль устройства)</translation>
    </message>
    <message>
        <source>Save, compare and restore parameters</source>
        <translation>Сохранить, сравнить и восстановить параметры</translation>
    </message>
    <message>
        <source>Plot a trend of the selected registers</source>
        <translation>Построить тренд выбранных регистров</translation>
    </message>
    <message>
        <source>device window, or right-click a cell</source>
        <translation>окно устройства или правый щелчок по ячейке</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Read the analog block over the serial port</source>
        <translation>Прочитать аналоговый блок через последовательный порт</translation>
    </message>
    <message>
        <source>device window: right-click the analog block</source>
        <translation>окно устройства: правый щелчок по аналоговому блоку</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>device window: double-click the log at the bottom left</source>
        <translation>окно устройства: двойной щелчок по журналу слева внизу</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Везде</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Эта справка</translation>
    </message>
    <message>
        <source>every window, and the top of every right-click menu</source>
        <translation>любое окно и начало каждого контекстного меню</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Version, licence, folders and adapters</source>
        <translation>Версия, лицензия, папки и адаптеры</translation>
    </message>
    <message>
        <source>&quot;About CANQuorvex&quot; at the top of every right-click menu</source>
        <translation>«О программе CANQuorvex» в начале каждого контекстного меню</translation>
    </message>
    <message>
        <source>Close a dialog or tool window</source>
        <translation>Закрыть диалог или вспомогательное окно</translation>
    </message>
    <message>
        <source>the dialog or tool window</source>
        <translation>сам диалог или вспомогательное окно</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Script the tool (read, write, monitor)</source>
        <translation>Работа из сценариев (чтение, запись, мониторинг)</translation>
    </message>
    <message>
        <source>the program canquorvex-cli (canquorvex-cli --help)</source>
        <translation>программа canquorvex-cli (canquorvex-cli --help)</translation>
    </message>
    <message>
        <source>Language of the windows (Russian, English, or as specified)</source>
        <translation>Язык окон (русский, английский или как задано)</translation>
    </message>
    <message>
        <source>&quot;Language&quot; at the top of every right-click menu; taken at the next start</source>
        <translation>«Язык» в начале каждого контекстного меню; применяется при следующем запуске</translation>
    </message>
</context>
<context>
    <name>TModbusForm</name>
    <message>
        <source>Sends command %1: the word 0x%2 (bit %1) to register 127.</source>
        <translation>Отправляет команду %1: слово 0x%2 (бит %1) в регистр 127.</translation>
    </message>
    <message>
        <source>Sends the word 0x0000 to register 127.</source>
        <translation>Отправляет слово 0x0000 в регистр 127.</translation>
    </message>
    <message>
        <source>Right-click to rename it (Enter keeps, Esc drops).</source>
        <translation>Правый щелчок — переименовать (Enter — сохранить, Esc — отменить).</translation>
    </message>
    <message>
        <source>Command %1 &quot;%2&quot;: the word 0x%3 to register 127
Frame: %4</source>
        <translation>Команда %1 «%2»: слово 0x%3 в регистр 127
Кадр: %4</translation>
    </message>
    <message>
        <source>SET: register 0x%1 and on: %2 (%3)
Frame: %4</source>
        <translation>SET: начиная с регистра 0x%1: %2 (%3)
Кадр: %4</translation>
    </message>
    <message>
        <source>The window&apos;s log. Rest the mouse on a &quot;%1&quot; or &quot;%2&quot; line to see what was sent; double-click to clear the log.</source>
        <translation>Журнал окна. Наведите мышь на строку «%1» или «%2», чтобы увидеть, что было отправлено; двойной щелчок очищает журнал.</translation>
    </message>
    <message>
        <source>Up: SET sends on the device&apos;s transmission identifier (TX), as the device itself would.</source>
        <translation>Up: SET отправляет на идентификатор передачи устройства (TX), как само устройство.</translation>
    </message>
    <message>
        <source>Dn: SET sends on the device&apos;s reception identifier (RX), to the device.</source>
        <translation>Dn: SET отправляет на идентификатор приёма устройства (RX), в устройство.</translation>
    </message>
    <message>
        <source>%1: repeat SET every period (the field to the left, in 10 ms ticks) while checked.</source>
        <translation>%1: пока флажок установлен, повторять SET с периодом из поля слева (в тиках по 10 мс).</translation>
    </message>
    <message>
        <source>The period of %1, in 10 ms ticks (100 = about once a second).</source>
        <translation>Период режима «%1» в тиках по 10 мс (100 — примерно раз в секунду).</translation>
    </message>
    <message>
        <source>Write the words of the grid (as many as the data length) to the register at the address.</source>
        <translation>Записать слова из таблицы (столько, какова длина данных) в регистр по адресу.</translation>
    </message>
    <message>
        <source>How many words of the grid SET writes.</source>
        <translation>Сколько слов из таблицы записывает SET.</translation>
    </message>
    <message>
        <source>The register SET writes first (hexadecimal).</source>
        <translation>Первый регистр, в который пишет SET (шестнадцатеричный).</translation>
    </message>
    <message>
        <source>identifier %1, data %2</source>
        <translation>идентификатор %1, данные %2</translation>
    </message>
    <message>
        <source>Save parameters…</source>
        <translation>Сохранить параметры…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Сравнить с файлом…</translation>
    </message>
    <message>
        <source>Restore from file…</source>
        <translation>Восстановить из файла…</translation>
    </message>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Наборы параметров (*.json)</translation>
    </message>
    <message>
        <source>Save which registers of %1?</source>
        <translation>Какие регистры %1 сохранить?</translation>
    </message>
    <message>
        <source>The 1 selected register</source>
        <translation>Выбранный регистр (1)</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected registers</source>
        <translation>
            <numerusform>%n выбранный регистр</numerusform>
            <numerusform>%n выбранных регистра</numerusform>
            <numerusform>%n выбранных регистров</numerusform>
        </translation>
    </message>
    <message>
        <source>The 1 readable register</source>
        <translation>Доступный регистр (1)</translation>
    </message>
    <message numerus="yes">
        <source>All %n readable registers</source>
        <translation>
            <numerusform>Все %n доступный регистр</numerusform>
            <numerusform>Все %n доступных регистра</numerusform>
            <numerusform>Все %n доступных регистров</numerusform>
        </translation>
    </message>
    <message>
        <source>Rows are selected in the Parameters view. &quot;Readable&quot; are the registers the device has reported (of its register map&apos;s writable ones, when it has one).</source>
        <translation>В окне «Параметры» выделены строки. «Доступные» — регистры, которые сообщило устройство (из записываемых регистров его карты, если она есть).</translation>
    </message>
    <message>
        <source>The device has not reported any of these registers yet; nothing was saved.</source>
        <translation>Устройство ещё не сообщило ни одного из этих регистров; ничего не сохранено.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>The restore is refused; nothing was sent.

%1</source>
        <translation>Восстановление отклонено; ничего не отправлено.

%1</translation>
    </message>
    <message>
        <source>%1.

Restore it to this device all the same?</source>
        <translation>%1.

Всё равно восстановить в это устройство?</translation>
    </message>
    <message>
        <source>Nothing to write: the device already holds the file&apos;s values (%1 unchanged, %2 skipped as read-only).</source>
        <translation>Записывать нечего: в устройстве уже значения из файла (без изменений: %1, пропущено как только для чтения: %2).</translation>
    </message>
    <message>
        <source>Restoring parameters...</source>
        <translation>Восстановление параметров...</translation>
    </message>
    <message>
        <source>Restoring %1…</source>
        <translation>Восстановление: %1…</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message numerus="yes">
        <source>Restore: %1 of %n frames, %2 failed</source>
        <translation>
            <numerusform>Восстановление: %1 из %n кадра, с ошибкой: %2</numerusform>
            <numerusform>Восстановление: %1 из %n кадров, с ошибкой: %2</numerusform>
            <numerusform>Восстановление: %1 из %n кадров, с ошибкой: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Register map…</source>
        <translation>Карта регистров…</translation>
    </message>
    <message>
        <source>No register map</source>
        <translation>Без карты регистров</translation>
    </message>
    <message>
        <source>%1: the register map cannot be used, the window works without it.
%2</source>
        <translation>%1: карту регистров нельзя использовать, окно работает без неё.
%2</translation>
    </message>
    <message>
        <source>%1: the register map cannot be used.
%2</source>
        <translation>%1: карту регистров нельзя использовать.
%2</translation>
    </message>
    <message>
        <source>%1: the register map is not kept.
%2</source>
        <translation>%1: карта регистров не запомнена.
%2</translation>
    </message>
    <message>
        <source>Register map - %1</source>
        <translation>Карта регистров - %1</translation>
    </message>
    <message>
        <source>Register maps (*.json);;All files (*)</source>
        <translation>Карты регистров (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 · register %2, bit %3</source>
        <translation>%1 · регистр %2, бит %3</translation>
    </message>
    <message>
        <source>%1 · register %2</source>
        <translation>%1 · регистр %2</translation>
    </message>
    <message>
        <source>not in the register map</source>
        <translation>нет в карте регистров</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>бит %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>только чтение</translation>
    </message>
    <message>
        <source>read/write</source>
        <translation>чтение/запись</translation>
    </message>
    <message>
        <source>range %1</source>
        <translation>диапазон %1</translation>
    </message>
    <message>
        <source>Read analog block over the serial port</source>
        <translation>Прочитать аналоговый блок через последовательный порт</translation>
    </message>
    <message>
        <source>Plot the selected registers</source>
        <translation>Тренд выбранных регистров</translation>
    </message>
    <message>
        <source>Plot register %1</source>
        <translation>Тренд регистра %1</translation>
    </message>
    <message>
        <source>Plot register %1, bit %2</source>
        <translation>Тренд регистра %1, бит %2</translation>
    </message>
    <message numerus="yes">
        <source>Trend: %n registers plotted already</source>
        <translation>
            <numerusform>Тренд: уже строится %n регистр</numerusform>
            <numerusform>Тренд: уже строятся %n регистра</numerusform>
            <numerusform>Тренд: уже строятся %n регистров</numerusform>
        </translation>
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
    <name>TParametersForm</name>
    <message>
        <source>Filter: a name, or registers (24, 0x18, 89-126)</source>
        <translation>Фильтр: имя или регистры (24, 0x18, 89-126)</translation>
    </message>
    <message>
        <source>This device has no register map: choose one with &quot;Register map…&quot; in the device window&apos;s context menu, or make one with &quot;New register map…&quot;.</source>
        <translation>У этого устройства нет карты регистров: выберите её командой «Карта регистров…» в контекстном меню окна устройства или создайте кнопкой «Новая карта регистров…».</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>%1 (register %2) is read-only: nothing was sent.</source>
        <translation>%1 (регистр %2) только для чтения: ничего не отправлено.</translation>
    </message>
    <message>
        <source>The register map has changes that are not saved: save it first. Nothing was sent.</source>
        <translation>В карте регистров есть несохранённые изменения: сначала сохраните её. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Register %1 is not in the register map: nothing was sent.</source>
        <translation>Регистра %1 нет в карте регистров: ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was sent.</source>
        <translation>%1: %2; ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <translation>%1: не отправлено: %2</translation>
    </message>
    <message>
        <source>%1 = %2 written (raw %3).</source>
        <translation>%1 = %2 записано (сырое %3).</translation>
    </message>
    <message>
        <source>%1 (not taken)</source>
        <translation>%1 (не принято)</translation>
    </message>
    <message>
        <source>New register map…</source>
        <translation>Новая карта регистров…</translation>
    </message>
    <message>
        <source>Add register</source>
        <translation>Добавить регистр</translation>
    </message>
    <message>
        <source>Remove register</source>
        <translation>Удалить регистр</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>New register map</source>
        <translation>Новая карта регистров</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>CSV register maps (*.csv);;All files (*)</source>
        <translation>Карты регистров CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Register %1 changed: &quot;Save&quot; keeps the register map.</source>
        <translation>Регистр %1 изменён: «Сохранить» запишет карту регистров.</translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation>Регистр %1</translation>
    </message>
    <message numerus="yes">
        <source>A new register map with the %n registers the device has reported: name them, then &quot;Save&quot;.</source>
        <translation>
            <numerusform>Новая карта регистров: %n регистр, сообщённый устройством; задайте ему имя и нажмите «Сохранить».</numerusform>
            <numerusform>Новая карта регистров: %n регистра, сообщённых устройством; задайте им имена и нажмите «Сохранить».</numerusform>
            <numerusform>Новая карта регистров: %n регистров, сообщённых устройством; задайте им имена и нажмите «Сохранить».</numerusform>
        </translation>
    </message>
    <message>
        <source>The device has reported no register yet: add registers with &quot;Add register&quot;, then &quot;Save&quot;.</source>
        <translation>Устройство ещё не сообщило ни одного регистра: добавьте регистры кнопкой «Добавить регистр», затем нажмите «Сохранить».</translation>
    </message>
    <message>
        <source>Register %1 removed from the register map.</source>
        <translation>Регистр %1 удалён из карты регистров.</translation>
    </message>
    <message>
        <source>%1: nothing was saved.</source>
        <translation>%1: ничего не сохранено.</translation>
    </message>
    <message>
        <source>Save the register map</source>
        <translation>Сохранить карту регистров</translation>
    </message>
    <message>
        <source>Register maps (*.json)</source>
        <translation>Карты регистров (*.json)</translation>
    </message>
    <message>
        <source>The register map was not saved: %1</source>
        <translation>Карта регистров не сохранена: %1</translation>
    </message>
    <message>
        <source>Register map saved to %1.</source>
        <translation>Карта регистров сохранена в %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n registers exported to %1.</source>
        <translation>
            <numerusform>%n регистр экспортирован в %1.</numerusform>
            <numerusform>%n регистра экспортированы в %1.</numerusform>
            <numerusform>%n регистров экспортировано в %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TParametersModel</name>
    <message>
        <source>range %1</source>
        <translation>диапазон %1</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>только чтение</translation>
    </message>
    <message>
        <source>double-click to write a new value</source>
        <translation>двойной щелчок — записать новое значение</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ед. изм.</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Сырое</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Доступ</translation>
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
    <name>TProjectEditor</name>
    <message>
        <source>Edit projects - %1</source>
        <translation>Редактирование проектов - %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Проекты</translation>
    </message>
    <message>
        <source>3: extended identifiers (device number in bits 24-28); any other number: the standard layout</source>
        <translation>3: расширенные идентификаторы (номер устройства в битах 24-28); любое другое число: стандартная схема</translation>
    </message>
    <message>
        <source>The first reception identifier of the standard layout</source>
        <translation>Первый идентификатор приёма в стандартной схеме</translation>
    </message>
    <message>
        <source>Transmission identifier minus reception identifier in the standard layout</source>
        <translation>Идентификатор передачи минус идентификатор приёма в стандартной схеме</translation>
    </message>
    <message>
        <source>A further identifier shown in the header; 0x00000000 shows nothing</source>
        <translation>Дополнительный идентификатор в заголовке; при 0x00000000 не показывается</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Base identifier</source>
        <translation>Базовый идентификатор</translation>
    </message>
    <message>
        <source>Transmission offset</source>
        <translation>Смещение передачи</translation>
    </message>
    <message>
        <source>Further identifier</source>
        <translation>Доп. идентификатор</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Исп.</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Название устройства</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Надпись</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Command captions</source>
        <translation>Надписи команд</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>Correct the values marked red to save</source>
        <translation>Исправьте значения, отмеченные красным, чтобы сохранить</translation>
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
    <name>TRecToggle</name>
    <message>
        <source>REC</source>
        <translation>ЗАП</translation>
    </message>
</context>
<context>
    <name>TRegisterMapEditor</name>
    <message>
        <source>Engineering value = raw × scale + offset</source>
        <translation>Физическое значение = сырое × масштаб + смещение</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>bits: one &quot;bit=name&quot; or &quot;first-last=name&quot; a line (0=Ready, 8-15=Code);
enum: one &quot;value=name&quot; a line (0=Off)</source>
        <translation>bits: в каждой строке «бит=имя» или «первый-последний=имя» (0=Ready, 8-15=Code);
enum: в каждой строке «значение=имя» (0=Off)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ед. изм.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Знаков</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Доступ</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имена</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Register %1</source>
        <translation>Регистр %1</translation>
    </message>
    <message>
        <source>Select a register to edit its entry</source>
        <translation>Выберите регистр, чтобы изменить его запись</translation>
    </message>
    <message>
        <source>Register %1: %2</source>
        <translation>Регистр %1: %2</translation>
    </message>
</context>
<context>
    <name>TRestoreConfirmDialog</name>
    <message>
        <source>Restore %1</source>
        <translation>Восстановление: %1</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Live → file</source>
        <translation>Текущее → файл</translation>
    </message>
    <message>
        <source>write</source>
        <translation>записать</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>skipped: read-only</source>
        <translation>пропуск: только чтение</translation>
    </message>
    <message>
        <source>%1 will be written in %2 and then checked against the device&apos;s reports; %3 unchanged, %4 read-only.</source>
        <translation>Запись: %1 за %2, затем проверка по ответам устройства; без изменений: %3, только для чтения: %4.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
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
    <name>TRestoreResultDialog</name>
    <message>
        <source>confirmed</source>
        <translation>подтверждено</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>не совпадает</translation>
    </message>
    <message>
        <source>not-seen</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>skipped-ro</source>
        <translation>пропуск (только чтение)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>written</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>not-sent</source>
        <translation>не отправлено</translation>
    </message>
    <message>
        <source>Restore result</source>
        <translation>Результат восстановления</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Reported</source>
        <translation>Сообщено</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent (aborted); %3 failed.</source>
        <translation>Отправлено кадров записи: %1 из %2 (прервано); с ошибкой: %3.</translation>
    </message>
    <message>
        <source>%1 of %2 write frames sent; %3 failed.</source>
        <translation>Отправлено кадров записи: %1 из %2; с ошибкой: %3.</translation>
    </message>
    <message>
        <source>Restore the failed registers again</source>
        <translation>Повторить для регистров с ошибкой</translation>
    </message>
</context>
<context>
    <name>TTraceFileWindow</name>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation>все ID; напр. 110, 200-2FF, 100:7F0</translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Press Enter to filter the whole file.</source>
        <translation>Показываемые идентификаторы (шестнадцатеричные): список, диапазоны (200-2FF) или идентификатор:маска (100:7F0). Enter — отфильтровать весь файл.</translation>
    </message>
    <message>
        <source>text in Decoded</source>
        <translation>текст в расшифровке</translation>
    </message>
    <message>
        <source>Show only frames whose decoded words hold this text (any case). Press Enter to filter the whole file.</source>
        <translation>Показывать только кадры, в расшифровке которых есть этот текст (без учёта регистра букв). Enter — отфильтровать весь файл.</translation>
    </message>
    <message>
        <source>Go to a time: a time of day (on the day of the first frame), a date and time (2024-12-08T09:26:40) or seconds as the trace states them</source>
        <translation>Перейти ко времени: время суток (в день первого кадра), дата и время (2024-12-08T09:26:40) или секунды, как они записаны в трассе</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Draw the registers of the selected rows over the trace&apos;s time</source>
        <translation>Построить графики регистров из выбранных строк по времени трассы</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>Go to:</source>
        <translation>Перейти:</translation>
    </message>
    <message>
        <source>Open a trace</source>
        <translation>Открыть трассу</translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation>Трассы (*.log *.asc);;Журналы candump (*.log);;Журналы ASC (*.asc);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation>Трасса %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time: type 09:26:40.5, 2024-12-08T09:26:40 or seconds.</source>
        <translation>«%1» — не время: введите 09:26:40.5, 2024-12-08T09:26:40 или секунды.</translation>
    </message>
    <message>
        <source>No row at or after %1.</source>
        <translation>Нет строк в момент %1 или позже.</translation>
    </message>
    <message>
        <source>No row at or after %1 in the part indexed so far.</source>
        <translation>В проиндексированной пока части нет строк в момент %1 или позже.</translation>
    </message>
    <message>
        <source>Select rows with frames of a device to plot their registers.</source>
        <translation>Выберите строки с кадрами устройства, чтобы построить графики его регистров.</translation>
    </message>
    <message>
        <source>filtering %p%</source>
        <translation>фильтрация %p%</translation>
    </message>
    <message>
        <source>indexing %p%</source>
        <translation>индексация %p%</translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation>Фильтр не применён: %1.</translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines so far</source>
        <translation>Подходящих кадров пока: %1, строк: %2</translation>
    </message>
    <message>
        <source>%1 frames match of %2 lines</source>
        <translation>Подходящих кадров: %1, всего строк: %2</translation>
    </message>
    <message>
        <source>%1 lines so far</source>
        <translation>Строк пока: %1</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>Строк: %1</translation>
    </message>
</context>
<context>
    <name>TTracePlayerWindow</name>
    <message>
        <source>Play a trace</source>
        <translation>Воспроизвести трассу</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Максимально быстро</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation>Вернуться к адаптеру</translation>
    </message>
    <message>
        <source>Stop playing the trace: the adapter in use before it takes the bus again, and this window closes.</source>
        <translation>Остановить воспроизведение трассы: шину снова займёт адаптер, работавший до неё, а это окно закроется.</translation>
    </message>
    <message>
        <source>Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)</source>
        <translation>Трассы (*.log *.asc);;Журналы candump (*.log);;Журналы ASC (*.asc);;Все файлы (*)</translation>
    </message>
    <message>
        <source>No trace chosen.</source>
        <translation>Трасса не выбрана.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
</context>
<context>
    <name>TTracePlot</name>
    <message>
        <source>Reading %1…</source>
        <translation>Чтение %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Trend - %1 (row %2)</source>
        <translation>Тренд - %1 (строка %2)</translation>
    </message>
</context>
<context>
    <name>TTraceTools</name>
    <message>
        <source>Cannot record: the traces folder %1 cannot be created.</source>
        <translation>Запись невозможна: не удаётся создать папку трасс %1.</translation>
    </message>
    <message numerus="yes">
        <source>Recording into %1: %n frames. Click to stop.</source>
        <translation>
            <numerusform>Запись в %1: %n кадр. Щелчок — остановить.</numerusform>
            <numerusform>Запись в %1: %n кадра. Щелчок — остановить.</numerusform>
            <numerusform>Запись в %1: %n кадров. Щелчок — остановить.</numerusform>
        </translation>
    </message>
    <message>
        <source>Record the bus into a new file of %1 (right-click to choose the folder).</source>
        <translation>Записать шину в новый файл в %1 (правый щелчок — выбрать папку).</translation>
    </message>
    <message>
        <source>Traces folder: %1</source>
        <translation>Папка трасс: %1</translation>
    </message>
    <message>
        <source>Choose the traces folder…</source>
        <translation>Выбрать папку трасс…</translation>
    </message>
    <message>
        <source>Open the traces folder</source>
        <translation>Открыть папку трасс</translation>
    </message>
    <message>
        <source>Traces folder</source>
        <translation>Папка трасс</translation>
    </message>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation>В файл %1 сейчас идёт запись: при воспроизведении он записывал бы собственные кадры снова и снова. Остановите запись (REC) или выберите другой файл.</translation>
    </message>
    <message>
        <source>The selected rows hold no register of a device of project &quot;%1&quot;.</source>
        <translation>В выбранных строках нет регистров устройств проекта «%1».</translation>
    </message>
    <message>
        <source>Back to the adapter</source>
        <translation>Вернуться к адаптеру</translation>
    </message>
    <message>
        <source>Trace view</source>
        <translation>Просмотр трассы</translation>
    </message>
    <message>
        <source>Play a trace…</source>
        <translation>Воспроизвести трассу…</translation>
    </message>
    <message>
        <source>Open a trace…</source>
        <translation>Открыть трассу…</translation>
    </message>
</context>
<context>
    <name>TTraceView</name>
    <message>
        <source>CANQuorvex trace</source>
        <translation>Трасса CANQuorvex</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop taking frames into the view (Space)</source>
        <translation>Не принимать кадры в просмотр (Пробел)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Empty the view (Ctrl+L)</source>
        <translation>Очистить просмотр (Ctrl+L)</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>all identifiers; e.g. 110, 200-2FF, 100:7F0</source>
        <translation>все ID; напр. 110, 200-2FF, 100:7F0</translation>
    </message>
    <message>
        <source>Identifiers to show (hexadecimal): a list, ranges (200-2FF) or identifier:mask (100:7F0). Empty shows every frame. (Ctrl+F)</source>
        <translation>Показываемые идентификаторы (шестнадцатеричные): список, диапазоны (200-2FF) или идентификатор:маска (100:7F0). Пусто — все кадры. (Ctrl+F)</translation>
    </message>
    <message>
        <source>Follow newest</source>
        <translation>Следить за новыми</translation>
    </message>
    <message>
        <source>Keep the newest frame in sight (End)</source>
        <translation>Держать последний кадр на виду (End)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>%1 frames shown, %2 kept (the last %3 at most)</source>
        <translation>Показано кадров: %1, хранится: %2 (не более %3 последних)</translation>
    </message>
    <message>
        <source>Filter not applied: %1.</source>
        <translation>Фильтр не применён: %1.</translation>
    </message>
    <message>
        <source>%1; paused, %2 frames passed meanwhile</source>
        <translation>%1; пауза, пропущено кадров: %2</translation>
    </message>
</context>
<context>
    <name>TTrendForm</name>
    <message>
        <source>10 s</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 с</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 мин</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 мин</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 ч</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последние</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Freeze the view; recording goes on</source>
        <translation>Остановить изображение; запись продолжается</translation>
    </message>
    <message>
        <source>Y auto</source>
        <translation>Y авто</translation>
    </message>
    <message>
        <source>from</source>
        <translation>от</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Сырые</translation>
    </message>
    <message>
        <source>Raw register values instead of the register map&apos;s engineering values</source>
        <translation>Сырые значения регистров вместо физических значений из карты регистров</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Сохранить в CSV</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Сохранить в PNG</translation>
    </message>
    <message>
        <source>value</source>
        <translation>значение</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>бит</translation>
    </message>
    <message>
        <source>Click into the plot to read the values at a time.</source>
        <translation>Щёлкните по графику, чтобы прочитать значения в этот момент.</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Онлайн</translation>
    </message>
    <message>
        <source>Follow the clock again</source>
        <translation>Снова следовать за временем</translation>
    </message>
    <message>
        <source>trace time (the recorded time of day)</source>
        <translation>время трассы (записанное время суток)</translation>
    </message>
    <message>
        <source>time since the trend window opened (h:mm:ss)</source>
        <translation>время с открытия окна тренда (ч:мм:сс)</translation>
    </message>
    <message>
        <source>Trend - %1</source>
        <translation>Тренд - %1</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Тренд</translation>
    </message>
    <message>
        <source>%1 (trace time)</source>
        <translation>%1 (время трассы)</translation>
    </message>
    <message>
        <source>The trends&apos; memory (%1 MB for all device windows) is full; the oldest values make room for new ones. This trend goes back %2:%3:%4.</source>
        <translation>Память трендов (%1 МБ на все окна устройств) заполнена; самые старые значения уступают место новым. Этот тренд охватывает последние %2:%3:%4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 s&lt;/b&gt; (%2):</source>
        <translation>&lt;b&gt;%1 с&lt;/b&gt; (%2):</translation>
    </message>
    <message>
        <source>Remove from the trend</source>
        <translation>Убрать из тренда</translation>
    </message>
    <message>
        <source>Plot the value</source>
        <translation>Построить значение</translation>
    </message>
    <message>
        <source>Plot one bit</source>
        <translation>Построить один бит</translation>
    </message>
    <message>
        <source>Bit %1</source>
        <translation>Бит %1</translation>
    </message>
    <message>
        <source>Remove the cursor</source>
        <translation>Убрать курсор</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
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
<context>
    <name>TUartPanel</name>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
<context>
    <name>TraceCanBusDevice</name>
    <message>
        <source>%1 is the file being recorded into: playing it would record its own frames again and again. Stop the recording (REC) or choose another file.</source>
        <translation>В файл %1 сейчас идёт запись: при воспроизведении он снова и снова записывал бы свои же кадры. Остановите запись (REC) или выберите другой файл.</translation>
    </message>
    <message>
        <source>The trace is not playing.</source>
        <translation>Трасса не воспроизводится.</translation>
    </message>
    <message>
        <source>Invalid frame.</source>
        <translation>Неверный кадр.</translation>
    </message>
</context>
<context>
    <name>TraceFileModel</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>unreadable line: %1</source>
        <translation>нечитаемая строка: %1</translation>
    </message>
    <message>
        <source>CAN FD (not decoded): %1</source>
        <translation>CAN FD (не расшифровано): %1</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>remote request</source>
        <translation>удалённый запрос</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Напр.</translation>
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
        <translation>Данные</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Расшифровка</translation>
    </message>
</context>
<context>
    <name>TraceFileReader</name>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: файл не найден.</translation>
    </message>
    <message>
        <source>%1 is %2, not a trace file.</source>
        <translation>%1 — это %2, а не файл трассы.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text trace (it holds binary data).</source>
        <translation>%1 — не текстовая трасса (в нём двоичные данные).</translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation>Не удаётся читать %1 дальше: %2.</translation>
    </message>
</context>
<context>
    <name>TraceFrameModel</name>
    <message>
        <source>remote request</source>
        <translation>удалённый запрос</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Напр.</translation>
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
        <translation>Данные</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Расшифровка</translation>
    </message>
</context>
<context>
    <name>TraceIdFilter</name>
    <message>
        <source>&quot;%1&quot; is not an identifier, a range (100-1FF) or an identifier with a mask (100:7F0)</source>
        <translation>&quot;%1&quot; — не идентификатор, не диапазон (100-1FF) и не идентификатор с маской (100:7F0)</translation>
    </message>
</context>
<context>
    <name>TraceLineIndex</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>%1 cannot be read on: %2.</source>
        <translation>Не удаётся читать %1 дальше: %2.</translation>
    </message>
</context>
<context>
    <name>TraceRecorder</name>
    <message>
        <source>The lines recorded into it went with it.</source>
        <translation>Записанные в него строки удалены вместе с ним.</translation>
    </message>
    <message>
        <source>the file or its folder was deleted</source>
        <translation>файл или его папка удалены</translation>
    </message>
    <message>
        <source>The lines recorded so far stay in the file that was moved.</source>
        <translation>Уже записанные строки остались в перемещённом файле.</translation>
    </message>
    <message>
        <source>the file or its folder was moved or renamed</source>
        <translation>файл или его папка перемещены или переименованы</translation>
    </message>
    <message>
        <source>The last lines may be missing from the file.</source>
        <translation>Последних строк в файле может не хватать.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is %2, not a regular file.</source>
        <translation>Запись в %1 невозможна: это %2, а не обычный файл.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is the trace being played, which would play its own recording again and again. Choose another file.</source>
        <translation>Запись в %1 невозможна: эта трасса сейчас воспроизводится и снова и снова воспроизводила бы собственную запись. Выберите другой файл.</translation>
    </message>
    <message>
        <source>Cannot record into %1: %2.</source>
        <translation>Запись в %1 невозможна: %2.</translation>
    </message>
    <message>
        <source>Cannot record into %1: it is not a regular file.</source>
        <translation>Запись в %1 невозможна: это не обычный файл.</translation>
    </message>
    <message>
        <source>the disk did not keep up (%1 MB waiting to be written)</source>
        <translation>диск не успевает (ждут записи %1 МБ)</translation>
    </message>
    <message>
        <source>Recording into %1 stopped: %2. %3</source>
        <translation>Запись в %1 остановлена: %2. %3</translation>
    </message>
    <message>
        <source>The lines written before are kept.</source>
        <translation>Записанные ранее строки сохранены.</translation>
    </message>
    <message>
        <source>the disk did not take the last lines within %1 s</source>
        <translation>диск не принял последние строки за %1 с</translation>
    </message>
    <message>
        <source>They may be missing from the file.</source>
        <translation>В файле их может не быть.</translation>
    </message>
</context>
<context>
    <name>TraceReplayControl</name>
    <message numerus="yes">
        <source>trace finished: %1 frames</source>
        <translation>
            <numerusform>трасса закончилась: %1 кадр</numerusform>
            <numerusform>трасса закончилась: %1 кадра</numerusform>
            <numerusform>трасса закончилась: %1 кадров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 frames played (%2 %), paused</source>
        <translation>
            <numerusform>воспроизведён %1 кадр (%2 %), пауза</numerusform>
            <numerusform>воспроизведено %1 кадра (%2 %), пауза</numerusform>
            <numerusform>воспроизведено %1 кадров (%2 %), пауза</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 frames played (%2 %)</source>
        <translation>
            <numerusform>воспроизведён %1 кадр (%2 %)</numerusform>
            <numerusform>воспроизведено %1 кадра (%2 %)</numerusform>
            <numerusform>воспроизведено %1 кадров (%2 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the CAN switch on to play the trace.</source>
        <translation>Включите переключатель CAN, чтобы воспроизвести трассу.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines could not be read and were skipped.</source>
        <translation>
            <numerusform>%1 строка не прочитана и пропущена.</numerusform>
            <numerusform>%1 строки не прочитаны и пропущены.</numerusform>
            <numerusform>%1 строк не прочитано и пропущено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 CAN FD frames were skipped (not played).</source>
        <translation>
            <numerusform>%1 кадр CAN FD пропущен (не воспроизводится).</numerusform>
            <numerusform>%1 кадра CAN FD пропущены (не воспроизводятся).</numerusform>
            <numerusform>%1 кадров CAN FD пропущено (не воспроизводятся).</numerusform>
        </translation>
    </message>
</context>
</TS>
