#pragma once

// PDF files drawn for the tests by Debian's matplotlib, in a fresh folder of the build tree:
//  - curve.pdf and curve.png: the same 6 x 4 inch figure, y = sin(x) for x from 0 to 10 in
//    black, 3 pixels wide at 100 dpi; the axes fill the figure (X 0 ... 10, Y -1.5 ... 1.5,
//    no frame), so at 100 dpi X = column / 60 and Y = 1.5 - row * 3 / 400, pixel edges;
//  - pages.pdf: three pages; 1 and 2 are 4 x 3 inches, black on their left half and on
//    their right half; page 3 is 3 x 2 inches, black on its lower half;
//  - locked.pdf: pages.pdf encrypted with a user password (by qpdf; missing without it);
//  - enormous.pdf: one page that claims a MediaBox of 10^7 points square.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/Dm/PlotScript.h"
#include "tests/support/HostilePdfs.h"

namespace pdftest {

inline const char* const kScript = R"PY(
import sys
import numpy as np
import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
from matplotlib.backends.backend_pdf import PdfPages

out = sys.argv[1]

fig = plt.figure(figsize=(6, 4), dpi=100, facecolor="white")
ax = fig.add_axes([0, 0, 1, 1])
ax.set_xlim(0, 10)
ax.set_ylim(-1.5, 1.5)
ax.axis("off")
x = np.linspace(0, 10, 2001)
ax.plot(x, np.sin(x), color="black", linewidth=3 * 72 / 100)
fig.savefig(out + "/curve.pdf", facecolor="white")
fig.savefig(out + "/curve.png", dpi=100, facecolor="white")
plt.close(fig)

with PdfPages(out + "/pages.pdf") as pdf:
    for i, size in enumerate([(4, 3), (4, 3), (3, 2)]):
        fig = plt.figure(figsize=size, facecolor="white")
        ax = fig.add_axes([0, 0, 1, 1])
        ax.set_xlim(0, 2)
        ax.set_ylim(0, 1)
        ax.axis("off")
        if i < 2:
            ax.fill_between([i, i + 1], 0, 1, color="black", linewidth=0)
        else:
            ax.fill_between([0, 2], 0, 0.5, color="black", linewidth=0)
        pdf.savefig(fig, facecolor="white")
        plt.close(fig)
)PY";

inline const char* const kEnormous =
    "%PDF-1.4\n"
    "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
    "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
    "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 10000000 10000000] >> endobj\n"
    "trailer << /Root 1 0 R >>\n"
    "%%EOF\n";

// A page of a PDF file written by hand: its size in points and its drawing operators.
struct HandPage {
    int width;
    int height;
    std::string content;
};

// A PDF file of these pages with a correct cross-reference table.
inline std::string HandMadePdf(const std::vector<HandPage>& pages)
{
    std::vector<std::string> objects{"<< /Type /Catalog /Pages 2 0 R >>", ""};
    std::string kids;
    for (const HandPage& page : pages) {
        const size_t nPage = objects.size() + 1;
        kids += std::to_string(nPage) + " 0 R ";
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(page.width) + " " +
                          std::to_string(page.height) + "] /Contents " + std::to_string(nPage + 1) +
                          " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(page.content.size()) + " >>\nstream\n" +
                          page.content + "\nendstream");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>";
    return hostilepdf::Build(objects);
}

// Draws the files into dir; false when matplotlib is missing or fails.
inline bool MakePdfFigures(const std::filesystem::path& dir)
{
    if (!DrawPlotsWithMatplotlib(dir, kScript))
        return false;
    std::ofstream(dir / "enormous.pdf", std::ios::binary) << kEnormous;
    const std::string command = "qpdf --encrypt secret owner 256 -- '" + (dir / "pages.pdf").string() +
                                "' '" + (dir / "locked.pdf").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        std::filesystem::remove(dir / "locked.pdf");
    return true;
}

}  // namespace pdftest
