#pragma once

#include "link/channel.h"

#include <QSerialPort>

namespace talmero::link {

// Owns the serial port to a real adapter: exclusive open, rate and 8N1, and hands
// received bytes over once the adapter's '>' prompt has arrived.
class SerialChannel : public Channel {
    Q_OBJECT
public:
    // portName: a bare name ("ttyUSB0", "COM3") or a device path ("/dev/pts/7").
    SerialChannel(const QString& portName, int baudRate, QObject* parent = nullptr);
    ~SerialChannel() override;

    void open() override;
    void close() override;
    bool isOpen() const override;
    void send(const QByteArray& bytes) override;
    void discardInput() override;
    bool setControlLine(ControlLine line, bool on) override;
    QString name() const override { return m_portName; }
    LowLatency lowLatency() const override { return m_lowLatency; }

    static bool isSupportedBaud(int baudRate);
    // What the user is told about a port that did not open: missing, not permitted (and
    // how to fix that), held by another program, or no serial port at all. path: the
    // device path; error: QSerialPort's; exists, readWrite: what the device file allows.
    static QString openFailureText(const QString& path, QSerialPort::SerialPortError error, bool exists,
                                   bool readWrite);
    // The log line of a USB serial port whose driver refused low latency; "" otherwise.
    static QString lowLatencyNote(const Channel& channel);

private:
    void readWaiting();
    void portError(QSerialPort::SerialPortError error);
    LowLatency setLowLatency();

    QSerialPort m_port;
    QString m_portName;
    int m_baudRate;
    LowLatency m_lowLatency = LowLatency::NotApplicable;
};

} // namespace talmero::link
