#include "controls/tabstrip/lighttab.h"
#include "controls/tabstrip/tabdrawing.h"
#include "platform/surface.h"

#include <QTest>

// Pixels of the page border, the tab outlines and the raised box, read from
// the control's surfaces at the points the drawing rules fix.
class TestTabStripDrawing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageBorderHasTwoRings();
    void raisedBoxOverFirstTab();
    void raisedBoxOverLaterTab();
    void rowOutlinesCutTheirCorners();
    void captionsArePrinted();
    void workspaceColourFollowsPalette();

private:
    QPalette m_palette;
};

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLightGrey = 0xFFE0E0E0;
constexpr QRgb kBlack = 0xFF000000;
// Fixed, distinct stand-ins for the button face and the workspace colour.
const QColor kFace(200, 190, 180);
const QColor kWorkspace(64, 80, 96);

QRgb at(const platform::Surface &surface, int x, int y)
{
    return surface.rgb(x, y) | 0xFF000000;
}

// Whether anything but the face colour was drawn in the area (text is
// antialiased, so not every pixel of a glyph is black).
bool hasInk(const platform::Surface &surface, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (at(surface, x, y) != kFace.rgb())
                return true;
        }
    }
    return false;
}

} // namespace

void TestTabStripDrawing::initTestCase()
{
    m_palette.setColor(QPalette::Button, kFace);
    m_palette.setColor(QPalette::Mid, kWorkspace);
}

void TestTabStripDrawing::pageBorderHasTwoRings()
{
    LightTab tab;
    tab.setPalette(m_palette);
    tab.resize(200, 100);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    const platform::Surface &s = tab.surface();
    QCOMPARE(s.size(), QSize(200, 100));
    const QRgb face = kFace.rgb();
    const QRgb workspace = kWorkspace.rgb();

    // Outer ring: white left and top (row 19), black right and bottom.
    QCOMPARE(at(s, 1, 60), kWhite);
    QCOMPARE(at(s, 1, 99), kWhite); // the ring starts here
    QCOMPARE(at(s, 1, 19), kWhite);
    QCOMPARE(at(s, 100, 19), kWhite);
    QCOMPARE(at(s, 198, 19), kWhite);
    QCOMPARE(at(s, 199, 19), kBlack); // the down stroke starts on the corner
    QCOMPARE(at(s, 199, 60), kBlack);
    QCOMPARE(at(s, 100, 99), kBlack);
    QCOMPARE(at(s, 2, 99), kBlack);

    // Inner ring: light grey left and top (row 20), workspace right and bottom.
    QCOMPARE(at(s, 2, 60), kLightGrey);
    QCOMPARE(at(s, 2, 98), kLightGrey);
    QCOMPARE(at(s, 100, 20), kLightGrey);
    QCOMPARE(at(s, 198, 20), workspace);
    QCOMPARE(at(s, 198, 60), workspace);
    QCOMPARE(at(s, 100, 98), workspace);
    QCOMPARE(at(s, 3, 98), workspace);

    // Column 0, the page inside and the space above the border are face.
    QCOMPARE(at(s, 0, 60), face);
    QCOMPARE(at(s, 100, 60), face);
    QCOMPARE(at(s, 3, 21), face);
    QCOMPARE(at(s, 100, 18), face);
    QCOMPARE(at(s, 1, 18), face);

    // A resize draws it again at the new size.
    tab.resize(150, 80);
    QCOMPARE(at(tab.surface(), 149, 50), kBlack);
    QCOMPARE(at(tab.surface(), 148, 50), workspace);
    QCOMPARE(at(tab.surface(), 60, 79), kBlack);
}

void TestTabStripDrawing::raisedBoxOverFirstTab()
{
    LightTab tab;
    tab.setPalette(m_palette);
    const platform::Surface &box = tab.highlightSurface();
    const int r = tab.tabRow().width(0) + 6;
    QCOMPARE(box.size(), QSize(r, 21));
    const QRgb face = kFace.rgb();
    const QRgb workspace = kWorkspace.rgb();

    // With the first tab active, the left edges run to the bottom row.
    QCOMPARE(at(box, 0, 20), kWhite);
    QCOMPARE(at(box, 0, 10), kWhite);
    QCOMPARE(at(box, 0, 2), kWhite);
    QCOMPARE(at(box, 1, 1), kWhite); // the cut corner's diagonal
    QCOMPARE(at(box, 2, 0), kWhite);
    QCOMPARE(at(box, r - 3, 0), kWhite);
    QCOMPARE(at(box, 1, 20), kLightGrey);
    QCOMPARE(at(box, 1, 2), kLightGrey);
    QCOMPARE(at(box, 2, 1), kLightGrey);
    QCOMPARE(at(box, r - 3, 1), kLightGrey);

    // Cut corners stay face.
    QCOMPARE(at(box, 0, 0), face);
    QCOMPARE(at(box, 1, 0), face);
    QCOMPARE(at(box, 0, 1), face);
    QCOMPARE(at(box, r - 2, 0), face);
    QCOMPARE(at(box, r - 1, 0), face);
    QCOMPARE(at(box, r - 1, 1), face);

    // Right edges: black outside, workspace inside, stopping one row short.
    QCOMPARE(at(box, r - 2, 1), kBlack);
    QCOMPARE(at(box, r - 1, 2), kBlack);
    QCOMPARE(at(box, r - 1, 19), kBlack);
    QCOMPARE(at(box, r - 1, 20), face);
    QCOMPARE(at(box, r - 2, 2), workspace);
    QCOMPARE(at(box, r - 2, 19), workspace);
    QCOMPARE(at(box, r - 2, 20), face);
    QCOMPARE(at(box, r / 2, 20), face);
}

