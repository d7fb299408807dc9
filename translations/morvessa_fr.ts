<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Crée un classeur de calendrier annuel (.xls ou .xlsx, douze feuilles de mois) à partir des jours
fériés et des couleurs enregistrés, exactement comme « Créer le calendrier » dans le programme,
sans aucune fenêtre.

Chaque étape en échec est écrite sur stderr comme le rapport d&apos;erreur du programme
l&apos;afficherait ; le code de sortie vaut 0 seulement si aucune étape n&apos;a échoué (1 si
l&apos;une a échoué, 2 pour une erreur d&apos;utilisation). Une exécution dont une étape a échoué
n&apos;écrit aucun fichier : un --out existant reste tel quel, sauf avec --keep-going. Les
paramètres de l&apos;utilisateur ne sont lus que si --settings n&apos;est pas donné.

Plusieurs calendriers en une exécution : --years FIRST-LAST avec --out-dir DIR écrit DIR/YEAR.xls
pour chaque année ; plusieurs fichiers --settings donnent DIR/NAME-YEAR.xls pour chaque fichier
NAME.ini et chaque année. Ces exécutions n&apos;écrivent que les classeurs (pas d&apos;image),
chacun seulement si aucune de ses étapes n&apos;a échoué (ou avec --keep-going).

PDF : un --out se terminant par .pdf écrit le calendrier seulement en PDF, une page à
l&apos;italienne par mois ; --pdf PATH en écrit un à côté du classeur. --paper fixe le papier du
PDF et de la mise en page du classeur pour cette exécution seulement ; --months choisit les mois
du PDF.</translation>
    </message>
    <message>
        <source>The calendar&apos;s year; years outside 1900..2100 are clamped to them.</source>
        <translation>L&apos;année du calendrier ; les années hors de 1900..2100 sont ramenées à ces limites.</translation>
    </message>
    <message>
        <source>Where the workbook is written (replaced if it exists): a name ending in .xlsx gives an Excel Workbook, any other the Excel 97-2003 format.</source>
        <translation>L&apos;emplacement du classeur (remplacé s&apos;il existe) : un nom se terminant par .xlsx donne un classeur Excel, tout autre le format Excel 97-2003.</translation>
    </message>
    <message>
        <source>An INI settings file to use instead of the user&apos;s own (same format). An empty file gives the default holidays and colours, written into it.</source>
        <translation>Un fichier de paramètres INI à utiliser à la place de celui de l&apos;utilisateur (même format). Un fichier vide donne les jours fériés et couleurs par défaut, qui y sont écrits.</translation>
    </message>
    <message>
        <source>The month sheet that is active when the workbook opens and that the snapshot shows, 1..12 (default 1, January).</source>
        <translation>La feuille de mois active à l&apos;ouverture du classeur et que montre l&apos;image, 1..12 (par défaut 1, janvier).</translation>
    </message>
    <message>
        <source>Also write the snapshot picture of that month (BMP).</source>
        <translation>Écrire aussi l&apos;image de ce mois (BMP).</translation>
    </message>
    <message>
        <source>Many calendars: every year from FIRST to LAST (with --out-dir).</source>
        <translation>Plusieurs calendriers : chaque année de FIRST à LAST (avec --out-dir).</translation>
    </message>
    <message>
        <source>The folder for many calendars (with --years or --year; made if missing).</source>
        <translation>Le dossier des calendriers multiples (avec --years ou --year ; créé s&apos;il manque).</translation>
    </message>
    <message>
        <source>Adds the holidays of a country, state or region (a code such as DE, DE-BY, GB-SCT or US-TX; --list-countries lists them) for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Ajoute les jours fériés d&apos;un pays, d&apos;un État ou d&apos;une région (un code comme DE, DE-BY, GB-SCT ou US-TX ; --list-countries les énumère) pour cette exécution seulement ; peut être donné plusieurs fois. Les paramètres enregistrés ne changent pas.</translation>
    </message>
    <message>
        <source>The kinds of --country holidays to mark, separated by commas: public, bank, optional, school, observance (default: public).</source>
        <translation>Les types de jours fériés --country à marquer, séparés par des virgules : public, bank, optional, school, observance (par défaut : public).</translation>
    </message>
    <message>
        <source>Lists the code and English name of every country, one per line; with a country&apos;s code after it (--list-countries DE), its states and regions.</source>
        <translation>Énumère le code et le nom anglais de chaque pays, un par ligne ; suivi du code d&apos;un pays (--list-countries DE), ses États et régions.</translation>
    </message>
    <message>
        <source>Adds the all-day events of an iCalendar file for this run only; may be given more than once. The stored settings are not changed.</source>
        <translation>Ajoute les événements sur la journée entière d&apos;un fichier iCalendar pour cette exécution seulement ; peut être donné plusieurs fois. Les paramètres enregistrés ne changent pas.</translation>
    </message>
    <message>
        <source>Also write every holiday the run would mark, on the days it marks them, as an iCalendar file: for --year, or for every year of --years FIRST-LAST. Without --out or --out-dir only this file is written.</source>
        <translation>Écrire aussi chaque jour férié que l&apos;exécution marquerait, aux jours où elle le marque, dans un fichier iCalendar : pour --year, ou pour chaque année de --years FIRST-LAST. Sans --out ni --out-dir, seul ce fichier est écrit.</translation>
    </message>
    <message>
        <source>Names --country holidays in English, not in the country&apos;s own language.</source>
        <translation>Nomme les jours fériés --country en anglais et non dans la langue du pays.</translation>
    </message>
    <message>
        <source>Write the workbook and snapshot even when some steps failed (the exit status is still 1).</source>
        <translation>Écrire le classeur et l&apos;image même si des étapes ont échoué (le code de sortie reste 1).</translation>
    </message>
    <message>
        <source>The language of month and weekday names: a locale such as de, pl_PL or ru-RU, &apos;system&apos; for the system&apos;s, or &apos;default&apos; for English.</source>
        <translation>La langue des noms de mois et de jours : une locale comme de, pl_PL ou ru-RU, « system » pour celle du système, ou « default » pour l&apos;anglais.</translation>
    </message>
    <message>
        <source>The first day of each week: sun (the default), mon, sat, or locale for the language&apos;s own.</source>
        <translation>Le premier jour de chaque semaine : sun (par défaut), mon, sat, ou locale pour celui de la langue.</translation>
    </message>
    <message>
        <source>Twelve months from this one, such as 2026-09 for September 2026 to August 2027; its year takes the place of --year (one calendar only).</source>
        <translation>Douze mois à partir de celui-ci, par exemple 2026-09 pour septembre 2026 à août 2027 ; son année remplace --year (un seul calendrier).</translation>
    </message>
    <message>
        <source>Show the ISO week number beside each week.</source>
        <translation>Afficher le numéro de semaine ISO à côté de chaque semaine.</translation>
    </message>
    <message>
        <source>The pages: the months (the default), the year on one page, or both (the year page first).</source>
        <translation>Les pages : les mois (par défaut), l&apos;année sur une page, ou les deux (la page de l&apos;année d&apos;abord).</translation>
    </message>
    <message>
        <source>How the pages stand in the PDF and the workbook&apos;s page setup: landscape (the default) or portrait.</source>
        <translation>L&apos;orientation des pages dans le PDF et la mise en page du classeur : landscape (paysage, par défaut) ou portrait.</translation>
    </message>
    <message>
        <source>The fill of weekend days on every page, a colour of the 56-entry palette, or 0 for none (default: the stored choice).</source>
        <translation>Le remplissage des jours de week-end sur chaque page, une couleur de la palette de 56 couleurs, ou 0 pour aucun (par défaut : le choix enregistré).</translation>
    </message>
    <message>
        <source>Also write the calendar as a PDF, one page per month (an --out ending in .pdf writes only the PDF).</source>
        <translation>Écrire aussi le calendrier en PDF, une page par mois (un --out se terminant par .pdf n&apos;écrit que le PDF).</translation>
    </message>
    <message>
        <source>The paper of the PDF and of the workbook&apos;s page setup, for this run only: a4, letter, legal or a3 (default: the stored choice; for the PDF, else the locale&apos;s usual paper).</source>
        <translation>Le papier du PDF et de la mise en page du classeur, pour cette exécution seulement : a4, letter, legal ou a3 (par défaut : le choix enregistré ; pour le PDF, sinon le papier habituel de la locale).</translation>
    </message>
    <message>
        <source>The months the PDF holds, FIRST-LAST in the calendar&apos;s order or one month, 1..12 (default: all twelve).</source>
        <translation>Les mois que contient le PDF, FIRST-LAST dans l&apos;ordre du calendrier ou un seul mois, 1..12 (par défaut : les douze).</translation>
    </message>
    <message>
        <source>Replace output files even when they are read-only.</source>
        <translation>Remplacer les fichiers de sortie même s&apos;ils sont en lecture seule.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--years writes many calendars: give --out-dir instead of --out</source>
        <translation>--years écrit plusieurs calendriers : donnez --out-dir au lieu de --out</translation>
    </message>
    <message>
        <source>--year (or --first-month) and --out are required</source>
        <translation>--year (ou --first-month) et --out sont obligatoires</translation>
    </message>
    <message>
        <source>several --settings files make several calendars: give --out-dir</source>
        <translation>plusieurs fichiers --settings font plusieurs calendriers : donnez --out-dir</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Vous devez saisir une année valide.</translation>
    </message>
    <message>
        <source>--out must name a file</source>
        <translation>--out doit désigner un fichier</translation>
    </message>
    <message>
        <source>settings file &apos;%1&apos; does not exist (an empty file gives the defaults)</source>
        <translation>le fichier de paramètres « %1 » n&apos;existe pas (un fichier vide donne les valeurs par défaut)</translation>
    </message>
    <message>
        <source>--holiday-types takes public, bank, optional, school and observance, not &apos;%1&apos;</source>
        <translation>--holiday-types accepte public, bank, optional, school et observance, pas « %1 »</translation>
    </message>
    <message>
        <source>--holiday-types needs at least one kind</source>
        <translation>--holiday-types demande au moins un type</translation>
    </message>
    <message>
        <source>--list-countries takes at most one country code</source>
        <translation>--list-countries accepte au plus un code de pays</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; holds a control character</source>
        <translation>%1 « %2 » contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; names &apos;%3&apos;, which this run reads</source>
        <translation>%1 « %2 » désigne « %3 », que cette exécution lit</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is read-only; give --force to replace it anyway</source>
        <translation>%1 « %2 » est en lecture seule ; donnez --force pour le remplacer quand même</translation>
    </message>
    <message>
        <source>--paper must be a4, letter, legal or a3</source>
        <translation>--paper doit valoir a4, letter, legal ou a3</translation>
    </message>
    <message>
        <source>--out already names a PDF; --pdf goes beside a workbook</source>
        <translation>--out désigne déjà un PDF ; --pdf va à côté d&apos;un classeur</translation>
    </message>
    <message>
        <source>--pdf must name a file</source>
        <translation>--pdf doit désigner un fichier</translation>
    </message>
    <message>
        <source>--pdf and --out name the same file</source>
        <translation>--pdf et --out désignent le même fichier</translation>
    </message>
    <message>
        <source>--months picks the PDF&apos;s months: give --pdf or an --out ending in .pdf</source>
        <translation>--months choisit les mois du PDF : donnez --pdf ou un --out se terminant par .pdf</translation>
    </message>
    <message>
        <source>--months must be FIRST-LAST or one month, each 1..12, such as 3-5</source>
        <translation>--months doit être FIRST-LAST ou un seul mois, chacun de 1 à 12, par exemple 3-5</translation>
    </message>
    <message>
        <source>--first-month must be a year and a month such as 2026-09</source>
        <translation>--first-month doit être une année et un mois, par exemple 2026-09</translation>
    </message>
    <message>
        <source>--year %1 and --first-month %2 name different years</source>
        <translation>--year %1 et --first-month %2 désignent des années différentes</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is no locale (try de, pl_PL, system or default)</source>
        <translation>--language « %1 » n&apos;est pas une locale (essayez de, pl_PL, system ou default)</translation>
    </message>
    <message>
        <source>--week-start must be sun, mon, sat or locale</source>
        <translation>--week-start doit valoir sun, mon, sat ou locale</translation>
    </message>
    <message>
        <source>--layout must be months, year or both</source>
        <translation>--layout doit valoir months, year ou both</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation doit valoir portrait ou landscape</translation>
    </message>
    <message>
        <source>--weekend-color must be a palette colour from 1 to 56, or 0 for none</source>
        <translation>--weekend-color doit être une couleur de la palette de 1 à 56, ou 0 pour aucune</translation>
    </message>
    <message>
        <source>--month must be a whole number from 1 to 12</source>
        <translation>--month doit être un nombre entier de 1 à 12</translation>
    </message>
    <message>
        <source>--out-dir takes either --years FIRST-LAST or --year</source>
        <translation>--out-dir accepte soit --years FIRST-LAST, soit --year</translation>
    </message>
    <message>
        <source>--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034</source>
        <translation>--years doit être FIRST-LAST avec FIRST pas après LAST, par exemple 2025-2034</translation>
    </message>
    <message>
        <source>two settings files are named &apos;%1&apos;; their calendars would have the same names</source>
        <translation>deux fichiers de paramètres s&apos;appellent « %1 » ; leurs calendriers auraient les mêmes noms</translation>
    </message>
    <message>
        <source>--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months</source>
        <translation>--out-dir écrit plusieurs calendriers : il ne s&apos;utilise pas avec --out, --snapshot, --pdf ou --months</translation>
    </message>
    <message>
        <source>--out-dir must name a folder</source>
        <translation>--out-dir doit désigner un dossier</translation>
    </message>
    <message>
        <source>--first-month makes one calendar: give --out instead of --out-dir</source>
        <translation>--first-month fait un seul calendrier : donnez --out au lieu de --out-dir</translation>
    </message>
    <message>
        <source>--export-ics must name a file</source>
        <translation>--export-ics doit désigner un fichier</translation>
    </message>
    <message>
        <source>--export-ics writes the holidays of one settings file</source>
        <translation>--export-ics écrit les jours fériés d&apos;un seul fichier de paramètres</translation>
    </message>
    <message>
        <source>--export-ics without --out writes no calendar: --snapshot, --pdf and --months need --out</source>
        <translation>--export-ics sans --out n&apos;écrit aucun calendrier : --snapshot, --pdf et --months demandent --out</translation>
    </message>
    <message>
        <source>--export-ics takes either --year or --years FIRST-LAST</source>
        <translation>--export-ics accepte soit --year, soit --years FIRST-LAST</translation>
    </message>
    <message>
        <source>Exported %1 holidays of %2-%3 to %4.</source>
        <translation>%1 jours fériés de %2-%3 exportés vers %4.</translation>
    </message>
    <message>
        <source>the calendar shows the public holidays of %1 (%2), the country the system is set to; --country adds others, the program&apos;s Holidays menu changes them</source>
        <translation>le calendrier montre les jours fériés officiels de %1 (%2), le pays réglé dans le système ; --country en ajoute d&apos;autres, le menu Jours fériés du programme les modifie</translation>
    </message>
    <message>
        <source>Try &apos;morvessa-batch --help&apos;.</source>
        <translation>Essayez « morvessa-batch --help ».</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 was not written: a step failed</source>
        <translation>%1 n&apos;a pas été écrit : une étape a échoué</translation>
    </message>
    <message>
        <source>the generation handed over no workbook</source>
        <translation>la génération n&apos;a remis aucun classeur</translation>
    </message>
    <message>
        <source>no snapshot picture was taken</source>
        <translation>aucune image n&apos;a été prise</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>--months %1-%2 runs backwards in a calendar that starts with month %3</source>
        <translation>--months %1-%2 va à rebours dans un calendrier qui commence par le mois %3</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) failed; no file was written (--keep-going writes them anyway)</source>
        <translation>
            <numerusform>%n étape a échoué ; aucun fichier n&apos;a été écrit (--keep-going les écrit quand même)</numerusform>
            <numerusform>%n étapes ont échoué ; aucun fichier n&apos;a été écrit (--keep-going les écrit quand même)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Morvessa calendar</source>
        <translation>Calendrier Morvessa</translation>
    </message>
    <message>
        <source>The chosen pages hold no month.</source>
        <translation>Les pages choisies ne contiennent aucun mois.</translation>
    </message>
    <message>
        <source>The printer did not take the calendar: %1</source>
        <translation>L&apos;imprimante n&apos;a pas accepté le calendrier : %1</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
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
        <translation>Dernier</translation>
    </message>
