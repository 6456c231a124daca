#include "controls/tabstrip/lighttab.h"
#include "controls/tabstrip/lighttabdialog.h"
#include "controls/tabstrip/propertypage1.h"

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
    void pageHasItsControls();
    void selectionFillsBoxesAndMarksChanged();
    void sliderShowsCaption();
    void sliderPastTheCaptionsIsRefused();
    void applyWritesBackUnchangedValues();
    void applyWritesNumbers();
    void badNumbersAreRefused_data();
    void badNumbersAreRefused();
    void editsFirstSelectedControlOnly();
    void survivesDeletedControl();
    void dialogAppliesOnOkAndApply();
    void dialogCancelDropsEdits();
    void dialogStaysOpenOnRefusal();
};

void TestPropertyPage1::pageHasItsControls()
{
    PropertyPage1 page;
    QCOMPARE(page.windowTitle(), QStringLiteral("PropertyPage1"));
    QCOMPARE(page.lblIndex->text(), QStringLiteral("Index"));
    QCOMPARE(page.lblActiveTab->text(), QStringLiteral("ActiveTab:"));
    QCOMPARE(page.lblNumberOfTabs->text(), QStringLiteral("Tabs:"));
    QCOMPARE(page.lblCaption->text(), QStringLiteral("Caption:"));
    QCOMPARE(page.txtIndex->text(), QStringLiteral("0"));
    QVERIFY(page.txtIndex->isReadOnly());
    QCOMPARE(page.HScroll1->minimum(), 0);
    QCOMPARE(page.HScroll1->maximum(), 9);
    QCOMPARE(page.HScroll1->orientation(), Qt::Horizontal);
    QVERIFY(page.findChild<QLineEdit *>(QStringLiteral("txtCaption")) == page.txtCaption);
    QVERIFY(!page.isChanged());
}

void TestPropertyPage1::selectionFillsBoxesAndMarksChanged()
{
    LightTab tab;
    tab.setNumberOfTabs(3);
    tab.setActiveTab(1);
    PropertyPage1 page;
    QSignalSpy changed(&page, &PropertyPage1::changed);

    page.setSelectedControls({&tab});
    QCOMPARE(page.txtActiveTab->text(), QStringLiteral("1"));
    QCOMPARE(page.txtNumberOfTabs->text(), QStringLiteral("3"));
    QCOMPARE(page.txtCaption->text(), QStringLiteral("Tab0"));
    QVERIFY(page.isChanged());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toBool(), true);
    QCOMPARE(page.selectedControls(), QList<LightTab *>{&tab});
}

