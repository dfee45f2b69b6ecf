<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
