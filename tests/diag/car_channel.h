#pragma once

#include "link/adapter.h"
#include "link/channel.h"
#include "link/session.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"

#include <QMap>
#include <QStringList>
#include <functional>

// The virtual car, with a record of every command sent (logged or not) and canned
// answers for what the car cannot be made to say: keyed "ATSP6" for any module, or
// "720 1800FF00" for one header.
class CarChannel : public talmero::sim::DemoChannel {
public:
    CarChannel() { open(); }

    void send(const QByteArray& bytes) override
    {
        const QString cmd = QString::fromLatin1(bytes).trimmed();
        sent.append(cmd);
        if (beforeSend)
            beforeSend(cmd);
        if (cmd.startsWith(QLatin1String("ATSH")))
            m_header = cmd.mid(4);
        // A canned answer is the module's, whatever count the request carries.
        const QString bare = cmd.startsWith(QLatin1String("AT")) ? cmd : cmd.section(QLatin1Char(' '), 0, 0);
        QString key = m_header + QLatin1Char(' ') + bare;
        if (!canned.contains(key))
            key = bare;
        if (canned.contains(key)) {
            Q_EMIT batchReceived(bytes.trimmed() + "\r" + canned.value(key) + "\r\r>");
            return;
        }
        DemoChannel::send(bytes);
    }

    QStringList sent;
    QMap<QString, QByteArray> canned;
    std::function<void(const QString& command)> beforeSend; // e.g. a module taking a write it does not confirm

private:
    QString m_header;
};

// A car, an adapter in front of it and a session over both, as the window holds them.
struct CarRig {
    CarChannel channel;
    RecordingHost host;
    talmero::link::Adapter adapter{channel, host};
    talmero::link::Session session{adapter, host};

    talmero::sim::Car& car() { return channel.car(); }
};
