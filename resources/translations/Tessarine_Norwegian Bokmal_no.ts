<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="no">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Programversjon:</translation>
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
        <translation>RAID 0  (striping)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (speiling)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (striping av speil)</translation>
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
        <translation>Nei</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Ugyldig konfigurasjon: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
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
        <translation>Skriv inn et arraynavn på opptil 30 tegn.</translation>
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
        <translation> Arraynavn</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ugyldig navn: arraynavn kan ikke være like navn på eksisterende arrayer eller inneholde følgende tegn: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Diskoversikt:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ktrl kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>I bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Fjern metadata</translation>
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
        <translation>Fant ingen disker med ledig plass. For å opprette en RAID-array må du først frigjøre plass på en eksisterende disk eller legge til en disk i systemet.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ugyldig navn: arraynavn kan ikke være like navn på eksisterende arrayer eller inneholde følgende tegn: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekreft oppretting</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advarsel: Du har tatt med en reservedisk i arrayen. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advarsel: Blanding av stasjoner oppdaget! For best ytelse anbefales det ikke å blande stasjoner med vesentlig ulik ytelse. Vil du opprette likevel?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Oppretting mislyktes</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Største ledige </translation>
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
        <translation>Varslet hot swap</translation>
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
        <translation>Fastvareversjon</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynavn:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisert som:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapasitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Hurtigbufferalternativer:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Størrelse på hurtigbuffertagg:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrunnsskanning av array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Hopp over initialisering  (anbefales ikke)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Behold eksisterende data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Oppretting med nullstilling</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alle NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alle SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ubrukte</translation>
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
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Velg alle</translation>
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
        <translation>OS-navn</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partisjon</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynavn</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Total kapasitet</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Hurtigbuffer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Er du sikker på at du vil slette valgte array(er): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekreft handling</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Sletter arrayer...</translation>
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
        <translation>Velg alle</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Diskegenskaper</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Tilbakeskrivingsbuffer på disk:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Forhåndslesing på disk:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-avspørring:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Merk: Hvis du slår på tilbakeskrivingsbuffer på disken, kan risikoen for dataskade øke ved strømbrudd.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tilbakeskrivingsbuffer</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Forhåndslesing</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-avspørring</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttype</translation>
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
        <translation>Fastvarerevisjon</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> er en NVMe-enhet, og diskens hurtigbufferinnstillinger kan ikke endres.</translation>
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
        <translation>%1, pauset</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 er frakoblet</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 gjenoppbygges mens disk %2 rapporterer S.M.A.R.T.-feil: én svikt til vil føre til at arrayen går tapt</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>gjenoppbygger til disk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>gjenoppbygger, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 er kritisk: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 er %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 er kritisk: disk %2 har sviktet</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 er kritisk</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 transformeres: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 opprettes: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 slettes sikkert: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: sviktet medlem på disk %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 har mistet sin siste reservedisk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>konsistenskontroll</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>mindre enn ett minutt igjen</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>omtrent ett minutt igjen</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>omtrent %n time igjen</numerusform>
            <numerusform>omtrent %n timer igjen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>omtrent %n minutt igjen</numerusform>
            <numerusform>omtrent %n minutter igjen</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-driveren svarer ikke</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterer S.M.A.R.T.-feil</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (og %n til)</numerusform>
            <numerusform>%1 (og %n til)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Ingen arrayer er konfigurert</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Arrayen er frisk</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Alle arrayer (%n) er friske</numerusform>
            <numerusform>Alle arrayer (%n) er friske</numerusform>
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
        <translation>&amp;Vis %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 er kritisk</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 er frakoblet</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: gjenoppbyggingen er fullført; arrayen er frisk igjen</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformeringen er fullført</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: gjenoppbyggingen er avsluttet; arrayen er %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformeringen er avsluttet; arrayen er %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Reservedisk %1 har tatt plassen til et sviktet medlem</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 har sviktet</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterer S.M.A.R.T.-feil</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n array eller disk er endret: %1</numerusform>
            <numerusform>%n arrayer eller disker er endret: %1</numerusform>
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
        <translation>FRAKOBLET</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>UTDATERT</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>HURTIGBUFFER FRAKOBLET</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>LÅST</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UKJENT</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Ingen feil</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Sviktet</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Sviktet, frakoblet</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>IKKE AKTIV</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMERING</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>OPPRETTING</translation>
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
        <translation>GJENOPPBYGGING</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>KONTROLL AV BITMAP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>TØMMING AV BITMAP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>SIKKER SLETTING</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SIDEFLYTTING</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>NIVÅFLYTTING</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>OPPRETTING MED NULLSTILLING</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>STARTET</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSET</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>AVSLUTNING</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>SVIKTET</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>STOPPET</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>FULLFØRT</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>FJERNET</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>IKKE FULLFØRT</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Svært lav</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisk</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Kritisk feil</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Array</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Opprett</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Opprett RAID-array</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformer</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformer en eksisterende RAID-array</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konsistenskontroll</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrunnsskanning av array</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Endre hurtigbufferinnstillinger</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ingen hurtigbuffer</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lesebuffer</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tilbakeskrivingsbuffer</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lese- og tilbakeskrivingsbuffer</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Oppgave</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Navn</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Endre navnet på valgt array</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skjul</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Skjul/vis en eksisterende array</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifiser array</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Tenn lysdioden(e) for valgt array</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Klargjør for fjerning</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Gjør arrayen usynlig for operativsystemet som forberedelse til fjerning</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Fjern reservedisker</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Fjern alle dedikerte reservedisker som er tilordnet denne arrayen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Slett en eksisterende RAID-array</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Slett &amp;flere arrayer</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Velg flere eksisterende RAID-arrayer for sletting</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Sikker s&amp;letting</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Slett en eksisterende RAID-array sikkert</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Ny skanning</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Skann alle kanaler på nytt for å oppdage nye eller fjernede fysiske disker og arrayer.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialiser</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Fjern metadata</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-oversikt</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (teknologi for selvovervåking, analyse og rapportering) er et overvåkingssystem i stasjonen som oppdager og rapporterer ulike indikatorer på stasjonens pålitelighet.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Alternativer</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Administrer reservedisker for valgt disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Programlogg</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Vis informasjon fra programloggen.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Vis &amp;kontrollere</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Vis kontrolleroversikt</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Hendelsesvisning</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Skjul hendelsesvisningen</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Endre programmets fargetema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lys</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Ikonstørrelse</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Endre programmets ikonstørrelse</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Små</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Skriftstørrelse</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Endre programmets skriftstørrelse</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Vis versjonene av programmet og RAID-driverne</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Brukerveiledning</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Kobling til brukerveiledningen</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>S&amp;tøtte</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Kobling til OXVs kundestøtteside</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Lisensavtale</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Vis lisensavtalen for sluttbrukere (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Største ledige</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Global reserve</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Varslet hot swap</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
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
        <translation>Fastvarerevisjon</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS-navn</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partisjon</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynavn</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Total kapasitet</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Oppgavetilstand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanning</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Hurtigbuffer</translation>
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
        <translation>Ded. reserve</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Hendelse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Lisensavtale</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Skjult)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Kilde)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Mål)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dedikerte reservedisker</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mangler</translation>
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
        <translation>Vis</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Finner ikke RAID-driveren kvcfg. Kontroller at alle nødvendige RAID-drivere er installert, ellers vil ikke programmet fungere.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Finner ikke OXV RAID-driverne. Kontroller at RAID er aktivert i BIOS-innstillingene.

