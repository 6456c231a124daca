// Colour values (plain and system), the twips conversions, URL opening, the
// keyboard's focus ring and the message box's width.

#include "colour.h"
#include "focusring.h"
#include "fonts.h"
#include "messagebox.h"
#include "modality.h"
#include "shell.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestPlatformBasics : public QObject
{
    Q_OBJECT

private slots:
    void endingWithAControlAliveIsClean();
    void facesAskedForByTheirInstalledNames();
    void plainColoursKeepRedInTheLowByte();
    void systemColoursFollowThePalette();
    void twipsAtNinetySixDpi();
    void mailLinkReachesTheMailProgram();
    void focusRingFollowsTheKeyboard();
    void messageBoxIsWideEnoughForItsTitle();
};

// Stands in for the user's mail program.
class MailCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

void TestPlatformBasics::plainColoursKeepRedInTheLowByte()
{
    QCOMPARE(platform::rgbColour(0x12, 0x34, 0x56), 0x00563412u);
    QCOMPARE(platform::toQColor(0x00563412u), QColor(0x12, 0x34, 0x56));
    QCOMPARE(platform::fromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    // The unused high byte of a plain colour is dropped when it is resolved.
    QCOMPARE(platform::TranslateColor(0x7F563412u), 0x00563412u);
}

void TestPlatformBasics::systemColoursFollowThePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(10, 11, 12));
    palette.setColor(QPalette::Shadow, QColor(13, 14, 15));
    using namespace platform::SystemColour;
    QCOMPARE(platform::TranslateColor(ButtonFace, palette), platform::rgbColour(1, 2, 3));
    QCOMPARE(platform::TranslateColor(ButtonText, palette), platform::rgbColour(4, 5, 6));
    QCOMPARE(platform::TranslateColor(WindowText, palette), platform::rgbColour(7, 8, 9));
    QCOMPARE(platform::TranslateColor(GrayText, palette), platform::rgbColour(10, 11, 12));
    QCOMPARE(platform::TranslateColor(DarkShadow3D, palette), platform::rgbColour(13, 14, 15));
    QCOMPARE(platform::toQColor(ButtonFace, palette), QColor(1, 2, 3));
    QVERIFY(platform::isSystemColour(ButtonFace));
    QVERIFY(!platform::isSystemColour(platform::rgbColour(255, 255, 255)));
}

void TestPlatformBasics::twipsAtNinetySixDpi()
{
    // The offscreen screen has 96 dpi: 15 twips to the pixel on both axes.
    const platform::TwipsPerPixel f = platform::twipsPerPixel();
    QCOMPARE(f.x, 15.0);
    QCOMPARE(f.y, 15.0);
    QCOMPARE(platform::pixelsToTwipsX(80), 1200.0);
    QCOMPARE(platform::twipsToPixelsY(360), 24.0);
    QCOMPARE(platform::twipsToPixelX(1207), 80); // rounds to the nearest pixel
    QCOMPARE(platform::twipsToPixelX(1208), 81);
}

void TestPlatformBasics::mailLinkReachesTheMailProgram()
{
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    // The subject holds plain spaces, and one "%20" of its own.
    QVERIFY(platform::openUrl(QStringLiteral(
        "mailto:author@example.org?subject=The Tallyfold Numbers Game: 1.0%20&body=")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    QCOMPARE(catcher.opened.size(), 1);
    const QUrl url = catcher.opened.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("author@example.org"));
    QCOMPARE(url.query(QUrl::FullyDecoded),
             QStringLiteral("subject=The Tallyfold Numbers Game: 1.0 &body="));
}

void TestPlatformBasics::focusRingFollowsTheKeyboard()
{
    platform::showKeyboardFocus();
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *first = new QLineEdit(&window);
    auto *second = new QLineEdit(&window);
    // A page with no margin of its own: a control on it touches its edges.
    auto *page = new QWidget(&window);
    auto *third = new QLineEdit(page);
    (new QHBoxLayout(page))->setContentsMargins(0, 0, 0, 0);
    page->layout()->addWidget(third);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(page);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QCOMPARE(platform::keyboardFocusRingTarget(), nullptr); // no key pressed yet

    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second);
    QCOMPARE(platform::keyboardFocusRingTarget(), second);
    // The ring lies round the control, outside it, and above it.
    const QWidget *ring = nullptr;
    for (const QWidget *child : window.findChildren<QWidget *>()) {
        if (child != first && child != second && child != third && child != page &&
            child->isVisible())
            ring = child;
    }
    QVERIFY(ring);
    QCOMPARE(ring->geometry(), second->geometry().adjusted(-3, -3, 3, 3));
    QVERIFY(!ring->mask().contains(ring->rect().center()));
    // It adds nothing for a screen reader, which hears the control itself.
    QVERIFY(QAccessible::queryAccessibleInterface(const_cast<QWidget *>(ring))->state().invisible);

    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(platform::keyboardFocusRingTarget(), nullptr);
    QTest::keyClick(first, Qt::Key_End);
    QCOMPARE(platform::keyboardFocusRingTarget(), first);
    first->hide(); // the focus goes on, and the ring with it
    QCOMPARE(platform::keyboardFocusRingTarget(), second);
    // Round a control at the page's edge the ring is whole, not cut by the page.
    QTest::keyClick(second, Qt::Key_Tab);
    QCOMPARE(platform::keyboardFocusRingTarget(), third);
    const QRect around =
        QRect(third->mapTo(&window, QPoint()), third->size()).adjusted(-3, -3, 3, 3);
    QCOMPARE(QRect(ring->mapTo(&window, QPoint()), ring->size()), around);
    QVERIFY(ring->parentWidget()->rect().contains(ring->geometry()));
}

