#include "profile_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace profile;

class ProfileServiceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir home;
    QString path;

    void writeFile(const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QByteArray fileContent() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray file() const { return path.toUtf8(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    }

    void init()
    {
        static int counter = 0;
        path = home.filePath(QStringLiteral("test%1.ini").arg(++counter));
    }

    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");

        QByteArray file = "; note\n[General]\nTitle = Golf Help  \nQuoted=\"  spaced \"\nSingle='x'\n"
                          "Half=\"open\nInline=a;b\n;Hidden=1\nTwice=first\nTwice=second\n[Other]\nTitle=other\n";
        QTest::newRow("blanks around the value")
            << file << QByteArray("General") << QByteArray("Title") << QByteArray("Golf Help");
        QTest::newRow("names ignore letter case")
            << file << QByteArray("gEnErAl") << QByteArray("TITLE") << QByteArray("Golf Help");
        QTest::newRow("double quotes removed")
            << file << QByteArray("General") << QByteArray("Quoted") << QByteArray("  spaced ");
        QTest::newRow("single quotes removed")
            << file << QByteArray("General") << QByteArray("Single") << QByteArray("x");
        QTest::newRow("one quote kept") << file << QByteArray("General") << QByteArray("Half") << QByteArray("\"open");
        QTest::newRow("semicolon inside a value")
            << file << QByteArray("General") << QByteArray("Inline") << QByteArray("a;b");
        QTest::newRow("comment line is no entry")
            << file << QByteArray("General") << QByteArray("Hidden") << QByteArray("dflt");
        QTest::newRow("first of two entries")
            << file << QByteArray("General") << QByteArray("Twice") << QByteArray("first");
        QTest::newRow("other section") << file << QByteArray("Other") << QByteArray("Title") << QByteArray("other");
        QTest::newRow("missing section") << file << QByteArray("None") << QByteArray("Title") << QByteArray("dflt");
        QTest::newRow("windows line endings")
            << QByteArray("[A]\r\nKey=value\r\n") << QByteArray("A") << QByteArray("Key") << QByteArray("value");
        QTest::newRow("entry before any section")
            << QByteArray("Key=lost\n[A]\n") << QByteArray("A") << QByteArray("Key") << QByteArray("dflt");
    }

    void readsValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        writeFile(content);
        char buffer[64];
        std::uint32_t count = GetPrivateProfileStringA(section, key, "dflt  ", buffer, sizeof buffer, file());
        QCOMPARE(QByteArray(buffer), expected);
        QCOMPARE(count, std::uint32_t(expected.size()));
    }

    void nullDefaultGivesEmptyText()
    {
        writeFile("[A]\n");
        char buffer[8] = "garbage";
        QCOMPARE(GetPrivateProfileStringA("A", "missing", nullptr, buffer, sizeof buffer, file()), 0u);
        QCOMPARE(buffer[0], '\0');
    }

    void listsAndBufferSizes_data()
    {
        QTest::addColumn<int>("what"); // 0 section names, 1 key names, 2 section entries
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("result");

        QTest::newRow("sections") << 0 << 64 << QByteArray("One\0Two\0\0", 9) << 8;
        QTest::newRow("sections cut") << 0 << 6 << QByteArray("One\0\0\0", 6) << 4;
        QTest::newRow("keys") << 1 << 64 << QByteArray("a\0bee\0\0", 7) << 6;
        QTest::newRow("keys cut") << 1 << 5 << QByteArray("a\0b\0\0", 5) << 3;
        QTest::newRow("entries") << 2 << 64 << QByteArray("a=1\0bee=two\0\0", 13) << 12;
        QTest::newRow("entries cut") << 2 << 8 << QByteArray("a=1\0be\0\0", 8) << 6;
    }

    void listsAndBufferSizes()
    {
        QFETCH(int, what);
        QFETCH(int, size);
        QFETCH(QByteArray, expected);
        QFETCH(int, result);
        writeFile("[One]\na = 1\n; comment\nbee= two\n[Two]\n");
        QByteArray buffer(size, '#');
        auto usable = static_cast<std::uint32_t>(size);
        std::uint32_t count = what == 0 ? GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(), usable, file())
            : what == 1                 ? GetPrivateProfileStringA("one", nullptr, "", buffer.data(), usable, file())
                                        : GetPrivateProfileSectionA("ONE", buffer.data(), usable, file());
        QCOMPARE(int(count), result);
        QCOMPARE(buffer.left(expected.size()), expected);
    }

    void valueCutToBuffer()
    {
        writeFile("[A]\nKey=abcdefgh\n");
        char buffer[5];
        QCOMPARE(GetPrivateProfileStringA("A", "Key", "", buffer, sizeof buffer, file()), 4u);
        QCOMPARE(QByteArray(buffer), QByteArray("abcd"));
    }

    void readsNumbers_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("Key=42") << 42;
        QTest::newRow("negative") << QByteArray("Key= -7 ") << -7;
        QTest::newRow("leading number") << QByteArray("Key=12abc") << 12;
        QTest::newRow("no number") << QByteArray("Key=abc") << 0;
        QTest::newRow("hexadecimal") << QByteArray("Key=0x1F") << 31;
        QTest::newRow("empty value") << QByteArray("Key=") << 99;
        QTest::newRow("missing") << QByteArray("Other=1") << 99;
    }

    void readsNumbers()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        writeFile("[A]\n" + value + "\n");
        QCOMPARE(static_cast<std::int32_t>(GetPrivateProfileIntA("A", "Key", 99, file())), expected);
    }

    void writesInPlace_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("nullValue");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("replace a value") << QByteArray("a") << QByteArray("ONE") << QByteArray("9") << false
                                         << QByteArray("; top\r\n[A]\r\none=9\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y");
        QTest::newRow("add a key after the last entry")
            << QByteArray("A") << QByteArray("three") << QByteArray("3") << false
            << QByteArray("; top\r\n[A]\r\none=1\r\n; keep\r\ntwo=2\r\nthree=3\r\n\r\n[B]\r\nx=y");
        QTest::newRow("add a section") << QByteArray("C") << QByteArray("k") << QByteArray("v") << false
                                       << QByteArray("; top\r\n[A]\r\none=1\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y\r\n"
                                                     "\r\n[C]\r\nk=v\r\n");
        QTest::newRow("add to a last line without ending")
            << QByteArray("B") << QByteArray("z") << QByteArray("1") << false
            << QByteArray("; top\r\n[A]\r\none=1\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y\r\nz=1\r\n");
        QTest::newRow("delete a key") << QByteArray("A") << QByteArray("one") << QByteArray() << true
                                      << QByteArray("; top\r\n[A]\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y");
        QTest::newRow("delete a section")
            << QByteArray("A") << QByteArray() << QByteArray() << true << QByteArray("; top\r\n[B]\r\nx=y");
    }

    void writesInPlace()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(bool, nullValue);
        QFETCH(QByteArray, expected);
        writeFile("; top\r\n[A]\r\none=1\r\n; keep\r\ntwo=2\r\n\r\n[B]\r\nx=y");
        QVERIFY(WritePrivateProfileStringA(section, key.isNull() ? nullptr : key.constData(),
                                           nullValue ? nullptr : value.constData(), file()));
        QCOMPARE(fileContent(), expected);
    }

    void replacesSectionEntries()
    {
        writeFile("[A]\none=1\n; keep\ntwo=2\n[B]\nx=y\n");
        QVERIFY(WritePrivateProfileSectionA("A", "new=1\0other=2\0", file()));
        QCOMPARE(fileContent(), QByteArray("[A]\nnew=1\nother=2\n; keep\n[B]\nx=y\n"));
        QVERIFY(WritePrivateProfileSectionA("A", "", file()));
        QCOMPARE(fileContent(), QByteArray("[A]\n; keep\n[B]\nx=y\n"));
    }

    void createsFileAndSeesOutsideChanges()
    {
        QVERIFY(!QFile::exists(path));
        QVERIFY(WritePrivateProfileStringA("S", "k", "first", file()));
        QCOMPARE(fileContent(), QByteArray("[S]\nk=first\n"));
        writeFile("[S]\nk=changed by hand\n");
        char buffer[64];
        GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, file());
        QCOMPARE(QByteArray(buffer), QByteArray("changed by hand"));
    }

    void bareNameLivesInTheWindowsDirectory()
    {
        char folder[512];
        std::uint32_t length = GetWindowsDirectoryA(folder, sizeof folder);
        QCOMPARE(QByteArray(folder), home.filePath("config/teeguide").toUtf8());
        QCOMPARE(length, std::uint32_t(qstrlen(folder)));
        QCOMPARE(GetWindowsDirectoryA(folder, 4), length + 1);
        QVERIFY(WriteProfileStringA("Win", "key", "value"));
        QVERIFY(WritePrivateProfileStringA("Own", "key", "1", "bare.ini"));
        QVERIFY(QFile::exists(home.filePath("config/teeguide/WIN.INI")));
        QVERIFY(QFile::exists(home.filePath("config/teeguide/bare.ini")));
        char buffer[16];
        QCOMPARE(GetProfileStringA("win", "KEY", "", buffer, sizeof buffer), 5u);
        QCOMPARE(GetProfileIntA("Own", "key", 5), 5u);
    }

    void refusesHarmfulWrites_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("line break in value") << QByteArray("A") << QByteArray("k") << QByteArray("x\n[Evil]\ny=1");
        QTest::newRow("line break in key") << QByteArray("A") << QByteArray("k\r\nz") << QByteArray("1");
        QTest::newRow("bracket in section") << QByteArray("A]x") << QByteArray("k") << QByteArray("1");
    }

    void refusesHarmfulWrites()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        writeFile("[A]\nk=old\n");
        QVERIFY(!WritePrivateProfileStringA(section, key, value, file()));
        QCOMPARE(fileContent(), QByteArray("[A]\nk=old\n"));
    }

    void unreadableFileIsNotReplaced()
    {
        QVERIFY(QDir(home.path()).mkpath("folder.ini"));
        QByteArray folder = home.filePath("folder.ini").toUtf8();
        QVERIFY(!WritePrivateProfileStringA("A", "k", "v", folder));
        QVERIFY(QFileInfo(home.filePath("folder.ini")).isDir());
        char buffer[8];
        QCOMPARE(GetPrivateProfileStringA("A", "k", "d", buffer, sizeof buffer, folder), 1u);
    }

    void survivesAnyContent()
    {
        QByteArray noise;
        for (int i = 0; i < 20000; ++i) {
            noise += char((i * 7919) % 256);
        }
        writeFile(noise + "\n[\n]\n=\n[=]\n===\n[A\n");
        char buffer[256];
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, file());
        GetPrivateProfileSectionA("=", buffer, sizeof buffer, file());
        QVERIFY(WritePrivateProfileStringA("A", "k", "v", file()));
        QCOMPARE(GetPrivateProfileStringA("A", "k", "", buffer, sizeof buffer, file()), 1u);
        QVERIFY(fileContent().startsWith(noise));
    }

    void concurrentWritersLoseNothing()
    {
        std::atomic<bool> broken {false};
        std::atomic<bool> writing {true};
        std::thread reader([&] {
            char buffer[16];
            while (writing) {
                if (GetPrivateProfileStringA("Head", "mark", "", buffer, sizeof buffer, file()) != 0
                    && QByteArray(buffer) != "kept") {
                    broken = true;
                }
            }
        });
        QVERIFY(WritePrivateProfileStringA("Head", "mark", "kept", file()));
        std::vector<std::thread> writers;
        for (int w = 0; w < 4; ++w) {
            writers.emplace_back([this, w] {
                for (int i = 0; i < 25; ++i) {
                    QByteArray key = QByteArray::number(w) + "_" + QByteArray::number(i);
                    WritePrivateProfileStringA("Data", key, key, file());
                }
            });
        }
        for (auto &writer : writers) {
            writer.join();
        }
        writing = false;
        reader.join();
        QVERIFY(!broken);
        char buffer[4096];
        std::uint32_t count = GetPrivateProfileSectionA("Data", buffer, sizeof buffer, file());
        QCOMPARE(QByteArray(buffer, int(count)).count('\0'), 100);
        QCOMPARE(QDir(home.path()).entryList({".test*"}, QDir::Hidden | QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(ProfileServiceTest)
#include "tst_profile_service.moc"
