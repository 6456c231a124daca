// The manual setup window driven through its controls: choosing numbers,
// the target box's keys and check, the two messages, and what confirming
// hands to the main window's labels and the process-wide values.

#include "colour.h"
#include "fonts.h"
#include "globalbas.h"
#include "manualfrm.h"
#include "messagebox.h"
#include "twips.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

struct Message
{
    QString text;
    QString title;
};

const QString TooSmall = QStringLiteral("The target must be more than 101");
const QString TooSmallTitle = QStringLiteral("Invalid Target.");
const QString TooFew = QStringLiteral("You must choose 6 numbers to use.");
const QString TooFewTitle = QStringLiteral("More numbers required");

// Indexes of some labels: the first row holds 1 to 10, the second 1 to 10
// again, the third 25, 50, 75 and 100.
constexpr int FirstSeven = 6;
constexpr int SecondSeven = 16;
constexpr int TwentyFive = 20;
constexpr int Hundred = 23;

// Selection shows in the label's colours, and only there.
bool looksSelected(const QLabel *label)
{
    const QPalette colours = label->palette();
    return colours.color(QPalette::Window) == QColor(0, 0, 255) &&
           colours.color(QPalette::WindowText) == QColor(255, 255, 255);
}

bool looksFree(const QLabel *label)
{
    const QPalette colours = label->palette();
    return colours.color(QPalette::Window) == QColor(0xE0, 0xE0, 0xE0) &&
           colours.color(QPalette::WindowText) ==
               platform::toQColor(platform::SystemColour::WindowText);
}

} // namespace

class TestManualFrm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void controlsAndLayout();
    void choosingNumbers();
    void tooFewNumbersKeepsTheWindow();
    void targetBoxKeys();
    void targetCheck_data();
    void targetCheck();
    void focusLeavingTheBoxRunsTheCheck();
    void confirmingChecksTheTargetFirst();
    void confirmationKeepsTheNumbersAndTarget();
    void closingWithoutConfirmingChangesNothing();
    void keyboardAlone();

private:
    void click(int index) { QTest::mouseClick(m_frm->l1[index], Qt::LeftButton); }
    void typeTarget(const QString &keys);
    void showAndFocusBox();

    QList<Message> m_messages;
    std::unique_ptr<ManualFrm> m_frm;
};

void TestManualFrm::initTestCase()
{
    platform::registerFontSubstitutions();
    platform::setMessageSinkForTesting([this](const QString &text, const QString &title) {
        m_messages.append({text, title});
    });
}

void TestManualFrm::cleanupTestCase()
{
    platform::setMessageSinkForTesting({});
}

void TestManualFrm::init()
{
    m_messages.clear();
    GLOBALbas::ResetProcessValues();
    m_frm = std::make_unique<ManualFrm>();
}

void TestManualFrm::cleanup()
{
    m_frm.reset();
}

void TestManualFrm::typeTarget(const QString &keys)
{
    m_frm->Text1->clear();
    QTest::keyClicks(m_frm->Text1, keys);
}

void TestManualFrm::showAndFocusBox()
{
    m_frm->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frm.get()));
    m_frm->Text1->setFocus();
    QTRY_VERIFY(m_frm->Text1->hasFocus());
}

