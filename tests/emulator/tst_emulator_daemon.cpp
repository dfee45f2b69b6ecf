// The kvemu daemon end to end: raw wire frames over its socket, restarts
// after SIGKILL, one instance per directory, refusals of unsafe directories
// and damaged state, stalls, malformed frames.
#include "emulator_test_support.h"
#include "emulator_wire.h"
#include "kv_posix_platform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <linux/capability.h>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;
namespace wire = kv::wire;

namespace {

struct Reply {
    wire::ResponseHeader header{};
    std::vector<uint8_t> payload;
};

// One client connection speaking the wire protocol by hand. Every wait is
// bounded, so a daemon that does not answer fails the test instead of
// hanging it.
class RawConnection {
public:
    explicit RawConnection(const QString &dir)
    {
        const std::string path = (dir + "/" + wire::SocketName).toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~RawConnection()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool connected() const { return fd_ >= 0; }

    bool sendRaw(const void *data, size_t length)
    {
        return ::send(fd_, data, length, MSG_NOSIGNAL) == ssize_t(length);
    }

    bool send(wire::Op op, uint64_t offset, uint32_t code, const std::vector<uint8_t> &payload,
              uint32_t outLength)
    {
        const wire::RequestHeader header{wire::RequestMagic,       uint32_t(op), offset, code,
                                         uint32_t(payload.size()), outLength,    0};
        return sendRaw(&header, sizeof header) &&
               (payload.empty() || sendRaw(payload.data(), payload.size()));
    }

    // Waits up to `timeoutMs` for a whole response.
    std::optional<Reply> receive(int timeoutMs = 5000)
    {
        Reply reply;
        if (!receiveBytes(&reply.header, sizeof reply.header, timeoutMs) ||
            reply.header.magic != wire::ResponseMagic)
            return std::nullopt;
        reply.payload.resize(reply.header.length);
        if (reply.header.length > 0 &&
            !receiveBytes(reply.payload.data(), reply.payload.size(), timeoutMs))
            return std::nullopt;
        return reply;
    }

    std::optional<Reply> exchange(wire::Op op, uint64_t offset, uint32_t code,
                                  const std::vector<uint8_t> &payload, uint32_t outLength)
    {
        if (!send(op, offset, code, payload, outLength))
            return std::nullopt;
        return receive();
    }

    std::optional<Reply> exchangeText(wire::Op op, const std::string &text, uint32_t code = 0)
    {
        return exchange(op, 0, code, std::vector<uint8_t>(text.begin(), text.end()),
                        op == wire::Op::Control ? wire::MaxPayload : 0);
    }

    // True when the daemon closed the connection within `timeoutMs`.
    bool closedByPeer(int timeoutMs = 5000)
    {
        pollfd entry{fd_, POLLIN, 0};
        if (::poll(&entry, 1, timeoutMs) <= 0)
            return false;
        char byte;
        return ::recv(fd_, &byte, 1, MSG_DONTWAIT) == 0;
    }

private:
    bool receiveBytes(void *data, size_t length, int timeoutMs)
    {
        auto *bytes = static_cast<uint8_t *>(data);
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (length > 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd entry{fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&entry, 1, int(left.count())) <= 0)
                return false;
            const ssize_t got = ::recv(fd_, bytes, length, 0);
            if (got <= 0)
                return false;
            bytes += got;
            length -= size_t(got);
        }
        return true;
    }

    int fd_ = -1;
};

// The configuration endpoint over a raw connection.
struct RawConfig {
    explicit RawConfig(const QString &dir) : connection(dir)
    {
        const auto opened = connection.exchangeText(wire::Op::Open, ConfigEndpoint, OpenAlways);
        if (!opened || opened->header.error != 0)
            return;
        const auto first = connection.exchange(wire::Op::Read, 0, 0, {}, 1024);
        if (first && first->header.error == 0 && first->payload.size() == 1024)
            mailbox = le<uint32_t>(first->payload, 0);
    }

