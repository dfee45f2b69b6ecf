<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>应用程序版本:</translation>
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
        <translation>卷  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (条带)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (镜像)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (镜像条带)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (带奇偶校验的条带)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (带双重奇偶校验的条带)</translation>
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
        <translation>磁盘 </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>无效配置: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>简单</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>请输入不超过 30 个字符的阵列名称。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> 阵列名称</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>名称无效: 阵列名称不能与现有阵列名称相同，也不能包含以下字符: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>磁盘列表:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>控制器 通道</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>清除元数据</translation>
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
        <translation>未检测到具有可用空间的磁盘。要创建 RAID 阵列，请先释放现有磁盘上的空间，或向系统添加磁盘。</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>名称无效: 阵列名称不能与现有阵列名称相同，也不能包含以下字符: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>确认创建</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: 阵列中包含热备盘。是否继续?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 检测到混用不同类型的驱动器! 为获得最佳性能，不建议混用性能差异很大的驱动器。是否仍要创建?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>创建失败</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全局热备</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式热插拔</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>阵列选项</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>阵列名称:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>组织方式:</translation>
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
        <translation>缓存选项:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>缓存标记大小:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>后台阵列扫描</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>跳过初始化  (不推荐)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>保留现有数据</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>清零创建</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
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
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>操作系统名称</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>阵列名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>总容量</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>缓存</translation>
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
        <translation>确定要删除所选阵列吗: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>确认操作</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>正在删除阵列...</translation>
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
        <translation>全选</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>磁盘属性</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>磁盘回写缓存:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>磁盘预读:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART 轮询:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>注意: 启用磁盘回写缓存后，如果系统断电，数据损坏的可能性会增加。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回写缓存</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>预读</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART 轮询</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>固件修订版本</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> 是 NVMe 设备，无法更改磁盘缓存设置。</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>阵列 %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>阵列 %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1，已暂停</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已脱机</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 正在重建，而磁盘 %2 报告 S.M.A.R.T. 错误: 再有一个磁盘故障将导致阵列丢失</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>正在重建到磁盘 %1，%2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>正在重建，%1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 处于危急状态: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 为%2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 处于危急状态: 磁盘 %2 已故障</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 处于危急状态</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>正在转换 %1: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>正在创建 %1: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>正在安全擦除 %1: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 在磁盘 %2 上有一个故障成员</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 已失去最后一个热备盘</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>一致性检查</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2，%3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>剩余不到 1 分钟</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>剩余约 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>剩余约 %n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>剩余约 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID 驱动程序无响应</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>磁盘 %1 报告 S.M.A.R.T. 错误</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (及其他 %n 项)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>未配置任何阵列</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>阵列状态正常</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>全部 %n 个阵列均正常</numerusform>
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
        <translation>显示 %1(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 处于危急状态</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已脱机</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: 重建已完成；阵列已恢复正常</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: 转换已完成</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: 重建已结束；阵列状态为%2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: 转换已结束；阵列状态为%2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>热备盘 %1 已替换一个故障成员</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>磁盘 %1 已故障</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>磁盘 %1 报告 S.M.A.R.T. 错误</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n 个阵列或磁盘发生变化: %1</numerusform>
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
        <translation>就绪</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>危急</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>脱机</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>过期</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>缓存脱机</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>脱机</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>故障脱机</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>重建</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>位图检查</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>位图写入</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>安全擦除</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>页面迁移</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>分层迁移</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>清零创建</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>已开始</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失败</translation>
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
        <translation>很低</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>信息</translation>
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
        <translation>致命</translation>
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
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>阵列(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>创建(&amp;C)</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>创建 RAID 阵列</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>转换(&amp;T)</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>转换现有 RAID 阵列</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>一致性检查</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>后台阵列扫描</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>修改缓存设置</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>无缓存</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>读取缓存</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回写缓存</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>读取 + 回写缓存</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先级</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>更改所选阵列的名称</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>隐藏或取消隐藏现有阵列</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>识别阵列</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>点亮所选阵列的 LED</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>准备移除(&amp;P)</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>使阵列对操作系统不可见，以准备移除</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>移除热备盘</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>移除指定给此阵列的所有专用热备盘</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>删除现有 RAID 阵列</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>删除多个阵列(&amp;M)</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>选择要删除的多个现有 RAID 阵列</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>安全擦除(&amp;S)</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>安全擦除现有 RAID 阵列</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>磁盘(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>重新扫描(&amp;R)</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>重新扫描所有通道，以检测新增或移除的物理磁盘和阵列。</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>初始化(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>清除元数据(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概览(&amp;S)</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology，自我监测、分析与报告技术) 是驱动器内置的监测系统，用于检测并报告驱动器可靠性的各项指标。</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>管理所选磁盘的热备盘。</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>应用程序日志(&amp;A)</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>查看应用程序日志。</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>查看控制器(&amp;V)</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>查看控制器列表</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>事件视图(&amp;E)</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>折叠事件视图</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>更改应用程序的颜色主题</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>图标大小(&amp;I)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>更改应用程序的图标大小</translation>
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
        <translation>字体大小(&amp;F)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>更改应用程序的字体大小</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>显示应用程序和 RAID 驱动程序的版本</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>用户指南(&amp;U)</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>转到用户指南</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>技术支持(&amp;S)</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>转到 OXV 技术支持网站</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>最终用户许可协议(&amp;E)</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>查看最终用户许可协议 (EULA)。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>最大可用</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>全局热备</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式热插拔</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>固件修订版本</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>操作系统名称</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>阵列名称</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>总容量</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>任务状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>优先级</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>缓存</translation>
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
        <translation>专用热备</translation>
    </message>
    <message>
        <source>#</source>
        <translation>序号</translation>
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
        <translation>文本</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>最终用户许可协议</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(已隐藏)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (源)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (目标)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> 专用热备盘</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>取消隐藏</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>找不到 kvcfg RAID 驱动程序。请确保已安装所有必需的 RAID 驱动程序，否则应用程序将无法正常工作。</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>找不到 OXV RAID 驱动程序。请确认已在 BIOS 设置中启用 RAID。

如果运行在 AHCI/本机模式下，则无需执行任何操作。应用程序即将退出。</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>请以管理员身份运行应用程序。</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>以当前用户权限运行此应用程序时，您将无法:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) 执行破坏性命令。</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) 查看阵列分区和系统阵列信息。</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>事件通知</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>显示操作系统与 OXV-RAID 驱动程序之间当前每秒的传输量 (MB)。</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>显示 OXV-RAID 驱动程序与存储设备之间当前每秒的传输量 (MB)。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>显示操作系统与 OXV-RAID 驱动程序之间当前每秒的 IO 数。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>显示 OXV-RAID 驱动程序与存储设备之间当前每秒的 IO 数。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>显示操作系统与 OXV-RAID 驱动程序之间传输的总字节数。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>显示 OXV-RAID 驱动程序与存储设备之间传输的总字节数。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>要对阵列 %2: %3 执行“%1”吗?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>此操作将使阵列对操作系统不可见，并可能导致数据丢失。是否继续执行准备移除操作?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>要移除阵列 %1 的所有热备盘吗?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>要删除阵列 %1: %2 吗?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>警告: 所有数据都将丢失且无法恢复。是否继续安全擦除阵列 %1 &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>启用回写缓存后，如果系统意外关机，数据损坏的可能性会增加。是否启用?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> 已锁定，解锁前无法转换。</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> 已锁定，解锁前无法启动一致性检查。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> 已锁定，解锁前无法停止一致性检查。</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> 已锁定，解锁前无法启动后台阵列扫描。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> 已锁定，解锁前无法停止后台阵列扫描。</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> 已锁定，解锁前无法更改缓存。</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> 已锁定，解锁前无法更改任务优先级。</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> 已锁定，解锁前无法恢复任务。</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> 已锁定，解锁前无法暂停任务。</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> 已锁定，解锁前无法移除任务。</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> 已锁定，解锁前无法重命名。</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> 已锁定，解锁前无法隐藏。</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> 已锁定，解锁前无法识别。</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> 已锁定，解锁前无法准备移除。</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> 已锁定，解锁前无法移除热备盘。</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> 已锁定，解锁前无法删除。</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> 已锁定，解锁前无法安全擦除。</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>确认操作</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>正在重新扫描...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>正在删除...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>正在安全擦除...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>所选阵列与另一阵列重叠。操作已取消。</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>弹出 OXV 阵列 %1 的 SCSI 设备时出现问题</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>此设备正在使用中。请关闭可能正在使用此设备的所有程序或窗口，然后重试。</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>阵列移除</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>阵列 %1 已从配置中移除，其设备已断开连接，现在可以从系统中物理移除。在该阵列的所有磁盘断开连接之前，切勿执行磁盘重新扫描</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>所选阵列中磁盘的 LED 现已点亮。单击“确定”停止识别。</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>阵列总数限制为 %1 个。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID 驱动程序无响应。列表显示的是 %1 读取的配置。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID 驱动程序无响应。无法读取任何配置。</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>控制台无法确定哪些阵列包含操作系统: 删除、安全擦除、隐藏和准备移除不可用。</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>阵列 </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>磁盘 </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>任务优先级</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>初始化磁盘</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>清除元数据</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概览</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>About </source>
        <translation>关于 </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>保存支持包...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>将配置、日志和 S.M.A.R.T. 报告保存到一个文件中，以供技术支持使用</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>关闭到托盘(&amp;L)</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>关闭窗口后，控制台将继续在系统托盘中监视阵列。</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>已暂停: 任务等待期间不估算剩余时间。</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>观察任务进度一分钟后才会估算剩余时间。</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>磁盘已故障；驱动程序将其报告为 %1。</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>磁盘报告 S.M.A.R.T. 错误: 请尽快更换。</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>保存支持包</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip 压缩文件 (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>支持包已保存到 %1。</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>无法将支持包保存到 %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>无法读取配置；未做任何更改。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>磁盘 %1 已不存在；未做任何更改。请关闭此窗口并重新打开，以查看磁盘的当前状态。</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>磁盘列表:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>查询所选 S.M.A.R.T. 数据</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 年  %2 天  %3 小时</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 天  %2 小时</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>无法获取</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>固件修订版本</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>通电时间</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>通电次数</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>温度 (摄氏度)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: 没有可用于打开窗口的显示 (DISPLAY 和 WAYLAND_DISPLAY 均未设置)；velmora-cli 可在终端中提供控制台的命令。</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>&apos;%1&apos; 任务的当前优先级: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>使用滑块为阵列 &apos;%2&apos; 上的 &apos;%1&apos; 任务选择新的优先级。</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>新优先级: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>确认转换</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: 阵列中包含热备盘。是否继续?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>警告: 此阵列转换包含可热插拔设备。转换完成后，必须重新启动系统，以便操作系统获知阵列底层设备的变化。是否继续?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>确认创建</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 检测到混用不同类型的驱动器! 为获得最佳性能，不建议混用性能差异很大的驱动器。是否仍要创建?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>转换命令失败</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全局热备</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式热插拔</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>阵列选项</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>组织方式:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>当前容量:</translation>
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
        <translation>选择</translation>
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
        <translation>不变</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>提交</translation>
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
        <translation>对话框</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>指定为专用热备盘</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>指定为全局热备盘</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>使用 LED 识别磁盘</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>移除设备</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>准备移除</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>取消全局热备盘</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>取消专用热备盘</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>无法读取配置；未做任何更改。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>磁盘 %1 已不存在；未做任何更改。</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>确认指定热备盘</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>警告: 检测到混用不同类型的驱动器! 为获得最佳性能，不建议混用性能差异很大的驱动器。是否继续指定热备盘?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>识别磁盘</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>所选磁盘的 LED 现已点亮。单击“确定”停止识别。</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>移除设备状态</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>磁盘列表:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>控制器 通道</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
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
        <translation>初始化所选项</translation>
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
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>已插入驱动器</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID 控制器检测到插入了新驱动器。要使此驱动器联机，必须对控制器执行重新扫描。如果此驱动器属于由多个驱动器组成的阵列，请在插入该阵列的最后一个驱动器之后再重新扫描。 </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>已移除驱动器</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID 控制器检测到驱动器已被移除。要永久移除该驱动器并同步配置，必须执行重新扫描。如果此驱动器属于正在脱机的阵列，在移除该阵列的最后一个驱动器之前，请勿重新扫描。</translation>
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
        <translation>阵列选项</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>阵列名称:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>组织方式:</translation>
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
        <translation>缓存选项:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>缓存标记大小:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>后台阵列扫描</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>跳过初始化  (不推荐)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>保留现有数据</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>清零创建</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
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
        <translation>创建</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>读取 + 回写缓存</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>读取缓存</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>回写缓存</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>无缓存</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
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
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全局热备</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式热插拔</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>控制器列表:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>端口数</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI 供应商 ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI 设备 ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI 子供应商 ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI 子设备 ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>总线</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>插槽</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能号</translation>
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
        <translation>最终用户许可协议</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>无法加载许可协议文本。</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>阵列选项</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>组织方式:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>当前容量:</translation>
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
        <translation>选择</translation>
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
        <translation>不变</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>端口类型</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大可用 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>全局热备</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知式热插拔</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
</context>
</TS>
