<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Verzija aplikacije:</translation>
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
        <translation>Volumen  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (raspodela)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (preslikavanje)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (raspodela preslikanih parova)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (raspodela s parnošću)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (raspodela s 2 parnosti)</translation>
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
        <translation>Neispravna konfiguracija: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Jednostavno</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Unesite naziv niza od najviše 30 znakova.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Naziv niza</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neispravan naziv: naziv niza ne sme biti isti kao nazivi postojećih nizova niti sadržati sledeće znakove: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista diskova:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kont. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>U upotrebi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Očisti metapodatke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nije otkriven nijedan disk sa slobodnim prostorom. Da biste kreirali RAID niz, prvo oslobodite prostor na postojećem disku ili dodajte još jedan disk u sistem.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neispravan naziv: naziv niza ne sme biti isti kao nazivi postojećih nizova niti sadržati sledeće znakove: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrda kreiranja</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozorenje: u niz ste uključili rezervni disk. Da li želite da nastavite?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozorenje: otkriveno je mešanje diskova! Radi najboljih performansi ne preporučuje se mešanje diskova znatno različitih performansi. Da li ipak želite da kreirate niz?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Kreiranje nije uspelo</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kreiraj</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najveći slobodan </translation>
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
        <translation>Najavljena vruća zamena</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzija upravljačkog softvera</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opcije niza</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Naziv niza:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapacitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opcije keša:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Veličina oznake keša:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skeniranje niza u pozadini</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskoči inicijalizaciju  (ne preporučuje se)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zadrži postojeće podatke</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Kreiranje sa nuliranjem</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Svi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Svi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Svi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nekorišćeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Naziv u OS-u</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Particija</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Naziv niza</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Ukupan kapacitet</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Keš</translation>
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
        <translation>Da li sigurno želite da obrišete izabrane nizove: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrda radnje</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Brisanje nizova...</translation>
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
        <translation>Izaberi sve</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Svojstva diska</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Keširanje upisa na disku:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Omogući</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Onemogući</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Čitanje unapred na disku:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART prozivanje:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Omogućeno</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Onemogućeno</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Napomena: uključivanje keširanja upisa na disku može da poveća verovatnoću oštećenja podataka ako nestane napajanje sistema.</translation>
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
        <translation>Keš sa odloženim upisom</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Čitanje unapred</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART prozivanje</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija upravljačkog softvera</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> je NVMe uređaj i podešavanja keša diska ne mogu da se menjaju.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Niz %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Niz %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, pauzirano</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 je van mreže</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 se obnavlja dok disk %2 prijavljuje S.M.A.R.T. greške: još jedan otkaz bi uništio niz</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>obnova na disk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>obnova, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 je u kritičnom stanju: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 je u kritičnom stanju: disk %2 je otkazao</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je u kritičnom stanju</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 se transformiše: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 se kreira: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 se bezbedno briše: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: otkazao član na disku %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 je ostao bez poslednjeg rezervnog diska</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>provera doslednosti</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>preostalo je manje od minuta</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>preostao je oko minut</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>preostalo je oko %n sat</numerusform>
            <numerusform>preostalo je oko %n sata</numerusform>
            <numerusform>preostalo je oko %n sati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>preostao je oko %n minut</numerusform>
            <numerusform>preostala su oko %n minuta</numerusform>
            <numerusform>preostalo je oko %n minuta</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID upravljački program ne odgovara</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 prijavljuje S.M.A.R.T. greške</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (i još %n)</numerusform>
            <numerusform>%1 (i još %n)</numerusform>
            <numerusform>%1 (i još %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nijedan niz nije konfigurisan</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Niz je ispravan</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Svi nizovi (%n) su ispravni</numerusform>
            <numerusform>Svi nizovi (%n) su ispravni</numerusform>
            <numerusform>Svi nizovi (%n) su ispravni</numerusform>
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
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je u kritičnom stanju</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 je van mreže</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: obnova je uspešno završena; niz je ponovo ispravan</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformacija je uspešno završena</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: obnova je završena; stanje niza je %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformacija je završena; stanje niza je %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Rezervni disk %1 je zamenio otkazali član</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 je otkazao</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 prijavljuje S.M.A.R.T. greške</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Promenio se %n niz ili disk: %1</numerusform>
            <numerusform>Promenila su se %n niza ili diska: %1</numerusform>
            <numerusform>Promenilo se %n nizova ili diskova: %1</numerusform>
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
        <translation>SPREMAN</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITIČNO</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>VAN MREŽE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ZASTAREO</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>KEŠ VAN MREŽE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ZAKLJUČAN</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEPOZNATO</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Bez greške</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Otkazao</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Van mreže</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Otkazao, van mreže</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NIJE AKTIVNO</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMACIJA</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>KREIRANJE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PROVERA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIRANJE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>OBNOVA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>PROVERA BITMAPE</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>PRAŽNJENJE BITMAPE</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BEZBEDNO BRISANJE</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PREMEŠTANJE STRANICA</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PREMEŠTANJE IZMEĐU NIVOA</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>KREIRANJE SA NULIRANJEM</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>POKRENUTO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUZIRANO</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>GAŠENJE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>OTKAZAO</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ZAUSTAVLJENO</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ZAVRŠENO</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>UKLONJEN</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NIJE ZAVRŠENO</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Veoma nizak</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informativno</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritično</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatalno</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
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
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Niz</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Kreiraj</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Kreiraj RAID niz</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformiši</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformiši postojeći RAID niz</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Provera doslednosti</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pokreni</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skeniranje niza u pozadini</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Izmeni podešavanja keša</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez keša</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Keš za čitanje</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Keš sa odloženim upisom</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Keš za čitanje + odloženi upis</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Zadatak</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauziraj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naziv</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Promeni naziv izabranog niza</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Sakrij</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Sakrij/prikaži postojeći niz</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifikuj niz</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Upali LED lampice izabranog niza</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Pripremi za &amp;uklanjanje</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Učini niz nevidljivim za operativni sistem radi pripreme za uklanjanje</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Ukloni rezervne diskove</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Ukloni sve namenske rezervne diskove dodeljene ovom nizu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Obriši</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Obriši postojeći RAID niz</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Obriši &amp;više nizova</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Izaberite više postojećih RAID nizova za brisanje</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Bezbedno obriši</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Bezbedno obriši postojeći RAID niz</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>D&amp;isk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Ponovo skeniraj</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Ponovo skeniraj sve kanale radi otkrivanja novih ili uklonjenih fizičkih diskova i nizova.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicijalizuj</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>O&amp;čisti metapodatke</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Svo&amp;jstva</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. pregled</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (tehnologija samonadgledanja, analize i izveštavanja) je sistem nadgledanja diska koji otkriva i prijavljuje razne pokazatelje pouzdanosti diska.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcije</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Upravljaj rezervnim diskovima za izabrani disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Prikaz</translation>
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
        <translation>Prikaži informacije dnevnika aplikacije.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Prikaži &amp;kontrolere</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Prikaži listu kontrolera</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Pregled događaja</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Skupi pregled događaja</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Promeni temu boja aplikacije</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tamna</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetla</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Veličina &amp;ikona</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Promeni veličinu ikona aplikacije</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velike</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Veličina &amp;fonta</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Promeni veličinu fonta aplikacije</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalno</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moć</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Prikaži verzije aplikacije i RAID upravljačkih programa</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Uputstvo za korisnike</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Veza ka uputstvu za korisnike</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Podrška</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Veza ka OXV sajtu za podršku</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licencni ugovor</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Prikaži licencni ugovor sa krajnjim korisnikom (EULA).</translation>
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
        <translation>Tip</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Najveći slobodan</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globalni rezervni</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Najavljena vruća zamena</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija upravljačkog softvera</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Uređaj</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Naziv u OS-u</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Particija</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Naziv niza</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Ukupan kapacitet</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stanje zadatka</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Napredak</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skeniranje</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Keš</translation>
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
        <translation>Događaj</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licencni ugovor</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Sakriven)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Izvor)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Odredište)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Namenski rezervni diskovi</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Nedostaje</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nema</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novi</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Prikaži</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Nije moguće pronaći kvcfg RAID upravljački program. Uverite se da su instalirani svi potrebni RAID upravljački programi, inače aplikacija neće raditi.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Nije moguće pronaći OXV RAID upravljačke programe. Proverite da li je RAID omogućen u BIOS podešavanjima.

