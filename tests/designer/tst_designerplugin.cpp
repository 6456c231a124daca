#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
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
#include <QtDesigner/QDesignerWidgetBoxInterface>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <functional>
#include <memory>

// The built plugin as Qt Designer loads it, in Designer's own form editor.
// This program links none of the controls: each one here comes out of the
// plugin and is reached through its meta-object, as Designer reaches it.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersThreeControlsInOneGroup();
    void domXmlGivesNewControl_data();
    void domXmlGivesNewControl();
    void newControlsHaveNewControlDefaults();
    void formLoadsAndSavesThroughControlProperties();
    void everyPropertyFormHoldsAllDesignerOffers();
    void propertyEditorShowsHelpTexts();
    void propertySheetEditsSmallNumbersAndHidesPictures();
    void pageAppliesAsOneUndoableEditOrNothing();
    void cleanupTestCase();

private:
    QDesignerCustomWidgetInterface *control(const QString &name) const;
    QWidget *onForm(const char *name) const;
    QDesignerPropertySheetExtension *sheetOf(QWidget *widget) const;
    // Opens the tab strip's page from its task menu and hands the dialog to
    // edit, which should close it.
    void runPage(const std::function<void(QDialog *)> &edit);

    QList<QDesignerCustomWidgetInterface *> m_controls;
    QDesignerFormEditorInterface *m_core = nullptr;
    QDesignerFormWindowInterface *m_form = nullptr;
};

namespace {

// A form as Designer saves one, with one control of each kind.
const char *const kForm = R"(<ui version="4.0"><class>Demo</class>
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
</ui>)";

const QString kDefaultCaptions =
    QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");

// What a control's domXml says about it.
struct DomXml
{
    QString className, objectName;
    QSize size;
    QHash<QString, QString> toolTips, stringTypes;
    bool wellFormed = false;
};

DomXml parse(const QString &xml)
{
    DomXml dom;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        const QStringView element = reader.name();
        if (element == u"widget") {
            dom.className = a.value(QLatin1String("class")).toString();
            dom.objectName = a.value(QLatin1String("name")).toString();
        } else if (element == u"width") {
            dom.size.setWidth(reader.readElementText().toInt());
        } else if (element == u"height") {
            dom.size.setHeight(reader.readElementText().toInt());
        } else if (element == u"tooltip") {
            dom.toolTips.insert(a.value(QLatin1String("name")).toString(),
                                reader.readElementText());
        } else if (element == u"stringpropertyspecification") {
            dom.stringTypes.insert(a.value(QLatin1String("name")).toString(),
                                   a.value(QLatin1String("type")).toString());
        }
    }
    dom.wellFormed = !reader.hasError();
    return dom;
}

} // namespace

void TestDesignerPlugin::initTestCase()
{
    QPluginLoader loader(QStringLiteral(TALLYFOLD_DESIGNER_PLUGIN));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    QVERIFY2(collection, qPrintable(loader.errorString()));
    m_controls = collection->customWidgets();

    // Designer finds custom widgets in the designer/ folder of each library
    // path; the build puts the plugin in one.
    QDir plugins = QFileInfo(QStringLiteral(TALLYFOLD_DESIGNER_PLUGIN)).absoluteDir();
    QCOMPARE(plugins.dirName(), QStringLiteral("designer"));
    plugins.cdUp();
    QCoreApplication::addLibraryPath(plugins.absolutePath());

    QDesignerComponents::initializeResources();
    m_core = QDesignerComponents::createFormEditor(this);
    QDesignerComponents::createTaskMenu(m_core, this);
    QDesignerComponents::initializePlugins(m_core);
    m_core->setIntegration(new QDesignerIntegration(m_core, this));
    m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
    m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, nullptr));
    m_core->widgetBox()->setFileName(QStringLiteral(":/qt-project.org/widgetbox/widgetbox.xml"));
    QVERIFY(m_core->widgetBox()->load());

    m_form = m_core->formWindowManager()->createFormWindow(nullptr, Qt::Window);
    QVERIFY(m_form->setContents(QString::fromUtf8(kForm)));
    m_core->formWindowManager()->setActiveFormWindow(m_form);
    m_form->setDirty(false);
}

void TestDesignerPlugin::cleanupTestCase()
{
    delete m_form;
    delete m_core->widgetBox();
    delete m_core->propertyEditor();
}

