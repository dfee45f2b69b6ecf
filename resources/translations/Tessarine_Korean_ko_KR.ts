<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>KV_AboutDialog</name>
    <message>
        <source>Application Version:</source>
        <translation>애플리케이션 버전:</translation>
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
        <translation>볼륨  (JBOD)</translation>
    </message>
    <message>
        <source>RAID 0  (Stripe)</source>
        <translation>RAID 0  (스트라이프)</translation>
    </message>
    <message>
        <source>RAID 1  (Mirror)</source>
        <translation>RAID 1  (미러)</translation>
    </message>
    <message>
        <source>RAID 10 (Stripe of Mirrors)</source>
        <translation>RAID 10 (미러의 스트라이프)</translation>
    </message>
    <message>
        <source>RAID 5   (Stripe with Parity)</source>
        <translation>RAID 5   (패리티 스트라이프)</translation>
    </message>
    <message>
        <source>RAID 6   (Stripe with 2 Parities)</source>
        <translation>RAID 6   (이중 패리티 스트라이프)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>디스크 </translation>
    </message>
    <message>
        <source>Invalid Configuration: </source>
        <translation>잘못된 구성: </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>단순</translation>
    </message>
</context>
<context>
    <name>KV_ArrayNameDialog</name>
    <message>
        <source>Enter an array name of up to 30 characters.</source>
        <translation>최대 30자의 어레이 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source> Array Name</source>
        <translation> 어레이 이름</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>잘못된 이름: 어레이 이름은 기존 어레이 이름과 같거나 다음 문자를 포함할 수 없습니다: ()^,.=|&quot;-[]</translation>
    </message>
</context>
<context>
    <name>KV_ClearMetadataDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>디스크 목록:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>컨트롤러 채널</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>사용 중</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>메타데이터 지우기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>KV_CreateDialog</name>
    <message>
        <source>No disks with free space were detected, to create a RAID array please first free up space on an existing disk or add an additional disk to the system.</source>
        <translation>여유 공간이 있는 디스크가 검색되지 않았습니다. RAID 어레이를 생성하려면 먼저 기존 디스크의 공간을 확보하거나 시스템에 디스크를 추가하십시오.</translation>
    </message>
    <message>
        <source>Invalid name: array names may not be the same as existing array names or contain the following characters: ()^,.=|&quot;-[]</source>
        <translation>잘못된 이름: 어레이 이름은 기존 어레이 이름과 같거나 다음 문자를 포함할 수 없습니다: ()^,.=|&quot;-[]</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>생성 확인</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>경고: 어레이에 스페어를 포함했습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>경고: 드라이브 혼용이 감지되었습니다! 최상의 성능을 위해 성능 차이가 큰 드라이브를 혼용하지 않는 것이 좋습니다. 그래도 생성하시겠습니까?</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>생성 실패</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>생성</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>최대 여유 공간 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>전역</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>알림 핫 스왑</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>어레이 옵션</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>어레이 이름:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>구성 방식:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>용량:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>최대 용량:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>최대 용량</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>캐시 옵션:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>캐시 태그 크기:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>백그라운드 어레이 검사</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>초기화 건너뛰기  (권장하지 않음)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>기존 데이터 유지</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>제로 생성</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>모든 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>모든 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>모든 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>사용되지 않음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>KV_DeleteForm</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS 이름</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>파티션</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>어레이 이름</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>총 용량</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>캐시</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected Array(s): </source>
        <translation>선택한 어레이를 삭제하시겠습니까: </translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>작업 확인</translation>
    </message>
    <message>
        <source>Deleting arrays...</source>
        <translation>어레이를 삭제하는 중...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
