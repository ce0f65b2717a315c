#pragma once

// Small PDF files made for the tests, each a page that poppler cannot draw within any sane
// bound, or a file damaged in one precise way. Written with a correct cross-reference table,
// so that poppler reads them without repairing anything.

#include <cstddef>
#include <string>
#include <vector>

namespace hostilepdf {

// A file of the given objects (object i + 1 is objects[i]; an empty text leaves the object
// out), object 1 the catalog.
inline std::string Build(const std::vector<std::string>& objects)
{
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(objects[i].empty() ? 0 : pdf.size());
        if (!objects[i].empty())
            pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        const std::string number = std::to_string(offset);
        pdf += offset == 0 ? std::string("0000000000 65535 f \n")
                           : std::string(10 - number.size(), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

inline std::string Stream(const std::string& dictionary, const std::string& data)
{
    return "<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
           "\nendstream";
}

// One page of the given content, MediaBox and resources; objects from 5 on are extras.
inline std::string OnePage(const std::string& content, const std::string& resources = "<< >>",
                           const std::vector<std::string>& extras = {},
                           const std::string& mediaBox = "[0 0 200 100]")
{
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>",
                                        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                        "<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox +
                                            " /Resources " + resources + " /Contents 4 0 R >>",
                                        Stream("", content)};
    objects.insert(objects.end(), extras.begin(), extras.end());
    return Build(objects);
}

// Forms nested depth deep, each drawing the next twice, the last a line: 2^depth lines.
inline std::string NestedForms(int depth = 30)
{
    std::vector<std::string> forms;
    for (int i = 0; i < depth; ++i) {
        const int self = 5 + i;
        const std::string content = i + 1 < depth
                                        ? "q 0.5 0 0 0.5 0 0 cm /F Do Q q 0.5 0 0 0.5 100 0 cm /F Do Q"
                                        : "0 0 m 200 100 l S";
        const std::string resources =
            i + 1 < depth ? "/Resources << /XObject << /F " + std::to_string(self + 1) + " 0 R >> >>" : "";
        forms.push_back(Stream("/Type /XObject /Subtype /Form /BBox [0 0 200 100] " + resources, content));
    }
    return OnePage("/F Do", "<< /XObject << /F 5 0 R >> >>", forms);
}

// An image that claims side x side grey pixels and holds a few bytes.
inline std::string HugeImage(int side = 65536)
{
    const std::string image =
        Stream("/Type /XObject /Subtype /Image /Width " + std::to_string(side) + " /Height " +
                   std::to_string(side) + " /ColorSpace /DeviceGray /BitsPerComponent 8",
               "\x10\x80\xF0\x33");
    return OnePage("q 200 0 0 100 0 0 cm /Im Do Q", "<< /XObject << /Im 5 0 R >> >>", {image});
}

// One stroked path of that many segments, each crossing the whole page.
inline std::string LongPath(int segments = 250000)
{
    std::string content = "2 w 0 0 m\n";
    content.reserve(static_cast<size_t>(segments) * 10);
    for (int i = 0; i < segments; ++i)
        content += std::to_string(i % 200) + (i % 2 == 0 ? " 100 l\n" : " 0 l\n");
    content += "S";
    return OnePage(content);
}

// That many graphics states saved, none restored.
inline std::string NestedSaves(int count = 1000000)
{
    std::string content;
    content.reserve(static_cast<size_t>(count) * 2 + 20);
    for (int i = 0; i < count; ++i)
        content += "q\n";
    content += "0 0 m 200 100 l S";
    return OnePage(content);
}

// Two pages, the second of which has no object.
inline std::string MissingSecondPage()
{
    return Build({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 2 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R >>",
                  Stream("", "0 0 m 200 100 l S"), ""});
}

// A page drawing an image its resources do not hold, then a line: poppler leaves the image out.
inline std::string MissingImage()
{
    return OnePage("q 200 0 0 100 0 0 cm /Missing Do Q 0 0 m 200 100 l S");
}

// A page whose MediaBox width is a number of 400 digits.
inline std::string EndlessMediaBox()
{
    return OnePage("0 0 m 200 100 l S", "<< >>", {}, "[0 0 " + std::string(400, '9') + " 100]");
}

}  // namespace hostilepdf
