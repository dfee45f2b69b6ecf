#include "kv_channel.h"
#include "kv_posix_platform.h"
#include "recording_platform.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class TestChannel : public QObject {
    Q_OBJECT

    std::shared_ptr<test::RecordingPlatform> host;

private slots:
    void init()
    {
        host = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(host);
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addRow("configuration") << "//./Core1/Route0/Device0"
                                       << "\\\\.\\KVConfig0";
        QTest::addRow("route without device") << "//./Core1/Route3/Device0"
                                              << "\\\\.\\KVConfig0";
        QTest::addRow("second core") << "//./Core2/Route0/Device0"
                                     << "\\\\.\\KVConfig1";
        QTest::addRow("device") << "//./Core1/Route3/Device2"
                                << "\\\\.\\Device3_2";
        QTest::addRow("trailing space") << "//./Core1/Route2/Device5 "
                                        << "\\\\.\\Device2_5";
        QTest::addRow("comma separated") << "//./Core1,Route5,Device12"
                                         << "\\\\.\\Device5_12";
        QTest::addRow("empty tokens skipped") << "//.//Core1//Route1/Device1"
                                              << "\\\\.\\Device1_1";
        QTest::addRow("core without digits") << "//./Core/Route0/Device0"
                                             << "";
        QTest::addRow("no core part") << "//."
                                      << "";
        // Each part is kept to 16 bytes, so the device number's last digit
        // falls outside it.
        QTest::addRow("part cut to 16 bytes") << "//./Core1/Route3/Device00000000002"
                                              << "\\\\.\\KVConfig0";
        QTest::addRow("plain name unchanged") << "\\\\.\\C:"
                                              << "\\\\.\\C:";
        QTest::addRow("single slash unchanged") << "/Core1/Route0/Device0"
                                                << "/Core1/Route0/Device0";
    }

    void fileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QCOMPARE(QString::fromStdString(KV_EndpointFileName(path.toStdString())), fileName);
    }

    void openModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("flagType");
        QTest::addColumn<uint>("disposition");
        QTest::addColumn<uint>("share");
        QTest::addColumn<uint>("flags");
        // Creation dispositions: 1 CREATE_NEW, 2 CREATE_ALWAYS, 3 OPEN_EXISTING, 4 OPEN_ALWAYS.
        QTest::addRow("1") << 1 << 1 << 1u << 0u << 0x40000000u;
        QTest::addRow("2") << 2 << 1 << 1u << 3u << 0x40000000u;
        QTest::addRow("3") << 3 << 1 << 2u << 0u << 0x40000000u;
        QTest::addRow("4") << 4 << 1 << 2u << 3u << 0x40000000u;
        QTest::addRow("5") << 5 << 2 << 3u << 0u << 0xC0000000u;
        QTest::addRow("6") << 6 << 2 << 3u << 3u << 0xC0000000u;
        QTest::addRow("7") << 7 << 3 << 4u << 0u << 0x60000000u;
        QTest::addRow("8 unbuffered") << 8 << 3 << 4u << 3u << 0x60000000u;
    }

    void openModes()
    {
        QFETCH(int, mode);
        QFETCH(int, flagType);
        QFETCH(uint, disposition);
        QFETCH(uint, share);
        QFETCH(uint, flags);
        auto file = KV_OpenEndpoint("//./Core1/Route0/Device0", mode, flagType);
        QVERIFY(file);
        QCOMPARE(QString::fromStdString(host->lastOpen.name), QStringLiteral("\\\\.\\KVConfig0"));
        QCOMPARE(host->lastOpen.disposition, disposition);
        QCOMPARE(host->lastOpen.share, share);
        QCOMPARE(host->lastOpen.flags, flags);
    }

    void openRefusals_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("flagType");
        QTest::addRow("mode 0") << "//./Core1/Route0/Device0" << 0 << 3;
        QTest::addRow("mode 9") << "//./Core1/Route0/Device0" << 9 << 3;
        QTest::addRow("flag type 4") << "//./Core1/Route0/Device0" << 8 << 4;
        QTest::addRow("core number 0") << "//./Core/Route0/Device0" << 8 << 3;
    }

    void openRefusals()
    {
        QFETCH(QString, path);
        QFETCH(int, mode);
        QFETCH(int, flagType);
        QVERIFY(!KV_OpenEndpoint(path.toStdString(), mode, flagType));
        QVERIFY(host->opened.empty());
    }

    void openFailsWhenHostRefuses()
    {
        host->canOpen = [](const std::string &) { return false; };
        QVERIFY(!KV_OpenEndpoint("//./Core1/Route0/Device0", 8, 3));
    }

    // A daemon that answers a read with fewer bytes than were asked for has
    // not completed the transfer, whatever its answer's error word says.
    void shortSocketReadIsNoAnswer()
    {
        QTemporaryDir dir; // mode 0700, this user's
        QVERIFY(dir.isValid());
        const std::string socketPath = dir.filePath(kv::wire::SocketName).toStdString();
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        QCOMPARE(::listen(listener, 1), 0);
        std::thread daemon([listener] {
            const int peer = ::accept(listener, nullptr, nullptr);
            if (peer < 0)
                return;
            kv::wire::RequestHeader request{};
            std::vector<char> payload;
            while (::recv(peer, &request, sizeof request, MSG_WAITALL) == sizeof request) {
                payload.resize(request.length);
                if (request.length > 0 &&
                    ::recv(peer, payload.data(), request.length, MSG_WAITALL) != request.length)
                    break;
                const uint32_t length =
                    request.op == uint32_t(kv::wire::Op::Read) ? request.outLength - 512 : 0;
                const kv::wire::ResponseHeader response{kv::wire::ResponseMagic, 0, length, 0};
                std::vector<char> answer(sizeof response + length, 'A');
                std::memcpy(answer.data(), &response, sizeof response);
                if (::send(peer, answer.data(), answer.size(), MSG_NOSIGNAL) !=
                    ssize_t(answer.size()))
                    break;
            }
            ::close(peer);
        });
        uint32_t read = kv::winerr::InvalidHandle;
        {
            kv::PosixPlatform platform(dir.path().toStdString(), std::chrono::seconds(10));
            if (auto file = platform.open("\\\\.\\KVConfig0", 3, 3, 0)) {
                std::vector<uint8_t> buffer(1024);
                read = file->read(buffer.data(), 0, 1024);
            }
        }
        ::shutdown(listener, SHUT_RDWR); // wakes an accept that never got its caller
        daemon.join();
        ::close(listener);
        QVERIFY(read != kv::winerr::InvalidHandle); // the file opened and was read
        QVERIFY(read != kv::winerr::Success);
    }

    void allocator()
    {
        const size_t before = KVTL_LiveCount();
        auto *p = static_cast<uint8_t *>(KVTL_Alloc(5120, "test"));
        QVERIFY(p);
        QCOMPARE(KVTL_LiveCount(), before + 1);
        QVERIFY(KVTL_CheckBuffer(p, 5120));
        QVERIFY(KVTL_CheckBuffer(p + 4096, 1024));
        QVERIFY(!KVTL_CheckBuffer(p + 4096, 1025));
        QVERIFY(!KVTL_CheckBuffer(p - 1, 16));
        // A length whose end wraps past 2^64 lands inside the allocation.
        QVERIFY(!KVTL_CheckBuffer(p + 4096, UINT64_MAX - 4000));
        int local = 0;
        QVERIFY(!KVTL_CheckBuffer(&local, 4));
        QCOMPARE(KVTL_Free(p), KV_STS(1));
        QCOMPARE(KVTL_Free(p), KV_STS(5));
        QCOMPARE(KVTL_Free(&local), KV_STS(5));
        QCOMPARE(KVTL_LiveCount(), before);
    }

    void allocatorTableLimit()
    {
        std::vector<void *> live;
        while (void *p = KVTL_Alloc(16, "limit")) {
            live.push_back(p);
            QVERIFY(live.size() <= 20000);
        }
        QCOMPARE(KVTL_LiveCount(), size_t(20000));
        // Freeing one makes room for exactly one more.
        QCOMPARE(KVTL_Free(live.back()), KV_STS(1));
        live.pop_back();
        void *again = KVTL_Alloc(16, "limit");
        QVERIFY(again);
        live.push_back(again);
        for (void *p : live)
            QCOMPARE(KVTL_Free(p), KV_STS(1));
    }

    void requestBlockIsAlignedAndFreed()
    {
        const size_t before = KVTL_LiveCount();
        {
            KV_RequestBlock block(8192, "test");
            QVERIFY(block);
            QCOMPARE(reinterpret_cast<uintptr_t>(block.data()) % 4096, uintptr_t(0));
            QVERIFY(KVTL_CheckBuffer(block.data(), 8192));
            QCOMPARE(KVTL_LiveCount(), before + 1);
        }
        QCOMPARE(KVTL_LiveCount(), before);
    }

    void transferRefusesBadBuffers_data()
    {
        QTest::addColumn<int>("skew");
        QTest::addColumn<uint>("count");
        QTest::addRow("overrun") << 0 << 8192u + 4096u + 512u;
        QTest::addRow("unaligned") << 512 << 1024u;
        QTest::addRow("partial sector") << 0 << 1000u;
        QTest::addRow("untracked") << -1 << 1024u;
    }

    void transferRefusesBadBuffers()
    {
        QFETCH(int, skew);
        QFETCH(uint, count);
        auto file = KV_OpenEndpoint("//./Core1/Route0/Device0", 8, 3);
        KV_RequestBlock block(8192, "test");
        alignas(4096) static uint8_t untracked[8192];
        uint8_t *buffer = skew < 0 ? untracked : block.data() + skew;
        QCOMPARE(KV_Transfer(KV_TransferRead, file.get(), buffer, 512, count), KV_STS(6));
        QCOMPARE(KV_Transfer(KV_TransferWrite, file.get(), buffer, 512, count), KV_STS(6));
        QVERIFY(host->transfers.empty());
    }

    void transferMapsCompletion_data()
    {
        QTest::addColumn<uint>("error");
        QTest::addColumn<uint>("status");
        QTest::addRow("success") << 0u << 1u;
        QTest::addRow("end of file") << 38u << 2u;
        QTest::addRow("device error") << 1117u << 3u;
        QTest::addRow("timeout") << 1460u << 3u;
    }

    void transferMapsCompletion()
    {
        QFETCH(uint, error);
        QFETCH(uint, status);
        auto file = KV_OpenEndpoint("//./Core1/Route0/Device0", 8, 3);
        KV_RequestBlock block(8192, "test");
        host->readAnswers.push_back({error, {}});
        host->writeErrors.push_back(error);
        QCOMPARE(KV_Transfer(KV_TransferRead, file.get(), block.data(), 4096, 8192), status);
        QCOMPARE(KV_Transfer(KV_TransferWrite, file.get(), block.data(), 4096, 8192), status);
        QCOMPARE(host->transfers.size(), size_t(2));
        QCOMPARE(host->transfers[0].offset, uint64_t(4096));
    }

    void transferWithoutEndpointFails()
    {
        KV_RequestBlock block(1024, "test");
        QCOMPARE(KV_Transfer(KV_TransferRead, nullptr, block.data(), 0, 1024), KV_STS(3));
    }

    void lockIsRecursiveAndExclusive()
    {
        KV_LockCore();
        KV_LockCore(); // the same thread enters again
        std::atomic<bool> entered{false};
        std::thread other([&] {
            KV_CoreLock lock;
            entered = true;
        });
        QTest::qWait(50);
        QVERIFY(!entered);
        KV_UnlockCore();
        QTest::qWait(20);
        QVERIFY(!entered);
        KV_UnlockCore();
        other.join();
        QVERIFY(entered);
    }
};

QTEST_GUILESS_MAIN(TestChannel)
#include "tst_channel.moc"
