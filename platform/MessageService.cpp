#include "platform/MessageService.h"

#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// What runs before the front installs its own service (and in headless use): shows
// nothing and takes the answer that lets the action go on.
class CSilentMessageService : public CMessageService {
public:
    Answer MessageBox(const std::string& /*text*/, Icon /*icon*/, Buttons buttons,
                      const std::string& /*caption*/) override
    {
        return DefaultAnswer(buttons);
    }
};

CSilentMessageService& Silent()
{
    static CSilentMessageService service;
    return service;
}

CMessageService* g_pInstalled = nullptr;

}  // namespace

CMessageService::Answer CMessageService::DefaultAnswer(Buttons buttons)
{
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

CMessageService& CMessageService::Get()
{
    return g_pInstalled != nullptr ? *g_pInstalled : Silent();
}

void CMessageService::Install(CMessageService* pService)
{
    g_pInstalled = pService;
}

CMessageService::Answer AfxMessageBox(unsigned nStringId, CMessageService::Icon icon,
                                      CMessageService::Buttons buttons)
{
    return AfxMessageBox(CStringTable::Get(nStringId), icon, buttons);
}

CMessageService::Answer AfxMessageBox(const std::string& text, CMessageService::Icon icon,
                                      CMessageService::Buttons buttons)
{
    return CMessageService::Get().MessageBox(text, icon, buttons, CStringTable::Get(IDS_APP_NAME));
}
