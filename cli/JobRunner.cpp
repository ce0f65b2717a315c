#include "cli/JobRunner.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/Job.h"
#include "cli/JobCurveBuilder.h"
#include "cli/JobCurveKinds.h"
#include "cli/JobScanner.h"
#include "cli/JobValue.h"
#include "cli/StderrMessageService.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/PdfDecoder.h"
#include "imaging/ScanFailure.h"
#include "imaging/TextException.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"

CJobRunner::CJobRunner(const CJob& job, CStderrMessageService& messages) : m_Job(job), m_Messages(messages) {}

std::string CJobRunner::GetImagePath() const
{
    return m_Job.Resolve(m_Job.Root().Get("image").AsString());
}

void CJobRunner::Build(CPlotvaneDoc& doc)
{
    const CJobValue root = m_Job.Root();
    root.CheckObject(kTopLevelKeys);
    doc.DeleteContents();
    m_CurveNames.clear();
    const std::optional<CJobValue> scanner = root.Find("scanner");
    if (scanner && root.Find("image"))
        scanner->Refuse(CCliText::Get(IDS_CLI_IMAGE_OR_SCANNER));
    if (scanner) {
        Scan(doc, *scanner);
    } else {
        if (!root.Find("image"))
            root.Refuse(CCliText::Get(IDS_CLI_IMAGE_OR_SCANNER));
        if (const std::optional<CJobValue> dpi = root.Find("scan_dpi"))
            dpi->Refuse(CCliText::Get(IDS_CLI_SCAN_DPI_ONLY_FOR_SCANNER));
        OpenImage(doc);
    }
    if (const std::optional<CJobValue> coordSysts = root.Find("coordinate_systems")) {
        for (const CJobValue& item : coordSysts->Elements())
            BuildCoordSyst(doc, item);
    }
}

void CJobRunner::Scan(CPlotvaneDoc& doc, const CJobValue& scanner)
{
    const CJobValue root = m_Job.Root();
    for (const char* key : {"page", "dpi"})
        if (const std::optional<CJobValue> value = root.Find(key))
            value->Refuse(CCliText::Get(IDS_CLI_ONLY_FOR_PDF));
    // The device name reaches the scanner library as the job gives it (UTF-8), the way
    // `scanners` prints it.
    const std::string strDevice = scanner.AsString();
    if (strDevice.empty())
        scanner.Refuse(CCliText::Get(IDS_CLI_EXPECTED_FILE_NAME));
    double dDpi = 0;
    const std::optional<CJobValue> dpi = root.Find("scan_dpi");
    if (dpi) {
        dDpi = dpi->AsDouble();
        if (dDpi < kMinScanDpi || dDpi > kMaxScanDpi)
            dpi->Refuse(
                CCliText::Format(IDS_CLI_SCAN_DPI_RANGE, {FormatG(kMinScanDpi), FormatG(kMaxScanDpi)}));
    }

    CJobScanner jobScanner;
    const std::vector<uint8_t> dib = jobScanner.Scan(strDevice, dDpi);
    const CTwain::CFailure& failure = jobScanner.GetFailure();
    if (dib.empty()) {
        const std::string strReason = CCliText::FromModel(failure.nReturnCode == TWRC_CANCEL
                                                              ? CScanFailure::Message(TWRC_CANCEL, 0)
                                                              : CScanFailure::Reason(failure.nConditionCode));
        // The device refusing the resolution refuses a value of the job; anything else is
        // an input that could not be read.
        if (dpi && failure.nConditionCode == TWCC_BADVALUE)
            dpi->Refuse(strReason);
        throw CCliError(kExitUnreadable,
                        scanner.Where() + ": " + CJobValue::Printable(strDevice) + ": " + strReason);
    }
    if (!doc.AcceptScannedBitmap(dib)) {
        const std::string strReason = m_Messages.TakeLastText();
        throw CCliError(
            kExitUnreadable,
            scanner.Where() + ": " + CJobValue::Printable(strDevice) + ": " +
                (strReason.empty() ? CCliText::FromModel(CScanFailure::Reason(TWCC_BADPICTURE)) : strReason));
    }
    m_Messages.PrintWarnings(scanner.Where());
}

