// The snapshot parser: its line rules over hand-written dump text, and the
// round trip model -> image -> compact dump -> tables against the emulator.
#include "config_image.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_channel.h"
#include "kv_inprocess_platform.h"
#include "kv_snapshot.h"
#include "kv_words.h"

#include <QTest>

#include <memory>

namespace {

// Lines as the dump writes them, with the values the cases vary.
const QByteArray Core = "CO: 1 GE: 5 NM: //./Core1/Route0/Device0 BN: KV-5.2 \n";
const QByteArray Controller =
    "CD: 01 CN: KVC-SATA   CSN: 0x0000000000abcdef BB: 2.1.0 MX: 0x0000000000000010 "
    "NP: 04 VI: 0x1022 DI: 0x0001 SVI: 0x0002 SDI: 0x0003 ID: 0x0000000000000022 "
    "OVI: 0x0004 ODI: 0x0005 LOC: 0x00000000 \n";
const QByteArray CorePd =
    "PD: 00 TY: Core ST: Online ID: 0x0000000000000100 NM: //./Core1/Route0/Device0  \n";

QByteArray disk(int number, const QByteArray &type = "Disk", const QByteArray &model = "^A B^",
                const QByteArray &spare = "Y")
{
    return "PD: " + QByteArray::number(number) + " TY: " + type +
           " ST: Online ID: 0x0000000000000101 NM: //./Core1/Route1/Device1  CD: 00 CH: 02 "
           "RT: 01 HD: 01 FE: 0x0000000f GS: " +
           spare +
           " SI: 0x000000003a386030 LS: 0x0000000000000010 TS: 0x0000000000000020 MO: " + model +
           " SN: ^SN 42^ FW: FW1 PT: 0x80000100 VI: ^ACME^ \n";
}

QByteArray array(int number, int route, const QByteArray &type = "RAID1",
                 const QByteArray &tail = "CTS: 64 ")
{
    return "LD: " + QByteArray::number(number) +
           " ST: NORMAL ID: 0x0000000000000201 NM: //./Core1/Route0/Device12 OSN: NONE RT: 0 HD: " +
           QByteArray::number(route) + " SI: 0x0000000000001000 1ST: 1 2ND: 2 CA: RW " + tail +
           "TY: " + type +
           " GE: 0x00000007 TPST: 0x0000000000000000 TPSI: 0 TPC: 12.3450 TP: 2 TTY: CREATE "
           "TST: STARTED DS: 0 PRE: 00 AT: 0x0200 RC: 1 CF: 0x0000000000000000 "
           "CT: 0x0000000000000000 DP: ^Data & Logs^  \n";
}

QByteArray member(int number, const QByteArray &error = "ER: NoError ")
{
    return " LE: " + QByteArray::number(number) +
           " RT: 1 HD: 3 ID: 0x0000000000000103 SO: 0x0000000000000800 SS: 0x0000000000001000 "
           "DO: 0x0000000000000000 DS: 0x0000000000000f00 " +
           error + "\n";
}

const QByteArray Enclosure = "SEP: 0 ID: 0x0000000000000401 NM: //./Core1/Route1/Device1024 "
                             "VID: ^ACME^ PID: ^Encl 8^ REV: NONE SN: ^E1^ \n";

// A field of the tables by a short name, as text, for the data table.
QByteArray field(const KV_SnapshotTables &t, const QByteArray &name)
{
    const KV_ArrayConfig &a0 = t.arrays[0].config[0];
    if (name == "counts")
        return QByteArray::number(t.controllerCount) + "/" + QByteArray::number(t.diskCount) + "/" +
               QByteArray::number(t.arrayCount) + "/" + QByteArray::number(t.enclosureCount);
    if (name == "controller.coreBuild")
        return t.controllers[0].coreBuild;
    if (name == "controller")
        return QByteArray(t.controllers[0].name) + "|" + t.controllers[0].biosBuild + "|" +
               QByteArray::number(t.controllers[0].serialNumber) + "|" +
               QByteArray::number(t.controllers[0].pciSubDeviceId) + "|" +
               QByteArray::number(t.controllers[0].OrigPciDeviceID);
    if (name == "controller.location")
        return QByteArray::number(t.controllers[0].pciBus) + "|" +
               QByteArray::number(t.controllers[0].pciSlot) + "|" +
               QByteArray::number(t.controllers[0].pciFunction);
    if (name == "disk1.model")
        return t.disks[1].model;
    if (name == "disk1")
        return QByteArray(t.disks[1].type) + "|" + QByteArray::number(t.disks[1].globalSpare) +
               "|" + QByteArray::number(t.disks[1].capacity) + "|" + t.disks[1].vendor + "|" +
               QByteArray::number(t.disks[1].portType);
    if (name == "disk303.type")
        return t.disks[303].type;
    if (name == "array.halves")
        return QByteArray::number(t.arrays[0].halves) + "|" + t.arrays[0].config[1].type;
    if (name == "array")
        return QByteArray(a0.type) + "|" + a0.deviceName + "|" +
               QByteArray::number(a0.percentComplete) + "|" +
               QByteArray::number(a0.referenceCount) + "|" + a0.osDiskName + "|" + a0.cache;
    if (name == "members")
        return QByteArray::number(a0.members[0].dataSize) + "|" + a0.members[0].error + "|" +
               a0.members[1].error + "|" + a0.members[31].error + "|" +
               QByteArray::number(t.arrays[0].config[1].members[0].offset);
    if (name == "links") {
        QByteArray text;
        for (int i = 0; i < a0.linkCount; ++i)
            text += QByteArray::number(a0.links[i].kind) + ":" +
                    QByteArray::number(a0.links[i].deviceRoute) + ":" +
                    QByteArray::number(a0.links[i].id) + " ";
        return text;
    }
    if (name == "enclosure")
        return QByteArray::number(t.enclosures[0].id) + "|" + t.enclosures[0].product + "|" +
               t.enclosures[0].revision + "|" + t.enclosures[75].serialNumber;
    return "no such field";
}

QByteArray repeated(const QByteArray &line, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

// The word the dump writes for a text of the model: carets become
// underscores, an empty text reads NONE, and the field keeps what fits.
QByteArray stored(const std::string &text, size_t width)
{
    QByteArray word = text.empty() ? QByteArray("NONE") : QByteArray::fromStdString(text);
    word.replace('^', '_');
    return word.left(int(width - 1));
}

QByteArray path(int coreRoute, int deviceRoute)
{
    return "//./Core1/Route" + QByteArray::number(coreRoute) + "/Device" +
           QByteArray::number(deviceRoute);
}

// The demo configuration grown to the tables' limits where one image allows:
// 19 controllers, 76 enclosures, a 32-member array with 32 spare and parent
// entries in all, and disks until the 64 KiB image is full.
kvemu::Model largestModel()
{
    kvemu::Model model = kvemu::demoModel();
    while (model.controllers.size() < 19) {
        kvemu::Controller c = model.controllers.back();
        c.number = uint32_t(model.controllers.size());
        c.id += 0x100;
        c.name = "Ctl " + std::to_string(c.number) + " with a long name";
        model.controllers.push_back(c);
    }
    const kvemu::Enclosure enclosure = model.enclosures.back();
    model.enclosures.clear();
    for (uint16_t n = 0; n < 76; ++n) {
        kvemu::Enclosure e = enclosure;
        e.id = 0x4F58564500001000ULL + n;
        e.deviceRoute = uint16_t(kvemu::FirstEnclosureRoute + n);
        e.controller = n % 19u;
        model.enclosures.push_back(e);
    }
    const kvemu::PhysicalDisk pattern = model.disks.front();
    kvemu::LogicalDevice wide = model.arrays.front();
    wide.id = 0x4B56A000000000FFULL;
    wide.deviceRoute = 200;
    wide.name = "Wide";
    wide.firstCount = 32;
    wide.secondCount = 1;
    wide.elements.clear();
    wide.spares.clear();
    wide.parents.clear();
    std::vector<uint8_t> image(kvemu::image::ImageSize);
    for (uint16_t n = 0;; ++n) {
        kvemu::PhysicalDisk d = pattern;
        d.id = 0x5000C50000000000ULL + n;
        d.deviceRoute = uint16_t(100 + n);
        d.controller = n % 10u; // the record holds one digit
        d.channel = n % 10u;
        d.serial = "ZL2F" + std::to_string(100000 + n);
        d.model = n % 2 ? "" : "Model ^ filling all forty bytes of field";
        if (n < 32)
            wide.elements.push_back({d.id, 0, 0, 0x1000, 0, 0x1000, n % 3 ? 0u : 0x30u});
        else if (n < 64 - model.arrays.size()) // spares, and the demo's arrays as parents
            wide.spares.push_back(d.id);
        model.disks.push_back(d);
        if (n == 64) {
            model.arrays.push_back(wide);
            for (auto &a : model.arrays)
                if (a.id != wide.id)
                    wide.parents.push_back(a.id);
            model.arrays.back() = wide;
        }
        if (n >= 64 && !kvemu::image::build(model, false, image.data())) {
            model.disks.pop_back();
            return model;
        }
    }
}

} // namespace

class TestSnapshot : public QObject {
    Q_OBJECT

