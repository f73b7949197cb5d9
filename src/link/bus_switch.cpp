#include "link/bus_switch.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/channel.h"
#include "link/link_error.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace talmero::link {

namespace {

constexpr std::array<std::pair<BusSwitchSetting, const char*>, 7> kNames{{
    {BusSwitchSetting::Auto, "auto"},
    {BusSwitchSetting::Prompt, "prompt"},
    {BusSwitchSetting::Stn, "stn"},
    {BusSwitchSetting::Rts, "rts"},
    {BusSwitchSetting::Dtr, "dtr"},
    {BusSwitchSetting::RtsInverted, "rts-inverted"},
    {BusSwitchSetting::DtrInverted, "dtr-inverted"},
}};

// The answer without its prompt, as the log shows it: what an adapter says goes on to the
// log, a tooltip and a terminal, where a control character could start an escape sequence.
// "" for no answer at all.
QString answerText(const QString& answer)
{
    QString text = answer.trimmed();
    if (text.endsWith(QLatin1Char('>')))
        text.chop(1);
    return printableForLog(text.trimmed());
}

// An ELM327 (and an STN chip, which answers as one) names itself in its reset answer.
bool isElmAnswer(const QString& text)
{
    return text.contains(QLatin1String("ELM"), Qt::CaseInsensitive);
}

} // namespace

QString busSwitchName(BusSwitchSetting setting)
{
    for (const auto& [s, name] : kNames) {
        if (s == setting)
            return QLatin1String(name);
    }
    return QString();
}

std::optional<BusSwitchSetting> busSwitchFromName(const QString& name)
{
    for (const auto& [s, n] : kNames) {
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return s;
    }
    return std::nullopt;
}

QStringList busSwitchNames()
{
    QStringList names;
    for (const auto& entry : kNames)
        names.append(QLatin1String(entry.second));
    return names;
}

