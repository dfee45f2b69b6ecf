<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>NORMALE</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PRONTO</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>CRITICO</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>OBSOLETO</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOCCATO</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>SCONOSCIUTO</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Nessun errore</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Guasto</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Guasto offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NON ATTIVA</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRASFORMAZIONE</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>CREAZIONE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>VERIFICA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RICOSTRUZIONE</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>VERIFICA BITMAP</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>SCRITTURA BITMAP</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>CANCELLAZIONE SICURA</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SPOSTAMENTO PAGINE</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>SPOSTAMENTO LIVELLO</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>CREAZIONE CON AZZERAMENTO</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>AVVIATA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>SOSPESA</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ARRESTATA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>NON RIUSCITA</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>INTERROTTA</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLETATA</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>RIMOSSA</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NON COMPLETATA</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Molto bassa</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critico</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Irreversibile</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Array</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Crea un array RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Trasforma</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Trasforma un array RAID esistente</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Verifica coerenza</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analisi dell&apos;array in background</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Modifica impostazioni cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Nessuna cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Cache di lettura</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Cache write-back</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache di lettura + write-back</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Cambia il nome dell&apos;array selezionato</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Nascondi o mostra un array esistente</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identifica array</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Accendi i LED dell&apos;array selezionato</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Prepara per la rimozione</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Rende l&apos;array invisibile al sistema operativo per prepararne la rimozione</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Rimuovi dischi di riserva</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Rimuove tutti i dischi di riserva dedicati assegnati a questo array</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Elimina un array RAID esistente</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Elimina più &amp;array</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Seleziona più array RAID esistenti da eliminare</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Cancellazione &amp;sicura</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Cancella in modo sicuro un array RAID esistente</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disco</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Ripeti analisi</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Ripete l&apos;analisi di tutti i canali per rilevare dischi fisici e array nuovi o rimossi.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inizializza</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Cancella metadati</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Panoramica &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) è un sistema di monitoraggio integrato nell&apos;unità che rileva e segnala vari indicatori della sua affidabilità.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Gestisce i dischi di riserva per il disco selezionato.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Log dell&apos;applicazione</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Visualizza il log dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Visualizza &amp;controller</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Visualizza l&apos;elenco dei controller</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Visualizzatore &amp;eventi</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Comprimi il visualizzatore eventi</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Cambia il tema dei colori dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Dimensione &amp;icone</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Cambia la dimensione delle icone dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccole</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandi</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Dimensione ca&amp;rattere</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Cambia la dimensione dei caratteri dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normali</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Mostra le versioni dell&apos;applicazione e dei driver RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida per l&apos;utente</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Collegamento alla guida per l&apos;utente</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Supporto</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Collegamento al sito di supporto OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;EULA</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Visualizza il contratto di licenza con l&apos;utente finale (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tipo di porta</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacità</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Max spazio libero</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Riserva globale</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificato</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisione firmware</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nome nel SO</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partizione</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nome array</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacità totale</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stato attività</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Pri</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analisi</translation>
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
        <translation>Riserva ded.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>EULA</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Nascosto)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Origine)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Destinazione)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dischi di riserva dedicati</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Impossibile trovare il driver RAID kvcfg. Verificare che tutti i driver RAID necessari siano installati, altrimenti l&apos;applicazione non funzionerà.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Impossibile trovare i driver RAID OXV. Verificare che RAID sia attivato nelle impostazioni del BIOS.

