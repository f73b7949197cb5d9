#pragma once

#include "link/host.h"

#include <QList>
#include <QStringList>
#include <functional>

// A Host for tests: keeps the log lines, the notices and the confirmations, acknowledging
// each notice at once and answering bus prompts and confirmations from acknowledgeAnswers
// and confirmAnswers (yes when empty).
class RecordingHost : public talmero::link::Host {
public:
    void log(const QString& line) override { lines.append(line); }
    void notify(const QString& text) override
    {
        notices.append(text);
        if (onNotify)
            onNotify(text);
    }
    bool ask(const QString& question) override
    {
        questions.append(question);
        return askAnswers.isEmpty() ? true : askAnswers.takeFirst();
    }
    bool acknowledge(const QString& text) override
    {
        notify(text);
        return acknowledgeAnswers.isEmpty() ? true : acknowledgeAnswers.takeFirst();
    }
    bool confirm(const talmero::link::ChangeRequest& request) override
    {
        confirmations.append(request);
        if (request.backupFirst)
            *request.backupFirst = backupFirst;
        return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
    }

    QStringList lines;
    QStringList notices;
    QList<talmero::link::ChangeRequest> confirmations;
    QList<bool> confirmAnswers;
    bool backupFirst = false; // the tick of an offered backup
    QList<bool> acknowledgeAnswers; // bus prompts: false is Cancel
    QStringList questions;
    QList<bool> askAnswers;
    std::function<void(const QString&)> onNotify; // e.g. to move the virtual car's switch
};
