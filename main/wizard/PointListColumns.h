#pragma once

#include <QString>

class QLabel;
class QListWidget;

// The lists of points in graph units of the wizard steps (picked points, genesis points):
// one line per point, X then Y, in a fixed-pitch font so that the Y column stays put
// whatever X holds (decimals, signs, exponents).
class CPointListColumns {
public:
    // X takes this many characters at least; Y follows one space after that.
    static constexpr int kXColumnWidth = 14;

    // X as "%g" prints it, padded with spaces to kXColumnWidth, a space, then Y.
    static QString Line(double x, double y);
    // Gives list the fixed-pitch font; pXLabel, the caption above the X column when there
    // is one, is made as wide as the X column, so that the caption of Y stands above Y.
    static void SetUp(QListWidget& list, QLabel* pXLabel);
};
