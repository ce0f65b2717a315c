#pragma once

#include <cstdint>

// The part of the TWAIN protocol (version 1.8) that the program speaks to a source manager:
// the integer types, the identity and the few data structures it exchanges, and the codes
// of the triplets (data group, data argument type, message), return codes and condition
// codes, with the standard's numbers. A source manager here is any object with the shape of
// the standard's entry point (CAbstractSourceManager), not a library of the system.
using TW_UINT16 = uint16_t;
using TW_UINT32 = uint32_t;
using TW_INT16 = int16_t;
using TW_INT32 = int32_t;
using TW_MEMREF = void*;

// A text of at most 32 characters and its end.
using TW_STR32 = char[34];

struct TW_VERSION {
    TW_UINT16 MajorNum = 0;
    TW_UINT16 MinorNum = 0;
    TW_UINT16 Language = 0;
    TW_UINT16 Country = 0;
    TW_STR32 Info = {};
};

struct TW_IDENTITY {
    TW_UINT32 Id = 0;  // given by the source manager; 0 until then
    TW_VERSION Version;
    TW_UINT16 ProtocolMajor = 0;
    TW_UINT16 ProtocolMinor = 0;
    TW_UINT32 SupportedGroups = 0;
    TW_STR32 Manufacturer = {};
    TW_STR32 ProductFamily = {};
    TW_STR32 ProductName = {};
};

// A fixed-point number: whole part and 1/65536ths.
struct TW_FIX32 {
    TW_INT16 Whole = 0;
    TW_UINT16 Frac = 0;
};

// A capability with a one-value container (the only kind this program sets or reads).
struct TW_CAPABILITY {
    TW_UINT16 Cap = 0;
    TW_UINT16 ConType = 0;  // TWON_ONEVALUE
    TW_UINT16 ItemType = 0;
    TW_UINT32 Item = 0;  // the value: an integer, or a TW_FIX32 packed as Whole | Frac << 16
};

struct TW_USERINTERFACE {
    TW_UINT16 ShowUI = 0;
    TW_UINT16 ModalUI = 0;
    TW_MEMREF hParent = nullptr;
};

// A window message offered to the source: pEvent points to the message number
// (uint32_t); the source answers with the message it has for the program, if any.
struct TW_EVENT {
    TW_MEMREF pEvent = nullptr;
    TW_UINT16 TWMessage = 0;
};

struct TW_PENDINGXFERS {
    TW_UINT16 Count = 0;
    TW_UINT32 Reserved = 0;
};

struct TW_IMAGEINFO {
    TW_FIX32 XResolution;
    TW_FIX32 YResolution;
    TW_INT32 ImageWidth = 0;
    TW_INT32 ImageLength = 0;  // -1 when the source cannot tell before the transfer
    TW_INT16 SamplesPerPixel = 0;
    TW_INT16 BitsPerSample[8] = {};
    TW_INT16 BitsPerPixel = 0;
    TW_UINT16 Planar = 0;
    TW_INT16 PixelType = 0;
    TW_UINT16 Compression = 0;
};

struct TW_STATUS {
    TW_UINT16 ConditionCode = 0;
    TW_UINT16 Reserved = 0;
};

// Data groups.
constexpr TW_UINT32 DG_CONTROL = 0x0001;
constexpr TW_UINT32 DG_IMAGE = 0x0002;

// Data argument types.
constexpr TW_UINT16 DAT_NULL = 0x0000;
constexpr TW_UINT16 DAT_CAPABILITY = 0x0001;
constexpr TW_UINT16 DAT_EVENT = 0x0002;
constexpr TW_UINT16 DAT_IDENTITY = 0x0003;
constexpr TW_UINT16 DAT_PARENT = 0x0004;
constexpr TW_UINT16 DAT_PENDINGXFERS = 0x0005;
constexpr TW_UINT16 DAT_STATUS = 0x0008;
constexpr TW_UINT16 DAT_USERINTERFACE = 0x0009;
constexpr TW_UINT16 DAT_IMAGEINFO = 0x0101;
constexpr TW_UINT16 DAT_IMAGENATIVEXFER = 0x0104;