    std::optional<uint64_t> generation()
    {
        std::vector<uint8_t> block = requestBlock(1, mailbox, 0, 8192);
        setLe<uint32_t>(block, 32, 0x1000);
        const auto written =
            connection.exchange(wire::Op::Write, uint64_t(mailbox) * 512, 0, block, 0);
        if (!written || written->header.error != 0)
            return std::nullopt;
        const auto image =
            connection.exchange(wire::Op::Read, uint64_t(mailbox) * 512, 0, {}, 65536);
        if (!image || image->header.error != 0 || image->payload.size() != 65536)
            return std::nullopt;
        return le<uint64_t>(image->payload, 52);
    }

    RawConnection connection;
    uint32_t mailbox = 0;
};

class Daemon {
public:
    Daemon(const QString &dir, QStringList extra = {})
    {
        process.setProgram(QStringLiteral(KVEMU_BINARY));
        process.setArguments(QStringList{"serve", "--socket-dir", dir} + extra);
        process.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~Daemon()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // Starts and waits for the ready line.
    bool start()
    {
        process.start();
        if (!process.waitForStarted(5000))
            return false;
        while (!said.contains("kvemu: serving ")) {
            if (process.state() == QProcess::NotRunning || !process.waitForReadyRead(5000))
                return false;
            said += process.readAll();
        }
        return true;
    }

    // Runs to completion (for instances that are expected to refuse).
    int runToExit()
    {
        process.start();
        if (!process.waitForFinished(10000))
            return -1;
        said += process.readAll();
        return process.exitCode();
    }

    void signal(int number)
    {
        ::kill(pid_t(process.processId()), number);
        process.waitForFinished(5000);
    }

    QProcess process;
    QByteArray said;
};

} // namespace

class TestEmulatorDaemon : public QObject {
    Q_OBJECT

    QTemporaryDir base;

    QString freshDirectory(const char *name) { return base.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() { QVERIFY(base.isValid()); }

    void servesAndSurvivesSigkill()
    {
        const QString dir = freshDirectory("kill");
        uint64_t generation = 0;
        {
            Daemon daemon(dir);
            QVERIFY2(daemon.start(), daemon.said.constData());
            struct stat info {};
            QCOMPARE(::stat(dir.toLocal8Bit().constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 0777), 0700);

            RawConfig client(dir);
            QVERIFY(client.mailbox > 0);
            const std::optional<uint64_t> first = client.generation();
            QVERIFY(first.has_value());

            RawConnection control(dir);
            const auto bumped = control.exchangeText(wire::Op::Control, "bump");
            QVERIFY(bumped && bumped->header.error == 0);
            QCOMPARE(client.generation(), std::optional<uint64_t>(*first + 1));
            generation = *first + 1;
            daemon.signal(SIGKILL);
        }
        Daemon again(dir);
        QVERIFY2(again.start(), again.said.constData());
        QVERIFY(again.said.contains("loaded"));
        RawConfig client(dir);
        QCOMPARE(client.generation(), std::optional<uint64_t>(generation));
        again.signal(SIGTERM);
        QCOMPARE(again.process.exitCode(), 0);
        QVERIFY(!QFile::exists(dir + "/kvdriver.sock"));
    }

    void secondInstanceIsRefused()
    {
        const QString dir = freshDirectory("twice");
        Daemon first(dir);
        QVERIFY(first.start());
        Daemon second(dir);
        QCOMPARE(second.runToExit(), 4);
        QVERIFY(second.said.contains("already serving"));
        // The first one still serves.
        RawConfig client(dir);
        QVERIFY(client.generation().has_value());
    }

    void unsafeDirectoryIsRefused()
    {
        const QString dir = freshDirectory("open");
        QVERIFY(QDir().mkdir(dir));
        QVERIFY(::chmod(dir.toLocal8Bit().constData(), 0755) == 0);
        Daemon daemon(dir);
        QCOMPARE(daemon.runToExit(), 3);
        QVERIFY(daemon.said.contains("accessible to other users"));
        QVERIFY(!QFile::exists(dir + "/state.kvemu"));
    }

    void damagedStateIsRefusedAndKept()
    {
        const QString dir = freshDirectory("damaged");
        QVERIFY(QDir().mkdir(dir));
        QVERIFY(::chmod(dir.toLocal8Bit().constData(), 0700) == 0);
        QFile file(dir + "/state.kvemu");
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray junk = "kvemu-state\nversion 7\nwhatever\n";
        file.write(junk);
        file.close();
        Daemon daemon(dir);
        QCOMPARE(daemon.runToExit(), 5);
        QVERIFY(daemon.said.contains("version 7 is not supported"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), junk);
    }

    void demoModeKeepsNoState()
    {
        const QString dir = freshDirectory("demo");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        RawConnection control(dir);
        QVERIFY(control.exchangeText(wire::Op::Control, "bump"));
        QVERIFY(!QFile::exists(dir + "/state.kvemu"));
    }

    void malformedFrameClosesOnlyItsConnection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("wrong magic") << 0;
        QTest::addRow("unknown operation") << 1;
        QTest::addRow("oversized payload") << 2;
        QTest::addRow("oversized answer") << 3;
    }

