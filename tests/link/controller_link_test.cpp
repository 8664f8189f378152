#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/settings_image.h"
#include "link/controller_link.h"
#include "link/status_probe.h"
#include "sim_port.h"

using namespace lumivox;
using lumivox::testing::drain;
using lumivox::testing::SimLinePort;
using lumivox::testing::TemporaryWorkingDirectory;

namespace {

struct Link : ::testing::Test {
    TemporaryWorkingDirectory dir;
    SettingsImage image;
    std::unique_ptr<ControllerLink> link;
    SimLinePort* port = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        make({});
    }

    void make(virelta_sim::Config config)
    {
        auto sim = std::make_unique<SimLinePort>(std::move(config));
        port = sim.get();
        link = std::make_unique<ControllerLink>(image, std::move(sim));
        ASSERT_TRUE(link->openComPort(1));
    }
    ControllerLink::Tick tick()
    {
        const ControllerLink::Tick t = link->pollTick().tick;
        drain();
        return t;
    }
    // Two ticks: the first brings the identity, the second finds it.
    ControllerLink::Tick comeUp()
    {
        tick();
        return tick();
    }
    int slrSent() const { return static_cast<int>(port->written.count("slr")); }
    bool flagsAllClear()
    {
        bool clear = true;
        image.forEachAutomaticArray([&](auto& profiles) {
            for (auto& motors : profiles)
                for (auto& r : motors)
                    clear = clear && r.Geaendert == 0;
        });
        return clear;
    }
    void clearAllFlags()
    {
        image.forEachAutomaticArray([](auto& profiles) {
            for (auto& motors : profiles)
                for (auto& r : motors)
                    r.Geaendert = 0;
        });
    }
};

}  // namespace

TEST_F(Link, ComesUpWritesPortFileAndSlrOnce)
{
    EXPECT_EQ(link->panel(0), kNoLinkText);
    EXPECT_EQ(tick(), ControllerLink::Tick::Down);
    EXPECT_TRUE(link->state().LinkDown);
    EXPECT_EQ(QString::fromLatin1(port->written), QStringLiteral("sfi\rsdt\rsti\rskd\rsmo\r"));
    EXPECT_EQ(link->panel(0), QStringLiteral("VWS 880 W 8 8STG"));
    EXPECT_EQ(link->panel(1), QStringLiteral("V5.509"));
    EXPECT_EQ(link->panel(13), QStringLiteral("smo  VWS 880 W 8 8STG"));
    EXPECT_EQ(link->panel(12), QStringLiteral("TxD: 20"));
    EXPECT_EQ(link->panel(11), QStringLiteral("RxD: %1").arg(link->state().RxDCount));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));

    EXPECT_EQ(tick(), ControllerLink::Tick::Up);
    EXPECT_FALSE(link->state().LinkDown);
    EXPECT_TRUE(link->features().Conservatory);
    EXPECT_EQ(link->features().Firmware, 5509);
    QFile ini(QStringLiteral("Lumivox.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("1\r\n"));
    ini.close();
    EXPECT_EQ(slrSent(), 1);

    ini.remove();
    tick();
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));
    EXPECT_EQ(slrSent(), 1);
}

TEST_F(Link, SilenceLosesTheLinkAndItComesBackWithoutSecondWrites)
{
    ASSERT_EQ(comeUp(), ControllerLink::Tick::Up);
    link->watchdogTick();
    tick();
    EXPECT_FALSE(link->watchdogTick());

    clearAllFlags();
    image.Schaltzeit[6][7][7].Geaendert = 0;
    port->controller().setSilent(true);
    tick();
    EXPECT_TRUE(link->watchdogTick());
    EXPECT_EQ(link->panel(0), kNoLinkText);
    EXPECT_EQ(image.Beschattung[1][7].Geaendert, 1);
    EXPECT_EQ(image.Schaltzeit[6][7][7].Geaendert, 1);
    EXPECT_EQ(image.HeizungsSteuerung[0][0].Geaendert, 0);

    EXPECT_EQ(tick(), ControllerLink::Tick::Down);
    EXPECT_TRUE(link->state().LinkDown);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(link->panel(i), QString()) << i;

    QFile::remove(QStringLiteral("Lumivox.ini"));
    port->controller().setSilent(false);
    EXPECT_EQ(comeUp(), ControllerLink::Tick::Up);
    EXPECT_FALSE(link->state().LinkDown);
    EXPECT_EQ(slrSent(), 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));
}

