<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
