#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/round_reading.h"
#include "core/scorebook/scorebook_file.h"
#include "tests/core/test_scorebook.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

#include <unistd.h>

// The record set the windows rely on, and the rounds read through it, over a real scorebook file.
class DatgolfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every match in table order, the records just added by the same connection included; quotes
    // and wildcard marks are plain letters.
    void findByName_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("case ignored") << QStringList {"Anne Lee", "Bob"} << "anne lee" << QStringList {"Anne Lee"};
        QTest::newRow("trailing blank counts") << QStringList {"Anne Lee"} << "Anne Lee " << QStringList {};
        QTest::newRow("stored twice") << QStringList {"Jim", "Bob", "JIM"} << "jim" << QStringList {"Jim", "JIM"};
        QTest::newRow("quote") << QStringList {"O'Brien", "OBrien"} << "O'Brien" << QStringList {"O'Brien"};
        QTest::newRow("percent, underscore") << QStringList {"Abc", "A%_c"} << "A%_c" << QStringList {"A%_c"};
        QTest::newRow("star, brackets") << QStringList {"Abc", "A*[b]c"} << "A*[b]c" << QStringList {"A*[b]c"};
        QTest::newRow("accented letters") << QStringList {"Émile"} << "émile" << QStringList {"Émile"};
    }
    void findByName()
    {
        TestScorebook book;
        QFETCH(QStringList, stored);
        QFETCH(QString, wanted);
        QFETCH(QStringList, found);
        auto golfers = book.open(QStringLiteral("golfers"));
        addNamed(*golfers, QStringLiteral("golfer_name"), stored);

        QStringList seen;
        const QString field = QStringLiteral("golfer_name");
        for (golfers->findFirst(field, wanted); !golfers->noMatch(); golfers->findNext(field, wanted)) {
            seen.append(golfers->field(field));
        }
        QCOMPARE(seen, found);
    }

    void refusalsAreReportedAndChangeNothing()
    {
        TestScorebook book;
        auto golfers = book.open(QStringLiteral("golfers"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, golfers->field(QStringLiteral("golfer_name")));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, golfers->setField(QStringLiteral("golfer_name"), QStringLiteral("x")));
        golfers->addNew();
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 golfers->setField(QStringLiteral("no_such_field"), QStringLiteral("x")));

        // A change that fails midway stores nothing of itself.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, golfers->inTransaction([&] {
            golfers->addNew();
            golfers->setField(QStringLiteral("golfer_name"), QStringLiteral("Kept?"));
            golfers->update();
            throw DatabaseError(QStringLiteral("refused"));
        }));
        QCOMPARE(book.open(QStringLiteral("golfers"))->recordCount(), 0);
        // The same connection forgets the rolled-back record too.
        QCOMPARE(golfers->recordCount(), 0);
        golfers->moveFirst();
        QVERIFY(golfers->atEnd());

        // An edit that changes no field writes nothing and is no error.
        book.addGolfer(QStringLiteral("Ann"));
        golfers->refresh();
        golfers->edit();
        golfers->update();
        QCOMPARE(golfers->field(QStringLiteral("golfer_name")), QStringLiteral("Ann"));
    }

    // An existing scorebook is never overwritten; a new one that cannot be made says why in plain words.
    void createEmptyNeverOverwritesAndSaysWhy()
    {
        TestScorebook book;
        book.addGolfer(QStringLiteral("Ann"));
        QVERIFY(!scorebook::createEmpty(book.path()).isEmpty());
        QCOMPARE(book.open(QStringLiteral("golfers"))->recordCount(), 1);

        QVERIFY(QFile(book.filePath(QStringLiteral("a file"))).open(QIODevice::WriteOnly));
        const QString underAFile = book.filePath(QStringLiteral("a file/sub/teedat2000.mdb"));
        QCOMPARE(scorebook::createEmpty(underAFile), QStringLiteral("The folder could not be made."));
        if (geteuid() == 0) {
            QSKIP("a read-only folder is writable for root");
        }
        QTemporaryDir locked;
        QVERIFY(QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString failure = scorebook::createEmpty(locked.filePath(QStringLiteral("teedat2000.mdb")));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(failure, QStringLiteral("The folder is read-only: no new file can be made in it."));
    }

    // A golfer's rounds on a course, those saved since the record set was opened included, in table
    // order. Stored names lose their blanks; chosen names do not.
    void roundsPlayedByAGolferOnACourse()
    {
        TestScorebook book;
        auto rounds = book.open(QStringLiteral("rounds"));
        // Round r, dated "r", of every golfer on every course, saved by another program.
        const QStringList golfers = {"Ann", " Ann  ", "ann", "Ann\t", "Bob", "  Bob", "O'Neil"};
        const QStringList courses = {"Pine", "Pine ", "PINE", "Oak", " Oak", "Pine \"Old\""};
        const int saved = golfers.size() * courses.size();
        for (int r = 0; r < saved; ++r) {
            SQLite::Statement add(book.database(),
                                  "INSERT INTO rounds (golfer_name, course_name, date) VALUES (?, ?, ?)");
            SQLite::bind(add, golfers[r / courses.size()].toStdString(), courses[r % courses.size()].toStdString(),
                         std::to_string(r));
            add.exec();
        }

        const QRegularExpression blanks(QStringLiteral("^ +| +$")); // only blanks are trimmed, not tabs
        const QList<QStringList> chosen {{"Ann", "Pine"},  {"Bob", "Oak"},   {"ann", "PINE"},
                                         {"Carl", "Pine"}, {" Ann", "Pine"}, {"O'Neil", "Pine \"Old\""}};
        for (const QStringList &names : chosen) {
            QStringList expected;
            for (int r = 0; r < saved; ++r) {
                if (QString(golfers[r / courses.size()]).remove(blanks) == names[0]
                    && QString(courses[r % courses.size()]).remove(blanks) == names[1]) {
                    expected.append(QString::number(r));
                }
            }
            QStringList dates;
            for (const Round &round : readRoundsPlayedBy(*rounds, names[0], names[1])) {
                dates.append(round.date);
            }
            QVERIFY(!expected.isEmpty() || names[0] == "Carl" || names[0] == " Ann");
            QCOMPARE(dates, expected);
        }
    }
};

QTEST_GUILESS_MAIN(DatgolfTest)
#include "tst_datgolf.moc"
