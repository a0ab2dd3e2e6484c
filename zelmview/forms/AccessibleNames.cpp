#include "forms/AccessibleNames.h"

#include <QLabel>

namespace forms {

QString spokenLabel(const QString& labelText)
{
    QString spoken;
    spoken.reserve(labelText.size());
    for (qsizetype k = 0; k < labelText.size(); ++k) {
        // "&&" stands for one ampersand; a single "&" marks the mnemonic.
        if (labelText.at(k) == QLatin1Char('&') && ++k >= labelText.size()) break;
        spoken.append(labelText.at(k));
    }
    spoken = spoken.trimmed();
    while (spoken.endsWith(QLatin1Char(':'))) spoken.chop(1);
    return spoken.trimmed();
}

void nameAfterLabel(QWidget* input, QLabel* label)
{
    label->setBuddy(input);
    input->setAccessibleName(spokenLabel(label->text()));
}

}  // namespace forms