void TestManualFrm::controlsAndLayout()
{
    ManualFrm &frm = *m_frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("Manual Overide"));
    QCOMPARE(frm.Frame1->title(), QStringLiteral("Select 6 numbers to use: "));
    QCOMPARE(frm.Label1->text(), QStringLiteral("Enter the Target (between 101 and 999):"));
    QCOMPARE(frm.Command1->text(), QStringLiteral("Find Answers"));
    QCOMPARE(frm.Text1->text(), QStringLiteral("101"));
    QCOMPARE(frm.Text1->font().pointSizeF(), 24.0);
    QCOMPARE(frm.Text1->font().family(), platform::installedFamily(QStringLiteral("MS Sans Serif")));
    QVERIFY(frm.Text1->alignment() & Qt::AlignHCenter);
    QCOMPARE(frm.SelectionCount(), 0);

    QStringList captions;
    for (const QLabel *label : frm.l1) {
        captions << label->text();
        QVERIFY(looksFree(label));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 12.0);
        // Inside the frame, below its caption, and wide enough for "100".
        QVERIFY(frm.Frame1->contentsRect().contains(label->geometry()));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < label->width());
    }
    QCOMPARE(captions,
             QStringList({"1", "2", "3", "4", "5", "6", "7", "8",  "9",  "10", "1",  "2",
                          "3", "4", "5", "6", "7", "8", "9", "10", "25", "50", "75", "100"}));
    // Rows and columns of the design, in twips.
    const auto at = [](double left, double top) {
        return QRect(platform::twipsToPixelX(left), platform::twipsToPixelY(top),
                     platform::twipsToPixelX(585), platform::twipsToPixelY(330));
    };
    QCOMPARE(frm.l1[0]->geometry(), at(90, 270));
    QCOMPARE(frm.l1[9]->geometry(), at(90 + 9 * 615, 270));
    QCOMPARE(frm.l1[13]->geometry(), at(90 + 3 * 615, 690));
    QCOMPARE(frm.l1[Hundred]->geometry(), at(90 + 3 * 615, 1140));

    // The window's own controls lie inside it, apart, and show their texts whole.
    const QList<QWidget *> controls = {frm.Frame1, frm.Label1, frm.Text1, frm.Command1};
    for (int i = 0; i < controls.size(); ++i) {
        QVERIFY(frm.rect().contains(controls[i]->geometry()));
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY(!controls[i]->geometry().intersects(controls[j]->geometry()));
    }
    QVERIFY(frm.Label1->fontMetrics().horizontalAdvance(frm.Label1->text()) <= frm.Label1->width());
    QVERIFY(frm.Text1->height() >= frm.Text1->sizeHint().height());
    QVERIFY(frm.Command1->width() >= frm.Command1->sizeHint().width());

    // Loading centres the window on its screen.
    const QPoint offset = frm.frameGeometry().center() - frm.screen()->geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

void TestManualFrm::choosingNumbers()
{
    // Both 7s, then each large number once.
    const QList<int> six = {FirstSeven, SecondSeven, TwentyFive, 21, 22, Hundred};
    for (int index : six)
        click(index);
    QCOMPARE(m_frm->SelectionCount(), 6);
    for (int index : six)
        QVERIFY2(looksSelected(m_frm->l1[index]), qPrintable(QString::number(index)));

    // A seventh is ignored, without a word.
    click(0);
    QCOMPARE(m_frm->SelectionCount(), 6);
    QVERIFY(looksFree(m_frm->l1[0]));
    QVERIFY(m_messages.isEmpty());

    // To a screen reader each is a check box named by its number, checked
    // while chosen, and its toggle action is a click.
    QAccessibleInterface *seven = QAccessible::queryAccessibleInterface(m_frm->l1[SecondSeven]);
    QCOMPARE(seven->role(), QAccessible::CheckBox);
    QCOMPARE(seven->text(QAccessible::Name), QStringLiteral("7"));
    QVERIFY(seven->state().checkable && seven->state().checked);
    seven->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!seven->state().checked);
    QVERIFY(looksFree(m_frm->l1[SecondSeven]));
    seven->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(seven->state().checked);

    // Freeing one makes room for another; then the freed one cannot come back.
    click(SecondSeven);
    QCOMPARE(m_frm->SelectionCount(), 5);
    QVERIFY(looksFree(m_frm->l1[SecondSeven]));
    click(0);
    QCOMPARE(m_frm->SelectionCount(), 6);
    QVERIFY(looksSelected(m_frm->l1[0]));
    click(SecondSeven);
    QVERIFY(looksFree(m_frm->l1[SecondSeven]));

    // Only the left button clicks, and only when released on the label.
    click(0);
    QTest::mouseClick(m_frm->l1[1], Qt::RightButton);
    QTest::mousePress(m_frm->l1[2], Qt::LeftButton);
    QTest::mouseRelease(m_frm->l1[2], Qt::LeftButton, {},
                        m_frm->l1[2]->rect().bottomRight() + QPoint(5, 5));
    QCOMPARE(m_frm->SelectionCount(), 5);
    QVERIFY(looksFree(m_frm->l1[1]));
    QVERIFY(looksFree(m_frm->l1[2]));
}

