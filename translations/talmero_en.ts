<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AsBuilt</name>
    <message>
        <source>Неверный адрес строки AS-BUILT</source>
        <translation>Wrong AS-BUILT line address</translation>
    </message>
    <message>
        <source>Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр</source>
        <translation>Invalid character “%1”: the line consists of hexadecimal digits</translation>
    </message>
    <message>
        <source>Неверная длина строки: %1 цифр, нужно %2 (данные и контрольная сумма)</source>
        <translation>Wrong line length: %1 digits, %2 needed (data and checksum)</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма %1, ожидается %2</source>
        <translation>Wrong checksum %1, expected %2</translation>
    </message>
</context>
<context>
    <name>AsBuiltConversion</name>
    <message>
        <source>Заполните строку с указанным адресом и нажмите OK</source>
        <translation>Fill in the line with the address shown and press OK</translation>
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
        <translation>! Wrong AS-BUILT line</translation>
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
        <translation>! Wrong file structure:
</translation>
    </message>
    <message>
        <source>Неверная структура файла:
</source>
        <translation>Wrong file structure:
</translation>
    </message>
    <message>
        <source>! Нет данных о модуле</source>
        <translation>! No data for the module</translation>
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
        <source>нет ответа, модуль содержит прежние данные</source>
        <translation>no answer, the module holds its old content</translation>
    </message>
    <message>
        <source>после записи модуль содержит другие данные</source>
        <translation>after the write the module holds other content</translation>
    </message>
    <message>
        <source>* Восстановлены и проверены: </source>
        <translation>* Restored and checked: </translation>
    </message>
    <message>
        <source>! Не восстановлен: </source>
        <translation>! Not restored: </translation>
    </message>
    <message>
        <source>! Не записывались: </source>
        <translation>! Not written: </translation>
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
        <source>! Журнал записей был повреждён и отложен как %1</source>
        <translation>! The write journal was damaged and has been set aside as %1</translation>
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
        <source>! Неверный ответ модуля</source>
        <translation>! Wrong answer from the module</translation>
    </message>
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
    <name>Dialogs</name>
    <message>
        <source>Folder for the backup</source>
        <translation>Backup folder</translation>
    </message>
