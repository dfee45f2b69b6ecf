<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
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
        <translation>Diskenhed  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (striping)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (spejling)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (striping af spejle)</translation>
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
        <translation>Ugyldig konfiguration: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simpel</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Angiv et arraynavn på op til 30 tegn.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Arraynavn</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ugyldigt navn: arraynavne må ikke være de samme som eksisterende arraynavne eller indeholde følgende tegn: ()^,.=|&quot;-[]</translation>
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
        <translation>Diskliste:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>I brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Ryd metadata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Der blev ikke fundet diske med ledig plads. For at oprette et RAID-array skal du først frigøre plads på en eksisterende disk eller tilføje en disk til systemet.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ugyldigt navn: arraynavne må ikke være de samme som eksisterende arraynavne eller indeholde følgende tegn: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekræft oprettelse</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advarsel: Du har medtaget en reservedisk i arrayet. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advarsel: Blanding af drev registreret! For at opnå den bedste ydeevne anbefales det ikke at blande drev med væsentligt forskellig ydeevne. Vil du oprette alligevel?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Oprettelse mislykkedes</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Eksempel</translation>
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
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
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
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayindstillinger</translation>
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
        <translation>Organiseret som:</translation>
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
        <translation>Cacheindstillinger:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Størrelse på cachetag:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Baggrundsscanning af array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Spring initialisering over  (anbefales ikke)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Bevar eksisterende data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Oprettelse med nulstilling</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
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
        <translation>Ubrugte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vælg alle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
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
        <translation>Partition</translation>
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
        <translation>Samlet kapacitet</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
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
        <translation>Er du sikker på, at du vil slette de valgte arrays: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekræft handling</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Sletter arrays...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbryd</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Vælg alle</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Diskegenskaber</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Write-back-cache på disk:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivér</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Forudlæsning på disk:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-forespørgsel:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiveret</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Bemærk: Hvis du slår write-back-cache til på disken, kan risikoen for datakorruption øges ved strømsvigt.</translation>
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
        <translation>Write-back-cache</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Forudlæsning</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-forespørgsel</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmwarerevision</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> er en NVMe-enhed, og diskens cacheindstillinger kan ikke ændres.</translation>
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
        <translation>%1, på pause</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 er offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 genopbygges, mens disk %2 rapporterer S.M.A.R.T.-fejl: én fejl mere vil koste arrayet</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>genopbygger til disk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>genopbygger, %1</translation>
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
        <translation>%1 er kritisk: disk %2 har fejlet</translation>
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
        <translation>%1 oprettes: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 slettes sikkert: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: fejlet medlem på disk %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 har mistet sin sidste reservedisk</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>konsistenskontrol</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>mindre end et minut tilbage</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>ca. et minut tilbage</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>ca. %n time tilbage</numerusform>
            <numerusform>ca. %n timer tilbage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>ca. %n minut tilbage</numerusform>
            <numerusform>ca. %n minutter tilbage</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-driveren svarer ikke</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterer S.M.A.R.T.-fejl</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (og %n mere)</numerusform>
            <numerusform>%1 (og %n mere)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Der er ikke konfigureret nogen arrays</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Arrayet er sundt</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Alle arrays (%n) er sunde</numerusform>
            <numerusform>Alle arrays (%n) er sunde</numerusform>
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
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 er kritisk</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 er offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: genopbygningen er fuldført; arrayet er sundt igen</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformationen er fuldført</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: genopbygningen er afsluttet; arrayet er %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformationen er afsluttet; arrayet er %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Reservedisk %1 har overtaget pladsen for et fejlet medlem</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 har fejlet</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 rapporterer S.M.A.R.T.-fejl</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n array eller disk er ændret: %1</numerusform>
            <numerusform>%n arrays eller diske er ændret: %1</numerusform>
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
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>FORÆLDET</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>LÅST</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UKENDT</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Ingen fejl</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fejlet</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Fejlet, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>IKKE AKTIV</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMATION</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>OPRETTELSE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>KONTROL</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIERING</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>GENOPBYGNING</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>KONTROL AF BITMAP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>TØMNING AF BITMAP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>SIKKER SLETNING</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SIDEFLYTNING</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>NIVEAUFLYTNING</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>OPRETTELSE MED NULSTILLING</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>STARTET</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PÅ PAUSE</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>NEDLUKNING</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEJLET</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>STOPPET</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>FULDFØRT</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>FJERNET</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>IKKE FULDFØRT</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Meget lav</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Information</translation>
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
        <translation>Kritisk fejl</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukendt</translation>
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
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Array</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Opret</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Opret RAID-array</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformér</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformér et eksisterende RAID-array</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konsistenskontrol</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Baggrundsscanning af array</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Rediger cacheindstillinger</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ingen cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Læsecache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-back-cache</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Læse- og write-back-cache</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
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
        <translation>Skift navnet på det valgte array</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skjul</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Skjul/vis et eksisterende array</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identificer array</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Tænd lysdioden/lysdioderne for det valgte array</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Klargør til fjernelse</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Gør arrayet usynligt for operativsystemet som forberedelse til fjernelse</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Fjern reservediske</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Fjern alle dedikerede reservediske, der er tildelt dette array</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Slet et eksisterende RAID-array</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Slet &amp;flere arrays</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Vælg flere eksisterende RAID-arrays til sletning</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Sikker s&amp;letning</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Slet et eksisterende RAID-array sikkert</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Ny scanning</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Scan alle kanaler igen for at finde nye eller fjernede fysiske diske og arrays.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialiser</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Ryd metadata</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaber</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-oversigt</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (teknologi til selvovervågning, analyse og rapportering) er et overvågningssystem i drevet, der registrerer og rapporterer forskellige indikatorer for drevets pålidelighed.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Indstillin&amp;ger</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Administrer reservediske for den valgte disk.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Opdater</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Programlog</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Vis oplysninger fra programloggen.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Vis &amp;controllere</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Vis controllerliste</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Hændelsesvisning</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Skjul hændelsesvisningen</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Skift programmets farvetema</translation>
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
        <translation>Skift programmets ikonstørrelse</translation>
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
        <translation>Skift programmets skriftstørrelse</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Vis versionerne af programmet og RAID-driverne</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Brugervejledning</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Link til brugervejledningen</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>S&amp;upport</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Link til OXV&apos;s supportside</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licensaftale</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Vis slutbrugerlicensaftalen (EULA).</translation>
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
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
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
        <translation>Brug</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmwarerevision</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
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
        <translation>Partition</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynavn</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Samlet kapacitet</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Opgavetilstand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scanning</translation>
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
        <translation>Hændelse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licensaftale</translation>
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
        <translation> Dedikerede reservediske</translation>
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
        <translation>RAID-driveren kvcfg blev ikke fundet. Kontrollér, at alle nødvendige RAID-drivere er installeret, ellers vil programmet ikke fungere.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID-driverne blev ikke fundet. Kontrollér, at RAID er aktiveret i BIOS-indstillingerne.

