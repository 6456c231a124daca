#include "designpropertysheet.h"

#include <QMetaProperty>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

template <typename Small> Small boundTo(int value)
{
    return static_cast<Small>(std::clamp(value, int(std::numeric_limits<Small>::min()),
                                         int(std::numeric_limits<Small>::max())));
}

} // namespace

DesignPropertySheet::DesignPropertySheet(QDesignerPropertySheetExtension *base,
                                         const QObject *control, QObject *parent)
    : QObject(parent)
    , m_base(base)
{
    const QMetaObject *meta = control->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        if (const auto treatment = treatmentOf(*meta, name))
            m_adjusted.insert(name, {*treatment, property.metaType()});
    }
}

std::optional<DesignPropertySheet::Treatment>
DesignPropertySheet::treatmentOf(const QMetaObject &metaObject, const QString &name)
{
    const int index = metaObject.indexOfProperty(name.toLatin1().constData());
    // QWidget's own properties are Designer's business.
    if (index < QWidget::staticMetaObject.propertyCount())
        return std::nullopt;
    const QMetaProperty property = metaObject.property(index);
    if (!property.isWritable())
        return Treatment::Hidden;
    switch (property.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::UShort:
        return Treatment::AsInt;
    case QMetaType::Float:
        return Treatment::AsDouble;
    case QMetaType::QImage:
        return Treatment::Hidden;
    default:
        break;
    }
    // Types of our own (optional pictures, surfaces) have no editor.
    if (property.metaType().id() >= QMetaType::User)
        return Treatment::Hidden;
    return std::nullopt;
}

const DesignPropertySheet::Adjusted *DesignPropertySheet::adjusted(int index) const
{
    if (index < 0 || index >= m_base->count())
        return nullptr;
    const auto it = m_adjusted.constFind(m_base->propertyName(index));
    return it == m_adjusted.constEnd() ? nullptr : &it.value();
}

void DesignPropertySheet::setPropertyGroup(int index, const QString &group)
{
    m_base->setPropertyGroup(index, group);
}

bool DesignPropertySheet::isVisible(int index) const
{
    const Adjusted *a = adjusted(index);
    if (a && a->treatment == Treatment::Hidden)
        return false;
    return m_base->isVisible(index);
}

void DesignPropertySheet::setVisible(int index, bool visible)
{
    m_base->setVisible(index, visible);
}

void DesignPropertySheet::setAttribute(int index, bool attribute)
{
    m_base->setAttribute(index, attribute);
}

QVariant DesignPropertySheet::property(int index) const
{
    QVariant value = m_base->property(index);
    if (const Adjusted *a = adjusted(index)) {
        if (a->treatment == Treatment::AsInt)
            value.convert(QMetaType::fromType<int>());
        else if (a->treatment == Treatment::AsDouble)
            value.convert(QMetaType::fromType<double>());
    }
    return value;
}

void DesignPropertySheet::setProperty(int index, const QVariant &value)
{
    const Adjusted *a = adjusted(index);
    if (!a || a->treatment == Treatment::Hidden) {
        m_base->setProperty(index, value);
        return;
    }
    // The control gets its own type; an int out of a 16-bit property's range
    // is held to the range rather than wrapped.
    QVariant own = value;
    if (a->ownType.id() == QMetaType::Short)
        own = QVariant::fromValue(boundTo<short>(value.toInt()));
    else if (a->ownType.id() == QMetaType::UShort)
        own = QVariant::fromValue(boundTo<ushort>(value.toInt()));
    else
        own.convert(a->ownType);
    m_base->setProperty(index, own);
}

void DesignPropertySheet::setChanged(int index, bool changed)
{
    m_base->setChanged(index, changed);
}