    void malformedFrameClosesOnlyItsConnection()
    {
        QFETCH(int, kind);
        const QString dir = freshDirectory("malformed");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        RawConfig good(dir);
        QVERIFY(good.mailbox > 0);
        RawConnection bad(dir);
        wire::RequestHeader header{wire::RequestMagic, uint32_t(wire::Op::Read), 0, 0, 0, 512, 0};
        if (kind == 0)
            header.magic = 0x12345678;
        if (kind == 1)
            header.op = 99;
        if (kind == 2)
            header.length = wire::MaxPayload + 1;
        if (kind == 3)
            header.outLength = wire::MaxPayload + 1;
        QVERIFY(bad.sendRaw(&header, sizeof header));
        QVERIFY(bad.closedByPeer());
        QVERIFY(good.generation().has_value());
    }

    void framesBeforeOpen()
    {
        const QString dir = freshDirectory("unopened");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        RawConnection c(dir);
        const auto read = c.exchange(wire::Op::Read, 0, 0, {}, 1024);
        QVERIFY(read);
        QCOMPARE(read->header.error, kv::winerr::InvalidHandle);
        QCOMPARE(read->header.length, 0u);
        const auto type = c.exchangeText(wire::Op::DriveType, "R:\\");
        QVERIFY(type);
        QCOMPARE(type->header.value, uint32_t(kv::drivetype::CdRom));
        const auto missing = c.exchangeText(wire::Op::Open, "\\\\.\\KVConfig3", 3);
        QCOMPARE(missing->header.error, kv::winerr::FileNotFound);
        QVERIFY(c.exchangeText(wire::Op::Open, "\\\\.\\physicaldrive1", 3)->header.error == 0);
        // One file per connection.
        QCOMPARE(c.exchangeText(wire::Op::Open, "\\\\.\\C:", 3)->header.error,
                 kv::winerr::InvalidParameter);
        std::vector<uint8_t> address;
        const auto ioctl = c.exchange(wire::Op::Ioctl, 0, kv::ioctl::ScsiGetAddress, {}, 8);
        QVERIFY(ioctl && ioctl->header.error == 0);
        QCOMPARE(ioctl->header.value, 8u);
        QCOMPARE(int(ioctl->payload[4]), 2);
    }

    void stallUntilClosedDoesNotHangTheDaemon()
    {
        const QString dir = freshDirectory("stall");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        {
            RawConnection control(dir);
            QVERIFY(control.exchangeText(wire::Op::Control, "fault stall 0 1")->header.error == 0);
        }
        {
            RawConnection stalled(dir);
            QVERIFY(stalled.exchangeText(wire::Op::Open, ConfigEndpoint, OpenAlways));
            QVERIFY(stalled.send(wire::Op::Read, 0, 0, {}, 1024)); // the mailbox read stalls
            QVERIFY(!stalled.receive(300).has_value());
        }
        // The stalled client is gone; others are served at once.
        RawConfig client(dir);
        QVERIFY(client.mailbox > 0);
        QVERIFY(client.generation().has_value());
        // Once the daemon notices the stalled client left, its session is gone.
        RawConnection control(dir);
        auto sessions = [&control] {
            const auto status = control.exchangeText(wire::Op::Control, "status");
            return status ? std::string(status->payload.begin(), status->payload.end())
                          : std::string();
        };
        QTRY_VERIFY_WITH_TIMEOUT(sessions().find("sessions 1\n") != std::string::npos, 5000);
    }