</context>
<context>
    <name>CalendarWords</name>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 de plus</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>jour férié bancaire</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>school</source>
        <translation>scolaire</translation>
    </message>
    <message>
        <source>observance</source>
        <translation>célébration</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
</context>
<context>
    <name>ColorPalette</name>
    <message>
        <source>The setting %1 holds %2, which is not one of the %3 colours, so no colour is used. Choose one with its Color button.</source>
        <translation>Le réglage %1 contient %2, qui n&apos;est aucune des %3 couleurs ; aucune couleur n&apos;est donc utilisée. Choisissez-en une avec son bouton sous « Couleur ».</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété incorrecte</translation>
    </message>
    <message>
        <source>ActiveX component can&apos;t create object</source>
        <translation>Un composant ActiveX ne peut pas créer d&apos;objet</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>A day holds more than %1 holidays: its notes show the first %1 and how many more there are.</source>
        <translation>Un jour compte plus de %1 jours fériés : ses notes montrent les %1 premiers et combien il en reste.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
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
        <translation>son mois « %1 » n&apos;est pas un nombre de 1 à 12</translation>
    </message>
    <message>
        <source>its day &quot;%1&quot; is not a whole number</source>
        <translation>son jour « %1 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>its day of the week &quot;%1&quot; is none of Sunday to Saturday</source>
        <translation>son jour de la semaine « %1 » n&apos;est aucun des jours de dimanche à samedi</translation>
    </message>
    <message>
        <source>its occurrence &quot;%1&quot; is none of 1st to 5th or Last</source>
        <translation>son rang « %1 » n&apos;est aucun de 1er à 5e ni Dernier</translation>
    </message>
    <message>
        <source>there is no month %1 (the months are 1 to 12)</source>
        <translation>il n&apos;y a pas de mois %1 (les mois vont de 1 à 12)</translation>
    </message>
    <message>
        <source>its day %1 is not a day of any month</source>
        <translation>son jour %1 n&apos;est le jour d&apos;aucun mois</translation>
    </message>
    <message>
        <source>%1 has no %2 day</source>
        <translation>%1 n&apos;a pas de %2 jour</translation>
    </message>
    <message>
        <source>%1 has no %2 %3</source>
        <translation>%1 n&apos;a pas de %2 %3</translation>
    </message>
    <message>
        <source>The holiday &quot;%1&quot; cannot be placed: %2.</source>
        <translation>Le jour férié « %1 » ne peut pas être placé : %2.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be placed: %2.</source>
        <translation>L&apos;événement « %1 » ne peut pas être placé : %2.</translation>
    </message>
    <message>
        <source>The rule holidays cannot be placed: %1.</source>
        <translation>Les jours fériés par règle ne peuvent pas être placés : %1.</translation>
    </message>
    <message>
        <source>No temporary workbook file could be created in %1.</source>
        <translation>Aucun classeur temporaire n&apos;a pu être créé dans %1.</translation>
    </message>
    <message>
        <source>No calendar was made.</source>
        <translation>Aucun calendrier n&apos;a été créé.</translation>
    </message>
    <message>
        <source>Cannot create the temporary workbook %1: %2</source>
        <translation>Impossible de créer le classeur temporaire %1 : %2</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file is larger than this disk or this process may write</source>
        <translation>le fichier est plus grand que ce que ce disque ou ce processus peut écrire</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the name is a link, which is not followed</source>
        <translation>le nom est un lien, qui n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month and its year, as a sentence names them (%1 the month, %2 the year)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>in </source>
        <translation>dans </translation>
    </message>
    <message>
        <source>The drawing module cannot be loaded: %1</source>
        <translation>Le module de dessin ne peut pas être chargé : %1</translation>
    </message>
    <message>
        <source>The drawing module %1 is not this program&apos;s</source>
        <translation>Le module de dessin %1 n&apos;appartient pas à ce programme</translation>
    </message>
