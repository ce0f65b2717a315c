#include "main/frame/PdfBusyIndicator.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "imaging/PdfDecoder.h"

CPdfBusyIndicator::CPdfBusyIndicator(QWidget* pParent) : m_pParent(pParent)
{
    PLPdfDecoder::SetWaiter(this);
}

CPdfBusyIndicator::~CPdfBusyIndicator()
{
    PLPdfDecoder::SetWaiter(nullptr);
}

bool CPdfBusyIndicator::KeepWaiting()
{
    if (!m_pDialog) {
        if (!m_Started.isValid())
            m_Started.start();
        if (m_Started.elapsed() < kShowAfterMilliseconds)
            return true;
        // Modal to the whole program: while it shows, nothing else of the window can start
        // another drawing or close what is drawn for.
        m_pDialog =
            std::make_unique<QProgressDialog>(tr("Drawing the PDF page…"), tr("Cancel"), 0, 0, m_pParent);
        m_pDialog->setObjectName(QStringLiteral("pdfBusyIndicator"));
        m_pDialog->setWindowTitle(QCoreApplication::applicationName());
        m_pDialog->setWindowModality(Qt::ApplicationModal);
        m_pDialog->setMinimumDuration(0);
        m_pDialog->setAutoClose(false);
        m_pDialog->setAutoReset(false);
        m_pDialog->show();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !m_pDialog->wasCanceled();
}

void CPdfBusyIndicator::Finished()
{
    m_pDialog.reset();
    m_Started.invalidate();
}
