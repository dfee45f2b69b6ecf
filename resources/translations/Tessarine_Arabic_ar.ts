<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>إصدار التطبيق:</translation>
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
        <translation>وحدة تخزين  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (تقسيم)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (نسخ متطابق)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (تقسيم للنسخ المتطابقة)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (تقسيم مع تماثل)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (تقسيم مع تماثل مزدوج)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>القرص </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>تكوين غير صالح: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيط</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>أدخل اسمًا للمصفوفة لا يزيد على 30 حرفًا.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> اسم المصفوفة</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>اسم غير صالح: لا يجوز أن يطابق اسم المصفوفة اسم مصفوفة موجودة أو أن يحتوي على الأحرف التالية: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>قائمة الأقراص:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>وحدة التحكم/القناة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>مسح البيانات الوصفية</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>لم يتم العثور على أقراص بها مساحة حرة. لإنشاء مصفوفة RAID، حرر أولاً مساحة على قرص موجود أو أضف قرصًا آخر إلى النظام.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>اسم غير صالح: لا يجوز أن يطابق اسم المصفوفة اسم مصفوفة موجودة أو أن يحتوي على الأحرف التالية: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>تأكيد الإنشاء</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>تحذير: لقد ضمّنت قرصًا احتياطيًا في المصفوفة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>تحذير: تم اكتشاف خلط بين محركات أقراص مختلفة! للحصول على أفضل أداء لا يُنصح بالخلط بين محركات أقراص يختلف أداؤها اختلافًا كبيرًا. هل تريد الإنشاء على أي حال؟</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>فشل الإنشاء</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>أكبر مساحة حرة </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>احتياطي عام</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>تبديل ساخن مُبلَّغ عنه</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>خيارات المصفوفة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>اسم المصفوفة:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>منظمة كـ:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>السعة:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>السعة القصوى:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>السعة القصوى</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>خيارات ذاكرة التخزين المؤقت:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>حجم علامة ذاكرة التخزين المؤقت:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>فحص المصفوفة في الخلفية</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>تخطي التهيئة  (غير مستحسن)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>الإبقاء على البيانات الموجودة</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>إنشاء بالأصفار</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>كل أقراص NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>كل أقراص SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>كل الأقراص الصلبة</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>غير المستخدمة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>الاسم في نظام التشغيل</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>القسم</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>اسم المصفوفة</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>السعة الإجمالية</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>ذاكرة التخزين المؤقت</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>هل تريد بالتأكيد حذف المصفوفات المحددة: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>تأكيد الإجراء</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>جارٍ حذف المصفوفات...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إلغاء الأمر</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>خصائص القرص</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>التخزين المؤقت للكتابة المؤجلة للقرص:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>تمكين</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>القراءة المسبقة للقرص:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>استطلاع SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>ممكّن</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>ملاحظة: قد يزيد تشغيل التخزين المؤقت للكتابة المؤجلة للقرص من احتمال تلف البيانات في حال انقطاع التيار الكهربائي عن النظام.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ذاكرة مؤقتة للكتابة المؤجلة</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>القراءة المسبقة</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>استطلاع SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>مراجعة البرنامج الثابت</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> جهاز NVMe ولا يمكن تغيير إعدادات ذاكرة التخزين المؤقت للقرص فيه.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>المصفوفة %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>المصفوفة %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1، متوقفة مؤقتًا</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 غير متصلة</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>جارٍ إعادة بناء %1 بينما يبلّغ القرص %2 عن أخطاء S.M.A.R.T.: أي فشل آخر سيؤدي إلى فقدانها</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>إعادة البناء على القرص %1، %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>إعادة البناء، %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 في حالة حرجة: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>حالة %1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 في حالة حرجة: فشل القرص %2</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 في حالة حرجة</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>جارٍ تحويل %1: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>جارٍ إنشاء %1: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>جارٍ المسح الآمن لـ %1: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 بها عضو فاشل على القرص %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>فقدت %1 آخر قرص احتياطي لها</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>التحقق من التناسق</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2، %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>المتبقي أقل من دقيقة</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>المتبقي حوالي دقيقة</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>المتبقي حوالي %n ساعة</numerusform>
            <numerusform>المتبقي حوالي %n ساعة</numerusform>
            <numerusform>المتبقي حوالي %n ساعة</numerusform>
            <numerusform>المتبقي حوالي %n ساعات</numerusform>
            <numerusform>المتبقي حوالي %n ساعة</numerusform>
            <numerusform>المتبقي حوالي %n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>المتبقي حوالي %n دقيقة</numerusform>
            <numerusform>المتبقي حوالي %n دقيقة</numerusform>
            <numerusform>المتبقي حوالي %n دقيقة</numerusform>
            <numerusform>المتبقي حوالي %n دقائق</numerusform>
            <numerusform>المتبقي حوالي %n دقيقة</numerusform>
            <numerusform>المتبقي حوالي %n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>برنامج تشغيل RAID لا يستجيب</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>القرص %1 يبلّغ عن أخطاء S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (و%n غيرها)</numerusform>
            <numerusform>%1 (و%n غيرها)</numerusform>
            <numerusform>%1 (و%n غيرها)</numerusform>
            <numerusform>%1 (و%n غيرها)</numerusform>
            <numerusform>%1 (و%n غيرها)</numerusform>
            <numerusform>%1 (و%n غيرها)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>لا توجد مصفوفات مكوّنة</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>المصفوفة سليمة</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>جميع المصفوفات (%n) سليمة</numerusform>
            <numerusform>المصفوفة (%n) سليمة</numerusform>
            <numerusform>المصفوفتان (%n) سليمتان</numerusform>
            <numerusform>جميع المصفوفات الـ %n سليمة</numerusform>
            <numerusform>جميع المصفوفات الـ %n سليمة</numerusform>
            <numerusform>جميع المصفوفات الـ %n سليمة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1؛ %2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>إ&amp;ظهار %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 في حالة حرجة</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 غير متصلة</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: اكتملت إعادة البناء؛ المصفوفة سليمة مرة أخرى</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: اكتمل التحويل</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: انتهت إعادة البناء؛ حالة المصفوفة: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: انتهى التحويل؛ حالة المصفوفة: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>حلّ القرص الاحتياطي %1 محل عضو فاشل</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>القرص %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>فشل القرص %1</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>القرص %1 يبلّغ عن أخطاء S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>المصفوفات أو الأقراص التي تغيّرت (%n): %1</numerusform>
            <numerusform>تغيّرت مصفوفة أو قرص واحد (%n): %1</numerusform>
            <numerusform>تغيّرت مصفوفتان أو قرصان (%n): %1</numerusform>
            <numerusform>تغيّرت %n مصفوفات أو أقراص: %1</numerusform>
            <numerusform>تغيّرت %n مصفوفة أو قرصًا: %1</numerusform>
            <numerusform>تغيّرت %n مصفوفة أو قرص: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>جاهزة</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>حرجة</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>غير متصلة</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>قديمة</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>ذاكرة التخزين المؤقت غير متصلة</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>غير معروفة</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>لا يوجد خطأ</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>فاشل</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>فاشل وغير متصل</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>غير نشطة</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>إعادة البناء</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>تحقق من خريطة البت</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>تفريغ خريطة البت</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>مسح آمن</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>نقل الصفحات</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>نقل الطبقة</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>إنشاء بالأصفار</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>بدأت</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>متوقفة مؤقتًا</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>فشلت</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>أُوقفت</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>مكتملة</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>تمت الإزالة</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>غير مكتملة</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>منخفضة جدًا</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>حرج</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>فادح</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>م&amp;لف</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;مصفوفة</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;إنشاء</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>إنشاء مصفوفة RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>تحو&amp;يل</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>تحويل مصفوفة RAID موجودة</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>التحقق من التناسق</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>فحص المصفوفة في الخلفية</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>تعديل إعدادات ذاكرة التخزين المؤقت</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>بدون ذاكرة تخزين مؤقت</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>ذاكرة مؤقتة للقراءة</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ذاكرة مؤقتة للكتابة المؤجلة</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>ذاكرة مؤقتة للقراءة + للكتابة المؤجلة</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>المهمة</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>الأولوية</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;الاسم</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>تغيير اسم المصفوفة المحددة</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>إخفاء مصفوفة موجودة أو إظهارها</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>تحديد المصفوفة</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>إضاءة مصابيح LED الخاصة بالمصفوفة المحددة</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>تجهيز للإ&amp;زالة</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>إخفاء المصفوفة عن نظام التشغيل تجهيزًا لإزالتها</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>إزالة الأقراص الاحتياطية</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>إزالة جميع الأقراص الاحتياطية المخصصة المعيّنة لهذه المصفوفة</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>حذف مصفوفة RAID موجودة</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>حذف مصفوفات &amp;متعددة</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>تحديد عدة مصفوفات RAID موجودة لحذفها</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>م&amp;سح آمن</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>مسح مصفوفة RAID موجودة مسحًا آمنًا</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;قرص</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>إعادة ال&amp;فحص</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>إعادة فحص جميع القنوات لاكتشاف الأقراص الفعلية والمصفوفات الجديدة أو المُزالة.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;تهيئة</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>م&amp;سح البيانات الوصفية</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;خصائص</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>نظرة عامة على &amp;S.M.A.R.T.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) نظام مراقبة مدمج في محرك الأقراص يكتشف مؤشرات موثوقيته المختلفة ويبلغ عنها.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خ&amp;يارات</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>إدارة الأقراص الاحتياطية للقرص المحدد.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;سجل التطبيق</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>عرض معلومات سجل التطبيق.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>عرض &amp;وحدات التحكم</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>عرض قائمة وحدات التحكم</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>عرض الأ&amp;حداث</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>طي عرض الأحداث</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>السم&amp;ة</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>تغيير سمة ألوان التطبيق</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>حجم الأ&amp;يقونات</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>تغيير أحجام أيقونات التطبيق</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>حجم ال&amp;خط</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>تغيير أحجام خطوط التطبيق</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>عرض إصدارات التطبيق وبرامج تشغيل RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;دليل المستخدم</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>رابط إلى دليل المستخدم</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>الد&amp;عم</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>رابط إلى موقع دعم OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>ا&amp;تفاقية الترخيص</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>عرض اتفاقية ترخيص المستخدم النهائي (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>أكبر مساحة حرة</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>احتياطي عام</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>تبديل ساخن مُبلَّغ عنه</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>مراجعة البرنامج الثابت</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>الاسم في نظام التشغيل</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>القسم</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>اسم المصفوفة</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>السعة الإجمالية</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>حالة المهمة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>أول.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>الفحص</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>ذاكرة التخزين المؤقت</translation>
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
        <translation>احتياطي مخصص</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>اتفاقية الترخيص</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(مخفية)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (المصدر)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (الوجهة)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> الأقراص الاحتياطية المخصصة</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>مفقود</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>تعذر العثور على برنامج تشغيل RAID ‏kvcfg. يُرجى التأكد من تثبيت جميع برامج تشغيل RAID المطلوبة وإلا فلن يعمل التطبيق.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>تعذر العثور على برامج تشغيل OXV RAID. يُرجى التأكد من تمكين RAID في إعدادات BIOS.

في وضع AHCI/الوضع الأصلي لا يلزم أي إجراء. جارٍ إنهاء التطبيق.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>يُرجى تشغيل التطبيق كمسؤول.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>أثناء تشغيل هذا التطبيق بامتيازات المستخدم الحالية لن تتمكن من:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) تنفيذ الأوامر التي تتلف البيانات.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) عرض أقسام المصفوفات ومعلومات مصفوفة النظام.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>إشعار حدث</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>تعرض القيمة معدل النقل الحالي بالميغابايت في الثانية بين نظام التشغيل وبرنامج تشغيل OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>تعرض القيمة معدل النقل الحالي بالميغابايت في الثانية بين برنامج تشغيل OXV-RAID وجهاز التخزين.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>تعرض القيمة عدد عمليات الإدخال/الإخراج الحالية في الثانية بين نظام التشغيل وبرنامج تشغيل OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>تعرض القيمة عدد عمليات الإدخال/الإخراج الحالية في الثانية بين برنامج تشغيل OXV-RAID وأجهزة التخزين.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>تعرض القيمة إجمالي البايتات المنقولة بين نظام التشغيل وبرنامج تشغيل OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>تعرض القيمة إجمالي البايتات المنقولة بين برنامج تشغيل OXV-RAID وجهاز التخزين.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>هل تريد تنفيذ &quot;%1&quot; على المصفوفة %2: %3؟</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>ستجعل هذه العملية المصفوفة غير مرئية لنظام التشغيل وقد تؤدي إلى فقدان البيانات. هل تريد متابعة عملية التجهيز للإزالة؟</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>هل تريد إزالة جميع الأقراص الاحتياطية من المصفوفة %1؟</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>هل تريد حذف المصفوفة %1: %2؟</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>تحذير: ستُفقد جميع البيانات ولن يمكن استردادها. هل تريد متابعة المسح الآمن للمصفوفة %1 &quot;%2&quot;؟</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>قد يزيد تمكين ذاكرة التخزين المؤقت للكتابة المؤجلة من احتمال تلف البيانات إذا توقف النظام بشكل غير متوقع. هل تريد تمكينها؟</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> مقفلة ولا يمكن تحويلها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> مقفلة ولا يمكن بدء التحقق من التناسق قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إيقاف التحقق من التناسق قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> مقفلة ولا يمكن بدء فحص المصفوفة في الخلفية قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إيقاف فحص المصفوفة في الخلفية قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> مقفلة ولا يمكن تغيير ذاكرة التخزين المؤقت لها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> مقفلة ولا يمكن تغيير أولوية مهمتها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> مقفلة ولا يمكن استئناف مهمة فيها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إيقاف مهمة فيها مؤقتًا قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إزالة مهمة منها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إعادة تسميتها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إخفاؤها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> مقفلة ولا يمكن تحديدها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> مقفلة ولا يمكن تجهيزها للإزالة قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> مقفلة ولا يمكن إزالة أقراصها الاحتياطية قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> مقفلة ولا يمكن حذفها قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> مقفلة ولا يمكن مسحها مسحًا آمنًا قبل إلغاء قفلها.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>تأكيد الإجراء</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>جارٍ إعادة الفحص...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>جارٍ الحذف...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>جارٍ المسح الآمن...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>توجد مساحة متداخلة بين المصفوفة المحددة ومصفوفة أخرى. تم إلغاء العملية.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>مشكلة في إخراج جهاز SCSI للمصفوفة OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>هذا الجهاز قيد الاستخدام حاليًا. أغلق أي برنامج أو نافذة قد تستخدم هذا الجهاز، ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>إزالة المصفوفة</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>تمت إزالة المصفوفة %1 من التكوين، وفُصلت أجهزتها وأصبحت جاهزة للإزالة الفعلية من النظام. من المهم عدم إجراء أي إعادة فحص للأقراص قبل فصل جميع أقراص المصفوفة</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>مصابيح LED الخاصة بأقراص المصفوفة المحددة مضاءة الآن. انقر &apos;موافق&apos; لإيقاف التحديد.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>العدد الإجمالي للمصفوفات محدود بـ %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>برنامج تشغيل RAID لا يستجيب. تعرض القوائم التكوين المقروء في %1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>برنامج تشغيل RAID لا يستجيب. تعذرت قراءة أي تكوين.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>لا تستطيع وحدة التحكم معرفة المصفوفات التي تحتوي على نظام التشغيل: الحذف والمسح الآمن والإخفاء والتجهيز للإزالة غير متاحة.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>المصفوفة </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>القرص </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>أولوية المهمة</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>تهيئة الأقراص</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>مسح البيانات الوصفية</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>نظرة عامة على S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>وحدات التحكم</translation>
    </message>
    <message>
        <source>About </source>
        <translation>حول </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>حفظ حزمة الدعم...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>حفظ التكوين والسجلات وتقارير S.M.A.R.T. في ملف واحد لفريق الدعم</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>&amp;إغلاق إلى علبة النظام</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>عند إغلاق النافذة تواصل وحدة التحكم مراقبة المصفوفات من علبة النظام.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>متوقفة مؤقتًا: لا يُقدَّر الوقت المتبقي أثناء انتظار المهمة.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>يُقدَّر الوقت المتبقي بعد مراقبة تقدّم المهمة لمدة دقيقة.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>فشل القرص؛ يبلّغ برنامج التشغيل عنه بالحالة %1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>القرص يبلّغ عن أخطاء S.M.A.R.T.: استبدله قريبًا.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>حفظ حزمة الدعم</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>أرشيفات Zip (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>تم حفظ حزمة الدعم في %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>تعذر حفظ حزمة الدعم في %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>تعذرت قراءة التكوين؛ لم يتم تغيير أي شيء.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>القرص %1 لم يعد موجودًا؛ لم يتم تغيير أي شيء. أغلق هذه النافذة وافتحها مرة أخرى لعرض الأقراص بحالتها الحالية.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>قائمة الأقراص:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>الاستعلام عن بيانات S.M.A.R.T. المحددة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 سنة  %2 يوم  %3 ساعة</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 يوم  %2 ساعة</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>تعذر الاسترداد</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>مراجعة البرنامج الثابت</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>ساعات التشغيل</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>دورات التشغيل</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>درجة الحرارة (مئوية)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: لا توجد شاشة لفتح النافذة عليها (لم يتم تعيين DISPLAY ولا WAYLAND_DISPLAY)؛ يوفّر velmora-cli أوامر وحدة التحكم في نافذة طرفية.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>الأولوية الحالية للمهمة &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>استخدم شريط التمرير لاختيار أولوية جديدة للمهمة &apos;%1&apos; في المصفوفة &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>الأولوية الجديدة: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>تأكيد التحويل</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>تحذير: لقد ضمّنت قرصًا احتياطيًا في المصفوفة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>تحذير: يتضمن تحويل المصفوفة هذا جهازًا قابلاً للتبديل الساخن. بعد اكتمال التحويل يجب إعادة تشغيل النظام لإعلام نظام التشغيل بتغييرات الأجهزة التي تتكون منها المصفوفة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>تأكيد الإنشاء</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>تحذير: تم اكتشاف خلط بين محركات أقراص مختلفة! للحصول على أفضل أداء لا يُنصح بالخلط بين محركات أقراص يختلف أداؤها اختلافًا كبيرًا. هل تريد الإنشاء على أي حال؟</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>فشل أمر التحويل</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>الوجهة</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>أكبر مساحة حرة </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>احتياطي عام</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>تبديل ساخن مُبلَّغ عنه</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>خيارات المصفوفة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>منظمة كـ:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>السعة الحالية:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>السعة:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>السعة القصوى:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>السعة القصوى</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>كل أقراص NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>كل أقراص SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>كل الأقراص الصلبة</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>غير المستخدمة</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>بدون تغيير</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>تعيين كقرص احتياطي مخصص</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>تعيين كقرص احتياطي عام</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>تحديد القرص بمصابيح LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>إزالة الجهاز</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>تجهيز للإزالة</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>إزالة كقرص احتياطي عام</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>إزالة كقرص احتياطي مخصص</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>تعذرت قراءة التكوين؛ لم يتم تغيير أي شيء.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>القرص %1 لم يعد موجودًا؛ لم يتم تغيير أي شيء.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>تأكيد تعيين القرص الاحتياطي</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>تحذير: تم اكتشاف خلط بين محركات أقراص مختلفة! للحصول على أفضل أداء لا يُنصح بالخلط بين محركات أقراص يختلف أداؤها اختلافًا كبيرًا. هل تريد متابعة تعيين القرص الاحتياطي؟</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>تحديد القرص</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>مصابيح LED الخاصة بالقرص المحدد مضاءة الآن. انقر &apos;موافق&apos; لإيقاف التحديد.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>حالة إزالة الجهاز</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>قائمة الأقراص:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>وحدة التحكم/القناة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>غير المهيأة</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>تهيئة المحدد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>إعادة الفحص</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>تم إدخال محرك أقراص</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>اكتشفت وحدة تحكم RAID إدخال محرك أقراص جديد. لتشغيل محرك الأقراص هذا يجب إجراء إعادة فحص لوحدة التحكم. إذا كان محرك الأقراص جزءًا من مصفوفة تضم عدة محركات، فلا تُجرِ إعادة الفحص إلا بعد إدخال آخر محرك أقراص في المصفوفة. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>تمت إزالة محرك أقراص</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>اكتشفت وحدة تحكم RAID إزالة محرك أقراص. لإزالة محرك الأقراص نهائيًا ومزامنة التكوين يجب إجراء إعادة فحص. إذا كان محرك الأقراص جزءًا من مصفوفة يجري إيقاف تشغيلها، فلا تُجرِ إعادة الفحص قبل إزالة آخر محرك أقراص في المصفوفة.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>createDialog</name>
    <message>
        <source>Array Options</source>
        <translation>خيارات المصفوفة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>اسم المصفوفة:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>منظمة كـ:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>السعة:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>السعة القصوى:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>السعة القصوى</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>خيارات ذاكرة التخزين المؤقت:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>حجم علامة ذاكرة التخزين المؤقت:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>فحص المصفوفة في الخلفية</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>تخطي التهيئة  (غير مستحسن)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>الإبقاء على البيانات الموجودة</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>إنشاء بالأصفار</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>كل أقراص NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>كل أقراص SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>كل الأقراص الصلبة</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>غير المستخدمة</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>ذاكرة مؤقتة للقراءة + للكتابة المؤجلة</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>ذاكرة مؤقتة للقراءة</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ذاكرة مؤقتة للكتابة المؤجلة</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>بدون ذاكرة تخزين مؤقت</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 كيلوبايت</translation>
    </message>
    <message>
        <source>128 KB</source>
        <translation>128 كيلوبايت</translation>
    </message>
    <message>
        <source>256 KB</source>
        <translation>256 كيلوبايت</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>أكبر مساحة حرة </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>احتياطي عام</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>تبديل ساخن مُبلَّغ عنه</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>قائمة وحدات التحكم:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>عدد المنافذ</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>معرّف مورّد PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>معرّف جهاز PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>معرّف المورّد الفرعي PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>معرّف الجهاز الفرعي PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>الناقل</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>الفتحة</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>الوظيفة</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>اتفاقية ترخيص المستخدم النهائي</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>تعذر تحميل نص اتفاقية الترخيص.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>خيارات المصفوفة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>منظمة كـ:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>السعة الحالية:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>السعة:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>السعة القصوى:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>السعة القصوى</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>كل أقراص NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>كل أقراص SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>كل الأقراص الصلبة</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>غير المستخدمة</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>بدون تغيير</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>نوع المنفذ</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>الاستخدامات</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>أكبر مساحة حرة </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>احتياطي عام</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>تبديل ساخن مُبلَّغ عنه</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
</context>
</TS>
