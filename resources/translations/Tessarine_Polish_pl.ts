<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Wersja aplikacji:</translation>
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
        <translation>Wolumin  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (paskowanie)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (lustro)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (paskowanie luster)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (paskowanie z parzystością)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (paskowanie z podwójną parzystością)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Dysk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Nieprawidłowa konfiguracja: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Prosty</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Wprowadź nazwę macierzy o długości do 30 znaków.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Nazwa macierzy</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nieprawidłowa nazwa: nazwa macierzy nie może być taka sama jak nazwa istniejącej macierzy ani zawierać następujących znaków: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista dysków:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. Kanał</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>W użyciu</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Czyszczenie metadanych</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Nie wykryto dysków z wolnym miejscem. Aby utworzyć macierz RAID, najpierw zwolnij miejsce na istniejącym dysku lub dodaj dysk do systemu.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Nieprawidłowa nazwa: nazwa macierzy nie może być taka sama jak nazwa istniejącej macierzy ani zawierać następujących znaków: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potwierdź tworzenie</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Ostrzeżenie: do macierzy dołączono dysk zapasowy. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Ostrzeżenie: wykryto dyski różnych typów! Dla najlepszej wydajności nie zaleca się łączenia dysków o znacznie różnej wydajności. Czy mimo to utworzyć macierz?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Tworzenie nie powiodło się</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Tworzenie</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Największy wolny </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GZ</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Zgłoszona wymiana na gorąco</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opcje macierzy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nazwa macierzy:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacja:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Pojemność:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. pojemność</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opcje pamięci podręcznej:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Rozmiar znacznika pamięci podręcznej:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skanowanie macierzy w tle</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Pomiń inicjowanie  (niezalecane)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachowaj istniejące dane</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Tworzenie z zerowaniem</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Wszystkie NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Wszystkie SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Wszystkie HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nieużywane</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Usuwanie</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nazwa w systemie</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partycja</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nazwa macierzy</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Całkowita pojemność</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Pamięć podr.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Czy na pewno usunąć wybrane macierze: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potwierdź działanie</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Usuwanie macierzy...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Właściwości dysku</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Zapis z opóźnieniem na dysku:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Odczyt z wyprzedzeniem:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Odpytywanie SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Uwaga: włączenie zapisu z opóźnieniem na dysku może zwiększyć ryzyko uszkodzenia danych w razie awarii zasilania.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Zapis z opóźnieniem</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Odczyt z wyprzedzeniem</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Odpytywanie SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> to urządzenie NVMe; nie można zmienić jego ustawień pamięci podręcznej dysku.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Macierz %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Macierz %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, wstrzymane</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 jest w trybie offline</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 – trwa odbudowa, a dysk %2 zgłasza błędy S.M.A.R.T.: kolejna awaria spowoduje utratę macierzy</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>odbudowa na dysk %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>odbudowa, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 jest w stanie krytycznym: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 – stan: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 jest w stanie krytycznym: awaria dysku %2</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 jest w stanie krytycznym</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 – trwa transformacja: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 – trwa tworzenie: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 – trwa bezpieczne wymazywanie: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 ma uszkodzony element na dysku %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 utraciła ostatni dysk zapasowy</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>sprawdzanie spójności</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>pozostała mniej niż minuta</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>pozostało około minuty</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>pozostało około %n godziny</numerusform>
            <numerusform>pozostało około %n godzin</numerusform>
            <numerusform>pozostało około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>pozostało około %n minuty</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Sterownik RAID nie odpowiada</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Dysk %1 zgłasza błędy S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (i jeszcze %n)</numerusform>
            <numerusform>%1 (i jeszcze %n)</numerusform>
            <numerusform>%1 (i jeszcze %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Nie skonfigurowano żadnej macierzy</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Macierz jest w dobrym stanie</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n macierz jest w dobrym stanie</numerusform>
            <numerusform>Wszystkie %n macierze są w dobrym stanie</numerusform>
            <numerusform>Wszystkich %n macierzy jest w dobrym stanie</numerusform>
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
        <translation>&amp;Pokaż %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 jest w stanie krytycznym</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 jest w trybie offline</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: odbudowa zakończona; macierz jest ponownie w dobrym stanie</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: transformacja zakończona</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: odbudowa została przerwana; stan macierzy: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: transformacja została przerwana; stan macierzy: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Dysk zapasowy %1 zastąpił uszkodzony element</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Dysk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Awaria dysku %1</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Dysk %1 zgłasza błędy S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Zmieniono %n macierz lub dysk: %1</numerusform>
            <numerusform>Zmieniono %n macierze lub dyski: %1</numerusform>
            <numerusform>Zmieniono %n macierzy lub dysków: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMALNY</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>GOTOWA</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRYTYCZNY</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>NIEAKTUALNA</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>PAMIĘĆ PODRĘCZNA OFFLINE</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ZABLOKOWANA</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NIEZNANY</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Brak błędów</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Awaria</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Awaria, offline</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>NIEAKTYWNE</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>TRANSFORMACJA</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>TWORZENIE</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>SPRAWDZANIE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIOWANIE</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ODBUDOWA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>SPRAWDZANIE MAPY BITOWEJ</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ZAPIS MAPY BITOWEJ</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>BEZPIECZNE WYMAZYWANIE</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>PRZENOSZENIE STRON</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>PRZENOSZENIE WARSTWY</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>TWORZENIE Z ZEROWANIEM</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>URUCHOMIONE</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>WSTRZYMANE</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ZAMKNIĘTE</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>NIEPOWODZENIE</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ZATRZYMANE</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>UKOŃCZONE</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>USUNIĘTE</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>NIEUKOŃCZONE</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Bardzo niski</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Krytyczny</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Krytyczny błąd</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Macierz</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Utwórz</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Utwórz macierz RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformuj</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Transformuj istniejącą macierz RAID</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Sprawdzanie spójności</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skanowanie macierzy w tle</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Zmień ustawienia pamięci podręcznej</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez pamięci podręcznej</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Pamięć podręczna odczytu</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Zapis z opóźnieniem</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Odczyt + zapis z opóźnieniem</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Zmień nazwę wybranej macierzy</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Ukryj lub pokaż istniejącą macierz</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Identyfikuj macierz</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Zapal diody LED wybranej macierzy</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Przygotuj do usunięcia</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Ukryj macierz przed systemem operacyjnym w ramach przygotowania do usunięcia</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Usuń dyski zapasowe</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Usuń wszystkie dedykowane dyski zapasowe przypisane do tej macierzy</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Usuń istniejącą macierz RAID</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Usuń &amp;wiele macierzy</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Wybierz wiele istniejących macierzy RAID do usunięcia</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Bezpieczne wymazywanie</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Bezpiecznie wymaż istniejącą macierz RAID</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Dysk</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Skanuj ponownie</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Ponownie przeskanuj wszystkie kanały, aby wykryć nowe lub usunięte dyski fizyczne i macierze.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicjuj</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Wyczyść metadane</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>W&amp;łaściwości</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Przegląd S.M.A.R.&amp;T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) to wbudowany w dysk system monitorowania, który wykrywa i zgłasza różne wskaźniki jego niezawodności.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Zarządzaj dyskami zapasowymi wybranego dysku.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Dziennik aplikacji</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Wyświetl dziennik aplikacji.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>&amp;Kontrolery</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Wyświetl listę kontrolerów</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Podgląd &amp;zdarzeń</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Zwiń podgląd zdarzeń</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Motyw</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Zmień motyw kolorów aplikacji</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Rozmiar &amp;ikon</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Zmień rozmiar ikon aplikacji</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Rozmiar &amp;czcionki</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Zmień rozmiar czcionki aplikacji</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Wyświetl wersje aplikacji i sterowników RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Łącze do podręcznika użytkownika</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>Pomoc &amp;techniczna</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Łącze do witryny pomocy technicznej OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Umowa licencyjna</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Wyświetl umowę licencyjną użytkownika końcowego (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Największy wolny</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Globalny zapasowy</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Zgłoszona wymiana na gorąco</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Nazwa w systemie</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partycja</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Nazwa macierzy</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Całkowita pojemność</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Stan zadania</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Prio.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skan.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Pamięć podr.</translation>
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
        <translation>Zapas. dedyk.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(ukryta)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (źródłowa)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (docelowa)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Dedykowane dyski zapasowe</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Nie znaleziono sterownika RAID kvcfg. Upewnij się, że są zainstalowane wszystkie wymagane sterowniki RAID; w przeciwnym razie aplikacja nie będzie działać.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Nie znaleziono sterowników RAID OXV. Sprawdź, czy w ustawieniach BIOS włączono tryb RAID.

W trybie AHCI/natywnym nie trzeba nic robić. Aplikacja zostanie zamknięta.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Uruchom aplikację jako administrator.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Przy bieżących uprawnieniach użytkownika w tej aplikacji nie można:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) wykonywać poleceń niszczących dane;</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) przeglądać partycji macierzy ani informacji o macierzy systemowej.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Powiadomienie o zdarzeniu</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Bieżąca przepustowość w MB/s między systemem operacyjnym a sterownikiem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Bieżąca przepustowość w MB/s między sterownikiem OXV-RAID a urządzeniem pamięci masowej.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Bieżąca liczba operacji we/wy na sekundę między systemem operacyjnym a sterownikiem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Bieżąca liczba operacji we/wy na sekundę między sterownikiem OXV-RAID a urządzeniami pamięci masowej.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Łączna liczba bajtów przesłanych między systemem operacyjnym a sterownikiem OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Łączna liczba bajtów przesłanych między sterownikiem OXV-RAID a urządzeniem pamięci masowej.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Czy wykonać „%1” dla macierzy %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ta operacja ukryje macierz przed systemem operacyjnym i może spowodować UTRATĘ DANYCH. Czy kontynuować przygotowanie do usunięcia?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Usunąć wszystkie dyski zapasowe z macierzy %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Czy usunąć macierz %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>OSTRZEŻENIE: wszystkie dane zostaną bezpowrotnie utracone. Kontynuować bezpieczne wymazywanie macierzy %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Włączona pamięć podręczna z zapisem opóźnionym zwiększa ryzyko uszkodzenia danych w razie nieoczekiwanego wyłączenia systemu. Czy ją włączyć?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej transformować przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> jest zablokowana i nie można uruchomić sprawdzania spójności przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> jest zablokowana i nie można zatrzymać sprawdzania spójności przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> jest zablokowana i nie można uruchomić skanowania macierzy w tle przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> jest zablokowana i nie można zatrzymać skanowania macierzy w tle przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> jest zablokowana i nie można zmienić jej pamięci podręcznej przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> jest zablokowana i nie można zmienić priorytetu jej zadania przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> jest zablokowana i nie można wznowić jej zadania przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> jest zablokowana i nie można wstrzymać jej zadania przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> jest zablokowana i nie można usunąć jej zadania przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> jest zablokowana i nie można zmienić jej nazwy przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej ukryć przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej zidentyfikować przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej przygotować do usunięcia przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> jest zablokowana i nie można usunąć jej dysków zapasowych przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej usunąć przed odblokowaniem.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> jest zablokowana i nie można jej bezpiecznie wymazać przed odblokowaniem.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potwierdź działanie</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Trwa ponowne skanowanie...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Trwa usuwanie...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Trwa bezpieczne wymazywanie...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Operacja nie powiodła się</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Wybrana macierz nakłada się na inną macierz. Operacja została anulowana.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Problem z wysunięciem urządzenia SCSI macierzy OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>To urządzenie jest obecnie używane. Zamknij programy i okna, które mogą go używać, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Usuwanie macierzy</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Macierz %1 została usunięta z konfiguracji, jej urządzenia zostały odłączone i można je teraz fizycznie wyjąć z systemu. Nie wykonuj PONOWNEGO SKANOWANIA DYSKÓW, dopóki wszystkie dyski macierzy nie zostaną odłączone</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Diody LED dysków wybranej macierzy świecą się. Kliknij „OK”, aby zakończyć identyfikację.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Łączna liczba macierzy jest ograniczona do %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Sterownik RAID nie odpowiada. Listy pokazują konfigurację odczytaną o %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Sterownik RAID nie odpowiada. Nie można odczytać konfiguracji.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsola nie może ustalić, które macierze zawierają system operacyjny: usuwanie, bezpieczne wymazywanie, ukrywanie i przygotowanie do usunięcia są niedostępne.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Macierz </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Dysk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformacja</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Tworzenie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuwanie</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Priorytet zadania</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Inicjowanie dysków</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Czyszczenie metadanych</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Przegląd S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Kontrolery</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Informacje o programie </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Zapisz pakiet dla pomocy technicznej...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Zapisz konfigurację, dzienniki i raporty S.M.A.R.T. w jednym pliku dla pomocy technicznej</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>Z&amp;amknij do zasobnika</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Po zamknięciu okna konsola nadal monitoruje macierze z zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Wstrzymane: pozostały czas nie jest szacowany, dopóki zadanie czeka.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Pozostały czas jest szacowany po minucie obserwowania postępu zadania.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Awaria dysku; sterownik zgłasza go jako %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Dysk zgłasza błędy S.M.A.R.T.: należy go wkrótce wymienić.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Zapisz pakiet dla pomocy technicznej</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archiwa ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Pakiet dla pomocy technicznej zapisano w %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Nie można zapisać pakietu dla pomocy technicznej w %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Nie można odczytać konfiguracji; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Dysk %1 nie jest już obecny; niczego nie zmieniono. Zamknij to okno i otwórz je ponownie, aby zobaczyć aktualny stan dysków.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Lista dysków:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Odczytaj wybrane dane S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 l.  %2 d  %3 godz.</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 d  %2 godz.</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Nie można odczytać</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Godziny pracy</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Cykle zasilania</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Temperatura (°C)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: brak ekranu, na którym można otworzyć okno (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY); velmora-cli udostępnia polecenia konsoli w terminalu.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Bieżący priorytet zadania &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Wybierz suwakiem nowy priorytet zadania &apos;%1&apos; macierzy &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Nowy priorytet: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Potwierdź transformację</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Ostrzeżenie: do macierzy dołączono dysk zapasowy. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Ostrzeżenie: ta transformacja macierzy obejmuje urządzenie wymieniane na gorąco. Po zakończeniu transformacji należy ponownie uruchomić system, aby powiadomić system operacyjny o zmianach urządzeń macierzy. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Potwierdź tworzenie</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Ostrzeżenie: wykryto dyski różnych typów! Dla najlepszej wydajności nie zaleca się łączenia dysków o znacznie różnej wydajności. Czy mimo to utworzyć macierz?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Polecenie transformacji nie powiodło się</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformacja</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródłowa</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Docelowa</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Największy wolny </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GZ</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Zgłoszona wymiana na gorąco</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Opcje macierzy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacja:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Bieżąca pojemność:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. pojemność</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Wszystkie NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Wszystkie SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Wszystkie HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nieużywane</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Przypisz jako dedykowany dysk zapasowy</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Przypisz jako globalny dysk zapasowy</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Identyfikuj dysk diodami LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Usuń urządzenie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Przygotuj do usunięcia</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Usuń jako globalny dysk zapasowy</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Usuń jako dedykowany dysk zapasowy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Nie można odczytać konfiguracji; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Dysk %1 nie jest już obecny; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Potwierdź przypisanie dysku zapasowego</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Ostrzeżenie: wykryto dyski różnych typów! Dla najlepszej wydajności nie zaleca się łączenia dysków o znacznie różnej wydajności. Czy kontynuować przypisywanie dysku zapasowego?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Identyfikacja dysku</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Diody LED wybranego dysku świecą się. Kliknij „OK”, aby zakończyć identyfikację.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Stan usuwania urządzenia</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Lista dysków:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Kontr. Kanał</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>W użyciu</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Niezainicjowane</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Inicjuj wybrane</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Skanuj ponownie</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Włożono dysk</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Kontroler RAID wykrył włożenie nowego dysku. Aby dysk zaczął działać, należy PONOWNIE ZESKANOWAĆ kontroler. Jeśli dysk należy do macierzy złożonej z kilku dysków, skanuj ponownie dopiero po włożeniu ostatniego dysku tej macierzy. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Wyjęto dysk</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Kontroler RAID wykrył wyjęcie dysku. Aby trwale usunąć dysk i zsynchronizować konfigurację, należy wykonać ponowne skanowanie. Jeśli dysk należy do macierzy wyłączanej z pracy, NIE SKANUJ PONOWNIE, dopóki nie zostanie wyjęty ostatni dysk tej macierzy.</translation>
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
        <translation>Opcje macierzy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Nazwa macierzy:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacja:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Pojemność:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. pojemność</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Opcje pamięci podręcznej:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Rozmiar znacznika pamięci podręcznej:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Skanowanie macierzy w tle</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Pomiń inicjowanie  (niezalecane)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Zachowaj istniejące dane</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Tworzenie z zerowaniem</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Wszystkie NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Wszystkie SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Wszystkie HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nieużywane</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Tworzenie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Odczyt + zapis z opóźnieniem</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Pamięć podręczna odczytu</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Zapis z opóźnieniem</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Bez pamięci podręcznej</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
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
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Największy wolny </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GZ</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Zgłoszona wymiana na gorąco</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Lista kontrolerów:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>nd.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Liczba portów</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>Identyfikator dostawcy PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>Identyfikator urządzenia PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>Identyfikator poddostawcy PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>Identyfikator podurządzenia PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Magistrala</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Gniazdo</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Akceptuję</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Umowa licencyjna użytkownika końcowego</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Nie można załadować tekstu umowy licencyjnej.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Opcje macierzy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Organizacja:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Bieżąca pojemność:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. pojemność:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. pojemność</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Wszystkie NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Wszystkie SSD SATA</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Wszystkie HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nieużywane</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Typ portu</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Największy wolny </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GZ</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Zgłoszona wymiana na gorąco</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
</context>
</TS>
