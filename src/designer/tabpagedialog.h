#pragma once

#include "designer/tabpagelink.h"

#include <QDialog>

class LightTab;
class PropertyPage1;
class PropertyWriter;
class QDialogButtonBox;
class QLabel;

// The tab strip's property page as Designer opens it from the strip's context
// menu: OK applies and closes, Apply applies and stays, Cancel drops the
// edits. Apply is enabled while the page has unapplied changes; a refused
// apply is explained under the page.
class TabPageDialog : public QDialog
{
    Q_OBJECT

public:
    TabPageDialog(LightTab *control, PropertyWriter *writer, QWidget *parent = nullptr);
    ~TabPageDialog() override;

    PropertyPage1 *page() const { return m_page; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    void accept() override;

private:
    bool apply();

    PropertyPage1 *m_page = nullptr;
    QLabel *m_refusal = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    TabPageLink m_link;
};