</context>
<context>
    <name>HolidayCatalogue</name>
    <message>
        <source>No Saved Value To Retrieve For Range : </source>
        <translation>Aucune valeur enregistrée pour la plage : </translation>
    </message>
    <message>
        <source>Some of your saved holidays could not be read as they should:</source>
        <translation>Certains de vos jours fériés enregistrés n&apos;ont pas pu être lus correctement :</translation>
    </message>
    <message>
        <source>The lists show every holiday that could be read. The settings file is left as it is until you add, delete or restore a holiday. A copy of it was kept as &quot;%1&quot;.</source>
        <translation>Les listes montrent chaque jour férié qui a pu être lu. Le fichier de réglages reste tel quel jusqu&apos;à ce que vous ajoutiez, supprimiez ou rétablissiez un jour férié. Une copie en a été conservée sous « %1 ».</translation>
    </message>
    <message>
        <source>Your saved holidays could not be read, because %1. Both holiday lists were reset to the default holidays. A copy of the old settings file, with your holidays in it, was kept as &quot;%2&quot;.</source>
        <translation>Vos jours fériés enregistrés n&apos;ont pas pu être lus, car %1. Les deux listes ont été remises aux jours fériés par défaut. Une copie de l&apos;ancien fichier de réglages, avec vos jours fériés, a été conservée sous « %2 ».</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 vaut %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 contient « %2 », qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 should hold the number of fixed holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 devrait contenir le nombre de jours fériés fixes, mais contient « %2 »</translation>
    </message>
    <message>
        <source>%1 should hold the number of floating holidays, but it holds &quot;%2&quot;</source>
        <translation>%1 devrait contenir le nombre de jours fériés mobiles, mais contient « %2 »</translation>
    </message>
    <message>
        <source>%1 was written in another character encoding, so letters outside plain English may show as &quot;%2&quot;</source>
        <translation>%1 a été écrit dans un autre codage de caractères ; les lettres hors de l&apos;alphabet anglais simple (les accents, par exemple) peuvent donc s&apos;afficher comme « %2 »</translation>
    </message>
    <message>
        <source>%1 says there are %2 fixed holidays, but %3 holds %4</source>
        <translation>%1 annonce %2 jours fériés fixes, mais %3 en contient %4</translation>
    </message>
    <message>
        <source>%1 says there are %2 floating holidays, but %3 holds %4</source>
        <translation>%1 annonce %2 jours fériés mobiles, mais %3 en contient %4</translation>
    </message>
    <message>
        <source>no fixed holiday could be read, so the default ones are shown</source>
        <translation>aucun jour férié fixe n&apos;a pu être lu ; ceux par défaut sont donc affichés</translation>
    </message>
    <message>
        <source>no floating holiday could be read, so the default ones are shown</source>
        <translation>aucun jour férié mobile n&apos;a pu être lu ; ceux par défaut sont donc affichés</translation>
    </message>
