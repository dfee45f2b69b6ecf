<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Версия на приложението:</translation>
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
        <translation>Том  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (разпределяне)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (огледало)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (разпределяне на огледала)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (разпределяне с четност)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (разпределяне с 2 четности)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Диск </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Невалидна конфигурация: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Разширени</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Обикновено</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Въведете име на масив до 30 знака.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Име на масив</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Невалидно име: името на масив не може да съвпада с имената на съществуващи масиви или да съдържа следните знаци: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалогов прозорец</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Списък на дисковете:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. кан.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Използва се</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Изчистване на метаданни</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Не са открити дискове със свободно място. За да създадете RAID масив, първо освободете място на съществуващ диск или добавете още един диск към системата.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Невалидно име: името на масив не може да съвпада с имената на съществуващи масиви или да съдържа следните знаци: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Потвърждаване на създаването</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Предупреждение: включихте резервен диск в масива. Искате ли да продължите?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Предупреждение: открито е смесване на устройства! За най-добра производителност не се препоръчва смесване на устройства със значително различна производителност. Искате ли все пак да създадете масива?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Създаването е неуспешно</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Създаване</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Преглед</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Най-голямо свободно </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Уведомена гореща смяна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия на фърмуера</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Опции на масива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Име на масив:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Капацитет:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. капацитет</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Опции на кеша:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Размер на етикета на кеша:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоново сканиране на масива</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропускане на инициализацията  (не се препоръчва)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Запазване на съществуващите данни</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Създаване с нулиране</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Всички NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Всички SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Всички HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неизползвани</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Изтриване</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Избор на всички</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Име в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Дял</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Име на масив</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Общ капацитет</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кеш</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Наистина ли искате да изтриете избрания(ите) масив(и): </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Потвърждаване на действие</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Изтриване на масиви...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекратяване</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Избор на всички</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Свойства на диска</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Кеширане с отложен запис на диска:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Разрешаване</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Забраняване</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Предварително четене на диска:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART проверка:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Разрешено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Забранено</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Забележка: включването на кеширането с отложен запис на диска може да увеличи вероятността от повреда на данни при прекъсване на захранването на системата.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш с отложен запис</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Предварително четене</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART проверка</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Ревизия на фърмуера</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> е NVMe устройство и настройките на дисковия му кеш не могат да се променят.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Масив %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Масив %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, на пауза</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 е извън линия</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 се преизгражда, докато диск %2 съобщава S.M.A.R.T. грешки: още един отказ ще унищожи масива</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>преизграждане върху диск %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>преизграждане, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 е в критично състояние: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 е %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 е в критично състояние: диск %2 е отказал</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 е в критично състояние</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 се преобразува: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 се създава: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 се заличава сигурно: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: отказал член на диск %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 остана без последния си резервен диск</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>проверка за съгласуваност</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>остава по-малко от минута</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>остава около минута</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>остава около %n час</numerusform>
            <numerusform>остават около %n часа</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>остава около %n минута</numerusform>
            <numerusform>остават около %n минути</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID драйверът не отговаря</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 съобщава S.M.A.R.T. грешки</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (и още %n)</numerusform>
            <numerusform>%1 (и още %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Няма конфигурирани масиви</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Масивът е изправен</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Всички масиви (%n) са изправни</numerusform>
            <numerusform>Всички масиви (%n) са изправни</numerusform>
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
        <translation>&amp;Показване на %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 е в критично състояние</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 е извън линия</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: преизграждането завърши; масивът отново е изправен</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: преобразуването завърши</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: преизграждането приключи; състоянието на масива е %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: преобразуването приключи; състоянието на масива е %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Резервният диск %1 зае мястото на отказал член</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Диск %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Диск %1 е отказал</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 съобщава S.M.A.R.T. грешки</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Промени се %n масив или диск: %1</numerusform>
            <numerusform>Промениха се %n масива или диска: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>НОРМАЛНО</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>ГОТОВ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>КРИТИЧНО</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ИЗВЪН ЛИНИЯ</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ОСТАРЯЛ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>КЕШ ИЗВЪН ЛИНИЯ</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ЗАКЛЮЧЕН</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>НЕИЗВЕСТНО</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Без грешка</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Отказал</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Извън линия</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Отказал, извън линия</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>НЕАКТИВНА</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>ПРЕОБРАЗУВАНЕ</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>СЪЗДАВАНЕ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ПРОВЕРКА</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>КОПИРАНЕ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ПРЕИЗГРАЖДАНЕ</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ПРОВЕРКА НА БИТОВАТА КАРТА</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ЗАПИСВАНЕ НА БИТОВАТА КАРТА</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>СИГУРНО ЗАЛИЧАВАНЕ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ПРЕМЕСТВАНЕ НА СТРАНИЦИ</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>ПРЕМЕСТВАНЕ МЕЖДУ НИВА</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>СЪЗДАВАНЕ С НУЛИРАНЕ</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ЗАПОЧНАТА</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>НА ПАУЗА</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ИЗКЛЮЧВАНЕ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ОТКАЗАЛ</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>СПРЯНА</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ЗАВЪРШЕНА</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ПРЕМАХНАТ</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>НЕЗАВЪРШЕНА</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Много нисък</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Информационно</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Критично</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Фатално</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Масив</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Създаване</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Създаване на RAID масив</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Преобразуване</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Преобразуване на съществуващ RAID масив</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Проверка за съгласуваност</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоново сканиране на масива</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Промяна на настройките на кеша</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кеш</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кеш за четене</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш с отложен запис</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кеш за четене + отложен запис</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Задача</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Възобновяване</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Премахване</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Име</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Промяна на името на избрания масив</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скриване</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Скриване/показване на съществуващ масив</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Идентифициране на масив</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Светване на светодиода(ите) на избрания масив</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Подготовка за пре&amp;махване</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Масивът става невидим за операционната система като подготовка за премахване</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Премахване на резервните дискове</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Премахване на всички собствени резервни дискове, назначени на този масив</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Из&amp;триване</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Изтриване на съществуващ RAID масив</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Изтриване на &amp;няколко масива</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Избор на няколко съществуващи RAID масива за изтриване</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>Сигурно &amp;заличаване</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Сигурно заличаване на съществуващ RAID масив</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Диск</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Повторно сканиране</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Повторно сканиране на всички канали за откриване на нови или премахнати физически дискове и масиви.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Инициализиране</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>Изчистване на &amp;метаданни</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. преглед</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (технология за самонаблюдение, анализ и отчитане) е система за наблюдение на устройството, която открива и отчита различни показатели за надеждността му.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Опции</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Управление на резервните дискове за избрания диск.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Изглед</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Опресняване</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Дневник на приложението</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Преглед на информацията от дневника на приложението.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Преглед на &amp;контролерите</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Преглед на списъка с контролери</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Изглед на &amp;събитията</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Свиване на изгледа на събитията</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Промяна на цветовата тема на приложението</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тъмна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светла</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Размер на &amp;иконите</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Промяна на размера на иконите на приложението</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малки</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Големи</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Размер на &amp;шрифта</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Промяна на размера на шрифта на приложението</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормално</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Относно</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Показване на версиите на приложението и на RAID драйверите</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Ръководство за потребителя</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Връзка към ръководството за потребителя</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Поддръжка</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Връзка към сайта за поддръжка на OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Лицензно споразумение</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Преглед на лицензното споразумение с краен потребител (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Най-голямо свободно</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Глобален резервен</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Уведомена гореща смяна</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Ревизия на фърмуера</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Име в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Дял</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Име на масив</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Общ капацитет</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Състояние на задачата</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Напредък</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Приор.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканиране</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кеш</translation>
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
        <translation>Собств. рез.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Събитие</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Лицензно споразумение</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Скрит)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Източник)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Цел)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Собствени резервни дискове</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Липсва</translation>
    </message>
    <message>
        <source>none</source>
        <translation>няма</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нов</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Показване</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>RAID драйверът kvcfg не е намерен. Уверете се, че всички нужни RAID драйвери са инсталирани, иначе приложението няма да работи.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>RAID драйверите на OXV не са намерени. Проверете дали RAID е разрешен в настройките на BIOS.

