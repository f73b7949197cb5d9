#pragma once

#include "link/modules.h"
#include "safety/write_gate.h"

#include <QTemporaryDir>

// A write gate over a test's session, with its journal in a folder of its own.
struct TestGate {
    TestGate(talmero::link::Session& session, talmero::link::Host& host,
             double minVoltage = talmero::safety::SafetySettings::kDefaultMinVoltage)
        : gate(session, host, state, settings(dir, minVoltage))
    {
    }

    static talmero::safety::SafetySettings settings(const QTemporaryDir& dir, double minVoltage)
    {
        talmero::safety::SafetySettings s;
        s.journalPath = dir.filePath(QStringLiteral("journal.sqlite"));
        s.minVoltage = minVoltage;
        return s;
    }
    QString journalPath() const { return dir.filePath(QStringLiteral("journal.sqlite")); }

    QTemporaryDir dir;
    talmero::link::LinkState state;
    talmero::safety::WriteGate gate;
};
