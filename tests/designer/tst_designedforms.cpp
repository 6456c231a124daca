// Forms designed with the controls, compiled by uic as an application's build
// compiles them. That this program builds is half the test: uic calls a
// setter named after each property the form holds, and a control without one
// breaks the build. The other half is that the generated code leaves every
// control holding what the form says.

#include "ui_designer-demo.h"
#include "ui_everyproperty.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// One property of one control, as the form file holds it.
struct FormProperty
{
    QString widget;
    QString name;
    QString type; // the value element: number, bool, UInt, double, string, font, rect
    QString text;
    QHash<QString, QString> parts; // the fields of a font or a rect
};

bool isControl(QStringView className)
{
    return className == u"VelCProg" || className == u"ButtonEx" || className == u"LightTab";
}

// The properties of the controls in a form file, in file order.
QList<FormProperty> controlPropertiesIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    QList<std::pair<QString, QString>> widgets; // class, name; innermost last
    QList<FormProperty> properties;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == u"widget") {
            widgets.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"widget") {
            widgets.append({reader.attributes().value(QLatin1String("class")).toString(),
                            reader.attributes().value(QLatin1String("name")).toString()});
            continue;
        }
        if (reader.name() != u"property" || widgets.isEmpty() || !isControl(widgets.last().first))
            continue;
        FormProperty property;
        property.widget = widgets.last().second;
        property.name = reader.attributes().value(QLatin1String("name")).toString();
        if (!reader.readNextStartElement())
            break;
        property.type = reader.name().toString();
        if (property.type == QLatin1String("font") || property.type == QLatin1String("rect")) {
            while (reader.readNextStartElement()) {
                const QString field = reader.name().toString();
                property.parts.insert(field, reader.readElementText());
            }
        } else {
            property.text = reader.readElementText();
        }
        properties.append(property);
    }
    if (reader.hasError())
        return {};
    return properties;
}

// What differs between the control and the form, empty when nothing does.
QString mismatch(const QWidget &control, const FormProperty &p)
{
    const QVariant actual = control.property(p.name.toLatin1().constData());
    const QString where = p.widget + QLatin1Char('.') + p.name;
    if (!actual.isValid())
        return where + QStringLiteral(": no such property");
    bool same = false;
    QString seen = actual.toString();
    if (p.type == QLatin1String("number")) {
        same = actual.toLongLong() == p.text.toLongLong();
    } else if (p.type == QLatin1String("UInt")) {
        same = actual.toULongLong() == p.text.toULongLong();
    } else if (p.type == QLatin1String("bool")) {
        same = actual.toBool() == (p.text == QLatin1String("true"));
    } else if (p.type == QLatin1String("double")) {
        // The controls keep single precision.
        same = qFuzzyCompare(actual.toFloat(), p.text.toFloat());
    } else if (p.type == QLatin1String("string")) {
        same = actual.toString() == p.text;
    } else if (p.type == QLatin1String("rect")) {
        const QRect rect = actual.toRect();
        same = rect == QRect(p.parts.value("x").toInt(), p.parts.value("y").toInt(),
                             p.parts.value("width").toInt(), p.parts.value("height").toInt());
        seen = QString::asprintf("%d,%d %dx%d", rect.x(), rect.y(), rect.width(), rect.height());
    } else if (p.type == QLatin1String("font")) {
        const QFont font = actual.value<QFont>();
        seen = font.toString();
        same = true;
        for (auto it = p.parts.cbegin(); it != p.parts.cend(); ++it) {
            const bool on = it.value() == QLatin1String("true");
            if (it.key() == QLatin1String("family"))
                same = same && font.family() == it.value();
            else if (it.key() == QLatin1String("pointsize"))
                same = same && font.pointSize() == it.value().toInt();
            else if (it.key() == QLatin1String("bold"))
                same = same && font.bold() == on;
            else if (it.key() == QLatin1String("italic"))
                same = same && font.italic() == on;
            else
                return where + QStringLiteral(": font field <%1> not compared").arg(it.key());
        }
    } else {
        return where + QStringLiteral(": value type <%1> not compared").arg(p.type);
    }
    if (same)
        return {};
    return QStringLiteral("%1: form %2, control %3")
        .arg(where, p.text.isEmpty() ? QStringLiteral("(%1)").arg(p.type) : p.text, seen);
}

// Every control property of the form file against the controls uic set up
// under form.
QStringList mismatches(const QWidget &form, const QString &path, int *compared)
{
    QStringList found;
    const QList<FormProperty> properties = controlPropertiesIn(path);
    for (const FormProperty &p : properties) {
        const auto *control = form.findChild<QWidget *>(p.widget);
        const QString differs =
            control ? mismatch(*control, p) : p.widget + QStringLiteral(": not on the form");
        if (!differs.isEmpty())
            found << differs;
    }
    *compared = int(properties.size());
    return found;
}

} // namespace

class TestDesignedForms : public QObject
{
    Q_OBJECT

private slots:
    void demoFormSetsWhatItHolds();
    void everyPropertyFormSetsWhatItHoldsAndRuns();
};

void TestDesignedForms::demoFormSetsWhatItHolds()
{
    QWidget form;
    Ui::ControlsDemo ui;
    ui.setupUi(&form);
    int compared = 0;
    const QStringList found = mismatches(form, QStringLiteral(TALLYFOLD_DEMO_FORM), &compared);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    QCOMPARE(compared, 14);
    // What the form leaves out keeps the control's own value.
    QCOMPARE(ui.cp1->minimum(), 0);
    QCOMPARE(ui.Command1->borderStyle(), 1);
}

void TestDesignedForms::everyPropertyFormSetsWhatItHoldsAndRuns()
{
    QWidget form;
    Ui::EveryProperty ui;
    ui.setupUi(&form);
    int compared = 0;
    const QStringList found =
        mismatches(form, QStringLiteral(TALLYFOLD_EVERY_PROPERTY_FORM), &compared);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    // Geometry and the 46, 23 and 3 properties Designer offers for the dial,
    // the button and the tab strip.
    QCOMPARE(compared, 3 + 46 + 23 + 3);
    // The widget follows the properties uic set through QWidget's own setters.
    QVERIFY(!ui.ButtonEx1->isEnabled());
    QCOMPARE(ui.ButtonEx1->surface().font().pointSize(), 11);

    // Built by the application itself, no form designer about: the button's
    // access key works once the button is enabled.
    ui.ButtonEx1->setControlEnabled(true);
    int clicks = 0;
    connect(ui.ButtonEx1, &ButtonEx::Click, this, [&clicks] { ++clicks; });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(TestDesignedForms)
#include "tst_designedforms.moc"
