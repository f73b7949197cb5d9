#include "sim/pty_server.h"

#include "sim/elm327.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace talmero::sim {

namespace {

struct BaudRow {
    speed_t code;
    int baud;
};

constexpr BaudRow kBauds[] = {
    {B1200, 1200},   {B2400, 2400},     {B4800, 4800},     {B9600, 9600},
    {B19200, 19200}, {B38400, 38400},   {B57600, 57600},   {B115200, 115200},
    {B230400, 230400},
};

[[noreturn]] void fail(const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

PtyServer::PtyServer(Elm327& elm, bool baudTiming, QObject* parent)
    : QObject(parent), m_elm(elm), m_baudTiming(baudTiming)
{
    connect(&m_elm, &Elm327::output, this, &PtyServer::send);
}

PtyServer::~PtyServer()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

void PtyServer::open()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        fail("grantpt/unlockpt");
    const char* name = ptsname(m_master);
    if (!name)
        fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        fail("open slave");
    // Raw: no echo, no line editing and no CR/LF translation by the terminal itself.
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        fail("tcgetattr");
    cfmakeraw(&tio);
    cfsetispeed(&tio, B38400);
    cfsetospeed(&tio, B38400);
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        fail("tcsetattr");
    if (fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0)
        fail("fcntl");

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyServer::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyServer::flushOutput);
}

void PtyServer::readMaster()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            const int baud = clientBaud();
            if (baud != m_seenBaud) {
                m_seenBaud = baud;
                Q_EMIT rateSeen(baud);
            }
            if (m_baudTiming)
                m_elm.setBaudTiming(baud);
            const QByteArray bytes(buffer, n);
            Q_EMIT received(bytes);
            m_elm.receive(bytes);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return; // EAGAIN: all read
    }
}

void PtyServer::send(const QByteArray& bytes)
{
    Q_EMIT sent(bytes);
    m_output += bytes;
    flushOutput();
}

void PtyServer::flushOutput()
{
    if (m_master < 0)
        return;
    while (!m_output.isEmpty()) {
        const ssize_t n = ::write(m_master, m_output.constData(), size_t(m_output.size()));
        if (n > 0) {
            m_output.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // the terminal's buffer is full: go on when it can take more
    }
    m_writeNotifier->setEnabled(!m_output.isEmpty());
}

int PtyServer::clientBaud() const
{
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return 0;
    const speed_t speed = cfgetospeed(&tio);
    for (const BaudRow& row : kBauds) {
        if (row.code == speed)
            return row.baud;
    }
    return 0;
}

} // namespace talmero::sim
