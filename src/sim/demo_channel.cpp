#include "sim/demo_channel.h"

#include "sim/car.h"
#include "sim/elm327.h"

namespace talmero::sim {

const QString DemoChannel::kName = QStringLiteral("Demo car (simulated, switch)");
const QString DemoChannel::kBuiltInName = QStringLiteral("Demo car (simulated, built-in bus)");

DemoChannel::DemoChannel(int latencyMs, int baudRate, QObject* parent, Kind kind)
    : link::Channel(parent),
      m_car(std::make_unique<Car>()),
      m_elm(std::make_unique<Elm327>(*m_car, Elm327::SwitchMode::Manual)),
      m_baudRate(baudRate),
      m_kind(kind)
{
    m_elm->setLatencyMs(latencyMs);
    // A demo that answers like an adapter also waits like one: the program's requests carry
    // their answer counts, so only writes and unknown lengths pay the chip's time-out.
    if (latencyMs > 0)
        m_elm->setTiming(Elm327::Timing::Elm);
    if (kind == Kind::BuiltIn)
        m_elm->setChip(Elm327::Chip::Stn);
    connect(m_elm.get(), &Elm327::output, this, [this](const QByteArray& bytes) {
        if (!m_open)
            return; // nobody listens on a closed port
        collect(bytes);
    });
}

DemoChannel::~DemoChannel() = default;

void DemoChannel::setBaudTiming(bool on)
{
    m_elm->setBaudTiming(on ? m_baudRate : 0);
}

void DemoChannel::open()
{
    if (m_open)
        return;
    resetCollected();
    m_open = true;
}

void DemoChannel::close()
{
    m_open = false;
    resetCollected();
}

bool DemoChannel::isOpen() const
{
    return m_open;
}

void DemoChannel::send(const QByteArray& bytes)
{
    if (m_open)
        m_elm->receive(bytes);
}

void DemoChannel::discardInput()
{
    discardCollected();
}

void DemoChannel::busSwitched(bool medium)
{
    // An STN adapter has no switch to move: its pins follow its commands.
    if (m_kind == Kind::Switch)
        m_car->setSwitchMedium(medium);
}

bool DemoChannel::setControlLine(link::ControlLine line, bool on)
{
    Q_UNUSED(line);
    // The switch adapter's relay hangs on either line; an STN adapter has nothing on them.
    if (m_open && m_kind == Kind::Switch)
        m_car->setSwitchMedium(on);
    return m_open;
}

Car& DemoChannel::car()
{
    return *m_car;
}

Elm327& DemoChannel::elm()
{
    return *m_elm;
}

} // namespace talmero::sim
