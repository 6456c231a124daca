#include "buttonex.h"
#include "buttonexstore.h"
#include "buttontesthelpers.h"
#include "propertybag.h"
#include "skinsize.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using platform::PropertyBag;
namespace State = button::State;

namespace {

QStringList namesOf(const PropertyBag &bag)
{
    QStringList names;
    for (const PropertyBag::Entry &entry : bag.entries())
        names << entry.name;
    return names;
}

// A list of names written as one line of text, which keeps long orders readable.
QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

PropertyBag saved(const ButtonEx &b)
{
    PropertyBag bag;
    b.writeProperties(bag);
    return bag;
}

// Puts every stored property away from its default; returns what it saves.
PropertyBag changeEverything(ButtonEx &b)
{
    for (auto setter :
         {&ButtonEx::setMouseIcon, &ButtonEx::setPicture, &ButtonEx::setPictureDisabled,
          &ButtonEx::setPictureDown, &ButtonEx::setPictureFocus, &ButtonEx::setPictureOver,
          &ButtonEx::setSkinDisabled, &ButtonEx::setSkinDown, &ButtonEx::setSkinFocus,
          &ButtonEx::setSkinOver, &ButtonEx::setSkinUp})
        (b.*setter)(buttontest::framedPicture(8, Qt::green, Qt::blue));
    b.setAllowDefault(false);
    b.setAllowFocus(false);
    b.setAppearance(0);
    b.setBackColor(0x00112233);
    b.setBorderStyle(3);
    b.setCaption(QStringLiteral("&Go"));
    b.setCaptionOffsetX(2);
    b.setCaptionOffsetY(-1);
    b.setControlEnabled(false);
    b.setForeColor(0x00445566);
    b.setControlFont(QFont(QStringLiteral("Liberation Serif"), 11, QFont::Bold, true));
    b.setHighlightColor(0x000000FF);
    b.setHighlightPicture(true);
    b.setMousePointer(99);
    b.setOleDropMode(1);
    b.setPictureOffsetX(3);
    b.setPictureOffsetY(4);
    b.setRightToLeft(true);
    b.setButtonStyle(1);
    b.setToolTipText(QStringLiteral("tip"));
    b.setTransparentColor(0x0000FF00);
    b.setValue(0);
    b.setWhatsThisHelpID(77);
    return saved(b);
}

const QStringList SaveOrder =
    words("AllowDefault AllowFocus Appearance Enabled BackColor BorderStyle Caption "
          "CaptionOffsetX CaptionOffsetY ForeColor Font HighlightColor HighlightPicture "
          "OLEDropMode Picture PictureDisabled PictureDown PictureFocus PictureOffsetX "
          "PictureOffsetY PictureOver RightToLeft TransparentColor MouseIcon MousePointer "
          "SkinDisabled SkinDown SkinFocus SkinOver SkinUp Style ToolTipText TransparentColor "
          "Value WhatsThisHelpID");

const QStringList LoadOrder =
    words("AllowDefault AllowFocus Appearance BackColor BorderStyle Caption CaptionOffsetX "
          "CaptionOffsetY Enabled ForeColor Font HighlightColor HighlightPicture MouseIcon "
          "MousePointer OLEDropMode Picture PictureDisabled PictureDown PictureFocus "
          "PictureOffsetX PictureOffsetY PictureOver RightToLeft SkinDisabled SkinDown "
          "SkinFocus SkinOver SkinUp Style ToolTipText TransparentColor Value WhatsThisHelpID");

QStringList changedNames(const QSignalSpy &spy)
{
    QStringList names;
    for (const QList<QVariant> &args : spy)
        names << args.first().toString();
    return names;
}

} // namespace

class TestButtonPersistence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { buttontest::installPalette(); }

    void newControlSavesOnlyItsEmptyPictures();
    void saveOrderWithTransparentColourTwice();
    void roundTripKeepsEveryValueThroughTheSetters();
    void absentPicturesLoadAsNothing();
    void loadedValuesTakeEffect();
    void badStoredValueIsReported();
    void textFormRoundTrip();
    void settersReportAndRepaintAsTheyShould();
    void colourPropertiesStoreSystemColours();
    void himetricSizes();
    void helpTextsNameRealMembers();
    void formSetterNamesReachTheirProperties();
    void enabledAndFontSetOnTheWidgetAreStored();
};

