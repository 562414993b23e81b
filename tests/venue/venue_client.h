#pragma once

// Boost 1.74's Beast needs <utility> before Asio in C++20.
#include <utility>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace merrith::testing {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Json = nlohmann::json;

// How long a test waits for the server's answer before it counts as none.
inline constexpr std::chrono::seconds Patience{10};

// A device on 127.0.0.1 as the pages are: a WebSocket to /ws that says and reads JSON. Each wait
// is bounded, so that a server that never answers fails the test rather than hanging it.
class CTestDevice {
 public:
  explicit CTestDevice(std::uint16_t Port, int ReceiveBuffer = 0) {
    tcp::socket& Socket = beast::get_lowest_layer(Ws).socket();
    Socket.open(tcp::v4());
    if (ReceiveBuffer > 0) Socket.set_option(asio::socket_base::receive_buffer_size(ReceiveBuffer));
    beast::error_code Failed;
    Socket.connect({asio::ip::make_address("127.0.0.1"), Port}, Failed);
    if (Failed) return;
    Ws.read_message_max(1 << 20);
    Ws.handshake("127.0.0.1:" + std::to_string(Port), "/ws", Failed);
    Open = !Failed;
  }

  bool IsOpen() const { return Open; }

  // Sends Text as it stands (which need not be JSON).
  bool SayText(const std::string& Text, bool Binary = false) {
    Ws.binary(Binary);
    beast::error_code Failed;
    Ws.write(asio::buffer(Text), Failed);
    return !Failed;
  }
  bool Say(const Json& Message) { return SayText(Message.dump()); }

  // The next message, or nothing when the connection closed or nothing came in time.
  std::optional<Json> Next(std::chrono::milliseconds Wait = Patience) {
    beast::flat_buffer Buffer;
    std::optional<beast::error_code> Done;
    Ws.async_read(Buffer, [&Done](beast::error_code Failed, std::size_t) { Done = Failed; });
    Io.restart();
    Io.run_for(Wait);
    if (!Done) {
      // Nothing in time: the read is cancelled and waited out.
      beast::get_lowest_layer(Ws).socket().cancel();
      Io.restart();
      Io.run();
      TimedOut = true;
      return std::nullopt;
    }
    if (*Done) {
      Open = false;
      return std::nullopt;
    }
    return Json::parse(beast::buffers_to_string(Buffer.data()), nullptr, false);
  }

  // The first message of the kind Kind that Holds, read past others; nothing when none came.
  std::optional<Json> Until(const std::string& Kind,
                            const std::function<bool(const Json&)>& Holds = {}) {
    const auto Deadline = std::chrono::steady_clock::now() + Patience;
    while (std::chrono::steady_clock::now() < Deadline) {
      const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(
          Deadline - std::chrono::steady_clock::now());
      std::optional<Json> M = Next(Left);
      if (!M) return std::nullopt;
      if (M->value("kind", "") == Kind && (!Holds || Holds(*M))) return M;
    }
    return std::nullopt;
  }

  // Reads until the server closes the connection; true when it did in time.
  bool ClosedByServer() {
    const auto Deadline = std::chrono::steady_clock::now() + Patience;
    while (std::chrono::steady_clock::now() < Deadline) {
      TimedOut = false;
      if (!Next(std::chrono::milliseconds(500)) && !TimedOut) return true;
    }
    return false;
  }

  // Drops the connection without a word, as a phone that lost the network.
  void Drop() {
    beast::error_code Ignored;
    beast::get_lowest_layer(Ws).socket().close(Ignored);
    Open = false;
  }

 private:
  asio::io_context Io;
  websocket::stream<beast::tcp_stream> Ws{Io};
  bool Open = false;
  bool TimedOut = false;
};

// A page's request on 127.0.0.1: the response, or nothing where none came.
inline std::optional<http::response<http::string_body>> Fetch(std::uint16_t Port,
                                                              const std::string& Target,
                                                              http::verb Method = http::verb::get) {
  asio::io_context Io;
  beast::tcp_stream Stream(Io);
  beast::error_code Failed;
  Stream.socket().connect({asio::ip::make_address("127.0.0.1"), Port}, Failed);
  if (Failed) return std::nullopt;
  http::request<http::empty_body> Asked{Method, Target, 11};
  Asked.set(http::field::host, "127.0.0.1:" + std::to_string(Port));
  http::write(Stream, Asked, Failed);
  if (Failed) return std::nullopt;
  beast::flat_buffer Buffer;
  http::response_parser<http::string_body> Answer;
  // The answer to HEAD has a length but no body.
  Answer.skip(Method == http::verb::head);
  http::read(Stream, Buffer, Answer, Failed);
  if (Failed) return std::nullopt;
  return Answer.release();
}

}  // namespace merrith::testing
