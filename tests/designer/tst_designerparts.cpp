#include "controls/button/buttonex.h"
#include "controls/dial/velcprog.h"
#include "controls/tabstrip/lighttab.h"
#include "controls/tabstrip/propertypage1.h"
#include "designer/controlcatalog.h"
#include "designer/controlinterface.h"
#include "designer/tabpagelink.h"
#include "recordingwriter.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <memory>

// The plugin's parts on their own, where the controls' insides can be seen:
// the design mode of the controls it makes, and the link between the tab
// strip's page and a form.
class TestDesignerParts : public QObject
{
    Q_OBJECT

private slots:
    void controlsMadeForDesignerAreInDesignMode();
    void linkAppliesThroughWriterOnly();
    void linkWritesStripRulesResult();
    void linkRefusesWithoutWriting();
};

void TestDesignerParts::controlsMadeForDesignerAreInDesignMode()
{
    int initialised = 0;
    ControlInterface buttons(controlcatalog::button(),
                             [&](QDesignerFormEditorInterface *) { ++initialised; });
    // Before Designer initialises it (as under QUiLoader): user mode.
    std::unique_ptr<QWidget> running(buttons.createWidget(nullptr));
    buttons.initialize(nullptr);
    buttons.initialize(nullptr);
    QCOMPARE(initialised, 1);
    std::unique_ptr<QWidget> designed(buttons.createWidget(nullptr));

    auto *runningButton = static_cast<ButtonEx *>(running.get());
    auto *designedButton = static_cast<ButtonEx *>(designed.get());
    QVERIFY(runningButton->ambient().userMode);
    QVERIFY(!designedButton->ambient().userMode);
    // Design mode has no hover tracking.
    for (ButtonEx *button : {runningButton, designedButton}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &move);
    }
    QVERIFY(runningButton->isHoverPollRunning());
    QVERIFY(!designedButton->isHoverPollRunning());

    for (const ControlDescription &d : {controlcatalog::dial(), controlcatalog::tabStrip()}) {
        ControlInterface controls(d);
        controls.initialize(nullptr);
        std::unique_ptr<QWidget> control(controls.createWidget(nullptr));
        const platform::Ambient ambient = d.name == QLatin1String("VelCProg")
                                              ? static_cast<VelCProg *>(control.get())->ambient()
                                              : static_cast<LightTab *>(control.get())->ambient();
        QVERIFY2(!ambient.userMode, qPrintable(d.name));
    }
}

void TestDesignerParts::linkAppliesThroughWriterOnly()
{
    LightTab tabStrip;
    tabStrip.setObjectName(QStringLiteral("LightTab1"));
    PropertyPage1 page;
    RecordingWriter writer;
    TabPageLink link(&page, &tabStrip, &writer);
    link.refresh();
    // The page edits a copy, never the strip on the form.
    QVERIFY(!page.selectedControls().contains(&tabStrip));
    QVERIFY(!page.isChanged());
    page.HScroll1->setValue(2);
    page.txtCaption->setText(QStringLiteral("General"));
    QVERIFY(link.apply());
    QCOMPARE(writer.calls,
             (QStringList{"begin Edit tabs of 'LightTab1'", "ActiveTab=0", "NumberOfTabs=4",
                          "Caption=Tab0|Tab1|General|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|", "end"}));
    QVERIFY(!page.isChanged());
    QCOMPARE(tabStrip.caption(2), QStringLiteral("Tab2"));

    // The next opening starts from the strip as the writer left it.
    RecordingWriter passing(RecordingWriter::Passing::On);
    TabPageLink again(&page, &tabStrip, &passing);
    again.refresh();
    page.txtNumberOfTabs->setText(QStringLiteral("5"));
    QVERIFY(again.apply());
    QCOMPARE(tabStrip.numberOfTabs(), 5);
}

void TestDesignerParts::linkWritesStripRulesResult()
{
    // Fewer tabs than the active one: the strip's own rule resets ActiveTab,
    // and the reset value is what the form records.
    LightTab tabStrip;
    tabStrip.setActiveTab(3);
    PropertyPage1 page;
    RecordingWriter writer(RecordingWriter::Passing::On);
    TabPageLink link(&page, &tabStrip, &writer);
    link.refresh();
    page.txtNumberOfTabs->setText(QStringLiteral("2"));
    QVERIFY(link.apply());
    QCOMPARE(writer.calls.at(1), QStringLiteral("ActiveTab=0"));
    QCOMPARE(tabStrip.activeTab(), 0);
    QCOMPARE(tabStrip.numberOfTabs(), 2);
}

void TestDesignerParts::linkRefusesWithoutWriting()
{
    auto tabStrip = std::make_unique<LightTab>();
    PropertyPage1 page;
    RecordingWriter writer;
    TabPageLink link(&page, tabStrip.get(), &writer);
    link.refresh();
    page.txtActiveTab->setText(QStringLiteral("1x"));
    QVERIFY(!link.apply());
    QVERIFY(!link.refusal().isEmpty());
    QVERIFY(page.isChanged());

    page.txtActiveTab->setText(QStringLiteral("1"));
    tabStrip.reset();
    QVERIFY(!link.apply());
    QVERIFY(!link.refusal().isEmpty());
    QVERIFY(writer.calls.isEmpty());
}

QTEST_MAIN(TestDesignerParts)
#include "tst_designerparts.moc"
