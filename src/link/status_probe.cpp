#include "link/status_probe.h"

#include <QEventLoop>
#include <QTimer>
#include <set>

#include "core/settings_image.h"
#include "core/text.h"
#include "link/controller_link.h"
#include "link/live_values.h"

namespace lumivox {

StatusReport probeStatus(const QString& device, int timeoutMs, std::unique_ptr<LinePort> port)
{
    StatusReport report;
    if (!port)
        port = std::make_unique<SerialLinePort>();
    SettingsImage image;
    ControllerLink link(image, std::move(port));
    // A look must change nothing: no port file, no logbook restart.
    link.setWritesPortFile(false);
    link.setSendsLogRestart(false);
    if (!link.openDevice(device)) {
        report.outcome = StatusReport::Outcome::OpenFailed;
        report.error = link.openError();
        return report;
    }

    QEventLoop loop;
    std::set<std::string> seen;
    QObject::connect(&link, &ControllerLink::frameReceived, &loop, [&](const ReplyFrame& frame) {
        seen.insert(frame.tag);
        if (frame.tag == "smo")
            report.identity = fromWindows1252(frame.payload);
        else if (frame.tag == "sfi")
            report.firmwareText = fromWindows1252(frame.payload);
        else if (frame.tag == "sdt")
            report.date = fromWindows1252(frame.payload);
        else if (frame.tag == "sti")
            report.time = fromWindows1252(frame.payload);
    });
    QObject::connect(&link, &ControllerLink::countersChanged, &loop, [&] {
        bool complete = link.liveNumbers().has_value();
        for (const char* request : ControllerLink::pollRequests())
            complete = complete && seen.count(std::string(request, 3));
        if (complete)
            loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &link, [&] { link.pollTick(); });
    poll.start(900);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    link.pollTick();
    loop.exec();
    poll.stop();
    link.port().close();

    if (!seen.count("smo")) {
        report.outcome = StatusReport::Outcome::NoAnswer;
        return report;
    }
    report.outcome = StatusReport::Outcome::Answered;
    report.firmware = link.firmware();
    report.live = link.liveNumbers();
    const DetectedFeatures detected = detectFeatures(toWindows1252(report.identity), report.firmware);
    report.check = detected.check;
    report.features = detected.features;
    return report;
}

QString formatStatus(const StatusReport& r)
{
    QString out;
    // A reply that did not come shows as "-", not as an empty line.
    auto line = [&out](const QString& name, const QString& value) {
        out += name.leftJustified(22) + (value.isEmpty() ? QStringLiteral("-") : value) + QLatin1Char('\n');
    };
    auto yesNo = [](bool on) { return on ? QStringLiteral("ja") : QStringLiteral("nein"); };
    line(QStringLiteral("Kennung:"), r.identity);
    line(QStringLiteral("Firmware:"),
         r.firmwareText.isEmpty() ? QString() : QStringLiteral("V%1 (%2)").arg(r.firmwareText).arg(r.firmware));
    line(QStringLiteral("Datum:"), r.date);
    line(QStringLiteral("Uhrzeit:"), r.time);
    switch (r.check) {
    case IdentityCheck::Malformed:
        line(QStringLiteral("Merkmale:"), QStringLiteral("Kennung nicht lesbar"));
        break;
    case IdentityCheck::Unsupported:
        line(QStringLiteral("Merkmale:"), QStringLiteral("Typ wird nicht unterst\u00fctzt"));
        break;
    case IdentityCheck::Ok: {
        const DeviceFeatures& f = r.features;
        line(QStringLiteral("Motoren:"), QString::number(f.MotorCount));
        line(QStringLiteral("Schaltzeiten je Tag:"), QString::number(f.TimesPerDay));
        line(QStringLiteral("Sensoren (S):"), yesNo(f.ShadingSensors));
        line(QStringLiteral("Wintergarten (W):"), yesNo(f.Conservatory));
        line(QStringLiteral("Tast-Automatik (T):"), yesNo(f.PushButtonAutomatic));
        line(QStringLiteral("Gruppen (G):"), yesNo(f.GroupControl));
        line(QStringLiteral("Heizung:"), yesNo(f.Heating()));
        break;
    }
    }
    if (r.live) {
        const PayloadNumbers& n = *r.live;
        out += QStringLiteral("Live-Werte:\n");
        for (int i = 0; i < kPayloadNumberCount; ++i) {
            QString value = QString::number(n[i]);
            // Whole degrees of a sensor the controller does not have.
            if ((i == 1 || i == 5) && n[i] == kNoSensor)
                value += QStringLiteral(" (kein Sensor)");
            out += QStringLiteral("  N%1").arg(i).leftJustified(6) +
                   fromWindows1252(liveValueNames()[i]).leftJustified(28) + value + QLatin1Char('\n');
        }
    } else {
        line(QStringLiteral("Live-Werte:"), QString());
    }
    return out;
}

}  // namespace lumivox
