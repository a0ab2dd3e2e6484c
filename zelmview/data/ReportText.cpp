#include "data/ReportText.h"

#include <QFile>
#include <QStringDecoder>

#include "docview/MessageSink.h"
#include "data/TextLineReader.h"

QString loadReportText(const QString& path, ReportTextMode mode, qint64 copyLimit)
{
    QFile report(path);
    if (!report.open(QIODevice::ReadOnly)) {
        docview::showMessage(QStringLiteral("ReadData: Unable to open ZELM output file ") + path);
        return QString();
    }
    if (mode == ReportTextMode::Copy) {
        // A decoder keeps back a character cut at the limit instead of showing a broken one.
        QStringDecoder utf8(QStringDecoder::Utf8);
        return utf8(report.read(copyLimit));
    }

    QByteArray text;
    TextLineReader lines(report);
    while (const std::optional<QByteArray> line = lines.next()) text += withoutTrailingSpace(*line) + "\r\n";
    return QString::fromUtf8(text);
}
