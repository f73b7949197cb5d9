<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AsBuilt</name>
    <message numerus="yes">
        <source>Неверная длина строки: %n цифр, нужно %1 (данные и контрольная сумма)</source>
        <translation>
            <numerusform>Неверная длина строки: %n цифра, нужно %1 (данные и контрольная сумма)</numerusform>
            <numerusform>Неверная длина строки: %n цифры, нужно %1 (данные и контрольная сумма)</numerusform>
            <numerusform>Неверная длина строки: %n цифр, нужно %1 (данные и контрольная сумма)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Нет контрольной суммы: после %n цифр данных нужны ещё 2</source>
        <translation>
            <numerusform>Нет контрольной суммы: после %n цифры данных нужны ещё 2</numerusform>
            <numerusform>Нет контрольной суммы: после %n цифр данных нужны ещё 2</numerusform>
            <numerusform>Нет контрольной суммы: после %n цифр данных нужны ещё 2</numerusform>
        </translation>
    </message>
    <message>
        <source>Неверный адрес строки AS-BUILT</source>
        <translation>Неверный адрес строки AS-BUILT</translation>
    </message>
    <message>
        <source>Это строка для адреса %1, а здесь нужна строка %2</source>
        <translation>Это строка для адреса %1, а здесь нужна строка %2</translation>
    </message>
    <message>
        <source>Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр</source>
        <translation>Недопустимый символ «%1»: строка состоит из шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>Неверная контрольная сумма %1, ожидается %2</source>
        <translation>Неверная контрольная сумма %1, ожидается %2</translation>
    </message>
    <message>
        <source>Строки AS-BUILT с адресом %1 нет ни у одного модуля</source>
        <translation>Строки AS-BUILT с адресом %1 нет ни у одного модуля</translation>
    </message>
</context>
<context>
    <name>AsBuiltConversion</name>
    <message>
        <source>Заполните строку с указанным адресом и нажмите OK</source>
        <translation>Заполните строку с указанным адресом и нажмите OK</translation>
    </message>
    <message>
        <source>* Прочитан AS-BUILT модуля </source>
        <translation>* Прочитан AS-BUILT модуля </translation>
    </message>
    <message>
        <source>Скопируйте строку конфигурации для записи через IDS</source>
        <translation>Скопируйте строку конфигурации для записи через IDS</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Ошибка</translation>
    </message>
    <message>
        <source>* Сгенерирован AS-BUILT модуля </source>
        <translation>* Сгенерирован AS-BUILT модуля </translation>
    </message>
    <message>
        <source>! Неверная строка AS-BUILT</source>
        <translation>! Неверная строка AS-BUILT</translation>
    </message>
</context>
<context>
    <name>BackupFirst</name>
    <message>
        <source>файл не записан</source>
        <translation>файл не записан</translation>
    </message>
</context>
<context>
    <name>BackupOpening</name>
    <message>
        <source>Konfiguracja auta (VehicleData*.xml)</source>
        <translation>Конфигурация автомобиля (VehicleData*.xml)</translation>
    </message>
    <message>
        <source>Это не файл резервной копии (папка, канал или устройство):
</source>
        <translation>Это не файл резервной копии (папка, канал или устройство):
</translation>
    </message>
    <message>
        <source>Файл слишком велик для резервной копии (больше 10 МБ):
</source>
        <translation>Файл слишком велик для резервной копии (больше 10 МБ):
</translation>
    </message>
    <message>
        <source>Не удалось открыть файл:
</source>
        <translation>Не удалось открыть файл:
</translation>
    </message>
    <message>
        <source>Файл изменился во время чтения:
</source>
        <translation>Файл изменился во время чтения:
</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: %3</source>
        <translation>Строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>Файл не является XML-документом:
</source>
        <translation>Файл не является XML-документом:
</translation>
    </message>
    <message>
        <source>Неверная структура файла:
</source>
        <translation>Неверная структура файла:
</translation>
    </message>
    <message>
        <source>! Неверная структура файла:
</source>
        <translation>! Неверная структура файла:
</translation>
    </message>
    <message>
        <source>! Нет данных о модуле</source>
        <translation>! Нет данных о модуле</translation>
    </message>
    <message>
        <source>! Нет данных о конфигурации</source>
        <translation>! Нет данных о конфигурации</translation>
    </message>
    <message>
        <source>* Просмотр файла </source>
        <translation>* Просмотр файла </translation>
    </message>
    <message>
        <source>* Открыта конфигурация модуля </source>
        <translation>* Открыта конфигурация модуля </translation>
    </message>
    <message>
        <source>! Блок модуля из файла не распознан: </source>
        <translation>! Блок модуля из файла не распознан: </translation>
    </message>
    <message>
        <source>), блок </source>
        <translation>), блок </translation>
    </message>
</context>
<context>
    <name>BlockRead</name>
    <message>
        <source>! Адаптер сообщил %1 при чтении %2</source>
        <translation>! Адаптер сообщил %1 при чтении %2</translation>
    </message>
    <message>
        <source>! Ответ адаптера оборван (байт: %1 из %2) при чтении %3</source>
        <translation>! Ответ адаптера оборван (байт: %1 из %2) при чтении %3</translation>
    </message>
    <message>
        <source>! Ответ адаптера искажён (%1) при чтении %2</source>
        <translation>! Ответ адаптера искажён (%1) при чтении %2</translation>
    </message>
    <message>
        <source>! Адаптер не ответил при чтении %1</source>
        <translation>! Адаптер не ответил при чтении %1</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Неверный ответ модуля</translation>
    </message>
    <message>
        <source>блока %1</source>
        <translation>блока %1</translation>
    </message>
    <message>
        <source>блока %1 модуля %2</source>
        <translation>блока %1 модуля %2</translation>
    </message>
</context>
<context>
    <name>BluetoothDeviceTexts</name>
    <message>
        <source>Устройство</source>
        <translation>Устройство</translation>
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
        <translation>На этом компьютере нет Bluetooth, или не запущена служба bluetooth. Подключите адаптер Bluetooth к компьютеру или запустите службу (sudo systemctl start bluetooth).</translation>
    </message>
    <message>
        <source>Bluetooth компьютера выключен. Включите его в настройках системы (или командой bluetoothctl power on) и подключитесь снова.</source>
        <translation>Bluetooth компьютера выключен. Включите его в настройках системы (или командой bluetoothctl power on) и подключитесь снова.</translation>
    </message>
    <message>
        <source>Адаптер %1 не сопряжён с компьютером. Сопрягите его один раз: вставьте адаптер в разъём автомобиля, включите зажигание, запустите bluetoothctl и введите scan on, pair АДРЕС (PIN обычно 1234 или 0000) и trust АДРЕС.</source>
        <translation>Адаптер %1 не сопряжён с компьютером. Сопрягите его один раз: вставьте адаптер в разъём автомобиля, включите зажигание, запустите bluetoothctl и введите scan on, pair АДРЕС (PIN обычно 1234 или 0000) и trust АДРЕС.</translation>
    </message>
    <message>
        <source>Компьютер не знает устройства %1. Вставьте адаптер в разъём автомобиля, включите зажигание и найдите его: «Search for Bluetooth adapters…» в списке портов (или talmero-cli adapters search).</source>
        <translation>Компьютер не знает устройства %1. Вставьте адаптер в разъём автомобиля, включите зажигание и найдите его: «Найти адаптеры Bluetooth…» в списке портов (или talmero-cli adapters search).</translation>
    </message>
    <message>
        <source>Адаптер %1 не принял соединение. Проверьте, что он вставлен в разъём автомобиля и получает питание (включите зажигание), что он рядом с компьютером и что к нему не подключён телефон или другая программа.</source>
        <translation>Адаптер %1 не принял соединение. Проверьте, что он вставлен в разъём автомобиля и получает питание (включите зажигание), что он рядом с компьютером и что к нему не подключён телефон или другая программа.</translation>
    </message>
    <message>
        <source>Адаптер %1 не ответил за %2 с. Вероятно, он вне досягаемости или без питания: поднесите компьютер ближе, включите зажигание и подключитесь снова.</source>
        <translation>Адаптер %1 не ответил за %2 с. Вероятно, он вне досягаемости или без питания: поднесите компьютер ближе, включите зажигание и подключитесь снова.</translation>
    </message>
    <message>
        <source>У устройства %1 нет последовательного порта (SPP). Если это адаптер Bluetooth LE, подключитесь к нему как ble://%2.</source>
        <translation>У устройства %1 нет последовательного порта (SPP). Если это адаптер Bluetooth LE, подключитесь к нему как ble://%2.</translation>
    </message>
    <message>
        <source>У устройства %1 нет службы последовательного обмена (FFF0, FFE0, E7810A71 или службы с одной характеристикой уведомлений и одной для записи); его службы: %2. Если это адаптер Bluetooth Classic, подключитесь к нему как bt://%3.</source>
        <translation>У устройства %1 нет службы последовательного обмена (FFF0, FFE0, E7810A71 или службы с одной характеристикой уведомлений и одной для записи); его службы: %2. Если это адаптер Bluetooth Classic, подключитесь к нему как bt://%3.</translation>
    </message>
    <message>
        <source>Не удалось подключиться к адаптеру %1: %2</source>
        <translation>Не удалось подключиться к адаптеру %1: %2</translation>
    </message>
