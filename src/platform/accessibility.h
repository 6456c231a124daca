#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointF>
#include <QString>

class QWidget;

namespace platform {

// A left-button press and release delivered to the widget at a point of its
// own, as the mouse would deliver them: what an assistive technology's
// "press" does on a self-drawn control, so the control and its host see
// exactly the events of a click and nothing else. Like a click, nothing
// arrives while the widget's window is behind a modal one.
void clickAt(QWidget &widget, QPointF at);

// A caption without its access-key markers: "&OK" reads "OK", "&&" one "&".
QString withoutAccessKey(const QString &caption);

// Installs an accessibility interface factory the first time it is given;
// the controls call it from their constructors, so any host gets their
// interfaces without registering anything itself.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);

// Drops the interface assistive technologies may already have been given for
// `object`, made before it was dressed for its own factory (a label's
// constructor announces its text, which makes one), so that the next one
// asked for is made by that factory.
void forgetAccessibleInterface(QObject &object);

// The one action of an element an assistive technology can press: "Press",
// offered and carried out only while canPress() holds. The element says
// what pressing does.
class PressAction : public QAccessibleActionInterface
{
public:
    QStringList actionNames() const override
    {
        return canPress() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && canPress())
            press();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    virtual bool canPress() const = 0;
    virtual void press() = 0;
};

} // namespace platform
