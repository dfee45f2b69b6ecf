<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Версія програми:</translation>
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
        <translation>RAID 0  (чергування)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (дзеркалювання)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (чергування дзеркал)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (чергування з парністю)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (чергування з 2 парностями)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Диск </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Неприпустима конфігурація: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Додатково</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простий</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Введіть назву масиву довжиною до 30 символів.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Назва масиву</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Неприпустима назва: назва масиву не може збігатися з назвами наявних масивів або містити такі символи: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалогове вікно</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Список дисків:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. кан.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Використовується</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Очистити метадані</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Не виявлено дисків із вільним місцем. Щоб створити RAID-масив, спочатку звільніть місце на наявному диску або додайте до системи ще один диск.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Неприпустима назва: назва масиву не може збігатися з назвами наявних масивів або містити такі символи: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Підтвердження створення</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Попередження: ви включили до масиву резервний диск. Продовжити?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Попередження: виявлено змішування накопичувачів! Для найкращої продуктивності не рекомендується поєднувати накопичувачі з істотно різною продуктивністю. Усе одно створити масив?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Не вдалося створити</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Найбільший вільний </translation>
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
        <translation>Повідомлена гаряча заміна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версія мікропрограми</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Параметри масиву</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Назва масиву:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Організація:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ємність:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ємність:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ємність</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Параметри кешу:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Розмір тегу кешу:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фонове сканування масиву</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропустити ініціалізацію  (не рекомендовано)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Зберегти наявні дані</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Створення з обнуленням</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Усі NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Усі SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Усі HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Невикористані</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Ім&apos;я в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системний</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Розділ</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Назва масиву</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Загальна ємність</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кеш</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Ви дійсно хочете видалити вибрані масиви: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Підтвердження дії</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Видалення масивів...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Перервати</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Властивості диска</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Кешування запису диска:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Увімкнути</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Попереднє читання диска:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Опитування SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Примітка: увімкнення кешування запису диска може підвищити ймовірність пошкодження даних у разі збою живлення системи.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш із відкладеним записом</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Попереднє читання</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Опитування SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакція мікропрограми</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> є пристроєм NVMe, тому параметри кешу диска змінити не можна.</translation>
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
        <translation>%1, призупинено</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 поза мережею</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 перебудовується, а диск %2 повідомляє про помилки S.M.A.R.T.: ще один збій знищить масив</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>перебудова на диск %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>перебудова, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 у критичному стані: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 у критичному стані: диск %2 несправний</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 у критичному стані</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 перетворюється: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 створюється: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 безпечно стирається: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: несправний член на диску %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 втратив останній резервний диск</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>перевірка узгодженості</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>залишилося менше хвилини</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>залишилося близько хвилини</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>залишилося близько %n години</numerusform>
            <numerusform>залишилося близько %n годин</numerusform>
            <numerusform>залишилося близько %n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>залишилося близько %n хвилини</numerusform>
            <numerusform>залишилося близько %n хвилин</numerusform>
            <numerusform>залишилося близько %n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>Драйвер RAID не відповідає</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 повідомляє про помилки S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (і ще %n)</numerusform>
            <numerusform>%1 (і ще %n)</numerusform>
            <numerusform>%1 (і ще %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Жодного масиву не налаштовано</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Масив справний</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>Усі масиви (%n) справні</numerusform>
            <numerusform>Усі масиви (%n) справні</numerusform>
            <numerusform>Усі масиви (%n) справні</numerusform>
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
        <translation>&amp;Показати %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 у критичному стані</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 поза мережею</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: перебудову успішно завершено; масив знову справний</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: перетворення успішно завершено</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: перебудову завершено; стан масиву: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: перетворення завершено; стан масиву: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Резервний диск %1 замінив несправний член</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Диск %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Диск %1 несправний</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 повідомляє про помилки S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Змінився %n масив або диск: %1</numerusform>
            <numerusform>Змінилися %n масиви або диски: %1</numerusform>
            <numerusform>Змінилося %n масивів або дисків: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>НОРМАЛЬНИЙ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>ГОТОВИЙ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>КРИТИЧНИЙ</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ПОЗА МЕРЕЖЕЮ</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ЗАСТАРІЛИЙ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>КЕШ ВИМКНЕНО</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ЗАБЛОКОВАНО</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>НЕВІДОМО</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Без помилок</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Збій</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Поза мережею</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Збій, поза мережею</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>НЕАКТИВНЕ</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>ПЕРЕТВОРЕННЯ</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>СТВОРЕННЯ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ПЕРЕВІРКА</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>КОПІЮВАННЯ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ВІДНОВЛЕННЯ</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ПЕРЕВІРКА БІТОВОЇ КАРТИ</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>СКИДАННЯ БІТОВОЇ КАРТИ</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>БЕЗПЕЧНЕ СТИРАННЯ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ПЕРЕМІЩЕННЯ СТОРІНОК</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>ПЕРЕМІЩЕННЯ МІЖ РІВНЯМИ</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>СТВОРЕННЯ З ОБНУЛЕННЯМ</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ЗАПУЩЕНО</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ПРИЗУПИНЕНО</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ВИМКНЕННЯ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ЗБІЙ</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ЗУПИНЕНО</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ЗАВЕРШЕНО</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>ВИЛУЧЕНО</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>НЕ ЗАВЕРШЕНО</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Дуже низький</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Інформаційна</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Критичний</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Фатальна</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Масив</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Створити</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Створити RAID-масив</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Перетворити</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Перетворити наявний RAID-масив</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Перевірка узгодженості</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустити</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фонове сканування масиву</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Змінити параметри кешу</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кешу</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кеш читання</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш із відкладеним записом</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кеш читання + відкладеного запису</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Пріоритет</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Призупинити</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Назва</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Змінити назву вибраного масиву</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Приховати</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Приховати/показати наявний масив</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Ідентифікувати масив</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Засвітити світлодіоди вибраного масиву</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Підготувати до &amp;вилучення</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Зробити масив невидимим для операційної системи для підготовки до вилучення</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Вилучити резервні диски</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Вилучити всі виділені резервні диски, призначені цьому масиву</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>В&amp;идалити</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Видалити наявний RAID-масив</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Видалити &amp;кілька масивів</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Вибрати кілька наявних RAID-масивів для видалення</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Безпечне стирання</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Безпечно стерти наявний RAID-масив</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Диск</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Повторне сканування</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Повторно сканувати всі канали, щоб виявити нові або вилучені фізичні диски та масиви.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Ініціалізувати</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Очистити метадані</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Властивості</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. огляд</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (технологія самоконтролю, аналізу та звітування) — це система моніторингу накопичувача, що виявляє різні показники його надійності й повідомляє про них.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метри</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Керувати резервними дисками для вибраного диска.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Оновити</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Журнал програми</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Переглянути відомості журналу програми.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Переглянути &amp;контролери</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Переглянути список контролерів</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Перегляд &amp;подій</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Згорнути перегляд подій</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Змінити колірну тему програми</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>Розмір &amp;значків</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Змінити розмір значків програми</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малі</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великі</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Розмір &amp;шрифту</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Змінити розмір шрифту програми</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормальний</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Д&amp;овідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Показати версії програми та драйверів RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Посібник &amp;користувача</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Посилання на посібник користувача</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>П&amp;ідтримка</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Посилання на сайт підтримки OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Ліцензійна угода</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Переглянути ліцензійну угоду з кінцевим користувачем (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Найбільший вільний</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Глобальний резервний</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Повідомлена гаряча заміна</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакція мікропрограми</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Ім&apos;я в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системний</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Розділ</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Назва масиву</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Загальна ємність</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Стан завдання</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Хід виконання</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Пріор.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканування</translation>
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
        <translation>Виділ. рез.</translation>
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
        <translation>Подія</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Ліцензійна угода</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Приховано)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Джерело)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Призначення)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Виділені резервні диски</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Відсутній</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Не вдалося знайти драйвер RAID kvcfg. Переконайтеся, що встановлено всі потрібні драйвери RAID, інакше програма не працюватиме.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>Не вдалося знайти драйвери RAID OXV. Перевірте, чи ввімкнено RAID у параметрах BIOS.

