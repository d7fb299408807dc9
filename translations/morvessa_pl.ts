<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Tworzy skoroszyt z kalendarzem rocznym (.xls lub .xlsx, dwanaście arkuszy miesięcy) z zapisanych
świąt i kolorów, dokładnie tak jak „Utwórz kalendarz” w programie, bez żadnego okna.

Każdy nieudany krok jest wypisywany na stderr tak, jak pokazałby go raport błędu programu; kod
wyjścia wynosi 0 tylko wtedy, gdy żaden krok nie zakończył się błędem (1, gdy któryś się nie
powiódł, 2 przy błędzie wywołania). Uruchomienie z nieudanym krokiem nie zapisuje żadnego pliku,
więc istniejący --out pozostaje bez zmian, chyba że podano --keep-going. Własne ustawienia
użytkownika są czytane tylko wtedy, gdy nie podano --settings.

Wiele kalendarzy w jednym uruchomieniu: --years FIRST-LAST z --out-dir DIR zapisuje DIR/YEAR.xls
dla każdego roku; kilka plików --settings daje DIR/NAME-YEAR.xls dla każdego pliku NAME.ini i
roku. Te uruchomienia zapisują tylko skoroszyty (bez obrazu), każdy tylko wtedy, gdy żaden z jego
kroków nie zakończył się błędem (albo z --keep-going).

