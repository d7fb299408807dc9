<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Cria uma pasta de trabalho com o calendário anual (.xls ou .xlsx, doze planilhas de meses) a
partir dos feriados e cores salvos, exatamente como “Criar o calendário” no programa, sem nenhuma
janela.

Cada etapa que falha é escrita em stderr como o relatório de erro do programa a mostraria; o
código de saída é 0 somente se nenhuma etapa falhou (1 se alguma falhou, 2 para um erro de uso).
Uma execução com uma etapa que falhou não grava nenhum arquivo, de modo que um --out existente
fica como estava, a menos que --keep-going seja dado. As configurações do próprio usuário só são
lidas quando --settings não é dado.

Muitos calendários em uma execução: --years FIRST-LAST com --out-dir DIR grava DIR/YEAR.xls para
cada ano; vários arquivos --settings dão DIR/NAME-YEAR.xls para cada arquivo NAME.ini e cada ano.
Essas execuções gravam somente as pastas de trabalho (sem imagem), cada uma somente se nenhuma de
suas etapas falhou (ou com --keep-going).

PDF: um --out terminado em .pdf grava o calendário somente como PDF, uma página em paisagem por
mês; --pdf PATH grava um ao lado da pasta de trabalho. --paper define o papel do PDF e da
configuração de página da pasta somente para esta execução; --months escolhe os meses do PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>O ano do calendário; anos fora de 1900..2100 são levados a esses limites.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>Onde a pasta de trabalho é gravada (substituída se existir): um nome terminado em .xlsx dá uma pasta de trabalho do Excel, qualquer outro o formato Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Um arquivo de configurações INI usado no lugar do próprio usuário (mesmo formato). Um arquivo vazio dá os feriados e cores padrão, que são gravados nele.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>A planilha do mês ativa ao abrir a pasta de trabalho e mostrada na imagem, 1..12 (padrão 1, janeiro).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Gravar também a imagem desse mês (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Muitos calendários: cada ano de FIRST a LAST (com --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>A pasta para muitos calendários (com --years ou --year; criada se faltar).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Adiciona os feriados de um país, estado ou região (um código como DE, DE-BY, GB-SCT ou US-TX; --list-countries os lista) somente para esta execução; pode ser dado mais de uma vez. As configurações salvas não mudam.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>Os tipos de feriados de --country a marcar, separados por vírgulas: public, bank, optional, school, observance (padrão: public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Lista o código e o nome em inglês de cada país, um por linha; com o código de um país depois (--list-countries DE), seus estados e regiões.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Adiciona os eventos de dia inteiro de um arquivo iCalendar somente para esta execução; pode ser dado mais de uma vez. As configurações salvas não mudam.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Gravar também cada feriado que a execução marcaria, nos dias em que o marca, como arquivo iCalendar: para --year, ou para cada ano de --years FIRST-LAST. Sem --out nem --out-dir, somente este arquivo é gravado.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Nomeia os feriados de --country em inglês, e não no idioma do país.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Gravar a pasta de trabalho e a imagem mesmo quando algumas etapas falharam (o código de saída continua 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>O idioma dos nomes de meses e dias da semana: uma localidade como de, pl_PL ou ru-RU, “system” para a do sistema ou “default” para inglês.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>O primeiro dia de cada semana: sun (padrão), mon, sat ou locale para o do idioma.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Doze meses a partir deste, como 2026-09 para setembro de 2026 a agosto de 2027; o seu ano ocupa o lugar de --year (um só calendário).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Mostrar o número da semana ISO ao lado de cada semana.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>As páginas: os meses (padrão), o ano em uma página, ou ambos (a página do ano primeiro).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>A orientação das páginas no PDF e na configuração de página da pasta de trabalho: landscape (paisagem, padrão) ou portrait (retrato).</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>O preenchimento dos dias de fim de semana em cada página, uma cor da paleta de 56, ou 0 para nenhum (padrão: a escolha salva).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Gravar também o calendário como PDF, uma página por mês (um --out terminado em .pdf grava somente o PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>O papel do PDF e da configuração de página da pasta de trabalho, somente para esta execução: a4, letter, legal ou a3 (padrão: a escolha salva; para o PDF, senão o papel usual da localidade).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>Os meses do PDF, FIRST-LAST na ordem do calendário ou um só mês, 1..12 (padrão: todos os doze).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Substituir os arquivos de saída mesmo quando são somente leitura.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years grava muitos calendários: dê --out-dir em vez de --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (ou --first-month) e --out são obrigatórios</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>vários arquivos --settings fazem vários calendários: dê --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Você deve informar um ano válido.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out deve indicar um arquivo</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>o arquivo de configurações “%1” não existe (um arquivo vazio dá os valores padrão)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types aceita public, bank, optional, school e observance, não “%1”</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types precisa de pelo menos um tipo</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries aceita no máximo um código de país</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 “%2” contém um caractere de controle</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 “%2” indica “%3”, que esta execução lê</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 “%2” é somente leitura; dê --force para substituí-lo mesmo assim</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper deve ser a4, letter, legal ou a3</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out já indica um PDF; --pdf vai ao lado de uma pasta de trabalho</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf deve indicar um arquivo</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf e --out indicam o mesmo arquivo</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months escolhe os meses do PDF: dê --pdf ou um --out terminado em .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months deve ser FIRST-LAST ou um só mês, cada um de 1 a 12, como 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month deve ser um ano e um mês, como 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 e --first-month %2 indicam anos diferentes</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language “%1” não é uma localidade (tente de, pl_PL, system ou default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start deve ser sun, mon, sat ou locale</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout deve ser months, year ou both</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation deve ser portrait ou landscape</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color deve ser uma cor da paleta de 1 a 56, ou 0 para nenhuma</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month deve ser um número inteiro de 1 a 12</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir aceita ou --years FIRST-LAST ou --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years deve ser FIRST-LAST com FIRST não depois de LAST, como 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>dois arquivos de configurações se chamam “%1”; seus calendários teriam os mesmos nomes</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir grava muitos calendários: não é usado com --out, --snapshot, --pdf ou --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir deve indicar uma pasta</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month faz um só calendário: dê --out em vez de --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics deve indicar um arquivo</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics grava os feriados de um só arquivo de configurações</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics sem --out não grava nenhum calendário: --snapshot, --pdf e --months precisam de --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics aceita ou --year ou --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>%1 feriados de %2-%3 exportados para %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>o calendário mostra os feriados oficiais de %1 (%2), o país configurado no sistema; --country adiciona outros, o menu Feriados do programa os altera</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Tente “morvessa-batch --help”.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 não foi gravado: uma etapa falhou</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>a geração não entregou nenhuma pasta de trabalho</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>nenhuma imagem foi feita</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 anda para trás em um calendário que começa no mês %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n etapa falhou; nenhum arquivo foi gravado (--keep-going os grava mesmo assim)</numerusform>
            <numerusform>%n etapas falharam; nenhum arquivo foi gravado (--keep-going os grava mesmo assim)</numerusform>
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
        <translation>Calendário Morvessa</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>As páginas escolhidas não contêm nenhum mês.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>A impressora não aceitou o calendário: %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
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
        <translation>Feriados</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Fim de semana</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… mais %1</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>feriado bancário</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultativo</translation>
    </message>
    <message>
        <source>school</source>
        <translation>escolar</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>comemoração</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Páscoa</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>A configuração %1 contém %2, que não é nenhuma das %3 cores, então nenhuma cor é usada. Escolha uma com o botão de cor.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>O componente ActiveX não pode criar o objeto</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variável de objeto ou variável do bloco With não definida</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>na linha </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem para </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Um dia tem mais de %1 feriados: suas notas mostram os %1 primeiros e quantos mais há.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>An ordinal number, such as the 31st (day) or the 5th (Friday)</extracomment>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>its month &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>seu mês “%1” não é um número de 1 a 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>seu dia “%1” não é um número inteiro</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>seu dia da semana “%1” não é nenhum de domingo a sábado</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>sua posição “%1” não é nenhuma de 1º a 5º nem Último</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>não existe o mês %1 (os meses vão de 1 a 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>seu dia %1 não é dia de nenhum mês</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 não tem dia %3</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>em %1, %3 não ocorre %4 vezes</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Não é possível posicionar o feriado “%1”: %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Não é possível posicionar o evento “%1”: %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>Não é possível posicionar os feriados por regra: %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Não foi possível criar nenhuma pasta de trabalho temporária em %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Nenhum calendário foi criado.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Não é possível criar a pasta de trabalho temporária %1: %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>um erro desconhecido</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>o arquivo é maior do que este disco ou este processo pode gravar</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>o nome é um link, que não é seguido</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month and its year, as a sentence names them (%1 the month, %2 the year)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>in </source>
        <translation>em </translation>
    </message>
    <message>
        <source>The drawing module cannot be loaded: %1</source>
        <translation>Não é possível carregar o módulo de desenho: %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>O módulo de desenho %1 não é deste programa</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Nenhum valor salvo para o intervalo: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vazio</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 é %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 contém “%2”, que não é um número</translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Alguns dos seus feriados salvos não puderam ser lidos como deveriam:</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>As listas mostram todos os feriados que puderam ser lidos. O arquivo de configurações fica como está até você adicionar, excluir ou restaurar um feriado. Uma cópia foi guardada como “%1”.</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Seus feriados salvos não puderam ser lidos porque %1. As duas listas voltaram aos feriados padrão. Uma cópia do arquivo de configurações antigo, com seus feriados, foi guardada como “%2”.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 deveria conter o número de feriados fixos, mas contém “%2”</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 deveria conter o número de feriados móveis, mas contém “%2”</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 foi escrito em outra codificação de caracteres, então letras fora do inglês simples (acentos, por exemplo) podem aparecer como “%2”</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 indica %2 feriados fixos, mas %3 contém %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 indica %2 feriados móveis, mas %3 contém %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>nenhum feriado fixo pôde ser lido, então os padrão são mostrados</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>nenhum feriado móvel pôde ser lido, então os padrão são mostrados</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>O nome de um feriado não pode conter os caracteres “|” nem “%1”.</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Digite o dia como número inteiro de 1 a %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Escolha um mês.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Escolha um dia da semana.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Escolha a posição.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Fixo: </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Móvel: </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Regra: </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (data inválida)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>“%1” foi alterado ou excluído em outra cópia do programa nesse meio-tempo, então “%2” foi adicionado como novo feriado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>“%1” foi alterado ou excluído em outra cópia do programa nesse meio-tempo, então nada foi excluído. A lista mostra os feriados como estão salvos agora.</translation>
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
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5º</translation>
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
        <translation>, transferido para sexta/segunda se cair no fim de semana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, transferido para o próximo dia útil livre se cair no fim de semana</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, transferido para o próximo dia útil livre se cair no domingo</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Páscoa</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Páscoa %1%2 dias</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>primeiro(a) %1 a partir de %2 de %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>último(a) %1 até %2 de %3</translation>
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
        <translation>, até %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Desfazer adicionar país</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Desfazer adicionar feriado</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Desfazer editar feriado</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Desfazer excluir</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Desfazer restaurar padrão</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Desfazer importar</translation>
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
        <translation>Erro 842001. Não foi possível criar uma instância normal do Excel.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>O Excel pode estar aberto. Recomenda-se fechar o Excel primeiro.</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>O arquivo iCalendar não pode ser lido; nada foi importado.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>O arquivo não contém nenhum calendário (VCALENDAR); nada foi importado.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Este arquivo de calendário não pode ser lido: %1; nada foi importado.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>ele tem mais de 8 MB</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>ele contém dados binários (bytes NUL)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>não é um arquivo iCalendar (sem BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>O arquivo de calendário “%1” não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>ele contém mais de %1 linhas e datas listadas (linha %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>um bloco contém mais de %1 linhas e datas listadas (linha %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>uma linha tem mais de 64 KB (linha %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>uma linha tem mais de %1 parâmetros (linha %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>seus blocos estão aninhados em mais de %1 níveis (linha %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>ele contém mais de %1 eventos</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>ele fecha um bloco que não abriu (linha %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importar arquivo iCalendar</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Manter em dia com o arquivo (ler de novo a cada calendário)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Incluir eventos com &amp;horário, com o horário antes do nome</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Tem certeza de que deseja substituir %1?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 é somente leitura. Substituir mesmo assim?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Pasta de trabalho do Excel 97-2003 (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Pasta de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Não foi possível salvar o arquivo: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Escolher o arquivo de saída</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>A configuração %1 contém “%2”, que não é um de seus valores, então o padrão é usado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>O arquivo de configurações “%1” não pode ser lido nem gravado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>O arquivo de configurações “%1” está danificado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>O arquivo de configurações “%1” está ocupado por outra cópia do programa; nada foi alterado, tente de novo.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>O arquivo de configurações “%1” está danificado e não foi possível guardar uma cópia; nada foi gravado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>O arquivo de configurações “%1” não é um arquivo.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>No calendário &quot;%1&quot;, &quot;%2 se repete mais de %3 vezes ou incontáveis vezes; mostrado só até aí.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>No calendário &quot;%1&quot;, &quot;%2 se repetem mais de %3 vezes ou incontáveis vezes; mostrados só até aí.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>O calendário &quot;%1&quot; marca mais de %2 dias nesses anos; mostrado só até aí.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>Não é possível ler os dados de feriados %1: %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>Os dados de feriados %1 são grandes demais</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>Os dados de feriados %1 estão danificados: %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>Os dados de feriados remetem em círculo</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Não há feriados conhecidos para o país “%1”</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Não há feriados conhecidos para “%1” (morvessa-batch --list-countries lista os códigos)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Não há feriados conhecidos para “%1” (morvessa-batch --list-countries %2 lista seus estados e regiões)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>Não é possível ler a lista salva de fontes de feriados (%1): %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>“%1” não é um tipo de feriado</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>Sobre o Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Calendários anuais para imprimir, com os feriados do seu lugar.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Dados de feriados: %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licença dos dados de feriados: %1</translation>
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
        <translation>&amp;Inglês (padrão)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Idioma do &amp;sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>&amp;Outro idioma...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>A &amp;semana começa no</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Domingo</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Segunda-feira</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>S&amp;ábado</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Conforme o &amp;idioma</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Primeiro mês</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Números das semanas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>“%1” não é um idioma que o calendário conhece. Informe um nome como de, pt_BR ou sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>Pá&amp;ginas</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>Somente &amp;meses</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>Página do &amp;ano e meses</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Somente página do an&amp;o</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Orientação</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisagem</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Retrato</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Fins de semana</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Cor dos fins de semana</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Seletor de cor</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Sem cor</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Cor %1 de %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feriados de data fixa</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Novo feriado de data fixa</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Feriado:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dia:</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Feriados de data móvel</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Novo feriado de data móvel</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dia:</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Posição:</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Feriados</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Adicionar por regra...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>E&amp;ventos...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Calendário: %1 - 1 evento</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Calendário: %1 - %2 eventos</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, em dia com o arquivo</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>O último feriado fixo e o último móvel ficam: cada lista mantém um.</translation>
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
        <translation>Adicionar feriado por &amp;regra...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Adicionar os feriados de um &amp;país...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>&amp;Editar feriado...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>&amp;Importar arquivo iCalendar...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>E&amp;xportar arquivo iCalendar...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>Mostrar &amp;todos os feriados de um dia</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importar arquivo iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Arquivos iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>Exportar arquivo iCalendar</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Cada feriado destes anos é escrito no dia
em que o calendário o marca:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>O último ano vem antes do primeiro; nada foi exportado.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>%1 feriados exportados para %2.</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Feriados do &amp;ano</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Digite primeiro um ano</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Nenhum feriado em %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>feriados fixos</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>feriados móveis</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>a opção de Páscoa</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>feriados por regra</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>arquivo de calendário</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Seu calendário mostra os feriados nacionais de %1, o país configurado no seu sistema.

Para escolher um estado, uma região ou outro país: %2.
Para removê-los: %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Criar o calendário</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Qual ano?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Incluir a Páscoa?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Sim</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Não</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Feriados de data fixa</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dia:</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Adicionar feriado</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Excluir o feriado escolhido</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Feriados de data móvel</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feriado</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Feriados</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendário</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Outro idioma</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Idioma e país, como pt_BR ou sr_Latn_RS:</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Cor dos feriados</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Cor dos dias</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Outra cor</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Digite um ano válido.</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>&amp;Sobre o Morvessa...</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Salvar em arquivo do Excel</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>&amp;Exibir</translation>
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
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Rolar para cima e para baixo</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Rolar para os lados</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Calendar of %1</source>
        <translation>Calendário: %1</translation>
    </message>
    <message>
        <source>The month sheet is empty.</source>
        <translation>A planilha do mês está vazia.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Data fixa</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Dia da semana de um mês (1º a 5º ou último)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Dias desde o Domingo de Páscoa</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Dia da semana em uma data ou depois</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Dia da semana em uma data ou antes</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Um dia de um ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Sábado na sexta, domingo na segunda</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Fim de semana no próximo dia útil livre</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Domingo no próximo dia útil livre</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualquer</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Adicionar feriado por regra</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Editar feriado</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5º</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dias</translation>
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
        <translation>P&amp;osição:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Dia da &amp;semana:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mês:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dia:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Distância da &amp;Páscoa:</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>No &amp;fim de semana, transferido:</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>&amp;Vigente desde:</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>at&amp;é:</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 não é bissexto: fevereiro não tem dia 29.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 não tem dia 30.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 não tem dia 31.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>O último ano vem antes do primeiro.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Estas escolhas não formam um feriado.</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Dê um nome ao feriado.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Oficiais</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bancários</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>O&amp;pcionais</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>&amp;Escolares</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Comemorativos</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Adicionar feriados de um país, estado ou região</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Pesquisar países</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>Estado ou &amp;região:</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Tipos:</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>&amp;Ano mostrado:</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>O país inteiro</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Nenhum feriado destes tipos em %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Feriados de %1 adicionados.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Os feriados de %1 já estão lá.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Feriados do ano mostrado</translation>
    </message>
</context>
</TS>