In modalità AHCI/nativa non è necessaria alcuna operazione. Chiusura dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Eseguire l&apos;applicazione come amministratore.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Con i privilegi utente correnti, in questa applicazione non è possibile:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Eseguire comandi distruttivi.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Visualizzare le partizioni degli array e le informazioni sull&apos;array di sistema.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Notifica evento</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra la velocità corrente in MB al secondo tra il sistema operativo e il driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Mostra la velocità corrente in MB al secondo tra il driver OXV-RAID e il dispositivo di archiviazione.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra le I/O al secondo correnti tra il sistema operativo e il driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Mostra le I/O al secondo correnti tra il driver OXV-RAID e i dispositivi di archiviazione.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Mostra il totale dei byte tra il sistema operativo e il driver OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Mostra il totale dei byte tra il driver OXV-RAID e il dispositivo di archiviazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Eseguire &quot;%1&quot; sull&apos;array %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Questa operazione renderà l&apos;array invisibile al sistema operativo e può causare la PERDITA DI DATI. Continuare con la preparazione per la rimozione?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Rimuovere tutti i dischi di riserva dall&apos;array %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Eliminare l&apos;array %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ATTENZIONE: tutti i dati andranno persi in modo irrecuperabile. Continuare con la cancellazione sicura dell&apos;array %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>La cache write-back attivata può aumentare il rischio di danneggiamento dei dati in caso di arresto imprevisto del sistema. Attivarla?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> è bloccato e non può essere trasformato finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> è bloccato e non è possibile avviare la verifica della coerenza finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> è bloccato e non è possibile arrestare la verifica della coerenza finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> è bloccato e non è possibile avviare l&apos;analisi dell&apos;array in background finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> è bloccato e non è possibile arrestare l&apos;analisi dell&apos;array in background finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> è bloccato e non è possibile modificarne la cache finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> è bloccato e non è possibile modificare la priorità dell&apos;attività finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> è bloccato e non è possibile riprendere un&apos;attività finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> è bloccato e non è possibile sospendere un&apos;attività finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> è bloccato e non è possibile rimuovere un&apos;attività finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> è bloccato e non può essere rinominato finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> è bloccato e non può essere nascosto finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> è bloccato e non può essere identificato finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> è bloccato e non può essere preparato per la rimozione finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> è bloccato e non è possibile rimuoverne i dischi di riserva finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> è bloccato e non può essere eliminato finché non viene sbloccato.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> è bloccato e non può essere cancellato in modo sicuro finché non viene sbloccato.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Conferma azione</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Nuova analisi in corso...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Eliminazione in corso...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Cancellazione sicura in corso...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>L&apos;array selezionato si sovrappone a un altro array. Operazione annullata.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problema durante l&apos;espulsione del dispositivo SCSI dell&apos;array OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Il dispositivo è in uso. Chiudere i programmi o le finestre che potrebbero utilizzarlo e riprovare.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Rimozione array</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>L&apos;array %1 è stato rimosso dalla configurazione; i suoi dispositivi sono scollegati e possono ora essere rimossi fisicamente dal sistema. È importante non RIPETERE L&apos;ANALISI DEI DISCHI finché tutti i dischi dell&apos;array non sono stati scollegati</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>I LED dei dischi dell&apos;array selezionato sono accesi. Fare clic su &apos;OK&apos; per terminare l&apos;identificazione.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Il numero totale di array è limitato a %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Il driver RAID non risponde. Gli elenchi mostrano la configurazione letta alle %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Il driver RAID non risponde. Impossibile leggere la configurazione.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>La console non riesce a stabilire quali array contengono il sistema operativo: Elimina, Cancellazione sicura, Nascondi e Prepara per la rimozione non sono disponibili.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Array </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disco </translation>
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
        <translation>Ripeti analisi</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Unità inserita</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Un controller RAID ha rilevato l&apos;inserimento di una nuova unità. Per portare l&apos;unità online è necessario RIPETERE L&apos;ANALISI del controller. Se l&apos;unità fa parte di un array di più unità, ripetere l&apos;analisi solo dopo aver inserito l&apos;ultima unità dell&apos;array. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Unità rimossa</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Un controller RAID ha rilevato la rimozione di un&apos;unità disco. Per rimuovere definitivamente l&apos;unità e sincronizzare la configurazione è necessario ripetere l&apos;analisi. Se l&apos;unità fa parte di un array che viene portato offline, NON RIPETERE L&apos;ANALISI finché non è stata rimossa l&apos;ultima unità dell&apos;array.</translation>
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
        <translation>Accetto</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contratto di licenza con l&apos;utente finale</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Impossibile caricare il testo del contratto di licenza.</translation>
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
