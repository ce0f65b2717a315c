#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include <QDialog>
#include <QPixmap>

#include "imaging/PdfDecoder.h"

namespace Ui {
class CPdfPageDialog;
}

// Asks which page of a PDF file to open as the picture, and at what resolution: the page
// (from 1, with the file's page count beside it), a small picture of the chosen page, the
// resolution in dots per inch (PLPdfDecoder's range, 300 at first) and the size in pixels
// the page will have. OK is refused while the page would be too large at the resolution,
// and for a damaged page. The small picture is drawn once the dialog shows.
class CPdfPageDialog : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 195 };
    // Small pictures fit in a square of this many pixels.
    static constexpr int kThumbnailSide = 200;
    // Pages drawn larger than this for their small picture (beyond an A0 sheet) get none.
    static constexpr double kMaxThumbnailPixels = 4e6;

    // data and size: the whole PDF file, which must outlive the dialog; pageSizes: the size
    // of each of its pages (PLPdfDecoder::ReadPageSizes).
    CPdfPageDialog(const uint8_t* data, size_t size, std::vector<PLPdfDecoder::PageSize> pageSizes,
                   QWidget* pParent);
    ~CPdfPageDialog() override;

    int GetPage() const;
    int GetDpi() const;
    // The text of the page's size in pixels, or of its refusal.
    QString GetSizeText() const;
    // The small picture of the chosen page; null when it cannot be drawn.
    QPixmap GetThumbnail() const;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnChoiceChanged();
    void ShowThumbnail();
    QPixmap MakeThumbnail(int nPage) const;

    const uint8_t* m_pData;
    size_t m_nSize;
    std::vector<PLPdfDecoder::PageSize> m_PageSizes;
    std::map<int, QPixmap> m_Thumbnails;
    std::unique_ptr<Ui::CPdfPageDialog> m_pUi;
};
