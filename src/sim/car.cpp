#include "sim/car.h"

namespace talmero::sim {

const QString Car::kAdapter = QStringLiteral("ELM");

namespace {

struct FaultName {
    FaultKind kind;
    const char* name;
};

constexpr FaultName kFaultNames[] = {
    {FaultKind::None, "none"},         {FaultKind::Silent, "silent"},
    {FaultKind::Negative, "negative"}, {FaultKind::Garbage, "garbage"},
    {FaultKind::Late, "late"},         {FaultKind::NoPrompt, "noprompt"},
    {FaultKind::DropLine, "dropline"}, {FaultKind::Ignore, "ignore"},
    {FaultKind::Stopped, "stopped"},   {FaultKind::CanError, "canerror"},
    {FaultKind::BufferFull, "bufferfull"}, {FaultKind::BusInitError, "businit"},
    {FaultKind::Garbled, "garbled"},
    {FaultKind::BusyWrite, "busy"},    {FaultKind::BusyLost, "busylost"},
};

// Negative response codes (KWP2000).
constexpr char kServiceNotSupported = 0x11;
constexpr char kSubFunctionNotSupported = 0x12;
constexpr char kWrongLength = 0x13;
constexpr char kConditionsNotCorrect = 0x22;
constexpr char kOutOfRange = 0x31;
constexpr char kResponsePending = 0x78;

constexpr int kFunctionalId = 0x7DF;
constexpr int kEngineId = 0x7E0;

QByteArray negative(char service, char reason)
{
    return QByteArray{"\x7F", 1} + service + reason;
}

bool isObdMode(char service)
{
    return service == 0x01 || service == 0x02 || service == 0x03 || service == 0x09;
}

} // namespace

std::optional<FaultKind> faultKindFromName(const QString& name)
{
    for (const FaultName& f : kFaultNames) {
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return f.kind;
    }
    return std::nullopt;
}

QStringList faultKindNames()
{
    QStringList names;
    for (const FaultName& f : kFaultNames) {
        if (f.kind != FaultKind::None)
            names.append(QLatin1String(f.name));
    }
    return names;
}

Car::Car()
{
    buildFactoryState();
    m_engineClock.start();
}

Car::~Car() = default;

Car::Module* Car::find(const QString& adr)
{
    for (Module& m : m_modules) {
        if (m.adr.compare(adr, Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

const Car::Module* Car::find(const QString& adr) const
{
    return const_cast<Car*>(this)->find(adr);
}

bool Car::hasModule(const QString& adr) const
{
    return find(adr) != nullptr;
}

QStringList Car::addresses() const
{
    QStringList out;
    for (const Module& m : m_modules)
        out << m.adr;
    return out;
}

std::optional<QByteArray> Car::block(const QString& adr, int blockNo) const
{
    const Module* m = find(adr);
    if (!m)
        return std::nullopt;
    const std::map<int, QByteArray> blocks = blocksNow(*m);
    const auto it = blocks.find(blockNo);
    if (it == blocks.end())
        return std::nullopt;
    return it->second;
}

std::map<int, QByteArray> Car::blocksNow(const Module& m) const
{
    std::map<int, QByteArray> blocks = m.blocks;
    for (const Module::LaterStore& s : m.later) {
        if (s.dueMs <= m_engineClock.elapsed())
            blocks[s.block] = s.value;
    }
    return blocks;
}

void Car::storeDue()
{
    bool stored = false;
    for (Module& m : m_modules) {
        m.blocks = blocksNow(m);
        const qsizetype before = m.later.size();
        m.later.removeIf([this](const Module::LaterStore& s) { return s.dueMs <= m_engineClock.elapsed(); });
        stored = stored || m.later.size() != before;
    }
    if (stored)
        changed();
}

void Car::setBlock(const QString& adr, int blockNo, const QByteArray& data)
{
    if (Module* m = find(adr)) {
        m->blocks[blockNo] = data;
        m->later.removeIf([blockNo](const Module::LaterStore& s) { return s.block == blockNo; });
        changed();
    }
}

QList<QByteArray> Car::dtcs(const QString& adr) const
{
    const Module* m = find(adr);
    return m ? m->dtcs : QList<QByteArray>();
}

void Car::setDtcs(const QString& adr, const QList<QByteArray>& codes)
{
    if (Module* m = find(adr)) {
        m->dtcs = codes;
        changed();
    }
}

int Car::restarts(const QString& adr) const
{
    const Module* m = find(adr);
    return m ? m->restarts : 0;
}

bool Car::sessionOpen(const QString& adr) const
{
    const Module* m = find(adr);
    return m && m->sessionOpen;
}

bool Car::present(const QString& adr) const
{
    const Module* m = find(adr);
    return m && m->present;
}

void Car::setPresent(const QString& adr, bool present)
{
    if (Module* m = find(adr)) {
        m->present = present;
        m->sessionOpen = false;
        changed();
    }
}

void Car::setSwitchMedium(bool medium)
{
    if (m_switchMedium == medium)
        return;
    m_switchMedium = medium;
    changed();
}

FaultKind Car::fault(const QString& adr) const
{
    if (adr.compare(kAdapter, Qt::CaseInsensitive) == 0)
        return m_adapterFault;
    const Module* m = find(adr);
    return m ? m->fault : FaultKind::None;
}

void Car::setFault(const QString& adr, FaultKind kind)
{
    if (adr.compare(kAdapter, Qt::CaseInsensitive) == 0)
        m_adapterFault = kind;
    else if (Module* m = find(adr))
        m->fault = kind;
}

void Car::changed()
{
    if (m_changed)
        m_changed();
}

BusReply Car::request(bool mediumBus, int canId, const QByteArray& data)
{
    BusReply reply;
    storeDue();
    if (data.isEmpty())
        return reply;
    // The functional OBD-II address reaches the engine module, and only its OBD services.
    const int target = (canId == kFunctionalId && isObdMode(data[0])) ? kEngineId : canId;
    for (Module& m : m_modules) {
        if (m.canId != target || m.medium != mediumBus || !m.present)
            continue;
        reply.fault = m.fault;
        if (m.fault == FaultKind::Silent)
            return reply;
        if (m.fault == FaultKind::Negative) {
            reply.messages = {negative(data[0], kConditionsNotCorrect)};
        } else if (m.canId == kEngineId && isObdMode(data[0])) {
            const std::optional<QByteArray> obd = obdAnswer(data, m_vin, m.dtcs, m_engine, engineSeconds());
            if (!obd)
                return reply;
            reply.messages = {*obd};
        } else {
            if (data[0] == 0x21 && data.size() == 2 && quint8(data[1]) == m.slowBlock
                && m.blocks.count(m.slowBlock))
                reply.messages.append(negative(0x21, kResponsePending));
            const bool busy = data[0] == 0x3B && (m.fault == FaultKind::BusyWrite || m.fault == FaultKind::BusyLost);
            if (busy)
                reply.messages.append(negative(0x3B, kResponsePending));
            // The real answer of a module that said it was busy may never reach the host.
            const QByteArray answer = serve(m, data);
            if (m.fault != FaultKind::BusyLost || !busy)
                reply.messages.append(answer);
        }
        reply.answered = true;
        reply.responseId = m.canId + 8;
        return reply;
    }
    return reply;
}

// The module's diagnostic services; the answer is positive or 7F + service + reason.
QByteArray Car::serve(Module& m, const QByteArray& data)
{
    const char service = data[0];
    const int size = int(data.size());
    if (!m.codes && (service == 0x18 || service == 0x14))
        return negative(service, kServiceNotSupported);
    switch (service) {
    case 0x10: { // session control
        if (size != 2)
            return negative(service, kWrongLength);
        const quint8 session = quint8(data[1]);
        if (session == 0x87 && m.session87) {
            m.sessionOpen = true;
            return QByteArray("\x50\x87", 2);
        }
        if (session == 0x81) {
            m.sessionOpen = false;
            return QByteArray("\x50\x81", 2);
        }
        return negative(service, kSubFunctionNotSupported);
    }
    case 0x21: { // read data by local identifier
        if (size != 2)
            return negative(service, kWrongLength);
        const auto it = m.blocks.find(quint8(data[1]));
        if (it == m.blocks.end())
            return negative(service, kOutOfRange);
        return QByteArray("\x61", 1) + data[1] + it->second;
    }
    case 0x3B: { // write data by local identifier
        if (size < 2)
            return negative(service, kWrongLength);
        if (m.session87 && !m.sessionOpen)
            return negative(service, kConditionsNotCorrect);
        const auto it = m.blocks.find(quint8(data[1]));
        if (it == m.blocks.end())
            return negative(service, kOutOfRange);
        const QByteArray value = data.mid(2);
        if (value.size() != it->second.size())
            return negative(service, kWrongLength);
        if (m.fault == FaultKind::BusyWrite || m.fault == FaultKind::BusyLost) {
            m.later.append({it->first, value, m_engineClock.elapsed() + kBusyStoreMs});
        } else if (m.fault != FaultKind::Ignore) {
            it->second = value;
            changed();
        }
        return QByteArray("\x7B", 1) + data[1];
    }
    case 0x11: { // ECU reset
        if (size != 2)
            return negative(service, kWrongLength);
        if (data[1] != 0x01 || !m.restartAllowed)
            return negative(service, kSubFunctionNotSupported);
        ++m.restarts;
        m.sessionOpen = false; // a restarted module is back in its default session
        changed();
        return QByteArray("\x51\x01", 2);
    }
    case 0x18: { // read trouble codes by status
        if (size != 4)
            return negative(service, kWrongLength);
        QByteArray answer("\x58", 1);
        answer += char(m.dtcs.size());
        for (const QByteArray& code : m.dtcs)
            answer += code;
        return answer;
    }
    case 0x14: { // clear diagnostic information
        if (size != 3)
            return negative(service, kWrongLength);
        m.dtcs.clear();
        // The engine forgets its freeze frame, and its self-tests start again.
        if (m.canId == kEngineId) {
            m_engine.clearedAt = engineSeconds();
            m_engine.frameCode.clear();
            m_engine.frame.clear();
        }
        changed();
        return QByteArray("\x54", 1) + data.mid(1);
    }
    default:
        return negative(service, kServiceNotSupported);
    }
}

} // namespace talmero::sim
