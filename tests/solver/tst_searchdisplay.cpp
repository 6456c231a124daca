// The search's progress label as assistive technologies read it: a new text
// at most once a frame during a search, and the label's own text again once
// the search is over. (The offscreen platform delivers no accessibility
// events; the run on the real bus counts those.)

#include "searchdisplay.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QTest>

class TestSearchDisplay : public QObject
{
    Q_OBJECT

private slots:
    void progressReadOnceAFrame();
};

void TestSearchDisplay::progressReadOnceAFrame()
{
    QListWidget list;
    QLabel label(QStringLiteral("Searching... 0"));
    const auto heard = [&] {
        return QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name);
    };
    {
        SearchDisplay display(&list, &label);
        for (int count = 1; count <= 3000; ++count)
            display.showProgress(count);
        // The label holds every count; what is read out waits for the frame.
        // A name of its own also keeps QLabel::setText from telling of each.
        QCOMPARE(label.text(), QStringLiteral("Searching... 3000"));
        QCOMPARE(heard(), QStringLiteral("Searching... 0"));
        QVERIFY(!label.accessibleName().isEmpty());

        QTest::qWait(20); // a frame later
        display.beforeYield();
        QCOMPARE(heard(), QStringLiteral("Searching... 3000"));
        display.showProgress(3001);
        display.beforeYield(); // within the same frame: nothing new
        QCOMPARE(heard(), QStringLiteral("Searching... 3000"));
    }
    QVERIFY(label.accessibleName().isEmpty());
    QCOMPARE(heard(), QStringLiteral("Searching... 3001"));
    label.setText(QStringLiteral("Searched 3001 combinations"));
    QCOMPARE(heard(), QStringLiteral("Searched 3001 combinations"));
}

QTEST_MAIN(TestSearchDisplay)
#include "tst_searchdisplay.moc"
