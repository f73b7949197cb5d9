#include "sim/demo_channel.h"

#include "sim/car.h"
#include "sim/elm327.h"

namespace talmero::sim {

const QString DemoChannel::kName = QStringLiteral("Demo car (simulated)");

DemoChannel::DemoChannel(int latencyMs, int baudRate, QObject* parent)
    : link::Channel(parent),
      m_car(std::make_unique<Car>()),
      m_elm(std::make_unique<Elm327>(*m_car, Elm327::SwitchMode::Manual)),
      m_baudRate(baudRate)
{
    m_elm->setLatencyMs(latencyMs);
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
    m_car->setSwitchMedium(medium);
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
