<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>ActiveX-Komponente kann Objekt nicht erstellen</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Kein gespeicherter Wert für den Bereich : </translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>Ein Feiertagsname darf die Zeichen &quot;|&quot; und &quot;%1&quot; nicht enthalten.</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Bitte geben Sie den Tag als ganze Zahl von 1 bis %1 ein.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Bitte einen Monat wählen.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Bitte einen Wochentag wählen.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Bitte wählen, der wievielte es ist.</translation>
    </message>
</context>
<context>
    <name>HostInstances</name>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.<byte value="xd"/>
<byte value="xd"/>
1. Please make sure Excel is installed on this computer.<byte value="xd"/>
<byte value="xd"/>
2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).<byte value="xd"/>
<byte value="xd"/>
3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.<byte value="xd"/>
<byte value="xd"/>
4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation>Fehler 842001. Es konnte keine normale Excel-Instanz erstellt werden.<byte value="xd"/>
<byte value="xd"/>
1. Bitte stellen Sie sicher, dass Excel auf diesem Computer installiert ist.<byte value="xd"/>
<byte value="xd"/>
2. Bitte öffnen Sie Excel wie gewohnt und prüfen Sie, dass sofort eine leere Tabelle erscheint, ohne dass ein anderes Fenster dazwischenkommt (etwa ein Fenster zur Wiederherstellung von Excel-Dateien).<byte value="xd"/>
<byte value="xd"/>
3. Bitte prüfen Sie, dass sich Excel beim Doppelklick auf eine XLS- oder XLSX-Datei ohne störende Meldungen öffnet.<byte value="xd"/>
<byte value="xd"/>
4. Diese Software unterstützt alle Excel-Versionen außer den seltenen Ausgaben Excel Starter und Student.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel ist möglicherweise geöffnet. Es wird empfohlen, Excel zuerst zu schließen.<byte value="xd"/>Nötigenfalls über Strg+Alt+Entf &gt; Task-Manager &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Excel 97-2003-Arbeitsmappe (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Farblos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feste Feiertage</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Neuer fester Feiertag</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Feiertag:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Bewegliche Feiertage</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Neuer beweglicher Feiertag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Welcher:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Welches Jahr?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Ostern eintragen?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Ja</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Nein</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feste Feiertage</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Feiertag hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Gewählten Feiertag löschen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Bewegliche Feiertage</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Welcher:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Sie müssen ein gültiges Jahr eingeben.</translation>
    </message>
</context>
<context>
    <name>morvessa::PreviewWindow</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Ergebnis als Excel-Datei speichern</translation>
    </message>
</context>
</TS>
