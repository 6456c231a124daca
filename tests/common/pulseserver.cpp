#include "pulseserver.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

QString PulseServer::pactl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int PulseServer::sinkInputCount()
{
    return int(
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")})
            .split(u'\n', Qt::SkipEmptyParts)
            .size());
}

QString PulseServer::dummySinkState()
{
    const QString sinks =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    for (const QString &line : sinks.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() >= 5 && fields.at(1) == QLatin1String("dummy"))
            return fields.last().trimmed();
    }
    return {};
}

bool PulseServer::start()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()) {
        m_problem = QStringLiteral("pulseaudio or pactl is not installed");
        return false;
    }
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                              QStringLiteral("--exit-idle-time=-1"),
                              QStringLiteral("--load=module-null-sink sink_name=dummy"),
                              QStringLiteral("--load=module-native-protocol-unix"),
                              QStringLiteral("--log-level=error")});
    if (!m_process.waitForStarted(5000)) {
        m_problem = QStringLiteral("pulseaudio did not start: ") + m_process.errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        if (m_process.state() != QProcess::Running) {
            m_problem =
                QStringLiteral("pulseaudio exited at start with code %1").arg(m_process.exitCode());
            return false;
        }
        if (!dummySinkState().isEmpty())
            return true;
        QTest::qWait(100);
    }
    m_problem = QStringLiteral("pulseaudio did not answer within 10 s");
    stop();
    return false;
}

void PulseServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

bool PulseServer::kill()
{
    m_process.kill();
    return m_process.waitForFinished(5000);
}
