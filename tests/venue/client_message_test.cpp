#include "venue/client_message.h"

#include <gtest/gtest.h>

#include <string>

namespace merrith {
namespace {

ClientMessage Of(MessageKind Kind) {
  ClientMessage M;
  M.Kind = Kind;
  return M;
}

// Each kind of message reads as the device meant it, and written again reads back the same.
TEST(ReadClientMessage, ReadsEachKindAndWritesItBack) {
  struct Case {
    std::string Text;
    ClientMessage Read;
  };
  ClientMessage Hello = Of(MessageKind::Hello);
  Hello.Key = "abcde";
  ClientMessage Award = Of(MessageKind::Award);
  Award.Dive = {2, 3};
  Award.Award = 15;
  ClientMessage Again = Of(MessageKind::AskAgain);
  Again.Seat = 10;
  ClientMessage Without = Of(MessageKind::GoWithout);
  Without.Seat = 2;
  Without.Without = true;
  ClientMessage Decide = Of(MessageKind::Decide);
  Decide.Dive = {0, 1};
  Decide.Decided.Restart = true;
  Decide.Decided.Cap = CapOtherPosition;
  ClientMessage Accept = Of(MessageKind::Accept);
  Accept.Dive = {1, 6};
  // clang-format off
  const Case Cases[] = {
      {R"({"kind": "hello", "key": "abcde"})",                                            Hello},
      {R"({"kind": "award", "dive": {"diver": 2, "round": 3}, "award": 7.5, "extra": 1})", Award},
      {R"({"kind": "ask-again", "seat": "J11"})",                                         Again},
      {R"({"kind": "go-without", "seat": "J3", "without": true})",                        Without},
      {R"({"kind": "decide", "dive": {"diver": 0, "round": 1}, "decision": "restart+max2"})", Decide},
      {R"({"kind": "accept", "dive": {"diver": 1, "round": 6}})",                         Accept},
      {R"({"kind": "ping"})",                                                             Of(MessageKind::Ping)},
  };
  // clang-format on
  for (const Case& C : Cases) {
    const MessageRead R = ReadClientMessage(C.Text);
    ASSERT_TRUE(R.Message) << C.Text;
    EXPECT_EQ(*R.Message, C.Read) << C.Text;
    EXPECT_EQ(ReadClientMessage(ClientMessageText(*R.Message)).Message, C.Read) << C.Text;
  }
}

// What is no message is refused with why: too long, no JSON, no UTF-8, no known kind, a field
// missing or wrong, an award that is no half point.
TEST(ReadClientMessage, RefusesWhatIsNoMessage) {
  struct Case {
    std::string Text;
    MessageFault Fault;
    std::string Field;
  };
  using F = MessageFault;
  const std::string Dive = R"("dive": {"diver": 0, "round": 1})";
  // clang-format off
  const Case Cases[] = {
    // sent                                                                fault           field
      {std::string(4097, ' '),                                             F::TooLong,     ""},
      {"{\"kind\": ",                                                      F::NotJson,     ""},
      {"{\"kind\": \"ping\", \"x\": \"\xFF\"}",                            F::NotJson,     ""},
      {"\"ping\"",                                                         F::UnknownKind, ""},
      {R"({"kind": "Ping"})",                                              F::UnknownKind, ""},
      {R"({"kind": "hello"})",                                             F::BadField,    "key"},
      {R"({"kind": "award", "dive": {"diver": 0, "round": 0}, "award": 7})", F::BadField,  "dive"},
      {R"({"kind": "award", "dive": {"diver": -1, "round": 1}, "award": 7})", F::BadField, "dive"},
      {R"({"kind": "award", )" + Dive + "}",                               F::BadField,    "award"},
      {R"({"kind": "award", "award": 7.25, )" + Dive + "}",                F::NotHalfPoint, "award"},
      {R"({"kind": "award", "award": -0.5, )" + Dive + "}",                F::NotHalfPoint, "award"},
      {R"({"kind": "award", "award": "7", )" + Dive + "}",                 F::NotHalfPoint, "award"},
      {R"({"kind": "ask-again", "seat": "J0"})",                           F::BadField,    "seat"},
      {R"({"kind": "ask-again", "seat": "j1"})",                           F::BadField,    "seat"},
      {R"({"kind": "go-without", "seat": "J1"})",                          F::BadField,    "without"},
      {R"({"kind": "decide", "decision": "restart+restart", )" + Dive + "}", F::BadField,  "decision"},
  };
  // clang-format on
  for (const Case& C : Cases) {
    const MessageRead R = ReadClientMessage(C.Text);
    EXPECT_FALSE(R.Message) << C.Text;
    EXPECT_EQ(R.Fault, C.Fault) << C.Text;
    EXPECT_EQ(R.Field, C.Field) << C.Text;
  }
}

}  // namespace
}  // namespace merrith
