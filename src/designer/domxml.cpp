#include "domxml.h"

#include "controldescription.h"

#include <QMetaClassInfo>
#include <QMetaObject>
#include <QXmlStreamWriter>

namespace domxml {

QList<std::pair<QString, QString>> propertyHelpTexts(const QMetaObject &metaObject)
{
    static const QByteArray prefix = QByteArrayLiteral("Help.");
    QList<std::pair<QString, QString>> texts;
    for (int i = metaObject.classInfoOffset(); i < metaObject.classInfoCount(); ++i) {
        const QMetaClassInfo info = metaObject.classInfo(i);
        const QByteArray key(info.name());
        if (!key.startsWith(prefix))
            continue;
        // Events and methods have help texts too, but Designer describes
        // properties only.
        const QByteArray member = key.mid(prefix.size());
        if (metaObject.indexOfProperty(member.constData()) < 0)
            continue;
        texts.append({QString::fromLatin1(member), QString::fromUtf8(info.value())});
    }
    return texts;
}

QString forControl(const ControlDescription &description)
{
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("ui"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    writer.writeAttribute(QStringLiteral("displayname"), description.name);

    writer.writeStartElement(QStringLiteral("widget"));
    writer.writeAttribute(QStringLiteral("class"), description.name);
    writer.writeAttribute(QStringLiteral("name"), description.objectName);
    writer.writeStartElement(QStringLiteral("property"));
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    writer.writeStartElement(QStringLiteral("rect"));
    writer.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("width"),
                            QString::number(description.defaultSize.width()));
    writer.writeTextElement(QStringLiteral("height"),
                            QString::number(description.defaultSize.height()));
    writer.writeEndElement(); // rect
    writer.writeEndElement(); // property
    writer.writeEndElement(); // widget

    writer.writeStartElement(QStringLiteral("customwidgets"));
    writer.writeStartElement(QStringLiteral("customwidget"));
    writer.writeTextElement(QStringLiteral("class"), description.name);
    writer.writeStartElement(QStringLiteral("propertyspecifications"));
    if (description.metaObject) {
        for (const auto &[property, text] : propertyHelpTexts(*description.metaObject)) {
            writer.writeStartElement(QStringLiteral("tooltip"));
            writer.writeAttribute(QStringLiteral("name"), property);
            writer.writeCharacters(text);
            writer.writeEndElement();
        }
    }
    for (const QString &property : description.singleLineTexts) {
        writer.writeEmptyElement(QStringLiteral("stringpropertyspecification"));
        writer.writeAttribute(QStringLiteral("name"), property);
        writer.writeAttribute(QStringLiteral("type"), QStringLiteral("singleline"));
    }
    writer.writeEndElement(); // propertyspecifications
    writer.writeEndElement(); // customwidget
    writer.writeEndElement(); // customwidgets

    writer.writeEndElement(); // ui
    return xml;
}

} // namespace domxml