QDesignerCustomWidgetInterface *TestDesignerPlugin::control(const QString &name) const
{
    for (QDesignerCustomWidgetInterface *c : m_controls) {
        if (c->name() == name)
            return c;
    }
    return nullptr;
}

QWidget *TestDesignerPlugin::onForm(const char *name) const
{
    return m_form->mainContainer()->findChild<QWidget *>(QLatin1String(name));
}

QDesignerPropertySheetExtension *TestDesignerPlugin::sheetOf(QWidget *widget) const
{
    return qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), widget);
}

void TestDesignerPlugin::offersThreeControlsInOneGroup()
{
    const QStringList names{"VelCProg", "ButtonEx", "LightTab"};
    QCOMPARE(m_controls.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QDesignerCustomWidgetInterface *c = m_controls.at(i);
        QCOMPARE(c->name(), names.at(i));
        QCOMPARE(c->group(), QStringLiteral("Tallyfold"));
        QVERIFY(!c->icon().isNull() && !c->toolTip().isEmpty() && !c->whatsThis().isEmpty());
        QVERIFY(!c->isContainer());
        // Designer has initialised it: what it makes from now on is designed.
        QVERIFY(c->isInitialized());
    }
    QCOMPARE(control("LightTab")->includeFile(), QStringLiteral("lighttab.h"));

    // Designer took all three into its widget box.
    QDesignerWidgetBoxInterface *box = m_core->widgetBox();
    QStringList inBox;
    for (int i = 0; i < box->categoryCount(); ++i) {
        const QDesignerWidgetBoxInterface::Category category = box->category(i);
        for (int w = 0; category.name() == QLatin1String("Tallyfold") && w < category.widgetCount();
             ++w)
            inBox.append(category.widget(w).name());
    }
    QCOMPARE(inBox, names);
}

void TestDesignerPlugin::domXmlGivesNewControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("helpTexts");
    // The dial's and the button's help texts for every property a designer
    // shows; the tab strip publishes none.
    QTest::newRow("dial") << "VelCProg" << QSize(100, 100) << 48;
    // 1200 by 360 twips at 96 dpi.
    QTest::newRow("button") << "ButtonEx" << QSize(80, 24) << 27;
    QTest::newRow("tab strip") << "LightTab" << QSize(320, 160) << 0;
}

void TestDesignerPlugin::domXmlGivesNewControl()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, helpTexts);
    QDesignerCustomWidgetInterface *c = control(name);
    const DomXml dom = parse(c->domXml());
    QVERIFY(dom.wellFormed);
    QCOMPARE(dom.className, name);
    QCOMPARE(dom.objectName, name + QLatin1Char('1'));
    QCOMPARE(dom.size, size);
    QCOMPARE(dom.toolTips.size(), helpTexts);
    // A control that sizes itself agrees.
    std::unique_ptr<QWidget> widget(c->createWidget(nullptr));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
    if (name != QLatin1String("VelCProg"))
        QCOMPARE(widget->size(), size);

    if (name == QLatin1String("VelCProg")) {
        QCOMPARE(dom.toolTips.value("Value"), QStringLiteral("Current value (between Min & Max)"));
        QCOMPARE(dom.toolTips.value("Tricolor"),
                 QStringLiteral("Use/Don't use Midcolor in fades & gradients"));
        QVERIFY(!dom.toolTips.contains("Repaint"));
    } else if (name == QLatin1String("ButtonEx")) {
        // Events have help texts too, but no place in the property editor.
        QVERIFY(!dom.toolTips.contains("Click"));
        QCOMPARE(dom.stringTypes.value("Caption"), QStringLiteral("singleline"));
    }
}

