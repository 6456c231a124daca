#include "lighttabaccessible.h"

#include "accessibility.h"
#include "lighttab.h"

#include <QPointer>

namespace {

// One tab of the strip.
class LightTabPageAccessible : public QAccessibleInterface, public platform::PressAction
{
public:
    LightTabPageAccessible(LightTab *strip, int index)
        : m_strip(strip)
        , m_index(index)
    {}

    bool isValid() const override { return m_strip && m_index < m_strip->tabRow().count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && isValid())
            return m_strip->caption(m_index).trimmed();
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QWidget *row = m_strip->tabStripWidget();
        const QRect local(m_strip->tabRow().left(m_index), 0, m_strip->tabRow().width(m_index),
                          row->height());
        return QRect(row->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = m_index == m_strip->activeTab();
        s.disabled = !m_strip->isEnabled();
        s.invisible = !m_strip->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    bool canPress() const override { return isValid() && m_strip->isEnabled(); }
    void press() override
    {
        // A click in the middle of the tab, where the mouse would select it.
        const TabRow &row = m_strip->tabRow();
        QWidget *strip = m_strip->tabStripWidget();
        platform::clickAt(
            *strip, QPointF(row.left(m_index) + row.width(m_index) / 2.0, strip->height() / 2.0));
    }

    int index() const { return m_index; }

private:
    QPointer<LightTab> m_strip;
    int m_index;
};

QAccessibleInterface *tabStripFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("LightTab") && object && object->isWidgetType())
        return new LightTabAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

LightTabAccessible::LightTabAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::PageTabList)
{}

LightTabAccessible::~LightTabAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

void LightTabAccessible::installFactory()
{
    platform::installAccessibleFactory(tabStripFactory);
}

LightTab *LightTabAccessible::strip() const
{
    return static_cast<LightTab *>(widget());
}

int LightTabAccessible::childCount() const
{
    return strip()->tabRow().count();
}

QAccessibleInterface *LightTabAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_tabs.size() <= index) {
        auto *tab = new LightTabPageAccessible(strip(), static_cast<int>(m_tabs.size()));
        m_tabs.append(QAccessible::registerAccessibleInterface(tab));
    }
    return QAccessible::accessibleInterface(m_tabs.at(index));
}

int LightTabAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    const qsizetype at = m_tabs.indexOf(id);
    return at < childCount() ? static_cast<int>(at) : -1;
}

QAccessibleInterface *LightTabAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface *tab = child(i);
        if (tab->rect().contains(x, y))
            return tab;
    }
    return nullptr;
}
