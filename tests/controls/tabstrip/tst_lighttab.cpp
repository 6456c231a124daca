#include "lighttab.h"
#include "propertybag.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

// The tab strip's properties, events, clicks and persistence.
class TestLightTab : public QObject
{
    Q_OBJECT

private slots:
    void defaultsDrawFourTabs();
    void settingsCaptionKeepsSpaces();
    void captionReadAndReplace();
    void numberOfTabsBelowActiveTabResetsIt();
    void outOfRangeValuesDoNoHarm();
    void activeTabWriteRaisesEvent();
    void clicksAroundTheBoundary_data();
    void clicksAroundTheBoundary();
    void clickOnRaisedBoxBelongsToItsTab();
    void roundTripWithLowerCaseNames();
    void readMatchesNamesAnyCaseAndRefusesFaults();
    void captionsTakeTheStripFontOrTheAmbientOne();

private:
    static QPoint stripPoint(int x) { return {x, 8}; }
    static QStringList names(const QSignalSpy &spy)
    {
        QStringList result;
        for (const QList<QVariant> &call : spy)
            result << call.at(0).toString();
        return result;
    }
};

namespace {
const QString kSettingsCaption =
    QStringLiteral(" Difficulty | Timing | General |Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
}

void TestLightTab::defaultsDrawFourTabs()
{
    LightTab tab;
    QCOMPARE(tab.numberOfTabs(), qint16(4));
    QCOMPARE(tab.activeTab(), qint16(0));
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
    QCOMPARE(tab.tabRow().count(), 4);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(tab.caption(k), QStringLiteral("Tab%1").arg(k));
        QCOMPARE(tab.tabRow().width(k),
                 tab.tabStripSurface().textSize(tab.caption(k)).width() + 15);
    }
    QCOMPARE(tab.tabRow().left(0), 2);
    QCOMPARE(tab.tabRow().left(1), 2 + tab.tabRow().width(0));
    QCOMPARE(tab.tabStripWidget()->geometry(), QRect(3, 2, tab.width(), 17));
    QCOMPARE(tab.highlightWidget()->geometry(), QRect(1, 0, tab.tabRow().width(0) + 6, 21));
}

void TestLightTab::settingsCaptionKeepsSpaces()
{
    LightTab tab;
    tab.setCaptionString(kSettingsCaption);
    tab.setNumberOfTabs(3);
    QCOMPARE(tab.tabRow().count(), 3);
    QCOMPARE(tab.caption(0), QStringLiteral(" Difficulty "));
    QCOMPARE(tab.caption(2), QStringLiteral(" General "));
    // The spaces are measured too.
    const platform::Surface &strip = tab.tabStripSurface();
    QCOMPARE(tab.tabRow().width(1), strip.textSize(QStringLiteral(" Timing ")).width() + 15);
    QVERIFY(tab.tabRow().width(1) > strip.textSize(QStringLiteral("Timing")).width() + 15);
}

void TestLightTab::captionReadAndReplace()
{
    LightTab tab;
    QSignalSpy changed(&tab, &LightTab::propertyChanged);
    QCOMPARE(tab.caption(1), QStringLiteral("Tab1"));
    const int oldWidth = tab.tabRow().width(1);

    tab.setCaption(1, QStringLiteral("A much longer caption"));
    QCOMPARE(tab.property("Caption").toString(),
             QStringLiteral("Tab0|A much longer caption|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(names(changed), QStringList{QStringLiteral("Caption")});
    // The row was redrawn with the new text.
    const int longWidth = tab.tabRow().width(1);
    QVERIFY(longWidth > oldWidth);
    QCOMPARE(tab.tabRow().left(2), tab.tabRow().left(1) + longWidth);

    // A form compiled by uic sets the whole Caption property as setCaption(text).
    tab.setCaption(QStringLiteral("A|B|C|D|"));
    QCOMPARE(tab.captionString(), QStringLiteral("A|B|C|D|"));
    QCOMPARE(tab.caption(1), QStringLiteral("B"));
    QCOMPARE(names(changed), (QStringList{QStringLiteral("Caption"), QStringLiteral("Caption")}));
    QVERIFY(tab.tabRow().width(1) < longWidth);
}

void TestLightTab::numberOfTabsBelowActiveTabResetsIt()
{
    LightTab tab;
    tab.setActiveTab(3);
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy changed(&tab, &LightTab::propertyChanged);

    tab.setNumberOfTabs(2);
    QCOMPARE(tab.activeTab(), qint16(0));
    QCOMPARE(tab.tabRow().count(), 2);
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(0) - 1);
    // The reset is a redraw, not a selection: no event, both properties marked.
    QCOMPARE(events.count(), 0);
    QCOMPARE(names(changed),
             (QStringList{QStringLiteral("ActiveTab"), QStringLiteral("NumberOfTabs")}));

    // Equal to ActiveTab is not smaller: it stays, naming no drawn tab, and
    // is raised again once the row grows to include it.
    tab.setActiveTab(2);
    tab.setNumberOfTabs(2);
    QCOMPARE(tab.activeTab(), qint16(2));
    QVERIFY(tab.highlightWidget()->isHidden());
    tab.setNumberOfTabs(3);
    QVERIFY(!tab.highlightWidget()->isHidden());
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(2) - 1);
}

