#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QXmlStreamReader>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>
#include <memory>

// The built plugin as Qt Designer loads it. This program links none of the
// controls: every control here comes out of the plugin, and is reached
// through its meta-object, as Designer reaches it.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersThreeControlsInOneGroup();
    void domXmlGivesNameAndNewSize_data();
    void domXmlGivesNameAndNewSize();
    void domXmlDescribesProperties();
    void newControlsHaveNewControlDefaults();
    void newControlsDraw();

    void formEditorLoadsControlsFromForm();
    void propertyEditorShowsHelpAsDescriptions();
    void propertySheetEditsSmallNumbersAndHidesPictures();
    void pageOpensOnTabStripAndApplyIsUndoable();
    void pageRefusalWritesNothing();
    void onlyTabStripHasTaskMenu();

    void cleanupTestCase();

private:
    QDesignerCustomWidgetInterface *control(const QString &name) const;
    struct DomWidget
    {
        QString className;
        QString objectName;
        QSize size;
        QHash<QString, QString> toolTips;
        QHash<QString, QString> stringTypes;
        bool wellFormed = false;
    };
    static DomWidget parse(const QString &xml);
    // Opens the tab strip's page through its task menu and hands the open
    // dialog to edit, which must close it.
    static void runPage(QDesignerTaskMenuExtension *menu,
                        const std::function<void(QDialog *)> &edit);

    QList<QDesignerCustomWidgetInterface *> m_controls;
    QDesignerFormEditorInterface *m_core = nullptr;
    QDesignerFormWindowInterface *m_form = nullptr;
};

namespace {

// A form as Designer saves one, with one control of each kind.
const char *const kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Demo</class>
 <widget class="QWidget" name="Demo">
  <property name="geometry"><rect><x>0</x><y>0</y><width>520</width><height>300</height></rect></property>
  <widget class="VelCProg" name="cp1">
   <property name="geometry"><rect><x>10</x><y>10</y><width>120</width><height>120</height></rect></property>
   <property name="Value"><number>30</number></property>
   <property name="BorderWidth"><number>3</number></property>
  </widget>
  <widget class="ButtonEx" name="Command1">
   <property name="geometry"><rect><x>10</x><y>150</y><width>80</width><height>24</height></rect></property>
   <property name="Caption"><string>START</string></property>
  </widget>
  <widget class="LightTab" name="LightTab1">
   <property name="geometry"><rect><x>150</x><y>10</y><width>320</width><height>160</height></rect></property>
   <property name="NumberOfTabs"><number>3</number></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>VelCProg</class><extends>QWidget</extends><header>controls/dial/velcprog.h</header></customwidget>
  <customwidget><class>ButtonEx</class><extends>QWidget</extends><header>controls/button/buttonex.h</header></customwidget>
  <customwidget><class>LightTab</class><extends>QWidget</extends><header>controls/tabstrip/lighttab.h</header></customwidget>
 </customwidgets>
</ui>
)";

QVariant propertyOf(const QObject *object, const char *name)
{
    return object->property(name);
}

QWidget *formChild(QDesignerFormWindowInterface *form, const QString &name)
{
    return form->mainContainer()->findChild<QWidget *>(name);
}

} // namespace

void TestDesignerPlugin::initTestCase()
{
    QPluginLoader loader(QStringLiteral(TALLYFOLD_DESIGNER_PLUGIN));
    QObject *instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(instance);
    QVERIFY(collection);
    m_controls = collection->customWidgets();

    // Designer looks for custom widgets in the designer/ folder of every
    // library path; the build puts the plugin in such a folder.
    QDir pluginFolder = QFileInfo(QStringLiteral(TALLYFOLD_DESIGNER_PLUGIN)).absoluteDir();
    QCOMPARE(pluginFolder.dirName(), QStringLiteral("designer"));
    pluginFolder.cdUp();
    QCoreApplication::addLibraryPath(pluginFolder.absolutePath());

    QDesignerComponents::initializeResources();
    m_core = QDesignerComponents::createFormEditor(this);
    QVERIFY(m_core);
    QDesignerComponents::createTaskMenu(m_core, this);
    QDesignerComponents::initializePlugins(m_core);
    m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
    m_core->setIntegration(new QDesignerIntegration(m_core, this));

    m_form = m_core->formWindowManager()->createFormWindow(nullptr, Qt::Window);
    QVERIFY(m_form);
    QVERIFY(m_form->setContents(QString::fromUtf8(kForm)));
    m_core->formWindowManager()->setActiveFormWindow(m_form);
    m_form->setDirty(false);
}

