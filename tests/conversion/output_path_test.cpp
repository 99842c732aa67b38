#include "conversion/output_path.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace conversion {
namespace {

TEST(OutputPath, NameComesFromTheEntryAndTheFolder) {
  EXPECT_EQ(MakeOutputPath("D:\\Out", "C:\\Video\\My.Clip.avi"), "D:\\Out\\My.Clip.3gp");
  EXPECT_EQ(MakeOutputPath("D:\\Out\\", "C:\\Video\\My.Clip.avi"), "D:\\Out\\My.Clip.3gp");
  EXPECT_EQ(MakeOutputPath("D:\\Out", "C:\\v.d\\noext"), "D:\\Out\\noext.3gp");
  EXPECT_EQ(MakeOutputPath("D:\\Out", "C:clip.rm"), "D:\\Out\\clip.3gp");
}

TEST(OutputPath, ChoiceTable) {
  EXPECT_EQ(ChoiceFor(OverwriteButton::Ignore, false), OverwriteChoice::IgnoreThis);
  EXPECT_EQ(ChoiceFor(OverwriteButton::Ignore, true), OverwriteChoice::IgnoreAll);
  EXPECT_EQ(ChoiceFor(OverwriteButton::Overwrite, false), OverwriteChoice::OverwriteThis);
  EXPECT_EQ(ChoiceFor(OverwriteButton::Overwrite, true), OverwriteChoice::OverwriteAll);
  EXPECT_EQ(ChoiceFor(OverwriteButton::AutoName, false), OverwriteChoice::AutoNameThis);
  EXPECT_EQ(ChoiceFor(OverwriteButton::AutoName, true), OverwriteChoice::AutoNameAll);
}

class Clash : public ::testing::Test {
 protected:
  FileExists Exists() {
    return [this](const std::string& path) { return files_.count(path) > 0; };
  }
  AskOverwrite Answer(OverwriteChoice choice) {
    return [this, choice] {
      ++asked_;
      return choice;
    };
  }

  std::set<std::string> files_{"D:\\Out\\clip.3gp", "D:\\Out\\clip(1).3gp"};
  int asked_ = 0;
};

TEST_F(Clash, AutoNamingAppendsAnotherSuffixEachRound) {
  EXPECT_EQ(AutoRenamePath("D:\\Out\\clip.3gp", Exists()), "D:\\Out\\clip(1)(1).3gp");
  EXPECT_EQ(AutoRenamePath("D:\\Out\\free.3gp", Exists()), "D:\\Out\\free.3gp");
}

TEST_F(Clash, PolicyTable) {
  struct Case {
    OverwriteChoice answer;
    const char* result;
    OverwriteChoice policyAfter;
  };
  const Case cases[] = {
      {OverwriteChoice::IgnoreThis, "", OverwriteChoice::IgnoreThis},
      {OverwriteChoice::IgnoreAll, "", OverwriteChoice::IgnoreAll},
      {OverwriteChoice::OverwriteThis, "D:\\Out\\clip.3gp", OverwriteChoice::IgnoreThis},
      {OverwriteChoice::OverwriteAll, "D:\\Out\\clip.3gp", OverwriteChoice::OverwriteAll},
      {OverwriteChoice::AutoNameThis, "D:\\Out\\clip(1)(1).3gp", OverwriteChoice::IgnoreThis},
      {OverwriteChoice::AutoNameAll, "D:\\Out\\clip(1)(1).3gp", OverwriteChoice::AutoNameAll},
  };
  for (const Case& c : cases) {
    OverwriteChoice policy = OverwriteChoice::IgnoreThis;
    asked_ = 0;
    EXPECT_EQ(
        ResolveOutputPath("D:\\Out\\clip.3gp", "C:\\clip.avi", policy, Exists(), Answer(c.answer)),
        c.result);
    EXPECT_EQ(policy, c.policyAfter);
    EXPECT_EQ(asked_, 1);
  }
}

TEST_F(Clash, StandingAnswersAreNotAskedAgainAndFreePathsNeverAsk) {
  for (OverwriteChoice standing :
       {OverwriteChoice::IgnoreAll, OverwriteChoice::OverwriteAll, OverwriteChoice::AutoNameAll}) {
    OverwriteChoice policy = standing;
    ResolveOutputPath("D:\\Out\\clip.3gp", "C:\\clip.avi", policy, Exists(),
                      Answer(OverwriteChoice::IgnoreThis));
    EXPECT_EQ(policy, standing);
  }
  OverwriteChoice policy = OverwriteChoice::IgnoreThis;
  EXPECT_EQ(ResolveOutputPath("D:\\Out\\new.3gp", "C:\\new.avi", policy, Exists(),
                              Answer(OverwriteChoice::IgnoreAll)),
            "D:\\Out\\new.3gp");
  EXPECT_EQ(asked_, 0);
}

TEST_F(Clash, TheInputItselfIsNeverOverwritten) {
  for (OverwriteChoice answer : {OverwriteChoice::OverwriteThis, OverwriteChoice::OverwriteAll}) {
    OverwriteChoice policy = OverwriteChoice::IgnoreThis;
    EXPECT_EQ(
        ResolveOutputPath("D:\\Out\\clip.3gp", "d:/out/CLIP.3gp", policy, Exists(), Answer(answer)),
        "D:\\Out\\clip(1)(1).3gp");
  }
}

}  // namespace
}  // namespace conversion
