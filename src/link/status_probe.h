#pragma once
// One look at a controller for lumivox-cli: open the port, poll until every
// status reply is in or time runs out, report what came.

#include <QString>
#include <memory>
#include <optional>

#include "link/features.h"
#include "link/framing.h"
#include "link/line_port.h"

namespace lumivox {

struct StatusReport {
    enum class Outcome { Answered, NoAnswer, OpenFailed };
    Outcome outcome = Outcome::NoAnswer;
    QString error;   // the port's own text when it could not be opened
    QString identity, firmwareText, date, time;
    int firmware = 0;
    IdentityCheck check = IdentityCheck::Malformed;
    DeviceFeatures features;
    std::optional<PayloadNumbers> live;
};

// port: nullptr for the serial port itself.
StatusReport probeStatus(const QString& device, int timeoutMs, std::unique_ptr<LinePort> port = nullptr);

// The report as lumivox-cli prints it.
QString formatStatus(const StatusReport& report);

}  // namespace lumivox
