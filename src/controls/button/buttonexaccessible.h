#pragma once

#include <QAccessibleWidget>

class ButtonEx;

// What assistive technologies see of a ButtonEx: a push button (a check box
// in toggle mode) named by its caption or by the name its host gives, whose
// Press action is a click.
class ButtonExAccessible : public QAccessibleWidget
{
public:
    explicit ButtonExAccessible(QWidget *widget);

    // Installs the interface's factory once; every ButtonEx calls it.
    static void installFactory();

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    ButtonEx *button() const;
};
