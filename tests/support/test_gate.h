#pragma once

#include "link/modules.h"
#include "safety/write_gate.h"

#include <QTemporaryDir>

// A write gate over a test's session, with its journal in a folder of its own.
struct TestGate {
    TestGate(talmero::link::Session& session, talmero::link::Host& host)
        : gate(session, host, state, settings(dir))
    {
    }

    static talmero::safety::SafetySettings settings(const QTemporaryDir& dir)
    {
        talmero::safety::SafetySettings s;
        s.journalPath = dir.filePath(QStringLiteral("journal.sqlite"));
        return s;
    }
    QString journalPath() const { return dir.filePath(QStringLiteral("journal.sqlite")); }

    QTemporaryDir dir;
    talmero::link::LinkState state;
    talmero::safety::WriteGate gate;
};
