#pragma once
// The records editor's state for the whole run.

#include "carnival/records_file.h"

#include <string>

namespace quillmere {

struct Module1 {
    // The record on screen, as last read or as about to be written.
    carnival::RecordEntry currentRecord;
    // Number (from 1) of the record on screen.
    int recordNumber = 1;
    // The chosen records file; empty until a type is chosen.
    std::string recordsPath;
    bool fileChosen = false;
};

inline Module1& module1()
{
    static Module1 state;
    return state;
}

} // namespace quillmere
