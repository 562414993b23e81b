// Boost 1.74's Beast uses std::exchange without including <utility>, which C++20's library
// headers no longer bring in: it comes first.
#include <utility>

#include "venue/venue_network.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <deque>
#include <optional>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "venue/client_message.h"
#include "venue/feed_ring.h"
#include "venue_pages.h"

namespace merrith {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Request = http::request<http::empty_body>;

// The pages served, each at its one path: the table is all that a request can reach.
struct PageRow {
  std::string_view Path;
  std::string_view Type;
  std::string_view Text;
};
// clang-format off
constexpr PageRow Pages[] = {
  // path           type                                       text
    {"/",           "text/html; charset=utf-8",                pages::IndexHtml},
    {"/pad",        "text/html; charset=utf-8",                pages::PadHtml},
    {"/referee",    "text/html; charset=utf-8",                pages::RefereeHtml},
    {"/venue.css",  "text/css; charset=utf-8",                 pages::VenueCss},
    {"/socket.js",  "text/javascript; charset=utf-8",          pages::SocketJs},
    {"/index.js",   "text/javascript; charset=utf-8",          pages::IndexJs},
    {"/pad.js",     "text/javascript; charset=utf-8",          pages::PadJs},
    {"/referee.js", "text/javascript; charset=utf-8",          pages::RefereeJs},
    {"/board",      "text/html; charset=utf-8",                pages::BoardHtml},
    {"/live",       "text/html; charset=utf-8",                pages::LiveHtml},
    {"/feed.css",   "text/css; charset=utf-8",                 pages::FeedCss},
    {"/board.js",   "text/javascript; charset=utf-8",          pages::BoardJs},
    {"/live.js",    "text/javascript; charset=utf-8",          pages::LiveJs},
};
// clang-format on

// The bytes the system holds for sending to one device: a few hundred states.
constexpr int SendBuffer = 64 * 1024;

// The longest request head a page's request may have.
constexpr std::uint32_t MostHeadBytes = 8192;

// Every response, the WebSocket handshake's too: no script but the pages' own files, no
// guessing of types, no address of the page passed on to another site, nothing kept in a cache.
template <class Fields>
void AddSafetyHeaders(Fields& F) {
  F.set("Content-Security-Policy", "default-src 'self'");
  F.set("X-Content-Type-Options", "nosniff");
  F.set("Referrer-Policy", "no-referrer");
  F.set(http::field::cache_control, "no-store");
  F.set(http::field::server, "Merrith");
}

// Holds one of the server's connections while it lives, counted.
class CSlot {
 public:
  explicit CSlot(std::atomic<std::size_t>& Counted) : Count(&Counted) { ++*Count; }
  CSlot(CSlot&& Other) noexcept : Count(std::exchange(Other.Count, nullptr)) {}
  CSlot(const CSlot&) = delete;
  CSlot& operator=(const CSlot&) = delete;
  CSlot& operator=(CSlot&&) = delete;
  ~CSlot() {
    if (Count != nullptr) --*Count;
  }

 private:
  std::atomic<std::size_t>* Count;
};

// The head of the event stream's response: it has no length, the events follow as they come.
// A client that lost the connection tries again after a second.
constexpr std::string_view StreamHead =
    "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream; charset=utf-8\r\n"
    "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n"
    "Content-Security-Policy: default-src 'self'\r\nReferrer-Policy: no-referrer\r\n"
    "Server: Merrith\r\n\r\nretry: 1000\n\n";

class CSocketSession;
class CEventStream;

// The feed of a server starting now: its events are numbered on from the milliseconds since
// 1970, above those of any server that ran before on this laptop.
CFeedRing FirstFeed(const NetworkLimits& Limits) {
  const auto Now = std::chrono::system_clock::now().time_since_epoch();
  const auto Millis = std::chrono::duration_cast<std::chrono::milliseconds>(Now).count();
  return CFeedRing(Limits.FeedEvents,
                   static_cast<std::uint64_t>(std::max<std::int64_t>(Millis, 0)));
}

}  // namespace

