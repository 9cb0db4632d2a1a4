// One keystroke in the feedback message, as the model takes it: the store gets the editor's whole new text and keeps
// the trimmed message's length in user-perceived characters, which the counter and Send read. Typed at the end and
// in the middle of messages of 40 and 4,000 characters (letters, accented letters, emoji and a flag); "WholeCount"
// is what counting the whole message again costs, as every keystroke once did.

#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Model/FeedbackStore.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <iterator>

namespace {

using namespace quellarine;

QString message(int length)
{
    const QString pieces[] = {QStringLiteral("The pointer "), QStringLiteral("e\u0301"), QStringLiteral("👍🏽"),
                              QStringLiteral("drifts; "),     QStringLiteral("🇧🇷"),      QStringLiteral(" a\n")};
    QString text;
    for (int piece = 0; FeedbackStore::characterCount(text) < length; ++piece) {
        text += pieces[piece % std::size(pieces)];
    }
    return text;
}

void type(benchmark::State& state, bool inTheMiddle)
{
    // The network module's set-up (which the store's client brings) expects an application object.
    static int argc = 1;
    static char name[] = "FeedbackCounterBench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    ServiceClient client(std::nullopt, QSslConfiguration());
    FeedbackStore store(client);
    QString text = message(int(state.range(0)));
    store.setMessage(text);
    const qsizetype at = inTheMiddle ? text.size() / 2 : text.size();
    for (auto _ : state) {
        text.insert(at, QLatin1Char('k'));
        store.setMessage(text);
        benchmark::DoNotOptimize(store.canSend());
        text.remove(at, 1);
        store.setMessage(text);
        benchmark::DoNotOptimize(store.canSend());
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["characters"] = store.messageLength();
}

void TypeAtTheEnd(benchmark::State& state)
{
    type(state, false);
}

void TypeInTheMiddle(benchmark::State& state)
{
    type(state, true);
}

void WholeCount(benchmark::State& state)
{
    const QString text = message(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FeedbackStore::characterCount(FeedbackStore::trimmedMessage(text)));
    }
}

BENCHMARK(TypeAtTheEnd)->Arg(40)->Arg(4000);
BENCHMARK(TypeInTheMiddle)->Arg(40)->Arg(4000);
BENCHMARK(WholeCount)->Arg(40)->Arg(4000);

} // namespace
