#include "Dm/DiscreteResults.h"

IMPLEMENT_SERIAL(CDiscreteResults, CResults, 1)

void CDiscreteResults::Serialize(CArchive& /*ar*/) {}