struct CVenueNetwork::Impl {
  // Declared first, so that the sessions that the io_context's handlers hold end before it.
  std::atomic<std::size_t> Count{0};
  NetworkHandlers Handlers;
  NetworkLimits Limits;
  asio::io_context Io{1};
  std::optional<asio::executor_work_guard<asio::io_context::executor_type>> Work;
  tcp::acceptor Acceptor{Io};
  std::thread Thread;
  // On the network's thread only.
  ConnectionId NextId = 1;
  std::unordered_map<ConnectionId, std::weak_ptr<CSocketSession>> Sockets;
  std::unordered_map<ConnectionId, std::weak_ptr<CEventStream>> Streams;
  CFeedRing Feed{256};
  bool Stopping = false;

  void Accept();
  void Deliver(const Outgoing& Message);
};

namespace {

// A WebSocket of a judge's pad or the referee's screen: each message read is passed on whole, and
// what is sent waits in a queue of its own, so that a device that reads slowly holds up no other
// and is dropped when its queue is full.
class CSocketSession : public std::enable_shared_from_this<CSocketSession> {
 public:
  CSocketSession(beast::tcp_stream Stream, CVenueNetwork::Impl& Network, CSlot Held)
      : Ws(std::move(Stream)), Net(Network), Slot(std::move(Held)), Id(Network.NextId++) {}

  void Accept(const Request& Asked) {
    beast::error_code Ignored;
    const tcp::endpoint Peer = beast::get_lowest_layer(Ws).socket().remote_endpoint(Ignored);
    Address = Peer.address().to_string();
    beast::get_lowest_layer(Ws).expires_never();
    // What the system holds for a device that does not read is bounded as well as the queue, so
    // that a thousand devices cost the laptop a known amount of memory.
    beast::get_lowest_layer(Ws).socket().set_option(asio::socket_base::send_buffer_size(SendBuffer),
                                                    Ignored);
    websocket::stream_base::timeout Timeout{};
    Timeout.handshake_timeout = std::chrono::seconds(10);
    Timeout.idle_timeout = std::chrono::seconds(Net.Limits.IdleSeconds);
    Timeout.keep_alive_pings = false;
    Ws.set_option(Timeout);
    Ws.set_option(websocket::stream_base::decorator(
        [](websocket::response_type& Response) { AddSafetyHeaders(Response); }));
    Ws.read_message_max(MostMessageBytes);
    Ws.async_accept(Asked, [Self = shared_from_this()](beast::error_code Failed) {
      if (Failed) return;
      Self->Net.Sockets[Self->Id] = Self;
      Self->Open = true;
      Self->Net.Handlers.Opened(Self->Id, Self->Address);
      Self->Read();
    });
  }

  void Send(std::shared_ptr<const std::string> Text, bool CloseAfter) {
    if (Closing) return;
    if (Queue.size() >= Net.Limits.MostQueued) {
      Drop();
      return;
    }
    Queue.push_back(std::move(Text));
    Closing = CloseAfter;
    if (Queue.size() == 1) Write();
  }

  // Closes the WebSocket as the server stops: politely where nothing is being written.
  void Shut() {
    if (Closing) return;
    Closing = true;
    if (!Queue.empty()) return Drop();
    Ws.async_close(websocket::close_code::going_away,
                   [Self = shared_from_this()](beast::error_code) { Self->Gone(); });
  }

 private:
  void Read() {
    Ws.async_read(Buffer, [Self = shared_from_this()](beast::error_code Failed, std::size_t) {
      if (Failed) return Self->Gone();
      std::string Text = beast::buffers_to_string(Self->Buffer.data());
      Self->Buffer.consume(Self->Buffer.size());
      Self->Net.Handlers.Message(Self->Id, std::move(Text));
      Self->Read();
    });
  }

  void Write() {
    Ws.text(true);
    Ws.async_write(asio::buffer(*Queue.front()),
                   [Self = shared_from_this()](beast::error_code Failed, std::size_t) {
                     if (Failed) return Self->Gone();
                     Self->Queue.pop_front();
                     if (!Self->Queue.empty()) return Self->Write();
                     if (Self->Closing) Self->CloseNow();
                   });
  }

  void CloseNow() {
    Ws.async_close(websocket::close_code::policy_error,
                   [Self = shared_from_this()](beast::error_code) { Self->Gone(); });
  }

  // Cuts the connection: whatever is pending ends with an error, and the session goes.
  void Drop() {
    Closing = true;
    beast::error_code Ignored;
    beast::get_lowest_layer(Ws).socket().shutdown(tcp::socket::shutdown_both, Ignored);
    beast::get_lowest_layer(Ws).socket().close(Ignored);
    Gone();
  }

