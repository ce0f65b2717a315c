#pragma once

#include <memory>
#include <vector>

#include "Dm/CurveKind.h"

class CCoordSyst;
class CJobCurveBuilder;
class CJobWorkBudget;
class CPlotvaneDoc;
class CStderrMessageService;

// What the command line needs of one curve kind: its word and its job builder.
struct CJobCurveKind {
    ECurveKind kind;
    // The "kind" of a job's curve and of a curve that `info` describes.
    const char* pszKeyword;
    // The builder of a curve of the kind on a coordinate system of a job.
    std::unique_ptr<CJobCurveBuilder> (*makeBuilder)(CPlotvaneDoc& doc, CCoordSyst& coordSyst,
                                                     CStderrMessageService& messages, CJobWorkBudget& budget);
};

// The command line's table of curve kinds: the one place where the command line binds a kind
// of the model to its word and its job builder. The order of the table is the order in
// which a refused "kind" lists the words.
class CJobCurveKinds {
public:
    static const std::vector<CJobCurveKind>& All();
    // The entry of a kind; null for a kind that the table lacks.
    static const CJobCurveKind* Find(ECurveKind kind);
    // The words of the kinds, in the table's order.
    static std::vector<const char*> Keywords();
};
