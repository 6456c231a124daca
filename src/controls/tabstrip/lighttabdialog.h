#pragma once

#include <QDialog>

#include <functional>

class LightTab;
class PropertyPage1;
class QDialogButtonBox;
class QLabel;

// A small modal home for the tab strip's property page: OK applies and
// closes, Apply applies and stays, Cancel drops the edits. Apply is enabled
// while the page has unapplied changes; a refused apply is explained under
// the page.
class LightTabDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LightTabDialog(LightTab *control, QWidget *parent = nullptr);

    PropertyPage1 *page() const { return m_page; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    // Runs on each apply after the page has written its boxes to the strip it
    // edits, and may still refuse: a form designer whose page edits a copy of
    // the form's strip hands the copy's values to the form here. Returns why
    // it refused, or an empty string when the edits were taken.
    using Handover = std::function<QString()>;
    void setHandover(Handover handover);

    void accept() override;

private:
    bool apply();

    PropertyPage1 *m_page = nullptr;
    QLabel *m_refusal = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    Handover m_handover;
};
