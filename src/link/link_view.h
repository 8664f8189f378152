#pragma once
// Connects the controller link to the window: port selector, timers, status
// panels, live values, feature-dependent pages and groups.

#include <QObject>

namespace lumivox {

class TVirelta;

class LinkView : public QObject {
    Q_OBJECT
public:
    explicit LinkView(TVirelta& window);

    void resetRunFlags();       // start-up: nothing written, no upload running
    // Start-up: the port from "Lumivox.ini", opened. False when the port
    // number was refused (the start-up sequence then ends).
    bool openPortAtStartUp();

    void Timer1Timer();
    void Timer3Timer();
    void DCF77_LED_TimerTimer();

private:
    TVirelta& window_;
};

}  // namespace lumivox
