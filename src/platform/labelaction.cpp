#include "labelaction.h"
#include "modality.h"

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace platform {

namespace {

// Holds a label's action as its child, so it lives and goes with the label.
class LabelActionHolder : public QObject
{
public:
    LabelActionHolder(QLabel &label, LabelAction action)
        : QObject(&label)
        , action(std::move(action))
    {
        setObjectName(Name);
    }
    static constexpr QLatin1StringView Name{"tallyfoldLabelAction"};
    const LabelAction action;

    static const LabelActionHolder *of(const QObject &label)
    {
        // Named, since the holder has no meta-object of its own to find it by.
        return static_cast<const LabelActionHolder *>(
            label.findChild<QObject *>(Name, Qt::FindDirectChildrenOnly));
    }
};

class LabelActionAccessible : public QAccessibleWidget
{
public:
    LabelActionAccessible(QWidget *label, const LabelActionHolder &holder)
        : QAccessibleWidget(label, holder.action.role)
        , m_holder(&holder)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutAccessKey(static_cast<const QLabel *>(widget())->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const LabelAction *a = action(); a && a->checked) {
            s.checkable = true;
            s.checked = a->checked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (const LabelAction *a = action(); a && widget()->isEnabled())
            names << a->action;
        return names;
    }

    void doAction(const QString &name) override
    {
        const LabelAction *a = action();
        if (a && name == a->action && widget()->isEnabled()) {
            if (!isBehindModal(*widget()))
                a->act();
        } else
            QAccessibleWidget::doAction(name);
    }

private:
    const LabelAction *action() const { return m_holder ? &m_holder->action : nullptr; }
    QPointer<const LabelActionHolder> m_holder;
};

QAccessibleInterface *labelActionFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object)
        return nullptr;
    const LabelActionHolder *holder = LabelActionHolder::of(*object);
    return holder ? new LabelActionAccessible(static_cast<QWidget *>(object), *holder) : nullptr;
}

} // namespace

void setLabelAction(QLabel &label, LabelAction action)
{
    installAccessibleFactory(labelActionFactory);
    new LabelActionHolder(label, std::move(action));
    forgetAccessibleInterface(label);
}

void announceCheckedChange(QLabel &label)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&label, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace platform
