#include "cls_ini_file.h"

#include "message_box.h"
#include "profile_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

// The service's buffers, as large as the Windows ones: longer values come back cut.
constexpr std::uint32_t kValueBuffer = 255;
constexpr std::uint32_t kSectionBuffer = 4096;

const QChar kNul(u'\0');

int lastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}

bool hasDrive(const QString &path)
{
    return path.indexOf(u':') == 1;
}

const char *pointer(const QByteArray &bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

} // namespace

clsIniFile::clsIniFile(HelpMessageBox &messages)
    : messages(messages)
{
    Class_Initialize();
}

void clsIniFile::Class_Initialize()
{
    QFileInfo program(QCoreApplication::applicationFilePath());
    QString name = program.completeBaseName().trimmed();
    if (!name.isEmpty()) {
        setSectionName(QStringLiteral("General"));
        setFullPath(program.absolutePath() + u'/' + name + QStringLiteral(".INI"));
    }
}

void clsIniFile::setFullPath(const QString &path)
{
    m_PrivPath = path;
    m_FullPath = path;
    m_FilePath = ExtractPath(path);
    m_FileName = ExtractName(path, 0);
    m_FileExt = ExtractName(path, 2);
    m_SectionReady = !m_SectionName.trimmed().isEmpty();
    m_UseWinINI = false;
}

void clsIniFile::setSectionName(const QString &section)
{
    m_SectionName = section;
    m_SectionReady = !section.trimmed().isEmpty();
}

void clsIniFile::setUseWinINI(bool useWinIni)
{
    if (useWinIni == m_UseWinINI) {
        return;
    }
    m_UseWinINI = useWinIni;
    if (!useWinIni) {
        setFullPath(m_PrivPath);
        return;
    }
    char buffer[kValueBuffer];
    std::uint32_t count = profile::GetWindowsDirectoryA(buffer, sizeof buffer);
    QString folder = count < sizeof buffer ? QString::fromUtf8(buffer, static_cast<int>(count)) : QString();
    m_FullPath = folder + QStringLiteral("/WIN.INI");
    m_FilePath = ExtractPath(m_FullPath);
    m_FileName = ExtractName(m_FullPath, 0);
    m_FileExt = m_FileName.mid(m_FileName.indexOf(u'.') + 1);
}

bool clsIniFile::checkSectionReady()
{
    if (!m_SectionReady) {
        messages.show(nullptr, QStringLiteral("IniFile Logic Error"),
                      QStringLiteral("[Section] and FileName Not Registered in Private.Ini!"),
                      HelpMessageBox::Buttons::Ok, HelpMessageBox::Icon::Information, HelpMessageBox::Answer::Ok);
    }
    return m_SectionReady;
}

QByteArray clsIniFile::fileArgument() const
{
    return QFile::encodeName(m_FullPath);
}

QString clsIniFile::GetString(const QString &entry, const QString &defaultText)
{
    if (!checkSectionReady()) {
        return QString();
    }
    char buffer[kValueBuffer];
    QByteArray section = m_SectionName.toUtf8();
    QByteArray key = entry.toUtf8();
    QByteArray fallback = defaultText.toUtf8();
    std::uint32_t count = m_UseWinINI
        ? profile::GetProfileStringA(section, key, fallback, buffer, sizeof buffer)
        : profile::GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, fileArgument());
    return count > 0 ? QString::fromUtf8(buffer, static_cast<int>(count)) : QString();
}

qint16 clsIniFile::GetInt(const QString &entry, qint16 defaultValue)
{
    if (!checkSectionReady()) {
        return 0;
    }
    QByteArray section = m_SectionName.toUtf8();
    QByteArray key = entry.toUtf8();
    auto value = static_cast<std::int32_t>(
        m_UseWinINI ? profile::GetProfileIntA(section, key, defaultValue)
                    : profile::GetPrivateProfileIntA(section, key, defaultValue, fileArgument()));
    // A value beyond 16 bits is held at the nearest limit rather than wrapped into a wrong number.
    return static_cast<qint16>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
}

bool clsIniFile::GetTF(const QString &entry, bool defaultValue)
{
    if (!checkSectionReady()) {
        return false;
    }
    static const QStringList yes {"YES", "Y", "TRUE", "T", "ON", "1", "-1"};
    QString text = GetString(entry, defaultValue ? QStringLiteral("True") : QStringLiteral("False"));
    return yes.contains(text.toUpper().trimmed());
}

bool clsIniFile::PutString(const QString &entry, const QString &text)
{
    if (!checkSectionReady()) {
        return false;
    }
    QByteArray section = m_SectionName.toUtf8();
    QByteArray key = entry.toUtf8();
    QByteArray value = text.toUtf8();
    return m_UseWinINI ? profile::WriteProfileStringA(section, key, value)
                       : profile::WritePrivateProfileStringA(section, key, value, fileArgument());
}

bool clsIniFile::PutInt(const QString &entry, qint16 value)
{
    return PutString(entry, QString::number(value));
}

