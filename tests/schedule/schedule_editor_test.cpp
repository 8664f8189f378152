#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"
#include "schedule/bar_strip.h"
#include "schedule/schedule_editor.h"

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace lumivox;

namespace {

enum Day { Mo, Di, Mi, Do, Fr, Sa, So };

// The window with the page in its start-up state, driven by objectName.
struct SchedulePage : ::testing::Test {
    ScriptedDialogs dialogs;
    TVirelta window{&dialogs};
    ScheduleEditor& editor = window.schedule();
    SettingsImage& model = window.model();
    int namesChanged = 0;

    SchedulePage()
    {
        model.initialise();
        editor.showMotorListFirst();
        editor.startUpMask();
        editor.drawTimeline();
        QObject::connect(&window, &TVirelta::motorNamesChanged, [this] { ++namesChanged; });
    }

    QComboBox* combo(const char* name) { return control<QComboBox>(&window, QString::fromLatin1(name)); }
    QListWidget* list(const char* name) { return control<QListWidget>(&window, QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return control<QLabel>(&window, QString::fromLatin1(name)); }

    // A user's pick in a drop-down list.
    void choose(const char* name, int index)
    {
        QComboBox* c = combo(name);
        ASSERT_NE(c, nullptr) << name;
        ASSERT_LT(index, c->count()) << name;
        c->setCurrentIndex(index);
        emit c->activated(index);
    }

    // Day, motor and number as the user picks them, then Show.
    void cursorTo(int day, int motor, int number)
    {
        choose("CB_Wochentag", day);
        choose("CB_Raum", motor);
        choose("CB_Schaltzeit_Nr", number);
    }

    void typeName(const QString& name)
    {
        QLineEdit* edit = combo("CB_Raum")->lineEdit();
        edit->selectAll();
        for (QChar ch : name) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
        }
    }

    void pressEnter()
    {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(combo("CB_Raum"), &enter);
    }

    void leaveNameField()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(combo("CB_Raum"), &out);
    }

    void openNameList()
    {
        combo("CB_Raum")->showPopup();
        combo("CB_Raum")->hidePopup();
    }

    // A click on a line at x pixels from the list's left edge.
    void clickLine(const char* name, int line, int x)
    {
        QListWidget* l = list(name);
        l->setCurrentRow(line);
        editor.DatenListe_TagMouseDown(x);
        editor.DatenListe_TagClick(l);
    }

    QString line(const char* name, int row) { return list(name)->item(row)->text(); }
};

struct BarSeen {
    int bar;
    int x, width;
    QColor colour;
    const char* caption;
};

void expectBars(const QWidget& window, const std::vector<BarSeen>& visible)
{
    for (int b = 1; b <= 9; ++b) {
        auto* bar = control<QLabel>(&window, QStringLiteral("B%1").arg(b));
        ASSERT_NE(bar, nullptr) << b;
        const BarSeen* seen = nullptr;
        for (const BarSeen& v : visible)
            if (v.bar == b)
                seen = &v;
        if (!seen) {
            EXPECT_EQ(bar->width(), 0) << "B" << b;
            continue;
        }
        EXPECT_EQ(bar->x(), seen->x) << "B" << b;
        EXPECT_EQ(bar->width(), seen->width) << "B" << b;
        EXPECT_EQ(bar->palette().color(QPalette::Window), seen->colour) << "B" << b;
        EXPECT_EQ(bar->text(), QString::fromLatin1(seen->caption)) << "B" << b;
    }
}

}  // namespace

