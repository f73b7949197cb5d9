#include "link/session.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/channel.h"
#include "link/host.h"

namespace talmero::link {

const QString Session::kSwitchToHighSpeed = QStringLiteral("Переключите адаптер на высокую шину (HSCAN)");
const QString Session::kSwitchToMediumSpeed = QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)");

Session::Session(Adapter& adapter, Host& host) : m_adapter(adapter), m_host(host) {}

void Session::switchBus(bool medium)
{
    if (medium) {
        if (busMS && !busHS)
            return;
        m_host.notify(kSwitchToMediumSpeed);
        busHS = false;
        busMS = true;
    } else {
        if (busHS && !busMS)
            return;
        m_host.notify(kSwitchToHighSpeed);
        busHS = true;
        busMS = false;
    }
    m_adapter.channel().busSwitched(medium);
}

QString Session::openModule(bool logIt, bool resetFirst, bool medium, bool check1087,
                            const QString& address)
{
    switchBus(medium);
    if (resetFirst && !m_adapter.writeCOM(QStringLiteral("atz"), logIt).contains(QLatin1String("ELM")))
        return QStringLiteral("! Неверный ответ адаптера");
    const QString protocol = medium ? QStringLiteral("atspb") : QStringLiteral("atsp6");
    if (cutCOM(m_adapter.writeCOM(protocol, logIt)) != QLatin1String("OK"))
        return QStringLiteral("! Ошибка");
    if (cutCOM(m_adapter.writeCOM(QStringLiteral("atsh") + address, logIt)) != QLatin1String("OK"))
        return QStringLiteral("! Ошибка");
    if (check1087 && cutCOM(m_adapter.writeCOM(QStringLiteral("1087"), logIt)) != QLatin1String("5087"))
        return QStringLiteral("! Модуль не ответил или отсутствует");
    return QStringLiteral("OK");
}

} // namespace talmero::link
