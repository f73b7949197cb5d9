#pragma once

#include "link/channel.h"

#include <memory>

namespace talmero::sim {

class Car;
class Elm327;

// The virtual car in this process, reached like an adapter on a serial port. As a
// modified ELM327 its bus switch is moved by hand (when the user acknowledges a bus
// prompt) or by a relay on the RTS or DTR line (set: medium-speed bus); as an STN chip
// it reaches both buses by its own commands.
class DemoChannel : public link::Channel {
    Q_OBJECT
public:
    enum class Kind { Switch, BuiltIn };
    static const QString kName;        // what the port list and the status panel show
    static const QString kBuiltInName; // the same car behind an STN adapter

    // latencyMs: the adapter's and modules' reply time; 0 answers as soon as the
    // event loop runs (tests), a few tens of ms feel like a real adapter (the demo), which
    // then also waits after an answer as the chip does.
    // baudRate: the rate chosen for the port, for the wire time of setBaudTiming.
    explicit DemoChannel(int latencyMs = 0, int baudRate = 0, QObject* parent = nullptr,
                         Kind kind = Kind::Switch);
    ~DemoChannel() override;

    int baudRate() const { return m_baudRate; }
    // On: answers take the wire time of 10 bits per character at the chosen rate.
    void setBaudTiming(bool on);

    void open() override;
    void close() override;
    bool isOpen() const override;
    void send(const QByteArray& bytes) override;
    void discardInput() override;
    void busSwitched(bool medium) override;
    bool setControlLine(link::ControlLine line, bool on) override;
    QString name() const override { return m_kind == Kind::BuiltIn ? kBuiltInName : kName; }
    Kind kind() const { return m_kind; }

    Car& car();
    Elm327& elm();

private:
    std::unique_ptr<Car> m_car;
    std::unique_ptr<Elm327> m_elm;
    int m_baudRate;
    Kind m_kind;
    bool m_open = false;
};

} // namespace talmero::sim
