#pragma once

struct AppContext;
class WindowRegistry;

// Tells the window registry how to build every window of the program, and lets
// the list loaders build a list's window when they first reach it.
void registerWindows(WindowRegistry &windows, AppContext &context);
