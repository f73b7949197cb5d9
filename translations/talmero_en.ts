<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AsBuilt</name>
    <message>
        <source>Неверный адрес строки AS-BUILT</source>
        <translation>Unknown AS-BUILT line address</translation>
    </message>
    <message>
        <source>Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр</source>
        <translation>Invalid character “%1”: use hexadecimal digits only (0-9, A-F)</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма %1, ожидается %2</source>
        <translation>Checksum %1 is wrong; it should be %2</translation>
    </message>
    <message>
        <source>Это строка для адреса %1, а здесь нужна строка %2</source>
        <translation>This line is for address %1; the line needed here is %2</translation>
    </message>
    <message>
        <source>Строки AS-BUILT с адресом %1 нет ни у одного модуля</source>
        <translation>No module has the AS-BUILT line %1</translation>
    </message>
    <message numerus="yes">
        <source>Неверная длина строки: %n цифр, нужно %1 (данные и контрольная сумма)</source>
        <translation>
            <numerusform>Wrong line length: %n digit; %1 are needed (data plus checksum)</numerusform>
            <numerusform>Wrong line length: %n digits; %1 are needed (data plus checksum)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Нет контрольной суммы: после %n цифр данных нужны ещё 2</source>
        <translation>
            <numerusform>The checksum is missing: 2 more digits are needed after the %n data digit</numerusform>
            <numerusform>The checksum is missing: 2 more digits are needed after the %n data digits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AsBuiltConversion</name>
    <message>
        <source>Заполните строку с указанным адресом и нажмите OK</source>
        <translation>Enter the line for the address shown and press OK</translation>
    </message>
    <message>
        <source>* Прочитан AS-BUILT модуля </source>
        <translation>* AS-BUILT read for module </translation>
    </message>
    <message>
        <source>Скопируйте строку конфигурации для записи через IDS</source>
        <translation>Copy the configuration line to write it with IDS</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Error</translation>
    </message>
    <message>
        <source>* Сгенерирован AS-BUILT модуля </source>
        <translation>* AS-BUILT generated for module </translation>
    </message>
    <message>
        <source>! Неверная строка AS-BUILT</source>
        <translation>! Invalid AS-BUILT line</translation>
    </message>
</context>
<context>
    <name>BackupFirst</name>
    <message>
        <source>файл не записан</source>
        <translation>no file was written</translation>
    </message>
</context>
<context>
    <name>BackupOpening</name>
    <message>
        <source>Konfiguracja auta (VehicleData*.xml)</source>
        <translation>Vehicle configuration (VehicleData*.xml)</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: %3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Это не файл резервной копии (папка, канал или устройство):
</source>
        <translation>This is not a backup file (it is a folder, pipe or device):
</translation>
    </message>
    <message>
        <source>Файл слишком велик для резервной копии (больше 10 МБ):
</source>
        <translation>The file is too large for a backup (over 10 MB):
</translation>
    </message>
    <message>
        <source>Не удалось открыть файл:
</source>
        <translation>Could not open the file:
</translation>
    </message>
    <message>
        <source>Файл изменился во время чтения:
</source>
        <translation>The file changed while it was being read:
</translation>
    </message>
    <message>
        <source>Файл не является XML-документом:
</source>
        <translation>The file is not an XML document:
</translation>
    </message>
    <message>
        <source>! Неверная структура файла:
</source>
        <translation>! The file&apos;s structure is not valid:
</translation>
    </message>
    <message>
        <source>Неверная структура файла:
</source>
        <translation>The file&apos;s structure is not valid:
</translation>
    </message>
    <message>
        <source>! Нет данных о модуле</source>
        <translation>! The file holds no data for this module</translation>
    </message>
    <message>
        <source>! Нет данных о конфигурации</source>
        <translation>! No configuration data</translation>
    </message>
    <message>
        <source>* Просмотр файла </source>
        <translation>* Viewing file </translation>
    </message>
    <message>
        <source>* Открыта конфигурация модуля </source>
        <translation>* Opened the configuration of module </translation>
    </message>
    <message>
        <source>! Блок модуля из файла не распознан: </source>
        <translation>! The module block from the file was not recognised: </translation>
    </message>
    <message>
        <source>), блок </source>
        <translation>), block </translation>
    </message>
</context>
<context>
    <name>BlockRead</name>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Unexpected answer from the module</translation>
    </message>
    <message>
        <source>! Адаптер сообщил %1 при чтении %2</source>
        <translation>! The adapter reported %1 while reading %2</translation>
    </message>
    <message>
        <source>! Ответ адаптера оборван (байт: %1 из %2) при чтении %3</source>
        <translation>! The adapter&apos;s answer was cut short (bytes: %1 of %2) while reading %3</translation>
    </message>
    <message>
        <source>! Ответ адаптера искажён (%1) при чтении %2</source>
        <translation>! The adapter&apos;s answer was garbled (%1) while reading %2</translation>
    </message>
    <message>
        <source>! Адаптер не ответил при чтении %1</source>
        <translation>! The adapter did not answer while reading %1</translation>
    </message>
    <message>
        <source>блока %1</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>блока %1 модуля %2</source>
        <translation>%2 block %1</translation>
    </message>
</context>
<context>
    <name>BluetoothDeviceTexts</name>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>%1 (Bluetooth LE %2)</source>
        <translation>%1 (Bluetooth LE %2)</translation>
    </message>
    <message>
        <source>%1 (Bluetooth %2)</source>
        <translation>%1 (Bluetooth %2)</translation>
    </message>
</context>
<context>
    <name>BluetoothTexts</name>
    <message>
        <source>На этом компьютере нет Bluetooth, или не запущена служба bluetooth. Подключите адаптер Bluetooth к компьютеру или запустите службу (sudo systemctl start bluetooth).</source>
        <translation>This computer has no Bluetooth, or the bluetooth service is not running. Plug a Bluetooth adapter into the computer or start the service (sudo systemctl start bluetooth).</translation>
    </message>
    <message>
        <source>Bluetooth компьютера выключен. Включите его в настройках системы (или командой bluetoothctl power on) и подключитесь снова.</source>
        <translation>The computer&apos;s Bluetooth is switched off. Switch it on in the system settings (or with bluetoothctl power on) and connect again.</translation>
    </message>
    <message>
        <source>Адаптер %1 не сопряжён с компьютером. Сопрягите его один раз: вставьте адаптер в разъём автомобиля, включите зажигание, запустите bluetoothctl и введите scan on, pair АДРЕС (PIN обычно 1234 или 0000) и trust АДРЕС.</source>
        <translation>The adapter %1 is not paired with the computer. Pair it once: plug the adapter into the car, switch the ignition on, start bluetoothctl and type scan on, pair ADDRESS (the PIN is usually 1234 or 0000) and trust ADDRESS.</translation>
    </message>
    <message>
        <source>Компьютер не знает устройства %1. Вставьте адаптер в разъём автомобиля, включите зажигание и найдите его: «Search for Bluetooth adapters…» в списке портов (или talmero-cli adapters search).</source>
        <translation>The computer does not know the device %1. Plug the adapter into the car, switch the ignition on and find it: &quot;Search for Bluetooth adapters…&quot; in the port list (or talmero-cli adapters search).</translation>
    </message>
    <message>
        <source>Адаптер %1 не принял соединение. Проверьте, что он вставлен в разъём автомобиля и получает питание (включите зажигание), что он рядом с компьютером и что к нему не подключён телефон или другая программа.</source>
        <translation>The adapter %1 did not accept the connection. Check that it is plugged into the car and powered (switch the ignition on), that it is near the computer, and that no phone or other program is connected to it.</translation>
    </message>
    <message>
        <source>Адаптер %1 не ответил за %2 с. Вероятно, он вне досягаемости или без питания: поднесите компьютер ближе, включите зажигание и подключитесь снова.</source>
        <translation>The adapter %1 did not answer within %2 s. It is probably out of range or without power: bring the computer closer, switch the ignition on and connect again.</translation>
    </message>
    <message>
        <source>У устройства %1 нет последовательного порта (SPP). Если это адаптер Bluetooth LE, подключитесь к нему как ble://%2.</source>
        <translation>The device %1 has no serial port (SPP). If it is a Bluetooth LE adapter, connect to it as ble://%2.</translation>
    </message>
    <message>
        <source>У устройства %1 нет службы последовательного обмена (FFF0, FFE0, E7810A71 или службы с одной характеристикой уведомлений и одной для записи); его службы: %2. Если это адаптер Bluetooth Classic, подключитесь к нему как bt://%3.</source>
        <translation>The device %1 has no serial service (FFF0, FFE0, E7810A71, or a service with one notifying and one writable characteristic); its services: %2. If it is a Bluetooth Classic adapter, connect to it as bt://%3.</translation>
    </message>
    <message>
        <source>Не удалось подключиться к адаптеру %1: %2</source>
        <translation>Could not connect to the adapter %1: %2</translation>
    </message>
</context>
<context>
    <name>BusSwitchTexts</name>
    <message>
        <source>Порт %1 не позволяет управлять линией %2, и реле адаптера не переключить. Выберите в настройках другой способ переключения шин.</source>
        <translation>Port %1 does not let the program set its %2 line, so the adapter&apos;s relay cannot be switched. Choose another way of bus switching in the settings.</translation>
    </message>
    <message>
        <source>переключатель на адаптере (по запросу)</source>
        <translation>the switch on the adapter (with a prompt)</translation>
    </message>
    <message>
        <source>встроенные команды адаптера (STN)</source>
        <translation>the adapter&apos;s own commands (STN)</translation>
    </message>
    <message>
        <source>реле на %1 (обратное)</source>
        <translation>relay on %1 (inverted)</translation>
    </message>
    <message>
        <source>реле на %1</source>
        <translation>relay on %1</translation>
    </message>
    <message>
        <source>средней шине (MSCAN)</source>
        <translation>medium-speed bus (MSCAN)</translation>
    </message>
    <message>
        <source>высокой шине (HSCAN)</source>
        <translation>high-speed bus (HSCAN)</translation>
    </message>
    <message>
        <source>* Адаптер: %1; переключение шин: %2</source>
        <translation>* Adapter: %1; bus switching: %2</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил на порту %1.
