<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="no">
<context>
    <name>KV_ArrayForm</name>
    <message>
        <source>Volume  (JBOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
