#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "venue_client.h"

namespace merrith::testing {
namespace {

#ifndef _WIN32

constexpr std::string_view Meet =
    "Event: women-1m\n"
    "Panel: 3\n"
    "\n"
    "Diver: Ann Example\n101B\n201B\n"
    "Diver: Lu Example\n101C\n201C\n";

// merrith-cli serve on 127.0.0.1 as a process of its own, its JSON line read. MERRITH_SERVE,
// where set, is the shell's command for merrith-cli instead of the one built beside this test
// (the Windows program under Wine, say); the server runs in a process group of its own, so that
// a signal reaches whatever that command starts.
class CServe {
 public:
  CServe(const std::string& Competition, const std::string& Port) {
    int Pipe[2];
    if (pipe(Pipe) != 0) return;
    const char* Command = std::getenv("MERRITH_SERVE");  // NOLINT(concurrency-mt-unsafe)
    const std::string Shell = "exec " + std::string(Command ? Command : "") + " \"$@\"";
    Pid = fork();
    if (Pid == 0) {
      setpgid(0, 0);
      dup2(Pipe[1], STDOUT_FILENO);
      close(Pipe[0]);
      close(Pipe[1]);
      if (Command == nullptr)
        execl(MERRITH_CLI, MERRITH_CLI, "serve", "--address", "127.0.0.1", "--port", Port.c_str(),
              Competition.c_str(), static_cast<char*>(nullptr));
      else
        execl("/bin/sh", "sh", "-c", Shell.c_str(), "sh", "serve", "--address", "127.0.0.1",
              "--port", Port.c_str(), Competition.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    setpgid(Pid, Pid);
    close(Pipe[1]);
    Out = fdopen(Pipe[0], "r");
    std::string Line;
    for (int C = std::fgetc(Out); C != EOF && C != '\n'; C = std::fgetc(Out))
      Line += static_cast<char>(C);
    Listening = Json::parse(Line, nullptr, false);
  }
  ~CServe() {
    if (Pid > 0) Stop(SIGKILL);
    if (Out != nullptr) std::fclose(Out);
  }
  CServe(const CServe&) = delete;
  CServe& operator=(const CServe&) = delete;

  // Sends Signal to the server's process group and waits for its first process: the exit
  // status, or -1 where a signal ended it. Whatever of the group is left then is killed, so that
  // no server outlives the test holding its output.
  int Stop(int Signal) {
    kill(-Pid, Signal);
    int Status = 0;
    waitpid(Pid, &Status, 0);
    kill(-Pid, SIGKILL);
    Pid = -1;
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  }

  std::uint16_t Port() const {
    const std::string Url = Listening.value("url", "");
    return static_cast<std::uint16_t>(std::stoi(Url.substr(Url.rfind(':') + 1)));
  }
  std::string KeyOf(const std::string& Url) const { return Url.substr(Url.find('#') + 1); }

  Json Listening;

 private:
  pid_t Pid = -1;
  std::FILE* Out = nullptr;
};

// True once nothing takes a connection on Port: every process of a killed server has gone,
// its sockets with it.
bool NothingListens(std::uint16_t Port) {
  const auto Deadline = std::chrono::steady_clock::now() + Patience;
  while (std::chrono::steady_clock::now() < Deadline) {
    asio::io_context Io;
    tcp::socket Socket(Io);
    beast::error_code Failed;
    Socket.connect({asio::ip::make_address("127.0.0.1"), Port}, Failed);
    if (Failed) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

std::unique_ptr<CTestDevice> Hello(std::uint16_t Port, const std::string& Key) {
  auto Device = std::make_unique<CTestDevice>(Port);
  EXPECT_TRUE(Device->SayText(R"({"kind": "hello", "key": ")" + Key + "\"}"));
  return Device;
}

// The laptop dies (SIGKILL) right after an acceptance: started again, the file holds every dive
// accepted, the same cards open the same seats, and the pads carry on with the next dive; SIGINT
// (Ctrl+C, on Windows too) stops the server cleanly.
TEST(Serve, CarriesOnAfterBeingKilledWithEveryAcceptedDiveInTheFile) {
  TestFolder Dir;
  Dir.Put("meet.txt", {Meet.begin(), Meet.end()});
  const std::string Path = Dir.Path("meet.txt").string();
  auto First = std::make_unique<CServe>(Path, "0");
  ASSERT_TRUE(First->Listening.is_object());
  const std::uint16_t Port = First->Port();
  std::vector<std::string> Keys;
  for (const Json& Seat : First->Listening["seats"]) Keys.push_back(First->KeyOf(Seat["url"]));
  const std::string RefereeKey = First->KeyOf(First->Listening["referee"]);
  ASSERT_EQ(Keys.size(), 3U);
  auto Referee = Hello(Port, RefereeKey);
  for (const std::string& Key : Keys) {
    auto Pad = Hello(Port, Key);
    ASSERT_TRUE(Pad->Until("state"));
    ASSERT_TRUE(Pad->SayText(R"({"kind": "award", "dive": {"diver": 0, "round": 1}, "award": 6})"));
    ASSERT_TRUE(
        Pad->Until("state", [](const Json& M) { return M["award"]["state"] == "received"; }));
  }
  ASSERT_TRUE(Referee->SayText(R"({"kind": "accept", "dive": {"diver": 0, "round": 1}})"));
  ASSERT_TRUE(Referee->Until("state", [](const Json& M) { return !M["shown"].is_null(); }));
  EXPECT_EQ(First->Stop(SIGKILL), -1);
  First.reset();
  ASSERT_TRUE(NothingListens(Port));
  const std::vector<std::uint8_t> Bytes = Dir.Get("meet.txt");
  EXPECT_NE(
      std::string(Bytes.begin(), Bytes.end()).find("Round 1 | Ann Example | 101B | 6.0 6.0 6.0\n"),
      std::string::npos);
  CServe Again(Path, std::to_string(Port));
  ASSERT_TRUE(Again.Listening.is_object());
  EXPECT_EQ(Again.KeyOf(Again.Listening["seats"][0]["url"]), Keys[0]);
  auto Pad = Hello(Port, Keys[0]);
  const std::optional<Json> Next = Pad->Until("state");
  ASSERT_TRUE(Next);
  EXPECT_EQ((*Next)["dive"]["name"], "Lu Example");
  EXPECT_EQ(Again.Stop(SIGINT), 0);
}

#else

TEST(Serve, CarriesOnAfterBeingKilledWithEveryAcceptedDiveInTheFile) {
  GTEST_SKIP() << "a process is killed by POSIX signals";
}

#endif

}  // namespace
}  // namespace merrith::testing