    std::unique_ptr<KV_SnapshotTables> tables = std::make_unique<KV_SnapshotTables>();

    // Compares every field of the tables with the model they were dumped from.
    void compareWithModel(const kvemu::Model &model, bool lookup)
    {
        const KV_SnapshotTables &t = *tables;
        QCOMPARE(t.controllerCount, int(model.controllers.size()));
        for (size_t i = 0; i < model.controllers.size(); ++i) {
            const kvemu::Controller &m = model.controllers[i];
            const KV_ControllerRec &c = t.controllers[i];
            QCOMPARE(c.number, int(m.number));
            QCOMPARE(QByteArray(c.coreBuild), stored(model.core.buildText, sizeof c.coreBuild));
            QCOMPARE(QByteArray(c.name), stored(m.name, sizeof c.name));
            QCOMPARE(QByteArray(c.biosBuild), stored(m.biosBuild, sizeof c.biosBuild));
            QCOMPARE(c.maxArraySize, m.maxArraySize);
            QCOMPARE(c.serialNumber, m.serial);
            QCOMPARE(c.numberOfPorts, int(m.ports));
            QCOMPARE(c.pciVendorId, m.pciVendor);
            QCOMPARE(c.pciDeviceId, m.pciDevice);
            QCOMPARE(c.pciSubVendorId, m.pciSubVendor);
            QCOMPARE(c.pciSubDeviceId, m.pciSubDevice);
            QCOMPARE(c.id, m.secondId);
            QCOMPARE(c.pciBus, int(m.pciLocation >> 16));
            QCOMPARE(c.pciSlot, int((m.pciLocation >> 8) & 0xFF));
            QCOMPARE(c.pciFunction, int(m.pciLocation & 0xFF));
            QCOMPARE(c.OrigPciVendorID, m.origPciVendor);
            QCOMPARE(c.OrigPciDeviceID, m.origPciDevice);
        }

        QCOMPARE(t.diskCount, int(model.disks.size()) + 1);
        QCOMPARE(QByteArray(t.disks[0].type), QByteArray("Core"));
        QCOMPARE(t.disks[0].id, model.core.id);
        QCOMPARE(QByteArray(t.disks[0].path), path(0, 0));
        for (size_t i = 0; i < model.disks.size(); ++i) {
            const kvemu::PhysicalDisk &m = model.disks[i];
            const KV_DiskRec &d = t.disks[i + 1];
            const kvemu::FreeSpace free = model.freeSpace(m);
            QCOMPARE(QByteArray(d.type), QByteArray(KV_PhysicalTypeWord(m.type)));
            QCOMPARE(QByteArray(d.state), QByteArray(KV_PhysicalStateWord(m.state)));
            QCOMPARE(QByteArray(d.path), path(m.coreRoute(), m.deviceRoute));
            QCOMPARE(d.coreRoute, int(m.coreRoute()));
            QCOMPARE(d.deviceRoute, int(m.deviceRoute));
            QCOMPARE(d.id, m.id);
            QCOMPARE(d.capacity, m.capacity);
            QCOMPARE(d.globalSpare, m.globalSpare ? 1 : 0);
            QCOMPARE(d.features, m.features);
            QCOMPARE(d.largestFree, free.largest);
            QCOMPARE(d.totalFree, free.total);
            QCOMPARE(QByteArray(d.serialNumber), stored(m.serial, sizeof d.serialNumber));
            QCOMPARE(QByteArray(d.model), stored(m.model, sizeof d.model));
            QCOMPARE(QByteArray(d.firmware), stored(m.firmware, sizeof d.firmware));
            QCOMPARE(d.portType, m.portType);
            QCOMPARE(d.controller, int(m.controller));
            QCOMPARE(d.channel, int(m.channel));
            QCOMPARE(QByteArray(d.vendor), stored(m.vendor, sizeof d.vendor));
        }

        QCOMPARE(t.arrayCount, int(model.arrays.size()));
        const auto osDisks = model.osDisks();
        for (size_t i = 0; i < model.arrays.size(); ++i) {
            const kvemu::LogicalDevice &m = model.arrays[i];
            QCOMPARE(t.arrays[i].halves, 1);
            const KV_ArrayConfig &a = t.arrays[i].config[0];
            QByteArray osDisk = "NONE";
            for (const auto &os : osDisks)
                if (lookup && os.array == &m)
                    osDisk = QByteArray::number(os.driveNumber);
            QCOMPARE(QByteArray(a.path), path(0, m.deviceRoute));
            QCOMPARE(a.coreRoute, 0);
            QCOMPARE(a.deviceRoute, int(m.deviceRoute));
            QCOMPARE(a.id, m.id);
            QCOMPARE(a.capacity, m.capacity);
            QCOMPARE(a.firstCount, int(m.firstCount));
            QCOMPARE(a.secondCount, int(m.secondCount));
            QCOMPARE(QByteArray(a.cache), QByteArray(KV_CacheWord(m.cacheAttribute)));
            QCOMPARE(a.cacheTagSize, int(kvemu::rec::cacheTagCode(m.cacheTagSize)));
            QCOMPARE(QByteArray(a.state),
                     QByteArray(KV_LogicalStateWord(m.state, m.transformType)));
            QCOMPARE(QByteArray(a.type),
                     QByteArray(KV_ArrayTypeWord(m.typeCode, m.firstCount, m.secondCount)));
            QCOMPARE(a.generation, m.generation);
            QCOMPARE(a.transformProtectStart, m.transformProtectStart);
            QCOMPARE(a.transformProtectSize, int(m.transformProtectSize));
            QCOMPARE(a.percentComplete, float(m.transformProgress / 1000.0));
            QCOMPARE(QByteArray(a.transformType),
                     QByteArray(KV_TransformTypeWord(m.transformType)));
            QCOMPARE(QByteArray(a.transformState),
                     QByteArray(KV_TransformStateWord(m.transformState)));
            QCOMPARE(a.distributedSpareCount, int(m.distributedSpares));
            QCOMPARE(a.preferredElement, int(m.preferredElement));
            QCOMPARE(a.taskPriority, int(m.taskPriority));
            QCOMPARE(a.attributes, uint32_t(m.attributes));
            QCOMPARE(QByteArray(a.deviceName), stored(m.name, sizeof a.deviceName));
            QCOMPARE(a.referenceCount, int(m.referenceCount));
            QCOMPARE(a.copyFromId, m.copyFrom);
            QCOMPARE(a.copyToId, m.copyTo);
            QCOMPARE(QByteArray(a.osDiskName), osDisk);
            QVERIFY(m.elements.size() <= size_t(KV_SnapshotMaxMembers));
            for (size_t e = 0; e < m.elements.size(); ++e) {
                const kvemu::Element &me = m.elements[e];
                const KV_MemberRec &r = a.members[e];
                const kvemu::PhysicalDisk *owner = model.findDisk(me.diskId);
                QCOMPARE(r.coreRoute, owner ? int(owner->coreRoute()) : 0);
                QCOMPARE(r.deviceRoute, owner ? int(owner->deviceRoute) : 0);
                QCOMPARE(r.id, me.diskId);
                QCOMPARE(r.offset, me.start);
                QCOMPARE(r.size, me.size);
                QCOMPARE(r.dataOffset, me.dataOffset);
                QCOMPARE(r.dataSize, me.dataSize);
                QCOMPARE(QByteArray(r.error), QByteArray(KV_ElementErrorWord(me.errorFlags)));
            }
            // The dump lists the spares, then the parents.
            QCOMPARE(a.linkCount, int(m.spares.size() + m.parents.size()));
            for (int l = 0; l < a.linkCount; ++l) {
                const bool spare = size_t(l) < m.spares.size();
                const uint64_t id = spare ? m.spares[l] : m.parents[l - m.spares.size()];
                const KV_ReferenceRec &r = a.links[l];
                QCOMPARE(r.kind, spare ? KV_ReferenceSpare : KV_ReferenceParent);
                QCOMPARE(r.id, id);
                if (spare) {
                    QCOMPARE(r.coreRoute, int(model.findDisk(id)->coreRoute()));
                    QCOMPARE(r.deviceRoute, int(model.findDisk(id)->deviceRoute));
                } else {
                    QCOMPARE(r.coreRoute, 0);
                    QCOMPARE(r.deviceRoute, int(model.findArray(id)->deviceRoute));
                }
            }
        }

        QCOMPARE(t.enclosureCount, int(model.enclosures.size()));
        for (size_t i = 0; i < model.enclosures.size(); ++i) {
            const kvemu::Enclosure &m = model.enclosures[i];
            const KV_EnclosureRec &e = t.enclosures[i];
            QCOMPARE(e.id, m.id);
            QCOMPARE(QByteArray(e.path), path(m.coreRoute(), m.deviceRoute));
            QCOMPARE(QByteArray(e.vendor), stored(m.vendor, sizeof e.vendor));
            QCOMPARE(QByteArray(e.product), stored(m.product, sizeof e.product));
            QCOMPARE(QByteArray(e.revision), stored(m.revision, sizeof e.revision));
            QCOMPARE(QByteArray(e.serialNumber), stored(m.serial, sizeof e.serialNumber));
        }
    }

private slots:
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void lineRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray head = "BufferSize: 1450    \n" + Core + Controller + CorePd;
        QTest::addRow("whole dump") << head + disk(1) + array(0, 12) + member(0) + Enclosure << 1
                                    << QByteArray("counts") << QByteArray("1/2/1/1");
        QTest::addRow("controller fields")
            << head << 1 << QByteArray("controller") << QByteArray("KVC-SATA|2.1.0|11259375|3|5");
        QTest::addRow("core build kept for the controller")
            << head << 1 << QByteArray("controller.coreBuild") << QByteArray("KV-5.2");
        QTest::addRow("controller location")
            << Core + QByteArray(Controller).replace("LOC: 0x00000000", "LOC: 0x00031d07") << 1
            << QByteArray("controller.location") << QByteArray("3|29|7");
        QTest::addRow("controller line of a core without location")
            << Core + QByteArray(Controller).replace("LOC: 0x00000000 ", "") << 1
            << QByteArray("controller.location") << QByteArray("-1|-1|-1");
        QTest::addRow("generation past 2^31 as the dump writes it")
            << QByteArray(Core).replace("GE: 5", "GE: -2147483643") + CorePd << 1
            << QByteArray("counts") << QByteArray("0/1/0/0");
        QTest::addRow("number with trailing garbage")
            << QByteArray(array(0, 12)).replace("HD: 12", "HD: 12abc") << 0 << QByteArray("counts")
            << QByteArray("0/0/0/0");
        QTest::addRow("core line without BN")
            << QByteArray("CO: 1 GE: 5 NM: //./Core1/Route0/Device0\n") << 0 << QByteArray("counts")
            << QByteArray("0/0/0/0");
        QTest::addRow("controller keys out of order")
            << Core + QByteArray(Controller).replace("BB: 2.1.0 MX:", "MX:") << 0
            << QByteArray("counts") << QByteArray("0/0/0/0");
        QTest::addRow("20 controllers") << Core + repeated(Controller, 20) << 0
                                        << QByteArray("counts") << QByteArray("19/0/0/0");
        QTest::addRow("Core pseudo-device ends after NM")
            << CorePd << 1 << QByteArray("counts") << QByteArray("0/1/0/0");
        QTest::addRow("framed model with spaces")
            << disk(1, "Disk", "^Samsung SSD 870^") << 1 << QByteArray("disk1.model")
            << QByteArray("Samsung SSD 870");
        QTest::addRow("empty framed model")
            << disk(1, "Disk", "^^") << 1 << QByteArray("disk1.model") << QByteArray("");
        QTest::addRow("model cut to its field")
            << disk(1, "Disk", "^" + QByteArray(100, 'M') + "^") << 1 << QByteArray("disk1.model")
            << QByteArray(63, 'M');
        QTest::addRow("disk fields") << disk(1) << 1 << QByteArray("disk1")
                                     << QByteArray("Disk|1|976773168|ACME|2147483904");
        QTest::addRow("type word not accepted")
            << disk(1, "Floppy") << 1 << QByteArray("counts") << QByteArray("0/0/0/0");
        QTest::addRow("spare word neither Y nor N stops the line")
            << disk(1, "Disk", "^A^", "X") << 1 << QByteArray("disk1") << QByteArray("Disk|0|0||0");
        QTest::addRow("disk 303") << disk(303, "Legacy") << 1 << QByteArray("disk303.type")
                                  << QByteArray("Legacy");
        QTest::addRow("disk 304") << CorePd + disk(304) << 0 << QByteArray("counts")
                                  << QByteArray("0/1/0/0");
        QTest::addRow("array fields") << array(0, 12) << 1 << QByteArray("array")
                                      << QByteArray("RAID1|Data & Logs|12.345|1|NONE|RW");
        QTest::addRow("two lines of one route share a record")
            << array(0, 12) + member(0) + array(1, 12, "RAID5") + member(0) << 1
            << QByteArray("array.halves") << QByteArray("2|RAID5");
        QTest::addRow("two routes give two records")
            << array(0, 12) + array(1, 13) << 1 << QByteArray("counts") << QByteArray("0/0/2/0");
        QTest::addRow("array 384")
            << array(0, 12) + array(384, 13) << 0 << QByteArray("counts") << QByteArray("0/0/1/0");
        QTest::addRow("array without CTS")
            << array(0, 12, "RAID1", "") << 0 << QByteArray("counts") << QByteArray("0/0/1/0");
        QTest::addRow("array line cut after CA")
            << QByteArray(array(0, 12)).left(array(0, 12).indexOf("CTS:")) << 0
            << QByteArray("counts") << QByteArray("0/0/1/0");
        QTest::addRow("array route out of range")
            << QByteArray(array(0, 12)).replace("HD: 12", "HD: 99999999999") << 0
            << QByteArray("counts") << QByteArray("0/0/0/0");
        QTest::addRow("members of both halves")
            << array(0, 12) + member(0) + member(1, "ER: Fail(NP)_Offline ") + array(1, 12) +
                   QByteArray(member(0)).replace("SO: 0x0000000000000800", "SO: 0x9")
            << 1 << QByteArray("members") << QByteArray("3840|NoError|Fail(NP)_Offline||9");
        QTest::addRow("member without ER, members beyond 32 dropped")
            << array(0, 12) + member(0, "") + repeated(member(1, "ER: Fail "), 40) << 1
            << QByteArray("members") << QByteArray("3840||Fail|Fail|0");
        QTest::addRow("spares and parents keep kind and route")
            << array(0, 12) + "SP: 0 RT: 1 HD: 7 ID: 0x0000000000000107 \n" +
                   " PA: 0 RT: 0 HD: 30 ID: 0x0000000000000301 \n"
            << 1 << QByteArray("links") << QByteArray("1:7:263 2:30:769 ");
        QTest::addRow("spare before any array is dropped")
            << "SP: 0 RT: 1 HD: 7 ID: 0x0000000000000107 \n" + array(0, 12) << 1
            << QByteArray("links") << QByteArray("");
        QTest::addRow("enclosure")
            << Enclosure << 1 << QByteArray("enclosure") << QByteArray("1025|Encl 8|NONE|");
        QTest::addRow("enclosure 75 stored, 76 not")
            << QByteArray(Enclosure).replace("SEP: 0", "SEP: 75") +
                   QByteArray(Enclosure).replace("SEP: 0", "SEP: 76")
            << 1 << QByteArray("enclosure") << QByteArray("0|||E1");
        QTest::addRow("unknown lines and braces skipped")
            << "XX: 1 2 3\n{" + CorePd + "\r\n\n"
            << 1 << QByteArray("counts") << QByteArray("0/1/0/0");
        QTest::addRow("a frame runs to the next caret")
            << disk(1, "Disk", "^open") << 1 << QByteArray("disk1.model")
            << QByteArray("open SN: ");
        QTest::addRow("unclosed caret frames the rest of the line")
            << QByteArray(disk(1)).replace("^ACME^", "^ACME") << 1 << QByteArray("disk1")
            << QByteArray("Disk|1|976773168|ACME |2147483904");
    }

