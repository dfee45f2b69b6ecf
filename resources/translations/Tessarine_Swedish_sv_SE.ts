<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Programversion:</translation>
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
        <translation>Volym  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (striping)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (spegling)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (striping av speglar)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (striping med paritet)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (striping med 2 pariteter)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Ogiltig konfiguration: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Enkel</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Ange ett arraynamn på högst 30 tecken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Arraynamn</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ogiltigt namn: arraynamn får inte vara samma som befintliga arraynamn eller innehålla följande tecken: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disklista:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Styr kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Används</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Rensa metadata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Inga diskar med ledigt utrymme hittades. För att skapa en RAID-array måste du först frigöra utrymme på en befintlig disk eller lägga till en disk i systemet.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ogiltigt namn: arraynamn får inte vara samma som befintliga arraynamn eller innehålla följande tecken: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekräfta skapande</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Varning: Du har tagit med en reservdisk i arrayen. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Varning: Blandade enheter upptäcktes! För bästa prestanda rekommenderas inte att enheter med väsentligt olika prestanda blandas. Vill du skapa ändå?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Det gick inte att skapa</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Största lediga </translation>
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
        <translation>Aviserat hot swap-byte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Inbyggd programvara, version</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativ</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynamn:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiserad som:</translation>
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
        <translation>Max. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. kapacitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cachealternativ:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Storlek på cachetagg:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrundsgenomsökning av array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Hoppa över initiering  (rekommenderas inte)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Behåll befintliga data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Skapande med nollställning</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alla NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alla SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alla HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Oanvända</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Välj alla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS-namn</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynamn</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Total kapacitet</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Vill du verkligen ta bort valda arrayer: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekräfta åtgärd</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Tar bort arrayer...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Välj alla</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Diskegenskaper</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Återskrivningscache på disk:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Inaktivera</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Läs i förväg på disk:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-avsökning:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Inaktiverad</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Obs! Om du aktiverar återskrivningscache på disken kan risken för dataskador öka vid strömavbrott.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Återskrivningscache</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Läs i förväg</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-avsökning</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Inbyggd programvara, revision</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> är en NVMe-enhet och diskens cacheinställningar kan inte ändras.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Array %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Array %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, pausad</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 är frånkopplad</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 återuppbyggs medan disk %2 rapporterar S.M.A.R.T.-fel: ett fel till skulle förstöra arrayen</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>återuppbygger till disk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>återuppbygger, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 är kritisk: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 är %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 är kritisk: disk %2 har fallerat</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 är kritisk</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 transformeras: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 skapas: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 raderas säkert: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: fallerad medlem på disk %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 har förlorat sin sista reservdisk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>konsekvenskontroll</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>mindre än en minut kvar</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>cirka en minut kvar</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>cirka %n timme kvar</numerusform>
            <numerusform>cirka %n timmar kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>cirka %n minut kvar</numerusform>
            <numerusform>cirka %n minuter kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-drivrutinen svarar inte</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterar S.M.A.R.T.-fel</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (och %n till)</numerusform>
            <numerusform>%1 (och %n till)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Inga arrayer är konfigurerade</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Arrayen är felfri</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Alla arrayer (%n) är felfria</numerusform>
            <numerusform>Alla arrayer (%n) är felfria</numerusform>
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
        <translation>&amp;Visa %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 är kritisk</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 är frånkopplad</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: återuppbyggnaden är klar; arrayen är felfri igen</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformeringen är klar</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: återuppbyggnaden har avslutats; arrayen är %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformeringen har avslutats; arrayen är %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Reservdisk %1 har tagit platsen för en fallerad medlem</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 har fallerat</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterar S.M.A.R.T.-fel</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n array eller disk har ändrats: %1</numerusform>
            <numerusform>%n arrayer eller diskar har ändrats: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>KLAR</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITISK</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>FRÅNKOPPLAD</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>INAKTUELL</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE FRÅNKOPPLAD</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>LÅST</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>OKÄND</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Inget fel</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallerad</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Fallerad, frånkopplad</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>INTE AKTIV</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMERING</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>SKAPANDE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>KONTROLL</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIERING</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ÅTERUPPBYGGNAD</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>KONTROLL AV BITMAPP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>TÖMNING AV BITMAPP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>SÄKER RADERING</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SIDFLYTT</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>NIVÅFLYTT</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>SKAPANDE MED NOLLSTÄLLNING</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>STARTAD</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSAD</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>AVSTÄNGNING</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALLERAD</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>STOPPAD</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>SLUTFÖRD</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>BORTTAGEN</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>INTE SLUTFÖRD</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Mycket låg</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisk</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Allvarligt fel</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>A&amp;rray</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Skapa</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Skapa RAID-array</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformera</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformera en befintlig RAID-array</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konsekvenskontroll</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrundsgenomsökning av array</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Ändra cacheinställningar</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ingen cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Läscache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Återskrivningscache</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Läs- och återskrivningscache</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Uppgift</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Namn</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Ändra namnet på vald array</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Dölj</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Dölj/visa en befintlig array</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifiera array</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Tänd lysdioden/lysdioderna för vald array</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Förbered för borttagning</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Gör arrayen osynlig för operativsystemet som förberedelse för borttagning</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Ta bort reservdiskar</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Ta bort alla dedikerade reservdiskar som tilldelats denna array</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Ta bort en befintlig RAID-array</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Ta bort fl&amp;era arrayer</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Välj flera befintliga RAID-arrayer för borttagning</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Säker &amp;radering</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Radera en befintlig RAID-array säkert</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Genomsök igen</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Genomsök alla kanaler igen för att hitta nya eller borttagna fysiska diskar och arrayer.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initiera</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Rensa metadata</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-översikt</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (teknik för självövervakning, analys och rapportering) är ett övervakningssystem i enheten som upptäcker och rapporterar olika indikatorer på enhetens tillförlitlighet.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Alternativ</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Hantera reservdiskar för vald disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Uppdatera</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Programlogg</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Visa information från programloggen.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Visa &amp;styrenheter</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Visa lista över styrenheter</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Händelsevy</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Dölj händelsevyn</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Ändra programmets färgtema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Ikonstorlek</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Ändra programmets ikonstorlek</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Små</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stora</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Tec&amp;kenstorlek</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Ändra programmets teckenstorlek</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Visa versionerna av programmet och RAID-drivrutinerna</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Användarhandbok</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Länk till användarhandboken</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>S&amp;upport</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Länk till OXV:s supportwebbplats</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licensavtal</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Visa licensavtalet för slutanvändare (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Största lediga</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Global reserv</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aviserat hot swap-byte</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Inbyggd programvara, revision</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS-namn</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynamn</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Total kapacitet</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Uppgiftstillstånd</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Genomsökning</translation>
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
        <translation>Ded. reserv</translation>
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
        <translation>Händelse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licensavtal</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Dold)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Källa)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Mål)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dedikerade reservdiskar</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Saknas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>RAID-drivrutinen kvcfg hittades inte. Kontrollera att alla nödvändiga RAID-drivrutiner är installerade, annars fungerar inte programmet.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID-drivrutinerna hittades inte. Kontrollera att RAID är aktiverat i BIOS-inställningarna.

