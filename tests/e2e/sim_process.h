#pragma once

#include <QProcess>
#include <QStringList>

// talmero-sim as a child process: its pseudo-terminal path is the first line it prints.
class SimProcess {
public:
    // errorFile: where its standard error goes (a --trace), so that it never waits on a pipe.
    explicit SimProcess(const QStringList& args = {}, const QString& errorFile = QString())
    {
        m_process.setProgram(QStringLiteral(TALMERO_SIM_PATH));
        m_process.setArguments(args);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        if (!errorFile.isEmpty())
            m_process.setStandardErrorFile(errorFile);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimProcess() { stop(); }

    QString path() const { return m_path; }
    QProcess& process() { return m_process; }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QString m_path;
};
