#pragma once
// The simulated controller behind the link's port interface, in-process:
// replies arrive through the event loop, whole or in chunks, without a
// pseudo-terminal and without waiting for time to pass.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "link/line_port.h"
#include "sim/virelta_controller.h"

namespace lumivox::testing {

class SimLinePort : public LinePort {
    Q_OBJECT
public:
    explicit SimLinePort(virelta_sim::Config config = {});
    ~SimLinePort() override;

    virelta_sim::Controller& controller() { return controller_; }
    // Bytes per received-characters event; 0 delivers each burst whole.
    void setChunkSize(int bytes) { chunk_ = bytes; }
    void setNow(double seconds) { now_ = seconds; }
    void setOpenError(const QString& error) { openError_ = error; }
    // A fault of the line; closes: the port shuts as after a read error.
    void failLine(const QString& text, bool closes);

    bool open(const QString& device) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    QString device() const override { return device_; }
    QString errorText() const override { return error_; }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

    bool pending() const { return deliveryQueued_; }
    QStringList opened;       // every device opened, in order
    QByteArray written;       // every byte the link wrote while open

private:
    void deliver();

    virelta_sim::Controller controller_;
    QByteArray pending_;
    QByteArray available_;
    int chunk_ = 0;
    double now_ = 0;
    bool open_ = false;
    bool deliveryQueued_ = false;
    QString device_;
    QString error_;
    QString openError_;
};

// Runs the event loop until every queued reply has been delivered.
void drain();

// Runs the event loop until cond holds (true) or timeoutMs pass (false);
// for a real line, where replies take their time. The deadline is only a
// guard against a hang: a loaded machine may be slow, never wrong.
bool waitUntil(const std::function<bool()>& cond, int timeoutMs = 30000);
// Runs the event loop for ms milliseconds.
void settle(int ms);

// virelta-sim as a process; path is its pseudo-terminal.
struct SimProcess {
    QProcess process;
    QString path;
    QByteArray out;   // stdout after the path: "silent", "answering"
    QByteArray log;   // stderr: with --verbose, every command received

    bool start(const QStringList& args);
    // SIGUSR1; true once the simulator reports the new state (after which
    // it sends nothing more, or answers again).
    bool toggleSilence();
    // Commands the simulator logged so far (needs --verbose).
    int received(const char* command) const;
    void stop();
    ~SimProcess() { stop(); }
};

// The link writes "Lumivox.ini" into the working directory, so a test runs
// in a temporary one and is back where it started when this goes.
struct TemporaryWorkingDirectory {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    TemporaryWorkingDirectory()
    {
        if (dir.isValid())
            QDir::setCurrent(dir.path());
    }
    ~TemporaryWorkingDirectory() { QDir::setCurrent(previous); }
    bool isValid() const { return dir.isValid(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }
};

// The simulated port inside a link or window made by a factory.
SimLinePort& simPort(LinePort& port);

}  // namespace lumivox::testing
