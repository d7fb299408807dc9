<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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

To choose a state or region, or another country: %2.</source>
        <translation>Votre calendrier affiche les jours fériés de %1, le pays choisi dans votre système.

Pour choisir un État, une région ou un autre pays : %2.</translation>
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
