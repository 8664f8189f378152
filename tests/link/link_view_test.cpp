#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"
#include "link/link_view.h"
#include "sim_port.h"

using namespace lumivox;
using lumivox::testing::drain;
using lumivox::testing::SimLinePort;
using lumivox::testing::TemporaryWorkingDirectory;
using lumivox::testing::waitUntil;

namespace {

std::unique_ptr<LinePort> quietLine()
{
    auto port = std::make_unique<SimLinePort>();
    port->controller().setSilent(true);
    return port;
}

// No window of this test program may reach a real serial device (run as
// root, COM 1 opens /dev/ttyS0): every window gets a silent simulated line
// unless a test installs another.
const bool kQuietLines = [] {
    LinkView::portFactory() = quietLine;
    return true;
}();

// A window whose link talks to the simulated controller.
struct LinkWindow : ::testing::Test {
    TemporaryWorkingDirectory dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TVirelta> window;
    SimLinePort* port = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override
    {
        window.reset();
        LinkView::portFactory() = quietLine;
    }
    void make(virelta_sim::Config config = {})
    {
        LinkView::portFactory() = [&, config] {
            auto sim = std::make_unique<SimLinePort>(config);
            port = sim.get();
            return std::unique_ptr<LinePort>(std::move(sim));
        };
        window = std::make_unique<TVirelta>(&dialogs);
        LinkView::portFactory() = quietLine;
        window->timer1()->stop();   // the tests tick by hand
        window->timer3()->stop();
        window->link().resetRunFlags();
        window->link().openPortAtStartUp();
    }
    void tick()
    {
        window->Timer1Timer();
        drain();
    }
    void comeUp()
    {
        tick();
        tick();
    }
    QString panel(int i) const { return window->statusBar1()->panelText(i); }
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return control<T>(window.get(), QString::fromLatin1(name));
    }
    QString text(const char* name) const
    {
        if (auto* edit = find<QLineEdit>(name))
            return edit->text();
        if (auto* label = find<QLabel>(name))
            return label->text();
        return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }
};

}  // namespace