  void Gone() {
    if (!Open) return;
    Open = false;
    Net.Sockets.erase(Id);
    Net.Handlers.Closed(Id);
  }

  websocket::stream<beast::tcp_stream> Ws;
  CVenueNetwork::Impl& Net;
  CSlot Slot;
  ConnectionId Id;
  std::string Address;
  beast::flat_buffer Buffer;
  std::deque<std::shared_ptr<const std::string>> Queue;
  bool Open = false;
  bool Closing = false;
};

// A client of the event stream (/events): it only reads. What is sent waits in a queue of its
// own, shared texts only; a client whose queue is full, or that takes no event in the time a
// request has, is dropped, so that no client is waited for and none grows the server's memory.
class CEventStream : public std::enable_shared_from_this<CEventStream> {
 public:
  CEventStream(beast::tcp_stream Client, CVenueNetwork::Impl& Network, CSlot Held)
      : Stream(std::move(Client)), Net(Network), Slot(std::move(Held)), Id(Network.NextId++) {}

  // Starts the stream with what a client holding the event numbered Held missed.
  void Start(std::optional<std::uint64_t> Held) {
    beast::error_code Ignored;
    Stream.socket().set_option(asio::socket_base::send_buffer_size(SendBuffer), Ignored);
    Stream.expires_never();
    Net.Streams[Id] = weak_from_this();
    static const StreamText Head = std::make_shared<const std::string>(StreamHead);
    Send(Head);
    for (const StreamText& Text : Net.Feed.Since(Held)) Send(Text);
    Watch();
  }

  void Send(const StreamText& Text) {
    if (Closing) return;
    if (Queue.size() >= Net.Limits.MostQueued) return Drop();
    Queue.push_back(Text);
    if (Queue.size() == 1) Write();
  }

  // Cuts the connection; the stream goes once its pending work has ended.
  void Drop() {
    if (Closing) return;
    Closing = true;
    Queue.clear();
    Net.Streams.erase(Id);
    beast::error_code Ignored;
    Stream.socket().shutdown(tcp::socket::shutdown_both, Ignored);
    Stream.socket().close(Ignored);
  }

 private:
  void Write() {
    Stream.expires_after(std::chrono::seconds(Net.Limits.RequestSeconds));
    asio::async_write(Stream, asio::buffer(*Queue.front()),
                      [Self = shared_from_this()](beast::error_code Failed, std::size_t) {
                        if (Failed || Self->Closing) return Self->Drop();
                        Self->Queue.pop_front();
                        if (!Self->Queue.empty()) return Self->Write();
                        Self->Stream.expires_never();
                      });
  }

  // Reads what the client sends, which is nothing: only to learn that it has gone.
  void Watch() {
    Stream.socket().async_read_some(
        asio::buffer(Scrap), [Self = shared_from_this()](beast::error_code Failed, std::size_t) {
          if (Failed) return Self->Drop();
          Self->Watch();
        });
  }

  beast::tcp_stream Stream;
  CVenueNetwork::Impl& Net;
  CSlot Slot;
  ConnectionId Id;
  std::deque<StreamText> Queue;
  std::array<char, 256> Scrap{};
  bool Closing = false;
};

// An HTTP connection: a page's request answered from the table, or the WebSocket's handshake
// handed on.
class CHttpSession : public std::enable_shared_from_this<CHttpSession> {
 public:
  CHttpSession(tcp::socket Socket, CVenueNetwork::Impl& Network)
      : Stream(std::move(Socket)), Net(Network), Slot(Network.Count) {}

  void Read() {
    Parser.emplace();
    Parser->header_limit(MostHeadBytes);
    Parser->body_limit(0);
    Stream.expires_after(std::chrono::seconds(Net.Limits.RequestSeconds));
    http::async_read(Stream, Buffer, *Parser,
                     [Self = shared_from_this()](beast::error_code Failed, std::size_t) {
                       if (Failed) return Self->Shut();
                       Self->Answer(Self->Parser->release());
                     });
  }