void TestLightTab::outOfRangeValuesDoNoHarm()
{
    LightTab tab;
    tab.setNumberOfTabs(-5);
    QCOMPARE(tab.numberOfTabs(), qint16(0));
    QCOMPARE(tab.tabRow().count(), 0);
    QVERIFY(tab.highlightWidget()->isHidden());
    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(3));

    tab.setNumberOfTabs(32767);
    QCOMPARE(tab.numberOfTabs(), LightTab::kMaxTabs);
    tab.setActiveTab(-3);
    QCOMPARE(tab.activeTab(), qint16(0));

    // Tabs past the last caption are drawn empty.
    tab.setCaptionString(QStringLiteral("One|Two|"));
    tab.setNumberOfTabs(4);
    QCOMPARE(tab.tabRow().width(3), 15);
    tab.setActiveTab(3);
    QCOMPARE(tab.highlightWidget()->width(), 21);

    // Captions far out of reach are not padded into existence.
    tab.setCaption(-1, QStringLiteral("X"));
    tab.setCaption(LightTab::kMaxTabs, QStringLiteral("X"));
    QCOMPARE(tab.captionString(), QStringLiteral("One|Two|"));
    tab.setCaption(3, QStringLiteral("X"));
    QCOMPARE(tab.captionString(), QStringLiteral("One|Two||X|"));
}

void TestLightTab::activeTabWriteRaisesEvent()
{
    LightTab tab;
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy changed(&tab, &LightTab::propertyChanged);

    tab.setActiveTab(2);
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(2));
    QCOMPARE(names(changed), QStringList{QStringLiteral("ActiveTab")});
    QCOMPARE(tab.highlightWidget()->geometry(),
             QRect(tab.tabRow().left(2) - 1, 0, tab.tabRow().width(2) + 6, 21));

    // Writing the same value raises it again; redraws never do.
    tab.setActiveTab(2);
    tab.setCaption(0, QStringLiteral("Zero"));
    tab.setNumberOfTabs(5);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    tab.resize(400, 200);
    QCOMPARE(events.count(), 2);

    // The event is the first signal the class declares: its number is 0.
    const QMetaObject *meta = tab.metaObject();
    QCOMPARE(meta->method(meta->methodOffset()).name(), QByteArray("AfterTabChange"));
}

void TestLightTab::clicksAroundTheBoundary_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("offset"); // from the left edge of tab 1
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("expected"); // -1: no event

    QTest::newRow("on the boundary, from tab 2") << 2 << 0 << Qt::LeftButton << 0;
    QTest::newRow("on the boundary, tab 0 active") << 0 << 0 << Qt::LeftButton << -1;
    QTest::newRow("just right of it") << 0 << 1 << Qt::LeftButton << 1;
    QTest::newRow("right button") << 0 << 1 << Qt::RightButton << 1;
    QTest::newRow("middle button") << 0 << 1 << Qt::MiddleButton << 1;
}

void TestLightTab::clicksAroundTheBoundary()
{
    QFETCH(int, active);
    QFETCH(int, offset);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, expected);

    LightTab tab;
    tab.setActiveTab(qint16(active));
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QTest::mouseClick(tab.tabStripWidget(), button, {}, stripPoint(tab.tabRow().left(1) + offset));
    if (expected < 0) {
        QCOMPARE(events.count(), 0);
        QCOMPARE(tab.activeTab(), qint16(active));
        return;
    }
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(expected));
    QCOMPARE(tab.activeTab(), qint16(expected));
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(expected) - 1);
}

