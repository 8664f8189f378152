#pragma once
// The serial line to the controller, behind a small interface so the window,
// lumivox-cli and the tests drive the same link code.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QSerialPort;

namespace lumivox {

class LinePort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~LinePort() override = default;

    // Opens the device (closing any open one first); false with errorText.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual QString device() const = 0;
    virtual QString errorText() const = 0;
    // Writes go nowhere while the port is closed.
    virtual void write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;

signals:
    void readyRead();
    // A fault of the open line; the port may have closed itself.
    void lineError(const QString& text);
};

// QSerialPort at 9600 baud, 8N1, XON/XOFF, DTR and RTS held off.
class SerialLinePort : public LinePort {
    Q_OBJECT
public:
    explicit SerialLinePort(QObject* parent = nullptr);
    ~SerialLinePort() override;

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    QString device() const override;
    QString errorText() const override { return errorText_; }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void onError(int error);

    QSerialPort* port_;
    QString errorText_;
    bool configuring_ = false;
};

// The device behind "COM n": COMn on Windows; elsewhere the path in
// LUMIVOX_COM<n> when set, else /dev/ttyS<n-1>.
QString deviceForComPort(int n);

// "COM3", "com 3" -> 3; anything else -> 0.
int comPortNumber(const QString& text);

// A command-line port argument: COMn or a device path.
QString deviceForPortArgument(const QString& argument);

}  // namespace lumivox
