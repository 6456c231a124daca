#pragma once

// tallyfold-solve run as a program, for the tests of its command line.

#include <QProcess>
#include <QStringDecoder>
#include <QStringList>

#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
    bool utf8 = false; // both outputs are valid UTF-8
};

#if defined(__SANITIZE_ADDRESS__)
#define TALLYFOLD_NOT_SANITIZED __attribute__((no_sanitize_address))
#else
#define TALLYFOLD_NOT_SANITIZED
#endif

enum class Output {
    ToTest,
    FullDisk, // a full disk takes nothing, and says so only when written to
#ifdef Q_OS_UNIX
    ClosedPipe, // a pipe whose reader has gone, as head(1) leaves it
#endif
};

// arguments: as bytes, which need not be UTF-8 where the system passes
// bytes; output: where the program's standard output goes.
inline Result solveBytes(const QByteArrayList &arguments, Output output = Output::ToTest)
{
    QProcess process;
    if (output == Output::FullDisk)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
#ifdef Q_OS_UNIX
    // QProcess passes its arguments as UTF-8: the child starts the program
    // itself, with the bytes as given.
    const QByteArray program(TALLYFOLD_SOLVE_PATH);
    std::vector<char *> argv{const_cast<char *>(program.data())};
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.data()));
    argv.push_back(nullptr);
    // The child runs on the parent's stack until it execs (Qt starts it
    // vfork-style): under AddressSanitizer a frame of its that never returns
    // would leave its red zones marked in the parent's stack, and the parent
    // would later be stopped there. So this frame is not instrumented.
    process.setChildProcessModifier([&argv, output]() TALLYFOLD_NOT_SANITIZED {
        if (output == Output::ClosedPipe) {
            int ends[2];
            if (::pipe(ends) != 0)
                ::_exit(125);
            ::close(ends[0]);
            ::dup2(ends[1], STDOUT_FILENO);
            ::close(ends[1]);
        }
        std::signal(SIGPIPE, SIG_DFL); // as a shell starts a program
        ::execv(argv[0], argv.data());
        ::_exit(127);
    });
#endif
    QStringList texts;
    for (const QByteArray &argument : arguments)
        texts << QString::fromUtf8(argument);
    process.start(QStringLiteral(TALLYFOLD_SOLVE_PATH), texts);
    Result result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    QStringDecoder outDecoder(QStringDecoder::Utf8);
    QStringDecoder errDecoder(QStringDecoder::Utf8);
    result.out = outDecoder(process.readAllStandardOutput());
    result.err = errDecoder(process.readAllStandardError());
    result.utf8 = !outDecoder.hasError() && !errDecoder.hasError();
#ifdef Q_OS_WIN
    // Lines end the Windows way there: what they say is the same.
    result.out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.err.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return result;
}

inline Result solve(const QStringList &arguments, Output output = Output::ToTest)
{
    QByteArrayList bytes;
    for (const QString &argument : arguments)
        bytes << argument.toUtf8();
    return solveBytes(bytes, output);
}
