// Random steps of a user, drawn from a seed: what the active window offers (its fields, lists,
// radio buttons, pages and table) decides what can be done next, and the texts typed are the
// ones that break editors: numbers of every size, letters, "inf", "nan", numbers too large for
// the file, empty text, dates that do not exist, spreadsheet rows with their header line.
#pragma once

#include <QString>
#include <QStringList>
#include <random>

#include "Steps.h"

namespace guifuzz {

class AppDriver;

class StepGenerator {
public:
    explicit StepGenerator(quint64 seed) : random(seed) {}

    Step Next(const AppDriver& driver);

private:
    int Below(int bound) { return bound <= 0 ? 0 : int(random() % quint64(bound)); }
    bool Chance(int percent) { return Below(100) < percent; }
    const QString& Pick(const QStringList& items) { return items.at(Below(int(items.size()))); }

    Step Anywhere(const AppDriver& driver);
    Step OnTable(const QString& verb, int rows, int columns);
    QString Number();
    QString FieldText(const QString& field);
    QString CellText(int column);
    QString Rows();

    std::mt19937_64 random;
};

}  // namespace guifuzz
