#include "buttonexaccessible.h"

#include "accessibility.h"
#include "buttonex.h"
#include "buttonstate.h"

namespace {

QAccessibleInterface *buttonFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ButtonEx") && object && object->isWidgetType())
        return new ButtonExAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ButtonExAccessible::ButtonExAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Button)
{}

void ButtonExAccessible::installFactory()
{
    platform::installAccessibleFactory(buttonFactory);
}

ButtonEx *ButtonExAccessible::button() const
{
    return static_cast<ButtonEx *>(widget());
}

QAccessible::Role ButtonExAccessible::role() const
{
    return button()->buttonStyle() == button::Style::Toggle ? QAccessible::CheckBox
                                                            : QAccessible::Button;
}

QAccessible::State ButtonExAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const ButtonEx *b = button();
    if (b->buttonStyle() == button::Style::Toggle) {
        s.checkable = true;
        s.checked = b->value() == button::State::Down;
    } else {
        s.pressed = b->drawState() == button::State::Down;
    }
    return s;
}

QString ButtonExAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? platform::withoutAccessKey(button()->caption()) : given;
    }
    if (t == QAccessible::Accelerator && !button()->accessKey().isEmpty())
        return QStringLiteral("Alt+") + button()->accessKey().toUpper();
    return QAccessibleWidget::text(t);
}

QStringList ButtonExAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << (role() == QAccessible::CheckBox ? toggleAction() : pressAction());
    return names + QAccessibleWidget::actionNames();
}

void ButtonExAccessible::doAction(const QString &actionName)
{
    if (!widget()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction())
        platform::clickAt(*widget(), QRectF(widget()->rect()).center());
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ButtonExAccessible::keyBindingsForAction(const QString &actionName) const
{
    if ((actionName == pressAction() || actionName == toggleAction()) &&
        !button()->accessKey().isEmpty())
        return {QStringLiteral("Alt+") + button()->accessKey().toUpper()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
