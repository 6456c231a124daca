#include "tabrow.h"

void TabRow::clear()
{
    m_lefts.clear();
    m_widths.clear();
}

void TabRow::append(int width)
{
    m_lefts.append(end());
    m_widths.append(width);
}

int TabRow::end() const
{
    return m_lefts.isEmpty() ? kFirstLeft : m_lefts.last() + m_widths.last();
}

std::optional<int> TabRow::hitTest(double x) const
{
    if (m_lefts.isEmpty() || x <= m_lefts.first() || x > end())
        return std::nullopt;
    int hit = 0;
    for (int k = 1; k < count() && m_lefts.at(k) < x; ++k)
        hit = k;
    return hit;
}
