#pragma once

class CContinuousCurve;

// Before anything rebuilds or reassembles a continuous curve edited by hand, the user is
// asked whether to lose the changes made by hand ("This will lost hand-modifications.
// Continue ?", Yes/No).
class CHandModifiedQuestion {
public:
    // True when the curve has no changes made by hand, or when the user answers Yes.
    static bool MayRebuild(const CContinuousCurve& curve);
};
