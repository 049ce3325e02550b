// libFuzzer target for the topic source reader and the pool file checks: no input may crash them, and a
// source they accept must write back to one that reads the same.
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DIXO_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_topic_source && build-fuzz/tests/fuzz_topic_source -max_total_time=60

#include "data/pool_file.h"
#include "data/topic_source.h"

#include <cstdint>
#include <cstdlib>

using namespace ixo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the pool kind and the code page; the rest is the input.
    const PoolKind kind = data[0] & 1 ? PoolKind::Issue : PoolKind::Argument;
    const CodePage page = static_cast<CodePage>((data[0] >> 1) % 5);
    const QByteArray input(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    const ParsedTopicSource parsed = ParseTopicSource(kind, input, page);
    if (parsed.problems.isEmpty()) {
        const QByteArray pool = BuildPoolFile(kind, parsed.topics, page);
        if (ReadPoolTopics(kind, pool, page) != parsed.topics || !CheckPoolFile(kind, pool, page).isEmpty()
            || !SourceExportProblems(kind, pool, page).isEmpty())
            std::abort();
        if (ParseTopicSource(kind, WriteTopicSource(kind, parsed.topics), page).topics != parsed.topics)
            std::abort();
    }
    // The same bytes read as a pool file.
    CheckPoolFile(kind, input, page);
    SourceExportProblems(kind, input, page);
    return 0;
}
