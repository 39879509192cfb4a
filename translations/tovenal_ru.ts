<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>Listening</name>
    <message numerus="yes">
        <source>Слушать сигнал (на %n октав выше)</source>
        <translation>
            <numerusform>Слушать сигнал (на %n октаву выше)</numerusform>
            <numerusform>Слушать сигнал (на %n октавы выше)</numerusform>
            <numerusform>Слушать сигнал (на %n октав выше)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Слушать сигнал (на %n октав ниже)</source>
        <translation>
            <numerusform>Слушать сигнал (на %n октаву ниже)</numerusform>
            <numerusform>Слушать сигнал (на %n октавы ниже)</numerusform>
            <numerusform>Слушать сигнал (на %n октав ниже)</numerusform>
        </translation>
    </message>
</context>
</TS>
