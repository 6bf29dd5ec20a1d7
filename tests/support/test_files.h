#pragma once

#include <QFile>
#include <QTest>

// Replaces whatever the file held; the test fails when it cannot be written. A null content writes
// nothing, so a fresh name stays without a file.
inline void writeFile(const QString &path, const QByteArray &content)
{
    if (content.isNull()) {
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The file's bytes, or none when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
