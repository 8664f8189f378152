#pragma once
// Connects the controller link to the window: port selector, timers, status
// panels, live values, feature-dependent pages and groups. The logic lives in
// ControllerLink; this class only shows it on the controls, found by name.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "link/controller_link.h"

namespace lumivox {

class TVirelta;

class LinkView : public QObject {
    Q_OBJECT
public:
    explicit LinkView(TVirelta& window);
    ~LinkView() override;

    // Makes the port of every window created from now on; tests put a
    // simulated or silent line here instead of a real serial device.
    using PortFactory = std::function<std::unique_ptr<LinePort>()>;
    static PortFactory& portFactory();

    ControllerLink& controller() { return *link_; }

    void resetRunFlags();       // start-up: nothing written, no upload running
    // Start-up: the port from "Lumivox.ini" (1 when it names none), opened.
    // A port that cannot be opened is reported and the program goes on
    // without it.
    void openPortAtStartUp();

    // lumivox --demo: COM 1 is this device, and "Lumivox.ini" stays as it is.
    void useDemoDevice(const QString& device);

    void Timer1Timer();
    void Timer3Timer();
    void DCF77_LED_TimerTimer();
    // The user picked a port in Combo_PortNum.
    void Combo_PortNumChange(int index);

    // The two addresses URL_Label shows.
    static const QString kConservatoryUrl;
    static const QString kRollerShutterUrl;

private:
    void applyFeatures(const DeviceFeatures& features);
    void showLinkDown();
    void animateDot();
    void showLiveValues(const PayloadNumbers& numbers);
    void reportOpenFailure(int port);
    void setLogbookButtonsEnabled(bool on);

    TVirelta& window_;
    std::unique_ptr<ControllerLink> link_;
    bool demo_ = false;
};

}  // namespace lumivox
