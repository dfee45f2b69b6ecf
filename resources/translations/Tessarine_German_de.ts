<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Anwendungsversion:</translation>
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
        <translation>RAID 0  (Stripe)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (Spiegel)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (Stripe aus Spiegeln)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (Stripe mit Parität)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (Stripe mit 2 Paritäten)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Datenträger </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Ungültige Konfiguration: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Geben Sie einen Array-Namen mit bis zu 30 Zeichen ein.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Array-Name</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ungültiger Name: Array-Namen dürfen nicht mit vorhandenen Array-Namen übereinstimmen oder die folgenden Zeichen enthalten: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Datenträgerliste:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Kan</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In Verwendung</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metadaten löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Größter freier Bereich </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GE</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Angemeldeter Hot-Swap</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Array-Optionen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Array-Name:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisiert als:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. Kapazität</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cache-Optionen:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Cache-Tag-Größe:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Array-Hintergrundprüfung</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Initialisierung überspringen  (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Vorhandene Daten erhalten</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Mit Nullen erstellen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
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
        <translation>Alle SATA-SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Unbenutzt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Es wurden keine Datenträger mit freiem Platz gefunden. Um ein RAID-Array zu erstellen, geben Sie bitte zuerst Platz auf einem vorhandenen Datenträger frei oder fügen Sie dem System einen weiteren Datenträger hinzu.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Ungültiger Name: Array-Namen dürfen nicht mit vorhandenen Array-Namen übereinstimmen und keines der folgenden Zeichen enthalten: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Erstellen bestätigen</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Warnung: Sie haben ein Ersatzlaufwerk in das Array aufgenommen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Warnung: Gemischte Laufwerke erkannt! Für die beste Leistung wird nicht empfohlen, Laufwerke mit deutlich unterschiedlicher Leistung zu mischen. Möchten Sie trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Erstellen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>BS-Name</translation>
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
        <translation>Array-Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Gesamtkapazität</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Möchten Sie die ausgewählten Arrays wirklich löschen: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Arrays werden gelöscht...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Datenträgereigenschaften</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Write-Back-Caching des Datenträgers:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Vorauslesen des Datenträgers:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-Abfrage:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Hinweis: Das Aktivieren des Write-Back-Cachings kann bei einem Stromausfall die Wahrscheinlichkeit einer Datenbeschädigung erhöhen.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-Back-Cache</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Vorauslesen</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-Abfrage</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> ist ein NVMe-Gerät; seine Cache-Einstellungen können nicht geändert werden.</translation>
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
        <translation>%1, angehalten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ist offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 wird wiederhergestellt, während Datenträger %2 S.M.A.R.T.-Fehler meldet: Ein weiterer Ausfall führt zum Verlust des Arrays</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>Wiederherstellung auf Datenträger %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>Wiederherstellung, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 ist kritisch: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 ist kritisch: Datenträger %2 ist ausgefallen</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 ist kritisch</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 wird umgewandelt: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 wird erstellt: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 wird sicher gelöscht: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 hat ein ausgefallenes Mitglied auf Datenträger %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 hat sein letztes Ersatzlaufwerk verloren</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>Konsistenzprüfung</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>noch etwa eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>noch etwa %n Stunde</numerusform>
            <numerusform>noch etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>noch etwa %n Minute</numerusform>
            <numerusform>noch etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Der RAID-Treiber antwortet nicht</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Datenträger %1 meldet S.M.A.R.T.-Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (und %n weiteres)</numerusform>
            <numerusform>%1 (und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Es sind keine Arrays eingerichtet</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Das Array ist fehlerfrei</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Alle %n Arrays sind fehlerfrei</numerusform>
            <numerusform>Alle %n Arrays sind fehlerfrei</numerusform>
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
        <translation>%1 &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 ist kritisch</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ist offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: Die Wiederherstellung ist abgeschlossen; das Array ist wieder fehlerfrei</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: Die Umwandlung ist abgeschlossen</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: Die Wiederherstellung wurde beendet; das Array ist %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: Die Umwandlung wurde beendet; das Array ist %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Ersatzlaufwerk %1 hat den Platz eines ausgefallenen Mitglieds eingenommen</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Datenträger %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Datenträger %1 ist ausgefallen</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Datenträger %1 meldet S.M.A.R.T.-Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n Array oder Datenträger hat sich geändert: %1</numerusform>
            <numerusform>%n Arrays oder Datenträger haben sich geändert: %1</numerusform>
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
        <translation>BEREIT</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITISCH</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>VERALTET</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>CACHE OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>GESPERRT</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ausgefallen</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Ausgefallen offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NICHT AKTIV</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>UMWANDLUNG</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>ERSTELLUNG</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PRÜFUNG</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>NEUAUFBAU</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITMAP-PRÜFUNG</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITMAP SCHREIBEN</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>SICHERES LÖSCHEN</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SEITENVERSCHIEBUNG</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>TIER-VERSCHIEBUNG</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>NULL-ERSTELLUNG</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>GESTARTET</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ANGEHALTEN</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>HERUNTERGEFAHREN</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>GESTOPPT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ABGESCHLOSSEN</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ENTFERNT</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NICHT ABGESCHLOSSEN</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Sehr niedrig</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Schwerwiegend</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>A&amp;rray</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID-Array erstellen</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Ein vorhandenes RAID-Array umwandeln</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konsistenz prüfen</translation>
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
        <translation>Array-Hintergrundprüfung</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Cache-Einstellungen ändern</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Kein Cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lese-Cache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-Back-Cache</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lese- + Write-Back-Cache</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Namen des ausgewählten Arrays ändern</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Ein vorhandenes Array aus- oder einblenden</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Array identifizieren</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>LED(s) des ausgewählten Arrays leuchten lassen</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Zum Entfernen &amp;vorbereiten</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Das Array vor dem Entfernen für das Betriebssystem unsichtbar machen</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Ersatzlaufwerke entfernen</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Alle diesem Array zugewiesenen dedizierten Ersatzlaufwerke entfernen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Ein vorhandenes RAID-Array löschen</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>&amp;Mehrere Arrays löschen</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Mehrere vorhandene RAID-Arrays zum Löschen auswählen</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Sicher löschen</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Ein vorhandenes RAID-Array sicher löschen</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>Daten&amp;träger</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Alle Kanäle neu einlesen, um neue oder entfernte Datenträger und Arrays zu erkennen.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialisieren</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Metadaten &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-Übersicht</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) ist ein Überwachungssystem des Laufwerks, das verschiedene Kennzahlen seiner Zuverlässigkeit erfasst und meldet.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Ersatzlaufwerke für den ausgewählten Datenträger verwalten.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Anwendungsprotokoll</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Das Anwendungsprotokoll anzeigen.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>&amp;Controller anzeigen</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Controllerliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Ereignisansicht</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Ereignisansicht einklappen</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Farbschema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Farbschema der Anwendung ändern</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>S&amp;ymbolgröße</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Symbolgröße der Anwendung ändern</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Schriftgröße</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Schriftgröße der Anwendung ändern</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Versionen der Anwendung und der RAID-Treiber anzeigen</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Zum Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Zur Support-Website von OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;EULA</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Endbenutzer-Lizenzvertrag (EULA) anzeigen.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Größter freier Bereich</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globales Ersatzlaufwerk</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Angemeldeter Hot-Swap</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>BS-Name</translation>
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
        <translation>Array-Name</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Gesamtkapazität</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Aufgabenzustand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Prüfung</translation>
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
        <translation>Ded. Ersatz</translation>
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
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>EULA</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Ausgeblendet)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Quelle)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Ziel)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dedizierte Ersatzlaufwerke</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Der RAID-Treiber kvcfg wurde nicht gefunden. Bitte stellen Sie sicher, dass alle erforderlichen RAID-Treiber installiert sind, sonst ist die Anwendung nicht funktionsfähig.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Die RAID-Treiber von OXV wurden nicht gefunden. Bitte prüfen Sie, ob RAID in den BIOS-Einstellungen aktiviert ist.