</context>
<context>
    <name>HolidayDialog</name>
    <message>
        <source>A holiday name cannot contain the characters &quot;|&quot; or &quot;%1&quot;.</source>
        <translation>Le nom d&apos;un jour férié ne peut contenir ni « | » ni « %1 ».</translation>
    </message>
    <message>
        <source>Please enter the day as a whole number from 1 to %1.</source>
        <translation>Veuillez saisir le jour sous forme de nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>Please add name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>Please select month.</source>
        <translation>Veuillez choisir un mois.</translation>
    </message>
    <message>
        <source>Please select day.</source>
        <translation>Veuillez choisir un jour de la semaine.</translation>
    </message>
    <message>
        <source>Please select occurence.</source>
        <translation>Veuillez choisir le rang.</translation>
    </message>
</context>
<context>
    <name>HolidayEditing</name>
    <message>
        <source>Fixed: </source>
        <translation>Fixe : </translation>
    </message>
    <message>
        <source>Floating: </source>
        <translation>Mobile : </translation>
    </message>
    <message>
        <source>Rule: </source>
        <translation>Règle : </translation>
    </message>
    <message>
        <source> - (not a valid date)</source>
        <translation> - (date non valide)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so &quot;%2&quot; was added as a new holiday.</source>
        <translation>« %1 » a été modifié ou supprimé entre-temps dans une autre copie du programme ; « %2 » a donc été ajouté comme nouveau jour férié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted in another copy of the program meanwhile, so nothing was deleted. The list shows the holidays as they are stored now.</source>
        <translation>« %1 » a été modifié ou supprimé entre-temps dans une autre copie du programme ; rien n&apos;a donc été supprimé. La liste montre les jours fériés tels qu&apos;ils sont enregistrés maintenant.</translation>
    </message>