void TestTabStripDrawing::raisedBoxOverLaterTab()
{
    LightTab tab;
    tab.setPalette(m_palette);
    tab.setActiveTab(2);
    const platform::Surface &box = tab.highlightSurface();
    const int r = tab.tabRow().width(2) + 6;
    QCOMPARE(box.size(), QSize(r, 21));
    const QRgb face = kFace.rgb();

    // The left edges now start two rows above the bottom, on the row the
    // page border's top runs along.
    QCOMPARE(at(box, 0, 19), kWhite);
    QCOMPARE(at(box, 0, 20), face);
    QCOMPARE(at(box, 1, 19), kLightGrey);
    QCOMPARE(at(box, 1, 20), face);
    QCOMPARE(at(box, r - 1, 19), kBlack);
    QCOMPARE(at(box, 2, 0), kWhite);
}

void TestTabStripDrawing::rowOutlinesCutTheirCorners()
{
    LightTab tab;
    tab.setPalette(m_palette);
    const platform::Surface &strip = tab.tabStripSurface();
    QCOMPARE(strip.height(), 17);
    const int left = tab.tabRow().left(1);
    const int right = left + tab.tabRow().width(1);
    const QRgb face = kFace.rgb();
    const QRgb workspace = kWorkspace.rgb();

    QCOMPARE(at(strip, left, 16), kWhite); // first tab active: down to the bottom
    QCOMPARE(at(strip, left, 2), kWhite);
    QCOMPARE(at(strip, left + 1, 1), kWhite);
    QCOMPARE(at(strip, left + 2, 0), kWhite);
    QCOMPARE(at(strip, left, 0), face);
    QCOMPARE(at(strip, left + 1, 0), face);
    QCOMPARE(at(strip, left, 1), face);
    QCOMPARE(at(strip, left + 1, 16), kLightGrey);
    QCOMPARE(at(strip, right - 1, 16), kBlack); // foot 0: down to the bottom
    QCOMPARE(at(strip, right - 2, 16), workspace);
    QCOMPARE(at(strip, right - 2, 1), kBlack);
    QCOMPARE(at(strip, right - 1, 1), face);
    // The tab before ends right where this one starts.
    QCOMPARE(at(strip, left - 1, 8), kBlack);

    // Redrawn while another tab is active, the left edges start on the
    // bottom row itself instead of below it: the same pixels.
    tab.setActiveTab(3);
    tab.setCaption(0, QStringLiteral("Tab0"));
    QCOMPARE(at(tab.tabStripSurface(), left, 16), kWhite);
    QCOMPARE(at(tab.tabStripSurface(), left + 1, 16), kLightGrey);
}

void TestTabStripDrawing::captionsArePrinted()
{
    LightTab tab;
    tab.setPalette(m_palette);
    const platform::Surface &strip = tab.tabStripSurface();
    for (int k = 0; k < 4; ++k) {
        const QSize text = strip.textSize(tab.caption(k));
        QVERIFY2(hasInk(strip, QRect(QPoint(tab.tabRow().left(k) + 5, 3), text)),
                 qPrintable(QStringLiteral("caption %1").arg(k)));
    }
    const QSize text = tab.highlightSurface().textSize(tab.caption(0));
    QVERIFY(hasInk(tab.highlightSurface(), QRect(QPoint(9, 4), text)));

    // Empty captions print nothing, in the row or in the raised box.
    tab.setCaptionString(QString());
    const platform::Surface &box = tab.highlightSurface();
    QVERIFY(!hasInk(box, QRect(3, 3, box.width() - 6, 14)));
    QVERIFY(!hasInk(tab.tabStripSurface(), QRect(5, 3, 8, 13)));
}

void TestTabStripDrawing::workspaceColourFollowsPalette()
{
    platform::Surface surface(QSize(30, 17));
    QPalette palette;
    palette.setColor(QPalette::Mid, QColor(1, 2, 3));
    tabstrip::drawTabOutline(surface, 0, 30, 0, 0, tabstrip::resolveColourTable(palette));
    QCOMPARE(at(surface, 28, 8), qRgb(1, 2, 3));
    QCOMPARE(surface.foreColour(), QColor(Qt::black));
}

QTEST_MAIN(TestTabStripDrawing)
#include "tst_tabstripdrawing.moc"
