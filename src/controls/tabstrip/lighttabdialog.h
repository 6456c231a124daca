#pragma once

#include <QDialog>

class LightTab;
class PropertyPage1;
class QDialogButtonBox;
class QLabel;

// A small modal home for the tab strip's property page where no form designer
// hosts it: OK applies and closes, Apply applies and stays, Cancel drops the
// edits. Apply is enabled while the page has unapplied changes.
class LightTabDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LightTabDialog(LightTab *control, QWidget *parent = nullptr);

    PropertyPage1 *page() const { return m_page; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    void accept() override;

private:
    // Applies the page; a refusal is shown under it.
    bool apply();

    PropertyPage1 *m_page = nullptr;
    QLabel *m_refusal = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