void TestDesignerPlugin::cleanupTestCase()
{
    delete m_core->propertyEditor();
    delete m_form;
}

QDesignerCustomWidgetInterface *TestDesignerPlugin::control(const QString &name) const
{
    for (QDesignerCustomWidgetInterface *c : m_controls) {
        if (c->name() == name)
            return c;
    }
    return nullptr;
}

TestDesignerPlugin::DomWidget TestDesignerPlugin::parse(const QString &xml)
{
    DomWidget dom;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        if (name == QLatin1String("widget")) {
            dom.className = reader.attributes().value(QLatin1String("class")).toString();
            dom.objectName = reader.attributes().value(QLatin1String("name")).toString();
        } else if (name == QLatin1String("width")) {
            dom.size.setWidth(reader.readElementText().toInt());
        } else if (name == QLatin1String("height")) {
            dom.size.setHeight(reader.readElementText().toInt());
        } else if (name == QLatin1String("tooltip")) {
            const QString property = reader.attributes().value(QLatin1String("name")).toString();
            dom.toolTips.insert(property, reader.readElementText());
        } else if (name == QLatin1String("stringpropertyspecification")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            dom.stringTypes.insert(attributes.value(QLatin1String("name")).toString(),
                                   attributes.value(QLatin1String("type")).toString());
        }
    }
    dom.wellFormed = !reader.hasError();
    return dom;
}

void TestDesignerPlugin::offersThreeControlsInOneGroup()
{
    QStringList names;
    for (QDesignerCustomWidgetInterface *c : m_controls) {
        names.append(c->name());
        QCOMPARE(c->group(), QStringLiteral("Tallyfold"));
        QVERIFY(!c->icon().isNull());
        QVERIFY(!c->toolTip().isEmpty());
        QVERIFY(!c->whatsThis().isEmpty());
        QVERIFY(!c->isContainer());
        // Designer initialises every plugin it loads.
        QVERIFY(c->isInitialized());
    }
    QCOMPARE(names, (QStringList{"VelCProg", "ButtonEx", "LightTab"}));
    QCOMPARE(control("VelCProg")->includeFile(), QStringLiteral("controls/dial/velcprog.h"));
    QCOMPARE(control("ButtonEx")->includeFile(), QStringLiteral("controls/button/buttonex.h"));
    QCOMPARE(control("LightTab")->includeFile(), QStringLiteral("controls/tabstrip/lighttab.h"));
}

void TestDesignerPlugin::domXmlGivesNameAndNewSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QSize>("size");
    // 1200 by 360 twips at 96 dpi.
    QTest::newRow("button") << "ButtonEx"
                            << "ButtonEx1" << QSize(80, 24);
    QTest::newRow("dial") << "VelCProg"
                          << "VelCProg1" << QSize(100, 100);
    QTest::newRow("tab strip") << "LightTab"
                               << "LightTab1" << QSize(320, 160);
}

void TestDesignerPlugin::domXmlGivesNameAndNewSize()
{
    QFETCH(QString, name);
    QFETCH(QString, objectName);
    QFETCH(QSize, size);
    QDesignerCustomWidgetInterface *c = control(name);
    QVERIFY(c);
    const DomWidget dom = parse(c->domXml());
    QVERIFY(dom.wellFormed);
    QCOMPARE(dom.className, name);
    QCOMPARE(dom.objectName, objectName);
    QCOMPARE(dom.size, size);
    // The size a control gives itself, where it has one, is the same.
    std::unique_ptr<QWidget> widget(c->createWidget(nullptr));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
    if (name != QLatin1String("VelCProg"))
        QCOMPARE(widget->size(), size);
}

