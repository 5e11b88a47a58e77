#include "main/core/HelpFile.h"
#include <gtest/gtest.h>

TEST(HelpFile, IsTheExecutablesDirectoryWithItsBackslashAndTheName) {
    EXPECT_EQ(HelpFileBesideExecutable("C:\\QUORVANE\\QUORVANE.EXE", "Quorvane.hlp"),
              "C:\\QUORVANE\\Quorvane.hlp");
    EXPECT_EQ(HelpFileBesideExecutable("C:\\Program Files\\My Tools\\quorvane.exe", "Quorvane.hlp"),
              "C:\\Program Files\\My Tools\\Quorvane.hlp");
    EXPECT_EQ(HelpFileBesideExecutable("C:\\quorvane.exe", "Quorvane.hlp"), "C:\\Quorvane.hlp");
}

TEST(HelpFile, ADriveOnlyOrBarePathKeepsWhatThereIs) {
    EXPECT_EQ(HelpFileBesideExecutable("D:quorvane.exe", "Quorvane.hlp"), "D:Quorvane.hlp");
    EXPECT_EQ(HelpFileBesideExecutable("quorvane.exe", "Quorvane.hlp"), "Quorvane.hlp");
    // A dot or blank in a directory name is part of the directory.
    EXPECT_EQ(HelpFileBesideExecutable("\\\\server\\share 1\\v3.5\\q.exe", "Quorvane.hlp"),
              "\\\\server\\share 1\\v3.5\\Quorvane.hlp");
}
