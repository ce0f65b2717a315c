#pragma once

#include "platform/Point.h"

// What the document tells the windows that show it. The shell's graph view and main frame
// implement it and register with CPlotvaneDoc::AddObserver; the first observer registered
// stands for the "first view" of the document. Every notification has an empty default so
// that an observer overrides only what it shows.
class CDocumentObserver {
public:
    virtual ~CDocumentObserver() = default;

    // The content was replaced (a new bitmap, a document read, the document emptied): the
    // view sets up its scrolling and zoom again for the new bitmap and repaints.
    virtual void OnReinitialize() {}
    // Something drawn changed: repaint everything ("update all views").
    virtual void OnDocumentChanged() {}
    // Repaint the part clip of the picture (bitmap pixels) at once.
    virtual void OnRedraw(const CRect& /*clip*/) {}
    // A new bitmap was loaded: start the "New coordinates system and curve" construction.
    virtual void OnStartConstruction() {}
    // The title or the path name changed.
    virtual void OnTitleChanged() {}
    // The modified flag changed to bModified.
    virtual void OnModifiedChanged(bool /*bModified*/) {}

protected:
    CDocumentObserver() = default;
    CDocumentObserver(const CDocumentObserver&) = default;
    CDocumentObserver& operator=(const CDocumentObserver&) = default;
};
