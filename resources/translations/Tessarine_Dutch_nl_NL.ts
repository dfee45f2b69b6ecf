<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Toepassingsversie:</translation>
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
        <translation>Volume  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (Striping)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (Spiegel)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (Striping van spiegels)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (Striping met pariteit)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (Striping met dubbele pariteit)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Schijf </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Ongeldige configuratie: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Voer een arraynaam van maximaal 30 tekens in.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Arraynaam</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ongeldige naam: een arraynaam mag niet gelijk zijn aan de naam van een bestaande array en mag de volgende tekens niet bevatten: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Schijvenlijst:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Kanaal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metagegevens wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Er zijn geen schijven met vrije ruimte gevonden. Maak eerst ruimte vrij op een bestaande schijf of voeg een schijf aan het systeem toe om een RAID-array te maken.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ongeldige naam: een arraynaam mag niet gelijk zijn aan de naam van een bestaande array en mag de volgende tekens niet bevatten: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Maken bevestigen</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Waarschuwing: u hebt een reserveschijf in de array opgenomen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Waarschuwing: gemengde schijven gedetecteerd! Voor de beste prestaties wordt afgeraden schijven met sterk verschillende prestaties te combineren. Wilt u de array toch maken?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Maken mislukt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Grootste vrije </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aangekondigde hot-swap</translation>
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
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayopties</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynaam:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Georganiseerd als:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capaciteit:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. capaciteit</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cache-opties:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Grootte cachetag:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Achtergrondscan van array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Initialiseren overslaan  (niet aanbevolen)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Bestaande gegevens behouden</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Aanmaken met nullen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
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
        <translation>Alle SATA-SSD&apos;s</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD&apos;s</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ongebruikt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Naam in besturingssysteem</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partitie</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynaam</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Totale capaciteit</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Weet u zeker dat u de geselecteerde array(s) wilt verwijderen: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Actie bevestigen</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Arrays worden verwijderd...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Schijfeigenschappen</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Write-back-caching schijf:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Vooruitlezen schijf:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-polling:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Opmerking: het inschakelen van write-back-caching op de schijf kan de kans op beschadigde gegevens vergroten als de stroom uitvalt.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-back-cache</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Vooruitlezen</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-polling</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
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
        <translation>Firmwarerevisie</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> is een NVMe-apparaat; de cache-instellingen van de schijf kunnen niet worden gewijzigd.</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, gepauzeerd</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 is offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 wordt herbouwd terwijl schijf %2 S.M.A.R.T.-fouten meldt: nog één uitval zou de array verloren doen gaan</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>herbouw naar schijf %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>herbouw, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 is kritiek: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 is kritiek: schijf %2 is uitgevallen</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 is kritiek</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 wordt getransformeerd: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 wordt aangemaakt: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 wordt veilig gewist: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 heeft een uitgevallen lid op schijf %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 heeft zijn laatste reserveschijf verloren</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>consistentiecontrole</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>nog minder dan een minuut</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>nog ongeveer een minuut</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>nog ongeveer %n uur</numerusform>
            <numerusform>nog ongeveer %n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>nog ongeveer %n minuut</numerusform>
            <numerusform>nog ongeveer %n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Het RAID-stuurprogramma reageert niet</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Schijf %1 meldt S.M.A.R.T.-fouten</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (en nog %n)</numerusform>
            <numerusform>%1 (en nog %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Er zijn geen arrays geconfigureerd</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>De array is in orde</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n array in orde</numerusform>
            <numerusform>Alle %n arrays zijn in orde</numerusform>
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
        <translation>%1 &amp;weergeven</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 is kritiek</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 is offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: de herbouw is voltooid; de array is weer in orde</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: de transformatie is voltooid</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: de herbouw is beëindigd; de array is %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: de transformatie is beëindigd; de array is %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Reserveschijf %1 heeft de plaats van een uitgevallen lid ingenomen</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Schijf %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Schijf %1 is uitgevallen</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Schijf %1 meldt S.M.A.R.T.-fouten</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n array of schijf gewijzigd: %1</numerusform>
            <numerusform>%n arrays of schijven gewijzigd: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAAL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>GEREED</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITIEK</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>VEROUDERD</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>VERGRENDELD</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>ONBEKEND</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Geen fout</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Uitgevallen</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Uitgevallen offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NIET ACTIEF</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMATIE</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>AANMAKEN</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>CONTROLE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>HERBOUW</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITMAPCONTROLE</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITMAP WEGSCHRIJVEN</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>VEILIG WISSEN</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PAGINA&apos;S VERPLAATSEN</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>LAAG VERPLAATSEN</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>AANMAKEN MET NULLEN</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>GESTART</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>GEPAUZEERD</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>AFGESLOTEN</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>MISLUKT</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>GESTOPT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>VOLTOOID</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>VERWIJDERD</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NIET VOLTOOID</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Zeer laag</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritiek</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fataal</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Array</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID-array maken</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformeren</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Een bestaande RAID-array transformeren</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Consistentiecontrole</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Achtergrondscan van array</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Cache-instellingen wijzigen</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Geen cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Leescache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-back-cache</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lees- + write-back-cache</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Taak</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteit</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Naam van de geselecteerde array wijzigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Een bestaande array verbergen of weergeven</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Array identificeren</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Leds van de geselecteerde array laten branden</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Voorbereiden op verwijderen</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>De array onzichtbaar maken voor het besturingssysteem ter voorbereiding op verwijderen</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Reserveschijven verwijderen</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Alle aan deze array toegewezen reserveschijven verwijderen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Een bestaande RAID-array verwijderen</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Meerdere arrays verwij&amp;deren</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Meerdere bestaande RAID-arrays selecteren om te verwijderen</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Veilig &amp;wissen</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Een bestaande RAID-array veilig wissen</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Schijf</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Opnieuw scannen</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Alle kanalen opnieuw scannen om nieuwe of verwijderde fysieke schijven en arrays te detecteren.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialiseren</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Metagegevens wissen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-overzicht</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is een bewakingssysteem in de schijf dat diverse indicatoren van de betrouwbaarheid van de schijf detecteert en rapporteert.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pties</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Reserveschijven voor de geselecteerde schijf beheren.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Toepassingslogboek</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Het toepassingslogboek weergeven.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>&amp;Controllers weergeven</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Controllerlijst weergeven</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Gebeurtenisweergave</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Gebeurtenisweergave samenvouwen</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;hema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Kleurthema van de toepassing wijzigen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Pictogramgrootte</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Pictogramgrootte van de toepassing wijzigen</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Lettergrootte</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Lettergrootte van de toepassing wijzigen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Versies van de toepassing en de RAID-stuurprogramma&apos;s weergeven</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Koppeling naar de gebruikershandleiding</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Ondersteuning</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Koppeling naar de ondersteuningssite van OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;EULA</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Licentieovereenkomst voor eindgebruikers (EULA) weergeven.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Grootste vrije</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globale reserve</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aangekondigde hot-swap</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
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
        <translation>Firmwarerevisie</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Naam in besturingssysteem</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partitie</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Arraynaam</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Totale capaciteit</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Taakstatus</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
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
        <translation>Trim</translation>
    </message>
    <message>
        <source>Ded Spare</source>
        <translation>Toegew. reserve</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>EULA</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Verborgen)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Bron)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Doel)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Toegewezen reserveschijven</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ontbreekt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Weergeven</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Het RAID-stuurprogramma kvcfg is niet gevonden. Controleer of alle vereiste RAID-stuurprogramma&apos;s zijn geïnstalleerd; anders werkt de toepassing niet.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>De RAID-stuurprogramma&apos;s van OXV zijn niet gevonden. Controleer of RAID is ingeschakeld in de BIOS-instellingen.

