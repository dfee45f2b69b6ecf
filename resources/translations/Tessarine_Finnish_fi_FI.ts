<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Sovelluksen versio:</translation>
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
        <translation>Taltio  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (raidoitus)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (peilaus)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (peilien raidoitus)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (raidoitus pariteetilla)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (raidoitus 2 pariteetilla)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Levy </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Virheellinen kokoonpano: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Yksinkertainen</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Anna enintään 30 merkin pituinen levyryhmän nimi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Levyryhmän nimi</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Virheellinen nimi: levyryhmän nimi ei voi olla sama kuin olemassa olevien levyryhmien nimet eikä sisältää seuraavia merkkejä: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Levyluettelo:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ohj. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Tyhjennä metatiedot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Levyjä, joilla on vapaata tilaa, ei löytynyt. Vapauta RAID-levyryhmän luomista varten ensin tilaa olemassa olevalta levyltä tai lisää järjestelmään uusi levy.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Virheellinen nimi: levyryhmän nimi ei voi olla sama kuin olemassa olevien levyryhmien nimet eikä sisältää seuraavia merkkejä: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Vahvista luonti</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Varoitus: olet lisännyt levyryhmään varalevyn. Haluatko jatkaa?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Varoitus: asemien sekoittaminen havaittu! Parhaan suorituskyvyn saavuttamiseksi ei suositella suorituskyvyltään selvästi erilaisten asemien sekoittamista. Haluatko silti luoda levyryhmän?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Luonti epäonnistui</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Esikatselu</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurin vapaa </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>YV</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ilmoitettu kuumavaihto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Laiteohjelmiston versio</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Levyryhmän asetukset</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Levyryhmän nimi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Järjestys:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasiteetti:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Enimmäiskapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Enimmäiskapasiteetti</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Välimuistiasetukset:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Välimuistitunnisteen koko:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Levyryhmän taustatarkistus</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Ohita alustus  (ei suositella)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Säilytä nykyiset tiedot</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Luonti nollauksella</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kaikki NVMe:t</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kaikki SATA SSD:t</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kaikki HDD:t</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Käyttämättömät</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nimi käyttöjärjestelmässä</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Osio</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Levyryhmän nimi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kokonaiskapasiteetti</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Välimuisti</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Haluatko varmasti poistaa valitut levyryhmät: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Vahvista toiminto</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Poistetaan levyryhmiä...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Keskeytä</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Levyn ominaisuudet</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Levyn takaisinkirjoitusvälimuisti:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Levyn ennakkoluku:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART-kysely:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Huomautus: levyn takaisinkirjoitusvälimuistin käyttöönotto voi lisätä tietojen vioittumisen todennäköisyyttä, jos järjestelmän virransyöttö katkeaa.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Takaisinkirjoitusvälimuisti</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Ennakkoluku</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART-kysely</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Laiteohjelmiston revisio</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> on NVMe-laite, eikä sen levyn välimuistiasetuksia voi muuttaa.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Levyryhmä %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Levyryhmä %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, keskeytetty</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ei ole käytössä</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 rakennetaan uudelleen, ja levy %2 raportoi S.M.A.R.T.-virheitä: yksikin vika lisää tuhoaisi levyryhmän</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>uudelleenrakennus levylle %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>uudelleenrakennus, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 on kriittisessä tilassa: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 on kriittisessä tilassa: levy %2 on vikaantunut</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 on kriittisessä tilassa</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 muunnetaan: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 luodaan: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 poistetaan turvallisesti: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: vikaantunut jäsen levyllä %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 on menettänyt viimeisen varalevynsä</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>eheystarkistus</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>alle minuutti jäljellä</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>noin minuutti jäljellä</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>noin %n tunti jäljellä</numerusform>
            <numerusform>noin %n tuntia jäljellä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>noin %n minuutti jäljellä</numerusform>
            <numerusform>noin %n minuuttia jäljellä</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-ajuri ei vastaa</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Levy %1 raportoi S.M.A.R.T.-virheitä</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (ja %n muuta)</numerusform>
            <numerusform>%1 (ja %n muuta)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Levyryhmiä ei ole määritetty</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Levyryhmä on kunnossa</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Kaikki levyryhmät (%n) ovat kunnossa</numerusform>
            <numerusform>Kaikki levyryhmät (%n) ovat kunnossa</numerusform>
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
        <translation>&amp;Näytä %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 on kriittisessä tilassa</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ei ole käytössä</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: uudelleenrakennus valmistui; levyryhmä on taas kunnossa</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: muunnos valmistui</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: uudelleenrakennus päättyi; levyryhmän tila on %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: muunnos päättyi; levyryhmän tila on %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Varalevy %1 on korvannut vikaantuneen jäsenen</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Levy %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Levy %1 on vikaantunut</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Levy %1 raportoi S.M.A.R.T.-virheitä</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n levyryhmä tai levy muuttui: %1</numerusform>
            <numerusform>%n levyryhmää tai levyä muuttui: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAALI</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>VALMIINA</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRIITTINEN</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>EI KÄYTÖSSÄ</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>VANHENTUNUT</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>VÄLIMUISTI EI KÄYTÖSSÄ</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>LUKITTU</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>TUNTEMATON</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Ei virhettä</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Vikaantunut</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Vikaantunut, ei käytössä</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>EI AKTIIVINEN</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>MUUNNOS</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>LUONTI</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>TARKISTUS</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIOINTI</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>UUDELLEENRAKENNUS</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BITTIKARTAN TARKISTUS</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BITTIKARTAN TALLENNUS</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>TURVALLINEN POISTO</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SIVUJEN SIIRTO</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>TASOJEN VÄLINEN SIIRTO</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>LUONTI NOLLAUKSELLA</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ALOITETTU</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>KESKEYTETTY</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>SAMMUTUS</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>VIKAANTUNUT</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>PYSÄYTETTY</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>VALMIS</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>POISTETTU</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>KESKEN</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Hyvin matala</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Tiedote</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kriittinen</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Vakava</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>Levy&amp;ryhmä</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Luo</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Luo RAID-levyryhmä</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Muunna</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Muunna olemassa oleva RAID-levyryhmä</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Eheystarkistus</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Levyryhmän taustatarkistus</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Muuta välimuistiasetuksia</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ei välimuistia</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lukuvälimuisti</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Takaisinkirjoitusvälimuisti</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Luku- + takaisinkirjoitusvälimuisti</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tehtävä</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteetti</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nimi</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Vaihda valitun levyryhmän nimi</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Piilota</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Piilota tai näytä olemassa oleva levyryhmä</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Tunnista levyryhmä</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Sytytä valitun levyryhmän merkkivalo(t)</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Valmistele &amp;irrotus</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Piilota levyryhmä käyttöjärjestelmältä irrotuksen valmistelemiseksi</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Poista varalevyt</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Poista kaikki tälle levyryhmälle kohdistetut varalevyt</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Poista olemassa oleva RAID-levyryhmä</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Poista &amp;useita levyryhmiä</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Valitse poistettavaksi useita olemassa olevia RAID-levyryhmiä</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Turvallinen poisto</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Poista olemassa oleva RAID-levyryhmä turvallisesti</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Levy</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Etsi uudelleen</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Etsi kaikki kanavat uudelleen uusien tai poistettujen fyysisten levyjen ja levyryhmien havaitsemiseksi.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Alusta</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Tyhjennä metatiedot</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Ominaisuudet</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T.-yleiskatsaus</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (itsevalvonta-, analyysi- ja raportointitekniikka) on aseman valvontajärjestelmä, joka havaitsee ja raportoi aseman luotettavuuden eri mittareita.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Asetu&amp;kset</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Hallitse valitun levyn varalevyjä.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Näytä</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Päivitä</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Sovellusloki</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Näytä sovelluslokin tiedot.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Näytä &amp;ohjaimet</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Näytä ohjainluettelo</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Tapahtumanäkymä</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Kutista tapahtumanäkymä</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;eema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Vaihda sovelluksen väriteema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumma</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Vaalea</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Kuvakekoko</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Vaihda sovelluksen kuvakekoko</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pienet</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suuret</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>&amp;Fonttikoko</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Vaihda sovelluksen fonttikoko</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tietoja</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Näytä sovelluksen ja RAID-ajurien versiot</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Käyttö&amp;opas</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Linkki käyttöoppaaseen</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>T&amp;uki</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Linkki OXV:n tukisivustoon</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Käyttöoikeussopimus</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Näytä käyttöoikeussopimus (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Suurin vapaa</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Yleinen varalevy</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ilmoitettu kuumavaihto</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Laiteohjelmiston revisio</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nimi käyttöjärjestelmässä</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Osio</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Levyryhmän nimi</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Kokonaiskapasiteetti</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Tehtävän tila</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Edistyminen</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prior.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Tarkistus</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Välimuisti</translation>
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
        <translation>Kohd. vara</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Tapahtuma</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Käyttöoikeussopimus</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Piilotettu)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Lähde)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Kohde)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Kohdistetut varalevyt</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Puuttuu</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ei mitään</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>kvcfg-RAID-ajuria ei löytynyt. Varmista, että kaikki tarvittavat RAID-ajurit on asennettu, muuten sovellus ei toimi.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV-RAID-ajureita ei löytynyt. Varmista, että RAID on otettu käyttöön BIOS-asetuksissa.