TEST_F(SchedulePage, ControlsWithTheirItemsAndHints)
{
    struct Case { const char* name; int count; const char* first; const char* last; const char* hint; };
    const Case cases[] = {
        {"CB_Wochentag", 7, "Mo", "So", ""},
        {"CB_Raum", 8, "Motor 1", "Motor 8", ""},
        {"CB_Schaltzeit_Nr", 9, "1", " ", ""},
        {"CB_Up_Down", 2, "↑", "↓", "Laufrichtung"},
        {"CB_Schaltzeit", 1441, "     ", "23:59", "Aktivierungs-Uhrzeit"},
        {"CB_Dauer", 127, "1s", "Dau", "Laufzeit des Motors bei Aktivierung"},
        {"CB_Gruppe", 3, "-", "Mo - So", "Schaltzeit gilt für mehrere Wochentage"},
        {"CB_Funktion", 3, "-", "Zufall", "Zufallsfunktion, Astro-Funktion"},
        {"CB_Copy_Raum", 8, "Motor 1", "Motor 8", "Ziel-Motor"},
    };
    for (const Case& c : cases) {
        QComboBox* box = combo(c.name);
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_EQ(box->count(), c.count) << c.name;
        EXPECT_EQ(box->itemText(0), QString::fromUtf8(c.first)) << c.name;
        EXPECT_EQ(box->itemText(box->count() - 1), QString::fromUtf8(c.last)) << c.name;
        EXPECT_EQ(box->toolTip(), QString::fromUtf8(c.hint)) << c.name;
    }
    EXPECT_TRUE(combo("CB_Raum")->isEditable());
    EXPECT_EQ(combo("CB_Dauer")->itemText(99), QStringLiteral("100"));

    for (const char* name : {"Help_FS", "Help_SchZeitCopy", "Help_Datenaustausch", "Help_Sicherung", "Help_Port"}) {
        auto* help = control<QPushButton>(&window, QString::fromLatin1(name));
        ASSERT_NE(help, nullptr) << name;
        EXPECT_EQ(help->text(), QStringLiteral("?"));
        EXPECT_EQ(help->toolTip(), QStringLiteral("Hilfe"));
    }
    for (const char* name : {"Send_Button_RS", "Send_Button_WS", "Read_Button_RS", "Read_Button_WS", "SaveToDisk_Button",
                             "Read_From_Disk", "Combo_PortNum", "ProgressBar", "Label21", "GroupBox20",
                             "Tag_und_Motor", "TagButton", "MotorButton", "copy_from_label"})
        EXPECT_NE(control(&window, QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(list("DatenListe_Tag")->toolTip(), QStringLiteral("Anklicken überträgt Werte in Eingabemasken (oben links)"));
    EXPECT_EQ(label("copy_from_label")->toolTip(), QStringLiteral("Auswählen durch Anklicken in der Liste"));
}

TEST_F(SchedulePage, StartUpShowsTheMotorListAndTheDefaultMask)
{
    window.FormActivate();
    EXPECT_TRUE(list("DatenListe_Tag")->isHidden());
    EXPECT_FALSE(list("DatenListe_Motor")->isHidden());
    struct Case { const char* name; int index; };
    for (const Case& c : {Case{"CB_Wochentag", 0}, Case{"CB_Raum", 0}, Case{"CB_Copy_Raum", 0},
                          Case{"CB_Schaltzeit_Nr", 0}, Case{"CB_Up_Down", 0}, Case{"CB_Dauer", 39},
                          Case{"CB_Gruppe", 0}, Case{"CB_Funktion", 0}, Case{"CB_Schaltzeit", 0}})
        EXPECT_EQ(combo(c.name)->currentIndex(), c.index) << c.name;
    EXPECT_EQ(combo("CB_Dauer")->currentText(), QStringLiteral("40s"));
    EXPECT_EQ(label("copy_from_label")->text(), QStringLiteral("Motor 1"));
    // Until the first rebuild the lists hold their initial lines.
    EXPECT_EQ(line("DatenListe_Tag", 0), QStringLiteral("Mo  Motor 1 "));
    EXPECT_EQ(line("DatenListe_Motor", 7), QString(104, QLatin1Char('-')));
    EXPECT_EQ(list("DatenListe_Motor")->font().family(), fixedPitchFont().family());
}

TEST_F(SchedulePage, SortButtonsSwapTheLists)
{
    control<QPushButton>(&window, QStringLiteral("TagButton"))->click();
    EXPECT_FALSE(list("DatenListe_Tag")->isHidden());
    EXPECT_TRUE(list("DatenListe_Motor")->isHidden());
    control<QPushButton>(&window, QStringLiteral("MotorButton"))->click();
    EXPECT_TRUE(list("DatenListe_Tag")->isHidden());
    EXPECT_FALSE(list("DatenListe_Motor")->isHidden());
}

TEST_F(SchedulePage, TuesdayMoFrFillsTheWeekdaysAndTheLists)
{
    model.Schaltzeit[Sa][0][0] = {1, 1000, 39, 7, 0, 0};
    cursorTo(Di, 0, 0);
    choose("CB_Schaltzeit", 421);   // 07:00, still "-"
    choose("CB_Gruppe", 1);         // "Mo - Fr"
    for (int d = Mo; d <= Fr; ++d) {
        EXPECT_EQ(model.Schaltzeit[d][0][0].Uhrzeit, 421) << d;
        EXPECT_EQ(model.Schaltzeit[d][0][0].Gruppe, 5) << d;
        EXPECT_EQ(model.Schaltzeit[d][0][0].Geaendert, 1) << d;
        EXPECT_EQ(line("DatenListe_Tag", d * 9).mid(20, 11), QStringLiteral("07:00 ^ |  ")) << d;
        EXPECT_EQ(line("DatenListe_Motor", d).mid(20, 11), QStringLiteral("07:00 ^ |  ")) << d;
    }
    EXPECT_EQ(model.Schaltzeit[Sa][0][0].Gruppe, 2);
    EXPECT_EQ(model.Schaltzeit[Sa][0][0].Uhrzeit, 1000);
    EXPECT_EQ(line("DatenListe_Tag", 8).size(), 104);
    EXPECT_EQ(line("DatenListe_Tag", 9).size(), 108);

    expectBars(window, {{1, 5, 182, timelineUpColour(), ""}, {2, 187, 453, timelineUpColour(), "07:00"}});
    EXPECT_EQ(label("Tag_und_Motor")->text(), QStringLiteral("Di, Motor 1"));

    choose("CB_Gruppe", 0);   // back to "-": only Tuesday keeps the group
    choose("CB_Schaltzeit", 481);
    EXPECT_EQ(model.Schaltzeit[Di][0][0].Uhrzeit, 481);
    EXPECT_EQ(model.Schaltzeit[Mo][0][0].Uhrzeit, 421);
    EXPECT_EQ(model.Schaltzeit[Mo][0][0].Gruppe, 1);
}

TEST_F(SchedulePage, MoSoOnSundayWritesTheWholeWeek)
{
    cursorTo(So, 6, 7);
    choose("CB_Up_Down", 1);
    choose("CB_Schaltzeit", 1201);
    choose("CB_Funktion", 1);
    choose("CB_Gruppe", 2);
    for (int d = Mo; d <= So; ++d) {
        const rec::Schaltzeit& r = model.Schaltzeit[d][6][7];
        EXPECT_EQ(r.Gruppe, 7) << d;
        EXPECT_EQ(r.Uhrzeit, 1201) << d;
        EXPECT_EQ(r.Richtung, 1) << d;
        EXPECT_EQ(r.Funktion, 1) << d;
    }
    EXPECT_EQ(combo("CB_Gruppe")->itemText(1), QStringLiteral("Sa - So"));
}

TEST_F(SchedulePage, TimelineColoursFollowTheDirections)
{
    cursorTo(Mo, 0, 0);
    choose("CB_Schaltzeit", 361);   // 06:00 up
    cursorTo(Mo, 0, 1);
    choose("CB_Up_Down", 1);
    choose("CB_Schaltzeit", 1201);  // 20:00 down
    expectBars(window, {{1, 5, 155, Qt::black, ""},
                        {2, 160, 373, timelineUpColour(), "06:00"},
                        {3, 533, 107, Qt::black, "20:00"}});
    EXPECT_EQ(control<QGroupBox>(&window, QStringLiteral("GroupBox20"))->size(), QSize(657, 25));

    // Number 1 empty, number 2 at 08:00 down.
    cursorTo(Mi, 1, 1);
    choose("CB_Up_Down", 1);
    choose("CB_Schaltzeit", 481);
    expectBars(window, {{2, 5, 208, Qt::black, ""}, {3, 213, 427, Qt::black, "08:00"}});
    EXPECT_EQ(label("Tag_und_Motor")->text(), QStringLiteral("Mi, Motor 2"));
}

TEST_F(SchedulePage, PickFromTheLists)
{
    model.Schaltzeit[Di][0][0] = {1, 600, 12, 5, 2, 0};
    model.Schaltzeit[Di][0][7] = {0, 700, 13, 7, 1, 0};
    editor.rebuildLists();
    editor.TagButtonClick();

    clickLine("DatenListe_Tag", 8, 0);   // the separator after Monday, far left
    EXPECT_EQ(list("DatenListe_Tag")->currentRow(), 9);
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), Di);
    EXPECT_EQ(combo("CB_Raum")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Up_Down")->currentIndex(), 1);
    EXPECT_EQ(combo("CB_Schaltzeit")->currentIndex(), 600);
    EXPECT_EQ(combo("CB_Dauer")->currentIndex(), 12);
    EXPECT_EQ(combo("CB_Funktion")->currentIndex(), 2);
    EXPECT_EQ(combo("CB_Gruppe")->currentText(), QStringLiteral("Mo - Fr"));
    EXPECT_EQ(label("Tag_und_Motor")->text(), QStringLiteral("Di, Motor 1"));

    clickLine("DatenListe_Tag", 9, 752);   // far right: number 8
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 7);
    EXPECT_EQ(combo("CB_Gruppe")->currentText(), QStringLiteral("Mo - So"));

    // The motor list: line 13 is motor 2 on Saturday; a weekend Gruppe of 5 shows no item.
    model.Schaltzeit[Sa][1][3] = {0, 900, 39, 5, 0, 0};
    clickLine("DatenListe_Motor", 13, 250);
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), Sa);
    EXPECT_EQ(combo("CB_Raum")->currentIndex(), 1);
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 1);
    EXPECT_EQ(label("copy_from_label")->text(), QStringLiteral("Motor 2"));

    clickLine("DatenListe_Motor", 13, 360);
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 3);
    EXPECT_EQ(combo("CB_Gruppe")->currentIndex(), -1);
    EXPECT_EQ(combo("CB_Gruppe")->itemText(1), QStringLiteral("Sa - So"));

    // Store with no group item writes nothing but still rebuilds the lists.
    model.MotorNamen[1] = "Bad";
    choose("CB_Schaltzeit", 100);
    EXPECT_EQ(model.Schaltzeit[Sa][1][3].Uhrzeit, 900);
    EXPECT_EQ(line("DatenListe_Motor", 13).left(7), QStringLiteral("Sa  Bad"));
}