TEST_F(LinkWindow, LiveFieldsStandOnTheirPages)
{
    make();
    const std::pair<const char*, const char*> placed[] = {
        {"IT_Aktuell2", "Wintergarten_Maske"}, {"AT_min2", "Wintergarten_Maske"}, {"AT_Max2", "Wintergarten_Maske"},
        {"IT_Aktuell3", "Heizung_Maske"},      {"AT_Min3", "Heizung_Maske"},      {"AlarmStatus", "Parameter"},
        {"Label31", "Parameter"},
    };
    for (const auto& [name, page] : placed) {
        QWidget* w = find(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(window->page(QString::fromLatin1(page))->isAncestorOf(w)) << name;
    }
    EXPECT_EQ(text("AlarmStatus"), QStringLiteral("Kein Alarm"));
    EXPECT_TRUE(find<QLineEdit>("AlarmStatus")->isReadOnly());
    EXPECT_EQ(text("Label31"), QStringLiteral("Status"));
}

TEST_F(LinkWindow, PagesGroupsAndButtonsFollowTheController)
{
    struct Case {
        virelta_sim::Kind kind;
        const char* firmware;
        bool sensors, conservatory, heating, pushButton;
    };
    using K = virelta_sim::Kind;
    const Case cases[] = {
        {K::Conservatory, "5.509", true, true, true, true},
        {K::Conservatory, "5.506", true, true, false, true},
        {K::Shading, "5.509", true, false, false, false},
        {K::Plain, "5.509", false, false, false, false},
    };
    for (const Case& c : cases) {
        virelta_sim::Config config;
        config.kind = c.kind;
        config.firmware = c.firmware;
        make(config);
        comeUp();
        const std::string id = port->controller().config().identity + " " + c.firmware;
        EXPECT_EQ(panel(0), QString::fromStdString(port->controller().config().identity));
        EXPECT_EQ(window->statusBar1()->panel(0)->toolTip(), panel(0));
        EXPECT_EQ(panel(1), QStringLiteral("V") + QString::fromLatin1(c.firmware));
        EXPECT_EQ(window->isPageVisible(QStringLiteral("Beschattung_Maske")), c.sensors) << id;
        EXPECT_EQ(window->isPageVisible(QStringLiteral("Wind_Regen_Maske")), c.sensors) << id;
        EXPECT_EQ(window->isPageVisible(QStringLiteral("Wintergarten_Maske")), c.conservatory) << id;
        EXPECT_EQ(window->isPageVisible(QStringLiteral("Heizung_Maske")), c.heating) << id;
        EXPECT_EQ(window->isPageVisible(QStringLiteral("Schaltzeit_Maske")), true) << id;
        EXPECT_EQ(find("GroupBoxInnentemperatur2")->isHidden(), !c.conservatory) << id;
        for (const char* name : {"Tast_Liste", "GroupBox_Tast_Automatik"})
            if (QWidget* w = find(name)) {
                EXPECT_EQ(w->isHidden(), !c.pushButton) << id << " " << name;
            }
        if (QWidget* w = find("RelF_Liste")) {
            EXPECT_EQ(w->isHidden(), !c.conservatory) << id;
        }
        for (const char* name : {"Send_Button_WS", "Read_Button_WS"})
            if (QWidget* w = find(name)) {
                EXPECT_EQ(!w->isHidden() && w->isEnabled(), c.conservatory) << id << " " << name;
            }
        for (const char* name : {"Send_Button_RS", "Read_Button_RS"})
            if (QWidget* w = find(name)) {
                EXPECT_EQ(!w->isHidden() && w->isEnabled(), !c.conservatory) << id << " " << name;
            }
        EXPECT_EQ(text("URL_Label"), c.conservatory ? LinkView::kConservatoryUrl : LinkView::kRollerShutterUrl);
        EXPECT_TRUE(find("KeineVerbindung_Label")->isHidden()) << id;
        EXPECT_FALSE(window->link().controller().state().LinkDown);
        EXPECT_TRUE(dialogs.shown.isEmpty()) << qPrintable(dialogs.shown.join('|'));
    }
}

TEST_F(LinkWindow, LiveValuesFillEveryField)
{
    make();
    comeUp();
    ControllerLink& link = window->link().controller();
    //            N0 N1 N2 N3 N4 N5  N6 N7 N8 N9 N10 N11 N12 N13 N14 N15
    link.receive("start_skd40,21,5,19,23,999,0,0,0,0,45,1,1,3,33,0,ende_");
    for (const char* name : {"IT_Aktuell", "IT_Aktuell2", "IT_Aktuell3"})
        if (find(name)) {
            EXPECT_EQ(text(name), QStringLiteral("21,5\u00b0")) << name;
        }
    EXPECT_EQ(text("IT_Min2"), QStringLiteral("19\u00b0"));
    EXPECT_EQ(text("IT_Max3"), QStringLiteral("23\u00b0"));
    for (const char* name : {"AT_Aktuell", "AT_Aktuell2", "AT_Aktuell3"})
        if (find(name)) {
            EXPECT_EQ(text(name), QStringLiteral("    -")) << name;
        }
    for (const char* name : {"AT_Min", "AT_min2", "AT_Min3", "AT_Max", "AT_Max2", "AT_Max3"})
        if (find(name)) {
            EXPECT_EQ(text(name), QStringLiteral("  -")) << name;
        }
    EXPECT_EQ(text("AlarmStatus"), QStringLiteral("Alarm ausgel\u00f6st"));
    EXPECT_EQ(panel(10), QStringLiteral("IT: 21,5\u00b0"));
    EXPECT_EQ(panel(7), QStringLiteral("Sonne: 40"));
    EXPECT_EQ(panel(8), QStringLiteral("Wind: 3"));
    const QString outdoorPanel = panel(9);

    const std::pair<const char*, QString> wind[] = {
        {"AktWind", QStringLiteral("0 km/h")}, {"MaxWind", QStringLiteral("45 km/h")},
        {"RegenStatus", QStringLiteral(" Es regnet")}, {"RelFeuchte", QStringLiteral(" - ")},
        {"BA_LuxAktuell", QStringLiteral("33")}, {"DM_LuxAktuell", QStringLiteral("33")},
        {"DA_LuxAktuell", QStringLiteral("33")},
    };
    for (const auto& [name, expected] : wind)
        if (find(name)) {
            EXPECT_EQ(text(name), expected) << name;
        }
    if (auto* bar = find<QProgressBar>("WindProgressBar")) {
        EXPECT_TRUE(bar->isHidden());
    }

    window->LuxMittel = false;
    link.receive("start_skd40,999,0,0,0,18,2,10,20,35,45,0,0,3,33,61,ende_");
    EXPECT_EQ(text("IT_Aktuell2"), QStringLiteral("    -"));
    EXPECT_EQ(text("IT_Min3"), QStringLiteral("  -"));
    EXPECT_EQ(panel(10), QStringLiteral("IT: 21,5\u00b0"));   // kept
    EXPECT_NE(panel(9), outdoorPanel);
    EXPECT_EQ(panel(9), QStringLiteral("AT: 18,2\u00b0"));
    EXPECT_EQ(text("AT_min2"), QStringLiteral("10\u00b0"));
    EXPECT_EQ(text("AlarmStatus"), QStringLiteral("   Kein Alarm"));
    if (find("BA_LuxAktuell")) {
        EXPECT_EQ(text("BA_LuxAktuell"), QStringLiteral("40"));
    }
    if (find("RelFeuchte")) {
        EXPECT_EQ(text("RelFeuchte"), QStringLiteral("61 %"));
    }
    if (auto* bar = find<QProgressBar>("WindProgressBar")) {
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(bar->value(), 35);
    }
}

TEST_F(LinkWindow, SilenceShowsNoConnectionAndTheDotStopsBlinking)
{
    make();
    comeUp();
    ShapeWidget* dot = window->dot();
    const QColor fuchsia(0xFF, 0x00, 0xFF);
    EXPECT_EQ(dot->color(), fuchsia);
    EXPECT_EQ(dot->shape(), ShapeWidget::Shape::Circle);
    tick();
    EXPECT_EQ(dot->color(), QColor(Qt::red));
    EXPECT_EQ(dot->shape(), ShapeWidget::Shape::Rectangle);
    tick();

    window->Timer3Timer();
    port->controller().setSilent(true);
    tick();
    window->Timer3Timer();
    EXPECT_EQ(panel(0), kNoLinkText);
    const ShapeWidget::Shape lastShape = dot->shape();
    tick();
    EXPECT_FALSE(find("KeineVerbindung_Label")->isHidden());
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(panel(i), QString()) << i;
    EXPECT_TRUE(window->link().controller().state().LinkDown);
    EXPECT_EQ(dot->color(), QColor(Qt::red));
    EXPECT_EQ(dot->shape(), lastShape);   // stays in the shape it had
    for (const char* name : {"Logbuch_Button", "Logbuch_Anfang", "Logbuch_save_Button", "Logbuch_Loeschen"})
        if (QWidget* w = find(name)) {
            EXPECT_FALSE(w->isEnabled()) << name;
        }

    port->controller().setSilent(false);
    comeUp();
    EXPECT_TRUE(find("KeineVerbindung_Label")->isHidden());
    EXPECT_EQ(port->written.count("slr"), 1);
}

TEST_F(LinkWindow, ChoosingAnotherPortClearsThePanelsAndMarksEverything)
{
    make();
    comeUp();
    window->model().markAllSent();
    auto* combo = find<QComboBox>("Combo_PortNum");
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(port->opened.last(), deviceForComPort(3));
    EXPECT_EQ(panel(0), kNoLinkText);
    for (int i = 1; i < PanelStatusBar::kPanels; ++i)
        EXPECT_EQ(panel(i), QString()) << i;
    EXPECT_EQ(window->model().Beschattung[0][0].Geaendert, 1);
    EXPECT_EQ(window->model().Schaltzeit[0][0][0].Geaendert, 1);

    // The port file was written at the first connection of the run and
    // is not written again.
    comeUp();
    QFile ini(QStringLiteral("Lumivox.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("1\r\n"));
}

TEST_F(LinkWindow, PortFileChoosesThePortAtStartUp)
{
    const std::pair<QByteArray, int> cases[] = {{"4\r\n", 4}, {"abc\r\n", 1}, {"99\r\n", 1}};
    for (const auto& [content, port_] : cases) {
        QFile ini(QStringLiteral("Lumivox.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(content);
        ini.close();
        make();
        EXPECT_EQ(find<QComboBox>("Combo_PortNum")->currentIndex(), port_ - 1) << content.constData();
        EXPECT_EQ(port->opened.last(), deviceForComPort(port_)) << content.constData();
    }
}

TEST_F(LinkWindow, DemoUsesComOneAndLeavesThePortFileAlone)
{
    QFile ini(QStringLiteral("Lumivox.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("4\r\n");
    ini.close();
    LinkView::portFactory() = [this] {
        auto sim = std::make_unique<SimLinePort>();
        port = sim.get();
        return std::unique_ptr<LinePort>(std::move(sim));
    };
    window = std::make_unique<TVirelta>(&dialogs);
    window->timer1()->stop();
    window->timer3()->stop();
    window->link().useDemoDevice(QStringLiteral("/dev/pts/demo"));
    window->FormActivate();
    EXPECT_EQ(find<QComboBox>("Combo_PortNum")->currentIndex(), 0);
    EXPECT_EQ(port->opened.last(), QStringLiteral("/dev/pts/demo"));
    comeUp();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("4\r\n"));
}

TEST_F(LinkWindow, OpenFailureIsReportedAndStartUpGoesOn)
{
    const QString missing = dir.filePath(QStringLiteral("no-such-device"));
    qputenv("LUMIVOX_COM1", missing.toLocal8Bit());
    LinkView::portFactory() = [] { return std::unique_ptr<LinePort>(std::make_unique<SerialLinePort>()); };
    window = std::make_unique<TVirelta>(&dialogs);
    LinkView::portFactory() = quietLine;
    window->timer1()->stop();
    window->timer3()->stop();
    window->FormActivate();
    qunsetenv("LUMIVOX_COM1");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("COM 1 (") + missing)) << qPrintable(dialogs.shown[0]);
    window->Timer1Timer();   // writes to the closed port go nowhere
    EXPECT_EQ(panel(12), QStringLiteral("TxD: 20"));
}

TEST_F(LinkWindow, LineFaultShowsFehlerRs232)
{
    make();
    comeUp();
    port->failLine(QStringLiteral("Input/output error"), true);
    EXPECT_EQ(text("Label21"), QStringLiteral("Fehler RS232"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LinkWindow, UnsupportedControllerEndsTheProgramAfterTheMessage)
{
    virelta_sim::Config config;
    config.identity = "MX512   W 8 9STG";
    make(config);
    window->show();
    window->timer1()->start();
    comeUp();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0], QStringLiteral("Diese Version von Lumivox kann nicht f\u00fcr die Typen\n"
                                               "         MX512, MX512P und MK512 verwendet werden.\n"));
    EXPECT_FALSE(window->timer1()->isActive());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(LinkWindow, MalformedIdentityIsReportedInThePanelNotInABox)
{
    virelta_sim::Config config;
    config.identity = "VWS";
    make(config);
    for (int i = 0; i < 4; ++i)
        tick();
    EXPECT_EQ(panel(5), QStringLiteral("Fehler Kennung"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LinkWindow, PortFileThatCannotBeWrittenIsReportedOnce)
{
    QDir().mkdir(QStringLiteral("Lumivox.ini"));
    make();
    comeUp();
    tick();
    tick();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("    Kann Initialisierungs-File nicht schreiben    ")});
}

TEST_F(LinkWindow, WindowFollowsVireltaSimOnAPseudoTerminal)
{
    lumivox::testing::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--kind"), QStringLiteral("shading"), QStringLiteral("--chunks")}));
    qputenv("LUMIVOX_COM1", sim.path.toLocal8Bit());
    LinkView::portFactory() = [] { return std::unique_ptr<LinePort>(std::make_unique<SerialLinePort>()); };
    window = std::make_unique<TVirelta>(&dialogs);
    LinkView::portFactory() = quietLine;
    window->timer1()->stop();
    window->timer3()->stop();
    window->link().resetRunFlags();
    window->link().openPortAtStartUp();
    qunsetenv("LUMIVOX_COM1");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << qPrintable(dialogs.shown.join('|'));

    EXPECT_TRUE(waitUntil([&] {
        window->Timer1Timer();
        lumivox::testing::settle(100);
        return !window->link().controller().state().LinkDown;
    }));
    EXPECT_EQ(panel(0), QStringLiteral("VSS 440 - 8 8S--"));
    EXPECT_TRUE(window->isPageVisible(QStringLiteral("Beschattung_Maske")));
    EXPECT_FALSE(window->isPageVisible(QStringLiteral("Wintergarten_Maske")));
    EXPECT_TRUE(find("KeineVerbindung_Label")->isHidden());
    EXPECT_TRUE(waitUntil([&] { return text("IT_Aktuell2") == QStringLiteral("    -"); }));
}