 private:
  void Answer(const Request& Asked) {
    const std::string_view Target(Asked.target().data(), Asked.target().size());
    if (websocket::is_upgrade(Asked) && Target == "/ws" && SameOrigin(Asked)) {
      // Past the handshake the WebSocket keeps the connection, its buffer and its slot.
      const auto Socket = std::make_shared<CSocketSession>(std::move(Stream), Net, std::move(Slot));
      Socket->Accept(Asked);
      return;
    }
    if (Target == "/events" && Asked.method() == http::verb::get &&
        Net.Streams.size() < Net.Limits.MostStreams) {
      const auto Held = Asked.find("Last-Event-ID");
      const std::optional<std::uint64_t> HeldId =
          Held == Asked.end() ? std::nullopt
                              : ReadEventId({Held->value().data(), Held->value().size()});
      const auto Events = std::make_shared<CEventStream>(std::move(Stream), Net, std::move(Slot));
      Events->Start(HeldId);
      return;
    }
    auto Response = std::make_shared<http::response<http::string_body>>();
    Response->version(Asked.version());
    Response->keep_alive(Asked.keep_alive());
    AddSafetyHeaders(*Response);
    // The feed is the one answer not in the table: it is the event as it stands.
    const StreamText Feed = Net.Feed.State();
    const PageRow FeedRow{"/feed.json", "application/json; charset=utf-8", *Feed};
    const PageRow* Page = Target == FeedRow.Path ? &FeedRow : nullptr;
    for (const PageRow& Row : Pages)
      if (Target == Row.Path) Page = &Row;
    if (Asked.method() != http::verb::get && Asked.method() != http::verb::head) {
      Response->result(http::status::method_not_allowed);
      Response->set(http::field::allow, "GET, HEAD");
    } else if (Target == "/events") {
      // As many clients of the feed as it takes: the connections left are the judges' pads'.
      Response->result(http::status::service_unavailable);
      Response->keep_alive(false);
    } else if (Page == nullptr) {
      Response->result(http::status::not_found);
    } else {
      Response->result(http::status::ok);
      Response->set(http::field::content_type,
                    beast::string_view(Page->Type.data(), Page->Type.size()));
      if (Asked.method() == http::verb::get) Response->body() = Page->Text;
    }
    if (Page == nullptr || Asked.method() != http::verb::get) {
      if (Response->result() != http::status::ok) {
        Response->set(http::field::content_type, "text/plain; charset=utf-8");
        Response->body() = std::string(Response->reason()) + "\n";
      }
    }
    Response->prepare_payload();
    if (Asked.method() == http::verb::head && Page != nullptr)
      Response->content_length(Page->Text.size());
    http::async_write(Stream, *Response,
                      [Self = shared_from_this(), Response](beast::error_code Failed, std::size_t) {
                        if (Failed || !Response->keep_alive()) return Self->Shut();
                        Self->Read();
                      });
  }

  // A WebSocket opened by a page of another site is refused: only the venue's own pages talk to
  // the server (their keys are needed too).
  static bool SameOrigin(const Request& Asked) {
    const auto Origin = Asked.find(http::field::origin);
    if (Origin == Asked.end()) return true;
    const std::string_view Host(Asked[http::field::host].data(), Asked[http::field::host].size());
    const std::string_view From(Origin->value().data(), Origin->value().size());
    return From == "http://" + std::string(Host);
  }

  void Shut() {
    beast::error_code Ignored;
    Stream.socket().shutdown(tcp::socket::shutdown_send, Ignored);
  }

  beast::tcp_stream Stream;
  CVenueNetwork::Impl& Net;
  CSlot Slot;
  beast::flat_buffer Buffer;
  std::optional<http::request_parser<http::empty_body>> Parser;
};

}  // namespace

void CVenueNetwork::Impl::Accept() {
  Acceptor.async_accept([this](beast::error_code Failed, tcp::socket Socket) {
    if (Stopping || !Acceptor.is_open()) return;
    if (!Failed) {
      if (Count.load() >= Limits.MostConnections) {
        beast::error_code Ignored;
        Socket.close(Ignored);  // refused: the server holds as many as it may
      } else {
        // An award is a few bytes: sent at once, not held back for more to fill a packet.
        beast::error_code Ignored;
        Socket.set_option(tcp::no_delay(true), Ignored);
        std::make_shared<CHttpSession>(std::move(Socket), *this)->Read();
      }
    }
    Accept();
  });
}

void CVenueNetwork::Impl::Deliver(const Outgoing& Message) {
  const auto Found = Sockets.find(Message.To);
  if (Found == Sockets.end()) return;
  if (const std::shared_ptr<CSocketSession> Session = Found->second.lock())
    Session->Send(Message.Text, Message.Close);
}

