// VemiString costs: exact growth on every Append, and ReplaceAll on a page title.
#include <benchmark/benchmark.h>

#include <string>

#include "text/vemi_string.h"

namespace {

// Each Append that does not fit moves the text into a new block.
void BM_AppendGrowth(benchmark::State& state) {
  const std::string piece(static_cast<size_t>(state.range(0)), 'p');
  for (auto _ : state) {
    VemiString v;
    for (int i = 0; i < 64; ++i) v.Append(piece.c_str());
    benchmark::DoNotOptimize(v.buffer);
  }
  state.SetBytesProcessed(state.iterations() * 64 * state.range(0));
}
BENCHMARK(BM_AppendGrowth)->Arg(1)->Arg(16)->Arg(260);

// A long Japanese title with the characters a file name may not hold, each replaced by its
// full-width look-alike, as a shortcut's name is made.
void BM_ReplaceAllTitle(benchmark::State& state) {
  std::string title;
  while (title.size() < static_cast<size_t>(state.range(0))) {
    title += "表示ソフト\\設定: <新着> \"ニュース\" | 2024/05/01 * 見出し? ";
  }
  const char* const pairs[][2] = {{"\\", "￥"}, {"/", "／"}, {":", "："}, {"*", "＊"}, {"?", "？"},
                                  {"\"", "”"},  {"<", "＜"}, {">", "＞"}, {"|", "｜"}};
  for (auto _ : state) {
    VemiString v;
    v.Assign(title.c_str());
    for (const auto& pair : pairs) v.ReplaceAll(pair[0], pair[1]);
    benchmark::DoNotOptimize(v.buffer);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(title.size()));
}
BENCHMARK(BM_ReplaceAllTitle)->Arg(256)->Arg(4096);

}  // namespace