Ако работите в режим AHCI/собствен режим, не е нужно да правите нищо. Приложението ще бъде затворено.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Стартирайте приложението като администратор.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Докато изпълнявате това приложение с текущите си потребителски права, няма да можете:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Да изпълнявате разрушителни команди.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Да преглеждате дяловете на масивите и информацията за системния масив.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Известие за събитие</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Стойността показва текущата производителност в MB в секунда между ОС и драйвера OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Стойността показва текущата производителност в MB в секунда между драйвера OXV-RAID и устройството за съхранение.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Стойността показва текущата производителност в IO в секунда между ОС и драйвера OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Стойността показва текущата производителност в IO в секунда между драйвера OXV-RAID и устройствата за съхранение.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Стойността показва общия брой байтове между ОС и драйвера OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Стойността показва общия брой байтове между драйвера OXV-RAID и устройството за съхранение.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Искате ли да изпълните „%1“ за масив %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Тази операция ще направи масива невидим за операционната система и може да доведе до ЗАГУБА НА ДАННИ. Искате ли да продължите с подготовката за премахване?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Премахване на всички резервни дискове от масив %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Искате ли да изтриете масив %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ: всички данни ще бъдат загубени безвъзвратно. Да продължи ли сигурното заличаване на масив %1 „%2“?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Разрешеният кеш с отложен запис може да увеличи вероятността от повреда на данни при неочаквано изключване на системата. Искате ли да го разрешите?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> е заключен и не може да бъде преобразуван, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> е заключен и проверката за съгласуваност не може да започне, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> е заключен и проверката за съгласуваност не може да се спре, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> е заключен и фоновото сканиране на масива не може да започне, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> е заключен и фоновото сканиране на масива не може да се спре, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> е заключен и кешът му не може да се промени, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> е заключен и приоритетът на задачата му не може да се промени, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> е заключен и задачата му не може да се възобнови, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> е заключен и задачата му не може да се постави на пауза, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> е заключен и задачата му не може да се премахне, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> е заключен и не може да бъде преименуван, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> е заключен и не може да бъде скрит, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> е заключен и не може да бъде идентифициран, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> е заключен и не може да бъде подготвен за премахване, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> е заключен и резервните му дискове не могат да се премахнат, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> е заключен и не може да бъде изтрит, докато не бъде отключен.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> е заключен и не може да бъде сигурно заличен, докато не бъде отключен.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Потвърждаване на действие</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Повторно сканиране в ход...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Изтриване в ход...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Сигурно заличаване в ход...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Операцията е неуспешна</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Избраният масив се припокрива с друг масив. Операцията е отменена.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Проблем при изваждането на SCSI устройството на OXV масив %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Това устройство в момента се използва. Затворете всички програми или прозорци, които може да го използват, и опитайте отново.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Премахване на масив</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Масив %1 е премахнат от конфигурацията, устройствата са изключени и вече могат да бъдат физически извадени от системата. Важно е да не се извършва ПОВТОРНО СКАНИРАНЕ НА ДИСКОВЕТЕ, докато не бъдат изключени всички дискове на масива</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Светодиодите на дисковете в избрания масив вече светят. Щракнете върху &apos;OK&apos;, за да спрете идентифицирането.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Общият брой масиви е ограничен до %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID драйверът не отговаря. Списъците показват конфигурацията, прочетена в %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID драйверът не отговаря. Не можа да бъде прочетена конфигурация.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Конзолата не може да определи кои масиви съдържат операционната система: изтриването, сигурното заличаване, скриването и подготовката за премахване не са достъпни.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Масив </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Диск </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразуване</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Създаване</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Изтриване</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Приоритет на задачата</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Инициализиране на дискове</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Изчистване на метаданни</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. преглед</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Контролери</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Относно </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Запис на пакет за поддръжка...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Записва конфигурацията, дневниците и S.M.A.R.T. отчетите в един файл за поддръжката</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Затваряне в системната област</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>При затваряне на прозореца конзолата продължава да наблюдава масивите от системната област.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>На пауза: докато задачата чака, оставащото време не се изчислява.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Оставащото време се изчислява, след като напредъкът на задачата е наблюдаван една минута.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Дискът е отказал; драйверът съобщава състоянието му като %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Дискът съобщава S.M.A.R.T. грешки: сменете го скоро.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Запис на пакет за поддръжка</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP архиви (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Пакетът за поддръжка е записан в %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Пакетът за поддръжка не можа да бъде записан в %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нов</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Конфигурацията не можа да бъде прочетена; нищо не е променено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Диск %1 вече не присъства; нищо не е променено. Затворете този прозорец и го отворете отново, за да видите текущите дискове.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Списък на дисковете:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Заявка за избраните S.M.A.R.T. данни</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 г  %2 д  %3 ч</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 д  %2 ч</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Не може да бъде извлечено</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Ревизия на фърмуера</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Часове работа</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Цикли на включване</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Температура (по Целзий)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: няма дисплей, на който да се отвори прозорецът (не е зададен нито DISPLAY, нито WAYLAND_DISPLAY); командите на конзолата в терминал предоставя velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Потвърждаване</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Текущият приоритет на задачата &apos;%1&apos; е: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>С плъзгача изберете нов приоритет за задачата &apos;%1&apos; в масив &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Нов приоритет: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Потвърждаване на преобразуването</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Предупреждение: включихте резервен диск в масива. Искате ли да продължите?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Предупреждение: това преобразуване на масив включва устройство с гореща смяна. След завършване на преобразуването системата трябва да се рестартира, за да бъде уведомена ОС за промените в устройствата на масива. Искате ли да продължите?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Потвърждаване на създаването</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Предупреждение: открито е смесване на устройства! За най-добра производителност не се препоръчва смесване на устройства със значително различна производителност. Искате ли все пак да създадете масива?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Командата за преобразуване е неуспешна</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразуване</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Източник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Цел</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Най-голямо свободно </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Уведомена гореща смяна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия на фърмуера</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Опции на масива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Текущ капацитет:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. капацитет</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Всички NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Всички SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Всички HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неизползвани</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Същият</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Прилагане</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалогов прозорец</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Назначаване като собствен резервен диск</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Назначаване като глобален резервен диск</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Идентифициране на диск чрез светодиоди</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Премахване на устройство</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Подготовка за премахване</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Премахване като глобален резервен диск</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Премахване като собствен резервен диск</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Конфигурацията не можа да бъде прочетена; нищо не е променено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Диск %1 вече не присъства; нищо не е променено.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Потвърждаване на назначаването на резервен диск</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Предупреждение: открито е смесване на устройства! За най-добра производителност не се препоръчва смесване на устройства със значително различна производителност. Искате ли да продължите с назначаването на резервен диск?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Идентифициране на диск</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Светодиодите на избрания диск вече светят. Щракнете върху &apos;OK&apos;, за да спрете идентифицирането.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Състояние на премахването на устройство</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалогов прозорец</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Списък на дисковете:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. кан.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Използва се</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Неинициализирани</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Инициализиране на избраните</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Повторно сканиране</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Поставено устройство</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID контролер откри поставяне на ново устройство. За да бъде включено това устройство, трябва да се извърши ПОВТОРНО СКАНИРАНЕ на контролера. Ако устройството е част от масив от няколко устройства, сканирайте повторно едва след като поставите последното устройство от масива. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Извадено устройство</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID контролер откри изваждане на дисково устройство. За да бъде устройството окончателно премахнато и конфигурацията синхронизирана, трябва да се извърши повторно сканиране. Ако устройството е част от масив, който се изключва, НЕ СКАНИРАЙТЕ ПОВТОРНО, докато не бъде извадено последното устройство от масива.</translation>
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
        <translation>Опции на масива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Име на масив:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Капацитет:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. капацитет</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Опции на кеша:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Размер на етикета на кеша:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоново сканиране на масива</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропускане на инициализацията  (не се препоръчва)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Запазване на съществуващите данни</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Създаване с нулиране</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Всички NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Всички SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Всички HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неизползвани</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Създаване</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кеш за четене + отложен запис</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кеш за четене</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш с отложен запис</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кеш</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По подразбиране</translation>
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
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Най-голямо свободно </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Уведомена гореща смяна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия на фърмуера</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Списък на контролерите:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Няма</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модел</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Брой портове</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI ИД на производител</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI ИД на устройство</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI ИД на подпроизводител</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI ИД на подустройство</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Шина</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Слот</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Приемам</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Лицензно споразумение с краен потребител</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Текстът на лицензното споразумение не можа да бъде зареден.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Опции на масива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Текущ капацитет:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. капацитет:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. капацитет</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всички</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Всички NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Всички SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Всички HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неизползвани</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Същият</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Прилагане</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порт</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Употреба</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно място</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Най-голямо свободно </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Уведомена гореща смяна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер на модела</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия на фърмуера</translation>
    </message>
</context>
</TS>
