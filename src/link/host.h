#pragma once

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
    // A question answered Yes or No (No is the default answer); true for Yes.
    virtual bool ask(const QString& question) = 0;
    // A notice the user may answer with Cancel instead of OK (a bus prompt); false for Cancel.
    virtual bool acknowledge(const QString& text)
    {
        notify(text);
        return true;
    }
    // Whether the user asked the running operation to stop (a Cancel button beside its
    // progress); long operations look between their exchanges.
    virtual bool cancelRequested() const { return false; }
};

} // namespace talmero::link
