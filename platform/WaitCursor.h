#pragma once

#include "platform/MessageService.h"

// Shows the wait cursor for the life of a scope and takes it down on every way out,
// exceptions included.
class CWaitCursor {
public:
    CWaitCursor() { CMessageService::Get().BeginWaitCursor(); }
    ~CWaitCursor() { CMessageService::Get().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
