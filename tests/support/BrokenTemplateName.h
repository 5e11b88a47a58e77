#pragma once
#include <windows.h>

namespace qvtest {

// Makes the name of the file-system template in force a number for the object's lifetime, so
// the creation sequence's template step fails ("Invalid data type for ''") and start-up ends
// there, before the first memory sample.
class BrokenTemplateName {
public:
    BrokenTemplateName();
    ~BrokenTemplateName();
    BrokenTemplateName(const BrokenTemplateName&) = delete;
    BrokenTemplateName& operator=(const BrokenTemplateName&) = delete;

private:
    HKEY key_ = nullptr;
};

} // namespace qvtest
