// The configuration endpoint's mailbox protocol, endpoint names, faults and
// control commands, through the in-process platform.
#include "emulator_test_support.h"
#include "kv_status.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

using namespace testsupport;
namespace winerr = kv::winerr;

class TestEmulatorMailbox : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<kvemu::InProcessPlatform> platform;

private slots:
    void init()
    {
        emulator = demoEmulator();
        platform = std::make_unique<kvemu::InProcessPlatform>(emulator);
    }

    void openersGetTheirOwnMailboxes()
    {
        ConfigClient a(*platform), b(*platform);
        QVERIFY(a.mailbox > 0 && b.mailbox > 0);
        QVERIFY(a.mailbox != b.mailbox);
        QCOMPARE(a.mailbox % kvemu::MailboxSpacing, 0u);
        QCOMPARE(b.mailbox % kvemu::MailboxSpacing, 0u);
        // Every read of sector 0 hands out one more.
        std::vector<uint8_t> again(1024);
        QCOMPARE(a.file->read(again.data(), 0, 1024), winerr::Success);
        const uint32_t third = le<uint32_t>(again, 0);
        QVERIFY(third != a.mailbox && third != b.mailbox && third > 0);
        QCOMPARE(emulator->mailboxCount(), size_t(3));
    }

    void closingFreesTheMailboxes()
    {
        uint32_t first = 0;
        {
            ConfigClient a(*platform);
            first = a.mailbox;
            QCOMPARE(emulator->sessionCount(), size_t(1));
        }
        QCOMPARE(emulator->sessionCount(), size_t(0));
        QCOMPARE(emulator->mailboxCount(), size_t(0));
        ConfigClient b(*platform);
        QCOMPARE(b.mailbox, first); // the freed sector is handed out again
    }

    void mailboxesPerOpenerAreLimited()
    {
        ConfigClient a(*platform);
        std::vector<uint8_t> block(1024);
        uint32_t error = winerr::Success;
        int handedOut = 1;
        while ((error = a.file->read(block.data(), 0, 1024)) == winerr::Success && handedOut < 100)
            ++handedOut;
        QCOMPARE(handedOut, int(kvemu::MaxMailboxesPerSession));
        QCOMPARE(error, winerr::IoDevice);
    }

    void imageCarriesTheGeneration()
    {
        ConfigClient a(*platform);
        const std::vector<uint8_t> image = a.image();
        QCOMPARE(image.size(), size_t(65536));
        QCOMPARE(le<uint32_t>(image, 0), 1u);
        QCOMPARE(le<uint64_t>(image, 52), emulator->generation());
        QCOMPARE(le<uint32_t>(image, 512), 0x25BCu);
        QCOMPARE(a.lastStatus(), 1u);
    }

    void rescanMakesTheOldImageThePreviousOne()
    {
        ConfigClient a(*platform);
        const uint64_t before = emulator->generation();
        QCOMPARE(a.writeCommand(16, before), winerr::Success);
        QCOMPARE(emulator->generation(), before + 1);
        QCOMPARE(le<uint64_t>(a.image(false), 52), before + 1);
        const std::vector<uint8_t> previous = a.image(true);
        QCOMPARE(le<uint64_t>(previous, 52), before);
        // Previous images have 128-byte physical records.
        QCOMPARE(le<uint32_t>(previous, 512 + 128), 0x25BCu);
        QCOMPARE(le<uint32_t>(previous, 512 + 128 + 36), 0x1200u);
    }

    void commandOutcomes_data()
    {
        QTest::addColumn<uint32_t>("command");
        QTest::addColumn<int>("generationDelta");
        QTest::addColumn<bool>("signedBlock");
        QTest::addColumn<uint32_t>("writeError");
        QTest::addColumn<uint32_t>("status");
        QTest::addRow("rescan") << 16u << 0 << true << winerr::Success << 1u;
        QTest::addRow("rescan, stale generation") << 16u << -1 << true << winerr::IoDevice << 38u;
        QTest::addRow("rescan, future generation") << 16u << 5 << true << winerr::IoDevice << 38u;
        QTest::addRow("command 0") << 0u << 0 << true << winerr::IoDevice << 20u;
        QTest::addRow("command 50") << 50u << 0 << true << winerr::IoDevice << 20u;
        QTest::addRow("not modelled") << 5u << 0 << true << winerr::IoDevice << 30u;
        QTest::addRow("unsigned block") << 16u << 0 << false << winerr::IoDevice << 21u;
    }

    void commandOutcomes()
    {
        QFETCH(uint32_t, command);
        QFETCH(int, generationDelta);
        QFETCH(bool, signedBlock);
        QFETCH(uint32_t, writeError);
        QFETCH(uint32_t, status);
        ConfigClient a(*platform);
        const uint64_t generation = emulator->generation();
        std::vector<uint8_t> block =
            requestBlock(command, a.mailbox, generation + int64_t(generationDelta));
        if (!signedBlock)
            setLe<uint32_t>(block, 24, 0);
        QCOMPARE(a.file->write(block.data(), a.offset(), 1024), writeError);
        QCOMPARE(a.lastStatus(), status);
        QCOMPARE(a.lastStatus(), status); // asking does not change the answer
        QCOMPARE(emulator->generation(), generation + (status == 1 ? 1 : 0));
    }

    void failedReadCommand_data()
    {
        QTest::addColumn<uint32_t>("code");
        QTest::addColumn<uint32_t>("status");
        QTest::addRow("unknown read code") << 0x1234u << 24u;
        QTest::addRow("transform info of no array") << 0x100Cu << 10u;
        QTest::addRow("disk data never asked for") << 0x1014u << 7u;
    }

    void failedReadCommand()
    {
        QFETCH(uint32_t, code);
        QFETCH(uint32_t, status);
        ConfigClient a(*platform);
        std::vector<uint8_t> response;
        // The request is accepted; reading its response fails.
        QCOMPARE(a.readCommand(code, 0, 8192, response), winerr::IoDevice);
        QCOMPARE(a.lastStatus(), status);
    }

    void readCommandsIgnoreTheGeneration()
    {
        ConfigClient a(*platform);
        std::vector<uint8_t> block = requestBlock(1, a.mailbox, 0xDEAD, 8192);
        setLe<uint32_t>(block, 32, 0x1000);
        QCOMPARE(a.file->write(block.data(), a.offset(), 8192), winerr::Success);
        std::vector<uint8_t> image(65536);
        QCOMPARE(a.file->read(image.data(), a.offset(), 65536), winerr::Success);
        QCOMPARE(le<uint64_t>(image, 52), emulator->generation());
    }

    void lastStatusBelongsToItsOpener()
    {
        ConfigClient a(*platform), b(*platform);
        QCOMPARE(a.writeCommand(16, emulator->generation() + 9), winerr::IoDevice);
        QCOMPARE(a.lastStatus(), 38u);
        QCOMPARE(b.lastStatus(), 1u);
    }

    void transfers_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<qulonglong>("offset");
        QTest::addColumn<uint>("count");
        QTest::addColumn<uint32_t>("error");
        const qulonglong end = kvemu::ConfigDeviceBytes;
        QTest::addRow("read at the end") << false << end << 512u << winerr::HandleEof;
        QTest::addRow("read across the end") << false << end - 512 << 1024u << winerr::HandleEof;
        QTest::addRow("read far beyond") << false << end * 4 << 512u << winerr::HandleEof;
        QTest::addRow("read of an unused sector") << false << 512ull * 7 << 512u << winerr::Success;
        QTest::addRow("unaligned read offset")
            << false << 100ull << 512u << winerr::InvalidParameter;
        QTest::addRow("unaligned read length")
            << false << 0ull << 1000u << winerr::InvalidParameter;
        QTest::addRow("write at the end") << true << end << 1024u << winerr::HandleEof;
        QTest::addRow("write to sector 0") << true << 0ull << 1024u << winerr::AccessDenied;
        QTest::addRow("write to an unused sector")
            << true << 512ull * 7 << 1024u << winerr::AccessDenied;
        QTest::addRow("write of a partial sector")
            << true << 512ull * 7 << 100u << winerr::InvalidParameter;
    }

    void transfers()
    {
        QFETCH(bool, write);
        QFETCH(qulonglong, offset);
        QFETCH(uint, count);
        QFETCH(uint32_t, error);
        ConfigClient a(*platform);
        std::vector<uint8_t> buffer = requestBlock(16, a.mailbox, emulator->generation(), 1024);
        buffer.resize(std::max<size_t>(count, 1024));
        const uint32_t result = write ? a.file->write(buffer.data(), offset, count)
                                      : a.file->read(buffer.data(), offset, count);
        QCOMPARE(result, error);
    }

    void anotherOpenersMailboxIsOffLimits()
    {
        ConfigClient a(*platform), b(*platform);
        std::vector<uint8_t> block = requestBlock(16, b.mailbox, emulator->generation());
        QCOMPARE(a.file->write(block.data(), b.offset(), 1024), winerr::AccessDenied);
        QCOMPARE(a.file->read(block.data(), b.offset(), 1024), winerr::AccessDenied);
        QCOMPARE(b.writeCommand(16, emulator->generation()), winerr::Success);
    }

    void responseIsPaddedToTheRequestedLength()
    {
        ConfigClient a(*platform);
        std::vector<uint8_t> response;
        QCOMPARE(a.readCommand(0x1016, 0, 65536, response), winerr::Success);
        QCOMPARE(le<uint32_t>(response, 0), 1u);
        QVERIFY(
            std::all_of(response.begin() + 8192, response.end(), [](uint8_t b) { return b == 0; }));
    }

    void endpointNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint32_t>("disposition");
        QTest::addColumn<uint32_t>("error");
        QTest::addRow("configuration") << "\\\\.\\KVConfig0" << 4u << winerr::Success;
        QTest::addRow("configuration, other case") << "\\\\.\\kvconfig0" << 3u << winerr::Success;
        QTest::addRow("core 2") << "\\\\.\\KVConfig1" << 4u << winerr::FileNotFound;
        QTest::addRow("leading zero") << "\\\\.\\KVConfig00" << 4u << winerr::FileNotFound;
        QTest::addRow("bad disposition") << "\\\\.\\KVConfig0" << 0u << winerr::InvalidParameter;
        QTest::addRow("disk 1 on controller 0") << "\\\\.\\Device1_1" << 3u << winerr::Success;
        QTest::addRow("array 2") << "\\\\.\\Device0_2" << 3u << winerr::Success;
        QTest::addRow("array 9") << "\\\\.\\Device0_9" << 3u << winerr::FileNotFound;
        QTest::addRow("enclosure") << "\\\\.\\Device1_1024" << 3u << winerr::Success;
        QTest::addRow("route overflow") << "\\\\.\\Device65537_1" << 3u << winerr::FileNotFound;
        QTest::addRow("RAID port") << "\\\\.\\Scsi2:" << 3u << winerr::Success;
        QTest::addRow("empty port") << "\\\\.\\Scsi5:" << 3u << winerr::FileNotFound;
        QTest::addRow("drive 0") << "\\\\.\\PhysicalDrive0" << 3u << winerr::Success;
        QTest::addRow("drive 6") << "\\\\.\\physicaldrive6" << 3u << winerr::FileNotFound;
        QTest::addRow("drive 01") << "\\\\.\\physicaldrive01" << 3u << winerr::FileNotFound;
        QTest::addRow("volume C") << "\\\\.\\C:" << 3u << winerr::Success;
        QTest::addRow("volume Z") << "\\\\.\\Z:" << 3u << winerr::FileNotFound;
    }

    void endpointNames()
    {
        QFETCH(QString, name);
        QFETCH(uint32_t, disposition);
        QFETCH(uint32_t, error);
        uint32_t got = 12345;
        auto file = platform->open(name.toStdString(), disposition, 3, 0, &got);
        QCOMPARE(got, error);
        QCOMPARE(file != nullptr, error == winerr::Success);
    }

    void deviceEndpointsCarryNoData()
    {
        auto file = platform->open("\\\\.\\Device1_1", 3, 3, 0);
        QVERIFY(file);
        std::vector<uint8_t> sector(512);
        QCOMPARE(file->read(sector.data(), 0, 512), winerr::NotSupported);
        QCOMPARE(file->write(sector.data(), 0, 512), winerr::NotSupported);
    }

    void injectedFailures()
    {
        ConfigClient a(*platform);
        QVERIFY(emulator->control("fault fail 2").ok);
        QCOMPARE(a.writeCommand(16, emulator->generation()), winerr::IoDevice);
        std::vector<uint8_t> block(1024);
        QCOMPARE(a.file->read(block.data(), 0, 1024), winerr::IoDevice);
        // The opener asks why: the failure, not an earlier success.
        QCOMPARE(a.lastStatus(), uint32_t(KV_STS_FAILURE));
        QCOMPARE(a.writeCommand(16, emulator->generation()), winerr::Success);
    }

    void injectedStaleGeneration()
    {
        ConfigClient a(*platform);
        QVERIFY(emulator->control("fault stale 2").ok);
        const uint64_t generation = emulator->generation();
        QCOMPARE(a.writeCommand(16, generation), winerr::IoDevice);
        QCOMPARE(a.lastStatus(), 38u);
        QVERIFY(!a.image().empty()); // read commands are not affected
        QCOMPARE(a.writeCommand(16, generation), winerr::IoDevice);
        QCOMPARE(a.writeCommand(16, generation), winerr::Success);
        QCOMPARE(emulator->generation(), generation + 1);
    }

    void injectedStalls_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<uint32_t>("error");
        QTest::addColumn<int>("atLeastMs");
        QTest::addRow("timed stall") << "fault stall 60 1" << winerr::Success << 60;
        QTest::addRow("stall until closed") << "fault stall 0 1" << winerr::Timeout << 0;
    }

    void injectedStalls()
    {
        QFETCH(QString, fault);
        QFETCH(uint32_t, error);
        QFETCH(int, atLeastMs);
        ConfigClient a(*platform);
        QVERIFY(emulator->control(fault.toStdString()).ok);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(a.writeCommand(16, emulator->generation()), error);
        QVERIFY(timer.elapsed() >= atLeastMs);
        // Only one transfer stalls.
        timer.restart();
        QCOMPARE(a.writeCommand(16, emulator->generation()), winerr::Success);
        QVERIFY(timer.elapsed() < 50);
    }

    // One pass over a transfer of every kind, in this order: open the
    // configuration endpoint, read a mailbox, write a rescan, open C:, ask
    // its device number, list the loaded drivers. The countdown makes
    // exactly the one it names go wrong.
    void countdown_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("failing"); // the step, -1 none
        QTest::addColumn<uint32_t>("error");
        QTest::addRow("open") << "fault after open 2 fail" << 3 << winerr::IoDevice;
        QTest::addRow("read") << "fault after read 1 fail" << 1 << winerr::IoDevice;
        QTest::addRow("write times out") << "fault after write 1 stall 0" << 2 << winerr::Timeout;
        QTest::addRow("write stalls") << "fault after write 1 stall 20" << -1 << winerr::Success;
        QTest::addRow("query") << "fault after query 1 fail" << 4 << winerr::IoDevice;
        QTest::addRow("host") << "fault after host 1 fail" << 5 << winerr::IoDevice;
        QTest::addRow("any") << "fault after any 3 fail" << 2 << winerr::IoDevice;
        // (Still pending: one transfer to go.)
        QTest::addRow("beyond the pass") << "fault after any 7 fail" << -1 << winerr::IoDevice;
    }
    void countdown()
    {
        QFETCH(QString, fault);
        QFETCH(int, failing);
        QFETCH(uint32_t, error);
        QVERIFY(emulator->control(fault.toStdString()).ok);
        const uint64_t generation = emulator->generation();
        std::vector<uint32_t> errors;
        uint32_t opened = 0;
        auto config = platform->open("\\\\.\\KVConfig0", 3, 3, 0, &opened);
        errors.push_back(opened);
        QVERIFY(config);
        std::vector<uint8_t> block(1024);
        errors.push_back(config->read(block.data(), 0, 1024));
        const uint32_t mailbox = le<uint32_t>(block, 0);
        std::vector<uint8_t> rescan(1024);
        std::memcpy(rescan.data(), "\x10\0\0\0", 4);
        std::memcpy(rescan.data() + 8, &generation, 8);
        rescan[24] = 2;
        rescan[28] = 1;
        // (Without a mailbox and without the volume there is nothing to send.)
        errors.push_back(mailbox == 0
                             ? winerr::Success
                             : config->write(rescan.data(), uint64_t(mailbox) * 512, 1024));
        auto volume = platform->open("\\\\.\\C:", 3, 3, 0, &opened);
        errors.push_back(opened);
        uint8_t number[12] = {};
        uint32_t returned = 0;
        errors.push_back(volume ? volume->deviceIoControl(kv::ioctl::StorageGetDeviceNumber,
                                                          nullptr, 0, number, 12, &returned)
                                : winerr::Success);
        errors.push_back(platform->loadedDrivers().empty() ? winerr::IoDevice : winerr::Success);

        for (int step = 0; step < int(errors.size()); ++step)
            QVERIFY2(errors[step] == (step == failing ? error : uint32_t(winerr::Success)),
                     qPrintable(QStringLiteral("step %1: %2").arg(step).arg(errors[step])));
        // A transfer that went wrong was not carried out; the countdown is spent.
        QCOMPARE(emulator->generation(), generation + (failing == 1 || failing == 2 ? 0 : 1));
        QCOMPARE(emulator->countdownRemaining(),
                 failing == -1 && error == winerr::IoDevice ? 1u : 0u);
    }

    void faultsClear()
    {
        ConfigClient a(*platform);
        QVERIFY(emulator->control("fault fail 5").ok);
        QVERIFY(emulator->control("fault stale 5").ok);
        QVERIFY(emulator->control("fault stall 1000 5").ok);
        QVERIFY(emulator->control("fault clear").ok);
        QCOMPARE(a.writeCommand(16, emulator->generation()), winerr::Success);
    }

    void controlCommands_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("answerContains");
        QTest::addRow("status") << "status" << true << "disks 14\narrays 5\n";
        QTest::addRow("bump") << "bump" << true << "generation 2";
        QTest::addRow("unknown") << "explode" << false << "unknown command";
        QTest::addRow("status with argument") << "status now" << false << "usage: status";
        QTest::addRow("fault without kind") << "fault" << false << "usage: fault";
        QTest::addRow("fault fail, not a number") << "fault fail x" << false << "usage: fault";
        QTest::addRow("fault of unknown kind") << "fault melt 1" << false << "usage: fault";
        QTest::addRow("countdown of unknown kind")
            << "fault after disk 1 fail" << false << "usage: fault";
        QTest::addRow("countdown from 0") << "fault after any 0 fail" << false << "usage: fault";
        QTest::addRow("countdown pending") << "fault pending" << true << "no countdown";
        QTest::addRow("stop without a daemon") << "stop" << false << "nothing to stop";
    }

    void controlCommands()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(QString, answerContains);
        const kvemu::Emulator::ControlReply reply = emulator->control(line.toStdString());
        QCOMPARE(reply.ok, ok);
        QVERIFY2(QString::fromStdString(reply.text).contains(answerContains), reply.text.c_str());
    }

    void stopCallsTheHandler()
    {
        int stops = 0;
        emulator->setStopHandler([&stops] { ++stops; });
        QVERIFY(emulator->control("stop").ok);
        QCOMPARE(stops, 1);
    }

    void manyOpenersAtOnce()
    {
        std::vector<std::thread> threads;
        std::atomic<int> good{0};
        for (int t = 0; t < 8; ++t)
            threads.emplace_back([&] {
                for (int i = 0; i < 20; ++i) {
                    ConfigClient c(*platform);
                    const std::vector<uint8_t> image = c.image();
                    if (c.mailbox != 0 && !image.empty() && le<uint32_t>(image, 512) == 0x25BC &&
                        le<uint32_t>(image, 4) == c.mailbox)
                        ++good;
                    c.writeCommand(16, le<uint64_t>(image, 52));
                }
            });
        for (std::thread &t : threads)
            t.join();
        QCOMPARE(good.load(), 160);
        QCOMPARE(emulator->sessionCount(), size_t(0));
        QCOMPARE(emulator->mailboxCount(), size_t(0));
        QVERIFY(emulator->generation() > 1);
    }
};

QTEST_GUILESS_MAIN(TestEmulatorMailbox)
#include "tst_emulator_mailbox.moc"
