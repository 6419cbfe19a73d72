#pragma once

namespace reports {

// "Print Records": after the user's yes, the set records of the current
// carnival type on one printout, the body in a fixed-width font.
void printRecords();

} // namespace reports