</context>
<context>
    <name>DtcModules</name>
    <message>
        <source>Модуль управления двигателем (PCM):</source>
        <translation>Engine control module (PCM):</translation>
    </message>
    <message>
        <source>Панель приборов (IPC):</source>
        <translation>Instrument cluster (IPC):</translation>
    </message>
    <message>
        <source>Модуль ABS/ESP (ABS):</source>
        <translation>ABS/ESP module (ABS):</translation>
    </message>
    <message>
        <source>Модуль управления головным светом (HCM):</source>
        <translation>Headlamp control module (HCM):</translation>
    </message>
    <message>
        <source>Модуль ЭГУР (PSCM):</source>
        <translation>Electric power steering module (PSCM):</translation>
    </message>
    <message>
        <source>GEM модуль (BCM):</source>
        <translation>GEM module (BCM):</translation>
    </message>
    <message>
        <source>Водительский дверной модуль (DDM):</source>
        <translation>Driver door module (DDM):</translation>
    </message>
    <message>
        <source>Пассажирский дверной модуль (PDM):</source>
        <translation>Passenger door module (PDM):</translation>
    </message>
    <message>
        <source>Модуль климат-контроля (HVAC):</source>
        <translation>Climate control module (HVAC):</translation>
    </message>
    <message>
        <source>Модуль подушек/ремней безопасности (RCM):</source>
        <translation>Airbag/seat belt module (RCM):</translation>
    </message>
    <message>
        <source>Аудиомодуль (ACM):</source>
        <translation>Audio module (ACM):</translation>
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
        <translation>Mondeo III (4-door)</translation>
    </message>
    <message>
        <source>3 door hatchback</source>
        <translation>3-door hatchback</translation>
    </message>
    <message>
        <source>Sedan</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>5 door hatchback</source>
        <translation>5-door hatchback</translation>
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
        <translation> Model </translation>
    </message>
    <message>
        <source>Car flap</source>
        <translation>Sunroof</translation>
    </message>
    <message>
        <source> Body </source>
        <translation> Body style </translation>
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
        <translation>One-touch for all windows</translation>
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
        <translation>Flash when deadlocking on 1 press</translation>
    </message>
    <message>
        <source>Deadlock on 1 press of remote</source>
        <translation>Deadlock on 1 press of remote</translation>
    </message>
    <message>
        <source>2 stage car opening</source>
        <translation>Two-stage unlocking</translation>
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
        <translation>Not active on the 3-door</translation>
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
        <translation>Auxiliary heater (fuel)</translation>
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
        <translation>Rear wiper in reverse (2 wipes)</translation>
    </message>
    <message>
        <source>Outside temp sensor</source>
        <translation>Outside temperature sensor</translation>
    </message>
    <message>
        <source>Cancel scan of interior climate</source>
        <translation>Cancel interior climate scan</translation>
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
        <translation>The optional automatic climate control is disabled</translation>
    </message>
    <message>
        <source>Additional heater (PTC)</source>
        <translation>Auxiliary heater (PTC)</translation>
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
        <translation>Pre-FL</translation>
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
        <translation>ESP (shown in the menu)</translation>
    </message>
    <message>
        <source>Instant fuel</source>
        <translation>Instant fuel consumption</translation>
    </message>
    <message>
        <source>Voice control</source>
        <translation>Voice control</translation>
    </message>
    <message>
        <source>Tire pressure warning (DDS)</source>
        <translation>Tyre pressure warning (DDS)</translation>
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
        <translation>Only the chime is turned off (the LED stays lit); the same option is in the RCM module</translation>
    </message>
    <message>
        <source>Reversing sound</source>
        <translation>Reversing beep</translation>
    </message>
    <message>
        <source>Activate the module BCM i PCM</source>
        <translation>Also enable in the BCM and PCM modules</translation>
    </message>
    <message>
        <source>IVD sys.(pre FL)</source>
        <translation>IVD system (pre-FL)</translation>
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
        <translation>Real engine temperature</translation>
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
        <translation>Simulated engine temperature</translation>
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
        <translation>Radio RDS/CD</translation>
    </message>
    <message>
        <source>Info from phone</source>
        <translation>Phone information</translation>
    </message>
    <message>
        <source>Fuel consumpt. km/l</source>
        <translation>Fuel consumption in km/l</translation>
    </message>
    <message>
        <source>Gear shift change light</source>
        <translation>Gear shift indicator</translation>
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
        <translation>Standard mirrors (facelift)</translation>
    </message>
    <message>
        <source>If you turn the mirrors, will be governed by the diagonal</source>
        <translation>When on, the mirrors are controlled diagonally</translation>
    </message>
    <message>
        <source>management of passenger central locking</source>
        <translation>Passenger central locking control</translation>
    </message>
    <message>
        <source>folding mirrors (facelift)</source>
        <translation>Folding mirrors (facelift)</translation>
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
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Illumination around mirrors</source>
        <translation>Mirror puddle lamps</translation>
    </message>
    <message>
        <source>Module pre FaceLift</source>
        <translation>Pre-facelift module</translation>
    </message>
    <message>
        <source>FaceLift - ordinary glass</source>
        <translation>Facelift - standard glass</translation>
    </message>
    <message>
        <source>FaceLift - reflective glass IR</source>
        <translation>Facelift - IR-reflective glass</translation>
    </message>
    <message>
        <source>FaceLift - panoramic roof / cabriolet</source>
        <translation>Facelift - panoramic roof / convertible</translation>
    </message>
    <message>
        <source>Other  -</source>
        <translation>Other  -</translation>
    </message>
    <message>
        <source> Configuration module </source>
        <translation> Module configuration </translation>
    </message>
    <message>
        <source>Pre FaceLift (do 2008)</source>
        <translation>Pre-facelift (up to 2008)</translation>
    </message>
    <message>
        <source>FaceLift (2008-2010)</source>
        <translation>Facelift (2008-2010)</translation>
    </message>
    <message>
        <source>FaceLift (2010-....)</source>
        <translation>Facelift (2010-....)</translation>
    </message>
    <message>
        <source> Type module </source>
        <translation> Module type </translation>
    </message>
    <message>
        <source>Driver airbag.</source>
        <translation>Driver airbag</translation>
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
        <translation>Turns off the chime and the warning lamp; also enable in the IPC module</translation>
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
        <translation>Pre-facelift</translation>
    </message>
    <message>
        <source>FaceLift</source>
        <translation>Facelift</translation>
    </message>
    <message>
        <source>Tire pressure warning(DDS)</source>
        <translation>Tyre pressure warning (DDS)</translation>
    </message>
    <message>
        <source>ESP shutdown button</source>
        <translation>ESP off button</translation>
    </message>
    <message>
        <source>Focus II pre FaceLift</source>
        <translation>Focus II pre-facelift</translation>
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
        <translation>Focus II facelift</translation>
    </message>
    <message>
        <source>Hatchback</source>
        <translation>Hatchback</translation>
    </message>
    <message>
        <source>Reflectors HID / Xenons</source>
        <translation>HID / xenon reflectors</translation>
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
</context>
<context>
    <name>LiveData</name>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Wrong answer from the adapter</translation>
    </message>
    <message>
        <source>Напряжение - </source>
        <translation>Voltage - </translation>
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
        <translation>Both modules (DDM+PDM)</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Control panel</translation>
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
        <translation>Generate AS-BUILT</translation>
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
        <translation>* In the config file: C-Max = estate, Kuga = 5-door hatchback</translation>
    </message>
    <message>
        <source> Configuration of 2 parts</source>
        <translation> Configuration in 2 parts</translation>
    </message>
    <message>
        <source> Read module </source>
        <translation> Read from module </translation>
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
</context>
<context>
    <name>RestorePlan</name>
    <message>
        <source>%1, блок %2: не прочитан из автомобиля</source>
        <translation>%1, block %2: not read from the car</translation>
    </message>
    <message>
        <source>%1, блок %2: в файле %3 байт, модуль содержит %4 байт</source>
        <translation>%1, block %2: the file holds %3 bytes, the module %4 bytes</translation>
    </message>
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
</context>
<context>
    <name>ServiceTab</name>
    <message>
        <source>не поддерживается</source>
        <translation>not supported</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Wrong answer from the module</translation>
    </message>
    <message>
        <source>Вторая часть конфигурации модуля BCM находится по адресу &quot;04&quot;</source>
        <translation>The second part of the BCM module configuration is at address &quot;04&quot;</translation>
    </message>
    <message>
        <source>Информации о VIN коде модуль не содержит</source>
        <translation>The module holds no VIN information</translation>
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
        <translation>! Wrong answer from the adapter</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Error</translation>
    </message>
    <message>
        <source>! Модуль не ответил или отсутствует</source>
        <translation>! The module did not answer or is not fitted</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>* Считывание кодов ошибок, ждите...</source>
        <translation>* Reading trouble codes, please wait...</translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Wrong answer from the adapter</translation>
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
        <source>! Модуль не ответил или отсутствует</source>
        <translation>! The module did not answer or is not fitted</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Wrong answer from the module</translation>
    </message>
    <message>
        <source>Ошибок: </source>
        <translation>Codes: </translation>
    </message>
    <message>
        <source>! Неверный ответ</source>
        <translation>! Wrong answer</translation>
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
        <translation>! The operation was not completed in full</translation>
    </message>
    <message>
        <source>* Операция выполнена</source>
        <translation>* Operation completed</translation>
    </message>
    <message>
        <source>* Стираем ошибки модуля по адресу </source>
        <translation>* Clearing the trouble codes of the module at address </translation>
    </message>
