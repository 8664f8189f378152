#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "automation/automation_editors.h"
#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"

using namespace lumivox;

namespace {

struct Editors : ::testing::Test {
    ScriptedDialogs dialogs;
    TVirelta window{&dialogs};
    SettingsImage& model = window.model();

    void SetUp() override { window.automation().startUp(); }

    template <typename T = QWidget>
    T* get(const char* name)
    {
        T* w = control<T>(&window, QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A pick in a drop-down, as the mouse makes it.
    void pick(const char* name, int index)
    {
        auto* combo = get<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(const char* list, int row) { get<QListWidget>(list)->setCurrentRow(row); }
    void doubleClick(const char* list, int row)
    {
        auto* l = get<QListWidget>(list);
        emit l->itemDoubleClicked(l->item(row));
    }
    QString line(const char* list, int row) { return get<QListWidget>(list)->item(row)->text(); }
    void enter(const char* page) { window.automation().pageEntered(window.page(QString::fromLatin1(page))); }
    void clearFlags()
    {
        model.forEachAutomaticArray([](auto& records) {
            for (auto& profile : records)
                for (auto& r : profile)
                    r.Geaendert = 0;
        });
    }
};

struct EditorNames {
    const char* list;
    const char* motor;
    const char* onOff;
    const char* aValueControl;   // hidden while "AUS"
    const char* caption;
    const char* help;
};

constexpr EditorNames kEditors[] = {
    {"BA_Liste", "BA_Raum", "BA_EIN_AUS", "BA_LuxAktuell", "Label26", "Help_BA"},
    {"DM_Liste", "DM_Raum", "DM_Ein_Aus", "DM_Label4", "DM_Label0", "Help_DM"},
    {"DA_Liste", "DA_Raum", "DA_Ein_Aus", "DA_Dauer", "DA_Label0", "Help_DA"},
    {"EW_Liste", "EW_Raum", "EW_Ein_Aus", "EW_Label3", "EW_Label0", "Help_EW"},
    {"ER_Liste", "ER_Raum", "ER_Ein_Aus", "ER_Richtung", "ER_Label0", "Help_ER"},
    {"RelF_Liste", "RelF_Raum", "RelF_Ein_Aus", "RelF_Ab_Auf", "Label29", "Help_Feuchte"},
    {"RA_Liste", "RA_Raum", "RA_Ein_Aus", "RA_Label2", "RA_Label0", "Help_Reversier"},
    {"Tast_Liste", "Tast_Raum", "Tast_Ein_Aus", "Tast_Dauer", "Label17", "Help_TA"},
};

}  // namespace

TEST_F(Editors, StartUpSelectsFirstLineMotorOneAndOffWithValuesHidden)
{
    for (const EditorNames& e : kEditors) {
        EXPECT_EQ(get<QListWidget>(e.list)->currentRow(), 0) << e.list;
        EXPECT_EQ(get<QComboBox>(e.motor)->currentText(), QStringLiteral("Motor 1")) << e.motor;
        EXPECT_EQ(get<QComboBox>(e.onOff)->currentText(), QStringLiteral("AUS")) << e.onOff;
        EXPECT_TRUE(get(e.aValueControl)->isHidden()) << e.aValueControl;
        EXPECT_EQ(get<QListWidget>(e.list)->count(), 8) << e.list;
    }
    EXPECT_EQ(get<QLineEdit>("RelF_kl_gr")->text(), QStringLiteral("F<"));
    EXPECT_EQ(get<QLineEdit>("RelF_Ab_Auf")->text(), arrowItemsUpDown()[1]);
    for (const char* label : {"BA_Label5", "DM_Label4", "DA_Label4"})
        EXPECT_EQ(get<QLabel>(label)->text(), QStringLiteral("Lux mittel"));
    for (const char* field : {"BA_LuxAktuell", "DM_LuxAktuell", "DA_LuxAktuell"})
        EXPECT_EQ(get<QLineEdit>(field)->text(), QStringLiteral("250"));
}

TEST_F(Editors, ListClickLoadsTheMaskAndFlagsNothing)
{
    model.Beschattung[0][3].EinAus = 0;
    model.Beschattung[0][3].Temperatur = 20;
    clearFlags();
    click("BA_Liste", 3);
    EXPECT_EQ(get<QComboBox>("BA_Raum")->currentIndex(), 3);
    EXPECT_EQ(get<QComboBox>("BA_Temperatur")->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(get("BA_Temperatur")->isHidden());
    for (int m = 0; m < kMotors; ++m)
        EXPECT_EQ(model.Beschattung[0][m].Geaendert, 0) << m;
}

TEST_F(Editors, MotorPickFlagsOnlyThatMotorsRecord)
{
    clearFlags();
    pick("DA_Raum", 5);
    for (int m = 0; m < kMotors; ++m)
        EXPECT_EQ(model.DaemmerungAbend[0][m].Geaendert, m == 5 ? 1 : 0) << m;
    EXPECT_EQ(get<QListWidget>("DA_Liste")->currentRow(), 5);
    EXPECT_EQ(model.DaemmerungMorgen[0][5].Geaendert, 0);
}

TEST_F(Editors, DoubleClickTogglesAndShowsOrHidesTheValues)
{
    enter("Beschattung_Maske");
    clearFlags();
    doubleClick("DM_Liste", 2);
    EXPECT_EQ(model.DaemmerungMorgen[0][2].EinAus, 0);
    EXPECT_EQ(model.DaemmerungMorgen[0][2].Geaendert, 1);
    EXPECT_EQ(get<QComboBox>("DM_Raum")->currentIndex(), 2);
    EXPECT_FALSE(get("DM_von")->isHidden());
    EXPECT_FALSE(get("DM_LuxAktuell")->isHidden());
    EXPECT_EQ(line("DM_Liste", 2), QStringLiteral("Motor 3       EIN    08:00   110      40s"));

    doubleClick("DM_Liste", 2);
    EXPECT_EQ(model.DaemmerungMorgen[0][2].EinAus, 1);
    EXPECT_TRUE(get("DM_von")->isHidden());
    EXPECT_EQ(line("DM_Liste", 2), QStringLiteral("Motor 3       AUS"));

    // Push-button and reversing are separate records of the same motor.
    doubleClick("Tast_Liste", 1);
    EXPECT_EQ(model.TastAutomatik[0][1].EinAus, 0);
    EXPECT_EQ(model.Reversierung[0][1].EinAus, 1);
    EXPECT_EQ(model.Reversierung[0][1].Geaendert, 0);
}

TEST_F(Editors, ValuePickStoresAndCommits)
{
    doubleClick("RA_Liste", 3);
    clearFlags();
    pick("RA_Ab", 12);
    EXPECT_EQ(model.Reversierung[0][3].Bei_Ab, 12);
    EXPECT_EQ(model.Reversierung[0][3].Geaendert, 1);
    EXPECT_EQ(line("RA_Liste", 3), QStringLiteral("Motor 4       EIN      0,4s          1,2s"));
}

TEST_F(Editors, AlternativeProfileNeverTouchesStandard)
{
    const rec::Beschattung standard = model.Beschattung[0][1];
    model.BearbeitetesProfil = 1;
    enter("Beschattung_Maske");
    EXPECT_FALSE(get("AP_Label1")->isHidden());
    EXPECT_FALSE(get("AP_Label2")->isHidden());
    doubleClick("BA_Liste", 1);
    pick("BA_Lux", 10);
    EXPECT_EQ(model.Beschattung[1][1].EinAus, 0);
    EXPECT_EQ(model.Beschattung[1][1].Helligkeit, 10);
    EXPECT_EQ(model.Beschattung[0][1].EinAus, standard.EinAus);
    EXPECT_EQ(model.Beschattung[0][1].Helligkeit, standard.Helligkeit);
    EXPECT_EQ(model.Beschattung[0][1].Geaendert, standard.Geaendert);

    model.BearbeitetesProfil = 0;
    enter("Beschattung_Maske");
    EXPECT_TRUE(get("AP_Label1")->isHidden());
    EXPECT_EQ(get<QComboBox>("BA_EIN_AUS")->currentText(), QStringLiteral("AUS"));
    EXPECT_TRUE(line("BA_Liste", 1).endsWith(QStringLiteral("AUS")));
}

TEST_F(Editors, ShadingWindowRuleThroughTheMask)
{
    doubleClick("BA_Liste", 0);
    pick("BA_Bis", 3);    // 08:00, Von 10:00 moves to 07:00
    EXPECT_EQ(model.Beschattung[0][0].Von, 2);
    pick("BA_von", 17);   // 22:00
    EXPECT_EQ(get<QComboBox>("BA_von")->currentText(), QStringLiteral("21:00"));
    EXPECT_EQ(get<QComboBox>("BA_Bis")->currentText(), QStringLiteral("22:00"));
    EXPECT_EQ(model.Beschattung[0][0].Von, 16);
    EXPECT_EQ(model.Beschattung[0][0].Bis, 17);
}

TEST_F(Editors, WindAndRainShareTheDirectionOfTheRainRecord)
{
    model.Wind[0][2].EinAus = 0;
    model.Regen[0][2].EinAus = 0;
    model.Regen[0][4].Richtung = 0;
    enter("Wind_Regen_Maske");
    click("EW_Liste", 2);
    click("ER_Liste", 4);
    clearFlags();

    pick("EW_Richtung", 1);
    EXPECT_EQ(model.Regen[0][2].Richtung, 1);
    EXPECT_EQ(model.Wind[0][2].Geaendert, 1);
    EXPECT_EQ(model.Regen[0][2].Geaendert, 1);
    EXPECT_EQ(model.Regen[0][4].Geaendert, 1);
    EXPECT_EQ(model.Regen[0][4].Richtung, 0);
    EXPECT_TRUE(line("EW_Liste", 2).endsWith(QLatin1Char('v')));
    EXPECT_TRUE(line("ER_Liste", 2).endsWith(QLatin1Char('v')));
    EXPECT_EQ(get<QComboBox>("ER_Raum")->currentIndex(), 4);
    EXPECT_EQ(get<QComboBox>("ER_Richtung")->currentIndex(), 0);
    EXPECT_EQ(get<QListWidget>("ER_Liste")->currentRow(), 4);

    // Both masks on one motor: a pick in either selector shows in the other.
    click("ER_Liste", 2);
    pick("ER_Richtung", 0);
    EXPECT_EQ(model.Regen[0][2].Richtung, 0);
    EXPECT_EQ(get<QComboBox>("EW_Richtung")->currentIndex(), 0);
    EXPECT_TRUE(line("EW_Liste", 2).endsWith(QLatin1Char('^')));
}

TEST_F(Editors, HumidityRulesAndDerivedFields)
{
    doubleClick("RelF_Liste", 0);
    pick("RelF_Schwelle_1", 49);
    pick("RelF_Schwelle_2", 40);
    model.FeuchtigkeitsSteuerung[0][0].Schwelle2 = 49;   // both 50%
    click("RelF_Liste", 0);
    pick("RelF_gr_kl", 1);
    EXPECT_EQ(get<QComboBox>("RelF_Schwelle_2")->currentText(), QStringLiteral("51%"));
    EXPECT_EQ(model.FeuchtigkeitsSteuerung[0][0].Schwelle2, 50);
    EXPECT_EQ(get<QLineEdit>("RelF_kl_gr")->text(), QStringLiteral("F>"));
    EXPECT_NE(get<QLineEdit>("RelF_Ab_Auf")->text(), arrowItemsUpDown()[1]);

    pick("RelF_von", 8);
    pick("RelF_bis", 6);   // 06:00 before 08:00: von follows
    EXPECT_EQ(model.FeuchtigkeitsSteuerung[0][0].Von, 6);
    EXPECT_TRUE(line("RelF_Liste", 0).contains(QStringLiteral("ganztägig")));

    // Another motor's settings reach the derived fields on a list click.
    click("RelF_Liste", 5);
    EXPECT_EQ(get<QLineEdit>("RelF_kl_gr")->text(), QStringLiteral("F<"));
    EXPECT_EQ(get<QLineEdit>("RelF_Ab_Auf")->text(), arrowItemsUpDown()[1]);
}

TEST_F(Editors, StoredIndexOutsideTheItemsShowsNothingAndIsKept)
{
    model.Beschattung[0][0].EinAus = 0;
    model.Beschattung[0][0].Temperatur = 99;
    enter("Beschattung_Maske");
    EXPECT_EQ(get<QComboBox>("BA_Temperatur")->currentIndex(), -1);
    EXPECT_TRUE(line("BA_Liste", 0).startsWith(QStringLiteral("Motor 1       EIN    °C  10:00")));
    pick("BA_Lux", 0);
    EXPECT_EQ(model.Beschattung[0][0].Temperatur, 99);
    EXPECT_EQ(model.Beschattung[0][0].Helligkeit, 0);
}

TEST_F(Editors, BrightnessClickTogglesAllThreeCaptions)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(get("DA_LuxAktuell"), &press);
    EXPECT_FALSE(window.LuxMittel);
    for (const char* label : {"BA_Label5", "DM_Label4", "DA_Label4"})
        EXPECT_EQ(get<QLabel>(label)->text(), QStringLiteral("Lux aktuell"));
    QApplication::sendEvent(get("BA_LuxAktuell"), &press);
    EXPECT_TRUE(window.LuxMittel);
    EXPECT_EQ(get<QLabel>("DM_Label4")->text(), QStringLiteral("Lux mittel"));
}

TEST_F(Editors, MotorNamesFollowTheModel)
{
    model.MotorNamen[0] = "K\xFC" "che mit Essplatz";
    emit window.motorNamesChanged();
    EXPECT_EQ(get<QComboBox>("Tast_Raum")->itemText(0), QStringLiteral("Küche mit Essplatz"));
    EXPECT_EQ(line("RelF_Liste", 0), QStringLiteral("Küche mit Es  AUS"));
    model.MotorNamen[1] = "";
    enter("Handsteuerung_Maske");
    EXPECT_EQ(line("RA_Liste", 1), QStringLiteral("             AUS      "));
}

TEST_F(Editors, PageRefreshStartsFromTheSelectedLine)
{
    click("Tast_Liste", 6);
    model.TastAutomatik[0][6].EinAus = 0;
    model.TastAutomatik[0][6].Dauer = 189;
    enter("Handsteuerung_Maske");
    EXPECT_EQ(get<QComboBox>("Tast_Raum")->currentIndex(), 6);
    EXPECT_EQ(get<QComboBox>("Tast_Dauer")->currentText(), QStringLiteral("999s"));
    EXPECT_TRUE(line("Tast_Liste", 6).endsWith(QStringLiteral("999s")));
}

// The head of every mask: caption, motor, on/off and "?" side by side, none
// covering another, all inside the group's frame.
TEST_F(Editors, MaskHeadControlsDoNotOverlap)
{
    for (const EditorNames& e : kEditors) {
        QWidget* help = get(e.help);
        const QRect frame = help->parentWidget()->contentsRect();
        const QRect helpAt = help->geometry();
        EXPECT_TRUE(frame.contains(helpAt)) << e.help;
        for (const char* other : {e.caption, e.motor, e.onOff})
            EXPECT_FALSE(helpAt.intersects(get(other)->geometry())) << e.help << " covers " << other;
        EXPECT_FALSE(get(e.motor)->geometry().intersects(get(e.onOff)->geometry())) << e.motor;
        // "EIN / AUS" stands over the on/off selector, inside the caption.
        auto* caption = get<QLabel>(e.caption);
        const int titleEnd = get(e.onOff)->x() + caption->fontMetrics().horizontalAdvance(QStringLiteral("EIN / AUS"));
        EXPECT_LE(titleEnd, caption->geometry().right()) << e.caption;
        EXPECT_EQ(caption->text().right(9), QStringLiteral("EIN / AUS")) << e.caption;
    }
}
