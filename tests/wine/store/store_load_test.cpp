// Start-up of the real main window: what the store reads from system.ini and the registry and
// how it shows up in the editors and boxes.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {

class StoreLoad : public MainWindowTest {
protected:
    void Vcache(const std::string& lines) {
        WriteSystemIni("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n" + lines);
    }
    void Template(const std::string& current, const std::string& name,
                  std::vector<std::uint8_t> nameCache, std::vector<std::uint8_t> pathCache) {
        SetRegText(kTemplatesKey, "", current);
        SetRegValue(kTemplatePrefix + name, "NameCache", REG_BINARY, nameCache);
        SetRegValue(kTemplatePrefix + name, "PathCache", REG_BINARY, pathCache);
    }
};

} // namespace

TEST_F(StoreLoad, HexMinimalSizesTickTheBox) {
    for (const char* text : {"0x800", "$800", "0X800"}) {
        SCOPED_TRACE(text);
        Vcache(std::string("minfilecache=") + text + "\r\n");
        Tf1& f = Start();
        EXPECT_TRUE(f.enablemincache.Checked());
        EXPECT_EQ(f.min.Position(), 2048);
        EXPECT_EQ(f.emin.Text(), "2048");
        EXPECT_TRUE(f.min.Enabled());
        EXPECT_TRUE(f.emin.Enabled());
        EXPECT_TRUE(f.Label1.Enabled());
        EXPECT_TRUE(f.Label2.Enabled());
        EXPECT_FALSE(Module.SettingsChanged);
        Close();
    }
}

TEST_F(StoreLoad, TextThatIsNoNumberLeavesTheDefault) {
    for (const char* lines : {"minfilecache=2048 Kb\r\n", "minfilecache=\r\n", "other=1\r\n"}) {
        SCOPED_TRACE(lines);
        Vcache(lines);
        Tf1& f = Start();
        EXPECT_FALSE(f.enablemincache.Checked());
        EXPECT_EQ(f.min.Position(), 1024);
        EXPECT_EQ(f.emin.Text(), "1024");
        EXPECT_FALSE(f.min.Enabled());
        EXPECT_FALSE(f.emin.Enabled());
        EXPECT_FALSE(f.Label1.Enabled());
        Close();
    }
}

TEST_F(StoreLoad, ZeroAndNegativeMaximalSizesCountAsAbsent) {
    for (const char* text : {"-1", "0", "$FFFFFFFF"}) {
        SCOPED_TRACE(text);
        Vcache(std::string("maxfilecache=") + text + "\r\n");
        Tf1& f = Start();
        EXPECT_FALSE(f.enablemaxcache.Checked());
        EXPECT_FALSE(f.max.Enabled());
        EXPECT_EQ(f.emax.Text(), "8192");
        Close();
    }
}

TEST_F(StoreLoad, AMaximalSizeAboveTheCeilingShowsAndSavesTheCeiling) {
    Vcache("maxfilecache=600000\r\n");
    Tf1& f = Start();
    const int ceiling = f.max.Max();
    if (Module.MemoryFigures.CacheCeilingKb > 0) {
        EXPECT_EQ(ceiling, Module.MemoryFigures.CacheCeilingKb);
    }
    // From about 1 GB of memory on, the largest disk cache Windows 9x still starts with.
    if (Module.MemoryFigures.TotalPhysKb >= 1048576) {
        EXPECT_EQ(ceiling, 524288);
    }
    EXPECT_LE(ceiling, 524288);
    EXPECT_TRUE(f.enablemaxcache.Checked());
    EXPECT_EQ(f.max.Position(), ceiling);
    EXPECT_EQ(f.emax.Value(), ceiling);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(IniValue(ParseIni(ReadSystemIni()), "vcache", "maxfilecache"),
              std::to_string(ceiling));
}

TEST_F(StoreLoad, ChunkSizesAreHeldToTheEditorRange) {
    Vcache("chunksize=1024\r\n");
    Tf1& f = Start();
    EXPECT_TRUE(f.enablechunk.Checked());
    EXPECT_EQ(f.chunk.Position(), 1024);
    EXPECT_EQ(f.echunk.Text(), "1024");
    Close();

    Vcache("chunksize=8\r\n");
    Tf1& g = Start();
    EXPECT_TRUE(g.enablechunk.Checked());
    EXPECT_EQ(g.chunk.Position(), 16);
    EXPECT_EQ(g.echunk.Text(), "16");
}

TEST_F(StoreLoad, StoredValuesTickTheirBoxesAndLeaveNoUnsavedChanges) {
    Vcache("minfilecache=2048\r\nmaxfilecache=4096\r\nchunksize=256\r\n");
    Template("Quorvane", "Quorvane", {0x00, 0x10, 0, 0}, {0x40, 0, 0, 0});
    Module.SettingsChanged = true;
    Tf1& f = Start();
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_TRUE(f.enablemincache.Checked());
    EXPECT_TRUE(f.enablemaxcache.Checked());
    EXPECT_TRUE(f.enablechunk.Checked());
    EXPECT_TRUE(f.enablenamecache.Checked());
    EXPECT_EQ(f.emin.Text(), "2048");
    EXPECT_EQ(f.emax.Text(), "4096");
    EXPECT_EQ(f.echunk.Text(), "256");
    EXPECT_EQ(f.enamecache.Text(), "4096");
    EXPECT_EQ(f.namecachebar.Position(), 4096);
    EXPECT_EQ(f.epathcache.Text(), "64");
    EXPECT_EQ(f.pathcachebar.Position(), 64);
    const std::initializer_list<qv::Window*> rows = {
        &f.Label9, &f.namecachebar, &f.enamecache, &f.Label10, &f.pathcachebar, &f.epathcache,
        &f.max,    &f.emax,         &f.chunk,      &f.echunk,  &f.Label5,       &f.Label6};
    for (qv::Window* c : rows)
        EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_FALSE(Module.SettingsChanged);
    EXPECT_TRUE(f.timer1.Enabled());
}

