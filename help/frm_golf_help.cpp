#include "frm_golf_help.h"

#include "cls_ini_file.h"
#include "message_box.h"
#include "rtf/rtf_reader.h"
#include "rtf_document_builder.h"
#include "setting_values.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const QString kRootKey = QStringLiteral("Root");

// Help documents are small; this keeps a mistaken target (a disc image, say) from eating memory.
constexpr qint64 kLargestDocument = 64 * 1024 * 1024;

bool readDocument(const QString &path, QByteArray &content)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kLargestDocument || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    content = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Plain-text topics may be saved as UTF-8 or in the old Windows code page.
QString decodePlainText(const QByteArray &content)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(content);
    return utf8.hasError() ? QString::fromLatin1(content) : text;
}

} // namespace

frmGolfHelp::frmGolfHelp(HelpMessageBox &messages, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent)
    , cmdQuit(new QPushButton(tr("&Quit Help")))
    , TreeView1(new QTreeWidget)
    , WB1(new QTextBrowser)
    , messages(messages)
    , programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmGolfHelp"));
    setWindowTitle(QStringLiteral("Varnholt Help"));
    resize(820, 580);

    mnuMnu = menuBar()->addMenu(tr("&Menu"));
    mnuMnu->setObjectName(QStringLiteral("mnuMnu"));
    mnuMnuQuit = mnuMnu->addAction(tr("&Quit"));
    mnuMnuQuit->setObjectName(QStringLiteral("mnuMnuQuit"));

    auto *pane = new QWidget;
    pane->setObjectName(QStringLiteral("helpPane"));
    setCentralWidget(pane);
    for (QWidget *control : std::initializer_list<QWidget *> {cmdQuit, TreeView1, WB1}) {
        control->setParent(pane);
    }
    pane->installEventFilter(this);

    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAccessibleName(QStringLiteral("Quit Help"));
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setAccessibleName(QStringLiteral("Help Topics"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    // Long topic names scroll sideways instead of being cut short.
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    WB1->setObjectName(QStringLiteral("WB1"));
    WB1->setAccessibleName(QStringLiteral("Help document"));
    WB1->setOpenLinks(false);
    setTabOrder(cmdQuit, TreeView1);
    setTabOrder(TreeView1, WB1);

    ImageList1.insert(QStringLiteral("Closed"), QIcon(QStringLiteral(":/help/pictures/closed.png")));
    ImageList1.insert(QStringLiteral("Open"), QIcon(QStringLiteral(":/help/pictures/open.png")));
    ImageList1.insert(QStringLiteral("Document"), QIcon(QStringLiteral(":/help/pictures/document.png")));

    connect(cmdQuit, &QPushButton::clicked, this, &frmGolfHelp::cmdQuit_Click);
    connect(mnuMnuQuit, &QAction::triggered, this, &frmGolfHelp::cmdQuit_Click);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &frmGolfHelp::TreeView1_Collapse);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &frmGolfHelp::TreeView1_Expand);
    // The current node follows both clicks and the arrow keys, so keyboard users get the topic too.
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &frmGolfHelp::TreeView1_NodeClick);
    connect(WB1, &QTextBrowser::anchorClicked, this, [](const QUrl &url) { QDesktopServices::openUrl(url); });
}

void frmGolfHelp::Form_Load()
{
    GetData();
    TreeView1->setFocus();
}

void frmGolfHelp::GetData()
{
    TreeView1->clear();
    nodesByKey.clear();
    nodesAdded = 0;
    QTreeWidgetItem *last = addNode(nullptr, kRootKey, QStringLiteral("Help Topics"), QStringLiteral("Closed"));

    clsIniFile ini(messages);
    ini.setFullPath(programFolder + QStringLiteral("/Help.INI"));
    ini.setSectionName(QStringLiteral("General"));
    Entries = settings::entryCount(ini.GetString(QStringLiteral("Entries"), QStringLiteral("1")));
    ListWidth = settings::listWidth(ini.GetString(QStringLiteral("ListWidth"), QStringLiteral("225")));
    setWindowTitle(ini.GetString(QStringLiteral("Form Title"), QStringLiteral("Quillmark Help")));

    topicTable.assign(static_cast<std::size_t>(Entries) + 1, TopicEntry());
    for (int k = 1; k <= Entries; ++k) {
        TopicEntry &topic = topicTable[static_cast<std::size_t>(k)];
        ini.setSectionName(QString::number(k));
        topic.ListItem = ini.GetString(QStringLiteral("ListItem"), QStringLiteral("<UNKNOWN>"));
        topic.ListTarget
            = programFolder + u'/' + ini.GetString(QStringLiteral("ListTarget"), QStringLiteral("<UNKNOWN>"));
        topic.Relative = ini.GetString(QStringLiteral("Relative"), kRootKey);
        topic.Node = settings::isHeading(ini.GetString(QStringLiteral("Node"), QStringLiteral("False")));
        topic.Key = ini.GetString(QStringLiteral("Key"), topic.ListItem);
        // An unknown parent puts the topic at the top level rather than losing it.
        last = addNode(nodesByKey.value(topic.Relative, nodesByKey.value(kRootKey)), topic.Key, topic.ListItem,
                       topic.Node ? QStringLiteral("Closed") : QStringLiteral("Document"));
    }

    for (QTreeWidgetItem *parent = last->parent(); parent; parent = parent->parent()) {
        parent->setExpanded(true);
    }
    TreeView1->scrollToItem(last);
    Form_Resize();
}

