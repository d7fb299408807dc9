<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BatchTool</name>
    <message>
        <source>Builds a yearly calendar workbook (.xls or .xlsx, twelve month sheets) from the stored
holidays and colours, exactly as the program&apos;s &quot;Start Creating Template&quot; does, without any
window.

Every failed step is printed to stderr as the program&apos;s error report would show it; the exit
status is 0 only when no step failed (1 when one did, 2 for a usage error). A run with a failed
step writes no file, so an existing --out stays as it was, unless --keep-going is given.
The user&apos;s own settings are read only when --settings is not given.

Many calendars in one run: --years FIRST-LAST with --out-dir DIR writes DIR/YEAR.xls for each
year; several --settings files give DIR/NAME-YEAR.xls for each file NAME.ini and year. These
runs write the workbooks only (no snapshot), each one only when none of its steps failed
(or with --keep-going).

PDF: an --out ending in .pdf writes the calendar as a PDF only, one landscape page per month;
--pdf PATH writes one beside the workbook. --paper sets the paper of the PDF and of the
workbook&apos;s page setup for this run only; --months picks the PDF&apos;s months.</source>
        <translation>Erstellt eine Jahreskalender-Arbeitsmappe (.xls oder .xlsx, zwölf Monatsblätter) aus den
gespeicherten Feiertagen und Farben, genau wie „Vorlage erstellen“ im Programm, ohne Fenster.

Jeder fehlgeschlagene Schritt wird auf stderr ausgegeben, wie ihn der Fehlerbericht des Programms
zeigen würde; der Rückgabewert ist nur dann 0, wenn kein Schritt fehlschlug (1, wenn einer
fehlschlug, 2 bei einem Aufruffehler). Ein Lauf mit einem fehlgeschlagenen Schritt schreibt keine
Datei, eine vorhandene --out-Datei bleibt also unverändert, außer mit --keep-going. Die eigenen
Einstellungen des Benutzers werden nur gelesen, wenn --settings nicht angegeben ist.

Viele Kalender in einem Lauf: --years FIRST-LAST mit --out-dir DIR schreibt DIR/YEAR.xls für jedes
Jahr; mehrere --settings-Dateien ergeben DIR/NAME-YEAR.xls für jede Datei NAME.ini und jedes Jahr.
Diese Läufe schreiben nur die Arbeitsmappen (kein Bild), jede nur dann, wenn keiner ihrer Schritte
fehlschlug (oder mit --keep-going).

