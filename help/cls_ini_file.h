#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>

class HelpMessageBox;

// Raised by GetSections (and what uses it) when the file cannot be opened.
class IniFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Typed access to one INI file and one current section of it, on top of the profile service.
// Multi-strings are texts of names each ended by a NUL character, the whole ended by one more.
class clsIniFile
{
public:
    using EntryTable = std::array<QStringList, 2>; // row 0 names, row 1 values

    explicit clsIniFile(HelpMessageBox &messages);

    QString FullPath() const { return m_FullPath; }
    void setFullPath(const QString &path);
    QString SectionName() const { return m_SectionName; }
    void setSectionName(const QString &section);
    bool UseWinINI() const { return m_UseWinINI; }
    void setUseWinINI(bool useWinIni);
    QString PrivPath() const { return m_PrivPath; }
    QString FilePath() const { return m_FilePath; }
    QString FileName() const { return m_FileName; }
    QString FileExt() const { return m_FileExt; }
    bool SectionReady() const { return m_SectionReady; }

    QString GetString(const QString &entry, const QString &defaultText);
    qint16 GetInt(const QString &entry, qint16 defaultValue);
    bool GetTF(const QString &entry, bool defaultValue);
    bool PutString(const QString &entry, const QString &text);
    bool PutInt(const QString &entry, qint16 value);
    bool PutTF(const QString &entry, bool value);
    void DeleteStrEntry(const QString &entry);
    void DeleteNumEntry(const QString &entry);
    void DeleteSection();

    QString GetSections();
    int GetSectionsEx(QStringList &list);
    bool SectExist(const QString &section);
    QString GetSectEntries();
    int GetSectEntriesEx(EntryTable &table);

    void FlushCache();
    void IniWrite(const QString &section, const QString &entry, const QString &value, const QString &filePath);
    // Reads an entry of any section of any file, as a number or as text, and returns what it read.
    QString IniRead(const QString &section, const QString &entry, qint16 defaultValue, const QString &defaultText,
                    bool readNumber, const QString &filePath);

    QString ExtractName(const QString &path, int mode) const;
    QString ExtractPath(const QString &path) const;
    static QString StripComment(const QString &line);

private:
    void Class_Initialize();
    bool checkSectionReady();
    QByteArray fileArgument() const;

    HelpMessageBox &messages;
    QString m_SectionName;
    QString m_FullPath;
    QString m_PrivPath;
    QString m_FilePath;
    QString m_FileName;
    QString m_FileExt;
    bool m_SectionReady = false;
    bool m_UseWinINI = false;
};
