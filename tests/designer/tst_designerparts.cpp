#include "buttonex.h"
#include "controlcatalog.h"
#include "controlinterface.h"
#include "lighttab.h"
#include "lighttabdialog.h"
#include "propertypage1.h"
#include "recordingwriter.h"
#include "tabpagelink.h"
#include "velcprog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
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

namespace {

// The tab strip's page as the task menu opens it on a form's strip.
struct DesignerPage
{
    DesignerPage(LightTab *strip, PropertyWriter *writer)
        : link(strip, writer)
        , dialog(link.copy())
    {
        dialog.setHandover([this] { return link.handOver(); });
    }

    PropertyPage1 *page() const { return dialog.page(); }
    void click(QDialogButtonBox::StandardButton button)
    {
        dialog.buttons()->button(button)->click();
    }

    TabPageLink link;
    LightTabDialog dialog;
};

} // namespace

void TestDesignerParts::linkAppliesThroughWriterOnly()
{
    LightTab tabStrip;
    tabStrip.setObjectName(QStringLiteral("LightTab1"));
    RecordingWriter writer;
    DesignerPage opened(&tabStrip, &writer);
    // The page edits a copy, never the strip on the form.
    QVERIFY(!opened.page()->selectedControls().contains(&tabStrip));
    QVERIFY(!opened.page()->isChanged());
    opened.page()->HScroll1->setValue(2);
    opened.page()->txtCaption->setText(QStringLiteral("General"));
    opened.click(QDialogButtonBox::Apply);
    QCOMPARE(writer.calls,
             (QStringList{"begin Edit tabs of 'LightTab1'", "ActiveTab=0", "NumberOfTabs=4",
                          "Caption=Tab0|Tab1|General|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|", "end"}));
    QVERIFY(!opened.page()->isChanged());
    QCOMPARE(tabStrip.caption(2), QStringLiteral("Tab2"));

    // The next opening starts from the strip as the writer left it.
    RecordingWriter passing(RecordingWriter::Passing::On);
    DesignerPage again(&tabStrip, &passing);
    QCOMPARE(again.page()->txtNumberOfTabs->text(), QStringLiteral("4"));
    again.page()->txtNumberOfTabs->setText(QStringLiteral("5"));
    again.click(QDialogButtonBox::Ok);
    QCOMPARE(again.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(tabStrip.numberOfTabs(), 5);
}

void TestDesignerParts::linkWritesStripRulesResult()
{
    // Fewer tabs than the active one: the strip's own rule resets ActiveTab,
    // and the reset value is what the form records.
    LightTab tabStrip;
    tabStrip.setActiveTab(3);
    RecordingWriter writer(RecordingWriter::Passing::On);
    DesignerPage opened(&tabStrip, &writer);
    opened.page()->txtNumberOfTabs->setText(QStringLiteral("2"));
    opened.click(QDialogButtonBox::Apply);
    QCOMPARE(writer.calls.at(1), QStringLiteral("ActiveTab=0"));
    QCOMPARE(tabStrip.activeTab(), 0);
    QCOMPARE(tabStrip.numberOfTabs(), 2);
}

void TestDesignerParts::linkRefusesWithoutWriting()
{
    auto tabStrip = std::make_unique<LightTab>();
    RecordingWriter writer;
    DesignerPage opened(tabStrip.get(), &writer);
    auto *refusal = opened.dialog.findChild<QLabel *>(QStringLiteral("refusal"));
    QVERIFY(refusal);
    // The page's own refusal: nothing reaches the writer.
    opened.page()->txtActiveTab->setText(QStringLiteral("1x"));
    opened.click(QDialogButtonBox::Apply);
    QVERIFY(refusal->text().contains(QStringLiteral("1x")));
    QVERIFY(opened.page()->isChanged());

    // The strip left the form while the page was open: the hand-over refuses,
    // and the edits stay unapplied.
    opened.page()->txtActiveTab->setText(QStringLiteral("1"));
    tabStrip.reset();
    opened.click(QDialogButtonBox::Apply);
    QCOMPARE(refusal->text(), opened.link.handOver());
    QVERIFY(!refusal->text().isEmpty());
    QVERIFY(opened.page()->isChanged());
    QVERIFY(writer.calls.isEmpty());
}

QTEST_MAIN(TestDesignerParts)
#include "tst_designerparts.moc"