void TestLightTab::clickOnRaisedBoxBelongsToItsTab()
{
    // The raised box stands out over the edges of its neighbours; a click on
    // it is a click on the active tab, not on the neighbour it covers.
    LightTab tab;
    tab.setActiveTab(1);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    const QRect box = tab.highlightWidget()->geometry();
    for (const QPoint onBox : {QPoint(box.left(), 8), QPoint(box.right(), 8)}) {
        QVERIFY(tab.childAt(onBox) == tab.highlightWidget());
        QTest::mouseClick(tab.windowHandle(), Qt::LeftButton, {}, onBox);
        QCOMPARE(events.count(), 0);
        QCOMPARE(tab.activeTab(), qint16(1));
    }
    // Just beside it, the neighbour is still a click away.
    QTest::mouseClick(tab.windowHandle(), Qt::LeftButton, {}, QPoint(box.left() - 1, 8));
    QCOMPARE(events.count(), 1);
    QCOMPARE(tab.activeTab(), qint16(0));
}

void TestLightTab::roundTripWithLowerCaseNames()
{
    LightTab source;
    platform::PropertyBag bag;
    source.UserControl_WriteProperties(bag);
    QVERIFY(bag.isEmpty()); // defaults are left out

    source.setCaptionString(kSettingsCaption);
    source.setNumberOfTabs(3);
    source.setActiveTab(2);
    source.UserControl_WriteProperties(bag);
    QStringList stored;
    for (const platform::PropertyBag::Entry &entry : bag.entries())
        stored << entry.name;
    QCOMPARE(stored, (QStringList{QStringLiteral("caption"), QStringLiteral("numberoftabs"),
                                  QStringLiteral("activetab")}));
    QCOMPARE(bag.entries().at(1).value.type(), platform::PropertyValue::Type::Int16);

    const auto reread = platform::PropertyBag::fromJson(bag.toJson());
    QVERIFY2(reread.isOk(), qPrintable(reread.error()));
    LightTab target;
    QSignalSpy events(&target, &LightTab::AfterTabChange);
    QVERIFY(!target.UserControl_ReadProperties(reread.value()));
    QCOMPARE(target.captionString(), kSettingsCaption);
    QCOMPARE(target.numberOfTabs(), qint16(3));
    QCOMPARE(target.activeTab(), qint16(2));
    QCOMPARE(target.highlightWidget()->x(), target.tabRow().left(2) - 1);
    QCOMPARE(events.count(), 0);
}

void TestLightTab::readMatchesNamesAnyCaseAndRefusesFaults()
{
    platform::PropertyBag bag;
    bag.writeInt16(QStringLiteral("NumberOfTabs"), 2, 4);
    bag.writeText(QStringLiteral("CAPTION"), QStringLiteral("A|B|"), QString());
    LightTab tab;
    QVERIFY(!tab.UserControl_ReadProperties(bag));
    QCOMPARE(tab.numberOfTabs(), qint16(2));
    QCOMPARE(tab.caption(1), QStringLiteral("B"));

    // A value of the wrong type is named and nothing of that load is taken.
    platform::PropertyBag faulty;
    faulty.writeText(QStringLiteral("caption"), QStringLiteral("X|"), QString());
    faulty.writeText(QStringLiteral("activetab"), QStringLiteral("two"), QString());
    const auto error = tab.UserControl_ReadProperties(faulty);
    QVERIFY(error.has_value());
    QVERIFY2(error->message.contains(QStringLiteral("activetab"), Qt::CaseInsensitive),
             qPrintable(error->message));
    QCOMPARE(tab.captionString(), QStringLiteral("A|B|"));
}

void TestLightTab::captionsTakeTheStripFontOrTheAmbientOne()
{
    LightTab tab;
    const int before = tab.tabRow().width(0);
    platform::Ambient ambient;
    QFont big = tab.ambient().resolvedFont();
    big.setPixelSize(40);
    ambient.font = big;
    tab.setAmbient(ambient);
    QVERIFY(tab.tabRow().width(0) > before);
    QCOMPARE(tab.tabStripSurface().font(), big);

    // A font set on the strip wins over the ambient one, in the row and in
    // the raised box, and keeps winning when the ambient font changes.
    QFont own = big;
    own.setPixelSize(8);
    tab.setFont(own);
    QCOMPARE(tab.tabStripSurface().font(), own);
    QCOMPARE(tab.highlightSurface().font(), own);
    QCOMPARE(tab.tabRow().width(0), QFontMetrics(own).horizontalAdvance(tab.caption(0)) + 15);
    big.setPixelSize(30);
    ambient.font = big;
    tab.setAmbient(ambient);
    QCOMPARE(tab.tabStripSurface().font(), own);
}

QTEST_MAIN(TestLightTab)
#include "tst_lighttab.moc"
