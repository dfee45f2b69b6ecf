<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>เวอร์ชันของแอปพลิเคชัน:</translation>
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
        <translation>วอลุ่ม  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (สไตรป์)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (มิเรอร์)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (สไตรป์ของมิเรอร์)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (สไตรป์พร้อมพาริตี)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (สไตรป์พร้อมพาริตีสองชุด)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>ดิสก์ </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>การกำหนดค่าไม่ถูกต้อง: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>แบบง่าย</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>ป้อนชื่ออาร์เรย์ไม่เกิน 30 อักขระ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> ชื่ออาร์เรย์</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>ชื่อไม่ถูกต้อง: ชื่ออาร์เรย์ต้องไม่ซ้ำกับชื่ออาร์เรย์ที่มีอยู่ และต้องไม่มีอักขระต่อไปนี้: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>รายการดิสก์:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>คอนโทรลเลอร์ แชนเนล</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>ใช้งานอยู่</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>ล้างเมทาดาทา</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>ไม่พบดิสก์ที่มีพื้นที่ว่าง หากต้องการสร้างอาร์เรย์ RAID โปรดเพิ่มพื้นที่ว่างบนดิสก์ที่มีอยู่หรือเพิ่มดิสก์ให้กับระบบก่อน</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>ชื่อไม่ถูกต้อง: ชื่ออาร์เรย์ต้องไม่ซ้ำกับชื่ออาร์เรย์ที่มีอยู่ และต้องไม่มีอักขระต่อไปนี้: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>ยืนยันการสร้าง</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>คำเตือน: คุณได้รวมไดรฟ์สำรองไว้ในอาร์เรย์ ต้องการดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>คำเตือน: ตรวจพบการใช้ไดรฟ์ต่างชนิดปนกัน! เพื่อประสิทธิภาพที่ดีที่สุด ไม่แนะนำให้ใช้ไดรฟ์ที่มีประสิทธิภาพต่างกันมากร่วมกัน ต้องการสร้างต่อหรือไม่</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>สร้างไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>สร้าง</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>ตัวอย่าง</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>พื้นที่ว่างใหญ่สุด </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>สำรองกลาง</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>ฮอตสวอปแบบแจ้งล่วงหน้า</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>เวอร์ชันเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>ตัวเลือกอาร์เรย์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>ชื่ออาร์เรย์:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>จัดเป็น:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>ความจุ:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>ความจุสูงสุด:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>ความจุสูงสุด</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>ตัวเลือกแคช:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>ขนาดแท็กแคช:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>การสแกนอาร์เรย์เบื้องหลัง</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>ข้ามการเตรียมใช้งาน  (ไม่แนะนำ)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>เก็บข้อมูลเดิมไว้</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>สร้างแบบเติมศูนย์</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>NVMe ทั้งหมด</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>SATA SSD ทั้งหมด</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>HDD ทั้งหมด</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>ไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>อุปกรณ์</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>ชื่อใน OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>พาร์ติชัน</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>ชื่ออาร์เรย์</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>ความจุทั้งหมด</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>แคช</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบอาร์เรย์ที่เลือก: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>ยืนยันการดำเนินการ</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>กำลังลบอาร์เรย์...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยกเลิกการทำงาน</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>คุณสมบัติของดิสก์</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>แคชแบบเขียนกลับของดิสก์:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>เปิดใช้งาน</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้งาน</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>การอ่านล่วงหน้าของดิสก์:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>การสอบถาม SMART:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>เปิดใช้งานอยู่</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>ปิดใช้งานอยู่</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>หมายเหตุ: การเปิดแคชแบบเขียนกลับของดิสก์อาจเพิ่มโอกาสที่ข้อมูลจะเสียหายหากไฟฟ้าของระบบขัดข้อง</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>แคชแบบเขียนกลับ</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>อ่านล่วงหน้า</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>การสอบถาม SMART</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>รุ่นเฟิร์มแวร์</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> เป็นอุปกรณ์ NVMe จึงไม่สามารถเปลี่ยนการตั้งค่าแคชของดิสก์ได้</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>อาร์เรย์ %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>อาร์เรย์ %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ออฟไลน์</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 กำลังรีบิลด์ขณะที่ดิสก์ %2 รายงานข้อผิดพลาด S.M.A.R.T.: หากล้มเหลวอีกหนึ่งตัว อาร์เรย์จะสูญหาย</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>กำลังรีบิลด์ไปยังดิสก์ %1, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>กำลังรีบิลด์, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 อยู่ในสถานะวิกฤต: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 อยู่ในสถานะ %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 อยู่ในสถานะวิกฤต: ดิสก์ %2 ล้มเหลว</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 อยู่ในสถานะวิกฤต</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>กำลังแปลงรูปแบบ %1: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>กำลังสร้าง %1: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>กำลังลบข้อมูล %1 อย่างปลอดภัย: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 มีสมาชิกที่ล้มเหลวบนดิสก์ %2</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 สูญเสียไดรฟ์สำรองตัวสุดท้ายแล้ว</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>การตรวจสอบความสอดคล้อง</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>เหลือไม่ถึงหนึ่งนาที</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>เหลืออีกประมาณหนึ่งนาที</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>เหลืออีกประมาณ %n ชั่วโมง</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>เหลืออีกประมาณ %n นาที</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>ไดรเวอร์ RAID ไม่ตอบสนอง</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>ดิสก์ %1 รายงานข้อผิดพลาด S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (และอีก %n รายการ)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>ยังไม่ได้กำหนดค่าอาร์เรย์ใดๆ</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>อาร์เรย์อยู่ในสภาพดี</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>อาร์เรย์ทั้ง %n ชุดอยู่ในสภาพดี</numerusform>
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
        <translation>แสดง %1(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ออก(&amp;Q)</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 อยู่ในสถานะวิกฤต</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 ออฟไลน์</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: การรีบิลด์เสร็จสมบูรณ์ อาร์เรย์กลับมาอยู่ในสภาพดีแล้ว</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: การแปลงรูปแบบเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: การรีบิลด์สิ้นสุดลงแล้ว อาร์เรย์อยู่ในสถานะ %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: การแปลงรูปแบบสิ้นสุดลงแล้ว อาร์เรย์อยู่ในสถานะ %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>ไดรฟ์สำรอง %1 เข้าแทนที่สมาชิกที่ล้มเหลวแล้ว</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>ดิสก์ %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>ดิสก์ %1 ล้มเหลว</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>ดิสก์ %1 รายงานข้อผิดพลาด S.M.A.R.T.</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>อาร์เรย์หรือดิสก์ %n รายการมีการเปลี่ยนแปลง: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>ปกติ</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>พร้อม</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>วิกฤต</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ออฟไลน์</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ล้าสมัย</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>แคชออฟไลน์</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ถูกล็อก</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>ไม่มีข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>ล้มเหลว</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>ออฟไลน์</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>ล้มเหลว ออฟไลน์</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>ไม่ทำงาน</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>แปลงรูปแบบ</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>สร้าง</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>ตรวจสอบ</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>รีบิลด์</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ตรวจสอบบิตแมป</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>เขียนบิตแมป</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>ลบอย่างปลอดภัย</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ย้ายเพจ</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>ย้ายระดับชั้น</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>สร้างแบบเติมศูนย์</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>เริ่มแล้ว</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>ปิดระบบ</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ล้มเหลว</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>หยุดแล้ว</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>นำออกแล้ว</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>ไม่เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>ต่ำมาก</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>วิกฤต</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>ร้ายแรง</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ออก(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>อาร์เรย์(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>สร้าง(&amp;C)</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>สร้างอาร์เรย์ RAID</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>แปลงรูปแบบ(&amp;T)</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>แปลงรูปแบบอาร์เรย์ RAID ที่มีอยู่</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>ตรวจสอบความสอดคล้อง</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>การสแกนอาร์เรย์เบื้องหลัง</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>แก้ไขการตั้งค่าแคช</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>ไม่ใช้แคช</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>แคชการอ่าน</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>แคชแบบเขียนกลับ</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>แคชการอ่าน + แคชแบบเขียนกลับ</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>งาน</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>ลำดับความสำคัญ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>นำออก</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>ชื่อ(&amp;N)</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>เปลี่ยนชื่ออาร์เรย์ที่เลือก</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>ซ่อน</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>ซ่อนหรือเลิกซ่อนอาร์เรย์ที่มีอยู่</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>ระบุตำแหน่งอาร์เรย์</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>เปิดไฟ LED ของอาร์เรย์ที่เลือก</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>เตรียมถอด(&amp;P)</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>ซ่อนอาร์เรย์จากระบบปฏิบัติการเพื่อเตรียมถอด</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>นำไดรฟ์สำรองออก</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>นำไดรฟ์สำรองเฉพาะทั้งหมดที่กำหนดให้อาร์เรย์นี้ออก</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ลบ(&amp;D)</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>ลบอาร์เรย์ RAID ที่มีอยู่</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>ลบหลายอาร์เรย์(&amp;M)</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>เลือกอาร์เรย์ RAID ที่มีอยู่หลายรายการเพื่อลบ</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>ลบข้อมูลอย่างปลอดภัย(&amp;S)</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>ลบข้อมูลอาร์เรย์ RAID ที่มีอยู่อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>ดิสก์(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>สแกนใหม่(&amp;R)</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>สแกนทุกแชนเนลใหม่เพื่อตรวจหาดิสก์จริงและอาร์เรย์ที่เพิ่มหรือถอดออก</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>เตรียมใช้งาน(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>ล้างเมทาดาทา(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>คุณสมบัติ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>ภาพรวม S.M.A.R.T.(&amp;S)</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) คือระบบเฝ้าติดตามในไดรฟ์ที่ตรวจหาและรายงานตัวบ่งชี้ความน่าเชื่อถือต่าง ๆ ของไดรฟ์</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>ตัวเลือก(&amp;O)</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>จัดการไดรฟ์สำรองสำหรับดิสก์ที่เลือก</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>มุมมอง(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>รีเฟรช(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>บันทึกของแอปพลิเคชัน(&amp;A)</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>ดูข้อมูลบันทึกของแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>ดูคอนโทรลเลอร์(&amp;V)</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>ดูรายการคอนโทรลเลอร์</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>มุมมองเหตุการณ์(&amp;E)</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>ยุบมุมมองเหตุการณ์</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>ธีม(&amp;T)</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>เปลี่ยนธีมสีของแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>มืด</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>สว่าง</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>ขนาดไอคอน(&amp;I)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>เปลี่ยนขนาดไอคอนของแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>เล็ก</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>ใหญ่</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>ขนาดแบบอักษร(&amp;F)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>เปลี่ยนขนาดแบบอักษรของแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ปกติ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>เกี่ยวกับ(&amp;A)</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>แสดงเวอร์ชันของแอปพลิเคชันและไดรเวอร์ RAID</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>คู่มือผู้ใช้(&amp;U)</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>ลิงก์ไปยังคู่มือผู้ใช้</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>ฝ่ายสนับสนุน(&amp;S)</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>ลิงก์ไปยังเว็บไซต์ฝ่ายสนับสนุนของ OXV</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน(&amp;E)</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>ดูข้อตกลงสิทธิ์การใช้งานสำหรับผู้ใช้ (EULA)</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>พื้นที่ว่างใหญ่สุด</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>สำรองส่วนกลาง</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>ฮอตสวอปแบบแจ้งล่วงหน้า</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>รุ่นเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>อุปกรณ์</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>ชื่อใน OS</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>พาร์ติชัน</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>ชื่ออาร์เรย์</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>ความจุทั้งหมด</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>สถานะงาน</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>ความคืบหน้า</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>ลำดับ</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>สแกน</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>แคช</translation>
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
        <translation>สำรองเฉพาะ</translation>
    </message>
    <message>
        <source>#</source>
        <translation>ลำดับ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>เหตุการณ์</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>ข้อความ</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(ซ่อนอยู่)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (ต้นทาง)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (ปลายทาง)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> ไดรฟ์สำรองเฉพาะ</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>หายไป</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ใหม่</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>เลิกซ่อน</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>ไม่พบไดรเวอร์ RAID kvcfg โปรดตรวจสอบว่าได้ติดตั้งไดรเวอร์ RAID ที่จำเป็นทั้งหมดแล้ว มิฉะนั้นแอปพลิเคชันจะทำงานไม่ได้</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>ไม่พบไดรเวอร์ RAID ของ OXV โปรดตรวจสอบว่าได้เปิดใช้ RAID ในการตั้งค่า BIOS แล้ว

หากใช้โหมด AHCI/Native ไม่ต้องดำเนินการใด ๆ กำลังปิดแอปพลิเคชัน</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>โปรดเรียกใช้แอปพลิเคชันในฐานะผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>เมื่อเรียกใช้แอปพลิเคชันนี้ด้วยสิทธิ์ผู้ใช้ปัจจุบัน คุณจะไม่สามารถ:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) สั่งงานคำสั่งที่ทำลายข้อมูล</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) ดูพาร์ติชันของอาร์เรย์และข้อมูลอาร์เรย์ระบบ</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>การแจ้งเตือนเหตุการณ์</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>ค่านี้แสดงอัตรารับส่งข้อมูลปัจจุบันเป็น MB ต่อวินาทีระหว่าง OS กับไดรเวอร์ OXV-RAID</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>ค่านี้แสดงอัตรารับส่งข้อมูลปัจจุบันเป็น MB ต่อวินาทีระหว่างไดรเวอร์ OXV-RAID กับอุปกรณ์จัดเก็บข้อมูล</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>ค่านี้แสดงจำนวน IO ต่อวินาทีในปัจจุบันระหว่าง OS กับไดรเวอร์ OXV-RAID</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>ค่านี้แสดงจำนวน IO ต่อวินาทีในปัจจุบันระหว่างไดรเวอร์ OXV-RAID กับอุปกรณ์จัดเก็บข้อมูล</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>ค่านี้แสดงจำนวนไบต์ทั้งหมดระหว่าง OS กับไดรเวอร์ OXV-RAID</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>ค่านี้แสดงจำนวนไบต์ทั้งหมดระหว่างไดรเวอร์ OXV-RAID กับอุปกรณ์จัดเก็บข้อมูล</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>ต้องการ &quot;%1&quot; อาร์เรย์ %2: %3 หรือไม่</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>การดำเนินการนี้จะซ่อนอาร์เรย์จากระบบปฏิบัติการและอาจทำให้ข้อมูลสูญหาย ต้องการดำเนินการเตรียมถอดต่อหรือไม่</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>นำไดรฟ์สำรองทั้งหมดออกจากอาร์เรย์ %1 หรือไม่</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>ต้องการลบอาร์เรย์ %1: %2 หรือไม่</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>คำเตือน: ข้อมูลทั้งหมดจะสูญหายและกู้คืนไม่ได้ ต้องการลบข้อมูลอาร์เรย์ %1 &quot;%2&quot; อย่างปลอดภัยต่อหรือไม่</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>การเปิดใช้แคชแบบเขียนกลับอาจเพิ่มโอกาสที่ข้อมูลจะเสียหายหากระบบปิดโดยไม่คาดคิด ต้องการเปิดใช้งานหรือไม่</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงแปลงรูปแบบไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเริ่มการตรวจสอบความสอดคล้องไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงหยุดการตรวจสอบความสอดคล้องไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเริ่มการสแกนอาร์เรย์เบื้องหลังไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงหยุดการสแกนอาร์เรย์เบื้องหลังไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเปลี่ยนแคชไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเปลี่ยนลำดับความสำคัญของงานไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงดำเนินงานต่อไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงหยุดงานชั่วคราวไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงนำงานออกไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเปลี่ยนชื่อไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงซ่อนไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงระบุตำแหน่งไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงเตรียมถอดไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงนำไดรฟ์สำรองออกไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงลบไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> ถูกล็อกอยู่ จึงลบข้อมูลอย่างปลอดภัยไม่ได้จนกว่าจะปลดล็อก</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>ยืนยันการดำเนินการ</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>กำลังสแกนใหม่...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>กำลังลบ...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>กำลังลบข้อมูลอย่างปลอดภัย...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>การดำเนินการล้มเหลว</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>อาร์เรย์ที่เลือกซ้อนทับกับอาร์เรย์อื่น ยกเลิกการดำเนินการแล้ว</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>เกิดปัญหาในการนำอุปกรณ์ SCSI ของอาร์เรย์ OXV %1 ออก</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>อุปกรณ์นี้กำลังใช้งานอยู่ โปรดปิดโปรแกรมหรือหน้าต่างที่อาจใช้อุปกรณ์นี้ แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>การถอดอาร์เรย์</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>นำอาร์เรย์ %1 ออกจากการกำหนดค่าแล้ว อุปกรณ์ถูกตัดการเชื่อมต่อและพร้อมถอดออกจากระบบแล้ว ห้ามสแกนดิสก์ใหม่จนกว่าดิสก์ทั้งหมดในอาร์เรย์จะถูกตัดการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>ไฟ LED ของดิสก์ในอาร์เรย์ที่เลือกติดสว่างแล้ว คลิก &apos;ตกลง&apos; เพื่อหยุดการระบุตำแหน่ง</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>จำนวนอาร์เรย์ทั้งหมดจำกัดไว้ที่ %1</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>ไดรเวอร์ RAID ไม่ตอบสนอง รายการแสดงการกำหนดค่าที่อ่านเมื่อ %1</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>ไดรเวอร์ RAID ไม่ตอบสนอง ไม่สามารถอ่านการกำหนดค่าได้</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>คอนโซลไม่สามารถระบุได้ว่าอาร์เรย์ใดมีระบบปฏิบัติการ: ไม่สามารถใช้การลบ การลบข้อมูลอย่างปลอดภัย การซ่อน และการเตรียมถอดได้</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>อาร์เรย์ </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>ดิสก์ </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>แปลงรูปแบบ</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>สร้าง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>ลำดับความสำคัญของงาน</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>เตรียมใช้งานดิสก์</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>ล้างเมทาดาทา</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>คุณสมบัติ</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>ภาพรวม S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>คอนโทรลเลอร์</translation>
    </message>
    <message>
        <source>About </source>
        <translation>เกี่ยวกับ </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>บันทึกชุดข้อมูลสำหรับฝ่ายสนับสนุน...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>บันทึกการกำหนดค่า บันทึกเหตุการณ์ และรายงาน S.M.A.R.T. ไว้ในไฟล์เดียวสำหรับฝ่ายสนับสนุน</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>ปิดไปยังถาดระบบ(&amp;L)</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>เมื่อปิดหน้าต่าง คอนโซลจะยังคงเฝ้าติดตามอาร์เรย์จากถาดระบบ</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>หยุดชั่วคราว: จะไม่ประมาณเวลาที่เหลือขณะที่งานรออยู่</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>จะประมาณเวลาที่เหลือหลังจากติดตามความคืบหน้าของงานได้หนึ่งนาที</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>ดิสก์ล้มเหลว ไดรเวอร์รายงานว่าเป็น %1</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>ดิสก์รายงานข้อผิดพลาด S.M.A.R.T.: ควรเปลี่ยนโดยเร็ว</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>บันทึกชุดข้อมูลสำหรับฝ่ายสนับสนุน</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ไฟล์บีบอัด Zip (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>บันทึกชุดข้อมูลสำหรับฝ่ายสนับสนุนไปยัง %1 แล้ว</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>ไม่สามารถบันทึกชุดข้อมูลสำหรับฝ่ายสนับสนุนไปยัง %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ใหม่</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>ไม่สามารถอ่านการกำหนดค่าได้ ไม่มีการเปลี่ยนแปลงใดๆ</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>ไม่พบดิสก์ %1 อีกต่อไป ไม่มีการเปลี่ยนแปลงใดๆ ปิดหน้าต่างนี้แล้วเปิดใหม่เพื่อดูดิสก์ตามสถานะปัจจุบัน</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>รายการดิสก์:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>สอบถามข้อมูล S.M.A.R.T. ที่เลือก</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 ปี  %2 วัน  %3 ชม.</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 วัน  %2 ชม.</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>ไม่สามารถดึงข้อมูลได้</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>รุ่นเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>ชั่วโมงการทำงาน</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>จำนวนรอบการเปิดเครื่อง</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>อุณหภูมิ (เซลเซียส)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: ไม่มีจอแสดงผลสำหรับเปิดหน้าต่าง (ไม่ได้ตั้งค่าทั้ง DISPLAY และ WAYLAND_DISPLAY) ใช้ velmora-cli เพื่อเรียกใช้คำสั่งของคอนโซลในเทอร์มินัล</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>ลำดับความสำคัญปัจจุบันของงาน &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>ใช้แถบเลื่อนเพื่อเลือกลำดับความสำคัญใหม่ของงาน &apos;%1&apos; บนอาร์เรย์ &apos;%2&apos;</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>ลำดับความสำคัญใหม่: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>ยืนยันการแปลงรูปแบบ</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>คำเตือน: คุณได้รวมไดรฟ์สำรองไว้ในอาร์เรย์ ต้องการดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>คำเตือน: การแปลงรูปแบบอาร์เรย์นี้มีอุปกรณ์ที่ฮอตสวอปได้ หลังการแปลงรูปแบบเสร็จสิ้น ต้องรีบูตระบบเพื่อแจ้ง OS ถึงการเปลี่ยนแปลงอุปกรณ์ของอาร์เรย์ ต้องการดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>ยืนยันการสร้าง</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>คำเตือน: ตรวจพบการใช้ไดรฟ์ต่างชนิดปนกัน! เพื่อประสิทธิภาพที่ดีที่สุด ไม่แนะนำให้ใช้ไดรฟ์ที่มีประสิทธิภาพต่างกันมากร่วมกัน ต้องการสร้างต่อหรือไม่</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>คำสั่งแปลงรูปแบบล้มเหลว</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>แปลงรูปแบบ</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ต้นทาง</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>ปลายทาง</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>พื้นที่ว่างใหญ่สุด </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>สำรองกลาง</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>ฮอตสวอปแบบแจ้งล่วงหน้า</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>เวอร์ชันเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>ตัวเลือกอาร์เรย์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>จัดเป็น:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>ความจุปัจจุบัน:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>ความจุ:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>ความจุสูงสุด:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>ความจุสูงสุด</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>NVMe ทั้งหมด</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>SATA SSD ทั้งหมด</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>HDD ทั้งหมด</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>ไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>เท่าเดิม</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>กำหนดเป็นไดรฟ์สำรองเฉพาะ</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>กำหนดเป็นไดรฟ์สำรองส่วนกลาง</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>ระบุตำแหน่งดิสก์ด้วยไฟ LED</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>ถอดอุปกรณ์</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>เตรียมถอด</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>ยกเลิกการเป็นไดรฟ์สำรองส่วนกลาง</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>ยกเลิกการเป็นไดรฟ์สำรองเฉพาะ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>ไม่สามารถอ่านการกำหนดค่าได้ ไม่มีการเปลี่ยนแปลงใดๆ</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>ไม่พบดิสก์ %1 อีกต่อไป ไม่มีการเปลี่ยนแปลงใดๆ</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>ยืนยันการกำหนดไดรฟ์สำรอง</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>คำเตือน: ตรวจพบการใช้ไดรฟ์ต่างชนิดปนกัน! เพื่อประสิทธิภาพที่ดีที่สุด ไม่แนะนำให้ใช้ไดรฟ์ที่มีประสิทธิภาพต่างกันมากร่วมกัน ต้องการกำหนดไดรฟ์สำรองต่อหรือไม่</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>ระบุตำแหน่งดิสก์</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>ไฟ LED ของดิสก์ที่เลือกติดสว่างแล้ว คลิก &apos;ตกลง&apos; เพื่อหยุดการระบุตำแหน่ง</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>สถานะการถอดอุปกรณ์</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>รายการดิสก์:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>คอนโทรลเลอร์ แชนเนล</translation>
    </message>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>ใช้งานอยู่</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>ยังไม่ได้เตรียมใช้งาน</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>เตรียมใช้งานที่เลือก</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>สแกนใหม่</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>ใส่ไดรฟ์แล้ว</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>คอนโทรลเลอร์ RAID ตรวจพบการใส่ไดรฟ์ใหม่ หากต้องการให้ไดรฟ์นี้ออนไลน์ ต้องสแกนคอนโทรลเลอร์ใหม่ หากไดรฟ์นี้เป็นส่วนหนึ่งของอาร์เรย์ที่มีหลายไดรฟ์ ควรสแกนใหม่หลังจากใส่ไดรฟ์สุดท้ายของอาร์เรย์แล้วเท่านั้น </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>ถอดไดรฟ์แล้ว</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>คอนโทรลเลอร์ RAID ตรวจพบการถอดไดรฟ์ หากต้องการนำไดรฟ์ออกอย่างถาวรและซิงค์การกำหนดค่า ต้องสแกนใหม่ หากไดรฟ์นี้เป็นส่วนหนึ่งของอาร์เรย์ที่กำลังถูกทำให้ออฟไลน์ ห้ามสแกนใหม่จนกว่าจะถอดไดรฟ์สุดท้ายของอาร์เรย์ออกแล้ว</translation>
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
        <translation>ตัวเลือกอาร์เรย์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>ชื่ออาร์เรย์:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>จัดเป็น:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>ความจุ:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>ความจุสูงสุด:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>ความจุสูงสุด</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>ตัวเลือกแคช:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>ขนาดแท็กแคช:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>การสแกนอาร์เรย์เบื้องหลัง</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>ข้ามการเตรียมใช้งาน  (ไม่แนะนำ)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>เก็บข้อมูลเดิมไว้</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>สร้างแบบเติมศูนย์</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>NVMe ทั้งหมด</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>SATA SSD ทั้งหมด</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>HDD ทั้งหมด</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>ไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>สร้าง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>แคชการอ่าน + แคชแบบเขียนกลับ</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>แคชการอ่าน</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>แคชแบบเขียนกลับ</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>ไม่ใช้แคช</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
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
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>พื้นที่ว่างใหญ่สุด </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>สำรองกลาง</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>ฮอตสวอปแบบแจ้งล่วงหน้า</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>เวอร์ชันเฟิร์มแวร์</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>รายการคอนโทรลเลอร์:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>ไม่มีข้อมูล</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>หมายเลข</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>รุ่น</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>จำนวนพอร์ต</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>รหัสผู้จำหน่าย PCI</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>รหัสอุปกรณ์ PCI</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>รหัสผู้จำหน่ายย่อย PCI</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>รหัสอุปกรณ์ย่อย PCI</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>บัส</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>สล็อต</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>ฟังก์ชัน</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>ยอมรับ</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>ข้อตกลงสิทธิ์การใช้งานสำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>ไม่สามารถโหลดข้อความข้อตกลงสิทธิ์การใช้งานได้</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>ตัวเลือกอาร์เรย์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>จัดเป็น:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>ความจุปัจจุบัน:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>ความจุ:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>ความจุสูงสุด:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>ความจุสูงสุด</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>NVMe ทั้งหมด</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>SATA SSD ทั้งหมด</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>HDD ทั้งหมด</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>ไม่ได้ใช้งาน</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>เท่าเดิม</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ชนิดพอร์ต</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>ความจุ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้งาน</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>พื้นที่ว่าง</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>พื้นที่ว่างใหญ่สุด </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>สำรองกลาง</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>ฮอตสวอปแบบแจ้งล่วงหน้า</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>หมายเลขรุ่น</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>หมายเลขประจำเครื่อง</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>เวอร์ชันเฟิร์มแวร์</translation>
    </message>
</context>
</TS>
