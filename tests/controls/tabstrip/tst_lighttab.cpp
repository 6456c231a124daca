#include "controls/tabstrip/lighttab.h"
#include "platform/propertybag.h"

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
    void outOfRangeValuesAreBounded();
    void missingCaptionsDrawEmptyTabs();
    void activeTabWriteRaisesEvent();
    void boundaryClickBelongsToTabBefore();
    void clickRightOfBoundaryActivatesNextTab_data();
    void clickRightOfBoundaryActivatesNextTab();
    void clicksOutsideTheRowDoNothing();
    void clickOnRaisedBoxPassesToRow();
    void writeLeavesDefaultsOut();
    void roundTripWithLowerCaseNames();
    void readMatchesNamesWithoutCase();
    void faultyStoredValueIsRefused();
    void initPropertiesRestoresDefaults();
    void ambientFontMeasuresCaptions();

private:
    static QPoint stripPoint(const LightTab &tab, int x)
    {
        return {x, tab.tabStripWidget()->height() / 2};
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

    // The strip and the raised box over "Tab0".
    QCOMPARE(tab.tabStripWidget()->geometry(), QRect(3, 2, tab.width(), 17));
    QCOMPARE(tab.highlightWidget()->geometry(), QRect(1, 0, tab.tabRow().width(0) + 6, 21));
    QVERIFY(!tab.highlightWidget()->isHidden());
}

void TestLightTab::settingsCaptionKeepsSpaces()
{
    LightTab tab;
    tab.setCaptionString(kSettingsCaption);
    tab.setNumberOfTabs(3);
    QCOMPARE(tab.tabRow().count(), 3);
    QCOMPARE(tab.caption(0), QStringLiteral(" Difficulty "));
    QCOMPARE(tab.caption(1), QStringLiteral(" Timing "));
    QCOMPARE(tab.caption(2), QStringLiteral(" General "));
    // The spaces are measured too.
    const platform::Surface &strip = tab.tabStripSurface();
    QCOMPARE(tab.tabRow().width(0), strip.textSize(QStringLiteral(" Difficulty ")).width() + 15);
    QVERIFY(tab.tabRow().width(0) > strip.textSize(QStringLiteral("Difficulty")).width() + 15);
}

void TestLightTab::captionReadAndReplace()
{
    LightTab tab;
    QSignalSpy changed(&tab, &LightTab::propertyChanged);
    QCOMPARE(tab.caption(1), QStringLiteral("Tab1"));
    const int oldWidth = tab.tabRow().width(1);

    tab.setCaption(1, QStringLiteral("A much longer caption"));
    QCOMPARE(tab.captionString(),
             QStringLiteral("Tab0|A much longer caption|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("Caption"));
    // The row was redrawn with the new text.
    QVERIFY(tab.tabRow().width(1) > oldWidth);
    QCOMPARE(tab.tabRow().left(2), tab.tabRow().left(1) + tab.tabRow().width(1));

    // Through the stored property, the whole string.
    QCOMPARE(tab.property("Caption").toString(), tab.captionString());
}

void TestLightTab::numberOfTabsBelowActiveTabResetsIt()
{
    LightTab tab;
    tab.setActiveTab(3);
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy changed(&tab, &LightTab::propertyChanged);

    tab.setNumberOfTabs(2);
    QCOMPARE(tab.activeTab(), qint16(0));
    QCOMPARE(tab.numberOfTabs(), qint16(2));
    QCOMPARE(tab.tabRow().count(), 2);
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(0) - 1);
    // The reset is a redraw, not a selection: no event, both properties marked.
    QCOMPARE(events.count(), 0);
    QStringList names;
    for (const QList<QVariant> &call : changed)
        names << call.at(0).toString();
    QCOMPARE(names, (QStringList{QStringLiteral("ActiveTab"), QStringLiteral("NumberOfTabs")}));

    // Equal to ActiveTab is not smaller: it stays, but names no drawn tab.
    tab.setActiveTab(2);
    tab.setNumberOfTabs(2);
    QCOMPARE(tab.activeTab(), qint16(2));
    QVERIFY(tab.highlightWidget()->isHidden());
    tab.setNumberOfTabs(3);
    QVERIFY(!tab.highlightWidget()->isHidden());
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(2) - 1);
}

