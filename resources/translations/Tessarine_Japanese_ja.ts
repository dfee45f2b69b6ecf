<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>アプリケーションのバージョン:</translation>
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
        <translation>ボリューム  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (ストライプ)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (ミラー)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (ミラーのストライプ)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (パリティ付きストライプ)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (2 重パリティ付きストライプ)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>ドライブ </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>無効な構成: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
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
        <translation>30 文字以内でアレイ名を入力してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> アレイ名</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>無効な名前: アレイ名には、既存のアレイと同じ名前や次の文字は使用できません: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>ドライブ一覧:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>コントローラー チャネル</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>メタデータの消去</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>空き領域のあるドライブが検出されませんでした。RAID アレイを作成するには、既存のドライブの領域を解放するか、システムにドライブを追加してください。</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>無効な名前: アレイ名には、既存のアレイと同じ名前や次の文字は使用できません: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>作成の確認</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: アレイにスペアが含まれています。続行しますか?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 種類の異なるドライブが混在しています。最適なパフォーマンスを得るため、性能が大きく異なるドライブの混在はお勧めしません。このまま作成しますか?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>作成に失敗しました</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
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
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大空き領域 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知型ホット スワップ</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>ファームウェア バージョン</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>アレイ オプション</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>アレイ名:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>構成:</translation>
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
        <translation>キャッシュ オプション:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>キャッシュ タグ サイズ:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>バックグラウンド アレイ スキャン</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>初期化をスキップ  (非推奨)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>既存のデータを保持</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>ゼロ作成</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>すべての NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>すべての SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>すべての HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS 名</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>パーティション</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>アレイ名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>総容量</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>選択したアレイを削除してもよろしいですか: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>操作の確認</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>アレイを削除しています...</translation>
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
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>ドライブのプロパティ</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>ドライブのライトバック キャッシュ:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効にする</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効にする</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>ドライブの先読み:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART ポーリング:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>注: ドライブのライトバック キャッシュを有効にすると、電源障害が発生した場合にデータが破損する可能性が高くなります。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ライトバック キャッシュ</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>先読み</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART ポーリング</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>ファームウェア リビジョン</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> は NVMe デバイスのため、ディスク キャッシュ設定を変更できません。</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>アレイ %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>アレイ %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1、一時停止中</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 はオフラインです</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 のリビルド中に、ドライブ %2 が S.M.A.R.T. エラーを報告しています。あと 1 台障害が発生するとアレイが失われます</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>ドライブ %1 へリビルド中、%2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>リビルド中、%1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 はクリティカルです: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 は %2 です</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 はクリティカルです: ドライブ %2 に障害が発生しました</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 はクリティカルです</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 を変換しています: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 を作成しています: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 をセキュア消去しています: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1 のドライブ %2 上のメンバーに障害が発生しています</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 の最後のスペアが失われました</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>整合性チェック</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>残り 1 分未満</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>残り約 1 分</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>残り約 %n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID ドライバーが応答しません</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>ドライブ %1 が S.M.A.R.T. エラーを報告しています</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (他 %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>アレイが構成されていません</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>アレイは正常です</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n 個のアレイはすべて正常です</numerusform>
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
        <translation>%1 を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 はクリティカルです</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 はオフラインです</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: リビルドが完了しました。アレイは正常に戻りました</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: 変換が完了しました</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: リビルドが終了しました。アレイは %2 です</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: 変換が終了しました。アレイは %2 です</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>スペア ドライブ %1 が障害の発生したメンバーと置き換わりました</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>ドライブ %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>ドライブ %1 に障害が発生しました</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>ドライブ %1 が S.M.A.R.T. エラーを報告しています</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n 個のアレイまたはドライブが変化しました: %1</numerusform>
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
        <translation>準備完了</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>クリティカル</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>旧データ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>キャッシュ オフライン</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>エラーなし</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>障害</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>障害 (オフライン)</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>非アクティブ</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>チェック</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>リビルド</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>ビットマップ チェック</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>ビットマップ書き出し</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>セキュア消去</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>ページ移動</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>階層移動</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>ゼロ作成</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>削除済み</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>クリティカル</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>致命的</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>アレイ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>作成(&amp;C)</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID アレイを作成します</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>変換(&amp;T)</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>既存の RAID アレイを変換します</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>整合性チェック</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>バックグラウンド アレイ スキャン</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>キャッシュ設定の変更</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>キャッシュなし</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>読み取りキャッシュ</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ライトバック キャッシュ</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>読み取り + ライトバック キャッシュ</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先度</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>選択したアレイの名前を変更します</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>既存のアレイを非表示または再表示にします</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>アレイの識別</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>選択したアレイの LED を点灯します</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>取り外しの準備(&amp;P)</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>取り外しの準備のため、アレイをオペレーティング システムから見えなくします</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>スペアの削除</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>このアレイに割り当てられたすべての専用スペアを削除します</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>既存の RAID アレイを削除します</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>複数のアレイを削除(&amp;M)</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>削除する既存の RAID アレイを複数選択します</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>セキュア消去(&amp;S)</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>既存の RAID アレイをセキュア消去します</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>ドライブ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>再スキャン(&amp;R)</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>すべてのチャネルを再スキャンして、追加または取り外された物理ドライブとアレイを検出します。</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>初期化(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>メタデータの消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>プロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概要(&amp;S)</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) は、ドライブの信頼性に関するさまざまな指標を検出して報告する、ドライブ内蔵の監視システムです。</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>選択したドライブのスペアを管理します。</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>最新の情報に更新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>アプリケーション ログ(&amp;A)</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>アプリケーション ログを表示します。</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>コントローラーの表示(&amp;V)</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>コントローラー一覧を表示します</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>イベント ビュー(&amp;E)</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>イベント ビューを折りたたみます</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>アプリケーションの配色テーマを変更します</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>アイコン サイズ(&amp;I)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>アプリケーションのアイコン サイズを変更します</translation>
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
        <translation>フォント サイズ(&amp;F)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>アプリケーションのフォント サイズを変更します</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>アプリケーションと RAID ドライバーのバージョンを表示します</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>ユーザー ガイド(&amp;U)</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>ユーザー ガイドへのリンク</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>サポート(&amp;S)</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>OXV サポート サイトへのリンク</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>EULA(&amp;E)</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>エンド ユーザー使用許諾契約書 (EULA) を表示します。</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>最大空き領域</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>グローバルスペア</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知型ホット スワップ</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>ファームウェア リビジョン</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS 名</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>パーティション</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>アレイ名</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>総容量</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>タスクの状態</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>キャッシュ</translation>
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
        <translation>専用スペア</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>EULA</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(非表示)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (変換元)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (変換先)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> 専用スペア</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>欠落</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>再表示</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>kvcfg RAID ドライバーが見つかりません。必要な RAID ドライバーがすべてインストールされていることを確認してください。インストールされていない場合、アプリケーションは機能しません。</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID ドライバーが見つかりません。BIOS 設定で RAID が有効になっていることを確認してください。

AHCI/ネイティブ モードで使用している場合、操作は不要です。アプリケーションを終了します。</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>アプリケーションを管理者として実行してください。</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>現在のユーザー権限でこのアプリケーションを実行している間は、次の操作を実行できません:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) データを破壊するコマンドの実行</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) アレイのパーティションとシステム アレイ情報の表示</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>イベント通知</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>OS と OXV-RAID ドライバー間の現在の転送速度 (MB/秒) を示します。</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>OXV-RAID ドライバーとストレージ デバイス間の現在の転送速度 (MB/秒) を示します。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>OS と OXV-RAID ドライバー間の現在の 1 秒あたりの IO 数を示します。</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>OXV-RAID ドライバーとストレージ デバイス間の現在の 1 秒あたりの IO 数を示します。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>OS と OXV-RAID ドライバー間の総転送バイト数を示します。</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>OXV-RAID ドライバーとストレージ デバイス間の総転送バイト数を示します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>アレイ %2: %3 に対して「%1」を実行しますか?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>この操作によりアレイはオペレーティング システムから見えなくなり、データが失われる可能性があります。取り外しの準備を続行しますか?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>アレイ %1 からすべてのスペアを削除しますか?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>アレイ %1: %2 を削除しますか?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>警告: すべてのデータが失われ、復元できなくなります。アレイ %1 &quot;%2&quot; のセキュア消去を続行しますか?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>ライトバック キャッシュを有効にすると、システムが予期せずシャットダウンした場合にデータが破損する可能性が高くなります。有効にしますか?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで変換できません。</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで整合性チェックを開始できません。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで整合性チェックを停止できません。</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでバックグラウンド アレイ スキャンを開始できません。</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでバックグラウンド アレイ スキャンを停止できません。</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでキャッシュを変更できません。</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでタスクの優先度を変更できません。</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでタスクを再開できません。</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでタスクを一時停止できません。</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでタスクを削除できません。</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで名前を変更できません。</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで非表示にできません。</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで識別できません。</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで取り外しの準備ができません。</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでスペアを削除できません。</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまで削除できません。</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> はロックされているため、ロックを解除するまでセキュア消去できません。</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>操作の確認</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>再スキャンしています...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>削除しています...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>セキュア消去しています...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>選択したアレイが別のアレイと重なっています。操作はキャンセルされました。</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>OXV アレイ %1 の SCSI デバイスの取り出しで問題が発生しました</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>このデバイスは使用中です。このデバイスを使用している可能性のあるプログラムやウィンドウを閉じてから、もう一度実行してください。</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>アレイの取り外し</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>アレイ %1 は構成から削除され、デバイスは切断されました。システムから物理的に取り外すことができます。アレイのすべてのドライブが切断されるまで、ドライブの再スキャンを実行しないでください</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>選択したアレイのドライブの LED が点灯しています。識別を終了するには &apos;OK&apos; をクリックしてください。</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>アレイの総数は %1 までに制限されています。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID ドライバーが応答しません。一覧には %1 に読み取った構成が表示されています。</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID ドライバーが応答しません。構成を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>オペレーティング システムを含むアレイを特定できないため、削除、セキュア消去、非表示、取り外しの準備は使用できません。</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>アレイ </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>ドライブ </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>タスクの優先度</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>ドライブの初期化</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>メタデータの消去</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 概要</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>About </source>
        <translation>バージョン情報 - </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>サポート バンドルの保存...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>構成、ログ、S.M.A.R.T. レポートをサポート用に 1 つのファイルに保存します</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>トレイに閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>ウィンドウを閉じても、コンソールはトレイからアレイの監視を続けます。</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>一時停止中: タスクが待機している間は残り時間を推定しません。</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>残り時間は、タスクの進行状況を 1 分間確認した後に推定されます。</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>ドライブに障害が発生しました。ドライバーは %1 として報告しています。</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>ドライブが S.M.A.R.T. エラーを報告しています。早めに交換してください。</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>サポート バンドルの保存</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP アーカイブ (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>サポート バンドルを %1 に保存しました。</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>サポート バンドルを %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>使用数</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>構成を読み取れませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>ドライブ %1 は存在しなくなりました。何も変更されていません。このウィンドウを閉じてから開き直し、現在のドライブの状態を表示してください。</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>ドライブ一覧:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>選択した S.M.A.R.T. データの照会</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1年  %2日  %3時間</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1日  %2時間</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>取得できません</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
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
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>ファームウェア リビジョン</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>通電時間</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>電源投入回数</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>温度 (摂氏)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: ウィンドウを開くディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。velmora-cli を使うと、ターミナルでコンソールのコマンドを実行できます。</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>&apos;%1&apos; タスクの現在の優先度: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>スライダーで、アレイ &apos;%2&apos; の &apos;%1&apos; タスクの新しい優先度を選択してください。</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>新しい優先度: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>変換の確認</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>警告: アレイにスペアが含まれています。続行しますか?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>警告: このアレイ変換にはホット スワップ可能なデバイスが含まれています。変換の完了後、アレイを構成するデバイスの変更を OS に通知するため、システムを再起動する必要があります。続行しますか?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>作成の確認</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>警告: 種類の異なるドライブが混在しています。最適なパフォーマンスを得るため、性能が大きく異なるドライブの混在はお勧めしません。このまま作成しますか?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>変換コマンドに失敗しました</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>変換元</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>変換先</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
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
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大空き領域 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知型ホット スワップ</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>ファームウェア バージョン</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>アレイ オプション</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>構成:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>現在の容量:</translation>
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
        <translation>選択</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>すべての NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>すべての SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>すべての HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>専用スペアとして割り当て</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>グローバルスペアとして割り当て</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>LED でドライブを識別</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスの取り外し</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>取り外しの準備</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>グローバルスペアから削除</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>専用スペアから削除</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>構成を読み取れませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>ドライブ %1 は存在しなくなりました。何も変更されていません。</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>スペア割り当ての確認</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>警告: 種類の異なるドライブが混在しています。最適なパフォーマンスを得るため、性能が大きく異なるドライブの混在はお勧めしません。スペアの割り当てを続行しますか?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>ドライブの識別</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>選択したドライブの LED が点灯しています。識別を終了するには &apos;OK&apos; をクリックしてください。</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>デバイス取り外しの状態</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>ドライブ一覧:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>コントローラー チャネル</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>未初期化</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>選択項目を初期化</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>ドライブが挿入されました</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID コントローラーが新しいドライブの挿入を検出しました。このドライブをオンラインにするには、コントローラーの再スキャンが必要です。このドライブが複数のドライブで構成されるアレイの一部である場合は、そのアレイの最後のドライブを挿入してから再スキャンしてください。 </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>ドライブが取り外されました</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID コントローラーがドライブの取り外しを検出しました。ドライブを完全に取り外して構成を同期するには、再スキャンが必要です。このドライブがオフラインにするアレイの一部である場合は、そのアレイの最後のドライブを取り外すまで再スキャンしないでください。</translation>
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
        <translation>アレイ オプション</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>アレイ名:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>構成:</translation>
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
        <translation>キャッシュ オプション:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>キャッシュ タグ サイズ:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>Trim:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>バックグラウンド アレイ スキャン</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>初期化をスキップ  (非推奨)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>既存のデータを保持</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>ゼロ作成</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>すべての NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>すべての SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>すべての HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>読み取り + ライトバック キャッシュ</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>読み取りキャッシュ</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>ライトバック キャッシュ</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>キャッシュなし</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
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
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
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
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大空き領域 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知型ホット スワップ</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>ファームウェア バージョン</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>コントローラー一覧:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>該当なし</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>ポート数</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI ベンダー ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI デバイス ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI サブベンダー ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI サブデバイス ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>バス</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>スロット</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>ファンクション</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>同意する</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>エンド ユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>使用許諾契約書のテキストを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>アレイ オプション</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>構成:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>現在の容量:</translation>
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
        <translation>選択</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>すべての NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>すべての SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>すべての HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>ポートの種類</translation>
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
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>最大空き領域 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>通知型ホット スワップ</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>モデル番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>ファームウェア バージョン</translation>
    </message>
</context>
</TS>