    void timedStallAnswersLate()
    {
        const QString dir = freshDirectory("slow");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        RawConfig client(dir);
        RawConnection control(dir);
        QVERIFY(control.exchangeText(wire::Op::Control, "fault stall 400 1")->header.error == 0);
        std::vector<uint8_t> block = requestBlock(1, client.mailbox, 0, 8192);
        setLe<uint32_t>(block, 32, 0x1016);
        QVERIFY(
            client.connection.send(wire::Op::Write, uint64_t(client.mailbox) * 512, 0, block, 0));
        QVERIFY(!client.connection.receive(100).has_value());
        const auto late = client.connection.receive(5000);
        QVERIFY(late && late->header.error == 0);
    }

    // The POSIX platform answers the host queries from the daemon's host
    // model as the in-process platform does; without a daemon nothing is
    // registered, loaded or present.
    void hostQueriesOverTheWire()
    {
        const QString dir = freshDirectory("host");
        {
            kv::PosixPlatform absent(dir.toStdString(), std::chrono::milliseconds(500));
            std::string image;
            std::vector<kv::DiskInterface> devices;
            uint32_t vetoType = 0;
            std::string vetoName;
            QVERIFY(absent.loadedDrivers().empty());
            QVERIFY(!absent.registryString("SYSTEM\\CurrentControlSet\\Services\\kvraid",
                                           "ImagePath", &image));
            QVERIFY(absent.diskInterfaces(&devices) != kv::winerr::Success);
            QCOMPARE(absent.requestDeviceEject(0x202, &vetoType, &vetoName), kv::cmresult::Failure);
            QCOMPARE(absent.driveTypes({"C:\\", "R:\\"}),
                     std::vector<int>(2, kv::drivetype::Unknown));
        }
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        kv::PosixPlatform wired(dir.toStdString());
        const auto local = testsupport::demoEmulator();
        kvemu::InProcessPlatform inProcess(local);

        QCOMPARE(wired.loadedDrivers(), inProcess.loadedDrivers());
        RawConnection control(dir);
        // Drive types asked at once answer as one at a time do, and are no
        // host frame: the countdown below still meets the named frame.
        std::vector<std::string> roots{"C:\\", "d:\\", "F:\\", "R:\\", "Q:\\", "C:", ""};
        std::vector<int> oneByOne;
        for (const std::string &root : roots)
            oneByOne.push_back(inProcess.driveType(root));
        QVERIFY(control.exchangeText(wire::Op::Control, "fault after host 2 fail")->header.error ==
                0);
        QCOMPARE(wired.driveTypes(roots), oneByOne);
        // The countdown reaches host frames: exactly the named one fails.
        QVERIFY(!wired.loadedDrivers().empty());
        QVERIFY(wired.loadedDrivers().empty());
        QVERIFY(!wired.loadedDrivers().empty());
        QVERIFY(control.exchangeText(wire::Op::Control, "driver unload kvraid.sys")->header.error ==
                0);
        const auto drivers = wired.loadedDrivers();
        QVERIFY(std::find(drivers.begin(), drivers.end(), "kvraid.sys") == drivers.end());
        QVERIFY(std::find(drivers.begin(), drivers.end(), "kvcfg.sys") != drivers.end());

        std::string image;
        QVERIFY(wired.registryString("SYSTEM\\CurrentControlSet\\Services\\kvcfg", "ImagePath",
                                     &image));
        QCOMPARE(image, std::string("System32\\drivers\\kvcfg.sys"));
        const std::string pattern = "C:\\Windows\\System32\\drivers\\*";
        const auto files = wired.findFiles(pattern);
        QCOMPARE(files.size(), size_t(3));
        QVERIFY(files == inProcess.findFiles(pattern));

        std::vector<kv::DiskInterface> devices, expected;
        QCOMPARE(wired.diskInterfaces(&devices), kv::winerr::Success);
        QCOMPARE(inProcess.diskInterfaces(&expected), kv::winerr::Success);
        QCOMPARE(devices.size(), expected.size());
        QCOMPARE(devices[1].path, expected[1].path);
        QVERIFY(wired.open(devices[1].path, 3, 3, 0) != nullptr);

        uint32_t vetoType = 0;
        std::string vetoName;
        QVERIFY(control.exchangeText(wire::Op::Control, "fault veto 1")->header.error == 0);
        QCOMPARE(wired.requestDeviceEject(devices[1].deviceInstance, &vetoType, &vetoName),
                 kv::cmresult::RemoveVetoed);
        QCOMPARE(vetoType, kv::vetotype::OutstandingOpen);
        QVERIFY(vetoName.starts_with("SCSI\\Disk&Ven_OXV-RAID&Prod_Array_2\\"));
        QCOMPARE(wired.requestDeviceEject(devices[1].deviceInstance, &vetoType, &vetoName),
                 kv::cmresult::Success);
        QCOMPARE(wired.requestDeviceEject(0x999, &vetoType, &vetoName),
                 kv::cmresult::NoSuchDevinst);
    }

