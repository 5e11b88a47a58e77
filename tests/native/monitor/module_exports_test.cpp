// The export-directory reader on images built in memory, sound and damaged.
#include "main/core/ModuleExports.h"
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using qv::FindExportByOrdinal;
using qv::OrdinalExport;

// A mapped image of 4 KB: headers at 0x40, export directory at 0x200 (0x100 bytes) with
// ordinals 35, 36, 37: code at 0x300, a forwarder, an empty entry.
class FakeModule {
public:
    explicit FakeModule(bool pe32Plus = false) : image(0x1000) {
        Put16(0, 0x5A4D);
        Put32(0x3C, kPe);
        Put32(kPe, 0x00004550);
        const std::uint32_t optional = kPe + 24;
        const std::uint32_t directories = pe32Plus ? 112 : 96;
        Put16(kPe + 20, static_cast<std::uint16_t>(directories + 16 * 8)); // SizeOfOptionalHeader
        Put16(optional, pe32Plus ? 0x20B : 0x10B);
        Put32(optional + 56, static_cast<std::uint32_t>(image.size())); // SizeOfImage
        Put32(optional + directories - 4, 16);                          // NumberOfRvaAndSizes
        exportEntry = optional + directories;
        Put32(exportEntry, kDirectory);
        Put32(exportEntry + 4, 0x100);
        Put32(kDirectory + 16, 35);     // Base
        Put32(kDirectory + 20, 3);      // NumberOfFunctions
        Put32(kDirectory + 28, kTable); // AddressOfFunctions
        Put32(kTable, 0x300);
        Put32(kTable + 4, kForwarder);
        Put32(kTable + 8, 0);
        PutText(kForwarder, "krnl386.exe16.FreeLibrary16");
    }

    OrdinalExport Find(std::uint32_t ordinal) const { return FindExportByOrdinal(image, ordinal); }
    void Put16(std::uint32_t at, std::uint16_t v) { std::memcpy(&image[at], &v, 2); }
    void Put32(std::uint32_t at, std::uint32_t v) { std::memcpy(&image[at], &v, 4); }
    void PutText(std::uint32_t at, const std::string& s) {
        std::memcpy(&image[at], s.c_str(), s.size() + 1);
    }

    static constexpr std::uint32_t kPe = 0x40, kDirectory = 0x200, kTable = 0x280,
                                   kForwarder = 0x2C0;
    std::vector<std::uint8_t> image;
    std::uint32_t exportEntry = 0;
};

void ExpectNotFound(const FakeModule& m, std::uint32_t ordinal = 35) {
    EXPECT_EQ(m.Find(ordinal).kind, OrdinalExport::Kind::NotFound) << "ordinal " << ordinal;
}

TEST(ModuleExports, FindsCodeAndForwardersByOrdinal) {
    for (bool pe32Plus : {false, true}) {
        FakeModule m(pe32Plus);
        EXPECT_EQ(qv::ImageSizeFromHeaders(m.image), 0x1000u);
        const OrdinalExport code = m.Find(35);
        EXPECT_EQ(code.kind, OrdinalExport::Kind::Code);
        EXPECT_EQ(code.rva, 0x300u);
        const OrdinalExport forwarder = m.Find(36);
        EXPECT_EQ(forwarder.kind, OrdinalExport::Kind::Forwarder);
        EXPECT_EQ(forwarder.forwarder, "krnl386.exe16.FreeLibrary16");
        ExpectNotFound(m, 37); // an empty entry
    }
}

TEST(ModuleExports, WrongSignaturesFindNothing) {
    FakeModule noMz;
    noMz.Put16(0, 0x4D5A);
    FakeModule noPe;
    noPe.Put32(FakeModule::kPe, 0x00004E45);
    FakeModule unknownFormat;
    unknownFormat.Put16(FakeModule::kPe + 24, 0x107);
    FakeModule headerBeyondImage;
    headerBeyondImage.Put32(0x3C, 0xFFFFFFF0);
    for (const FakeModule* m : {&noMz, &noPe, &unknownFormat, &headerBeyondImage}) {
        ExpectNotFound(*m);
        EXPECT_EQ(qv::ImageSizeFromHeaders(m->image), 0u);
    }
    FakeModule sound;
    EXPECT_EQ(qv::ImageSizeFromHeaders(std::span(sound.image).first(0x50)), 0u) << "cut short";
}

TEST(ModuleExports, OrdinalsOutsideTheTableFindNothing) {
    FakeModule m;
    ExpectNotFound(m, 34); // below Base
    ExpectNotFound(m, 38); // past NumberOfFunctions
    ExpectNotFound(m, 0);
    m.Put32(FakeModule::kDirectory + 20, 0xFFFFFFFF); // a count that runs off the image
    ExpectNotFound(m, 35 + 0x3FFFFFFF);
    EXPECT_EQ(m.Find(35).kind, OrdinalExport::Kind::Code) << "entries inside the image still count";
}

TEST(ModuleExports, TablesPointingOutsideTheModuleFindNothing) {
    FakeModule table;
    table.Put32(FakeModule::kDirectory + 28, 0xFFFFFFFE);
    FakeModule tableAtTheEnd;
    tableAtTheEnd.Put32(FakeModule::kDirectory + 28, 0xFFE); // its first entry straddles the end
    FakeModule entry;
    entry.Put32(FakeModule::kTable, 0x1000); // code just past the image
    FakeModule directory;
    directory.Put32(directory.exportEntry, 0xF80); // directory runs past the image
    FakeModule directorySize;
    directorySize.Put32(directorySize.exportEntry + 4, 0xFFFFFFFF);
    FakeModule noDirectory;
    noDirectory.Put32(noDirectory.exportEntry, 0);
    for (const FakeModule* m :
         {&table, &tableAtTheEnd, &entry, &directory, &directorySize, &noDirectory})
        ExpectNotFound(*m);
}

TEST(ModuleExports, DamagedForwardersFindNothing) {
    FakeModule unterminated; // the text runs to the end of the directory
    std::memset(&unterminated.image[FakeModule::kForwarder], 'a', 0x300 - FakeModule::kForwarder);
    FakeModule noDot;
    noDot.PutText(FakeModule::kForwarder, "FreeLibrary16");
    FakeModule noName;
    noName.PutText(FakeModule::kForwarder, "krnl386.");
    for (const FakeModule* m : {&unterminated, &noDot, &noName})
        ExpectNotFound(*m, 36);
}

} // namespace