void TestDesignerPlugin::domXmlDescribesProperties()
{
    const DomWidget dial = parse(control("VelCProg")->domXml());
    QCOMPARE(dial.toolTips.value("Min"), QStringLiteral("Lowest allowable value"));
    QCOMPARE(dial.toolTips.value("Value"), QStringLiteral("Current value (between Min & Max)"));
    QCOMPARE(dial.toolTips.value("Tricolor"),
             QStringLiteral("Use/Don't use Midcolor in fades & gradients"));
    QCOMPARE(dial.toolTips.value("ShowBorder"),
             QStringLiteral("Draw a border on the circle or arc"));
    // Every dial property but the stored alias and the read-only ones.
    QCOMPARE(dial.toolTips.size(), 48);
    QVERIFY(!dial.toolTips.contains("Repaint"));

    const DomWidget button = parse(control("ButtonEx")->domXml());
    QCOMPARE(button.toolTips.value("Caption"),
             QStringLiteral("Returns/sets the text displayed in the control."));
    QCOMPARE(button.toolTips.size(), 27);
    // Events have help texts too, but no place in the property editor.
    QVERIFY(!button.toolTips.contains("Click"));
    QCOMPARE(button.stringTypes.value("Caption"), QStringLiteral("singleline"));

    const DomWidget tabStrip = parse(control("LightTab")->domXml());
    QVERIFY(tabStrip.toolTips.isEmpty());
    QCOMPARE(tabStrip.stringTypes.value("Caption"), QStringLiteral("singleline"));
}