void TestPlatformBasics::messageBoxIsWideEnoughForItsTitle()
{
    const QString title = QStringLiteral("A title much longer than the text of the box");
    for (const auto kind : {platform::MessageText::Fixed, platform::MessageText::Selectable}) {
        int width = 0;
        Qt::TextInteractionFlags flags;
        QTimer::singleShot(0, [&width, &flags] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                width = box->width();
                flags = box->textInteractionFlags();
                box->accept();
            }
        });
        platform::showInformation(nullptr, QStringLiteral("Short."), title, kind);
        QVERIFY(width >= platform::messageBoxWidthForTitle(title));
        // A text the player may want to copy (an address) can be selected
        // with the mouse and the keys alike; the others as the style has it.
        const bool selectable = kind == platform::MessageText::Selectable;
        QCOMPARE(flags.testFlag(Qt::TextSelectableByKeyboard), selectable);
        QVERIFY(!selectable || flags.testFlag(Qt::TextSelectableByMouse));
    }
}

void TestPlatformBasics::facesAskedForByTheirInstalledNames()
{
    const QStringList installed = QFontDatabase::families();
    QVERIFY(installed.contains(QStringLiteral("Liberation Sans")));
    // A face this system has is asked for by its own name, whatever its
    // stand-ins; one it lacks, by its first stand-in it has.
    QFont::insertSubstitutions(QStringLiteral("Liberation Serif"), {QStringLiteral("Liberation Sans")});
    QCOMPARE(platform::installedFamily(QStringLiteral("Liberation Serif")), QStringLiteral("Liberation Serif"));
    const QString lacking = QStringLiteral("Tallyfold Test Face");
    QVERIFY(!installed.contains(lacking));
    // Without stand-ins yet, the name stands, and is not kept: the stand-ins
    // registered afterwards count.
    QCOMPARE(platform::installedFamily(lacking), lacking);
    QFont::insertSubstitutions(lacking, {QStringLiteral("No Such Face"), QStringLiteral("Liberation Mono"),
                                         QStringLiteral("Liberation Sans")});
    QCOMPARE(platform::installedFamily(lacking), QStringLiteral("Liberation Mono"));
    // The game's own faces, with their stand-ins as the start-up registers them.
    platform::registerFontSubstitutions();
    for (const char *face : {"Arial", "MS Sans Serif"}) {
        const QString name = QString::fromLatin1(face);
        const QString asked = platform::installedFamily(name);
        QCOMPARE(asked, installed.contains(name) ? name : QStringLiteral("Liberation Sans"));
        // The stand-in asked for is the face the name would have got anyway.
        QCOMPARE(QFontInfo(QFont(asked)).family(), QFontInfo(QFont(name)).family());
    }
}

void TestPlatformBasics::endingWithAControlAliveIsClean()
{
    // A program may end with a control still there whose interface a screen
    // reader has asked for; Qt then deletes every interface it holds, in its
    // own order. (AddressSanitizer catches a read of a deleted one.)
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--end-with-a-control-alive")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
}

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--end-with-a-control-alive") == 0) {
        QApplication app(argc, argv);
        platform::refuseAccessibleActionsBehindModals();
        auto *edit = new QLineEdit; // deliberately left to the end of the program
        return QAccessible::queryAccessibleInterface(edit) ? 0 : 3;
    }
    QApplication app(argc, argv);
    TestPlatformBasics test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platformbasics.moc"