void TestPropertyPage1::sliderShowsCaption()
{
    LightTab tab;
    PropertyPage1 page;
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
    tab.setNumberOfTabs(3);
    PropertyPage1 page;
    page.setSelectedControls({&tab});

    page.HScroll1->setValue(5);
    QCOMPARE(page.txtIndex->text(), QStringLiteral("5"));
    QCOMPARE(page.txtCaption->text(), QString());
    QVERIFY(!page.txtCaption->isEnabled());
    QVERIFY(page.applyChanges());
    QCOMPARE(tab.captionString(), QStringLiteral("A|B|C|"));

    // Back on a caption the box takes text again.
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
    QVERIFY(page.refusal().isEmpty());
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

void TestPropertyPage1::applyWritesNumbers()
{
    LightTab tab;
    tab.setNumberOfTabs(3);
    PropertyPage1 page;
    page.setSelectedControls({&tab});
    // Growing the row and raising a tab of the new part in one apply.
    page.txtNumberOfTabs->setText(QStringLiteral("6"));
    page.txtActiveTab->setText(QStringLiteral("5"));
    QVERIFY(page.applyChanges());
    QCOMPARE(tab.numberOfTabs(), qint16(6));
    QCOMPARE(tab.activeTab(), qint16(5));
    QCOMPARE(tab.tabRow().count(), 6);
    QVERIFY(!tab.highlightWidget()->isHidden());
    QCOMPARE(tab.highlightWidget()->x(), tab.tabRow().left(5) - 1);
}

void TestPropertyPage1::badNumbersAreRefused_data()
{
    QTest::addColumn<QString>("activeTab");
    QTest::addColumn<QString>("numberOfTabs");

    QTest::newRow("letters in ActiveTab") << "two"
                                          << "4";
    QTest::newRow("letters in Tabs") << "1"
                                     << "4x";
    QTest::newRow("empty Tabs") << "1"
                                << "";
    QTest::newRow("beyond 16 bits") << "70000"
                                    << "4";
    QTest::newRow("fraction") << "1"
                              << "2.5";
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

    QSignalSpy events(&tab, &LightTab::AfterTabChange);
    QSignalSpy properties(&tab, &LightTab::propertyChanged);
    QVERIFY(!page.applyChanges());
    QVERIFY(!page.refusal().isEmpty());
    QVERIFY(page.isChanged());
    QCOMPARE(events.count(), 0);
    QCOMPARE(properties.count(), 0);
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
}

void TestPropertyPage1::editsFirstSelectedControlOnly()
{
    LightTab first;
    LightTab second;
    second.setCaptionString(QStringLiteral("X|Y|Z|"));
    PropertyPage1 page;
    page.setSelectedControls({&first, &second});
    QCOMPARE(page.txtCaption->text(), QStringLiteral("Tab0"));
    page.txtCaption->setText(QStringLiteral("First"));
    page.txtNumberOfTabs->setText(QStringLiteral("2"));
    QVERIFY(page.applyChanges());
    QCOMPARE(first.caption(0), QStringLiteral("First"));
    QCOMPARE(first.numberOfTabs(), qint16(2));
    QCOMPARE(second.captionString(), QStringLiteral("X|Y|Z|"));
    QCOMPARE(second.numberOfTabs(), qint16(4));
}

void TestPropertyPage1::survivesDeletedControl()
{
    PropertyPage1 page;
    auto tab = std::make_unique<LightTab>();
    page.setSelectedControls({tab.get()});
    tab.reset();
    QVERIFY(page.selectedControls().isEmpty());
    QVERIFY(!page.applyChanges());
    QVERIFY(!page.refusal().isEmpty());
    page.HScroll1->setValue(3);
    QVERIFY(!page.txtCaption->isEnabled());
}

void TestPropertyPage1::dialogAppliesOnOkAndApply()
{
    LightTab tab;
    LightTabDialog dialog(&tab);
    QPushButton *apply = dialog.buttons()->button(QDialogButtonBox::Apply);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("PropertyPage1"));
    QVERIFY(!apply->isEnabled());

    dialog.page()->txtCaption->setText(QStringLiteral("Zero"));
    QVERIFY(apply->isEnabled());
    apply->click();
    QCOMPARE(tab.caption(0), QStringLiteral("Zero"));
    QVERIFY(!apply->isEnabled());
    QVERIFY(!dialog.page()->isChanged());

    dialog.page()->txtNumberOfTabs->setText(QStringLiteral("3"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(tab.numberOfTabs(), qint16(3));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestPropertyPage1::dialogCancelDropsEdits()
{
    LightTab tab;
    LightTabDialog dialog(&tab);
    dialog.page()->txtCaption->setText(QStringLiteral("Zero"));
    dialog.buttons()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(tab.captionString(), LightTab::defaultCaption());
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
    QVERIFY(refusal);
    QVERIFY(refusal->isVisible());
    QVERIFY(refusal->text().contains(QStringLiteral("abc")));

    dialog.page()->txtActiveTab->setText(QStringLiteral("1"));
    dialog.buttons()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(tab.activeTab(), qint16(1));
}

QTEST_MAIN(TestPropertyPage1)
#include "tst_propertypage1.moc"
