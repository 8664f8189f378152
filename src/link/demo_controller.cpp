#include "link/demo_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace lumivox {

DemoController::DemoController(QObject* parent) : QObject(parent) {}

DemoController::~DemoController()
{
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(2000))
            process_->kill();
    }
}

bool DemoController::start()
{
    QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("virelta-sim"));
    if (!QFileInfo(program).isExecutable())
        program = QStandardPaths::findExecutable(QStringLiteral("virelta-sim"));
    if (program.isEmpty()) {
        error_ = QStringLiteral("virelta-sim not found");
        return false;
    }
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // The simulator ends with the window, even when the window crashes.
    process_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    process_->start(program, {QStringLiteral("--baud"), QStringLiteral("9600")});
    if (!process_->waitForStarted(5000)) {
        error_ = process_->errorString();
        return false;
    }
    while (!process_->canReadLine()) {
        if (!process_->waitForReadyRead(5000)) {
            error_ = QStringLiteral("virelta-sim did not report its line");
            return false;
        }
    }
    device_ = QString::fromLocal8Bit(process_->readLine()).trimmed();
    connect(process_, &QProcess::finished, this, &DemoController::simulatorEnded);
    return !device_.isEmpty();
}

}  // namespace lumivox
