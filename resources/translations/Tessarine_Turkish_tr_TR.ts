<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>Uygulama Sürümü:</translation>
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
        <translation>Birim  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (Şeritleme)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (Yansıtma)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (Yansıtmaların Şeritlenmesi)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (Eşlikli Şeritleme)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (2 Eşlikli Şeritleme)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>Geçersiz Yapılandırma: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>En fazla 30 karakterlik bir dizi adı girin.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> Dizi Adı</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Geçersiz ad: dizi adları mevcut dizi adlarıyla aynı olamaz veya şu karakterleri içeremez: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim Kutusu</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disk Listesi:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Dntl Knl</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Kullanımda</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Meta Verileri Temizle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>Boş alanı olan disk algılanmadı. RAID dizisi oluşturmak için önce mevcut bir diskte yer açın veya sisteme ek bir disk ekleyin.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>Geçersiz ad: dizi adları mevcut dizi adlarıyla aynı olamaz veya şu karakterleri içeremez: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Oluşturmayı Onayla</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Uyarı: Diziye bir yedek disk eklediniz. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Uyarı: sürücü karışımı algılandı! En iyi performans için, performansları önemli ölçüde farklı sürücülerin karıştırılması önerilmez. Yine de oluşturmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Oluşturma başarısız oldu</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>En Büyük Boş </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GY</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bildirimli Çalışırken Değiştirme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Bellenim Sürümü</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Dizi Seçenekleri</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Dizi Adı:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Düzen:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasite:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. Kapasite</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Önbellek Seçenekleri:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Önbellek Etiketi Boyutu:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Arka Plan Dizi Taraması</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Başlatmayı Atla  (Önerilmez)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Mevcut Verileri Koru</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Sıfırlayarak Oluşturma</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tüm NVMe&apos;ler</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tüm SATA SSD&apos;ler</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tüm HDD&apos;ler</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kullanılmayan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Aygıt</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>İS Adı</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Dizi Adı</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Toplam Kapasite</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Önbellek</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>Seçili dizi(ler)i silmek istediğinizden emin misiniz: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Eylemi Onayla</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>Diziler siliniyor...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>Disk Özellikleri</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>Disk Geri Yazma Önbelleği:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre Dışı Bırak</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>Disk Önden Okuma:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART Yoklama:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>Not: Disk Geri Yazma Önbelleğini açmak, sistemin gücü kesilirse veri bozulması olasılığını artırabilir.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Geri Yazma Önbelleği</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>Önden Okuma</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART Yoklama</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Bellenim Revizyonu</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> bir NVMe aygıtıdır ve disk önbelleği ayarları değiştirilemez.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>Dizi %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>Dizi %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, duraklatıldı</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 çevrimdışı</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1 yeniden oluşturuluyor ve %2 diski S.M.A.R.T. hataları bildiriyor: bir arıza daha olursa dizi kaybedilir</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>%1 diskine yeniden oluşturuluyor, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>yeniden oluşturuluyor, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1 kritik durumda: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 durumu: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1 kritik durumda: %2 diski arızalandı</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 kritik durumda</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 dönüştürülüyor: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 oluşturuluyor: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 güvenli olarak siliniyor: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: %2 diskindeki üye arızalı</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1 son yedek diskini kaybetti</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>tutarlılık denetimi</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>bir dakikadan az kaldı</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>yaklaşık bir dakika kaldı</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>yaklaşık %n saat kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>yaklaşık %n dakika kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID sürücüsü yanıt vermiyor</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 S.M.A.R.T. hataları bildiriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (ve %n tane daha)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>Yapılandırılmış dizi yok</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>Dizi sağlıklı</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>%n dizinin tümü sağlıklı</numerusform>
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
        <translation>%1 &amp;Göster</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1 kritik durumda</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 çevrimdışı</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: yeniden oluşturma tamamlandı; dizi yeniden sağlıklı</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: dönüştürme tamamlandı</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: yeniden oluşturma sona erdi; dizinin durumu: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: dönüştürme sona erdi; dizinin durumu: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>Yedek disk %1, arızalı bir üyenin yerini aldı</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>Disk %1 arızalandı</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>Disk %1 S.M.A.R.T. hataları bildiriyor</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>%n dizi veya disk değişti: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>HAZIR</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>KRİTİK</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>ÇEVRİMDIŞI</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>ESKİ</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>ÖNBELLEK ÇEVRİMDIŞI</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>KİLİTLİ</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>BİLİNMİYOR</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>Hata Yok</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Arızalı</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Çevrimdışı</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>Arızalı, Çevrimdışı</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>ETKİN DEĞİL</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>DÖNÜŞTÜRME</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>OLUŞTURMA</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>DENETİM</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPYALAMA</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>YENİDEN OLUŞTURMA</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>BİT EŞLEMİ DENETİMİ</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>BİT EŞLEMİ BOŞALTMA</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>GÜVENLİ SİLME</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>SAYFA TAŞIMA</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>KATMAN TAŞIMA</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>SIFIRLAYARAK OLUŞTURMA</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>BAŞLADI</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>DURAKLATILDI</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>KAPATMA</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ARIZALI</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>DURDU</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>TAMAMLANDI</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>KALDIRILDI</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>TAMAMLANMADI</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Çok Düşük</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritik</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Ölümcül</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>D&amp;izi</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Oluştur</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID dizisi oluştur</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Dönüştür</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>Mevcut bir RAID dizisini dönüştür</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>Tutarlılık Denetimi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Arka Plan Dizi Taraması</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>Önbellek Ayarlarını Değiştir</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Önbellek Yok</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Okuma Önbelleği</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Geri Yazma Önbelleği</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Okuma + Geri Yazma Önbelleği</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Görev</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Öncelik</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Ad</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>Seçili Dizinin Adını Değiştir</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>Mevcut bir diziyi gizle/göster</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>Diziyi Tanımla</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>Seçili diziyi temsil eden LED&apos;leri yak</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>&amp;Kaldırmaya Hazırla</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>Kaldırmaya hazırlık için diziyi işletim sistemine görünmez yap</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>Yedek Diskleri Kaldır</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>Bu diziye atanmış tüm özel yedek diskleri kaldır</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>Mevcut bir RAID dizisini sil</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>&amp;Birden Çok Diziyi Sil</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>Silmek için birden çok mevcut RAID dizisi seç</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>&amp;Güvenli Silme</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>Mevcut bir RAID dizisini güvenli sil</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>Dis&amp;k</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Yeniden Tara</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>Yeni veya kaldırılmış fiziksel diskleri ve dizileri algılamak için tüm kanalları yeniden tara.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Başlat</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>&amp;Meta Verileri Temizle</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Ö&amp;zellikler</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>&amp;S.M.A.R.T. Genel Bakış</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T. (Kendi Kendini İzleme, Analiz ve Raporlama Teknolojisi), sürücü güvenilirliğinin çeşitli göstergelerini algılayıp raporlayan, sürücüye ait bir izleme sistemidir.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>S&amp;eçenekler</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>Seçili disk için yedek diskleri yönet.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Yenile</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>&amp;Uygulama Günlüğü</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>Uygulama günlüğü bilgilerini görüntüle.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>Denetleyicileri &amp;Görüntüle</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>Denetleyici Listesini Görüntüle</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>&amp;Olay Görünümü</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>Olay Görünümünü Daralt</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>Uygulamanın Renk Temasını Değiştir</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>&amp;Simge Boyutu</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>Uygulamanın Simge Boyutunu Değiştir</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>Yazı Tipi &amp;Boyutu</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>Uygulamanın Yazı Tipi Boyutunu Değiştir</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>Uygulama ve RAID sürücüsü sürümlerini görüntüle</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Kullanıcı Kılavuzu</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>Kullanıcı Kılavuzu bağlantısı</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Destek</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>OXV Destek Sitesi bağlantısı</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>&amp;Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>Son Kullanıcı Lisans Sözleşmesini (EULA) görüntüle.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>En Büyük Boş</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>Genel Yedek</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bildirimli Çalışırken Değiştirme</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Bellenim Revizyonu</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Aygıt</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>İS Adı</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>Dizi Adı</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>Toplam Kapasite</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>Görev Durumu</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>Önc</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Tarama</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Önbellek</translation>
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
        <translation>Özel Yedek</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Olay</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(Gizli)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (Kaynak)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (Hedef)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> Özel Yedek Diskler</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Eksik</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>kvcfg RAID sürücüsü bulunamadı; lütfen gerekli tüm RAID sürücülerinin yüklü olduğundan emin olun, aksi halde uygulama çalışmayacaktır.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID sürücüleri bulunamadı; lütfen BIOS ayarlarınızda RAID&apos;in etkin olduğunu doğrulayın.