bool clsIniFile::PutTF(const QString &entry, bool value)
{
    return PutString(entry, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void clsIniFile::DeleteStrEntry(const QString &entry)
{
    PutString(entry, QString(""));
}

void clsIniFile::DeleteNumEntry(const QString &entry)
{
    if (m_UseWinINI) {
        PutString(entry, QStringLiteral("0"));
        return;
    }
    if (checkSectionReady()) {
        profile::WritePrivateProfileStringA(m_SectionName.toUtf8(), entry.toUtf8(), nullptr, fileArgument());
    }
}

void clsIniFile::DeleteSection()
{
    if (!checkSectionReady()) {
        return;
    }
    QByteArray section = m_SectionName.toUtf8();
    if (m_UseWinINI) {
        profile::WriteProfileSectionA(section, "");
    } else {
        profile::WritePrivateProfileSectionA(section, "", fileArgument());
    }
    setSectionName(QString());
}

QString clsIniFile::StripComment(const QString &line)
{
    int semicolon = line.indexOf(u';');
    if (semicolon == 0) {
        return QString();
    }
    return (semicolon < 0 ? line : line.left(semicolon)).trimmed();
}

QString clsIniFile::GetSections()
{
    if (!checkSectionReady()) {
        return QString();
    }
    QFile file(m_FullPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw IniFileError("cannot open " + m_FullPath.toStdString());
    }
    QString list;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        line = StripComment(line);
        if (line.indexOf(u'[') == 0 && line.indexOf(u']') == line.size() - 1) {
            list += line.mid(1, line.size() - 2) + kNul;
        }
    }
    return list.isEmpty() ? QString(2, kNul) : list + kNul;
}

int clsIniFile::GetSectionsEx(QStringList &list)
{
    QString all = GetSections();
    if (all.isEmpty()) {
        return 0;
    }
    int count = 0;
    for (int start = 0; start < all.size() && all[start] != kNul; ++count) {
        int end = all.indexOf(kNul, start);
        list = list.mid(0, count);
        list.append(all.mid(start, end - start));
        start = end + 1;
    }
    return count;
}

bool clsIniFile::SectExist(const QString &section)
{
    QString all = GetSections();
    return !all.isEmpty() && (kNul + all.toUpper()).contains(kNul + section.toUpper() + kNul);
}

QString clsIniFile::GetSectEntries()
{
    if (!checkSectionReady()) {
        return QString();
    }
    char buffer[kSectionBuffer];
    QByteArray section = m_SectionName.toUtf8();
    std::uint32_t count = m_UseWinINI
        ? profile::GetProfileSectionA(section, buffer, sizeof buffer)
        : profile::GetPrivateProfileSectionA(section, buffer, sizeof buffer, fileArgument());
    return QString::fromUtf8(buffer, static_cast<int>(count + 1));
}

int clsIniFile::GetSectEntriesEx(EntryTable &table)
{
    QString all = GetSectEntries();
    if (all.size() == 1) {
        return 0;
    }
    int count = 0;
    for (int start = 0; start < all.size() && all[start] != kNul; ++count) {
        int end = all.indexOf(kNul, start);
        if (end < 0) {
            end = all.size();
        }
        QString item = all.mid(start, end - start);
        int equals = item.indexOf(u'=');
        table[0] = table[0].mid(0, count);
        table[1] = table[1].mid(0, count);
        table[0].append(equals < 0 ? QString() : item.left(equals));
        table[1].append(item.mid(equals + 1));
        start = end + 1;
    }
    return count;
}

void clsIniFile::FlushCache()
{
    if (m_UseWinINI) {
        profile::WriteProfileStringA(nullptr, nullptr, nullptr);
    } else {
        profile::WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileArgument());
    }
}

void clsIniFile::IniWrite(const QString &section, const QString &entry, const QString &value, const QString &filePath)
{
    QByteArray sectionText = section.toUtf8();
    QByteArray key = entry.toUtf8();
    QByteArray text = value.isNull() ? QByteArray() : value.toUtf8();
    if (m_UseWinINI) {
        profile::WriteProfileStringA(sectionText, key, pointer(text));
    } else {
        profile::WritePrivateProfileStringA(sectionText, key, pointer(text), QFile::encodeName(filePath));
    }
}

QString clsIniFile::IniRead(const QString &section, const QString &entry, qint16 defaultValue,
                            const QString &defaultText, bool readNumber, const QString &filePath)
{
    QByteArray sectionText = section.toUtf8();
    QByteArray key = entry.toUtf8();
    QByteArray file = QFile::encodeName(filePath);
    if (readNumber) {
        auto value = static_cast<std::int32_t>(
            m_UseWinINI ? profile::GetProfileIntA(sectionText, key, defaultValue)
                        : profile::GetPrivateProfileIntA(sectionText, key, defaultValue, file));
        return QString::number(value);
    }
    char buffer[kValueBuffer];
    QByteArray fallback = defaultText.toUtf8();
    std::uint32_t count = m_UseWinINI
        ? profile::GetProfileStringA(sectionText, key, fallback, buffer, sizeof buffer)
        : profile::GetPrivateProfileStringA(sectionText, key, fallback, buffer, sizeof buffer, file);
    return QString::fromUtf8(buffer, static_cast<int>(count));
}

QString clsIniFile::ExtractName(const QString &path, int mode) const
{
    QString whole = path.isEmpty() ? m_FullPath : path;
    int separator = lastSeparator(whole);
    QString name = separator >= 0 ? whole.mid(separator + 1) : hasDrive(whole) ? whole.mid(2) : whole;
    int dot = name.indexOf(u'.');
    if (dot >= 0 && mode == 1) {
        name = name.left(dot);
    } else if (dot >= 0 && mode == 2) {
        name = name.mid(dot + 1);
    }
    return name.toUpper();
}

QString clsIniFile::ExtractPath(const QString &path) const
{
    QString whole = path.isEmpty() ? m_FullPath : path;
    int separator = lastSeparator(whole);
    // Drives have no current folder of their own here, so a drive-relative name uses the current one.
    QString folder = separator >= 0 ? whole.left(separator + 1) : QDir::currentPath();
    if (!folder.endsWith(u'\\') && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder.toUpper();
}