    // Who is served and who may destroy, by user numbers: the daemon's (or
    // the client's) own user and root are trusted, and they alone are
    // elevated.
    void trustRules_data()
    {
        QTest::addColumn<uint32_t>("peer");
        QTest::addColumn<uint32_t>("own");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<bool>("elevated");
        QTest::addRow("same user") << 1000u << 1000u << true << true;
        QTest::addRow("root to a user") << 0u << 1000u << true << true;
        QTest::addRow("another user") << 1001u << 1000u << false << false;
        QTest::addRow("a user to root") << 1000u << 0u << false << false;
        QTest::addRow("root to root") << 0u << 0u << true << true;
    }
    void trustRules()
    {
        QFETCH(uint32_t, peer);
        QFETCH(uint32_t, own);
        QFETCH(bool, trusted);
        QFETCH(bool, elevated);
        QCOMPARE(wire::peerIsTrusted(peer, own), trusted);
        QCOMPARE(wire::isElevated(peer, own), elevated);
    }

    // The client talks only through a directory of its own user, closed to
    // everyone else; elevation needs an answering daemon of this user.
    void clientChecksTheDirectory()
    {
        const QString dir = freshDirectory("client");
        kv::PosixPlatform platform(dir.toStdString(), std::chrono::milliseconds(2000));
        QCOMPARE(platform.processIsElevated(), ::geteuid() == 0);
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        QVERIFY(platform.processIsElevated());
        QVERIFY(platform.open(ConfigEndpoint, OpenAlways, 3, 0) != nullptr);
        QVERIFY(::chmod(dir.toLocal8Bit().constData(), 0711) == 0);
        uint32_t error = 0;
        QVERIFY(platform.open(ConfigEndpoint, OpenAlways, 3, 0, &error) == nullptr);
        QCOMPARE(error, kv::winerr::AccessDenied);
        QVERIFY(::chmod(dir.toLocal8Bit().constData(), 0700) == 0);
        QVERIFY(platform.open(ConfigEndpoint, OpenAlways, 3, 0) != nullptr);
    }

