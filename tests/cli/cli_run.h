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

// Every run keeps its write journal, description files and settings in a folder of this
// test program, never the user's.
inline QString cliDataHome()
{
    static QTemporaryDir dir;
    return dir.path();
}

// locale: the LANG of the run ("" for none); the expectations of most tests are the
// program's own texts, hence a Russian locale whatever the machine's.
inline CliRun cli(const QStringList& args, const QByteArray& input = {},
                  const QString& locale = QStringLiteral("ru_RU.UTF-8"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), cliDataHome() + QStringLiteral("/config"));
    // The packagers' description files too: none of the machine's.
    env.insert(QStringLiteral("XDG_DATA_DIRS"), cliDataHome() + QStringLiteral("/system"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LANG"));
    if (!locale.isEmpty())
        env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TALMERO_CLI_PATH), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    // A run that hangs is stopped and fails the test: its status would read 0.
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("(still running after 60 s)")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
