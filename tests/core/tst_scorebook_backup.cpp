#include "core/scorebook/golfer_match.h"
#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_connection.h"
#include "core/scorebook/scorebook_file.h"
#include "core/scorebook/scorebook_layout.h"
#include "core/scorebook/scorebook_restore.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <atomic>
#include <thread>

using scorebook::CopyOutcome;
using scorebook::LayoutOutcome;

// Copies of the scorebook: the dated one made before its layout changes, backups made with the
// online backup, and putting one back in place of the scorebook.
class ScorebookBackupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    const QDate m_day {2026, 12, 7};

    static qint64 count(const QString &path, const char *table)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return db.execAndGet(std::string("SELECT count(*) FROM ") + table).getInt64();
    }

    static bool hasTable(const QString &path, const char *table)
    {
        return SQLite::Database(path.toStdString(), SQLite::OPEN_READONLY).tableExists(table);
    }

    // Golfers with names 400 characters long, so that a copy takes many steps.
    static void addGolfers(const QString &path, int golfers)
    {
        SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(golfers)
                  + ") INSERT INTO golfers SELECT printf('%-400s', 'Golfer ' || i) FROM n");
    }

    // A scorebook written before the later tables and the golfer indexes, with one more golfer in it.
    void makeOlderScorebook(const QStringList &keptTables = {})
    {
        SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO golfers (golfer_name) VALUES ('Ann')");
        scorebook::dropRoundIndexes(db);
        for (const char *table : {"tee_ratings", "round_details"}) {
            if (!keptTables.contains(QLatin1String(table))) {
                db.exec(std::string("DROP TABLE ") + table);
            }
        }
    }

    QStringList folderEntries() const { return QDir(m_dir->path()).entryList(QDir::Files); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QStringLiteral("teedat2000.mdb"));
        QCOMPARE(scorebook::createEmpty(m_path), QString());
    }

    void missingPartsAreAddedAfterOneBackup_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::newRow("tables and indexes missing") << QStringList();
        QTest::newRow("indexes missing") << QStringList {"tee_ratings", "round_details"};
    }
    void missingPartsAreAddedAfterOneBackup()
    {
        QFETCH(QStringList, present);
        makeOlderScorebook(present);

        QCOMPARE(scorebook::bringUpToDate(m_path, m_day).outcome, LayoutOutcome::Updated);
        QVERIFY(hasTable(m_path, "tee_ratings"));
        QVERIFY(hasTable(m_path, "round_details"));
        QCOMPARE(count(m_path, "golfers"), 1);
        SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement plan(
            db, ("EXPLAIN QUERY PLAN SELECT record_no FROM rounds WHERE " + sameTrimmedGolfer("golfer_name")).c_str());
        QVERIFY(plan.executeStep());
        QVERIFY2(QString::fromStdString(plan.getColumn(3).getString()).contains(QLatin1String("rounds_by_golfer")),
                 plan.getColumn(3).getText());
        // The copy is the file as it was before the change.
        const QString backup = scorebook::backupPath(m_path, m_day);
        QCOMPARE(count(backup, "golfers"), 1);
        QCOMPARE(hasTable(backup, "tee_ratings"), present.contains(QLatin1String("tee_ratings")));
        QCOMPARE(hasTable(backup, "round_details"), present.contains(QLatin1String("round_details")));
        // Later starts find nothing to do and make no more copies; a change on the day of a copy keeps it.
        QCOMPARE(scorebook::bringUpToDate(m_path, m_day.addDays(1)).outcome, LayoutOutcome::Current);
        makeOlderScorebook(present);
        QCOMPARE(scorebook::bringUpToDate(m_path, m_day).outcome, LayoutOutcome::Updated);
        QCOMPARE(count(backup, "golfers"), 1);
        QCOMPARE(folderEntries(), (QStringList {"teedat2000.mdb", "teedat2000.mdb.bak-20261207"}));
    }

    // A read-only scorebook opens as it is; one whose copy cannot be made is not changed.
    void readOnlyOrNoBackupNoChange()
    {
        makeOlderScorebook();
        {
            SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READONLY);
            QCOMPARE(scorebook::bringUpToDate(db, m_day).outcome, LayoutOutcome::ReadOnly);
        }
        QCOMPARE(folderEntries(), QStringList {"teedat2000.mdb"});
        QCOMPARE(scorebook::inspect(m_path).health, scorebook::Health::Ready);
        // Something in the way of the copy: a folder where the copy is written.
        QVERIFY(QDir().mkpath(scorebook::backupPath(m_path, m_day) + QStringLiteral(".part/x")));
        const auto result = scorebook::bringUpToDate(m_path, m_day);
        QCOMPARE(result.outcome, LayoutOutcome::Failed);
        QVERIFY2(result.problem.startsWith(QLatin1String("No backup could be made")), qPrintable(result.problem));
        QVERIFY(!hasTable(m_path, "tee_ratings"));
        QCOMPARE(folderEntries(), QStringList {"teedat2000.mdb"});
    }

    // Another program adds a golfer and a round together, over and over, while the
    // copy is made step by step: the copy holds one state of the file, never half a change.
    void backupWhileAnotherConnectionWrites()
    {
        addGolfers(m_path, 3000);
        std::atomic<bool> stop {false};
        std::atomic<int> written {0};
        std::thread writer([&] {
            auto db = openScorebookConnection(m_path);
            while (!stop) {
                SQLite::Transaction pair(*db);
                db->exec("INSERT INTO golfers VALUES ('Writer')");
                db->exec("INSERT INTO rounds (golfer_name, course_name) VALUES ('Writer', 'Oak')");
                pair.commit();
                ++written;
            }
        });
        QTRY_VERIFY(written > 5);
        const QString target = scorebook::suggestedBackupPath(m_path, m_day);
        QCOMPARE(target, m_dir->filePath("teedat2000-2026-12-07.mdb"));
        int steps = 0;
        qint64 lastDone = -1;
        qint64 lastTotal = 0;
        const CopyOutcome outcome = scorebook::backUpScorebook(m_path, target, [&](qint64 done, qint64 total) {
            ++steps;
            lastDone = done;
            lastTotal = total;
            QThread::msleep(2); // time for the writer to try between steps
            return true;
        });
        const int afterCopy = written;
        QTRY_VERIFY(written > afterCopy + 5); // the writer goes on once the copy is made
        stop = true;
        writer.join();

        QCOMPARE(outcome.status, CopyOutcome::Status::Done);
        QVERIFY(steps > 1);
        QCOMPARE(lastDone, lastTotal);
        QCOMPARE(scorebook::backupProblem(target), QString());
        const qint64 copiedRounds = count(target, "rounds");
        QCOMPARE(count(target, "golfers"), 3000 + copiedRounds);
        QVERIFY(copiedRounds > 0);
        QVERIFY(copiedRounds < count(m_path, "rounds"));
    }

    // A copy that is cancelled, refused or not of a whole scorebook changes no file. "other.mdb" is the
    // backup's target or the restore's source, damaged first: by a statement, with text replacing it
    // whole, or with a page of noise over its middle.
    void failedCopyChangesNothing_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("problem");
        const auto row = [](const char *name, bool restore, const char *damage, bool cancel, const char *problem) {
            QTest::newRow(name) << restore << QString(damage) << cancel << QString(problem);
        };
        row("backup cancelled", false, "", true, "");
        row("backup over a file", false, "text", false, "already");
        row("restore cancelled", true, "", true, "");
        row("restore from text", true, "text", false, "not a scorebook");
        row("restore without golfers", true, "DROP TABLE golfers", false, "no table \"golfers\"");
        row("restore without a field", true, "ALTER TABLE courseinfo RENAME COLUMN course_name TO name", false,
            "no field \"course_name\"");
        row("restore from a damaged page", true, "page", false, "");
        row("backup onto the scorebook", false, "itself", false, "the scorebook itself");
        row("restore from the scorebook", true, "itself", false, "the scorebook itself");
    }
    void failedCopyChangesNothing()
    {
        QFETCH(bool, restore);
        QFETCH(QString, damage);
        QFETCH(bool, cancel);
        QFETCH(QString, problem);
        addGolfers(m_path, 3000);
        // The scorebook itself, named another way.
        const bool itself = damage == "itself";
        const QString other
            = itself ? m_dir->filePath("./" + QFileInfo(m_path).fileName()) : m_dir->filePath("other.mdb");
        if (restore && !itself) {
            QCOMPARE(scorebook::backUpScorebook(m_path, other).error, QString());
            addGolfers(m_path, 5);
        }
        if (damage.contains(' ')) {
            SQLite::Database(other.toStdString(), SQLite::OPEN_READWRITE).exec(damage.toStdString());
        } else if (!damage.isEmpty() && !itself) {
            QFile file(other);
            QVERIFY(file.open(damage == "text" ? QIODevice::WriteOnly : QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() / 2));
            file.write(damage == "text" ? QByteArray("golfer_name\r\nAnn\r\n") : QByteArray(8192, '\x5a'));
        }
        const QStringList before = folderEntries();
        const QByteArray otherBefore = readFile(other);

        const auto progress = [cancel](qint64 done, qint64) { return !cancel || done == 0; };
        CopyOutcome outcome;
        if (restore) {
            const auto restored = scorebook::restoreFromBackup(other, m_path, m_day, progress);
            outcome = {restored.status, restored.error};
        } else {
            outcome = scorebook::backUpScorebook(m_path, other, progress);
        }

        QCOMPARE(outcome.status, cancel ? CopyOutcome::Status::Cancelled : CopyOutcome::Status::Failed);
        QVERIFY2(outcome.error.contains(problem), qPrintable(outcome.error));
        QCOMPARE(folderEntries(), before);
        QCOMPARE(readFile(other), otherBefore);
        QCOMPARE(count(m_path, "golfers"), restore && !itself ? 3005 : 3000);
        QCOMPARE(scorebook::backupProblem(m_path), QString());
    }

    // Each restore keeps the scorebook it replaces under a dated name of its own.
    void restorePutsTheBackupBackAndKeepsTheReplaced()
    {
        addGolfers(m_path, 10);
        const QString backup = m_dir->filePath("backup.mdb");
        QCOMPARE(scorebook::backUpScorebook(m_path, backup).error, QString());
        addGolfers(m_path, 5);
        // A connection the program holds open sees the restored records.
        auto open = openScorebookConnection(m_path);

        const auto first = scorebook::restoreFromBackup(backup, m_path, m_day);
        const auto second = scorebook::restoreFromBackup(backup, m_path, m_day);

        QCOMPARE(first.status, CopyOutcome::Status::Done);
        QCOMPARE(first.keptCopy, m_dir->filePath("teedat2000-replaced-2026-12-07.mdb"));
        QCOMPARE(second.keptCopy, m_dir->filePath("teedat2000-replaced-2026-12-07-2.mdb"));
        QCOMPARE(count(m_path, "golfers"), qint64(10));
        QCOMPARE(open->execAndGet("SELECT count(*) FROM golfers").getInt64(), qint64(10));
        QCOMPARE(count(first.keptCopy, "golfers"), qint64(15));
        QCOMPARE(count(second.keptCopy, "golfers"), qint64(10));
        QCOMPARE(scorebook::inspect(m_path).health, scorebook::Health::Ready);
    }
};

QTEST_GUILESS_MAIN(ScorebookBackupTest)
#include "tst_scorebook_backup.moc"
