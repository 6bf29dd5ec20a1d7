#include "frm_golf_help.h"
#include "recording_message_box.h"
#include "setting_values.h"
#include "tests/support/test_files.h"

#include <QAction>
#include <QFontDatabase>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

// A help file with headings, documents of every kind and the configuration mistakes a person makes.
const QByteArray kHelpIni = "[General]\nEntries=9\nListWidth=180\nForm Title=Varnholt Help\n"
                            "[1]\nListItem=Welcome\nListTarget=welcome.rtf\n"
                            "[2]\nListItem=Scoring\nNode=True\nKey=scoring\nListTarget=<NONE>\n"
                            "[3]\nListItem=Entering a round\nListTarget=round.txt\nRelative=scoring\n"
                            "[4]\nListItem=Shouting\nListTarget=upper.RTF\nRelative=scoring\n"
                            "[5]\nListItem=Lost\nListTarget=missing.rtf\nRelative=nowhere\n"
                            "[6]\nListItem=Twin\nListTarget=welcome.rtf\n"
                            "[7]\nListItem=Twin\nListTarget=round.txt\n"
                            "[8]\nListItem=Under twin\nRelative=Twin\nNode=1\n"
                            "[9]\nListItem=Numbers, named too long for the list\nNode=maybe\nListTarget=\n";

} // namespace

class GolfHelpTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    RecordingMessageBox messages;
    std::unique_ptr<frmGolfHelp> window;

    // Opens the window on the given Help.INI, or on none when it is null.
    void openWindow(const QByteArray &helpIni = kHelpIni, const QSize &size = QSize(820, 580))
    {
        writeFile(folder->filePath("Help.INI"), helpIni);
        window = std::make_unique<frmGolfHelp>(messages, folder->path());
        window->Form_Load();
        window->resize(size);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QTreeWidgetItem *node(int number)
    {
        for (QTreeWidgetItemIterator it(window->TreeView1); *it; ++it) {
            if ((*it)->data(0, frmGolfHelp::NodeNumberRole).toInt() == number) {
                return *it;
            }
        }
        return nullptr;
    }
    QString picture(int number) { return node(number)->data(0, frmGolfHelp::PictureKeyRole).toString(); }
    void click(int number)
    {
        QTreeWidgetItem *item = node(number);
        QVERIFY(item);
        window->TreeView1->scrollToItem(item);
        QRect place = window->TreeView1->visualItemRect(item);
        QTest::mouseClick(window->TreeView1->viewport(), Qt::LeftButton, {}, place.center());
    }
    QString shownText() const { return window->WB1->toPlainText(); }

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        messages = RecordingMessageBox();
        writeFile(folder->filePath("welcome.rtf"),
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Welcome to the {\\b scorebook}.\\par}");
        writeFile(folder->filePath("round.txt"), "Type the strokes\nthen the putts.\n");
        writeFile(folder->filePath("upper.RTF"), "{\\rtf1 Never shown\\par}");
    }

    void cleanup() { window.reset(); }

    void buildsTheTreeFromHelpIni()
    {
        openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Varnholt Help"));
        QTreeWidgetItem *root = node(1);
        QCOMPARE(root->text(0), QStringLiteral("Help Topics"));
        // "Lost" names no earlier node and so sits at the top level.
        QStringList top;
        for (int i = 0; i < root->childCount(); ++i) {
            top << root->child(i)->text(0);
        }
        QCOMPARE(top,
                 (QStringList {"Welcome", "Scoring", "Lost", "Twin", "Twin", "Numbers, named too long for the list"}));
        QTRY_VERIFY(window->TreeView1->horizontalScrollBar()->maximum() > 0); // the long name scrolls sideways
        QCOMPARE(node(4)->parent(), node(3));
        // The key "Twin" stays with the first of the two entries that share it.
        QCOMPARE(node(9)->parent(), node(7));
        QCOMPARE(picture(3), QStringLiteral("Closed"));
        QCOMPARE(picture(10), QStringLiteral("Document")); // "maybe" is no yes/no word
        QCOMPARE(picture(9), QStringLiteral("Closed"));
        // The last node is made visible, which opens its parent.
        QVERIFY(root->isExpanded());
        window->TreeView1->expandItem(node(3));
        QCOMPARE(picture(3), QStringLiteral("Open"));
        QCOMPARE(picture(4), QStringLiteral("Document"));
        window->TreeView1->collapseItem(node(3));
        QCOMPARE(picture(3), QStringLiteral("Closed"));
        QVERIFY(node(3)->icon(0).cacheKey() != node(4)->icon(0).cacheKey());
    }

    void defaultsWithoutHelpIniAndWithoutEntries()
    {
        openWindow(QByteArray());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillmark Help"));
        QCOMPARE(node(1)->childCount(), 1);
        QCOMPARE(node(2)->text(0), QStringLiteral("<UNKNOWN>"));
        openWindow("[General]\nEntries=0\n");
        QCOMPARE(node(1)->childCount(), 0);
    }

    // Clicks one topic and then another: documents ending in "rtf" or "txt" load, anything else leaves the view.
    void clickShowsTheTopic_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        const QString welcome = QStringLiteral("Welcome to the scorebook.");
        QTest::newRow("rich text") << 4 << 2 << welcome;
        QTest::newRow("plain text") << 2 << 4 << "Type the strokes\nthen the putts.\n";
        QTest::newRow("missing document") << 2 << 6 << "The help document \"missing.rtf\" could not be opened.";
        QTest::newRow("upper-case RTF") << 2 << 5 << welcome;
        QTest::newRow("empty target") << 2 << 10 << welcome;
    }

    void clickShowsTheTopic()
    {
        QFETCH(int, first);
        QFETCH(int, number);
        QFETCH(QString, expected);
        openWindow();
        click(first);
        click(number);
        QCOMPARE(shownText(), expected);
    }

    void documentsKeepTheirLookAndKeysChooseToo()
    {
        openWindow();
        window->TreeView1->setCurrentItem(node(1));
        QTest::keyClick(window->TreeView1, Qt::Key_Down); // shows the welcome, as a click would
        QTextCursor cursor(window->WB1->document());
        cursor.setPosition(shownText().indexOf("scorebook") + 1);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        click(4); // plain text is black, 10 point, not bold, in the fixed-width font
        cursor.setPosition(3);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(0, 0, 0));
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(cursor.charFormat().fontFamilies().toStringList(),
                 QStringList {QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    }

    void settingValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("width");
        QTest::newRow("numbers") << " 12 " << 12 << 12;
        QTest::newRow("not a number") << "lots" << 1 << 225;
        QTest::newRow("negative") << "-5" << 0 << 225;
        QTest::newRow("beyond 16 bits") << "99999" << 32767 << 2000;
        QTest::newRow("fraction rounds") << "2.6" << 3 << 3;
    }

    void settingValues()
    {
        QFETCH(QString, text);
        QFETCH(int, entries);
        QFETCH(int, width);
        QCOMPARE(settings::entryCount(text), entries);
        QCOMPARE(settings::listWidth(text), width);
    }

    void documentKeepsAThirdOfTheWindow_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tiny") << QByteArray("180") << QSize(10, 10);
        QTest::newRow("list wider than the window") << QByteArray("99999") << QSize(700, 500);
    }

    void documentKeepsAThirdOfTheWindow()
    {
        QFETCH(QByteArray, setting);
        QFETCH(QSize, size);
        openWindow(QByteArray(kHelpIni).replace("ListWidth=180", "ListWidth=" + setting), size);
        QVERIFY(window->WB1->width() * 3 >= window->centralWidget()->width());
    }

    // No changes nothing; Yes, from the button or the menu, ends the program.
    void quitAsksFirst()
    {
        openWindow();
        QSignalSpy ended(window.get(), &frmGolfHelp::programEnded);
        messages.answers = {HelpMessageBox::Answer::No, HelpMessageBox::Answer::Yes};
        QTest::mouseClick(window->cmdQuit, Qt::LeftButton);
        QCOMPARE(ended.count(), 0);
        window->mnuMnuQuit->trigger();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(messages.shown.size(), 2); // the menu asks with the same box
        QCOMPARE(messages.shown[0].title, QStringLiteral("Quit?"));
        QCOMPARE(messages.shown[0].text, QStringLiteral("Are You Sure that you want to quit?"));
        QCOMPARE(messages.shown[0].buttons, HelpMessageBox::Buttons::YesNo);
    }

    void shippedHelpOpensEveryTopic()
    {
        window = std::make_unique<frmGolfHelp>(messages, QStringLiteral(HELP_ASSETS_DIR));
        window->Form_Load();
        QCOMPARE(window->windowTitle(), QStringLiteral("Varnholt Help"));
        QVERIFY(window->topics().size() > 10);
        for (std::size_t k = 1; k < window->topics().size(); ++k) {
            if (!window->topics()[k].Node) {
                window->WB1->clear();
                window->LoadHTML(int(k));
                const QString &name = window->topics()[k].ListItem;
                // More than the line saying the document could not be opened.
                QVERIFY2(window->WB1->toPlainText().size() > 100, qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(GolfHelpTest)
#include "tst_golf_help.moc"
