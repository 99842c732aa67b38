// Our inflate against zlib's on the same data in the same run: a few MiB of
// skin-like bitmaps and a few MiB of mixed text and binary, compressed by
// zlib at level 9 as the skin writer does. Prints MB/s of output for each
// decoder and, at the end, the ratio ours / zlib per data set.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "flate/inflate.h"
#include "tests/flate/memory_streams.h"
#include "tests/flate/sample_data.h"
#include "tools/skintools/raw_deflate.h"

namespace {

constexpr size_t kDataSetSize = 4 << 20;

struct DataSet {
  std::string name;
  std::vector<uint8_t> data;
  std::vector<uint8_t> compressed;
};

DataSet MakeDataSet(std::string name, std::vector<uint8_t> data) {
  std::vector<uint8_t> compressed = skintools::DeflateRaw(data, 9, Z_DEFAULT_STRATEGY);
  return {std::move(name), std::move(data), std::move(compressed)};
}

// Writes into a buffer allocated once, as zlib writes into its output.
class ArraySink : public flate::ByteSink {
 public:
  explicit ArraySink(std::vector<uint8_t>& buffer) : buffer_(buffer) {}
  void Write(const uint8_t* data, size_t size) override {
    if (size > buffer_.size() - written_) {
      throw std::length_error("more output than expected");
    }
    std::memcpy(buffer_.data() + written_, data, size);
    written_ += size;
  }
  size_t Written() const { return written_; }

 private:
  std::vector<uint8_t>& buffer_;
  size_t written_ = 0;
};

template <typename BitBuffer>
void OurInflate(benchmark::State& state, const DataSet* set) {
  std::vector<uint8_t> output(set->data.size());
  for (auto _ : state) {
    flate_test::MemorySource source(set->compressed);
    ArraySink sink(output);
    flate::InflateWithBitBuffer<BitBuffer>(source, sink);
    benchmark::DoNotOptimize(output.data());
  }
  if (output != set->data) {
    state.SkipWithError("our inflate decoded wrongly");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * set->data.size()));
}

void ZlibInflate(benchmark::State& state, const DataSet* set) {
  z_stream stream{};
  inflateInit2(&stream, -MAX_WBITS);
  std::vector<uint8_t> output(set->data.size());
  for (auto _ : state) {
    inflateReset(&stream);
    stream.next_in = const_cast<Bytef*>(set->compressed.data());
    stream.avail_in = static_cast<uInt>(set->compressed.size());
    stream.next_out = output.data();
    stream.avail_out = static_cast<uInt>(output.size());
    if (inflate(&stream, Z_FINISH) != Z_STREAM_END) {
      state.SkipWithError("zlib failed");
      break;
    }
    benchmark::DoNotOptimize(output.data());
  }
  inflateEnd(&stream);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * set->data.size()));
}

// The console report, then one line per data set: our speed over zlib's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) {
        speeds_[run.benchmark_name()] = rate->second.value;
      }
    }
  }

  void PrintRatios(const std::vector<DataSet>& sets) const {
    std::printf("\n%-28s %12s %12s %12s %8s\n", "data set (MB/s of output)", "ours 64-bit",
                "ours 32-bit", "zlib", "ratio");
    for (const DataSet& set : sets) {
      const double ours = Speed("inflate/" + set.name + "/ours 64-bit");
      const double ours32 = Speed("inflate/" + set.name + "/ours 32-bit");
      const double zlib = Speed("inflate/" + set.name + "/zlib");
      std::printf("%-28s %12.1f %12.1f %12.1f %8.2f\n", set.name.c_str(), ours / 1e6, ours32 / 1e6,
                  zlib / 1e6, zlib > 0 ? ours / zlib : 0.0);
    }
  }

 private:
  double Speed(const std::string& name) const {
    const auto found = speeds_.find(name);
    return found == speeds_.end() ? 0.0 : found->second;
  }

  std::map<std::string, double> speeds_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<DataSet> sets = {
      MakeDataSet("skin bitmaps", flate_test::SkinLikeBitmaps(kDataSetSize, 1)),
      MakeDataSet("mixed text and binary", flate_test::MixedTextAndBinary(kDataSetSize, 2)),
  };
  for (const DataSet& set : sets) {
    std::printf("%s: %zu bytes, %zu compressed\n", set.name.c_str(), set.data.size(),
                set.compressed.size());
    benchmark::RegisterBenchmark(("inflate/" + set.name + "/ours 64-bit").c_str(),
                                 OurInflate<uint64_t>, &set)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("inflate/" + set.name + "/ours 32-bit").c_str(),
                                 OurInflate<uint32_t>, &set)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("inflate/" + set.name + "/zlib").c_str(), ZlibInflate, &set)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(sets);
  benchmark::Shutdown();
  return 0;
}
