// ispyt-tool simulate on a program folder where the result cannot be
// stored, as a school's disks and shares refuse it: the run says so on
// standard error with the file and why, exits with 3, and keeps the
// answers for the next run, which stores them once the fault is gone.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace ispyt {
namespace {

namespace fs = std::filesystem;

const fs::path kScript =
    fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "scripts" /
    "mode2-test-paper.script";
const fs::path kBuiltDemo = fs::path(ISPYT_TOOL).parent_path() / "demo";
const fs::path kTest = fs::u8path("Base/Шкільні тести/Усі типи завдань");

struct ToolRun {
  int status = -1;
  std::string err;
};

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// Runs `command` through the shell, standard output dropped.
ToolRun run(const std::string& command) {
  ToolRun r;
  FILE* pipe = popen((command + " 2>&1 >/dev/null").c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.err.append(buffer, n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string simulateCommand(const fs::path& program) {
  return quoted(ISPYT_TOOL) + " simulate " + quoted((program / kTest).string()) + " " +
         quoted(kScript.string());
}

class StoreFailureTool : public ::testing::Test {
 protected:
  void SetUp() override {
    program = fs::temp_directory_path() /
              ("ispyt-storefail-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(program);
    fs::copy(kBuiltDemo, program, fs::copy_options::recursive);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(program / kTest, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(program, ec);
  }
  int reports() {
    int n = 0;
    for (const auto& e : fs::directory_iterator(program / kTest)) n += e.path().extension() == ".rez";
    return n;
  }
  int kept() {
    std::error_code ec;
    int n = 0;
    for (fs::directory_iterator it(program / "Pending", ec), end; !ec && it != end; it.increment(ec))
      n += it->path().extension() == ".pending";
    return n;
  }

  fs::path program;
};

struct Case {
  const char* name;
  std::function<void(const fs::path& program)> spoil;  // makes the fault
  std::function<void(const fs::path& program)> mend;   // takes it away
  const char* file;                                    // named in the message
  const char* why;
};

TEST_F(StoreFailureTool, AFaultIsSaidTheRunFailsAndTheNextRunStoresTheResult) {
  const Case cases[] = {
      {"a folder where Monitor.dm should be",
       [](const fs::path& p) { fs::create_directories(p / kTest / "Monitor.dm" / "x"); },
       [](const fs::path& p) { fs::remove_all(p / kTest / "Monitor.dm"); }, "Monitor.dm",
       "Is a directory"},
      {"a file where REZULT should be",
       [](const fs::path& p) { std::ofstream(p / "REZULT") << "x"; },
       [](const fs::path& p) { fs::remove(p / "REZULT"); }, "REZULT", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    c.spoil(program);
    ToolRun failed = run(simulateCommand(program));
    EXPECT_EQ(failed.status, 3) << failed.err;
    EXPECT_NE(failed.err.find("the result is not stored"), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find(c.file), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find(c.why), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find("kept in"), std::string::npos) << failed.err;
    EXPECT_EQ(reports(), 0);
    EXPECT_EQ(kept(), 1);

    c.mend(program);
    ToolRun next = run(simulateCommand(program));
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(reports(), 2) << "the kept result, then the new one";
    EXPECT_EQ(kept(), 0);
  }
}

// Root writes where the folder's mode forbids it, so the run is made as
// "nobody" then, over a copy that user owns.
TEST_F(StoreFailureTool, AReadOnlyTestFolderRefusesTheResult) {
  std::string as;
  if (geteuid() == 0) {
    if (std::system(("chown -R 65534:65534 " + quoted(program.string())).c_str()) != 0)
      GTEST_SKIP() << "cannot hand the copy to nobody";
    as = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  fs::permissions(program / kTest, fs::perms::owner_write | fs::perms::group_write |
                                       fs::perms::others_write,
                  fs::perm_options::remove);
  ToolRun failed = run(as + simulateCommand(program));
  EXPECT_EQ(failed.status, 3) << failed.err;
  EXPECT_NE(failed.err.find("Permission denied"), std::string::npos) << failed.err;
  EXPECT_NE(failed.err.find(".rez"), std::string::npos) << failed.err;
  EXPECT_EQ(reports(), 0);
  EXPECT_EQ(kept(), 1);
}

// A full disk, really: the copy on a small memory disk of its own.
TEST_F(StoreFailureTool, AFullDiskRefusesTheResultBeforeWritingAnyOfIt) {
  const fs::path disk = program.string() + "-disk";
  fs::create_directories(disk);
  // The commands go in a script: they quote paths themselves.
  const fs::path script = program.string() + "-disk.sh";
  std::ofstream(script) << "mount -t tmpfs -o size=4m tmpfs " << quoted(disk.string())
                        << " || exit 0\ncp -r " << quoted(program.string()) << "/. "
                        << quoted(disk.string()) << "\ndd if=/dev/zero of="
                        << quoted((disk / "filler").string()) << " bs=4k 2>/dev/null\n"
                        << simulateCommand(disk) << "\necho \"status $?\" >&2\nls "
                        << quoted((disk / kTest).string()) << " >&2\n";
  ToolRun r = run("unshare -m sh " + quoted(script.string()));
  fs::remove(script);
  fs::remove_all(disk);
  if (r.err.find("status") == std::string::npos) GTEST_SKIP() << "no mount namespace here: " << r.err;
  EXPECT_NE(r.err.find("status 3"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("not kept on disk either"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(".rez"), std::string::npos) << "nothing of the result is written\n" << r.err;
}

}  // namespace
}  // namespace ispyt
