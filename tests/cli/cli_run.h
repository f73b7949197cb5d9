#pragma once

#include <QProcess>
#include <QTemporaryDir>

// talmero-cli as a child process: its exit status and both outputs.
struct CliRun {
    int exit = -1;
    QString out;
    QString err;
    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Every run keeps its write journal in a folder of this test program, never the user's.
inline QString cliDataHome()
{
    static QTemporaryDir dir;
    return dir.path();
}

inline CliRun cli(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TALMERO_CLI_PATH), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
