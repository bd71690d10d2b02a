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
        <source>CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port 29536 unless given, e.g. socketcand:127.0.0.1/can0), or 'demo' for the built-in demo bus. Without it: every interface of the installed hardware plugins and every attached serial-line adapter the tool recognises.</source>
        <translation>Адаптер CAN в виде МОДУЛЬ:ИНТЕРФЕЙС (можно несколько, по порядку; например socketcan:can0, peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 или slcan:COM5 для адаптера на последовательном порту, с @СКОРОСТЬ после него для адаптера на настоящем UART; trace:ПУТЬ воспроизводит файл трассы (журнал candump или ASC) как шину; socketcand:ХОСТ[:ПОРТ]/ШИНА — шина на сервере socketcand, порт 29536, если не указан, например socketcand:127.0.0.1/can0) или 'demo' для встроенной демо-шины. Без параметра: все интерфейсы установленных модулей оборудования и все подключённые адаптеры на последовательном порту, которые программа распознаёт.</translation>
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
        <source>At exit, write the monitor's figures (frames received, longest gap between ticks, peak bus load, error frames, frames dropped) to this file.</source>
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
        <source>Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. Default: the program's folder; when the program runs installed, $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces).</source>
        <translation>Хранить Projects.ini, Quorvex.ini, profiles/ и traces/ новых записей в папке ПАПКА. По умолчанию — папка программы; для установленной программы — $XDG_CONFIG_HOME/canquorvex (иначе ~/.config/canquorvex), трассы — в $XDG_DATA_HOME/canquorvex/traces (иначе ~/.local/share/canquorvex/traces).</translation>
    </message>
    <message>
        <source>Show this trace file (candump log or ASC) in a trace view window at start, without playing it.</source>
        <translation>При запуске показать этот файл трассы (журнал candump или ASC) в окне просмотра трассы, не воспроизводя его.</translation>
    </message>
    <message>
        <source>Language of the windows and messages for this run: ru (Russian) or en (English). Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else the windows' captions as written and the other texts in the system's language.</source>
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
        <source>Bus load over the last second, in percent of the bit rate (%1): every frame received and sent, counted at its longest possible length on the wire with stuff bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, an extended one 80 plus 10 per byte); at most 100 %, "%2" when the adapter lost frames.</source>
        <translation>Загрузка шины за последнюю секунду в процентах от скорости (%1): каждый принятый и переданный кадр считается по наибольшей возможной длине в линии со вставленными битами и паузой между кадрами (стандартный кадр — 55 бит плюс 10 на байт данных, расширенный — 80 плюс 10 на байт); не более 100 %, «%2», если адаптер потерял кадры.</translation>
    </message>
    <message>
        <source>The adapter's state on the bus, as its plugin reports it or, where it cannot, as its error frames tell it:
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
    <name>FixedCaption</name>
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
    <name>ProgramStart</name>
    <message>
        <source>canquorvex: the settings folder: %1</source>
        <translation>canquorvex: папка настроек: %1</translation>
    </message>
</context>
<context>
    <name>TCANQuorvex</name>
    <message>
        <source>CAN switch: click (or Space) to open the adapter at the speed chosen under "%1", and again to close it. The "%2" panel shows which adapter.</source>
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
        <source>The project's base identifier: the reception identifier of its first device (BaseAdr); each device sends on its own identifier plus PlusAdr.</source>
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
        <source>The device's serial (RS) address.</source>
        <translation>Адрес устройства на последовательной линии (RS).</translation>
    </message>
    <message>
        <source>The device's name.</source>
        <translation>Название устройства.</translation>
    </message>
    <message>
        <source>"%1" opens the device's window.</source>
        <translation>«%1» открывает окно устройства.</translation>
    </message>
    <message>
        <source>Open the device's window: its registers, writes and commands.</source>
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
        <source>%1: the value %2 of "ProjectNum" in section [Projects] is not a valid project number (0 to %3). No project is selected; choose one from the list.</source>
        <translation>%1: значение %2 ключа «ProjectNum» в разделе [Projects] — недопустимый номер проекта (от 0 до %3). Проект не выбран; выберите его из списка.</translation>
    </message>
    <message>
        <source>While changing to project "%1":</source>
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
        <translation><numerusform>Запись в %1: %n кадр. Щелчок — остановить.</numerusform><numerusform>Запись в %1: %n кадра. Щелчок — остановить.</numerusform><numerusform>Запись в %1: %n кадров. Щелчок — остановить.</numerusform></translation>
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
        <source>The selected rows hold no register of a device of project "%1".</source>
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
    <name>TUartPanel</name>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
</TS>
