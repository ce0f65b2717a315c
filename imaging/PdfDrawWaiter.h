#pragma once

// Who waits while the PDF decoder's drawing program draws a page: the window shows that it
// is busy and lets the user cancel. Called on the thread that decodes.
class PLPdfDrawWaiter {
public:
    virtual ~PLPdfDrawWaiter() = default;
    // Called every few hundredths of a second while the page is drawn; false stops it.
    virtual bool KeepWaiting() = 0;
    // Called once the drawing has ended, however it ended, after at least one KeepWaiting.
    virtual void Finished() = 0;
};
