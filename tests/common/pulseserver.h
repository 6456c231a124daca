#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private PulseAudio server with one null sink ("dummy") for tests that
// play sound for real. It runs in the foreground as the test's own child, in
// the test's private runtime folder, so it cannot outlive the test. Start it
// before the audio system is first touched in the process: that looks for a
// server once and only retries later.
class PulseServer
{
public:
    PulseServer() = default;
    ~PulseServer() { stop(); }
    PulseServer(const PulseServer &) = delete;
    PulseServer &operator=(const PulseServer &) = delete;

    // Starts the server and waits (at most 10 s) until it answers. On failure
    // problem() says why.
    bool start();
    void stop();
    // Kills the server at once, as a crash would; true once it is gone.
    bool kill();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString problem() const { return m_problem; }

    // The null sink's state ("RUNNING", "IDLE", "SUSPENDED"), empty when the
    // server does not answer.
    static QString dummySinkState();
    // Streams currently playing into the server.
    static int sinkInputCount();
    // Runs pactl against the server; empty on any failure, never hangs.
    static QString pactl(const QStringList &arguments);

private:
    QProcess m_process;
    QString m_problem;
};
