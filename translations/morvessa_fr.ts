<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>SaveResults</name>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1 ?</translation>
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
</context>
<context>
    <name>morvessa::PreviewWindow</name>
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
</context>
</TS>
