// Reading and saving a design of the most segments a file may hold
// (100,000), from and to a file and, to tell the disk apart, from and to
// text in memory. Both must be linear in the number of segments: the
// counts 25,000 and 100,000 should take times in a ratio of about 1 : 4 (a
// little more once the larger design no longer fits the processor's caches;
// a quadratic reader would show 1 : 16).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "support/ini_file.h"
#include "wire/design.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;
namespace fs = std::filesystem;

// A gently waving wire of aCount stored segments of 0.1 mm.
std::unique_ptr<TDesign> BuildDesign(int aCount) {
    auto d = std::make_unique<TDesign>(0.25, DefaultStock());
    for (int i = 0; i < aCount; ++i) d->CurrentWire->AddSeg(0.1, (i / 50) % 2 ? 0.0123456 : -0.0123456);
    return d;
}

std::string BenchFile(const char* aName) {
    return (fs::temp_directory_path() / ("torvik-bench-" + std::to_string(::getpid()) + "-" + aName)).string();
}

void BM_ReadDesignFile(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string file = BenchFile("read.tvk");
    {
        auto d = BuildDesign(n);
        SaveDesign(file, *d->CurrentWire, d->LeftBracket, d->RightBracket);
    }
    int count = 0;
    for (auto _ : state) {
        auto d = LoadDesign(file, 0.25, DefaultStock());
        count = d->CurrentWire->Count();
        benchmark::DoNotOptimize(d->CurrentWire->Corner());
    }
    std::remove(file.c_str());
    if (count != n + 1) state.SkipWithError("the design did not read back whole");
    state.counters["segments"] = n;
}
BENCHMARK(BM_ReadDesignFile)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SaveDesignFile(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string file = BenchFile("save.tvk");
    auto d = BuildDesign(n);
    for (auto _ : state) SaveDesign(file, *d->CurrentWire, d->LeftBracket, d->RightBracket);
    std::error_code ec;
    state.counters["bytes"] = static_cast<double>(fs::file_size(file, ec));
    std::remove(file.c_str());
    state.counters["segments"] = n;
}
BENCHMARK(BM_SaveDesignFile)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same without the disk: parsing the text and reading the design from it.
void BM_ReadDesignText(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TIniFile source;
    {
        auto d = BuildDesign(n);
        d->CurrentWire->SaveToIni(source);
        d->LeftBracket.SaveToIni(source);
        d->RightBracket.SaveToIni(source);
    }
    const std::string text = source.Text();
    for (auto _ : state) {
        TIniFile ini;
        ini.Parse(text);
        TDesign d(0.25, DefaultStock());
        ReadDesign(ini, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        benchmark::DoNotOptimize(d.CurrentWire->Corner());
    }
    state.counters["segments"] = n;
}
BENCHMARK(BM_ReadDesignText)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Writing the design's sections into a document and making its text.
void BM_SaveDesignText(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto d = BuildDesign(n);
    for (auto _ : state) {
        TIniFile ini;
        d->CurrentWire->SaveToIni(ini);
        d->LeftBracket.SaveToIni(ini);
        d->RightBracket.SaveToIni(ini);
        benchmark::DoNotOptimize(ini.Text());
    }
    state.counters["segments"] = n;
}
BENCHMARK(BM_SaveDesignText)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
