<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Crea una cartella di lavoro con il calendario annuale (.xls o .xlsx, dodici fogli mensili) dalle
festività e dai colori salvati, esattamente come «Crea il calendario» nel programma, senza
finestre.

Ogni passo non riuscito viene scritto su stderr come lo mostrerebbe il rapporto di errore del
programma; il codice di uscita è 0 solo se nessun passo è fallito (1 se uno è fallito, 2 per un
errore di utilizzo). Un&apos;esecuzione con un passo fallito non scrive alcun file, quindi un
--out esistente resta com&apos;era, salvo con --keep-going. Le impostazioni dell&apos;utente
vengono lette solo se --settings non è indicato.

Molti calendari in un&apos;esecuzione: --years FIRST-LAST con --out-dir DIR scrive DIR/YEAR.xls
per ogni anno; più file --settings danno DIR/NAME-YEAR.xls per ogni file NAME.ini e ogni anno.
Queste esecuzioni scrivono solo le cartelle di lavoro (nessuna immagine), ciascuna solo se nessuno
dei suoi passi è fallito (o con --keep-going).

PDF: un --out che termina in .pdf scrive il calendario solo come PDF, una pagina orizzontale per
mese; --pdf PATH ne scrive uno accanto alla cartella di lavoro. --paper imposta la carta del PDF e
dell&apos;impostazione pagina della cartella solo per questa esecuzione; --months sceglie i mesi
del PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>L&apos;anno del calendario; gli anni fuori da 1900..2100 vengono riportati a questi limiti.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Dove viene scritta la cartella di lavoro (sostituita se esiste): un nome che termina in .xlsx dà una cartella di lavoro Excel, qualsiasi altro il formato Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Un file di impostazioni INI da usare al posto di quello dell&apos;utente (stesso formato). Un file vuoto dà le festività e i colori predefiniti, che vi vengono scritti.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>Il foglio del mese attivo all&apos;apertura della cartella e mostrato dall&apos;immagine, 1..12 (predefinito 1, gennaio).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Scrivere anche l&apos;immagine di quel mese (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Molti calendari: ogni anno da FIRST a LAST (con --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>La cartella per molti calendari (con --years o --year; creata se manca).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Aggiunge le festività di un paese, stato o regione (un codice come DE, DE-BY, GB-SCT o US-TX; --list-countries li elenca) solo per questa esecuzione; può essere indicato più volte. Le impostazioni salvate non cambiano.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>I tipi di festività di --country da segnare, separati da virgole: public, bank, optional, school, observance (predefinito: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Elenca il codice e il nome inglese di ogni paese, uno per riga; con il codice di un paese dopo (--list-countries DE), i suoi stati e regioni.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Aggiunge gli eventi di un&apos;intera giornata di un file iCalendar solo per questa esecuzione; può essere indicato più volte. Le impostazioni salvate non cambiano.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Scrivere anche ogni festività che l&apos;esecuzione segnerebbe, nei giorni in cui la segna, come file iCalendar: per --year o per ogni anno di --years FIRST-LAST. Senza --out né --out-dir viene scritto solo questo file.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Nomina le festività di --country in inglese e non nella lingua del paese.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Scrivere la cartella di lavoro e l&apos;immagine anche se alcuni passi sono falliti (il codice di uscita resta 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>La lingua dei nomi di mesi e giorni: una localizzazione come de, pl_PL o ru-RU, «system» per quella del sistema o «default» per l&apos;inglese.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>Il primo giorno di ogni settimana: sun (predefinito), mon, sat o locale per quello della lingua.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Dodici mesi a partire da questo, come 2026-09 per settembre 2026 - agosto 2027; il suo anno prende il posto di --year (un solo calendario).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Mostrare il numero di settimana ISO accanto a ogni settimana.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>Le pagine: i mesi (predefinito), l&apos;anno su una pagina, o entrambi (prima la pagina dell&apos;anno).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>L&apos;orientamento delle pagine nel PDF e nell&apos;impostazione pagina della cartella: landscape (orizzontale, predefinito) o portrait (verticale).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>Il riempimento dei giorni del fine settimana su ogni pagina, un colore della tavolozza di 56, o 0 per nessuno (predefinito: la scelta salvata).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Scrivere anche il calendario come PDF, una pagina per mese (un --out che termina in .pdf scrive solo il PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>La carta del PDF e dell&apos;impostazione pagina della cartella, solo per questa esecuzione: a4, letter, legal o a3 (predefinito: la scelta salvata; per il PDF, altrimenti la carta usuale della localizzazione).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>I mesi del PDF, FIRST-LAST nell&apos;ordine del calendario o un solo mese, 1..12 (predefinito: tutti e dodici).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Sostituire i file di output anche se sono di sola lettura.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years scrive molti calendari: indicare --out-dir invece di --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (o --first-month) e --out sono obbligatori</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>più file --settings fanno più calendari: indicare --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Immettere un anno valido.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out deve indicare un file</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>il file di impostazioni «%1» non esiste (un file vuoto dà i valori predefiniti)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types accetta public, bank, optional, school e observance, non «%1»</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types richiede almeno un tipo</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries accetta al massimo un codice di paese</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 «%2» contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 «%2» indica «%3», che questa esecuzione legge</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 «%2» è di sola lettura; indicare --force per sostituirlo comunque</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper deve essere a4, letter, legal o a3</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out indica già un PDF; --pdf va accanto a una cartella di lavoro</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf deve indicare un file</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf e --out indicano lo stesso file</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months sceglie i mesi del PDF: indicare --pdf o un --out che termina in .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months deve essere FIRST-LAST o un solo mese, ciascuno da 1 a 12, come 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month deve essere un anno e un mese, come 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 e --first-month %2 indicano anni diversi</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language «%1» non è una localizzazione (provare de, pl_PL, system o default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start deve essere sun, mon, sat o locale</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout deve essere months, year o both</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation deve essere portrait o landscape</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color deve essere un colore della tavolozza da 1 a 56, o 0 per nessuno</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month deve essere un numero intero da 1 a 12</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir accetta o --years FIRST-LAST o --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years deve essere FIRST-LAST con FIRST non dopo LAST, come 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>due file di impostazioni si chiamano «%1»; i loro calendari avrebbero gli stessi nomi</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir scrive molti calendari: non si usa con --out, --snapshot, --pdf o --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir deve indicare una cartella</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month fa un solo calendario: indicare --out invece di --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics deve indicare un file</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics scrive le festività di un solo file di impostazioni</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics senza --out non scrive alcun calendario: --snapshot, --pdf e --months richiedono --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics accetta o --year o --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>Esportate %1 festività di %2-%3 in %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>il calendario mostra le festività ufficiali di %1 (%2), il paese impostato nel sistema; --country ne aggiunge altre, il menu Festività del programma le cambia</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Provare «morvessa-batch --help».</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 non è stato scritto: un passo è fallito</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>la generazione non ha consegnato alcuna cartella di lavoro</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>non è stata scattata alcuna immagine</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 va all&apos;indietro in un calendario che inizia con il mese %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n passo non riuscito; nessun file è stato scritto (--keep-going li scrive comunque)</numerusform>
            <numerusform>%n passi non riusciti; nessun file è stato scritto (--keep-going li scrive comunque)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Calendario Morvessa</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>Le pagine scelte non contengono alcun mese.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>La stampante non ha accettato il calendario: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4°</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Fine settimana</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… altri %1</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>festività bancaria</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facoltativa</translation>
    </message>
    <message>
        <source>school</source>
        <translation>scolastica</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>ricorrenza</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pasqua</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>L&apos;impostazione %1 contiene %2, che non è uno dei %3 colori, quindi non si usa alcun colore. Sceglierne uno con il suo pulsante Colore.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Il componente ActiveX non può creare l&apos;oggetto</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variabile oggetto o variabile del blocco With non impostata</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>alla riga </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Inviare una schermata di questo messaggio a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Un giorno ha più di %1 festività: le sue note mostrano le prime %1 e quante altre ce ne sono.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>An ordinal number, such as the 31st (day) or the 5th (Friday)</extracomment>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>its month &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>il suo mese «%1» non è un numero da 1 a 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>il suo giorno «%1» non è un numero intero</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>il suo giorno della settimana «%1» non è nessuno dei giorni da domenica a sabato</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>la sua posizione «%1» non è nessuna da 1° a 5° né Ultimo</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>non esiste il mese %1 (i mesi vanno da 1 a 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>il suo giorno %1 non è un giorno di alcun mese</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 non ha il giorno %3</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>in %1 il giorno %3 non ricorre %4 volte</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Impossibile collocare la festività «%1»: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Impossibile collocare l&apos;evento «%1»: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>Impossibile collocare le festività per regola: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Non è stato possibile creare una cartella di lavoro temporanea in %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Non è stato creato alcun calendario.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Impossibile creare la cartella di lavoro temporanea %1: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un errore sconosciuto</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>il file è più grande di quanto questo disco o questo processo possa scrivere</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>il nome è un collegamento, che non viene seguito</translation>
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
        <translation>Impossibile caricare il modulo di disegno: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>Il modulo di disegno %1 non appartiene a questo programma</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Nessun valore salvato per l&apos;intervallo: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 è vuoto</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 vale %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 contiene «%2», che non è un numero</translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Alcune festività salvate non sono state lette come dovrebbero:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>Gli elenchi mostrano ogni festività che è stato possibile leggere. Il file delle impostazioni resta com&apos;è finché non si aggiunge, elimina o ripristina una festività. Una copia è stata conservata come «%1».</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Le festività salvate non sono state lette perché %1. Entrambi gli elenchi sono tornati alle festività predefinite. Una copia del vecchio file delle impostazioni, con le festività, è stata conservata come «%2».</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 dovrebbe contenere il numero di festività fisse, ma contiene «%2»</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 dovrebbe contenere il numero di festività mobili, ma contiene «%2»</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 è stato scritto in un&apos;altra codifica dei caratteri, quindi le lettere fuori dall&apos;inglese semplice (gli accenti, per esempio) possono apparire come «%2»</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 indica %2 festività fisse, ma %3 ne contiene %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 indica %2 festività mobili, ma %3 ne contiene %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>non è stato possibile leggere alcuna festività fissa, quindi si mostrano quelle predefinite</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>non è stato possibile leggere alcuna festività mobile, quindi si mostrano quelle predefinite</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>Il nome di una festività non può contenere i caratteri «|» o «%1».</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Inserire il giorno come numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Inserire un nome.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Scegliere un mese.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Scegliere un giorno della settimana.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Scegliere la posizione.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Fissa: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Mobile: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Regola: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (data non valida)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>Nel frattempo «%1» è stata modificata o eliminata in un&apos;altra copia del programma, quindi «%2» è stata aggiunta come nuova festività.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>Nel frattempo «%1» è stata modificata o eliminata in un&apos;altra copia del programma, quindi non è stato eliminato nulla. L&apos;elenco mostra le festività come sono salvate ora.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4°</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5°</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>ultimo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, spostata a venerdì/lunedì se cade nel fine settimana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, spostata al giorno feriale libero seguente se cade nel fine settimana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, spostata al giorno feriale libero seguente se cade di domenica</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 di %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domenica di Pasqua</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Pasqua %1%2 giorni</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>primo %1 dal %2 %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>ultimo %1 fino al %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, dal %1 al %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, dal %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, fino al %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Annulla aggiunta paese</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Annulla aggiunta festività</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Annulla modifica festività</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annulla eliminazione</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Annulla ripristino predefiniti</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Annulla importazione</translation>
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
        <translation>Errore 842001. Impossibile creare una normale istanza di Excel.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel potrebbe essere aperto. Si consiglia di chiudere prima Excel.</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>Il file iCalendar non può essere letto; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>Il file non contiene alcun calendario (VCALENDAR); non è stato importato nulla.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Questo file di calendario non può essere letto: %1; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>è più grande di 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>contiene dati binari (byte NUL)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>non è un file iCalendar (manca BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Il file di calendario «%1» non può essere letto: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>contiene più di %1 righe e date elencate (riga %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>un blocco contiene più di %1 righe e date elencate (riga %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>una riga è più lunga di 64 KB (riga %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>una riga ha più di %1 parametri (riga %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>i suoi blocchi sono annidati per più di %1 livelli (riga %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>contiene più di %1 eventi</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>chiude un blocco che non ha aperto (riga %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Impossibile scrivere il file «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importa file iCalendar</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Tieni allineato al file (rileggerlo per ogni calendario)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Includi gli eventi con &amp;orario, con l&apos;ora prima del nome</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Sovrascrivere davvero %1?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 è di sola lettura. Sostituirlo comunque?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Cartella di lavoro Excel 97-2003 (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Impossibile salvare il file: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Scegli il file di destinazione</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>L’impostazione %1 contiene «%2», che non è uno dei suoi valori, quindi si usa il valore predefinito.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>Il file delle impostazioni «%1» non può essere letto né scritto.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Il file delle impostazioni «%1» è danneggiato.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Il file delle impostazioni «%1» è occupato da un&apos;altra copia del programma; non è cambiato nulla, riprovare.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>Il file delle impostazioni «%1» è danneggiato e non è stato possibile conservarne una copia; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>Il file delle impostazioni «%1» non è un file.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> e altri %1</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Nel calendario «%1», «%2 si ripete più di %3 volte o innumerevoli volte; mostrato solo fin lì.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Nel calendario «%1», «%2 si ripetono più di %3 volte o innumerevoli volte; mostrati solo fin lì.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>Il calendario «%1» segna più di %2 giorni in questi anni; mostrato solo fin lì.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>Impossibile leggere i dati delle festività %1: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>I dati delle festività %1 sono troppo grandi</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>I dati delle festività %1 sono danneggiati: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>I dati delle festività rimandano in cerchio</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Non sono note festività per il paese «%1»</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Non sono note festività per «%1» (morvessa-batch --list-countries elenca i codici)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Non sono note festività per «%1» (morvessa-batch --list-countries %2 elenca i suoi stati e regioni)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>Impossibile leggere l&apos;elenco salvato delle fonti di festività (%1): %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>«%1» non è un tipo di festività</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>Informazioni su Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Calendari annuali da stampare, con le festività del vostro luogo.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Dati delle festività: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licenza dei dati delle festività: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Eventi di %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Inglese (predefinito)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Lingua di &amp;sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Altra lingua...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>La &amp;settimana inizia di</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Domenica</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Lunedì</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>&amp;Sabato</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Come d&apos;&amp;uso nella lingua</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Primo mese</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Numeri delle settimane</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>«%1» non è una lingua nota al calendario. Indicare un nome come de, pt_BR o sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>Pa&amp;gine</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Solo &amp;mesi</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>Pagina dell’&amp;anno e mesi</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Solo pagina dell’ann&amp;o</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Orientamento</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Fine settimana</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Colore dei fine settimana</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Scelta del colore</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Incolore</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Colore %1 di %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Festività a data fissa</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Nuova festività a data fissa</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Festività:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dì:</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Festività a data mobile</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Nuova festività a data mobile</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dì:</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Posizione:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Aggiungi per regola...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>E&amp;venti...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Calendario: %1 - 1 evento</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Calendario: %1 - %2 eventi</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, allineato al suo file</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>L&apos;ultima festività fissa e l&apos;ultima mobile restano: ogni elenco ne tiene una.</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Paese: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidaysMenu</name>
    <message>
        <source>Add Holiday by &amp;Rule...</source>
        <translation>Aggiungi festività per &amp;regola...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Aggiungi le festività di un &amp;paese...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>&amp;Modifica festività...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>&amp;Importa file iCalendar...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>E&amp;sporta file iCalendar...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>Mostra &amp;tutte le festività di un giorno</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importa file iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>Esporta file iCalendar</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Ogni festività di questi anni viene scritta nel giorno
in cui il calendario la segna:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>L&apos;ultimo anno precede il primo; non è stato esportato nulla.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>Esportate %1 festività in %2.</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Festività dell&apos;a&amp;nno</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Inserire prima un anno</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Nessuna festività nel %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>festività fisse</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>festività mobili</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>la scelta di Pasqua</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>festività per regola</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>file di calendario</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Il calendario mostra le festività pubbliche di %1, il paese impostato nel sistema.

Per scegliere uno stato, una regione o un altro paese: %2.
Per toglierle: %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crea il calendario</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Quale anno?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Includere Pasqua?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Sì</translation>
    </message>
    <message>
        <source> No</source>
        <translation> No</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Festività a data fissa</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dì:</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Aggiungi festività</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Elimina la festività scelta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Festività a data mobile</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Festività</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Altra lingua</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Lingua e paese, come pt_BR o sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Colore delle festività</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Colore dei giorni</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Altro colore</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Inserire un anno valido.</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>&amp;Informazioni su Morvessa...</translation>
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
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Salva in un file Excel</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Esporta PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Scorri su e giù</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Scorri di lato</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Calendar of %1</source>
        <translation>Calendario: %1</translation>
    </message>
    <message>
        <source>The month sheet is empty.</source>
        <translation>Il foglio del mese è vuoto.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Giorno della settimana di un mese (dal 1° al 5° o ultimo)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Giorni dalla domenica di Pasqua</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Giorno della settimana in una data o dopo</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Giorno della settimana in una data o prima</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Un giorno di un anno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Sabato al venerdì, domenica al lunedì</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Fine settimana al giorno feriale libero seguente</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Domenica al giorno feriale libero seguente</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Aggiungi festività per regola</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Modifica festività</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4°</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5°</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>P&amp;osizione:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Giorno della &amp;settimana:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mese:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Giorno:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Distanza da &amp;Pasqua:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>Nel &amp;fine settimana, spostata:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>&amp;Valida dal:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>al&amp;l&apos;anno:</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>Il %1 non è bisestile: febbraio non ha il giorno 29.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 non ha il giorno 30.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 non ha il giorno 31.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>L&apos;ultimo anno precede il primo.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Queste scelte non formano una festività.</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Dare un nome alla festività.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Ufficiali</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bancarie</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>&amp;Facoltative</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;Scolastiche</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Ricorrenze</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Aggiungi festività di un paese, stato o regione</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Cerca paesi</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Stato o re&amp;gione:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Tipi:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>&amp;Anno mostrato:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Tutto il paese</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Nessuna festività di questi tipi nel %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Aggiunte le festività di %1.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Le festività di %1 ci sono già.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Paesi</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Festività dell’anno mostrato</translation>
    </message>
</context>
</TS>
