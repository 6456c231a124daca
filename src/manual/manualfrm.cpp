#include "manualfrm.h"

#include "designfont.h"
#include "graphicsbas.h"
#include "labelaction.h"
#include "messagebox.h"
#include "numericbox.h"
#include "twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRectF>

#include <algorithm>
#include <limits>

using platform::rgbColour;

namespace {

//: Title of the window where the player sets up six numbers and a target by hand.
const char *const Caption = QT_TRANSLATE_NOOP("ManualFrm", "Manual Overide");
const QString SansSerif = QStringLiteral("MS Sans Serif");
const QString DefaultTarget = QStringLiteral("101");
constexpr qint16 LowestTarget = 101;

constexpr platform::OleColour FreeBack = rgbColour(0xE0, 0xE0, 0xE0);
constexpr platform::OleColour FreeFore = platform::SystemColour::WindowText;
constexpr platform::OleColour SelectedBack = rgbColour(0x00, 0x00, 0xFF);
constexpr platform::OleColour SelectedFore = rgbColour(0xFF, 0xFF, 0xFF);

// The window's design, in twips. The number labels sit in three rows inside
// the frame; the target box and the button share the row under it.
constexpr double LabelWidth = 585;
constexpr double LabelHeight = 330;
constexpr double LabelLeft = 90;
constexpr double LabelStep = 615;
constexpr double RowTops[] = {270, 690, 1140};

constexpr QRectF Frame1Place(120, 120, 6300, 1590);
constexpr QRectF Label1Place(120, 1830, 6300, 255);
constexpr QRectF Text1Place(120, 2100, 2055, 660);
constexpr QRectF Command1Place(4365, 2100, 2055, 660);
constexpr double ClientWidth = 6540;
constexpr double ClientHeight = 2880;

QRect toPixels(const QRectF &twips)
{
    return QRect(platform::twipsToPixelX(twips.left()), platform::twipsToPixelY(twips.top()),
                 platform::twipsToPixelX(twips.width()), platform::twipsToPixelY(twips.height()));
}

// Index, caption and row of each number label: two rows of 1 to 10, then
// the four large numbers.
QString labelCaption(int index)
{
    static constexpr int Large[] = {25, 50, 75, 100};
    if (index < 20)
        return QString::number(index % 10 + 1);
    return QString::number(Large[index - 20]);
}

QRectF labelPlace(int index)
{
    const int row = index < 20 ? index / 10 : 2;
    const int column = index < 20 ? index % 10 : index - 20;
    return QRectF(LabelLeft + LabelStep * column, RowTops[row], LabelWidth, LabelHeight);
}

bool isDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isEnter(const QEvent &keyPress)
{
    const int key = static_cast<const QKeyEvent &>(keyPress).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ManualFrm::ManualFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    createControls();
    Form_Load();
}

void ManualFrm::createControls()
{
    setObjectName(QStringLiteral("ManualFrm"));
    setWindowTitle(tr(Caption));
    setFont(designFont(SansSerif, 8.25));

    Frame1 = new QGroupBox(tr("Select 6 numbers to use: "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(toPixels(Frame1Place));

    const QFont labelFont = designFont(SansSerif, 12, QFont::Bold);
    for (int i = 0; i < LabelCount; ++i) {
        auto *label = new QLabel(labelCaption(i), Frame1);
        label->setObjectName(QStringLiteral("l1_%1").arg(i));
        label->setGeometry(toPixels(labelPlace(i)));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        label->setAutoFillBackground(true);
        // Tab and the arrows reach every number; a click does not take the
        // focus from the target box, whose check runs when it loses it.
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
        // A check box to a screen reader, chosen and freed by its action.
        platform::setLabelAction(
            *label, {QAccessible::CheckBox, QAccessibleActionInterface::toggleAction(),
                     [this, i] { l1_Click(qint16(i)); }, [this, i] { return isChosen(i); }});
        l1[i] = label;
        setLabelColours(i, FreeBack, FreeFore);
    }

    Label1 = new QLabel(tr("Enter the Target (between 101 and 999):"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(toPixels(Label1Place));

    Text1 = new QLineEdit(DefaultTarget, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(toPixels(Text1Place));
    Text1->setAlignment(Qt::AlignCenter);
    Label1->setBuddy(Text1); // names the box for assistive technologies
    // The caption gives the game's own range; any target up to the largest
    // the search takes is accepted.
    const QString range =
        tr("A target from %1 to %2").arg(LowestTarget).arg(std::numeric_limits<qint16>::max());
    Text1->setToolTip(range);
    Text1->setAccessibleDescription(range);
    Text1->setFont(designFont(SansSerif, 24));
    platform::installDigitKeyFilter(Text1);
    // A refused check also drops the click whose press moved the focus, so a
    // click on "Find Answers" never goes on with the "101" put back.
    platform::installValidateOnFocusLeave(Text1, [this](bool &cancel) { Text1_Validate(cancel); });
    // Seen before the box's digit filter, which would swallow Enter.
    Text1->installEventFilter(this);

    Command1 = new QPushButton(tr("Find Answers"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(toPixels(Command1Place));
    connect(Command1, &QPushButton::clicked, this, &ManualFrm::Command1_Click);

    setFixedSize(platform::twipsToPixelX(ClientWidth), platform::twipsToPixelY(ClientHeight));
}

void ManualFrm::Form_Load()
{
    m_selectionCount = 0;
    GraphicsBas::CenterOnScreen(*this);
}

void ManualFrm::setLabelColours(int index, platform::OleColour back, platform::OleColour fore)
{
    m_labelBack[index] = back;
    QPalette colours = l1[index]->palette();
    colours.setColor(QPalette::Window, platform::toQColor(back));
    colours.setColor(QPalette::WindowText, platform::toQColor(fore));
    l1[index]->setPalette(colours);
}

bool ManualFrm::isChosen(int index) const
{
    return index >= 0 && index < LabelCount && m_labelBack[index] == SelectedBack;
}

int ManualFrm::numberIndex(const QObject *object) const
{
    const auto found = std::find(l1.begin(), l1.end(), object);
    return found == l1.end() ? -1 : static_cast<int>(found - l1.begin());
}

void ManualFrm::l1_Click(qint16 index)
{
    if (index < 0 || index >= LabelCount)
        return;
    if (m_labelBack[index] == FreeBack) {
        // A seventh choice is simply not taken.
        if (m_selectionCount >= NumbersToChoose)
            return;
        setLabelColours(index, SelectedBack, SelectedFore);
        ++m_selectionCount;
    } else {
        setLabelColours(index, FreeBack, FreeFore);
        --m_selectionCount;
    }
    platform::announceCheckedChange(*l1[index]);
}

void ManualFrm::Text1_KeyPress(qint16 &keyAscii)
{
    if (!platform::isDigitBoxKey(keyAscii))
        keyAscii = 0;
}

void ManualFrm::Text1_Validate(bool &cancel)
{
    const QString text = Text1->text();
    if (text.isEmpty()) {
        Text1->setText(DefaultTarget);
        cancel = true;
        return;
    }
    // Pasted text may be no number at all, refused like a target that is too
    // small; a number too large for 16 bits is told so.
    const std::optional<qint16> target = platform::parseInt16(text);
    if (!target || *target < LowestTarget) {
        const bool tooLarge = !target && isDigits(text.trimmed());
        platform::showInformation(
            this,
            tooLarge ? tr("The target must be %1 or less").arg(std::numeric_limits<qint16>::max())
                     : tr("The target must be more than 101"),
            tr("Invalid Target."));
        Text1->setText(DefaultTarget);
        cancel = true;
        return;
    }
    // Written back plainly: blanks, a sign or leading zeros pasted with the
    // number would otherwise travel on into the main window's target.
    const QString plain = QString::number(*target);
    if (plain != text)
        Text1->setText(plain);
}

void ManualFrm::Command1_Click()
{
    // A click that never took the focus from the box (a key, a direct call)
    // has not had the target checked yet.
    bool cancel = false;
    Text1_Validate(cancel);
    if (cancel) {
        Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_selectionCount != NumbersToChoose) {
        platform::showInformation(this, tr("You must choose 6 numbers to use."),
                                  tr("More numbers required"));
        return;
    }

    m_chosenNumbers.clear();
    for (int i = 0; i < LabelCount; ++i) {
        if (isChosen(i))
            m_chosenNumbers.append(l1[i]->text().toInt());
    }
    m_target = Text1->text().toInt();
    accept();
}

bool ManualFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress && isEnter(*event)) {
        Command1->click();
        return true;
    }
    const int index = numberIndex(watched);
    if (index < 0)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_pressedLabel = index;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: the first click has toggled
        // the number already, and a double-click is one click on it.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            return true;
        break;
    case QEvent::KeyPress:
        return numberKey(index, static_cast<QKeyEvent *>(event)->key());
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The focus ring: a frame round the number that has the keyboard.
        l1[index]->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                                  : QFrame::NoFrame);
        l1[index]->setLineWidth(2);
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_pressedLabel == index) {
            m_pressedLabel = -1;
            if (l1[index]->rect().contains(mouse->position().toPoint()))
                l1_Click(static_cast<qint16>(index));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool ManualFrm::numberKey(int index, int key)
{
    // The numbers lie in rows of 10, 10 and 4, as on the main window's board.
    const int column = index % 10;
    const int row = index / 10;
    int to = -1;
    switch (key) {
    case Qt::Key_Space:
        l1_Click(static_cast<qint16>(index));
        return true;
    case Qt::Key_Left:
        to = column > 0 ? index - 1 : -1;
        break;
    case Qt::Key_Right:
        to = column < 9 && index + 1 < LabelCount ? index + 1 : -1;
        break;
    case Qt::Key_Up:
        to = row > 0 ? index - 10 : -1;
        break;
    case Qt::Key_Down:
        to = index + 10 < LabelCount ? index + 10 : -1;
        break;
    default:
        return false; // Enter and the rest go on to the window
    }
    if (to >= 0)
        l1[to]->setFocus(Qt::TabFocusReason);
    return true;
}

void ManualFrm::keyPressEvent(QKeyEvent *event)
{
    // Enter, in the target box or anywhere else, presses "Find Answers".
    if (isEnter(*event)) {
        Command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
