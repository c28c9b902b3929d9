<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="xx" sourcelanguage="en">
<context>
    <name>Verdict</name>
    <message>
        <source>The slab passes.</source>
        <translation>La losa cumple.</translation>
    </message>
    <message>
        <source>Fatigue %1 %, erosion %2 %</source>
        <translation>Erosión %2 %, fatiga %1 %</translation>
    </message>
    <message>
        <source>Not yet translated</source>
        <translation type="unfinished">Borrador</translation>
    </message>
    <message>
        <source>Gone from the sources</source>
        <translation type="vanished">Ya no</translation>
    </message>
</context>
<context>
    <name>Énfasis</name>
    <message>
        <source>Two lines:<byte value="xd"/>
second</source>
        <translation>Dos líneas:<byte value="xd"/>
segunda</translation>
    </message>
    <message>
        <source>Módulo</source>
        <translation>Módulo de ruptura</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Módulo</translation>
    </message>
</context>
<context>
    <name>zan::MainWindow</name>
    <message>
        <source>The slab passes.</source>
        <translation>Only the window's</translation>
    </message>
</context>
</TS>