TEST_F(SchedulePage, MouseDownOnTheViewportGivesTheNumber)
{
    QListWidget* l = list("DatenListe_Motor");
    l->resize(753, 300);
    l->doItemsLayout();
    auto send = [l](QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, l->viewport()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(l->viewport(), &event);
    };
    const QPoint at(600, l->visualItemRect(l->item(2)).center().y());
    send(QEvent::MouseButtonPress, at);
    send(QEvent::MouseButtonRelease, at);
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), Mi);
    EXPECT_EQ(combo("CB_Raum")->currentIndex(), 0);
    const int x = l->viewport()->mapTo(l, at).x();
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), schedule::numberAtX(x, 753));
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 6);

    // The second press of a double click arrives as a double click of its
    // own; on another line and column it picks from where it was made.
    const QPoint second(250, l->visualItemRect(l->item(4)).center().y());
    send(QEvent::MouseButtonDblClick, second);
    send(QEvent::MouseButtonRelease, second);
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), Fr);
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 1);
}

TEST_F(SchedulePage, RenameAfterTypingByEnterLeavingOrOpeningTheList)
{
    struct Case { const char* how; void (SchedulePage::*finish)(); };
    const Case cases[] = {{"Enter", &SchedulePage::pressEnter},
                          {"leaving", &SchedulePage::leaveNameField},
                          {"opening the list", &SchedulePage::openNameList}};
    int round = 0;
    for (const Case& c : cases) {
        model.initialise();
        editor.refreshAfterLoad();
        namesChanged = 0;
        choose("CB_Raum", 2);
        // A list click moves the cursor to motor 6 but not the motor to rename.
        clickLine("DatenListe_Motor", 5 * 8 + 1, 0);
        ASSERT_EQ(combo("CB_Raum")->currentIndex(), 5);
        const QString name = QStringLiteral("Kinderzimmer%1Süd").arg(round++);   // 16 characters
        typeName(name);
        EXPECT_EQ(model.MotorNamen[2], "Motor 3") << c.how;   // nothing yet
        (this->*c.finish)();
        EXPECT_EQ(QString::fromLatin1(model.MotorNamen[2].c_str()), name) << c.how;
        EXPECT_EQ(combo("CB_Raum")->itemText(2), name) << c.how;
        EXPECT_EQ(combo("CB_Copy_Raum")->itemText(2), name) << c.how;
        EXPECT_EQ(combo("CB_Raum")->currentIndex(), 2) << c.how;
        EXPECT_EQ(label("copy_from_label")->text(), name) << c.how;
        EXPECT_EQ(namesChanged, 1) << c.how;
        const QString head = QStringLiteral("  ") + name.left(12) + QStringLiteral("    ");
        for (int d = Mo; d <= So; ++d) {
            EXPECT_EQ(line("DatenListe_Tag", d * 9 + 2).mid(2, 18), head) << c.how << d;
            EXPECT_EQ(line("DatenListe_Motor", 2 * 8 + d).mid(2, 18), head) << c.how << d;
        }
    }
}

