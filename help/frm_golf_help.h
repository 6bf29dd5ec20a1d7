#pragma once

#include <QHash>
#include <QIcon>
#include <QMainWindow>

#include <vector>

class HelpMessageBox;
class QAction;
class QMenu;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// One topic of Help.INI: what the tree shows and which document it opens.
struct TopicEntry
{
    QString ListItem;
    QString ListTarget; // full path of the document
    QString Relative;
    bool Node = false;
    QString Key;
};

// The help window: the topic tree on the left, the chosen topic's document on the right.
class frmGolfHelp : public QMainWindow
{
    Q_OBJECT

public:
    // Item data roles of the tree's nodes.
    static constexpr int NodeNumberRole = Qt::UserRole;
    static constexpr int PictureKeyRole = Qt::UserRole + 1;

    frmGolfHelp(HelpMessageBox &messages, const QString &programFolder, QWidget *parent = nullptr);

    void Form_Load();
    void GetData();
    void LoadHTML(int index);

    const std::vector<TopicEntry> &topics() const { return topicTable; }
    int listWidth() const { return ListWidth; }

    QPushButton *cmdQuit;
    QTreeWidget *TreeView1;
    QTextBrowser *WB1;
    QMenu *mnuMnu;
    QAction *mnuMnuQuit;

Q_SIGNALS:
    // The user confirmed quitting; the program ends.
    void programEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Resize();
    void cmdQuit_Click();
    void TreeView1_Collapse(QTreeWidgetItem *node);
    void TreeView1_Expand(QTreeWidgetItem *node);
    void TreeView1_NodeClick(QTreeWidgetItem *node);

    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, const QString &picture);
    void setPicture(QTreeWidgetItem *node, const QString &picture);
    void showRichText(const QString &path);
    void showPlainText(const QString &path);
    void showUnreadable(const QString &path);

    HelpMessageBox &messages;
    QString programFolder;
    QHash<QString, QIcon> ImageList1;
    QHash<QString, QTreeWidgetItem *> nodesByKey;
    int nodesAdded = 0;
    int Entries = 0;
    int ListWidth = 0;
    std::vector<TopicEntry> topicTable;
};
