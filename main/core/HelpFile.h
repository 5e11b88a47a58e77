#pragma once
#include <string>

// The help file: the directory of the running executable, with its trailing backslash,
// followed by the file name ("C:\Program Files\Quorvane\" + "Quorvane.hlp").
std::string HelpFileBesideExecutable(const std::string& executablePath,
                                     const std::string& helpFileName);
