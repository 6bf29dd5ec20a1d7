#pragma once

struct AppContext;
class WindowRegistry;

// Tells the window registry how to build every window of the program; each is
// built when it is first shown.
void registerWindows(WindowRegistry &windows, AppContext &context);
