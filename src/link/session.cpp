#include "link/session.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/channel.h"
#include "link/host.h"
#include "link/link_error.h"
#include "link/modules.h"

namespace talmero::link {

QString Session::busPrompt(bool medium)
{
    return medium ? tr("Переключите адаптер на среднюю шину (MSCAN)")
                  : tr("Переключите адаптер на высокую шину (HSCAN)");
}

QString Session::cancelledLine()
{
    return tr("* Операция отменена пользователем");
}

Session::Session(Adapter& adapter, Host& host) : m_adapter(adapter), m_host(host) {}

void Session::switchBus(bool medium, const QString& nextAddress)
{
    if (medium ? (busMS && !busHS) : (busHS && !busMS))
        return;
    QString prompt = busPrompt(medium);
    if (const TModuls* next = moduleAt(nextAddress))
        prompt += u'\n' + tr("Следующий модуль: %1 (%2)").arg(moduleTitle(*next), next->name);
    if (!m_host.acknowledge(prompt)) {
        m_host.log(cancelledLine());
        throw OperationCancelled();
    }
    busHS = !medium;
    busMS = medium;
    m_adapter.channel().busSwitched(medium);
}

void Session::stopIfCancelled()
{
    if (!m_host.cancelRequested())
        return;
    m_host.log(cancelledLine());
    throw OperationCancelled();
}

QString Session::openModule(bool logIt, bool resetFirst, bool medium, bool check1087,
                            const QString& address)
{
    switchBus(medium, address);
    if (resetFirst && !m_adapter.writeCOM(QStringLiteral("atz"), logIt).contains(QLatin1String("ELM")))
        return tr("! Неверный ответ адаптера");
    const QString protocol = medium ? QStringLiteral("atspb") : QStringLiteral("atsp6");
    if (cutCOM(m_adapter.writeCOM(protocol, logIt)) != QLatin1String("OK"))
        return tr("! Ошибка");
    if (cutCOM(m_adapter.writeCOM(QStringLiteral("atsh") + address, logIt)) != QLatin1String("OK"))
        return tr("! Ошибка");
    if (check1087) {
        const QString answer = cutCOM(m_adapter.writeCOM(QStringLiteral("1087"), logIt));
        if (answer != QLatin1String("5087"))
            return tr("! Модуль не ответил или отсутствует") + negativeAnswerNote(answer);
    }
    return QStringLiteral("OK");
}

} // namespace talmero::link