void TestDesignerPlugin::newControlsHaveNewControlDefaults()
{
    std::unique_ptr<QWidget> dial(control("VelCProg")->createWidget(nullptr));
    QCOMPARE(propertyOf(dial.get(), "Min").toInt(), 0);
    QCOMPARE(propertyOf(dial.get(), "Max").toInt(), 100);
    QCOMPARE(propertyOf(dial.get(), "Value").toInt(), 50);
    QCOMPARE(propertyOf(dial.get(), "Span").toInt(), 360);
    QCOMPARE(propertyOf(dial.get(), "Clockwise").toBool(), true);
    QCOMPARE(propertyOf(dial.get(), "StartColor").toUInt(), 0x000000C0u);
    QCOMPARE(propertyOf(dial.get(), "CircleColor").toUInt(), 0x8000000Fu);
    QCOMPARE(propertyOf(dial.get(), "TickFrequency").toFloat(), 10.0f);
    QCOMPARE(propertyOf(dial.get(), "ShowNeedle").toBool(), false);

    std::unique_ptr<QWidget> button(control("ButtonEx")->createWidget(nullptr));
    QCOMPARE(propertyOf(button.get(), "Caption").toString(), QStringLiteral("ButtonEx1"));
    QCOMPARE(propertyOf(button.get(), "Appearance").toInt(), 1);
    QCOMPARE(propertyOf(button.get(), "BorderStyle").toInt(), 1);
    QCOMPARE(propertyOf(button.get(), "Value").toInt(), 1);
    QCOMPARE(propertyOf(button.get(), "TransparentColor").toUInt(), 0x00FF0000u);
    QCOMPARE(propertyOf(button.get(), "Font").value<QFont>(), QApplication::font());

    std::unique_ptr<QWidget> tabStrip(control("LightTab")->createWidget(nullptr));
    QCOMPARE(propertyOf(tabStrip.get(), "Caption").toString(),
             QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(propertyOf(tabStrip.get(), "NumberOfTabs").toInt(), 4);
    QCOMPARE(propertyOf(tabStrip.get(), "ActiveTab").toInt(), 0);
}

void TestDesignerPlugin::newControlsDraw()
{
    // A new button is a plain face with a raised edge: highlight inside the
    // top left corner, shadow at the bottom right.
    std::unique_ptr<QWidget> button(control("ButtonEx")->createWidget(nullptr));
    const QImage face = button->grab().toImage();
    const QPalette palette = button->palette();
    QCOMPARE(face.pixelColor(1, 1), palette.color(QPalette::Light));
    QCOMPARE(face.pixelColor(4, face.height() / 2), palette.color(QPalette::Button));
    const QColor corner = face.pixelColor(face.width() - 1, face.height() - 1);
    QVERIFY(corner.lightness() < palette.color(QPalette::Button).lightness());

    // A new dial, once sized, sweeps from its dark red start colour.
    std::unique_ptr<QWidget> dial(control("VelCProg")->createWidget(nullptr));
    dial->resize(100, 100);
    const QImage circle = dial->grab().toImage();
    bool startColourShown = false;
    for (int y = 0; y < circle.height() && !startColourShown; ++y) {
        for (int x = 0; x < circle.width() && !startColourShown; ++x) {
            const QColor c = circle.pixelColor(x, y);
            startColourShown = c.red() >= 0xB0 && c.green() < 0x30 && c.blue() < 0x30;
        }
    }
    QVERIFY(startColourShown);
}

void TestDesignerPlugin::formEditorLoadsControlsFromForm()
{
    QWidget *dial = formChild(m_form, "cp1");
    QWidget *button = formChild(m_form, "Command1");
    QWidget *tabStrip = formChild(m_form, "LightTab1");
    QVERIFY(dial && button && tabStrip);
    QVERIFY(dial->inherits("VelCProg"));
    QVERIFY(button->inherits("ButtonEx"));
    QVERIFY(tabStrip->inherits("LightTab"));
    // Stored values arrive through the controls' own properties.
    QCOMPARE(propertyOf(dial, "Value").toInt(), 30);
    QCOMPARE(propertyOf(dial, "BorderWidth").toInt(), 3);
    QCOMPARE(propertyOf(button, "Caption").toString(), QStringLiteral("START"));
    QCOMPARE(propertyOf(tabStrip, "NumberOfTabs").toInt(), 3);

    // Saved again, the form keeps the values Designer knows were set, and
    // nothing of the properties it cannot show.
    const QString saved = m_form->contents();
    QVERIFY(saved.contains(QLatin1String("<property name=\"BorderWidth\">")));
    QVERIFY(saved.contains(QLatin1String("<string>START</string>")));
    QVERIFY(!saved.contains(QLatin1String("\"Picture\"")));
}

void TestDesignerPlugin::propertyEditorShowsHelpAsDescriptions()
{
    QDesignerPropertyEditorInterface *editor = m_core->propertyEditor();
    editor->setObject(formChild(m_form, "cp1"));
    QHash<QString, QString> toolTips;
    for (const QTreeWidget *tree : editor->findChildren<QTreeWidget *>()) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it)
            toolTips.insert((*it)->text(0), (*it)->toolTip(0));
    }
    QCOMPARE(toolTips.value("Min"), QStringLiteral("Lowest allowable value"));
    QCOMPARE(toolTips.value("Radius"), QStringLiteral("Radius of circle or arc"));
    QCOMPARE(toolTips.value("BorderWidth"), QStringLiteral("Width of border, if shown"));
    // The handles and pictures have no row.
    QVERIFY(toolTips.contains("TickFrequency"));
    QVERIFY(!toolTips.contains("hwnd"));
    QVERIFY(!toolTips.contains("Picture"));
}

void TestDesignerPlugin::propertySheetEditsSmallNumbersAndHidesPictures()
{
    QWidget *dial = formChild(m_form, "cp1");
    auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), dial);
    QVERIFY(sheet);
    const int borderWidth = sheet->indexOf("BorderWidth");
    const int tickFrequency = sheet->indexOf("TickFrequency");
    const int picture = sheet->indexOf("Picture");
    QVERIFY(borderWidth >= 0 && tickFrequency >= 0 && picture >= 0);
    QCOMPARE(sheet->property(borderWidth).metaType(), QMetaType::fromType<int>());
    QCOMPARE(sheet->property(tickFrequency).metaType(), QMetaType::fromType<double>());
    QVERIFY(sheet->isVisible(borderWidth));
    QVERIFY(!sheet->isVisible(picture));
    QVERIFY(!sheet->isVisible(sheet->indexOf("hwnd")));
    // Designer's own properties are untouched.
    QCOMPARE(sheet->property(sheet->indexOf("geometry")).toRect(), QRect(10, 10, 120, 120));

    // An edit as the property editor makes it: undoable, and the form is changed.
    const int steps = m_form->commandHistory()->index();
    m_form->cursor()->setWidgetProperty(dial, "TickFrequency", 2.5);
    QCOMPARE(propertyOf(dial, "TickFrequency").toFloat(), 2.5f);
    QVERIFY(m_form->isDirty());
    QCOMPARE(m_form->commandHistory()->index(), steps + 1);
    m_form->commandHistory()->undo();
    QCOMPARE(propertyOf(dial, "TickFrequency").toFloat(), 10.0f);
    m_form->setDirty(false);

    QWidget *tabStrip = formChild(m_form, "LightTab1");
    auto *tabSheet =
        qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), tabStrip);
    QCOMPARE(tabSheet->property(tabSheet->indexOf("NumberOfTabs")).toInt(), 3);
    QVERIFY(tabSheet->isVisible(tabSheet->indexOf("ActiveTab")));
}

