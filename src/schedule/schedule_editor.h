#pragma once
// The page "Schaltzeiten": switching-time mask, the two lists, the copy group,
// the day timeline, and the groups the link and the settings file use.

#include <QObject>

class QWidget;

namespace lumivox {

class TVirelta;

class ScheduleEditor : public QObject {
    Q_OBJECT
public:
    ScheduleEditor(TVirelta& window, QWidget* page);

    void showMotorListFirst();   // start-up: the list sorted by motor is shown
    void startUpMask();          // start-up: Mo, motor 1, number 1, 40s, ...
    void drawTimeline();         // the day timeline of the selected day and motor

    // After a settings file was read: both lists rebuilt, the names taken
    // again, the cursor back on Mo, motor 1, number 1 and shown.
    void refreshAfterLoad();

private:
    TVirelta& window_;
    QWidget* page_;
};

}  // namespace lumivox
