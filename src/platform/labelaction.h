#pragma once

#include <QAccessible>

#include <functional>

class QLabel;

namespace platform {

// A label that acts when clicked (a link, a number to choose), as assistive
// technologies see it: the given role, named by its text, with one action
// that does what the click does. With `checked`, it is checkable too, and
// announceCheckedChange() tells of a change.
struct LabelAction
{
    QAccessible::Role role = QAccessible::Link;
    QString action;                // one of QAccessibleActionInterface's names
    std::function<void()> act;     // what the action does: the click's handler
    std::function<bool()> checked; // empty for a label that is not checkable
};
void setLabelAction(QLabel &label, LabelAction action);

void announceCheckedChange(QLabel &label);

} // namespace platform
