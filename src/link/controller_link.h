#pragma once
// The link to the controller without any widget: port, poll tick, watchdog,
// frame cutting and dispatch, status panels, live values. The window shows
// what it reports (LinkView); lumivox-cli drives it directly.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "link/features.h"
#include "link/framing.h"
#include "link/line_port.h"

namespace lumivox {

struct SettingsImage;

inline const QString kNoLinkText = QStringLiteral("Keine Verbindung");

// Counters and flags of the link, read and set by the transfer sessions.
struct LinkState {
    bool LinkDown = false;
    bool DownloadActive = false;
    bool UploadActive = false;
    long long RxDCount = 0;
    long long TxDCount = 0;
    long long WatchdogMark = 0;
    bool PortFileWritten = false;
    bool LogRestartSent = false;
};

class ControllerLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kPanels = 14;

    enum class Tick {
        Suspended,     // an upload runs: nothing polled, nothing detected
        Down,          // panel 0 reads "Keine Verbindung"
        Up,            // features detected from the identity
        BadIdentity,   // identity unusable; reported in panel 5, tick skipped
        Unsupported,   // a type this program does not serve
    };
    struct TickResult {
        Tick tick = Tick::Down;
        bool portFileFailed = false;   // "Lumivox.ini" could not be written
    };

    // When frame handlers run within one received-characters event: at once,
    // in frame order, or after the counters were updated (upload steps).
    enum class Phase { Immediate, AfterCounters };
    using Handler = std::function<void(const ReplyFrame&)>;

    ControllerLink(SettingsImage& image, std::unique_ptr<LinePort> port, QObject* parent = nullptr);
    ~ControllerLink() override;

    LinePort& port() { return *port_; }
    SettingsImage& image() { return image_; }

    // Port by number 1 ... 16 (the window's selector). False with the port's
    // error text when it cannot be opened; the program keeps running.
    bool openComPort(int n);
    // Any device path (lumivox-cli, tests).
    bool openDevice(const QString& device);
    // The device of a port number; setComDevice overrides it (the demo puts
    // its simulated controller on COM 1).
    QString comDevice(int n) const;
    void setComDevice(int n, const QString& device) { comDevices_[n] = device; }
    // The device behind the port has ended for good (the demo's simulator
    // quit): close it and stop reopening it after faults, because the system
    // may hand its name to another terminal.
    void deviceGone();
    int comPort() const { return comPort_; }
    QString openError() const { return openError_; }

    // The user chose another port: open it, mark every record changed and
    // clear the fourteen panels.
    bool changePort(int n);

    // Start-up: "Lumivox.ini" written, "slr" sent and upload reset.
    void resetRunFlags();
    // lumivox-cli and the demo leave the port file and the controller's
    // logbook pointer alone.
    void setWritesPortFile(bool on) { writesPortFile_ = on; }
    void setSendsLogRestart(bool on) { sendsLogRestart_ = on; }

    TickResult pollTick();
    // True when it declared the link lost.
    bool watchdogTick();

    // Handlers of later transfers plug in by tag; one handler per tag.
    void setHandler(const std::string& tag, Handler handler, Phase phase = Phase::Immediate);

    // Parses LastPayload into N0 ... N15. A number that is not a decimal
    // integer reports itself in panel 5 and gives nothing.
    std::optional<PayloadNumbers> parseNumbers();

    void write(const QByteArray& bytes);
    // Counted writes add to TxDCount.
    void writeCounted(const QByteArray& bytes);

    // Feeds bytes as if they had arrived on the line.
    void receive(const QByteArray& bytes);

    bool linkUp() const { return panels_[0] != kNoLinkText; }
    const DeviceFeatures& features() const { return features_; }
    int firmware() const { return firmware_; }
    LinkState& state() { return state_; }
    const LinkState& state() const { return state_; }
    const ReceiveBuffer& receiveBuffer() const { return buffer_; }
    const std::string& lastPayload() const { return lastPayload_; }
    const std::optional<PayloadNumbers>& liveNumbers() const { return live_; }

    QString panel(int i) const;
    void setPanel(int i, const QString& text);
    void clearPanels();

    // The poll requests, in order.
    static const std::array<const char*, 5>& pollRequests();

signals:
    void panelChanged(int panel, const QString& text);
    void frameReceived(const ReplyFrame& frame);
    void liveValuesReceived(const PayloadNumbers& numbers);
    void countersChanged();
    void lineError(const QString& text);
    // The port closed itself after a fault.
    void portClosed();

private:
    void onReadyRead();
    void registerStatusHandlers();
    void updateCounters();

    SettingsImage& image_;
    std::unique_ptr<LinePort> port_;
    ReceiveBuffer buffer_;
    std::string lastPayload_;
    std::array<QString, kPanels> panels_;
    LinkState state_;
    DeviceFeatures features_;
    int firmware_ = 0;
    int comPort_ = 1;
    QString openError_;
    QString device_;
    bool closedByFault_ = false;
    bool writesPortFile_ = true;
    bool sendsLogRestart_ = true;
    std::optional<PayloadNumbers> live_;
    struct Entry {
        Handler handler;
        Phase phase;
    };
    std::map<std::string, Entry> handlers_;
    std::map<int, QString> comDevices_;
};

}  // namespace lumivox
