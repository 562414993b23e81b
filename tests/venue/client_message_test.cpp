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
  const Case Cases[] = {
      {                                               R"({"kind": "hello", "key": "abcde"})",Hello                                                                                             },
      {   R"({"kind": "award", "dive": {"diver": 2, "round": 3}, "award": 7.5, "extra": 1})",           Award},
      {                                            R"({"kind": "ask-again", "seat": "J11"})",           Again},
      {                           R"({"kind": "go-without", "seat": "J3", "without": true})",         Without},
      {R"({"kind": "decide", "dive": {"diver": 0, "round": 1}, "decision": "restart+max2"})",
       Decide                                                                                                },
      {                            R"({"kind": "accept", "dive": {"diver": 1, "round": 6}})",          Accept},
      {                                                                R"({"kind": "ping"})", ClientMessage{}},
  };
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
  const Case Cases[] = {
      {                                                                        std::string(4097,' '),MessageFault::TooLong, ""},
      {                                                                           "{\"kind\": ",     MessageFault::NotJson,                    ""   },
      {                                                 "{\"kind\": \"ping\", \"x\": \"\xFF\"}",     MessageFault::NotJson,                    ""   },
      {                                                                              "\"ping\"", MessageFault::UnknownKind,                    ""   },
      {                                                                   R"({"kind": "Ping"})", MessageFault::UnknownKind,                    ""   },
      {                                                                  R"({"kind": "hello"})",    MessageFault::BadField,                 "key"   },
      {                    R"({"kind": "award", "dive": {"diver": 0, "round": 0}, "award": 7})",    MessageFault::BadField,
       "dive"   },
      {                   R"({"kind": "award", "dive": {"diver": -1, "round": 1}, "award": 7})",
       MessageFault::BadField,                "dive"   },
      {                                R"({"kind": "award", "dive": {"diver": 0, "round": 1}})",    MessageFault::BadField,               "award"   },
      {                 R"({"kind": "award", "dive": {"diver": 0, "round": 1}, "award": 7.25})",
       MessageFault::NotHalfPoint,               "award"   },
      {                 R"({"kind": "award", "dive": {"diver": 0, "round": 1}, "award": -0.5})",
       MessageFault::NotHalfPoint,               "award"   },
      {                  R"({"kind": "award", "dive": {"diver": 0, "round": 1}, "award": "7"})",
       MessageFault::NotHalfPoint,               "award"   },
      {                                                R"({"kind": "ask-again", "seat": "J0"})",    MessageFault::BadField,                "seat"   },
      {                                                R"({"kind": "ask-again", "seat": "j1"})",    MessageFault::BadField,                "seat"   },
      {                                               R"({"kind": "go-without", "seat": "J1"})",    MessageFault::BadField,             "without"   },
      {R"({"kind": "decide", "dive": {"diver": 0, "round": 1}, "decision": "restart+restart"})",
       MessageFault::BadField,            "decision"   },
  };
  for (const Case& C : Cases) {
    const MessageRead R = ReadClientMessage(C.Text);
    EXPECT_FALSE(R.Message) << C.Text;
    EXPECT_EQ(R.Fault, C.Fault) << C.Text;
    EXPECT_EQ(R.Field, C.Field) << C.Text;
  }
}

}  // namespace
}  // namespace merrith
