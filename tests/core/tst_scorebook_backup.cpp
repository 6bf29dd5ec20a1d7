#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_connection.h"
#include "core/scorebook/scorebook_file.h"
#include "core/scorebook/scorebook_restore.h"

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

// Backups made with the online backup, and putting one back in place of the scorebook.
class ScorebookBackupTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    const QDate m_day {2026, 12, 7};

    static qint64 count(const QString &path, const char *table)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return db.execAndGet(std::string("SELECT count(*) FROM ") + table).getInt64();
    }

    // Golfers with long names, so that a copy takes many steps.
    void addGolfers(const QString &path, int golfers)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        SQLite::Transaction writing(db);
        SQLite::Statement add(db, "INSERT INTO golfers VALUES (?)");
        for (int g = 0; g < golfers; ++g) {
            add.bind(1, QStringLiteral("Golfer %1 ").arg(g).leftJustified(400, QLatin1Char('x')).toStdString());
            add.exec();
            add.reset();
        }
        writing.commit();
    }

    QStringList folderEntries() const { return QDir(m_dir.path()).entryList(QDir::Files); }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString &name : folderEntries()) {
            QVERIFY(QFile::remove(m_dir.filePath(name)));
        }
        m_path = m_dir.filePath(QStringLiteral("teedat2000.mdb"));
        QCOMPARE(scorebook::createEmpty(m_path), QString());
    }

    void suggestedNameCarriesTheDate()
    {
        QCOMPARE(scorebook::suggestedBackupPath(m_path, m_day), m_dir.filePath("teedat2000-2026-12-07.mdb"));
        QCOMPARE(scorebook::replacedCopyPath(m_path, m_day), m_dir.filePath("teedat2000-replaced-2026-12-07.mdb"));
        QFile taken(m_dir.filePath("teedat2000-replaced-2026-12-07.mdb"));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        QCOMPARE(scorebook::replacedCopyPath(m_path, m_day), m_dir.filePath("teedat2000-replaced-2026-12-07-2.mdb"));
    }

    void backupIsAWholeScorebookWithProgress()
    {
        addGolfers(m_path, 3000);
        const QString target = m_dir.filePath("copy.mdb");
        qint64 calls = 0;
        qint64 lastDone = -1;
        qint64 lastTotal = 0;
        const CopyOutcome outcome = scorebook::backUpScorebook(m_path, target, [&](qint64 done, qint64 total) {
            ++calls;
            lastDone = done;
            lastTotal = total;
            return true;
        });
        QCOMPARE(outcome.status, CopyOutcome::Status::Done);
        QVERIFY(calls > 1);
        QCOMPARE(lastDone, lastTotal);
        QCOMPARE(scorebook::backupProblem(target), QString());
        QCOMPARE(count(target, "golfers"), qint64(3000));
    }

    void cancelOrRefusalLeavesNoFile_data()
    {
        QTest::addColumn<bool>("targetThere");
        QTest::newRow("cancelled") << false;
        QTest::newRow("name taken") << true;
    }
    void cancelOrRefusalLeavesNoFile()
    {
        QFETCH(bool, targetThere);
        addGolfers(m_path, 3000);
        const QString target = m_dir.filePath("copy.mdb");
        if (targetThere) {
            QFile existing(target);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("mine");
        }
        const CopyOutcome outcome
            = scorebook::backUpScorebook(m_path, target, [](qint64 done, qint64) { return done == 0; });
        QCOMPARE(outcome.status, targetThere ? CopyOutcome::Status::Failed : CopyOutcome::Status::Cancelled);
        QCOMPARE(QFileInfo::exists(target), targetThere);
        if (targetThere) {
            QFile existing(target);
            QVERIFY(existing.open(QIODevice::ReadOnly));
            QCOMPARE(existing.readAll(), QByteArray("mine"));
        }
        QCOMPARE(folderEntries().size(), targetThere ? 2 : 1);
    }

    // Another program adds a golfer and a round together, over and over, while the
    // copy is made: the copy holds one state of the file, never half a change.
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
        const QString target = m_dir.filePath("copy.mdb");
        const CopyOutcome outcome = scorebook::backUpScorebook(m_path, target, [](qint64, qint64) {
            QThread::msleep(2); // time for the writer to try between steps
            return true;
        });
        const int afterCopy = written;
        QTRY_VERIFY(written > afterCopy + 5); // the writer goes on once the copy is made
        stop = true;
        writer.join();

        QCOMPARE(outcome.status, CopyOutcome::Status::Done);
        QCOMPARE(scorebook::backupProblem(target), QString());
        const qint64 copiedRounds = count(target, "rounds");
        QCOMPARE(count(target, "golfers"), 3000 + copiedRounds);
        QVERIFY(copiedRounds > 0);
        QVERIFY(copiedRounds < count(m_path, "rounds"));
    }

    void restoreRefusesWhatIsNoScorebook_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("text file") << QByteArray("golfer_name\r\nAnn\r\n") << "not a scorebook";
        QTest::newRow("missing table") << QByteArray("drop golfers") << "no table \"golfers\"";
        QTest::newRow("damaged") << QByteArray("damage") << "";
    }
    void restoreRefusesWhatIsNoScorebook()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        addGolfers(m_path, 10);
        const QString backup = m_dir.filePath("backup.mdb");
        if (content == "drop golfers" || content == "damage") {
            QCOMPARE(scorebook::backUpScorebook(m_path, backup).error, QString());
            if (content == "drop golfers") {
                SQLite::Database db(backup.toStdString(), SQLite::OPEN_READWRITE);
                db.exec("DROP TABLE golfers");
            } else {
                addGolfers(backup, 2000);
                QFile file(backup);
                QVERIFY(file.open(QIODevice::ReadWrite));
                file.seek(file.size() / 2);
                file.write(QByteArray(8192, '\x5a'));
            }
        } else {
            QFile file(backup);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QStringList before = folderEntries();

        const auto outcome = scorebook::restoreFromBackup(backup, m_path, m_day);

        QCOMPARE(outcome.status, CopyOutcome::Status::Failed);
        QVERIFY2(outcome.error.contains(problem), qPrintable(outcome.error));
        QCOMPARE(folderEntries(), before);
        QCOMPARE(count(m_path, "golfers"), qint64(10));
    }

    void restorePutsTheBackupBackAndKeepsTheReplaced()
    {
        addGolfers(m_path, 10);
        const QString backup = m_dir.filePath("backup.mdb");
        QCOMPARE(scorebook::backUpScorebook(m_path, backup).error, QString());
        addGolfers(m_path, 5);
        // A connection the program holds open sees the restored records.
        auto open = openScorebookConnection(m_path);

        const auto outcome = scorebook::restoreFromBackup(backup, m_path, m_day);

        QCOMPARE(outcome.status, CopyOutcome::Status::Done);
        QCOMPARE(outcome.keptCopy, m_dir.filePath("teedat2000-replaced-2026-12-07.mdb"));
        QCOMPARE(count(m_path, "golfers"), qint64(10));
        QCOMPARE(open->execAndGet("SELECT count(*) FROM golfers").getInt64(), qint64(10));
        QCOMPARE(count(outcome.keptCopy, "golfers"), qint64(15));
        QCOMPARE(scorebook::inspect(m_path).health, scorebook::Health::Ready);
    }

    void cancelledRestoreChangesNothing()
    {
        addGolfers(m_path, 3000);
        const QString backup = m_dir.filePath("backup.mdb");
        QCOMPARE(scorebook::backUpScorebook(m_path, backup).error, QString());
        addGolfers(m_path, 5);

        const auto outcome
            = scorebook::restoreFromBackup(backup, m_path, m_day, [](qint64 done, qint64) { return done == 0; });

        QCOMPARE(outcome.status, CopyOutcome::Status::Cancelled);
        QCOMPARE(count(m_path, "golfers"), qint64(3005));
        QCOMPARE(scorebook::backupProblem(m_path), QString());
        QCOMPARE(folderEntries(), QStringList({"backup.mdb", "teedat2000.mdb"}));
    }
};

QTEST_GUILESS_MAIN(ScorebookBackupTest)
#include "tst_scorebook_backup.moc"
