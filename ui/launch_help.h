#pragma once

struct AppContext;
class QWidget;

// Starts the help viewer beside the program, detached; each call starts another
// copy. Tells the user when it could not be started.
void launch_help(AppContext &context, QWidget *parent);