TEST_F(SchedulePage, NoRenameWithoutTyping)
{
    choose("CB_Raum", 4);
    leaveNameField();
    pressEnter();
    openNameList();
    EXPECT_EQ(namesChanged, 0);
    EXPECT_EQ(model.MotorNamen[4], "Motor 5");
    EXPECT_EQ(combo("CB_Raum")->itemText(4), QStringLiteral("Motor 5"));
}

TEST_F(SchedulePage, NamesChangedElsewhereReachBothSelectors)
{
    choose("CB_Raum", 5);
    model.MotorNamen[5] = "K\xFC" "che";
    model.MotorNamen[0] = "Flur";
    emit window.motorNamesChanged();
    EXPECT_EQ(combo("CB_Raum")->itemText(5), QStringLiteral("Küche"));
    EXPECT_EQ(combo("CB_Raum")->currentText(), QStringLiteral("Küche"));
    EXPECT_EQ(combo("CB_Copy_Raum")->itemText(0), QStringLiteral("Flur"));
}

TEST_F(SchedulePage, CopyMotorOneToFour)
{
    for (int d = 0; d < kDays; ++d)
        for (int n = 0; n < kNumbers; ++n) {
            model.Schaltzeit[d][0][n] = {n % 2, 60 * d + n + 1, n, 1, 0, 0};
            model.Schaltzeit[d][4][n] = {1, 999, 3, 1, 0, 0};
        }
    cursorTo(Do, 0, 0);
    choose("CB_Copy_Raum", 3);
    for (int d = 0; d < kDays; ++d) {
        for (int n = 0; n < kNumbers; ++n) {
            EXPECT_EQ(model.Schaltzeit[d][3][n].Uhrzeit, model.Schaltzeit[d][0][n].Uhrzeit);
            EXPECT_EQ(model.Schaltzeit[d][3][n].Richtung, model.Schaltzeit[d][0][n].Richtung);
            EXPECT_EQ(model.Schaltzeit[d][3][n].Dauer, model.Schaltzeit[d][0][n].Dauer);
            EXPECT_EQ(model.Schaltzeit[d][3][n].Geaendert, 1);
            EXPECT_EQ(model.Schaltzeit[d][4][n].Uhrzeit, 999);
            EXPECT_EQ(model.Schaltzeit[d][0][n].Geaendert, 0);
        }
    }
    EXPECT_EQ(line("DatenListe_Motor", 3 * 8 + Do).mid(20), line("DatenListe_Motor", Do).mid(20));
    EXPECT_EQ(line("DatenListe_Motor", 3 * 8 + Do).left(11), QStringLiteral("Do  Motor 4"));
}

