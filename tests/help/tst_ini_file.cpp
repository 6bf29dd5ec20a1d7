#include "cls_ini_file.h"
#include "recording_message_box.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

class IniFileTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    RecordingMessageBox messages;
    QString path;

    void writeFile(const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    // An object on the test file, section "Main".
    std::unique_ptr<clsIniFile> iniFile()
    {
        auto ini = std::make_unique<clsIniFile>(messages);
        ini->setFullPath(path);
        ini->setSectionName(QStringLiteral("Main"));
        return ini;
    }

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
    }

    void startsOnTheProgramsOwnFile()
    {
        clsIniFile ini(messages);
        QString program = QCoreApplication::applicationFilePath();
        QCOMPARE(ini.FullPath(),
                 QFileInfo(program).absolutePath() + "/" + QFileInfo(program).completeBaseName() + ".INI");
        QCOMPARE(ini.SectionName(), QStringLiteral("General"));
        QVERIFY(ini.SectionReady());
        QVERIFY(!ini.UseWinINI());
    }

    void extractName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows path, whole name") << "C:\\HELP\\TOPICS.RTF" << 0 << "TOPICS.RTF";
        QTest::newRow("windows path, before the dot") << "C:\\HELP\\TOPICS.RTF" << 1 << "TOPICS";
        QTest::newRow("windows path, extension") << "C:\\HELP\\TOPICS.RTF" << 2 << "RTF";
        QTest::newRow("no dot keeps the name") << "README" << 2 << "README";
        QTest::newRow("first dot counts") << "a.b.ini" << 2 << "B.INI";
        QTest::newRow("drive without folder") << "C:topics.rtf" << 0 << "TOPICS.RTF";
        QTest::newRow("slashes separate folders") << "/usr/share/x/HELP.INI" << 0 << "HELP.INI";
        QTest::newRow("last separator of either kind") << "C:\\a/b\\c.txt" << 1 << "C";
    }

    void extractName()
    {
        QFETCH(QString, path);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QCOMPARE(iniFile()->ExtractName(path, mode), expected);
    }

    void extractPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QString current = QDir::currentPath().toUpper() + "/";
        QTest::newRow("windows path") << "C:\\HELP\\TOPICS.RTF"
                                      << "C:\\HELP\\";
        QTest::newRow("bare name") << "TOPICS.RTF" << current;
        QTest::newRow("drive without folder") << "C:TOPICS.RTF" << current;
        QTest::newRow("slashes") << "/usr/share/x/help.ini"
                                 << "/USR/SHARE/X/";
    }

    void extractPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(iniFile()->ExtractPath(path), expected);
    }

    void emptyPathMeansTheFileInUse()
    {
        auto ini = iniFile();
        QCOMPARE(ini->ExtractName(QString(), 1), QFileInfo(path).completeBaseName().toUpper());
        QCOMPARE(ini->FileExt(), QStringLiteral("INI"));
        QCOMPARE(ini->FilePath(), (folder.path() + "/").toUpper());
    }

    void getTF_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("yes with blanks") << QByteArray("Flag=  yes  ") << false << true;
        QTest::newRow("minus one") << QByteArray("Flag=-1") << false << true;
        QTest::newRow("on, any case") << QByteArray("Flag=On") << false << true;
        QTest::newRow("other word") << QByteArray("Flag=Enabled") << true << false;
        QTest::newRow("no") << QByteArray("Flag=N") << true << false;
        QTest::newRow("missing, default true") << QByteArray("Other=1") << true << true;
        QTest::newRow("missing, default false") << QByteArray("Other=1") << false << false;
    }

    void getTF()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        writeFile("[Main]\n" + line + "\n");
        QCOMPARE(iniFile()->GetTF(QStringLiteral("Flag"), defaultValue), expected);
    }

    void blankSectionRefusesEveryOperation_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *name :
             {"GetString", "GetInt", "GetTF", "PutString", "PutInt", "PutTF", "DeleteStrEntry", "DeleteNumEntry",
              "DeleteSection", "GetSections", "GetSectionsEx", "SectExist", "GetSectEntries", "GetSectEntriesEx"}) {
            QTest::newRow(name) << QString(name);
        }
    }

    void blankSectionRefusesEveryOperation()
    {
        QFETCH(QString, operation);
        writeFile("[Main]\nkey=1\n[   ]\nkey=2\n");
        auto ini = iniFile();
        ini->setSectionName(QStringLiteral("   "));
        QVERIFY(!ini->SectionReady());
        QStringList list {"kept"};
        clsIniFile::EntryTable table {QStringList {"n"}, QStringList {"v"}};
        const QMap<QString, std::function<QVariant()>> operations {
            {"GetString", [&] { return QVariant(ini->GetString("key", "d")); }},
            {"GetInt", [&] { return QVariant(ini->GetInt("key", 5)); }},
            {"GetTF", [&] { return QVariant(ini->GetTF("key", true)); }},
            {"PutString", [&] { return QVariant(ini->PutString("key", "x")); }},
            {"PutInt", [&] { return QVariant(ini->PutInt("key", 3)); }},
            {"PutTF", [&] { return QVariant(ini->PutTF("key", true)); }},
            {"DeleteStrEntry",
             [&] {
                 ini->DeleteStrEntry("key");
                 return QVariant();
             }},
            {"DeleteNumEntry",
             [&] {
                 ini->DeleteNumEntry("key");
                 return QVariant();
             }},
            {"DeleteSection",
             [&] {
                 ini->DeleteSection();
                 return QVariant();
             }},
            {"GetSections", [&] { return QVariant(ini->GetSections()); }},
            {"GetSectionsEx", [&] { return QVariant(ini->GetSectionsEx(list)); }},
            {"SectExist", [&] { return QVariant(ini->SectExist("Main")); }},
            {"GetSectEntries", [&] { return QVariant(ini->GetSectEntries()); }},
            {"GetSectEntriesEx", [&] { return QVariant(ini->GetSectEntriesEx(table)); }},
        };
        QVariant result = operations[operation]();
        QVERIFY(!result.isValid() || result.toString().isEmpty() || result.toString() == "0"
                || result.toString() == "false");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("IniFile Logic Error"));
        QCOMPARE(messages.shown[0].text, QStringLiteral("[Section] and FileName Not Registered in Private.Ini!"));
        QCOMPARE(list, QStringList {"kept"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Main]\nkey=1\n[   ]\nkey=2\n"));
    }

    void winIniModeAndBack()
    {
        auto ini = iniFile();
        ini->setUseWinINI(true);
        QCOMPARE(ini->FullPath(), folder.filePath("config/teeguide/WIN.INI"));
        QCOMPARE(ini->FileName(), QStringLiteral("WIN.INI"));
        QCOMPARE(ini->FileExt(), QStringLiteral("INI"));
        QCOMPARE(ini->PrivPath(), path);
        QVERIFY(ini->PutString("Where", "win"));
        QCOMPARE(ini->GetString("Where", ""), QStringLiteral("win"));
        ini->setUseWinINI(false);
        QCOMPARE(ini->FullPath(), path);
        QCOMPARE(ini->FileName(), QFileInfo(path).fileName().toUpper());
        QCOMPARE(ini->FilePath(), (folder.path() + "/").toUpper());
        QCOMPARE(ini->GetString("Where", "private"), QStringLiteral("private"));
    }

    void readsSectionHeadersItself()
    {
        writeFile("[First]\n[Second] trailing\n;[Commented]\n  [Third] ; a remark\n[fourth]\nkey=[x]\n");
        auto ini = iniFile();
        QCOMPARE(ini->GetSections(), QString::fromLatin1("First\0Third\0fourth\0\0", 20));
        QStringList list {"a", "b", "c", "d", "e"};
        QCOMPARE(ini->GetSectionsEx(list), 3);
        QCOMPARE(list, (QStringList {"First", "Third", "fourth"}));
        QVERIFY(ini->SectExist("FOURTH"));
        QVERIFY(!ini->SectExist("Second"));
        QVERIFY(!ini->SectExist("Commented"));
    }

    void fileWithoutSections()
    {
        writeFile("; nothing here\n");
        auto ini = iniFile();
        QCOMPARE(ini->GetSections(), QString(2, QChar(0)));
        QStringList list {"kept"};
        QCOMPARE(ini->GetSectionsEx(list), 0);
        QCOMPARE(list, QStringList {"kept"});
    }

    void missingFileIsAnError() { QVERIFY_THROWS_EXCEPTION(IniFileError, iniFile()->GetSections()); }

    void sectionEntriesAsTable()
    {
        writeFile("[Main]\nname = value\nbare\nempty=\n[Empty]\n");
        auto ini = iniFile();
        QCOMPARE(ini->GetSectEntries(), QString::fromLatin1("name=value\0bare\0empty=\0\0", 24));
        clsIniFile::EntryTable table {QStringList {"old1", "old2", "old3", "old4"}, QStringList {"x", "y", "z", "w"}};
        QCOMPARE(ini->GetSectEntriesEx(table), 3);
        QCOMPARE(table[0], (QStringList {"name", "", "empty"}));
        QCOMPARE(table[1], (QStringList {"value", "bare", ""}));

        ini->setSectionName("Empty");
        QCOMPARE(ini->GetSectEntries(), QString(1, QChar(0)));
        clsIniFile::EntryTable untouched {QStringList {"n"}, QStringList {"v"}};
        QCOMPARE(ini->GetSectEntriesEx(untouched), 0);
        QCOMPARE(untouched[0], QStringList {"n"});
    }

    void writesReadsAndDeletes()
    {
        writeFile("[Main]\n; remark\nkept=1\n");
        auto ini = iniFile();
        QVERIFY(ini->PutInt("Number", -12));
        QCOMPARE(ini->GetInt("Number", 0), qint16(-12));
        QVERIFY(ini->PutTF("Flag", true));
        QCOMPARE(ini->GetString("Flag", ""), QStringLiteral("True"));
        QVERIFY(ini->PutString("Text", "  hello  "));
        QCOMPARE(ini->GetString("Text", ""), QStringLiteral("hello"));

        ini->DeleteStrEntry("Text");
        QCOMPARE(ini->GetString("Text", "gone"), QString());
        ini->DeleteNumEntry("Number");
        QCOMPARE(ini->GetInt("Number", 77), qint16(77));
        QCOMPARE(ini->IniRead("Main", "kept", 0, "", true, path), QStringLiteral("1"));
        ini->IniWrite("Other", "k", "v", path);
        QCOMPARE(ini->IniRead("Other", "k", 0, "none", false, path), QStringLiteral("v"));

        ini->DeleteSection();
        QVERIFY(!ini->SectionReady());
        QCOMPARE(ini->SectionName(), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Main]\n; remark\n\n[Other]\nk=v\n"));
    }

    void numbersBeyond16BitsAreHeldAtTheLimit_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("large") << QByteArray("70000") << 32767;
        QTest::newRow("very negative") << QByteArray("-70000") << -32768;
        QTest::newRow("in range") << QByteArray("-300") << -300;
    }

    void numbersBeyond16BitsAreHeldAtTheLimit()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        writeFile("[Main]\nNumber=" + value + "\n");
        QCOMPARE(int(iniFile()->GetInt("Number", 0)), expected);
    }

    void longValuesComeBackCut()
    {
        auto ini = iniFile();
        QVERIFY(ini->PutString("Long", QString(400, 'x')));
        QCOMPARE(ini->GetString("Long", ""), QString(254, 'x'));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_ini_file.moc"
