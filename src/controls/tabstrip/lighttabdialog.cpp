#include "lighttabdialog.h"

#include "lighttab.h"
#include "propertypage1.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

LightTabDialog::LightTabDialog(LightTab *control, QWidget *parent)
    : QDialog(parent)
    , m_page(new PropertyPage1(this))
    , m_refusal(new QLabel(this))
    , m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(m_page->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &LightTabDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &LightTabDialog::reject);
    QPushButton *applyButton = m_buttons->button(QDialogButtonBox::Apply);
    connect(applyButton, &QPushButton::clicked, this, &LightTabDialog::apply);
    connect(m_page, &PropertyPage1::changed, applyButton, &QPushButton::setEnabled);

    m_page->setSelectedControls({control});
    // Filling the boxes marks the page; nothing has been edited yet.
    m_page->setChanged(false);
    applyButton->setEnabled(false);
}

void LightTabDialog::accept()
{
    // A refused apply keeps the dialog open on the faulty box.
    if (m_page->isChanged() && !apply())
        return;
    QDialog::accept();
}

void LightTabDialog::setHandover(Handover handover)
{
    m_handover = std::move(handover);
}

bool LightTabDialog::apply()
{
    bool applied = m_page->applyChanges();
    QString refusal = m_page->refusal();
    if (applied && m_handover) {
        refusal = m_handover();
        applied = refusal.isEmpty();
        // Not taken: the edits are still waiting to be applied.
        if (!applied)
            m_page->setChanged(true);
    }
    m_refusal->setText(refusal);
    m_refusal->setVisible(!applied);
    return applied;
}
