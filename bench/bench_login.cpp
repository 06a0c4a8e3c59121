// Timings of the login's password check, which the hashing cost dominates:
// a right password against its stored hash, and a new password hashed.
#include "data/PasswordHash.h"

#include <benchmark/benchmark.h>

namespace {
void BM_LoginPasswordCheck(benchmark::State& state)
{
    const QString stored = PasswordHash::Hash(QStringLiteral("head teacher"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PasswordHash::Verify(stored, QStringLiteral("head teacher")));
}
BENCHMARK(BM_LoginPasswordCheck)->Unit(benchmark::kMillisecond);

void BM_PasswordHash(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PasswordHash::Hash(QStringLiteral("head teacher")));
}
BENCHMARK(BM_PasswordHash)->Unit(benchmark::kMillisecond);
}
