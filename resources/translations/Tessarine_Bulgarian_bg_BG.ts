<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
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
