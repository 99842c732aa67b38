#include "console/received_output.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace console {
namespace {

using Texts = std::vector<std::string>;
// TConsoleIO's receive event, with no component behind it.
using Handler = std::function<void(void* sender, const std::string& text)>;

struct SplitCase {
  const char* name;
  TSplitMode mode;
  char splitChar;
  bool splitReceive;
  Texts chunks;
  Texts texts;  // every delivery; the last one is the rest at the process's end
};

TEST(ReceivedOutput, CutsStandardOutputByTheSplitRule) {
  // clang-format off
  const SplitCase cases[] = {
      {"three texts in one chunk", smSplitchar, '\n', true,
       {"one\ntwo\nthree"}, {"one", "two", "three"}},
      {"carriage returns stay", smSplitchar, '\n', true,
       {"a\r\nb\r"}, {"a\r", "b\r"}},
      {"empty lines and a closing separator", smSplitchar, '\n', true,
       {"a\n\nb\n"}, {"a", "", "b", ""}},
      {"another split char", smSplitchar, ';', true,
       {"a;b\n;c"}, {"a", "b\n", "c"}},
      {"line feed across chunks", smSplitchar, '\n', true,
       {"ab", "c\nd"}, {"abc", "d"}},
      {"CR LF, a lone line feed does not split", sm0D0A, '\n', true,
       {"a\nb\r\nc"}, {"a\nb", "c"}},
      {"CR LF, empty lines", sm0D0A, '\n', true,
       {"\r\n\r\nx"}, {"", "", "x"}},
      {"CR LF cut between chunks", sm0D0A, '\n', true,
       {"a\r", "\nb\r\n"}, {"a", "b", ""}},
      {"CR LF, a carriage return alone waits", sm0D0A, '\n', true,
       {"a\r", "b\r", "\r\n"}, {"a\rb\r", ""}},
      {"SplitReceive false", smSplitchar, '\n', false,
       {"a\nb", "c\n"}, {"a\nb", "c\n", ""}},
      {"smNone", smNone, '\n', true,
       {"a\nb", "c\n"}, {"a\nb", "c\n", ""}},
      {"nothing received", smSplitchar, '\n', true,
       {}, {""}},
  };
  // clang-format on
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    SplitRule rule;
    rule.splitMode = c.mode;
    rule.splitChar = c.splitChar;
    rule.splitReceive = c.splitReceive;
    Texts texts;
    const Handler handler = [&texts](void*, const std::string& text) { texts.push_back(text); };
    ReceivedOutput output;
    for (const std::string& chunk : c.chunks) {
      output.Receive(chunk, static_cast<void*>(nullptr), handler, rule);
    }
    texts.push_back(output.TakeRest());
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(output.TakeRest(), "");
  }
}

class ReceivedOutputDelivery : public ::testing::Test {
 protected:
  void Receive(const std::string& chunk) {
    output.Receive(chunk, static_cast<void*>(nullptr), handler, rule);
  }

  SplitRule rule;  // line feed
  ReceivedOutput output;
  Handler handler;
  Texts texts;

 private:
  void SetUp() override { rule.splitMode = smSplitchar; }
};

TEST_F(ReceivedOutputDelivery, ARaisingHandlerDoesNotGetItsTextAgain) {
  handler = [this](void*, const std::string& text) {
    texts.push_back(text);
    if (text == "bad") {
      throw std::runtime_error("failed on " + text);
    }
  };
  // The rest of the raising handler's chunk waits for the next chunk.
  EXPECT_THROW(Receive("bad\nnext\n"), std::runtime_error);
  Receive("after\ntail");
  texts.push_back(output.TakeRest());
  EXPECT_EQ(texts, (Texts{"bad", "next", "after", "tail"}));
}

// A handler that dispatches messages receives the next chunks inside its
// own call; they follow its text, each once, in order.
TEST_F(ReceivedOutputDelivery, AHandlerThatReceivesMeanwhileFindsTheBufferConsistent) {
  Texts pending = {"c\nd", "\ne\n"};
  handler = [this, &pending](void*, const std::string& text) {
    texts.push_back(text);
    while (!pending.empty()) {
      const std::string chunk = pending.front();
      pending.erase(pending.begin());
      Receive(chunk);
    }
  };
  Receive("a\nb");
  EXPECT_EQ(texts, (Texts{"a", "bc", "d", "e"}));
  EXPECT_EQ(output.TakeRest(), "");
}

TEST_F(ReceivedOutputDelivery, WithoutAHandlerTheTextsWait) {
  Receive("a\nb");
  handler = [this](void*, const std::string& text) { texts.push_back(text); };
  Receive("\nc");
  EXPECT_EQ(texts, (Texts{"a", "b"}));
}

// The rule is read again before each text: a handler may change it.
TEST_F(ReceivedOutputDelivery, ARuleChangedByAHandlerCutsTheNextText) {
  handler = [this](void*, const std::string& text) {
    texts.push_back(text);
    if (text == "split") {
      rule.splitReceive = false;
    }
    if (text == "none") {
      handler = nullptr;
    }
  };
  Receive("split\na\nb");
  Receive("c\n");
  EXPECT_EQ(texts, (Texts{"split", "a\nb", "c\n"}));
  rule.splitReceive = true;
  Receive("none\nx\n");
  EXPECT_EQ(texts.back(), "none");
  EXPECT_EQ(output.TakeRest(), "x\n");
}

}  // namespace
}  // namespace console
