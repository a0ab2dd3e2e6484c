#include "table/TableText.h"

namespace zelm {

QStringList SplitTokens(const QString& text, const QString& delimiters)
{
    QStringList tokens;
    QString token;
    for (const QChar character : text) {
        if (delimiters.contains(character)) {
            if (!token.isEmpty()) tokens.append(token);
            token.clear();
        } else {
            token.append(character);
        }
    }
    if (!token.isEmpty()) tokens.append(token);
    return tokens;
}

QString TrimText(const QString& text)
{
    const auto isTrimmed = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isTrimmed(text.at(first))) ++first;
    while (last > first && isTrimmed(text.at(last - 1))) --last;
    return text.mid(first, last - first);
}

bool beginsWithNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace()) ++at;
    if (at < text.size() && (text.at(at) == QLatin1Char('+') || text.at(at) == QLatin1Char('-'))) ++at;
    if (at < text.size() && text.at(at) == QLatin1Char('.')) ++at;
    return at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9');
}

}  // namespace zelm
