<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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

To choose a state or region, or another country: %2.</source>
        <translation>Il calendario mostra le festività pubbliche di %1, il paese impostato nel sistema.

Per scegliere uno stato, una regione o un altro paese: %2.</translation>
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
