<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Rakenduse versioon:</translation>
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
        <translation>Köide  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (ribastus)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (peegeldus)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (peeglite ribastus)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (ribastus paarsusega)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (ribastus 2 paarsusega)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Ketas </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Vigane konfiguratsioon: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Täpsem</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Lihtne</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Sisestage massiivi nimi (kuni 30 märki).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Massiivi nimi</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Vigane nimi: massiivi nimi ei tohi kattuda olemasolevate massiivide nimedega ega sisaldada järgmisi märke: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Ketaste loend:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Kasutusel</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Tühjenda metaandmed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Vaba ruumiga kettaid ei leitud. RAID-massiivi loomiseks vabastage esmalt ruumi olemasoleval kettal või lisage süsteemi veel üks ketas.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Vigane nimi: massiivi nimi ei tohi kattuda olemasolevate massiivide nimedega ega sisaldada järgmisi märke: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Loomise kinnitamine</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Hoiatus: lisasite massiivi varuketta. Kas soovite jätkata?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Hoiatus: tuvastati erinevate kettaseadmete segamine! Parima jõudluse huvides pole soovitatav segada oluliselt erineva jõudlusega kettaseadmeid. Kas soovite siiski luua?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Loomine nurjus</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Loo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Eelvaade</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurim vaba </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GV</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Teavitatud kuumvahetus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Püsivara versioon</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Massiivi valikud</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tüüp:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Massiivi nimi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Korraldus:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Maht:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Suurim maht:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Suurim maht</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Vahemälu valikud:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Vahemälu sildi suurus:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Massiivi taustaskannimine</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Jäta initsialiseerimine vahele  (pole soovitatav)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Jäta olemasolevad andmed puutumata</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Nullimisega loomine</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kõik NVMe-d</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kõik SATA SSD-d</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kõik HDD-d</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kasutamata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Seade</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS-i nimi</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Süsteem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partitsioon</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Massiivi nimi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kogumaht</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Vahemälu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Kas soovite kindlasti kustutada valitud massiivi(d): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Toimingu kinnitamine</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Massiivide kustutamine...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Katkesta</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Ketta atribuudid</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Ketta tagasikirjutusvahemälu:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Luba</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Keela</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Ketta ettelugemine:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-küsitlus:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Lubatud</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Keelatud</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Märkus: ketta tagasikirjutusvahemälu sisselülitamine võib süsteemi toitekatkestuse korral suurendada andmete rikkumise tõenäosust.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tagasikirjutusvahemälu</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Ettelugemine</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-küsitlus</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Püsivara redaktsioon</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> on NVMe-seade ja selle ketta vahemälu sätteid ei saa muuta.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Massiiv %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Massiiv %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, peatatud</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 on võrguühenduseta</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 ehitatakse ümber, samal ajal kui ketas %2 teatab S.M.A.R.T. tõrgetest: veel üks rike hävitaks massiivi</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>ümberehitus kettale %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>ümberehitus, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 on kriitilises olekus: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 on kriitilises olekus: ketas %2 on nurjunud</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 on kriitilises olekus</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 teisendatakse: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 luuakse: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 kustutatakse turvaliselt: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: nurjunud liige kettal %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 on kaotanud oma viimase varuketta</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>järjepidevuse kontroll</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>jäänud vähem kui minut</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>jäänud umbes minut</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>jäänud umbes %n tund</numerusform>
            <numerusform>jäänud umbes %n tundi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>jäänud umbes %n minut</numerusform>
            <numerusform>jäänud umbes %n minutit</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-draiver ei vasta</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Ketas %1 teatab S.M.A.R.T. tõrgetest</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (ja veel %n)</numerusform>
            <numerusform>%1 (ja veel %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Ühtegi massiivi pole konfigureeritud</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Massiiv on korras</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Kõik massiivid (%n) on korras</numerusform>
            <numerusform>Kõik massiivid (%n) on korras</numerusform>
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
        <translation>&amp;Kuva %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 on kriitilises olekus</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 on võrguühenduseta</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: ümberehitus on lõpetatud; massiiv on taas korras</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: teisendus on lõpetatud</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: ümberehitus on lõppenud; massiivi olek on %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: teisendus on lõppenud; massiivi olek on %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Varuketas %1 on asendanud nurjunud liikme</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Ketas %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Ketas %1 on nurjunud</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Ketas %1 teatab S.M.A.R.T. tõrgetest</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n massiiv või ketas muutus: %1</numerusform>
            <numerusform>%n massiivi või ketast muutus: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAALNE</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>VALMIS</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRIITILINE</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>VÕRGUÜHENDUSETA</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>AEGUNUD</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>VAHEMÄLU VÕRGUÜHENDUSETA</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>LUKUS</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>TUNDMATU</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Tõrkeid pole</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nurjunud</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Võrguühenduseta</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Nurjunud, võrguühenduseta</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>POLE AKTIIVNE</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TEISENDUS</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>LOOMINE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>KONTROLL</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPEERIMINE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ÜMBEREHITUS</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITIKAARDI KONTROLL</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITIKAARDI TÜHJENDAMINE</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>TURVAKUSTUTUS</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>LEHTEDE TEISALDUS</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>TASEMETE TEISALDUS</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>NULLIMISEGA LOOMINE</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ALUSTATUD</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PEATATUD</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>SULGEMINE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>NURJUNUD</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>PEATATUD</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>LÕPETATUD</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>EEMALDATUD</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>POLE LÕPETATUD</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Väga madal</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Teave</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hoiatus</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kriitiline</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Saatuslik</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tundmatu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Massiiv</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Loo</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Loo RAID-massiiv</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Teisenda</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Teisenda olemasolev RAID-massiiv</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Järjepidevuse kontroll</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alusta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Massiivi taustaskannimine</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Muuda vahemälu sätteid</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Vahemäluta</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lugemisvahemälu</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tagasikirjutusvahemälu</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lugemis- + tagasikirjutusvahemälu</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Ülesanne</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Jätka</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eemalda</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nimi</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Muuda valitud massiivi nime</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Peida</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Peida/too nähtavale olemasolev massiiv</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Tuvasta massiiv</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Süüta valitud massiivi tähistavad LED-tuled</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Valmista ette &amp;eemaldamiseks</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Muuda massiiv eemaldamiseks ettevalmistamisel operatsioonisüsteemile nähtamatuks</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Eemalda varukettad</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Eemalda kõik sellele massiivile määratud pühendatud varukettad</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Kustuta</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Kustuta olemasolev RAID-massiiv</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Kustuta &amp;mitu massiivi</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Vali kustutamiseks mitu olemasolevat RAID-massiivi</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Tu&amp;rvakustutus</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Kustuta olemasolev RAID-massiiv turvaliselt</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Ketas</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>Skanni &amp;uuesti</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Skanni kõik kanalid uuesti, et tuvastada uued või eemaldatud füüsilised kettad ja massiivid.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initsialiseeri</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Tühjenda metaandmed</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Atribuudid</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. ülevaade</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (isejälgimise, analüüsi ja aruandluse tehnoloogia) on kettaseadme jälgimissüsteem, mis tuvastab ja annab teada ketta töökindluse eri näitajatest.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Valikud</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Halda valitud ketta varukettaid.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vaade</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Värskenda</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Rakenduse logi</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Kuva rakenduse logi teave.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Kuva &amp;kontrollerid</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Kuva kontrollerite loend</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Sündmuste vaade</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Ahenda sündmuste vaade</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Teema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Muuda rakenduse värviteemat</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tume</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hele</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Ikoonide suurus</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Muuda rakenduse ikoonide suurust</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Väikesed</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suured</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Fondi suurus</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Muuda rakenduse fondi suurust</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaalne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Abi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Teave</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Kuva rakenduse ja RAID-draiverite versioonid</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Kasutusjuhend</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Link kasutusjuhendile</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>Tu&amp;gi</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Link OXV tugisaidile</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Litsentsileping</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Kuva lõppkasutaja litsentsileping (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Suurim vaba</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globaalne varuketas</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Teavitatud kuumvahetus</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Püsivara redaktsioon</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Seade</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS-i nimi</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Süsteem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partitsioon</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Massiivi nimi</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kogumaht</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Ülesande olek</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Edenemine</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skannimine</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Vahemälu</translation>
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
        <translation>Püh. varu</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Kuupäev</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Sündmus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Litsentsileping</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Peidetud)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Allikas)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Sihtkoht)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Pühendatud varukettad</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Puudub</translation>
    </message>
    <message>
        <source>none</source>
        <translation>puudub</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uus</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Too nähtavale</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>kvcfg RAID-draiverit ei leitud. Veenduge, et kõik vajalikud RAID-draiverid on installitud, muidu rakendus ei tööta.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID-draivereid ei leitud. Kontrollige, kas BIOS-i sätetes on RAID lubatud.

