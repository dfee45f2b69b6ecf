<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Lietojumprogrammas versija:</translation>
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
        <translation>Sējums  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (svītrošana)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (spoguļošana)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (spoguļu svītrošana)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (svītrošana ar paritāti)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (svītrošana ar 2 paritātēm)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disks </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Nederīga konfigurācija: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Papildu</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Vienkāršs</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Ievadiet masīva nosaukumu (līdz 30 rakstzīmēm).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Masīva nosaukums</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nederīgs nosaukums: masīva nosaukums nedrīkst sakrist ar esošu masīvu nosaukumiem vai saturēt šādas rakstzīmes: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disku saraksts:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Tiek lietots</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Notīrīt metadatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Netika atrasts neviens disks ar brīvu vietu. Lai izveidotu RAID masīvu, vispirms atbrīvojiet vietu esošā diskā vai pievienojiet sistēmai papildu disku.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nederīgs nosaukums: masīva nosaukums nedrīkst sakrist ar esošu masīvu nosaukumiem vai saturēt šādas rakstzīmes: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Apstipriniet izveidi</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Brīdinājums: masīvā ir iekļauts rezerves disks. Vai vēlaties turpināt?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Brīdinājums: konstatēta dažādu disku jaukšana! Labākai veiktspējai nav ieteicams jaukt diskus ar būtiski atšķirīgu veiktspēju. Vai tomēr vēlaties izveidot?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Izveide neizdevās</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Izveidot</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Priekšskatījums</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Lielākā brīvā </translation>
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
        <translation>Informēta karstā nomaiņa</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Aparātprogrammatūras versija</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Masīva opcijas</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tips:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Masīva nosaukums:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizācija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ietilpība:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maksimālā ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maksimālā ietilpība</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Kešatmiņas opcijas:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Kešatmiņas tagu lielums:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Fona masīva skenēšana</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Izlaist inicializēšanu  (nav ieteicams)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Saglabāt esošos datus</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Izveide ar nullēšanu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
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
        <translation>Neizmantotie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Atlasīt visu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Ierīce</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS nosaukums</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistēma</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Nodalījums</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Masīva nosaukums</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kopējā ietilpība</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Kešatmiņa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Vai tiešām vēlaties dzēst atlasīto(s) masīvu(s): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Apstipriniet darbību</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Dzēš masīvus...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Pārtraukt</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Atlasīt visu</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Diska rekvizīti</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Diska atliktās rakstīšanas kešatmiņa:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Iespējot</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Atspējot</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Diska nolasīšana uz priekšu:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART aptauja:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Iespējots</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Atspējots</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Piezīme: ieslēdzot diska atliktās rakstīšanas kešatmiņu, var palielināties datu bojājumu iespējamība, ja pazūd sistēmas barošana.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Atliktās rakstīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Nolasīšana uz priekšu</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART aptauja</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Aparātprogrammatūras redakcija</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> ir NVMe ierīce, un tās diska kešatmiņas iestatījumus nevar mainīt.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Masīvs %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Masīvs %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, pauzēts</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ir bezsaistē</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 tiek pārbūvēts, kamēr disks %2 ziņo par S.M.A.R.T. kļūdām: vēl viena kļūme masīvu iznīcinātu</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>pārbūve uz disku %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>pārbūve, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 ir kritiskā stāvoklī: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ir %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 ir kritiskā stāvoklī: disks %2 ir bojāts</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 ir kritiskā stāvoklī</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 tiek transformēts: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 tiek izveidots: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 tiek droši dzēsts: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: bojāts dalībnieks diskā %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 ir zaudējis pēdējo rezerves disku</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>konsekvences pārbaude</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>vēl mazāk nekā minūte</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>vēl aptuveni minūte</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>vēl aptuveni %n stunda</numerusform>
            <numerusform>vēl aptuveni %n stundas</numerusform>
            <numerusform>vēl aptuveni %n stundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>vēl aptuveni %n minūte</numerusform>
            <numerusform>vēl aptuveni %n minūtes</numerusform>
            <numerusform>vēl aptuveni %n minūšu</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID draiveris neatbild</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disks %1 ziņo par S.M.A.R.T. kļūdām</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (un vēl %n)</numerusform>
            <numerusform>%1 (un vēl %n)</numerusform>
            <numerusform>%1 (un vēl %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nav konfigurēts neviens masīvs</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Masīvs darbojas normāli</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Visi masīvi (%n) darbojas normāli</numerusform>
            <numerusform>Visi masīvi (%n) darbojas normāli</numerusform>
            <numerusform>Visi masīvi (%n) darbojas normāli</numerusform>
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
        <translation>&amp;Rādīt %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 ir kritiskā stāvoklī</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ir bezsaistē</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: pārbūve ir pabeigta; masīvs atkal darbojas normāli</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformēšana ir pabeigta</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: pārbūve ir beigusies; masīva stāvoklis ir %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformēšana ir beigusies; masīva stāvoklis ir %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Rezerves disks %1 ir aizstājis bojātu dalībnieku</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disks %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disks %1 ir bojāts</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disks %1 ziņo par S.M.A.R.T. kļūdām</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Mainījies %n masīvs vai disks: %1</numerusform>
            <numerusform>Mainījušies %n masīvi vai diski: %1</numerusform>
            <numerusform>Mainījušies %n masīvi vai diski: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMĀLS</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>GATAVS</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITISKS</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>BEZSAISTĒ</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>NOVECOJIS</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>KEŠATMIŅA BEZSAISTĒ</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOĶĒTS</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZINĀMS</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Nav kļūdu</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Kļūme</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Bezsaistē</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Kļūme, bezsaistē</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NEAKTĪVS</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMĒŠANA</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>IZVEIDE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PĀRBAUDE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPĒŠANA</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>PĀRBŪVE</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITKARTES PĀRBAUDE</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITKARTES IZLĀDE</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>DROŠĀ DZĒŠANA</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>LAPU PĀRVIETOŠANA</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>LĪMEŅU PĀRVIETOŠANA</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>IZVEIDE AR NULLĒŠANU</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>SĀKTS</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUZĒTS</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>IZSLĒGŠANA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>KĻŪME</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>APTURĒTS</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>PABEIGTS</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>NOŅEMTS</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NAV PABEIGTS</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Ļoti zema</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informatīvs</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisks</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatāls</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nezināms</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fails</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Masīvs</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Izveidot</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Izveidot RAID masīvu</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformēt</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformēt esošu RAID masīvu</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konsekvences pārbaude</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Sākt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Fona masīva skenēšana</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Mainīt kešatmiņas iestatījumus</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez kešatmiņas</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lasīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Atliktās rakstīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lasīšanas + atliktās rakstīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Uzdevums</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritāte</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Atsākt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzēt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Noņemt</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nosaukums</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Mainīt atlasītā masīva nosaukumu</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Paslēpt</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Paslēpt/parādīt esošu masīvu</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identificēt masīvu</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Iedegt atlasītā masīva LED indikatoru(s)</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Sagatavot iz&amp;ņemšanai</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Padarīt masīvu neredzamu operētājsistēmai, gatavojoties tā izņemšanai</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Noņemt rezerves diskus</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Noņemt visus šim masīvam piešķirtos veltītos rezerves diskus</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Dzēst esošu RAID masīvu</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Dzēst vairākus &amp;masīvus</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Atlasīt vairākus esošus RAID masīvus dzēšanai</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Drošā dzēš&amp;ana</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Droši izdzēst esošu RAID masīvu</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disks</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Pārskenēt</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Atkārtoti skenēt visus kanālus, lai atrastu jaunus vai noņemtus fiziskos diskus un masīvus.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializēt</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Notīrīt metadatus</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Īpašī&amp;bas</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. pārskats</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (pašuzraudzības, analīzes un ziņošanas tehnoloģija) ir diska uzraudzības sistēma, kas konstatē dažādus diska uzticamības rādītājus un ziņo par tiem.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcijas</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Pārvaldīt atlasītā diska rezerves diskus.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Skats</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atsvaidzināt</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Lietojumprogrammas žurnāls</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Skatīt lietojumprogrammas žurnāla informāciju.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Skatīt &amp;kontrollerus</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Skatīt kontrolleru sarakstu</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Notikumu skats</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Sakļaut notikumu skatu</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Motīvs</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Mainīt lietojumprogrammas krāsu motīvu</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumšs</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Gaišs</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Ikonu lielums</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Mainīt lietojumprogrammas ikonu lielumu</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mazas</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Lielas</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Fonta lielums</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Mainīt lietojumprogrammas fonta lielumu</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normāls</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Par</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Rādīt lietojumprogrammas un RAID draiveru versijas</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Lietotāja &amp;rokasgrāmata</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Saite uz lietotāja rokasgrāmatu</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Atbalsts</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Saite uz OXV atbalsta vietni</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licences līgums</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Skatīt galalietotāja licences līgumu (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Lielākā brīvā</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globālais rezerves disks</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Informēta karstā nomaiņa</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Aparātprogrammatūras redakcija</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Ierīce</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS nosaukums</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistēma</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Nodalījums</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Masīva nosaukums</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kopējā ietilpība</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Uzdevuma stāvoklis</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Norise</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skenēšana</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Kešatmiņa</translation>
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
        <translation>Velt. rez.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datums</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Notikums</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksts</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licences līgums</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Paslēpts)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Avots)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Mērķis)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Veltītie rezerves diski</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Trūkst</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nav</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Jauns</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Parādīt</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Nevar atrast kvcfg RAID draiveri. Lūdzu, pārliecinieties, ka ir instalēti visi nepieciešamie RAID draiveri, citādi lietojumprogramma nedarbosies.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Nevar atrast OXV RAID draiverus. Lūdzu, pārbaudiet, vai BIOS iestatījumos ir iespējots RAID.

