#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "navigation.h"
#include "quiz.h"
#include "random.h"

namespace orvanell {
namespace {

// A session of its own for the generator, with the clock stopped at `clock`.
struct GeneratorSession {
  explicit GeneratorSession(std::int64_t clock)
      : session(MemoryIo("", output), [clock] { return clock; }) {}
  std::string output;
  Session session;
  SessionScope scope{session};
};

TEST(OperandGenerator, FollowsTheLinearCongruence) {
  const GeneratorSession fresh(0);
  EXPECT_EQ(NextValue(), 41);  // state 1 before any seeding
  Seed(1);
  EXPECT_EQ(NextValue(), 41);
  EXPECT_EQ(NextValue(), 18467);
  EXPECT_EQ(NextValue(), 6334);
  // The clock is taken modulo 2^32.
  const GeneratorSession wrapped((std::int64_t{1} << 32) + 1);
  SeedFromClock();
  EXPECT_EQ(NextValue(), 41);
}

struct KindCase {
  ProblemKind kind;
  GameMode mode;
  std::int32_t limit;
  bool secondMayExceedFirst;
  std::function<std::int32_t(std::int32_t, std::int32_t)> answer;
};

TEST(MakeProblem, DrawsEveryValueUpToEachKindsLimitInOrderOverManySeconds) {
  const std::vector<KindCase> cases = {
      {ProblemKind::Addition, GameMode::OnePlayer, 40, false, std::plus<>()},
      {ProblemKind::Addition, GameMode::TwoPlayer, 40, true, std::plus<>()},
      {ProblemKind::Subtraction, GameMode::OnePlayer, 40, false, std::minus<>()},
      {ProblemKind::Subtraction, GameMode::TwoPlayer, 40, false, std::minus<>()},
      {ProblemKind::Multiplication, GameMode::OnePlayer, 12, true, std::multiplies<>()},
      {ProblemKind::Multiplication, GameMode::TwoPlayer, 12, true, std::multiplies<>()},
  };
  for (const KindCase& c : cases) {
    std::set<std::int32_t> firsts;
    bool secondExceeded = false;
    for (std::int64_t second = 1'700'000'000; second < 1'700'003'000; ++second) {
      const GeneratorSession atSecond(second);
      const Problem p = MakeProblem(c.kind, c.mode);
      ASSERT_GE(p.second, 0);
      ASSERT_LE(p.first, c.limit);
      ASSERT_LE(p.second, c.limit);
      ASSERT_TRUE(c.secondMayExceedFirst || p.second <= p.first) << p.second << " > " << p.first;
      secondExceeded |= p.second > p.first;
      firsts.insert(p.first);
      ASSERT_EQ(p.answer, c.answer(p.first, p.second));
      // The same second gives the same problem.
      const Problem again = MakeProblem(c.kind, c.mode);
      ASSERT_EQ(std::make_pair(again.first, again.second), std::make_pair(p.first, p.second));
    }
    EXPECT_EQ(secondExceeded, c.secondMayExceedFirst);
    // Every value up to the limit comes first, and nothing else.
    EXPECT_EQ(firsts.size(), static_cast<std::size_t>(c.limit) + 1);
    EXPECT_EQ(*firsts.begin(), 0);
  }
}

}  // namespace
}  // namespace orvanell
