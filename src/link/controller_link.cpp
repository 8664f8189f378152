#include "link/controller_link.h"

#include "core/settings_image.h"
#include "core/text.h"
#include "link/live_values.h"
#include "link/port_file.h"

namespace lumivox {

namespace {

QString text(const std::string& bytes)
{
    return fromWindows1252(bytes);
}

}  // namespace

ControllerLink::ControllerLink(SettingsImage& image, std::unique_ptr<LinePort> port, QObject* parent)
    : QObject(parent), image_(image), port_(std::move(port))
{
    panels_[0] = kNoLinkText;
    connect(port_.get(), &LinePort::readyRead, this, &ControllerLink::onReadyRead);
    connect(port_.get(), &LinePort::lineError, this, [this](const QString& error) {
        if (!port_->isOpen()) {
            closedByFault_ = true;
            emit portClosed();
        }
        emit lineError(error);
    });
    registerStatusHandlers();
}

ControllerLink::~ControllerLink() = default;

const std::array<const char*, 5>& ControllerLink::pollRequests()
{
    // Firmware, date, time, live values, identity.
    static const std::array<const char*, 5> requests = {"sfi\r", "sdt\r", "sti\r", "skd\r", "smo\r"};
    return requests;
}

bool ControllerLink::openComPort(int n)
{
    if (n < 1 || n > kComPorts) {
        openError_ = QStringLiteral("Ung\u00fcltige Schnittstelle COM %1").arg(n);
        return false;
    }
    comPort_ = n;
    return openDevice(comDevice(n));
}

QString ControllerLink::comDevice(int n) const
{
    const auto it = comDevices_.find(n);
    return it != comDevices_.end() ? it->second : deviceForComPort(n);
}

bool ControllerLink::openDevice(const QString& device)
{
    device_ = device;
    closedByFault_ = false;
    openError_.clear();
    if (port_->open(device))
        return true;
    openError_ = port_->errorText();
    return false;
}

void ControllerLink::deviceGone()
{
    closedByFault_ = false;
    port_->close();
}

bool ControllerLink::changePort(int n)
{
    if (!openComPort(n))
        return false;
    image_.markAllChanged();
    clearPanels();
    return true;
}

void ControllerLink::resetRunFlags()
{
    state_.PortFileWritten = false;
    state_.LogRestartSent = false;
    state_.UploadActive = false;
}

ControllerLink::TickResult ControllerLink::pollTick()
{
    TickResult result;
    if (state_.UploadActive) {
        result.tick = Tick::Suspended;
        return result;
    }
    // After a fault closed the port, try the same device again, quietly:
    // a re-plugged adapter or a restarted simulator comes back by itself.
    if (closedByFault_ && !port_->isOpen() && port_->open(device_))
        closedByFault_ = false;

    for (const char* request : pollRequests())
        write(QByteArray(request));
    state_.TxDCount += 20;
    setPanel(12, QStringLiteral("TxD: %1").arg(state_.TxDCount));

    if (!linkUp()) {
        state_.LinkDown = true;
        for (int i = 1; i <= 3; ++i)
            setPanel(i, QString());
        result.tick = Tick::Down;
        return result;
    }

    const DetectedFeatures detected = detectFeatures(toWindows1252(panels_[0]), firmware_);
    if (detected.check == IdentityCheck::Malformed) {
        setPanel(5, QString::fromLatin1(kMalformedIdentityText));
        result.tick = Tick::BadIdentity;
        return result;
    }
    if (detected.check == IdentityCheck::Unsupported) {
        result.tick = Tick::Unsupported;
        return result;
    }
    features_ = detected.features;
    state_.LinkDown = false;
    result.tick = Tick::Up;

    if (!state_.PortFileWritten && writesPortFile_) {
        state_.PortFileWritten = true;
        result.portFileFailed = !writePortFile(kPortFileName, comPort_);
    }
    if (!state_.LogRestartSent && sendsLogRestart_) {
        write(QByteArrayLiteral("slr"));
        state_.LogRestartSent = true;
    }
    return result;
}

bool ControllerLink::watchdogTick()
{
    if (state_.UploadActive)
        return false;
    const bool lost = state_.RxDCount == state_.WatchdogMark;
    if (lost) {
        setPanel(0, kNoLinkText);
        image_.markAllChangedExceptHeating();
    }
    state_.WatchdogMark = state_.RxDCount;
    return lost;
}

void ControllerLink::setHandler(const std::string& tag, Handler handler, Phase phase)
{
    handlers_[tag] = Entry{std::move(handler), phase};
}

std::optional<PayloadNumbers> ControllerLink::parseNumbers()
{
    const ParsedNumbers parsed = ParseNumberList(lastPayload_);
    if (!parsed.ok) {
        // The panel is narrow, and the text came from the line.
        setPanel(5, QStringLiteral("Datenfehler ") + text(parsed.badText.substr(0, 12)));
        return std::nullopt;
    }
    return parsed.numbers;
}

void ControllerLink::write(const QByteArray& bytes)
{
    port_->write(bytes);
}

void ControllerLink::writeCounted(const QByteArray& bytes)
{
    port_->write(bytes);
    state_.TxDCount += bytes.size();
}

void ControllerLink::onReadyRead()
{
    receive(port_->readAll());
}

void ControllerLink::receive(const QByteArray& bytes)
{
    buffer_.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::vector<ReplyFrame> deferred;
    for (;;) {
        CutResult cut = buffer_.cut();
        if (cut.discardedStray)
            setPanel(13, QStringLiteral(" del ") + text(lastPayload_));
        if (!cut.frame)
            break;
        const ReplyFrame& frame = *cut.frame;
        lastPayload_ = frame.payload;
        setPanel(13, text(frame.tag) + QStringLiteral("  ") + text(frame.payload));
        emit frameReceived(frame);
        const auto it = handlers_.find(frame.tag);
        if (it == handlers_.end())
            continue;
        if (it->second.phase == Phase::AfterCounters)
            deferred.push_back(frame);
        else
            it->second.handler(frame);
    }
    state_.RxDCount += bytes.size();
    updateCounters();
    for (const ReplyFrame& frame : deferred) {
        lastPayload_ = frame.payload;
        const auto it = handlers_.find(frame.tag);
        if (it != handlers_.end())
            it->second.handler(frame);
    }
}

void ControllerLink::updateCounters()
{
    setPanel(11, QStringLiteral("RxD: %1").arg(state_.RxDCount));
    setPanel(12, QStringLiteral("TxD: %1").arg(state_.TxDCount));
    emit countersChanged();
}

QString ControllerLink::panel(int i) const
{
    return i >= 0 && i < kPanels ? panels_[i] : QString();
}

void ControllerLink::setPanel(int i, const QString& value)
{
    if (i < 0 || i >= kPanels)
        return;
    panels_[i] = value;
    emit panelChanged(i, value);
}

void ControllerLink::clearPanels()
{
    for (int i = 0; i < kPanels; ++i)
        setPanel(i, QString());
    setPanel(0, kNoLinkText);
}

void ControllerLink::registerStatusHandlers()
{
    setHandler("smo", [this](const ReplyFrame& f) { setPanel(0, text(f.payload)); });
    setHandler("sfi", [this](const ReplyFrame& f) {
        setPanel(1, QStringLiteral("V") + text(f.payload));
        if (const std::optional<int> firmware = firmwareFromPayload(f.payload))
            firmware_ = *firmware;
        else
            setPanel(5, QStringLiteral("Fehler Firmware"));
    });
    setHandler("sdt", [this](const ReplyFrame& f) { setPanel(2, text(f.payload)); });
    setHandler("sti", [this](const ReplyFrame& f) { setPanel(3, text(f.payload)); });
    setHandler("skd", [this](const ReplyFrame&) {
        const std::optional<PayloadNumbers> n = parseNumbers();
        if (!n)
            return;
        live_ = *n;
        const LiveDisplay d = liveDisplay(*n, true, features_.hasSensors());
        const std::pair<int, const std::optional<std::string>*> panels[] = {
            {7, &d.panelSun}, {8, &d.panelWind}, {9, &d.panelOutdoor}, {10, &d.panelIndoor}};
        for (const auto& [index, value] : panels)
            if (*value)
                setPanel(index, text(**value));
        emit liveValuesReceived(*n);
    });
}

}  // namespace lumivox
