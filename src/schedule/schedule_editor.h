#pragma once
// The page "Schaltzeiten": switching-time mask, the two lists, the copy group,
// the day timeline, and the groups the link and the settings file use.
//
// The cursor is the triple shown by CB_Wochentag, CB_Raum and
// CB_Schaltzeit_Nr. A selector without a selection (a download clears them)
// or the blank ninth number addresses no record: nothing is read or written.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "schedule/switching_rules.h"

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace lumivox {

class TVirelta;
class BarStrip;

class ScheduleEditor : public QObject {
    Q_OBJECT
public:
    ScheduleEditor(TVirelta& window, QWidget* page);
    ~ScheduleEditor() override;

    void showMotorListFirst();   // start-up: the list sorted by motor is shown
    void startUpMask();          // start-up: Mo, motor 1, number 1, 40s, ...
    void drawTimeline();         // the day timeline of the selected day and motor

    // After a settings file was read: both lists rebuilt, the names taken
    // again, the cursor back on Mo, motor 1, number 1 and shown.
    void refreshAfterLoad();

    // Both lists written anew from the model. Leaves the cursor alone.
    void rebuildLists();

    // For the download: clear the mask and the lists, tell what is being
    // read on line 6 of both lists, and afterwards rebuild the lists and put
    // the cursor on Mo, motor 1, number 1 (CB_WochentagClick then shows it).
    void clearForDownload();
    void showDownloadStatus(const QString& what);
    void finishDownload();

    // The motor a typed name renames: the last one the user chose in CB_Raum.
    int motorToRename() const { return motorToRename_; }

public slots:
    // Show: the mask, the list lines and the timeline follow the cursor.
    void CB_WochentagClick();
    // Store: a value selector was used.
    void CB_SchaltzeitClick();
    // Mark: flag the record under the cursor.
    void CB_FunktionChange();
    // Pick: a line of a list was clicked; x from the preceding mouse-down.
    void DatenListe_TagMouseDown(int x);
    void DatenListe_TagClick(QListWidget* list);
    void TagButtonClick();
    void MotorButtonClick();
    // Choose motor: the user chose an item of CB_Raum.
    void CB_RaumChange(int index);
    // Rename: Enter, leaving CB_Raum, or opening its list, after the user typed.
    void renameTypedMotor();
    // Copy every switching time of the CB_Raum motor to this one.
    void CB_Copy_RaumChange(int target);

    // The model's motor names into CB_Raum and CB_Copy_Raum.
    void takeMotorNames();

signals:
    // The day timeline was drawn; the heating page's week overview redraws
    // on the same occasions.
    void timelineDrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPage();
    QWidget* buildMask();
    QWidget* buildCopyGroup();
    QWidget* buildLists();
    QWidget* buildTimeline();
    QWidget* buildTransferGroup();
    QWidget* buildBackupGroup();
    QWidget* buildPortGroup();

    struct Cursor {
        int day, motor, number;
    };
    Cursor cursor() const;
    rec::Schaltzeit* record(const Cursor& c);
    void setGroupItems(int day, int selectItem);
    void showMotorName(int motor);
    void selectMotor(int motor);
    void putValues(const rec::Schaltzeit& r);
    void setListLines(QListWidget* list, const std::vector<std::string>& lines);
    schedule::ListOrder orderOf(const QListWidget* list) const;

    TVirelta& window_;
    QWidget* page_;

    QComboBox* wochentag_ = nullptr;
    QComboBox* raum_ = nullptr;
    QComboBox* nummer_ = nullptr;
    QComboBox* upDown_ = nullptr;
    QComboBox* schaltzeit_ = nullptr;
    QComboBox* dauer_ = nullptr;
    QComboBox* gruppe_ = nullptr;
    QComboBox* funktion_ = nullptr;
    QComboBox* copyRaum_ = nullptr;
    QLabel* copyFrom_ = nullptr;
    QListWidget* tagListe_ = nullptr;
    QListWidget* motorListe_ = nullptr;
    BarStrip* timeline_ = nullptr;
    QLabel* tagUndMotor_ = nullptr;

    int motorToRename_ = 0;
    bool typed_ = false;   // the user typed into CB_Raum since it last showed an item
    int mouseDownX_ = 0;
};

}  // namespace lumivox
