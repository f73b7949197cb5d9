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
</context>
</TS>
