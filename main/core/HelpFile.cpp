#include "main/core/HelpFile.h"

std::string HelpFileBesideExecutable(const std::string& executablePath,
                                     const std::string& helpFileName) {
    std::size_t slash = executablePath.find_last_of("\\:");
    std::string directory =
        slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    return directory + helpFileName;
}
