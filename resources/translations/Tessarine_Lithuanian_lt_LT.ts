<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMALUS</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PARENGTAS</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITINIS</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>NEPRISIJUNGĘS</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>PASENĘS</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>PODĖLIS NEPRISIJUNGĘS</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>UŽRAKINTAS</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEŽINOMA</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Be klaidų</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Sugedęs</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Neprisijungęs</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Sugedęs, neprisijungęs</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NEAKTYVI</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMAVIMAS</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>KŪRIMAS</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PATIKRA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIJAVIMAS</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>PERKŪRIMAS</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITŲ ŽEMĖLAPIO PATIKRA</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITŲ ŽEMĖLAPIO ĮRAŠYMAS</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>SAUGUS TRYNIMAS</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PUSLAPIŲ PERKĖLIMAS</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PAKOPŲ PERKĖLIMAS</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>KŪRIMAS SU NULIAVIMU</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>PRADĖTA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PRISTABDYTA</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>IŠJUNGTA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>SUGEDĘS</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>SUSTABDYTA</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>BAIGTA</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>PAŠALINTAS</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NEBAIGTA</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Labai žemas</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informacinis</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Įspėjimas</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritinis</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Lemtinga</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nežinomas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Failas</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Masyvas</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Kurti</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Kurti RAID masyvą</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformuoti</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformuoti esamą RAID masyvą</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Nuoseklumo patikra</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pradėti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Sustabdyti</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Foninis masyvo skenavimas</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Keisti podėlio nustatymus</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Be podėlio</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Skaitymo podėlis</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Atidėtojo rašymo podėlis</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Skaitymo + atidėtojo rašymo podėlis</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Užduotis</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritetas</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Tęsti</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pristabdyti</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Pašalinti</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Pavadinimas</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Keisti pasirinkto masyvo pavadinimą</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Slėpti</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Slėpti / rodyti esamą masyvą</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifikuoti masyvą</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Uždegti pasirinkto masyvo šviesos diodą (-us)</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Paruošti &amp;išėmimui</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Padaryti masyvą nematomą operacinei sistemai, ruošiantis jį išimti</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Pašalinti atsarginius</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Pašalinti visus šiam masyvui priskirtus skirtuosius atsarginius diskus</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ša&amp;linti</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Ištrinti esamą RAID masyvą</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Šalinti kelis &amp;masyvus</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Pasirinkti kelis esamus RAID masyvus trynimui</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Saugiai ištrinti</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Saugiai ištrinti esamą RAID masyvą</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Diskas</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>Iš &amp;naujo nuskaityti</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Iš naujo nuskaityti visus kanalus, kad būtų aptikti nauji arba pašalinti fiziniai diskai ir masyvai.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicijuoti</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Iš&amp;valyti metaduomenis</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Ypatybės</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. apžvalga</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (savistebos, analizės ir ataskaitų technologija) – tai disko stebėsenos sistema, aptinkanti ir pranešanti įvairius disko patikimumo rodiklius.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Parinktys</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Tvarkyti pasirinkto disko atsarginius diskus.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Rodinys</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atnaujinti</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>Programos ž&amp;urnalas</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Peržiūrėti programos žurnalo informaciją.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Rodyti &amp;valdiklius</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Rodyti valdiklių sąrašą</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Įvykių rodinys</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Sutraukti įvykių rodinį</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Keisti programos spalvų temą</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tamsi</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Šviesi</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Piktogramų dydis</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Keisti programos piktogramų dydį</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Maži</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Dideli</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Šrifto dydis</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Keisti programos šrifto dydį</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pagalba</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Apie</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Rodyti programos ir RAID tvarkyklių versijas</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Naudotojo vadovas</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Nuoroda į naudotojo vadovą</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Palaikymas</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Nuoroda į OXV palaikymo svetainę</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licencinė sutartis</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Peržiūrėti galutinio naudotojo licencinę sutartį (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Prievado tipas</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Talpa</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Didžiausia laisva</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Visuotinis atsarginis</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Praneštas karštasis keitimas</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelio numeris</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijos numeris</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Programinės aparatinės įrangos laida</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Įrenginys</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS pavadinimas</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Skaidinys</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Masyvo pavadinimas</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Bendra talpa</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Užduoties būsena</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Eiga</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pr.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skenavimas</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Podėlis</translation>
    </message>
    <message>
        <source>CTS</source>
        <translation>CTS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Ded Spare</source>
        <translation>Skirt. atsarg.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Įvykis</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekstas</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licencinė sutartis</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Paslėptas)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Šaltinis)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Paskirtis)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Skirtieji atsarginiai diskai</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Trūksta</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nėra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Naujas</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Rodyti</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Nepavyko rasti kvcfg RAID tvarkyklės. Įsitikinkite, kad įdiegtos visos reikalingos RAID tvarkyklės, kitaip programa neveiks.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Nepavyko rasti OXV RAID tvarkyklių. Patikrinkite, ar BIOS nustatymuose įjungtas RAID.