TEST_F(Link, PortChangeClearsPanelsAndMarksEveryRecord)
{
    comeUp();
    clearAllFlags();
    ASSERT_TRUE(link->changePort(5));
    EXPECT_EQ(port->opened.last(), deviceForComPort(5));
    EXPECT_EQ(link->comPort(), 5);
    EXPECT_EQ(link->panel(0), kNoLinkText);
    for (int i = 1; i < ControllerLink::kPanels; ++i)
        EXPECT_EQ(link->panel(i), QString()) << i;
    EXPECT_EQ(image.HeizungsSteuerung[1][7].Geaendert, 1);
    EXPECT_EQ(image.Wind[0][0].Geaendert, 1);

    // Refused numbers change nothing.
    EXPECT_FALSE(link->changePort(17));
    EXPECT_EQ(link->comPort(), 5);
}

TEST_F(Link, UnusableIdentitiesSkipTheTick)
{
    struct Case {
        const char* identity;
        ControllerLink::Tick tick;
    };
    const Case cases[] = {{"VWS 880", ControllerLink::Tick::BadIdentity},
                          {"VWS 880 W x 8STG", ControllerLink::Tick::BadIdentity},
                          {"VWS 880 W 8 9STG", ControllerLink::Tick::Unsupported}};
    for (const Case& c : cases) {
        virelta_sim::Config config;
        config.identity = c.identity;
        make(config);
        EXPECT_EQ(comeUp(), c.tick) << c.identity;
        EXPECT_EQ(link->panel(5), c.tick == ControllerLink::Tick::BadIdentity ? QStringLiteral("Fehler Kennung") : QString())
            << c.identity;
        EXPECT_EQ(slrSent(), 0) << c.identity;
        EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini"))) << c.identity;
    }
}

TEST_F(Link, PortFileFailureIsReportedOnce)
{
    QDir().mkdir(QStringLiteral("Lumivox.ini"));   // a directory cannot be replaced by the file
    tick();
    EXPECT_TRUE(link->pollTick().portFileFailed);
    drain();
    EXPECT_FALSE(link->pollTick().portFileFailed);
    EXPECT_EQ(slrSent(), 1);
}

TEST_F(Link, UploadSuspendsPollAndWatchdog)
{
    comeUp();
    link->state().UploadActive = true;
    const QByteArray before = port->written;
    EXPECT_EQ(link->pollTick().tick, ControllerLink::Tick::Suspended);
    EXPECT_EQ(port->written, before);
    const long long mark = link->state().WatchdogMark;
    EXPECT_FALSE(link->watchdogTick());
    EXPECT_FALSE(link->watchdogTick());
    EXPECT_EQ(link->state().WatchdogMark, mark);
    EXPECT_NE(link->panel(0), kNoLinkText);
}

TEST_F(Link, EveryFrameOfAnEventIsHandledInOrder)
{
    link->receive("start_sdt01.01.00ende_start_sti12:00:00ende_");
    EXPECT_EQ(link->panel(2), QStringLiteral("01.01.00"));
    EXPECT_EQ(link->panel(3), QStringLiteral("12:00:00"));
    EXPECT_EQ(link->panel(13), QStringLiteral("sti  12:00:00"));
    EXPECT_TRUE(link->receiveBuffer().bytes().empty());

    // Stray bytes with an end marker: reported, the frame behind them kept.
    link->receive("start_xyzPAYende_junkende_start_sm");
    EXPECT_EQ(link->panel(13), QStringLiteral(" del PAY"));
    link->receive("oIDende_");
    EXPECT_EQ(link->panel(0), QStringLiteral("ID"));
    EXPECT_EQ(link->panel(13), QStringLiteral("smo  ID"));
}

TEST_F(Link, BadNumbersDropTheFrameButCountTheBytes)
{
    int live = 0;
    QObject::connect(link.get(), &ControllerLink::liveValuesReceived, [&] { ++live; });
    const QByteArray bad("start_skd1,2,x,ende_");
    link->receive(bad);
    EXPECT_EQ(live, 0);
    EXPECT_EQ(link->panel(5), QStringLiteral("Datenfehler x"));
    EXPECT_EQ(link->panel(11), QStringLiteral("RxD: %1").arg(bad.size()));

    link->receive("start_sfi5.x06ende_");
    EXPECT_EQ(link->panel(5), QStringLiteral("Fehler Firmware"));
    EXPECT_EQ(link->firmware(), 0);

    link->receive("start_skd1,21,5,20,23,999,0,0,0,12,40,0,1,3,50,60,ende_");
    ASSERT_EQ(live, 1);
    EXPECT_EQ(link->panel(10), QStringLiteral("IT: 21,5\u00b0"));
    EXPECT_EQ(link->panel(9), QString());   // no outdoor sensor: panel 9 untouched
}

