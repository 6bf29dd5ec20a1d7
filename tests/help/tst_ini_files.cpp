#include "cls_ini_file.h"
#include "profile_service.h"
#include "recording_message_box.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace profile;

// INI files: the profile service, which reads and writes them as the Windows profile functions do, and
// the INI class over it.
class IniFilesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder; // also stands in for the Windows directory
    RecordingMessageBox messages;
    QString path;
    std::unique_ptr<clsIniFile> ini; // on the test's own file, section "Main"

    QByteArray file() const { return path.toUtf8(); }

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

    // Names passed in lose only spaces; the default, "d" with a TAB and spaces after it, loses only the spaces.
    // The file ends in a NUL.
    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("number"); // read with 99 as the default
        auto row = [](const char *name, const char *section, const char *key, const char *text, int number) {
            QTest::newRow(name) << QByteArray(section) << QByteArray(key) << QByteArray(text) << number;
        };
        row("blanks around the value, names in any case", "gEnErAl", "TITLE", "Golf Help", 0);
        row("double quotes removed", "General", "Quoted", "  spaced ", 0);
        row("one quote kept", "General", "Half", "\"open", 0);
        row("semicolon inside a value", "General", "Inline", "a;b", 0);
        row("comment line is no entry", "General", "Hidden", "d\t", 99);
        row("entry before any section", "General", "Lost", "d\t", 99);
        row("missing section", "None", "Title", "d\t", 99);
        row("leading number", "Numbers", "leading", "12abc", 12);
        row("negative number", "Numbers", "negative", "-7", -7);
        row("hexadecimal number", "Numbers", "hex", "0x1F", 31);
        row("spaces around names", "  s ", " name ", "v", 0);
        row("tab before a section", "\ts", "name", "d\t", 99);
        row("missing key", "s", "none", "d\t", 99);
        row("section with an empty name", "", "key", "val_e_section", 0);
        row("section holding only an empty-named key", "t", "", "val_no_key", 0);
    }

    void readsValues()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, text);
        QFETCH(int, number);
        writeFile(path,
                  QByteArray("Lost=1\n; note\n[General]\nTitle = Golf Help  \nQuoted=\"  spaced \"\nHalf=\"open\n"
                             "Inline=a;b\n;Hidden=1\n[Other]\r\nTitle=other\r\n[Numbers]\nnegative= -7 \n"
                             "leading=12abc\nhex=0x1F\n[]\r\nkey=val_e_section\r\n[s]\r\nname=v\r\n[t]\r\n"
                             "=val_no_key\r\n[u]\r\n")
                      + '\0');
        char buffer[64];
        QCOMPARE(GetPrivateProfileStringA(section, key, "d\t  ", buffer, sizeof buffer, file()),
                 std::uint32_t(text.size()));
        QCOMPARE(QByteArray(buffer), text);
        QCOMPARE(static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, 99, file())), number);
    }

    // Every list read, each into a buffer with guard bytes behind it that must stay untouched.
    void listReads_data()
    {
        QTest::addColumn<QByteArray>("content"); // a null content means no file at all
        QTest::addColumn<int>("what"); // an index into the calls of listReads
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("result");
        const QByteArray two = "[One]\na = 1\n; comment\nbee= two\n[Two]\n";
        const QByteArray keys = "[One]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n";
        const QByteArray three = "[section1]\r\n[section2]\r\n[section3]\r\n";
        auto row = [](const char *name, const QByteArray &content, int what, int size, const QByteArray &expected,
                      int result) { QTest::newRow(name) << content << what << size << expected << result; };
        row("keys cut", two, 1, 5, QByteArray("a\0b\0\0", 5), 3);
        row("value cut", two, 3, 3, QByteArray("tw\0", 3), 2);
        row("null default", two, 4, 8, QByteArray("\0", 1), 0);
        row("sections fill all but one byte", "[ab]\n[cdefgh]\n", 0, 4, QByteArray("ab\0\0", 4), 2);
        row("keys fill all but one byte", "[One]\nab=1\ncdefgh=2\n", 1, 4, QByteArray("ab\0\0", 4), 2);
        row("entries fill all but one byte", "[One]\na=1\nlonger=2\n", 2, 5, QByteArray("a=1\0\0", 5), 3);
        row("sections fitting exactly count as cut", three, 0, 28, QByteArray("section1\0section2\0section3\0\0", 28),
            26);
        row("only key=value lines are keys", keys, 1, 64, QByteArray("name1\0name2\0name4\0\0", 19), 18);
        row("a NUL at the end of the file, a section lists every line", keys + '\0', 2, 64,
            QByteArray("name1=val1\0name2=\0name3\0name4=val4\0\0", 36), 35);
        row("lone CR line ends", "[One]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[t]\r", 1, 64,
            QByteArray("name1\0name2\0name4\0\0", 19), 18);
        row("header without ']' and text after ']'", "[A\r\nk=1\r\n[B] note\r\nC]\r\n", 0, 64,
            QByteArray("A\0B\0\0", 5), 4);
        row("missing file", QByteArray(), 0, 8, QByteArray("\0#", 2), 0);
    }

    void listReads()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, what);
        QFETCH(int, size);
        QFETCH(QByteArray, expected);
        QFETCH(int, result);
        writeFile(path, content);
        const int guard = 32;
        QByteArray buffer(size + guard, '#');
        char *out = buffer.data();
        auto usable = static_cast<std::uint32_t>(size);
        const std::function<std::uint32_t()> calls[] = {
            [&] { return GetPrivateProfileStringA(nullptr, nullptr, "", out, usable, file()); },
            [&] { return GetPrivateProfileStringA("one", nullptr, "", out, usable, file()); },
            [&] { return GetPrivateProfileSectionA("ONE", out, usable, file()); },
            [&] { return GetPrivateProfileStringA("One", "BEE", "", out, usable, file()); },
            [&] { return GetPrivateProfileStringA("One", "missing", nullptr, out, usable, file()); },
        };
        QCOMPARE(int(calls[what]()), result);
        QCOMPARE(buffer.left(expected.size()), expected);
        QCOMPARE(buffer.mid(size), QByteArray(guard, '#'));
    }

    // Whatever the file held, the lines the service adds end in CR LF and the rest stays as it was.
    void writes_data()
    {
        QTest::addColumn<QByteArray>("content"); // a null content means no file at all
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key"); // a null key or value is passed as a null pointer
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray base = "; top\r\n[A]\r\none=1\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y";
        auto inPlace = [&base](const char *name, const char *section, const char *key, const char *value,
                               const QByteArray &expected) {
            QTest::newRow(name) << base << QByteArray(section) << QByteArray(key) << QByteArray(value) << expected;
        };
        inPlace("replace a value", "a", "ONE", "9", QByteArray(base).replace("one=1", "one=9"));
        inPlace("add a key after the last entry", "A", "three", "3",
                QByteArray(base).replace("2\r\n", "2\r\nthree=3\r\n"));
        inPlace("add a section", "C", "k", "v", base + "\r\n[C]\r\nk=v\r\n");
        inPlace("delete a key", "A", "one", nullptr, QByteArray(base).replace("one=1\r\n", ""));
        inPlace("delete a section, keeping its comments", "A", nullptr, nullptr, "; top\r\n; keep\r\n\r\n[B]\r\nx=y");
        inPlace("replace a last value without line end", "B", "x", "z", QByteArray(base).replace("x=y", "x=z\r\n"));
        inPlace("delete the last key, keeping its section's line end", "B", "x", nullptr, base.chopped(3));
        auto odd = [](const char *name, const QByteArray &content, const QByteArray &expected) {
            QTest::newRow(name) << content << QByteArray(" S ") << QByteArray(" k ") << QByteArray("v") << expected;
        };
        const QByteArray junk("Data \0 before \0 first \0 section", 31);
        odd("new file", QByteArray(), "[S]\r\nk=v\r\n");
        odd("file with LF lines", "[S]\nx=1\n", "[S]\nx=1\nk=v\r\n");
        odd("lone CR lines", "[A]\rk=1\r[S]\rk=2\r", "[A]\rk=1\r[S]\rk=v\r");
        odd("NULs before the first section", junk, junk + "\r\n[S]\r\nk=v\r\n");
        odd("only a UTF-8 BOM", "\xEF\xBB\xBF", "\xEF\xBB\xBF\r\n[S]\r\nk=v\r\n");
        odd("header without ']'", "[S\r\nk=1\r\n", "[S\r\nk=v\r\n");
        odd("line without '=' is no key", "[S]\r\nk\r\n", "[S]\r\nk\r\nk=v\r\n");
    }

    void writes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        writeFile(path, content);
        QVERIFY(WritePrivateProfileStringA(section, key.isNull() ? nullptr : key.constData(),
                                           value.isNull() ? nullptr : value.constData(), file()));
        QCOMPARE(readFile(path), expected);
    }

    void bareNameLivesInTheWindowsDirectory()
    {
        char windows[512];
        std::uint32_t length = GetWindowsDirectoryA(windows, sizeof windows);
        QCOMPARE(QByteArray(windows), folder.filePath("config/teeguide").toUtf8());
        QCOMPARE(length, std::uint32_t(qstrlen(windows)));
        QCOMPARE(GetWindowsDirectoryA(windows, 4), length + 1);
        QVERIFY(WriteProfileStringA("Win", "key", "value"));
        QVERIFY(WritePrivateProfileStringA("Own", "key", "1", "bare.ini"));
        QVERIFY(QFile::exists(folder.filePath("config/teeguide/WIN.INI")));
        QVERIFY(QFile::exists(folder.filePath("config/teeguide/bare.ini")));
        char buffer[16];
        QCOMPARE(GetProfileStringA("win", "KEY", "", buffer, sizeof buffer), 5u);
        QCOMPARE(GetProfileIntA("Own", "key", 5), 5u);
        QCOMPARE(GetPrivateProfileIntA("Own", "key", 5, "bare.ini"), 1u);
        QCOMPARE(GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, "bare.ini"), 4u);
        QCOMPARE(GetProfileIntA(nullptr, "key", 5), 0u);
        QCOMPARE(GetPrivateProfileIntA(nullptr, "key", 5, "bare.ini"), 5u);
    }

    void refusesHarmfulWrites()
    {
        writeFile(path, "[A]\nk=old\n");
        QVERIFY(!WritePrivateProfileStringA("A", "k", "x\n[Evil]\ny=1", file())); // line break in a value
        QVERIFY(!WritePrivateProfileStringA("A", "k\r\nz", "1", file())); // line break in a key
        QVERIFY(!WritePrivateProfileStringA("A]x", "k", "1", file())); // bracket in a section name
        QCOMPARE(readFile(path), QByteArray("[A]\nk=old\n"));
    }

    // A file is replaced whole: a reader that opened it before still reads the old file to its end.
    void rewritesAreWholeAndUnreadableFilesAreNotReplaced()
    {
        writeFile(path, "[A]\nk=old\n");
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        QVERIFY(WritePrivateProfileStringA("A", "k", "new", file()));
        QCOMPARE(reader.readAll(), QByteArray("[A]\nk=old\n"));
        QCOMPARE(QDir(folder.path()).entryList({".file*"}, QDir::Hidden | QDir::Files), QStringList());
        QVERIFY(QDir(folder.path()).mkpath("folder.ini"));
        QByteArray named = folder.filePath("folder.ini").toUtf8();
        QVERIFY(!WritePrivateProfileStringA("A", "k", "v", named));
        QVERIFY(QFileInfo(folder.filePath("folder.ini")).isDir());
        char buffer[8];
        QCOMPARE(GetPrivateProfileStringA("A", "k", "d", buffer, sizeof buffer, named), 1u);
    }

    void extractNameAndPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("mode"); // ExtractName's mode, or -1 for ExtractPath
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows path, before the dot") << "C:\\HELP\\TOPICS.RTF" << 1 << "TOPICS";
        QTest::newRow("windows path, folder") << "C:\\HELP\\TOPICS.RTF" << -1 << "C:\\HELP\\";
        QTest::newRow("no dot keeps the name") << "README" << 2 << "README";
        QTest::newRow("first dot counts") << "a.b.ini" << 2 << "B.INI";
        QTest::newRow("drive without folder") << "C:topics.rtf" << 0 << "TOPICS.RTF";
        QTest::newRow("bare name, folder") << "TOPICS.RTF" << -1 << QDir::currentPath().toUpper() + "/";
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

QTEST_GUILESS_MAIN(IniFilesTest)
#include "tst_ini_files.moc"