TEST_F(SchedulePage, NoValidCursorChangesNothing)
{
    for (auto& day : model.Schaltzeit)
        for (auto& motor : day)
            for (auto& entry : motor)
                entry.Geaendert = 0;
    const WeekSchedule cleared = model.Schaltzeit;
    auto sameTimesAndFlags = [](const WeekSchedule& a, const WeekSchedule& b) {
        for (int d = 0; d < kDays; ++d)
            for (int m = 0; m < kMotors; ++m)
                for (int n = 0; n < kNumbers; ++n)
                    if (a[d][m][n].Uhrzeit != b[d][m][n].Uhrzeit || a[d][m][n].Geaendert != b[d][m][n].Geaendert ||
                        a[d][m][n].Gruppe != b[d][m][n].Gruppe)
                        return false;
        return true;
    };

    choose("CB_Schaltzeit_Nr", 8);   // the blank ninth number
    choose("CB_Schaltzeit", 300);
    choose("CB_Gruppe", 2);
    EXPECT_TRUE(sameTimesAndFlags(cleared, model.Schaltzeit));

    editor.clearForDownload();
    for (const char* name : {"CB_Wochentag", "CB_Raum", "CB_Schaltzeit_Nr", "CB_Up_Down", "CB_Schaltzeit", "CB_Dauer",
                             "CB_Gruppe", "CB_Funktion"})
        EXPECT_EQ(combo(name)->currentIndex(), -1) << name;
    EXPECT_EQ(line("DatenListe_Tag", 6), QString(30, QLatin1Char(' ')) + QStringLiteral("Lese Daten von Steuerung ..."));
    EXPECT_EQ(line("DatenListe_Motor", 0), QString());
    editor.CB_SchaltzeitClick();
    editor.CB_FunktionChange();
    editor.CB_WochentagClick();
    clickLine("DatenListe_Tag", 3, 400);
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), -1);
    EXPECT_TRUE(sameTimesAndFlags(cleared, model.Schaltzeit));

    editor.showDownloadStatus(QStringLiteral("Schaltzeiten Mi"));
    EXPECT_EQ(line("DatenListe_Motor", 6),
              QString(30, QLatin1Char(' ')) + QStringLiteral("Lese Daten von Steuerung ...   Schaltzeiten Mi"));
    editor.finishDownload();
    editor.CB_WochentagClick();
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Raum")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Gruppe")->currentIndex(), 0);
    EXPECT_EQ(line("DatenListe_Motor", 0).size(), 108);
}