void TestManualFrm::tooFewNumbersKeepsTheWindow()
{
    m_frm->show();
    const QList<int> five = {0, 10, 20, 21, 22};
    for (int index : five)
        click(index);
    QTest::mouseClick(m_frm->Command1, Qt::LeftButton);

    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, TooFew);
    QCOMPARE(m_messages[0].title, TooFewTitle);
    QVERIFY(m_frm->isVisible());
    QCOMPARE(m_frm->SelectionCount(), 5);
    for (int index : five)
        QVERIFY(looksSelected(m_frm->l1[index]));
    QVERIFY(m_frm->chosenNumbers().isEmpty());
    QCOMPARE(m_frm->target(), 0);

    // The sixth makes the same click confirm.
    click(Hundred);
    QTest::mouseClick(m_frm->Command1, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_frm->result(), int(QDialog::Accepted));
}

void TestManualFrm::targetBoxKeys()
{
    showAndFocusBox();
    typeTarget(QStringLiteral("a1b2"));
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("12"));
    QTest::keyClicks(m_frm->Text1, QStringLiteral("3 .-x4"));
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("1234"));
    QTest::keyClick(m_frm->Text1, Qt::Key_Backspace);
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("123"));
    // Keys that type nothing still move the cursor.
    QTest::keyClick(m_frm->Text1, Qt::Key_Home);
    QTest::keyClicks(m_frm->Text1, QStringLiteral("9"));
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("9123"));

    // The handler's own rule: digits, backspace and tab pass, the rest become 0.
    for (int code = 0; code < 128; ++code) {
        qint16 key = static_cast<qint16>(code);
        m_frm->Text1_KeyPress(key);
        const bool kept = (code >= '0' && code <= '9') || code == 8 || code == 9;
        QCOMPARE(key, kept ? static_cast<qint16>(code) : qint16(0));
    }
}

void TestManualFrm::targetCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message"); // empty for none
    QTest::addColumn<QString>("after");

    const QString tooLarge = QStringLiteral("The target must be 32767 or less");
    QTest::newRow("100") << "100" << false << TooSmall << "101";
    QTest::newRow("0") << "0" << false << TooSmall << "101";
    QTest::newRow("negative") << "-500" << false << TooSmall << "101";
    QTest::newRow("empty") << "" << false << QString() << "101";
    QTest::newRow("101") << "101" << true << QString() << "101";
    QTest::newRow("1500") << "1500" << true << QString() << "1500";
    QTest::newRow("16-bit top") << "32767" << true << QString() << "32767";
    QTest::newRow("pasted letters") << "12ab" << false << TooSmall << "101";
    QTest::newRow("pasted word") << "abc" << false << TooSmall << "101";
    QTest::newRow("pasted blank") << " " << false << TooSmall << "101";
    QTest::newRow("just past 16 bits") << "32768" << false << tooLarge << "101";
    QTest::newRow("past 16 bits") << "40000" << false << tooLarge << "101";
    QTest::newRow("huge") << "99999999999999999999" << false << tooLarge << "101";
    QTest::newRow("pasted with blanks") << " 250 " << true << QString() << "250";
    QTest::newRow("leading zeros") << "0200" << true << QString() << "200";
}

void TestManualFrm::targetCheck()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    QFETCH(QString, after);

    m_frm->Text1->setText(text);
    bool cancel = false;
    m_frm->Text1_Validate(cancel);
    QCOMPARE(cancel, !accepted);
    QCOMPARE(m_frm->Text1->text(), after);
    QCOMPARE(m_messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_messages[0].text, message);
        QCOMPARE(m_messages[0].title, TooSmallTitle);
    }
}

void TestManualFrm::focusLeavingTheBoxRunsTheCheck()
{
    showAndFocusBox();
    typeTarget(QStringLiteral("100"));
    QTest::keyClick(m_frm->Text1, Qt::Key_Tab);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, TooSmall);
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("101"));
    QVERIFY(m_frm->Text1->hasFocus());

    typeTarget(QStringLiteral("1500"));
    QTest::keyClick(m_frm->Text1, Qt::Key_Tab);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("1500"));
    QVERIFY(m_frm->Command1->hasFocus());
}

