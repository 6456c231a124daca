// The about window: the mail link it launches (captured instead of starting a
// mail program), the link's hover colour under real pointer moves, closing,
// its design (texts, fonts, boxes) and its logo.

#include "aboutfrm.h"
#include "buttonex.h"
#include "colour.h"
#include "fonts.h"
#include "graphicsbas.h"
#include "messagebox.h"
#include "shell.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The subject's own spaces stay; the one encoded space is the added one.
const QString WindowLink = QStringLiteral("mailto:robin.vantor@tallyfold.example"
                                          "?subject=The Tallyfold Numbers Game: 1.0%20&body=");
constexpr platform::OleColour Blue = platform::rgbColour(0, 0, 255);

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestAboutFrm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The mail link.
    void linkClickLaunchesTheWindowsMessage();
    void messagePartIsBuiltUnescaped_data();
    void messagePartIsBuiltUnescaped();
    void failedLaunchGivesTheAddress();
    void onlyALeftClickOnTheLinkLaunches();

    // The link's hover colour.
    void linkIsBlueUntilThePointerReachesTheBackground();

    // Closing.
    void keys_data();
    void keys();

    // The design.
    void windowFrameAndSize();
    void controlsSitInTheirBoxes_data();
    void controlsSitInTheirBoxes();
    void textsFitTheirBoxes();
    void okButtonDesign();
    void logoLoadsAndIsNotBlank();

private:
    void showWindow();

    std::unique_ptr<AboutFrm> m_frm;
    QStringList m_opened;
    bool m_launchWorks = true;
    QStringList m_messages;
};

void TestAboutFrm::initTestCase()
{
    platform::registerFontSubstitutions();
    // No test may start a real mail program or wait on a message box.
    platform::setUrlOpenerForTesting([this](const QString &url) {
        m_opened << url;
        return m_launchWorks;
    });
    platform::setMessageSinkForTesting(
        [this](const QString &text, const QString &) { m_messages << text; });
}

void TestAboutFrm::init()
{
    m_opened.clear();
    m_messages.clear();
    m_launchWorks = true;
    m_frm = std::make_unique<AboutFrm>();
}

void TestAboutFrm::cleanup()
{
    m_frm.reset();
}

void TestAboutFrm::showWindow()
{
    m_frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frm.get()));
}

void TestAboutFrm::linkClickLaunchesTheWindowsMessage()
{
    showWindow();
    QTest::mouseClick(m_frm->Label4, Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{WindowLink});
    QVERIFY(m_messages.isEmpty()); // the mail program says it all
    // A screen reader's Press on the link is the same click.
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(m_frm->Label4);
    QCOMPARE(link->role(), QAccessible::Link);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_opened, (QStringList{WindowLink, WindowLink}));
}

void TestAboutFrm::messagePartIsBuiltUnescaped_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");

    QTest::newRow("body with spaces")
        << QStringLiteral("a@b.example") << QStringLiteral("Hi") << QStringLiteral("two words")
        << QStringLiteral("a@b.example?subject=Hi%20&body=two words");
    QTest::newRow("reserved characters stay as they are")
        << QStringLiteral("a@b.example") << QStringLiteral("50% & more?")
        << QStringLiteral("x=1&y=2")
        << QStringLiteral("a@b.example?subject=50% & more?%20&body=x=1&y=2");
    QTest::newRow("all empty") << QString() << QString() << QString()
                               << QStringLiteral("?subject=%20&body=");
}

void TestAboutFrm::messagePartIsBuiltUnescaped()
{
    QFETCH(QString, address);
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QString, message);
    const QString subjectBefore = subject;
    const QString bodyBefore = body;

    const Variant result = GraphicsBas::OpenMailTo(0, address, subject, body);

    QVERIFY(result.isInteger());
    QVERIFY2(result.toNumber().value() > 32, qPrintable(result.toText())); // launched
    QCOMPARE(address, message); // the working text is handed back
    QCOMPARE(subject, subjectBefore);
    QCOMPARE(body, bodyBefore);
    QCOMPARE(m_opened, QStringList{QStringLiteral("mailto:") + message});
}

void TestAboutFrm::failedLaunchGivesTheAddress()
{
    m_launchWorks = false;
    showWindow();
    const QWidgetList before = QApplication::topLevelWidgets();
    QTest::mouseClick(m_frm->Label4, Qt::LeftButton);
    QApplication::processEvents();

    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("No mail program could be opened. You can write to "
                                        "Robin Vantor at:\nrobin.vantor@tallyfold.example")});
    QVERIFY(m_frm->isVisible());
    QCOMPARE(m_frm->result(), 0);
    QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // What the window reads says the launch failed.
    QString address = QStringLiteral("a@b.example");
    QString subject;
    QString body;
    const Variant result = GraphicsBas::OpenMailTo(0, address, subject, body);
    QVERIFY(result.isInteger());
    QVERIFY2(result.toNumber().value() <= 32, qPrintable(result.toText()));
}

