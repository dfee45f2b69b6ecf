<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Versiunea aplicației:</translation>
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
        <translation>Volum  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (benzi)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (oglindire)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (benzi de oglinzi)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (benzi cu paritate)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (benzi cu 2 parități)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disc </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Configurație nevalidă: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simplu</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Introduceți un nume de matrice de cel mult 30 de caractere.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Nume matrice</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nume nevalid: numele matricelor nu pot fi identice cu numele matricelor existente și nu pot conține următoarele caractere: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Listă discuri:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Can</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>În uz</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Ștergere metadate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nu au fost detectate discuri cu spațiu liber. Pentru a crea o matrice RAID, eliberați mai întâi spațiu pe un disc existent sau adăugați un disc suplimentar în sistem.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nume nevalid: numele matricelor nu pot fi identice cu numele matricelor existente și nu pot conține următoarele caractere: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmați crearea</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avertisment: ați inclus un disc de rezervă în matrice. Doriți să continuați?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avertisment: s-a detectat combinarea unor unități diferite! Pentru performanțe optime nu se recomandă combinarea unităților cu performanțe substanțial diferite. Doriți totuși să creați matricea?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Crearea a eșuat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Creare</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Cel mai mare liber </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Schimbare la cald anunțată</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opțiuni matrice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nume matrice:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizare:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacitate:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacitate maximă:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacitate maximă</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opțiuni cache:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Dimensiune etichetă cache:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Scanare în fundal a matricei</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Omitere inițializare  (nerecomandat)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Păstrare date existente</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creare cu zeroizare</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Toate NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Toate SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Toate HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neutilizate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispozitiv</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nume în SO</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partiție</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nume matrice</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacitate totală</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Sigur doriți să ștergeți matricea (matricele) selectată (selectate): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmați acțiunea</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Se șterg matricele...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonare</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Proprietăți disc</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Cache de scriere întârziată disc:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activare</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Dezactivare</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Citire anticipată disc:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Interogare SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Notă: activarea cache-ului de scriere întârziată al discului poate crește probabilitatea coruperii datelor în cazul unei căderi de tensiune.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache cu scriere întârziată</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Citire anticipată</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Interogare SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizie firmware</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> este un dispozitiv NVMe și setările cache-ului de disc nu pot fi modificate.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Matricea %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Matricea %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, întreruptă</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 este offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 se reconstruiește în timp ce discul %2 raportează erori S.M.A.R.T.: încă o defecțiune ar distruge matricea</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>reconstruire pe discul %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>reconstruire, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 este în stare critică: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 este %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 este în stare critică: discul %2 s-a defectat</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 este în stare critică</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 se transformă: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 se creează: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 se șterge securizat: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: membru defect pe discul %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 a pierdut ultimul disc de rezervă</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>verificare consistență</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>a mai rămas mai puțin de un minut</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>a mai rămas aproximativ un minut</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>a mai rămas aproximativ %n oră</numerusform>
            <numerusform>au mai rămas aproximativ %n ore</numerusform>
            <numerusform>au mai rămas aproximativ %n de ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>a mai rămas aproximativ %n minut</numerusform>
            <numerusform>au mai rămas aproximativ %n minute</numerusform>
            <numerusform>au mai rămas aproximativ %n de minute</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Driverul RAID nu răspunde</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Discul %1 raportează erori S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (și încă %n)</numerusform>
            <numerusform>%1 (și încă %n)</numerusform>
            <numerusform>%1 (și încă %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nu este configurată nicio matrice</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Matricea este sănătoasă</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Toate matricele (%n) sunt sănătoase</numerusform>
            <numerusform>Toate matricele (%n) sunt sănătoase</numerusform>
            <numerusform>Toate matricele (%n) sunt sănătoase</numerusform>
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
        <translation>&amp;Afișează %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 este în stare critică</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 este offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: reconstruirea s-a finalizat; matricea este din nou sănătoasă</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformarea s-a finalizat</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: reconstruirea s-a încheiat; starea matricei este %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformarea s-a încheiat; starea matricei este %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Discul de rezervă %1 a luat locul unui membru defect</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Discul %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Discul %1 s-a defectat</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Discul %1 raportează erori S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>S-a modificat %n matrice sau disc: %1</numerusform>
            <numerusform>S-au modificat %n matrice sau discuri: %1</numerusform>
            <numerusform>S-au modificat %n de matrice sau discuri: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMALĂ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PREGĂTIT</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>CRITICĂ</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>DEPĂȘIT</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOCATĂ</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NECUNOSCUT</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Fără eroare</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Defect</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Defect, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>INACTIVĂ</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMARE</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>CREARE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>VERIFICARE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIERE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RECONSTRUIRE</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>VERIFICARE HARTĂ DE BIȚI</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>GOLIRE HARTĂ DE BIȚI</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>ȘTERGERE SECURIZATĂ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>MUTARE PAGINI</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>MUTARE ÎNTRE NIVELURI</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>CREARE CU ZEROIZARE</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>PORNITĂ</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ÎNTRERUPTĂ</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>OPRIRE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>DEFECT</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>OPRITĂ</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>FINALIZATĂ</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ELIMINAT</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NEFINALIZATĂ</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Foarte scăzută</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informativ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critic</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Matrice</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Creare</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Creați o matrice RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformare</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformați o matrice RAID existentă</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Verificare consistență</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Scanare în fundal a matricei</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Modificare setări cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Fără cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache de citire</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache cu scriere întârziată</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache de citire + scriere întârziată</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Sarcină</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritate</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reluare</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Întrerupere</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nume</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Modificați numele matricei selectate</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ascundere</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Ascundeți/reafișați o matrice existentă</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identificare matrice</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Aprindeți LED-urile care reprezintă matricea selectată</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Pregătire pentru eliminare</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Faceți matricea invizibilă pentru sistemul de operare, în vederea eliminării</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Eliminare discuri de rezervă</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Eliminați toate discurile de rezervă dedicate atribuite acestei matrice</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ște&amp;rgere</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Ștergeți o matrice RAID existentă</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Ștergere &amp;multiplă matrice</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Selectați mai multe matrice RAID existente pentru ștergere</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Ștergere &amp;securizată</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Ștergeți securizat o matrice RAID existentă</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disc</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Rescanare</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Rescanați toate canalele pentru a detecta discuri fizice și matrice noi sau eliminate.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inițializare</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Ș&amp;tergere metadate</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietăți</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. prezentare generală</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (tehnologia de automonitorizare, analiză și raportare) este un sistem de monitorizare al unității care detectează și raportează diverși indicatori ai fiabilității unității.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opțiuni</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Gestionați discurile de rezervă pentru discul selectat.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Reîmprospătare</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>Jurnalul &amp;aplicației</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Vizualizați informațiile din jurnalul aplicației.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Vizualizare &amp;controlere</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Vizualizați lista de controlere</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Vizualizare &amp;evenimente</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Restrângeți vizualizarea evenimentelor</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Temă</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Modificați tema de culori a aplicației</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Întunecată</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luminoasă</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Dimensiune &amp;pictograme</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Modificați dimensiunea pictogramelor aplicației</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mici</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Mari</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Dimensiune &amp;font</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Modificați dimensiunea fontului aplicației</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Afișați versiunile aplicației și ale driverelor RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Ghid de utilizare</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Link către ghidul de utilizare</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>A&amp;sistență</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Link către site-ul de asistență OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Acord de licență</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Vizualizați acordul de licență pentru utilizatorul final (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Cel mai mare liber</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Rezervă globală</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Schimbare la cald anunțată</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizie firmware</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispozitiv</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nume în SO</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partiție</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nume matrice</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacitate totală</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stare sarcină</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progres</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scanare</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
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
        <translation>Rez. ded.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dată</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eveniment</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Acord de licență</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Ascunsă)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Sursă)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Destinație)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Discuri de rezervă dedicate</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Lipsă</translation>
    </message>
    <message>
        <source>none</source>
        <translation>niciuna</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Reafișare</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Driverul RAID kvcfg nu a fost găsit. Asigurați-vă că sunt instalate toate driverele RAID necesare, altfel aplicația nu va funcționa.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Driverele RAID OXV nu au fost găsite. Verificați dacă RAID este activat în setările BIOS.

