#include "Steps.h"

#include <QFile>
#include <algorithm>
#include <iterator>
#include <utility>

namespace guifuzz {

namespace {

// The characters written with a backslash, and the letter that follows it.
constexpr std::pair<char, char> kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'\t', 't'}, {'\r', 'r'}, {'\n', 'n'}};

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [c](const auto& pair) { return c == QLatin1Char(pair.first); });
        if (escape == std::end(kEscapes)) {
            out += c;
            continue;
        }
        out += QLatin1Char('\\');
        out += QLatin1Char(escape->second);
    }
    return out + QLatin1Char('"');
}

// The text between the quotes that open at `from`; nothing when the closing quote is missing.
std::optional<QString> unquoted(const QString& line, qsizetype from)
{
    QString text;
    for (qsizetype i = from + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) return text;
        if (c != QLatin1Char('\\') || i + 1 == line.size()) {
            text += c;
            continue;
        }
        const QChar letter = line.at(++i);
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [letter](const auto& pair) { return letter == QLatin1Char(pair.second); });
        text += escape != std::end(kEscapes) ? QLatin1Char(escape->first) : letter;
    }
    return std::nullopt;
}

}  // namespace

QString formatStep(const Step& step)
{
    QStringList parts{step.verb};
    parts += step.words;
    if (step.text) parts.append(quoted(*step.text));
    return parts.join(QLatin1Char(' '));
}

std::optional<Step> parseStep(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) return std::nullopt;
    Step step;
    const qsizetype quote = trimmed.indexOf(QLatin1Char('"'));
    if (quote >= 0) {
        step.text = unquoted(trimmed, quote);
        if (!step.text) return std::nullopt;
    }
    step.words = trimmed.left(quote >= 0 ? quote : trimmed.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    step.verb = step.words.takeFirst();
    return step;
}

QList<Step> readSteps(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read ") + path;
        return {};
    }
    QList<Step> steps;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (std::optional<Step> step = parseStep(line)) steps.append(*step);
    return steps;
}

QString formatSteps(const QList<Step>& steps)
{
    QString text;
    for (const Step& step : steps) text += formatStep(step) + QLatin1Char('\n');
    return text;
}

}  // namespace guifuzz
