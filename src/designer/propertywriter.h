#pragma once

#include <QString>
#include <QVariant>

class QWidget;

// Where a design-time page's values go: a form designer records each write
// as its own property change, a plain host just sets the property. The writes
// of one apply come between begin() and end().
class PropertyWriter
{
public:
    virtual ~PropertyWriter() = default;

    virtual void begin(const QString &description) = 0;
    virtual void write(QWidget *control, const QString &name, const QVariant &value) = 0;
    virtual void end() = 0;
};
