// The three controls as assistive technologies see them: role, name, states,
// actions and value, and that a Press through the accessibility interface is
// a click for the control and its host. (The offscreen platform delivers no
// accessibility events; the run on the real bus hears those.)

#include "buttonex.h"
#include "buttonstate.h"
#include "lighttab.h"
#include "velcprog.h"

#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using Build = std::function<QWidget *(QWidget *host)>;

ButtonEx *newButton(QWidget *host, const QString &caption, int style = button::Style::Push)
{
    auto *b = new ButtonEx(host);
    b->setCaption(caption);
    b->setButtonStyle(style);
    return b;
}

QAccessibleInterface *accessible(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    Q_ASSERT(iface);
    return iface;
}

QStringList actionsOf(QAccessibleInterface *iface)
{
    QAccessibleActionInterface *actions = iface->actionInterface();
    return actions ? actions->actionNames() : QStringList{};
}

} // namespace

Q_DECLARE_METATYPE(Build)

class TestControlAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void interfaces_data();
    void interfaces();
    void pressIsAClick();
    void tabPressSelectsAsAClick();
    void dialTellsItsValue();

private:
    std::unique_ptr<QWidget> m_host;
};

void TestControlAccessibility::init()
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(400, 300);
}

void TestControlAccessibility::cleanup()
{
    m_host.reset();
}

void TestControlAccessibility::interfaces_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("disabled");

    const QStringList press{QAccessibleActionInterface::pressAction()};
    const QStringList toggle{QAccessibleActionInterface::toggleAction()};
    QTest::newRow("push button, access key left out")
        << Build([](QWidget *h) { return newButton(h, QStringLiteral("&Apply && go")); })
        << int(QAccessible::Button) << "Apply & go" << press << false << false;
    QTest::newRow("the host's name first") << Build([](QWidget *h) {
        ButtonEx *b = newButton(h, QString());
        b->setAccessibleName(QStringLiteral("Face-down tile 3, row 1"));
        return b;
    }) << int(QAccessible::Button) << "Face-down tile 3, row 1"
                                           << press << false << false;
    QTest::newRow("toggle, down is checked") << Build([](QWidget *h) {
        ButtonEx *b = newButton(h, QStringLiteral("Mute"), button::Style::Toggle);
        b->setValue(button::State::Down);
        return b;
    }) << int(QAccessible::CheckBox) << "Mute"
                                             << toggle << true << false;
    QTest::newRow("toggle, up is not checked") << Build([](QWidget *h) {
        ButtonEx *b = newButton(h, QStringLiteral("Mute"), button::Style::Toggle);
        b->setValue(button::State::Up);
        return b;
    }) << int(QAccessible::CheckBox) << "Mute" << toggle
                                               << false << false;
    QTest::newRow("disabled: no press") << Build([](QWidget *h) {
        ButtonEx *b = newButton(h, QStringLiteral("OK"));
        b->setControlEnabled(false);
        return b;
    }) << int(QAccessible::Button) << "OK"
                                        << QStringList{} << false << true;
    QTest::newRow("dial") << Build([](QWidget *h) { return new VelCProg(h); })
                          << int(QAccessible::Dial) << QString() << QStringList{} << false << false;
    QTest::newRow("tab strip") << Build([](QWidget *h) { return new LightTab(h); })
                               << int(QAccessible::PageTabList) << QString() << QStringList{}
                               << false << false;
}

void TestControlAccessibility::interfaces()
{
    QFETCH(Build, build);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QStringList, actions);
    QFETCH(bool, checked);
    QFETCH(bool, disabled);

    QWidget *widget = build(m_host.get());
    QAccessibleInterface *iface = accessible(widget);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    const QStringList offered = actionsOf(iface);
    for (const QString &action : actions)
        QVERIFY2(offered.contains(action), qPrintable(offered.join(u',')));
    if (actions.isEmpty()) {
        QVERIFY(!offered.contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(!offered.contains(QAccessibleActionInterface::toggleAction()));
    }
    QCOMPARE(bool(iface->state().checked), checked);
    QCOMPARE(bool(iface->state().disabled), disabled);
}

void TestControlAccessibility::pressIsAClick()
{
    ButtonEx *b = newButton(m_host.get(), QStringLiteral("&Go"), button::Style::Toggle);
    b->setValue(button::State::Up);
    m_host->show();
    QSignalSpy clicks(b, &ButtonEx::Click);
    QSignalSpy downs(b, &ButtonEx::mouseDown);
    QSignalSpy ups(b, &ButtonEx::MouseUp);

    QAccessibleInterface *iface = accessible(b);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(ups.count(), 1);
    // A click flips a toggle, and a listener hears it.
    QCOMPARE(b->value(), button::State::Down);
    QVERIFY(iface->state().checked);

    b->setControlEnabled(false);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.count(), 1);

    b->setCaption(QStringLiteral("&Stop"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Stop"));
}

void TestControlAccessibility::tabPressSelectsAsAClick()
{
    auto *strip = new LightTab(m_host.get());
    strip->setNumberOfTabs(3);
    const QStringList captions{QStringLiteral(" One "), QStringLiteral(" Two "),
                               QStringLiteral(" Three ")};
    for (int i = 0; i < captions.size(); ++i)
        strip->setCaption(i, captions.at(i));
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    QSignalSpy changes(strip, &LightTab::AfterTabChange);
    QSignalSpy presses(strip->tabStripWidget(),
                       SIGNAL(pressed(Qt::MouseButton, Qt::KeyboardModifiers, QPointF)));

    QAccessibleInterface *iface = accessible(strip);
    QCOMPARE(iface->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface *tab = iface->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), captions.at(i).trimmed());
        QCOMPARE(tab->parent(), iface);
        QCOMPARE(iface->indexOfChild(tab), i);
        QCOMPARE(bool(tab->state().selected), i == 0);
        // The tab's box on screen is where a click selects it.
        QVERIFY(iface->childAt(tab->rect().center().x(), tab->rect().center().y()) == tab);
    }

    QAccessibleInterface *third = iface->child(2);
    third->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(presses.count(), 1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).value<qint16>(), qint16(2));
    QCOMPARE(strip->activeTab(), qint16(2));
    QVERIFY(third->state().selected);
    QVERIFY(!iface->child(0)->state().selected);
}

void TestControlAccessibility::dialTellsItsValue()
{
    auto *dial = new VelCProg(m_host.get());
    dial->setMinimum(0);
    dial->setMaximum(60);
    dial->setValue(99); // held at the maximum

    QAccessibleInterface *iface = accessible(dial);
    QCOMPARE(iface->role(), QAccessible::Dial);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("60 of 60"));
    // Driven by its host only: no value to set, so no actions that do nothing.
    QVERIFY(!iface->valueInterface());
    QCOMPARE(iface->actionInterface()->actionNames(), QStringList{});
    dial->setAccessibleDescription(QStringLiteral("Time allowed"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Time allowed"));
}

QTEST_MAIN(TestControlAccessibility)
#include "tst_controlaccessibility.moc"
