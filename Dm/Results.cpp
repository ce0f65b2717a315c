#include "Dm/Results.h"

IMPLEMENT_DYNAMIC(CResults, CObject)
