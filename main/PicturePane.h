#pragma once

#include <QAbstractScrollArea>

#include "Dm/DocumentObserver.h"

class CPlotvaneDoc;

// The document's picture at 100 %, scrolled, with its coordinate systems and curves drawn
// over it through the same draw context as `plotvane-cli render`. Only the exposed part is
// painted. It stands where the graph view with its zoom and mouse handling will go.
class CPicturePane : public QAbstractScrollArea, public CDocumentObserver {
    Q_OBJECT
public:
    // Registers with the document, which must outlive the pane.
    CPicturePane(CPlotvaneDoc& doc, QWidget* pParent = nullptr);
    ~CPicturePane() override;

    void OnReinitialize() override;
    void OnDocumentChanged() override;
    void OnRedraw(const CRect& clip) override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void UpdateScrollRanges();
    QSize PictureSize() const;

    CPlotvaneDoc& m_Doc;
};
