// A scan through the scanner library from devices that announce what no sound device would:
// the tests' own "hostile" backend (tests/sanebackend), whose behaviour the environment
// variable PLOTVANE_HOSTILE_SANE chooses. The library reads its configuration once per
// process, as CTest runs each test.

#include <chrono>
#include <climits>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "imaging/AbstractSourceChooser.h"
#include "imaging/AbstractTwainWindow.h"
#include "imaging/SaneSourceManager.h"
#include "imaging/ScanDibBuilder.h"
#include "imaging/Twain.h"

namespace {

// A TWAIN client that scans from one device and keeps what it hears.
class CTestClient : public CTwain, private CAbstractTwainWindow, private CAbstractSourceChooser {
public:
    explicit CTestClient(std::string strDevice) : m_strDevice(std::move(strDevice)) {}
    ~CTestClient() override { CloseSourceManager(); }

    // Scans once; true when a picture came.
    bool Scan()
    {
        if (!HasSourceManager() &&
            !OpenSourceManager(
                std::make_unique<CSaneSourceManager>(static_cast<CAbstractSourceChooser&>(*this)), this))
            return false;
        if (!GetDefaultSource() || !EnableSource(1, false))
            return false;
        for (int i = 0; i < 100 && !m_Messages.empty() && IsSourceEnabled(); ++i) {
            const uint32_t nMessage = m_Messages.front();
            m_Messages.pop_front();
            ProcessMessage(nMessage);
        }
        return !dib.empty();
    }
    int OnImageInfo(const TW_IMAGEINFO& info) override
    {
        ++nImageInfos;
        return CTwain::OnImageInfo(info);
    }
    void OnImageAcquired(std::vector<uint8_t>& picture, const TW_IMAGEINFO& /*info*/) override
    {
        dib = std::move(picture);
        CloseSource();
    }

    std::vector<uint8_t> dib;
    int nImageInfos = 0;

private:
    void PostSourceMessage(uint32_t nMessage) override { m_Messages.push_back(nMessage); }
    std::string GetRememberedDevice() const override { return m_strDevice; }
    void RememberDevice(const std::string& /*strName*/) override {}
    int ChooseDevice(const std::vector<CScannerDevice>& /*devices*/, int /*nCurrent*/) override { return -1; }

    std::string m_strDevice;
    std::deque<uint32_t> m_Messages;
};

class HostileScannerTest : public ::testing::Test {
protected:
    static void Behave(const char* pszBehaviour)
    {
        setenv("SANE_CONFIG_DIR", PLOTVANE_TEST_DATA "/sane-hostile", 1);
        setenv("LD_LIBRARY_PATH", PLOTVANE_TEST_SANE_BACKENDS, 1);
        setenv("PLOTVANE_HOSTILE_SANE", pszBehaviour, 1);
    }
};

TEST_F(HostileScannerTest, ASoundDeviceScansAndItsNonAsciiNameOpensIt)
{
    Behave("");
    for (const char* pszName : {"hostile:0", "hostile:B\xC3\xBCro"}) {
        CTestClient client(pszName);
        ASSERT_TRUE(client.Scan()) << pszName << ": " << client.GetTransferFailure().nConditionCode;
        EXPECT_EQ(client.dib.size(), 40u + 1024u + 100u * 100u);
    }
}

TEST_F(HostileScannerTest, WhatADeviceAnnouncesIsCheckedBeforeItIsUsed)
{
    // A line of 2^31 - 1 bytes for 100 pixels, and a frame format SANE does not define, are
    // refused before a byte is read or the picture described.
    for (const char* pszBehaviour : {"long-line", "bad-frame"}) {
        Behave(pszBehaviour);
        CTestClient client("hostile:0");
        EXPECT_FALSE(client.Scan()) << pszBehaviour;
        EXPECT_EQ(client.GetTransferFailure().nConditionCode, TWCC_BADPICTURE) << pszBehaviour;
        if (std::string(pszBehaviour) == "bad-frame") {
            EXPECT_EQ(client.nImageInfos, 0);
        }
    }
    CScanDibBuilder builder;
    for (int nBytesPerLine : {INT_MAX, 1 << 20})
        EXPECT_FALSE(builder.StartFrame({CScanDibBuilder::Format::Gray, nBytesPerLine, 100, 100, 8}))
            << nBytesPerLine;
    // A little padding is what scanners do.
    EXPECT_TRUE(builder.StartFrame({CScanDibBuilder::Format::Gray, 104, 100, 100, 8}));
}

TEST_F(HostileScannerTest, AnOptionListThatNeverEndsIsReadNoFurtherThanItsCount)
{
    // The device aborts the test when asked for a millionth option.
    Behave("endless");
    CTestClient client("hostile:0");
    EXPECT_TRUE(client.Scan());
}

TEST_F(HostileScannerTest, ADeviceThatStopsAnsweringIsGivenUpAndReported)
{
    Behave("stall");
    CSaneSourceManager::SetStallTime(std::chrono::milliseconds(100));
    CTestClient client("hostile:0");
    EXPECT_FALSE(client.Scan());
    EXPECT_EQ(client.GetTransferFailure().nReturnCode, TWRC_FAILURE);
    EXPECT_EQ(client.GetTransferFailure().nConditionCode, TWCC_STALLED);
    // The acquisition is over: the source can be asked again, and fails the same way.
    EXPECT_FALSE(client.IsSourceEnabled());
    EXPECT_FALSE(client.Scan());
    EXPECT_EQ(client.GetTransferFailure().nConditionCode, TWCC_STALLED);
}

}  // namespace
