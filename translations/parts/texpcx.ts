<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CoreTexts</name>
    <message>
        <source>Fehler beim Kopieren von &quot;%1&quot; nach &quot;%2&quot;.</source>
        <translation>Error copying &quot;%1&quot; to &quot;%2&quot;.</translation>
    </message>
</context>
</TS>
