#ifndef _WIN32

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <array>
#include <cstring>

#include "venue/venue.h"

namespace merrith {

std::vector<std::string> ReachableAddresses(const std::string& Address) {
  if (Address != "0.0.0.0") return {Address};
  std::vector<std::string> Found;
  ifaddrs* All = nullptr;
  if (getifaddrs(&All) == 0) {
    for (const ifaddrs* I = All; I != nullptr; I = I->ifa_next) {
      if (I->ifa_addr == nullptr || I->ifa_addr->sa_family != AF_INET) continue;
      if ((I->ifa_flags & IFF_LOOPBACK) != 0 || (I->ifa_flags & IFF_UP) == 0) continue;
      std::array<char, INET_ADDRSTRLEN> Text{};
      sockaddr_in In{};
      std::memcpy(&In, I->ifa_addr, sizeof In);
      if (inet_ntop(AF_INET, &In.sin_addr, Text.data(), Text.size()) != nullptr)
        Found.emplace_back(Text.data());
    }
    freeifaddrs(All);
  }
  // A laptop on no network yet: its own screen still reaches the server.
  if (Found.empty()) Found.emplace_back("127.0.0.1");
  return Found;
}

}  // namespace merrith

#endif