void TestButtonPersistence::newControlSavesOnlyItsEmptyPictures()
{
    // A new control's pictures are empty objects, not nothing, so they are stored.
    ButtonEx b;
    const PropertyBag bag = saved(b);
    QCOMPARE(namesOf(bag), words("Picture PictureDisabled PictureDown PictureFocus PictureOver "
                                 "MouseIcon SkinDisabled SkinDown SkinFocus SkinOver SkinUp"));
    for (const PropertyBag::Entry &entry : bag.entries()) {
        const auto picture = entry.value.toPicture();
        QVERIFY(picture && picture.value() && picture.value()->isNull());
    }
}

void TestButtonPersistence::saveOrderWithTransparentColourTwice()
{
    ButtonEx b;
    const PropertyBag bag = changeEverything(b);
    QCOMPARE(namesOf(bag), SaveOrder);
    QCOMPARE(bag.entries().at(22).value, bag.entries().at(32).value);
}

void TestButtonPersistence::roundTripKeepsEveryValueThroughTheSetters()
{
    ButtonEx original, copy;
    const PropertyBag bag = changeEverything(original);
    QSignalSpy spy(&copy, &ButtonEx::propertyChanged);
    QVERIFY(!copy.readProperties(bag));
    QCOMPARE(changedNames(spy), LoadOrder); // through the setters, in this order
    const QMetaObject &meta = ButtonEx::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!property.isWritable())
            continue;
        QCOMPARE(copy.property(property.name()), original.property(property.name()));
    }
    QCOMPARE(saved(copy), bag);

    // An empty bag still applies every default through its setter.
    ButtonEx plain;
    QSignalSpy plainSpy(&plain, &ButtonEx::propertyChanged);
    QVERIFY(!plain.readProperties(PropertyBag()));
    QCOMPARE(changedNames(plainSpy), LoadOrder);
}

void TestButtonPersistence::absentPicturesLoadAsNothing()
{
    ButtonEx b;
    QVERIFY(b.picture().has_value());
    const QImage newLook = b.surface().image();
    QVERIFY(!b.readProperties(PropertyBag()));
    for (const char *name :
         {"MouseIcon", "Picture", "PictureDisabled", "PictureDown", "PictureFocus", "PictureOver",
          "SkinDisabled", "SkinDown", "SkinFocus", "SkinOver", "SkinUp"})
        QVERIFY2(!b.property(name).value<ButtonEx::Picture>().has_value(), name);
    QCOMPARE(b.surface().image(), newLook);
    QVERIFY(saved(b).isEmpty()); // and nothing is written out again
}

void TestButtonPersistence::loadedValuesTakeEffect()
{
    PropertyBag bag;
    bag.writeInt32(QStringLiteral("Value"), 0, 1);
    bag.writeInt32(QStringLiteral("Style"), 1, 0);
    // Twice, as a save stores it (here once in other letters): it still loads.
    bag.writeInt32(QStringLiteral("TransparentColor"), 0x00ABCDEF, 0x00FF0000);
    bag.writeInt32(QStringLiteral("transparentcolor"), 0x00ABCDEF, 0x00FF0000);
    ButtonEx b;
    QVERIFY(!b.readProperties(bag));
    QCOMPARE(b.transparentColor(), 0x00ABCDEFu);
    QCOMPARE(b.value(), State::Down);
    QCOMPARE(b.drawState(), State::Down);
    b.Redraw(State::Over); // latched: every repaint stays down
    QCOMPARE(b.drawState(), State::Down);
}

void TestButtonPersistence::badStoredValueIsReported()
{
    PropertyBag bag;
    bag.writeText(QStringLiteral("Caption"), QStringLiteral("Kept"), QString());
    bag.writeText(QStringLiteral("Enabled"), QStringLiteral("yes"), QString());
    bag.writeInt32(QStringLiteral("Value"), 0, 1);
    ButtonEx b;
    const auto error = b.readProperties(bag);
    QVERIFY(error);
    QVERIFY2(error->message.contains(QStringLiteral("Enabled")), qPrintable(error->message));
    QCOMPARE(b.caption(), QStringLiteral("Kept")); // read before the fault
    QCOMPARE(b.value(), State::Up);                // never reached
}

