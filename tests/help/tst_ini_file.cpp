#include "cls_ini_file.h"
#include "recording_message_box.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class IniFileTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    RecordingMessageBox messages;
    QString path;
    std::unique_ptr<clsIniFile> ini; // on the test's own file, section "Main"

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
    }

    void init()
    {
        static int counter = 0;
        path = folder.filePath(QStringLiteral("file%1.ini").arg(++counter));
        messages.shown.clear();
        ini = std::make_unique<clsIniFile>(messages);
        ini->setFullPath(path);
        ini->setSectionName(QStringLiteral("Main"));
    }

    void extractNameAndPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("mode"); // ExtractName's mode, or -1 for ExtractPath
        QTest::addColumn<QString>("expected");
        QString current = QDir::currentPath().toUpper() + "/";
        QTest::newRow("windows path, before the dot") << "C:\\HELP\\TOPICS.RTF" << 1 << "TOPICS";
        QTest::newRow("windows path, folder") << "C:\\HELP\\TOPICS.RTF" << -1 << "C:\\HELP\\";
        QTest::newRow("no dot keeps the name") << "README" << 2 << "README";
        QTest::newRow("first dot counts") << "a.b.ini" << 2 << "B.INI";
        QTest::newRow("drive without folder") << "C:topics.rtf" << 0 << "TOPICS.RTF";
        QTest::newRow("bare name, folder") << "TOPICS.RTF" << -1 << current;
        QTest::newRow("last separator of either kind") << "C:\\a/b\\c.txt" << 1 << "C";
    }

    void extractNameAndPath()
    {
        QFETCH(QString, path);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QCOMPARE(mode < 0 ? ini->ExtractPath(path) : ini->ExtractName(path, mode), expected);
    }

    void readsNumbersAndYesNo_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("number"); // GetInt with 77 as the default
        QTest::addColumn<bool>("flag"); // GetTF with false as the default; a missing key gives the default
        QTest::newRow("yes with blanks") << QByteArray("Key=  yes  ") << 0 << true;
        QTest::newRow("minus one") << QByteArray("Key=-1") << -1 << true;
        QTest::newRow("other word") << QByteArray("Key=Enabled") << 0 << false;
        QTest::newRow("missing") << QByteArray("Other=1") << 77 << false;
        QTest::newRow("beyond 16 bits") << QByteArray("Key=70000") << 32767 << false;
    }

    void readsNumbersAndYesNo()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, number);
        QFETCH(bool, flag);
        writeFile(path, "[Main]\n" + line + "\n");
        QCOMPARE(int(ini->GetInt("Key", 77)), number);
        QCOMPARE(ini->GetTF("Key", false), flag);
        QCOMPARE(ini->GetTF("Key", true), flag || !line.startsWith("Key"));
    }

    // A blank section name refuses reads, writes, deletes and lists alike, each with the message, and
    // leaves the file as it was.
    void blankSectionRefusesEveryKindOfOperation()
    {
        const QByteArray content = "[Main]\nkey=1\n[   ]\nkey=2\n";
        writeFile(path, content);
        ini->setSectionName(QStringLiteral("   "));
        QVERIFY(!ini->SectionReady());
        QStringList list;
        clsIniFile::EntryTable table;
        QCOMPARE(ini->GetString("key", "d"), QString());
        QCOMPARE(ini->GetInt("key", 5), qint16(0));
        QVERIFY(!ini->PutString("key", "x"));
        ini->DeleteNumEntry("key");
        ini->DeleteSection();
        QCOMPARE(ini->GetSectionsEx(list), 0);
        QCOMPARE(ini->GetSectEntriesEx(table), 0);
        QCOMPARE(messages.shown.size(), 7); // one message for each call
        for (const auto &shown : messages.shown) {
            QCOMPARE(shown.title, QStringLiteral("IniFile Logic Error"));
            QCOMPARE(shown.text, QStringLiteral("[Section] and FileName Not Registered in Private.Ini!"));
        }
        QCOMPARE(readFile(path), content);
    }

    void winIniModeAndBack()
    {
        ini->setUseWinINI(true);
        QCOMPARE(ini->FullPath(), folder.filePath("config/teeguide/WIN.INI"));
        QVERIFY(ini->PutString("Where", "win"));
        QCOMPARE(ini->GetString("Where", ""), QStringLiteral("win"));
        ini->setUseWinINI(false);
        QCOMPARE(ini->FullPath(), path);
        QCOMPARE(ini->GetString("Where", "private"), QStringLiteral("private"));
    }

    void readsSectionHeadersAndEntriesItself()
    {
        writeFile(path,
                  "[First]\n[Second] trailing\n;[Commented]\n  [Third] ; a remark\nname = value\nbare\nempty=\n"
                  "[fourth]\nkey=[x]\n");
        QCOMPARE(ini->GetSections(), QString::fromLatin1("First\0Third\0fourth\0\0", 20));
        QStringList list {"a", "b", "c", "d", "e"};
        QCOMPARE(ini->GetSectionsEx(list), 3);
        QCOMPARE(list, (QStringList {"First", "Third", "fourth"}));
        QVERIFY(ini->SectExist("FOURTH"));
        QVERIFY(!ini->SectExist("Thi")); // whole names only

        ini->setSectionName("Third");
        clsIniFile::EntryTable table {QStringList {"old1", "old2", "old3", "old4"}, QStringList {"x", "y", "z", "w"}};
        QCOMPARE(ini->GetSectEntriesEx(table), 3);
        QCOMPARE(table[0], (QStringList {"name", "", "empty"}));
        QCOMPARE(table[1], (QStringList {"value", "bare", ""}));
        ini->setSectionName("First");
        QCOMPARE(ini->GetSectEntries(), QString(1, QChar(0)));
        QCOMPARE(ini->GetSectEntriesEx(table), 0);
        QCOMPARE(table[0], (QStringList {"name", "", "empty"}));

        writeFile(path, "; nothing here\n");
        QCOMPARE(ini->GetSections(), QString(2, QChar(0)));
        QCOMPARE(ini->GetSectionsEx(list), 0);
        QCOMPARE(list, (QStringList {"First", "Third", "fourth"}));
        QFile::remove(path);
        QVERIFY_THROWS_EXCEPTION(IniFileError, ini->GetSections());
    }

    // A text delete leaves the entry empty, a number delete removes it; deleting the section leaves no
    // current section.
    void writesAndDeletes()
    {
        writeFile(path, "[Main]\nkept=1\n");
        QVERIFY(ini->PutInt("Number", -12));
        QVERIFY(ini->PutTF("Flag", true));
        QVERIFY(ini->PutString("Long", QString(400, 'x')));
        QCOMPARE(ini->GetString("Long", ""), QString(254, 'x'));
        ini->DeleteStrEntry("kept");
        ini->DeleteNumEntry("Long");
        ini->IniWrite("Other", "k", "v", path);
        QCOMPARE(readFile(path), QByteArray("[Main]\nkept=\nNumber=-12\r\nFlag=True\r\n[Other]\r\nk=v\r\n"));
        QCOMPARE(ini->IniRead("Main", "Number", 0, "", true, path), QStringLiteral("-12"));
        ini->DeleteSection();
        QVERIFY(!ini->SectionReady());
        QCOMPARE(readFile(path), QByteArray("[Main]\n[Other]\r\nk=v\r\n"));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_ini_file.moc"
