<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>應用程式版本:</translation>
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
        <translation>磁碟區  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (等量)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (鏡像)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (鏡像等量)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (含同位檢查的等量)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (含雙重同位檢查的等量)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>磁碟 </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>無效的設定: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>簡易</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>請輸入不超過 30 個字元的陣列名稱。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> 陣列名稱</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>名稱無效: 陣列名稱不可與現有陣列名稱相同，也不可包含下列字元: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>磁碟清單:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>控制器 通道</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>清除中繼資料</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>未偵測到有可用空間的磁碟。若要建立 RAID 陣列，請先釋放現有磁碟上的空間，或在系統中新增磁碟。</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>名稱無效: 陣列名稱不可與現有陣列名稱相同，也不可包含下列字元: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>確認建立</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: 陣列中包含備援磁碟。是否要繼續?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 偵測到混用不同類型的磁碟機! 為獲得最佳效能，不建議混用效能差異很大的磁碟機。是否仍要建立?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>建立失敗</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全域備援</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式熱抽換</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>陣列選項</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>陣列名稱:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>組織方式:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>最大容量:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>最大容量</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>快取選項:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>快取標籤大小:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>背景陣列掃描</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>略過初始化  (不建議)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>保留現有資料</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>清零建立</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>所有 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>所有 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>所有 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>作業系統名稱</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分割區</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>陣列名稱</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>總容量</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>快取</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>確定要刪除選取的陣列嗎: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>確認動作</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>正在刪除陣列...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>磁碟內容</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>磁碟回寫快取:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>磁碟預先讀取:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART 輪詢:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>注意: 啟用磁碟回寫快取後，若系統斷電，資料損毀的可能性會增加。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回寫快取</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>預先讀取</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART 輪詢</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>韌體修訂版</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> 是 NVMe 裝置，無法變更磁碟快取設定。</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>陣列 %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>陣列 %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1，已暫停</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已離線</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 正在重建，而磁碟 %2 回報 S.M.A.R.T. 錯誤: 再有一個磁碟故障就會導致陣列遺失</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>正在重建至磁碟 %1，%2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>正在重建，%1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 處於危急狀態: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 為%2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 處於危急狀態: 磁碟 %2 已故障</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 處於危急狀態</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>正在轉換 %1: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>正在建立 %1: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>正在安全清除 %1: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 在磁碟 %2 上有一個故障成員</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 已失去最後一個備援磁碟</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>一致性檢查</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2，%3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>剩餘不到 1 分鐘</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>剩餘約 1 分鐘</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>剩餘約 %n 小時</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>剩餘約 %n 分鐘</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID 驅動程式沒有回應</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>磁碟 %1 回報 S.M.A.R.T. 錯誤</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (及其他 %n 項)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>未設定任何陣列</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>陣列狀態正常</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>全部 %n 個陣列均正常</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
