#include "codefrm.h"

#include "designfont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CodeFrm::CodeFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CodeFrm"));
    setWindowTitle(tr("Play a board code"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));

    auto *prompt = new QLabel(tr("&Board code, as TF-98X-KKC:"), this);
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    // A code and some room for the spaces a player may type in it.
    txtCode->setMaxLength(40);
    txtCode->setMinimumWidth(txtCode->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 16);
    prompt->setBuddy(txtCode);
    lbFault = new QLabel(this);
    lbFault->setObjectName(QStringLiteral("lbFault"));
    lbFault->setTextFormat(Qt::PlainText);
    lbFault->setWordWrap(true);
    // Room for two lines from the start, so that a refusal moves nothing.
    lbFault->setMinimumHeight(lbFault->fontMetrics().lineSpacing() * 2);
    lbFault->setMinimumWidth(txtCode->minimumWidth() * 3 / 2);

    cmdPlay = new QPushButton(tr("&Play"), this);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdPlay->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdPlay, &QPushButton::clicked, this, &CodeFrm::Play_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // A new character makes the last refusal stale.
    connect(txtCode, &QLineEdit::textEdited, lbFault, &QLabel::clear);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPlay);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtCode);
    layout->addWidget(lbFault);
    layout->addLayout(buttons);
    txtCode->setFocus(Qt::OtherFocusReason);
}

void CodeFrm::Play_Click()
{
    m_read = solver::readBoardCode(txtCode->text().toStdString());
    if (m_read.fault == solver::CodeFault::None) {
        accept();
        return;
    }
    // Named by its text, so a screen reader is told the refusal as it comes.
    lbFault->setText(faultSentence(m_read));
    txtCode->setFocus(Qt::OtherFocusReason);
    // The character at fault is selected, ready to be typed over. Reading
    // counts characters, the box UTF-16 units: they differ only past a
    // character beyond the Basic Multilingual Plane, which no code holds.
    if (m_read.position > 0)
        txtCode->setSelection(int(m_read.position) - 1, 1);
}

QString CodeFrm::faultSentence(const solver::ReadCode &read)
{
    // The core's message is English for the command line; the window words
    // the same facts itself so that they can be translated.
    const QString character = QString::fromStdString(read.character);
    switch (read.fault) {
    case solver::CodeFault::None:
        return {};
    case solver::CodeFault::Prefix:
        //: %1: the place of the character (from 1); %2: the character as typed.
        return tr("Character %1, '%2', does not belong there: a code starts with TF.")
            .arg(QString::number(read.position), character);
    case solver::CodeFault::Character:
        return tr("Character %1, '%2', is not one a code has (it has 2 to 9 and the letters but "
                  "I, L and O).")
            .arg(QString::number(read.position), character);
    case solver::CodeFault::Length:
        //: %1: how many characters a code has after TF; %2: how many the text has.
        return tr("A code has %1 characters after TF, this has %2.")
            .arg(QString::number(6), QString::number(read.length));
    case solver::CodeFault::Check:
        return tr("The check character does not match: a character is mistyped or two are "
                  "swapped, but which cannot be told.");
    case solver::CodeFault::NoBoard:
        return tr("The check character matches, but the code names no board: more than one "
                  "character is wrong.");
    }
    return {};
}
