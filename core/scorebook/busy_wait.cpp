#include "core/scorebook/busy_wait.h"

#include <QElapsedTimer>

#include <sqlite3.h>

namespace busy_wait {

namespace {

constexpr qint64 AskAfterMs = 1000;
constexpr qint64 GiveUpWithoutQuestionMs = 10000;
constexpr int PauseMs = 20;

struct Waiting
{
    Question ask;
    QElapsedTimer sinceAsked;
    bool asking = false;
};

Waiting &waiting()
{
    static Waiting state;
    return state;
}

int onBusy(void *, int attempt)
{
    Waiting &state = waiting();
    if (attempt == 0) {
        state.sinceAsked.start();
    }
    const qint64 waited = state.sinceAsked.elapsed();
    if (!state.ask) {
        if (waited >= GiveUpWithoutQuestionMs) {
            return 0;
        }
    } else if (waited >= AskAfterMs) {
        // The question runs its own event loop; a second lock met meanwhile is refused at once.
        if (state.asking) {
            return 0;
        }
        state.asking = true;
        const bool again = state.ask();
        state.asking = false;
        if (!again) {
            return 0;
        }
        state.sinceAsked.start();
    }
    sqlite3_sleep(PauseMs);
    return 1;
}

} // namespace

void setQuestion(Question ask)
{
    waiting().ask = std::move(ask);
}

void install(sqlite3 *connection)
{
    sqlite3_busy_handler(connection, onBusy, nullptr);
}

} // namespace busy_wait
