// A device's message as the venue's server reads it, from arbitrary bytes: never a crash or an
// exception; a message read is written back as one that reads the same, with an award of 0 to 10
// in half points, a seat of the panel's numbering and a round from 1; a fault always comes with
// no message, and a text over the limit is too long whatever it holds.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "venue/client_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace merrith;
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const MessageRead Read = ReadClientMessage(Text);
  fuzz::Require(Read.Message.has_value() == (Read.Fault == MessageFault::None),
                "a message comes without a fault, a fault without a message");
  if (Size > MostMessageBytes)
    fuzz::Require(Read.Fault == MessageFault::TooLong, "a text over the limit is too long");
  if (!Read.Message) return 0;
  const ClientMessage& M = *Read.Message;
  fuzz::Require(M.Award >= 0 && M.Award <= MaxAward, "an award is 0 to 10 in half points");
  fuzz::Require(M.Seat < 255, "a seat is J1 to J255");
  if (M.Kind == MessageKind::Award || M.Kind == MessageKind::Decide ||
      M.Kind == MessageKind::Accept)
    fuzz::Require(M.Dive.Round >= 1, "a dive's round is from 1");
  const MessageRead Again = ReadClientMessage(ClientMessageText(M));
  fuzz::Require(Again.Message.has_value() && *Again.Message == M,
                "a message written back reads the same");
  return 0;
}
