#pragma once

#include <iosfwd>

#include <nlohmann/json.hpp>

class CAxe;
class CCurve;
class CPlotvaneDoc;

// What `plotvane-cli info` tells about a document: the image (name and size), each
// coordinate system (number, whether its axes give a transform, each axis with its line,
// scale points, scale kind and name) and each curve (kind, name, number, point count, the
// settings of its kind and its results parameters), optionally with each curve's pixel
// points: the point list of continuous and discrete curves, the nodes of a spline, the
// segment of a density curve.
//
// The JSON keys follow the job file's where they mean the same thing. Text is UTF-8.
// Built once from the document (which it may complete: the transform is recomputed and a
// curve without results object gets its default one); it keeps no reference to it.
class CDocumentDescription {
public:
    CDocumentDescription(CPlotvaneDoc& doc, bool bPoints);

    const nlohmann::ordered_json& ToJson() const { return m_Json; }
    // The same content as indented "key: value" lines.
    void WriteText(std::ostream& out) const;

private:
    static nlohmann::ordered_json DescribeAxis(const CAxe& axe);
    static nlohmann::ordered_json DescribeCurve(CCurve& curve, bool bPoints);

    nlohmann::ordered_json m_Json;
};
