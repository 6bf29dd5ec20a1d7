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
    QString m_dataHome;

    void makeFiles(const QString &folder, const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_root.isValid());
        m_programDir = m_root.filePath(QStringLiteral("prefix/bin"));
        m_dataHome = m_root.filePath(QStringLiteral("data-home"));
        QDir(m_root.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_programDir));
        qputenv("XDG_DATA_HOME", m_dataHome.toLocal8Bit());
        QVERIFY(QDir::setCurrent(m_root.path()));
    }

    void scorebookPlace_data()
    {
        QTest::addColumn<QStringList>("besideProgram");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected"); // relative to the temporary root

        const auto row
            = [](const char *name, const QStringList &besideProgram, const char *chosen, const char *expected) {
                  QTest::newRow(name) << besideProgram << QString(chosen) << QString(expected);
              };
        const char *userFile = "data-home/teebook/teedat2000.mdb";
        row("scorebook beside", {"teedat2000.mdb"}, "", "prefix/bin/teedat2000.mdb");
        row("marker in a writable folder", {"teebook.portable"}, "", "prefix/bin/teedat2000.mdb");
        row("installed program", {"teebook", "teeguide"}, "", userFile);
        row("sounds alone are no portable folder", {"golfswng.wav"}, "", userFile);
        row("chosen wins over beside", {"teedat2000.mdb"}, "mine.mdb", "mine.mdb");
        row("chosen relative to the working folder", {}, "books/club.db", "books/club.db");
        row("chosen absolute", {}, "ABSOLUTE", "away/x.mdb");
    }
    void scorebookPlace()
    {
        QFETCH(QStringList, besideProgram);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        makeFiles(m_programDir, besideProgram);
        if (chosen == QLatin1String("ABSOLUTE")) {
            chosen = m_root.filePath(QStringLiteral("away/x.mdb"));
        }
        const auto places = program_paths::locate(m_programDir, chosen);
        QCOMPARE(places.scorebook, m_root.filePath(expected));
        QCOMPARE(places.programDir, m_programDir);
    }

    // Without XDG_DATA_HOME (set for the other tests) the scorebook lives under HOME.
    void userDataFolderDefaultsToHome()
    {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", m_root.filePath(QStringLiteral("home")).toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        const QString folder = program_paths::userDataDir();
        qputenv("HOME", home);
        QCOMPARE(folder, m_root.filePath(QStringLiteral("home/.local/share/teebook")));
    }

    // Shared files lie beside the program when it carries them, else in the installed share folder;
    // the help viewer looks for its own index the same way.
    void sharedFiles_data()
    {
        QTest::addColumn<QString>("probe"); // "": the main program's shared files
        QTest::addColumn<QStringList>("besideProgram");
        QTest::addColumn<QString>("expected"); // relative to the temporary root
        QTest::newRow("beside the program") << "" << QStringList {"golfswng.wav"} << "prefix/bin";
        QTest::newRow("installed share folder") << "" << QStringList() << "prefix/share/teebook";
        QTest::newRow("help index elsewhere") << "Help.INI" << QStringList {"golfswng.wav"} << "prefix/share/teebook";
        QTest::newRow("help index beside") << "Help.INI" << QStringList {"Help.INI"} << "prefix/bin";
    }
    void sharedFiles()
    {
        QFETCH(QString, probe);
        QFETCH(QStringList, besideProgram);
        QFETCH(QString, expected);
        makeFiles(m_programDir, besideProgram);
        QCOMPARE(probe.isEmpty() ? program_paths::locate(m_programDir).sharedDir
                                 : program_paths::sharedFilesDir(m_programDir, probe),
                 m_root.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(ProgramPathsTest)
#include "tst_program_paths.moc"
