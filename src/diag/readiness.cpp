#include "diag/readiness.h"

#include "diag/live_values.h"
#include "link/adapter.h"
#include "link/answer_count.h"
#include "link/answer_text.h"
#include "car/modules.h"
#include "link/session.h"

#include <algorithm>

namespace talmero::diag {

namespace {

constexpr int kDataBytes = 4;

// The continuous monitors: byte B, bit n supported (for PID 41: enabled), bit n+4 incomplete.
constexpr const char* kContinuous[] = {
    QT_TRANSLATE_NOOP("Readiness", "Пропуски воспламенения"),
    QT_TRANSLATE_NOOP("Readiness", "Топливная система"),
    QT_TRANSLATE_NOOP("Readiness", "Прочие компоненты"),
};

// Bytes C (supported) and D (incomplete), bit 0 first; nullptr: a bit J1979 reserves.
constexpr const char* kSpark[8] = {
    QT_TRANSLATE_NOOP("Readiness", "Каталитический нейтрализатор"),
    QT_TRANSLATE_NOOP("Readiness", "Подогрев нейтрализатора"),
    QT_TRANSLATE_NOOP("Readiness", "Система улавливания паров топлива"),
    QT_TRANSLATE_NOOP("Readiness", "Система вторичного воздуха"),
    QT_TRANSLATE_NOOP("Readiness", "Хладагент кондиционера"),
    QT_TRANSLATE_NOOP("Readiness", "Кислородные датчики"),
    QT_TRANSLATE_NOOP("Readiness", "Подогрев кислородных датчиков"),
    QT_TRANSLATE_NOOP("Readiness", "Рециркуляция отработавших газов и фазы ГРМ"),
};
constexpr const char* kCompression[8] = {
    QT_TRANSLATE_NOOP("Readiness", "Катализатор углеводородов (NMHC)"),
    QT_TRANSLATE_NOOP("Readiness", "Нейтрализация NOx (SCR)"),
    nullptr,
    QT_TRANSLATE_NOOP("Readiness", "Давление наддува"),
    nullptr,
    QT_TRANSLATE_NOOP("Readiness", "Датчики отработавших газов"),
    QT_TRANSLATE_NOOP("Readiness", "Сажевый фильтр"),
    QT_TRANSLATE_NOOP("Readiness", "Рециркуляция отработавших газов и фазы ГРМ"),
};

MonitorState stateOf(bool supported, bool incomplete)
{
    if (!supported)
        return MonitorState::NotSupported;
    return incomplete ? MonitorState::Incomplete : MonitorState::Complete;
}

QString readinessHex(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

bool Readiness::allComplete() const
{
    return std::none_of(monitors.begin(), monitors.end(),
                        [](const MonitorStatus& m) { return m.state == MonitorState::Incomplete; });
}

QStringList Readiness::incomplete() const
{
    QStringList names;
    for (const MonitorStatus& m : monitors) {
        if (m.state == MonitorState::Incomplete)
            names << monitorName(m);
    }
    return names;
}

Readiness decodeReadiness(int pid, const quint8 data[4], bool compressionIgnition)
{
    Readiness r;
    r.pid = pid;
    if (pid == 0x01) {
        r.lamp = data[0] & 0x80;
        r.storedCodes = data[0] & 0x7F;
        // Byte B, bit 3 tells the two layouts of bytes C and D apart.
        r.compressionIgnition = data[1] & 0x08;
    } else {
        r.compressionIgnition = compressionIgnition;
    }
    for (int bit = 0; bit < 3; ++bit)
        r.monitors.append({kContinuous[bit], stateOf(data[1] & (1 << bit), data[1] & (0x10 << bit))});
    const auto& layout = r.compressionIgnition ? kCompression : kSpark;
    for (int bit = 0; bit < 8; ++bit) {
        if (layout[bit])
            r.monitors.append({layout[bit], stateOf(data[2] & (1 << bit), data[3] & (1 << bit))});
    }
    return r;
}

std::optional<Readiness> parseReadiness(int pid, const QString& cut, bool compressionIgnition)
{
    const std::optional<QByteArray> data = answerBytes(cut, QStringLiteral("41") + readinessHex(pid), kDataBytes);
    if (!data)
        return std::nullopt;
    return decodeReadiness(pid, reinterpret_cast<const quint8*>(data->constData()), compressionIgnition);
}

ReadinessResult ReadinessCheck::run(link::Session& session)
{
    ReadinessResult result;
    // The engine module answers OBD-II without a session.
    const link::Outcome opened = session.openModule(car::kPcm, true, true, link::Session::Use::Obd);
    if (!opened.ok()) {
        result.outcome = opened;
        return result;
    }
    link::Adapter& adapter = session.adapter();
    const QString cut = link::cutCOM(adapter.writeCOM(QStringLiteral("0101"), true, link::answerWithData(kDataBytes)));
    result.sinceCleared = parseReadiness(0x01, cut);
    if (!result.sinceCleared) {
        const link::Outcome::Kind kind = cut.isEmpty() || cut.contains(QLatin1String("NODATA"))
            ? link::Outcome::Kind::ModuleSilent
            : link::negativeReason(cut) >= 0 ? link::Outcome::Kind::ModuleRefused
                                             : link::Outcome::Kind::WrongAnswer;
        const QString answer = cut.isEmpty() ? tr("нет ответа") : link::printableForLog(cut);
        result.outcome = link::Outcome::failed(kind, tr("! Готовность систем не прочитана: двигатель ответил на 0101 «%1»").arg(answer));
        return result;
    }
    // The cycle's status is optional in J1979: an engine that keeps silent still has one.
    if (!adapter.linkLost()) {
        const QString cycle = link::cutCOM(adapter.writeCOM(QStringLiteral("0141"), true, link::answerWithData(kDataBytes)));
        result.thisCycle = parseReadiness(0x41, cycle, result.sinceCleared->compressionIgnition);
    }
    const QStringList open = result.sinceCleared->incomplete();
    result.outcome.line = open.isEmpty() ? tr("* Готовность систем: все поддерживаемые проверки завершены")
                                         : tr("* Готовность систем: не завершены проверки: %1").arg(open.join(QStringLiteral(", ")));
    return result;
}

QString monitorName(const MonitorStatus& monitor)
{
    return QCoreApplication::translate("Readiness", monitor.name);
}

QString monitorStateText(MonitorState state, int pid)
{
    switch (state) {
    case MonitorState::Complete:
        return QCoreApplication::translate("Readiness", "завершена");
    case MonitorState::Incomplete:
        return QCoreApplication::translate("Readiness", "не завершена");
    case MonitorState::NotSupported:
        break;
    }
    return pid == 0x41 ? QCoreApplication::translate("Readiness", "не выполняется в этом цикле")
                       : QCoreApplication::translate("Readiness", "не поддерживается");
}

QString readinessTitle(int pid)
{
    return pid == 0x41 ? QCoreApplication::translate("Readiness", "Проверки в текущем цикле поездки:")
                       : QCoreApplication::translate("Readiness", "Проверки с момента стирания кодов:");
}

QStringList readinessLines(const Readiness& r)
{
    QStringList lines;
    if (r.pid == 0x01) {
        lines << QCoreApplication::translate("Readiness", "Лампа неисправности: %1")
                     .arg(r.lamp ? QCoreApplication::translate("Readiness", "включена")
                                 : QCoreApplication::translate("Readiness", "не включена"))
              << QCoreApplication::translate("Readiness", "Кодов в памяти двигателя: %1").arg(r.storedCodes)
              << QCoreApplication::translate("Readiness", "Зажигание: %1")
                     .arg(r.compressionIgnition ? QCoreApplication::translate("Readiness", "от сжатия (дизель)")
                                                : QCoreApplication::translate("Readiness", "искровое"));
    }
    lines << readinessTitle(r.pid);
    for (const MonitorStatus& m : r.monitors)
        lines << QStringLiteral("  ") + monitorName(m) + QStringLiteral(": ") + monitorStateText(m.state, r.pid);
    return lines;
}

} // namespace talmero::diag
