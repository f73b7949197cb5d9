#include "safety/car_vin.h"

#include "link/adapter.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/modules.h"
#include "link/session.h"

namespace talmero::safety {

CarVinFinder::CarVinFinder(link::Session& session, link::Host& host, link::LinkState& state)
    : m_session(session), m_host(host), m_state(state)
{
}

QString CarVinFinder::known(bool* typed) const
{
    const link::CarVin car = m_state.carVin();
    if (typed)
        *typed = !car.known();
    return car.known() ? car.vin : m_state.carVIN;
}

namespace {

// Said under a bus prompt the lookup causes: a write to a medium-speed module would
// otherwise ask for the high-speed bus with no reason given.
const char* const kWhy[] = {
    QT_TRANSLATE_NOOP("CarVinFinder", "Это нужно, чтобы перед записью прочитать VIN автомобиля из этого модуля (один раз за подключение)"),
    QT_TRANSLATE_NOOP("CarVinFinder", "Это нужно, чтобы перед стиранием кодов или перезагрузкой прочитать VIN автомобиля из этого модуля (один раз за подключение)"),
    QT_TRANSLATE_NOOP("CarVinFinder", "Это нужно, чтобы прочитать VIN автомобиля из этого модуля и сохранить чтение кодов под ним (один раз за подключение)"),
};

} // namespace

// One try each: a silent module costs a time-out, and never makes the VIN unknown.
QString CarVinFinder::find(bool* typed, Purpose purpose)
{
    const QList<const link::TModuls*> identity = link::identityModules();
    for (const link::TModuls* m : identity) {
        const link::CarVin car = m_state.carVin();
        const QString address = car::qs(m->address);
        if (!car.disputed.isEmpty() || car.from == car::qs(identity.first()->address))
            break;
        if (m_state.moduleVins.contains(address) || m_asked.contains(address))
            continue;
        m_asked.insert(address);
        // The operation that asks resets the adapter itself: the lookup adds no reset.
        const link::Outcome opened =
            m_session.openModule(*m, true, false, link::Session::Use::Blocks, tr(kWhy[int(purpose)]));
        if (opened.ok())
            readOpenModuleVin(*m);
        // An adapter that does not answer reaches no other module either.
        if (opened.kind == link::Outcome::Kind::AdapterSilent || m_session.adapter().linkLost())
            break;
    }
    return known(typed);
}

QString CarVinFinder::readOpenModuleVin(const car::Module& module)
{
    if (module.vinBlock < 0)
        return QString();
    const QString address = car::qs(module.address);
    const auto data = link::readBlock(m_session.adapter(), car::blockText(module.vinBlock), true,
                                      link::blockBytes(module, module.vinBlock)).data;
    const QString vin = data ? QString::fromLatin1(QByteArray::fromHex(data->toLatin1())) : QString();
    if (!link::isVIN(vin))
        return QString();
    link::learnModuleVin(m_state, m_host, address, vin);
    return vin;
}

QStringList CarVinFinder::warnings() const
{
    const link::CarVin car = m_state.carVin();
    if (!car.unconfirmed.isEmpty())
        return {tr("Только один модуль дал VIN (%1), панель приборов - нет: VIN автомобиля неизвестен").arg(car.unconfirmed)};
    if (car.disputed.isEmpty())
        return {};
    return {tr("Модули автомобиля расходятся в VIN (%1): VIN автомобиля неизвестен").arg(car.disputed.join(QStringLiteral("; ")))};
}

} // namespace talmero::safety
