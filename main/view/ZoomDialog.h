#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CZoomDialog;
}
class CPlotvaneView;
class QComboBox;

// The small floating "Zoom" window: a list of zooms ("400" … "10" and "Fit") for the view.
// Choosing an entry sets the view's zoom; so does a number typed and confirmed with Return.
class CZoomDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 155;

    CZoomDialog(CPlotvaneView& view, QWidget* pParent);
    ~CZoomDialog() override;

    // Selects the view's zoom in the list ("Fit" for fit), or clears the selection.
    void SelectCurrentZoom();
    QComboBox* GetCombo() const;

private:
    void OnEntryChosen(int nIndex);

    CPlotvaneView& m_View;
    std::unique_ptr<Ui::CZoomDialog> m_pUi;
};
