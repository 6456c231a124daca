#include "labelaccessible.h"

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char TitleProperty[] = "tallyfoldAccessibleTitle";

// A label read as its title and its text. The label's name stays unset, so
// QLabel::setText still tells assistive technologies that the name changed.
class TitledLabelAccessible : public QAccessibleWidget
{
public:
    explicit TitledLabelAccessible(QWidget *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString title = widget()->property(TitleProperty).toString();
        const QString shown = static_cast<const QLabel *>(widget())->text();
        return shown.isEmpty() ? title : title + QStringLiteral(": ") + shown;
    }
};

QAccessibleInterface *titledLabelFactory(const QString &className, QObject *object)
{
    if (object && object->isWidgetType() && qobject_cast<QLabel *>(object) &&
        className == QLatin1String(object->metaObject()->className()) &&
        object->property(TitleProperty).isValid())
        return new TitledLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void setAccessibleTitle(QLabel &label, const QString &title)
{
    platform::installAccessibleFactory(titledLabelFactory);
    label.setProperty(TitleProperty, title);
}