Im AHCI- oder Native-Modus ist nichts zu tun. Die Anwendung wird beendet.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Bitte führen Sie die Anwendung als Administrator aus.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Mit Ihren aktuellen Benutzerrechten können Sie in dieser Anwendung nicht:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Befehle ausführen, die Daten zerstören.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Partitionen der Arrays und Angaben zum System-Array sehen.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Ereignisbenachrichtigung</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Der Wert zeigt die aktuelle Leistung in MB pro Sekunde zwischen dem Betriebssystem und dem OXV-RAID-Treiber.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Der Wert zeigt die aktuelle Leistung in MB pro Sekunde zwischen dem OXV-RAID-Treiber und dem Speichergerät.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Der Wert zeigt die aktuellen E/A-Vorgänge pro Sekunde zwischen dem Betriebssystem und dem OXV-RAID-Treiber.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Der Wert zeigt die aktuellen E/A-Vorgänge pro Sekunde zwischen dem OXV-RAID-Treiber und den Speichergeräten.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Der Wert zeigt die gesamte Datenmenge zwischen dem Betriebssystem und dem OXV-RAID-Treiber.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Der Wert zeigt die gesamte Datenmenge zwischen dem OXV-RAID-Treiber und dem Speichergerät.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Möchten Sie Array %2: %3 wirklich %1?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Dieser Vorgang macht das Array für das Betriebssystem unsichtbar und kann zu DATENVERLUST führen. Möchten Sie mit dem Vorbereiten zum Entfernen fortfahren?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Alle Ersatzlaufwerke von Array %1 entfernen?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Möchten Sie Array %1: %2 löschen?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>WARNUNG: Alle Daten gehen unwiederbringlich verloren. Array %1 &quot;%2&quot; sicher löschen?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Ein eingeschalteter Write-Back-Cache erhöht die Gefahr beschädigter Daten, wenn das System unerwartet herunterfährt. Möchten Sie ihn einschalten?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren umgewandelt werden.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Konsistenzprüfung starten.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Konsistenzprüfung stoppen.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Hintergrundprüfung starten.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Hintergrundprüfung stoppen.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren den Cache ändern.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren die Aufgabenpriorität ändern.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Aufgabe fortsetzen.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Aufgabe anhalten.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren eine Aufgabe entfernen.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren umbenannt werden.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren ausgeblendet werden.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren identifiziert werden.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren zum Entfernen vorbereitet werden.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> ist gesperrt; seine Ersatzlaufwerke können erst nach dem Entsperren entfernt werden.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren gelöscht werden.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> ist gesperrt und kann erst nach dem Entsperren sicher gelöscht werden.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Neu einlesen läuft...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Löschen läuft...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Sicheres Löschen läuft...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Das ausgewählte Array überschneidet sich mit einem anderen Array. Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem beim Auswerfen des SCSI-Geräts von OXV-Array %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Dieses Gerät wird gerade verwendet. Schließen Sie alle Programme oder Fenster, die es verwenden könnten, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Array entfernen</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Array %1 wurde aus der Konfiguration entfernt, seine Geräte sind getrennt und können jetzt aus dem System ausgebaut werden. Lesen Sie die Datenträger erst dann NEU EIN, wenn alle Datenträger des Arrays getrennt sind</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Die LEDs der Datenträger des ausgewählten Arrays leuchten jetzt. Klicken Sie auf &apos;OK&apos;, um das Identifizieren zu beenden.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Die Anzahl der Arrays ist auf %1 begrenzt.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Der RAID-Treiber antwortet nicht. Die Listen zeigen die Konfiguration vom %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Der RAID-Treiber antwortet nicht. Es konnte keine Konfiguration gelesen werden.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Die Konsole kann nicht feststellen, welche Arrays das Betriebssystem enthalten: Löschen, Sicheres Löschen, Ausblenden und Zum Entfernen vorbereiten sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Array </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Datenträger </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Aufgabenpriorität</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Datenträger initialisieren</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metadaten löschen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-Übersicht</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Supportpaket speichern...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Konfiguration, Protokolle und S.M.A.R.T.-Berichte in einer Datei für den Support speichern</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;In den Infobereich schließen</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Nach dem Schließen des Fensters überwacht die Konsole die Arrays weiter aus dem Infobereich.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Angehalten: Solange die Aufgabe wartet, wird keine Restzeit geschätzt.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Die Restzeit wird geschätzt, sobald der Fortschritt der Aufgabe eine Minute lang beobachtet wurde.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Der Datenträger ist ausgefallen; der Treiber meldet ihn als %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Der Datenträger meldet S.M.A.R.T.-Fehler: Ersetzen Sie ihn bald.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Supportpaket speichern</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip-Archive (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Das Supportpaket wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Das Supportpaket konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Die Konfiguration konnte nicht gelesen werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Datenträger %1 ist nicht mehr vorhanden; es wurde nichts geändert. Schließen Sie dieses Fenster und öffnen Sie es erneut, um die Datenträger in ihrem jetzigen Zustand zu sehen.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Datenträgerliste:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>S.M.A.R.T.-Daten der Auswahl abfragen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1J  %2T  %3Std</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1T  %2Std</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nicht abrufbar</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Betriebsstunden</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Einschaltvorgänge</translation>
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
        <translation>Velmora: keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); velmora-cli bietet die Befehle der Konsole in einem Terminal.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Aktuelle Priorität der Aufgabe &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Wählen Sie mit dem Schieberegler eine neue Priorität für die Aufgabe &apos;%1&apos; auf Array &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Neue Priorität: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Größter freier Bereich </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GE</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Angemeldeter Hot-Swap</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Array-Optionen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisiert als:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuelle Kapazität:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. Kapazität</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
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
        <translation>Alle SATA-SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Unbenutzt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm Transform</source>
        <translation>Umwandeln bestätigen</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Warnung: Sie haben ein Ersatzlaufwerk in das Array aufgenommen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Warnung: Diese Array-Umwandlung umfasst ein Hot-Swap-fähiges Gerät. Nach Abschluss der Umwandlung muss das System neu gestartet werden, damit das Betriebssystem die geänderten zugrunde liegenden Geräte des Arrays erkennt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Erstellen bestätigen</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Warnung: Gemischte Laufwerke erkannt! Für die beste Leistung wird nicht empfohlen, Laufwerke mit deutlich unterschiedlicher Leistung zu mischen. Möchten Sie trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Umwandlungsbefehl fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Als ded. Ersatz zuweisen</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Als globalen Ersatz zuweisen</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Per LEDs identifizieren</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Zum Entfernen vorbereiten</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Als globalen Ersatz entfernen</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Als ded. Ersatz entfernen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Die Konfiguration konnte nicht gelesen werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Datenträger %1 ist nicht mehr vorhanden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Zuweisung des Ersatzlaufwerks bestätigen</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Warnung: Gemischte Laufwerke erkannt! Für die beste Leistung wird nicht empfohlen, Laufwerke mit deutlich unterschiedlicher Leistung zu mischen. Möchten Sie mit der Zuweisung des Ersatzlaufwerks fortfahren?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Datenträger identifizieren</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Die LEDs des ausgewählten Datenträgers leuchten jetzt. Klicken Sie auf &apos;OK&apos;, um die Identifizierung zu beenden.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Status der Geräteentfernung</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Datenträgerliste:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ctrl Kan</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>In Verwendung</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Nicht initialisiert</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Ausgewählte initialisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Neu einlesen</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Laufwerk eingesetzt</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Ein RAID-Controller hat ein neu eingesetztes Laufwerk erkannt. Um dieses Laufwerk in Betrieb zu nehmen, muss der Controller NEU EINGELESEN werden. Gehört das Laufwerk zu einem Array aus mehreren Laufwerken, lesen Sie erst neu ein, wenn das letzte Laufwerk dieses Arrays eingesetzt ist. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Laufwerk entfernt</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Ein RAID-Controller hat das Entfernen eines Laufwerks erkannt. Um das Laufwerk endgültig zu entfernen und die Konfiguration abzugleichen, muss neu eingelesen werden. Gehört das Laufwerk zu einem Array, das außer Betrieb genommen wird, lesen Sie NICHT NEU EIN, bevor das letzte Laufwerk dieses Arrays entfernt ist.</translation>
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
        <translation>Array-Optionen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Array-Name:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisiert als:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. Kapazität</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Cache-Optionen:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Cache-Tag-Größe:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Array-Hintergrundprüfung</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Initialisierung überspringen  (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Vorhandene Daten erhalten</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Mit Nullen erstellen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
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
        <translation>Alle SATA-SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Unbenutzt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lese- + Write-Back-Cache</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lese-Cache</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Write-Back-Cache</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Kein Cache</translation>
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
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Größter freier Bereich </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GE</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Angemeldeter Hot-Swap</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Controller-Liste:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
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
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-Hersteller-ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-Geräte-ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-Subsystem-Hersteller-ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-Subsystem-Geräte-ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Steckplatz</translation>
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
        <translation>Akzeptieren</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Endbenutzer-Lizenzvertrag</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Der Text des Lizenzvertrags konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Array-Optionen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organisiert als:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Aktuelle Kapazität:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Max. Kapazität:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Max. Kapazität</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
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
        <translation>Alle SATA-SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Alle HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Unbenutzt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Anschlusstyp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Verwendungen</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Größter freier Bereich </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GE</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Angemeldeter Hot-Swap</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
</context>
</TS>