void CJobRunner::OpenImage(CPlotvaneDoc& doc)
{
    const CJobValue image = m_Job.Root().Get("image");
    const std::string strPath = GetImagePath();
    // The picture passes the input files' gate here for a message that says why.
    std::unique_ptr<CMappedFile> pProbe;
    try {
        pProbe = std::make_unique<CMappedFile>(strPath);
    } catch (const CInputFileError& e) {
        const std::string strReason = CCliText::ReasonOf(e);
        throw CCliError(
            kExitUnreadable,
            image.Where() + ": " + CCliText::Format(IDS_CLI_CANNOT_READ_PICTURE, {strPath, strReason}));
    }
    const bool bPdf = PLAnyPicDecoder::Detect(strPath, pProbe->GetData(), pProbe->GetSize()) ==
                      PLAnyPicDecoder::Format::PDF;
    int nPage = PLPdfDecoder::kDefaultPage;
    int nDpi = PLPdfDecoder::kDefaultDpi;
    if (bPdf)
        ReadPdfChoice(pProbe->GetData(), pProbe->GetSize(), nPage, nDpi);
    else
        for (const char* key : {"page", "dpi"})
            if (const std::optional<CJobValue> value = m_Job.Root().Find(key))
                value->Refuse(CCliText::Get(IDS_CLI_ONLY_FOR_PDF));
    pProbe.reset();

    if (!doc.OpenBitmap(strPath, nPage, nDpi)) {
        // What the bitmap manager told: the general message and the reason of the layer
        // below, or a depth it cannot read.
        std::string strReason = m_Messages.TakeLastText();
        const CBmpManager& bitmap = *doc.GetBmpManager();
        // A picture this machine cannot hold refuses the job as every other lack of memory,
        // and a page whose drawing passed a bound as a job whose work passes one.
        if (bitmap.GetLastFailure() == CBmpManager::Failure::OutOfMemory ||
            bitmap.GetLastFailure() == CBmpManager::Failure::Stopped)
            throw CCliError(kExitRefused, image.Where() + ": " + strPath + ": " +
                                              CCliText::FromModel(bitmap.GetLastReason()));
        if (bitmap.GetLastFailure() != CBmpManager::Failure::None)
            strReason =
                CCliText::Get(IDS_FAILED_TO_OPEN) + " (" + CCliText::FromModel(bitmap.GetLastReason()) + ")";
        throw CCliError(kExitUnreadable, image.Where() + ": " + strPath + ": " + strReason);
    }
    m_Messages.PrintWarnings(image.Where());
}

void CJobRunner::ReadPdfChoice(const uint8_t* data, size_t size, int& nPage, int& nDpi) const
{
    const CJobValue root = m_Job.Root();
    if (const std::optional<CJobValue> dpi = root.Find("dpi"))
        nDpi = dpi->AsInt(PLPdfDecoder::kMinDpi, PLPdfDecoder::kMaxDpi);
    const std::optional<CJobValue> page = root.Find("page");
    if (!page)
        return;
    nPage = page->AsInt(1, std::numeric_limits<int>::max());
    size_t nPages = 0;
    try {
        nPages = PLPdfDecoder::ReadPageSizes(data, size).size();
    } catch (const PLTextException& e) {
        const CJobValue image = root.Get("image");
        throw CCliError(kExitUnreadable, image.Where() + ": " + GetImagePath() + ": " + e.what());
    }
    if (static_cast<size_t>(nPage) > nPages)
        page->Refuse(CCliText::Format(IDS_CLI_PDF_PAGE_RANGE, {std::to_string(nPages)}));
}

