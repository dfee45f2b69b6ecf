<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Različica aplikacije:</translation>
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
        <translation>Nosilec  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (razporeditev)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (zrcaljenje)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (razporeditev zrcal)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (razporeditev s pariteto)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (razporeditev z 2 paritetama)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Neveljavna konfiguracija: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Preprosto</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Vnesite ime polja z največ 30 znaki.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Ime polja</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neveljavno ime: ime polja ne sme biti enako imenu obstoječega polja ali vsebovati naslednjih znakov: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Seznam diskov:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Krm. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>V uporabi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Počisti metapodatke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Ni bilo zaznanih diskov s prostim prostorom. Če želite ustvariti polje RAID, najprej sprostite prostor na obstoječem disku ali sistemu dodajte nov disk.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neveljavno ime: ime polja ne sme biti enako imenu obstoječega polja ali vsebovati naslednjih znakov: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potrditev ustvarjanja</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Opozorilo: v polje ste vključili rezervni disk. Ali želite nadaljevati?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Opozorilo: zaznano je mešanje pogonov! Za najboljšo zmogljivost ni priporočljivo mešati pogonov z bistveno različno zmogljivostjo. Ali vseeno želite ustvariti polje?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Ustvarjanje ni uspelo</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Predogled</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Največji prosti </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Obveščena vroča zamenjava</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Različica vdelane programske opreme</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti polja</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Ime polja:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Zmogljivost:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Največja zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Največja zmogljivost</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti predpomnilnika:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Velikost oznake predpomnilnika:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Pregled polja v ozadju</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskoči inicializacijo  (ni priporočljivo)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Ohrani obstoječe podatke</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Ustvarjanje z ničlami</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Vsi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Vsi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Vsi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neuporabljeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Naprava</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Ime v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Razdelek</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Ime polja</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Skupna zmogljivost</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Predpomnilnik</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Ali res želite izbrisati izbrana polja: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potrditev dejanja</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Brisanje polj ...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Lastnosti diska</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Predpomnjenje pisanja diska:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Omogoči</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Onemogoči</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Vnaprejšnje branje diska:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Poizvedovanje SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Omogočeno</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Onemogočeno</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Opomba: vklop predpomnjenja pisanja diska lahko poveča verjetnost poškodbe podatkov ob izpadu napajanja sistema.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Predpomnjenje pisanja</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Vnaprejšnje branje</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Poizvedovanje SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija vdelane programske opreme</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> je naprava NVMe, zato nastavitev predpomnilnika diska ni mogoče spremeniti.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Polje %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Polje %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, začasno ustavljeno</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ni povezano</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 se ponovno gradi, medtem ko disk %2 sporoča napake S.M.A.R.T.: še ena okvara bi uničila polje</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>ponovna izgradnja na disk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>ponovna izgradnja, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 je v kritičnem stanju: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 je v kritičnem stanju: disk %2 je okvarjen</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritičnem stanju</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 se preoblikuje: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 se ustvarja: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 se varno briše: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: okvarjen član na disku %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 je izgubilo zadnji rezervni disk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>preverjanje skladnosti</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>še manj kot minuta</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>še približno minuta</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>še približno %n ura</numerusform>
            <numerusform>še približno %n uri</numerusform>
            <numerusform>še približno %n ure</numerusform>
            <numerusform>še približno %n ur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>še približno %n minuta</numerusform>
            <numerusform>še približno %n minuti</numerusform>
            <numerusform>še približno %n minute</numerusform>
            <numerusform>še približno %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Gonilnik RAID se ne odziva</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 sporoča napake S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (in še %n)</numerusform>
            <numerusform>%1 (in še %n)</numerusform>
            <numerusform>%1 (in še %n)</numerusform>
            <numerusform>%1 (in še %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nobeno polje ni konfigurirano</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Polje je v redu</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Vsa polja (%n) so v redu</numerusform>
            <numerusform>Vsa polja (%n) so v redu</numerusform>
            <numerusform>Vsa polja (%n) so v redu</numerusform>
            <numerusform>Vsa polja (%n) so v redu</numerusform>
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
        <translation>&amp;Prikaži %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Izhod</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritičnem stanju</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ni povezano</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: ponovna izgradnja je dokončana; polje je spet v redu</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: preoblikovanje je dokončano</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: ponovna izgradnja se je končala; stanje polja je %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: preoblikovanje se je končalo; stanje polja je %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Rezervni disk %1 je nadomestil okvarjenega člana</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 je okvarjen</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 sporoča napake S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Spremenilo se je %n polje ali disk: %1</numerusform>
            <numerusform>Spremenila sta se %n polji ali diska: %1</numerusform>
            <numerusform>Spremenili so se %n polja ali diski: %1</numerusform>
            <numerusform>Spremenilo se je %n polj ali diskov: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMALNO</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PRIPRAVLJENO</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITIČNO</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>NI POVEZANO</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ZASTARELO</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>PREDPOMNILNIK NI POVEZAN</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ZAKLENJENO</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZNANO</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Brez napak</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Okvarjen</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Ni povezano</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Okvarjen, ni povezan</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NI AKTIVNO</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>PREOBLIKOVANJE</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>USTVARJANJE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PREVERJANJE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIRANJE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>PONOVNA IZGRADNJA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>PREVERJANJE BITNE SLIKE</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>PRAZNJENJE BITNE SLIKE</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>VARNO BRISANJE</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PREMIK STRANI</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PREMIK MED NIVOJI</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>USTVARJANJE Z NIČLAMI</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ZAČETO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ZAČASNO USTAVLJENO</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ZAUSTAVITEV</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>OKVARA</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>USTAVLJENO</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>DOKONČANO</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ODSTRANJENO</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NI DOKONČANO</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Zelo nizka</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informativno</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritično</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Usodno</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznano</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Izhod</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Polje</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Ustvari</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Ustvari polje RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Preoblikuj</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Preoblikuj obstoječe polje RAID</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Preverjanje skladnosti</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začni</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Pregled polja v ozadju</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Spremeni nastavitve predpomnilnika</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Brez predpomnilnika</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Predpomnilnik za branje</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Predpomnjenje pisanja</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Predpomnilnik za branje + pisanje</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Opravilo</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteta</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Nadaljuj</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Začasno ustavi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrani</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Ime</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Spremeni ime izbranega polja</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skrij</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Skrij/razkrij obstoječe polje</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Prepoznaj polje</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Prižgi lučke LED izbranega polja</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Pripravi na &amp;odstranitev</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Naredi polje nevidno za operacijski sistem kot pripravo na odstranitev</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Odstrani rezervne diske</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Odstrani vse namenske rezervne diske, dodeljene temu polju</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>I&amp;zbriši</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Izbriši obstoječe polje RAID</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Izbriši &amp;več polj</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Izberite več obstoječih polj RAID za brisanje</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>V&amp;arno izbriši</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Varno izbriši obstoječe polje RAID</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>Di&amp;sk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Ponovno preišči</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Ponovno preišči vse kanale za zaznavo novih ali odstranjenih fizičnih diskov in polj.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializiraj</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Počisti &amp;metapodatke</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Lastnosti</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. pregled</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (tehnologija samonadzora, analize in poročanja) je sistem nadzora pogona, ki zaznava in sporoča različne kazalnike zanesljivosti pogona.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>M&amp;ožnosti</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Upravljanje rezervnih diskov za izbrani disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Po&amp;gled</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Osveži</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Dnevnik aplikacije</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Prikaži podatke dnevnika aplikacije.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Prikaži &amp;krmilnike</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Prikaži seznam krmilnikov</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Pogled dogodkov</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Strni pogled dogodkov</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Spremeni barvno temo aplikacije</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Temna</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetla</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Velikost &amp;ikon</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Spremeni velikost ikon aplikacije</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Majhne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velike</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Velikost pisa&amp;ve</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Spremeni velikost pisave aplikacije</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalno</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moč</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Prikaži različico aplikacije in gonilnikov RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Uporabniški priročnik</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Povezava na uporabniški priročnik</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Podpora</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Povezava na spletno mesto podpore OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licenčna pogodba</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Prikaži licenčno pogodbo za končnega uporabnika (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Največji prosti</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globalni rezervni</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Obveščena vroča zamenjava</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija vdelane programske opreme</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Naprava</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Ime v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Razdelek</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Ime polja</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Skupna zmogljivost</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stanje opravila</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Napredek</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prio.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Predpomnilnik</translation>
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
        <translation>Nam. rez.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Dogodek</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Besedilo</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licenčna pogodba</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Skrito)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Vir)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Cilj)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Namenski rezervni diski</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manjka</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brez</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Razkrij</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Gonilnika RAID kvcfg ni mogoče najti. Prepričajte se, da so nameščeni vsi potrebni gonilniki RAID, sicer aplikacija ne bo delovala.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Gonilnikov RAID OXV ni mogoče najti. Preverite, ali je v nastavitvah BIOS omogočen RAID.