In de AHCI/Native-modus hoeft u niets te doen. De toepassing wordt afgesloten.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Voer de toepassing uit als beheerder.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Met uw huidige gebruikersrechten kunt u in deze toepassing niet:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Opdrachten uitvoeren die gegevens vernietigen.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Partities van arrays en gegevens van de systeemarray bekijken.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Gebeurtenismelding</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Toont de huidige doorvoer in MB per seconde tussen het besturingssysteem en het OXV-RAID-stuurprogramma.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Toont de huidige doorvoer in MB per seconde tussen het OXV-RAID-stuurprogramma en het opslagapparaat.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Toont het huidige aantal I/O&apos;s per seconde tussen het besturingssysteem en het OXV-RAID-stuurprogramma.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Toont het huidige aantal I/O&apos;s per seconde tussen het OXV-RAID-stuurprogramma en de opslagapparaten.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Toont het totale aantal bytes tussen het besturingssysteem en het OXV-RAID-stuurprogramma.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Toont het totale aantal bytes tussen het OXV-RAID-stuurprogramma en het opslagapparaat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Wilt u &quot;%1&quot; uitvoeren voor array %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Deze bewerking maakt de array onzichtbaar voor het besturingssysteem en kan GEGEVENSVERLIES veroorzaken. Wilt u doorgaan met voorbereiden op verwijderen?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Alle reserveschijven van array %1 verwijderen?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Wilt u array %1: %2 verwijderen?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>WAARSCHUWING: alle gegevens gaan onherstelbaar verloren. Doorgaan met veilig wissen van array %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Een ingeschakelde write-back-cache vergroot de kans op beschadigde gegevens als het systeem onverwacht wordt afgesloten. Wilt u deze inschakelen?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden getransformeerd.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> is vergrendeld; een consistentiecontrole kan pas na ontgrendelen worden gestart.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> is vergrendeld; de consistentiecontrole kan pas na ontgrendelen worden gestopt.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> is vergrendeld; een achtergrondscan van de array kan pas na ontgrendelen worden gestart.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> is vergrendeld; de achtergrondscan van de array kan pas na ontgrendelen worden gestopt.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> is vergrendeld; de cache kan pas na ontgrendelen worden gewijzigd.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> is vergrendeld; de taakprioriteit kan pas na ontgrendelen worden gewijzigd.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> is vergrendeld; een taak kan pas na ontgrendelen worden hervat.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> is vergrendeld; een taak kan pas na ontgrendelen worden gepauzeerd.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> is vergrendeld; een taak kan pas na ontgrendelen worden verwijderd.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden hernoemd.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden verborgen.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden geïdentificeerd.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden voorbereid op verwijderen.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> is vergrendeld; de reserveschijven kunnen pas na ontgrendelen worden verwijderd.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen worden verwijderd.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> is vergrendeld en kan pas na ontgrendelen veilig worden gewist.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Actie bevestigen</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Bezig met opnieuw scannen...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Bezig met verwijderen...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Bezig met veilig wissen...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Bewerking mislukt</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>De geselecteerde array overlapt met een andere array. Bewerking geannuleerd.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Probleem bij het uitwerpen van het SCSI-apparaat van OXV-array %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Dit apparaat is in gebruik. Sluit alle programma&apos;s of vensters die het apparaat mogelijk gebruiken en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Array verwijderen</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Array %1 is uit de configuratie verwijderd; de apparaten zijn losgekoppeld en kunnen nu fysiek uit het systeem worden verwijderd. Voer GEEN NIEUWE SCHIJFSCAN uit voordat alle schijven van de array zijn losgekoppeld</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>De leds van de schijven in de geselecteerde array branden nu. Klik op &apos;OK&apos; om het identificeren te beëindigen.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Het totale aantal arrays is beperkt tot %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Het RAID-stuurprogramma reageert niet. De lijsten tonen de configuratie die om %1 is gelezen.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Het RAID-stuurprogramma reageert niet. Er kon geen configuratie worden gelezen.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>De console kan niet bepalen welke arrays het besturingssysteem bevatten: Verwijderen, Veilig wissen, Verbergen en Voorbereiden op verwijderen zijn niet beschikbaar.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Array </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Schijf </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformeren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Taakprioriteit</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Schijven initialiseren</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metagegevens wissen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-overzicht</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Info over </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Ondersteuningspakket opslaan...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>De configuratie, logboeken en S.M.A.R.T.-rapporten in één bestand opslaan voor ondersteuning</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Sluiten naar systeemvak</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Als het venster wordt gesloten, blijft de console de arrays vanuit het systeemvak bewaken.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Gepauzeerd: zolang de taak wacht, wordt er geen resterende tijd geschat.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>De resterende tijd wordt geschat zodra de voortgang van de taak een minuut lang is gevolgd.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>De schijf is uitgevallen; het stuurprogramma meldt deze als %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>De schijf meldt S.M.A.R.T.-fouten: vervang deze binnenkort.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Ondersteuningspakket opslaan</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip-archieven (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Het ondersteuningspakket is opgeslagen in %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Het ondersteuningspakket kon niet worden opgeslagen in %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
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
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>De configuratie kon niet worden gelezen; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Schijf %1 is niet meer aanwezig; er is niets gewijzigd. Sluit dit venster en open het opnieuw om de schijven in hun huidige toestand te zien.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Schijvenlijst:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Geselecteerde S.M.A.R.T.-gegevens opvragen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 j  %2 d  %3 u</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 u</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Kan niet worden opgehaald</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
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
        <translation>Firmwarerevisie</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Bedrijfsuren</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Inschakelcycli</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatuur (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: geen beeldscherm om het venster op te openen (DISPLAY en WAYLAND_DISPLAY zijn geen van beide ingesteld); velmora-cli biedt de opdrachten van de console in een terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Huidige prioriteit van de taak &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Kies met de schuifregelaar een nieuwe prioriteit voor de taak &apos;%1&apos; op array &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nieuwe prioriteit: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Transformatie bevestigen</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Waarschuwing: u hebt een reserveschijf in de array opgenomen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Waarschuwing: deze arraytransformatie omvat een hot-swapbaar apparaat. Na de transformatie moet het systeem opnieuw worden opgestart om het besturingssysteem op de hoogte te brengen van de gewijzigde apparaten van de array. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Maken bevestigen</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Waarschuwing: gemengde schijven gedetecteerd! Voor de beste prestaties wordt afgeraden schijven met sterk verschillende prestaties te combineren. Wilt u de array toch maken?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Transformatieopdracht mislukt</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformeren</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Grootste vrije </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aangekondigde hot-swap</translation>
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
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Arrayopties</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Georganiseerd als:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Huidige capaciteit:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. capaciteit</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
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
        <translation>Alle SATA-SSD&apos;s</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD&apos;s</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ongebruikt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Toewijzen als toegewezen reserveschijf</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Toewijzen als globale reserveschijf</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Schijf identificeren met leds</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Apparaat verwijderen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Voorbereiden op verwijderen</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Verwijderen als globale reserveschijf</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Verwijderen als toegewezen reserveschijf</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>De configuratie kon niet worden gelezen; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Schijf %1 is niet meer aanwezig; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Toewijzing reserveschijf bevestigen</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Waarschuwing: gemengde schijven gedetecteerd! Voor de beste prestaties wordt afgeraden schijven met sterk verschillende prestaties te combineren. Wilt u doorgaan met het toewijzen van de reserveschijf?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Schijf identificeren</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>De leds van de geselecteerde schijf branden nu. Klik op &apos;OK&apos; om het identificeren te beëindigen.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status apparaat verwijderen</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Schijvenlijst:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Kanaal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Niet geïnitialiseerd</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Selectie initialiseren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Opnieuw scannen</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Schijf geplaatst</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Een RAID-controller heeft een nieuw geplaatste schijf gedetecteerd. Om deze schijf online te brengen, moet de controller OPNIEUW WORDEN GESCAND. Maakt de schijf deel uit van een array van meerdere schijven, scan dan pas opnieuw nadat de laatste schijf van die array is geplaatst. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Schijf verwijderd</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Een RAID-controller heeft het verwijderen van een schijf gedetecteerd. Om de schijf definitief te verwijderen en de configuratie te synchroniseren, moet opnieuw worden gescand. Maakt de schijf deel uit van een array die offline wordt gehaald, SCAN DAN NIET OPNIEUW voordat de laatste schijf van die array is verwijderd.</translation>
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
        <translation>Arrayopties</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Arraynaam:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Georganiseerd als:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capaciteit:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. capaciteit</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cache-opties:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Grootte cachetag:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Achtergrondscan van array</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Initialiseren overslaan  (niet aanbevolen)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Bestaande gegevens behouden</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Aanmaken met nullen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
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
        <translation>Alle SATA-SSD&apos;s</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD&apos;s</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ongebruikt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lees- + write-back-cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Leescache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-back-cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Geen cache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
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
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Grootste vrije </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aangekondigde hot-swap</translation>
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
        <translation>Firmwareversie</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Controllerlijst:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N.v.t.</translation>
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
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Aantal poorten</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-leverancier-ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-apparaat-ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-subleverancier-ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-subapparaat-ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Sleuf</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Accepteren</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Licentieovereenkomst voor eindgebruikers</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>De tekst van de licentieovereenkomst kan niet worden geladen.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Arrayopties</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Georganiseerd als:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Huidige capaciteit:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. capaciteit:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. capaciteit</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
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
        <translation>Alle SATA-SSD&apos;s</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD&apos;s</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Ongebruikt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Poorttype</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capaciteit</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vrije ruimte</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Grootste vrije </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Aangekondigde hot-swap</translation>
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
        <translation>Firmwareversie</translation>
    </message>
</context>
</TS>
