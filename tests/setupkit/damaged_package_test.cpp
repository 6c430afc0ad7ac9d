// Inspect and extract of damaged packages end in a clear error, never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "extract.h"
#include "inspect.h"
#include "package/package_trailer.h"
#include "package_reader.h"
#include "tool_fixture.h"
#include "user_error.h"

namespace sk::tool::test {
namespace {

struct Damage {
  const char* title;
  // Changes the good package (setup.exe) or its volume (DEMO.D1) in the fixture's folder.
  std::function<void(std::string& setup, std::string& volume)> apply;
  std::string inspectError;  // empty: inspect still works
  std::string extractError;
};

std::string Trailer(std::int32_t length, std::int32_t offset) {
  return FormatPackageTrailer({length, offset});
}

const Damage kDamages[] = {
    {"empty file", [](std::string& s, std::string&) { s.clear(); },
     "no package trailer at the end", "no package trailer at the end"},
    {"no trailer", [](std::string& s, std::string&) { s = "MZ just a program, no package"; },
     "no package trailer at the end", "no package trailer at the end"},
    {"cut in half",
     [](std::string& s, std::string&) {
       s.resize(s.size() / 2);
       // File data may hold an '&', which reads as a trailer; the cut goes back to before it.
       const auto window = static_cast<std::size_t>(kTrailerWindow);
       while (ParsePackageTrailer(std::string_view(s).substr(s.size() - std::min(s.size(), window)))) s.pop_back();
     },
     "no package trailer at the end", "no package trailer at the end"},
    {"trailer past the end",
     [](std::string& s, std::string&) { s += Trailer(100, static_cast<std::int32_t>(s.size())); },
     "outside the file", "outside the file"},
    {"trailer with negative offset", [](std::string& s, std::string&) { s += Trailer(10, -5); },
     "outside the file", "outside the file"},
    {"configuration of garbage",
     [](std::string& s, std::string&) {
       const std::string garbage = SampleBytes(400, 99);
       const auto at = static_cast<std::int32_t>(s.size());
       s += garbage + Trailer(static_cast<std::int32_t>(garbage.size()), at);
     },
     "the configuration block is damaged", "the configuration block is damaged"},
    {"file data cut off",
     [](std::string& s, std::string&) {
       // Drop the data of the last entry by moving the configuration and trailer forward.
       auto trailer = ParsePackageTrailer(s.substr(s.size() - 60));
       const std::string config = s.substr(trailer->offset, trailer->length);
       const std::int32_t at = trailer->offset - 20000;
       s = s.substr(0, at) + config + Trailer(trailer->length, at);
     },
     "", "lie outside"},
    {"zip data damaged",
     [](std::string& s, std::string&) {
       // The compressed entry is the first after the stub; hit its deflate stream.
       for (std::size_t i = 200; i < 400; ++i) s[i] = static_cast<char>(s[i] ^ 0x5A);
     },
     "", "file entry 1 'a.bin'"},
    {"zip signature damaged", [](std::string& s, std::string&) { s.replace(60, 40, 40, '\0'); },
     "", "file entry 1 'a.bin'"},
    {"volume missing", [](std::string&, std::string& v) { v = "<delete>"; },
     "", "cannot read its volume file"},
    {"volume without signature", [](std::string&, std::string& v) { v[3] = 'X'; },
     "", "is not a volume file"},
    {"volume cut short", [](std::string&, std::string& v) { v.resize(100); },
     "", "lie outside"},
};

class DamagedPackageTest : public ToolFixture, public ::testing::WithParamInterface<Damage> {};

void ExpectUserError(const std::function<void()>& run, const std::string& expected) {
  try {
    run();
    ADD_FAILURE() << "no error, expected one with \"" << expected << "\"";
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
  }
}

TEST_P(DamagedPackageTest, ClearErrorNeverACrash) {
  Write("a.bin", SampleBytes(30000, 5));
  Write("b.bin", SampleBytes(30000, 6));
  Write("c.bin", SampleBytes(20000, 7));
  Build({"product = \"Demo\"", "[[disk]]", "number = 1", "volume = \"DEMO.D1\"", "[[file]]",
         "source = \"a.bin\"", "[[file]]", "source = \"b.bin\"", "disk = 1", "compress = false",
         "[[file]]", "source = \"c.bin\"", "compress = false"});
  std::string setup = sk::test::ReadAll(OutputPath());
  std::string volume = sk::test::ReadAll(dir.File("DEMO.D1"));
  GetParam().apply(setup, volume);
  sk::test::WriteAll(OutputPath(), setup);
  if (volume == "<delete>")
    std::filesystem::remove(dir.File("DEMO.D1"));
  else
    sk::test::WriteAll(dir.File("DEMO.D1"), volume);

  const auto inspect = [&] {
    const OpenedPackage package = OpenPackage(OutputPath());
    InspectText(InspectJson(package));
    TokensJson(package);
  };
  if (GetParam().inspectError.empty())
    EXPECT_NO_THROW(inspect());
  else
    ExpectUserError(inspect, GetParam().inspectError);
  ExpectUserError([&] { ExtractPackage(OutputPath(), dir.File("out")); }, GetParam().extractError);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedPackageTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return TestName(info.param.title); });

// Seeded random damage anywhere in a package: every outcome is a result or a UserError.
TEST_F(ToolFixture, RandomDamageEndsInAResultOrAUserError) {
  Write("a.bin", SampleBytes(3000, 1));
  Write("b.bin", SampleBytes(2000, 2));
  Build({"product = \"演示\"", "[[file]]", "source = \"a.bin\"", "sub_folder = \"x/y\"",
         "[[file]]", "source = \"b.bin\"", "compress = false"});
  const std::string good = sk::test::ReadAll(OutputPath());
  unsigned state = 12345;
  const auto next = [&](std::size_t bound) {
    state = state * 1103515245u + 12345u;
    return static_cast<std::size_t>(state >> 8) % bound;
  };
  int errors = 0;
  for (int round = 0; round < 150; ++round) {
    std::string damaged = good;
    const std::size_t flips = 1 + next(8);
    for (std::size_t i = 0; i < flips; ++i) damaged[next(damaged.size())] = static_cast<char>(next(256));
    if (round % 5 == 0) damaged.resize(next(damaged.size()));
    sk::test::WriteAll(OutputPath(), damaged);
    try {
      const OpenedPackage package = OpenPackage(OutputPath());
      InspectText(InspectJson(package));
      TokensJson(package).dump();
      ExtractPackage(OutputPath(), dir.File("out"));
    } catch (const UserError&) {
      ++errors;
    }
    std::filesystem::remove_all(dir.File("out"));
  }
  // Most damage is noticed; what is not still gave a result without a crash.
  EXPECT_GT(errors, 0);
}

}  // namespace
}  // namespace sk::tool::test
