<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small right-to-left table for the tests; it leaves most texts to English on purpose. -->
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Take a break</source>
        <translation>קח הפסקה</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>חזרה לעבודה!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצור</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
</TS>