QTreeWidgetItem *frmGolfHelp::addNode(QTreeWidgetItem *parent, const QString &key, const QString &text,
                                      const QString &picture)
{
    auto *node = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(TreeView1, {text});
    node->setData(0, NodeNumberRole, ++nodesAdded);
    // A key used twice stays with its first node; the later node is shown all the same.
    if (!key.isEmpty() && !nodesByKey.contains(key)) {
        nodesByKey.insert(key, node);
    }
    setPicture(node, picture);
    return node;
}

void frmGolfHelp::setPicture(QTreeWidgetItem *node, const QString &picture)
{
    node->setData(0, PictureKeyRole, picture);
    node->setIcon(0, ImageList1.value(picture));
}

void frmGolfHelp::LoadHTML(int index)
{
    if (index < 0 || index >= static_cast<int>(topicTable.size())) {
        return;
    }
    const QString &target = topicTable[static_cast<std::size_t>(index)].ListTarget;
    QString extension = target.right(3);
    if (extension == QLatin1String("rtf")) {
        showRichText(target);
    } else if (extension == QLatin1String("txt")) {
        showPlainText(target);
    }
}

void frmGolfHelp::showRichText(const QString &path)
{
    QByteArray content;
    if (!readDocument(path, content)) {
        showUnreadable(path);
        return;
    }
    rtf::Document document = rtf::read(std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    buildTextDocument(document, *WB1->document());
}

void frmGolfHelp::showPlainText(const QString &path)
{
    QByteArray content;
    if (!readDocument(path, content)) {
        showUnreadable(path);
        return;
    }
    WB1->clear();
    // Plain-text topics line up their columns with blanks, which only a fixed-width font keeps.
    QTextCharFormat format;
    format.setFontFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    format.setFontFixedPitch(true);
    format.setForeground(QColor(0, 0, 0));
    format.setFontPointSize(10);
    format.setFontWeight(QFont::Normal);
    WB1->setCurrentCharFormat(format);
    WB1->insertPlainText(decodePlainText(content));
    WB1->moveCursor(QTextCursor::Start);
}

void frmGolfHelp::showUnreadable(const QString &path)
{
    WB1->setPlainText(tr("The help document \"%1\" could not be opened.").arg(QFileInfo(path).fileName()));
}

bool frmGolfHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmGolfHelp::Form_Resize()
{
    QSize inner = centralWidget()->size();
    // However wide Help.INI asks the list to be, a third of the window stays for the document.
    int widestList = std::max(0, inner.width() - 1 - (inner.width() + 2) / 3);
    int width = std::min(ListWidth, widestList);
    int buttonHeight = std::min(cmdQuit->sizeHint().height(), inner.height());
    cmdQuit->setGeometry(0, 0, width, buttonHeight);
    TreeView1->setGeometry(0, buttonHeight, width, inner.height() - buttonHeight);
    WB1->setGeometry(width + 1, 0, std::max(0, inner.width() - width - 1), inner.height());
}

void frmGolfHelp::cmdQuit_Click()
{
    HelpMessageBox::Answer answer
        = messages.show(this, QStringLiteral("Quit?"), QStringLiteral("Are You Sure that you want to quit?"),
                        HelpMessageBox::Buttons::YesNo, HelpMessageBox::Icon::Question, HelpMessageBox::Answer::Yes);
    if (answer == HelpMessageBox::Answer::Yes) {
        Q_EMIT programEnded();
    }
}

void frmGolfHelp::TreeView1_Collapse(QTreeWidgetItem *node)
{
    setPicture(node, QStringLiteral("Closed"));
}

void frmGolfHelp::TreeView1_Expand(QTreeWidgetItem *node)
{
    setPicture(node, QStringLiteral("Open"));
}

void frmGolfHelp::TreeView1_NodeClick(QTreeWidgetItem *node)
{
    if (node) {
        LoadHTML(node->data(0, NodeNumberRole).toInt() - 1);
    }
}
