#include "paths/program_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Where a run of teebook finds its scorebook and its shared files.
class ProgramPathsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_programDir;

    void makeFilesBesideProgram(const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(QDir(m_programDir).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_root.isValid());
        m_programDir = m_root.filePath(QStringLiteral("prefix/bin"));
        QDir(m_root.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_programDir));
        qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data-home")).toLocal8Bit());
        QVERIFY(QDir::setCurrent(m_root.path()));
    }

    // The scorebook and the sounds: beside the program when it carries them, else in the
    // user's data folder and the installed share folder.
    void places_data()
    {
        QTest::addColumn<QStringList>("besideProgram");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("scorebook"); // relative to the temporary root
        QTest::addColumn<QString>("shared");

        const auto row = [](const char *name, const QStringList &besideProgram, const char *chosen,
                            const char *scorebook, const char *shared) {
            QTest::newRow(name) << besideProgram << QString(chosen) << QString(scorebook) << QString(shared);
        };
        const char *userFile = "data-home/teebook/teedat2000.mdb";
        const char *share = "prefix/share/teebook";
        row("scorebook beside", {"teedat2000.mdb"}, "", "prefix/bin/teedat2000.mdb", share);
        row("marker in a writable folder", {"teebook.portable"}, "", "prefix/bin/teedat2000.mdb", share);
        row("installed program", {"teebook", "teeguide"}, "", userFile, share);
        row("sounds alone are no portable folder", {"golfswng.wav"}, "", userFile, "prefix/bin");
        row("chosen wins over beside", {"teedat2000.mdb"}, "mine.mdb", "mine.mdb", share);
        row("chosen relative to the working folder", {}, "books/club.db", "books/club.db", share);
        row("chosen absolute", {}, "ABSOLUTE", "away/x.mdb", share);
    }
    void places()
    {
        QFETCH(QStringList, besideProgram);
        QFETCH(QString, chosen);
        QFETCH(QString, scorebook);
        QFETCH(QString, shared);
        makeFilesBesideProgram(besideProgram);
        if (chosen == QLatin1String("ABSOLUTE")) {
            chosen = m_root.filePath(QStringLiteral("away/x.mdb"));
        }
        const auto places = program_paths::locate(m_programDir, chosen);
        QCOMPARE(places.scorebook, m_root.filePath(scorebook));
        QCOMPARE(places.sharedDir, m_root.filePath(shared));
    }

    // The help viewer looks for its own index the same way, whatever else lies beside the program.
    void helpIndexPlace()
    {
        const QString index = QStringLiteral("Help.INI");
        makeFilesBesideProgram({QStringLiteral("golfswng.wav")});
        QCOMPARE(program_paths::sharedFilesDir(m_programDir, index),
                 m_root.filePath(QStringLiteral("prefix/share/teebook")));
        makeFilesBesideProgram({index});
        QCOMPARE(program_paths::sharedFilesDir(m_programDir, index), m_programDir);
    }
};

QTEST_GUILESS_MAIN(ProgramPathsTest)
#include "tst_program_paths.moc"