bool AdapterIdentity::takesAnswerCounts() const
{
    if (isStn())
        return true;
    // "ELM327 v1.5", "ELM327 v2.1", "ELM327 v1.3a"
    static const QRegularExpression kVersion(QStringLiteral("\\bv(\\d+)\\.(\\d+)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = kVersion.match(version.isEmpty() ? reset : version);
    if (!m.hasMatch())
        return false;
    const int major = m.captured(1).toInt();
    return major > 1 || (major == 1 && m.captured(2).toInt() >= 3);
}

AdapterIdentity identifyAdapter(Adapter& adapter)
{
    AdapterIdentity id;
    // A reset can be lost in what the adapter still held from before (a half-typed line);
    // the second one then finds it listening. Never a bare CR: it repeats the last command.
    for (int attempt = 0; attempt < 2 && id.reset.isEmpty(); ++attempt) {
        const QString answer = answerText(adapter.writeCOM(QStringLiteral("atz"), false));
        if (isElmAnswer(answer))
            id.reset = answer;
        if (adapter.linkLost())
            return id;
    }
    if (id.reset.isEmpty())
        return id;
    id.version = answerText(adapter.writeCOM(QStringLiteral("ati"), false));
    // The reset's answer came late (it was the second one's): answers never come in time.
    if (id.version.isEmpty()) {
        id.reset.clear();
        return id;
    }
    // A plain ELM327 answers '?' to an ST command; an STN chip its firmware.
    const QString firmware = answerText(adapter.writeCOM(QStringLiteral("sti"), false));
    if (firmware.startsWith(QLatin1String("STN"), Qt::CaseInsensitive)) {
        id.firmware = firmware;
        const QString device = answerText(adapter.writeCOM(QStringLiteral("stdi"), false));
        if (device != QLatin1String("?"))
            id.device = device;
    }
    return id;
}

SwitchWay chooseWay(BusSwitchSetting setting, const AdapterIdentity& identity)
{
    using Kind = SwitchWay::Kind;
    switch (setting) {
    case BusSwitchSetting::Auto:
        // Whether the chip has the medium-speed transceiver shows at the first STP53.
        return SwitchWay{identity.isStn() ? Kind::Stn : Kind::Prompt};
    case BusSwitchSetting::Prompt:
        return SwitchWay{Kind::Prompt};
    case BusSwitchSetting::Stn:
        return SwitchWay{Kind::Stn};
    case BusSwitchSetting::Rts:
        return SwitchWay{Kind::Relay, ControlLine::Rts, false};
    case BusSwitchSetting::Dtr:
        return SwitchWay{Kind::Relay, ControlLine::Dtr, false};
    case BusSwitchSetting::RtsInverted:
        return SwitchWay{Kind::Relay, ControlLine::Rts, true};
    case BusSwitchSetting::DtrInverted:
        return SwitchWay{Kind::Relay, ControlLine::Dtr, true};
    }
    return SwitchWay{};
}

SwitchWay startAdapter(Adapter& adapter, BusSwitchSetting setting, int baudRate,
                       AdapterIdentity& identity)
{
    Channel& channel = adapter.channel();
    identity = identifyAdapter(adapter);
    if (!identity.answered()) {
        if (channel.isBluetooth())
            throw LinkError(adapter.linkLost() ? BusSwitchTexts::bluetoothClosedText(channel.name())
                                               : BusSwitchTexts::noBluetoothAnswerText(channel.name()));
        if (!channel.isNetwork())
            throw LinkError(BusSwitchTexts::noAnswerText(channel.name(), baudRate));
        throw LinkError(adapter.linkLost() ? BusSwitchTexts::networkClosedText(channel.name())
                                           : BusSwitchTexts::noNetworkAnswerText(channel.name()));
    }
    adapter.setAnswerCounts(identity.takesAnswerCounts());
    adapter.setOneLineRequests(identity.isStn());
    adapter.setTunedWaits(true);
    const SwitchWay way = chooseWay(setting, identity);
    if (way.kind == SwitchWay::Kind::Relay && !channel.setControlLine(way.line, way.lineLevel(false))) {
        if (channel.isBluetooth())
            throw LinkError(BusSwitchTexts::noBluetoothControlLineText(channel.name(), way));
        throw LinkError(channel.isNetwork() ? BusSwitchTexts::noNetworkControlLineText(channel.name(), way)
                                            : BusSwitchTexts::noControlLineText(channel.name(), way));
    }
    return way;
}

QString BusSwitchTexts::noNetworkControlLineText(const QString& address, const SwitchWay& way)
{
    const QString line = way.line == ControlLine::Rts ? QStringLiteral("RTS") : QStringLiteral("DTR");
    return tr("У адаптера Wi-Fi (%1) нет линии %2: реле переключения шин работает только через "
              "последовательный порт. Выберите в настройках другой способ переключения шин.")
        .arg(address, line);
}

QString BusSwitchTexts::noBluetoothControlLineText(const QString& port, const SwitchWay& way)
{
    const QString line = way.line == ControlLine::Rts ? QStringLiteral("RTS") : QStringLiteral("DTR");
    return tr("У адаптера Bluetooth (%1) нет линии %2: реле переключения шин работает только через "
              "последовательный порт. Выберите в настройках другой способ переключения шин.")
        .arg(port, line);
}

QString BusSwitchTexts::bluetoothClosedText(const QString& port)
{
    return tr("Связь с адаптером %1 потеряна при подключении, адаптер не ответил. Возможно, к нему "
              "подключён телефон или другая программа: адаптер Bluetooth обслуживает одну за раз.")
        .arg(port);
}

QString BusSwitchTexts::noBluetoothAnswerText(const QString& port)
{
    return tr("Адаптер ELM327 не ответил через Bluetooth (%1).\n"
              "Соединение установлено, но ответа адаптера нет. Проверьте, что это адаптер ELM327, "
              "а не другое устройство, и что он вставлен в разъём автомобиля и получает питание "
              "(включите зажигание).")
        .arg(port);
}

QString BusSwitchTexts::networkClosedText(const QString& address)
{
    return tr("Адаптер по адресу %1 закрыл соединение, не ответив. Возможно, к нему уже "
              "подключена другая программа: адаптер Wi-Fi обслуживает одну программу за раз.")
        .arg(address);
}

QString BusSwitchTexts::noNetworkAnswerText(const QString& address)
{
    return tr("Адаптер ELM327 не ответил по адресу %1.\n"
              "Соединение установлено, но ответа адаптера нет. Проверьте, что это адрес "
              "адаптера Wi-Fi, а не другого устройства, и что адаптер вставлен в разъём "
              "автомобиля и получает питание (включите зажигание).")
        .arg(address);
}

QString BusSwitchTexts::noControlLineText(const QString& port, const SwitchWay& way)
{
    const QString line = way.line == ControlLine::Rts ? QStringLiteral("RTS") : QStringLiteral("DTR");
    return tr("Порт %1 не позволяет управлять линией %2, и реле адаптера не переключить. "
              "Выберите в настройках другой способ переключения шин.")
        .arg(port, line);
}

QString BusSwitchTexts::wayText(const SwitchWay& way)
{
    switch (way.kind) {
    case SwitchWay::Kind::Prompt:
        return tr("переключатель на адаптере (по запросу)");
    case SwitchWay::Kind::Stn:
        return tr("встроенные команды адаптера (STN)");
    case SwitchWay::Kind::Relay:
        break;
    }
    const QString line = way.line == ControlLine::Rts ? QStringLiteral("RTS") : QStringLiteral("DTR");
    return way.inverted ? tr("реле на %1 (обратное)").arg(line) : tr("реле на %1").arg(line);
}

QString BusSwitchTexts::busText(bool medium)
{
    return medium ? tr("средней шине (MSCAN)") : tr("высокой шине (HSCAN)");
}

QString BusSwitchTexts::identityLine(const AdapterIdentity& identity, const SwitchWay& way)
{
    QString what = identity.version.isEmpty() || identity.version == QLatin1String("?")
                       ? identity.reset
                       : identity.version;
    if (identity.isStn()) {
        what += QStringLiteral(", ") + identity.firmware;
        if (!identity.device.isEmpty())
            what += QStringLiteral(", ") + identity.device;
    }
    return tr("* Адаптер: %1; переключение шин: %2").arg(what, wayText(way));
}

QString BusSwitchTexts::noAnswerText(const QString& port, int baudRate)
{
    return tr("Адаптер ELM327 не ответил на порту %1.\n"
              "Проверьте, что выбран порт адаптера, что скорость %2 совпадает со скоростью "
              "адаптера (часто 38400, у USB-адаптеров нередко 115200), и что адаптер вставлен "
              "в разъём автомобиля и получает питание (включите зажигание).")
        .arg(port)
        .arg(baudRate);
}

} // namespace talmero::link
