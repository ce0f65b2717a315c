#include "TestResults.h"

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CTestResults, CResults, 1)

void CTestResults::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteInt(m_nSetting);
    else
        m_nSetting = ar.ReadInt();
}
