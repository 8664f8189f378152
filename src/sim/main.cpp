// virelta-sim: a simulated Virelta controller on a pseudo-terminal (or any
// serial device), for trying Lumivox without hardware and for its tests.
//
// Prints the path of its end of the line on the first line of stdout.
// SIGUSR1 switches silence on and off, as if the cable were pulled; each
// switch prints "silent" or "answering" on stdout once it holds.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <termios.h>
#include <unistd.h>

#include "sim/virelta_controller.h"

namespace {

volatile std::sig_atomic_t toggleSilence = 0;
volatile std::sig_atomic_t quitRequested = 0;

void onSignal(int signal)
{
    if (signal == SIGUSR1)
        toggleSilence = 1;
    else
        quitRequested = 1;
}

void makeRaw(int fd, bool setSpeed)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    if (setSpeed) {
        cfsetispeed(&tio, B9600);
        cfsetospeed(&tio, B9600);
        tio.c_iflag |= IXON | IXOFF;
        tio.c_cflag |= CLOCAL | CREAD;
    }
    tcsetattr(fd, TCSANOW, &tio);
}

struct Line {
    int fd = -1;
    int heldSlave = -1;   // keeps the pty alive while the PC closes and reopens it
    QString path;
};

bool openPseudoTerminal(Line& line)
{
    line.fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (line.fd < 0 || grantpt(line.fd) != 0 || unlockpt(line.fd) != 0)
        return false;
    const char* name = ptsname(line.fd);
    if (!name)
        return false;
    line.path = QString::fromLocal8Bit(name);
    line.heldSlave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (line.heldSlave >= 0)
        makeRaw(line.heldSlave, false);
    return true;
}

bool openDevice(Line& line, const QString& device)
{
    line.fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (line.fd < 0)
        return false;
    makeRaw(line.fd, true);
    line.path = device;
    return true;
}

// Sends the replies out: all at once, paced at a baud rate (ten bits a
// character), or in random small chunks so a reader sees partial frames.
class Pacer : public QObject {
public:
    Pacer(int fd, int baud, bool randomChunks, unsigned seed)
        : fd_(fd), baud_(baud), randomChunks_(randomChunks), random_(seed)
    {
        connect(&timer_, &QTimer::timeout, this, [this] { flush(); });
        timer_.setInterval(randomChunks_ ? 3 : 10);
        clock_.start();
    }

    // What has not gone out yet is lost, as when the cable is pulled.
    void drop()
    {
        pending_.clear();
        timer_.stop();
        budget_ = 0;
    }

    void send(const std::string& bytes)
    {
        pending_ += bytes;
        if (baud_ <= 0 && !randomChunks_) {
            writeOut(pending_.size());
            return;
        }
        if (!timer_.isActive()) {
            clock_.restart();
            timer_.start();
        }
    }

private:
    void flush()
    {
        std::size_t allowed = pending_.size();
        if (randomChunks_) {
            allowed = std::uniform_int_distribution<std::size_t>(1, 40)(random_);
        } else {
            budget_ += clock_.restart() * baud_ / 10000.0;
            allowed = static_cast<std::size_t>(budget_);
            budget_ -= static_cast<double>(std::min(allowed, pending_.size()));
        }
        writeOut(std::min(allowed, pending_.size()));
        if (pending_.empty()) {
            timer_.stop();
            budget_ = 0;
        }
    }

    void writeOut(std::size_t count)
    {
        if (count == 0)
            return;
        const ssize_t written = ::write(fd_, pending_.data(), count);
        // Nobody reading (the line's buffer is full): the bytes are lost, as
        // on a real line without a listener.
        pending_.erase(0, written > 0 ? static_cast<std::size_t>(written) : count);
    }

