#include <gtest/gtest.h>

#include "tests/main_window/main_window_fixture.h"
#include "win/code_page.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;

struct PolicyCase {
  const char* name;
  std::vector<Answer> answers;  // one per prompt expected
  Names outputs;                // what the encoder was asked to write, in order
};

class OverwritePolicyTest : public MainWindowTest,
                            public testing::WithParamInterface<PolicyCase> {};

using A = Answer;

const PolicyCase kPolicyCases[] = {
    {"IgnoreThisAsksAtEveryClash",
     {A::Ignore, A::Ignore, A::Ignore, A::Ignore, A::Ignore, A::Ignore},
     {}},
    {"IgnoreAllSkipsEveryLaterClash", {A::IgnoreAll}, {}},
    {"OverwriteThisAsksAgain",
     {A::Overwrite, A::Overwrite, A::Overwrite, A::Overwrite, A::Overwrite, A::Overwrite},
     {"a.3gp", "b.3gp", "c.3gp", "a.3gp", "b.3gp", "c.3gp"}},
    {"OverwriteAllHoldsInLaterRuns",
     {A::OverwriteAll},
     {"a.3gp", "b.3gp", "c.3gp", "a.3gp", "b.3gp", "c.3gp"}},
    {"AutoNameThisAsksAgain",
     {A::AutoName, A::AutoName, A::AutoName, A::AutoName, A::AutoName, A::AutoName},
     {"a(1).3gp", "b(1).3gp", "c(1).3gp", "a(1)(1).3gp", "b(1)(1).3gp", "c(1)(1).3gp"}},
    {"AutoNameAllHoldsInLaterRuns",
     {A::AutoNameAll},
     {"a(1).3gp", "b(1).3gp", "c(1).3gp", "a(1)(1).3gp", "b(1)(1).3gp", "c(1)(1).3gp"}},
    {"ClosedPromptIgnoresThisFileEvenAfterAnOverwrite",
     {A::Overwrite, A::CloseBox, A::Overwrite, A::CloseBox, A::CloseBox, A::CloseBox},
     {"a.3gp", "c.3gp"}},
    {"EnterAutoNamesThisFile",
     {A::Enter, A::Enter, A::Enter, A::Ignore, A::Ignore, A::Ignore},
     {"a(1).3gp", "b(1).3gp", "c(1).3gp"}},
    {"OneTimeAnswersThenAStandingOne",
     {A::Ignore, A::Overwrite, A::AutoName, A::OverwriteAll},
     {"b.3gp", "c(1).3gp", "a.3gp", "b.3gp", "c.3gp"}},
};

// Three entries whose outputs exist, converted twice: each case's answers
// must be asked for exactly, and decide what the encoder is asked to write.
TEST_P(OverwritePolicyTest, AnswersDecideEveryClashOverTwoRuns) {
  const PolicyCase& c = GetParam();
  for (const std::string name : {"a", "b", "c"}) {
    AddEntry(name + ".avi", "ok");
    WriteTextFile(OutputPath(name + ".3gp"), "old");
  }
  PromptAnswers answers(*prompt, c.answers);
  PressConvert();
  PressConvert();
  EXPECT_EQ(c.outputs, StartedOutputs());
  EXPECT_EQ(0u, answers.Unused()) << "prompts missing";
  EXPECT_EQ(0, answers.Unexpected()) << "prompts not expected";
  EXPECT_EQ(2u, boxes.Texts().size());
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwritePolicyTest, testing::ValuesIn(kPolicyCases),
                         [](const testing::TestParamInfo<PolicyCase>& info) {
                           return std::string(info.param.name);
                         });

using OverwriteTest = MainWindowTest;

TEST_F(OverwriteTest, AutoNamingAddsASuffixUntilTheNameIsFree) {
  AddEntry("clip.avi", "ok");
  WriteTextFile(OutputPath("clip.3gp"), "old");
  WriteTextFile(OutputPath("clip(1).3gp"), "old");
  PromptAnswers answers(*prompt, {A::AutoName});
  PressConvert();
  EXPECT_EQ(Names{"clip(1)(1).3gp"}, StartedOutputs());
  EXPECT_EQ("old", ReadTextFile(OutputPath("clip.3gp")));
  EXPECT_EQ("old", ReadTextFile(OutputPath("clip(1).3gp")));
  EXPECT_EQ(0u, answers.Unused());
}

// Two entries of one file name in different folders map to one output
// path: the second meets the first one's output and goes through the
// overwrite policy.
TEST_F(OverwriteTest, SameNameInTwoFoldersMeetsThePolicy) {
  std::vector<std::string> inputs;
  for (const char* folder : {"one", "two"}) {
    CreateDirectoryW(win::Utf8ToWide(InputPath(folder)).c_str(), nullptr);
    inputs.push_back(AddEntry(std::string(folder) + "\\clip.avi", "ok"));
  }
  PromptAnswers answers(*prompt, {A::AutoName});
  PressConvert();
  EXPECT_EQ((Names{"clip.3gp", "clip(1).3gp"}), StartedOutputs());
  EXPECT_EQ("converted " + inputs[0], ReadTextFile(OutputPath("clip.3gp")));
  EXPECT_EQ("converted " + inputs[1], ReadTextFile(OutputPath("clip(1).3gp")));
  EXPECT_EQ(0u, answers.Unused());
  EXPECT_EQ(0, answers.Unexpected());
}

// A .3gp input in the output folder would be its own output. However its
// path is written, an answer to overwrite gives it a new name instead.
TEST_F(OverwriteTest, InputThatIsItsOwnOutputIsNeverOverwritten) {
  const std::string input = OutputPath("clip.3gp");
  WriteTextFile(input, "ok\n");
  for (const std::string& spelling :
       {input, folders.Path() + "OUT\\CLIP.3gp", folders.Path() + "in\\..\\out\\clip.3gp"}) {
    form->AddFile(spelling);
  }
  PromptAnswers answers(*prompt, {A::Overwrite, A::OverwriteAll});
  PressConvert();
  EXPECT_EQ((Names{"clip(1).3gp", "CLIP(1)(1).3gp", "clip(1)(1)(1).3gp"}), StartedOutputs());
  EXPECT_EQ("ok\n", ReadTextFile(input));
  EXPECT_EQ(0u, answers.Unused());
  EXPECT_EQ(0, answers.Unexpected());
}

}  // namespace
}  // namespace main_window_test