Проверьте, что выбран порт адаптера, что скорость %2 совпадает со скоростью адаптера (часто 38400, у USB-адаптеров нередко 115200), и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>No ELM327 adapter answered on port %1.
Check that this is the adapter&apos;s port, that the rate %2 is the adapter&apos;s rate (often 38400; USB adapters often use 115200), and that the adapter is plugged into the car and powered (switch the ignition on).</translation>
    </message>
    <message>
        <source>У адаптера Wi-Fi (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</source>
        <translation>The Wi-Fi adapter (%1) has no %2 line: a bus-switching relay works only through a serial port. Choose another way of bus switching in the settings.</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил по адресу %1.
Соединение установлено, но ответа адаптера нет. Проверьте, что это адрес адаптера Wi-Fi, а не другого устройства, и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>The ELM327 adapter did not answer at %1.
The connection was made, but no adapter answered on it. Check that this is the Wi-Fi adapter&apos;s address and not another device&apos;s, and that the adapter is plugged into the car and powered (switch the ignition on).</translation>
    </message>
    <message>
        <source>Адаптер по адресу %1 закрыл соединение, не ответив. Возможно, к нему уже подключена другая программа: адаптер Wi-Fi обслуживает одну программу за раз.</source>
        <translation>The adapter at %1 closed the connection without answering. Another program may be connected to it: a Wi-Fi adapter serves one program at a time.</translation>
    </message>
    <message>
        <source>У адаптера Bluetooth (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</source>
        <translation>The Bluetooth adapter (%1) has no %2 line: a bus-switching relay works only through a serial port. Choose another way of bus switching in the settings.</translation>
    </message>
    <message>
        <source>Связь с адаптером %1 потеряна при подключении, адаптер не ответил. Возможно, к нему подключён телефон или другая программа: адаптер Bluetooth обслуживает одну за раз.</source>
        <translation>The connection to the adapter %1 was lost while connecting, and the adapter did not answer. A phone or another program may be connected to it: a Bluetooth adapter serves one at a time.</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил через Bluetooth (%1).
Соединение установлено, но ответа адаптера нет. Проверьте, что это адаптер ELM327, а не другое устройство, и что он вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>The ELM327 adapter did not answer over Bluetooth (%1).
The connection is made, but the adapter does not answer. Check that this is an ELM327 adapter and not another device, and that it is plugged into the car and powered (switch the ignition on).</translation>
    </message>
</context>
<context>
    <name>CarRestore</name>
    <message>
        <source>модуль не открылся</source>
        <translation>the module did not open</translation>
    </message>
    <message>
        <source>запись не отправлена (блок изменился после чтения, не прочитан, или проверка не пройдена)</source>
        <translation>not sent (the block changed since it was read, could not be read, or a check failed)</translation>
    </message>
    <message>
        <source>модуль отказал в записи</source>
        <translation>the module refused the write</translation>
    </message>
    <message>
        <source>после записи модуль содержит другие данные</source>
        <translation>after the write the module holds other content</translation>
    </message>
    <message>
        <source>папка не создана</source>
        <translation>the folder was not created</translation>
    </message>
    <message>
        <source>! Конфигурация автомобиля не сохранена (%1): восстановление не начато</source>
        <translation>! The car&apos;s configuration was not saved (%1): the restore was not started</translation>
    </message>
    <message>
        <source>* Конфигурация автомобиля до восстановления сохранена: </source>
        <translation>* The car&apos;s configuration before the restore is saved: </translation>
    </message>
    <message>
        <source>* Записывать нечего: блоки конфигурации автомобиля совпадают с файлом</source>
        <translation>* Nothing to write: the car&apos;s configuration blocks equal the file&apos;s</translation>
    </message>
    <message>
        <source>Восстановление из резервной копии</source>
        <translation>Restore from a backup</translation>
    </message>
    <message>
        <source>Восстановление автомобиля из резервной копии</source>
        <translation>Restoring the car from a backup</translation>
    </message>
    <message>
        <source>* Восстановление отменено: ничего не записано</source>
        <translation>* Restore cancelled: nothing was written</translation>
    </message>
    <message>
        <source>! Восстановление не начато: ничего не записано</source>
        <translation>! The restore did not start: nothing was written</translation>
    </message>
    <message>
        <source>блок %1: %2</source>
        <translation>block %1: %2</translation>
    </message>
    <message>
        <source>нет ответа; прочитан после записи: модуль содержит прежние данные</source>
        <translation>no answer; read back after the write: the module holds its old content</translation>
    </message>
    <message>
        <source>не прочитан после записи: что содержит модуль, неизвестно</source>
        <translation>not read back after the write: what the module holds is unknown</translation>
    </message>
    <message>
        <source>копия не читается так, как записана</source>
        <translation>the copy does not read back as it was written</translation>
    </message>
    <message>
        <source>! Не прочитаны из автомобиля: %1. Восстановление не начато, ничего не записано</source>
        <translation>! Not read from the car: %1. The restore was not started, nothing was written</translation>
    </message>
    <message>
        <source>не прочитан из автомобиля</source>
        <translation>not read from the car</translation>
    </message>
    <message>
        <source>Восстановлены и проверены: %1</source>
        <translation>Restored and checked: %1</translation>
    </message>
    <message>
        <source>Не восстановлен: %1</source>
        <translation>Not restored: %1</translation>
    </message>
    <message>
        <source>Не записывались: %1</source>
        <translation>Not written: %1</translation>
    </message>
    <message>
        <source>Итог записи не внесён в журнал: %1</source>
        <translation>The outcome of the write is not in the journal: %1</translation>
    </message>
    <message>
        <source>Итог восстановления</source>
        <translation>Restore summary</translation>
    </message>
    <message>
        <source>Конфигурация автомобиля до восстановления: %1</source>
        <translation>The car&apos;s configuration before the restore: %1</translation>
    </message>
    <message>
        <source>Автомобиль уже содержит блоки конфигурации из файла</source>
        <translation>The car already holds the file&apos;s configuration blocks</translation>
    </message>
    <message>
        <source>Не записан: %1</source>
        <translation>Not written: %1</translation>
    </message>
    <message>
        <source>! Ничего не записано: не записываются %1</source>
        <translation>! Nothing was written: left out are %1</translation>
    </message>
</context>
<context>
    <name>CarVinFinder</name>
    <message>
        <source>Модули автомобиля расходятся в VIN (%1): VIN автомобиля неизвестен</source>
        <translation>The car&apos;s modules disagree on the VIN (%1): the car&apos;s VIN is unknown</translation>
    </message>
    <message>
        <source>Только один модуль дал VIN (%1), панель приборов - нет: VIN автомобиля неизвестен</source>
        <translation>Only one module gave a VIN (%1), the instrument cluster none: the car&apos;s VIN is unknown</translation>
    </message>
    <message>
        <source>Это нужно, чтобы перед записью прочитать VIN автомобиля из этого модуля (один раз за подключение)</source>
        <translation>This is to read the car&apos;s VIN from this module before writing (once per connection)</translation>
    </message>
    <message>
        <source>Это нужно, чтобы перед стиранием кодов или перезагрузкой прочитать VIN автомобиля из этого модуля (один раз за подключение)</source>
        <translation>This is to read the car&apos;s VIN from this module before clearing codes or restarting a module (once per connection)</translation>
    </message>
    <message>
        <source>Это нужно, чтобы прочитать VIN автомобиля из этого модуля и сохранить чтение кодов под ним (один раз за подключение)</source>
        <translation>This is to read the car&apos;s VIN from this module and keep the code reading under it (once per connection)</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Блок модуля не распознаётся страницей %1</source>
        <translation>Page %1 does not recognise the module&apos;s block</translation>
    </message>
    <message>
        <source>Новый блок не распознаётся страницей %1</source>
        <translation>Page %1 does not recognise the new block</translation>
    </message>
    <message>
        <source>параметр из файла описания %1 (не из собственных TALMERO)</source>
        <translation>option from the description file %1 (not one of TALMERO&apos;s own)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>! Журнал записей недоступен (%1)</source>
        <translation>! The write journal is unavailable (%1)</translation>
    </message>
    <message>
        <source>Неверный VIN код!</source>
        <translation>Invalid VIN!</translation>
    </message>
    <message>
        <source>Система: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>Кто определяет: </source>
        <translation>Defined by: </translation>
    </message>
    <message>
        <source>Группа: </source>
        <translation>Group: </translation>
    </message>
    <message>
        <source>Описание: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>Источник: </source>
        <translation>Source: </translation>
    </message>
    <message>
        <source>описания нет, только строение кода</source>
        <translation>no description, only the code&apos;s structure</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--baud: 38400, 9600 или 115200</source>
        <translation>--baud takes 38400, 9600 or 115200</translation>
    </message>
    <message>
        <source>--lang: en или ru</source>
        <translation>--lang takes en or ru</translation>
    </message>
    <message>
        <source>--bus-switch: одно из %1</source>
        <translation>--bus-switch takes one of %1</translation>
    </message>
    <message>
        <source>--min-voltage: напряжение, например 12.0</source>
        <translation>--min-voltage takes a voltage, e.g. 12.0</translation>
    </message>
    <message>
        <source>--part: 1 или 2</source>
        <translation>--part takes 1 or 2</translation>
    </message>
    <message>
        <source>--dash: fl или prefl</source>
        <translation>--dash takes fl or prefl</translation>
    </message>
    <message>
        <source>--only: адреса модулей, например 720,726</source>
        <translation>--only takes module addresses, e.g. 720,726</translation>
    </message>
    <message>
        <source>--values: имена значений, например rpm,speed,coolant</source>
        <translation>--values takes value names, e.g. rpm,speed,coolant</translation>
    </message>
    <message>
        <source>неизвестное значение %1 в --values; известны: %2</source>
        <translation>unknown value %1 in --values; known: %2</translation>
    </message>
    <message>
        <source>--seconds: целое число секунд от 1 до 86400</source>
        <translation>--seconds takes a whole number of seconds, 1 to 86400</translation>
    </message>
    <message>
        <source>--set: NAME=VALUE</source>
        <translation>--set: NAME=VALUE</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>--door: both, driver или passenger</source>
        <translation>--door takes both, driver or passenger</translation>
    </message>
    <message>
        <source>--door: driver или passenger</source>
        <translation>--door takes driver or passenger</translation>
    </message>
    <message>
        <source>Аккумулятор: %1 В</source>
        <translation>Battery: %1 V</translation>
    </message>
    <message>
        <source>Очистить? [y/N] </source>
        <translation>Clear? [y/N] </translation>
    </message>
    <message>
        <source>Перезагрузить? [y/N] </source>
        <translation>Restart? [y/N] </translation>
    </message>
    <message>
        <source>Записать? [y/N] </source>
        <translation>Write? [y/N] </translation>
    </message>
    <message>
        <source>compare: нужны LEFT.xml RIGHT.xml или LEFT.xml --car</source>
        <translation>compare takes LEFT.xml RIGHT.xml, or LEFT.xml --car</translation>
    </message>
    <message>
        <source>compare --car: нужен --port</source>
        <translation>compare --car needs --port</translation>
    </message>
    <message>
        <source>на этой странице нет параметра %1</source>
        <translation>no option %1 on this page</translation>
    </message>
    <message>
        <source>%1 сейчас не изменить: параметр недоступен</source>
        <translation>%1 cannot be changed now (it is disabled)</translation>
    </message>
    <message>
        <source>%1: номер пункта от 0 до %2</source>
        <translation>%1 takes an item number from 0 to %2</translation>
    </message>
    <message>
        <source>%1: 1 или 0</source>
        <translation>%1 takes 1 or 0</translation>
    </message>
    <message>
        <source>%1: нужны PAGE HEX</source>
        <translation>%1 takes PAGE HEX</translation>
    </message>
    <message>
        <source>неизвестная страница %1</source>
        <translation>unknown page %1</translation>
    </message>
    <message>
        <source>--set только с encode</source>
        <translation>--set goes with encode</translation>
    </message>
    <message>
        <source>блок не принят</source>
        <translation>the block is refused</translation>
    </message>
    <message>
        <source>этот блок можно показать, но не записать</source>
        <translation>this block can be shown but not written</translation>
    </message>
    <message>
        <source>asbuilt: decode ADDRESS DATA или encode ADDRESS HEX</source>
        <translation>asbuilt takes decode ADDRESS DATA or encode ADDRESS HEX</translation>
    </message>
    <message>
        <source>строки AS-BUILT %1 нет ни у одного модуля; ADDRESS: %2</source>
        <translation>no module has the AS-BUILT line %1; ADDRESS is %2</translation>
    </message>
    <message>
        <source>asbuilt encode: нужны ADDRESS HEX</source>
        <translation>asbuilt encode takes ADDRESS HEX</translation>
    </message>
    <message>
        <source>open-backup: нужны FILE PAGE</source>
        <translation>open-backup takes FILE PAGE</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>modules check принимает файлы описания</source>
        <translation>modules check takes description files</translation>
    </message>
    <message>
        <source>папки %1 нет: ничего не записано</source>
        <translation>there is no folder %1: nothing was written</translation>
    </message>
    <message>
        <source>%1 уже есть: ничего не записано</source>
        <translation>%1 exists already: nothing was written</translation>
    </message>
    <message>
        <source>%1 не записан: %2</source>
        <translation>%1 was not written: %2</translation>
    </message>
    <message>
        <source>! Файл описания отклонён: %1</source>
        <translation>! Description file refused: %1</translation>
    </message>
    <message>
        <source>--trust: %1 - не загруженный файл описания (файлы читаются из %2)</source>
        <translation>--trust: %1 is not a loaded description file (files are read from %2)</translation>
    </message>
    <message>
        <source>Файлу описания %1 доверено (SHA-256 %2)</source>
        <translation>Description file %1 is trusted (SHA-256 %2)</translation>
    </message>
    <message>
        <source>--plain только с dtc read</source>
        <translation>--plain goes with dtc read</translation>
    </message>
    <message>
        <source>read-config: нужен PAGE</source>
        <translation>read-config takes PAGE</translation>
    </message>
    <message>
        <source>--dash только со страницей IPC</source>
        <translation>--dash goes with the IPC page</translation>
    </message>
    <message>
        <source>этот блок не записать: страница его не принимает</source>
        <translation>this block cannot be written: the page refuses it</translation>
    </message>
    <message>
        <source>этот блок не записать: страница его не знает</source>
        <translation>this block cannot be written: it is unknown to the page</translation>
    </message>
    <message>
        <source>dtc: read или clear</source>
        <translation>dtc takes read or clear</translation>
    </message>
    <message>
        <source>--save только с dtc read</source>
        <translation>--save goes with dtc read</translation>
    </message>
    <message>
        <source>чтение не сохранено в %1: %2</source>
        <translation>the reading was not kept in %1: %2</translation>
    </message>
    <message>
        <source>не записать %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>ничего не стёрто</source>
        <translation>nothing was cleared</translation>
    </message>
    <message>
        <source>неизвестный модуль %1</source>
        <translation>unknown module %1</translation>
    </message>
    <message>
        <source>%1: нужен MODULE</source>
        <translation>%1 takes MODULE</translation>
    </message>
    <message>
        <source>%1: нужны MODULE ADDR</source>
        <translation>%1 takes MODULE ADDR</translation>
    </message>
    <message>
        <source>%1: нужны MODULE ADDR HEX</source>
        <translation>%1 takes MODULE ADDR HEX</translation>
    </message>
    <message>
        <source>в этом модуле нет VIN</source>
        <translation>this module holds no VIN</translation>
    </message>
    <message>
        <source>VIN не прочитан</source>
        <translation>no VIN was read</translation>
    </message>
    <message>
        <source>этот модуль не перезагружается</source>
        <translation>this module cannot be restarted</translation>
    </message>
    <message>
        <source>перезагрузка отклонена: ничего не отправлено</source>
        <translation>the restart was declined; nothing was sent</translation>
    </message>
    <message>
        <source>модуль отказал в перезагрузке</source>
        <translation>the module refused the restart</translation>
    </message>
    <message>
        <source>ADDR - номер блока из двух шестнадцатеричных цифр</source>
        <translation>ADDR is a block number of two hex digits</translation>
    </message>
    <message>
        <source>блок не прочитан</source>
        <translation>the block was not read</translation>
    </message>
    <message>
        <source>блок не записан</source>
        <translation>the block was not written</translation>
    </message>
    <message>
        <source>backup: аргументов нет, только --dir</source>
        <translation>backup takes no arguments but --dir</translation>
    </message>
    <message>
        <source>модуль %1 из %2</source>
        <translation>module %1 of %2</translation>
    </message>
    <message>
        <source>файл не записан</source>
        <translation>no file was written</translation>
    </message>
    <message>
        <source>VIN автомобиля не прочитан; файл назван по %1</source>
        <translation>the car&apos;s VIN could not be read; the file is named with %1</translation>
    </message>
    <message>
        <source>undo: аргументов нет, только --force</source>
        <translation>undo takes no arguments but --force</translation>
    </message>
    <message>
        <source>отмена: %1 (вместе с остальными блоками пакета %2)</source>
        <translation>undo: %1 (with the rest of batch %2)</translation>
    </message>
    <message>
        <source>отмена: %1</source>
        <translation>undo: %1</translation>
    </message>
    <message>
        <source>ничего не восстановлено</source>
        <translation>nothing was restored</translation>
    </message>
    <message>
        <source>в журнале нет неотменённой записи в автомобиль %1</source>
        <translation>the journal holds no write to the car %1 that is not undone</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--values, --seconds и --csv только с live</source>
        <translation>--values, --seconds and --csv go with live</translation>
    </message>
    <message>
        <source>--force только с undo</source>
        <translation>--force goes with undo</translation>
    </message>
    <message>
        <source>Резервная копия сохранена: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>%1: аргументов нет</source>
        <translation>%1 takes no arguments</translation>
    </message>
    <message>
        <source>%1: нужен --port</source>
        <translation>%1 needs --port</translation>
    </message>
    <message>
        <source>%1 - не папка: ничего не записано</source>
        <translation>%1 is not a folder: nothing was written</translation>
    </message>
    <message>
        <source>dtc explain: нужны один или несколько кодов неисправностей, например P0420</source>
        <translation>dtc explain takes one or more trouble codes, e.g. P0420</translation>
    </message>
    <message>
        <source>не код неисправности: %1 (буква P, C, B или U, цифра 0-3, три шестнадцатеричные цифры)</source>
        <translation>not a trouble code: %1 (a letter P, C, B or U, a digit 0-3, three hex digits)</translation>
    </message>
    <message>
        <source>history: аргументов нет, только --vin</source>
        <translation>history takes no arguments but --vin</translation>
    </message>
    <message>
        <source>--seconds и --csv только с --values</source>
        <translation>--seconds and --csv go with --values</translation>
    </message>
    <message>
        <source>модуль двигателя не сообщает %1</source>
        <translation>the engine module does not report %1</translation>
    </message>
    <message numerus="yes">
        <source>связь с адаптером потеряна после %n чтений</source>
        <translation>
            <numerusform>the link to the adapter was lost after %n reading</numerusform>
            <numerusform>the link to the adapter was lost after %n readings</numerusform>
        </translation>
    </message>
    <message>
        <source>аккумулятор %1 В</source>
        <translation>battery %1 V</translation>
    </message>
    <message>
        <source>Восстановить %1 %2? [y/N] </source>
        <translation>Restore %1 %2? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>%n блоков</source>
        <translation>
            <numerusform>%n block</numerusform>
            <numerusform>%n blocks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>в %n модулях</source>
        <translation>
            <numerusform>to %n module</numerusform>
            <numerusform>to %n modules</numerusform>
        </translation>
    </message>
    <message>
        <source>автомобиль не прочитан</source>
        <translation>the car was not read</translation>
    </message>
    <message>
        <source>(неизвестен: его модули расходятся, %1)</source>
        <translation>(unknown: its modules disagree, %1)</translation>
    </message>
    <message>
        <source>(VIN не прочитан: не ответили ни панель приборов, ни ABS, ни модуль фар, ни модуль рулевого управления)</source>
        <translation>(VIN not read: no instrument panel, ABS, headlamp or steering module answered)</translation>
    </message>
    <message>
        <source>файл автомобиля %1, а этот автомобиль %2: ничего не записано; --other-car переносит его настройки на этот автомобиль</source>
        <translation>the file is of the car %1, this car is %2: nothing was written; give --other-car to copy its settings to this car</translation>
    </message>
    <message>
        <source>(без VIN)</source>
        <translation>(no VIN)</translation>
    </message>
    <message>
        <source>модуль %1 не прочитан из автомобиля: ничего не записано</source>
        <translation>module %1 could not be read from the car: nothing was written</translation>
    </message>
    <message>
        <source>%1; --only %2 восстанавливает остальные</source>
        <translation>%1; --only %2 restores the rest</translation>
    </message>
    <message>
        <source>ничего не записано</source>
        <translation>nothing was written</translation>
    </message>
    <message>
        <source>restore: нужен FILE</source>
        <translation>restore takes FILE</translation>
    </message>
    <message>
        <source>--only: неизвестный адрес модуля %1</source>
        <translation>--only: unknown module address %1</translation>
    </message>
    <message>
        <source>VIN автомобиля не прочитан: записи других подключений под VIN %1 могут быть другого автомобиля и не отменяются</source>
        <translation>The car&apos;s VIN was not read: entries of other connections under VIN %1 may be another car&apos;s and are not undone</translation>
    </message>
    <message>
        <source>(неизвестен: VIN дал только один модуль, %1, а панель приборов - нет)</source>
        <translation>(unknown: only one module gave a VIN, %1, and the instrument cluster none)</translation>
    </message>
    <message>
        <source>файл описания %1 отклонён, доверять ему нельзя: %2</source>
        <translation>the description file %1 was refused and cannot be trusted: %2</translation>
    </message>
    <message>
        <source>%1 - не загруженный файл описания (файлы читаются из %2): ничему не доверено</source>
        <translation>%1 is not a loaded description file (files are read from %2): nothing was trusted</translation>
    </message>
    <message>
        <source>modules trust принимает файлы описания</source>
        <translation>modules trust takes description files</translation>
    </message>
    <message>
        <source>доверие файлу описания %1 не сохранено: %2</source>
        <translation>trust in the description file %1 was not stored: %2</translation>
    </message>
    <message>
        <source>modules untrust принимает файлы описания</source>
        <translation>modules untrust takes description files</translation>
    </message>
    <message>
        <source>доверие файлу описания %1 не снято: %2</source>
        <translation>trust in the description file %1 was not taken back: %2</translation>
    </message>
    <message>
        <source>Файлу описания %1 больше не доверено</source>
        <translation>Description file %1 is no longer trusted</translation>
    </message>
    <message>
        <source>Файлу описания %1 и не было доверено</source>
        <translation>Description file %1 was not trusted</translation>
    </message>
    <message>
        <source>Доверие файлу описания %1 не сохранено: команда не выполнена</source>
        <translation>Trust in the description file %1 was not stored: the command did not succeed</translation>
    </message>
    <message>
        <source>modules принимает list, check, export, trust или untrust</source>
        <translation>modules takes list, check, export, trust or untrust</translation>
    </message>
    <message>
        <source>последовательный порт, USB</source>
        <translation>serial port, USB</translation>
    </message>
    <message>
        <source>последовательный порт</source>
        <translation>serial port</translation>
    </message>
    <message>
        <source>Поиск адаптеров Bluetooth (%1 с)…</source>
        <translation>Looking for Bluetooth adapters (%1 s)…</translation>
    </message>
    <message>
        <source>adapters: нужен search или ничего</source>
        <translation>adapters: takes search or nothing</translation>
    </message>
    <message>
        <source>, сопряжён</source>
        <translation>, paired</translation>
    </message>
    <message>
        <source>адаптер Wi-Fi (его частый адрес)</source>
        <translation>Wi-Fi adapter (its common address)</translation>
    </message>
    <message>
        <source>демо-автомобиль, адаптер с переключателем шин</source>
        <translation>demo car, adapter with a bus switch</translation>
    </message>
    <message>
        <source>демо-автомобиль, адаптер STN со встроенной шиной</source>
        <translation>demo car, STN adapter with the bus built in</translation>
    </message>
    <message>
        <source>Нажмите Enter, чтобы продолжить: </source>
        <translation>Press Enter to go on: </translation>
    </message>
    <message>
        <source>Нажмите Enter, когда переключите, или c для отмены: </source>
        <translation>Press Enter when switched, or c to cancel: </translation>
    </message>
    <message>
        <source>(или %1)</source>
        <translation>(or %1)</translation>
    </message>
    <message>
        <source>использование: talmero-cli [--port NAME|PATH|HOST:PORT|bt://MAC|ble://MAC|demo|demo-stn]
                   [--baud 38400|9600|115200]
                   [--vin VIN] [--journal FILE] [--min-voltage V] [--lang en|ru] [--yes] [--log]
                   [--dir DIR] [--no-backup]
                   [--bus-switch auto|prompt|stn|rts|dtr|rts-inverted|dtr-inverted]
                   [--trust FILE]... COMMAND ARGS
       talmero-cli --help | --version

Без адаптера:
  decode PAGE HEX [--part 1|2]
  encode PAGE HEX [--part 1|2] [--set NAME=VALUE]...
  asbuilt decode ADDRESS DATA        ADDRESS: {ASBUILT}
  asbuilt encode ADDRESS HEX
  open-backup FILE PAGE [--part 1|2] [--door driver|passenger]
  history [--vin VIN]                журнал записей, новые сверху
  compare LEFT.xml RIGHT.xml         код выхода: 0 одинаковы, 1 различаются, 2 ошибка
  dtc explain CODE...                что такое каждый код неисправности и что он значит
  modules list                       свои модули и файлы описания модулей: что каждый
                                     добавляет, и отклонённые файлы с причиной
  modules check FILE...              проверяет файлы описания; код выхода 1, если какой-то
                                     отклонён
  modules export [PAGE...] [--dir DIR]
                                     записывает описания модулей файлами описания: свои или
                                     страниц PAGE (страницу файла описания - как её даёт файл)
  modules trust FILE...              доверяет файлам описания, каковы они сейчас, и говорит,
                                     чему доверено; modules untrust FILE... снимает доверие
  adapters [search]                  порты адаптеров по строке: ПОРТ и что это (для --port);
                                     search сначала ищет адаптеры Bluetooth 10 с
С адаптером (нужен --port):
  read-config PAGE [--part 1|2] [--door driver|passenger]
  write-config PAGE HEX [--part 1|2] [--door both|driver|passenger] [--dash fl|prefl]
  backup [--dir DIR]                 модули в файл VehicleData в DIR:
                                     {BACKUP}
  dtc read [--save FILE] [--plain] | dtc clear
                                     FILE: CSV, если имя оканчивается на .csv, иначе текст;
                                     --plain: без значения и стоп-кадра под каждым кодом
  readiness                          готовность систем двигателя (OBD-II): лампа, коды и
                                     каждая проверка; код выхода 0, если завершены все
                                     проверки, которые двигатель поддерживает, иначе 1
  vin MODULE | read-block MODULE ADDR | write-block MODULE ADDR HEX | restart MODULE
  voltage | live
  live --values NAME,... [--seconds N] [--csv FILE]
                                     читает значения каждую секунду N секунд (по умолчанию
                                     60), в CSV на стандартный вывод и в FILE;
                                     NAME: {LIVE_VALUES}
  adapter                            как назвался адаптер и как переключаются шины
  scan                               по строке на модуль: NAME ADDRESS hs|ms
                                     answered|refused|silent|not-asked VIN|-|? CODES|?
  undo [--force]                     отменяет последнюю ещё не отменённую запись в этот
                                     автомобиль; --force: даже если блок с тех пор изменился
  compare LEFT.xml --car             файл копии против автомобиля
  restore FILE [--only ADDR,...] [--other-car]
                                     записывает блоки конфигурации из файла обратно

PAGE: {PAGES} и страницы файлов описания.
MODULE: {MODULES} и модули файлов описания.
Сообщения русские при русской локали и с --lang ru, иначе английские (и при локали
C или POSIX); списки, блоки и коды выхода одинаковы на любом языке.
Каждая запись показывает, что изменится, и спрашивает подтверждение [y/N]; --yes отвечает
«да» на все вопросы (Write?, Restore?, Clear?, Restart?) и подсказки о шине, так что
ничего не спрашивается. Ниже --min-voltage (по умолчанию 12.0) ничего не записывается.
Первой записи в автомобиль, резервной копии которого в папке копий ещё нет, предшествует
резервная копия, как у команды backup (папка копий: --dir, иначе папка backup по
умолчанию); --no-backup записывает без неё.
--bus-switch: auto (по умолчанию) переключает на среднескоростную шину командами адаптера
STN, а с другим адаптером просит переключить тумблер; prompt, stn или реле на линии RTS
или DTR порта (rts-inverted и dtr-inverted: линия включена для высокоскоростной шины).
--port HOST:PORT (или tcp://HOST:PORT): адаптер Wi-Fi, например 192.168.0.10:35000;
--baud к нему не относится, как и переключение шин реле.
--port bt://MAC: адаптер Bluetooth (последовательный порт SPP), сопряжённый один раз
(bluetoothctl, PIN обычно 1234 или 0000); --port ble://MAC: адаптер Bluetooth LE.
К ним --baud и реле тоже не относятся.
Файлы описания модулей читаются из ~/.local/share/TALMERO/TALMERO/modules и
/usr/share/talmero/modules. Параметры из файла записываются, только когда ему доверяют:
доверие помнит путь и SHA-256 файла; изменённому файлу снова нет доверия. --trust FILE
доверяет файлу для одной команды и запоминает доверие, только если она выполнена (код 0).
Записи в демо-автомобиль идут в отдельный журнал рядом с указанным или обычным.
Код выхода: 0 успех, 1 операция не удалась, 2 ошибка в командной строке.
</source>
        <translation>usage: talmero-cli [--port NAME|PATH|HOST:PORT|bt://MAC|ble://MAC|demo|demo-stn]
                   [--baud 38400|9600|115200]
                   [--vin VIN] [--journal FILE] [--min-voltage V] [--lang en|ru] [--yes] [--log]
                   [--dir DIR] [--no-backup]
                   [--bus-switch auto|prompt|stn|rts|dtr|rts-inverted|dtr-inverted]
                   [--trust FILE]... COMMAND ARGS
       talmero-cli --help | --version

Offline:
  decode PAGE HEX [--part 1|2]
  encode PAGE HEX [--part 1|2] [--set NAME=VALUE]...
  asbuilt decode ADDRESS DATA        ADDRESS: {ASBUILT}
  asbuilt encode ADDRESS HEX
  open-backup FILE PAGE [--part 1|2] [--door driver|passenger]
  history [--vin VIN]                the write journal, newest first
  compare LEFT.xml RIGHT.xml         exit status: 0 same, 1 different, 2 error
  dtc explain CODE...                what each trouble code is and what it means
  modules list                       the program&apos;s own modules and the module description
                                     files: what each adds, and refused files with the reason
  modules check FILE...              checks description files; exit status 1 when one is
                                     refused
  modules export [PAGE...] [--dir DIR]
                                     writes module descriptions as description files: the
                                     program&apos;s own, or the pages PAGE (a description file&apos;s
                                     page as its file gives it)
  modules trust FILE...              trusts description files as they are now and says what
                                     it trusted; modules untrust FILE... takes trust back
  adapters [search]                  the adapters&apos; ports, one a line: PORT and what it is (for
                                     --port); search first looks for Bluetooth adapters 10 s
With the adapter (--port required):
  read-config PAGE [--part 1|2] [--door driver|passenger]
  write-config PAGE HEX [--part 1|2] [--door both|driver|passenger] [--dash fl|prefl]
  backup [--dir DIR]                 modules into a VehicleData file in DIR:
                                     {BACKUP}
  dtc read [--save FILE] [--plain] | dtc clear
                                     FILE: CSV when its name ends in .csv, else text;
                                     --plain: without the meaning and freeze frame under each code
  readiness                          the engine&apos;s readiness (OBD-II): lamp, codes and each
                                     monitor; exit status 0 when every monitor the engine
                                     supports has completed, else 1
  vin MODULE | read-block MODULE ADDR | write-block MODULE ADDR HEX | restart MODULE
  voltage | live
  live --values NAME,... [--seconds N] [--csv FILE]
                                     reads the values every second for N seconds (default
                                     60), as CSV on standard output and in FILE;
                                     NAME: {LIVE_VALUES}
  adapter                            what the adapter says it is, and how the buses are switched
  scan                               one line per module: NAME ADDRESS hs|ms
                                     answered|refused|silent|not-asked VIN|-|? CODES|?
  undo [--force]                     undoes the newest write to this car not yet undone;
                                     --force: even when the block has changed since
  compare LEFT.xml --car             a backup file against the car
  restore FILE [--only ADDR,...] [--other-car]
                                     writes the file&apos;s configuration blocks back

PAGE: {PAGES} and the pages of description files.
MODULE: {MODULES} and the modules of description files.
Messages are Russian with a Russian locale or --lang ru, English otherwise (also with the
C or POSIX locale); listings, blocks and exit statuses are the same in every language.
Every write shows what changes and asks for confirmation [y/N]; --yes answers yes to every
question (Write?, Restore?, Clear?, Restart?) and bus prompt, so nothing is asked.
Nothing is written below --min-voltage (default 12.0).
The first write to a car that has no backup in the backup folder yet is preceded by a
backup, as the backup command takes it (the backup folder: --dir, else the one backup
uses by default); --no-backup writes without one.
--bus-switch: auto (the default) reaches the medium-speed bus with an STN adapter&apos;s own
commands and asks for the switch on any other adapter; prompt, stn, or a relay on the
port&apos;s RTS or DTR line (rts-inverted and dtr-inverted: the line is set for the high-speed bus).
--port HOST:PORT (or tcp://HOST:PORT): a Wi-Fi adapter, e.g. 192.168.0.10:35000;
--baud does not apply to it, nor do the relay ways of --bus-switch.
--port bt://MAC: a Bluetooth adapter (serial port profile), paired once (bluetoothctl,
PIN usually 1234 or 0000); --port ble://MAC: a Bluetooth LE adapter.
Neither --baud nor the relay applies to them either.
Module description files are read from ~/.local/share/TALMERO/TALMERO/modules and
/usr/share/talmero/modules. Options from a file are written only when the file is trusted:
trust keeps the file&apos;s path and SHA-256; a changed file is untrusted again. --trust FILE
trusts a file for one command and keeps that trust only when the command succeeded (exit 0).
Writes to the demo car go to a journal of their own, beside the given or usual one.
Exit status: 0 success, 1 the operation failed, 2 command line error.
</translation>
    </message>
    <message>
        <source>страница %1 не записана: %2</source>
        <translation>page %1 was not written: %2</translation>
    </message>
</context>
<context>
    <name>ConfigPanel</name>
    <message>
        <source>Изменённые параметры не записаны в модуль. Отменить изменения?</source>
        <translation>The changed settings have not been written to the module. Discard the changes?</translation>
    </message>
    <message>
        <source>В OFFLINE режиме доступны только вкладки IPC и BCM</source>
        <translation>In OFFLINE mode only the IPC and BCM tabs are available</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>! Ошибка</source>
        <translation>! Error</translation>
    </message>
    <message>
        <source>* Чтение конфигурации из модуля </source>
        <translation>* Reading the configuration from module </translation>
    </message>
    <message>
        <source>Запись конфигурации</source>
        <translation>Writing the configuration</translation>
    </message>
    <message>
        <source>* Запись конфигурации в модуль </source>
        <translation>* Writing the configuration to module </translation>
    </message>
    <message>
        <source>содержит блок страницы</source>
        <translation>holds the page&apos;s block</translation>
    </message>
    <message>
        <source>не записан</source>
        <translation>not written</translation>
    </message>
    <message>
        <source>! Водительский модуль (740) %1; пассажирский модуль (741) %2</source>
        <translation>! Driver door module (740) %1; passenger door module (741) %2</translation>
    </message>
    <message>
        <source>Запись конфигурации обоих дверных модулей</source>
        <translation>Writing the configuration of both door modules</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Wi-Fi adapter (%1)</source>
        <translation>Wi-Fi adapter (%1)</translation>
    </message>
    <message>
        <source>Demo car (simulated, switch)</source>
        <translation>Demo car (simulated, switch)</translation>
    </message>
    <message>
        <source>Demo car (simulated, built-in bus)</source>
        <translation>Demo car (simulated, built-in bus)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Folder for the backup</source>
        <translation>Folder for the backup</translation>
    </message>
</context>
<context>
    <name>DtcDescriptions</name>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not UTF-8</translation>
    </message>
    <message>
        <source>кавычка не закрыта или стоит не на месте</source>
        <translation>a quote is not closed or out of place</translation>
    </message>
    <message>
        <source>полей %1, а нужно %2: код, English, русский</source>
        <translation>%1 fields where %2 are needed: code, English, Russian</translation>
    </message>
    <message>
        <source>неверный код «%1»</source>
        <translation>invalid code “%1”</translation>
    </message>
    <message>
        <source>код %1 уже описан в строке %2</source>
        <translation>code %1 is already described in line %2</translation>
    </message>
    <message>
        <source>нет описания кода %1</source>
        <translation>no description of code %1</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1 не прочитан: %2</source>
        <translation>! The code descriptions file %1 was not read: %2</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1, строка %2 пропущена: %3</source>
        <translation>! Code descriptions file %1, line %2 skipped: %3</translation>
    </message>
    <message>
        <source>ru</source>
        <comment>column of the descriptions shown: ru or en</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>описание программы</source>
        <translation>the program&apos;s description</translation>
    </message>
    <message>
        <source>файл пользователя</source>
        <translation>user&apos;s file</translation>
    </message>
    <message>
        <source>неверный код</source>
        <translation>invalid code</translation>
    </message>
    <message>
        <source>описания нет (общий код, %1)</source>
        <translation>no description (generic code, %1)</translation>
    </message>
    <message>
        <source>код производителя (%1)</source>
        <translation>manufacturer-specific (%1)</translation>
    </message>
    <message>
        <source>ссылка никуда не ведёт</source>
        <translation>the link leads nowhere</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1: пропущено ещё строк: %2</source>
        <translation>! Trouble-code description file %1: %2 more lines skipped</translation>
    </message>
    <message>
        <source>описания нет (зарезервированный диапазон, %1)</source>
        <translation>no description (reserved range, %1)</translation>
    </message>
</context>
<context>
    <name>DtcHistory</name>
    <message>
        <source>нет драйвера SQLite</source>
        <translation>no SQLite driver</translation>
    </message>
    <message>
        <source>не создан каталог %1</source>
        <translation>the folder %1 could not be created</translation>
    </message>
    <message>
        <source>VIN %1</source>
        <translation>VIN %1</translation>
    </message>
    <message>
        <source>  не прочитан</source>
        <translation>  not read</translation>
    </message>
    <message>
        <source>статус %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <source>  список кодов не прочитан</source>
        <translation>  the list of codes could not be read</translation>
    </message>
    <message>
        <source>неполное чтение: прочитано модулей %1 из %2</source>
        <translation>incomplete: %1 of %2 modules read</translation>
    </message>
    <message>
        <source>ошибок нет: прочитано модулей %1 из %2</source>
        <translation>no codes in %1 of %2 modules</translation>
    </message>
    <message>
        <source>ошибок: %1, прочитано модулей %2 из %3</source>
        <translation>codes: %1 in %2 of %3 modules</translation>
    </message>
</context>
<context>
    <name>DtcMeaning</name>
    <message>
        <source>топливовоздушная смесь и вспомогательные системы снижения токсичности</source>
        <translation>fuel and air metering and auxiliary emission controls</translation>
    </message>
    <message>
        <source>топливовоздушная смесь</source>
        <translation>fuel and air metering</translation>
    </message>
    <message>
        <source>топливовоздушная смесь (цепи форсунок)</source>
        <translation>fuel and air metering (injector circuits)</translation>
    </message>
    <message>
        <source>зажигание и пропуски воспламенения</source>
        <translation>ignition system and misfire</translation>
    </message>
    <message>
        <source>вспомогательные системы снижения токсичности</source>
        <translation>auxiliary emission controls</translation>
    </message>
    <message>
        <source>скорость автомобиля, холостой ход и вспомогательные входы</source>
        <translation>vehicle speed, idle control and auxiliary inputs</translation>
    </message>
    <message>
        <source>блок управления и выходные цепи</source>
        <translation>control module and output circuits</translation>
    </message>
    <message>
        <source>трансмиссия</source>
        <translation>transmission</translation>
    </message>
    <message>
        <source>силовой агрегат</source>
        <translation>powertrain</translation>
    </message>
    <message>
        <source>шасси</source>
        <translation>chassis</translation>
    </message>
    <message>
        <source>кузов</source>
        <translation>body</translation>
    </message>
    <message>
        <source>сеть обмена данными</source>
        <translation>network</translation>
    </message>
    <message>
        <source>общий код (SAE/ISO)</source>
        <translation>generic (SAE/ISO)</translation>
    </message>
    <message>
        <source>код производителя</source>
        <translation>manufacturer-specific</translation>
    </message>
    <message>
        <source>присутствует сейчас</source>
        <translation>present now</translation>
    </message>
    <message>
        <source>гибридный или электрический привод</source>
        <translation>hybrid or electric propulsion</translation>
    </message>
    <message>
        <source>вспомогательные входы</source>
        <translation>auxiliary inputs</translation>
    </message>
    <message>
        <source>отключение цилиндров</source>
        <translation>cylinder deactivation</translation>
    </message>
    <message>
        <source>зарезервировано ISO/SAE, значения пока не определены</source>
        <translation>reserved by ISO/SAE, no meanings defined yet</translation>
    </message>
    <message>
        <source>электрические цепи шин связи</source>
        <translation>network wiring</translation>
    </message>
    <message>
        <source>связь с блоками (блок не слышен)</source>
        <translation>network communication (a module not heard)</translation>
    </message>
    <message>
        <source>совместимость программ блоков</source>
        <translation>network software (incompatible modules)</translation>
    </message>
    <message>
        <source>неверные данные от блоков</source>
        <translation>network data (invalid data received)</translation>
    </message>
    <message>
        <source>диапазон, зарезервированный SAE/ISO: кодов в нём пока нет</source>
        <translation>a range SAE/ISO keep for later: it holds no codes yet</translation>
    </message>
    <message>
        <source>при чтении не обнаружена</source>
        <translation>not detected when read</translation>
    </message>
    <message>
        <source>сохранена, сейчас отсутствует</source>
        <translation>stored, not present now</translation>
    </message>
    <message>
        <source>непостоянная: то появляется, то пропадает</source>
        <translation>intermittent: comes and goes</translation>
    </message>
    <message>
        <source>запрошена</source>
        <translation>requested</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>запрашивает лампу неисправности</source>
        <translation>asks for the warning lamp</translation>
    </message>
    <message>
        <source>лампу неисправности не запрашивает</source>
        <translation>does not ask for the warning lamp</translation>
    </message>
</context>
<context>
    <name>FreezeFrame</name>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>! Стоп-кадр двигателя не прочитан: ответ на 020200 «%1»</source>
        <translation>! The engine’s freeze frame was not read: answer to 020200 “%1”</translation>
    </message>
    <message>
        <source>* Двигатель не хранит стоп-кадр</source>
        <translation>* The engine keeps no freeze frame</translation>
    </message>
    <message>
        <source>* Стоп-кадр кода %1: значений %2</source>
        <translation>* Freeze frame of %1: %2 values</translation>
    </message>
    <message>
        <source>! Стоп-кадр кода %1: значений %2, не прочитано %3</source>
        <translation>! Freeze frame of %1: %2 values, %3 not read</translation>
    </message>
    <message>
        <source>Стоп-кадр кода %1:</source>
        <translation>Freeze frame of %1:</translation>
    </message>
    <message>
        <source>значений нет</source>
        <translation>no values</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>нет драйвера SQLite</source>
        <translation>no SQLite driver</translation>
    </message>
    <message>
        <source>папка не создаётся</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>новый журнал не создаётся</source>
        <translation>a new journal cannot be created</translation>
    </message>
    <message>
        <source>повреждённый файл не переименовывается</source>
        <translation>the damaged file cannot be renamed</translation>
    </message>
    <message>
        <source>файл %1 не является журналом записей TALMERO; он не изменён</source>
        <translation>the file %1 is not a TALMERO write journal; it has not been changed</translation>
    </message>
    <message>
        <source>журнал открыт только для чтения</source>
        <translation>the journal is open for reading only</translation>
    </message>
    <message>
        <source>записи %1 в журнале нет</source>
        <translation>the journal has no row %1</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Fabric</source>
        <translation>Fabric</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Leather</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>C-Max (Kuga)*</source>
        <translation>C-Max (Kuga)*</translation>
    </message>
    <message>
        <source>Focus II</source>
        <translation>Focus II</translation>
    </message>
    <message>
        <source>Mondeo III (4 door)</source>
        <translation>Mondeo III (4 door)</translation>
    </message>
    <message>
        <source>3 door hatchback</source>
        <translation>3 door hatchback</translation>
    </message>
    <message>
        <source>Sedan</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>5 door hatchback</source>
        <translation>5 door hatchback</translation>
    </message>
    <message>
        <source>Combi</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>4 woofers + 4 tweeters</source>
        <translation>4 woofers + 4 tweeters</translation>
    </message>
    <message>
        <source>4 woofers + 2 tweeters</source>
        <translation>4 woofers + 2 tweeters</translation>
    </message>
    <message>
        <source>4 woofers</source>
        <translation>4 woofers</translation>
    </message>
    <message>
        <source>Rh drive</source>
        <translation>Right-hand drive</translation>
    </message>
    <message>
        <source>Upholstery </source>
        <translation>Upholstery </translation>
    </message>
    <message>
        <source> Car </source>
        <translation> Car </translation>
    </message>
    <message>
        <source>Car flap</source>
        <translation>Sunroof</translation>
    </message>
    <message>
        <source> Body </source>
        <translation> Body </translation>
    </message>
    <message>
        <source> Speakers </source>
        <translation> Speakers </translation>
    </message>
    <message>
        <source>Factory alarm system</source>
        <translation>Factory alarm system</translation>
    </message>
    <message>
        <source>Central lockint sys</source>
        <translation>Central locking system</translation>
    </message>
    <message>
        <source>1 batting. pressing the button or</source>
        <translation>1 flash on a button press</translation>
    </message>
    <message>
        <source>2 batting</source>
        <translation>2 flashes</translation>
    </message>
    <message>
        <source>Wst all at the touch.</source>
        <translation>One-touch operation of all windows</translation>
    </message>
    <message>
        <source>Auto locking while driving</source>
        <translation>Auto locking while driving</translation>
    </message>
    <message>
        <source>Dead lock</source>
        <translation>Deadlock</translation>
    </message>
    <message>
        <source>Blinking whendeadlocking on 1 press</source>
        <translation>Blinking when deadlocking on 1 press</translation>
    </message>
    <message>
        <source>Deadlock on 1 press of remote</source>
        <translation>Deadlock on 1 press of remote</translation>
    </message>
    <message>
        <source>2 stage car opening</source>
        <translation>2 stage car opening</translation>
    </message>
    <message>
        <source>Auto heated windows activation</source>
        <translation>Auto heated windows activation</translation>
    </message>
    <message>
        <source>Central locking CAN control</source>
        <translation>Central locking CAN control</translation>
    </message>
    <message>
        <source>Rear doors</source>
        <translation>Rear doors</translation>
    </message>
    <message>
        <source>Not active in the 3-door</source>
        <translation>Not active in the 3-door</translation>
    </message>
    <message>
        <source>Sensor size.</source>
        <translation>Interior motion sensor</translation>
    </message>
    <message>
        <source>Alarm siren</source>
        <translation>Alarm siren</translation>
    </message>
    <message>
        <source>Door CAN modules</source>
        <translation>Door CAN modules</translation>
    </message>
    <message>
        <source>Open boot on second press of remote</source>
        <translation>Open boot on second press of remote</translation>
    </message>
    <message>
        <source>Central looking / remote control</source>
        <translation>Central locking / remote control</translation>
    </message>
    <message>
        <source>The option with module Keyless inactive</source>
        <translation>Inactive with the Keyless module</translation>
    </message>
    <message>
        <source>Additional heater fuel</source>
        <translation>Additional heater (fuel)</translation>
    </message>
    <message>
        <source>Activate the module IPC</source>
        <translation>Also enable in the IPC module</translation>
    </message>
    <message>
        <source>Heated windscreen</source>
        <translation>Heated windscreen</translation>
    </message>
    <message>
        <source>Headlight washers</source>
        <translation>Headlight washers</translation>
    </message>
    <message>
        <source>Rain sensor</source>
        <translation>Rain sensor</translation>
    </message>
    <message>
        <source>Rear window wiper</source>
        <translation>Rear window wiper</translation>
    </message>
    <message>
        <source>Auto rear wiper on revers 2 moves</source>
        <translation>Auto rear wiper in reverse (2 wipes)</translation>
    </message>
    <message>
        <source>Outside temp sensor</source>
        <translation>Outside temp sensor</translation>
    </message>
    <message>
        <source>Cancel scan of interior climate</source>
        <translation>Cancel scan of interior climate</translation>
    </message>
    <message>
        <source>Xenon lights (HID)</source>
        <translation>Xenon lights (HID)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Light sensor</translation>
    </message>
    <message>
        <source>Ford Power</source>
        <translation>Ford Power</translation>
    </message>
    <message>
        <source>Air conditioning</source>
        <translation>Air conditioning</translation>
    </message>
    <message>
        <source>Optional automatic climate control is disabled</source>
        <translation>Optional automatic climate control is disabled</translation>
    </message>
    <message>
        <source>Additional heater (PTC)</source>
        <translation>Additional heater (PTC)</translation>
    </message>
    <message>
        <source>I think foot well lighting</source>
        <translation>Footwell lighting</translation>
    </message>
    <message>
        <source>Activate the module DDM и PDM</source>
        <translation>Also enable in the DDM and PDM modules</translation>
    </message>
    <message>
        <source>Electric parking brake</source>
        <translation>Electric parking brake</translation>
    </message>
    <message>
        <source>Cruise control</source>
        <translation>Cruise control</translation>
    </message>
    <message>
        <source>Activate the module IPC и PCM</source>
        <translation>Also enable in the IPC and PCM modules</translation>
    </message>
    <message>
        <source>Mask drive hatch taximeter</source>
        <translation>Sunroof drive mask (taximeter)</translation>
    </message>
    <message>
        <source>FL (08-)</source>
        <translation>FL (08-)</translation>
    </message>
    <message>
        <source>Pre FL</source>
        <translation>Pre FL</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>ABS</translation>
    </message>
    <message>
        <source>Eguren EHPAS</source>
        <translation>EHPAS power steering</translation>
    </message>
    <message>
        <source>AWD (Kuga)</source>
        <translation>AWD (Kuga)</translation>
    </message>
    <message>
        <source>ESP (visibility in the menu)</source>
        <translation>ESP (visibility in the menu)</translation>
    </message>
    <message>
        <source>Instant fuel</source>
        <translation>Instant fuel</translation>
    </message>
    <message>
        <source>Voice control</source>
        <translation>Voice control</translation>
    </message>
    <message>
        <source>Tire pressure warning (DDS)</source>
        <translation>Tire pressure warning (DDS)</translation>
    </message>
    <message>
        <source>Activate the module ABS</source>
        <translation>Also enable in the ABS module</translation>
    </message>
    <message>
        <source>Seat belt warning</source>
        <translation>Seat belt warning</translation>
    </message>
    <message>
        <source>Only the sound is turned off (LED is lit), the same option is in the module RCM</source>
        <translation>Only the sound is turned off (LED is lit), the same option is in the module RCM</translation>
    </message>
    <message>
        <source>Reversing sound</source>
        <translation>Reversing sound</translation>
    </message>
    <message>
        <source>Activate the module BCM i PCM</source>
        <translation>Also enable in the BCM and PCM modules</translation>
    </message>
    <message>
        <source>IVD sys.(pre FL)</source>
        <translation>IVD sys.(pre FL)</translation>
    </message>
    <message>
        <source>Activate the module BCM</source>
        <translation>Also enable in the BCM module</translation>
    </message>
    <message>
        <source>Washer fluid warning</source>
        <translation>Washer fluid warning</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Real engine temp</source>
        <translation>Real engine temp</translation>
    </message>
    <message>
        <source>Does not turn on if you do not have a physical</source>
        <translation>Does not turn on without a physical gauge</translation>
    </message>
    <message>
        <source>Focus ST speedometer</source>
        <translation>Focus ST speedometer</translation>
    </message>
    <message>
        <source>Simulated engine temp.</source>
        <translation>Simulated engine temp.</translation>
    </message>
    <message>
        <source>Off to see the actual paragraphs. (not factory except DHE-1.8/2.0)</source>
        <translation>Turn off to see the actual readings (off from the factory except on DHE-1.8/2.0)</translation>
    </message>
    <message>
        <source>Clock display</source>
        <translation>Clock display</translation>
    </message>
    <message>
        <source>Radio-RDS/CD</source>
        <translation>Radio-RDS/CD</translation>
    </message>
    <message>
        <source>Info from phone</source>
        <translation>Info from phone</translation>
    </message>
    <message>
        <source>Fuel consumpt. km/l</source>
        <translation>Fuel consumpt. km/l</translation>
    </message>
    <message>
        <source>Gear shift change light</source>
        <translation>Gear shift change light</translation>
    </message>
    <message>
        <source>Ford ECO Mode</source>
        <translation>Ford ECO Mode</translation>
    </message>
    <message>
        <source>Auto Start/Stop</source>
        <translation>Auto Start/Stop</translation>
    </message>
    <message>
        <source> Type dashboard </source>
        <translation> Dashboard type </translation>
    </message>
    <message>
        <source>Without module (facelift)</source>
        <translation>Without module (facelift)</translation>
    </message>
    <message>
        <source>Normal mirrors (facelift)</source>
        <translation>Normal mirrors (facelift)</translation>
    </message>
    <message>
        <source>If you turn the mirrors, will be governed by the diagonal</source>
        <translation>When on, the mirrors are controlled diagonally</translation>
    </message>
    <message>
        <source>management of passenger central locking</source>
        <translation>management of passenger central locking</translation>
    </message>
    <message>
        <source>folding mirrors (facelift)</source>
        <translation>folding mirrors (facelift)</translation>
    </message>
    <message>
        <source>Rear door modulel LIN (facelift)</source>
        <translation>Rear door module LIN (facelift)</translation>
    </message>
    <message>
        <source>Heated mirrors</source>
        <translation>Heated mirrors</translation>
    </message>
    <message>
        <source>Illumination around mirrors</source>
        <translation>Illumination around mirrors</translation>
    </message>
    <message>
        <source>Module pre FaceLift</source>
        <translation>Module pre FaceLift</translation>
    </message>
    <message>
        <source>FaceLift - ordinary glass</source>
        <translation>FaceLift - ordinary glass</translation>
    </message>
    <message>
        <source>FaceLift - reflective glass IR</source>
        <translation>FaceLift - reflective glass IR</translation>
    </message>
    <message>
        <source>FaceLift - panoramic roof / cabriolet</source>
        <translation>FaceLift - panoramic roof / cabriolet</translation>
    </message>
    <message>
        <source>Other  -</source>
        <translation>Other  -</translation>
    </message>
    <message>
        <source> Configuration module </source>
        <translation> Configuration module </translation>
    </message>
    <message>
        <source>Pre FaceLift (do 2008)</source>
        <translation>Pre FaceLift (up to 2008)</translation>
    </message>
    <message>
        <source>FaceLift (2008-2010)</source>
        <translation>FaceLift (2008-2010)</translation>
    </message>
    <message>
        <source>FaceLift (2010-....)</source>
        <translation>FaceLift (2010-....)</translation>
    </message>
    <message>
        <source> Type module </source>
        <translation> Module type </translation>
    </message>
    <message>
        <source>Driver airbag.</source>
        <translation>Driver airbag.</translation>
    </message>
    <message>
        <source>Side seat airbags</source>
        <translation>Side seat airbags</translation>
    </message>
    <message>
        <source>Site curtain airbags</source>
        <translation>Side curtain airbags</translation>
    </message>
    <message>
        <source>Passenger airbag</source>
        <translation>Passenger airbag</translation>
    </message>
    <message>
        <source>Passenger occupancy sensor</source>
        <translation>Passenger occupancy sensor</translation>
    </message>
    <message>
        <source>Assenger switch</source>
        <translation>Passenger switch</translation>
    </message>
    <message>
        <source>Led turn of the passenger</source>
        <translation>Passenger airbag OFF lamp</translation>
    </message>
    <message>
        <source>Unfasten without notification of seat belt</source>
        <translation>No unfastened seat belt warning</translation>
    </message>
    <message>
        <source>Turn off the sound and light signaling, Activate the module IPC</source>
        <translation>Turns off the sound and light warning; also enable in the IPC module</translation>
    </message>
    <message>
        <source>Side impact sensors</source>
        <translation>Side impact sensors</translation>
    </message>
    <message>
        <source>Are required for the side airbag area. and curtain</source>
        <translation>Required for the side and curtain airbags</translation>
    </message>
    <message>
        <source>Pre FaceLift</source>
        <translation>Pre FaceLift</translation>
    </message>
    <message>
        <source>FaceLift</source>
        <translation>FaceLift</translation>
    </message>
    <message>
        <source>Tire pressure warning(DDS)</source>
        <translation>Tire pressure warning(DDS)</translation>
    </message>
    <message>
        <source>ESP shutdown button</source>
        <translation>ESP shutdown button</translation>
    </message>
    <message>
        <source>Focus II pre FaceLift</source>
        <translation>Focus II pre FaceLift</translation>
    </message>
    <message>
        <source>C-Max</source>
        <translation>C-Max</translation>
    </message>
    <message>
        <source>Kuga</source>
        <translation>Kuga</translation>
    </message>
    <message>
        <source>Focus II FaceLift</source>
        <translation>Focus II FaceLift</translation>
    </message>
    <message>
        <source>Hatchback</source>
        <translation>Hatchback</translation>
    </message>
    <message>
        <source>Reflectors HID / Xenons</source>
        <translation>Reflectors HID / Xenons</translation>
    </message>
    <message>
        <source>Torsion of light (AFS)</source>
        <translation>Adaptive headlights (AFS)</translation>
    </message>
    <message>
        <source>Несконфигурирована</source>
        <translation>Not configured</translation>
    </message>
    <message>
        <source>Неизвестная конфигурация</source>
        <translation>Unknown configuration</translation>
    </message>
    <message>
        <source>Direction indicators in mirrors</source>
        <translation>Direction indicators in mirrors</translation>
    </message>
</context>
<context>
    <name>LiveData</name>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Unexpected answer from the adapter</translation>
    </message>
    <message>
        <source>Напряжение - </source>
        <translation>Voltage - </translation>
    </message>
    <message>
        <source>%1 мс</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>Идентификатор калибровки</source>
        <translation>Calibration ID</translation>
    </message>
    <message>
        <source>Контрольные числа калибровки</source>
        <translation>Calibration verification numbers</translation>
    </message>
    <message>
        <source>Коды неисправностей</source>
        <translation>Trouble codes</translation>
    </message>
    <message>
        <source>Поддерживаемые параметры</source>
        <translation>Supported PIDs</translation>
    </message>
    <message>
        <source>Стандарт OBD</source>
        <translation>OBD standard</translation>
    </message>
    <message>
        <source>Положение дроссельной заслонки, %</source>
        <translation>Throttle position, %</translation>
    </message>
    <message>
        <source>Массовый расход воздуха</source>
        <translation>Mass air flow</translation>
    </message>
    <message>
        <source>Температура воздуха на впуске</source>
        <translation>Intake air temperature</translation>
    </message>
    <message>
        <source>Скорость автомобиля</source>
        <translation>Vehicle speed</translation>
    </message>
    <message>
        <source>Обороты двигателя</source>
        <translation>Engine speed</translation>
    </message>
    <message>
        <source>Температура охлаждающей жидкости</source>
        <translation>Coolant temperature</translation>
    </message>
    <message>
        <source>Нагрузка двигателя</source>
        <translation>Engine load</translation>
    </message>
    <message>
        <source>Состояние систем с момента стирания кодов</source>
        <translation>Monitor status since the codes were cleared</translation>
    </message>
    <message>
        <source>Состояние систем в текущем цикле</source>
        <translation>Monitor status this drive cycle</translation>
    </message>
</context>
<context>
    <name>LiveReader</name>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>! Карта поддерживаемых параметров %1 не прочитана (%2): параметры %3..%4 не предлагаются</source>
        <translation>! Support map %1 not read (%2): values %3..%4 are not offered</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>файл не открыт</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>файл больше 64 МиБ</source>
        <translation>the file is larger than 64 MiB</translation>
    </message>
    <message>
        <source>это не запись показаний: нет строки заголовка</source>
        <translation>not a recording of values: no header line</translation>
    </message>
    <message>
        <source>в заголовке нет ни одного известного параметра</source>
        <translation>the header names no known value</translation>
    </message>
</context>
<context>
    <name>LiveValues</name>
    <message>
        <source>Обороты двигателя</source>
        <translation>Engine speed</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Скорость автомобиля</source>
        <translation>Vehicle speed</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Температура охлаждающей жидкости</source>
        <translation>Coolant temperature</translation>
    </message>
    <message>
        <source>Температура всасываемого воздуха</source>
        <translation>Intake air temperature</translation>
    </message>
    <message>
        <source>Расчётная нагрузка двигателя</source>
        <translation>Calculated engine load</translation>
    </message>
    <message>
        <source>Положение дросселя</source>
        <translation>Throttle position</translation>
    </message>
    <message>
        <source>Массовый расход воздуха</source>
        <translation>Mass air flow</translation>
    </message>
    <message>
        <source>г/с</source>
        <translation>g/s</translation>
    </message>
    <message>
        <source>Кратковременная коррекция топлива, ряд 1</source>
        <translation>Short-term fuel trim, bank 1</translation>
    </message>
    <message>
        <source>Долговременная коррекция топлива, ряд 1</source>
        <translation>Long-term fuel trim, bank 1</translation>
    </message>
    <message>
        <source>Угол опережения зажигания</source>
        <translation>Ignition timing advance</translation>
    </message>
    <message>
        <source>Абсолютное давление во впускном коллекторе</source>
        <translation>Intake manifold absolute pressure</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>Уровень топлива</source>
        <translation>Fuel level</translation>
    </message>
    <message>
        <source>Напряжение блока управления</source>
        <translation>Control module voltage</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Температура наружного воздуха</source>
        <translation>Ambient air temperature</translation>
    </message>
    <message>
        <source>Напряжение на разъёме адаптера</source>
        <translation>Voltage at the adapter&apos;s plug</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>использование: %1 [-h | --help | -v | --version] [параметры окон Qt]
Читает и изменяет заводскую конфигурацию модулей Ford Focus II через адаптер ELM327.

  -h, --help     эта справка
  -v, --version  версия программы
Параметры окон Qt (-platform, -style, ...) тоже принимаются.
</source>
        <translation>usage: %1 [-h | --help | -v | --version] [Qt window options]
Reads and changes the factory configuration of Ford Focus II modules through an ELM327 adapter.

  -h, --help     this help
  -v, --version  the program&apos;s version
Qt&apos;s window options (-platform, -style, ...) are accepted too.
</translation>
    </message>
</context>
<context>
    <name>ModuleFiles</name>
    <message>
        <source>допустимая длина больше ёмкости блока</source>
        <translation>an allowed length beyond the block&apos;s capacity</translation>
    </message>
    <message>
        <source>образец отказа выходит за блок</source>
        <translation>a refusal pattern reaching beyond the block</translation>
    </message>
    <message>
        <source>имя %1 уже занято другим элементом</source>
        <translation>the name %1 is taken by another control</translation>
    </message>
    <message>
        <source>нужен хотя бы один образец блока</source>
        <translation>at least one sample block is needed</translation>
    </message>
    <message>
        <source>образец - целые байты заглавными шестнадцатеричными цифрами</source>
        <translation>a sample is whole bytes in upper-case hex digits</translation>
    </message>
    <message>
        <source>образец длиннее ёмкости блока</source>
        <translation>a sample longer than the block&apos;s capacity</translation>
    </message>
    <message>
        <source>образец не принимается правилами блока</source>
        <translation>a sample the block&apos;s rules refuse</translation>
    </message>
    <message>
        <source>образец не называет состояние параметра %1</source>
        <translation>a sample that does not give the state of option %1</translation>
    </message>
    <message>
        <source>образец читается иначе: %1 = %2</source>
        <translation>the sample decodes otherwise: %1 = %2</translation>
    </message>
    <message>
        <source>в блоке такого параметра файла нет</source>
        <translation>the block has no such option of this file</translation>
    </message>
    <message>
        <source>образец не записывается обратно теми же байтами: %1</source>
        <translation>the sample does not encode back to the same bytes: %1</translation>
    </message>
    <message>
        <source>модуль с адресом %1 уже есть: %2</source>
        <translation>a module with the address %1 exists already: %2</translation>
    </message>
    <message>
        <source>адрес %1 или его ответ совпадает с адресом или ответом модуля %2</source>
        <translation>the address %1 or its answer is the address or answer of the module %2</translation>
    </message>
    <message>
        <source>адрес %1 не может быть адресом модуля</source>
        <translation>%1 cannot be a module&apos;s address</translation>
    </message>
    <message>
        <source>два модуля файла с одним адресом</source>
        <translation>two modules of the file with one address</translation>
    </message>
    <message>
        <source>модуль с именем %1 уже есть</source>
        <translation>a module named %1 exists already</translation>
    </message>
    <message>
        <source>у модуля нет ни одного блока</source>
        <translation>the module has no block</translation>
    </message>
    <message>
        <source>блок с этим номером у модуля уже есть</source>
        <translation>the module has a block with this number already</translation>
    </message>
    <message>
        <source>страница %1 уже есть</source>
        <translation>the page %1 exists already</translation>
    </message>
    <message>
        <source>две стороны страницы выбирает группа переключателей страницы с двумя пунктами; у одной стороны её нет</source>
        <translation>two sides of a page are chosen by a radio group of the page with two items; one side has none</translation>
    </message>
    <message>
        <source>такого элемента на странице нет</source>
        <translation>the page has no such control</translation>
    </message>
    <message>
        <source>такого поля на странице нет</source>
        <translation>the page has no such edit</translation>
    </message>
    <message>
        <source>блок %1 не показан ни одной стороной страницы</source>
        <translation>no side of the page shows block %1</translation>
    </message>
    <message>
        <source>модуль %1 (%2), блоки %3, страница %4</source>
        <translation>module %1 (%2), blocks %3, page %4</translation>
    </message>
    <message>
        <source>модуля с адресом %1 нет</source>
        <translation>there is no module with the address %1</translation>
    </message>
    <message>
        <source>у модуля %1 нет блока конфигурации %2</source>
        <translation>the module %1 has no configuration block %2</translation>
    </message>
    <message>
        <source>дополнение без параметров</source>
        <translation>an extension without options</translation>
    </message>
    <message>
        <source>дополнение добавляет флаги и выборы по позициям</source>
        <translation>an extension adds flags and choices at positions</translation>
    </message>
    <message>
        <source>у дополнения нет элементов страницы</source>
        <translation>an extension has no page controls</translation>
    </message>
    <message>
        <source>позиция %1 блока уже занята</source>
        <translation>position %1 of the block is taken</translation>
    </message>
    <message>
        <source>%1 (%2), блок %3: %4</source>
        <translation>%1 (%2), block %3: %4</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>ссылка никуда не ведёт (или ведёт по кругу)</source>
        <translation>a link that leads nowhere (or round in a loop)</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это не файл</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>! Файл описания отклонён: %1</source>
        <translation>! Description file refused: %1</translation>
    </message>
    <message>
        <source>Файл описания %1 (%2) загружен:</source>
        <translation>Description file %1 (%2) loaded:</translation>
    </message>
    <message>
        <source>текст длиннее %1 знаков</source>
        <translation>a text longer than %1 characters</translation>
    </message>
    <message>
        <source>управляющий символ в тексте</source>
        <translation>a control character in the text</translation>
    </message>
    <message>
        <source>пустой текст</source>
        <translation>an empty text</translation>
    </message>
    <message>
        <source>поле обязательно</source>
        <translation>a required field</translation>
    </message>
    <message>
        <source>имя элемента: латинская буква, затем до 63 латинских букв, цифр или «_»</source>
        <translation>a control name: a Latin letter, then up to 63 Latin letters, digits or &quot;_&quot;</translation>
    </message>
    <message>
        <source>ожидается строка</source>
        <translation>a string expected</translation>
    </message>
    <message>
        <source>образец длиннее блока</source>
        <translation>a pattern longer than a block</translation>
    </message>
    <message>
        <source>больше %1 позиций</source>
        <translation>more than %1 positions</translation>
    </message>
    <message>
        <source>позиция - целое число от 1 до %1</source>
        <translation>a position is a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>номер блока - две шестнадцатеричные цифры (заглавные), например &quot;03&quot;</source>
        <translation>a block number is two hex digits (upper case), e.g. &quot;03&quot;</translation>
    </message>
    <message>
        <source>адрес модуля - три шестнадцатеричные цифры от 700 до 7FF (заглавные)</source>
        <translation>a module address is three hex digits from 700 to 7FF (upper case)</translation>
    </message>
    <message>
        <source>не больше двух длин</source>
        <translation>at most two lengths</translation>
    </message>
    <message>
        <source>длина - целое число от 1 до %1</source>
        <translation>a length is a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>имя модуля: 2-8 заглавных латинских букв и цифр, с буквы</source>
        <translation>a module name: 2-8 upper-case Latin letters and digits, a letter first</translation>
    </message>
    <message>
        <source>имя страницы: 1-16 латинских букв, цифр или знаков + _ -</source>
        <translation>a page name: 1-16 Latin letters, digits or + _ -</translation>
    </message>
    <message>
        <source>у страницы одна или две стороны</source>
        <translation>a page has one or two sides</translation>
    </message>
    <message>
        <source>сторона страницы называет блок, которого в файле нет</source>
        <translation>a side of the page names a block the file does not describe</translation>
    </message>
    <message>
        <source>формат %1 этой программе неизвестен: она читает формат %2</source>
        <translation>format %1 is unknown to this program: it reads format %2</translation>
    </message>
    <message>
        <source>файл описывает либо новые модули (&quot;modules&quot; и &quot;page&quot;), либо дополнение блока (&quot;extends&quot;)</source>
        <translation>a file describes either new modules (&quot;modules&quot; and &quot;page&quot;) or an extension of a block (&quot;extends&quot;)</translation>
    </message>
    <message>
        <source>у дополнения блока нет своей страницы</source>
        <translation>an extension of a block has no page of its own</translation>
    </message>
    <message>
        <source>параметры нового модуля стоят в его блоках</source>
        <translation>a new module&apos;s options stand in its blocks</translation>
    </message>
    <message>
        <source>нет ни одного модуля</source>
        <translation>no module</translation>
    </message>
    <message>
        <source>в файле нет такого блока у модуля с этим адресом</source>
        <translation>the file has no such block of a module with this address</translation>
    </message>
    <message>
        <source>не JSON: %1 (байт %2)</source>
        <translation>not JSON: %1 (byte %2)</translation>
    </message>
    <message>
        <source>ожидается объект JSON</source>
        <translation>a JSON object expected</translation>
    </message>
    <message>
        <source>ожидается целое число</source>
        <translation>a whole number expected</translation>
    </message>
    <message>
        <source>число вне пределов %1…%2</source>
        <translation>a number outside %1…%2</translation>
    </message>
    <message>
        <source>ожидается true или false</source>
        <translation>true or false expected</translation>
    </message>
    <message>
        <source>ожидается список</source>
        <translation>a list expected</translation>
    </message>
    <message>
        <source>ожидается одно из: %1</source>
        <translation>one of these expected: %1</translation>
    </message>
    <message>
        <source>такого поля в формате нет</source>
        <translation>the format has no such field</translation>
    </message>
    <message>
        <source>ключ повторяется</source>
        <translation>the key is repeated</translation>
    </message>
    <message>
        <source>файл %1 изменился или не читается с тех пор, как загружен</source>
        <translation>the file %1 has changed, or cannot be read, since it was loaded</translation>
    </message>
    <message>
        <source>копия не хранит блок конфигурации %1</source>
        <translation>the backup does not keep configuration block %1</translation>
    </message>
    <message>
        <source>последний блок копии раньше первого</source>
        <translation>the backup&apos;s last block comes before its first</translation>
    </message>
    <message>
        <source>копия хранит не больше %1 блоков модуля</source>
        <translation>a backup keeps at most %1 blocks of a module</translation>
    </message>
    <message>
        <source>модулю без диагностического сеанса, отвечающему на запрос кодов ошибок, нужен vinBlock: иначе опрос не узнает, есть ли он</source>
        <translation>a module without the diagnostic session that answers the trouble-code request needs a vinBlock: otherwise the scan cannot tell whether it is there</translation>
    </message>
</context>
<context>
    <name>ModuleScanner</name>
    <message>
        <source>* Опрос модулей автомобиля, ждите...</source>
        <translation>* Scanning the car&apos;s modules, please wait...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: опрос модулей прерван</source>
        <translation>! Connection to the adapter lost: module scan stopped</translation>
    </message>
    <message>
        <source>* Опрос завершён: ответили модулей %1 из %2</source>
        <translation>* Scan finished: %1 of %2 modules answered</translation>
    </message>
    <message>
        <source>! Опрос прерван: ответили модулей %1 из %2</source>
        <translation>! Scan stopped: %1 of %2 modules answered</translation>
    </message>
    <message>
        <source>в блоке %1 нет VIN</source>
        <translation>block %1 holds no VIN</translation>
    </message>
    <message>
        <source>VIN не выдан</source>
        <translation>VIN not given</translation>
    </message>
    <message>
        <source>VIN не прочитан: неверный ответ модуля</source>
        <translation>VIN not read: invalid answer from the module</translation>
    </message>
    <message>
        <source>Модуль не ответил или отсутствует</source>
        <translation>Module did not answer or is missing</translation>
    </message>
    <message>
        <source>! Модуль отказал в диагностическом сеансе</source>
        <translation>! The module refused the diagnostic session</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>Панель приборов</source>
        <translation>Instrument cluster</translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation>Audio module</translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation>GEM module</translation>
    </message>
    <message>
        <source>Водительский дверной модуль</source>
        <translation>Driver door module</translation>
    </message>
    <message>
        <source>Пассажирский дверной модуль</source>
        <translation>Passenger door module</translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation>Climate control module</translation>
    </message>
    <message>
        <source>Модуль подушек/ремней безопасности</source>
        <translation>Airbag/seat belt module</translation>
    </message>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation>ABS/ESP module</translation>
    </message>
    <message>
        <source>Модуль управления головным светом</source>
        <translation>Headlamp control module</translation>
    </message>
    <message>
        <source>Модуль ЭГУР</source>
        <translation>Electric power steering module</translation>
    </message>
    <message>
        <source>Модуль управления двигателем</source>
        <translation>Engine control module</translation>
    </message>
    <message>
        <source>* VIN автомобиля %1 отличается от указанного при подключении (%2)</source>
        <translation>* The car&apos;s VIN %1 differs from the one given when connecting (%2)</translation>
    </message>
</context>
<context>
    <name>NegativeAnswer</name>
    <message>
        <source>общий отказ</source>
        <translation>general reject</translation>
    </message>
    <message>
        <source>сервис не поддерживается</source>
        <translation>service not supported</translation>
    </message>
    <message>
        <source>функция не поддерживается</source>
        <translation>sub-function not supported</translation>
    </message>
    <message>
        <source>неверная длина</source>
        <translation>wrong length</translation>
    </message>
    <message>
        <source>условия не выполнены</source>
        <translation>conditions not correct</translation>
    </message>
    <message>
        <source>вне диапазона</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>доступ запрещён</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>модуль занят</source>
        <translation>module busy</translation>
    </message>
    <message>
        <source>код %1</source>
        <translation>code %1</translation>
    </message>
</context>
<context>
    <name>OptionPages</name>
    <message>
        <source>%1 (description file %2)</source>
        <translation>%1 (description file %2)</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Панель приборов</source>
        <translation>Instrument cluster</translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation>Audio module</translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation>GEM module</translation>
    </message>
    <message>
        <source> [Часть 1]</source>
        <translation> [Part 1]</translation>
    </message>
    <message>
        <source> [Часть 2]</source>
        <translation> [Part 2]</translation>
    </message>
    <message>
        <source>Дверные CAN-модули</source>
        <translation>Door CAN modules</translation>
    </message>
    <message>
        <source> [Водительский]</source>
        <translation> [Driver]</translation>
    </message>
    <message>
        <source> [Пассажирский]</source>
        <translation> [Passenger]</translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation>Climate control module</translation>
    </message>
    <message>
        <source>Модуль подушек/ремней без-ти</source>
        <translation>Airbag/seat belt module</translation>
    </message>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation>ABS/ESP module</translation>
    </message>
    <message>
        <source>Модуль упр-я головным светом</source>
        <translation>Headlamp control module</translation>
    </message>
    <message>
        <source>Part 1</source>
        <translation>Part 1</translation>
    </message>
    <message>
        <source>Part 2</source>
        <translation>Part 2</translation>
    </message>
    <message>
        <source>Driver (DDM)</source>
        <translation>Driver (DDM)</translation>
    </message>
    <message>
        <source>Passenger (PDM)</source>
        <translation>Passenger (PDM)</translation>
    </message>
    <message>
        <source>Two module (DDM+PDM)</source>
        <translation>Two modules (DDM+PDM)</translation>
    </message>
    <message>
        <source>Read configuration</source>
        <translation>Read configuration</translation>
    </message>
    <message>
        <source>Write configuration</source>
        <translation>Write configuration</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Read from file</translation>
    </message>
    <message>
        <source>Read AS-BUILT</source>
        <translation>Read AS-BUILT</translation>
    </message>
    <message>
        <source>Generating AS-BUILT</source>
        <translation>Generating AS-BUILT</translation>
    </message>
    <message>
        <source>History of writes</source>
        <translation>History of writes</translation>
    </message>
    <message>
        <source> Other </source>
        <translation> Other </translation>
    </message>
    <message>
        <source>* In the config file: C-Max-combo, Kuga-5door,hatchback</source>
        <translation>* In the config file: C-Max = estate, Kuga = 5 door hatchback</translation>
    </message>
    <message>
        <source> Configuration of 2 parts</source>
        <translation> Configuration of 2 parts</translation>
    </message>
    <message>
        <source> Read module </source>
        <translation> Read module </translation>
    </message>
    <message>
        <source> Write to module </source>
        <translation> Write to module </translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Compare…</translation>
    </message>
    <message>
        <source>Restore from backup…</source>
        <translation>Restore from backup…</translation>
    </message>
    <message>
        <source>Description files…</source>
        <translation>Description files…</translation>
    </message>
</context>
<context>
    <name>PortAddressTexts</name>
    <message>
        <source>Неверный адрес %1: после двоеточия нужен номер порта TCP от 1 до 65535 (например, 192.168.0.10:35000).</source>
        <translation>Invalid address %1: the colon must be followed by a TCP port number from 1 to 65535 (for example 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Неверный адрес %1: перед двоеточием нужен адрес адаптера (например, 192.168.0.10:35000).</source>
        <translation>Invalid address %1: the colon must follow the adapter&apos;s address (for example 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Неверный адрес %1: после bt:// или ble:// нужен адрес устройства Bluetooth из шести пар шестнадцатеричных цифр (например, bt://00:1D:A5:68:98:8B).</source>
        <translation>Invalid address %1: bt:// or ble:// must be followed by a Bluetooth device address of six pairs of hexadecimal digits (for example, bt://00:1D:A5:68:98:8B).</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Пропуски воспламенения</source>
        <translation>Misfire</translation>
    </message>
    <message>
        <source>Топливная система</source>
        <translation>Fuel system</translation>
    </message>
    <message>
        <source>Прочие компоненты</source>
        <translation>Comprehensive components</translation>
    </message>
    <message>
        <source>Каталитический нейтрализатор</source>
        <translation>Catalyst</translation>
    </message>
    <message>
        <source>Подогрев нейтрализатора</source>
        <translation>Heated catalyst</translation>
    </message>
    <message>
        <source>Система улавливания паров топлива</source>
        <translation>Evaporative system</translation>
    </message>
    <message>
        <source>Система вторичного воздуха</source>
        <translation>Secondary air system</translation>
    </message>
    <message>
        <source>Хладагент кондиционера</source>
        <translation>A/C refrigerant</translation>
    </message>
    <message>
        <source>Кислородные датчики</source>
        <translation>Oxygen sensors</translation>
    </message>
    <message>
        <source>Подогрев кислородных датчиков</source>
        <translation>Oxygen sensor heaters</translation>
    </message>
    <message>
        <source>Рециркуляция отработавших газов и фазы ГРМ</source>
        <translation>EGR and variable valve timing</translation>
    </message>
    <message>
        <source>Катализатор углеводородов (NMHC)</source>
        <translation>NMHC catalyst</translation>
    </message>
    <message>
        <source>Нейтрализация NOx (SCR)</source>
        <translation>NOx aftertreatment (SCR)</translation>
    </message>
    <message>
        <source>Давление наддува</source>
        <translation>Boost pressure</translation>
    </message>
    <message>
        <source>Датчики отработавших газов</source>
        <translation>Exhaust gas sensors</translation>
    </message>
    <message>
        <source>Сажевый фильтр</source>
        <translation>Particulate filter</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>! Готовность систем не прочитана: двигатель ответил на 0101 «%1»</source>
        <translation>! Readiness not read: the engine answered 0101 with “%1”</translation>
    </message>
    <message>
        <source>* Готовность систем: все поддерживаемые проверки завершены</source>
        <translation>* Readiness: every supported monitor has completed</translation>
    </message>
    <message>
        <source>* Готовность систем: не завершены проверки: %1</source>
        <translation>* Readiness: monitors not complete: %1</translation>
    </message>
    <message>
        <source>завершена</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>не завершена</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>не выполняется в этом цикле</source>
        <translation>not run in this cycle</translation>
    </message>
    <message>
        <source>не поддерживается</source>
        <translation>not supported</translation>
    </message>
    <message>
        <source>Проверки в текущем цикле поездки:</source>
        <translation>Monitors in this driving cycle:</translation>
    </message>
    <message>
        <source>Проверки с момента стирания кодов:</source>
        <translation>Monitors since the codes were cleared:</translation>
    </message>
    <message>
        <source>Лампа неисправности: %1</source>
        <translation>Warning lamp: %1</translation>
    </message>
    <message>
        <source>включена</source>
        <translation>on</translation>
    </message>
    <message>
        <source>не включена</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Кодов в памяти двигателя: %1</source>
        <translation>Codes stored in the engine: %1</translation>
    </message>
    <message>
        <source>Зажигание: %1</source>
        <translation>Ignition: %1</translation>
    </message>
    <message>
        <source>от сжатия (дизель)</source>
        <translation>compression (diesel)</translation>
    </message>
    <message>
        <source>искровое</source>
        <translation>spark</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message>
        <source>%1, блок %2: блок из файла не распознаётся страницей</source>
        <translation>%1, block %2: the page does not recognise the file&apos;s block</translation>
    </message>
    <message>
        <source>! VIN в файле %1, VIN автомобиля %2: настройки другого автомобиля</source>
        <translation>! The file&apos;s VIN is %1, the car&apos;s VIN is %2: these are another car&apos;s settings</translation>
    </message>
    <message>
        <source>не указан</source>
        <translation>none given</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>%1, блок %2</source>
        <translation>%1, block %2</translation>
    </message>
    <message>
        <source>Не записываются:</source>
        <translation>Not written:</translation>
    </message>
    <message>
        <source>Блоки, не относящиеся к конфигурации, не записываются никогда: </source>
        <translation>Blocks that are not configuration are never written: </translation>
    </message>
    <message>
        <source>неизвестен: модули расходятся (%1)</source>
        <translation>unknown: its modules disagree (%1)</translation>
    </message>
    <message>
        <source>! Не восстанавливается: %1 блок %2 отличается; его не записывает ни одна страница</source>
        <translation>! Not restored: %1 block %2 differs; no page writes it</translation>
    </message>
    <message>
        <source>! Модуль %1 не прочитан из автомобиля</source>
        <translation>! Module %1 was not read from the car</translation>
    </message>
    <message numerus="yes">
        <source>%n байт</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, блок %2: в файле %3, модуль содержит %4</source>
        <translation>%1, block %2: the file holds %3, the module %4</translation>
    </message>
    <message>
        <source>неизвестен: VIN дал только один модуль (%1), панель приборов - нет</source>
        <translation>unknown: only one module gave a VIN (%1), the instrument cluster none</translation>
    </message>
    <message>
        <source>%1: модуль из файла описания %2 (SHA-256 %3), а этот файл не загружен</source>
        <translation>%1: a module from the description file %2 (SHA-256 %3), which is not loaded</translation>
    </message>
    <message>
        <source>%1: в копии модуль из файла описания %2, а у программы свой модуль с этим адресом</source>
        <translation>%1: the backup holds a module from the description file %2, but the program has a module of its own at this address</translation>
    </message>
    <message>
        <source>%1: копия не называет файл описания модуля, а модуль записывается только с тем файлом, с которым сделана копия</source>
        <translation>%1: the backup names no description file for the module, and the module is written only with the file the backup was taken with</translation>
    </message>
    <message>
        <source>%1: копия сделана с файлом описания %2 (SHA-256 %3), а загружен %4 (SHA-256 %5)</source>
        <translation>%1: the backup was taken with the description file %2 (SHA-256 %3), but %4 (SHA-256 %5) is loaded</translation>
    </message>
    <message>
        <source>%1: файлу описания %2 (SHA-256 %3) нет доверия</source>
        <translation>%1: the description file %2 (SHA-256 %3) is not trusted</translation>
    </message>
    <message>
        <source>%1, блок %2: меняются параметры файла описания без доверия: %3</source>
        <translation>%1, block %2: it changes options of an untrusted description file: %3</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>Коды ошибок: чтение %1</source>
        <translation>Trouble codes: reading of %1</translation>
    </message>
    <message>
        <source>! Модули автомобиля называют разные VIN: %1</source>
        <translation>! The car&apos;s modules give different VINs: %1</translation>
    </message>
    <message>
        <source>! VIN автомобиля %1, а не указанный %2</source>
        <translation>! The car&apos;s VIN is %1, not the given %2</translation>
    </message>
    <message>
        <source>ни один модуль не ответил: включено ли зажигание, вставлен ли адаптер в разъём?</source>
        <translation>no module answered: is the ignition on and the adapter plugged in?</translation>
    </message>
</context>
<context>
    <name>ServiceTab</name>
    <message>
        <source>не поддерживается</source>
        <translation>not supported</translation>
    </message>
    <message>
        <source>Вторая часть конфигурации модуля BCM находится по адресу &quot;04&quot;</source>
        <translation>The second part of the BCM module configuration is at address &quot;04&quot;</translation>
    </message>
    <message>
        <source>Информации о VIN коде модуль не содержит</source>
        <translation>This module does not store the VIN</translation>
    </message>
    <message>
        <source>* Чтение VIN кода из модуля </source>
        <translation>* Reading the VIN from module </translation>
    </message>
    <message>
        <source>* Чтение данных по адресу </source>
        <translation>* Reading data at address </translation>
    </message>
    <message>
        <source> из модуля </source>
        <translation> from module </translation>
    </message>
    <message>
        <source>Неверная строка!</source>
        <translation>Invalid data line!</translation>
    </message>
    <message>
        <source>Неверный адрес!</source>
        <translation>Invalid address!</translation>
    </message>
    <message>
        <source>* Запись данных по адресу </source>
        <translation>* Writing data at address </translation>
    </message>
    <message>
        <source> в модуль </source>
        <translation> to module </translation>
    </message>
    <message>
        <source>Запись данных</source>
        <translation>Writing data</translation>
    </message>
    <message>
        <source>* Перезагрузка модуля </source>
        <translation>* Restarting module </translation>
    </message>
    <message>
        <source>* Перезагрузка отменена</source>
        <translation>* Restart cancelled</translation>
    </message>
    <message>
        <source>* Модуль перезагружен</source>
        <translation>* Module restarted</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Переключите адаптер на среднюю шину (MSCAN)</source>
        <translation>Switch the adapter to the medium-speed bus (MSCAN)</translation>
    </message>
    <message>
        <source>Переключите адаптер на высокую шину (HSCAN)</source>
        <translation>Switch the adapter to the high-speed bus (HSCAN)</translation>
    </message>
    <message>
        <source>* Операция отменена пользователем</source>
        <translation>* Operation cancelled by the user</translation>
    </message>
    <message>
        <source>Следующий модуль: %1 (%2)</source>
        <translation>Next module: %1 (%2)</translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Unexpected answer from the adapter</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Error</translation>
    </message>
    <message>
        <source>! Модуль не ответил или отсутствует</source>
        <translation>! The module did not answer or is not fitted</translation>
    </message>
    <message>
        <source>! Адаптер не принял STP53: средней шины в нём нет. Дальше шины переключаются переключателем на адаптере (по запросу)</source>
        <translation>! The adapter refused STP53: it has no medium-speed bus. From now on the buses are switched by the switch on the adapter (with a prompt)</translation>
    </message>
    <message>
        <source>нет ответа на %1; переключение: %2</source>
        <translation>no answer on the %1; switching: %2</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна</source>
        <translation>! The connection to the adapter was lost</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Файл настроек %1 не записан</source>
        <translation>The settings file %1 was not written</translation>
    </message>
    <message>
        <source>это не обычный файл (канал, устройство или папка)</source>
        <translation>it is not a regular file (a pipe, a device or a folder)</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>Файл настроек %1 не используется: %2</source>
        <translation>The settings file %1 is not used: %2</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>* Считывание кодов ошибок, ждите...</source>
        <translation>* Reading trouble codes, please wait...</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Error</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: чтение ошибок прервано</source>
        <translation>! Connection to the adapter lost: trouble code reading stopped</translation>
    </message>
    <message>
        <source>* Чтение ошибок завершено</source>
        <translation>* Trouble code reading finished</translation>
    </message>
    <message>
        <source>! В модулях присутствуют ошибки</source>
        <translation>! Trouble codes found in the modules</translation>
    </message>
    <message>
        <source>! Не прочитано модулей: %1 из %2</source>
        <translation>! Modules not read: %1 of %2</translation>
    </message>
    <message>
        <source>* В модулях ошибок нет</source>
        <translation>* No trouble codes in the modules</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Unexpected answer from the module</translation>
    </message>
    <message>
        <source>Ошибок: </source>
        <translation>Codes: </translation>
    </message>
    <message>
        <source>! Неверный ответ</source>
        <translation>! Unexpected answer</translation>
    </message>
    <message>
        <source>#%1 - %2 статус: %3</source>
        <translation>#%1 - %2 status: %3</translation>
    </message>
    <message>
        <source>* Стирание ошибок отменено</source>
        <translation>* Trouble code clearing cancelled</translation>
    </message>
    <message>
        <source>* Стираем считанные ошибки</source>
        <translation>* Clearing the trouble codes that were read</translation>
    </message>
    <message>
        <source>! Стирание не подтвердили модули: </source>
        <translation>! Modules that did not confirm the clearing: </translation>
    </message>
    <message>
        <source>! Операция выполнена не полностью</source>
        <translation>! The operation was only partly completed</translation>
    </message>
    <message>
        <source>* Операция выполнена</source>
        <translation>* Operation completed</translation>
    </message>
    <message>
        <source>* Стираем ошибки модуля по адресу </source>
        <translation>* Clearing the trouble codes of the module at address </translation>
    </message>
    <message>
        <source>кодов ошибок модуля %1</source>
        <translation>the trouble codes of %1</translation>
    </message>
</context>
<context>
    <name>VehicleBackup</name>
    <message>
        <source>* Запущен процесс сохранения данных из модулей автомобиля, ждите...</source>
        <translation>* Saving the data of the car&apos;s modules, please wait...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: файл не записан</source>
        <translation>! Connection to the adapter lost: the file was not written</translation>
    </message>
    <message>
        <source>! Ни один модуль не прочитан: файл не записан</source>
        <translation>! No module was read: the file was not written</translation>
    </message>
    <message>
        <source>! В копии нет модулей: </source>
        <translation>! Modules missing from the backup: </translation>
    </message>
    <message>
        <source>! В копии нет блоков: </source>
        <translation>! Blocks missing from the backup: </translation>
    </message>
    <message>
        <source>* Файл </source>
        <translation>* File </translation>
    </message>
    <message>
        <source> сохранен в каталоге </source>
        <translation> saved in folder </translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла в каталоге </source>
        <translation>! Could not save the file in the folder </translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла</source>
        <translation>! Could not save the file</translation>
    </message>
    <message>
        <source>* VIN в копии: %1, указанный при подключении (из модулей не прочитан)</source>
        <translation>* VIN in the backup: %1, as given when connecting (the modules&apos; VIN could not be read)</translation>
    </message>
    <message>
        <source>* VIN в копии: %1, прочитанный из модулей автомобиля</source>
        <translation>* VIN in the backup: %1, as read from the car&apos;s modules</translation>
    </message>
    <message>
        <source>! Модули автомобиля расходятся в VIN (%1): в копии указанный при подключении %2</source>
        <translation>! The car&apos;s modules disagree on the VIN (%1): the backup carries the one given at connecting, %2</translation>
    </message>
</context>
<context>
    <name>VehicleConfig</name>
    <message>
        <source>Файл не является XML-документом: строка %1, столбец %2: %3</source>
        <translation>The file is not an XML document: line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Неверная структура файла: нет элементов VehicleData и Modules</source>
        <translation>Wrong file structure: no VehicleData and Modules elements</translation>
    </message>
    <message>
        <source>* Чтение конфигурации автомобиля, ждите...</source>
        <translation>* Reading the car&apos;s configuration, please wait...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна</source>
        <translation>! The connection to the adapter was lost</translation>
    </message>
    <message>
        <source>! Ни один модуль не прочитан</source>
        <translation>! No module was read</translation>
    </message>
    <message>
        <source>! Не прочитаны: </source>
        <translation>! Not read: </translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>управляющий символ в VIN</source>
        <translation>a control character in the VIN</translation>
    </message>
    <message>
        <source>управляющий символ в адресе или названии модуля</source>
        <translation>a control character in a module&apos;s address or title</translation>
    </message>
    <message>
        <source>блок модуля %1 без номера (elmindex)</source>
        <translation>a block of module %1 has no number (elmindex)</translation>
    </message>
    <message>
        <source>номер блока модуля %1 не из двух шестнадцатеричных цифр: %2</source>
        <translation>a block number of module %1 is not two hexadecimal digits: %2</translation>
    </message>
    <message>
        <source>неизвестный элемент %1 в блоке %2 модуля %3</source>
        <translation>unknown element %1 in block %2 of module %3</translation>
    </message>
    <message>
        <source>блок %1 модуля %2 не является шестнадцатеричными байтами: %3</source>
        <translation>block %1 of module %2 is not whole hexadecimal bytes: %3</translation>
    </message>
    <message>
        <source>файл описания модуля %1 назван без SHA-256 или с неверным SHA-256</source>
        <translation>the description file of module %1 is named without its SHA-256, or with a wrong one</translation>
    </message>
</context>
<context>
    <name>VehicleData</name>
    <message>
        <source>нет свободного имени файла</source>
        <translation>no free file name</translation>
    </message>
</context>
<context>
    <name>VinNotes</name>
    <message>
        <source>модули автомобиля называют разные VIN</source>
        <translation>the car&apos;s modules give different VINs</translation>
    </message>
    <message>
        <source>%1. Пока они расходятся, в ходу VIN, введённый при подключении.</source>
        <translation>%1. While they disagree, the VIN typed at connecting is used.</translation>
    </message>
    <message>
        <source>введён, из автомобиля не прочитан</source>
        <translation>typed, not read from the car</translation>
    </message>
    <message>
        <source>VIN, введённый при подключении. Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</source>
        <translation>The VIN typed at connecting. A module scan, a backup, reading a VIN or a write reads it from the car.</translation>
    </message>
    <message>
        <source>введён другой: %1</source>
        <translation>the typed VIN differs: %1</translation>
    </message>
    <message>
        <source>VIN автомобиля прочитан из модуля %1; при подключении введён %2. Журнал записей и резервные копии берут VIN автомобиля.</source>
        <translation>The car&apos;s VIN was read from module %1; %2 was typed at connecting. The write journal and backups use the car&apos;s VIN.</translation>
    </message>
    <message>
        <source>из автомобиля (%1)</source>
        <translation>from the car (%1)</translation>
    </message>
    <message>
        <source>VIN прочитан из модуля %1</source>
        <translation>VIN read from module %1</translation>
    </message>
    <message>
        <source>не подтверждён: его дал только один модуль</source>
        <translation>not confirmed: only one module gave it</translation>
    </message>
    <message>
        <source>%1. Без VIN панели приборов нужны два модуля с одним VIN; пока в ходу VIN, введённый при подключении.</source>
        <translation>%1. Without the instrument cluster&apos;s VIN two modules with one VIN are needed; until then the VIN given at connecting is used.</translation>
    </message>
    <message>
        <source>не введён, из автомобиля не прочитан</source>
        <translation>not typed, not read from the car</translation>
    </message>
    <message>
        <source>Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</source>
        <translation>A module scan, a backup, reading the VIN or a write reads it from the car.</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>* Успешно записано</source>
        <translation>* Written successfully</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Unexpected answer from the module</translation>
    </message>
    <message>
        <source>! Блок модуля не прочитан: запись не выполнена</source>
        <translation>! The module&apos;s block was not read: nothing written</translation>
    </message>
    <message>
        <source>* Модуль уже содержит эти данные: запись не нужна</source>
        <translation>* The module already holds this data: no write needed</translation>
    </message>
    <message>
        <source>* Запись отменена</source>
        <translation>* Write cancelled</translation>
    </message>
    <message>
        <source>! Адаптер не сообщил напряжение бортовой сети: запись не выполнена</source>
        <translation>! The adapter did not report the battery voltage: nothing written</translation>
    </message>
    <message>
        <source>! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена</source>
        <translation>! Battery voltage %1 V is below the %2 V threshold: nothing written</translation>
    </message>
    <message>
        <source>! Журнал записей недоступен (%1): запись не выполнена</source>
        <translation>! The write journal is unavailable (%1): nothing written</translation>
    </message>
    <message>
        <source>! Журнал записей был повреждён и отложен как %1; начат новый журнал</source>
        <translation>! The write journal was damaged and has been set aside as %1; a new journal was started</translation>
    </message>
    <message>
        <source>! Итог записи не внесён в журнал (%1)</source>
        <translation>! The outcome of the write was not recorded in the journal (%1)</translation>
    </message>
    <message>
        <source>! Отмена записи не внесена в журнал (%1)</source>
        <translation>! The cancelled write was not recorded in the journal (%1)</translation>
    </message>
    <message>
        <source>! Ответ модуля на запись не получен или не понят: модуль мог принять запись</source>
        <translation>! The module&apos;s answer to the write was not received or not understood: the module may have accepted the write</translation>
    </message>
    <message>
        <source>* Запись проверена: модуль содержит записанные данные</source>
        <translation>* Write verified: the module holds the written data</translation>
    </message>
    <message>
        <source>* Модуль содержит записанные данные: запись принята</source>
        <translation>* The module holds the written data: the write was accepted</translation>
    </message>
    <message>
        <source>! Модуль содержит прежние данные: запись не принята</source>
        <translation>! The module holds the previous data: the write was not accepted</translation>
    </message>
    <message>
        <source>! Модуль содержит другие данные: %1 (записано %2)</source>
        <translation>! The module holds different data: %1 (written %2)</translation>
    </message>
    <message>
        <source>! Блок после записи не прочитан: запись не проверена</source>
        <translation>! The block was not read after the write: the write is not verified</translation>
    </message>
    <message>
        <source>! Запрос не подтверждён пользователем и не отправлен</source>
        <translation>! The request was not confirmed by the user and was not sent</translation>
    </message>
    <message>
        <source>%1, адрес %2, блок %3</source>
        <translation>%1, address %2, block %3</translation>
    </message>
    <message>
        <source>Восстановление блока</source>
        <translation>Restoring a block</translation>
    </message>
    <message>
        <source>Стирание кодов ошибок</source>
        <translation>Clearing trouble codes</translation>
    </message>
    <message>
        <source>Коды ошибок будут стёрты в модулях:</source>
        <translation>Trouble codes will be cleared in these modules:</translation>
    </message>
    <message>
        <source>Перезагрузка модуля</source>
        <translation>Restarting a module</translation>
    </message>
    <message>
        <source>! Запрос записи отклонён (%1): ничего не отправлено</source>
        <translation>! Write request refused (%1): nothing was sent</translation>
    </message>
    <message>
        <source>! Модуль содержит %1, а не записанное этой записью: восстановление не выполнено</source>
        <translation>! The module holds %1, not what this entry wrote: nothing was restored</translation>
    </message>
    <message>
        <source>Модуль содержит не то, что записала эта запись: блок изменён после неё</source>
        <translation>The module does not hold what this entry wrote: the block has changed since</translation>
    </message>
    <message>
        <source>! Блок модуля изменился после подтверждения: запись не выполнена</source>
        <translation>! The module&apos;s block changed after you confirmed: nothing was written</translation>
    </message>
    <message>
        <source>Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)</source>
        <translation>This module holds the VIN %1: it may come from another car (the car&apos;s VIN is %2)</translation>
    </message>
    <message>
        <source>Не будет записан: %1</source>
        <translation>Will not be written: %1</translation>
    </message>
    <message>
        <source>! Запись журнала повреждена: она не восстанавливается</source>
        <translation>! The journal entry is damaged: it is not restored</translation>
    </message>
    <message>
        <source>! Запись журнала сделана на другом автомобиле (VIN %1): она не восстанавливается</source>
        <translation>! The journal entry was made on another car (VIN %1): it is not restored</translation>
    </message>
    <message>
        <source>! Эта запись журнала ничего не изменила: восстанавливать нечего</source>
        <translation>! This journal entry changed nothing: there is nothing to restore</translation>
    </message>
    <message>
        <source>! Эта запись журнала уже отменена</source>
        <translation>! This journal entry has already been undone</translation>
    </message>
    <message>
        <source>* Запись журнала от %1 уточнена: модуль содержит записанные тогда данные</source>
        <translation>* Journal entry of %1 settled: the module holds the data written then</translation>
    </message>
    <message>
        <source>* Запись журнала от %1 уточнена: модуль содержит прежние данные</source>
        <translation>* Journal entry of %1 settled: the module holds the previous data</translation>
    </message>
    <message>
        <source>! Журнал записей: %1</source>
        <translation>! Write journal: %1</translation>
    </message>
    <message>
        <source>модуль с адресом «%1» неизвестен</source>
        <translation>no known module at address “%1”</translation>
    </message>
    <message>
        <source>блок «%1» - не две шестнадцатеричные цифры</source>
        <translation>block “%1” is not two hexadecimal digits</translation>
    </message>
    <message>
        <source>данные - не целые шестнадцатеричные байты</source>
        <translation>the data is not whole hexadecimal bytes</translation>
    </message>
    <message>
        <source>Блоков к записи: %1</source>
        <translation>Blocks to write: %1</translation>
    </message>
    <message>
        <source>Записать, хотя блок изменился после записи журнала</source>
        <translation>Write although the block has changed since the journal entry</translation>
    </message>
    <message>
        <source>! Блок модуля изменился после чтения (%1): запись не выполнена</source>
        <translation>! The module&apos;s block changed since it was read (%1): not written</translation>
    </message>
    <message>
        <source>Отмена записи нескольких блоков вместе: %1</source>
        <translation>Undoing several blocks together: %1</translation>
    </message>
    <message>
        <source>! Открыт модуль %1, а не %2: запрос не отправлен</source>
        <translation>! Module %1 is open, not %2: the request was not sent</translation>
    </message>
    <message>
        <source>Модуль перезагрузится: его функции остановятся на несколько секунд</source>
        <translation>The module reboots: its functions stop for a few seconds</translation>
    </message>
    <message>
        <source>! Блок для записи длиной %1, а модуль содержит %2: запись не выполнена</source>
        <translation>! The block to write is %1 long, but the module holds %2: nothing written</translation>
    </message>
    <message>
        <source>Длина отличается: модуль содержит %1, записывается %2</source>
        <translation>The length differs: the module holds %1, the write has %2</translation>
    </message>
    <message numerus="yes">
        <source>%n байт</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Резервной копии этого автомобиля ещё нет: сначала сделать её</source>
        <translation>No backup of this car yet: back up first</translation>
    </message>
    <message>
        <source>! Резервная копия не сделана (%1): запись не выполнена</source>
        <translation>! The backup was not taken (%1): nothing written</translation>
    </message>
    <message>
        <source>* Модуль занят сохранением блока (7F 3B 78): блок читается повторно</source>
        <translation>* The module is busy storing the block (7F 3B 78): the block is read again</translation>
    </message>
    <message>
        <source>! Модуль ответил «занят, ответ следует» (7F 3B 78), а ответ не пришёл: модуль мог принять запись</source>
        <translation>! The module answered &quot;busy, the answer follows&quot; (7F 3B 78), and no answer came: the module may have taken the write</translation>
    </message>
    <message>
        <source>! Модуль был занят и через %1 с содержит прежние данные: запись не подтверждена; её итог уточнит следующее чтение блока</source>
        <translation>! The module was busy and after %1 s holds its previous data: the write is not confirmed; the next reading of the block will settle it</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: %1</source>
        <translation>! Connection to the adapter lost: %1</translation>
    </message>
    <message>
        <source>ничего не записано</source>
        <translation>nothing written</translation>
    </message>
    <message>
        <source>записано и проверено: %1</source>
        <translation>written and checked: %1</translation>
    </message>
    <message>
        <source>запись отправлена, но не проверена (модуль мог её принять): %1; итог уточнит следующее чтение блока</source>
        <translation>the write went out but was not checked (the module may have taken it): %1; the next reading of the block will settle it</translation>
    </message>
    <message>
        <source>не записано: %1</source>
        <translation>not written: %1</translation>
    </message>
    <message>
        <source>! Резервная копия неполна: %1; ничего не записано</source>
        <translation>! The backup is incomplete: %1; nothing written</translation>
    </message>
    <message>
        <source>! Пакет отменяется только целиком, а %1 %2: ничего не записано</source>
        <translation>! A batch is undone only as a whole: %1 %2; nothing written</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>was not read</translation>
    </message>
    <message>
        <source>изменён после записи</source>
        <translation>was changed since the write</translation>
    </message>
    <message>
        <source>меняет параметры файла описания без доверия</source>
        <translation>changes options of an untrusted description file</translation>
    </message>
    <message>
        <source>содержит блок другой длины</source>
        <translation>holds a block of another length</translation>
    </message>
    <message>
        <source>! Запись журнала сделана при другом подключении, когда VIN автомобиля не был прочитан: она не восстанавливается</source>
        <translation>! The journal entry was made in another connection, when the car&apos;s VIN was not read: it is not restored</translation>
    </message>
    <message>
        <source>Параметры из файла описания %1 (SHA-256 %2)</source>
        <translation>Options from the description file %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>! Модуль с адресом %1 сейчас неизвестен (файл его описания не загружен): ничего не восстановлено</source>
        <translation>! The module at address %1 is not known now (its description file is not loaded): nothing was restored</translation>
    </message>
    <message>
        <source>! Запись меняет параметры из файла описания %1, которому нет доверия: ничего не записано. Доверие файлу даётся галочкой в окне «Файлы описаний…» (кнопка на вкладке «Конфигурация» и в окне настроек подключения; в командной строке: talmero-cli modules trust ФАЙЛ, или --trust ФАЙЛ для одной команды)</source>
        <translation>! The write changes options of the description file %1, which is not trusted: nothing was written. A file is trusted by its tick in the &quot;Description files…&quot; window (a button on the Configuration tab and in the connection settings window; on the command line: talmero-cli modules trust FILE, or --trust FILE for one command)</translation>
    </message>
</context>
<context>
    <name>talmero::app::ConfirmDialog</name>
    <message>
        <source>Сейчас:  </source>
        <translation>Current: </translation>
    </message>
    <message>
        <source>
Будет:   </source>
        <translation>
New:     </translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Стереть</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>&amp;Перезагрузить</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>&amp;Записать</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Аккумулятор: %1 В</source>
        <translation>Battery: %1 V</translation>
    </message>
</context>
<context>
    <name>talmero::app::DtcTable</name>
    <message>
        <source>Код</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Нажмите «%1», чтобы прочитать коды ошибок всех модулей</source>
        <translation>Press “%1” to read the trouble codes of every module</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>VIN %1</source>
        <translation>VIN %1</translation>
    </message>
    <message>
        <source>идёт чтение…</source>
        <translation>reading…</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>not answering</translation>
    </message>
    <message>
        <source>ошибок нет</source>
        <translation>no codes</translation>
    </message>
    <message>
        <source>ошибок: %1</source>
        <translation>codes: %1</translation>
    </message>
    <message>
        <source>список кодов не прочитан</source>
        <translation>list of codes not read</translation>
    </message>
    <message>
        <source>Коды стёрты. Прочитайте их ещё раз, чтобы убедиться, что они не вернулись.</source>
        <translation>The codes were cleared. Read them again to make sure they have not come back.</translation>
    </message>
    <message>
        <source>Прочитано при прошлом подключении (%1) — возможно, у другой машины</source>
        <translation>Read over the previous connection (%1), perhaps from another car</translation>
    </message>
    <message>
        <source>программа</source>
        <translation>program</translation>
    </message>
    <message>
        <source>ваш файл</source>
        <translation>your file</translation>
    </message>
    <message>
        <source>Запрашивает ли код лампу неисправности; горит ли она сейчас, модуль здесь не сообщает</source>
        <translation>Whether the code asks for the warning lamp; whether the lamp is lit now, the module does not say here</translation>
    </message>
    <message>
        <source>Байт состояния кода, как его прислал модуль</source>
        <translation>The code’s status byte as the module sent it</translation>
    </message>
</context>
<context>
    <name>talmero::app::LivePanel</name>
    <message>
        <source>Reading parameters online: OBD-II</source>
        <translation>Reading parameters online: OBD-II</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Идёт чтение</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>* Чтение параметров двигателя начато</source>
        <translation>* Engine data reading started</translation>
    </message>
    <message>
        <source>* Чтение параметров двигателя остановлено</source>
        <translation>* Engine data reading stopped</translation>
    </message>
    <message>
        <source>Остановка…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>До шести параметров двигателя каждую секунду; графики за последние 5 минут</source>
        <translation>Up to six engine values every second; plots of the last 5 minutes</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Какие параметры читать и показывать (до шести)</source>
        <translation>Which values to read and show (up to six)</translation>
    </message>
    <message>
        <source>Запись...</source>
        <translation>Record...</translation>
    </message>
    <message>
        <source>Записывать каждое чтение в файл CSV</source>
        <translation>Write every reading to a CSV file</translation>
    </message>
    <message>
        <source>Двигатель этого автомобиля не сообщает этот параметр</source>
        <translation>This car&apos;s engine does not report this value</translation>
    </message>
    <message>
        <source>! Двигатель не сообщает параметры: %1</source>
        <translation>! The engine does not report: %1</translation>
    </message>
    <message>
        <source>! Запись показаний прервана: %1</source>
        <translation>! Recording stopped: %1</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>! Файл не открыт для записи: </source>
        <translation>! The file could not be opened for writing: </translation>
    </message>
    <message>
        <source>* Запись показаний в файл %1</source>
        <translation>* Recording the readings to %1</translation>
    </message>
    <message numerus="yes">
        <source>* Запись показаний остановлена: %n строк в файле %1</source>
        <translation>
            <numerusform>* Recording stopped: %n row in %1</numerusform>
            <numerusform>* Recording stopped: %n rows in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Открыть запись...</source>
        <translation>Open recording...</translation>
    </message>
    <message>
        <source>Показать на графиках показания, записанные раньше в файл CSV</source>
        <translation>Show values recorded earlier to a CSV file in the plots</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>! Запись %1 не открыта: %2</source>
        <translation>! Recording %1 not opened: %2</translation>
    </message>
    <message>
        <source>Запись %1: строк %2</source>
        <translation>Recording %1: %2 rows</translation>
    </message>
    <message>
        <source>; показаны первые %1 параметров из %2</source>
        <translation>; the first %1 of %2 values shown</translation>
    </message>
    <message>
        <source>; пропущено строк без времени: %1</source>
        <translation>; rows without a time skipped: %1</translation>
    </message>
    <message>
        <source>; неизвестные столбцы: %1</source>
        <translation>; unknown columns: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::LivePlot</name>
    <message>
        <source>секунды от начала чтения</source>
        <translation>seconds since the reading started</translation>
    </message>
    <message>
        <source>%1: %2 (последнее в записи)</source>
        <translation>%1: %2 (last in the recording)</translation>
    </message>
    <message>
        <source>секунды от начала записи</source>
        <translation>seconds since the recording started</translation>
    </message>
</context>
<context>
    <name>talmero::app::ReadinessView</name>
    <message>
        <source>Проверить готовность</source>
        <translation>Check readiness</translation>
    </message>
    <message>
        <source>Спросить блок управления двигателем, какие проверки систем завершены (OBD-II)</source>
        <translation>Ask the engine control module which emission monitors have completed (OBD-II)</translation>
    </message>
    <message>
        <source>Готовность показывает, завершил ли двигатель свои проверки систем после стирания кодов; с незавершёнными проверками автомобиль может не пройти техосмотр.</source>
        <translation>Readiness shows whether the engine has finished its self-tests since the codes were cleared; with monitors incomplete the car may fail an inspection.</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>С момента стирания кодов</source>
        <translation>Since codes cleared</translation>
    </message>
    <message>
        <source>В текущем цикле</source>
        <translation>This driving cycle</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormAsBuilt</name>
    <message>
        <source>TALMERO (AS-BUILT)</source>
        <translation>TALMERO (AS-BUILT)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>pozostale wiersze AS-BUILT nie zmienione...</source>
        <translation>The other AS-BUILT lines stay as they are.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy the line&apos;s data to the clipboard</source>
        <translation>Copy the line&apos;s data to the clipboard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copied</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormBluetoothSearch</name>
    <message>
        <source>Search for Bluetooth adapters</source>
        <translation>Search for Bluetooth adapters</translation>
    </message>
    <message>
        <source>Looking for Bluetooth adapters. Plug the adapter into the car and switch the ignition on.</source>
        <translation>Looking for Bluetooth adapters. Plug the adapter into the car and switch the ignition on.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nothing found yet.</source>
        <translation>Nothing found yet.</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Found:</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormCalc</name>
    <message>
        <source>TALMERO (Kalkulator BIN-HEX)</source>
        <translation>TALMERO (BIN-HEX calculator)</translation>
    </message>
    <message>
        <source>Zamknac okno zapisu</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Enter: take the value.
Escape: keep %1</source>
        <translation>Enter: take the value.
Escape: keep %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormCompare</name>
    <message>
        <source>same</source>
        <translation>same</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>differs</translation>
    </message>
    <message>
        <source>left only</source>
        <translation>left only</translation>
    </message>
    <message>
        <source>right only</source>
        <translation>right only</translation>
    </message>
    <message>
        <source>(not chosen)</source>
        <translation>(not chosen)</translation>
    </message>
    <message>
        <source>TALMERO - Compare configurations</source>
        <translation>TALMERO - Compare configurations</translation>
    </message>
    <message>
        <source>Left file…</source>
        <translation>Left file…</translation>
    </message>
    <message>
        <source>Right file…</source>
        <translation>Right file…</translation>
    </message>
    <message>
        <source>The car</source>
        <translation>The car</translation>
    </message>
    <message>
        <source>Read the car now, as a backup reads it, without writing a file</source>
        <translation>Read the car now, as a backup reads it, without writing a file</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>The car was not read: the log says why.</source>
        <translation>The car was not read: the log says why.</translation>
    </message>
    <message>
        <source>the car, read now</source>
        <translation>the car, read now</translation>
    </message>
    <message>
        <source> (not read: %1)</source>
        <translation> (not read: %1)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>The VINs differ: left %1, right %2</source>
        <translation>The VINs differ: left %1, right %2</translation>
    </message>
    <message>
        <source>VIN on both sides: %1</source>
        <translation>VIN on both sides: %1</translation>
    </message>
    <message>
        <source> (not configuration)</source>
        <translation> (not configuration)</translation>
    </message>
    <message>
        <source>Both sides hold the same blocks.</source>
        <translation>Both sides hold the same blocks.</translation>
    </message>
    <message>
        <source>Blocks that differ or are on one side only: %1 of %2.</source>
        <translation>Blocks that differ or are on one side only: %1 of %2.</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormDtcHistory</name>
    <message>
        <source>TALMERO - Прочитанные коды ошибок</source>
        <translation>TALMERO - Trouble code readings</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Сохранить выбранное чтение в текстовый файл или CSV</source>
        <translation>Save the selected reading as a text or CSV file</translation>
    </message>
    <message>
        <source>! История чтений недоступна: </source>
        <translation>! The reading history is unavailable: </translation>
    </message>
    <message>
        <source>Чтений: %1, новые сверху</source>
        <translation>Readings: %1, newest first</translation>
    </message>
    <message>
        <source>Текст (*.txt);;CSV (*.csv)</source>
        <translation>Text (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>! Файл не сохранён: </source>
        <translation>! The file was not saved: </translation>
    </message>
    <message>
        <source>Чтение сохранено: %1</source>
        <translation>Reading saved: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormHistory</name>
    <message>
        <source>TALMERO - History of writes</source>
        <translation>TALMERO - History of writes</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Old → new</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Write the entry&apos;s old content back to the module</source>
        <translation>Write the entry&apos;s old content back to the module</translation>
    </message>
    <message>
        <source>! Журнал записей недоступен: </source>
        <translation>! The write journal is unavailable: </translation>
    </message>
    <message>
        <source>Writes to the car %1, newest first: %2</source>
        <translation>Writes to the car %1, newest first: %2</translation>
    </message>
    <message>
        <source>неизвестно: ответ модуля не получен, модуль мог принять запись</source>
        <translation>unknown: no answer came, the module may have taken the write</translation>
    </message>
    <message>
        <source>записано и проверено</source>
        <translation>written and verified</translation>
    </message>
    <message>
        <source>принято, но модуль содержит другие данные</source>
        <translation>accepted, but the module holds other data</translation>
    </message>
    <message>
        <source>модуль отказал</source>
        <translation>refused by the module</translation>
    </message>
    <message>
        <source>не принято: модуль содержит прежние данные</source>
        <translation>not taken: the module holds its previous data</translation>
    </message>
    <message>
        <source>отменено пользователем</source>
        <translation>cancelled by the user</translation>
    </message>
    <message>
        <source>модуль уже содержал эти данные</source>
        <translation>the module already held this data</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>done</translation>
    </message>
    <message>
        <source>перезагрузка</source>
        <translation>restart</translation>
    </message>
    <message>
        <source>стирание кодов ошибок</source>
        <translation>trouble codes cleared</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>; отменено восстановлением</source>
        <translation>; undone by a restore</translation>
    </message>
    <message>
        <source>повреждённая запись журнала: не восстанавливается</source>
        <translation>damaged journal entry: not restored</translation>
    </message>
    <message>
        <source>; восстановление</source>
        <translation>; restore</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks together (#%1)</source>
        <translation>
            <numerusform>%n block together (#%1)</numerusform>
            <numerusform>%n blocks together (#%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>; другое подключение, VIN автомобиля не был прочитан</source>
        <translation>; another connection, the car&apos;s VIN was not read</translation>
    </message>
    <message>
        <source>Options changed</source>
        <translation>Options changed</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormMain</name>
    <message>
        <source>Ошибка записи файла </source>
        <translation>Could not write the file </translation>
    </message>
    <message>
        <source>Make backup copies of the settings of the car</source>
        <translation>Make backup copies of the settings of the car</translation>
    </message>
    <message>
        <source>Current VIN</source>
        <translation>Current VIN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop the backup; no file is written</source>
        <translation>Stop the backup; no file is written</translation>
    </message>
    <message>
        <source>Change connection settings</source>
        <translation>Change connection settings</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Additional</translation>
    </message>
    <message>
        <source>Write log</source>
        <translation>Write log</translation>
    </message>
    <message>
        <source>* Открыт порт </source>
        <translation>* Opened port </translation>
    </message>
    <message>
        <source>* Вход в OFFLINE режим</source>
        <translation>* Working offline</translation>
    </message>
    <message>
        <source>* Порт закрыт</source>
        <translation>* Port closed</translation>
    </message>
    <message>
        <source>* Выход из OFFLINE режима</source>
        <translation>* Offline mode ended</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Module %1 of %2: %3</translation>
    </message>
    <message>
        <source>* Остановка: окно закроется, когда закончится текущая операция</source>
        <translation>* Stopping: the window closes once the operation under way has ended</translation>
    </message>
    <message>
        <source>Модули</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>Back up car</source>
        <translation>Back up car</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <source>Empty the log window; the car is not touched</source>
        <translation>Empty the log window; the car is not touched</translation>
    </message>
    <message>
        <source>Не выполнено: подробности в логе</source>
        <translation>Not done: the log says why</translation>
    </message>
    <message>
        <source>Резервная копия сохранена: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Лог сохранён: %1</source>
        <translation>Log saved: %1</translation>
    </message>
    <message>
        <source>%1; резервная копия сохранена: %2</source>
        <translation>%1; backup saved: %2</translation>
    </message>
    <message>
        <source>нет соединения</source>
        <translation>not connected</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormModuleFiles</name>
    <message>
        <source>Module description files</source>
        <translation>Module description files</translation>
    </message>
    <message>
        <source>Read at start from:
%1
An option from a file shows on its page at once; it is written only when you trust the file. A file that changed since is not trusted.</source>
        <translation>Read at start from:
%1
An option from a file shows on its page at once; it is written only when you trust the file. A file that changed since is not trusted.</translation>
    </message>
    <message>
        <source>Trusted file</source>
        <translation>Trusted file</translation>
    </message>
    <message>
        <source>Title, or why it was refused</source>
        <translation>Title, or why it was refused</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Module description files: none</source>
        <translation>Module description files: none</translation>
    </message>
    <message>
        <source>Module description files: %1 loaded, %2 refused</source>
        <translation>Module description files: %1 loaded, %2 refused</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormRestore</name>
    <message>
        <source>Every ticked module gets the blocks below; each block is read again, written, read back and recorded. The first block that fails ends the restore.</source>
        <translation>Every ticked module gets the blocks below; each block is read again, written, read back and recorded. The first block that fails ends the restore.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Not written: %1</translation>
    </message>
    <message>
        <source>Battery %1 V</source>
        <translation>Battery %1 V</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The car was not read: nothing was written.</source>
        <translation>The car was not read: nothing was written.</translation>
    </message>
    <message>
        <source>These are another car&apos;s settings: write them to this car</source>
        <translation>These are another car&apos;s settings: write them to this car</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormStart</name>
    <message>
        <source>TALMERO (Interface Settings)</source>
        <translation>TALMERO (Interface Settings)</translation>
    </message>
    <message>
        <source>VIN Car</source>
        <translation>Car VIN</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Communication port</translation>
    </message>
    <message>
        <source>update port COM</source>
        <translation>Refresh the port list</translation>
    </message>
    <message>
        <source>Mode communication</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Lowest battery voltage for writes</source>
        <translation>Lowest battery voltage for writes</translation>
    </message>
    <message>
        <source>Nothing is written to a module while the adapter measures less than this</source>
        <translation>Nothing is written to a module while the adapter measures less than this</translation>
    </message>
    <message>
        <source>Connect - online</source>
        <translation>Connect - online</translation>
    </message>
    <message>
        <source>Disconnect - offline</source>
        <translation>Disconnect - offline</translation>
    </message>
    <message>
        <source>A virtual car inside the program: try every function without an adapter or a car</source>
        <translation>A virtual car inside the program: try every function without an adapter or a car</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Language (from the next start)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>no communication with the ELM327 (You can use the AS-BUILT for the selectedmodule)</source>
        <translation>no communication with the ELM327 (You can use the AS-BUILT for the selected module)</translation>
    </message>
    <message>
        <source>Bus switching</source>
        <translation>Bus switching</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Prompt (switch on the adapter)</source>
        <translation>Prompt (switch on the adapter)</translation>
    </message>
    <message>
        <source>Built-in (STN)</source>
        <translation>Built-in (STN)</translation>
    </message>
    <message>
        <source>Relay on RTS</source>
        <translation>Relay on RTS</translation>
    </message>
    <message>
        <source>Relay on DTR</source>
        <translation>Relay on DTR</translation>
    </message>
    <message>
        <source>Relay on RTS (inverted)</source>
        <translation>Relay on RTS (inverted)</translation>
    </message>
    <message>
        <source>Relay on DTR (inverted)</source>
        <translation>Relay on DTR (inverted)</translation>
    </message>
    <message>
        <source>Automatic: an adapter with the medium-speed bus built in (STN chip) is switched by its own commands, any other adapter by the switch on it, with a prompt</source>
        <translation>Automatic: an adapter with the medium-speed bus built in (STN chip) is switched by its own commands, any other adapter by the switch on it, with a prompt</translation>
    </message>
    <message>
        <source>Неверный VIN код!
VIN — это 17 знаков: латинские буквы и цифры, без I, O и Q.
Если VIN автомобиля неизвестен, выберите 17 нулей (%1) в начале списка VIN.</source>
        <translation>Invalid VIN!
A VIN has 17 characters: letters and digits, without I, O and Q.
If the car&apos;s VIN is unknown, choose the seventeen zeros (%1) at the top of the VIN list.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>An adapter reached over Wi-Fi: connect the computer to the adapter&apos;s network first. Another address can be typed as HOST:PORT</source>
        <translation>An adapter reached over Wi-Fi: connect the computer to the adapter&apos;s network first. Another address can be typed as HOST:PORT</translation>
    </message>
    <message>
        <source>A Wi-Fi adapter has no baud rate</source>
        <translation>A Wi-Fi adapter has no baud rate</translation>
    </message>
    <message>
        <source>Подключение к %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>Description files…</source>
        <translation>Description files…</translation>
    </message>
    <message>
        <source>Search for Bluetooth adapters…</source>
        <translation>Search for Bluetooth adapters…</translation>
    </message>
    <message>
        <source>Looks for Bluetooth adapters around for about ten seconds. A Classic adapter must be paired once (bluetoothctl, PIN 1234 or 0000)</source>
        <translation>Looks for Bluetooth adapters around for about ten seconds. A Classic adapter must be paired once (bluetoothctl, PIN 1234 or 0000)</translation>
    </message>
    <message>
        <source>A Bluetooth adapter has no baud rate</source>
        <translation>A Bluetooth adapter has no baud rate</translation>
    </message>
    <message>
        <source>Русский перевод: команда TALMERO</source>
        <translation>English translation: the TALMERO team</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabConfiguration</name>
    <message>
        <source>Из строки AS-BUILT</source>
        <translation>From an AS-BUILT line</translation>
    </message>
    <message>
        <source>Из файла:</source>
        <translation>From file:</translation>
    </message>
    <message>
        <source>Так страница показывает его, пока оно не прочитано из машины или не записано</source>
        <translation>The page shows this until it is read from the car or written</translation>
    </message>
    <message>
        <source>* Страница %1 очищена: модуль %2 изменён другой записью; прочитайте конфигурацию снова</source>
        <translation>* Page %1 emptied: module %2 was changed by another write; read the configuration again</translation>
    </message>
    <message>
        <source>Конфигурация прочитана: %1</source>
        <translation>Configuration read: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabDiagnostics</name>
    <message>
        <source>Diagnostic errors in modules</source>
        <translation>Diagnostic errors in modules</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Crear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop the reading after the module being read</source>
        <translation>Stop the reading after the module being read</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Module %1 of %2: %3</translation>
    </message>
    <message>
        <source>История...</source>
        <translation>History...</translation>
    </message>
    <message>
        <source>Все сохранённые чтения кодов ошибок; экспорт в текст или CSV</source>
        <translation>Every trouble code reading kept; export as text or CSV</translation>
    </message>
    <message>
        <source>! Чтение кодов не сохранено в истории: %1</source>
        <translation>! The trouble code reading was not saved in the history: %1</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Копировать как текст</source>
        <translation>Copy as text</translation>
    </message>
    <message>
        <source>Все чтения этого окна текстом, в буфер обмена</source>
        <translation>Every reading of this window as text, to the clipboard</translation>
    </message>
    <message>
        <source>Стереть коды ошибок в модулях автомобиля; сначала спрашивает</source>
        <translation>Clear the trouble codes in the car&apos;s modules; asks first</translation>
    </message>
    <message>
        <source>Готовность</source>
        <translation>Readiness</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabModules</name>
    <message>
        <source>Опросить</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Спросить каждый модуль, отвечает ли он, и прочитать VIN, который он хранит (сначала высокая шина, потом средняя)</source>
        <translation>Ask every module whether it answers and read the VIN it holds (the high-speed bus first, then the medium-speed bus)</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Остановить опрос после модуля, который опрашивается сейчас</source>
        <translation>Stop the scan after the module being asked now</translation>
    </message>
    <message>
        <source>Модуль</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Шина</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation>Trouble codes</translation>
    </message>
    <message>
        <source>отвечает</source>
        <translation>answers</translation>
    </message>
    <message>
        <source>отказал в сеансе</source>
        <translation>refused the session</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>not answering</translation>
    </message>
    <message>
        <source>не опрошен</source>
        <translation>not asked</translation>
    </message>
    <message>
        <source>не выдан</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>не прочитаны</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>Средняя шина CAN (125 кбит/с)</source>
        <translation>Medium-speed CAN bus (125 kbit/s)</translation>
    </message>
    <message>
        <source>Высокая шина CAN (500 кбит/с)</source>
        <translation>High-speed CAN bus (500 kbit/s)</translation>
    </message>
    <message>
        <source>Модуль %1 из %2: %3</source>
        <translation>Module %1 of %2: %3</translation>
    </message>
    <message>
        <source>Новое подключение: результаты опроса %1 убраны (они могли быть от другой машины). Нажмите «Опросить».</source>
        <translation>New connection: the results of the scan of %1 were removed (they may have come from another car). Press “Scan”.</translation>
    </message>
    <message>
        <source>Этот модуль VIN не хранит</source>
        <translation>This module holds no VIN</translation>
    </message>
    <message>
        <source>Не совпадает с VIN автомобиля %1: модуль, возможно, из другой машины</source>
        <translation>Differs from the car&apos;s VIN %1: the module may come from another car</translation>
    </message>
    <message>
        <source>Нажмите «Опросить»: программа спросит каждый модуль автомобиля, отвечает ли он, и прочитает VIN, который он хранит.</source>
        <translation>Press “Scan”: the program asks every module of the car whether it answers and reads the VIN it holds.</translation>
    </message>
    <message>
        <source>ответили модулей %1 из %2</source>
        <translation>%1 of %2 modules answered</translation>
    </message>
    <message>
        <source>опрос не закончен: ответили модулей %1 из %2</source>
        <translation>scan not finished: %1 of %2 modules answered</translation>
    </message>
    <message>
        <source>VIN автомобиля %1</source>
        <translation>car&apos;s VIN %1</translation>
    </message>
    <message>
        <source>модули называют разные VIN: %1</source>
        <translation>the modules give different VINs: %1</translation>
    </message>
    <message>
        <source>Прочитайте коды ошибок на вкладке диагностики</source>
        <translation>Read the trouble codes on the diagnostics tab</translation>
    </message>
    <message>
        <source>Из чтения кодов %1 на вкладке диагностики</source>
        <translation>From the trouble-code reading of %1 on the diagnostics tab</translation>
    </message>
    <message>
        <source>Коды стёрты; прочитайте их снова на вкладке диагностики</source>
        <translation>The codes were cleared; read them again on the diagnostics tab</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabService</name>
    <message>
        <source>Restart module</source>
        <translation>Restart module</translation>
    </message>
    <message>
        <source> Type module </source>
        <translation> Module </translation>
    </message>
    <message>
        <source> Read code VIN </source>
        <translation> Read VIN code </translation>
    </message>
    <message>
        <source>Read module</source>
        <translation>Read module</translation>
    </message>
    <message>
        <source>Allow to change the address in the code VIN</source>
        <translation>Allow changing the address of the VIN code</translation>
    </message>
    <message>
        <source> Manual configuration </source>
        <translation> Manual configuration </translation>
    </message>
    <message>
        <source>Read from module</source>
        <translation>Read from module</translation>
    </message>
    <message>
        <source>Allow change the BIN-HEX calculator</source>
        <translation>Click to edit in the BIN-HEX calculator</translation>
    </message>
    <message>
        <source>Allow to change the address configuration</source>
        <translation>Allow changing the configuration address</translation>
    </message>
    <message>
        <source>Write to module</source>
        <translation>Write to module</translation>
    </message>
    <message>
        <source>addres</source>
        <translation>address</translation>
    </message>
    <message>
        <source>address</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Модуль перезагружен: %1</source>
        <translation>Module restarted: %1</translation>
    </message>
</context>
<context>
    <name>talmero::link::Adapter</name>
    <message>
        <source>! Запрос изменения модуля без проверки не отправлен: %1</source>
        <translation>! A module-changing request without checks was not sent: %1</translation>
    </message>
    <message>
        <source>! Команда с управляющими или непечатаемыми символами не отправлена: %1</source>
        <translation>! A command with control or non-printable characters was not sent: %1</translation>
    </message>
    <message>
        <source>* Адаптер не принимает число ответов в запросе: дальше запросы идут без него</source>
        <translation>* The adapter does not take the number of answers in a request: requests go without it from now on</translation>
    </message>
    <message>
        <source>* Модуль попросил подождать ответа (7F %1 78): запрос повторён с ещё одной строкой ответа</source>
        <translation>* The module asked to wait for its answer (7F %1 78): the request was sent again with one more answer line</translation>
    </message>
    <message>
        <source>* Адаптер не принимает запрос одной строкой (STPX): дальше заголовок и запрос идут отдельно</source>
        <translation>* The adapter does not take one-line requests (STPX): header and request go separately from now on</translation>
    </message>
</context>
<context>
    <name>talmero::link::BleChannel</name>
    <message>
        <source>без ответа</source>
        <translation>without response</translation>
    </message>
    <message>
        <source>с ответом</source>
        <translation>with response</translation>
    </message>
    <message>
        <source>* Bluetooth LE: служба %1, ответы из %2, запросы в %3 (запись %4, по %5 байт)</source>
        <translation>* Bluetooth LE: service %1, answers from %2, requests to %3 (write %4, %5 bytes a piece)</translation>
    </message>
    <message>
        <source>; служба выбрана по её характеристикам</source>
        <translation>; the service was chosen by its characteristics</translation>
    </message>
    <message>
        <source>адаптер подключился, но его службы не прочитаны за %1 с</source>
        <translation>the adapter connected, but its services were not read within %1 s</translation>
    </message>
    <message>
        <source>у характеристики %1 нет дескриптора 2902, уведомления не включить</source>
        <translation>the characteristic %1 has no 2902 descriptor: its notifications cannot be switched on</translation>
    </message>
    <message>
        <source>адаптер не включил уведомления характеристики %1</source>
        <translation>the adapter did not switch on the notifications of the characteristic %1</translation>
    </message>
</context>
<context>
    <name>talmero::link::SerialChannel</name>
    <message>
        <source>Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.</source>
        <translation>Could not open the port: %1 is in use by another program. Close it and connect again.</translation>
    </message>
    <message>
        <source>Ошибка настройки параметров порта</source>
        <translation>Could not set the port parameters</translation>
    </message>
    <message>
        <source>Ошибка сброса порта</source>
        <translation>Could not reset the port</translation>
    </message>
    <message>
        <source>* Порт %1: драйвер не включил режим малой задержки; адаптер с микросхемой FTDI будет задерживать каждый ответ до 16 мс</source>
        <translation>* Port %1: the driver did not switch low latency on; an adapter with an FTDI chip will hold each answer back for up to 16 ms</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: порт не указан</source>
        <translation>Could not open the port: no port given</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: устройства %1 нет. Проверьте, что адаптер подключён, и выберите его порт в списке (кнопка рядом со списком обновляет его).</source>
        <translation>Could not open the port: there is no device %1. Check that the adapter is plugged in and choose its port in the list (the button beside the list refreshes it).</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: нет прав доступа к %1.
В Linux добавьте пользователя в группу dialout (sudo adduser $USER dialout), затем выйдите из системы и войдите снова.</source>
        <translation>Could not open the port: no permission to use %1.
On Linux, add your user to the dialout group (sudo adduser $USER dialout), then log out and log in again.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: %1 — не последовательный порт.</source>
        <translation>Could not open the port: %1 is not a serial port.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта %1</source>
        <translation>Could not open the port %1</translation>
    </message>
</context>
<context>
    <name>talmero::link::TcpChannel</name>
    <message>
        <source>Адрес %1 не найден. Проверьте адрес адаптера Wi-Fi (часто 192.168.0.10:35000).</source>
        <translation>Address %1 was not found. Check the Wi-Fi adapter&apos;s address (often 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Адаптер по адресу %1 отказал в соединении. Проверьте номер порта (часто 35000 или 23) и что к адаптеру не подключена другая программа.</source>
        <translation>The adapter at %1 refused the connection. Check the port number (often 35000 or 23) and that no other program is connected to the adapter.</translation>
    </message>
    <message>
        <source>По адресу %1 никто не ответил за %2 с. Проверьте, что компьютер подключён к сети Wi-Fi адаптера, что адрес верен и что адаптер получает питание (включите зажигание).</source>
        <translation>Nothing answered at %1 within %2 s. Check that the computer is connected to the adapter&apos;s Wi-Fi network, that the address is right and that the adapter is powered (switch the ignition on).</translation>
    </message>
    <message>
        <source>Не удалось подключиться к адаптеру по адресу %1: %2</source>
        <translation>Could not connect to the adapter at %1: %2</translation>
    </message>
</context>
</TS>
