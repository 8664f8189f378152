#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"

using namespace lumivox;

namespace {

struct Window : ::testing::Test {
    ScriptedDialogs dialogs;
    TVirelta window{&dialogs};
};

}  // namespace

TEST_F(Window, CaptionAndSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumivox  V5.509.09"));
    EXPECT_EQ(window.size(), QSize(822, 589));
}

TEST_F(Window, EightPagesInOrderWithTheirCaptions)
{
    const std::pair<const char*, QString> expected[] = {
        {"Schaltzeit_Maske", QStringLiteral("Schaltzeiten")},
        {"Beschattung_Maske", QStringLiteral("Beschattung, Dämmerung")},
        {"Wind_Regen_Maske", QStringLiteral("Wind-, Regen-, Feuchte")},
        {"Wintergarten_Maske", QStringLiteral("Temperatur-Steuerung")},
        {"Heizung_Maske", QStringLiteral("Heizung")},
        {"Handsteuerung_Maske", QStringLiteral("Hand-, Tast-, Reversier-Autom.")},
        {"Alarm_Logbuch_Maske", QStringLiteral("Logbuch")},
        {"Parameter", QStringLiteral(" Parameter")},
    };
    QTabWidget* pages = control<QTabWidget>(&window, QStringLiteral("Parameter_Maske"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 8);
    EXPECT_EQ(pages->tabPosition(), QTabWidget::South);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(expected[i].first));
        EXPECT_EQ(pages->tabText(i), expected[i].second);
    }
}

TEST_F(Window, StatusBarHasFourteenPanels)
{
    const int widths[] = {100, 50, 60, 60, 0, 80, 185, 70, 60, 65, 65, 50, 50, 50};
    const bool centred[] = {true, true, true, true, false, false, true, true, true, true, true, false, false, false};
    auto* bar = control<PanelStatusBar>(&window, QStringLiteral("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    for (int i = 0; i < PanelStatusBar::kPanels; ++i) {
        EXPECT_EQ(bar->panelWidth(i), widths[i]) << i;
        EXPECT_EQ(bool(bar->panelAlignment(i) & Qt::AlignHCenter), centred[i]) << i;
    }
    EXPECT_EQ(bar->panelText(0), QStringLiteral("Keine Verbindung"));
    EXPECT_EQ(bar->panelText(14), QString());   // no such panel, no crash
}

TEST_F(Window, TimersIntervalsAndStates)
{
    struct Case { const char* name; int interval; bool running; };
    for (const Case& c : {Case{"Timer1", 900, true}, Case{"Timer3", 2500, true}, Case{"DCF77_LED_Timer", 100, false}}) {
        auto* timer = window.findChild<QTimer*>(QString::fromLatin1(c.name));
        ASSERT_NE(timer, nullptr) << c.name;
        EXPECT_EQ(timer->interval(), c.interval) << c.name;
        EXPECT_EQ(timer->isActive(), c.running) << c.name;
    }
}

TEST_F(Window, HeaderControls)
{
    for (const char* name : {"Label9", "URL_Label", "Label10", "Label11", "Label12", "KeineVerbindung_Label"})
        EXPECT_NE(control<QLabel>(&window, QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(control<QLabel>(&window, QStringLiteral("Label9"))->text(), QStringLiteral("Virelta"));
    EXPECT_EQ(control<QLabel>(&window, QStringLiteral("Label11"))->text(), QStringLiteral("Wintergartensteuerungen"));
    for (const char* name : {"Dot", "Shape1", "Shape2", "Shape3", "Shape4"}) {
        auto* shape = control<ShapeWidget>(&window, QString::fromLatin1(name));
        ASSERT_NE(shape, nullptr) << name;
        EXPECT_EQ(shape->size(), QSize(9, 9));
    }
    EXPECT_EQ(window.dot()->color(), QColor(Qt::red));
    EXPECT_TRUE(window.helpBox()->isHidden());
}

TEST_F(Window, StartUpRunsOnceAndSetsTheStartState)
{
    window.FormActivate();
    EXPECT_TRUE(window.startedUp());
    EXPECT_EQ(window.pageControl()->currentIndex(), 0);
    EXPECT_TRUE(window.LuxMittel);
    EXPECT_EQ(window.model().BearbeitetesProfil, 0);
    EXPECT_EQ(window.saveDialog1().filter, QStringLiteral("Virelta Schaltzeiten (*.vsz)|*.vsz"));
    EXPECT_EQ(window.saveDialog1().defaultSuffix, QStringLiteral("vsz"));
    EXPECT_EQ(window.openDialog1().filter, QStringLiteral("Virelta Schaltzeiten (*.vsz)|*.vsz"));
    EXPECT_EQ(window.saveDialogLogbuch().filter, QStringLiteral("Virelta Logbuch-File (*.vlf)|*.vlf"));
    EXPECT_EQ(window.saveDialogLogbuch().defaultSuffix, QStringLiteral("vlf"));
    if (auto* bar = control<QProgressBar>(&window, QStringLiteral("ProgressBar"))) {
        EXPECT_TRUE(bar->isHidden());
    }

    // A second activation (a dialog closing) repeats nothing.
    window.model().Beschattung[0][0].EinAus = 0;
    window.model().BearbeitetesProfil = 1;
    window.LuxMittel = false;
    window.FormActivate();
    EXPECT_EQ(window.model().Beschattung[0][0].EinAus, 0);
    EXPECT_EQ(window.model().BearbeitetesProfil, 1);
    EXPECT_FALSE(window.LuxMittel);
}

TEST_F(Window, PageChangeHidesTheHelpBox)
{
    window.helpBox()->show();
    window.pageControl()->setCurrentIndex(2);
    EXPECT_TRUE(window.helpBox()->isHidden());
}
