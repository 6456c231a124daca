#include "formwindowwriter.h"

#include <QWidget>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

FormWindowWriter::FormWindowWriter(QDesignerFormWindowInterface *form)
    : m_form(form)
{}

void FormWindowWriter::begin(const QString &description)
{
    if (m_form)
        m_form->beginCommand(description);
}

void FormWindowWriter::write(QWidget *control, const QString &name, const QVariant &value)
{
    if (m_form)
        m_form->cursor()->setWidgetProperty(control, name, value);
    else
        control->setProperty(name.toLatin1().constData(), value);
}

void FormWindowWriter::end()
{
    if (m_form)
        m_form->endCommand();
}