</context>
<context>
    <name>KV_HealthMonitor</name>
    <message>
        <source>&amp;Show %1</source>
        <translation>顯示 %1(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 處於危急狀態</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已離線</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: 重建已完成；陣列已恢復正常</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: 轉換已完成</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: 重建已結束；陣列狀態為%2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: 轉換已結束；陣列狀態為%2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>備援磁碟 %1 已取代一個故障成員</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>磁碟 %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>磁碟 %1 已故障</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>磁碟 %1 回報 S.M.A.R.T. 錯誤</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n 個陣列或磁碟已變更: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>危急</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>過期</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>快取離線</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>已鎖定</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>無錯誤</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>故障離線</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>未啟用</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>重建</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>點陣圖檢查</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>點陣圖寫入</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>安全清除</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>頁面移動</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>分層移動</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>清零建立</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>已開始</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>已關閉</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>已移除</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>極低</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>危急</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>嚴重</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>陣列(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>建立(&amp;C)</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>建立 RAID 陣列</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>轉換(&amp;T)</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>轉換現有的 RAID 陣列</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>一致性檢查</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>啟動</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>背景陣列掃描</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>修改快取設定</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>無快取</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>讀取快取</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回寫快取</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>讀取 + 回寫快取</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先順序</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名稱(&amp;N)</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>變更選取陣列的名稱</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>隱藏或取消隱藏現有的陣列</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>識別陣列</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>點亮選取陣列的 LED</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>準備移除(&amp;P)</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>讓作業系統看不到陣列，以準備移除</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>移除備援磁碟</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>移除指派給此陣列的所有專用備援磁碟</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>刪除現有的 RAID 陣列</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>刪除多個陣列(&amp;M)</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>選取要刪除的多個現有 RAID 陣列</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>安全清除(&amp;S)</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>安全清除現有的 RAID 陣列</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>磁碟(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>重新掃描(&amp;R)</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>重新掃描所有通道，以偵測新增或移除的實體磁碟與陣列。</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>初始化(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>清除中繼資料(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>內容(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概觀(&amp;S)</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology，自我監控、分析與報告技術) 是磁碟機內建的監控系統，用於偵測並報告磁碟機可靠性的各項指標。</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>管理選取磁碟的備援磁碟。</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>重新整理(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>應用程式記錄檔(&amp;A)</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>檢視應用程式記錄檔。</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>檢視控制器(&amp;V)</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>檢視控制器清單</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>事件檢視(&amp;E)</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>摺疊事件檢視</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>佈景主題(&amp;T)</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>變更應用程式的色彩佈景主題</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>圖示大小(&amp;I)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>變更應用程式的圖示大小</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>字型大小(&amp;F)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>變更應用程式的字型大小</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>顯示應用程式與 RAID 驅動程式的版本</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>使用者指南(&amp;U)</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>前往使用者指南</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>技術支援(&amp;S)</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>前往 OXV 技術支援網站</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>使用者授權合約(&amp;E)</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>檢視使用者授權合約 (EULA)。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>最大可用</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>全域備援</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式熱抽換</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>韌體修訂版</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>作業系統名稱</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分割區</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>陣列名稱</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>總容量</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>工作狀態</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>快取</translation>
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
        <translation>專用備援</translation>
    </message>
    <message>
        <source>#</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>使用者授權合約</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(已隱藏)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (來源)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (目的)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> 專用備援磁碟</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>遺失</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>取消隱藏</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>找不到 kvcfg RAID 驅動程式。請確認已安裝所有必要的 RAID 驅動程式，否則應用程式將無法運作。</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>找不到 OXV RAID 驅動程式。請確認 BIOS 設定中已啟用 RAID。

若在 AHCI/原生模式下執行，則無須任何動作。應用程式即將結束。</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>請以系統管理員身分執行應用程式。</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>以目前的使用者權限執行此應用程式時，您將無法:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) 執行破壞性命令。</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) 檢視陣列分割區與系統陣列資訊。</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>事件通知</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>顯示作業系統與 OXV-RAID 驅動程式之間目前每秒的傳輸量 (MB)。</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>顯示 OXV-RAID 驅動程式與儲存裝置之間目前每秒的傳輸量 (MB)。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>顯示作業系統與 OXV-RAID 驅動程式之間目前每秒的 IO 數。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>顯示 OXV-RAID 驅動程式與儲存裝置之間目前每秒的 IO 數。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>顯示作業系統與 OXV-RAID 驅動程式之間傳輸的總位元組數。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>顯示 OXV-RAID 驅動程式與儲存裝置之間傳輸的總位元組數。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>要對陣列 %2: %3 執行「%1」嗎?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>此作業會讓作業系統看不到陣列，並可能導致資料遺失。是否要繼續執行準備移除作業?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>要移除陣列 %1 的所有備援磁碟嗎?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>要刪除陣列 %1: %2 嗎?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>警告: 所有資料都將遺失且無法復原。是否要繼續安全清除陣列 %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>啟用回寫快取後，若系統意外關機，資料損毀的可能性會增加。是否要啟用?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法轉換。</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法啟動一致性檢查。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法停止一致性檢查。</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法啟動背景陣列掃描。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法停止背景陣列掃描。</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法變更快取。</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法變更工作優先順序。</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法繼續工作。</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法暫停工作。</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法移除工作。</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法重新命名。</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法隱藏。</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法識別。</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法準備移除。</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法移除備援磁碟。</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法刪除。</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> 已鎖定，解除鎖定前無法安全清除。</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>確認動作</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>正在重新掃描...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>正在刪除...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>正在安全清除...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>作業失敗</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>選取的陣列與另一個陣列重疊。作業已取消。</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>退出 OXV 陣列 %1 的 SCSI 裝置時發生問題</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>此裝置目前正在使用中。請關閉可能正在使用此裝置的所有程式或視窗，然後再試一次。</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>陣列移除</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>陣列 %1 已從設定中移除，其裝置已中斷連線，現在可以從系統實體移除。在該陣列的所有磁碟中斷連線之前，請勿執行磁碟重新掃描</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>選取陣列中磁碟的 LED 已點亮。按一下「確定」停止識別。</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>陣列總數上限為 %1 個。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID 驅動程式沒有回應。清單顯示的是於 %1 讀取的設定。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID 驅動程式沒有回應。無法讀取任何設定。</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>主控台無法判斷哪些陣列包含作業系統: 無法使用刪除、安全清除、隱藏與準備移除。</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>陣列 </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>磁碟 </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>工作優先順序</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>初始化磁碟</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>清除中繼資料</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概觀</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>About </source>
        <translation>關於 </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>儲存支援套件...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>將設定、記錄和 S.M.A.R.T. 報告儲存在單一檔案中，以供技術支援使用</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>關閉至系統匣(&amp;L)</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>關閉視窗後，主控台會繼續從系統匣監視陣列。</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>已暫停: 工作等待期間不會估計剩餘時間。</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>觀察工作進度一分鐘後才會估計剩餘時間。</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>磁碟已故障；驅動程式將其回報為 %1。</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>磁碟回報 S.M.A.R.T. 錯誤: 請盡快更換。</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>儲存支援套件</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip 封存檔 (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>支援套件已儲存至 %1。</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>無法將支援套件儲存至 %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>無法讀取設定；未進行任何變更。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>磁碟 %1 已不存在；未進行任何變更。請關閉此視窗後重新開啟，以檢視磁碟目前的狀態。</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>磁碟清單:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>查詢選取的 S.M.A.R.T. 資料</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 年  %2 天  %3 小時</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 天  %2 小時</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>無法擷取</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>韌體修訂版</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>通電時數</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>開機次數</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>溫度 (攝氏)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: 沒有可開啟視窗的顯示器 (DISPLAY 和 WAYLAND_DISPLAY 皆未設定)；velmora-cli 可在終端機中提供主控台的命令。</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>&apos;%1&apos; 工作的目前優先順序: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>使用滑桿為陣列 &apos;%2&apos; 上的 &apos;%1&apos; 工作選擇新的優先順序。</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>新的優先順序: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>確認轉換</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: 陣列中包含備援磁碟。是否要繼續?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>警告: 此陣列轉換包含可熱抽換的裝置。轉換完成後，必須重新啟動系統，讓作業系統得知陣列底層裝置的變更。是否要繼續?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>確認建立</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 偵測到混用不同類型的磁碟機! 為獲得最佳效能，不建議混用效能差異很大的磁碟機。是否仍要建立?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>轉換命令失敗</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全域備援</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式熱抽換</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>陣列選項</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>組織方式:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>目前容量:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>最大容量:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>最大容量</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>所有 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>所有 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>所有 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>不變</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>指派為專用備援磁碟</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>指派為全域備援磁碟</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>使用 LED 識別磁碟</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>移除裝置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>準備移除</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>取消全域備援磁碟</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>取消專用備援磁碟</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>無法讀取設定；未進行任何變更。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>磁碟 %1 已不存在；未進行任何變更。</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>確認指派備援磁碟</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>警告: 偵測到混用不同類型的磁碟機! 為獲得最佳效能，不建議混用效能差異很大的磁碟機。是否要繼續指派備援磁碟?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>識別磁碟</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>選取磁碟的 LED 已點亮。按一下「確定」停止識別。</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>移除裝置狀態</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>磁碟清單:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>控制器 通道</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>未初始化</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>初始化選取項目</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>已插入磁碟機</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID 控制器偵測到插入新的磁碟機。若要讓此磁碟機上線，必須對控制器執行重新掃描。如果此磁碟機屬於由多部磁碟機組成的陣列，請在插入該陣列的最後一部磁碟機之後再重新掃描。 </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>已移除磁碟機</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID 控制器偵測到磁碟機已移除。若要永久移除磁碟機並同步設定，必須執行重新掃描。如果此磁碟機屬於正在離線的陣列，在移除該陣列的最後一部磁碟機之前，請勿重新掃描。</translation>
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
        <translation>陣列選項</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>陣列名稱:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>組織方式:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>最大容量:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>最大容量</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>快取選項:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>快取標籤大小:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>背景陣列掃描</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>略過初始化  (不建議)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>保留現有資料</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>清零建立</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>所有 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>所有 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>所有 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>讀取 + 回寫快取</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>讀取快取</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回寫快取</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>無快取</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
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
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全域備援</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式熱抽換</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>控制器清單:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不適用</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>連接埠數</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI 廠商識別碼</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI 裝置識別碼</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI 子廠商識別碼</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI 子裝置識別碼</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>匯流排</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>插槽</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>使用者授權合約</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>無法載入授權合約文字。</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>陣列選項</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>組織方式:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>目前容量:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>最大容量:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>最大容量</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>所有 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>所有 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>所有 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>不變</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>連接埠類型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用數</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全域備援</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式熱抽換</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
</context>
</TS>