    // A socket served by another user, in a directory of this user's own
    // (as a planted socket would be): the client does not talk to it. Only
    // root can play the other user.
    void clientRefusesAnotherUsersDaemon()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to serve a socket as another user");
        const QString dir = freshDirectory("planted");
        QVERIFY(::mkdir(dir.toLocal8Bit().constData(), 0700) == 0);
        const std::string path = (dir + "/" + wire::SocketName).toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Bound as root, listening (whose credentials the peer sees) as
            // another user.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
                ::setresuid(65534, 65534, 65534) != 0 || ::listen(fd, 4) != 0)
                ::_exit(1);
            for (;;)
                ::accept(fd, nullptr, nullptr);
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(path)), 5000);
        kv::PosixPlatform platform(dir.toStdString(), std::chrono::milliseconds(2000));
        uint32_t error = 0;
        const bool opened = platform.open(ConfigEndpoint, OpenAlways, 3, 0, &error) != nullptr;
        const bool elevated = platform.processIsElevated();
        QProcess ctl;
        ctl.start(QStringLiteral(KVEMU_BINARY), {"ctl", "--socket-dir", dir, "status"});
        ctl.waitForFinished(10000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        QVERIFY(!opened);
        QCOMPARE(error, kv::winerr::AccessDenied);
        QVERIFY(elevated); // root is elevated whoever serves
        QCOMPARE(ctl.exitCode(), 3);
    }

    // A daemon serving another user answers this user once, with the
    // reason, and serves nothing. Only root can play both users (the
    // stranger keeps the right to reach the daemon's private socket).
    void daemonRefusesAnotherUser()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to run the daemon and a client as two other users");
        constexpr uid_t DaemonUser = 65534, Stranger = 65533;
        QTemporaryDir open;
        QVERIFY(::chmod(open.path().toLocal8Bit().constData(), 0711) == 0);
        const QString dir = open.filePath("served");
        QVERIFY(::mkdir(dir.toLocal8Bit().constData(), 0700) == 0);
        QVERIFY(::chown(dir.toLocal8Bit().constData(), DaemonUser, DaemonUser) == 0);
        Daemon daemon(dir, {"--demo"});
        daemon.process.setChildProcessModifier([] {
            [[maybe_unused]] const int ignored = ::setresuid(DaemonUser, DaemonUser, DaemonUser);
        });
        QVERIFY2(daemon.start(), daemon.said.constData());

        const std::string path = (dir + "/" + wire::SocketName).toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const std::string command = "status";
        const wire::RequestHeader request{wire::RequestMagic,
                                          uint32_t(wire::Op::Control),
                                          0,
                                          0,
                                          uint32_t(command.size()),
                                          4096,
                                          0};
        int answer[2];
        QVERIFY(::pipe(answer) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct caps[2]{};
            caps[0].effective = caps[0].permitted = 1u << CAP_DAC_OVERRIDE;
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::prctl(PR_SET_KEEPCAPS, 1) != 0 ||
                ::setresuid(Stranger, Stranger, Stranger) != 0 ||
                ::syscall(SYS_capset, &header, caps) != 0 ||
                ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
                ::write(fd, &request, sizeof request) != ssize_t(sizeof request) ||
                ::write(fd, command.data(), command.size()) != ssize_t(command.size()))
                ::_exit(1);
            char buffer[4096];
            ssize_t got;
            while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
                if (::write(answer[1], buffer, size_t(got)) != got)
                    ::_exit(1);
            ::_exit(0);
        }
        ::close(answer[1]);
        QByteArray reply;
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(answer[0], buffer, sizeof buffer)) > 0)
            reply.append(buffer, got);
        ::close(answer[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(reply.size() >= int(sizeof(wire::ResponseHeader)));
        wire::ResponseHeader response{};
        std::memcpy(&response, reply.constData(), sizeof response);
        QCOMPARE(response.error, kv::winerr::AccessDenied);
        QVERIFY2(reply.contains("serves user 65534 and root only; user 65533 is refused"),
                 reply.constData());
        QVERIFY(!reply.contains("generation"));
    }

    // Two daemons never share one state file, however it is spelled.
    void stateFileIsClaimed_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::addRow("same path") << "shared.kvemu";
        QTest::addRow("another spelling") << "./shared.kvemu";
    }
    void stateFileIsClaimed()
    {
        QFETCH(QString, spelling);
        QTemporaryDir states;
        Daemon first(freshDirectory("claimA"), {"--state", states.filePath("shared.kvemu")});
        QVERIFY2(first.start(), first.said.constData());
        Daemon second(freshDirectory("claimB"), {"--state", states.path() + "/" + spelling});
        QCOMPARE(second.runToExit(), 4);
        QVERIFY2(second.said.contains("already using the state file"), second.said.constData());
        RawConfig client(freshDirectory("claimA"));
        QVERIFY(client.generation().has_value());
        first.signal(SIGTERM);
        // Once the first is gone the file is free again.
        Daemon third(freshDirectory("claimB"), {"--state", states.path() + "/" + spelling});
        QVERIFY2(third.start(), third.said.constData());
    }

    // One user holds at most half of the connections; beyond that a client
    // is told why. Idle connections are closed, which frees their places.
    void connectionsAreSharedAndTimeOut()
    {
        const QString dir = freshDirectory("share");
        Daemon daemon(dir, {"--demo", "--max-connections", "4", "--idle-timeout", "3000"});
        QVERIFY(daemon.start());
        RawConfig first(dir), second(dir);
        QVERIFY(first.mailbox > 0 && second.mailbox > 0);
        RawConnection third(dir);
        const auto refused = third.exchangeText(wire::Op::Control, "status");
        QVERIFY(refused);
        QCOMPARE(refused->header.error, kv::winerr::NotReady);
        QVERIFY(std::string(refused->payload.begin(), refused->payload.end())
                    .find("already holds 2 connections") != std::string::npos);
        QVERIFY(first.connection.closedByPeer(10000));
        QVERIFY(second.connection.closedByPeer(10000));
        RawConfig again(dir);
        QVERIFY(again.generation().has_value());
    }

    void ctlAndStop()
    {
        const QString dir = freshDirectory("ctl");
        Daemon daemon(dir, {"--demo"});
        QVERIFY(daemon.start());
        auto ctl = [&dir](const QStringList &words, QByteArray *out = nullptr) {
            QProcess p;
            p.start(QStringLiteral(KVEMU_BINARY), QStringList{"ctl", "--socket-dir", dir} + words);
            p.waitForFinished(10000);
            if (out != nullptr)
                *out = p.readAllStandardOutput() + p.readAllStandardError();
            return p.exitCode();
        };
        QByteArray out;
        QCOMPARE(ctl({"status"}, &out), 0);
        QVERIFY(out.contains("generation 1\n"));
        QCOMPARE(ctl({"fault", "fail"}, &out), 7);
        QVERIFY(out.contains("usage: fault"));
        QCOMPARE(ctl({"stop"}, &out), 0);
        QVERIFY(out.contains("stopping"));
        QVERIFY(daemon.process.waitForFinished(5000));
        QCOMPARE(daemon.process.exitCode(), 0);
        QCOMPARE(ctl({"status"}), 6); // nobody answers any more
    }

    // Socket activation: the service manager listens and hands the socket
    // over at the first connection. The daemon serves it, and leaves it
    // listening when it stops, for the next start.
    void handedOverSocketIsServedAndKept()
    {
        const QString dir = freshDirectory("activated");
        QVERIFY(QDir().mkdir(dir));
        QVERIFY(::chmod(dir.toLocal8Bit().constData(), 0700) == 0);
        const std::string path = (dir + "/" + wire::SocketName).toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(listener >= 0);
        const auto closeListener = qScopeGuard([listener] { ::close(listener); });
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
        QVERIFY(::listen(listener, 8) == 0);

        for (int start = 0; start < 2; ++start) {
            Daemon daemon(dir, {"--demo"});
            // As the service manager starts it: the socket as descriptor 3,
            // and LISTEN_PID naming the daemon's own process.
            daemon.process.setProgram(QStringLiteral("/bin/sh"));
            daemon.process.setArguments(
                {"-c",
                 "export LISTEN_PID=$$ LISTEN_FDS=1; exec \"$0\" serve --socket-dir "
                 "\"$1\" --demo",
                 QStringLiteral(KVEMU_BINARY), dir});
            daemon.process.setChildProcessModifier([listener] { ::dup2(listener, 3); });
            QVERIFY2(daemon.start(), daemon.said.constData());
            RawConfig client(dir);
            QVERIFY(client.generation().has_value());
            RawConnection control(dir);
            QVERIFY(control.exchangeText(wire::Op::Control, "stop"));
            QVERIFY(daemon.process.waitForFinished(5000));
            QCOMPARE(daemon.process.exitCode(), 0);
            QVERIFY(QFile::exists(dir + "/kvdriver.sock"));
        }
    }
};

QTEST_GUILESS_MAIN(TestEmulatorDaemon)
#include "tst_emulator_daemon.moc"
