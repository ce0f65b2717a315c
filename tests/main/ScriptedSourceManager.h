#pragma once

#include <tuple>
#include <vector>

#include "imaging/AbstractSourceManager.h"
#include "imaging/AbstractTwainWindow.h"

// A source manager that plays a script: whether it has a default source, what "user
// select" answers, whether opening and enabling succeed, and how the transfer ends. It
// keeps the triplets it was asked and the program's identity; Post sends the window the
// message the test wants the source to say.
class CScriptedSourceManager : public CAbstractSourceManager {
public:
    static constexpr uint32_t kMessage = 0x7001;

    bool bHasDefault = true;
    TW_UINT16 nUserSelect = TWRC_SUCCESS;
    bool bEnableFails = false;
    TW_UINT16 nTransferResult = TWRC_XFERDONE;
    TW_UINT16 nTransferCondition = TWCC_SUCCESS;
    std::vector<uint8_t> dib = std::vector<uint8_t>(40, 1);

    std::vector<std::tuple<TW_UINT32, TW_UINT16, TW_UINT16>> calls;
    TW_IDENTITY appId;

    void Post(TW_UINT16 nMessage)
    {
        m_nPending = nMessage;
        m_pWindow->PostSourceMessage(kMessage);
    }
    bool WasAsked(TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG) const
    {
        for (const auto& call : calls)
            if (call == std::make_tuple(DG, DAT, MSG))
                return true;
        return false;
    }

    TW_UINT16 Entry(TW_IDENTITY* pOrigin, TW_IDENTITY* /*pDest*/, TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG,
                    TW_MEMREF pData) override
    {
        calls.emplace_back(DG, DAT, MSG);
        appId = *pOrigin;
        if (DAT == DAT_STATUS) {
            static_cast<TW_STATUS*>(pData)->ConditionCode = m_nCondition;
            return TWRC_SUCCESS;
        }
        if (DAT == DAT_PARENT) {
            m_pWindow = static_cast<CAbstractTwainWindow*>(pData);
            return TWRC_SUCCESS;
        }
        if (DAT == DAT_IDENTITY && MSG == MSG_GETDEFAULT)
            return bHasDefault ? TWRC_SUCCESS : Fail(TWCC_NODS);
        if (DAT == DAT_IDENTITY && MSG == MSG_USERSELECT)
            return nUserSelect == TWRC_FAILURE ? Fail(TWCC_NODS) : nUserSelect;
        if (DAT == DAT_USERINTERFACE && MSG == MSG_ENABLEDS)
            return bEnableFails ? Fail(TWCC_OPERATIONERROR) : TWRC_SUCCESS;
        if (DAT == DAT_EVENT) {
            auto& event = *static_cast<TW_EVENT*>(pData);
            if (*static_cast<uint32_t*>(event.pEvent) != kMessage || m_nPending == MSG_NULL)
                return TWRC_NOTDSEVENT;
            event.TWMessage = m_nPending;
            m_nPending = MSG_NULL;
            return TWRC_DSEVENT;
        }
        if (DAT == DAT_IMAGENATIVEXFER) {
            if (nTransferResult != TWRC_XFERDONE)
                return nTransferResult == TWRC_FAILURE ? Fail(nTransferCondition) : nTransferResult;
            *static_cast<std::vector<uint8_t>*>(pData) = dib;
            return TWRC_XFERDONE;
        }
        return TWRC_SUCCESS;
    }

private:
    TW_UINT16 Fail(TW_UINT16 nCondition)
    {
        m_nCondition = nCondition;
        return TWRC_FAILURE;
    }

    CAbstractTwainWindow* m_pWindow = nullptr;
    TW_UINT16 m_nPending = MSG_NULL;
    TW_UINT16 m_nCondition = TWCC_SUCCESS;
};