void TestLightTab::outOfRangeValuesAreBounded()
{
    LightTab tab;
    tab.setNumberOfTabs(-5);
    QCOMPARE(tab.numberOfTabs(), qint16(0));
    QCOMPARE(tab.tabRow().count(), 0);
    QVERIFY(tab.highlightWidget()->isHidden());

    tab.setNumberOfTabs(32767);
    QCOMPARE(tab.numberOfTabs(), LightTab::kMaxTabs);
    QCOMPARE(tab.tabRow().count(), int(LightTab::kMaxTabs));

    tab.setActiveTab(-3);
    QCOMPARE(tab.activeTab(), qint16(0));
    tab.setNumberOfTabs(4);
    tab.setActiveTab(9);
    QCOMPARE(tab.activeTab(), qint16(9));
    QVERIFY(tab.highlightWidget()->isHidden());

    // Captions far out of reach are not padded into existence.
    const QString before = tab.captionString();
    tab.setCaption(-1, QStringLiteral("X"));
    tab.setCaption(LightTab::kMaxTabs, QStringLiteral("X"));
    QCOMPARE(tab.captionString(), before);
    tab.setCaption(12, QStringLiteral("X"));
    QCOMPARE(tab.caption(12), QStringLiteral("X"));
    QCOMPARE(tab.caption(10), QString());
}

void TestLightTab::missingCaptionsDrawEmptyTabs()
{
    LightTab tab;
    tab.setCaptionString(QStringLiteral("One|Two|"));
    tab.setNumberOfTabs(4);
    QCOMPARE(tab.tabRow().count(), 4);
    QCOMPARE(tab.tabRow().width(2), 15);
    QCOMPARE(tab.tabRow().width(3), 15);

    tab.setCaptionString(QString());
    QCOMPARE(tab.tabRow().count(), 4);
    QCOMPARE(tab.tabRow().width(0), 15);
    tab.setActiveTab(3);
    QCOMPARE(tab.highlightWidget()->width(), 21);
}

void TestLightTab::activeTabWriteRaisesEvent()
{
    LightTab tab;
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy changed(&tab, &LightTab::propertyChanged);

    tab.setActiveTab(2);
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(2));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("ActiveTab"));
    QCOMPARE(tab.highlightWidget()->geometry(),
             QRect(tab.tabRow().left(2) - 1, 0, tab.tabRow().width(2) + 6, 21));

    // Writing the same value raises it again; redraws never do.
    tab.setActiveTab(2);
    QCOMPARE(events.count(), 2);
    tab.setCaption(0, QStringLiteral("Zero"));
    tab.setNumberOfTabs(5);
    tab.resize(400, 200);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QCOMPARE(events.count(), 2);

    // The event is the first signal the class declares.
    const QMetaObject *meta = tab.metaObject();
    const QMetaMethod first = meta->method(meta->methodOffset());
    QCOMPARE(first.name(), QByteArray("AfterTabChange"));
}

void TestLightTab::boundaryClickBelongsToTabBefore()
{
    LightTab tab;
    tab.setActiveTab(2);
    QSignalSpy events(&tab, &LightTab::AfterTabChange);

    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {},
                      stripPoint(tab, tab.tabRow().left(1)));
    QCOMPARE(tab.activeTab(), qint16(0));
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(0));

    // A click on the tab that is already active does nothing.
    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(tab, 10));
    QCOMPARE(events.count(), 1);
}

void TestLightTab::clickRightOfBoundaryActivatesNextTab_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestLightTab::clickRightOfBoundaryActivatesNextTab()
{
    QFETCH(Qt::MouseButton, button);
    LightTab tab;
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy changed(&tab, &LightTab::propertyChanged);

    QTest::mouseClick(tab.tabStripWidget(), button, {}, stripPoint(tab, tab.tabRow().left(1) + 1));
    QCOMPARE(tab.activeTab(), qint16(1));
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(1) - 1);
}

void TestLightTab::clicksOutsideTheRowDoNothing()
{
    LightTab tab;
    tab.setActiveTab(1);
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    const int end = tab.tabRow().end();

    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(tab, 2));
    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(tab, 0));
    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(tab, end + 1));
    QCOMPARE(events.count(), 0);
    QCOMPARE(tab.activeTab(), qint16(1));

    // The row's last pixel still belongs to the last tab.
    QTest::mouseClick(tab.tabStripWidget(), Qt::LeftButton, {}, stripPoint(tab, end));
    QCOMPARE(tab.activeTab(), qint16(3));
}

