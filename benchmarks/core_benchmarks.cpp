// How long the bounded steps on the UI thread take: recognising a full receive buffer, finding a live
// parameter in a read of NMEA sentences, loading the sentence catalogue, building status texts.
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZOR_SANITIZE=OFF -DZOR_TESTS=OFF
//   -DZOR_BENCHMARKS=ON cmake --build build-bench --target core_benchmarks &&
//   build-bench/benchmarks/core_benchmarks
#include "converter_model/factory_settings.h"
#include "link/reply_outcome.h"
#include "nmea/parameter_field.h"
#include "nmea/sentence_catalogue.h"
#include "toolkit/text_buffer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace zor;

constexpr std::int32_t receiveSize = 8192;

// A reply that arrives after a long run of line noise, the worst case of the tag search.
void RecogniseReplyDeepInNoise(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(receiveSize, 0);
    const std::vector<std::uint8_t> image = sim::FactoryNmeaImage();
    const std::size_t at = 7000;
    for (std::size_t i = 0; i < at; ++i)
        buffer[i] = static_cast<std::uint8_t>('A' + i % 23);
    std::copy(image.begin(), image.end(), buffer.begin() + static_cast<std::ptrdiff_t>(at));
    const auto count = static_cast<std::int32_t>(at + image.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(RecogniseReply(buffer.data(), count, ReplyOrigin::Port));
}
BENCHMARK(RecogniseReplyDeepInNoise);

// A full read of sentences where the wanted one is the last.
void FindParameterInAFullRead(benchmark::State& state) {
    std::string read;
    while (read.size() < receiveSize - 100)
        read += "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    read += "$WIMWV,214.8,R,0.1,K,A*28\r\n";
    read.resize(receiveSize, '\0');
    const auto received = static_cast<std::int32_t>(read.find('\0'));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindParameterField(read.data(), received, u"WIMWV", 3));
}
BENCHMARK(FindParameterInAFullRead);

void LoadFullCatalogue(benchmark::State& state) {
    std::string file;
    for (int entry = 0; entry < 80; ++entry) {
        file += "*S" + std::to_string(100 + entry) + "\r\nSentence number " + std::to_string(entry) + "\r\n";
        for (int p = 0; p < 32; ++p)
            file += "Parameter " + std::to_string(p + 1) + " of the sentence\r\n";
    }
    file += "*END*\r\n";
    SentenceCatalogue catalogue;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadCatalogue(catalogue, file.data(), file.size()));
}
BENCHMARK(LoadFullCatalogue);

void BuildStatusText(benchmark::State& state) {
    for (auto _ : state) {
        WideText text;
        text.assign(u"Sending Packet ");
        text.appendInt(512);
        text.append(u" / ");
        text.appendInt(1024);
        benchmark::DoNotOptimize(text.data);
    }
}
BENCHMARK(BuildStatusText);

} // namespace
