// The settings window's controls and where they stand. Positions are in
// twips, so the window grows with the screen's text size as its fonts do.

#include "accessibility.h"
#include "buttonex.h"
#include "colour.h"
#include "designfont.h"
#include "lefttextcheckbox.h"
#include "lighttab.h"
#include "namedcombobox.h"
#include "propertybag.h"
#include "ratingnames.h"
#include "settingfrm.h"
#include "settingslog.h"
#include "twips.h"
#include "velcprog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

// The preview dial's stored design: the clock face's look, made small.
const QString PreviewResource = QStringLiteral(":/forms/settingfrm-cptest.json");

// A rectangle given in twips, in whole pixels of this screen.
QRect twips(int left, int top, int width, int height)
{
    return QRect(platform::twipsToPixelX(left), platform::twipsToPixelY(top),
                 platform::twipsToPixelX(width), platform::twipsToPixelY(height));
}

// Window, tab strip and the pages it shows.
const QSize ClientTwips(6000, 4680);
const QRect LightTabTwips(120, 120, 5760, 3840);
const QRect FrameTwips(210, 480, 5580, 3390); // inside the tab strip's page border

// The buttons in the usual order of a desktop dialog: OK, Cancel, Apply.
constexpr int ButtonTop = 4110;
constexpr int ButtonWidth = 1260;
constexpr int ButtonHeight = 420;
constexpr std::array<int, 3> ButtonLeft{3240, 1860, 4620}; // Cancel, OK, Apply

QRect twips(const QRect &r)
{
    return twips(r.left(), r.top(), r.width(), r.height());
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const QRect &at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(twips(at));
    return label;
}

// A list to choose from, named by its label. Selection only: a typed text
// would name no list position to store. The label's text names the list for
// assistive technologies, which would otherwise hear only the item it shows
// ("30").
QComboBox *newList(QLabel &label, const QString &name, const QRect &at)
{
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *list = new QComboBox(label.parentWidget());
    list->setObjectName(name);
    label.setBuddy(list);
    list->setAccessibleName(platform::withoutAccessKey(label.text()));
    nameComboBoxForAccessibility(*list);
    list->setEditable(false);
    list->setGeometry(twips(at));
    return list;
}

} // namespace

