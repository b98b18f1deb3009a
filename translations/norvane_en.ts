<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Norvane</name>
    <message numerus="yes">
        <source>%n file(s) %1</source>
        <extracomment>%1 is where the files are: &quot;in %n folder(s)&quot;. Together: &quot;812 files in 64 folders&quot;.</extracomment>
        <translation>
            <numerusform>%n file %1</numerusform>
            <numerusform>%n files %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n folder(s)</source>
        <translation>
            <numerusform>in %n folder</numerusform>
            <numerusform>in %n folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rename pending</source>
        <translation>
            <numerusform>%n rename pending</numerusform>
            <numerusform>%n rename pending</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manual rename(s) pending</source>
        <translation>
            <numerusform>%n manual rename pending</numerusform>
            <numerusform>%n manual renames pending</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n replaced</numerusform>
            <numerusform>%n replaced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renamed</numerusform>
            <numerusform>%n renamed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not in input format</source>
        <translation>
            <numerusform>%n not in input format</numerusform>
            <numerusform>%n not in input format</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a new name</source>
        <translation>
            <numerusform>%n without a new name</numerusform>
            <numerusform>%n without a new name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in output format</source>
        <translation>
            <numerusform>%n already in output format</numerusform>
            <numerusform>%n already in output format</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <translation>
            <numerusform>%n cancelled</numerusform>
            <numerusform>%n cancelled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n undone</source>
        <translation>
            <numerusform>%n undone</numerusform>
            <numerusform>%n undone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will fail</source>
        <translation>
            <numerusform>%n will fail</numerusform>
            <numerusform>%n will fail</numerusform>
        </translation>
    </message>
</context>
</TS>
