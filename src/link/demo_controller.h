#pragma once
// lumivox --demo: a simulated controller on a pseudo-terminal for COM 1.

#include <QObject>
#include <QString>

class QProcess;

namespace lumivox {

class DemoController : public QObject {
    Q_OBJECT
public:
    explicit DemoController(QObject* parent = nullptr);
    ~DemoController() override;

    // Starts virelta-sim (beside this program, else on PATH) and waits for
    // the path of its line. False with errorText.
    bool start();
    QString device() const { return device_; }
    QString errorText() const { return error_; }

signals:
    void simulatorEnded();

private:
    QProcess* process_ = nullptr;
    QString device_;
    QString error_;
};

}  // namespace lumivox
