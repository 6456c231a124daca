#include "aboutfrm.h"

#include "buttonex.h"
#include "designfont.h"
#include "graphicsbas.h"
#include "inputcodes.h"
#include "labelaction.h"
#include "messagebox.h"
#include "twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <cmath>

namespace {

const QString LogoResource = QStringLiteral(":/images/logo.png");
const QString DesignFace = QStringLiteral("MS Sans Serif");

constexpr int VersionMajor = TALLYFOLD_VERSION_MAJOR;
constexpr int VersionMinor = TALLYFOLD_VERSION_MINOR;
constexpr int VersionPatch = TALLYFOLD_VERSION_PATCH;

// The window's design, in twips: its client area and each control's box.
const QSizeF ClientTwips(5550, 2760);
const QRectF Image1Twips(75, 75, 1680, 2610);
const QRectF Label1Twips(1905, 135, 3480, 255);
const QRectF Label3Twips(2355, 450, 2535, 420);
const QRectF Label2Twips(2535, 915, 2160, 240);
const QRectF Label4Twips(2220, 1530, 2925, 255);
const QRectF ButtonEx1Twips(3045, 2235, 1275, 465);

QRect toPixels(const QRectF &twips, platform::TwipsPerPixel tpp)
{
    const auto px = [](double v, double factor) { return int(std::lround(v / factor)); };
    return QRect(px(twips.left(), tpp.x), px(twips.top(), tpp.y), px(twips.width(), tpp.x),
                 px(twips.height(), tpp.y));
}

// The keys that press what has the focus.
bool isPressKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// The mail link's launch result keeps the shell's convention: 32 or below
// is a failure.
constexpr qint32 LaunchFailedAtMost = 32;

QFont underlined(QFont font)
{
    font.setUnderline(true);
    return font;
}

} // namespace

AboutFrm::AboutFrm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(tr("About"));
    // A fixed tool window: a title bar with a close box only, and no entry of
    // its own in the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // Moves with no button held must reach the window for the link's hover.
    setMouseTracking(true);
    setFont(designFont(DesignFace, 8.25));
    createControls();
    Form_Load();
}

AboutFrm::~AboutFrm() = default;

