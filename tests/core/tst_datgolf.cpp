#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_connection.h"
#include "core/scorebook/scorebook_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// The record set the windows rely on, over a real scorebook file.
class DatgolfTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    std::unique_ptr<DataControl> open(const QString &table)
    {
        auto data = std::make_unique<DataControl>();
        data->setDatabaseName(m_path);
        data->setRecordSource(table);
        data->refresh();
        return data;
    }

    void addGolfers(const QStringList &names)
    {
        auto golfers = open(QStringLiteral("golfers"));
        for (const QString &name : names) {
            golfers->addNew();
            golfers->setField(QStringLiteral("golfer_name"), name);
            golfers->update();
        }
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("teedat2000.mdb"));
        QFile::remove(m_path);
        QCOMPARE(scorebook::createEmpty(m_path), QString());
    }

    void findByName_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("expectedRow"); // -1: not found
        QTest::newRow("case ignored") << QStringList {"Anne Lee", "Bob"} << "anne lee" << 0;
        QTest::newRow("trailing blank counts") << QStringList {"Anne Lee"} << "Anne Lee " << -1;
        QTest::newRow("stored twice ends on later") << QStringList {"Jim", "Bob", "JIM"} << "jim" << 2;
        QTest::newRow("quote") << QStringList {"O'Brien", "OBrien"} << "O'Brien" << 0;
        QTest::newRow("no wildcards") << QStringList {"Al", "Abc", "A%_*?[1]#"} << "A%_*?[1]#" << 2;
        QTest::newRow("accented letters") << QStringList {"Émile"} << "émile" << 0;
    }
    void findByName()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, wanted);
        QFETCH(int, expectedRow);
        addGolfers(stored);
        auto golfers = open(QStringLiteral("golfers"));

        golfers->findFirst(QStringLiteral("golfer_name"), wanted);
        if (expectedRow < 0) {
            QVERIFY(golfers->noMatch());
            return;
        }
        QVERIFY(!golfers->noMatch());
        do {
            golfers->findNext(QStringLiteral("golfer_name"), wanted);
        } while (!golfers->noMatch());
        // The sequence ends on the last match; deleting it removes that record only.
        golfers->deleteCurrent();
        QStringList remaining = stored;
        remaining.removeAt(expectedRow);
        QStringList seen;
        auto check = open(QStringLiteral("golfers"));
        for (check->moveFirst(); !check->atEnd(); check->moveNext()) {
            seen.append(check->field(QStringLiteral("golfer_name")));
        }
        QCOMPARE(seen, remaining);
    }

    void additionsSeenBySameConnectionAndOthersAfterRefresh()
    {
        auto writer = open(QStringLiteral("golfers"));
        auto other = open(QStringLiteral("golfers"));
        QVERIFY(other->atEnd());
        QStringList added;
        for (int i = 0; i < 5; ++i) {
            added.append(QStringLiteral("G%1").arg(i));
            writer->addNew();
            writer->setField(QStringLiteral("golfer_name"), added.last());
            writer->update();
        }

        QStringList seen;
        for (writer->moveFirst(); !writer->atEnd(); writer->moveNext()) {
            seen.append(writer->field(QStringLiteral("golfer_name")));
        }
        QCOMPARE(seen, added);
        QCOMPARE(other->recordCount(), 0);
        other->refresh();
        other->moveLast();
        QCOMPARE(other->recordCount(), 5);
        QCOMPARE(other->field(QStringLiteral("golfer_name")), QStringLiteral("G4"));
    }

    void valuesCrossAsText()
    {
        auto courses = open(QStringLiteral("courseinfo"));
        courses->addNew();
        courses->setField(QStringLiteral("course_name"), QStringLiteral("Pine"));
        courses->setField(QStringLiteral("course_size"), QStringLiteral("True"));
        courses->setField(QStringLiteral("b1"), QStringLiteral("350"));
        courses->setField(QStringLiteral("w1"), QStringLiteral(""));
        courses->setField(QStringLiteral("r1"), QStringLiteral("5x"));
        courses->update();
        courses->addNew();
        courses->setField(QStringLiteral("course_size"), QStringLiteral("False"));
        courses->update();

        auto reader = open(QStringLiteral("courseinfo"));
        QCOMPARE(reader->field(QStringLiteral("course_size")), QStringLiteral("True"));
        QCOMPARE(reader->field(QStringLiteral("b1")), QStringLiteral("350"));
        QCOMPARE(reader->field(QStringLiteral("w1")), QString());
        QCOMPARE(reader->field(QStringLiteral("r1")), QStringLiteral("5x"));
        reader->moveNext();
        QCOMPARE(reader->field(QStringLiteral("course_size")), QStringLiteral("False"));
    }

    void refusalsAreReportedAndChangeNothing()
    {
        auto golfers = open(QStringLiteral("golfers"));
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
        QCOMPARE(open(QStringLiteral("golfers"))->recordCount(), 0);
        // The same connection forgets the rolled-back record too.
        QCOMPARE(golfers->recordCount(), 0);
        golfers->moveFirst();
        QVERIFY(golfers->atEnd());

        // An edit that changes no field writes nothing and is no error.
        addGolfers({QStringLiteral("Ann")});
        golfers->refresh();
        golfers->edit();
        golfers->update();
        QCOMPARE(golfers->field(QStringLiteral("golfer_name")), QStringLiteral("Ann"));
    }

    // An existing scorebook is never overwritten; a new one that cannot be made says why in plain words.
    void createEmptyNeverOverwritesAndSaysWhy()
    {
        addGolfers({QStringLiteral("Ann")});
        QVERIFY(!scorebook::createEmpty(m_path).isEmpty());
        QCOMPARE(open(QStringLiteral("golfers"))->recordCount(), 1);
        QCOMPARE(scorebook::inspect(m_path).health, scorebook::Health::Ready);

        QFile plainFile(m_dir.filePath(QStringLiteral("a file")));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        plainFile.close();
        const QString underAFile = m_dir.filePath(QStringLiteral("a file/sub/teedat2000.mdb"));
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

    void inspectTellsWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not sqlite") << QByteArray("Standard Jet DB\0\0\0", 18) << "not a scorebook";
        QTest::newRow("missing table") << QByteArray("CREATE TABLE golfers (golfer_name TEXT);") << "courseinfo";
        QTest::newRow("missing field") << QByteArray("CREATE TABLE courseinfo (course_id INTEGER);") << "course_name";
    }
    void inspectTellsWhatIsWrong()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QFile::remove(m_path);
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (content.startsWith("CREATE")) {
            SQLite::Database(m_path.toStdString(), SQLite::OPEN_READWRITE).exec(content.data());
        } else {
            QVERIFY(file.write(content) == content.size() && file.seek(0));
        }
        const QByteArray before = file.readAll();
        const scorebook::Check check = scorebook::inspect(m_path);
        QCOMPARE(check.health, scorebook::Health::Unreadable);
        QVERIFY2(check.problem.contains(problem), qPrintable(check.problem));
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(DatgolfTest)
#include "tst_datgolf.moc"