Jos käytössä on AHCI-/natiivitila, mitään ei tarvitse tehdä. Sovellus suljetaan.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Suorita sovellus järjestelmänvalvojana.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Kun suoritat sovellusta nykyisillä käyttöoikeuksillasi, et voi:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Suorittaa tuhoavia komentoja.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Tarkastella levyryhmien osioita ja järjestelmälevyryhmän tietoja.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Tapahtumailmoitus</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Arvo näyttää nykyisen MB/s-suorituskyvyn käyttöjärjestelmän ja OXV-RAID-ajurin välillä.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Arvo näyttää nykyisen MB/s-suorituskyvyn OXV-RAID-ajurin ja tallennuslaitteen välillä.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Arvo näyttää nykyisen IO/s-suorituskyvyn käyttöjärjestelmän ja OXV-RAID-ajurin välillä.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Arvo näyttää nykyisen IO/s-suorituskyvyn OXV-RAID-ajurin ja tallennuslaitteiden välillä.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Arvo näyttää tavujen kokonaismäärän käyttöjärjestelmän ja OXV-RAID-ajurin välillä.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Arvo näyttää tavujen kokonaismäärän OXV-RAID-ajurin ja tallennuslaitteen välillä.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Haluatko suorittaa toiminnon ”%1” levyryhmälle %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Tämä toiminto piilottaa levyryhmän käyttöjärjestelmältä ja voi aiheuttaa TIETOJEN MENETYKSEN. Haluatko jatkaa irrotuksen valmistelua?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Poistetaanko kaikki varalevyt levyryhmästä %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Haluatko poistaa levyryhmän %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>VAROITUS: kaikki tiedot menetetään pysyvästi. Jatketaanko levyryhmän %1 ”%2” turvallista poistoa?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Käytössä oleva takaisinkirjoitusvälimuisti voi lisätä tietojen vioittumisen todennäköisyyttä, jos järjestelmä sammuu odottamatta. Haluatko ottaa sen käyttöön?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi muuntaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> on lukittu, eikä eheystarkistusta voi aloittaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> on lukittu, eikä eheystarkistusta voi pysäyttää ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> on lukittu, eikä levyryhmän taustatarkistusta voi aloittaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> on lukittu, eikä levyryhmän taustatarkistusta voi pysäyttää ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> on lukittu, eikä sen välimuistia voi muuttaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> on lukittu, eikä sen tehtävän prioriteettia voi muuttaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> on lukittu, eikä sen tehtävää voi jatkaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> on lukittu, eikä sen tehtävää voi keskeyttää ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> on lukittu, eikä sen tehtävää voi poistaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi nimetä uudelleen ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi piilottaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi tunnistaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi valmistella irrotusta varten ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> on lukittu, eikä sen varalevyjä voi poistaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi poistaa ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> on lukittu, eikä sitä voi poistaa turvallisesti ennen lukituksen avaamista.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Vahvista toiminto</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Uudelleenetsintä käynnissä...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Poisto käynnissä...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Turvallinen poisto käynnissä...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Toiminto epäonnistui</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Valittu levyryhmä on päällekkäin toisen levyryhmän kanssa. Toiminto peruutettiin.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Ongelma OXV-levyryhmän %1 SCSI-laitteen poistamisessa</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Laite on parhaillaan käytössä. Sulje kaikki ohjelmat ja ikkunat, jotka saattavat käyttää laitetta, ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Levyryhmän irrotus</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Levyryhmä %1 on poistettu kokoonpanosta, laitteet on kytketty irti ja ne voidaan nyt irrottaa järjestelmästä fyysisesti. On tärkeää, ettei LEVYJEN UUDELLEENETSINTÄÄ tehdä ennen kuin kaikki levyryhmän levyt on kytketty irti</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Valitun levyryhmän levyjen merkkivalot palavat nyt. Lopeta tunnistus napsauttamalla &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Levyryhmien kokonaismäärä on rajoitettu %1:een.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-ajuri ei vastaa. Luettelot näyttävät kokoonpanon, joka luettiin %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-ajuri ei vastaa. Kokoonpanoa ei voitu lukea.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsoli ei pysty selvittämään, missä levyryhmissä käyttöjärjestelmä on: poisto, turvallinen poisto, piilotus ja irrotuksen valmistelu eivät ole käytettävissä.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Levyryhmä </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Levy </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Muunna</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Tehtävän prioriteetti</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Alusta levyt</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Tyhjennä metatiedot</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Ominaisuudet</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T.-yleiskatsaus</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Ohjaimet</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Tietoja: </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Tallenna tukipaketti...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Tallenna kokoonpano, lokit ja S.M.A.R.T.-raportit yhteen tiedostoon tukea varten</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>S&amp;ulje ilmoitusalueelle</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Kun ikkuna suljetaan, konsoli valvoo levyryhmiä edelleen ilmoitusalueelta.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Keskeytetty: jäljellä olevaa aikaa ei arvioida, kun tehtävä odottaa.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Jäljellä oleva aika arvioidaan, kun tehtävän edistymistä on seurattu minuutin ajan.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Levy on vikaantunut; ajuri ilmoittaa sen tilaksi %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Levy raportoi S.M.A.R.T.-virheitä: vaihda se pian.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Tallenna tukipaketti</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-arkistot (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Tukipaketti tallennettiin kohteeseen %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Tukipakettia ei voitu tallentaa kohteeseen %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Kokoonpanoa ei voitu lukea; mitään ei muutettu.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Levyä %1 ei enää ole; mitään ei muutettu. Sulje tämä ikkuna ja avaa se uudelleen nähdäksesi levyt sellaisina kuin ne nyt ovat.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Levyluettelo:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Hae valitut S.M.A.R.T.-tiedot</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 v  %2 pv  %3 h</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 pv  %2 h</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Ei voitu noutaa</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Laiteohjelmiston revisio</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Käyttötunnit</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Virtajaksot</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Lämpötila (Celsius)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: ikkunan avaamiseen ei ole näyttöä (DISPLAY- tai WAYLAND_DISPLAY-muuttujaa ei ole asetettu); konsolin komennot päätteessä tarjoaa velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Vahvista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Tehtävän &apos;%1&apos; nykyinen prioriteetti: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Valitse liukusäätimellä tehtävän &apos;%1&apos; uusi prioriteetti levyryhmässä &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Uusi prioriteetti: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Vahvista muunnos</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Varoitus: olet lisännyt levyryhmään varalevyn. Haluatko jatkaa?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Varoitus: tähän levyryhmän muunnokseen sisältyy kuumavaihdettava laite. Muunnoksen päätyttyä järjestelmä on käynnistettävä uudelleen, jotta käyttöjärjestelmä saa tiedon levyryhmän laitemuutoksista. Haluatko jatkaa?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Vahvista luonti</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Varoitus: asemien sekoittaminen havaittu! Parhaan suorituskyvyn saavuttamiseksi ei suositella suorituskyvyltään selvästi erilaisten asemien sekoittamista. Haluatko silti luoda levyryhmän?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Muunnoskomento epäonnistui</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Muunna</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurin vapaa </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>YV</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ilmoitettu kuumavaihto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Laiteohjelmiston versio</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Levyryhmän asetukset</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Järjestys:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Nykyinen kapasiteetti:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Enimmäiskapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Enimmäiskapasiteetti</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kaikki NVMe:t</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kaikki SATA SSD:t</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kaikki HDD:t</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Käyttämättömät</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Sama</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Määritä kohdistetuksi varalevyksi</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Määritä yleiseksi varalevyksi</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Tunnista levy merkkivalojen avulla</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Irrota laite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Valmistele irrotus</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Poista yleisen varalevyn määritys</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Poista kohdistetun varalevyn määritys</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Kokoonpanoa ei voitu lukea; mitään ei muutettu.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Levyä %1 ei enää ole; mitään ei muutettu.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Vahvista varalevyn määritys</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Varoitus: asemien sekoittaminen havaittu! Parhaan suorituskyvyn saavuttamiseksi ei suositella suorituskyvyltään selvästi erilaisten asemien sekoittamista. Haluatko jatkaa varalevyn määritystä?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Tunnista levy</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Valitun levyn merkkivalot palavat nyt. Lopeta tunnistus napsauttamalla &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Laitteen irrotuksen tila</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Levyluettelo:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Ohj. kan.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Alustamattomat</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Alusta valitut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Etsi uudelleen</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Asema lisätty</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID-ohjain havaitsi uuden aseman lisäämisen. Aseman ottaminen käyttöön edellyttää ohjaimen UUDELLEENETSINTÄÄ. Jos asema kuuluu useasta asemasta koostuvaan levyryhmään, tee uudelleenetsintä vasta, kun levyryhmän viimeinen asema on lisätty. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Asema poistettu</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID-ohjain havaitsi levyaseman poistamisen. Aseman pysyvä poistaminen ja kokoonpanon synkronointi edellyttävät uudelleenetsintää. Jos asema kuuluu levyryhmään, jota ollaan poistamassa käytöstä, ÄLÄ TEE UUDELLEENETSINTÄÄ ennen kuin levyryhmän viimeinen asema on irrotettu.</translation>
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
        <translation>Levyryhmän asetukset</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Levyryhmän nimi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Järjestys:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasiteetti:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Enimmäiskapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Enimmäiskapasiteetti</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Välimuistiasetukset:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Välimuistitunnisteen koko:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Levyryhmän taustatarkistus</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Ohita alustus  (ei suositella)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Säilytä nykyiset tiedot</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Luonti nollauksella</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kaikki NVMe:t</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kaikki SATA SSD:t</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kaikki HDD:t</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Käyttämättömät</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Luku- + takaisinkirjoitusvälimuisti</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Lukuvälimuisti</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Takaisinkirjoitusvälimuisti</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Ei välimuistia</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 kt</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 kt</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 kt</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurin vapaa </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>YV</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ilmoitettu kuumavaihto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Laiteohjelmiston versio</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Ohjainluettelo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Ei saatavilla</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Porttien määrä</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI-toimittajatunnus</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI-laitetunnus</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI-alitoimittajatunnus</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI-alilaitetunnus</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Väylä</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktio</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Hyväksyn</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Käyttöoikeussopimus</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Käyttöoikeussopimuksen tekstiä ei voitu ladata.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Levyryhmän asetukset</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Järjestys:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Nykyinen kapasiteetti:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Enimmäiskapasiteetti:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Enimmäiskapasiteetti</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Kaikki NVMe:t</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Kaikki SATA SSD:t</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Kaikki HDD:t</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Käyttämättömät</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Sama</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Levy</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Porttityyppi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasiteetti</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Käyttö</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Vapaa tila</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Suurin vapaa </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>YV</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Ilmoitettu kuumavaihto</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Mallinumero</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sarjanumero</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Laiteohjelmiston versio</translation>
    </message>
</context>
</TS>
