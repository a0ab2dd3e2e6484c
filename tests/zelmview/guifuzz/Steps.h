// One user action of the GUI fuzzer as a line of text: a verb, its words and at most one quoted
// text, for example `type permeabilityEdit leave "1.5"`. Sequences are printed in this form when
// they fail and replayed from it, so a sequence that found a fault can be kept as a regression.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace guifuzz {

struct Step {
    QString verb;
    QStringList words;
    std::optional<QString> text;

    QString Word(int index) const { return words.value(index); }
    int Number(int index) const { return words.value(index).toInt(); }
};

// The step as one line; the text in double quotes with \\, \", \t, \r and \n escaped.
QString formatStep(const Step& step);
// The step of one line; nothing for a blank line, a "#" comment or a line that does not parse.
std::optional<Step> parseStep(const QString& line);
// The steps of a file, one per line; `error` says why when the file cannot be read.
QList<Step> readSteps(const QString& path, QString* error);
QString formatSteps(const QList<Step>& steps);

}  // namespace guifuzz
