#pragma once

#include <QWidget>

class CSettingsManager;

// One page of the options sheet: a form that shows copies of some settings, checks them
// when the user leaves the page or confirms the sheet, and sets them in the settings
// manager only when the sheet is confirmed. Each page has its dialog template number,
// which gives it its help topic; its window title is the title of its tab.
class COptionsPage : public QWidget {
    Q_OBJECT
public:
    // The check made before the page is left or the sheet confirmed: false, after telling
    // the user why and putting the keyboard on the field to correct, keeps the page.
    virtual bool OnKillActive() { return true; }
    // Sets the page's settings with their typed Set; values that their rule refuses are
    // not stored.
    virtual void Apply(CSettingsManager& settings) const = 0;

    unsigned GetTemplateId() const { return m_nTemplateId; }

protected:
    COptionsPage(unsigned nTemplateId, QWidget* pParent);

private:
    unsigned m_nTemplateId;
};
