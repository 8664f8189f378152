// The real serial code against virelta-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <functional>

#include "core/settings_image.h"
#include "link/controller_link.h"
#include "link/status_probe.h"
#include "sim_port.h"

using namespace lumivox;
using lumivox::testing::settle;
using lumivox::testing::SimProcess;
using lumivox::testing::TemporaryWorkingDirectory;
using lumivox::testing::waitUntil;

namespace {

struct EndToEnd : ::testing::Test {
    TemporaryWorkingDirectory dir;
    SettingsImage image;
    std::unique_ptr<ControllerLink> link = std::make_unique<ControllerLink>(image, std::make_unique<SerialLinePort>());
    int lineErrors = 0;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QObject::connect(link.get(), &ControllerLink::lineError, [this] { ++lineErrors; });
    }
    void TearDown() override { link.reset(); }
    // Polls the way the window does, only faster, until a tick finds the
    // link up. The deadline only guards against a hang.
    bool comeUp()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            if (link->pollTick().tick == ControllerLink::Tick::Up)
                return true;
            settle(150);
        }
        return false;
    }
    // Lets what is already on the line arrive: returns once a while passed
    // without a received character.
    void letTheLineDrain()
    {
        long long seen = -1;
        QElapsedTimer clock;
        clock.start();
        while (seen != link->state().RxDCount && clock.elapsed() < 30000) {
            seen = link->state().RxDCount;
            settle(300);
        }
    }
    bool anyRecordChanged()
    {
        bool changed = false;
        image.forEachAutomaticArray([&](auto& profiles) {
            for (auto& motors : profiles)
                for (auto& r : motors)
                    changed = changed || r.Geaendert != 0;
        });
        return changed;
    }
};

}  // namespace

TEST_F(EndToEnd, FeaturesFollowTheThreeIdentities)
{
    struct Case {
        const char* kind;
        bool conservatory, shading, pushButton, group;
    };
    const Case cases[] = {{"conservatory", true, true, true, true},
                          {"shading", false, true, false, false},
                          {"plain", false, false, false, false}};
    for (const Case& c : cases) {
        SimProcess sim;
        ASSERT_TRUE(sim.start({QStringLiteral("--kind"), QString::fromLatin1(c.kind), QStringLiteral("--chunks")}));
        ASSERT_TRUE(link->openDevice(sim.path)) << qPrintable(link->openError());
        ASSERT_TRUE(comeUp()) << c.kind;
        const DeviceFeatures& f = link->features();
        EXPECT_EQ(link->panel(0), QString::fromStdString(f.Identity)) << c.kind;
        EXPECT_EQ(f.Conservatory, c.conservatory) << c.kind;
        EXPECT_EQ(f.ShadingSensors, c.shading) << c.kind;
        EXPECT_EQ(f.PushButtonAutomatic, c.pushButton) << c.kind;
        EXPECT_EQ(f.GroupControl, c.group) << c.kind;
        EXPECT_EQ(f.MotorCount, 8) << c.kind;
        EXPECT_TRUE(waitUntil([&] { return link->liveNumbers().has_value(); })) << c.kind;
        link->port().close();
        link->clearPanels();
    }
    EXPECT_EQ(lineErrors, 0);
}

TEST_F(EndToEnd, SilenceLosesTheLinkAndAnswersBringItBack)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--baud"), QStringLiteral("9600"), QStringLiteral("--verbose")}));
    ASSERT_TRUE(link->openDevice(sim.path));
    ASSERT_TRUE(comeUp());
    ASSERT_TRUE(waitUntil([&] { return sim.received("slr") == 1; })) << sim.log.constData();
    ASSERT_TRUE(QFile::remove(QStringLiteral("Lumivox.ini")));
    image.markAllSent();
    for (auto& motors : image.HeizungsSteuerung)
        for (auto& r : motors)
            r.Geaendert = 0;
    ASSERT_FALSE(anyRecordChanged());

    // The cable is pulled: nothing arrives between two watchdog ticks.
    ASSERT_TRUE(sim.toggleSilence());
    letTheLineDrain();
    link->watchdogTick();
    link->pollTick();
    settle(300);
    EXPECT_TRUE(link->watchdogTick());
    EXPECT_EQ(link->panel(0), kNoLinkText);
    EXPECT_EQ(image.Beschattung[1][7].Geaendert, 1);
    EXPECT_EQ(image.Schaltzeit[6][7][7].Geaendert, 1);
    EXPECT_EQ(image.HeizungsSteuerung[0][0].Geaendert, 0);
    EXPECT_EQ(link->pollTick().tick, ControllerLink::Tick::Down);
    EXPECT_TRUE(link->state().LinkDown);
    EXPECT_EQ(link->panel(1), QString());

    // Plugged in again: the link comes back; neither the port file nor
    // "slr" is written a second time.
    ASSERT_TRUE(sim.toggleSilence());
    ASSERT_TRUE(comeUp());
    EXPECT_FALSE(link->state().LinkDown);
    const int polled = sim.received("smo");
    link->pollTick();   // its requests follow any "slr" of the tick before
    ASSERT_TRUE(waitUntil([&] { return sim.received("smo") > polled; }));
    EXPECT_EQ(sim.received("slr"), 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));
    EXPECT_EQ(lineErrors, 0);
}

