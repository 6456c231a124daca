#include "platform/accessibleclick.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform {

void clickAt(QWidget &widget, QPointF at)
{
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
