#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "venue/feed_desk.h"
#include "venue/venue_desk.h"

namespace merrith {

// What the network tells of the devices' connections, on its own thread.
struct NetworkHandlers {
  std::function<void(ConnectionId Connection, std::string Address)> Opened;
  std::function<void(ConnectionId Connection, std::string Text)> Message;
  std::function<void(ConnectionId Connection)> Closed;
};

// The limits that keep one device from holding up the others or the laptop.
struct NetworkLimits {
  std::size_t MostConnections = 1000;  // the next one is closed at once
  std::size_t MostQueued = 64;    // messages waiting for a slow reader: past them it is dropped
  int IdleSeconds = 60;           // a device that sends nothing so long is dropped
  int RequestSeconds = 30;        // to send a page's request, or to take an event sent
  std::size_t FeedEvents = 256;   // the events kept for a client of the feed that comes back
  std::size_t MostStreams = 800;  // clients of the feed at once: the rest is kept for the pads
};

// Where the server listens, or why it does not.
struct NetworkStart {
  bool Listening = false;
  std::uint16_t Port = 0;
  std::string Why;  // the system's words, where it does not listen
};

// The venue's HTTP and WebSocket server on a thread of its own: it serves the pages built into
// the program and nothing else, and passes each WebSocket message on as text. Only the pages
// that a table names are served: no request ever opens a file.
class CVenueNetwork {
 public:
  explicit CVenueNetwork(NetworkHandlers Handlers, const NetworkLimits& Limits = {});
  ~CVenueNetwork();
  CVenueNetwork(const CVenueNetwork&) = delete;
  CVenueNetwork& operator=(const CVenueNetwork&) = delete;

  // Listens on Address ("0.0.0.0": every interface) and Port (0: any free one); where Port is
  // taken, on the next of Tries ports.
  NetworkStart Start(const std::string& Address, std::uint16_t Port, int Tries);
  // Sends each message to its connection, closing those that ask for it; from any thread.
  void Send(std::vector<Outgoing> Messages);
  // Takes the feed's news in: feed.json answers with it, and its events go to every client of
  // /events; from any thread.
  void Publish(FeedNews News);
  // Closes every connection and stops the thread; from any thread but the network's.
  void Stop();
  // How many connections are open.
  std::size_t Connections() const;

  // The network's inside, where Beast is.
  struct Impl;

 private:
  std::unique_ptr<Impl> P;
};

}  // namespace merrith