AHCI/omarežiimis pole vaja midagi teha. Rakendus suletakse.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Käivitage rakendus administraatorina.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Kui käitate seda rakendust oma praeguste kasutajaõigustega, ei saa te:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Hävitavaid käske täita.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Vaadata massiivide partitsioone ega süsteemimassiivi teavet.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Sündmuse teatis</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Väärtus näitab praegust MB sekundis jõudlust OS-i ja OXV-RAID-draiveri vahel.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Väärtus näitab praegust MB sekundis jõudlust OXV-RAID-draiveri ja salvestusseadme vahel.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Väärtus näitab praegust IO sekundis jõudlust OS-i ja OXV-RAID-draiveri vahel.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Väärtus näitab praegust IO sekundis jõudlust OXV-RAID-draiveri ja salvestusseadmete vahel.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Väärtus näitab baitide koguarvu OS-i ja OXV-RAID-draiveri vahel.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Väärtus näitab baitide koguarvu OXV-RAID-draiveri ja salvestusseadme vahel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Kas soovite toimingu „%1” massiivile %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>See toiming muudab massiivi operatsioonisüsteemile nähtamatuks ja võib põhjustada ANDMEKAO. Kas soovite eemaldamiseks ettevalmistamise toimingut jätkata?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Kas eemaldada massiivist %1 kõik varukettad?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Kas soovite kustutada massiivi %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>HOIATUS: kõik andmed lähevad jäädavalt kaotsi. Kas jätkata massiivi %1 „%2” turvakustutusega?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Lubatud tagasikirjutusvahemälu võib süsteemi ootamatul väljalülitumisel suurendada andmete rikkumise tõenäosust. Kas soovite selle lubada?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> on lukus ja seda ei saa teisendada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> on lukus ja järjepidevuse kontrolli ei saa alustada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> on lukus ja järjepidevuse kontrolli ei saa peatada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> on lukus ja massiivi taustaskannimist ei saa alustada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> on lukus ja massiivi taustaskannimist ei saa peatada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> on lukus ja selle vahemälu ei saa muuta enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> on lukus ja selle ülesande prioriteeti ei saa muuta enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> on lukus ja selle ülesannet ei saa jätkata enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> on lukus ja selle ülesannet ei saa peatada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> on lukus ja selle ülesannet ei saa eemaldada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> on lukus ja seda ei saa ümber nimetada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> on lukus ja seda ei saa peita enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> on lukus ja seda ei saa tuvastada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> on lukus ja seda ei saa eemaldamiseks ette valmistada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> on lukus ja selle varukettaid ei saa eemaldada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> on lukus ja seda ei saa kustutada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> on lukus ja seda ei saa turvaliselt kustutada enne, kui see on avatud.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Toimingu kinnitamine</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Uuesti skannimine on pooleli...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Kustutamine on pooleli...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Turvakustutus on pooleli...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Toiming nurjus</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Valitud massiiv kattub teise massiiviga. Toiming tühistati.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Tõrge OXV massiivi %1 SCSI-seadme väljutamisel</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>See seade on praegu kasutusel. Sulgege kõik programmid või aknad, mis võivad seda seadet kasutada, ja proovige uuesti.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Massiivi eemaldamine</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Massiiv %1 on konfiguratsioonist eemaldatud, seadmed on lahti ühendatud ja neid saab nüüd süsteemist füüsiliselt eemaldada. Oluline on mitte teha KETASTE UUESTI SKANNIMIST enne, kui kõik massiivi kettad on lahti ühendatud</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Valitud massiivi ketast tähistavad LED-tuled põlevad nüüd. Tuvastamise lõpetamiseks klõpsake nuppu &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Massiivide koguarv on piiratud %1-ga.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-draiver ei vasta. Loendites on konfiguratsioon, mis loeti %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-draiver ei vasta. Ühtegi konfiguratsiooni ei õnnestunud lugeda.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsool ei suuda kindlaks teha, millistel massiividel asub operatsioonisüsteem: kustutamine, turvakustutus, peitmine ja eemaldamiseks ettevalmistamine pole saadaval.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Massiiv </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Ketas </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Teisenda</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Loo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Ülesande prioriteet</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Initsialiseeri kettad</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Tühjenda metaandmed</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Atribuudid</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. ülevaade</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Kontrollerid</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Teave: </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valikud</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Salvesta tugipakett...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Salvesta konfiguratsioon, logid ja S.M.A.R.T. aruanded tugiteenuse jaoks ühte faili</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>S&amp;ulge salve</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Akna sulgemisel jätkab konsool massiivide jälgimist süsteemisalvest.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Peatatud: kuni ülesanne ootab, järelejäänud aega ei hinnata.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Järelejäänud aega hinnatakse, kui ülesande edenemist on jälgitud üks minut.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Ketas on nurjunud; draiver teatab selle olekuks %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Ketas teatab S.M.A.R.T. tõrgetest: vahetage see peagi välja.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Salvesta tugipakett</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-arhiivid (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Tugipakett salvestati faili %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Tugipaketti ei õnnestunud salvestada faili %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uus</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguratsiooni ei õnnestunud lugeda; midagi ei muudetud.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Ketast %1 enam pole; midagi ei muudetud. Sulgege see aken ja avage see uuesti, et näha ketaste praegust olekut.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Ketaste loend:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Päri valitud S.M.A.R.T. andmed</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 a  %2 p  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 p  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Ei õnnestunud hankida</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Püsivara redaktsioon</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Töötunnid</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Sisselülitustsüklid</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatuur (Celsiuse järgi)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: akna avamiseks pole kuva (ei DISPLAY ega WAYLAND_DISPLAY pole määratud); konsooli käske saab terminalis anda velmora-cli abil.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Kinnita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Ülesande &apos;%1&apos; praegune prioriteet: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Valige liuguriga ülesande &apos;%1&apos; uus prioriteet massiivil &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Uus prioriteet: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Teisenduse kinnitamine</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Hoiatus: lisasite massiivi varuketta. Kas soovite jätkata?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Hoiatus: see massiivi teisendus hõlmab kuumvahetatavat seadet. Pärast teisenduse lõppu tuleb süsteem taaskäivitada, et OS saaks teada massiivi aluseks olevate seadmete muutustest. Kas soovite jätkata?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Loomise kinnitamine</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Hoiatus: tuvastati erinevate kettaseadmete segamine! Parima jõudluse huvides pole soovitatav segada oluliselt erineva jõudlusega kettaseadmeid. Kas soovite siiski luua?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Teisenduskäsk nurjus</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Teisenda</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Allikas</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Sihtkoht</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurim vaba </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GV</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Teavitatud kuumvahetus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Püsivara versioon</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Massiivi valikud</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tüüp:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Korraldus:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Praegune maht:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Maht:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Suurim maht:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Suurim maht</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kõik NVMe-d</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kõik SATA SSD-d</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kõik HDD-d</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kasutamata</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Sama</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Määra pühendatud varukettaks</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Määra globaalseks varukettaks</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Tuvasta ketas LED-tulede abil</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Eemalda seade</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Valmista ette eemaldamiseks</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Eemalda globaalse varuketta määrang</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Eemalda pühendatud varuketta määrang</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valikud</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Konfiguratsiooni ei õnnestunud lugeda; midagi ei muudetud.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Ketast %1 enam pole; midagi ei muudetud.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Varuketta määramise kinnitamine</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Hoiatus: tuvastati erinevate kettaseadmete segamine! Parima jõudluse huvides pole soovitatav segada oluliselt erineva jõudlusega kettaseadmeid. Kas soovite varuketta määramist jätkata?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Tuvasta ketas</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Valitud ketast tähistavad LED-tuled põlevad nüüd. Tuvastamise lõpetamiseks klõpsake nuppu &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Seadme eemaldamise olek</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Ketaste loend:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Olek</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Kasutusel</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Initsialiseerimata</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Initsialiseeri valitud</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Skanni uuesti</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Kettaseade lisatud</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID-kontroller tuvastas uue kettaseadme lisamise. Selle kettaseadme kasutusele võtmiseks tuleb kontroller UUESTI SKANNIDA. Kui see kettaseade kuulub mitmest kettast koosnevasse massiivi, skannige uuesti alles pärast massiivi viimase ketta lisamist. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Kettaseade eemaldatud</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID-kontroller tuvastas kettaseadme eemaldamise. Ketta lõplikuks eemaldamiseks ja konfiguratsiooni sünkroonimiseks tuleb teha uuesti skannimine. Kui see kettaseade kuulub massiivi, mis võetakse võrgust välja, ÄRGE SKANNIGE UUESTI enne, kui massiivi viimane ketas on eemaldatud.</translation>
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
        <translation>Massiivi valikud</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tüüp:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Massiivi nimi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Korraldus:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Maht:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Suurim maht:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Suurim maht</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Vahemälu valikud:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Vahemälu sildi suurus:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Massiivi taustaskannimine</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Jäta initsialiseerimine vahele  (pole soovitatav)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Jäta olemasolevad andmed puutumata</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Nullimisega loomine</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kõik NVMe-d</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kõik SATA SSD-d</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kõik HDD-d</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kasutamata</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Loo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Lugemis- + tagasikirjutusvahemälu</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lugemisvahemälu</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Tagasikirjutusvahemälu</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Vahemäluta</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vaikimisi</translation>
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
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurim vaba </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GV</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Teavitatud kuumvahetus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Püsivara versioon</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Kontrollerite loend:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Pole saadaval</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Mudel</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Portide arv</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI tarnija ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI seadme ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI alamtarnija ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI alamseadme ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Siin</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Pesa</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktsioon</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Nõustun</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Lõppkasutaja litsentsileping</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Litsentsilepingu teksti ei õnnestunud laadida.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Massiivi valikud</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tüüp:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Korraldus:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Praegune maht:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Maht:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Suurim maht:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Suurim maht</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kõik</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kõik NVMe-d</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kõik SATA SSD-d</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kõik HDD-d</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kasutamata</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Sama</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Pordi tüüp</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Maht</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kasutus</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vaba ruum</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurim vaba </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GV</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Teavitatud kuumvahetus</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mudeli number</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seerianumber</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Püsivara versioon</translation>
    </message>
</context>
</TS>
