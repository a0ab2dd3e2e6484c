// The shape the live panels share: a folding panel titled "Live result" whose column holds the
// values (rows of a label and a short value, and lines of a sentence across the panel), a message
// under them (the model's refusal in red, or a note) and whatever the panel adds below. The
// panels run a model on the project as the user types it and show it here.
#pragma once

#include <QList>
#include <QString>

#include "forms/FoldingPanel.h"

class QFormLayout;
class QLabel;
class QVBoxLayout;

namespace forms {

class LivePanel : public FoldingPanel {
    Q_OBJECT

public:
    // `settingsKey` remembers whether the panel stands open; its column is `width` wide.
    LivePanel(const QString& settingsKey, int width, QWidget* parent = nullptr);

    // A value, or the message ("panelMessage"), by its object name.
    QLabel* GetLabel(const QString& name) const;

protected:
    // A row of the values: `label` on the left, the value (named `name`) on the right, one line.
    QLabel* AddValue(const QString& label, const QString& name);
    // A value across the panel, below those added so far; long texts wrap.
    QLabel* AddLine(const QString& name);
    // Below the message: what the panel adds of its own.
    QVBoxLayout* Column() const { return column; }
    // Shows or hides the rows of values; hidden, they hold no text.
    void ShowValues(bool shown);
    // An empty text hides the message.
    void ShowMessage(const QString& text, bool isError);

private:
    QWidget* values = nullptr;
    QVBoxLayout* valueColumn = nullptr;
    QFormLayout* rows = nullptr;  // the rows after the last line
    QList<QLabel*> valueLabels;
    QLabel* message = nullptr;
    QVBoxLayout* column = nullptr;
};

}  // namespace forms
