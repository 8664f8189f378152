#include "sim_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <set>

namespace lumivox::testing {

namespace {

std::set<SimLinePort*>& livePorts()
{
    static std::set<SimLinePort*> ports;
    return ports;
}

}  // namespace

SimLinePort::SimLinePort(virelta_sim::Config config) : controller_(std::move(config))
{
    livePorts().insert(this);
}

SimLinePort::~SimLinePort()
{
    livePorts().erase(this);
}

bool SimLinePort::open(const QString& device)
{
    device_ = device;
    opened << device;
    if (!openError_.isEmpty()) {
        error_ = openError_;
        open_ = false;
        return false;
    }
    open_ = true;
    return true;
}

void SimLinePort::failLine(const QString& text, bool closes)
{
    error_ = text;
    if (closes)
        open_ = false;
    emit lineError(text);
}

void SimLinePort::write(const QByteArray& bytes)
{
    if (!open_)
        return;
    written += bytes;
    controller_.receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), now_);
    const std::string out = controller_.takeOutput();
    pending_.append(out.data(), static_cast<qsizetype>(out.size()));
    if (!pending_.isEmpty() && !deliveryQueued_) {
        deliveryQueued_ = true;
        QTimer::singleShot(0, this, &SimLinePort::deliver);
    }
}

void SimLinePort::deliver()
{
    deliveryQueued_ = false;
    if (pending_.isEmpty())
        return;
    const qsizetype n = chunk_ > 0 ? std::min<qsizetype>(chunk_, pending_.size()) : pending_.size();
    available_ += pending_.left(n);
    pending_.remove(0, n);
    if (!pending_.isEmpty()) {
        deliveryQueued_ = true;
        QTimer::singleShot(0, this, &SimLinePort::deliver);
    }
    if (open_)
        emit readyRead();
    else
        available_.clear();
}

QByteArray SimLinePort::readAll()
{
    QByteArray out;
    out.swap(available_);
    return out;
}

void drain()
{
    for (int i = 0; i < 100000; ++i) {
        QCoreApplication::processEvents();
        bool busy = false;
        for (SimLinePort* port : livePorts())
            busy = busy || port->pending();
        if (!busy)
            return;
    }
}

bool waitUntil(const std::function<bool()>& cond, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(5);
    while (!cond()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    waitUntil([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

bool SimProcess::start(const QStringList& args)
{
    QObject::connect(&process, &QProcess::readyReadStandardError, [this] { log += process.readAllStandardError(); });
    process.start(QStringLiteral(VIRELTA_SIM_PATH), args);
    if (!process.waitForStarted(30000))
        return false;
    while (!process.canReadLine())
        if (!process.waitForReadyRead(30000))
            return false;
    path = QString::fromLocal8Bit(process.readLine()).trimmed();
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { out += process.readAllStandardOutput(); });
    out += process.readAllStandardOutput();
    return !path.isEmpty();
}

bool SimProcess::toggleSilence()
{
    const int before = static_cast<int>(out.count('\n'));
    ::kill(static_cast<pid_t>(process.processId()), SIGUSR1);
    return waitUntil([&] { return out.count('\n') > before; });
}

int SimProcess::received(const char* command) const
{
    return static_cast<int>(log.count(QByteArray(" ") + command + "\n"));
}

void SimProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(2000);
}

SimLinePort& simPort(LinePort& port)
{
    return dynamic_cast<SimLinePort&>(port);
}

}  // namespace lumivox::testing