Jei naudojamas AHCI / savasis režimas, nieko daryti nereikia. Programa baigia darbą.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Paleiskite programą administratoriaus teisėmis.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Vykdydami šią programą dabartinėmis naudotojo teisėmis negalėsite:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Vykdyti destruktyvias komandas.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Peržiūrėti masyvų skaidinius ir sistemos masyvo informaciją.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Pranešimas apie įvykį</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Rodo dabartinį MB per sekundę našumą tarp OS ir OXV-RAID tvarkyklės.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Rodo dabartinį MB per sekundę našumą tarp OXV-RAID tvarkyklės ir saugojimo įrenginio.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Rodo dabartinį IO per sekundę našumą tarp OS ir OXV-RAID tvarkyklės.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Rodo dabartinį IO per sekundę našumą tarp OXV-RAID tvarkyklės ir saugojimo įrenginių.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Rodo bendrą baitų kiekį tarp OS ir OXV-RAID tvarkyklės.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Rodo bendrą baitų kiekį tarp OXV-RAID tvarkyklės ir saugojimo įrenginio.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Ar norite %1 masyvą %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ši operacija padarys masyvą nematomą operacinei sistemai ir gali sukelti DUOMENŲ PRARADIMĄ. Ar norite tęsti paruošimo išėmimui operaciją?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Pašalinti visus atsarginius diskus iš masyvo %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Ar norite ištrinti masyvą %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ĮSPĖJIMAS: visi duomenys bus prarasti negrįžtamai. Tęsti saugų masyvo %1 „%2“ trynimą?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Įjungtas atidėtojo rašymo podėlis gali padidinti duomenų sugadinimo tikimybę, jei sistema netikėtai išsijungtų. Ar norite jį įjungti?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti transformuotas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> yra užrakintas, todėl nuoseklumo patikros pradėti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> yra užrakintas, todėl nuoseklumo patikros sustabdyti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> yra užrakintas, todėl foninio masyvo skenavimo pradėti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> yra užrakintas, todėl foninio masyvo skenavimo sustabdyti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> yra užrakintas, todėl podėlio keisti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> yra užrakintas, todėl užduoties prioriteto keisti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> yra užrakintas, todėl užduoties tęsti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> yra užrakintas, todėl užduoties pristabdyti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> yra užrakintas, todėl užduoties pašalinti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti pervadintas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti paslėptas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti identifikuotas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti paruoštas išėmimui, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> yra užrakintas, todėl atsarginių diskų pašalinti negalima, kol jis nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti ištrintas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> yra užrakintas ir negali būti saugiai ištrintas, kol nebus atrakintas.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Patvirtinkite veiksmą</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Vyksta pakartotinis nuskaitymas...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Vyksta trynimas...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Vyksta saugus trynimas...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operacija nepavyko</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Pasirinktas masyvas persidengia su kitu masyvu. Operacija atšaukta.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Nepavyko išstumti OXV masyvo %1 SCSI įrenginio</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Šis įrenginys šiuo metu naudojamas. Uždarykite visas programas ar langus, kurie gali naudoti šį įrenginį, ir bandykite dar kartą.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Masyvo išėmimas</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Masyvas %1 pašalintas iš konfigūracijos, įrenginiai atjungti ir dabar gali būti fiziškai išimti iš sistemos. Svarbu neatlikti DISKŲ PAKARTOTINIO NUSKAITYMO, kol nebus atjungti visi masyvo diskai</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Pasirinkto masyvo disko (-ų) šviesos diodai dabar šviečia. Spustelėkite &apos;Gerai&apos;, kad nutrauktumėte identifikavimą.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Bendras masyvų skaičius ribojamas iki %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID tvarkyklė neatsako. Sąrašuose rodoma konfigūracija, nuskaityta %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID tvarkyklė neatsako. Nepavyko nuskaityti jokios konfigūracijos.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsolė negali nustatyti, kuriuose masyvuose yra operacinė sistema: šalinimas, saugus trynimas, slėpimas ir paruošimas išėmimui neprieinami.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Masyvas </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Diskas </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Nuskaityti iš naujo</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Diskas prijungtas</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID valdiklis aptiko naujo disko prijungimą. Kad šis diskas būtų įjungtas, reikia atlikti valdiklio PAKARTOTINĮ NUSKAITYMĄ. Jei šis diskas yra kelių diskų masyvo dalis, pakartotinį nuskaitymą atlikite tik prijungę paskutinį to masyvo diską. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Diskas atjungtas</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID valdiklis aptiko disko atjungimą. Kad diskas būtų galutinai pašalintas ir konfigūracija sinchronizuota, reikia atlikti pakartotinį nuskaitymą. Jei šis diskas yra atjungiamo masyvo dalis, NEATLIKITE PAKARTOTINIO NUSKAITYMO, kol nebus išimtas paskutinis to masyvo diskas.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>createDialog</name>
    <message>
        <source>Array Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Sutinku</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Galutinio naudotojo licencinė sutartis</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Licencinės sutarties teksto įkelti nepavyko.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