PDF: Ein --out, das auf .pdf endet, schreibt den Kalender nur als PDF, eine Seite im Querformat je
Monat; --pdf PATH schreibt eines neben die Arbeitsmappe. --paper legt das Papier des PDF und der
Seiteneinrichtung der Arbeitsmappe nur für diesen Lauf fest; --months wählt die Monate des PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>Das Jahr des Kalenders; Jahre außerhalb von 1900..2100 werden auf diese Grenzen gesetzt.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Wohin die Arbeitsmappe geschrieben wird (eine vorhandene Datei wird ersetzt): ein Name auf .xlsx ergibt eine Excel-Arbeitsmappe, jeder andere das Format Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Eine INI-Einstellungsdatei statt der eigenen des Benutzers (gleiches Format). Eine leere Datei ergibt die vorgegebenen Feiertage und Farben und erhält sie.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>Das Monatsblatt, das beim Öffnen der Arbeitsmappe aktiv ist und das das Bild zeigt, 1..12 (vorgegeben 1, Januar).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Auch das Bild dieses Monats schreiben (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Viele Kalender: jedes Jahr von FIRST bis LAST (mit --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>Der Ordner für viele Kalender (mit --years oder --year; wird angelegt, wenn er fehlt).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Fügt die Feiertage eines Landes, Bundeslandes oder einer Region hinzu (ein Code wie DE, DE-BY, GB-SCT oder US-TX; --list-countries listet sie auf), nur für diesen Lauf; kann mehrfach angegeben werden. Die gespeicherten Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>Die Arten der --country-Feiertage, die eingetragen werden, durch Kommas getrennt: public, bank, optional, school, observance (vorgegeben: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Listet Code und englischen Namen jedes Landes auf, einen je Zeile; mit dem Code eines Landes dahinter (--list-countries DE) dessen Bundesländer und Regionen.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Fügt die ganztägigen Termine einer iCalendar-Datei hinzu, nur für diesen Lauf; kann mehrfach angegeben werden. Die gespeicherten Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Auch jeden Feiertag, den der Lauf einträgt, an den Tagen, an denen er ihn einträgt, als iCalendar-Datei schreiben: für --year oder für jedes Jahr von --years FIRST-LAST. Ohne --out oder --out-dir wird nur diese Datei geschrieben.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Benennt --country-Feiertage auf Englisch statt in der Sprache des Landes.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Arbeitsmappe und Bild auch dann schreiben, wenn Schritte fehlschlugen (der Rückgabewert ist trotzdem 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>Die Sprache der Monats- und Wochentagsnamen: ein Gebietsschema wie de, pl_PL oder ru-RU, „system“ für das des Systems oder „default“ für Englisch.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>Der erste Tag jeder Woche: sun (vorgegeben), mon, sat oder locale für den der Sprache.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Zwölf Monate ab diesem, etwa 2026-09 für September 2026 bis August 2027; sein Jahr tritt an die Stelle von --year (nur ein Kalender).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Die ISO-Kalenderwoche neben jeder Woche zeigen.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>Die Seiten: die Monate (vorgegeben), das Jahr auf einer Seite oder beides (die Jahresseite zuerst).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>Wie die Seiten im PDF und in der Seiteneinrichtung der Arbeitsmappe stehen: landscape (Querformat, vorgegeben) oder portrait (Hochformat).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>Die Füllung der Wochenendtage auf jeder Seite, eine Farbe der Palette mit 56 Farben, oder 0 für keine (vorgegeben: die gespeicherte Wahl).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Auch den Kalender als PDF schreiben, eine Seite je Monat (ein --out, das auf .pdf endet, schreibt nur das PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>Das Papier des PDF und der Seiteneinrichtung der Arbeitsmappe, nur für diesen Lauf: a4, letter, legal oder a3 (vorgegeben: die gespeicherte Wahl; für das PDF sonst das übliche Papier des Gebietsschemas).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>Die Monate im PDF, FIRST-LAST in der Reihenfolge des Kalenders oder ein Monat, 1..12 (vorgegeben: alle zwölf).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Ausgabedateien auch dann ersetzen, wenn sie schreibgeschützt sind.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years schreibt viele Kalender: --out-dir statt --out angeben</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (oder --first-month) und --out sind erforderlich</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>mehrere --settings-Dateien ergeben mehrere Kalender: --out-dir angeben</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Sie müssen ein gültiges Jahr eingeben.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out muss eine Datei nennen</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>Die Einstellungsdatei „%1“ gibt es nicht (eine leere Datei ergibt die Vorgaben)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types nimmt public, bank, optional, school und observance, nicht „%1“</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types braucht mindestens eine Art</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries nimmt höchstens einen Ländercode</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 „%2“ enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 „%2“ bezeichnet „%3“, das dieser Lauf liest</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 „%2“ ist schreibgeschützt; --force angeben, um sie trotzdem zu ersetzen</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper muss a4, letter, legal oder a3 sein</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out nennt bereits ein PDF; --pdf gehört neben eine Arbeitsmappe</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf muss eine Datei nennen</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf und --out nennen dieselbe Datei</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months wählt die Monate des PDF: --pdf oder ein --out mit der Endung .pdf angeben</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months muss FIRST-LAST oder ein Monat sein, jeweils 1..12, etwa 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month muss ein Jahr und ein Monat sein, etwa 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 und --first-month %2 nennen verschiedene Jahre</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language „%1“ ist kein Gebietsschema (versuchen Sie de, pl_PL, system oder default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start muss sun, mon, sat oder locale sein</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout muss months, year oder both sein</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation muss portrait oder landscape sein</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color muss eine Palettenfarbe von 1 bis 56 sein oder 0 für keine</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month muss eine ganze Zahl von 1 bis 12 sein</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir nimmt entweder --years FIRST-LAST oder --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years muss FIRST-LAST sein, FIRST nicht nach LAST, etwa 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>zwei Einstellungsdateien heißen „%1“; ihre Kalender bekämen dieselben Namen</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir schreibt viele Kalender: es geht nicht mit --out, --snapshot, --pdf oder --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir muss einen Ordner nennen</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month ergibt einen Kalender: --out statt --out-dir angeben</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics muss eine Datei nennen</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics schreibt die Feiertage einer Einstellungsdatei</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics ohne --out schreibt keinen Kalender: --snapshot, --pdf und --months brauchen --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics nimmt entweder --year oder --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>%1 Feiertage von %2-%3 nach %4 exportiert.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>der Kalender zeigt die gesetzlichen Feiertage von %1 (%2), dem Land, auf das das System eingestellt ist; --country fügt weitere hinzu, das Menü Feiertage des Programms ändert sie</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Rufen Sie „morvessa-batch --help“ auf.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 wurde nicht geschrieben: ein Schritt schlug fehl</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>die Erstellung hat keine Arbeitsmappe übergeben</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>es wurde kein Bild aufgenommen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 läuft rückwärts in einem Kalender, der mit Monat %3 beginnt</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n Schritt schlug fehl; keine Datei wurde geschrieben (--keep-going schreibt sie trotzdem)</numerusform>
            <numerusform>%n Schritte schlugen fehl; keine Datei wurde geschrieben (--keep-going schreibt sie trotzdem)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Morvessa-Kalender</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>Die gewählten Seiten enthalten keinen Monat.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>Der Drucker hat den Kalender nicht angenommen: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 weitere</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>Bankfeiertag</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>fakultativ</translation>
    </message>
    <message>
        <source>school</source>
        <translation>schulfrei</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>Gedenktag</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Ostern</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>Die Einstellung %1 enthält %2; das ist keine der %3 Farben, darum wird keine Farbe verwendet. Wählen Sie eine mit der zugehörigen Schaltfläche unter &quot;Farbe&quot;.</translation>
    </message>
</context>
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
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Ein Tag hat mehr als %1 Feiertage: seine Notizen zeigen die ersten %1 und wie viele es noch gibt.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>An ordinal number, such as the 31st (day) or the 5th (Friday)</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>its month &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>sein Monat „%1“ ist keine Zahl von 1 bis 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>sein Tag „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>sein Wochentag „%1“ ist keiner der Tage Sonntag bis Samstag</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>seine Angabe „%1“ unter „Welcher“ ist keine von 1. bis 5. oder Letzter</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>es gibt keinen Monat %1 (die Monate gehen von 1 bis 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>sein Tag %1 ist in keinem Monat ein Tag</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 hat keinen %2 Tag</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>%1 hat keinen %2 %3</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Der Feiertag „%1“ kann nicht eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Der Termin „%1“ kann nicht eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>Die Feiertage nach Regel können nicht eingetragen werden: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Im Ordner %1 konnte keine temporäre Arbeitsmappe angelegt werden.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Es wurde kein Kalender erstellt.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Die temporäre Arbeitsmappe %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>die Datei ist größer, als dieser Datenträger oder dieser Prozess schreiben darf</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>der Name ist eine Verknüpfung, der nicht gefolgt wird</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month and its year, as a sentence names them (%1 the month, %2 the year)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>in </source>
        <translation>in </translation>
    </message>
    <message>
        <source>The drawing module cannot be loaded: %1</source>
        <translation>Das Zeichenmodul kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>Das Zeichenmodul %1 gehört nicht zu diesem Programm</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Kein gespeicherter Wert für den Bereich : </translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Einige Ihrer gespeicherten Feiertage konnten nicht richtig gelesen werden:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>Die Listen zeigen jeden Feiertag, der gelesen werden konnte. Die Einstellungsdatei bleibt unverändert, bis Sie einen Feiertag hinzufügen, löschen oder wiederherstellen. Eine Kopie davon wurde als &quot;%1&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Ihre gespeicherten Feiertage konnten nicht gelesen werden: %1. Beide Feiertagslisten wurden auf die vorgegebenen Feiertage zurückgesetzt. Eine Kopie der alten Einstellungsdatei mit Ihren Feiertagen wurde als &quot;%2&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 hat den Wert %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 enthält &quot;%2&quot;, was keine Zahl ist</translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 sollte die Anzahl der festen Feiertage enthalten, enthält aber &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 sollte die Anzahl der beweglichen Feiertage enthalten, enthält aber &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 wurde in einer anderen Zeichenkodierung geschrieben; Buchstaben außerhalb des einfachen englischen Alphabets (etwa Umlaute) können daher als &quot;%2&quot; erscheinen</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 gibt %2 feste Feiertage an, %3 enthält aber %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 gibt %2 bewegliche Feiertage an, %3 enthält aber %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>kein fester Feiertag konnte gelesen werden, darum werden die vorgegebenen gezeigt</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>kein beweglicher Feiertag konnte gelesen werden, darum werden die vorgegebenen gezeigt</translation>
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
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Fest: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Beweglich: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Regel: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (kein gültiges Datum)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>&quot;%1&quot; wurde inzwischen in einer anderen Kopie des Programms geändert oder gelöscht; &quot;%2&quot; wurde deshalb als neuer Feiertag hinzugefügt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>&quot;%1&quot; wurde inzwischen in einer anderen Kopie des Programms geändert oder gelöscht; deshalb wurde nichts gelöscht. Die Liste zeigt die Feiertage, wie sie jetzt gespeichert sind.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>letzter</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, am Wochenende am Freitag bzw. Montag begangen</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, am Wochenende am nächsten freien Werktag begangen</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, an einem Sonntag am nächsten freien Werktag begangen</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 im %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Ostersonntag %1%2 Tage</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>erster %1 ab dem %2. %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>letzter %1 bis zum %2. %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, %1 bis %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, ab %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, bis %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Rückgängig: Land hinzufügen</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Rückgängig: Feiertag hinzufügen</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Rückgängig: Feiertag bearbeiten</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Rückgängig: Löschen</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Rückgängig: Vorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Rückgängig: Importieren</translation>
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
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>Die iCalendar-Datei kann nicht gelesen werden; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>Die Datei enthält keinen Kalender (VCALENDAR); nichts wurde importiert.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Diese Kalenderdatei kann nicht gelesen werden: %1; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>sie ist größer als 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>sie enthält Binärdaten (NUL-Bytes)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>sie ist keine iCalendar-Datei (kein BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Kalenderdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>sie enthält mehr als %1 Zeilen und aufgezählte Daten (Zeile %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>ein Block enthält mehr als %1 Zeilen und aufgezählte Daten (Zeile %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>eine Zeile ist länger als 64 KB (Zeile %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>eine Zeile hat mehr als %1 Parameter (Zeile %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>ihre Blöcke sind tiefer als %1 Ebenen verschachtelt (Zeile %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>sie enthält mehr als %1 Termine</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>sie beendet einen Block, den sie nicht begonnen hat (Zeile %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>iCalendar-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>Mit der Datei &amp;abgleichen (für jeden Kalender neu lesen)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>&amp;Termine mit Uhrzeit aufnehmen, die Uhrzeit vor dem Namen</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 ist schreibgeschützt. Trotzdem ersetzen?</translation>
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
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Ausgabedatei wählen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>Die Einstellung %1 enthält „%2“, was kein gültiger Wert ist; ihr Standardwert wird verwendet.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; kann nicht gelesen oder geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist beschädigt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; wird von einer anderen Instanz des Programms belegt; es wurde nichts geändert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist beschädigt, und es konnte keine Kopie davon angelegt werden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist keine Datei.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Im Kalender „%1“ wiederholt sich „%2 öfter als %3-mal oder unzählbar oft; nur bis dahin gezeigt.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Im Kalender „%1“ wiederholen sich „%2 öfter als %3-mal oder unzählbar oft; nur bis dahin gezeigt.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>Der Kalender „%1“ markiert in diesen Jahren mehr als %2 Tage; nur bis dahin gezeigt.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>Die Feiertagsdaten %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>Die Feiertagsdaten %1 sind zu groß</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>Die Feiertagsdaten %1 sind beschädigt: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>Die Feiertagsdaten verweisen im Kreis</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Für das Land „%1“ sind keine Feiertage bekannt</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Für „%1“ sind keine Feiertage bekannt (morvessa-batch --list-countries listet die Codes auf)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Für „%1“ sind keine Feiertage bekannt (morvessa-batch --list-countries %2 listet seine Bundesländer und Regionen auf)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>Die gespeicherte Liste der Feiertagsquellen (%1) kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>„%1“ ist keine Art von Feiertag</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>Über Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Jahreskalender zum Drucken, mit den Feiertagen Ihres Ortes.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Feiertagsdaten: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Lizenz der Feiertagsdaten: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Ereignisse von %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Englisch (Vorgabe)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Sprache des &amp;Systems (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Andere Sprache...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>&amp;Woche beginnt am</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Sonntag</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Montag</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>S&amp;amstag</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Wie in der Sprache &amp;üblich</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Erster Monat</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Kalenderwochen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>„%1“ ist keine Sprache, die der Kalender kennt. Geben Sie einen Namen wie de, pt_BR oder sr_Latn_RS an.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>Sei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Nur &amp;Monate</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>&amp;Jahresseite und Monate</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Nur Jahres&amp;seite</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Ausrichtung</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Wochenenden</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Farbe der Wochenenden</translation>
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
    <message>
        <source>Colour %1 of %2</source>
        <translation>Farbe %1 von %2</translation>
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
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>Nach &amp;Regel hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>Der letzte feste und der letzte bewegliche Feiertag bleiben: Jede Liste behält einen.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>E&amp;reignisse...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Kalender: %1 - 1 Ereignis</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Kalender: %1 - %2 Ereignisse</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, mit seiner Datei abgeglichen</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Land: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidaysMenu</name>
    <message>
        <source>Add Holiday by &amp;Rule...</source>
        <translation>Feiertag &amp;nach Regel hinzufügen...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Feiertage eines &amp;Landes hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>Feiertag &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>&amp;Alle Feiertage eines Tages zeigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>iCalendar-Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>iCalendar-Datei e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Feiertage des &amp;Jahres</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Zuerst ein Jahr eingeben</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Keine Feiertage in %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>feste Feiertage</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>bewegliche Feiertage</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>die Oster-Einstellung</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>Feiertage nach Regel</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>iCalendar-Datei importieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>iCalendar-Datei exportieren</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Jeder Feiertag dieser Jahre wird an dem Tag geschrieben,
an dem ihn der Kalender markiert:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>Das letzte Jahr liegt vor dem ersten; es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>%1 Feiertage nach %2 exportiert.</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>Kalenderdatei</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Ihr Kalender zeigt die gesetzlichen Feiertage von %1, dem Land, auf das Ihr System eingestellt ist.

Um ein Bundesland, eine Region oder ein anderes Land zu wählen: %2.
Um sie herauszunehmen: %3.</translation>
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
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Feiertage</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Andere Sprache</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Sprache und Land, etwa pt_BR oder sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Farbe der Feiertage</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Farbe der Tage</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Sonstige Farbe</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>Ü&amp;ber Morvessa...</translation>
    </message>
</context>
<context>
    <name>morvessa::PreviewWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
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
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Nach oben und unten blättern</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Seitwärts blättern</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar of %1</source>
        <translation>Kalender: %1</translation>
    </message>
    <message>
        <source>The month sheet is empty.</source>
        <translation>Das Monatsblatt ist leer.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Wochentag eines Monats (1. bis 5. oder letzter)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Tage ab Ostersonntag</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Wochentag an oder nach einem Datum</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Wochentag an oder vor einem Datum</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Ein Tag eines Jahres</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Samstag auf Freitag, Sonntag auf Montag</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Wochenende auf den nächsten freien Werktag</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Sonntag auf den nächsten freien Werktag</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Feiertag nach Regel hinzufügen</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Feiertag bearbeiten</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>&amp;Welcher:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>&amp;Wochentag:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Tag:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Abstand zu &amp;Ostern:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>Am &amp;Wochenende verlegt:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>Gültig &amp;ab:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Bitte geben Sie dem Feiertag einen Namen.</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 ist kein Schaltjahr: Der Februar hat keinen 29. Tag.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>Der %1 hat keinen 30. Tag.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>Der %1 hat keinen 31. Tag.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>Das letzte Jahr liegt vor dem ersten Jahr.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Diese Angaben ergeben keinen Feiertag.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Gesetzlich</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Banken</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>&amp;Optional</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;Schulen</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Gedenktage</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Feiertage eines Landes, Bundeslands oder einer Region hinzufügen</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Länder suchen</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Bundesland oder &amp;Region:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Arten:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>Gezeigtes &amp;Jahr:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Das ganze Land</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Keine Feiertage dieser Arten in %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Die Feiertage von %1 wurden hinzugefügt.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Die Feiertage von %1 sind schon vorhanden.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Feiertage des gezeigten Jahres</translation>
    </message>
</context>
</TS>
