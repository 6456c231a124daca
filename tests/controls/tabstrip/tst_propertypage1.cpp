#include "lighttab.h"
#include "lighttabdialog.h"
#include "propertypage1.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The tab strip's property page and the dialog that hosts it.
class TestPropertyPage1 : public QObject
{
    Q_OBJECT

private slots:
    void selectionFillsBoxesAndMarksChanged();
    void sliderShowsCaption();
    void sliderPastTheCaptionsIsRefused();
    void applyWritesBackUnchangedValues();
    void applyGrowsRowAndRaisesNewTab();
    void badNumbersAreRefused_data();
    void badNumbersAreRefused();
    void survivesDeletedControl();
    void dialogApplyOkAndCancel();
    void dialogStaysOpenOnRefusal();
    void dialogHandoverFollowsThePageAndMayRefuse();
};

void TestPropertyPage1::selectionFillsBoxesAndMarksChanged()
{
    LightTab first;
    first.setNumberOfTabs(3);
    first.setActiveTab(1);
    LightTab second;
    second.setCaptionString(QStringLiteral("X|Y|Z|"));
    PropertyPage1 page;
    QSignalSpy changed(&page, &PropertyPage1::changed);

    page.setSelectedControls({&first, &second});
    QCOMPARE(page.txtActiveTab->text(), QStringLiteral("1"));
    QCOMPARE(page.txtNumberOfTabs->text(), QStringLiteral("3"));
    QCOMPARE(page.txtCaption->text(), QStringLiteral("Tab0"));
    QVERIFY(page.isChanged());
    QCOMPARE(changed.count(), 1);

    // Only the first selected control is edited.
    page.txtCaption->setText(QStringLiteral("First"));
    QVERIFY(page.applyChanges());
    QCOMPARE(first.caption(0), QStringLiteral("First"));
    QCOMPARE(second.captionString(), QStringLiteral("X|Y|Z|"));
}

void TestPropertyPage1::sliderShowsCaption()
{
    LightTab tab;
    PropertyPage1 page;
    QCOMPARE(page.HScroll1->maximum(), 9);
    page.setSelectedControls({&tab});
    page.setChanged(false);

    page.HScroll1->setValue(2);
    QCOMPARE(page.txtIndex->text(), QStringLiteral("2"));
    QCOMPARE(page.txtCaption->text(), QStringLiteral("Tab2"));
    QVERIFY(page.isChanged());
    page.HScroll1->setValue(9);
    QCOMPARE(page.txtCaption->text(), QStringLiteral("Tab9"));
}

void TestPropertyPage1::sliderPastTheCaptionsIsRefused()
{
    LightTab tab;
    tab.setCaptionString(QStringLiteral("A|B|C|"));
    PropertyPage1 page;
    page.setSelectedControls({&tab});

    page.HScroll1->setValue(3);
    QCOMPARE(page.txtIndex->text(), QStringLiteral("3"));
    QCOMPARE(page.txtCaption->text(), QString());
    QVERIFY(!page.txtCaption->isEnabled());
    QVERIFY(page.applyChanges());
    QCOMPARE(tab.captionString(), QStringLiteral("A|B|C|"));

    page.HScroll1->setValue(2);
    QVERIFY(page.txtCaption->isEnabled());
    QCOMPARE(page.txtCaption->text(), QStringLiteral("C"));
}

void TestPropertyPage1::applyWritesBackUnchangedValues()
{
    LightTab tab;
    tab.setActiveTab(2);
    PropertyPage1 page;
    page.setSelectedControls({&tab});
    page.HScroll1->setValue(1);
    page.txtCaption->setText(QStringLiteral(" Timing "));

    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy properties(&tab, &LightTab::propertyChanged);
    QVERIFY(page.applyChanges());
    QVERIFY(!page.isChanged());
    QCOMPARE(tab.captionString(),
             QStringLiteral("Tab0| Timing |Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(tab.numberOfTabs(), qint16(4));
    QCOMPARE(tab.activeTab(), qint16(2));
    // All three went through the control's own writes, in the page's order.
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).value<qint16>(), qint16(2));
    QStringList names;
    for (const QList<QVariant> &call : properties)
        names << call.at(0).toString();
    QCOMPARE(names, (QStringList{QStringLiteral("ActiveTab"), QStringLiteral("NumberOfTabs"),
                                 QStringLiteral("Caption")}));
}

void TestPropertyPage1::applyGrowsRowAndRaisesNewTab()
{
    // ActiveTab is written before NumberOfTabs, so a tab of the new part of
    // the row must survive that order.
    LightTab tab;
    tab.setNumberOfTabs(3);
    PropertyPage1 page;
    page.setSelectedControls({&tab});
    page.txtNumberOfTabs->setText(QStringLiteral("6"));
    page.txtActiveTab->setText(QStringLiteral("5"));
    QVERIFY(page.applyChanges());
    QCOMPARE(tab.numberOfTabs(), qint16(6));
    QCOMPARE(tab.activeTab(), qint16(5));
    QVERIFY(!tab.highlightWidget()->isHidden());
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(5) - 1);
}

