<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Alkalmazás verziója:</translation>
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
        <translation>Kötet  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (csíkozás)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (tükrözés)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (tükrök csíkozása)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (csíkozás paritással)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (csíkozás 2 paritással)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Lemez </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Érvénytelen konfiguráció: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Egyszerű</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Adjon meg legfeljebb 30 karakteres tömbnevet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Tömb neve</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Érvénytelen név: a tömb neve nem egyezhet meg meglévő tömbök nevével, és nem tartalmazhatja a következő karaktereket: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lemezek listája:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Vez. csat.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Használatban</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metaadatok törlése</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nem található szabad területtel rendelkező lemez. RAID-tömb létrehozásához először szabadítson fel helyet egy meglévő lemezen, vagy adjon hozzá egy további lemezt a rendszerhez.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Érvénytelen név: a tömb neve nem egyezhet meg meglévő tömbök nevével, és nem tartalmazhatja a következő karaktereket: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Létrehozás megerősítése</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Figyelmeztetés: tartalékot vett fel a tömbbe. Folytatja?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Figyelmeztetés: eltérő meghajtók keverése észlelhető! A legjobb teljesítmény érdekében nem ajánlott jelentősen eltérő teljesítményű meghajtókat keverni. Ennek ellenére létrehozza?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>A létrehozás sikertelen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Legnagyobb szabad </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bejelentett üzem közbeni csere</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Belső vezérlőprogram verziója</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Tömbbeállítások</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Tömb neve:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Elrendezés:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitás:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximális kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximális kapacitás</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Gyorsítótár-beállítások:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Gyorsítótár-címke mérete:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Háttérben futó tömbvizsgálat</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Inicializálás kihagyása  (nem ajánlott)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Meglévő adatok megtartása</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Létrehozás nullázással</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Minden NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Minden SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Minden HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nem használt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Név az OS-ben</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partíció</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Tömb neve</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Teljes kapacitás</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Gyorsítótár</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Biztosan törli a kijelölt tömb(öke)t: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Művelet megerősítése</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Tömbök törlése...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Megszakítás</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Lemez tulajdonságai</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Lemez visszaíró gyorsítótára:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Engedélyezés</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Letiltás</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Lemez előreolvasása:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-lekérdezés:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Megjegyzés: a lemez visszaíró gyorsítótárának bekapcsolása áramkimaradás esetén növelheti az adatsérülés valószínűségét.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Visszaíró gyorsítótár</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Előreolvasás</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-lekérdezés</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Belső vezérlőprogram változata</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> NVMe-eszköz, ezért a lemez gyorsítótár-beállításai nem módosíthatók.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Tömb %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Tömb %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, szüneteltetve</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 offline állapotban van</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 újraépítése folyik, miközben a(z) %2 lemez S.M.A.R.T.-hibákat jelez: még egy meghibásodás a tömb elvesztésével járna</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>újraépítés a(z) %1 lemezre, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>újraépítés, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 kritikus állapotban van: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 kritikus állapotban van: a(z) %2 lemez meghibásodott</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 kritikus állapotban van</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 átalakítása folyamatban: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 létrehozása folyamatban: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 biztonságos törlése folyamatban: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: meghibásodott tag a(z) %2 lemezen</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 elvesztette utolsó tartalékát</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>konzisztencia-ellenőrzés</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>kevesebb mint egy perc van hátra</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>még kb. egy perc van hátra</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>még kb. %n óra van hátra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>még kb. %n perc van hátra</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>A RAID-illesztőprogram nem válaszol</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>A(z) %1 lemez S.M.A.R.T.-hibákat jelez</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (és még %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nincs konfigurált tömb</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>A tömb rendben van</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Mind a(z) %n tömb rendben van</numerusform>
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
        <translation>%1 &amp;megjelenítése</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 kritikus állapotban van</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 offline állapotban van</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: az újraépítés befejeződött; a tömb ismét rendben van</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: az átalakítás befejeződött</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: az újraépítés véget ért; a tömb állapota: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: az átalakítás véget ért; a tömb állapota: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>A(z) %1 tartaléklemez átvette egy meghibásodott tag helyét</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Lemez %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>A(z) %1 lemez meghibásodott</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>A(z) %1 lemez S.M.A.R.T.-hibákat jelez</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n tömb vagy lemez változott: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMÁL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>KÉSZ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRITIKUS</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ELAVULT</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>GYORSÍTÓTÁR OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ZÁROLVA</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>ISMERETLEN</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Nincs hiba</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Meghibásodott</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Meghibásodott, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NEM AKTÍV</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>ÁTALAKÍTÁS</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>LÉTREHOZÁS</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ELLENŐRZÉS</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>MÁSOLÁS</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ÚJRAÉPÍTÉS</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITTÉRKÉP-ELLENŐRZÉS</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITTÉRKÉP KIÍRÁSA</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BIZTONSÁGOS TÖRLÉS</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>LAPÁTHELYEZÉS</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>SZINTEK KÖZÖTTI ÁTHELYEZÉS</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>LÉTREHOZÁS NULLÁZÁSSAL</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ELINDÍTVA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>SZÜNETEL</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>LEÁLLÍTÁS</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>MEGHIBÁSODOTT</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>LEÁLLÍTVA</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>BEFEJEZVE</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ELTÁVOLÍTVA</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NEM FEJEZŐDÖTT BE</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Nagyon alacsony</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Tájékoztató</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritikus</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Végzetes</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ismeretlen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Tömb</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Létrehozás</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID-tömb létrehozása</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>Át&amp;alakítás</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Meglévő RAID-tömb átalakítása</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Konzisztencia-ellenőrzés</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Háttérben futó tömbvizsgálat</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Gyorsítótár-beállítások módosítása</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Nincs gyorsítótár</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Olvasási gyorsítótár</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Visszaíró gyorsítótár</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Olvasási + visszaíró gyorsítótár</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritás</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Név</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>A kijelölt tömb nevének módosítása</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Elrejtés</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Meglévő tömb elrejtése/megjelenítése</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Tömb azonosítása</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>A kijelölt tömböt jelölő LED(-ek) felgyújtása</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Eltávolítás előkészítése</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>A tömb elrejtése az operációs rendszer elől az eltávolítás előkészítéseként</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Tartalékok eltávolítása</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>A tömbhöz rendelt összes dedikált tartalék eltávolítása</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Meglévő RAID-tömb törlése</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Több tömb t&amp;örlése</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Több meglévő RAID-tömb kijelölése törlésre</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Biztonságos törlés</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Meglévő RAID-tömb biztonságos törlése</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Lemez</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>Ú&amp;jrakeresés</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Az összes csatorna újrakeresése az új vagy eltávolított fizikai lemezek és tömbök észleléséhez.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializálás</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Metaadatok törlése</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Tulajdonságok</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. áttekintés</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>A S.M.A.R.T. (önfigyelő, elemző és jelentéskészítő technológia) a meghajtó felügyeleti rendszere, amely észleli és jelenti a meghajtó megbízhatóságának különféle mutatóit.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>A kijelölt lemez tartalékainak kezelése.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Nézet</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Frissítés</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Alkalmazásnapló</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Az alkalmazásnapló adatainak megtekintése.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>&amp;Vezérlők megtekintése</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Vezérlők listájának megtekintése</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Eseménynézet</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Eseménynézet összecsukása</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Téma</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Az alkalmazás színtémájának módosítása</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sötét</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Világos</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Ikonméret</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Az alkalmazás ikonméretének módosítása</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Kicsi</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Nagy</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Betűméret</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Az alkalmazás betűméretének módosítása</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Az alkalmazás és a RAID-illesztőprogramok verziójának megjelenítése</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Felhasználói útmutató</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Hivatkozás a felhasználói útmutatóra</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Támogatás</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Hivatkozás az OXV támogatási webhelyére</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Licencszerződés</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>A végfelhasználói licencszerződés (EULA) megtekintése.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Legnagyobb szabad</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globális tartalék</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bejelentett üzem közbeni csere</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Belső vezérlőprogram változata</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Név az OS-ben</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partíció</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Tömb neve</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Teljes kapacitás</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Feladat állapota</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Vizsgálat</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Gyorsítótár</translation>
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
        <translation>Ded. tart.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Esemény</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Szöveg</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Licencszerződés</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Rejtett)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Forrás)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Cél)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dedikált tartalékok</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Hiányzik</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nincs</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>A kvcfg RAID-illesztőprogram nem található. Győződjön meg arról, hogy minden szükséges RAID-illesztőprogram telepítve van, különben az alkalmazás nem fog működni.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Az OXV RAID-illesztőprogramok nem találhatók. Ellenőrizze, hogy a BIOS-beállításokban engedélyezve van-e a RAID.

