#ifdef _WIN32

#include <winsock2.h>
// After winsock2.h, which they build on.
#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <array>
#include <vector>

#include "venue/venue.h"

namespace merrith {

std::vector<std::string> ReachableAddresses(const std::string& Address) {
  if (Address != "0.0.0.0") return {Address};
  std::vector<std::string> Found;
  ULONG Size = 16 * 1024;
  std::vector<unsigned char> Buffer(Size);
  auto* First = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(Buffer.data());
  const ULONG Flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
  if (GetAdaptersAddresses(AF_INET, Flags, nullptr, First, &Size) == ERROR_BUFFER_OVERFLOW) {
    Buffer.resize(Size);
    First = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(Buffer.data());
  }
  if (GetAdaptersAddresses(AF_INET, Flags, nullptr, First, &Size) == NO_ERROR) {
    for (const IP_ADAPTER_ADDRESSES* A = First; A != nullptr; A = A->Next) {
      if (A->OperStatus != IfOperStatusUp || A->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
      for (const IP_ADAPTER_UNICAST_ADDRESS* U = A->FirstUnicastAddress; U != nullptr;
           U = U->Next) {
        std::array<char, INET_ADDRSTRLEN> Text{};
        const auto* In = reinterpret_cast<const sockaddr_in*>(U->Address.lpSockaddr);
        if (inet_ntop(AF_INET, &In->sin_addr, Text.data(), Text.size()) != nullptr)
          Found.emplace_back(Text.data());
      }
    }
  }
  // A laptop on no network yet: its own screen still reaches the server.
  if (Found.empty()) Found.emplace_back("127.0.0.1");
  return Found;
}

}  // namespace merrith

#endif