void CJobRunner::BuildCoordSyst(CPlotvaneDoc& doc, const CJobValue& item)
{
    item.CheckObject({"x_axis", "y_axis", "curves"});
    CCoordSyst* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
    BuildAxis(*pCoordSyst, true, item.Get("x_axis"));
    BuildAxis(*pCoordSyst, false, item.Get("y_axis"));
    // The checks above leave nothing that can spoil the transform; kept as the last word.
    if (!pCoordSyst->ComputeTransform())
        item.Refuse(CCliText::Get(IDS_CLI_NO_TRANSFORM));

    if (const std::optional<CJobValue> curves = item.Find("curves")) {
        for (const CJobValue& curve : curves->Elements())
            BuildCurve(doc, *pCoordSyst, curve);
    }
    // As the wizard does when it finishes a coordinate system.
    doc.AdvanceCoordSystCounter();
}

void CJobRunner::BuildAxis(CCoordSyst& coordSyst, bool bXAxis, const CJobValue& item)
{
    item.CheckObject({"name", "logarithmic", "line", "point1", "point2"});
    CAxe& axe = bXAxis ? coordSyst.GetXAxe() : coordSyst.GetYAxe();
    const CAxe& other = bXAxis ? coordSyst.GetYAxe() : coordSyst.GetXAxe();
    const CPoint size = coordSyst.GetDocument()->GetBmpManager()->GetSize();

    // The line, as the drawing state takes it on button release.
    const CJobValue line = item.Get("line");
    const std::vector<CJobValue> ends = line.Elements(2, 2);
    const CPoint start = ends[0].AsPointOn(size);
    const CPoint end = ends[1].AsPointOn(size);
    if (const unsigned nRefusal = CAxe::CheckLine(start, end, other))
        line.Refuse(CCliText::Get(nRefusal));
    axe.SetLine(start, end);
    coordSyst.ComputeOrigin();

    // The scale points, as the picking state places them and the value edits set them.
    for (int i = 1; i <= 2; ++i) {
        const CJobValue point = item.Get(i == 1 ? "point1" : "point2");
        point.CheckObject({"at", "value"});
        CScalePoint& scalePoint = i == 1 ? axe.GetScalePoint1() : axe.GetScalePoint2();
        const CJobValue at = point.Get("at");
        const CPoint picked = at.AsPointOn(size);
        if (const unsigned nRefusal = axe.CheckScalePoint(i, picked))
            at.Refuse(CCliText::Get(nRefusal));
        scalePoint.SetPosition(picked);
        scalePoint.SetValue(point.Get("value").AsDouble());
    }
    bool bLogarithmic = axe.IsLogarithmic();
    if (const std::optional<CJobValue> logarithmic = item.Find("logarithmic"))
        bLogarithmic = logarithmic->AsBool();

    // The dialog's validation, in its order, then its commit.
    if (const unsigned nRefusal = axe.CheckScale(bLogarithmic)) {
        // A value <= 0 is shown where it stands; any other refusal on the second value.
        const bool bFirst = nRefusal == IDS_LOG_VALUES_POSITIVE && axe.GetScalePoint1().GetValue() <= 0;
        item.Get(bFirst ? "point1" : "point2").Get("value").Refuse(CCliText::Get(nRefusal));
    }
    if (const std::optional<CJobValue> name = item.Find("name"))
        axe.SetName(name->AsText());
    axe.SetLogarithmic(bLogarithmic);
    coordSyst.ComputeTransform();
    m_Messages.PrintWarnings(item.Where());
}

void CJobRunner::BuildCurve(CPlotvaneDoc& doc, CCoordSyst& coordSyst, const CJobValue& item)
{
    const CJobCurveKind& kind =
        CJobCurveKinds::All().at(item.Get("kind").AsChoice(CJobCurveKinds::Keywords()));
    const std::unique_ptr<CJobCurveBuilder> pBuilder = kind.makeBuilder(doc, coordSyst, m_Messages, m_Budget);
    pBuilder->SetCurveNames(&m_CurveNames);
    pBuilder->Build(item);
    if (!coordSyst.GetCurveList().empty())
        m_CurveNames.insert(coordSyst.GetCurveList().back()->GetName());
    // As the wizard does when it finishes a new curve.
    doc.AdvanceCurveCounter();
}