</context>
<context>
    <name>HolidayRules</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
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
        <translation>dernier</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, observed Friday/Monday when on a weekend</source>
        <translation>, reporté au vendredi ou au lundi s&apos;il tombe un week-end</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a weekend</source>
        <translation>, reporté au prochain jour ouvré libre s&apos;il tombe un week-end</translation>
    </message>
    <message>
        <source>, observed on the next free weekday when on a Sunday</source>
        <translation>, reporté au prochain jour ouvré libre s&apos;il tombe un dimanche</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 en %3</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter %1%2 days</source>
        <translation>Pâques %1%2 jours</translation>
    </message>
    <message>
        <source>%1 on or after %2 %3</source>
        <translation>premier %1 à partir du %2 %3</translation>
    </message>
    <message>
        <source>%1 on or before %2 %3</source>
        <translation>dernier %1 jusqu&apos;au %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, de %1 à %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, à partir de %1</translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, jusqu&apos;en %1</translation>
    </message>
</context>
<context>
    <name>HolidayUndo</name>
    <message>
        <source>Undo Add Country</source>
        <translation>Annuler l&apos;ajout du pays</translation>
    </message>
    <message>
        <source>Undo Add Holiday</source>
        <translation>Annuler l&apos;ajout du jour férié</translation>
    </message>
    <message>
        <source>Undo Edit Holiday</source>
        <translation>Annuler la modification du jour férié</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Undo Restore Defaults</source>
        <translation>Annuler le rétablissement des valeurs d&apos;origine</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Annuler l&apos;importation</translation>
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
        <translation>Erreur 842001. Impossible de créer une instance normale d&apos;Excel.<byte value="xd"/>
<byte value="xd"/>
1. Vérifiez qu&apos;Excel est installé sur cet ordinateur.<byte value="xd"/>
<byte value="xd"/>
2. Ouvrez Excel normalement et vérifiez qu&apos;une feuille vierge s&apos;ouvre aussitôt, sans fenêtre intermédiaire (par exemple une fenêtre de récupération de fichiers Excel).<byte value="xd"/>
<byte value="xd"/>
3. Vérifiez qu&apos;un double clic sur un fichier XLS ou XLSX ouvre Excel normalement, sans message intermédiaire.<byte value="xd"/>
<byte value="xd"/>
4. Ce logiciel prend en charge toutes les versions d&apos;Excel, sauf les rares éditions Excel Starter et Étudiant.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel est peut-être ouvert. Il est conseillé de fermer Excel d&apos;abord.<byte value="xd"/>Si nécessaire : Ctrl+Alt+Suppr &gt; Gestionnaire des tâches &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer malgré tout ?</translation>
    </message>
