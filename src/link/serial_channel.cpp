#include "link/serial_channel.h"

#include "link/link_error.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace talmero::link {

SerialChannel::SerialChannel(const QString& portName, int baudRate, QObject* parent)
    : Channel(parent), m_portName(portName), m_baudRate(baudRate)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialChannel::readWaiting);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialChannel::portError);
}

SerialChannel::~SerialChannel()
{
    close();
}

namespace {

QString devicePath(const QString& portName)
{
    return portName.contains(u'/') ? portName : QStringLiteral("/dev/") + portName;
}

#ifdef Q_OS_LINUX
// A USB serial device, also when it is reached through a link such as /dev/serial/by-id/...
bool isUsbSerialDevice(const QString& portName)
{
    const QString device = QFileInfo(devicePath(portName)).canonicalFilePath().section(u'/', -1);
    if (device.isEmpty())
        return false;
    const QString sysfs = QStringLiteral("/sys/class/tty/") + device + QStringLiteral("/device");
    return QFileInfo(sysfs).canonicalFilePath().contains(QLatin1String("/usb"));
}
#endif

} // namespace

QString SerialChannel::openFailureText(const QString& path, QSerialPort::SerialPortError error, bool exists,
                                       bool readWrite)
{
    if (path.isEmpty())
        return tr("Ошибка открытия порта: порт не указан");
    if (!exists || error == QSerialPort::DeviceNotFoundError) {
        return tr("Ошибка открытия порта: устройства %1 нет. Проверьте, что адаптер подключён, "
                  "и выберите его порт в списке (кнопка рядом со списком обновляет его).")
            .arg(path);
    }
    // QSerialPort reports a refused open and a port locked by another program alike; the
    // device's permissions tell them apart.
    if (error == QSerialPort::PermissionError && !readWrite) {
        return tr("Ошибка открытия порта: нет прав доступа к %1.\n"
                  "В Linux добавьте пользователя в группу dialout "
                  "(sudo adduser $USER dialout), затем выйдите из системы и войдите снова.")
            .arg(path);
    }
    if (error == QSerialPort::PermissionError)
        return tr("Ошибка открытия порта: %1 занят другой программой. Закройте её и подключитесь снова.").arg(path);
    // The terminal settings are refused: a file or device, but no serial port.
    if (error == QSerialPort::UnsupportedOperationError)
        return tr("Ошибка открытия порта: %1 — не последовательный порт.").arg(path);
    return tr("Ошибка открытия порта %1").arg(path);
}

bool SerialChannel::isSupportedBaud(int baudRate)
{
    return baudRate == 38400 || baudRate == 9600 || baudRate == 115200;
}

void SerialChannel::open()
{
    if (m_port.isOpen())
        return;
    resetCollected();
    m_port.setPortName(m_portName);
    // QSerialPort opens the device exclusively (TIOCEXCL / no sharing).
    if (m_portName.isEmpty() || !m_port.open(QIODevice::ReadWrite)) {
#ifdef Q_OS_WIN
        // A COM port has no device file; a port another program holds is "access denied".
        throw LinkError(openFailureText(m_portName, m_port.error(), true, true));
#else
        const QString path = m_portName.isEmpty() || m_portName.contains(u'/') ? m_portName
                                                                              : QStringLiteral("/dev/") + m_portName;
        const QFileInfo device(path);
        const bool directory = device.isDir(); // QSerialPort gives no reason for it
        throw LinkError(openFailureText(path, directory ? QSerialPort::UnsupportedOperationError : m_port.error(),
                                        device.exists(), device.isReadable() && device.isWritable()));
#endif
    }
    // A port left open after a failed set-up would stay held by us and make a retry fail.
    auto fail = [this](const char* text) {
        m_port.close();
        throw LinkError(tr(text));
    };
    if (!isSupportedBaud(m_baudRate) || !m_port.setBaudRate(m_baudRate)
        || !m_port.setDataBits(QSerialPort::Data8) || !m_port.setParity(QSerialPort::NoParity)
        || !m_port.setStopBits(QSerialPort::OneStop))
        fail(QT_TR_NOOP("Ошибка настройки параметров порта"));
    if (!m_port.clear(QSerialPort::AllDirections))
        fail(QT_TR_NOOP("Ошибка сброса порта"));
    m_lowLatency = setLowLatency();
}

// An FTDI bridge holds short answers for its latency timer (16 ms by default) on every
// exchange; its Linux driver drops the timer to 1 ms for a port flagged low-latency.
Channel::LowLatency SerialChannel::setLowLatency()
{
#ifdef Q_OS_LINUX
    if (!isUsbSerialDevice(m_portName))
        return LowLatency::NotApplicable;
    const int fd = int(m_port.handle());
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return LowLatency::Off;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return LowLatency::On;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0 ? LowLatency::On : LowLatency::Off;
#else
    return LowLatency::NotApplicable;
#endif
}

QString SerialChannel::lowLatencyNote(const Channel& channel)
{
    if (channel.lowLatency() != LowLatency::Off)
        return QString();
    return tr("* Порт %1: драйвер не включил режим малой задержки; адаптер с микросхемой FTDI "
              "будет задерживать каждый ответ до 16 мс")
        .arg(channel.name());
}

void SerialChannel::close()
{
    if (m_port.isOpen())
        m_port.close();
    resetCollected();
    m_lowLatency = LowLatency::NotApplicable;
}

bool SerialChannel::isOpen() const
{
    return m_port.isOpen();
}

void SerialChannel::send(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return;
    m_port.write(bytes);
}

void SerialChannel::discardInput()
{
    discardCollected(m_port.isOpen() ? m_port.readAll() : QByteArray());
}

// A pseudo-terminal, a Bluetooth port and some USB bridges have no modem lines: the
// driver refuses, and QSerialPort says so.
bool SerialChannel::setControlLine(ControlLine line, bool on)
{
    if (!m_port.isOpen())
        return false;
    return line == ControlLine::Rts ? m_port.setRequestToSend(on) : m_port.setDataTerminalReady(on);
}

void SerialChannel::readWaiting()
{
    collect(m_port.readAll());
}

void SerialChannel::portError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) {
        // The device is gone (adapter unplugged, simulator ended): nothing more will arrive.
        resetCollected();
        if (m_port.isOpen())
            m_port.close();
        Q_EMIT readFailed();
    }
}

} // namespace talmero::link
