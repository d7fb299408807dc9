<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Crea un libro de calendario anual (.xls o .xlsx, doce hojas de meses) a partir de los festivos y
colores guardados, exactamente como «Crear el calendario» en el programa, sin ninguna ventana.

Cada paso fallido se escribe en stderr tal como lo mostraría el informe de error del programa; el
código de salida es 0 solo si ningún paso falló (1 si falló alguno, 2 por un error de uso). Una
ejecución con un paso fallido no escribe ningún archivo, de modo que un --out existente queda como
estaba, salvo con --keep-going. La configuración propia del usuario solo se lee si no se indica
--settings.

Muchos calendarios en una ejecución: --years FIRST-LAST con --out-dir DIR escribe DIR/YEAR.xls
para cada año; varios archivos --settings dan DIR/NAME-YEAR.xls para cada archivo NAME.ini y cada
año. Estas ejecuciones solo escriben los libros (sin imagen), cada uno solo si ninguno de sus
pasos falló (o con --keep-going).

PDF: un --out que termina en .pdf escribe el calendario solo como PDF, una página apaisada por
mes; --pdf PATH escribe uno junto al libro. --paper fija el papel del PDF y de la configuración de
página del libro solo para esta ejecución; --months elige los meses del PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>El año del calendario; los años fuera de 1900..2100 se ajustan a esos límites.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Dónde se escribe el libro (se reemplaza si existe): un nombre terminado en .xlsx da un libro de Excel, cualquier otro el formato Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Un archivo de configuración INI que se usa en lugar del propio del usuario (mismo formato). Un archivo vacío da los festivos y colores predeterminados, que se escriben en él.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>La hoja del mes activa al abrir el libro y que muestra la imagen, 1..12 (predeterminado 1, enero).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Escribir también la imagen de ese mes (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Muchos calendarios: cada año de FIRST a LAST (con --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>La carpeta para muchos calendarios (con --years o --year; se crea si falta).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Añade los festivos de un país, estado o región (un código como DE, DE-BY, GB-SCT o US-TX; --list-countries los enumera) solo para esta ejecución; puede indicarse más de una vez. La configuración guardada no cambia.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>Los tipos de festivos de --country que se marcan, separados por comas: public, bank, optional, school, observance (predeterminado: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Enumera el código y el nombre en inglés de cada país, uno por línea; con el código de un país detrás (--list-countries DE), sus estados y regiones.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Añade los eventos de día completo de un archivo iCalendar solo para esta ejecución; puede indicarse más de una vez. La configuración guardada no cambia.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Escribir también cada festivo que marcaría la ejecución, en los días en que lo marca, como archivo iCalendar: para --year o para cada año de --years FIRST-LAST. Sin --out ni --out-dir solo se escribe este archivo.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Nombra los festivos de --country en inglés y no en el idioma del país.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Escribir el libro y la imagen aunque hayan fallado pasos (el código de salida sigue siendo 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>El idioma de los nombres de meses y días: una configuración regional como de, pl_PL o ru-RU, «system» para la del sistema o «default» para inglés.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>El primer día de cada semana: sun (predeterminado), mon, sat o locale para el del idioma.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Doce meses a partir de este, como 2026-09 para septiembre de 2026 a agosto de 2027; su año ocupa el lugar de --year (un solo calendario).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Mostrar el número de semana ISO junto a cada semana.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>Las páginas: los meses (predeterminado), el año en una página, o ambos (primero la página del año).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>La orientación de las páginas en el PDF y en la configuración de página del libro: landscape (horizontal, predeterminado) o portrait (vertical).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>El relleno de los días de fin de semana en cada página, un color de la paleta de 56, o 0 para ninguno (predeterminado: la elección guardada).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Escribir también el calendario como PDF, una página por mes (un --out terminado en .pdf escribe solo el PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>El papel del PDF y de la configuración de página del libro, solo para esta ejecución: a4, letter, legal o a3 (predeterminado: la elección guardada; para el PDF, si no, el papel habitual de la configuración regional).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>Los meses del PDF, FIRST-LAST en el orden del calendario o un solo mes, 1..12 (predeterminado: los doce).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Reemplazar los archivos de salida aunque sean de solo lectura.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years escribe muchos calendarios: indique --out-dir en lugar de --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (o --first-month) y --out son obligatorios</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>varios archivos --settings hacen varios calendarios: indique --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Debe introducir un año válido.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out debe nombrar un archivo</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>el archivo de configuración «%1» no existe (un archivo vacío da los valores predeterminados)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types admite public, bank, optional, school y observance, no «%1»</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types necesita al menos un tipo</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries admite como mucho un código de país</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 «%2» contiene un carácter de control</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 «%2» nombra «%3», que esta ejecución lee</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 «%2» es de solo lectura; indique --force para reemplazarlo de todos modos</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper debe ser a4, letter, legal o a3</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out ya nombra un PDF; --pdf va junto a un libro</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf debe nombrar un archivo</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf y --out nombran el mismo archivo</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months elige los meses del PDF: indique --pdf o un --out terminado en .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months debe ser FIRST-LAST o un solo mes, cada uno de 1 a 12, como 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month debe ser un año y un mes, como 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 y --first-month %2 nombran años distintos</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language «%1» no es una configuración regional (pruebe de, pl_PL, system o default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start debe ser sun, mon, sat o locale</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout debe ser months, year o both</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation debe ser portrait o landscape</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color debe ser un color de la paleta de 1 a 56, o 0 para ninguno</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month debe ser un número entero de 1 a 12</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir admite o bien --years FIRST-LAST o bien --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years debe ser FIRST-LAST con FIRST no posterior a LAST, como 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>dos archivos de configuración se llaman «%1»; sus calendarios tendrían los mismos nombres</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir escribe muchos calendarios: no se usa con --out, --snapshot, --pdf ni --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir debe nombrar una carpeta</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month hace un solo calendario: indique --out en lugar de --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics debe nombrar un archivo</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics escribe los festivos de un solo archivo de configuración</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics sin --out no escribe ningún calendario: --snapshot, --pdf y --months necesitan --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics admite o bien --year o bien --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>Se exportaron %1 festivos de %2-%3 a %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>el calendario muestra los festivos oficiales de %1 (%2), el país configurado en el sistema; --country añade otros, el menú Festivos del programa los cambia</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Pruebe «morvessa-batch --help».</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 no se escribió: falló un paso</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>la generación no entregó ningún libro</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>no se tomó ninguna imagen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 va hacia atrás en un calendario que empieza por el mes %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n paso falló; no se escribió ningún archivo (--keep-going los escribe de todos modos)</numerusform>
            <numerusform>%n pasos fallaron; no se escribió ningún archivo (--keep-going los escribe de todos modos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Calendario Morvessa</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>Las páginas elegidas no contienen ningún mes.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>La impresora no aceptó el calendario: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Fin de semana</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 más</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>festivo bancario</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>school</source>
        <translation>escolar</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>conmemoración</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pascua</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>El ajuste %1 contiene %2, que no es ninguno de los %3 colores, así que no se usa ningún color. Elija uno con su botón de color.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Un componente ActiveX no puede crear el objeto</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o de bloque With no establecida</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Un día tiene más de %1 festivos: sus notas muestran los %1 primeros y cuántos más hay.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>An ordinal number, such as the 31st (day) or the 5th (Friday)</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>its month &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>su mes «%1» no es un número de 1 a 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>su día «%1» no es un número entero</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>su día de la semana «%1» no es ninguno de domingo a sábado</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>su posición «%1» no es ninguna de 1.º a 5.º ni Último</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>no existe el mes %1 (los meses van de 1 a 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>su día %1 no es un día de ningún mes</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 no tiene día %3</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>%1 no tiene un %2 %3</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>No se puede colocar el festivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>No se puede colocar el evento «%1»: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>No se pueden colocar los festivos por regla: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>No se pudo crear ningún libro temporal en %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>No se creó ningún calendario.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>No se puede crear el libro temporal %1: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un error desconocido</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se agotó la cuota de disco</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>el archivo es mayor de lo que este disco o este proceso puede escribir</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>el nombre es un enlace, que no se sigue</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month and its year, as a sentence names them (%1 the month, %2 the year)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>in </source>
        <translation>en </translation>
    </message>
    <message>
        <source>The drawing module cannot be loaded: %1</source>
        <translation>No se puede cargar el módulo de dibujo: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>El módulo de dibujo %1 no es de este programa</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>No hay ningún valor guardado para el rango: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 es %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 contiene «%2», que no es un número</translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Algunos de sus festivos guardados no se pudieron leer como deberían:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>Las listas muestran todos los festivos que se pudieron leer. El archivo de ajustes queda como está hasta que añada, borre o restablezca un festivo. Se guardó una copia como «%1».</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Sus festivos guardados no se pudieron leer porque %1. Las dos listas volvieron a los festivos predeterminados. Se guardó una copia del antiguo archivo de ajustes, con sus festivos, como «%2».</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 debería contener el número de festivos fijos, pero contiene «%2»</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 debería contener el número de festivos móviles, pero contiene «%2»</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 se escribió con otra codificación de caracteres, así que las letras fuera del inglés simple (los acentos, por ejemplo) pueden verse como «%2»</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 indica %2 festivos fijos, pero %3 contiene %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 indica %2 festivos móviles, pero %3 contiene %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>no se pudo leer ningún festivo fijo, así que se muestran los predeterminados</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>no se pudo leer ningún festivo móvil, así que se muestran los predeterminados</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>El nombre de un festivo no puede contener los caracteres «|» ni «%1».</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Escriba el día como número entero del 1 al %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Escriba un nombre.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Elija un mes.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Elija un día de la semana.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Elija la posición.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Fijo: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Móvil: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Regla: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (fecha no válida)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>Mientras tanto, «%1» se cambió o se borró en otra copia del programa, así que «%2» se añadió como festivo nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>Mientras tanto, «%1» se cambió o se borró en otra copia del programa, así que no se borró nada. La lista muestra los festivos tal como están guardados ahora.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.º</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, trasladado al viernes/lunes si cae en fin de semana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, trasladado al siguiente día laborable libre si cae en fin de semana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, trasladado al siguiente día laborable libre si cae en domingo</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Pascua %1%2 días</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>primer %1 desde el %2 de %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>último %1 hasta el %2 de %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, de %1 a %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, desde %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, hasta %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Deshacer añadir país</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Deshacer añadir festivo</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Deshacer editar festivo</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Deshacer borrar</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Deshacer restablecer predeterminados</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Deshacer importar</translation>
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
        <translation>Error 842001. No se pudo crear una instancia normal de Excel.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Puede que Excel esté abierto. Se recomienda cerrar Excel primero.</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>No se puede leer el archivo iCalendar; no se importó nada.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>El archivo no contiene ningún calendario (VCALENDAR); no se importó nada.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>No se puede leer este archivo de calendario: %1; no se importó nada.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>ocupa más de 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>contiene datos binarios (bytes NUL)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>no es un archivo iCalendar (falta BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer el archivo de calendario «%1»: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>contiene más de %1 líneas y fechas enumeradas (línea %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>un bloque contiene más de %1 líneas y fechas enumeradas (línea %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>una línea ocupa más de 64 KB (línea %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>una línea tiene más de %1 parámetros (línea %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>sus bloques están anidados a más de %1 niveles (línea %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>contiene más de %1 eventos</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>cierra un bloque que no abrió (línea %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>No se puede escribir el archivo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importar archivo iCalendar</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Mantener al día con el archivo (leerlo de nuevo en cada calendario)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Incluir eventos con &amp;hora, con la hora delante del nombre</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que quiere sobrescribir %1?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 es de solo lectura. ¿Reemplazarlo de todos modos?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Libro de Excel 97-2003 (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>No se pudo guardar el archivo: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Elegir el archivo de salida</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>El ajuste %1 contiene «%2», que no es uno de sus valores, así que se usa su valor predeterminado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>El archivo de ajustes «%1» no se puede leer ni escribir.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>El archivo de ajustes «%1» está dañado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Otra copia del programa está usando el archivo de ajustes «%1»; no se cambió nada, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>El archivo de ajustes «%1» está dañado y no se pudo guardar una copia; no se escribió nada.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>El archivo de ajustes «%1» no es un archivo.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>En el calendario «%1», «%2 se repite más de %3 veces o incontables veces; se muestra solo hasta ahí.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>En el calendario «%1», «%2 se repiten más de %3 veces o incontables veces; se muestran solo hasta ahí.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>El calendario «%1» marca más de %2 días en estos años; se muestra solo hasta ahí.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>No se pueden leer los datos de festivos %1: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>Los datos de festivos %1 son demasiado grandes</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>Los datos de festivos %1 están dañados: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>Los datos de festivos se remiten en círculo</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>No se conocen festivos para el país «%1»</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>No se conocen festivos para «%1» (morvessa-batch --list-countries enumera los códigos)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>No se conocen festivos para «%1» (morvessa-batch --list-countries %2 enumera sus estados y regiones)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>No se puede leer la lista guardada de fuentes de festivos (%1): %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>«%1» no es un tipo de festivo</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>Acerca de Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Calendarios anuales para imprimir, con los festivos de su lugar.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Datos de festivos: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licencia de los datos de festivos: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Eventos de %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Inglés (predeterminado)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Idioma del &amp;sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Otro idioma...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>La &amp;semana empieza el</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Domingo</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Lunes</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>&amp;Sábado</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Según el &amp;idioma</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Primer mes</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Números de semana</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>«%1» no es un idioma que conozca el calendario. Indique un nombre como de, pt_BR o sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>Pá&amp;ginas</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Solo &amp;meses</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>Página del &amp;año y meses</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Solo &amp;la página del año</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Orientación</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Fines de semana</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Color de los fines de semana</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Selector de color</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Sin color</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Color %1 de %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Festivos de fecha fija</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Nuevo festivo de fecha fija</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Festivo:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Festivos de fecha móvil</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Nuevo festivo de fecha móvil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Posición:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Añadir por regla...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>E&amp;ventos...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Calendario: %1 - 1 evento</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Calendario: %1 - %2 eventos</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, al día con su archivo</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>El último festivo fijo y el último móvil se quedan: cada lista conserva uno.</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>País: %1</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidaysMenu</name>
    <message>
        <source>Add Holiday by &amp;Rule...</source>
        <translation>Añadir festivo por &amp;regla...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Añadir los festivos de un &amp;país...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>&amp;Editar festivo...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>&amp;Importar archivo iCalendar...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>E&amp;xportar archivo iCalendar...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>Mostrar &amp;todos los festivos de un día</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importar archivo iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>Exportar archivo iCalendar</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Cada festivo de estos años se escribe el día
que lo marca el calendario:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>El último año es anterior al primero; no se exportó nada.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>Se exportaron %1 festivos a %2.</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Festivos del &amp;año</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Escriba primero un año</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Ningún festivo en %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>festivos fijos</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>festivos móviles</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>la opción de Pascua</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>festivos por regla</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>archivo de calendario</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Su calendario muestra los días festivos oficiales de %1, el país configurado en su sistema.

Para elegir un estado, una región u otro país: %2.
Para quitarlos: %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crear el calendario</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>¿Qué año?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>¿Incluir Pascua?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Sí</translation>
    </message>
    <message>
        <source> No</source>
        <translation> No</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Festivos de fecha fija</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Añadir festivo</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Borrar el festivo elegido</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer predeterminados</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Festivos de fecha móvil</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Festivos</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Otro idioma</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Idioma y país, como pt_BR o sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Color de los festivos</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Color de los días</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Otro color</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Debe escribir un año válido.</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>&amp;Acerca de Morvessa...</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Guardar en un archivo de Excel</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportar PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Desplazar arriba y abajo</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Desplazar a los lados</translation>
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
        <translation>La hoja del mes está vacía.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Fecha fija</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Día de la semana de un mes (1.º a 5.º o último)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Días desde el Domingo de Pascua</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Día de la semana en una fecha o después</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Día de la semana en una fecha o antes</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Un día de un año</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Sábado al viernes, domingo al lunes</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Fin de semana al siguiente día laborable libre</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Domingo al siguiente día laborable libre</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Añadir festivo por regla</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Editar festivo</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.º</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>P&amp;osición:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Día de la &amp;semana:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Día:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Desfase desde &amp;Pascua:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>En &amp;fin de semana, se traslada:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>&amp;Vigente desde:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>&amp;hasta:</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 no es bisiesto: febrero no tiene día 29.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 no tiene día 30.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 no tiene día 31.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>El último año es anterior al primero.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Estas opciones no forman un festivo.</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Dé un nombre al festivo.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Oficiales</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bancarios</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>O&amp;pcionales</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;Escolares</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Conmemorativos</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Añadir festivos de un país, estado o región</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Buscar países</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Estado o &amp;región:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Tipos:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>&amp;Año mostrado:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Todo el país</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Ningún festivo de estos tipos en %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Se añadieron los festivos de %1.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Los festivos de %1 ya están.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Festivos del año mostrado</translation>
    </message>
</context>
</TS>
