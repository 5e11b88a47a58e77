#pragma once
#include <string>

namespace qv {

// A private-profile file such as "system.ini". A bare file name is resolved by the system in
// the Windows directory. Reads, writes and deletes go straight to the platform's profile
// functions; nothing is cached here.
class IniFile {
public:
    explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The key's text, or the empty text when the key (or the file) is missing.
    std::string ReadString(const std::string& section, const std::string& key) const;
    // Raises qv::Exception "Unable to write to <file name>" when the system refuses the write.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Removes the key, every copy of it. A missing key or file leaves nothing to do and is not
    // an error; a key that stays in the file raises as a refused write does.
    void DeleteKey(const std::string& section, const std::string& key);
    // Whether the file holds the key, whatever its value.
    bool HasKey(const std::string& section, const std::string& key) const;
    // Has the system write its cached copy of the file to disk now. Windows 9x keeps profile
    // files cached and writes them when it pleases, at the latest when it shuts down; until
    // then other programs read the old file, and a crash or hard reset loses the changes. The
    // answer is not looked at: Windows 95 answers FALSE even when it flushed.
    void Flush();

private:
    [[noreturn]] void FailWrite();

    std::string fileName_;
};

} // namespace qv
