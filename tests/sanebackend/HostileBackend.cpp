// A scanner backend for the scanner library's tests, loaded by its "dll" backend as
// "hostile" (libsane-hostile.so.1 on LD_LIBRARY_PATH, "hostile" in dll.conf). It announces
// what a broken or hostile device could announce, chosen by the environment variable
// PLOTVANE_HOSTILE_SANE:
//   "stall"        sane_read never returns, even once cancelled
//   "slow"         sends its picture a line at a time, slowly, until cancelled
//   "long-line"    a 100 x 100 gray picture of 2^31 - 1 bytes a line
//   "endless"      an option list that never ends (and holds no resolution); a frontend
//                  that asks for a millionth option has looped, and is stopped there
//   "bad-frame"    a frame format that SANE does not define
// anything else: a 100 x 100 gray picture, at once. Its devices are "hostile:0", a name of
// non-ASCII UTF-8 ("hostile:Büro") and a name holding control characters.
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <unistd.h>

#include <sane/sane.h>
#include <sane/saneopts.h>

namespace {

constexpr int kSize = 100;
// The dll backend puts "hostile:" before each name.
const char* const kNames[] = {"0", "B\xC3\xBCro", "esc\x1B[2Jbell\x07"};

struct Device {
    std::string strName;
    SANE_Int nResolution = 100;
    long nSent = 0;
    std::atomic<bool> bCancelled{false};
};

SANE_Device g_Devices[3];
const SANE_Device* g_List[4];

std::string Behaviour()
{
    const char* psz = std::getenv("PLOTVANE_HOSTILE_SANE");
    return psz != nullptr ? psz : "";
}

SANE_Option_Descriptor NumberOption(SANE_String_Const pszName, SANE_Unit unit, SANE_Int nCap)
{
    SANE_Option_Descriptor option{};
    option.name = pszName;
    option.title = option.desc = "";
    option.type = SANE_TYPE_INT;
    option.unit = unit;
    option.size = sizeof(SANE_Word);
    option.cap = nCap;
    option.constraint_type = SANE_CONSTRAINT_NONE;
    return option;
}

SANE_Option_Descriptor g_Count = NumberOption(SANE_NAME_NUM_OPTIONS, SANE_UNIT_NONE, SANE_CAP_SOFT_DETECT);
SANE_Option_Descriptor g_Resolution =
    NumberOption(SANE_NAME_SCAN_RESOLUTION, SANE_UNIT_DPI, SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT);
SANE_Option_Descriptor g_Other = NumberOption("other", SANE_UNIT_NONE, SANE_CAP_SOFT_DETECT);

}  // namespace

