// The ways a picture or a document gets into the window beside the menus: the recent
// documents of the File menu, a file dropped on the window, a picture pasted from the
// clipboard.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/frame/ClipboardPicture.h"
#include "main/frame/CommandIds.h"
#include "main/frame/MainFrame.h"
#include "main/frame/RecentDocuments.h"
#include "main/frame/SavePromptDlg.h"

TEST(RecentDocumentsTest, NewestFirstFourAtMostKeptAcrossSessions)
{
    ClearTestSettings();
    QMenu menu;
    QAction* pExit = menu.addAction(QStringLiteral("Exit"));
    {
        CRecentDocuments recent(&menu, pExit);
        for (const char* name : {"/d/a.pvd", "/d/b.pvd", "/d/c.pvd", "/d/d.pvd", "/d/e.pvd", "/d/b.pvd"})
            recent.Add(QString::fromLatin1(name));
        EXPECT_EQ(recent.Paths(), (QStringList{"/d/b.pvd", "/d/e.pvd", "/d/d.pvd", "/d/c.pvd"}));
        recent.Remove(QStringLiteral("/d/e.pvd"));
    }
    CRecentDocuments again(&menu, pExit);
    EXPECT_EQ(again.Paths(), (QStringList{"/d/b.pvd", "/d/d.pvd", "/d/c.pvd"}));
    // "&1 b.pvd" … before Exit, and choosing one asks to open it.
    QAction* pFirst = menu.actions().value(0);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->text(), "&1 b.pvd");
    QString strRequested;
    QObject::connect(&again, &CRecentDocuments::OpenRequested, [&](const QString& s) { strRequested = s; });
    pFirst->trigger();
    EXPECT_EQ(strRequested, "/d/b.pvd");
    EXPECT_EQ(menu.actions().constLast(), pExit);
    ClearTestSettings();
}

TEST(FileEntryTest, ADroppedPictureOpensAndAPastedOneBecomesAnUntitledGraphic)
{
    ClearTestSettings();
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    const std::string strPicture = MakeTestPicture("dropped.bmp", 30, 20);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(strPicture))});
    // As a drag brings it: entering first, then the drop.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    // Opened once the drop is over.
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
    QCoreApplication::processEvents();
    ASSERT_TRUE(doc.GetBmpManager()->IsLoaded());
    EXPECT_EQ(doc.GetTitle(), "dropped.bmp");

    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(6, 0, QColor(250, 0, 0));
    image.setPixelColor(0, 4, Qt::transparent);
    QGuiApplication::clipboard()->setImage(image);
    frame.GetAction(ID_EDIT_PASTE)->trigger();
    const CBmpManager& bmp = *doc.GetBmpManager();
    ASSERT_EQ(bmp.GetWidth(), 7);
    ASSERT_EQ(bmp.GetHeight(), 5);
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.GetPathName().empty());
    // Pixel words 0x00RRGGBB, top row first; transparency shows as white paper.
    EXPECT_EQ(bmp.GetPixelColor(6, 0) & 0xFFFFFF, 0xFA0000u);
    EXPECT_EQ(bmp.GetPixelColor(3, 2) & 0xFFFFFF, 0x0AC81Eu);
    EXPECT_EQ(bmp.GetPixelColor(0, 4) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(CClipboardPicture::ToPackedDib(QImage()).empty());
}

TEST(FileEntryTest, APastedPictureReplacesTheWholeDocumentAfterTheSavePrompt)
{
    ClearTestSettings();
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("before.bmp", 400, 300)));
    CMainFrame frame(doc);
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(doc);
    pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(pCoordSyst))->SetModified(true);
    ASSERT_TRUE(doc.IsModified());
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QGuiApplication::clipboard()->setImage(image);

    // The save prompt first: Cancel keeps everything.
    bool bAsked = false;
    WhenModal([&bAsked](QWidget* pModal) {
        bAsked = qobject_cast<CSavePromptDlg*>(pModal) != nullptr;
        pModal->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    frame.GetAction(ID_EDIT_PASTE)->trigger();
    EXPECT_TRUE(bAsked);
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 400);
    EXPECT_EQ(doc.GetCoordSystList().size(), 1u);

    // No: an empty document holding the picture, nothing of the old one drawn over it.
    WhenModal([](QWidget* pModal) { pModal->findChild<QPushButton*>(QStringLiteral("noButton"))->click(); });
    frame.GetAction(ID_EDIT_PASTE)->trigger();
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 60);
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    ClearTestSettings();
}
