#include "link/line_port.h"

#include <QRegularExpression>
#include <QSerialPort>

#include "link/port_file.h"

namespace lumivox {

SerialLinePort::SerialLinePort(QObject* parent) : LinePort(parent), port_(new QSerialPort(this))
{
    connect(port_, &QSerialPort::readyRead, this, &LinePort::readyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

SerialLinePort::~SerialLinePort() = default;

bool SerialLinePort::open(const QString& device)
{
    close();
    errorText_.clear();
    configuring_ = true;
    port_->setPortName(device);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::SoftwareControl);
    const bool opened = port_->open(QIODevice::ReadWrite);
    if (opened) {
        // A pseudo-terminal has no modem lines; refusing them is no fault.
        port_->setDataTerminalReady(false);
        port_->setRequestToSend(false);
        // Bytes that waited in the driver belong to nobody.
        port_->clear();
    } else {
        errorText_ = port_->errorString();
    }
    port_->clearError();
    configuring_ = false;
    return opened;
}

void SerialLinePort::close()
{
    if (port_->isOpen())
        port_->close();
}

bool SerialLinePort::isOpen() const
{
    return port_->isOpen();
}

QString SerialLinePort::device() const
{
    return port_->portName();
}

void SerialLinePort::write(const QByteArray& bytes)
{
    if (port_->isOpen())
        port_->write(bytes);
}

QByteArray SerialLinePort::readAll()
{
    return port_->readAll();
}

void SerialLinePort::onError(int error)
{
    if (configuring_ || !port_->isOpen())
        return;
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::UnsupportedOperationError:
    case QSerialPort::TimeoutError:
    case QSerialPort::NotOpenError:
        return;
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
        // A vanished device (pulled adapter, closed pseudo-terminal): Qt would
        // report the read error again and again, so stop reading now.
        errorText_ = port_->errorString();
        port_->close();
        break;
    default:
        errorText_ = port_->errorString();
        break;
    }
    port_->clearError();
    emit lineError(errorText_);
}

QString deviceForComPort(int n)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    const QString configured = qEnvironmentVariable(qPrintable(QStringLiteral("LUMIVOX_COM%1").arg(n)));
    if (!configured.isEmpty())
        return configured;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

int comPortNumber(const QString& text)
{
    static const QRegularExpression com(QStringLiteral("^COM ?([0-9]{1,2})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(text.trimmed());
    if (!m.hasMatch())
        return 0;
    const int n = m.captured(1).toInt();
    return n >= 1 && n <= kComPorts ? n : 0;
}

QString deviceForPortArgument(const QString& argument)
{
    const int n = comPortNumber(argument);
    return n ? deviceForComPort(n) : argument;
}

}  // namespace lumivox