TEST_F(EndToEnd, SimulatorEndsAndARestartedOneIsFoundAgain)
{
    const QString stable = dir.filePath(QStringLiteral("COM1"));
    auto sim = std::make_unique<SimProcess>();
    ASSERT_TRUE(sim->start({QStringLiteral("--link"), stable, QStringLiteral("--baud"), QStringLiteral("0")}));
    ASSERT_TRUE(link->openDevice(stable));
    ASSERT_TRUE(comeUp());

    sim->stop();
    link->pollTick();
    ASSERT_TRUE(waitUntil([&] { return lineErrors > 0; }));
    EXPECT_FALSE(link->port().isOpen());
    const int errors = lineErrors;
    settle(200);
    EXPECT_EQ(lineErrors, errors);   // reported, not in a loop
    link->watchdogTick();
    EXPECT_TRUE(link->watchdogTick());
    EXPECT_EQ(link->panel(0), kNoLinkText);

    sim = std::make_unique<SimProcess>();
    ASSERT_TRUE(sim->start({QStringLiteral("--link"), stable, QStringLiteral("--baud"), QStringLiteral("0")}));
    ASSERT_TRUE(comeUp());
    EXPECT_TRUE(link->port().isOpen());
}

TEST_F(EndToEnd, NoisyLineStillBringsTheLinkUp)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--garbage"), QStringLiteral("--corrupt-every"), QStringLiteral("4"),
                           QStringLiteral("--chunks"), QStringLiteral("--seed"), QStringLiteral("7")}));
    ASSERT_TRUE(link->openDevice(sim.path));
    ASSERT_TRUE(comeUp());
    EXPECT_TRUE(waitUntil([&] {
        link->pollTick();
        settle(100);
        return link->liveNumbers().has_value();
    }));
    EXPECT_LE(link->receiveBuffer().bytes().size(), 200u);
}

TEST_F(EndToEnd, StatusProbeReportsWhatAnswered)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--kind"), QStringLiteral("shading"), QStringLiteral("--no-time-signal")}));
    const StatusReport report = probeStatus(sim.path, 30000);
    ASSERT_EQ(report.outcome, StatusReport::Outcome::Answered);
    EXPECT_EQ(report.identity, QStringLiteral("VSS 440 - 8 8S--"));
    EXPECT_EQ(report.firmware, 5509);
    EXPECT_EQ(report.date, QStringLiteral("01.01.00"));
    EXPECT_TRUE(report.features.ShadingSensors);
    ASSERT_TRUE(report.live.has_value());
    EXPECT_EQ((*report.live)[1], 999);   // no indoor sensor
    const QString text = formatStatus(report);
    EXPECT_TRUE(text.contains(QStringLiteral("N15 Relative Feuchte %"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("  N1  Innentemperatur             999 (kein Sensor)\n"))) << qPrintable(text);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));

    ASSERT_TRUE(sim.toggleSilence());
    EXPECT_EQ(probeStatus(sim.path, 1500).outcome, StatusReport::Outcome::NoAnswer);
    const StatusReport missing = probeStatus(dir.filePath(QStringLiteral("no-such-device")), 1500);
    EXPECT_EQ(missing.outcome, StatusReport::Outcome::OpenFailed);
    EXPECT_FALSE(missing.error.isEmpty());
}

TEST_F(EndToEnd, CliExitCodes)
{
    const QString cli = QFileInfo(QStringLiteral(VIRELTA_SIM_PATH)).dir().filePath(QStringLiteral("lumivox-cli"));
    if (!QFileInfo(cli).isExecutable())
        GTEST_SKIP() << "lumivox-cli not built";
    struct Case {
        QStringList simArgs;   // empty: no simulator, a missing device
        int exitCode;
        const char* out;       // in stdout
        const char* err;       // in stderr
    };
    const Case cases[] = {
        {{QStringLiteral("--baud"), QStringLiteral("0")}, 0, "Kennung:              VWS 880 W 8 8STG\n", ""},
        {{QStringLiteral("--silent-after"), QStringLiteral("0")}, 2, "Keine Verbindung\n", ""},
        {{}, 1, "", "/none: "},   // the device, then the system's own text
        {{QStringLiteral("--identity"), QStringLiteral("MX512   W 8 9STG")}, 3, "nicht unterst\xc3\xbctzt",
         "         MX512, MX512P und MK512 verwendet werden.\n"},
    };
    for (const Case& c : cases) {
        SimProcess sim;
        if (!c.simArgs.isEmpty()) {
            ASSERT_TRUE(sim.start(c.simArgs));
        }
        const QString device = c.simArgs.isEmpty() ? dir.filePath(QStringLiteral("none")) : sim.path;
        QProcess run;
        run.start(cli, {QStringLiteral("status"), QStringLiteral("--port"), device});
        ASSERT_TRUE(run.waitForFinished(30000));
        const QByteArray out = run.readAllStandardOutput();
        const QByteArray err = run.readAllStandardError();
        EXPECT_EQ(run.exitCode(), c.exitCode) << out.constData() << err.constData();
        EXPECT_TRUE(out.contains(c.out)) << out.constData();
        EXPECT_TRUE(err.contains(c.err)) << err.constData();
    }
}
