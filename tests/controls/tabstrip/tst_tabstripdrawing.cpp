#include "lighttab.h"
#include "surface.h"
#include "tabdrawing.h"

#include <QTest>

#include <initializer_list>

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

private:
    QPalette m_palette;
};

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGrey = 0xFFE0E0E0;
constexpr QRgb kBlack = 0xFF000000;
// Fixed, distinct stand-ins for the button face and the workspace colour.
constexpr QRgb kFace = 0xFFC8BEB4;
constexpr QRgb kWork = 0xFF405060;

struct Pixel
{
    int x;
    int y;
    QRgb colour;
};

void expectPixels(const platform::Surface &surface, std::initializer_list<Pixel> pixels)
{
    for (const Pixel &p : pixels) {
        const QRgb actual = surface.rgb(p.x, p.y) | 0xFF000000;
        QVERIFY2(actual == p.colour, qPrintable(QStringLiteral("(%1, %2) is %3, expected %4")
                                                    .arg(p.x)
                                                    .arg(p.y)
                                                    .arg(actual, 8, 16)
                                                    .arg(p.colour, 8, 16)));
    }
}

// Whether anything but the face was drawn in the area (text is antialiased,
// so not every pixel of a glyph is black).
bool hasInk(const platform::Surface &surface, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((surface.rgb(x, y) | 0xFF000000) != kFace)
                return true;
        }
    }
    return false;
}

} // namespace

void TestTabStripDrawing::initTestCase()
{
    m_palette.setColor(QPalette::Button, QColor(kFace));
    m_palette.setColor(QPalette::Mid, QColor(kWork)); // the application workspace
}

void TestTabStripDrawing::pageBorderHasTwoRings()
{
    LightTab tab;
    tab.setPalette(m_palette);
    tab.resize(200, 100);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QCOMPARE(tab.surface().size(), QSize(200, 100));

    // clang-format off
    expectPixels(tab.surface(), {
        // Outer ring: white up the left and along row 19, starting on the
        // bottom-left corner; black down the last column and back along the
        // last row, starting on its top-right corner.
        {1, 99, kWhite}, {1, 60, kWhite}, {1, 19, kWhite}, {198, 19, kWhite},
        {199, 19, kBlack}, {199, 60, kBlack}, {100, 99, kBlack}, {2, 99, kBlack},
        // Inner ring: light grey along row 20, the workspace colour inside the
        // black.
        {2, 98, kGrey}, {2, 60, kGrey}, {100, 20, kGrey}, {197, 20, kGrey},
        {198, 20, kWork}, {198, 60, kWork}, {3, 98, kWork},
        // Column 0, the page and the space above the border stay face.
        {0, 60, kFace}, {100, 60, kFace}, {3, 21, kFace}, {1, 18, kFace},
    });
    // clang-format on

    // A resize draws it again at the new size.
    tab.resize(150, 80);
    expectPixels(tab.surface(), {{149, 50, kBlack}, {148, 50, kWork}, {60, 79, kBlack}});
}

void TestTabStripDrawing::raisedBoxOverFirstTab()
{
    LightTab tab;
    tab.setPalette(m_palette);
    const int r = tab.tabRow().width(0) + 6;
    QCOMPARE(tab.highlightSurface().size(), QSize(r, 21));

    // clang-format off
    expectPixels(tab.highlightSurface(), {
        // With the first tab active the left edges run down to the last row.
        {0, 20, kWhite}, {0, 2, kWhite}, {1, 1, kWhite}, {2, 0, kWhite},
        {r - 3, 0, kWhite}, {1, 20, kGrey}, {1, 2, kGrey}, {2, 1, kGrey},
        {r - 3, 1, kGrey},
        // Both top corners are cut by two pixels.
        {0, 0, kFace}, {1, 0, kFace}, {0, 1, kFace}, {r - 2, 0, kFace},
        {r - 1, 0, kFace}, {r - 1, 1, kFace},
        // Right edges, black outside and workspace inside, stop one row short.
        {r - 2, 1, kBlack}, {r - 1, 2, kBlack}, {r - 1, 19, kBlack}, {r - 1, 20, kFace},
        {r - 2, 2, kWork}, {r - 2, 19, kWork}, {r - 2, 20, kFace},
        // No bottom line: the box opens into the page.
        {r / 2, 20, kFace},
    });
    // clang-format on
}

void TestTabStripDrawing::raisedBoxOverLaterTab()
{
    LightTab tab;
    tab.setPalette(m_palette);
    tab.setActiveTab(2);
    const int r = tab.tabRow().width(2) + 6;
    QCOMPARE(tab.highlightSurface().size(), QSize(r, 21));

    // The left edges now start two rows above the bottom, on the row the page
    // border's top runs along.
    // clang-format off
    expectPixels(tab.highlightSurface(), {
        {0, 19, kWhite}, {0, 20, kFace}, {1, 19, kGrey}, {1, 20, kFace},
        {r - 1, 19, kBlack}, {2, 0, kWhite},
    });
    // clang-format on
}

void TestTabStripDrawing::rowOutlinesCutTheirCorners()
{
    LightTab tab;
    tab.setPalette(m_palette);
    QCOMPARE(tab.tabStripSurface().height(), 17);
    const int left = tab.tabRow().left(1);
    const int right = left + tab.tabRow().width(1);

    // clang-format off
    expectPixels(tab.tabStripSurface(), {
        {left, 16, kWhite}, {left, 2, kWhite}, {left + 1, 1, kWhite}, {left + 2, 0, kWhite},
        {left, 0, kFace}, {left + 1, 0, kFace}, {left, 1, kFace}, {left + 1, 16, kGrey},
        // Foot 0: the right edges reach the last row.
        {right - 1, 16, kBlack}, {right - 2, 16, kWork}, {right - 2, 1, kBlack}, {right - 1, 1, kFace},
        // The tab before ends right where this one starts.
        {left - 1, 8, kBlack},
    });
    // clang-format on

    // Redrawn while another tab is active, the left edges start on the last
    // row instead of below it, which paints the same pixels.
    tab.setActiveTab(3);
    tab.setCaption(0, QStringLiteral("Tab0"));
    expectPixels(tab.tabStripSurface(), {{left, 16, kWhite}, {left + 1, 16, kGrey}});
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

QTEST_MAIN(TestTabStripDrawing)
#include "tst_tabstripdrawing.moc"