void TestDesignerPlugin::newControlsHaveNewControlDefaults()
{
    const QList<std::tuple<const char *, const char *, QVariant>> defaults = {
        {"VelCProg", "Max", 100},
        {"VelCProg", "Value", 50},
        {"VelCProg", "Span", 360},
        {"VelCProg", "StartColor", 0x000000C0u},
        {"VelCProg", "CircleColor", 0x8000000Fu},
        {"VelCProg", "ShowNeedle", false},
        {"ButtonEx", "Caption", QStringLiteral("ButtonEx1")},
        {"ButtonEx", "Appearance", 1},
        {"ButtonEx", "BorderStyle", 1},
        {"ButtonEx", "TransparentColor", 0x00FF0000u},
        {"ButtonEx", "Font", QApplication::font()},
        {"LightTab", "Caption", kDefaultCaptions},
        {"LightTab", "NumberOfTabs", 4},
        {"LightTab", "ActiveTab", 0},
    };
    for (const auto &[name, property, value] : defaults) {
        std::unique_ptr<QWidget> widget(control(name)->createWidget(nullptr));
        QVariant actual = widget->property(property);
        QVERIFY(actual.convert(value.metaType()));
        QVERIFY2(actual == value, property);
    }

    // And it draws them: a plain face with a raised edge.
    std::unique_ptr<QWidget> button(control("ButtonEx")->createWidget(nullptr));
    const QImage face = button->grab().toImage();
    QCOMPARE(face.pixelColor(1, 1), button->palette().color(QPalette::Light));
    QCOMPARE(face.pixelColor(4, 12), button->palette().color(QPalette::Button));
}

void TestDesignerPlugin::formLoadsAndSavesThroughControlProperties()
{
    QVERIFY(onForm("cp1")->inherits("VelCProg"));
    QVERIFY(onForm("Command1")->inherits("ButtonEx"));
    QVERIFY(onForm("LightTab1")->inherits("LightTab"));
    QCOMPARE(onForm("cp1")->property("BorderWidth").toInt(), 3);
    QCOMPARE(onForm("Command1")->property("Caption").toString(), QStringLiteral("START"));
    QCOMPARE(onForm("LightTab1")->property("NumberOfTabs").toInt(), 3);

    // Saved again: what was set, and nothing of what Designer cannot show.
    const QString saved = m_form->contents();
    QVERIFY(saved.contains(QLatin1String("<property name=\"BorderWidth\">")));
    QVERIFY(saved.contains(QLatin1String("<string>START</string>")));
    QVERIFY(!saved.contains(QLatin1String("\"Picture\"")));
}

void TestDesignerPlugin::everyPropertyFormHoldsAllDesignerOffers()
{
    // The form that tst_designedforms compiles with uic must set every
    // property of the controls' own that Designer lets a form hold, or a
    // setter uic needs could be missing unnoticed.
    QFile file(QStringLiteral(TALLYFOLD_EVERY_PROPERTY_FORM));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QDesignerFormWindowInterface> form(
        m_core->formWindowManager()->createFormWindow(nullptr, Qt::Window));
    QString error;
    QVERIFY2(form->setContents(&file, &error), qPrintable(error));
    const QList<std::pair<const char *, int>> controls = {
        {"cp1", 46}, {"ButtonEx1", 23}, {"LightTab1", 3}};
    for (const auto &[name, count] : controls) {
        auto *control = form->mainContainer()->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(control, name);
        QDesignerPropertySheetExtension *sheet = sheetOf(control);
        QStringList offered, missing;
        for (int i = 0; i < sheet->count(); ++i) {
            const QByteArray property = sheet->propertyName(i).toLatin1();
            const int own = control->metaObject()->indexOfProperty(property.constData());
            if (own < QWidget::staticMetaObject.propertyCount() || !sheet->isVisible(i))
                continue;
            offered << QString::fromLatin1(property);
            if (!sheet->isChanged(i))
                missing << QString::fromLatin1(property);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
        QCOMPARE(offered.size(), count);
    }
}

void TestDesignerPlugin::propertyEditorShowsHelpTexts()
{
    QDesignerPropertyEditorInterface *editor = m_core->propertyEditor();
    editor->setObject(onForm("cp1"));
    QHash<QString, QString> rows;
    for (QTreeWidget *tree : editor->findChildren<QTreeWidget *>()) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            rows.insert((*it)->text(0), (*it)->toolTip(0));
    }
    QCOMPARE(rows.value("Min"), QStringLiteral("Lowest allowable value"));
    QCOMPARE(rows.value("BorderWidth"), QStringLiteral("Width of border, if shown"));
    QVERIFY(rows.contains("TickFrequency"));
    QVERIFY(!rows.contains("hwnd") && !rows.contains("Picture"));
}

