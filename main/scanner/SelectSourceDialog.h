#pragma once

#include <memory>
#include <vector>

#include <QDialog>

#include "imaging/ScannerDevice.h"

namespace Ui {
class CSelectSourceDialog;
}

// "Select Source": the scanners found, one a line ("vendor model (type)" over the device
// name), the one in use selected; OK takes the selected one, a double click too.
class CSelectSourceDialog : public QDialog {
    Q_OBJECT
public:
    // Its help is the scanner's topic.
    enum { IDD = 177 };

    // nCurrent: the index of the scanner in use, or -1.
    CSelectSourceDialog(const std::vector<CScannerDevice>& devices, int nCurrent, QWidget* pParent);
    ~CSelectSourceDialog() override;

    // The index of the selected scanner, or -1.
    int GetChosen() const;

private:
    std::unique_ptr<Ui::CSelectSourceDialog> m_pUi;
};
