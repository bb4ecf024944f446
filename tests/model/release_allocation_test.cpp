// Destroying games allocates nothing: a game is destroyed when memory has run out too (the exception
// unwinding a half-read collection), and an allocation failing in a destructor ends the program.
// This test program counts the allocations made while the counter is on.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <utility>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "model/collection.h"
#include "model/sgf_details.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<int> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// The replaced operator new takes its memory from malloc, so free is the matching release.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace meridax {
namespace {

int allocationsWhile(const std::function<void()>& work) {
  g_allocations = 0;
  g_counting = true;
  work();
  g_counting = false;
  return g_allocations;
}

// Enough games to fill segments of the store completely, so that freeing a node puts a full segment
// back among those with free slots.
TEST(ReleaseAllocation, DestroyingGamesOfFullSegmentsAllocatesNothing) {
  Collection games;
  for (int i = 0; i < static_cast<int>(NodeStore::kSnapshotSlots) * 2; ++i)
    games.createGame(GameKind::Go, 19, 19, Collection::npos);
  std::vector<std::unique_ptr<SGridFrame>> taken;
  while (!games.empty()) taken.push_back(games.takeGame(games.size() - 1));
  EXPECT_EQ(allocationsWhile([&] { taken.clear(); }), 0);
}

TEST(ReleaseAllocation, GameInformationTakesRoomOnlyWhenWritten) {
  SSGFDetails details;
  EXPECT_EQ(allocationsWhile([&] { (void)std::as_const(details)[DetailField::Result]; }), 0);
  EXPECT_EQ(std::as_const(details)[DetailField::Result], "");
  details[DetailField::Result] = "B+R";
  const SSGFDetails copy = details;
  EXPECT_EQ(copy[DetailField::Result], "B+R");
  EXPECT_EQ(copy, details);
  EXPECT_NE(copy, SSGFDetails{});
}

}  // namespace
}  // namespace meridax