void TestDesignerPlugin::runPage(QDesignerTaskMenuExtension *menu,
                                 const std::function<void(QDialog *)> &edit)
{
    bool edited = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        edited = true;
        edit(dialog);
        // Whatever edit did, nothing may stay open.
        if (dialog->isVisible())
            dialog->reject();
    });
    menu->preferredEditAction()->trigger();
    QVERIFY2(edited, "the page did not open");
}

void TestDesignerPlugin::pageOpensOnTabStripAndApplyIsUndoable()
{
    QWidget *tabStrip = formChild(m_form, "LightTab1");
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(m_core->extensionManager(), tabStrip);
    QVERIFY(menu);
    QCOMPARE(menu->taskActions().size(), 1);
    QCOMPARE(menu->taskActions().first(), menu->preferredEditAction());
    m_form->setDirty(false);
    const int steps = m_form->commandHistory()->index();

    runPage(menu, [](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("PropertyPage1"));
        // Filled from the strip on the form.
        auto *count = dialog->findChild<QLineEdit *>("txtNumberOfTabs");
        auto *caption = dialog->findChild<QLineEdit *>("txtCaption");
        auto *slider = dialog->findChild<QScrollBar *>("HScroll1");
        QVERIFY(count && caption && slider);
        QCOMPARE(count->text(), QStringLiteral("3"));
        QCOMPARE(caption->text(), QStringLiteral("Tab0"));
        slider->setValue(1);
        QCOMPARE(caption->text(), QStringLiteral("Tab1"));
        caption->setText(QStringLiteral("Timing"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog->isVisible());
    });

    QCOMPARE(propertyOf(tabStrip, "Caption").toString(),
             QStringLiteral("Tab0|Timing|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(propertyOf(tabStrip, "NumberOfTabs").toInt(), 3);
    QVERIFY(m_form->isDirty());
    // One apply, one undo step, which takes the whole apply back.
    QCOMPARE(m_form->commandHistory()->index(), steps + 1);
    m_form->commandHistory()->undo();
    QCOMPARE(propertyOf(tabStrip, "Caption").toString(),
             QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    m_form->commandHistory()->redo();
    QVERIFY(m_form->contents().contains(QLatin1String("Tab0|Timing|")));
    m_form->commandHistory()->undo();
    m_form->setDirty(false);
}

void TestDesignerPlugin::pageRefusalWritesNothing()
{
    QWidget *tabStrip = formChild(m_form, "LightTab1");
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(m_core->extensionManager(), tabStrip);
    const int steps = m_form->commandHistory()->index();
    runPage(menu, [](QDialog *dialog) {
        dialog->findChild<QLineEdit *>("txtActiveTab")->setText(QStringLiteral("two"));
        dialog->findChild<QLineEdit *>("txtCaption")->setText(QStringLiteral("Never"));
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        ok->click();
        // Refused: the page stays open and says why.
        QVERIFY(dialog->isVisible());
        dialog->reject();
    });
    QCOMPARE(propertyOf(tabStrip, "Caption").toString(),
             QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(m_form->commandHistory()->index(), steps);
    QVERIFY(!m_form->isDirty());
}

void TestDesignerPlugin::onlyTabStripHasTaskMenu()
{
    QExtensionManager *manager = m_core->extensionManager();
    for (const char *name : {"cp1", "Command1"}) {
        auto *menu = qt_extension<QDesignerTaskMenuExtension *>(manager, formChild(m_form, name));
        QVERIFY2(!menu, name);
    }
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
