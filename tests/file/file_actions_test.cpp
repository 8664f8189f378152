#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"
#include "file/settings_file.h"
#include "file_test_support.h"

using namespace lumivox;
using namespace lumivox::filetest;

namespace {

struct FileButtons : ::testing::Test {
    ScriptedDialogs dialogs;
    TVirelta window{&dialogs};
    QTemporaryDir dir;
    int namesChanged = 0;

    void SetUp() override
    {
        window.FormActivate();
        dialogs.shown.clear();
        QObject::connect(&window, &TVirelta::motorNamesChanged, [this] { ++namesChanged; });
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static void put(const QString& file, const std::string& bytes) { writeBytes(file.toStdString(), bytes); }
    static std::string get(const QString& file) { return readBytes(file.toStdString()); }

    void click(const char* button)
    {
        auto* b = control<QPushButton>(&window, QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    // The group page's boxes, as it will name them.
    std::vector<QCheckBox*> addGroupBoxes()
    {
        std::vector<QCheckBox*> boxes;
        QWidget* page = window.page(QStringLiteral("Parameter"));
        for (int i = 1; i <= 32; ++i) {
            auto* box = new QCheckBox(page);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(i));
            boxes.push_back(box);
        }
        return boxes;
    }
};

}  // namespace

TEST_F(FileButtons, SaveWritesTheImageAndChangesNothing)
{
    window.model().markAllSent();
    const SettingsImage before = window.model();
    dialogs.setNextFileName(path("a.vsz"));
    click("SaveToDisk_Button");
    EXPECT_EQ(dialogs.filtersAsked, QStringList{QStringLiteral("Virelta Schaltzeiten (*.vsz)|*.vsz")});
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(get(path("a.vsz")) == fixture("defaults.vsz"));
    EXPECT_EQ(differences(window.model(), before), std::vector<std::string>{});
}

TEST_F(FileButtons, OverwriteIsAskedAndNeinKeepsTheFile)
{
    for (bool yes : {false, true}) {
        put(path("a.vsz"), "old");
        dialogs.shown.clear();
        dialogs.setNextFileName(path("a.vsz"));
        dialogs.setNextAnswer(yes);
        click("SaveToDisk_Button");
        const QString question = QDir::toNativeSeparators(path("a.vsz"))
                                 + QStringLiteral(" existiert. Wollen Sie die Datei überschreiben?");
        if (yes) {
            EXPECT_EQ(dialogs.shown, QStringList{question});
            EXPECT_TRUE(get(path("a.vsz")) == fixture("defaults.vsz"));
        } else {
            EXPECT_EQ(dialogs.shown, (QStringList{question, QStringLiteral("Die Daten wurden nicht gespeichert")}));
            EXPECT_EQ(get(path("a.vsz")), "old");
        }
    }
}

TEST_F(FileButtons, CancelledDialogsDoNothing)
{
    window.model().markAllSent();
    const SettingsImage before = window.model();
    click("SaveToDisk_Button");
    click("Read_From_Disk");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(namesChanged, 0);
    EXPECT_EQ(differences(window.model(), before), std::vector<std::string>{});
}

TEST_F(FileButtons, ASaveThatCannotWriteShowsTheError)
{
    dialogs.setNextFileName(path("missing/a.vsz"));
    click("SaveToDisk_Button");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QDir::toNativeSeparators(path("missing/a.vsz"))));
}

TEST_F(FileButtons, LoadReplacesTheModelAndRefreshesTheEditors)
{
    window.model().BearbeitetesProfil = 1;
    window.model().markAllSent();
    dialogs.setNextFileName(QString::fromStdString(fixturePath("varied.vsz")));
    click("Read_From_Disk");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(QLatin1Char('|')).toStdString();
    SettingsImage expected = variedImage();
    expected.BearbeitetesProfil = 1;
    EXPECT_EQ(differences(window.model(), expected), std::vector<std::string>{});
    EXPECT_EQ(namesChanged, 1);
    auto* raum = control<QComboBox>(&window, QStringLiteral("CB_Raum"));
    ASSERT_NE(raum, nullptr);
    EXPECT_EQ(raum->currentIndex(), 0);
    EXPECT_EQ(raum->itemText(6), QStringLiteral("Straße=Süd,Ost"));
    auto* day = control<QComboBox>(&window, QStringLiteral("CB_Wochentag"));
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->currentText(), QStringLiteral("Mo"));
}

TEST_F(FileButtons, AFailedLoadChangesNothing)
{
    put(path("bad.vsz"), fixture("varied.vsz") + "[Wind_Motor1_Profil1]\r\nGeschwindigkeit=viel\r\n");
    window.model().markAllSent();
    window.model().GruppenZentralsteuerung.Gruppe = {1, 2, 3, 4};
    const SettingsImage before = window.model();
    const struct {
        const char* file;
        QString message;
    } cases[] = {
        {"bad.vsz", QStringLiteral("'viel' ist kein gültiger Integerwert (Zeile 4900)")},
        {"none.vsz", QStringLiteral("File not found")},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        dialogs.setNextFileName(path(c.file));
        click("Read_From_Disk");
        EXPECT_EQ(dialogs.shown, QStringList{c.message});
        EXPECT_EQ(differences(window.model(), before), std::vector<std::string>{}) << c.file;
        EXPECT_EQ(namesChanged, 0);
    }
}

TEST_F(FileButtons, GroupCheckBoxesArePackedBeforeSavingAndSetAfterLoading)
{
    const auto boxes = addGroupBoxes();
    for (int i : {0, 2, 31})   // boxes 1, 3 and 32
        boxes[i]->setChecked(true);
    dialogs.setNextFileName(path("a.vsz"));
    click("SaveToDisk_Button");
    EXPECT_NE(get(path("a.vsz")).find("Gruppe_1=5\r\nGruppe_2=0\r\nGruppe_3=0\r\nGruppe_4=128\r\n"), std::string::npos);

    put(path("b.vsz"), "[Gruppen-Zentralsteuerung_]\r\nGruppe_2=6\r\nGruppe_3=255\r\n");
    dialogs.setNextFileName(path("b.vsz"));
    click("Read_From_Disk");
    for (int i = 0; i < 32; ++i) {
        const bool expected = i == 9 || i == 10 || (i >= 16 && i < 24);
        EXPECT_EQ(boxes[i]->isChecked(), expected) << "CheckBox" << i + 1;
    }
    EXPECT_EQ(window.model().GruppenZentralsteuerung.Gruppe, (std::array<int32_t, 4>{0, 6, 255, 0}));
}
