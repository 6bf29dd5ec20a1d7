#include "bench/scorebook_generator.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// teebook_generate FILE [COURSES GOLFERS ROUNDS]: writes a scorebook for trying
// the program or the benchmarks on a large household's worth of golf.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 5) {
        std::fprintf(stderr, "usage: teebook_generate FILE [COURSES GOLFERS ROUNDS]\n");
        return 2;
    }
    ScorebookSize size;
    if (args.size() == 5) {
        size = {args[2].toInt(), args[3].toInt(), args[4].toInt()};
    }
    const QString failure = generateScorebook(args[1], size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