void TestButtonPersistence::textFormRoundTrip()
{
    ButtonEx original;
    const auto parsed = PropertyBag::fromJson(changeEverything(original).toJson());
    QVERIFY2(parsed, qPrintable(parsed.error()));
    ButtonEx copy;
    QVERIFY(!copy.readProperties(parsed.value()));
    QCOMPARE(copy.caption(), QStringLiteral("&Go"));
    QCOMPARE(copy.backColor(), 0x00112233u);
    QCOMPARE(*copy.skinUp(), *original.skinUp());
}

void TestButtonPersistence::settersReportAndRepaintAsTheyShould()
{
    ButtonEx b;
    b.setCaption(QString());
    QSignalSpy spy(&b, &ButtonEx::propertyChanged);

    // State pictures are stored and reported, with nothing drawn.
    const QImage before = b.surface().image();
    b.setPictureOver(buttontest::framedPicture(8, Qt::red, Qt::blue));
    b.setPictureDown(buttontest::framedPicture(8, Qt::red, Qt::blue));
    b.setOleDropMode(2);
    b.setWhatsThisHelpID(5);
    b.setToolTipText(QStringLiteral("Pick me"));
    QCOMPARE(b.surface().image(), before);
    QCOMPARE(b.toolTip(), QStringLiteral("Pick me"));
    QCOMPARE(changedNames(spy), QStringList({"PictureOver", "PictureDown", "OLEDropMode",
                                             "WhatsThisHelpID", "ToolTipText"}));

    // Written back with its own value, every other property repaints (which
    // removes the focus rectangle DrawHighlight leaves until then).
    QStringList quiet;
    const QMetaObject &meta = ButtonEx::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!property.isWritable())
            continue;
        b.ClearHighlight();
        b.DrawHighlight();
        const QRgb marked = b.surface().rgb(0, 0);
        QVERIFY(property.write(&b, property.read(&b)));
        if (b.surface().rgb(0, 0) == marked)
            quiet << QString::fromLatin1(property.name());
    }
    QCOMPARE(quiet, words("MouseIcon MousePointer OLEDropMode PictureDisabled PictureDown "
                          "PictureFocus PictureOver ToolTipText WhatsThisHelpID"));

    // HighlightPicture repaints in the current state.
    b.Redraw(State::Over);
    b.setHighlightPicture(true);
    QCOMPARE(b.drawState(), State::Over);

    // Value repaints in the new state.
    b.setValue(State::Down);
    QCOMPARE(b.drawState(), State::Down);
    b.setValue(7); // out of range: an edgeless face
    QCOMPARE(b.drawState(), 7);
    QCOMPARE(QColor::fromRgb(b.surface().image().pixel(0, 0)), buttontest::Face);

    // Pointer shapes.
    b.setMousePointer(2);
    QCOMPARE(b.cursor().shape(), Qt::CrossCursor);
    b.setMousePointer(99);
    QCOMPARE(b.cursor().shape(), Qt::ArrowCursor); // custom, but the icon has no image
    b.setMouseIcon(buttontest::framedPicture(16, Qt::red, Qt::blue));
    QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
    b.setMousePointer(0);
    QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
}

void TestButtonPersistence::colourPropertiesStoreSystemColours()
{
    ButtonEx b;
    b.setBackColor(platform::SystemColour::GrayText);
    const auto stored = saved(b).readInt32(QStringLiteral("BackColor"), 0);
    QVERIFY(stored);
    QCOMPARE(static_cast<quint32>(stored.value()), 0x80000011u);
    QCOMPARE(QColor::fromRgb(b.surface().image().pixel(3, 3)), buttontest::GreyText);
}

void TestButtonPersistence::himetricSizes()
{
    QImage image(96, 48, QImage::Format_RGB32);
    image.setDotsPerMeterX(0); // no resolution of its own: 96 dpi
    image.setDotsPerMeterY(0);
    QCOMPARE(button::himetricSize(image), QSize(2540, 1270));
    image.setDotsPerMeterX(7500);
    image.setDotsPerMeterY(7500);
    QCOMPARE(button::himetricSize(image), QSize(1280, 640));
    // 1280 / 1.76 = 727.3 twips = 48.5 pixels; 640 / 1.76 = 363.6 twips = 24.2 pixels
    QCOMPARE(button::skinPixelSize(image, {15.0, 15.0}), QSize(48, 24));
    QCOMPARE(button::skinPixelSize(image, {12.0, 7.5}), QSize(61, 48));
}

