#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "Dm/DocumentLink.h"
#include "imaging/PdfDecoder.h"
#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CBmpManager;
class CCoordSyst;
class CCurve;
class CDocumentObserver;
class CDocumentUi;
class CDrawContext;
class CFileReplacer;

// The one document of the application: the working bitmap (through its bitmap manager) and
// the coordinate systems laid over it, each owning its curves. Coordinates are bitmap pixels
// (origin top-left, y down). The document file (".pvd") is this object's archive.
//
// Owns the bitmap manager (never null) and the coordinate systems (deleted with the
// contents). Gives new coordinate systems and curves their number and drawing colour
// (0x00BBGGRR) and follows the curves' modified flags. Windows are reached only through the
// observers registered on it and the dialog interface installed with SetUi; neither is
// owned.
class CPlotvaneDoc : public CObject, public CDocumentLink {
    DECLARE_DYNAMIC(CPlotvaneDoc)
public:
    using CoordSystList = std::list<std::unique_ptr<CCoordSyst>>;

    // The number of entries of the colour table.
    static constexpr int kColorCount = 10;

    CPlotvaneDoc();
    ~CPlotvaneDoc() override;
    CPlotvaneDoc(const CPlotvaneDoc&) = delete;
    CPlotvaneDoc& operator=(const CPlotvaneDoc&) = delete;

