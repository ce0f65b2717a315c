#pragma once

#include <memory>

#include <QElapsedTimer>
#include <QObject>

#include "imaging/PdfDrawWaiter.h"

class QProgressDialog;
class QWidget;

// While a PDF page or its small picture is drawn (by the decoder's drawing program, outside
// the window), the window stays alive: a drawing that lasts shows a busy indicator with a
// Cancel button, which stops it. The waiter of every PDF decoder while it lives.
class CPdfBusyIndicator : public QObject, public PLPdfDrawWaiter {
    Q_OBJECT
public:
    // A drawing shorter than this shows nothing.
    static constexpr int kShowAfterMilliseconds = 300;

    explicit CPdfBusyIndicator(QWidget* pParent);
    ~CPdfBusyIndicator() override;

    bool KeepWaiting() override;
    void Finished() override;

private:
    QWidget* m_pParent;
    QElapsedTimer m_Started;
    std::unique_ptr<QProgressDialog> m_pDialog;
};
