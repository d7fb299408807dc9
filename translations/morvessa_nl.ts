<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Maakt een werkmap met een jaarkalender (.xls of .xlsx, twaalf maandbladen) uit de opgeslagen
feestdagen en kleuren, precies zoals „Kalender maken” in het programma, zonder venster.

Elke mislukte stap wordt op stderr geschreven zoals het foutrapport van het programma hem zou
tonen; de afsluitcode is alleen 0 als geen stap mislukte (1 als er een mislukte, 2 bij een
gebruiksfout). Een run met een mislukte stap schrijft geen bestand, zodat een bestaand --out
blijft zoals het was, tenzij --keep-going is opgegeven. De eigen instellingen van de gebruiker
worden alleen gelezen als --settings niet is opgegeven.

Veel kalenders in één run: --years FIRST-LAST met --out-dir DIR schrijft DIR/YEAR.xls voor elk
jaar; meerdere --settings-bestanden geven DIR/NAME-YEAR.xls voor elk bestand NAME.ini en elk jaar.
Deze runs schrijven alleen de werkmappen (geen afbeelding), elk alleen als geen van zijn stappen
mislukte (of met --keep-going).

PDF: een --out die eindigt op .pdf schrijft de kalender alleen als PDF, één liggende pagina per
maand; --pdf PATH schrijft er een naast de werkmap. --paper stelt het papier van de PDF en van de
pagina-instelling van de werkmap alleen voor deze run in; --months kiest de maanden van de PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>Het jaar van de kalender; jaren buiten 1900..2100 worden tot die grenzen teruggebracht.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Waar de werkmap wordt geschreven (vervangen als hij bestaat): een naam op .xlsx geeft een Excel-werkmap, elke andere de indeling Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Een INI-instellingenbestand dat in plaats van dat van de gebruiker wordt gebruikt (zelfde indeling). Een leeg bestand geeft de standaardfeestdagen en -kleuren, die erin worden geschreven.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>Het maandblad dat actief is als de werkmap opent en dat de afbeelding toont, 1..12 (standaard 1, januari).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Ook de afbeelding van die maand schrijven (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Veel kalenders: elk jaar van FIRST tot LAST (met --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>De map voor veel kalenders (met --years of --year; wordt gemaakt als hij ontbreekt).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Voegt de feestdagen van een land, staat of regio toe (een code zoals DE, DE-BY, GB-SCT of US-TX; --list-countries somt ze op), alleen voor deze run; mag meer dan eens worden opgegeven. De opgeslagen instellingen veranderen niet.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>De soorten --country-feestdagen die worden gemarkeerd, gescheiden door komma&apos;s: public, bank, optional, school, observance (standaard: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Somt de code en Engelse naam van elk land op, één per regel; met de code van een land erachter (--list-countries DE) zijn staten en regio&apos;s.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Voegt de hele-dagafspraken van een iCalendar-bestand toe, alleen voor deze run; mag meer dan eens worden opgegeven. De opgeslagen instellingen veranderen niet.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Ook elke feestdag die de run zou markeren, op de dagen waarop hij hem markeert, als iCalendar-bestand schrijven: voor --year, of voor elk jaar van --years FIRST-LAST. Zonder --out of --out-dir wordt alleen dit bestand geschreven.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Geeft --country-feestdagen Engelse namen in plaats van namen in de taal van het land.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>De werkmap en de afbeelding ook schrijven als er stappen mislukten (de afsluitcode blijft 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>De taal van maand- en weekdagnamen: een landinstelling zoals de, pl_PL of ru-RU, ‘system’ voor die van het systeem, of ‘default’ voor Engels.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>De eerste dag van elke week: sun (standaard), mon, sat, of locale voor die van de taal.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Twaalf maanden vanaf deze, zoals 2026-09 voor september 2026 tot augustus 2027; het jaar ervan neemt de plaats in van --year (slechts één kalender).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Het ISO-weeknummer naast elke week tonen.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>De pagina&apos;s: de maanden (standaard), het jaar op één pagina, of beide (de jaarpagina eerst).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>Hoe de pagina&apos;s staan in de PDF en in de pagina-instelling van de werkmap: landscape (liggend, standaard) of portrait (staand).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>De vulling van weekenddagen op elke pagina, een kleur uit het palet van 56, of 0 voor geen (standaard: de opgeslagen keuze).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Ook de kalender als PDF schrijven, één pagina per maand (een --out die eindigt op .pdf schrijft alleen de PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>Het papier van de PDF en van de pagina-instelling van de werkmap, alleen voor deze run: a4, letter, legal of a3 (standaard: de opgeslagen keuze; voor de PDF anders het gebruikelijke papier van de landinstelling).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>De maanden in de PDF, FIRST-LAST in de volgorde van de kalender of één maand, 1..12 (standaard: alle twaalf).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Uitvoerbestanden ook vervangen als ze alleen-lezen zijn.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years schrijft veel kalenders: geef --out-dir in plaats van --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (of --first-month) en --out zijn verplicht</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>meerdere --settings-bestanden maken meerdere kalenders: geef --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>U moet een geldig jaar invoeren.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out moet een bestand noemen</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>instellingenbestand ‘%1’ bestaat niet (een leeg bestand geeft de standaardwaarden)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types neemt public, bank, optional, school en observance, niet ‘%1’</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types heeft minstens één soort nodig</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries neemt hoogstens één landcode</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 ‘%2’ bevat een stuurteken</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 ‘%2’ noemt ‘%3’, dat deze run leest</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 ‘%2’ is alleen-lezen; geef --force om het toch te vervangen</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper moet a4, letter, legal of a3 zijn</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out noemt al een PDF; --pdf hoort naast een werkmap</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf moet een bestand noemen</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf en --out noemen hetzelfde bestand</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months kiest de maanden van de PDF: geef --pdf of een --out die eindigt op .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months moet FIRST-LAST of één maand zijn, elk 1..12, zoals 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month moet een jaar en een maand zijn, zoals 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 en --first-month %2 noemen verschillende jaren</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language ‘%1’ is geen landinstelling (probeer de, pl_PL, system of default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start moet sun, mon, sat of locale zijn</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout moet months, year of both zijn</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation moet portrait of landscape zijn</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color moet een paletkleur van 1 tot 56 zijn, of 0 voor geen</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month moet een geheel getal van 1 tot 12 zijn</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir neemt ofwel --years FIRST-LAST ofwel --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years moet FIRST-LAST zijn met FIRST niet na LAST, zoals 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>twee instellingenbestanden heten ‘%1’; hun kalenders zouden dezelfde namen krijgen</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir schrijft veel kalenders: het gaat niet samen met --out, --snapshot, --pdf of --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir moet een map noemen</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month maakt één kalender: geef --out in plaats van --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics moet een bestand noemen</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics schrijft de feestdagen van één instellingenbestand</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics zonder --out schrijft geen kalender: --snapshot, --pdf en --months hebben --out nodig</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics neemt ofwel --year ofwel --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>%1 feestdagen van %2-%3 geëxporteerd naar %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>de kalender toont de officiële feestdagen van %1 (%2), het land waarop het systeem is ingesteld; --country voegt andere toe, het menu Feestdagen van het programma wijzigt ze</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Probeer ‘morvessa-batch --help’.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan de map %1 niet maken</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 is niet geschreven: een stap is mislukt</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>het maken heeft geen werkmap opgeleverd</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>er is geen afbeelding gemaakt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 loopt achteruit in een kalender die begint met maand %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n stap mislukt; er is geen bestand geschreven (--keep-going schrijft ze toch)</numerusform>
            <numerusform>%n stappen mislukt; er is geen bestand geschreven (--keep-going schrijft ze toch)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Morvessa-kalender</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>De gekozen pagina&apos;s bevatten geen maand.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>De printer heeft de kalender niet aangenomen: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatste</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… nog %1</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>bankfeestdag</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optioneel</translation>
    </message>
    <message>
        <source>school</source>
        <translation>school</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>gedenkdag</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pasen</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>De instelling %1 bevat %2, wat geen van de %3 kleuren is; er wordt dus geen kleur gebruikt. Kies er een met de bijbehorende kleurknop.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door toepassing of object gedefinieerde fout</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ongeldige afbeelding</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>ActiveX-onderdeel kan geen object maken</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objectvariabele of With-blokvariabele is niet ingesteld</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>op regel </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Stuur een schermafbeelding van deze melding naar </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Een dag heeft meer dan %1 feestdagen: de notities tonen de eerste %1 en hoeveel er nog meer zijn.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>An ordinal number, such as the 31st (day) or the 5th (Friday)</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>its month &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>de maand ‘%1’ is geen getal van 1 tot 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>de dag ‘%1’ is geen geheel getal</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>de weekdag ‘%1’ is geen van zondag tot en met zaterdag</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>de positie ‘%1’ is geen van 1e tot en met 5e of Laatste</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>er is geen maand %1 (de maanden lopen van 1 tot 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>de dag %1 is in geen enkele maand een dag</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 heeft geen %2 dag</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>%1 heeft geen %2 %3</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>De feestdag ‘%1’ kan niet worden geplaatst: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>De afspraak ‘%1’ kan niet worden geplaatst: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>De feestdagen volgens regel kunnen niet worden geplaatst: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Er kon geen tijdelijke werkmap worden gemaakt in %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Er is geen kalender gemaakt.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Kan de tijdelijke werkmap %1 niet maken: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>een onbekende fout</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is op</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>het bestand is groter dan deze schijf of dit proces mag schrijven</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>de naam is een koppeling, die niet wordt gevolgd</translation>
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
        <translation>De tekenmodule kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>De tekenmodule %1 hoort niet bij dit programma</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Geen opgeslagen waarde voor het bereik: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 bevat „%2”, wat geen getal is</translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Enkele opgeslagen feestdagen konden niet goed worden gelezen:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>De lijsten tonen elke feestdag die kon worden gelezen. Het instellingenbestand blijft zoals het is tot u een feestdag toevoegt, verwijdert of herstelt. Er is een kopie bewaard als „%1”.</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Uw opgeslagen feestdagen konden niet worden gelezen, omdat %1. Beide lijsten zijn teruggezet naar de standaardfeestdagen. Een kopie van het oude instellingenbestand, met uw feestdagen, is bewaard als „%2”.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 zou het aantal vaste feestdagen moeten bevatten, maar bevat „%2”</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 zou het aantal variabele feestdagen moeten bevatten, maar bevat „%2”</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 is in een andere tekencodering geschreven, dus letters buiten het gewone Engels (accenten bijvoorbeeld) kunnen als „%2” verschijnen</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 noemt %2 vaste feestdagen, maar %3 bevat er %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 noemt %2 variabele feestdagen, maar %3 bevat er %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>geen enkele vaste feestdag kon worden gelezen, dus de standaardfeestdagen worden getoond</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>geen enkele variabele feestdag kon worden gelezen, dus de standaardfeestdagen worden getoond</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>De naam van een feestdag mag de tekens „|” en „%1” niet bevatten.</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Voer de dag in als geheel getal van 1 tot %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Voer een naam in.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Kies een maand.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Kies een weekdag.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Kies de positie.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Vast: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Variabel: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Regel: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (geen geldige datum)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>„%1” is intussen in een andere kopie van het programma gewijzigd of verwijderd, dus „%2” is als nieuwe feestdag toegevoegd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>„%1” is intussen in een andere kopie van het programma gewijzigd of verwijderd, dus er is niets verwijderd. De lijst toont de feestdagen zoals ze nu zijn opgeslagen.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>laatste</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, in het weekend op vrijdag/maandag gevierd</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, in het weekend op de volgende vrije werkdag gevierd</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, op zondag op de volgende vrije werkdag gevierd</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 van %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Paaszondag</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Pasen %1%2 dagen</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>eerste %1 vanaf %2 %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>laatste %1 tot en met %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, %1 tot %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, vanaf %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, tot %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Ongedaan maken: land toevoegen</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Ongedaan maken: feestdag toevoegen</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Ongedaan maken: feestdag bewerken</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Ongedaan maken: verwijderen</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Ongedaan maken: standaard herstellen</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Ongedaan maken: importeren</translation>
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
        <translation>Fout 842001. Er kon geen normale instantie van Excel worden gemaakt.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel is mogelijk geopend. Sluit Excel bij voorkeur eerst.</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>Het iCalendar-bestand kan niet worden gelezen; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>Het bestand bevat geen kalender (VCALENDAR); er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Dit kalenderbestand kan niet worden gelezen: %1; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>het is groter dan 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>het bevat binaire gegevens (NUL-bytes)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>het is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>het is geen iCalendar-bestand (geen BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Het kalenderbestand ‘%1’ kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>het bevat meer dan %1 regels en opgesomde datums (regel %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>een blok bevat meer dan %1 regels en opgesomde datums (regel %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>een regel is langer dan 64 KB (regel %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>een regel heeft meer dan %1 parameters (regel %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>de blokken zijn meer dan %1 niveaus diep genest (regel %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>het bevat meer dan %1 afspraken</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>het sluit een blok dat het niet heeft geopend (regel %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Het bestand ‘%1’ kan niet worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>iCalendar-bestand importeren</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Gelijk houden met het bestand (voor elke kalender opnieuw lezen)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Afspraken met &amp;tijd opnemen, met de tijd voor de naam</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Weet u zeker dat u %1 wilt overschrijven?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 is alleen-lezen. Toch vervangen?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Excel 97-2003-werkmap (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Het bestand kon niet worden opgeslagen: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Uitvoerbestand kiezen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>De instelling %1 bevat „%2”, wat geen van haar waarden is; de standaardwaarde wordt gebruikt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>Het instellingenbestand „%1” kan niet worden gelezen of geschreven.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Het instellingenbestand „%1” is beschadigd.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Het instellingenbestand „%1” wordt door een andere kopie van het programma bezet gehouden; er is niets gewijzigd, probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>Het instellingenbestand „%1” is beschadigd en er kon geen kopie worden bewaard; er is niets geschreven.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>Het instellingenbestand „%1” is geen bestand.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>In de kalender &quot;%1&quot; herhaalt &quot;%2 zich meer dan %3 keer of ontelbaar vaak; alleen tot daar getoond.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>In de kalender &quot;%1&quot; herhalen &quot;%2 zich meer dan %3 keer of ontelbaar vaak; alleen tot daar getoond.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>De kalender &quot;%1&quot; markeert in deze jaren meer dan %2 dagen; alleen tot daar getoond.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>De feestdaggegevens %1 kunnen niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>De feestdaggegevens %1 zijn te groot</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>De feestdaggegevens %1 zijn beschadigd: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>De feestdaggegevens verwijzen in een kring</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Er zijn geen feestdagen bekend voor het land ‘%1’</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Er zijn geen feestdagen bekend voor ‘%1’ (morvessa-batch --list-countries somt de codes op)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Er zijn geen feestdagen bekend voor ‘%1’ (morvessa-batch --list-countries %2 somt zijn staten en regio&apos;s op)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>De opgeslagen lijst van feestdagbronnen (%1) kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>‘%1’ is geen soort feestdag</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>Over Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Jaarkalenders om af te drukken, met de feestdagen van uw woonplaats.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Feestdaggegevens: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licentie van de feestdaggegevens: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Afspraken van %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Engels (standaard)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>&amp;Systeemtaal (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Andere taal...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>&amp;Week begint op</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Zondag</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Maandag</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>Za&amp;terdag</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Zoals gebruikelijk in de taa&amp;l</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Eerste maand</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>Week&amp;nummers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>„%1” is geen taal die de kalender kent. Geef een naam als de, pt_BR of sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Pagina’s</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Alleen &amp;maanden</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>&amp;Jaarpagina en maanden</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Alleen ja&amp;arpagina</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Afdrukstand</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Liggend</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Staand</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Weekenden</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Kleur van de weekenden</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Kleurkiezer</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Kleurloos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Kleur %1 van %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feestdagen met vaste datum</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Nieuwe feestdag met vaste datum</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Feestdag:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dag</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Feestdagen met variabele datum</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Nieuwe feestdag met variabele datum</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Positie:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Toevoegen volgens regel...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ve&amp;rnieuwen</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>Af&amp;spraken...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Kalender: %1 - 1 afspraak</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Kalender: %1 - %2 afspraken</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, gelijk met het bestand</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>De laatste vaste en de laatste variabele feestdag blijven: elke lijst houdt er één.</translation>
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
        <translation>Feestdag volgens &amp;regel toevoegen...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Feestdagen van een &amp;land toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>Feestdag &amp;bewerken...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>iCalendar-bestand &amp;importeren...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>iCalendar-bestand e&amp;xporteren...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>&amp;Alle feestdagen van een dag tonen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>iCalendar-bestand importeren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-bestanden (*.ics);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>iCalendar-bestand exporteren</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Elke feestdag van deze jaren wordt geschreven op de dag
die de kalender markeert:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>Het laatste jaar ligt voor het eerste; er is niets geëxporteerd.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>%1 feestdagen geëxporteerd naar %2.</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Feestdagen van het &amp;jaar</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Voer eerst een jaar in</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Geen feestdagen in %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>vaste feestdagen</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>variabele feestdagen</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>de keuze voor Pasen</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>feestdagen volgens regel</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>kalenderbestand</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Uw kalender toont de officiële feestdagen van %1, het land waarop uw systeem is ingesteld.

Om een staat, regio of ander land te kiezen: %2.
Om ze te verwijderen: %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Kalender maken</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Welk jaar?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Pasen opnemen?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Ja</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Nee</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feestdagen met vaste datum</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Feestdag toevoegen</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Gekozen feestdag verwijderen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Feestdagen met variabele datum</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Positie:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feestdag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Feestdagen</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Andere taal</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Taal en land, zoals pt_BR of sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Kleur van feestdagen</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Kleur van dagen</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Overige kleur</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Voer een geldig jaar in.</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>&amp;Over Morvessa...</translation>
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
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Opslaan in Excel-bestand</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exporteren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Omhoog en omlaag schuiven</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Opzij schuiven</translation>
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
        <translation>Het maandblad is leeg.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Weekdag van een maand (1e tot 5e of laatste)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Dagen vanaf Paaszondag</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Weekdag op of na een datum</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Weekdag op of voor een datum</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Eén dag van één jaar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Zaterdag op vrijdag, zondag op maandag</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Weekend op de volgende vrije werkdag</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Zondag op de volgende vrije werkdag</translation>
    </message>
    <message>
        <source>any</source>
        <translation>elk</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Feestdag volgens regel toevoegen</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Feestdag bewerken</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatste</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dagen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>&amp;Positie:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>&amp;Weekdag:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Maand:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dag:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jaar:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Afstand tot P&amp;asen:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>In het week&amp;end, verplaatst:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>&amp;Geldig vanaf:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>&amp;tot:</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 is geen schrikkeljaar: februari heeft geen 29e dag.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 heeft geen 30e dag.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 heeft geen 31e dag.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>Het laatste jaar ligt voor het eerste jaar.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Deze keuzes vormen geen feestdag.</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Geef de feestdag een naam.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Officieel</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>&amp;Facultatief</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;School</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Gedenkdagen</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Feestdagen van een land, staat of regio toevoegen</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Landen zoeken</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Staat of &amp;regio:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Soorten:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>Getoond &amp;jaar:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Het hele land</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Geen feestdagen van deze soorten in %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>De feestdagen van %1 zijn toegevoegd.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>De feestdagen van %1 zijn er al.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Landen</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Feestdagen van het getoonde jaar</translation>
    </message>
</context>
</TS>