Om AHCI/Native-läge används behöver du inte göra något. Programmet avslutas.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Kör programmet som administratör.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>När du kör programmet med dina nuvarande användarbehörigheter kan du inte:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Utföra destruktiva kommandon.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Visa partitioner på arrayer och information om systemarrayen.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Händelsemeddelande</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Värdet visar aktuell prestanda i MB per sekund mellan OS och OXV-RAID-drivrutinen.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Värdet visar aktuell prestanda i MB per sekund mellan OXV-RAID-drivrutinen och lagringsenheten.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Värdet visar aktuell prestanda i IO per sekund mellan OS och OXV-RAID-drivrutinen.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Värdet visar aktuell prestanda i IO per sekund mellan OXV-RAID-drivrutinen och lagringsenheterna.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Värdet visar totalt antal byte mellan OS och OXV-RAID-drivrutinen.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Värdet visar totalt antal byte mellan OXV-RAID-drivrutinen och lagringsenheten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Vill du utföra ”%1” på array %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Den här åtgärden gör arrayen osynlig för operativsystemet och kan orsaka DATAFÖRLUST. Vill du fortsätta med förberedelsen för borttagning?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Vill du ta bort alla reservdiskar från array %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Vill du ta bort array %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>VARNING: Alla data går förlorade och kan inte återställas. Vill du fortsätta med säker radering av array %1 ”%2”?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Aktiverad återskrivningscache kan öka risken för dataskador om systemet stängs av oväntat. Vill du aktivera den?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> är låst och kan inte transformeras förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> är låst och konsekvenskontroll kan inte startas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> är låst och konsekvenskontroll kan inte stoppas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> är låst och bakgrundsgenomsökning av arrayen kan inte startas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> är låst och bakgrundsgenomsökning av arrayen kan inte stoppas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> är låst och cachen kan inte ändras förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> är låst och uppgiftens prioritet kan inte ändras förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> är låst och uppgiften kan inte återupptas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> är låst och uppgiften kan inte pausas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> är låst och uppgiften kan inte tas bort förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> är låst och kan inte byta namn förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> är låst och kan inte döljas förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> är låst och kan inte identifieras förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> är låst och kan inte förberedas för borttagning förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> är låst och reservdiskarna kan inte tas bort förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> är låst och kan inte tas bort förrän den har låsts upp.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> är låst och kan inte raderas säkert förrän den har låsts upp.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekräfta åtgärd</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Ny genomsökning pågår...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Borttagning pågår...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Säker radering pågår...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Åtgärden misslyckades</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Vald array överlappar en annan array. Åtgärden avbröts.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem med att mata ut SCSI-enheten för OXV-array %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Enheten används just nu. Stäng alla program och fönster som kan använda enheten och försök igen.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Borttagning av array</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Array %1 har tagits bort från konfigurationen, enheterna har kopplats från och kan nu tas bort fysiskt från systemet. Det är viktigt att ingen NY GENOMSÖKNING AV DISKAR görs förrän alla diskar i arrayen har kopplats från</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdioderna för diskarna i vald array lyser nu. Klicka på &apos;OK&apos; för att sluta identifiera.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Det totala antalet arrayer är begränsat till %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-drivrutinen svarar inte. Listorna visar konfigurationen som lästes %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-drivrutinen svarar inte. Ingen konfiguration kunde läsas.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsolen kan inte avgöra vilka arrayer som innehåller operativsystemet: Ta bort, Säker radering, Dölj och Förbered för borttagning är inte tillgängliga.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Array </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformera</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Uppgiftsprioritet</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Initiera diskar</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Rensa metadata</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-översikt</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Styrenheter</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Om </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Spara supportpaket...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Spara konfigurationen, loggarna och S.M.A.R.T.-rapporterna i en fil för support</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>St&amp;äng till meddelandefältet</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>När fönstret stängs fortsätter konsolen att övervaka arrayerna från meddelandefältet.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pausad: återstående tid beräknas inte medan uppgiften väntar.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Återstående tid beräknas när uppgiftens förlopp har följts i en minut.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disken har fallerat; drivrutinen rapporterar den som %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disken rapporterar S.M.A.R.T.-fel: byt ut den snart.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Spara supportpaket</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-arkiv (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Supportpaketet sparades i %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Supportpaketet kunde inte sparas i %1: %2</translation>
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
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurationen kunde inte läsas; ingenting ändrades.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 finns inte längre; ingenting ändrades. Stäng det här fönstret och öppna det igen för att se diskarna som de är nu.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Disklista:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Hämta valda S.M.A.R.T.-data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 år  %2 d  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Kunde inte hämtas</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Inbyggd programvara, revision</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Drifttimmar</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Startcykler</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatur (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: ingen skärm att öppna fönstret på (varken DISPLAY eller WAYLAND_DISPLAY är angiven); velmora-cli ger konsolens kommandon i en terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Aktuell prioritet för uppgiften &apos;%1&apos; är: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Använd skjutreglaget för att välja en ny prioritet för uppgiften &apos;%1&apos; på arrayen &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Ny prioritet: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Bekräfta transformering</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Varning: Du har tagit med en reservdisk i arrayen. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Varning: Den här arraytransformeringen omfattar en enhet som kan bytas under drift. När transformeringen är klar måste systemet startas om så att OS får veta om ändringarna i arrayens underliggande enheter. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekräfta skapande</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Varning: Blandade enheter upptäcktes! För bästa prestanda rekommenderas inte att enheter med väsentligt olika prestanda blandas. Vill du skapa ändå?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformeringskommandot misslyckades</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformera</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Källa</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Största lediga </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aviserat hot swap-byte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Inbyggd programvara, version</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativ</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiserad som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuell kapacitet:</translation>
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
        <translation>Max. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. kapacitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alla NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alla SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alla HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Oanvända</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samma</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Tilldela som dedikerad reservdisk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Tilldela som global reservdisk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifiera disk med lysdioder</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Ta bort enhet</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Förbered för borttagning</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Ta bort som global reservdisk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Ta bort som dedikerad reservdisk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurationen kunde inte läsas; ingenting ändrades.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 finns inte längre; ingenting ändrades.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Bekräfta tilldelning av reservdisk</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Varning: Blandade enheter upptäcktes! För bästa prestanda rekommenderas inte att enheter med väsentligt olika prestanda blandas. Vill du fortsätta med tilldelningen av reservdisk?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifiera disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdioderna för vald disk lyser nu. Klicka på &apos;OK&apos; för att sluta identifiera.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status för borttagning av enhet</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disklista:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Styr kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Används</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Ej initierade</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Initiera valda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Genomsök igen</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Enhet insatt</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>En RAID-styrenhet har upptäckt att en ny enhet har satts in. För att ta enheten i drift måste styrenheten GENOMSÖKAS IGEN. Om enheten ingår i en array med flera enheter bör du genomsöka igen först när den sista enheten i arrayen har satts in. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Enhet borttagen</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>En RAID-styrenhet har upptäckt att en diskenhet har tagits bort. För att ta bort enheten permanent och synkronisera konfigurationen måste en ny genomsökning göras. Om enheten ingår i en array som tas offline ska du INTE GENOMSÖKA IGEN förrän den sista enheten i arrayen har tagits bort.</translation>
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
        <translation>Arrayalternativ</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynamn:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiserad som:</translation>
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
        <translation>Max. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. kapacitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cachealternativ:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Storlek på cachetagg:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrundsgenomsökning av array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Hoppa över initiering  (rekommenderas inte)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Behåll befintliga data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Skapande med nollställning</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alla NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alla SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alla HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Oanvända</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Läs- och återskrivningscache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Läscache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Återskrivningscache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ingen cache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Största lediga </translation>
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
        <translation>Aviserat hot swap-byte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Inbyggd programvara, version</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Lista över styrenheter:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Ej tillgängligt</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
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
        <translation>Modell</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Antal portar</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-leverantörs-ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-enhets-ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-underleverantörs-ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-underenhets-ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Buss</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Godkänn</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licensavtal för slutanvändare</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Det gick inte att läsa in licensavtalets text.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativ</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiserad som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuell kapacitet:</translation>
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
        <translation>Max. kapacitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. kapacitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alla NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alla SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alla HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Oanvända</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samma</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledigt utrymme</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Största lediga </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aviserat hot swap-byte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Inbyggd programvara, version</translation>
    </message>
</context>
</TS>
