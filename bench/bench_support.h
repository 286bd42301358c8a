// Helpers shared by the benchmarks: inputs of a given size, bytes per second,
// and files in a working folder of their own.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bk::bench {

// unit repeated and cut to exactly size bytes.
inline std::string Repeat(std::string_view unit, std::size_t size) {
  std::string out;
  while (out.size() < size) out.append(unit);
  out.resize(size);
  return out;
}

// Reports the throughput of the run over `bytes` bytes per iteration.
inline void Finish(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The median of timings taken in rounds (upper median of an even count).
inline double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// A folder of the benchmark under the temporary folder, created.
inline std::filesystem::path MakeFolder(std::string_view name) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / std::string(name);
  std::filesystem::create_directories(dir);
  return dir;
}

// Writes the bytes as they are; the path as a string.
inline std::string WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.string().c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path.string();
}

}  // namespace bk::bench
