#pragma once

#include <QList>

#include <optional>

// The geometry of the tab row as it was last drawn: where each tab starts and
// how wide it is, in pixels of the strip, and which tab a click falls on.
class TabRow
{
public:
    // The first tab starts two pixels in from the strip's left edge.
    static constexpr int kFirstLeft = 2;

    void clear();
    // Adds a tab right after the last one.
    void append(int width);

    int count() const { return static_cast<int>(m_widths.size()); }
    int left(int index) const { return m_lefts.at(index); }
    int width(int index) const { return m_widths.at(index); }
    // The right end of the last tab, or kFirstLeft when there is none.
    int end() const;

    // The tab under x: x must lie right of the first tab's left edge and not
    // right of the last tab's end; the tab is the last one starting left of x,
    // so a click exactly on a tab's left edge belongs to the tab before it.
    std::optional<int> hitTest(double x) const;

private:
    QList<int> m_lefts;
    QList<int> m_widths;
};