</context>
<context>
    <name>KV_DiskProperites</name>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Disk Properties</source>
        <translation>디스크 속성</translation>
    </message>
    <message>
        <source>Disk Write Back Caching:</source>
        <translation>디스크 쓰기 저장 캐싱:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Disk Read Ahead:</source>
        <translation>디스크 미리 읽기:</translation>
    </message>
    <message>
        <source>SMART Polling:</source>
        <translation>SMART 폴링:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Note: Turning Disk Write Back Caching on may increase the likelihood of data corruption if the system power were to fail.</source>
        <translation>참고: 디스크 쓰기 저장 캐싱을 켜면 시스템 전원이 끊길 경우 데이터 손상 가능성이 높아질 수 있습니다.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>쓰기 저장 캐시</translation>
    </message>
    <message>
        <source>Read Ahead</source>
        <translation>미리 읽기</translation>
    </message>
    <message>
        <source>SMART Poll</source>
        <translation>SMART 폴링</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>펌웨어 리비전</translation>
    </message>
    <message>
        <source> is a NVMe device and cannot change disk cache settings.</source>
        <translation> 은(는) NVMe 장치이므로 디스크 캐시 설정을 변경할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>KV_Health</name>
    <message>
        <source>Array %1</source>
        <translation>어레이 %1</translation>
    </message>
    <message>
        <source>Array %1 %2</source>
        <translation>어레이 %1 %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <translation>%1, 일시 중지됨</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1이(가) 오프라인 상태입니다</translation>
    </message>
    <message>
        <source>%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure would lose it</source>
        <translation>%1이(가) 재구축 중인데 디스크 %2에서 S.M.A.R.T. 오류가 보고되고 있습니다. 디스크가 하나 더 실패하면 어레이가 손실됩니다</translation>
    </message>
    <message>
        <source>rebuilding onto disk %1, %2</source>
        <translation>디스크 %1(으)로 재구축 중, %2</translation>
    </message>
    <message>
        <source>rebuilding, %1</source>
        <translation>재구축 중, %1</translation>
    </message>
    <message>
        <source>%1 is critical: %2</source>
        <translation>%1이(가) 위험 상태입니다: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 상태: %2</translation>
    </message>
    <message>
        <source>%1 is critical: disk %2 has failed</source>
        <translation>%1이(가) 위험 상태입니다: 디스크 %2이(가) 실패했습니다</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1이(가) 위험 상태입니다</translation>
    </message>
    <message>
        <source>%1 is being transformed: %2</source>
        <translation>%1 변환 중: %2</translation>
    </message>
    <message>
        <source>%1 is being created: %2</source>
        <translation>%1 생성 중: %2</translation>
    </message>
    <message>
        <source>%1 is being securely erased: %2</source>
        <translation>%1 보안 삭제 중: %2</translation>
    </message>
    <message>
        <source>%1 has a failed member on disk %2</source>
        <translation>%1: 디스크 %2의 멤버가 실패했습니다</translation>
    </message>
    <message>
        <source>%1 has lost its last spare</source>
        <translation>%1의 마지막 스페어가 소진되었습니다</translation>
    </message>
    <message>
        <source>consistency check</source>
        <translation>일관성 검사</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>1분 미만 남음</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>약 1분 남음</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours left</source>
        <translation>
            <numerusform>약 %n시간 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>약 %n분 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>The RAID driver is not answering</source>
        <translation>RAID 드라이버가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>디스크 %1에서 S.M.A.R.T. 오류가 보고되었습니다</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (외 %n개)</numerusform>
        </translation>
    </message>
    <message>
        <source>No arrays are configured</source>
        <translation>구성된 어레이가 없습니다</translation>
    </message>
    <message>
        <source>The array is healthy</source>
        <translation>어레이가 정상입니다</translation>
    </message>
    <message numerus="yes">
        <source>All %n arrays are healthy</source>
        <translation>
            <numerusform>어레이 %n개가 모두 정상입니다</numerusform>
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
        <translation>%1 표시(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>%1 is critical</source>
        <translation>%1이(가) 위험 상태입니다</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1이(가) 오프라인 상태입니다</translation>
    </message>
    <message>
        <source>%1: the rebuild has finished; the array is healthy again</source>
        <translation>%1: 재구축이 완료되었습니다. 어레이가 다시 정상입니다</translation>
    </message>
    <message>
        <source>%1: the transform has finished</source>
        <translation>%1: 변환이 완료되었습니다</translation>
    </message>
    <message>
        <source>%1: the rebuild has ended; the array is %2</source>
        <translation>%1: 재구축이 종료되었습니다. 어레이 상태: %2</translation>
    </message>
    <message>
        <source>%1: the transform has ended; the array is %2</source>
        <translation>%1: 변환이 종료되었습니다. 어레이 상태: %2</translation>
    </message>
    <message>
        <source>Spare disk %1 has taken the place of a failed member</source>
        <translation>스페어 디스크 %1이(가) 실패한 멤버를 대체했습니다</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>디스크 %1</translation>
    </message>
    <message>
        <source>Disk %1 has failed</source>
        <translation>디스크 %1이(가) 실패했습니다</translation>
    </message>
    <message>
        <source>Disk %1 reports S.M.A.R.T. errors</source>
        <translation>디스크 %1에서 S.M.A.R.T. 오류가 보고되었습니다</translation>
    </message>
    <message numerus="yes">
        <source>%n arrays or disks changed: %1</source>
        <translation>
            <numerusform>어레이 또는 디스크 %n개가 변경됨: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KV_MainWindow</name>
    <message>
        <source>NORMAL</source>
        <translation>정상</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>CRITICAL</source>
        <translation>위험</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>OUTDATE</source>
        <translation>오래됨</translation>
    </message>
    <message>
        <source>CACHE OFFLINE</source>
        <translation>캐시 오프라인</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>잠김</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>NoError</source>
        <translation>오류 없음</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>Failed Offline</source>
        <translation>실패, 오프라인</translation>
    </message>
    <message>
        <source>NOT ACTIVE</source>
        <translation>비활성</translation>
    </message>
    <message>
        <source>TRANSFORM</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>CREATE</source>
        <translation>생성</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>검사</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>재구축</translation>
    </message>
    <message>
        <source>CHECK BITMAP</source>
        <translation>비트맵 검사</translation>
    </message>
    <message>
        <source>FLUSH BITMAP</source>
        <translation>비트맵 플러시</translation>
    </message>
    <message>
        <source>SECURE ERASE</source>
        <translation>보안 삭제</translation>
    </message>
    <message>
        <source>PAGE MOVE</source>
        <translation>페이지 이동</translation>
    </message>
    <message>
        <source>TIER MOVE</source>
        <translation>계층 이동</translation>
    </message>
    <message>
        <source>ZERO CREATE</source>
        <translation>제로 생성</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>시작됨</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>SHUTDOWN</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>REMOVED</source>
        <translation>제거됨</translation>
    </message>
    <message>
        <source>NOT COMPLETED</source>
        <translation>완료되지 않음</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>매우 낮음</translation>
    </message>
    <message>
        <source>Informational</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>위험</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>치명적</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Array</source>
        <translation>어레이(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>생성(&amp;C)</translation>
    </message>
    <message>
        <source>Create RAID array</source>
        <translation>RAID 어레이 생성</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>변환(&amp;T)</translation>
    </message>
    <message>
        <source>Transform an existing RAID array</source>
        <translation>기존 RAID 어레이 변환</translation>
    </message>
    <message>
        <source>Check Consistency</source>
        <translation>일관성 검사</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>백그라운드 어레이 검사</translation>
    </message>
    <message>
        <source>Modify Cache Settings</source>
        <translation>캐시 설정 수정</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>캐시 없음</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>읽기 캐시</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>쓰기 저장 캐시</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>읽기 + 쓰기 저장 캐시</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>우선순위</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>이름(&amp;N)</translation>
    </message>
    <message>
        <source>Change Array Name of Selected Array</source>
        <translation>선택한 어레이의 이름 변경</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Hide/Un-Hide an existing Array</source>
        <translation>기존 어레이 숨기기/숨기기 해제</translation>
    </message>
    <message>
        <source>Identify Array</source>
        <translation>어레이 식별</translation>
    </message>
    <message>
        <source>Light LED(s) representing the selected Array</source>
        <translation>선택한 어레이를 나타내는 LED 켜기</translation>
    </message>
    <message>
        <source>&amp;Prepare To Remove</source>
        <translation>제거 준비(&amp;P)</translation>
    </message>
    <message>
        <source>Make the array invisible to the operating system for preparation of removal</source>
        <translation>제거 준비를 위해 운영 체제에서 어레이가 보이지 않게 합니다</translation>
    </message>
    <message>
        <source>Remove Spares</source>
        <translation>스페어 제거</translation>
    </message>
    <message>
        <source>Remove all dedicated spares assigned to this array</source>
        <translation>이 어레이에 지정된 모든 전용 스페어 제거</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Delete an existing RAID array</source>
        <translation>기존 RAID 어레이 삭제</translation>
    </message>
    <message>
        <source>Delete &amp;Multiple Arrays</source>
        <translation>여러 어레이 삭제(&amp;M)</translation>
    </message>
    <message>
        <source>Select multiple existing RAID arrays for deletion</source>
        <translation>삭제할 기존 RAID 어레이 여러 개 선택</translation>
    </message>
    <message>
        <source>&amp;Secure Erase</source>
        <translation>보안 삭제(&amp;S)</translation>
    </message>
    <message>
        <source>Secure Erase an existing RAID array</source>
        <translation>기존 RAID 어레이 보안 삭제</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>디스크(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>다시 검색(&amp;R)</translation>
    </message>
    <message>
        <source>Rescan all channels to detect new or removed physical disks and arrays.</source>
        <translation>모든 채널을 다시 검색하여 새로 추가되거나 제거된 물리 디스크와 어레이를 감지합니다.</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>초기화(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Metadata</source>
        <translation>메타데이터 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>속성(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 개요(&amp;S)</translation>
    </message>
    <message>
        <source>S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring system by the drive to detect and report various indicators of drive reliability.</source>
        <translation>S.M.A.R.T.(자체 모니터링, 분석 및 보고 기술)는 드라이브의 다양한 신뢰성 지표를 감지하고 보고하는 드라이브 모니터링 시스템입니다.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>Manage spares for the selected disk.</source>
        <translation>선택한 디스크의 스페어를 관리합니다.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>새로 고침(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Application Log</source>
        <translation>애플리케이션 로그(&amp;A)</translation>
    </message>
    <message>
        <source>View application log information.</source>
        <translation>애플리케이션 로그 정보를 봅니다.</translation>
    </message>
    <message>
        <source>&amp;View Controllers</source>
        <translation>컨트롤러 보기(&amp;V)</translation>
    </message>
    <message>
        <source>View Controller List</source>
        <translation>컨트롤러 목록 보기</translation>
    </message>
    <message>
        <source>&amp;Event View</source>
        <translation>이벤트 보기(&amp;E)</translation>
    </message>
    <message>
        <source>Collapse Event View</source>
        <translation>이벤트 보기 접기</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>테마(&amp;T)</translation>
    </message>
    <message>
        <source>Change Application Color Theme</source>
        <translation>애플리케이션 색 테마 변경</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>&amp;Icon Size</source>
        <translation>아이콘 크기(&amp;I)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Icon Sizes</source>
        <translation>애플리케이션 아이콘 크기 변경</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>글꼴 크기(&amp;F)</translation>
    </message>
    <message>
        <source>Change Application&apos;s Font Sizes</source>
        <translation>애플리케이션 글꼴 크기 변경</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>정상</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>Display Application and RAID Driver versions</source>
        <translation>애플리케이션 및 RAID 드라이버 버전 표시</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>사용자 가이드(&amp;U)</translation>
    </message>
    <message>
        <source>Link to User Guide</source>
        <translation>사용자 가이드 링크</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>지원(&amp;S)</translation>
    </message>
    <message>
        <source>Link to OXV Support Site</source>
        <translation>OXV 지원 사이트 링크</translation>
    </message>
    <message>
        <source>&amp;EULA</source>
        <translation>EULA(&amp;E)</translation>
    </message>
    <message>
        <source>View End User License Agreement (EULA).</source>
        <translation>최종 사용자 사용권 계약(EULA)을 봅니다.</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Largest Free</source>
        <translation>최대 여유 공간</translation>
    </message>
    <message>
        <source>Global Spare</source>
        <translation>전역 스페어</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>알림 핫 스왑</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>펌웨어 리비전</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>OS Name</source>
        <translation>OS 이름</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>파티션</translation>
    </message>
    <message>
        <source>Array Name</source>
        <translation>어레이 이름</translation>
    </message>
    <message>
        <source>Total Capacity</source>
        <translation>총 용량</translation>
    </message>
    <message>
        <source>Task State</source>
        <translation>작업 상태</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Pri</source>
        <translation>우선</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>검사</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>캐시</translation>
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
        <translation>전용 스페어</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>(Hidden)</source>
        <translation>(숨김)</translation>
    </message>
    <message>
        <source> (Source)</source>
        <translation> (원본)</translation>
    </message>
    <message>
        <source> (Destination)</source>
        <translation> (대상)</translation>
    </message>
    <message>
        <source> Dedicated Spares</source>
        <translation> 전용 스페어</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 디스크</translation>
    </message>
    <message>
        <source>Un-Hide</source>
        <translation>숨기기 해제</translation>
    </message>
    <message>
        <source>Unable to find kvcfg RAID driver, please ensure all required RAID drivers are installed or the application will not be functional.</source>
        <translation>kvcfg RAID 드라이버를 찾을 수 없습니다. 필요한 RAID 드라이버가 모두 설치되어 있는지 확인하십시오. 그렇지 않으면 애플리케이션이 작동하지 않습니다.</translation>
    </message>
    <message>
        <source>Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID enabled.

If running AHCI/Native mode, nothing needs to be done. Exiting application.</source>
        <translation>OXV RAID 드라이버를 찾을 수 없습니다. BIOS 설정에서 RAID가 사용으로 설정되어 있는지 확인하십시오.

AHCI/네이티브 모드로 실행 중이면 아무 작업도 필요하지 않습니다. 애플리케이션을 종료합니다.</translation>
    </message>
    <message>
        <source>Please run application as Administrator.</source>
        <translation>관리자 권한으로 애플리케이션을 실행하십시오.</translation>
    </message>
    <message>
        <source>While running this application at your current user privileges you will not be able to:</source>
        <translation>현재 사용자 권한으로 이 애플리케이션을 실행하는 동안에는 다음 작업을 할 수 없습니다.</translation>
    </message>
    <message>
        <source>  (1) Perform destructive commands.</source>
        <translation>  (1) 파괴적인 명령 실행</translation>
    </message>
    <message>
        <source>  (2) View array partitions and system array information.</source>
        <translation>  (2) 어레이 파티션 및 시스템 어레이 정보 보기</translation>
    </message>
    <message>
        <source>Event Notification</source>
        <translation>이벤트 알림</translation>
    </message>
    <message>
        <source>Value displays current MBs per second of performance between the OS and the OXV-RAID Driver.</source>
        <translation>OS와 OXV-RAID 드라이버 간의 현재 초당 MB 성능을 표시합니다.</translation>
    </message>
    <message>
        <source>Value displays current MBs per second  performance between the OXV-RAID Driver and the storage device.</source>
        <translation>OXV-RAID 드라이버와 저장 장치 간의 현재 초당 MB 성능을 표시합니다.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OS and the OXV-RAID Driver.</source>
        <translation>OS와 OXV-RAID 드라이버 간의 현재 초당 IO 성능을 표시합니다.</translation>
    </message>
    <message>
        <source>Value displays current IOs per second performance between the OXV-RAID Driver and the storage devices.</source>
        <translation>OXV-RAID 드라이버와 저장 장치 간의 현재 초당 IO 성능을 표시합니다.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OS and the OXV-RAID Driver.</source>
        <translation>OS와 OXV-RAID 드라이버 간의 총 바이트를 표시합니다.</translation>
    </message>
    <message>
        <source>Value displays total Bytes between the OXV-RAID Driver and the storage device.</source>
        <translation>OXV-RAID 드라이버와 저장 장치 간의 총 바이트를 표시합니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Do you want to %1 Array %2: %3?</source>
        <translation>어레이 %2: %3에 대해 &apos;%1&apos; 작업을 수행하시겠습니까?</translation>
    </message>
    <message>
        <source>This operation will make the array invisible to the operating system and may cause DATA LOSS. Would you like to continue with the Prepare to Remove operation?</source>
        <translation>이 작업을 수행하면 운영 체제에서 어레이가 보이지 않게 되며 데이터가 손실될 수 있습니다. 제거 준비 작업을 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Remove all Spares from Array %1 ?</source>
        <translation>어레이 %1에서 모든 스페어를 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to delete Array %1: %2?</source>
        <translation>어레이 %1: %2을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>WARNING: All data will be lost and unrecoverable. Continue with Secure Erase on Array %1 &quot;%2&quot;?</source>
        <translation>경고: 모든 데이터가 손실되며 복구할 수 없습니다. 어레이 %1 &quot;%2&quot;에 대해 보안 삭제를 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>If enabled Write Back Cache can increase the likelihood of data corruption if the system experiences an unexpected shutdown, do you wish to enable?</source>
        <translation>쓰기 저장 캐시를 사용하면 시스템이 예기치 않게 종료될 경우 데이터 손상 가능성이 높아질 수 있습니다. 사용하시겠습니까?</translation>
    </message>
    <message>
        <source> is locked and cannot be transformed until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot start a consistency check until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 일관성 검사를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a consistency check until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 일관성 검사를 중지할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot start a background array scan until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 백그라운드 어레이 검사를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot stop a background array scan until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 백그라운드 어레이 검사를 중지할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot change the cache until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 캐시를 변경할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot change task priority until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 작업 우선순위를 변경할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot resume a task until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 작업을 재개할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot pause a task until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 작업을 일시 중지할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot remove a task until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 작업을 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be renamed until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 이름을 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be hidden until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 숨길 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be identified until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 식별할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be prepared for removal until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 제거 준비를 할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot have spares removed until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 스페어를 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be deleted until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source> is locked and cannot be secure erased until it is unlocked.</source>
        <translation> 은(는) 잠겨 있어 잠금을 해제할 때까지 보안 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>작업 확인</translation>
    </message>
    <message>
        <source>Rescan in progress...</source>
        <translation>다시 검색하는 중...</translation>
    </message>
    <message>
        <source>Delete in progress...</source>
        <translation>삭제하는 중...</translation>
    </message>
    <message>
        <source>Secure Erase in progress...</source>
        <translation>보안 삭제하는 중...</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>There is an overlap between the selected array and another array. Operation canceled.</source>
        <translation>선택한 어레이와 다른 어레이가 겹칩니다. 작업이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Problem Ejecting OXV Array %1 SCSI Device</source>
        <translation>OXV 어레이 %1 SCSI 장치를 꺼내는 중 문제가 발생했습니다</translation>
    </message>
    <message>
        <source>This device is currently in use. Close any program or windows that might be using this device, and then try again.</source>
        <translation>이 장치는 현재 사용 중입니다. 이 장치를 사용 중일 수 있는 프로그램이나 창을 모두 닫은 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Array Removal</source>
        <translation>어레이 제거</translation>
    </message>
    <message>
        <source>Array %1 has been removed from the configuration, the device&apos;s disconnected and are now ready to be physically removed from the system. It is important that no DISK RESCANs be performed until all of the disks in the array have been disconnected</source>
        <translation>어레이 %1이(가) 구성에서 제거되었고 장치의 연결이 해제되어 이제 시스템에서 물리적으로 제거할 수 있습니다. 어레이의 모든 디스크 연결이 해제될 때까지 디스크 다시 검색을 수행하지 않는 것이 중요합니다</translation>
    </message>
    <message>
        <source>The LEDs representing the Disk(s) in the selected Array are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>선택한 어레이의 디스크를 나타내는 LED가 켜졌습니다. 식별을 중지하려면 &apos;확인&apos;을 클릭하십시오.</translation>
    </message>
    <message>
        <source>The total number of arrays is limited to %1.</source>
        <translation>전체 어레이 수는 %1개로 제한됩니다.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. The lists show the configuration read at %1.</source>
        <translation>RAID 드라이버가 응답하지 않습니다. 목록에는 %1에 읽은 구성이 표시됩니다.</translation>
    </message>
    <message>
        <source>The RAID driver is not answering. No configuration could be read.</source>
        <translation>RAID 드라이버가 응답하지 않습니다. 구성을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The console cannot tell which arrays hold the operating system: Delete, Secure Erase, Hide and Prepare To Remove are unavailable.</source>
        <translation>콘솔에서 운영 체제가 있는 어레이를 확인할 수 없습니다. 삭제, 보안 삭제, 숨기기 및 제거 준비를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Array </source>
        <translation>어레이 </translation>
    </message>
    <message>
        <source>Disk </source>
        <translation>디스크 </translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>생성</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Task Priority</source>
        <translation>작업 우선순위</translation>
    </message>
    <message>
        <source>Initialize Disks</source>
        <translation>디스크 초기화</translation>
    </message>
    <message>
        <source>Clear Metadata</source>
        <translation>메타데이터 지우기</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>S.M.A.R.T. Overview</source>
        <translation>S.M.A.R.T. 개요</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>컨트롤러</translation>
    </message>
    <message>
        <source>About </source>
        <translation>정보: </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Save Support Bundle...</source>
        <translation>지원 번들 저장...</translation>
    </message>
    <message>
        <source>Save the configuration, logs and S.M.A.R.T. reports in one file for support</source>
        <translation>구성, 로그, S.M.A.R.T. 보고서를 지원용 파일 하나로 저장합니다</translation>
    </message>
    <message>
        <source>C&amp;lose to Tray</source>
        <translation>트레이로 닫기(&amp;L)</translation>
    </message>
    <message>
        <source>Closing the window keeps the console watching the arrays from the tray.</source>
        <translation>창을 닫아도 콘솔은 트레이에서 어레이를 계속 모니터링합니다.</translation>
    </message>
    <message>
        <source>Paused: no time left is estimated while the task waits.</source>
        <translation>일시 중지됨: 작업이 대기하는 동안에는 남은 시간을 추정하지 않습니다.</translation>
    </message>
    <message>
        <source>The time left is estimated once the task&apos;s progress has been seen for a minute.</source>
        <translation>남은 시간은 작업 진행률을 1분 동안 확인한 후에 추정됩니다.</translation>
    </message>
    <message>
        <source>The disk has failed; the driver reports it as %1.</source>
        <translation>디스크가 실패했습니다. 드라이버가 %1(으)로 보고합니다.</translation>
    </message>
    <message>
        <source>The disk reports S.M.A.R.T. errors: replace it soon.</source>
        <translation>디스크에서 S.M.A.R.T. 오류가 보고되었습니다. 곧 교체하십시오.</translation>
    </message>
    <message>
        <source>Save Support Bundle</source>
        <translation>지원 번들 저장</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip 압축 파일 (*.zip)</translation>
    </message>
    <message>
        <source>The support bundle was saved to %1.</source>
        <translation>지원 번들을 %1에 저장했습니다.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %1: %2</source>
        <translation>지원 번들을 %1에 저장할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>KV_MetadataDiskList</name>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 디스크</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>구성을 읽을 수 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed. Close this window and open it again for the disks as they are now.</source>
        <translation>디스크 %1이(가) 더 이상 없습니다. 아무것도 변경되지 않았습니다. 현재 디스크 상태를 보려면 이 창을 닫았다가 다시 여십시오.</translation>
    </message>
</context>
<context>
    <name>KV_SmartDiskDialog</name>
    <message>
        <source>Disk List:</source>
        <translation>디스크 목록:</translation>
    </message>
    <message>
        <source>Query Selected S.M.A.R.T. Data</source>
        <translation>선택한 S.M.A.R.T. 데이터 조회</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>%1y  %2d  %3hr</source>
        <translation>%1년  %2일  %3시간</translation>
    </message>
    <message>
        <source>%1d  %2hr</source>
        <translation>%1일  %2시간</translation>
    </message>
    <message>
        <source>Unable to retreive</source>
        <translation>검색할 수 없음</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>펌웨어 리비전</translation>
    </message>
    <message>
        <source>Power on Hours</source>
        <translation>전원 켜짐 시간</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>전원 주기</translation>
    </message>
    <message>
        <source>Temperature (Celsius)</source>
        <translation>온도(섭씨)</translation>
    </message>
</context>
<context>
    <name>KV_Startup</name>
    <message>
        <source>Velmora: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); velmora-cli gives the console&apos;s commands in a terminal.</source>
        <translation>Velmora: 창을 열 디스플레이가 없습니다(DISPLAY와 WAYLAND_DISPLAY가 모두 설정되지 않음). velmora-cli를 사용하면 터미널에서 콘솔 명령을 실행할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>KV_TaskPriorityDialog</name>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Current priority of the &apos;%1&apos; task: %2</source>
        <translation>&apos;%1&apos; 작업의 현재 우선순위: %2</translation>
    </message>
    <message>
        <source>Use the slider to choose a new priority for the &apos;%1&apos; task on array &apos;%2&apos;.</source>
        <translation>슬라이더를 사용하여 어레이 &apos;%2&apos;의 &apos;%1&apos; 작업에 대한 새 우선순위를 선택하십시오.</translation>
    </message>
    <message>
        <source>New priority: %1</source>
        <translation>새 우선순위: %1</translation>
    </message>
</context>
<context>
    <name>KV_TransformDialog</name>
    <message>
        <source>Confirm Transform</source>
        <translation>변환 확인</translation>
    </message>
    <message>
        <source>Warning: You have included a spare in the array. Would you like to continue?</source>
        <translation>경고: 어레이에 스페어를 포함했습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning: This array transform includes a hot swappable device. After the transform completes a system reboot must be performed to notify the OS of the array&apos;s underlying device changes. Would you like to continue?</source>
        <translation>경고: 이 어레이 변환에는 핫 스왑 가능한 장치가 포함되어 있습니다. 변환이 완료된 후 OS가 어레이의 기본 장치 변경을 인식하도록 시스템을 다시 시작해야 합니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Confirm Create</source>
        <translation>생성 확인</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to create anyway?</source>
        <translation>경고: 드라이브 혼용이 감지되었습니다! 최상의 성능을 위해 성능 차이가 큰 드라이브를 혼용하지 않는 것이 좋습니다. 그래도 생성하시겠습니까?</translation>
    </message>
    <message>
        <source>Transform command failed</source>
        <translation>변환 명령 실패</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>최대 여유 공간 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>전역</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>알림 핫 스왑</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>Array Options</source>
        <translation>어레이 옵션</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>구성 방식:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>현재 용량:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>용량:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>최대 용량:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>최대 용량</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>모든 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>모든 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>모든 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>사용되지 않음</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>동일</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>KV_diskSpareDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Assign as Dedicated Spare</source>
        <translation>전용 스페어로 지정</translation>
    </message>
    <message>
        <source>Assign as Global Spare</source>
        <translation>전역 스페어로 지정</translation>
    </message>
    <message>
        <source>Identify Disk using LEDs</source>
        <translation>LED로 디스크 식별</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>장치 제거</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Prepare to Remove</source>
        <translation>제거 준비</translation>
    </message>
    <message>
        <source>Remove as Global Spare</source>
        <translation>전역 스페어 지정 해제</translation>
    </message>
    <message>
        <source>Remove as Dedicated Spare</source>
        <translation>전용 스페어 지정 해제</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>The configuration could not be read; nothing was changed.</source>
        <translation>구성을 읽을 수 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Disk %1 is no longer present; nothing was changed.</source>
        <translation>디스크 %1이(가) 더 이상 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Confirm Spare Assignment</source>
        <translation>스페어 지정 확인</translation>
    </message>
    <message>
        <source>Warning: drive mixing detected! For best performance, it is not recommended to mix drives of substantially different performance. Do you want to continue with spare assignment?</source>
        <translation>경고: 드라이브 혼용이 감지되었습니다! 최상의 성능을 위해 성능 차이가 큰 드라이브를 혼용하지 않는 것이 좋습니다. 스페어 지정을 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Identify Disk</source>
        <translation>디스크 식별</translation>
    </message>
    <message>
        <source>The LEDs representing the selected Disk are now lit. Click &apos;OK&apos; to stop identifying.</source>
        <translation>선택한 디스크를 나타내는 LED가 켜졌습니다. 식별을 중지하려면 &apos;확인&apos;을 클릭하십시오.</translation>
    </message>
    <message>
        <source>Remove Device Status</source>
        <translation>장치 제거 상태</translation>
    </message>
</context>
<context>
    <name>KV_initDisksDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Disk List:</source>
        <translation>디스크 목록:</translation>
    </message>
    <message>
        <source>Ctrl Chan</source>
        <translation>컨트롤러 채널</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>In-Use</source>
        <translation>사용 중</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Un-Initiliazed</source>
        <translation>초기화되지 않음</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>Initialize Selected</source>
        <translation>선택 항목 초기화</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Kv_insertRemoveDialog</name>
    <message>
        <source>Rescan</source>
        <translation>다시 검색</translation>
    </message>
    <message>
        <source>Drive Inserted</source>
        <translation>드라이브 삽입됨</translation>
    </message>
    <message>
        <source>A RAID controller has detected the insertion of a new drive. To bring this drive on-line a controller RESCAN must be performed. If this drive is part of an array of several drives you should only rescan after the last drive that is part of the array has been inserted. </source>
        <translation>RAID 컨트롤러가 새 드라이브 삽입을 감지했습니다. 이 드라이브를 온라인으로 만들려면 컨트롤러 다시 검색을 수행해야 합니다. 이 드라이브가 여러 드라이브로 구성된 어레이의 일부인 경우, 어레이의 마지막 드라이브를 삽입한 후에만 다시 검색하십시오. </translation>
    </message>
    <message>
        <source>Drive Removed</source>
        <translation>드라이브 제거됨</translation>
    </message>
    <message>
        <source>A RAID controller has detected the removal of a disk drive. To permanently remove the drive and sync the configuration a rescan must be performed. If this drive is part of an array that is being taken off-line, DO NOT RESCAN until the last drive included in the array has been removed.</source>
        <translation>RAID 컨트롤러가 디스크 드라이브 제거를 감지했습니다. 드라이브를 영구적으로 제거하고 구성을 동기화하려면 다시 검색을 수행해야 합니다. 이 드라이브가 오프라인으로 전환되는 어레이의 일부인 경우, 어레이의 마지막 드라이브를 제거할 때까지 다시 검색하지 마십시오.</translation>
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
        <translation>어레이 옵션</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Array Name:</source>
        <translation>어레이 이름:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>구성 방식:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>용량:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>최대 용량:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>최대 용량</translation>
    </message>
    <message>
        <source>Cache Options:</source>
        <translation>캐시 옵션:</translation>
    </message>
    <message>
        <source>Cache Tag Size:</source>
        <translation>캐시 태그 크기:</translation>
    </message>
    <message>
        <source>Trim:</source>
        <translation>TRIM:</translation>
    </message>
    <message>
        <source>Background Array Scan</source>
        <translation>백그라운드 어레이 검사</translation>
    </message>
    <message>
        <source>Skip Initialize  (Not Recommended)</source>
        <translation>초기화 건너뛰기  (권장하지 않음)</translation>
    </message>
    <message>
        <source>Leave Existing Data Intact</source>
        <translation>기존 데이터 유지</translation>
    </message>
    <message>
        <source>Zero Create</source>
        <translation>제로 생성</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>모든 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>모든 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>모든 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>사용되지 않음</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>생성</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Read + Write Back Cache</source>
        <translation>읽기 + 쓰기 저장 캐시</translation>
    </message>
    <message>
        <source>Read Cache</source>
        <translation>읽기 캐시</translation>
    </message>
    <message>
        <source>Write Back Cache</source>
        <translation>쓰기 저장 캐시</translation>
    </message>
    <message>
        <source>No Cache</source>
        <translation>캐시 없음</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
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
        <translation>디스크</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>최대 여유 공간 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>전역</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>TRIM</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>알림 핫 스왑</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>펌웨어 버전</translation>
    </message>
</context>
<context>
    <name>kv_ControllerProperties</name>
    <message>
        <source>Controller List:</source>
        <translation>컨트롤러 목록:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>해당 없음</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Port Count</source>
        <translation>포트 수</translation>
    </message>
    <message>
        <source>PCI Vendor ID</source>
        <translation>PCI 공급업체 ID</translation>
    </message>
    <message>
        <source>PCI Device ID</source>
        <translation>PCI 장치 ID</translation>
    </message>
    <message>
        <source>PCI SubVendor ID</source>
        <translation>PCI 하위 공급업체 ID</translation>
    </message>
    <message>
        <source>PCI SubDevice ID</source>
        <translation>PCI 하위 장치 ID</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>버스</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>슬롯</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>기능</translation>
    </message>
</context>
<context>
    <name>kv_EULA_Dialog</name>
    <message>
        <source>Accept</source>
        <translation>동의</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>EULA text could not be loaded.</source>
        <translation>EULA 텍스트를 불러올 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>transformDialog</name>
    <message>
        <source>Array Options</source>
        <translation>어레이 옵션</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Organized As:</source>
        <translation>구성 방식:</translation>
    </message>
    <message>
        <source>Current Capacity:</source>
        <translation>현재 용량:</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>용량:</translation>
    </message>
    <message>
        <source>Max Capacity:</source>
        <translation>최대 용량:</translation>
    </message>
    <message>
        <source>Max Capacity</source>
        <translation>최대 용량</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>All NVMe</source>
        <translation>모든 NVMe</translation>
    </message>
    <message>
        <source>All SATA SSD</source>
        <translation>모든 SATA SSD</translation>
    </message>
    <message>
        <source>All HDD</source>
        <translation>모든 HDD</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>사용되지 않음</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>동일</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Port Type</source>
        <translation>포트 유형</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>용량</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>사용 가능한 공간</translation>
    </message>
    <message>
        <source>Largest Free </source>
        <translation>최대 여유 공간 </translation>
    </message>
    <message>
        <source>GS</source>
        <translation>전역</translation>
    </message>
    <message>
        <source>Informed Hot Swap</source>
        <translation>알림 핫 스왑</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>펌웨어 버전</translation>
    </message>
</context>
</TS>
