<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Versione dell&apos;applicazione:</translation>
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
        <translation>RAID 1  (Mirroring)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (Striping di mirror)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (Striping con parità)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (Striping con doppia parità)</translation>
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
        <source>Disk </source>
        <translation>Disco </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Configurazione non valida: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzata</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Immettere un nome di array di massimo 30 caratteri.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Nome array</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nome non valido: il nome di un array non può coincidere con quello di un array esistente né contenere i caratteri seguenti: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Elenco dischi:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canale</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Cancella metadati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Non sono stati rilevati dischi con spazio libero. Per creare un array RAID liberare prima spazio su un disco esistente o aggiungere un disco al sistema.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nome non valido: il nome di un array non può coincidere con quello di un array esistente né contenere i caratteri seguenti: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Conferma creazione</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avviso: è stato incluso un disco di riserva nell&apos;array. Continuare?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avviso: rilevate unità di tipo diverso. Per ottenere le migliori prestazioni si sconsiglia di combinare unità con prestazioni molto diverse. Creare comunque l&apos;array?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Creazione non riuscita</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Max spazio libero </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificato</translation>
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
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opzioni array</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nome array:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizzato come:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacità:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacità max:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacità max</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opzioni cache:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Dimensione tag cache:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analisi dell&apos;array in background</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Salta inizializzazione  (sconsigliato)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Mantieni i dati esistenti</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creazione con azzeramento</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tutti gli NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tutti gli SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tutti gli HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Non utilizzati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Capacità totale</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
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
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Eliminare gli array selezionati: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Conferma azione</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Eliminazione degli array...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Proprietà disco</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Cache write-back del disco:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Lettura anticipata del disco:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Polling SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Nota: l&apos;attivazione della cache write-back del disco può aumentare il rischio di danneggiamento dei dati in caso di interruzione dell&apos;alimentazione.</translation>
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
        <source>Write Back Cache</source>
        <translation>Cache write-back</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Lettura anticipata</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Polling SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Tipo di porta</translation>
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
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> è un dispositivo NVMe e non è possibile modificarne le impostazioni della cache del disco.</translation>
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
        <translation>%1, in pausa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 è offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 è in ricostruzione mentre il disco %2 segnala errori S.M.A.R.T.: un altro guasto ne causerebbe la perdita</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>ricostruzione sul disco %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>ricostruzione, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 è critico: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 è %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 è critico: il disco %2 è guasto</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 è critico</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>Trasformazione di %1 in corso: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>Creazione di %1 in corso: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>Cancellazione sicura di %1 in corso: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 ha un membro guasto sul disco %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 ha perso l&apos;ultimo disco di riserva</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>verifica coerenza</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>meno di un minuto rimanente</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>circa un minuto rimanente</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>circa %n ora rimanente</numerusform>
            <numerusform>circa %n ore rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>circa %n minuto rimanente</numerusform>
            <numerusform>circa %n minuti rimanenti</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Il driver RAID non risponde</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Il disco %1 segnala errori S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (e %n altro)</numerusform>
            <numerusform>%1 (e altri %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nessun array configurato</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>L&apos;array è integro</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n array integro</numerusform>
            <numerusform>Tutti gli %n array sono integri</numerusform>
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
        <translation>&amp;Mostra %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 è critico</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 è offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: la ricostruzione è terminata; l&apos;array è di nuovo integro</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: la trasformazione è terminata</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: la ricostruzione si è interrotta; l&apos;array è %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: la trasformazione si è interrotta; l&apos;array è %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Il disco di riserva %1 ha preso il posto di un membro guasto</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Il disco %1 è guasto</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Il disco %1 segnala errori S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n array o disco modificato: %1</numerusform>
            <numerusform>%n array o dischi modificati: %1</numerusform>
        </translation>
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
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Priorità attività</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inizializza dischi</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Cancella metadati</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Panoramica S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Informazioni su </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Salva pacchetto di supporto...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Salva la configurazione, i log e i rapporti S.M.A.R.T. in un unico file per il supporto</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>C&amp;hiudi nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Chiudendo la finestra, la console continua a monitorare gli array dall&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Sospesa: il tempo rimanente non viene stimato mentre l&apos;attività è in attesa.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Il tempo rimanente viene stimato dopo che l&apos;avanzamento dell&apos;attività è stato osservato per un minuto.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Il disco è guasto; il driver lo segnala come %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Il disco segnala errori S.M.A.R.T.: sostituirlo al più presto.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Salva pacchetto di supporto</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivi zip (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Il pacchetto di supporto è stato salvato in %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Impossibile salvare il pacchetto di supporto in %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
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
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
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
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Impossibile leggere la configurazione; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Il disco %1 non è più presente; non è stato modificato nulla. Chiudere questa finestra e riaprirla per visualizzare i dischi nello stato attuale.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Elenco dischi:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Interroga i dati S.M.A.R.T. selezionati</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 a  %2 g  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 g  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Impossibile recuperare</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Power on Hours</source>
        <translation>Ore di accensione</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cicli di accensione</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatura (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY sono impostati); velmora-cli fornisce i comandi della console in un terminale.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Priorità attuale dell&apos;attività &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Usare il dispositivo di scorrimento per scegliere una nuova priorità per l&apos;attività &apos;%1&apos; dell&apos;array &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nuova priorità: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Conferma trasformazione</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Avviso: è stato incluso un disco di riserva nell&apos;array. Continuare?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Avviso: questa trasformazione dell&apos;array include un dispositivo hot swap. Al termine della trasformazione è necessario riavviare il sistema per notificare al sistema operativo le modifiche ai dispositivi dell&apos;array. Continuare?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Conferma creazione</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Avviso: rilevate unità di tipo diverso. Per ottenere le migliori prestazioni si sconsiglia di combinare unità con prestazioni molto diverse. Creare comunque l&apos;array?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Comando di trasformazione non riuscito</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Max spazio libero </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificato</translation>
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
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opzioni array</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizzato come:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacità attuale:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacità:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacità max:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacità max</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tutti gli NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tutti gli SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tutti gli HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Non utilizzati</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Invariata</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Assegna come disco di riserva dedicato</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Assegna come disco di riserva globale</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identifica il disco con i LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Rimuovi dispositivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Prepara per la rimozione</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Rimuovi come disco di riserva globale</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Rimuovi come disco di riserva dedicato</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Impossibile leggere la configurazione; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Il disco %1 non è più presente; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Conferma assegnazione disco di riserva</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Avviso: rilevate unità di tipo diverso. Per ottenere le migliori prestazioni si sconsiglia di combinare unità con prestazioni molto diverse. Continuare con l&apos;assegnazione del disco di riserva?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identifica disco</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>I LED del disco selezionato sono accesi. Fare clic su &apos;OK&apos; per terminare l&apos;identificazione.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stato rimozione dispositivo</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Elenco dischi:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Canale</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Non inizializzati</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inizializza selezionati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Opzioni array</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nome array:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizzato come:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacità:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacità max:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacità max</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opzioni cache:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Dimensione tag cache:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Analisi dell&apos;array in background</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Salta inizializzazione  (sconsigliato)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Mantieni i dati esistenti</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Creazione con azzeramento</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tutti gli NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tutti gli SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tutti gli HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Non utilizzati</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Cache di lettura + write-back</translation>
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
        <source>No Cache</source>
        <translation>Nessuna cache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
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
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Max spazio libero </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificato</translation>
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
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Elenco controller:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Numero di porte</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID fornitore PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID dispositivo PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID sottofornitore PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID sottodispositivo PCI</translation>
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
        <translation>Funzione</translation>
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
        <translation>Opzioni array</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizzato come:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Capacità attuale:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacità:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Capacità max:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Capacità max</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tutti gli NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tutti gli SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tutti gli HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Non utilizzati</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Invariata</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
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
        <source>Uses</source>
        <translation>Utilizzi</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Max spazio libero </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Hot swap notificato</translation>
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
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
</context>
</TS>
