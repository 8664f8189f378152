// The real serial code against virelta-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
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
using lumivox::testing::waitUntil;

namespace {

struct EndToEnd : ::testing::Test {
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    SettingsImage image;
    std::unique_ptr<ControllerLink> link = std::make_unique<ControllerLink>(image, std::make_unique<SerialLinePort>());
    int lineErrors = 0;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        QObject::connect(link.get(), &ControllerLink::lineError, [this] { ++lineErrors; });
    }
    void TearDown() override
    {
        link.reset();
        QDir::setCurrent(previousDir);
    }
    // Polls the way the window does, only faster, until a tick finds the link up.
    bool comeUp()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (link->pollTick().tick == ControllerLink::Tick::Up)
                return true;
            settle(150);
        }
        return false;
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
    ASSERT_TRUE(sim.start({QStringLiteral("--baud"), QStringLiteral("9600")}));
    ASSERT_TRUE(link->openDevice(sim.path));
    ASSERT_TRUE(comeUp());
    ASSERT_TRUE(QFile::remove(QStringLiteral("Lumivox.ini")));

    sim.toggleSilence();
    settle(400);   // replies already on the way arrive; the simulator hears the signal
    link->watchdogTick();
    link->pollTick();
    settle(400);
    EXPECT_TRUE(link->watchdogTick());
    EXPECT_EQ(link->panel(0), kNoLinkText);
    EXPECT_EQ(link->pollTick().tick, ControllerLink::Tick::Down);

    sim.toggleSilence();
    ASSERT_TRUE(comeUp());
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
    settle(100);
    EXPECT_EQ(lineErrors, 1);   // reported once, not in a loop
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
    const StatusReport report = probeStatus(sim.path, 5000);
    ASSERT_EQ(report.outcome, StatusReport::Outcome::Answered);
    EXPECT_EQ(report.identity, QStringLiteral("VSS 440 - 8 8S--"));
    EXPECT_EQ(report.firmware, 5509);
    EXPECT_EQ(report.date, QStringLiteral("01.01.00"));
    EXPECT_TRUE(report.features.ShadingSensors);
    ASSERT_TRUE(report.live.has_value());
    EXPECT_EQ((*report.live)[1], 999);   // no indoor sensor
    const QString text = formatStatus(report);
    EXPECT_TRUE(text.contains(QStringLiteral("N15 Relative Feuchte %"))) << qPrintable(text);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Lumivox.ini")));

    sim.toggleSilence();
    settle(200);
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
    SimProcess sim;
    ASSERT_TRUE(sim.start({}));
    QProcess run;
    run.start(cli, {QStringLiteral("status"), QStringLiteral("--port"), sim.path});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_TRUE(run.readAllStandardOutput().contains("VWS 880 W 8 8STG"));

    run.start(cli, {QStringLiteral("status"), QStringLiteral("--port"), dir.filePath(QStringLiteral("none"))});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_FALSE(run.readAllStandardError().isEmpty());
}
