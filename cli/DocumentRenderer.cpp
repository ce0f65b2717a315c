#include "cli/DocumentRenderer.h"

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "platform/StringIds.h"

#ifdef PLOTVANE_HAVE_RENDER

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "cli/StderrMessageService.h"
#include "qtdraw/QtDrawContext.h"
#include "platform/FileReplacer.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// Qt's own notes (a missing runtime folder of the offscreen platform, font lookups) are not
// the user's business on a command line; its errors still reach stderr.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Text needs a GUI application; the offscreen platform needs no display. It is chosen on the
// application's own command line, which QT_QPA_PLATFORM cannot override: a platform named
// there that cannot start (xcb without a display) would end the process. Made once and kept
// for the life of the process (tests render several times).
void EnsureGuiApplication()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    qInstallMessageHandler(QuietMessageHandler);
    static int argc = 3;
    static char name[] = "plotvane-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    // Destroyed with the other statics at exit, which lets Qt release its fonts.
    static const std::unique_ptr<QGuiApplication> pApplication =
        std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool CDocumentRenderer::IsAvailable()
{
    return true;
}

void CDocumentRenderer::RenderToPng(const CPlotvaneDoc& doc, int nZoom, const std::string& strPath,
                                    const std::string& strWhere)
{
    const CBmpManager* pBmpManager = doc.GetBmpManager();
    const long long nWidth = static_cast<long long>(pBmpManager->GetWidth()) * nZoom / 100;
    const long long nHeight = static_cast<long long>(pBmpManager->GetHeight()) * nZoom / 100;
    if (nWidth <= 0 || nHeight <= 0)
        throw CCliError(kExitRefused, strWhere + ": " + CCliText::Get(IDS_CLI_NOTHING_TO_DRAW));
    if (nWidth * nHeight > kMaxPixels) {
        // The refusal names the largest zoom that fits.
        int nFitting = nZoom;
        while (nFitting > kMinZoom &&
               static_cast<long long>(pBmpManager->GetWidth()) * nFitting / 100 *
                       (static_cast<long long>(pBmpManager->GetHeight()) * nFitting / 100) >
                   kMaxPixels)
            --nFitting;
        throw CCliError(kExitRefused,
                        strWhere + ": " +
                            CCliText::Format(IDS_CLI_PICTURE_TOO_LARGE,
                                             {std::to_string(nWidth), std::to_string(nHeight),
                                              std::to_string(kMaxPixels), std::to_string(nFitting)}));
    }

    EnsureGuiApplication();
    QImage image(static_cast<int>(nWidth), static_cast<int>(nHeight), QImage::Format_RGB32);
    if (image.isNull())
        throw CCliError(kExitRefused, strWhere + ": " + CCliText::Get(IDS_NOT_ENOUGH_MEMORY));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(nZoom / 100.0, nZoom / 100.0);
        CQtDrawContext dc(painter);
        doc.Draw(dc, CRect(0, 0, pBmpManager->GetWidth(), pBmpManager->GetHeight()));
    }

    // Encoded in memory, then written as any file of the user's is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool bEncoded = buffer.open(QIODevice::WriteOnly) &&
                          image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG");
    CFileReplacer file(strPath);
    if (!bEncoded || !file.Open() || !file.Write(bytes.constData(), static_cast<size_t>(bytes.size())) ||
        !file.Commit()) {
        const std::string strReason = bEncoded ? "\n" + file.GetReason() : std::string();
        throw CCliError(
            kExitRefused,
            strWhere + ": " +
                CStderrMessageService::Flatten(
                    FormatWithString(CStringTable::Get(IDS_CANNOT_WRITE_FILE), strPath) + strReason));
    }
}

#else

bool CDocumentRenderer::IsAvailable()
{
    return false;
}

void CDocumentRenderer::RenderToPng(const CPlotvaneDoc& /*doc*/, int /*nZoom*/,
                                    const std::string& /*strPath*/, const std::string& strWhere)
{
    throw CCliError(kExitUsage, strWhere + ": " + CCliText::Get(IDS_CLI_RENDER_UNAVAILABLE));
}

#endif
