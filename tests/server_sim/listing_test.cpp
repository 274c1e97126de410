// The whole sample memory listed from the simulated calculator, over both transports.
#include "link/CalcNames.h"
#include "objects/DecompLength.h"
#include "support/SimSession.h"

#include <map>
#include <set>

using namespace lw;
using namespace lw::test;

namespace {

class SimListing : public ::testing::TestWithParam<bool> {};

} // namespace

TEST_P(SimListing, WholeSampleMemory) {
    TSimSession S({.Usb = GetParam()});
    S.Connect();
    EXPECT_EQ(S.Server->StatusText(), "");
    const TXPObject& home = S.Server->Root();

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
    for (const char* name : {"\\Ga", "\\<)ANG", "A\\->B"})
        EXPECT_TRUE(home.FindChild(name)) << name;

    // Nested and empty directories; paths.
    const TXPObject* empty = S.Find("HOME EMPTY");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->IsDirectory());
    EXPECT_TRUE(empty->Children.empty());
    EXPECT_TRUE(empty->Listed);
    const TXPObject* v1 = S.Find("HOME WORK PROJ OLD V1");
    ASSERT_TRUE(v1);
    EXPECT_EQ(v1->GetPath(), "HOME WORK PROJ OLD V1");
    EXPECT_EQ(v1->TypeName, "Real");
    EXPECT_TRUE(v1->OddNibble); // a real is 21 nibbles
    EXPECT_EQ(v1->SizeBytes, 11);
    EXPECT_EQ(S.Find("HOME WORK PROJ OLD NOTE")->TypeIndex, StringTypeIndex);
    EXPECT_EQ(S.Find("HOME EQ")->TypeIndex, AlgebraicTypeIndex);

    // Sizes agree with the objects the calculator sends, measured by the length walk.
    int32_t direct = 0;
    for (const auto& c : home.Children) {
        direct += c->SizeBytes;
        if (c->IsDirectory()) continue;
        std::string file = S.Var(FileToName(c->Name, false));
        bool odd = false;
        ASSERT_TRUE(DecompLength(file, odd)) << c->Name;
        EXPECT_EQ(static_cast<int32_t>(file.size()) - 8, c->SizeBytes) << c->Name;
        EXPECT_EQ(odd, c->OddNibble) << c->Name;
    }
    EXPECT_EQ(home.GetSize(), 100 + direct);
}

TEST_P(SimListing, EmptyCalculator) {
    TSimSession S({.Model = sim::TModel::KA, .Empty = true, .Usb = GetParam(), .Speed = "9600"});
    S.Connect();
    EXPECT_TRUE(S.Server->Root().Children.empty());
    EXPECT_EQ(S.Server->Root().GetSize(), 100);
}

TEST_P(SimListing, FreeMemoryWithBothFractionMarks) {
    TSimSession S({.Usb = GetParam()});
    S.Open();
    std::string text;
    S.Server->GetFreeMemory(text);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
    S.Control("flag -51 on"); // the calculator now writes a comma
    S.Open();
    ASSERT_EQ(S.State.CalcFlags, "01");
    std::string comma;
    S.Server->GetFreeMemory(comma);
    EXPECT_EQ(comma.find_first_not_of("0123456789"), std::string::npos) << comma;
    EXPECT_NEAR(std::stod(comma), std::stod(text), 4096);
}

TEST_P(SimListing, ChangeDirAndOperations) {
    TSimSession S({.Usb = GetParam()});
    S.Open();
    const auto path = [&] {
        std::vector<std::string> p;
        S.Sim->Invoke([&](sim::ISimCalculator& c) { p = c.CurrentPath(); });
        std::string s;
        for (const auto& n : p) s += (s.empty() ? "" : " ") + n;
        return s;
    };
    S.Server->ChangeDir("HOME WORK PROJ");
    EXPECT_EQ(path(), "HOME WORK PROJ");
    S.Server->CreateDir("NEW");
    S.Server->Rename("RUN", "GO", false);
    S.Server->Rename("OLD", "ARCHIVE", true);
    S.Server->Purge("DATA", false);
    S.Server->EvalVar("HOME WORK", "RATE");
    EXPECT_EQ(path(), "HOME WORK");
    S.Server->GetFileList();
    const TXPObject* proj = S.Find("HOME WORK PROJ");
    ASSERT_TRUE(proj);
    std::map<std::string, std::string> names;
    for (const auto& c : proj->Children) names[c->Name] = c->TypeName;
    EXPECT_EQ(names, (std::map<std::string, std::string>{
                         {"NEW", "Directory"}, {"GO", "Vorl"}, {"ARCHIVE", "Directory"}}));
    EXPECT_EQ(S.Find("HOME WORK PROJ ARCHIVE")->Children.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Transports, SimListing, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });
