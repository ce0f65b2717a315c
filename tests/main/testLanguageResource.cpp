#include <set>
#include <vector>

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "main/frame/CommandIds.h"
#include "main/frame/LanguageResource.h"
#include "main/frame/MainFrame.h"
#include "main/adapters/QtText.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/StringTableData.h"

namespace {

const QString kResourceDir = QStringLiteral(PLOTVANE_RESOURCE_DIR);

QString MenuTitle(const CMainFrame& frame, int nIndex)
{
    return frame.GetMenu(nIndex) != nullptr ? frame.GetMenu(nIndex)->title() : QString();
}

// The first menu's title in a new window.
QString NewWindowFirstMenu()
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    return MenuTitle(frame, 0);
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
    EXPECT_EQ(NewWindowFirstMenu(), QStringLiteral("&File"));
}

TEST(LanguageResourceTest, EnglishOrAMissingFileLeavesTheBuiltInTexts)
{
    CLanguageResource language;
    EXPECT_FALSE(language.Load(CLanguageResource::FileFor("PlvResDe.dll", kResourceDir)));
    EXPECT_FALSE(language.IsLoaded());
    EXPECT_TRUE(language.Load(CLanguageResource::FileFor("PlvResUs.dll", kResourceDir)));
    EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Untitled");
    EXPECT_EQ(NewWindowFirstMenu(), QStringLiteral("&File"));
}

TEST(LanguageResourceTest, FrenchTranslatesEveryNumberedString)
{
    CLanguageResource language;
    ASSERT_TRUE(language.Load(CLanguageResource::FileFor("PlvResFr.dll", kResourceDir)));
    // The same in both languages: the program's name, the axis letters, the pane labels and
    // the coordinates under the density preview.
    const std::set<unsigned> same = {IDS_APP_NAME, IDS_INDICATOR_X, IDS_INDICATOR_Y,
                                     IDS_AXIS_X,   IDS_AXIS_Y,      IDS_DENSITY_PREVIEW_POINT};
    size_t nCount = 0;
    const CStringTableEntry* pEntries = BuiltInStrings(nCount);
    std::vector<unsigned> untranslated;
    for (size_t i = 0; i < nCount; ++i) {
        if (same.count(pEntries[i].id) == 0 && CStringTable::Get(pEntries[i].id) == pEntries[i].text)
            untranslated.push_back(pEntries[i].id);
    }
    EXPECT_EQ(untranslated, std::vector<unsigned>());
}