void TestAboutFrm::onlyALeftClickOnTheLinkLaunches()
{
    showWindow();
    QTest::mouseClick(m_frm->Label4, Qt::RightButton);
    QVERIFY(m_opened.isEmpty());
    // Pressed on the link but let go outside it: no click.
    QTest::mousePress(m_frm->Label4, Qt::LeftButton);
    QTest::mouseRelease(m_frm->Label4, Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(m_opened.isEmpty());
    // A click on the label above the link does nothing either.
    QTest::mouseClick(m_frm->Label2, Qt::LeftButton);
    QVERIFY(m_opened.isEmpty());
}

void TestAboutFrm::linkIsBlueUntilThePointerReachesTheBackground()
{
    showWindow();
    const QColor normal = platform::toQColor(platform::SystemColour::ButtonText, m_frm->palette());
    QCOMPARE(m_frm->Label4ForeColor(), platform::SystemColour::ButtonText);
    QCOMPARE(textColour(m_frm->Label4), normal);

    QTest::mouseMove(m_frm->Label4);
    QCOMPARE(m_frm->Label4ForeColor(), Blue);
    QCOMPARE(textColour(m_frm->Label4), QColor(0, 0, 255));

    // Bare window surface: between the logo and the OK button.
    const QPoint background(m_frm->Image1->geometry().right() + 20, m_frm->height() - 8);
    QCOMPARE(m_frm->childAt(background), nullptr);
    QTest::mouseMove(m_frm.get(), background);
    QCOMPARE(m_frm->Label4ForeColor(), platform::SystemColour::ButtonText);
    QCOMPARE(textColour(m_frm->Label4), normal);

    // And blue again on the way back, and while the pointer stays on
    // controls: the button, the labels and the logo are not the background.
    QTest::mouseMove(m_frm->Label4, QPoint(2, 2));
    QCOMPARE(m_frm->Label4ForeColor(), Blue);
    QTest::mouseMove(m_frm->ButtonEx1);
    QCOMPARE(m_frm->Label4ForeColor(), Blue);
    QCOMPARE(textColour(m_frm->Label4), QColor(0, 0, 255));

    QTest::mouseMove(m_frm->Label2);
    QTest::mouseMove(m_frm->Image1);
    QCOMPARE(m_frm->Label4ForeColor(), Blue);
    // A drag over a label reaches the window, but it is still over a control.
    QTest::mousePress(m_frm->Label2, Qt::LeftButton);
    QTest::mouseMove(m_frm->Label2, QPoint(3, 3));
    QTest::mouseRelease(m_frm->Label2, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(m_frm->Label4ForeColor(), Blue);

    QTest::mouseMove(m_frm.get(), QPoint(m_frm->width() - 3, m_frm->height() - 3));
    QCOMPARE(m_frm->Label4ForeColor(), platform::SystemColour::ButtonText);
}

void TestAboutFrm::keys_data()
{
    QTest::addColumn<bool>("onLink"); // else on OK, where the window opens
    QTest::addColumn<int>("key");     // -1: a mouse click
    QTest::addColumn<int>("result");  // -1: stays open
    QTest::addColumn<bool>("mailed");
    QTest::newRow("OK, click") << false << -1 << int(QDialog::Accepted) << false;
    QTest::newRow("OK, Enter") << false << int(Qt::Key_Return) << int(QDialog::Accepted) << false;
    QTest::newRow("OK, Space") << false << int(Qt::Key_Space) << int(QDialog::Accepted) << false;
    QTest::newRow("OK, Escape") << false << int(Qt::Key_Escape) << int(QDialog::Rejected) << false;
    QTest::newRow("link, Enter") << true << int(Qt::Key_Enter) << -1 << true;
    QTest::newRow("link, Space") << true << int(Qt::Key_Space) << -1 << true;
    QTest::newRow("link, Escape") << true << int(Qt::Key_Escape) << int(QDialog::Rejected) << false;
}

void TestAboutFrm::keys()
{
    QFETCH(bool, onLink);
    QFETCH(int, key);
    QFETCH(int, result);
    QFETCH(bool, mailed);
    constexpr int StillOpen = QDialog::Accepted + 7;
    QPointer<AboutFrm> frm(m_frm.get());
    // Should a check fail before the window closes, the test fails instead of waiting.
    QTimer::singleShot(5000, frm, [frm] { frm->done(QDialog::Rejected + 9); });
    QTimer::singleShot(0, frm, [&] {
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm));
        QCOMPARE(frm->focusWidget(), frm->ButtonEx1);
        if (onLink) {
            QTest::keyClick(frm->focusWidget(), Qt::Key_Backtab); // the link is before OK
            QCOMPARE(frm->focusWidget(), frm->Label4);
            QCOMPARE(frm->Label4ForeColor(), platform::rgbColour(0, 0, 255));
        }
        if (key < 0)
            QTest::mouseClick(frm->focusWidget(), Qt::LeftButton);
        else
            QTest::keyClick(frm->focusWidget(), Qt::Key(key));
        if (frm->isVisible())
            frm->done(StillOpen);
    });
    QCOMPARE(m_frm->exec(), result < 0 ? StillOpen : result);
    QCOMPARE(m_opened.size(), mailed ? 1 : 0);
}

