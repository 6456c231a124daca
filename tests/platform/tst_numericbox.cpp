#include "numericbox.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using platform::parseInt16;

class tst_NumericBox : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void typingKeepsDigitsOnly();
    void inputMethodKeepsDigitsOnly();
    void focusLeaveRunsTheCheck();
    void cancelledCheckDropsTheClick();
    void leavingTheWindowIsNoCheck();
};

void tst_NumericBox::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -100000 for "no number"
    const int none = -100000;
    QTest::newRow("plain") << "101" << 101;
    QTest::newRow("leading zeros") << "00101" << 101;
    QTest::newRow("blanks around") << "  42 " << 42;
    QTest::newRow("sign") << "-7" << -7;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("one too large") << "32768" << none;
    QTest::newRow("one too small") << "-32769" << none;
    QTest::newRow("huge") << "99999999999999999999999999999" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("blank") << "   " << none;
    QTest::newRow("sign only") << "-" << none;
    QTest::newRow("letters") << "abc" << none;
    QTest::newRow("digits then letters") << "12ab" << none;
    QTest::newRow("inner blank") << "1 2" << none;
    QTest::newRow("decimal point") << "12.5" << none;
    QTest::newRow("hex") << "0x10" << none;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0661\u0662") << none;
}

void tst_NumericBox::parse()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<qint16> value = parseInt16(text);
    if (expected == -100000) {
        QVERIFY2(!value, qPrintable(QString::number(value.value_or(0))));
    } else {
        QVERIFY(value);
        QCOMPARE(int(*value), expected);
    }
}

void tst_NumericBox::typingKeepsDigitsOnly()
{
    QLineEdit edit;
    platform::installDigitKeyFilter(&edit);
    // '/' and ':' stand either side of the digits.
    QTest::keyClicks(&edit, "a1b2 -3.x/:");
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("12"));
    // Keys that type nothing still edit.
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("2"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.text(), QStringLiteral("2"));
    // The editing shortcuts work; a paste brings only its digits.
    QGuiApplication::clipboard()->setText(QStringLiteral(" 7a-8\n"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("782"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("782"));
    QTest::keyClicks(&edit, "5");
    QCOMPARE(edit.text(), QStringLiteral("5"));
}

void tst_NumericBox::inputMethodKeepsDigitsOnly()
{
    QLineEdit edit;
    platform::installDigitKeyFilter(&edit);
    edit.setText(QStringLiteral("12"));
    // A compose key or an East Asian keyboard commits text without key
    // presses; only its digits go in, with whatever it replaces.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("a3\u00e9\uff154"));
    QCoreApplication::sendEvent(&edit, &commit);
    QCOMPARE(edit.text(), QStringLiteral("1234"));

    QInputMethodEvent replace;
    replace.setCommitString(QStringLiteral("x9"), -2, 2);
    QCoreApplication::sendEvent(&edit, &replace);
    QCOMPARE(edit.text(), QStringLiteral("129"));

    QInputMethodEvent nothingKept;
    nothingKept.setCommitString(QStringLiteral("\b\t-"));
    QCoreApplication::sendEvent(&edit, &nothingKept);
    QCOMPARE(edit.text(), QStringLiteral("129"));
}

namespace {

struct Form
{
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    QPushButton *button = new QPushButton(QStringLiteral("Go"), &window);
    int checks = 0;

    Form()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(button);
        // The check refuses an empty box and puts a value back, as the
        // windows' target boxes do.
        platform::installValidateOnFocusLeave(edit, [this](bool &cancel) {
            ++checks;
            if (edit->text().isEmpty()) {
                edit->setText(QStringLiteral("101"));
                cancel = true;
            }
        });
        window.show();
        window.activateWindow();
        edit->setFocus();
    }
};

} // namespace

void tst_NumericBox::focusLeaveRunsTheCheck()
{
    Form form;
    QTRY_COMPARE(QApplication::focusWidget(), form.edit);

    form.edit->setText(QStringLiteral("5"));
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QCOMPARE(form.checks, 1);
    QCOMPARE(QApplication::focusWidget(), form.button);

    // A refused text keeps the focus in the box.
    form.edit->setFocus();
    form.edit->clear();
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QCOMPARE(form.checks, 2);
    QCOMPARE(form.edit->text(), QStringLiteral("101"));
    QCOMPARE(QApplication::focusWidget(), form.edit);
}

void tst_NumericBox::cancelledCheckDropsTheClick()
{
    Form form;
    QTRY_COMPARE(QApplication::focusWidget(), form.edit);
    QSignalSpy clicked(form.button, &QPushButton::clicked);

    form.edit->clear();
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCOMPARE(form.checks, 1);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(QApplication::focusWidget(), form.edit);
    QVERIFY(!form.button->isDown());

    // The next click is a click again: only the one that moved the focus was dropped.
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCOMPARE(form.checks, 2);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(QApplication::focusWidget(), form.button);
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
}

void tst_NumericBox::leavingTheWindowIsNoCheck()
{
    Form form;
    QTRY_COMPARE(QApplication::focusWidget(), form.edit);
    form.edit->clear();

    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), &other);
    QCOMPARE(form.checks, 0);
    QVERIFY(form.edit->text().isEmpty());
}

QTEST_MAIN(tst_NumericBox)
#include "tst_numericbox.moc"
