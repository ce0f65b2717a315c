#include "cli/JobScanner.h"

#include <memory>
#include <utility>

#include "imaging/SaneSourceManager.h"

namespace {

// A source answers an acquisition in a few messages; more means it talks without end.
constexpr int kMaxMessages = 1000;

}  // namespace

CJobScanner::~CJobScanner()
{
    CloseSourceManager();
}

void CJobScanner::Fail()
{
    m_Failure.nReturnCode = GetLastReturnCode() == TWRC_CANCEL ? TWRC_CANCEL : TWRC_FAILURE;
    m_Failure.nConditionCode = GetLastConditionCode();
}

std::vector<uint8_t> CJobScanner::Scan(const std::string& strDevice, double dDpi)
{
    m_strDevice = strDevice;
    m_Dib.clear();
    m_Messages.clear();
    m_Failure = CFailure();
    auto pManager = std::make_unique<CSaneSourceManager>(static_cast<CAbstractSourceChooser&>(*this));
    if (!OpenSourceManager(std::move(pManager), this) || !GetDefaultSource() || !OpenSource() ||
        (dDpi > 0 && !SetResolution(dDpi)) || !EnableSource(1, false)) {
        Fail();
        CloseSourceManager();
        return {};
    }
    for (int i = 0; i < kMaxMessages && IsSourceEnabled() && !m_Messages.empty(); ++i) {
        const uint32_t nMessage = m_Messages.front();
        m_Messages.pop_front();
        ProcessMessage(nMessage);
    }
    if (m_Dib.empty()) {
        m_Failure = GetTransferFailure();
        if (!m_Failure.IsFailure()) {
            m_Failure.nReturnCode = TWRC_FAILURE;
            m_Failure.nConditionCode = TWCC_OPERATIONERROR;
        }
    }
    CloseSourceManager();
    return std::move(m_Dib);
}

void CJobScanner::OnImageAcquired(std::vector<uint8_t>& dib, const TW_IMAGEINFO& /*info*/)
{
    m_Dib = std::move(dib);
    CloseSource();
}

void CJobScanner::PostSourceMessage(uint32_t nMessage)
{
    m_Messages.push_back(nMessage);
}