void AboutFrm::createControls()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(LogoResource));
    Image1->setAccessibleName(tr("The Tallyfold Numbers Game logo"));

    Label1 = createLabel("Label1", tr("The Tallyfold Numbers Game"));
    Label1->setFont(underlined(designFont(DesignFace, 9.75, QFont::Bold)));

    Label3 = createLabel("Label3",
                         tr("Copyright \u00A9 2026 %1.\nAll rights reserved.").arg(AuthorName));

    Label2 = createLabel(
        "Label2", tr("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionPatch));
    Label2->setFont(designFont(DesignFace, 8.25, QFont::Bold));

    Label4 = createLabel("Label4", tr("E-mail %1").arg(AuthorName));
    Label4->setFont(underlined(designFont(DesignFace, 8.25, QFont::Bold)));
    Label4->setMouseTracking(true);
    Label4->setCursor(Qt::PointingHandCursor); // it reads as a link, so it points like one
    Label4->setFocusPolicy(Qt::StrongFocus);   // and, like a link, takes the keyboard
    Label4->installEventFilter(this);
    platform::setLabelAction(*Label4, {QAccessible::Link,
                                       QAccessibleActionInterface::pressAction(),
                                       [this] { Label4_Click(); },
                                       {}});

    ButtonEx1 = new ButtonEx(this);
    ButtonEx1->setObjectName(QStringLiteral("ButtonEx1_0"));
    ButtonEx1->setCaption(tr("OK"));
    ButtonEx1->setBorderStyle(3);
    ButtonEx1->setControlFont(designFont(DesignFace, 8.25, QFont::Bold));
    ButtonEx1->setHighlightColor(platform::rgbColour(0, 0, 255));
    ButtonEx1->setTransparentColor(0x00008080);
    connect(ButtonEx1, &ButtonEx::Click, this, [this] { ButtonEx1_Click(0); });

    setLabel4ForeColor(platform::SystemColour::ButtonText);
}

QLabel *AboutFrm::createLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void AboutFrm::Form_Load()
{
    const platform::TwipsPerPixel tpp = platform::twipsPerPixel(screen());
    setFixedSize(toPixels(QRectF(QPointF(0, 0), ClientTwips), tpp).size());
    Image1->setGeometry(toPixels(Image1Twips, tpp));
    Label1->setGeometry(toPixels(Label1Twips, tpp));
    Label3->setGeometry(toPixels(Label3Twips, tpp));
    Label2->setGeometry(toPixels(Label2Twips, tpp));
    Label4->setGeometry(toPixels(Label4Twips, tpp));
    ButtonEx1->setGeometry(toPixels(ButtonEx1Twips, tpp));
    ButtonEx1->setFocus(); // Enter closes the window until the player picks the link
    GraphicsBas::CenterOnScreen(*this);
}

void AboutFrm::ButtonEx1_Click(qint16 index)
{
    Q_UNUSED(index);
    accept();
}

void AboutFrm::Label4_MouseMove(short Button, short Shift, float X, float Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    setLabel4ForeColor(platform::rgbColour(0, 0, 255));
}

void AboutFrm::Form_MouseMove(short Button, short Shift, float X, float Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    if (m_label4ForeColor != platform::SystemColour::ButtonText)
        setLabel4ForeColor(platform::SystemColour::ButtonText);
}

void AboutFrm::Label4_Click()
{
    QString address = AuthorAddress;
    QString subject = tr("The Tallyfold Numbers Game: %1.%2").arg(VersionMajor).arg(VersionMinor);
    QString body;
    const Variant launch =
        GraphicsBas::OpenMailTo(static_cast<qint32>(effectiveWinId()), address, subject, body);
    if (launch.toNumber().value_or(0) > LaunchFailedAtMost)
        return;
    // Without a mail program the click would do nothing visible: the player
    // gets the address instead, selectable so that it can be copied.
    //: Shown when clicking the about window's mail link opens no mail program;
    //: %1 the author's name, %2 the mail address.
    platform::showInformation(this,
                              tr("No mail program could be opened. You can write to %1 at:\n%2")
                                  .arg(AuthorName, AuthorAddress),
                              tr("E-mail %1").arg(AuthorName), platform::MessageText::Selectable);
}

void AboutFrm::setLabel4ForeColor(platform::OleColour colour)
{
    m_label4ForeColor = colour;
    QPalette look = Label4->palette();
    look.setColor(QPalette::WindowText, platform::toQColor(colour, palette()));
    Label4->setPalette(look);
}

bool AboutFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Label4)
        return QDialog::eventFilter(watched, event);
    // The link's own mouse events stop here, so the window underneath never
    // takes a move over the link for one over its background.
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isPressKey(static_cast<QKeyEvent *>(event)->key())) {
            Label4_Click();
            return true;
        }
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // With the focus the link shows as it does under the pointer.
        setLabel4ForeColor(event->type() == QEvent::FocusIn ? platform::rgbColour(0, 0, 255)
                                                            : platform::SystemColour::ButtonText);
        return false;
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        Label4_MouseMove(button::mouseButtonBits(move->buttons()),
                         button::shiftBits(move->modifiers()),
                         float(platform::pixelsToTwipsX(move->position().x(), screen())),
                         float(platform::pixelsToTwipsY(move->position().y(), screen())));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_label4Pressed = true;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() != Qt::LeftButton)
            return true;
        // A click is a press and a release both over the link.
        const bool clicked =
            m_label4Pressed && Label4->rect().contains(release->position().toPoint());
        m_label4Pressed = false;
        if (clicked)
            Label4_Click();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void AboutFrm::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that does not track the pointer itself (a label,
    // the logo) are passed up to the window; only the bare surface counts.
    if (childAt(event->position().toPoint()) == nullptr) {
        Form_MouseMove(button::mouseButtonBits(event->buttons()),
                       button::shiftBits(event->modifiers()),
                       float(platform::pixelsToTwipsX(event->position().x(), screen())),
                       float(platform::pixelsToTwipsY(event->position().y(), screen())));
    }
    QDialog::mouseMoveEvent(event);
}

void AboutFrm::changeEvent(QEvent *event)
{
    // A system colour follows the desktop's theme.
    if (event->type() == QEvent::PaletteChange && Label4)
        setLabel4ForeColor(m_label4ForeColor);
    QDialog::changeEvent(event);
}

void AboutFrm::keyPressEvent(QKeyEvent *event)
{
    // Enter, Space and Escape all close the window, whatever has the focus
    // but the link; the OK button raises its keys to the window, which acts.
    if (isPressKey(event->key())) {
        ButtonEx1_Click(0);
        return;
    }
    QDialog::keyPressEvent(event);
}