TEST_F(StoreLoad, AnotherTemplateIsShownInDisabledEditors) {
    Template("quorvane", "quorvane", {0x00, 0x08, 0, 0}, {0x30, 0, 0, 0});
    Tf1& f = Start();
    EXPECT_FALSE(f.enablenamecache.Checked());
    EXPECT_EQ(f.enamecache.Text(), "2048");
    EXPECT_EQ(f.epathcache.Text(), "48");
    EXPECT_FALSE(f.enamecache.Enabled());
    EXPECT_FALSE(f.pathcachebar.Enabled());
    EXPECT_EQ(Module.CurrentTemplateName, "quorvane");
}

TEST_F(StoreLoad, MissingTemplateValuesShowTheLowerEnds) {
    SetRegText(kTemplatesKey, "", "Desktop");
    CreateRegKey(kTemplatePrefix + "Desktop");
    Tf1& f = Start();
    EXPECT_EQ(f.enamecache.Text(), "337");
    EXPECT_EQ(f.epathcache.Text(), "16");
    EXPECT_EQ(f.namecachebar.Position(), 337);
    EXPECT_EQ(f.pathcachebar.Position(), 16);
    EXPECT_FALSE(f.enablenamecache.Checked());
}

TEST_F(StoreLoad, AMissingTemplatesKeyLeavesTheDefaults) {
    DeleteRegTree(kTemplatesKey);
    Tf1& f = Start();
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_EQ(f.enamecache.Text(), "677");
    EXPECT_EQ(f.epathcache.Text(), "32");
    EXPECT_EQ(f.namecachebar.Position(), 677);
    EXPECT_EQ(f.pathcachebar.Position(), 32);
    EXPECT_FALSE(f.enablenamecache.Checked());
    EXPECT_FALSE(RegKeyExists(kTemplatesKey)); // loading creates nothing
}

TEST_F(StoreLoad, AShortBinaryValueFillsOnlyItsBytes) {
    Template("Quorvane", "Quorvane", {0x00, 0x04}, {0x18});
    Tf1& f = Start();
    EXPECT_EQ(f.enamecache.Text(), "1024");
    EXPECT_EQ(f.epathcache.Text(), "24");
    EXPECT_EQ(Module.NameCacheBytes, (qv::TemplateBytes{0x00, 0x04, 0, 0}));
    EXPECT_EQ(Module.PathCacheBytes, (qv::TemplateBytes{0x18, 0, 0, 0}));
}

TEST_F(StoreLoad, ADwordPathCacheStopsStartUpWithAMessage) {
    Vcache("minfilecache=2048\r\nchunksize=64\r\n");
    SetRegText(kTemplatesKey, "", "Desktop");
    SetRegValue(kTemplatePrefix + "Desktop", "PathCache", REG_DWORD, {0x20, 0, 0, 0});
    SetRegValue(kTemplatePrefix + "Desktop", "NameCache", REG_BINARY, {0x00, 0x08, 0, 0});
    Module.SettingsChanged = true; // whatever it was stays: the end of start-up does not run
    Tf1& f = Start();
    ASSERT_EQ(ErrorTexts(), (std::vector<std::string>{"Invalid data type for 'PathCache'"}));
    EXPECT_EQ(boxes.Boxes()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
    EXPECT_FALSE(f.enablemincache.Checked());
    EXPECT_FALSE(f.enablechunk.Checked());
    EXPECT_EQ(f.emin.Text(), "1024");
    EXPECT_EQ(f.enamecache.Text(), "677"); // nothing reached the editors
    EXPECT_FALSE(f.timer1.Enabled());
    EXPECT_EQ(f.max.Max(), 16384); // no memory sample: the layout's upper end stands
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_TRUE(IsWindowVisible(f.Handle())); // the window opens all the same
}

TEST_F(StoreLoad, WrongTypesAndSizesNameTheirValue) {
    struct Case {
        std::string value;
        DWORD type;
        std::vector<std::uint8_t> data;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"NameCache", REG_BINARY, {1, 2, 3, 4, 5}, "Invalid data type for 'NameCache'"},
        {"NameCache", REG_SZ, {'1', 0}, "Invalid data type for 'NameCache'"},
        {"PathCache", REG_BINARY, std::vector<std::uint8_t>(8, 0x20),
         "Invalid data type for 'PathCache'"},
        {"", REG_DWORD, {1, 0, 0, 0}, "Invalid data type for ''"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " " + std::to_string(c.type));
        ResetStoreFiles("[vcache]\r\nchunksize=64\r\n");
        if (c.value.empty()) {
            SetRegValue(kTemplatesKey, "", c.type, c.data);
        } else {
            SetRegText(kTemplatesKey, "", "Desktop");
            SetRegValue(kTemplatePrefix + "Desktop", c.value, c.type, c.data);
        }
        const std::size_t shown = boxes.Boxes().size();
        Tf1& f = Start();
        ASSERT_EQ(boxes.Boxes().size(), shown + 1);
        EXPECT_EQ(boxes.Boxes().back().text, c.message);
        EXPECT_FALSE(f.enablechunk.Checked());
        EXPECT_FALSE(f.timer1.Enabled());
        Close();
    }
}