PDF: --out kończący się na .pdf zapisuje kalendarz tylko jako PDF, jedna pozioma strona na
miesiąc; --pdf PATH zapisuje go obok skoroszytu. --paper ustala papier PDF i ustawień strony
skoroszytu tylko dla tego uruchomienia; --months wybiera miesiące PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>Rok kalendarza; lata spoza 1900..2100 są sprowadzane do tych granic.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Gdzie zapisać skoroszyt (zastępowany, jeśli istnieje): nazwa kończąca się na .xlsx daje skoroszyt programu Excel, każda inna format Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Plik ustawień INI używany zamiast pliku użytkownika (ten sam format). Pusty plik daje domyślne święta i kolory, które są do niego zapisywane.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>Arkusz miesiąca aktywny po otwarciu skoroszytu i pokazywany na obrazie, 1..12 (domyślnie 1, styczeń).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Zapisz także obraz tego miesiąca (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Wiele kalendarzy: każdy rok od FIRST do LAST (z --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>Folder na wiele kalendarzy (z --years lub --year; tworzony, jeśli go brak).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Dodaje święta kraju, stanu lub regionu (kod taki jak DE, DE-BY, GB-SCT lub US-TX; --list-countries je wypisuje) tylko dla tego uruchomienia; można podać wiele razy. Zapisane ustawienia się nie zmieniają.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>Rodzaje świąt --country do zaznaczenia, rozdzielone przecinkami: public, bank, optional, school, observance (domyślnie: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Wypisuje kod i angielską nazwę każdego kraju, po jednym w wierszu; z kodem kraju za opcją (--list-countries DE) jego stany i regiony.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Dodaje całodniowe wydarzenia z pliku iCalendar tylko dla tego uruchomienia; można podać wiele razy. Zapisane ustawienia się nie zmieniają.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Zapisz także każde święto, które uruchomienie by zaznaczyło, w dniach, w których je zaznacza, jako plik iCalendar: dla --year albo dla każdego roku z --years FIRST-LAST. Bez --out ani --out-dir zapisywany jest tylko ten plik.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Nazywa święta --country po angielsku, a nie w języku kraju.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Zapisz skoroszyt i obraz nawet wtedy, gdy niektóre kroki się nie powiodły (kod wyjścia nadal wynosi 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>Język nazw miesięcy i dni tygodnia: ustawienia regionalne takie jak de, pl_PL lub ru-RU, „system” dla systemowych albo „default” dla angielskiego.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>Pierwszy dzień każdego tygodnia: sun (domyślnie), mon, sat lub locale dla właściwego językowi.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Dwanaście miesięcy od tego, np. 2026-09 dla września 2026 do sierpnia 2027; jego rok zastępuje --year (tylko jeden kalendarz).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Pokaż numer tygodnia ISO obok każdego tygodnia.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>Strony: miesiące (domyślnie), rok na jednej stronie albo oba (najpierw strona roku).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>Jak stoją strony w PDF i w ustawieniach strony skoroszytu: landscape (poziomo, domyślnie) lub portrait (pionowo).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>Wypełnienie dni weekendu na każdej stronie, kolor z palety 56 kolorów, lub 0 dla braku (domyślnie: zapisany wybór).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Zapisz także kalendarz jako PDF, jedna strona na miesiąc (--out kończący się na .pdf zapisuje tylko PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>Papier PDF i ustawień strony skoroszytu, tylko dla tego uruchomienia: a4, letter, legal lub a3 (domyślnie: zapisany wybór; dla PDF w przeciwnym razie papier zwykły w ustawieniach regionalnych).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>Miesiące w PDF, FIRST-LAST w kolejności kalendarza lub jeden miesiąc, 1..12 (domyślnie: wszystkie dwanaście).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Zastępuj pliki wyjściowe nawet wtedy, gdy są tylko do odczytu.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years zapisuje wiele kalendarzy: podaj --out-dir zamiast --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (lub --first-month) i --out są wymagane</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>kilka plików --settings tworzy kilka kalendarzy: podaj --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Musisz wprowadzić prawidłowy rok.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out musi wskazywać plik</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>plik ustawień „%1” nie istnieje (pusty plik daje wartości domyślne)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types przyjmuje public, bank, optional, school i observance, a nie „%1”</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types wymaga co najmniej jednego rodzaju</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries przyjmuje najwyżej jeden kod kraju</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 „%2” zawiera znak sterujący</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 „%2” wskazuje „%3”, który to uruchomienie czyta</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 „%2” jest tylko do odczytu; podaj --force, aby mimo to go zastąpić</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper musi mieć wartość a4, letter, legal lub a3</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out wskazuje już PDF; --pdf zapisuje się obok skoroszytu</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf musi wskazywać plik</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf i --out wskazują ten sam plik</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months wybiera miesiące PDF: podaj --pdf lub --out kończący się na .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months musi mieć postać FIRST-LAST lub jednego miesiąca, każdy 1..12, np. 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month musi być rokiem i miesiącem, np. 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 i --first-month %2 wskazują różne lata</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language „%1” to nie są ustawienia regionalne (spróbuj de, pl_PL, system lub default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start musi mieć wartość sun, mon, sat lub locale</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout musi mieć wartość months, year lub both</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation musi mieć wartość portrait lub landscape</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color musi być kolorem palety od 1 do 56 lub 0 dla braku</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month musi być liczbą całkowitą od 1 do 12</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir przyjmuje albo --years FIRST-LAST, albo --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years musi mieć postać FIRST-LAST, przy czym FIRST nie może być po LAST, np. 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>dwa pliki ustawień nazywają się „%1”; ich kalendarze miałyby te same nazwy</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir zapisuje wiele kalendarzy: nie używa się go z --out, --snapshot, --pdf ani --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir musi wskazywać folder</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month tworzy jeden kalendarz: podaj --out zamiast --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics musi wskazywać plik</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics zapisuje święta jednego pliku ustawień</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics bez --out nie zapisuje kalendarza: --snapshot, --pdf i --months wymagają --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics przyjmuje albo --year, albo --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>Wyeksportowano święta (%1) z lat %2-%3 do %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>kalendarz pokazuje święta państwowe kraju %1 (%2), na który ustawiony jest system; --country dodaje inne, menu Święta programu je zmienia</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Spróbuj „morvessa-batch --help”.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 nie został zapisany: krok się nie powiódł</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>tworzenie nie przekazało skoroszytu</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>nie wykonano obrazu</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 biegnie wstecz w kalendarzu, który zaczyna się od miesiąca %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n krok się nie powiódł; nie zapisano żadnego pliku (--keep-going i tak je zapisuje)</numerusform>
            <numerusform>%n kroki się nie powiodły; nie zapisano żadnego pliku (--keep-going i tak je zapisuje)</numerusform>
            <numerusform>%n kroków się nie powiodło; nie zapisano żadnego pliku (--keep-going i tak je zapisuje)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>Eksport do PDF</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Kalendarz Morvessa</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>Wybrane strony nie zawierają żadnego miesiąca.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>Drukarka nie przyjęła kalendarza: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
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
        <translation>Ostatni</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… jeszcze %1</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>dzień wolny banków</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>fakultatywne</translation>
    </message>
    <message>
        <source>school</source>
        <translation>szkolne</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>obchody</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Wielkanoc</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>Ustawienie %1 zawiera %2, co nie jest żadnym z %3 kolorów, więc nie użyto koloru. Wybierz kolor jego przyciskiem.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Składnik ActiveX nie może utworzyć obiektu</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Nie ustawiono zmiennej obiektu ani zmiennej bloku With</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>w wierszu </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Wyślij zrzut ekranu tego komunikatu na adres </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Dzień ma więcej niż %1 świąt: jego notatki pokazują pierwsze %1 i liczbę pozostałych.</translation>
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
        <translation>jego miesiąc „%1” nie jest liczbą od 1 do 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>jego dzień „%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>jego dzień tygodnia „%1” nie jest żadnym z dni od niedzieli do soboty</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>jego pozycja „%1” nie jest żadną z 1. do 5. ani Ostatni</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>nie ma miesiąca %1 (miesiące mają numery od 1 do 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>jego dzień %1 nie jest dniem żadnego miesiąca</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 nie ma %2 dnia</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>w miesiącu %1 dzień „%3” nie występuje %4 razy</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Nie można umieścić święta „%1”: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Nie można umieścić wydarzenia „%1”: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>Nie można umieścić świąt według reguły: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Nie udało się utworzyć tymczasowego skoroszytu w %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Nie utworzono kalendarza.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Nie można utworzyć tymczasowego skoroszytu %1: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>limit miejsca na dysku został wyczerpany</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>plik jest większy, niż ten dysk lub ten proces może zapisać</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>nazwa jest dowiązaniem, za którym program nie podąża</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month and its year, as a sentence names them (%1 the month, %2 the year)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>in </source>
        <translation>w </translation>
    </message>
    <message>
        <source>The drawing module cannot be loaded: %1</source>
        <translation>Nie można wczytać modułu rysowania: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>Moduł rysowania %1 nie należy do tego programu</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Brak zapisanej wartości dla zakresu: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>brakuje %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 jest puste</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ma wartość %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 zawiera „%2”, co nie jest liczbą</translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Części zapisanych świąt nie udało się odczytać prawidłowo:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>Listy pokazują każde święto, które udało się odczytać. Plik ustawień pozostaje bez zmian, dopóki nie dodasz, nie usuniesz lub nie przywrócisz święta. Jego kopię zachowano jako „%1”.</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Nie udało się odczytać zapisanych świąt, ponieważ %1. Obie listy przywrócono do świąt domyślnych. Kopię starego pliku ustawień, z Twoimi świętami, zachowano jako „%2”.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 powinno zawierać liczbę świąt stałych, a zawiera „%2”</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 powinno zawierać liczbę świąt ruchomych, a zawiera „%2”</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 zapisano w innym kodowaniu znaków, więc litery spoza zwykłego angielskiego (np. polskie znaki) mogą wyglądać jak „%2”</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 podaje %2 świąt stałych, ale %3 zawiera %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 podaje %2 świąt ruchomych, ale %3 zawiera %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>nie udało się odczytać żadnego święta stałego, więc pokazano domyślne</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>nie udało się odczytać żadnego święta ruchomego, więc pokazano domyślne</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>Nazwa święta nie może zawierać znaków „|” ani „%1”.</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Podaj dzień jako liczbę całkowitą od 1 do %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Podaj nazwę.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Wybierz miesiąc.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Wybierz dzień tygodnia.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Wybierz pozycję.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Stałe: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Ruchome: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Reguła: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (nieprawidłowa data)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>„%1” zostało w międzyczasie zmienione lub usunięte w innej kopii programu, więc „%2” dodano jako nowe święto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>„%1” zostało w międzyczasie zmienione lub usunięte w innej kopii programu, więc niczego nie usunięto. Lista pokazuje święta tak, jak są teraz zapisane.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>January</source>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>February</source>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudnia</translation>
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
        <translation>ostatni</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, w weekend obchodzone w piątek/poniedziałek</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, w weekend obchodzone w najbliższy wolny dzień roboczy</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, w niedzielę obchodzone w najbliższy wolny dzień roboczy</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 miesiąca %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Niedziela Wielkanocna</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Wielkanoc %1%2 dni</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>pierwszy dzień %1 od %2 %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>ostatni dzień %1 do %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, %1–%2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, od %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, do %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Cofnij: dodanie kraju</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Cofnij: dodanie święta</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Cofnij: edycję święta</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Cofnij: usunięcie</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Cofnij: przywrócenie domyślnych</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Cofnij: import</translation>
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
        <translation>Błąd 842001. Nie można utworzyć zwykłego wystąpienia programu Excel.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel może być otwarty. Zaleca się najpierw zamknąć Excel.</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>Nie można odczytać pliku iCalendar; nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>Plik nie zawiera kalendarza (VCALENDAR); nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Nie można odczytać tego pliku kalendarza: %1; nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>jest większy niż 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>zawiera dane binarne (bajty NUL)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>nie jest plikiem iCalendar (brak BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać pliku kalendarza „%1”: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>zawiera ponad %1 wierszy i wymienionych dat (wiersz %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>blok zawiera ponad %1 wierszy i wymienionych dat (wiersz %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>wiersz jest dłuższy niż 64 KB (wiersz %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>wiersz ma ponad %1 parametrów (wiersz %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>jego bloki są zagnieżdżone na ponad %1 poziomów (wiersz %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>zawiera ponad %1 wydarzeń</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>zamyka blok, którego nie otworzył (wiersz %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Nie można zapisać pliku „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importuj plik iCalendar</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Synchronizuj z plikiem (czytaj go na nowo dla każdego kalendarza)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Uwzględnij wydarzenia z &amp;godziną, z godziną przed nazwą</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Czy na pewno zastąpić %1?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 jest tylko do odczytu. Czy mimo to go zastąpić?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Skoroszyt programu Excel 97-2003 (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Skoroszyt programu Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Nie udało się zapisać pliku: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Wybierz plik wyjściowy</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>Ustawienie %1 zawiera „%2”, co nie jest żadną z jego wartości, więc użyto wartości domyślnej.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>Pliku ustawień „%1” nie można odczytać ani zapisać.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Plik ustawień „%1” jest uszkodzony.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Plik ustawień „%1” jest zajęty przez inną kopię programu; nic nie zmieniono, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>Plik ustawień „%1” jest uszkodzony i nie udało się zachować jego kopii; nic nie zapisano.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>Plik ustawień „%1” nie jest plikiem.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> i %1 innych</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>W kalendarzu „%1” „%2 powtarza się ponad %3 razy lub niezliczenie wiele razy; pokazano tylko do tego miejsca.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>W kalendarzu „%1” „%2 powtarzają się ponad %3 razy lub niezliczenie wiele razy; pokazano tylko do tego miejsca.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>Kalendarz „%1” zaznacza w tych latach ponad %2 dni; pokazano tylko do tego miejsca.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>Nie można odczytać danych o świętach %1: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>Dane o świętach %1 są za duże</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>Dane o świętach %1 są uszkodzone: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>Dane o świętach odsyłają w kółko</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Nie są znane święta dla kraju „%1”</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Nie są znane święta dla „%1” (morvessa-batch --list-countries wypisuje kody)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Nie są znane święta dla „%1” (morvessa-batch --list-countries %2 wypisuje jego stany i regiony)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>Nie można odczytać zapisanej listy źródeł świąt (%1): %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>„%1” nie jest rodzajem święta</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>O programie Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Kalendarze roczne do druku, ze świętami Twojego miejsca.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Dane świąt: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licencja danych świąt: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Wydarzenia z %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Angielski (domyślny)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Język &amp;systemu (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Inny język...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>&amp;Tydzień zaczyna się w</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Niedzielę</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Poniedziałek</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>&amp;Sobotę</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Jak w &amp;języku</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Pierwszy miesiąc</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Numery tygodni</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>„%1” nie jest językiem znanym kalendarzowi. Podaj nazwę taką jak de, pt_BR lub sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Strony</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Tylko &amp;miesiące</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>Strona &amp;roku i miesiące</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Tylko strona r&amp;oku</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Orientacja</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Pozioma</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Pio&amp;nowa</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Weekendy</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Kolor weekendów</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Wybór koloru</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Kolor %1 z %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Święta o stałej dacie</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Nowe święto o stałej dacie</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Święto:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mies.:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dz.:</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Święta ruchome</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Nowe święto ruchome</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mies.:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dz.:</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Pozycja:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Dodaj według reguły...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>&amp;Wydarzenia...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Kalendarz: %1 - 1 wydarzenie</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Kalendarz: %1 - wydarzeń: %2</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, zsynchronizowany z plikiem</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>Ostatnie święto stałe i ostatnie ruchome zostają: każda lista zachowuje jedno.</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Kraj: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidaysMenu</name>
    <message>
        <source>Add Holiday by &amp;Rule...</source>
        <translation>Dodaj święto według &amp;reguły...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Dodaj święta &amp;kraju...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>&amp;Edytuj święto...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>&amp;Importuj plik iCalendar...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>Eksp&amp;ortuj plik iCalendar...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>Pokaż &amp;wszystkie święta dnia</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importuj plik iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Pliki iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>Eksportuj plik iCalendar</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Każde święto tych lat zostanie zapisane w dniu,
w którym zaznacza je kalendarz:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>Ostatni rok jest wcześniejszy niż pierwszy; nic nie wyeksportowano.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>Wyeksportowano świąt: %1 do %2.</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Święta w &amp;tym roku</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Najpierw podaj rok</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Brak świąt w %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>święta stałe</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>święta ruchome</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>wybór Wielkanocy</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>święta według reguły</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>plik kalendarza</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Kalendarz pokazuje święta państwowe: %1 – kraj ustawiony w systemie.

Aby wybrać stan, region lub inny kraj: %2.
Aby je usunąć: %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Utwórz kalendarz</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Który rok?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Uwzględnić Wielkanoc?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Tak</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Nie</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Święta o stałej dacie</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mies.:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dz.:</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Dodaj święto</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Usuń wybrane święto</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Święta ruchome</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Pozycja:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Święto</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>Ś&amp;więta</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalendarz</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Inny język</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Język i kraj, np. pt_BR lub sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Kolor świąt</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Kolor dni</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Inny kolor</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Podaj prawidłowy rok.</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>&amp;O programie Morvessa...</translation>
    </message>
</context>
<context>
    <name>morvessa::PreviewWindow</name>
    <message>
        <source>Zoom:</source>
        <translation>Powiększenie:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Zapisz do pliku Excel</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Eksport do PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>P&amp;apier</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mies.:</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Przewijanie w górę i w dół</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Przewijanie w poziomie</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Calendar of %1</source>
        <translation>Kalendarz: %1</translation>
    </message>
    <message>
        <source>The month sheet is empty.</source>
        <translation>Arkusz miesiąca jest pusty.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Stała data</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Dzień tygodnia w miesiącu (1. do 5. lub ostatni)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Dni od Niedzieli Wielkanocnej</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Dzień tygodnia w dniu daty lub po nim</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Dzień tygodnia w dniu daty lub przed nim</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Jeden dzień jednego roku</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Sobota w piątek, niedziela w poniedziałek</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Weekend w najbliższy wolny dzień roboczy</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Niedziela w najbliższy wolny dzień roboczy</translation>
    </message>
    <message>
        <source>any</source>
        <translation>dowolny</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Dodaj święto według reguły</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Edytuj święto</translation>
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
        <translation>Ostatni</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dni</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Rodzaj:</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>&amp;Pozycja:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Dzień &amp;tygodnia:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Miesiąc:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dzień:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>R&amp;ok:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Odstęp od &amp;Wielkanocy:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>W w&amp;eekend, przeniesione:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>Obowiązuje &amp;od:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>d&amp;o:</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 nie jest rokiem przestępnym: luty nie ma 29. dnia.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 nie ma 30. dnia.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 nie ma 31. dnia.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>Ostatni rok jest wcześniejszy niż pierwszy.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Te wybory nie tworzą święta.</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Nadaj świętu nazwę.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Ustawowe</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bankowe</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>&amp;Opcjonalne</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;Szkolne</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Dni pamięci</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Dodaj święta kraju, stanu lub regionu</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Szukaj krajów</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Stan lub re&amp;gion:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Rodzaje:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>&amp;Pokazany rok:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Cały kraj</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Brak świąt tych rodzajów w %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Dodano święta: %1.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Święta: %1 są już dodane.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Kraje</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Święta w pokazanym roku</translation>
    </message>
</context>
</TS>