TEST_F(Link, LaterHandlersPlugInByTag)
{
    std::vector<std::string> seen;
    long long rxSeenByUpload = -1;
    link->setHandler("sla", [&](const ReplyFrame& f) { seen.push_back("sla:" + f.payload); });
    link->setHandler("stc", [&](const ReplyFrame& f) {
        seen.push_back("stc:" + f.payload);
        rxSeenByUpload = link->state().RxDCount;
        EXPECT_EQ(link->lastPayload(), f.payload);
    }, ControllerLink::Phase::AfterCounters);
    const QByteArray bytes("start_stc0,ende_start_sla7,ende_start_Smo?ende_");
    link->receive(bytes);
    EXPECT_EQ(seen, (std::vector<std::string>{"sla:7,", "stc:0,"}));
    EXPECT_EQ(rxSeenByUpload, bytes.size());
    // An unknown tag (case counts) is only shown.
    EXPECT_EQ(link->panel(13), QStringLiteral("Smo  ?"));
    EXPECT_EQ(link->panel(0), kNoLinkText);
}

TEST_F(Link, ChunkedRepliesBringTheLinkUpAlike)
{
    for (int chunk : {1, 3, 7}) {
        make({});
        port->setChunkSize(chunk);
        EXPECT_EQ(comeUp(), ControllerLink::Tick::Up) << chunk;
        EXPECT_EQ(link->panel(3).size(), 8) << chunk;
    }
}

TEST_F(Link, LineFaultClosesThePortAndTheNextTickReopensIt)
{
    int errors = 0, closed = 0;
    QObject::connect(link.get(), &ControllerLink::lineError, [&] { ++errors; });
    QObject::connect(link.get(), &ControllerLink::portClosed, [&] { ++closed; });
    comeUp();
    port->failLine(QStringLiteral("Input/output error"), true);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(port->isOpen());
    const int opens = port->opened.size();
    tick();
    EXPECT_TRUE(port->isOpen());
    EXPECT_EQ(port->opened.size(), opens + 1);

    // A fault that leaves the port open is only reported.
    port->failLine(QStringLiteral("Write error"), false);
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(closed, 1);

    // A device that has ended for good is not reopened: its name may belong
    // to another terminal by now.
    port->failLine(QStringLiteral("Input/output error"), true);
    link->deviceGone();
    const int opensBefore = port->opened.size();
    tick();
    tick();
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(port->opened.size(), opensBefore);
}

TEST_F(Link, OpenFailureKeepsThePortsOwnText)
{
    port->setOpenError(QStringLiteral("Permission denied"));
    EXPECT_FALSE(link->changePort(2));
    EXPECT_EQ(link->openError(), QStringLiteral("Permission denied"));
    // Writes to the closed port go nowhere, the tick goes on.
    EXPECT_EQ(link->pollTick().tick, ControllerLink::Tick::Down);
    EXPECT_FALSE(port->pending());
}

TEST(PortNames, ComNumbersAndDevices)
{
    EXPECT_EQ(comPortNumber(QStringLiteral("COM3")), 3);
    EXPECT_EQ(comPortNumber(QStringLiteral("com 16")), 16);
    EXPECT_EQ(comPortNumber(QStringLiteral("COM17")), 0);
    EXPECT_EQ(comPortNumber(QStringLiteral("/dev/ttyUSB0")), 0);
    qputenv("LUMIVOX_COM4", "/dev/ttyUSB0");
    EXPECT_EQ(deviceForPortArgument(QStringLiteral("COM4")), QStringLiteral("/dev/ttyUSB0"));
    qunsetenv("LUMIVOX_COM4");
    EXPECT_EQ(deviceForPortArgument(QStringLiteral("COM4")), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(deviceForPortArgument(QStringLiteral("/dev/pts/7")), QStringLiteral("/dev/pts/7"));
}

TEST(StatusText, RepliesThatDidNotComeShowAsDash)
{
    StatusReport report;
    report.outcome = StatusReport::Outcome::Answered;
    report.identity = QStringLiteral("VWS");
    const QString text = formatStatus(report);
    EXPECT_EQ(text, QStringLiteral("Kennung:              VWS\n"
                                   "Firmware:             -\n"
                                   "Datum:                -\n"
                                   "Uhrzeit:              -\n"
                                   "Merkmale:             Kennung nicht lesbar\n"
                                   "Live-Werte:           -\n"));
}