</context>
<context>
    <name>VehicleBackup</name>
    <message>
        <source>* Запущен процесс сохранения данных из модулей автомобиля, ждите...</source>
        <translation>* Saving the data of the car&apos;s modules, please wait...</translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Wrong answer from the adapter</translation>
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
        <translation>! Error saving the file in folder </translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла</source>
        <translation>! Error saving the file</translation>
    </message>
</context>
<context>
    <name>VehicleConfig</name>
    <message>
        <source>Блок модуля %1 без номера</source>
        <translation>A block of module %1 has no number</translation>
    </message>
    <message>
        <source>Блок %1 модуля %2 не является шестнадцатеричными байтами: %3</source>
        <translation>Block %1 of module %2 is not whole hexadecimal bytes: %3</translation>
    </message>
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
        <source>! Неверный ответ адаптера</source>
        <translation>! Wrong answer from the adapter</translation>
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
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>* Успешно записано</source>
        <translation>* Written successfully</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Wrong answer from the module</translation>
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
        <source>! Блок для записи длиной %1 байт, а модуль содержит %2 байт: запись не выполнена</source>
        <translation>! The block to write is %1 bytes long, but the module holds %2 bytes: nothing written</translation>
    </message>
    <message>
        <source>Длина отличается: модуль содержит %1 байт, записывается %2 байт</source>
        <translation>The length differs: the module holds %1 bytes, %2 bytes are being written</translation>
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
        <source>! Модуль с адресом %1 неизвестен</source>
        <translation>! No known module at address %1</translation>
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
        <source>! Блок модуля изменился после чтения (%1): запись не выполнена</source>
        <translation>! The module&apos;s block changed since it was read (%1): not written</translation>
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
        <translation>other AS-BUILT lines unchanged...</translation>
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
    <name>talmero::app::TFormHistory</name>
    <message>
        <source>TALMERO - History of writes</source>
        <translation>TALMERO - Write history</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Time (UTC)</translation>
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
        <source>%1 (together: #%2)</source>
        <translation>%1 (together: #%2)</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormMain</name>
    <message>
        <source>Ошибка записи файла </source>
        <translation>Error writing file </translation>
    </message>
    <message>
        <source>Make backup copies of the settings of the car</source>
        <translation>Back up the car&apos;s settings</translation>
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
        <translation>Service</translation>
    </message>
    <message>
        <source>Crear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Write log</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>* Открыт порт </source>
        <translation>* Opened port </translation>
    </message>
    <message>
        <source>* Вход в OFFLINE режим</source>
        <translation>* Entering OFFLINE mode</translation>
    </message>
    <message>
        <source>* Порт закрыт</source>
        <translation>* Port closed</translation>
    </message>
    <message>
        <source>* Выход из OFFLINE режима</source>
        <translation>* Leaving OFFLINE mode</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Module %1 of %2: %3</translation>
    </message>
    <message>
        <source>dokument tekstowy (*.txt)</source>
        <translation>Text document (*.txt)</translation>
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
        <source>Blocks no configuration page writes are never written: %1</source>
        <translation>Blocks no configuration page writes are never written: %1</translation>
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
        <source>The car already holds the file&apos;s configuration blocks.</source>
        <translation>The car already holds the file&apos;s configuration blocks.</translation>
    </message>
    <message>
        <source>The car&apos;s configuration before the restore: %1</source>
        <translation>The car&apos;s configuration before the restore: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormStart</name>
    <message>
        <source>TALMERO (Interface Settings)</source>
        <translation>TALMERO (Interface settings)</translation>
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
        <translation>Refresh the COM port list</translation>
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
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Translated program</source>
        <translation>Program translation</translation>
    </message>
    <message>
        <source>English texts: TALMERO team, 1.0</source>
        <translation>English texts: TALMERO team, 1.0</translation>
    </message>
    <message>
        <source>A virtual car inside the program: try every function without an adapter or a car</source>
        <translation>A virtual car inside the program: try every function without an adapter or a car</translation>
    </message>
    <message>
        <source>Неверный VIN код!</source>
        <translation>Invalid VIN!</translation>
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
        <translation>Work without the ELM327 (AS-BUILT lines and backup files can still be used for the selected module)</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabDiagnostics</name>
    <message>
        <source>Diagnostic errors in modules</source>
        <translation>Trouble codes in modules</translation>
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
        <translation>Stop reading after the current module</translation>
    </message>
    <message>
        <source>Reading parameters online: OBD-II</source>
        <translation>Reading live parameters: OBD-II</translation>
    </message>
    <message>
        <source>Temperature - </source>
        <translation>Temperature - </translation>
    </message>
    <message>
        <source>Engine speed - </source>
        <translation>Engine speed - </translation>
    </message>
    <message>
        <source>Voltage - </source>
        <translation>Voltage - </translation>
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
        <source>Module in development ;-)</source>
        <translation>Module in development ;-)</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Module %1 of %2: %3</translation>
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
        <translation> Read VIN </translation>
    </message>
    <message>
        <source>Read module</source>
        <translation>Read module</translation>
    </message>
    <message>
        <source>Allow to change the address in the code VIN</source>
        <translation>Allow changing the VIN address</translation>
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
</context>
<context>
    <name>talmero::link::SerialChannel</name>
    <message>
        <source>Ошибка открытия порта</source>
        <translation>Error opening the port</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: нет прав доступа к %1.
В Linux добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER), затем выйдите из системы и войдите снова.</source>
        <translation>Error opening the port: no permission to access %1.
On Linux, add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and log in again.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.</source>
        <translation>Error opening the port: %1 is in use by another program. Close it and connect again.</translation>
    </message>
    <message>
        <source>Ошибка настройки параметров порта</source>
        <translation>Error setting the port parameters</translation>
    </message>
    <message>
        <source>Ошибка сброса порта</source>
        <translation>Error resetting the port</translation>
    </message>
</context>
</TS>
