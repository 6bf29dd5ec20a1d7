#include "core/scorebook/golfer_match.h"
#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_file.h"
#include "core/scorebook/scorebook_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using scorebook::LayoutOutcome;

// Bringing a golfer's scorebook up to the current layout, and the dated copy made first.
class ScorebookLayoutTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    const QDate m_day {2026, 4, 9};

    static bool hasTable(const QString &path, const char *table)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return db.tableExists(table);
    }

    static int golferCount(const QString &path)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return db.execAndGet("SELECT count(*) FROM golfers").getInt();
    }

    // A scorebook written before the later tables, with one golfer in it.
    void makeOlderScorebook(const QStringList &keptTables = {})
    {
        QCOMPARE(scorebook::createEmpty(m_path), QString());
        SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO golfers (golfer_name) VALUES ('Ann')");
        for (const char *table : {"tee_ratings", "round_details"}) {
            if (!keptTables.contains(QLatin1String(table))) {
                db.exec(std::string("DROP TABLE ") + table);
            }
        }
    }

    QStringList backups() const
    {
        return QDir(m_dir->path()).entryList({QStringLiteral("teedat2000.mdb.bak-*")}, QDir::Files | QDir::Dirs);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("teedat2000.mdb"));
    }

    void missingPartsAreAddedAfterOneBackup_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<LayoutOutcome>("outcome");
        QTest::newRow("both missing") << QStringList() << LayoutOutcome::Updated;
        QTest::newRow("ratings there") << QStringList {"tee_ratings"} << LayoutOutcome::Updated;
        QTest::newRow("all there") << QStringList {"tee_ratings", "round_details"} << LayoutOutcome::Current;
    }
    void missingPartsAreAddedAfterOneBackup()
    {
        QFETCH(QStringList, present);
        QFETCH(LayoutOutcome, outcome);
        makeOlderScorebook(present);

        const auto result = scorebook::bringUpToDate(m_path, m_day);
        QCOMPARE(result.outcome, outcome);
        QVERIFY(result.problem.isEmpty());
        QVERIFY(hasTable(m_path, "tee_ratings"));
        QVERIFY(hasTable(m_path, "round_details"));
        QCOMPARE(golferCount(m_path), 1);

        const bool backedUp = outcome == LayoutOutcome::Updated;
        QCOMPARE(backups(), backedUp ? QStringList {"teedat2000.mdb.bak-20260409"} : QStringList());
        if (backedUp) {
            // The copy is the file as it was before the change.
            const QString backup = scorebook::backupPath(m_path, m_day);
            QCOMPARE(golferCount(backup), 1);
            QCOMPARE(hasTable(backup, "tee_ratings"), present.contains(QLatin1String("tee_ratings")));
            QCOMPARE(hasTable(backup, "round_details"), present.contains(QLatin1String("round_details")));
        }
        // Later starts find nothing to do and make no more copies.
        QCOMPARE(scorebook::bringUpToDate(m_path, m_day.addDays(1)).outcome, LayoutOutcome::Current);
        QCOMPARE(backups(), backedUp ? QStringList {"teedat2000.mdb.bak-20260409"} : QStringList());
    }

    void backupOfTheDayIsNeverReplaced()
    {
        makeOlderScorebook();
        const QString backup = scorebook::backupPath(m_path, m_day);
        QFile earlier(backup);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("the copy made this morning");
        earlier.close();

        QCOMPARE(scorebook::bringUpToDate(m_path, m_day).outcome, LayoutOutcome::Updated);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("the copy made this morning"));

        SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READONLY);
        QVERIFY(!scorebook::backUp(db, backup).isEmpty());
    }

    // A read-only scorebook opens as it is; one whose copy cannot be made is not changed.
    void readOnlyOrNoBackupNoChange()
    {
        makeOlderScorebook();
        {
            SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READONLY);
            QCOMPARE(scorebook::bringUpToDate(db, m_day).outcome, LayoutOutcome::ReadOnly);
        }
        QVERIFY(backups().isEmpty());
        QCOMPARE(scorebook::inspect(m_path).health, scorebook::Health::Ready);
        // Something in the way of the copy: a folder where the copy is written.
        QVERIFY(QDir().mkpath(scorebook::backupPath(m_path, m_day) + QStringLiteral(".part/x")));
        const auto result = scorebook::bringUpToDate(m_path, m_day);
        QCOMPARE(result.outcome, LayoutOutcome::Failed);
        QVERIFY2(result.problem.startsWith(QLatin1String("No backup could be made")), qPrintable(result.problem));
        QVERIFY(!hasTable(m_path, "tee_ratings"));
        QVERIFY(!QFileInfo::exists(scorebook::backupPath(m_path, m_day)));
    }

    void olderScorebookGetsTheGolferIndexTheRoundQueriesUse()
    {
        makeOlderScorebook({"tee_ratings", "round_details"});
        {
            SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READWRITE);
            db.exec("DROP INDEX rounds_by_golfer_any_case");
        }
        QCOMPARE(scorebook::bringUpToDate(m_path, m_day).outcome, LayoutOutcome::Updated);
        SQLite::Database db(m_path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement plan(
            db, ("EXPLAIN QUERY PLAN SELECT record_no FROM rounds WHERE " + sameTrimmedGolfer("golfer_name")).c_str());
        QVERIFY(plan.executeStep());
        QVERIFY2(QString::fromStdString(plan.getColumn(3).getString()).contains(QLatin1String("rounds_by_golfer")),
                 plan.getColumn(3).getText());
    }
};

QTEST_GUILESS_MAIN(ScorebookLayoutTest)
#include "tst_scorebook_layout.moc"
