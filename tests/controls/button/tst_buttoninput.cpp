#include "buttonex.h"
#include "buttontesthelpers.h"

#include <QAction>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace State = button::State;

namespace {

// Every event of the control, in the order raised, with its arguments.
class Recorder : public QObject
{
public:
    explicit Recorder(ButtonEx &b)
    {
        connect(&b, &ButtonEx::Click, this, [this] { log << QStringLiteral("Click"); });
        connect(&b, &ButtonEx::KeyDown, this,
                [this](short k, short s) { log << QStringLiteral("KeyDown %1 %2").arg(k).arg(s); });
        connect(&b, &ButtonEx::KeyPress, this,
                [this](short k) { log << QStringLiteral("KeyPress %1").arg(k); });
        connect(&b, &ButtonEx::KeyUp, this,
                [this](short k, short s) { log << QStringLiteral("KeyUp %1 %2").arg(k).arg(s); });
        connect(&b, &ButtonEx::mouseDown, this, [this](short bt, short s, float x, float y) {
            log << QStringLiteral("mouseDown %1 %2 %3 %4").arg(bt).arg(s).arg(x).arg(y);
        });
        connect(&b, &ButtonEx::MouseEnter, this, [this] { log << QStringLiteral("MouseEnter"); });
        connect(&b, &ButtonEx::MouseExit, this, [this] { log << QStringLiteral("MouseExit"); });
        connect(&b, &ButtonEx::MouseMove, this, [this](short bt, short, float, float) {
            log << QStringLiteral("MouseMove %1").arg(bt);
        });
        connect(&b, &ButtonEx::MouseUp, this, [this](short bt, short s, float x, float y) {
            log << QStringLiteral("MouseUp %1 %2 %3 %4").arg(bt).arg(s).arg(x).arg(y);
        });
        connect(&b, &ButtonEx::Resize, this, [this] { log << QStringLiteral("Resize"); });
    }

    QStringList take()
    {
        QStringList taken = log;
        log.clear();
        return taken;
    }

    QStringList log;
};

void mouse(ButtonEx &b, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton,
           Qt::MouseButtons held = Qt::NoButton, Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent event(type, at, b.mapToGlobal(at), button, held, modifiers);
    QCoreApplication::sendEvent(&b, &event);
}

void move(ButtonEx &b, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    mouse(b, QEvent::MouseMove, at, Qt::NoButton, held);
}

void press(ButtonEx &b, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = {})
{
    mouse(b, QEvent::MouseButtonPress, at, button, button, modifiers);
}

void release(ButtonEx &b, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(b, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// A pointer the hover poll reads instead of the real one.
struct FakePointer
{
    explicit FakePointer(ButtonEx &b)
        : button(b)
    {
        b.hoverTracker().setLocator([this] { return button.mapToGlobal(local); });
    }
    void moveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        local = at;
        if (button.rect().adjusted(0, 0, 1, 1).contains(at) || held != Qt::NoButton)
            move(button, at, held);
    }
    ButtonEx &button;
    QPoint local{-100, -100};
};

// A button with its event log and the pointer over it, for the pointer tests.
struct Rig
{
    ButtonEx b;
    Recorder r{b};
    FakePointer pointer{b};
};

} // namespace

class TestButtonInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { buttontest::installPalette(); }

    void eventNumbersFollowDeclarationOrder();
    void hoverEnterOverAndExit();
    void hoverPollRunsOnlyWhileInside();
    void pressReleaseClickOrder();
    void dragOffAndBack();
    void releaseOutsideGivesNoClick();
    void rightButtonChangesNothing();
    void toggleStyleLatches();
    void dispatcherCopiesAndHoverRule();
    void accessKeyFromCaption_data();
    void accessKeyFromCaption();
    void accessKeyRaisesClick();
    void accessKeyLeftToDesignerInDesignMode();
    void spaceAndEnterRaiseOnlyKeyEvents();
    void focusAndDefaultMarking();
    void resizeRepaintsUpAndRaisesResize();
    void designModeRepaintsOnEveryMove();
    void dragOverDropAndStart();
};