void SettingFrm::createControls()
{
    setObjectName(QStringLiteral("SettingFrm"));
    setWindowTitle(QStringLiteral(" "));
    // The caption shows nothing; assistive technologies need a name.
    setAccessibleName(tr("Settings"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(twips(0, 0, ClientTwips.width(), ClientTwips.height()).size());

    LightTab1 = new LightTab(this);
    LightTab1->setObjectName(QStringLiteral("LightTab1"));
    LightTab1->setAmbient({true, font(), false});
    LightTab1->setNumberOfTabs(3);
    LightTab1->setGeometry(twips(LightTabTwips));

    for (int k = 0; k < int(Frame1.size()); ++k) {
        Frame1[k] = new QFrame(this);
        Frame1[k]->setObjectName(QStringLiteral("Frame1_%1").arg(k));
        Frame1[k]->setGeometry(twips(FrameTwips));
    }
    createDifficultyTab();
    createTimingTab();
    createGeneralTab();
    createButtons();
}

void SettingFrm::createDifficultyTab()
{
    QFrame *page = Frame1[0];
    Frame2 = new QGroupBox(tr("Target Number Properties:"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips(180, 150, 5220, 1440));

    const std::array<QString, 2> captions{tr("Lowest Value:"), tr("Highest Value:")};
    const std::array<QString, 2> designText{QStringLiteral("101"), QStringLiteral("999")};
    for (int i = 0; i < 2; ++i) {
        const int top = 420 + 450 * i;
        Label3[i] = newLabel(Frame2, QStringLiteral("Label3_%1").arg(i), captions[i],
                             QRect(240, top, 1440, 330));
        Label3[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Text1[i] = new QLineEdit(designText[i], Frame2);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setGeometry(twips(1740, top, 960, 330));
        Label3[i]->setBuddy(Text1[i]);
    }

    // Which targets the roll may stop on, by how hard the board makes them.
    Label6 = newLabel(page, QStringLiteral("Label6"), tr("Target &rating:"),
                      QRect(180, 1800, 2100, 360));
    Combo2 = newList(*Label6, QStringLiteral("Combo2"), QRect(2340, 1800, 1560, 360));
    for (int place = 0; place < RatingNames::Count; ++place)
        Combo2->addItem(RatingNames::name(place));
}

void SettingFrm::createTimingTab()
{
    QFrame *page = Frame1[1];
    Label1 =
        newLabel(page, QStringLiteral("Label1"), tr("Time allowed:"), QRect(180, 180, 1260, 360));
    Combo1 = newList(*Label1, QStringLiteral("Combo1"), QRect(1500, 180, 1050, 360));

    cptest = new VelCProg(page);
    cptest->setObjectName(QStringLiteral("cptest"));
    cptest->setAccessibleName(tr("Preview of the clock"));
    cptest->setGeometry(twips(3870, 90, 1560, 1560));
    loadPreviewDesign();

    //: Shows or hides the count of seconds on the clock; the text stands left of its box.
    Check1 = new LeftTextCheckBox(tr("Show Tallyfold Seconds "), page);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twips(180, 660, 2370, 300));
    Check2 = new LeftTextCheckBox(tr("Turn off sounds:"), page);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(twips(180, 1020, 2370, 300));

    Label5 = newLabel(page, QStringLiteral("Label5"),
                      tr("Adjust the clock to synchronize with the music. Use the "
                         "slider to slow down or quicken the clock."),
                      QRect(180, 1710, 5220, 450));
    Label5->setWordWrap(true);

    HS1 = new QSlider(Qt::Horizontal, page);
    HS1->setObjectName(QStringLiteral("HS1"));
    HS1->setRange(SliderMinimum, SliderMaximum);
    HS1->setSingleStep(SliderSmallStep);
    HS1->setPageStep(SliderLargeStep);
    HS1->setValue(SliderDesignValue);
    HS1->setGeometry(twips(180, 2250, 4260, 330));
    Label5->setBuddy(HS1); // names the slider for assistive technologies

    Label4 = newLabel(page, QStringLiteral("Label4"), QString::number(SliderDesignValue),
                      QRect(4560, 2250, 840, 330));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette white = Label4->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Label4->setPalette(white);
    Label4->setAutoFillBackground(true);

    Label2 = newLabel(page, QStringLiteral("Label2"),
                      tr("Please note that the Tallyfold music will only be audible "
                         "during the last 30 seconds of the Tallyfold."),
                      QRect(180, 2760, 5220, 450));
    Label2->setWordWrap(true);
}

void SettingFrm::createGeneralTab()
{
    const auto addSwitch = [this](const QString &name, const QString &caption, int top) {
        auto *box = new QCheckBox(caption, Frame1[2]);
        box->setObjectName(name);
        box->setGeometry(twips(180, top, 5220, 300));
        return box;
    };
    Check3 =
        addSwitch(QStringLiteral("Check3"), tr("Search every way when no answer is found"), 180);
    Check4 = addSwitch(QStringLiteral("Check4"), tr("Play for points"), 600);
    Check5 = addSwitch(QStringLiteral("Check5"), tr("Only targets the numbers can reach"), 1020);
    Check6 = addSwitch(QStringLiteral("Check6"), tr("Play without the clock"), 1440);
}

void SettingFrm::createButtons()
{
    const std::array<QString, 3> captions{tr("Cancel"), tr("OK"), tr("Apply")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new ButtonEx(this);
        button->setObjectName(QStringLiteral("ButtonEx1_%1").arg(i));
        button->setControlFont(font());
        button->setCaption(captions[i]);
        button->setGeometry(twips(ButtonLeft[i], ButtonTop, ButtonWidth, ButtonHeight));
        ButtonEx1[i] = button;
    }
}

void SettingFrm::loadPreviewDesign()
{
    // A missing or damaged design leaves the dial's own defaults, which still
    // preview the values.
    const auto bag = platform::PropertyBag::fromDesignFile(PreviewResource);
    if (!bag)
        return;
    if (const auto error = cptest->readProperties(bag.value()))
        qCWarning(lcSettings, "preview dial design: %s", qPrintable(error->message));
}
