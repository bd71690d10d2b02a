<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
    <name>BusState</name>
    <message>
        <source>error active</source>
        <translation>активный по ошибкам</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>error passive</source>
        <translation>пассивный по ошибкам</translation>
    </message>
    <message>
        <source>bus off</source>
        <translation>отключён от шины</translation>
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
