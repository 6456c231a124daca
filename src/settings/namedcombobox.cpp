#include "namedcombobox.h"

#include "accessibility.h"
#include "modality.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

const char NamedProperty[] = "tallyfoldNamedComboBox";

class NamedComboAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {}

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t); // the name set on the box
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    // The list of items, as Qt's own interface offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &actionName) override
    {
        // Behind a modal window (a message box of the settings) a click
        // would not open the list either.
        if ((actionName != showMenuAction() && actionName != pressAction()) ||
            platform::isBehindModal(*box()))
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *namedComboFactory(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (!box || className != QLatin1String("QComboBox") || !box->property(NamedProperty).toBool())
        return nullptr;
    return new NamedComboAccessible(box);
}

} // namespace

void nameComboBoxForAccessibility(QComboBox &box)
{
    platform::installAccessibleFactory(namedComboFactory);
    // An interface made before the mark would keep Qt's naming.
    platform::forgetAccessibleInterface(box);
    box.setProperty(NamedProperty, true);
}