    // ---- framework part
    // Empties the document; always succeeds.
    bool OnNewDocument();
    // Drops the bitmap (and its temporary copy) and every coordinate system with its curves,
    // resets both counters to 1, titles the document "Untitled", forgets its path name and
    // clears the modified flag.
    void DeleteContents();
    // Storing writes the bitmap manager record, the number of coordinate systems and each of
    // them, then clears every curve's modified flag. Loading replaces the whole content; on
    // any failure the document is left empty and the archive exception goes on.
    void Serialize(CArchive& ar) override;
    // Asks whether to save a modified document; false when the user cancels or the save or
    // export fails. True without asking when nothing is modified. A modified document
    // without a dialog interface is kept: false.
    bool SaveModified();
    bool CanCloseFrame() { return SaveModified(); }
    // Reads a document file; on failure the document is empty, false is returned and
    // pstrError (if given) receives the reason.
    bool OnOpenDocument(const std::string& strPath, std::string* pstrError = nullptr);
    // Writes the document file (a bitmap must be loaded). The file is replaced only once
    // the whole document was written; on failure the curves keep their modified flags.
    bool OnSaveDocument(const std::string& strPath, std::string* pstrError = nullptr);
    // Writes the document file into file (not yet opened) and prepares it: the target is
    // replaced only when the caller commits file, so that several files written together
    // change together. The path name and the modified flag stay as they are.
    bool WriteDocument(CFileReplacer& file, std::string* pstrError = nullptr);

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& strTitle);
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path name and titles the document with its file name.
    void SetPathName(const std::string& strPathName);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);

    // ---- windows
    void AddObserver(CDocumentObserver* pObserver);
    void RemoveObserver(CDocumentObserver* pObserver);
    // Not owned; null removes it.
    void SetUi(CDocumentUi* pUi) { m_pUi = pUi; }
    CDocumentUi* GetUi() const { return m_pUi; }
    // Repaints every view.
    void UpdateAllViews();
    // Asks the views to set themselves up again for the current bitmap.
    void ReinitializeViews();
    // The bitmap 1:1 into clip widened by one pixel to the right and at the bottom, then
    // every coordinate system with its axes and curves.
    void Draw(CDrawContext& dc, const CRect& clip) const;
    // Has the views repaint clip at once.
    void Redraw(const CRect& clip);

    // ---- commands
    // "&Open Graphic": the save prompt, the file dialog, then OpenGraphicFile. False when
    // refused, cancelled or the file cannot be read.
    bool OnOpenGraphic();
    // Opens a picture file the user named: a PDF file after asking for its page and
    // resolution (false when the user cancels), then OpenBitmap.
    bool OpenGraphicFile(const std::string& strPath);
    // Replaces everything by the picture of an image file. The title becomes the file name,
    // or empty when the picture cannot be read (the bitmap manager tells the user why). The
    // views are reinitialised and, on success, asked to start the construction at once.
    // A PDF file gives its page nPdfPage (from 1) drawn at nPdfDpi dots per inch.
    bool OpenBitmap(const std::string& strPath, int nPdfPage = PLPdfDecoder::kDefaultPage,
                    int nPdfDpi = PLPdfDecoder::kDefaultDpi);
    // Makes a scanned picture (a packed device-independent bitmap) the working bitmap. The
    // document is titled "Untitled" and has no path name whatever the outcome; the views
    // are reinitialised and, when a bitmap is loaded, asked to start the construction.
    bool AcceptScannedBitmap(const uint8_t* data, size_t size);
    bool AcceptScannedBitmap(const std::vector<uint8_t>& dib)
    {
        return AcceptScannedBitmap(dib.data(), dib.size());
    }
    // "&Data export": runs the export dialogs of the shell. False without them.
    bool OnExport();
    // The filter of the graphic file dialog: "Graphic files|*.bmp; ...|All files (*.*)|*.*||".
    static std::string GetGraphicFileFilter();

    // Command enabling, given what runs in the shell.
    bool CanOpenGraphic(bool bConstructionRunning, bool bScanRunning) const;
    bool CanExport(bool bConstructionRunning) const;
    bool CanSaveDocument(bool bConstructionRunning) const;

    // ---- content
    CBmpManager* GetBmpManager() const override { return m_pBmpManager.get(); }
    // The image's file name when a bitmap is loaded, else empty.
    std::string GetBitmapFileName() const;
    const CoordSystList& GetCoordSystList() const { return m_CoordSystList; }
    // Takes the coordinate system and binds it to this document; returns it (null for null).
    CCoordSyst* AddCoordSyst(std::unique_ptr<CCoordSyst> pCoordSyst);
    // Deletes the coordinate system with its curves when it belongs to this document.
    bool DeleteCoordSyst(CCoordSyst* pCoordSyst);

    // Clears every selection, then selects the first coordinate system whose axes are hit,
    // or else the first curve hit (coordinate systems in order, each before its curves).
    bool SelectAt(int x, int y);
    void ClearSelection();
    CCoordSyst* GetSelectedCoordSyst() const;
    CCurve* GetSelectedCurve() const;
    bool HasCurves() const;

    // Whether a curve other than pExcept has exactly this name (case-sensitive).
    bool IsCurveNameUsed(const std::string& strName, const CCurve* pExcept = nullptr) const;
    // The duplicate-name check of the construction dialogs: when another curve has the
    // name, asks "Another curve already has the same name..." (Yes/No); false only for No.
    bool CheckCurveName(const CCurve* pCurve, const std::string& strName) const;

    // ---- CDocumentLink
    int CoordSystCounter() const override { return m_nCoordSystCounter; }
    void SetCoordSystCounter(int nValue) override { m_nCoordSystCounter = nValue; }
    int CurveCounter() const override { return m_nCurveCounter; }
    void SetCurveCounter(int nValue) override { m_nCurveCounter = nValue; }
    // The wizards advance a counter when they accept a new object.
    void AdvanceCoordSystCounter() { ++m_nCoordSystCounter; }
    void AdvanceCurveCounter() { ++m_nCurveCounter; }
    // Entry nNumber mod 10 of the colour table.
    COLORREF GetColor(int nNumber) const override;
    const std::vector<COLORREF>& GetColorTable() const { return m_CurveColors; }
    // Modified exactly when some curve is.
    void UpdateModifiedFlag() override;
    // Clears the modified flags of curves of the document, in the order that keeps the
    // document's own flag cheap to follow.
    void ClearCurvesModified(const std::vector<CCurve*>& curves);

private:
    void ClearCurvesModified();
    std::string NameForSavePrompt() const;
    template <typename F>
    void Notify(F f) const;

    CoordSystList m_CoordSystList;
    std::vector<COLORREF> m_CurveColors;
    std::unique_ptr<CBmpManager> m_pBmpManager;

    int m_nCoordSystCounter = 1;
    int m_nCurveCounter = 1;
    bool m_bModified = false;
    std::string m_strTitle;
    std::string m_strPathName;

    std::vector<CDocumentObserver*> m_Observers;
    CDocumentUi* m_pUi = nullptr;
};