AHCI/natív módban nincs teendő. Az alkalmazás kilép.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Futtassa az alkalmazást rendszergazdaként.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Ha az alkalmazást a jelenlegi felhasználói jogosultságokkal futtatja, nem tud:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Romboló parancsok végrehajtása.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) A tömbök partícióinak és a rendszertömb adatainak megtekintése.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Eseményértesítés</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Az érték az OS és az OXV-RAID illesztőprogram közötti aktuális MB/másodperc teljesítményt mutatja.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Az érték az OXV-RAID illesztőprogram és a tárolóeszköz közötti aktuális MB/másodperc teljesítményt mutatja.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Az érték az OS és az OXV-RAID illesztőprogram közötti aktuális IO/másodperc teljesítményt mutatja.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Az érték az OXV-RAID illesztőprogram és a tárolóeszközök közötti aktuális IO/másodperc teljesítményt mutatja.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Az érték az OS és az OXV-RAID illesztőprogram közötti összes bájtot mutatja.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Az érték az OXV-RAID illesztőprogram és a tárolóeszköz közötti összes bájtot mutatja.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Végrehajtja a(z) „%1” műveletet a(z) %2 tömbön: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ez a művelet láthatatlanná teszi a tömböt az operációs rendszer számára, és ADATVESZTÉST okozhat. Folytatja az eltávolítás előkészítését?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Eltávolítja az összes tartalékot a(z) %1 tömbből?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Törli a(z) %1 tömböt: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>FIGYELEM: minden adat véglegesen elvész. Folytatja a(z) %1 „%2” tömb biztonságos törlését?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>A bekapcsolt visszaíró gyorsítótár növelheti az adatsérülés valószínűségét, ha a rendszer váratlanul leáll. Engedélyezi?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> zárolva van, és nem alakítható át, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> zárolva van, és a konzisztencia-ellenőrzés nem indítható el, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> zárolva van, és a konzisztencia-ellenőrzés nem állítható le, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> zárolva van, és a háttérben futó tömbvizsgálat nem indítható el, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> zárolva van, és a háttérben futó tömbvizsgálat nem állítható le, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> zárolva van, és a gyorsítótár nem módosítható, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> zárolva van, és a feladat prioritása nem módosítható, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> zárolva van, és a feladat nem folytatható, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> zárolva van, és a feladat nem szüneteltethető, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> zárolva van, és a feladat nem távolítható el, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> zárolva van, és nem nevezhető át, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> zárolva van, és nem rejthető el, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> zárolva van, és nem azonosítható, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> zárolva van, és nem készíthető elő eltávolításra, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> zárolva van, és a tartalékok nem távolíthatók el, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> zárolva van, és nem törölhető, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> zárolva van, és nem törölhető biztonságosan, amíg fel nem oldják.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Művelet megerősítése</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Újrakeresés folyamatban...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Törlés folyamatban...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Biztonságos törlés folyamatban...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>A művelet sikertelen</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>A kijelölt tömb átfedésben van egy másik tömbbel. A művelet megszakítva.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Hiba az OXV %1 tömb SCSI-eszközének kiadásakor</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Az eszköz jelenleg használatban van. Zárjon be minden olyan programot vagy ablakot, amely az eszközt használhatja, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Tömb eltávolítása</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>A(z) %1 tömb eltávolítva a konfigurációból, az eszközök le vannak választva, és most fizikailag eltávolíthatók a rendszerből. Fontos, hogy ne végezzen LEMEZ-ÚJRAKERESÉST, amíg a tömb összes lemeze le nem lett választva</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>A kijelölt tömb lemezeit jelölő LED-ek most világítanak. Az azonosítás befejezéséhez kattintson az &apos;OK&apos; gombra.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>A tömbök teljes száma legfeljebb %1 lehet.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>A RAID-illesztőprogram nem válaszol. A listák a(z) %1 időpontban beolvasott konfigurációt mutatják.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>A RAID-illesztőprogram nem válaszol. Nem sikerült konfigurációt beolvasni.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>A konzol nem tudja megállapítani, mely tömbök tartalmazzák az operációs rendszert: a törlés, a biztonságos törlés, az elrejtés és az eltávolítás előkészítése nem érhető el.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Tömb </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Lemez </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Átalakítás</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Feladat prioritása</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Lemezek inicializálása</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Metaadatok törlése</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Tulajdonságok</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. áttekintés</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Vezérlők</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Névjegy: </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Támogatási csomag mentése...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>A konfiguráció, a naplók és a S.M.A.R.T.-jelentések mentése egy fájlba a támogatás számára</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>Be&amp;zárás a tálcára</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Az ablak bezárása után a konzol a tálcáról figyeli tovább a tömböket.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Szüneteltetve: amíg a feladat várakozik, a hátralévő idő nem becsülhető.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>A hátralévő időt a program akkor becsüli, ha a feladat előrehaladását egy percig figyelte.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>A lemez meghibásodott; az illesztőprogram szerint az állapota: %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>A lemez S.M.A.R.T.-hibákat jelez: hamarosan cserélje ki.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Támogatási csomag mentése</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-archívumok (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>A támogatási csomag mentve ide: %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>A támogatási csomag nem menthető ide: %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>A konfiguráció nem olvasható be; semmi sem változott.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>A(z) %1 lemez már nincs jelen; semmi sem változott. Zárja be ezt az ablakot, és nyissa meg újra a lemezek jelenlegi állapotához.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Lemezek listája:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Kijelölt S.M.A.R.T.-adatok lekérdezése</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 év  %2 nap  %3 óra</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 nap  %2 óra</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nem sikerült lekérni</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Belső vezérlőprogram változata</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Üzemórák</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Bekapcsolási ciklusok</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Hőmérséklet (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: nincs kijelző, amelyen az ablak megnyitható (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva); a konzol parancsait terminálban a velmora-cli adja.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>A(z) &apos;%1&apos; feladat jelenlegi prioritása: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>A csúszkával válasszon új prioritást a(z) &apos;%1&apos; feladathoz a(z) &apos;%2&apos; tömbön.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Új prioritás: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Átalakítás megerősítése</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Figyelmeztetés: tartalékot vett fel a tömbbe. Folytatja?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Figyelmeztetés: ez a tömbátalakítás üzem közben cserélhető eszközt tartalmaz. Az átalakítás befejezése után a rendszert újra kell indítani, hogy az OS értesüljön a tömb eszközeinek változásairól. Folytatja?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Létrehozás megerősítése</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Figyelmeztetés: eltérő meghajtók keverése észlelhető! A legjobb teljesítmény érdekében nem ajánlott jelentősen eltérő teljesítményű meghajtókat keverni. Ennek ellenére létrehozza?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Az átalakítási parancs sikertelen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Átalakítás</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Forrás</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Legnagyobb szabad </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bejelentett üzem közbeni csere</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Belső vezérlőprogram verziója</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Tömbbeállítások</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Elrendezés:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Jelenlegi kapacitás:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximális kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximális kapacitás</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Minden NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Minden SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Minden HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nem használt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Ugyanaz</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Hozzárendelés dedikált tartalékként</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Hozzárendelés globális tartalékként</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Lemez azonosítása LED-ekkel</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Eszköz eltávolítása</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Eltávolítás előkészítése</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Globális tartalék szerep megszüntetése</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Dedikált tartalék szerep megszüntetése</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>A konfiguráció nem olvasható be; semmi sem változott.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>A(z) %1 lemez már nincs jelen; semmi sem változott.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Tartalék hozzárendelésének megerősítése</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Figyelmeztetés: eltérő meghajtók keverése észlelhető! A legjobb teljesítmény érdekében nem ajánlott jelentősen eltérő teljesítményű meghajtókat keverni. Folytatja a tartalék hozzárendelését?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Lemez azonosítása</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>A kijelölt lemezt jelölő LED-ek most világítanak. Az azonosítás befejezéséhez kattintson az &apos;OK&apos; gombra.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Eszköz eltávolításának állapota</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lemezek listája:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Vez. csat.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Használatban</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Inicializálatlan</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Kijelöltek inicializálása</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Újrakeresés</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Meghajtó behelyezve</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Egy RAID-vezérlő új meghajtó behelyezését észlelte. A meghajtó üzembe állításához a vezérlőt ÚJRA KELL KERESNI. Ha a meghajtó egy több meghajtóból álló tömb része, csak a tömb utolsó meghajtójának behelyezése után végezze el az újrakeresést. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Meghajtó eltávolítva</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Egy RAID-vezérlő lemezmeghajtó eltávolítását észlelte. A meghajtó végleges eltávolításához és a konfiguráció szinkronizálásához újrakeresést kell végezni. Ha a meghajtó egy lekapcsolás alatt álló tömb része, NE VÉGEZZEN ÚJRAKERESÉST, amíg a tömb utolsó meghajtóját is el nem távolította.</translation>
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
        <translation>Tömbbeállítások</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Tömb neve:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Elrendezés:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitás:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximális kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximális kapacitás</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Gyorsítótár-beállítások:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Gyorsítótár-címke mérete:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Háttérben futó tömbvizsgálat</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Inicializálás kihagyása  (nem ajánlott)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Meglévő adatok megtartása</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Létrehozás nullázással</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Minden NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Minden SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Minden HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nem használt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Olvasási + visszaíró gyorsítótár</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Olvasási gyorsítótár</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Visszaíró gyorsítótár</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Nincs gyorsítótár</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértelmezett</translation>
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
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Legnagyobb szabad </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bejelentett üzem közbeni csere</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Belső vezérlőprogram verziója</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Vezérlők listája:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Nincs adat</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Szám</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Portok száma</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-gyártóazonosító</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-eszközazonosító</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-algyártóazonosító</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-aleszközazonosító</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Busz</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Bővítőhely</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkció</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Elfogadom</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Végfelhasználói licencszerződés</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>A licencszerződés szövege nem tölthető be.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Tömbbeállítások</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Elrendezés:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Jelenlegi kapacitás:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maximális kapacitás:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maximális kapacitás</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Minden NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Minden SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Minden HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nem használt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Ugyanaz</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Lemez</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Port típusa</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Felhasználás</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Szabad terület</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Legnagyobb szabad </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bejelentett üzem közbeni csere</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellszám</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Belső vezérlőprogram verziója</translation>
    </message>
</context>
</TS>