AHCI/Yerel modda çalışıyorsanız hiçbir şey yapmanız gerekmez. Uygulamadan çıkılıyor.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>Lütfen uygulamayı Yönetici olarak çalıştırın.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>Bu uygulamayı geçerli kullanıcı ayrıcalıklarınızla çalıştırırken şunları yapamazsınız:</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) Yıkıcı komutlar çalıştırmak.</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) Dizi bölümlerini ve sistem dizisi bilgilerini görüntülemek.</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>Olay Bildirimi</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>Değer, İS ile OXV-RAID Sürücüsü arasındaki saniye başına geçerli MB performansını gösterir.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>Değer, OXV-RAID Sürücüsü ile depolama aygıtı arasındaki saniye başına geçerli MB performansını gösterir.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>Değer, İS ile OXV-RAID Sürücüsü arasındaki saniye başına geçerli IO performansını gösterir.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>Değer, OXV-RAID Sürücüsü ile depolama aygıtları arasındaki saniye başına geçerli IO performansını gösterir.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>Değer, İS ile OXV-RAID Sürücüsü arasındaki toplam bayt miktarını gösterir.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>Değer, OXV-RAID Sürücüsü ile depolama aygıtı arasındaki toplam bayt miktarını gösterir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>Dizi %2: %3 için &apos;%1&apos; işlemini yapmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>Bu işlem diziyi işletim sistemine görünmez yapacak ve VERİ KAYBINA neden olabilir. Kaldırmaya Hazırla işlemine devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>Dizi %1 içindeki tüm yedek diskler kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>Dizi %1: %2 silinsin mi?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>UYARI: Tüm veriler kaybolacak ve kurtarılamayacak. Dizi %1 &quot;%2&quot; üzerinde Güvenli Silme işlemine devam edilsin mi?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>Etkinleştirilen Geri Yazma Önbelleği, sistem beklenmedik şekilde kapanırsa veri bozulması olasılığını artırabilir. Etkinleştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar dönüştürülemez.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar tutarlılık denetimi başlatılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar tutarlılık denetimi durdurulamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar arka plan dizi taraması başlatılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar arka plan dizi taraması durdurulamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar önbelleği değiştirilemez.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar görev önceliği değiştirilemez.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar görevi sürdürülemez.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar görevi duraklatılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar görevi kaldırılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar yeniden adlandırılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar gizlenemez.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar tanımlanamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar kaldırmaya hazırlanamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar yedek diskleri kaldırılamaz.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar silinemez.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> kilitli ve kilidi açılana kadar güvenli silinemez.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Eylemi Onayla</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>Yeniden tarama sürüyor...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>Silme işlemi sürüyor...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>Güvenli silme sürüyor...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>İşlem Başarısız</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>Seçili dizi ile başka bir dizi arasında çakışma var. İşlem iptal edildi.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>OXV Dizi %1 SCSI Aygıtı Çıkarılırken Sorun Oluştu</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>Bu aygıt şu anda kullanımda. Bu aygıtı kullanıyor olabilecek tüm programları veya pencereleri kapatıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>Dizi Kaldırma</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>Dizi %1 yapılandırmadan kaldırıldı, aygıtların bağlantısı kesildi ve artık sistemden fiziksel olarak çıkarılabilirler. Dizideki tüm disklerin bağlantısı kesilene kadar DİSK YENİDEN TARAMASI yapılmaması önemlidir</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Seçili dizideki disk(ler)i temsil eden LED&apos;ler şimdi yanıyor. Tanımlamayı durdurmak için &apos;Tamam&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>Toplam dizi sayısı %1 ile sınırlıdır.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID sürücüsü yanıt vermiyor. Listeler %1 tarihinde okunan yapılandırmayı gösteriyor.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID sürücüsü yanıt vermiyor. Hiçbir yapılandırma okunamadı.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>Konsol, işletim sisteminin hangi dizilerde bulunduğunu belirleyemiyor: Sil, Güvenli Silme, Gizle ve Kaldırmaya Hazırla kullanılamıyor.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>Dizi </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>Disk </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>Görev Önceliği</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>Diskleri Başlat</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>Meta Verileri Temizle</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. Genel Bakış</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Denetleyiciler</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Hakkında: </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>Destek Paketini Kaydet...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>Yapılandırmayı, günlükleri ve S.M.A.R.T. raporlarını destek için tek bir dosyaya kaydet</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>S&amp;istem Tepsisine Kapat</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>Pencere kapatıldığında konsol, dizileri sistem tepsisinden izlemeye devam eder.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>Duraklatıldı: görev beklerken kalan süre tahmin edilmez.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>Kalan süre, görevin ilerlemesi bir dakika boyunca izlendikten sonra tahmin edilir.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>Disk arızalandı; sürücü bunu %1 olarak bildiriyor.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>Disk S.M.A.R.T. hataları bildiriyor: yakında değiştirin.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>Destek Paketini Kaydet</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip arşivleri (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>Destek paketi şu konuma kaydedildi: %1.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>Destek paketi şu konuma kaydedilemedi: %1: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Yapılandırma okunamadı; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>Disk %1 artık mevcut değil; hiçbir şey değiştirilmedi. Disklerin güncel durumunu görmek için bu pencereyi kapatıp yeniden açın.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>Disk Listesi:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>Seçili S.M.A.R.T. Verilerini Sorgula</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1 y  %2 g  %3 sa</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1 g  %2 sa</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>Alınamadı</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Bellenim Revizyonu</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>Çalışma Saati</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Güç Döngüsü</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>Sıcaklık (Santigrat)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: pencerenin açılacağı bir ekran yok (ne DISPLAY ne de WAYLAND_DISPLAY ayarlı); velmora-cli, konsolun komutlarını bir terminalde sunar.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>&apos;%1&apos; görevinin geçerli önceliği: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>Kaydırıcıyı kullanarak &apos;%2&apos; dizisindeki &apos;%1&apos; görevi için yeni bir öncelik seçin.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>Yeni öncelik: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>Dönüştürmeyi Onayla</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>Uyarı: Diziye bir yedek disk eklediniz. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>Uyarı: Bu dizi dönüştürmesi çalışırken değiştirilebilir bir aygıt içeriyor. Dönüştürme tamamlandıktan sonra İS&apos;nin dizinin temel aygıt değişikliklerinden haberdar olması için sistem yeniden başlatılmalıdır. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>Oluşturmayı Onayla</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>Uyarı: sürücü karışımı algılandı! En iyi performans için, performansları önemli ölçüde farklı sürücülerin karıştırılması önerilmez. Yine de oluşturmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>Dönüştürme komutu başarısız oldu</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>En Büyük Boş </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GY</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bildirimli Çalışırken Değiştirme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Bellenim Sürümü</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>Dizi Seçenekleri</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Düzen:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Geçerli Kapasite:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. Kapasite</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tüm NVMe&apos;ler</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tüm SATA SSD&apos;ler</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tüm HDD&apos;ler</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kullanılmayan</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Aynı</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim Kutusu</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>Özel Yedek Disk Olarak Ata</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>Genel Yedek Disk Olarak Ata</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>Diski LED&apos;lerle tanımla</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Aygıtı Kaldır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>Kaldırmaya Hazırla</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>Genel Yedek Disk Olarak Kaldır</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>Özel Yedek Disk Olarak Kaldır</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>Yapılandırma okunamadı; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>Disk %1 artık mevcut değil; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>Yedek Disk Atamasını Onayla</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>Uyarı: sürücü karışımı algılandı! En iyi performans için, performansları önemli ölçüde farklı sürücülerin karıştırılması önerilmez. Yedek disk atamasına devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>Diski Tanımla</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>Seçili diski temsil eden LED&apos;ler şimdi yanıyor. Tanımlamayı durdurmak için &apos;Tamam&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>Aygıt Kaldırma Durumu</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim Kutusu</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>Disk Listesi:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>Dntl Knl</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>Kullanımda</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>Başlatılmamış</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>Seçilenleri Başlat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>Yeniden Tara</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>Sürücü Takıldı</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>Bir RAID denetleyicisi yeni bir sürücünün takıldığını algıladı. Bu sürücüyü çevrimiçi duruma getirmek için denetleyicide YENİDEN TARAMA yapılmalıdır. Bu sürücü birden çok sürücüden oluşan bir dizinin parçasıysa, yeniden taramayı yalnızca dizinin son sürücüsü takıldıktan sonra yapın. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>Sürücü Çıkarıldı</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>Bir RAID denetleyicisi bir disk sürücüsünün çıkarıldığını algıladı. Sürücüyü kalıcı olarak kaldırmak ve yapılandırmayı eşitlemek için yeniden tarama yapılmalıdır. Bu sürücü çevrimdışına alınan bir dizinin parçasıysa, dizinin son sürücüsü çıkarılana kadar YENİDEN TARAMA YAPMAYIN.</translation>
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
        <translation>Dizi Seçenekleri</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>Dizi Adı:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Düzen:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasite:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. Kapasite</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>Önbellek Seçenekleri:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>Önbellek Etiketi Boyutu:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>Arka Plan Dizi Taraması</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>Başlatmayı Atla  (Önerilmez)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>Mevcut Verileri Koru</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>Sıfırlayarak Oluşturma</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tüm NVMe&apos;ler</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tüm SATA SSD&apos;ler</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tüm HDD&apos;ler</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kullanılmayan</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>Okuma + Geri Yazma Önbelleği</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>Okuma Önbelleği</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>Geri Yazma Önbelleği</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>Önbellek Yok</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
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
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>En Büyük Boş </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GY</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bildirimli Çalışırken Değiştirme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Bellenim Sürümü</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>Denetleyici Listesi:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>Bağlantı Noktası Sayısı</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI Satıcı Kimliği</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI Aygıt Kimliği</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI Alt Satıcı Kimliği</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI Alt Aygıt Kimliği</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Veri Yolu</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Yuva</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>İşlev</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>Kabul Et</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>Lisans sözleşmesi metni yüklenemedi.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>Dizi Seçenekleri</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>Düzen:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>Geçerli Kapasite:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>Maks. Kapasite:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>Maks. Kapasite</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>Tüm NVMe&apos;ler</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>Tüm SATA SSD&apos;ler</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>Tüm HDD&apos;ler</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Kullanılmayan</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Aynı</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>Bağlantı Noktası Türü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasite</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Boş Alan</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>En Büyük Boş </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GY</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>Bildirimli Çalışırken Değiştirme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Model Numarası</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seri Numarası</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Bellenim Sürümü</translation>
    </message>
</context>
</TS>
