<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Verze aplikace:</translation>
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
        <translation>Svazek  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (prokládání)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (zrcadlení)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (prokládání zrcadel)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (prokládání s paritou)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (prokládání se 2 paritami)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
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
        <translation>Neplatná konfigurace: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Upřesnit</translation>
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
        <translation>Zadejte název pole o nejvýše 30 znacích.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Název pole</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neplatný název: název pole nesmí být stejný jako název existujícího pole ani obsahovat tyto znaky: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Seznam disků:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Řad. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Používá se</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Vymazat metadata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nebyly zjištěny žádné disky s volným místem. Chcete-li vytvořit pole RAID, nejprve uvolněte místo na existujícím disku nebo přidejte do systému další disk.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Neplatný název: název pole nesmí být stejný jako název existujícího pole ani obsahovat tyto znaky: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrzení vytvoření</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozornění: do pole jste zahrnuli náhradní disk. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozornění: bylo zjištěno míchání jednotek! Pro nejlepší výkon se nedoporučuje míchat jednotky s výrazně odlišným výkonem. Chcete pole přesto vytvořit?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Vytvoření se nezdařilo</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
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
        <translation>Použití</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Největší volné </translation>
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
        <translation>Ohlášená výměna za chodu</translation>
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
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti pole</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Název pole:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Uspořádání:</translation>
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
        <translation>Maximální kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximální kapacita</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti mezipaměti:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Velikost značky mezipaměti:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola pole na pozadí</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Přeskočit inicializaci  (nedoporučuje se)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachovat existující data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Vytvoření s nulováním</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všechny NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všechny SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všechny HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Název v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Oddíl</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Název pole</translation>
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
        <translation>Mezipaměť</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Opravdu chcete odstranit vybraná pole: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrzení akce</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Odstraňují se pole...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Přerušit</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Vlastnosti disku</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Zpětný zápis disku do mezipaměti:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnout</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Čtení disku s předstihem:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Dotazování SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Poznámka: zapnutí zpětného zápisu disku do mezipaměti může zvýšit pravděpodobnost poškození dat při výpadku napájení systému.</translation>
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
        <translation>Mezipaměť se zpětným zápisem</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Čtení s předstihem</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Dotazování SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použití</translation>
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
        <translation>Revize firmwaru</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> je zařízení NVMe a nastavení jeho diskové mezipaměti nelze změnit.</translation>
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
        <translation>%1, pozastaveno</translation>
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
        <translation>%1 se obnovuje, zatímco disk %2 hlásí chyby S.M.A.R.T.: další selhání by pole zničilo</translation>
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
        <translation>%1 je v kritickém stavu: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 je v kritickém stavu: disk %2 selhal</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritickém stavu</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 se transformuje: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 se vytváří: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 se bezpečně vymazává: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: selhaný člen na disku %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 přišlo o poslední náhradní disk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>kontrola konzistence</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>zbývá méně než minuta</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>zbývá asi minuta</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>zbývá asi %n hodina</numerusform>
            <numerusform>zbývají asi %n hodiny</numerusform>
            <numerusform>zbývá asi %n hodin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>zbývá asi %n minuta</numerusform>
            <numerusform>zbývají asi %n minuty</numerusform>
            <numerusform>zbývá asi %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Ovladač RAID neodpovídá</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 hlásí chyby S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (a ještě %n)</numerusform>
            <numerusform>%1 (a ještě %n)</numerusform>
            <numerusform>%1 (a ještě %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nejsou nakonfigurována žádná pole</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Pole je v pořádku</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Všechna pole (%n) jsou v pořádku</numerusform>
            <numerusform>Všechna pole (%n) jsou v pořádku</numerusform>
            <numerusform>Všechna pole (%n) jsou v pořádku</numerusform>
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
        <translation>&amp;Zobrazit %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 je v kritickém stavu</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 je offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: obnova je dokončena; pole je opět v pořádku</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformace je dokončena</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: obnova skončila; stav pole je %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformace skončila; stav pole je %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Náhradní disk %1 nahradil selhaný člen</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 selhal</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 hlásí chyby S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Změnilo se %n pole nebo disk: %1</numerusform>
            <numerusform>Změnila se %n pole nebo disky: %1</numerusform>
            <numerusform>Změnilo se %n polí nebo disků: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMÁLNÍ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PŘIPRAVENO</translation>
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
        <translation>ZASTARALÉ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>MEZIPAMĚŤ OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>UZAMČENO</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZNÁMÉ</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Bez chyby</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Selhalo</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Selhalo, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NEAKTIVNÍ</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMACE</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>VYTVÁŘENÍ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>KONTROLA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPÍROVÁNÍ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>OBNOVA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>KONTROLA BITOVÉ MAPY</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>VYPRÁZDNĚNÍ BITOVÉ MAPY</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BEZPEČNÉ VYMAZÁNÍ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PŘESUN STRÁNEK</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PŘESUN MEZI ÚROVNĚMI</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>VYTVOŘENÍ S NULOVÁNÍM</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>SPUŠTĚNO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>POZASTAVENO</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>VYPNUTÍ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>SELHALO</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ZASTAVENO</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>DOKONČENO</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ODEBRÁNO</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NEDOKONČENO</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Velmi nízká</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informační</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
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
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Pole</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Vytvořit</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Vytvořit pole RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformovat</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformovat existující pole RAID</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Kontrola konzistence</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola pole na pozadí</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Změnit nastavení mezipaměti</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez mezipaměti</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Mezipaměť pro čtení</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Mezipaměť se zpětným zápisem</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Mezipaměť pro čtení + zpětný zápis</translation>
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
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Změnit název vybraného pole</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skrýt</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Skrýt/zobrazit existující pole</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifikovat pole</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Rozsvítit indikátory LED vybraného pole</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Připravit k &amp;odebrání</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Skrýt pole před operačním systémem jako přípravu na jeho odebrání</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Odebrat náhradní disky</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Odebrat všechny vyhrazené náhradní disky přiřazené k tomuto poli</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>O&amp;dstranit</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Odstranit existující pole RAID</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Odstranit více &amp;polí</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Vybrat více existujících polí RAID k odstranění</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Bezpečně vymazat</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Bezpečně vymazat existující pole RAID</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Znovu prohledat</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Znovu prohledat všechny kanály a zjistit nové nebo odebrané fyzické disky a pole.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializovat</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Vymazat metadata</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>V&amp;lastnosti</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. přehled</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (technologie automatického monitorování, analýzy a hlášení) je systém monitorování jednotky, který zjišťuje a hlásí různé ukazatele spolehlivosti jednotky.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Spravovat náhradní disky pro vybraný disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>Protokol &amp;aplikace</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Zobrazit informace protokolu aplikace.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Zobrazit &amp;řadiče</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Zobrazit seznam řadičů</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Zobrazení &amp;událostí</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Sbalit zobrazení událostí</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Motiv</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Změnit barevný motiv aplikace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Velikost &amp;ikon</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Změnit velikost ikon aplikace</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Malé</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velké</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Velikost &amp;písma</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Změnit velikost písma aplikace</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Zobrazit verze aplikace a ovladačů RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Uživatelská příručka</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Odkaz na uživatelskou příručku</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Podpora</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Odkaz na web podpory OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licenční smlouva</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Zobrazit licenční smlouvu s koncovým uživatelem (EULA).</translation>
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
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Největší volné</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globální náhradní</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlášená výměna za chodu</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Použití</translation>
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
        <translation>Revize firmwaru</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Název v OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Oddíl</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Název pole</translation>
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
        <translation>Průběh</translation>
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
        <translation>Mezipaměť</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licenční smlouva</translation>
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
        <translation> (Cíl)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Vyhrazené náhradní disky</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Chybí</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Ovladač RAID kvcfg nebyl nalezen. Ujistěte se, že jsou nainstalovány všechny potřebné ovladače RAID, jinak aplikace nebude fungovat.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Ovladače RAID OXV nebyly nalezeny. Zkontrolujte, zda je v nastavení systému BIOS zapnut režim RAID.

Pokud používáte režim AHCI/nativní režim, nemusíte nic dělat. Aplikace se ukončí.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Spusťte aplikaci jako správce.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Pokud spustíte tuto aplikaci s aktuálními uživatelskými oprávněními, nebudete moci:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) provádět destruktivní příkazy.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) zobrazit oddíly polí a informace o systémovém poli.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Oznámení o události</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje aktuální výkon v MB za sekundu mezi OS a ovladačem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Hodnota zobrazuje aktuální výkon v MB za sekundu mezi ovladačem OXV-RAID a úložným zařízením.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje aktuální výkon v IO za sekundu mezi OS a ovladačem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Hodnota zobrazuje aktuální výkon v IO za sekundu mezi ovladačem OXV-RAID a úložnými zařízeními.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Hodnota zobrazuje celkový počet bajtů mezi OS a ovladačem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Hodnota zobrazuje celkový počet bajtů mezi ovladačem OXV-RAID a úložným zařízením.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Chcete provést „%1“ pro pole %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Tato operace skryje pole před operačním systémem a může způsobit ZTRÁTU DAT. Chcete pokračovat v přípravě k odebrání?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Odebrat všechny náhradní disky z pole %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Chcete odstranit pole %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>UPOZORNĚNÍ: všechna data budou nenávratně ztracena. Pokračovat v bezpečném vymazání pole %1 „%2“?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Zapnutá mezipaměť se zpětným zápisem může zvýšit pravděpodobnost poškození dat, pokud se systém neočekávaně vypne. Chcete ji zapnout?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej transformovat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> je uzamčeno a kontrolu konzistence nelze spustit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> je uzamčeno a kontrolu konzistence nelze zastavit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> je uzamčeno a kontrolu pole na pozadí nelze spustit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> je uzamčeno a kontrolu pole na pozadí nelze zastavit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> je uzamčeno a mezipaměť nelze změnit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> je uzamčeno a prioritu úlohy nelze změnit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> je uzamčeno a úlohu nelze obnovit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> je uzamčeno a úlohu nelze pozastavit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> je uzamčeno a úlohu nelze odebrat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej přejmenovat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej skrýt, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej identifikovat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej připravit k odebrání, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> je uzamčeno a náhradní disky nelze odebrat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej odstranit, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> je uzamčeno a nelze jej bezpečně vymazat, dokud nebude odemčeno.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potvrzení akce</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Probíhá opakované prohledání...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Probíhá odstraňování...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Probíhá bezpečné vymazání...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operace se nezdařila</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Vybrané pole se překrývá s jiným polem. Operace byla zrušena.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problém při vysouvání zařízení SCSI pole OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Toto zařízení se právě používá. Zavřete všechny programy nebo okna, která mohou zařízení používat, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Odebrání pole</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Pole %1 bylo odebráno z konfigurace, zařízení jsou odpojena a nyní je lze fyzicky vyjmout ze systému. Je důležité neprovádět OPAKOVANÉ PROHLEDÁNÍ DISKŮ, dokud nebudou odpojeny všechny disky pole</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Indikátory LED disků vybraného pole nyní svítí. Identifikaci ukončíte kliknutím na &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Celkový počet polí je omezen na %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Ovladač RAID neodpovídá. Seznamy zobrazují konfiguraci načtenou v %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Ovladač RAID neodpovídá. Nepodařilo se načíst žádnou konfiguraci.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konzola nedokáže určit, na kterých polích je operační systém: odstranění, bezpečné vymazání, skrytí a příprava k odebrání nejsou k dispozici.</translation>
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
        <translation>Transformovat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Priorita úlohy</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicializovat disky</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Vymazat metadata</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Přehled S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Řadiče</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O aplikaci </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Uložit balíček pro podporu...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Uložit konfiguraci, protokoly a zprávy S.M.A.R.T. do jednoho souboru pro podporu</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Zavřít do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Po zavření okna konzola dál sleduje pole z oznamovací oblasti.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pozastaveno: dokud úloha čeká, zbývající čas se neodhaduje.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Zbývající čas se odhadne, jakmile je průběh úlohy sledován jednu minutu.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disk selhal; ovladač hlásí jeho stav jako %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disk hlásí chyby S.M.A.R.T.: brzy jej vyměňte.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Uložit balíček pro podporu</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivy ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Balíček pro podporu byl uložen do %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Balíček pro podporu se nepodařilo uložit do %1: %2</translation>
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
        <translation>Použití</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
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
        <translation>Konfiguraci se nepodařilo načíst; nic nebylo změněno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 již není přítomen; nic nebylo změněno. Zavřete toto okno a otevřete je znovu, abyste viděli aktuální disky.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Seznam disků:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Dotázat vybraná data S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
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
        <translation>Nepodařilo se získat</translation>
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
        <translation>Použití</translation>
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
        <translation>Revize firmwaru</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Hodiny provozu</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cykly zapnutí</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Teplota (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: není k dispozici obrazovka pro otevření okna (není nastavena proměnná DISPLAY ani WAYLAND_DISPLAY); příkazy konzoly v terminálu poskytuje velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Aktuální priorita úlohy &apos;%1&apos; je: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Posuvníkem vyberte novou prioritu úlohy &apos;%1&apos; v poli &apos;%2&apos;.</translation>
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
        <translation>Potvrzení transformace</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Upozornění: do pole jste zahrnuli náhradní disk. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Upozornění: tato transformace pole zahrnuje zařízení vyměnitelné za chodu. Po dokončení transformace je nutné restartovat systém, aby OS zaznamenal změny zařízení pole. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potvrzení vytvoření</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Upozornění: bylo zjištěno míchání jednotek! Pro nejlepší výkon se nedoporučuje míchat jednotky s výrazně odlišným výkonem. Chcete pole přesto vytvořit?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Příkaz transformace se nezdařil</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformovat</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
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
        <translation>Použití</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Největší volné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlášená výměna za chodu</translation>
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
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Možnosti pole</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Uspořádání:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuální kapacita:</translation>
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
        <translation>Maximální kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximální kapacita</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všechny NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všechny SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všechny HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Stejné</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Potvrdit změny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Přiřadit jako vyhrazený náhradní disk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Přiřadit jako globální náhradní disk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifikovat disk pomocí indikátorů LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Odebrat zařízení</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Připravit k odebrání</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Zrušit jako globální náhradní disk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Zrušit jako vyhrazený náhradní disk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguraci se nepodařilo načíst; nic nebylo změněno.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 již není přítomen; nic nebylo změněno.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Potvrzení přiřazení náhradního disku</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Upozornění: bylo zjištěno míchání jednotek! Pro nejlepší výkon se nedoporučuje míchat jednotky s výrazně odlišným výkonem. Chcete pokračovat v přiřazení náhradního disku?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifikovat disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Indikátory LED vybraného disku nyní svítí. Identifikaci ukončíte kliknutím na &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stav odebrání zařízení</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogové okno</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Seznam disků:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Řad. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Používá se</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Číslo modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicializované</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicializovat vybrané</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Znovu prohledat</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Jednotka vložena</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Řadič RAID zjistil vložení nové jednotky. Chcete-li jednotku uvést do provozu, je nutné provést OPAKOVANÉ PROHLEDÁNÍ řadiče. Pokud je jednotka součástí pole z více jednotek, proveďte opakované prohledání až po vložení poslední jednotky tohoto pole. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Jednotka odebrána</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Řadič RAID zjistil odebrání diskové jednotky. Chcete-li jednotku trvale odebrat a synchronizovat konfiguraci, je nutné provést opakované prohledání. Pokud je jednotka součástí pole, které se odpojuje, NEPROVÁDĚJTE OPAKOVANÉ PROHLEDÁNÍ, dokud nebude odebrána poslední jednotka pole.</translation>
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
        <translation>Možnosti pole</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Název pole:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Uspořádání:</translation>
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
        <translation>Maximální kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximální kapacita</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Možnosti mezipaměti:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Velikost značky mezipaměti:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Kontrola pole na pozadí</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Přeskočit inicializaci  (nedoporučuje se)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachovat existující data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Vytvoření s nulováním</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všechny NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všechny SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všechny HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Mezipaměť pro čtení + zpětný zápis</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Mezipaměť pro čtení</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Mezipaměť se zpětným zápisem</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez mezipaměti</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
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
        <translation>Použití</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Největší volné </translation>
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
        <translation>Ohlášená výměna za chodu</translation>
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
        <translation>Verze firmwaru</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Seznam řadičů:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Neuvedeno</translation>
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
        <translation>Počet portů</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID výrobce PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID zařízení PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID dílčího výrobce PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID podzařízení PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Sběrnice</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkce</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Přijmout</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licenční smlouva s koncovým uživatelem</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Text licenční smlouvy se nepodařilo načíst.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Možnosti pole</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Uspořádání:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuální kapacita:</translation>
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
        <translation>Maximální kapacita:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximální kapacita</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Všechny NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Všechny SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Všechny HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nepoužité</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Stejné</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Potvrdit změny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Použití</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Největší volné </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GN</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ohlášená výměna za chodu</translation>
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
        <translation>Verze firmwaru</translation>
    </message>
</context>
</TS>