void TestAboutFrm::windowFrameAndSize()
{
    QCOMPARE(m_frm->windowTitle(), QStringLiteral("About"));
    const Qt::WindowFlags flags = m_frm->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    // 5550 x 2760 twips, and it cannot be resized.
    QCOMPARE(m_frm->size(), QSize(370, 184));
    QCOMPARE(m_frm->minimumSize(), m_frm->maximumSize());

    // Centred on the screen when it loads.
    const QRect screen = m_frm->screen()->geometry();
    const QPoint offCentre = m_frm->frameGeometry().center() - screen.center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestAboutFrm::controlsSitInTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    // Twips / 15.
    QTest::newRow("Image1") << "Image1" << QRect(5, 5, 112, 174) << QString() << 8.25 << false
                            << false;
    QTest::newRow("Label1") << "Label1" << QRect(127, 9, 232, 17)
                            << QStringLiteral("The Tallyfold Numbers Game") << 9.75 << true << true;
    QTest::newRow("Label3") << "Label3" << QRect(157, 30, 169, 28) << QString() << 8.25 << false
                            << false;
    QTest::newRow("Label2") << "Label2" << QRect(169, 61, 144, 16)
                            << QStringLiteral("Version 1.0.0") << 8.25 << true << false;
    QTest::newRow("Label4") << "Label4" << QRect(148, 102, 195, 17) << QString() << 8.25 << true
                            << true;
}

void TestAboutFrm::controlsSitInTheirBoxes()
{
    QFETCH(QString, name);
    QFETCH(QRect, box);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    const auto *label = m_frm->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->geometry(), box);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->font().family(), platform::installedFamily(QStringLiteral("MS Sans Serif")));
    if (name == QLatin1String("Image1"))
        return;
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
}

void TestAboutFrm::textsFitTheirBoxes()
{
    // The notice names the holder and a year; the link names the author.
    QVERIFY(m_frm->Label3->text().contains(QStringLiteral("Robin Vantor")));
    QVERIFY(m_frm->Label3->text().contains(QRegularExpression(QStringLiteral("\\b20\\d\\d\\b"))));
    QVERIFY(m_frm->Label4->text().contains(QStringLiteral("Robin Vantor")));

    for (const QLabel *label : {m_frm->Label1, m_frm->Label2, m_frm->Label3, m_frm->Label4}) {
        const QRect box = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            box, int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(box.contains(needed), qPrintable(label->objectName()));
    }
}

void TestAboutFrm::okButtonDesign()
{
    const ButtonEx *ok = m_frm->ButtonEx1;
    QCOMPARE(ok->geometry(), QRect(203, 149, 85, 31));
    QCOMPARE(ok->caption(), QStringLiteral("OK"));
    QCOMPARE(ok->borderStyle(), 3);
    QCOMPARE(ok->controlFont().family(), platform::installedFamily(QStringLiteral("MS Sans Serif")));
    QCOMPARE(ok->controlFont().pointSizeF(), 8.25);
    QVERIFY(ok->controlFont().bold());
    QCOMPARE(ok->highlightColor(), Blue);
    QCOMPARE(ok->transparentColor(), platform::OleColour(0x00008080));
}

void TestAboutFrm::logoLoadsAndIsNotBlank()
{
    const QImage logo(QStringLiteral(":/images/logo.png"));
    QCOMPARE(logo.size(), QSize(150, 110));

    const QImage argb = logo.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            colours.insert(pixel);
            opaque += qAlpha(pixel) == 255;
        }
    }
    QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
    QVERIFY2(opaque > argb.width() * argb.height() / 2, qPrintable(QString::number(opaque)));

    // The window shows this picture stretched over its box.
    QVERIFY(m_frm->Image1->hasScaledContents());
    QCOMPARE(m_frm->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), argb);
}

QTEST_MAIN(TestAboutFrm)
#include "tst_aboutfrm.moc"
