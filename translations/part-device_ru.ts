<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>FixedCaption</name>
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
</TS>