extern "C" {

SANE_Status sane_hostile_init(SANE_Int* pVersion, SANE_Auth_Callback)
{
    if (pVersion != nullptr)
        *pVersion = SANE_VERSION_CODE(1, 0, 0);
    for (int i = 0; i < 3; ++i) {
        g_Devices[i] = {kNames[i], "Hostile", "tester", "virtual device"};
        g_List[i] = &g_Devices[i];
    }
    g_List[3] = nullptr;
    return SANE_STATUS_GOOD;
}

void sane_hostile_exit() {}

SANE_Status sane_hostile_get_devices(const SANE_Device*** pList, SANE_Bool)
{
    *pList = g_List;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_hostile_open(SANE_String_Const pszName, SANE_Handle* pHandle)
{
    for (const char* pszKnown : kNames)
        if (pszName != nullptr && std::strcmp(pszKnown, pszName) == 0) {
            auto* pDevice = new Device;
            pDevice->strName = pszKnown;
            *pHandle = pDevice;
            return SANE_STATUS_GOOD;
        }
    return SANE_STATUS_INVAL;
}

void sane_hostile_close(SANE_Handle h)
{
    delete static_cast<Device*>(h);
}

const SANE_Option_Descriptor* sane_hostile_get_option_descriptor(SANE_Handle, SANE_Int n)
{
    static std::atomic<long> nRequests{0};
    if (n == 0)
        return &g_Count;
    if (Behaviour() != "endless")
        return n == 1 ? &g_Resolution : nullptr;
    if (++nRequests > 1000000)
        std::abort();
    return &g_Other;
}

SANE_Status sane_hostile_control_option(SANE_Handle h, SANE_Int n, SANE_Action action, void* pValue,
                                        SANE_Int* pInfo)
{
    auto* pDevice = static_cast<Device*>(h);
    if (pInfo != nullptr)
        *pInfo = 0;
    auto* pWord = static_cast<SANE_Word*>(pValue);
    if (n == 0 && action == SANE_ACTION_GET_VALUE) {
        // The endless device claims more options than any list holds.
        *pWord = Behaviour() == "endless" ? INT_MAX : 2;
        return SANE_STATUS_GOOD;
    }
    if (n == 1 && action == SANE_ACTION_GET_VALUE) {
        *pWord = pDevice->nResolution;
        return SANE_STATUS_GOOD;
    }
    if (n == 1 && action == SANE_ACTION_SET_VALUE) {
        pDevice->nResolution = *pWord;
        return SANE_STATUS_GOOD;
    }
    return Behaviour() == "endless" && action == SANE_ACTION_GET_VALUE ? SANE_STATUS_GOOD : SANE_STATUS_INVAL;
}

SANE_Status sane_hostile_get_parameters(SANE_Handle, SANE_Parameters* pParameters)
{
    const std::string strBehaviour = Behaviour();
    pParameters->last_frame = SANE_TRUE;
    pParameters->lines = kSize;
    pParameters->depth = 8;
    pParameters->pixels_per_line = kSize;
    pParameters->bytes_per_line = strBehaviour == "long-line" ? INT_MAX : kSize;
    if (strBehaviour == "bad-frame") {
        // Written as the bytes a C backend could leave there.
        const int nFormat = 42;
        std::memcpy(&pParameters->format, &nFormat, sizeof(nFormat));
    } else {
        pParameters->format = SANE_FRAME_GRAY;
    }
    return SANE_STATUS_GOOD;
}

SANE_Status sane_hostile_start(SANE_Handle h)
{
    auto* pDevice = static_cast<Device*>(h);
    pDevice->nSent = 0;
    pDevice->bCancelled = false;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_hostile_read(SANE_Handle h, SANE_Byte* pData, SANE_Int nMax, SANE_Int* pLength)
{
    auto* pDevice = static_cast<Device*>(h);
    *pLength = 0;
    const std::string strBehaviour = Behaviour();
    if (strBehaviour == "stall") {
        // A device that stopped answering: nothing brings it back.
        for (;;)
            pause();
    }
    if (pDevice->bCancelled)
        return SANE_STATUS_CANCELLED;
    const long nTotal = strBehaviour == "long-line" ? long(INT_MAX) * kSize : long(kSize) * kSize;
    if (pDevice->nSent >= nTotal)
        return SANE_STATUS_EOF;
    long nGive = std::min<long>(nMax, nTotal - pDevice->nSent);
    if (strBehaviour == "slow") {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        nGive = std::min<long>(nGive, kSize);
    }
    std::memset(pData, 0x80, static_cast<size_t>(nGive));
    pDevice->nSent += nGive;
    *pLength = static_cast<SANE_Int>(nGive);
    return SANE_STATUS_GOOD;
}

void sane_hostile_cancel(SANE_Handle h)
{
    static_cast<Device*>(h)->bCancelled = true;
}

SANE_Status sane_hostile_set_io_mode(SANE_Handle, SANE_Bool bNonBlocking)
{
    return bNonBlocking ? SANE_STATUS_UNSUPPORTED : SANE_STATUS_GOOD;
}

SANE_Status sane_hostile_get_select_fd(SANE_Handle, SANE_Int*)
{
    return SANE_STATUS_UNSUPPORTED;
}

}  // extern "C"