</context>
<context>
    <name>BusSwitchTexts</name>
    <message>
        <source>У адаптера Wi-Fi (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</source>
        <translation>У адаптера Wi-Fi (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</translation>
    </message>
    <message>
        <source>У адаптера Bluetooth (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</source>
        <translation>У адаптера Bluetooth (%1) нет линии %2: реле переключения шин работает только через последовательный порт. Выберите в настройках другой способ переключения шин.</translation>
    </message>
    <message>
        <source>Связь с адаптером %1 потеряна при подключении, адаптер не ответил. Возможно, к нему подключён телефон или другая программа: адаптер Bluetooth обслуживает одну за раз.</source>
        <translation>Связь с адаптером %1 потеряна при подключении, адаптер не ответил. Возможно, к нему подключён телефон или другая программа: адаптер Bluetooth обслуживает одну за раз.</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил через Bluetooth (%1).
Соединение установлено, но ответа адаптера нет. Проверьте, что это адаптер ELM327, а не другое устройство, и что он вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>Адаптер ELM327 не ответил через Bluetooth (%1).
Соединение установлено, но ответа адаптера нет. Проверьте, что это адаптер ELM327, а не другое устройство, и что он вставлен в разъём автомобиля и получает питание (включите зажигание).</translation>
    </message>
    <message>
        <source>Адаптер по адресу %1 закрыл соединение, не ответив. Возможно, к нему уже подключена другая программа: адаптер Wi-Fi обслуживает одну программу за раз.</source>
        <translation>Адаптер по адресу %1 закрыл соединение, не ответив. Возможно, к нему уже подключена другая программа: адаптер Wi-Fi обслуживает одну программу за раз.</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил по адресу %1.
Соединение установлено, но ответа адаптера нет. Проверьте, что это адрес адаптера Wi-Fi, а не другого устройства, и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>Адаптер ELM327 не ответил по адресу %1.
Соединение установлено, но ответа адаптера нет. Проверьте, что это адрес адаптера Wi-Fi, а не другого устройства, и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</translation>
    </message>
    <message>
        <source>Порт %1 не позволяет управлять линией %2, и реле адаптера не переключить. Выберите в настройках другой способ переключения шин.</source>
        <translation>Порт %1 не позволяет управлять линией %2, и реле адаптера не переключить. Выберите в настройках другой способ переключения шин.</translation>
    </message>
    <message>
        <source>переключатель на адаптере (по запросу)</source>
        <translation>переключатель на адаптере (по запросу)</translation>
    </message>
    <message>
        <source>встроенные команды адаптера (STN)</source>
        <translation>встроенные команды адаптера (STN)</translation>
    </message>
    <message>
        <source>реле на %1 (обратное)</source>
        <translation>реле на %1 (обратное)</translation>
    </message>
    <message>
        <source>реле на %1</source>
        <translation>реле на %1</translation>
    </message>
    <message>
        <source>средней шине (MSCAN)</source>
        <translation>средней шине (MSCAN)</translation>
    </message>
    <message>
        <source>высокой шине (HSCAN)</source>
        <translation>высокой шине (HSCAN)</translation>
    </message>
    <message>
        <source>* Адаптер: %1; переключение шин: %2</source>
        <translation>* Адаптер: %1; переключение шин: %2</translation>
    </message>
    <message>
        <source>Адаптер ELM327 не ответил на порту %1.
Проверьте, что выбран порт адаптера, что скорость %2 совпадает со скоростью адаптера (часто 38400, у USB-адаптеров нередко 115200), и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</source>
        <translation>Адаптер ELM327 не ответил на порту %1.
Проверьте, что выбран порт адаптера, что скорость %2 совпадает со скоростью адаптера (часто 38400, у USB-адаптеров нередко 115200), и что адаптер вставлен в разъём автомобиля и получает питание (включите зажигание).</translation>
    </message>
</context>
<context>
    <name>CarRestore</name>
    <message>
        <source>Восстановлены и проверены: %1</source>
        <translation>Восстановлены и проверены: %1</translation>
    </message>
    <message>
        <source>модуль не открылся</source>
        <translation>модуль не открылся</translation>
    </message>
    <message>
        <source>запись не отправлена (блок изменился после чтения, не прочитан, или проверка не пройдена)</source>
        <translation>запись не отправлена (блок изменился после чтения, не прочитан, или проверка не пройдена)</translation>
    </message>
    <message>
        <source>модуль отказал в записи</source>
        <translation>модуль отказал в записи</translation>
    </message>
    <message>
        <source>нет ответа; прочитан после записи: модуль содержит прежние данные</source>
        <translation>нет ответа; прочитан после записи: модуль содержит прежние данные</translation>
    </message>
    <message>
        <source>не прочитан после записи: что содержит модуль, неизвестно</source>
        <translation>не прочитан после записи: что содержит модуль, неизвестно</translation>
    </message>
    <message>
        <source>после записи модуль содержит другие данные</source>
        <translation>после записи модуль содержит другие данные</translation>
    </message>
    <message>
        <source>Не восстановлен: %1</source>
        <translation>Не восстановлен: %1</translation>
    </message>
    <message>
        <source>Не записывались: %1</source>
        <translation>Не записывались: %1</translation>
    </message>
    <message>
        <source>Итог записи не внесён в журнал: %1</source>
        <translation>Итог записи не внесён в журнал: %1</translation>
    </message>
    <message>
        <source>Итог восстановления</source>
        <translation>Итог восстановления</translation>
    </message>
    <message>
        <source>Конфигурация автомобиля до восстановления: %1</source>
        <translation>Конфигурация автомобиля до восстановления: %1</translation>
    </message>
    <message>
        <source>Автомобиль уже содержит блоки конфигурации из файла</source>
        <translation>Автомобиль уже содержит блоки конфигурации из файла</translation>
    </message>
    <message>
        <source>Не записан: %1</source>
        <translation>Не записан: %1</translation>
    </message>
    <message>
        <source>папка не создана</source>
        <translation>папка не создана</translation>
    </message>
    <message>
        <source>копия не читается так, как записана</source>
        <translation>копия не читается так, как записана</translation>
    </message>
    <message>
        <source>! Конфигурация автомобиля не сохранена (%1): восстановление не начато</source>
        <translation>! Конфигурация автомобиля не сохранена (%1): восстановление не начато</translation>
    </message>
    <message>
        <source>* Конфигурация автомобиля до восстановления сохранена: </source>
        <translation>* Конфигурация автомобиля до восстановления сохранена: </translation>
    </message>
    <message>
        <source>! Не прочитаны из автомобиля: %1. Восстановление не начато, ничего не записано</source>
        <translation>! Не прочитаны из автомобиля: %1. Восстановление не начато, ничего не записано</translation>
    </message>
    <message>
        <source>не прочитан из автомобиля</source>
        <translation>не прочитан из автомобиля</translation>
    </message>
    <message>
        <source>* Записывать нечего: блоки конфигурации автомобиля совпадают с файлом</source>
        <translation>* Записывать нечего: блоки конфигурации автомобиля совпадают с файлом</translation>
    </message>
    <message>
        <source>Восстановление из резервной копии</source>
        <translation>Восстановление из резервной копии</translation>
    </message>
    <message>
        <source>Восстановление автомобиля из резервной копии</source>
        <translation>Восстановление автомобиля из резервной копии</translation>
    </message>
    <message>
        <source>* Восстановление отменено: ничего не записано</source>
        <translation>* Восстановление отменено: ничего не записано</translation>
    </message>
    <message>
        <source>! Восстановление не начато: ничего не записано</source>
        <translation>! Восстановление не начато: ничего не записано</translation>
    </message>
    <message>
        <source>блок %1: %2</source>
        <translation>блок %1: %2</translation>
    </message>
    <message>
        <source>! Ничего не записано: не записываются %1</source>
        <translation>! Ничего не записано: не записываются %1</translation>
    </message>
</context>
<context>
    <name>CarVinFinder</name>
    <message>
        <source>Только один модуль дал VIN (%1), панель приборов - нет: VIN автомобиля неизвестен</source>
        <translation>Только один модуль дал VIN (%1), панель приборов - нет: VIN автомобиля неизвестен</translation>
    </message>
    <message>
        <source>Модули автомобиля расходятся в VIN (%1): VIN автомобиля неизвестен</source>
        <translation>Модули автомобиля расходятся в VIN (%1): VIN автомобиля неизвестен</translation>
    </message>
    <message>
        <source>Это нужно, чтобы перед записью прочитать VIN автомобиля из этого модуля (один раз за подключение)</source>
        <translation>Это нужно, чтобы перед записью прочитать VIN автомобиля из этого модуля (один раз за подключение)</translation>
    </message>
    <message>
        <source>Это нужно, чтобы перед стиранием кодов или перезагрузкой прочитать VIN автомобиля из этого модуля (один раз за подключение)</source>
        <translation>Это нужно, чтобы перед стиранием кодов или перезагрузкой прочитать VIN автомобиля из этого модуля (один раз за подключение)</translation>
    </message>
    <message>
        <source>Это нужно, чтобы прочитать VIN автомобиля из этого модуля и сохранить чтение кодов под ним (один раз за подключение)</source>
        <translation>Это нужно, чтобы прочитать VIN автомобиля из этого модуля и сохранить чтение кодов под ним (один раз за подключение)</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>да</source>
        <translation>да</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Блок модуля не распознаётся страницей %1</source>
        <translation>Блок модуля не распознаётся страницей %1</translation>
    </message>
    <message>
        <source>Новый блок не распознаётся страницей %1</source>
        <translation>Новый блок не распознаётся страницей %1</translation>
    </message>
    <message>
        <source>параметр из файла описания %1 (не из собственных TALMERO)</source>
        <translation>параметр из файла описания %1 (не из собственных TALMERO)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message numerus="yes">
        <source>связь с адаптером потеряна после %n чтений</source>
        <translation>
            <numerusform>связь с адаптером потеряна после %n чтения</numerusform>
            <numerusform>связь с адаптером потеряна после %n чтений</numerusform>
            <numerusform>связь с адаптером потеряна после %n чтений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n блоков</source>
        <translation>
            <numerusform>%n блок</numerusform>
            <numerusform>%n блока</numerusform>
            <numerusform>%n блоков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>в %n модулях</source>
        <translation>
            <numerusform>в %n модуле</numerusform>
            <numerusform>в %n модулях</numerusform>
            <numerusform>в %n модулях</numerusform>
        </translation>
    </message>
    <message>
        <source>последовательный порт, USB</source>
        <translation>последовательный порт, USB</translation>
    </message>
    <message>
        <source>последовательный порт</source>
        <translation>последовательный порт</translation>
    </message>
    <message>
        <source>Поиск адаптеров Bluetooth (%1 с)…</source>
        <translation>Поиск адаптеров Bluetooth (%1 с)…</translation>
    </message>
    <message>
        <source>adapters: нужен search или ничего</source>
        <translation>adapters: нужен search или ничего</translation>
    </message>
    <message>
        <source>, сопряжён</source>
        <translation>, сопряжён</translation>
    </message>
    <message>
        <source>адаптер Wi-Fi (его частый адрес)</source>
        <translation>адаптер Wi-Fi (его частый адрес)</translation>
    </message>
    <message>
        <source>демо-автомобиль, адаптер с переключателем шин</source>
        <translation>демо-автомобиль, адаптер с переключателем шин</translation>
    </message>
    <message>
        <source>демо-автомобиль, адаптер STN со встроенной шиной</source>
        <translation>демо-автомобиль, адаптер STN со встроенной шиной</translation>
    </message>
    <message>
        <source>--plain только с dtc read</source>
        <translation>--plain только с dtc read</translation>
    </message>
    <message>
        <source>read-config: нужен PAGE</source>
        <translation>read-config: нужен PAGE</translation>
    </message>
    <message>
        <source>неизвестная страница %1</source>
        <translation>неизвестная страница %1</translation>
    </message>
    <message>
        <source>%1: нужны PAGE HEX</source>
        <translation>%1: нужны PAGE HEX</translation>
    </message>
    <message>
        <source>--dash только со страницей IPC</source>
        <translation>--dash только со страницей IPC</translation>
    </message>
    <message>
        <source>этот блок не записать: страница его не принимает</source>
        <translation>этот блок не записать: страница его не принимает</translation>
    </message>
    <message>
        <source>этот блок не записать: страница его не знает</source>
        <translation>этот блок не записать: страница его не знает</translation>
    </message>
    <message>
        <source>dtc: read или clear</source>
        <translation>dtc: read или clear</translation>
    </message>
    <message>
        <source>--save только с dtc read</source>
        <translation>--save только с dtc read</translation>
    </message>
    <message>
        <source>чтение не сохранено в %1: %2</source>
        <translation>чтение не сохранено в %1: %2</translation>
    </message>
    <message>
        <source>не записать %1: %2</source>
        <translation>не записать %1: %2</translation>
    </message>
    <message>
        <source>ничего не стёрто</source>
        <translation>ничего не стёрто</translation>
    </message>
    <message>
        <source>неизвестный модуль %1</source>
        <translation>неизвестный модуль %1</translation>
    </message>
    <message>
        <source>%1: нужен MODULE</source>
        <translation>%1: нужен MODULE</translation>
    </message>
    <message>
        <source>%1: нужны MODULE ADDR</source>
        <translation>%1: нужны MODULE ADDR</translation>
    </message>
    <message>
        <source>%1: нужны MODULE ADDR HEX</source>
        <translation>%1: нужны MODULE ADDR HEX</translation>
    </message>
    <message>
        <source>в этом модуле нет VIN</source>
        <translation>в этом модуле нет VIN</translation>
    </message>
    <message>
        <source>VIN не прочитан</source>
        <translation>VIN не прочитан</translation>
    </message>
    <message>
        <source>этот модуль не перезагружается</source>
        <translation>этот модуль не перезагружается</translation>
    </message>
    <message>
        <source>перезагрузка отклонена: ничего не отправлено</source>
        <translation>перезагрузка отклонена: ничего не отправлено</translation>
    </message>
    <message>
        <source>модуль отказал в перезагрузке</source>
        <translation>модуль отказал в перезагрузке</translation>
    </message>
    <message>
        <source>ADDR - номер блока из двух шестнадцатеричных цифр</source>
        <translation>ADDR - номер блока из двух шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>блок не прочитан</source>
        <translation>блок не прочитан</translation>
    </message>
    <message>
        <source>блок не записан</source>
        <translation>блок не записан</translation>
    </message>
    <message>
        <source>backup: аргументов нет, только --dir</source>
        <translation>backup: аргументов нет, только --dir</translation>
    </message>
    <message>
        <source>модуль %1 из %2</source>
        <translation>модуль %1 из %2</translation>
    </message>
    <message>
        <source>файл не записан</source>
        <translation>файл не записан</translation>
    </message>
    <message>
        <source>VIN автомобиля не прочитан; файл назван по %1</source>
        <translation>VIN автомобиля не прочитан; файл назван по %1</translation>
    </message>
    <message>
        <source>undo: аргументов нет, только --force</source>
        <translation>undo: аргументов нет, только --force</translation>
    </message>
    <message>
        <source>VIN автомобиля не прочитан: записи других подключений под VIN %1 могут быть другого автомобиля и не отменяются</source>
        <translation>VIN автомобиля не прочитан: записи других подключений под VIN %1 могут быть другого автомобиля и не отменяются</translation>
    </message>
    <message>
        <source>отмена: %1 (вместе с остальными блоками пакета %2)</source>
        <translation>отмена: %1 (вместе с остальными блоками пакета %2)</translation>
    </message>
    <message>
        <source>отмена: %1</source>
        <translation>отмена: %1</translation>
    </message>
    <message>
        <source>ничего не восстановлено</source>
        <translation>ничего не восстановлено</translation>
    </message>
    <message>
        <source>в журнале нет неотменённой записи в автомобиль %1</source>
        <translation>в журнале нет неотменённой записи в автомобиль %1</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>неизвестная команда %1</translation>
    </message>
    <message>
        <source>--values, --seconds и --csv только с live</source>
        <translation>--values, --seconds и --csv только с live</translation>
    </message>
    <message>
        <source>--force только с undo</source>
        <translation>--force только с undo</translation>
    </message>
    <message>
        <source>Резервная копия сохранена: %1</source>
        <translation>Резервная копия сохранена: %1</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>после %1 нужно значение</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>--baud: 38400, 9600 или 115200</source>
        <translation>--baud: 38400, 9600 или 115200</translation>
    </message>
    <message>
        <source>Неверный VIN код!</source>
        <translation>Неверный VIN код!</translation>
    </message>
    <message>
        <source>--lang: en или ru</source>
        <translation>--lang: en или ru</translation>
    </message>
    <message>
        <source>--bus-switch: одно из %1</source>
        <translation>--bus-switch: одно из %1</translation>
    </message>
    <message>
        <source>--min-voltage: напряжение, например 12.0</source>
        <translation>--min-voltage: напряжение, например 12.0</translation>
    </message>
    <message>
        <source>--part: 1 или 2</source>
        <translation>--part: 1 или 2</translation>
    </message>
    <message>
        <source>--dash: fl или prefl</source>
        <translation>--dash: fl или prefl</translation>
    </message>
    <message>
        <source>--only: адреса модулей, например 720,726</source>
        <translation>--only: адреса модулей, например 720,726</translation>
    </message>
    <message>
        <source>--values: имена значений, например rpm,speed,coolant</source>
        <translation>--values: имена значений, например rpm,speed,coolant</translation>
    </message>
    <message>
        <source>неизвестное значение %1 в --values; известны: %2</source>
        <translation>неизвестное значение %1 в --values; известны: %2</translation>
    </message>
    <message>
        <source>--seconds: целое число секунд от 1 до 86400</source>
        <translation>--seconds: целое число секунд от 1 до 86400</translation>
    </message>
    <message>
        <source>--set: NAME=VALUE</source>
        <translation>--set: NAME=VALUE</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>--door: both, driver или passenger</source>
        <translation>--door: both, driver или passenger</translation>
    </message>
    <message>
        <source>--door: driver или passenger</source>
        <translation>--door: driver или passenger</translation>
    </message>
    <message>
        <source>Нажмите Enter, чтобы продолжить: </source>
        <translation>Нажмите Enter, чтобы продолжить: </translation>
    </message>
    <message>
        <source>Нажмите Enter, когда переключите, или c для отмены: </source>
        <translation>Нажмите Enter, когда переключите, или c для отмены: </translation>
    </message>
    <message>
        <source>Аккумулятор: %1 В</source>
        <translation>Аккумулятор: %1 В</translation>
    </message>
    <message>
        <source>Очистить? [y/N] </source>
        <translation>Очистить? [y/N] </translation>
    </message>
    <message>
        <source>Перезагрузить? [y/N] </source>
        <translation>Перезагрузить? [y/N] </translation>
    </message>
    <message>
        <source>Записать? [y/N] </source>
        <translation>Записать? [y/N] </translation>
    </message>
    <message>
        <source>%1: аргументов нет</source>
        <translation>%1: аргументов нет</translation>
    </message>
    <message>
        <source>%1: нужен --port</source>
        <translation>%1: нужен --port</translation>
    </message>
    <message>
        <source>%1 - не папка: ничего не записано</source>
        <translation>%1 - не папка: ничего не записано</translation>
    </message>
    <message>
        <source>папки %1 нет: ничего не записано</source>
        <translation>папки %1 нет: ничего не записано</translation>
    </message>
    <message>
        <source>compare: нужны LEFT.xml RIGHT.xml или LEFT.xml --car</source>
        <translation>compare: нужны LEFT.xml RIGHT.xml или LEFT.xml --car</translation>
    </message>
    <message>
        <source>compare --car: нужен --port</source>
        <translation>compare --car: нужен --port</translation>
    </message>
    <message>
        <source>на этой странице нет параметра %1</source>
        <translation>на этой странице нет параметра %1</translation>
    </message>
    <message>
        <source>%1 сейчас не изменить: параметр недоступен</source>
        <translation>%1 сейчас не изменить: параметр недоступен</translation>
    </message>
    <message>
        <source>%1: номер пункта от 0 до %2</source>
        <translation>%1: номер пункта от 0 до %2</translation>
    </message>
    <message>
        <source>%1: 1 или 0</source>
        <translation>%1: 1 или 0</translation>
    </message>
    <message>
        <source>dtc explain: нужны один или несколько кодов неисправностей, например P0420</source>
        <translation>dtc explain: нужны один или несколько кодов неисправностей, например P0420</translation>
    </message>
    <message>
        <source>не код неисправности: %1 (буква P, C, B или U, цифра 0-3, три шестнадцатеричные цифры)</source>
        <translation>не код неисправности: %1 (буква P, C, B или U, цифра 0-3, три шестнадцатеричные цифры)</translation>
    </message>
    <message>
        <source>Система: </source>
        <translation>Система: </translation>
    </message>
    <message>
        <source>Кто определяет: </source>
        <translation>Кто определяет: </translation>
    </message>
    <message>
        <source>Группа: </source>
        <translation>Группа: </translation>
    </message>
    <message>
        <source>Описание: </source>
        <translation>Описание: </translation>
    </message>
    <message>
        <source>Источник: </source>
        <translation>Источник: </translation>
    </message>
    <message>
        <source>описания нет, только строение кода</source>
        <translation>описания нет, только строение кода</translation>
    </message>
    <message>
        <source>history: аргументов нет, только --vin</source>
        <translation>history: аргументов нет, только --vin</translation>
    </message>
    <message>
        <source>! Журнал записей недоступен (%1)</source>
        <translation>! Журнал записей недоступен (%1)</translation>
    </message>
    <message>
        <source>--seconds и --csv только с --values</source>
        <translation>--seconds и --csv только с --values</translation>
    </message>
    <message>
        <source>модуль двигателя не сообщает %1</source>
        <translation>модуль двигателя не сообщает %1</translation>
    </message>
    <message>
        <source>modules check принимает файлы описания</source>
        <translation>modules check принимает файлы описания</translation>
    </message>
    <message>
        <source>%1 уже есть: ничего не записано</source>
        <translation>%1 уже есть: ничего не записано</translation>
    </message>
    <message>
        <source>%1 не записан: %2</source>
        <translation>%1 не записан: %2</translation>
    </message>
    <message>
        <source>Файлу описания %1 доверено (SHA-256 %2)</source>
        <translation>Файлу описания %1 доверено (SHA-256 %2)</translation>
    </message>
    <message>
        <source>файл описания %1 отклонён, доверять ему нельзя: %2</source>
        <translation>файл описания %1 отклонён, доверять ему нельзя: %2</translation>
    </message>
    <message>
        <source>%1 - не загруженный файл описания (файлы читаются из %2): ничему не доверено</source>
        <translation>%1 - не загруженный файл описания (файлы читаются из %2): ничему не доверено</translation>
    </message>
    <message>
        <source>modules trust принимает файлы описания</source>
        <translation>modules trust принимает файлы описания</translation>
    </message>
    <message>
        <source>доверие файлу описания %1 не сохранено: %2</source>
        <translation>доверие файлу описания %1 не сохранено: %2</translation>
    </message>
    <message>
        <source>modules untrust принимает файлы описания</source>
        <translation>modules untrust принимает файлы описания</translation>
    </message>
    <message>
        <source>доверие файлу описания %1 не снято: %2</source>
        <translation>доверие файлу описания %1 не снято: %2</translation>
    </message>
    <message>
        <source>Файлу описания %1 больше не доверено</source>
        <translation>Файлу описания %1 больше не доверено</translation>
    </message>
    <message>
        <source>Файлу описания %1 и не было доверено</source>
        <translation>Файлу описания %1 и не было доверено</translation>
    </message>
    <message>
        <source>! Файл описания отклонён: %1</source>
        <translation>! Файл описания отклонён: %1</translation>
    </message>
    <message>
        <source>--trust: %1 - не загруженный файл описания (файлы читаются из %2)</source>
        <translation>--trust: %1 - не загруженный файл описания (файлы читаются из %2)</translation>
    </message>
    <message>
        <source>Доверие файлу описания %1 не сохранено: команда не выполнена</source>
        <translation>Доверие файлу описания %1 не сохранено: команда не выполнена</translation>
    </message>
    <message>
        <source>modules принимает list, check, export, trust или untrust</source>
        <translation>modules принимает list, check, export, trust или untrust</translation>
    </message>
    <message>
        <source>--set только с encode</source>
        <translation>--set только с encode</translation>
    </message>
    <message>
        <source>блок не принят</source>
        <translation>блок не принят</translation>
    </message>
    <message>
        <source>этот блок можно показать, но не записать</source>
        <translation>этот блок можно показать, но не записать</translation>
    </message>
    <message>
        <source>asbuilt: decode ADDRESS DATA или encode ADDRESS HEX</source>
        <translation>asbuilt: decode ADDRESS DATA или encode ADDRESS HEX</translation>
    </message>
    <message>
        <source>строки AS-BUILT %1 нет ни у одного модуля; ADDRESS: %2</source>
        <translation>строки AS-BUILT %1 нет ни у одного модуля; ADDRESS: %2</translation>
    </message>
    <message>
        <source>asbuilt encode: нужны ADDRESS HEX</source>
        <translation>asbuilt encode: нужны ADDRESS HEX</translation>
    </message>
    <message>
        <source>open-backup: нужны FILE PAGE</source>
        <translation>open-backup: нужны FILE PAGE</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>файл не читается</translation>
    </message>
    <message>
        <source>аккумулятор %1 В</source>
        <translation>аккумулятор %1 В</translation>
    </message>
    <message>
        <source>Восстановить %1 %2? [y/N] </source>
        <translation>Восстановить %1 %2? [y/N] </translation>
    </message>
    <message>
        <source>автомобиль не прочитан</source>
        <translation>автомобиль не прочитан</translation>
    </message>
    <message>
        <source>(неизвестен: его модули расходятся, %1)</source>
        <translation>(неизвестен: его модули расходятся, %1)</translation>
    </message>
    <message>
        <source>(неизвестен: VIN дал только один модуль, %1, а панель приборов - нет)</source>
        <translation>(неизвестен: VIN дал только один модуль, %1, а панель приборов - нет)</translation>
    </message>
    <message>
        <source>(VIN не прочитан: не ответили ни панель приборов, ни ABS, ни модуль фар, ни модуль рулевого управления)</source>
        <translation>(VIN не прочитан: не ответили ни панель приборов, ни ABS, ни модуль фар, ни модуль рулевого управления)</translation>
    </message>
    <message>
        <source>файл автомобиля %1, а этот автомобиль %2: ничего не записано; --other-car переносит его настройки на этот автомобиль</source>
        <translation>файл автомобиля %1, а этот автомобиль %2: ничего не записано; --other-car переносит его настройки на этот автомобиль</translation>
    </message>
    <message>
        <source>(без VIN)</source>
        <translation>(без VIN)</translation>
    </message>
    <message>
        <source>модуль %1 не прочитан из автомобиля: ничего не записано</source>
        <translation>модуль %1 не прочитан из автомобиля: ничего не записано</translation>
    </message>
    <message>
        <source>%1; --only %2 восстанавливает остальные</source>
        <translation>%1; --only %2 восстанавливает остальные</translation>
    </message>
    <message>
        <source>ничего не записано</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>restore: нужен FILE</source>
        <translation>restore: нужен FILE</translation>
    </message>
    <message>
        <source>--only: неизвестный адрес модуля %1</source>
        <translation>--only: неизвестный адрес модуля %1</translation>
    </message>
    <message>
        <source>(или %1)</source>
        <translation>(или %1)</translation>
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
        <translation>использование: talmero-cli [--port NAME|PATH|HOST:PORT|bt://MAC|ble://MAC|demo|demo-stn]
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
</translation>
    </message>
    <message>
        <source>страница %1 не записана: %2</source>
        <translation>страница %1 не записана: %2</translation>
    </message>
</context>
<context>
    <name>ConfigPanel</name>
    <message>
        <source>Изменённые параметры не записаны в модуль. Отменить изменения?</source>
        <translation>Изменённые параметры не записаны в модуль. Отменить изменения?</translation>
    </message>
    <message>
        <source>В OFFLINE режиме доступны только вкладки IPC и BCM</source>
        <translation>В OFFLINE режиме доступны только вкладки IPC и BCM</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>* Чтение конфигурации из модуля </source>
        <translation>* Чтение конфигурации из модуля </translation>
    </message>
    <message>
        <source>Запись конфигурации</source>
        <translation>Запись конфигурации</translation>
    </message>
    <message>
        <source>* Запись конфигурации в модуль </source>
        <translation>* Запись конфигурации в модуль </translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Ошибка</translation>
    </message>
    <message>
        <source>Запись конфигурации обоих дверных модулей</source>
        <translation>Запись конфигурации обоих дверных модулей</translation>
    </message>
    <message>
        <source>содержит блок страницы</source>
        <translation>содержит блок страницы</translation>
    </message>
    <message>
        <source>не записан</source>
        <translation>не записан</translation>
    </message>
    <message>
        <source>! Водительский модуль (740) %1; пассажирский модуль (741) %2</source>
        <translation>! Водительский модуль (740) %1; пассажирский модуль (741) %2</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Wi-Fi adapter (%1)</source>
        <translation>Адаптер Wi-Fi (%1)</translation>
    </message>
    <message>
        <source>Demo car (simulated, switch)</source>
        <translation>Демо-автомобиль (переключатель)</translation>
    </message>
    <message>
        <source>Demo car (simulated, built-in bus)</source>
        <translation>Демо-автомобиль (встроенная шина)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Folder for the backup</source>
        <translation>Папка для резервной копии</translation>
    </message>
</context>
<context>
    <name>DtcDescriptions</name>
    <message>
        <source>ссылка никуда не ведёт</source>
        <translation>ссылка никуда не ведёт</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>файл больше 1 МиБ</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>текст не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>кавычка не закрыта или стоит не на месте</source>
        <translation>кавычка не закрыта или стоит не на месте</translation>
    </message>
    <message>
        <source>полей %1, а нужно %2: код, English, русский</source>
        <translation>полей %1, а нужно %2: код, English, русский</translation>
    </message>
    <message>
        <source>неверный код «%1»</source>
        <translation>неверный код «%1»</translation>
    </message>
    <message>
        <source>код %1 уже описан в строке %2</source>
        <translation>код %1 уже описан в строке %2</translation>
    </message>
    <message>
        <source>нет описания кода %1</source>
        <translation>нет описания кода %1</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1 не прочитан: %2</source>
        <translation>! Файл описаний кодов %1 не прочитан: %2</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1, строка %2 пропущена: %3</source>
        <translation>! Файл описаний кодов %1, строка %2 пропущена: %3</translation>
    </message>
    <message>
        <source>! Файл описаний кодов %1: пропущено ещё строк: %2</source>
        <translation>! Файл описаний кодов %1: пропущено ещё строк: %2</translation>
    </message>
    <message>
        <source>ru</source>
        <comment>column of the descriptions shown: ru or en</comment>
        <translation>ru</translation>
    </message>
    <message>
        <source>описание программы</source>
        <translation>описание программы</translation>
    </message>
    <message>
        <source>файл пользователя</source>
        <translation>файл пользователя</translation>
    </message>
    <message>
        <source>неверный код</source>
        <translation>неверный код</translation>
    </message>
    <message>
        <source>описания нет (общий код, %1)</source>
        <translation>описания нет (общий код, %1)</translation>
    </message>
    <message>
        <source>код производителя (%1)</source>
        <translation>код производителя (%1)</translation>
    </message>
    <message>
        <source>описания нет (зарезервированный диапазон, %1)</source>
        <translation>описания нет (зарезервированный диапазон, %1)</translation>
    </message>
</context>
<context>
    <name>DtcHistory</name>
    <message>
        <source>нет драйвера SQLite</source>
        <translation>нет драйвера SQLite</translation>
    </message>
    <message>
        <source>не создан каталог %1</source>
        <translation>не создан каталог %1</translation>
    </message>
    <message>
        <source>неполное чтение: прочитано модулей %1 из %2</source>
        <translation>неполное чтение: прочитано модулей %1 из %2</translation>
    </message>
    <message>
        <source>ошибок нет: прочитано модулей %1 из %2</source>
        <translation>ошибок нет: прочитано модулей %1 из %2</translation>
    </message>
    <message>
        <source>ошибок: %1, прочитано модулей %2 из %3</source>
        <translation>ошибок: %1, прочитано модулей %2 из %3</translation>
    </message>
    <message>
        <source>VIN %1</source>
        <translation>VIN %1</translation>
    </message>
    <message>
        <source>  не прочитан</source>
        <translation>  не прочитан</translation>
    </message>
    <message>
        <source>статус %1</source>
        <translation>статус %1</translation>
    </message>
    <message>
        <source>  список кодов не прочитан</source>
        <translation>  список кодов не прочитан</translation>
    </message>
</context>
<context>
    <name>DtcMeaning</name>
    <message>
        <source>топливовоздушная смесь и вспомогательные системы снижения токсичности</source>
        <translation>топливовоздушная смесь и вспомогательные системы снижения токсичности</translation>
    </message>
    <message>
        <source>зажигание и пропуски воспламенения</source>
        <translation>зажигание и пропуски воспламенения</translation>
    </message>
    <message>
        <source>вспомогательные системы снижения токсичности</source>
        <translation>вспомогательные системы снижения токсичности</translation>
    </message>
    <message>
        <source>блок управления и выходные цепи</source>
        <translation>блок управления и выходные цепи</translation>
    </message>
    <message>
        <source>трансмиссия</source>
        <translation>трансмиссия</translation>
    </message>
    <message>
        <source>топливовоздушная смесь</source>
        <translation>топливовоздушная смесь</translation>
    </message>
    <message>
        <source>топливовоздушная смесь (цепи форсунок)</source>
        <translation>топливовоздушная смесь (цепи форсунок)</translation>
    </message>
    <message>
        <source>скорость автомобиля, холостой ход и вспомогательные входы</source>
        <translation>скорость автомобиля, холостой ход и вспомогательные входы</translation>
    </message>
    <message>
        <source>гибридный или электрический привод</source>
        <translation>гибридный или электрический привод</translation>
    </message>
    <message>
        <source>вспомогательные входы</source>
        <translation>вспомогательные входы</translation>
    </message>
    <message>
        <source>отключение цилиндров</source>
        <translation>отключение цилиндров</translation>
    </message>
    <message>
        <source>зарезервировано ISO/SAE, значения пока не определены</source>
        <translation>зарезервировано ISO/SAE, значения пока не определены</translation>
    </message>
    <message>
        <source>электрические цепи шин связи</source>
        <translation>электрические цепи шин связи</translation>
    </message>
    <message>
        <source>связь с блоками (блок не слышен)</source>
        <translation>связь с блоками (блок не слышен)</translation>
    </message>
    <message>
        <source>совместимость программ блоков</source>
        <translation>совместимость программ блоков</translation>
    </message>
    <message>
        <source>неверные данные от блоков</source>
        <translation>неверные данные от блоков</translation>
    </message>
    <message>
        <source>силовой агрегат</source>
        <translation>силовой агрегат</translation>
    </message>
    <message>
        <source>шасси</source>
        <translation>шасси</translation>
    </message>
    <message>
        <source>кузов</source>
        <translation>кузов</translation>
    </message>
    <message>
        <source>сеть обмена данными</source>
        <translation>сеть обмена данными</translation>
    </message>
    <message>
        <source>общий код (SAE/ISO)</source>
        <translation>общий код (SAE/ISO)</translation>
    </message>
    <message>
        <source>код производителя</source>
        <translation>код производителя</translation>
    </message>
    <message>
        <source>диапазон, зарезервированный SAE/ISO: кодов в нём пока нет</source>
        <translation>диапазон, зарезервированный SAE/ISO: кодов в нём пока нет</translation>
    </message>
    <message>
        <source>при чтении не обнаружена</source>
        <translation>при чтении не обнаружена</translation>
    </message>
    <message>
        <source>сохранена, сейчас отсутствует</source>
        <translation>сохранена, сейчас отсутствует</translation>
    </message>
    <message>
        <source>непостоянная: то появляется, то пропадает</source>
        <translation>непостоянная: то появляется, то пропадает</translation>
    </message>
    <message>
        <source>присутствует сейчас</source>
        <translation>присутствует сейчас</translation>
    </message>
    <message>
        <source>запрошена</source>
        <translation>запрошена</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>запрашивает лампу неисправности</source>
        <translation>запрашивает лампу неисправности</translation>
    </message>
    <message>
        <source>лампу неисправности не запрашивает</source>
        <translation>лампу неисправности не запрашивает</translation>
    </message>
</context>
<context>
    <name>FreezeFrame</name>
    <message>
        <source>нет ответа</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>! Стоп-кадр двигателя не прочитан: ответ на 020200 «%1»</source>
        <translation>! Стоп-кадр двигателя не прочитан: ответ на 020200 «%1»</translation>
    </message>
    <message>
        <source>* Двигатель не хранит стоп-кадр</source>
        <translation>* Двигатель не хранит стоп-кадр</translation>
    </message>
    <message>
        <source>* Стоп-кадр кода %1: значений %2</source>
        <translation>* Стоп-кадр кода %1: значений %2</translation>
    </message>
    <message>
        <source>! Стоп-кадр кода %1: значений %2, не прочитано %3</source>
        <translation>! Стоп-кадр кода %1: значений %2, не прочитано %3</translation>
    </message>
    <message>
        <source>Стоп-кадр кода %1:</source>
        <translation>Стоп-кадр кода %1:</translation>
    </message>
    <message>
        <source>значений нет</source>
        <translation>значений нет</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>нет драйвера SQLite</source>
        <translation>нет драйвера SQLite</translation>
    </message>
    <message>
        <source>папка не создаётся</source>
        <translation>папка не создаётся</translation>
    </message>
    <message>
        <source>файл %1 не является журналом записей TALMERO; он не изменён</source>
        <translation>файл %1 не является журналом записей TALMERO; он не изменён</translation>
    </message>
    <message>
        <source>новый журнал не создаётся</source>
        <translation>новый журнал не создаётся</translation>
    </message>
    <message>
        <source>повреждённый файл не переименовывается</source>
        <translation>повреждённый файл не переименовывается</translation>
    </message>
    <message>
        <source>журнал открыт только для чтения</source>
        <translation>журнал открыт только для чтения</translation>
    </message>
    <message>
        <source>записи %1 в журнале нет</source>
        <translation>записи %1 в журнале нет</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Pre FaceLift</source>
        <translation>Дорестайлинг</translation>
    </message>
    <message>
        <source>FaceLift</source>
        <translation>Рестайлинг</translation>
    </message>
    <message>
        <source> Type module </source>
        <translation> Тип модуля </translation>
    </message>
    <message>
        <source>Tire pressure warning(DDS)</source>
        <translation>Контроль давления в шинах (DDS)</translation>
    </message>
    <message>
        <source>Activate the module IPC</source>
        <translation>Включите также в модуле IPC</translation>
    </message>
    <message>
        <source>ESP shutdown button</source>
        <translation>Кнопка отключения ESP</translation>
    </message>
    <message>
        <source>Fabric</source>
        <translation>Ткань</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Кожа</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Комбинированная</translation>
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
        <translation>Mondeo III (4-дверный)</translation>
    </message>
    <message>
        <source>3 door hatchback</source>
        <translation>Хэтчбек 3-дверный</translation>
    </message>
    <message>
        <source>Sedan</source>
        <translation>Седан</translation>
    </message>
    <message>
        <source>5 door hatchback</source>
        <translation>Хэтчбек 5-дверный</translation>
    </message>
    <message>
        <source>Combi</source>
        <translation>Универсал</translation>
    </message>
    <message>
        <source>4 woofers + 4 tweeters</source>
        <translation>4 НЧ-динамика + 4 ВЧ-динамика</translation>
    </message>
    <message>
        <source>4 woofers + 2 tweeters</source>
        <translation>4 НЧ-динамика + 2 ВЧ-динамика</translation>
    </message>
    <message>
        <source>4 woofers</source>
        <translation>4 НЧ-динамика</translation>
    </message>
    <message>
        <source>Rh drive</source>
        <translation>Правый руль</translation>
    </message>
    <message>
        <source>Upholstery </source>
        <translation>Обивка салона </translation>
    </message>
    <message>
        <source> Car </source>
        <translation> Модель </translation>
    </message>
    <message>
        <source>Car flap</source>
        <translation>Люк</translation>
    </message>
    <message>
        <source> Body </source>
        <translation> Кузов </translation>
    </message>
    <message>
        <source> Speakers </source>
        <translation> Динамики </translation>
    </message>
    <message>
        <source>Несконфигурирована</source>
        <translation>Несконфигурирована</translation>
    </message>
    <message>
        <source>Factory alarm system</source>
        <translation>Штатная сигнализация</translation>
    </message>
    <message>
        <source>Central lockint sys</source>
        <translation>Центральный замок</translation>
    </message>
    <message>
        <source>1 batting. pressing the button or</source>
        <translation>1 мигание при нажатии кнопки</translation>
    </message>
    <message>
        <source>2 batting</source>
        <translation>2 мигания</translation>
    </message>
    <message>
        <source>Wst all at the touch.</source>
        <translation>Все стеклоподъёмники одним касанием</translation>
    </message>
    <message>
        <source>Auto locking while driving</source>
        <translation>Автоблокировка дверей при движении</translation>
    </message>
    <message>
        <source>Dead lock</source>
        <translation>Двойная блокировка</translation>
    </message>
    <message>
        <source>Blinking whendeadlocking on 1 press</source>
        <translation>Мигание при двойной блокировке с одного нажатия</translation>
    </message>
    <message>
        <source>Deadlock on 1 press of remote</source>
        <translation>Двойная блокировка с одного нажатия пульта</translation>
    </message>
    <message>
        <source>2 stage car opening</source>
        <translation>Двухэтапное отпирание дверей</translation>
    </message>
    <message>
        <source>Auto heated windows activation</source>
        <translation>Автовключение обогрева стёкол</translation>
    </message>
    <message>
        <source>Central locking CAN control</source>
        <translation>Управление центральным замком по CAN</translation>
    </message>
    <message>
        <source>Rear doors</source>
        <translation>Задние двери</translation>
    </message>
    <message>
        <source>Not active in the 3-door</source>
        <translation>Не действует на 3-дверном кузове</translation>
    </message>
    <message>
        <source>Sensor size.</source>
        <translation>Датчик объёма</translation>
    </message>
    <message>
        <source>Alarm siren</source>
        <translation>Сирена сигнализации</translation>
    </message>
    <message>
        <source>Door CAN modules</source>
        <translation>Дверные модули CAN</translation>
    </message>
    <message>
        <source>Open boot on second press of remote</source>
        <translation>Открытие багажника вторым нажатием пульта</translation>
    </message>
    <message>
        <source>Central looking / remote control</source>
        <translation>Центральный замок / пульт</translation>
    </message>
    <message>
        <source>The option with module Keyless inactive</source>
        <translation>Не действует с модулем Keyless</translation>
    </message>
    <message>
        <source>Additional heater fuel</source>
        <translation>Дополнительный отопитель (топливный)</translation>
    </message>
    <message>
        <source>Heated windscreen</source>
        <translation>Обогрев лобового стекла</translation>
    </message>
    <message>
        <source>Headlight washers</source>
        <translation>Омыватели фар</translation>
    </message>
    <message>
        <source>Rain sensor</source>
        <translation>Датчик дождя</translation>
    </message>
    <message>
        <source>Rear window wiper</source>
        <translation>Очиститель заднего стекла</translation>
    </message>
    <message>
        <source>Auto rear wiper on revers 2 moves</source>
        <translation>Задний дворник при включении задней передачи (2 взмаха)</translation>
    </message>
    <message>
        <source>Outside temp sensor</source>
        <translation>Датчик наружной температуры</translation>
    </message>
    <message>
        <source>Cancel scan of interior climate</source>
        <translation>Отключить опрос климата в салоне</translation>
    </message>
    <message>
        <source>Xenon lights (HID)</source>
        <translation>Ксеноновые фары (HID)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Датчик освещённости</translation>
    </message>
    <message>
        <source>Ford Power</source>
        <translation>Ford Power (кнопка запуска двигателя)</translation>
    </message>
    <message>
        <source>Air conditioning</source>
        <translation>Кондиционер</translation>
    </message>
    <message>
        <source>Optional automatic climate control is disabled</source>
        <translation>Дополнительный автоматический климат-контроль отключается</translation>
    </message>
    <message>
        <source>Additional heater (PTC)</source>
        <translation>Дополнительный электроотопитель (PTC)</translation>
    </message>
    <message>
        <source>I think foot well lighting</source>
        <translation>Подсветка ног</translation>
    </message>
    <message>
        <source>Activate the module DDM и PDM</source>
        <translation>Включите также в модулях DDM и PDM</translation>
    </message>
    <message>
        <source>Electric parking brake</source>
        <translation>Электрический стояночный тормоз</translation>
    </message>
    <message>
        <source>Cruise control</source>
        <translation>Круиз-контроль</translation>
    </message>
    <message>
        <source>Activate the module IPC и PCM</source>
        <translation>Включите также в модулях IPC и PCM</translation>
    </message>
    <message>
        <source>Mask drive hatch taximeter</source>
        <translation>Маска привода люка (таксометр)</translation>
    </message>
    <message>
        <source>Without module (facelift)</source>
        <translation>Без модуля (рестайлинг)</translation>
    </message>
    <message>
        <source>Normal mirrors (facelift)</source>
        <translation>Обычные зеркала (рестайлинг)</translation>
    </message>
    <message>
        <source>If you turn the mirrors, will be governed by the diagonal</source>
        <translation>Если включено, зеркала регулируются по диагонали</translation>
    </message>
    <message>
        <source>management of passenger central locking</source>
        <translation>Управление центральным замком с двери пассажира</translation>
    </message>
    <message>
        <source>folding mirrors (facelift)</source>
        <translation>Складывание зеркал (рестайлинг)</translation>
    </message>
    <message>
        <source>Rear door modulel LIN (facelift)</source>
        <translation>Модули задних дверей по LIN (рестайлинг)</translation>
    </message>
    <message>
        <source>Heated mirrors</source>
        <translation>Обогрев зеркал</translation>
    </message>
    <message>
        <source>Direction indicators in mirrors</source>
        <translation>Повторители поворотов в зеркалах</translation>
    </message>
    <message>
        <source>Illumination around mirrors</source>
        <translation>Подсветка под зеркалами</translation>
    </message>
    <message>
        <source>Activate the module BCM</source>
        <translation>Включите также в модуле BCM</translation>
    </message>
    <message>
        <source>Focus II pre FaceLift</source>
        <translation>Focus II дорестайлинг</translation>
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
        <translation>Focus II рестайлинг</translation>
    </message>
    <message>
        <source>Other  -</source>
        <translation>Другое  -</translation>
    </message>
    <message>
        <source>Hatchback</source>
        <translation>Хэтчбек</translation>
    </message>
    <message>
        <source>Reflectors HID / Xenons</source>
        <translation>Отражатели HID / ксенон</translation>
    </message>
    <message>
        <source>Torsion of light (AFS)</source>
        <translation>Адаптивные фары (AFS)</translation>
    </message>
    <message>
        <source>Module pre FaceLift</source>
        <translation>Дорестайлинговый модуль</translation>
    </message>
    <message>
        <source>FaceLift - ordinary glass</source>
        <translation>Рестайлинг - обычное стекло</translation>
    </message>
    <message>
        <source>FaceLift - reflective glass IR</source>
        <translation>Рестайлинг - ИК-отражающее стекло</translation>
    </message>
    <message>
        <source>FaceLift - panoramic roof / cabriolet</source>
        <translation>Рестайлинг - панорамная крыша / кабриолет</translation>
    </message>
    <message>
        <source> Configuration module </source>
        <translation> Конфигурация модуля </translation>
    </message>
    <message>
        <source>FL (08-)</source>
        <translation>Рестайлинг (08-)</translation>
    </message>
    <message>
        <source>Pre FL</source>
        <translation>Дорестайлинг</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>ABS</translation>
    </message>
    <message>
        <source>Eguren EHPAS</source>
        <translation>Электрогидроусилитель руля EHPAS</translation>
    </message>
    <message>
        <source>AWD (Kuga)</source>
        <translation>Полный привод AWD (Kuga)</translation>
    </message>
    <message>
        <source>ESP (visibility in the menu)</source>
        <translation>ESP (пункт в меню)</translation>
    </message>
    <message>
        <source>Instant fuel</source>
        <translation>Мгновенный расход топлива</translation>
    </message>
    <message>
        <source>Voice control</source>
        <translation>Голосовое управление</translation>
    </message>
    <message>
        <source>Tire pressure warning (DDS)</source>
        <translation>Контроль давления в шинах (DDS)</translation>
    </message>
    <message>
        <source>Activate the module ABS</source>
        <translation>Включите также в модуле ABS</translation>
    </message>
    <message>
        <source>Seat belt warning</source>
        <translation>Напоминание о непристёгнутом ремне</translation>
    </message>
    <message>
        <source>Only the sound is turned off (LED is lit), the same option is in the module RCM</source>
        <translation>Отключается только звук (лампа горит); такая же опция есть в модуле RCM</translation>
    </message>
    <message>
        <source>Reversing sound</source>
        <translation>Звуковой сигнал задней передачи</translation>
    </message>
    <message>
        <source>Activate the module BCM i PCM</source>
        <translation>Включите также в модулях BCM и PCM</translation>
    </message>
    <message>
        <source>IVD sys.(pre FL)</source>
        <translation>Система IVD (дорестайлинг)</translation>
    </message>
    <message>
        <source>Washer fluid warning</source>
        <translation>Низкий уровень омывающей жидкости</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Real engine temp</source>
        <translation>Реальная температура двигателя</translation>
    </message>
    <message>
        <source>Does not turn on if you do not have a physical</source>
        <translation>Не включается без стрелочного указателя</translation>
    </message>
    <message>
        <source>Focus ST speedometer</source>
        <translation>Спидометр Focus ST</translation>
    </message>
    <message>
        <source>Simulated engine temp.</source>
        <translation>Условная температура двигателя</translation>
    </message>
    <message>
        <source>Off to see the actual paragraphs. (not factory except DHE-1.8/2.0)</source>
        <translation>Выключите, чтобы видеть реальные показания (с завода выключено, кроме DHE-1.8/2.0)</translation>
    </message>
    <message>
        <source>Clock display</source>
        <translation>Показ часов</translation>
    </message>
    <message>
        <source>Radio-RDS/CD</source>
        <translation>Радио RDS/CD</translation>
    </message>
    <message>
        <source>Info from phone</source>
        <translation>Сведения с телефона</translation>
    </message>
    <message>
        <source>Fuel consumpt. km/l</source>
        <translation>Расход топлива в км/л</translation>
    </message>
    <message>
        <source>Gear shift change light</source>
        <translation>Индикатор переключения передач</translation>
    </message>
    <message>
        <source>Ford ECO Mode</source>
        <translation>Ford ECO Mode</translation>
    </message>
    <message>
        <source>Auto Start/Stop</source>
        <translation>Старт-стоп</translation>
    </message>
    <message>
        <source> Type dashboard </source>
        <translation> Тип панели приборов </translation>
    </message>
    <message>
        <source>Pre FaceLift (do 2008)</source>
        <translation>Дорестайлинг (до 2008)</translation>
    </message>
    <message>
        <source>FaceLift (2008-2010)</source>
        <translation>Рестайлинг (2008-2010)</translation>
    </message>
    <message>
        <source>FaceLift (2010-....)</source>
        <translation>Рестайлинг (2010-....)</translation>
    </message>
    <message>
        <source>Driver airbag.</source>
        <translation>Подушка безопасности водителя</translation>
    </message>
    <message>
        <source>Side seat airbags</source>
        <translation>Боковые подушки в сиденьях</translation>
    </message>
    <message>
        <source>Site curtain airbags</source>
        <translation>Шторки безопасности</translation>
    </message>
    <message>
        <source>Passenger airbag</source>
        <translation>Подушка безопасности пассажира</translation>
    </message>
    <message>
        <source>Passenger occupancy sensor</source>
        <translation>Датчик присутствия пассажира</translation>
    </message>
    <message>
        <source>Assenger switch</source>
        <translation>Выключатель подушки пассажира</translation>
    </message>
    <message>
        <source>Led turn of the passenger</source>
        <translation>Лампа отключения подушки пассажира</translation>
    </message>
    <message>
        <source>Unfasten without notification of seat belt</source>
        <translation>Без напоминания о непристёгнутом ремне</translation>
    </message>
    <message>
        <source>Turn off the sound and light signaling, Activate the module IPC</source>
        <translation>Отключает звуковой и световой сигнал; включите также в модуле IPC</translation>
    </message>
    <message>
        <source>Side impact sensors</source>
        <translation>Датчики бокового удара</translation>
    </message>
    <message>
        <source>Are required for the side airbag area. and curtain</source>
        <translation>Нужны для боковых подушек и шторок</translation>
    </message>
    <message>
        <source>Неизвестная конфигурация</source>
        <translation>Неизвестная конфигурация</translation>
    </message>
</context>
<context>
    <name>LiveData</name>
    <message>
        <source>%1 мс</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Напряжение - </source>
        <translation>Напряжение - </translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Неверный ответ адаптера</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>Идентификатор калибровки</source>
        <translation>Идентификатор калибровки</translation>
    </message>
    <message>
        <source>Контрольные числа калибровки</source>
        <translation>Контрольные числа калибровки</translation>
    </message>
    <message>
        <source>Коды неисправностей</source>
        <translation>Коды неисправностей</translation>
    </message>
    <message>
        <source>Поддерживаемые параметры</source>
        <translation>Поддерживаемые параметры</translation>
    </message>
    <message>
        <source>Стандарт OBD</source>
        <translation>Стандарт OBD</translation>
    </message>
    <message>
        <source>Положение дроссельной заслонки, %</source>
        <translation>Положение дроссельной заслонки, %</translation>
    </message>
    <message>
        <source>Массовый расход воздуха</source>
        <translation>Массовый расход воздуха</translation>
    </message>
    <message>
        <source>Температура воздуха на впуске</source>
        <translation>Температура воздуха на впуске</translation>
    </message>
    <message>
        <source>Скорость автомобиля</source>
        <translation>Скорость автомобиля</translation>
    </message>
    <message>
        <source>Обороты двигателя</source>
        <translation>Обороты двигателя</translation>
    </message>
    <message>
        <source>Температура охлаждающей жидкости</source>
        <translation>Температура охлаждающей жидкости</translation>
    </message>
    <message>
        <source>Нагрузка двигателя</source>
        <translation>Нагрузка двигателя</translation>
    </message>
    <message>
        <source>Состояние систем с момента стирания кодов</source>
        <translation>Состояние систем с момента стирания кодов</translation>
    </message>
    <message>
        <source>Состояние систем в текущем цикле</source>
        <translation>Состояние систем в текущем цикле</translation>
    </message>
</context>
<context>
    <name>LiveReader</name>
    <message>
        <source>нет ответа</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>! Карта поддерживаемых параметров %1 не прочитана (%2): параметры %3..%4 не предлагаются</source>
        <translation>! Карта поддерживаемых параметров %1 не прочитана (%2): параметры %3..%4 не предлагаются</translation>
    </message>
</context>
<context>
    <name>LiveRecording</name>
    <message>
        <source>это не обычный файл</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>файла нет</translation>
    </message>
    <message>
        <source>файл больше 64 МиБ</source>
        <translation>файл больше 64 МиБ</translation>
    </message>
    <message>
        <source>это не запись показаний: нет строки заголовка</source>
        <translation>это не запись показаний: нет строки заголовка</translation>
    </message>
    <message>
        <source>в заголовке нет ни одного известного параметра</source>
        <translation>в заголовке нет ни одного известного параметра</translation>
    </message>
    <message>
        <source>файл не открыт</source>
        <translation>файл не открыт</translation>
    </message>
</context>
<context>
    <name>LiveValues</name>
    <message>
        <source>Обороты двигателя</source>
        <translation>Обороты двигателя</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>об/мин</translation>
    </message>
    <message>
        <source>Скорость автомобиля</source>
        <translation>Скорость автомобиля</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>км/ч</translation>
    </message>
    <message>
        <source>Температура охлаждающей жидкости</source>
        <translation>Температура охлаждающей жидкости</translation>
    </message>
    <message>
        <source>Температура всасываемого воздуха</source>
        <translation>Температура всасываемого воздуха</translation>
    </message>
    <message>
        <source>Расчётная нагрузка двигателя</source>
        <translation>Расчётная нагрузка двигателя</translation>
    </message>
    <message>
        <source>Положение дросселя</source>
        <translation>Положение дросселя</translation>
    </message>
    <message>
        <source>Массовый расход воздуха</source>
        <translation>Массовый расход воздуха</translation>
    </message>
    <message>
        <source>г/с</source>
        <translation>г/с</translation>
    </message>
    <message>
        <source>Кратковременная коррекция топлива, ряд 1</source>
        <translation>Кратковременная коррекция топлива, ряд 1</translation>
    </message>
    <message>
        <source>Долговременная коррекция топлива, ряд 1</source>
        <translation>Долговременная коррекция топлива, ряд 1</translation>
    </message>
    <message>
        <source>Угол опережения зажигания</source>
        <translation>Угол опережения зажигания</translation>
    </message>
    <message>
        <source>Абсолютное давление во впускном коллекторе</source>
        <translation>Абсолютное давление во впускном коллекторе</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>кПа</translation>
    </message>
    <message>
        <source>Уровень топлива</source>
        <translation>Уровень топлива</translation>
    </message>
    <message>
        <source>Напряжение блока управления</source>
        <translation>Напряжение блока управления</translation>
    </message>
    <message>
        <source>В</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Температура наружного воздуха</source>
        <translation>Температура наружного воздуха</translation>
    </message>
    <message>
        <source>Напряжение на разъёме адаптера</source>
        <translation>Напряжение на разъёме адаптера</translation>
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
        <translation>использование: %1 [-h | --help | -v | --version] [параметры окон Qt]
Читает и изменяет заводскую конфигурацию модулей Ford Focus II через адаптер ELM327.

  -h, --help     эта справка
  -v, --version  версия программы
Параметры окон Qt (-platform, -style, ...) тоже принимаются.
</translation>
    </message>
</context>
<context>
    <name>ModuleFiles</name>
    <message>
        <source>допустимая длина больше ёмкости блока</source>
        <translation>допустимая длина больше ёмкости блока</translation>
    </message>
    <message>
        <source>образец отказа выходит за блок</source>
        <translation>образец отказа выходит за блок</translation>
    </message>
    <message>
        <source>имя %1 уже занято другим элементом</source>
        <translation>имя %1 уже занято другим элементом</translation>
    </message>
    <message>
        <source>нужен хотя бы один образец блока</source>
        <translation>нужен хотя бы один образец блока</translation>
    </message>
    <message>
        <source>образец - целые байты заглавными шестнадцатеричными цифрами</source>
        <translation>образец - целые байты заглавными шестнадцатеричными цифрами</translation>
    </message>
    <message>
        <source>образец длиннее ёмкости блока</source>
        <translation>образец длиннее ёмкости блока</translation>
    </message>
    <message>
        <source>образец не принимается правилами блока</source>
        <translation>образец не принимается правилами блока</translation>
    </message>
    <message>
        <source>образец не называет состояние параметра %1</source>
        <translation>образец не называет состояние параметра %1</translation>
    </message>
    <message>
        <source>образец читается иначе: %1 = %2</source>
        <translation>образец читается иначе: %1 = %2</translation>
    </message>
    <message>
        <source>в блоке такого параметра файла нет</source>
        <translation>в блоке такого параметра файла нет</translation>
    </message>
    <message>
        <source>образец не записывается обратно теми же байтами: %1</source>
        <translation>образец не записывается обратно теми же байтами: %1</translation>
    </message>
    <message>
        <source>модуль с адресом %1 уже есть: %2</source>
        <translation>модуль с адресом %1 уже есть: %2</translation>
    </message>
    <message>
        <source>адрес %1 или его ответ совпадает с адресом или ответом модуля %2</source>
        <translation>адрес %1 или его ответ совпадает с адресом или ответом модуля %2</translation>
    </message>
    <message>
        <source>адрес %1 не может быть адресом модуля</source>
        <translation>адрес %1 не может быть адресом модуля</translation>
    </message>
    <message>
        <source>два модуля файла с одним адресом</source>
        <translation>два модуля файла с одним адресом</translation>
    </message>
    <message>
        <source>модуль с именем %1 уже есть</source>
        <translation>модуль с именем %1 уже есть</translation>
    </message>
    <message>
        <source>у модуля нет ни одного блока</source>
        <translation>у модуля нет ни одного блока</translation>
    </message>
    <message>
        <source>блок с этим номером у модуля уже есть</source>
        <translation>блок с этим номером у модуля уже есть</translation>
    </message>
    <message>
        <source>страница %1 уже есть</source>
        <translation>страница %1 уже есть</translation>
    </message>
    <message>
        <source>две стороны страницы выбирает группа переключателей страницы с двумя пунктами; у одной стороны её нет</source>
        <translation>две стороны страницы выбирает группа переключателей страницы с двумя пунктами; у одной стороны её нет</translation>
    </message>
    <message>
        <source>такого элемента на странице нет</source>
        <translation>такого элемента на странице нет</translation>
    </message>
    <message>
        <source>такого поля на странице нет</source>
        <translation>такого поля на странице нет</translation>
    </message>
    <message>
        <source>блок %1 не показан ни одной стороной страницы</source>
        <translation>блок %1 не показан ни одной стороной страницы</translation>
    </message>
    <message>
        <source>модуль %1 (%2), блоки %3, страница %4</source>
        <translation>модуль %1 (%2), блоки %3, страница %4</translation>
    </message>
    <message>
        <source>модуля с адресом %1 нет</source>
        <translation>модуля с адресом %1 нет</translation>
    </message>
    <message>
        <source>у модуля %1 нет блока конфигурации %2</source>
        <translation>у модуля %1 нет блока конфигурации %2</translation>
    </message>
    <message>
        <source>дополнение без параметров</source>
        <translation>дополнение без параметров</translation>
    </message>
    <message>
        <source>дополнение добавляет флаги и выборы по позициям</source>
        <translation>дополнение добавляет флаги и выборы по позициям</translation>
    </message>
    <message>
        <source>у дополнения нет элементов страницы</source>
        <translation>у дополнения нет элементов страницы</translation>
    </message>
    <message>
        <source>позиция %1 блока уже занята</source>
        <translation>позиция %1 блока уже занята</translation>
    </message>
    <message>
        <source>%1 (%2), блок %3: %4</source>
        <translation>%1 (%2), блок %3: %4</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>файл больше 1 МиБ</translation>
    </message>
    <message>
        <source>ссылка никуда не ведёт (или ведёт по кругу)</source>
        <translation>ссылка никуда не ведёт (или ведёт по кругу)</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>файла нет</translation>
    </message>
    <message>
        <source>это не файл</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>файл не читается: %1</translation>
    </message>
    <message>
        <source>! Файл описания отклонён: %1</source>
        <translation>! Файл описания отклонён: %1</translation>
    </message>
    <message>
        <source>Файл описания %1 (%2) загружен:</source>
        <translation>Файл описания %1 (%2) загружен:</translation>
    </message>
    <message>
        <source>текст длиннее %1 знаков</source>
        <translation>текст длиннее %1 знаков</translation>
    </message>
    <message>
        <source>управляющий символ в тексте</source>
        <translation>управляющий символ в тексте</translation>
    </message>
    <message>
        <source>пустой текст</source>
        <translation>пустой текст</translation>
    </message>
    <message>
        <source>поле обязательно</source>
        <translation>поле обязательно</translation>
    </message>
    <message>
        <source>имя элемента: латинская буква, затем до 63 латинских букв, цифр или «_»</source>
        <translation>имя элемента: латинская буква, затем до 63 латинских букв, цифр или «_»</translation>
    </message>
    <message>
        <source>ожидается строка</source>
        <translation>ожидается строка</translation>
    </message>
    <message>
        <source>образец длиннее блока</source>
        <translation>образец длиннее блока</translation>
    </message>
    <message>
        <source>позиция - целое число от 1 до %1</source>
        <translation>позиция - целое число от 1 до %1</translation>
    </message>
    <message>
        <source>больше %1 позиций</source>
        <translation>больше %1 позиций</translation>
    </message>
    <message>
        <source>номер блока - две шестнадцатеричные цифры (заглавные), например &quot;03&quot;</source>
        <translation>номер блока - две шестнадцатеричные цифры (заглавные), например &quot;03&quot;</translation>
    </message>
    <message>
        <source>адрес модуля - три шестнадцатеричные цифры от 700 до 7FF (заглавные)</source>
        <translation>адрес модуля - три шестнадцатеричные цифры от 700 до 7FF (заглавные)</translation>
    </message>
    <message>
        <source>длина - целое число от 1 до %1</source>
        <translation>длина - целое число от 1 до %1</translation>
    </message>
    <message>
        <source>не больше двух длин</source>
        <translation>не больше двух длин</translation>
    </message>
    <message>
        <source>имя модуля: 2-8 заглавных латинских букв и цифр, с буквы</source>
        <translation>имя модуля: 2-8 заглавных латинских букв и цифр, с буквы</translation>
    </message>
    <message>
        <source>имя страницы: 1-16 латинских букв, цифр или знаков + _ -</source>
        <translation>имя страницы: 1-16 латинских букв, цифр или знаков + _ -</translation>
    </message>
    <message>
        <source>у страницы одна или две стороны</source>
        <translation>у страницы одна или две стороны</translation>
    </message>
    <message>
        <source>сторона страницы называет блок, которого в файле нет</source>
        <translation>сторона страницы называет блок, которого в файле нет</translation>
    </message>
    <message>
        <source>формат %1 этой программе неизвестен: она читает формат %2</source>
        <translation>формат %1 этой программе неизвестен: она читает формат %2</translation>
    </message>
    <message>
        <source>файл описывает либо новые модули (&quot;modules&quot; и &quot;page&quot;), либо дополнение блока (&quot;extends&quot;)</source>
        <translation>файл описывает либо новые модули (&quot;modules&quot; и &quot;page&quot;), либо дополнение блока (&quot;extends&quot;)</translation>
    </message>
    <message>
        <source>у дополнения блока нет своей страницы</source>
        <translation>у дополнения блока нет своей страницы</translation>
    </message>
    <message>
        <source>параметры нового модуля стоят в его блоках</source>
        <translation>параметры нового модуля стоят в его блоках</translation>
    </message>
    <message>
        <source>нет ни одного модуля</source>
        <translation>нет ни одного модуля</translation>
    </message>
    <message>
        <source>в файле нет такого блока у модуля с этим адресом</source>
        <translation>в файле нет такого блока у модуля с этим адресом</translation>
    </message>
    <message>
        <source>не JSON: %1 (байт %2)</source>
        <translation>не JSON: %1 (байт %2)</translation>
    </message>
    <message>
        <source>ключ повторяется</source>
        <translation>ключ повторяется</translation>
    </message>
    <message>
        <source>ожидается объект JSON</source>
        <translation>ожидается объект JSON</translation>
    </message>
    <message>
        <source>ожидается целое число</source>
        <translation>ожидается целое число</translation>
    </message>
    <message>
        <source>число вне пределов %1…%2</source>
        <translation>число вне пределов %1…%2</translation>
    </message>
    <message>
        <source>ожидается true или false</source>
        <translation>ожидается true или false</translation>
    </message>
    <message>
        <source>ожидается список</source>
        <translation>ожидается список</translation>
    </message>
    <message>
        <source>ожидается одно из: %1</source>
        <translation>ожидается одно из: %1</translation>
    </message>
    <message>
        <source>такого поля в формате нет</source>
        <translation>такого поля в формате нет</translation>
    </message>
    <message>
        <source>файл %1 изменился или не читается с тех пор, как загружен</source>
        <translation>файл %1 изменился или не читается с тех пор, как загружен</translation>
    </message>
    <message>
        <source>копия не хранит блок конфигурации %1</source>
        <translation>копия не хранит блок конфигурации %1</translation>
    </message>
    <message>
        <source>последний блок копии раньше первого</source>
        <translation>последний блок копии раньше первого</translation>
    </message>
    <message>
        <source>копия хранит не больше %1 блоков модуля</source>
        <translation>копия хранит не больше %1 блоков модуля</translation>
    </message>
    <message>
        <source>модулю без диагностического сеанса, отвечающему на запрос кодов ошибок, нужен vinBlock: иначе опрос не узнает, есть ли он</source>
        <translation>модулю без диагностического сеанса, отвечающему на запрос кодов ошибок, нужен vinBlock: иначе опрос не узнает, есть ли он</translation>
    </message>
</context>
<context>
    <name>ModuleScanner</name>
    <message>
        <source>! Модуль отказал в диагностическом сеансе</source>
        <translation>! Модуль отказал в диагностическом сеансе</translation>
    </message>
    <message>
        <source>* Опрос модулей автомобиля, ждите...</source>
        <translation>* Опрос модулей автомобиля, ждите...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: опрос модулей прерван</source>
        <translation>! Связь с адаптером потеряна: опрос модулей прерван</translation>
    </message>
    <message>
        <source>* Опрос завершён: ответили модулей %1 из %2</source>
        <translation>* Опрос завершён: ответили модулей %1 из %2</translation>
    </message>
    <message>
        <source>! Опрос прерван: ответили модулей %1 из %2</source>
        <translation>! Опрос прерван: ответили модулей %1 из %2</translation>
    </message>
    <message>
        <source>в блоке %1 нет VIN</source>
        <translation>в блоке %1 нет VIN</translation>
    </message>
    <message>
        <source>VIN не выдан</source>
        <translation>VIN не выдан</translation>
    </message>
    <message>
        <source>VIN не прочитан: неверный ответ модуля</source>
        <translation>VIN не прочитан: неверный ответ модуля</translation>
    </message>
    <message>
        <source>Модуль не ответил или отсутствует</source>
        <translation>Модуль не ответил или отсутствует</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation>Модуль ABS/ESP</translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation>Аудиомодуль</translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation>GEM модуль</translation>
    </message>
    <message>
        <source>Водительский дверной модуль</source>
        <translation>Водительский дверной модуль</translation>
    </message>
    <message>
        <source>Пассажирский дверной модуль</source>
        <translation>Пассажирский дверной модуль</translation>
    </message>
    <message>
        <source>Модуль управления головным светом</source>
        <translation>Модуль управления головным светом</translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation>Модуль климат-контроля</translation>
    </message>
    <message>
        <source>Панель приборов</source>
        <translation>Панель приборов</translation>
    </message>
    <message>
        <source>Модуль управления двигателем</source>
        <translation>Модуль управления двигателем</translation>
    </message>
    <message>
        <source>Модуль ЭГУР</source>
        <translation>Модуль ЭГУР</translation>
    </message>
    <message>
        <source>Модуль подушек/ремней безопасности</source>
        <translation>Модуль подушек/ремней безопасности</translation>
    </message>
    <message>
        <source>* VIN автомобиля %1 отличается от указанного при подключении (%2)</source>
        <translation>* VIN автомобиля %1 отличается от указанного при подключении (%2)</translation>
    </message>
</context>
<context>
    <name>NegativeAnswer</name>
    <message>
        <source>общий отказ</source>
        <translation>общий отказ</translation>
    </message>
    <message>
        <source>сервис не поддерживается</source>
        <translation>сервис не поддерживается</translation>
    </message>
    <message>
        <source>функция не поддерживается</source>
        <translation>функция не поддерживается</translation>
    </message>
    <message>
        <source>неверная длина</source>
        <translation>неверная длина</translation>
    </message>
    <message>
        <source>условия не выполнены</source>
        <translation>условия не выполнены</translation>
    </message>
    <message>
        <source>вне диапазона</source>
        <translation>вне диапазона</translation>
    </message>
    <message>
        <source>доступ запрещён</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>модуль занят</source>
        <translation>модуль занят</translation>
    </message>
    <message>
        <source>код %1</source>
        <translation>код %1</translation>
    </message>
</context>
<context>
    <name>OptionPages</name>
    <message>
        <source>%1 (description file %2)</source>
        <translation>%1 (файл описания %2)</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Модуль ABS/ESP</source>
        <translation>Модуль ABS/ESP</translation>
    </message>
    <message>
        <source> Other </source>
        <translation> Прочее </translation>
    </message>
    <message>
        <source>* In the config file: C-Max-combo, Kuga-5door,hatchback</source>
        <translation>* В файле конфигурации: C-Max — универсал, Kuga — 5-дверный хэтчбек</translation>
    </message>
    <message>
        <source>Аудиомодуль</source>
        <translation>Аудиомодуль</translation>
    </message>
    <message>
        <source>Part 1</source>
        <translation>Часть 1</translation>
    </message>
    <message>
        <source>Part 2</source>
        <translation>Часть 2</translation>
    </message>
    <message>
        <source> Configuration of 2 parts</source>
        <translation> Конфигурация из 2 частей</translation>
    </message>
    <message>
        <source>GEM модуль</source>
        <translation>GEM модуль</translation>
    </message>
    <message>
        <source> [Часть 1]</source>
        <translation> [Часть 1]</translation>
    </message>
    <message>
        <source> [Часть 2]</source>
        <translation> [Часть 2]</translation>
    </message>
    <message>
        <source>Driver (DDM)</source>
        <translation>Водительский (DDM)</translation>
    </message>
    <message>
        <source>Passenger (PDM)</source>
        <translation>Пассажирский (PDM)</translation>
    </message>
    <message>
        <source>Two module (DDM+PDM)</source>
        <translation>Оба модуля (DDM+PDM)</translation>
    </message>
    <message>
        <source> Read module </source>
        <translation> Читать модуль </translation>
    </message>
    <message>
        <source> Write to module </source>
        <translation> Записать в модуль </translation>
    </message>
    <message>
        <source>Дверные CAN-модули</source>
        <translation>Дверные CAN-модули</translation>
    </message>
    <message>
        <source> [Водительский]</source>
        <translation> [Водительский]</translation>
    </message>
    <message>
        <source> [Пассажирский]</source>
        <translation> [Пассажирский]</translation>
    </message>
    <message>
        <source>Модуль упр-я головным светом</source>
        <translation>Модуль упр-я головным светом</translation>
    </message>
    <message>
        <source>Модуль климат-контроля</source>
        <translation>Модуль климат-контроля</translation>
    </message>
    <message>
        <source>Панель приборов</source>
        <translation>Панель приборов</translation>
    </message>
    <message>
        <source>Модуль подушек/ремней без-ти</source>
        <translation>Модуль подушек/ремней без-ти</translation>
    </message>
    <message>
        <source>Read configuration</source>
        <translation>Прочитать конфигурацию</translation>
    </message>
    <message>
        <source>Write configuration</source>
        <translation>Записать конфигурацию</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Прочитать из файла</translation>
    </message>
    <message>
        <source>Read AS-BUILT</source>
        <translation>Прочитать AS-BUILT</translation>
    </message>
    <message>
        <source>Generating AS-BUILT</source>
        <translation>Создать AS-BUILT</translation>
    </message>
    <message>
        <source>History of writes</source>
        <translation>История записей</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Сравнить…</translation>
    </message>
    <message>
        <source>Restore from backup…</source>
        <translation>Восстановить из копии…</translation>
    </message>
    <message>
        <source>Description files…</source>
        <translation>Файлы описаний…</translation>
    </message>
</context>
<context>
    <name>PortAddressTexts</name>
    <message>
        <source>Неверный адрес %1: после двоеточия нужен номер порта TCP от 1 до 65535 (например, 192.168.0.10:35000).</source>
        <translation>Неверный адрес %1: после двоеточия нужен номер порта TCP от 1 до 65535 (например, 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Неверный адрес %1: перед двоеточием нужен адрес адаптера (например, 192.168.0.10:35000).</source>
        <translation>Неверный адрес %1: перед двоеточием нужен адрес адаптера (например, 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Неверный адрес %1: после bt:// или ble:// нужен адрес устройства Bluetooth из шести пар шестнадцатеричных цифр (например, bt://00:1D:A5:68:98:8B).</source>
        <translation>Неверный адрес %1: после bt:// или ble:// нужен адрес устройства Bluetooth из шести пар шестнадцатеричных цифр (например, bt://00:1D:A5:68:98:8B).</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Пропуски воспламенения</source>
        <translation>Пропуски воспламенения</translation>
    </message>
    <message>
        <source>Топливная система</source>
        <translation>Топливная система</translation>
    </message>
    <message>
        <source>Прочие компоненты</source>
        <translation>Прочие компоненты</translation>
    </message>
    <message>
        <source>Каталитический нейтрализатор</source>
        <translation>Каталитический нейтрализатор</translation>
    </message>
    <message>
        <source>Подогрев нейтрализатора</source>
        <translation>Подогрев нейтрализатора</translation>
    </message>
    <message>
        <source>Система улавливания паров топлива</source>
        <translation>Система улавливания паров топлива</translation>
    </message>
    <message>
        <source>Система вторичного воздуха</source>
        <translation>Система вторичного воздуха</translation>
    </message>
    <message>
        <source>Хладагент кондиционера</source>
        <translation>Хладагент кондиционера</translation>
    </message>
    <message>
        <source>Кислородные датчики</source>
        <translation>Кислородные датчики</translation>
    </message>
    <message>
        <source>Подогрев кислородных датчиков</source>
        <translation>Подогрев кислородных датчиков</translation>
    </message>
    <message>
        <source>Рециркуляция отработавших газов и фазы ГРМ</source>
        <translation>Рециркуляция отработавших газов и фазы ГРМ</translation>
    </message>
    <message>
        <source>Катализатор углеводородов (NMHC)</source>
        <translation>Катализатор углеводородов (NMHC)</translation>
    </message>
    <message>
        <source>Нейтрализация NOx (SCR)</source>
        <translation>Нейтрализация NOx (SCR)</translation>
    </message>
    <message>
        <source>Давление наддува</source>
        <translation>Давление наддува</translation>
    </message>
    <message>
        <source>Датчики отработавших газов</source>
        <translation>Датчики отработавших газов</translation>
    </message>
    <message>
        <source>Сажевый фильтр</source>
        <translation>Сажевый фильтр</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>! Готовность систем не прочитана: двигатель ответил на 0101 «%1»</source>
        <translation>! Готовность систем не прочитана: двигатель ответил на 0101 «%1»</translation>
    </message>
    <message>
        <source>* Готовность систем: все поддерживаемые проверки завершены</source>
        <translation>* Готовность систем: все поддерживаемые проверки завершены</translation>
    </message>
    <message>
        <source>* Готовность систем: не завершены проверки: %1</source>
        <translation>* Готовность систем: не завершены проверки: %1</translation>
    </message>
    <message>
        <source>завершена</source>
        <translation>завершена</translation>
    </message>
    <message>
        <source>не завершена</source>
        <translation>не завершена</translation>
    </message>
    <message>
        <source>не выполняется в этом цикле</source>
        <translation>не выполняется в этом цикле</translation>
    </message>
    <message>
        <source>не поддерживается</source>
        <translation>не поддерживается</translation>
    </message>
    <message>
        <source>Проверки в текущем цикле поездки:</source>
        <translation>Проверки в текущем цикле поездки:</translation>
    </message>
    <message>
        <source>Проверки с момента стирания кодов:</source>
        <translation>Проверки с момента стирания кодов:</translation>
    </message>
    <message>
        <source>Лампа неисправности: %1</source>
        <translation>Лампа неисправности: %1</translation>
    </message>
    <message>
        <source>включена</source>
        <translation>включена</translation>
    </message>
    <message>
        <source>не включена</source>
        <translation>не включена</translation>
    </message>
    <message>
        <source>Кодов в памяти двигателя: %1</source>
        <translation>Кодов в памяти двигателя: %1</translation>
    </message>
    <message>
        <source>Зажигание: %1</source>
        <translation>Зажигание: %1</translation>
    </message>
    <message>
        <source>от сжатия (дизель)</source>
        <translation>от сжатия (дизель)</translation>
    </message>
    <message>
        <source>искровое</source>
        <translation>искровое</translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>%n байт</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, блок %2: в файле %3, модуль содержит %4</source>
        <translation>%1, блок %2: в файле %3, модуль содержит %4</translation>
    </message>
    <message>
        <source>%1, блок %2: блок из файла не распознаётся страницей</source>
        <translation>%1, блок %2: блок из файла не распознаётся страницей</translation>
    </message>
    <message>
        <source>неизвестен: модули расходятся (%1)</source>
        <translation>неизвестен: модули расходятся (%1)</translation>
    </message>
    <message>
        <source>неизвестен: VIN дал только один модуль (%1), панель приборов - нет</source>
        <translation>неизвестен: VIN дал только один модуль (%1), панель приборов - нет</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>не прочитан</translation>
    </message>
    <message>
        <source>! VIN в файле %1, VIN автомобиля %2: настройки другого автомобиля</source>
        <translation>! VIN в файле %1, VIN автомобиля %2: настройки другого автомобиля</translation>
    </message>
    <message>
        <source>не указан</source>
        <translation>не указан</translation>
    </message>
    <message>
        <source>! Не восстанавливается: %1 блок %2 отличается; его не записывает ни одна страница</source>
        <translation>! Не восстанавливается: %1 блок %2 отличается; его не записывает ни одна страница</translation>
    </message>
    <message>
        <source>%1, блок %2</source>
        <translation>%1, блок %2</translation>
    </message>
    <message>
        <source>Не записываются:</source>
        <translation>Не записываются:</translation>
    </message>
    <message>
        <source>Блоки, не относящиеся к конфигурации, не записываются никогда: </source>
        <translation>Блоки, не относящиеся к конфигурации, не записываются никогда: </translation>
    </message>
    <message>
        <source>! Модуль %1 не прочитан из автомобиля</source>
        <translation>! Модуль %1 не прочитан из автомобиля</translation>
    </message>
    <message>
        <source>%1: модуль из файла описания %2 (SHA-256 %3), а этот файл не загружен</source>
        <translation>%1: модуль из файла описания %2 (SHA-256 %3), а этот файл не загружен</translation>
    </message>
    <message>
        <source>%1: в копии модуль из файла описания %2, а у программы свой модуль с этим адресом</source>
        <translation>%1: в копии модуль из файла описания %2, а у программы свой модуль с этим адресом</translation>
    </message>
    <message>
        <source>%1: копия не называет файл описания модуля, а модуль записывается только с тем файлом, с которым сделана копия</source>
        <translation>%1: копия не называет файл описания модуля, а модуль записывается только с тем файлом, с которым сделана копия</translation>
    </message>
    <message>
        <source>%1: копия сделана с файлом описания %2 (SHA-256 %3), а загружен %4 (SHA-256 %5)</source>
        <translation>%1: копия сделана с файлом описания %2 (SHA-256 %3), а загружен %4 (SHA-256 %5)</translation>
    </message>
    <message>
        <source>%1: файлу описания %2 (SHA-256 %3) нет доверия</source>
        <translation>%1: файлу описания %2 (SHA-256 %3) нет доверия</translation>
    </message>
    <message>
        <source>%1, блок %2: меняются параметры файла описания без доверия: %3</source>
        <translation>%1, блок %2: меняются параметры файла описания без доверия: %3</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>Коды ошибок: чтение %1</source>
        <translation>Коды ошибок: чтение %1</translation>
    </message>
    <message>
        <source>! Модули автомобиля называют разные VIN: %1</source>
        <translation>! Модули автомобиля называют разные VIN: %1</translation>
    </message>
    <message>
        <source>! VIN автомобиля %1, а не указанный %2</source>
        <translation>! VIN автомобиля %1, а не указанный %2</translation>
    </message>
    <message>
        <source>ни один модуль не ответил: включено ли зажигание, вставлен ли адаптер в разъём?</source>
        <translation>ни один модуль не ответил: включено ли зажигание, вставлен ли адаптер в разъём?</translation>
    </message>
</context>
<context>
    <name>ServiceTab</name>
    <message>
        <source>не поддерживается</source>
        <translation>не поддерживается</translation>
    </message>
    <message>
        <source>Вторая часть конфигурации модуля BCM находится по адресу &quot;04&quot;</source>
        <translation>Вторая часть конфигурации модуля BCM находится по адресу &quot;04&quot;</translation>
    </message>
    <message>
        <source>Информации о VIN коде модуль не содержит</source>
        <translation>Информации о VIN коде модуль не содержит</translation>
    </message>
    <message>
        <source>* Чтение VIN кода из модуля </source>
        <translation>* Чтение VIN кода из модуля </translation>
    </message>
    <message>
        <source>* Чтение данных по адресу </source>
        <translation>* Чтение данных по адресу </translation>
    </message>
    <message>
        <source> из модуля </source>
        <translation> из модуля </translation>
    </message>
    <message>
        <source>Неверная строка!</source>
        <translation>Неверная строка!</translation>
    </message>
    <message>
        <source>Неверный адрес!</source>
        <translation>Неверный адрес!</translation>
    </message>
    <message>
        <source>* Запись данных по адресу </source>
        <translation>* Запись данных по адресу </translation>
    </message>
    <message>
        <source> в модуль </source>
        <translation> в модуль </translation>
    </message>
    <message>
        <source>Запись данных</source>
        <translation>Запись данных</translation>
    </message>
    <message>
        <source>* Перезагрузка модуля </source>
        <translation>* Перезагрузка модуля </translation>
    </message>
    <message>
        <source>* Перезагрузка отменена</source>
        <translation>* Перезагрузка отменена</translation>
    </message>
    <message>
        <source>* Модуль перезагружен</source>
        <translation>* Модуль перезагружен</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Переключите адаптер на среднюю шину (MSCAN)</source>
        <translation>Переключите адаптер на среднюю шину (MSCAN)</translation>
    </message>
    <message>
        <source>Переключите адаптер на высокую шину (HSCAN)</source>
        <translation>Переключите адаптер на высокую шину (HSCAN)</translation>
    </message>
    <message>
        <source>* Операция отменена пользователем</source>
        <translation>* Операция отменена пользователем</translation>
    </message>
    <message>
        <source>Следующий модуль: %1 (%2)</source>
        <translation>Следующий модуль: %1 (%2)</translation>
    </message>
    <message>
        <source>! Адаптер не принял STP53: средней шины в нём нет. Дальше шины переключаются переключателем на адаптере (по запросу)</source>
        <translation>! Адаптер не принял STP53: средней шины в нём нет. Дальше шины переключаются переключателем на адаптере (по запросу)</translation>
    </message>
    <message>
        <source>нет ответа на %1; переключение: %2</source>
        <translation>нет ответа на %1; переключение: %2</translation>
    </message>
    <message>
        <source>! Неверный ответ адаптера</source>
        <translation>! Неверный ответ адаптера</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Ошибка</translation>
    </message>
    <message>
        <source>! Модуль не ответил или отсутствует</source>
        <translation>! Модуль не ответил или отсутствует</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна</source>
        <translation>! Связь с адаптером потеряна</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Файл настроек %1 не записан</source>
        <translation>Файл настроек %1 не записан</translation>
    </message>
    <message>
        <source>это не обычный файл (канал, устройство или папка)</source>
        <translation>это не обычный файл (канал, устройство или папка)</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>файл больше 1 МиБ</translation>
    </message>
    <message>
        <source>Файл настроек %1 не используется: %2</source>
        <translation>Файл настроек %1 не используется: %2</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Ошибок: </source>
        <translation>Ошибок: </translation>
    </message>
    <message>
        <source>* Считывание кодов ошибок, ждите...</source>
        <translation>* Считывание кодов ошибок, ждите...</translation>
    </message>
    <message>
        <source>! Ошибка</source>
        <translation>! Ошибка</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: чтение ошибок прервано</source>
        <translation>! Связь с адаптером потеряна: чтение ошибок прервано</translation>
    </message>
    <message>
        <source>* Чтение ошибок завершено</source>
        <translation>* Чтение ошибок завершено</translation>
    </message>
    <message>
        <source>! В модулях присутствуют ошибки</source>
        <translation>! В модулях присутствуют ошибки</translation>
    </message>
    <message>
        <source>! Не прочитано модулей: %1 из %2</source>
        <translation>! Не прочитано модулей: %1 из %2</translation>
    </message>
    <message>
        <source>* В модулях ошибок нет</source>
        <translation>* В модулях ошибок нет</translation>
    </message>
    <message>
        <source>кодов ошибок модуля %1</source>
        <translation>кодов ошибок модуля %1</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Неверный ответ модуля</translation>
    </message>
    <message>
        <source>! Неверный ответ</source>
        <translation>! Неверный ответ</translation>
    </message>
    <message>
        <source>#%1 - %2 статус: %3</source>
        <translation>#%1 - %2 статус: %3</translation>
    </message>
    <message>
        <source>* Стирание ошибок отменено</source>
        <translation>* Стирание ошибок отменено</translation>
    </message>
    <message>
        <source>* Стираем считанные ошибки</source>
        <translation>* Стираем считанные ошибки</translation>
    </message>
    <message>
        <source>! Стирание не подтвердили модули: </source>
        <translation>! Стирание не подтвердили модули: </translation>
    </message>
    <message>
        <source>! Операция выполнена не полностью</source>
        <translation>! Операция выполнена не полностью</translation>
    </message>
    <message>
        <source>* Операция выполнена</source>
        <translation>* Операция выполнена</translation>
    </message>
    <message>
        <source>* Стираем ошибки модуля по адресу </source>
        <translation>* Стираем ошибки модуля по адресу </translation>
    </message>
</context>
<context>
    <name>VehicleBackup</name>
    <message>
        <source>* Запущен процесс сохранения данных из модулей автомобиля, ждите...</source>
        <translation>* Запущен процесс сохранения данных из модулей автомобиля, ждите...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: файл не записан</source>
        <translation>! Связь с адаптером потеряна: файл не записан</translation>
    </message>
    <message>
        <source>! Ни один модуль не прочитан: файл не записан</source>
        <translation>! Ни один модуль не прочитан: файл не записан</translation>
    </message>
    <message>
        <source>! Модули автомобиля расходятся в VIN (%1): в копии указанный при подключении %2</source>
        <translation>! Модули автомобиля расходятся в VIN (%1): в копии указанный при подключении %2</translation>
    </message>
    <message>
        <source>* VIN в копии: %1, указанный при подключении (из модулей не прочитан)</source>
        <translation>* VIN в копии: %1, указанный при подключении (из модулей не прочитан)</translation>
    </message>
    <message>
        <source>* VIN в копии: %1, прочитанный из модулей автомобиля</source>
        <translation>* VIN в копии: %1, прочитанный из модулей автомобиля</translation>
    </message>
    <message>
        <source>! В копии нет модулей: </source>
        <translation>! В копии нет модулей: </translation>
    </message>
    <message>
        <source>! В копии нет блоков: </source>
        <translation>! В копии нет блоков: </translation>
    </message>
    <message>
        <source>* Файл </source>
        <translation>* Файл </translation>
    </message>
    <message>
        <source> сохранен в каталоге </source>
        <translation> сохранен в каталоге </translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла в каталоге </source>
        <translation>! Ошибка сохранения файла в каталоге </translation>
    </message>
    <message>
        <source>! Ошибка сохранения файла</source>
        <translation>! Ошибка сохранения файла</translation>
    </message>
</context>
<context>
    <name>VehicleConfig</name>
    <message>
        <source>Файл не является XML-документом: строка %1, столбец %2: %3</source>
        <translation>Файл не является XML-документом: строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>Неверная структура файла: нет элементов VehicleData и Modules</source>
        <translation>Неверная структура файла: нет элементов VehicleData и Modules</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>управляющий символ в VIN</source>
        <translation>управляющий символ в VIN</translation>
    </message>
    <message>
        <source>управляющий символ в адресе или названии модуля</source>
        <translation>управляющий символ в адресе или названии модуля</translation>
    </message>
    <message>
        <source>блок модуля %1 без номера (elmindex)</source>
        <translation>блок модуля %1 без номера (elmindex)</translation>
    </message>
    <message>
        <source>номер блока модуля %1 не из двух шестнадцатеричных цифр: %2</source>
        <translation>номер блока модуля %1 не из двух шестнадцатеричных цифр: %2</translation>
    </message>
    <message>
        <source>неизвестный элемент %1 в блоке %2 модуля %3</source>
        <translation>неизвестный элемент %1 в блоке %2 модуля %3</translation>
    </message>
    <message>
        <source>блок %1 модуля %2 не является шестнадцатеричными байтами: %3</source>
        <translation>блок %1 модуля %2 не является шестнадцатеричными байтами: %3</translation>
    </message>
    <message>
        <source>* Чтение конфигурации автомобиля, ждите...</source>
        <translation>* Чтение конфигурации автомобиля, ждите...</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна</source>
        <translation>! Связь с адаптером потеряна</translation>
    </message>
    <message>
        <source>! Ни один модуль не прочитан</source>
        <translation>! Ни один модуль не прочитан</translation>
    </message>
    <message>
        <source>! Не прочитаны: </source>
        <translation>! Не прочитаны: </translation>
    </message>
    <message>
        <source>файл описания модуля %1 назван без SHA-256 или с неверным SHA-256</source>
        <translation>файл описания модуля %1 назван без SHA-256 или с неверным SHA-256</translation>
    </message>
</context>
<context>
    <name>VehicleData</name>
    <message>
        <source>нет свободного имени файла</source>
        <translation>нет свободного имени файла</translation>
    </message>
</context>
<context>
    <name>VinNotes</name>
    <message>
        <source>модули автомобиля называют разные VIN</source>
        <translation>модули автомобиля называют разные VIN</translation>
    </message>
    <message>
        <source>%1. Пока они расходятся, в ходу VIN, введённый при подключении.</source>
        <translation>%1. Пока они расходятся, в ходу VIN, введённый при подключении.</translation>
    </message>
    <message>
        <source>не подтверждён: его дал только один модуль</source>
        <translation>не подтверждён: его дал только один модуль</translation>
    </message>
    <message>
        <source>%1. Без VIN панели приборов нужны два модуля с одним VIN; пока в ходу VIN, введённый при подключении.</source>
        <translation>%1. Без VIN панели приборов нужны два модуля с одним VIN; пока в ходу VIN, введённый при подключении.</translation>
    </message>
    <message>
        <source>не введён, из автомобиля не прочитан</source>
        <translation>не введён, из автомобиля не прочитан</translation>
    </message>
    <message>
        <source>Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</source>
        <translation>Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</translation>
    </message>
    <message>
        <source>введён, из автомобиля не прочитан</source>
        <translation>введён, из автомобиля не прочитан</translation>
    </message>
    <message>
        <source>VIN, введённый при подключении. Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</source>
        <translation>VIN, введённый при подключении. Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля.</translation>
    </message>
    <message>
        <source>введён другой: %1</source>
        <translation>введён другой: %1</translation>
    </message>
    <message>
        <source>VIN автомобиля прочитан из модуля %1; при подключении введён %2. Журнал записей и резервные копии берут VIN автомобиля.</source>
        <translation>VIN автомобиля прочитан из модуля %1; при подключении введён %2. Журнал записей и резервные копии берут VIN автомобиля.</translation>
    </message>
    <message>
        <source>из автомобиля (%1)</source>
        <translation>из автомобиля (%1)</translation>
    </message>
    <message>
        <source>VIN прочитан из модуля %1</source>
        <translation>VIN прочитан из модуля %1</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message numerus="yes">
        <source>%n байт</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Стирание кодов ошибок</source>
        <translation>Стирание кодов ошибок</translation>
    </message>
    <message>
        <source>Коды ошибок будут стёрты в модулях:</source>
        <translation>Коды ошибок будут стёрты в модулях:</translation>
    </message>
    <message>
        <source>! Открыт модуль %1, а не %2: запрос не отправлен</source>
        <translation>! Открыт модуль %1, а не %2: запрос не отправлен</translation>
    </message>
    <message>
        <source>Перезагрузка модуля</source>
        <translation>Перезагрузка модуля</translation>
    </message>
    <message>
        <source>Модуль перезагрузится: его функции остановятся на несколько секунд</source>
        <translation>Модуль перезагрузится: его функции остановятся на несколько секунд</translation>
    </message>
    <message>
        <source>* Успешно записано</source>
        <translation>* Успешно записано</translation>
    </message>
    <message>
        <source>! Неверный ответ модуля</source>
        <translation>! Неверный ответ модуля</translation>
    </message>
    <message>
        <source>! Блок модуля не прочитан: запись не выполнена</source>
        <translation>! Блок модуля не прочитан: запись не выполнена</translation>
    </message>
    <message>
        <source>* Модуль уже содержит эти данные: запись не нужна</source>
        <translation>* Модуль уже содержит эти данные: запись не нужна</translation>
    </message>
    <message>
        <source>! Блок для записи длиной %1, а модуль содержит %2: запись не выполнена</source>
        <translation>! Блок для записи длиной %1, а модуль содержит %2: запись не выполнена</translation>
    </message>
    <message>
        <source>Длина отличается: модуль содержит %1, записывается %2</source>
        <translation>Длина отличается: модуль содержит %1, записывается %2</translation>
    </message>
    <message>
        <source>* Запись отменена</source>
        <translation>* Запись отменена</translation>
    </message>
    <message>
        <source>! Адаптер не сообщил напряжение бортовой сети: запись не выполнена</source>
        <translation>! Адаптер не сообщил напряжение бортовой сети: запись не выполнена</translation>
    </message>
    <message>
        <source>! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена</source>
        <translation>! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена</translation>
    </message>
    <message>
        <source>! Журнал записей недоступен (%1): запись не выполнена</source>
        <translation>! Журнал записей недоступен (%1): запись не выполнена</translation>
    </message>
    <message>
        <source>! Журнал записей был повреждён и отложен как %1; начат новый журнал</source>
        <translation>! Журнал записей был повреждён и отложен как %1; начат новый журнал</translation>
    </message>
    <message>
        <source>! Итог записи не внесён в журнал (%1)</source>
        <translation>! Итог записи не внесён в журнал (%1)</translation>
    </message>
    <message>
        <source>! Отмена записи не внесена в журнал (%1)</source>
        <translation>! Отмена записи не внесена в журнал (%1)</translation>
    </message>
    <message>
        <source>! Ответ модуля на запись не получен или не понят: модуль мог принять запись</source>
        <translation>! Ответ модуля на запись не получен или не понят: модуль мог принять запись</translation>
    </message>
    <message>
        <source>* Запись проверена: модуль содержит записанные данные</source>
        <translation>* Запись проверена: модуль содержит записанные данные</translation>
    </message>
    <message>
        <source>* Модуль содержит записанные данные: запись принята</source>
        <translation>* Модуль содержит записанные данные: запись принята</translation>
    </message>
    <message>
        <source>! Модуль содержит прежние данные: запись не принята</source>
        <translation>! Модуль содержит прежние данные: запись не принята</translation>
    </message>
    <message>
        <source>! Модуль содержит другие данные: %1 (записано %2)</source>
        <translation>! Модуль содержит другие данные: %1 (записано %2)</translation>
    </message>
    <message>
        <source>! Блок после записи не прочитан: запись не проверена</source>
        <translation>! Блок после записи не прочитан: запись не проверена</translation>
    </message>
    <message>
        <source>! Запрос записи отклонён (%1): ничего не отправлено</source>
        <translation>! Запрос записи отклонён (%1): ничего не отправлено</translation>
    </message>
    <message>
        <source>! Модуль содержит %1, а не записанное этой записью: восстановление не выполнено</source>
        <translation>! Модуль содержит %1, а не записанное этой записью: восстановление не выполнено</translation>
    </message>
    <message>
        <source>Модуль содержит не то, что записала эта запись: блок изменён после неё</source>
        <translation>Модуль содержит не то, что записала эта запись: блок изменён после неё</translation>
    </message>
    <message>
        <source>! Блок модуля изменился после подтверждения: запись не выполнена</source>
        <translation>! Блок модуля изменился после подтверждения: запись не выполнена</translation>
    </message>
    <message>
        <source>Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)</source>
        <translation>Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)</translation>
    </message>
    <message>
        <source>Не будет записан: %1</source>
        <translation>Не будет записан: %1</translation>
    </message>
    <message>
        <source>! Журнал записей: %1</source>
        <translation>! Журнал записей: %1</translation>
    </message>
    <message>
        <source>! Запись журнала повреждена: она не восстанавливается</source>
        <translation>! Запись журнала повреждена: она не восстанавливается</translation>
    </message>
    <message>
        <source>! Запись журнала сделана на другом автомобиле (VIN %1): она не восстанавливается</source>
        <translation>! Запись журнала сделана на другом автомобиле (VIN %1): она не восстанавливается</translation>
    </message>
    <message>
        <source>! Эта запись журнала ничего не изменила: восстанавливать нечего</source>
        <translation>! Эта запись журнала ничего не изменила: восстанавливать нечего</translation>
    </message>
    <message>
        <source>! Эта запись журнала уже отменена</source>
        <translation>! Эта запись журнала уже отменена</translation>
    </message>
    <message>
        <source>* Запись журнала от %1 уточнена: модуль содержит записанные тогда данные</source>
        <translation>* Запись журнала от %1 уточнена: модуль содержит записанные тогда данные</translation>
    </message>
    <message>
        <source>* Запись журнала от %1 уточнена: модуль содержит прежние данные</source>
        <translation>* Запись журнала от %1 уточнена: модуль содержит прежние данные</translation>
    </message>
    <message>
        <source>* Модуль занят сохранением блока (7F 3B 78): блок читается повторно</source>
        <translation>* Модуль занят сохранением блока (7F 3B 78): блок читается повторно</translation>
    </message>
    <message>
        <source>! Модуль ответил «занят, ответ следует» (7F 3B 78), а ответ не пришёл: модуль мог принять запись</source>
        <translation>! Модуль ответил «занят, ответ следует» (7F 3B 78), а ответ не пришёл: модуль мог принять запись</translation>
    </message>
    <message>
        <source>! Модуль был занят и через %1 с содержит прежние данные: запись не подтверждена; её итог уточнит следующее чтение блока</source>
        <translation>! Модуль был занят и через %1 с содержит прежние данные: запись не подтверждена; её итог уточнит следующее чтение блока</translation>
    </message>
    <message>
        <source>! Связь с адаптером потеряна: %1</source>
        <translation>! Связь с адаптером потеряна: %1</translation>
    </message>
    <message>
        <source>ничего не записано</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>записано и проверено: %1</source>
        <translation>записано и проверено: %1</translation>
    </message>
    <message>
        <source>запись отправлена, но не проверена (модуль мог её принять): %1; итог уточнит следующее чтение блока</source>
        <translation>запись отправлена, но не проверена (модуль мог её принять): %1; итог уточнит следующее чтение блока</translation>
    </message>
    <message>
        <source>не записано: %1</source>
        <translation>не записано: %1</translation>
    </message>
    <message>
        <source>! Резервная копия неполна: %1; ничего не записано</source>
        <translation>! Резервная копия неполна: %1; ничего не записано</translation>
    </message>
    <message>
        <source>! Пакет отменяется только целиком, а %1 %2: ничего не записано</source>
        <translation>! Пакет отменяется только целиком, а %1 %2: ничего не записано</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>не прочитан</translation>
    </message>
    <message>
        <source>изменён после записи</source>
        <translation>изменён после записи</translation>
    </message>
    <message>
        <source>меняет параметры файла описания без доверия</source>
        <translation>меняет параметры файла описания без доверия</translation>
    </message>
    <message>
        <source>содержит блок другой длины</source>
        <translation>содержит блок другой длины</translation>
    </message>
    <message>
        <source>! Запись журнала сделана при другом подключении, когда VIN автомобиля не был прочитан: она не восстанавливается</source>
        <translation>! Запись журнала сделана при другом подключении, когда VIN автомобиля не был прочитан: она не восстанавливается</translation>
    </message>
    <message>
        <source>! Запрос не подтверждён пользователем и не отправлен</source>
        <translation>! Запрос не подтверждён пользователем и не отправлен</translation>
    </message>
    <message>
        <source>Восстановление блока</source>
        <translation>Восстановление блока</translation>
    </message>
    <message>
        <source>Отмена записи нескольких блоков вместе: %1</source>
        <translation>Отмена записи нескольких блоков вместе: %1</translation>
    </message>
    <message>
        <source>модуль с адресом «%1» неизвестен</source>
        <translation>модуль с адресом «%1» неизвестен</translation>
    </message>
    <message>
        <source>блок «%1» - не две шестнадцатеричные цифры</source>
        <translation>блок «%1» - не две шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>данные - не целые шестнадцатеричные байты</source>
        <translation>данные - не целые шестнадцатеричные байты</translation>
    </message>
    <message>
        <source>! Блок модуля изменился после чтения (%1): запись не выполнена</source>
        <translation>! Блок модуля изменился после чтения (%1): запись не выполнена</translation>
    </message>
    <message>
        <source>Параметры из файла описания %1 (SHA-256 %2)</source>
        <translation>Параметры из файла описания %1 (SHA-256 %2)</translation>
    </message>
    <message>
        <source>%1, адрес %2, блок %3</source>
        <translation>%1, адрес %2, блок %3</translation>
    </message>
    <message>
        <source>Записать, хотя блок изменился после записи журнала</source>
        <translation>Записать, хотя блок изменился после записи журнала</translation>
    </message>
    <message>
        <source>Блоков к записи: %1</source>
        <translation>Блоков к записи: %1</translation>
    </message>
    <message>
        <source>Резервной копии этого автомобиля ещё нет: сначала сделать её</source>
        <translation>Резервной копии этого автомобиля ещё нет: сначала сделать её</translation>
    </message>
    <message>
        <source>! Резервная копия не сделана (%1): запись не выполнена</source>
        <translation>! Резервная копия не сделана (%1): запись не выполнена</translation>
    </message>
    <message>
        <source>! Модуль с адресом %1 сейчас неизвестен (файл его описания не загружен): ничего не восстановлено</source>
        <translation>! Модуль с адресом %1 сейчас неизвестен (файл его описания не загружен): ничего не восстановлено</translation>
    </message>
    <message>
        <source>! Запись меняет параметры из файла описания %1, которому нет доверия: ничего не записано. Доверие файлу даётся галочкой в окне «Файлы описаний…» (кнопка на вкладке «Конфигурация» и в окне настроек подключения; в командной строке: talmero-cli modules trust ФАЙЛ, или --trust ФАЙЛ для одной команды)</source>
        <translation>! Запись меняет параметры из файла описания %1, которому нет доверия: ничего не записано. Доверие файлу даётся галочкой в окне «Файлы описаний…» (кнопка на вкладке «Конфигурация» и в окне настроек подключения; в командной строке: talmero-cli modules trust ФАЙЛ, или --trust ФАЙЛ для одной команды)</translation>
    </message>
</context>
<context>
    <name>talmero::app::ConfirmDialog</name>
    <message>
        <source>&amp;Стереть</source>
        <translation>&amp;Стереть</translation>
    </message>
    <message>
        <source>&amp;Перезагрузить</source>
        <translation>&amp;Перезагрузить</translation>
    </message>
    <message>
        <source>&amp;Записать</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>Аккумулятор: %1 В</source>
        <translation>Аккумулятор: %1 В</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Сейчас:  </source>
        <translation>Сейчас:  </translation>
    </message>
    <message>
        <source>
Будет:   </source>
        <translation>
Будет:   </translation>
    </message>
</context>
<context>
    <name>talmero::app::DtcTable</name>
    <message>
        <source>Код</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Лампа</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Запрашивает ли код лампу неисправности; горит ли она сейчас, модуль здесь не сообщает</source>
        <translation>Запрашивает ли код лампу неисправности; горит ли она сейчас, модуль здесь не сообщает</translation>
    </message>
    <message>
        <source>Байт состояния кода, как его прислал модуль</source>
        <translation>Байт состояния кода, как его прислал модуль</translation>
    </message>
    <message>
        <source>Нажмите «%1», чтобы прочитать коды ошибок всех модулей</source>
        <translation>Нажмите «%1», чтобы прочитать коды ошибок всех модулей</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>VIN %1</source>
        <translation>VIN %1</translation>
    </message>
    <message>
        <source>идёт чтение…</source>
        <translation>идёт чтение…</translation>
    </message>
    <message>
        <source>не прочитан</source>
        <translation>не прочитан</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>не отвечает</translation>
    </message>
    <message>
        <source>ошибок нет</source>
        <translation>ошибок нет</translation>
    </message>
    <message>
        <source>ошибок: %1</source>
        <translation>ошибок: %1</translation>
    </message>
    <message>
        <source>программа</source>
        <translation>программа</translation>
    </message>
    <message>
        <source>ваш файл</source>
        <translation>ваш файл</translation>
    </message>
    <message>
        <source>список кодов не прочитан</source>
        <translation>список кодов не прочитан</translation>
    </message>
    <message>
        <source>Коды стёрты. Прочитайте их ещё раз, чтобы убедиться, что они не вернулись.</source>
        <translation>Коды стёрты. Прочитайте их ещё раз, чтобы убедиться, что они не вернулись.</translation>
    </message>
    <message>
        <source>Прочитано при прошлом подключении (%1) — возможно, у другой машины</source>
        <translation>Прочитано при прошлом подключении (%1) — возможно, у другой машины</translation>
    </message>
</context>
<context>
    <name>talmero::app::LivePanel</name>
    <message numerus="yes">
        <source>* Запись показаний остановлена: %n строк в файле %1</source>
        <translation>
            <numerusform>* Запись показаний остановлена: %n строка в файле %1</numerusform>
            <numerusform>* Запись показаний остановлена: %n строки в файле %1</numerusform>
            <numerusform>* Запись показаний остановлена: %n строк в файле %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading parameters online: OBD-II</source>
        <translation>Параметры в реальном времени: OBD-II</translation>
    </message>
    <message>
        <source>До шести параметров двигателя каждую секунду; графики за последние 5 минут</source>
        <translation>До шести параметров двигателя каждую секунду; графики за последние 5 минут</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Какие параметры читать и показывать (до шести)</source>
        <translation>Какие параметры читать и показывать (до шести)</translation>
    </message>
    <message>
        <source>Запись...</source>
        <translation>Запись...</translation>
    </message>
    <message>
        <source>Записывать каждое чтение в файл CSV</source>
        <translation>Записывать каждое чтение в файл CSV</translation>
    </message>
    <message>
        <source>Открыть запись...</source>
        <translation>Открыть запись...</translation>
    </message>
    <message>
        <source>Показать на графиках показания, записанные раньше в файл CSV</source>
        <translation>Показать на графиках показания, записанные раньше в файл CSV</translation>
    </message>
    <message>
        <source>Двигатель этого автомобиля не сообщает этот параметр</source>
        <translation>Двигатель этого автомобиля не сообщает этот параметр</translation>
    </message>
    <message>
        <source>! Двигатель не сообщает параметры: %1</source>
        <translation>! Двигатель не сообщает параметры: %1</translation>
    </message>
    <message>
        <source>Идёт чтение</source>
        <translation>Идёт чтение</translation>
    </message>
    <message>
        <source>* Чтение параметров двигателя начато</source>
        <translation>* Чтение параметров двигателя начато</translation>
    </message>
    <message>
        <source>! Запись показаний прервана: %1</source>
        <translation>! Запись показаний прервана: %1</translation>
    </message>
    <message>
        <source>* Чтение параметров двигателя остановлено</source>
        <translation>* Чтение параметров двигателя остановлено</translation>
    </message>
    <message>
        <source>Остановка…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>! Файл не открыт для записи: </source>
        <translation>! Файл не открыт для записи: </translation>
    </message>
    <message>
        <source>* Запись показаний в файл %1</source>
        <translation>* Запись показаний в файл %1</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>! Запись %1 не открыта: %2</source>
        <translation>! Запись %1 не открыта: %2</translation>
    </message>
    <message>
        <source>Запись %1: строк %2</source>
        <translation>Запись %1: строк %2</translation>
    </message>
    <message>
        <source>; показаны первые %1 параметров из %2</source>
        <translation>; показаны первые %1 параметров из %2</translation>
    </message>
    <message>
        <source>; пропущено строк без времени: %1</source>
        <translation>; пропущено строк без времени: %1</translation>
    </message>
    <message>
        <source>; неизвестные столбцы: %1</source>
        <translation>; неизвестные столбцы: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::LivePlot</name>
    <message>
        <source>секунды от начала чтения</source>
        <translation>секунды от начала чтения</translation>
    </message>
    <message>
        <source>%1: %2 (последнее в записи)</source>
        <translation>%1: %2 (последнее в записи)</translation>
    </message>
    <message>
        <source>секунды от начала записи</source>
        <translation>секунды от начала записи</translation>
    </message>
</context>
<context>
    <name>talmero::app::ReadinessView</name>
    <message>
        <source>Проверить готовность</source>
        <translation>Проверить готовность</translation>
    </message>
    <message>
        <source>Спросить блок управления двигателем, какие проверки систем завершены (OBD-II)</source>
        <translation>Спросить блок управления двигателем, какие проверки систем завершены (OBD-II)</translation>
    </message>
    <message>
        <source>Готовность показывает, завершил ли двигатель свои проверки систем после стирания кодов; с незавершёнными проверками автомобиль может не пройти техосмотр.</source>
        <translation>Готовность показывает, завершил ли двигатель свои проверки систем после стирания кодов; с незавершёнными проверками автомобиль может не пройти техосмотр.</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>С момента стирания кодов</source>
        <translation>С момента стирания кодов</translation>
    </message>
    <message>
        <source>В текущем цикле</source>
        <translation>В текущем цикле</translation>
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
        <translation>ОК</translation>
    </message>
    <message>
        <source>pozostale wiersze AS-BUILT nie zmienione...</source>
        <translation>Остальные строки AS-BUILT не меняются.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy the line&apos;s data to the clipboard</source>
        <translation>Скопировать данные строки в буфер обмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormBluetoothSearch</name>
    <message>
        <source>Search for Bluetooth adapters</source>
        <translation>Поиск адаптеров Bluetooth</translation>
    </message>
    <message>
        <source>Looking for Bluetooth adapters. Plug the adapter into the car and switch the ignition on.</source>
        <translation>Идёт поиск адаптеров Bluetooth. Вставьте адаптер в разъём автомобиля и включите зажигание.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Nothing found yet.</source>
        <translation>Пока ничего не найдено.</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Найдено:</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormCalc</name>
    <message>
        <source>TALMERO (Kalkulator BIN-HEX)</source>
        <translation>TALMERO (калькулятор BIN-HEX)</translation>
    </message>
    <message>
        <source>Zamknac okno zapisu</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Enter: take the value.
Escape: keep %1</source>
        <translation>Enter — взять значение.
Escape — оставить %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormCompare</name>
    <message>
        <source>same</source>
        <translation>совпадает</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>отличается</translation>
    </message>
    <message>
        <source>left only</source>
        <translation>только слева</translation>
    </message>
    <message>
        <source>right only</source>
        <translation>только справа</translation>
    </message>
    <message>
        <source>(not chosen)</source>
        <translation>(не выбран)</translation>
    </message>
    <message>
        <source>TALMERO - Compare configurations</source>
        <translation>TALMERO - Сравнение конфигураций</translation>
    </message>
    <message>
        <source>Left file…</source>
        <translation>Левый файл…</translation>
    </message>
    <message>
        <source>Right file…</source>
        <translation>Правый файл…</translation>
    </message>
    <message>
        <source>The car</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>Read the car now, as a backup reads it, without writing a file</source>
        <translation>Прочитать автомобиль сейчас, как при резервном копировании, без записи файла</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>The car was not read: the log says why.</source>
        <translation>Автомобиль не прочитан: причина — в логе.</translation>
    </message>
    <message>
        <source>the car, read now</source>
        <translation>автомобиль, прочитан сейчас</translation>
    </message>
    <message>
        <source> (not read: %1)</source>
        <translation> (не прочитан: %1)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>The VINs differ: left %1, right %2</source>
        <translation>VIN различаются: слева %1, справа %2</translation>
    </message>
    <message>
        <source>VIN on both sides: %1</source>
        <translation>VIN с обеих сторон: %1</translation>
    </message>
    <message>
        <source> (not configuration)</source>
        <translation> (не конфигурация)</translation>
    </message>
    <message>
        <source>Both sides hold the same blocks.</source>
        <translation>С обеих сторон одни и те же блоки.</translation>
    </message>
    <message>
        <source>Blocks that differ or are on one side only: %1 of %2.</source>
        <translation>Блоков, которые различаются или есть только с одной стороны: %1 из %2.</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormDtcHistory</name>
    <message>
        <source>TALMERO - Прочитанные коды ошибок</source>
        <translation>TALMERO - Прочитанные коды ошибок</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Сохранить выбранное чтение в текстовый файл или CSV</source>
        <translation>Сохранить выбранное чтение в текстовый файл или CSV</translation>
    </message>
    <message>
        <source>! История чтений недоступна: </source>
        <translation>! История чтений недоступна: </translation>
    </message>
    <message>
        <source>Чтений: %1, новые сверху</source>
        <translation>Чтений: %1, новые сверху</translation>
    </message>
    <message>
        <source>Текст (*.txt);;CSV (*.csv)</source>
        <translation>Текст (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>! Файл не сохранён: </source>
        <translation>! Файл не сохранён: </translation>
    </message>
    <message>
        <source>Чтение сохранено: %1</source>
        <translation>Чтение сохранено: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormHistory</name>
    <message numerus="yes">
        <source>%n blocks together (#%1)</source>
        <translation>
            <numerusform>%n блок вместе (№%1)</numerusform>
            <numerusform>%n блока вместе (№%1)</numerusform>
            <numerusform>%n блоков вместе (№%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>неизвестно: ответ модуля не получен, модуль мог принять запись</source>
        <translation>неизвестно: ответ модуля не получен, модуль мог принять запись</translation>
    </message>
    <message>
        <source>записано и проверено</source>
        <translation>записано и проверено</translation>
    </message>
    <message>
        <source>принято, но модуль содержит другие данные</source>
        <translation>принято, но модуль содержит другие данные</translation>
    </message>
    <message>
        <source>модуль отказал</source>
        <translation>модуль отказал</translation>
    </message>
    <message>
        <source>не принято: модуль содержит прежние данные</source>
        <translation>не принято: модуль содержит прежние данные</translation>
    </message>
    <message>
        <source>отменено пользователем</source>
        <translation>отменено пользователем</translation>
    </message>
    <message>
        <source>модуль уже содержал эти данные</source>
        <translation>модуль уже содержал эти данные</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>выполнено</translation>
    </message>
    <message>
        <source>перезагрузка</source>
        <translation>перезагрузка</translation>
    </message>
    <message>
        <source>стирание кодов ошибок</source>
        <translation>стирание кодов ошибок</translation>
    </message>
    <message>
        <source>TALMERO - History of writes</source>
        <translation>TALMERO - История записей</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Было → стало</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Write the entry&apos;s old content back to the module</source>
        <translation>Записать в модуль то, что в нём было до этой записи</translation>
    </message>
    <message>
        <source>! Журнал записей недоступен: </source>
        <translation>! Журнал записей недоступен: </translation>
    </message>
    <message>
        <source>Writes to the car %1, newest first: %2</source>
        <translation>Записи в автомобиль %1, сначала новые: %2</translation>
    </message>
    <message>
        <source>; отменено восстановлением</source>
        <translation>; отменено восстановлением</translation>
    </message>
    <message>
        <source>повреждённая запись журнала: не восстанавливается</source>
        <translation>повреждённая запись журнала: не восстанавливается</translation>
    </message>
    <message>
        <source>; восстановление</source>
        <translation>; восстановление</translation>
    </message>
    <message>
        <source>; другое подключение, VIN автомобиля не был прочитан</source>
        <translation>; другое подключение, VIN автомобиля не был прочитан</translation>
    </message>
    <message>
        <source>Options changed</source>
        <translation>Изменённые параметры</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormMain</name>
    <message>
        <source>Ошибка записи файла </source>
        <translation>Ошибка записи файла </translation>
    </message>
    <message>
        <source>Back up car</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>Make backup copies of the settings of the car</source>
        <translation>Сохранить резервную копию настроек автомобиля</translation>
    </message>
    <message>
        <source>Current VIN</source>
        <translation>Текущий VIN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop the backup; no file is written</source>
        <translation>Остановить резервное копирование; файл не записывается</translation>
    </message>
    <message>
        <source>Change connection settings</source>
        <translation>Изменить настройки подключения</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Модули</source>
        <translation>Модули</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Очистить лог</translation>
    </message>
    <message>
        <source>Empty the log window; the car is not touched</source>
        <translation>Очистить окно лога; автомобиль не затрагивается</translation>
    </message>
    <message>
        <source>Write log</source>
        <translation>Сохранить лог</translation>
    </message>
    <message>
        <source>* Открыт порт </source>
        <translation>* Открыт порт </translation>
    </message>
    <message>
        <source>* Вход в OFFLINE режим</source>
        <translation>* Вход в OFFLINE режим</translation>
    </message>
    <message>
        <source>Не выполнено: подробности в логе</source>
        <translation>Не выполнено: подробности в логе</translation>
    </message>
    <message>
        <source>%1; резервная копия сохранена: %2</source>
        <translation>%1; резервная копия сохранена: %2</translation>
    </message>
    <message>
        <source>* Порт закрыт</source>
        <translation>* Порт закрыт</translation>
    </message>
    <message>
        <source>* Выход из OFFLINE режима</source>
        <translation>* Выход из OFFLINE режима</translation>
    </message>
    <message>
        <source>нет соединения</source>
        <translation>нет соединения</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Модуль %1 из %2: %3</translation>
    </message>
    <message>
        <source>Резервная копия сохранена: %1</source>
        <translation>Резервная копия сохранена: %1</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Текстовый файл (*.txt)</translation>
    </message>
    <message>
        <source>Лог сохранён: %1</source>
        <translation>Лог сохранён: %1</translation>
    </message>
    <message>
        <source>* Остановка: окно закроется, когда закончится текущая операция</source>
        <translation>* Остановка: окно закроется, когда закончится текущая операция</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormModuleFiles</name>
    <message>
        <source>Module description files</source>
        <translation>Файлы описаний модулей</translation>
    </message>
    <message>
        <source>Read at start from:
%1
An option from a file shows on its page at once; it is written only when you trust the file. A file that changed since is not trusted.</source>
        <translation>Читаются при запуске из:
%1
Опция из файла сразу видна на своей странице; записывается она, только когда вы доверяете файлу. Изменённому с тех пор файлу доверия нет.</translation>
    </message>
    <message>
        <source>Trusted file</source>
        <translation>Файлу доверяю</translation>
    </message>
    <message>
        <source>Title, or why it was refused</source>
        <translation>Название или причина отказа</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отклонён</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Module description files: none</source>
        <translation>Файлы описаний модулей: нет</translation>
    </message>
    <message>
        <source>Module description files: %1 loaded, %2 refused</source>
        <translation>Файлы описаний модулей: загружено %1, отклонено %2</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormRestore</name>
    <message>
        <source>Every ticked module gets the blocks below; each block is read again, written, read back and recorded. The first block that fails ends the restore.</source>
        <translation>Каждый отмеченный модуль получает блоки ниже; каждый блок снова читается, записывается, читается обратно и заносится в журнал. Первый неудавшийся блок прекращает восстановление.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Не записано: %1</translation>
    </message>
    <message>
        <source>Battery %1 V</source>
        <translation>Аккумулятор %1 В</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>These are another car&apos;s settings: write them to this car</source>
        <translation>Это настройки другого автомобиля: записать их в этот автомобиль</translation>
    </message>
    <message>
        <source>The car was not read: nothing was written.</source>
        <translation>Автомобиль не прочитан: ничего не записано.</translation>
    </message>
</context>
<context>
    <name>talmero::app::TFormStart</name>
    <message>
        <source>TALMERO (Interface Settings)</source>
        <translation>TALMERO (настройки подключения)</translation>
    </message>
    <message>
        <source>VIN Car</source>
        <translation>VIN автомобиля</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Порт связи</translation>
    </message>
    <message>
        <source>update port COM</source>
        <translation>Обновить список портов</translation>
    </message>
    <message>
        <source>Mode communication</source>
        <translation>Скорость обмена</translation>
    </message>
    <message>
        <source>Lowest battery voltage for writes</source>
        <translation>Наименьшее напряжение аккумулятора для записи</translation>
    </message>
    <message>
        <source>Nothing is written to a module while the adapter measures less than this</source>
        <translation>Пока адаптер показывает меньше, в модули ничего не записывается</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Язык (со следующего запуска)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Bus switching</source>
        <translation>Переключение шин</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Prompt (switch on the adapter)</source>
        <translation>С запросом (переключатель на адаптере)</translation>
    </message>
    <message>
        <source>Built-in (STN)</source>
        <translation>Встроенное (STN)</translation>
    </message>
    <message>
        <source>Relay on RTS</source>
        <translation>Реле на RTS</translation>
    </message>
    <message>
        <source>Relay on DTR</source>
        <translation>Реле на DTR</translation>
    </message>
    <message>
        <source>Relay on RTS (inverted)</source>
        <translation>Реле на RTS (инверсное)</translation>
    </message>
    <message>
        <source>Relay on DTR (inverted)</source>
        <translation>Реле на DTR (инверсное)</translation>
    </message>
    <message>
        <source>Automatic: an adapter with the medium-speed bus built in (STN chip) is switched by its own commands, any other adapter by the switch on it, with a prompt</source>
        <translation>Автоматически: адаптер со встроенной средней шиной (чип STN) переключается своими командами, любой другой — переключателем на нём, по запросу</translation>
    </message>
    <message>
        <source>Description files…</source>
        <translation>Файлы описаний…</translation>
    </message>
    <message>
        <source>Connect - online</source>
        <translation>Подключиться - онлайн</translation>
    </message>
    <message>
        <source>Disconnect - offline</source>
        <translation>Без подключения - офлайн</translation>
    </message>
    <message>
        <source>no communication with the ELM327 (You can use the AS-BUILT for the selectedmodule)</source>
        <translation>без связи с ELM327 (можно работать с AS-BUILT выбранного модуля)</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Русский перевод: команда TALMERO</source>
        <translation>Русский перевод: команда TALMERO</translation>
    </message>
    <message>
        <source>Search for Bluetooth adapters…</source>
        <translation>Найти адаптеры Bluetooth…</translation>
    </message>
    <message>
        <source>Looks for Bluetooth adapters around for about ten seconds. A Classic adapter must be paired once (bluetoothctl, PIN 1234 or 0000)</source>
        <translation>Ищет адаптеры Bluetooth поблизости около десяти секунд. Адаптер Classic нужно один раз сопрячь (bluetoothctl, PIN 1234 или 0000)</translation>
    </message>
    <message>
        <source>An adapter reached over Wi-Fi: connect the computer to the adapter&apos;s network first. Another address can be typed as HOST:PORT</source>
        <translation>Адаптер, доступный по Wi-Fi: сначала подключите компьютер к сети адаптера. Другой адрес можно ввести как HOST:PORT</translation>
    </message>
    <message>
        <source>A virtual car inside the program: try every function without an adapter or a car</source>
        <translation>Виртуальный автомобиль внутри программы: попробуйте любую функцию без адаптера и автомобиля</translation>
    </message>
    <message>
        <source>A Bluetooth adapter has no baud rate</source>
        <translation>У адаптера Bluetooth нет скорости порта</translation>
    </message>
    <message>
        <source>A Wi-Fi adapter has no baud rate</source>
        <translation>У адаптера Wi-Fi нет скорости порта</translation>
    </message>
    <message>
        <source>Неверный VIN код!
VIN — это 17 знаков: латинские буквы и цифры, без I, O и Q.
Если VIN автомобиля неизвестен, выберите 17 нулей (%1) в начале списка VIN.</source>
        <translation>Неверный VIN код!
VIN — это 17 знаков: латинские буквы и цифры, без I, O и Q.
Если VIN автомобиля неизвестен, выберите 17 нулей (%1) в начале списка VIN.</translation>
    </message>
    <message>
        <source>Подключение к %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source> В</source>
        <translation> В</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabConfiguration</name>
    <message>
        <source>Из строки AS-BUILT</source>
        <translation>Из строки AS-BUILT</translation>
    </message>
    <message>
        <source>Так страница показывает его, пока оно не прочитано из машины или не записано</source>
        <translation>Так страница показывает его, пока оно не прочитано из машины или не записано</translation>
    </message>
    <message>
        <source>* Страница %1 очищена: модуль %2 изменён другой записью; прочитайте конфигурацию снова</source>
        <translation>* Страница %1 очищена: модуль %2 изменён другой записью; прочитайте конфигурацию снова</translation>
    </message>
    <message>
        <source>Из файла:</source>
        <translation>Из файла:</translation>
    </message>
    <message>
        <source>Конфигурация прочитана: %1</source>
        <translation>Конфигурация прочитана: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabDiagnostics</name>
    <message>
        <source>Diagnostic errors in modules</source>
        <translation>Коды неисправностей модулей</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>Crear</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Стереть коды ошибок в модулях автомобиля; сначала спрашивает</source>
        <translation>Стереть коды ошибок в модулях автомобиля; сначала спрашивает</translation>
    </message>
    <message>
        <source>История...</source>
        <translation>История...</translation>
    </message>
    <message>
        <source>Все сохранённые чтения кодов ошибок; экспорт в текст или CSV</source>
        <translation>Все сохранённые чтения кодов ошибок; экспорт в текст или CSV</translation>
    </message>
    <message>
        <source>Module %1 of %2: %3</source>
        <translation>Модуль %1 из %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop the reading after the module being read</source>
        <translation>Остановить чтение после текущего модуля</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Готовность</source>
        <translation>Готовность</translation>
    </message>
    <message>
        <source>Копировать как текст</source>
        <translation>Копировать как текст</translation>
    </message>
    <message>
        <source>Все чтения этого окна текстом, в буфер обмена</source>
        <translation>Все чтения этого окна текстом, в буфер обмена</translation>
    </message>
    <message>
        <source>! Чтение кодов не сохранено в истории: %1</source>
        <translation>! Чтение кодов не сохранено в истории: %1</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabModules</name>
    <message>
        <source>Опросить</source>
        <translation>Опросить</translation>
    </message>
    <message>
        <source>Спросить каждый модуль, отвечает ли он, и прочитать VIN, который он хранит (сначала высокая шина, потом средняя)</source>
        <translation>Спросить каждый модуль, отвечает ли он, и прочитать VIN, который он хранит (сначала высокая шина, потом средняя)</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Остановить опрос после модуля, который опрашивается сейчас</source>
        <translation>Остановить опрос после модуля, который опрашивается сейчас</translation>
    </message>
    <message>
        <source>Модуль</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Шина</source>
        <translation>Шина</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation>Коды ошибок</translation>
    </message>
    <message>
        <source>отвечает</source>
        <translation>отвечает</translation>
    </message>
    <message>
        <source>отказал в сеансе</source>
        <translation>отказал в сеансе</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>не отвечает</translation>
    </message>
    <message>
        <source>не опрошен</source>
        <translation>не опрошен</translation>
    </message>
    <message>
        <source>не выдан</source>
        <translation>не выдан</translation>
    </message>
    <message>
        <source>не прочитаны</source>
        <translation>не прочитаны</translation>
    </message>
    <message>
        <source>Средняя шина CAN (125 кбит/с)</source>
        <translation>Средняя шина CAN (125 кбит/с)</translation>
    </message>
    <message>
        <source>Высокая шина CAN (500 кбит/с)</source>
        <translation>Высокая шина CAN (500 кбит/с)</translation>
    </message>
    <message>
        <source>Модуль %1 из %2: %3</source>
        <translation>Модуль %1 из %2: %3</translation>
    </message>
    <message>
        <source>Новое подключение: результаты опроса %1 убраны (они могли быть от другой машины). Нажмите «Опросить».</source>
        <translation>Новое подключение: результаты опроса %1 убраны (они могли быть от другой машины). Нажмите «Опросить».</translation>
    </message>
    <message>
        <source>Этот модуль VIN не хранит</source>
        <translation>Этот модуль VIN не хранит</translation>
    </message>
    <message>
        <source>Не совпадает с VIN автомобиля %1: модуль, возможно, из другой машины</source>
        <translation>Не совпадает с VIN автомобиля %1: модуль, возможно, из другой машины</translation>
    </message>
    <message>
        <source>Нажмите «Опросить»: программа спросит каждый модуль автомобиля, отвечает ли он, и прочитает VIN, который он хранит.</source>
        <translation>Нажмите «Опросить»: программа спросит каждый модуль автомобиля, отвечает ли он, и прочитает VIN, который он хранит.</translation>
    </message>
    <message>
        <source>ответили модулей %1 из %2</source>
        <translation>ответили модулей %1 из %2</translation>
    </message>
    <message>
        <source>опрос не закончен: ответили модулей %1 из %2</source>
        <translation>опрос не закончен: ответили модулей %1 из %2</translation>
    </message>
    <message>
        <source>VIN автомобиля %1</source>
        <translation>VIN автомобиля %1</translation>
    </message>
    <message>
        <source>модули называют разные VIN: %1</source>
        <translation>модули называют разные VIN: %1</translation>
    </message>
    <message>
        <source>Прочитайте коды ошибок на вкладке диагностики</source>
        <translation>Прочитайте коды ошибок на вкладке диагностики</translation>
    </message>
    <message>
        <source>Из чтения кодов %1 на вкладке диагностики</source>
        <translation>Из чтения кодов %1 на вкладке диагностики</translation>
    </message>
    <message>
        <source>Коды стёрты; прочитайте их снова на вкладке диагностики</source>
        <translation>Коды стёрты; прочитайте их снова на вкладке диагностики</translation>
    </message>
</context>
<context>
    <name>talmero::app::TabService</name>
    <message>
        <source>Restart module</source>
        <translation>Перезагрузить модуль</translation>
    </message>
    <message>
        <source> Type module </source>
        <translation> Модуль </translation>
    </message>
    <message>
        <source> Read code VIN </source>
        <translation> Чтение VIN </translation>
    </message>
    <message>
        <source>Read module</source>
        <translation>Прочитать модуль</translation>
    </message>
    <message>
        <source>addres</source>
        <translation>адрес</translation>
    </message>
    <message>
        <source>Allow to change the address in the code VIN</source>
        <translation>Разрешить изменить адрес VIN</translation>
    </message>
    <message>
        <source> Manual configuration </source>
        <translation> Ручная конфигурация </translation>
    </message>
    <message>
        <source>Read from module</source>
        <translation>Прочитать из модуля</translation>
    </message>
    <message>
        <source>Allow change the BIN-HEX calculator</source>
        <translation>Щёлкните, чтобы изменить в калькуляторе BIN-HEX</translation>
    </message>
    <message>
        <source>address</source>
        <translation>адрес</translation>
    </message>
    <message>
        <source>Allow to change the address configuration</source>
        <translation>Разрешить изменить адрес конфигурации</translation>
    </message>
    <message>
        <source>Write to module</source>
        <translation>Записать в модуль</translation>
    </message>
    <message>
        <source>Модуль перезагружен: %1</source>
        <translation>Модуль перезагружен: %1</translation>
    </message>
</context>
<context>
    <name>talmero::link::Adapter</name>
    <message>
        <source>! Команда с управляющими или непечатаемыми символами не отправлена: %1</source>
        <translation>! Команда с управляющими или непечатаемыми символами не отправлена: %1</translation>
    </message>
    <message>
        <source>! Запрос изменения модуля без проверки не отправлен: %1</source>
        <translation>! Запрос изменения модуля без проверки не отправлен: %1</translation>
    </message>
    <message>
        <source>* Адаптер не принимает число ответов в запросе: дальше запросы идут без него</source>
        <translation>* Адаптер не принимает число ответов в запросе: дальше запросы идут без него</translation>
    </message>
    <message>
        <source>* Модуль попросил подождать ответа (7F %1 78): запрос повторён с ещё одной строкой ответа</source>
        <translation>* Модуль попросил подождать ответа (7F %1 78): запрос повторён с ещё одной строкой ответа</translation>
    </message>
    <message>
        <source>* Адаптер не принимает запрос одной строкой (STPX): дальше заголовок и запрос идут отдельно</source>
        <translation>* Адаптер не принимает запрос одной строкой (STPX): дальше заголовок и запрос идут отдельно</translation>
    </message>
</context>
<context>
    <name>talmero::link::BleChannel</name>
    <message>
        <source>без ответа</source>
        <translation>без ответа</translation>
    </message>
    <message>
        <source>с ответом</source>
        <translation>с ответом</translation>
    </message>
    <message>
        <source>* Bluetooth LE: служба %1, ответы из %2, запросы в %3 (запись %4, по %5 байт)</source>
        <translation>* Bluetooth LE: служба %1, ответы из %2, запросы в %3 (запись %4, по %5 байт)</translation>
    </message>
    <message>
        <source>; служба выбрана по её характеристикам</source>
        <translation>; служба выбрана по её характеристикам</translation>
    </message>
    <message>
        <source>адаптер подключился, но его службы не прочитаны за %1 с</source>
        <translation>адаптер подключился, но его службы не прочитаны за %1 с</translation>
    </message>
    <message>
        <source>у характеристики %1 нет дескриптора 2902, уведомления не включить</source>
        <translation>у характеристики %1 нет дескриптора 2902, уведомления не включить</translation>
    </message>
    <message>
        <source>адаптер не включил уведомления характеристики %1</source>
        <translation>адаптер не включил уведомления характеристики %1</translation>
    </message>
</context>
<context>
    <name>talmero::link::SerialChannel</name>
    <message>
        <source>Ошибка открытия порта: порт не указан</source>
        <translation>Ошибка открытия порта: порт не указан</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: устройства %1 нет. Проверьте, что адаптер подключён, и выберите его порт в списке (кнопка рядом со списком обновляет его).</source>
        <translation>Ошибка открытия порта: устройства %1 нет. Проверьте, что адаптер подключён, и выберите его порт в списке (кнопка рядом со списком обновляет его).</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: нет прав доступа к %1.
В Linux добавьте пользователя в группу dialout (sudo adduser $USER dialout), затем выйдите из системы и войдите снова.</source>
        <translation>Ошибка открытия порта: нет прав доступа к %1.
В Linux добавьте пользователя в группу dialout (sudo adduser $USER dialout), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.</source>
        <translation>Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта: %1 — не последовательный порт.</source>
        <translation>Ошибка открытия порта: %1 — не последовательный порт.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта %1</source>
        <translation>Ошибка открытия порта %1</translation>
    </message>
    <message>
        <source>Ошибка настройки параметров порта</source>
        <translation>Ошибка настройки параметров порта</translation>
    </message>
    <message>
        <source>Ошибка сброса порта</source>
        <translation>Ошибка сброса порта</translation>
    </message>
    <message>
        <source>* Порт %1: драйвер не включил режим малой задержки; адаптер с микросхемой FTDI будет задерживать каждый ответ до 16 мс</source>
        <translation>* Порт %1: драйвер не включил режим малой задержки; адаптер с микросхемой FTDI будет задерживать каждый ответ до 16 мс</translation>
    </message>
</context>
<context>
    <name>talmero::link::TcpChannel</name>
    <message>
        <source>Адрес %1 не найден. Проверьте адрес адаптера Wi-Fi (часто 192.168.0.10:35000).</source>
        <translation>Адрес %1 не найден. Проверьте адрес адаптера Wi-Fi (часто 192.168.0.10:35000).</translation>
    </message>
    <message>
        <source>Адаптер по адресу %1 отказал в соединении. Проверьте номер порта (часто 35000 или 23) и что к адаптеру не подключена другая программа.</source>
        <translation>Адаптер по адресу %1 отказал в соединении. Проверьте номер порта (часто 35000 или 23) и что к адаптеру не подключена другая программа.</translation>
    </message>
    <message>
        <source>По адресу %1 никто не ответил за %2 с. Проверьте, что компьютер подключён к сети Wi-Fi адаптера, что адрес верен и что адаптер получает питание (включите зажигание).</source>
        <translation>По адресу %1 никто не ответил за %2 с. Проверьте, что компьютер подключён к сети Wi-Fi адаптера, что адрес верен и что адаптер получает питание (включите зажигание).</translation>
    </message>
    <message>
        <source>Не удалось подключиться к адаптеру по адресу %1: %2</source>
        <translation>Не удалось подключиться к адаптеру по адресу %1: %2</translation>
    </message>
</context>
</TS>
