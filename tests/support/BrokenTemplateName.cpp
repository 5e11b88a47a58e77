#include "support/BrokenTemplateName.h"

namespace qvtest {

BrokenTemplateName::BrokenTemplateName() {
    RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    const DWORD number = 7;
    RegSetValueExA(key_, "", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

BrokenTemplateName::~BrokenTemplateName() {
    RegDeleteValueA(key_, "");
    RegCloseKey(key_);
}

} // namespace qvtest
