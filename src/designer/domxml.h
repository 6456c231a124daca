#pragma once

#include <QList>
#include <QString>

#include <utility>

struct ControlDescription;
struct QMetaObject;

// The XML a Designer plugin hands over for one control: the widget a new one
// starts as, and the descriptions Designer's property editor shows.
namespace domxml {

// The class's "Help.<member>" texts for members that are properties, in the
// order they are declared.
QList<std::pair<QString, QString>> propertyHelpTexts(const QMetaObject &metaObject);

QString forControl(const ControlDescription &description);

} // namespace domxml
