#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "ScriptedSourceManager.h"
#include "main/scanner/ScannerManager.h"

namespace {

class CRecordingReceiver : public CScannerMessageReceiver {
public:
    void OnScannerMessage(ScannerMessage nMessage, std::vector<uint8_t>* pDib, long /*lParam*/) override
    {
        messages.push_back(nMessage);
        if (pDib != nullptr)
            dib = *pDib;
    }
    std::vector<unsigned> messages;
    std::vector<uint8_t> dib;
};

class ScannerManagerTest : public ::testing::Test {
protected:
    // Makes the manager on a scripted source manager prepared by prepare.
    template <typename F>
    void Make(F prepare, int nLanguage = 0)
    {
        auto pFake = std::make_unique<CScriptedSourceManager>();
        prepare(*pFake);
        m_pFake = pFake.get();
        CScannerManager::CAppIdentity identity;
        identity.nLanguage = nLanguage;
        m_pManager = std::make_unique<CScannerManager>(m_Receiver, identity, nullptr, std::move(pFake));
    }
    void Make()
    {
        Make([](CScriptedSourceManager&) {});
    }
    // The source speaks; its message reaches the manager through the event queue, and what
    // it starts (a transfer, on a thread of its own) is over before this returns.
    void SourceSays(TW_UINT16 nMessage)
    {
        m_pFake->Post(nMessage);
        QCoreApplication::sendPostedEvents(m_pManager.get());
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_pManager->GetProgressDialog() == nullptr; }));
    }

    CRecordingReceiver m_Receiver;
    CScriptedSourceManager* m_pFake = nullptr;
    std::unique_ptr<CScannerManager> m_pManager;
};

TEST_F(ScannerManagerTest, ATransferSendsThePictureThenClosesTheSourceAndEndsTheBusyTime)
{
    Make();
    ASSERT_TRUE(m_pManager->HasSourceManager());
    EXPECT_TRUE(m_pManager->CanAcquire());
    ASSERT_TRUE(m_pManager->Acquire(1));
    EXPECT_TRUE(m_pManager->IsBusy());
    EXPECT_FALSE(m_pManager->CanAcquire());
    EXPECT_TRUE(m_Receiver.messages.empty());

    SourceSays(MSG_XFERREADY);
    EXPECT_EQ(m_Receiver.messages, (std::vector<unsigned>{WM_SCANNER_IMAGE, WM_SCANNER_CLOSED}));
    EXPECT_EQ(m_Receiver.dib, m_pFake->dib);
    EXPECT_TRUE(m_pFake->WasAsked(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS));
    EXPECT_TRUE(m_pFake->WasAsked(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS));
    EXPECT_FALSE(m_pManager->IsSourceOpen());
    EXPECT_FALSE(m_pManager->IsBusy());
    EXPECT_TRUE(m_pManager->CanAcquire());
    EXPECT_FALSE(m_pManager->GetTransferFailure().IsFailure());
}

TEST_F(ScannerManagerTest, ACloseRequestEndsTheAcquisitionWithoutAPicture)
{
    Make();
    ASSERT_TRUE(m_pManager->Acquire(1));
    SourceSays(MSG_CLOSEDSREQ);
    EXPECT_EQ(m_Receiver.messages, (std::vector<unsigned>{WM_SCANNER_CLOSED}));
    EXPECT_FALSE(m_pManager->IsBusy());
    EXPECT_FALSE(m_pManager->IsSourceEnabled());
    EXPECT_FALSE(m_pFake->WasAsked(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET));
}

