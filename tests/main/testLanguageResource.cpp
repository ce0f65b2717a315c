#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "main/CommandIds.h"
#include "main/LanguageResource.h"
#include "main/MainFrame.h"
#include "main/QtText.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

const QString kResourceDir = QStringLiteral(PLOTVANE_RESOURCE_DIR);

QString MenuTitle(const CMainFrame& frame, int nIndex)
{
    return frame.GetMenu(nIndex) != nullptr ? frame.GetMenu(nIndex)->title() : QString();
}

}  // namespace

TEST(LanguageResourceTest, FileNameFollowsTheLibraryName)
{
    EXPECT_EQ(CLanguageResource::FileFor("PlvResFr.dll", QStringLiteral("/opt/plotvane")),
              QStringLiteral("/opt/plotvane/PlvResFr.qm"));
    EXPECT_EQ(CLanguageResource::FileFor("PlvResUs.dll", QStringLiteral("/opt/plotvane")),
              QStringLiteral("/opt/plotvane/PlvResUs.qm"));
}

TEST(LanguageResourceTest, FrenchReplacesMenusAndNumberedStringsUntilUnloaded)
{
    CLanguageResource language;
    ASSERT_TRUE(language.Load(CLanguageResource::FileFor("PlvResFr.dll", kResourceDir)));
    EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Sans titre");
    // Windows-1252 in the table: "Désolé, aucun scanner n'est disponible."
    EXPECT_EQ(CStringTable::Get(IDS_NO_SCANNER), "D\xE9sol\xE9, aucun scanner n'est disponible.");
    {
        CPlotvaneDoc doc;
        CMainFrame frame(doc);
        EXPECT_EQ(MenuTitle(frame, 0), QStringLiteral("&Fichier"));
        EXPECT_EQ(frame.GetAction(ID_FILE_OPEN_GRAPHIC)->text(), QStringLiteral("&Ouvrir une image"));
        EXPECT_EQ(frame.GetAction(ID_FILE_OPEN_GRAPHIC)->toolTip(), QStringLiteral("Ouvrir une image"));
        EXPECT_EQ(frame.windowTitle(), QStringLiteral("Sans titre - Plotvane"));
    }

    language.Unload();
    EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Untitled");
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    EXPECT_EQ(MenuTitle(frame, 0), QStringLiteral("&File"));
}

TEST(LanguageResourceTest, EnglishOrAMissingFileLeavesTheBuiltInTexts)
{
    CLanguageResource language;
    EXPECT_FALSE(language.Load(CLanguageResource::FileFor("PlvResDe.dll", kResourceDir)));
    EXPECT_FALSE(language.IsLoaded());
    EXPECT_TRUE(language.Load(CLanguageResource::FileFor("PlvResUs.dll", kResourceDir)));
    EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Untitled");
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    EXPECT_EQ(MenuTitle(frame, 0), QStringLiteral("&File"));
}