CVenueNetwork::CVenueNetwork(NetworkHandlers Handlers, const NetworkLimits& Limits)
    : P(std::make_unique<Impl>()) {
  P->Handlers = std::move(Handlers);
  P->Limits = Limits;
  P->Feed = FirstFeed(Limits);
}

CVenueNetwork::~CVenueNetwork() { Stop(); }

NetworkStart CVenueNetwork::Start(const std::string& Address, std::uint16_t Port, int Tries) {
  NetworkStart Answer;
  beast::error_code Failed;
  const asio::ip::address Ip = asio::ip::make_address(Address, Failed);
  if (Failed) {
    Answer.Why = "not an address: " + Address;
    return Answer;
  }
  for (int Try = 0; Try < std::max(Tries, 1); ++Try) {
    const auto At = static_cast<std::uint16_t>(Port == 0 ? 0 : Port + Try);
    beast::error_code Closed;
    P->Acceptor.close(Closed);
    P->Acceptor.open(Ip.is_v6() ? tcp::v6() : tcp::v4(), Failed);
#ifndef _WIN32
    // Windows would let another program take the port too: there the option stays off.
    if (!Failed) P->Acceptor.set_option(asio::socket_base::reuse_address(true), Failed);
#endif
    if (!Failed) P->Acceptor.bind({Ip, At}, Failed);
    if (!Failed) P->Acceptor.listen(asio::socket_base::max_listen_connections, Failed);
    if (!Failed) break;
    if (Port == 0) break;
  }
  if (Failed) {
    beast::error_code Closed;
    P->Acceptor.close(Closed);
    Answer.Why = Failed.message();
    return Answer;
  }
  Answer.Listening = true;
  Answer.Port = P->Acceptor.local_endpoint(Failed).port();
  P->Work.emplace(P->Io.get_executor());
  P->Accept();
  P->Thread = std::thread([Net = P.get()] { Net->Io.run(); });
  return Answer;
}

void CVenueNetwork::Send(std::vector<Outgoing> Messages) {
  if (!P->Thread.joinable()) return;
  asio::post(P->Io, [Net = P.get(), Sent = std::move(Messages)] {
    for (const Outgoing& Message : Sent) Net->Deliver(Message);
  });
}

void CVenueNetwork::Publish(FeedNews News) {
  // Before the thread runs the news is taken in at once, so that the first request finds it.
  if (!P->Thread.joinable()) {
    P->Feed.Take(News);
    return;
  }
  asio::post(P->Io, [Net = P.get(), Taken = std::move(News)] {
    const std::vector<StreamText> Sent = Net->Feed.Take(Taken);
    // Over a copy: a client dropped leaves the map.
    const auto Open = Net->Streams;
    for (const auto& [Id, Stream] : Open)
      if (const std::shared_ptr<CEventStream> S = Stream.lock())
        for (const StreamText& Text : Sent) S->Send(Text);
  });
}

void CVenueNetwork::Stop() {
  if (!P->Thread.joinable()) return;
  asio::post(P->Io, [Net = P.get()] {
    Net->Stopping = true;
    beast::error_code Ignored;
    Net->Acceptor.close(Ignored);
    // Over a copy: a session that goes leaves the map.
    const auto Open = Net->Sockets;
    for (const auto& [Id, Session] : Open)
      if (const std::shared_ptr<CSocketSession> S = Session.lock()) S->Shut();
    const auto Streams = Net->Streams;
    for (const auto& [Id, Stream] : Streams)
      if (const std::shared_ptr<CEventStream> S = Stream.lock()) S->Drop();
  });
  P->Work.reset();
  // The close handshakes get a moment; then whatever is left is cut.
  const auto Until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (P->Count.load() > 0 && std::chrono::steady_clock::now() < Until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  P->Io.stop();
  P->Thread.join();
  // The sessions still waiting in handlers end with the io_context; a new one for a restart.
  NetworkHandlers Handlers = std::move(P->Handlers);
  const NetworkLimits Limits = P->Limits;
  P = std::make_unique<Impl>();
  P->Handlers = std::move(Handlers);
  P->Limits = Limits;
  P->Feed = FirstFeed(Limits);
}

std::size_t CVenueNetwork::Connections() const { return P->Count.load(); }

}  // namespace merrith