Hvis AHCI/Native-modus brukes, trenger du ikke gjøre noe. Programmet avsluttes.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Kjør programmet som administrator.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Når du kjører dette programmet med dine nåværende brukerrettigheter, kan du ikke:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Utføre destruktive kommandoer.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Vise partisjoner på arrayer og informasjon om systemarrayen.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Hendelsesvarsel</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Verdien viser gjeldende ytelse i MB per sekund mellom OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Verdien viser gjeldende ytelse i MB per sekund mellom OXV-RAID-driveren og lagringsenheten.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Verdien viser gjeldende ytelse i IO per sekund mellom OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Verdien viser gjeldende ytelse i IO per sekund mellom OXV-RAID-driveren og lagringsenhetene.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Verdien viser totalt antall byte mellom OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Verdien viser totalt antall byte mellom OXV-RAID-driveren og lagringsenheten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Vil du utføre «%1» på array %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Denne operasjonen gjør arrayen usynlig for operativsystemet og kan føre til TAP AV DATA. Vil du fortsette med klargjøring for fjerning?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Vil du fjerne alle reservedisker fra array %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Vil du slette array %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ADVARSEL: Alle data vil gå tapt og kan ikke gjenopprettes. Vil du fortsette med sikker sletting av array %1 «%2»?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Aktivert tilbakeskrivingsbuffer kan øke risikoen for dataskade hvis systemet slås av uventet. Vil du aktivere den?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> er låst og kan ikke transformeres før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> er låst, og konsistenskontroll kan ikke startes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> er låst, og konsistenskontroll kan ikke stoppes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> er låst, og bakgrunnsskanning av arrayen kan ikke startes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> er låst, og bakgrunnsskanning av arrayen kan ikke stoppes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> er låst, og hurtigbufferen kan ikke endres før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> er låst, og oppgaveprioriteten kan ikke endres før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> er låst, og oppgaven kan ikke gjenopptas før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> er låst, og oppgaven kan ikke settes på pause før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> er låst, og oppgaven kan ikke fjernes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> er låst og kan ikke gis nytt navn før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> er låst og kan ikke skjules før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> er låst og kan ikke identifiseres før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> er låst og kan ikke klargjøres for fjerning før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> er låst, og reservediskene kan ikke fjernes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> er låst og kan ikke slettes før den er låst opp.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> er låst og kan ikke slettes sikkert før den er låst opp.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekreft handling</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Ny skanning pågår...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Sletting pågår...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Sikker sletting pågår...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operasjonen mislyktes</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Valgt array overlapper en annen array. Operasjonen er avbrutt.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem med å løse ut SCSI-enheten for OXV-array %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Enheten er i bruk. Lukk alle programmer eller vinduer som kan bruke enheten, og prøv igjen.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Fjerning av array</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Array %1 er fjernet fra konfigurasjonen, enhetene er koblet fra og kan nå fjernes fysisk fra systemet. Det er viktig at det ikke utføres NY SKANNING AV DISKER før alle diskene i arrayen er koblet fra</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdiodene for diskene i valgt array lyser nå. Klikk &apos;OK&apos; for å avslutte identifiseringen.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Det totale antallet arrayer er begrenset til %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-driveren svarer ikke. Listene viser konfigurasjonen som ble lest %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-driveren svarer ikke. Ingen konfigurasjon kunne leses.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsollen kan ikke fastslå hvilke arrayer som inneholder operativsystemet: Slett, Sikker sletting, Skjul og Klargjør for fjerning er utilgjengelige.</translation>
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
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Oppgaveprioritet</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Initialiser disker</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Fjern metadata</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-oversikt</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Kontrollere</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Om </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Lagre støttepakke...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Lagre konfigurasjonen, loggene og S.M.A.R.T.-rapportene i én fil for kundestøtte</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Lukk til systemstatusfeltet</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Når vinduet lukkes, fortsetter konsollen å overvåke arrayene fra systemstatusfeltet.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Pauset: gjenstående tid beregnes ikke mens oppgaven venter.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Gjenstående tid beregnes når oppgavens fremdrift har vært fulgt i ett minutt.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disken har sviktet; driveren rapporterer den som %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disken rapporterer S.M.A.R.T.-feil: bytt den snart.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Lagre støttepakke</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-arkiver (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Støttepakken ble lagret i %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Støttepakken kunne ikke lagres i %1: %2</translation>
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
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
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
        <translation>Konfigurasjonen kunne ikke leses; ingenting ble endret.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 finnes ikke lenger; ingenting ble endret. Lukk dette vinduet og åpne det igjen for å se diskene slik de er nå.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Diskoversikt:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Hent valgte S.M.A.R.T.-data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 å  %2 d  %3 t</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 t</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Kan ikke hente</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
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
        <translation>Fastvarerevisjon</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Driftstimer</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Strømsykluser</translation>
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
        <translation>Velmora: ingen skjerm å åpne vinduet på (verken DISPLAY eller WAYLAND_DISPLAY er angitt); velmora-cli gir konsollens kommandoer i en terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bekreft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Nåværende prioritet for oppgaven &apos;%1&apos; er: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Bruk glidebryteren til å velge en ny prioritet for oppgaven &apos;%1&apos; på arrayen &apos;%2&apos;.</translation>
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
        <translation>Bekreft transformering</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advarsel: Du har tatt med en reservedisk i arrayen. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Advarsel: Denne arraytransformeringen omfatter en enhet som kan byttes under drift. Når transformeringen er fullført, må systemet startes på nytt for at OS skal få vite om endringene i arrayens underliggende enheter. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekreft oppretting</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advarsel: Blanding av stasjoner oppdaget! For best ytelse anbefales det ikke å blande stasjoner med vesentlig ulik ytelse. Vil du opprette likevel?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformeringskommandoen mislyktes</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
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
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Største ledige </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Varslet hot swap</translation>
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
        <translation>Fastvareversjon</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisert som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Nåværende kapasitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapasitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alle NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alle SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ubrukte</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samme</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Bruk</translation>
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
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Tilordne som dedikert reservedisk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Tilordne som global reservedisk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifiser disk med lysdioder</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Fjern enhet</translation>
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
        <translation>Klargjør for fjerning</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Fjern som global reservedisk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Fjern som dedikert reservedisk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurasjonen kunne ikke leses; ingenting ble endret.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 finnes ikke lenger; ingenting ble endret.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Bekreft tilordning av reservedisk</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Advarsel: Blanding av stasjoner oppdaget! For best ytelse anbefales det ikke å blande stasjoner med vesentlig ulik ytelse. Vil du fortsette med tilordningen av reservedisk?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifiser disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdiodene for valgt disk lyser nå. Klikk &apos;OK&apos; for å avslutte identifiseringen.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status for fjerning av enhet</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Diskoversikt:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ktrl kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>I bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Ikke initialisert</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Initialiser valgte</translation>
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
        <translation>Ny skanning</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Stasjon satt inn</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>En RAID-kontroller har oppdaget at en ny stasjon er satt inn. For å ta stasjonen i bruk må det utføres en NY SKANNING av kontrolleren. Hvis stasjonen inngår i en array med flere stasjoner, bør du bare skanne på nytt etter at den siste stasjonen i arrayen er satt inn. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Stasjon fjernet</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>En RAID-kontroller har oppdaget at en diskstasjon er fjernet. For å fjerne stasjonen permanent og synkronisere konfigurasjonen må det utføres en ny skanning. Hvis stasjonen inngår i en array som tas frakoblet, må du IKKE SKANNE PÅ NYTT før den siste stasjonen i arrayen er fjernet.</translation>
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
        <translation>Arrayalternativer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynavn:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisert som:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapasitet</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Hurtigbufferalternativer:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Størrelse på hurtigbuffertagg:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Bakgrunnsskanning av array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Hopp over initialisering  (anbefales ikke)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Behold eksisterende data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Oppretting med nullstilling</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alle NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alle SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ubrukte</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lese- og tilbakeskrivingsbuffer</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lesebuffer</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tilbakeskrivingsbuffer</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ingen hurtigbuffer</translation>
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
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Største ledige </translation>
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
        <translation>Varslet hot swap</translation>
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
        <translation>Fastvareversjon</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Kontrolleroversikt:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>I/T</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
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
        <translation>Antall porter</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-leverandør-ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-enhets-ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-underleverandør-ID</translation>
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
        <translation>Spor</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Godta</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Lisensavtale for sluttbrukere</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Teksten i lisensavtalen kunne ikke lastes inn.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Arrayalternativer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisert som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Nåværende kapasitet:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. kapasitet:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. kapasitet</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Alle NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Alle SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ubrukte</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samme</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Bruk</translation>
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
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plass</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Største ledige </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Varslet hot swap</translation>
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
        <translation>Fastvareversjon</translation>
    </message>
</context>
</TS>