void TestButtonInput::eventNumbersFollowDeclarationOrder()
{
    const QStringList expected = {
        "Click",           "KeyDown",         "KeyPress",     "KeyUp",
        "mouseDown",       "MouseEnter",      "MouseExit",    "MouseMove",
        "MouseUp",         "OLECompleteDrag", "OLEDragDrop",  "OLEDragOver",
        "OLEGiveFeedback", "OLESetData",      "OLEStartDrag", "Resize"};
    const QMetaObject &meta = ButtonEx::staticMetaObject;
    QStringList signalNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            signalNames << QString::fromLatin1(meta.method(i).name());
    QCOMPARE(signalNames.mid(0, expected.size()), expected);
}

void TestButtonInput::hoverEnterOverAndExit()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    pointer.moveTo({10, 10});
    QCOMPARE(r.take(), QStringList({"MouseEnter", "MouseMove 0"}));
    QCOMPARE(b.drawState(), State::Up); // the first move only starts tracking
    pointer.moveTo({12, 10});
    QCOMPARE(b.drawState(), State::Over);
    pointer.moveTo({70, 20});
    pointer.moveTo({11, 11});
    QCOMPARE(r.take(), QStringList({"MouseMove 0", "MouseMove 0", "MouseMove 0"}));

    pointer.moveTo({200, 10});
    b.hoverTracker().poll();
    QCOMPARE(r.take(), QStringList({"MouseExit"}));
    QCOMPARE(b.drawState(), State::Up);
    QVERIFY(!b.isHoverPollRunning());
}

void TestButtonInput::hoverPollRunsOnlyWhileInside()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    QVERIFY(!b.isHoverPollRunning());
    pointer.moveTo({80, 24}); // the far edges count as inside
    QVERIFY(b.isHoverPollRunning());
    b.hoverTracker().poll();
    QVERIFY(b.isHoverPollRunning());
    r.take();
    // The real timer notices the departure quickly and once.
    pointer.local = {81, 5};
    QTRY_COMPARE_WITH_TIMEOUT(r.log, QStringList({"MouseExit"}), 1000);
    QVERIFY(!b.isHoverPollRunning());
    QTest::qWait(3 * HoverTracker::PollMilliseconds);
    QCOMPARE(r.take(), QStringList({"MouseExit"}));
}

void TestButtonInput::pressReleaseClickOrder()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    pointer.moveTo({10, 10});
    pointer.moveTo({10, 10});
    r.take();
    press(b, {10, 10});
    QCOMPARE(b.drawState(), State::Down);
    QCOMPARE(b.value(), State::Down);
    release(b, {10, 10});
    QCOMPARE(b.drawState(), State::Up); // Up, not Over, until the next move
    QCOMPARE(r.take(), QStringList({"mouseDown 1 0 150 150", "MouseUp 1 0 150 150", "Click"}));
    pointer.moveTo({11, 10});
    QCOMPARE(b.drawState(), State::Over);
    // Positions in twips; Shift and Ctrl held make a shift state of 3.
    press(b, {10, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(r.take(), QStringList({"MouseMove 0", "mouseDown 1 3 150 75"}));
}

void TestButtonInput::dragOffAndBack()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    pointer.moveTo({10, 10});
    r.take();
    press(b, {10, 10});
    QCOMPARE(b.drawState(), State::Down);
    pointer.moveTo({150, 10}, Qt::LeftButton); // outside: no events
    b.hoverTracker().poll();
    QCOMPARE(b.drawState(), State::Up);
    pointer.moveTo({160, 10}, Qt::LeftButton); // restarts the poll, refuses Down
    QCOMPARE(b.drawState(), State::Up);
    b.hoverTracker().poll();
    QCOMPARE(r.take(), QStringList({"mouseDown 1 0 150 150", "MouseExit"}));

    pointer.moveTo({20, 10}, Qt::LeftButton); // back in: enter, still Up
    QCOMPARE(b.drawState(), State::Up);
    pointer.moveTo({21, 10}, Qt::LeftButton); // the second move shows Down
    QCOMPARE(b.drawState(), State::Down);
    release(b, {21, 10});
    QCOMPARE(b.drawState(), State::Up);
    QCOMPARE(r.take(), QStringList({"MouseEnter", "MouseMove 1", "MouseMove 1",
                                    "MouseUp 1 0 315 150", "Click"}));
}

