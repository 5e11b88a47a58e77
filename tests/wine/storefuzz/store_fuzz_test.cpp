// A few hundred generated malformed system.ini files and registry values through start-up and
// save of the real main window: no crash, and every foreign key and value survives the save.
#include "support/MainWindowTest.h"
#include "support/MalformedInput.h"

using namespace qvtest;

namespace {

const std::vector<std::string> kTemplateNames = {"Quorvane", "Desktop", "Other"};

RegValue RandomValue(Rng& rng) {
    static const std::vector<DWORD> kTypes = {REG_BINARY, REG_BINARY, REG_BINARY,   REG_DWORD,
                                              REG_SZ,     REG_NONE,   REG_EXPAND_SZ};
    RegValue value;
    value.type = rng.Pick(kTypes);
    value.data = RandomBytes(rng, rng.Chance(80) ? 6 : 40);
    return value;
}

void Put(const std::string& key, const std::string& name, const RegValue& value) {
    SetRegValue(key, name, value.type, value.data);
}

// Fills "FS Templates" with a random current name, templates with random cache values and
// foreign values and subkeys the program must leave alone.
void FillRegistry(Rng& rng) {
    static const std::vector<std::string> kNames = {"Quorvane", "Desktop", "quorvane", "",
                                                    "Other",    "Missing", "Quorvane "};
    if (rng.Chance(10)) {
        DeleteRegTree(kTemplatesKey);
        return;
    }
    if (rng.Chance(85))
        SetRegText(kTemplatesKey, "", rng.Pick(kNames));
    else
        Put(kTemplatesKey, "", RandomValue(rng));
    if (rng.Chance(50))
        Put(kTemplatesKey, "foreign", RandomValue(rng));
    for (const std::string& name : kTemplateNames) {
        if (rng.Chance(25))
            continue;
        const std::string key = kTemplatePrefix + name;
        CreateRegKey(key);
        if (rng.Chance(50))
            SetRegText(key, "", name + " settings");
        for (const char* value : {"NameCache", "PathCache"}) {
            if (rng.Chance(15))
                continue;
            RegValue v = RandomValue(rng);
            if (rng.Chance(60))
                v = RegValue{REG_BINARY, RandomBytes(rng, 4)};
            Put(key, value, v);
        }
        if (rng.Chance(40))
            Put(key, "Foreign" + std::to_string(rng.Below(9)), RandomValue(rng));
        if (rng.Chance(20))
            CreateRegKey(key + "\\Child");
    }
}

struct RegistrySnapshot {
    std::map<std::string, RegValue> templates;
    std::vector<std::string> subkeys;
    std::map<std::string, std::map<std::string, RegValue>> values;
    std::map<std::string, std::vector<std::string>> children;
};

RegistrySnapshot TakeRegistrySnapshot() {
    RegistrySnapshot s;
    s.templates = RegValues(kTemplatesKey);
    s.subkeys = RegSubkeys(kTemplatesKey);
    for (const std::string& name : s.subkeys) {
        s.values[name] = RegValues(kTemplatePrefix + name);
        s.children[name] = RegSubkeys(kTemplatePrefix + name);
    }
    return s;
}

template <class Map>
Map Without(Map map, std::initializer_list<const char*> names) {
    for (const char* n : names)
        map.erase(n);
    return map;
}

void TypeJunk(Rng& rng, qv::SpinEdit& edit) {
    static const std::vector<std::string> kTexts = {
        "99999", "", "-5", "abc", "0", "300", "2147483647", "-2147483648", "65536"};
    if (rng.Chance(30))
        edit.SetText(rng.Pick(kTexts));
}

class StoreFuzz : public MainWindowTest {};

} // namespace

TEST_F(StoreFuzz, MalformedInputIsNeverFatalAndForeignDataSurvivesASave) {
    int loadErrors = 0;
    int saves = 0;
    for (std::uint32_t run = 0; run < 250; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        Rng rng(1000 + run);
        const std::string ini = MalformedSystemIni(rng);
        ResetStoreFiles(ini);
        FillRegistry(rng);
        const RegistrySnapshot before = TakeRegistrySnapshot();

        const std::size_t shown = boxes.Boxes().size();
        Tf1& f = Start();
        loadErrors += boxes.Boxes().size() > shown;
        for (qv::CheckBox* box :
             {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache})
            if (rng.Chance(40))
                box->SetChecked(!box->Checked());
        for (qv::SpinEdit* edit : {&f.emin, &f.emax, &f.echunk, &f.enamecache, &f.epathcache})
            TypeJunk(rng, *edit);

        const std::string error = Save();
        ASSERT_EQ(error, "");
        ++saves;
        ASSERT_TRUE(ForeignToStore(ReadSystemIni()) == ForeignToStore(ini));

        const RegistrySnapshot after = TakeRegistrySnapshot();
        EXPECT_EQ(Without(after.templates, {""}), Without(before.templates, {""}));
        for (const auto& [name, values] : before.values) {
            if (name == "Quorvane") {
                EXPECT_EQ(Without(after.values.at(name), {"", "NameCache", "PathCache"}),
                          Without(values, {"", "NameCache", "PathCache"}));
            } else {
                EXPECT_EQ(after.values.at(name), values) << name;
            }
            EXPECT_EQ(after.children.at(name), before.children.at(name)) << name;
        }
        if (f.enablenamecache.Checked()) {
            const auto& own = after.values.at("Quorvane");
            const RegValue& path = own.at("PathCache");
            const RegValue& name = own.at("NameCache");
            ASSERT_EQ(path.type, static_cast<DWORD>(REG_BINARY));
            ASSERT_EQ(path.data.size(), 4u);
            ASSERT_EQ(name.data.size(), 4u);
            EXPECT_GE(path.data[0], 16);
            EXPECT_LE(path.data[0], 128);
            int nameCache = name.data[0] + 256 * name.data[1];
            EXPECT_GE(nameCache, 337);
            EXPECT_LE(nameCache, 6144);
        }
        Close();
    }
    std::printf("%d start-ups reported a registry value, %d saves checked\n", loadErrors, saves);
}