TEST_F(SchedulePage, MarkFlagsTheRecordEvenWhenStoreWritesNothing)
{
    model.Schaltzeit[Mo][0][2] = {0, 10, 39, 3, 0, 0};   // a Gruppe no item shows
    cursorTo(Mo, 0, 2);
    EXPECT_EQ(combo("CB_Gruppe")->currentIndex(), -1);
    choose("CB_Dauer", 5);
    EXPECT_EQ(model.Schaltzeit[Mo][0][2].Dauer, 39);
    EXPECT_EQ(model.Schaltzeit[Mo][0][2].Geaendert, 1);
}

TEST_F(SchedulePage, ValuesNoItemMatchesAreNotWrittenBack)
{
    model.Schaltzeit[Fr][2][0] = {0, 10, 500, 1, 9, 0};   // Dauer and Funktion out of their lists
    cursorTo(Fr, 2, 0);
    EXPECT_EQ(combo("CB_Dauer")->currentIndex(), -1);
    EXPECT_EQ(combo("CB_Funktion")->currentIndex(), -1);
    choose("CB_Schaltzeit", 20);
    EXPECT_EQ(model.Schaltzeit[Fr][2][0].Uhrzeit, 20);
    EXPECT_EQ(model.Schaltzeit[Fr][2][0].Dauer, 500);
    EXPECT_EQ(model.Schaltzeit[Fr][2][0].Funktion, 9);
}