void TestButtonInput::releaseOutsideGivesNoClick()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    pointer.moveTo({10, 10});
    press(b, {10, 10});
    pointer.moveTo({150, 10}, Qt::LeftButton);
    b.hoverTracker().poll();
    release(b, {150, 10});
    QCOMPARE(b.drawState(), State::Up);
    const QStringList log = r.take();
    QCOMPARE(log.last(), QStringLiteral("MouseUp 1 0 2250 150"));
    QVERIFY(!log.contains(QStringLiteral("Click")));
}

void TestButtonInput::rightButtonChangesNothing()
{
    ButtonEx b;
    Recorder r(b);
    const QImage before = b.surface().image();
    press(b, {5, 5}, Qt::RightButton);
    release(b, {5, 5}, Qt::RightButton);
    QCOMPARE(b.value(), State::Up);
    QCOMPARE(b.drawState(), State::Up);
    QCOMPARE(b.surface().image(), before);
    QCOMPARE(r.take(), QStringList({"mouseDown 2 0 75 75", "MouseUp 2 0 75 75"}));

    // Only the button that started the press decides the click: a right
    // click inside a left press keeps its click, a left click inside a right
    // press makes none.
    const auto chord = [&b](Qt::MouseButton first, Qt::MouseButton second) {
        mouse(b, QEvent::MouseButtonPress, {5, 5}, first, first);
        mouse(b, QEvent::MouseButtonPress, {5, 5}, second, first | second);
        mouse(b, QEvent::MouseButtonRelease, {5, 5}, second, first);
        mouse(b, QEvent::MouseButtonRelease, {5, 5}, first, Qt::NoButton);
    };
    chord(Qt::LeftButton, Qt::RightButton);
    QCOMPARE(r.take().count(QStringLiteral("Click")), 1);
    chord(Qt::RightButton, Qt::LeftButton);
    QCOMPARE(r.take().count(QStringLiteral("Click")), 0);
}

void TestButtonInput::toggleStyleLatches()
{
    Rig rig;
    auto &[b, r, pointer] = rig;
    b.setButtonStyle(button::Style::Toggle);
    pointer.moveTo({10, 10});
    pointer.moveTo({10, 10});
    press(b, {10, 10});
    release(b, {10, 10});
    QCOMPARE(b.value(), State::Down);
    QCOMPARE(b.drawState(), State::Down); // latched: the release keeps it down
    pointer.moveTo({12, 10});
    QCOMPARE(b.drawState(), State::Down);
    press(b, {10, 10});
    release(b, {10, 10});
    QCOMPARE(b.value(), State::Up);
    QCOMPARE(b.drawState(), State::Up);
    QCOMPARE(r.log.count(QStringLiteral("Click")), 2);
    // A latched toggle stays down when enabled again.
    b.setValue(State::Down);
    b.setControlEnabled(true);
    QCOMPARE(b.drawState(), State::Down);
}

void TestButtonInput::dispatcherCopiesAndHoverRule()
{
    ButtonEx b;
    short seen = 0;
    connect(&b, &ButtonEx::KeyPress, this, [&seen](short key) {
        seen = key;
        key = 0; // a handler's change stays in the handler
        Q_UNUSED(key);
    });
    QVariantList args{short(65)};
    b.RaiseNamedEvent(QStringLiteral("KeyPress"), args);
    QCOMPARE(seen, short(65));
    QCOMPARE(args.first().toInt(), 65);

    Recorder r(b);
    b.RaiseNamedEvent(QStringLiteral("mouseenter"));
    b.RaiseNamedEvent(QStringLiteral("MouseEnter"));
    b.RaiseNamedEvent(QStringLiteral("NoSuchEvent"));
    b.RaiseNamedEvent(QStringLiteral("MouseExit"));
    b.RaiseNamedEvent(QStringLiteral("MouseExit"));
    b.RaiseNamedEvent(QStringLiteral("MOUSEDOWN"), {short(4), short(0), 1.5f, 2.5f});
    QCOMPARE(r.take(), QStringList({"MouseEnter", "MouseExit", "mouseDown 4 0 1.5 2.5"}));
    QCOMPARE(b.lastHoverEvent(), QStringLiteral("MouseExit"));
}