void TestPropertyPage1::badNumbersAreRefused_data()
{
    QTest::addColumn<QString>("activeTab");
    QTest::addColumn<QString>("numberOfTabs");

    QTest::newRow("letters in ActiveTab") << QString("two") << QString("4");
    QTest::newRow("letters in Tabs") << QString("1") << QString("4x");
    QTest::newRow("empty Tabs") << QString("1") << QString("");
    QTest::newRow("beyond 16 bits") << QString("70000") << QString("4");
    QTest::newRow("fraction") << QString("1") << QString("2.5");
}

void TestPropertyPage1::badNumbersAreRefused()
{
    QFETCH(QString, activeTab);
    QFETCH(QString, numberOfTabs);

    LightTab tab;
    PropertyPage1 page;
    page.setSelectedControls({&tab});
    page.txtCaption->setText(QStringLiteral("Changed"));
    page.txtActiveTab->setText(activeTab);
    page.txtNumberOfTabs->setText(numberOfTabs);

    QSignalSpy properties(&tab, &LightTab::propertyChanged);
    QVERIFY(!page.applyChanges());
    QVERIFY(!page.refusal().isEmpty());
    QVERIFY(page.isChanged());
    QCOMPARE(properties.count(), 0);
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
}

void TestPropertyPage1::survivesDeletedControl()
{
    PropertyPage1 page;
    auto tab = std::make_unique<LightTab>();
    page.setSelectedControls({tab.get()});
    tab.reset();
    QVERIFY(page.selectedControls().isEmpty());
    QVERIFY(!page.applyChanges());
    page.HScroll1->setValue(3);
    QVERIFY(!page.txtCaption->isEnabled());
}

void TestPropertyPage1::dialogApplyOkAndCancel()
{
    LightTab tab;
    LightTabDialog dialog(&tab);
    QPushButton *apply = dialog.buttons()->button(QDialogButtonBox::Apply);
    QVERIFY(!apply->isEnabled());

    dialog.page()->txtCaption->setText(QStringLiteral("Zero"));
    QVERIFY(apply->isEnabled());
    apply->click();
    QCOMPARE(tab.caption(0), QStringLiteral("Zero"));
    QVERIFY(!apply->isEnabled());

    dialog.page()->txtNumberOfTabs->setText(QStringLiteral("3"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(tab.numberOfTabs(), qint16(3));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    LightTabDialog cancelled(&tab);
    cancelled.page()->txtCaption->setText(QStringLiteral("Dropped"));
    cancelled.buttons()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QCOMPARE(tab.caption(0), QStringLiteral("Zero"));
}

void TestPropertyPage1::dialogStaysOpenOnRefusal()
{
    LightTab tab;
    LightTabDialog dialog(&tab);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.page()->txtActiveTab->setText(QStringLiteral("abc"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(dialog.isVisible());
    auto *refusal = dialog.findChild<QLabel *>(QStringLiteral("refusal"));
    QVERIFY(refusal && refusal->isVisible());
    QVERIFY(refusal->text().contains(QStringLiteral("abc")));

    dialog.page()->txtActiveTab->setText(QStringLiteral("1"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(tab.activeTab(), qint16(1));
}

void TestPropertyPage1::dialogHandoverFollowsThePageAndMayRefuse()
{
    LightTab tab;
    LightTabDialog dialog(&tab);
    QStringList handedOver;
    QString refusal = QStringLiteral("Not now.");
    dialog.setHandover([&] {
        // Called once the page has written to the strip it edits.
        handedOver << tab.caption(0);
        return refusal;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *shown = dialog.findChild<QLabel *>(QStringLiteral("refusal"));
    QPushButton *apply = dialog.buttons()->button(QDialogButtonBox::Apply);

    // A refusal of the page itself never reaches the hand-over.
    dialog.page()->txtActiveTab->setText(QStringLiteral("x"));
    apply->click();
    QVERIFY(handedOver.isEmpty());

    dialog.page()->txtActiveTab->setText(QStringLiteral("0"));
    dialog.page()->txtCaption->setText(QStringLiteral("First"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(handedOver, QStringList{QStringLiteral("First")});
    // Refused: open, explained, and still to apply.
    QVERIFY(dialog.isVisible());
    QCOMPARE(shown->text(), refusal);
    QVERIFY(shown->isVisible());
    QVERIFY(apply->isEnabled());

    refusal.clear();
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(handedOver.size(), 2);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestPropertyPage1)
#include "tst_propertypage1.moc"
