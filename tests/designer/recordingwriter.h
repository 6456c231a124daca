#pragma once

#include "propertywriter.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>

// Notes every call; with Passing::On it also sets the property, as a host
// without a designer would.
class RecordingWriter : public PropertyWriter
{
public:
    enum class Passing { Off, On };
    explicit RecordingWriter(Passing passing = Passing::Off)
        : m_passing(passing)
    {}

    void begin(const QString &description) override
    {
        calls.append(QStringLiteral("begin ") + description);
    }
    void write(QWidget *control, const QString &name, const QVariant &value) override
    {
        calls.append(name + QLatin1Char('=') + value.toString());
        if (m_passing == Passing::On)
            control->setProperty(name.toLatin1().constData(), value);
    }
    void end() override { calls.append(QStringLiteral("end")); }

    QStringList calls;

private:
    Passing m_passing;
};
