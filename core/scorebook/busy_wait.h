#pragma once

#include <functional>

struct sqlite3;

// What a connection does while another program holds the scorebook: it waits
// about a second, then asks whether to wait again. Without a question set
// (the command line, tests) it waits up to ten seconds and gives up.
namespace busy_wait {

// Returns true to wait another second, false to give up (the change is refused).
using Question = std::function<bool()>;

void setQuestion(Question ask);

// Puts the waiting rule on a freshly opened connection.
void install(sqlite3 *connection);

} // namespace busy_wait