Ja darbojas AHCI/vietējais režīms, nekas nav jādara. Lietojumprogramma tiek aizvērta.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Lūdzu, palaidiet lietojumprogrammu kā administrators.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Darbinot šo lietojumprogrammu ar pašreizējām lietotāja tiesībām, jūs nevarēsit:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Izpildīt destruktīvas komandas.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Skatīt masīvu nodalījumus un sistēmas masīva informāciju.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Paziņojums par notikumu</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vērtība rāda pašreizējo MB sekundē veiktspēju starp OS un OXV-RAID draiveri.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Vērtība rāda pašreizējo MB sekundē veiktspēju starp OXV-RAID draiveri un atmiņas ierīci.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Vērtība rāda pašreizējo IO sekundē veiktspēju starp OS un OXV-RAID draiveri.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Vērtība rāda pašreizējo IO sekundē veiktspēju starp OXV-RAID draiveri un atmiņas ierīcēm.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Vērtība rāda kopējo baitu skaitu starp OS un OXV-RAID draiveri.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Vērtība rāda kopējo baitu skaitu starp OXV-RAID draiveri un atmiņas ierīci.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Vai vēlaties %1 masīvu %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Šī darbība padarīs masīvu neredzamu operētājsistēmai un var izraisīt DATU ZUDUMU. Vai vēlaties turpināt sagatavošanu izņemšanai?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Noņemt visus rezerves diskus no masīva %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Vai vēlaties dzēst masīvu %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>BRĪDINĀJUMS: visi dati tiks neatgriezeniski zaudēti. Vai turpināt masīva %1 „%2” drošo dzēšanu?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Ja atliktās rakstīšanas kešatmiņa ir iespējota, negaidītas sistēmas izslēgšanās gadījumā var palielināties datu bojājumu iespējamība. Vai vēlaties to iespējot?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar transformēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> ir bloķēts, un konsekvences pārbaudi nevar sākt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> ir bloķēts, un konsekvences pārbaudi nevar apturēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> ir bloķēts, un fona masīva skenēšanu nevar sākt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> ir bloķēts, un fona masīva skenēšanu nevar apturēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> ir bloķēts, un tā kešatmiņu nevar mainīt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> ir bloķēts, un tā uzdevuma prioritāti nevar mainīt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> ir bloķēts, un tā uzdevumu nevar atsākt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> ir bloķēts, un tā uzdevumu nevar pauzēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> ir bloķēts, un tā uzdevumu nevar noņemt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar pārdēvēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar paslēpt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar identificēt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar sagatavot izņemšanai, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> ir bloķēts, un tā rezerves diskus nevar noņemt, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar izdzēst, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> ir bloķēts, un to nevar droši izdzēst, kamēr tas nav atbloķēts.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Apstipriniet darbību</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Notiek atkārtota skenēšana...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Notiek dzēšana...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Notiek drošā dzēšana...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Darbība neizdevās</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Atlasītais masīvs pārklājas ar citu masīvu. Darbība atcelta.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problēma, izstumjot OXV masīva %1 SCSI ierīci</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Šī ierīce pašlaik tiek lietota. Aizveriet visas programmas vai logus, kas varētu izmantot šo ierīci, un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Masīva izņemšana</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Masīvs %1 ir noņemts no konfigurācijas, ierīces ir atvienotas, un tagad tās var fiziski izņemt no sistēmas. Ir svarīgi neveikt DISKU ATKĀRTOTU SKENĒŠANU, kamēr nav atvienoti visi masīva diski</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Atlasītā masīva disku LED indikatori tagad deg. Noklikšķiniet uz &apos;Labi&apos;, lai beigtu identificēšanu.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Kopējais masīvu skaits ir ierobežots līdz %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID draiveris neatbild. Sarakstos redzama konfigurācija, kas nolasīta %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID draiveris neatbild. Nevarēja nolasīt nevienu konfigurāciju.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsole nevar noteikt, kuros masīvos ir operētājsistēma: dzēšana, drošā dzēšana, paslēpšana un sagatavošana izņemšanai nav pieejama.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Masīvs </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disks </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformēt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Izveidot</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Uzdevuma prioritāte</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicializēt diskus</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Notīrīt metadatus</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Rekvizīti</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. pārskats</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Kontrolleri</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Par </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcijas</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Saglabāt atbalsta paketi...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Saglabāt konfigurāciju, žurnālus un S.M.A.R.T. atskaites vienā failā atbalsta dienestam</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>Ai&amp;zvērt uz paziņojumu apgabalu</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Aizverot logu, konsole turpina uzraudzīt masīvus no paziņojumu apgabala.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pauzēts: kamēr uzdevums gaida, atlikušais laiks netiek novērtēts.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Atlikušo laiku novērtē, kad uzdevuma norise ir novērota vienu minūti.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disks ir bojāts; draiveris ziņo tā stāvokli %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disks ziņo par S.M.A.R.T. kļūdām: drīz nomainiet to.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Saglabāt atbalsta paketi</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP arhīvi (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Atbalsta pakete saglabāta: %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Atbalsta paketi nevarēja saglabāt failā %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Jauns</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurāciju nevarēja nolasīt; nekas netika mainīts.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Diska %1 vairs nav; nekas netika mainīts. Aizveriet šo logu un atveriet to vēlreiz, lai redzētu pašreizējos diskus.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Disku saraksts:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Vaicāt atlasītos S.M.A.R.T. datus</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 g.  %2 d.  %3 st.</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d.  %2 st.</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nevar iegūt</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Aparātprogrammatūras redakcija</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Darba stundas</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Ieslēgšanas cikli</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatūra (pēc Celsija)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nav displeja, kurā atvērt logu (nav iestatīts ne DISPLAY, ne WAYLAND_DISPLAY); konsoles komandas terminālī nodrošina velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Uzdevuma &apos;%1&apos; pašreizējā prioritāte: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Ar slīdni izvēlieties jaunu prioritāti uzdevumam &apos;%1&apos; masīvā &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Jaunā prioritāte: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Apstipriniet transformēšanu</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Brīdinājums: masīvā ir iekļauts rezerves disks. Vai vēlaties turpināt?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Brīdinājums: šajā masīva transformēšanā ir iekļauta karsti nomaināma ierīce. Pēc transformēšanas beigām sistēma jārestartē, lai OS uzzinātu par masīva ierīču izmaiņām. Vai vēlaties turpināt?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Apstipriniet izveidi</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Brīdinājums: konstatēta dažādu disku jaukšana! Labākai veiktspējai nav ieteicams jaukt diskus ar būtiski atšķirīgu veiktspēju. Vai tomēr vēlaties izveidot?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformēšanas komanda neizdevās</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformēt</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Avots</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mērķis</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Lielākā brīvā </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Informēta karstā nomaiņa</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Aparātprogrammatūras versija</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Masīva opcijas</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tips:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizācija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Pašreizējā ietilpība:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maksimālā ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maksimālā ietilpība</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
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
        <translation>Neizmantotie</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Tas pats</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Lietot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Piešķirt kā veltīto rezerves disku</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Piešķirt kā globālo rezerves disku</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identificēt disku ar LED indikatoriem</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Izņemt ierīci</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Sagatavot izņemšanai</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Noņemt kā globālo rezerves disku</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Noņemt kā veltīto rezerves disku</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcijas</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurāciju nevarēja nolasīt; nekas netika mainīts.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Diska %1 vairs nav; nekas netika mainīts.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Apstipriniet rezerves diska piešķiršanu</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Brīdinājums: konstatēta dažādu disku jaukšana! Labākai veiktspējai nav ieteicams jaukt diskus ar būtiski atšķirīgu veiktspēju. Vai vēlaties turpināt rezerves diska piešķiršanu?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identificēt disku</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Atlasītā diska LED indikatori tagad deg. Noklikšķiniet uz &apos;Labi&apos;, lai beigtu identificēšanu.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Ierīces izņemšanas statuss</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disku saraksts:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stāvoklis</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Tiek lietots</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Neinicializēti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Visi</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicializēt atlasītos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Pārskenēt</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Disks pievienots</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID kontrolleris ir konstatējis jauna diska pievienošanu. Lai šo disku iekļautu darbā, jāveic kontrollera ATKĀRTOTA SKENĒŠANA. Ja šis disks ir vairāku disku masīva daļa, atkārtoti skenējiet tikai pēc tam, kad ir pievienots pēdējais šī masīva disks. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Disks noņemts</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID kontrolleris ir konstatējis diska noņemšanu. Lai disku noņemtu pavisam un sinhronizētu konfigurāciju, jāveic atkārtota skenēšana. Ja šis disks ir masīva daļa, kas tiek atvienots, NESKENĒJIET ATKĀRTOTI, kamēr nav izņemts pēdējais šī masīva disks.</translation>
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
        <translation>Masīva opcijas</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tips:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Masīva nosaukums:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizācija:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ietilpība:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maksimālā ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maksimālā ietilpība</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Kešatmiņas opcijas:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Kešatmiņas tagu lielums:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Fona masīva skenēšana</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Izlaist inicializēšanu  (nav ieteicams)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Saglabāt esošos datus</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Izveide ar nullēšanu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
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
        <translation>Neizmantotie</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Izveidot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lasīšanas + atliktās rakstīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lasīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Atliktās rakstīšanas kešatmiņa</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez kešatmiņas</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Noklusējums</translation>
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
        <translation>Disks</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Lielākā brīvā </translation>
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
        <translation>Informēta karstā nomaiņa</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Aparātprogrammatūras versija</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Kontrolleru saraksts:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Nav pieejams</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numurs</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelis</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Portu skaits</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI piegādātāja ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI ierīces ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI apakšpiegādātāja ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI apakšierīces ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Kopne</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slots</translation>
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
        <translation>Piekrītu</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Galalietotāja licences līgums</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Licences līguma tekstu neizdevās ielādēt.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Masīva opcijas</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tips:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizācija:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Pašreizējā ietilpība:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maksimālā ietilpība:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maksimālā ietilpība</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Atlasīt</translation>
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
        <translation>Neizmantotie</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Tas pats</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Lietot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porta tips</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ietilpība</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Lietojumi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Lielākā brīvā </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Informēta karstā nomaiņa</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modeļa numurs</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sērijas numurs</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Aparātprogrammatūras versija</translation>
    </message>
</context>
</TS>