void TestLightTab::clickOnRaisedBoxPassesToRow()
{
    // Clicks reach the row through the raised box: with tab 0 raised, its box
    // covers the first pixels of tab 1, which stay clickable.
    LightTab tab;
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    const QPoint onBox(LightTab::kStripLeft + tab.tabRow().left(1) + 1, 8);
    QVERIFY(tab.highlightWidget()->geometry().contains(onBox));
    QCOMPARE(tab.childAt(onBox), tab.tabStripWidget());

    QTest::mouseClick(tab.windowHandle(), Qt::LeftButton, {}, onBox);
    QCOMPARE(events.count(), 1);
    QCOMPARE(tab.activeTab(), qint16(1));
}

void TestLightTab::writeLeavesDefaultsOut()
{
    LightTab tab;
    platform::PropertyBag bag;
    tab.UserControl_WriteProperties(bag);
    QVERIFY(bag.isEmpty());

    tab.setNumberOfTabs(3);
    tab.UserControl_WriteProperties(bag);
    QCOMPARE(bag.count(), 1);
    QCOMPARE(bag.entries().at(0).name, QStringLiteral("numberoftabs"));
    QCOMPARE(bag.entries().at(0).value.type(), platform::PropertyValue::Type::Int16);
}

void TestLightTab::roundTripWithLowerCaseNames()
{
    LightTab source;
    source.setCaptionString(kSettingsCaption);
    source.setNumberOfTabs(3);
    source.setActiveTab(2);
    platform::PropertyBag bag;
    source.UserControl_WriteProperties(bag);

    QStringList names;
    for (const platform::PropertyBag::Entry &entry : bag.entries())
        names << entry.name;
    QCOMPARE(names, (QStringList{QStringLiteral("caption"), QStringLiteral("numberoftabs"),
                                 QStringLiteral("activetab")}));

    const auto reread = platform::PropertyBag::fromJson(bag.toJson());
    QVERIFY2(reread.isOk(), qPrintable(reread.error()));
    LightTab target;
    QSignalSpy events(&target, &LightTab::AfterTabChange);
    QVERIFY(!target.UserControl_ReadProperties(reread.value()));
    QCOMPARE(target.captionString(), kSettingsCaption);
    QCOMPARE(target.numberOfTabs(), qint16(3));
    QCOMPARE(target.activeTab(), qint16(2));
    QCOMPARE(target.tabRow().count(), 3);
    QCOMPARE(target.highlightWidget()->x(), target.tabRow().left(2) - 1);
    QCOMPARE(events.count(), 0);
}

void TestLightTab::readMatchesNamesWithoutCase()
{
    platform::PropertyBag bag;
    bag.writeInt16(QStringLiteral("NumberOfTabs"), 2, 4);
    bag.writeText(QStringLiteral("CAPTION"), QStringLiteral("A|B|"), QString());
    LightTab tab;
    QVERIFY(!tab.UserControl_ReadProperties(bag));
    QCOMPARE(tab.numberOfTabs(), qint16(2));
    QCOMPARE(tab.caption(1), QStringLiteral("B"));
    QCOMPARE(tab.activeTab(), qint16(0));
}

void TestLightTab::faultyStoredValueIsRefused()
{
    platform::PropertyBag bag;
    bag.writeText(QStringLiteral("caption"), QStringLiteral("A|B|"), QString());
    bag.writeText(QStringLiteral("numberoftabs"), QStringLiteral("two"), QString());
    LightTab tab;
    const auto error = tab.UserControl_ReadProperties(bag);
    QVERIFY(error.has_value());
    QVERIFY2(error->message.contains(QStringLiteral("numberoftabs"), Qt::CaseInsensitive),
             qPrintable(error->message));
    // Nothing of the faulty load was taken.
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
    QCOMPARE(tab.numberOfTabs(), qint16(4));
}

void TestLightTab::initPropertiesRestoresDefaults()
{
    LightTab tab;
    tab.setCaptionString(QStringLiteral("X|"));
    tab.setNumberOfTabs(1);
    tab.UserControl_InitProperties();
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
    QCOMPARE(tab.numberOfTabs(), qint16(4));
    QCOMPARE(tab.tabRow().count(), 4);
}

void TestLightTab::ambientFontMeasuresCaptions()
{
    LightTab tab;
    const int before = tab.tabRow().width(0);
    platform::Ambient ambient;
    QFont big = tab.ambient().resolvedFont();
    big.setPixelSize(40);
    ambient.font = big;
    tab.setAmbient(ambient);
    QCOMPARE(tab.ambient().font, std::optional<QFont>(big));
    QVERIFY(tab.tabRow().width(0) > before);
    QCOMPARE(tab.tabStripSurface().font(), big);
}

QTEST_MAIN(TestLightTab)
#include "tst_lighttab.moc"