void TestManualFrm::confirmingChecksTheTargetFirst()
{
    showAndFocusBox();
    for (int index : {0, 1, 2, 3, 4, 5})
        click(index);

    // The press moves the focus to the button and the check refuses the
    // target: said once, and the click does not go on with the "101".
    typeTarget(QStringLiteral("100"));
    QTest::mouseClick(m_frm->Command1, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, TooSmall);
    QCOMPARE(m_frm->Text1->text(), QStringLiteral("101"));
    QVERIFY(m_frm->isVisible());
    QVERIFY(m_frm->chosenNumbers().isEmpty());
    QCOMPARE(m_frm->target(), 0);

    // A click that leaves the focus in the box (a key, a direct call) runs
    // the check itself.
    typeTarget(QStringLiteral("99999"));
    m_frm->Command1->click();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages[1].text, QStringLiteral("The target must be 32767 or less"));
    QVERIFY(m_frm->Text1->hasFocus());
    QVERIFY(m_frm->isVisible());
    QVERIFY(m_frm->chosenNumbers().isEmpty());

    // Told, the player clicks again and gets the target they were shown.
    QTest::mouseClick(m_frm->Command1, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_frm->result(), int(QDialog::Accepted));
    QCOMPARE(m_frm->target(), 101);
}

void TestManualFrm::confirmationKeepsTheNumbersAndTarget()
{
    // Opened as the main window opens it, modally, with the player inside.
    QTimer::singleShot(0, m_frm.get(), [this] {
        // Chosen out of order; they arrive in the labels' order.
        for (int index : {Hundred, SecondSeven, 0, TwentyFive, FirstSeven, 9})
            click(index);
        typeTarget(QStringLiteral("1500"));
        QTest::mouseClick(m_frm->Command1, Qt::LeftButton);
    });
    // Never left waiting should the click not close it.
    QTimer::singleShot(5000, m_frm.get(), &QDialog::reject);
    QCOMPARE(m_frm->exec(), int(QDialog::Accepted));

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_frm->chosenNumbers(), (QList<qint32>{1, 7, 10, 7, 25, 100}));
    QCOMPARE(m_frm->target(), 1500);
    QVERIFY(!m_frm->isVisible());
}

void TestManualFrm::closingWithoutConfirmingChangesNothing()
{
    showAndFocusBox();
    for (int index : {0, 1, 2, 3, 4, 5})
        click(index);
    typeTarget(QStringLiteral("500"));
    m_frm->close(); // the window's close box

    QVERIFY(!m_frm->isVisible());
    QCOMPARE(m_frm->result(), int(QDialog::Rejected));
    QVERIFY(m_messages.isEmpty());
    QVERIFY(m_frm->chosenNumbers().isEmpty());
    QCOMPARE(m_frm->target(), 0);
}

// Numbers chosen and the target confirmed with keys alone; a double-click
// on a number is one click.
void TestManualFrm::keyboardAlone()
{
    m_frm->show();
    m_frm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frm.get()));
    // What a double-click brings: a click, then a second press as a
    // double-click, and its release.
    click(3);
    QTest::mouseDClick(m_frm->l1[3], Qt::LeftButton);
    QTest::mouseRelease(m_frm->l1[3], Qt::LeftButton);
    QCOMPARE(m_frm->SelectionCount(), qint16(1));

    QCOMPARE(m_frm->focusWidget(), m_frm->l1[0]);
    const auto press = [this](Qt::Key key) { QTest::keyClick(m_frm->focusWidget(), key); };
    // Space picks, the arrows walk the rows of 10, 10 and 4 (staying put at
    // an edge): 0, 11, 21, 20 and 10 are picked.
    const QList<std::pair<Qt::Key, int>> moves{
        {Qt::Key_Space, 0},  {Qt::Key_Right, 1}, {Qt::Key_Down, 11},  {Qt::Key_Space, 11},
        {Qt::Key_Down, 21},  {Qt::Key_Down, 21}, {Qt::Key_Space, 21}, {Qt::Key_Left, 20},
        {Qt::Key_Space, 20}, {Qt::Key_Left, 20}, {Qt::Key_Up, 10},    {Qt::Key_Space, 10},
        {Qt::Key_Up, 0},     {Qt::Key_Up, 0}};
    for (const auto &[key, focusAfter] : moves) {
        press(key);
        QCOMPARE(m_frm->focusWidget(), m_frm->l1[focusAfter]);
    }
    QCOMPARE(m_frm->SelectionCount(), qint16(6));
    QTest::keyClick(m_frm->Text1, Qt::Key_Return);
    QCOMPARE(m_frm->result(), int(QDialog::Accepted));
    QCOMPARE(m_frm->chosenNumbers(), (QList<qint32>{1, 4, 1, 2, 25, 50}));
}

QTEST_MAIN(TestManualFrm)
#include "tst_manualfrm.moc"