TEST_F(ScannerManagerTest, AFailedTransferResetsThePendingTransfersAndIsKept)
{
    Make([](CScriptedSourceManager& fake) {
        fake.nTransferResult = TWRC_FAILURE;
        fake.nTransferCondition = TWCC_PAPERJAM;
    });
    ASSERT_TRUE(m_pManager->Acquire(1));
    SourceSays(MSG_XFERREADY);
    EXPECT_TRUE(m_pFake->WasAsked(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET));
    EXPECT_TRUE(m_Receiver.messages.empty());
    EXPECT_EQ(m_pManager->GetTransferFailure().nReturnCode, TWRC_FAILURE);
    EXPECT_EQ(m_pManager->GetTransferFailure().nConditionCode, TWCC_PAPERJAM);
    // The source stays enabled until it asks to be closed.
    EXPECT_TRUE(m_pManager->IsBusy());
    SourceSays(MSG_CLOSEDSREQ);
    EXPECT_EQ(m_Receiver.messages, (std::vector<unsigned>{WM_SCANNER_CLOSED}));
    EXPECT_FALSE(m_pManager->IsBusy());

    // A new acquisition starts without the old failure.
    ASSERT_TRUE(m_pManager->Acquire(1));
    EXPECT_FALSE(m_pManager->GetTransferFailure().IsFailure());
}

TEST_F(ScannerManagerTest, ACancelledTransferIsACancelNotAFailure)
{
    Make([](CScriptedSourceManager& fake) { fake.nTransferResult = TWRC_CANCEL; });
    ASSERT_TRUE(m_pManager->Acquire(1));
    SourceSays(MSG_XFERREADY);
    EXPECT_TRUE(m_pFake->WasAsked(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET));
    EXPECT_EQ(m_pManager->GetTransferFailure().nReturnCode, TWRC_CANCEL);
}

TEST_F(ScannerManagerTest, EnablingThatFailsLeavesTheManagerIdle)
{
    Make([](CScriptedSourceManager& fake) { fake.bEnableFails = true; });
    EXPECT_FALSE(m_pManager->Acquire(1));
    EXPECT_FALSE(m_pManager->IsBusy());
    EXPECT_TRUE(m_pManager->CanAcquire());
    EXPECT_EQ(m_pManager->GetLastReturnCode(), TWRC_FAILURE);
    EXPECT_EQ(m_pManager->GetLastConditionCode(), TWCC_OPERATIONERROR);
    // Messages are not offered to a source that is not enabled.
    m_pFake->Post(MSG_XFERREADY);
    QCoreApplication::sendPostedEvents(m_pManager.get());
    EXPECT_FALSE(m_pFake->WasAsked(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT));
}

TEST_F(ScannerManagerTest, WithoutADefaultSourceOnlyTheUsersChoiceMakesOneKnown)
{
    Make([](CScriptedSourceManager& fake) {
        fake.bHasDefault = false;
        fake.nUserSelect = TWRC_CANCEL;
    });
    EXPECT_FALSE(m_pManager->CanAcquire());
    EXPECT_FALSE(m_pManager->Acquire(1));
    EXPECT_FALSE(m_pManager->SelectSource());
    EXPECT_FALSE(m_pManager->CanAcquire());
    m_pFake->nUserSelect = TWRC_SUCCESS;
    EXPECT_TRUE(m_pManager->SelectSource());
    EXPECT_TRUE(m_pManager->CanAcquire());
}

TEST_F(ScannerManagerTest, TheIdentityIsTheWindowsWithTheLanguageOfTheInterface)
{
    Make([](CScriptedSourceManager&) {}, 1);
    const TW_IDENTITY& id = m_pFake->appId;
    EXPECT_EQ(id.Version.MajorNum, 1);
    EXPECT_EQ(id.Version.MinorNum, 4);
    EXPECT_EQ(id.Version.Language, 33);
    EXPECT_EQ(id.Version.Country, 33);
    EXPECT_STREQ(id.Manufacturer, "Tessaline Software");
    EXPECT_STREQ(id.ProductFamily, "Plotvane");
    EXPECT_STREQ(id.ProductName, "Plotvane");
    EXPECT_EQ(id.ProtocolMajor, 1);
    EXPECT_EQ(id.ProtocolMinor, 8);
    EXPECT_EQ(id.SupportedGroups, DG_CONTROL | DG_IMAGE);
}

}  // namespace
