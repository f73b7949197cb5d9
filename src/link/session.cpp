#include "link/session.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/channel.h"
#include "link/host.h"
#include "link/link_error.h"
#include "link/modules.h"

#include <QEventLoop>
#include <QTimer>

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

Session::Session(Adapter& adapter, Host& host, SwitchWay way)
    : m_adapter(adapter), m_host(host), m_way(way)
{
}

void Session::switchBus(bool medium, const QString& nextAddress, const QString& why)
{
    if (medium ? (busMS && !busHS) : (busHS && !busMS))
        return;
    switch (m_way.kind) {
    case SwitchWay::Kind::Prompt: {
        QString prompt = busPrompt(medium);
        if (const TModuls* next = moduleAt(nextAddress))
            prompt += u'\n' + tr("Следующий модуль: %1 (%2)").arg(moduleTitle(*next), car::qs(next->name));
        if (!why.isEmpty())
            prompt += u'\n' + why;
        if (!m_host.acknowledge(prompt)) {
            m_host.log(cancelledLine());
            throw OperationCancelled();
        }
        m_adapter.channel().busSwitched(medium);
        break;
    }
    case SwitchWay::Kind::Relay:
        setRelay(medium);
        break;
    case SwitchWay::Kind::Stn:
        break; // the protocol command moves it
    }
    busHS = !medium;
    busMS = medium;
    m_heardOnBus = false;
    m_openAddress.clear();
}

void Session::setRelay(bool medium)
{
    Channel& channel = m_adapter.channel();
    if (m_adapter.linkLost())
        return; // the port is gone: the next exchange says so
    if (!channel.setControlLine(m_way.line, m_way.lineLevel(medium)))
        throw LinkError(BusSwitchTexts::noControlLineText(channel.name(), m_way));
    // A relay takes a moment to move; the window keeps repainting meanwhile.
    QEventLoop settle;
    QTimer::singleShot(kRelaySettleMs, Qt::PreciseTimer, &settle, &QEventLoop::quit);
    settle.exec();
}

bool Session::selectProtocol(bool medium, bool logIt, const QString& nextAddress)
{
    const Protocol wanted = medium ? Protocol::Medium : Protocol::High;
    if (m_protocol == wanted)
        return true;
    m_protocol = Protocol::None;
    const bool stn = m_way.kind == SwitchWay::Kind::Stn;
    QString command = medium ? QStringLiteral("atspb") : QStringLiteral("atsp6");
    if (stn && medium)
        command = QStringLiteral("stp53");
    QString answer;
    // The first try may have met the adapter still busy with a late answer.
    for (int attempt = 0; attempt < 2 && answer != QLatin1String("OK") && !m_adapter.linkLost(); ++attempt)
        answer = cutCOM(m_adapter.writeCOM(command, logIt));
    if (answer == QLatin1String("OK")) {
        m_protocol = wanted;
        return true;
    }
    if (!stn || !medium || answer != QLatin1String("?"))
        return false;
    // An STN chip without the medium-speed transceiver does not know the protocol; its
    // protocol B would go out on the high-speed pins. Only a hand switch is left.
    m_host.log(tr("! Адаптер не принял STP53: средней шины в нём нет. Дальше шины "
                  "переключаются переключателем на адаптере (по запросу)"));
    m_way = SwitchWay();
    forgetBus();
    switchBus(medium, nextAddress);
    return selectProtocol(medium, logIt, nextAddress);
}

QString Session::silenceNote() const
{
    if (!m_way.automatic() || m_heardOnBus || busHS == busMS)
        return QString();
    return QStringLiteral(" (")
           + tr("нет ответа на %1; переключение: %2")
                 .arg(BusSwitchTexts::busText(busMS), BusSwitchTexts::wayText(m_way))
           + u')';
}

void Session::stopIfCancelled()
{
    if (!m_host.cancelRequested())
        return;
    m_host.log(cancelledLine());
    throw OperationCancelled();
}

Outcome Session::linkLost()
{
    return Outcome::failed(Outcome::Kind::ConnectionLost, tr("! Связь с адаптером потеряна"));
}

Outcome Session::resetAdapter(bool logIt)
{
    m_openAddress.clear();
    m_protocol = Protocol::None; // a reset selects the adapter's stored protocol
    if (m_adapter.writeCOM(QStringLiteral("atz"), logIt).contains(QLatin1String("ELM")))
        return Outcome::done();
    if (m_adapter.linkLost())
        return linkLost();
    return Outcome::failed(Outcome::Kind::AdapterSilent, tr("! Неверный ответ адаптера"));
}

Outcome Session::openModule(const car::Module& module, bool logIt, bool resetFirst, Use use, const QString& why)
{
    const QString address = car::qs(module.address);
    m_openAddress.clear();
    switchBus(module.medium(), address, why);
    if (resetFirst) {
        if (Outcome reset = resetAdapter(logIt); !reset.ok())
            return reset;
    }
    if (!selectProtocol(module.medium(), logIt, address))
        return m_adapter.linkLost() ? linkLost() : Outcome::failed(Outcome::Kind::BusRefused, tr("! Ошибка"));
    return selectModule(module, use, logIt);
}

Outcome Session::selectModule(const car::Module& module, Use use, bool logIt)
{
    const QString address = car::qs(module.address);
    const bool check1087 = use == Use::Blocks ? module.session : use == Use::Codes && module.sessionForCodes;
    m_openAddress.clear();
    // An STN chip takes the header with each request: nothing to send for it here.
    if (m_adapter.oneLineRequests())
        m_adapter.setHeader(address);
    else if (cutCOM(m_adapter.writeCOM(QStringLiteral("atsh") + address, logIt)) != QLatin1String("OK")) {
        m_protocol = Protocol::None;
        return m_adapter.linkLost() ? linkLost() : Outcome::failed(Outcome::Kind::HeaderRefused, tr("! Ошибка"));
    }
    if (check1087) {
        const QString answer = cutCOM(m_adapter.writeCOM(QStringLiteral("1087"), logIt, answerWithData(0)));
        const QString refusal = negativeAnswerNote(answer);
        if (answer != QLatin1String("5087") && refusal.isEmpty()) {
            m_protocol = Protocol::None;
            if (m_adapter.linkLost())
                return linkLost();
            return Outcome::failed(Outcome::Kind::ModuleSilent, tr("! Модуль не ответил или отсутствует") + silenceNote());
        }
        heardModule();
        if (answer != QLatin1String("5087"))
            return Outcome::failed(Outcome::Kind::ModuleRefused, tr("! Модуль не ответил или отсутствует") + refusal);
    }
    m_openAddress = address;
    return Outcome::done();
}

} // namespace talmero::link
