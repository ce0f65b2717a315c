#pragma once

#include <cstdint>

// The window a TWAIN source reports to (the parent window of the protocol): a source that
// wants the program's attention (a picture ready, a request to be closed) posts a message
// to it; the window later offers that message, as every message it receives, to the source
// through event processing (CTwain::ProcessMessage).
class CAbstractTwainWindow {
public:
    virtual ~CAbstractTwainWindow() = default;

    // Queues nMessage for the window; never calls back before returning.
    virtual void PostSourceMessage(uint32_t nMessage) = 0;
};