void TestButtonInput::accessKeyFromCaption_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("key");
    QTest::newRow("first letter") << QStringList{"&Start"} << "S";
    QTest::newRow("kept without ampersand") << QStringList{"&Start", "Stop"} << "S";
    QTest::newRow("doubled pair only") << QStringList{"&Start", "Fish && Chips"} << "S";
    QTest::newRow("pair then single") << QStringList{"&Start", "A &&&Cat"} << "C";
    QTest::newRow("ampersand at the end") << QStringList{"&Start", "Go&"} << "";
    QTest::newRow("first single wins") << QStringList{"&a&b"} << "a";
    QTest::newRow("default caption") << QStringList{} << "";
}

void TestButtonInput::accessKeyFromCaption()
{
    QFETCH(QStringList, captions);
    ButtonEx b;
    for (const QString &caption : captions)
        b.setCaption(caption);
    QTEST(b.accessKey(), "key");
}

void TestButtonInput::accessKeyRaisesClick()
{
    QWidget window;
    auto *b = new ButtonEx(&window);
    b->setCaption(QStringLiteral("&Start"));
    auto *other = new ButtonEx(&window);
    other->move(0, 40);
    other->setCaption(QStringLiteral("S&top"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    Recorder r(*b);
    Recorder ro(*other);
    const int state = b->drawState();
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(r.take(), QStringList({"Click"}));
    QCOMPARE(b->drawState(), state);
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    QVERIFY(r.take().isEmpty());
    QVERIFY(ro.take().contains(QStringLiteral("Click")));
    // A new key replaces the old one.
    b->setCaption(QStringLiteral("&Go"));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QVERIFY(!r.take().contains(QStringLiteral("Click")));
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(r.take(), QStringList({"Click"}));
}

void TestButtonInput::accessKeyLeftToDesignerInDesignMode()
{
    QWidget window;
    // A form designer's own Alt+S.
    QAction designerAction(&window);
    designerAction.setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    window.addAction(&designerAction);
    QSignalSpy designerTriggered(&designerAction, &QAction::triggered);
    auto *b = new ButtonEx(&window);
    b->setCaption(QStringLiteral("&Settings"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Recorder r(*b);

    // Placed on a form being designed: the key is known but not taken.
    b->setAmbient({false, std::nullopt, false});
    QCOMPARE(b->accessKey(), QStringLiteral("S"));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(designerTriggered.count(), 1);
    QVERIFY(r.take().isEmpty());
    b->setCaption(QStringLiteral("&Go"));
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QVERIFY(r.take().isEmpty());

    // The form runs: the current key is taken again.
    b->setAmbient({true, std::nullopt, false});
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(r.take(), QStringList({"Click"}));
}

void TestButtonInput::spaceAndEnterRaiseOnlyKeyEvents()
{
    ButtonEx b;
    Recorder r(b);
    const QImage before = b.surface().image();
    QTest::keyClick(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_Return);
    QCOMPARE(r.take(), QStringList({"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "KeyDown 13 0",
                                    "KeyPress 13", "KeyUp 13 0"}));
    QCOMPARE(b.drawState(), State::Up);
    QCOMPARE(b.value(), State::Up);
    QCOMPARE(b.surface().image(), before);
    QTest::keyClick(&b, Qt::Key_A, Qt::ShiftModifier);
    // The Shift key itself comes first, as its own key event.
    QCOMPARE(r.take().mid(0, 2), QStringList({"KeyDown 16 1", "KeyDown 65 1"}));
}

void TestButtonInput::focusAndDefaultMarking()
{
    ButtonEx b;
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&b, &in);
    QVERIFY(b.focusLook());
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&b, &out);
    QVERIFY(!b.focusLook());

    platform::Ambient ambient;
    ambient.displayAsDefault = true;
    b.setAmbient(ambient);
    QVERIFY(b.focusLook());
    // Other ambient changes leave the marking alone.
    QCoreApplication::sendEvent(&b, &out);
    ambient.font = buttontest::crispFont();
    b.setAmbient(ambient);
    QVERIFY(!b.focusLook());
    QCOMPARE(b.controlFont(), QApplication::font());
}

void TestButtonInput::resizeRepaintsUpAndRaisesResize()
{
    QWidget window;
    auto *b = new ButtonEx(&window);
    Recorder r(*b);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(r.take(), QStringList({"Resize"}));
    b->Redraw(State::Over);
    b->resize(100, 30);
    QCOMPARE(r.take(), QStringList({"Resize"}));
    QCOMPARE(b->drawState(), State::Up);
    QCOMPARE(b->surface().size(), QSize(100, 30));
}

void TestButtonInput::designModeRepaintsOnEveryMove()
{
    ButtonEx b;
    b.setAmbient({false, std::nullopt, false});
    move(b, {5, 5});
    QVERIFY(!b.isHoverPollRunning());
    QCOMPARE(b.drawState(), State::Over);
}

void TestButtonInput::dragOverDropAndStart()
{
    ButtonEx b;
    QMimeData data;
    data.setText(QStringLiteral("42"));
    QStringList log;
    int offer = 0;
    connect(&b, &ButtonEx::OLEDragOver, this,
            [&](QMimeData *d, int &effect, short &, short &, float &x, float &, short &state) {
                log << QStringLiteral("over %1 %2 %3").arg(state).arg(x).arg(d == &data);
                effect = offer;
            });
    connect(&b, &ButtonEx::OLEDragDrop, this,
            [&](QMimeData *d, int &effect, short &, short &, float &, float &) {
                log << QStringLiteral("drop %1").arg(d->text());
                effect = 1;
            });

    auto enter = [&] {
        QDragEnterEvent event(QPoint(4, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton,
                              {});
        QCoreApplication::sendEvent(&b, &event);
    };
    enter();
    QCOMPARE(b.drawState(), State::Over);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&b, &leave);
    QCOMPARE(b.drawState(), State::Up);

    enter();
    QDragMoveEvent refused(QPoint(5, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, {});
    QCoreApplication::sendEvent(&b, &refused);
    QVERIFY(!refused.isAccepted()); // no handler offered an effect
    offer = 2;
    QDragMoveEvent taken(QPoint(6, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, {});
    QCoreApplication::sendEvent(&b, &taken);
    QVERIFY(taken.isAccepted());
    QCOMPARE(taken.dropAction(), Qt::MoveAction);
    QDropEvent drop(QPointF(6, 4), Qt::CopyAction, &data, Qt::NoButton, {});
    QCoreApplication::sendEvent(&b, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(log, QStringList({"over 0 60 1", "over 1 60 1", "over 0 60 1", "over 2 75 1",
                               "over 2 90 1", "drop 42"}));
    // A drag started from the button is cancelled without effects.
    log.clear();
    connect(&b, &ButtonEx::OLEStartDrag, this, [&](QMimeData *dragged, int &allowed) {
        QVERIFY(dragged);
        log << QStringLiteral("start %1").arg(allowed);
    });
    connect(&b, &ButtonEx::OLECompleteDrag, this,
            [&](int &effect) { log << QStringLiteral("complete %1").arg(effect); });
    b.OLEDrag();
    QCOMPARE(log, QStringList({"start 0", "complete 0"}));
}

QTEST_MAIN(TestButtonInput)
#include "tst_buttoninput.moc"
