#include "accessibility.h"
#include "modality.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace platform {

void installAccessibleFactory(QAccessible::InterfaceFactory factory)
{
    // Only ever touched from the user-interface thread, like the widgets.
    static std::vector<QAccessible::InterfaceFactory> installed;
    if (std::find(installed.begin(), installed.end(), factory) != installed.end())
        return;
    installed.push_back(factory);
    QAccessible::installFactory(factory);
}

void forgetAccessibleInterface(QObject &object)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void clickAt(QWidget &widget, QPointF at)
{
    // Behind a modal window a click never arrives.
    if (isBehindModal(widget))
        return;
    const QPointF global = widget.mapToGlobal(at);
    QPointer<QWidget> guard(&widget);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    // The press may have closed or deleted what it landed on.
    if (!guard)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(guard.data(), &release);
}

QString withoutAccessKey(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                ++i;
            else
                continue;
        }
        plain.append(caption.at(i));
    }
    return plain;
}

} // namespace platform