void TestButtonPersistence::formSetterNamesReachTheirProperties()
{
    // The names a form compiled by uic calls for OLEDropMode and Style.
    ButtonEx b;
    QSignalSpy reports(&b, &ButtonEx::propertyChanged);
    b.setOLEDropMode(1);
    b.setStyle(1);
    QCOMPARE(b.oleDropMode(), 1);
    QCOMPARE(b.buttonStyle(), 1);
    QCOMPARE(changedNames(reports), QStringList({"OLEDropMode", "Style"}));
    // QWidget's own setStyle is still there, and leaves Style alone.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QVERIFY(fusion);
    b.setStyle(fusion.get());
    QCOMPARE(b.style(), fusion.get());
    QCOMPARE(b.buttonStyle(), 1);
    b.setStyle(nullptr);
}

void TestButtonPersistence::enabledAndFontSetOnTheWidgetAreStored()
{
    QWidget window;
    auto *b = new ButtonEx(&window);
    auto *reference = new ButtonEx(&window);
    reference->setControlEnabled(false);
    QSignalSpy reports(b, &ButtonEx::propertyChanged);

    // A disabled window disables the button without changing its Enabled.
    window.setEnabled(false);
    window.setEnabled(true);
    QVERIFY(b->controlEnabled());
    // Asked of the button itself, as a form compiled by uic does for Enabled:
    // stored, reported and drawn like the property.
    b->setEnabled(false);
    QVERIFY(!b->controlEnabled());
    QCOMPARE(changedNames(reports), QStringList{"Enabled"});
    QCOMPARE(b->surface().image(), reference->surface().image());
    b->setEnabled(true);
    QVERIFY(b->controlEnabled());

    // Likewise the font: the window's does not reach it, its own does.
    const QFont before = b->controlFont();
    window.setFont(QFont(QStringLiteral("Liberation Serif"), 20));
    QCOMPARE(b->controlFont(), before);
    QFont size14;
    size14.setPointSize(14);
    b->setFont(size14);
    QCOMPARE(b->controlFont().pointSize(), 14);
    QCOMPARE(reports.last().at(0).toString(), QStringLiteral("Font"));
}

void TestButtonPersistence::helpTextsNameRealMembers()
{
    // A designer looks the descriptions up by member name: a misspelt one
    // would silently never show.
    const QMetaObject &meta = ButtonEx::staticMetaObject;
    int described = 0;
    for (int i = meta.classInfoOffset(); i < meta.classInfoCount(); ++i) {
        const QByteArray key = meta.classInfo(i).name();
        if (!key.startsWith("Help."))
            continue;
        ++described;
        const QByteArray member = key.mid(5);
        bool found = meta.indexOfProperty(member.constData()) >= 0;
        for (int m = 0; !found && m < meta.methodCount(); ++m)
            found = meta.method(m).name() == member;
        QVERIFY2(found, key.constData());
        QVERIFY(qstrlen(meta.classInfo(i).value()) > 0);
    }
    QCOMPARE(described, 37);

    // Every event is described but the six OLE events, which have no text; an
    // event added or renamed without its description fails here.
    QStringList events;
    for (int m = meta.methodOffset(); m < meta.methodCount(); ++m) {
        const QMetaMethod method = meta.method(m);
        if (method.methodType() != QMetaMethod::Signal || method.name() == "propertyChanged")
            continue;
        events << QString::fromLatin1(method.name());
        const bool hasText = meta.indexOfClassInfo("Help." + method.name()) >= 0;
        QVERIFY2(hasText != method.name().startsWith("OLE"), method.name().constData());
    }
    QCOMPARE(events.size(), 16);

    const auto text = [&meta](const char *key) {
        return QByteArray(meta.classInfo(meta.indexOfClassInfo(key)).value());
    };
    QCOMPARE(text("Help.mouseDown"), QByteArray("Occurs when the user presses the mouse button "
                                                "while the control has the focus."));
    QCOMPARE(text("Help.Resize"), QByteArray("Occurs when a form is first displayed or the size "
                                             "of the control changes."));
}

QTEST_MAIN(TestButtonPersistence)
#include "tst_buttonpersistence.moc"