</context>
<context>
    <name>IcsFile</name>
    <message>
        <source>The iCalendar file cannot be read; nothing was imported.</source>
        <translation>Le fichier iCalendar ne peut pas être lu ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file holds no calendar (VCALENDAR); nothing was imported.</source>
        <translation>Le fichier ne contient aucun calendrier (VCALENDAR) ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>This calendar file cannot be read: %1; nothing was imported.</source>
        <translation>Ce fichier de calendrier ne peut pas être lu : %1 ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>il dépasse 8 Mo</translation>
    </message>
    <message>
        <source>it holds binary data (NUL bytes)</source>
        <translation>il contient des données binaires (octets NUL)</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>it is no iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>ce n&apos;est pas un fichier iCalendar (pas de BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le fichier de calendrier « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>it holds more than %1 lines and listed dates (line %2)</source>
        <translation>il contient plus de %1 lignes et dates listées (ligne %2)</translation>
    </message>
    <message>
        <source>a block holds more than %1 lines and listed dates (line %2)</source>
        <translation>un bloc contient plus de %1 lignes et dates listées (ligne %2)</translation>
    </message>
    <message>
        <source>a line is longer than 64 KB (line %1)</source>
        <translation>une ligne dépasse 64 Ko (ligne %1)</translation>
    </message>
    <message>
        <source>a line has more than %1 parameters (line %2)</source>
        <translation>une ligne a plus de %1 paramètres (ligne %2)</translation>
    </message>
    <message>
        <source>its blocks are nested more than %1 deep (line %2)</source>
        <translation>ses blocs sont imbriqués sur plus de %1 niveaux (ligne %2)</translation>
    </message>
    <message>
        <source>it holds more than %1 events</source>
        <translation>il contient plus de %1 événements</translation>
    </message>
    <message>
        <source>it ends a block it did not begin (line %1)</source>
        <translation>il termine un bloc qu’il n’a pas commencé (ligne %1)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importer un fichier iCalendar</translation>
    </message>
    <message>
        <source>&amp;Keep in step with the file (read it again for every calendar)</source>
        <translation>&amp;Suivre le fichier (le relire pour chaque calendrier)</translation>
    </message>
    <message>
        <source>Include &amp;timed events, with their time before the name</source>
        <translation>Inclure les événements &amp;horaires, l&apos;heure avant le nom</translation>
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
        <translation>Voulez-vous vraiment remplacer %1 ?</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it anyway?</source>
        <translation>%1 est en lecture seule. Le remplacer quand même ?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Excel 97-2003 Workbook (*.xls)</source>
        <translation>Classeur Excel 97-2003 (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1 (%2).</source>
        <translation>Le fichier n&apos;a pas pu être enregistré : %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Choose the output file</source>
        <translation>Choisir le fichier de sortie</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting %1 holds &quot;%2&quot;, which is not one of its values, so its default is used.</source>
        <translation>Le réglage %1 contient « %2 », qui n’est pas une de ses valeurs ; sa valeur par défaut est utilisée.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read or written.</source>
        <translation>Le fichier de réglages « %1 » ne peut être ni lu ni écrit.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Le fichier de réglages « %1 » est endommagé.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is kept busy by another copy of the program; nothing was changed, please try again.</source>
        <translation>Le fichier de réglages « %1 » est occupé par une autre copie du programme ; rien n&apos;a été modifié, veuillez réessayer.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged and no copy of it could be kept; nothing was written.</source>
        <translation>Le fichier de réglages « %1 » est endommagé et aucune copie n&apos;a pu en être conservée ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a file.</source>
        <translation>Le fichier de réglages « %1 » n&apos;est pas un fichier.</translation>
    </message>
</context>
<context>
    <name>SheetFiles</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>StoredCalendars</name>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeats more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Dans le calendrier « %1 », « %2 se répète plus de %3 fois ou d’innombrables fois ; affiché jusque-là seulement.</translation>
    </message>
    <message>
        <source>In the calendar &quot;%1&quot;, &quot;%2 repeat more often than %3 times or than can be counted; shown up to there only.</source>
        <translation>Dans le calendrier « %1 », « %2 se répètent plus de %3 fois ou d’innombrables fois ; affichés jusque-là seulement.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; marks more than %2 days in these years; shown up to there only.</source>
        <translation>Le calendrier « %1 » marque plus de %2 jours sur ces années ; affiché jusque-là seulement.</translation>
    </message>
</context>
<context>
    <name>WorldHolidays</name>
    <message>
        <source>The holiday data %1 cannot be read: %2</source>
        <translation>Les données des jours fériés %1 ne peuvent pas être lues : %2</translation>
    </message>
    <message>
        <source>The holiday data %1 is too large</source>
        <translation>Les données des jours fériés %1 sont trop volumineuses</translation>
    </message>
    <message>
        <source>The holiday data %1 is damaged: %2</source>
        <translation>Les données des jours fériés %1 sont endommagées : %2</translation>
    </message>
    <message>
        <source>The holiday data refers round in a circle</source>
        <translation>Les données des jours fériés renvoient en boucle</translation>
    </message>
    <message>
        <source>No holidays are known for the country &quot;%1&quot;</source>
        <translation>Aucun jour férié n&apos;est connu pour le pays « %1 »</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries lists the codes)</source>
        <translation>Aucun jour férié n&apos;est connu pour « %1 » (morvessa-batch --list-countries énumère les codes)</translation>
    </message>
    <message>
        <source>No holidays are known for &quot;%1&quot; (morvessa-batch --list-countries %2 lists its states and regions)</source>
        <translation>Aucun jour férié n&apos;est connu pour « %1 » (morvessa-batch --list-countries %2 énumère ses États et régions)</translation>
    </message>
    <message>
        <source>The stored list of holiday sources (%1) cannot be read: %2</source>
        <translation>La liste enregistrée des sources de jours fériés (%1) ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of holiday</source>
        <translation>« %1 » n&apos;est pas un type de jour férié</translation>
    </message>
</context>
<context>
    <name>morvessa::AboutDialog</name>
    <message>
        <source>About Morvessa</source>
        <translation>À propos de Morvessa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Yearly calendars to print, with the holidays of your place.</source>
        <translation>Des calendriers annuels à imprimer, avec les jours fériés de chez vous.</translation>
    </message>
    <message>
        <source>Holiday data: %1</source>
        <translation>Données des jours fériés : %1</translation>
    </message>
    <message>
        <source>Licence of the holiday data: %1</source>
        <translation>Licence des données des jours fériés : %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarEventsDialog</name>
    <message>
        <source>Events of %1</source>
        <translation>Événements de %1</translation>
    </message>
</context>
<context>
    <name>morvessa::CalendarMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;English (the default)</source>
        <translation>&amp;Anglais (par défaut)</translation>
    </message>
    <message>
        <source>&amp;System Language (%1)</source>
        <translation>Langue du &amp;système (%1)</translation>
    </message>
    <message>
        <source>&amp;Other Language...</source>
        <translation>A&amp;utre langue...</translation>
    </message>
    <message>
        <source>&amp;Week Starts On</source>
        <translation>La &amp;semaine commence le</translation>
    </message>
    <message>
        <source>&amp;Sunday</source>
        <translation>&amp;Dimanche</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Lundi</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>S&amp;amedi</translation>
    </message>
    <message>
        <source>As the &amp;Language Has It</source>
        <translation>Selon l&apos;&amp;usage de la langue</translation>
    </message>
    <message>
        <source>&amp;First Month</source>
        <translation>&amp;Premier mois</translation>
    </message>
    <message>
        <source>Week &amp;Numbers</source>
        <translation>&amp;Numéros de semaine</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language the calendar knows. Give a name such as de, pt_BR or sr_Latn_RS.</source>
        <translation>« %1 » n&apos;est pas une langue connue du calendrier. Indiquez un nom comme de, pt_BR ou sr_Latn_RS.</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>Pa&amp;ges</translation>
    </message>
    <message>
        <source>&amp;Months Only</source>
        <translation>&amp;Mois seulement</translation>
    </message>
    <message>
        <source>&amp;Year Page and Months</source>
        <translation>Page de l’&amp;année et mois</translation>
    </message>
    <message>
        <source>Year Page &amp;Only</source>
        <translation>Page de l’année s&amp;eule</translation>
    </message>
    <message>
        <source>&amp;Orientation</source>
        <translation>&amp;Orientation</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Po&amp;rtrait</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Weekends</source>
        <translation>&amp;Week-ends</translation>
    </message>
    <message>
        <source>Weekend colour</source>
        <translation>Couleur des week-ends</translation>
    </message>
</context>
<context>
    <name>morvessa::ColorPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Choix de la couleur</translation>
    </message>
    <message>
        <source>No color</source>
        <translation>Incolore</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Colour %1 of %2</source>
        <translation>Couleur %1 sur %2</translation>
    </message>
</context>
<context>
    <name>morvessa::FixedHolidayDialog</name>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Jours fériés fixes</translation>
    </message>
    <message>
        <source>Add new fixed date holiday</source>
        <translation>Nouveau jour férié fixe</translation>
    </message>
    <message>
        <source>Holiday Name:</source>
        <translation>Jour férié :</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour</translation>
    </message>
</context>
<context>
    <name>morvessa::FloatingHolidayDialog</name>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Jours fériés mobiles</translation>
    </message>
    <message>
        <source>Add new floating date holiday</source>
        <translation>Nouveau jour férié mobile</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Occurence:</source>
        <translation>Rang :</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayDialogBase</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidayListDialog</name>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>&amp;Add by Rule...</source>
        <translation>&amp;Ajouter par règle...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>The last fixed and the last floating holiday stay: each list keeps one.</source>
        <translation>Le dernier jour férié fixe et le dernier mobile restent : chaque liste en garde un.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>E&amp;vents...</source>
        <translation>É&amp;vénements...</translation>
    </message>
    <message>
        <source>Calendar: %1 - 1 event</source>
        <translation>Calendrier : %1 - 1 événement</translation>
    </message>
    <message>
        <source>Calendar: %1 - %2 events</source>
        <translation>Calendrier : %1 - %2 événements</translation>
    </message>
    <message>
        <source>, in step with its file</source>
        <translation>, suivi de son fichier</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>Pays : %1</translation>
    </message>
</context>
<context>
    <name>morvessa::HolidaysMenu</name>
    <message>
        <source>Add Holiday by &amp;Rule...</source>
        <translation>Ajouter un jour férié par &amp;règle...</translation>
    </message>
    <message>
        <source>Add a &amp;Country&apos;s Holidays...</source>
        <translation>Ajouter les jours fériés d&apos;un &amp;pays...</translation>
    </message>
    <message>
        <source>&amp;Edit Holiday...</source>
        <translation>&amp;Modifier un jour férié...</translation>
    </message>
    <message>
        <source>Show E&amp;very Holiday of a Day</source>
        <translation>Afficher &amp;tous les jours fériés d&apos;un jour</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar File...</source>
        <translation>&amp;Importer un fichier iCalendar...</translation>
    </message>
    <message>
        <source>E&amp;xport iCalendar File...</source>
        <translation>E&amp;xporter un fichier iCalendar...</translation>
    </message>
    <message>
        <source>Holidays of the &amp;Year</source>
        <translation>Jours fériés de l’a&amp;nnée</translation>
    </message>
    <message>
        <source>Enter a year first</source>
        <translation>Entrez d’abord une année</translation>
    </message>
    <message>
        <source>No holidays in %1</source>
        <translation>Aucun jour férié en %1</translation>
    </message>
    <message>
        <source>fixed holidays</source>
        <translation>jours fériés fixes</translation>
    </message>
    <message>
        <source>floating holidays</source>
        <translation>jours fériés mobiles</translation>
    </message>
    <message>
        <source>the Easter choice</source>
        <translation>le choix de Pâques</translation>
    </message>
    <message>
        <source>holidays by rule</source>
        <translation>jours fériés par règle</translation>
    </message>
    <message>
        <source>Import iCalendar File</source>
        <translation>Importer un fichier iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export iCalendar File</source>
        <translation>Exporter un fichier iCalendar</translation>
    </message>
    <message>
        <source>Every holiday of these years is written on the day the
calendar marks it:</source>
        <translation>Chaque jour férié de ces années est écrit le jour
où le calendrier le marque :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;À :</translation>
    </message>
    <message>
        <source>The last year comes before the first; nothing was exported.</source>
        <translation>La dernière année précède la première ; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>Exported %1 holidays to %2.</source>
        <translation>%1 jours fériés exportés vers %2.</translation>
    </message>
    <message>
        <source>calendar file</source>
        <translation>fichier de calendrier</translation>
    </message>
    <message>
        <source>Your calendar shows the public holidays of %1, the country your system is set to.

To choose a state or region, or another country: %2.
To take them out: %3.</source>
        <translation>Votre calendrier affiche les jours fériés de %1, le pays choisi dans votre système.

Pour choisir un État, une région ou un autre pays : %2.
Pour les retirer : %3.</translation>
    </message>
</context>
<context>
    <name>morvessa::MainWindow</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer le calendrier</translation>
    </message>
    <message>
        <source>What year?</source>
        <translation>Quelle année ?</translation>
    </message>
    <message>
        <source>Include Easter?</source>
        <translation>Inclure Pâques ?</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Oui</translation>
    </message>
    <message>
        <source> No</source>
        <translation> Non</translation>
    </message>
    <message>
        <source>Fixed Date Holidays</source>
        <translation>Jours fériés fixes</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Ajouter un jour férié</translation>
    </message>
    <message>
        <source>Delete Selected Holiday</source>
        <translation>Supprimer le jour férié choisi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs d&apos;origine</translation>
    </message>
    <message>
        <source>Floating Date Holidays</source>
        <translation>Jours fériés mobiles</translation>
    </message>
    <message>
        <source>Occurance:</source>
        <translation>Rang :</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Férié</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>You must enter a valid year.</source>
        <translation>Vous devez saisir une année valide.</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Jours fériés</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>Other Language</source>
        <translation>Autre langue</translation>
    </message>
    <message>
        <source>Language and country, such as pt_BR or sr_Latn_RS:</source>
        <translation>Langue et pays, par exemple pt_BR ou sr_Latn_RS :</translation>
    </message>
    <message>
        <source>Holiday colour</source>
        <translation>Couleur des jours fériés</translation>
    </message>
    <message>
        <source>Day colour</source>
        <translation>Couleur des jours</translation>
    </message>
    <message>
        <source>Other colour</source>
        <translation>Autre couleur</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Morvessa...</source>
        <translation>À &amp;propos de Morvessa...</translation>
    </message>
</context>
<context>
    <name>morvessa::PreviewWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Enregistrer dans un fichier Excel</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>Défiler vers le haut et le bas</translation>
    </message>
    <message>
        <source>Scroll across</source>
        <translation>Défiler latéralement</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Calendar of %1</source>
        <translation>Calendrier : %1</translation>
    </message>
    <message>
        <source>The month sheet is empty.</source>
        <translation>La feuille du mois est vide.</translation>
    </message>
</context>
<context>
    <name>morvessa::RuleHolidayDialog</name>
    <message>
        <source>Fixed date</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <source>Weekday of a month (1st to 5th or last)</source>
        <translation>Jour de semaine d&apos;un mois (1er à 5e ou dernier)</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Jours depuis le dimanche de Pâques</translation>
    </message>
    <message>
        <source>Weekday on or after a date</source>
        <translation>Jour de semaine à ou après une date</translation>
    </message>
    <message>
        <source>Weekday on or before a date</source>
        <translation>Jour de semaine à ou avant une date</translation>
    </message>
    <message>
        <source>One day of one year</source>
        <translation>Un jour d&apos;une année</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Saturday on the Friday, Sunday on the Monday</source>
        <translation>Samedi au vendredi, dimanche au lundi</translation>
    </message>
    <message>
        <source>Weekend on the next free weekday</source>
        <translation>Week-end au prochain jour ouvré libre</translation>
    </message>
    <message>
        <source>Sunday on the next free weekday</source>
        <translation>Dimanche au prochain jour ouvré libre</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toute</translation>
    </message>
    <message>
        <source>Add Holiday by Rule</source>
        <translation>Ajouter un jour férié par règle</translation>
    </message>
    <message>
        <source>Edit Holiday</source>
        <translation>Modifier le jour férié</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
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
        <translation>Dernier</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Occurrence:</source>
        <translation>&amp;Rang :</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>&amp;Jour de semaine :</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>J&amp;our :</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <source>&amp;Easter offset:</source>
        <translation>Écart à &amp;Pâques :</translation>
    </message>
    <message>
        <source>On a &amp;weekend, observed:</source>
        <translation>Le &amp;week-end, reporté :</translation>
    </message>
    <message>
        <source>In force &amp;from:</source>
        <translation>En vigueur &amp;de :</translation>
    </message>
    <message>
        <source>&amp;until:</source>
        <translation>&amp;à :</translation>
    </message>
    <message>
        <source>Please give the holiday a name.</source>
        <translation>Veuillez donner un nom au jour férié.</translation>
    </message>
    <message>
        <source>%1 is not a leap year: February has no 29th day.</source>
        <translation>%1 n&apos;est pas une année bissextile : février n&apos;a pas de 29e jour.</translation>
    </message>
    <message>
        <source>%1 has no 30th day.</source>
        <translation>%1 n&apos;a pas de 30e jour.</translation>
    </message>
    <message>
        <source>%1 has no 31st day.</source>
        <translation>%1 n&apos;a pas de 31e jour.</translation>
    </message>
    <message>
        <source>The last year comes before the first year.</source>
        <translation>La dernière année précède la première.</translation>
    </message>
    <message>
        <source>These choices do not make a holiday.</source>
        <translation>Ces choix ne forment pas un jour férié.</translation>
    </message>
</context>
<context>
    <name>morvessa::WorldHolidaysDialog</name>
    <message>
        <source>&amp;Public</source>
        <translation>&amp;Légaux</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bancaires</translation>
    </message>
    <message>
        <source>O&amp;ptional</source>
        <translation>&amp;Facultatifs</translation>
    </message>
    <message>
        <source>&amp;School</source>
        <translation>É&amp;coles</translation>
    </message>
    <message>
        <source>Ob&amp;servance</source>
        <translation>&amp;Commémorations</translation>
    </message>
    <message>
        <source>Add Holidays of a Country, State or Region</source>
        <translation>Ajouter les jours fériés d’un pays, d’un État ou d’une région</translation>
    </message>
    <message>
        <source>Search countries</source>
        <translation>Rechercher un pays</translation>
    </message>
    <message>
        <source>State or &amp;region:</source>
        <translation>État ou &amp;région :</translation>
    </message>
    <message>
        <source>Kinds:</source>
        <translation>Types :</translation>
    </message>
    <message>
        <source>&amp;Year shown:</source>
        <translation>&amp;Année affichée :</translation>
    </message>
    <message>
        <source>The whole country</source>
        <translation>Le pays entier</translation>
    </message>
    <message>
        <source>No holidays of these kinds in %1</source>
        <translation>Aucun jour férié de ces types en %1</translation>
    </message>
    <message>
        <source>Added the holidays of %1.</source>
        <translation>Les jours fériés de %1 ont été ajoutés.</translation>
    </message>
    <message>
        <source>The holidays of %1 are there already.</source>
        <translation>Les jours fériés de %1 sont déjà là.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Holidays of the year shown</source>
        <translation>Jours fériés de l’année affichée</translation>
    </message>
</context>
</TS>
