#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmero::link {

// A change to the car that the user must agree to before anything is sent.
struct ChangeRequest {
    enum class Kind { Write, Clear, Restart };
    Kind kind = Kind::Write;
    QString title;       // what is about to happen: "Запись конфигурации", "Стирание ошибок"
    QString subject;     // the module and address, or what the change reaches
    QStringList changes; // one line per changed option ("caption: old → new") or per module
    QString oldHex;      // a block write: what the module holds now ...
    QString newHex;      // ... and what will be written; both empty for other changes
    QStringList warnings;
    QString battery;     // the battery as read just before asking ("12.6"), "" when not read
    QString mustTick;    // when set: a tick with this text must be set before agreeing
    // The first write to a car without a backup: a tick with this text, set at first; the
    // host leaves in *backupFirst whether it stayed set (false when it shows no tick).
    QString backupOffer;
    bool* backupFirst = nullptr;

    // A batch: one confirmation for several blocks, one part per block (its module and
    // address in subject, its changes, old and new content, warnings). The fields above
    // then describe the whole; oldHex and newHex stay empty.
    struct Part {
        QString subject;
        QStringList changes;
        QString oldHex;
        QString newHex;
        QStringList warnings;
    };
    QList<Part> parts;
    bool choosable = false; // the user may leave parts out (a tick per part)
};

// What the logic needs from the window: the log, a modal notice and a confirmation.
class Host {
public:
    virtual ~Host() = default;
    // Appends one line to the program's log.
    virtual void log(const QString& line) = 0;
    // Shows a notice with one OK button; returns once the user has acknowledged it.
    virtual void notify(const QString& text) = 0;
    // Shows the change and asks the user to agree; false sends nothing.
    virtual bool confirm(const ChangeRequest& request) = 0;
    // A batch whose parts the user may leave out: one flag per part, true for a part to
    // write; an empty list (or no flag set) sends nothing. By default all or nothing.
    virtual QList<bool> chooseParts(const ChangeRequest& request)
    {
        return confirm(request) ? QList<bool>(request.parts.size(), true) : QList<bool>();
    }
    // A question answered Yes or No (No is the default answer); true for Yes.
    virtual bool ask(const QString& question) = 0;
    // A notice the user may answer with Cancel instead of OK (a bus prompt); false for Cancel.
    virtual bool acknowledge(const QString& text)
    {
        notify(text);
        return true;
    }
    // A write request went to a module's block (whatever came of it): what the window
    // shows of that block may be stale now.
    virtual void blockWritten(const QString& address, const QString& block)
    {
        Q_UNUSED(address);
        Q_UNUSED(block);
    }
    // Whether the user asked the running operation to stop (a Cancel button beside its
    // progress); long operations look between their exchanges.
    virtual bool cancelRequested() const { return false; }
};

} // namespace talmero::link
