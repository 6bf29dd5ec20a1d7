// Reads a generated 1 MB RTF document into a QTextDocument and into plain text, against
// "unrtf --text" on the same file in the same run.

#include "rtf/rtf_plain_text.h"
#include "rtf/rtf_reader.h"
#include "rtf_document_builder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kRuns = 3;

// Formatted paragraphs, code-page and Unicode escapes, a table now and then: what help documents hold.
std::string generateDocument(std::size_t bytes)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Georgia;}}"
                      "{\\colortbl;\\red0\\green90\\blue40;\\red200\\green0\\blue0;}\n";
    for (int n = 0; rtf.size() < bytes; ++n) {
        rtf += "\\pard\\sa120\\f0\\fs22 Paragraph " + std::to_string(n)
            + ": the {\\b golfer} played the {\\i back nine} in {\\cf2 four over} par, caf\\'e9 "
              "\\u8220?quoted\\u8221? and a \\emdash  dash.\\par\n";
        if (n % 20 == 0) {
            rtf += "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl Hole\\cell Par\\cell Strokes\\cell\\row\n"
                   "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl 7\\cell 4\\cell 5\\cell\\row\\pard\n";
        }
    }
    return rtf + "}";
}

template<typename Work> double bestSeconds(Work work)
{
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    QString path = folder.filePath("large.rtf");
    std::string content = generateDocument(1024 * 1024);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content.data(), static_cast<qint64>(content.size()));
    file.close();

    std::size_t textLength = 0;
    double toText = bestSeconds([&] {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        textLength = rtf::plainText(rtf::read(in.readAll().toStdString())).size();
    });
    // The documents outlive the timing: tearing one down is no part of reading.
    QTextDocument documents[kRuns];
    int run = 0;
    double toDocument = bestSeconds([&] {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        buildTextDocument(rtf::read(in.readAll().toStdString()), documents[run++]);
    });
    bool unrtfRan = true;
    double unrtf = bestSeconds([&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), path});
        unrtfRan = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && unrtfRan;
    });
    std::printf("RTF of %.2f MB: to plain text %.3f s (%zu bytes of text), to QTextDocument %.3f s; "
                "unrtf --text %.3f s%s (target: faster than unrtf)\n",
                content.size() / 1048576.0, toText, textLength, toDocument, unrtf,
                unrtfRan ? "" : " (unrtf did not run)");

    // Many field results after one long field instruction: reading must stay
    // linear, so it costs about what the same bytes of plain text cost.
    const std::string longInstruction = "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"" + std::string(200000, 'x') + "\"}";
    std::string fields = longInstruction;
    std::string plain = longInstruction;
    for (int n = 0; n < 20000; ++n) {
        fields += "{\\fldrslt x}";
        plain += "{x}          ";
    }
    fields += "}}";
    plain += "}}";
    const double withFields = bestSeconds([&] { rtf::read(fields); });
    const double withoutFields = bestSeconds([&] { rtf::read(plain); });
    std::printf("20,000 field results after a 200 KB instruction: %.3f s; the same bytes without results %.3f s; "
                "ratio %.1f (target: under 3)\n",
                withFields, withoutFields, withoutFields > 0 ? withFields / withoutFields : 0.0);
    return 0;
}