Če deluje način AHCI/izvorni način, ni treba storiti ničesar. Aplikacija se zapira.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Aplikacijo zaženite kot skrbnik.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Če to aplikacijo izvajate s trenutnimi uporabniškimi pravicami, ne boste mogli:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) izvajati uničujočih ukazov.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) pregledovati razdelkov polj in podatkov o sistemskem polju.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Obvestilo o dogodku</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje trenutno zmogljivost v MB na sekundo med OS in gonilnikom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Vrednost prikazuje trenutno zmogljivost v MB na sekundo med gonilnikom OXV-RAID in napravo za shranjevanje.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje trenutno zmogljivost v IO na sekundo med OS in gonilnikom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Vrednost prikazuje trenutno zmogljivost v IO na sekundo med gonilnikom OXV-RAID in napravami za shranjevanje.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje skupno število bajtov med OS in gonilnikom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Vrednost prikazuje skupno število bajtov med gonilnikom OXV-RAID in napravo za shranjevanje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Ali želite izvesti »%1« za polje %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ta operacija bo polje naredila nevidno za operacijski sistem in lahko povzroči IZGUBO PODATKOV. Ali želite nadaljevati pripravo na odstranitev?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Želite odstraniti vse rezervne diske iz polja %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Ali želite izbrisati polje %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>OPOZORILO: vsi podatki bodo nepovratno izgubljeni. Želite nadaljevati z varnim brisanjem polja %1 »%2«?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Omogočeno predpomnjenje pisanja lahko poveča verjetnost poškodbe podatkov, če se sistem nepričakovano zaustavi. Ali ga želite omogočiti?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče preoblikovati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> je zaklenjeno in preverjanja skladnosti ni mogoče začeti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> je zaklenjeno in preverjanja skladnosti ni mogoče ustaviti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> je zaklenjeno in pregleda polja v ozadju ni mogoče začeti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> je zaklenjeno in pregleda polja v ozadju ni mogoče ustaviti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> je zaklenjeno in predpomnilnika ni mogoče spremeniti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> je zaklenjeno in prioritete opravila ni mogoče spremeniti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> je zaklenjeno in opravila ni mogoče nadaljevati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> je zaklenjeno in opravila ni mogoče začasno ustaviti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> je zaklenjeno in opravila ni mogoče odstraniti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče preimenovati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče skriti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče prepoznati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče pripraviti na odstranitev, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> je zaklenjeno in rezervnih diskov ni mogoče odstraniti, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče izbrisati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> je zaklenjeno in ga ni mogoče varno izbrisati, dokler ni odklenjeno.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potrditev dejanja</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Ponovni pregled poteka ...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Brisanje poteka ...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Varno brisanje poteka ...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operacija ni uspela</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Izbrano polje se prekriva z drugim poljem. Operacija je preklicana.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Težava pri izvrženju naprave SCSI polja OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Naprava je trenutno v uporabi. Zaprite vse programe ali okna, ki morda uporabljajo to napravo, in poskusite znova.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Odstranitev polja</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Polje %1 je odstranjeno iz konfiguracije, naprave so odklopljene in jih je zdaj mogoče fizično odstraniti iz sistema. Pomembno je, da ne izvajate PONOVNEGA PREGLEDA DISKOV, dokler niso odklopljeni vsi diski polja</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lučke LED diskov v izbranem polju zdaj svetijo. Kliknite &apos;V redu&apos;, da končate prepoznavanje.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Skupno število polj je omejeno na %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Gonilnik RAID se ne odziva. Seznami prikazujejo konfiguracijo, prebrano ob %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Gonilnik RAID se ne odziva. Konfiguracije ni bilo mogoče prebrati.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konzola ne more ugotoviti, na katerih poljih je operacijski sistem: brisanje, varno brisanje, skrivanje in priprava na odstranitev niso na voljo.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Polje </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Preoblikuj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Prioriteta opravila</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicializiraj diske</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Počisti metapodatke</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Lastnosti</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Pregled S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Krmilniki</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O programu </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Shrani paket za podporo ...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Shrani konfiguracijo, dnevnike in poročila S.M.A.R.T. v eno datoteko za podporo</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Zapri v sistemsko vrstico</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Ko zaprete okno, konzola še naprej nadzoruje polja iz sistemske vrstice.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Začasno ustavljeno: dokler opravilo čaka, preostali čas ni ocenjen.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Preostali čas se oceni, ko je potek opravila spremljan eno minuto.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disk je okvarjen; gonilnik sporoča stanje %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disk sporoča napake S.M.A.R.T.: kmalu ga zamenjajte.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Shrani paket za podporo</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Arhivi ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Paket za podporo je shranjen v %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Paketa za podporo ni bilo mogoče shraniti v %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguracije ni bilo mogoče prebrati; nič ni bilo spremenjeno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Diska %1 ni več; nič ni bilo spremenjeno. Zaprite to okno in ga znova odprite, da boste videli trenutne diske.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Seznam diskov:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Poizvedi izbrane podatke S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 l  %2 d  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Ni mogoče pridobiti</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija vdelane programske opreme</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Ure delovanja</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cikli vklopa</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatura (Celzija)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: ni zaslona, na katerem bi odprli okno (niti DISPLAY niti WAYLAND_DISPLAY ni nastavljen); ukaze konzole v terminalu ponuja velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Potrdi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Trenutna prioriteta opravila &apos;%1&apos; je: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>S drsnikom izberite novo prioriteto opravila &apos;%1&apos; v polju &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nova prioriteta: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Potrditev preoblikovanja</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Opozorilo: v polje ste vključili rezervni disk. Ali želite nadaljevati?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Opozorilo: to preoblikovanje polja vključuje napravo, ki jo je mogoče vroče zamenjati. Po koncu preoblikovanja je treba sistem znova zagnati, da OS izve za spremembe naprav polja. Ali želite nadaljevati?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potrditev ustvarjanja</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Opozorilo: zaznano je mešanje pogonov! Za najboljšo zmogljivost ni priporočljivo mešati pogonov z bistveno različno zmogljivostjo. Ali vseeno želite ustvariti polje?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Ukaz za preoblikovanje ni uspel</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Preoblikuj</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Vir</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cilj</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Največji prosti </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Obveščena vroča zamenjava</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Različica vdelane programske opreme</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti polja</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Trenutna zmogljivost:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Največja zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Največja zmogljivost</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Vsi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Vsi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Vsi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neuporabljeni</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Enako</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Dodeli kot namenski rezervni disk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Dodeli kot globalni rezervni disk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Prepoznaj disk z lučkami LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Odstrani napravo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Pripravi na odstranitev</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Odstrani kot globalni rezervni disk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Odstrani kot namenski rezervni disk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguracije ni bilo mogoče prebrati; nič ni bilo spremenjeno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Diska %1 ni več; nič ni bilo spremenjeno.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Potrditev dodelitve rezervnega diska</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Opozorilo: zaznano je mešanje pogonov! Za najboljšo zmogljivost ni priporočljivo mešati pogonov z bistveno različno zmogljivostjo. Ali želite nadaljevati z dodelitvijo rezervnega diska?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Prepoznaj disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lučke LED izbranega diska zdaj svetijo. Kliknite &apos;V redu&apos;, da končate prepoznavanje.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stanje odstranitve naprave</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Seznam diskov:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Krm. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>V uporabi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicializirani</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicializiraj izbrane</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Ponovno preišči</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Pogon vstavljen</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Krmilnik RAID je zaznal vstavitev novega pogona. Da bo pogon na voljo, je treba izvesti PONOVNI PREGLED krmilnika. Če je ta pogon del polja z več pogoni, izvedite ponovni pregled šele po vstavitvi zadnjega pogona tega polja. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Pogon odstranjen</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Krmilnik RAID je zaznal odstranitev diskovnega pogona. Za trajno odstranitev pogona in uskladitev konfiguracije je treba izvesti ponovni pregled. Če je ta pogon del polja, ki ga odklapljate, NE IZVAJAJTE PONOVNEGA PREGLEDA, dokler ne odstranite zadnjega pogona tega polja.</translation>
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
        <translation>Možnosti polja</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Ime polja:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Zmogljivost:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Največja zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Največja zmogljivost</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti predpomnilnika:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Velikost oznake predpomnilnika:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Pregled polja v ozadju</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskoči inicializacijo  (ni priporočljivo)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Ohrani obstoječe podatke</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Ustvarjanje z ničlami</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Vsi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Vsi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Vsi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neuporabljeni</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Predpomnilnik za branje + pisanje</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Predpomnilnik za branje</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Predpomnjenje pisanja</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Brez predpomnilnika</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Privzeto</translation>
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
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Največji prosti </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Obveščena vroča zamenjava</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Različica vdelane programske opreme</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Seznam krmilnikov:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Ni na voljo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Številka</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Število vrat</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID proizvajalca PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID naprave PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID podproizvajalca PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID podnaprave PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Vodilo</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Reža</translation>
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
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licenčna pogodba za končnega uporabnika</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Besedila licenčne pogodbe ni bilo mogoče naložiti.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Možnosti polja</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Trenutna zmogljivost:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Največja zmogljivost:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Največja zmogljivost</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vse</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Vsi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Vsi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Vsi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Neuporabljeni</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Enako</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Vrsta vrat</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Zmogljivost</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Uporabe</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Prosti prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Največji prosti </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Obveščena vroča zamenjava</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Številka modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Različica vdelane programske opreme</translation>
    </message>
</context>
</TS>