    int fd_;
    int baud_;
    bool randomChunks_;
    std::mt19937 random_;
    std::string pending_;
    QTimer timer_;
    QElapsedTimer clock_;
    double budget_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("virelta-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Virelta controller on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption deviceOpt(QStringLiteral("device"), QStringLiteral("Use this serial device instead of a pseudo-terminal."), QStringLiteral("path"));
    const QCommandLineOption linkOpt(QStringLiteral("link"), QStringLiteral("Make PATH a symbolic link to the line's end (stable across restarts)."), QStringLiteral("path"));
    const QCommandLineOption kindOpt(QStringLiteral("kind"), QStringLiteral("conservatory (default), shading or plain."), QStringLiteral("kind"), QStringLiteral("conservatory"));
    const QCommandLineOption motorsOpt(QStringLiteral("motors"), QStringLiteral("Motor count 1-8 (default 8)."), QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption timesOpt(QStringLiteral("times"), QStringLiteral("Switching times per day 1-8 (default 8)."), QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption identityOpt(QStringLiteral("identity"), QStringLiteral("Identity text, overrides kind, motors and times."), QStringLiteral("text"));
    const QCommandLineOption firmwareOpt(QStringLiteral("firmware"), QStringLiteral("Firmware text (default 5.509)."), QStringLiteral("text"), QStringLiteral("5.509"));
    const QCommandLineOption noSignalOpt(QStringLiteral("no-time-signal"), QStringLiteral("Report the date 01.01.00: no DCF77 time received yet."));
    const QCommandLineOption baudOpt(QStringLiteral("baud"), QStringLiteral("Pace the replies at this baud rate; 0 sends at once (default 9600)."), QStringLiteral("rate"), QStringLiteral("9600"));
    const QCommandLineOption chunksOpt(QStringLiteral("chunks"), QStringLiteral("Send the replies in random small chunks."));
    const QCommandLineOption silentAfterOpt(QStringLiteral("silent-after"), QStringLiteral("Stop answering after this many seconds."), QStringLiteral("s"));
    const QCommandLineOption silentForOpt(QStringLiteral("silent-for"), QStringLiteral("Answer again after this many silent seconds."), QStringLiteral("s"));
    const QCommandLineOption garbageOpt(QStringLiteral("garbage"), QStringLiteral("Send junk between frames."));
    const QCommandLineOption corruptOpt(QStringLiteral("corrupt-every"), QStringLiteral("Damage every n-th frame."), QStringLiteral("n"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"), QStringLiteral("Seed of the random faults and chunks."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption verboseOpt(QStringLiteral("verbose"), QStringLiteral("Log every command received to stderr."));
    parser.addOptions({deviceOpt, linkOpt, kindOpt, motorsOpt, timesOpt, identityOpt, firmwareOpt, noSignalOpt, baudOpt,
                       chunksOpt, silentAfterOpt, silentForOpt, garbageOpt, corruptOpt, seedOpt, verboseOpt});
    parser.process(app);

    virelta_sim::Config config;
    const QString kind = parser.value(kindOpt);
    if (kind == QLatin1String("conservatory"))
        config.kind = virelta_sim::Kind::Conservatory;
    else if (kind == QLatin1String("shading"))
        config.kind = virelta_sim::Kind::Shading;
    else if (kind == QLatin1String("plain"))
        config.kind = virelta_sim::Kind::Plain;
    else {
        std::fprintf(stderr, "virelta-sim: unknown kind %s\n", qPrintable(kind));
        return 64;
    }
    config.identity = parser.isSet(identityOpt)
                          ? parser.value(identityOpt).toLatin1().toStdString()
                          : virelta_sim::makeIdentity(config.kind, parser.value(motorsOpt).toInt(),
                                                      parser.value(timesOpt).toInt());
    config.firmware = parser.value(firmwareOpt).toLatin1().toStdString();
    config.timeSignal = !parser.isSet(noSignalOpt);
    config.startEpoch = static_cast<long long>(std::time(nullptr));
    config.seed = parser.value(seedOpt).toUInt();
    if (parser.isSet(silentAfterOpt))
        config.faults.silentAfter = parser.value(silentAfterOpt).toDouble();
    if (parser.isSet(silentForOpt))
        config.faults.silentFor = parser.value(silentForOpt).toDouble();
    config.faults.garbage = parser.isSet(garbageOpt);
    config.faults.corruptEvery = parser.value(corruptOpt).toInt();
    const bool verbose = parser.isSet(verboseOpt);

    Line line;
    const bool opened = parser.isSet(deviceOpt) ? openDevice(line, parser.value(deviceOpt)) : openPseudoTerminal(line);
    if (!opened) {
        std::fprintf(stderr, "virelta-sim: cannot open the line: %s\n", std::strerror(errno));
        return 1;
    }
    QString linkPath = parser.value(linkOpt);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(line.path, linkPath)) {
            std::fprintf(stderr, "virelta-sim: cannot create the link %s\n", qPrintable(linkPath));
            return 1;
        }
    }
    std::printf("%s\n", qPrintable(line.path));
    std::fflush(stdout);

    struct sigaction action{};
    action.sa_handler = onSignal;
    sigaction(SIGUSR1, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);

    virelta_sim::Controller controller(config);
    Pacer pacer(line.fd, parser.value(baudOpt).toInt(), parser.isSet(chunksOpt), config.seed);
    QElapsedTimer clock;
    clock.start();

    QSocketNotifier readable(line.fd, QSocketNotifier::Read);
    QObject::connect(&readable, &QSocketNotifier::activated, &app, [&] {
        char bytes[512];
        const ssize_t n = ::read(line.fd, bytes, sizeof bytes);
        if (n <= 0)
            return;
        controller.receive(std::string_view(bytes, static_cast<std::size_t>(n)), clock.elapsed() / 1000.0);
        const std::vector<std::string> commands = controller.takeReceived();
        if (verbose)
            for (const std::string& command : commands)
                std::fprintf(stderr, "%.3f %s\n", clock.elapsed() / 1000.0, command.c_str());
        if (controller.hasOutput())
            pacer.send(controller.takeOutput());
    });

    QTimer signalPoll;
    QObject::connect(&signalPoll, &QTimer::timeout, &app, [&] {
        if (toggleSilence) {
            toggleSilence = 0;
            controller.setSilent(!controller.forcedSilent());
            if (controller.forcedSilent())
                pacer.drop();
            // From this line on the new state holds: tests wait for it.
            std::printf("%s\n", controller.forcedSilent() ? "silent" : "answering");
            std::fflush(stdout);
        }
        if (quitRequested)
            app.quit();
    });
    signalPoll.start(50);

    const int rc = app.exec();
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    if (line.heldSlave >= 0)
        ::close(line.heldSlave);
    ::close(line.fd);
    return rc;
}
