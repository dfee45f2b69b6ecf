<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Programos versija:</translation>
    </message>
    <message>
        <source>kvraid.sys:</source>
        <translation>kvraid.sys:</translation>
    </message>
    <message>
        <source>kvcfg.sys:</source>
        <translation>kvcfg.sys:</translation>
    </message>
    <message>
        <source>kvbottom.sys:</source>
        <translation>kvbottom.sys:</translation>
    </message>
</context>
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation>Tomas  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (juostinis)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (veidrodinis)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (veidrodžių juostos)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (juostos su lyginumu)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (juostos su 2 lyginumais)</translation>
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
        <source>Disk </source>
        <translation>Diskas </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Netinkama konfigūracija: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Išplėstinis</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Paprastas</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Įveskite masyvo pavadinimą (iki 30 simbolių).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Masyvo pavadinimas</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Netinkamas pavadinimas: masyvo pavadinimas negali sutapti su esamų masyvų pavadinimais arba turėti šių simbolių: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Diskų sąrašas:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Vald. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Naudojamas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelio numeris</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Išvalyti metaduomenis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Neaptikta diskų su laisva vieta. Norėdami sukurti RAID masyvą, pirmiausia atlaisvinkite vietos esamame diske arba prijunkite papildomą diską prie sistemos.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Netinkamas pavadinimas: masyvo pavadinimas negali sutapti su esamų masyvų pavadinimais arba turėti šių simbolių: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Patvirtinkite kūrimą</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Įspėjimas: į masyvą įtraukėte atsarginį diską. Ar norite tęsti?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Įspėjimas: aptiktas skirtingų diskų maišymas! Siekiant geriausio našumo, nerekomenduojama maišyti labai skirtingo našumo diskų. Ar vis tiek norite kurti?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Sukurti nepavyko</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kurti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Peržiūra</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
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
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Didžiausia laisva </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>BA</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Praneštas karštasis keitimas</translation>
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
        <source>Firmware Version</source>
        <translation>Programinės aparatinės įrangos versija</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Masyvo parinktys</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipas:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Masyvo pavadinimas:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Išdėstymas:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Talpa:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Didžiausia talpa:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Didžiausia talpa</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Podėlio parinktys:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Podėlio žymės dydis:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Foninis masyvo skenavimas</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Praleisti inicijavimą  (nerekomenduojama)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Palikti esamus duomenis</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Kūrimas su nuliavimu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Visi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Visi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Visi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nenaudojami</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pasirinkti visus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
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
        <source>Type</source>
        <translation>Tipas</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Bendra talpa</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Podėlis</translation>
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
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Ar tikrai norite ištrinti pasirinktą (-us) masyvą (-us): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Patvirtinkite veiksmą</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Trinami masyvai...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Nutraukti</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Pasirinkti visus</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Disko ypatybės</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Disko atidėtasis rašymas į podėlį:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Įjungti</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Išjungti</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Disko išankstinis skaitymas:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART apklausa:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Įjungta</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Išjungta</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Pastaba: įjungus disko atidėtąjį rašymą į podėlį, gali padidėti duomenų sugadinimo tikimybė dingus sistemos maitinimui.</translation>
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
        <source>Write Back Cache</source>
        <translation>Atidėtojo rašymo podėlis</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Išankstinis skaitymas</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART apklausa</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Prievado tipas</translation>
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
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> yra NVMe įrenginys, todėl jo disko podėlio nustatymų keisti negalima.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Masyvas %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Masyvas %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, pristabdyta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 neprisijungęs</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 perkuriamas, o diskas %2 praneša S.M.A.R.T. klaidas: dar vienas gedimas sunaikintų masyvą</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>perkuriama į diską %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>perkuriama, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 yra kritinės būsenos: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 yra %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 yra kritinės būsenos: sugedo diskas %2</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 yra kritinės būsenos</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 transformuojamas: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 kuriamas: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 saugiai trinamas: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: sugedęs narys diske %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 neteko paskutinio atsarginio disko</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>nuoseklumo patikra</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>liko mažiau nei minutė</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>liko apie minutę</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>liko apie %n valandą</numerusform>
            <numerusform>liko apie %n valandas</numerusform>
            <numerusform>liko apie %n valandų</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>liko apie %n minutę</numerusform>
            <numerusform>liko apie %n minutes</numerusform>
            <numerusform>liko apie %n minučių</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID tvarkyklė neatsako</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Diskas %1 praneša S.M.A.R.T. klaidas</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (ir dar %n)</numerusform>
            <numerusform>%1 (ir dar %n)</numerusform>
            <numerusform>%1 (ir dar %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nesukonfigūruota jokių masyvų</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Masyvas tvarkingas</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Visi masyvai (%n) veikia tvarkingai</numerusform>
            <numerusform>Visi masyvai (%n) veikia tvarkingai</numerusform>
            <numerusform>Visi masyvai (%n) veikia tvarkingai</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Rodyti %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 yra kritinės būsenos</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 neprisijungęs</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: perkūrimas baigtas; masyvas vėl tvarkingas</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformavimas baigtas</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: perkūrimas baigėsi; masyvo būsena – %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformavimas baigėsi; masyvo būsena – %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Atsarginis diskas %1 pakeitė sugedusį narį</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Diskas %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Diskas %1 sugedo</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Diskas %1 praneša S.M.A.R.T. klaidas</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Pasikeitė %n masyvas ar diskas: %1</numerusform>
            <numerusform>Pasikeitė %n masyvai ar diskai: %1</numerusform>
            <numerusform>Pasikeitė %n masyvų ar diskų: %1</numerusform>
        </translation>
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
        <translation>Transformuoti</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kurti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Užduoties prioritetas</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicijuoti diskus</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Išvalyti metaduomenis</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Ypatybės</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. apžvalga</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Valdikliai</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Apie </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Įrašyti pagalbos paketą...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Įrašyti konfigūraciją, žurnalus ir S.M.A.R.T. ataskaitas į vieną failą palaikymo tarnybai</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>U&amp;ždaryti į dėklą</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Uždarius langą, konsolė toliau stebi masyvus iš sistemos dėklo.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pristabdyta: kol užduotis laukia, likęs laikas neskaičiuojamas.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Likęs laikas įvertinamas, kai užduoties eiga stebima vieną minutę.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Diskas sugedo; tvarkyklė praneša jo būseną %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Diskas praneša S.M.A.R.T. klaidas: netrukus jį pakeiskite.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Įrašyti pagalbos paketą</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP archyvai (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Pagalbos paketas įrašytas į %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Pagalbos paketo nepavyko įrašyti į %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
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
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
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
        <source>New</source>
        <translation>Naujas</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Nepavyko nuskaityti konfigūracijos; niekas nepakeista.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disko %1 nebėra; niekas nepakeista. Uždarykite šį langą ir atidarykite jį iš naujo, kad matytumėte dabartinius diskus.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Diskų sąrašas:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Užklausti pasirinktų S.M.A.R.T. duomenų</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 m.  %2 d.  %3 val.</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d.  %2 val.</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nepavyko gauti</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
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
        <source>Power on Hours</source>
        <translation>Veikimo valandos</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Įjungimų ciklai</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatūra (Celsijaus)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nėra ekrano, kuriame būtų galima atidaryti langą (nenustatytas nei DISPLAY, nei WAYLAND_DISPLAY); konsolės komandas terminale pateikia velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Patvirtinti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Užduoties &apos;%1&apos; dabartinis prioritetas: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Slankikliu pasirinkite naują užduoties &apos;%1&apos; prioritetą masyve &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Naujas prioritetas: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Patvirtinkite transformavimą</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Įspėjimas: į masyvą įtraukėte atsarginį diską. Ar norite tęsti?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Įspėjimas: į šį masyvo transformavimą įtrauktas karštai keičiamas įrenginys. Baigus transformavimą, būtina iš naujo paleisti sistemą, kad OS būtų informuota apie masyvo įrenginių pakeitimus. Ar norite tęsti?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Patvirtinkite kūrimą</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Įspėjimas: aptiktas skirtingų diskų maišymas! Siekiant geriausio našumo, nerekomenduojama maišyti labai skirtingo našumo diskų. Ar vis tiek norite kurti?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformavimo komanda nepavyko</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformuoti</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Šaltinis</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Paskirtis</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
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
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Didžiausia laisva </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>BA</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Praneštas karštasis keitimas</translation>
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
        <source>Firmware Version</source>
        <translation>Programinės aparatinės įrangos versija</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Masyvo parinktys</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipas:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Išdėstymas:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Dabartinė talpa:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Talpa:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Didžiausia talpa:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Didžiausia talpa</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Visi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Visi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Visi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nenaudojami</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Tas pats</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Pritaikyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Priskirti kaip skirtąjį atsarginį diską</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Priskirti kaip visuotinį atsarginį diską</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifikuoti diską šviesos diodais</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Išimti įrenginį</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Paruošti išėmimui</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Atsisakyti kaip visuotinio atsarginio</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Atsisakyti kaip skirtojo atsarginio</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Nepavyko nuskaityti konfigūracijos; niekas nepakeista.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disko %1 nebėra; niekas nepakeista.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Patvirtinkite atsarginio disko priskyrimą</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Įspėjimas: aptiktas skirtingų diskų maišymas! Siekiant geriausio našumo, nerekomenduojama maišyti labai skirtingo našumo diskų. Ar norite tęsti atsarginio disko priskyrimą?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifikuoti diską</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Pasirinkto disko šviesos diodai dabar šviečia. Spustelėkite &apos;Gerai&apos;, kad nutrauktumėte identifikavimą.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Įrenginio išėmimo būsena</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Diskų sąrašas:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Vald. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Naudojamas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelio numeris</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicijuoti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicijuoti pasirinktus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
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
        <translation>Masyvo parinktys</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipas:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Masyvo pavadinimas:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Išdėstymas:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Talpa:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Didžiausia talpa:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Didžiausia talpa</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Podėlio parinktys:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Podėlio žymės dydis:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Foninis masyvo skenavimas</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Praleisti inicijavimą  (nerekomenduojama)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Palikti esamus duomenis</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Kūrimas su nuliavimu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Visi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Visi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Visi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nenaudojami</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kurti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Skaitymo + atidėtojo rašymo podėlis</translation>
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
        <source>No Cache</source>
        <translation>Be podėlio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Numatytasis</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 KB</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 KB</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 KB</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
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
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Didžiausia laisva </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>BA</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Praneštas karštasis keitimas</translation>
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
        <source>Firmware Version</source>
        <translation>Programinės aparatinės įrangos versija</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Valdiklių sąrašas:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Nėra</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numeris</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipas</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelis</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Prievadų skaičius</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI gamintojo ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI įrenginio ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI pogamintojo ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI poįrenginio ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Magistralė</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Lizdas</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcija</translation>
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
        <translation>Masyvo parinktys</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipas:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Išdėstymas:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Dabartinė talpa:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Talpa:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Didžiausia talpa:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Didžiausia talpa</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pasirinkti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Visi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Visi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Visi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nenaudojami</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Tas pats</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Pritaikyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Diskas</translation>
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
        <source>Uses</source>
        <translation>Naudojimas</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Didžiausia laisva </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>BA</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Praneštas karštasis keitimas</translation>
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
        <source>Firmware Version</source>
        <translation>Programinės aparatinės įrangos versija</translation>
    </message>
</context>
</TS>
