#include "carnival_state.h"

namespace carnival {

CarnivalState& modDeclareGlobals()
{
    static CarnivalState state;
    return state;
}

void resetCarnivalState()
{
    modDeclareGlobals() = CarnivalState {};
}

} // namespace carnival