Hvis AHCI/Native-tilstand bruges, skal du ikke gøre noget. Programmet afsluttes.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Kør programmet som administrator.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Når du kører dette program med dine nuværende brugerrettigheder, kan du ikke:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Udføre destruktive kommandoer.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Se partitioner på arrays og oplysninger om systemarrayet.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Hændelsesmeddelelse</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Værdien viser den aktuelle ydeevne i MB pr. sekund mellem OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Værdien viser den aktuelle ydeevne i MB pr. sekund mellem OXV-RAID-driveren og lagerenheden.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Værdien viser den aktuelle ydeevne i IO pr. sekund mellem OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Værdien viser den aktuelle ydeevne i IO pr. sekund mellem OXV-RAID-driveren og lagerenhederne.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Værdien viser det samlede antal byte mellem OS og OXV-RAID-driveren.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Værdien viser det samlede antal byte mellem OXV-RAID-driveren og lagerenheden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Vil du udføre »%1« på array %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Denne handling gør arrayet usynligt for operativsystemet og kan medføre DATATAB. Vil du fortsætte med klargøringen til fjernelse?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Vil du fjerne alle reservediske fra array %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Vil du slette array %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ADVARSEL: Alle data vil gå tabt og kan ikke gendannes. Vil du fortsætte med sikker sletning af array %1 »%2«?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Aktiveret write-back-cache kan øge risikoen for datakorruption, hvis systemet lukker uventet ned. Vil du aktivere den?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> er låst og kan ikke transformeres, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> er låst, og konsistenskontrol kan ikke startes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> er låst, og konsistenskontrol kan ikke stoppes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> er låst, og baggrundsscanning af arrayet kan ikke startes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> er låst, og baggrundsscanning af arrayet kan ikke stoppes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> er låst, og cachen kan ikke ændres, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> er låst, og opgaveprioriteten kan ikke ændres, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> er låst, og opgaven kan ikke genoptages, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> er låst, og opgaven kan ikke sættes på pause, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> er låst, og opgaven kan ikke fjernes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> er låst og kan ikke omdøbes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> er låst og kan ikke skjules, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> er låst og kan ikke identificeres, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> er låst og kan ikke klargøres til fjernelse, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> er låst, og reservediskene kan ikke fjernes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> er låst og kan ikke slettes, før det er låst op.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> er låst og kan ikke slettes sikkert, før det er låst op.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Bekræft handling</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Ny scanning i gang...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Sletning i gang...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Sikker sletning i gang...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Handlingen mislykkedes</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Det valgte array overlapper et andet array. Handlingen er annulleret.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem med at skubbe SCSI-enheden for OXV-array %1 ud</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Enheden er i brug. Luk alle programmer eller vinduer, der kan bruge enheden, og prøv igen.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Fjernelse af array</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Array %1 er fjernet fra konfigurationen, enhederne er frakoblet og kan nu fjernes fysisk fra systemet. Det er vigtigt, at der ikke udføres NY SCANNING AF DISKE, før alle diskene i arrayet er frakoblet</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdioderne for diskene i det valgte array lyser nu. Klik på &apos;OK&apos; for at stoppe identifikationen.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Det samlede antal arrays er begrænset til %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-driveren svarer ikke. Listerne viser konfigurationen, der blev læst %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-driveren svarer ikke. Ingen konfiguration kunne læses.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsollen kan ikke afgøre, hvilke arrays der indeholder operativsystemet: Slet, Sikker sletning, Skjul og Klargør til fjernelse er utilgængelige.</translation>
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
        <translation>Transformér</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Opgaveprioritet</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Initialiser diske</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Ryd metadata</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaber</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-oversigt</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controllere</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Om </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Gem supportpakke...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Gem konfigurationen, logfilerne og S.M.A.R.T.-rapporterne i én fil til support</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Luk til meddelelsesområdet</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Når vinduet lukkes, fortsætter konsollen med at overvåge arrays fra meddelelsesområdet.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>På pause: den resterende tid beregnes ikke, mens opgaven venter.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Den resterende tid beregnes, når opgavens forløb har været fulgt i et minut.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disken har fejlet; driveren rapporterer den som %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disken rapporterer S.M.A.R.T.-fejl: udskift den snart.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Gem supportpakke</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-arkiver (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Supportpakken blev gemt i %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Supportpakken kunne ikke gemmes i %1: %2</translation>
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
        <translation>Brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
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
        <translation>Konfigurationen kunne ikke læses; intet blev ændret.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 findes ikke længere; intet blev ændret. Luk dette vindue, og åbn det igen for at se diskene, som de er nu.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Diskliste:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Hent valgte S.M.A.R.T.-data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 år  %2 d  %3 t</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 t</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Kunne ikke hentes</translation>
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
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmwarerevision</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Driftstimer</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Strømcyklusser</translation>
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
        <translation>Velmora: ingen skærm at åbne vinduet på (hverken DISPLAY eller WAYLAND_DISPLAY er angivet); velmora-cli giver konsollens kommandoer i en terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Aktuel prioritet for opgaven &apos;%1&apos; er: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Brug skyderen til at vælge en ny prioritet for opgaven &apos;%1&apos; på arrayet &apos;%2&apos;.</translation>
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
        <translation>Bekræft transformation</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Advarsel: Du har medtaget en reservedisk i arrayet. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Advarsel: Denne arraytransformation omfatter en enhed, der kan udskiftes under drift. Når transformationen er fuldført, skal systemet genstartes, så OS får besked om ændringerne i arrayets underliggende enheder. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Bekræft oprettelse</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Advarsel: Blanding af drev registreret! For at opnå den bedste ydeevne anbefales det ikke at blande drev med væsentligt forskellig ydeevne. Vil du oprette alligevel?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformationskommandoen mislykkedes</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformér</translation>
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
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
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
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayindstillinger</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiseret som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuel kapacitet:</translation>
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
        <translation>Vælg</translation>
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
        <translation>Ubrugte</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samme</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Tildel som dedikeret reservedisk</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Tildel som global reservedisk</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identificer disk med lysdioder</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Fjern enhed</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Klargør til fjernelse</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Fjern som global reservedisk</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Fjern som dedikeret reservedisk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfigurationen kunne ikke læses; intet blev ændret.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 findes ikke længere; intet blev ændret.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Bekræft tildeling af reservedisk</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Advarsel: Blanding af drev registreret! For at opnå den bedste ydeevne anbefales det ikke at blande drev med væsentligt forskellig ydeevne. Vil du fortsætte med tildelingen af reservedisk?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identificer disk</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Lysdioderne for den valgte disk lyser nu. Klik på &apos;OK&apos; for at stoppe identifikationen.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status for fjernelse af enhed</translation>
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
        <translation>Diskliste:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>I brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Ikke initialiseret</translation>
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
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Ny scanning</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Drev sat i</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>En RAID-controller har registreret, at et nyt drev er sat i. For at tage drevet i brug skal der udføres en NY SCANNING af controlleren. Hvis drevet indgår i et array med flere drev, bør du først scanne igen, når det sidste drev i arrayet er sat i. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Drev fjernet</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>En RAID-controller har registreret, at et diskdrev er fjernet. For at fjerne drevet permanent og synkronisere konfigurationen skal der udføres en ny scanning. Hvis drevet indgår i et array, der tages offline, må du IKKE SCANNE IGEN, før det sidste drev i arrayet er fjernet.</translation>
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
        <translation>Arrayindstillinger</translation>
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
        <translation>Organiseret som:</translation>
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
        <translation>Cacheindstillinger:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Størrelse på cachetag:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Baggrundsscanning af array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Spring initialisering over  (anbefales ikke)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Bevar eksisterende data</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Oprettelse med nulstilling</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
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
        <translation>Ubrugte</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Læse- og write-back-cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Læsecache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-back-cache</translation>
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
        <translation>Porttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
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
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Controllerliste:</translation>
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
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Antal porte</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-leverandør-id</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-enheds-id</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-underleverandør-id</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-underenheds-id</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
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
        <translation>Acceptér</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Slutbrugerlicensaftale</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Teksten i licensaftalen kunne ikke indlæses.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Arrayindstillinger</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organiseret som:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuel kapacitet:</translation>
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
        <translation>Vælg</translation>
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
        <translation>Ubrugte</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samme</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Ledig plads</translation>
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
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
</context>
</TS>
