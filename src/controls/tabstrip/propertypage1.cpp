#include "propertypage1.h"

#include "captionstring.h"
#include "lighttab.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <optional>
#include <utility>

namespace {

std::optional<qint16> numberIn(const QLineEdit *box)
{
    bool ok = false;
    const qint16 number = box->text().toShort(&ok);
    return ok ? std::optional<qint16>(number) : std::nullopt;
}

} // namespace

PropertyPage1::PropertyPage1(QWidget *parent)
    : QWidget(parent)
    , lblIndex(new QLabel(tr("Index"), this))
    , txtIndex(new QLineEdit(QStringLiteral("0"), this))
    , HScroll1(new QScrollBar(Qt::Horizontal, this))
    , lblActiveTab(new QLabel(tr("ActiveTab:"), this))
    , txtActiveTab(new QLineEdit(this))
    , lblNumberOfTabs(new QLabel(tr("Tabs:"), this))
    , txtNumberOfTabs(new QLineEdit(this))
    , lblCaption(new QLabel(tr("Caption:"), this))
    , txtCaption(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("PropertyPage1"));
    setObjectName(QStringLiteral("PropertyPage1"));
    const QList<std::pair<QWidget *, QString>> names = {
        {lblIndex, QStringLiteral("lblIndex")},
        {txtIndex, QStringLiteral("txtIndex")},
        {HScroll1, QStringLiteral("HScroll1")},
        {lblActiveTab, QStringLiteral("lblActiveTab")},
        {txtActiveTab, QStringLiteral("txtActiveTab")},
        {lblNumberOfTabs, QStringLiteral("lblNumberOfTabs")},
        {txtNumberOfTabs, QStringLiteral("txtNumberOfTabs")},
        {lblCaption, QStringLiteral("lblCaption")},
        {txtCaption, QStringLiteral("txtCaption")},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(name);

    // The index follows the slider; it is shown, not typed.
    txtIndex->setReadOnly(true);
    txtIndex->setMaximumWidth(40);
    HScroll1->setRange(0, 9);
    HScroll1->setPageStep(1);
    HScroll1->setMinimumWidth(120);
    lblActiveTab->setBuddy(txtActiveTab);
    lblNumberOfTabs->setBuddy(txtNumberOfTabs);
    lblCaption->setBuddy(txtCaption);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblIndex, 0, 0);
    grid->addWidget(txtIndex, 0, 1);
    grid->addWidget(HScroll1, 0, 2);
    grid->addWidget(lblActiveTab, 1, 0);
    grid->addWidget(txtActiveTab, 1, 1, 1, 2);
    grid->addWidget(lblNumberOfTabs, 2, 0);
    grid->addWidget(txtNumberOfTabs, 2, 1, 1, 2);
    grid->addWidget(lblCaption, 3, 0);
    grid->addWidget(txtCaption, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);

    connect(HScroll1, &QScrollBar::valueChanged, this, &PropertyPage1::HScroll1_Change);
    connect(txtActiveTab, &QLineEdit::textChanged, this, &PropertyPage1::txtActiveTab_Change);
    connect(txtNumberOfTabs, &QLineEdit::textChanged, this, &PropertyPage1::txtNumberOfTabs_Change);
    connect(txtCaption, &QLineEdit::textChanged, this, &PropertyPage1::txtCaption_Change);
}

PropertyPage1::~PropertyPage1() = default;

void PropertyPage1::setSelectedControls(const QList<LightTab *> &controls)
{
    m_selected.clear();
    for (LightTab *control : controls)
        m_selected.append(control);
    PropertyPage_SelectionChanged();
}

QList<LightTab *> PropertyPage1::selectedControls() const
{
    QList<LightTab *> controls;
    for (const QPointer<LightTab> &control : m_selected) {
        if (control)
            controls.append(control);
    }
    return controls;
}

bool PropertyPage1::applyChanges()
{
    LightTab *control = firstControl();
    if (!control) {
        m_refusal = tr("No tab strip is selected.");
        return false;
    }
    // Check both numbers before writing anything, so a refused apply leaves
    // the control exactly as it was.
    const std::optional<qint16> active = numberIn(txtActiveTab);
    const std::optional<qint16> count = numberIn(txtNumberOfTabs);
    QLineEdit *faulty = !active ? txtActiveTab : !count ? txtNumberOfTabs : nullptr;
    if (faulty) {
        m_refusal = tr("\"%1\" is not a whole number from -32768 to 32767.").arg(faulty->text());
        faulty->setFocus();
        faulty->selectAll();
        return false;
    }

    m_refusal.clear();
    control->setActiveTab(*active);
    control->setNumberOfTabs(*count);
    // A refused slider index has no caption to write back.
    if (txtCaption->isEnabled())
        control->setCaption(HScroll1->value(), txtCaption->text());
    setChanged(false);
    return true;
}

void PropertyPage1::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit this->changed(changed);
}

void PropertyPage1::PropertyPage_SelectionChanged()
{
    const LightTab *control = firstControl();
    if (!control)
        return;
    txtActiveTab->setText(QString::number(control->activeTab()));
    txtNumberOfTabs->setText(QString::number(control->numberOfTabs()));
    showCaption();
}

void PropertyPage1::HScroll1_Change()
{
    txtIndex->setText(QString::number(HScroll1->value()));
    showCaption();
}

void PropertyPage1::txtActiveTab_Change()
{
    setChanged(true);
}

void PropertyPage1::txtNumberOfTabs_Change()
{
    setChanged(true);
}

void PropertyPage1::txtCaption_Change()
{
    setChanged(true);
}

LightTab *PropertyPage1::firstControl() const
{
    return m_selected.isEmpty() ? nullptr : m_selected.first().data();
}

void PropertyPage1::showCaption()
{
    const LightTab *control = firstControl();
    const int index = HScroll1->value();
    const bool hasCaption = control && index < tabstrip::captionCount(control->captionString());
    txtCaption->setText(hasCaption ? control->caption(index) : QString());
    txtCaption->setEnabled(hasCaption);
}
