<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AsBuilt</name>
    <message>
        <source>Неверный адрес строки AS-BUILT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверная длина строки: %1 цифр, нужно %2 (данные и контрольная сумма)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверная контрольная сумма %1, ожидается %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsBuiltConversion</name>
    <message>
        <source>Заполните строку с указанным адресом и нажмите OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Прочитан AS-BUILT модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопируйте строку конфигурации для записи через IDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Сгенерирован AS-BUILT модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверная строка AS-BUILT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupOpening</name>
    <message>
        <source>Konfiguracja auta (VehicleData*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это не файл резервной копии (папка, канал или устройство):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл слишком велик для резервной копии (больше 10 МБ):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл изменился во время чтения:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не является XML-документом:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверная структура файла:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверная структура файла:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Нет данных о модуле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Нет данных о конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Просмотр файла </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Открыта конфигурация модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Блок модуля из файла не распознан: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>), блок </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блок модуля не распознаётся страницей %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новый блок не распознаётся страницей %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>! Журнал записей недоступен (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный VIN код!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Журнал записей был повреждён и отложен как %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigPanel</name>
    <message>
        <source>Изменённые параметры не записаны в модуль. Отменить изменения?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В OFFLINE режиме доступны только вкладки IPC и BCM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Чтение конфигурации из модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Запись конфигурации в модуль </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>содержит блок страницы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не записан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Водительский модуль (740) %1; пассажирский модуль (741) %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Folder for the backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DtcModules</name>
    <message>
        <source>Модуль управления двигателем (PCM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель приборов (IPC):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль ABS/ESP (ABS):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль управления головным светом (HCM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль ЭГУР (PSCM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEM модуль (BCM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Водительский дверной модуль (DDM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пассажирский дверной модуль (PDM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль климат-контроля (HVAC):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль подушек/ремней безопасности (RCM):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аудиомодуль (ACM):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>нет драйвера SQLite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка не создаётся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новый журнал не создаётся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>повреждённый файл не переименовывается</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Fabric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-Max (Kuga)*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mondeo III (4 door)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 door hatchback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sedan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 door hatchback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 woofers + 4 tweeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 woofers + 2 tweeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 woofers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rh drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upholstery </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Car </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car flap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Body </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Speakers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory alarm system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central lockint sys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 batting. pressing the button or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 batting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wst all at the touch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto locking while driving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinking whendeadlocking on 1 press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deadlock on 1 press of remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 stage car opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto heated windows activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central locking CAN control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear doors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not active in the 3-door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm siren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door CAN modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open boot on second press of remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central looking / remote control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option with module Keyless inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional heater fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heated windscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headlight washers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear window wiper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto rear wiper on revers 2 moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside temp sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel scan of interior climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xenon lights (HID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ford Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air conditioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional automatic climate control is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional heater (PTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I think foot well lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module DDM и PDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric parking brake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cruise control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module IPC и PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask drive hatch taximeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FL (08-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre FL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eguren EHPAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWD (Kuga)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESP (visibility in the menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tire pressure warning (DDS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module ABS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat belt warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the sound is turned off (LED is lit), the same option is in the module RCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversing sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module BCM i PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IVD sys.(pre FL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the module BCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washer fluid warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real engine temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not turn on if you do not have a physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus ST speedometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated engine temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off to see the actual paragraphs. (not factory except DHE-1.8/2.0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio-RDS/CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info from phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel consumpt. km/l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gear shift change light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ford ECO Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Start/Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Type dashboard </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without module (facelift)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal mirrors (facelift)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you turn the mirrors, will be governed by the diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>management of passenger central locking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folding mirrors (facelift)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear door modulel LIN (facelift)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heated mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illumination around mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module pre FaceLift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift - ordinary glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift - reflective glass IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift - panoramic roof / cabriolet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other  -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Configuration module </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre FaceLift (do 2008)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift (2008-2010)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift (2010-....)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Type module </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver airbag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side seat airbags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site curtain airbags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passenger airbag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passenger occupancy sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assenger switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Led turn of the passenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfasten without notification of seat belt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off the sound and light signaling, Activate the module IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side impact sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are required for the side airbag area. and curtain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre FaceLift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FaceLift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tire pressure warning(DDS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESP shutdown button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus II pre FaceLift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus II FaceLift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hatchback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflectors HID / Xenons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torsion of light (AFS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Несконфигурирована</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестная конфигурация</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LiveData</name>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение - </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>Панель приборов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Водительский дверной модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пассажирский дверной модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль подушек/ремней безопасности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль управления головным светом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль ЭГУР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль управления двигателем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* VIN автомобиля %1 отличается от указанного при подключении (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NegativeAnswer</name>
    <message>
        <source>общий отказ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сервис не поддерживается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>функция не поддерживается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверная длина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>условия не выполнены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вне диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>доступ запрещён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>модуль занят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Панель приборов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [Часть 1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [Часть 2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дверные CAN-модули</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [Водительский]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [Пассажирский]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль подушек/ремней без-ти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль упр-я головным светом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver (DDM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passenger (PDM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two module (DDM+PDM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read AS-BUILT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating AS-BUILT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Other </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* In the config file: C-Max-combo, Kuga-5door,hatchback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Configuration of 2 parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Read module </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Write to module </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceTab</name>
    <message>
        <source>не поддерживается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вторая часть конфигурации модуля BCM находится по адресу &quot;04&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информации о VIN коде модуль не содержит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Чтение VIN кода из модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Чтение данных по адресу </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> из модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверная строка!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный адрес!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Запись данных по адресу </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> в модуль </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Перезагрузка модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Перезагрузка отменена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Модуль перезагружен</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Переключите адаптер на среднюю шину (MSCAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переключите адаптер на высокую шину (HSCAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Операция отменена пользователем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующий модуль: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Модуль не ответил или отсутствует</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>* Считывание кодов ошибок, ждите...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: чтение ошибок прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Чтение ошибок завершено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! В модулях присутствуют ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Не прочитано модулей: %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* В модулях ошибок нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Модуль не ответил или отсутствует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибок: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1 - %2 статус: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Стирание ошибок отменено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Стираем считанные ошибки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Стирание не подтвердили модули: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Операция выполнена не полностью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Операция выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Стираем ошибки модуля по адресу </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VehicleBackup</name>
    <message>
        <source>* Запущен процесс сохранения данных из модулей автомобиля, ждите...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: файл не записан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ни один модуль не прочитан: файл не записан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! В копии нет модулей: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! В копии нет блоков: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Файл </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> сохранен в каталоге </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла в каталоге </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>* Успешно записано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Блок модуля не прочитан: запись не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Модуль уже содержит эти данные: запись не нужна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Блок для записи длиной %1 байт, а модуль содержит %2 байт: запись не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина отличается: модуль содержит %1 байт, записывается %2 байт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Запись отменена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Адаптер не сообщил напряжение бортовой сети: запись не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Журнал записей недоступен (%1): запись не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Журнал записей был повреждён и отложен как %1; начат новый журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Итог записи не внесён в журнал (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Отмена записи не внесена в журнал (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Ответ модуля на запись не получен или не понят: модуль мог принять запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Запись проверена: модуль содержит записанные данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Модуль содержит записанные данные: запись принята</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Модуль содержит прежние данные: запись не принята</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Модуль содержит другие данные: %1 (записано %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Блок после записи не прочитан: запись не проверена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Запрос не подтверждён пользователем и не отправлен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Модуль с адресом %1 неизвестен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, адрес %2, блок %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановление блока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стирание кодов ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды ошибок будут стёрты в модулях:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезагрузка модуля</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::ConfirmDialog</name>
    <message>
        <source>Стереть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезагрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сейчас:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Будет:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormAsBuilt</name>
    <message>
        <source>TALMERO (AS-BUILT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pozostale wiersze AS-BUILT nie zmienione...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormCalc</name>
    <message>
        <source>TALMERO (Kalkulator BIN-HEX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zamknac okno zapisu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormHistory</name>
    <message>
        <source>TALMERO - History of writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the entry&apos;s old content back to the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Журнал записей недоступен: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes to the car %1, newest first: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormMain</name>
    <message>
        <source>Ошибка записи файла </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make backup copies of the settings of the car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current VIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the backup; no file is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change connection settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Открыт порт </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Вход в OFFLINE режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Порт закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Выход из OFFLINE режима</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dokument tekstowy (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormStart</name>
    <message>
        <source>TALMERO (Interface Settings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIN Car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>update port COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest battery voltage for writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is written to a module while the adapter measures less than this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect - online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect - offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translated program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English texts: TALMERO team, 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A virtual car inside the program: try every function without an adapter or a car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный VIN код!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TabDiagnostics</name>
    <message>
        <source>Diagnostic errors in modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the reading after the module being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading parameters online: OBD-II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine speed - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module in development ;-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::app::TabService</name>
    <message>
        <source>Restart module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Type module </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Read code VIN </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow to change the address in the code VIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Manual configuration </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow change the BIN-HEX calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow to change the address configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to module</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::link::Adapter</name>
    <message>
        <source>! Запрос изменения модуля без проверки не отправлен: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>talmero::link::SerialChannel</name>
    <message>
        <source>Ошибка открытия порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка открытия порта: нет прав доступа к %1.
В Linux добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER), затем выйдите из системы и войдите снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка настройки параметров порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка сброса порта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