void TestDesignerPlugin::propertySheetEditsSmallNumbersAndHidesPictures()
{
    QWidget *dial = onForm("cp1");
    QDesignerPropertySheetExtension *sheet = sheetOf(dial);
    QCOMPARE(sheet->property(sheet->indexOf("BorderWidth")).metaType(), QMetaType::fromType<int>());
    QCOMPARE(sheet->property(sheet->indexOf("TickFrequency")).metaType(),
             QMetaType::fromType<double>());
    QCOMPARE(sheet->property(sheet->indexOf("geometry")).toRect(), QRect(10, 10, 120, 120));
    QDesignerPropertySheetExtension *buttonSheet = sheetOf(onForm("Command1"));
    for (const char *hidden : {"hdc", "hwnd", "Picture", "SkinUp", "MouseIcon"})
        QVERIFY2(!buttonSheet->isVisible(buttonSheet->indexOf(hidden)), hidden);
    QVERIFY(buttonSheet->isVisible(buttonSheet->indexOf("Enabled")));

    // An edit as the property editor makes one: the control gets its own
    // type, the form is changed, and undo takes it back.
    const int step = m_form->commandHistory()->index();
    m_form->cursor()->setWidgetProperty(dial, "TickFrequency", 2.5);
    QCOMPARE(dial->property("TickFrequency"), QVariant(2.5f));
    QVERIFY(m_form->isDirty());
    QCOMPARE(m_form->commandHistory()->index(), step + 1);
    m_form->commandHistory()->undo();
    QCOMPARE(dial->property("TickFrequency"), QVariant(10.0f));

    // Beyond 16 bits is held to the range rather than wrapped to a small
    // number; the strip then applies its own limit.
    QWidget *tabStrip = onForm("LightTab1");
    m_form->cursor()->setWidgetProperty(tabStrip, "NumberOfTabs", 65536 + 3);
    QCOMPARE(tabStrip->property("NumberOfTabs").toInt(), 256);
    m_form->commandHistory()->undo();
    QCOMPARE(tabStrip->property("NumberOfTabs").toInt(), 3);
    m_form->setDirty(false);
}

void TestDesignerPlugin::runPage(const std::function<void(QDialog *)> &edit)
{
    QExtensionManager *manager = m_core->extensionManager();
    QVERIFY(!qt_extension<QDesignerTaskMenuExtension *>(manager, onForm("cp1")));
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(manager, onForm("LightTab1"));
    QVERIFY(menu);
    QCOMPARE(menu->taskActions(), QList<QAction *>{menu->preferredEditAction()});
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("PropertyPage1"));
        edit(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    menu->preferredEditAction()->trigger();
    QVERIFY2(opened, "the page did not open");
}

void TestDesignerPlugin::pageAppliesAsOneUndoableEditOrNothing()
{
    QWidget *tabStrip = onForm("LightTab1");
    const int step = m_form->commandHistory()->index();
    runPage([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>("txtActiveTab")->setText(QStringLiteral("two"));
        dialog->findChild<QLineEdit *>("txtCaption")->setText(QStringLiteral("Never"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        // Refused: the page stays open and says why.
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->findChild<QLabel *>("refusal")->text().isEmpty());
    });
    QCOMPARE(tabStrip->property("Caption").toString(), kDefaultCaptions);
    QCOMPARE(m_form->commandHistory()->index(), step);
    QVERIFY(!m_form->isDirty());

    runPage([](QDialog *dialog) {
        QPushButton *apply =
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply);
        auto *caption = dialog->findChild<QLineEdit *>("txtCaption");
        // Filled from the strip on the form; nothing to apply yet.
        QCOMPARE(dialog->findChild<QLineEdit *>("txtNumberOfTabs")->text(), QStringLiteral("3"));
        QCOMPARE(caption->text(), QStringLiteral("Tab0"));
        QVERIFY(!apply->isEnabled());
        dialog->findChild<QScrollBar *>("HScroll1")->setValue(1);
        caption->setText(QStringLiteral("Timing"));
        QVERIFY(apply->isEnabled());
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(tabStrip->property("Caption").toString(),
             QStringLiteral("Tab0|Timing|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    QCOMPARE(tabStrip->property("NumberOfTabs").toInt(), 3);
    QVERIFY(m_form->isDirty());
    QVERIFY(m_form->contents().contains(QLatin1String("Tab0|Timing|")));
    QCOMPARE(m_form->commandHistory()->index(), step + 1);
    m_form->commandHistory()->undo();
    QCOMPARE(tabStrip->property("Caption").toString(), kDefaultCaptions);
    m_form->setDirty(false);
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
