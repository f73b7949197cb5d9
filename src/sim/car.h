#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace talmero::sim {

// What a module (or the adapter itself, address "ELM") does wrong on purpose.
enum class FaultKind {
    None,
    Silent,   // never answers
    Negative, // refuses every request (7F service 22)
    Garbage,  // answers with unreadable bytes
    Late,     // answers 1.5 s late, after the program has stopped waiting
    NoPrompt, // answers without the closing '>'
    DropLine, // loses the last frame of a multi-frame answer
    Ignore,   // acknowledges a block write (7B) but keeps the block as it was
    // The adapter's own text after the first frame of a multi-frame answer, the rest lost:
    Stopped,      // "STOPPED"
    CanError,     // "CAN ERROR"
    BufferFull,   // "BUFFER FULL"
    BusInitError, // "BUS INIT: ...ERROR"
    Garbled,      // one character of a multi-frame answer arrives wrong: "B0" as "BO"
    // Answers a block write "busy, the answer follows" (7F 3B 78) and stores the block a
    // moment later: BusyWrite prints its real answer before the prompt, BusyLost never
    // (an adapter that returned after the busy line).
    BusyWrite,
    BusyLost,
};

// "silent", "negative", ... (the --fault spelling); nullopt for an unknown name.
std::optional<FaultKind> faultKindFromName(const QString& name);
// Every fault's --fault spelling, "none" left out.
QStringList faultKindNames();

// A state file that cannot be read or written; the text says which file and why.
class StateFileError : public std::runtime_error {
public:
    explicit StateFileError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// One module's answer to one request as it appears on the bus.
struct BusReply {
    bool answered = false;       // false: nothing on the bus answered
    int responseId = 0;          // CAN identifier of the answering module
    QList<QByteArray> messages;  // usually one; a response-pending note comes first
    FaultKind fault = FaultKind::None;
};

// What the engine module remembers for its OBD-II services beyond its codes: when they
// were last cleared (its self-tests start again then) and the freeze frame of the code that
// set one (PID -> value bytes).
struct EngineMemory {
    std::optional<double> clearedAt; // engine seconds; none: the tests ran long ago
    QByteArray frameCode;            // two code bytes; empty: no frame
    std::map<int, QByteArray> frame;
};

// A Focus II with its eleven modules on the high-speed and medium-speed buses.
class Car {
public:
    static const QString kAdapter; // "ELM": fault address of the adapter itself

    Car(); // factory state
    ~Car();

    // Addresses are the module table's ("720", "7E0"); anything else is ignored.
    bool hasModule(const QString& adr) const;
    // The addresses of its modules, in the order the car holds them.
    QStringList addresses() const;

    std::optional<QByteArray> block(const QString& adr, int blockNo) const;
    void setBlock(const QString& adr, int blockNo, const QByteArray& data);

    // Stored trouble codes, three bytes each: two code bytes and the status.
    QList<QByteArray> dtcs(const QString& adr) const;
    void setDtcs(const QString& adr, const QList<QByteArray>& codes);

    const EngineMemory& engineMemory() const { return m_engine; }

    int restarts(const QString& adr) const;
    bool sessionOpen(const QString& adr) const;

    bool present(const QString& adr) const;
    void setPresent(const QString& adr, bool present);

    // The adapter's hand switch: true = medium-speed bus pins connected.
    bool switchMedium() const { return m_switchMedium; }
    void setSwitchMedium(bool medium);

    // How long the engine has been running: since the car was made.
    double engineSeconds() const { return m_engineClock.elapsed() / 1000.0; }

    // What the adapter reads on the battery pin (ATRV).
    double batteryVolts() const { return m_batteryVolts; }
    void setBatteryVolts(double volts) { m_batteryVolts = volts; }

    FaultKind fault(const QString& adr) const;
    void setFault(const QString& adr, FaultKind kind);

    // The VIN every module with a VIN block holds, and the engine module reports.
    QString vin() const { return m_vin; }
    void setVin(const QString& vin);

    // Called after every change a request or a setter made to the stored state.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    // A request on one bus to one CAN identifier (0x7DF reaches the engine module's
    // OBD-II services). The bus switch is the adapter's business, not checked here.
    BusReply request(bool mediumBus, int canId, const QByteArray& data);

    // Whole state as JSON. load: a missing file leaves the state as it is; a file
    // that cannot be read or understood throws StateFileError.
    void load(const QString& path);
    void save(const QString& path) const;

    struct Module {
        QString adr;
        int canId = 0;
        bool medium = false;
        bool restartAllowed = false;
        bool session87 = true;     // understands session 0x87 and needs it for writes
        bool codes = true;         // answers the trouble-code services (18, 14)
        bool declared = false;     // beyond the car's own: declared by its state file
        int slowBlock = -1;        // block answered after a response-pending note
        int vinBlock = -1;         // the block holding the VIN; -1 none
        std::map<int, QByteArray> blocks;
        QList<QByteArray> dtcs;
        bool present = true;
        FaultKind fault = FaultKind::None;
        bool sessionOpen = false;
        int restarts = 0;
        // Blocks written while busy: stored once their time has come.
        struct LaterStore {
            int block = 0;
            QByteArray value;
            qint64 dueMs = 0; // on the car's clock
        };
        QList<LaterStore> later;
    };

    // How long a busy module takes to store a written block.
    static constexpr int kBusyStoreMs = 300;

private:
    Module* find(const QString& adr);
    const Module* find(const QString& adr) const;
    QByteArray serve(Module& m, const QByteArray& data);
    void changed();
    void storeDue(); // the busy modules' writes whose time has come
    // The blocks as the module holds them now: a busy write counts once its time has come.
    std::map<int, QByteArray> blocksNow(const Module& m) const;
    void buildFactoryState(); // car_factory_state.cpp

    std::vector<Module> m_modules;
    FaultKind m_adapterFault = FaultKind::None;
    bool m_switchMedium = false;
    double m_batteryVolts = 12.6;
    QElapsedTimer m_engineClock;
    EngineMemory m_engine;
    QString m_vin;
    std::function<void()> m_changed;
};

// The engine module's OBD-II answer (modes 01, 02, 03, 09) with the engine running for
// engineSeconds, or nullopt when it keeps silent (an unsupported PID). car_obd.cpp.
std::optional<QByteArray> obdAnswer(const QByteArray& request, const QString& vin, const QList<QByteArray>& dtcs,
                                    const EngineMemory& memory, double engineSeconds);
// The freeze frame the engine keeps when it stores this code, as it ran at that moment.
std::map<int, QByteArray> freezeFrameOf(const QByteArray& code);

} // namespace talmero::sim