Якщо використовується режим AHCI/власний режим, нічого робити не потрібно. Програма завершує роботу.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Запустіть програму від імені адміністратора.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Запустивши цю програму з поточними правами користувача, ви не зможете:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Виконувати руйнівні команди.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Переглядати розділи масивів та відомості про системний масив.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Сповіщення про подію</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Значення показує поточну продуктивність у МБ за секунду між ОС і драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Значення показує поточну продуктивність у МБ за секунду між драйвером OXV-RAID і пристроєм зберігання.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Значення показує поточну продуктивність у IO за секунду між ОС і драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Значення показує поточну продуктивність у IO за секунду між драйвером OXV-RAID і пристроями зберігання.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Значення показує загальну кількість байтів між ОС і драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Значення показує загальну кількість байтів між драйвером OXV-RAID і пристроєм зберігання.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Бажаєте виконати «%1» для масиву %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Ця операція зробить масив невидимим для операційної системи й може спричинити ВТРАТУ ДАНИХ. Продовжити підготовку до вилучення?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Вилучити всі резервні диски з масиву %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Бажаєте видалити масив %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ПОПЕРЕДЖЕННЯ: усі дані буде безповоротно втрачено. Продовжити безпечне стирання масиву %1 «%2»?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Увімкнений кеш із відкладеним записом може підвищити ймовірність пошкодження даних у разі неочікуваного вимкнення системи. Увімкнути його?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> заблоковано, його не можна перетворити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> заблоковано, перевірку узгодженості не можна запустити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> заблоковано, перевірку узгодженості не можна зупинити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> заблоковано, фонове сканування масиву не можна запустити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> заблоковано, фонове сканування масиву не можна зупинити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> заблоковано, його кеш не можна змінити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> заблоковано, пріоритет його завдання не можна змінити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> заблоковано, його завдання не можна відновити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> заблоковано, його завдання не можна призупинити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> заблоковано, його завдання не можна вилучити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> заблоковано, його не можна перейменувати, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> заблоковано, його не можна приховати, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> заблоковано, його не можна ідентифікувати, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> заблоковано, його не можна підготувати до вилучення, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> заблоковано, його резервні диски не можна вилучити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> заблоковано, його не можна видалити, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> заблоковано, його не можна безпечно стерти, доки його не буде розблоковано.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Підтвердження дії</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Триває повторне сканування...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Триває видалення...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Триває безпечне стирання...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Помилка операції</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Вибраний масив перекривається з іншим масивом. Операцію скасовано.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Проблема з вилученням SCSI-пристрою масиву OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Цей пристрій зараз використовується. Закрийте всі програми або вікна, які можуть його використовувати, і повторіть спробу.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Вилучення масиву</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Масив %1 вилучено з конфігурації, пристрої від&apos;єднано, і тепер їх можна фізично вийняти із системи. Важливо не виконувати ПОВТОРНЕ СКАНУВАННЯ ДИСКІВ, доки не буде від&apos;єднано всі диски масиву</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Світлодіоди дисків вибраного масиву зараз світяться. Натисніть &apos;OK&apos;, щоб припинити ідентифікацію.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Загальну кількість масивів обмежено до %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>Драйвер RAID не відповідає. Списки показують конфігурацію, прочитану о %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>Драйвер RAID не відповідає. Не вдалося прочитати жодної конфігурації.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Консоль не може визначити, на яких масивах розміщено операційну систему: видалення, безпечне стирання, приховування й підготовка до вилучення недоступні.</translation>
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
        <translation>Перетворити</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Пріоритет завдання</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Ініціалізувати диски</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Очистити метадані</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Огляд S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Контролери</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Про програму </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Зберегти пакет для підтримки...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Зберегти конфігурацію, журнали та звіти S.M.A.R.T. в один файл для служби підтримки</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>З&amp;гортати в системний лоток</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Після закриття вікна консоль і далі стежить за масивами із системного лотка.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Призупинено: поки завдання очікує, час до завершення не оцінюється.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Час до завершення оцінюється, щойно хід виконання завдання спостерігався протягом хвилини.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Диск несправний; драйвер повідомляє його стан як %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Диск повідомляє про помилки S.M.A.R.T.: незабаром замініть його.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Зберегти пакет для підтримки</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-архіви (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Пакет для підтримки збережено в %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Не вдалося зберегти пакет для підтримки в %1: %2</translation>
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
        <translation>Стан</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Не вдалося прочитати конфігурацію; нічого не змінено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Диска %1 більше немає; нічого не змінено. Закрийте це вікно й відкрийте його знову, щоб побачити поточні диски.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Список дисків:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Запитати вибрані дані S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 р  %2 д  %3 год</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 д  %2 год</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Не вдалося отримати</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакція мікропрограми</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Години роботи</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Цикли ввімкнення</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Температура (°C)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: немає дисплея, на якому можна відкрити вікно (не задано ні DISPLAY, ні WAYLAND_DISPLAY); команди консолі в терміналі надає velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Підтвердити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Поточний пріоритет завдання &apos;%1&apos; становить: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Виберіть повзунком новий пріоритет для завдання &apos;%1&apos; у масиві &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Новий пріоритет: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Підтвердження перетворення</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Попередження: ви включили до масиву резервний диск. Продовжити?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Попередження: це перетворення масиву включає пристрій із гарячою заміною. Після завершення перетворення потрібно перезавантажити систему, щоб ОС дізналася про зміни пристроїв масиву. Продовжити?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Підтвердження створення</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Попередження: виявлено змішування накопичувачів! Для найкращої продуктивності не рекомендується поєднувати накопичувачі з істотно різною продуктивністю. Усе одно створити масив?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Помилка команди перетворення</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Перетворити</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Призначення</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Найбільший вільний </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Повідомлена гаряча заміна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версія мікропрограми</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Параметри масиву</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Організація:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Поточна ємність:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ємність:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ємність:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ємність</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Усі NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Усі SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Усі HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Невикористані</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалогове вікно</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Призначити виділеним резервним диском</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Призначити глобальним резервним диском</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Ідентифікувати диск за допомогою світлодіодів</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Вилучити пристрій</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Підготувати до вилучення</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Скасувати призначення глобальним резервним</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Скасувати призначення виділеним резервним</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Не вдалося прочитати конфігурацію; нічого не змінено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Диска %1 більше немає; нічого не змінено.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Підтвердження призначення резервного диска</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Попередження: виявлено змішування накопичувачів! Для найкращої продуктивності не рекомендується поєднувати накопичувачі з істотно різною продуктивністю. Продовжити призначення резервного диска?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Ідентифікувати диск</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Світлодіоди вибраного диска зараз світяться. Натисніть &apos;OK&apos;, щоб припинити ідентифікацію.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Стан вилучення пристрою</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалогове вікно</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Список дисків:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. кан.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Використовується</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Неініціалізовані</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Ініціалізувати вибрані</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Повторне сканування</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Накопичувач підключено</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID-контролер виявив підключення нового накопичувача. Щоб увести цей накопичувач у роботу, потрібно виконати ПОВТОРНЕ СКАНУВАННЯ контролера. Якщо накопичувач є частиною масиву з кількох накопичувачів, виконуйте повторне сканування лише після підключення останнього накопичувача цього масиву. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Накопичувач від&apos;єднано</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID-контролер виявив від&apos;єднання дискового накопичувача. Щоб остаточно вилучити накопичувач і синхронізувати конфігурацію, потрібно виконати повторне сканування. Якщо накопичувач є частиною масиву, який виводиться з роботи, НЕ ВИКОНУЙТЕ ПОВТОРНЕ СКАНУВАННЯ, доки не буде вилучено останній накопичувач цього масиву.</translation>
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
        <translation>Параметри масиву</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Назва масиву:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Організація:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ємність:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ємність:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ємність</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Параметри кешу:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Розмір тегу кешу:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фонове сканування масиву</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропустити ініціалізацію  (не рекомендовано)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Зберегти наявні дані</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Створення з обнуленням</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Усі NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Усі SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Усі HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Невикористані</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кеш читання + відкладеного запису</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кеш читання</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кеш із відкладеним записом</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кешу</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
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
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Найбільший вільний </translation>
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
        <translation>Повідомлена гаряча заміна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версія мікропрограми</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Список контролерів:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
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
        <translation>Модель</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Кількість портів</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI ID постачальника</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI ID пристрою</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI ID субпостачальника</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI ID підпристрою</translation>
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
        <translation>Функція</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Ліцензійна угода з кінцевим користувачем</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Не вдалося завантажити текст ліцензійної угоди.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Параметри масиву</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Організація:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Поточна ємність:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ємність:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ємність:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ємність</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Усі NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Усі SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Усі HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Невикористані</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порту</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільне місце</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Найбільший вільний </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Повідомлена гаряча заміна</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер моделі</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версія мікропрограми</translation>
    </message>
</context>
</TS>
