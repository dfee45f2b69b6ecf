<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Версия приложения:</translation>
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
        <translation>RAID 0  (чередование)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (зеркало)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (чередование зеркал)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (чередование с чётностью)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (чередование с двойной чётностью)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Диск </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Недопустимая конфигурация: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Расширенный</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>Введите имя массива длиной не более 30 символов.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Имя массива</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Недопустимое имя: имя массива не может совпадать с именем существующего массива или содержать следующие символы: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Список дисков:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. Канал</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Используется</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Очистка метаданных</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Не найдено дисков со свободным пространством. Чтобы создать RAID-массив, освободите место на одном из дисков или добавьте в систему ещё один диск.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Недопустимое имя: имя массива не может совпадать с именем существующего массива или содержать следующие символы: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Подтверждение создания</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Внимание! В массив включён резервный диск. Продолжить?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Внимание! Обнаружены разнотипные диски. Для наилучшей производительности не рекомендуется сочетать диски с существенно разной производительностью. Всё равно создать массив?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Не удалось создать массив</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создание</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Наиб. свободный </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Горячая замена с уведомлением</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия микропрограммы</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Параметры массива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Имя массива:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ёмкость:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ёмкость</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Параметры кэша:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Размер тега кэша:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоновое сканирование массива</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропустить инициализацию  (не рекомендуется)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Сохранить существующие данные</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Создание с обнулением</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Все NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Все SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Все HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неиспользуемые</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Имя в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Имя массива</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Общая ёмкость</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Вы действительно хотите удалить выбранные массивы: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Подтверждение действия</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Удаление массивов...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Свойства диска</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Кэширование с обратной записью на диске:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Упреждающее чтение диска:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>Опрос SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Примечание. Включение кэширования с обратной записью на диске может повысить вероятность повреждения данных при сбое питания системы.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кэш обратной записи</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Упрежд. чтение</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>Опрос SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакция микропрограммы</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> — устройство NVMe, параметры кэша диска для него изменить нельзя.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Массив %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Массив %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, приостановлено</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 отключён</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 перестраивается, а диск %2 сообщает об ошибках S.M.A.R.T.: ещё один отказ приведёт к потере массива</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>перестроение на диск %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>перестроение, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 в критическом состоянии: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: состояние «%2»</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 в критическом состоянии: отказ диска %2</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 в критическом состоянии</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1: выполняется преобразование: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1: выполняется создание: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1: выполняется безопасное стирание: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: отказ элемента на диске %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 лишился последнего резервного диска</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>проверка согласованности</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>осталось меньше минуты</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>осталось около минуты</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>осталось около %n часа</numerusform>
            <numerusform>осталось около %n часов</numerusform>
            <numerusform>осталось около %n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>осталось около %n минуты</numerusform>
            <numerusform>осталось около %n минут</numerusform>
            <numerusform>осталось около %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID-драйвер не отвечает</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 сообщает об ошибках S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (и ещё %n)</numerusform>
            <numerusform>%1 (и ещё %n)</numerusform>
            <numerusform>%1 (и ещё %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Массивы не настроены</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Массив исправен</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n массив исправен</numerusform>
            <numerusform>Все %n массива исправны</numerusform>
            <numerusform>Все %n массивов исправны</numerusform>
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
        <translation>&amp;Показать %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 в критическом состоянии</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 отключён</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: перестроение завершено; массив снова исправен</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: преобразование завершено</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: перестроение прекращено; состояние массива: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: преобразование прекращено; состояние массива: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Резервный диск %1 занял место отказавшего элемента</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Диск %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Отказ диска %1</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Диск %1 сообщает об ошибках S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>Изменился %n массив или диск: %1</numerusform>
            <numerusform>Изменились %n массива или диска: %1</numerusform>
            <numerusform>Изменились %n массивов или дисков: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>НОРМАЛЬНОЕ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>ГОТОВ</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>КРИТИЧЕСКОЕ</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ОТКЛЮЧЁН</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>УСТАРЕЛ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>КЭШ ОТКЛЮЧЁН</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ЗАБЛОКИРОВАН</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>НЕИЗВЕСТНО</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Нет ошибок</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Отключён</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Отказ, отключён</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>НЕ АКТИВНА</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>ПРЕОБРАЗОВАНИЕ</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>СОЗДАНИЕ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ПРОВЕРКА</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>КОПИРОВАНИЕ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ПЕРЕСТРОЕНИЕ</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ПРОВЕРКА БИТОВОЙ КАРТЫ</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>СБРОС БИТОВОЙ КАРТЫ</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>БЕЗОПАСНОЕ СТИРАНИЕ</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ПЕРЕМЕЩЕНИЕ СТРАНИЦ</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>ПЕРЕМЕЩЕНИЕ УРОВНЯ</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>СОЗДАНИЕ С ОБНУЛЕНИЕМ</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>ЗАПУЩЕНА</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>ПРИОСТАНОВЛЕНА</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ЗАВЕРШЕНИЕ РАБОТЫ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>СБОЙ</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ОСТАНОВЛЕНА</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ЗАВЕРШЕНА</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>УДАЛЕНА</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>НЕ ЗАВЕРШЕНА</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Очень низкий</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Критическое</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Неустранимое</translation>
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
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;Массив</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>Создать RAID-массив</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Преобразовать</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Преобразовать существующий RAID-массив</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Проверка согласованности</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоновое сканирование массива</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Изменить параметры кэша</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кэша</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кэш чтения</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кэш обратной записи</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кэш чтения + обратной записи</translation>
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
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Изменить имя выбранного массива</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Скрыть или показать существующий массив</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Идентифицировать массив</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Включить индикаторы дисков выбранного массива</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>Подготовить к из&amp;влечению</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Скрыть массив от операционной системы для подготовки к извлечению</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Удалить резервные диски</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Удалить все выделенные резервные диски, назначенные этому массиву</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Удалить существующий RAID-массив</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>Удалить &amp;несколько массивов</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Выбрать несколько существующих RAID-массивов для удаления</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Безопасное стирание</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Безопасно стереть существующий RAID-массив</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Диск</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Повторное сканирование</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Повторно просканировать все каналы, чтобы обнаружить новые или извлечённые физические диски и массивы.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Инициализировать</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Очистить метаданные</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>С&amp;войства</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>Обзор &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) — встроенная в диск система самоконтроля, которая отслеживает различные показатели его надёжности и сообщает о них.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Управление резервными дисками для выбранного диска.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Журнал приложения</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Показать журнал приложения.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>&amp;Контроллеры</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Показать список контроллеров</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>Просмотр &amp;событий</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Свернуть список событий</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Изменить цветовую тему приложения</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Размер значков</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Изменить размер значков приложения</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Размер &amp;шрифта</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Изменить размер шрифта приложения</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Показать версии приложения и RAID-драйверов</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Руководство пользователя</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Открыть руководство пользователя</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Поддержка</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>Перейти на сайт поддержки OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Лицензионное соглашение</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Показать лицензионное соглашение с конечным пользователем (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>Наиб. свободный</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Глобальный резерв</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Горячая замена с уведомлением</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакция микропрограммы</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>Имя в ОС</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Имя массива</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Общая ёмкость</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Состояние задачи</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Приор.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканир.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кэш</translation>
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
        <translation>Выдел. резерв</translation>
    </message>
    <message>
        <source>#</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(скрыт)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (источник)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (назначение)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Выделенные резервные диски</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>Не найден RAID-драйвер kvcfg. Убедитесь, что установлены все необходимые RAID-драйверы, иначе приложение не сможет работать.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>RAID-драйверы OXV не найдены. Убедитесь, что в настройках BIOS включён режим RAID.

В режиме AHCI/Native ничего делать не нужно. Приложение будет закрыто.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Запустите приложение от имени администратора.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>С текущими правами пользователя в этом приложении нельзя:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) выполнять команды, уничтожающие данные;</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) просматривать разделы массивов и сведения о системном массиве.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Уведомление о событии</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Текущая скорость в МБ/с между ОС и драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Текущая скорость в МБ/с между драйвером OXV-RAID и устройством хранения.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Текущее число операций ввода-вывода в секунду между ОС и драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Текущее число операций ввода-вывода в секунду между драйвером OXV-RAID и устройствами хранения.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Общий объём данных в байтах между ОС и драйвером OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Общий объём данных в байтах между драйвером OXV-RAID и устройством хранения.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Выполнить «%1» для массива %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Эта операция скроет массив от операционной системы и может привести к ПОТЕРЕ ДАННЫХ. Продолжить подготовку к извлечению?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Удалить все резервные диски массива %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Удалить массив %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>ВНИМАНИЕ! Все данные будут безвозвратно утеряны. Продолжить безопасное стирание массива %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Кэш с обратной записью повышает вероятность повреждения данных при неожиданном отключении системы. Включить его?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> заблокирован, его нельзя преобразовать до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> заблокирован, проверку согласованности нельзя запустить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> заблокирован, проверку согласованности нельзя остановить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> заблокирован, фоновое сканирование массива нельзя запустить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> заблокирован, фоновое сканирование массива нельзя остановить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> заблокирован, его кэш нельзя изменить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> заблокирован, приоритет его задачи нельзя изменить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> заблокирован, его задачу нельзя возобновить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> заблокирован, его задачу нельзя приостановить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> заблокирован, его задачу нельзя удалить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> заблокирован, его нельзя переименовать до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> заблокирован, его нельзя скрыть до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> заблокирован, его нельзя идентифицировать до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> заблокирован, его нельзя подготовить к извлечению до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> заблокирован, его резервные диски нельзя удалить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> заблокирован, его нельзя удалить до снятия блокировки.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> заблокирован, его нельзя безопасно стереть до снятия блокировки.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Подтверждение действия</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Выполняется повторное сканирование...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Выполняется удаление...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Выполняется безопасное стирание...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Выбранный массив пересекается с другим массивом. Операция отменена.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>Ошибка при извлечении SCSI-устройства массива OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Устройство сейчас используется. Закройте все программы и окна, которые могут его использовать, и повторите попытку.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Извлечение массива</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Массив %1 удалён из конфигурации, его устройства отключены и готовы к физическому извлечению из системы. Не выполняйте ПОВТОРНОЕ СКАНИРОВАНИЕ ДИСКОВ, пока не будут отключены все диски массива</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Индикаторы дисков выбранного массива включены. Нажмите «ОК», чтобы завершить идентификацию.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Общее число массивов ограничено значением %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID-драйвер не отвечает. В списках показана конфигурация, прочитанная в %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID-драйвер не отвечает. Не удалось прочитать конфигурацию.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Консоль не может определить, на каких массивах находится операционная система: удаление, безопасное стирание, скрытие и подготовка к извлечению недоступны.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Массив </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Диск </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создание</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Приоритет задачи</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Инициализация дисков</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Очистка метаданных</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>Обзор S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Контроллеры</translation>
    </message>
    <message>
        <source>About </source>
        <translation>О программе </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Сохранить пакет для поддержки...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Сохранить конфигурацию, журналы и отчёты S.M.A.R.T. в одном файле для службы поддержки</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;Закрывать в область уведомлений</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>При закрытии окна консоль продолжает следить за массивами из области уведомлений.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Приостановлено: пока задача ожидает, оставшееся время не оценивается.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Оставшееся время оценивается после того, как ход выполнения задачи наблюдался в течение минуты.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Отказ диска; драйвер сообщает его состояние как %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Диск сообщает об ошибках S.M.A.R.T.: замените его в ближайшее время.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Сохранить пакет для поддержки</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-архивы (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Пакет для поддержки сохранён в %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Не удалось сохранить пакет для поддержки в %1: %2</translation>
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
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Не удалось прочитать конфигурацию; ничего не изменено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Диск %1 больше не присутствует; ничего не изменено. Закройте это окно и откройте его снова, чтобы увидеть текущее состояние дисков.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Список дисков:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Запросить выбранные данные S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 г.  %2 дн.  %3 ч</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 дн.  %2 ч</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Не удалось получить</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Редакция микропрограммы</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Часы работы</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Циклы включения</translation>
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
        <translation>Velmora: нет дисплея, на котором можно открыть окно (не задана ни DISPLAY, ни WAYLAND_DISPLAY); velmora-cli предоставляет команды консоли в терминале.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>Текущий приоритет задачи &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Выберите ползунком новый приоритет задачи &apos;%1&apos; массива &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Новый приоритет: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Подтверждение преобразования</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Внимание! В массив включён резервный диск. Продолжить?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Внимание! В преобразовании массива участвует устройство с горячей заменой. После завершения преобразования необходимо перезагрузить систему, чтобы ОС узнала об изменении устройств массива. Продолжить?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Подтверждение создания</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Внимание! Обнаружены разнотипные диски. Для наилучшей производительности не рекомендуется сочетать диски с существенно разной производительностью. Всё равно создать массив?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Не удалось выполнить преобразование</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Наиб. свободный </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Горячая замена с уведомлением</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия микропрограммы</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Параметры массива</translation>
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
        <translation>Текущая ёмкость:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ёмкость</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Все NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Все SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Все HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неиспользуемые</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Назначить выделенным резервным диском</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Назначить глобальным резервным диском</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Идентифицировать диск индикаторами</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Извлечь устройство</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Подготовить к извлечению</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Снять назначение глобального резервного диска</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Снять назначение выделенного резервного диска</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Не удалось прочитать конфигурацию; ничего не изменено.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Диск %1 больше не присутствует; ничего не изменено.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Подтверждение назначения резервного диска</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Внимание! Обнаружены разнотипные диски. Для наилучшей производительности не рекомендуется сочетать диски с существенно разной производительностью. Продолжить назначение резервного диска?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Идентификация диска</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Индикаторы выбранного диска включены. Нажмите «ОК», чтобы завершить идентификацию.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Состояние извлечения устройства</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Список дисков:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Контр. Канал</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Используется</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Неинициализированные</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Инициализировать выбранные</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Повторное сканирование</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Диск установлен</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID-контроллер обнаружил установку нового диска. Чтобы ввести диск в работу, выполните ПОВТОРНОЕ СКАНИРОВАНИЕ контроллера. Если диск входит в массив из нескольких дисков, выполняйте сканирование только после установки последнего диска этого массива. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Диск извлечён</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID-контроллер обнаружил извлечение диска. Чтобы окончательно удалить диск и синхронизировать конфигурацию, выполните повторное сканирование. Если диск входит в массив, выводимый из работы, НЕ ВЫПОЛНЯЙТЕ СКАНИРОВАНИЕ, пока не будет извлечён последний диск этого массива.</translation>
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
        <translation>Параметры массива</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Имя массива:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Организация:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ёмкость:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ёмкость</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Параметры кэша:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Размер тега кэша:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Фоновое сканирование массива</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Пропустить инициализацию  (не рекомендуется)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Сохранить существующие данные</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Создание с обнулением</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Все NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Все SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Все HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неиспользуемые</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создание</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Кэш чтения + обратной записи</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Кэш чтения</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Кэш обратной записи</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Без кэша</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 КБ</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 КБ</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 КБ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Наиб. свободный </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Горячая замена с уведомлением</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия микропрограммы</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Список контроллеров:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Число портов</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>ID поставщика PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>ID устройства PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>ID подпоставщика PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>ID подустройства PCI</translation>
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
        <translation>Принять</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Лицензионное соглашение с конечным пользователем</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Не удалось загрузить текст лицензионного соглашения.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Параметры массива</translation>
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
        <translation>Текущая ёмкость:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Макс. ёмкость:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Макс. ёмкость</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Все NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Все SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Все HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Неиспользуемые</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Тип порта</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>Наиб. свободный </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>ГР</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Горячая замена с уведомлением</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия микропрограммы</translation>
    </message>
</context>
</TS>
