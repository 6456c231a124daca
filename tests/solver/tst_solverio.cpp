// tallyfold-solve where its output or its input is hostile: output that
// cannot be written, and arguments with control characters or bytes of no
// UTF-8 character, which its messages repeat.

#include <QTest>

#include "solvecli.h"

Q_DECLARE_METATYPE(Output)

class TestSolverIo : public QObject
{
    Q_OBJECT

private slots:
    void echoedInput_data();
    void echoedInput();
    void writeFailure_data();
    void writeFailure();
};

// What the program repeats of its input is shown on one line, without a
// control character a terminal would act on, and the JSON output stays UTF-8.
void TestSolverIo::echoedInput_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QByteArrayList board{"100", "75", "8", "5", "3", "2", "523"};
    const QString notWhole = QStringLiteral("' is not a whole number\n");
    QTest::newRow("a line break, a tab and a DEL")
        << QByteArrayList{"--fast\r\n\t\x7f"} + board << 2 << QString()
        << "tallyfold-solve: unknown option '--fast\\r\\n\\t\\x7f' (see --help)\n";
    QTest::newRow("a terminal's escape")
        << board.mid(0, 6) + QByteArrayList{"5\x1b[2J"} << 2 << QString()
        << "tallyfold-solve: target '5\\x1b[2J" + notWhole;
    QTest::newRow("a C1 control") << QByteArrayList{"\xc2\x9bx"} + board.mid(1) << 2 << QString()
                                  << "tallyfold-solve: number 1 '\\u009bx" + notWhole;
    QTest::newRow("letters as typed")
        << QByteArrayList{"f\xc3\xbcnf"} + board.mid(1) << 2 << QString()
        << "tallyfold-solve: number 1 'f\u00fcnf" + notWhole;
    QTest::newRow("an escape in an answer")
        << QByteArrayList{"--check", "2+\x1b"} + board << 3
        << "'\\x1b' at character 3 is not a number, an operation or a bracket.\n"
        << QString();
#ifdef Q_OS_UNIX
    // Only where arguments are bytes can they be other than UTF-8.
    QTest::newRow("bytes of no character")
        << QByteArrayList{"\xff\xfe"} + board.mid(1) << 2 << QString()
        << "tallyfold-solve: number 1 '\\xff\\xfe" + notWhole;
    QTest::newRow("JSON of bytes of no character")
        << QByteArrayList{"--json", "--check", "100\xff+5"} + board << 3
        << "{\"numbers\": [100, 75, 8, 5, 3, 2], \"target\": 523, \"expression\": "
           "\"100\ufffd+5\", \"valid\": false, \"value\": null, \"distance\": null, "
           "\"best\": 523, \"best_distance\": 0, \"best_way\": \"((100+3)x5)+8\", "
           "\"points\": null, \"closest\": \"((100+3)x5)+8\", \"parted_at\": 0, "
           "\"shared\": [], \"error\": {\"step\": \"\ufffd\", \"number\": 0, "
           "\"message\": \"'\ufffd' at character 4 is not a number, an operation or a "
           "bracket.\"}}\n"
        << QString();
#endif
}

void TestSolverIo::echoedInput()
{
    QFETCH(QByteArrayList, arguments);
    const Result result = solveBytes(arguments);
    QTEST(result.exitCode, "exitCode");
    QVERIFY(result.utf8);
    QTEST(result.out, "out");
    QTEST(result.err, "err");
}

void TestSolverIo::writeFailure_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Output>("output");
    const QList<std::pair<const char *, QStringList>> runs{
        {"help", {"--help"}},
        {"version", {"--version"}},
        {"answers", {"100", "75", "8", "5", "3", "2", "523"}},
        {"complete", {"--complete", "--json", "3", "3", "2", "2", "1", "1", "999"}},
        {"check", {"--check", "8/3", "100", "75", "8", "5", "3", "2", "523"}},
        {"daily", {"--daily", "2027-01-01", "--json"}}};
    const QList<std::pair<const char *, Output>> outputs{
        {"full disk", Output::FullDisk},
#ifdef Q_OS_UNIX
        {"closed pipe", Output::ClosedPipe},
#endif
    };
    for (const auto &[outputName, output] : outputs) {
        for (const auto &[runName, arguments] : runs)
            QTest::addRow("%s, %s", runName, outputName) << arguments << output;
    }
}

// Output that cannot be written is a failure, reported on standard error.
void TestSolverIo::writeFailure()
{
    QFETCH(QStringList, arguments);
    QFETCH(Output, output);
    const Result result = solve(arguments, output);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QStringLiteral("tallyfold-solve: cannot write the output\n"));
}

QTEST_GUILESS_MAIN(TestSolverIo)
#include "tst_solverio.moc"
