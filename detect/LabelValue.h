#pragma once

// What a tick label, or the text a plotting program writes beside an axis, says: a number and
// the way it was written. The way matters to whoever places it: a multiplier ("×10⁴") or an
// offset ("+1.99e3") applies to the axis's other labels rather than to one tick, and a
// logarithmic axis labels its decades as powers ("10³", "1e3").
struct CLabelValue {
    enum class Form {
        Plain,       // "120", "-0.25", ".5"
        Scientific,  // "1e3", "2.5E-04"
        Power,       // "10^3", "10³", "2×10⁻²"
        Multiplier,  // "×10⁴", "x10^-5", "×1000": multiplies the axis's labels
        Offset,      // "+1.99e3", "+5000": is added to the axis's labels
    };

    Form form = Form::Plain;
    double value = 0.0;  // what the text writes: "1e3" and "×10³" are both 1000
};