    void lineRules()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, expected);
        QCOMPARE(KV_ParseSnapshotText(text.constData(), size_t(text.size()), tables.get()), result);
        QCOMPARE(field(*tables, name), expected);
    }

    // The parse stops at the first zero byte or at the length, whichever
    // comes first, and never reads past either.
    void textBounds()
    {
        const QByteArray line = disk(1);
        std::vector<char> exact(line.begin(), line.end()); // no terminator behind it
        QCOMPARE(KV_ParseSnapshotText(exact.data(), exact.size() - 13, tables.get()), 1);
        QCOMPARE(QByteArray(tables->disks[1].vendor), QByteArray(""));
        QCOMPARE(tables->disks[1].portType, 0x80000100u);
        const QByteArray zero = CorePd + QByteArray(1, '\0') + disk(1);
        QCOMPARE(KV_ParseSnapshotText(zero.constData(), size_t(zero.size()), tables.get()), 1);
        QCOMPARE(tables->diskCount, 1);
        QCOMPARE(KV_ParseSnapshotText(nullptr, 10, tables.get()), 0);
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("largest");
        QTest::addColumn<bool>("lookup");
        QTest::addRow("demo") << false << false;
        QTest::addRow("demo with disk lookup") << false << true;
        QTest::addRow("largest") << true << false;
    }

    void roundTrip()
    {
        QFETCH(bool, largest);
        QFETCH(bool, lookup);
        const kvemu::Model model = largest ? largestModel() : kvemu::demoModel();
        QCOMPARE(QString::fromStdString(model.validate()), QString());
        if (largest) {
            QCOMPARE(model.controllers.size(), size_t(19));
            QVERIFY(model.disks.size() > 150); // the image is full
        }
        auto emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                          std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        const KV_CoreId core1{1, ".", "Core1"};
        const size_t live = KVTL_LiveCount();
        QCOMPARE(KV_ApiGetSnapshot(&core1, tables.get(), 7, lookup), 1);
        QCOMPARE(KVTL_LiveCount(), live);
        compareWithModel(model, lookup);
    }

    // Whatever bytes the driver holds in a name, the dump stays one line per
    // device and every array comes back.
    void controlCharactersInNames()
    {
        kvemu::Model model = kvemu::demoModel();
        model.arrays[1].name = "Two\nLD: 99 ^Lines\r";
        model.disks[2].model = "Model\n";
        model.generation = 0x80000001; // past 2^31
        auto emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                          std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        const KV_CoreId core1{1, ".", "Core1"};
        QCOMPARE(KV_ApiGetSnapshot(&core1, tables.get(), 0, 0), 1);
        QCOMPARE(tables->arrayCount, int(model.arrays.size()));
        QCOMPARE(QByteArray(tables->arrays[1].config[0].deviceName),
                 QByteArray("Two_LD: 99 _Lines_"));
        QCOMPARE(QByteArray(tables->disks[3].model), QByteArray("Model_"));
    }

    void snapshotFailures()
    {
        const KV_CoreId core1{1, ".", "Core1"};
        kv::setPlatform(nullptr);
        QCOMPARE(KV_ApiGetSnapshot(nullptr, tables.get(), 0, 0), 0);
        QCOMPARE(KV_ApiGetSnapshot(&core1, nullptr, 0, 0), 0);
        const KV_CoreId missing{1, ".", "Core9"};
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        QCOMPARE(KV_ApiGetSnapshot(&missing, tables.get(), 0, 0), 0);
        QCOMPARE(tables->diskCount, 0);
    }
};

QTEST_GUILESS_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
