#include "designer/tabpagedialog.h"

#include "controls/tabstrip/propertypage1.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TabPageDialog::TabPageDialog(LightTab *control, PropertyWriter *writer, QWidget *parent)
    : QDialog(parent)
    , m_page(new PropertyPage1(this))
    , m_refusal(new QLabel(this))
    , m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
    , m_link(m_page, control, writer)
{
    setWindowTitle(m_page->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &TabPageDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &TabPageDialog::reject);
    QPushButton *applyButton = m_buttons->button(QDialogButtonBox::Apply);
    connect(applyButton, &QPushButton::clicked, this, &TabPageDialog::apply);
    connect(m_page, &PropertyPage1::changed, applyButton, &QPushButton::setEnabled);

    m_link.refresh();
    applyButton->setEnabled(m_page->isChanged());
}

TabPageDialog::~TabPageDialog() = default;

void TabPageDialog::accept()
{
    // A refused apply keeps the dialog open on the faulty box.
    if (m_page->isChanged() && !apply())
        return;
    QDialog::accept();
}

bool TabPageDialog::apply()
{
    const bool applied = m_link.apply();
    m_refusal->setText(m_link.refusal());
    m_refusal->setVisible(!applied);
    return applied;
}
