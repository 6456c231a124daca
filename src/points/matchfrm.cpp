#include "matchfrm.h"

#include "designfont.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Long enough for a name, short enough for the score beside the target.
constexpr int NameLength = 20;

} // namespace

MatchFrm::MatchFrm(const std::array<QString, 2> &lastPlayers, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MatchFrm"));
    setWindowTitle(tr("Two players"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));

    auto *form = new QFormLayout;
    for (std::size_t p = 0; p < txtPlayer.size(); ++p) {
        QLineEdit *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtPlayer%1").arg(p + 1));
        box->setMaxLength(NameLength);
        box->setText(lastPlayers[p].isEmpty() ? TwoPlayerMatch::tr("Player %1").arg(p + 1)
                                              : lastPlayers[p].left(NameLength));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
        txtPlayer[p] = box;
    }
    // The labels are the boxes' buddies, so their names reach a screen reader.
    form->addRow(tr("Player &1:"), txtPlayer[0]);
    form->addRow(tr("Player &2:"), txtPlayer[1]);
    spnRounds = new QSpinBox(this);
    spnRounds->setObjectName(QStringLiteral("spnRounds"));
    spnRounds->setRange(TwoPlayerMatch::FewestRounds, TwoPlayerMatch::MostRounds);
    spnRounds->setValue(TwoPlayerMatch::DefaultRounds);
    form->addRow(tr("&Rounds (1 to 15):"), spnRounds);

    auto *boards = new QGroupBox(tr("Boards"), this);
    optDealt = new QRadioButton(tr("&Dealt at random"), boards);
    optDealt->setObjectName(QStringLiteral("optDealt"));
    optDealt->setChecked(true);
    //: The first player of a round picks the 1st, 3rd and 5th tile.
    optPicked = new QRadioButton(tr("&Picked in turns, a tile each"), boards);
    optPicked->setObjectName(QStringLiteral("optPicked"));
    auto *choices = new QVBoxLayout(boards);
    choices->addWidget(optDealt);
    choices->addWidget(optPicked);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(boards);
    layout->addLayout(buttons);
    txtPlayer[0]->setFocus(Qt::OtherFocusReason);
    txtPlayer[0]->selectAll();
}

MatchFrm::Setup MatchFrm::setup() const
{
    Setup chosen;
    chosen.players = {txtPlayer[0]->text(), txtPlayer[1]->text()};
    chosen.rounds = spnRounds->value();
    chosen.boards =
        optPicked->isChecked() ? TwoPlayerMatch::Boards::Picked : TwoPlayerMatch::Boards::Dealt;
    return chosen;
}
