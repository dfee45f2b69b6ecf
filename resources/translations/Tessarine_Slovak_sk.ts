<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Verzia aplikácie:</translation>
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
        <translation>Zväzok  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (prekladanie)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (zrkadlenie)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (prekladanie zrkadiel)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (prekladanie s paritou)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (prekladanie s 2 paritami)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Neplatná konfigurácia: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Rozšírené</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Jednoduché</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Zadajte názov poľa s najviac 30 znakmi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Názov poľa</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neplatný názov: názov poľa nesmie byť zhodný s názvom existujúceho poľa ani obsahovať tieto znaky: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Zoznam diskov:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Rad. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Používa sa</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Vymazať metaúdaje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nezistili sa žiadne disky s voľným miestom. Ak chcete vytvoriť pole RAID, najprv uvoľnite miesto na existujúcom disku alebo pridajte do systému ďalší disk.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neplatný názov: názov poľa nesmie byť zhodný s názvom existujúceho poľa ani obsahovať tieto znaky: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrdenie vytvorenia</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozornenie: do poľa ste zahrnuli náhradný disk. Chcete pokračovať?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozornenie: zistilo sa miešanie jednotiek! Pre najlepší výkon sa neodporúča miešať jednotky s výrazne odlišným výkonom. Chcete pole napriek tomu vytvoriť?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Vytvorenie zlyhalo</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvoriť</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ukážka</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najväčšie voľné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlásená výmena za chodu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzia firmvéru</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti poľa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Názov poľa:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Usporiadanie:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacita:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximálna kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximálna kapacita</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti vyrovnávacej pamäte:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Veľkosť značky vyrovnávacej pamäte:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola poľa na pozadí</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskočiť inicializáciu  (neodporúča sa)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachovať existujúce údaje</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Vytvorenie s nulovaním</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všetky NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všetky SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všetky HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zariadenie</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Názov v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Oddiel</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Názov poľa</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Celková kapacita</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Vyrovnávacia pamäť</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Naozaj chcete odstrániť vybrané polia: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrdenie akcie</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Odstraňujú sa polia...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prerušiť</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Vlastnosti disku</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Spätný zápis disku do vyrovnávacej pamäte:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnúť</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Čítanie disku vopred:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Dopytovanie SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Zapnuté</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnuté</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Poznámka: zapnutie spätného zápisu disku do vyrovnávacej pamäte môže zvýšiť pravdepodobnosť poškodenia údajov pri výpadku napájania systému.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Vyrovnávacia pamäť so spätným zápisom</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Čítanie vopred</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Dopytovanie SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revízia firmvéru</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> je zariadenie NVMe a nastavenia jeho vyrovnávacej pamäte disku nemožno zmeniť.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Pole %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, pozastavené</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 je offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 sa obnovuje, zatiaľ čo disk %2 hlási chyby S.M.A.R.T.: ďalšie zlyhanie by pole zničilo</translation>
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
        <translation>%1 je v kritickom stave: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 je v kritickom stave: disk %2 zlyhal</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritickom stave</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 sa transformuje: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 sa vytvára: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 sa bezpečne vymazáva: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: zlyhaný člen na disku %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 prišlo o posledný náhradný disk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>kontrola konzistencie</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>zostáva menej ako minúta</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>zostáva asi minúta</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>zostáva asi %n hodina</numerusform>
            <numerusform>zostávajú asi %n hodiny</numerusform>
            <numerusform>zostáva asi %n hodín</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>zostáva asi %n minúta</numerusform>
            <numerusform>zostávajú asi %n minúty</numerusform>
            <numerusform>zostáva asi %n minút</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Ovládač RAID neodpovedá</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 hlási chyby S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (a ešte %n)</numerusform>
            <numerusform>%1 (a ešte %n)</numerusform>
            <numerusform>%1 (a ešte %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nie sú nakonfigurované žiadne polia</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Pole je v poriadku</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Všetky polia (%n) sú v poriadku</numerusform>
            <numerusform>Všetky polia (%n) sú v poriadku</numerusform>
            <numerusform>Všetky polia (%n) sú v poriadku</numerusform>
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
        <translation>&amp;Zobraziť %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritickom stave</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 je offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: obnova je dokončená; pole je opäť v poriadku</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformácia je dokončená</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: obnova sa skončila; stav poľa je %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformácia sa skončila; stav poľa je %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Náhradný disk %1 nahradil zlyhaný člen</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 zlyhal</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 hlási chyby S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Zmenilo sa %n pole alebo disk: %1</numerusform>
            <numerusform>Zmenili sa %n polia alebo disky: %1</numerusform>
            <numerusform>Zmenilo sa %n polí alebo diskov: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMÁLNE</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PRIPRAVENÉ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITICKÉ</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ZASTARANÉ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>VYROVNÁVACIA PAMÄŤ OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>UZAMKNUTÉ</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZNÁME</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Bez chyby</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Zlyhané</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Zlyhané, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NEAKTÍVNE</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMÁCIA</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>VYTVÁRANIE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>KONTROLA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPÍROVANIE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>OBNOVA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>KONTROLA BITOVEJ MAPY</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>VYPRÁZDNENIE BITOVEJ MAPY</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BEZPEČNÉ VYMAZANIE</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PRESUN STRÁNOK</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PRESUN MEDZI ÚROVŇAMI</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>VYTVORENIE S NULOVANÍM</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>SPUSTENÉ</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>POZASTAVENÉ</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>VYPNUTIE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ZLYHANÉ</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ZASTAVENÉ</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>DOKONČENÉ</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ODSTRÁNENÉ</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NEDOKONČENÉ</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Veľmi nízka</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informačné</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritické</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Závažné</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznáme</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Pole</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Vytvoriť</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Vytvoriť pole RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformovať</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformovať existujúce pole RAID</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Kontrola konzistencie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola poľa na pozadí</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Zmeniť nastavenia vyrovnávacej pamäte</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez vyrovnávacej pamäte</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Vyrovnávacia pamäť na čítanie</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Vyrovnávacia pamäť so spätným zápisom</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Vyrovnávacia pamäť na čítanie + spätný zápis</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Úloha</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorita</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Názov</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Zmeniť názov vybraného poľa</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skryť</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Skryť/zobraziť existujúce pole</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifikovať pole</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Rozsvietiť indikátory LED vybraného poľa</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Pripraviť na &amp;odstránenie</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Skryť pole pred operačným systémom ako prípravu na jeho odstránenie</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Odobrať náhradné disky</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Odobrať všetky vyhradené náhradné disky priradené k tomuto poľu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>O&amp;dstrániť</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Odstrániť existujúce pole RAID</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Odstrániť viaceré &amp;polia</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Vybrať viaceré existujúce polia RAID na odstránenie</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Bezpečne vymazať</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Bezpečne vymazať existujúce pole RAID</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Znova prehľadať</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Znova prehľadať všetky kanály a zistiť nové alebo odstránené fyzické disky a polia.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializovať</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Vymazať metaúdaje</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>V&amp;lastnosti</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. prehľad</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (technológia samomonitorovania, analýzy a hlásenia) je systém monitorovania jednotky, ktorý zisťuje a hlási rôzne ukazovatele spoľahlivosti jednotky.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Spravovať náhradné disky pre vybraný disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobraziť</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Obnoviť</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Denník aplikácie</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Zobraziť informácie denníka aplikácie.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Zobraziť &amp;radiče</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Zobraziť zoznam radičov</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Zobrazenie &amp;udalostí</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Zbaliť zobrazenie udalostí</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Motív</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Zmeniť farebný motív aplikácie</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlý</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Veľkosť &amp;ikon</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Zmeniť veľkosť ikon aplikácie</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Malé</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Veľké</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Veľkosť &amp;písma</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Zmeniť veľkosť písma aplikácie</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normálne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;cník</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikácii</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Zobraziť verzie aplikácie a ovládačov RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Používateľská príručka</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Odkaz na používateľskú príručku</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>Po&amp;dpora</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Odkaz na stránku podpory OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licenčná zmluva</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Zobraziť licenčnú zmluvu s koncovým používateľom (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Najväčšie voľné</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globálny náhradný</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlásená výmena za chodu</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revízia firmvéru</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zariadenie</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Názov v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Oddiel</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Názov poľa</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Celková kapacita</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stav úlohy</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Priebeh</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Vyrovnávacia pamäť</translation>
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
        <translation>Vyhr. náhr.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Udalosť</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licenčná zmluva</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Skryté)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Zdroj)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Cieľ)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Vyhradené náhradné disky</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Chýba</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žiadne</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Zobraziť</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Ovládač RAID kvcfg sa nenašiel. Uistite sa, že sú nainštalované všetky potrebné ovládače RAID, inak aplikácia nebude fungovať.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Ovládače RAID OXV sa nenašli. Skontrolujte, či je v nastaveniach systému BIOS zapnutý režim RAID.

