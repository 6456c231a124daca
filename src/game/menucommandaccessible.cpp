#include "menucommandaccessible.h"

#include "accessibility.h"
#include "modality.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {

const char QueuedProperty[] = "tallyfoldQueuedAccessiblePress";

class MenuCommandAccessible : public QAccessibleInterface, public platform::PressAction
{
public:
    MenuCommandAccessible(QMenuBar *bar, QAction *action)
        : m_bar(bar)
        , m_action(action)
    {}

    bool isValid() const override { return m_bar && m_action; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return platform::withoutAccessKey(m_action->text());
        if (t == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_bar->actionGeometry(m_action);
        return QRect(m_bar->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_action->isVisible() || !m_bar->isVisible();
        s.focused = m_bar->activeAction() == m_action;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    bool canPress() const override { return isValid() && m_action->isEnabled(); }
    void press() override
    {
        // Behind a modal window the menu bar takes no click either.
        if (platform::isBehindModal(*m_bar))
            return;
        QTimer::singleShot(0, m_action.data(), [action = m_action] {
            if (action)
                action->trigger();
        });
    }

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
};

// The menu bar asks for each command's interface by its action first, so
// this factory is what it finds for the actions of a marked bar.
QAccessibleInterface *menuCommandFactory(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    // A menu on the bar keeps Qt's own interface, which opens it and reaches its items.
    if (!action || className != QLatin1String("QAction") || action->menu())
        return nullptr;
    for (QObject *host : action->associatedObjects()) {
        auto *bar = qobject_cast<QMenuBar *>(host);
        if (bar && bar->property(QueuedProperty).toBool())
            return new MenuCommandAccessible(bar, action);
    }
    return nullptr;
}

} // namespace

void queueAccessiblePresses(QMenuBar &bar)
{
    platform::installAccessibleFactory(menuCommandFactory);
    bar.setProperty(QueuedProperty, true);
}