// Messages.
constexpr TW_UINT16 MSG_NULL = 0x0000;
constexpr TW_UINT16 MSG_GET = 0x0001;
constexpr TW_UINT16 MSG_GETDEFAULT = 0x0003;
constexpr TW_UINT16 MSG_SET = 0x0006;
constexpr TW_UINT16 MSG_RESET = 0x0007;
constexpr TW_UINT16 MSG_XFERREADY = 0x0101;
constexpr TW_UINT16 MSG_CLOSEDSREQ = 0x0102;
constexpr TW_UINT16 MSG_OPENDSM = 0x0301;
constexpr TW_UINT16 MSG_CLOSEDSM = 0x0302;
constexpr TW_UINT16 MSG_OPENDS = 0x0401;
constexpr TW_UINT16 MSG_CLOSEDS = 0x0402;
constexpr TW_UINT16 MSG_USERSELECT = 0x0403;
constexpr TW_UINT16 MSG_DISABLEDS = 0x0501;
constexpr TW_UINT16 MSG_ENABLEDS = 0x0502;
constexpr TW_UINT16 MSG_PROCESSEVENT = 0x0601;
constexpr TW_UINT16 MSG_ENDXFER = 0x0701;

// Return codes.
constexpr TW_UINT16 TWRC_SUCCESS = 0;
constexpr TW_UINT16 TWRC_FAILURE = 1;
constexpr TW_UINT16 TWRC_CHECKSTATUS = 2;
constexpr TW_UINT16 TWRC_CANCEL = 3;
constexpr TW_UINT16 TWRC_DSEVENT = 4;
constexpr TW_UINT16 TWRC_NOTDSEVENT = 5;
constexpr TW_UINT16 TWRC_XFERDONE = 6;

// Condition codes.
constexpr TW_UINT16 TWCC_SUCCESS = 0;
constexpr TW_UINT16 TWCC_BUMMER = 1;
constexpr TW_UINT16 TWCC_LOWMEMORY = 2;
constexpr TW_UINT16 TWCC_NODS = 3;
constexpr TW_UINT16 TWCC_OPERATIONERROR = 5;
constexpr TW_UINT16 TWCC_BADCAP = 6;
constexpr TW_UINT16 TWCC_BADPROTOCOL = 9;
constexpr TW_UINT16 TWCC_BADVALUE = 10;
constexpr TW_UINT16 TWCC_SEQERROR = 11;
constexpr TW_UINT16 TWCC_DENIED = 16;
constexpr TW_UINT16 TWCC_PAPERJAM = 20;
constexpr TW_UINT16 TWCC_CHECKDEVICEONLINE = 23;
constexpr TW_UINT16 TWCC_INTERLOCK = 24;
constexpr TW_UINT16 TWCC_NOMEDIA = 29;
// Condition codes of this program's own (the standard leaves those from 0x8000 free): the
// picture a source announced or delivered cannot be taken (damaged or too large).
constexpr TW_UINT16 TWCC_BADPICTURE = 0x8001;
// The source stopped answering and was given up.
constexpr TW_UINT16 TWCC_STALLED = 0x8002;

// Capabilities, containers and item types.
constexpr TW_UINT16 CAP_XFERCOUNT = 0x0001;
constexpr TW_UINT16 ICAP_XRESOLUTION = 0x1118;
constexpr TW_UINT16 ICAP_YRESOLUTION = 0x1119;
constexpr TW_UINT16 TWON_ONEVALUE = 5;
constexpr TW_UINT16 TWTY_INT16 = 0x0001;
constexpr TW_UINT16 TWTY_FIX32 = 0x0007;

// Pixel types of the image information.
constexpr TW_INT16 TWPT_BW = 0;
constexpr TW_INT16 TWPT_GRAY = 1;
constexpr TW_INT16 TWPT_RGB = 2;