Ak používate režim AHCI/natívny režim, nemusíte nič robiť. Aplikácia sa ukončí.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Spustite aplikáciu ako správca.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Ak spustíte túto aplikáciu s aktuálnymi oprávneniami používateľa, nebudete môcť:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) vykonávať deštruktívne príkazy.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) zobraziť oddiely polí a informácie o systémovom poli.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Oznámenie o udalosti</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje aktuálny výkon v MB za sekundu medzi OS a ovládačom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Hodnota zobrazuje aktuálny výkon v MB za sekundu medzi ovládačom OXV-RAID a úložným zariadením.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje aktuálny výkon v IO za sekundu medzi OS a ovládačom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Hodnota zobrazuje aktuálny výkon v IO za sekundu medzi ovládačom OXV-RAID a úložnými zariadeniami.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje celkový počet bajtov medzi OS a ovládačom OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Hodnota zobrazuje celkový počet bajtov medzi ovládačom OXV-RAID a úložným zariadením.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Chcete vykonať „%1“ pre pole %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Táto operácia skryje pole pred operačným systémom a môže spôsobiť STRATU ÚDAJOV. Chcete pokračovať v príprave na odstránenie?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Odobrať všetky náhradné disky z poľa %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Chcete odstrániť pole %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>UPOZORNENIE: všetky údaje sa nenávratne stratia. Pokračovať v bezpečnom vymazaní poľa %1 „%2“?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Zapnutá vyrovnávacia pamäť so spätným zápisom môže zvýšiť pravdepodobnosť poškodenia údajov, ak sa systém neočakávane vypne. Chcete ju zapnúť?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho transformovať, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> je uzamknuté a kontrolu konzistencie nemožno spustiť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> je uzamknuté a kontrolu konzistencie nemožno zastaviť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> je uzamknuté a kontrolu poľa na pozadí nemožno spustiť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> je uzamknuté a kontrolu poľa na pozadí nemožno zastaviť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> je uzamknuté a vyrovnávaciu pamäť nemožno zmeniť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> je uzamknuté a prioritu úlohy nemožno zmeniť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> je uzamknuté a úlohu nemožno obnoviť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> je uzamknuté a úlohu nemožno pozastaviť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> je uzamknuté a úlohu nemožno odstrániť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho premenovať, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho skryť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho identifikovať, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho pripraviť na odstránenie, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> je uzamknuté a náhradné disky nemožno odobrať, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho odstrániť, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> je uzamknuté a nemožno ho bezpečne vymazať, kým nebude odomknuté.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrdenie akcie</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Prebieha opätovné prehľadanie...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Prebieha odstraňovanie...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Prebieha bezpečné vymazanie...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operácia zlyhala</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Vybrané pole sa prekrýva s iným poľom. Operácia bola zrušená.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problém pri vysúvaní zariadenia SCSI poľa OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Toto zariadenie sa práve používa. Zatvorte všetky programy alebo okná, ktoré môžu toto zariadenie používať, a skúste to znova.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Odstránenie poľa</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Pole %1 bolo odstránené z konfigurácie, zariadenia sú odpojené a teraz ich možno fyzicky vybrať zo systému. Je dôležité nevykonávať OPÄTOVNÉ PREHĽADANIE DISKOV, kým nebudú odpojené všetky disky poľa</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Indikátory LED diskov vybraného poľa teraz svietia. Identifikáciu ukončíte kliknutím na &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Celkový počet polí je obmedzený na %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Ovládač RAID neodpovedá. Zoznamy zobrazujú konfiguráciu načítanú o %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Ovládač RAID neodpovedá. Nepodarilo sa načítať žiadnu konfiguráciu.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konzola nevie určiť, na ktorých poliach je operačný systém: odstránenie, bezpečné vymazanie, skrytie a príprava na odstránenie nie sú k dispozícii.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Pole </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformovať</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvoriť</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Priorita úlohy</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicializovať disky</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Vymazať metaúdaje</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Prehľad S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Radiče</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O aplikácii </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Uložiť balík pre podporu...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Uložiť konfiguráciu, denníky a správy S.M.A.R.T. do jedného súboru pre podporu</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Zavrieť do oblasti oznámení</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Po zatvorení okna konzola naďalej sleduje polia z oblasti oznámení.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pozastavené: kým úloha čaká, zostávajúci čas sa neodhaduje.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Zostávajúci čas sa odhadne, keď sa priebeh úlohy sleduje jednu minútu.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disk zlyhal; ovládač hlási jeho stav ako %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disk hlási chyby S.M.A.R.T.: čoskoro ho vymeňte.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Uložiť balík pre podporu</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archívy ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Balík pre podporu bol uložený do %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Balík pre podporu sa nepodarilo uložiť do %1: %2</translation>
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
        <translation>Stav</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguráciu sa nepodarilo načítať; nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 už nie je prítomný; nič sa nezmenilo. Zatvorte toto okno a otvorte ho znova, aby ste videli aktuálne disky.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Zoznam diskov:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Zistiť vybrané údaje S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 r  %2 d  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nepodarilo sa získať</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revízia firmvéru</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Hodiny prevádzky</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cykly zapnutia</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Teplota (Celzius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nie je k dispozícii obrazovka na otvorenie okna (nie je nastavená premenná DISPLAY ani WAYLAND_DISPLAY); príkazy konzoly v termináli poskytuje velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Potvrdiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Aktuálna priorita úlohy &apos;%1&apos; je: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Posuvníkom vyberte novú prioritu úlohy &apos;%1&apos; v poli &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nová priorita: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Potvrdenie transformácie</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozornenie: do poľa ste zahrnuli náhradný disk. Chcete pokračovať?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Upozornenie: táto transformácia poľa zahŕňa zariadenie vymeniteľné za chodu. Po dokončení transformácie treba reštartovať systém, aby OS zaznamenal zmeny zariadení poľa. Chcete pokračovať?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrdenie vytvorenia</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozornenie: zistilo sa miešanie jednotiek! Pre najlepší výkon sa neodporúča miešať jednotky s výrazne odlišným výkonom. Chcete pole napriek tomu vytvoriť?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Príkaz na transformáciu zlyhal</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformovať</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cieľ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najväčšie voľné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlásená výmena za chodu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzia firmvéru</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti poľa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Usporiadanie:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuálna kapacita:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximálna kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximálna kapacita</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všetky NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všetky SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všetky HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Rovnaké</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Potvrdiť zmeny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Priradiť ako vyhradený náhradný disk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Priradiť ako globálny náhradný disk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifikovať disk pomocou indikátorov LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Odstrániť zariadenie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Pripraviť na odstránenie</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Zrušiť ako globálny náhradný disk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Zrušiť ako vyhradený náhradný disk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguráciu sa nepodarilo načítať; nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 už nie je prítomný; nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Potvrdenie priradenia náhradného disku</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Upozornenie: zistilo sa miešanie jednotiek! Pre najlepší výkon sa neodporúča miešať jednotky s výrazne odlišným výkonom. Chcete pokračovať v priradení náhradného disku?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifikovať disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Indikátory LED vybraného disku teraz svietia. Identifikáciu ukončíte kliknutím na &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stav odstránenia zariadenia</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialógové okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Zoznam diskov:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Rad. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Používa sa</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicializované</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicializovať vybrané</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Znova prehľadať</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Jednotka vložená</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Radič RAID zistil vloženie novej jednotky. Ak chcete jednotku uviesť do prevádzky, musíte vykonať OPÄTOVNÉ PREHĽADANIE radiča. Ak je táto jednotka súčasťou poľa z viacerých jednotiek, opätovné prehľadanie vykonajte až po vložení poslednej jednotky tohto poľa. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Jednotka odstránená</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Radič RAID zistil odstránenie diskovej jednotky. Ak chcete jednotku natrvalo odstrániť a synchronizovať konfiguráciu, musíte vykonať opätovné prehľadanie. Ak je táto jednotka súčasťou poľa, ktoré sa odpája, NEVYKONÁVAJTE OPÄTOVNÉ PREHĽADANIE, kým nebude odstránená posledná jednotka poľa.</translation>
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
        <translation>Možnosti poľa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Názov poľa:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Usporiadanie:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacita:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximálna kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximálna kapacita</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti vyrovnávacej pamäte:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Veľkosť značky vyrovnávacej pamäte:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola poľa na pozadí</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Preskočiť inicializáciu  (neodporúča sa)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachovať existujúce údaje</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Vytvorenie s nulovaním</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všetky NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všetky SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všetky HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvoriť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Vyrovnávacia pamäť na čítanie + spätný zápis</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Vyrovnávacia pamäť na čítanie</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Vyrovnávacia pamäť so spätným zápisom</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez vyrovnávacej pamäte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predvolené</translation>
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
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najväčšie voľné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlásená výmena za chodu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzia firmvéru</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Zoznam radičov:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Neuvedené</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
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
        <translation>Počet portov</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID výrobcu PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID zariadenia PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID podvýrobcu PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID podzariadenia PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Zbernica</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcia</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Prijať</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licenčná zmluva s koncovým používateľom</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Text licenčnej zmluvy sa nepodarilo načítať.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Možnosti poľa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Usporiadanie:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuálna kapacita:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximálna kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximálna kapacita</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetky</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všetky NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všetky SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všetky HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Rovnaké</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Potvrdiť zmeny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použitie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Voľné miesto</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Najväčšie voľné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlásená výmena za chodu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verzia firmvéru</translation>
    </message>
</context>
</TS>
