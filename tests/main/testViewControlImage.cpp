// The view shows a document exactly as `plotvane-cli render` draws it: both paint through
// the same draw context, and the view's zoom mapping must put every pixel where render
// puts it, shrunk pictures included (the view keeps its shrunk picture between paints,
// render samples it each time).

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "main/view/PlotvaneView.h"

namespace {

// Pixels whose colours differ by more than 24 in any channel, of the two pictures.
int CountDifferent(const QImage& a, const QImage& b)
{
    int nDifferent = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 24 || std::abs(qGreen(p) - qGreen(q)) > 24 ||
                std::abs(qBlue(p) - qBlue(q)) > 24)
                ++nDifferent;
        }
    return nDifferent;
}

}  // namespace

TEST(ViewControlImage, ViewPaintsWhatRenderDraws)
{
    // The sample document, made from the sample job in the test's own folder.
    const QDir work(QString::fromUtf8(PLOTVANE_TEST_WORK));
    for (const char* pszName : {"sample-job.json", "sample-graph.png"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(PLOTVANE_EXAMPLES "/") + QLatin1String(pszName),
                                work.filePath(QLatin1String(pszName))));
    QProcess job;
    job.setWorkingDirectory(work.path());
    job.start(QStringLiteral(PLOTVANE_CLI), {QStringLiteral("run"), QStringLiteral("sample-job.json")});
    ASSERT_TRUE(job.waitForFinished(60000));
    ASSERT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
    const std::string strDoc = work.filePath(QStringLiteral("sample.pvd")).toStdString();

    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(strDoc));
    CPlotvaneView view(doc, nullptr);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.show();

    for (int nZoom : {100, 150, 20}) {
        SCOPED_TRACE(nZoom);
        const QString strPng =
            QString::fromUtf8(PLOTVANE_TEST_WORK) + QStringLiteral("/render-%1.png").arg(nZoom);
        QProcess render;
        render.start(QStringLiteral(PLOTVANE_CLI),
                     {QStringLiteral("render"), QString::fromStdString(strDoc), QStringLiteral("-o"), strPng,
                      QStringLiteral("--zoom"), QString::number(nZoom)});
        ASSERT_TRUE(render.waitForFinished(60000));
        ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
        const QImage control = QImage(strPng).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(control.isNull());

        view.SetZoom(nZoom);
        view.resize(control.size());
        QImage painted(view.viewport()->size(), QImage::Format_RGB32);
        view.viewport()->render(&painted);
        ASSERT_EQ(painted.size(), control.size());
        // Tolerance: one pixel in 10,000 may differ by more than 24 in a channel (text
        // drawn by another process may be placed a pixel apart); on this machine none does.
        EXPECT_LE(CountDifferent(painted, control), control.width() * control.height() / 10000);
        // Twice: the second paint of a shrunk picture comes from what the view kept.
        view.viewport()->render(&painted);
        EXPECT_LE(CountDifferent(painted, control), control.width() * control.height() / 10000);
    }
}
