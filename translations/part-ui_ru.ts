<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
    <name>ErrorReport</name>
    <message>
        <source>Stay open</source>
        <translation>Не закрывать</translation>
    </message>
</context>
<context>
    <name>FixedCaption</name>
    <message>
        <source>CAN on</source>
        <translation>CAN вкл.</translation>
    </message>
    <message>
        <source>Can Speed</source>
        <translation>Скорость CAN</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
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
        <translation>Как задано</translation>
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
    <name>TRecToggle</name>
    <message>
        <source>REC</source>
        <translation>ЗАП</translation>
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
</TS>