Dacă rulați în modul AHCI/nativ, nu trebuie făcut nimic. Aplicația se închide.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Rulați aplicația ca administrator.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Rulând această aplicație cu privilegiile de utilizator curente, nu veți putea:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Să executați comenzi distructive.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Să vizualizați partițiile matricelor și informațiile despre matricea de sistem.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Notificare eveniment</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Valoarea afișează performanța curentă în MB pe secundă între SO și driverul OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Valoarea afișează performanța curentă în MB pe secundă între driverul OXV-RAID și dispozitivul de stocare.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Valoarea afișează performanța curentă în IO pe secundă între SO și driverul OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Valoarea afișează performanța curentă în IO pe secundă între driverul OXV-RAID și dispozitivele de stocare.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Valoarea afișează totalul de octeți între SO și driverul OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Valoarea afișează totalul de octeți între driverul OXV-RAID și dispozitivul de stocare.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Doriți să executați „%1” pentru matricea %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Această operațiune va face matricea invizibilă pentru sistemul de operare și poate cauza PIERDEREA DATELOR. Doriți să continuați cu operațiunea de pregătire pentru eliminare?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Eliminați toate discurile de rezervă din matricea %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Doriți să ștergeți matricea %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>AVERTISMENT: toate datele vor fi pierdute ireversibil. Continuați ștergerea securizată a matricei %1 „%2”?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Dacă este activat, cache-ul cu scriere întârziată poate crește probabilitatea coruperii datelor în cazul unei opriri neașteptate a sistemului. Doriți să îl activați?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> este blocată și nu poate fi transformată până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> este blocată și nu poate porni verificarea consistenței până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> este blocată și nu poate opri verificarea consistenței până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> este blocată și nu poate porni scanarea în fundal a matricei până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> este blocată și nu poate opri scanarea în fundal a matricei până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> este blocată și nu i se poate modifica cache-ul până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> este blocată și nu i se poate modifica prioritatea sarcinii până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> este blocată și nu i se poate relua sarcina până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> este blocată și nu i se poate întrerupe sarcina până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> este blocată și nu i se poate elimina sarcina până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> este blocată și nu poate fi redenumită până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> este blocată și nu poate fi ascunsă până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> este blocată și nu poate fi identificată până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> este blocată și nu poate fi pregătită pentru eliminare până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> este blocată și nu i se pot elimina discurile de rezervă până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> este blocată și nu poate fi ștearsă până nu este deblocată.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> este blocată și nu poate fi ștearsă securizat până nu este deblocată.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmați acțiunea</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Rescanare în curs...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Ștergere în curs...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Ștergere securizată în curs...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operațiunea a eșuat</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Matricea selectată se suprapune cu o altă matrice. Operațiune anulată.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problemă la scoaterea dispozitivului SCSI al matricei OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Acest dispozitiv este în prezent în uz. Închideți toate programele sau ferestrele care ar putea folosi acest dispozitiv și încercați din nou.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Eliminare matrice</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Matricea %1 a fost eliminată din configurație, dispozitivele au fost deconectate și pot fi acum scoase fizic din sistem. Este important să nu se efectueze RESCANĂRI DE DISC până când toate discurile matricei nu au fost deconectate</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>LED-urile care reprezintă discul (discurile) din matricea selectată sunt acum aprinse. Faceți clic pe &apos;OK&apos; pentru a opri identificarea.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Numărul total de matrice este limitat la %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Driverul RAID nu răspunde. Listele arată configurația citită la %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Driverul RAID nu răspunde. Nu s-a putut citi nicio configurație.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Consola nu poate determina ce matrice conțin sistemul de operare: Ștergerea, Ștergerea securizată, Ascunderea și Pregătirea pentru eliminare nu sunt disponibile.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Matricea </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disc </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformare</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Creare</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Prioritate sarcină</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inițializare discuri</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Ștergere metadate</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietăți</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Prezentare generală S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controlere</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Despre </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Salvare pachet de asistență...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Salvați configurația, jurnalele și rapoartele S.M.A.R.T. într-un singur fișier pentru asistență</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Închide în zona de notificare</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>La închiderea ferestrei, consola continuă să supravegheze matricele din zona de notificare.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Întreruptă: cât timp sarcina așteaptă, timpul rămas nu este estimat.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Timpul rămas este estimat după ce progresul sarcinii a fost urmărit timp de un minut.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Discul s-a defectat; driverul îi raportează starea ca %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Discul raportează erori S.M.A.R.T.: înlocuiți-l în curând.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Salvare pachet de asistență</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Arhive ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Pachetul de asistență a fost salvat în %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Pachetul de asistență nu a putut fi salvat în %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Configurația nu a putut fi citită; nu s-a modificat nimic.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Discul %1 nu mai este prezent; nu s-a modificat nimic. Închideți această fereastră și deschideți-o din nou pentru a vedea discurile actuale.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Listă discuri:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Interogare date S.M.A.R.T. selectate</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 a  %2 z  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 z  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nu s-a putut prelua</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizie firmware</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Ore de funcționare</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cicluri de alimentare</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatură (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nu există niciun ecran pe care să se deschidă fereastra (nu este setat nici DISPLAY, nici WAYLAND_DISPLAY); comenzile consolei într-un terminal sunt oferite de velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Prioritatea curentă a sarcinii &apos;%1&apos; este: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Folosiți glisorul pentru a alege o nouă prioritate pentru sarcina &apos;%1&apos; din matricea &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Prioritate nouă: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Confirmați transformarea</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avertisment: ați inclus un disc de rezervă în matrice. Doriți să continuați?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Avertisment: această transformare de matrice include un dispozitiv cu schimbare la cald. După finalizarea transformării trebuie repornit sistemul pentru ca SO să fie notificat despre modificările dispozitivelor matricei. Doriți să continuați?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Confirmați crearea</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avertisment: s-a detectat combinarea unor unități diferite! Pentru performanțe optime nu se recomandă combinarea unităților cu performanțe substanțial diferite. Doriți totuși să creați matricea?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Comanda de transformare a eșuat</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformare</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sursă</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinație</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Cel mai mare liber </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Schimbare la cald anunțată</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opțiuni matrice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizare:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacitate curentă:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacitate:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacitate maximă:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacitate maximă</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Toate NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Toate SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Toate HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neutilizate</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Aceeași</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Atribuire ca disc de rezervă dedicat</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Atribuire ca disc de rezervă global</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identificați discul cu ajutorul LED-urilor</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Eliminare dispozitiv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Pregătire pentru eliminare</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Eliminare ca disc de rezervă global</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Eliminare ca disc de rezervă dedicat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Configurația nu a putut fi citită; nu s-a modificat nimic.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Discul %1 nu mai este prezent; nu s-a modificat nimic.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Confirmați atribuirea discului de rezervă</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Avertisment: s-a detectat combinarea unor unități diferite! Pentru performanțe optime nu se recomandă combinarea unităților cu performanțe substanțial diferite. Doriți să continuați cu atribuirea discului de rezervă?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identificare disc</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>LED-urile care reprezintă discul selectat sunt acum aprinse. Faceți clic pe &apos;OK&apos; pentru a opri identificarea.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stare eliminare dispozitiv</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Listă discuri:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Can</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>În uz</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinițializate</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inițializare selectate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Rescanare</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Unitate introdusă</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Un controler RAID a detectat introducerea unei unități noi. Pentru a aduce unitatea online trebuie efectuată o RESCANARE a controlerului. Dacă unitatea face parte dintr-o matrice cu mai multe unități, rescanați numai după introducerea ultimei unități a matricei. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Unitate scoasă</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Un controler RAID a detectat scoaterea unei unități de disc. Pentru a elimina definitiv unitatea și a sincroniza configurația trebuie efectuată o rescanare. Dacă unitatea face parte dintr-o matrice care este scoasă offline, NU RESCANAȚI până când nu a fost scoasă ultima unitate a matricei.</translation>
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
        <translation>Opțiuni matrice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nume matrice:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizare:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacitate:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacitate maximă:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacitate maximă</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opțiuni cache:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Dimensiune etichetă cache:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Scanare în fundal a matricei</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Omitere inițializare  (nerecomandat)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Păstrare date existente</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creare cu zeroizare</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Toate NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Toate SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Toate HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neutilizate</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Creare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache de citire + scriere întârziată</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache de citire</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache cu scriere întârziată</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Fără cache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Implicit</translation>
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
        <translation>Disc</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Cel mai mare liber </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Schimbare la cald anunțată</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versiune firmware</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Listă controlere:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Indisponibil</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Număr</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Număr de porturi</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID furnizor PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID dispozitiv PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID subfurnizor PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID subdispozitiv PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Magistrală</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funcție</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Acord de licență pentru utilizatorul final</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Textul acordului de licență nu a putut fi încărcat.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Opțiuni matrice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizare:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacitate curentă:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacitate:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacitate maximă:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacitate maximă</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selectare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Toate NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Toate SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Toate HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neutilizate</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Aceeași</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip port</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacitate</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizări</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spațiu liber</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Cel mai mare liber </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Schimbare la cald anunțată</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Număr model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versiune firmware</translation>
    </message>
</context>
</TS>