TEST_F(SchedulePage, RefreshAfterLoadPutsTheCursorOnMondayMotorOne)
{
    cursorTo(Sa, 5, 4);
    model.MotorNamen[0] = "Wohnen";
    model.Schaltzeit[Mo][0][0] = {1, 1141, 20, 7, 2, 1};
    editor.refreshAfterLoad();
    EXPECT_EQ(combo("CB_Wochentag")->currentIndex(), Mo);
    EXPECT_EQ(combo("CB_Raum")->currentText(), QStringLiteral("Wohnen"));
    EXPECT_EQ(combo("CB_Copy_Raum")->itemText(0), QStringLiteral("Wohnen"));
    EXPECT_EQ(label("copy_from_label")->text(), QStringLiteral("Wohnen"));
    EXPECT_EQ(combo("CB_Schaltzeit_Nr")->currentIndex(), 0);
    EXPECT_EQ(combo("CB_Schaltzeit")->currentText(), QStringLiteral("19:00"));
    EXPECT_EQ(combo("CB_Gruppe")->currentText(), QStringLiteral("Mo - So"));
    EXPECT_EQ(line("DatenListe_Motor", 0).left(29), QStringLiteral("Mo  Wohnen          19:00 v |"));
    EXPECT_EQ(label("Tag_und_Motor")->text(), QStringLiteral("Mo, Wohnen"));
    EXPECT_EQ(label("B2")->text(), QStringLiteral("19:00"));
}

TEST_F(SchedulePage, ALongNameKeepsThePageInItsWindow)
{
    window.resize(822, 589);
    window.show();
    QApplication::processEvents();
    QWidget* page = window.page(QStringLiteral("Schaltzeit_Maske"));
    auto* copyGroup = control<QGroupBox>(&window, QStringLiteral("GroupBox_Kopieren"));
    auto* timeline = control<QGroupBox>(&window, QStringLiteral("GroupBox20"));
    ASSERT_TRUE(page && copyGroup && timeline);
    const QRect copyBefore = copyGroup->geometry();

    const QString name = QStringLiteral("Wohnzimmer West am großen Fenster zur Terrasse");
    choose("CB_Raum", 0);
    typeName(name);
    pressEnter();
    cursorTo(Mo, 0, 0);   // the timeline caption takes the new name
    QApplication::processEvents();

    EXPECT_EQ(label("Tag_und_Motor")->text(), QStringLiteral("Mo, ") + name);
    EXPECT_EQ(label("copy_from_label")->text(), name);
    const QRect box(timeline->mapTo(page, QPoint(0, 0)), timeline->size());
    EXPECT_LE(box.right(), page->width()) << "the day timeline is pushed off the page";
    EXPECT_EQ(timeline->size(), QSize(657, 25));
    EXPECT_EQ(copyGroup->geometry(), copyBefore);
    EXPECT_EQ(combo("CB_Raum")->lineEdit()->cursorPosition(), 0);
}
