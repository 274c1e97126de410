// The whole sample memory listed from the simulated calculator, over both transports.
#include "SimFixture.h"
#include "link/CalcNames.h"
#include "objects/DecompLength.h"

#include <map>
#include <set>

using namespace lw;
using namespace lw::test;

namespace {

class SimListing : public SimFixture, public ::testing::WithParamInterface<bool> {};

const TXPObject* Find(const TXPObject& dir, const std::string& name) {
    for (const auto& c : dir.Children)
        if (c->Name == name) return c.get();
    return nullptr;
}

} // namespace

TEST_P(SimListing, WholeSampleMemory) {
    Start(sim::TModel::KB, GetParam());
    Connect();
    Server->GetFileList();
    EXPECT_EQ(Server->StatusText(), "");
    const TXPObject& home = Server->Root();

    std::set<std::string> types;
    std::vector<const TXPObject*> pending{&home};
    while (!pending.empty()) {
        const TXPObject* o = pending.back();
        pending.pop_back();
        for (const auto& c : o->Children) {
            types.insert(c->TypeName);
            pending.push_back(c.get());
        }
    }
    for (const char* t : {"Real", "String", "Complex", "List", "Algebraic", "Vorl",
                          "Binary Integer", "Graphical Object", "Tagged", "Global", "Directory"})
        EXPECT_TRUE(types.count(t)) << t;
    EXPECT_FALSE(types.count(""));

    // Calculator characters in names come out in display form.
    for (const char* name : {"\\Ga", "\\<)ANG", "A\\->B"}) EXPECT_TRUE(Find(home, name)) << name;

    // Nested and empty directories; paths.
    const TXPObject* work = Find(home, "WORK");
    const TXPObject* empty = Find(home, "EMPTY");
    ASSERT_TRUE(work && empty);
    EXPECT_TRUE(empty->IsDirectory());
    EXPECT_TRUE(empty->Children.empty());
    EXPECT_TRUE(empty->Listed);
    const TXPObject* proj = Find(*work, "PROJ");
    ASSERT_TRUE(proj);
    const TXPObject* old = Find(*proj, "OLD");
    ASSERT_TRUE(old);
    const TXPObject* v1 = Find(*old, "V1");
    ASSERT_TRUE(v1);
    EXPECT_EQ(v1->GetPath(), "HOME WORK PROJ OLD V1");
    EXPECT_EQ(v1->TypeName, "Real");
    EXPECT_TRUE(v1->OddNibble); // a real is 21 nibbles
    EXPECT_EQ(v1->SizeBytes, 11);
    EXPECT_EQ(Find(*old, "NOTE")->TypeIndex, StringTypeIndex);
    EXPECT_EQ(Find(home, "EQ")->TypeIndex, AlgebraicTypeIndex);

    // Sizes agree with the objects the calculator sends, measured by the length walk.
    int32_t direct = 0;
    for (const auto& c : home.Children) {
        direct += c->SizeBytes;
        if (c->IsDirectory()) continue;
        std::string file;
        Sim->Invoke([&](sim::ISimCalculator& calc) {
            std::string name = FileToName(c->Name, false);
            calc.GetVariable(name, file);
        });
        bool odd = false;
        ASSERT_TRUE(DecompLength(file, odd)) << c->Name;
        EXPECT_EQ(static_cast<int32_t>(file.size()) - 8, c->SizeBytes) << c->Name;
        EXPECT_EQ(odd, c->OddNibble) << c->Name;
    }
    EXPECT_EQ(home.GetSize(), 100 + direct);

    // A second listing replaces the first.
    Server->GetFileList();
    EXPECT_EQ(Server->Root().Children.size(), home.Children.size());
}

TEST_P(SimListing, EmptyCalculator) {
    Start(sim::TModel::KA, GetParam(), {}, false);
    Connect("9600");
    Server->GetFileList();
    EXPECT_TRUE(Server->Root().Children.empty());
    EXPECT_EQ(Server->Root().GetSize(), 100);
}

TEST_P(SimListing, FreeMemoryWithBothFractionMarks) {
    Start(sim::TModel::KB, GetParam());
    Connect();
    std::string text;
    Server->GetFreeMemory(text);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
    Control("flag -51 on"); // the calculator now writes a comma
    Connect();
    ASSERT_EQ(State.CalcFlags, "01");
    std::string comma;
    Server->GetFreeMemory(comma);
    EXPECT_EQ(comma.find_first_not_of("0123456789"), std::string::npos) << comma;
    EXPECT_NEAR(std::stod(comma), std::stod(text), 4096);
}

TEST_P(SimListing, ChangeDirAndOperations) {
    Start(sim::TModel::KB, GetParam());
    Connect();
    const auto path = [&] {
        std::vector<std::string> p;
        Sim->Invoke([&](sim::ISimCalculator& c) { p = c.CurrentPath(); });
        std::string s;
        for (const auto& n : p) s += (s.empty() ? "" : " ") + n;
        return s;
    };
    Server->ChangeDir("HOME WORK PROJ");
    EXPECT_EQ(path(), "HOME WORK PROJ");
    Server->CreateDir("NEW");
    Server->Rename("RUN", "GO", false);
    Server->Rename("OLD", "ARCHIVE", true);
    Server->Purge("DATA", false);
    Server->EvalVar("HOME WORK", "RATE");
    EXPECT_EQ(path(), "HOME WORK");
    Server->GetFileList();
    const TXPObject* proj = nullptr;
    for (const auto& w : Server->Root().Children)
        if (w->Name == "WORK")
            for (const auto& p : w->Children)
                if (p->Name == "PROJ") proj = p.get();
    ASSERT_TRUE(proj);
    std::map<std::string, std::string> names;
    for (const auto& c : proj->Children) names[c->Name] = c->TypeName;
    EXPECT_EQ(names, (std::map<std::string, std::string>{
                         {"NEW", "Directory"}, {"GO", "Vorl"}, {"ARCHIVE", "Directory"}}));
    for (const auto& c : proj->Children) {
        if (c->Name == "ARCHIVE") {
            EXPECT_EQ(c->Children.size(), 2u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Transports, SimListing, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });
