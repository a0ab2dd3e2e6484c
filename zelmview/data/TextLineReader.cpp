#include "data/TextLineReader.h"

#include <QIODevice>

std::optional<QByteArray> TextLineReader::next()
{
    if (device.atEnd()) return std::nullopt;
    QByteArray line = device.readLine();
    ++number;
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

std::optional<QByteArray> TextLineReader::nextData(QList<QByteArray>* comments)
{
    std::optional<QByteArray> line = next();
    while (line && line->startsWith('#')) {
        if (comments != nullptr) comments->append(*line);
        line = next();
    }
    return line;
}

QByteArray withoutTrailingSpace(QByteArray text)
{
    const auto isCSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.isEmpty() && isCSpace(text.back())) text.chop(1);
    return text;
}