Ako radite u AHCI/izvornom režimu, ništa ne treba da uradite. Aplikacija se zatvara.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Pokrenite aplikaciju kao administrator.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Dok ovu aplikaciju pokrećete sa trenutnim korisničkim privilegijama, nećete moći da:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) izvršavati destruktivne komande.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) pregledati particije nizova i informacije o sistemskom nizu.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Obaveštenje o događaju</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje trenutne performanse u MB u sekundi između OS-a i OXV-RAID upravljačkog programa.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Vrednost prikazuje trenutne performanse u MB u sekundi između OXV-RAID upravljačkog programa i uređaja za skladištenje.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje trenutne performanse u IO u sekundi između OS-a i OXV-RAID upravljačkog programa.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Vrednost prikazuje trenutne performanse u IO u sekundi između OXV-RAID upravljačkog programa i uređaja za skladištenje.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Vrednost prikazuje ukupan broj bajtova između OS-a i OXV-RAID upravljačkog programa.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Vrednost prikazuje ukupan broj bajtova između OXV-RAID upravljačkog programa i uređaja za skladištenje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Da li želite da izvršite „%1” za niz %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ova operacija će učiniti niz nevidljivim za operativni sistem i može da izazove GUBITAK PODATAKA. Da li želite da nastavite sa pripremom za uklanjanje?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Ukloniti sve rezervne diskove iz niza %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Da li želite da obrišete niz %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>UPOZORENJE: svi podaci će biti nepovratno izgubljeni. Nastaviti sa bezbednim brisanjem niza %1 „%2”?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Omogućen keš sa odloženim upisom može da poveća verovatnoću oštećenja podataka ako se sistem neočekivano isključi. Da li želite da ga omogućite?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> je zaključan i ne može da se transformiše dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> je zaključan i provera doslednosti ne može da se pokrene dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> je zaključan i provera doslednosti ne može da se zaustavi dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> je zaključan i skeniranje niza u pozadini ne može da se pokrene dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> je zaključan i skeniranje niza u pozadini ne može da se zaustavi dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> je zaključan i keš ne može da se menja dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> je zaključan i prioritet zadatka ne može da se menja dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> je zaključan i zadatak ne može da se nastavi dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> je zaključan i zadatak ne može da se pauzira dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> je zaključan i zadatak ne može da se ukloni dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> je zaključan i ne može da se preimenuje dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> je zaključan i ne može da se sakrije dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> je zaključan i ne može da se identifikuje dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> je zaključan i ne može da se pripremi za uklanjanje dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> je zaključan i rezervni diskovi ne mogu da se uklone dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> je zaključan i ne može da se obriše dok se ne otključa.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> je zaključan i ne može bezbedno da se obriše dok se ne otključa.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrda radnje</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Ponovno skeniranje je u toku...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Brisanje je u toku...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Bezbedno brisanje je u toku...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operacija nije uspela</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Izabrani niz se preklapa sa drugim nizom. Operacija je otkazana.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem pri izbacivanju SCSI uređaja OXV niza %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Ovaj uređaj je trenutno u upotrebi. Zatvorite sve programe ili prozore koji možda koriste ovaj uređaj i pokušajte ponovo.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Uklanjanje niza</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Niz %1 je uklonjen iz konfiguracije, uređaji su isključeni i sada mogu fizički da se uklone iz sistema. Važno je da se PONOVNO SKENIRANJE DISKOVA ne izvršava dok svi diskovi niza ne budu isključeni</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>LED lampice diskova izabranog niza sada svetle. Kliknite na &apos;U redu&apos; da biste prekinuli identifikaciju.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Ukupan broj nizova ograničen je na %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID upravljački program ne odgovara. Liste prikazuju konfiguraciju pročitanu u %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID upravljački program ne odgovara. Nijedna konfiguracija nije mogla da se pročita.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konzola ne može da utvrdi na kojim nizovima je operativni sistem: brisanje, bezbedno brisanje, sakrivanje i priprema za uklanjanje nisu dostupni.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Niz </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformiši</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kreiraj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Prioritet zadatka</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicijalizuj diskove</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Očisti metapodatke</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Svojstva</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. pregled</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Kontroleri</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O programu </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Sačuvaj paket za podršku...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Sačuvaj konfiguraciju, dnevnike i S.M.A.R.T. izveštaje u jednu datoteku za podršku</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Zatvori u sistemsku traku</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Kada zatvorite prozor, konzola nastavlja da nadgleda nizove iz sistemske trake.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pauzirano: dok zadatak čeka, preostalo vreme se ne procenjuje.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Preostalo vreme se procenjuje kada se napredak zadatka prati jedan minut.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disk je otkazao; upravljački program prijavljuje njegovo stanje kao %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disk prijavljuje S.M.A.R.T. greške: uskoro ga zamenite.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Sačuvaj paket za podršku</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP arhive (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Paket za podršku je sačuvan u %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Paket za podršku nije mogao da se sačuva u %1: %2</translation>
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
        <translation>Tip</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novi</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguracija nije mogla da se pročita; ništa nije promenjeno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 više nije prisutan; ništa nije promenjeno. Zatvorite ovaj prozor i ponovo ga otvorite da biste videli trenutne diskove.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Lista diskova:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Upitaj izabrane S.M.A.R.T. podatke</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 g  %2 d  %3 č</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 č</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nije moguće preuzeti</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revizija upravljačkog softvera</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Sati rada</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Ciklusi uključivanja</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatura (Celzijus)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nema ekrana na kojem bi se otvorio prozor (nije postavljen ni DISPLAY ni WAYLAND_DISPLAY); komande konzole u terminalu pruža velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Potvrdi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Trenutni prioritet zadatka &apos;%1&apos; je: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Klizačem izaberite novi prioritet zadatka &apos;%1&apos; na nizu &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Novi prioritet: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Potvrda transformacije</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozorenje: u niz ste uključili rezervni disk. Da li želite da nastavite?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Upozorenje: ova transformacija niza obuhvata uređaj koji se menja tokom rada. Nakon završetka transformacije sistem mora da se ponovo pokrene da bi OS bio obavešten o promenama uređaja niza. Da li želite da nastavite?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrda kreiranja</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozorenje: otkriveno je mešanje diskova! Radi najboljih performansi ne preporučuje se mešanje diskova znatno različitih performansi. Da li ipak želite da kreirate niz?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Komanda transformacije nije uspela</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformiši</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Izvor</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Odredište</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najveći slobodan </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Najavljena vruća zamena</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzija upravljačkog softvera</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opcije niza</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Trenutni kapacitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapacitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Svi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Svi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Svi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nekorišćeni</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Isto</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Dodeli kao namenski rezervni disk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Dodeli kao globalni rezervni disk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifikuj disk pomoću LED lampica</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Ukloni uređaj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Pripremi za uklanjanje</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Ukloni kao globalni rezervni disk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Ukloni kao namenski rezervni disk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguracija nije mogla da se pročita; ništa nije promenjeno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 više nije prisutan; ništa nije promenjeno.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Potvrda dodele rezervnog diska</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Upozorenje: otkriveno je mešanje diskova! Radi najboljih performansi ne preporučuje se mešanje diskova znatno različitih performansi. Da li želite da nastavite sa dodelom rezervnog diska?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifikuj disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>LED lampice izabranog diska sada svetle. Kliknite na &apos;U redu&apos; da biste prekinuli identifikaciju.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status uklanjanja uređaja</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista diskova:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kont. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>U upotrebi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicijalizovani</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicijalizuj izabrane</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Ponovo skeniraj</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Disk umetnut</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID kontroler je otkrio umetanje novog diska. Da bi ovaj disk bio doveden na mrežu, mora da se izvrši PONOVNO SKENIRANJE kontrolera. Ako je ovaj disk deo niza od više diskova, ponovno skeniranje izvršite tek nakon umetanja poslednjeg diska tog niza. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Disk uklonjen</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID kontroler je otkrio uklanjanje diska. Da bi disk bio trajno uklonjen i konfiguracija usklađena, mora da se izvrši ponovno skeniranje. Ako je ovaj disk deo niza koji se isključuje, NE SKENIRAJTE PONOVO dok ne uklonite poslednji disk tog niza.</translation>
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
        <translation>Opcije niza</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Naziv niza:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapacitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opcije keša:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Veličina oznake keša:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skeniranje niza u pozadini</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskoči inicijalizaciju  (ne preporučuje se)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zadrži postojeće podatke</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Kreiranje sa nuliranjem</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Svi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Svi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Svi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nekorišćeni</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Kreiraj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Keš za čitanje + odloženi upis</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Keš za čitanje</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Keš sa odloženim upisom</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez keša</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Podrazumevano</translation>
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
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najveći slobodan </translation>
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
        <translation>Najavljena vruća zamena</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzija upravljačkog softvera</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Lista kontrolera:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Nije dostupno</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Broj</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
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
        <translation>Broj portova</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI ID proizvođača</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI ID uređaja</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI ID podproizvođača</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI ID poduređaja</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Magistrala</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
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
        <translation>Prihvati</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licencni ugovor sa krajnjim korisnikom</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Tekst licencnog ugovora nije mogao da se učita.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Opcije niza</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Trenutni kapacitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapacitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Izaberi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Svi</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Svi NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Svi SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Svi HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nekorišćeni</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Isto</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tip porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Namene</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Slobodan prostor</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najveći slobodan </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Najavljena vruća zamena</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Broj modela</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzija upravljačkog softvera</translation>
    </message>
</context>
</TS>
