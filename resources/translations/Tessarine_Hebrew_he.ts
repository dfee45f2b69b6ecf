<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>גרסת היישום:</translation>
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
        <translation>אמצעי אחסון  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (פיזור)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (שיקוף)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (פיזור של שיקופים)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (פיזור עם זוגיות)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (פיזור עם 2 זוגיות)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>דיסק </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>תצורה לא חוקית: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>מתקדם</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>פשוט</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>הזן שם מערך באורך של עד 30 תווים.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> שם המערך</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>שם לא חוקי: שמות מערכים אינם יכולים להיות זהים לשמות של מערכים קיימים או להכיל את התווים הבאים: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>רשימת דיסקים:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>בקר ערוץ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>בשימוש</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>ניקוי מטא-נתונים</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>לא זוהו דיסקים עם שטח פנוי. כדי ליצור מערך RAID, פנה תחילה מקום בדיסק קיים או הוסף דיסק נוסף למערכת.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>שם לא חוקי: שמות מערכים אינם יכולים להיות זהים לשמות של מערכים קיימים או להכיל את התווים הבאים: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>אישור יצירה</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>אזהרה: כללת כונן רזרבי במערך. האם ברצונך להמשיך?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>אזהרה: זוהה שילוב כוננים! לקבלת הביצועים הטובים ביותר לא מומלץ לשלב כוננים בעלי ביצועים שונים באופן מהותי. האם ליצור בכל זאת?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>היצירה נכשלה</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>תצוגה מקדימה</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>השטח הפנוי הגדול ביותר </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>רג</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>החלפה חמה מודיעה</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>גרסת קושחה</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>אפשרויות מערך</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>שם המערך:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>ארגון:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>קיבולת:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>קיבולת מרבית:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>קיבולת מרבית</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>אפשרויות מטמון:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>גודל תג מטמון:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>סריקת רקע של המערך</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>דלג על אתחול  (לא מומלץ)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>השאר את הנתונים הקיימים</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>יצירה עם איפוס</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>כל כונני NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>כל כונני SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>כל כונני HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>לא בשימוש</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחר הכול</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>התקן</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>שם במערכת ההפעלה</translation>
    </message>
    <message>
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>מחיצה</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>שם המערך</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>קיבולת כוללת</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>מטמון</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>האם אתה בטוח שברצונך למחוק את המערכים שנבחרו: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>אישור פעולה</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>מוחק מערכים...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>בטל פעולה</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>בחר הכול</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>מאפייני דיסק</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>מטמון כתיבה בדיסק:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>הפעל</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>השבת</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>קריאה מוקדמת בדיסק:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>תשאול SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>מופעל</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>מושבת</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>הערה: הפעלת מטמון כתיבה בדיסק עלולה להגדיל את הסיכון להשחתת נתונים אם אספקת החשמל למערכת תיפסק.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>מטמון כתיבה מושהית</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>קריאה מוקדמת</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>תשאול SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>מהדורת קושחה</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> הוא התקן NVMe ולא ניתן לשנות את הגדרות המטמון של הדיסק שלו.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>מערך %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>מערך %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, מושהה</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 לא מקוון</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 נבנה מחדש בזמן שדיסק %2 מדווח על שגיאות S.M.A.R.T.: כשל נוסף אחד יגרום לאובדן המערך</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>בנייה מחדש לדיסק %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>בנייה מחדש, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 במצב קריטי: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 במצב קריטי: דיסק %2 נכשל</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 במצב קריטי</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 מומר: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 נוצר: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 נמחק באופן מאובטח: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: חבר כושל בדיסק %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 איבד את הכונן הרזרבי האחרון שלו</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>בדיקת עקביות</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>נותרה פחות מדקה</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>נותרה כדקה</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>נותרה כשעה אחת (%n)</numerusform>
            <numerusform>נותרו כ-%n שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>נותרה כדקה אחת (%n)</numerusform>
            <numerusform>נותרו כ-%n דקות</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>מנהל ההתקן של RAID אינו מגיב</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>דיסק %1 מדווח על שגיאות S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (ועוד %n)</numerusform>
            <numerusform>%1 (ועוד %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>לא מוגדרים מערכים</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>המערך תקין</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>כל המערכים (%n) תקינים</numerusform>
            <numerusform>כל המערכים (%n) תקינים</numerusform>
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
        <translation>&amp;הצג את %1</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 במצב קריטי</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 לא מקוון</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: הבנייה מחדש הושלמה; המערך תקין שוב</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: ההמרה הושלמה</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: הבנייה מחדש הסתיימה; מצב המערך: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: ההמרה הסתיימה; מצב המערך: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>הכונן הרזרבי %1 תפס את מקומו של חבר כושל</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>דיסק %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>דיסק %1 נכשל</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>דיסק %1 מדווח על שגיאות S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>מערך או דיסק %n השתנה: %1</numerusform>
            <numerusform>%n מערכים או דיסקים השתנו: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>תקין</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>מוכן</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>קריטי</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>לא מקוון</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>מיושן</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>מטמון לא מקוון</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>נעול</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>לא ידוע</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>ללא שגיאה</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>נכשל</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>לא מקוון</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>נכשל, לא מקוון</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>לא פעיל</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>המרה</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>בנייה מחדש</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>בדיקת מפת סיביות</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ריקון מפת סיביות</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>מחיקה מאובטחת</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>העברת דפים</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>העברה בין שכבות</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>יצירה עם איפוס</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>התחיל</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>מושהה</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>כיבוי</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>נכשל</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>נעצר</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>הושלם</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>הוסר</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>לא הושלם</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>נמוכה מאוד</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>קריטי</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>חמור</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>לא ידוע</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>&amp;מערך</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;יצירה</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>צור מערך RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;המרה</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>המר מערך RAID קיים</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>בדיקת עקביות</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחל</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצור</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>סריקת רקע של המערך</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>שנה הגדרות מטמון</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>ללא מטמון</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>מטמון קריאה</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>מטמון כתיבה מושהית</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>מטמון קריאה + כתיבה מושהית</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>משימה</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>עדיפות</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>השהה</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסר</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;שם</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>שנה את שם המערך שנבחר</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>הסתר</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>הסתר/הצג מערך קיים</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>זהה מערך</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>הדלק את הנוריות של המערך שנבחר</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>ה&amp;כנה להסרה</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>הפוך את המערך לבלתי נראה למערכת ההפעלה לקראת הסרתו</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>הסר כוננים רזרביים</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>הסר את כל הכוננים הרזרביים הייעודיים שהוקצו למערך זה</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;מחיקה</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>מחק מערך RAID קיים</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>מחיקת מערכים מ&amp;רובים</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>בחר כמה מערכי RAID קיימים למחיקה</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>מחיקה מ&amp;אובטחת</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>מחק באופן מאובטח מערך RAID קיים</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;דיסק</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;סריקה מחדש</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>סרוק מחדש את כל הערוצים כדי לזהות דיסקים פיזיים ומערכים חדשים או שהוסרו.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;אתחול</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;ניקוי מטא-נתונים</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;מאפיינים</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. סקירה</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (טכנולוגיית ניטור עצמי, ניתוח ודיווח) היא מערכת ניטור של הכונן, המזהה ומדווחת על מדדים שונים של אמינות הכונן.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>א&amp;פשרויות</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>נהל כוננים רזרביים עבור הדיסק שנבחר.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;רענון</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;יומן יישום</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>הצג את מידע יומן היישום.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>הצג &amp;בקרים</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>הצג רשימת בקרים</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;תצוגת אירועים</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>כווץ את תצוגת האירועים</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;ערכת נושא</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>שנה את ערכת הצבעים של היישום</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>בהירה</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>גודל &amp;סמלים</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>שנה את גודל הסמלים של היישום</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>קטנים</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>גדולים</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>גודל &amp;גופן</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>שנה את גודל הגופן של היישום</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>תקין</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>הצג את גרסאות היישום ומנהלי ההתקן של RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;מדריך למשתמש</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>קישור למדריך למשתמש</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;תמיכה</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>קישור לאתר התמיכה של OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;הסכם רישיון</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>הצג את הסכם הרישיון למשתמש קצה (EULA).</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>השטח הפנוי הגדול ביותר</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>רזרבי גלובלי</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>החלפה חמה מודיעה</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>מהדורת קושחה</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>התקן</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>שם במערכת ההפעלה</translation>
    </message>
    <message>
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>מחיצה</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>שם המערך</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>קיבולת כוללת</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>מצב משימה</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>עדיפ&apos;</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>סריקה</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>מטמון</translation>
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
        <translation>רזרבי ייעודי</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>אירוע</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>טקסט</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>הסכם רישיון</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(מוסתר)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (מקור)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (יעד)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> כוננים רזרביים ייעודיים</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>חסר</translation>
    </message>
    <message>
        <source>none</source>
        <translation>אין</translation>
    </message>
    <message>
        <source>New</source>
        <translation>חדש</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>הצג</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>לא ניתן למצוא את מנהל ההתקן kvcfg של RAID. ודא שכל מנהלי ההתקן הנדרשים של RAID מותקנים, אחרת היישום לא יפעל.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>לא ניתן למצוא את מנהלי ההתקן של OXV RAID. ודא ש-RAID מופעל בהגדרות ה-BIOS.

אם פועל מצב AHCI/מקורי, אין צורך לעשות דבר. היישום ייסגר.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>הפעל את היישום כמנהל מערכת.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>בעת הפעלת יישום זה עם הרשאות המשתמש הנוכחיות לא תוכל:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) לבצע פקודות הרסניות.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) להציג מחיצות של מערכים ומידע על מערך המערכת.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>הודעת אירוע</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>הערך מציג את הביצועים הנוכחיים ב-MB לשנייה בין מערכת ההפעלה למנהל ההתקן OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>הערך מציג את הביצועים הנוכחיים ב-MB לשנייה בין מנהל ההתקן OXV-RAID להתקן האחסון.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>הערך מציג את הביצועים הנוכחיים ב-IO לשנייה בין מערכת ההפעלה למנהל ההתקן OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>הערך מציג את הביצועים הנוכחיים ב-IO לשנייה בין מנהל ההתקן OXV-RAID להתקני האחסון.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>הערך מציג את סך הבתים בין מערכת ההפעלה למנהל ההתקן OXV-RAID.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>הערך מציג את סך הבתים בין מנהל ההתקן OXV-RAID להתקן האחסון.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>האם ברצונך לבצע &apos;%1&apos; למערך %2: %3?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>פעולה זו תהפוך את המערך לבלתי נראה למערכת ההפעלה ועלולה לגרום לאובדן נתונים. האם ברצונך להמשיך בפעולת ההכנה להסרה?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>להסיר את כל הכוננים הרזרביים ממערך %1?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>האם ברצונך למחוק את מערך %1: %2?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>אזהרה: כל הנתונים יאבדו ללא אפשרות שחזור. להמשיך במחיקה מאובטחת של מערך %1 &apos;%2&apos;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>מטמון כתיבה מושהית מופעל עלול להגדיל את הסיכון להשחתת נתונים אם המערכת תיכבה באופן בלתי צפוי. האם ברצונך להפעיל אותו?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> נעול ולא ניתן להמיר אותו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> נעול ולא ניתן להתחיל בו בדיקת עקביות עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> נעול ולא ניתן לעצור בו בדיקת עקביות עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> נעול ולא ניתן להתחיל בו סריקת רקע של המערך עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> נעול ולא ניתן לעצור בו סריקת רקע של המערך עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> נעול ולא ניתן לשנות את המטמון שלו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> נעול ולא ניתן לשנות את עדיפות המשימה שלו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> נעול ולא ניתן לחדש את המשימה שלו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> נעול ולא ניתן להשהות את המשימה שלו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> נעול ולא ניתן להסיר את המשימה שלו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> נעול ולא ניתן לשנות את שמו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> נעול ולא ניתן להסתיר אותו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> נעול ולא ניתן לזהות אותו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> נעול ולא ניתן להכין אותו להסרה עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> נעול ולא ניתן להסיר ממנו כוננים רזרביים עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> נעול ולא ניתן למחוק אותו עד שייפתח.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> נעול ולא ניתן למחוק אותו באופן מאובטח עד שייפתח.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>אישור פעולה</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>סריקה מחדש מתבצעת...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>מחיקה מתבצעת...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>מחיקה מאובטחת מתבצעת...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>הפעולה נכשלה</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>קיימת חפיפה בין המערך שנבחר למערך אחר. הפעולה בוטלה.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>בעיה בהוצאת התקן ה-SCSI של מערך OXV %1</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>ההתקן נמצא כעת בשימוש. סגור את כל התוכניות או החלונות שעשויים להשתמש בהתקן זה ונסה שוב.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>הסרת מערך</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>מערך %1 הוסר מהתצורה, ההתקנים נותקו וכעת ניתן להוציא אותם פיזית מהמערכת. חשוב לא לבצע סריקה מחדש של דיסקים עד שכל הדיסקים של המערך ינותקו</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>הנוריות של הדיסקים במערך שנבחר דולקות כעת. לחץ על &apos;אישור&apos; כדי להפסיק את הזיהוי.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>המספר הכולל של מערכים מוגבל ל-%1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>מנהל ההתקן של RAID אינו מגיב. הרשימות מציגות את התצורה שנקראה ב-%1.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>מנהל ההתקן של RAID אינו מגיב. לא ניתן היה לקרוא תצורה.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>המסוף אינו יכול לקבוע באילו מערכים נמצאת מערכת ההפעלה: מחיקה, מחיקה מאובטחת, הסתרה והכנה להסרה אינן זמינות.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>מערך </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>דיסק </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>המרה</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>עדיפות משימה</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>אתחל דיסקים</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>ניקוי מטא-נתונים</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>מאפיינים</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>סקירת S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>בקרים</translation>
    </message>
    <message>
        <source>About </source>
        <translation>אודות </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>שמירת חבילת תמיכה...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>שמירת התצורה, היומנים ודוחות S.M.A.R.T. בקובץ אחד עבור התמיכה</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>סגיר&amp;ה למגש המערכת</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>סגירת החלון משאירה את המסוף במעקב אחר המערכים ממגש המערכת.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>מושהה: הזמן שנותר אינו מוערך כל עוד המשימה ממתינה.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>הזמן שנותר מוערך לאחר שהתקדמות המשימה נצפתה במשך דקה.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>הדיסק נכשל; מנהל ההתקן מדווח על מצבו כ-%1.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>הדיסק מדווח על שגיאות S.M.A.R.T.: החלף אותו בקרוב.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>שמירת חבילת תמיכה</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ארכיוני ZIP (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>חבילת התמיכה נשמרה ב-%1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>לא ניתן היה לשמור את חבילת התמיכה ב-%1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>New</source>
        <translation>חדש</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>לא ניתן היה לקרוא את התצורה; דבר לא שונה.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>דיסק %1 כבר אינו קיים; דבר לא שונה. סגור חלון זה ופתח אותו שוב כדי לראות את הדיסקים כפי שהם כעת.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>רשימת דיסקים:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>שאל את נתוני S.M.A.R.T. שנבחרו</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 שנים  %2 ימים  %3 שע&apos;</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 ימים  %2 שע&apos;</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>לא ניתן לאחזר</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>מהדורת קושחה</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>שעות פעולה</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>מחזורי הפעלה</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>טמפרטורה (צלזיוס)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: אין צג שבו ניתן לפתוח את החלון (לא הוגדרו DISPLAY או WAYLAND_DISPLAY); את פקודות המסוף במסוף טקסט מספק velmora-cli.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>העדיפות הנוכחית של המשימה &apos;%1&apos; היא: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>השתמש במחוון כדי לבחור עדיפות חדשה למשימה &apos;%1&apos; במערך &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>עדיפות חדשה: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>אישור המרה</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>אזהרה: כללת כונן רזרבי במערך. האם ברצונך להמשיך?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>אזהרה: המרת מערך זו כוללת התקן בהחלפה חמה. לאחר השלמת ההמרה יש להפעיל מחדש את המערכת כדי שמערכת ההפעלה תתעדכן בשינויי ההתקנים של המערך. האם ברצונך להמשיך?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>אישור יצירה</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>אזהרה: זוהה שילוב כוננים! לקבלת הביצועים הטובים ביותר לא מומלץ לשלב כוננים בעלי ביצועים שונים באופן מהותי. האם ליצור בכל זאת?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>פקודת ההמרה נכשלה</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>המרה</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>מקור</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>יעד</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>השטח הפנוי הגדול ביותר </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>רג</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>החלפה חמה מודיעה</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>גרסת קושחה</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>אפשרויות מערך</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>ארגון:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>קיבולת נוכחית:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>קיבולת:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>קיבולת מרבית:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>קיבולת מרבית</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>כל כונני NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>כל כונני SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>כל כונני HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>לא בשימוש</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>ללא שינוי</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>החל</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>הקצה ככונן רזרבי ייעודי</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>הקצה ככונן רזרבי גלובלי</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>זהה דיסק באמצעות נוריות</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>הסר התקן</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>הכנה להסרה</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>בטל הקצאה ככונן רזרבי גלובלי</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>בטל הקצאה ככונן רזרבי ייעודי</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>לא ניתן היה לקרוא את התצורה; דבר לא שונה.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>דיסק %1 כבר אינו קיים; דבר לא שונה.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>אישור הקצאת כונן רזרבי</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>אזהרה: זוהה שילוב כוננים! לקבלת הביצועים הטובים ביותר לא מומלץ לשלב כוננים בעלי ביצועים שונים באופן מהותי. האם ברצונך להמשיך בהקצאת הכונן הרזרבי?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>זהה דיסק</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>הנוריות של הדיסק שנבחר דולקות כעת. לחץ על &apos;אישור&apos; כדי להפסיק את הזיהוי.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>מצב הסרת התקן</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>רשימת דיסקים:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>בקר ערוץ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>בשימוש</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>לא מאותחלים</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>אתחל את הנבחרים</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>סריקה מחדש</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>כונן הוכנס</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>בקר RAID זיהה הכנסה של כונן חדש. כדי להפעיל את הכונן יש לבצע סריקה מחדש של הבקר. אם הכונן הזה הוא חלק ממערך של כמה כוננים, בצע סריקה מחדש רק לאחר הכנסת הכונן האחרון של המערך. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>כונן הוצא</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>בקר RAID זיהה הוצאה של כונן דיסק. כדי להסיר את הכונן לצמיתות ולסנכרן את התצורה יש לבצע סריקה מחדש. אם הכונן הזה הוא חלק ממערך שמנותק, אל תבצע סריקה מחדש עד שהכונן האחרון של המערך יוצא.</translation>
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
        <translation>אפשרויות מערך</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>שם המערך:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>ארגון:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>קיבולת:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>קיבולת מרבית:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>קיבולת מרבית</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>אפשרויות מטמון:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>גודל תג מטמון:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>סריקת רקע של המערך</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>דלג על אתחול  (לא מומלץ)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>השאר את הנתונים הקיימים</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>יצירה עם איפוס</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>כל כונני NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>כל כונני SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>כל כונני HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>לא בשימוש</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>מטמון קריאה + כתיבה מושהית</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>מטמון קריאה</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>מטמון כתיבה מושהית</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>ללא מטמון</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ברירת מחדל</translation>
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
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>השטח הפנוי הגדול ביותר </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>רג</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>החלפה חמה מודיעה</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>גרסת קושחה</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>רשימת בקרים:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>לא זמין</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>מספר</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>דגם</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>מספר יציאות</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>מזהה ספק PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>מזהה התקן PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>מזהה תת-ספק PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>מזהה תת-התקן PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>אפיק</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>חריץ</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>פונקציה</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>אני מסכים</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>הסכם רישיון למשתמש קצה</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>לא ניתן היה לטעון את טקסט הסכם הרישיון.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>אפשרויות מערך</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>ארגון:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>קיבולת נוכחית:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>קיבולת:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>קיבולת מרבית:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>קיבולת מרבית</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>בחר</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכול</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>כל כונני NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>כל כונני SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>כל כונני HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>לא בשימוש</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>ללא שינוי</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>החל</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>סוג יציאה</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>קיבולת</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>שימושים</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>שטח פנוי</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>השטח הפנוי הגדול ביותר </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>רג</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>החלפה חמה מודיעה</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>מספר דגם</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>מספר סידורי</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>גרסת קושחה</translation>
    </message>
</context>
</TS>
